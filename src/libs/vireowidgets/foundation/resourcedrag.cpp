#include "resourcedrag.h"

#include "constants.h"

#include <QDataStream>
#include <QDrag>
#include <QIODevice>
#include <QMimeData>
#include <QPainter>
#include <QWidget>

namespace Vireo::Widgets::Internal {

QPixmap resourceDragPixmap(QWidget* button, const QSize& dragPixmapSize, GrabFrame grabFrame)
{
    if (!button)
        return QPixmap();

    QPixmap grab = button->grab();
    if (grab.isNull())
        return grab;
    {
        QPixmap faded(grab.size());
        faded.setDevicePixelRatio(grab.devicePixelRatio());
        faded.fill(Qt::transparent);
        QPainter painter(&faded);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawPixmap(0, 0, grab);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.fillRect(faded.rect(), QColor(0, 0, 0, 200));
        painter.end();
        grab = faded;
    }

    const bool sized = dragPixmapSize.width() > 0 && dragPixmapSize.height() > 0;
    if (!sized && grabFrame == GrabFrame::None)
        return grab;

    QPixmap picture;
    if (sized) {
        picture = QPixmap(dragPixmapSize);
        picture.fill(Qt::transparent);
    } else {
        picture = grab.copy();
    }
    QPainter painter(&picture);
    painter.setPen(Qt::green);
    painter.setBrush(QColor(128, 128, 128, 100));
    painter.drawRect(0, 0, picture.width() - 1, picture.height() - 1);
    if (grab.width() > picture.width() || grab.height() > picture.height())
        grab = grab.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    painter.drawPixmap((picture.width() - grab.width()) / 2, (picture.height() - grab.height()) / 2, grab);
    painter.end();
    return picture;
}

QByteArray dragHotSpotBytes(const QPoint& hotSpot)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_9);
    stream.setByteOrder(QDataStream::BigEndian);
    stream << hotSpot;
    return bytes;
}

QDrag* execResourceDrag(QWidget* owner, QWidget* button, QMimeData* mime, const QSize& dragPixmapSize, bool customDrag,
    const std::function<void()>& beforeExec, GrabFrame grabFrame)
{
    if (!owner || !mime) {
        delete mime;
        return nullptr;
    }
    auto* drag = new QDrag(owner);
    QPoint hotSpot(0, 0);
    if (!customDrag && button) {
        const QPixmap picture = resourceDragPixmap(button, dragPixmapSize, grabFrame);
        drag->setPixmap(picture);
        hotSpot = QPoint(picture.width() / 2, picture.height() / 2);
    }
    // A custom drag has no picture; its hot spot is (0, 0), on the drag as in the data.
    drag->setHotSpot(hotSpot);
    if (beforeExec)
        beforeExec();
    mime->setData(QLatin1String(Vireo::Constants::MimeTypeDragHotSpot), dragHotSpotBytes(hotSpot));
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
    return drag;
}

QByteArray keyNumberBytes(quint64 keyNo)
{
    return QByteArray::number(keyNo);
}

} // namespace Vireo::Widgets::Internal
