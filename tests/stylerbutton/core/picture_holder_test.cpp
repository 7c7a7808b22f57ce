#include "stylerbutton/core/picture_holder.h"

#include <gtest/gtest.h>

namespace tolvane::styler {
namespace {

PictureRef TwoByThree() {
    auto picture = std::make_shared<gdi::Surface>(2, 3, 0xFF00FF);
    picture->PSet(1, 2, 0x123456);
    return picture;
}

TEST(PictureHolderTest, AutomaticSizingTakesThePictureSize) {
    PictureHolder holder;
    const PictureRef picture = TwoByThree();
    holder.SetPicture(picture);
    EXPECT_TRUE(holder.HasPicture());
    EXPECT_EQ(holder.ScaleWidth(), 0.0);  // no sizing yet: a new holder is 0 x 0
    holder.SetAutoSize(true);
    EXPECT_EQ(holder.ScaleWidth(), 2.0);
    EXPECT_EQ(holder.ScaleHeight(), 3.0);
    EXPECT_EQ(holder.Point(1, 2), 0x123456u);
    EXPECT_EQ(holder.Point(0, 0), 0xFF00FFu);
    EXPECT_EQ(holder.Point(2, 0), gdi::kInvalidColour);

    holder.SetPicture(std::make_shared<gdi::Surface>(5, 1));
    EXPECT_EQ(holder.ScaleWidth(), 5.0);
    EXPECT_EQ(holder.ScaleHeight(), 1.0);
}

TEST(PictureHolderTest, PSetChangesTheHolderNeverThePicture) {
    PictureHolder holder;
    holder.SetAutoSize(true);
    const PictureRef picture = TwoByThree();
    holder.SetPicture(picture);
    holder.PSet(0, 0, 0xB2B2B2);
    EXPECT_EQ(holder.Point(0, 0), 0xB2B2B2u);
    EXPECT_EQ(holder.hDC().Point(0, 0), 0xB2B2B2u);
    EXPECT_EQ(picture->Point(0, 0), 0xFF00FFu);
    EXPECT_EQ(holder.Picture(), picture);

    holder.SetPicture(holder.Picture());  // a fresh copy: the recolouring does not accumulate
    EXPECT_EQ(holder.Point(0, 0), 0xFF00FFu);

    holder.SetPicture(nullptr);
    EXPECT_FALSE(holder.HasPicture());
}

}  // namespace
}  // namespace tolvane::styler
