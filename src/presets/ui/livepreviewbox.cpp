#include "presets/ui/livepreviewbox.h"

namespace lumidor {

LivePreviewBox::LivePreviewBox(QWidget* parent, LangFn lang) : QGroupBox(parent), lang_(std::move(lang)) {
    setObjectName(QStringLiteral("GroupBox2"));
}


void LivePreviewBox::applyLanguage(Lang lang) { Q_UNUSED(lang); }

}  // namespace lumidor
