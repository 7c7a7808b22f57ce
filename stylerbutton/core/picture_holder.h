#pragma once

#include "gdi/colour.h"
#include "gdi/surface.h"
#include "stylerbutton/core/picture.h"

namespace tolvane::styler {

// A hidden picture holder (imgIcon, imgDis): it holds a picture and an image of its own, a pixel
// surface the drawing code blits from (hDC). Assigning a picture copies its pixels into that
// image, so PSet changes the holder's image and never the shared picture.
//
// A new holder is 0 x 0 with automatic sizing off. With automatic sizing on, the holder takes the
// size of each picture it is given (and of its current picture when sizing is turned on); with it
// off it keeps its size, shows the picture from its top-left corner and black elsewhere. When the
// size changes, the image is rebuilt from the picture.
class PictureHolder {
  public:
    // The picture as assigned (the shared reference itself), or none.
    const PictureRef& Picture() const { return picture_; }
    void SetPicture(PictureRef picture);
    bool HasPicture() const { return picture_ != nullptr; }

    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool on);

    // The holder's width and height in pixels: the picture's once sized to it.
    double ScaleWidth() const { return image_.Width(); }
    double ScaleHeight() const { return image_.Height(); }

    // The holder's image, for drawing from.
    gdi::Surface& hDC() { return image_; }
    const gdi::Surface& hDC() const { return image_; }

    // One pixel of the image (kInvalidColour outside it); PSet outside it does nothing.
    gdi::Colour Point(int x, int y) const { return image_.Point(x, y); }
    void PSet(int x, int y, gdi::Colour colour) { image_.PSet(x, y, colour); }

  private:
    void Resize(int width, int height);
    void Rebuild();

    PictureRef picture_;
    bool auto_size_ = false;
    gdi::Surface image_;
};

}  // namespace tolvane::styler
