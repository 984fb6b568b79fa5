#include "common/testsupport.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/videopreviewwidget.h>
#include <vireowidgets/resources/inputdetailvlistwidget.h>

#include <vireomodel/fixture.h>
#include <vireomodel/helper.h>
#include <vireomodel/vireomodel.h>

#include <QDataStream>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace Vireo::BizModel;
using Vireo::Test::LogCatcher;
using Vireo::Widgets::InputDetailVListWidget;
using Vireo::Widgets::InputListContentButton;

namespace {

Device* device()
{
    return Vireo::Fixture::activeDevice();
}

std::weak_ptr<Device> weakDevice()
{
    return device()->weak_from_this();
}

Input& addInput(quint32 key, bool active = true, const QString& name = QString())
{
    const Vireo::ProtoModel::s_InterfaceID id {int(key / 4), int(key % 4), 0};
    Input& input = device()->addInput(
        key, id, Enum::Interface::HDMI_1_4, name.isEmpty() ? QStringLiteral("Input %1").arg(key + 1) : name);
    input.setActive(active);
    input.setSignal(QSize(1920, 1080), 60.f, false);
    return input;
}

void addInputs(std::initializer_list<quint32> keys)
{
    for (quint32 key : keys)
        addInput(key);
}

QList<InputListContentButton*> buttonsOf(const InputDetailVListWidget& list)
{
    QList<InputListContentButton*> out;
    for (QAbstractButton* button : list.getContentButtons())
        out << qobject_cast<InputListContentButton*>(button);
    return out;
}

using Vireo::Test::labelWith;

QStringList indexTexts(const InputDetailVListWidget& list)
{
    QStringList texts;
    for (InputListContentButton* button : buttonsOf(list))
        texts << labelWith(button, "isInterfaceKeyNo")->text();
    return texts;
}

QLabel* signalLabel(QWidget* button)
{
    return labelWith(button, "isInterfaceRadio");
}

QLabel* tipLabel(QWidget& list, const QString& text)
{
    for (QLabel* label : list.findChildren<QLabel*>()) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

const QString InputTip = QStringLiteral("No input sources. Please add input cards on Device page.");

QList<QDrag*> dragsOf(QWidget& list)
{
    return list.findChildren<QDrag*>(QString(), Qt::FindDirectChildrenOnly);
}

void press(QWidget* button)
{
    Vireo::Test::sendMouse(button, QEvent::MouseButtonPress, button->rect().center(), Qt::LeftButton, Qt::LeftButton);
}

void release(QWidget* button)
{
    Vireo::Test::sendMouse(button, QEvent::MouseButtonRelease, button->rect().center(), Qt::LeftButton, Qt::NoButton);
}

// A move that leaves the strip through its left edge (the first allowed edge).
void moveOutLeft(QWidget& list)
{
    Vireo::Test::sendMouse(&list, QEvent::MouseMove, QPoint(-20, 40), Qt::NoButton, Qt::LeftButton);
}

QPoint hotSpotFrom(const QByteArray& bytes)
{
    QDataStream stream(bytes);
    QPoint point;
    stream >> point;
    return point;
}

// A list of the active device's inputs, built at once.
struct BuiltList : InputDetailVListWidget
{
    BuiltList() { initListWidgetItem(weakDevice()); }
};

// The same, shown.
struct ShownList : BuiltList
{
    ShownList()
    {
        resize(300, 600);
        show();
    }
};

// Presses the button and leaves the strip: the drags the list has made by then.
QList<QDrag*> dragOut(QWidget& list, QWidget* button)
{
    press(button);
    moveOutLeft(list);
    return dragsOf(list);
}

} // namespace

class tst_InputList : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void ordering_data();
    void ordering();
    void emptiedListShowsTip_data();
    void emptiedListShowsTip();
    void tipIsSetAtConstruction();
    void unchangedRebuildCreatesNoWidget();
    void shrinkHidesThenReuses();
    void reusedButtonsAreNotConnectedTwice();
    void signalStates_data();
    void signalStates();
    void disabledLookByWorkMode_data();
    void disabledLookByWorkMode();
    void signalLookFollowsEveryChange();
    void videoRefreshReadsEachShownButtonOnce();
    void videoRefreshDuringRebuildDoesNothing();
    void fpsDiagnostic();
    void pressReleaseAndDoubleClickSignals();
    void setContentButtonEnabled();

