#pragma once

#include <QGroupBox>

#include "common/bilingual.h"

namespace lumidor {

class InterfaceBox : public QGroupBox {
    Q_OBJECT
public:
    InterfaceBox(QWidget* parent, LangFn lang);

    void applyLanguage(Lang lang);

    // The converter name caption; "---" means no converter is shown.
    QString nameCaption() const;

private:
    LangFn lang_;
};

}  // namespace lumidor
