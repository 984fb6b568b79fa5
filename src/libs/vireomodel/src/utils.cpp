#include <vireomodel/utils.h>

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

namespace Vireo::Utils {

// ---- Theme ------------------------------------------------------------------------------------

Theme* Theme::instance()
{
    static Theme* theme = new Theme;
    return theme;
}

Theme::Theme(QObject* parent)
    : QObject(parent)
{ }

void Theme::setValues(const QMap<QString, QVariant>& values)
{
    m_values = values;
    emit valuesChanged();
}

void Theme::setValue(const QString& key, const QVariant& value)
{
    m_values.insert(key, value);
    emit valuesChanged();
}

void Theme::clear()
{
    if (m_values.isEmpty())
        return;
    m_values.clear();
    emit valuesChanged();
}

// ---- Icon -------------------------------------------------------------------------------------

namespace {

struct IconCache
{
    QTemporaryDir dir {QDir::tempPath() + QStringLiteral("/vireo-icons-XXXXXX")};
    QHash<QString, QString> files;
    QString iconDirectory;
};

IconCache& iconCache()
{
    static IconCache cache;
    return cache;
}

QString generateIcon(const QString& name)
{
    IconCache& cache = iconCache();
    const auto it = cache.files.constFind(name);
    if (it != cache.files.constEnd())
        return it.value();

    const QByteArray digest = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Md5);
    const bool big = name.endsWith(QLatin1String("_big"));
    QImage image(big ? QSize(200, 150) : QSize(48, 48), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor colour = QColor::fromHsv(quint8(digest.at(0)) * 360 / 256, 140, 200);
        painter.setBrush(colour);
        painter.setPen(colour.darker(150));
        painter.drawRoundedRect(QRectF(image.rect()).adjusted(1, 1, -1, -1), 6, 6);
        painter.setPen(QPen(colour.lighter(160), 2));
        painter.drawLine(QPointF(6, image.height() - 6), QPointF(image.width() - 6, 6));
        // Text needs the font database, which needs a GUI application.
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            QString initials;
            for (const QString& part : name.split(QLatin1Char('_'), Qt::SkipEmptyParts)) {
                if (initials.size() < 2 && part != QLatin1String("icon"))
                    initials += part.at(0).toUpper();
            }
            QFont font = painter.font();
            font.setPixelSize(image.height() / 3);
            font.setBold(true);
            painter.setFont(font);
            painter.setPen(Qt::white);
            painter.drawText(image.rect(), Qt::AlignCenter, initials);
        }
    }
    QString safe = name;
    for (QChar& c : safe) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('_') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    }
    const QString path = cache.dir.filePath(
        safe.left(80) + QLatin1Char('-') + QString::fromLatin1(digest.toHex().left(8)) + QStringLiteral(".png"));
    if (!cache.dir.isValid() || !image.save(path, "PNG")) {
        qWarning() << "Icon: cannot write the generated picture for" << name;
        return QString();
    }
    cache.files.insert(name, path);
    return path;
}

} // namespace

QString Icon::imageFileName(const QString& name, const QString& /*fallback*/)
{
    const QVariant themed = Theme::instance()->values().value(name);
    if (themed.isValid() && QFileInfo(themed.toString()).isFile())
        return themed.toString();
    const QString dir = iconCache().iconDirectory;
    if (!dir.isEmpty() && !name.isEmpty()) {
        for (const char* suffix : {".png", ".svg"}) {
            const QString candidate = QDir(dir).filePath(name + QLatin1String(suffix));
            if (QFileInfo(candidate).isFile())
                return candidate;
        }
    }
    return generateIcon(name);
}

QIcon Icon::fromTheme(const QString& name, const QString& fallback)
{
    const QString file = imageFileName(name, fallback);
    return file.isEmpty() ? QIcon() : QIcon(file);
}

void Icon::setIconDirectory(const QString& dir)
{
    iconCache().iconDirectory = dir;
}

QString Icon::iconDirectory()
{
    return iconCache().iconDirectory;
}

// ---- UDiskWatcher -----------------------------------------------------------------------------

namespace {

struct DriveSource
{
    QList<QPair<QString, QString>> drives;
    QString folder;
    int refreshCount = 0;
    QList<UDiskWatcher*> watchers;
};

DriveSource& driveSource()
{
    static DriveSource source;
    return source;
}

QList<QPair<QString, QString>> currentDrives()
{
    const DriveSource& source = driveSource();
    QList<QPair<QString, QString>> drives = source.drives;
    if (!source.folder.isEmpty()) {
        const QFileInfoList entries = QDir(source.folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& entry : entries)
            drives.append({entry.fileName(), entry.absoluteFilePath()});
    }
    return drives;
}

} // namespace

UDiskWatcher::UDiskWatcher(QObject* parent)
    : QObject(parent)
{
    driveSource().watchers.append(this);
    QTimer::singleShot(0, this, [this]() { rescan(true); });
}

UDiskWatcher::~UDiskWatcher()
{
    driveSource().watchers.removeAll(this);
}

void UDiskWatcher::refreshUDisk()
{
    ++driveSource().refreshCount;
    rescan(false);
}

void UDiskWatcher::rescan(bool alwaysEmit)
{
    const auto drives = currentDrives();
    const bool changed = drives != m_ports;
    m_ports = drives;
    if (changed || alwaysEmit)
        emit signalUDiskChanged();
}

void UDiskWatcher::notifyWatchers()
{
    const auto watchers = driveSource().watchers;
    for (UDiskWatcher* watcher : watchers)
        QMetaObject::invokeMethod(
            watcher, [watcher]() { watcher->rescan(false); }, Qt::QueuedConnection);
}

void UDiskWatcher::setDrives(const QList<QPair<QString, QString>>& drives)
{
    driveSource().drives = drives;
    notifyWatchers();
}

void UDiskWatcher::setDriveFolder(const QString& folder)
{
    driveSource().folder = folder;
    notifyWatchers();
}

int UDiskWatcher::refreshCount()
{
    return driveSource().refreshCount;
}

void UDiskWatcher::resetFixture()
{
    DriveSource& source = driveSource();
    source.drives.clear();
    source.folder.clear();
    source.refreshCount = 0;
}

} // namespace Vireo::Utils
