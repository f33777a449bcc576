#pragma once

#include <QGroupBox>

#include "common/bilingual.h"

namespace lumidor {

class InterfaceBox : public QGroupBox {
    Q_OBJECT
public:
    InterfaceBox(QWidget* parent, LangFn lang);

private:
    LangFn lang_;
};

}  // namespace lumidor
