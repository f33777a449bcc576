#include "view/ui/viewform.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

#include "common/jpegimage.h"
#include "common/mnemonic.h"
#include "presets/ui/aled.h"
#include "view/ui/lamppanel.h"

namespace lumidor {
namespace {

// Each group's title focuses its simulation box; the boxes' own captions are
// alike in all four groups and carry no mnemonic.
constexpr std::array<std::array<char, 2>, 4> kGroupMnemonics{{
    {'l', 'a'},  // Model letadla / Airplane model
    {'q', 'q'},  // Model QuadroCoptéry / QuadroCopter model
    {'i', 'b'},  // Model lodi / Boat model
    {'a', 'c'},  // Model auta / Car model
}};

constexpr int kSimulationBoxWidth = 109;
constexpr int kFrameWidth = 2;

// Where a picture cannot be shown its place stays blank and grey.
constexpr QRgb kMissingPicture = 0xFFD4D4D4;

LedStyle ledStyle(LampShape shape) {
    switch (shape) {
        case LampShape::Square:
            return LedStyle::LEDSqSmall;
        case LampShape::Lying:
            return LedStyle::LEDHorizontal;
        case LampShape::Round:
            break;
    }
    return LedStyle::LEDSmall;
}

void setBackground(QWidget* widget, QColor colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

}  // namespace

TViewForm::TViewForm(LangFn lang, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      lang_(std::move(lang)) {
    setObjectName(QStringLiteral("ViewForm"));
    // A secondary window: it must not keep the program running on its own.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kViewWidth, kViewHeight);
    setBackground(this, Qt::white);
    // The window itself can hold the focus, so Esc can reach it.
    setFocusPolicy(Qt::ClickFocus);
    buildGroups();
}

TViewForm::~TViewForm() = default;

void TViewForm::buildGroups() {
    for (size_t g = 0; g < modelGroups().size(); ++g) {
        const GroupSpec& spec = modelGroups()[g];
        auto* group = new QGroupBox(this);
        group->setObjectName(QString::fromLatin1(spec.name));
        group->setGeometry(spec.left, spec.top, spec.width, spec.height);
        groups_[static_cast<size_t>(spec.model)] = group;
    }
    // Pictures first: the lamps and labels are drawn over them.
    for (size_t i = 0; i < modelPictures().size(); ++i) {
        const PictureSpec& spec = modelPictures()[i];
        QGroupBox* group = groups_[static_cast<size_t>(spec.model)];
        auto* image = new QLabel(group);
        image->setObjectName(QString::fromLatin1(spec.name));
        // The car pictures reach below their group: cut them at its frame
        // rather than draw over it.
        const int height = std::min(spec.height, group->height() - kFrameWidth - spec.top);
        image->setGeometry(spec.left, spec.top, spec.width, height);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        pictures_[i] = image;
    }
    for (size_t g = 0; g < modelGroups().size(); ++g) {
        const GroupSpec& spec = modelGroups()[g];
        auto* box = new QCheckBox(groups_[static_cast<size_t>(spec.model)]);
        box->setObjectName(QString::fromLatin1(spec.simulationBox));
        box->setGeometry(8, 16, kSimulationBoxWidth, 17);
        box->setChecked(true);
        boxes_[static_cast<size_t>(spec.model)] = box;
        if (spec.model == Model::Car) {
            connect(box, &QCheckBox::clicked, this, &TViewForm::chbCarClick);
        } else {
            connect(box, &QCheckBox::clicked, this, [this, box] { CheckBoxClick(box); });
        }
    }

    // Where the classic serif is missing, a condensed one keeps the labels
    // about as wide, so they stay clear of the lamps.
    QFont labelFont;
    labelFont.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                           QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif Condensed"),
                           QStringLiteral("serif")});
    labelFont.setPixelSize(13);
    labelFont.setBold(true);
    for (size_t i = 0; i < modelLabels().size(); ++i) {
        const LabelSpec& spec = modelLabels()[i];
        auto* label = new QLabel(groups_[static_cast<size_t>(spec.model)]);
        label->setObjectName(QString::fromLatin1(spec.name));
        label->setFont(labelFont);
        label->move(spec.left, spec.top);
        labels_[i] = label;
    }

