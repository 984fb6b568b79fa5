// DMT edit page: the timing of a connector defined from a preset or field by field, with the
// diagram following, written as an EDID image over one of the shipped templates to the simulated
// USB drive, then read back from it.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"
#include "simulatedusbdrive.h"

#include <vireowidgets/edid/dmteditframe.h>
#include <vireowidgets/edid/ediddmtschemadisplaywidget.h>
#include <vireowidgets/edid/edidimportexport.h>
#include <vireowidgets/edid/polaritywidget.h>

#include <vireomodel/utils.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using namespace Vireo::Widgets;
using Vireo::Utils::EDIDHelper;
using Vireo::Utils::EDIDTiming;
using ZK::VESA::s_DMTSchemaData;

s_DMTSchemaData cta(quint32 hActive, quint16 hFront, quint16 hSync, quint32 hTotal, quint32 vActive, quint16 vFront,
    quint16 vSync, quint32 vTotal, float rate, float clockMHz)
{
    s_DMTSchemaData d;
    d.HorFrameTiming = {
        hTotal, hTotal - hActive - hFront - hSync, ZK::VESA::PositivePolarity, hActive, 0, hFront, hSync, 0};
    d.VerFrameTiming = {
        vTotal, vTotal - vActive - vFront - vSync, ZK::VESA::PositivePolarity, vActive, 0, vFront, vSync, 0};
    d.refreshRate = rate;
    d.pixelClock = clockMHz;
    return d;
}

// Standard timings a host would list for an HDMI 2.0 connector.
QList<s_DMTSchemaData> presets()
{
    return {
        cta(1280, 110, 40, 1650, 720, 5, 5, 750, 60.f, 74.25f),
        cta(1280, 440, 40, 1980, 720, 5, 5, 750, 50.f, 74.25f),
        cta(1920, 638, 44, 2750, 1080, 4, 5, 1125, 24.f, 74.25f),
        cta(1920, 528, 44, 2640, 1080, 4, 5, 1125, 50.f, 148.5f),
        cta(1920, 88, 44, 2200, 1080, 4, 5, 1125, 59.94f, 148.35f),
        cta(1920, 88, 44, 2200, 1080, 4, 5, 1125, 60.f, 148.5f),
        cta(3840, 176, 88, 4400, 2160, 8, 10, 2250, 30.f, 297.f),
        cta(3840, 176, 88, 4400, 2160, 8, 10, 2250, 60.f, 594.f),
    };
}

