// SPDX-License-Identifier: GPL-3.0-or-later
// What leaves the editor through the File menu: Export as, Export to PNG,
// Print, Print preview and the build sheets, and the status bar's notice of
// where it went.
// Run through the real menu actions, with the dialogs scripted or, where
// they are Qt's own, answered from the event loop.

#include "bmpbuilder.h"
#include "modalwatcher.h"
#include "permissionoverride.h"
#include "planlines.h"
#include "scriptedfiledialogs.h"
#include "startededitor.h"
#include "testfiles.h"

#include "base/quietprogress.h"
#include "document/partslist.h"
#include "export/buildsheets.h"
#include "export/planpdf.h"
#include "export/trackexport.h"
#include "pieces/catalogue.h"
#include "ui/dialogs/tsizeform.h"
#include "ui/output/exportdialog.h"
#include "ui/output/outputcommands.h"
#include "ui/output/printdialogs.h"
#include "ui/window/statusnotice.h"
#include "ui/dialogs/sessioncellsize.h"
#include "ui/window/tmainform.h"
#include "ui/dialogs/tsizeform.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The user's config folder for this run, set before the application
// exists: the dialogs must leave nothing in it.
QTemporaryDir *configHome()
{
    static QTemporaryDir dir;
    return &dir;
}
const bool configHomeSet = qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()->path()));

// Export as answered from a script; "" is a cancel, as is an empty list.
class ScriptedExportDialog : public ExportDialog
{
public:
    QStringList answers;
    QStringList proposals;

