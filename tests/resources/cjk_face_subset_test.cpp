// The embedded copy of the CJK face: it holds every character the window's texts use, and it
// draws each of them exactly as the installed face does, at the window's sizes, bold or not,
// with every hinting Qt offers.
#include <string_view>

#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QString>

#include <gtest/gtest.h>

#include "qt/fonts.h"
#include "countdown/countdown_model_texts.h"
#include "countdown/form1_design.h"
#include "resources/resource_paths.h"

namespace tolvane::resources {
namespace {

const QString kSubsetFamily = QString::fromLatin1(qt::kSongSubset);
const QString kInstalledFamily = QString::fromLatin1(qt::kSongSubstitute);

bool RegisterSubset() {
    static const bool registered =
        QFontDatabase::addApplicationFont(QString::fromLatin1(kCjkFaceSubset)) >= 0;
    return registered;
}

// Everything the window writes in its Chinese face, the changing digits included.
QString WindowTexts() {
    QString texts = QStringLiteral("0123456789");
    for (const std::string_view text : countdown::kStartTexts) {
        texts += QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    for (const countdown::LabelDesign& label : countdown::kLabelDesigns) {
        texts += QString::fromUtf8(label.ToolTip.data(), label.ToolTip.size());
    }
    for (std::string_view text :
         {countdown::kClockErrorMessage, countdown::kClockErrorTitle,
          countdown::kSupportEndedMessage, countdown::kSupportEndedTitle,
          countdown::kDateLinePrefix, countdown::kDayOverText, std::string_view("关闭小时分秒年月日")}) {
        texts += QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    return texts;
}

QImage Drawn(const QString& family, int pixels, bool bold, QFont::HintingPreference hinting,
             const QString& text) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(hinting);
    QImage image(pixels * (text.size() + 2), pixels * 2, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::green);
    painter.drawText(pixels / 2, pixels * 3 / 2, text);
    return image;
}

TEST(CjkFaceSubset, HoldsEveryCharacterOfTheWindowsTexts) {
    ASSERT_TRUE(RegisterSubset());
    const QRawFont subset = QRawFont::fromFont(QFont(kSubsetFamily));
    ASSERT_EQ(subset.familyName(), kSubsetFamily);
    for (const QChar character : WindowTexts()) {
        EXPECT_TRUE(subset.supportsCharacter(character))
            << "U+" << QString::number(character.unicode(), 16).toStdString();
    }
}

TEST(CjkFaceSubset, DrawsTheSamePixelsAsTheInstalledFace) {
    ASSERT_TRUE(RegisterSubset());
    if (!QFontDatabase::families().contains(kInstalledFamily)) {
        GTEST_SKIP() << "the installed face is missing";
    }
    const QString text = WindowTexts();
    for (int pixels : {12, 14, 16}) {
        for (bool bold : {false, true}) {
            for (QFont::HintingPreference hinting :
                 {QFont::PreferDefaultHinting, QFont::PreferNoHinting,
                  QFont::PreferVerticalHinting, QFont::PreferFullHinting}) {
                EXPECT_EQ(Drawn(kSubsetFamily, pixels, bold, hinting, text),
                          Drawn(kInstalledFamily, pixels, bold, hinting, text))
                    << pixels << " px, bold " << bold << ", hinting " << hinting;
            }
        }
    }
}

}  // namespace
}  // namespace tolvane::resources
