#include "app/mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "app/aboutbox.h"
#include "app/groupplaces.h"
#include "app/hinttracker.h"
#include "app/languagebox.h"
#include "app/titles.h"
#include "common/keycuefix.h"
#include "common/placement.h"
#include "common/ui/dialogs.h"
#include "link/ui/interfacebox.h"
#include "link/usbwatcher.h"
#include "presets/ui/livepreviewbox.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/settingslocation.h"
#include "settings/ui/configpanelbox.h"
#include "transfer/switchport.h"
#include "view/ui/viewform.h"

namespace lumidor {
TMainForm::TMainForm(const QString& settingsDir, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setAutoFillBackground(true);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, Qt::white);
    client->setPalette(pal);
    setCentralWidget(client);

    const LangFn langFn = [this] { return lang(); };
    GroupBox3 = new PresetEditorBox(client, langFn);
    GroupBox3->setGeometry(groupplaces::kPresetEditor);
    GroupBox2 = new LivePreviewBox(client);
    GroupBox2->setGeometry(groupplaces::kLivePreview);
    GroupBox4 = new ConfigPanelBox(client, langFn);
    GroupBox4->setGeometry(groupplaces::kConfigPanel);
    GroupBox1 = new InterfaceBox(client);
    GroupBox1->setGeometry(groupplaces::kInterface);
    GroupBox5 = new LanguageBox(client);
    GroupBox5->setGeometry(groupplaces::kLanguage);
    GroupBox6 = new AboutBox(client);
    GroupBox6->setGeometry(groupplaces::kAbout);
    // Most of the window's two dozen lists are never opened in a session.
    GroupBox3->fitPopupsWhenOpened();
    GroupBox4->fitPopupsWhenOpened();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(groupplaces::kStatusBarHeight);
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);
    hints_ = new HintTracker(this, StatusBar1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(50);
    tmrRollingWindow = new QTimer(this);
    tmrRollingWindow->setObjectName(QStringLiteral("tmrRollingWindow"));
    tmrRollingWindow->setInterval(kRollingIntervalMs);

    setFixedSize(groupplaces::kClientSize);
    // A preset file dropped anywhere on the window (mainwindow_open.cpp).
    setAcceptDrops(true);

    const QString dir = settingsDir.isEmpty() ? settingsFolder() : settingsDir;
    settingsPath_ = QDir(dir).filePath(QString::fromLatin1(kSettingsFileName));

    connectLifeCycle();
    FormCreate();
}

TMainForm::~TMainForm() = default;

QString TMainForm::plainTitle() const {
    return kPlainTitle(lang());
}

void TMainForm::connectLifeCycle() {
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    connect(GroupBox5, &LanguageBox::languageClicked, this, &TMainForm::LanguageClick);
    // The rolling view's animation attaches to this timer.
    connect(GroupBox4, &ConfigPanelBox::configEdited, this,
            [this](const ConfigValues& config) { session_.doc.config = config; });
    connect(GroupBox4, &ConfigPanelBox::rollingViewRequested, tmrRollingWindow,
            qOverload<>(&QTimer::start));
    connect(GroupBox3, &PresetEditorBox::titleResetRequested, this,
            [this] { setWindowTitle(plainTitle()); });
    connectPreview();
    connectLink();
    connectTransfer();
    connectPresetFiles();
    connectRolling();
    connectView();
}

void TMainForm::FormCreate() {
    keyCueFix_ = std::make_unique<TKeyCueFix>();
    loadSettings();
    // The start-up language follows the user's locale; it becomes the active
    // language (and the buttons' enabled state shows it) at first show.
    const bool czech = QLocale::languageToString(QLocale().language()) == QStringLiteral("Czech");
    startLang_ = czech ? Lang::Czech : Lang::English;
    GroupBox5->press(startLang_);
    Timer1->start();
}

void TMainForm::FormShow() {
    createUsbWatcher();
    LanguageClick(startLang_);
    GroupBox3->cbVolbaRezimuCloseUp();
}

void TMainForm::FormActivate() {
    // The grid panels already carry the colour of the brightness mode from
    // creation; painting them white here would show a grey-mode grid wrongly.
    repaint();
    SearchConverter();
    Dialogs& dialogs = Dialogs::current();
    if (session_.UsbDevice.Index == TUsbDevices::kNoConverter) {
        dialogs.show(converterNotFoundMessage(lang()));
    }
    if (session_.UsbDevice.Index == TUsbDevices::kLibraryMissing) {
        dialogs.show(libraryMissingMessage(lang()));
    }
    if (!QFileInfo::exists(settingsPath_)) {
        applyFirstEffect();
        dialogs.show(settingsFileMissingMessage(lang()));
    }
    announceUnreadableSettings();
    // After the first effect, so a file named at start wins over it.
    openStartFiles();
}

void TMainForm::FormClose() {
    usbWatcher_.reset();
}

void TMainForm::LanguageClick(Lang chosen) {
    // From here on lang() gives it; the flags show it.
    session_.lang = chosen;
    GroupBox5->showActive(chosen);
    // Each group relabels its own
    // controls; lists are rebuilt with signals blocked, so no handler runs and
    // the order between groups cannot be observed.
    const Lang l = lang();
    setWindowTitle(plainTitle());
    GroupBox2->applyLanguage(l);
    GroupBox3->applyLanguage(l);
    GroupBox6->applyLanguage(l);
    // Also rebuilds the texts built at run time: the threshold text and the
    // four stick-limit hints (the tb…Change handlers).
    GroupBox4->applyLanguage(l);
    GroupBox1->applyLanguage(l);
    applyKeyboardLanguage(l);
    hints_->refresh();
    // A hidden model window is relabelled when it is next shown.
    if (ViewForm && ViewForm->isVisible()) {
        ViewForm->FormShow();
    }
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        // Placed before the platform window appears, so it does not jump.
        if (const QScreen* s = screen()) {
            move(centredOrigin(frameGeometry().size(), s->availableGeometry()));
        }
        FormShow();
    }
}

bool TMainForm::event(QEvent* event) {
    const bool result = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && activationAttached_) {
        // Detached before it runs, so a box opened inside cannot re-enter it.
        activationAttached_ = false;
        FormActivate();
    }
    return result;
}

void TMainForm::closeEvent(QCloseEvent* event) {
    FormClose();
    QMainWindow::closeEvent(event);
}

}  // namespace lumidor