    QString askExportName(const QString &proposed) override
    {
        proposals.append(proposed);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

// The print dialog as a user who prints to a PDF file on the paper given
// (or, with no file, cancels); the preview as one who prints from it so.
class ScriptedPrintDialogs : public PrintDialogs
{
public:
    QString file;
    std::optional<QPageLayout> layout;
    int asked = 0;

    bool askPrint(QPrinter &printer) override
    {
        ++asked;
        if (file.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        if (layout)
            printer.setPageLayout(*layout);
        return true;
    }
    bool preview(QPrinter &printer, const Painter &paint, Document) override
    {
        if (!askPrint(printer))
            return false;
        paint(&printer);
        return true;
    }
};

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What pdfinfo says of a file: "Pages" and "Page size" among others.
QString pdfInfo(const QString &path, const char *field)
{
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    const QRegularExpression line(QStringLiteral("^%1: +(.*)$").arg(QLatin1String(field)),
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

QString pdfText(const QString &path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

bool havePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// A 30 x 1 track of thirty different pieces: its parts list runs onto a
// second page of the plan.
QByteArray longListTrack()
{
    QByteArray line;
    const QVector<QByteArray> codes = Catalogue::codes();
    for (int i = 0; i < 30; ++i)
        line += (i ? "," : "") + codes.at(i + 3);
    return line + "\r\n";
}

struct Editor
{
    std::unique_ptr<TMainForm> window;
    ScriptedFileDialogs *files = nullptr;
    ScriptedExportDialog *exportDialog = nullptr;
    ScriptedExportDialog *sheetsDialog = nullptr;
    ScriptedPrintDialogs *printDialogs = nullptr;
    ModalWatcher watcher;

    TrackDocument &document() { return window->document(); }
    void trigger(const char *action) { window->findChild<QAction *>(QLatin1String(action))->trigger(); }
    StatusNotice *notice() const { return window->findChild<StatusNotice *>(QStringLiteral("noticeLabel")); }
    QString noticeText() const { return notice()->message(); }
};

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void fileMenu_data();
    void fileMenu();
    void exportBesideTellsWhere_data();
    void exportBesideTellsWhere();
    void exportBesideRefusesLinkToTrack();
    void exportAs_data();
    void exportAs();
    void exportAsUntitled();
    void exportAsRefused_data();
    void exportAsRefused();
    void exportAsCancelled();
    void exportAsCannotCreate_data();
    void exportAsCannotCreate();
    void printToFileIsThePdfExport();
    void printOnOtherPaper_data();
    void printOnOtherPaper();
    void planOnAPrinter();
    void printCancelled();
    void printDialogCancelled();
    void previewShowsThePages_data();
    void previewShowsThePages();
    void noticeForgottenWithTheTrack();
    void planTimesLapsInTheCellSide();
    void buildSheets_data();
    void buildSheets();

private:
    void start(Editor &editor);
    QString writeTrack(const QString &name, const QByteArray &text);
    void openTrack(Editor &editor, const QString &path);
    // An example track, copied into the folder named.
    QString exampleTrack(const QString &folder, const char *name);

    QTemporaryDir m_dir;
    QString m_tiles;
};

void TestPrint::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_tiles = m_dir.filePath(QStringLiteral("tiles"));
    QVERIFY(BmpBuilder::writeTileFolder(m_tiles, Catalogue::codes()));
}

void TestPrint::start(Editor &editor)
{
    editor.window = makeEditor(m_tiles, &editor.files);
    auto exportDialog = std::make_unique<ScriptedExportDialog>();
    editor.exportDialog = exportDialog.get();
    editor.window->outputCommands()->setExportDialog(std::move(exportDialog));
    auto sheetsDialog = std::make_unique<ScriptedExportDialog>();
    editor.sheetsDialog = sheetsDialog.get();
    editor.window->outputCommands()->setSheetsDialog(std::move(sheetsDialog));
    auto printDialogs = std::make_unique<ScriptedPrintDialogs>();
    editor.printDialogs = printDialogs.get();
    editor.window->outputCommands()->setPrintDialogs(std::move(printDialogs));
    // New's size dialog is taken as it comes.
    editor.watcher.onDialog([](QDialog *dialog) {
        qobject_cast<TsizeForm *>(dialog) ? dialog->accept() : dialog->reject();
    });
    QVERIFY(startEditor(*editor.window));
    QVERIFY(editor.window->isReady());
}

QString TestPrint::writeTrack(const QString &name, const QByteArray &text)
{
    const QString path = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    BmpBuilder::writeFile(path, text);
    return path;
}

void TestPrint::openTrack(Editor &editor, const QString &path)
{
    editor.files->openAnswers = {path};
    editor.trigger("Load1");
    QCOMPARE(editor.document().fileName(), path);
    editor.watcher.clear();
}

QString TestPrint::exampleTrack(const QString &folder, const char *name)
{
    return writeTrack(folder + QLatin1Char('/') + QLatin1String(name),
                      readBytes(QStringLiteral(KW_EXAMPLES_SOURCE_DIR "/") + QLatin1String(name)));
}

void TestPrint::fileMenu_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<int>("tag");
    // The fixed items keep their captions and tags; PNG takes a tag of its own.
    QTest::newRow("JPG") << "ExporttoJPG1" << "Export to &JPG" << "" << 2;
    QTest::newRow("BMP") << "ExporttoBMP1" << "Export to &BMP" << "" << 3;
    QTest::newRow("PDF") << "ExporttoPDF1" << "Export to PDF" << "" << 4;
    QTest::newRow("PNG") << "ExporttoPNG1" << "Export to &PNG" << "" << 5;
    QTest::newRow("Export as") << "ExportAs1" << "Export as…" << "Ctrl+E" << 0;
    QTest::newRow("Print preview") << "PrintPreview1" << "Print preview…" << "" << 0;
    QTest::newRow("Print") << "Print1" << "Print…" << "Ctrl+P" << 0;
    QTest::newRow("Print build sheets") << "PrintBuildSheets1" << "Print build sheets…" << "" << 0;
    QTest::newRow("Export build sheets") << "ExportBuildSheets1" << "Export build sheets to PDF…" << "" << 0;
}

void TestPrint::fileMenu()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(int, tag);
    QVERIFY(!TMainForm(m_tiles, {}).findChild<QAction *>(name)->isEnabled());
    Editor editor;
    start(editor);
    auto *file = editor.window->findChild<QMenu *>(QStringLiteral("File1"));
    QAction *item = nullptr;
    QStringList order;
    for (QAction *action : file->actions()) {
        item = action->objectName() == name ? action : item;
        order << action->objectName();
    }
    QVERIFY2(item, qPrintable(name));
    // The build sheets' items come after the plan's, the rest as they were.
    QCOMPARE(order.mid(12, 6),
             QStringList({"PrintPreview1", "Print1", "", "PrintBuildSheets1", "ExportBuildSheets1", ""}));
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), QKeySequence(shortcut));
    QCOMPARE(item->data().toInt(), tag);
    QVERIFY(item->isEnabled());
    // No shortcut is taken twice anywhere in the window.
    if (!shortcut.isEmpty()) {
        int uses = 0;
        for (QAction *action : editor.window->findChildren<QAction *>())
            uses += action->shortcut() == QKeySequence(shortcut) ? 1 : 0;
        QCOMPARE(uses, 1);
    }
}

