#pragma once
// What the fuzz targets assert: a broken promise aborts, so libFuzzer keeps
// the input that broke it. Included by exactly one file of each target.
#include <cstdlib>

// Runs that build whole files free many blocks each. With the sanitizer's
// default quarantine of 256 MB each freed block stays poisoned until that much
// has passed through, so every run touched fresh pages and a process grew to
// hundreds of MB. A small quarantine still catches use after free within a run.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0:quarantine_size_mb=16:malloc_context_size=8";
}

namespace lumidor::fuzz {

inline void check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

inline bool within(int v, int low, int high) {
    return v >= low && v <= high;
}

}  // namespace lumidor::fuzz
