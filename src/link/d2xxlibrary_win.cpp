// Finding the vendor library on Windows. Plain Win32 without Qt, so it is
// compiled by both the 32- and the 64-bit cross compilers in CI.
#ifdef _WIN32

#include <windows.h>

#include "link/d2xxapi.h"
#include "link/libraryname.h"

namespace lumidor::d2xx {

#if !defined(_WIN64)
// The 32-bit library exports __stdcall functions. This pointer only compiles
// when our function types say so too.
extern "C" Status __stdcall lumidorStdcallProbe(Handle handle);
[[maybe_unused]] constexpr CloseFn kCallingConventionMatches = &lumidorStdcallProbe;
#endif

void* findFunction(const char* name, Lookup& result) {
    // The default directories only, never the current one: a library planted
    // beside a document the user opened must not be loaded.
    HMODULE lib = LoadLibraryExA(kD2xxLibraryFileName, nullptr, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    if (lib == nullptr) {
        result = Lookup::LibraryMissing;
        return nullptr;
    }
    void* symbol = reinterpret_cast<void*>(GetProcAddress(lib, name));
    result = symbol != nullptr ? Lookup::Found : Lookup::FunctionMissing;
    return symbol;
}

}  // namespace lumidor::d2xx

#endif
