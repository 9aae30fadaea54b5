// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The save-changes question: "&Yes" (1), "&No" (2) or "&Cancel" (3).
// None of its buttons is the default or the cancel button: Enter presses the
// focused one, Esc does nothing. A question that ends without a button (the
// window manager's close, or its loop ended from outside by a signal or the
// session's end) answers Cancel, so the user's work is kept.
class TSaveForm : public QDialog
{
    Q_OBJECT

public:
    enum Answer { Yes = 1, No = 2, Cancel = 3 };

    explicit TSaveForm(QWidget *parent = nullptr);

    int answer() const { return m_answer; }
    void setAnswer(int answer) { m_answer = answer; }
    // Shows the question modally and returns the answer.
    int ask();

    // The click of all three buttons: their tag is the answer.
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *createButton(const char *name, const QString &text, int tag, int x);
    QPushButton *buttonForMnemonic(const QKeyEvent *event) const;

    int m_answer = No;
    bool m_answeredByButton = false;

    QLabel *Label1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
};
