#include <QAction>
#include <QCheckBox>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>
#include <functional>

#include "presets/ui/preseteditorbox.h"
#include "support/controls.h"

namespace lumidor {

// Undo and redo of every change to the pattern, and painting by dragging.
class PatternHistoryTest : public QObject {
    Q_OBJECT

    // cbVolbaRezimu, found as a user's tool finds it.
    static EffectList* effectList(const QWidget* box) {
        return test::control<EffectList>(box, QStringLiteral("cbVolbaRezimu"));
    }

    std::unique_ptr<PresetEditorBox> makeBox() {
        auto box = std::make_unique<PresetEditorBox>(nullptr, [] { return Lang::English; });
        box->resize(592, 393);
        box->show();
        if (!QTest::qWaitForWindowExposed(box.get())) {
            qFatal("editor not shown");
        }
        box->setRandomSeed(5);
        box->cbVolbaRezimuCloseUp();  // as the window's first show does
        return box;
    }

    static void sendMouse(QCheckBox* target, QEvent::Type type, QCheckBox* over,
                          Qt::MouseButtons buttons) {
        const QPoint local = target->mapFromGlobal(over->mapToGlobal(over->rect().center()));
        QMouseEvent event(type, QPointF(local), over->mapToGlobal(QPointF(over->rect().center())),
                          Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }

    // Press on `from`, pass over `path`, release: one drag.
    static void drag(PresetEditorBox& box, int from, const QList<int>& path) {
        QCheckBox* start = test::cellBox(&box, from);
        sendMouse(start, QEvent::MouseButtonPress, start, Qt::LeftButton);
        for (int n : path) {
            sendMouse(start, QEvent::MouseMove, test::cellBox(&box, n), Qt::LeftButton);
        }
        QCheckBox* last = path.isEmpty() ? start : test::cellBox(&box, path.last());
        sendMouse(start, QEvent::MouseButtonRelease, last, Qt::NoButton);
    }

private Q_SLOTS:
    // A mix of every kind of change, undone to the start and redone to the end,
    // each step restoring exactly the pattern it left and what the effect list
    // showed with it.
    void undoAndRedoAcrossAMixOfEdits() {
        auto box = makeBox();
        const std::vector<std::pair<const char*, std::function<void()>>> edits{
            {"click", [&] { drag(*box, 38, {}); }},
            {"keyboard",
             [&] {
                 test::cellBox(box.get(), 143)->setFocus();
                 QTest::keyClick(test::cellBox(box.get(), 143), Qt::Key_Space);
             }},
            {"drag",
             [&] {
                 drag(*box, 1, {5, 9, 13, 9});
             }},
            {"fill", [&] { box->BitBtnCheckBoxClick(1); }},
            {"effect",
             [&] {
                 box->cbVolbaRezimuDropDown();
                 effectList(box.get())->setCurrentIndex(kRandomEffect);
                 box->cbVolbaRezimuChange();
             }},
            {"time axis",
             [&] {
                 test::control<QComboBox>(box.get(), QStringLiteral("cbCasovaOsa"))->setFocus();
                 QTest::keyClick(test::control<QComboBox>(box.get(), QStringLiteral("cbCasovaOsa")),
                                 Qt::Key_Up);
             }},
            {"brightness",
             [&] {
                 test::control<QComboBox>(box.get(), QStringLiteral("cbPWM"))->setFocus();
                 QTest::keyClick(test::control<QComboBox>(box.get(), QStringLiteral("cbPWM")),
                                 Qt::Key_Down);
             }},
            {"invert", [&] { box->BitBtnCheckBoxClick(3); }},
        };
        std::vector<Pattern> states{box->pattern()};
        QStringList shown{effectList(box.get())->currentText()};
        for (const auto& [name, edit] : edits) {
            edit();
            QVERIFY2(box->pattern() != states.back(), name);
            states.push_back(box->pattern());
            shown << effectList(box.get())->currentText();
            QCOMPARE(box->undoStack()->count(), static_cast<int>(states.size()) - 1);
        }
        QCOMPARE(states[3].grid.litCount(), 2 + 4);  // the drag passed four cells

        // Undo and redo bring the brightness mode back to the window's rules.
        QSignalSpy pwmRestored(box.get(), &PresetEditorBox::pwmModeChanged);
        QUndoStack* undo = box->undoStack();
        for (size_t i = states.size() - 1; i > 0; --i) {
            undo->undo();
            QCOMPARE(box->pattern(), states[i - 1]);
            QCOMPARE(effectList(box.get())->currentText(), shown[static_cast<qsizetype>(i - 1)]);
        }
        QCOMPARE(pwmRestored.count(), 1);
        for (size_t i = 1; i < states.size(); ++i) {
            undo->redo();
            QCOMPARE(box->pattern(), states[i]);
            QCOMPARE(effectList(box.get())->currentText(), shown[static_cast<qsizetype>(i)]);
        }
        QCOMPARE(pwmRestored.count(), 2);

        // A new edit after undoing drops what could have been redone.
        undo->undo();
        box->BitBtnCheckBoxClick(0);
        QVERIFY(!undo->canRedo());
        // A press that changes nothing is no step.
        const int steps = undo->count();
        box->BitBtnCheckBoxClick(0);
        QCOMPARE(undo->count(), steps);
    }

    // One press and release toggles once; a drag sets every cell it passes to
    // the state the first took, as one undo step.
    void dragPaintsOneState() {
        auto box = makeBox();
        test::cellBox(box.get(), 9)->setChecked(true);
        box->recordChange();
        const Pattern start = box->pattern();
        drag(*box, 1, {});
        QVERIFY(box->presets().grid.cell(1));
        drag(*box, 1, {});
        QVERIFY(!box->presets().grid.cell(1));

        const int steps = box->undoStack()->count();
        // Output 1, columns 1-4, then down to output 2; the lit cell 9 stays lit.
        drag(*box, 1, {5, 9, 13, 14});
        for (int n : {1, 5, 9, 13, 14}) {
            QVERIFY2(box->presets().grid.cell(n), qPrintable(QString::number(n)));
        }
        QCOMPARE(box->undoStack()->count(), steps + 1);
        // Dragging from a lit cell clears.
        drag(*box, 5, {9, 13});
        QVERIFY(!box->presets().grid.cell(5) && !box->presets().grid.cell(9) &&
                !box->presets().grid.cell(13) && box->presets().grid.cell(1));
        box->undoStack()->undo();
        box->undoStack()->undo();
        box->undoStack()->undo();
        box->undoStack()->undo();
        QCOMPARE(box->pattern(), start);
    }

    void keysAreNamedAndOnTheWindow() {
        auto box = makeBox();
        auto* undo = box->findChild<QAction*>(QStringLiteral("actUndo"));
        auto* redo = box->findChild<QAction*>(QStringLiteral("actRedo"));
        QVERIFY(undo && redo);
        QCOMPARE(undo->shortcuts(), QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Z"))});
        QCOMPARE(redo->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                      QKeySequence(QStringLiteral("Ctrl+Y"))}));
        QVERIFY(box->actions().contains(undo) && box->actions().contains(redo));
        QVERIFY(box->statusTip().contains(QStringLiteral("Ctrl+Z")));
        QVERIFY(box->statusTip().contains(QStringLiteral("Ctrl+Y")));

        // Through the keys themselves, with the window active.
        box->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(box.get()));
        box->BitBtnCheckBoxClick(1);
        QTest::keyClick(box.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->pattern().grid.litCount(), 0);
        QTest::keyClick(box.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(box->pattern().grid.litCount(), kCellCount);
        QTest::keyClick(box.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(box.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(box->pattern().grid.litCount(), kCellCount);
    }

    // Loading settings starts a fresh history.
    void loadForgetsHistory() {
        auto box = makeBox();
        box->BitBtnCheckBoxClick(1);
        box->setPresets(Presets{});
        QCOMPARE(box->undoStack()->count(), 0);
        box->BitBtnCheckBoxClick(1);
        box->undoStack()->undo();
        QCOMPARE(box->pattern().grid.litCount(), 0);
    }
};

}  // namespace lumidor

QTEST_MAIN(lumidor::PatternHistoryTest)
#include "patternhistory_qtest.moc"
