// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/tsizeform.h"

#include "document/trackdocument.h"
#include "ui/dialogs/dialogplacement.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>

namespace {

constexpr int clientWidth = 304;
constexpr int clientHeight = 113;
constexpr int widthRow = 10;
constexpr int heightRow = 44;

} // namespace

TsizeForm::TsizeForm(TrackDocument *document, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_document(document)
{
    setObjectName(QStringLiteral("sizeForm"));
    setWindowTitle(QCoreApplication::translate("TSizeForm", "Modify grid size"));
    setFixedSize(clientWidth, clientHeight);
    createWidgets();
    arrangeTabOrder();
    connect(m_document, &TrackDocument::sizeChanged, this, &TsizeForm::followDocument);
    sizeBarChange();
}

void TsizeForm::createWidgets()
{
    Label1 = new QLabel(QCoreApplication::translate("TSizeForm", "Width:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(10, widthRow, 44, 18);
    Label2 = new QLabel(QCoreApplication::translate("TSizeForm", "Height:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(10, heightRow, 44, 18);

    widthbar = createBar("widthbar", widthRow - 4, m_document->width());
    heightbar = createBar("heightbar", heightRow - 4, m_document->height());
    Edit1 = createEdit("Edit1", widthRow - 2);
    Edit2 = createEdit("Edit2", heightRow - 2);

    BitBtn1 = createButton("BitBtn1", QCoreApplication::translate("TSizeForm", "OK"), 62);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    BitBtn2 = createButton("BitBtn2", QCoreApplication::translate("TSizeForm", "Cancel"), 158);
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    // Both buttons close the dialog the same way: the grid size is whatever
    // the sliders were left at, and no caller asks which button it was.
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

QSlider *TsizeForm::createBar(const char *name, int y, int value)
{
    auto *bar = new QSlider(Qt::Horizontal, this);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(56, y, 180, 28);
    bar->setRange(1, TrackGrid::side);
    bar->setValue(value);
    bar->setTickInterval(10);
    bar->setTickPosition(QSlider::TicksBelow);
    connect(bar, &QSlider::valueChanged, this, &TsizeForm::barMoved);
    return bar;
}

QLineEdit *TsizeForm::createEdit(const char *name, int y)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(244, y, 50, 22);
    edit->installEventFilter(this);
    return edit;
}

QPushButton *TsizeForm::createButton(const char *name, const QString &text, int x)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(x, 78, 84, 27);
    return button;
}

void TsizeForm::arrangeTabOrder()
{
    QWidget::setTabOrder(widthbar, Edit1);
    QWidget::setTabOrder(Edit1, heightbar);
    QWidget::setTabOrder(heightbar, Edit2);
    QWidget::setTabOrder(Edit2, BitBtn1);
    QWidget::setTabOrder(BitBtn1, BitBtn2);
}

void TsizeForm::sizeBarChange()
{
    Edit1->setText(QString::number(widthbar->value()));
    Edit2->setText(QString::number(heightbar->value()));
}

void TsizeForm::barMoved()
{
    sizeBarChange();
    // While the sliders follow the document, the first slider has its new
    // value and the second still the old one: handing that pair back would
    // undo half of the document's change.
    if (!m_followingDocument)
        m_document->setSize(widthbar->value(), heightbar->value());
}

void TsizeForm::followDocument(int width, int height)
{
    m_followingDocument = true;
    widthbar->setValue(width);
    heightbar->setValue(height);
    m_followingDocument = false;
}

void TsizeForm::showEvent(QShowEvent *event)
{
    // Deleting or pasting may have left other text in the boxes.
    sizeBarChange();
    centreOnScreen(this);
    QDialog::showEvent(event);
}

bool TsizeForm::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Edit1 || watched == Edit2) && event->type() == QEvent::KeyPress)
        return EditKeyPress(static_cast<QKeyEvent *>(event));
    return QDialog::eventFilter(watched, event);
}

// The boxes only mirror the sliders, so every typed character is dropped.
// Keys the dialog answers (Enter, Esc, Tab) pass on to it, and keys that type
// nothing (arrows, Home, Delete) still work in the box.
bool TsizeForm::EditKeyPress(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    default:
        break;
    }
    // Pasting, cutting and undoing by keyboard arrive as control characters
    // on some platforms and as bare shortcuts on others: drop them alike.
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)
        || event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return true;
    return !event->text().isEmpty();
}
