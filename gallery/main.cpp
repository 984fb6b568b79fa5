// The gallery host application: a simulated processor and every panel of the library on a page
// of its own. With --screenshots DIR it renders each page into DIR/<page>.png and exits.

#include "galleryicons.h"
#include "gallerywindow.h"
#include "simulateddevice.h"

#include <vireowidgets/foundation/translation.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vireo_gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Gallery of the Vireo widget library"));
    parser.addHelpOption();
    QCommandLineOption screenshots(QStringLiteral("screenshots"),
        QStringLiteral("Render every page into <dir>/<page>.png and exit."), QStringLiteral("dir"));
    parser.addOption(screenshots);
    QCommandLineOption language(QStringLiteral("lang"),
        QStringLiteral("Show the panels in <language> (for example zh_CN)."), QStringLiteral("language"));
    parser.addOption(language);
    parser.process(app);

    if (parser.isSet(language)) {
        const QLocale locale(parser.value(language));
        QLocale::setDefault(locale);
        if (!Vireo::Widgets::Translation::install(locale))
            qWarning("The library has no translation for %s", qPrintable(parser.value(language)));
    }

    QString styleSheet;
    const QDir styles(QStringLiteral(":/gallery/styles"));
    for (const QString& name : styles.entryList({QStringLiteral("*.qss")}, QDir::Files, QDir::Name)) {
        QFile sheet(styles.filePath(name));
        if (sheet.open(QIODevice::ReadOnly))
            styleSheet += QString::fromUtf8(sheet.readAll()) + QLatin1Char('\n');
    }
    app.setStyleSheet(styleSheet);
    Vireo::Gallery::installGalleryIcons();

    Vireo::Gallery::SimulatedDevice device;
    Vireo::Gallery::GalleryWindow window(device);

    if (parser.isSet(screenshots))
        return window.saveScreenshots(parser.value(screenshots)) ? 0 : 1;

    window.show();
    return app.exec();
}
