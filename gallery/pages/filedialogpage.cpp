// USB file dialog page: a simulated USB flash disk (a folder tree in a temporary folder, with a few
// hundred files and EDID images built by the device model's EDID writer) browsed by the file
// dialog, and an EDID imported from it and exported to it.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireowidgets/edid/edidimportexport.h>
#include <vireowidgets/media/filedialogex.h>

#include <vireomodel/utils.h>

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <memory>

namespace {

using namespace Vireo::Widgets;
using Vireo::Utils::EDIDHelper;
using Vireo::Utils::EDIDTiming;

EDIDTiming timing(int horActive, int verActive, int horTotal, int verTotal, float refresh)
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

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The simulated drive: <temp>/mnt/sdb1, announced to the dialog's drive watcher and to its USB
// drive test (through a probe command that prints what blkid prints for it).
class SimulatedUsbDrive
{
public:
    SimulatedUsbDrive()
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
            {"HDMI1_1080p60.bin", timing(1920, 1080, 2200, 1125, 60.f)},
            {"HDMI2_2160p30.bin", timing(3840, 2160, 4400, 2250, 30.f)},
            {"DP1_1440p60.bin", timing(2560, 1440, 2720, 1481, 60.f)},
            {"DVI1_720p60.dat", timing(1280, 720, 1650, 750, 60.f)},
            {"Archive/SDI_1080p50.bin", timing(1920, 1080, 2640, 1125, 50.f)},
        };
        for (const auto& edid : edids)
            writeBytes(
                root.filePath(QStringLiteral("EDID/") + QLatin1String(edid.name)), EDIDHelper::buildEDID(edid.timing));
        // One that the import refuses: its checksum byte is off by one.
        QByteArray broken = EDIDHelper::buildEDID(timing(1024, 768, 1344, 806, 60.f));
        broken[127] = char(broken.at(127) + 1);
        writeBytes(root.filePath(QStringLiteral("EDID/broken_checksum.bin")), broken);
        writeBytes(root.filePath(QStringLiteral("readme.txt")), QByteArray("Simulated USB flash disk\n"));
        writeBytes(root.filePath(QStringLiteral("EDID_default.bin")),
            EDIDHelper::buildEDID(timing(1920, 1080, 2200, 1125, 60.f)));

        Vireo::Utils::UDiskWatcher::setDrives({{QStringLiteral("sdb1"), m_root}});
        FileDialogEx::setUSBDriveProbe(m_dir.filePath(QStringLiteral("mnt")),
            QStringLiteral("printf '/dev/sdb1: LABEL=\"VIREO\" UUID=\"5A1E-0C3D\" TYPE=\"vfat\"\\n'"));
    }

    QString root() const { return m_root; }

private:
    QTemporaryDir m_dir;
    QString m_root;
};

QString describe(const QByteArray& image)
{
    EDIDTiming t;
    QString error;
    if (!EDIDHelper::parseEDID(image, t, &error))
        return QObject::tr("%1 bytes").arg(image.size());
    return QObject::tr("%1 bytes, %2 x %3 @ %4 Hz").arg(image.size()).arg(t.horActive).arg(t.verActive).arg(t.refresh);
}

class FileDialogPage : public QWidget
{
public:
    FileDialogPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
    {
        Q_UNUSED(device)
        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("USB file dialog and EDID files"),
            tr("A simulated USB flash disk (%1) browsed by the file dialog. Import reads an EDID image from it; "
               "export writes the last image imported back to it.")
                .arg(m_drive.root()),
            this);

        auto* row = new QHBoxLayout;
        row->setSpacing(12);
        // The dialog itself, embedded in the page so that it can be browsed in place (a little
        // shorter than its own size, to fit the gallery's window).
        m_pBrowser = new FileDialogEx(this, QString(), tr("USB drive"), QString(),
            tr("EDID files (*.bin *.dat);;Images (*.png *.jpg *.bmp);;All files (*)"));
        m_pBrowser->setWindowFlags(Qt::Widget);
        m_pBrowser->setFileMode(QFileDialog::ExistingFile);
        m_pBrowser->setFixedSize(m_pBrowser->sizeHint().width(), 640);
        row->addWidget(m_pBrowser, 0, Qt::AlignTop);
        row->addWidget(buildEdidBox(), 0, Qt::AlignTop);
        row->addStretch(1);
        layout->addLayout(row);
        layout->addStretch(1);
    }

