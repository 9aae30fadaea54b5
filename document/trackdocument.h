#pragma once

#include "document/linebuffer.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>
#include <array>

class Progress;
class TileSource;

// One of the 900 places of the grid.
struct Cell
{
    QByteArray code;   // empty only before the first reset
    QImage picture;    // shared with its source until one side changes
    bool visible = false;
};

// The track being edited: a fixed pool of 30 x 30 cells stored column-major
// (entry = column x 30 + row), the grid size, the modified flag, the line
// buffer that track files pass through, and the current file name.
// Views follow it through its signals.
class TrackDocument : public QObject
{
    Q_OBJECT

public:
    static constexpr int side = 30;
    static constexpr int cellCount = side * side;
    static constexpr int defaultWidth = 15;
    static constexpr int defaultHeight = 7;

    explicit TrackDocument(QObject *parent = nullptr);

    static int index(int column, int row) { return column * side + row; }
    static int columnOf(int index) { return index / side; }
    static int rowOf(int index) { return index % side; }
    // "tp" + 1-based column + 1-based row, two digits each: tp0101.
    static QString cellName(int index);

    const Cell &cell(int index) const { return m_cells[size_t(index)]; }
    const Cell &cell(int column, int row) const { return cell(index(column, row)); }

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Clamps both into 1..30. Changes no cell: callers redraw.
    void setSize(int width, int height);

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &fileName);

    // The picture that fresh and cleared cells get: the default piece's tile
    // as the palette holds it.
    const QImage &defaultPicture() const { return m_defaultPicture; }
    void setDefaultPicture(const QImage &picture) { m_defaultPicture = picture; }

    // Walks the pool column by column with "Drawing Grid - c-r" progress;
    // with reset every cell becomes the default piece first. Afterwards a
    // cell is visible exactly when it lies inside the width x height block.
    void DrawGrid(bool reset, Progress &progress);
    // Every cell becomes the default piece, hidden. No progress text.
    void ClearGrid();
    // A grid button's hint "XX-YY": signed changes of width and height.
    // Applies them (clamped) and redraws without reset.
    void EditGrid(const QByteArray &hint, Progress &progress);
    // A cell click: the cell takes the piece, the track becomes modified.
    // An empty code (no piece chosen yet) does nothing.
    void TrackClick(int index, const QByteArray &code, const QImage &picture);

    // The line buffer (the editor's Memo1).
    const LineBuffer &memo() const { return m_memo; }
    // Replaces the buffer's text with the width x height block, a line a row.
    void MakeArray();
    // Fills the grid from the buffer's lines, loading every cell's tile.
    // All or nothing: on any failure the cells and the grid size are as
    // before and the error is thrown.
    void MemoToGrid(const TileSource &tiles, Progress &progress);

    // Open: reads the file into the buffer and the grid; only on success do
    // the file name and the modified flag change. Throws KwError.
    void open(const QString &path, const TileSource &tiles, Progress &progress);
    // Save: writes the block to path without ever destroying the former
    // file; on success the file name becomes path and the flag is cleared.
    void save(const QString &path);

    // Reads a track file's bytes as the editor opens it: a regular file of at
    // most 1 MiB. Throws "Cannot open file" or "Text exceeds memo capacity".
    static QByteArray readTrackFile(const QString &path);
    static constexpr qint64 maxTrackFileSize = 1 << 20;

signals:
    void cellChanged(int index);
    void sizeChanged(int width, int height);
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString &fileName);

private:
    void setCell(int index, const Cell &cell);
    void readLines(const LineBuffer &memo, const TileSource &tiles, Progress &progress);

    std::array<Cell, cellCount> m_cells;
    int m_width = defaultWidth;
    int m_height = defaultHeight;
    bool m_modified = false;
    QString m_fileName;
    QImage m_defaultPicture;
    LineBuffer m_memo;
};
