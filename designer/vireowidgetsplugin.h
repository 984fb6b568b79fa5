#pragma once

// Qt Designer plugin of the library: one entry per panel a host places by hand in its forms,
// all in the widget box's "Vireo Widgets" group.

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QColor>
#include <QIcon>
#include <QObject>
#include <QSize>

#include <functional>

namespace Vireo::Designer {

// What Designer needs to know of one widget class, and how to make one.
struct WidgetDescription
{
    QString className; // with its namespace, as uic writes it
    QString header; // include path below the installed include folder
    QString toolTip;
    QString whatsThis;
    QString glyph; // the letters of its widget-box icon
    QColor colour; // the icon's colour: one per subsystem
    QSize defaultSize;
    std::function<QWidget*(QWidget* parent)> create;
};

class WidgetEntry : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    WidgetEntry(WidgetDescription description, QObject* parent);

    QString name() const override { return m_description.className; }
    QString group() const override;
    QString toolTip() const override { return m_description.toolTip; }
    QString whatsThis() const override { return m_description.whatsThis; }
    QString includeFile() const override { return m_description.header; }
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    WidgetDescription m_description;
    mutable QIcon m_icon;
    bool m_initialized = false;
};

class VireoWidgetsPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
public:
    explicit VireoWidgetsPlugin(QObject* parent = nullptr);

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return m_widgets; }

private:
    QList<QDesignerCustomWidgetInterface*> m_widgets;
};

} // namespace Vireo::Designer
