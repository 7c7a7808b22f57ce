// The Designer plugin as Designer meets it: loaded from the build tree with QPluginLoader and
// used only through QDesignerCustomWidgetInterface and Qt's meta-object system, since Designer
// knows nothing of our classes. (This binary deliberately does not link the widget.)
#include <QFileInfo>
#include <QPixmap>
#include <QPluginLoader>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

namespace {

class DesignerPluginTest : public testing::Test {
  protected:
    void SetUp() override {
        loader_.setFileName(QStringLiteral(TOLVANE_DESIGNER_PLUGIN));
        ASSERT_TRUE(loader_.load()) << loader_.errorString().toStdString();
        plugin_ = qobject_cast<QDesignerCustomWidgetInterface*>(loader_.instance());
        ASSERT_NE(plugin_, nullptr);
    }

    QPluginLoader loader_;
    QDesignerCustomWidgetInterface* plugin_ = nullptr;
};

// What Designer places, read from the plugin's domXml.
struct Placement {
    QString display_name;
    QString widget_class;
    int width = 0;
    int height = 0;
    QStringList tooltips;  // the names of the properties that have one
};

Placement ReadDomXml(const QString& dom_xml) {
    Placement placement;
    QXmlStreamReader xml(dom_xml);
    QString property;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("ui")) {
            placement.display_name = xml.attributes().value("displayname").toString();
        } else if (name == QLatin1String("widget")) {
            placement.widget_class = xml.attributes().value("class").toString();
        } else if (name == QLatin1String("property")) {
            property = xml.attributes().value("name").toString();
        } else if (property == QLatin1String("geometry") && name == QLatin1String("width")) {
            placement.width = xml.readElementText().toInt();
        } else if (property == QLatin1String("geometry") && name == QLatin1String("height")) {
            placement.height = xml.readElementText().toInt();
        } else if (name == QLatin1String("tooltip")) {
            placement.tooltips.append(xml.attributes().value("name").toString());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return placement;
}

TEST_F(DesignerPluginTest, DeclaresTheInterfaceDesignerLoadsPluginsBy) {
    EXPECT_EQ(loader_.metaData().value(QStringLiteral("IID")).toString(),
              QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetInterface"));
}

TEST_F(DesignerPluginTest, ListsTheButtonInTheGroupTolvaneWithAnIcon) {
    EXPECT_EQ(plugin_->name(), QStringLiteral("tolvane::styler::StylerButtonUiWidget"));
    EXPECT_EQ(plugin_->group(), QStringLiteral("Tolvane"));
    EXPECT_FALSE(plugin_->icon().isNull());
    EXPECT_FALSE(plugin_->isContainer());
}

// uic writes #include "<includeFile>"; the package installs headers with these same paths.
TEST_F(DesignerPluginTest, NamesTheHeaderOfTheWidgetClass) {
    const QString header = QStringLiteral(TOLVANE_SOURCE_DIR "/") + plugin_->includeFile();
    EXPECT_TRUE(QFileInfo::exists(header)) << header.toStdString();
}

TEST_F(DesignerPluginTest, PlacesA105By33ButtonNamedStylerButton) {
    const Placement placement = ReadDomXml(plugin_->domXml());
    EXPECT_EQ(placement.display_name, QStringLiteral("StylerButton"));
    EXPECT_EQ(placement.widget_class, plugin_->name());
    EXPECT_EQ(placement.width, 105);
    EXPECT_EQ(placement.height, 33);
}

TEST_F(DesignerPluginTest, GivesEachOfTheNineteenPropertiesATooltip) {
    const Placement placement = ReadDomXml(plugin_->domXml());
    QWidget form;
    const QWidget* button = plugin_->createWidget(&form);
    EXPECT_EQ(placement.tooltips.size(), 19);
    for (const QString& name : placement.tooltips) {
        EXPECT_GE(button->metaObject()->indexOfProperty(name.toLatin1().constData()), 0)
            << name.toStdString();
    }
}

TEST_F(DesignerPluginTest, CreatesAStylerButtonWidgetWithItsHoverPollStopped) {
    QWidget form;
    QWidget* button = plugin_->createWidget(&form);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->parentWidget(), &form);
    // Designer warns when the class it gets is not the one the plugin names.
    EXPECT_EQ(QString::fromLatin1(button->metaObject()->className()), plugin_->name());
    EXPECT_TRUE(button->inherits("tolvane::styler::StylerButtonWidget"));
    EXPECT_EQ(button->property("Caption").toString(), QStringLiteral("StylerButton"));
    for (const QTimer* timer : button->findChildren<QTimer*>()) {
        EXPECT_FALSE(timer->isActive());
    }
}

// Designer sets properties by name, with the types its editors make.
TEST_F(DesignerPluginTest, PropertiesSetByNameReadBack) {
    QWidget form;
    QWidget* button = plugin_->createWidget(&form);
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    const std::pair<const char*, QVariant> values[] = {
        {"CaptionAlignment", 9},  // before the offsets, which it resets
        {"CaptionOffsetX", -4},  {"ShadowOffsetY", 3}, {"Caption", QStringLiteral("OK")},
        {"ForeColor", 255u},     {"Theme", 3},         {"FocusDottedRect", false},
        {"RoundedValue", 8},
    };
    for (const auto& [name, value] : values) {
        EXPECT_TRUE(button->setProperty(name, value)) << name;
    }
    for (const auto& [name, value] : values) {
        EXPECT_EQ(button->property(name), value) << name;
    }
    ASSERT_TRUE(button->setProperty("Icon", icon));
    EXPECT_EQ(button->property("Icon").value<QPixmap>().size(), QSize(16, 16));
}

}  // namespace
