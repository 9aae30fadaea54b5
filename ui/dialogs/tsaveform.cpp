// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/tsaveform.h"

#include "ui/dialogs/dialogplacement.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int clientWidth = 392;
constexpr int clientHeight = 64;
constexpr int buttonWidth = 84;
constexpr int buttonGap = 12;
constexpr int firstButtonX = (clientWidth - 3 * buttonWidth - 2 * buttonGap) / 2;

} // namespace

TSaveForm::TSaveForm(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("saveForm"));
    setWindowTitle(QCoreApplication::translate("TSaveForm", "Save changes ?"));
    setFixedSize(clientWidth, clientHeight);

    Label1 = new QLabel(QCoreApplication::translate("TSaveForm", "Save changes first ?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(0, 6, clientWidth, 20);

    // Created in tab order: Yes first.
    const int step = buttonWidth + buttonGap;
    Button1 = createButton("Button1", QCoreApplication::translate("TSaveForm", "&Yes"), Yes, firstButtonX);
    Button2 = createButton("Button2", QCoreApplication::translate("TSaveForm", "&No"), No, firstButtonX + step);
    Button3 = createButton("Button3", QCoreApplication::translate("TSaveForm", "&Cancel"), Cancel, firstButtonX + 2 * step);
}

QPushButton *TSaveForm::createButton(const char *name, const QString &text, int tag, int x)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setProperty("tag", tag);
    button->setGeometry(x, 30, buttonWidth, 27);
    // Auto-default (a dialog's buttons' usual setting) lets Enter press the
    // focused button; none of them is the dialog's default.
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, &TSaveForm::Button1Click);
    return button;
}

int TSaveForm::ask()
{
    m_answeredByButton = false;
    exec();
    // Ended without a button: the window manager's close, or the loop left
    // from outside (a signal, the session's end), where the caller's preset
    // "No" would discard the work that nobody decided about.
    if (!m_answeredByButton)
        m_answer = Cancel;
    return m_answer;
}

void TSaveForm::Button1Click()
{
    const QObject *button = sender();
    if (!button)
        return;
    m_answer = button->property("tag").toInt();
    m_answeredByButton = true;
    accept();
}

void TSaveForm::showEvent(QShowEvent *event)
{
    // Every time the question comes up, Enter means Yes.
    Button1->setFocus();
    centreOnScreen(this);
    QDialog::showEvent(event);
}

void TSaveForm::keyPressEvent(QKeyEvent *event)
{
    // There is no cancel button: Esc must not close the question.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // A button's underlined letter pressed alone answers too, as in a
    // message box; with Alt it arrives as the button's shortcut instead.
    if (QPushButton *button = buttonForMnemonic(event)) {
        button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

QPushButton *TSaveForm::buttonForMnemonic(const QKeyEvent *event) const
{
    if (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return nullptr;
    for (QPushButton *button : {Button1, Button2, Button3}) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
        if (!mnemonic.isEmpty() && mnemonic[0].key() == event->key())
            return button;
    }
    return nullptr;
}