QString describe(const EDIDTiming& t)
{
    return QObject::tr("%1 x %2 @ %3 Hz\nH: total %4, front porch %5, sync %6, %7\n"
                       "V: total %8, front porch %9, sync %10, %11\npixel clock %12 MHz")
        .arg(t.horActive)
        .arg(t.verActive)
        .arg(double(t.refresh))
        .arg(t.horTotal)
        .arg(t.horFrontPorch)
        .arg(t.horSync)
        .arg(t.horPolarity ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(t.verTotal)
        .arg(t.verFrontPorch)
        .arg(t.verSync)
        .arg(t.verPolarity ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(double(t.pixelClock) / 1e6);
}

class DMTEditPage : public QWidget
{
public:
    DMTEditPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
    {
        Q_UNUSED(device)
        installTemplates();
        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("DMT edit frame and EDID templates"),
            tr("Pick a preset or edit the timing field by field; the diagram follows. \"Write EDID\" writes the "
               "timing over the chosen template to the simulated USB drive (%1/EDID), \"Read back\" reads it "
               "from there.")
                .arg(m_drive.root()),
            this);

        auto* row = new QHBoxLayout;
        row->setSpacing(12);

        m_pFrame = new DMTEditFrame(this);
        m_pFrame->setToggleButtonText(tr("Timing details"));
        QList<s_DMTSchemaData> list = presets();
        m_pFrame->initPresetResolutionRatioData(list);
        Vireo::BizModel::s_ConnectorInfo info;
        info.m_eType = Vireo::BizModel::Enum::Interface::HDMI_2_0;
        info.m_nMinBandwidth = 25000000;
        info.m_nMaxBandwidth = 600000000;
        info.m_fMinRefreshRate = 23.f;
        info.m_fMaxRefreshRate = 120.f;
        info.m_sizeMinResolution = QSize(640, 480);
        info.m_sizeMaxResolution = QSize(3840, 2160);
        m_pFrame->setTotalTiming(info);
        m_pFrame->setSupportEDID(true);
        m_pFrame->initEdidTemplate(info.m_eType);
        m_pFrame->showDetailDMTInfo(true);
        // Start from a template, then a custom timing (reduced blanking 1920 x 1200) over it: the
        // template rows show while the picker is on "Custom".
        if (auto* templates = m_pFrame->findChild<QComboBox*>(QStringLiteral("ExistEDIDFileComoBox")))
            templates->setCurrentIndex(std::max(0, templates->findText(QStringLiteral("vireo_1080p60"))));
        s_DMTSchemaData first = cta(1920, 48, 32, 2080, 1200, 3, 6, 1235, 60.f, 154.f);
        first.VerFrameTiming.SyncPolarity = ZK::VESA::NegativePolarity;
        m_pFrame->setCurrentDMTData(first);
        auto* scroll = new QScrollArea(this);
        scroll->setObjectName(QStringLiteral("DMTEditScroll"));
        scroll->setWidgetResizable(true);
        scroll->setWidget(m_pFrame);
        scroll->setFixedWidth(560);
        scroll->setMinimumHeight(660);
        row->addWidget(Vireo::Gallery::framed(tr("DMTEditFrame"), scroll, this), 0, Qt::AlignTop);

        auto* side = new QWidget(this);
        side->setFixedWidth(360);
        auto* column = new QVBoxLayout(side);
        column->setContentsMargins(8, 4, 8, 4);
        m_pDiagram = new EdidDMTSchemaDisplayWidget(side);
        m_pDiagram->setMinimumHeight(220);
        column->addWidget(m_pDiagram);
        auto* buttons = new QHBoxLayout;
        auto* writeButton = new QPushButton(tr("Write EDID"), side);
        writeButton->setObjectName(QStringLiteral("DMTWriteButton"));
        auto* readButton = new QPushButton(tr("Read back"), side);
        readButton->setObjectName(QStringLiteral("DMTReadButton"));
        buttons->addWidget(writeButton);
        buttons->addWidget(readButton);
        column->addLayout(buttons);
        m_pStatus = new QLabel(tr("Nothing written yet."), side);
        m_pStatus->setObjectName(QStringLiteral("GalleryCaption"));
        m_pStatus->setWordWrap(true);
        column->addWidget(m_pStatus);
        column->addStretch(1);
        row->addWidget(Vireo::Gallery::framed(tr("Timing and EDID image"), side, this), 0, Qt::AlignTop);
        row->addStretch(1);
        layout->addLayout(row);
        layout->addStretch(1);

        connect(m_pFrame, &DMTEditFrame::sig_ResolutionApply, this, &DMTEditPage::follow);
        // The frame takes a row's change when the row reports it (its link may come after this
        // one): the diagram follows once the event is done.
        for (auto* rows : m_pFrame->findChildren<PolarityWidget*>()) {
            connect(rows, &PolarityWidget::signal_polarityDataChanged, this,
                [this] { QTimer::singleShot(0, this, [this] { follow(); }); });
        }
        connect(writeButton, &QPushButton::clicked, this, &DMTEditPage::writeImage);
        connect(readButton, &QPushButton::clicked, this, &DMTEditPage::readBack);
        follow();
        writeImage();
    }

private:
    // The shipped templates, copied out of the resources into a folder of their own.
    void installTemplates()
    {
        if (!m_templates.isValid())
            return;
        const QDir shipped(QStringLiteral(":/gallery/data/edid"));
        for (const QString& name : shipped.entryList(QDir::Files)) {
            const QString target = m_templates.filePath(name);
            QFile::copy(shipped.filePath(name), target);
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        }
        EDIDHelper::setTemplateDirectory(m_templates.path());
    }

    void follow() { m_pDiagram->setCurDMTSchemaData(m_pFrame->getCurrentDMTData()); }

    QString targetPath() const
    {
        const s_DMTSchemaData d = m_pFrame->getCurrentDMTData();
        return m_drive.root() +
            QStringLiteral("/EDID/DMT_%1x%2.bin").arg(d.HorFrameTiming.AddrTime).arg(d.VerFrameTiming.AddrTime);
    }

    void writeImage()
    {
        follow();
        const QString target = targetPath();
        m_pFrame->setEDIDSaveFilePath(target);
        m_pFrame->slot_saveEDIDToFile(m_pFrame->getCurrentDMTData());
        m_strWritten = m_pFrame->lastSaveError().isEmpty() ? target : QString();
        m_pStatus->setText(m_strWritten.isEmpty() ? tr("Refused: %1").arg(m_pFrame->lastSaveError())
                                                  : tr("Written %1 (%2 bytes).")
                                                        .arg(QDir(m_drive.root()).relativeFilePath(target))
                                                        .arg(QFileInfo(target).size()));
        if (!m_strWritten.isEmpty())
            readBack();
    }

    void readBack()
    {
        if (m_strWritten.isEmpty()) {
            m_pStatus->setText(tr("Nothing written to read back."));
            return;
        }
        EDIDHelper reader;
        QString error;
        QFile file(m_strWritten);
        const bool checked = file.open(QIODevice::ReadOnly) &&
            EdidImportExport(nullptr).verifyFile(file.read(EdidImportExport::MaxFileSize));
        if (!reader.readEDID(m_strWritten, &error)) {
            m_pStatus->setText(tr("Could not read back %1: %2").arg(m_strWritten, error));
            return;
        }
        m_pStatus->setText(tr("Read back %1 (%2):\n%3")
                               .arg(QDir(m_drive.root()).relativeFilePath(m_strWritten),
                                   checked ? tr("import check passed") : tr("import check failed"),
                                   describe(reader.detailedTimingInfomation())));
    }

    Vireo::Gallery::SimulatedUsbDrive& m_drive = Vireo::Gallery::SimulatedUsbDrive::shared();
    QTemporaryDir m_templates;
    DMTEditFrame* m_pFrame = nullptr;
    EdidDMTSchemaDisplayWidget* m_pDiagram = nullptr;
    QLabel* m_pStatus = nullptr;
    QString m_strWritten;
};

Vireo::Gallery::PageRegistrar reg("dmt-edit", "DMT edit and EDID templates", 62,
    [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new DMTEditPage(device, parent);
    });

} // namespace
