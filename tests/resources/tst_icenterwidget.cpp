#include "common/testsupport.h"

#include <vireowidgets/resources/icenterwidget.h>
#include <vireowidgets/resources/takeoverpanelwidget.h>

#include <vireomodel/devicelist.h>
#include <vireomodel/fixture.h>
#include <vireomodel/parallelcontrol.h>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Vireo::BizModel;
using Vireo::ProtoModel::DeviceClientInfo;
using Vireo::Test::sendMouse;
using Vireo::Widgets::ICenterWidget;
using Vireo::Widgets::TakeOverPanelWidget;
namespace Fixture = Vireo::Fixture;
namespace ParallelControl = Vireo::ParallelControl;

Q_DECLARE_METATYPE(Vireo::ProtoModel::DeviceClientInfo)

namespace {

const QString StartRequest = QStringLiteral("ParallelManager::startParallelRequest");
const QString RefreshChannel = QStringLiteral("Device::refreshDeviceChannel");
const QString PleaseWait = QStringLiteral("Please wait...");
const QString Busy = QStringLiteral("The device is busy. Please try again later.");
const QString HeldText =
    QStringLiteral("The current device is already under control. If you want to operate, please click take over now.");
const QColor LiveButton(230, 112, 7);

DeviceClientInfo client(std::array<uint8_t, 4> ip, uint16_t port)
{
    DeviceClientInfo info;
    info.ip = ip;
    info.port = port;
    return info;
}

// A host page as a host writes one: the veil is up while another client holds the active device.
class HostPage : public ICenterWidget
{
public:
    using ICenterWidget::ICenterWidget;

    void updateTakeOverPanel() override
    {
        ++updates;
        if (!m_pTakeOverPanel)
            return;
        const auto device = DeviceList::instance()->activedDevice().lock();
        if (!device || device->isMasterControl()) {
            hideTakeOverPanel();
            return;
        }
        m_pTakeOverPanel->updateTipsText(false, m_readControlClientsTimes);
        m_pTakeOverPanel->updateIpListWidget();
        m_pTakeOverPanel->show();
    }

    void retranslateUi() override
    {
        ++retranslations;
        ICenterWidget::retranslateUi();
    }

    QTimer* clientsTimer() { return findChild<QTimer*>(QStringLiteral("readControlClientsTimer")); }

    int updates = 0;
    int retranslations = 0;
};

// The device reports that this client now controls it, as after a won take-over.
void reportMasterControl(bool master)
{
    auto device = DeviceList::instance()->activedDevice();
    if (auto locked = device.lock())
        locked->setMasterControl(master);
    emit DeviceList::instance()->signalDeviceMasterControlStatusChanged(device);
}

QColor buttonColour(TakeOverPanelWidget* panel)
{
    const QImage image = panel->grab().toImage();
    const QPointF probe = panel->takeOverButtonRect().topLeft() + QPointF(4, 4);
    return image.pixelColor(probe.toPoint());
}

} // namespace

class TestICenterWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pageBeforeAndAfterEntering();
    void veilGoesDuringAttempt_data();
    void veilGoesDuringAttempt();
    void panelLookAndTexts();
    void pictureAndButtonPlacement_data();
    void pictureAndButtonPlacement();
    void clientList_data();
    void clientList();
    void buttonRelease_data();
    void buttonRelease();
    void clientTimerFollowsThePanel();
    void takeOverSendsOneControlRequest();
    void liveDeviceGrantsControl();
    void failedTakeOver_data();
    void failedTakeOver();
    void noActiveDevice();
    void deviceVanishesWhileRequestPending_data();
    void deviceVanishesWhileRequestPending();
    void activeDeviceChangesDuringAttempt();

private:
    // Shows a page of 800 x 600 on a device held by another client, entered.
    void enterHeldPage();
    void clickButton();

    std::unique_ptr<HostPage> m_page;
    std::weak_ptr<Device> m_device;
};

void TestICenterWidget::init()
{
    Fixture::reset();
    m_device = Fixture::makeActiveDevice(QStringLiteral("Processor"));
    auto device = m_device.lock();
    device->setLocalAddress(QStringLiteral("10.0.0.5"), 5000);
    device->setClientControlList({client({10, 0, 0, 9}, 5000), client({10, 0, 0, 5}, 5000)});
    device->setMasterControl(false);
    m_page = std::make_unique<HostPage>("Page.Resources");
    m_page->resize(800, 600);
}

