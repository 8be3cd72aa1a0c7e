// sim::Fiber on Windows' own fibers, for the Wine test host: the plugin's
// script runs on a fiber of its own, and every scriptWait switches back to
// the host thread, which becomes a fiber itself on the first switch.
#include <windows.h>
// winbase.h still defines an empty Yield() macro for 16-bit Windows, which
// would swallow Fiber::Yield.
#undef Yield

#include <stdexcept>

#include "sim/fiber.h"

namespace thornbrake::sim {
namespace {

Fiber* gCurrent = nullptr;

// The host thread as a fiber; converted once, on first use. Only the test
// host's main thread resumes fibers, and it is no fiber before.
void* HostFiber() {
    static void* host = nullptr;
    if (host == nullptr) {
        host = ConvertThreadToFiber(nullptr);
        if (host == nullptr) throw std::runtime_error("ConvertThreadToFiber failed");
    }
    return host;
}

}  // namespace

struct Fiber::Impl {
    Entry entry;
    void* argument;
    void* fiber = nullptr;
    void* caller = nullptr;
    bool finished = false;
};

Fiber::Fiber(Entry entry, void* argument, std::size_t stackBytes) : impl_(std::make_unique<Impl>()) {
    impl_->entry = entry;
    impl_->argument = argument;
    // Reserve the whole stack, commit as it grows.
    impl_->fiber = CreateFiberEx(0, stackBytes, 0, [](void*) { Fiber::Run(); }, nullptr);
    if (impl_->fiber == nullptr) throw std::runtime_error("CreateFiberEx failed");
}

// A suspended fiber is deleted with its stack; it is never resumed again.
Fiber::~Fiber() { DeleteFiber(impl_->fiber); }

bool Fiber::Finished() const { return impl_->finished; }

Fiber* Fiber::Current() { return gCurrent; }

// The fiber's first code. Its routine must never return, which would end
// the thread: once the entry is done it only ever switches back.
void Fiber::Run() {
    Impl& f = *gCurrent->impl_;
    f.entry(f.argument);
    f.finished = true;
    for (;;) SwitchToFiber(f.caller);
}

void Fiber::Resume() {
    Impl& f = *impl_;
    if (gCurrent != nullptr) throw std::logic_error("Fiber::Resume from inside a fiber");
    if (f.finished) throw std::logic_error("Fiber::Resume of a finished fiber");
    f.caller = HostFiber();
    gCurrent = this;
    SwitchToFiber(f.fiber);
    gCurrent = nullptr;
}

void Fiber::Yield() { SwitchToFiber(impl_->caller); }

}  // namespace thornbrake::sim
