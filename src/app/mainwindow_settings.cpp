#include "app/mainwindow.h"

namespace lumidor {

void TMainForm::loadSettings() {}

bool TMainForm::storePresets() { return true; }

bool TMainForm::storeConfiguration() { return true; }

}  // namespace lumidor
