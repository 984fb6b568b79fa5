// Advanced timing page: a full timing edited field by field within the limits of an output's
// connector and capacity mode, with the diagram following every change. Apply hands the timing to
// the host, which lists it below.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireowidgets/edid/edidsupplementadvanced.h>
#include <vireowidgets/edid/presetresolutiondialog.h>
#include <vireowidgets/edid/resolutionwidget.h>
#include <vireowidgets/presets/presetfilter.h>

#include <vireomodel/helper.h>

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

using namespace Vireo::Widgets;
namespace Enum = Vireo::BizModel::Enum;
using Vireo::BizModel::Helper;

Vireo::ProtoModel::s_TimingDetailBody timing1080p60()
{
    Vireo::ProtoModel::s_TimingDetailBody t;
    t.refresh = 6000;
    t.horizontal = {1920, 88, 44, 0, 2200};
    t.vertical = {1080, 4, 5, 0, 1125};
    return t;
}

// Reduced blanking around an active size: how the page makes a whole timing of a preset size.
ZK::VESA::s_DMTSchemaData reducedBlanking(int width, int height, float rate)
{
    ZK::VESA::s_DMTSchemaData d;
    d.HorFrameTiming.AddrTime = quint32(width);
    d.HorFrameTiming.FrontPorch = 48;
    d.HorFrameTiming.Sync = 32;
    d.HorFrameTiming.backProch = 80;
    d.HorFrameTiming.totalTime = quint32(width + 160);
    d.VerFrameTiming.AddrTime = quint32(height);
    d.VerFrameTiming.FrontPorch = 3;
    d.VerFrameTiming.Sync = 5;
    d.VerFrameTiming.backProch = 15;
    d.VerFrameTiming.totalTime = quint32(height + 23);
    d.refreshRate = rate;
    return d;
}

// The popup embedded in the page stays after a click.
class EmbeddedPresetPopup : public PresetResolutionDialog
{
public:
    using PresetResolutionDialog::PresetResolutionDialog;

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

class AdvancedTimingPage : public QWidget
{
public:
    AdvancedTimingPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
        , m_device(device.device())
    {
        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("Advanced timing"),
            tr("Edit a timing field by field. Totals stay within the capacity mode and the connector's "
               "bandwidth at the chosen rate, the parts always fit inside the total, and the diagram follows. "
               "Apply hands the timing to the host."),
            this);
        auto* chooser = new QComboBox(this);
        m_pEditor = new EdidSupplementAdvanced(this);
        m_pLog = new QLabel(tr("Nothing applied yet."), this);
        m_pLog->setObjectName(QStringLiteral("TimingsHostLog"));
        m_pLog->setWordWrap(true);
        layout->addWidget(chooser);

        auto* pickers = new QHBoxLayout;
        m_pPicker = new ResolutionWidget(this);
        m_pPicker->setRadioButtonPresetChecked();
        pickers->addWidget(Vireo::Gallery::framed(tr("Resolution picker"), m_pPicker, this), 1);
        m_pPopup = new EmbeddedPresetPopup(this);
        m_pPopup->setWindowFlags(Qt::Widget);
        pickers->addWidget(Vireo::Gallery::framed(tr("Preset resolution popup"), m_pPopup, this), 0);
        m_pPopup->show(); // reparenting into the page hid it
        layout->addLayout(pickers);
        layout->addWidget(Vireo::Gallery::framed(tr("Output timing"), m_pEditor, this));
        for (const auto& size : {QSize(1280, 720), QSize(1920, 1080), QSize(2560, 1440), QSize(3840, 2160)}) {
            for (float rate : {30.f, 50.f, 60.f})
                m_presets.append(reducedBlanking(size.width(), size.height(), rate));
        }
        m_pPicker->initPresetResolutionRatioData(m_presets);
        for (const auto& preset : qAsConst(m_presets))
            m_pPopup->addPresetResolutionRatioData(&preset);
        connect(m_pPicker, &ResolutionWidget::signal_curPresetResolutionRatioChanged, this,
            [this](ZK::VESA::s_DMTSchemaData data) {
                if (m_pPicker->isPresetRadioButtonChecked())
                    showRecord(data);
            });
        connect(m_pPicker, &ResolutionWidget::signal_customResolutionRatioChanged, this,
            [this](QSize size, float rate) { showRecord(reducedBlanking(size.width(), size.height(), rate)); });
        connect(m_pPopup, &PresetResolutionDialog::sig_buttonClicked, this, [this](QAbstractButton* button) {
            if (const auto* data = PresetResolutionDialog::recordOf(button)) {
                m_pPicker->setCurrentPresetResolutionRatio(
                    QSize(int(data->HorFrameTiming.AddrTime), int(data->VerFrameTiming.AddrTime)), data->refreshRate);
            }
        });
        layout->addWidget(Vireo::Gallery::framed(tr("Applied (as the host reads it)"), m_pLog, this));
        layout->addStretch(1);

