#pragma once

#include <QObject>
#include <functional>

#include "presets/patternhistory.h"

class QUndoStack;
class QWidget;

namespace lumidor {

// The undo and redo keys over the pattern's history. The stack holds one
// empty step per recorded change, for its actions and their enabled state;
// the states themselves are the history's, and both move together.
class PatternUndo : public QObject {
    Q_OBJECT
public:
    using Restore = std::function<void(const EditorState&)>;

    // The actions actUndo and actRedo go on `host`, working anywhere in its window.
    PatternUndo(QWidget* host, Restore restore);

    QUndoStack* stack() const { return stack_; }
    void record(const EditorState& now);
    void amend(const EditorState& now) { history_.amend(now); }
    void restart(const EditorState& start);

private:
    friend class PatternStep;

    Restore restore_;
    PatternHistory history_;
    QUndoStack* stack_ = nullptr;
};

}  // namespace lumidor
