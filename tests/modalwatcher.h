// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVector>
#include <functional>

// Answers the modal windows that a command opens, from the running event
// loop: message boxes are recorded and closed with their OK button, any
// other dialog goes to the handler (or is rejected when there is none).
class ModalWatcher : public QObject
{
public:
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };
    using DialogHandler = std::function<void(QDialog *)>;

    ModalWatcher()
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
        m_timer.start();
    }

    void onDialog(DialogHandler handler) { m_handler = std::move(handler); }

    const QVector<Box> &boxes() const { return m_boxes; }
    QStringList texts() const
    {
        QStringList list;
        for (const Box &box : m_boxes)
            list.append(box.text);
        return list;
    }
    // The class names of the dialogs other than message boxes, in order.
    const QStringList &dialogs() const { return m_dialogs; }
    void clear()
    {
        m_boxes.clear();
        m_dialogs.clear();
    }

private:
    void poll()
    {
        // Every handler closes its window before returning, so a window seen
        // here is always a new showing, also of a dialog shown before.
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || m_busy)
            return;
        m_busy = true;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_boxes.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            m_dialogs.append(QString::fromLatin1(dialog->metaObject()->className()));
            if (m_handler)
                m_handler(dialog);
            else
                dialog->reject();
        }
        m_busy = false;
    }

    QTimer m_timer;
    bool m_busy = false;
    QVector<Box> m_boxes;
    QStringList m_dialogs;
    DialogHandler m_handler;
};
