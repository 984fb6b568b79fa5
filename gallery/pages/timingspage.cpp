// Timings page: the EDID supplement editor of an input and of an output of the simulated processor.
// Pick the interface above each editor; its connector kind and capacity mode decide the limits,
// the presets its picker offers and the width step. The page stands for the host: what an editor
// reports is written below and applied to the simulated interface, which the editor then shows.
// Beside them, the preset picker and the refresh-rate popup as they open, and a polarity row.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireowidgets/edid/edidsupplement.h>
#include <vireowidgets/edid/freshrateselectedwidget.h>
#include <vireowidgets/edid/polaritywidget.h>
#include <vireowidgets/presets/presetfilter.h>
#include <vireowidgets/presets/presupposedialolg.h>

#include <vireomodel/helper.h>
#include <vireomodel/interfaceconfig.h>

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTime>
#include <QVBoxLayout>

namespace {

using namespace Vireo::Widgets;
namespace Enum = Vireo::BizModel::Enum;
using Vireo::BizModel::Helper;

// The popup embedded in the page stays when a rate is chosen or the focus leaves it.
class EmbeddedRatePopup : public FreshRateSelectedWidget
{
public:
    using FreshRateSelectedWidget::FreshRateSelectedWidget;

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

class TimingsPage : public QWidget
{
public:
    TimingsPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
        , m_device(device.device())
    {
        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("Timing editors"),
            tr("Choose an input or output, then a preset (the button under \"Default\") or a custom size and "
               "rate (\"Custom\", then Apply). The limits, presets and width step follow the connector and its "
               "capacity mode. What the editor reports is applied to the simulated interface and listed below."),
            this);

        m_pLog = new QLabel(this);
        m_pLog->setObjectName(QStringLiteral("TimingsHostLog"));
        m_pLog->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_pLog->setWordWrap(true);
        m_pLog->setMinimumHeight(48);

        auto* editors = new QHBoxLayout;
        editors->setSpacing(12);
        editors->addWidget(buildEditor(true), 1);
        editors->addWidget(buildEditor(false), 1);
        editors->addWidget(buildRateSample(), 0);
        layout->addLayout(editors);
        layout->addWidget(Vireo::Gallery::framed(tr("Reported to the host"), m_pLog, this));

        auto* samples = new QHBoxLayout;
        samples->setSpacing(12);
        samples->addWidget(buildPickerSample(), 3);
        samples->addWidget(buildPolaritySample(), 2);
        layout->addLayout(samples);
        layout->addStretch(1);
        report(tr("Ready. Nothing reported yet."));
    }

private:
    struct Side
    {
        bool input = true;
        QComboBox* chooser = nullptr;
        EdidSupplement* editor = nullptr;
    };

    QWidget* buildEditor(bool input)
    {
        auto side = std::make_shared<Side>();
        side->input = input;
        auto* box = new QGroupBox(input ? tr("Input EDID") : tr("Output timing"), this);
        auto* column = new QVBoxLayout(box);
        side->chooser = new QComboBox(box);
        side->editor = new EdidSupplement(input ? Enum::Interface::Input : Enum::Interface::MainOutput, box);
        side->editor->setDefaultTip(tr("  from the connector's table"));
        side->editor->setCustomTip(tr("  any size within the limits"));
        column->addWidget(side->chooser);
        column->addWidget(side->editor);
        column->addStretch(1);

        if (auto device = m_device.lock()) {
            if (input) {
                for (const auto& weak : device->inputs()) {
                    if (auto in = weak.lock())
                        side->chooser->addItem(describe(*in), in->interfaceId());
                }
            } else {
                for (const auto& weak : device->outputs()) {
                    if (auto out = weak.lock())
                        side->chooser->addItem(describe(*out), out->interfaceId());
                }
            }
        }
        connect(
            side->chooser, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, side] { select(*side); });
        connect(side->editor, &EdidSupplement::signal_defaultEdidDataChanged, this,
            [this, side](
                QSize size, float rate, int interlaced) { apply(*side, size, rate, interlaced != 0, tr("preset")); });
        connect(side->editor, &EdidSupplement::signal_customEdidDataChanged, this,
            [this, side](QSize size, float rate) { apply(*side, size, rate, false, tr("custom")); });
        connect(side->editor, &EdidSupplement::signalFormatMappingChanged, this,
            [this](Enum::Interface::FormatMapping format) {
                report(tr("Output format mapping: %1")
                           .arg(format == Enum::Interface::Level_A
                                   ? tr("Level A")
                                   : (format == Enum::Interface::Level_B ? tr("Level B") : tr("N/A"))));
            });
        // An HDMI 2.0 input first, and a 12G-SDI output with its format mapping.
        const int start =
            side->chooser->findText(input ? QStringLiteral("HDMI 2.0") : QStringLiteral("12G-SDI"), Qt::MatchContains);
        side->chooser->setCurrentIndex(qMax(0, start));
        select(*side);
        return box;
    }

