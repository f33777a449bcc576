#pragma once

#include <QGroupBox>

#include "common/bilingual.h"

class QLabel;

namespace lumidor {

struct ConverterLabels;

// GroupBox1: who the converter is, as the last search found it.
class InterfaceBox : public QGroupBox {
    Q_OBJECT
public:
    explicit InterfaceBox(QWidget* parent);

    void applyLanguage(Lang lang);

    // The converter name caption; "---" while no converter is shown.
    QString nameCaption() const;

    // Fills the six values; the name is green and bold while a converter shows.
    void showLabels(const ConverterLabels& labels);

private:
    QLabel* lbName = nullptr;
    QLabel* lbSerialN = nullptr;
    QLabel* lbFwVersion = nullptr;
    QLabel* lbChipType = nullptr;
    QLabel* lbDriver = nullptr;
    QLabel* lbLibrary = nullptr;

    QLabel* ftName = nullptr;
    QLabel* ftSN = nullptr;
    QLabel* ftFw = nullptr;
    QLabel* ftType = nullptr;
    QLabel* ftDrv = nullptr;
    QLabel* ftLbr = nullptr;
};

}  // namespace lumidor
