#include "pagekit.h"

#include <vireowidgets/foundation/constants.h>

#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QMimeData>
#include <QVBoxLayout>
#include <QtDebug>

namespace Vireo::Gallery {

void addPageHeading(QVBoxLayout* layout, const QString& heading, const QString& caption, QWidget* parent)
{
    auto* title = new QLabel(heading, parent);
    title->setObjectName(QStringLiteral("GalleryHeading"));
    layout->addWidget(title);
    auto* text = new QLabel(caption, parent);
    text->setObjectName(QStringLiteral("GalleryCaption"));
    text->setWordWrap(true);
    layout->addWidget(text);
}

QGroupBox* framed(const QString& title, QWidget* content, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

DropArea::DropArea(const QString& prompt, const QStringList& acceptedTypes, Describe describe, QWidget* parent)
    : QLabel(parent)
    , m_acceptedTypes(acceptedTypes)
    , m_describe(std::move(describe))
{
    setObjectName(QStringLiteral("GalleryDropArea"));
    setAcceptDrops(true);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setMinimumSize(260, 160);
    setText(prompt);
}

void DropArea::dragEnterEvent(QDragEnterEvent* event)
{
    for (const QString& type : qAsConst(m_acceptedTypes)) {
        if (event->mimeData()->hasFormat(type)) {
            event->acceptProposedAction();
            return;
        }
    }
}

void DropArea::dropEvent(QDropEvent* event)
{
    const QMimeData* mime = event->mimeData();
    QPoint hotSpot;
    QDataStream stream(mime->data(QLatin1String(Vireo::Constants::MimeTypeDragHotSpot)));
    stream >> hotSpot;
    setText(m_describe(mime, hotSpot));
    qDebug().noquote() << "gallery: dropped:" << text().replace(QLatin1Char('\n'), QLatin1String("; "));
    event->acceptProposedAction();
}

} // namespace Vireo::Gallery
