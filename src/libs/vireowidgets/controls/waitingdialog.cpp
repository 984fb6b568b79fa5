#include "waitingdialog.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/frameline.h>

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <climits>
#include <cmath>
#include <mutex>

namespace Vireo::Widgets {

namespace {

std::mutex& instanceMutex()
{
    static std::mutex mutex;
    return mutex;
}

QColor levelColor(WaitingDialog::TooltipLevel level)
{
    switch (level) {
    case WaitingDialog::Warning:
        return Qt::yellow;
    case WaitingDialog::Error:
        return Qt::red;
    case WaitingDialog::Normal:
        break;
    }
    return Qt::white;
}

void setTextColor(QWidget* widget, const QColor& color, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, color);
    widget->setPalette(palette);
}

// Stands in for an indicator image the theme does not provide: a ring of twelve dots fading
// towards the tail, so the rotation stays visible.
QPixmap drawnIndicator(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(side / 2.0, side / 2.0);
    const qreal dot = side / 8.0;
    const qreal radius = side / 2.0 - dot;
    for (int i = 0; i < 12; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 40 + i * 215 / 11));
        painter.drawEllipse(QPointF(0, -radius), dot / 2 + dot * i / 22.0, dot / 2 + dot * i / 22.0);
        painter.rotate(30);
    }
    return pixmap;
}

} // namespace

const QColor WaitingDialog::DEFAULT_BORDER_COLOR = QColor(34, 33, 38);
const QColor WaitingDialog::DEFAULT_BACKGROUND = QColor(56, 58, 63);
const QColor WaitingDialog::DEFAULT_SHADOW_COLOR = QColor(Qt::black);

WaitingDialog* WaitingDialog::m_pInstance = nullptr;

WaitingDialog* WaitingDialog::instance(QWidget* parent, Qt::WindowFlags f)
{
    std::lock_guard<std::mutex> lock(instanceMutex());
    if (!m_pInstance)
        m_pInstance = new WaitingDialog(parent, f);
    return m_pInstance;
}

void WaitingDialog::deleteInstance()
{
    WaitingDialog* dialog = nullptr;
    {
        std::lock_guard<std::mutex> lock(instanceMutex());
        dialog = m_pInstance;
        m_pInstance = nullptr;
    }
    delete dialog;
}

WaitingDialog::WaitingDialog(QWidget* parent, Qt::WindowFlags f)
    : QDialog(parent, f | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setProperty("isWaitingDialog", true);
    setModal(true);
    resize(335, 178);

    connect(&m_timer, &QTimer::timeout, this, &WaitingDialog::step);
    setIndicatorSize(Large);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->setContentsMargins(1, 12, 1, 12);

    // Holds the stretch above the text; the indicator is painted over it.
    m_pPictureFrame = new QFrame(this);
    m_pPictureFrame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_pPictureFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(m_pPictureFrame, 1);

    m_pInformativeLabel = new QLabel(this);
    m_pInformativeLabel->setAlignment(Qt::AlignCenter);
    m_pInformativeLabel->setWordWrap(true);
    layout->addWidget(m_pInformativeLabel);

    auto* lineRow = new QHBoxLayout;
    m_pLineFrame = FrameLine::createHorizontalLine(lineRow, this, 1, 0);
    m_pLineFrame->setProperty(CUSTOM_PROPERTY_LEVEL1_SEPARATOR, true);
    layout->addLayout(lineRow);

    m_pCanelFrame = new QFrame(this);
    m_pCanelFrame->setProperty("isCanelFrame", true);
    auto* cancelRow = new QHBoxLayout(m_pCanelFrame);
    cancelRow->setContentsMargins(24, 0, 24, 0);
    m_pCanelButton = new QPushButton(m_pCanelFrame);
    m_pCanelButton->setAutoDefault(false);
    m_pCanelButton->setDefault(false);
    cancelRow->addWidget(m_pCanelButton);
    layout->addWidget(m_pCanelFrame);

    m_pLineFrame->hide();
    m_pCanelFrame->hide();

    connect(m_pCanelButton, &QPushButton::clicked, this, &WaitingDialog::slotCanelLoad);
    installEventFilter(this);
    setInformativeText(QString(), Normal);
    retranslateUi();
}

