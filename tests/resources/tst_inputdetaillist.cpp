#include "common/testsupport.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/resources/inputdetailvlistwidget.h>

#include <vireomodel/fixture.h>
#include <vireomodel/helper.h>
#include <vireomodel/vireomodel.h>

#include <QFrame>
#include <QLabel>
#include <QLoggingCategory>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

using namespace Vireo::BizModel;
using Vireo::ProtoModel::File::s_CreateImageFile;
using Vireo::Widgets::InputDetailContentButton;
using Vireo::Widgets::InputDetailVListWidget;
using Vireo::Widgets::InputGeneralContentButton;
using Vireo::Widgets::InputListContentButton;
using Vireo::Widgets::InputSampleContentButton;

namespace {

Device* device()
{
    return Vireo::Fixture::activeDevice();
}

std::weak_ptr<Device> weakDevice()
{
    return device()->weak_from_this();
}

// Inputs sit on slot 1 (index 0) of a sub-card, connectors numbered from the key.
Input& addInput(quint32 key, bool active = true)
{
    const Vireo::ProtoModel::s_InterfaceID id {0, int(key), 0};
    Input& input = device()->addInput(key, id, Enum::Interface::HDMI_2_0, QStringLiteral("In %1").arg(key + 1));
    input.setActive(active);
    input.setSignal(QSize(1920, 1080), 50.f, false);
    return input;
}

using Vireo::Test::labelWith;

QStringList indexTexts(const InputDetailVListWidget& list)
{
    QStringList texts;
    for (QAbstractButton* button : list.getContentButtons())
        texts << labelWith(button, "isInterfaceKeyNo")->text();
    return texts;
}

QToolButton* captureButton(QWidget* button)
{
    return button->findChild<QToolButton*>(QStringLiteral("buttonCapture"));
}

// A list of the active device's inputs, built at once.
struct BuiltList : InputDetailVListWidget
{
    BuiltList() { initListWidgetItem(weakDevice()); }
};

QString captureBase(quint32 key)
{
    return QStringLiteral("%1-%2-Capture")
        .arg(Helper::getSlotDescription(device()->modelId(), 0, false), QString::number(key + 1));
}

} // namespace

class tst_InputDetailList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void listSetUp();
    void buttonLooks();
    void sampleSignalStyle();
    void signalLossMovesButtonDown();
    void signalChangeWithStaleButtonsIsRefused();
    void updateSingleButton();

    void captureNames_data();
    void captureNames();
    void captureRefusals_data();
    void captureRefusals();
    void captureOfARebuiltButtonCapturesNothing();
};

void tst_InputDetailList::initTestCase()
{
    qRegisterMetaType<s_CreateImageFile>();
}

void tst_InputDetailList::init()
{
    Vireo::Fixture::reset();
    Vireo::Fixture::makeActiveDevice();
    device()->addSubCard(0, 0x2233);
}

