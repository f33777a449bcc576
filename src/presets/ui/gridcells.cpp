#include "presets/ui/gridcells.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QSlider>

#include "presets/editortexts.h"
#include "presets/preview.h"
#include "presets/rowtops.h"
#include "presets/ui/columntrackbar.h"

namespace lumidor {
namespace {

constexpr int kGridLeft = 74;
constexpr int kColumnPitch = 22;
constexpr int kBlockGap = 5;
constexpr int kCellSize = 16;
constexpr int kBlockWidth = 5 * kColumnPitch;

int columnX(int column) {
    return kGridLeft + (column - 1) * kColumnPitch + ((column - 1) / 5) * kBlockGap;
}

QFont withPixelSize(QFont font, int pixels, bool bold = false) {
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

GridCells::GridCells(QWidget* host) : QObject(host), host_(host) {
    buildTimeScale();
    buildPanels();
    buildRows();
}

void GridCells::buildTimeScale() {
    TrackBar1 = new ColumnTrackBar(host_);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(0, kColumns - 1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(1);
    TrackBar1->setPageStep(1);
    TrackBar1->setStatusTip(QString::fromUtf8(kTrackBarHint));
    TrackBar1->setGeometry(columnX(1) - 3, 20, columnX(kColumns) + kCellSize - columnX(1) + 6, 26);
    // The preview moves the bar up to 40 times a second. Filling its own
    // background (the colour the window shows beneath it) keeps each move from
    // repainting the group box and the window behind it.
    TrackBar1->setAutoFillBackground(true);

    const QFont timeFont = withPixelSize(host_->font(), 9);
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(host_);
        label->setObjectName(QStringLiteral("lbTime%1").arg(i + 1));
        QFont f = timeFont;
        f.setLetterSpacing(QFont::PercentageSpacing, 92);
        label->setFont(f);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(columnX(5 * i + 1) - 6, 48, kBlockWidth + 2, 14);
        timeLabels_[static_cast<size_t>(i)] = label;
    }
}

// Outputs 1 and 2 lie on panels whose colour marks the rows a brightness mode
// governs.
void GridCells::buildPanels() {
    for (int p = 0; p < 4; ++p) {
        auto* panel = new QFrame(host_);
        panel->setObjectName(QStringLiteral("Panel%1").arg(p + 1));
        panel->setAutoFillBackground(true);
        const int firstColumn = p % 2 == 0 ? 1 : 11;
        const int left = columnX(firstColumn) - 3;
        const int right = columnX(firstColumn + 9) + kCellSize + 3;
        panel->setGeometry(left, kRowTops[static_cast<size_t>(p / 2)] + 1, right - left, 20);
        panels_[static_cast<size_t>(p)] = panel;
    }
    setLedPanelsColour(kPanelPlain);
}

void GridCells::buildRows() {
    const QFont rowFont = withPixelSize(host_->font(), 11, true);
    const QFont sectionFont = withPixelSize(host_->font(), 8);
    for (int o = 1; o <= kOutputs; ++o) {
        const int top = kRowTops[static_cast<size_t>(o - 1)];
        for (int c = 1; c <= kColumns; ++c) {
            QWidget* parent = host_;
            int x = columnX(c);
            int y = top + 3;
            if (o <= 2) {
                QFrame* panel = panels_[static_cast<size_t>(o - 1) * 2 + (c > 10 ? 1 : 0)];
                parent = panel;
                x -= panel->x();
                y -= panel->y();
            }
            const int n = cellNumber(o, c);
            auto* box = new QCheckBox(parent);
            box->setObjectName(QStringLiteral("CheckBox%1").arg(n));
            box->setCursor(Qt::CrossCursor);
            box->setGeometry(x, y, kCellSize, kCellSize);
            box->installEventFilter(this);
            // From the keyboard; the mouse paints through eventFilter.
            connect(box, &QCheckBox::clicked, this, &GridCells::edited);
            connect(box, &QCheckBox::toggled, this, [this, n](bool lit) {
                if (!settingGrid_) {
                    Q_EMIT cellToggled(n, lit);
                }
            });
            cells_[static_cast<size_t>(canonicalPosition(n))] = box;
        }

        auto* label = new QLabel(host_);
        label->setObjectName(o <= 4 ? QStringLiteral("Label%1").arg(o)
                                    : QStringLiteral("Label%1").arg(96 + o));
        label->setFont(rowFont);
        label->setGeometry(8, top + 4, kGridLeft - 12, 14);
        rowLabels_[static_cast<size_t>(o - 1)] = label;

        auto* arrow = new QLabel(QString::fromLatin1(kArrow), host_);
        arrow->setObjectName(QStringLiteral("lbSipka%1").arg(o));
        arrow->setFont(rowFont);
        arrow->setGeometry(columnX(kColumns) + kCellSize + 8, top + 4, 40, 14);

        // "Sekce" labels sit in the gap under the first and third row of each section.
        if (o % 2 == 1) {
            static const char* const kSectionNames[] = {"lbSekce12", "lbSekce34", "lbSekce56",
                                                        "lbSekce78"};
            auto* section = new QLabel(host_);
            section->setObjectName(QString::fromLatin1(kSectionNames[(o - 1) / 2]));
            section->setFont(sectionFont);
            QPalette pal = section->palette();
            pal.setColor(QPalette::WindowText, QColor(0x70, 0x70, 0x70));
            section->setPalette(pal);
            section->setGeometry(8, top + 17, kGridLeft - 12, 10);
            sectionLabels_[static_cast<size_t>((o - 1) / 2)] = section;
        }
    }
}

void GridCells::applyLanguage(Lang lang) {
    for (int o = 1; o <= kOutputs; ++o) {
        rowLabels_[static_cast<size_t>(o - 1)]->setText(kOutputLabel(lang).arg(o));
    }
    sectionLabels_[0]->setText(kSection1(lang));
    sectionLabels_[1]->setText(kSection1(lang));
    sectionLabels_[2]->setText(kSection2(lang));
    sectionLabels_[3]->setText(kSection2(lang));
}

void GridCells::labelRowsAsCreated() {
    for (int o = 0; o < kOutputs; ++o) {
        rowLabels_[static_cast<size_t>(o)]->setText(QStringLiteral("Výstup %1:").arg(o + 1));
    }
}

void GridCells::showTimeLabels(const std::array<const char*, 4>& labels) {
    for (size_t i = 0; i < timeLabels_.size(); ++i) {
        timeLabels_[i]->setText(QString::fromLatin1(labels[i]));
    }
}

void GridCells::setGrid(const PresetGrid& grid) {
    const QScopedValueRollback quiet(settingGrid_, true);
    for (int n : canonicalCellNumbers()) {
        cells_[static_cast<size_t>(canonicalPosition(n))]->setChecked(grid.cell(n));
    }
}

QCheckBox* GridCells::cellBox(int number) const {
    const int at = canonicalPosition(number);
    return at < 0 ? nullptr : cells_[static_cast<size_t>(at)];
}

QColor GridCells::ledPanelsColour() const {
    return panels_[0]->palette().color(QPalette::Window);
}

void GridCells::setLedPanelsColour(const QColor& colour) {
    for (QFrame* panel : panels_) {
        QPalette pal = panel->palette();
        if (pal.color(QPalette::Window) != colour) {
            pal.setColor(QPalette::Window, colour);
            panel->setPalette(pal);
        }
    }
}

bool GridCells::eventFilter(QObject* watched, QEvent* event) {
    auto* cell = qobject_cast<QCheckBox*>(watched);
    if (cell == nullptr) {
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) {
                return false;
            }
            painting_ = true;
            paintLit_ = !cell->isChecked();
            cell->setChecked(paintLit_);
            if (cell->focusPolicy() & Qt::ClickFocus) {
                cell->setFocus(Qt::MouseFocusReason);
            }
            return true;
        }
        case QEvent::MouseMove: {
            if (!painting_) {
                return false;
            }
            const auto* mouse = static_cast<QMouseEvent*>(event);
            QWidget* under =
                host_->childAt(host_->mapFromGlobal(mouse->globalPosition().toPoint()));
            auto* passed = qobject_cast<QCheckBox*>(under);
            if (passed != nullptr && passed->objectName().startsWith(QLatin1String("CheckBox"))) {
                passed->setChecked(paintLit_);
            }
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!painting_ || mouse->button() != Qt::LeftButton) {
                return false;
            }
            painting_ = false;
            Q_EMIT edited();
            return true;
        }
        default:
            return false;
    }
}

}  // namespace lumidor
