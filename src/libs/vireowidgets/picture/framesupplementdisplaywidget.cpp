#include "framesupplementdisplaywidget.h"

#include <QResizeEvent>

#include <cmath>

namespace Vireo::Widgets {

FrameSupplementDisplayWidget::FrameSupplementDisplayWidget(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("OutputDisplayWidget"));
    setScaledContents(true);
}

FrameSupplementDisplayWidget::~FrameSupplementDisplayWidget() = default;

void FrameSupplementDisplayWidget::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    const int height = event->size().height();
    const int width = int(std::trunc(height * 1.6666666666666667));
    // The second resize this causes has the same height, so it changes nothing further.
    if (width != event->size().width())
        resize(width, height);
    if (QWidget* parent = parentWidget())
        move((parent->width() - width) / 2, (parent->height() - height) / 2);
}

} // namespace Vireo::Widgets
