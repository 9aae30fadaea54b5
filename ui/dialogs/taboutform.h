// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;

// The About dialog: the program's icon and name, a credit line, two banner
// pictures and two links. Each picture and link label keeps the address it
// leads to in its "address" property; a click hands that address to the
// desktop.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    // Opens an address; QDesktopServices::openUrl unless replaced.
    using UrlOpener = std::function<bool(const QUrl &)>;

    explicit TAboutForm(QWidget *parent = nullptr);

    // Tests catch the address here instead of starting a browser.
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    // The click of both pictures and both link labels.
    void LabelClick(QWidget *control);

    static constexpr const char *addressProperty = "address";

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createHeader();
    void createBanners();
    void createLinks();
    void createCloseButton();
    QLabel *createLabel(const char *name, const QString &text, const QRect &geometry);
    QLabel *createPicture(const char *name, const QRect &geometry, const char *address);
    QLabel *createLink(const char *name, const QString &text, int y, const char *address);
    void makeClickable(QLabel *control, const char *address);
    void addRule(int y);

    UrlOpener m_openUrl;

    QLabel *IconImage = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *CloseButton = nullptr;
};