void TestICenterWidget::cleanup()
{
    m_page.reset();
    Fixture::reset();
}

void TestICenterWidget::enterHeldPage()
{
    m_page->show();
    m_page->enterWindow();
    QVERIFY(m_page->takeOverPanel());
    QVERIFY(m_page->takeOverPanel()->isVisible());
    Fixture::clearCommandLog();
}

void TestICenterWidget::clickButton()
{
    auto* panel = m_page->takeOverPanel();
    const QPoint centre = panel->takeOverButtonRect().center().toPoint();
    QTest::mouseClick(panel, Qt::LeftButton, {}, centre);
}

void TestICenterWidget::pageBeforeAndAfterEntering()
{
    QCOMPARE(m_page->id(), ZK::Utils::Id("Page.Resources"));
    QVERIFY(m_page->isLevave());
    QCOMPARE(m_page->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(m_page->getMaskRect(), QRect(0, 0, 800, 600));
    QCOMPARE(m_page->readControlClientsTimes(), -1);
    QVERIFY(!m_page->findChild<TakeOverPanelWidget*>());
    // The device list's signals reach the page's decision before any panel exists, harmlessly.
    const int before = m_page->updates;
    reportMasterControl(false);
    emit DeviceList::instance()->signalDeviceOnlineStatusChanged(m_device);
    QCOMPARE(m_page->updates, before + 2);
    m_page->setMode("Other");
    QCOMPARE(m_page->id(), ZK::Utils::Id("Page.Resources"));

    // Entering, even twice, makes one panel over the whole page.
    m_page->show();
    m_page->enterWindow();
    m_page->enterWindow();
    QVERIFY(!m_page->isLevave());
    const auto panels = m_page->findChildren<TakeOverPanelWidget*>();
    QCOMPARE(panels.size(), 1);
    QCOMPARE(panels.first()->parentWidget(), m_page.get());
    QCOMPARE(panels.first()->geometry(), QRect(0, 0, 800, 600));
    QVERIFY(panels.first()->isVisible());

    m_page->resize(1024, 700);
    QCOMPARE(panels.first()->geometry(), QRect(0, 0, 1024, 700));
}

void TestICenterWidget::veilGoesDuringAttempt_data()
{
    QTest::addColumn<bool>("won"); // else the page is left
    QTest::newRow("page left") << false;
    QTest::newRow("control won") << true;
}

void TestICenterWidget::veilGoesDuringAttempt()
{
    QFETCH(bool, won);
    enterHeldPage();
    clickButton();
    QCOMPARE(m_page->readControlClientsTimes(), 0);
    if (won) {
        // After a reading the device reports the new controller, then the request completes.
        m_page->readControlClientsTimerTimeout();
        Fixture::activeDevice()->setClientControlList({client({10, 0, 0, 5}, 5000)});
        reportMasterControl(true);
        QVERIFY(Fixture::completeParallelRequest(0, {true, QString(), 0}));
    } else {
        m_page->leaveWindow();
        QVERIFY(m_page->isLevave());
    }
    QVERIFY(!m_page->takeOverPanel()->isVisible());
    QCOMPARE(m_page->readControlClientsTimes(), -1);
    QVERIFY(!m_page->clientsTimer()->isActive());
    QCOMPARE(Fixture::commandNames(), QStringList {StartRequest});

    // Back on the page, or losing control later, brings the veil back with a live button and no
    // stale status: the earlier attempt is forgotten.
    if (won)
        reportMasterControl(false);
    else
        m_page->enterWindow();
    QVERIFY(m_page->takeOverPanel()->isVisible());
    QCOMPARE(m_page->takeOverPanel()->tipsText(), QString());
    QCOMPARE(buttonColour(m_page->takeOverPanel()), LiveButton);
}

void TestICenterWidget::panelLookAndTexts()
{
    enterHeldPage();
    auto* panel = m_page->takeOverPanel();
    QCOMPARE(panel->property("isControlFrame"), QVariant(true));
    QVERIFY(panel->testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(panel->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(panel->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!panel->isWindow());
    QCOMPARE(panel->btnText(), QStringLiteral("Take over"));
    QCOMPARE(panel->text(), HeldText);

    // A language change sets both texts again.
    panel->setText(QStringLiteral("Someone else is at the controls."));
    panel->setBtnText(QStringLiteral("Grab"));
    QCOMPARE(panel->btnText(), QStringLiteral("Grab"));
    const int before = m_page->retranslations;
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(m_page.get(), &change);
    QCOMPARE(m_page->retranslations, before + 1);
    QCOMPARE(panel->btnText(), QStringLiteral("Take over"));
    QCOMPARE(panel->text(), HeldText);

    // The page is dimmed: a corner far from everything drawn is black at alpha 200.
    const QImage image = panel->grab().toImage();
    QCOMPARE(image.pixelColor(2, 2), QColor(0, 0, 0, 200));
    QCOMPARE(buttonColour(panel), LiveButton);

    // During an attempt the button turns grey.
    clickButton();
    QCOMPARE(buttonColour(panel), QColor(52, 55, 59));
}

void TestICenterWidget::pictureAndButtonPlacement_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRectF>("button");

    // Panel 800 x 600: picture centred, its middle at a third of the height; the button hangs from
    // its bottom, 5 pixels right of centre.
    QTest::newRow("no picture file") << QSize() << QRectF(346, 200, 118, 40);
    QTest::newRow("200 x 100") << QSize(200, 100) << QRectF(346, 250, 118, 40);
    QTest::newRow("301 x 61, odd halves round down") << QSize(301, 61) << QRectF(345, 231, 118, 40);
}

void TestICenterWidget::pictureAndButtonPlacement()
{
    QFETCH(QSize, picture);
    QFETCH(QRectF, button);
    enterHeldPage();
    auto* panel = m_page->takeOverPanel();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("takeover.png"));
    if (picture.isValid()) {
        QImage image(picture, QImage::Format_ARGB32);
        image.fill(QColor(0, 200, 0));
        QVERIFY(image.save(path));
    }
    panel->setPixmapPath(path);
    QCOMPARE(panel->takeOverButtonRect(), button);
    if (picture.isValid()) {
        const QImage shot = panel->grab().toImage();
        const QPoint top((800 - picture.width()) / 2 + 1, 200 - picture.height() / 2 + 1);
        QCOMPARE(shot.pixelColor(top), QColor(0, 200, 0));
    }
    // A click on the placed button is a click.
    QSignalSpy clicked(panel, &TakeOverPanelWidget::signalTakeOverButtonClicked);
    QTest::mouseClick(panel, Qt::LeftButton, {}, button.center().toPoint());
    QCOMPARE(clicked.count(), 1);
}

void TestICenterWidget::clientList_data()
{
    QTest::addColumn<QList<DeviceClientInfo>>("clients");
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QList<bool>>("local");

    QTest::newRow("other and this client")
        << QList<DeviceClientInfo> {client({10, 0, 0, 9}, 5000), client({10, 0, 0, 5}, 5000)}
        << QStringList {"10.0.0.9:5000", "10.0.0.5:5000"} << QList<bool> {false, true};
    QTest::newRow("same address, other port") << QList<DeviceClientInfo> {client({10, 0, 0, 5}, 5001)}
                                              << QStringList {"10.0.0.5:5001"} << QList<bool> {false};
    QTest::newRow("address that only starts alike")
        << QList<DeviceClientInfo> {client({10, 0, 0, 50}, 5000), client({255, 255, 255, 255}, 65535)}
        << QStringList {"10.0.0.50:5000", "255.255.255.255:65535"} << QList<bool> {false, false};
    QTest::newRow("nobody") << QList<DeviceClientInfo> {} << QStringList {} << QList<bool> {};
}

void TestICenterWidget::clientList()
{
    QFETCH(QList<DeviceClientInfo>, clients);
    QFETCH(QStringList, addresses);
    QFETCH(QList<bool>, local);
    Fixture::activeDevice()->setClientControlList(clients);
    enterHeldPage();
    auto* panel = m_page->takeOverPanel();
    auto* list = panel->findChild<QListWidget*>();
    QVERIFY(list);
    QCOMPARE(list->property("isIpListWidget"), QVariant(true));
    QVERIFY(list->isVisible());
    QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(list->geometry(), QRect(800 - 252, 600 - 173, 252, 173));
    QCOMPARE(panel->clientInfoList().size(), clients.size());
    QCOMPARE(list->count(), addresses.size());
    for (int i = 0; i < list->count(); ++i) {
        QWidget* row = list->itemWidget(list->item(i));
        QVERIFY(row);
        QCOMPARE(row->size(), QSize(250, 42));
        QCOMPARE(list->item(i)->sizeHint(), QSize(250, 42));
        const auto labels = row->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 2);
        QCOMPARE(labels.at(0)->text(), addresses.at(i));
        QCOMPARE(labels.at(0)->width(), 180);
        QCOMPARE(labels.at(1)->width(), 50);
        QCOMPARE(labels.at(1)->text(), local.at(i) ? QStringLiteral("localIp") : QString());
        QCOMPARE(labels.at(0)->property("isCheckIpLabel").toBool(), local.at(i));
        QCOMPARE(labels.at(1)->property("isCheckIpLabel").toBool(), local.at(i));
    }

    // The list follows the device on the next reading, and sits in the corner of a resized page.
    Fixture::activeDevice()->setClientControlList({client({172, 16, 0, 1}, 6000)});
    m_page->resize(900, 500);
    m_page->readControlClientsTimerTimeout();
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->itemWidget(list->item(0))->findChild<QLabel*>()->text(), QStringLiteral("172.16.0.1:6000"));
    QCOMPARE(list->pos(), QPoint(900 - 252, 500 - 173));
}

