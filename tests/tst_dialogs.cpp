// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/trackdocument.h"
#include "ui/dialogs/aboutlinks.h"
#include "ui/dialogs/taboutform.h"
#include "ui/dialogs/tsaveform.h"
#include "ui/dialogs/tsizeform.h"
#include "ui/window/appicon.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

using DialogAction = std::function<void(QDialog *)>;
Q_DECLARE_METATYPE(DialogAction)

namespace {

// Runs action on the modal dialog as soon as exec() has shown it. Whatever
// the action leaves open is closed afterwards, so a failing case cannot hang
// the test run.
void whenModal(const DialogAction &action)
{
    QTimer::singleShot(0, [action] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->activateWindow();
        if (QTest::qWaitForWindowActive(dialog))
            action(dialog);
        if (dialog->isVisible())
            dialog->done(-1);
    });
}

template<typename T>
T *child(QWidget *parent, const char *name)
{
    auto *widget = parent->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}

// Presses a key where the user's keyboard would send it: the focused widget.
void typeKey(QDialog *dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QTest::keyClick(target, key, modifiers);
}

bool hasCloseButton(const QWidget &window)
{
    const Qt::WindowFlags flags = window.windowFlags();
    return !(flags & Qt::CustomizeWindowHint)
           || (flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint));
}

bool isCentredOnScreen(const QWidget &window)
{
    const QRect area = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    return qAbs(frame.center().x() - area.center().x()) <= 1
           && qAbs(frame.center().y() - area.center().y()) <= 1;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sizeFormLooksRight();
    void sliderKeysMoveSizeAndBoxes_data();
    void sliderKeysMoveSizeAndBoxes();
    void typingIntoBoxesChangesNothing_data();
    void typingIntoBoxesChangesNothing();
    void boxesAreRewrittenOnShow();
    void documentSizeShowsOnSliders_data();
    void documentSizeShowsOnSliders();
    void sizeFormClosesKeepingSliders_data();
    void sizeFormClosesKeepingSliders();

    void saveFormLooksRight();
    void saveFormAnswers_data();
    void saveFormAnswers();
    void enterAnswersYesEachTimeItOpens();
    void escLeavesQuestionOpen();
    void windowManagerCloseAnswersCancel();
    void tabOrderIsYesNoCancel();

    void aboutFormLooksRight();
    void aboutClicksOpenAddress_data();
    void aboutClicksOpenAddress();
    void aboutFormCloses_data();
    void aboutFormCloses();
    void appIconSizes();

private:
    std::unique_ptr<TrackDocument> m_document;
    std::unique_ptr<TsizeForm> m_size;
    std::unique_ptr<TSaveForm> m_save;
    std::unique_ptr<TAboutForm> m_about;
    QList<QUrl> m_opened;
};

void TestDialogs::init()
{
    m_document = std::make_unique<TrackDocument>();
    m_size = std::make_unique<TsizeForm>(m_document.get());
    m_save = std::make_unique<TSaveForm>();
    m_about = std::make_unique<TAboutForm>();
    m_opened.clear();
    m_about->setUrlOpener([this](const QUrl &url) {
        m_opened << url;
        return true;
    });
}

void TestDialogs::cleanup()
{
    m_about.reset();
    m_save.reset();
    m_size.reset();
    m_document.reset();
}

// ---- size dialog ----

