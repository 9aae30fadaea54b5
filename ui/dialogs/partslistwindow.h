// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/inventory.h"
#include "document/partslist.h"
#include "document/trackfacts.h"

#include <QVector>
#include <QWidget>
#include <memory>
#include <optional>

class CsvFileDialog;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class SpeedChart;
class TileStore;
class TrackDocument;

// "Parts list…": the track's facts at the top (its size in cells and metres,
// its circuits with their laps and road lengths, in a cell size the user
// sets), then how many of each piece the track needs, one row per piece with
// its picture, code, name, palette page and count, and the totals under the
// table. Under the circuits, the lap's time and average speed for the
// session's car (the chosen circuit's, or the first with a lap) and a chart
// of its speed. "Compare with inventory…" adds what the club owns and what is short.
// Not modal; it follows the track as it is edited, opened or resized. The
// counting is the core's PartsList, TrackFacts and Inventory; this is only
// their view.
class PartsListWindow : public QWidget
{
    Q_OBJECT

public:
    PartsListWindow(TrackDocument &document, const TileStore &tiles, QWidget *parent);
    ~PartsListWindow() override;

    // Replaces the CSV file dialogs (tests answer them without a modal dialog).
    void setCsvDialog(std::unique_ptr<CsvFileDialog> dialog);
    const PartsList &list() const { return m_list; }
    // The session's inventory compared with, while one is loaded.
    const Inventory *inventory() const;

    // The menu command: shows the window, or brings it to the front.
    void showAndRaise();
    // "Copy": the list as tab-separated text on the clipboard.
    void copy();
    // "Save as CSV…": the list as a CSV file, written whole or not at all.
    void saveCsv();
    // "Compare with inventory…": asks for an inventory file and makes it the
    // session's (as Track > "Inventory…" does); a file that cannot be read
    // leaves the one compared with before.
    void compareWithInventory();
    void loadInventory(const QString &path);
    // "Forget inventory": the session's.
    void forgetInventory();

signals:
    // A circuit's line was clicked: the cells of that circuit, TrackGrid indices.
    void circuitChosen(const QVector<int> &cells);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createTable();
    void createFacts();
    void createWidgets();
    void trackChanged();
    void inventoryChanged();
    void refresh();
    void showFacts();
    // The lap time, the average speed and the chart of one circuit's lap.
    void showLap();
    void showTotals();
    void fillRow(int row, const PartsList::Row &part);
    void markShort(int row, bool isShort);
    QTableWidgetItem *setCell(int row, int column, const QString &text, Qt::Alignment align);
    QString proposedCsvName() const;

    TrackDocument &m_document;
    const TileStore &m_tiles;
    PartsList m_list;
    std::optional<TrackFacts> m_facts;
    // A hidden window does not count; it counts again when shown.
    bool m_stale = true;
    QLabel *m_size = nullptr;
    QDoubleSpinBox *m_cellSize = nullptr;
    QListWidget *m_circuits = nullptr;
    QLabel *m_lapTime = nullptr;
    SpeedChart *m_chart = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_total = nullptr;
    QPushButton *m_forget = nullptr;
    std::unique_ptr<CsvFileDialog> m_csvDialog;
};
