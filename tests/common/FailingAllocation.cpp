#include "FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {

thread_local long Countdown = 0; // 0: not armed
thread_local bool Fired = false;

void* Allocate(std::size_t size) {
    if (Countdown > 0 && --Countdown == 0) {
        Fired = true;
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void* AllocateOrNull(std::size_t size) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace

TFailingAllocation::TFailingAllocation(long n) {
    Countdown = n;
    Fired = false;
}

TFailingAllocation::~TFailingAllocation() {
    Countdown = 0;
}

bool TFailingAllocation::Failed() const {
    return Fired;
}

// Every form of new and delete goes through malloc and free, so that memory
// from one form is always released by another without a mismatch.
void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return AllocateOrNull(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return AllocateOrNull(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
