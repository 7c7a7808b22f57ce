#pragma once

#include "gdi/colour.h"
#include "stylerbutton/core/picture_holder.h"

namespace tolvane::styler {

// Turns the holder's image into a flat silhouette: with automatic sizing on (so the holder takes
// its picture's size), every pixel that is not exactly TransparentColour (its low three bytes,
// as the transparent blit compares them) becomes NewColour. Walks the image column by column,
// top to bottom. Only the holder's own image changes, never the shared picture.
void RecolourPicture(PictureHolder& Holder, gdi::Colour TransparentColour, gdi::Colour NewColour);

}  // namespace tolvane::styler
