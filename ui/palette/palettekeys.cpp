// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/palette/palettekeys.h"

#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"

#include <QAction>
#include <QCoreApplication>
#include <algorithm>

PaletteKeys::PaletteKeys(Palette &palette, QWidget &window)
    : QObject(&window), m_palette(palette)
{
    connect(add(window, "Previouspage1", QCoreApplication::translate("PaletteKeys", "Previous palette page"),
                QKeySequence(QStringLiteral("Ctrl+PgUp"))),
            &QAction::triggered, this, [this] { turnPage(-1); });
    connect(add(window, "Nextpage1", QCoreApplication::translate("PaletteKeys", "Next palette page"),
                QKeySequence(QStringLiteral("Ctrl+PgDown"))),
            &QAction::triggered, this, [this] { turnPage(1); });
    connect(add(window, "Previouspiece1", QCoreApplication::translate("PaletteKeys", "Previous piece"),
                QKeySequence(QStringLiteral("Ctrl+Left"))),
            &QAction::triggered, this, [this] { stepPiece(-1); });
    connect(add(window, "Nextpiece1", QCoreApplication::translate("PaletteKeys", "Next piece"),
                QKeySequence(QStringLiteral("Ctrl+Right"))),
            &QAction::triggered, this, [this] { stepPiece(1); });
}

QAction *PaletteKeys::add(QWidget &window, const char *name, const QString &text, const QKeySequence &key)
{
    auto *action = new QAction(text, &window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    window.addAction(action);
    m_actions.append(action);
    return action;
}

void PaletteKeys::turnPage(int by)
{
    const int count = m_palette.count();
    m_palette.setCurrentIndex((m_palette.currentIndex() + by + count) % count);
}

QVector<PictureButton *> PaletteKeys::piecesInOrder(QWidget *page)
{
    QVector<PictureButton *> pieces;
    for (PictureButton *button : page->findChildren<PictureButton *>()) {
        if (button->isCheckable())
            pieces.append(button);
    }
    std::sort(pieces.begin(), pieces.end(), [](const PictureButton *a, const PictureButton *b) {
        const QPoint p = a->pos(), q = b->pos();
        return p.x() != q.x() ? p.x() < q.x() : p.y() < q.y();
    });
    return pieces;
}

void PaletteKeys::stepPiece(int by)
{
    const QVector<PictureButton *> pieces = piecesInOrder(m_palette.currentWidget());
    if (pieces.isEmpty())
        return;  // "Utilities" holds no pieces
    const int count = int(pieces.size());
    const auto down = std::find_if(pieces.begin(), pieces.end(),
                                   [](const PictureButton *button) { return button->isChecked(); });
    int next;
    if (down == pieces.end())
        next = by > 0 ? 0 : count - 1;
    else
        next = (int(down - pieces.begin()) + by + count) % count;
    pieces[next]->click();
}
