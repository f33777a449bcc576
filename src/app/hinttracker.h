#pragma once

#include <QObject>
#include <QPointer>

class QStatusBar;
class QWidget;

namespace lumidor {

// Shows in the status bar the hint of the control under the pointer, or of
// its nearest enclosing control that has one. Hints are kept in statusTip;
// Qt's own status-tip events are swallowed so that only this rule applies.
class HintTracker : public QObject {
    Q_OBJECT
public:
    HintTracker(QWidget* window, QStatusBar* bar);

    static QString hintFor(const QWidget* widget, const QWidget* top);

    // Shows the hint of the control under the pointer again if it changed
    // while the pointer rested there (a bar moved by keys or wheel, a
    // language switch made from the keyboard).
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inWindow(const QWidget* widget) const;

    void show(const QWidget* under);

    QWidget* window_;
    QStatusBar* bar_;
    QPointer<QWidget> under_;  // the control the pointer last entered
};

}  // namespace lumidor
