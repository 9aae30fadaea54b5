// SPDX-License-Identifier: GPL-3.0-or-later
// Open road ends of small tracks through both programs: kerbwright-check run
// as built, and "Check connections" in the real window, each held to the
// same table; then the command line's exits and the window's live marks.
#include "bmpbuilder.h"
#include "pieces/catalogue.h"
#include "scriptedfiledialogs.h"
#include "startededitor.h"
#include "testfiles.h"
#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"
#include "ui/track/trackcanvas.h"

#include <QAction>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestConnections : public QObject
{
    Q_OBJECT

    struct Result { int status = -1; QString out, err; };
    Result check(const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QLatin1String(display));  // it must need none
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KW_CHECK_EXE), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    QString track(const QString &name, const QByteArray &text) const
    {
        return writeBytes(m_dir.filePath(name + ".kwf"), text) ? m_dir.filePath(name + ".kwf") : QString();
    }
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    TrackCanvas *canvas() const { return m_window->canvas(); }
    QStringList marks() const
    {
        QStringList text;
        for (const OpenEnd &end : canvas()->marks())
            text << QStringLiteral("%1:%2: %3").arg(end.column + 1).arg(end.row + 1).arg(Edges::name(end.edge));
        return text;
    }
    void open(const QString &path)
    {
        m_files->openAnswers = {path};
        action("Load1")->trigger();
        QCOMPARE(m_window->document().fileName(), path);
    }
    void place(const QByteArray &code, const QPoint &areaPoint)
    {
        PictureButton *piece = m_window->palette()->pieceButton(code);
        m_window->palette()->setCurrentWidget(piece->parentWidget());
        QTest::mouseClick(piece, Qt::LeftButton);
        // Through the window, as a user clicks: the bars must let it pass.
        const QWidget *area = canvas();
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, area->mapTo(m_window.get(), areaPoint));
    }

    QTemporaryDir m_dir;
    QString m_tiles;
    std::unique_ptr<TMainForm> m_window;
    ScriptedFileDialogs *m_files = nullptr;

