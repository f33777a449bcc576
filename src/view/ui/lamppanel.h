#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

namespace lumidor {

class TALed;

// The lamps of one model drawn by one widget: a preview step that changes
// eight lamps costs one repaint of the model rather than eight. Each lamp
// stays a TALed of its own (its name, value, blinking and tip); the panel
// takes exactly the lamps' places, so the picture and the box around them
// keep the pointer everywhere else.
class LampPanel : public QWidget {
    Q_OBJECT
public:
    // Covers the whole of `model`, which holds the model's picture.
    explicit LampPanel(QWidget* model);

    // A lamp made with this panel as its parent, once its place and style
    // are set; it is drawn here from now on.
    void addLamp(TALed* lamp);

    // Between the two, lamp changes are gathered and repainted as one.
    void holdRepaints();
    void releaseRepaints();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TALed* lampAt(QPoint pos) const;
    void lampChanged(TALed* lamp);

    QList<TALed*> lamps_;
    bool holding_ = false;
    QRect pending_;
};

}  // namespace lumidor
