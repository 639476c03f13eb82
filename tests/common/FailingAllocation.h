#pragma once

// Memory running out in the middle of an operation. While armed, the n-th
// allocation through operator new made on this thread, counted from the
// arming, throws std::bad_alloc; allocations on other threads are left alone.
// Linking this file replaces the program's operator new and delete.
class TFailingAllocation final {
public:
    explicit TFailingAllocation(long n);
    ~TFailingAllocation();
    TFailingAllocation(const TFailingAllocation&) = delete;
    TFailingAllocation& operator=(const TFailingAllocation&) = delete;

    // The allocation has failed.
    bool Failed() const;
};
