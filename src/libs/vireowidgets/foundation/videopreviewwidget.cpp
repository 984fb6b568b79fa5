#include "videopreviewwidget.h"

#include <vireomodel/utils.h>

#include <QPainter>
#include <QVarLengthArray>

namespace Vireo::Widgets {

namespace {

// One badge for every preview, read again only when the theme names another file.
const QImage& forbiddenIcon()
{
    static QString fileName;
    static QImage icon;
    const QString current = Vireo::Utils::Icon::imageFileName(QStringLiteral("icon_forbidden"), QString());
    if (current != fileName) {
        fileName = current;
        icon = QImage(current);
    }
    return icon;
}

} // namespace

VideoPreviewWidget::VideoPreviewWidget(QWidget* parent)
    : QWidget(parent)
{ }

QImage& VideoPreviewWidget::getVideoFrame()
{
    // The caller may write into the picture.
    m_bScaledStale = true;
    return m_imgVideoPreview;
}

void VideoPreviewWidget::setVideoFrame(const QImage& image)
{
    m_imgVideoPreview = image;
    m_bScaledStale = true;
}

void VideoPreviewWidget::refreshVideo()
{
    m_bScaledStale = true;
    // Only a preview in sight is repainted now: one scrolled away (or in a hidden list) is painted
    // with its newest picture when it comes into sight. Marking hundreds of previews out of sight
    // dirty costs Qt time in their number squared at the next repaint (each dirty widget is compared
    // with its siblings), for nothing anyone sees.
    if (!visibleRegion().isEmpty())
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
    QPainter painter(this);
    painter.drawImage(0, 0, scaledFrame());
    if (m_isShowForbiddenIcon)
        painter.drawImage(QRect(2, 2, 13, 13), forbiddenIcon());
}

void VideoPreviewWidget::resizeEvent(QResizeEvent* event)
{
    m_bScaledStale = true;
    QWidget::resizeEvent(event);
}

namespace {

// The average of four channels packed in 32 bits, two channels at a time: each sum of four 8-bit
// values fits in its 16-bit lane.
QRgb averageOfFour(QRgb a, QRgb b, QRgb c, QRgb d)
{
    const quint32 odd = (a & 0xff00ff) + (b & 0xff00ff) + (c & 0xff00ff) + (d & 0xff00ff);
    const quint32 even = ((a >> 8) & 0xff00ff) + ((b >> 8) & 0xff00ff) + ((c >> 8) & 0xff00ff) + ((d >> 8) & 0xff00ff);
    return (((odd + 0x20002) >> 2) & 0xff00ff) | ((((even + 0x20002) >> 2) & 0xff00ff) << 8);
}

// Scales a 32-bit picture (premultiplied when it carries alpha) down into `target`: each pixel
// is the average of four samples spread over the area it covers, where a painter's filtered draw
// takes one and shows the grain of the skipped pixels.
void sampleFourDown(const QImage& source, QImage& target)
{
    const int width = target.width();
    const int height = target.height();
    // Samples at a quarter and three quarters of each pixel's extent.
    auto at = [](int i, int quarter, int from, int to) {
        return int((qint64(4 * i + quarter) * from) / (4 * qint64(to)));
    };
    QVarLengthArray<int, 512> columns(2 * width);
    for (int x = 0; x < width; ++x) {
        columns[2 * x] = at(x, 1, source.width(), width);
        columns[2 * x + 1] = at(x, 3, source.width(), width);
    }
    for (int y = 0; y < height; ++y) {
        const auto* upper = reinterpret_cast<const QRgb*>(source.constScanLine(at(y, 1, source.height(), height)));
        const auto* lower = reinterpret_cast<const QRgb*>(source.constScanLine(at(y, 3, source.height(), height)));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int left = columns[2 * x];
            const int right = columns[2 * x + 1];
            out[x] = averageOfFour(upper[left], upper[right], lower[left], lower[right]);
        }
    }
}

} // namespace

// Each frame is scaled once, on its first paint, with a smooth filter; repaints until the next
// frame (an expose, the button's own state) draw that copy unscaled. The copy is kept at the
// widget's size and refilled in place, so a running video allocates nothing per frame.
const QImage& VideoPreviewWidget::scaledFrame()
{
    const QSize target = size();
    const QSize source = m_imgVideoPreview.size();
    if (source == target || target.isEmpty())
        return m_imgVideoPreview;
    if (!m_bScaledStale && m_imgScaled.size() == target)
        return m_imgScaled;
    m_bScaledStale = false;
    const QImage::Format format = m_imgVideoPreview.format();
    const bool packed = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
    if (packed && source.width() >= 2 * target.width() && source.height() >= 2 * target.height()) {
        // A frame into a thumbnail: a filter over every source pixel costs as much as a dozen
        // painter draws, four samples per shown pixel look as smooth.
        if (m_imgScaled.size() != target || m_imgScaled.format() != format)
            m_imgScaled = QImage(target, format);
        sampleFourDown(m_imgVideoPreview, m_imgScaled);
    } else {
        m_imgScaled = m_imgVideoPreview.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return m_imgScaled;
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
