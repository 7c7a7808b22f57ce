// The embedded background pictures: their format, as the window expects it, and whether the
// label texts stay readable over the picture in each of the colours the countdown gives them.
#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QRect>

#include <gtest/gtest.h>

#include "resources/resource_paths.h"
#include "tests/resources/resource_bytes.h"

namespace tolvane::resources {
namespace {

using test_support::Be16;
using test_support::ByteAt;
using test_support::ResourceBytes;

struct FrameHeader {
    int marker = 0;
    int precision = 0;
    int height = 0;
    int width = 0;
    int components = 0;
};

// Walks the marker segments from the start of image up to the first scan and returns every
// frame header (SOF0 to SOF15, leaving out DHT, JPG and DAC, which share the range).
std::vector<FrameHeader> FrameHeaders(const QByteArray& bytes) {
    std::vector<FrameHeader> frames;
    if (bytes.size() < 4 || ByteAt(bytes, 0) != 0xFF || ByteAt(bytes, 1) != 0xD8) {
        ADD_FAILURE() << "no start-of-image marker";
        return frames;
    }
    qsizetype pos = 2;
    while (pos + 4 <= bytes.size()) {
        if (ByteAt(bytes, pos) != 0xFF) {
            ADD_FAILURE() << "no marker at offset " << pos;
            break;
        }
        const int marker = ByteAt(bytes, pos + 1);
        if (marker == 0xFF) {  // fill byte before a marker
            ++pos;
            continue;
        }
        const bool is_frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (is_frame && pos + 10 <= bytes.size()) {
            frames.push_back({marker, ByteAt(bytes, pos + 4), Be16(bytes, pos + 5),
                              Be16(bytes, pos + 7), ByteAt(bytes, pos + 9)});
        }
        if (marker == 0xDA) {  // start of scan: entropy-coded data follows
            break;
        }
        pos += 2 + Be16(bytes, pos + 2);
    }
    return frames;
}

// The window draws the picture of its screen's density over its 550 x 290 client area.
struct Picture {
    const char* name;
    const char* path;
    QSize size;
};

void PrintTo(const Picture& picture, std::ostream* out) {
    *out << picture.name;
}

const Picture kPictures[] = {
    {"Background", kBackgroundPicture, QSize(550, 290)},
    {"Background2x", kBackgroundPicture2x, QSize(1100, 580)},
};

class BackgroundPicture : public ::testing::TestWithParam<Picture> {};

TEST_P(BackgroundPicture, IsAJpegOfItsSize) {
    QImageReader reader(QString::fromUtf8(GetParam().path));
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), GetParam().size);
}

TEST_P(BackgroundPicture, IsOneBaselineFrameOfThreeEightBitComponents) {
    const QByteArray bytes = ResourceBytes(GetParam().path);
    ASSERT_FALSE(bytes.isEmpty());
    const std::vector<FrameHeader> frames = FrameHeaders(bytes);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].marker, 0xC0) << "SOF0, baseline DCT";
    EXPECT_EQ(frames[0].precision, 8);
    EXPECT_EQ(frames[0].components, 3);
    EXPECT_EQ(frames[0].width, GetParam().size.width());
    EXPECT_EQ(frames[0].height, GetParam().size.height());
    // Entropy-coded data stuffs every 0xFF, so a progressive frame marker cannot hide there.
    EXPECT_EQ(bytes.indexOf(QByteArray("\xFF\xC2", 2)), -1) << "progressive frame marker";
}

INSTANTIATE_TEST_SUITE_P(Pictures, BackgroundPicture, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

// WCAG 2 relative luminance of an sRGB colour, and the contrast ratio of two luminances.
double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double RelativeLuminance(QRgb rgb) {
    return 0.2126 * Linear(qRed(rgb)) + 0.7152 * Linear(qGreen(rgb)) + 0.0722 * Linear(qBlue(rgb));
}
double ContrastRatio(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

TEST(ContrastMeasure, MatchesTheKnownRatios) {
    const double black = RelativeLuminance(qRgb(0, 0, 0));
    EXPECT_NEAR(ContrastRatio(RelativeLuminance(qRgb(255, 255, 255)), black), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(black, RelativeLuminance(qRgb(255, 0, 0))), 5.252, 1e-3);
    EXPECT_NEAR(RelativeLuminance(qRgb(0, 255, 0)), 0.7152, 1e-9);
    EXPECT_NEAR(RelativeLuminance(qRgb(128, 128, 128)), 0.2158605, 1e-6);
}

struct TextArea {
    const char* name;
    QRect rect;
};

void PrintTo(const TextArea& area, std::ostream* out) {
    *out << area.name;
}

// Where the window draws text over the picture, grown to the longest texts each label shows
// and padded by 3 pixels; the close button's corners show the picture too.
constexpr int kMargin = 3;
const TextArea kTextAreas[] = {
    {"Label1", QRect(320, 136, 180, 14)},  // heading
    {"Label2", QRect(392, 216, 17, 16)},   // day unit
    {"Label3", QRect(16, 264, 192, 14)},   // date line, grows to the right
    {"Label4", QRect(224, 184, 152, 47)},  // large day counter
    {"Label6", QRect(416, 216, 122, 16)},  // time left today
    {"StylerButton1", QRect(432, 248, 105, 33)},
};

// The colours of the labels: white at first, then green, yellow and red as the end nears.
const QRgb kTextColours[] = {qRgb(255, 255, 255), qRgb(0, 255, 0), qRgb(255, 255, 0),
                             qRgb(255, 0, 0)};

class TextOverBackground : public ::testing::TestWithParam<TextArea> {};

TEST_P(TextOverBackground, ContrastsAtLeastFourAndAHalfToOneInEveryColour) {
    const QImage image =
        QImage(QString::fromUtf8(kBackgroundPicture)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    const QRect area = GetParam().rect.adjusted(-kMargin, -kMargin, kMargin, kMargin);
    ASSERT_TRUE(image.rect().contains(area));

    double sum = 0.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            sum += RelativeLuminance(image.pixel(x, y));
        }
    }
    const double background = sum / (area.width() * area.height());
    for (const QRgb colour : kTextColours) {
        SCOPED_TRACE(QColor(colour).name().toStdString());
        EXPECT_GE(ContrastRatio(RelativeLuminance(colour), background), 4.5)
            << "mean background luminance " << background;
    }
}

INSTANTIATE_TEST_SUITE_P(Labels, TextOverBackground, ::testing::ValuesIn(kTextAreas),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvane::resources
