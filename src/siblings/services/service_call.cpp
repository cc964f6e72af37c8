#include "siblings/services/service_call.h"

namespace vtl::services::detail {

const CallFrame*& currentFrame() {
    // Every window runs on a thread of its own, so each has its own calls.
    thread_local const CallFrame* frame = nullptr;
    return frame;
}

}  // namespace vtl::services::detail
