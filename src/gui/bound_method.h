#pragma once
// A controller's method bound to the controller, for a control that picks
// its action from a table of methods (move buttons, date entries, look-ups).
//
// Views call such a method only through boundMethod, never by writing
// `(form_.*method)()` in a lambda: GCC 12 built with -fsanitize=vptr (part of
// -fsanitize=undefined) miscompiles that call when `form_` is reached through
// the lambda's captured `this`. The checked `this` is saved on the virtual
// call's path only, so the call of a plain method reads it uninitialised; the
// sanitized build then reports a bad read and a member access on something
// that is not the view. std::invoke takes the object as an argument and is
// compiled correctly.
#include <functional>
#include <utility>

namespace vtl::gui {

// Calls `method` on `target` itself (not a copy), which must outlive the
// returned callable: in the views the controller outlives its window.
template <class T, class R, class... Args>
auto boundMethod(T& target, R (T::*method)(Args...)) {
    return [&target, method](Args... args) -> R { return std::invoke(method, target, std::forward<Args>(args)...); };
}

}  // namespace vtl::gui
