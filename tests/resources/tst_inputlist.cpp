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
using Vireo::Widgets::InputDetailVListWidget;
using Vireo::Widgets::InputListContentButton;

namespace {

// Records every message while forwarding it, so that QTest::ignoreMessage keeps working.
class LogCatcher
{
public:
    LogCatcher()
    {
        s_messages.clear();
        s_previous = qInstallMessageHandler(&LogCatcher::handler);
    }
    ~LogCatcher() { qInstallMessageHandler(s_previous); }
    int count(const QString& prefix) const
    {
        int n = 0;
        for (const QString& message : s_messages)
            n += message.startsWith(prefix) ? 1 : 0;
        return n;
    }
    QStringList warnings() const { return s_warnings; }

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        s_messages << message;
        if (type == QtWarningMsg)
            s_warnings << message;
        if (s_previous)
            s_previous(type, context, message);
    }
    static QStringList s_messages;
    static QStringList s_warnings;
    static QtMessageHandler s_previous;
};
QStringList LogCatcher::s_messages;
QStringList LogCatcher::s_warnings;
QtMessageHandler LogCatcher::s_previous = nullptr;

Device* device()
{
    return Vireo::Fixture::activeDevice();
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

// A shown list of the active device's inputs.
struct ShownList
{
    InputDetailVListWidget list;
    ShownList()
    {
        list.resize(300, 600);
        list.initListWidgetItem(Vireo::Fixture::activeDevice()->weak_from_this());
        list.show();
    }
};

} // namespace

class tst_InputList : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void ordering_data();
    void ordering();
    void emptyDeviceShowsTip();
    void tipIsSetAtConstruction();
    void expiredDeviceEmptiesList();
    void unchangedRebuildCreatesNoWidget();
    void shrinkHidesThenReuses();
    void reusedButtonsAreNotConnectedTwice();
    void signalStates_data();
    void signalStates();
    void retranslateKeepsSignalTexts();
    void styleFollowsSignalAfterRebuild();
    void disabledLookByWorkMode_data();
    void disabledLookByWorkMode();
    void expiredInputEmptiesButton();
    void signalLookFollowsEveryChange();
    void longNameIsElided();
    void videoRefreshReadsEachShownButtonOnce();
    void reusedButtonsTakeTheCurrentCallback();
    void videoRefreshDuringRebuildDoesNothing();
    void fpsDiagnostic();
    void pressReleaseAndDoubleClickSignals();
    void setContentButtonEnabled();

    void dragPayload_data();
    void dragPayload();
    void dragPictureSize();
    void customDragHasZeroHotSpot();
    void dragAfterWanderingInsideTheStrip();
    void noDragThroughAnEdgeThatIsNotAllowed();
    void vanishedInputWarnsAndDoesNotDrag();
    void expiredDeviceWarnsAndDoesNotDrag();
    void movesAfterADragLogNothing();
    void releasedPressDoesNotDrag();
    void pressOnACaptureButtonEndsThePress();
    void disabledDragForgetsThePress();
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
    InputDetailVListWidget list;
    list.initListWidgetItem(device()->weak_from_this());
    QCOMPARE(indexTexts(list), labels);
}

void tst_InputList::emptyDeviceShowsTip()
{
    addInput(1);
    ShownList shown;
    QCOMPARE(shown.list.itemCount(), 1);
    device()->removeInput(1);
    shown.list.initListWidgetItem(device()->weak_from_this());
    QCOMPARE(shown.list.itemCount(), 0);
    QCOMPARE(shown.list.hiddenContentButtonCount(), 1);
    QLabel* tip = tipLabel(shown.list, InputTip);
    QVERIFY(tip);
    QTRY_VERIFY(tip->isVisible());
}

void tst_InputList::tipIsSetAtConstruction()
{
    InputDetailVListWidget list;
    QVERIFY2(tipLabel(list, InputTip), "an empty list must not show an empty tip");
}

