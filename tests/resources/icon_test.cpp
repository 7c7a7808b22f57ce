// The embedded application icon: its ten images as a Windows icon file, how Qt reads them,
// and the single-size PNG copies for the desktop.
#include <algorithm>
#include <utility>
#include <vector>

#include <QIcon>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include "resources/resource_paths.h"
#include "tests/resources/resource_bytes.h"

namespace tolvane::resources {
namespace {

using test_support::ByteAt;
using test_support::Le16;
using test_support::Le32;
using test_support::ResourceBytes;

struct IconEntry {
    int size = 0;  // width and height; 0 in the file stands for 256
    int colours = 0;
    int planes = 0;
    int bits = 0;
    qint64 bytes = 0;
    qint64 offset = 0;
};

constexpr int kDirectoryHeader = 6;
constexpr int kDirectoryEntry = 16;
constexpr int kBitmapInfoHeader = 40;

std::vector<IconEntry> IconDirectory(const QByteArray& file) {
    std::vector<IconEntry> entries;
    if (file.size() < kDirectoryHeader || Le16(file, 0) != 0 || Le16(file, 2) != 1) {
        ADD_FAILURE() << "no icon directory header";
        return entries;
    }
    const int count = Le16(file, 4);
    for (int i = 0; i < count && kDirectoryHeader + (i + 1) * kDirectoryEntry <= file.size(); ++i) {
        const qsizetype at = kDirectoryHeader + i * kDirectoryEntry;
        EXPECT_EQ(ByteAt(file, at), ByteAt(file, at + 1)) << "entry " << i << " is not square";
        const int side = ByteAt(file, at);
        entries.push_back({side == 0 ? 256 : side, ByteAt(file, at + 2), Le16(file, at + 4),
                           Le16(file, at + 6), Le32(file, at + 8), Le32(file, at + 12)});
    }
    return entries;
}

QByteArray EntryData(const QByteArray& file, const IconEntry& entry) {
    return file.mid(entry.offset, entry.bytes);
}

class ApplicationIcon : public ::testing::Test {
  protected:
    void SetUp() override {
        file_ = ResourceBytes(kApplicationIcon);
        ASSERT_FALSE(file_.isEmpty());
        entries_ = IconDirectory(file_);
    }
    QByteArray file_;
    std::vector<IconEntry> entries_;
};

TEST_F(ApplicationIcon, HoldsTheTenImagesAndNothingElse) {
    std::vector<std::pair<int, int>> found;  // size, bits per pixel
    for (const IconEntry& entry : entries_) {
        found.emplace_back(entry.size, entry.bits);
        EXPECT_EQ(entry.planes, 1);
        EXPECT_EQ(entry.colours, entry.bits == 4 ? 16 : 0);
        EXPECT_LE(entry.offset + entry.bytes, file_.size()) << "entry of " << entry.size;
    }
    std::sort(found.begin(), found.end());
    const std::vector<std::pair<int, int>> expected = {
        {16, 4},  {16, 8}, {16, 32}, {32, 4},  {32, 8},
        {32, 32}, {48, 4}, {48, 8},  {48, 32}, {256, 32},
    };
    EXPECT_EQ(found, expected);
}

TEST_F(ApplicationIcon, StoresTheLargestImageAsPng) {
    const auto large = std::find_if(entries_.begin(), entries_.end(),
                                    [](const IconEntry& e) { return e.size == 256; });
    ASSERT_NE(large, entries_.end());
    const QByteArray data = EntryData(file_, *large);
    EXPECT_TRUE(data.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)));
    const QImage image = QImage::fromData(data, "PNG");
    EXPECT_EQ(image.size(), QSize(256, 256));
    EXPECT_TRUE(image.hasAlphaChannel());
}