    void dragPayload_data();
    void dragPayload();
    void dragAfterWanderingInsideTheStrip();
    void noDragThroughAnEdgeThatIsNotAllowed();
    void spentPressDragsNothingMore_data();
    void spentPressDragsNothingMore();
    void unreportedReleaseLeavesNoPressBehind();
};

void tst_InputList::init()
{
    Vireo::Fixture::reset();
    Vireo::Fixture::makeActiveDevice();
}

void tst_InputList::ordering_data()
{
    QTest::addColumn<QList<quint32>>("keys");
    QTest::addColumn<QList<bool>>("active");
    QTest::addColumn<QStringList>("labels");

    QTest::newRow("active first, then key")
        << QList<quint32> {5, 3, 9} << QList<bool> {false, true, true} << QStringList {"4", "10", "6"};
    QTest::newRow("all active by key") << QList<quint32> {7, 0, 2} << QList<bool> {true, true, true}
                                       << QStringList {"1", "3", "8"};
    QTest::newRow("all inactive by key") << QList<quint32> {4, 1} << QList<bool> {false, false}
                                         << QStringList {"2", "5"};
    QTest::newRow("unsigned keys") << QList<quint32> {0x80000000u, 1} << QList<bool> {true, true}
                                   << QStringList {"2", "2147483649"};
}

void tst_InputList::ordering()
{
    QFETCH(QList<quint32>, keys);
    QFETCH(QList<bool>, active);
    QFETCH(QStringList, labels);

    for (int i = 0; i < keys.size(); ++i)
        addInput(keys.at(i), active.at(i));
    BuiltList list;
    QCOMPARE(indexTexts(list), labels);
}

void tst_InputList::emptiedListShowsTip_data()
{
    QTest::addColumn<bool>("deviceGone"); // else the device is there, without inputs
    QTest::newRow("the device has no input left") << false;
    QTest::newRow("the device expired") << true;
}

void tst_InputList::emptiedListShowsTip()
{
    QFETCH(bool, deviceGone);
    addInputs({1u, 2u});
    const auto weak = weakDevice();
    ShownList list;
    QCOMPARE(list.itemCount(), 2);
    if (deviceGone) {
        Vireo::Fixture::removeActiveDevice();
    } else {
        device()->removeInput(1);
        device()->removeInput(2);
    }
    list.initListWidgetItem(weak);
    QCOMPARE(list.itemCount(), 0);
    QCOMPARE(list.hiddenContentButtonCount(), 2);
    QCOMPARE(list.currentDevice().expired(), deviceGone);
    QLabel* tip = tipLabel(list, InputTip);
    QVERIFY(tip);
    QTRY_VERIFY(tip->isVisible());
}

void tst_InputList::tipIsSetAtConstruction()
{
    InputDetailVListWidget list;
    QVERIFY2(tipLabel(list, InputTip), "an empty list must not show an empty tip");
}

void tst_InputList::unchangedRebuildCreatesNoWidget()
{
    addInputs({3u, 1u, 2u});
    BuiltList list;
    const auto before = buttonsOf(list);
    const int children = list.findChildren<InputListContentButton*>().size();
    list.initListWidgetItem(weakDevice());
    QCOMPARE(list.findChildren<InputListContentButton*>().size(), children);
    QCOMPARE(buttonsOf(list), before);
    QCOMPARE(indexTexts(list), (QStringList {"2", "3", "4"}));
}

