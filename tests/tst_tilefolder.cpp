// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmpbuilder.h"

#include "base/kwerror.h"
#include "pieces/tilesource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace BmpBuilder;

namespace {

QString failureOf(const TileFolder &tiles, const QByteArray &code)
{
    try {
        tiles.load(code);
    } catch (const KwError &e) {
        return e.message();
    }
    return QStringLiteral("(no failure)");
}

bool writeTile(const QString &path, int seed)
{
    return writeFile(path, directFile(patterned(seed), 24));
}

// Writes a tile under a name given byte for byte, as a track names it.
bool writeNativeTile(const QByteArray &path, int seed)
{
    const QByteArray bytes = directFile(patterned(seed), 24);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const bool written = fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && written;
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

} // namespace

class TestTileFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pathForKeepsTheCode();
    void shownCode_data();
    void shownCode();
    void loadsExactName();
    void caseBlindFallback_data();
    void caseBlindFallback();
    void exactNameWinsOverOtherCase();
    void missing_data();
    void missing();
    void unusualCodesThatNameAFile_data();
    void unusualCodesThatNameAFile();
    void eightBitCodesNameTheirOwnFiles();
    void fallbackFailureNamesExactPath();
    void everyLoadReadsTheFileAgain();
    void fallbackSeesFilesAddedLater();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString folder() const { return m_dir->path() + QStringLiteral("/tiles"); }
};

void TestTileFolder::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(folder()));
}

void TestTileFolder::pathForKeepsTheCode()
{
    const TileFolder tiles(folder());
    QCOMPARE(tiles.pathFor("3A"), folder() + QStringLiteral("/3A.bmp"));
    QCOMPARE(tiles.pathFor(" 07"), folder() + QStringLiteral("/ 07.bmp"));
    QCOMPARE(tiles.pathFor(""), folder() + QStringLiteral("/.bmp"));
}

void TestTileFolder::shownCode_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QString>("shown");
    const QString a20(20, QLatin1Char('a')), b19(19, QLatin1Char('b'));
    QTest::newRow("ordinary") << QByteArray("3A") << QStringLiteral("3A");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("spaces and punctuation") << QByteArray(" a\\b/../c ") << QStringLiteral(" a\\b/../c ");
    QTest::newRow("UTF-8 letters") << QByteArray("\xc3\xa9t\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8f\x81")
                                   << QString::fromUtf8("\xc3\xa9t\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8f\x81");
    QTest::newRow("escape sequence") << QByteArray("\x1b[31mred") << QStringLiteral("\\x1B[31mred");
    QTest::newRow("tab, line feed, DEL") << QByteArray("\t\n\x7f") << QStringLiteral("\\x09\\x0A\\x7F");
    QTest::newRow("NUL") << QByteArray("05\0x", 4) << QStringLiteral("05\\x00x");
    QTest::newRow("C1 control") << QByteArray("\xc2\x85") << QStringLiteral("\\xC2\\x85");
    QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf" "07") << QStringLiteral("\\xEF\\xBB\\xBF07");
    QTest::newRow("right-to-left override") << QByteArray("a\xe2\x80\xae" "b") << QStringLiteral("a\\xE2\\x80\\xAEb");
    QTest::newRow("8-bit byte") << QByteArray("\xfe") << QStringLiteral("\\xFE");
    QTest::newRow("lone continuation byte") << QByteArray("0\x80") << QStringLiteral("0\\x80");
    QTest::newRow("sequence cut short") << QByteArray("\xe2\x82") << QStringLiteral("\\xE2\\x82");
    QTest::newRow("sequence broken by a letter") << QByteArray("\xc3" "A") << QStringLiteral("\\xC3A");
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << QStringLiteral("\\xC0\\xAF");
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << QStringLiteral("\\xED\\xA0\\x80");
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << QStringLiteral("\\xF4\\x90\\x80\\x80");
    QTest::newRow("40 characters as they are") << QByteArray(40, 'x') << QString(40, QLatin1Char('x'));
    QTest::newRow("40 letters of two bytes as they are")
        << QByteArray("\xc3\xa9").repeated(40) << QString(40, QChar(0xe9));
    QTest::newRow("41 characters cut") << QByteArray(20, 'a') + "m" + QByteArray(20, 'b')
                                       << a20 + QChar(0x2026) + b19;
    QTest::newRow("4096 characters cut") << QByteArray(20, 'a') + QByteArray(4057, 'm') + QByteArray(19, 'b')
                                         << a20 + QChar(0x2026) + b19;
    // An escaped byte counts as one character and is never cut apart.
    QTest::newRow("4096 bytes of no text cut")
        << QByteArray("\x01") + QByteArray(4094, '\xff') + "\x02"
        << QStringLiteral("\\x01") + QStringLiteral("\\xFF").repeated(19) + QChar(0x2026)
               + QStringLiteral("\\xFF").repeated(18) + QStringLiteral("\\x02");
    QTest::newRow("long UTF-8 cut between letters")
        << QByteArray("\xe2\x82\xac").repeated(50) << QString(20, QChar(0x20ac)) + QChar(0x2026) + QString(19, QChar(0x20ac));
}

