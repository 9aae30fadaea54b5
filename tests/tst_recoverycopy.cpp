// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy as a file: what is written comes back exactly, and
// anything that is not a whole copy reads as damaged, never as a track.

#include "base/kwerror.h"
#include "document/recoverycopy.h"
#include "filesizelimit.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(RecoveryCopy)

namespace {

const QDateTime someTime = QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26, 535), Qt::UTC);

RecoveryCopy makeCopy(int width, int height, const QString &fileName)
{
    RecoveryCopy copy;
    copy.grid.setSize(width, height);
    copy.grid.showBlock();
    copy.fileName = fileName;
    copy.time = someTime;
    return copy;
}

// A copy with pieces in its block and outside it, as shrinking leaves them.
RecoveryCopy placedCopy()
{
    RecoveryCopy copy = makeCopy(4, 3, QStringLiteral("/tracks/hall 2.kwf"));
    copy.grid.setCode(TrackGrid::index(0, 0), "3A");
    copy.grid.setCode(TrackGrid::index(3, 2), "1F");
    copy.grid.setCode(TrackGrid::index(20, 25), "A3");
    copy.grid.setCode(TrackGrid::index(29, 29), "00");
    return copy;
}

QByteArray validBytes()
{
    return placedCopy().toBytes();
}

// validBytes() with the first occurrence of from replaced.
QByteArray edited(const QByteArray &from, const QByteArray &to)
{
    QByteArray bytes = validBytes();
    const qsizetype at = bytes.indexOf(from);
    return at < 0 ? QByteArray() : bytes.replace(at, from.size(), to);
}

} // namespace

class TestRecoveryCopy : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void layout();
    void damaged_data();
    void damaged();
    void everyShortenedCopyIsDamaged();
    void readFailures_data();
    void readFailures();
    void writeAndRead();
    void writeFailureKeepsFormerCopy();
    void writeIntoMissingFolder();

private:
    QTemporaryDir m_dir;
};

void TestRecoveryCopy::roundTrip_data()
{
    QTest::addColumn<RecoveryCopy>("copy");
    QTest::newRow("new track, default size") << makeCopy(15, 7, QString());
    QTest::newRow("pieces in and beyond the block") << placedCopy();
    QTest::newRow("1 x 1") << makeCopy(1, 1, QStringLiteral("a.kwf"));
    RecoveryCopy full = makeCopy(30, 30, QStringLiteral("/t/full.kwf"));
    for (int i = 0; i < TrackGrid::cellCount; ++i)
        full.grid.setCode(i, i % 2 ? "0A" : "B3");
    QTest::newRow("30 x 30, every cell") << full;
    QTest::newRow("name with line break and percent")
        << makeCopy(5, 5, QStringLiteral("/t/odd\nname %41 ,.kwf"));
    QTest::newRow("name beyond ASCII") << makeCopy(5, 5, QStringLiteral("/t/Rennstrecke Süd.kwf"));
    RecoveryCopy oddCodes = makeCopy(3, 1, QStringLiteral("x.kwf"));
    oddCodes.grid.setCode(0, " 07");
    oddCodes.grid.setCode(TrackGrid::index(1, 0), QByteArray(200, 'q'));
    oddCodes.grid.setCode(TrackGrid::index(2, 0), "\xe4\xf6");
    QTest::newRow("codes of a read track: spaces, long, 8-bit") << oddCodes;
}

void TestRecoveryCopy::roundTrip()
{
    QFETCH(RecoveryCopy, copy);
    const std::optional<RecoveryCopy> back = RecoveryCopy::fromBytes(copy.toBytes());
    QVERIFY(back);
    QCOMPARE(back->fileName, copy.fileName);
    QCOMPARE(back->time, copy.time);
    QCOMPARE(back->grid.width(), copy.grid.width());
    QCOMPARE(back->grid.height(), copy.grid.height());
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        QCOMPARE(back->grid.cell(i).code, copy.grid.cell(i).code);
        QCOMPARE(back->grid.cell(i).visible, copy.grid.inBlock(i));
    }
    QVERIFY(*back == copy);
}

void TestRecoveryCopy::layout()
{
    // Readable by eye: a user can rescue a track from it with an editor.
    const QList<QByteArray> lines = validBytes().split('\n');
    QCOMPARE(lines.value(0), QByteArray("kerbwright recovery copy 1"));
    QCOMPARE(lines.value(1), QByteArray("size 4 3"));
    QCOMPARE(lines.value(2), QByteArray("file /tracks/hall%202.kwf"));
    QCOMPARE(lines.value(3), QByteArray("time 2026-03-14T15:09:26.535Z"));
    QCOMPARE(lines.value(4), QByteArray());
    QCOMPARE(lines.value(5), QByteArray("3A,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,"
                                        "07,07,07,07,07,07,07,07,07,07\r"));
    QCOMPARE(lines.size(), 5 + 30 + 1);
}

