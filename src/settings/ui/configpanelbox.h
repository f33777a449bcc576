#pragma once

#include <QGroupBox>

#include "common/bilingual.h"

namespace lumidor {

class ConfigPanelBox : public QGroupBox {
    Q_OBJECT
public:
    ConfigPanelBox(QWidget* parent, LangFn lang);

private:
    LangFn lang_;
};

}  // namespace lumidor
