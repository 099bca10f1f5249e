// Helpers shared by the main-window tests: finding controls and handling modal boxes.
#pragma once

#include "main_window/form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

template <typename T = QWidget> T *control(const QWidget &form, const QString &name)
{
    T *found = form.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// What a message box looked like while it was open.
struct BoxSeen {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton *>::size_type buttonCount = 0;
    bool okButton = false;
    bool applicationModal = false;
};

// Runs action; any application-modal message box it opens is recorded, `whileOpen` runs while
// it is up, and the box is closed through its OK button, like a user would. A test never hangs
// on a box: polling goes on until the action returns.
inline BoxSeen closeBoxesDuring(const std::function<void()> &action,
                                const std::function<void()> &whileOpen = {})
{
    BoxSeen seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttonCount = box->buttons().size();
        seen.okButton = box->button(QMessageBox::Ok) != nullptr;
        seen.applicationModal = box->windowModality() == Qt::ApplicationModal;
        if (whileOpen)
            whileOpen();
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        if (ok)
            ok->click();
        else
            box->reject();
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}