private slots:
    void initTestCase()
    {
        m_tiles = m_dir.filePath(QStringLiteral("tiles"));
        QVERIFY(BmpBuilder::writeTileFolder(m_tiles, Catalogue::codes() + QVector<QByteArray>{"ZZ"}));
        m_window = makeEditor(m_tiles, &m_files);
        QVERIFY(!action("Checkconnections1")->isEnabled() && !action("Showopenends1")->isEnabled());
        QVERIFY(startEditor(*m_window));
        QVERIFY(action("Checkconnections1")->isEnabled() && action("Showopenends1")->isEnabled()
                && !action("Showopenends1")->isChecked());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void tracks_data()
    {
        QTest::addColumn<QString>("rows");  // separated by '/'
        QTest::addColumn<QString>("ends");  // "COLUMN:ROW: EDGE", separated by ", "
        QTest::addColumn<QString>("unknown");  // what kerbwright-check lists after the ends
        QTest::newRow("oval") << "00,04,04,04,01/05,07,07,07,05/02,04,06,04,03" << "" << "";
        QTest::newRow("oval with a gap") << "00,04,07,04,01/05,07,07,07,05/02,04,06,04,03" << "2:1: east, 4:1: west" << "";
        QTest::newRow("one straight") << "04" << "1:1: east, 1:1: west" << "";
        QTest::newRow("corners side by side") << "00,01,02,03" << "1:1: south, 2:1: south, 3:1: north, 4:1: north" << "";
        // Cells the file leaves out are the default piece, grass.
        QTest::newRow("ragged rows") << "04,04,04/05" << "1:1: west, 1:2: north, 1:2: south, 3:1: east" << "";
        QTest::newRow("larger corner") << "10,11/12,13" << "1:2: south, 2:1: east" << "";
        QTest::newRow("foam mat, corner turned") << "A0,A4,A8,A4,A1/A5,AH,A5,AH,A5/A2,AC,AA,A6,A2" << "4:3: east, 5:3: east" << "";
        QTest::newRow("carpet, straight across")
            << "B0,B4,B8,B4,B1/B5,BH,BD,BH,B4/B2,B4,B6,B4,B3" << "5:1: south, 5:2: east, 5:2: west, 5:3: north" << "";
        QTest::newRow("into an unknown code") << "04,ZZ" << "1:1: west" << "2:1: unknown piece ZZ";
        QTest::newRow("full width, past the view") << QString("04,").repeated(29) + "04" << "1:1: west, 30:1: east" << "";
    }

    void tracks()
    {
        QFETCH(QString, rows);
        QFETCH(QString, ends);
        QFETCH(QString, unknown);
        const QString path = track(QStringLiteral("t"), rows.replace('/', "\r\n").toLatin1() + "\r\n");
        const QStringList list = ends.isEmpty() ? QStringList() : ends.split(", ");
        const QString unknownLines = unknown.isEmpty() ? QString() : path + ':' + unknown + '\n';
        const QString count = list.isEmpty() ? QStringLiteral("no open road ends")
                              : QStringLiteral("%1 open road end%2").arg(list.size()).arg(list.size() > 1 ? "s" : "");
        const QString lines = list.isEmpty() ? QString() : path + ':' + list.join('\n' + path + ':') + '\n';
        // The only closed track below is the oval of 12 pieces, with its lap.
        const QString lap = list.isEmpty() ? path + QStringLiteral(": circuit 1: lap 5.6 m, 2.7–2.9 s (1:28 stock)\n") : QString();
        const Result result = check({"--tiles", m_tiles, path});
        QCOMPARE(result.out, lines + unknownLines + lap + path + ": " + count + '\n');
        QCOMPARE(result.status, list.isEmpty() ? 0 : 1);
        QCOMPARE(check({path, "--quiet", "--tiles", m_tiles}).out, lines + unknownLines);

        open(path);
        QTest::keyClick(m_window.get(), Qt::Key_F5);
        QCOMPARE(marks(), list);
        // With no open end the window goes on to the circuits; the only closed
        // track above is the oval of 12 pieces.
        QCOMPARE(m_window->statusText(), list.isEmpty() ? QStringLiteral("No open road ends: 1 circuit, lap 5.6 m, 2.7–2.9 s")
                                                         : count.at(0).toUpper() + count.mid(1));
        // Each bar lies inside its tile picture (2 pixels into a 54-pixel
        // button at 2 + 54c), against that edge.
        const QImage shot = canvas()->grab().toImage();
        for (const OpenEnd &end : canvas()->marks()) {
            const QPoint step = QVector<QPoint>{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}[int(end.edge)];
            const QPoint rim = QPoint(29 + 54 * end.column, 29 + 54 * end.row) + 25 * step
                               - QPoint(step.x() > 0, step.y() > 0);
            QCOMPARE(shot.pixelColor(rim), TrackCanvas::outlineColour);
            QCOMPARE(shot.pixelColor(rim - 2 * step), TrackCanvas::barColour);
            QVERIFY(shot.pixelColor(rim + step) != TrackCanvas::outlineColour);
        }
    }

    // An unreadable track is named on standard error with no summary, and
    // makes the status 2 even when every other track is closed. A code
    // without a tile is no reason not to check a track: the check reads no
    // tiles, and lists the code as unknown.
    void unreadableTrack()
    {
        const QString closed = track(QStringLiteral("closed"), "00,01\r\n02,03\r\n");
        const QString missing = m_dir.filePath(QStringLiteral("nowhere.kwf"));
        const QString badTile = track(QStringLiteral("badtile"), "00,QQ\r\n");
        const QString tooLarge = track(QStringLiteral("toolarge"), QByteArray("07,").repeated(30) + "07\r\n");
        const Result result = check({"--tiles", m_tiles, closed, missing, badTile, tooLarge, closed});
        const QString lap = closed + QStringLiteral(": circuit 1: lap 1.6 m, 0.9–1.0 s (1:28 stock)\n");
        QCOMPARE(result.out, lap + closed + ": no open road ends\n" + badTile + ":1:1: south\n" + badTile
                                 + ":2:1: unknown piece QQ\n" + badTile + ": 1 open road end\n" + lap + closed
                                 + ": no open road ends\n");
        QCOMPARE(result.err, missing + ": Cannot open file " + missing + ".\n" + tooLarge
                                 + ": Track too large: at most 30 columns and 30 rows.\n");
        QCOMPARE(result.status, 2);
        QCOMPARE(check({"--tiles", m_tiles, closed, badTile}).status, 1);
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out");  // a pattern; none for a usage error
        QTest::newRow("nothing") << QStringList() << "";
        QTest::newRow("unknown option") << QStringList{"--fix", "a.kwf"} << "";
        QTest::newRow("cell size zero") << QStringList{"--cell-size", "0", "a.kwf"} << "";
        QTest::newRow("cell size negative") << QStringList{"--cell-size=-0.5", "a.kwf"} << "";
        QTest::newRow("cell size no number") << QStringList{"--cell-size", "half", "a.kwf"} << "";
        QTest::newRow("cell size not finite") << QStringList{"--cell-size", "inf", "a.kwf"} << "";
        QTest::newRow("no such car class") << QStringList{"--car", "1:8 buggy", "a.kwf"} << "";
        QTest::newRow("class and own car") << QStringList{"--car", "1:24", "--car-file", "a.car", "a.kwf"} << "";
        QTest::newRow("no car class") << QStringList{"--car=", "a.kwf"} << "";
        QTest::newRow("help") << QStringList{"--help"} << "^Usage: kerbwright-check .*Exit status";
        QTest::newRow("version") << QStringList{"--version"} << "^kerbwright-check \\d+\\.\\d+\\.\\d+\\n$";
    }

    void usage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        const Result result = check(arguments);
        QCOMPARE(result.status, out.isEmpty() ? 2 : 0);
        QVERIFY2(QRegularExpression(out, QRegularExpression::DotMatchesEverythingOption).match(result.out).hasMatch(),
                 qPrintable(result.out));
        QCOMPARE(result.err.startsWith("kerbwright-check: ") && result.err.contains("Usage: "), out.isEmpty());
    }

    void showOpenEndsFollowsEdits()
    {
        open(track(QStringLiteral("edit"), "04,07\r\n"));
        action("Showopenends1")->trigger();
        QCOMPARE(marks(), QStringList({"1:1: east", "1:1: west"}));
        place("07", {51, 29});  // on the east bar of cell 1:1
        QTRY_COMPARE(m_window->statusText(), QStringLiteral("No road on the track"));
        QVERIFY(canvas()->marks().isEmpty());
        place("04", {84, 29});
        QTRY_COMPARE(marks(), QStringList({"2:1: east", "2:1: west"}));
        QCOMPARE(m_window->statusText(), QStringLiteral("2 open road ends"));

        action("Showopenends1")->trigger();
        QCOMPARE(marks(), QStringList());
        QCOMPARE(m_window->statusText(), QString());
        // Without it, a check's marks last until the next change.
        action("Checkconnections1")->trigger();
        QVERIFY(!canvas()->marks().isEmpty());
        place("05", {84, 29});
        QTRY_COMPARE(marks(), QStringList());
        QVERIFY(canvas()->marks().isEmpty());
    }
};

QTEST_MAIN(TestConnections)
#include "tst_connections.moc"
