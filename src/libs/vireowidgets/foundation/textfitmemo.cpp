#include "textfitmemo.h"

#include <QFontMetrics>

namespace Vireo::Widgets::Internal {

bool TextFitMemo::Entry::matches(const QFont& f, const QString& text, int w) const
{
    // Cheapest first: most look-ups differ in the text or match whole.
    return width == w && source == text && font == f;
}

QString elidedToWidth(const QFont& font, const QString& text, int width)
{
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) >= width)
        return metrics.elidedText(text, Qt::ElideRight, width);
    return text;
}

} // namespace Vireo::Widgets::Internal
