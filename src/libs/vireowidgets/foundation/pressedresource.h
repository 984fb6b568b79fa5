#pragma once

// What a list remembers of the resource an operator pressed. A rebuild may bind the pressed button
// to another model object and the model may drop or replace objects at any moment, so a press is
// remembered by what the device identifies the resource by, and only for the press it was made in.

#include <vireowidgets/vireowidgets_export.h>

#include <QtGlobal>

#include <memory>

namespace Vireo::BizModel {
class Device;
class Screen;
class Layer;
class Interface;
} // namespace Vireo::BizModel

namespace Vireo::Widgets::Internal {

struct VIREOWIDGETS_EXPORT ResourceIdentity
{
    enum Kind : quint8 { None = 0, Screen, Layer, Input, Output };

    Kind kind = None;
    // The device the list showed: a device taken away and added again is another device.
    std::weak_ptr<Vireo::BizModel::Device> device;
    quint32 key = 0; // screen number, layer number or interfaceId
    int type = 0; // screen type or layer type
    int scene = 0; // scene of a screen button; scene of a layer
    quint32 ownerKey = 0; // a layer's screen: number and type
    int ownerType = 0;

    bool isValid() const { return kind != None; }
    bool operator==(const ResourceIdentity& other) const;
    bool operator!=(const ResourceIdentity& other) const { return !(*this == other); }
};

// Identities of live objects; an empty identity (kind None) for an expired one.
VIREOWIDGETS_EXPORT ResourceIdentity screenIdentity(const std::weak_ptr<Vireo::BizModel::Device>& device,
    const std::weak_ptr<Vireo::BizModel::Screen>& screen, int scene);
VIREOWIDGETS_EXPORT ResourceIdentity layerIdentity(
    const std::weak_ptr<Vireo::BizModel::Device>& device, const std::weak_ptr<Vireo::BizModel::Layer>& layer);
VIREOWIDGETS_EXPORT ResourceIdentity interfaceIdentity(ResourceIdentity::Kind kind,
    const std::weak_ptr<Vireo::BizModel::Device>& device, const std::weak_ptr<Vireo::BizModel::Interface>& interface);

// The pressed resource of a list, tied to the press that recorded it (NaviSliderFrame::pressSerial):
// a later press, even one beside the buttons, makes it stale without anyone clearing it.
class VIREOWIDGETS_EXPORT PressedResource
{
public:
    void record(const ResourceIdentity& identity, quint64 pressSerial);
    void clear();
    const ResourceIdentity& identity() const { return m_identity; }
    // The recorded resource, when it was recorded in the press `pressSerial`.
    bool isCurrent(quint64 pressSerial) const;
    // True when `current` names the recorded resource and the press is still the one that recorded it.
    bool matches(const ResourceIdentity& current, quint64 pressSerial) const;

private:
    ResourceIdentity m_identity;
    quint64 m_nPressSerial = 0;
};

} // namespace Vireo::Widgets::Internal
