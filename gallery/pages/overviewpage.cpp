// First page: what the simulated processor holds, so that the other pages can be read against it.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireomodel/vireomodel.h>

#include <QFormLayout>
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
        layout->addLayout(form);
        layout->addStretch(1);
    }
};

Vireo::Gallery::PageRegistrar reg(
    "overview", "Overview", 0, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new OverviewPage(device, parent);
    });

} // namespace