void tst_InputList::shrinkHidesThenReuses()
{
    addInputs({1u, 2u, 3u, 4u});
    BuiltList list;
    QCOMPARE(list.findChildren<InputListContentButton*>().size(), 4);

    device()->setInputListed(3, false);
    device()->setInputListed(4, false);
    list.initListWidgetItem(weakDevice());
    QCOMPARE(indexTexts(list), (QStringList {"2", "3"}));
    QCOMPARE(list.hiddenContentButtonCount(), 2);
    for (InputListContentButton* button : list.findChildren<InputListContentButton*>()) {
        if (button->isHidden()) {
            QVERIFY(button->input().expired());
            QCOMPARE(labelWith(button, "isInterfaceKeyNo")->text(), QString());
            QCOMPARE(signalLabel(button)->text(), QString());
        }
    }

    device()->setInputListed(3, true);
    device()->setInputListed(4, true);
    addInput(5);
    list.initListWidgetItem(weakDevice());
    QCOMPARE(indexTexts(list), (QStringList {"2", "3", "4", "5", "6"}));
    QCOMPARE(list.hiddenContentButtonCount(), 0);
    QCOMPARE(list.findChildren<InputListContentButton*>().size(), 5);
}

void tst_InputList::reusedButtonsAreNotConnectedTwice()
{
    addInputs({1u, 2u});
    BuiltList list;
    device()->setInputListed(2, false);
    list.initListWidgetItem(weakDevice());
    device()->setInputListed(2, true);
    list.initListWidgetItem(weakDevice());
    list.initListWidgetItem(weakDevice());

    LogCatcher log;
    for (InputListContentButton* button : buttonsOf(list)) {
        press(button);
        release(button);
    }
    QCOMPARE(log.count(QStringLiteral("slotInputPressed m_nPressedInputKeyNo = 1")), 1);
    QCOMPARE(log.count(QStringLiteral("slotInputPressed m_nPressedInputKeyNo = 2")), 1);
}

void tst_InputList::signalStates_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("overLoad");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("captureEnabled");
    QTest::addColumn<QString>("name");

    const QString rate = Helper::formatFramerate(QSize(3840, 2160), 59.94f, true);
    const QString overloaded = QStringLiteral("Bandwidth Exceeded");
    const QString none = QStringLiteral("No Signal");
    const QString camera = QStringLiteral("Camera");
    QTest::newRow("signal") << true << false << "signal" << rate << true << camera;
    QTest::newRow("overload") << true << true << "overLoad" << overloaded << false << camera;
    QTest::newRow("no signal") << false << false << "unSignal" << none << false << camera;
    QTest::newRow("no signal, overload flag") << false << true << "unSignal" << none << false << camera;
    QTest::newRow("signal, long name elided") << true << false << "signal" << rate << true
                                              << "A very long input name that cannot fit in the name column at all";
}

void tst_InputList::signalStates()
{
    QFETCH(bool, active);
    QFETCH(bool, overLoad);
    QFETCH(QString, status);
    QFETCH(QString, text);
    QFETCH(bool, captureEnabled);
    QFETCH(QString, name);

    Input& input = addInput(6, active, name);
    input.setOverLoad(overLoad);
    input.setSignal(QSize(3840, 2160), 59.94f, true);
    input.setCapacity(Enum::Interface::_4K);
    input.setPositionName(QStringLiteral("S2-3"));
    BuiltList list;

    InputListContentButton* button = buttonsOf(list).value(0);
    QVERIFY(button);
    QVERIFY(button->property("isInterfaceButton").toBool());
    QCOMPARE(signalLabel(button)->text(), text);
    QCOMPARE(signalLabel(button)->property("isSignalStatus").toString(), status);
    auto* capture = button->findChild<QToolButton*>(QStringLiteral("buttonCapture"));
    QVERIFY(capture);
    QCOMPARE(capture->isEnabled(), captureEnabled);
    QCOMPARE(capture->iconSize(), QSize(21, 17));
    QCOMPARE(labelWith(button, "isInterfaceName")->property("isHasSignal").toBool(), active);
    QCOMPARE(labelWith(button, "isInterfaceType")->property("isHasSignal").toBool(), active);
    QCOMPARE(labelWith(button, "isInterfaceKeyNo")->text(), QStringLiteral("7"));
    QCOMPARE(labelWith(button, "isInterfaceCapacity")->text(), Helper::interfaceCapacityString(Enum::Interface::_4K));
    QCOMPARE(labelWith(button, "isInterfaceType")->text(), input.connectorTypeName());
    // A name too long for its column is cut to it, a short one is shown whole; the tip has it all.
    QLabel* nameLabel = labelWith(button, "isInterfaceName");
    QCOMPARE(nameLabel->toolTip(), name);
    const QFontMetrics metrics(nameLabel->font());
    QCOMPARE(nameLabel->text() == name, metrics.horizontalAdvance(name) <= 125);
    QVERIFY(!nameLabel->text().isEmpty());
    QVERIFY(metrics.horizontalAdvance(nameLabel->text()) <= 125);

    QStringList slotTexts;
    for (QLabel* label : button->findChildren<QLabel*>()) {
        if (label->property("isInterfaceSlot").toBool())
            slotTexts << label->text();
    }
    QVERIFY(slotTexts.contains(QStringLiteral("S2-3")));
    QVERIFY(slotTexts.contains(input.connectorShortType()));

    // A retranslation shows the same signal text.
    list.retranslateUi();
    QCOMPARE(signalLabel(button)->text(), text);
}

