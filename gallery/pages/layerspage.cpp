// Layers page: the screen header strip on top and, under it, the program and preview layer lists
// of the active screen, live against the simulated processor. Checking a tab selects screens,
// pressing and releasing a layer selects it, and dragging a tab along the strip reorders the
// screens; the device's answers come back through its notifications, as in a host application.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireowidgets/resources/layerbasesamplevlistwidget.h>
#include <vireowidgets/resources/screenheaderlistwidget.h>

#include <vireomodel/vireomodel.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

using namespace Vireo::Widgets;
namespace Enum = Vireo::BizModel::Enum;
using Vireo::BizModel::Device;
using Vireo::BizModel::MVRScreen;
using Vireo::BizModel::Screen;

class LayersPage : public QWidget
{
public:
    LayersPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
        , m_device(device)
    {
        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("Screen header strip and layer lists"),
            tr("Check a tab to select its screen (MultiSelect keeps several), turn on its eye "
               "to view it, drag a tab along the strip to reorder the screens. Press and "
               "release a layer to select it in the device; the lists show the active "
               "screen's program and preview layers, a cut layer under the layer it cuts."),
            this);

        m_pHeader = new ScreenHeaderListWidget(this);
        m_pHeader->setFixedHeight(52);
        layout->addWidget(Vireo::Gallery::framed(tr("Screens"), m_pHeader, this));

        auto* allowEmpty = new QCheckBox(tr("Allow an empty screen selection"), this);
        layout->addWidget(allowEmpty);

        auto* row = new QHBoxLayout;
        m_pProgram = new LayerBaseSampleVListWidget(this);
        m_pProgram->setFixedWidth(190);
        m_pProgramBox = Vireo::Gallery::framed(tr("Program layers"), m_pProgram, this);
        row->addWidget(m_pProgramBox);
        m_pPreview = new LayerBaseSampleVListWidget(this);
        m_pPreview->setFixedWidth(190);
        m_pPreviewBox = Vireo::Gallery::framed(tr("Preview layers"), m_pPreview, this);
        row->addWidget(m_pPreviewBox);
        m_pStatus = new QLabel(this);
        m_pStatus->setObjectName(QStringLiteral("GalleryCaption"));
        m_pStatus->setWordWrap(true);
        m_pStatus->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        row->addWidget(m_pStatus, 1);
        layout->addLayout(row, 1);
        setMinimumHeight(560);

        connect(allowEmpty, &QCheckBox::toggled, m_pHeader, &ScreenHeaderListWidget::setIsAllowEmptySelected);
        connect(m_pHeader, &ScreenHeaderListWidget::signalScreenItemIndexChanged, this,
            [this]() { m_pStatus->setText(tr("The new screen order was written to the device.")); });

        // Queued: the device answers a command while the widget that sent it is still in its slot.
        if (auto dev = m_device.device().lock()) {
            connect(
                dev.get(), &Device::signalScreensChanged, this, [this]() { rebuildHeader(); }, Qt::QueuedConnection);
            connect(
                dev.get(), &Device::signalScreenSelectionChanged, this, [this]() { followSelection(); },
                Qt::QueuedConnection);
            connect(
                dev.get(), &Device::signalLayersChanged, this,
                [this](std::weak_ptr<Screen> screen) {
                    if (isShown(screen))
                        rebuildLayers();
                },
                Qt::QueuedConnection);
            connect(
                dev.get(), &Device::signalLayerSelectionChanged, this,
                [this](std::weak_ptr<Screen> screen) {
                    if (!isShown(screen))
                        return;
                    m_pProgram->selectedLayerBaseFromModel(screen, {});
                    m_pPreview->selectedLayerBaseFromModel(screen, {});
                    describeSelection();
                },
                Qt::QueuedConnection);
        }
        rebuildHeader();
    }

private:
    std::shared_ptr<Screen> activeScreen() const
    {
        const auto dev = m_device.device().lock();
        if (!dev)
            return {};
        if (auto active = dev->activedScreen().lock())
            return active;
        for (const auto& weak : dev->selectedScreen(Enum::Screen::AllScreenType)) {
            if (auto screen = weak.lock())
                return screen;
        }
        return {};
    }

    bool isShown(const std::weak_ptr<Screen>& screen) const
    {
        const auto locked = screen.lock();
        return locked && locked == m_shownScreen.lock();
    }

    void rebuildHeader()
    {
        m_pHeader->initListWidgetItem(m_device.device(), Enum::Screen::AllScreenType, true, true);
        rebuildLayers();
    }

    void followSelection()
    {
        const auto dev = m_device.device();
        m_pHeader->initSelectedScreens(dev);
        m_pHeader->initViewingScreens(dev);
        m_pHeader->initScreenMultiSelectedState(dev);
        m_pHeader->setScreenBaseSwitchState(dev);
        if (activeScreen() != m_shownScreen.lock())
            rebuildLayers();
    }

    void rebuildLayers()
    {
        const auto screen = activeScreen();
        m_shownScreen = screen;
        const auto dev = m_device.device();
        if (auto mvr = std::dynamic_pointer_cast<MVRScreen>(screen)) {
            // A multiviewer shows its windows once: program only.
            m_pProgram->initListWidgetItem(dev, std::weak_ptr<MVRScreen>(mvr), Enum::Layer::PGM);
            m_pPreview->initListWidgetItem(dev, std::weak_ptr<Screen>(), Enum::Layer::PVW);
            m_pProgramBox->setTitle(tr("Multiviewer windows"));
        } else {
            m_pProgram->initListWidgetItem(dev, screen, Enum::Layer::PGM);
            m_pPreview->initListWidgetItem(dev, screen, Enum::Layer::PVW);
            m_pProgramBox->setTitle(screen ? tr("Program layers of %1").arg(screen->name()) : tr("Program layers"));
        }
        m_pPreviewBox->setTitle(screen && !std::dynamic_pointer_cast<MVRScreen>(screen)
                ? tr("Preview layers of %1").arg(screen->name())
                : tr("Preview layers"));
        describeSelection();
    }

    void describeSelection()
    {
        const auto screen = m_shownScreen.lock();
        if (!screen) {
            m_pStatus->setText(tr("No active screen."));
            return;
        }
        QStringList names;
        for (const auto& weak : screen->selectedLayers()) {
            if (auto layer = weak.lock())
                names << layer->name();
        }
        m_pStatus->setText(tr("Active screen: %1\nSelected layers: %2")
                               .arg(screen->name(), names.isEmpty() ? tr("none") : names.join(QStringLiteral(", "))));
    }

    Vireo::Gallery::SimulatedDevice& m_device;
    ScreenHeaderListWidget* m_pHeader = nullptr;
    LayerBaseSampleVListWidget* m_pProgram = nullptr;
    LayerBaseSampleVListWidget* m_pPreview = nullptr;
    QGroupBox* m_pProgramBox = nullptr;
    QGroupBox* m_pPreviewBox = nullptr;
    QLabel* m_pStatus = nullptr;
    std::weak_ptr<Screen> m_shownScreen;
};

Vireo::Gallery::PageRegistrar reg(
    "layers", "Layers", 40, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new LayersPage(device, parent);
    });

} // namespace
