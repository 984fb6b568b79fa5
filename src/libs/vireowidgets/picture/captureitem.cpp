#include "captureitem.h"

#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace Vireo::Widgets {

namespace {

constexpr qreal kHandleSize = 10.0;

Qt::CursorShape cursorFor(CaptureDirectItem::Direction direction)
{
    switch (direction) {
    case CaptureDirectItem::TopLeft:
    case CaptureDirectItem::BottomRight:
        return Qt::SizeFDiagCursor;
    case CaptureDirectItem::TopRight:
    case CaptureDirectItem::BottomLeft:
        return Qt::SizeBDiagCursor;
    case CaptureDirectItem::Top:
    case CaptureDirectItem::Bottom:
        return Qt::SizeVerCursor;
    default:
        return Qt::SizeHorCursor;
    }
}

qreal clampTo(qreal value, qreal low, qreal high)
{
    return std::max(low, std::min(value, high));
}

} // namespace

// ---------------------------------------------------------------------------------------------
CaptureDirectItem::CaptureDirectItem(CaptureItem* owner, Direction direction)
    : QGraphicsRectItem(QRectF(-kHandleSize / 2, -kHandleSize / 2, kHandleSize, kHandleSize), owner)
    , m_pOwner(owner)
    , m_direction(direction)
{
    setFlag(ItemIgnoresTransformations);
    setAcceptedMouseButtons(Qt::LeftButton);
    setBrush(Qt::white);
    setPen(QPen(QColor(40, 40, 40), 1));
    setCursor(cursorFor(direction));
    setZValue(1);
}

QPointF CaptureDirectItem::anchor(const QRectF& frame, Direction direction)
{
    switch (direction) {
    case TopLeft:
        return frame.topLeft();
    case Top:
        return {frame.center().x(), frame.top()};
    case TopRight:
        return {frame.right(), frame.top()};
    case Right:
        return {frame.right(), frame.center().y()};
    case BottomRight:
        return {frame.right(), frame.bottom()};
    case Bottom:
        return {frame.center().x(), frame.bottom()};
    case BottomLeft:
        return {frame.left(), frame.bottom()};
    default:
        return {frame.left(), frame.center().y()};
    }
}

void CaptureDirectItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
}

void CaptureDirectItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (m_pOwner)
        m_pOwner->dragDirect(m_direction, event->scenePos());
}

void CaptureDirectItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
}

// ---------------------------------------------------------------------------------------------
CaptureItem::CaptureItem(QGraphicsItem* parent)
    : QGraphicsObject(parent)
{
    setAcceptedMouseButtons(Qt::LeftButton);
    setCursor(Qt::SizeAllCursor);
}

CaptureItem::~CaptureItem() = default;

void CaptureItem::resize(const QSizeF& size)
{
    prepareGeometryChange();
    m_size = QSizeF(std::max<qreal>(0, size.width()), std::max<qreal>(0, size.height()));
    applyRect(m_captureRect);
}

void CaptureItem::setCaptureRect(const QRectF& rect)
{
    applyRect(rect);
}

void CaptureItem::setCaptureRange(const QSize& size)
{
    m_range = QSizeF(size);
    applyRect(m_captureRect);
}

QSizeF CaptureItem::captureRange() const
{
    return maximumSize();
}

void CaptureItem::setMinimumCaptureSize(const QSizeF& size)
{
    m_minimum = size;
    applyRect(m_captureRect);
}

QSizeF CaptureItem::minimumCaptureSize() const
{
    return minimumSize();
}

void CaptureItem::setCapturePixelLimit(quint64 pixels)
{
    m_pixelLimit = pixels;
    applyRect(m_captureRect);
}

QSizeF CaptureItem::maximumSize() const
{
    qreal w = m_size.width();
    qreal h = m_size.height();
    if (m_range.width() > 0)
        w = std::min(w, m_range.width());
    if (m_range.height() > 0)
        h = std::min(h, m_range.height());
    return {w, h};
}

QSizeF CaptureItem::minimumSize() const
{
    const QSizeF maximum = maximumSize();
    return {clampTo(m_minimum.width(), 0, maximum.width()), clampTo(m_minimum.height(), 0, maximum.height())};
}

QRectF CaptureItem::fitted(const QRectF& rect) const
{
    if (m_size.isEmpty())
        return {};
    const QSizeF maximum = maximumSize();
    const QSizeF minimum = minimumSize();
    const QRectF source = rect.normalized();
    qreal w = clampTo(source.width(), minimum.width(), maximum.width());
    qreal h = clampTo(source.height(), minimum.height(), maximum.height());
    if (m_pixelLimit > 0 && w * h > qreal(m_pixelLimit)) {
        // Over the budget: give up height first, then width, never below the smallest frame.
        h = std::max(minimum.height(), std::floor(qreal(m_pixelLimit) / std::max<qreal>(w, 1)));
        if (w * h > qreal(m_pixelLimit))
            w = std::max(minimum.width(), std::floor(qreal(m_pixelLimit) / std::max<qreal>(h, 1)));
    }
    const qreal x = clampTo(source.x(), 0, m_size.width() - w);
    const qreal y = clampTo(source.y(), 0, m_size.height() - h);
    return {x, y, w, h};
}