WaitingDialog::~WaitingDialog()
{
    // Also reached when the dialog's parent deletes it: the next instance() must not hand out a
    // dangling pointer.
    if (m_pInstance == this)
        m_pInstance = nullptr;
}

void WaitingDialog::retranslateUi()
{
    m_pCanelButton->setText(tr("Cancel"));
}

void WaitingDialog::setWindowStateShow(bool shown)
{
    setProperty("WindowStateShow", shown);
    style()->unpolish(this);
    style()->polish(this);
}

void WaitingDialog::showWaitingDialog(const QString& text, TooltipLevel level)
{
    qDebug() << "show waitingdialog info:" << text;
    setCanelVisible(false);
    setInformativeText(text, level);
    setWindowStateShow(true);
    if (isHidden()) {
        show();
        // Let the window system map it now; the caller usually blocks the event loop next.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

void WaitingDialog::hideWaitingDialog()
{
    qDebug() << "hide waitingdialog";
    m_pInformativeLabel->clear();
    if (!m_pCanelFrame->isHidden())
        setCanelVisible(false);
    if (isHidden())
        qWarning() << "Fail to hide waitingdialog: isHidden() == true";
    else
        QDialog::hide();
    setWindowStateShow(false);
}

void WaitingDialog::hide()
{
    QDialog::hide();
    setWindowStateShow(false);
}

void WaitingDialog::setInformativeText(const QString& text, TooltipLevel level)
{
    const QColor color = levelColor(level);
    // A host style sheet that colours labels would repaint the palette over; the label's own
    // sheet outranks it, and the palette carries the colour for everyone who reads it.
    m_pInformativeLabel->setStyleSheet(QStringLiteral("color: %1;").arg(color.name()));
    setTextColor(m_pInformativeLabel, color, QPalette::WindowText);
    m_pInformativeLabel->setText(text);
}

QString WaitingDialog::informativeText() const
{
    return m_pInformativeLabel->text();
}

void WaitingDialog::setButtonText(const QString& text)
{
    m_pCanelButton->setText(text);
}

void WaitingDialog::setCanelVisible(bool visible)
{
    if (visible == !m_pCanelFrame->isHidden())
        return;
    m_pLineFrame->setVisible(visible);
    m_pCanelFrame->setVisible(visible);
    if (visible) {
        m_pCanelButton->clearFocus();
        m_pCanelButton->setEnabled(true);
        setIndicatorSize(Medium);
    } else {
        setIndicatorSize(Large);
    }
}

void WaitingDialog::setCancelEnable(bool enable)
{
    m_pCanelButton->setEnabled(enable);
}

void WaitingDialog::setIndicatorSize(IndicatorSize size)
{
    QString path;
    int interval = 80;
    int fallbackSide = 48;
    switch (size) {
    case Small:
        m_rotationStep = 45;
        interval = 100;
        path = QStringLiteral(":/utils/images/progressindicator_small.png");
        fallbackSide = 24;
        break;
    case Medium:
        m_rotationStep = 30;
        path = QStringLiteral(":/utils/images/progressindicator_medium.png");
        fallbackSide = 36;
        break;
    case Large:
    default:
        size = Large;
        m_rotationStep = 30;
        path = QStringLiteral(":/utils/images/progressindicator_big.png");
        break;
    }
    m_size = size;
    m_timer.setInterval(interval);
    m_pixmap = QPixmap(path);
    if (m_pixmap.isNull())
        m_pixmap = drawnIndicator(fallbackSide);
    update();
}

WaitingDialog::IndicatorSize WaitingDialog::indicatorSize() const
{
    return m_size;
}

void WaitingDialog::attachToWidget(QWidget* widget)
{
    if (QWidget* old = parentWidget())
        old->removeEventFilter(this);
    const bool wasShown = !isHidden();
    setParent(widget, windowFlags());
    moveToCenter();
    if (widget)
        widget->installEventFilter(this);
    // Reparenting hides a window; an attached dialog that was up stays up.
    if (wasShown)
        show();
    raise();
}

void WaitingDialog::resizeToParent()
{
    QWidget* parent = parentWidget();
    if (!parent) {
        qWarning() << "parentWidget is null!";
        return;
    }
    resize(parent->size());
    moveToCenter();
}

void WaitingDialog::moveToCenter()
{
    QWidget* parent = parentWidget();
    if (!parent) {
        qWarning() << "parentWidget is null!";
        return;
    }
    QRect area = geometry();
    area.moveCenter(parent->mapToGlobal(parent->rect().center()));
    setGeometry(area);
}

void WaitingDialog::setParentChanged(bool changed)
{
    m_bIsSetParent = changed;
}

void WaitingDialog::step()
{
    m_rotation = (m_rotation + m_rotationStep + 360) % 360;
    update();
}

QSize WaitingDialog::sizeHint() const
{
    const qreal ratio = m_pixmap.devicePixelRatio() > 0 ? m_pixmap.devicePixelRatio() : 1.0;
    return QSize(qRound(m_pixmap.width() / ratio), qRound(m_pixmap.height() / ratio));
}

void WaitingDialog::slotCanelLoad()
{
    m_pCanelButton->setEnabled(false);
    emit signal_canelLoad();
}

void WaitingDialog::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), DEFAULT_BACKGROUND);
    painter.setPen(QPen(DEFAULT_BORDER_COLOR, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));

    if (m_pixmap.isNull())
        return;
    // The picture frame is the room above the text (and above the cancel area when shown).
    const QSize size = sizeHint();
    const QRect room = m_pPictureFrame->geometry();
    const qreal centerX = width() / 2.0;
    const qreal centerY = qMax<qreal>(room.center().y() + 0.5, size.height() / 2.0 + 4);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(centerX, centerY);
    painter.rotate(m_rotation);
    painter.drawPixmap(QRectF(-size.width() / 2.0, -size.height() / 2.0, size.width(), size.height()), m_pixmap,
        QRectF(m_pixmap.rect()));
}

void WaitingDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_timer.start();
    moveToCenter();
    raise();
    activateWindow();
}

void WaitingDialog::hideEvent(QHideEvent* event)
{
    m_timer.stop();
    QDialog::hideEvent(event);
}

void WaitingDialog::closeEvent(QCloseEvent* event)
{
    qDebug() << "m_bAltKeyPressed " << m_bAltKeyPressed;
    event->ignore();
}

void WaitingDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        event->ignore();
        return;
    }
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

bool WaitingDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::Close) {
        qDebug() << "Close ";
        event->ignore();
        return true;
    }
    if (watched != this && watched == parentWidget() && event->type() == QEvent::Resize)
        moveToCenter();
    return QDialog::eventFilter(watched, event);
}

void WaitingDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Alt) {
        m_bAltKeyPressed = true;
        qDebug() << "Key_Alt KeyPresss";
        return;
    }
    qDebug() << "keyPress :" << event->key();
    QDialog::keyPressEvent(event);
}

void WaitingDialog::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Alt) {
        m_bAltKeyPressed = false;
        qDebug() << "Key_Alt KeyRelease";
        return;
    }
    qDebug() << "keyRelease :" << event->key();
    QDialog::keyReleaseEvent(event);
}

// ---------------------------------------------------------------------------------------------
// ProgressBarCtr

