// The Win32 forms platform's pieces that need Windows but no screen: the caption's text engine
// over GDI, the stored design read from the executable's resources, PNG files through the
// Windows Imaging Component, the window laid out again at another monitor scale, and the
// accessible objects' child ids at their bounds. Runs under
// Wine with the null graphics driver (scripts/wine-run.sh without a display). Exits 1 when a check
// fails.

#include <objbase.h>
#include <oleacc.h>

#include <cstdio>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

#include "base/units.h"
#include "forms/win32/win32_platform.h"
#include "gdi/surface.h"
#include "stylerbutton/core/property_value.h"
#include "win32/gdi_text_engine.h"
#include "win32/png_codec.h"

namespace {

int g_failures = 0;

void Check(bool condition, const std::string& what) {
    if (!condition) {
        std::fprintf(stderr, "FAIL: %s\n", what.c_str());
        ++g_failures;
    }
}

// The engine's contract: Print changes only glyph pixels, each to exactly the foreground colour,
// within the text's advance box; the caption's face reaches a CJK font (the glyphs are inked).
void TextEngineSetsOnlyGlyphPixels() {
    namespace gdi = tolvane::gdi;
    constexpr gdi::Colour kBack = gdi::Rgb(10, 20, 30);
    constexpr gdi::Colour kInk = gdi::Rgb(200, 100, 50);
    gdi::Surface surface(60, 24, kBack);
    surface.SetFont(std::make_shared<gdi::Font>(gdi::Font{"宋体", 9.0, 400, 134}));
    surface.SetForeColor(kInk);
    tolvane::win32::GdiTextEngine engine;
    const int width = static_cast<int>(engine.TextWidth(surface, "关闭"));
    const int height = static_cast<int>(engine.TextHeight(surface, "关闭"));
    Check(width == 24 && height >= 12 && height <= 16,
          "two 12 px ideographs measure 24 px wide and one line high, got " +
              std::to_string(width) + " x " + std::to_string(height));
    engine.Print(surface, 5, 4, "关闭");
    std::set<gdi::Colour> colours;
    int inked = 0;
    bool outside = false;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const gdi::Colour pixel = surface.Point(x, y);
            colours.insert(pixel);
            if (pixel == kInk) {
                ++inked;
                outside |= x < 5 || x >= 5 + width || y < 4 || y >= 4 + height;
            }
        }
    }
    Check(colours == std::set<gdi::Colour>{kBack, kInk},
          "the surface holds only the background and the ink, " + std::to_string(colours.size()) +
              " colours found");
    Check(inked > 40, "the caption is inked: " + std::to_string(inked) + " pixels");
    Check(!outside, "no ink outside the text's box");
}

// StylerButton1's place (twips to pixels) and its saved properties, found in any letter case;
// a control the design lacks is refused by name, and so is a design the program lacks.
void StoredDesignGivesTheButton() {
    tolvane::win32::Win32Platform platform(GetModuleHandleW(nullptr), tolvane::win32::kForm1Design,
                                           0);
    const auto design = platform.ReadControlDesign("stylerbutton1");
    Check(design.Left == 432 && design.Top == 248 && design.Width == 105 && design.Height == 33,
          "StylerButton1 lies at 432, 248, 105 x 33 px");
    Check(design.TabIndex == 0 && design.Visible, "StylerButton1 is visible at tab index 0");
    const auto caption = design.Properties->Read("Caption", std::string());
    Check(tolvane::styler::ToText("Caption", caption) == "关闭", "the caption is 关闭");
    const auto font = tolvane::styler::ToFont("Font", design.Properties->Read("FONT", {}));
    Check(font && font->Name == "宋体" && font->SizePoints == 9.0 && font->Charset == 134,
          "the font is 宋体 9 pt GB2312");
    Check(tolvane::styler::ToInt32("Theme", design.Properties->Read("theme", 0)) == 3,
          "the theme is 3");
    try {
        platform.ReadControlDesign("Command1");
        Check(false, "an unknown control is refused");
    } catch (const std::runtime_error& error) {
        Check(std::string(error.what()).find("\"Command1\"") != std::string::npos,
              std::string("the refusal names the control: ") + error.what());
    }
    tolvane::win32::Win32Platform without(GetModuleHandleW(nullptr), {999, "absent.json"}, 0);
    try {
        without.ReadControlDesign("StylerButton1");
        Check(false, "a missing design is refused");
    } catch (const std::runtime_error& error) {
        Check(std::string(error.what()) ==
                  "absent.json: cannot be read: the program has no resource 999",
              std::string("the refusal names the design: ") + error.what());
    }
}

