#include "stylerbutton/designer/styler_button_designer_plugin.h"

#include <QIcon>
#include <QString>
#include <QXmlStreamWriter>

#include "stylerbutton/core/property_table.h"
#include "stylerbutton/ui/styler_button_ui_widget.h"

namespace tolvane::styler {

namespace {

constexpr int kDefaultWidth = 105;
constexpr int kDefaultHeight = 33;

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void WriteRect(QXmlStreamWriter& xml, int width, int height) {
    xml.writeStartElement(QStringLiteral("rect"));
    xml.writeTextElement(QStringLiteral("x"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("y"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("width"), QString::number(width));
    xml.writeTextElement(QStringLiteral("height"), QString::number(height));
    xml.writeEndElement();
}

}  // namespace

StylerButtonDesignerPlugin::StylerButtonDesignerPlugin(QObject* parent) : QObject(parent) {}

QString StylerButtonDesignerPlugin::name() const {
    return QString::fromLatin1(StylerButtonUiWidget::staticMetaObject.className());
}

QString StylerButtonDesignerPlugin::group() const {
    return QStringLiteral("Tolvane");
}

QString StylerButtonDesignerPlugin::toolTip() const {
    return QStringLiteral("Owner-drawn push-button with three themes");
}

QString StylerButtonDesignerPlugin::whatsThis() const {
    return QStringLiteral(
        "StylerButton: an owner-drawn push-button with three themes (dark gloss, blue glass, "
        "silver), nine caption alignments, five caption effects and an icon.");
}

QString StylerButtonDesignerPlugin::includeFile() const {
    return QStringLiteral("stylerbutton/ui/styler_button_ui_widget.h");
}

QIcon StylerButtonDesignerPlugin::icon() const {
    QIcon icon;
    icon.addFile(QStringLiteral(":/tolvane/designer/tolvane-16.png"));
    icon.addFile(QStringLiteral(":/tolvane/designer/tolvane-32.png"));
    return icon;
}

QWidget* StylerButtonDesignerPlugin::createWidget(QWidget* parent) {
    return new StylerButtonUiWidget(parent, FormMode::Designing);
}

void StylerButtonDesignerPlugin::initialize(QDesignerFormEditorInterface*) {
    initialized_ = true;
}

// What Designer places: the widget at its default size with its caption set, so that the
// caption is part of the form; "displayname" is the name in the widget box. Each property's
// description becomes its tooltip in the property editor.
QString StylerButtonDesignerPlugin::domXml() const {
    QString text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.writeStartElement(QStringLiteral("ui"));
    xml.writeAttribute(QStringLiteral("language"), QStringLiteral("c++"));
    xml.writeAttribute(QStringLiteral("displayname"), QStringLiteral("StylerButton"));

    xml.writeStartElement(QStringLiteral("widget"));
    xml.writeAttribute(QStringLiteral("class"), name());
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("stylerButton"));
    xml.writeStartElement(QStringLiteral("property"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("geometry"));
    WriteRect(xml, kDefaultWidth, kDefaultHeight);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("property"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Caption"));
    xml.writeTextElement(QStringLiteral("string"), QStringLiteral("StylerButton"));
    xml.writeEndElement();
    xml.writeEndElement();  // widget

    xml.writeStartElement(QStringLiteral("customwidgets"));
    xml.writeStartElement(QStringLiteral("customwidget"));
    xml.writeTextElement(QStringLiteral("class"), name());
    xml.writeStartElement(QStringLiteral("propertyspecifications"));
    for (const PropertyInfo& property : PropertyTable()) {
        xml.writeStartElement(QStringLiteral("tooltip"));
        xml.writeAttribute(QStringLiteral("name"), FromView(property.QtName));
        xml.writeCharacters(FromView(property.Description));
        xml.writeEndElement();
    }
    xml.writeEndElement();  // propertyspecifications
    xml.writeEndElement();  // customwidget
    xml.writeEndElement();  // customwidgets
    xml.writeEndElement();  // ui
    return text;
}

}  // namespace tolvane::styler
