// Renders the StylerButton's looks into one PNG sheet: every theme in its five looks, every
// caption effect and both icon alignments, each button 105 x 33 composited through its window
// region over a mid-grey backdrop (so the cut corners show), labelled and scaled up 3x with
// nearest-neighbour sampling so single pixels can be seen.
//
// With --ratios, the three themes in their five looks at 100 % and at 200 % (a device pixel ratio
// of 2: the button paints 210 x 66 device pixels), one above the other at the same size on the
// page: the 100 % button enlarged 2x with nearest-neighbour sampling, as a 200 % screen would
// show a button that paints at 100 %, and the 200 % one as it is.
//
// Usage: tolvane_stylerbutton_gallery [--ratios] [OUTPUT.png]
//        (default docs/stylerbutton-gallery.png, with --ratios docs/stylerbutton-ratios.png)
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include "gdi/region.h"
#include "qt/fonts.h"
#include "qt/qt_text_engine.h"
#include "stylerbutton/core/container.h"
#include "stylerbutton/core/device_scale.h"
#include "stylerbutton/core/offscreen_container.h"
#include "stylerbutton/core/styler_button.h"

namespace {

using tolvane::gdi::Colour;
using namespace tolvane::styler;

constexpr int kButtonWidth = 105;
constexpr int kButtonHeight = 33;
constexpr int kScale = 3;
constexpr int kCellGap = 24;
constexpr int kLabelHeight = 22;
constexpr int kRowHeaderWidth = 150;
constexpr QRgb kBackdrop = 0xFF808080;  // mid-grey behind every button
constexpr Colour kMagenta = 0xFF00FF;
constexpr const char* kDefaultOutput = "docs/stylerbutton-gallery.png";
constexpr const char* kDefaultRatiosOutput = "docs/stylerbutton-ratios.png";
constexpr const char* kProjectIcon = ":/tolvane/icons/tolvane-16.png";

enum class State { Normal, Hover, Focused, Pressed, Disabled };

// Gives a button its look through its own input, as a user would.
void Enter(StylerButton& button, OffscreenContainer& container, State state) {
    switch (state) {
        case State::Hover:
            container.PointerOver = true;
            button.OnHoverTimerTick();
            break;
        case State::Focused:
            button.OnFocusReceived();
            break;
        case State::Pressed:
            button.OnMouseDown(LeftButton, 0, 10, 10);
            break;
        case State::Disabled:
            button.SetEnabled(BoolFalse);
            break;
        case State::Normal:
            break;
    }
}

// The project's 16 x 16 icon with its see-through pixels turned magenta, the transparent colour.
std::shared_ptr<tolvane::gdi::Surface> ProjectIcon() {
    const QImage image = QImage(kProjectIcon).convertToFormat(QImage::Format_ARGB32);
    auto icon = std::make_shared<tolvane::gdi::Surface>(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            icon->PSet(x, y,
                       qAlpha(pixel) < 128
                           ? kMagenta
                           : tolvane::gdi::Rgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
        }
    }
    return icon;
}

// A drawn 16 x 16 test icon: a red ring and a blue centre on a magenta ground.
std::shared_ptr<tolvane::gdi::Surface> TestIcon() {
    auto icon = std::make_shared<tolvane::gdi::Surface>(16, 16, kMagenta);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int dx = 2 * x - 15;
            const int dy = 2 * y - 15;
            const int distance = dx * dx + dy * dy;
            if (distance <= 64) {
                icon->PSet(x, y, tolvane::gdi::Rgb(30, 60, 200));
            } else if (distance <= 196) {
                icon->PSet(x, y, tolvane::gdi::Rgb(210, 30, 30));
            }
        }
    }
    return icon;
}

struct Cell {
    std::string label;
    std::function<void(StylerButton&, OffscreenContainer&)> setup;
};

struct Row {
    std::string title;
    std::vector<Cell> cells;
    double ratio = 1.0;    // device pixels per logical pixel the buttons paint at
    int magnify = kScale;  // how much larger than device pixels the sheet shows them
};