// What a message shows of a code, and the path it shows: the tile that was
// looked for, with the code made readable.
void TestTileFolder::shownCode()
{
    QFETCH(QByteArray, code);
    QFETCH(QString, shown);
    QCOMPARE(TileFolder::shownCode(code), shown);
    const TileFolder tiles(folder());
    QCOMPARE(tiles.shownPathFor(code), folder() + QLatin1Char('/') + shown + QStringLiteral(".bmp"));
    if (!code.contains('/'))
        QCOMPARE(failureOf(tiles, code), QStringLiteral("Cannot open file ") + tiles.shownPathFor(code));
}

void TestTileFolder::loadsExactName()
{
    QVERIFY(writeTileFolder(folder(), {"05", "A3", "1F"}));
    const TileFolder tiles(folder());
    QCOMPARE(tiles.load("A3"), patterned(1));
    QCOMPARE(tiles.load("1F"), patterned(2));
}

void TestTileFolder::caseBlindFallback_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("code");
    QTest::newRow("lower-case code letters") << QStringLiteral("a3.bmp") << QByteArray("A3");
    QTest::newRow("upper-case extension") << QStringLiteral("A3.BMP") << QByteArray("A3");
    QTest::newRow("mixed case") << QStringLiteral("a3.Bmp") << QByteArray("A3");
    QTest::newRow("lower-case code asks for upper-case file") << QStringLiteral("3A.bmp") << QByteArray("3a");
    QTest::newRow("empty code, hidden file in other case") << QStringLiteral(".BMP") << QByteArray("");
}

void TestTileFolder::caseBlindFallback()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, code);
    QVERIFY(writeTile(folder() + QLatin1Char('/') + fileName, 9));
    QCOMPARE(TileFolder(folder()).load(code), patterned(9));
}

void TestTileFolder::exactNameWinsOverOtherCase()
{
    QVERIFY(writeTile(folder() + QStringLiteral("/A3.bmp"), 1));
    QVERIFY(writeTile(folder() + QStringLiteral("/a3.bmp"), 2));
    const TileFolder tiles(folder());
    QCOMPARE(tiles.load("A3"), patterned(1));
    QCOMPARE(tiles.load("a3"), patterned(2));
}

void TestTileFolder::missing_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QString>("namedFile");  // the file name the message ends with
    QTest::newRow("no such tile") << QByteArray("ZZ") << QStringLiteral("ZZ.bmp");
    QTest::newRow("empty code") << QByteArray("") << QStringLiteral(".bmp");
    QTest::newRow("dot dot") << QByteArray("..") << QStringLiteral("...bmp");
    QTest::newRow("path to a real tile outside") << QByteArray("../outside") << QStringLiteral("../outside.bmp");
    QTest::newRow("path into a sub-folder") << QByteArray("sub/05") << QStringLiteral("sub/05.bmp");
    QTest::newRow("NUL byte") << QByteArray("05\0x", 4) << QStringLiteral("05\\x00x.bmp");
    QTest::newRow("folder named like a tile") << QByteArray("DD") << QStringLiteral("DD.bmp");
    QTest::newRow("folder in other case only") << QByteArray("EE") << QStringLiteral("EE.bmp");
    QTest::newRow("FIFO named like a tile") << QByteArray("FF") << QStringLiteral("FF.bmp");
    QTest::newRow("FIFO in other case only") << QByteArray("GG") << QStringLiteral("GG.bmp");
}

