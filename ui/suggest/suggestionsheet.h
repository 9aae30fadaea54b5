// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/inventory.h"
#include "document/suggest/circuitgenerator.h"

#include <QImage>
#include <QListWidget>
#include <QVector>

// The suggestions as a sheet of pictures, drawn with the real tiles, each
// with its number, lap length and lap time, what its lap is made of, and
// whether the club owns its pieces ("Fits what we own", or what is short
// once owned pieces stand in). Arrows and clicks choose one.
class SuggestionSheet : public QListWidget
{
    Q_OBJECT

public:
    SuggestionSheet(int thumbnail, QWidget *parent);

    // The suggestions of a request with their pictures; inventory, when
    // given, is what each is compared with.
    void setSuggestions(const QVector<CircuitGenerator::Suggestion> &suggestions, const QVector<QImage> &pictures,
                        const CircuitGenerator::Request &request, const Inventory *inventory);
    // The chosen suggestion's number from 0, or -1.
    int chosen() const;

    // "lap 24.9 m, 9.2–10.4 s (1:28 stock)"
    static QString lapText(const CircuitGenerator::Suggestion &suggestion, const CircuitGenerator::Request &request);
    // "8 corners, 1 hairpin", a line for every two things the lap is made of
    static QString shapeText(const LoopShape::Features &features);
    // "Fits what we own", "3 pieces short"; empty without an inventory.
    static QString ownedText(const CircuitGenerator::Suggestion &suggestion, RoadFamily family,
                             const Inventory *inventory);
};