        if (auto dev = m_device.lock()) {
            for (const auto& weak : dev->outputs()) {
                if (auto out = weak.lock()) {
                    chooser->addItem(QStringLiteral("%1  %2  (%3, %4)")
                                         .arg(out->interfaceId() + 1)
                                         .arg(out->name(), Helper::connectorTypeName(out->connectorType()),
                                             Helper::interfaceCapacityString(out->capacity())),
                        out->interfaceId());
                }
            }
        }
        connect(chooser, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this, chooser] { select(chooser->currentData().toUInt()); });
        connect(m_pEditor, &EdidSupplementAdvanced::sig_Apply, this, [this] {
            const auto t = m_pEditor->getCurDMTSchemaData();
            m_pLog->setText(tr("H: total %1, active %2, front %3, sync %4, %5    V: total %6, active %7, front %8, "
                               "sync %9, %10    refresh %11 (hundredths of Hz)")
                                .arg(t.horizontal.totalTime)
                                .arg(t.horizontal.addTime)
                                .arg(t.horizontal.frontPorch)
                                .arg(t.horizontal.sync)
                                .arg(t.horizontal.syncPolarity ? "-" : "+")
                                .arg(t.vertical.totalTime)
                                .arg(t.vertical.addTime)
                                .arg(t.vertical.frontPorch)
                                .arg(t.vertical.sync)
                                .arg(t.vertical.syncPolarity ? "-" : "+")
                                .arg(t.refresh));
        });
        select(chooser->currentData().toUInt());
    }

private:
    void select(quint32 outputId)
    {
        auto dev = m_device.lock();
        auto output = dev ? dev->findOutput(outputId).lock() : nullptr;
        if (!output)
            return;
        Vireo::BizModel::s_ConnectorInfo info;
        Internal::connectorInfoOf(output->connectorType(), info);
        info.m_eType = output->connectorType();
        m_pEditor->setTotalTiming(output->capacity(), info, false);
        m_pEditor->setCurDMTSchemaData(timing1080p60());
        m_pEditor->setRefreshRate(60.f);
        m_pPicker->setCurrentPresetResolutionRatio(QSize(1920, 1080), 60.f);
    }

    void showRecord(const ZK::VESA::s_DMTSchemaData& d)
    {
        if (d.HorFrameTiming.AddrTime == 0)
            return;
        Vireo::ProtoModel::s_TimingDetailBody t;
        t.refresh = Helper::modelRate2ProtoRate(d.refreshRate);
        t.horizontal = {int(d.HorFrameTiming.AddrTime), d.HorFrameTiming.FrontPorch, d.HorFrameTiming.Sync, 0,
            int(d.HorFrameTiming.totalTime)};
        t.vertical = {int(d.VerFrameTiming.AddrTime), d.VerFrameTiming.FrontPorch, d.VerFrameTiming.Sync, 0,
            int(d.VerFrameTiming.totalTime)};
        m_pEditor->setCurDMTSchemaData(t);
        m_pEditor->setRefreshRate(d.refreshRate);
        m_pPopup->setCurSelResolution(d);
    }

    std::weak_ptr<Vireo::BizModel::Device> m_device;
    EdidSupplementAdvanced* m_pEditor = nullptr;
    ResolutionWidget* m_pPicker = nullptr;
    PresetResolutionDialog* m_pPopup = nullptr;
    QLabel* m_pLog = nullptr;
    QList<ZK::VESA::s_DMTSchemaData> m_presets; // the popup points into this list
};

Vireo::Gallery::PageRegistrar reg(
    "advanced-timing", "Advanced timing", 61, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new AdvancedTimingPage(device, parent);
    });

} // namespace
