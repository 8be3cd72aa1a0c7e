// The simulated script host: loads the plugin as the real host's process
// does, runs its script on a fiber frame by frame against a simulated world,
// and records every call the plugin makes.
//
// Time: the host runs frames of a fixed length on an integer microsecond
// clock that starts at 0. Each frame first calls the frame hook (which may
// move the world), then resumes the script if it is due, then advances the
// clock. A script that calls scriptWait(ms) at time t is resumed on the first
// later frame whose time is at least t + ms, so scriptWait(0) lasts one frame.
// The script first runs on the first frame after Attach().
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/call_decoder.h"
#include "sim/fiber.h"
#include "sim/host_error.h"
#include "sim/host_seam.h"
#include "sim/trace.h"
#include "sim/world.h"

namespace thornbrake::sim {

inline constexpr std::int64_t kDefaultFrameUs = 1'000'000 / 30;

struct HostOptions {
    // Seeds the world's random numbers and, unless bootTickMs is given, the
    // tick count at time 0: a seed reproduces a run exactly.
    std::uint64_t seed = 1;
    std::int64_t frameUs = kDefaultFrameUs;
    // GetTickCount64() at time 0; BootTickForSeed(seed) when absent.
    std::optional<std::uint64_t> bootTickMs;
    bool recordTrace = true;
};

// Between one hour and about 31 days after system start, from the seed.
std::uint64_t BootTickForSeed(std::uint64_t seed);

// Called before every frame with the world and the frame's time.
using FrameHook = std::function<void(WorldState& world, std::int64_t nowUs)>;

// One settings read of the plugin, as the host answered it.
struct ProfileRead {
    std::string section;
    std::string key;
    std::int32_t fallback;
    std::string path;
    std::int32_t value;
};

enum class ScriptStatus {
    None,          // nothing registered yet
    Registered,    // registered, not started yet (starts on the next frame)
    Running,       // started; suspended in scriptWait between frames
    Unregistered,  // unregistered: never resumed again
    Returned,      // the script routine returned (the plugin's never does)
    Failed,        // stopped on a host error; see FailureMessage()
};

class ScriptHost final : private HostSeam {
public:
    // Only one host can be active at a time: the plugin's calls reach it
    // through process-wide functions. Throws HostError if another exists.
    explicit ScriptHost(const HostOptions& options = {});
    ~ScriptHost();
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    // --- The library's life ---

    // Emulates loading the library afresh: the thirteen settings reads (from
    // `settingsText` as the content of the settings file, or with no file at
    // all for nullopt), and the cholla state and key table reset. Throws
    // HostError while the plugin is attached.
    void Load(std::optional<std::string> settingsText);
    // Delivers a library notification (1 attach, 0 detach, 2/3 thread
    // attach/detach, ...) and returns the plugin's answer. Attach loads the
    // library with no settings file first if Load() was not called.
    std::int32_t Notify(std::uint32_t reason);
    void Attach();
    void Detach();
    // The module handle the host passes to the entry point.
    ModuleHandle Module() const;

    // --- Running (each throws HostError when the script broke a rule) ---

    void StepFrame();
    void RunFrames(std::int64_t count);
    // Frames until the clock has advanced by at least `ms` milliseconds.
    void RunForMs(std::int64_t ms);
    // Frames until `count` more passes have ended (a pass ends with
    // scriptWait(0)). Throws HostError if the script is not running.
    void RunPasses(std::int64_t count);
    void SetFrameHook(FrameHook hook) { hook_ = std::move(hook); }

    // Calls the registered keyboard handler; false when none is registered.
    bool SendKeyboardMessage(std::uint32_t key, std::uint16_t repeats, std::uint8_t scanCode,
                             std::int32_t extended, std::int32_t altHeld,
                             std::int32_t previouslyDown, std::int32_t released);

    // --- Observation ---

    WorldState& State() { return world_.State(); }
    Trace& GetTrace() { return trace_; }
    std::int64_t NowUs() const { return nowUs_; }
    std::int64_t NowMs() const { return nowUs_ / 1000; }
    std::int64_t FrameUs() const { return frameUs_; }
    std::int64_t Frames() const { return frames_; }
    std::int64_t PassesCompleted() const { return passes_; }
    ScriptStatus Status() const { return status_; }
    const std::string& FailureMessage() const { return failure_; }
    // When a suspended script is due again.
    std::int64_t WakeUs() const { return wakeUs_; }
    bool KeyboardHandlerRegistered() const { return keyboard_ != nullptr; }

    std::uint64_t BootTickMs() const { return bootTickMs_; }
    void SetBootTickMs(std::uint64_t ms) { bootTickMs_ = ms; }
    // GetTickCount64() as the plugin would read it now.
    std::uint64_t TickCount64Now() const;
    // How often the plugin asked for the tick counts.
    std::int64_t TickCountReads() const { return tickCountReads_; }
    std::int64_t TickCount64Reads() const { return tickCount64Reads_; }
    // The settings reads of the last Load(), in order.
    const std::vector<ProfileRead>& ProfileReads() const { return profileReads_; }

private:
    // HostSeam: what the plugin's calls reach.
    void ScriptRegister(ModuleHandle module, ScriptRoutine script) override;
    void ScriptUnregister(ModuleHandle module) override;
    void KeyboardHandlerRegister(KeyboardHandler handler) override;
    void KeyboardHandlerUnregister(KeyboardHandler handler) override;
    void ScriptWait(std::uint32_t milliseconds) override;
    void NativeInit(std::uint64_t operation) override;
    void NativePush64(std::uint64_t slot) override;
    std::uint64_t* NativeCall() override;
    std::uint32_t TickCount() override;
    std::uint64_t TickCount64() override;
    std::int32_t ReadProfileInt(const char* section, const char* key, std::int32_t fallback,
                                const char* path) override;

    static void RunScript(void* host);
    bool ScriptLive() const;
    void ResumeScriptIfDue();
    void RetireFiber();
    [[noreturn]] void Fail(std::string message);
    void ThrowIfFailed() const;
    void RecordHostCall(CallKind kind, std::uint64_t arg = 0, std::uint8_t argCount = 0);

    World world_;
    Trace trace_;
    CallDecoder decoder_;
    ResultSlots result_{};
    std::string decodeError_;

    FrameHook hook_;
    std::int64_t frameUs_;
    std::int64_t nowUs_ = 0;
    std::int64_t frames_ = 0;
    std::int64_t passes_ = 0;
    std::uint64_t bootTickMs_;

    ScriptStatus status_ = ScriptStatus::None;
    ScriptRoutine script_ = nullptr;
    ModuleHandle scriptModule_ = nullptr;
    KeyboardHandler keyboard_ = nullptr;
    std::unique_ptr<Fiber> fiber_;
    std::vector<std::unique_ptr<Fiber>> retired_;  // abandoned; freed with the host
    std::int64_t wakeUs_ = 0;
    std::string failure_;

    bool loaded_ = false;
    std::optional<std::string> settingsText_;
    std::vector<ProfileRead> profileReads_;
    std::int64_t tickCountReads_ = 0;
    std::int64_t tickCount64Reads_ = 0;
};

}  // namespace thornbrake::sim
