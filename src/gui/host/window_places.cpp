#include "gui/host/window_places.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/suite/ini_file.h"

namespace vtl::host {
namespace {

class PlaceKeeper : public QObject {
public:
    PlaceKeeper(QWidget* window, suite::IniFile& settings, std::string name)
        : QObject(window), window_(window), settings_(settings), name_(std::move(name)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Closing hides the window; a spontaneous hide is the window system
        // minimising it, which is no place to come back to.
        if (watched == window_ && event->type() == QEvent::Hide && !event->spontaneous())
            savePlace(window_, settings_, name_);
        return false;
    }

private:
    QWidget* window_;
    suite::IniFile& settings_;
    std::string name_;
};

// The screen a remembered place lies on, null when none shows any of it.
const QScreen* screenShowing(const QRect& r) {
    for (const QScreen* s : QGuiApplication::screens())
        if (s->availableGeometry().intersects(r)) return s;
    return nullptr;
}

}  // namespace

void restorePlace(QWidget* window, const suite::IniFile& settings, const std::string& name) {
    const int w = static_cast<int>(settings.getInt(name, "Width", 0));
    const int h = static_cast<int>(settings.getInt(name, "Height", 0));
    if (w <= 0 || h <= 0) return;
    QSize size = QSize(w, h).expandedTo(window->minimumSizeHint()).boundedTo(window->maximumSize());
    const bool placed = settings.get(name, "XPos") && settings.get(name, "YPos");
    const QPoint at(static_cast<int>(settings.getInt(name, "XPos", 0)),
                    static_cast<int>(settings.getInt(name, "YPos", 0)));
    // A size remembered from a larger screen is cut to the screen the window
    // opens on, and a place moved so that the whole window shows, its title
    // bar and its buttons too.
    const QScreen* screen = placed ? screenShowing(QRect(at, size)) : nullptr;
    if (!screen) screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect();
    if (avail.isValid()) size = size.boundedTo(avail.size());
    window->resize(size);
    if (placed && screenShowing(QRect(at, size))) {
        QPoint inside = at;
        if (avail.isValid()) {
            inside.setX(std::clamp(at.x(), avail.left(), std::max(avail.left(), avail.right() + 1 - size.width())));
            inside.setY(std::clamp(at.y(), avail.top(), std::max(avail.top(), avail.bottom() + 1 - size.height())));
        }
        window->move(inside);
    }
    if (settings.getInt(name, "Maximized", 0) == 1) window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void savePlace(const QWidget* window, suite::IniFile& settings, const std::string& name) {
    const bool maximised = window->isMaximized();
    // A maximised window keeps the place it will go back to.
    const QRect r = maximised ? window->normalGeometry() : window->geometry();
    const QPoint at = maximised ? r.topLeft() : window->pos();
    settings.setInt(name, "XPos", at.x());
    settings.setInt(name, "YPos", at.y());
    settings.setInt(name, "Width", r.width());
    settings.setInt(name, "Height", r.height());
    settings.setInt(name, "Maximized", maximised ? 1 : 0);
}

void keepPlace(QWidget* window, suite::IniFile& settings, const std::string& name) {
    restorePlace(window, settings, name);
    new PlaceKeeper(window, settings, name);
}

}  // namespace vtl::host
