#pragma once

#include <QGroupBox>

#include "common/bilingual.h"
#include "settings/configvalues.h"

class QPushButton;

namespace lumidor {

class ConfigPanelBox : public QGroupBox {
    Q_OBJECT
public:
    ConfigPanelBox(QWidget* parent, LangFn lang);

    void applyLanguage(Lang lang);

    ConfigValues values() const;
    void setValues(const ConfigValues& values);

    // Rule handlers, also called directly at start-up and after a language switch.
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

Q_SIGNALS:
    // cbProgChange asks the main window to start the rolling view's timer.
    void rollingViewRequested();

private:
    QPushButton* BitBtn6 = nullptr;

private:
    LangFn lang_;
};

}  // namespace lumidor
