#pragma once
// Registering a modal window for a controller type: the window opens over
// whichever window called it and runs until it is closed.
#include <QApplication>
#include <QWidget>

#include "platform/suite/views.h"

namespace vtl::gui {

inline QWidget* callingWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

template <class View, class Controller>
void registerDialog(suite::Views& views) {
    views.set<Controller>([](Controller& c) {
        View view(c, callingWindow());
        view.exec();
    });
}

}  // namespace vtl::gui
