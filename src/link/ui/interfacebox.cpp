#include "link/ui/interfacebox.h"

#include <QLabel>

#include "link/convertersearch.h"

namespace lumidor {
namespace {

constexpr Bi kCaption{"Komunikační rozhraní: ", "Communication interface: "};
constexpr Bi kName{"Název:", "Name:"};
constexpr Bi kSerial{"Sériové č.:", "Serial n.:"};
constexpr Bi kFirmware{"Verze fw:", "FW ver.:"};
constexpr Bi kChipType{"Typ chipu:", "Chip type:"};

constexpr int kCaptionLeft = 24;
constexpr int kValueLeft = 130;
constexpr int kFirstTop = 26;
constexpr int kRowHeight = 23;
constexpr int kLabelHeight = 17;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int left, int row,
                  int width) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, kFirstTop + row * kRowHeight, width, kLabelHeight);
    return label;
}

}  // namespace

InterfaceBox::InterfaceBox(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("GroupBox1"));

    constexpr int kCaptionWidth = kValueLeft - kCaptionLeft - 6;
    constexpr int kValueWidth = 339 - kValueLeft - 16;
    const QString none = QString::fromLatin1(kNoConverterCaption);
    lbName = makeLabel(this, "lbName", QString(), kCaptionLeft, 0, kCaptionWidth);
    lbSerialN = makeLabel(this, "lbSerialN", QString(), kCaptionLeft, 1, kCaptionWidth);
    lbFwVersion = makeLabel(this, "lbFwVersion", QString(), kCaptionLeft, 2, kCaptionWidth);
    lbChipType = makeLabel(this, "lbChipType", QString(), kCaptionLeft, 3, kCaptionWidth);
    lbDriver =
        makeLabel(this, "lbDriver", QStringLiteral("Driver:"), kCaptionLeft, 4, kCaptionWidth);
    lbLibrary =
        makeLabel(this, "lbLibrary", QStringLiteral("Library:"), kCaptionLeft, 5, kCaptionWidth);

    ftName = makeLabel(this, "ftName", none, kValueLeft, 0, kValueWidth);
    ftSN = makeLabel(this, "ftSN", none, kValueLeft, 1, kValueWidth);
    ftFw = makeLabel(this, "ftFw", none, kValueLeft, 2, kValueWidth);
    ftType = makeLabel(this, "ftType", none, kValueLeft, 3, kValueWidth);
    ftDrv = makeLabel(this, "ftDrv", none, kValueLeft, 4, kValueWidth);
    ftLbr = makeLabel(this, "ftLbr", none, kValueLeft, 5, kValueWidth);

    // The language buttons may not exist yet; the window relabels everything
    // at first show.
    applyLanguage(Lang::Czech);
}

void InterfaceBox::applyLanguage(Lang lang) {
    setTitle(kCaption(lang));
    lbName->setText(kName(lang));
    lbSerialN->setText(kSerial(lang));
    lbFwVersion->setText(kFirmware(lang));
    lbChipType->setText(kChipType(lang));
}

QString InterfaceBox::nameCaption() const {
    return ftName->text();
}

void InterfaceBox::showLabels(const ConverterLabels& labels) {
    const bool present = labels.present;
    QPalette pal = ftName->palette();
    if (present) {
        pal.setColor(QPalette::WindowText, QColor(0, 128, 0));
    } else {
        pal.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    }
    ftName->setPalette(pal);
    QFont font = ftName->font();
    font.setBold(present);
    ftName->setFont(font);

    ftName->setText(labels.name);
    ftSN->setText(labels.serial);
    ftFw->setText(labels.firmware);
    ftType->setText(labels.chipType);
    ftDrv->setText(labels.driver);
    ftLbr->setText(labels.library);
}

}  // namespace lumidor
