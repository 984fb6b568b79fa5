#include <vireomodel/interfaceconfig.h>

#include <algorithm>
#include <iterator>

namespace Vireo::BizModel {

namespace {

using namespace Enum::Interface;

qint64 capacityKey(int capacity, int direction, int connectorType)
{
    return qint64(capacity) * 1000000 + qint64(direction) * 1000 + connectorType;
}

qint64 cardKey(int modelId, int connectorType)
{
    return qint64(modelId) * 65536 + connectorType;
}

s_VESAResolutionRatio preset(
    int w, int h, float rate, int capacity, int cardType = 0, bool interlaced = false, int formatMapping = 0)
{
    s_VESAResolutionRatio r;
    r.PixelFormat = QSize(w, h);
    r.RefreshRate = rate;
    r.SymbolName = QStringLiteral("%1x%2%3@%4").arg(w).arg(h).arg(interlaced ? "i" : "").arg(double(rate));
    r.iCardType = cardType;
    r.iCapacity = capacity;
    r.iInterlaced = interlaced ? 1 : 0;
    r.iFormatMapping = formatMapping;
    return r;
}

const float kFilmRates[] = {23.98f, 24.f, 25.f, 29.97f, 30.f};
const float kVideoRates[] = {23.98f, 24.f, 25.f, 29.97f, 30.f, 50.f, 59.94f, 60.f};

QList<s_VESAResolutionRatio> singleLinkPresets(bool interlacedInputs)
{
    QList<s_VESAResolutionRatio> list;
    list << preset(640, 480, 60, 1) << preset(800, 600, 60, 1) << preset(1024, 768, 60, 1);
    for (float rate : {50.f, 59.94f, 60.f})
        list << preset(1280, 720, rate, 1);
    list << preset(1280, 1024, 60, 1) << preset(1366, 768, 60, 1) << preset(1440, 900, 60, 1)
         << preset(1600, 1200, 60, 1) << preset(1680, 1050, 60, 1);
    for (float rate : kVideoRates)
        list << preset(1920, 1080, rate, 1);
    if (interlacedInputs) {
        for (float rate : {50.f, 59.94f, 60.f})
            list << preset(1920, 1080, rate, 1, 1, true);
    }
    list << preset(1920, 1200, 60, 1);
    return list;
}

QList<s_VESAResolutionRatio> dualLinkPresets()
{
    return {
        preset(2560, 1440, 60, 3), preset(2560, 1600, 60, 3), preset(3840, 1080, 60, 3), preset(1920, 1080, 120, 3)};
}

QList<s_VESAResolutionRatio> uhdPresets(bool fullRate)
{
    QList<s_VESAResolutionRatio> list;
    for (float rate : (fullRate ? QList<float>(std::begin(kVideoRates), std::end(kVideoRates))
                                : QList<float>(std::begin(kFilmRates), std::end(kFilmRates))))
        list << preset(3840, 2160, rate, 7);
    list << preset(4096, 2160, 24, 7, 2) << preset(4096, 2160, 30, 7, 2);
    if (fullRate)
        list << preset(4096, 2160, 60, 7, 2);
    return list;
}

QList<s_VESAResolutionRatio> sdiPresets(bool uhd, bool uhdFullRate)
{
    QList<s_VESAResolutionRatio> list;
    for (float rate : {50.f, 59.94f, 60.f})
        list << preset(1280, 720, rate, 1);
    for (float rate : {50.f, 59.94f, 60.f})
        list << preset(1920, 1080, rate, 1, 0, true);
    for (float rate : kVideoRates) {
        // 1080p50/60 travel as level A or B on 3G links.
        list << preset(1920, 1080, rate, 1, 0, false, rate > 49.f ? Level_A : UnUsed);
    }
    if (uhd) {
        for (float rate : kFilmRates)
            list << preset(3840, 2160, rate, 7);
        if (uhdFullRate) {
            for (float rate : {50.f, 59.94f, 60.f})
                list << preset(3840, 2160, rate, 7);
        }
    }
    return list;
}

s_ConnectorInfo connector(ConnectorType type, quint32 maxBandwidth, QSize minSize, QSize maxSize, float maxRate,
    QList<s_VESAResolutionRatio> presets)
{
    s_ConnectorInfo info;
    info.m_eType = type;
    info.m_nMaxBandwidth = maxBandwidth;
    info.m_nMinBandwidth = 25000000;
    info.m_sizeMinResolution = minSize;
    info.m_sizeMaxResolution = maxSize;
    info.m_fMinRefreshRate = 23.98f;
    info.m_fMaxRefreshRate = maxRate;
    info.m_listPredefinedResolutionRatio = std::move(presets);
    return info;
}

int widthStep(ConnectorType type)
{
    switch (type) {
    case HDMI_2_0:
        return 4;
    case Single_Link_DVI:
    case Single_Link_DP_1_1:
    case VGA:
        return 1;
    default:
        return 2;
    }
}

bool isSdi(ConnectorType type)
{
    return type == _3G_SDI || type == _6G_SDI || type == _12G_SDI;
}

} // namespace

InterfaceConfig* InterfaceConfig::instance()
{
    static InterfaceConfig config;
    return &config;
}

InterfaceConfig::InterfaceConfig()
{
    loadDefaults();
}

int InterfaceConfig::direction(int interfaceType)
{
    if (interfaceType == Input)
        return Input;
    if (interfaceType & Output)
        return Output;
    return -1;
}

int InterfaceConfig::capacitySupportMask(int capacity)
{
    switch (capacity) {
    case _SL:
        return SL;
    case _DL:
        return SLToDL;
    case _4K:
        return SLTo4K;
    default:
        return 0;
    }
}

bool InterfaceConfig::findConnectorCapacity(
    int capacity, int interfaceType, int connectorType, s_ConnectorCapacity& out) const
{
    const int dir = direction(interfaceType);
    if (dir < 0)
        return false;
    const auto it = m_capacities.constFind(capacityKey(capacity, dir, connectorType));
    if (it == m_capacities.constEnd())
        return false;
    out = it.value();
    return true;
}

bool InterfaceConfig::CardConnectorInfo(int modelId, int connectorType, s_CardConnector& out) const
{
    auto it = m_cardConnectors.constFind(cardKey(modelId, connectorType));
    if (it == m_cardConnectors.constEnd())
        it = m_cardConnectors.constFind(cardKey(-1, connectorType));
    if (it == m_cardConnectors.constEnd())
        return false;
    out = it.value();
    return true;
}

bool InterfaceConfig::IsSupportFormatMapping(int modelId) const
{
    return m_formatMappingModels.contains(modelId);
}

bool InterfaceConfig::findConnectorInfo(int capacity, int cardType, int connectorType, s_ConnectorInfo& out) const
{
    if (capacitySupportMask(capacity) == 0)
        return false;
    for (const auto& info : m_listConnectorInfo) {
        if (info.m_eType == connectorType && (info.m_iCardType == 0 || info.m_iCardType == cardType)) {
            out = info;
            return true;
        }
    }
    return false;
}

bool InterfaceConfig::findResolutionRange(int connectorType, QSize& minSize, QSize& maxSize) const
{
    const auto it = m_resolutionRanges.constFind(connectorType);
    if (it == m_resolutionRanges.constEnd())
        return false;
    minSize = it.value().first;
    maxSize = it.value().second;
    return true;
}

void InterfaceConfig::clear()
{
    m_listConnectorInfo.clear();
    m_capacities.clear();
    m_cardConnectors.clear();
    m_formatMappingModels.clear();
    m_resolutionRanges.clear();
}

void InterfaceConfig::loadDefaults()
{
    clear();
    const QSize vgaMin(640, 480);
    const auto sl = singleLinkPresets(true);
    addConnectorInfo(connector(VGA, 165000000, vgaMin, QSize(1920, 1200), 60, singleLinkPresets(false)));
    addConnectorInfo(connector(Single_Link_DVI, 165000000, vgaMin, QSize(1920, 1200), 60, sl));
    addConnectorInfo(connector(Dual_Link_DVI, 330000000, vgaMin, QSize(2560, 1600), 120, sl + dualLinkPresets()));
    addConnectorInfo(connector(Single_Link_DP_1_1, 270000000, vgaMin, QSize(2560, 1600), 60, sl));
    addConnectorInfo(connector(Dual_Link_DP_1_1, 540000000, vgaMin, QSize(3840, 2160), 120, sl + dualLinkPresets()));
    addConnectorInfo(connector(HDMI_1_3, 340000000, vgaMin, QSize(2560, 1600), 120, sl + dualLinkPresets()));
    addConnectorInfo(
        connector(HDMI_1_4, 340000000, vgaMin, QSize(3840, 2160), 120, sl + dualLinkPresets() + uhdPresets(false)));
    addConnectorInfo(
        connector(HDMI_2_0, 600000000, vgaMin, QSize(4096, 2160), 120, sl + dualLinkPresets() + uhdPresets(true)));
    addConnectorInfo(
        connector(DP_1_2, 600000000, vgaMin, QSize(4096, 2160), 120, sl + dualLinkPresets() + uhdPresets(true)));
    addConnectorInfo(connector(HDBaseT, 300000000, vgaMin, QSize(3840, 2160), 60, sl + uhdPresets(false)));
    addConnectorInfo(connector(_3G_SDI, 148500000, QSize(1280, 720), QSize(1920, 1080), 60, sdiPresets(false, false)));
    addConnectorInfo(connector(_6G_SDI, 297000000, QSize(1280, 720), QSize(3840, 2160), 60, sdiPresets(true, false)));
    addConnectorInfo(connector(_12G_SDI, 594000000, QSize(1280, 720), QSize(3840, 2160), 60, sdiPresets(true, true)));

    const quint32 modeBandwidth[] = {165000000, 330000000, 600000000};
    const QSize modeMax[] = {QSize(3840, 1920), QSize(3840, 2560), QSize(4096, 4096)};
    for (const auto& info : qAsConst(m_listConnectorInfo)) {
        for (int mode : {int(_SL), int(_DL), int(_4K)}) {
            s_ConnectorCapacity cap;
            cap.step = widthStep(info.m_eType);
            cap.maxBandwidth = qMin(modeBandwidth[mode], info.m_nMaxBandwidth);
            cap.minBandwidth = info.m_nMinBandwidth;
            if (!isSdi(info.m_eType)) { // SDI sizes come from the resolution range
                cap.maxWidth = modeMax[mode].width();
                cap.maxHeight = modeMax[mode].height();
                cap.minWidth = 640;
                cap.minHeight = 480;
            }
            setConnectorCapacity(mode, Input, info.m_eType, cap);
            setConnectorCapacity(mode, Output, info.m_eType, cap);
        }
        setCardConnector(-1, info.m_eType, s_CardConnector {});
        setResolutionRange(info.m_eType, info.m_sizeMinResolution, info.m_sizeMaxResolution);
    }
    // The SDI input and output cards (model ids 0x2004 and 0x3004) map 3G formats.
    setFormatMappingSupport(0x2004, true);
    setFormatMappingSupport(0x3004, true);
    loadConnectorModeLimits();
}

void InterfaceConfig::addConnectorInfo(const s_ConnectorInfo& info)
{
    for (auto& existing : m_listConnectorInfo) {
        if (existing.m_eType == info.m_eType && existing.m_iCardType == info.m_iCardType) {
            existing = info;
            return;
        }
    }
    m_listConnectorInfo.append(info);
}

void InterfaceConfig::setConnectorCapacity(
    int capacity, int interfaceType, int connectorType, const s_ConnectorCapacity& cap)
{
    const int dir = direction(interfaceType);
    if (dir < 0)
        return;
    m_capacities.insert(capacityKey(capacity, dir, connectorType), cap);
}

void InterfaceConfig::setCardConnector(int modelId, int connectorType, const s_CardConnector& card)
{
    m_cardConnectors.insert(cardKey(modelId, connectorType), card);
}

void InterfaceConfig::setFormatMappingSupport(int modelId, bool supported)
{
    m_formatMappingModels.removeAll(modelId);
    if (supported)
        m_formatMappingModels.append(modelId);
}

void InterfaceConfig::setResolutionRange(int connectorType, const QSize& minSize, const QSize& maxSize)
{
    m_resolutionRanges.insert(connectorType, {minSize, maxSize});
}

void InterfaceConfig::removeConnectorInfo(int connectorType)
{
    m_listConnectorInfo.erase(
        std::remove_if(m_listConnectorInfo.begin(), m_listConnectorInfo.end(),
            [connectorType](const s_ConnectorInfo& info) { return info.m_eType == connectorType; }),
        m_listConnectorInfo.end());
    for (auto it = m_capacities.begin(); it != m_capacities.end();)
        it = it.key() % 1000 == connectorType ? m_capacities.erase(it) : std::next(it);
    for (auto it = m_cardConnectors.begin(); it != m_cardConnectors.end();)
        it = (it.key() % 65536 + 65536) % 65536 == connectorType ? m_cardConnectors.erase(it) : std::next(it);
    m_resolutionRanges.remove(connectorType);
}

void InterfaceConfig::loadConnectorModeLimits()
{
    struct ModeLimit
    {
        int step;
        quint32 maxBandwidth;
        QSize minSize;
        QSize maxSize;
    };
    struct KindLimits
    {
        ConnectorType type;
        ModeLimit modes[3]; // _SL, _DL, _4K
    };
    const QSize vga(640, 480);
    const QSize hd(1280, 720);
    // A connector carries no more than its own link allows, whatever the mode: a single-link DVI
    // stays at 165 MHz and a dual-link DVI at 330 MHz in the 4K mode. Links that move two or four
    // pixels per clock snap widths to 2 or 4; SDI carries 4:2:2 pixel pairs.
    const KindLimits table[] = {
        {Single_Link_DVI,
            {{1, 165000000, vga, QSize(3840, 1920)}, {1, 165000000, vga, QSize(3840, 1920)},
                {1, 165000000, vga, QSize(3840, 1920)}}},
        {Dual_Link_DVI,
            {{1, 165000000, vga, QSize(3840, 1920)}, {2, 330000000, vga, QSize(3840, 2560)},
                {2, 330000000, vga, QSize(3840, 2560)}}},
        {HDMI_1_4,
            {{1, 165000000, vga, QSize(3840, 1920)}, {2, 330000000, vga, QSize(3840, 2560)},
                {2, 340000000, vga, QSize(4096, 2160)}}},
        {HDMI_2_0,
            {{1, 165000000, vga, QSize(3840, 1920)}, {2, 330000000, vga, QSize(3840, 2560)},
                {4, 600000000, vga, QSize(4096, 4096)}}},
        {DP_1_2,
            {{1, 165000000, vga, QSize(3840, 1920)}, {2, 330000000, vga, QSize(3840, 2560)},
                {4, 600000000, vga, QSize(4096, 4096)}}},
        {_12G_SDI,
            {{2, 148500000, hd, QSize(1920, 1080)}, {2, 297000000, hd, QSize(3840, 2160)},
                {2, 594000000, hd, QSize(4096, 2160)}}},
    };
    for (const auto& kind : table) {
        for (int mode : {int(_SL), int(_DL), int(_4K)}) {
            const ModeLimit& limit = kind.modes[mode];
            s_ConnectorCapacity cap;
            cap.step = limit.step;
            cap.maxBandwidth = limit.maxBandwidth;
            cap.minBandwidth = 25000000;
            cap.minWidth = limit.minSize.width();
            cap.minHeight = limit.minSize.height();
            cap.maxWidth = limit.maxSize.width();
            cap.maxHeight = limit.maxSize.height();
            setConnectorCapacity(mode, Input, kind.type, cap);
            setConnectorCapacity(mode, Output, kind.type, cap);
        }
    }
    // Input cards that process 4K connectors four (HDMI 2.0, DP 1.2) or two (12G-SDI) pixels at a time.
    setCardConnector(0x2001, HDMI_2_0, s_CardConnector {4});
    setCardConnector(0x2002, DP_1_2, s_CardConnector {4});
    setCardConnector(0x2004, _12G_SDI, s_CardConnector {2});
}

} // namespace Vireo::BizModel
