#pragma once

#include <cstdint>
#include <span>

#include "gdi/surface.h"

namespace tolvane::gdi {

// A gradient vertex as the Windows TRIVERTEX holds it. Each colour channel is the 8-bit value
// times 256 (red 255 is 0xFF00); Alpha is carried but not drawn on a 32-bit surface.
struct TriVertex {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::uint16_t Red = 0;
    std::uint16_t Green = 0;
    std::uint16_t Blue = 0;
    std::uint16_t Alpha = 0;
};

// One rectangle of a gradient mesh (the Windows GRADIENT_RECT): indices of its two vertices.
struct GradientMesh {
    std::uint32_t UpperLeft = 0;
    std::uint32_t LowerRight = 0;
};

// The fill modes of GradientFill, with the values of GRADIENT_FILL_RECT_H, _RECT_V, _TRIANGLE.
enum class GradientFillMode : std::uint32_t { Horizontal = 0, Vertical = 1, Triangle = 2 };

// Fills each mesh rectangle with a linear two-colour gradient, giving the pixels the Windows
// GradientFill gives on a 32-bit surface.
//
// A rectangle covers min x <= x < max x and min y <= y < max y of its two vertices (right and
// bottom exclusive). Horizontal mode blends from the vertex with the smaller X to the other,
// vertical mode from the vertex with the smaller Y; each vertex keeps its own colour. With len
// the width (height) and pos a pixel's offset from the left (top) edge, each channel is
//     (c0 * (len - pos) + c1 * pos) / len / 256
// in truncating 32-bit unsigned arithmetic, c0 and c1 being the 16-bit channels of the two
// vertices: black to white over 256 pixels reads 0, 0, 1, 2, ..., 253, 254. No dithering;
// clipping to the surface does not shift the ramp.
//
// Returns false and draws nothing when there are no vertices or no mesh rectangles, when a mesh
// index names no vertex, or when the mode is not one of the two rectangle modes (triangles are
// not supported).
bool GradientFill(Hdc hdc, std::span<const TriVertex> vertices, std::span<const GradientMesh> mesh,
                  GradientFillMode mode);

}  // namespace tolvane::gdi
