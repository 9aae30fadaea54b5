// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/inventory.h"
#include "document/suggest/circuitgenerator.h"
#include "document/trackblock.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class SuggestionRun;
class SuggestionSheet;
class TileStore;
class TrackDocument;

// Track → "Suggest circuits…": the floor (the track's size to begin with),
// the road, the target (any lap, a lap length, or a lap time for a car
// class), whether to use only what the club owns (the session's inventory,
// which "Load inventory…" reads), figures of eight, the straight between
// corners, how many and a seed. "Suggest" runs the generator in the
// background with a progress bar and Cancel; "More" asks the next seed for
// others. The suggestions fill a sheet of pictures; "Use as track" and
// "Place as stamp" hand the chosen one on and close the dialog. Window
// modal: the track does not change under it.
class SuggestDialog : public QDialog
{
    Q_OBJECT

public:
    SuggestDialog(TrackDocument &document, const TileStore &tiles, QWidget *parent);
    ~SuggestDialog() override;

    bool isRunning() const;
    // The request the widgets make now.
    CircuitGenerator::Request request() const;

    // The buttons' work, for keys and tests alike.
    void suggest();
    void more();
    void cancelRun();
    void useAsTrack();
    void placeAsStamp();

signals:
    // text: "Suggestion 2: lap 24.9 m, 9.2–10.4 s (1:28 stock)"
    void trackChosen(const TrackGrid &track, const QString &text);
    void stampChosen(const TrackBlock &block, const QString &text);
    // "Load inventory…": the window's Track → "Inventory…" reads one for the
    // session, and the dialog follows the session's inventory.
    void inventoryWanted();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void createWidgets();
    QWidget *createTarget();
    QWidget *createPieces();
    void targetChanged();
    void showCars();
    void inventoryChanged();
    void setRunning(bool running);
    void progressed(int done, int total);
    void finished();
    void refreshButtons();
    QString chosenText(int chosen) const;

    TrackDocument &m_document;
    SuggestionRun *m_run;
    // What the sheet shows was asked for with these.
    CircuitGenerator::Request m_shown;
    std::optional<Inventory> m_shownInventory;
    bool m_inventoryLoaded = false;

    QSpinBox *m_columns = nullptr;
    QSpinBox *m_rows = nullptr;
    QLabel *m_floorMetres = nullptr;
    QComboBox *m_family = nullptr;
    QComboBox *m_target = nullptr;
    QDoubleSpinBox *m_min = nullptr;
    QDoubleSpinBox *m_max = nullptr;
    QLabel *m_to = nullptr;
    QComboBox *m_car = nullptr;
    QList<Car> m_cars;
    QCheckBox *m_ownedOnly = nullptr;
    QLabel *m_inventoryName = nullptr;
    QCheckBox *m_crossings = nullptr;
    QSpinBox *m_minStraight = nullptr;
    QSpinBox *m_count = nullptr;
    QSpinBox *m_seed = nullptr;
    QPushButton *m_suggest = nullptr;
    QPushButton *m_more = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancel = nullptr;
    QLabel *m_summary = nullptr;
    SuggestionSheet *m_sheet = nullptr;
    QPushButton *m_useAsTrack = nullptr;
    QPushButton *m_placeAsStamp = nullptr;
    QWidget *m_options = nullptr;
};
