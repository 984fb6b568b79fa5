// Advanced timing page: a full timing edited field by field within the limits of an output's
// connector and capacity mode, with the diagram following every change. Apply hands the timing to
// the host, which lists it below.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireowidgets/edid/edidsupplementadvanced.h>
#include <vireowidgets/presets/presetfilter.h>

#include <vireomodel/helper.h>

#include <QComboBox>
#include <QGroupBox>
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
        layout->addWidget(Vireo::Gallery::framed(tr("Output timing"), m_pEditor, this));
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
    }

    std::weak_ptr<Vireo::BizModel::Device> m_device;
    EdidSupplementAdvanced* m_pEditor = nullptr;
    QLabel* m_pLog = nullptr;
};

Vireo::Gallery::PageRegistrar reg(
    "advanced-timing", "Advanced timing", 61, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new AdvancedTimingPage(device, parent);
    });

} // namespace
