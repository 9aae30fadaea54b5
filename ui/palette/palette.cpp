// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/palette/palette.h"

#include "pieces/builtinpictures.h"
#include "pieces/catalogue.h"
#include "pieces/piecetable.h"
#include "pieces/tilestore.h"
#include "ui/palette/palettelayout.h"
#include "ui/palette/picturebutton.h"
#include "ui/palette/piecetext.h"

#include <QButtonGroup>
#include <QEvent>
#include <QTabBar>

namespace {

constexpr int buttonSize = PaletteLayout::buttonSize;

struct GridButton
{
    const char *name;
    const char *hint;
    const char *spoken;  // what a screen reader names it
};

const GridButton gridButtons[] = {
    {"b80", "01-00", QT_TRANSLATE_NOOP("Palette", "Add a column")},
    {"b81", "-1-00", QT_TRANSLATE_NOOP("Palette", "Remove a column")},
    {"b82", "00-01", QT_TRANSLATE_NOOP("Palette", "Add a row")},
    {"b83", "00--1", QT_TRANSLATE_NOOP("Palette", "Remove a row")},
};

QByteArray hintOf(const QObject *button)
{
    return button->property("hint").toByteArray();
}

} // namespace

Palette::Palette(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("PageControl"));
    setFocusPolicy(Qt::NoFocus);
    tabBar()->setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < Catalogue::pageCount; ++i) {
        if (i == Catalogue::utilitiesPage)
            addUtilitiesPage();
        else
            addPiecePage(i);
    }
    // The look at start: one button down on "Normal" and one on "Larger
    // corners". Only the look: no piece is chosen by it.
    m_pieces.value("00")->setChecked(true);
    m_pieces.value("10")->setChecked(true);
    m_pieces.value(Catalogue::defaultCode())->setPicture(BuiltinPictures::blank());
    normalPage()->installEventFilter(this);
}

QWidget *Palette::addPiecePage(int index)
{
    const CataloguePage &source = Catalogue::pages().at(index);
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet%1").arg(index + 1));
    auto *group = new QButtonGroup(page);
    group->setExclusive(true);
    for (const PiecePlace &place : source.pieces)
        group->addButton(addPieceButton(page, place.code, PaletteLayout::place(index, place.slot)));
    addTab(page, PieceTable::shown(source.caption));
    return page;
}

PictureButton *Palette::addPieceButton(QWidget *page, const QByteArray &code, QPoint topLeft)
{
    auto *button = new PictureButton(page);
    button->setObjectName(QLatin1Char('b') + QString::fromLatin1(code));
    button->setProperty("hint", code);
    // Screen readers read a button's name first and its description late
    // or never: the name is the piece, as the tooltip shows it.
    button->setToolTip(PieceText::describe(code));
    button->setAccessibleName(button->toolTip());
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setGeometry(QRect(topLeft, QSize(buttonSize, buttonSize)));
    connect(button, &PictureButton::clicked, this, [this, button] { emit pieceClicked(button); });
    m_pieces.insert(code, button);
    return button;
}

QWidget *Palette::addUtilitiesPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet%1").arg(Catalogue::utilitiesPage + 1));
    int which = 0;
    for (const GridButton &grid : gridButtons) {
        auto *button = new PictureButton(page);
        button->setObjectName(QLatin1String(grid.name));
        button->setProperty("hint", QByteArray(grid.hint));
        button->setAccessibleName(tr(grid.spoken));
        button->setGeometry(QRect(PaletteLayout::gridButton(which), QSize(buttonSize, buttonSize)));
        button->setPicture(BuiltinPictures::gridButton(which++));
        connect(button, &PictureButton::clicked, this,
                [this, button] { emit gridClicked(hintOf(button)); });
    }
    addTab(page, PieceTable::shown(Catalogue::pages().at(Catalogue::utilitiesPage).caption));
    return page;
}

bool Palette::pressPiece(const QByteArray &code)
{
    PictureButton *button = m_pieces.value(code);
    if (!button) {
        releaseButtons(currentWidget());
        return false;
    }
    setCurrentWidget(button->parentWidget());
    button->click();
    return true;
}

void Palette::releaseButtons(QWidget *page)
{
    auto *group = page->findChild<QButtonGroup *>();
    if (!group || !group->checkedButton())
        return;
    // An exclusive group keeps one button down; it has to let go first.
    group->setExclusive(false);
    group->checkedButton()->setChecked(false);
    group->setExclusive(true);
}

void Palette::showPictures(const TileStore &tiles)
{
    for (auto it = m_pieces.constBegin(); it != m_pieces.constEnd(); ++it)
        it.value()->setPicture(tiles.picture(it.key()));
}

bool Palette::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress
                       || event->type() == QEvent::MouseButtonDblClick;
    if (watched == normalPage() && press) {
        emit normalPagePressed();
        return true;
    }
    return QTabWidget::eventFilter(watched, event);
}