void TestPrint::exportBesideTellsWhere_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("extension");
    QTest::newRow("JPG") << "ExporttoJPG1" << ".jpg";
    QTest::newRow("BMP") << "ExporttoBMP1" << ".bmp";
    QTest::newRow("PNG") << "ExporttoPNG1" << ".png";
    QTest::newRow("PDF") << "ExporttoPDF1" << ".pdf";
}

void TestPrint::exportBesideTellsWhere()
{
    QFETCH(QString, action);
    QFETCH(QString, extension);
    const QString track = writeTrack(QStringLiteral("beside/oval.kwf"), "00,01,02\r\n03,04,05\r\n");
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.trigger(action.toLatin1().constData());
    const QString picture = m_dir.filePath(QStringLiteral("beside/oval") + extension);
    QVERIFY(editor.watcher.boxes().isEmpty());
    QVERIFY(QFileInfo(picture).size() > 0);
    QCOMPARE(editor.noticeText(), QStringLiteral("Exported ") + picture);
    // The progress text is the loops' own and ends empty as ever.
    QCOMPARE(editor.window->statusText(), QString());
    QVERIFY(editor.notice()->isVisible());
    QCOMPARE(editor.notice()->parentWidget(), editor.window->statusBar());
}

void TestPrint::exportBesideRefusesLinkToTrack()
{
    // The picture's name beside the track is a link to the track itself.
    const QString track = writeTrack(QStringLiteral("linked/oval.kwf"), "00,01\r\n");
    QVERIFY(QFile::link(track, m_dir.filePath(QStringLiteral("linked/oval.jpg"))));
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.trigger("ExporttoJPG1");
    QCOMPARE(editor.watcher.texts(), QStringList{"oval.jpg is the track file itself: an export never replaces it."});
    QCOMPARE(readBytes(track), QByteArray("00,01\r\n"));
}

void TestPrint::exportAs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("format");
    QTest::newRow("png") << "chosen/club.png" << int(TrackExport::Format::Png);
    QTest::newRow("jpg") << "chosen/club.jpg" << int(TrackExport::Format::Jpeg);
    QTest::newRow("jpeg") << "chosen/club.jpeg" << int(TrackExport::Format::Jpeg);
    QTest::newRow("upper case") << "chosen/CLUB.BMP" << int(TrackExport::Format::Bmp);
    QTest::newRow("bmp") << "chosen/club.bmp" << int(TrackExport::Format::Bmp);
    QTest::newRow("pdf") << "chosen/club.pdf" << int(TrackExport::Format::Pdf);
    QTest::newRow("csv") << "chosen/club.csv" << int(TrackExport::Format::Csv);
    QTest::newRow("two dots") << "chosen/club.v2.png" << int(TrackExport::Format::Png);
}

