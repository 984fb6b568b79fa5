#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QGraphicsObject>
#include <QGraphicsRectItem>
#include <QRectF>
#include <QSizeF>

namespace Vireo::Widgets {

class CaptureItem;

// One drag handle of a CaptureItem (a child of it): a small square that keeps its on-screen size
// whatever the view's zoom, sitting on a corner or on the middle of an edge of the frame. Dragging it
// moves the edges it stands for.
class VIREOWIDGETS_EXPORT CaptureDirectItem : public QGraphicsRectItem
{
public:
    enum Direction { TopLeft = 0, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left, DirectionCount };

    CaptureDirectItem(CaptureItem* owner, Direction direction);

    Direction direction() const { return m_direction; }
    // The handle's place on a frame.
    static QPointF anchor(const QRectF& frame, Direction direction);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    CaptureItem* m_pOwner;
    Direction m_direction;
};

// The crop frame laid over a picture in a graphics scene, in the picture's own pixels (the item sits
// at the scene origin and the picture is painted at (0, 0)).
//
// - resize(size) sets the area the frame lives in: the picture. The frame never leaves it.
// - setCaptureRange(size) sets the largest frame; setMinimumCaptureSize(size) the smallest (both
//   are fitted to the area); setCapturePixelLimit(n) caps width x height (0: no cap), so a frame
//   chosen for a store with a pixel budget always fits that budget.
// - setCaptureRect(rect) places the frame; it is fitted to the limits above (moved back inside the
//   area first, then shrunk or grown as needed) and captureRect() reports what was kept.
// - The frame is moved by dragging its inside, and resized with the handles that addDirectItems()
//   adds to the scene (call it once the item is in a scene).
// - Every change of the frame, by code or by the mouse, is reported once with captureRectChanged().
//
// Outside the frame the picture is dimmed; the frame is outlined and split in thirds.
class VIREOWIDGETS_EXPORT CaptureItem : public QGraphicsObject
{
    Q_OBJECT
public:
    explicit CaptureItem(QGraphicsItem* parent = nullptr);
    ~CaptureItem() override;

    void resize(const QSizeF& size);
    QSizeF size() const { return m_size; }

    void setCaptureRect(const QRectF& rect);
    QRectF captureRect() const { return m_captureRect; }

    void setCaptureRange(const QSize& size);
    QSizeF captureRange() const;
    void setMinimumCaptureSize(const QSizeF& size);
    QSizeF minimumCaptureSize() const;
    void setCapturePixelLimit(quint64 pixels);
    quint64 capturePixelLimit() const { return m_pixelLimit; }

    // Adds the eight handles (children of the item, so they live in its scene); once only.
    void addDirectItems();
    CaptureDirectItem* directItem(CaptureDirectItem::Direction direction) const;

    // Moves the edges that `direction` stands for to `scenePos`, keeping the limits.
    void dragDirect(CaptureDirectItem::Direction direction, const QPointF& scenePos);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void captureRectChanged(const QRectF& rect);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    QSizeF maximumSize() const;
    QSizeF minimumSize() const;
    QRectF fitted(const QRectF& rect) const;
    void applyRect(const QRectF& rect);
    void placeDirectItems();

    QSizeF m_size;
    QSizeF m_range;
    QSizeF m_minimum {1, 1};
    quint64 m_pixelLimit = 0;
    QRectF m_captureRect;
    QRectF m_pressRect;
    QPointF m_pressPos;
    bool m_bMoving = false;
    CaptureDirectItem* m_pDirects[CaptureDirectItem::DirectionCount] = {};
};

} // namespace Vireo::Widgets
