#include "common/testsupport.h"

#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/resources/layerbasesamplevlistwidget.h>

#include <vireomodel/devicelist.h>
#include <vireomodel/fixture.h>
#include <vireomodel/modelcontrol.h>

#include <QButtonGroup>
#include <QDrag>
#include <QLayout>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace Vireo::BizModel;
using Vireo::Test::sendMouse;
using Vireo::Widgets::LayerBaseListContentButton;
using Vireo::Widgets::LayerBaseListWidget;
using Vireo::Widgets::LayerBaseSampleContentButton;
using Vireo::Widgets::LayerBaseSampleVListWidget;
using Vireo::Widgets::QWrapLabel;
namespace Fixture = Vireo::Fixture;
namespace LayerEnum = Enum::Layer;

namespace {

// The buttons of the strip as the user sees them, top to bottom.
QList<LayerBaseListContentButton*> shownButtons(LayerBaseListWidget& list)
{
    QList<LayerBaseListContentButton*> out;
    const QList<QAbstractButton*> inGroup = list.getContentButtons();
    if (inGroup.isEmpty())
        return out;
    QLayout* strip = inGroup.first()->parentWidget()->layout();
    for (int i = 0; i < strip->count(); ++i) {
        auto* button = qobject_cast<LayerBaseListContentButton*>(strip->itemAt(i)->widget());
        if (button && inGroup.contains(button))
            out.append(button);
    }
    return out;
}

QString nameOf(LayerBaseListContentButton* button)
{
    auto* label = button->findChild<QWrapLabel*>();
    return label ? label->getText() : QStringLiteral("<no label>");
}

QStringList names(LayerBaseListWidget& list)
{
    QStringList out;
    for (auto* button : shownButtons(list))
        out.append(nameOf(button));
    return out;
}

QStringList checkedNames(LayerBaseListWidget& list)
{
    QStringList out;
    for (auto* button : shownButtons(list)) {
        if (button->isChecked())
            out.append(nameOf(button));
    }
    return out;
}

const QPoint Centre(80, 40);
constexpr bool Shown = true;

// A sample list of the programme layers, built at once for a screen or for the multiviewers,
// shown first when asked.
struct SampleList : LayerBaseSampleVListWidget
{
    template <typename ScreenPointer>
    explicit SampleList(const ScreenPointer& screen, bool shown = false)
    {
        if (shown)
            show();
        initListWidgetItem(Fixture::activeDevice()->weak_from_this(), screen, LayerEnum::PGM);
    }
};

std::weak_ptr<MVRScreen> mvrOf(Screen& screen)
{
    return std::dynamic_pointer_cast<MVRScreen>(screen.shared_from_this());
}

void press(QWidget* button)
{
    sendMouse(button, QEvent::MouseButtonPress, Centre, Qt::LeftButton, Qt::LeftButton);
}

void release(QWidget* button, const QPoint& pos = Centre)
{
    sendMouse(button, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}

void moveOver(QWidget* list)
{
    sendMouse(list, QEvent::MouseMove, QPoint(-20, 10), Qt::NoButton, Qt::LeftButton);
}

Fixture::CommandEntry layerSelected(int screenId, const QVariantList& layerIds)
{
    return {QStringLiteral("Layer::setSelected"), {screenId, QVariant(layerIds), int(Enum::Cover), true}};
}

void compareLog(const QList<Fixture::CommandEntry>& expected)
{
    const auto log = Fixture::commandLog();
    QCOMPARE(log.size(), expected.size());
    for (int i = 0; i < log.size(); ++i) {
        QCOMPARE(log.at(i).command, expected.at(i).command);
        QCOMPARE(log.at(i).args, expected.at(i).args);
    }
}

} // namespace

class tst_LayerList : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void ordering_data();
    void ordering();
    void sampleButtonLook();
    void selectionFromRebuild();
    void selectionFromModel();
    void selectionForAnotherScreenUnchecksAll();

    void rebuildReusesButtons();
    void unchangedRebuildCreatesNoWidget();
    void fewerLayersHideAndEmptySurplus();
    void expiredDeviceOrScreenHidesAll_data();
    void expiredDeviceOrScreenHidesAll();