void TestPrint::exportAs()
{
    QFETCH(QString, name);
    QFETCH(int, format);
    const QByteArray text("00,01,3A\r\n03,04,05\r\n");
    const QString track = writeTrack(QStringLiteral("exportas/club.kwf"), text);
    const QString path = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    writeBytes(path, "an earlier file");
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.exportDialog->answers = {path};
    editor.trigger("ExportAs1");

    QVERIFY(editor.watcher.boxes().isEmpty());
    QCOMPARE(editor.exportDialog->proposals, QStringList{m_dir.filePath(QStringLiteral("exportas/club.png"))});
    // The same bytes as the command line's writer gives for that format.
    const QString expected = m_dir.filePath(QStringLiteral("expected-") + QFileInfo(path).fileName());
    QuietProgress quiet;
    TrackExport::write(editor.document().grid(), editor.window->tiles(), track, expected,
                       TrackExport::Format(format), OutputCommands::displayDepth(), quiet);
    QCOMPARE(readBytes(path), readBytes(expected));
    QCOMPARE(editor.noticeText(), QStringLiteral("Exported ") + path);
    QCOMPARE(editor.window->statusText(), QString());
    // The track is as it was: file, name, flag.
    QCOMPARE(readBytes(track), text);
    QCOMPARE(editor.document().fileName(), track);
    QVERIFY(!editor.document().isModified());
}

void TestPrint::exportAsUntitled()
{
    Editor editor;
    start(editor);
    QVERIFY(editor.document().fileName().isEmpty());
    const QString path = m_dir.filePath(QStringLiteral("untitled-export.pdf"));
    editor.exportDialog->answers = {path};
    editor.trigger("ExportAs1");
    QVERIFY(editor.watcher.boxes().isEmpty());
    QCOMPARE(editor.exportDialog->proposals, QStringList{"Untitled.png"});
    QVERIFY(readBytes(path).startsWith("%PDF-"));
    QCOMPARE(editor.noticeText(), QStringLiteral("Exported ") + path);
    QVERIFY(editor.document().fileName().isEmpty());
    if (havePoppler())
        QVERIFY(pdfText(path).contains(QRegularExpression(QStringLiteral("Untitled +15 × 7 cells"))));
}

void TestPrint::exportAsRefused_data()
{
    QTest::addColumn<QString>("track");   // the track file's name
    QTest::addColumn<QString>("typed");   // what the user types
    QTest::addColumn<QString>("message");
    const QString list = QStringLiteral(".jpg, .jpeg, .bmp, .png, .pdf or .csv");
    QTest::newRow("unknown extension") << "refused/a.kwf" << "refused/a.gif"
                                       << "a.gif cannot be exported: its extension chooses the format, one of " + list + ".";
    QTest::newRow("no extension") << "refused/b.kwf" << "refused/b"
                                  << "b cannot be exported: its extension chooses the format, one of " + list + ".";
    QTest::newRow("the track's own extension") << "refused/c.kwf" << "refused/d.kwf"
                                               << "d.kwf cannot be exported: its extension chooses the format, one of " + list + ".";
    // A track may be named like a picture; the export never replaces it.
    QTest::newRow("the track file itself") << "refused/track.png" << "refused/track.png"
                                           << "track.png is the track file itself: an export never replaces it.";
    QTest::newRow("the track file by another path") << "refused/plan.pdf" << "refused/../refused/plan.pdf"
                                                    << "plan.pdf is the track file itself: an export never replaces it.";
    QTest::newRow("the track file but for case") << "refused/list.csv" << "refused/LIST.CSV"
                                                 << "LIST.CSV is the track file itself: an export never replaces it.";
    // "Export build sheets to PDF…" takes a PDF's name only.
    QTest::newRow("build sheets, not a PDF") << "refused/e.kwf" << "refused/e.png"
                                             << "e.png cannot take the build sheets: they are a PDF, so its "
                                                "extension must be .pdf.";
    QTest::newRow("build sheets, the track file") << "refused/sheets.pdf" << "refused/sheets.pdf"
                                                  << "sheets.pdf is the track file itself: an export never "
                                                     "replaces it.";
}