void CaptureItem::applyRect(const QRectF& rect)
{
    const QRectF next = fitted(rect);
    if (next == m_captureRect)
        return;
    m_captureRect = next;
    placeDirectItems();
    update();
    emit captureRectChanged(m_captureRect);
}

void CaptureItem::dragDirect(CaptureDirectItem::Direction direction, const QPointF& scenePos)
{
    if (m_size.isEmpty())
        return;
    const QPointF pos = mapFromScene(scenePos);
    const qreal px = clampTo(pos.x(), 0, m_size.width());
    const qreal py = clampTo(pos.y(), 0, m_size.height());
    const QSizeF maximum = maximumSize();
    const QSizeF minimum = minimumSize();
    qreal left = m_captureRect.left();
    qreal top = m_captureRect.top();
    qreal right = m_captureRect.right();
    qreal bottom = m_captureRect.bottom();

    const bool movesLeft = direction == CaptureDirectItem::TopLeft || direction == CaptureDirectItem::Left ||
        direction == CaptureDirectItem::BottomLeft;
    const bool movesRight = direction == CaptureDirectItem::TopRight || direction == CaptureDirectItem::Right ||
        direction == CaptureDirectItem::BottomRight;
    const bool movesTop = direction == CaptureDirectItem::TopLeft || direction == CaptureDirectItem::Top ||
        direction == CaptureDirectItem::TopRight;
    const bool movesBottom = direction == CaptureDirectItem::BottomLeft || direction == CaptureDirectItem::Bottom ||
        direction == CaptureDirectItem::BottomRight;

    // Heights first, then widths within what the pixel budget leaves for that height. The edge
    // opposite to the handle stays where it is.
    if (movesTop || movesBottom) {
        qreal maxH = maximum.height();
        if (m_pixelLimit > 0 && !(movesLeft || movesRight))
            maxH = std::min(maxH, std::floor(qreal(m_pixelLimit) / std::max<qreal>(right - left, 1)));
        if (movesTop)
            top = bottom - clampTo(bottom - py, minimum.height(), maxH);
        else
            bottom = top + clampTo(py - top, minimum.height(), maxH);
    }
    if (movesLeft || movesRight) {
        qreal maxW = maximum.width();
        if (m_pixelLimit > 0)
            maxW = std::min(maxW, std::floor(qreal(m_pixelLimit) / std::max<qreal>(bottom - top, 1)));
        if (movesLeft)
            left = right - clampTo(right - px, minimum.width(), maxW);
        else
            right = left + clampTo(px - left, minimum.width(), maxW);
    }
    applyRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
}

void CaptureItem::addDirectItems()
{
    if (m_pDirects[0])
        return;
    for (int i = 0; i < CaptureDirectItem::DirectionCount; ++i)
        m_pDirects[i] = new CaptureDirectItem(this, CaptureDirectItem::Direction(i));
    placeDirectItems();
}

CaptureDirectItem* CaptureItem::directItem(CaptureDirectItem::Direction direction) const
{
    if (direction < 0 || direction >= CaptureDirectItem::DirectionCount)
        return nullptr;
    return m_pDirects[direction];
}

void CaptureItem::placeDirectItems()
{
    for (CaptureDirectItem* item : m_pDirects) {
        if (item) {
            item->setPos(CaptureDirectItem::anchor(m_captureRect, item->direction()));
            item->setVisible(!m_captureRect.isEmpty());
        }
    }
}

QRectF CaptureItem::boundingRect() const
{
    return QRectF(QPointF(0, 0), m_size).adjusted(-2, -2, 2, 2);
}

QPainterPath CaptureItem::shape() const
{
    // Only the frame itself takes the mouse: presses on the dimmed picture around it do nothing.
    QPainterPath path;
    path.addRect(m_captureRect);
    return path;
}

void CaptureItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    Q_UNUSED(option)
    Q_UNUSED(widget)
    if (m_size.isEmpty())
        return;
    QPainterPath outside;
    outside.addRect(QRectF(QPointF(0, 0), m_size));
    QPainterPath inside;
    inside.addRect(m_captureRect);
    painter->fillPath(outside.subtracted(inside), QColor(0, 0, 0, 130));
    if (m_captureRect.isEmpty())
        return;

    QPen thirds(QColor(255, 255, 255, 110), 1, Qt::DashLine);
    thirds.setCosmetic(true);
    painter->setPen(thirds);
    for (int i = 1; i < 3; ++i) {
        const qreal x = m_captureRect.left() + m_captureRect.width() * i / 3;
        const qreal y = m_captureRect.top() + m_captureRect.height() * i / 3;
        painter->drawLine(QPointF(x, m_captureRect.top()), QPointF(x, m_captureRect.bottom()));
        painter->drawLine(QPointF(m_captureRect.left(), y), QPointF(m_captureRect.right(), y));
    }
    QPen outline(QColor(0, 174, 255), 2);
    outline.setCosmetic(true);
    painter->setPen(outline);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(m_captureRect);
}

void CaptureItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    m_bMoving = m_captureRect.contains(mapFromScene(event->scenePos()));
    m_pressPos = event->scenePos();
    m_pressRect = m_captureRect;
    event->setAccepted(m_bMoving);
}

void CaptureItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (!m_bMoving)
        return;
    applyRect(m_pressRect.translated(event->scenePos() - m_pressPos));
}

void CaptureItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    Q_UNUSED(event)
    m_bMoving = false;
}

} // namespace Vireo::Widgets
