#include "qwraplabel.h"

#include <QFontMetrics>

namespace Vireo::Widgets {

QWrapLabel::QWrapLabel(QWidget* parent, Qt::WindowFlags f)
    : QLabel(parent, f)
{ }

void QWrapLabel::setText(const QString& text)
{
    strPlainText_ = text;
    QLabel::setText(detectWrapText());
}

QString QWrapLabel::detectWrapText() const
{
    if (strPlainText_.isEmpty())
        return QString();
    return m_fittings.fitted(font(), strPlainText_, width(), [this] { return fitText(); });
}

QString QWrapLabel::fitText() const
{
    const int available = width() - 1;
    const QFontMetrics metrics(font());
    if (metrics.horizontalAdvance(strPlainText_) <= available)
        return strPlainText_;

    const QString pattern = QStringLiteral("%1...");
    auto candidate = [&](int n) { return pattern.arg(strPlainText_.left(n)); };
    auto fits = [&](int n) { return metrics.horizontalAdvance(candidate(n)) <= available; };
    // A cut between the two halves of a surrogate pair would show a broken character.
    auto cutsPair = [&](int n) { return strPlainText_.at(n - 1).isHighSurrogate(); };

    // The candidates grow with n, so the longest one that fits is found by halving instead of
    // measuring every prefix.
    int low = 1;
    int high = strPlainText_.size() - 3;
    int best = 0;
    while (low <= high) {
        const int mid = low + (high - low) / 2;
        if (fits(mid)) {
            best = mid;
            low = mid + 1;
        } else {
            high = mid - 1;
        }
    }
    while (best > 0 && cutsPair(best))
        --best;
    return best > 0 ? candidate(best) : QString();
}

void QWrapLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    QLabel::setText(detectWrapText());
}

} // namespace Vireo::Widgets