// The close button's caption and font, on top of the properties of a new instance.
void CloseCaption(StylerButton& button) {
    button.SetCaption("关闭");
    button.SetFont(std::make_shared<tolvane::gdi::Font>(tolvane::gdi::Font{"宋体", 9.0, 400, 134}));
}

Cell LookCell(std::int32_t theme, State state, const char* label) {
    return {label, [=](StylerButton& button, OffscreenContainer& container) {
                CloseCaption(button);
                button.SetTheme(theme);
                Enter(button, container, state);
            }};
}

Row ThemeRow(std::int32_t theme, const char* title) {
    return {
        title,
        {LookCell(theme, State::Normal, "normal"), LookCell(theme, State::Hover, "hover"),
         LookCell(theme, State::Focused, "focused (dots)"),
         LookCell(theme, State::Pressed, "pressed"), LookCell(theme, State::Disabled, "disabled")}};
}

Cell EffectCell(std::int32_t effect, const char* label) {
    return {label, [=](StylerButton& button, OffscreenContainer&) {
                CloseCaption(button);
                button.SetTheme(ThemeSilver);
                button.SetCaptionEffect(effect);
            }};
}

enum class IconPicture { Project, Drawn };

Cell IconCell(std::int32_t theme, std::int32_t alignment, IconPicture picture, State state,
              const char* label) {
    return {label, [=](StylerButton& button, OffscreenContainer& container) {
                CloseCaption(button);
                button.SetTheme(theme);
                button.SetIcon(picture == IconPicture::Project ? ProjectIcon() : TestIcon());
                button.SetIconAlignment(alignment);
                Enter(button, container, state);
            }};
}

