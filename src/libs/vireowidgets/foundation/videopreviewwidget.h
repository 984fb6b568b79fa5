#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace Vireo::EchoVideo::Internal {

// Colours of the pictures shown when a video has no signal or is not valid.
inline const QColor NoSignalVideo = QColor(Qt::black);
inline const QColor InvalidVideo = QColor(23, 24, 26, 255);

} // namespace Vireo::EchoVideo::Internal

namespace Vireo::Widgets {

// Paints a still video picture scaled to its size (smoothly, ignoring the aspect ratio), optionally with a small
// "forbidden" badge in the top-left corner.
class VIREOWIDGETS_EXPORT VideoPreviewWidget : public QWidget
{
    Q_OBJECT
public:
    explicit VideoPreviewWidget(QWidget* parent = nullptr);

    // The picture itself, for callers that fill it in place (then call refreshVideo()).
    QImage& getVideoFrame();
    void setVideoFrame(const QImage& image);
    // Schedules a repaint when the preview is at least partly in sight; one out of sight (scrolled
    // away, or in a hidden window) is painted with its newest picture when it comes into sight.
    void refreshVideo();
    void setForbiddenIconVisible(bool visible);
    bool isForbiddenIconVisible() const { return m_isShowForbiddenIcon; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setOpaquePainting(bool opaque);

    const QImage& scaledFrame();

    QImage m_imgVideoPreview;
    // The picture scaled to the widget's size once per frame and drawn as it is on repaints; made
    // on the first paint of a picture of another size.
    QImage m_imgScaled;
    bool m_bScaledStale = true;
    bool m_isShowForbiddenIcon = false;
};

} // namespace Vireo::Widgets
