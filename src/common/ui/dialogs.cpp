#include "common/ui/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

namespace lumidor {
namespace {

QPointer<QWidget> g_parent;

class ModalDialogs final : public Dialogs {
public:
    void message(MsgKind kind, const QString& text) override {
        switch (kind) {
            case MsgKind::Information:
                QMessageBox::information(g_parent, QStringLiteral("Information"), text);
                break;
            case MsgKind::Warning:
                QMessageBox::warning(g_parent, QStringLiteral("Warning"), text);
                break;
            case MsgKind::Error:
                QMessageBox::critical(g_parent, QStringLiteral("Error"), text);
                break;
        }
    }

    bool question(const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No,
                        g_parent);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

    QString openFileName(const QString& dir, const QString& filter) override {
        return QFileDialog::getOpenFileName(g_parent, QString(), dir, filter);
    }

    QString saveFileName(const QString& dir, const QString& filter) override {
        // The overwrite question is the program's own, in the active language.
        return QFileDialog::getSaveFileName(g_parent, QString(), dir, filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }
};

Dialogs* g_installed = nullptr;

}  // namespace

Dialogs& Dialogs::current() {
    static ModalDialogs modal;
    return g_installed ? *g_installed : modal;
}

void Dialogs::install(Dialogs* dialogs) {
    g_installed = dialogs;
}

void Dialogs::setParentWidget(QWidget* parent) {
    g_parent = parent;
}

}  // namespace lumidor
