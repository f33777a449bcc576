#include "app/mainwindow.h"

namespace lumidor {

void TMainForm::SearchConverter() {}

}  // namespace lumidor
