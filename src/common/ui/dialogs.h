#pragma once

#include <QString>

#include "common/message.h"

class QWidget;

namespace lumidor {

// The one seam every message box and file dialog goes through, so that tests
// can see exactly what a user would see without blocking on a modal window.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void message(MsgKind kind, const QString& text) = 0;
    // Yes/No question with a warning icon and No as the default button.
    virtual bool question(const QString& title, const QString& text) = 0;
    // Empty result: the user cancelled.
    virtual QString openFileName(const QString& dir, const QString& filter) = 0;
    virtual QString saveFileName(const QString& dir, const QString& filter) = 0;

    // The dialogs in force; the real modal boxes unless a test installed others.
    static Dialogs& current();
    // Installs `dialogs` (not owned); nullptr restores the real ones.
    static void install(Dialogs* dialogs);
    // Parent for the real boxes (the main window).
    static void setParentWidget(QWidget* parent);

    void show(const Message& m) { message(m.kind, m.text); }
};

}  // namespace lumidor
