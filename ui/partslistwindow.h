#pragma once

#include "document/partslist.h"

#include <QWidget>
#include <memory>

class CsvFileDialog;
class QLabel;
class QTableWidget;
class QTableWidgetItem;
class TileStore;
class TrackDocument;

// "Parts list…": how many of each piece the track needs, one row per piece
// with its picture, code, name, palette page and count, and the totals under the
// table. Not modal; it follows the track as it is edited, opened or
// resized. The counting is the core's PartsList; this is only its view.
class PartsListWindow : public QWidget
{
    Q_OBJECT

public:
    PartsListWindow(const TrackDocument &document, const TileStore &tiles, QWidget *parent);
    ~PartsListWindow() override;

    // Replaces the CSV file dialog (tests answer it without a modal dialog).
    void setCsvDialog(std::unique_ptr<CsvFileDialog> dialog);
    const PartsList &list() const { return m_list; }

    // The menu command: shows the window, or brings it to the front.
    void showAndRaise();
    // "Copy": the list as tab-separated text on the clipboard.
    void copy();
    // "Save as CSV…": the list as a CSV file, written whole or not at all.
    void saveCsv();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createTable();
    void createWidgets();
    void trackChanged();
    void refresh();
    void fillRow(int row, const PartsList::Row &part);
    QTableWidgetItem *setCell(int row, int column, const QString &text, Qt::Alignment align);
    QString proposedCsvName() const;

    const TrackDocument &m_document;
    const TileStore &m_tiles;
    PartsList m_list;
    // A hidden window does not count; it counts again when shown.
    bool m_stale = true;
    QTableWidget *m_table = nullptr;
    QLabel *m_total = nullptr;
    std::unique_ptr<CsvFileDialog> m_csvDialog;
};
