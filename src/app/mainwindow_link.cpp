#include <QGuiApplication>
#include <QPushButton>

#include "app/mainwindow.h"
#include "common/ui/dialogs.h"
#include "link/D2XXUnit.h"
#include "link/convertersearch.h"
#include "link/d2xxswitchport.h"
#include "link/ui/interfacebox.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/ui/configpanelbox.h"

namespace lumidor {

void TMainForm::connectLink() {
    // The binding's failure boxes read the same in both languages.
    D2XXUnit::module().setReporter([](const Message& m) { Dialogs::current().show(m); });
    setSwitchPort(std::make_unique<D2xxSwitchPort>(D2XXUnit::module()));
}

void TMainForm::SearchConverter() {
    if (searching_) {
        // A USB event while this search shows its boxes: the converter may have
        // changed again, so look once more when this search is done.
        searchPending_ = true;
        return;
    }
    searching_ = true;
    do {
        searchPending_ = false;
        searchOnce();
    } while (searchPending_);
    searching_ = false;
}

void TMainForm::searchOnce() {
    ++searchCount_;
    bool busy = false;
    SearchInput input;
    input.lang = lang();
    input.windowVisible = isVisible();
    input.onBusy = [&busy] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        busy = true;
    };
    const SearchResult result = searchConverter(D2XXUnit::module(), input, session_.UsbDevice);
    session_.UsbDevice = result.device;
    if (result.labels) {
        session_.converterPresent = result.labels->present();
        GroupBox1->showLabels(*result.labels);
    }
    if (result.buttonsEnabled) {
        GroupBox3->writeButton()->setEnabled(*result.buttonsEnabled);
        GroupBox4->setWriteEnabled(*result.buttonsEnabled);
    }
    if (busy) {
        QGuiApplication::restoreOverrideCursor();
    }
    for (const Message& m : result.messages) {
        Dialogs::current().show(m);
    }
}

}  // namespace lumidor