void tst_InputList::disabledLookByWorkMode_data()
{
    QTest::addColumn<int>("workMode");
    QTest::addColumn<bool>("disabledLook");
    QTest::newRow("master") << int(Enum::Interface::Master) << false;
    QTest::newRow("backup") << int(Enum::Interface::Backup) << false;
    QTest::newRow("work mode 2") << int(Enum::Interface::NoOutput) << true;
}

void tst_InputList::disabledLookByWorkMode()
{
    QFETCH(int, workMode);
    QFETCH(bool, disabledLook);

    Input& input = addInput(2);
    device()->setConnector(input.interfaceFullId(), workMode, Enum::Interface::HDMI_1_4);
    BuiltList list;
    InputListContentButton* button = buttonsOf(list).value(0);
    QVERIFY(button);
    for (const char* property : {"isInterfaceName", "isInterfaceType", "isInterfaceRadio", "isInterfaceKeyNo",
             "isInterfaceCapacity", "isInterfaceSlot"})
        QCOMPARE(labelWith(button, property)->isEnabled(), !disabledLook);
    auto* video = button->findChild<Vireo::Widgets::VideoPreviewWidget*>();
    QVERIFY(video);
    QCOMPARE(video->isForbiddenIconVisible(), disabledLook);

    // The look follows the connector when the button is refreshed.
    device()->setConnector(input.interfaceFullId(), Enum::Interface::Master, Enum::Interface::HDMI_1_4);
    button->updateUIFromData();
    QVERIFY(!video->isForbiddenIconVisible());
    QVERIFY(labelWith(button, "isInterfaceName")->isEnabled());
}

// One button through every signal look and back, as updates and reuse take it, until its input
// goes: the labels' properties must follow each change, not only the first.
void tst_InputList::signalLookFollowsEveryChange()
{
    Input& input = addInput(3, true, QStringLiteral("Camera"));
    BuiltList list;
    InputListContentButton* button = buttonsOf(list).value(0);
    QVERIFY(button);
    auto expectLook = [button](const char* status, bool hasSignal) {
        QCOMPARE(signalLabel(button)->property("isSignalStatus").toString(), QString::fromLatin1(status));
        for (const char* kind : {"isInterfaceName", "isInterfaceType", "isInterfaceSlot"})
            QCOMPARE(labelWith(button, kind)->property("isHasSignal").toBool(), hasSignal);
    };
    expectLook("signal", true);
    input.setOverLoad(true);
    button->updateUIFromData();
    expectLook("overLoad", true);
    input.setActive(false);
    button->updateUIFromData();
    expectLook("unSignal", false);
    input.setActive(true);
    input.setOverLoad(false);
    button->updateUIFromData();
    expectLook("signal", true);
    button->setInput(weakDevice(), std::weak_ptr<Input>());
    expectLook("unSignal", false);
    button->setInput(weakDevice(), device()->findInput(3));
    expectLook("signal", true);

    // The input removed from the device: the button empties, and a retranslation keeps it empty.
    device()->removeInput(3);
    button->updateUIFromData();
    expectLook("unSignal", false);
    QCOMPARE(button->inputKeyNo(), 0xFFFFFFFFu);
    QCOMPARE(labelWith(button, "isInterfaceKeyNo")->text(), QString());
    QCOMPARE(labelWith(button, "isInterfaceName")->toolTip(), QString());
    QCOMPARE(signalLabel(button)->text(), QString());
    button->retranslateUi();
    QCOMPARE(signalLabel(button)->text(), QString());
}

