#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace lumidor {

// A small up-down button beside a read-only edit (the PWM limits, the voltage
// threshold): steps a position within a range. Any change of the position, by
// a click, an arrow key in the edit or from code, is announced, as the edit's
// text follows the position.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    int position() const { return position_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int increment() const { return increment_; }

    // Clamped to the range.
    void setPosition(int position);
    // A range that no longer holds the position pulls it in.
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void setRange(int minimum, int maximum);
    void setIncrement(int increment) { increment_ = increment; }

    // The edit whose arrow keys step this up-down.
    void setBuddy(QLineEdit* edit);

    void stepUp() { setPosition(position_ + increment_); }
    void stepDown() { setPosition(position_ - increment_); }

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

Q_SIGNALS:
    void positionChanged(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* buddy_ = nullptr;
    int position_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
    int increment_ = 1;
};

}  // namespace lumidor
