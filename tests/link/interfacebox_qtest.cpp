#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/mainwindow.h"
#include "link/ui/interfacebox.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/ui/configpanelbox.h"
#include "support/controls.h"
#include "support/recordingdialogs.h"
#include "support/simenv.h"

using namespace Qt::StringLiterals;

namespace lumidor {

class InterfaceBoxTest : public QObject {
    Q_OBJECT

private:
    QLabel* label(const char* name) const {
        return form_->interfaceBox()->findChild<QLabel*>(QString::fromLatin1(name));
    }
    QStringList values() const {
        QStringList texts;
        for (const char* name : {"ftName", "ftSN", "ftFw", "ftType", "ftDrv", "ftLbr"}) {
            texts << label(name)->text();
        }
        return texts;
    }
    // The write buttons belong to other groups; they exist once those are built.
    void expectButtons(bool enabled) const {
        for (QPushButton* b : test::writeButtons(form_.get())) {
            if (b != nullptr) {
                QCOMPARE(b->isEnabled(), enabled);
            }
        }
    }
    void setButtons(bool enabled) const {
        for (QPushButton* b : test::writeButtons(form_.get())) {
            if (b != nullptr) {
                b->setEnabled(enabled);
            }
        }
    }

    QTemporaryDir dir_;
    std::unique_ptr<test::RecordingDialogs> dialogs_;
    std::unique_ptr<test::SimEnv> sim_;
    std::unique_ptr<TMainForm> form_;

private Q_SLOTS:
    void init() {
        dialogs_ = std::make_unique<test::RecordingDialogs>();
        sim_ = std::make_unique<test::SimEnv>();
        form_ = std::make_unique<TMainForm>(dir_.path());
    }
    void cleanup() {
        form_.reset();
        sim_.reset();
        dialogs_.reset();
    }

    void startsWithDashesAndNamedCaptions() {
        const QStringList dashes(6, QStringLiteral("---"));
        QCOMPARE(values(), dashes);
        QCOMPARE(form_->interfaceBox()->nameCaption(), QStringLiteral("---"));
        QCOMPARE(form_->interfaceBox()->geometry(), QRect(614, 409, 339, 172));

        form_->interfaceBox()->applyLanguage(Lang::English);
        QCOMPARE(form_->interfaceBox()->title(), QStringLiteral("Communication interface: "));
        QCOMPARE(label("lbName")->text(), QStringLiteral("Name:"));
        QCOMPARE(label("lbSerialN")->text(), QStringLiteral("Serial n.:"));
        QCOMPARE(label("lbFwVersion")->text(), QStringLiteral("FW ver.:"));
        QCOMPARE(label("lbChipType")->text(), QStringLiteral("Chip type:"));
        QCOMPARE(label("lbDriver")->text(), QStringLiteral("Driver:"));
        QCOMPARE(label("lbLibrary")->text(), QStringLiteral("Library:"));
        form_->interfaceBox()->applyLanguage(Lang::Czech);
        QCOMPARE(form_->interfaceBox()->title(), QStringLiteral("Komunikační rozhraní: "));
        QCOMPARE(label("lbName")->text(), QStringLiteral("Název:"));
        QCOMPARE(label("lbSerialN")->text(), QStringLiteral("Sériové č.:"));
        QCOMPARE(label("lbFwVersion")->text(), QStringLiteral("Verze fw:"));
        QCOMPARE(label("lbChipType")->text(), QStringLiteral("Typ chipu:"));
        QCOMPARE(label("lbDriver")->text(), QStringLiteral("Driver:"));
    }

    void readyConverterThenUnplugged() {
        form_->SearchConverter();
        QCOMPARE(values(), (QStringList{u"RC_LINKUP"_s, u"LU000001"_s, u"v1.3"_s, u"FT232R"_s,
                                        u"2.12.16"_s, u"3.02.15"_s}));
        QLabel* name = label("ftName");
        QCOMPARE(name->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QVERIFY(name->font().bold());
        expectButtons(true);
        QCOMPARE(form_->session().UsbDevice.Index, 0);
        QCOMPARE(form_->session().UsbDevice.Description, QStringLiteral("RC_LINKUP v1.3"));
        QVERIFY(dialogs_->shown.isEmpty());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

        sim_->set("LUMIDOR_SIM_DEVICES", "");
        form_->SearchConverter();
        QCOMPARE(values(), QStringList(6, QStringLiteral("---")));
        QCOMPARE(name->palette().color(QPalette::WindowText),
                 form_->interfaceBox()->palette().color(QPalette::WindowText));
        QVERIFY(!name->font().bold());
        expectButtons(false);
        QCOMPARE(form_->session().UsbDevice.Index, -1);
        QVERIFY(dialogs_->shown.isEmpty());
    }

    // Step 7 to 10 ends keep the labels and leave the buttons as they were;
    // the binding's box comes first, through the same dialogs.
    void portFailureLeavesButtonsAlone() {
        setButtons(true);
        sim_->set("LUMIDOR_SIM_FAIL", "FT_SetBaudRate:4");
        form_->SearchConverter();
        expectButtons(true);
        QCOMPARE(label("ftName")->text(), QStringLiteral("RC_LINKUP"));
        QCOMPARE(dialogs_->shown.size(), 2);
        QCOMPARE(dialogs_->shown[0],
                 (Message{MsgKind::Error, QStringLiteral("FT_SetBaudRate - General IO error...")}));
        QCOMPARE(dialogs_->shown[1].kind, MsgKind::Error);
        QVERIFY(dialogs_->shown[1].text.contains(QStringLiteral("9600Bd !!!")));
    }

    void refusedFirmwareWarnsOnlyWhenVisible() {
        sim_->set("LUMIDOR_SIM_DEVICES", "RC_LINKUP v1.1|S1");
        form_->SearchConverter();
        QVERIFY(dialogs_->shown.isEmpty());
        QCOMPARE(label("ftFw")->text(), QStringLiteral("v1.1"));
        expectButtons(false);

        form_->show();
        QCoreApplication::processEvents();
        dialogs_->shown.clear();
        form_->SearchConverter();
        QCOMPARE(dialogs_->shown.size(), 1);
        QCOMPARE(dialogs_->shown[0].kind, MsgKind::Warning);
        QVERIFY(dialogs_->shown[0].text.contains(QStringLiteral("RC_LINKUP")) &&
                dialogs_->shown[0].text.contains(QStringLiteral("!!!\r\n\r\n")));
    }
};

}  // namespace lumidor

QTEST_MAIN(lumidor::InterfaceBoxTest)
#include "interfacebox_qtest.moc"
