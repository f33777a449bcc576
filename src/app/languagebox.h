#pragma once

#include <QGroupBox>

#include "common/bilingual.h"

class QButtonGroup;
class QToolButton;

namespace lumidor {

// GroupBox5: the two flag buttons. They show the active language (held by
// the window's session): its button pressed and disabled, so only the other
// language can be chosen. A click reports the language chosen; the window
// makes it the active one.
class LanguageBox : public QGroupBox {
    Q_OBJECT
public:
    explicit LanguageBox(QWidget* parent);

    QToolButton* czechButton() const { return sbCzech; }
    QToolButton* englishButton() const { return sbEnglish; }

    // Puts a button down (releasing the other) without touching the enabled state.
    void press(Lang lang);
    // The active language's button pressed and disabled, the other enabled.
    void showActive(Lang lang);

Q_SIGNALS:
    void languageClicked(Lang chosen);

private:
    QToolButton* sbCzech;
    QToolButton* sbEnglish;
    QButtonGroup* group_;
};

}  // namespace lumidor