// A rebuild that hides two buttons and hands a new callback: the refresh reads each shown button
// once, through the new callback only (the reused buttons take it too).
void tst_InputList::videoRefreshReadsEachShownButtonOnce()
{
    addInputs({1u, 2u, 3u, 4u, 5u});
    int firstCalls = 0;
    QList<quint32> reads;
    InputDetailVListWidget list;
    list.initListWidgetItem(weakDevice(), [&firstCalls](std::weak_ptr<Input>, QImage&, bool) {
        ++firstCalls;
        return true;
    });
    device()->setInputListed(4, false);
    device()->setInputListed(5, false);
    list.initListWidgetItem(weakDevice(), [&reads](std::weak_ptr<Input> input, QImage& frame, bool) {
        if (auto in = input.lock())
            reads << in->interfaceId();
        frame = QImage(4, 4, QImage::Format_RGB32);
        frame.fill(Qt::red);
        return true;
    });

    firstCalls = 0;
    reads.clear();
    list.updateInputVideo();
    QCOMPARE(firstCalls, 0);
    QCOMPARE(reads, (QList<quint32> {1, 2, 3}));
    auto* video = buttonsOf(list).value(0)->findChild<Vireo::Widgets::VideoPreviewWidget*>();
    QCOMPARE(video->getVideoFrame().pixelColor(0, 0), QColor(Qt::red));
}

void tst_InputList::videoRefreshDuringRebuildDoesNothing()
{
    addInputs({1u, 2u, 3u});
    InputDetailVListWidget list;
    int reads = 0;
    int nested = 0;
    list.initListWidgetItem(weakDevice(), [&](std::weak_ptr<Input>, QImage&, bool) {
        ++reads;
        // The host's refresh timer firing while the list is rebuilding.
        if (list.isItemIniting()) {
            ++nested;
            const int before = reads;
            list.updateInputVideo();
            if (reads != before)
                reads = -1000;
        }
        return true;
    });
    QVERIFY(nested > 0);
    QVERIFY(reads > 0);
    reads = 0;
    nested = 0;
    list.updateInputVideo();
    QCOMPARE(reads, 3);
    QCOMPARE(nested, 0);
}

void tst_InputList::fpsDiagnostic()
{
    addInput(0x10000);
    addInput(3);
    InputDetailVListWidget list;
    list.initListWidgetItem(weakDevice(), [](std::weak_ptr<Input>, QImage&, bool) { return true; });
    InputListContentButton* diagnostic = list.findContentButton(0x10000);
    InputListContentButton* other = list.findContentButton(3);
    QVERIFY(diagnostic && other);

    LogCatcher log;
    for (int i = 0; i < 2000; ++i)
        other->updateInputVideo();
    QCOMPARE(log.count(QStringLiteral("Input list fps")), 0);

    // The counter is shared and may already hold some calls: 1000 more calls reach it exactly once.
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Input list fps [1-9][0-9]*$")));
    for (int i = 0; i < 1000; ++i)
        diagnostic->updateInputVideo();
    QCOMPARE(log.count(QStringLiteral("Input list fps")), 1);
}

