#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "presets/presetgrid.h"

namespace lumidor {

// What an undo or redo step brings back: the pattern and what the editor
// showed with it.
struct EditorState {
    Pattern pattern;
    std::optional<int> effect;  // the effect list's choice; none is the placeholder
    QString titleFile;          // the preset file the window title names; empty: none

    friend bool operator==(const EditorState&, const EditorState&) = default;
};

// The states between the pattern's changes, and where the editor stands among
// them. A state is kept whole rather than as a difference, so what the list
// and the title show can follow without a step of their own.
class PatternHistory {
public:
    explicit PatternHistory(const EditorState& start = {}) { restart(start); }

    // A load starts afresh: nothing to undo or redo.
    void restart(const EditorState& start);
    // A changed pattern is a new step, and what could be redone is dropped;
    // otherwise the current state takes on what the editor shows now. True for
    // a new step.
    bool record(const EditorState& now);
    // What the list and the title show now, without a step: the current
    // state's pattern stays as recorded.
    void amend(const EditorState& now);

    const EditorState& current() const { return states_[at_]; }
    bool canUndo() const { return at_ > 0; }
    bool canRedo() const { return at_ + 1 < states_.size(); }
    // One step back or forward; the state to show (the current one at an end).
    const EditorState& undo();
    const EditorState& redo();

private:
    std::vector<EditorState> states_;
    size_t at_ = 0;
};

}  // namespace lumidor