void tst_InputList::expiredDeviceEmptiesList()
{
    addInput(1);
    addInput(2);
    InputDetailVListWidget list;
    auto weak = device()->weak_from_this();
    list.initListWidgetItem(weak);
    QCOMPARE(list.itemCount(), 2);
    Vireo::Fixture::removeActiveDevice();
    list.initListWidgetItem(weak);
    QCOMPARE(list.itemCount(), 0);
    QCOMPARE(list.hiddenContentButtonCount(), 2);
    QVERIFY(list.currentDevice().expired());
}

void tst_InputList::unchangedRebuildCreatesNoWidget()
{
    for (quint32 key : {3u, 1u, 2u})
        addInput(key);
    InputDetailVListWidget list;
    list.initListWidgetItem(device()->weak_from_this());
    const auto before = buttonsOf(list);
    const int children = list.findChildren<InputListContentButton*>().size();
    list.initListWidgetItem(device()->weak_from_this());
    QCOMPARE(list.findChildren<InputListContentButton*>().size(), children);
    QCOMPARE(buttonsOf(list), before);
    QCOMPARE(indexTexts(list), (QStringList {"2", "3", "4"}));
}

void tst_InputList::shrinkHidesThenReuses()
{
    for (quint32 key : {1u, 2u, 3u, 4u})
        addInput(key);
    InputDetailVListWidget list;
    list.initListWidgetItem(device()->weak_from_this());
    QCOMPARE(list.findChildren<InputListContentButton*>().size(), 4);

    device()->setInputListed(3, false);
    device()->setInputListed(4, false);
    list.initListWidgetItem(device()->weak_from_this());
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
    list.initListWidgetItem(device()->weak_from_this());
    QCOMPARE(indexTexts(list), (QStringList {"2", "3", "4", "5", "6"}));
    QCOMPARE(list.hiddenContentButtonCount(), 0);
    QCOMPARE(list.findChildren<InputListContentButton*>().size(), 5);
}

void tst_InputList::reusedButtonsAreNotConnectedTwice()
{
    addInput(1);
    addInput(2);
    InputDetailVListWidget list;
    list.initListWidgetItem(device()->weak_from_this());
    device()->setInputListed(2, false);
    list.initListWidgetItem(device()->weak_from_this());
    device()->setInputListed(2, true);
    list.initListWidgetItem(device()->weak_from_this());
    list.initListWidgetItem(device()->weak_from_this());

    LogCatcher log;
    for (InputListContentButton* button : buttonsOf(list)) {
        press(button);
        Vireo::Test::sendMouse(
            button, QEvent::MouseButtonRelease, button->rect().center(), Qt::LeftButton, Qt::NoButton);
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

    const QString rate = Helper::formatFramerate(QSize(3840, 2160), 59.94f, true);
    QTest::newRow("signal") << true << false << "signal" << rate << true;
    QTest::newRow("overload") << true << true << "overLoad"
                              << "Bandwidth Exceeded" << false;
    QTest::newRow("no signal") << false << false << "unSignal"
                               << "No Signal" << false;
    QTest::newRow("no signal, overload flag") << false << true << "unSignal"
                                              << "No Signal" << false;
}

void tst_InputList::styleFollowsSignalAfterRebuild()
{
    // The host's sheet colours the signal text by its state; a rebuild that changes the state must
    // re-apply the sheet, one that changes nothing must leave the look as it is.
    QWidget host;
    host.setStyleSheet(QStringLiteral("QLabel[isSignalStatus=\"unSignal\"] { color: #ff0000; }"
                                      "QLabel[isSignalStatus=\"signal\"] { color: #00ff00; }"));
    Input& input = addInput(2, false);
    auto* list = new InputDetailVListWidget(&host);
    host.show();
    list->initListWidgetItem(device()->weak_from_this());
    QLabel* label = signalLabel(buttonsOf(*list).value(0));
    QVERIFY(label);
    QTRY_COMPARE(label->palette().color(QPalette::WindowText), QColor(0xff, 0, 0));

    list->initListWidgetItem(device()->weak_from_this());
    QCoreApplication::processEvents();
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0xff, 0, 0));

    input.setActive(true);
    list->initListWidgetItem(device()->weak_from_this());
    QCOMPARE(signalLabel(buttonsOf(*list).value(0)), label);
    QTRY_COMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0xff, 0));
}