void TestRecoveryCopy::damaged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray row = "07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07,07\r\n";
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("a track file") << QByteArray("00,01\r\n02,03\r\n");
    QTest::newRow("other version") << edited("copy 1", "copy 2");
    QTest::newRow("width 0") << edited("size 4 3", "size 0 3");
    QTest::newRow("height 31") << edited("size 4 3", "size 4 31");
    QTest::newRow("negative") << edited("size 4 3", "size -4 3");
    QTest::newRow("signed") << edited("size 4 3", "size +4 3");
    QTest::newRow("leading zero") << edited("size 4 3", "size 04 3");
    QTest::newRow("one number") << edited("size 4 3", "size 4");
    QTest::newRow("three numbers") << edited("size 4 3", "size 4 3 2");
    QTest::newRow("no file line") << edited("file ", "name ");
    QTest::newRow("time no time") << edited("2026-03-14T15:09:26.535Z", "yesterday");
    QTest::newRow("month 13") << edited("2026-03-14", "2026-13-14");
    QTest::newRow("no empty line") << edited(".535Z\n\n", ".535Z\n");
    QTest::newRow("29 codes on a row") << edited("3A,07,", "3A,");
    QTest::newRow("31 codes on a row") << edited("3A,", "3A,07,");
    QTest::newRow("lone LF") << edited("\r\n", "\n");
    QTest::newRow("lone CR in a code") << edited("3A,", "3\rA,");
    QTest::newRow("NUL in a code") << edited("3A,", QByteArray("3\0A,", 4));
    QTest::newRow("31 rows") << validBytes() + row;
    QTest::newRow("29 rows") << validBytes().left(validBytes().size() - row.size());
    QTest::newRow("text after the rows") << validBytes() + "x";
    QTest::newRow("no final line break") << validBytes().chopped(2);
}

void TestRecoveryCopy::damaged()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!bytes.isEmpty() || QByteArray(QTest::currentDataTag()) == "empty");
    QVERIFY(!RecoveryCopy::fromBytes(bytes));
}

void TestRecoveryCopy::everyShortenedCopyIsDamaged()
{
    // A write cut short (a full disk, a crash) never reads as a smaller track.
    const QByteArray bytes = validBytes();
    for (qsizetype n = 0; n < bytes.size(); ++n)
        QVERIFY2(!RecoveryCopy::fromBytes(bytes.left(n)), qPrintable(QString::number(n)));
    QVERIFY(RecoveryCopy::fromBytes(bytes));
}

void TestRecoveryCopy::readFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << QStringLiteral("missing");
    QTest::newRow("a folder") << QStringLiteral("folder");
    QTest::newRow("a FIFO") << QStringLiteral("fifo");
    QTest::newRow("larger than 1 MiB") << QStringLiteral("large");
    QTest::newRow("unreadable") << QStringLiteral("unreadable");
    QTest::newRow("nonsense") << QStringLiteral("nonsense");
}

void TestRecoveryCopy::readFailures()
{
    QFETCH(QString, kind);
    const QString path = m_dir.filePath(QStringLiteral("read-") + kind);
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("large"))
        QVERIFY(writeBytes(path, validBytes() + QByteArray(RecoveryCopy::maxSize, '\n')));
    else if (kind == QLatin1String("unreadable")) {
        QVERIFY(writeBytes(path, validBytes()));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("running as root: every file is readable");
    } else if (kind == QLatin1String("nonsense"))
        QVERIFY(writeBytes(path, QByteArray(5000, '\xff')));
    QVERIFY(!RecoveryCopy::read(path));
}

void TestRecoveryCopy::writeAndRead()
{
    const QString path = m_dir.filePath(QStringLiteral("copy.recovery"));
    RecoveryCopy::write(path, placedCopy());
    const std::optional<RecoveryCopy> back = RecoveryCopy::read(path);
    QVERIFY(back);
    QVERIFY(*back == placedCopy());
    // Written again over itself, as the editor does after every change.
    RecoveryCopy later = placedCopy();
    later.grid.setCode(TrackGrid::index(1, 1), "2B");
    RecoveryCopy::write(path, later);
    QVERIFY(*RecoveryCopy::read(path) == later);
}

void TestRecoveryCopy::writeFailureKeepsFormerCopy()
{
    const QString path = m_dir.filePath(QStringLiteral("full-disk.recovery"));
    RecoveryCopy::write(path, makeCopy(2, 2, QString()));
    const QByteArray before = readBytes(path);
    RecoveryCopy bigger = placedCopy();
    bigger.fileName = QString(3000, QLatin1Char('n'));
    {
        FileSizeLimit limit(before.size() + 100);
        if (!limit.active())
            QSKIP("cannot lower the file-size limit");
        try {
            RecoveryCopy::write(path, bigger);
            QFAIL("a write past the limit succeeded");
        } catch (const KwError &error) {
            QCOMPARE(error.kind(), KwError::Kind::StreamWrite);
        }
    }
    QCOMPARE(readBytes(path), before);
}

void TestRecoveryCopy::writeIntoMissingFolder()
{
    const QString path = m_dir.filePath(QStringLiteral("no/such/folder/x.recovery"));
    try {
        RecoveryCopy::write(path, placedCopy());
        QFAIL("wrote into a missing folder");
    } catch (const KwError &error) {
        QCOMPARE(error.kind(), KwError::Kind::CannotCreate);
    }
}

QTEST_GUILESS_MAIN(TestRecoveryCopy)
#include "tst_recoverycopy.moc"
