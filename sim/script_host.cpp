#include "sim/script_host.h"

#include <fmt/format.h>

#include <cstdlib>

#include "settings/profile_reader.h"
#include "settings/settings.h"

namespace thornbrake::sim {
namespace {

// Stands in for the library's instance handle: any stable, distinct address.
constinit char gModuleTag = 0;

std::uint64_t Mix(std::uint64_t value) { return DeterministicRandom(value).Next(); }

constexpr std::uint64_t kHourMs = 3'600'000;
constexpr std::uint64_t kThirtyDaysMs = 30 * 24 * kHourMs;

}  // namespace

std::uint64_t BootTickForSeed(std::uint64_t seed) {
    // Salted, so the boot tick does not repeat the world's first random draw.
    constexpr std::uint64_t kSalt = 0x7469636B636F756EULL;
    return kHourMs + Mix(seed ^ kSalt) % kThirtyDaysMs;
}

ScriptHost::ScriptHost(const HostOptions& options)
    : world_(Mix(options.seed)),
      frameUs_(options.frameUs),
      bootTickMs_(options.bootTickMs.value_or(BootTickForSeed(options.seed))) {
    if (frameUs_ <= 0) throw HostError(fmt::format("frame time must be positive, got {} us", frameUs_));
    if (BoundHostSeam() != nullptr) {
        throw HostError("another simulated host is active; only one can run the plugin at a time");
    }
    trace_.SetRecording(options.recordTrace);
    BindHostSeam(this);
}

ScriptHost::~ScriptHost() { BindHostSeam(nullptr); }

ModuleHandle ScriptHost::Module() const { return &gModuleTag; }

// The library's life (Load, Notify, Attach, Detach) is in
// script_host_library.cpp: it links the plugin's own code, which the Windows
// host replaces with the real DLL.

// --- Running ---

bool ScriptHost::ScriptLive() const {
    return status_ == ScriptStatus::Registered || status_ == ScriptStatus::Running;
}

void ScriptHost::ThrowIfFailed() const {
    if (status_ == ScriptStatus::Failed) throw HostError(failure_);
}

void ScriptHost::RunScript(void* host) { static_cast<ScriptHost*>(host)->script_(); }

void ScriptHost::ResumeScriptIfDue() {
    if (!ScriptLive()) return;
    if (status_ == ScriptStatus::Registered) {
        fiber_ = std::make_unique<Fiber>(&ScriptHost::RunScript, this);
        status_ = ScriptStatus::Running;
    } else if (nowUs_ < wakeUs_) {
        return;
    }
    // One resumption per frame: a wait, even of 0 ms, returns here and the
    // script goes on no earlier than the next frame.
    fiber_->Resume();
    if (fiber_ && fiber_->Finished() && status_ == ScriptStatus::Running) status_ = ScriptStatus::Returned;
}

void ScriptHost::StepFrame() {
    ThrowIfFailed();
    if (hook_) hook_(world_.State(), nowUs_);
    ResumeScriptIfDue();
    ++frames_;
    nowUs_ += frameUs_;
    ThrowIfFailed();
}

void ScriptHost::RunFrames(std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i) StepFrame();
}

void ScriptHost::RunForMs(std::int64_t ms) {
    const std::int64_t end = nowUs_ + ms * 1000;
    while (nowUs_ < end) StepFrame();
}

void ScriptHost::RunPasses(std::int64_t count) {
    const std::int64_t target = passes_ + count;
    while (passes_ < target) {
        ThrowIfFailed();
        if (!ScriptLive()) {
            throw HostError(fmt::format(
                "RunPasses: no script is running (after {} of {} passes); Attach the plugin first",
                count - (target - passes_), count));
        }
        StepFrame();
    }
}

bool ScriptHost::SendKeyboardMessage(std::uint32_t key, std::uint16_t repeats, std::uint8_t scanCode,
                                     std::int32_t extended, std::int32_t altHeld,
                                     std::int32_t previouslyDown, std::int32_t released) {
    if (keyboard_ == nullptr) return false;
    keyboard_(key, repeats, scanCode, extended, altHeld, previouslyDown, released);
    return true;
}

std::uint64_t ScriptHost::TickCount64Now() const {
    return bootTickMs_ + static_cast<std::uint64_t>(nowUs_ / 1000);
}