// Every way of not finding a tile says "Cannot open file" with the exact-case
// path, and none of them reads a file the code does not name.
void TestTileFolder::missing()
{
    QFETCH(QByteArray, code);
    QFETCH(QString, namedFile);
    // Decoys: real tiles that a careless loader would reach.
    QVERIFY(writeTile(m_dir->path() + QStringLiteral("/outside.bmp"), 1));
    QVERIFY(QDir().mkpath(folder() + QStringLiteral("/sub")));
    QVERIFY(writeTile(folder() + QStringLiteral("/sub/05.bmp"), 2));
    QVERIFY(writeTile(folder() + QStringLiteral("/05"), 3));  // the name cut at the NUL byte
    QVERIFY(QDir().mkpath(folder() + QStringLiteral("/DD.bmp")));
    QVERIFY(QDir().mkpath(folder() + QStringLiteral("/ee.bmp")));
    QVERIFY(makeFifo(folder() + QStringLiteral("/FF.bmp")));
    QVERIFY(makeFifo(folder() + QStringLiteral("/gg.bmp")));

    QCOMPARE(failureOf(TileFolder(folder()), code),
             QStringLiteral("Cannot open file ") + folder() + QLatin1Char('/') + namedFile);
}

void TestTileFolder::unusualCodesThatNameAFile_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::newRow("empty code reads .bmp") << QByteArray("");
    QTest::newRow("dot dot reads ...bmp") << QByteArray("..");
    QTest::newRow("leading space") << QByteArray(" 07");
    QTest::newRow("backslash is part of the name") << QByteArray("a\\b");
    QTest::newRow("8-bit bytes") << QByteArray("\xe9t\xe9");
    QTest::newRow("UTF-8 letter") << QByteArray("\xc3\xa9t\xc3\xa9");
    QTest::newRow("lone continuation byte") << QByteArray("0\x80");
}

// Codes are taken verbatim: any code whose file exists in the folder, its
// name spelt with the code's very bytes, loads.
void TestTileFolder::unusualCodesThatNameAFile()
{
    QFETCH(QByteArray, code);
    const TileFolder tiles(folder());
    QVERIFY(writeNativeTile(tiles.nativePathFor(code), 4));
    QCOMPARE(tiles.load(code), patterned(4));
}

void TestTileFolder::eightBitCodesNameTheirOwnFiles()
{
    // Decoded as text, both codes would become one replacement character and
    // share a file; as bytes each has its own, and a third has none.
    const TileFolder tiles(folder());
    QVERIFY(writeNativeTile(tiles.nativePathFor("\xe9"), 1));
    QVERIFY(writeNativeTile(tiles.nativePathFor("\xff"), 2));
    QCOMPARE(tiles.load("\xe9"), patterned(1));
    QCOMPARE(tiles.load("\xff"), patterned(2));
    QCOMPARE(tiles.nativePathFor("\xfe"), QFile::encodeName(folder()) + "/\xfe.bmp");
    QCOMPARE(failureOf(tiles, "\xfe"),
             QStringLiteral("Cannot open file ") + folder() + QStringLiteral("/\\xFE.bmp"));
}

void TestTileFolder::fallbackFailureNamesExactPath()
{
    const TileFolder tiles(folder());
    QVERIFY(writeFile(folder() + QStringLiteral("/q1.bmp"), QByteArray("Not a picture at all, only text.")));
    QCOMPARE(failureOf(tiles, "Q1"), QStringLiteral("Bitmap image is not valid"));

    if (::geteuid() == 0)
        QSKIP("root reads every file");
    const QString locked = folder() + QStringLiteral("/q2.bmp");
    QVERIFY(writeTile(locked, 1));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    QCOMPARE(failureOf(tiles, "Q2"), QStringLiteral("Cannot open file ") + folder() + QStringLiteral("/Q2.bmp"));
}

void TestTileFolder::everyLoadReadsTheFileAgain()
{
    const TileFolder tiles(folder());
    const QString path = tiles.pathFor("05");
    QVERIFY(writeTile(path, 1));
    QCOMPARE(tiles.load("05"), patterned(1));
    QVERIFY(writeTile(path, 2));
    QCOMPARE(tiles.load("05"), patterned(2));
    QVERIFY(writeFile(path, QByteArray()));
    QVERIFY(tiles.load("05").isNull());
    QVERIFY(QFile::remove(path));
    QCOMPARE(failureOf(tiles, "05"), QStringLiteral("Cannot open file ") + path);
}

void TestTileFolder::fallbackSeesFilesAddedLater()
{
    const TileFolder tiles(folder());
    QCOMPARE(failureOf(tiles, "N1"), QStringLiteral("Cannot open file ") + tiles.pathFor("N1"));
    QVERIFY(writeTile(folder() + QStringLiteral("/n1.bmp"), 6));
    QCOMPARE(tiles.load("N1"), patterned(6));
    QVERIFY(QFile::rename(folder() + QStringLiteral("/n1.bmp"), folder() + QStringLiteral("/N1.BMP")));
    QCOMPARE(tiles.load("N1"), patterned(6));
}

QTEST_GUILESS_MAIN(TestTileFolder)
#include "tst_tilefolder.moc"