void TestICenterWidget::buttonRelease_data()
{
    QTest::addColumn<QPoint>("press"); // from the button's top-left corner
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("state"); // the take-over state the page passed in
    QTest::addColumn<bool>("clicked");

    QTest::newRow("inside, no attempt") << QPoint(20, 20) << QPoint(30, 20) << -1 << true;
    QTest::newRow("release 10 px left of it") << QPoint(20, 20) << QPoint(-10, 20) << -1 << true;
    QTest::newRow("release 9 px below it") << QPoint(20, 20) << QPoint(20, 40 + 9) << -1 << true;
    QTest::newRow("release 12 px above it") << QPoint(20, 20) << QPoint(20, -12) << -1 << false;
    QTest::newRow("release 13 px right of it") << QPoint(20, 20) << QPoint(118 + 13, 20) << -1 << false;
    QTest::newRow("finger just outside") << QPoint(-6, -6) << QPoint(-6, -6) << -1 << true;
    QTest::newRow("press far away, release on it") << QPoint(-200, 20) << QPoint(20, 20) << -1 << false;
    QTest::newRow("attempt just requested") << QPoint(20, 20) << QPoint(20, 20) << 0 << false;
    QTest::newRow("one tick after the request") << QPoint(20, 20) << QPoint(20, 20) << 1 << true;
    QTest::newRow("two ticks after the request") << QPoint(20, 20) << QPoint(20, 20) << 2 << true;
}

