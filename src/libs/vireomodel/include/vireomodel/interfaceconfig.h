#pragma once

// Connector capabilities of the device model: per connector kind its bandwidth, resolution limits
// and preset resolutions/rates, and per (capacity mode, direction, connector kind) its limits.
//
// The table starts filled with realistic defaults (loadDefaults(); Fixture::reset() loads them
// again). A test that needs a lookup to fail calls clear() or fills only what it needs.
// Every lookup returns false, and leaves its out-parameter untouched, when it finds nothing.

#include <vireomodel/enums.h>
#include <vireomodel/vireomodel_export.h>

#include <QList>
#include <QMap>
#include <QSize>
#include <QString>

namespace Vireo::BizModel {

// One preset timing. iCardType: 0 any card, 1 input cards, 2 output cards. iCapacity: the
// capacity bits the entry needs (1 single link, 3 dual link, 7 4K); a card in a mode shows the
// entries whose iCapacity is at most that mode's CapacitySupportResolution value.
struct s_VESAResolutionRatio
{
    QSize PixelFormat;
    float RefreshRate = 0.f;
    QString SymbolName;
    int iCardType = 0;
    int iCapacity = 0;
    int iInterlaced = 0;
    int iFormatMapping = 0;
};

// Limits of a connector kind in one capacity mode and direction. Bandwidths are pixel clocks in
// pixels per second. Width/height limits of 0 mean "see the resolution range".
struct s_ConnectorCapacity
{
    int step = 0;
    quint32 maxBandwidth = 0;
    quint32 minBandwidth = 0;
    int maxWidth = 0;
    int minWidth = 0;
    int maxHeight = 0;
    int minHeight = 0;
};

// Card-specific data of a connector: the width step (-1: none, use the connector's).
struct s_CardConnector
{
    int Step = -1;
};

// A connector kind. m_iCardType as in s_VESAResolutionRatio (0: both directions).
struct s_ConnectorInfo
{
    Enum::Interface::ConnectorType m_eType = Enum::Interface::INVALID;
    int m_iCardType = 0;
    quint32 m_nMaxBandwidth = 0;
    quint32 m_nMinBandwidth = 0;
    QSize m_sizeMinResolution;
    QSize m_sizeMaxResolution;
    float m_fMinRefreshRate = 0.f;
    float m_fMaxRefreshRate = 0.f;
    QList<s_VESAResolutionRatio> m_listPredefinedResolutionRatio;
};

class VIREOMODEL_EXPORT InterfaceConfig
{
public:
    using s_VESAResolutionRatio = Vireo::BizModel::s_VESAResolutionRatio;

    static InterfaceConfig* instance(); // never null

    // Limits for (capacity mode, direction, connector kind); `interfaceType` is Input, or any
    // output bit (MainOutput, AUXOutput, MVROutput, Output) for the output direction.
    bool findConnectorCapacity(int capacity, int interfaceType, int connectorType, s_ConnectorCapacity& out) const;
    // Card data of a connector kind on a card model; entries stored for model id -1 serve any model.
    bool CardConnectorInfo(int modelId, int connectorType, s_CardConnector& out) const;
    bool IsSupportFormatMapping(int modelId) const;
    // All connector records, searched by m_eType.
    const QList<s_ConnectorInfo>& connectorInfoList() const { return m_listConnectorInfo; }
    // The record for a connector kind usable by that card kind (1 input, 2 output) in that capacity
    // mode; fails for an unknown kind, another card kind or a capacity mode other than _SL/_DL/_4K.
    bool findConnectorInfo(int capacity, int cardType, int connectorType, s_ConnectorInfo& out) const;
    // Active-size limits of a connector kind.
    bool findResolutionRange(int connectorType, QSize& minSize, QSize& maxSize) const;
    // Capacity mode -> CapacitySupportResolution mask (1, 3, 7; 0 for anything else).
    static int capacitySupportMask(int capacity);

    // Fixture
    void clear();
    void loadDefaults();
    void addConnectorInfo(const s_ConnectorInfo& info); // replaces one of the same kind and card type
    void setConnectorCapacity(int capacity, int interfaceType, int connectorType, const s_ConnectorCapacity& cap);
    void setCardConnector(int modelId, int connectorType, const s_CardConnector& card);
    void setFormatMappingSupport(int modelId, bool supported);
    void setResolutionRange(int connectorType, const QSize& minSize, const QSize& maxSize);
    // Takes a connector kind out of the table: its record, capacities, card data and range.
    void removeConnectorInfo(int connectorType);
    // Per capacity mode limits of the kinds the timing editors are shown with (DVI single and dual
    // link, HDMI 1.4 and 2.0, DP 1.2, 12G-SDI): what each mode really carries, its bandwidth, active
    // sizes and width step. Part of loadDefaults().
    void loadConnectorModeLimits();

private:
    InterfaceConfig();
    static int direction(int interfaceType);
    QList<s_ConnectorInfo> m_listConnectorInfo;
    QMap<qint64, s_ConnectorCapacity> m_capacities;
    QMap<qint64, s_CardConnector> m_cardConnectors;
    QList<int> m_formatMappingModels;
    QMap<int, QPair<QSize, QSize>> m_resolutionRanges;
};

} // namespace Vireo::BizModel
