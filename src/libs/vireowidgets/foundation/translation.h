#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QLocale>
#include <QString>

namespace Vireo::Widgets {

// The library's own translations. Its compiled catalogues are built into the library, so a host
// needs one call, after creating its QApplication and before creating the panels:
//
//     Vireo::Widgets::Translation::install(QLocale(QStringLiteral("zh_CN")));
//
// Panels already shown follow through their retranslateUi() on the LanguageChange event that
// installing a translator sends. The same catalogues are installed with the package under
// share/vireowidgets/translations for hosts that load them themselves.
class VIREOWIDGETS_EXPORT Translation
{
public:
    Translation() = delete;

    // Installs the catalogue that best matches the locale's UI languages, replacing one installed
    // before. Returns false, and leaves the texts in English, when the library has none for it.
    static bool install(const QLocale& locale = QLocale());
    // Removes the installed catalogue, if any: texts go back to English.
    static void remove();
    // The language of the installed catalogue ("zh_CN"), empty when none is installed.
    static QString installedLanguage();
    // The languages the library carries catalogues for.
    static QStringList availableLanguages();
};

} // namespace Vireo::Widgets
