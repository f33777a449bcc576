#pragma once

#include <QString>

#include "link/libraryname.h"

namespace lumidor::test {

// Expected texts quote the vendor library by its Linux name; this gives the
// text as the program shows it on the system it was built for.
inline QString quotingLibrary(const char* text) {
    return QString::fromUtf8(text).replace(QStringLiteral("libftd2xx.so"),
                                           QLatin1String(kD2xxLibraryFileName));
}

}  // namespace lumidor::test
