#pragma once

#include <QGroupBox>

#include "common/bilingual.h"

namespace lumidor {

class PresetEditorBox : public QGroupBox {
    Q_OBJECT
public:
    PresetEditorBox(QWidget* parent, LangFn lang);

private:
    LangFn lang_;
};

}  // namespace lumidor
