#include "benchdevice.h"

#include <vireomodel/devicelist.h>
#include <vireomodel/enums.h>
#include <vireomodel/utils.h>

#include <QRect>
#include <QSize>

namespace Vireo::Bench {

using namespace Vireo::BizModel;

namespace {

// Main output number i: key 0x1000 + i, four connectors per card.
void addMainOutput(Device& device, int i)
{
    ProtoModel::s_InterfaceID id;
    id.slotId = 100 + i / 4;
    id.connectorId = i % 4;
    Output& output = device.addOutput(quint32(0x1000 + i), Enum::Interface::MainOutput, id, Enum::Interface::HDMI_2_0,
        QStringLiteral("Output %1").arg(i + 1));
    output.setPresetTiming(QSize(3840, 2160), 60.f, false);
}

} // namespace

BenchDevice::BenchDevice(const QString& name)
    : m_device(DeviceList::instance()->addDevice(name))
{ }

BenchDevice::~BenchDevice()
{
    DeviceList::instance()->removeDevice(m_device);
}

void BenchDevice::addInputs(int n)
{
    Device* device = get();
    if (!device)
        return;
    for (int i = 0; i < n; ++i) {
        ProtoModel::s_InterfaceID id;
        id.slotId = i / 4;
        id.connectorId = i % 4;
        Input& input =
            device->addInput(quint32(i), id, Enum::Interface::HDMI_2_0, QStringLiteral("Camera %1").arg(i + 1));
        const bool active = i % 8 != 3;
        input.setActive(active);
        if (active)
            input.setSignal(QSize(1920, 1080), 60.f, false);
    }
}

void BenchDevice::addScreensForButtons(int buttons)
{
    Device* device = get();
    if (!device)
        return;
    const int screens = buttons / 2;
    for (int i = 0; i < screens; ++i) {
        const int type = i < 256 ? Enum::Screen::RegularScreen : Enum::Screen::AUXScreen;
        Screen& screen = device->addScreen(type, quint8(i % 256), QStringLiteral("Screen %1").arg(i + 1));
        screen.setMosaicWindowRect(QRect(0, 0, 3840, 2160));
        addMainOutput(*device, i);
        if (auto shared = device->findOutput(quint32(0x1000 + i)); !shared.expired())
            screen.addOutput(shared);
    }
}

void BenchDevice::addOutputs(int n)
{
    Device* device = get();
    if (!device)
        return;
    for (int i = 0; i < n; ++i)
        addMainOutput(*device, i);
}

std::weak_ptr<Screen> BenchDevice::addScreenWithLayers(int n)
{
    Device* device = get();
    if (!device)
        return {};
    Screen& screen = device->addScreen(Enum::Screen::RegularScreen, 0, QStringLiteral("Screen 1"));
    screen.setMosaicWindowRect(QRect(0, 0, 3840, 2160));
    for (int i = 0; i < n; ++i)
        screen.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, quint8(i), QStringLiteral("Layer %1").arg(i + 1));
    return device->screens(Enum::Screen::RegularScreen).value(0);
}

void ensureTheme(const QMap<QString, QVariant>& values)
{
    if (Utils::Theme::instance()->values().isEmpty())
        Utils::Theme::instance()->setValues(values);
}

} // namespace Vireo::Bench