    void pressAndReleaseSelect_data();
    void pressAndReleaseSelect();
    void liveSelectionRoundTrip();
    void regularAndCutLayerOfOneNumberAreNotConfused();
    void releaseOffTheButtonClicksOnce_data();
    void releaseOffTheButtonClicksOnce();
    void rebindBetweenPressAndReleaseSelectsNothing_data();
    void rebindBetweenPressAndReleaseSelectsNothing();
    void vanishingBetweenPressMoveRelease_data();
    void vanishingBetweenPressMoveRelease();

    void addPlacesNewAndRefreshesShownLayers();
    void addRefusesWhatTheRebuildRefuses_data();
    void addRefusesWhatTheRebuildRefuses();
    void addWarnings_data();
    void addWarnings();
    void removeHidesTheButton();
    void removeCheckedLayerChecksNoOther();

    void multiViewerForm();
    void multiViewerClickSelects();
    void formsShareButtonsWithoutDoubleConnections();

private:
    // The regular screen every test starts with; the device keeps it.
    Screen& screen() const { return *m_screen.lock(); }

    Device* m_device = nullptr;
    std::weak_ptr<Device> m_weakDevice;
    std::weak_ptr<Screen> m_screen;
};

void tst_LayerList::init()
{
    Fixture::reset();
    m_weakDevice = Fixture::makeActiveDevice();
    m_device = Fixture::activeDevice();
    Screen& screen = m_device->addScreen(Enum::Screen::RegularScreen, 1, QStringLiteral("Screen 1"));
    m_screen = screen.weak_from_this();
}

void tst_LayerList::cleanup()
{
    Fixture::reset();
    m_device = nullptr;
}

void tst_LayerList::ordering_data()
{
    QTest::addColumn<int>("scenario");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("display order") << 0 << QStringList {"A", "B", "C"};
    QTest::newRow("enabled cut after its fill") << 1 << QStringList {"A", "Fill-B", "Cut-Cut B", "C"};
    QTest::newRow("disabled cut not listed") << 2 << QStringList {"A", "Fill-B", "C"};
    QTest::newRow("other scene, BKG and logo not listed") << 3 << QStringList {"A", "AUX", "MVR"};
}

void tst_LayerList::ordering()
{
    QFETCH(int, scenario);
    QFETCH(QStringList, expected);

    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "A");
    switch (scenario) {
    case 0:
    case 1:
    case 2: {
        Layer& b = screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 2, "B");
        screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 3, "C");
        if (scenario > 0)
            screen().addCutLayer(b, 10, scenario == 1);
        break;
    }
    case 3:
        screen().addLayer(LayerEnum::PVW, LayerEnum::Regular, 2, "preview");
        screen().addLayer(LayerEnum::PGM, LayerEnum::BKG, 3, "background");
        screen().addLayer(LayerEnum::PGM, LayerEnum::AUX, 4, "AUX");
        screen().addLayer(LayerEnum::PGM, LayerEnum::Logo, 5, "logo");
        screen().addLayer(LayerEnum::PGM, LayerEnum::MVR, 6, "MVR");
        break;
    }

    SampleList list(m_screen);
    QCOMPARE(names(list), expected);
    QCOMPARE(list.currentSceneType(), LayerEnum::PGM);
    QVERIFY(!list.isMultiViewerForm());
}

void tst_LayerList::sampleButtonLook()
{
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "A");
    const QString longName = QStringLiteral("A very long layer name that never fits the button");
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 2, longName);
    SampleList list(m_screen);
    auto* button = qobject_cast<LayerBaseSampleContentButton*>(shownButtons(list).value(0));
    QVERIFY(button);
    QCOMPARE(button->sizeHint(), QSize(160, 80));
    QCOMPARE(button->size(), QSize(160, 80));
    QVERIFY(button->isCheckable());
    QCOMPARE(button->property("navigationbarlistindexes").toBool(), true);
    QCOMPARE(button->toolTip(), QStringLiteral("A"));

    auto* label = button->findChild<QWrapLabel*>();
    QCOMPARE(label->property("isChecked").toBool(), false);
    button->setChecked(true);
    QCOMPARE(label->property("isChecked").toBool(), true);
    QCOMPARE(list.orientation(), Qt::Vertical);

    // A long name is cut with an ellipsis; the tool tip has it whole.
    auto* longButton = shownButtons(list).value(1);
    QVERIFY(nameOf(longButton).endsWith(QChar(0x2026)));
    QVERIFY(nameOf(longButton).size() < longName.size());
    QCOMPARE(longButton->toolTip(), longName);
}

