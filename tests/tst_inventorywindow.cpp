// SPDX-License-Identifier: GPL-3.0-or-later
// The club's inventory in the real window: started with --inventory, the
// palette's counts and tooltips, the warning at the first piece too many
// with its marks, "Use owned pieces" as one step, "Inventory…" through a
// file and "Forget inventory".
#include "bmpbuilder.h"
#include "cellclick.h"
#include "roadgrids.h"
#include "startededitor.h"
#include "testfiles.h"

#include "document/trackedits.h"
#include "pieces/catalogue.h"
#include "pieces/piecetable.h"
#include "ui/commands/inventorycommands.h"
#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"
#include "ui/palette/piecetext.h"
#include "ui/track/cellmarks.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

class TestInventoryWindow : public QObject
{
    Q_OBJECT

    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    QString file(const QString &name, const QByteArray &text) const
    {
        return writeBytes(m_dir.filePath(name), text) ? m_dir.filePath(name) : QString();
    }
    // "2 -1 none": the counts on the buttons of the codes.
    QString counts(const QByteArrayList &codes) const
    {
        QStringList text;
        for (const QByteArray &code : codes) {
            const std::optional<int> count = m_window->palette()->pieceButton(code)->count();
            text << (count ? QString::number(*count) : QStringLiteral("none"));
        }
        return text.join(' ');
    }
    QString rows() const { return RoadGrids::rows(m_window->document().grid()); }

    QTemporaryDir m_dir;
    std::unique_ptr<TMainForm> m_window;
    ScriptedInventoryDialog *m_dialog = nullptr;

private slots:
    void initTestCase()
    {
        const QString tiles = m_dir.filePath(QStringLiteral("tiles"));
        QVERIFY(BmpBuilder::writeTileFolder(tiles, Catalogue::codes()));
        const QString track = file(QStringLiteral("track.kwf"), "04,06,07,07\r\n");
        // Grass is not listed: the floor has as much as the track needs.
        const QString club = file(QStringLiteral("club.csv"), "code,count\n04,3\n06,0\n");
        m_window = makeEditor(tiles, nullptr, {QStringLiteral("--inventory"), club, track});
        auto dialog = std::make_unique<ScriptedInventoryDialog>();
        m_dialog = dialog.get();
        m_window->inventoryCommands()->setCsvDialog(std::move(dialog));
        QVERIFY(startEditor(*m_window));
        QCOMPARE(m_window->document().fileName(), track);
        QCOMPARE(m_window->document().inventory().fileName(), club);
    }

    void countsOnThePalette()
    {
        QCOMPARE(counts({"04", "05", "06", "07"}), QStringLiteral("2 0 -1 none"));
        QCOMPARE(m_window->palette()->pieceButton("04")->toolTip(),
                 PieceText::describe("04") + QStringLiteral("\n3 owned, 1 used, 2 left"));
    }

    // Placed all the same; said once, marked until the next edit.
    void firstPieceTooMany()
    {
        m_window->palette()->pressPiece("06");
        clickCell(*m_window, TrackGrid::index(2, 0));
        QCOMPARE(rows(), QStringLiteral("04,06,06,07"));
        const QString warning = QStringLiteral("No %1 owned: the track now uses 2").arg(PieceTable::name("06"));
        QTRY_COMPARE(m_window->statusText(), warning);
        QCOMPARE(m_window->inventoryCommands()->marks().cells(), QVector<int>{TrackGrid::index(2, 0)});
        QCOMPARE(counts({"06"}), QStringLiteral("-2"));
        m_window->palette()->pressPiece("07");
        clickCell(*m_window, TrackGrid::index(3, 0));
        QTest::qWait(0);
        QCOMPARE(m_window->statusText(), QString());
        QVERIFY(m_window->inventoryCommands()->marks().cells().isEmpty());
    }

    void useOwnedPiecesIsOneStep()
    {
        action("Useownedpieces1")->trigger();
        QCOMPARE(rows(), QStringLiteral("04,04,04,07"));
        QCOMPARE(m_window->statusText(), QStringLiteral("Changed 2 pieces; all pieces owned"));
        QCOMPARE(counts({"04", "06"}), QStringLiteral("0 0"));
        action("Undo1")->trigger();
        QCOMPARE(rows(), QStringLiteral("04,06,06,07"));
    }

    void inventoryFromAFile()
    {
        m_dialog->answers = {file(QStringLiteral("more.csv"), "04,9\n06,2\n")};
        action("Inventory1")->trigger();
        QCOMPARE(counts({"04", "06"}), QStringLiteral("8 0"));
        QCOMPARE(m_window->statusText(), QStringLiteral("Inventory more.csv: All pieces owned"));
    }

    void forget()
    {
        action("Forgetinventory1")->trigger();
        QCOMPARE(counts({"04", "06"}), QStringLiteral("none none"));
        QCOMPARE(m_window->palette()->pieceButton("04")->toolTip(), PieceText::describe("04"));
        QVERIFY(!action("Forgetinventory1")->isEnabled() && !action("Useownedpieces1")->isEnabled());
    }
};

QTEST_MAIN(TestInventoryWindow)
#include "tst_inventorywindow.moc"
