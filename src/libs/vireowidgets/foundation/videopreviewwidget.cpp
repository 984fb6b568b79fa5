#include "videopreviewwidget.h"

#include <vireomodel/utils.h>

#include <QPainter>

namespace Vireo::Widgets {

VideoPreviewWidget::VideoPreviewWidget(QWidget* parent)
    : QWidget(parent)
    , m_pixForbiddenIcon(Vireo::Utils::Icon::imageFileName(QStringLiteral("icon_forbidden"), QString()))
{ }

void VideoPreviewWidget::setVideoFrame(const QImage& image)
{
    m_imgVideoPreview = image;
}

void VideoPreviewWidget::refreshVideo()
{
    update();
}

void VideoPreviewWidget::setForbiddenIconVisible(bool visible)
{
    m_isShowForbiddenIcon = visible;
}

void VideoPreviewWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    // Without a picture the first pass only prepares a black one; it shows from the next repaint.
    if (m_imgVideoPreview.isNull()) {
        m_imgVideoPreview = QImage(2, 2, QImage::Format_RGB32);
        m_imgVideoPreview.fill(Vireo::EchoVideo::Internal::NoSignalVideo);
        // This pass draws nothing, so the area must not be left to this widget alone.
        setOpaquePainting(false);
        return;
    }
    // A picture without transparency covers the whole widget: what lies under it (the button and
    // its style sheet) need not be painted at every video refresh.
    setOpaquePainting(!m_imgVideoPreview.hasAlphaChannel());
    // Scaled while drawn: a scaled copy of a full-size frame at every paint costs ten times more.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_imgVideoPreview);
    if (m_isShowForbiddenIcon)
        painter.drawPixmap(QRect(2, 2, 13, 13), m_pixForbiddenIcon);
}

// A change takes effect from the next paint; the current one was prepared under the old setting,
// so a widget that stops covering its area is painted again at once.
void VideoPreviewWidget::setOpaquePainting(bool opaque)
{
    if (testAttribute(Qt::WA_OpaquePaintEvent) == opaque)
        return;
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    if (!opaque)
        update();
}

} // namespace Vireo::Widgets
