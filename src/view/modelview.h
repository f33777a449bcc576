#pragma once

#include <QRgb>
#include <array>
#include <optional>

#include "common/bilingual.h"

namespace lumidor {

// The models of the preview window. The first three follow the live preview,
// each while its simulation box is ticked; the car only shows all on or all off.
enum class Model { Aeroplane, Quadcopter, Boat, Car };

inline constexpr QRgb kLampRed = 0xFFFF0000;
inline constexpr QRgb kLampWhite = 0xFFFFFFFF;
inline constexpr QRgb kLampGreen = 0xFF00FF00;
inline constexpr QRgb kLampAqua = 0xFF00FFFF;
inline constexpr QRgb kLampYellow = 0xFFFFFF00;
inline constexpr QRgb kLampOff = 0xFF808080;

enum class LampShape { Round, Square, Lying };  // LEDSmall, LEDSqSmall, LEDHorizontal

struct LampSpec {
    const char* name;
    Model model;
    int left;
    int top;
    QRgb on;
    int output;  // 1..8 for the lamps that follow the preview; 0 for the car
    LampShape shape;
    int blinkMs;  // 0: steady
    // The pop-up tip; null for none. The car's are Czech in both languages.
    const Bi* hint;
};

struct LabelSpec {
    const char* name;
    Model model;
    int left;
    int top;
    int output;  // the label reads "Výstup n" / "Output n"
    // Labels standing to the left of their lamp end before this x; 0: free.
    int rightLimit = 0;
};

// The 32 lamps driven by the preview, in the order aeroLED1..8, qcLED1..16,
// lodLED1..8; then the 14 car lamps.
inline constexpr int kFollowingLamps = 32;
inline constexpr int kCarLamps = 14;
const std::array<LampSpec, kFollowingLamps + kCarLamps>& modelLamps();
const std::array<LabelSpec, 24>& modelLabels();

struct GroupSpec {
    const char* name;
    Model model;
    int left;
    int top;
    int width;
    int height;
    Bi caption;
    const char* simulationBox;
};
const std::array<GroupSpec, 4>& modelGroups();

struct PictureSpec {
    const char* name;  // Image1..Image5
    Model model;
    int left;
    int top;
    int width;
    int height;
    const char* resource;  // Qt resource path of the picture
};
const std::array<PictureSpec, 5>& modelPictures();

// One follow step: the state each of the 32 following lamps takes from the
// preview LEDs (Led1..Led8), or nothing where its model's box is unticked
// and the lamp must keep what it shows.
using LedStates = std::array<bool, 8>;
using SimulationBoxes = std::array<bool, 3>;  // aeroplane, quadcopter, boat
std::array<std::optional<bool>, kFollowingLamps> followStep(const LedStates& leds,
                                                            const SimulationBoxes& boxes);

inline constexpr Bi kViewCaption{"Příklady osazení osvětlení na různých typech RC modelů",
                                 "Examples casting illumination in various types of RC models"};
inline constexpr Bi kModelOutputLabel{"Výstup %1", "Output %1"};
// A simulation box's caption follows its state.
inline constexpr Bi kSimulationAllowed{"simulace povolena", "simulation allowed"};
inline constexpr Bi kSimulationForbidden{"simulace zakázána", "simulation forbidden"};
inline const Bi& simulationCaption(bool checked) {
    return checked ? kSimulationAllowed : kSimulationForbidden;
}

inline constexpr int kViewWidth = 734;
inline constexpr int kViewHeight = 548;

}  // namespace lumidor
