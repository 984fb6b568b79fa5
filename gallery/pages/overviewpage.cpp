// First page: what the simulated processor holds, so that the other pages can be read against it.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireomodel/vireomodel.h>

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QVBoxLayout>

namespace {

using namespace Vireo::BizModel;

class OverviewPage : public QWidget
{
public:
    OverviewPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
    {
        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("Simulated video processor"),
            tr("Every page of this gallery shows panels of the library running against this "
               "in-memory device. Selections, reordering and file commands change it live."),
            this);

        auto* form = new QFormLayout;
        form->setHorizontalSpacing(24);
        if (auto dev = device.device().lock()) {
            const auto inputs = dev->validInputs();
            int active = 0;
            for (const auto& weak : inputs) {
                if (auto input = weak.lock(); input && input->isActive())
                    ++active;
            }
            form->addRow(tr("Screens"), new QLabel(QString::number(dev->screens(Enum::Screen::AllScreenType).size())));
            form->addRow(tr("Inputs"), new QLabel(tr("%1 (%2 with signal)").arg(inputs.size()).arg(active)));
            form->addRow(tr("Outputs"), new QLabel(QString::number(dev->outputs(Enum::Interface::Output).size())));
            form->addRow(tr("User keys"), new QLabel(QString::number(dev->files(Enum::File::UserKeyFile).size())));
            form->addRow(tr("Background images"), new QLabel(QString::number(dev->files(Enum::File::BKG).size())));
        } else {
            form->addRow(tr("Device"), new QLabel(tr("offline")));
        }
        auto* deviceBox = new QWidget(this);
        deviceBox->setLayout(form);

        auto* columns = new QHBoxLayout;
        columns->setSpacing(12);
        columns->addWidget(Vireo::Gallery::framed(tr("The device"), deviceBox, this), 1, Qt::AlignTop);
        columns->addWidget(Vireo::Gallery::framed(tr("The pages"), makePageGuide(), this), 3, Qt::AlignTop);
        layout->addLayout(columns);
        layout->addStretch(1);
    }

private:
    // One row per page: its tab and what it shows.
    QWidget* makePageGuide()
    {
        static const QHash<QString, const char*> about {
            {QStringLiteral("foundation"),
                QT_TR_NOOP("The navigation strip every list is built on, the fitted label and the video preview.")},
            {QStringLiteral("controls"),
                QT_TR_NOOP("Slider rows, name edits with their length rule, icon buttons, the T-bar and progress.")},
            {QStringLiteral("screens"),
                QT_TR_NOOP("Screen cards, the sample and detail screen lists; drag a screen out of its list.")},
            {QStringLiteral("layers"),
                QT_TR_NOOP("The screen header strip with view toggles and reordering, and the layer lists.")},
            {QStringLiteral("inputs-outputs"),
                QT_TR_NOOP("Input and output lists with live pictures, signal states and drag out.")},
            {QStringLiteral("timings"),
                QT_TR_NOOP("Input EDID and output timing editors, the refresh-rate and preset pickers.")},
            {QStringLiteral("advanced-timing"), QT_TR_NOOP("A timing edited field by field, with its diagram.")},
            {QStringLiteral("dmt-edit"),
                QT_TR_NOOP("The DMT editor writing an EDID over a template to the USB drive and reading it back.")},
            {QStringLiteral("picture-hdr"), QT_TR_NOOP("HDR settings limited by the configuration file.")},
            {QStringLiteral("picture-patterns"),
                QT_TR_NOOP("Test patterns, the intercept rectangle and the colour supplement.")},
            {QStringLiteral("userkeys"),
                QT_TR_NOOP("User keys: save a layer's properties, renumber by dragging, edit and apply.")},
            {QStringLiteral("filedialog"), QT_TR_NOOP("The USB drive file dialog, EDID import and export.")},
            {QStringLiteral("image-gallery"),
                QT_TR_NOOP("Stored background and logo pictures: rename, delete, drag onto a layer.")},
            {QStringLiteral("capture"), QT_TR_NOOP("Capture of a still, cropping and scaling, region and pick point.")},
            {QStringLiteral("takeover"), QT_TR_NOOP("The veil shown while another client controls the processor.")},
        };
        auto* guide = new QWidget(this);
        auto* rows = new QFormLayout(guide);
        rows->setHorizontalSpacing(24);
        rows->setVerticalSpacing(8);
        for (const Vireo::Gallery::PageInfo& page : Vireo::Gallery::PageRegistry::sortedPages()) {
            const auto it = about.constFind(page.name);
            if (it == about.constEnd())
                continue;
            auto* title = new QLabel(page.title, guide);
            title->setObjectName(QStringLiteral("GalleryOverviewPageTitle"));
            auto* text = new QLabel(tr(it.value()), guide);
            text->setWordWrap(true);
            rows->addRow(title, text);
        }
        return guide;
    }
};

Vireo::Gallery::PageRegistrar reg(
    "overview", "Overview", 0, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new OverviewPage(device, parent);
    });

} // namespace
