#pragma once

#include <cstddef>

namespace nudgely {

// Memory for the few large buffers of a load (the decoded file texts, the events), asked of
// the kernel in whole huge pages where it offers them. Touched 4 KiB at a time, a load of
// 32,767 events faulted about 1,500 times, and in a virtual machine a fault costs
// microseconds: more than reading and resolving the events. Small sizes come from the heap.
void *allocateBulk(std::size_t bytes);
void freeBulk(void *memory, std::size_t bytes);

// For containers of such buffers.
template <class T>
struct BulkAllocator {
    using value_type = T;

    BulkAllocator() = default;
    template <class U>
    BulkAllocator(const BulkAllocator<U> &) noexcept
    {
    }

    T *allocate(std::size_t count) { return static_cast<T *>(allocateBulk(count * sizeof(T))); }
    void deallocate(T *memory, std::size_t count) noexcept { freeBulk(memory, count * sizeof(T)); }

    friend bool operator==(const BulkAllocator &, const BulkAllocator &) { return true; }
};

} // namespace nudgely
