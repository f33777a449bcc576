#pragma once

#include <QGroupBox>
#include <array>

#include "common/bilingual.h"
#include "settings/configvalues.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace lumidor {

class UpDown;
class NeutralBandBar;
struct ConfigEnabling;

class ConfigPanelBox : public QGroupBox {
    Q_OBJECT
public:
    ConfigPanelBox(QWidget* parent, LangFn lang);

    void applyLanguage(Lang lang);
    // Fitting the drop-downs to their items builds all twenty-one popups.
    // From this call on, applyLanguage leaves each to be fitted when it opens.
    void fitPopupsWhenOpened() { lazyPopups_ = true; }

    ConfigValues values() const;
    void setValues(const ConfigValues& values);

    // Rule handlers of the lists and bars; setValues applies their rules itself.
    void cbProgChange();
    void cbEngineTypeChange();
    void cbCalKniplChange();
    void cbNeutralChange();
    void cbVoltageGuardChange();
    void tbLeft1Change();
    void tbRight1Change();
    void tbLeft0Change();
    void tbRight0Change();
    void eVoltageChange();

    QPushButton* writeButton() const { return BitBtn6; }

    QComboBox* list(ConfigList which) const { return lists_[static_cast<size_t>(which)]; }
    QLineEdit* voltageEdit() const { return eVoltage; }
    UpDown* voltageUpDown() const { return UpDown1; }
    QSlider* leftBar1() const { return tbLeft1; }
    QSlider* rightBar1() const { return tbRight1; }
    QSlider* leftBar0() const { return tbLeft0; }
    QSlider* rightBar0() const { return tbRight0; }
    NeutralBandBar* neutralBar1() const { return tbNeutral1; }
    NeutralBandBar* neutralBar0() const { return tbNeutral0; }

Q_SIGNALS:
    // cbProgChange asks the main window to start the rolling view's timer.
    void rollingViewRequested();

private:
    // configpanelbox_layout.cpp
    void createLists();
    void createVoltage();
    void createStickArea();
    void createSeparators();
    void createWriteButton();

    void connectConfigPanel();
    void relabel(Lang lang);
    void rebuild(ConfigList which, Lang lang);

    // configpanelbox_rules.cpp
    void setVoltageText(Lang lang);
    void keepStickLimit(QSlider* bar, Lang lang);
    // What the four deciding lists' current indexes enable.
    ConfigEnabling enabling() const;
    // Each rule updates the controls its list decides; the program's rule
    // takes in the guard's and the engine's, which depend on it.
    void applyProgramRule();
    void applyGuardRule();
    void applyEngineRule();
    void applyCalibrationRule();

    std::array<QComboBox*, kConfigListCount> lists_{};
    QLineEdit* eVoltage = nullptr;
    UpDown* UpDown1 = nullptr;
    QSlider* tbLeft1 = nullptr;
    QSlider* tbRight1 = nullptr;
    QSlider* tbLeft0 = nullptr;
    QSlider* tbRight0 = nullptr;
    NeutralBandBar* tbNeutral1 = nullptr;
    NeutralBandBar* tbNeutral0 = nullptr;
    std::array<QLabel*, 6> scaleLabels_{};
    QLabel* lbInput1 = nullptr;
    QLabel* lbInput2 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    bool lazyPopups_ = false;

private:
    LangFn lang_;
};

}  // namespace lumidor
