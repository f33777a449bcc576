#include "presets/ui/preseteditorbox.h"

namespace lumidor {

PresetEditorBox::PresetEditorBox(QWidget* parent, LangFn lang) : QGroupBox(parent), lang_(std::move(lang)) {
    setObjectName(QStringLiteral("GroupBox3"));
}

}  // namespace lumidor
