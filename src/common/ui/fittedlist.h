#pragma once

#include <QComboBox>
#include <functional>

namespace lumidor {

// A drop-down list whose popup can be fitted to its items when it next opens
// instead of when the items change. Building a list's popup costs more than
// the closed list itself, and a window full of lists has most of them never
// opened; the fit reads the items as they are at the moment of opening.
class FittedList : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    // fit runs once, just before the popup next opens.
    void fitBeforeOpening(std::function<void(QComboBox*)> fit) { fit_ = std::move(fit); }
    bool fitPending() const { return static_cast<bool>(fit_); }

    void showPopup() override;

private:
    std::function<void(QComboBox*)> fit_;
};

}  // namespace lumidor