void tst_InputList::pressReleaseAndDoubleClickSignals()
{
    addInput(8);
    BuiltList list;
    InputListContentButton* button = buttonsOf(list).value(0);
    QSignalSpy pressed(button, &InputListContentButton::inputPressed);
    QSignalSpy released(button, &InputListContentButton::inputReleased);
    QSignalSpy doubled(button, &InputListContentButton::inputDoubleClicked);
    const QPoint pos(5, 5);
    // Once the input is gone, the button reports nothing more.
    for (const bool removed : {false, true}) {
        if (removed)
            device()->removeInput(8);
        Vireo::Test::sendMouse(button, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
        Vireo::Test::sendMouse(button, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
        Vireo::Test::sendMouse(button, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
        // A double click is not a second press.
        for (QSignalSpy* spy : {&pressed, &released, &doubled}) {
            QCOMPARE(spy->count(), 1);
            QCOMPARE(spy->at(0).at(0).toUInt(), 8u);
        }
    }
}

void tst_InputList::setContentButtonEnabled()
{
    addInputs({1u, 2u});
    BuiltList list;
    list.setContentButtonEnabled(2, false);
    QVERIFY(list.findContentButton(1)->isEnabled());
    QVERIFY(!list.findContentButton(2)->isEnabled());
    list.setContentButtonEnabled(77, false);
    QVERIFY(list.findContentButton(1)->isEnabled());
    QVERIFY(!list.findContentButton(77));
}

void tst_InputList::dragPayload_data()
{
    QTest::addColumn<quint32>("key");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("key 0") << 0u << false << QByteArray("0");
    QTest::newRow("key 2") << 2u << false << QByteArray("2");
    QTest::newRow("key 7") << 7u << false << QByteArray("7");
    QTest::newRow("key 65536") << 65536u << false << QByteArray("\x36\x35\x35\x33\x36", 5);
    QTest::newRow("custom drag: no picture, zero hot spot") << 3u << true << QByteArray("3");
}

void tst_InputList::dragPayload()
{
    QFETCH(quint32, key);
    QFETCH(bool, custom);
    QFETCH(QByteArray, payload);

    addInput(key, true, QStringLiteral("Stage left"));
    addInput(key + 1);
    ShownList list;
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.setCustomDarg(custom);
    InputListContentButton* button = list.findContentButton(key);
    QVERIFY(button);

    const QList<QDrag*> drags = dragOut(list, button);
    QCOMPARE(drags.size(), 1);
    const QMimeData* mime = drags.at(0)->mimeData();
    QVERIFY(mime);
    QCOMPARE(mime->text(), QStringLiteral("Stage left"));
    QCOMPARE(mime->data(QLatin1String(Vireo::Constants::MimeTypeInputKeyNo)), payload);
    const QPixmap picture = drags.at(0)->pixmap();
    const QByteArray hotSpot = mime->data(QLatin1String(Vireo::Constants::MimeTypeDragHotSpot));
    if (custom) {
        QVERIFY(picture.isNull());
        QCOMPARE(hotSpot, QByteArray(8, '\0'));
        return;
    }
    // The input list never changes its drag size: the picture keeps the button's size (0 x 0 rule),
    // never the (-1, -1) of a default QSize.
    QCOMPARE(picture.size(), button->size());
    QCOMPARE(picture.size(), QSize(280, 82));
    const QPoint centre(picture.width() / 2, picture.height() / 2);
    QCOMPARE(drags.at(0)->hotSpot(), centre);
    QCOMPARE(hotSpot.size(), 8);
    QCOMPARE(hotSpotFrom(hotSpot), centre);
    // The button is translucent in the picture.
    QCOMPARE(picture.toImage().pixelColor(centre).alpha(), 200);
}

void tst_InputList::dragAfterWanderingInsideTheStrip()
{
    addInputs({1u, 2u});
    ShownList list;
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    InputListContentButton* first = list.findContentButton(1);
    InputListContentButton* second = list.findContentButton(2);
    press(first);
    // Over the second button, still inside the strip: no drag yet, the press is kept.
    const QPoint overSecond = second->mapTo(&list, second->rect().center());
    Vireo::Test::sendMouse(&list, QEvent::MouseMove, overSecond, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(dragsOf(list).size(), 0);
    moveOutLeft(list);
    QCOMPARE(dragsOf(list).size(), 1);
    QCOMPARE(
        dragsOf(list).at(0)->mimeData()->data(QLatin1String(Vireo::Constants::MimeTypeInputKeyNo)), QByteArray("1"));
}

void tst_InputList::noDragThroughAnEdgeThatIsNotAllowed()
{
    addInput(1);
    ShownList list;
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.setAllowDragEdge(Qt::RightEdge);
    QCOMPARE(dragOut(list, list.findContentButton(1)).size(), 0);
    const QPoint right(list.width() + 20, 40);
    Vireo::Test::sendMouse(&list, QEvent::MouseMove, right, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(dragsOf(list).size(), 1);
}

void tst_InputList::spentPressDragsNothingMore_data()
{
    QTest::addColumn<QString>("spentBy");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<int>("drags");
    QTest::addColumn<int>("dragsOfANewPress");
    QTest::newRow("a drag") << "drag" << QString() << 1 << 2;
    QTest::newRow("its release") << "release" << QString() << 0 << 1;
    // The release never came; the next press lands on another input's capture button, which takes
    // it for itself.
    QTest::newRow("a press on another input's capture button") << "capture" << QString() << 0 << 1;
    QTest::newRow("a move while drags are disabled") << "disabled" << QString() << 0 << 1;
    QTest::newRow("the input vanished") << "input"
                                        << "input model is nullptr, input id is 5" << 0 << 0;
    QTest::newRow("the device vanished") << "device"
                                         << "device model is nullptr." << 0 << 0;
}

void tst_InputList::spentPressDragsNothingMore()
{
    QFETCH(QString, spentBy);
    QFETCH(QString, warning);
    QFETCH(int, drags);
    QFETCH(int, dragsOfANewPress);

    addInputs({5u, 6u});
    ShownList list;
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    InputListContentButton* button = list.findContentButton(5);
    auto* capture = list.findContentButton(6)->findChild<QToolButton*>(QStringLiteral("buttonCapture"));
    QVERIFY(capture);
    list.isEnableDrag(spentBy != QLatin1String("disabled"));
    press(button);
    if (spentBy == QLatin1String("release"))
        release(button);
    else if (spentBy == QLatin1String("capture"))
        press(capture);
    else if (spentBy == QLatin1String("input"))
        device()->removeInput(5);
    else if (spentBy == QLatin1String("device"))
        Vireo::Fixture::removeActiveDevice();
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    moveOutLeft(list);
    QCOMPARE(dragsOf(list).size(), drags);

    // Later moves (with drags enabled again) start nothing and log nothing.
    list.isEnableDrag(true);
    LogCatcher log;
    moveOutLeft(list);
    Vireo::Test::sendMouse(&list, QEvent::MouseMove, QPoint(-40, 60), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(dragsOf(list).size(), drags);
    QCOMPARE(log.warnings(), QStringList());
    // A new press drags again, while its input is there.
    QCOMPARE(dragOut(list, button).size(), dragsOfANewPress);
}

// The pressed input vanishes, so its button reports no release; the input comes back and the host
// rebuilds. A later press beside the buttons and a move out must not drag it.
void tst_InputList::unreportedReleaseLeavesNoPressBehind()
{
    addInputs({0u, 1u});
    ShownList list;
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    InputListContentButton* button = list.findContentButton(0);
    QSignalSpy released(button, &InputListContentButton::inputReleased);
    press(button);
    device()->removeInput(0);
    release(button);
    QCOMPARE(released.count(), 0);
    addInput(0);
    list.initListWidgetItem(weakDevice());

    const QPoint beside(150, list.height() - 5);
    Vireo::Test::sendMouse(&list, QEvent::MouseButtonPress, beside, Qt::LeftButton, Qt::LeftButton);
    LogCatcher log;
    moveOutLeft(list);
    Vireo::Test::sendMouse(&list, QEvent::MouseButtonRelease, QPoint(-20, 40), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(dragsOf(list).size(), 0);
    QCOMPARE(log.warnings().filter(QStringLiteral("input model")), QStringList());

    // A real press on the input that came back drags it.
    QCOMPARE(dragOut(list, list.findContentButton(0)).size(), 1);
}

QTEST_MAIN(tst_InputList)
#include "tst_inputlist.moc"
