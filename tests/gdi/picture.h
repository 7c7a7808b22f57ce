#pragma once

#include <string>
#include <vector>

#include "gdi/region.h"
#include "gdi/surface.h"

namespace tolvane::gdi::testing {

// A surface as text, one string per row: '#' where the pixel is `ink`, '.' elsewhere.
inline std::vector<std::string> Picture(const Surface& surface, Colour ink) {
    std::vector<std::string> rows;
    for (int y = 0; y < surface.Height(); ++y) {
        std::string row;
        for (int x = 0; x < surface.Width(); ++x) {
            row += surface.Point(x, y) == ink ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

// The pixels of a region inside 0 <= x < width, 0 <= y < height, drawn the same way.
inline std::vector<std::string> Picture(const Region& region, int width, int height) {
    Surface surface(width, height, 0);
    for (const Region::Span& span : region.Spans()) {
        for (int x = span.XBegin; x < span.XEnd; ++x) {
            surface.PSet(x, span.Y, 1);
        }
    }
    return Picture(surface, 1);
}

}  // namespace tolvane::gdi::testing
