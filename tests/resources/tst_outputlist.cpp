#include "common/testsupport.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/resources/outputdetailvlistwidget.h>

#include <vireomodel/fixture.h>
#include <vireomodel/helper.h>
#include <vireomodel/vireomodel.h>

#include <QDataStream>
#include <QDrag>
#include <QLabel>
#include <QLayout>
#include <QMimeData>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

using namespace Vireo::BizModel;
using namespace Vireo::Widgets;
using Vireo::Test::LogCatcher;

namespace {

// The base list with general buttons in a horizontal strip (backup connectors are listed here).
class GeneralOutputList : public OutputListWidget
{
public:
    GeneralOutputList()
    {
        setOrientation(Qt::Horizontal);
        retranslateUi();
    }
    using OutputListWidget::initListWidgetItem;
    void initListWidgetItem(
        std::weak_ptr<Device> device, int const& outputType, ItemOutputStatus const& status) override
    {
        OutputListWidget::initListWidgetItem(device, outputType, status, GeneralMode);
    }

    // What isItemIniting() said each time a button was made.
    QList<bool> initingAtCreation;

protected:
    OutputListContentButton* createOutputContentButton(
        std::weak_ptr<Device> device, std::weak_ptr<Output> output, QWidget* parent) override
    {
        initingAtCreation.append(isItemIniting());
        return new OutputGeneralContentButton(device, output, parent);
    }
};

Device* device()
{
    return Vireo::Fixture::activeDevice();
}

std::weak_ptr<Device> weakDevice()
{
    return device()->weak_from_this();
}

Output& addOutput(quint32 key, int type = Enum::Interface::MainOutput, int connector = Enum::Interface::HDMI_1_4)
{
    const Vireo::ProtoModel::s_InterfaceID id {int(key / 4) + 1, int(key % 4), 0};
    Output& output = device()->addOutput(key, type, id, connector, QStringLiteral("Out %1").arg(key + 1));
    output.setPresetTiming(QSize(1920, 1080), 60.f, false);
    return output;
}

void useOutput(int screenType, quint8 screenId, quint32 key, const QString& name = QString())
{
    Screen* screen = device()->findScreen(screenType, screenId).lock().get();
    if (!screen)
        screen = &device()->addScreen(screenType, screenId, name.isEmpty() ? QStringLiteral("Screen") : name);
    screen->addOutput(device()->findOutput(key));
}

// A detail list built at once, of every output unless told otherwise.
struct BuiltList : OutputDetailVListWidget
{
    explicit BuiltList(int type = ItemAllOutput, int status = AllOutput)
    {
        initListWidgetItem(weakDevice(), type, ItemOutputStatus(status));
    }
};

// A shown strip of general buttons listing every output.
struct ShownStrip : GeneralOutputList
{
    ShownStrip()
    {
        resize(800, 200);
        initListWidgetItem(weakDevice(), ItemAllOutput, AllOutput);
        show();
    }
};

using Vireo::Test::labelWith;

QLabel* indexLabel(QWidget* button)
{
    return labelWith(button, "isInterfaceKeyNo");
}

QList<OutputListContentButton*> buttonsOf(const OutputListWidget& list)
{
    QList<OutputListContentButton*> out;
    for (QAbstractButton* button : list.getContentButtons())
        out << qobject_cast<OutputListContentButton*>(button);
    return out;
}

// The listed keys, or only those of disabled buttons.
QList<quint32> keysOf(const OutputListWidget& list, bool disabledOnly = false)
{
    QList<quint32> keys;
    for (OutputListContentButton* button : buttonsOf(list)) {
        if (!disabledOnly || !button->isEnabled())
            keys << button->outputKeyNo();
    }
    return keys;
}

// Keys in the order the strip shows them (a single insert places a button without regrouping).
QList<quint32> stripKeysOf(const OutputListWidget& list)
{
    QList<quint32> keys;
    QLayout* layout = list.contentScrollArea()->widget()->layout();
    for (int i = 0; i < layout->count(); ++i) {
        if (auto* button = qobject_cast<OutputListContentButton*>(layout->itemAt(i)->widget()))
            keys << button->outputKeyNo();
    }
    return keys;
}

QList<QDrag*> dragsOf(QWidget& list)
{
    return list.findChildren<QDrag*>(QString(), Qt::FindDirectChildrenOnly);
}

void press(QWidget* button)
{
    Vireo::Test::sendMouse(button, QEvent::MouseButtonPress, button->rect().center(), Qt::LeftButton, Qt::LeftButton);
}

void moveOutLeft(QWidget& list)
{
    Vireo::Test::sendMouse(&list, QEvent::MouseMove, QPoint(-20, 30), Qt::NoButton, Qt::LeftButton);
}

// Presses the button and leaves the strip: the drags the list has made by then.
QList<QDrag*> dragOut(QWidget& list, QWidget* button)
{
    press(button);
    moveOutLeft(list);
    return dragsOf(list);
}

QByteArray hotSpotBytes(const QPoint& point)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << point;
    return bytes;
}