void TestICenterWidget::buttonRelease()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(int, state);
    QFETCH(bool, clicked);

    TakeOverPanelWidget panel;
    panel.resize(800, 600);
    panel.show();
    panel.updateTipsText(false, state);
    QSignalSpy spy(&panel, &TakeOverPanelWidget::signalTakeOverButtonClicked);
    const QPoint origin = panel.takeOverButtonRect().topLeft().toPoint();
    sendMouse(&panel, QEvent::MouseButtonPress, origin + press, Qt::LeftButton, Qt::LeftButton);
    // A held button keeps its colour: only an attempt under way changes it.
    if (state != 0)
        QCOMPARE(buttonColour(&panel), LiveButton);
    sendMouse(&panel, QEvent::MouseMove, origin + release, Qt::NoButton, Qt::LeftButton);
    sendMouse(&panel, QEvent::MouseButtonRelease, origin + release, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(spy.count(), clicked ? 1 : 0);
    QCOMPARE(panel.tipsText(), clicked || state >= 0 ? PleaseWait : QString());
}

void TestICenterWidget::clientTimerFollowsThePanel()
{
    enterHeldPage();
    QTimer* timer = m_page->clientsTimer();
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 3000);

    m_page->takeOverPanel()->hide();
    QVERIFY(!timer->isActive());
    m_page->takeOverPanel()->show();
    QVERIFY(timer->isActive());

    // The device's state moves the page's decision: control won hides the veil and stops reading.
    reportMasterControl(true);
    QVERIFY(!m_page->takeOverPanel()->isVisible());
    QVERIFY(!timer->isActive());
    reportMasterControl(false);
    QVERIFY(m_page->takeOverPanel()->isVisible());
    QVERIFY(timer->isActive());

    m_page->stopReadControlClientsTimer();
    QVERIFY(!timer->isActive());
    m_page->startReadControlClientsTimer();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 3000);
}

