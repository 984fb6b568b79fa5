#include "thumbnailwidget.h"

#include <vireomodel/devicelist.h>

#include <QMouseEvent>
#include <QMutexLocker>
#include <QPainter>
#include <QRegion>
#include <QtDebug>

#include <algorithm>

namespace Vireo::Widgets {

namespace {

// Places in m_rcDrag: the four corner handles, the four edge-middle handles, then the four edges.
enum DragArea {
    CornerTopLeft = 0,
    CornerTopRight,
    CornerBottomLeft,
    CornerBottomRight,
    MiddleTop,
    MiddleBottom,
    MiddleLeft,
    MiddleRight,
    EdgeTop,
    EdgeBottom,
    EdgeLeft,
    EdgeRight,
    DragAreaCount
};

// The zone each area stands for, in the order the hover test checks them (handles win over edges).
constexpr enDragState kAreaState[DragAreaCount] = {enDragTopLeft, enDragTopRight, enDragBottomLeft, enDragBottomRight,
    enDragTop, enDragBottom, enDragLeft, enDragRight, enDragTop, enDragBottom, enDragLeft, enDragRight};

Qt::CursorShape cursorFor(enDragState state)
{
    switch (state) {
    case enDragLeft:
    case enDragRight:
        return Qt::SizeHorCursor;
    case enDragTop:
    case enDragBottom:
        return Qt::SizeVerCursor;
    case enDragTopLeft:
    case enDragBottomRight:
        return Qt::SizeFDiagCursor;
    case enDragTopRight:
    case enDragBottomLeft:
        return Qt::SizeBDiagCursor;
    case enDragCenter:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

// Keeps the span [low, high) inside [areaLow, areaHigh) and at least `minimum` long. `movedLow`
// tells which end the operator moved: that end gives way, the other stays where it is.
void fitSpan(int& low, int& high, int areaLow, int areaHigh, int minimum, bool movedLow, bool movedHigh)
{
    if (movedLow && movedHigh) {
        const int length = std::min(high - low, areaHigh - areaLow);
        low = std::clamp(low, areaLow, std::max(areaLow, areaHigh - length));
        high = low + length;
        return;
    }
    low = std::clamp(low, areaLow, areaHigh);
    high = std::clamp(high, areaLow, areaHigh);
    if (high - low >= minimum)
        return;
    if (movedLow) {
        low = high - minimum;
        if (low < areaLow) {
            low = areaLow;
            high = low + minimum;
        }
    } else {
        high = low + minimum;
        if (high > areaHigh) {
            high = areaHigh;
            low = high - minimum;
        }
    }
}

} // namespace

ThumbnailWidget::ThumbnailWidget(QWidget* parent)
    : VideoPreviewWidget(parent)
{
    setObjectName(QStringLiteral("ThumbnailWidget"));
    setMouseTracking(true);
}

ThumbnailWidget::~ThumbnailWidget() = default;

void ThumbnailWidget::setThumbnailTolSize(const QSize& size)
{
    {
        QMutexLocker locker(&m_mutex);
        const int b = m_nWndBorder;
        m_rcWndRect = QRect(QPoint(b / 2, b / 2), QPoint(width() - 1 - b + b / 2, height() - 1 - b + b / 2));
        m_szThumbnail = size;
        // A widget not laid out yet has no drawable area: keep one unit a pixel until it has.
        m_dHScale = m_rcWndRect.width() > 0 && size.width() > 0 ? double(size.width()) / m_rcWndRect.width() : 1.0;
        m_dVScale = m_rcWndRect.height() > 0 && size.height() > 0 ? double(size.height()) / m_rcWndRect.height() : 1.0;
    }
    update();
}

void ThumbnailWidget::setThumbnailRect(const QRect& rc)
{
    {
        QMutexLocker locker(&m_mutex);
        m_rcThumbnailRect = rc;
        m_rcCurrentRect = QRect(m_rcWndRect.left() + int(rc.x() / m_dHScale),
            m_rcWndRect.top() + int(rc.y() / m_dVScale), int(rc.width() / m_dHScale), int(rc.height() / m_dVScale));
        updateDragRects();
    }
    update();
}

void ThumbnailWidget::setDragEable(bool enable)
{
    m_bDragEnable = enable;
    if (!enable) {
        m_curDragState = enDragnull;
        unsetCursor();
    }
}

void ThumbnailWidget::setEnablePickUp(bool enable)
{
    m_bEnablePickUp = enable;
}

void ThumbnailWidget::setMattingEnalbe(bool enable)
{
    if (m_bMattingEnalbe == enable)
        return;
    m_bMattingEnalbe = enable;
    update();
}

void ThumbnailWidget::applyPickUpPoint(const QPoint& point)
{
    m_curMattingPoint = point;
    m_curPickUpPoint =
        QPoint(m_rcWndRect.left() + int(point.x() / m_dHScale), m_rcWndRect.top() + int(point.y() / m_dVScale));
}

void ThumbnailWidget::setPickUpPoint(QPoint point)
{
    applyPickUpPoint(point);
    update();
}

QPoint ThumbnailWidget::getPickUpPoint() const
{
    return toSourcePoint(m_curPickUpPoint);
}

// A widget point in source coordinates, kept inside the source (a point on the border or a pick
// point never set would otherwise lie before its first pixel).
QPoint ThumbnailWidget::toSourcePoint(const QPoint& pos) const
{
    QPoint point(std::max(0, int((pos.x() - m_rcWndRect.left()) * m_dHScale)),
        std::max(0, int((pos.y() - m_rcWndRect.top()) * m_dVScale)));
    if (m_szThumbnail.isValid()) {
        point.setX(std::min(point.x(), std::max(0, m_szThumbnail.width() - 1)));
        point.setY(std::min(point.y(), std::max(0, m_szThumbnail.height() - 1)));
    }
    return point;
}

bool ThumbnailWidget::storedPickPoint(QPoint* point) const
{
    const auto device = Vireo::BizModel::DeviceList::instance()->activedDevice().lock();
    if (!device)
        return false;
    const auto inputs = device->selectedInputs();
    const auto input = inputs.isEmpty() ? nullptr : inputs.first().lock();
    if (!input)
        return false;
    *point = input->getPickPoint();
    return true;
}

void ThumbnailWidget::updateDragRects()
{
    const QRect& r = m_rcCurrentRect;
    const int s = m_nDragSize;
    // Handles are squares of 2s + 1 pixels centred on the corners and edge middles; the hover
    // zones reach two pixels further so thin selections stay easy to grab.
    auto square = [s](int x, int y) { return QRect(x - s - 2, y - s - 2, 2 * s + 5, 2 * s + 5); };
    const int right = r.left() + r.width();
    const int bottom = r.top() + r.height();
    const int midX = r.left() + r.width() / 2;
    const int midY = r.top() + r.height() / 2;
    m_rcDrag[CornerTopLeft] = square(r.left(), r.top());
    m_rcDrag[CornerTopRight] = square(right, r.top());
    m_rcDrag[CornerBottomLeft] = square(r.left(), bottom);
    m_rcDrag[CornerBottomRight] = square(right, bottom);
    m_rcDrag[MiddleTop] = square(midX, r.top());
    m_rcDrag[MiddleBottom] = square(midX, bottom);
    m_rcDrag[MiddleLeft] = square(r.left(), midY);
    m_rcDrag[MiddleRight] = square(right, midY);
    m_rcDrag[EdgeTop] = QRect(r.left(), r.top() - s, r.width(), 2 * s + 1);
    m_rcDrag[EdgeBottom] = QRect(r.left(), bottom - s, r.width(), 2 * s + 1);
    m_rcDrag[EdgeLeft] = QRect(r.left() - s, r.top(), 2 * s + 1, r.height());
    m_rcDrag[EdgeRight] = QRect(right - s, r.top(), 2 * s + 1, r.height());
}

enDragState ThumbnailWidget::hitTest(const QPoint& pos) const
{
    if (m_rcCurrentRect.isEmpty())
        return enDragnull;
    for (int i = 0; i < DragAreaCount; ++i) {
        if (m_rcDrag[i].contains(pos))
            return kAreaState[i];
    }
    return m_rcCurrentRect.contains(pos) ? enDragCenter : enDragnull;
}

void ThumbnailWidget::dragTo(const QPoint& pos)
{
    const QPoint offset = pos - m_curPoint;
    int left = m_rcRectTemp.left();
    int top = m_rcRectTemp.top();
    int right = left + m_rcRectTemp.width();
    int bottom = top + m_rcRectTemp.height();
    const enDragState s = m_curDragState;
    const bool moveLeft = s == enDragTopLeft || s == enDragBottomLeft || s == enDragLeft || s == enDragCenter;
    const bool moveRight = s == enDragTopRight || s == enDragBottomRight || s == enDragRight || s == enDragCenter;
    const bool moveTop = s == enDragTopLeft || s == enDragTopRight || s == enDragTop || s == enDragCenter;
    const bool moveBottom = s == enDragBottomLeft || s == enDragBottomRight || s == enDragBottom || s == enDragCenter;
    if (moveLeft)
        left += offset.x();
    if (moveRight)
        right += offset.x();
    if (moveTop)
        top += offset.y();
    if (moveBottom)
        bottom += offset.y();
    const QRect& area = m_rcWndRect;
    fitSpan(left, right, area.left(), area.left() + area.width(), m_nDragSize, moveLeft, moveRight);
    fitSpan(top, bottom, area.top(), area.top() + area.height(), m_nDragSize, moveTop, moveBottom);
    m_rcCurrentRect = QRect(left, top, right - left, bottom - top);
    updateDragRects();
}

void ThumbnailWidget::pickAt(const QPoint& pos)
{
    const auto device = Vireo::BizModel::DeviceList::instance()->activedDevice().lock();
    if (!device)
        return;
    const auto inputs = device->selectedInputs();
    const auto input = inputs.isEmpty() ? nullptr : inputs.first().lock();
    if (!input)
        return;
    m_curPickUpPoint = pos;
    // Inside the source, whatever pixel of the selection's edge was hit.
    m_curMattingPoint = toSourcePoint(pos);
    input->setPickPoint(m_curMattingPoint);
    update();
    emit signal_PickUpPoint(m_curMattingPoint);
}

void ThumbnailWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        VideoPreviewWidget::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->pos();
    if (m_bDragEnable) {
        m_curDragState = hitTest(pos);
        if (m_curDragState != enDragnull) {
            m_curPoint = pos;
            m_rcRectTemp = m_rcCurrentRect;
        }
    }
    if (m_bMattingEnalbe && m_rcCurrentRect.contains(pos))
        pickAt(pos);
    event->accept();
}

void ThumbnailWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_curDragState != enDragnull && (event->buttons() & Qt::LeftButton)) {
        dragTo(event->pos());
        update();
        return;
    }
    if (m_bDragEnable)
        setCursor(cursorFor(hitTest(event->pos())));
    VideoPreviewWidget::mouseMoveEvent(event);
}

void ThumbnailWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_curDragState == enDragnull) {
        VideoPreviewWidget::mouseReleaseEvent(event);
        return;
    }
    m_curDragState = enDragnull;
    if (!m_bDragEnable)
        return;
    m_rcRectTemp = m_rcCurrentRect;
    m_curPoint = event->pos();

    // The region in source units, kept inside the source: widths first, then the corner.
    const int sourceWidth = std::max(0, m_szThumbnail.width());
    const int sourceHeight = std::max(0, m_szThumbnail.height());
    const int width = std::min(int(m_rcCurrentRect.width() * m_dHScale), sourceWidth);
    const int height = std::min(int(m_rcCurrentRect.height() * m_dVScale), sourceHeight);
    const int left =
        std::clamp(int((m_rcCurrentRect.left() - m_rcWndRect.left()) * m_dHScale), 0, std::max(0, sourceWidth - width));
    const int top =
        std::clamp(int((m_rcCurrentRect.top() - m_rcWndRect.top()) * m_dVScale), 0, std::max(0, sourceHeight - height));
    m_rcThumbnailRect = QRect(left, top, width, height);
    qDebug() << "ThumbnailRect" << m_rcThumbnailRect;
    emit signal_ThumbnailRect(m_rcThumbnailRect);
}

void ThumbnailWidget::resizeEvent(QResizeEvent* event)
{
    VideoPreviewWidget::resizeEvent(event);
    // The scales follow the new drawable area, then the selection and the pick point follow them.
    setThumbnailTolSize(m_szThumbnail);
    setThumbnailRect(m_rcThumbnailRect);
    QPoint stored;
    if (storedPickPoint(&stored))
        setPickUpPoint(stored);
}

