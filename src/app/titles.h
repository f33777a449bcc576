#pragma once

#include "common/bilingual.h"
#include "common/message.h"
#include "link/libraryname.h"

namespace lumidor {

inline constexpr Bi kPlainTitle{"RC Lumidor konfigurátor HW v4.0",
                                "RC Lumidor configurator HW v4.0"};

// First-activation messages.
inline Message converterNotFoundMessage(Lang lang) {
    static constexpr Bi text{
        "                Převodník RC_LINKUP nebyl nalezen v žádném USB portu !!!\r\n\r\n"
        "Vložte, prosím, převodník do USB. Aplikace bude převodník automaticky detekovat.",
        "                  RC_LINKUP converter has not been found in any USB port !!!\r\n\r\n"
        "Please insert the converter into a USB port. The application will be automatically "
        "detect him."};
    return {MsgKind::Error, text(lang)};
}

inline Message libraryMissingMessage(Lang lang) {
    static constexpr Bi text{
        "V systému se nepodařilo najít potřebnou knihovnu \"%1\".\r\r         "
        "Nainstalujte prosím potřebné ovládače FTDI.",
        "In the system could not find the necessary library \"%1\".\r\r         "
        "Please install the required FTDI driver."};
    return {MsgKind::Warning, text(lang).arg(QString::fromLatin1(kD2xxLibraryFileName))};
}

inline Message settingsFileMissingMessage(Lang lang) {
    static constexpr Bi text{
        "Soubor \"rc_lumidor_konfigurator_hw_v40.ini\" nebyl nalezen.\r\n\r\n"
        "Konfigurace byla nastavena do výchozích hodnot.",
        "File \"rc_lumidor_konfigurator_hw_v40.ini\" not found.\r\n\r\n"
        "Configuration has been set to default values."};
    return {MsgKind::Warning, text(lang)};
}

}  // namespace lumidor