const QString OutputTip = QStringLiteral("No outputs. Please go to Device add an output card first.");

} // namespace

class tst_OutputList : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void filterByScreenUse_data();
    void filterByScreenUse();
    void filterByKind_data();
    void filterByKind();
    void backupConnector();
    void activityLook_data();
    void activityLook();
    void texts();
    void tipAtConstructionAndWhenEmpty();
    void rebuildReusesButtons();
    void rebuildIsNotMarkedAsIniting();

    void insertAtSortedPlace_data();
    void insertAtSortedPlace();
    void insertRefusals();
    void filterByConnectorType();

    void looks();
    void buttonSignals();

    void dragPayload_data();
    void dragPayload();
    void spentPressDragsNothing_data();
    void spentPressDragsNothing();
    void unreportedReleaseLeavesNoPressBehind();
};

void tst_OutputList::init()
{
    Vireo::Fixture::reset();
    Vireo::Fixture::makeActiveDevice();
}

void tst_OutputList::filterByScreenUse_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QList<quint32>>("listed");
    QTest::addColumn<QList<quint32>>("disabled");

    QTest::newRow("all outputs") << int(AllOutput) << QList<quint32> {1, 2, 3, 4} << QList<quint32> {};
    QTest::newRow("no screen used") << int(NoScreenUsed) << QList<quint32> {1, 4} << QList<quint32> {};
    QTest::newRow("screen used disabled")
        << int(ScreenUsedDisabled) << QList<quint32> {1, 2, 3, 4} << QList<quint32> {2, 3};
}

void tst_OutputList::filterByScreenUse()
{
    QFETCH(int, status);
    QFETCH(QList<quint32>, listed);
    QFETCH(QList<quint32>, disabled);

    addOutput(4, Enum::Interface::AUXOutput);
    addOutput(3, Enum::Interface::AUXOutput);
    addOutput(2);
    addOutput(1);
    device()->setOnline(addOutput(5).interfaceFullId(), false); // never listed
    useOutput(Enum::Screen::RegularScreen, 1, 2, QStringLiteral("Main wall"));
    useOutput(Enum::Screen::AUXScreen, 1, 3);

    BuiltList list(ItemAllOutput, status);
    QCOMPARE(keysOf(list), listed);
    QCOMPARE(keysOf(list, true), disabled);
    QVERIFY(!list.isAllowAddOutput(device()->findOutput(5)));
    QVERIFY(list.isAllowAddOutput(device()->findOutput(1)));
    // A used output looks busy and names its screen; a free one does neither.
    if (listed.contains(2)) {
        QCOMPARE(labelWith(list.findWidgetItem(2), "isOutputScreenNameActvied")->text(), QStringLiteral("Main wall"));
        QVERIFY(list.findWidgetItem(2)->property("DeviceItemoutputBusy").toBool());
    }
    QCOMPARE(labelWith(list.findWidgetItem(1), "isOutputScreenNameActvied")->text(), QString());
    QVERIFY(!list.findWidgetItem(1)->property("DeviceItemoutputBusy").toBool());
}

