#pragma once

// The engine thread hands its results to the user-interface thread through
// Qt's event queue, whose locks order the two threads. ThreadSanitizer
// cannot see those locks in a Qt that was not built for it, so under that
// sanitizer the hand-off is announced to it here, at the two ends; in every
// other build these cost nothing.

#if defined(__SANITIZE_THREAD__)
#define DIVUZ_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define DIVUZ_THREAD_SANITIZER 1
#endif
#endif

#ifdef DIVUZ_THREAD_SANITIZER
extern "C" void __tsan_acquire(void *addr);
extern "C" void __tsan_release(void *addr);
#endif

// The sending thread is done with what lies at address: everything it wrote
// before is visible to the thread that takes it over.
inline void HandOver([[maybe_unused]] const void *address)
{
#ifdef DIVUZ_THREAD_SANITIZER
    __tsan_release(const_cast<void *>(address));
#endif
}

// The receiving thread takes over what lies at address.
inline void TakeOver([[maybe_unused]] const void *address)
{
#ifdef DIVUZ_THREAD_SANITIZER
    __tsan_acquire(const_cast<void *>(address));
#endif
}
