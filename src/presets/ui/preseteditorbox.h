#pragma once

#include <QGroupBox>

#include "common/bilingual.h"
#include "presets/presetgrid.h"

class QPushButton;

namespace lumidor {

class PresetEditorBox : public QGroupBox {
    Q_OBJECT
public:
    PresetEditorBox(QWidget* parent, LangFn lang);

    // Relabels the group's captions, hints and lists (keeping selections).
    void applyLanguage(Lang lang);

    // The whole preset state: grid cells, time axis, on/off, brightness mode, MIN/MAX PWM.
    Presets presets() const;
    void setPresets(const Presets& presets);

    // Applies the time axis: the four time labels and the column duration.
    void cbCasovaOsaChange();

    QPushButton* writeButton() const { return BitBtn1; }

Q_SIGNALS:
    // The column duration in ms, for Timer1.
    void columnDurationChanged(int ms);

private:
    QPushButton* BitBtn1 = nullptr;

private:
    LangFn lang_;
};

}  // namespace lumidor