void TestPrint::exportAsRefused()
{
    QFETCH(QString, track);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    const bool sheets = QByteArray(QTest::currentDataTag()).startsWith("build sheets");
    const QByteArray text("00,01\r\n");
    const QString trackPath = writeTrack(track, text);
    const QString typedPath = m_dir.filePath(typed);
    const QStringList before = QDir(m_dir.filePath(QStringLiteral("refused"))).entryList(QDir::Files);
    Editor editor;
    start(editor);
    openTrack(editor, trackPath);
    // Refused, the dialog comes again with the typed name; then a cancel.
    ScriptedExportDialog *dialog = sheets ? editor.sheetsDialog : editor.exportDialog;
    dialog->answers = {typedPath, QString()};
    editor.trigger(sheets ? "ExportBuildSheets1" : "ExportAs1");
    QCOMPARE(editor.watcher.texts(), QStringList{message});
    QCOMPARE(editor.watcher.boxes().first().icon, QMessageBox::NoIcon);
    QCOMPARE(dialog->proposals.size(), 2);
    QCOMPARE(dialog->proposals.last(), typedPath);
    QCOMPARE(readBytes(trackPath), text);
    QCOMPARE(QDir(m_dir.filePath(QStringLiteral("refused"))).entryList(QDir::Files), before);
    QCOMPARE(editor.noticeText(), QString());
}

void TestPrint::exportAsCancelled()
{
    Editor editor;
    start(editor);
    const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
    editor.trigger("ExportAs1");
    QCOMPARE(editor.exportDialog->proposals.size(), 1);
    QVERIFY(editor.watcher.boxes().isEmpty());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
    QCOMPARE(editor.noticeText(), QString());
}

void TestPrint::exportAsCannotCreate_data()
{
    QTest::addColumn<QString>("place");  // "missing" or "read-only" folder, or a "file" in the way
    QTest::addColumn<QString>("command");
    for (const char *command : {"ExportAs1", "Print1", "PrintPreview1", "PrintBuildSheets1", "ExportBuildSheets1"}) {
        for (const char *place : {"missing", "read-only", "file"})
            QTest::addRow("%s, %s", command, place) << QString::fromLatin1(place) << QString::fromLatin1(command);
    }
}

void TestPrint::exportAsCannotCreate()
{
    QFETCH(QString, place);
    QFETCH(QString, command);
    const QString folder = m_dir.filePath(QStringLiteral("cannot-%1-%2").arg(command, place));
    const QString path = folder + QStringLiteral("/club.pdf");
    if (place == QLatin1String("read-only")) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeBytes(path, "an earlier plan"));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    } else if (place == QLatin1String("file")) {
        QVERIFY(writeBytes(folder, "a file where the folder would be"));
    }
    Editor editor;
    start(editor);
    editor.exportDialog->answers = {path};
    editor.sheetsDialog->answers = {path};
    editor.printDialogs->file = path;
    {
        WithoutPermissionOverride asOwner;
        editor.trigger(command.toLatin1().constData());
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(editor.watcher.texts(), QStringList{"Cannot create file " + path + "."});
    QCOMPARE(editor.watcher.boxes().first().icon, QMessageBox::Critical);
    if (place == QLatin1String("read-only")) {
        QCOMPARE(readBytes(path), QByteArray("an earlier plan"));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"club.pdf"});
    }
    QCOMPARE(editor.noticeText(), QString());
}

