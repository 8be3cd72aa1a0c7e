#include "counting_allocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace thornbrake::hardening {
namespace {

std::atomic<bool> gCounting{false};
std::atomic<std::size_t> gAllocations{0};
std::atomic<std::size_t> gReleases{0};

void* Allocate(std::size_t size, std::size_t alignment) {
    if (gCounting.load(std::memory_order_relaxed)) gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (size == 0) size = 1;
    void* memory = nullptr;
    if (alignment <= alignof(std::max_align_t)) {
        memory = std::malloc(size);
    } else {
        // aligned_alloc wants a size that is a multiple of the alignment.
        memory = std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
    }
    return memory;
}

void Release(void* memory) {
    if (memory == nullptr) return;
    if (gCounting.load(std::memory_order_relaxed)) gReleases.fetch_add(1, std::memory_order_relaxed);
    std::free(memory);
}

void* AllocateOrThrow(std::size_t size, std::size_t alignment) {
    void* memory = Allocate(size, alignment);
    if (memory == nullptr) throw std::bad_alloc();
    return memory;
}

}  // namespace

void StartCountingAllocations() {
    gAllocations = 0;
    gReleases = 0;
    gCounting = true;
}

AllocationCounts StopCountingAllocations() {
    gCounting = false;
    return {gAllocations.load(), gReleases.load()};
}

}  // namespace thornbrake::hardening

using thornbrake::hardening::Allocate;
using thornbrake::hardening::AllocateOrThrow;
using thornbrake::hardening::Release;

namespace {
constexpr std::size_t kPlain = alignof(std::max_align_t);
std::size_t Aligned(std::align_val_t alignment) { return static_cast<std::size_t>(alignment); }
}  // namespace

void* operator new(std::size_t size) { return AllocateOrThrow(size, kPlain); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size, kPlain); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, kPlain); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size, kPlain); }
void* operator new(std::size_t size, std::align_val_t a) { return AllocateOrThrow(size, Aligned(a)); }
void* operator new[](std::size_t size, std::align_val_t a) { return AllocateOrThrow(size, Aligned(a)); }
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return Allocate(size, Aligned(a));
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return Allocate(size, Aligned(a));
}

void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete(void* p, std::align_val_t) noexcept { Release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { Release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { Release(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { Release(p); }