void tst_InputList::signalStates()
{
    QFETCH(bool, active);
    QFETCH(bool, overLoad);
    QFETCH(QString, status);
    QFETCH(QString, text);
    QFETCH(bool, captureEnabled);

    Input& input = addInput(6, active, QStringLiteral("Camera"));
    input.setOverLoad(overLoad);
    input.setSignal(QSize(3840, 2160), 59.94f, true);
    input.setCapacity(Enum::Interface::_4K);
    input.setPositionName(QStringLiteral("S2-3"));
    InputDetailVListWidget list;
    list.initListWidgetItem(device()->weak_from_this());

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
    QCOMPARE(labelWith(button, "isInterfaceName")->toolTip(), QStringLiteral("Camera"));

    QStringList slotTexts;
    for (QLabel* label : button->findChildren<QLabel*>()) {
        if (label->property("isInterfaceSlot").toBool())
            slotTexts << label->text();
    }
    QVERIFY(slotTexts.contains(QStringLiteral("S2-3")));
    QVERIFY(slotTexts.contains(input.connectorShortType()));
}

void tst_InputList::retranslateKeepsSignalTexts()
{
    addInput(1, false);
    addInput(2, true).setOverLoad(true);
    addInput(3, true);
    InputDetailVListWidget list;
    list.initListWidgetItem(device()->weak_from_this());
    list.retranslateUi();
    QStringList texts;
    for (InputListContentButton* button : buttonsOf(list))
        texts << signalLabel(button)->text();
    QCOMPARE(texts,
        (QStringList {"Bandwidth Exceeded", Helper::formatFramerate(QSize(1920, 1080), 60.f, false), "No Signal"}));
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
    InputDetailVListWidget list;
    list.initListWidgetItem(device()->weak_from_this());
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

void tst_InputList::expiredInputEmptiesButton()
{
    addInput(4, true, QStringLiteral("Gone soon"));
    InputDetailVListWidget list;
    list.initListWidgetItem(device()->weak_from_this());
    InputListContentButton* button = buttonsOf(list).value(0);
    QVERIFY(button);
    device()->removeInput(4);
    button->updateUIFromData();
    QCOMPARE(button->inputKeyNo(), 0xFFFFFFFFu);
    QCOMPARE(labelWith(button, "isInterfaceKeyNo")->text(), QString());
    QCOMPARE(labelWith(button, "isInterfaceName")->toolTip(), QString());
    QCOMPARE(signalLabel(button)->text(), QString());
    QCOMPARE(signalLabel(button)->property("isSignalStatus").toString(), QStringLiteral("unSignal"));
    QVERIFY(!labelWith(button, "isInterfaceName")->property("isHasSignal").toBool());
    button->retranslateUi();
    QCOMPARE(signalLabel(button)->text(), QString());
}

// One button through every signal look and back, as updates and reuse take it: the labels'
// properties must follow each change, not only the first.
void tst_InputList::signalLookFollowsEveryChange()
{
    Input& input = addInput(3, true, QStringLiteral("Camera"));
    InputDetailVListWidget list;
    list.initListWidgetItem(device()->weak_from_this());
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
    button->setInput(device()->weak_from_this(), std::weak_ptr<Input>());
    expectLook("unSignal", false);
    button->setInput(device()->weak_from_this(), device()->findInput(3));
    expectLook("signal", true);
}

void tst_InputList::longNameIsElided()
{
    const QString name = QStringLiteral("A very long input name that cannot fit in the name column at all");
    addInput(1, true, name);
    InputDetailVListWidget list;
    list.initListWidgetItem(device()->weak_from_this());
    QLabel* label = labelWith(buttonsOf(list).value(0), "isInterfaceName");
    QCOMPARE(label->toolTip(), name);
    QVERIFY(label->text() != name);
    QVERIFY(!label->text().isEmpty());
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= 125);
}

