#include "settings/configpanel.h"

#include <array>

namespace lumidor {
namespace {

constexpr Bi kProgItems[] = {
    {"Prog. č.0 - PC", "Prog. #0 - PC"},
    {"Prog. č.1 - Auto světla", "Prog. #1 - Car lights"},
    {"Prog. č.2 - Zvuk", "Prog. #2 - Sound"},
    {"Prog. č.3 - Měření Ucc", "Prog. #3 - Measure Ucc"},
};
constexpr Bi kInicializaceItems[] = {
    {"Čas inic. - 250 ms", "Init. time - 250 ms"},
    {"Čas inic. - 500 ms", "Init. time - 500 ms"},
    {"Čas inic. - 1000 ms", "Init. time - 1000 ms"},
    {"Čas inic. - 2000 ms", "Init. time - 2000 ms"},
    {"Čas inic. - zobr.akt.napětí", "Init. time - show act.voltage"},
};
constexpr Bi kInicBlikItems[] = {
    {"Inic. dvoublik - vypnut", "Init. double flash - OFF"},
    {"Inic. dvoublik - zapnut", "Init. double flash - ON"},
};
constexpr Bi kFailSafeItems[] = {
    {"FailSafe - vypnut", "FailSafe - OFF"},
    {"FailSafe - zapnut", "FailSafe - ON"},
    {"FailSafe - HOLD", "FailSafe - HOLD"},
};
constexpr Bi kNastavVysilacemItems[] = {
    {"Konf.vysílačem - Vyp", "Config. by transm. - OFF"},
    {"Konf.vysílačem - Zap", "Config. by transm. - ON"},
};
constexpr Bi kIndikacniLEDItems[] = {
    {"RX LED - vypnuta", "RX LED - OFF"},
    {"RX LED - zapnuta", "RX LED - ON"},
};
constexpr Bi kVoltageGuardItems[] = {
    {"Nehlídat palub.napětí", "Don`t protect on-board voltage"},
    {"Hlídat palub.napětí --->", "Protect on-board voltage --->"},
};
constexpr Bi kSmerovkyOnOffItems[] = {
    {"\"Corner\" + směrovky", "\"Corner\" + winkers"},
    {"Pouze \"Corner\"", "\"Corner\" only"},
};
constexpr Bi kCornerSpeedItems[] = {
    {"\"Corner\" - pomalý", "\"Corner\" - slowly"},
    {"\"Corner\" - normal", "\"Corner\" - normal"},
    {"\"Corner\" - rychlý", "\"Corner\" - fast"},
};
constexpr Bi kProdlevaSmerovkyTimeItems[] = {
    {"Prodleva směrov. - Vyp.", "Delay winkers - OFF"},
    {"Prodleva směrov. - 2s", "Delay winkers - 2s"},
    {"Prodleva směrov. - 4s", "Delay winkers - 4s"},
    {"Prodleva směrov. - 6s", "Delay winkers - 6s"},
};
constexpr Bi kVarovneSmerovkyTimeItems[] = {
    {"Var.směrovky - Vyp.", "Warning winkers - OFF"},
    {"Var.směrovky - 10s", "Warning winkers - 10s"},
    {"Var.směrovky - 20s", "Warning winkers - 20s"},
    {"Var.směrovky - 30s", "Warning winkers - 30s"},
};
constexpr Bi kSoundSpeedItems[] = {
    {"Zvuk - zpomalit 4x", "Sound - slow down 4x"},
    {"Zvuk - zpomalit 2x", "Sound - slow down 2x"},
    {"Zvuk - normal", "Sound - normal"},
    {"Zvuk - zrychlit 2x", "Sound - speed up 2x"},
    {"Zvuk - zrychlit 4x", "Sound - speed up 4x"},
};
constexpr Bi kEngineTypeItems[] = {
    {"Benzín", "Petrol"},
    {"Diesel", "Diesel"},
    {"Parní", "Steam"},
    {"Siréna", "Siren"},
};
constexpr Bi kCylinderItems[] = {
    {"Počet válců - 2", "Number of cylinders - 2"},
    {"Počet válců - 4", "Number of cylinders - 4"},
    {"Počet válců - 6", "Number of cylinders - 6"},
};
constexpr Bi kTimeOffItems[] = {
    {"Čas zhasnutí po - 10s", "Time after stalling - 10s"},
    {"Čas zhasnutí po - 30s", "Time after stalling - 30s"},
    {"Čas zhasnutí po - 1min", "Time after stalling - 1min"},
};
constexpr Bi kEngineShutDownItems[] = {
    {"Rychl. zhasnutí - pomalá", "Stalling speed - slow"},
    {"Rychl. zhasnutí - střední", "Stalling speed - middle"},
    {"Rychl. zhasnutí - rychlá", "Stalling speed - quick"},
};
constexpr Bi kControlItems[] = {
    {"Pozice neutrálu - střed", "Neutral pos. - middle of stick"},
    {"Pozice neutrálu - kraj", "Neutral pos. - extreme position"},
};
constexpr Bi kCalKniplItems[] = {
    {"Knipl - výchozí", "Stick - default"},
    {"Knipl - kalibrovaný", "Stick - calibrated"},
};
constexpr Bi kNeutralItems[] = {
    {"Neutrál - malý", "Neutral - small"},
    {"Neutrál - střední", "Neutral - middle"},
    {"Neutrál - velký", "Neutral - big"},
};
constexpr Bi kReverseItems[] = {
    {"Reverz - vypnut", "Reverse - OFF"},
    {"Reverz - zapnut", "Reverse - ON"},
};

constexpr Bi kReverseHint{"Aktivace nebo deaktivace reverzní funkce RC Lumidoru.",
                          "Activate or deactivate reverse function of RC Lumidors."};

// Indexed by ConfigList.
const std::array<ConfigListText, kConfigListCount> kLists{{
    {"cbProg",
     kProgItems,
     {"Výběr programu uloženého v RC Lumidoru.", "Selecting a program stored in the RC Lumidor."}},
    {"cbInicializace",
     kInicializaceItems,
     {"Čas inicializace RC Lumidoru po připojení napájení.",
      "Time of initialization RC Lumidor after the turn on of power supply."}},
    {"cbInicBlik",
     kInicBlikItems,
     {"Výběr typu indikace po přivedení napájení do RC Lumidoru.",
      "Selecting the type of indication after the turn on of power supply to the RC "
      "Lumidore."}},
    {"cbFailSafe", kFailSafeItems, {"Zvolení typu FailSafe.", "Selecting the type FailSafe."}},
    {"cbNastavVysilacem",
     kNastavVysilacemItems,
     {"Volba pro povolení nebo zakázání možnosti nastavení RC Lumidoru pomocí vysílače.",
      "Active or deactive selection for adjustable of RC Lumidor by RC transmitter."}},
    {"cbIndikacniLED",
     kIndikacniLEDItems,
     {"Aktivuje nebo deaktivuje RX LED na RC Lumidoru.",
      "Activate or deactivate RX LED in RC Lumidor."}},
    {"cbVoltageGuard",
     kVoltageGuardItems,
     {"Výběr položky, která určuje, zda bude RC Lumidor trvale sledovat napájení a v případě "
      "překročení nastavené meze toto alarmovat.",
      "Select an item that determines whether the RC Lumidor will continuously monitor the "
      "supply power and in case of exceeding the set limit, this will an alarm."}},
    {"cbSmerovky_OnOff",
     kSmerovkyOnOffItems,
     {"Výběr typu ovládaných světel.", "Selection the type of controlled lights."}},
    {"cbCornerSpeed",
     kCornerSpeedItems,
     {"Volba rychlosti změny jasu pro stav zapnuto / vypnuto na výstupech č.1 a č.2.",
      "Selecting the rate of change of britness for state ON / state OFF on the output No.1 "
      "and No.2."}},
    {"cbProdlevaSmerovkyTime",
     kProdlevaSmerovkyTimeItems,
     {"Výběr časové prodlevy pro zapnutí směrovek. Funkce podporována od verze firmware v1.6 "
      "a novější.",
      "Selecting the time of delay for switch on winkers. Feature is supported by the "
      "firmware version v1.6 and above."}},
    {"cbVarovneSmerovkyTime",
     kVarovneSmerovkyTimeItems,
     {"Volba času pro zapnutí varovných směrovek u stojícího vozu.",
      "Selecting the time to turn on warning lights for a stationary vehicle."}},
    {"cbSoundSpeed",
     kSoundSpeedItems,
     {"Mění rychlost zvukových efektů generovaných RC Lumidorem.",
      "Changing the speed of sound effects generated by the RC Lumidor."}},
    {"cbEngineType",
     kEngineTypeItems,
     {"Výběr imitování zvukového projevu. Siréna podporována od verze firmware v1.5 a "
      "novější.",
      "Selecting imitating the sound. Siren is supported by the firmware version v1.5 and "
      "above."}},
    {"cbCylinder",
     kCylinderItems,
     {"Počet válců, které bude Lumidor imitovat.",
      "The number of cylinders that will RC Lumidor imitated."}},
    {"cbTimeOff",
     kTimeOffItems,
     {"Čas, který musí uplynout v neutrálu pro zhasnutí motoru.",
      "Time that have to elapse in neutral position for stalling engine."}},
    {"cbEngineShutDown",
     kEngineShutDownItems,
     {"Volba rychlosti zhasnutí motoru.", "Selection of speed of stalling engine."}},
    {"cbControl",
     kControlItems,
     {"Udává polohu kniplu vysílače, kde je neutrál plynu.",
      "Indicates the stick position of the RC transmitter where is neutral position."}},
    {"cbCalKnipl",
     kCalKniplItems,
     {"Výběr rozpětí vstupních impulsů, které budou brány za výchozí hodnoty pro stavy ON - "
      "OFF.",
      "Selecting range of input pulses which will be taken as default values for the states "
      "ON - OFF."}},
    {"cbNeutral",
     kNeutralItems,
     {"Výběr rozpětí vstupních impulsů, které budou brány za polohu kniplu ve středové "
      "poloze.",
      "Selecting range of input pulses which will be taken as default values for the central "
      "position."}},
    {"cbReverse1", kReverseItems, kReverseHint},
    {"cbReverse0", kReverseItems, kReverseHint},
}};

constexpr std::array<ConfigList, kConfigListCount> kAllLists{
    ConfigList::Prog,
    ConfigList::Inicializace,
    ConfigList::InicBlik,
    ConfigList::FailSafe,
    ConfigList::NastavVysilacem,
    ConfigList::IndikacniLED,
    ConfigList::VoltageGuard,
    ConfigList::Smerovky_OnOff,
    ConfigList::CornerSpeed,
    ConfigList::ProdlevaSmerovkyTime,
    ConfigList::VarovneSmerovkyTime,
    ConfigList::SoundSpeed,
    ConfigList::EngineType,
    ConfigList::Cylinder,
    ConfigList::TimeOff,
    ConfigList::EngineShutDown,
    ConfigList::Control,
    ConfigList::CalKnipl,
    ConfigList::Neutral,
    ConfigList::Reverse1,
    ConfigList::Reverse0,
};

constexpr Bi kStickHintPrefix{"Nastavení meze kniplu pro stav Zapnuto - ",
                              "Setting limits stick for the status ON - "};
constexpr Bi kVoltagePrefix{"Flash alarm pod ", "Flash alarm under "};

constexpr int kSirenEngine = 3;
constexpr int kMeasureProgram = 3;
constexpr int kCarLightsProgram = 1;
constexpr int kSoundProgram = 2;

}  // namespace

const ConfigListText& configListText(ConfigList list) {
    return kLists[static_cast<size_t>(list)];
}

std::span<const ConfigList> allConfigLists() {
    return kAllLists;
}

QStringList configListItems(ConfigList list, Lang lang) {
    QStringList items;
    for (const Bi& item : configListText(list).items) {
        items << item(lang);
    }
    return items;
}

int configListDefault(ConfigList list) {
    return ConfigValues{}.list(list);
}

QString voltageText(int tenths, Lang lang) {
    QString digits = QString::number(tenths);
    digits.insert(1, QLatin1Char('.'));
    return kVoltagePrefix(lang) + digits + QStringLiteral(" V");
}

int keepLeftLimit(int position) {
    if (position <= kLeftKeptMin) {
        position = kLeftKeptMin;
    }
    if (position >= kLeftKeptMax) {
        position = kLeftKeptMax;
    }
    return position;
}

int keepRightLimit(int position) {
    if (position <= kRightKeptMin) {
        position = kRightKeptMin;
    }
    if (position >= kRightKeptMax) {
        position = kRightKeptMax;
    }
    return position;
}

QString stickLimitHint(int position, Lang lang) {
    return kStickHintPrefix(lang) + QString::number(position) + QStringLiteral("us");
}

std::optional<NeutralBand> neutralBand(int index) {
    // Half-widths 32, 48 and 64 us around the 1504 us centre.
    static constexpr NeutralBand kBands[] = {{1472, 1536}, {1456, 1552}, {1440, 1568}};
    if (index < 0 || index >= static_cast<int>(std::size(kBands))) {
        return std::nullopt;
    }
    return kBands[index];
}

ConfigEnabling configEnabling(int program, int engine, int calibration, int guard) {
    ConfigEnabling e{};
    // Measuring the supply is program 3 itself, so guarding it makes no sense there.
    e.voltageGuard = program != kMeasureProgram;
    e.voltage = e.voltageGuard && guard == 1;
    e.carLights = program == kCarLightsProgram;
    e.soundBase = program == kSoundProgram;
    // The siren has no cylinders, stall time, shut-down or throttle neutral;
    // no engine selected counts as an engine.
    e.engineDetails = e.soundBase && engine != kSirenEngine;
    e.stickLimits = calibration == 1;
    return e;
}

}  // namespace lumidor
