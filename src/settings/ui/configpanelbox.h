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

// The configuration panel GroupBox4 shows a configuration and reports each
// edit the user makes as the whole new configuration; the window keeps it.
// Which controls are enabled follows from the values shown.
class ConfigPanelBox : public QGroupBox {
    Q_OBJECT
public:
    ConfigPanelBox(QWidget* parent, LangFn lang);

    void applyLanguage(Lang lang);
    // Fitting the drop-downs to their items builds all twenty-one popups.
    // From this call on, applyLanguage leaves each to be fitted when it opens.
    void fitPopupsWhenOpened() { lazyPopups_ = true; }

    // Shows these values as withinLimits() has them, with the enabling rules
    // they imply; reports nothing.
    void show(const ConfigValues& values);
    using QGroupBox::show;

    // BitBtn6: enabled while a supported converter is present and no
    // transfer runs. A click is reported as writeClicked.
    void setWriteEnabled(bool enabled);

    // The program list's handler: takes the list's index as the user's pick,
    // as every list's does, and asks for the rolling view.
    void cbProgChange();

Q_SIGNALS:
    // The user changed one item; `values` is the whole configuration now shown.
    void configEdited(const lumidor::ConfigValues& values);
    // After a pick in the program list: the main window starts the rolling view.
    void rollingViewRequested();
    void writeClicked();

private:
    // configpanelbox_layout.cpp
    void createLists();
    void createVoltage();
    void createStickArea();
    void createSeparators();
    void createWriteButton();

    void connectConfigPanel();
    // show() without the neutral band, which keeps its range for no selection.
    void showValues(const ConfigValues& values);
    void relabel(Lang lang);
    void rebuild(ConfigList which, Lang lang);
    // The place of a list or a number in the arrays below.
    template <typename Item>
    static constexpr size_t at(Item item) {
        return static_cast<size_t>(item);
    }

    // configpanelbox_rules.cpp
    // A user's edit: the value shown changes, the rules follow, the edit is reported.
    void listPicked(ConfigList which);
    void barMoved(ConfigNumber which);
    void eVoltageChange();
    void setVoltageText(Lang lang);
    // Puts the bar back within its kept range and rebuilds its hint.
    void keepStickLimit(ConfigNumber which, Lang lang);
    void applyRules();
    void cbNeutralChange();

    ConfigValues shown_;
    // Set while show() moves the controls: their handlers then report nothing.
    bool showing_ = false;

    std::array<QComboBox*, kConfigListCount> lists_{};
    // The stick-limit bars by number; none for the threshold.
    std::array<QSlider*, kConfigNumberCount> bars_{};
    QLineEdit* eVoltage = nullptr;
    UpDown* UpDown1 = nullptr;
    NeutralBandBar* tbNeutral1 = nullptr;
    NeutralBandBar* tbNeutral0 = nullptr;
    std::array<QLabel*, 6> scaleLabels_{};
    QLabel* lbInput1 = nullptr;
    QLabel* lbInput2 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    bool lazyPopups_ = false;
    LangFn lang_;
};

}  // namespace lumidor
