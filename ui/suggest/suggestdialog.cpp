// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/suggest/suggestdialog.h"

#include "document/trackdocument.h"
#include "ui/dialogs/dialogplacement.h"
#include "ui/dialogs/sessioncar.h"
#include "ui/dialogs/sessioncellsize.h"
#include "ui/suggest/suggestionrun.h"
#include "ui/suggest/suggestionsheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The pictures' longer side, in pixels: three side by side fit the dialog.
constexpr int thumbnail = 220;

enum class TargetKind { Any, Length, Time };

// A lap about as far round as most laps a floor holds go: from 60 % to 90 %
// of the way round its border.
double borderMetres(int columns, int rows)
{
    return 2.0 * (columns + rows) * SessionCellSize::metres();
}

// A car of the classes laps a tile track at about 3 m/s.
constexpr double typicalSpeed = 3.0;

QSpinBox *spinBox(QWidget *parent, const char *name, int low, int high, int value)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QDoubleSpinBox *rangeBox(QWidget *parent, const char *name)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setDecimals(1);
    box->setRange(0.1, 9999);
    // The other end follows a number once it is typed, not each digit.
    box->setKeyboardTracking(false);
    return box;
}

QWidget *row(QWidget *parent, const QList<QWidget *> &widgets)
{
    auto *holder = new QWidget(parent);
    auto *line = new QHBoxLayout(holder);
    line->setContentsMargins(0, 0, 0, 0);
    for (QWidget *widget : widgets)
        line->addWidget(widget);
    line->addStretch(1);
    return holder;
}

} // namespace

SuggestDialog::SuggestDialog(TrackDocument &document, const TileStore &tiles, QWidget *parent)
    : QDialog(parent), m_document(document), m_run(new SuggestionRun(tiles, thumbnail, this))
{
    setObjectName(QStringLiteral("SuggestDialog"));
    setWindowTitle(tr("Suggest circuits"));
    setWindowModality(Qt::WindowModal);
    createWidgets();
    connect(m_run, &SuggestionRun::progressed, this, &SuggestDialog::progressed);
    connect(m_run, &SuggestionRun::finished, this, &SuggestDialog::finished);
    connect(&m_document.inventory(), &SessionInventory::changed, this, &SuggestDialog::inventoryChanged);
    inventoryChanged();
    setRunning(false);
    resize(800, 760);
}

SuggestDialog::~SuggestDialog() = default;

