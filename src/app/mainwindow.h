#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

#include "app/rollingview.h"
#include "app/session.h"
#include "common/bilingual.h"
#include "presets/fileargument.h"

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
class TUsbClass;
class TKeyCueFix;
class TViewForm;

// The main window composes the six group boxes and owns the handlers that
// reach across them. Each group box keeps the behaviour of its own controls.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // settingsDir: folder of the settings file; empty means the executable's folder.
    explicit TMainForm(const QString& settingsDir = QString(), QWidget* parent = nullptr);
    ~TMainForm() override;

    // The flag buttons show it: English exactly while sbCzech is enabled.
    Lang lang() const { return session_.lang; }
    // The language, the converter record UsbDevice and whether a converter is present.
    const Session& session() const { return session_; }
    Session& session() { return session_; }
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
    // `chosen` becomes the active language and the window is relabelled in it.
    void LanguageClick(Lang chosen);

    // ---- Preset editor and live preview (mainwindow_preview.cpp) ----
    void Timer1Timer();
    void cbPWMChange();
    // The presets become the document's, shown as loaded (nothing to undo),
    // with the time axis and the brightness mode applied.
    void loadPresets(const Presets& presets);

    // ---- Converter link (mainwindow_link.cpp) ----
    void SearchConverter();

    // ---- Transfers (mainwindow_transfer.cpp) ----
    void BitBtn1Click();
    void BitBtn6Click();
    // Both write buttons, enabled or not together: after a search as it
    // decides, during a transfer off, after it as writeButtonsAfterTransfer says.
    void showWriteButtons(bool enabled);
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

    // ---- Preset files and the first effect (mainwindow_presetfile.cpp) ----
    void btnSaveFileClick();
    void btnOpenFileClick();
    // Where the open and save dialogs start.
    static QString presetFileFolder();
    // First activation without a settings file: effect 0 fills the grid.
    void applyFirstEffect();
    // Wires the file buttons and the title that undo and redo bring back.
    void connectPresetFiles();
    // The open button's path once a name is chosen: its checks, boxes and title.
    void openPresetFile(const QString& path);

    // ---- Files from outside (mainwindow_open.cpp) ----
    // Opened one after another once the first activation is done; a name
    // that cannot be a preset file gets its box and changes nothing.
    void openAtStart(QList<FileArgument> arguments);

    // ---- Rolling view (mainwindow_rolling.cpp) and USB watcher (mainwindow_usb.cpp) ----
    void tmrRollingWindowTimer();
    // Both run SearchConverter; the texts describe the device, whichever it is.
    void UsbArrival(TUsbClass* sender, const QString& usbDescription,
                    const QString& storageDescription, const QString& storageFriendlyName);
    void UsbRemoval(TUsbClass* sender, const QString& usbDescription,
                    const QString& storageDescription, const QString& storageFriendlyName);
    // Null before the first show and after close.
    TUsbClass* usbWatcher() const { return usbWatcher_.get(); }
    // Searches run so far; a transfer keeps the decision of one that ran during it.
    int searchCount() const { return searchCount_; }
    // ---- Model preview window (mainwindow_view.cpp) ----
    // Made hidden when first asked for: most sessions never open it.
    TViewForm* viewForm() const;
    void SpeedButton1Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Only a single .rcl file is taken; anything else is refused.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

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
    void connectView();     // mainwindow_view.cpp
    // The follow step at the end of every preview tick, shown or not, once the window exists.
    void followModels() const;  // mainwindow_view.cpp
    // Mnemonics in the active language (the preset editor keeps its own keys).
    void applyKeyboardLanguage(Lang lang);  // mainwindow_keys.cpp
    // Wires BitBtn1 and BitBtn6; called once from connectLifeCycle.
    void connectTransfer();  // mainwindow_transfer.cpp
    // Start-up load into the grid and the controls, then the dependent rules.
    void loadSettings();    // mainwindow_settings.cpp
    void connectRolling();  // mainwindow_rolling.cpp
    RollingLayout rollingLayout() const;
    void createUsbWatcher();  // mainwindow_usb.cpp
    void searchOnce();        // mainwindow_link.cpp
    void openStartFiles();    // mainwindow_open.cpp

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
    // A window of its own (not a child), destroyed with the main window.
    mutable std::unique_ptr<TViewForm> ViewForm;
    std::unique_ptr<TKeyCueFix> keyCueFix_;

    Session session_;
    // The flag pressed at creation: the language the first show makes active.
    Lang startLang_ = Lang::Czech;
    // Where the stick simulator stands (0..160); it colours Led1 and Led2 in
    // brightness modes 3-5.
    int stickPosition_ = 0;
    // What Led1..Led8 show since the last preview step; the model window
    // takes it up when it is made.
    std::array<bool, 8> previewLit_{};
    QString settingsPath_;
    // Why the settings file could not be read at start-up; empty when it could.
    // Kept as a function of the language, which is only settled at first show.
    std::function<QString(Lang)> settingsReadProblem_;
    bool shown_ = false;
    bool activationAttached_ = true;

    std::unique_ptr<TUsbClass> usbWatcher_;
    int searchCount_ = 0;
    // A search asked for while one is under way (from inside its boxes) runs
    // once right after it, so two never overlap.
    bool searching_ = false;
    bool searchPending_ = false;

    QList<FileArgument> startFiles_;
};

}  // namespace lumidor
