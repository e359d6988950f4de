#pragma once

// The fuzz targets' one assertion: names the check that failed, then stops as libFuzzer expects.

#include <cstdio>
#include <cstdlib>

namespace nudgely::fuzz {

inline void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

} // namespace nudgely::fuzz

#define require(condition) ::nudgely::fuzz::check(condition, #condition)
