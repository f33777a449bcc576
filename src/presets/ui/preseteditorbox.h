#pragma once

#include <QColor>
#include <QGroupBox>
#include <array>

#include "common/bilingual.h"
#include "presets/presetgrid.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;

namespace lumidor {

class UpDown;

// GroupBox3: the 8 x 20 preset grid with its time axis, the selection and
// file buttons, the effect list, the on/off and brightness lists, the MIN/MAX
// PWM edits and the write-presets button.
class PresetEditorBox : public QGroupBox {
    Q_OBJECT
public:
    PresetEditorBox(QWidget* parent, LangFn lang);

    // Relabels the group's captions, hints and lists (keeping selections).
    void applyLanguage(Lang lang);

    // The whole preset state: grid cells, time axis, on/off, brightness mode, MIN/MAX PWM.
    // Setting it selects list indexes without running their handlers (a stray
    // index leaves the list without selection) and clamps the PWM positions.
    Presets presets() const;
    // The 160 cells alone.
    PresetGrid grid() const;
    void setGrid(const PresetGrid& grid);
    void setPresets(const Presets& presets);

    // Applies the time axis: the four time labels and the column duration.
    void cbCasovaOsaChange();
    // Selection buttons: tag 0 clears, 1 fills, 3 inverts the grid.
    void BitBtnCheckBoxClick(int tag);
    // Shows the placeholder item at the head of the effect list while no
    // effect (and not the separator) is shown as chosen.
    void cbVolbaRezimuCloseUp();
    void eMinPWMChange();
    void eMaxPWMChange();

    QPushButton* writeButton() const { return BitBtn1; }

    // Cell n (1..80, 101..180); nullptr for any other number.
    QCheckBox* cellBox(int number) const;
    bool cell(int number) const;

    QSlider* trackBar() const { return TrackBar1; }
    QSlider* simBar() const { return tbSim; }
    QComboBox* pwmList() const { return cbPWM; }
    QComboBox* timeAxisList() const { return cbCasovaOsa; }
    QComboBox* onOffList() const { return cbZapVyp; }
    QComboBox* effectList() const { return cbVolbaRezimu; }
    QToolButton* openFileButton() const { return btnOpenFile; }
    QToolButton* saveFileButton() const { return btnSaveFile; }

    // Background of the panels under outputs 1 and 2.
    QColor ledPanelsColour() const;
    void setLedPanelsColour(const QColor& colour);
    // eMinPWM, udPwmMin, eMaxPWM, udPwmMax together.
    void setPwmLimitsEnabled(bool enabled);

Q_SIGNALS:
    // The column duration in ms, for Timer1.
    void columnDurationChanged(int ms);
    // A selection button asks for the plain window title.
    void titleResetRequested();

private:
    void buildGrid();
    void insertPlaceholder();
    void buildLists();
    void connectControls();

    LangFn lang_;

    std::array<QCheckBox*, kCellCount> cells_{};  // canonical order
    std::array<QFrame*, 4> panels_{};
    std::array<QLabel*, 8> rowLabels_{};
    std::array<QLabel*, 4> sectionLabels_{};
    std::array<QLabel*, 4> timeLabels_{};

    QSlider* TrackBar1 = nullptr;
    QComboBox* cbVolbaRezimu = nullptr;
    QToolButton* btnOpenFile = nullptr;
    QToolButton* btnSaveFile = nullptr;
    QToolButton* btnUnselectAll = nullptr;
    QToolButton* btnSelectAll = nullptr;
    QToolButton* btnReverseSelect = nullptr;
    QComboBox* cbCasovaOsa = nullptr;
    QComboBox* cbZapVyp = nullptr;
    QComboBox* cbPWM = nullptr;
    QSlider* tbSim = nullptr;
    QLineEdit* eMinPWM = nullptr;
    UpDown* udPwmMin = nullptr;
    QLineEdit* eMaxPWM = nullptr;
    UpDown* udPwmMax = nullptr;
    QPushButton* BitBtn1 = nullptr;
};

}  // namespace lumidor
