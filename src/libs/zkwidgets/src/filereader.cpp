#include <zkwidgets/filereader.h>

#include <QDebug>
#include <QFile>
#include <QFileInfo>

namespace ZK::Utils {

QByteArray FileReader::fetchQrc(const QString& path)
{
    QString resourcePath = path;
    if (resourcePath.startsWith(QLatin1String("qrc:/")))
        resourcePath.remove(0, 3);
    if (resourcePath.isEmpty()) {
        qWarning() << "FileReader::fetchQrc: empty path";
        return {};
    }
    if (QFileInfo(resourcePath).isDir()) {
        qWarning() << "FileReader::fetchQrc: not a file:" << path;
        return {};
    }
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "FileReader::fetchQrc: cannot open" << path << file.errorString();
        return {};
    }
    QByteArray bytes = file.readAll();
    // An empty resource exists: keep it apart from a missing one.
    if (bytes.isNull())
        bytes = QByteArray("");
    return bytes;
}

} // namespace ZK::Utils
