#include "FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {
thread_local long Countdown = 0; // 0: not armed
thread_local bool Fired = false;
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

void* operator new(std::size_t size) {
    if (Countdown > 0 && --Countdown == 0) {
        Fired = true;
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
