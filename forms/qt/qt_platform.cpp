#include "forms/qt/qt_platform.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include "design/design_json.h"
#include "forms/control_design.h"
#include "forms/qt/message_box.h"
#include "forms/qt/wayland_decorations.h"
#include "qt/window_system.h"
#include "resources/resource_paths.h"

namespace tolvane::qt {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

}  // namespace

design::Design ReadEmbeddedDesign(const char* path) {
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly)) {
        throw design::DesignError(std::string(path) +
                                  ": cannot be read: " + file.errorString().toStdString());
    }
    const QByteArray json = file.readAll();
    return design::ParseDesign(
        std::string_view(json.constData(), static_cast<std::size_t>(json.size())), path);
}

class QtPlatform::ButtonAdapter final : public forms::ButtonHost {
  public:
    explicit ButtonAdapter(styler::StylerButtonWidget& widget) : widget_(widget) {}

    styler::StylerButton& Button() override { return widget_.Button(); }
    void OnClick(std::function<void()> handler) override {
        QObject::connect(&widget_, &styler::StylerButtonWidget::Click, &widget_,
                         std::move(handler));
    }
    void SetFocus() override { widget_.setFocus(); }

    styler::StylerButtonWidget& Widget() { return widget_; }

  private:
    styler::StylerButtonWidget& widget_;
};

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

forms::Window& QtPlatform::MakeWindow(const forms::WindowDesign& design) {
    window_ = std::make_unique<FormWindow>(design.Caption,
                                           QSize(design.ClientWidth, design.ClientHeight));
    // A Wayland compositor that draws no title bars leaves them to Qt, whose bar has buttons:
    // the window then draws its own strip instead.
    if (OnWayland() && !CompositorDrawsTitleBars()) {
        title_strip_frame_ = std::make_unique<TitleStripFrame>(*window_);
    }
    window_->SetBackColor(design.BackColour);
    window_->SetPicture(BackgroundPictures());
    return *window_;
}

forms::Label& QtPlatform::MakeLabel(const forms::LabelDesign& design) {
    auto* label = new FormLabel(window_.get());  // the window owns it
    label->setObjectName(FromUtf8(design.Name));
    label->SetFormFont(design.Font);
    label->SetForeColor(design.ForeColour);
    label->SetToolTipText(design.ToolTip);
    label->move(design.Left, design.Top);
    label->SetText(design.Text);
    label->setVisible(design.Visible);
    return *label;
}

base::FormTimer& QtPlatform::MakeTimer() {
    return *timers_.emplace_back(std::make_unique<FormTimer>());
}

forms::ButtonHost& QtPlatform::MakeButton(std::string_view name, const forms::ControlDesign& design,
                                          gdi::FontRef container_font) {
    auto* widget = new styler::StylerButtonWidget(std::string(name), window_.get());
    widget->setGeometry(design.Left, design.Top, design.Width, design.Height);
    widget->setVisible(design.Visible);
    widget->SetContainerFont(std::move(container_font));
    widget->SetRunMode(true);
    return *buttons_.emplace_back(std::make_unique<ButtonAdapter>(*widget));
}

forms::ControlDesign QtPlatform::ReadControlDesign(std::string_view name) {
    if (!design_) {
        design_ = ReadEmbeddedDesign(resources::kForm1Design);
    }
    return forms::ControlDesignFrom(*design_, resources::kForm1Design, name, pictures_);
}

void QtPlatform::ShowMessage(std::string_view text_utf8, std::string_view title_utf8,
                             forms::MessageIcon icon) {
    qt::ShowMessage(nullptr, text_utf8, title_utf8, icon);
}

QImage QtPlatform::Grab() {
    FormWindow& window = QtWindow();
    if (!window.isVisible() && QGuiApplication::platformName() == QLatin1String("offscreen")) {
        // No timer ticks while the showing is processed: the picture is of the settled window.
        // Shown without raising, which the offscreen platform cannot do and says so on standard
        // error; activating it is what moves the focus to the button.
        const base::ScopedTickHold hold;
        window.QWidget::setVisible(true);
        window.activateWindow();
        QCoreApplication::processEvents();
    }
    return window.grab().toImage();
}

FormWindow& QtPlatform::QtWindow() {
    return *window_;
}

FormLabel& QtPlatform::QtLabel(forms::Label& label) {
    return dynamic_cast<FormLabel&>(label);
}

FormTimer& QtPlatform::QtTimer(base::FormTimer& timer) {
    return dynamic_cast<FormTimer&>(timer);
}

styler::StylerButtonWidget& QtPlatform::QtButton(forms::ButtonHost& button) {
    return dynamic_cast<ButtonAdapter&>(button).Widget();
}

}  // namespace tolvane::qt
