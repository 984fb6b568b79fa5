#include "icenterwidget.h"

#include "takeoverpanelwidget.h"

#include <vireomodel/devicelist.h>
#include <vireomodel/parallelcontrol.h>

#include <QDebug>
#include <QEvent>

namespace Vireo::Widgets {

namespace {

constexpr int ReadControlClientsInterval = 3000;
// Ticks a take-over attempt is followed before it counts as finished.
constexpr int TakeOverTicks = 3;

} // namespace

ICenterWidget::ICenterWidget(ZK::Utils::Id id, QWidget* parent)
    : QFrame(parent)
    , m_readControlClientsTimer(this)
    , m_id(std::move(id))
{
    m_readControlClientsTimer.setObjectName(QStringLiteral("readControlClientsTimer"));
    auto* list = BizModel::DeviceList::instance();
    connect(
        list, &BizModel::DeviceList::signalDeviceOnlineStatusChanged, this, &ICenterWidget::deviceOnlineStatusChanged);
    connect(list, &BizModel::DeviceList::signalDeviceMasterControlStatusChanged, this,
        &ICenterWidget::deviceMasterControlStatusChanged);
    connect(list, &BizModel::DeviceList::signalActivedDeviceChanged, this, &ICenterWidget::activedDeviceChanged);
    setFocusPolicy(Qt::ClickFocus);
}

ICenterWidget::~ICenterWidget() = default;

void ICenterWidget::raiseWindow()
{
    raise();
    activateWindow();
}

void ICenterWidget::setMode(ZK::Utils::Id id)
{
    Q_UNUSED(id);
}

void ICenterWidget::enterWindow()
{
    m_bLeave = false;
    if (!m_pTakeOverPanel) {
        m_pTakeOverPanel = new TakeOverPanelWidget(this);
        connect(&m_readControlClientsTimer, &QTimer::timeout, this, &ICenterWidget::readControlClientsTimerTimeout);
        connect(m_pTakeOverPanel, &TakeOverPanelWidget::signalTakeOverButtonClicked, this,
            &ICenterWidget::takeOverButtonClicked);
        m_pTakeOverPanel->hide();
    }
    m_pTakeOverPanel->setGeometry(getMaskRect());
    m_pTakeOverPanel->raise(); // over whatever the page added since
    m_pTakeOverPanel->installEventFilter(this);
    updateTakeOverPanel();
}

void ICenterWidget::leaveWindow()
{
    hideTakeOverPanel();
    m_bLeave = true;
}

void ICenterWidget::retranslateUi()
{
    if (m_pTakeOverPanel)
        m_pTakeOverPanel->retranslateUi();
}

QRect ICenterWidget::getMaskRect()
{
    return rect();
}

void ICenterWidget::updateTakeOverPanel() { }

void ICenterWidget::startReadControlClientsTimer()
{
    m_readControlClientsTimer.stop();
    m_readControlClientsTimer.start(ReadControlClientsInterval);
}

void ICenterWidget::stopReadControlClientsTimer()
{
    if (m_readControlClientsTimer.isActive())
        m_readControlClientsTimer.stop();
}

void ICenterWidget::hideTakeOverPanel()
{
    m_readControlClientsTimes = -1;
    stopReadControlClientsTimer();
    if (m_pTakeOverPanel)
        m_pTakeOverPanel->hide();
}

void ICenterWidget::readControlClientsTimerTimeout()
{
    if (m_readControlClientsTimes >= 0) {
        ++m_readControlClientsTimes;
        if (m_readControlClientsTimes >= TakeOverTicks)
            m_readControlClientsTimes = -1;
    }
    updateTakeOverPanel();
}

void ICenterWidget::deviceOnlineStatusChanged(std::weak_ptr<BizModel::Device> device)
{
    Q_UNUSED(device);
    updateTakeOverPanel();
}

void ICenterWidget::deviceMasterControlStatusChanged(std::weak_ptr<BizModel::Device> device)
{
    Q_UNUSED(device);
    updateTakeOverPanel();
}

void ICenterWidget::activedDeviceChanged()
{
    m_readControlClientsTimes = -1;
    updateTakeOverPanel();
}

void ICenterWidget::takeOverButtonClicked()
{
    startReadControlClientsTimer();
    m_readControlClientsTimes = 0;
    updateTakeOverPanel();

    const std::weak_ptr<BizModel::Device> device = BizModel::DeviceList::instance()->activedDevice();
    if (device.expired()) {
        qWarning() << "No actvied device.";
        return;
    }
    QString error;
    // The request runs outside the GUI thread and may end after this page is gone: its result
    // is not used here (the device reports the new controller through the device list), so the
    // callback holds nothing of the page.
    const bool started = ParallelControl::ParallelManager::instance()->startParallelRequest(
        device,
        [](std::weak_ptr<BizModel::Device> target) -> ParallelControl::ParallelTaskBase* {
            return new ParallelControl::ParallelControlDevice(target, QString());
        },
        false, &error,
        [](ParallelControl::ParallelTaskResult result) {
            qDebug().noquote() << "Device control request finished, success:" << result.success << result.message;
        });
    if (!started)
        qWarning().noquote() << "Write device control request failed . Error msg :" << error;
}

void ICenterWidget::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    if (m_pTakeOverPanel)
        m_pTakeOverPanel->setGeometry(getMaskRect());
}

void ICenterWidget::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    if (m_pTakeOverPanel) {
        m_pTakeOverPanel->setGeometry(getMaskRect());
        m_pTakeOverPanel->raise();
    }
}

void ICenterWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}

bool ICenterWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (m_pTakeOverPanel && watched == m_pTakeOverPanel) {
        if (event->type() == QEvent::Show)
            startReadControlClientsTimer();
        else if (event->type() == QEvent::Hide)
            stopReadControlClientsTimer();
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace Vireo::Widgets
