#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "common/bilingual.h"
#include "link/usbdevice.h"

class QStatusBar;
class QTimer;

namespace lumidor {

class AboutBox;
class ConfigPanelBox;
class HintTracker;
class InterfaceBox;
class LanguageBox;
class LivePreviewBox;
class PresetEditorBox;
class SwitchPort;

// The main window composes the six group boxes and owns the handlers that
// reach across them. Each group box keeps the behaviour of its own controls.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // settingsDir: folder of the settings file; empty means the executable's folder.
    explicit TMainForm(const QString& settingsDir = QString(), QWidget* parent = nullptr);
    ~TMainForm() override;

    // English exactly while sbCzech is enabled.
    Lang lang() const;
    QString plainTitle() const;
    QString settingsPath() const { return settingsPath_; }

    PresetEditorBox* presetEditor() const { return GroupBox3; }
    LivePreviewBox* livePreview() const { return GroupBox2; }
    ConfigPanelBox* configPanel() const { return GroupBox4; }
    InterfaceBox* interfaceBox() const { return GroupBox1; }
    LanguageBox* languageBox() const { return GroupBox5; }
    QTimer* timer1() const { return Timer1; }
    QTimer* rollingTimer() const { return tmrRollingWindow; }

    // ---- Language (mainwindow.cpp) ----
    void LanguageClick();

    // ---- Preset editor and live preview (mainwindow_preview.cpp) ----
    void Timer1Timer();
    void cbPWMChange();

    // ---- Converter link (mainwindow_link.cpp) ----
    void SearchConverter();
    TUsbDevices UsbDevice;

    // ---- Transfers (mainwindow_transfer.cpp) ----
    void BitBtn1Click();
    void BitBtn6Click();
    void ReportTransferResult(QString& reply, bool configuration);
    // The converter as transfers reach it; tests put a scripted one in.
    void setSwitchPort(std::unique_ptr<SwitchPort> port);
    SwitchPort* switchPort() const { return port_.get(); }

    // ---- Settings file (mainwindow_settings.cpp) ----
    // Store after a successful transfer; false when the file could not be
    // written (the user has been told and the result box must not follow).
    bool storePresets();
    bool storeConfiguration();
    // A settings file that exists but could not be read at start-up is
    // announced once the window is active (FormActivate), not during creation.
    bool settingsUnreadable() const { return static_cast<bool>(settingsReadProblem_); }
    void announceUnreadableSettings();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Life cycle (mainwindow.cpp).
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormClose();
    void connectLifeCycle();

    void connectPreview();  // mainwindow_preview.cpp
    void tbSimChange();     // mainwindow_preview.cpp
    void connectLink();     // mainwindow_link.cpp
    // Wires BitBtn1 and BitBtn6; called once from connectLifeCycle.
    void connectTransfer();  // mainwindow_transfer.cpp
    // Start-up load into the grid and the controls, then the dependent rules.
    void loadSettings();  // mainwindow_settings.cpp

    PresetEditorBox* GroupBox3 = nullptr;
    LivePreviewBox* GroupBox2 = nullptr;
    ConfigPanelBox* GroupBox4 = nullptr;
    InterfaceBox* GroupBox1 = nullptr;
    LanguageBox* GroupBox5 = nullptr;
    AboutBox* GroupBox6 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    HintTracker* hints_ = nullptr;

    QTimer* Timer1 = nullptr;
    QTimer* tmrRollingWindow = nullptr;

    std::unique_ptr<SwitchPort> port_;

    QString settingsPath_;
    // Why the settings file could not be read at start-up; empty when it could.
    // Kept as a function of the language, which is only settled at first show.
    std::function<QString(Lang)> settingsReadProblem_;
    bool shown_ = false;
    bool activationAttached_ = true;
};

}  // namespace lumidor
