#include <vireomodel/devicelist.h>

namespace Vireo::BizModel {

DeviceList* DeviceList::instance()
{
    // Never destroyed: widgets may still disconnect from it during static destruction.
    static DeviceList* list = new DeviceList;
    return list;
}

DeviceList::DeviceList(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<std::weak_ptr<Device>>();
    qRegisterMetaType<std::weak_ptr<Screen>>();
    qRegisterMetaType<std::weak_ptr<Layer>>();
    qRegisterMetaType<std::weak_ptr<Input>>();
    qRegisterMetaType<std::weak_ptr<Output>>();
    qRegisterMetaType<std::weak_ptr<Interface>>();
    qRegisterMetaType<std::weak_ptr<File>>();
    qRegisterMetaType<s_UserKeyDetail>();
    qRegisterMetaType<ProtoModel::File::s_CreateImageFile>();
    qRegisterMetaType<ProtoModel::s_InterfaceID>();
    qRegisterMetaType<ProtoModel::s_ScreenId>();
}

DeviceList::~DeviceList() = default;

std::weak_ptr<Device> DeviceList::activedDevice() const
{
    return m_actived;
}

QList<std::weak_ptr<Device>> DeviceList::devices() const
{
    QList<std::weak_ptr<Device>> out;
    for (const auto& device : m_devices)
        out.append(device);
    return out;
}

std::weak_ptr<Device> DeviceList::addDevice(const QString& name)
{
    auto device =
        std::make_shared<Device>(name.isEmpty() ? QStringLiteral("Device %1").arg(m_devices.size() + 1) : name);
    m_devices.append(device);
    if (m_actived.expired()) {
        m_actived = device;
        emit signalActivedDeviceChanged();
    }
    return device;
}

bool DeviceList::removeDevice(std::weak_ptr<Device> device)
{
    auto target = device.lock();
    if (!target)
        return false;
    const int index = m_devices.indexOf(target);
    if (index < 0)
        return false;
    const bool wasActive = m_actived.lock() == target;
    m_devices.removeAt(index);
    target.reset(); // the last owner: every reference to the device and its objects expires here
    if (wasActive) {
        m_actived = m_devices.isEmpty() ? std::weak_ptr<Device>() : std::weak_ptr<Device>(m_devices.first());
        emit signalActivedDeviceChanged();
    }
    return true;
}

void DeviceList::setActivedDevice(std::weak_ptr<Device> device)
{
    auto target = device.lock();
    if (target && !m_devices.contains(target))
        return; // not one of ours
    if (m_actived.lock() == target)
        return;
    m_actived = target;
    emit signalActivedDeviceChanged();
}

void DeviceList::clear()
{
    const bool hadActive = !m_actived.expired();
    m_devices.clear();
    m_actived.reset();
    if (hadActive)
        emit signalActivedDeviceChanged();
}

} // namespace Vireo::BizModel
