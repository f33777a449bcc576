#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "app/languagebox.h"
#include "app/mainwindow.h"
#include "link/ui/interfacebox.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/ui/configpanelbox.h"
#include "support/controls.h"
#include "support/recordingdialogs.h"
#include "support/scriptedswitchport.h"
#include "transfer/frame.h"

using namespace lumidor;

namespace {

// Notes what the user would see while the frame goes out.
class WatchedPort : public test::ScriptedSwitchPort {
public:
    int write(const QByteArray& bytes) override {
        if (onWrite) {
            onWrite();
        }
        return ScriptedSwitchPort::write(bytes);
    }
    std::function<void()> onWrite;
};

const QString kDescription = QStringLiteral("RC_LINKUP v1.3");

}  // namespace

class TransferButtonsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<test::RecordingDialogs> dialogs_;
    std::unique_ptr<TMainForm> form_;
    WatchedPort* port_ = nullptr;
    QStringList seenDuringWrite_;

    void setLanguage(Lang lang) {
        form_->LanguageClick(lang);
        QCOMPARE(form_->lang(), lang);
    }

    // After every transfer: normal cursor (also while its boxes showed), and the write buttons back
    // only while a converter is shown.
    void checkIdle() {
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(dialogs_->underWaitCursor, QStringList());
        const bool converter = form_->session().converterPresent;
        for (QPushButton* b : test::writeButtons(form_.get())) {
            QCOMPARE(b->isEnabled(), converter);
        }
    }

private Q_SLOTS:
    void init() {
        QVERIFY(dir_.isValid());
        dialogs_ = std::make_unique<test::RecordingDialogs>();
        form_ = std::make_unique<TMainForm>(dir_.path());
        form_->session().UsbDevice.Description = kDescription;
        auto port = std::make_unique<WatchedPort>();
        port_ = port.get();
        seenDuringWrite_.clear();
        port_->onWrite = [this] {
            const QCursor* c = QGuiApplication::overrideCursor();
            seenDuringWrite_.append(c != nullptr && c->shape() == Qt::WaitCursor
                                        ? QStringLiteral("wait")
                                        : QStringLiteral("normal"));
            for (QPushButton* b : test::writeButtons(form_.get())) {
                seenDuringWrite_.append(b->isEnabled() ? QStringLiteral("enabled")
                                                       : QStringLiteral("disabled"));
            }
        };
        form_->setSwitchPort(std::move(port));
        for (QPushButton* b : test::writeButtons(form_.get())) {
            b->setEnabled(true);
        }
    }

    void cleanup() {
        form_.reset();
        dialogs_.reset();
        while (QGuiApplication::overrideCursor() != nullptr) {
            QGuiApplication::restoreOverrideCursor();
        }
    }

    // The boxes of every reply, failure and language are decided in the core;
    // here the window carries them out.
    void configurationAccepted() {
        setLanguage(Lang::English);
        port_->reply = "RC_LINKUP...OK\r\n";
        form_->BitBtn6Click();

        QCOMPARE(dialogs_->shown,
                 Messages({{MsgKind::Information,
                            QStringLiteral("The configuration has been successfully "
                                           "transferred to the RC Lumidor !")}}));
        const QByteArray frame = configurationFrame(form_->session().doc.config);
        QCOMPARE(port_->line.toHex(' '), (frame + frame).toHex(' '));
        QCOMPARE(port_->opened, QStringList{kDescription});
        QVERIFY(!port_->isOpen);
        // Busy from the first write to the end of the exchange.
        QCOMPARE(seenDuringWrite_.first(), QStringLiteral("wait"));
        QVERIFY(!seenDuringWrite_.contains(QStringLiteral("enabled")));
        checkIdle();
    }

    // The converter is looked for again once the box is closed.
    void converterCannotBeOpened() {
        setLanguage(Lang::English);
        port_->canOpen = false;
        const int searches = form_->searchCount();
        form_->BitBtn6Click();
        QCOMPARE(form_->searchCount(), searches + 1);
        QCOMPARE(dialogs_->shown,
                 Messages({{MsgKind::Error, QStringLiteral("Unable to establish connection with "
                                                           "the RC_LINKUP module !!!'")}}));
        QVERIFY(port_->line.isEmpty());
        checkIdle();
    }

    // The grid starts dark until the first activation loads an effect.
    void darkGridIsRefusedBeforeOpening() {
        setLanguage(Lang::English);
        Presets dark;
        dark.options.pwmMode = -1;
        form_->loadPresets(dark);
        form_->BitBtn1Click();
        QCOMPARE(
            dialogs_->shown,
            Messages({{MsgKind::Warning, QStringLiteral("Can`t write an undefined field !!!")}}));
        QVERIFY(port_->log.isEmpty());
        checkIdle();
    }

    void presetsAccepted() {
        Presets p;
        p.grid.setCell(1, true);
        p.options = {3, 2, 1, 90, 100};
        form_->loadPresets(p);
        QCOMPARE(form_->presetEditor()->presets(), p);
        // What goes out is the document, the user's last edit included.
        test::cellBox(form_->presetEditor(), 180)->click();
        p.grid.setCell(180, true);
        QCOMPARE(form_->session().doc.presets, p);
        setLanguage(Lang::English);
        port_->reply = "RC_LINKUP...OK\r";
        form_->BitBtn1Click();
        QCOMPARE(dialogs_->shown,
                 Messages({{MsgKind::Information, QStringLiteral("The presets has been "
                                                                 "successfully transferred to the "
                                                                 "RC Lumidor !")}}));
        QCOMPARE(port_->line, presetFrame(p) + presetFrame(p));
        checkIdle();
    }

    void configurationMissingSelection() {
        ConfigValues v;
        v.list(ConfigList::Reverse2) = -1;
        form_->session().doc.config = v;
        setLanguage(Lang::English);
        form_->BitBtn6Click();
        QCOMPARE(
            dialogs_->shown,
            Messages({{MsgKind::Warning, QStringLiteral("Invalid settings, missing "
                                                        "selection in the pop-up menu !!!")}}));
        QVERIFY(port_->log.isEmpty());
        checkIdle();
    }

    // A switch that does not answer is reported as "Error#0".
    void emptyReplyBecomesError0() {
        setLanguage(Lang::English);
        port_->reply.clear();
        form_->BitBtn6Click();
        QCOMPARE(dialogs_->shown.size(), 1);
        QCOMPARE(dialogs_->shown.first().kind, MsgKind::Error);
        QVERIFY(dialogs_->shown.first().text.startsWith(QStringLiteral("Error#0 - ")));

        port_->reply = "RC_LINKUP...OK\r";
        form_->BitBtn6Click();
        QCOMPARE(dialogs_->shown.size(), 2);
        QCOMPARE(dialogs_->shown.last().kind, MsgKind::Information);
    }

    void buttonsRunTheirHandlers() {
        setLanguage(Lang::English);
        port_->reply = "RC_LINKUP...OK";
        form_->findChild<QPushButton*>(QStringLiteral("BitBtn6"))->click();
        QCOMPARE(port_->line.size(), 2 * kConfigurationFrameLength);
    }
};

QTEST_MAIN(TransferButtonsTest)
#include "mainwindow_transfer_qtest.moc"