void tst_LayerList::selectionFromRebuild()
{
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "A").setSelected(true);
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 2, "B");
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 3, "C").setSelected(true);
    screen().addLayer(LayerEnum::PVW, LayerEnum::Regular, 4, "D").setSelected(true);

    LayerBaseSampleVListWidget list;
    QSignalSpy toggled(&list, &LayerBaseListWidget::itemToggled);
    list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    QCOMPARE(checkedNames(list), QStringList({"A", "C"}));
    // The rebuild shows the model; it reports nothing back.
    QCOMPARE(toggled.count(), 0);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_LayerList::selectionFromModel()
{
    Layer& a = screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "A");
    Layer& b = screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 2, "B");
    Layer& c = screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 3, "C");
    a.setSelected(true);

    SampleList list(m_screen);
    QCOMPARE(checkedNames(list), QStringList({"A"}));

    a.setSelected(false);
    b.setSelected(true);
    c.setSelected(true);
    list.selectedLayerBaseFromModel(m_screen, {});
    QCOMPARE(checkedNames(list), QStringList({"B", "C"}));
    QVERIFY(Fixture::commandLog().isEmpty());

    // Set afresh: every button is unchecked, then the listed ones are checked, in their order.
    const QList<LayerBaseListContentButton*> buttons = shownButtons(list);
    QSignalSpy toggled(&list, &LayerBaseListWidget::itemToggled);
    list.setSelectedButton({buttons.at(2), buttons.at(0)}, true);
    QStringList reports;
    for (const QList<QVariant>& report : toggled)
        reports << nameOf(qobject_cast<LayerBaseListContentButton*>(report.at(0).value<QToolButton*>())) +
                (report.at(1).toBool() ? QStringLiteral(" on") : QStringLiteral(" off"));
    QCOMPARE(reports, QStringList({"B off", "C off", "C on", "A on"}));
    QCOMPARE(checkedNames(list), QStringList({"A", "C"}));
}

void tst_LayerList::selectionForAnotherScreenUnchecksAll()
{
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "A").setSelected(true);
    Screen& other = m_device->addScreen(Enum::Screen::RegularScreen, 2, "Screen 2");
    other.addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "other").setSelected(true);

    SampleList list(m_screen);
    QCOMPARE(checkedNames(list), QStringList({"A"}));
    list.selectedLayerBaseFromModel(other.weak_from_this(), {});
    QCOMPARE(checkedNames(list), QStringList());
    list.selectedLayerBaseFromModel(std::weak_ptr<Screen>(), {});
    QCOMPARE(checkedNames(list), QStringList());
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_LayerList::rebuildReusesButtons()
{
    for (int i = 1; i <= 3; ++i)
        screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, quint8(i), QStringLiteral("L%1").arg(i));
    SampleList list(m_screen);
    const auto before = shownButtons(list);

    // The first layer goes, a new one comes at the end: same three widgets, new order of names.
    screen().removeLayer(LayerEnum::PGM, 1);
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 4, "L4");
    list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    QCOMPARE(names(list), QStringList({"L2", "L3", "L4"}));
    QCOMPARE(list.findChildren<LayerBaseListContentButton*>().size(), 3);
    QCOMPARE(shownButtons(list), before);
}

void tst_LayerList::unchangedRebuildCreatesNoWidget()
{
    for (int i = 1; i <= 200; ++i) {
        Layer& layer = screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, quint8(i), QStringLiteral("L%1").arg(i));
        if (i % 50 == 0)
            screen().addCutLayer(layer, quint8(200 + i / 50), true);
    }
    SampleList list(m_screen);
    const auto before = shownButtons(list);
    const QStringList namesBefore = names(list);
    QCOMPARE(before.size(), screen().layers(LayerEnum::PGM, LayerEnum::AllLayerType).size());

    list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    QCOMPARE(list.findChildren<LayerBaseListContentButton*>().size(), before.size());
    QCOMPARE(shownButtons(list), before);
    QCOMPARE(names(list), namesBefore);
    QCOMPARE(list.hiddenContentButtonCount(), 0);
}