void tst_InputList::videoRefreshReadsEachShownButtonOnce()
{
    for (quint32 key : {1u, 2u, 3u, 4u, 5u})
        addInput(key);
    QList<quint32> reads;
    InputDetailVListWidget list;
    auto callback = [&reads](std::weak_ptr<Input> input, QImage& frame, bool) {
        if (auto in = input.lock())
            reads << in->interfaceId();
        frame = QImage(4, 4, QImage::Format_RGB32);
        frame.fill(Qt::red);
        return true;
    };
    list.initListWidgetItem(device()->weak_from_this(), callback);
    device()->setInputListed(4, false);
    device()->setInputListed(5, false);
    list.initListWidgetItem(device()->weak_from_this(), callback);

    reads.clear();
    list.updateInputVideo();
    QCOMPARE(reads, (QList<quint32> {1, 2, 3}));
    auto* video = buttonsOf(list).value(0)->findChild<Vireo::Widgets::VideoPreviewWidget*>();
    QCOMPARE(video->getVideoFrame().pixelColor(0, 0), QColor(Qt::red));
}

void tst_InputList::reusedButtonsTakeTheCurrentCallback()
{
    addInput(1);
    addInput(2);
    int first = 0;
    int second = 0;
    InputDetailVListWidget list;
    list.initListWidgetItem(device()->weak_from_this(), [&first](std::weak_ptr<Input>, QImage&, bool) {
        ++first;
        return true;
    });
    list.initListWidgetItem(device()->weak_from_this(), [&second](std::weak_ptr<Input>, QImage&, bool) {
        ++second;
        return true;
    });
    first = 0;
    second = 0;
    list.updateInputVideo();
    QCOMPARE(first, 0);
    QCOMPARE(second, 2);
}

void tst_InputList::videoRefreshDuringRebuildDoesNothing()
{
    addInput(1);
    addInput(2);
    addInput(3);
    InputDetailVListWidget list;
    int reads = 0;
    int nested = 0;
    list.initListWidgetItem(device()->weak_from_this(), [&](std::weak_ptr<Input>, QImage&, bool) {
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
    list.initListWidgetItem(device()->weak_from_this(), [](std::weak_ptr<Input>, QImage&, bool) { return true; });
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
    InputDetailVListWidget list;
    list.initListWidgetItem(device()->weak_from_this());
    InputListContentButton* button = buttonsOf(list).value(0);
    QSignalSpy pressed(button, &InputListContentButton::inputPressed);
    QSignalSpy released(button, &InputListContentButton::inputReleased);
    QSignalSpy doubled(button, &InputListContentButton::inputDoubleClicked);
    const QPoint pos(5, 5);
    Vireo::Test::sendMouse(button, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    Vireo::Test::sendMouse(button, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    Vireo::Test::sendMouse(button, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).toUInt(), 8u);
    QCOMPARE(released.count(), 1);
    QCOMPARE(released.at(0).at(0).toUInt(), 8u);
    // A double click is not a second press.
    QCOMPARE(doubled.count(), 1);
    QCOMPARE(doubled.at(0).at(0).toUInt(), 8u);

    device()->removeInput(8);
    Vireo::Test::sendMouse(button, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    Vireo::Test::sendMouse(button, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    Vireo::Test::sendMouse(button, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(released.count(), 1);
    QCOMPARE(doubled.count(), 1);
}

void tst_InputList::setContentButtonEnabled()
{
    addInput(1);
    addInput(2);
    InputDetailVListWidget list;
    list.initListWidgetItem(device()->weak_from_this());
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
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("key 0") << 0u << QByteArray("0");
    QTest::newRow("key 7") << 7u << QByteArray("7");
    QTest::newRow("key 65536") << 65536u << QByteArray("\x36\x35\x35\x33\x36", 5);
}

void tst_InputList::dragPayload()
{
    QFETCH(quint32, key);
    QFETCH(QByteArray, payload);

    addInput(key, true, QStringLiteral("Stage left"));
    addInput(key + 1);
    ShownList shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.list));
    InputListContentButton* button = shown.list.findContentButton(key);
    QVERIFY(button);

    press(button);
    moveOutLeft(shown.list);
    const QList<QDrag*> drags = dragsOf(shown.list);
    QCOMPARE(drags.size(), 1);
    const QMimeData* mime = drags.at(0)->mimeData();
    QVERIFY(mime);
    QCOMPARE(mime->text(), QStringLiteral("Stage left"));
    QCOMPARE(mime->data(QLatin1String(Vireo::Constants::MimeTypeInputKeyNo)), payload);
    const QPixmap picture = drags.at(0)->pixmap();
    QCOMPARE(picture.size(), button->size());
    const QPoint centre(picture.width() / 2, picture.height() / 2);
    QCOMPARE(drags.at(0)->hotSpot(), centre);
    const QByteArray hotSpot = mime->data(QLatin1String(Vireo::Constants::MimeTypeDragHotSpot));
    QCOMPARE(hotSpot.size(), 8);
    QCOMPARE(hotSpotFrom(hotSpot), centre);
    // The button is translucent in the picture.
    QCOMPARE(picture.toImage().pixelColor(centre).alpha(), 200);
}

void tst_InputList::dragPictureSize()
{
    // The input list never changes its drag size: a fresh list keeps the button's size (0 x 0 rule),
    // never the (-1, -1) of a default QSize.
    addInput(2);
    ShownList shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.list));
    InputListContentButton* button = shown.list.findContentButton(2);
    press(button);
    moveOutLeft(shown.list);
    QCOMPARE(dragsOf(shown.list).size(), 1);
    QCOMPARE(dragsOf(shown.list).at(0)->pixmap().size(), QSize(280, 82));
}

void tst_InputList::customDragHasZeroHotSpot()
{
    addInput(3);
    ShownList shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.list));
    shown.list.setCustomDarg(true);
    press(shown.list.findContentButton(3));
    moveOutLeft(shown.list);
    const QList<QDrag*> drags = dragsOf(shown.list);
    QCOMPARE(drags.size(), 1);
    QVERIFY(drags.at(0)->pixmap().isNull());
    QCOMPARE(drags.at(0)->mimeData()->data(QLatin1String(Vireo::Constants::MimeTypeDragHotSpot)), QByteArray(8, '\0'));
    QCOMPARE(drags.at(0)->mimeData()->data(QLatin1String(Vireo::Constants::MimeTypeInputKeyNo)), QByteArray("3"));
}