void SuggestDialog::createWidgets()
{
    m_options = new QWidget(this);
    m_columns = spinBox(m_options, "SuggestColumns", 2, TrackGrid::side, 20);
    m_rows = spinBox(m_options, "SuggestRows", 2, TrackGrid::side, 12);
    m_floorMetres = new QLabel(m_options);
    auto floorMetres = [this] {
        const double cell = SessionCellSize::metres();
        m_floorMetres->setText(tr("cells, %1 × %2 m")
                                   .arg(m_columns->value() * cell, 0, 'f', 1)
                                   .arg(m_rows->value() * cell, 0, 'f', 1));
    };
    connect(m_columns, &QSpinBox::valueChanged, this, floorMetres);
    connect(m_rows, &QSpinBox::valueChanged, this, floorMetres);
    floorMetres();
    m_family = new QComboBox(m_options);
    m_family->setObjectName(QStringLiteral("SuggestFamily"));
    m_family->addItem(tr("Circuit"), int(RoadFamily::Circuit));
    m_family->addItem(tr("Foam mat (RCP 1)"), int(RoadFamily::Foam));
    m_family->addItem(tr("Carpet (RCP 2)"), int(RoadFamily::Carpet));
    m_crossings = new QCheckBox(tr("Figures of eight (a crossing)"), m_options);
    m_crossings->setObjectName(QStringLiteral("SuggestCrossings"));
    m_minStraight = spinBox(m_options, "SuggestMinStraight", 0, TrackGrid::side - 2, 0);
    m_count = spinBox(m_options, "SuggestCount", 1, CircuitGenerator::maxCount, 6);
    m_seed = spinBox(m_options, "SuggestSeed", 0, 999999999, 1);

    auto *form = new QFormLayout(m_options);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("Floor:"),
                 row(m_options, {m_columns, new QLabel(tr("×"), m_options), m_rows, m_floorMetres}));
    form->addRow(tr("Road:"), row(m_options, {m_family}));
    form->addRow(tr("Target:"), createTarget());
    form->addRow(tr("Pieces:"), createPieces());
    form->addRow(tr("Layout:"),
                 row(m_options, {m_crossings, new QLabel(tr("  at least"), m_options), m_minStraight,
                                 new QLabel(tr("straight cells between corners"), m_options)}));
    form->addRow(tr("Suggestions:"),
                 row(m_options, {m_count, new QLabel(tr("  seed"), m_options), m_seed}));

    m_suggest = new QPushButton(tr("Suggest"), this);
    m_suggest->setObjectName(QStringLiteral("SuggestRun"));
    m_suggest->setDefault(true);
    m_more = new QPushButton(tr("More"), this);
    m_more->setObjectName(QStringLiteral("SuggestMore"));
    m_more->setToolTip(tr("Other suggestions: the next seed"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("SuggestProgress"));
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("SuggestCancel"));
    connect(m_suggest, &QPushButton::clicked, this, &SuggestDialog::suggest);
    connect(m_more, &QPushButton::clicked, this, &SuggestDialog::more);
    connect(m_cancel, &QPushButton::clicked, this, &SuggestDialog::cancelRun);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("SuggestSummary"));
    m_summary->setWordWrap(true);
    // While a run goes its progress and Cancel stand where its outcome will.
    auto *run = new QHBoxLayout;
    run->addWidget(m_suggest);
    run->addWidget(m_more);
    run->addWidget(m_progress, 1);
    run->addWidget(m_cancel);
    run->addWidget(m_summary, 1);
    m_sheet = new SuggestionSheet(thumbnail, this);
    m_sheet->setObjectName(QStringLiteral("SuggestSheet"));
    connect(m_sheet, &QListWidget::itemSelectionChanged, this, &SuggestDialog::refreshButtons);

    auto *buttons = new QDialogButtonBox(this);
    m_useAsTrack = buttons->addButton(tr("Use as track"), QDialogButtonBox::AcceptRole);
    m_useAsTrack->setObjectName(QStringLiteral("SuggestUseAsTrack"));
    m_placeAsStamp = buttons->addButton(tr("Place as stamp"), QDialogButtonBox::AcceptRole);
    m_placeAsStamp->setObjectName(QStringLiteral("SuggestPlaceAsStamp"));
    buttons->addButton(QDialogButtonBox::Close);
    // Each button does its own work; the box only lays them out.
    for (QPushButton *button : {m_useAsTrack, m_placeAsStamp})
        button->setAutoDefault(false);
    connect(m_useAsTrack, &QPushButton::clicked, this, &SuggestDialog::useAsTrack);
    connect(m_placeAsStamp, &QPushButton::clicked, this, &SuggestDialog::placeAsStamp);
    connect(buttons, &QDialogButtonBox::rejected, this, &SuggestDialog::reject);

    auto *column = new QVBoxLayout(this);
    column->addWidget(m_options);
    column->addLayout(run);
    column->addWidget(m_sheet, 1);
    column->addWidget(buttons);
}

