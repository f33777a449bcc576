#pragma once

#include <QGroupBox>
#include <array>

#include "common/bilingual.h"
#include "presets/preview.h"

class QLabel;
class QToolButton;

namespace lumidor {

class TALed;

// GroupBox2: the eight preview LEDs level with the grid rows, the drawing of
// the switch module and the button that opens the model preview. The LEDs
// show what they are given; nothing reads them back.
class LivePreviewBox : public QGroupBox {
    Q_OBJECT
public:
    explicit LivePreviewBox(QWidget* parent);

    void applyLanguage(Lang lang);

    // One preview step: each LED lit or dark, and the colours the step sets.
    using QGroupBox::show;
    void show(const PreviewLeds& leds);
    // Led1's and Led2's lit colours (the stick simulator, brightness mode 0).
    void showColours(const LedColours& colours);

    // The preview step 0..19 (step s shows column s + 1); starts at 0.
    int step() const { return step_; }
    // Moves to the next step, wrapping after 19, and returns it.
    int advanceStep();

Q_SIGNALS:
    // SpeedButton1: the model preview window is asked for.
    void modelRequested();

private:
    std::array<TALed*, 8> leds_{};
    QLabel* Image1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    int step_ = 0;
};

}  // namespace lumidor
