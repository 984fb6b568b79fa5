#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QByteArray>
#include <QPixmap>
#include <QPoint>
#include <QSize>

#include <functional>

class QDrag;
class QMimeData;
class QWidget;

// The drag picture and the MIME payload shared by every resource list, written once.
namespace Vireo::Widgets::Internal {

// How a drag picture is framed when the drag size has a 0 dimension: the input, output and user
// key lists show the bare translucent grab, the screen lists frame the grab itself.
enum class GrabFrame { None, OnGrab };

// Translucent picture of a content button for a drag: the button's grab at about 78 % opacity.
// When dragPixmapSize has a 0 dimension that grab is the picture (with `grabFrame` OnGrab, the
// grab with the frame painted on it and the grab drawn over again); otherwise the picture has
// dragPixmapSize, a green-edged grey frame, and the grab (scaled down when larger) centred on it.
// Note that a default QSize is (-1, -1), which is not "0": keep drag sizes at QSize(0, 0).
VIREOWIDGETS_EXPORT QPixmap resourceDragPixmap(
    QWidget* button, const QSize& dragPixmapSize, GrabFrame grabFrame = GrabFrame::None);

// A QPoint as QDataStream writes it: x then y, signed 32-bit big-endian, 8 bytes.
VIREOWIDGETS_EXPORT QByteArray dragHotSpotBytes(const QPoint& hotSpot);

// Runs one resource drag owned by `owner` (takes ownership of `mime`): unless customDrag, sets the
// picture of `button` and the hot spot at its centre; calls beforeExec (may be empty); writes
// MimeTypeDragHotSpot ((0, 0) for a custom drag, never QDrag's default); exec(Qt::CopyAction).
// Returns the QDrag, a child of owner that Qt deletes later, or nullptr when owner or mime is null.
VIREOWIDGETS_EXPORT QDrag* execResourceDrag(QWidget* owner, QWidget* button, QMimeData* mime,
    const QSize& dragPixmapSize, bool customDrag, const std::function<void()>& beforeExec = {},
    GrabFrame grabFrame = GrabFrame::None);

// A key number as MIME payload: decimal ASCII digits, no sign, padding or terminator.
VIREOWIDGETS_EXPORT QByteArray keyNumberBytes(quint64 keyNo);

} // namespace Vireo::Widgets::Internal