QWidget *SuggestDialog::createTarget()
{
    m_target = new QComboBox(m_options);
    m_target->setObjectName(QStringLiteral("SuggestTarget"));
    m_target->addItem(tr("Any lap"), int(TargetKind::Any));
    m_target->addItem(tr("Lap length"), int(TargetKind::Length));
    m_target->addItem(tr("Lap time"), int(TargetKind::Time));
    m_min = rangeBox(m_options, "SuggestMin");
    m_max = rangeBox(m_options, "SuggestMax");
    // The range stays a range whichever end moves.
    connect(m_min, &QDoubleSpinBox::valueChanged, this, [this](double low) { m_max->setValue(std::max(low, m_max->value())); });
    connect(m_max, &QDoubleSpinBox::valueChanged, this, [this](double high) { m_min->setValue(std::min(high, m_min->value())); });
    m_to = new QLabel(tr("to"), m_options);
    m_car = new QComboBox(m_options);
    m_car->setObjectName(QStringLiteral("SuggestCar"));
    showCars();
    connect(&SessionCar::instance(), &SessionCar::changed, this, &SuggestDialog::showCars);
    m_car->setToolTip(tr("The car whose lap times are shown and aimed at"));
    connect(m_target, &QComboBox::currentIndexChanged, this, &SuggestDialog::targetChanged);
    targetChanged();
    return row(m_options, {m_target, m_min, m_to, m_max,
                           new QLabel(tr("  car"), m_options), m_car});
}

// The session's car (Track → Car…) is the one chosen whenever it changes;
// with figures of the user's own it is an entry of its own beside the classes.
void SuggestDialog::showCars()
{
    m_cars = Car::classes();
    const Car &session = SessionCar::car();
    auto same = std::find_if(m_cars.begin(), m_cars.end(), [&](const Car &car) { return car.name == session.name; });
    if (same == m_cars.end())
        same = m_cars.insert(m_cars.end(), session);
    const int chosen = int(same - m_cars.begin());
    m_car->clear();
    for (const Car &car : m_cars)
        m_car->addItem(car.name);
    m_car->setCurrentIndex(chosen);
}

QWidget *SuggestDialog::createPieces()
{
    m_ownedOnly = new QCheckBox(tr("Only what we own:"), m_options);
    m_ownedOnly->setObjectName(QStringLiteral("SuggestOwnedOnly"));
    m_inventoryName = new QLabel(m_options);
    m_inventoryName->setObjectName(QStringLiteral("SuggestInventory"));
    auto *load = new QPushButton(tr("Load inventory…"), m_options);
    load->setObjectName(QStringLiteral("SuggestLoadInventory"));
    load->setAutoDefault(false);
    connect(load, &QPushButton::clicked, this, &SuggestDialog::inventoryWanted);
    return row(m_options, {m_ownedOnly, m_inventoryName, load});
}

// Each kind of target starts from a range that suits the floor.
void SuggestDialog::targetChanged()
{
    const auto kind = TargetKind(m_target->currentData().toInt());
    m_min->setVisible(kind != TargetKind::Any);
    m_max->setVisible(kind != TargetKind::Any);
    m_to->setVisible(kind != TargetKind::Any);
    const QString unit = kind == TargetKind::Time ? tr(" s") : tr(" m");
    m_min->setSuffix(unit);
    m_max->setSuffix(unit);
    const double border = borderMetres(m_columns->value(), m_rows->value());
    const double scale = kind == TargetKind::Time ? 1 / typicalSpeed : 1;
    m_max->setValue(std::round(0.9 * border * scale));
    m_min->setValue(std::round(0.6 * border * scale));
}

CircuitGenerator::Request SuggestDialog::request() const
{
    CircuitGenerator::Request request;
    request.columns = m_columns->value();
    request.rows = m_rows->value();
    request.family = RoadFamily(m_family->currentData().toInt());
    request.cellSize = SessionCellSize::metres();
    request.car = m_cars.value(m_car->currentIndex(), SessionCar::car());
    request.crossings = m_crossings->isChecked();
    request.minStraight = m_minStraight->value();
    request.count = m_count->value();
    request.seed = quint64(m_seed->value());
    const auto kind = TargetKind(m_target->currentData().toInt());
    if (kind == TargetKind::Length)
        request.target = std::make_shared<LapLengthTarget>(m_min->value(), m_max->value(), request.cellSize);
    else if (kind == TargetKind::Time)
        request.target = std::make_shared<LapTimeTarget>(m_min->value(), m_max->value(), request.car,
                                                         request.cellSize, request.family);
    if (const Inventory *owned = m_document.inventory().inventory(); owned && m_ownedOnly->isChecked())
        request.inventory = *owned;
    return request;
}

