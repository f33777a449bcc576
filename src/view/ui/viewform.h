#pragma once

#include <QWidget>
#include <array>

#include "common/bilingual.h"
#include "view/modelview.h"

class QCheckBox;
class QGroupBox;
class QLabel;

namespace lumidor {

class LampPanel;
class TALed;

// The model preview window: the live preview played on an aeroplane, a
// quadcopter and a boat, and a car whose lamps show all on or all off. It
// lives for the whole run and is only shown and hidden.
class TViewForm : public QWidget {
    Q_OBJECT
public:
    explicit TViewForm(LangFn lang, QWidget* parent = nullptr);
    ~TViewForm() override;

    // Relabels the window in the active language; runs on every change from
    // hidden to shown and after a language switch while shown.
    void FormShow();
    // Esc (27) closes the window; other characters do nothing.
    void FormKeyPress(QChar key);
    // Applies the caption rule to one simulation box.
    void CheckBoxClick(QCheckBox* sender);
    void chbCarClick();

    // The follow step, once per preview tick whether shown or not: each model
    // whose box is ticked takes the states of Led1..Led8.
    void follow(const LedStates& leds);

    // The 46 lamps in table order (see modelLamps()).
    TALed* lamp(int index) const { return lamps_[static_cast<size_t>(index)]; }
    QCheckBox* simulationBox(Model model) const { return boxes_[static_cast<size_t>(model)]; }
    // Whether the pictures have been decoded (at the first show, not before).
    bool picturesLoaded() const { return picturesLoaded_; }
    QLabel* picture(int index) const { return pictures_[static_cast<size_t>(index)]; }
    // A picture in its place; a null one (it did not decode) leaves the
    // place blank and grey.
    void showPicture(int index, const QImage& image);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildGroups();
    void loadPictures();
    void setCarLamps(bool on);
    void placeLabel(size_t index, const QString& text);

    LangFn lang_;
    std::array<QGroupBox*, 4> groups_{};
    std::array<QCheckBox*, 4> boxes_{};
    std::array<QLabel*, 5> pictures_{};
    std::array<LampPanel*, 4> panels_{};
    std::array<TALed*, kFollowingLamps + kCarLamps> lamps_{};
    std::array<QLabel*, 24> labels_{};
    bool picturesLoaded_ = false;
};

}  // namespace lumidor
