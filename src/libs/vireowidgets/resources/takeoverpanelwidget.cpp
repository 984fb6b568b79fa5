#include "takeoverpanelwidget.h"

#include <vireomodel/devicelist.h>
#include <vireomodel/modelcontrol.h>

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>

namespace Vireo::Widgets {

namespace {

// How far outside the button a finger may still land and count as on it.
constexpr int TouchMargin = 10;
// How long "The device is busy..." stays after an attempt that did not win control.
constexpr int BusyTipsInterval = 5000;

const QColor ButtonColor(230, 112, 7);
const QColor ButtonBusyColor(52, 55, 59);

QString themeImagePath(const QString& fileName)
{
    const QString root = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).canonicalPath();
    return root + QStringLiteral("/share/themes/dark/images/") + fileName;
}

QLabel* makeClientLabel(const QString& name, int width, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedWidth(width);
    return label;
}

} // namespace

TakeOverPanelWidget::TakeOverPanelWidget(QFrame* parent)
    : QFrame(parent)
    , m_pixmapPath(themeImagePath(QStringLiteral("bg_device_takeover.png")))
    , m_takeoverImage(m_pixmapPath)
    , m_tipsIconPath(themeImagePath(QStringLiteral("icon_alertWarn.png")))
    , m_infoText(tr("The current device is already under control. If you want to operate, please click take over now."))
    , m_btnText(tr("Take over"))
    , m_enableTakeOverButtonTimer(this)
    , m_tipsIcon(m_tipsIconPath)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setProperty("isControlFrame", true);

    m_ipListWidget = new QListWidget(this);
    m_ipListWidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ipListWidget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ipListWidget->setFixedWidth(m_ipListWidgetSize.width());
    m_ipListWidget->resize(m_ipListWidgetSize);
    m_ipListWidget->setSelectionMode(QAbstractItemView::NoSelection);
    m_ipListWidget->setFocusPolicy(Qt::NoFocus);
    m_ipListWidget->setProperty("isIpListWidget", true);
    m_ipListWidget->hide();

    m_enableTakeOverButtonTimer.setObjectName(QStringLiteral("enableTakeOverButtonTimer"));
    m_enableTakeOverButtonTimer.setSingleShot(true);
    m_enableTakeOverButtonTimer.setInterval(BusyTipsInterval);
    connect(&m_enableTakeOverButtonTimer, &QTimer::timeout, this, [this]() {
        m_tips.clear();
        m_hideTipsFinished = true;
        m_isShowWarningImage = false;
        update();
    });
}

TakeOverPanelWidget::~TakeOverPanelWidget() = default;

void TakeOverPanelWidget::setPixmapPath(const QString& path)
{
    m_pixmapPath = path;
    m_takeoverImage = QImage(path);
    placeContent();
    update();
}

void TakeOverPanelWidget::setText(const QString& text)
{
    m_infoText = text;
    update();
}

void TakeOverPanelWidget::setBtnText(const QString& text)
{
    m_btnText = text;
    update();
}

void TakeOverPanelWidget::setTipsIconPath(const QString& path)
{
    m_tipsIconPath = path;
    m_tipsIcon = QImage(path);
    m_isShowWarningImage = !m_tips.isEmpty() && !m_tipsIcon.isNull();
    update();
}

void TakeOverPanelWidget::updateTipsText(bool isMasterControl, int readControlClientsTimes)
{
    m_isMasterControl = isMasterControl;
    m_readControlClientsTimes = readControlClientsTimes;
    updateTipsText();
    update();
    qDebug().noquote() << QStringLiteral(
        "Take over: is master control %1, is takeover cmd execute finished %2, tips %3")
                              .arg(int(isMasterControl))
                              .arg(readControlClientsTimes)
                              .arg(m_tips);
}

