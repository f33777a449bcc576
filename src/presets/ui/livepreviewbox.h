#pragma once

#include <QGroupBox>
#include <array>

#include "common/bilingual.h"

class QLabel;
class QToolButton;

namespace lumidor {

class TALed;

// GroupBox2: the eight preview LEDs level with the grid rows, the drawing of
// the switch module and the button that opens the model preview.
class LivePreviewBox : public QGroupBox {
    Q_OBJECT
public:
    LivePreviewBox(QWidget* parent, LangFn lang);

    void applyLanguage(Lang lang);

    // Led1..Led8 by output number; nullptr outside 1..8.
    TALed* led(int output) const;
    QToolButton* modelButton() const { return SpeedButton1; }
    QLabel* moduleImage() const { return Image1; }

    // The preview step 0..19 (step s shows column s + 1); starts at 0.
    int step() const { return step_; }
    // Moves to the next step, wrapping after 19, and returns it.
    int advanceStep();

private:
    LangFn lang_;
    std::array<TALed*, 8> leds_{};
    QLabel* Image1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    int step_ = 0;
};

}  // namespace lumidor
