#pragma once

#include "common/bilingual.h"
#include "common/usbdevice.h"
#include "settings/document.h"

namespace lumidor {

// What the running program is in, held as plain values. The widgets show it:
// the pressed and disabled flag button shows the language, the converter
// labels ("---" when none) show the record; neither is where it is kept.
struct Session {
    // Czech until the first switch; every bilingual text is chosen by it at
    // the moment it is shown.
    Lang lang = Lang::Czech;
    // Who the converter is, as the last search found it.
    TUsbDevices UsbDevice;
    // The labels show a converter: the last search could open it. Transfers
    // give the write buttons back only then.
    bool converterPresent = false;
    // The pattern and the configuration being edited.
    Document doc;
    // The chosen effect (a number or none) is not here: the preset editor keeps
    // it as an EffectChoice (presets/effects.h) beside its pattern history,
    // whose undo steps restore it together with the grid.
};

}  // namespace lumidor