// Each theme at 100 % and at 200 %, shown the same size.
std::vector<Row> RatioRows() {
    std::vector<Row> rows;
    for (const auto& [theme, name] :
         {std::pair{ThemeDarkGloss, "ThemeDarkGloss"}, std::pair{ThemeBlueGlass, "ThemeBlueGlass"},
          std::pair{ThemeSilver, "ThemeSilver"}}) {
        for (const int percent : {100, 200}) {
            Row row = ThemeRow(theme, name);
            // Appended piece by piece: g++ 12 at -O3 warns falsely (-Wrestrict) about
            // " " + std::to_string(...).
            row.title.append(" ").append(std::to_string(percent)).append(" %");
            row.ratio = percent / 100.0;
            row.magnify = 200 / percent;
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::vector<Row> GalleryRows() {
    return {
        ThemeRow(ThemeDarkGloss, "ThemeDarkGloss"),
        ThemeRow(ThemeBlueGlass, "ThemeBlueGlass"),
        ThemeRow(ThemeSilver, "ThemeSilver"),
        {"Caption effects",
         {EffectCell(EffectNone, "EffectNone"), EffectCell(EffectEmbossed, "EffectEmbossed"),
          EffectCell(EffectEngraved, "EffectEngraved"), EffectCell(EffectOutline, "EffectOutline"),
          EffectCell(EffectShadow, "EffectShadow")}},
        {"Icons",
         {IconCell(ThemeSilver, IconLeft, IconPicture::Project, State::Normal, "IconLeft"),
          IconCell(ThemeSilver, IconRight, IconPicture::Project, State::Hover, "IconRight, hover"),
          IconCell(ThemeSilver, IconLeft, IconPicture::Project, State::Disabled,
                   "IconLeft, disabled"),
          IconCell(ThemeBlueGlass, IconLeft, IconPicture::Drawn, State::Normal, "test icon"),
          IconCell(ThemeBlueGlass, IconRight, IconPicture::Drawn, State::Disabled,
                   "test icon, disabled")}},
        {"Defaults",
         {{"new instance", [](StylerButton&, OffscreenContainer&) {}},
          {"new instance, hover",
           [](StylerButton& button, OffscreenContainer& container) {
               Enter(button, container, State::Hover);
           }}}},
    };
}

// Paints one button at the row's ratio and composites it through its region over the backdrop,
// enlarged.
QImage RenderCell(const Cell& cell, const Row& row) {
    tolvane::qt::QtTextEngine text;
    text.SetDevicePixelRatio(row.ratio);
    OffscreenContainer container(
        kButtonWidth, kButtonHeight, text,
        std::make_shared<tolvane::gdi::Font>(tolvane::gdi::Font{"Tahoma", 8.25}), row.ratio);
    StylerButton button(container);
    button.ApplyDefaults();
    cell.setup(button, container);
    button.OnPaint();
    const tolvane::gdi::Surface& surface = container.Surface();
    QImage image(surface.Width() * row.magnify, surface.Height() * row.magnify,
                 QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int sx = x / row.magnify;
            const int sy = y / row.magnify;
            const Colour c = surface.Point(sx, sy);
            line[x] = container.Region().Contains(sx, sy)
                          ? qRgb(tolvane::gdi::RedByte(c), tolvane::gdi::GreenByte(c),
                                 tolvane::gdi::BlueByte(c))
                          : kBackdrop;
        }
    }
    return image;
}

QImage RenderSheet(const std::vector<Row>& rows) {
    // Every row shows its buttons at the same size on the page: the first row's.
    const DeviceScale scale(rows.front().ratio);
    const int cellWidth = scale.Whole(kButtonWidth) * rows.front().magnify;
    const int cellHeight = scale.Whole(kButtonHeight) * rows.front().magnify;
    std::size_t columns = 0;
    for (const Row& row : rows) {
        columns = std::max(columns, row.cells.size());
    }
    const int width = kRowHeaderWidth + static_cast<int>(columns) * (cellWidth + kCellGap);
    const int height =
        kCellGap + static_cast<int>(rows.size()) * (kLabelHeight + cellHeight + kCellGap);
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter painter(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::black);
    int top = kCellGap;
    for (const Row& row : rows) {
        painter.drawText(QRect(8, top + kLabelHeight, kRowHeaderWidth - 16, cellHeight),
                         Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
                         QString::fromStdString(row.title));
        int left = kRowHeaderWidth;
        for (const Cell& cell : row.cells) {
            painter.drawText(QRect(left, top, cellWidth, kLabelHeight), Qt::AlignLeft,
                             QString::fromStdString(cell.label));
            painter.drawImage(left, top + kLabelHeight, RenderCell(cell, row));
            left += cellWidth + kCellGap;
        }
        top += kLabelHeight + cellHeight + kCellGap;
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const bool ratios = !args.empty() && args.front() == "--ratios";
    if (ratios) {
        args.erase(args.begin());
    }
    if (args.size() > 1) {
        std::fprintf(stderr,
                     "tolvane_stylerbutton_gallery: expected at most one file name, got %zu\n",
                     args.size());
        return 2;
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::printf(
            "Usage: tolvane_stylerbutton_gallery [--ratios] [OUTPUT.png]\n"
            "Renders every StylerButton look into one PNG sheet (default %s); with --ratios,\n"
            "the three themes at 100 %% and 200 %% (default %s).\n",
            kDefaultOutput, kDefaultRatiosOutput);
        return 0;
    }
    if (args.size() == 1 && args[0].starts_with('-')) {
        std::fprintf(stderr, "tolvane_stylerbutton_gallery: unknown option: %.*s\n",
                     static_cast<int>(args[0].size()), args[0].data());
        return 2;
    }
    const std::string output =
        args.size() == 1 ? std::string(args[0]) : (ratios ? kDefaultRatiosOutput : kDefaultOutput);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    tolvane::qt::InstallFontSubstitutions();
    const QImage sheet = RenderSheet(ratios ? RatioRows() : GalleryRows());
    if (!sheet.save(QString::fromStdString(output), "PNG")) {
        std::fprintf(stderr, "tolvane_stylerbutton_gallery: cannot write %s\n", output.c_str());
        return 1;
    }
    std::printf("wrote %s (%d x %d)\n", output.c_str(), sheet.width(), sheet.height());
    return 0;
}
