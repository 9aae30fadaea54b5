// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/partslistwindow.h"

#include "base/safefile.h"
#include "document/trackdocument.h"
#include "export/picturecomposer.h"
#include "export/pictureexport.h"
#include "pieces/piecetable.h"
#include "pieces/tilestore.h"
#include "ui/dialogs/csvfiledialog.h"
#include "ui/dialogs/sessioncar.h"
#include "ui/dialogs/sessioncellsize.h"
#include "ui/dialogs/speedchart.h"
#include "document/lapmodel.h"
#include "document/laptrace.h"
#include "ui/window/errorbox.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { PictureColumn, CodeColumn, NameColumn, PageColumn, CountColumn, OwnedColumn, ShortColumn, ColumnCount };

constexpr int pictureSide = 24;

// A row the club has too few of: a pale red that any text reads on.
const QColor shortBackground(255, 214, 214);

QString circuitLine(int number, const Circuit &circuit, double cellSize)
{
    return QCoreApplication::translate("PartsListWindow", "Circuit %1: ").arg(number) + TrackFacts::circuitText(circuit, cellSize);
}

} // namespace

PartsListWindow::PartsListWindow(TrackDocument &document, const TileStore &tiles,
                                 QWidget *parent)
    : QWidget(parent, Qt::Window), m_document(document), m_tiles(tiles),
      m_csvDialog(std::make_unique<QtCsvFileDialog>(this))
{
    setObjectName(QStringLiteral("PartsListWindow"));
    setWindowTitle(QCoreApplication::translate("PartsListWindow", "Parts list"));
    createWidgets();
    resize(680, 600);
    connect(&m_document, &TrackDocument::changed, this, &PartsListWindow::trackChanged);
    connect(&m_document.inventory(), &SessionInventory::replaced, this, &PartsListWindow::inventoryChanged);
    inventoryChanged();
}

PartsListWindow::~PartsListWindow() = default;

void PartsListWindow::createTable()
{
    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("PartsTable"));
    m_table->setHorizontalHeaderLabels({QCoreApplication::translate("PartsListWindow", "Piece"), QCoreApplication::translate("PartsListWindow", "Code"),
                                        QCoreApplication::translate("PartsListWindow", "Name"), QCoreApplication::translate("PartsListWindow", "Page"),
                                        QCoreApplication::translate("PartsListWindow", "Count"), QCoreApplication::translate("PartsListWindow", "Owned"),
                                        QCoreApplication::translate("PartsListWindow", "Short")});
    // Until an inventory is loaded there is nothing to own.
    m_table->setColumnHidden(OwnedColumn, true);
    m_table->setColumnHidden(ShortColumn, true);
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

void PartsListWindow::createFacts()
{
    m_size = new QLabel(this);
    m_size->setObjectName(QStringLiteral("TrackSize"));
    m_size->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_cellSize = new QDoubleSpinBox(this);
    m_cellSize->setObjectName(QStringLiteral("CellSize"));
    m_cellSize->setRange(0.01, 10);
    m_cellSize->setDecimals(2);
    m_cellSize->setSingleStep(0.05);
    m_cellSize->setSuffix(QStringLiteral(" m"));
    m_cellSize->setValue(SessionCellSize::metres());
    m_cellSize->setToolTip(QCoreApplication::translate("PartsListWindow", "The side of one cell, for the sizes and lengths above"));
    // The window hears the new side back through the session's car.
    connect(m_cellSize, &QDoubleSpinBox::valueChanged, this, &SessionCar::setCellSize);
    // One line a circuit; clicking one shows its cells on the track.
    m_circuits = new QListWidget(this);
    m_circuits->setObjectName(QStringLiteral("CircuitList"));
    m_circuits->setMaximumHeight(4 * m_circuits->fontMetrics().height() + 12);
    connect(m_circuits, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const int k = m_circuits->row(item);
        if (m_facts && k >= 0 && k < m_facts->circuits().size()) {
            showLap();
            emit circuitChosen(m_facts->circuits()[k].cells);
        }
    });
    m_lapTime = new QLabel(this);
    m_lapTime->setObjectName(QStringLiteral("LapTime"));
    m_lapTime->setWordWrap(true);
    m_lapTime->setToolTip(tr("An estimate from the pieces' centre lines and the car's figures "
                             "(Track → Car…); a measured lap calibrates it"));
    m_chart = new SpeedChart(this);
    connect(&SessionCar::instance(), &SessionCar::changed, this, &PartsListWindow::showFacts);
}