    // Over the pictures and labels, one panel per model draws its lamps.
    for (size_t g = 0; g < groups_.size(); ++g) {
        panels_[g] = new LampPanel(groups_[g]);
    }
    for (size_t i = 0; i < modelLamps().size(); ++i) {
        const LampSpec& spec = modelLamps()[i];
        LampPanel* panel = panels_[static_cast<size_t>(spec.model)];
        auto* led = new TALed(panel);
        led->setObjectName(QString::fromLatin1(spec.name));
        led->setBlink(spec.blinkMs > 0);
        if (spec.blinkMs > 0) {
            led->setInterval(spec.blinkMs);
        }
        if (spec.model == Model::Car) {
            led->setBordered(false);
            led->setBorderColor(Qt::white);
        }
        led->setLEDStyle(ledStyle(spec.shape));
        led->setFalseColor(QColor(kLampOff));
        led->setTrueColor(QColor(spec.on));
        led->move(spec.left, spec.top);
        if (spec.hint != nullptr) {
            led->setCursor(Qt::WhatsThisCursor);
            if (spec.model == Model::Car) {
                led->setToolTip((*spec.hint)(Lang::Czech));
            }
        }
        panel->addLamp(led);
        lamps_[i] = led;
    }
}

void TViewForm::FormShow() {
    const Lang lang = lang_();
    for (Model model : {Model::Aeroplane, Model::Quadcopter, Model::Boat, Model::Car}) {
        CheckBoxClick(simulationBox(model));
    }
    setWindowTitle(kViewCaption(lang));
    for (const GroupSpec& spec : modelGroups()) {
        const auto model = static_cast<size_t>(spec.model);
        const char key = kGroupMnemonics[model][lang == Lang::Czech ? 0 : 1];
        groups_[model]->setTitle(withMnemonic(spec.caption(lang), QLatin1Char(key)));
    }
    for (size_t i = 0; i < labels_.size(); ++i) {
        placeLabel(i, kModelOutputLabel(lang).arg(modelLabels()[i].output));
    }
    for (size_t i = 0; i < kFollowingLamps; ++i) {
        if (const Bi* hint = modelLamps()[i].hint) {
            lamps_[i]->setToolTip((*hint)(lang));
        }
    }
    // The car shows what its box says from the first show on.
    setCarLamps(simulationBox(Model::Car)->isChecked());
}

void TViewForm::placeLabel(size_t index, const QString& text) {
    const LabelSpec& spec = modelLabels()[index];
    QLabel* label = labels_[index];
    label->setText(text);
    label->adjustSize();
    // A longer text than the layout was made for must not run under a lamp
    // or out of its group.
    int left = spec.left;
    if (spec.rightLimit > 0) {
        left = std::min(left, spec.rightLimit - label->width());
    }
    left = std::min(left, label->parentWidget()->width() - 3 - label->width());
    label->move(left, spec.top);
}

void TViewForm::FormKeyPress(QChar key) {
    if (key == QChar(27)) {
        close();
    }
}

void TViewForm::CheckBoxClick(QCheckBox* sender) {
    sender->setText(simulationCaption(sender->isChecked())(lang_()));
    // Wide enough for the caption in either language.
    sender->resize(std::max(kSimulationBoxWidth, sender->sizeHint().width()), sender->height());
}

void TViewForm::chbCarClick() {
    QCheckBox* car = simulationBox(Model::Car);
    CheckBoxClick(car);
    setCarLamps(car->isChecked());
}

void TViewForm::setCarLamps(bool on) {
    LampPanel* panel = panels_[static_cast<size_t>(Model::Car)];
    panel->holdRepaints();
    for (size_t i = kFollowingLamps; i < lamps_.size(); ++i) {
        lamps_[i]->setValue(on);
    }
    panel->releaseRepaints();
}

void TViewForm::follow(const LedStates& leds) {
    const SimulationBoxes boxes{simulationBox(Model::Aeroplane)->isChecked(),
                                simulationBox(Model::Quadcopter)->isChecked(),
                                simulationBox(Model::Boat)->isChecked()};
    const auto states = followStep(leds, boxes);
    for (LampPanel* panel : panels_) {
        panel->holdRepaints();
    }
    for (size_t i = 0; i < states.size(); ++i) {
        if (states[i]) {
            lamps_[i]->setValue(*states[i]);
        }
    }
    for (LampPanel* panel : panels_) {
        panel->releaseRepaints();
    }
}

void TViewForm::loadPictures() {
    const qreal ratio = devicePixelRatioF();
    for (size_t i = 0; i < pictures_.size(); ++i) {
        showPicture(static_cast<int>(i),
                    loadJpegPicture(QString::fromLatin1(modelPictures()[i].resource), ratio));
    }
    picturesLoaded_ = true;
}

void TViewForm::showPicture(int index, const QImage& image) {
    QLabel* place = pictures_[static_cast<size_t>(index)];
    if (image.isNull()) {
        place->clear();
        setBackground(place, QColor(kMissingPicture));
    } else {
        place->setAutoFillBackground(false);
        place->setPixmap(QPixmap::fromImage(image));
    }
}

void TViewForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) {
        return;  // shown again by the desktop (restored), not by the program
    }
    if (!picturesLoaded_) {
        loadPictures();
    }
    FormShow();
    // The window itself takes the focus, so Esc closes it right away; Tab
    // moves on to the boxes.
    setFocus(Qt::ActiveWindowFocusReason);
}

void TViewForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Closed, the car's indicators would go on blinking unseen, waking the
    // program several times a second for the rest of the run. The next show
    // lights them again from the car's box.
    if (!event->spontaneous()) {
        setCarLamps(false);
    }
}

void TViewForm::keyPressEvent(QKeyEvent* event) {
    // Keys are not previewed: one typed while a box has the focus is the box's.
    if (QApplication::focusWidget() == this && !event->text().isEmpty()) {
        FormKeyPress(event->text().at(0));
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace lumidor
