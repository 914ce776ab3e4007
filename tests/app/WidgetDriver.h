#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

// Answers the next modal window (a dialog, a chooser, a box) once it is up:
// the code that shows it waits in its own event loop meanwhile.
inline void WhenModal(std::function<void(QWidget&)> act)
{
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++*tries <= 1000)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal)
            act(*modal);
        else
            ADD_FAILURE() << "no modal window came up";
    });
    timer->start();
}

// A named control of a window; fails the test when there is none.
template <typename Control>
Control& Child(QWidget& window, const char* name)
{
    Control* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        throw std::runtime_error(std::string("no control ") + name);
    return *control;
}