void tst_InputDetailList::listSetUp()
{
    InputDetailVListWidget list;
    QCOMPARE(list.orientation(), Qt::Vertical);
    for (const char* property : {"NaviButtonAdd", "NaviButtonClear"}) {
        int found = 0;
        for (QToolButton* button : list.findChildren<QToolButton*>()) {
            if (button->property(property).toBool()) {
                QVERIFY(button->isHidden());
                ++found;
            }
        }
        QCOMPARE(found, 1);
    }
    QCOMPARE(list.contentScrollArea()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    // The previous and next buttons sit in the bottom bar below a level-1 separator.
    int fixedNavi = 0;
    for (QToolButton* button : list.findChildren<QToolButton*>()) {
        if (button->property("NaviButton").toBool() && !button->isHidden() && button->size() == QSize(52, 52))
            ++fixedNavi;
    }
    QCOMPARE(fixedNavi, 2);
    int separators = 0;
    for (QFrame* line : list.findChildren<QFrame*>()) {
        if (line->property(CUSTOM_PROPERTY_LEVEL1_SEPARATOR).toBool() && line->parentWidget() != nullptr &&
            line->parentWidget()->maximumHeight() == 64)
            ++separators;
    }
    QCOMPARE(separators, 1);
}

void tst_InputDetailList::buttonLooks()
{
    addInput(2);
    auto dev = weakDevice();
    InputDetailContentButton detail(dev, device()->findInput(2), {});
    InputGeneralContentButton general(dev, device()->findInput(2), {});
    InputSampleContentButton sample(dev, device()->findInput(2), {});

    // A new button reads its first frame once.
    int reads = 0;
    const auto count = [&reads](std::weak_ptr<Vireo::BizModel::Input>, QImage&, bool) { return ++reads > 0; };
    InputDetailContentButton reading(dev, device()->findInput(2), count);
    QCOMPARE(reads, 1);

    QCOMPARE(detail.sizeHint(), QSize(280, 82));
    QCOMPARE(detail.size(), QSize(280, 82));
    QVERIFY(!detail.isCheckable());
    QVERIFY(captureButton(&detail) && !captureButton(&detail)->isHidden());

    QCOMPARE(general.sizeHint(), QSize(370, 120));
    QCOMPARE(general.size(), QSize(370, 120));
    QVERIFY(general.isCheckable());
    QVERIFY(general.property("isInterfaceGeneralButton").toBool());

    QCOMPARE(sample.sizeHint(), QSize(160, 80));
    QCOMPARE(sample.size(), QSize(160, 80));
    QVERIFY(sample.isCheckable());
    QVERIFY(sample.property("navigationbarlistindexes").toBool());
    QLabel* name = labelWith(&sample, "isInterfaceName");
    QVERIFY(!name->isHidden());
    QVERIFY(!name->property("isChecked").toBool());
    QVERIFY(!name->property("isHasSignal").toBool());
    QVERIFY(labelWith(&sample, "isInterfaceRadio")->isHidden());

    // Checking a button shows on its name.
    sample.setChecked(true);
    QVERIFY(name->property("isChecked").toBool());
    sample.setChecked(false);
    QVERIFY(!name->property("isChecked").toBool());

    // Laid out and shown, a name that fits stays whole.
    sample.show();
    QCoreApplication::processEvents();
    QCOMPARE(name->text(), device()->findInput(2).lock()->name());
}

void tst_InputDetailList::sampleSignalStyle()
{
    addInput(1, true);
    InputSampleContentButton sample(weakDevice(), device()->findInput(1), {});
    QLabel* name = labelWith(&sample, "isInterfaceName");
    sample.updateUIStyleSheet();
    QVERIFY(name->property("isHasSignal").toBool());
    device()->findInput(1).lock()->setActive(false);
    sample.updateUIStyleSheet();
    QVERIFY(!name->property("isHasSignal").toBool());

    // Every update sets the name's signal property from the input, whatever the style refresh or
    // the constructor set before.
    device()->findInput(1).lock()->setActive(true);
    sample.updateUIFromData();
    QVERIFY(name->property("isHasSignal").toBool());
    sample.updateUIStyleSheet();
    device()->findInput(1).lock()->setActive(false);
    sample.updateUIFromData();
    QVERIFY(!name->property("isHasSignal").toBool());
    device()->findInput(1).lock()->setActive(true);
    InputSampleContentButton fresh(weakDevice(), device()->findInput(1), {});
    QLabel* freshName = labelWith(&fresh, "isInterfaceName");
    QVERIFY(!freshName->property("isHasSignal").toBool());
    fresh.updateUIFromData();
    QVERIFY(freshName->property("isHasSignal").toBool());

    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
    device()->removeInput(1);
    QTest::ignoreMessage(QtDebugMsg, "The input is null");
    sample.updateUIStyleSheet();
    QVERIFY(!name->property("isHasSignal").toBool());
}

void tst_InputDetailList::signalLossMovesButtonDown()
{
    for (quint32 key : {1u, 2u, 3u, 4u})
        addInput(key);
    BuiltList list;
    QCOMPARE(indexTexts(list), (QStringList {"2", "3", "4", "5"}));
    const int children = list.findChildren<InputListContentButton*>().size();

    auto input = device()->findInput(3);
    input.lock()->setActive(false);
    list.slotInterfaceSignalChanged(weakDevice(), input);
    QCOMPARE(indexTexts(list), (QStringList {"2", "3", "5", "4"}));
    QCOMPARE(labelWith(list.findContentButton(3), "isInterfaceRadio")->text(), QStringLiteral("No Signal"));
    QCOMPARE(list.findChildren<InputListContentButton*>().size(), children);

    // Regaining the signal puts it back in key order.
    input.lock()->setActive(true);
    list.slotInterfaceSignalChanged(weakDevice(), input);
    QCOMPARE(indexTexts(list), (QStringList {"2", "3", "4", "5"}));
    QCOMPARE(list.itemCount(), 4);
}

void tst_InputDetailList::signalChangeWithStaleButtonsIsRefused()
{
    addInput(1);
    addInput(2);
    BuiltList list;
    addInput(0);
    auto input = device()->findInput(2);
    input.lock()->setActive(false);
    QTest::ignoreMessage(
        QtWarningMsg, "error: content button count is error. existContentButtons: 2 validInputs count:3");
    list.slotInterfaceSignalChanged(weakDevice(), input);
    QCOMPARE(indexTexts(list), (QStringList {"2", "3"}));
    // The changed button itself is still refreshed.
    QCOMPARE(labelWith(list.findContentButton(2), "isInterfaceRadio")->text(), QStringLiteral("No Signal"));
}

void tst_InputDetailList::updateSingleButton()
{
    addInput(1);
    BuiltList list;
    device()->findInput(1).lock()->setName(QStringLiteral("Renamed"));
    list.updateInputListContentButton(weakDevice(), device()->findInput(1));
    QCOMPARE(labelWith(list.findContentButton(1), "isInterfaceName")->toolTip(), QStringLiteral("Renamed"));
    // An expired interface changes nothing.
    list.updateInputListContentButton(weakDevice(), std::weak_ptr<Interface>());
    QCOMPARE(list.itemCount(), 1);
}

void tst_InputDetailList::captureNames_data()
{
    QTest::addColumn<bool>("otherCard");
    QTest::addColumn<int>("existing");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("none yet") << false << 0 << "01";
    QTest::newRow("two taken") << false << 2 << "03";
    QTest::newRow("nine taken") << false << 9 << "10";
    QTest::newRow("ten taken") << false << 10 << "11";
    QTest::newRow("key 70000 on the second card") << true << 0 << "01";
}

// One click on a capture button: one request, named after the slot and the connector, for a
// temporary file taken from the input.
void tst_InputDetailList::captureNames()
{
    QFETCH(bool, otherCard);
    QFETCH(int, existing);
    QFETCH(QString, suffix);

    addInput(1);
    quint32 key = 1;
    QString base = captureBase(1);
    if (otherCard) {
        device()->addSubCard(1, 0x4455);
        key = 70000;
        const Vireo::ProtoModel::s_InterfaceID id {1, 2, 0};
        device()
            ->addInput(key, id, Enum::Interface::HDMI_2_0, QStringLiteral("Far"))
            .setSignal(QSize(1280, 720), 60.f, false);
        base = QStringLiteral("%1-3-Capture").arg(Helper::getSlotDescription(device()->modelId(), 1, false));
    }
    for (int n = 1; n <= existing; ++n)
        device()->addFile(Enum::File::BKG, 100 + n, base + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
    // A picture of another file type with the next name does not count.
    device()->addFile(Enum::File::LOGO, 99, base + QStringLiteral("%1").arg(existing + 1, 2, 10, QLatin1Char('0')));

    BuiltList list;
    auto* button = qobject_cast<InputDetailContentButton*>(list.findContentButton(key));
    QVERIFY(button);
    QSignalSpy clicked(button, &InputDetailContentButton::signalCaptureButtonClicked);
    QSignalSpy spy(DeviceList::instance(), &DeviceList::signalCaptureImage);
    QTest::mouseClick(captureButton(button), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(spy.count(), 1);
    const s_CreateImageFile record = spy.at(0).at(0).value<s_CreateImageFile>();
    QCOMPARE(QString::fromStdString(record.general.name), base + suffix);
    QCOMPARE(record.source.id, key);
    QCOMPARE(record.source.type, int(Enum::File::InputCapture));
    QCOMPARE(record.source.zoomRatio, 1);
    QCOMPARE(record.fileId, 0);
    QCOMPARE(record.fileType, int(Enum::File::TempFile));
    QVERIFY(record.binaryData.empty());
}

void tst_InputDetailList::captureRefusals_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("byMouse");
    const QString notActive = QStringLiteral("Capture input failed: input is not active or overload.");
    const QString noSubCard = QStringLiteral("Capture input failed: no sub-card in the input's slot.");
    // A click by mouse, and the button's clicked() with no press behind it (as the host's click()).
    for (const bool byMouse : {true, false}) {
        const char* how = byMouse ? "" : ", clicked without a press";
        QTest::addRow("signal lost%s", how) << "inactive" << notActive << byMouse;
        QTest::addRow("overloaded%s", how) << "overload" << notActive << byMouse;
        QTest::addRow("input removed%s", how) << "removed" << notActive << byMouse;
        QTest::addRow("no sub-card%s", how) << "nosubcard" << noSubCard << byMouse;
        QTest::addRow("no active device%s", how) << "nodevice" << QStringLiteral("The device is null") << byMouse;
    }
}

void tst_InputDetailList::captureRefusals()
{
    QFETCH(QString, change);
    QFETCH(QString, warning);
    QFETCH(bool, byMouse);

    addInput(1);
    BuiltList list;
    QToolButton* capture = captureButton(list.findContentButton(1));
    QVERIFY(capture->isEnabled());

    // The model changes before the list hears of it: the button is still enabled.
    if (change == QLatin1String("inactive"))
        device()->findInput(1).lock()->setActive(false);
    else if (change == QLatin1String("overload"))
        device()->findInput(1).lock()->setOverLoad(true);
    else if (change == QLatin1String("removed"))
        device()->removeInput(1);
    else if (change == QLatin1String("nosubcard"))
        device()->removeSubCard(0);
    else
        DeviceList::instance()->setActivedDevice(std::weak_ptr<Device>());

    QSignalSpy spy(DeviceList::instance(), &DeviceList::signalCaptureImage);
    QTest::ignoreMessage(QtWarningMsg, warning.toUtf8().constData());
    if (byMouse)
        QTest::mouseClick(capture, Qt::LeftButton);
    else
        emit capture->clicked(false);
    QCOMPARE(spy.count(), 0);
}

// The pressed capture button's input is removed and the host rebuilds before the release: the
// button shows the next input by then, which the operator never asked to capture.
void tst_InputDetailList::captureOfARebuiltButtonCapturesNothing()
{
    addInput(1);
    addInput(2);
    BuiltList list;
    QAbstractButton* first = list.getContentButtons().at(0);
    QCOMPARE(labelWith(first, "isInterfaceKeyNo")->text(), QStringLiteral("2"));
    QToolButton* capture = captureButton(first);
    const QPoint centre = capture->rect().center();
    QSignalSpy spy(DeviceList::instance(), &DeviceList::signalCaptureImage);

    Vireo::Test::sendMouse(capture, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
    device()->removeInput(1);
    list.initListWidgetItem(weakDevice());
    QCOMPARE(list.getContentButtons().at(0), first);
    QCOMPARE(labelWith(first, "isInterfaceKeyNo")->text(), QStringLiteral("3"));
    QTest::ignoreMessage(QtWarningMsg, "Capture input failed: the button shows another input than the one pressed.");
    Vireo::Test::sendMouse(capture, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(spy.count(), 0);

    // A click of its own captures the input it shows, and so does a click with no press behind it.
    QTest::mouseClick(capture, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<s_CreateImageFile>().source.id, 2u);
    emit capture->clicked(false);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).value<s_CreateImageFile>().source.id, 2u);
}

QTEST_MAIN(tst_InputDetailList)
#include "tst_inputdetaillist.moc"
