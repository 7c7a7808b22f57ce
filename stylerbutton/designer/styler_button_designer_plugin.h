#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace tolvane::styler {

// The StylerButton in Qt Designer: listed as "StylerButton" in the widget box's group "Tolvane",
// placed as a StylerButtonUiWidget of 105 x 33 pixels (the size of the countdown window's close
// button) with its hover poll stopped, its nineteen properties in the property editor with the
// button's own descriptions as their tooltips.
class StylerButtonDesignerPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

  public:
    explicit StylerButtonDesignerPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

  private:
    bool initialized_ = false;
};

}  // namespace tolvane::styler
