#include <QComboBox>
#include <QTimer>

#include "app/aboutbox.h"
#include "app/languagebox.h"
#include "app/mainwindow.h"
#include "link/ui/interfacebox.h"
#include "presets/ui/livepreviewbox.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/configvalues.h"
#include "settings/rollingview.h"
#include "settings/ui/configpanelbox.h"

namespace lumidor {
namespace {

void setTop(QWidget* w, int top) {
    w->move(w->x(), top);
}

}  // namespace

void TMainForm::connectRolling() {
    connect(tmrRollingWindow, &QTimer::timeout, this, &TMainForm::tmrRollingWindowTimer);
}

void TMainForm::tmrRollingWindowTimer() {
    const RollingLayout now{GroupBox4->y(), GroupBox1->y(),
                            GroupBox5->y(), GroupBox6->y(),
                            height(),       !GroupBox2->isHidden() && !GroupBox3->isHidden()};
    const RollingTick tick = rollingTick(now, GroupBox4->list(ConfigList::Prog)->currentIndex());
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
    // The new layout is on screen before the next tick; painting here rather
    // than spinning the event loop keeps other handlers out of this one.
    repaint();
}

}  // namespace lumidor
