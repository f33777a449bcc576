#pragma once

#include <QGroupBox>

#include "common/bilingual.h"

class QButtonGroup;
class QToolButton;

namespace lumidor {

// GroupBox5: the two flag buttons. The pressed button names the active
// language and is disabled, so only the other language can be chosen.
class LanguageBox : public QGroupBox {
    Q_OBJECT
public:
    explicit LanguageBox(QWidget* parent);

    QToolButton* czechButton() const { return sbCzech; }
    QToolButton* englishButton() const { return sbEnglish; }

    // Puts a button down (releasing the other) without touching the enabled state.
    void press(Lang lang);
    // Each button enabled exactly when it is not pressed.
    void syncEnabled();

Q_SIGNALS:
    void languageClicked();

private:
    QToolButton* sbCzech;
    QToolButton* sbEnglish;
    QButtonGroup* group_;
};

}  // namespace lumidor
