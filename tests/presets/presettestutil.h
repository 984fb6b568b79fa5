#pragma once

// Shared by the preset and timing-editor tests: a device with one selected input or output on a
// connector of a chosen kind and capacity mode, and preset tables of chosen entries.

#include "common/testsupport.h"

#include <vireomodel/devicelist.h>
#include <vireomodel/fixture.h>
#include <vireomodel/interfaceconfig.h>

#include <zkwidgets/framelessmessagebox.h>

#include <QAbstractButton>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace Vireo::Test {

namespace TimingEnum = Vireo::BizModel::Enum::Interface;

inline Vireo::BizModel::s_VESAResolutionRatio presetEntry(
    int width, int height, float rate, int capacity = 1, int cardType = 0, int interlaced = 0, int mapping = 0)
{
    Vireo::BizModel::s_VESAResolutionRatio entry;
    entry.PixelFormat = QSize(width, height);
    entry.RefreshRate = rate;
    entry.iCapacity = capacity;
    entry.iCardType = cardType;
    entry.iInterlaced = interlaced;
    entry.iFormatMapping = mapping;
    return entry;
}

// Replaces the table's record of `type` by one offering `presets`, limits kept realistic.
inline void installConnector(int type, const QList<Vireo::BizModel::s_VESAResolutionRatio>& presets)
{
    Vireo::BizModel::s_ConnectorInfo info;
    info.m_eType = TimingEnum::ConnectorType(type);
    info.m_nMaxBandwidth = 600000000;
    info.m_nMinBandwidth = 25000000;
    info.m_sizeMinResolution = QSize(640, 480);
    info.m_sizeMaxResolution = QSize(4096, 2160);
    info.m_listPredefinedResolutionRatio = presets;
    Vireo::BizModel::InterfaceConfig::instance()->addConnectorInfo(info);
}

// A fresh device whose first selected input (interfaceType Input) or output (otherwise) sits on
// slot 0, connector 0 of a card `modelId`, with the connector kind and capacity mode given.
struct TimingDevice
{
    std::weak_ptr<Vireo::BizModel::Device> device;
    std::weak_ptr<Vireo::BizModel::Interface> selected;

    static Vireo::ProtoModel::s_InterfaceID port(int slot, int connector)
    {
        Vireo::ProtoModel::s_InterfaceID id;
        id.slotId = slot;
        id.connectorId = connector;
        return id;
    }

    TimingDevice(int interfaceType, int connectorType, int capacity, quint16 modelId = 0x2001)
    {
        Vireo::Fixture::reset();
        device = Vireo::Fixture::makeActiveDevice();
        auto* dev = Vireo::Fixture::activeDevice();
        dev->addSubCard(0, modelId, 4);
        if (interfaceType == TimingEnum::Input) {
            auto& input = dev->addInput(0, port(0, 0), connectorType, QStringLiteral("In 1"));
            input.setCapacity(capacity);
            input.setPresetTiming(QSize(1920, 1080), 60.f, false);
            dev->setSelectedInputs({dev->findInput(0)});
            selected = dev->findInput(0);
        } else {
            auto& output =
                dev->addOutput(0, TimingEnum::MainOutput, port(0, 0), connectorType, QStringLiteral("Out 1"));
            output.setCapacity(capacity);
            output.setPresetTiming(QSize(1920, 1080), 60.f, false);
            dev->setSelectedOutputs({dev->findOutput(0)});
            selected = dev->findOutput(0);
        }
    }

    Vireo::BizModel::Interface* selectedInterface() const { return selected.lock().get(); }
};

// Buttons below `widget` carrying a true `property`, in creation order, left out when hidden
// explicitly.
inline QList<QAbstractButton*> buttonsWith(QWidget* widget, const char* property, const char* other = nullptr)
{
    QList<QAbstractButton*> found;
    for (auto* button : widget->findChildren<QAbstractButton*>()) {
        if (button->property(property).toBool() && (!other || button->property(other).isValid()))
            found.append(button);
    }
    return found;
}

inline QStringList textsOf(const QList<QAbstractButton*>& buttons)
{
    QStringList texts;
    for (auto* button : buttons)
        texts.append(button->text());
    return texts;
}

inline QAbstractButton* buttonWithText(const QList<QAbstractButton*>& buttons, const QString& text)
{
    auto it = std::find_if(buttons.begin(), buttons.end(), [&](QAbstractButton* b) { return b->text() == text; });
    return it == buttons.end() ? nullptr : *it;
}

// Message boxes are answered with OK and recorded, never shown.
struct AnsweredMessageBoxes
{
    AnsweredMessageBoxes()
    {
        ZK::Widgets::FramelessMessageBox::clearRecordedCalls();
        ZK::Widgets::FramelessMessageBox::setTestResponder(
            [](const ZK::Widgets::MessageBoxCall&) { return QMessageBox::Ok; });
    }
    ~AnsweredMessageBoxes() { ZK::Widgets::FramelessMessageBox::clearTestResponder(); }
    QList<ZK::Widgets::MessageBoxCall> calls() const { return ZK::Widgets::FramelessMessageBox::recordedCalls(); }
};

} // namespace Vireo::Test
