#include "app/mainwindow.h"

namespace lumidor {

void TMainForm::Timer1Timer() {}

void TMainForm::cbPWMChange() {}

void TMainForm::tbSimChange() {}

}  // namespace lumidor
