#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "common/ui/updown.h"
#include "settings/configpanel.h"
#include "settings/ui/configpanelbox.h"
#include "settings/ui/configwidgets.h"

namespace lumidor::test {

// A configuration panel on its own, its controls found by name as a user's
// tools find them, and every edit it reports recorded. Needs lumidor_widgets.
class ConfigPanelFixture {
protected:
    Lang lang_ = Lang::Czech;
    std::unique_ptr<ConfigPanelBox> panel_;
    std::unique_ptr<QSignalSpy> edits_;

    bool start() {
        lang_ = Lang::Czech;
        panel_ = std::make_unique<ConfigPanelBox>(nullptr, [this] { return lang_; });
        edits_ = std::make_unique<QSignalSpy>(panel_.get(), &ConfigPanelBox::configEdited);
        panel_->resize(592, 382);
        panel_->show();
        return QTest::qWaitForWindowExposed(panel_.get());
    }
    void stop() {
        edits_.reset();
        panel_.reset();
    }

    ConfigPanelBox& panel() { return *panel_; }
    template <typename W>
    W* child(const char* name) {
        auto* w = panel_->findChild<W*>(QLatin1String(name));
        if (w == nullptr) {
            qFatal("no %s", name);
        }
        return w;
    }
    QComboBox* list(ConfigList l) { return child<QComboBox>(configItem(l).control); }
    QLineEdit* voltageEdit() { return child<QLineEdit>("eVoltage"); }
    UpDown* voltageUpDown() { return child<UpDown>("UpDown1"); }
    NeutralBandBar* neutralBar1() { return child<NeutralBandBar>("tbNeutral1"); }
    NeutralBandBar* neutralBar0() { return child<NeutralBandBar>("tbNeutral0"); }
    QSlider* bar(const char* name) { return child<QSlider>(name); }
    // What the controls show, read the way a user would.
    ConfigValues shown() {
        ConfigValues v;
        for (ConfigList l : allConfigLists()) {
            v.list(l) = list(l)->currentIndex();
        }
        for (const ConfigNumberItem& n : kConfigNumbers) {
            v.*n.value = n.encoding == NumberEncoding::TwoDigits
                             ? child<UpDown>(n.control)->position()
                             : child<QSlider>(n.control)->value();
        }
        return v;
    }
    // The configuration the last edit reported; it must be what is shown.
    ConfigValues reported() {
        if (edits_->isEmpty()) {
            qFatal("no edit reported");
        }
        const auto v = edits_->last().first().value<ConfigValues>();
        if (!(v == shown())) {
            qFatal("the reported configuration is not the one shown");
        }
        return v;
    }
    bool enabled(ConfigList l) { return list(l)->isEnabled(); }
    template <size_t N>
    bool allEnabled(const ConfigList (&lists)[N], bool on) {
        return std::all_of(lists, lists + N, [&](ConfigList l) { return enabled(l) == on; });
    }
    QList<QSlider*> bars() {
        return {bar("tbLeft1"), bar("tbRight1"), bar("tbLeft0"), bar("tbRight0")};
    }
    // A user's pick, the way the keyboard makes one on a closed list.
    void userStep(ConfigList l, Qt::Key key) {
        QComboBox* box = list(l);
        box->setFocus();
        QTest::keyClick(box, key);
    }
    void load(const std::function<void(ConfigValues&)>& edit) {
        ConfigValues v;
        edit(v);
        panel_->show(v);
    }
};

}  // namespace lumidor::test
