// The looks a host's style sheet gives the resource lists' buttons through their dynamic
// properties, across rebuilds: a property that a rebuild changes reaches the style at once, and a
// rebuild that changes nothing leaves the look (and the labels' palettes and fonts) alone.

#include "common/testsupport.h"

#include <vireowidgets/resources/inputdetailvlistwidget.h>
#include <vireowidgets/resources/layerbasesamplevlistwidget.h>
#include <vireowidgets/resources/outputdetailvlistwidget.h>
#include <vireowidgets/resources/screenheaderlistwidget.h>

#include <vireomodel/fixture.h>
#include <vireomodel/vireomodel.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include <functional>
#include <memory>

using namespace Vireo::BizModel;
using namespace Vireo::Widgets;
using Vireo::Test::labelWith;

namespace {

Device* device()
{
    return Vireo::Fixture::activeDevice();
}

std::weak_ptr<Device> weakDevice()
{
    return device()->weak_from_this();
}

// One list under test: how it is filled, which label of its first button is watched, and the
// model change that a rebuild must bring to that label's look.
struct Scenario
{
    std::function<NaviSliderFrame*(QWidget* host)> make;
    std::function<void(NaviSliderFrame* list)> rebuild;
    std::function<QLabel*(QAbstractButton* button)> label;
    std::function<void(bool changed)> change; // true: the changed model, false: back to the first state
};

Scenario inputScenario(const char* labelProperty)
{
    auto input = std::make_shared<Input*>(nullptr);
    Scenario s;
    s.make = [input](QWidget* host) {
        *input = &device()->addInput(
            3, Vireo::ProtoModel::s_InterfaceID {0, 3, 0}, Enum::Interface::HDMI_1_4, QStringLiteral("Camera"));
        (*input)->setSignal(QSize(1920, 1080), 60.f, false);
        (*input)->setActive(false);
        return new InputDetailVListWidget(host);
    };
    s.rebuild = [](NaviSliderFrame* list) { static_cast<InputListWidget*>(list)->initListWidgetItem(weakDevice()); };
    s.label = [labelProperty](QAbstractButton* button) { return labelWith(button, labelProperty); };
    s.change = [input](bool changed) { (*input)->setActive(changed); };
    return s;
}

Scenario outputScenario(const char* labelProperty)
{
    auto output = std::make_shared<Output*>(nullptr);
    Scenario s;
    s.make = [output](QWidget* host) {
        *output = &device()->addOutput(2, Enum::Interface::MainOutput, Vireo::ProtoModel::s_InterfaceID {1, 2, 0},
            Enum::Interface::HDMI_1_4, QStringLiteral("Out 3"));
        (*output)->setPresetTiming(QSize(1920, 1080), 60.f, false);
        (*output)->setActive(false);
        return new OutputDetailVListWidget(host);
    };
    s.rebuild = [](NaviSliderFrame* list) {
        static_cast<OutputListWidget*>(list)->initListWidgetItem(weakDevice(), ItemAllOutput, AllOutput);
    };
    s.label = [labelProperty](QAbstractButton* button) { return labelWith(button, labelProperty); };
    s.change = [output](bool changed) { (*output)->setActive(changed); };
    return s;
}

Scenario layerScenario()
{
    auto layer = std::make_shared<Layer*>(nullptr);
    auto screen = std::make_shared<std::weak_ptr<Screen>>();
    Scenario s;
    s.make = [layer, screen](QWidget* host) {
        Screen& added = device()->addScreen(Enum::Screen::RegularScreen, 1, QStringLiteral("Screen 1"));
        *screen = added.weak_from_this();
        *layer = &added.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 1, QStringLiteral("A"));
        added.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 2, QStringLiteral("B"));
        return new LayerBaseSampleVListWidget(host);
    };
    s.rebuild = [screen](NaviSliderFrame* list) {
        static_cast<LayerBaseListWidget*>(list)->initListWidgetItem(weakDevice(), *screen, Enum::Layer::PGM);
    };
    s.label = [](QAbstractButton* button) { return button->findChild<QLabel*>(); };
    s.change = [layer](bool changed) { (*layer)->setSelected(changed); };
    return s;
}

Scenario headerScenario()
{
    auto screen = std::make_shared<std::weak_ptr<Screen>>();
    Scenario s;
    s.make = [screen](QWidget* host) {
        *screen = device()->addScreen(Enum::Screen::RegularScreen, 1, QStringLiteral("S1")).weak_from_this();
        device()->addScreen(Enum::Screen::RegularScreen, 2, QStringLiteral("S2"));
        return new ScreenHeaderListWidget(host);
    };
    s.rebuild = [](NaviSliderFrame* list) {
        static_cast<ScreenHeaderListWidget*>(list)->initListWidgetItem(
            weakDevice(), Enum::Screen::RegularScreen, true, false);
    };
    s.label = [](QAbstractButton* button) { return button->findChild<QLabel*>(QStringLiteral("ScreenName")); };
    s.change = [screen](bool changed) {
        device()->setSelectedScreens(
            changed ? QList<std::weak_ptr<Screen>> {*screen} : QList<std::weak_ptr<Screen>> {});
    };
    return s;
}

