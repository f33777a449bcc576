#pragma once

#include <QGroupBox>

#include "common/bilingual.h"

class QLabel;

namespace lumidor {

// GroupBox6: program name, the maker's web link and the version.
class AboutBox : public QGroupBox {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent);

    void applyLanguage(Lang lang);
    QLabel* urlLabel() const { return UrlLabel; }

    void UrlLabelClick();
    void UrlLabelMouseEnter(QObject* sender);
    void UrlLabelMouseLeave(QObject* sender);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* Label6;
    QLabel* UrlLabel;
    QLabel* Label12;
    bool urlPressed_ = false;
};

}  // namespace lumidor
