#include <QWindow>

#include "app/mainwindow.h"
#include "presets/ui/livepreviewbox.h"
#include "view/ui/viewform.h"

namespace lumidor {

TViewForm* TMainForm::viewForm() const {
    if (!ViewForm) {
        ViewForm = std::make_unique<TViewForm>([this] { return lang(); });
        // Its lamps take up the preview from where it stands.
        followModels();
    }
    return ViewForm.get();
}

void TMainForm::connectView() {
    connect(GroupBox2, &LivePreviewBox::modelRequested, this, &TMainForm::SpeedButton1Click);
}

void TMainForm::SpeedButton1Click() {
    TViewForm* view = viewForm();
    if (!view->isVisible()) {
        // Kept above the main window by the desktop; placed at its centre.
        view->winId();
        if (view->windowHandle() != nullptr && windowHandle() != nullptr) {
            view->windowHandle()->setTransientParent(windowHandle());
        }
        // Centred client on client; the tool window's frame is taken to be
        // like this window's until the desktop has drawn it.
        const QPoint frameOffset = geometry().topLeft() - frameGeometry().topLeft();
        view->move(geometry().center() - view->rect().center() - frameOffset);
        view->show();
    }
    view->raise();
    view->activateWindow();
}

void TMainForm::followModels() const {
    if (ViewForm) {
        ViewForm->follow(previewLit_);
    }
}

}  // namespace lumidor