    static QString describe(const Vireo::BizModel::Interface& iface)
    {
        return QStringLiteral("%1  %2  (%3, %4)")
            .arg(iface.interfaceId() + 1)
            .arg(iface.name(), Helper::connectorTypeName(iface.connectorType()),
                Helper::interfaceCapacityString(iface.capacity()));
    }

    std::shared_ptr<Vireo::BizModel::Interface> current(const Side& side) const
    {
        auto device = m_device.lock();
        if (!device)
            return nullptr;
        const quint32 id = side.chooser->currentData().toUInt();
        if (side.input)
            return device->findInput(id).lock();
        return device->findOutput(id).lock();
    }

    // The host's part when the operator picks another interface: select it on the device and let
    // the editor read its limits and timing.
    void select(Side& side)
    {
        auto device = m_device.lock();
        auto iface = current(side);
        if (!device || !iface)
            return;
        if (side.input) {
            device->setSelectedInputs({device->findInput(iface->interfaceId())});
            side.editor->updateInputDefaultResolution();
            side.editor->freshInputModelChanged();
        } else {
            device->setSelectedOutputs({device->findOutput(iface->interfaceId())});
            side.editor->updateOutputDefaultResolution();
        }
        showTiming(side, *iface);
    }

    void showTiming(Side& side, const Vireo::BizModel::Interface& iface)
    {
        Vireo::ProtoModel::s_TimingDetailBody timing;
        timing.horizontal.addTime = iface.presetFrameRate().width();
        timing.vertical.addTime = iface.presetFrameRate().height();
        timing.refresh = Helper::modelRate2ProtoRate(iface.presetRefreshRate());
        timing.interlaced = iface.presetInterlacing() ? 1 : 0;
        side.editor->initParm(iface.interfaceFullId().slotId, timing, iface.formatMapping());
    }

    void apply(Side& side, QSize size, float rate, bool interlaced, const QString& how)
    {
        auto iface = current(side);
        if (!iface)
            return;
        report(tr("%1 %2: %3 %4")
                   .arg(side.input ? tr("Input") : tr("Output"))
                   .arg(iface->interfaceId() + 1)
                   .arg(how, Helper::formatFramerate(size, rate, interlaced)));
        iface->setPresetTiming(size, rate, interlaced);
        showTiming(side, *iface);
    }

    void report(const QString& line)
    {
        m_lines.prepend(QTime::currentTime().toString(QStringLiteral("HH:mm:ss  ")) + line);
        while (m_lines.size() > 3)
            m_lines.removeLast();
        m_pLog->setText(m_lines.join(QLatin1Char('\n')));
    }