void TestICenterWidget::takeOverSendsOneControlRequest()
{
    enterHeldPage();
    auto* panel = m_page->takeOverPanel();
    QSignalSpy spy(panel, &TakeOverPanelWidget::signalTakeOverButtonClicked);
    // The press and the state it leads to are logged.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, "Take over button clicked.");
    QTest::ignoreMessage(
        QtDebugMsg, "Take over: is master control 0, is takeover cmd execute finished 0, tips Please wait...");
    clickButton();
    QLoggingCategory::setFilterRules(QString());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(m_page->readControlClientsTimes(), 0);
    QCOMPARE(panel->tipsText(), PleaseWait);
    QVERIFY(m_page->clientsTimer()->isActive());

    QCOMPARE(Fixture::commandNames(), QStringList {StartRequest});
    QCOMPARE(Fixture::commandLog().at(0).args, QVariantList({QStringLiteral("Processor"), false}));
    QCOMPARE(Fixture::parallelRequestCount(), 1);
    QCOMPARE(Fixture::parallelRequest(0).device.lock(), m_device.lock());
    const auto task = Fixture::createParallelTask(0);
    auto* control = dynamic_cast<ParallelControl::ParallelControlDevice*>(task.get());
    QVERIFY(control);
    QCOMPARE(control->text(), QString());
    QCOMPARE(control->device().lock(), m_device.lock());

    // A second press while the request is just out sends nothing more.
    clickButton();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(Fixture::parallelRequestCount(), 1);
}

void TestICenterWidget::liveDeviceGrantsControl()
{
    // A device that answers by itself, as the gallery's simulated processor does.
    Fixture::setLiveMode(true);
    enterHeldPage();
    clickButton();
    QCOMPARE(m_page->takeOverPanel()->tipsText(), PleaseWait);
    QTRY_VERIFY(!m_page->takeOverPanel()->isVisible());
    QVERIFY(Fixture::activeDevice()->isMasterControl());
    const auto clients = Fixture::activeDevice()->clientControlList();
    QCOMPARE(clients.size(), 1);
    QCOMPARE(TakeOverPanelWidget::clientAddressText(clients.first()), QStringLiteral("10.0.0.5:5000"));
    QCOMPARE(m_page->readControlClientsTimes(), -1);
    QCOMPARE(Fixture::commandNames(), QStringList {StartRequest});
}

void TestICenterWidget::failedTakeOver_data()
{
    QTest::addColumn<bool>("refused"); // the request could not be started
    QTest::addColumn<bool>("answered"); // the request completes with a failure
    QTest::addColumn<QString>("error");

    QTest::newRow("no answer") << false << false << QString();
    QTest::newRow("request refused") << true << false << "Connection lost";
    QTest::newRow("request refused without text") << true << false << QString();
    QTest::newRow("request completes with failure") << false << true << "Denied by the other client";
}

void TestICenterWidget::failedTakeOver()
{
    QFETCH(bool, refused);
    QFETCH(bool, answered);
    QFETCH(QString, error);
    enterHeldPage();
    auto* panel = m_page->takeOverPanel();
    if (refused) {
        Fixture::setCommandResult(StartRequest, false, error);
        QTest::ignoreMessage(
            QtWarningMsg, qPrintable(QStringLiteral("Write device control request failed . Error msg : ") + error));
    }
    clickButton();
    if (answered)
        QVERIFY(Fixture::completeParallelRequest(0, {false, error, 1}));

    // Either way the attempt stays under way until the ticks end it, and then says busy.
    QCOMPARE(m_page->readControlClientsTimes(), 0);
    QCOMPARE(panel->tipsText(), PleaseWait);
    const QList<int> states {1, 2, -1, -1};
    const QStringList tips {PleaseWait, PleaseWait, Busy, Busy};
    for (int i = 0; i < states.size(); ++i) {
        m_page->readControlClientsTimerTimeout();
        QCOMPARE(m_page->readControlClientsTimes(), states.at(i));
        QCOMPARE(panel->tipsText(), tips.at(i));
    }
    QVERIFY(panel->isVisible());
    // Once the attempt is over the device is asked once to refresh its channel.
    QCOMPARE(Fixture::commandNames(), QStringList({StartRequest, RefreshChannel}));
    QCOMPARE(buttonColour(panel), LiveButton);
    // Readings after the attempt keep the busy line until its own timer ends it.
    auto* busyTimer = panel->findChild<QTimer*>(QStringLiteral("enableTakeOverButtonTimer"));
    QVERIFY(busyTimer);
    QVERIFY(busyTimer->isActive());
    m_page->readControlClientsTimerTimeout();
    QCOMPARE(panel->tipsText(), Busy);
    m_page->stopReadControlClientsTimer(); // so that only the busy timer can clear the line
    busyTimer->setInterval(1);
    QTRY_COMPARE(panel->tipsText(), QString());
    QCOMPARE(Fixture::commandNames(), QStringList({StartRequest, RefreshChannel}));

    // The button works again and starts a fresh attempt.
    Fixture::clearCommandResults();
    const int requests = Fixture::parallelRequestCount();
    clickButton();
    QCOMPARE(m_page->readControlClientsTimes(), 0);
    QCOMPARE(panel->tipsText(), PleaseWait);
    QCOMPARE(Fixture::parallelRequestCount(), requests + 1);
}