void tst_LayerList::fewerLayersHideAndEmptySurplus()
{
    for (int i = 1; i <= 4; ++i)
        screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, quint8(i), QStringLiteral("L%1").arg(i));
    SampleList list(m_screen);
    const auto all = shownButtons(list);

    screen().removeLayer(LayerEnum::PGM, 3);
    screen().removeLayer(LayerEnum::PGM, 4);
    list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    QCOMPARE(names(list), QStringList({"L1", "L2"}));
    QCOMPARE(list.hiddenContentButtonCount(), 2);
    for (auto* surplus : {all.at(2), all.at(3)}) {
        QVERIFY(surplus->isHidden());
        QCOMPARE(nameOf(surplus), QString());
        QCOMPARE(surplus->toolTip(), QString());
        QCOMPARE(surplus->layerBaseKeyNo(), quint8(255));
        QCOMPARE(surplus->layerBaseKeyType(), LayerEnum::LayerType::Invalid);
    }

    // More layers again: the hidden buttons come back before any new one is made.
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 5, "L5");
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 6, "L6");
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 7, "L7");
    list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    QCOMPARE(names(list), QStringList({"L1", "L2", "L5", "L6", "L7"}));
    QCOMPARE(list.findChildren<LayerBaseListContentButton*>().size(), 5);
    QCOMPARE(list.hiddenContentButtonCount(), 0);
}

void tst_LayerList::expiredDeviceOrScreenHidesAll_data()
{
    QTest::addColumn<bool>("removeDevice");
    QTest::newRow("device gone") << true;
    QTest::newRow("screen gone") << false;
}

void tst_LayerList::expiredDeviceOrScreenHidesAll()
{
    QFETCH(bool, removeDevice);
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "A");
    SampleList list(m_screen);
    QCOMPARE(list.itemCount(), 1);

    if (removeDevice)
        QVERIFY(Fixture::removeActiveDevice());
    else
        QVERIFY(m_device->removeScreen(Enum::Screen::RegularScreen, 1));
    list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    QCOMPARE(list.itemCount(), 0);
    QCOMPARE(list.hiddenContentButtonCount(), 1);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_LayerList::pressAndReleaseSelect_data()
{
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("released");
    QTest::addColumn<int>("moveHeld"); // the buttons held by a move out of the strip in between; 0: no move
    QTest::addColumn<bool>("selects");
    const int left = Qt::LeftButton;
    QTest::newRow("press 3, release 3") << 0 << 0 << 0 << true;
    QTest::newRow("press 3, release 5") << 0 << 1 << 0 << false;
    QTest::newRow("press 5, release 3") << 1 << 0 << 0 << false;
    QTest::newRow("press 3, move out, release 3: cancelled") << 0 << 0 << left << false;
    QTest::newRow("press 3, right-button move, release 3") << 0 << 0 << int(left | Qt::RightButton) << true;
}

void tst_LayerList::pressAndReleaseSelect()
{
    QFETCH(int, pressed);
    QFETCH(int, released);
    QFETCH(int, moveHeld);
    QFETCH(bool, selects);

    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 3, "three");
    screen().addLayer(LayerEnum::PGM, LayerEnum::AUX, 5, "five");
    SampleList list(m_screen, Shown);
    const auto buttons = shownButtons(list);
    const int ids[] = {3, 5};

    press(buttons.at(pressed));
    if (moveHeld)
        sendMouse(&list, QEvent::MouseMove, QPoint(-20, 10), Qt::NoButton, Qt::MouseButtons(moveHeld));
    release(buttons.at(released));
    if (selects)
        compareLog({layerSelected(1, {ids[released]})});
    else
        QVERIFY(Fixture::commandLog().isEmpty());
    QVERIFY(list.findChildren<QDrag*>().isEmpty());
}

void tst_LayerList::liveSelectionRoundTrip()
{
    Fixture::setLiveMode(true);
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 3, "three").setSelected(true);
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 5, "five").setSelected(true);
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 7, "seven");
    LayerBaseSampleVListWidget list;
    list.show();
    // As a host does: the model's selection notifications come back to the list.
    connect(m_device, &Device::signalLayerSelectionChanged, &list,
        [&list](std::weak_ptr<Screen> changed) { list.selectedLayerBaseFromModel(changed, {}); });
    list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    QCOMPARE(checkedNames(list), QStringList({"three", "five"}));

    QTest::mouseClick(shownButtons(list).at(2), Qt::LeftButton, Qt::NoModifier, Centre);
    compareLog({layerSelected(1, {7})});
    QCOMPARE(checkedNames(list), QStringList({"seven"}));
    // Clicking a selected layer keeps it selected: the device answers with the same selection.
    QTest::mouseClick(shownButtons(list).at(2), Qt::LeftButton, Qt::NoModifier, Centre);
    QCOMPARE(checkedNames(list), QStringList({"seven"}));
}

