#include "pressedresource.h"

#include <vireomodel/bizmodel.h>

namespace Vireo::Widgets::Internal {

namespace {

template <typename T>
bool sameOwner(const std::weak_ptr<T>& a, const std::weak_ptr<T>& b)
{
    return !a.owner_before(b) && !b.owner_before(a);
}

} // namespace

bool ResourceIdentity::operator==(const ResourceIdentity& other) const
{
    return kind == other.kind && key == other.key && type == other.type && scene == other.scene &&
        ownerKey == other.ownerKey && ownerType == other.ownerType && sameOwner(device, other.device);
}

ResourceIdentity screenIdentity(const std::weak_ptr<Vireo::BizModel::Device>& device,
    const std::weak_ptr<Vireo::BizModel::Screen>& screen, int scene)
{
    ResourceIdentity identity;
    const auto live = screen.lock();
    if (!live || device.expired())
        return identity;
    identity.kind = ResourceIdentity::Screen;
    identity.device = device;
    identity.key = live->screenId();
    identity.type = live->screenType();
    identity.scene = scene;
    return identity;
}

ResourceIdentity layerIdentity(
    const std::weak_ptr<Vireo::BizModel::Device>& device, const std::weak_ptr<Vireo::BizModel::Layer>& layer)
{
    ResourceIdentity identity;
    const auto live = layer.lock();
    if (!live || device.expired())
        return identity;
    const auto owner = live->ownerScreen().lock();
    if (!owner)
        return identity;
    identity.kind = ResourceIdentity::Layer;
    identity.device = device;
    identity.key = live->layerId();
    identity.type = live->layerType();
    identity.scene = live->sceneType();
    identity.ownerKey = owner->screenId();
    identity.ownerType = owner->screenType();
    return identity;
}

ResourceIdentity interfaceIdentity(ResourceIdentity::Kind kind, const std::weak_ptr<Vireo::BizModel::Device>& device,
    const std::weak_ptr<Vireo::BizModel::Interface>& interface)
{
    ResourceIdentity identity;
    const auto live = interface.lock();
    if (!live || device.expired())
        return identity;
    identity.kind = kind;
    identity.device = device;
    identity.key = live->interfaceId();
    return identity;
}

void PressedResource::record(const ResourceIdentity& identity, quint64 pressSerial)
{
    m_identity = identity;
    m_nPressSerial = pressSerial;
}

void PressedResource::clear()
{
    m_identity = ResourceIdentity();
    m_nPressSerial = 0;
}

bool PressedResource::isCurrent(quint64 pressSerial) const
{
    return m_identity.isValid() && m_nPressSerial == pressSerial;
}

bool PressedResource::matches(const ResourceIdentity& current, quint64 pressSerial) const
{
    return isCurrent(pressSerial) && current.isValid() && current == m_identity;
}

} // namespace Vireo::Widgets::Internal