// Rows of a device-independent bitmap are padded to four bytes and stored bottom-up; the
// colour bitmap is followed by a one-bit AND mask in which 1 lets the screen show through.
qint64 RowBytes(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

TEST_F(ApplicationIcon, BitmapImagesAreConsistentAndMaskedAtTheCorners) {
    for (const IconEntry& entry : entries_) {
        if (entry.size == 256) {
            continue;
        }
        SCOPED_TRACE(::testing::Message() << entry.size << " px, " << entry.bits << " bpp");
        const QByteArray data = EntryData(file_, entry);
        ASSERT_GE(data.size(), kBitmapInfoHeader);
        const int n = entry.size;
        EXPECT_EQ(Le32(data, 0), kBitmapInfoHeader);
        EXPECT_EQ(Le32(data, 4), n);
        EXPECT_EQ(Le32(data, 8), 2 * n) << "height counts the colour bitmap and the mask";
        EXPECT_EQ(Le16(data, 12), 1);
        EXPECT_EQ(Le16(data, 14), entry.bits);
        EXPECT_EQ(Le32(data, 16), 0) << "uncompressed";

        const qint64 palette = entry.bits <= 8 ? 4 * (qint64{1} << entry.bits) : 0;
        const qint64 colour_row = RowBytes(n, entry.bits);
        const qint64 mask_row = RowBytes(n, 1);
        ASSERT_EQ(data.size(), kBitmapInfoHeader + palette + n * (colour_row + mask_row));

        // The top row is the last one stored. Its first pixel is a rounded-off corner: masked,
        // and black in the colour bitmap, so that the screen shows through unchanged.
        const qint64 top_colour_row = kBitmapInfoHeader + palette + (n - 1) * colour_row;
        const qint64 top_mask_row =
            kBitmapInfoHeader + palette + n * colour_row + (n - 1) * mask_row;
        EXPECT_TRUE(ByteAt(data, top_mask_row) & 0x80) << "corner not masked";
        if (entry.bits == 32) {
            EXPECT_EQ(ByteAt(data, top_colour_row + 3), 0) << "corner alpha";
        } else {
            const int index =
                entry.bits == 8 ? ByteAt(data, top_colour_row) : ByteAt(data, top_colour_row) >> 4;
            const qint64 rgb = Le32(data, kBitmapInfoHeader + 4 * index) & 0xFFFFFF;
            EXPECT_EQ(rgb, 0) << "masked pixel is not black";
        }
        // The middle of the middle row is drawn.
        const qint64 middle_mask_row =
            kBitmapInfoHeader + palette + n * colour_row + (n / 2) * mask_row;
        EXPECT_FALSE(ByteAt(data, middle_mask_row + n / 16) & (0x80 >> (n / 2 % 8)));
    }
}

TEST_F(ApplicationIcon, QtReadsEveryImageWithItsMask) {
    QImageReader reader(QString::fromUtf8(kApplicationIcon));
    ASSERT_EQ(reader.imageCount(), 10);
    std::vector<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << "image " << i << ": " << reader.errorString().toStdString();
        ASSERT_EQ(image.width(), image.height());
        sizes.push_back(image.width());
        const int n = image.width();
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "corner of image " << i;
        EXPECT_EQ(qAlpha(image.pixel(n / 2, n / 2)), 255) << "middle of image " << i;
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 16, 16, 32, 32, 32, 48, 48, 48, 256}));
}

TEST_F(ApplicationIcon, QIconOffersEverySize) {
    const QIcon icon(QString::fromUtf8(kApplicationIcon));
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> available = icon.availableSizes();
    for (const int n : {16, 32, 48, 256}) {
        EXPECT_TRUE(available.contains(QSize(n, n))) << n;
        EXPECT_EQ(icon.pixmap(QSize(n, n)).size(), QSize(n, n)) << n;
    }
}

TEST(DesktopIcons, AreSquarePngsOfTheirSizeWithTransparentCorners) {
    int previous = 0;
    for (const DesktopIcon& desktop : kDesktopIcons) {
        SCOPED_TRACE(desktop.path);
        EXPECT_GT(desktop.size, previous) << "smallest first";
        previous = desktop.size;
        QImageReader reader(QString::fromUtf8(desktop.path));
        EXPECT_EQ(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        ASSERT_EQ(image.size(), QSize(desktop.size, desktop.size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(desktop.size / 2, desktop.size / 2)), 255);
    }
}

}  // namespace
}  // namespace tolvane::resources