void TestPrint::printToFileIsThePdfExport()
{
    const QString track = writeTrack(QStringLiteral("printed/long.kwf"), longListTrack());
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.trigger("ExporttoPDF1");
    const QString exported = m_dir.filePath(QStringLiteral("printed/long.pdf"));
    const QString printed = m_dir.filePath(QStringLiteral("printed/printed.pdf"));
    editor.printDialogs->file = printed;
    editor.trigger("Print1");
    QVERIFY(editor.watcher.boxes().isEmpty());
    QCOMPARE(editor.printDialogs->asked, 1);
    QCOMPARE(editor.noticeText(), QStringLiteral("Printed to ") + printed);
    QCOMPARE(editor.window->statusText(), QString());
    // The dialog starts from the plan's own pages: the file is the export's.
    QVERIFY(readBytes(printed).startsWith("%PDF-"));
    QCOMPARE(readBytes(printed), readBytes(exported));
    if (!havePoppler())
        QSKIP("pdfinfo and pdftotext are not installed");
    QCOMPARE(pdfInfo(printed, "Pages"), QStringLiteral("2"));
    QCOMPARE(pdfText(printed), pdfText(exported));
}

void TestPrint::printOnOtherPaper_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("size");  // as pdfinfo gives it
    QTest::newRow("A4 portrait") << int(QPageSize::A4) << int(QPageLayout::Portrait)
                                 << "595 x 842 pts (A4)";
    QTest::newRow("Letter landscape") << int(QPageSize::Letter) << int(QPageLayout::Landscape)
                                      << "792 x 612 pts (letter)";
    QTest::newRow("Letter portrait") << int(QPageSize::Letter) << int(QPageLayout::Portrait)
                                     << "612 x 792 pts (letter)";
}

void TestPrint::printOnOtherPaper()
{
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(QString, size);
    if (!havePoppler())
        QSKIP("pdfinfo and pdftotext are not installed");
    const QString track = writeTrack(QStringLiteral("paper/long.kwf"), longListTrack());
    Editor editor;
    start(editor);
    openTrack(editor, track);
    const QString printed = m_dir.filePath(QStringLiteral("paper/%1.pdf").arg(QTest::currentDataTag()));
    editor.printDialogs->file = printed;
    editor.printDialogs->layout = QPageLayout(QPageSize(QPageSize::PageSizeId(paper)),
                                              QPageLayout::Orientation(orientation),
                                              QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    editor.trigger("Print1");
    QVERIFY(editor.watcher.boxes().isEmpty());
    QCOMPARE(pdfInfo(printed, "Page size"), size);
    // Every line of the parts list and the heading, on however many pages.
    const QString text = pdfText(printed);
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("long.kwf +30 × 1 cells"))));
    const PartsList list(editor.document().grid());
    for (const PartsList::Row &row : list.rows()) {
        const QRegularExpression line = planLine(row);
        QVERIFY2(text.contains(line), qPrintable(line.pattern()));
    }
    QVERIFY(text.contains(QStringLiteral("Total: ") + list.summary()));
    const int pages = pdfInfo(printed, "Pages").toInt();
    QVERIFY(pages >= 1 && pages <= 3);
    // Page numbers only where there is more than one page.
    QCOMPARE(text.contains(QStringLiteral("Page 1 of %1").arg(pages)), pages > 1);
}

// What a printer is sent: the plan painted on a printer at its own
// resolution, here one that prints to a file, reads as the export does.
void TestPrint::planOnAPrinter()
{
    if (!havePoppler())
        QSKIP("pdfinfo and pdftotext are not installed");
    const QString track = writeTrack(QStringLiteral("printer/long.kwf"), longListTrack());
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.trigger("ExporttoPDF1");
    const QString exported = m_dir.filePath(QStringLiteral("printer/long.pdf"));
    for (const QPrinter::PrinterMode mode : {QPrinter::HighResolution, QPrinter::ScreenResolution}) {
        QPrinter printer(mode);
        const QString printed = m_dir.filePath(QStringLiteral("printer/mode-%1.pdf").arg(int(mode)));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        printer.setPageLayout(PlanPdf::pageLayout());
        QuietProgress quiet;
        QCOMPARE(PlanPdf::paint(printer, editor.document().grid(), editor.window->tiles(),
                                QStringLiteral("long.kwf"), quiet),
                 2);
        QCOMPARE(pdfInfo(printed, "Pages"), pdfInfo(exported, "Pages"));
        QCOMPARE(pdfInfo(printed, "Page size"), pdfInfo(exported, "Page size"));
        QCOMPARE(run(QStringLiteral("pdftotext"), {printed, QStringLiteral("-")}),
                 run(QStringLiteral("pdftotext"), {exported, QStringLiteral("-")}));
    }
}

