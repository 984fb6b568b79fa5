#include "frameline.h"

#include <QBoxLayout>
#include <QFrame>

namespace Vireo::Widgets {

namespace {

// Without a layout from the caller the line is returned unplaced: a layout made here could
// neither be reached by the caller nor be owned by anyone, so it would only leak.
void placeLine(QBoxLayout* layout, QFrame* line, const QMargins& margins)
{
    if (!layout)
        return;
    layout->setSpacing(0);
    layout->setContentsMargins(margins);
    layout->addWidget(line);
}

} // namespace

QFrame* FrameLine::createHorizontalLine(QHBoxLayout* layout, QWidget* parent, const uint& width, const uint& margin)
{
    const QMargins margins(0, int(margin), 0, int(margin));

    auto* line = new QFrame(parent);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(int(width));
    line->setFixedHeight(int(width));
    line->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    placeLine(layout, line, margins);
    return line;
}

QFrame* FrameLine::createVerticalLine(QVBoxLayout* layout, QWidget* parent, const uint& width, const uint& margin)
{
    const QMargins margins(int(margin), 0, int(margin), 0);

    auto* line = new QFrame(parent);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(int(width));
    line->setFixedWidth(int(width));
    line->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    placeLine(layout, line, margins);
    return line;
}

} // namespace Vireo::Widgets
