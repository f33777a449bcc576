#pragma once

#include <QString>

namespace lumidor {

// The effect list shows its placeholder item while no effect is shown as
// chosen. No effect name contains three full stops, so the text alone tells.
bool isPlaceholderText(const QString& shown);

}  // namespace lumidor
