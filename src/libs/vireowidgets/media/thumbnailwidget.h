#pragma once

#include <vireowidgets/foundation/videopreviewwidget.h>
#include <vireowidgets/vireowidgets_export.h>

#include <QColor>
#include <QMutex>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace Vireo::Widgets {

enum enDragState {
    enDragnull = 0,
    enDragTopLeft = 1,
    enDragTop = 2,
    enDragTopRight = 3,
    enDragBottomLeft = 4,
    enDragBottom = 5,
    enDragBottomRight = 6,
    enDragLeft = 7,
    enDragRight = 8,
    enDragCenter = 9,
};

// A scaled-down picture of a large source area with a selection rectangle on top that the operator
// moves and resizes with the mouse, and optionally a pick point (for keying out a colour) stored on
// the device's selected input. Region and point are reported in the source's own units.
//
// Widget pixels map to source units from the drawable area's top-left corner (inside the border):
// source = (widget - drawable origin) x scale, so a region reported after a drag always lies inside
// the source.
class VIREOWIDGETS_EXPORT ThumbnailWidget : public VideoPreviewWidget
{
    Q_OBJECT
public:
    explicit ThumbnailWidget(QWidget* parent = nullptr);
    ~ThumbnailWidget() override;

    void setThumbnailTolSize(const QSize& size);
    QSize thumbnailTolSize() const { return m_szThumbnail; }
    void setThumbnailRect(const QRect& rc);
    QRect thumbnailRect() const { return m_rcThumbnailRect; }
    // The selection as drawn, and the drawable area, in widget pixels.
    QRect currentRect() const { return m_rcCurrentRect; }
    QRect drawableRect() const { return m_rcWndRect; }

    void setDragEable(bool enable);
    void setEnablePickUp(bool enable);
    void setMattingEnalbe(bool enable);

    void setPickUpPoint(QPoint point);
    QPoint getPickUpPoint() const;

signals:
    void signal_ThumbnailRect(QRect rc);
    void signal_PickUpPoint(QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void updateDragRects();
    enDragState hitTest(const QPoint& pos) const;
    void dragTo(const QPoint& pos);
    void applyPickUpPoint(const QPoint& point);
    bool storedPickPoint(QPoint* point) const;
    void pickAt(const QPoint& pos);
    QPoint toSourcePoint(const QPoint& pos) const;

    QRect m_rcDrag[12];
    enDragState m_curDragState = enDragnull;
    QRect m_rcCurrentRect;
    QRect m_rcRectTemp;
    QRect m_rcWndRect;
    QRect m_rcThumbnailRect;
    QPoint m_curPoint;
    QSize m_szThumbnail;
    double m_dHScale = 1.0;
    double m_dVScale = 1.0;
    bool m_bDragEnable = false;
    bool m_bEnablePickUp = false;
    QPoint m_curPickUpPoint;
    QPoint m_curMattingPoint;
    bool m_bMattingEnalbe = false;
    QMutex m_mutex;
    QColor m_colorWndBorder {205, 205, 205};
    QColor m_colorDragRect {128, 128, 128};
    QColor m_colorDrag {Qt::white};
    QColor m_colorGrid {240, 240, 240};
    QColor m_colorPickUpBack {0, 255, 0};
    int m_nWndBorder = 2;
    int m_nDragSize = 3;
    int m_nRowGridNum = 2;
    int m_nColGridNum = 2;
    int m_nPicUpPenWidth = 3;
    int m_nPicUpRadius = 9;
};

} // namespace Vireo::Widgets
