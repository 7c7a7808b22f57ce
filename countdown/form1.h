#pragma once

#include <array>
#include <functional>

#include "forms/forms_platform.h"
#include "base/clock.h"
#include "countdown/countdown_model.h"
#include "countdown/window_drag.h"

namespace tolvane::countdown {

// The countdown window: its frame, background, labels and timers as the design gives them, on
// whichever desktop the platform stands for. It forwards the timers' ticks and the click on the
// counter to the CountdownModel, shows the model's texts and colours, and carries out the effects
// it returns in order. The window can be dragged by its bare surface. Its close button
// StylerButton1 loads its settings from the window's stored design, holds the focus when the
// window opens, and ends the program when clicked (or when Enter is pressed on it).
class Form1 {
  public:
    // Shows a message of the model and returns when the user has closed it.
    using MessagePresenter = std::function<void(const ShowMessage&)>;

    // Builds the window, hidden, on the platform, which must outlive it; the clock is read at
    // every tick. Without a presenter the model's messages go to the platform's message box.
    Form1(forms::Platform& platform, const base::Clock& clock,
          MessagePresenter presenter = {});
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

    forms::Window& Window() { return window_; }
    forms::Label& Label(LabelId label) { return *labels_.at(static_cast<std::size_t>(label)); }
    base::FormTimer& Timer1() { return timer1_; }
    base::FormTimer& Timer2() { return timer2_; }
    forms::ButtonHost& StylerButton1() { return *button_; }
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

    forms::Platform& platform_;
    const base::Clock& clock_;
    MessagePresenter presenter_;
    CountdownModel model_;
    WindowDrag drag_;
    forms::Window& window_;
    std::array<forms::Label*, 7> labels_{};
    forms::ButtonHost* button_ = nullptr;
    base::FormTimer& timer1_;
    base::FormTimer& timer2_;
    bool ended_ = false;
};

}  // namespace tolvane::countdown
