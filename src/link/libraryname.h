#pragma once

namespace lumidor {

// The vendor library is looked up by the platform's own file name; texts that
// quote the name use the same spelling.
#if defined(_WIN32)
inline constexpr const char* kD2xxLibraryFileName = "FTD2XX.DLL";
#elif defined(__APPLE__)
inline constexpr const char* kD2xxLibraryFileName = "libftd2xx.dylib";
#else
inline constexpr const char* kD2xxLibraryFileName = "libftd2xx.so";
#endif

}  // namespace lumidor