// A picture encoded by WIC decodes to the same pixels; what is no PNG file decodes to nothing.
void PngFilesRoundTrip() {
    namespace gdi = tolvane::gdi;
    gdi::Surface picture(3, 2, gdi::Rgb(1, 2, 3));
    picture.PSet(2, 0, gdi::Rgb(250, 128, 7));
    picture.PSet(0, 1, 0xFFFFFF);
    const tolvane::win32::WicPngCodec codec;
    const std::string png = codec.Encode(picture);
    Check(png.starts_with("\x89PNG\r\n\x1a\n"), "the encoder writes a PNG file");
    const auto decoded = codec.Decode(png);
    bool same = decoded && decoded->Width() == 3 && decoded->Height() == 2;
    for (int y = 0; same && y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            same = same && decoded->Point(x, y) == picture.Point(x, y);
        }
    }
    Check(same, "the decoded picture has the encoded pixels");
    Check(!codec.Decode("\x89PNG\r\n\x1a\nbroken"), "a broken PNG file decodes to nothing");
    Check(!codec.Decode(std::string("BM\x3a\0\0\0", 6)), "a BMP file is no PNG file");
}

RECT ClientOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

// WM_DPICHANGED (a move to a monitor of another scale) lays the window out at the new ratio: the
// frame's corner where the system suggests, the client area, the label and the button at the
// design's place and size times the ratio; positions and pointer points stay in twips of the
// logical window. Back at 96 dpi the window draws exactly what it drew before.
void WindowFollowsTheMonitorScale() {
    namespace win32 = tolvane::win32;
    win32::Win32Platform platform(GetModuleHandleW(nullptr), win32::kForm1Design, 0);
    auto& window = static_cast<win32::FormWindow&>(
        platform.MakeWindow({"Tolvane", 550, 289, tolvane::gdi::Rgb(0, 0, 0)}));
    tolvane::gdi::Font font{"宋体", 9.0, 400, 134};
    auto& label = static_cast<win32::FormLabel&>(platform.MakeLabel(
        {"Label2", "天", 392, 216, true, tolvane::gdi::Rgb(0, 255, 0), font, ""}));
    platform.MakeButton("StylerButton1", platform.ReadControlDesign("StylerButton1"),
                        std::make_shared<tolvane::gdi::Font>(font));
    const HWND form = window.Handle();
    const HWND button = GetWindow(form, GW_CHILD);
    const win32::ClientPicture before = window.Snapshot();
    const RECT label_before = label.Bounds();
    float down_x = -1;
    float down_y = -1;
    window.OnMouseDown([&](int, int, float x, float y) {
        down_x = x;
        down_y = y;
    });

    struct Case {
        UINT Dpi;
        RECT Client;  // on screen
        RECT Button;  // on screen
    };
    // The suggested frame's corner is (100, 50). (The null driver's screen is too small for the
    // window at 200 %, which the system would cut to the screen's size.)
    const Case cases[] = {
        {144, {0, 0, 825, 434}, {648, 372, 648 + 158, 372 + 50}},
        {120, {0, 0, 688, 361}, {540, 310, 540 + 131, 310 + 41}},
        {96, {0, 0, 550, 289}, {432, 248, 432 + 105, 248 + 33}},
    };
    for (const Case& c : cases) {
        const std::string at = std::to_string(c.Dpi) + " dpi: ";
        RECT suggested{100, 50, 900, 700};
        SendMessageW(form, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(c.Dpi, c.Dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT frame{};
        GetWindowRect(form, &frame);
        const RECT client = ClientOnScreen(form);
        Check(frame.left == 100 && frame.top == 50,
              at + "the frame lies at the suggested corner, got " + Describe(frame));
        Check(client.right - client.left == c.Client.right &&
                  client.bottom - client.top == c.Client.bottom,
              at + "the client area is " + Describe(c.Client) + ", got " + Describe(client));
        RECT place{};
        GetWindowRect(button, &place);
        OffsetRect(&place, -client.left, -client.top);
        Check(EqualRect(&place, &c.Button),
              at + "the button lies at " + Describe(c.Button) + ", got " + Describe(place));
        const double ratio = c.Dpi / 96.0;
        const RECT& bounds = label.Bounds();
        // The ideograph's advance is its em, 12 px at 100 %, or (at odd sizes) a pixel more.
        const LONG em = static_cast<LONG>(12 * ratio);
        Check(bounds.left == static_cast<LONG>(392 * ratio) &&
                  bounds.top == static_cast<LONG>(216 * ratio) &&
                  (bounds.right - bounds.left == em || bounds.right - bounds.left == em + 1),
              at +
                  "天 lies at 392, 216 times the ratio, measured in a font of that many times 12 "
                  "px, got " +
                  Describe(bounds));
        Check(window.Left() == tolvane::base::PixelsToTwips(frame.left / ratio),
              at + "Left is the frame's place in logical twips");
        // A press at device (200, 100) of the client area is (200, 100) / ratio logical pixels.
        SendMessageW(form, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 100));
        SendMessageW(form, WM_LBUTTONUP, 0, MAKELPARAM(200, 100));
        Check(down_x == static_cast<float>(3000 / ratio) &&
                  down_y == static_cast<float>(1500 / ratio),
              at + "a press at device (200, 100) is at (" + std::to_string(3000 / ratio) + ", " +
                  std::to_string(1500 / ratio) + ") twips, got (" + std::to_string(down_x) + ", " +
                  std::to_string(down_y) + ")");
        // Move takes logical twips: 1500 twips are 100 logical pixels, 100 * ratio device pixels.
        window.Move(1500, 3000);
        GetWindowRect(form, &frame);
        Check(frame.left == static_cast<LONG>(100 * ratio) &&
                  frame.top == static_cast<LONG>(200 * ratio),
              at + "Move(1500, 3000 twips) puts the frame at (100, 200) times the ratio, got " +
                  Describe(frame));
        const win32::ClientPicture picture = window.Snapshot();
        Check(picture.Width == c.Client.right && picture.Height == c.Client.bottom,
              at + "the snapshot has the client's device size");
    }
    const win32::ClientPicture after = window.Snapshot();
    Check(after.Pixels == before.Pixels && EqualRect(&label.Bounds(), &label_before),
          "back at 96 dpi the window draws what it drew before");
}

VARIANT ChildId(long id) {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// The form's accessible object lists its visible label and the button; child ids 0 to the count
// are answered, one past either end and a VARIANT of another type are refused; the button's
// questions pass on to its own object; once the window is gone every call says so.
void AccessibleChildIdsAtTheirBounds() {
    namespace win32 = tolvane::win32;
    IAccessible* client = nullptr;
    {
        win32::Win32Platform platform(GetModuleHandleW(nullptr), win32::kForm1Design, 0);
        auto& window = static_cast<win32::FormWindow&>(
            platform.MakeWindow({"Tolvane", 550, 289, tolvane::gdi::Rgb(0, 0, 0)}));
        tolvane::gdi::Font font{"宋体", 9.0, 400, 134};
        platform.MakeLabel({"Label5", "hidden", 10, 10, false, 0, font, ""});
        platform.MakeLabel({"Label2", "天", 392, 216, true, 0, font, "tip"});
        platform
            .MakeButton("StylerButton1", platform.ReadControlDesign("StylerButton1"),
                        std::make_shared<tolvane::gdi::Font>(font))
            .Button()
            .SetCaption("关闭");
        Check(SUCCEEDED(AccessibleObjectFromWindow(window.Handle(), OBJID_CLIENT,
                                                   __uuidof(IAccessible),
                                                   reinterpret_cast<void**>(&client))) &&
                  client != nullptr,
              "the form answers WM_GETOBJECT");
        if (client == nullptr) {
            return;
        }
        LONG count = 0;
        client->get_accChildCount(&count);
        Check(count == 2, "the visible label and the button are listed, " + std::to_string(count) +
                              " children found");
        struct Case {
            long Id;
            HRESULT Result;
            std::wstring Name;
        };
        const Case cases[] = {{-1, E_INVALIDARG, L""},
                              {0, S_OK, L"Tolvane"},
                              {1, S_OK, L"天"},
                              {2, S_OK, L"关闭"},
                              {3, E_INVALIDARG, L""}};
        for (const Case& c : cases) {
            BSTR name = nullptr;
            const HRESULT result = client->get_accName(ChildId(c.Id), &name);
            Check(result == c.Result && (name != nullptr ? std::wstring(name) : L"") == c.Name,
                  "child " + std::to_string(c.Id) + ": get_accName answers as expected");
            SysFreeString(name);
        }
        VARIANT text{};
        text.vt = VT_BSTR;
        text.bstrVal = nullptr;
        BSTR name = nullptr;
        Check(client->get_accName(text, &name) == E_INVALIDARG, "a child named by text is refused");
        VARIANT role{};
        Check(client->get_accRole(ChildId(2), &role) == S_OK && role.vt == VT_I4 &&
                  role.lVal == ROLE_SYSTEM_PUSHBUTTON,
              "child 2 is a push button");
        BSTR description = nullptr;
        Check(client->get_accDescription(ChildId(1), &description) == S_OK &&
                  description != nullptr && std::wstring(description) == L"tip",
              "the label is described by its tooltip");
        SysFreeString(description);
        VARIANT next{};
        Check(client->accNavigate(NAVDIR_NEXT, ChildId(2), &next) == S_FALSE && next.vt == VT_EMPTY,
              "nothing follows the last child");
        Check(client->accNavigate(NAVDIR_FIRSTCHILD, ChildId(0), &next) == S_OK &&
                  next.vt == VT_I4 && next.lVal == 1,
              "the first child is the label");
        Check(client->accDoDefaultAction(ChildId(1)) == DISP_E_MEMBERNOTFOUND,
              "a label without a click has no default action");
    }
    LONG count = 0;
    Check(client->get_accChildCount(&count) == RPC_E_DISCONNECTED,
          "the object of a window that is gone says it is disconnected");
    client->Release();
}

}  // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // for the Windows Imaging Component
    TextEngineSetsOnlyGlyphPixels();
    StoredDesignGivesTheButton();
    PngFilesRoundTrip();
    WindowFollowsTheMonitorScale();
    AccessibleChildIdsAtTheirBounds();
    std::printf("%d failed\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
