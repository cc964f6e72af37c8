#pragma once
// Which view shows a window. A window procedure builds its controller and
// asks the Views registry to run it: the host has registered a Qt view for
// that controller type, a test a scripted driver. So the procedure's rules
// never depend on how (or whether) the window is drawn.
#include <functional>
#include <map>
#include <typeindex>

namespace vtl::suite {

class Views {
public:
    template <class Controller>
    using Runner = std::function<void(Controller&)>;

    template <class Controller>
    void set(Runner<Controller> runner) {
        runners_[std::type_index(typeid(Controller))] = [runner](void* c) { runner(*static_cast<Controller*>(c)); };
    }

    template <class Controller>
    bool has() const {
        return runners_.count(std::type_index(typeid(Controller))) != 0;
    }

    // Runs the window until it closes; false when no view is registered.
    template <class Controller>
    bool run(Controller& c) const {
        auto it = runners_.find(std::type_index(typeid(Controller)));
        if (it == runners_.end()) return false;
        auto runner = it->second;  // a copy: the window may register views while it runs
        runner(&c);
        return true;
    }

private:
    std::map<std::type_index, std::function<void(void*)>> runners_;
};

}  // namespace vtl::suite
