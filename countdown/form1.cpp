#include "countdown/form1.h"

#include "base/overflow_error.h"
#include "base/units.h"
#include "countdown/form1_design.h"
#include "forms/end_program.h"

namespace tolvane::countdown {

namespace {

constexpr int kLabelCount = 7;

using base::TwipsToPixels;

gdi::Font ToFont(const FontDesign& design) {
    gdi::Font font;
    font.Name = std::string(design.Name);
    font.SizePoints = design.SizePoints;
    font.Weight = design.Weight;
    font.Charset = design.Charset;
    return font;
}

}  // namespace

Form1::Form1(forms::Platform& platform, const base::Clock& clock, MessagePresenter presenter)
    : platform_(platform),
      clock_(clock),
      presenter_(std::move(presenter)),
      window_(platform.MakeWindow({kFormCaption, TwipsToPixels(kClientWidthTwips),
                                   TwipsToPixels(kClientHeightTwips), kFormBackColour})),
      timer1_(platform.MakeTimer()),
      timer2_(platform.MakeTimer()) {
    if (!presenter_) {
        presenter_ = [&platform](const ShowMessage& message) {
            platform.ShowMessage(message.text, message.title, message.icon);
        };
    }
    BuildLabels();
    BuildButton();
    WireDragging();

    timer1_.SetInterval(kTimer1Design.IntervalMs);
    timer1_.SetEnabled(kTimer1Design.Enabled);
    timer1_.OnTick([this] { OnTimer1(); });
    timer2_.SetInterval(kTimer2Design.IntervalMs);
    timer2_.SetEnabled(kTimer2Design.Enabled);
    timer2_.OnTick([this] { OnTimer2(); });
}

void Form1::BuildLabels() {
    for (int i = 0; i < kLabelCount; ++i) {
        const LabelDesign& design = kLabelDesigns.at(static_cast<std::size_t>(i));
        const auto id = static_cast<LabelId>(i);
        labels_.at(static_cast<std::size_t>(i)) = &platform_.MakeLabel({
            .Name = design.Name,
            .Text = model_.Text(id),
            .Left = TwipsToPixels(design.LeftTwips),
            .Top = TwipsToPixels(design.TopTwips),
            .Visible = design.Visible,
            .ForeColour = model_.ForeColour(id).value_or(kUncolouredLabelColour),
            .Font = ToFont(design.Font),
            .ToolTip = design.ToolTip,
        });
    }
    Label(LabelId::Label4).OnClick([this] { OnLabel4Click(); });
    ShowCounterAccessibleName();
}

void Form1::BuildButton() {
    // The button's place and its saved settings come from the window's stored design.
    const forms::ControlDesign design = platform_.ReadControlDesign(kButtonName);
    button_ =
        &platform_.MakeButton(kButtonName, design, std::make_shared<gdi::Font>(ToFont(kFormFont)));
    button_->Button().LoadProperties(*design.Properties);
    button_->OnClick([this] { OnStylerButton1Click(); });
    // The button is the window's only control in the tab order: at tab index 0 it takes the
    // focus when the window opens.
    if (design.TabIndex == 0) {
        button_->SetFocus();
    }
}

void Form1::WireDragging() {
    window_.OnMouseDown([this](int, int, float x, float y) {
        // Where only the window manager can move the window, the drag is its to carry out.
        if (!window_.StartSystemMove()) {
            drag_.MouseDown(x, y);
        }
    });
    window_.OnMouseMove([this](int, int, float x, float y) {
        const auto position = drag_.MouseMove(window_.Left(), window_.Top(), x, y);
        if (!position) {
            return;
        }
        try {
            window_.Move(static_cast<double>(position->Left), static_cast<double>(position->Top));
        } catch (const base::OverflowError&) {
            // Beyond any screen the window can be placed on: it stays where it is.
        }
    });
    window_.OnMouseUp([this](int, int, float, float) { drag_.MouseUp(); });
}

bool Form1::Load() {
    // No timer ticks while Load's message is open: the program ends when it is closed.
    const base::ScopedTickHold hold;
    return Apply(model_.Load(clock_.Now(), clock_.Today()));
}

void Form1::Show() {
    window_.Show();
}

bool Form1::Settle() {
    // The counter meets or passes the true count within 1081 ticks; the bound only guards
    // against a clock that keeps changing the count under it.
    constexpr int kMaxTicks = 100000;
    for (int i = 0; i < kMaxTicks && model_.Timer2Enabled() && !ended_; ++i) {
        OnTimer2();
    }
    if (!ended_) {
        OnTimer1();
    }
    return !ended_;
}

void Form1::OnTimer1() {
    if (!ended_) {
        Apply(model_.Timer1Tick(clock_.Now()));
    }
}

void Form1::OnTimer2() {
    if (!ended_) {
        Apply(model_.Timer2Tick(clock_.Today()));
    }
}

void Form1::OnLabel4Click() {
    if (!ended_) {
        Apply(model_.Label4Click());
    }
}

void Form1::OnStylerButton1Click() {
    // Ends the program at once, also while the counter is still running down.
    ended_ = true;
    tolvane::forms::EndProgram();
}

void Form1::ShowModelState() {
    for (int i = 0; i < kLabelCount; ++i) {
        const auto id = static_cast<LabelId>(i);
        forms::Label& label = Label(id);
        if (label.Text() != model_.Text(id)) {
            label.SetText(model_.Text(id));
        }
        if (const auto colour = model_.ForeColour(id); colour && label.ForeColor() != *colour) {
            label.SetForeColor(*colour);
        }
    }
    ShowCounterAccessibleName();
    const int interval = static_cast<int>(model_.Timer2Interval().count());
    if (timer2_.Interval() != interval) {
        timer2_.SetInterval(interval);
    }
    if (timer2_.Enabled() != model_.Timer2Enabled()) {
        timer2_.SetEnabled(model_.Timer2Enabled());
    }
}

// A screen reader reads the counter as the number and its unit ("344 天"), not as the spaced
// digits it shows.
void Form1::ShowCounterAccessibleName() {
    Label(LabelId::Label4).SetAccessibleName(model_.CounterAccessibleName());
}

bool Form1::Apply(const Effects& effects) {
    ShowModelState();
    for (const Effect& effect : effects) {
        if (const auto* message = std::get_if<ShowMessage>(&effect)) {
            presenter_(*message);
        } else if (std::holds_alternative<HideWindow>(effect)) {
            window_.Hide();
        } else {
            ended_ = true;
            tolvane::forms::EndProgram();  // the program's end, not the effect of the same name
            return false;
        }
    }
    return true;
}

}  // namespace tolvane::countdown
