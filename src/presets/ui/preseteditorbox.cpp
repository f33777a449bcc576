#include "presets/ui/preseteditorbox.h"

namespace lumidor {

PresetEditorBox::PresetEditorBox(QWidget* parent, LangFn lang) : QGroupBox(parent), lang_(std::move(lang)) {
    setObjectName(QStringLiteral("GroupBox3"));
}


void PresetEditorBox::applyLanguage(Lang lang) { Q_UNUSED(lang); }

Presets PresetEditorBox::presets() const { return {}; }

void PresetEditorBox::setPresets(const Presets& presets) { Q_UNUSED(presets); }

void PresetEditorBox::cbCasovaOsaChange() {}

}  // namespace lumidor