// --- Errors ---

void ScriptHost::Fail(std::string message) {
    // On the script's fiber nothing may be thrown through the plugin's
    // frames: note the error, go back to the host for good, and let the
    // host's Run* call report it.
    if (Fiber* running = Fiber::Current()) {
        failure_ = std::move(message);
        status_ = ScriptStatus::Failed;
        running->Yield();
        std::abort();  // a failed script is never resumed
    }
    throw HostError(std::move(message));
}

// --- HostSeam ---

void ScriptHost::RecordHostCall(CallKind kind, std::uint64_t arg, std::uint8_t argCount) {
    if (!trace_.Wanted()) return;
    CallRecord record;
    record.tMs = NowMs();
    record.kind = kind;
    record.argCount = argCount;
    record.args[0] = arg;
    trace_.Add(record);
}

void ScriptHost::RetireFiber() {
    if (fiber_) retired_.push_back(std::move(fiber_));
}

void ScriptHost::ScriptRegister(ModuleHandle module, ScriptRoutine script) {
    RecordHostCall(CallKind::ScriptRegister);
    if (script == nullptr) Fail("scriptRegister with a null script routine");
    RetireFiber();
    script_ = script;
    scriptModule_ = module;
    status_ = ScriptStatus::Registered;
}

void ScriptHost::ScriptUnregister(ModuleHandle module) {
    RecordHostCall(CallKind::ScriptUnregister);
    if (module != scriptModule_ || !ScriptLive()) return;
    RetireFiber();
    script_ = nullptr;
    status_ = ScriptStatus::Unregistered;
}

void ScriptHost::KeyboardHandlerRegister(KeyboardHandler handler) {
    RecordHostCall(CallKind::KeyboardHandlerRegister);
    keyboard_ = handler;
}

void ScriptHost::KeyboardHandlerUnregister(KeyboardHandler handler) {
    RecordHostCall(CallKind::KeyboardHandlerUnregister);
    if (handler == keyboard_) keyboard_ = nullptr;
}

void ScriptHost::ScriptWait(std::uint32_t milliseconds) {
    Fiber* running = Fiber::Current();
    if (running == nullptr) {
        Fail(fmt::format("scriptWait({}) called outside the running script", milliseconds));
    }
    RecordHostCall(CallKind::Wait, milliseconds, 1);
    if (milliseconds == 0) ++passes_;
    wakeUs_ = nowUs_ + static_cast<std::int64_t>(milliseconds) * 1000;
    // A script unregistered while it ran is not the current one any more:
    // it yields like any other and is never resumed.
    running->Yield();
}

void ScriptHost::NativeInit(std::uint64_t operation) {
    if (!decoder_.Begin(operation, decodeError_)) Fail(decodeError_);
}

void ScriptHost::NativePush64(std::uint64_t slot) {
    if (!decoder_.Push(slot, decodeError_)) Fail(decodeError_);
}

std::uint64_t* ScriptHost::NativeCall() {
    DecodedCall call;
    if (!decoder_.Finish(call, decodeError_)) Fail(decodeError_);
    world_.SetNowUs(nowUs_);
    world_.Perform(call, result_);
    if (trace_.Wanted()) {
        CallRecord record;
        record.tMs = NowMs();
        record.kind = CallKind::Operation;
        record.op = call.op;
        record.argCount = static_cast<std::uint8_t>(call.op->args.size());
        record.args = call.slots;
        record.result = result_;
        trace_.Add(record);
    }
    return result_.data();
}

std::uint32_t ScriptHost::TickCount() {
    ++tickCountReads_;
    return static_cast<std::uint32_t>(TickCount64Now());
}

std::uint64_t ScriptHost::TickCount64() {
    ++tickCount64Reads_;
    return TickCount64Now();
}

std::int32_t ScriptHost::ReadProfileInt(const char* section, const char* key, std::int32_t fallback,
                                        const char* path) {
    // Only the plugin's own settings file exists in the simulated process.
    std::int32_t value = fallback;
    if (settingsText_ && std::string_view(path) == kSettingsPath) {
        value = ProfileIntFromText(*settingsText_, section, key, fallback);
    }
    profileReads_.push_back({section, key, fallback, path, value});
    return value;
}

}  // namespace thornbrake::sim
