#include "countdown/form1.h"

#include <algorithm>
#include <vector>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/forms/design_placement.h"
#include "app/forms/design_store.h"
#include "app/forms/message_box.h"
#include "app/forms/units.h"
#include "app/program.h"
#include "app/runtime/overflow_error.h"
#include "countdown/form1_design.h"
#include "resources/resource_paths.h"
#include "stylerbutton/qt/design_property_store.h"

namespace tolvane::countdown {

namespace {

constexpr int kLabelCount = 7;

int Pixels(int twips) {
    return twips / forms::kTwipsPerPixel;
}

// An embedded picture made for screens of the given device pixel ratio.
QImage Picture(const char* path, qreal device_pixel_ratio) {
    QImage image(QString::fromLatin1(path));
    image.setDevicePixelRatio(device_pixel_ratio);
    return image;
}

// The background in the resolutions the screens call for: the 1100 x 580 picture only when a
// screen has a ratio above 1, so that at 100 % the program neither decodes nor keeps its 2.5 MB
// of pixels.
std::vector<QImage> BackgroundPictures() {
    std::vector<QImage> pictures{Picture(resources::kBackgroundPicture, 1.0)};
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (std::ranges::any_of(screens,
                            [](const QScreen* s) { return s->devicePixelRatio() > 1.0; })) {
        pictures.push_back(Picture(resources::kBackgroundPicture2x, 2.0));
    }
    return pictures;
}

gdi::Font ToFont(const FontDesign& design) {
    gdi::Font font;
    font.Name = std::string(design.Name);
    font.SizePoints = design.SizePoints;
    font.Weight = design.Weight;
    font.Charset = design.Charset;
    return font;
}

forms::MessageIcon ToFormsIcon(MessageIcon icon) {
    return icon == MessageIcon::Critical ? forms::MessageIcon::Critical
                                         : forms::MessageIcon::Information;
}

}  // namespace

void Form1::ShowMessageBox(const ShowMessage& message) {
    forms::ShowMessage(nullptr, message.text, message.title, ToFormsIcon(message.icon));
}

Form1::Form1(const runtime::Clock& clock, MessagePresenter presenter)
    : clock_(clock),
      presenter_(std::move(presenter)),
      window_(std::make_unique<forms::FormWindow>(
          kFormCaption, QSize(Pixels(kClientWidthTwips), Pixels(kClientHeightTwips)))) {
    window_->SetBackColor(kFormBackColour);
    window_->SetPicture(BackgroundPictures());
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

Form1::~Form1() = default;

void Form1::BuildLabels() {
    for (int i = 0; i < kLabelCount; ++i) {
        const LabelDesign& design = kLabelDesigns.at(static_cast<std::size_t>(i));
        auto* label = new forms::FormLabel(window_.get());
        label->setObjectName(
            QString::fromUtf8(design.Name.data(), static_cast<int>(design.Name.size())));
        label->SetFormFont(ToFont(design.Font));
        label->SetForeColor(design.TextColour);
        label->SetToolTipText(design.ToolTip);
        label->move(Pixels(design.LeftTwips), Pixels(design.TopTwips));
        label->SetText(design.Text);
        label->setVisible(design.Visible);
        labels_.at(static_cast<std::size_t>(i)) = label;
    }
    Label(LabelId::Label4).OnClick([this] { OnLabel4Click(); });
    ShowCounterAccessibleName();
}

void Form1::BuildButton() {
    // The button's place and its saved settings come from the window's stored design.
    forms::Design design = forms::ReadDesign(QString::fromLatin1(resources::kForm1Design));
    forms::DesignControl& control = design.Control(kButtonName);
    const forms::DesignPlacement placement = forms::ReadPlacement(control);
    button_ = new styler::StylerButtonWidget(std::string(kButtonName), window_.get());
    button_->setGeometry(placement.PixelRect());
    button_->setVisible(placement.Visible);
    button_->SetContainerFont(std::make_shared<gdi::Font>(ToFont(kFormFont)));
    button_->SetRunMode(true);
    auto store = styler::DesignPropertyStore::ForControl(control);
    button_->Button().LoadProperties(store);
    QObject::connect(button_, &styler::StylerButtonWidget::Click, button_,
                     [this] { OnStylerButton1Click(); });
    // The button is the window's only control in the tab order: at tab index 0 it takes the
    // focus when the window opens.
    if (placement.TabIndex == 0) {
        button_->setFocus();
    }
}

void Form1::WireDragging() {
    window_->OnMouseDown([this](int, int, float x, float y) { drag_.MouseDown(x, y); });
    window_->OnMouseMove([this](int, int, float x, float y) {
        const auto position = drag_.MouseMove(window_->Left(), window_->Top(), x, y);
        if (!position) {
            return;
        }
        try {
            window_->Move(static_cast<double>(position->Left), static_cast<double>(position->Top));
        } catch (const runtime::OverflowError&) {
            // Beyond any screen the window can be placed on: it stays where it is.
        }
    });
    window_->OnMouseUp([this](int, int, float, float) { drag_.MouseUp(); });
}

bool Form1::Load() {
    // No timer ticks while Load's message is open: the program ends when it is closed.
    const forms::ScopedTickHold hold;
    return Apply(model_.Load(clock_.Now(), clock_.Today()));
}

void Form1::Show() {
    window_->show();
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

QImage Form1::Grab() {
    if (!window_->isVisible() && QGuiApplication::platformName() == QLatin1String("offscreen")) {
        // No timer ticks while the showing is processed: the picture is of the settled window.
        // Shown without raising, which the offscreen platform cannot do and says so on standard
        // error; activating it is what moves the focus to the button.
        const forms::ScopedTickHold hold;
        window_->QWidget::setVisible(true);
        window_->activateWindow();
        QCoreApplication::processEvents();
    }
    return window_->grab().toImage();
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
    tolvane::EndProgram();
}

void Form1::ShowModelState() {
    for (int i = 0; i < kLabelCount; ++i) {
        const auto id = static_cast<LabelId>(i);
        forms::FormLabel& label = Label(id);
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
    const QString name = QString::fromStdString(model_.CounterAccessibleName());
    forms::FormLabel& counter = Label(LabelId::Label4);
    if (counter.accessibleName() != name) {
        counter.setAccessibleName(name);
    }
}

bool Form1::Apply(const Effects& effects) {
    ShowModelState();
    for (const Effect& effect : effects) {
        if (const auto* message = std::get_if<ShowMessage>(&effect)) {
            presenter_(*message);
        } else if (std::holds_alternative<HideWindow>(effect)) {
            window_->hide();
        } else {
            ended_ = true;
            tolvane::EndProgram();  // the program's end, not the effect of the same name
            return false;
        }
    }
    return true;
}

}  // namespace tolvane::countdown
