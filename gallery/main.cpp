// The gallery host application: a simulated processor and every panel of the library on a page
// of its own. With --screenshots DIR it renders each page into DIR/<page>.png and exits.

#include "gallerywindow.h"
#include "simulateddevice.h"

#include <QApplication>
#include <QCommandLineParser>
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
    parser.process(app);

    QFile sheet(QStringLiteral(":/gallery/dark.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));

    Vireo::Gallery::SimulatedDevice device;
    Vireo::Gallery::GalleryWindow window(device);

    if (parser.isSet(screenshots))
        return window.saveScreenshots(parser.value(screenshots)) ? 0 : 1;

    window.show();
    return app.exec();
}