private:
    QWidget* buildEdidBox()
    {
        auto* content = new QWidget(this);
        content->setFixedWidth(210);
        auto* column = new QVBoxLayout(content);
        column->setContentsMargins(8, 4, 8, 4);
        auto* probe = new QLabel(content);
        probe->setObjectName(QStringLiteral("GalleryCaption"));
        probe->setText(FileDialogEx::judgeUSBDrivePath() ? tr("USB flash disk detected.") : tr("No USB flash disk."));
        auto* importButton = new QPushButton(tr("Import EDID..."), content);
        auto* exportButton = new QPushButton(tr("Export EDID..."), content);
        m_pReadout = new QLabel(tr("Nothing imported yet."), content);
        m_pReadout->setObjectName(QStringLiteral("GalleryCaption"));
        m_pReadout->setWordWrap(true);
        // What the import's check makes of every EDID file on the drive.
        auto* verdicts = new QLabel(content);
        verdicts->setObjectName(QStringLiteral("GalleryCaption"));
        QStringList lines {tr("The check of each file in EDID/:")};
        const QDir edidFolder(m_drive.root() + QStringLiteral("/EDID"));
        EdidImportExport checker(nullptr);
        for (const QFileInfo& file :
            edidFolder.entryInfoList({QStringLiteral("*.bin"), QStringLiteral("*.dat")}, QDir::Files)) {
            QFile image(file.absoluteFilePath());
            const bool valid =
                image.open(QIODevice::ReadOnly) && checker.verifyFile(image.read(EdidImportExport::MaxFileSize));
            lines << (valid ? QStringLiteral("\u2714 ") : QStringLiteral("\u2718 ")) + file.fileName();
        }
        verdicts->setText(lines.join(QLatin1Char('\n')));
        column->addWidget(probe);
        column->addWidget(importButton);
        column->addWidget(exportButton);
        column->addWidget(m_pReadout);
        column->addSpacing(12);
        column->addWidget(verdicts);
        column->addStretch(1);

        connect(importButton, &QPushButton::clicked, this, [this] {
            EdidImportExport io(window());
            QString path;
            const bool ok = io.setOpenFileDialog(tr("EDID files (*.bin *.dat)"), path);
            const std::string bytes = io.getFile();
            if (ok) {
                m_image = QByteArray(bytes.data(), int(bytes.size()));
                m_pReadout->setText(tr("Imported %1: %2").arg(io.getFileName(), describe(m_image)));
            } else {
                m_pReadout->setText(path.isEmpty() ? tr("Import cancelled.")
                                                   : tr("Refused %1: not a valid EDID file.").arg(io.getFileName()));
            }
        });
        connect(exportButton, &QPushButton::clicked, this, [this] {
            const QByteArray image =
                m_image.isEmpty() ? Vireo::Utils::EDIDHelper::buildEDID(timing(1920, 1080, 2200, 1125, 60.f)) : m_image;
            EdidImportExport io(window());
            if (!io.setSaveFileDialog(QStringLiteral(".bin"), QStringLiteral("HDMI1"), QStringLiteral("Input"))) {
                m_pReadout->setText(tr("Export not done."));
                return;
            }
            const bool written = io.setWriteFile(std::string(image.constData(), size_t(image.size())));
            m_pReadout->setText(written ? tr("Exported %1 (%2 bytes).").arg(io.getFileName()).arg(io.getFileSize())
                                        : tr("Could not write %1.").arg(io.getFileName()));
            m_pBrowser->d_func()->setCurrentDirectory(m_pBrowser->d_func()->m_strRootPath);
        });
        return Vireo::Gallery::framed(tr("EDID import and export"), content, this);
    }

    SimulatedUsbDrive m_drive;
    FileDialogEx* m_pBrowser = nullptr;
    QLabel* m_pReadout = nullptr;
    QByteArray m_image;
};

Vireo::Gallery::PageRegistrar reg(
    "filedialog", "USB file dialog", 75, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new FileDialogPage(device, parent);
    });

} // namespace
