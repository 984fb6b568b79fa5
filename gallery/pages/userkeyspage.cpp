// User keys page: the user key panel on the simulated processor, live. Pick a layer of the main
// screen, tick the property groups and save a key from it; drag a key up or down its list to
// renumber it, edit or delete it with its buttons, double-click it to apply it to the picked
// layer. Every command the panel sends to the device is listed on the right.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireowidgets/userkeys/userkeyframe.h>

#include <vireomodel/fixture.h>
#include <vireomodel/vireomodel.h>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using namespace Vireo::Widgets;
namespace Enum = Vireo::BizModel::Enum;

class UserKeysPage : public QWidget
{
public:
    UserKeysPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
        , m_device(device)
    {
        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("User keys"),
            tr("Pick a layer, tick the property groups a key carries and save it. Drag a key up or "
               "down the list to renumber it, use its pen to edit it and its cross to delete it (the "
               "keys after it move up); double-click a key to apply it to the picked layer."),
            this);

        auto* row = new QHBoxLayout;
        m_pPanel = new UserKeyContainerFrame(this);
        m_pPanel->setFixedSize(340, 640);
        row->addWidget(Vireo::Gallery::framed(tr("User key panel"), m_pPanel, this));

        auto* side = new QVBoxLayout;
        m_pLayers = new QListWidget(this);
        m_pLayers->setObjectName(QStringLiteral("GalleryUserKeyLayers"));
        m_pLayers->setMaximumHeight(170);
        side->addWidget(Vireo::Gallery::framed(tr("Layer to save from and apply to (main screen)"), m_pLayers, this));
        m_pLog = new QPlainTextEdit(this);
        m_pLog->setObjectName(QStringLiteral("GalleryCommandLog"));
        m_pLog->setReadOnly(true);
        m_pLog->setPlaceholderText(tr("Commands sent to the device appear here."));
        side->addWidget(Vireo::Gallery::framed(tr("Commands sent to the device"), m_pLog, this), 1);
        row->addLayout(side, 1);
        layout->addLayout(row, 1);

        connect(m_pLayers, &QListWidget::currentRowChanged, this, [this](int row) { pickLayer(row); });
        fillLayers();
        const auto dev = m_device.device();
        m_pPanel->setActivedDevice(dev);
        if (auto d = dev.lock())
            m_pPanel->setActivedScreen(d->activedScreen());
        m_pPanel->initListWidgetItem(dev);
        // A key made from the picked layer carries its source and position unless the operator
        // changes that.
        for (const char* name : {"toolButtonInputResources", "toolButtonPos"}) {
            if (auto* button = m_pPanel->findChild<QToolButton*>(QLatin1String(name)))
                button->click();
        }
    }

protected:
    // The command log has one observer: the page takes it while it is shown.
    void showEvent(QShowEvent* event) override
    {
        QPointer<QPlainTextEdit> log(m_pLog);
        Vireo::Fixture::setCommandObserver([log](const Vireo::Fixture::CommandEntry& entry) {
            if (!log)
                return;
            QStringList args;
            for (const QVariant& arg : entry.args) {
                if (arg.type() == QVariant::List) {
                    QStringList items;
                    for (const QVariant& item : arg.toList())
                        items << item.toString();
                    args << QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
                } else {
                    args << arg.toString();
                }
            }
            log->appendPlainText(entry.command + QLatin1String("  ") + args.join(QLatin1String(", ")));
        });
        QWidget::showEvent(event);
    }
    void hideEvent(QHideEvent* event) override
    {
        Vireo::Fixture::setCommandObserver({});
        QWidget::hideEvent(event);
    }

private:
    std::shared_ptr<Vireo::BizModel::Screen> mainScreen() const
    {
        auto dev = m_device.device().lock();
        return dev ? dev->findScreen(Enum::Screen::RegularScreen, 1).lock() : nullptr;
    }

    void fillLayers()
    {
        m_layers.clear();
        m_pLayers->clear();
        auto screen = mainScreen();
        if (!screen)
            return;
        int current = -1;
        for (const auto& weak : screen->layers(Enum::Layer::PGM, Enum::Layer::AllLayerType)) {
            auto layer = weak.lock();
            if (!layer)
                continue;
            m_layers << weak;
            m_pLayers->addItem(layer->name());
            if (layer->isSelected() && current < 0)
                current = m_pLayers->count() - 1;
        }
        const QSignalBlocker blocker(m_pLayers);
        m_pLayers->setCurrentRow(current);
    }

    void pickLayer(int row)
    {
        auto screen = mainScreen();
        auto dev = m_device.device().lock();
        if (!screen || !dev || row < 0 || row >= m_layers.size())
            return;
        for (const auto& weak : screen->layers(Enum::Layer::AllSceneType, Enum::Layer::AllLayerType)) {
            if (auto layer = weak.lock())
                layer->setSelected(false);
        }
        if (auto layer = m_layers.at(row).lock())
            layer->setSelected(true);
        dev->setActivedScreen(screen);
        m_pPanel->setActivedScreen(screen);
    }

    Vireo::Gallery::SimulatedDevice& m_device;
    UserKeyContainerFrame* m_pPanel = nullptr;
    QListWidget* m_pLayers = nullptr;
    QPlainTextEdit* m_pLog = nullptr;
    QList<std::weak_ptr<Vireo::BizModel::Layer>> m_layers;
};

Vireo::Gallery::PageRegistrar reg(
    "userkeys", "User keys", 70, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new UserKeysPage(device, parent);
    });

} // namespace