void TakeOverPanelWidget::updateTipsText()
{
    const auto active = BizModel::DeviceList::instance()->activedDevice().lock();
    if (m_isMasterControl) {
        // Control won (or never lost): nothing to wait for.
        m_attemptDevice.reset();
        m_enableTakeOverButtonTimer.stop();
        m_tips.clear();
    } else if (m_readControlClientsTimes >= 0) {
        if (m_attemptDevice.expired())
            m_attemptDevice = active;
        m_enableTakeOverButtonTimer.stop();
        m_tips = tr("Please wait...");
    } else {
        const auto attempted = m_attemptDevice.lock();
        m_attemptDevice.reset();
        if (attempted && attempted == active) {
            // The attempt ran its course and another client still holds the device: say so, and
            // have the device re-open its channel so that the next reading of the clients is fresh.
            m_tips = tr("The device is busy. Please try again later.");
            m_enableTakeOverButtonTimer.start();
            ModelControl::Device(attempted).refreshDeviceChannel();
        } else if (!m_enableTakeOverButtonTimer.isActive()) {
            // No attempt, or it was abandoned (device changed or gone): no status line.
            m_tips.clear();
        }
    }
    m_hideTipsFinished = m_tips.isEmpty();
    m_isShowWarningImage = !m_tips.isEmpty() && !m_tipsIcon.isNull();
}

void TakeOverPanelWidget::updateIpListWidget()
{
    const auto device = BizModel::DeviceList::instance()->activedDevice().lock();
    m_clientInfoList = device ? device->clientControlList() : QList<ProtoModel::DeviceClientInfo>();
    m_ipListWidget->clear();
    for (const auto& client : m_clientInfoList) {
        auto* row = new QWidget;
        row->setFixedSize(250, 42);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(6);
        auto* address = makeClientLabel(QStringLiteral("ClientAddressLabel"), 180, row);
        auto* tag = makeClientLabel(QStringLiteral("ClientTagLabel"), 50, row);
        const QString text = clientAddressText(client);
        address->setText(text);
        const QString ip = text.left(text.indexOf(QLatin1Char(':')));
        if (device && ip == device->localIp() && client.port == device->localCtrlPort()) {
            address->setProperty("isCheckIpLabel", true);
            tag->setProperty("isCheckIpLabel", true);
            tag->setText(tr("localIp"));
        }
        layout->addStretch();
        layout->addWidget(address);
        layout->addWidget(tag);
        layout->addStretch();
        auto* item = new QListWidgetItem(m_ipListWidget);
        item->setSizeHint(row->size());
        m_ipListWidget->setItemWidget(item, row);
    }
    placeIpListWidget();
    m_ipListWidget->show();
}

void TakeOverPanelWidget::retranslateUi()
{
    m_btnText = tr("Take over");
    m_infoText = tr("The current device is already under control. If you want to operate, please click take over now.");
    // The busy line shows exactly while its timer runs.
    if (!m_tips.isEmpty()) {
        m_tips = m_enableTakeOverButtonTimer.isActive() ? tr("The device is busy. Please try again later.")
                                                        : tr("Please wait...");
    }
    if (m_ipListWidget->isVisibleTo(this))
        updateIpListWidget();
    update();
}

QString TakeOverPanelWidget::clientAddressText(const ProtoModel::DeviceClientInfo& client)
{
    QStringList parts;
    for (auto part : client.ip)
        parts.append(QString::number(part));
    return parts.join(QLatin1Char('.')) + QLatin1Char(':') + QString::number(client.port);
}

QRect TakeOverPanelWidget::pictureRect() const
{
    const QSize image = m_takeoverImage.size().expandedTo(QSize(0, 0));
    return QRect((width() - image.width()) / 2, height() / 3 - image.height() / 2, image.width(), image.height());
}

void TakeOverPanelWidget::placeContent()
{
    const QRect picture = pictureRect();
    m_rect = QRectF(picture.left() + picture.width() / 2 - m_btnSize.width() / 2 + 5, picture.top() + picture.height(),
        m_btnSize.width(), m_btnSize.height());
}