void TestPrint::printCancelled()
{
    const QString track = writeTrack(QStringLiteral("cancelled/oval.kwf"), "00,01\r\n");
    Editor editor;
    start(editor);
    openTrack(editor, track);
    const QStringList before = QDir(m_dir.filePath(QStringLiteral("cancelled"))).entryList(QDir::Files);
    const QPageLayout layout = editor.window->outputCommands()->printer().pageLayout();
    editor.trigger("Print1");
    QCOMPARE(editor.printDialogs->asked, 1);
    QVERIFY(editor.watcher.boxes().isEmpty());
    QCOMPARE(QDir(m_dir.filePath(QStringLiteral("cancelled"))).entryList(QDir::Files), before);
    QCOMPARE(editor.noticeText(), QString());
    QCOMPARE(editor.window->statusText(), QString());
    QVERIFY(editor.window->outputCommands()->printer().pageLayout().isEquivalentTo(layout));
    QVERIFY(!editor.document().isModified());
}

// Qt's own print dialog, shown and cancelled: nothing printed, no settings.
void TestPrint::printDialogCancelled()
{
    Editor editor;
    start(editor);
    editor.window->outputCommands()->setPrintDialogs(std::make_unique<QtPrintDialogs>(editor.window.get()));
    QString title;
    editor.watcher.onDialog([&title](QDialog *dialog) {
        title = dialog->windowTitle();
        dialog->reject();
    });
    editor.trigger("Print1");
    QCOMPARE(editor.watcher.dialogs(), QStringList{"QPrintDialog"});
    QCOMPARE(title, QStringLiteral("Print"));
    QVERIFY(editor.watcher.boxes().isEmpty());
    QCOMPARE(editor.noticeText(), QString());
    QCOMPARE(QDir(configHome()->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

// Qt's print preview shows the plan's pages on the plan's paper, and the
// build sheets' as they lie best, which its buttons cannot turn.
void TestPrint::previewShowsThePages_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("turnable");  // the preview's orientation buttons
    QTest::newRow("plan") << "PrintPreview1" << 2 << int(QPageLayout::Landscape) << true;
    QTest::newRow("build sheets") << "PrintBuildSheets1" << 13 << int(QPageLayout::Portrait) << false;
}

void TestPrint::previewShowsThePages()
{
    QFETCH(QString, command);
    QFETCH(int, pages);
    QFETCH(int, orientation);
    QFETCH(bool, turnable);
    const QString track = command == QLatin1String("PrintPreview1")
                              ? writeTrack(QStringLiteral("preview/long.kwf"), longListTrack())
                              : exampleTrack(QStringLiteral("preview"), "showcase.kwf");
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.window->outputCommands()->setPrintDialogs(std::make_unique<QtPrintDialogs>(editor.window.get()));
    int shown = -1;
    int lies = -1;
    QVector<bool> buttons;
    editor.watcher.onDialog([&](QDialog *dialog) {
        auto *preview = dialog->findChild<QPrintPreviewWidget *>();
        if (preview) {
            preview->updatePreview();
            shown = preview->pageCount();
            lies = int(preview->orientation());
        }
        for (QAction *action : dialog->findChildren<QAction *>())
            if (action->text() == QLatin1String("Portrait") || action->text() == QLatin1String("Landscape"))
                buttons << action->isEnabled();
        dialog->reject();
    });
    editor.trigger(command.toLatin1().constData());
    QCOMPARE(editor.watcher.dialogs(), QStringList{"QPrintPreviewDialog"});
    QVERIFY(editor.watcher.boxes().isEmpty());
    QCOMPARE(shown, pages);
    QCOMPARE(lies, orientation);
    QCOMPARE(buttons, QVector<bool>(2, turnable));
    // A preview is no print.
    QCOMPARE(editor.noticeText(), QString());
    QCOMPARE(editor.window->statusText(), QString());
}

void TestPrint::noticeForgottenWithTheTrack()
{
    const QString track = writeTrack(QStringLiteral("forgotten/oval.kwf"), "00,01\r\n");
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.trigger("ExporttoPNG1");
    QCOMPARE(editor.noticeText(), QStringLiteral("Exported ") + m_dir.filePath(QStringLiteral("forgotten/oval.png")));
    // Saving keeps it; another track is no longer about it.
    editor.trigger("Save1");
    QVERIFY(!editor.noticeText().isEmpty());
    openTrack(editor, track);
    QCOMPARE(editor.noticeText(), QString());
    editor.trigger("ExporttoJPG1");
    QVERIFY(!editor.noticeText().isEmpty());
    editor.trigger("New1");
    QCOMPARE(editor.noticeText(), QString());
}

// The plan's heading times each lap in the cell side the user set.
void TestPrint::planTimesLapsInTheCellSide()
{
    if (!havePoppler())
        QSKIP("pdftotext is not installed");
    const QString track = writeTrack(QStringLiteral("ring/ring.kwf"), "00,01\r\n02,03\r\n");
    Editor editor;
    start(editor);
    openTrack(editor, track);
    const double before = SessionCellSize::metres();
    SessionCellSize::setMetres(2);
    editor.trigger("ExporttoPDF1");
    SessionCellSize::setMetres(before);
    QVERIFY(pdfText(m_dir.filePath(QStringLiteral("ring/ring.pdf")))
                .contains(QStringLiteral("2 × 2 cells, lap 6.3 m, 1.9–2.1 s (1:28 stock)")));
}

// The window's build sheets are the command line's: its composer with its
// defaults, on A4, beside the track or printed to a file. A cancel leaves
// the earlier file.
void TestPrint::buildSheets_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("answered");
    QTest::newRow("print") << "PrintBuildSheets1" << true;
    QTest::newRow("export") << "ExportBuildSheets1" << true;
    QTest::newRow("print cancelled") << "PrintBuildSheets1" << false;
    QTest::newRow("export cancelled") << "ExportBuildSheets1" << false;
}

void TestPrint::buildSheets()
{
    QFETCH(QString, command);
    QFETCH(bool, answered);
    const bool print = command == QLatin1String("PrintBuildSheets1");
    const QString folder = QStringLiteral("sheets-") + QTest::currentDataTag();
    const QString track = exampleTrack(folder, "club.kwf");
    const QString path = m_dir.filePath(folder + QStringLiteral("/club-sheets.pdf"));
    QVERIFY(writeBytes(path, "an earlier file"));
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.sheetsDialog->answers = {answered ? path : QString()};
    editor.printDialogs->file = answered ? path : QString();
    editor.trigger(command.toLatin1().constData());
    QVERIFY(editor.watcher.boxes().isEmpty());
    QCOMPARE(readBytes(path), answered ? BuildSheets::render(editor.document().grid(), editor.window->tiles(),
                                                             QStringLiteral("club.kwf"), BuildSheets::Options())
                                       : QByteArray("an earlier file"));
    QCOMPARE(QDir(m_dir.filePath(folder)).entryList(QDir::Files), QStringList({"club-sheets.pdf", "club.kwf"}));
    QCOMPARE(editor.noticeText(), answered ? (print ? "Printed to " : "Exported ") + path : QString());
    QCOMPARE(editor.sheetsDialog->proposals, print ? QStringList() : QStringList{path});
    // The print dialog proposes a file of the export's name.
    QCOMPARE(editor.window->outputCommands()->sheetsPrinter().docName(), print ? "club-sheets" : "");
}

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