void ThumbnailWidget::paintEvent(QPaintEvent* event)
{
    VideoPreviewWidget::paintEvent(event);
    QPainter painter(this);
    const int b = m_nWndBorder;

    painter.setPen(QPen(m_colorWndBorder, b));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(b / 2.0, b / 2.0, width() - b, height() - b));

    const QRect& sel = m_rcCurrentRect;
    if (!sel.isEmpty()) {
        painter.setPen(QPen(m_colorGrid, 1, Qt::SolidLine));
        for (int row = 1; row < m_nRowGridNum; ++row) {
            const int y = sel.top() + sel.height() * row / m_nRowGridNum;
            painter.drawLine(sel.left(), y, sel.left() + sel.width() - 1, y);
        }
        for (int col = 1; col < m_nColGridNum; ++col) {
            const int x = sel.left() + sel.width() * col / m_nColGridNum;
            painter.drawLine(x, sel.top(), x, sel.top() + sel.height() - 1);
        }
    }
    const QRegion outside = QRegion(m_rcWndRect).subtracted(QRegion(sel));
    for (const QRect& part : outside)
        painter.fillRect(part, QColor(255, 255, 255, 100));

    if (!sel.isEmpty()) {
        painter.setPen(QPen(m_colorDragRect, 1));
        painter.drawRect(sel.adjusted(0, 0, -1, -1));
        const int s = m_nDragSize;
        for (int i = CornerTopLeft; i <= MiddleRight; ++i) {
            const QPoint centre = m_rcDrag[i].center();
            painter.fillRect(QRect(centre.x() - s, centre.y() - s, 2 * s + 1, 2 * s + 1), m_colorDrag);
        }
    }

    QPoint stored;
    if (m_bMattingEnalbe && storedPickPoint(&stored)) {
        // Painting only reads the stored point: asking for another repaint here would never end.
        applyPickUpPoint(stored);
        const QPoint c = m_curPickUpPoint;
        const int r = m_nPicUpRadius;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(m_colorPickUpBack, m_nPicUpPenWidth));
        painter.drawEllipse(c, r, r);
        painter.drawLine(c.x() - r - 4, c.y(), c.x() - 3, c.y());
        painter.drawLine(c.x() + 3, c.y(), c.x() + r + 4, c.y());
        painter.drawLine(c.x(), c.y() - r - 4, c.x(), c.y() - 3);
        painter.drawLine(c.x(), c.y() + 3, c.x(), c.y() + r + 4);
    }
}

} // namespace Vireo::Widgets
