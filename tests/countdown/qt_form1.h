#pragma once

#include <utility>

#include <QImage>

#include "forms/qt/qt_platform.h"
#include "countdown/form1.h"

namespace tolvane::countdown {

// A Form1 on the Qt platform, with the Qt objects behind its window, labels, timers and button
// at hand for the tests that click, drag and look at them.
class QtForm1 {
  public:
    QtForm1(const base::Clock& clock, Form1::MessagePresenter presenter)
        : form_(platform_, clock, std::move(presenter)) {}

    bool Load() { return form_.Load(); }
    void Show() { form_.Show(); }
    bool Settle() { return form_.Settle(); }
    bool Ended() const { return form_.Ended(); }
    const CountdownModel& Model() const { return form_.Model(); }
    QImage Grab() { return platform_.Grab(); }

    qt::FormWindow& Window() { return platform_.QtWindow(); }
    qt::FormLabel& Label(LabelId label) {
        return qt::QtPlatform::QtLabel(form_.Label(label));
    }
    qt::FormTimer& Timer1() { return qt::QtPlatform::QtTimer(form_.Timer1()); }
    qt::FormTimer& Timer2() { return qt::QtPlatform::QtTimer(form_.Timer2()); }
    styler::StylerButtonWidget& StylerButton1() {
        return qt::QtPlatform::QtButton(form_.StylerButton1());
    }

  private:
    qt::QtPlatform platform_;
    Form1 form_;
};

}  // namespace tolvane::countdown
