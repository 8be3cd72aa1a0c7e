// Fibers on POSIX ucontext. AddressSanitizer keeps its own idea of the
// current stack, so every switch is announced to it; without that it reports
// false stack errors.
#include <ucontext.h>

#include <stdexcept>

#include "sim/fiber.h"

#if defined(__SANITIZE_ADDRESS__)
#define THORNBRAKE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define THORNBRAKE_ASAN 1
#endif
#endif

#ifdef THORNBRAKE_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

namespace thornbrake::sim {
namespace {

Fiber* gCurrent = nullptr;

void StartSwitch([[maybe_unused]] void** fakeStackSave, [[maybe_unused]] const void* bottom,
                 [[maybe_unused]] std::size_t size) {
#ifdef THORNBRAKE_ASAN
    __sanitizer_start_switch_fiber(fakeStackSave, bottom, size);
#endif
}

void FinishSwitch([[maybe_unused]] void* fakeStack, [[maybe_unused]] const void** oldBottom,
                  [[maybe_unused]] std::size_t* oldSize) {
#ifdef THORNBRAKE_ASAN
    __sanitizer_finish_switch_fiber(fakeStack, oldBottom, oldSize);
#endif
}

}  // namespace

struct Fiber::Impl {
    Entry entry;
    void* argument;
    std::size_t stackBytes;
    std::unique_ptr<unsigned char[]> stack;
    ucontext_t context{};
    ucontext_t caller{};
    bool finished = false;
    // The resumer's stack, as the sanitizer reports it, for switching back.
    const void* callerBottom = nullptr;
    std::size_t callerSize = 0;
    void* fakeStack = nullptr;
};

Fiber::Fiber(Entry entry, void* argument, std::size_t stackBytes)
    : impl_(std::make_unique<Impl>()) {
    Impl& f = *impl_;
    f.entry = entry;
    f.argument = argument;
    f.stackBytes = stackBytes;
    f.stack.reset(new unsigned char[stackBytes]);
    if (getcontext(&f.context) != 0) throw std::runtime_error("getcontext failed");
    f.context.uc_stack.ss_sp = f.stack.get();
    f.context.uc_stack.ss_size = stackBytes;
    f.context.uc_link = nullptr;
    makecontext(&f.context, &Fiber::Run, 0);
}

Fiber::~Fiber() = default;

bool Fiber::Finished() const { return impl_->finished; }

Fiber* Fiber::Current() { return gCurrent; }

// The first code on the fiber's stack. makecontext passes only int
// arguments, so the fiber finds itself as the current one.
void Fiber::Run() {
    Impl& f = *gCurrent->impl_;
    FinishSwitch(nullptr, &f.callerBottom, &f.callerSize);
    f.entry(f.argument);
    f.finished = true;
    // No fake stack to save: this stack is never entered again.
    StartSwitch(nullptr, f.callerBottom, f.callerSize);
    setcontext(&f.caller);
}

void Fiber::Resume() {
    Impl& f = *impl_;
    if (gCurrent != nullptr) throw std::logic_error("Fiber::Resume from inside a fiber");
    if (f.finished) throw std::logic_error("Fiber::Resume of a finished fiber");
    gCurrent = this;
    void* hostFakeStack = nullptr;
    StartSwitch(&hostFakeStack, f.stack.get(), f.stackBytes);
    swapcontext(&f.caller, &f.context);
    FinishSwitch(hostFakeStack, nullptr, nullptr);
    gCurrent = nullptr;
}

void Fiber::Yield() {
    Impl& f = *impl_;
    StartSwitch(&f.fakeStack, f.callerBottom, f.callerSize);
    swapcontext(&f.context, &f.caller);
    FinishSwitch(f.fakeStack, &f.callerBottom, &f.callerSize);
}

}  // namespace thornbrake::sim
