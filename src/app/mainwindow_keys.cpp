#include <QAbstractButton>
#include <QGroupBox>
#include <array>

#include "app/mainwindow.h"
#include "common/mnemonic.h"

namespace lumidor {
namespace {

// Alt + letter for every group and captioned button the user acts on, chosen
// so that no two collide in either language. A group's letter focuses its
// first control.
struct MnemonicSpec {
    const char* name;
    char czech;
    char english;
};
constexpr std::array<MnemonicSpec, 6> kMnemonics{{
    {"GroupBox3", 'p', 'p'},     // Předvolby… / Preferences…
    {"BitBtn1", 'z', 's'},       // Zapsat předvolby / Save presets
    {"GroupBox4", 'k', 'c'},     // Konfigurace… / …configuration
    {"BitBtn6", 'f', 'v'},       // Zapsat konfiguraci / Save configuration
    {"SpeedButton1", 'm', 'm'},  // …na modelu / …on model
    {"GroupBox5", 'l', 'l'},     // Language
}};

}  // namespace

void TMainForm::applyKeyboardLanguage(Lang lang) {
    for (const MnemonicSpec& spec : kMnemonics) {
        const QChar key = QLatin1Char(lang == Lang::Czech ? spec.czech : spec.english);
        QWidget* widget = findChild<QWidget*>(QString::fromLatin1(spec.name));
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(withMnemonic(withoutMnemonic(button->text()), key));
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            group->setTitle(withMnemonic(withoutMnemonic(group->title()), key));
        }
    }
}

}  // namespace lumidor
