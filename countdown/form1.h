#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QImage>

#include "app/forms/form_label.h"
#include "app/forms/form_timer.h"
#include "app/forms/form_window.h"
#include "app/runtime/clock.h"
#include "countdown/countdown_model.h"
#include "countdown/window_drag.h"
#include "stylerbutton/qt/styler_button_widget.h"

namespace tolvane::countdown {

// The countdown window: its frame, background, labels and timers as the design gives them. It
// forwards the timers' ticks and the click on the counter to the CountdownModel, shows the
// model's texts and colours, and carries out the effects it returns in order. The window can be
// dragged by its bare surface. Its close button StylerButton1 loads its settings from the
// window's stored design, holds the focus when the window opens, and ends the program when
// clicked (or when Enter is pressed on it).
class Form1 {
  public:
    // Shows a message of the model and returns when the user has closed it.
    using MessagePresenter = std::function<void(const ShowMessage&)>;

    // A modal message box with one OK button.
    static void ShowMessageBox(const ShowMessage& message);

    // Builds the window, hidden; the clock is read at every tick.
    explicit Form1(const runtime::Clock& clock, MessagePresenter presenter = ShowMessageBox);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Runs the model's Load before the window is first shown; no timer ticks while it shows a
    // message. Returns false when Load ended the program (seen only when EndProgram was replaced).
    bool Load();
    // Shows the window modeless, centred on the screen.
    void Show();

    // Runs the counter's animation to its end without waiting for Timer2, then one tick of
    // Timer1, so the window shows what it settles on. Returns false when the program ended.
    bool Settle();
    // The client area as it is drawn now. On the offscreen platform a window not yet shown is
    // shown first (which puts nothing on a screen), so that it is activated and StylerButton1
    // holds the focus as it does when the window opens.
    QImage Grab();

    forms::FormWindow& Window() { return *window_; }
    forms::FormLabel& Label(LabelId label) { return *labels_.at(static_cast<std::size_t>(label)); }
    forms::FormTimer& Timer1() { return timer1_; }
    forms::FormTimer& Timer2() { return timer2_; }
    styler::StylerButtonWidget& StylerButton1() { return *button_; }
    const CountdownModel& Model() const { return model_; }
    bool Ended() const { return ended_; }

  private:
    void BuildLabels();
    void BuildButton();
    void WireDragging();
    void OnTimer1();
    void OnTimer2();
    void OnLabel4Click();
    void OnStylerButton1Click();
    // Shows the model's state, then carries out its effects. Returns false once the program ended.
    bool Apply(const Effects& effects);
    void ShowModelState();
    void ShowCounterAccessibleName();

    const runtime::Clock& clock_;
    MessagePresenter presenter_;
    CountdownModel model_;
    WindowDrag drag_;
    std::unique_ptr<forms::FormWindow> window_;  // owns the labels
    std::array<forms::FormLabel*, 7> labels_{};
    styler::StylerButtonWidget* button_ = nullptr;  // owned by the window
    forms::FormTimer timer1_;
    forms::FormTimer timer2_;
    bool ended_ = false;
};

}  // namespace tolvane::countdown