void tst_InputList::dragAfterWanderingInsideTheStrip()
{
    addInput(1);
    addInput(2);
    ShownList shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.list));
    InputListContentButton* first = shown.list.findContentButton(1);
    InputListContentButton* second = shown.list.findContentButton(2);
    press(first);
    // Over the second button, still inside the strip: no drag yet, the press is kept.
    const QPoint overSecond = second->mapTo(&shown.list, second->rect().center());
    Vireo::Test::sendMouse(&shown.list, QEvent::MouseMove, overSecond, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(dragsOf(shown.list).size(), 0);
    moveOutLeft(shown.list);
    QCOMPARE(dragsOf(shown.list).size(), 1);
    QCOMPARE(dragsOf(shown.list).at(0)->mimeData()->data(QLatin1String(Vireo::Constants::MimeTypeInputKeyNo)),
        QByteArray("1"));
}

void tst_InputList::noDragThroughAnEdgeThatIsNotAllowed()
{
    addInput(1);
    ShownList shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.list));
    shown.list.setAllowDragEdge(Qt::RightEdge);
    press(shown.list.findContentButton(1));
    moveOutLeft(shown.list);
    QCOMPARE(dragsOf(shown.list).size(), 0);
    const QPoint right(shown.list.width() + 20, 40);
    Vireo::Test::sendMouse(&shown.list, QEvent::MouseMove, right, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(dragsOf(shown.list).size(), 1);
}

void tst_InputList::vanishedInputWarnsAndDoesNotDrag()
{
    addInput(5);
    addInput(6);
    ShownList shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.list));
    press(shown.list.findContentButton(5));
    device()->removeInput(5);
    QTest::ignoreMessage(QtWarningMsg, "input model is nullptr, input id is 5");
    moveOutLeft(shown.list);
    QCOMPARE(dragsOf(shown.list).size(), 0);

    // The press is spent: nothing more is attempted or logged.
    LogCatcher log;
    moveOutLeft(shown.list);
    QCOMPARE(log.warnings(), QStringList());
    QCOMPARE(dragsOf(shown.list).size(), 0);
}

