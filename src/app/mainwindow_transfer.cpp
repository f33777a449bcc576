#include "app/mainwindow.h"

namespace lumidor {

void TMainForm::BitBtn1Click() {}

void TMainForm::BitBtn6Click() {}

void TMainForm::ReportTransferResult(QString& reply, bool configuration) {
    Q_UNUSED(reply);
    Q_UNUSED(configuration);
}

}  // namespace lumidor