ProgressBarCtr::ProgressBarCtr(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(15, 5, 5, 5);
    layout->setSpacing(10);

    m_pProgressBar = new QProgressBar(this);
    m_pProgressBar->setValue(0);
    m_pProgressBar->setTextVisible(false);
    m_pProgressBar->setMinimumWidth(50);
    m_pProgressBar->setMaximumWidth(235);
    m_pProgressBar->setFixedHeight(10);
    layout->addWidget(m_pProgressBar);

    m_pValueLabel = new QLabel(this);
    m_pValueLabel->setProperty("FirmwareUpgradeLabel", true);
    m_pValueLabel->setMinimumWidth(70);
    m_pValueLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pValueLabel->setStyleSheet(QStringLiteral("color:rgb(146,146,146);background-color:transparent;"));
    m_pValueLabel->setText(QStringLiteral("0%"));
    setTextColor(m_pValueLabel, stateColor(State::Progress), QPalette::ButtonText);
    layout->addWidget(m_pValueLabel);
}

ProgressBarCtr::~ProgressBarCtr() = default;

QColor ProgressBarCtr::stateColor(State state)
{
    if (state == State::Success)
        return Qt::green;
    if (state == State::Failure)
        return Qt::red;
    return Qt::white;
}

void ProgressBarCtr::setState(State state)
{
    const QColor color = stateColor(state);
    setTextColor(m_pValueLabel, color, QPalette::ButtonText);
    // The label draws with its window text, and its own grey sheet would win over any palette:
    // once a state is set, the sheet carries the state's colour.
    setTextColor(m_pValueLabel, color, QPalette::WindowText);
    m_pValueLabel->setStyleSheet(QStringLiteral("color:%1;background-color:transparent;").arg(color.name()));
}

// The bar takes the value as it is and, as Qt does, ignores one outside its range; only what an
// int cannot hold is kept out.
void ProgressBarCtr::setBarValue(double value)
{
    if (std::isnan(value))
        return;
    const double bounded = qBound<double>(INT_MIN, std::trunc(value), INT_MAX);
    m_pProgressBar->setValue(int(bounded));
}

void ProgressBarCtr::setCount(int count)
{
    // Negative counts are as meaningless as 0: one job.
    if (count < 1) {
        m_pProgressBar->setRange(0, 100);
        m_nSubCount = 1;
        return;
    }
    m_pProgressBar->setRange(0, int(qMin<qint64>(qint64(count) * 100, INT_MAX)));
    m_nSubCount = count;
}

void ProgressBarCtr::setProcess(double value)
{
    if (!std::isfinite(value)) {
        qWarning() << "ProgressBarCtr: refused a progress that is not a number:" << value;
        return;
    }
    setState(State::Progress);
    setBarValue(value);
    m_pValueLabel->setText(QStringLiteral("%1%").arg(QString::number(value, 'g', QLocale::FloatingPointShortest)));
    if (std::abs(value - 100) < 1e-6)
        setFinish();
}

void ProgressBarCtr::setCurrentValue(double value)
{
    if (!std::isfinite(value)) {
        qWarning() << "ProgressBarCtr: refused a progress that is not a number:" << value;
        return;
    }
    setState(State::Progress);
    setBarValue(value);
    const double percent = std::trunc(value / m_nSubCount);
    m_pValueLabel->setText(QStringLiteral("%1%").arg(percent));
    if (percent == 100)
        setFinish();
}

int ProgressBarCtr::currentValue() const
{
    return m_pProgressBar->value();
}

void ProgressBarCtr::setSpecialValue(double value)
{
    if (!std::isfinite(value)) {
        qWarning() << "ProgressBarCtr: refused a progress that is not a number:" << value;
        return;
    }
    const double percent = std::trunc(value / m_nSubCount);
    if (percent < 100) {
        setCurrentValue(value);
        return;
    }
    // A special run that completes ends as a failure at full length: colour and text agree.
    setSpecialProcess(m_pProgressBar->maximum());
}

void ProgressBarCtr::setSpecialProcess(double value)
{
    setState(State::Failure);
    setBarValue(value);
    m_pValueLabel->setText(tr("Failure"));
}