void tst_LayerList::regularAndCutLayerOfOneNumberAreNotConfused()
{
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 3, "regular");
    // A cut layer numbered like the regular one, reported by the model.
    auto cut = std::make_shared<Layer>(m_screen, LayerEnum::PGM, LayerEnum::Cut, 3);
    cut->setName("cut");
    cut->setCutLayerEnable(true);

    SampleList list(m_screen, Shown);
    list.addLayerBaseFromModel(m_screen, cut);
    const auto buttons = shownButtons(list);
    QCOMPARE(names(list), QStringList({"regular", "Cut-cut"}));
    QCOMPARE(list.findContentButton(3, LayerEnum::Regular), buttons.at(0));
    QCOMPARE(list.findContentButton(3, LayerEnum::Cut), buttons.at(1));

    press(buttons.at(0));
    release(buttons.at(1));
    press(buttons.at(1));
    release(buttons.at(0));
    QVERIFY(Fixture::commandLog().isEmpty());

    press(buttons.at(1));
    release(buttons.at(1));
    compareLog({layerSelected(1, {3})});
}

void tst_LayerList::releaseOffTheButtonClicksOnce_data()
{
    QTest::addColumn<bool>("multiViewer");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::newRow("multiviewer, on the button") << true << Centre;
    QTest::newRow("multiviewer, a few pixels right") << true << QPoint(165, 40);
    QTest::newRow("multiviewer, a few pixels above") << true << QPoint(80, -4);
    QTest::newRow("screen, a few pixels right") << false << QPoint(165, 40);
    QTest::newRow("screen, far below") << false << QPoint(80, 400);
}

// A finger slides easily on the touch panel: the release selects wherever it lands, and one press
// and release is one selection.
void tst_LayerList::releaseOffTheButtonClicksOnce()
{
    QFETCH(bool, multiViewer);
    QFETCH(QPoint, releaseAt);
    Screen& mvr = m_device->addScreen(Enum::Screen::MVRScreen, 1, "MVR 1");
    mvr.addLayer(LayerEnum::PGM, LayerEnum::MVR, 1, "window");
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 2, "two");
    LayerBaseSampleVListWidget list;
    list.show();
    if (multiViewer)
        list.initListWidgetItem(m_weakDevice, mvrOf(mvr), LayerEnum::PGM);
    else
        list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    auto* button = shownButtons(list).at(0);
    QSignalSpy released(button, &LayerBaseListContentButton::layerBaseReleased);
    QSignalSpy clicked(button, &LayerBaseListContentButton::layerBaseClicked);
    press(button);
    release(button, releaseAt);
    QCOMPARE(released.count(), 1);
    QCOMPARE(clicked.count(), 1);
    compareLog({layerSelected(1, {multiViewer ? 1 : 2})});
}

void tst_LayerList::rebindBetweenPressAndReleaseSelectsNothing_data()
{
    QTest::addColumn<bool>("multiViewer");
    QTest::newRow("screen form: the host shows another screen") << false;
    QTest::newRow("multiviewer form: the pressed layer's screen is removed") << true;
}

// The button pressed is given another layer of the same number before the release: nothing is
// selected, since the operator never touched that layer.
void tst_LayerList::rebindBetweenPressAndReleaseSelectsNothing()
{
    QFETCH(bool, multiViewer);
    Screen& second = m_device->addScreen(Enum::Screen::RegularScreen, 2, "Screen 2");
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "first's");
    second.addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "second's");
    Screen& mvr1 = m_device->addScreen(Enum::Screen::MVRScreen, 1, "MVR 1");
    Screen& mvr2 = m_device->addScreen(Enum::Screen::MVRScreen, 2, "MVR 2");
    mvr1.addLayer(LayerEnum::PGM, LayerEnum::MVR, 1, "m1");
    mvr2.addLayer(LayerEnum::PGM, LayerEnum::MVR, 1, "m2");
    const auto mvr2Weak = mvrOf(mvr2);

    LayerBaseSampleVListWidget list;
    list.show();
    if (multiViewer)
        list.initListWidgetItem(m_weakDevice, mvrOf(mvr1), LayerEnum::PGM);
    else
        list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    auto* button = shownButtons(list).at(0);
    press(button);
    if (multiViewer) {
        QVERIFY(m_device->removeScreen(Enum::Screen::MVRScreen, 1));
        list.initListWidgetItem(m_weakDevice, mvr2Weak, LayerEnum::PGM);
    } else {
        list.initListWidgetItem(m_weakDevice, second.weak_from_this(), LayerEnum::PGM);
    }
    QCOMPARE(shownButtons(list).at(0), button);
    QCOMPARE(nameOf(button), multiViewer ? QStringLiteral("m2") : QStringLiteral("second's"));
    release(button);
    QVERIFY(Fixture::commandLog().isEmpty());

    // The next press and release on that button selects what it shows now.
    press(button);
    release(button);
    compareLog({layerSelected(2, {1})});
}

