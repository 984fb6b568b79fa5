#include <zkwidgets/framelessdialog.h>

#include "framelesstitlebar.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QToolButton>

#include <algorithm>

namespace ZK::Widgets {

namespace {

// Width of the band around the bars and the content where the dialog itself takes the mouse, so that
// its edges can be dragged.
constexpr int kBorder = 4;

int barHeight(const QWidget* bar)
{
    if (bar->isHidden())
        return 0;
    return std::clamp(bar->sizeHint().height(), bar->minimumHeight(), bar->maximumHeight());
}

QToolButton* makeTitleButton(QWidget* parent, const char* objectName, QStyle::StandardPixmap icon)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    button->setIcon(parent->style()->standardIcon(icon, nullptr, button));
    return button;
}

} // namespace

namespace Internal {

FramelessTitleBar::FramelessTitleBar(FramelessDialog* dialog)
    : QFrame(dialog)
    , m_pDialog(dialog)
{ }

void FramelessTitleBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_pDialog->isDialogMovable() && !m_pDialog->isMaximized()) {
        m_bDragging = true;
        m_dragOffset = event->globalPos() - m_pDialog->frameGeometry().topLeft();
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void FramelessTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bDragging && (event->buttons() & Qt::LeftButton)) {
        m_pDialog->move(event->globalPos() - m_dragOffset);
        event->accept();
        return;
    }
    QFrame::mouseMoveEvent(event);
}

void FramelessTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_bDragging && event->button() == Qt::LeftButton) {
        m_bDragging = false;
        event->accept();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

void FramelessTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_pDialog->isDialogResizable() && m_pDialog->isMaxButtonVisible()) {
        m_bDragging = false;
        m_pDialog->toggleMaximized();
        event->accept();
        return;
    }
    QFrame::mouseDoubleClickEvent(event);
}

} // namespace Internal

FramelessDialog::FramelessDialog(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FramelessDialog"));
    setMouseTracking(true);

    m_pTitleBar = new Internal::FramelessTitleBar(this);
    m_pTitleBar->setObjectName(QStringLiteral("FramelessDialogTitleBar"));
    m_pTitleBar->setMinimumHeight(36);
    auto* titleLayout = new QHBoxLayout(m_pTitleBar);
    titleLayout->setContentsMargins(12, 0, 4, 0);
    titleLayout->setSpacing(2);
    m_pTitleLabel = new QLabel(m_pTitleBar);
    m_pTitleLabel->setObjectName(QStringLiteral("FramelessDialogTitle"));
    m_pTitleLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    titleLayout->addWidget(m_pTitleLabel, 1);
    m_pMinButton = makeTitleButton(m_pTitleBar, "FramelessDialogMinButton", QStyle::SP_TitleBarMinButton);
    m_pMaxButton = makeTitleButton(m_pTitleBar, "FramelessDialogMaxButton", QStyle::SP_TitleBarMaxButton);
    m_pMaxButton->setProperty("isMaximized", false);
    m_pCloseButton = makeTitleButton(m_pTitleBar, "FramelessDialogCloseButton", QStyle::SP_TitleBarCloseButton);
    titleLayout->addWidget(m_pMinButton);
    titleLayout->addWidget(m_pMaxButton);
    titleLayout->addWidget(m_pCloseButton);

    m_pBottomBar = new QFrame(this);
    m_pBottomBar->setObjectName(QStringLiteral("FramelessDialogBottomBar"));
    m_pBottomBar->setMinimumHeight(48);
    auto* bottomLayout = new QHBoxLayout(m_pBottomBar);
    bottomLayout->setContentsMargins(12, 6, 12, 6);
    bottomLayout->setSpacing(8);
    bottomLayout->addStretch(1);
    m_pOKButton = new QPushButton(m_pBottomBar);
    m_pOKButton->setObjectName(QStringLiteral("FramelessDialogOKButton"));
    m_pOKButton->setAutoDefault(false);
    m_pOKButton->setDefault(true);
    m_pCancelButton = new QPushButton(m_pBottomBar);
    m_pCancelButton->setObjectName(QStringLiteral("FramelessDialogCancelButton"));
    m_pCancelButton->setAutoDefault(false);
    bottomLayout->addWidget(m_pOKButton);
    bottomLayout->addWidget(m_pCancelButton);

    // Through the virtual functions, so that subclasses that redefine accept() or reject() get the clicks.
    connect(m_pOKButton, &QPushButton::clicked, this, [this] { accept(); });
    connect(m_pCancelButton, &QPushButton::clicked, this, [this] { reject(); });
    connect(m_pCloseButton, &QToolButton::clicked, this, [this] { close(); });
    connect(m_pMinButton, &QToolButton::clicked, this, [this] { showMinimized(); });
    connect(m_pMaxButton, &QToolButton::clicked, this, [this] { toggleMaximized(); });

    reTranslateUI();
    updateFrameMargins();
}

FramelessDialog::~FramelessDialog() = default;

void FramelessDialog::setOKButtonVisible(bool visible)
{
    m_pOKButton->setVisible(visible);
}