void ProgressBarCtr::setFinish()
{
    setState(State::Success);
    m_pProgressBar->setValue(m_pProgressBar->maximum());
    m_pValueLabel->setText(tr("Succeed"));
}

void ProgressBarCtr::setError()
{
    setError(tr("Failure"));
}

void ProgressBarCtr::setError(QString text)
{
    setState(State::Failure);
    m_pProgressBar->setValue(0);
    m_pValueLabel->setText(text);
}

void ProgressBarCtr::setInfo(QString text)
{
    setState(State::Progress);
    m_pProgressBar->setValue(0);
    m_pValueLabel->setText(text);
}

void ProgressBarCtr::Clear()
{
    setInfo(QStringLiteral("0%"));
}

void ProgressBarCtr::setProcessShow(bool show)
{
    m_pProgressBar->setVisible(show);
    m_pValueLabel->setVisible(show);
}

// ---------------------------------------------------------------------------------------------
// MaskProgressWidget

MaskProgressWidget::MaskProgressWidget(QToolButton* parent)
    : QToolButton(parent)
{
    setCheckable(true);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAcceptDrops(true);
    setProperty("maskProgress", true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(32, 0, 32, 0);
    layout->setSpacing(6);
    layout->setAlignment(Qt::AlignVCenter);

    m_pProgressBar = new QProgressBar(this);
    m_pProgressBar->setTextVisible(false);
    m_pProgressBar->setFixedHeight(10);
    m_pProgressBar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_pProgressBar->setProperty("isMaskProgress", true);
    m_pProgressBar->setRange(0, 100);
    m_pProgressBar->setValue(0);
    layout->addWidget(m_pProgressBar, 0, Qt::AlignVCenter);

    m_pValueLabel = new QLabel(this);
    m_pValueLabel->setFixedWidth(36);
    layout->addWidget(m_pValueLabel, 0, Qt::AlignVCenter);
}

MaskProgressWidget::~MaskProgressWidget() = default;

void MaskProgressWidget::setProgressValue(unsigned char value)
{
    m_pProgressBar->setValue(value);
    m_pValueLabel->setText(QStringLiteral("%1%").arg(value));
}

// ---------------------------------------------------------------------------------------------
// MaskPanelWidget

MaskPanelWidget::MaskPanelWidget(QFrame* parent)
    : QFrame(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    QDir appDir(QCoreApplication::applicationDirPath());
    appDir.cdUp();
    setPixmapPath(appDir.canonicalPath() + QStringLiteral("/share/themes/dark/images/bg_device_loading.png"));
}

MaskPanelWidget::~MaskPanelWidget() = default;

void MaskPanelWidget::setText(const QString& text)
{
    m_text = text;
    update();
}

QString MaskPanelWidget::text() const
{
    return m_text;
}

void MaskPanelWidget::setPixmapPath(const QString& path)
{
    m_pixmapPath = path;
    // Loaded once here rather than on every paint; a missing file leaves only the text.
    m_pixmap = QPixmap(path);
    update();
}

QString MaskPanelWidget::pixmapPath() const
{
    return m_pixmapPath;
}

void MaskPanelWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 200));

    const qreal ratio = m_pixmap.devicePixelRatio() > 0 ? m_pixmap.devicePixelRatio() : 1.0;
    const QSize size = m_pixmap.isNull() ? QSize(0, 0) : (QSizeF(m_pixmap.size()) / ratio).toSize();
    const QRect imageRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    if (!m_pixmap.isNull())
        painter.drawPixmap(imageRect, m_pixmap);

    if (m_text.isEmpty())
        return;
    painter.setFont(QApplication::font());
    painter.setPen(Qt::white);
    const int textY = imageRect.top() + size.height() * 5 / 6;
    const int lineHeight = painter.fontMetrics().height();
    painter.drawText(
        QRect(0, textY - lineHeight / 2, width(), lineHeight), Qt::AlignHCenter | Qt::AlignVCenter, m_text);
}

} // namespace Vireo::Widgets
