#pragma once

#include <QPixmap>
#include <QRect>
#include <QSlider>
#include <array>
#include <utility>
#include <vector>

class QStyleOptionSlider;

namespace lumidor {

// A horizontal track bar whose position moves often (the preview's column
// indicator, up to 40 times a second). A move repaints only the strip between
// the old and the new handle instead of the whole bar, and the bar's look at
// each position is drawn by the style once and then copied.
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
    using Look = std::array<qint64, 20>;

    QRect handleRect() const;
    QPixmap picture(const QStyleOptionSlider& option);

    QRect paintedHandle_;
    std::vector<std::pair<Look, QPixmap>> pictures_;
};

}  // namespace lumidor
