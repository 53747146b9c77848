#pragma once

#include <cstdio>
#include <cstdlib>

namespace stats::fuzz {

// A broken property ends the run as a crash, so that libFuzzer keeps the input that broke it.
inline void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace stats::fuzz
