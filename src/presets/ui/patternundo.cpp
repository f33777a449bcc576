#include "presets/ui/patternundo.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>
#include <utility>

namespace lumidor {

// Pushed after its change was made, so its first redo has nothing to do.
class PatternStep : public QUndoCommand {
public:
    explicit PatternStep(PatternUndo* owner) : owner_(owner) {}

    void undo() override { owner_->restore_(owner_->history_.undo()); }
    void redo() override {
        if (done_) {
            owner_->restore_(owner_->history_.redo());
        }
        done_ = true;
    }

private:
    PatternUndo* owner_;
    bool done_ = false;
};

PatternUndo::PatternUndo(QWidget* host, Restore restore)
    : QObject(host), restore_(std::move(restore)), stack_(new QUndoStack(this)) {
    QAction* undo = stack_->createUndoAction(host);
    undo->setObjectName(QStringLiteral("actUndo"));
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = stack_->createRedoAction(host);
    redo->setObjectName(QStringLiteral("actRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        host->addAction(action);
    }
}

void PatternUndo::record(const EditorState& now) {
    if (history_.record(now)) {
        stack_->push(new PatternStep(this));
    }
}

void PatternUndo::restart(const EditorState& start) {
    stack_->clear();
    history_.restart(start);
}

}  // namespace lumidor
