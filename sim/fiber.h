// A coroutine with a stack of its own, on which the host runs the plugin's
// script: Resume() runs it until it calls Yield(). The implementation is one
// file per platform (fiber_ucontext.cpp here; a Windows build would use
// Windows fibers behind the same class).
#pragma once

#include <cstddef>
#include <memory>

namespace thornbrake::sim {

class Fiber {
public:
    using Entry = void (*)(void* argument);

    // The fiber does not run until the first Resume().
    Fiber(Entry entry, void* argument, std::size_t stackBytes = kDefaultStackBytes);
    // Frees the stack. A fiber suspended half-way is simply abandoned: no
    // destructor of its frames runs, which suits the plugin's plain data.
    ~Fiber();
    Fiber(const Fiber&) = delete;
    Fiber& operator=(const Fiber&) = delete;

    // From outside any fiber: switches to the fiber and returns when it
    // yields or its entry returns. Must not be called once Finished().
    void Resume();

    // From inside this fiber: switches back to the Resume() that ran it.
    void Yield();

    bool Finished() const;

    // The fiber running now, nullptr outside every fiber.
    static Fiber* Current();

    static constexpr std::size_t kDefaultStackBytes = std::size_t{1} << 20;

private:
    struct Impl;
    static void Run();
    std::unique_ptr<Impl> impl_;
};

}  // namespace thornbrake::sim