    QWidget* buildPickerSample()
    {
        // The picker as it opens for an HDMI 2.0 input in 4K mode, embedded in the page.
        auto* dialog = new PresupposeDialolg(Enum::Interface::Input, this);
        dialog->setWindowFlags(Qt::Widget);
        Vireo::BizModel::s_ConnectorInfo info;
        if (Internal::connectorInfoOf(Enum::Interface::HDMI_2_0, info)) {
            dialog->setCurVESAResolutionRatio(Enum::Interface::HDMI_2_0,
                Internal::filterPresets(
                    info.m_listPredefinedResolutionRatio, Enum::Interface::Input, Enum::Interface::_4K));
        }
        dialog->setCurrentSelect(QSize(1920, 1080), 60.f, 0);
        auto* box = Vireo::Gallery::framed(tr("Preset picker (opens from the preset button)"), dialog, this);
        dialog->show(); // reparenting into the page hid it
        return box;
    }

    QWidget* buildRateSample()
    {
        auto* popup = new EmbeddedRatePopup(this);
        popup->setWindowFlags(Qt::Widget);
        popup->setFixedSize(255, 410);
        for (float rate : Internal::commonRefreshRates())
            popup->addPresetResolutionRatioData(rate);
        popup->setCurrentFreshRate(59.94f);
        auto* echo = new QLabel(tr("Click a rate."), this);
        echo->setObjectName(QStringLiteral("GalleryCaption"));
        connect(popup, &FreshRateSelectedWidget::signal_freshRateChanged, echo,
            [echo](const float& rate) { echo->setText(tr("Chosen: %1 Hz").arg(double(rate), 0, 'g', 6)); });
        auto* content = new QWidget(this);
        auto* column = new QVBoxLayout(content);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(popup);
        column->addWidget(echo);
        auto* box = Vireo::Gallery::framed(tr("Refresh-rate popup"), content, this);
        popup->show(); // reparenting into the page hid it
        return box;
    }

    QWidget* buildPolaritySample()
    {
        auto* box = new QGroupBox(tr("Polarity rows (1080p60)"), this);
        auto* column = new QVBoxLayout(box);
        auto* echo = new QLabel(box);
        echo->setObjectName(QStringLiteral("GalleryCaption"));
        echo->setWordWrap(true);
        struct Direction
        {
            QString name;
            ZK::VESA::s_FrameTiming timing;
            quint32 maxTotal;
        };
        ZK::VESA::s_FrameTiming h;
        h.totalTime = 2200;
        h.FrontPorch = 88;
        h.AddrTime = 1920;
        h.Sync = 44;
        ZK::VESA::s_FrameTiming v;
        v.totalTime = 1125;
        v.FrontPorch = 4;
        v.AddrTime = 1080;
        v.Sync = 5;
        for (const Direction& d : {Direction {tr("H"), h, 4400}, Direction {tr("V"), v, 4095}}) {
            auto* row = new PolarityWidget(box);
            row->setPolarityDirection(d.name);
            row->resetTatalTimingRange(100, d.maxTotal);
            row->setPolarityData(d.timing);
            connect(row, &PolarityWidget::signal_polarityDataChanged, echo, [row, echo, name = d.name] {
                ZK::VESA::s_FrameTiming t;
                row->getPolarityData(t);
                echo->setText(tr("%1: total %2, active %3, front %4, sync %5, back porch %6, polarity %7")
                                  .arg(name)
                                  .arg(t.totalTime)
                                  .arg(t.AddrTime)
                                  .arg(t.FrontPorch)
                                  .arg(t.Sync)
                                  .arg(t.backProch)
                                  .arg(t.SyncPolarity == ZK::VESA::PositivePolarity ? "+" : "-"));
            });
            column->addWidget(row);
        }
        echo->setText(tr("The back porch is what the total leaves after the other parts."));
        column->addWidget(echo);
        column->addStretch(1);
        return box;
    }

    std::weak_ptr<Vireo::BizModel::Device> m_device;
    QLabel* m_pLog = nullptr;
    QStringList m_lines;
};

Vireo::Gallery::PageRegistrar reg(
    "timings", "Timings", 60, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new TimingsPage(device, parent);
    });

} // namespace