void tst_OutputList::filterByKind_data()
{
    QTest::addColumn<int>("outputType");
    QTest::addColumn<QList<quint32>>("listed");
    QTest::newRow("main") << int(ItemMainOutput) << QList<quint32> {0, 2};
    QTest::newRow("aux") << int(ItemAuxOutput) << QList<quint32> {1};
    QTest::newRow("mvr only") << int(ItemMVROutput) << QList<quint32> {};
    QTest::newRow("all") << int(ItemAllOutput) << QList<quint32> {0, 1, 2};
}

void tst_OutputList::filterByKind()
{
    QFETCH(int, outputType);
    QFETCH(QList<quint32>, listed);

    addOutput(2);
    addOutput(1, Enum::Interface::AUXOutput);
    addOutput(0);
    addOutput(3, Enum::Interface::MVROutput);
    BuiltList list(outputType);
    QCOMPARE(keysOf(list), listed);
}

void tst_OutputList::backupConnector()
{
    addOutput(1);
    Output& backup = addOutput(2);
    device()->setConnector(backup.interfaceFullId(), Enum::Interface::Backup, Enum::Interface::HDMI_1_4);

    BuiltList detail;
    QCOMPARE(keysOf(detail), QList<quint32> {1});

    GeneralOutputList general;
    general.initListWidgetItem(weakDevice(), ItemAllOutput, AllOutput);
    QCOMPARE(keysOf(general), (QList<quint32> {1, 2}));
    OutputListContentButton* button = general.findWidgetItem(2);
    QVERIFY(button->property("DeviceItemoutputBusy").toBool());
    QVERIFY(!button->property("DeviceItemoutput").toBool());
    QVERIFY(!labelWith(button, "isOutputSlotActvied")->isEnabled());
    int holders = 0;
    for (QFrame* frame : button->findChildren<QFrame*>()) {
        if (frame->property("isInterfaceGeneralHolder").toBool()) {
            QVERIFY(!frame->isEnabled());
            ++holders;
        }
    }
    QCOMPARE(holders, 1);
    OutputListContentButton* free = general.findWidgetItem(1);
    QVERIFY(!free->property("DeviceItemoutputBusy").toBool());
    QVERIFY(free->property("DeviceItemoutput").toBool());
}

void tst_OutputList::activityLook_data()
{
    QTest::addColumn<bool>("active");
    QTest::newRow("active") << true;
    QTest::newRow("inactive") << false;
}

void tst_OutputList::activityLook()
{
    QFETCH(bool, active);
    addOutput(5).setActive(active);
    BuiltList list;
    OutputListContentButton* button = list.findWidgetItem(5);
    QVERIFY(button);
    QCOMPARE(button->property("isHasSignal").toBool(), active);
    const char* pairs[][2] = {{"isOutputNameActvied", "isInterfaceName"}, {"isOutputTypeActvied", "isInterfaceType"},
        {"isOutputScreenNameActvied", "isOutputScreenName"}, {"isOutputRadioActvied", "isInterfaceRadio"},
        {"isOutputSlotActvied", "isInterfaceSlot"}};
    for (const auto& pair : pairs) {
        QLabel* label = labelWith(button, active ? pair[0] : pair[1]);
        QVERIFY2(label, pair[0]);
        QCOMPARE(label->property(pair[0]).toBool(), active);
        QCOMPARE(label->property(pair[1]).toBool(), !active);
    }
}

void tst_OutputList::texts()
{
    Output& output = addOutput(0);
    output.setPresetTiming(QSize(3840, 2160), 30.f, true);
    output.setValidTiming(QSize(3840, 2160), 29.97f, true);
    output.setPositionName(QStringLiteral("S1-1"));
    const QString longName = QStringLiteral("An output whose name is far too long for the name column");
    output.setName(longName);
    BuiltList list;
    OutputListContentButton* button = list.findWidgetItem(0);
    QCOMPARE(indexLabel(button)->text(), QStringLiteral("1"));
    QCOMPARE(
        labelWith(button, "isOutputRadioActvied")->text(), Helper::formatFramerate(QSize(3840, 2160), 29.97f, true));
    QCOMPARE(labelWith(button, "isOutputSlotActvied")->text(), QStringLiteral("S1-1"));
    QCOMPARE(labelWith(button, "isOutputTypeActvied")->text(), output.connectorTypeName());
    QLabel* name = labelWith(button, "isOutputNameActvied");
    QCOMPARE(name->toolTip(), longName);
    QVERIFY(name->text() != longName);
}

