// The parser of blkid's output behind the USB drive test: any bytes as the command's output.
// Every drive found must come from one whole line of a partition "/dev/sd..." whose mount folder
// is mounted, with a label taken from that line.

#include "fuzzsupport.h"

#include <vireowidgets/media/filedialogex.h>

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QStringList mounted = {QStringLiteral("/mnt/sda1"), QStringLiteral("/mnt/sdb1"),
        QStringLiteral("/mnt/sdb"), QStringLiteral("/mnt/sdc2")};
    const QByteArray output = Vireo::Fuzz::bytes(data, size);
    const QMap<QString, QString> drives = Vireo::Widgets::FileDialogEx::parseBlkidOutput(output, mounted);

    const QList<QByteArray> lines = output.split('\n');
    VIREO_FUZZ_CHECK(drives.size() <= lines.size(), QStringLiteral("more drives than lines"));
    for (auto it = drives.cbegin(); it != drives.cend(); ++it) {
        VIREO_FUZZ_CHECK(mounted.contains(QDir::cleanPath(it.key())), QStringLiteral("not mounted: ") + it.key());
        VIREO_FUZZ_CHECK(!it.value().contains(QLatin1Char('"')) && !it.value().contains(QLatin1Char('\n')),
            QStringLiteral("label with a quote or a line break: ") + it.value());
        bool fromOneLine = false;
        for (const QByteArray& raw : lines) {
            const QString line = QString::fromLocal8Bit(raw);
            const int colon = line.indexOf(QLatin1Char(':'));
            if (colon < 0 || !line.startsWith(QLatin1String("/dev/sd")))
                continue;
            if ((QStringLiteral("/mnt/") + line.left(colon).mid(5)).trimmed() == it.key() &&
                line.mid(colon + 1).contains(it.value())) {
                fromOneLine = true;
                break;
            }
        }
        VIREO_FUZZ_CHECK(fromOneLine, QStringLiteral("no whole line gives the drive ") + it.key());
    }
    return 0;
}