void tst_LayerList::vanishingBetweenPressMoveRelease_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("moveAfter");
    QTest::newRow("layer before release") << "layer" << false;
    QTest::newRow("screen before release") << "screen" << false;
    QTest::newRow("device before release") << "device" << false;
    QTest::newRow("layer before move") << "layer" << true;
    QTest::newRow("screen before move") << "screen" << true;
    QTest::newRow("device before move") << "device" << true;
}

void tst_LayerList::vanishingBetweenPressMoveRelease()
{
    QFETCH(QString, what);
    QFETCH(bool, moveAfter);

    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 3, "three");
    SampleList list(m_screen, Shown);
    QPointer<LayerBaseListContentButton> button = shownButtons(list).at(0);

    press(button);
    if (what == "layer")
        QVERIFY(screen().removeLayer(LayerEnum::PGM, 3));
    else if (what == "screen")
        QVERIFY(m_device->removeScreen(Enum::Screen::RegularScreen, 1));
    else
        QVERIFY(Fixture::removeActiveDevice());

    if (moveAfter) {
        if (what == "device")
            QTest::ignoreMessage(QtWarningMsg, "device model is nullptr.");
        moveOver(&list);
    }
    QVERIFY(button);
    release(button);
    QVERIFY(Fixture::commandLog().isEmpty());
    QVERIFY(list.findChildren<QDrag*>().isEmpty());
    QCOMPARE(list.itemCount(), 1); // until the host reports the change
}

void tst_LayerList::addPlacesNewAndRefreshesShownLayers()
{
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "A");
    Layer& b = screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 2, "B");
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 3, "C");
    SampleList list(m_screen);
    QCOMPARE(names(list), QStringList({"A", "B", "C"}));

    screen().addCutLayer(b, 9, true);
    list.addLayerBaseFromModel(m_screen, screen().findLayer(LayerEnum::PGM, 9));
    QCOMPARE(names(list).at(2), QStringLiteral("Cut-Cut B"));
    QCOMPARE(names(list).size(), 4);
    // An added regular layer goes to the end.
    Layer& d = screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 4, "D");
    list.addLayerBaseFromModel(m_screen, screen().findLayer(LayerEnum::PGM, d.layerId()));
    QCOMPARE(names(list), QStringList({"A", "B", "Cut-Cut B", "C", "D"}));

    // A layer the list shows already: its button shows the model again, no second one is made.
    screen().findLayer(LayerEnum::PGM, 1).lock()->setName("renamed");
    list.addLayerBaseFromModel(m_screen, screen().findLayer(LayerEnum::PGM, 1));
    QCOMPARE(names(list), QStringList({"renamed", "B", "Cut-Cut B", "C", "D"}));
    QCOMPARE(list.findChildren<LayerBaseListContentButton*>().size(), 5);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_LayerList::addRefusesWhatTheRebuildRefuses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("BKG") << "bkg";
    QTest::newRow("logo") << "logo";
    QTest::newRow("other scene") << "scene";
    QTest::newRow("disabled cut layer") << "cut";
    QTest::newRow("owned by a screen of another type") << "owner";
}

