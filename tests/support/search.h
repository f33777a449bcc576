#pragma once

#include "link/convertersearch.h"

namespace lumidor::test {

// The labels a search leaves behind show a converter: what the user sees, and
// what the write buttons follow.
inline bool converterShown(const SearchResult& result) {
    return result.labels && result.labels->present;
}

}  // namespace lumidor::test
