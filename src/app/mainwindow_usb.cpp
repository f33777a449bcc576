#include "app/mainwindow.h"
#include "link/usbwatcher.h"

namespace lumidor {

void TMainForm::createUsbWatcher() {
    usbWatcher_ = std::make_unique<TUsbClass>();
    connect(usbWatcher_.get(), &TUsbClass::OnUsbArrival, this, &TMainForm::UsbArrival);
    connect(usbWatcher_.get(), &TUsbClass::OnUsbRemoval, this, &TMainForm::UsbRemoval);
}

void TMainForm::UsbArrival(TUsbClass* /*sender*/, const QString& /*usbDescription*/,
                           const QString& /*storageDescription*/,
                           const QString& /*storageFriendlyName*/) {
    SearchConverter();
}

void TMainForm::UsbRemoval(TUsbClass* /*sender*/, const QString& /*usbDescription*/,
                           const QString& /*storageDescription*/,
                           const QString& /*storageFriendlyName*/) {
    SearchConverter();
}

}  // namespace lumidor
