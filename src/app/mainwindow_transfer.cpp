#include "app/mainwindow.h"

#include "transfer/switchport.h"

namespace lumidor {

void TMainForm::BitBtn1Click() {}

void TMainForm::BitBtn6Click() {}

void TMainForm::ReportTransferResult(QString& reply, bool configuration) {
    Q_UNUSED(reply);
    Q_UNUSED(configuration);
}

void TMainForm::setSwitchPort(std::unique_ptr<SwitchPort> port) { port_ = std::move(port); }

}  // namespace lumidor
