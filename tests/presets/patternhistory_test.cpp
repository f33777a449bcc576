#include "presets/patternhistory.h"

#include <gtest/gtest.h>

namespace lumidor {
namespace {

EditorState withCell(int n, std::optional<int> effect = std::nullopt) {
    EditorState s;
    s.pattern.grid.setCell(n, true);
    s.effect = effect;
    return s;
}

// A step brings back the pattern with what the effect list and the title
// showed; what they show without a change of pattern makes no step.
TEST(PatternHistory, StepsCarryWhatWasShown) {
    const EditorState start;
    PatternHistory h(start);
    EXPECT_FALSE(h.record(start));
    EXPECT_TRUE(h.record(withCell(1, 3)));
    EditorState saved = withCell(1);
    saved.titleFile = QStringLiteral("plane.rcl");
    EXPECT_FALSE(h.record(saved));
    EXPECT_EQ(h.undo(), start);
    EXPECT_EQ(h.undo(), start);  // at the start
    EXPECT_EQ(h.redo(), saved);
    EXPECT_FALSE(h.canRedo());

    // A change after an undo drops what could be redone.
    h.undo();
    EXPECT_TRUE(h.record(withCell(2)));
    EXPECT_FALSE(h.canRedo());
    // Amending keeps the recorded pattern.
    h.amend(withCell(5, 7));
    EXPECT_EQ(h.current(), withCell(2, 7));
    h.restart(saved);
    EXPECT_FALSE(h.canUndo() || h.canRedo());
}

}  // namespace
}  // namespace lumidor