void tst_InputList::expiredDeviceWarnsAndDoesNotDrag()
{
    addInput(5);
    ShownList shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.list));
    press(shown.list.findContentButton(5));
    Vireo::Fixture::removeActiveDevice();
    QTest::ignoreMessage(QtWarningMsg, "device model is nullptr.");
    moveOutLeft(shown.list);
    QCOMPARE(dragsOf(shown.list).size(), 0);
}

void tst_InputList::movesAfterADragLogNothing()
{
    addInput(9);
    ShownList shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.list));
    press(shown.list.findContentButton(9));
    moveOutLeft(shown.list);
    QCOMPARE(dragsOf(shown.list).size(), 1);

    LogCatcher log;
    moveOutLeft(shown.list);
    Vireo::Test::sendMouse(&shown.list, QEvent::MouseMove, QPoint(-40, 60), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(log.warnings(), QStringList());
    QCOMPARE(dragsOf(shown.list).size(), 1);
}

void tst_InputList::releasedPressDoesNotDrag()
{
    addInput(9);
    ShownList shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.list));
    InputListContentButton* button = shown.list.findContentButton(9);
    press(button);
    Vireo::Test::sendMouse(button, QEvent::MouseButtonRelease, button->rect().center(), Qt::LeftButton, Qt::NoButton);
    LogCatcher log;
    moveOutLeft(shown.list);
    QCOMPARE(dragsOf(shown.list).size(), 0);
    QCOMPARE(log.warnings(), QStringList());
}

// The first press's release never came; the next press lands on another input's capture button,
// which takes it for itself. A move out must not drag the first input.
void tst_InputList::pressOnACaptureButtonEndsThePress()
{
    addInput(1);
    addInput(2);
    ShownList shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.list));
    auto* capture = shown.list.findContentButton(2)->findChild<QToolButton*>(QStringLiteral("buttonCapture"));
    QVERIFY(capture);
    press(shown.list.findContentButton(1));
    press(capture);
    moveOutLeft(shown.list);
    QCOMPARE(dragsOf(shown.list).size(), 0);
}

void tst_InputList::disabledDragForgetsThePress()
{
    addInput(4);
    ShownList shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.list));
    shown.list.isEnableDrag(false);
    press(shown.list.findContentButton(4));
    moveOutLeft(shown.list);
    QCOMPARE(dragsOf(shown.list).size(), 0);

    // Re-enabling drags later must not drag that old press.
    shown.list.isEnableDrag(true);
    LogCatcher log;
    moveOutLeft(shown.list);
    QCOMPARE(dragsOf(shown.list).size(), 0);
    QCOMPARE(log.warnings(), QStringList());

    // A new press drags again.
    press(shown.list.findContentButton(4));
    moveOutLeft(shown.list);
    QCOMPARE(dragsOf(shown.list).size(), 1);
}

// The pressed input vanishes, so its button reports no release; the input comes back and the host
// rebuilds. A later press beside the buttons and a move out must not drag it.
void tst_InputList::unreportedReleaseLeavesNoPressBehind()
{
    addInput(0);
    addInput(1);
    ShownList shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.list));
    InputListContentButton* button = shown.list.findContentButton(0);
    QSignalSpy released(button, &InputListContentButton::inputReleased);
    press(button);
    device()->removeInput(0);
    Vireo::Test::sendMouse(button, QEvent::MouseButtonRelease, button->rect().center(), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(released.count(), 0);
    addInput(0);
    shown.list.initListWidgetItem(device()->weak_from_this());

    const QPoint beside(150, shown.list.height() - 5);
    Vireo::Test::sendMouse(&shown.list, QEvent::MouseButtonPress, beside, Qt::LeftButton, Qt::LeftButton);
    LogCatcher log;
    moveOutLeft(shown.list);
    Vireo::Test::sendMouse(&shown.list, QEvent::MouseButtonRelease, QPoint(-20, 40), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(dragsOf(shown.list).size(), 0);
    QCOMPARE(log.warnings().filter(QStringLiteral("input model")), QStringList());

    // A real press on the input that came back drags it.
    press(shown.list.findContentButton(0));
    moveOutLeft(shown.list);
    QCOMPARE(dragsOf(shown.list).size(), 1);
}

QTEST_MAIN(tst_InputList)
#include "tst_inputlist.moc"
