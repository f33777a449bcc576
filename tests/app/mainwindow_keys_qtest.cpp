#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/languagebox.h"
#include "app/mainwindow.h"
#include "common/mnemonic.h"
#include "presets/presetgrid.h"
#include "presets/ui/preseteditorbox.h"
#include "support/controls.h"
#include "support/recordingdialogs.h"
#include "view/ui/viewform.h"

namespace lumidor {
namespace {

// Every mnemonic letter of a window's captions, by control name.
QMap<QString, QChar> mnemonics(const QWidget* window) {
    QMap<QString, QChar> keys;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        QString caption;
        if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
            caption = b->text();
        } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
            caption = g->title();
        }
        if (const QChar key = mnemonicOf(caption); !key.isNull()) {
            keys.insert(w->objectName(), key);
        }
    }
    return keys;
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    test::RecordingDialogs dialogs_;
    std::unique_ptr<TMainForm> form_;

    QCheckBox* cell(int output, int column) const {
        return test::cellBox(form_->presetEditor(), cellNumber(output, column));
    }
    void toEnglish() { QTest::mouseClick(form_->languageBox()->englishButton(), Qt::LeftButton); }

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        form_ = std::make_unique<TMainForm>(dir_.path());
        form_->timer1()->stop();
        form_->show();
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    void cleanup() { form_.reset(); }

    // Arrows move by the drawn grid (output 4 to 5 crosses the sections),
    // Home/End to the row's ends, Space toggles the focused cell.
    void arrowsMoveThroughTheGrid() {
        cell(4, 7)->setFocus();
        const struct {
            Qt::Key key;
            int output, column;
        } steps[] = {{Qt::Key_Down, 5, 7}, {Qt::Key_Right, 5, 8},  {Qt::Key_Up, 4, 8},
                     {Qt::Key_End, 4, 20}, {Qt::Key_Right, 4, 20}, {Qt::Key_Home, 4, 1},
                     {Qt::Key_Up, 3, 1},   {Qt::Key_Up, 2, 1},     {Qt::Key_Up, 1, 1}};
        for (const auto& s : steps) {
            QTest::keyClick(QApplication::focusWidget(), s.key);
            QCOMPARE(QApplication::focusWidget(), cell(s.output, s.column));
        }
        QVERIFY(!cell(1, 1)->isChecked());
        QTest::keyClick(cell(1, 1), Qt::Key_Space);
        QVERIFY(cell(1, 1)->isChecked());
        QVERIFY(form_->presetEditor()->presets().grid.cell(1));
    }

    void cellsAreNamedInTheActiveLanguage() {
        QCOMPARE(cell(3, 7)->accessibleName(), QStringLiteral("Výstup 3, sloupec 7"));
        toEnglish();
        QCOMPARE(cell(3, 7)->accessibleName(), QStringLiteral("Output 3, column 7"));
        QCOMPARE(cell(8, 20)->accessibleName(), QStringLiteral("Output 8, column 20"));
    }

    // In both languages every acted-on group and button has a letter, no two
    // alike in a window, and the captions read exactly as before.
    void mnemonicsDoNotCollide() {
        const QStringList expected{QStringLiteral("GroupBox3"),    QStringLiteral("BitBtn1"),
                                   QStringLiteral("GroupBox4"),    QStringLiteral("BitBtn6"),
                                   QStringLiteral("SpeedButton1"), QStringLiteral("GroupBox5")};
        for (int round = 0; round < 2; ++round) {
            form_->SpeedButton1Click();
            for (const QWidget* window :
                 {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(form_->viewForm())}) {
                const QMap<QString, QChar> keys = mnemonics(window);
                const QList<QChar> letters = keys.values();
                QCOMPARE(QSet<QChar>(letters.begin(), letters.end()).size(), letters.size());
                if (window == form_.get()) {
                    for (const QString& name : expected) {
                        QVERIFY2(keys.contains(name), qPrintable(name));
                    }
                } else {
                    QCOMPARE(keys.size(), 4);
                }
            }
            form_->viewForm()->close();
            toEnglish();
        }
        auto* save = form_->findChild<QAbstractButton*>(QStringLiteral("BitBtn1"));
        QCOMPARE(withoutMnemonic(save->text()), QStringLiteral("Save presets"));
    }

    // Alt + the model button's letter opens the model window (the button
    // itself takes no focus).
    void mnemonicOpensTheModelWindow() {
        QVERIFY(!form_->viewForm()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
        // A button's mnemonic clicks it the way the mouse does, a moment later.
        QTRY_VERIFY(form_->viewForm()->isVisible());
    }

    // Tab walks the groups in reading order: the editor, the configuration,
    // then the language buttons on the right.
    void tabOrderFollowsTheGroups() {
        QStringList groups;
        QWidget* w = cell(1, 1);
        for (int i = 0; i < 600; ++i, w = w->nextInFocusChain()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(form_.get())) {
                continue;
            }
            for (QWidget* p = w; p != nullptr && p != form_.get(); p = p->parentWidget()) {
                if (qobject_cast<QGroupBox*>(p) &&
                    p->parentWidget()->objectName() == QLatin1String("ClientArea")) {
                    if (groups.isEmpty() || groups.last() != p->objectName()) {
                        groups << p->objectName();
                    }
                    break;
                }
            }
            if (w == cell(1, 1) && i > 0) {
                break;  // round the whole chain
            }
        }
        if (groups.size() > 1 && groups.last() == groups.first()) {
            groups.removeLast();  // back where the walk began
        }
        // The preview, interface and About groups hold nothing to tab to.
        QCOMPARE(groups, (QStringList{QStringLiteral("GroupBox3"), QStringLiteral("GroupBox4"),
                                      QStringLiteral("GroupBox5")}));
    }

    // The status bar follows a hint that changes while the pointer rests:
    // a stick-limit bar moved by a key, and a language switch.
    void restingHintIsShownAgainWhenItChanges() {
        auto* bar = form_->findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
        auto* limit = form_->findChild<QSlider*>(QStringLiteral("tbLeft1"));
        limit->setEnabled(true);
        limit->setFocus();
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(limit, &enter);
        const QString before = bar->currentMessage();
        QCOMPARE(before, limit->statusTip());
        QTest::keyClick(limit, Qt::Key_Right);
        QCoreApplication::processEvents();
        QVERIFY(limit->statusTip() != before);
        QCOMPARE(bar->currentMessage(), limit->statusTip());

        auto* prog = form_->findChild<QWidget*>(QStringLiteral("cbProg"));
        QCoreApplication::sendEvent(prog, &enter);
        const QString czech = bar->currentMessage();
        form_->LanguageClick(Lang::English);
        QCOMPARE(bar->currentMessage(), prog->statusTip());
        QVERIFY(bar->currentMessage() != czech);
    }
};

}  // namespace lumidor

QTEST_MAIN(lumidor::KeyboardTest)
#include "mainwindow_keys_qtest.moc"
