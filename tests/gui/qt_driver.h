#pragma once
// Driving Qt windows from a test as a person would: typing into a widget,
// pressing keys, and acting on a modal window once it is up (a modal
// window's exec() does not return until someone closes it).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace vtl::test {

// The application object, on the offscreen platform unless one was chosen.
// It is never destroyed: at exit it would outlive Qt's own statics (the
// keyboard device that key events create) and crash on the way out.
inline QApplication& offscreenApp() {
    static int argc = 1;
    static char name[] = "gui_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
    return *static_cast<QApplication*>(QApplication::instance());
}

inline void pressKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

inline void typeText(QWidget* w, const QString& text) {
    for (QChar c : text) pressKey(w, c.isLetter() ? c.toUpper().unicode() : c.unicode(), Qt::NoModifier, QString(c));
}

// Runs `act` on the modal window of type W once it is up (polling, up to
// five seconds); the window must be closed by `act` or the test hangs no
// longer than the timeout, after which the window is rejected.
template <class W>
void whenModal(std::function<void(W*)> act, int timeoutMs = 5000) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act, timeoutMs] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            act(w);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            ADD_FAILURE() << "the expected window did not open";
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) other->reject();
        }
    });
    timer->start();
}

}  // namespace vtl::test
