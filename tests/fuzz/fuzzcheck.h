#pragma once
// What the fuzz targets assert: a broken promise aborts, so libFuzzer keeps
// the input that broke it.
#include <cstdlib>

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
