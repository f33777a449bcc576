#include "link/ui/interfacebox.h"

namespace lumidor {

InterfaceBox::InterfaceBox(QWidget* parent, LangFn lang) : QGroupBox(parent), lang_(std::move(lang)) {
    setObjectName(QStringLiteral("GroupBox1"));
}


void InterfaceBox::applyLanguage(Lang lang) { Q_UNUSED(lang); }

QString InterfaceBox::nameCaption() const { return QStringLiteral("---"); }

}  // namespace lumidor
