// USB file dialog page: a simulated USB flash disk (a folder tree in a temporary folder, with a few
// hundred files and EDID images built by the device model's EDID writer) browsed by the file
// dialog, and an EDID imported from it and exported to it.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"
#include "simulatedusbdrive.h"

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
using Vireo::Gallery::sampleTiming;
using Vireo::Gallery::SimulatedUsbDrive;
using Vireo::Utils::EDIDHelper;
using Vireo::Utils::EDIDTiming;

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
            const QByteArray image = m_image.isEmpty()
                ? Vireo::Utils::EDIDHelper::buildEDID(sampleTiming(1920, 1080, 2200, 1125, 60.f))
                : m_image;
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

    SimulatedUsbDrive& m_drive = SimulatedUsbDrive::shared();
    FileDialogEx* m_pBrowser = nullptr;
    QLabel* m_pReadout = nullptr;
    QByteArray m_image;
};

Vireo::Gallery::PageRegistrar reg(
    "filedialog", "USB file dialog", 75, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new FileDialogPage(device, parent);
    });

} // namespace
