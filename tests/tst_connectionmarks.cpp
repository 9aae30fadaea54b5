// "Check connections" and "Show open ends" in the real window, over the same
// tracks as kerbwright-check: the marks must name the same ends and lie on
// the tile edges as the cells draw them.
#include "bmpbuilder.h"
#include "connectiontracks.h"
#include "scriptedfiledialogs.h"
#include "testfiles.h"
#include "pieces/catalogue.h"
#include "ui/connectionoverlay.h"
#include "ui/palette.h"
#include "ui/picturebutton.h"
#include "ui/tmainform.h"
#include "ui/trackview.h"

#include <QAction>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestConnectionMarks : public QObject
{
    Q_OBJECT

    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    ConnectionOverlay *overlay() const { return m_window->findChild<ConnectionOverlay *>(); }
    QStringList marks() const
    {
        QStringList text;
        for (const OpenEnd &end : overlay()->marks())
            text << QStringLiteral("%1:%2: %3").arg(end.column + 1).arg(end.row + 1).arg(Edges::name(end.edge));
        return text;
    }
    void open(const QByteArray &text)
    {
        const QString path = m_dir.filePath(QStringLiteral("t.kwf"));
        QVERIFY(writeBytes(path, text));
        m_files->openAnswers = {path};
        action("Load1")->trigger();
        QCOMPARE(m_window->document().fileName(), path);
    }
    void choose(const QByteArray &code)
    {
        PictureButton *button = m_window->palette()->pieceButton(code);
        m_window->palette()->setCurrentWidget(button->parentWidget());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<TMainForm> m_window;
    ScriptedFileDialogs *m_files = nullptr;

private slots:
    void initTestCase()
    {
        const QString tiles = m_dir.filePath(QStringLiteral("tiles"));
        QVERIFY(BmpBuilder::writeTileFolder(tiles, Catalogue::codes() + QVector<QByteArray>{"ZZ"}));
        m_window = std::make_unique<TMainForm>(tiles, QStringList());
        auto files = std::make_unique<ScriptedFileDialogs>();
        m_files = files.get();
        m_window->setFileDialogs(std::move(files));
        m_window->resize(1200, 800);
        QVERIFY(!action("Checkconnections1")->isEnabled() && !action("Showopenends1")->isEnabled());
        QSignalSpy ended(m_window.get(), &TMainForm::startupEnded);
        m_window->show();
        QVERIFY(ended.wait(30000));
        QVERIFY(action("Checkconnections1")->isEnabled() && action("Showopenends1")->isEnabled());
        QVERIFY(!action("Showopenends1")->isChecked());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void tracks_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("ends");
        for (const ConnectionTrack &t : connectionTracks())
            QTest::newRow(t.name) << t.text << t.ends;
    }

    void tracks()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, ends);
        open(text);
        QTest::keyClick(m_window.get(), Qt::Key_F5);
        QCOMPARE(marks(), ends);
        const QString count = ends.size() == 1 ? QStringLiteral("1 open road end")
                                               : QStringLiteral("%1 open road ends").arg(ends.size());
        QCOMPARE(m_window->statusText(), ends.isEmpty() ? QStringLiteral("No open road ends") : count);

        // Each bar is drawn over its cell, just inside the edge of the tile
        // picture (at 2 + 54c in a 54-pixel button, itself at 2 + 54c).
        const QImage shot = m_window->trackView()->area()->grab().toImage();
        for (const OpenEnd &end : overlay()->marks()) {
            const QRect tile(4 + 54 * end.column, 4 + 54 * end.row, 50, 50);
            const QPoint out[] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
            const QPoint step = out[int(end.edge)];
            const QPoint rim(step.x() < 0 ? tile.left() : step.x() > 0 ? tile.right() : tile.center().x(),
                             step.y() < 0 ? tile.top() : step.y() > 0 ? tile.bottom() : tile.center().y());
            QCOMPARE(shot.pixelColor(rim), ConnectionOverlay::outlineColour);
            QCOMPARE(shot.pixelColor(rim - 2 * step), ConnectionOverlay::barColour);
            QVERIFY(shot.pixelColor(rim + step) != ConnectionOverlay::outlineColour);
            QVERIFY(shot.pixelColor(rim - 6 * step) != ConnectionOverlay::barColour);
        }
    }

    void showOpenEndsFollowsEdits()
    {
        open("04,07\r\n");
        action("Showopenends1")->trigger();
        QCOMPARE(marks(), QStringList({"1:1: east", "1:1: west"}));
        // The bars let the mouse through: grass put down on cell 1:1 through
        // its east bar closes the track.
        choose("07");
        QWidget *area = m_window->trackView()->area();
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, area->mapTo(m_window.get(), QPoint(51, 29)));
        QTRY_COMPARE(m_window->statusText(), QStringLiteral("No open road ends"));
        QVERIFY(!overlay()->isVisible());
        choose("04");
        QTest::mouseClick(m_window->cellButton(TrackGrid::index(1, 0)), Qt::LeftButton);
        QTRY_COMPARE(marks(), QStringList({"2:1: east", "2:1: west"}));
        QCOMPARE(m_window->statusText(), QStringLiteral("2 open road ends"));

        action("Showopenends1")->trigger();
        QCOMPARE(marks(), QStringList());
        QCOMPARE(m_window->statusText(), QString());

        // Without it, a check's marks last until the next change.
        action("Checkconnections1")->trigger();
        QVERIFY(overlay()->isVisible());
        QTest::mouseClick(m_window->cellButton(TrackGrid::index(0, 0)), Qt::LeftButton);
        QTRY_COMPARE(marks(), QStringList());
        QVERIFY(!overlay()->isVisible());
        m_window->document().setModified(false);
    }
};

QTEST_MAIN(TestConnectionMarks)
#include "tst_connectionmarks.moc"
