#pragma once

#include <QWidget>
#include "common/ui/fittedlist.h"

namespace lumidor {

// A drop-down list in a font of its own. QComboBox builds its whole popup as
// soon as its font is set; for the panel's twenty-one lists at start-up that
// was most of the panel's cost, for popups most users never open. The font
// set here reaches the popup when it first opens instead.
class FontedList : public FittedList {
    Q_OBJECT
public:
    FontedList(const QFont& font, QWidget* parent);

    void showPopup() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    bool popupFontSet_ = false;
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