void tst_OutputList::tipAtConstructionAndWhenEmpty()
{
    OutputDetailVListWidget list;
    QLabel* tip = nullptr;
    for (QLabel* label : list.findChildren<QLabel*>()) {
        if (label->text() == OutputTip)
            tip = label;
    }
    QVERIFY2(tip, "the tip is set before any retranslation");
    list.resize(200, 400);
    list.show();
    const auto weak = weakDevice();
    list.initListWidgetItem(weak, ItemAllOutput, AllOutput);
    QTRY_VERIFY(tip->isVisible());

    // Emptied by an expired device: the button goes to the cache, the tip comes back, nothing is
    // inserted.
    addOutput(1);
    list.initListWidgetItem(weak, ItemAllOutput, AllOutput);
    QTRY_VERIFY(!tip->isVisible());
    Vireo::Fixture::removeActiveDevice();
    list.initListWidgetItem(weak, ItemAllOutput, AllOutput);
    QCOMPARE(list.itemCount(), 0);
    QCOMPARE(list.hiddenContentButtonCount(), 1);
    QTRY_VERIFY(tip->isVisible());
    QVERIFY(!list.insertOutputItem(std::weak_ptr<Output>()));
}

void tst_OutputList::rebuildReusesButtons()
{
    for (quint32 key : {4u, 1u, 2u, 3u})
        addOutput(key);
    BuiltList list;
    const auto before = buttonsOf(list);
    list.initListWidgetItem(weakDevice(), ItemAllOutput, AllOutput);
    QCOMPARE(buttonsOf(list), before);
    QCOMPARE(list.findChildren<OutputListContentButton*>().size(), 4);

    list.initListWidgetItem(weakDevice(), ItemAllOutput, NoScreenUsed);
    useOutput(Enum::Screen::RegularScreen, 1, 2);
    useOutput(Enum::Screen::RegularScreen, 1, 3);
    list.initListWidgetItem(weakDevice(), ItemAllOutput, NoScreenUsed);
    QCOMPARE(keysOf(list), (QList<quint32> {1, 4}));
    QCOMPARE(list.hiddenContentButtonCount(), 2);
    for (OutputListContentButton* button : list.findChildren<OutputListContentButton*>()) {
        if (button->isHidden()) {
            QVERIFY(button->output().expired());
            QCOMPARE(indexLabel(button)->text(), QString());
        }
    }
    list.initListWidgetItem(weakDevice(), ItemAllOutput, AllOutput);
    QCOMPARE(keysOf(list), (QList<quint32> {1, 2, 3, 4}));
    QCOMPARE(list.findChildren<OutputListContentButton*>().size(), 4);
}

// Unlike the input list, the output list's rebuild does not show as isItemIniting().
void tst_OutputList::rebuildIsNotMarkedAsIniting()
{
    for (quint32 key : {1u, 2u})
        addOutput(key);
    GeneralOutputList list;
    list.initListWidgetItem(weakDevice(), ItemAllOutput, AllOutput);
    QCOMPARE(list.initingAtCreation, (QList<bool> {false, false}));
    QVERIFY(!list.isItemIniting());
}

void tst_OutputList::insertAtSortedPlace_data()
{
    QTest::addColumn<QList<quint32>>("shown");
    QTest::addColumn<quint32>("inserted");
    QTest::addColumn<QList<quint32>>("order");
    QTest::newRow("middle") << QList<quint32> {3, 5, 9} << 7u << QList<quint32> {3, 5, 7, 9};
    QTest::newRow("front") << QList<quint32> {3, 5, 9} << 1u << QList<quint32> {1, 3, 5, 9};
    QTest::newRow("end") << QList<quint32> {3, 5, 9} << 12u << QList<quint32> {3, 5, 9, 12};
    QTest::newRow("empty list") << QList<quint32> {} << 7u << QList<quint32> {7};
}

