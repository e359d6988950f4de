#include "text/BulkMemory.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace nudgely {

namespace {

constexpr std::size_t HugePage = 2 * 1024 * 1024;
// Below this the heap serves as well.
constexpr std::size_t BulkThreshold = 128 * 1024;

std::size_t roundUp(std::size_t value, std::size_t to)
{
    return (value + to - 1) / to * to;
}

bool isBulk(std::size_t bytes)
{
    return bytes >= BulkThreshold;
}

} // namespace

void *allocateBulk(std::size_t bytes)
{
    if (!isBulk(bytes))
        return ::operator new(bytes);
    const std::size_t size = roundUp(bytes, HugePage);
    // One huge page more than needed, so that the block can start on a huge page's boundary.
    void *mapped = ::mmap(nullptr, size + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    auto *const first = static_cast<char *>(mapped);
    auto *const start = reinterpret_cast<char *>(roundUp(reinterpret_cast<std::uintptr_t>(first), HugePage));
    if (start != first)
        ::munmap(first, static_cast<std::size_t>(start - first));
    if (const std::size_t after = static_cast<std::size_t>(first + size + HugePage - (start + size)))
        ::munmap(start + size, after);
    // A kernel without transparent huge pages refuses; the block is then in small pages.
    ::madvise(start, size, MADV_HUGEPAGE);
    return start;
}

void freeBulk(void *memory, std::size_t bytes)
{
    if (!memory)
        return;
    if (!isBulk(bytes))
        ::operator delete(memory);
    else
        ::munmap(memory, roundUp(bytes, HugePage));
}

} // namespace nudgely