void PartsListWindow::createWidgets()
{
    createTable();
    createFacts();
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("PartsTotal"));
    auto *copy = new QPushButton(QCoreApplication::translate("PartsListWindow", "Copy"), this);
    copy->setObjectName(QStringLiteral("CopyParts"));
    auto *save = new QPushButton(QCoreApplication::translate("PartsListWindow", "Save as CSV…"), this);
    save->setObjectName(QStringLiteral("SaveParts"));
    auto *compare = new QPushButton(QCoreApplication::translate("PartsListWindow", "Compare with inventory…"), this);
    compare->setObjectName(QStringLiteral("CompareInventory"));
    m_forget = new QPushButton(QCoreApplication::translate("PartsListWindow", "Forget inventory"), this);
    m_forget->setObjectName(QStringLiteral("ForgetInventory"));
    m_forget->setEnabled(false);
    connect(copy, &QPushButton::clicked, this, &PartsListWindow::copy);
    connect(save, &QPushButton::clicked, this, &PartsListWindow::saveCsv);
    connect(compare, &QPushButton::clicked, this, &PartsListWindow::compareWithInventory);
    connect(m_forget, &QPushButton::clicked, this, &PartsListWindow::forgetInventory);

    auto *facts = new QFormLayout;
    facts->addRow(QCoreApplication::translate("PartsListWindow", "Track:"), m_size);
    facts->addRow(QCoreApplication::translate("PartsListWindow", "Cell side:"), m_cellSize);
    facts->addRow(QCoreApplication::translate("PartsListWindow", "Circuits:"), m_circuits);
    facts->addRow(tr("Lap time:"), m_lapTime);
    facts->addRow(QString(), m_chart);
    auto *inventory = new QHBoxLayout;
    inventory->addStretch(1);
    inventory->addWidget(compare);
    inventory->addWidget(m_forget);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_total, 1);
    buttons->addWidget(copy);
    buttons->addWidget(save);
    auto *column = new QVBoxLayout(this);
    column->addLayout(facts);
    // The table takes the room the window gains; the facts keep their lines.
    column->addWidget(m_table, 1);
    column->addLayout(inventory);
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

const Inventory *PartsListWindow::inventory() const
{
    return m_document.inventory().inventory();
}

void PartsListWindow::inventoryChanged()
{
    m_forget->setEnabled(m_document.inventory().isLoaded());
    trackChanged();
}

void PartsListWindow::refresh()
{
    m_list = PartsList(m_document.grid());
    m_facts.emplace(m_document.grid());
    m_stale = false;
    const QVector<PartsList::Row> &rows = m_list.rows();
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        fillRow(r, rows[r]);
    m_table->setColumnHidden(OwnedColumn, !inventory());
    m_table->setColumnHidden(ShortColumn, !inventory());
    for (int column : {CodeColumn, PageColumn, CountColumn, OwnedColumn, ShortColumn})
        m_table->resizeColumnToContents(column);
    showFacts();
    showTotals();
}

void PartsListWindow::showFacts()
{
    if (!m_facts)
        return;
    const double cellSize = SessionCellSize::metres();
    QString size = m_facts->sizeText(cellSize);
    if (!m_facts->circuits().isEmpty())
        size += QCoreApplication::translate("PartsListWindow", ", road ") + TrackFacts::metres(m_facts->road(), cellSize);
    if (m_size->text() != size)
        m_size->setText(size);
    const QVector<Circuit> &circuits = m_facts->circuits();
    QStringList lines;
    for (int k = 0; k < circuits.size(); ++k)
        lines << circuitLine(k + 1, circuits[k], cellSize);
    if (lines.isEmpty())
        lines << QCoreApplication::translate("PartsListWindow", "No road on the track");
    // Refilled only when a line changes, so a click on one is not lost to
    // an edit elsewhere on the track.
    QStringList shown;
    for (int k = 0; k < m_circuits->count(); ++k)
        shown << m_circuits->item(k)->text();
    if (shown != lines) {
        m_circuits->clear();
        m_circuits->addItems(lines);
    }
    const Qt::ItemFlags flags = circuits.isEmpty() ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    for (int k = 0; k < m_circuits->count(); ++k)
        if (m_circuits->item(k)->flags() != flags)
            m_circuits->item(k)->setFlags(flags);
    showLap();
}

