#include "ediddmtschemadisplaywidget.h"

#include <QPainter>

#include <array>

namespace Vireo::Widgets {

namespace {

struct Part
{
    QString label;
    qint64 length;
    QColor color;
};

// Splits `span` pixels among the parts in proportion to their lengths; every part that has a
// length gets at least a sliver so that it stays visible.
std::array<int, 4> split(const std::array<Part, 4>& parts, int span)
{
    qint64 total = 0;
    for (const auto& part : parts)
        total += qMax<qint64>(0, part.length);
    std::array<int, 4> sizes {};
    if (total <= 0 || span <= 0)
        return sizes;
    int used = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        const qint64 length = qMax<qint64>(0, parts[i].length);
        sizes[i] = length > 0 ? qMax(2, int(length * span / total)) : 0;
        used += sizes[i];
    }
    sizes[2] = qMax(0, sizes[2] - (used - span)); // the active part absorbs the rounding
    return sizes;
}

} // namespace

EdidDMTSchemaDisplayWidget::EdidDMTSchemaDisplayWidget(QWidget* parent)
    : QWidget(parent)
{
    setMinimumHeight(240);
}

EdidDMTSchemaDisplayWidget::~EdidDMTSchemaDisplayWidget() = default;

QSize EdidDMTSchemaDisplayWidget::sizeHint() const
{
    return {450, 300};
}

void EdidDMTSchemaDisplayWidget::setCurDMTSchemaData(const ZK::VESA::s_DMTSchemaData& data)
{
    m_data = data;
    update();
}

void EdidDMTSchemaDisplayWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor syncColor(214, 120, 48);
    const QColor porchColor(70, 74, 82);
    const QColor activeColor(47, 111, 214);
    const QColor text(232, 234, 238);

    const auto& h = m_data.HorFrameTiming;
    const auto& v = m_data.VerFrameTiming;
    const std::array<Part, 4> hParts {Part {tr("Hor Sync Time"), h.Sync, syncColor},
        Part {tr("H Back Porch"), qint64(h.backProch), porchColor},
        Part {tr("Hor Active Video"), h.AddrTime, activeColor}, Part {tr("H Front Porch"), h.FrontPorch, porchColor}};
    const std::array<Part, 4> vParts {Part {tr("Ver Sync Time"), v.Sync, syncColor},
        Part {tr("V Back Porch"), qint64(v.backProch), porchColor},
        Part {tr("Ver Acive Video"), v.AddrTime, activeColor}, Part {tr("V Front Porch"), v.FrontPorch, porchColor}};

    const int bar = 22;
    const QRect area = rect().adjusted(bar + 4, bar + 4, -4, -4);
    if (area.width() <= 0 || area.height() <= 0)
        return;
    const auto hSizes = split(hParts, area.width());
    const auto vSizes = split(vParts, area.height());

    QFont small = font();
    small.setPixelSize(10);
    painter.setFont(small);

    // Horizontal bar along the top, vertical bar down the left.
    int x = area.left();
    for (size_t i = 0; i < hParts.size(); ++i) {
        const QRect cell(x, 0, hSizes[i], bar);
        painter.fillRect(cell.adjusted(0, 0, -1, 0), hParts[i].color);
        painter.setPen(text);
        painter.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine,
            painter.fontMetrics().elidedText(hParts[i].label, Qt::ElideRight, cell.width()));
        x += hSizes[i];
    }
    int y = area.top();
    for (size_t i = 0; i < vParts.size(); ++i) {
        const QRect cell(0, y, bar, vSizes[i]);
        painter.fillRect(cell.adjusted(0, 0, 0, -1), vParts[i].color);
        painter.save();
        painter.translate(cell.left(), cell.bottom());
        painter.rotate(-90);
        const QRect rotated(0, 0, cell.height(), cell.width());
        painter.setPen(text);
        painter.drawText(rotated, Qt::AlignCenter | Qt::TextSingleLine,
            painter.fontMetrics().elidedText(vParts[i].label, Qt::ElideRight, rotated.width()));
        painter.restore();
        y += vSizes[i];
    }

    // The frame: blanking around, the active picture where both active parts meet.
    painter.fillRect(area, QColor(40, 42, 47));
    const int activeLeft = area.left() + hSizes[0] + hSizes[1];
    const int activeTop = area.top() + vSizes[0] + vSizes[1];
    const QRect active(activeLeft, activeTop, hSizes[2], vSizes[2]);
    painter.fillRect(active, activeColor.darker(140));
    painter.setPen(QPen(activeColor, 1));
    painter.drawRect(active.adjusted(0, 0, -1, -1));
    painter.setPen(text);
    QFont big = font();
    big.setPixelSize(13);
    big.setBold(true);
    painter.setFont(big);
    painter.drawText(
        active, Qt::AlignCenter, tr("Active Video") + QStringLiteral("\n%1 x %2").arg(h.AddrTime).arg(v.AddrTime));
}

} // namespace Vireo::Widgets
