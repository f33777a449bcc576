#include "presets/ui/livepreviewbox.h"

namespace lumidor {

LivePreviewBox::LivePreviewBox(QWidget* parent, LangFn lang) : QGroupBox(parent), lang_(std::move(lang)) {
    setObjectName(QStringLiteral("GroupBox2"));
}

}  // namespace lumidor
