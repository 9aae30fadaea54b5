// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/suggest/suggestionsheet.h"

#include "document/suggest/piecesupply.h"
#include "document/trackfacts.h"

#include <QPixmap>

SuggestionSheet::SuggestionSheet(int thumbnail, QWidget *parent)
    : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(thumbnail, thumbnail * 3 / 5));
    // Room under each picture for its lines: the lap, two of what the lap
    // is made of, and what the club owns.
    setGridSize(QSize(thumbnail + 24, thumbnail * 3 / 5 + 4 * fontMetrics().height() + 16));
    setSpacing(4);
}

void SuggestionSheet::setSuggestions(const QVector<CircuitGenerator::Suggestion> &suggestions,
                                     const QVector<QImage> &pictures, const CircuitGenerator::Request &request,
                                     const Inventory *inventory)
{
    clear();
    if (!pictures.isEmpty())
        setIconSize(pictures.first().size());
    for (int k = 0; k < suggestions.size(); ++k) {
        const CircuitGenerator::Suggestion &suggestion = suggestions[k];
        QStringList lines{tr("%1. Lap %2, %3")
                              .arg(k + 1)
                              .arg(TrackFacts::metres(suggestion.lap, request.cellSize), suggestion.times.text()),
                          shapeText(suggestion.features)};
        const QString owned = ownedText(suggestion, request.family, inventory);
        if (!owned.isEmpty())
            lines << owned;
        auto *item = new QListWidgetItem(lines.join(QLatin1Char('\n')), this);
        if (k < pictures.size())
            item->setIcon(QPixmap::fromImage(pictures[k]));
        item->setToolTip(tr("%1\n%2 pieces in %3 × %4 cells; score %5 of 100")
                             .arg(lapText(suggestion, request))
                             .arg(suggestion.pieces)
                             .arg(suggestion.cells.width())
                             .arg(suggestion.cells.height())
                             .arg(suggestion.score, 0, 'f', 1));
    }
    if (count() > 0)
        setCurrentRow(0);
}

int SuggestionSheet::chosen() const
{
    return selectedItems().isEmpty() ? -1 : row(selectedItems().first());
}

QString SuggestionSheet::lapText(const CircuitGenerator::Suggestion &suggestion,
                                 const CircuitGenerator::Request &request)
{
    return tr("lap %1, %2 (%3)")
        .arg(TrackFacts::metres(suggestion.lap, request.cellSize), suggestion.times.text(), request.car.name);
}

QString SuggestionSheet::shapeText(const LoopShape::Features &features)
{
    const int n[] = {features.corners, features.hairpins, features.chicanes, features.crossings};
    // The English source has a form for one and a form for more; a
    // translation gives each count its language's form.
    QStringList parts{n[0] == 1 ? tr("%n corner", nullptr, n[0]) : tr("%n corners", nullptr, n[0])};
    if (n[1] > 0)
        parts << (n[1] == 1 ? tr("%n hairpin", nullptr, n[1]) : tr("%n hairpins", nullptr, n[1]));
    if (n[2] > 0)
        parts << (n[2] == 1 ? tr("%n chicane", nullptr, n[2]) : tr("%n chicanes", nullptr, n[2]));
    if (n[3] > 0)
        parts << (n[3] == 1 ? tr("%n crossing", nullptr, n[3]) : tr("%n crossings", nullptr, n[3]));
    // Two to a line, so that no line is wider than the picture above it.
    QString text;
    for (int k = 0; k < parts.size(); ++k)
        text += (k == 0 ? QString() : k % 2 ? QStringLiteral(", ") : QStringLiteral("\n")) + parts[k];
    return text;
}

QString SuggestionSheet::ownedText(const CircuitGenerator::Suggestion &suggestion, RoadFamily family,
                                   const Inventory *inventory)
{
    if (!inventory)
        return QString();
    const QVector<Inventory::Shortage> shortages = PieceSupply::fit(suggestion.grid, family, *inventory).stillShort;
    return shortages.isEmpty() ? tr("Fits what we own") : Inventory::shortText(shortages);
}
