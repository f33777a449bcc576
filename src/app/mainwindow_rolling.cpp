#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <array>

#include "app/aboutbox.h"
#include "app/languagebox.h"
#include "app/mainwindow.h"
#include "app/rollingview.h"
#include "link/ui/interfacebox.h"
#include "presets/ui/livepreviewbox.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/configvalues.h"
#include "settings/ui/configpanelbox.h"

namespace lumidor {
namespace {

void setTop(QWidget* w, int top) {
    w->move(w->x(), top);
}

const QString kPictureName = QStringLiteral("slidingPicture");

// A picture of a group box that stands over it while it slides. Every tick
// resizes the window, which makes Qt repaint all of it; twenty lists and their
// texts would take several milliseconds a tick, the pictures a fraction of
// one. Opaque, so the group box beneath is not painted at all; the mouse goes
// through to it. The group still changes meanwhile (a key in the program
// list, a language click, a converter plugged in), so any sign of a change in
// it has the picture taken anew before the next move.
class SlidingPicture : public QWidget {
public:
    explicit SlidingPicture(QWidget* group)
        : QWidget(group->parentWidget()), group_(group), picture_(group->grab()) {
        setObjectName(kPictureName);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(group->geometry());
        group->installEventFilter(this);
        for (QWidget* part : group->findChildren<QWidget*>()) {
            part->installEventFilter(this);
        }
        show();
        raise();
    }
    void renewBeforeTheNextMove() { stale_ = true; }
    void follow() {
        if (stale_) {
            stale_ = false;
            picture_ = group_->grab();
            update();
        }
        move(group_->pos());
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, picture_); }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        switch (event->type()) {
            // A new text or item posts a layout request to its parent.
            case QEvent::LayoutRequest:
            case QEvent::EnabledChange:
            case QEvent::FontChange:
            case QEvent::PaletteChange:
            case QEvent::StyleChange:
            case QEvent::ShowToParent:
            case QEvent::HideToParent:
            case QEvent::FocusIn:
            case QEvent::FocusOut:
            case QEvent::KeyPress:
            case QEvent::Wheel:
            case QEvent::MouseButtonRelease:
                stale_ = true;
                break;
            default:
                break;
        }
        return false;
    }

private:
    QWidget* group_;
    QPixmap picture_;
    bool stale_ = false;
};

QList<SlidingPicture*> slidingPictures(QWidget* client) {
    QList<SlidingPicture*> pictures;
    for (QWidget* w : client->findChildren<QWidget*>(kPictureName, Qt::FindDirectChildrenOnly)) {
        pictures.append(static_cast<SlidingPicture*>(w));
    }
    return pictures;
}

}  // namespace

void TMainForm::connectRolling() {
    connect(tmrRollingWindow, &QTimer::timeout, this, &TMainForm::tmrRollingWindowTimer);
    // A language click relabels texts of fixed size, which tell no parent.
    connect(GroupBox5, &LanguageBox::languageClicked, this, [this] {
        for (SlidingPicture* p : slidingPictures(centralWidget())) {
            p->renewBeforeTheNextMove();
        }
    });
    // Taken when a change of program sets the view moving, before the first
    // tick, so no tick pays for them.
    connect(GroupBox4, &ConfigPanelBox::rollingViewRequested, this, [this] {
        const bool moves =
            !rollingTick(rollingLayout(), session_.doc.config.list(ConfigList::Prog)).finished;
        if (moves && isVisible() && slidingPictures(centralWidget()).isEmpty()) {
            for (QWidget* group :
                 std::array<QWidget*, 4>{GroupBox4, GroupBox1, GroupBox5, GroupBox6}) {
                new SlidingPicture(group);
            }
        }
    });
}

RollingLayout TMainForm::rollingLayout() const {
    return {GroupBox4->y(), GroupBox1->y(), GroupBox5->y(),
            GroupBox6->y(), height(),       !GroupBox2->isHidden() && !GroupBox3->isHidden()};
}

void TMainForm::tmrRollingWindowTimer() {
    const RollingTick tick =
        rollingTick(rollingLayout(), session_.doc.config.list(ConfigList::Prog));
    const RollingLayout& to = tick.layout;
    const auto resizeClient = [this, &to] { setFixedSize(width(), to.clientHeight); };

    if (!tick.finished) {
        if (tick.preview == PreviewTimer::Stop) {
            Timer1->stop();
        }
        GroupBox2->setVisible(to.presetsVisible);
        GroupBox3->setVisible(to.presetsVisible);
        resizeClient();
        setTop(GroupBox6, to.aboutTop);
        setTop(GroupBox5, to.languageTop);
        setTop(GroupBox4, to.panelTop);
        setTop(GroupBox1, to.converterTop);
    } else if (tick.preview == PreviewTimer::Start) {
        tmrRollingWindow->stop();
        setTop(GroupBox4, to.panelTop);
        setTop(GroupBox1, to.converterTop);
        GroupBox2->show();
        GroupBox3->show();
        resizeClient();
        Timer1->start();
    } else {
        resizeClient();
        tmrRollingWindow->stop();
        setTop(GroupBox4, to.panelTop);
        setTop(GroupBox1, to.converterTop);
    }
    const QList<SlidingPicture*> pictures = slidingPictures(centralWidget());
    for (SlidingPicture* p : pictures) {
        p->follow();
    }
    // The new layout is on screen before the next tick; painting here rather
    // than spinning the event loop keeps other handlers out of this one.
    repaint();
    if (tick.finished) {
        // The live groups take over, painted after this tick: the same pixels.
        qDeleteAll(pictures);
    }
}

}  // namespace lumidor
