#pragma once
// How a caller hands values to a sibling service that is called by name.
//
// The suite's services take no arguments: the caller primes the record
// buffer or shared values of its own thread and calls the procedure, which
// reads them and leaves its answer there. Here the caller's values are an
// Args struct, seen by the service (or by a test's stand-in put in its place
// in the procedure table) for the length of the call on the caller's thread.
#include <string>
#include <typeindex>

#include "platform/suite/session.h"

namespace vtl::services {

namespace detail {
struct CallFrame {
    std::type_index type;
    void* args;
    const CallFrame* outer;
};
const CallFrame*& currentFrame();

class FrameScope {
public:
    FrameScope(std::type_index type, void* args) : frame_{type, args, currentFrame()} { currentFrame() = &frame_; }
    ~FrameScope() { currentFrame() = frame_.outer; }
    FrameScope(const FrameScope&) = delete;
    FrameScope& operator=(const FrameScope&) = delete;

private:
    CallFrame frame_;
};
}  // namespace detail

// Runs the procedure `name` with `args` in reach; false when the table has no
// implementation of it.
template <class Args>
bool callWith(Session& session, const std::string& name, Args& args) {
    detail::FrameScope scope(typeid(Args), &args);
    return session.call(name);
}

// The values of the call being served on this thread when they are of type
// Args; null when the procedure was called without them.
template <class Args>
Args* currentArgs() {
    const detail::CallFrame* f = detail::currentFrame();
    return f && f->type == std::type_index(typeid(Args)) ? static_cast<Args*>(f->args) : nullptr;
}

}  // namespace vtl::services
