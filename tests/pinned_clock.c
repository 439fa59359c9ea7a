/*
 * A test-only preload library that stops the calendar clock at one second:
 *
 *     LD_PRELOAD=/path/to/libpinned_clock.so PINNED_CLOCK_SECONDS=2147483648 program
 *
 * The program's calls to time, gettimeofday and clock_gettime for the
 * real-time clocks then answer that second; monotonic clocks run on.  On
 * 32-bit glibc a program built with a 64-bit time_t calls __time64,
 * __gettimeofday64 and __clock_gettime64 instead, so those are pinned too.
 * Without PINNED_CLOCK_SECONDS the library changes nothing.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <sys/time.h>
#include <time.h>

/*
 * Points `function` at the C library's own definition of `name`, which this
 * library hides.  POSIX lets dlsym's data pointer hold a function's address;
 * ISO C has no conversion for that, so the pointer's bytes are copied.
 */
#define FIND_NEXT(function, name)                                                                  \
    do {                                                                                           \
        void* symbol = dlsym(RTLD_NEXT, name);                                                     \
        memcpy(&(function), &symbol, sizeof(function));                                            \
    } while (0)

/* Reads the pinned second; returns 0 when none is set. */
static int pinned_second(int64_t* second)
{
    const char* text = getenv("PINNED_CLOCK_SECONDS");
    char* end = NULL;
    if (text == NULL || *text == '\0') {
        return 0;
    }
    errno = 0;
    *second = strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0') {
        abort(); /* a test that pins the clock must say clearly where */
    }
    return 1;
}

static int is_real_time(clockid_t clock)
{
    return clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE;
}

time_t time(time_t* result)
{
    int64_t second = 0;
    if (!pinned_second(&second)) {
        time_t (*real)(time_t*) = NULL;
        FIND_NEXT(real, "time");
        return real(result);
    }
    if (result != NULL) {
        *result = (time_t)second;
    }
    return (time_t)second;
}

int gettimeofday(struct timeval* restrict result, void* restrict zone)
{
    int64_t second = 0;
    if (!pinned_second(&second)) {
        int (*real)(struct timeval*, void*) = NULL;
        FIND_NEXT(real, "gettimeofday");
        return real(result, zone);
    }
    result->tv_sec = (time_t)second;
    result->tv_usec = 0;
    return 0;
}

int clock_gettime(clockid_t clock, struct timespec* result)
{
    int64_t second = 0;
    if (!is_real_time(clock) || !pinned_second(&second)) {
        int (*real)(clockid_t, struct timespec*) = NULL;
        FIND_NEXT(real, "clock_gettime");
        return real(clock, result);
    }
    result->tv_sec = (time_t)second;
    result->tv_nsec = 0;
    return 0;
}

#if defined(__GLIBC__) && defined(__TIMESIZE) && __TIMESIZE == 32
/* glibc's 64-bit time entry points on 32-bit targets, with its layouts. */
struct timespec64 {
    int64_t tv_sec;
    int32_t tv_nsec;
    int32_t padding;
};

struct timeval64 {
    int64_t tv_sec;
    int64_t tv_usec;
};

int64_t __time64(int64_t* result);
int __gettimeofday64(struct timeval64* result, void* zone);
int __clock_gettime64(clockid_t clock, struct timespec64* result);

int64_t __time64(int64_t* result)
{
    int64_t second = 0;
    if (!pinned_second(&second)) {
        int64_t (*real)(int64_t*) = NULL;
        FIND_NEXT(real, "__time64");
        return real(result);
    }
    if (result != NULL) {
        *result = second;
    }
    return second;
}

int __gettimeofday64(struct timeval64* result, void* zone)
{
    int64_t second = 0;
    if (!pinned_second(&second)) {
        int (*real)(struct timeval64*, void*) = NULL;
        FIND_NEXT(real, "__gettimeofday64");
        return real(result, zone);
    }
    result->tv_sec = second;
    result->tv_usec = 0;
    return 0;
}

int __clock_gettime64(clockid_t clock, struct timespec64* result)
{
    int64_t second = 0;
    if (!is_real_time(clock) || !pinned_second(&second)) {
        int (*real)(clockid_t, struct timespec64*) = NULL;
        FIND_NEXT(real, "__clock_gettime64");
        return real(clock, result);
    }
    result->tv_sec = second;
    result->tv_nsec = 0;
    result->padding = 0;
    return 0;
}
#endif
