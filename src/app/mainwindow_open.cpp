#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <utility>

#include "app/mainwindow.h"
#include "common/ui/dialogs.h"

namespace lumidor {
namespace {

QString presetFileOf(const QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    return data != nullptr && data->hasUrls() ? droppedPresetFile(data->urls()) : QString();
}

}  // namespace

void TMainForm::openAtStart(QList<FileArgument> arguments) {
    startFiles_ = std::move(arguments);
}

void TMainForm::openStartFiles() {
    // Taken first: a box shown below may let the window be activated again.
    const QList<FileArgument> files = std::exchange(startFiles_, {});
    for (const FileArgument& file : files) {
        const FileArgumentProblem problem = checkFileArgument(file);
        if (problem == FileArgumentProblem::None) {
            openPresetFile(file.path);
        } else {
            Dialogs::current().show(fileArgumentMessage(lang(), problem, file.path));
        }
    }
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    // Left unaccepted, the drag shows the "no drop" cursor over the window.
    if (!presetFileOf(event).isEmpty()) {
        // Never a move: the file manager would delete the user's file.
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QString path = presetFileOf(event);
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // After the drop has returned to its source: a box shown inside it would
    // hold the file manager's drag until the user closes the box.
    QMetaObject::invokeMethod(
        this, [this, path] { openPresetFile(path); }, Qt::QueuedConnection);
}

}  // namespace lumidor