void tst_OutputList::insertAtSortedPlace()
{
    QFETCH(QList<quint32>, shown);
    QFETCH(quint32, inserted);
    QFETCH(QList<quint32>, order);

    for (quint32 key : shown)
        addOutput(key);
    BuiltList list;
    addOutput(inserted);
    OutputListContentButton* button = list.insertOutputItem(device()->findOutput(inserted));
    QVERIFY(button);
    QCOMPARE(button->outputKeyNo(), inserted);
    QCOMPARE(stripKeysOf(list), order);
    QCOMPARE(list.itemCount(), order.size());

    // A second insert of the same output gives the same button, not a second one.
    QCOMPARE(list.insertOutputItem(device()->findOutput(inserted)), button);
    QCOMPARE(stripKeysOf(list), order);
    QCOMPARE(list.itemCount(), order.size());
}

void tst_OutputList::insertRefusals()
{
    addOutput(1);
    addOutput(2);
    useOutput(Enum::Screen::AUXScreen, 1, 2);
    BuiltList list(ItemAllOutput, NoScreenUsed);
    QVERIFY(!list.insertOutputItem(device()->findOutput(2)));
    QVERIFY(!list.insertOutputItem(std::weak_ptr<Output>()));
    QCOMPARE(keysOf(list), QList<quint32> {1});

    // ScreenUsedDisabled lists it, disabled.
    list.initListWidgetItem(weakDevice(), ItemAllOutput, ScreenUsedDisabled);
    device()->findScreen(Enum::Screen::AUXScreen, 1).lock()->removeOutput(device()->findOutput(2));
    addOutput(3);
    useOutput(Enum::Screen::AUXScreen, 1, 3);
    OutputListContentButton* button = list.insertOutputItem(device()->findOutput(3));
    QVERIFY(button);
    QVERIFY(!button->isEnabled());
}

void tst_OutputList::filterByConnectorType()
{
    addOutput(1, Enum::Interface::MainOutput, Enum::Interface::HDMI_2_0);
    addOutput(2, Enum::Interface::MainOutput, Enum::Interface::DP_1_2);
    addOutput(3, Enum::Interface::AUXOutput, Enum::Interface::HDMI_2_0);
    BuiltList list;
    list.setFiltertype(Enum::Interface::HDMI_2_0);
    QCOMPARE(keysOf(list, true), QList<quint32> {2});
    list.setFiltertype(Enum::Interface::DP_1_2);
    QCOMPARE(keysOf(list, true), (QList<quint32> {1, 3}));
    list.setFiltertype(Enum::Interface::INVALID);
    QCOMPARE(keysOf(list, true), QList<quint32> {});
}

