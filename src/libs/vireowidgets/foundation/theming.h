#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QMap>
#include <QString>
#include <QVariant>

namespace Vireo::Widgets {

// Turns a style sheet written with theme tokens into a plain one. Colour tokens read
// "orloTheme.color.<key>;" (the ";" stays in the sheet), image tokens "orloTheme.image.<key>".
// Use: setStyleSheet(replaceCssImages(replaceCssColors(sheet))).
class VIREOWIDGETS_EXPORT Theming
{
public:
    Theming() = delete;

    // The application's theme map, cached on the first call that finds it non-empty and kept
    // from then on.
    static QMap<QString, QVariant>& theme();
    // Every colour token replaced by its value (an unknown key gives an empty value).
    static QString replaceCssColors(const QString& css);
    // Every image token replaced by the resolved file path of its value; a missing file is noted
    // in the debug log and the token is replaced all the same.
    static QString replaceCssImages(const QString& css);
};

} // namespace Vireo::Widgets
