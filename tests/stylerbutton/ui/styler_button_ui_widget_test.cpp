#include "stylerbutton/ui/styler_button_ui_widget.h"

#include <QMetaProperty>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

namespace tolvane::styler {
namespace {

QMetaType::Type PropertyType(const QObject& object, const char* name) {
    const QMetaObject* meta = object.metaObject();
    return static_cast<QMetaType::Type>(meta->property(meta->indexOfProperty(name)).typeId());
}

TEST(StylerButtonUiWidgetTest, IsANewInstanceAsSoonAsItIsBuilt) {
    QWidget window;
    const StylerButtonUiWidget button(&window);
    EXPECT_EQ(button.parentWidget(), &window);
    EXPECT_EQ(button.Caption(), QStringLiteral("StylerButton"));
    EXPECT_EQ(button.CaptionEffectColor(), 0xFFFFFFu);
    EXPECT_EQ(button.CaptionDisableColor(), 0xD4D4D4u);
    EXPECT_TRUE(button.Enabled());
}

TEST(StylerButtonUiWidgetTest, RunsItsHoverPollOnlyInARunningForm) {
    const StylerButtonUiWidget running;
    const StylerButtonUiWidget designed(nullptr, FormMode::Designing);
    EXPECT_TRUE(running.IsHoverTimerRunning());
    EXPECT_FALSE(designed.IsHoverTimerRunning());
}

TEST(StylerButtonUiWidgetTest, ItsInstanceNameIsTheNameTheFormGivesIt) {
    StylerButtonUiWidget button;
    button.setObjectName(QStringLiteral("okButton"));
    EXPECT_EQ(button.InstanceName(), "okButton");
    button.Button().ApplyDefaults();
    EXPECT_EQ(button.Caption(), QStringLiteral("okButton"));
}

// Designer edits int and pixmap properties, not qint16 or QImage ones.
TEST(StylerButtonUiWidgetTest, ShowsTheOffsetsAsIntAndTheIconAsAPixmap) {
    const StylerButtonUiWidget button;
    for (const char* name :
         {"CaptionOffsetX", "CaptionOffsetY", "ShadowOffsetX", "ShadowOffsetY"}) {
        EXPECT_EQ(PropertyType(button, name), QMetaType::Int) << name;
    }
    EXPECT_EQ(PropertyType(button, "Icon"), QMetaType::QPixmap);
}

TEST(StylerButtonUiWidgetTest, OffsetsSetByNameReachTheButtonWithTheirLow16Bits) {
    StylerButtonUiWidget button;
    ASSERT_TRUE(button.setProperty("CaptionOffsetY", 7));
    ASSERT_TRUE(button.setProperty("ShadowOffsetX", 65536 + 300));
    ASSERT_TRUE(button.setProperty("ShadowOffsetY", -32769));
    EXPECT_EQ(button.Button().CaptionOffsetY(), 7);
    EXPECT_EQ(button.Button().ShadowOffsetX(), 300);
    EXPECT_EQ(button.Button().ShadowOffsetY(), 32767);
    EXPECT_EQ(button.property("ShadowOffsetX").toInt(), 300);
}

TEST(StylerButtonUiWidgetTest, APixmapSetByNameIsTheIconAndANullOneRemovesIt) {
    StylerButtonUiWidget button;
    QPixmap pixmap(12, 10);
    pixmap.fill(QColor(10, 20, 30));
    ASSERT_TRUE(button.setProperty("Icon", pixmap));
    ASSERT_NE(button.Button().Icon(), nullptr);
    EXPECT_EQ(button.Button().Icon()->Width(), 12);
    EXPECT_EQ(button.Button().Icon()->Point(5, 5), gdi::Rgb(10, 20, 30));
    EXPECT_EQ(button.property("Icon").value<QPixmap>().size(), QSize(12, 10));

    ASSERT_TRUE(button.setProperty("Icon", QPixmap()));
    EXPECT_EQ(button.Button().Icon(), nullptr);
    EXPECT_TRUE(button.property("Icon").value<QPixmap>().isNull());
}

}  // namespace
}  // namespace tolvane::styler
