#include <zkwidgets/flowlayout.h>

#include <QWidget>
#include <QWidgetItem>

#include <algorithm>

namespace ZK::Utils {

FlowLayout::FlowLayout(QWidget* parent, int margin, int hSpacing, int vSpacing)
    : QLayout(parent)
    , m_hSpace(hSpacing)
    , m_vSpace(vSpacing)
{
    if (margin >= 0)
        setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::FlowLayout(int margin, int hSpacing, int vSpacing)
    : m_hSpace(hSpacing)
    , m_vSpace(vSpacing)
{
    if (margin >= 0)
        setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::~FlowLayout()
{
    while (!m_itemList.isEmpty())
        delete m_itemList.takeLast();
}

int FlowLayout::horizontalSpacing() const
{
    return m_hSpace >= 0 ? m_hSpace : smartSpacing(QStyle::PM_LayoutHorizontalSpacing);
}

int FlowLayout::verticalSpacing() const
{
    return m_vSpace >= 0 ? m_vSpace : smartSpacing(QStyle::PM_LayoutVerticalSpacing);
}

void FlowLayout::setHorizontalSpacing(int spacing)
{
    m_hSpace = spacing;
    invalidate();
}

void FlowLayout::setVerticalSpacing(int spacing)
{
    m_vSpace = spacing;
    invalidate();
}

void FlowLayout::insertWidget(int index, QWidget* widget)
{
    if (!widget)
        return;
    addChildWidget(widget);
    auto* item = new QWidgetItemV2(widget);
    if (index < 0 || index > m_itemList.size())
        m_itemList.append(item);
    else
        m_itemList.insert(index, item);
    invalidate();
}

void FlowLayout::addItem(QLayoutItem* item)
{
    if (item)
        m_itemList.append(item);
}

int FlowLayout::count() const
{
    return m_itemList.size();
}

QLayoutItem* FlowLayout::itemAt(int index) const
{
    return m_itemList.value(index);
}

QLayoutItem* FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_itemList.size())
        return nullptr;
    QLayoutItem* item = m_itemList.takeAt(index);
    invalidate();
    return item;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return doLayout(QRect(0, 0, width, 0), true);
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (QLayoutItem* item : m_itemList) {
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize());
    }
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::sizeHint() const
{
    return minimumSize();
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    doLayout(rect, false);
}

int FlowLayout::doLayout(const QRect& rect, bool testOnly) const
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    getContentsMargins(&left, &top, &right, &bottom);
    const QRect area = rect.adjusted(left, top, -right, -bottom);
    const int hSpace = std::max(0, horizontalSpacing());
    const int vSpace = std::max(0, verticalSpacing());

    int x = area.x();
    int y = area.y();
    int lineHeight = 0;
    bool lineHasItems = false;
    for (QLayoutItem* item : m_itemList) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        // Wrap before an item that would pass the right edge, unless it is the first of its row.
        if (lineHasItems && x + hint.width() > area.right() + 1) {
            x = area.x();
            y += lineHeight + vSpace;
            lineHeight = 0;
        }
        if (!testOnly)
            item->setGeometry(QRect(QPoint(x, y), hint));
        x += hint.width() + hSpace;
        lineHeight = std::max(lineHeight, hint.height());
        lineHasItems = true;
    }
    const int used = lineHasItems ? y + lineHeight - rect.y() : top;
    return used + bottom;
}

int FlowLayout::smartSpacing(QStyle::PixelMetric metric) const
{
    QObject* owner = parent();
    if (!owner)
        return -1;
    if (owner->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(owner);
        return widget->style()->pixelMetric(metric, nullptr, widget);
    }
    return static_cast<QLayout*>(owner)->spacing();
}

} // namespace ZK::Utils
