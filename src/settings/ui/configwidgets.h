#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace lumidor {

// An up-down pair of arrow buttons holding a clamped integer position. It is
// attached to an edit that shows the value: while that edit has the focus
// the Up and Down keys step the position too.
class ConfigUpDown : public QWidget {
    Q_OBJECT
public:
    explicit ConfigUpDown(QWidget* parent);

    void setRange(int minimum, int maximum);
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    int position() const { return position_; }
    // Clamps into the range; positionChanged is emitted only on a real change.
    void setPosition(int position);
    void stepBy(int steps) { setPosition(position_ + steps); }

    void attach(QLineEdit* edit);

Q_SIGNALS:
    void positionChanged(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* buddy_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

// A read-only bar that only pictures a range of its scale as highlighted:
// no thumb, no ticks, never takes input.
class NeutralBandBar : public QWidget {
    Q_OBJECT
public:
    explicit NeutralBandBar(QWidget* parent);

    void setRange(int minimum, int maximum);
    int minimum() const { return min_; }
    int maximum() const { return max_; }

    void setSelection(int start, int end);
    bool hasSelection() const { return hasSelection_; }
    int selStart() const { return selStart_; }
    int selEnd() const { return selEnd_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int min_ = 0;
    int max_ = 100;
    bool hasSelection_ = false;
    int selStart_ = 0;
    int selEnd_ = 0;
};

}  // namespace lumidor
