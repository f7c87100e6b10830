#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the run with a finding: libFuzzer keeps the input that got here.
[[noreturn]] inline void Finding(const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

inline void Expect(bool holds, const char* what) {
    if (!holds) {
        Finding(what);
    }
}
