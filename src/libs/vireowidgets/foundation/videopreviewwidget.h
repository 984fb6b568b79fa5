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

// Paints a still video picture scaled to its size, optionally with a small "forbidden" badge in
// the top-left corner.
class VIREOWIDGETS_EXPORT VideoPreviewWidget : public QWidget
{
    Q_OBJECT
public:
    explicit VideoPreviewWidget(QWidget* parent = nullptr);

    // The picture itself, for callers that fill it in place.
    QImage& getVideoFrame() { return m_imgVideoPreview; }
    void setVideoFrame(const QImage& image);
    void refreshVideo();
    void setForbiddenIconVisible(bool visible);
    bool isForbiddenIconVisible() const { return m_isShowForbiddenIcon; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setOpaquePainting(bool opaque);

    QImage m_imgVideoPreview;
    QPixmap m_pixForbiddenIcon;
    bool m_isShowForbiddenIcon = false;
};

} // namespace Vireo::Widgets
