#include "ui/partslistwindow.h"

#include "base/safefile.h"
#include "document/trackdocument.h"
#include "export/picturecomposer.h"
#include "export/pictureexport.h"
#include "pieces/tilestore.h"
#include "ui/csvfiledialog.h"
#include "ui/errorbox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { PictureColumn, CodeColumn, NameColumn, PageColumn, CountColumn, ColumnCount };

constexpr int pictureSide = 24;

} // namespace

PartsListWindow::PartsListWindow(const TrackDocument &document, const TileStore &tiles,
                                 QWidget *parent)
    : QWidget(parent, Qt::Window), m_document(document), m_tiles(tiles),
      m_csvDialog(std::make_unique<QtCsvFileDialog>(this))
{
    setObjectName(QStringLiteral("PartsListWindow"));
    setWindowTitle(QStringLiteral("Parts list"));
    createWidgets();
    resize(620, 520);
    connect(&m_document, &TrackDocument::changed, this, &PartsListWindow::trackChanged);
}

PartsListWindow::~PartsListWindow() = default;

void PartsListWindow::createTable()
{
    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("PartsTable"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Piece"), QStringLiteral("Code"),
                                        QStringLiteral("Name"), QStringLiteral("Page"),
                                        QStringLiteral("Count")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setIconSize(QSize(pictureSide, pictureSide));
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(pictureSide + 6);
    // Sized after each refill, not per item: a header that sizes itself to
    // its contents measures every row whenever one item changes.
    m_table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_table->setColumnWidth(PictureColumn, pictureSide + 12);
}

void PartsListWindow::createWidgets()
{
    createTable();
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("PartsTotal"));
    auto *copy = new QPushButton(QStringLiteral("Copy"), this);
    copy->setObjectName(QStringLiteral("CopyParts"));
    auto *save = new QPushButton(QStringLiteral("Save as CSV…"), this);
    save->setObjectName(QStringLiteral("SaveParts"));
    connect(copy, &QPushButton::clicked, this, &PartsListWindow::copy);
    connect(save, &QPushButton::clicked, this, &PartsListWindow::saveCsv);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_total, 1);
    buttons->addWidget(copy);
    buttons->addWidget(save);
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_table);
    column->addLayout(buttons);
}

void PartsListWindow::setCsvDialog(std::unique_ptr<CsvFileDialog> dialog)
{
    m_csvDialog = std::move(dialog);
}

void PartsListWindow::showAndRaise()
{
    // A minimised list comes back too: the command is how users find it.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void PartsListWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        ErrorBox::guard(this, [this] { refresh(); });
}

void PartsListWindow::trackChanged()
{
    // Counting and refilling on every click is cheap, but not free: a
    // closed window waits until it is shown again.
    m_stale = true;
    if (isVisible())
        ErrorBox::guard(this, [this] { refresh(); });
}

void PartsListWindow::refresh()
{
    m_list = PartsList(m_document.grid());
    m_stale = false;
    const QVector<PartsList::Row> &rows = m_list.rows();
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        fillRow(r, rows[r]);
    m_table->resizeColumnToContents(CodeColumn);
    m_table->resizeColumnToContents(PageColumn);
    m_table->resizeColumnToContents(CountColumn);
    m_total->setText(QStringLiteral("Total: ") + m_list.summary());
}

void PartsListWindow::fillRow(int row, const PartsList::Row &part)
{
    // A click changes a count or two: only what differs is touched, so the
    // table does not lay out and repaint every row on every edit.
    setCell(row, CodeColumn, PartsList::codeText(part.code), Qt::AlignLeft);
    setCell(row, NameColumn, part.name, Qt::AlignLeft);
    setCell(row, PageColumn, part.page, Qt::AlignLeft);
    setCell(row, CountColumn, QString::number(part.count), Qt::AlignRight);
    QTableWidgetItem *item = setCell(row, PictureColumn, QString(), Qt::AlignLeft);
    const QImage tile = m_tiles.picture(part.code);
    const QVariant shown = QVariantList{part.code, tile.cacheKey()};
    if (item->data(Qt::UserRole) != shown) {
        item->setIcon(QPixmap::fromImage(PictureComposer::cellPicture(part.code, m_tiles)));
        item->setData(Qt::UserRole, shown);
    }
}

QTableWidgetItem *PartsListWindow::setCell(int row, int column, const QString &text,
                                           Qt::Alignment align)
{
    QTableWidgetItem *item = m_table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(align | Qt::AlignVCenter);
        m_table->setItem(row, column, item);
    }
    if (item->text() != text)
        item->setText(text);
    return item;
}

void PartsListWindow::copy()
{
    if (m_stale)
        refresh();
    QGuiApplication::clipboard()->setText(m_list.tabText());
}

QString PartsListWindow::proposedCsvName() const
{
    // Beside the track, named as its exports are; a track never saved has
    // no folder of its own.
    const QString &track = m_document.fileName();
    return track.isEmpty() ? QStringLiteral("parts.csv")
                           : PictureExport::outputName(track, QStringLiteral(".csv"));
}

void PartsListWindow::saveCsv()
{
    if (m_stale)
        refresh();
    const QString name = m_csvDialog->askCsvName(proposedCsvName());
    if (name.isEmpty())
        return;
    ErrorBox::guard(this, [&] { SafeFile::write(name, m_list.csv()); });
}
