// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/taboutform.h"

#include "ui/dialogs/aboutbanners.h"
#include "ui/dialogs/aboutlinks.h"
#include "ui/dialogs/dialogplacement.h"
#include "ui/window/appicon.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr int clientWidth = 450;
constexpr int clientHeight = 437;
constexpr int margin = 8;
constexpr int innerWidth = clientWidth - 2 * margin;
constexpr int lineHeight = 16;

} // namespace

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("aboutForm"));
    setWindowTitle(QStringLiteral("About Kerbwright"));
    setFixedSize(clientWidth, clientHeight);
    createHeader();
    createBanners();
    createLinks();
    createCloseButton();
}

void TAboutForm::createHeader()
{
    IconImage = createLabel("IconImage", QString(), QRect(margin, margin, 32, 32));
    Label1 = createLabel("Label1", QStringLiteral("Kerbwright"), QRect(50, 2, 392, 42));
    QFont title = Label1->font();
    title.setPixelSize(32);
    title.setBold(true);
    Label1->setFont(title);
    createLabel("CreditLabel",
                QStringLiteral("Free software by the Kerbwright developers: GNU GPL 3 or later."),
                QRect(margin, 46, innerWidth, lineHeight));
    addRule(68);
}

void TAboutForm::createBanners()
{
    // The banners are drawn when the dialog first shows: most sessions never
    // open it, and drawing them took a twelfth of the editor's start.
    Image1 = createPicture("Image1", QRect(margin, 76, 434, 87), AboutLinks::tracksPage);
    createLabel("CaptionLabel1",
                QStringLiteral("Kerbwright tracks: the editor's home, with ready-made layouts"),
                QRect(margin, 166, innerWidth, lineHeight));
    createLabel("CaptionLabel2", QStringLiteral("to download, print and build on the floor."),
                QRect(margin, 182, innerWidth, lineHeight));
    addRule(206);

    Image2 = createPicture("Image2", QRect((clientWidth - 300) / 2, 214, 300, 100), AboutLinks::sharePage);
    createLabel("CaptionLabel3",
                QStringLiteral("Share your layouts: send in your own tracks for other drivers."),
                QRect(margin, 317, innerWidth, lineHeight));
    addRule(341);
}

void TAboutForm::createLinks()
{
    Label2 = createLink("Label2", QStringLiteral("kerbwright.example.org"), 347, AboutLinks::homePage);
    Label3 = createLink("Label3", QStringLiteral("tracks@kerbwright.example.org"), 367,
                        AboutLinks::mail);
    addRule(391);
}

void TAboutForm::createCloseButton()
{
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setObjectName(QStringLiteral("Button1"));
    CloseButton->setGeometry(margin, 399, innerWidth, 30);
    CloseButton->setDefault(true);
    // Close is a Cancel, as Esc is.
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

QLabel *TAboutForm::createLabel(const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

QLabel *TAboutForm::createPicture(const char *name, const QRect &geometry, const char *address)
{
    QLabel *picture = createLabel(name, QString(), geometry);
    makeClickable(picture, address);
    // Only the pictures show where they lead; the links say it themselves.
    picture->setToolTip(QLatin1String(address));
    return picture;
}

QLabel *TAboutForm::createLink(const char *name, const QString &text, int y, const char *address)
{
    QLabel *link = createLabel(name, text, QRect(margin, y, innerWidth, 18));
    link->setAlignment(Qt::AlignCenter);
    QFont font = link->font();
    font.setBold(true);
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    link->setPalette(palette);
    makeClickable(link, address);
    return link;
}

void TAboutForm::makeClickable(QLabel *control, const char *address)
{
    control->setProperty(addressProperty, QString::fromLatin1(address));
    control->setCursor(Qt::PointingHandCursor);
    control->installEventFilter(this);
}

void TAboutForm::addRule(int y)
{
    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(margin, y, innerWidth, 2);
}

void TAboutForm::LabelClick(QWidget *control)
{
    const QString address = control->property(addressProperty).toString();
    if (!address.isEmpty() && m_openUrl)
        m_openUrl(QUrl(address));
}

void TAboutForm::showEvent(QShowEvent *event)
{
    // The application may carry an icon of its own by now.
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = AppIcon::icon();
    IconImage->setPixmap(icon.pixmap(QSize(32, 32), devicePixelRatio()));
    if (Image1->pixmap().isNull()) {
        Image1->setPixmap(QPixmap::fromImage(AboutBanners::tracks(Image1->width(), Image1->height())));
        Image2->setPixmap(QPixmap::fromImage(AboutBanners::share(Image2->width(), Image2->height())));
    }
    centreOnScreen(this);
    QDialog::showEvent(event);
}

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *control = qobject_cast<QWidget *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        // A click is a press and a release of the left button on the control.
        if (control && mouse->button() == Qt::LeftButton
            && control->rect().contains(mouse->position().toPoint())) {
            LabelClick(control);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
