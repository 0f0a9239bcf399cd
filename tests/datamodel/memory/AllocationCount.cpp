#include "AllocationCount.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

// Signed: a block that another allocator handed out may come back here.
std::atomic<long long> g_held{0};
std::atomic<long long> g_peak{0};
std::atomic<long long> g_base{0};

void* Take(size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) throw std::bad_alloc();
    const long long held = g_held += static_cast<long long>(malloc_usable_size(p));
    long long peak = g_peak.load();
    while (held > peak && !g_peak.compare_exchange_weak(peak, held)) {}
    return p;
}

void Give(void* p) {
    if (p == nullptr) return;
    g_held -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}

}  // namespace

// Under AddressSanitizer the runtime's own operator new may hand out a block
// before ours is in place (and the reverse); both end in the same malloc, so
// the pairing check would only report that.
extern "C" const char* __asan_default_options() { return "alloc_dealloc_mismatch=0"; }

void* operator new(size_t size) { return Take(size); }
void* operator new[](size_t size) { return Take(size); }
void operator delete(void* p) noexcept { Give(p); }
void operator delete[](void* p) noexcept { Give(p); }
void operator delete(void* p, size_t) noexcept { Give(p); }
void operator delete[](void* p, size_t) noexcept { Give(p); }

namespace testsupport {

void ResetAllocationPeak() {
    g_base = g_held.load();
    g_peak = g_base.load();
}

size_t AllocationPeakSinceReset() { return static_cast<size_t>(g_peak - g_base); }

}  // namespace testsupport