void tst_OutputList::looks()
{
    addOutput(1);
    auto output = device()->findOutput(1);
    OutputDetailContentButton detail(weakDevice(), output);
    OutputGeneralContentButton general(weakDevice(), output);
    OutputSampleContentButton sample(weakDevice(), output);

    QCOMPARE(detail.sizeHint(), QSize(170, 82));
    QCOMPARE(detail.size(), QSize(170, 82));
    QVERIFY(detail.property("isInterfaceDetailContentButton").toBool());
    QVERIFY(indexLabel(&detail)->isHidden());
    QVERIFY(!labelWith(&detail, "isOutputNameActvied")->isHidden());

    QCOMPARE(general.sizeHint(), QSize(370, 120));
    QVERIFY(general.isCheckable());
    QVERIFY(general.property("isInterfaceGeneralButton").toBool());
    QVERIFY(indexLabel(&general)->isHidden());
    QVERIFY(!labelWith(&general, "isOutputTypeActvied")->isHidden());

    QCOMPARE(sample.sizeHint(), QSize(160, 80));
    QVERIFY(sample.isCheckable());
    QVERIFY(sample.property("navigationbarlistindexes").toBool());
    QLabel* name = labelWith(&sample, "isOutputNameActvied");
    QVERIFY(!name->isHidden());
    QVERIFY(labelWith(&sample, "isOutputRadioActvied")->isHidden());
    QVERIFY(!name->property("isChecked").toBool());
    // Laid out and shown, a name that fits stays whole, in the sample and the general look.
    for (QWidget* button : {static_cast<QWidget*>(&sample), static_cast<QWidget*>(&general)}) {
        button->show();
        QCoreApplication::processEvents();
        QCOMPARE(labelWith(button, "isOutputNameActvied")->text(), output.lock()->name());
    }
    sample.setChecked(true);
    QVERIFY(name->property("isChecked").toBool());

    // The sample look shows only the name, so its refresh only enables it.
    useOutput(Enum::Screen::RegularScreen, 1, 1);
    sample.setOutput(weakDevice(), output);
    QVERIFY(!name->isEnabled());
    sample.updateStyleSheet();
    QVERIFY(name->isEnabled());

    OutputDetailVListWidget list;
    QVERIFY(list.property("isOutputDetailVListWidget").toBool());
    QCOMPARE(list.orientation(), Qt::Vertical);
    int bars = 0;
    for (QWidget* child : list.findChildren<QWidget*>()) {
        if (child->property("isOutputDetailVListBottom").toBool() && child->maximumHeight() == 64)
            ++bars;
    }
    QCOMPARE(bars, 1);
}

