#pragma once

#include <QtGlobal>

#include <cstddef>

#include <malloc.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VIGILA_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VIGILA_ASAN 1
#endif
#ifdef VIGILA_ASAN
// From the sanitizer runtime (GCC ships no header declaring it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

// Bytes in use on the heap now (the sanitizer's own allocator when it has replaced malloc). Exact
// only with glibc's per-thread and fast-bin caches off (GLIBC_TUNABLES, set by the test's ctest entry).
inline qint64 heapInUse()
{
#ifdef VIGILA_ASAN
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
#endif
}
