// Loads the Designer plugin as Qt Designer does and makes every widget it offers.

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QDesignerCustomWidgetInterface* findEntry(QDesignerCustomWidgetCollectionInterface* collection, const QString& name)
{
    for (auto* entry : collection->customWidgets()) {
        if (entry->name() == name)
            return entry;
    }
    return nullptr;
}

} // namespace

class TestDesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void offersThePanelsInTheirOwnGroup();
    void createsEveryWidget_data();
    void createsEveryWidget();

private:
    QPluginLoader m_loader {QStringLiteral(VIREO_DESIGNER_PLUGIN_FILE)};
    QDesignerCustomWidgetCollectionInterface* m_collection = nullptr;
};

void TestDesignerPlugin::initTestCase()
{
    QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
    QCOMPARE(m_loader.metaData().value(QStringLiteral("IID")).toString(),
        QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface"));
    m_collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(m_loader.instance());
    QVERIFY(m_collection);
}

void TestDesignerPlugin::offersThePanelsInTheirOwnGroup()
{
    QStringList names;
    for (auto* entry : m_collection->customWidgets()) {
        names.append(entry->name());
        QCOMPARE(entry->group(), QStringLiteral("Vireo Widgets"));
    }
    const QStringList expected {"Vireo::Widgets::QWrapLabel", "Vireo::Widgets::VideoPreviewWidget",
        "Vireo::Widgets::GroupWidget", "Vireo::Widgets::SliderWithSpinWidget",
        "Vireo::Widgets::SliderWithDoubleSpinWidget", "Vireo::Widgets::ZKSliderLineEditWidget",
        "Vireo::Widgets::TextBesideIcon", "Vireo::Widgets::TouchCheckBox", "Vireo::Widgets::FixedBitLineEditEx",
        "Vireo::Widgets::ProgressBarCtr", "Vireo::Widgets::ScreenDetailVListWidget",
        "Vireo::Widgets::ScreenGeneralHListWidget", "Vireo::Widgets::ScreenSampleVListWidget",
        "Vireo::Widgets::ScreenHeaderListWidget", "Vireo::Widgets::LayerBaseSampleVListWidget",
        "Vireo::Widgets::InputDetailVListWidget", "Vireo::Widgets::OutputDetailVListWidget"};
    QCOMPARE(names, expected);
}

void TestDesignerPlugin::createsEveryWidget_data()
{
    QTest::addColumn<QString>("name");
    QVERIFY(m_collection);
    for (auto* entry : m_collection->customWidgets())
        QTest::newRow(qPrintable(entry->name())) << entry->name();
}

void TestDesignerPlugin::createsEveryWidget()
{
    QFETCH(QString, name);
    QDesignerCustomWidgetInterface* entry = findEntry(m_collection, name);
    QVERIFY(entry);
    entry->initialize(nullptr);
    QVERIFY(entry->isInitialized());
    QVERIFY(!entry->isContainer());
    QVERIFY(!entry->toolTip().isEmpty());
    QVERIFY(!entry->whatsThis().isEmpty());
    QVERIFY(!entry->icon().isNull());
    QVERIFY(!entry->icon().pixmap(22, 22).isNull());

    // The form's generated code includes this header: it must be the one that declares the class.
    const QString header = QStringLiteral(VIREO_WIDGETS_INCLUDE_ROOT "/") + entry->includeFile();
    QVERIFY2(QFileInfo::exists(header), qPrintable(header));

    // Designer reads the widget's class, object name and size from its XML.
    QXmlStreamReader xml(entry->domXml());
    QString widgetClass;
    QString objectName;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("widget") &&
            widgetClass.isEmpty()) {
            widgetClass = xml.attributes().value(QStringLiteral("class")).toString();
            objectName = xml.attributes().value(QStringLiteral("name")).toString();
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(widgetClass, name);
    QVERIFY(!objectName.isEmpty());
    QVERIFY(objectName.at(0).isLower());

    QWidget form;
    form.resize(640, 480);
    QWidget* widget = entry->createWidget(&form);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), &form);
    QVERIFY(!widget->isWindow());
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), name);
    // A widget fresh in a form, with no device behind it, shows and paints without trouble.
    form.show();
    widget->show();
    QVERIFY(!widget->grab().isNull());
    QFile file(header);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray declaration =
        "class VIREOWIDGETS_EXPORT " + name.section(QLatin1String("::"), -1).toLatin1() + " ";
    QVERIFY2(file.readAll().contains(declaration), qPrintable(header));
}

QTEST_MAIN(TestDesignerPlugin)
#include "tst_designerplugin.moc"
