#include "view/modelview.h"

namespace lumidor {
namespace {

constexpr Bi kBeacon{"Maják", "Beacon"};
constexpr Bi kFlash{"Zábleskové světlo", "Flash light"};
constexpr Bi kPosition{"Poziční světlo", "Position light"};
constexpr Bi kLanding{"Přistávací světlo", "Landing light"};
constexpr Bi kAuxiliary{"Pomocné světlo", "Auxiliary light"};
constexpr Bi kCabin{"Kajutové světlo", "Cabin light"};
constexpr Bi kMast{"Poziční stožárové světlo", "Positional mast light"};
constexpr Bi kReflector{"Reflektor", "Reflector"};

// The car's tips are the same Czech text in both languages.
constexpr Bi czechOnly(const char* text) {
    return Bi{text, text};
}
constexpr Bi kCarFogLeft = czechOnly("Levé mlhové světlo nebo \"Corner\"");
constexpr Bi kCarFogRight = czechOnly("Pravé mlhové světlo nebo \"Corner\"");
constexpr Bi kCarIndicatorFrontLeft = czechOnly("Levý přední blikač / výstup č.?");
constexpr Bi kCarIndicatorFrontRight = czechOnly("Pravý přední blikač / Výstup č.?");
constexpr Bi kCarHeadLeft = czechOnly("Levý světlomet");
constexpr Bi kCarHeadRight = czechOnly("Pravý světlomet");
constexpr Bi kCarBar = czechOnly("Světelná rampa");
constexpr Bi kCarIndicatorRearLeft = czechOnly("Levý zadní blikač");
constexpr Bi kCarIndicatorRearRight = czechOnly("Pravý zadní blikač");
constexpr Bi kCarTailLeft = czechOnly("Levý zadní světlomet nebo brzdové světlo");
constexpr Bi kCarTailRight = czechOnly("Pravý zadní světlomet nebo brzdové světlo");

constexpr int kIndicatorMs = 400;

using M = Model;
using S = LampShape;

constexpr std::array<LampSpec, kFollowingLamps + kCarLamps> kLamps{{
    {"aeroLED1", M::Aeroplane, 174, 143, kLampRed, 1, S::Square, 0, &kBeacon},
    {"aeroLED2", M::Aeroplane, 336, 184, kLampWhite, 2, S::Square, 0, &kFlash},
    {"aeroLED3", M::Aeroplane, 174, 316, kLampWhite, 3, S::Square, 0, &kFlash},
    {"aeroLED4", M::Aeroplane, 12, 185, kLampWhite, 4, S::Square, 0, &kFlash},
    {"aeroLED5", M::Aeroplane, 12, 169, kLampRed, 5, S::Square, 0, &kPosition},
    {"aeroLED6", M::Aeroplane, 336, 168, kLampGreen, 6, S::Square, 0, &kPosition},
    {"aeroLED7", M::Aeroplane, 108, 153, kLampWhite, 7, S::Square, 0, &kLanding},
    {"aeroLED8", M::Aeroplane, 239, 153, kLampWhite, 8, S::Square, 0, &kLanding},
    // Each output drives two arms; the outermost lamp of an arm shows the
    // lowest output of its four.
    {"qcLED1", M::Quadcopter, 163, 92, kLampRed, 1, S::Square, 0, nullptr},
    {"qcLED2", M::Quadcopter, 163, 110, kLampRed, 2, S::Square, 0, nullptr},
    {"qcLED3", M::Quadcopter, 163, 128, kLampRed, 3, S::Square, 0, nullptr},
    {"qcLED4", M::Quadcopter, 163, 145, kLampRed, 4, S::Square, 0, nullptr},
    {"qcLED5", M::Quadcopter, 253, 181, kLampRed, 1, S::Square, 0, nullptr},
    {"qcLED6", M::Quadcopter, 236, 181, kLampRed, 2, S::Square, 0, nullptr},
    {"qcLED7", M::Quadcopter, 218, 181, kLampRed, 3, S::Square, 0, nullptr},
    {"qcLED8", M::Quadcopter, 199, 181, kLampRed, 4, S::Square, 0, nullptr},
    {"qcLED9", M::Quadcopter, 163, 264, kLampRed, 5, S::Square, 0, nullptr},
    {"qcLED10", M::Quadcopter, 163, 247, kLampRed, 6, S::Square, 0, nullptr},
    {"qcLED11", M::Quadcopter, 163, 231, kLampRed, 7, S::Square, 0, nullptr},
    {"qcLED12", M::Quadcopter, 163, 215, kLampRed, 8, S::Square, 0, nullptr},
    {"qcLED13", M::Quadcopter, 76, 181, kLampRed, 5, S::Square, 0, nullptr},
    {"qcLED14", M::Quadcopter, 93, 181, kLampRed, 6, S::Square, 0, nullptr},
    {"qcLED15", M::Quadcopter, 110, 181, kLampRed, 7, S::Square, 0, nullptr},
    {"qcLED16", M::Quadcopter, 128, 181, kLampRed, 8, S::Square, 0, nullptr},
    {"lodLED1", M::Boat, 44, 99, kLampRed, 1, S::Square, 0, &kPosition},
    {"lodLED2", M::Boat, 44, 82, kLampGreen, 2, S::Square, 0, &kPosition},
    {"lodLED3", M::Boat, 177, 91, kLampAqua, 3, S::Square, 0, &kBeacon},
    {"lodLED4", M::Boat, 331, 88, kLampYellow, 4, S::Square, 0, &kAuxiliary},
    {"lodLED5", M::Boat, 149, 67, kLampYellow, 5, S::Square, 0, &kCabin},
    {"lodLED6", M::Boat, 149, 111, kLampYellow, 6, S::Square, 0, &kCabin},
    {"lodLED7", M::Boat, 193, 91, kLampRed, 7, S::Square, 0, &kMast},
    {"lodLED8", M::Boat, 229, 91, kLampWhite, 8, S::Square, 0, &kReflector},
    {"carLED1", M::Car, 32, 133, kLampWhite, 0, S::Round, 0, &kCarFogLeft},
    {"carLED2", M::Car, 136, 133, kLampWhite, 0, S::Round, 0, &kCarFogRight},
    {"carLED3", M::Car, 22, 119, kLampYellow, 0, S::Lying, kIndicatorMs, &kCarIndicatorFrontLeft},
    {"carLED4", M::Car, 145, 118, kLampYellow, 0, S::Lying, kIndicatorMs, &kCarIndicatorFrontRight},
    {"carLED5", M::Car, 24, 101, kLampWhite, 0, S::Round, 0, &kCarHeadLeft},
    {"carLED6", M::Car, 148, 101, kLampWhite, 0, S::Round, 0, &kCarHeadRight},
    {"carLED7", M::Car, 61, 37, kLampWhite, 0, S::Round, 0, &kCarBar},
    {"carLED8", M::Car, 77, 37, kLampWhite, 0, S::Round, 0, &kCarBar},
    {"carLED9", M::Car, 93, 37, kLampWhite, 0, S::Round, 0, &kCarBar},
    {"carLED10", M::Car, 109, 37, kLampWhite, 0, S::Round, 0, &kCarBar},
    {"carLED11", M::Car, 188, 109, kLampYellow, 0, S::Round, kIndicatorMs, &kCarIndicatorRearLeft},
    {"carLED12", M::Car, 317, 109, kLampYellow, 0, S::Round, kIndicatorMs, &kCarIndicatorRearRight},
    {"carLED13", M::Car, 188, 93, kLampRed, 0, S::Round, 0, &kCarTailLeft},
    {"carLED14", M::Car, 317, 93, kLampRed, 0, S::Round, 0, &kCarTailRight},
}};

// On the down arm the outer lamp shows output 5, so its labels run upwards
// from output 5 to stand each beside the lamp of its own output, as on the
// up arm.
constexpr std::array<LabelSpec, 24> kLabels{{
    {"aeroLbl1", M::Aeroplane, 159, 41, 1},      {"aeroLbl2", M::Aeroplane, 308, 205, 2},
    {"aeroLbl3", M::Aeroplane, 161, 339, 3},     {"aeroLbl4", M::Aeroplane, 10, 205, 4},
    {"aeroLbl5", M::Aeroplane, 10, 149, 5},      {"aeroLbl6", M::Aeroplane, 306, 149, 6},
    {"aeroLbl7", M::Aeroplane, 66, 137, 7},      {"aeroLbl8", M::Aeroplane, 250, 137, 8},
    {"qcLbl1", M::Quadcopter, 185, 93, 1},       {"qcLbl2", M::Quadcopter, 185, 112, 2},
    {"qcLbl3", M::Quadcopter, 185, 129, 3},      {"qcLbl4", M::Quadcopter, 185, 146, 4},
    {"qcLbl5", M::Quadcopter, 109, 263, 5, 161}, {"qcLbl6", M::Quadcopter, 109, 247, 6, 161},
    {"qcLbl7", M::Quadcopter, 109, 231, 7, 161}, {"qcLbl8", M::Quadcopter, 109, 215, 8, 161},
    {"boatLbl1", M::Boat, 15, 119, 1},           {"boatLbl2", M::Boat, 15, 58, 2},
    {"boatLbl3", M::Boat, 169, 136, 3},          {"boatLbl4", M::Boat, 306, 57, 4},
    {"boatLbl5", M::Boat, 118, 49, 5},           {"boatLbl6", M::Boat, 118, 137, 6, 168},
    {"boatLbl7", M::Boat, 170, 149, 7},          {"boatLbl8", M::Boat, 218, 49, 8},
}};

const std::array<GroupSpec, 4> kGroups{{
    {"GroupBox1",
     M::Aeroplane,
     8,
     2,
     365,
     361,
     {"Model letadla: ", "Airplane model: "},
     "CheckBox1"},
    {"GroupBox2",
     M::Quadcopter,
     382,
     2,
     345,
     361,
     {"Model QuadroCoptéry: ", "QuadroCopter model: "},
     "CheckBox2"},
    {"GroupBox4", M::Boat, 8, 365, 365, 176, {"Model lodi: ", "Boat model: "}, "CheckBox3"},
    {"GroupBox3", M::Car, 382, 365, 345, 176, {"Model auta: ", "Car model: "}, "chbCar"},
}};

constexpr std::array<PictureSpec, 5> kPictures{{
    {"Image2", M::Aeroplane, 6, 60, 355, 289, ":/models/aeroplane.jpg"},
    {"Image1", M::Quadcopter, 8, 23, 329, 325, ":/models/quadcopter.jpg"},
    {"Image3", M::Boat, 5, 57, 355, 82, ":/models/ship.jpg"},
    {"Image4", M::Car, 0, 44, 185, 145, ":/models/car-front.jpg"},
    {"Image5", M::Car, 180, 50, 161, 137, ":/models/car-rear.jpg"},
}};

}  // namespace

const std::array<LampSpec, kFollowingLamps + kCarLamps>& modelLamps() {
    return kLamps;
}

const std::array<LabelSpec, 24>& modelLabels() {
    return kLabels;
}

const std::array<GroupSpec, 4>& modelGroups() {
    return kGroups;
}

const std::array<PictureSpec, 5>& modelPictures() {
    return kPictures;
}

std::array<std::optional<bool>, kFollowingLamps> followStep(const LedStates& leds,
                                                            const SimulationBoxes& boxes) {
    std::array<std::optional<bool>, kFollowingLamps> states{};
    for (size_t i = 0; i < states.size(); ++i) {
        const LampSpec& lamp = kLamps[i];
        if (boxes[static_cast<size_t>(lamp.model)]) {
            states[i] = leds[static_cast<size_t>(lamp.output - 1)];
        }
    }
    return states;
}

}  // namespace lumidor
