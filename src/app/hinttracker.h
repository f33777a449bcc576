#pragma once

#include <QObject>

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inWindow(const QWidget* widget) const;

    QWidget* window_;
    QStatusBar* bar_;
};

}  // namespace lumidor
