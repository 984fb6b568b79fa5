#pragma once

// Small pieces that every gallery page uses: the heading with its caption, a titled frame around
// a panel, and a drop area that stands for the host's canvas.

#include <QLabel>
#include <QStringList>

#include <functional>

class QGroupBox;
class QMimeData;
class QVBoxLayout;

namespace Vireo::Gallery {

// Adds the page's heading and a wrapped caption under it.
void addPageHeading(QVBoxLayout* layout, const QString& heading, const QString& caption, QWidget* parent);

// A group box titled `title` holding `content`.
QGroupBox* framed(const QString& title, QWidget* content, QWidget* parent);

// Accepts drags that carry one of `acceptedTypes` and shows what `describe` makes of the drop,
// as a host's canvas would receive it.
class DropArea : public QLabel
{
public:
    using Describe = std::function<QString(const QMimeData* mime, const QPoint& hotSpot)>;

    DropArea(const QString& prompt, const QStringList& acceptedTypes, Describe describe, QWidget* parent);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QStringList m_acceptedTypes;
    Describe m_describe;
};

} // namespace Vireo::Gallery
