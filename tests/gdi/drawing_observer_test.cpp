#include "gdi/drawing_observer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdi/round_rect.h"
#include "gdi/set_dibits_to_device.h"
#include "gdi/transparent_blt.h"

namespace tolvane::gdi {
namespace {

// Writes down each call it hears of with the arguments that tell the calls apart.
class CallLog final : public DrawingObserver {
  public:
    std::vector<std::string> Calls;

    void Cleared(Colour colour) override { Note("Cleared", {static_cast<long>(colour)}); }
    void PixelSet(int x, int y, Colour colour) override {
        Note("PixelSet", {x, y, static_cast<long>(colour)});
    }
    void GradientFilled(std::span<const TriVertex> vertices, std::span<const GradientMesh> mesh,
                        GradientFillMode mode) override {
        Note("GradientFilled", {static_cast<long>(vertices.size()), static_cast<long>(mesh.size()),
                                static_cast<long>(mode)});
    }
    void RoundRectDrawn(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom, std::int32_t ellipseWidth, std::int32_t ellipseHeight,
                        Colour pen) override {
        Note("RoundRectDrawn",
             {left, top, right, bottom, ellipseWidth, ellipseHeight, static_cast<long>(pen)});
    }
    void DibBitsSet(std::int32_t xDest, std::int32_t yDest, std::uint32_t width,
                    std::uint32_t height, std::int32_t, std::int32_t, std::uint32_t,
                    std::uint32_t scanLines, std::span<const std::uint8_t> bits, const BitmapInfo&,
                    DibColours) override {
        Note("DibBitsSet", {xDest, yDest, static_cast<long>(width), static_cast<long>(height),
                            static_cast<long>(scanLines), static_cast<long>(bits.size())});
    }
    void TransparentBlitted(std::int32_t xDest, std::int32_t yDest, std::int32_t width,
                            std::int32_t height, const Surface& src, std::int32_t, std::int32_t,
                            std::int32_t, std::int32_t, Colour transparent) override {
        Note("TransparentBlitted",
             {xDest, yDest, width, height, src.Width(), static_cast<long>(transparent)});
    }

  private:
    void Note(const char* call, std::initializer_list<long> args) {
        std::string line = call;
        for (const long arg : args) {
            // Not " " + std::to_string(arg): g++ 12 at -O3 warns falsely (-Wrestrict) on it.
            line.append(" ").append(std::to_string(arg));
        }
        Calls.push_back(line);
    }
};

// Each call is heard of once, before it draws, with its own arguments, refused ones too; a copy
// of the surface starts without the observer.
TEST(DrawingObserverTest, HearsEveryDrawingCallOnItsSurfaceOnly) {
    Surface surface(4, 3);
    CallLog log;
    surface.SetObserver(&log);
    surface.SetBackColor(7);
    surface.PSet(1, 2, 9);
    const TriVertex vertices[] = {{0, 0, 0, 0, 0, 0}, {4, 3, 0, 0, 0, 0}};
    const GradientMesh mesh[] = {{0, 1}};
    GradientFill(surface, vertices, mesh, GradientFillMode::Vertical);
    surface.SetForeColor(5);
    RoundRect(surface, 0, 0, 4, 3, 2, 2);
    BitmapInfo info;
    info.Header.Width = 1;
    info.Header.Height = 1;
    const std::uint8_t bits[4] = {};
    SetDIBitsToDevice(surface, 1, 1, 1, 1, 0, 0, 0, 1, bits, info, DibColours::Rgb);
    const Surface icon(2, 2);
    TransparentBlt(surface, 0, 0, 2, 2, icon, 0, 0, 3, 3, 6);
    Surface copy = surface;
    copy.PSet(0, 0, 1);
    EXPECT_EQ(copy.Observer(), nullptr);
    EXPECT_EQ(log.Calls,
              (std::vector<std::string>{"Cleared 7", "PixelSet 1 2 9", "GradientFilled 2 1 1",
                                        "RoundRectDrawn 0 0 4 3 2 2 5", "DibBitsSet 1 1 1 1 1 4",
                                        "TransparentBlitted 0 0 2 2 2 6"}));
}

}  // namespace
}  // namespace tolvane::gdi