QPoint TakeOverPanelWidget::ipListWidgetPoint() const
{
    return QPoint(width() - m_ipListWidget->width(), height() - m_ipListWidget->height());
}

void TakeOverPanelWidget::placeIpListWidget()
{
    m_ipListWidget->resize(m_ipListWidgetSize);
    m_ipListWidget->move(ipListWidgetPoint());
}

void TakeOverPanelWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 200));

    const QRect picture = pictureRect();
    if (!m_takeoverImage.isNull())
        painter.drawImage(picture.topLeft(), m_takeoverImage);

    placeContent();
    const bool attempt = isAttemptUnderWay();
    const QColor fill = attempt ? ButtonBusyColor : ButtonColor;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(fill);
    painter.setBrush(fill);
    painter.drawRoundedRect(m_rect, 2, 2);
    QColor text(Qt::white);
    if (attempt)
        text.setAlphaF(0.15);
    painter.setPen(text);
    painter.setFont(QApplication::font());
    painter.drawText(m_rect, Qt::AlignCenter, m_btnText);
    painter.restore();

    painter.setFont(QApplication::font());
    const QFontMetrics metrics(painter.font());
    painter.setPen(Qt::white);
    const int infoWidth = metrics.horizontalAdvance(m_infoText);
    painter.drawText(QPointF(picture.center().x() + 1 - infoWidth / 2.0, picture.bottom() + 1 + 80), m_infoText);

    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_tips.isEmpty()) {
        const int textWidth = metrics.horizontalAdvance(m_tips);
        const int boxWidth = textWidth + 50;
        const QRectF box((width() + 1 - boxWidth) / 2 + 5, height() - 31, boxWidth, m_tipsSize.height() - 2);
        painter.setPen(QColor(230, 112, 7, 160));
        painter.setBrush(QColor(58, 42, 24, 230));
        painter.drawRoundedRect(box, 4, 4);
        const QRectF icon(box.left() + 12, box.center().y() - m_tipsIconSize.height() / 2.0, m_tipsIconSize.width(),
            m_tipsIconSize.height());
        if (m_isShowWarningImage)
            painter.drawImage(icon, m_tipsIcon);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(icon.right() + 8, box.top(), textWidth + 2, box.height()), Qt::AlignVCenter, m_tips);
    }
}

void TakeOverPanelWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        placeContent();
        m_pressArmed = m_rect.adjusted(-TouchMargin, -TouchMargin, TouchMargin, TouchMargin).contains(event->pos());
        if (m_rect.contains(event->pos())) {
            m_isPressed = true;
            update();
        }
    }
    event->accept();
}

void TakeOverPanelWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const bool armed = m_pressArmed;
    m_pressArmed = false;
    if (m_isPressed) {
        m_isPressed = false;
        update();
    }
    placeContent();
    const QRectF target = m_rect.adjusted(-TouchMargin, -TouchMargin, TouchMargin, TouchMargin);
    if (armed && target.contains(event->pos()) && m_readControlClientsTimes != 0) {
        qDebug() << "Take over button clicked.";
        m_enableTakeOverButtonTimer.stop();
        m_tips = tr("Please wait...");
        m_hideTipsFinished = false;
        m_isShowWarningImage = !m_tipsIcon.isNull();
        update();
        emit signalTakeOverButtonClicked();
    }
    event->accept();
}

void TakeOverPanelWidget::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    placeContent();
    placeIpListWidget();
}

void TakeOverPanelWidget::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    m_isPressed = false;
    m_pressArmed = false;
    if (isHidden()) {
        // The page took the veil away: whatever was under way is over.
        m_readControlClientsTimes = -1;
        m_attemptDevice.reset();
        m_enableTakeOverButtonTimer.stop();
        m_tips.clear();
        m_hideTipsFinished = true;
        m_isShowWarningImage = false;
    }
}

void TakeOverPanelWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}

} // namespace Vireo::Widgets
