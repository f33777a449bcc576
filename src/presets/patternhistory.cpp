#include "presets/patternhistory.h"

namespace lumidor {

void PatternHistory::restart(const EditorState& start) {
    states_.assign(1, start);
    at_ = 0;
}

bool PatternHistory::record(const EditorState& now) {
    if (now.pattern == current().pattern) {
        amend(now);
        return false;
    }
    states_.resize(at_ + 1);
    states_.push_back(now);
    ++at_;
    return true;
}

void PatternHistory::amend(const EditorState& now) {
    states_[at_].effect = now.effect;
    states_[at_].titleFile = now.titleFile;
}

const EditorState& PatternHistory::undo() {
    if (canUndo()) {
        --at_;
    }
    return current();
}

const EditorState& PatternHistory::redo() {
    if (canRedo()) {
        ++at_;
    }
    return current();
}

}  // namespace lumidor
