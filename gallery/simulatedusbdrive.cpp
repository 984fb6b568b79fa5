#include "simulatedusbdrive.h"

#include <vireowidgets/media/filedialogex.h>

#include <QDir>
#include <QFile>

namespace Vireo::Gallery {

using Vireo::Utils::EDIDHelper;
using Vireo::Utils::EDIDTiming;

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

EDIDTiming sampleTiming(int horActive, int verActive, int horTotal, int verTotal, float refresh)
{
    EDIDTiming t;
    t.horActive = horActive;
    t.horFrontPorch = (horTotal - horActive) / 4;
    t.horSync = (horTotal - horActive) / 4;
    t.horTotal = horTotal;
    t.verActive = verActive;
    t.verFrontPorch = 4;
    t.verSync = 5;
    t.verTotal = verTotal;
    t.refresh = refresh;
    t.pixelClock = quint64(double(horTotal) * verTotal * refresh);
    return t;
}

SimulatedUsbDrive& SimulatedUsbDrive::shared()
{
    static SimulatedUsbDrive drive;
    return drive;
}

SimulatedUsbDrive::SimulatedUsbDrive()
{
    if (!m_dir.isValid())
        return;
    m_root = m_dir.filePath(QStringLiteral("mnt/sdb1"));
    QDir root(m_root);
    struct Folder
    {
        const char* name;
        const char* suffixes;
        int count;
    };
    const Folder folders[] = {
        {"Images", "png jpg bmp", 120},
        {"Video", "mp4 avi flv", 36},
        {"Documents", "docx xlsx pptx doc", 40},
        {"Projects", "vireopro vireo", 24},
        {"Upgrade", "img zip", 6},
        {"Logs", "log txt", 60},
    };
    for (const Folder& folder : folders) {
        root.mkpath(QLatin1String(folder.name));
        const QStringList suffixes = QString::fromLatin1(folder.suffixes).split(QLatin1Char(' '));
        for (int i = 0; i < folder.count; ++i) {
            const QString name = QStringLiteral("%1/%2_%3.%4")
                                     .arg(QLatin1String(folder.name))
                                     .arg(QString::fromLatin1(folder.name).toLower())
                                     .arg(i + 1, 3, 10, QLatin1Char('0'))
                                     .arg(suffixes.at(i % suffixes.size()));
            writeBytes(root.filePath(name), QByteArray("simulated"));
        }
    }
    root.mkpath(QStringLiteral("EDID/Archive"));
    const struct
    {
        const char* name;
        EDIDTiming timing;
    } edids[] = {
        {"HDMI1_1080p60.bin", sampleTiming(1920, 1080, 2200, 1125, 60.f)},
        {"HDMI2_2160p30.bin", sampleTiming(3840, 2160, 4400, 2250, 30.f)},
        {"DP1_1440p60.bin", sampleTiming(2560, 1440, 2720, 1481, 60.f)},
        {"DVI1_720p60.dat", sampleTiming(1280, 720, 1650, 750, 60.f)},
        {"Archive/SDI_1080p50.bin", sampleTiming(1920, 1080, 2640, 1125, 50.f)},
    };
    for (const auto& edid : edids)
        writeBytes(
            root.filePath(QStringLiteral("EDID/") + QLatin1String(edid.name)), EDIDHelper::buildEDID(edid.timing));
    // One that the import refuses: its checksum byte is off by one.
    QByteArray broken = EDIDHelper::buildEDID(sampleTiming(1024, 768, 1344, 806, 60.f));
    broken[127] = char(broken.at(127) + 1);
    writeBytes(root.filePath(QStringLiteral("EDID/broken_checksum.bin")), broken);
    writeBytes(root.filePath(QStringLiteral("readme.txt")), QByteArray("Simulated USB flash disk\n"));
    writeBytes(root.filePath(QStringLiteral("EDID_default.bin")),
        EDIDHelper::buildEDID(sampleTiming(1920, 1080, 2200, 1125, 60.f)));

    Vireo::Utils::UDiskWatcher::setDrives({{QStringLiteral("sdb1"), m_root}});
    Vireo::Widgets::FileDialogEx::setUSBDriveProbe(m_dir.filePath(QStringLiteral("mnt")),
        QStringLiteral("printf '/dev/sdb1: LABEL=\"VIREO\" UUID=\"5A1E-0C3D\" TYPE=\"vfat\"\\n'"));
}

} // namespace Vireo::Gallery
