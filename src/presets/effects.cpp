#include "presets/effects.h"

namespace lumidor {

bool isPlaceholderText(const QString& shown) {
    return shown.contains(QLatin1String("..."));
}

}  // namespace lumidor