void tst_LayerList::addRefusesWhatTheRebuildRefuses()
{
    QFETCH(QString, kind);
    Layer& fill = screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "A");
    SampleList list(m_screen);
    QCOMPARE(list.itemCount(), 1);

    std::shared_ptr<Layer> foreign; // keeps a layer the screen does not own alive
    std::weak_ptr<Layer> added;
    if (kind == "bkg") {
        screen().addLayer(LayerEnum::PGM, LayerEnum::BKG, 2, "bkg");
        added = screen().findLayer(LayerEnum::PGM, 2);
    } else if (kind == "logo") {
        screen().addLayer(LayerEnum::PGM, LayerEnum::Logo, 2, "logo");
        added = screen().findLayer(LayerEnum::PGM, 2);
    } else if (kind == "scene") {
        screen().addLayer(LayerEnum::PVW, LayerEnum::Regular, 2, "pvw");
        added = screen().findLayer(LayerEnum::PVW, 2);
    } else if (kind == "cut") {
        screen().addCutLayer(fill, 2, false);
        added = screen().findLayer(LayerEnum::PGM, 2);
    } else {
        Screen& aux = m_device->addScreen(Enum::Screen::AUXScreen, 5, "AUX");
        foreign = std::make_shared<Layer>(aux.weak_from_this(), LayerEnum::PGM, LayerEnum::Regular, 7);
        added = foreign;
    }
    QVERIFY(!added.expired());

    list.addLayerBaseFromModel(m_screen, added);
    QCOMPARE(list.itemCount(), 1);
    // And the rebuild agrees.
    list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    QCOMPARE(list.itemCount(), 1);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_LayerList::addWarnings_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("warning");
    QTest::newRow("layer gone") << "layer"
                                << "screen is nullptrfalse layer is nullptrtrue current screen is nullptrfalse";
    QTest::newRow("screen gone") << "screen"
                                 << "screen is nullptrtrue layer is nullptrtrue current screen is nullptrtrue";
    QTest::newRow("never initialised") << "uninit"
                                       << "screen is nullptrfalse layer is nullptrfalse current screen is nullptrtrue";
    QTest::newRow("another screen") << "other"
                                    << "Current cache screen is not same as given screen";
}

void tst_LayerList::addWarnings()
{
    QFETCH(QString, what);
    QFETCH(QString, warning);

    auto screen = m_screen.lock();
    screen->addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "A");
    Screen& other = m_device->addScreen(Enum::Screen::RegularScreen, 2, "Screen 2");
    other.addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "other");
    std::weak_ptr<Layer> layer = screen->findLayer(LayerEnum::PGM, 1);
    std::weak_ptr<Screen> given = m_screen;

    LayerBaseSampleVListWidget list;
    if (what != "uninit")
        list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    const int before = list.itemCount();
    screen.reset();
    if (what == "layer") {
        QVERIFY(m_screen.lock()->removeLayer(LayerEnum::PGM, 1));
    } else if (what == "screen") {
        QVERIFY(m_device->removeScreen(Enum::Screen::RegularScreen, 1));
    } else if (what == "other") {
        given = other.weak_from_this();
        layer = other.findLayer(LayerEnum::PGM, 1);
    }

    QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    list.addLayerBaseFromModel(given, layer);
    QCOMPARE(list.itemCount(), before);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_LayerList::removeHidesTheButton()
{
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "A");
    Layer& b = screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 2, "B");
    screen().addCutLayer(b, 9, true);
    SampleList list(m_screen);
    QCOMPARE(names(list), QStringList({"A", "Fill-B", "Cut-Cut B"}));

    // A removal reported for another screen, or for none, changes nothing.
    Screen& other = m_device->addScreen(Enum::Screen::RegularScreen, 2, "Screen 2");
    list.removeLayerBaseFromModel(other.weak_from_this(), screen().findLayer(LayerEnum::PGM, 1));
    list.removeLayerBaseFromModel(std::weak_ptr<Screen>(), screen().findLayer(LayerEnum::PGM, 1));
    QCOMPARE(names(list), QStringList({"A", "Fill-B", "Cut-Cut B"}));

    // Reported after the model dropped the layer (and its cut layer with it).
    std::weak_ptr<Layer> removed = screen().findLayer(LayerEnum::PGM, 2);
    QVERIFY(screen().removeLayer(LayerEnum::PGM, 2));
    QVERIFY(removed.expired());
    list.removeLayerBaseFromModel(m_screen, removed);
    QCOMPARE(names(list), QStringList({"A"}));
    QCOMPARE(list.hiddenContentButtonCount(), 2);
}

void tst_LayerList::removeCheckedLayerChecksNoOther()
{
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 1, "A").setSelected(true);
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 2, "B").setSelected(true);
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 3, "C");
    SampleList list(m_screen);
    QCOMPARE(checkedNames(list), QStringList({"A", "B"}));

    std::weak_ptr<Layer> removed = screen().findLayer(LayerEnum::PGM, 1);
    QVERIFY(screen().removeLayer(LayerEnum::PGM, 1));
    list.removeLayerBaseFromModel(m_screen, removed);
    QCOMPARE(names(list), QStringList({"B", "C"}));
    QCOMPARE(checkedNames(list), QStringList({"B"}));
}