void TestDialogs::sizeFormLooksRight()
{
    TsizeForm &form = *m_size;
    QCOMPARE(form.windowTitle(), QStringLiteral("Modify grid size"));
    QVERIFY(!hasCloseButton(form));
    QVERIFY(form.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(form.minimumSize(), QSize(304, 113));
    QCOMPARE(form.maximumSize(), QSize(304, 113));
    QCOMPARE(child<QLabel>(&form, "Label1")->text(), QStringLiteral("Width:"));
    QCOMPARE(child<QLabel>(&form, "Label2")->text(), QStringLiteral("Height:"));
    QCOMPARE(child<QPushButton>(&form, "BitBtn1")->text(), QStringLiteral("OK"));
    QVERIFY(child<QPushButton>(&form, "BitBtn1")->isDefault());
    QCOMPARE(child<QPushButton>(&form, "BitBtn2")->text(), QStringLiteral("Cancel"));
    for (const char *name : {"widthbar", "heightbar"}) {
        auto *bar = child<QSlider>(&form, name);
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), 30);
        QCOMPARE(bar->tickInterval(), 10);
        QCOMPARE(bar->tickPosition(), QSlider::TicksBelow);
    }
    QCOMPARE(child<QSlider>(&form, "widthbar")->value(), 15);
    QCOMPARE(child<QSlider>(&form, "heightbar")->value(), 7);
    QCOMPARE(child<QLineEdit>(&form, "Edit1")->text(), QStringLiteral("15"));
    QCOMPARE(child<QLineEdit>(&form, "Edit2")->text(), QStringLiteral("7"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(isCentredOnScreen(form));
    for (QWidget *widget : form.findChildren<QWidget *>())
        QVERIFY2(form.rect().contains(widget->geometry()), qPrintable(widget->objectName()));
}

void TestDialogs::sliderKeysMoveSizeAndBoxes_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("width one up") << "widthbar" << int(Qt::Key_Right) << 1 << 16 << 7;
    QTest::newRow("width one down") << "widthbar" << int(Qt::Key_Left) << 1 << 14 << 7;
    QTest::newRow("width to maximum") << "widthbar" << int(Qt::Key_End) << 1 << 30 << 7;
    QTest::newRow("width stops at 30") << "widthbar" << int(Qt::Key_Right) << 20 << 30 << 7;
    QTest::newRow("height to minimum") << "heightbar" << int(Qt::Key_Home) << 1 << 15 << 1;
    QTest::newRow("height stops at 1") << "heightbar" << int(Qt::Key_Left) << 10 << 15 << 1;
    QTest::newRow("height page up") << "heightbar" << int(Qt::Key_PageUp) << 1 << 15 << 17;
}

void TestDialogs::sliderKeysMoveSizeAndBoxes()
{
    QFETCH(QString, bar);
    QFETCH(int, key);
    QFETCH(int, presses);
    QFETCH(int, width);
    QFETCH(int, height);
    m_size->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_size.get()));
    auto *slider = child<QSlider>(m_size.get(), qPrintable(bar));
    slider->setFocus();
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(slider, Qt::Key(key));
    QCOMPARE(child<QSlider>(m_size.get(), "widthbar")->value(), width);
    QCOMPARE(child<QSlider>(m_size.get(), "heightbar")->value(), height);
    QCOMPARE(child<QLineEdit>(m_size.get(), "Edit1")->text(), QString::number(width));
    QCOMPARE(child<QLineEdit>(m_size.get(), "Edit2")->text(), QString::number(height));
    QCOMPARE(m_document->width(), width);
    QCOMPARE(m_document->height(), height);
}

void TestDialogs::typingIntoBoxesChangesNothing_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("digits in width") << "Edit1" << "99" << 0 << 0;
    QTest::newRow("digits in height") << "Edit2" << "25" << 0 << 0;
    QTest::newRow("letters") << "Edit1" << "ab" << 0 << 0;
    QTest::newRow("backspace") << "Edit1" << "" << int(Qt::Key_Backspace) << 0;
    QTest::newRow("ctrl+v") << "Edit2" << "" << int(Qt::Key_V) << int(Qt::ControlModifier);
    QTest::newRow("shift+insert") << "Edit2" << "" << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
    QTest::newRow("ctrl+x") << "Edit1" << "" << int(Qt::Key_X) << int(Qt::ControlModifier);
}

void TestDialogs::typingIntoBoxesChangesNothing()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QApplication::clipboard()->setText(QStringLiteral("42"));
    m_size->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_size.get()));
    auto *box = child<QLineEdit>(m_size.get(), qPrintable(edit));
    const QString before = box->text();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    if (!typed.isEmpty())
        QTest::keyClicks(box, typed);
    if (key)
        QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box->text(), before);
    QCOMPARE(m_document->width(), 15);
    QCOMPARE(m_document->height(), 7);
    QVERIFY(m_size->isVisible());
}