// What the sheet decides for a label: its text colour and its font's pixel size.
QString lookOf(const QLabel* label)
{
    return QStringLiteral("%1 %2px")
        .arg(label->palette().color(QPalette::WindowText).name())
        .arg(label->font().pixelSize());
}

// Counts the palette and font changes a label goes through: a re-polish under a style sheet resets
// both and sets them again.
class RestyleCounter : public QObject
{
public:
    explicit RestyleCounter(QWidget* watched) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

Q_DECLARE_METATYPE(Scenario)

class tst_ListLooks : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rebuildCarriesTheLook_data();
    void rebuildCarriesTheLook();
};

void tst_ListLooks::init()
{
    Vireo::Fixture::reset();
    Vireo::Fixture::makeActiveDevice();
}

void tst_ListLooks::cleanup()
{
    Vireo::Fixture::reset();
}

void tst_ListLooks::rebuildCarriesTheLook_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("input name, signal arrives")
        << inputScenario("isInterfaceName")
        << "QLabel[isInterfaceName=\"true\"] { color: #800000; font-size: 11px; }"
           "QLabel[isInterfaceName=\"true\"][isHasSignal=\"true\"] { color: #008000; font-size: 15px; }"
        << "#800000 11px"
        << "#008000 15px";
    QTest::newRow("input signal text, signal arrives")
        << inputScenario("isInterfaceRadio")
        << "QLabel[isSignalStatus=\"unSignal\"] { color: #ff0000; font-size: 10px; }"
           "QLabel[isSignalStatus=\"signal\"] { color: #00ff00; font-size: 12px; }"
        << "#ff0000 10px"
        << "#00ff00 12px";
    QTest::newRow("output name, output active")
        << outputScenario("isInterfaceName")
        << "QLabel[isInterfaceName=\"true\"] { color: #800000; font-size: 11px; }"
           "QLabel[isOutputNameActvied=\"true\"] { color: #008000; font-size: 14px; }"
        << "#800000 11px"
        << "#008000 14px";
    QTest::newRow("output timing, output active")
        << outputScenario("isInterfaceRadio")
        << "QLabel[isInterfaceRadio=\"true\"] { color: #000080; font-size: 9px; }"
           "QLabel[isOutputRadioActvied=\"true\"] { color: #808000; font-size: 13px; }"
        << "#000080 9px"
        << "#808000 13px";
    QTest::newRow("layer name, layer selected") << layerScenario()
                                                << "QLabel[isChecked=\"false\"] { color: #400000; font-size: 10px; }"
                                                   "QLabel[isChecked=\"true\"] { color: #004000; font-size: 16px; }"
                                                << "#400000 10px"
                                                << "#004000 16px";
    QTest::newRow("header tab name, screen selected")
        << headerScenario()
        << "QLabel#ScreenName { color: #202020; font-size: 10px; }"
           "QLabel#ScreenName[isChecked=\"true\"] { color: #f0f0f0; font-size: 12px; }"
        << "#202020 10px"
        << "#f0f0f0 12px";
}

void tst_ListLooks::rebuildCarriesTheLook()
{
    QFETCH(Scenario, scenario);
    QFETCH(QString, sheet);
    QFETCH(QString, before);
    QFETCH(QString, after);

    const Scenario& s = scenario;
    QWidget host;
    host.setStyleSheet(sheet);
    NaviSliderFrame* list = s.make(&host);
    list->resize(600, 400);
    host.show();
    s.rebuild(list);
    QAbstractButton* button = list->getContentButtons().value(0);
    QVERIFY(button);
    QLabel* label = s.label(button);
    QVERIFY(label);
    QTRY_COMPARE(lookOf(label), before);
    // What the first build deferred runs now.
    QCoreApplication::processEvents();

    // Unchanged rebuilds keep the look, and the label is not styled again.
    auto unchangedRebuildsKeep = [&](const QString& look, int rebuilds) {
        RestyleCounter restyles(label);
        for (int i = 0; i < rebuilds; ++i)
            s.rebuild(list);
        QCoreApplication::processEvents();
        QCOMPARE(lookOf(label), look);
        QCOMPARE(restyles.count, 0);
    };
    unchangedRebuildsKeep(before, 2);

    // The same button, rebound by the rebuild, shows the new look once the event loop has run.
    s.change(true);
    s.rebuild(list);
    QCOMPARE(list->getContentButtons().value(0), button);
    QTRY_COMPARE(lookOf(label), after);
    unchangedRebuildsKeep(after, 1);

    // Back to the first state: the old look returns.
    s.change(false);
    s.rebuild(list);
    QTRY_COMPARE(lookOf(label), before);
}

QTEST_MAIN(tst_ListLooks)
#include "tst_listlooks.moc"
