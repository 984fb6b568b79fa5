#pragma once

// Protocol records of the device model: plain, copyable structs whose every field starts at zero
// (or empty). Texts travel as UTF-8 std::string, as on the wire.

#include <QHashFunctions>
#include <QMetaType>
#include <QPair>

#include <array>
#include <cstdint>
#include <string>

namespace Vireo::ProtoModel {

// A physical connector: slot, connector on the card, split part.
struct s_InterfaceID
{
    int slotId = 0;
    int connectorId = 0;
    int splitId = 0;

    bool operator==(const s_InterfaceID& o) const
    {
        return slotId == o.slotId && connectorId == o.connectorId && splitId == o.splitId;
    }
    bool operator!=(const s_InterfaceID& o) const { return !(*this == o); }
};

inline uint qHash(const s_InterfaceID& id, uint seed = 0) noexcept
{
    return ::qHash(qMakePair(qMakePair(id.slotId, id.connectorId), id.splitId), seed);
}

struct s_ScreenId
{
    uint8_t screenId = 0;
    int screenType = 0;

    bool operator==(const s_ScreenId& o) const { return screenId == o.screenId && screenType == o.screenType; }
    bool operator!=(const s_ScreenId& o) const { return !(*this == o); }
};

// The general record of a screen (Screen::screenGeneral(), ModelControl::Screen::updateGeneral()).
// `index` is the screen's position in the screen strip.
struct s_ScreenGeneralBody
{
    uint8_t screenId = 0;
    int screenType = 0;
    int index = 0;
    std::string name;
};

// One direction of a video timing. All values in pixels (or lines); syncPolarity 0 positive, 1 negative.
struct s_Timing
{
    int addTime = 0; // active
    int frontPorch = 0;
    int sync = 0;
    int syncPolarity = 0;
    int totalTime = 0;
};

// `refresh` is in hundredths of a hertz (6000 = 60 Hz); Helper::protoRate2ModelRate converts it.
struct s_TimingDetailBody
{
    int interlaced = 0;
    int refresh = 0;
    s_Timing horizontal;
    s_Timing vertical;
};

struct s_SDRDetail
{
    int Gamma = 0; // gamma x 100
};

struct s_HDR10Detail
{
    bool toneMapping = false;
    int screenPeakBrightness = 0;
    int ambientLight = 0;
    int pqMaxCll = 0;
};

struct s_HLGDetail
{
    int ambientLight = 0;
    int grade = 0;
};

struct s_DynamicRangeDetail
{
    int type = 0; // Enum::Interface::DynamicRange
    s_SDRDetail SDR;
    s_HDR10Detail HDR10;
    s_HLGDetail HLG;
};

struct s_ColorGamutBody
{
    int actualColorGamut = 0;
    int presetColorGamut = 0;
};

struct s_DynamicRangeBody
{
    s_DynamicRangeDetail actualDynamicRange;
    s_DynamicRangeDetail presetDynamicRange;
};

struct s_HDRBody
{
    s_ColorGamutBody colorGamut;
    s_DynamicRangeBody dynamicRange;
};

struct s_ColorDepthBody
{
    int actualColorDepth = 0;
    int presetColorDepth = 0;
};

struct s_ColorSpaceBody
{
    int actualColorSpace = 0;
    int presetColorSpace = 0;
};

struct s_ColorRangeBody
{
    int actualColorRange = 0;
    int presetColorRange = 0;
};

// The sub-card (input or output card) in a slot.
struct s_subcardBody
{
    uint8_t slotId = 0;
    uint16_t modelId = 0;
    int connectorCount = 0;
};

// A client that controls the device: IPv4 address parts (most significant first) and port.
struct DeviceClientInfo
{
    std::array<uint8_t, 4> ip {};
    uint16_t port = 0;
};

struct s_FileIdentity
{
    int fileId = 0;
    int fileType = 0;
};

namespace File {

struct s_GeneralBody
{
    std::string name;
};

struct s_Source
{
    uint32_t id = 0; // input interfaceId() or screenId()
    int type = 0; // Enum::File::ImageSourceType
    int zoomRatio = 0;
};

// A capture request, emitted by the widgets with DeviceList::signalCaptureImage.
struct s_CreateImageFile : s_FileIdentity
{
    s_GeneralBody general;
    s_Source source;
    std::string binaryData;
};

} // namespace File

namespace Layer {

struct s_Rect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct s_LayerIdentity
{
    s_ScreenId screen;
    uint8_t layerId = 0;
    int layerType = 0;
    int sceneType = 0;
};

struct s_LayerCutFillBody
{
    bool cutAndFill = false;
    bool cutLayerEnable = false;
    uint8_t cutLayerId = 0;
    uint8_t fillLayerId = 0;
};

struct s_LayerGeneralBody
{
    std::string name;
    bool background = false;
    bool freeze = false;
    bool monochrome = false;
    bool inverse = false;
    int flip = 0;
};

struct s_LayerSourceBody
{
    uint32_t sourceId = 0; // input interfaceId() or file id
    int sourceType = 0; // Enum::File::FileType for pictures, -1 ... left to the device
    bool cropEnable = false;
    s_Rect crop;
};

struct s_LayerMaskBody
{
    bool enable = false;
    int maskId = 0;
};

struct s_LayerTestColorBody
{
    bool enable = false;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

struct s_LayerShadowBody
{
    bool enable = false;
    int offsetX = 0;
    int offsetY = 0;
    uint32_t color = 0;
};

struct s_LayerBorderBody
{
    bool enable = false;
    int width = 0;
    uint32_t color = 0;
};

struct s_LayerUMDBody
{
    bool enable = false;
    std::string text;
};

// Everything the device knows about one layer; copied whole into a user key.
struct s_LayerFullDetail
{
    s_LayerIdentity layerIdenti;
    s_LayerCutFillBody cutFill;
    int zOrder = 0;
    bool selected = false;
    s_LayerGeneralBody general;
    s_LayerSourceBody source;
    s_Rect window;
    s_LayerMaskBody mask;
    s_LayerTestColorBody testColor;
    int opacity = 0;
    int imageQuality = 0;
    s_LayerShadowBody shadow;
    s_LayerBorderBody border;
    s_LayerUMDBody umd;
};

} // namespace Layer

} // namespace Vireo::ProtoModel

Q_DECLARE_METATYPE(Vireo::ProtoModel::File::s_CreateImageFile)
Q_DECLARE_METATYPE(Vireo::ProtoModel::s_InterfaceID)
Q_DECLARE_METATYPE(Vireo::ProtoModel::s_ScreenId)