void TestICenterWidget::noActiveDevice()
{
    enterHeldPage();
    // The device list loses its active device between the click and the request.
    QObject::disconnect(DeviceList::instance(), &DeviceList::signalActivedDeviceChanged, m_page.get(), nullptr);
    Fixture::removeActiveDevice();
    QTest::ignoreMessage(QtWarningMsg, "No actvied device.");
    emit m_page->takeOverPanel()->signalTakeOverButtonClicked();
    QCOMPARE(m_page->readControlClientsTimes(), -1); // the page hid the veil: nothing to take over
    QVERIFY(Fixture::commandLog().isEmpty());
    QCOMPARE(Fixture::parallelRequestCount(), 0);
}

void TestICenterWidget::deviceVanishesWhileRequestPending_data()
{
    QTest::addColumn<bool>("success");
    QTest::addColumn<bool>("pageGone"); // the page is closed before the answer comes

    QTest::newRow("answer: success") << true << false;
    QTest::newRow("answer: failure") << false << false;
    QTest::newRow("answer after the page is gone") << true << true;
}

void TestICenterWidget::deviceVanishesWhileRequestPending()
{
    QFETCH(bool, success);
    QFETCH(bool, pageGone);
    enterHeldPage();
    clickButton();
    QCOMPARE(Fixture::parallelRequestCount(), 1);

    QVERIFY(Fixture::removeActiveDevice());
    QVERIFY(m_device.expired());
    QCOMPARE(m_page->readControlClientsTimes(), -1);
    QVERIFY(!m_page->takeOverPanel()->isVisible());
    if (pageGone)
        m_page.reset();

    QVERIFY(Fixture::completeParallelRequest(0, {success, success ? QString() : QStringLiteral("gone"), 0}));
    QVERIFY(!Fixture::createParallelTask(0)->device().lock());
    if (m_page) {
        for (int i = 0; i < 4; ++i)
            m_page->readControlClientsTimerTimeout();
        QCOMPARE(m_page->readControlClientsTimes(), -1);
        QCOMPARE(m_page->takeOverPanel()->tipsText(), QString());
    }
    QCOMPARE(Fixture::commandNames(), QStringList {StartRequest});
    QCOMPARE(Fixture::parallelRequestCount(), 1);
}

void TestICenterWidget::activeDeviceChangesDuringAttempt()
{
    enterHeldPage();
    clickButton();
    auto other = DeviceList::instance()->addDevice(QStringLiteral("Second"));
    other.lock()->setMasterControl(false);
    other.lock()->setClientControlList({client({10, 0, 0, 77}, 5000)});
    DeviceList::instance()->setActivedDevice(other);

    // The attempt belonged to the first device: the veil now shows the second one's clients and
    // no status, and nothing is sent to either device.
    QCOMPARE(m_page->readControlClientsTimes(), -1);
    auto* panel = m_page->takeOverPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->tipsText(), QString());
    QCOMPARE(panel->clientInfoList().size(), 1);
    for (int i = 0; i < 3; ++i)
        m_page->readControlClientsTimerTimeout();
    QCOMPARE(panel->tipsText(), QString());
    QCOMPARE(Fixture::commandNames(), QStringList {StartRequest});
}

QTEST_MAIN(TestICenterWidget)
#include "tst_icenterwidget.moc"
