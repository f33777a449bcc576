#pragma once

#include <QRect>
#include <QSlider>

namespace lumidor {

// A horizontal track bar whose position moves often (the preview's column
// indicator, up to 40 times a second). A move repaints only the strip between
// the old and the new handle instead of the whole bar.
class ColumnTrackBar : public QSlider {
    Q_OBJECT
public:
    explicit ColumnTrackBar(QWidget* parent = nullptr);

    // The part of the bar a move from the handle's last painted place to its
    // current one has to repaint (empty when nothing was painted yet).
    QRect moveRect() const;

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect handleRect() const;

    QRect paintedHandle_;
};

}  // namespace lumidor
