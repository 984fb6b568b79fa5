#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QFont>
#include <QString>

#include <utility>

namespace Vireo::Widgets::Internal {

// The last two results of a text-fitting function of (font, text, width). List buttons set the
// same texts again at every update, some of them two in turn (a short form, then their own), and
// measuring text is the expensive part of that.
class VIREOWIDGETS_EXPORT TextFitMemo
{
public:
    // What `fit()` gives for this font, text and width: remembered, or computed and remembered in
    // place of the least recent one.
    template <typename Fit>
    QString fitted(const QFont& font, const QString& text, int width, Fit fit)
    {
        for (int i = 0; i < 2; ++i) {
            if (m_entries[i].matches(font, text, width)) {
                if (i == 1)
                    std::swap(m_entries[0], m_entries[1]);
                return m_entries[0].result;
            }
        }
        m_entries[1] = {text, fit(), font, width};
        std::swap(m_entries[0], m_entries[1]);
        return m_entries[0].result;
    }

private:
    struct Entry
    {
        QString source;
        QString result;
        QFont font;
        int width = -1;

        bool matches(const QFont& f, const QString& text, int w) const;
    };
    Entry m_entries[2];
};

// The list buttons' elision: `text` elided at the right to `width` pixels in `font` when it is at
// least that wide, else `text` unchanged.
VIREOWIDGETS_EXPORT QString elidedToWidth(const QFont& font, const QString& text, int width);

} // namespace Vireo::Widgets::Internal
