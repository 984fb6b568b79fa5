#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QObject>

class QFrame;
class QHBoxLayout;
class QVBoxLayout;
class QWidget;

namespace Vireo::Widgets {

// Factory of the thin separator lines used around and between panels; their colour comes from the
// host's style sheet (callers mark them with properties such as "isLevel1Separator").
class VIREOWIDGETS_EXPORT FrameLine : public QObject
{
    Q_OBJECT
public:
    // A line across the width, added to `layout`, whose spacing becomes 0 and margins
    // (0, margin, 0, margin). With a null layout the line is returned unplaced.
    static QFrame* createHorizontalLine(QHBoxLayout* layout, QWidget* parent, const uint& width, const uint& margin);
    // A line across the height, added to `layout`; margins (margin, 0, margin, 0).
    static QFrame* createVerticalLine(QVBoxLayout* layout, QWidget* parent, const uint& width, const uint& margin);
};

} // namespace Vireo::Widgets
