#include "stylerbutton/core/picture_holder.h"

#include <algorithm>
#include <utility>

namespace tolvane::styler {

void PictureHolder::SetPicture(PictureRef picture) {
    picture_ = std::move(picture);
    if (auto_size_ && picture_) {
        Resize(picture_->Width(), picture_->Height());
    }
    Rebuild();
}

void PictureHolder::SetAutoSize(bool on) {
    auto_size_ = on;
    if (auto_size_ && picture_ &&
        (picture_->Width() != image_.Width() || picture_->Height() != image_.Height())) {
        Resize(picture_->Width(), picture_->Height());
        Rebuild();
    }
}

void PictureHolder::Resize(int width, int height) {
    image_.Resize(width, height);
}

void PictureHolder::Rebuild() {
    image_.Clear(0);
    if (!picture_) {
        return;
    }
    const int width = std::min(image_.Width(), picture_->Width());
    const int height = std::min(image_.Height(), picture_->Height());
    for (int y = 0; y < height; ++y) {
        const auto source = picture_->Row(y);
        std::copy_n(source.begin(), width, image_.Row(y).begin());
    }
}

}  // namespace tolvane::styler
