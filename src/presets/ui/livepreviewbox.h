#pragma once

#include <QGroupBox>

#include "common/bilingual.h"

namespace lumidor {

class LivePreviewBox : public QGroupBox {
    Q_OBJECT
public:
    LivePreviewBox(QWidget* parent, LangFn lang);

    void applyLanguage(Lang lang);

private:
    LangFn lang_;
};

}  // namespace lumidor