void tst_OutputList::buttonSignals()
{
    addOutput(6);
    BuiltList list;
    OutputListContentButton* button = list.findWidgetItem(6);
    QSignalSpy pressed(button, &OutputListContentButton::outputPressed);
    QSignalSpy released(button, &OutputListContentButton::outputReleased);
    QSignalSpy doubled(button, &OutputListContentButton::outputDoubleClicked);
    // Once the output is gone, the button reports nothing more.
    for (const bool removed : {false, true}) {
        if (removed)
            device()->removeOutput(6);
        QTest::mouseClick(button, Qt::LeftButton);
        Vireo::Test::sendMouse(button, QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
        // A double click is not a second press.
        for (QSignalSpy* spy : {&pressed, &released, &doubled}) {
            QCOMPARE(spy->count(), 1);
            QCOMPARE(spy->at(0).at(0).toUInt(), 6u);
        }
    }
}

void tst_OutputList::dragPayload_data()
{
    QTest::addColumn<quint32>("key");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QSize>("setSize");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QPoint>("hotSpot");
    const QSize button(370, 120);
    QTest::newRow("key 0") << 0u << QByteArray("0") << QSize() << false << button << QPoint(185, 60);
    QTest::newRow("key 65536") << 65536u << QByteArray("65536") << QSize() << false << button << QPoint(185, 60);
    QTest::newRow("largest") << 0xFFFFFFFEu << QByteArray("4294967294") << QSize() << false << button
                             << QPoint(185, 60);
    QTest::newRow("picture of a set size")
        << 2u << QByteArray("2") << QSize(100, 40) << false << QSize(100, 40) << QPoint(50, 20);
    QTest::newRow("custom drag: no picture, zero hot spot")
        << 2u << QByteArray("2") << QSize() << true << QSize(0, 0) << QPoint(0, 0);
}

void tst_OutputList::dragPayload()
{
    QFETCH(quint32, key);
    QFETCH(QByteArray, payload);
    QFETCH(QSize, setSize);
    QFETCH(bool, custom);
    QFETCH(QSize, picture);
    QFETCH(QPoint, hotSpot);

    addOutput(key).setName(QStringLiteral("Projector"));
    ShownStrip list;
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    if (setSize.isValid())
        list.setDragPixmapSize(setSize);
    list.setCustomDarg(custom);
    const QList<QDrag*> drags = dragOut(list, list.findWidgetItem(key));
    QCOMPARE(drags.size(), 1);
    const QMimeData* mime = drags.at(0)->mimeData();
    QCOMPARE(mime->text(), QStringLiteral("Projector"));
    QCOMPARE(mime->data(QLatin1String(Vireo::Constants::MimeTypeOutputKeyNo)), payload);
    QCOMPARE(drags.at(0)->pixmap().isNull(), custom);
    QCOMPARE(drags.at(0)->pixmap().size(), picture);
    if (!custom)
        QCOMPARE(drags.at(0)->hotSpot(), hotSpot);
    QCOMPARE(mime->data(QLatin1String(Vireo::Constants::MimeTypeDragHotSpot)), hotSpotBytes(hotSpot));

    // The press is spent: later moves start nothing and log nothing.
    LogCatcher warnings;
    moveOutLeft(list);
    QCOMPARE(dragsOf(list).size(), 1);
    QCOMPARE(warnings.warnings(), QStringList());
}

void tst_OutputList::spentPressDragsNothing_data()
{
    QTest::addColumn<QString>("spentBy");
    QTest::addColumn<int>("dragsOfANewPress");
    QTest::newRow("a release reported by another button") << "other button" << 1;
    QTest::newRow("a release on the list itself") << "list" << 1;
    QTest::newRow("a move while drags are disabled") << "disabled" << 1;
    QTest::newRow("the output vanished") << "output" << 0;
    QTest::newRow("the device vanished") << "device" << 0;
}

void tst_OutputList::spentPressDragsNothing()
{
    QFETCH(QString, spentBy);
    QFETCH(int, dragsOfANewPress);

    addOutput(1);
    addOutput(2);
    ShownStrip list;
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    OutputListContentButton* button = list.findWidgetItem(1);
    list.isEnableDrag(spentBy != QLatin1String("disabled"));
    press(button);
    if (spentBy == QLatin1String("other button"))
        Vireo::Test::sendMouse(
            list.findWidgetItem(2), QEvent::MouseButtonRelease, QPoint(3, 3), Qt::LeftButton, Qt::NoButton);
    else if (spentBy == QLatin1String("list"))
        Vireo::Test::sendMouse(&list, QEvent::MouseButtonRelease, QPoint(3, 3), Qt::LeftButton, Qt::NoButton);
    else if (spentBy == QLatin1String("disabled"))
        Vireo::Test::sendMouse(&list, QEvent::MouseMove, QPoint(100, 100), Qt::NoButton, Qt::LeftButton);
    else if (spentBy == QLatin1String("output"))
        device()->removeOutput(1);
    else
        Vireo::Fixture::removeActiveDevice();

    // Nothing is dragged and nothing logged, even with drags enabled again; a new press drags while
    // its output is there.
    list.isEnableDrag(true);
    LogCatcher warnings;
    moveOutLeft(list);
    QCOMPARE(dragsOf(list).size(), 0);
    QCOMPARE(warnings.warnings(), QStringList());
    QCOMPARE(dragOut(list, button).size(), dragsOfANewPress);
}

// The pressed output vanishes, so its button reports no release; the output comes back and the host
// rebuilds. A later press beside the buttons and a move out must not drag it.
void tst_OutputList::unreportedReleaseLeavesNoPressBehind()
{
    addOutput(1);
    addOutput(2);
    ShownStrip list;
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    OutputListContentButton* button = list.findWidgetItem(1);
    press(button);
    device()->removeOutput(1);
    Vireo::Test::sendMouse(button, QEvent::MouseButtonRelease, button->rect().center(), Qt::LeftButton, Qt::NoButton);
    addOutput(1);
    list.initListWidgetItem(weakDevice(), ItemAllOutput, AllOutput);

    Vireo::Test::sendMouse(&list, QEvent::MouseButtonPress, QPoint(790, 190), Qt::LeftButton, Qt::LeftButton);
    moveOutLeft(list);
    QCOMPARE(dragsOf(list).size(), 0);
    Vireo::Test::sendMouse(&list, QEvent::MouseButtonRelease, QPoint(-20, 40), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(dragOut(list, list.findWidgetItem(1)).size(), 1);
}

QTEST_MAIN(tst_OutputList)
#include "tst_outputlist.moc"