void TestDialogs::boxesAreRewrittenOnShow()
{
    m_size->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_size.get()));
    auto *box = child<QLineEdit>(m_size.get(), "Edit1");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("5"));  // Delete types nothing and may edit
    m_size->hide();
    m_size->show();
    QCOMPARE(box->text(), QStringLiteral("15"));

    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    auto *bar = child<QSlider>(m_size.get(), "heightbar");
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(box->text(), QStringLiteral("15"));
}

void TestDialogs::documentSizeShowsOnSliders_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("shownWidth");
    QTest::addColumn<int>("shownHeight");
    QTest::newRow("both change") << 22 << 3 << 22 << 3;
    QTest::newRow("width only") << 4 << 7 << 4 << 7;
    QTest::newRow("height only") << 15 << 30 << 15 << 30;
    QTest::newRow("clamped") << 45 << 0 << 30 << 1;
}

void TestDialogs::documentSizeShowsOnSliders()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, shownWidth);
    QFETCH(int, shownHeight);
    QSignalSpy sizeChanges(m_document.get(), &TrackDocument::sizeChanged);
    // As Open or the grid buttons do it, with the dialog hidden.
    m_document->setSize(width, height);
    QCOMPARE(child<QSlider>(m_size.get(), "widthbar")->value(), shownWidth);
    QCOMPARE(child<QSlider>(m_size.get(), "heightbar")->value(), shownHeight);
    QCOMPARE(child<QLineEdit>(m_size.get(), "Edit1")->text(), QString::number(shownWidth));
    QCOMPARE(child<QLineEdit>(m_size.get(), "Edit2")->text(), QString::number(shownHeight));
    // Following the document must not talk back to it.
    QCOMPARE(sizeChanges.count(), 1);
    QCOMPARE(m_document->width(), shownWidth);
    QCOMPARE(m_document->height(), shownHeight);
    m_size->show();
    QCOMPARE(child<QLineEdit>(m_size.get(), "Edit1")->text(), QString::number(shownWidth));
}

void TestDialogs::sizeFormClosesKeepingSliders_data()
{
    QTest::addColumn<DialogAction>("closeIt");
    QTest::newRow("Esc") << DialogAction([](QDialog *d) { typeKey(d, Qt::Key_Escape); });
    QTest::newRow("Enter") << DialogAction([](QDialog *d) { typeKey(d, Qt::Key_Return); });
    QTest::newRow("Enter in a box") << DialogAction([](QDialog *d) {
        auto *box = child<QLineEdit>(d, "Edit2");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    });
    QTest::newRow("OK") << DialogAction([](QDialog *d) {
        QTest::mouseClick(child<QPushButton>(d, "BitBtn1"), Qt::LeftButton);
    });
    QTest::newRow("Cancel") << DialogAction([](QDialog *d) {
        QTest::mouseClick(child<QPushButton>(d, "BitBtn2"), Qt::LeftButton);
    });
}

void TestDialogs::sizeFormClosesKeepingSliders()
{
    QFETCH(DialogAction, closeIt);
    bool closed = false;
    whenModal([&](QDialog *dialog) {
        auto *bar = child<QSlider>(dialog, "widthbar");
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Right);
        QTest::keyClick(bar, Qt::Key_Right);
        closeIt(dialog);
        closed = !dialog->isVisible();
    });
    const int result = m_size->exec();
    QVERIFY(closed);
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(m_document->width(), 17);
    QCOMPARE(child<QSlider>(m_size.get(), "widthbar")->value(), 17);
}

// ---- save-changes dialog ----