void PartsListWindow::showLap()
{
    if (!m_facts)
        return;
    // The circuit whose line was chosen, if it has a lap; else the first
    // that has one.
    const QVector<Circuit> &circuits = m_facts->circuits();
    const int chosen = m_circuits->currentRow();
    const Circuit *circuit = chosen >= 0 && chosen < circuits.size() && circuits[chosen].lap ? &circuits[chosen] : nullptr;
    for (int k = 0; !circuit && k < circuits.size(); ++k)
        if (circuits[k].lap)
            circuit = &circuits[k];
    const LapSetup setup = SessionCar::lap();
    const LapPath path = circuit ? LapPath::of(m_document.grid(), *circuit) : LapPath();
    const LapModel model(path, setup.cellSize);
    if (model.isEmpty()) {
        m_lapTime->setText(tr("No lap: no circuit that a car can drive round in one go"));
        m_chart->clear();
        return;
    }
    const LapDrive fast = model.drive(setup.car.onHighGrip());
    const LapDrive slow = model.drive(setup.car.onLowGrip());
    const LapTimes times{fast.seconds(), slow.seconds()};
    const int number = int(circuit - circuits.data()) + 1;
    m_lapTime->setText(tr("Circuit %1: %2, average %3–%4 km/h (%5)")
                           .arg(number)
                           .arg(times.text(), QString::number(slow.averageSpeed() * 3.6, 'f', 1),
                                QString::number(fast.averageSpeed() * 3.6, 'f', 1), setup.car.name));
    m_chart->setLap(LapTrace(path, fast, setup.cellSize), slow);
}

void PartsListWindow::showTotals()
{
    QString text = QCoreApplication::translate("PartsListWindow", "Total: ") + m_list.summary();
    if (const Inventory *club = inventory())
        text += QStringLiteral(" – ") + Inventory::shortText(club->shortages(m_list))
                + QStringLiteral(" (") + QFileInfo(m_document.inventory().fileName()).fileName() + QLatin1Char(')');
    if (m_total->text() != text)
        m_total->setText(text);
}

void PartsListWindow::fillRow(int row, const PartsList::Row &part)
{
    // A click changes a count or two: only what differs is touched, so the
    // table does not lay out and repaint every row on every edit.
    setCell(row, CodeColumn, PartsList::codeText(part.code), Qt::AlignLeft);
    setCell(row, NameColumn, PieceTable::shown(part.name), Qt::AlignLeft);
    setCell(row, PageColumn, PieceTable::shown(part.page), Qt::AlignLeft);
    setCell(row, CountColumn, QString::number(part.count), Qt::AlignRight);
    const Inventory *club = inventory();
    const int missing = club ? club->missing(part.code, part.count) : 0;
    // A plain surface the club does not list is there as the floor needs it.
    const bool limited = club && club->limits(part.code);
    QTableWidgetItem *owned = setCell(row, OwnedColumn,
                                      limited ? QString::number(club->owned(part.code)) : club ? tr("any") : QString(),
                                      Qt::AlignRight);
    const QString ownedTip = club && !limited ? m_document.inventory().countText(part.code) : QString();
    if (owned->toolTip() != ownedTip)
        owned->setToolTip(ownedTip);
    setCell(row, ShortColumn, missing > 0 ? QString::number(missing) : QString(), Qt::AlignRight);
    const bool isShort = missing > 0;
    QTableWidgetItem *item = setCell(row, PictureColumn, QString(), Qt::AlignLeft);
    const QImage tile = m_tiles.picture(part.code);
    const QVariant shown = QVariantList{part.code, tile.cacheKey()};
    if (item->data(Qt::UserRole) != shown) {
        item->setIcon(QPixmap::fromImage(PictureComposer::cellPicture(part.code, m_tiles)));
        item->setData(Qt::UserRole, shown);
    }
    markShort(row, isShort);
}

void PartsListWindow::markShort(int row, bool isShort)
{
    const QBrush background = isShort ? QBrush(shortBackground) : QBrush();
    for (int column = 0; column < ColumnCount; ++column) {
        QTableWidgetItem *item = m_table->item(row, column);
        if (item && item->background() != background) {
            item->setBackground(background);
            // Not by colour alone: the short count is bold too.
            QFont font = item->font();
            font.setBold(isShort && column == ShortColumn);
            item->setFont(font);
        }
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

void PartsListWindow::compareWithInventory()
{
    const QString name = m_csvDialog->askInventoryName();
    if (name.isEmpty())
        return;
    ErrorBox::guard(this, [&] { loadInventory(name); });
}

void PartsListWindow::loadInventory(const QString &path)
{
    // The session reads it whole before anything changes: a refused file
    // leaves the window as it was.
    m_document.inventory().load(path);
}

void PartsListWindow::forgetInventory()
{
    m_document.inventory().forget();
}