bool FramelessDialog::isOKButtonVisible() const
{
    return !m_pOKButton->isHidden();
}

void FramelessDialog::setCancelButtonVisible(bool visible)
{
    m_pCancelButton->setVisible(visible);
}

bool FramelessDialog::isCancelButtonVisible() const
{
    return !m_pCancelButton->isHidden();
}

void FramelessDialog::setCloseButtonVisible(bool visible)
{
    m_pCloseButton->setVisible(visible);
}

bool FramelessDialog::isCloseButtonVisible() const
{
    return !m_pCloseButton->isHidden();
}

void FramelessDialog::setMinButtonVisible(bool visible)
{
    m_pMinButton->setVisible(visible);
}

bool FramelessDialog::isMinButtonVisible() const
{
    return !m_pMinButton->isHidden();
}

void FramelessDialog::setMaxButtonVisible(bool visible)
{
    m_pMaxButton->setVisible(visible);
}

bool FramelessDialog::isMaxButtonVisible() const
{
    return !m_pMaxButton->isHidden();
}

void FramelessDialog::setTitleBarVisible(bool visible)
{
    m_pTitleBar->setVisible(visible);
    updateFrameMargins();
}

bool FramelessDialog::isTitleBarVisible() const
{
    return !m_pTitleBar->isHidden();
}

void FramelessDialog::setBottomBarVisible(bool visible)
{
    m_pBottomBar->setVisible(visible);
    updateFrameMargins();
}

bool FramelessDialog::isBottomBarVisible() const
{
    return !m_pBottomBar->isHidden();
}

void FramelessDialog::setOKButtonDefault(bool isDefault)
{
    m_pOKButton->setDefault(isDefault);
}

bool FramelessDialog::isOKButtonDefault() const
{
    return m_pOKButton->isDefault();
}

void FramelessDialog::setDialogMovable(bool movable)
{
    m_bMovable = movable;
}

bool FramelessDialog::isDialogMovable() const
{
    return m_bMovable;
}

void FramelessDialog::setDialogResizable(bool resizable)
{
    m_bResizable = resizable;
    if (!resizable) {
        m_nResizeEdges = NoEdge;
        unsetCursor();
    }
}

bool FramelessDialog::isDialogResizable() const
{
    return m_bResizable;
}

QPushButton* FramelessDialog::okButton() const
{
    return m_pOKButton;
}

QPushButton* FramelessDialog::cancelButton() const
{
    return m_pCancelButton;
}

void FramelessDialog::open(QObject* receiver, const char* member)
{
    dropOpenConnection();
    if (receiver && member) {
        // A member of the form "1slot(int)" takes the result; any other is told of acceptance only.
        const bool takesResult = QByteArray(member).contains("(int");
        const QByteArray signal = takesResult ? QByteArray(SIGNAL(finished(int))) : QByteArray(SIGNAL(accepted()));
        if (connect(this, signal.constData(), receiver, member)) {
            m_openSignal = signal;
            m_pOpenReceiver = receiver;
            m_openMember = member;
        }
    }
    QDialog::open();
}

void FramelessDialog::done(int result)
{
    QDialog::done(result);
    // After accepted() or rejected(), which done() emits last.
    dropOpenConnection();
}

void FramelessDialog::dropOpenConnection()
{
    if (m_pOpenReceiver)
        disconnect(this, m_openSignal.constData(), m_pOpenReceiver, m_openMember.constData());
    m_pOpenReceiver = nullptr;
    m_openSignal.clear();
    m_openMember.clear();
}

void FramelessDialog::reTranslateUI()
{
    m_pOKButton->setText(tr("OK"));
    m_pCancelButton->setText(tr("Cancel"));
    m_pMinButton->setToolTip(tr("Minimize"));
    m_pMaxButton->setToolTip(isMaximized() ? tr("Restore") : tr("Maximize"));
    m_pCloseButton->setToolTip(tr("Close"));
}

bool FramelessDialog::event(QEvent* event)
{
    const bool result = QDialog::event(event);
    // Handled here rather than in changeEvent() so that subclasses that do not call the base
    // changeEvent() still get a working title bar.
    switch (event->type()) {
    case QEvent::WindowTitleChange:
        m_pTitleLabel->setText(windowTitle());
        break;
    case QEvent::LanguageChange:
        reTranslateUI();
        break;
    case QEvent::WindowStateChange:
        m_pMaxButton->setProperty("isMaximized", isMaximized());
        m_pMaxButton->setIcon(style()->standardIcon(
            isMaximized() ? QStyle::SP_TitleBarNormalButton : QStyle::SP_TitleBarMaxButton, nullptr, m_pMaxButton));
        m_pMaxButton->setToolTip(isMaximized() ? tr("Restore") : tr("Maximize"));
        m_pMaxButton->style()->unpolish(m_pMaxButton);
        m_pMaxButton->style()->polish(m_pMaxButton);
        break;
    case QEvent::ContentsRectChange:
        // Margins set by a subclass are kept and added to the room of the bars.
        if (!m_bUpdatingMargins) {
            m_userMargins = contentsMargins();
            updateFrameMargins();
        }
        break;
    case QEvent::Show:
        focusContentFirst();
        updateFrameMargins();
        break;
    case QEvent::Polish:
    case QEvent::StyleChange:
    case QEvent::FontChange:
        updateFrameMargins();
        break;
    case QEvent::Resize:
        layoutBars();
        break;
    default:
        break;
    }
    return result;
}

void FramelessDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
}

bool FramelessDialog::eventFilter(QObject* watched, QEvent* event)
{
    return QDialog::eventFilter(watched, event);
}

void FramelessDialog::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FramelessDialog::mousePressEvent(QMouseEvent* event)
{
    const int edges = event->button() == Qt::LeftButton ? edgesAt(event->pos()) : NoEdge;
    if (edges != NoEdge) {
        m_nResizeEdges = edges;
        m_pressGlobalPos = event->globalPos();
        m_pressGeometry = geometry();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void FramelessDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_nResizeEdges == NoEdge || !(event->buttons() & Qt::LeftButton)) {
        updateEdgeCursor(edgesAt(event->pos()));
        QDialog::mouseMoveEvent(event);
        return;
    }
    const QPoint delta = event->globalPos() - m_pressGlobalPos;
    const QSize minimum = minimumSize().expandedTo(minimumSizeHint());
    QRect target = m_pressGeometry;
    if (m_nResizeEdges & LeftEdge)
        target.setLeft(std::min(target.left() + delta.x(), target.right() + 1 - minimum.width()));
    if (m_nResizeEdges & RightEdge)
        target.setRight(std::max(target.right() + delta.x(), target.left() - 1 + minimum.width()));
    if (m_nResizeEdges & TopEdge)
        target.setTop(std::min(target.top() + delta.y(), target.bottom() + 1 - minimum.height()));
    if (m_nResizeEdges & BottomEdge)
        target.setBottom(std::max(target.bottom() + delta.y(), target.top() - 1 + minimum.height()));
    setGeometry(target);
    event->accept();
}

void FramelessDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_nResizeEdges != NoEdge && event->button() == Qt::LeftButton) {
        m_nResizeEdges = NoEdge;
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

void FramelessDialog::toggleMaximized()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void FramelessDialog::updateFrameMargins()
{
    if (m_bUpdatingMargins)
        return;
    m_bUpdatingMargins = true;
    const int top = kBorder + barHeight(m_pTitleBar);
    const int bottom = kBorder + barHeight(m_pBottomBar);
    QDialog::setContentsMargins(m_userMargins.left() + kBorder, m_userMargins.top() + top,
        m_userMargins.right() + kBorder, m_userMargins.bottom() + bottom);
    m_bUpdatingMargins = false;
    layoutBars();
}

void FramelessDialog::layoutBars()
{
    const int barWidth = std::max(0, width() - 2 * kBorder);
    m_pTitleBar->setGeometry(kBorder, kBorder, barWidth, barHeight(m_pTitleBar));
    const int bottomHeight = barHeight(m_pBottomBar);
    m_pBottomBar->setGeometry(kBorder, height() - kBorder - bottomHeight, barWidth, bottomHeight);
}

void FramelessDialog::focusContentFirst()
{
    // The bars are created before any content, so the window would give its first focus to OK; a
    // person expects to start in the content. The ring of the tab chain already runs content, OK, Cancel.
    QWidget* current = focusWidget();
    if (current && current != m_pOKButton && current != m_pCancelButton)
        return;
    for (QWidget* widget = nextInFocusChain(); widget && widget != this; widget = widget->nextInFocusChain()) {
        if (m_pTitleBar->isAncestorOf(widget) || m_pBottomBar->isAncestorOf(widget) || !isAncestorOf(widget))
            continue;
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget->isVisibleTo(this)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

int FramelessDialog::edgesAt(const QPoint& pos) const
{
    if (!m_bResizable || isMaximized() || isFullScreen())
        return NoEdge;
    int edges = NoEdge;
    if (pos.x() < kBorder)
        edges |= LeftEdge;
    else if (pos.x() >= width() - kBorder)
        edges |= RightEdge;
    if (pos.y() < kBorder)
        edges |= TopEdge;
    else if (pos.y() >= height() - kBorder)
        edges |= BottomEdge;
    return edges;
}

void FramelessDialog::updateEdgeCursor(int edges)
{
    switch (edges) {
    case LeftEdge:
    case RightEdge:
        setCursor(Qt::SizeHorCursor);
        break;
    case TopEdge:
    case BottomEdge:
        setCursor(Qt::SizeVerCursor);
        break;
    case LeftEdge | TopEdge:
    case RightEdge | BottomEdge:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case RightEdge | TopEdge:
    case LeftEdge | BottomEdge:
        setCursor(Qt::SizeBDiagCursor);
        break;
    default:
        unsetCursor();
        break;
    }
}

} // namespace ZK::Widgets
