#include "translation.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTranslator>

namespace Vireo::Widgets {

namespace {

const QString kCatalogueFolder = QStringLiteral(":/vireowidgets/i18n");
const QString kCataloguePrefix = QStringLiteral("vireowidgets_");

QPointer<QTranslator>& installedTranslator()
{
    static QPointer<QTranslator> translator;
    return translator;
}

QString& installedName()
{
    static QString name;
    return name;
}

} // namespace

bool Translation::install(const QLocale& locale)
{
    auto* app = QCoreApplication::instance();
    if (!app) {
        qWarning() << "Translation::install: no application object yet";
        return false;
    }
    auto* translator = new QTranslator(app);
    if (!translator->load(locale, QStringLiteral("vireowidgets"), QStringLiteral("_"), kCatalogueFolder)) {
        qDebug() << "Translation::install: no catalogue for" << locale.uiLanguages();
        delete translator;
        return false;
    }
    remove();
    QCoreApplication::installTranslator(translator);
    installedTranslator() = translator;
    installedName() = QFileInfo(translator->filePath()).completeBaseName().mid(kCataloguePrefix.size());
    return true;
}

void Translation::remove()
{
    if (QTranslator* translator = installedTranslator()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installedName().clear();
}

QString Translation::installedLanguage()
{
    return installedTranslator() ? installedName() : QString();
}

QStringList Translation::availableLanguages()
{
    QStringList languages;
    const QStringList files =
        QDir(kCatalogueFolder).entryList({kCataloguePrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << QFileInfo(file).completeBaseName().mid(kCataloguePrefix.size());
    return languages;
}

} // namespace Vireo::Widgets
