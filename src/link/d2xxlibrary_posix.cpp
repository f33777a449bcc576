// Finding the vendor library on Linux and other POSIX systems.
#ifndef _WIN32

#include <dlfcn.h>

#include "link/d2xxapi.h"
#include "link/libraryname.h"

namespace lumidor::d2xx {

void* findFunction(const char* name, Lookup& result) {
    // By bare name, so the loader's search path (LD_LIBRARY_PATH included) decides.
    void* lib = dlopen(kD2xxLibraryFileName, RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) {
        result = Lookup::LibraryMissing;
        return nullptr;
    }
    void* symbol = dlsym(lib, name);
    result = symbol != nullptr ? Lookup::Found : Lookup::FunctionMissing;
    return symbol;
}

}  // namespace lumidor::d2xx

#endif