void tst_LayerList::multiViewerForm()
{
    Screen& mvr1 = m_device->addScreen(Enum::Screen::MVRScreen, 1, "MVR 1");
    Screen& mvr2 = m_device->addScreen(Enum::Screen::MVRScreen, 2, "MVR 2");
    mvr1.addLayer(LayerEnum::PGM, LayerEnum::MVR, 1, "m1");
    mvr1.addLayer(LayerEnum::PVW, LayerEnum::MVR, 2, "pvw");
    mvr2.addLayer(LayerEnum::PGM, LayerEnum::MVR, 1, "m2").setSelected(true);
    mvr2.addLayer(LayerEnum::PGM, LayerEnum::MVR, 3, "m3").setSelected(true);
    screen().addLayer(LayerEnum::PGM, LayerEnum::MVR, 4, "regular screen's");

    LayerBaseSampleVListWidget list;
    list.initListWidgetItem(m_weakDevice, mvrOf(mvr2), LayerEnum::PVW);
    QVERIFY(list.isMultiViewerForm());
    QCOMPARE(names(list), QStringList({"m1", "m2", "m3"}));
    QCOMPARE(checkedNames(list), QStringList({"m2", "m3"}));
    // Each button knows its own screen.
    QVERIFY(shownButtons(list).at(0)->screenBase().lock().get() == &mvr1);
    QVERIFY(shownButtons(list).at(1)->screenBase().lock().get() == &mvr2);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_LayerList::multiViewerClickSelects()
{
    Screen& mvr1 = m_device->addScreen(Enum::Screen::MVRScreen, 1, "MVR 1");
    Screen& mvr2 = m_device->addScreen(Enum::Screen::MVRScreen, 2, "MVR 2");
    mvr1.addLayer(LayerEnum::PGM, LayerEnum::MVR, 1, "m1");
    mvr2.addLayer(LayerEnum::PGM, LayerEnum::MVR, 5, "m5");
    SampleList list(mvrOf(mvr1), Shown);
    QCOMPARE(list.currentScreenBase().lock().get(), &mvr1);

    auto* button = shownButtons(list).at(1);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, Centre);
    compareLog({layerSelected(2, {5})});
    QCOMPARE(list.currentScreenBase().lock().get(), &mvr2);
}

void tst_LayerList::formsShareButtonsWithoutDoubleConnections()
{
    Screen& mvr = m_device->addScreen(Enum::Screen::MVRScreen, 1, "MVR 1");
    mvr.addLayer(LayerEnum::PGM, LayerEnum::MVR, 1, "m1");
    mvr.addLayer(LayerEnum::PGM, LayerEnum::MVR, 2, "m2");
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 3, "three");
    screen().addLayer(LayerEnum::PGM, LayerEnum::Regular, 4, "four");
    const auto mvrWeak = mvrOf(mvr);

    LayerBaseSampleVListWidget list;
    list.show();
    // Multiviewer buttons reused by the screen form.
    list.initListWidgetItem(m_weakDevice, mvrWeak, LayerEnum::PGM);
    const auto made = shownButtons(list);
    list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    QCOMPARE(shownButtons(list), made);
    QTest::mouseClick(made.at(1), Qt::LeftButton, Qt::NoModifier, Centre);
    compareLog({layerSelected(1, {4})});

    // Screen buttons, reused and rebuilt again by the screen form, then by the multiviewer form.
    list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    list.initListWidgetItem(m_weakDevice, mvrWeak, LayerEnum::PGM);
    QCOMPARE(shownButtons(list), made);
    Fixture::clearCommandLog();
    QTest::mouseClick(made.at(0), Qt::LeftButton, Qt::NoModifier, Centre);
    compareLog({layerSelected(1, {1})});

    // And back: still one command per click.
    list.initListWidgetItem(m_weakDevice, m_screen, LayerEnum::PGM);
    Fixture::clearCommandLog();
    QTest::mouseClick(made.at(0), Qt::LeftButton, Qt::NoModifier, Centre);
    compareLog({layerSelected(1, {3})});
    QCOMPARE(list.findChildren<LayerBaseListContentButton*>().size(), 2);
}

QTEST_MAIN(tst_LayerList)
#include "tst_layerlist.moc"