bool SuggestDialog::isRunning() const
{
    return m_run->isRunning();
}

void SuggestDialog::suggest()
{
    if (isRunning())
        return;
    m_shown = request();
    const Inventory *owned = m_document.inventory().inventory();
    m_shownInventory = owned ? std::optional<Inventory>(*owned) : std::nullopt;
    m_run->start(m_shown);
    setRunning(true);
}

void SuggestDialog::more()
{
    m_seed->setValue(m_seed->value() + 1);
    suggest();
}

void SuggestDialog::cancelRun()
{
    if (!isRunning())
        return;
    m_run->cancel();
    m_cancel->setEnabled(false);
}

void SuggestDialog::progressed(int done, int total)
{
    m_progress->setRange(0, total);
    m_progress->setValue(done);
}

void SuggestDialog::finished()
{
    const SuggestionRun::Result &result = m_run->result();
    m_sheet->setSuggestions(result.outcome.suggestions, result.pictures, m_shown,
                            m_shownInventory ? &*m_shownInventory : nullptr);
    m_summary->setText(result.outcome.summary);
    setRunning(false);
}

void SuggestDialog::setRunning(bool running)
{
    m_options->setEnabled(!running);
    m_suggest->setEnabled(!running);
    m_more->setEnabled(!running);
    m_progress->setVisible(running);
    m_summary->setVisible(!running);
    m_progress->setRange(0, CircuitGenerator::searches);
    m_progress->setValue(0);
    m_cancel->setVisible(running);
    m_cancel->setEnabled(running);
    refreshButtons();
}

void SuggestDialog::refreshButtons()
{
    const bool chosen = !isRunning() && m_sheet->chosen() >= 0;
    m_useAsTrack->setEnabled(chosen);
    m_placeAsStamp->setEnabled(chosen);
}

QString SuggestDialog::chosenText(int chosen) const
{
    return tr("Suggestion %1: %2")
        .arg(chosen + 1)
        .arg(SuggestionSheet::lapText(m_run->result().outcome.suggestions[chosen], m_shown));
}

void SuggestDialog::useAsTrack()
{
    const int chosen = m_sheet->chosen();
    if (isRunning() || chosen < 0)
        return;
    accept();
    emit trackChosen(m_run->result().outcome.suggestions[chosen].grid, chosenText(chosen));
}

void SuggestDialog::placeAsStamp()
{
    const int chosen = m_sheet->chosen();
    if (isRunning() || chosen < 0)
        return;
    const CircuitGenerator::Suggestion &suggestion = m_run->result().outcome.suggestions[chosen];
    accept();
    emit stampChosen(TrackBlock::copy(suggestion.grid, suggestion.cells), chosenText(chosen));
}

void SuggestDialog::inventoryChanged()
{
    const SessionInventory &session = m_document.inventory();
    const bool loaded = session.isLoaded();
    if (loaded != m_inventoryLoaded)
        m_ownedOnly->setChecked(loaded);
    m_inventoryLoaded = loaded;
    m_ownedOnly->setEnabled(loaded);
    if (!loaded) {
        m_inventoryName->setText(tr("no inventory loaded"));
        return;
    }
    qint64 pieces = 0;
    for (int count : session.inventory()->counts())
        pieces += count;
    const QString name = QFileInfo(session.fileName()).fileName();
    const int n = int(std::min<qint64>(pieces, std::numeric_limits<int>::max()));
    m_inventoryName->setText(n == 1 ? tr("%1 (%n piece)", nullptr, n).arg(name)
                                    : tr("%1 (%n pieces)", nullptr, n).arg(name));
}

void SuggestDialog::showEvent(QShowEvent *event)
{
    // The floor begins as the track is; what the user set stays while the
    // suggestions it made are shown.
    if (!isRunning() && m_sheet->count() == 0) {
        m_columns->setValue(m_document.width());
        m_rows->setValue(m_document.height());
    }
    centreOnScreen(this);
    QDialog::showEvent(event);
}

void SuggestDialog::reject()
{
    cancelRun();
    QDialog::reject();
}
