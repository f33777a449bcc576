#pragma once

#include <QGuiApplication>
#include <QList>
#include <QStringList>

#include "common/ui/dialogs.h"

namespace lumidor::test {

// Stands in for the modal boxes: records what the user would have read and
// answers questions and file dialogs from scripted queues.
class RecordingDialogs : public Dialogs {
public:
    RecordingDialogs() { Dialogs::install(this); }
    ~RecordingDialogs() override { Dialogs::install(nullptr); }

    void message(MsgKind kind, const QString& text) override {
        shown.append({kind, text});
        // A box waits for the user, so none may come up under the wait cursor.
        if (QGuiApplication::overrideCursor() != nullptr) {
            underWaitCursor.append(text);
        }
    }
    bool question(const QString& title, const QString& text) override {
        questions.append(title + QLatin1Char('|') + text);
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    QString openFileName(const QString& dir, const QString& filter) override {
        dialogDirs.append(dir);
        dialogFilters.append(filter);
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    QString saveFileName(const QString& dir, const QString& filter) override {
        return openFileName(dir, filter);
    }

    Messages shown;
    QStringList underWaitCursor;
    QStringList questions;
    QList<bool> answers;
    QStringList fileNames;
    QStringList dialogDirs;
    QStringList dialogFilters;
};

}  // namespace lumidor::test