void TestDialogs::saveFormLooksRight()
{
    TSaveForm &form = *m_save;
    QCOMPARE(form.windowTitle(), QStringLiteral("Save changes ?"));
    QVERIFY(!hasCloseButton(form));
    QVERIFY(form.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(form.minimumSize(), QSize(392, 64));
    QCOMPARE(form.maximumSize(), QSize(392, 64));
    auto *label = child<QLabel>(&form, "Label1");
    QCOMPARE(label->text(), QStringLiteral("Save changes first ?"));
    QVERIFY(label->alignment() & Qt::AlignHCenter);
    QCOMPARE(child<QPushButton>(&form, "Button1")->text(), QStringLiteral("&Yes"));
    QCOMPARE(child<QPushButton>(&form, "Button2")->text(), QStringLiteral("&No"));
    QCOMPARE(child<QPushButton>(&form, "Button3")->text(), QStringLiteral("&Cancel"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(isCentredOnScreen(form));
    for (QPushButton *button : form.findChildren<QPushButton *>())
        QVERIFY(!button->isDefault() || button->hasFocus());
}

void TestDialogs::saveFormAnswers_data()
{
    QTest::addColumn<DialogAction>("answerIt");
    QTest::addColumn<int>("answer");
    const struct
    {
        const char *button;
        Qt::Key letter;
        int answer;
    } buttons[] = {{"Button1", Qt::Key_Y, 1}, {"Button2", Qt::Key_N, 2}, {"Button3", Qt::Key_C, 3}};
    for (const auto &b : buttons) {
        const QByteArray name = b.button;
        const Qt::Key letter = b.letter;
        QTest::addRow("click %s", b.button) << DialogAction([name](QDialog *d) {
            QTest::mouseClick(child<QPushButton>(d, name), Qt::LeftButton);
        }) << b.answer;
        QTest::addRow("Alt mnemonic %s", b.button) << DialogAction([letter](QDialog *d) {
            typeKey(d, letter, Qt::AltModifier);
            QTRY_VERIFY(!d->isVisible());
        }) << b.answer;
        QTest::addRow("plain mnemonic %s", b.button) << DialogAction([letter](QDialog *d) {
            typeKey(d, letter);
        }) << b.answer;
        QTest::addRow("focus and space %s", b.button) << DialogAction([name](QDialog *d) {
            auto *button = child<QPushButton>(d, name);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
        }) << b.answer;
    }
}

void TestDialogs::saveFormAnswers()
{
    QFETCH(DialogAction, answerIt);
    QFETCH(int, answer);
    m_save->setAnswer(2);
    whenModal(answerIt);
    QCOMPARE(m_save->ask(), answer);
    QCOMPARE(m_save->answer(), answer);
    QVERIFY(!m_save->isVisible());
}

void TestDialogs::enterAnswersYesEachTimeItOpens()
{
    // The first time the user tabs to Cancel; the question must not
    // remember that focus the next time it comes up.
    m_save->setAnswer(2);
    whenModal([](QDialog *d) {
        typeKey(d, Qt::Key_Tab);
        typeKey(d, Qt::Key_Tab);
        typeKey(d, Qt::Key_Return);
    });
    QCOMPARE(m_save->ask(), 3);

    m_save->setAnswer(2);
    whenModal([](QDialog *d) {
        QCOMPARE(d->focusWidget(), child<QPushButton>(d, "Button1"));
        typeKey(d, Qt::Key_Return);
    });
    QCOMPARE(m_save->ask(), 1);
}

void TestDialogs::escLeavesQuestionOpen()
{
    m_save->setAnswer(2);
    bool openAfterEsc = false;
    whenModal([&](QDialog *d) {
        typeKey(d, Qt::Key_Escape);
        QTest::keyClick(d, Qt::Key_Escape);
        QCoreApplication::processEvents();
        openAfterEsc = d->isVisible();
        QTest::mouseClick(child<QPushButton>(d, "Button2"), Qt::LeftButton);
    });
    QCOMPARE(m_save->ask(), 2);
    QVERIFY(openAfterEsc);
}

void TestDialogs::windowManagerCloseAnswersCancel()
{
    m_save->setAnswer(2);
    whenModal([](QDialog *d) { d->close(); });
    QCOMPARE(m_save->ask(), 3);

    // A close after a button answered does not overwrite the answer.
    m_save->setAnswer(2);
    whenModal([](QDialog *d) {
        QTest::mouseClick(child<QPushButton>(d, "Button2"), Qt::LeftButton);
        d->close();
    });
    QCOMPARE(m_save->ask(), 2);
}

void TestDialogs::tabOrderIsYesNoCancel()
{
    m_save->show();
    QVERIFY(QTest::qWaitForWindowActive(m_save.get()));
    const QStringList expected = {"Button1", "Button2", "Button3", "Button1"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        visited << m_save->focusWidget()->objectName();
        typeKey(m_save.get(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

// ---- About dialog ----

void TestDialogs::aboutFormLooksRight()
{
    TAboutForm &form = *m_about;
    QCOMPARE(form.windowTitle(), QStringLiteral("About Kerbwright"));
    QVERIFY(!hasCloseButton(form));
    QCOMPARE(form.minimumSize(), QSize(450, 437));
    QCOMPARE(form.maximumSize(), QSize(450, 437));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(isCentredOnScreen(form));

    auto *icon = child<QLabel>(&form, "IconImage");
    QCOMPARE(icon->size(), QSize(32, 32));
    QVERIFY(icon->x() < 16 && icon->y() < 16);
    QVERIFY(!icon->pixmap().isNull());
    auto *name = child<QLabel>(&form, "Label1");
    QCOMPARE(name->text(), QStringLiteral("Kerbwright"));
    QVERIFY(name->font().bold());
    QCOMPARE(name->font().pixelSize(), 32);
    QCOMPARE(child<QLabel>(&form, "Image1")->size(), QSize(434, 87));
    QCOMPARE(child<QLabel>(&form, "Image2")->size(), QSize(300, 100));
    for (const char *picture : {"Image1", "Image2"})
        QVERIFY(!child<QLabel>(&form, picture)->pixmap().isNull());
    for (const char *link : {"Label2", "Label3"}) {
        auto *label = child<QLabel>(&form, link);
        QVERIFY(label->font().bold() && label->font().underline());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
    }
    auto *close = child<QPushButton>(&form, "Button1");
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QVERIFY(close->width() >= form.width() - 20);
    for (QWidget *widget : form.findChildren<QWidget *>())
        QVERIFY2(form.rect().contains(widget->geometry()), qPrintable(widget->objectName()));
}

void TestDialogs::aboutClicksOpenAddress_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("tooltip");
    QTest::newRow("Image1") << "Image1" << AboutLinks::tracksPage << true;
    QTest::newRow("Image2") << "Image2" << AboutLinks::sharePage << true;
    QTest::newRow("Label2") << "Label2" << AboutLinks::homePage << false;
    QTest::newRow("Label3") << "Label3" << AboutLinks::mail << false;
}

void TestDialogs::aboutClicksOpenAddress()
{
    QFETCH(QString, control);
    QFETCH(QString, address);
    QFETCH(bool, tooltip);
    const QUrl url(address);
    QVERIFY(url.isValid());
    QVERIFY(url.scheme() == "mailto" ? address.endsWith(".example.org")
                                     : url.host().endsWith(".example.org"));

    m_about->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_about.get()));
    auto *widget = child<QLabel>(m_about.get(), qPrintable(control));
    QCOMPARE(widget->property(TAboutForm::addressProperty).toString(), address);
    QCOMPARE(widget->toolTip(), tooltip ? address : QString());
    QCOMPARE(widget->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(widget, Qt::RightButton);
    QVERIFY(m_opened.isEmpty());
    QTest::mouseClick(widget, Qt::LeftButton);
    QCOMPARE(m_opened, QList<QUrl>{url});
    QVERIFY(m_about->isVisible());
}

void TestDialogs::aboutFormCloses_data()
{
    QTest::addColumn<DialogAction>("closeIt");
    QTest::newRow("Esc") << DialogAction([](QDialog *d) { typeKey(d, Qt::Key_Escape); });
    QTest::newRow("Enter") << DialogAction([](QDialog *d) { typeKey(d, Qt::Key_Return); });
    QTest::newRow("Close") << DialogAction([](QDialog *d) {
        QTest::mouseClick(child<QPushButton>(d, "Button1"), Qt::LeftButton);
    });
}

void TestDialogs::aboutFormCloses()
{
    QFETCH(DialogAction, closeIt);
    whenModal(closeIt);
    QCOMPARE(m_about->exec(), int(QDialog::Rejected));
    QVERIFY(m_opened.isEmpty());
}

void TestDialogs::appIconSizes()
{
    const QList<QSize> sizes = AppIcon::icon().availableSizes();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QVERIFY(sizes.contains(QSize(size, size)));
        const QImage image = AppIcon::render(size);
        QCOMPARE(image.size(), QSize(size, size));
        // Rounded corners stay see-through; the middle is painted.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
