// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class TrackDocument;

// The size dialog. Its two sliders show the grid size of the track and set
// it as the user moves them; the boxes beside them only mirror the numbers.
// OK and Cancel both just close it: slider moves are never undone.
class TsizeForm : public QDialog
{
    Q_OBJECT

public:
    explicit TsizeForm(TrackDocument *document, QWidget *parent = nullptr);

    // Writes both slider positions into the boxes.
    void sizeBarChange();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createWidgets();
    QSlider *createBar(const char *name, int y, int value);
    QLineEdit *createEdit(const char *name, int y);
    QPushButton *createButton(const char *name, const QString &text, int x);
    void arrangeTabOrder();
    void barMoved();
    void followDocument(int width, int height);
    bool EditKeyPress(QKeyEvent *event);

    TrackDocument *m_document;
    bool m_followingDocument = false;

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QSlider *widthbar = nullptr;
    QSlider *heightbar = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
};
