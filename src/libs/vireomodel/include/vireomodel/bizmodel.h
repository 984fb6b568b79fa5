#pragma once

// Device state of the device model: Device, Screen, MVRScreen, Layer, Interface (Input, Output),
// File (Image, UserKey) and their records.
//
// Ownership: a Device is owned by DeviceList; screens, inputs, outputs and files by their device;
// layers by their screen, each through the only std::shared_ptr there is. Callers only ever get
// std::weak_ptr (or a reference for immediate use), so removing an object (removeScreen,
// removeLayer, removeInput, removeOutput, removeFile, DeviceList::removeDevice) expires every
// reference to it, and to everything it owns, at once.
//
// Every read accessor is safe on any input: unknown ids, out-of-range numbers and expired
// references give an empty list, an expired weak_ptr, a null pointer, false or zero.
//
// Fixture setters: the members under "Fixture" below are what a test or the gallery uses to fill
// the device. A real device model fills itself from the processor; the widgets never call these.
// They change the model at once and emit the Device's change signals (see Device).

#include <vireomodel/enums.h>
#include <vireomodel/protomodel.h>
#include <vireomodel/vireomodel_export.h>

#include <QHash>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <QSize>
#include <QString>

#include <memory>

namespace Vireo::BizModel {

class Device;
class Screen;
class Layer;
class Interface;
class Input;
class Output;
class File;

// The user key record. An empty record has number 0 and every flag false.
struct s_UserKeyDetail
{
    ProtoModel::Layer::s_LayerFullDetail layerFullDetail;
    ProtoModel::Layer::s_LayerFullDetail cutLayerFullDetail;
    std::string name; // UTF-8, unique among the device's keys
    uint8_t userKeyId = 0;
    int userKeyColor = 0; // Enum::UserKey::UserKeyColorEnum
    bool bLayerSourcesBody = false;
    bool bLayerCutFillBody = false;
    bool bLayerFlipBody = false;
    bool bLayerBorderBody = false;
    bool bLayerMaskBody = false;
    bool bLayerRectBody = false;
    bool bLayerPosBody = false;
    bool bLayerColorBody = false;
    bool bLayerInputCropBody = false;
    bool bLayerNoSourceLayerBody = false;
    bool bLayerNoSourceLayerColorBody = false;
};

// The connector behind an interface (Device::getConnector).
struct Connector
{
    ProtoModel::s_InterfaceID interfaceId;
    Enum::Interface::WorkMode workMode = Enum::Interface::Master;
    Enum::Interface::ConnectorType type = Enum::Interface::INVALID;
};

// The sub-card in a slot (Device::slot, Device::findSlotById).
class VIREOMODEL_EXPORT SubCard
{
public:
    explicit SubCard(const ProtoModel::s_subcardBody& body)
        : m_body(body)
    { }
    int slotId() const { return m_body.slotId; }
    quint16 modelId() const { return m_body.modelId; }
    const ProtoModel::s_subcardBody& body() const { return m_body; }

private:
    ProtoModel::s_subcardBody m_body;
};

// Device configuration (Device::deviceConfig).
struct DeviceConfig
{
    bool supportCutAndFill = true; // the device has cut-and-fill layers
    int maxUserKeyCount = 16;
    int maxLayerCount = 16;
};

// --------------------------------------------------------------------------------------------
class VIREOMODEL_EXPORT Layer
{
public:
    Layer(std::weak_ptr<Screen> owner, int sceneType, int layerType, quint8 layerId);
    virtual ~Layer();

    quint8 layerId() const { return m_layerId; }
    Enum::Layer::LayerType layerType() const { return m_layerType; }
    Enum::Layer::SceneType sceneType() const { return m_sceneType; }
    std::weak_ptr<Screen> ownerScreen() const { return m_owner; }
    std::weak_ptr<Layer> cutLayer() const { return m_cutLayer; } // the cut layer of a fill layer
    std::weak_ptr<Layer> fillLayer() const { return m_fillLayer; } // the layer a cut layer cuts
    bool isCutLayer() const { return m_layerType == Enum::Layer::Cut; }
    bool isCutLayerEnable() const { return m_cutLayerEnable; }
    bool cutAndFill() const { return m_cutAndFill; }
    QString name() const { return m_name; }
    bool isSelected() const { return m_selected; }
    // The full record; identity, cut-fill, selection and name always reflect the layer itself.
    ProtoModel::Layer::s_LayerFullDetail layerDetail() const;
    // The stored file this layer shows (BKG/LOGO layers), or (-1, -1).
    int usedFileType() const { return m_usedFileType; }
    int usedFileId() const { return m_usedFileId; }

    // Fixture
    void setName(const QString& name) { m_name = name; }
    void setSelected(bool selected) { m_selected = selected; }
    void setCutLayerEnable(bool enable) { m_cutLayerEnable = enable; }
    void setCutAndFill(bool on) { m_cutAndFill = on; }
    void setLayerDetail(const ProtoModel::Layer::s_LayerFullDetail& detail) { m_detail = detail; }
    void setUsedFile(int fileType, int fileId)
    {
        m_usedFileType = fileType;
        m_usedFileId = fileId;
    }

private:
    friend class Screen;
    std::weak_ptr<Screen> m_owner;
    Enum::Layer::SceneType m_sceneType;
    Enum::Layer::LayerType m_layerType;
    quint8 m_layerId;
    QString m_name;
    bool m_selected = false;
    bool m_cutLayerEnable = false;
    bool m_cutAndFill = false;
    int m_usedFileType = -1;
    int m_usedFileId = -1;
    std::weak_ptr<Layer> m_cutLayer;
    std::weak_ptr<Layer> m_fillLayer;
    ProtoModel::Layer::s_LayerFullDetail m_detail;
};

// --------------------------------------------------------------------------------------------
class VIREOMODEL_EXPORT Screen : public std::enable_shared_from_this<Screen>
{
public:
    Screen(std::weak_ptr<Device> owner, int screenType, quint8 screenId);
    virtual ~Screen();

    int index() const { return m_index; }
    int screenType() const { return m_screenType; }
    quint8 screenId() const { return m_screenId; }
    ProtoModel::s_ScreenId screenIdentity() const;
    QString name() const { return m_name; }
    QList<std::weak_ptr<Output>> outputs() const; // expired outputs are left out
    QRect mosaicWindowRect() const { return m_mosaicRect; }
    QSize mosaicWindowSize() const; // the mosaic rectangle's size unless set apart
    int layerCount(int sceneMask, int layerTypeMask) const;
    bool isValid() const { return m_valid; }
    // Layers whose scene and type are in the masks, in display order (order of addLayer).
    QList<std::weak_ptr<Layer>> layers(int sceneMask, int layerTypeMask) const;
    QList<std::weak_ptr<Layer>> selectedLayers(int layerTypeMask = Enum::Layer::AllLayerType) const;
    std::weak_ptr<Device> owerDevice() const { return m_owner; }
    int getUiScreenIndex() const { return m_uiIndex >= 0 ? m_uiIndex : m_index; }
    void setUiScreenIndex(int index) { m_uiIndex = index; }
    ProtoModel::s_ScreenGeneralBody screenGeneral() const;
    int state() const { return m_state; }

    // Fixture
    void setIndex(int index) { m_index = index; } // also the UI index until setUiScreenIndex
    void setName(const QString& name) { m_name = name; }
    void setMosaicWindowRect(const QRect& rect) { m_mosaicRect = rect; }
    void setMosaicWindowSize(const QSize& size) { m_mosaicSize = size; }
    void setValid(bool valid) { m_valid = valid; }
    void setState(int state) { m_state = state; }
    void addOutput(std::weak_ptr<Output> output);
    void removeOutput(std::weak_ptr<Output> output);
    // Adds a layer (layerId unique per scene); an existing one with that id is replaced (and expires).
    Layer& addLayer(int sceneType, int layerType, quint8 layerId, const QString& name = QString());
    // Adds a cut layer (type Cut) for `fill`, in fill's scene, and links the two both ways; sets
    // fill's cutAndFill and the cut layer's enable flag.
    Layer& addCutLayer(Layer& fill, quint8 cutLayerId, bool enabled = true);
    bool removeLayer(int sceneType, quint8 layerId); // expires the layer
    std::weak_ptr<Layer> findLayer(int sceneType, quint8 layerId) const;
    void clearLayers();

private:
    friend class Device;
    std::weak_ptr<Device> m_owner;
    int m_screenType;
    quint8 m_screenId;
    int m_index = 0;
    int m_uiIndex = -1;
    QString m_name;
    QRect m_mosaicRect;
    QSize m_mosaicSize;
    bool m_valid = true;
    int m_state = 0;
    QList<std::weak_ptr<Output>> m_outputs;
    QList<std::shared_ptr<Layer>> m_layers;
};

class VIREOMODEL_EXPORT MVRScreen : public Screen
{
public:
    using Screen::Screen;
};

// --------------------------------------------------------------------------------------------
// An input or output connector. Every accessor is available on both kinds.
class VIREOMODEL_EXPORT Interface
{
public:
    Interface(std::weak_ptr<Device> owner, quint32 interfaceId, int type, const ProtoModel::s_InterfaceID& fullId,
        int connectorType);
    virtual ~Interface();

    quint32 interfaceId() const { return m_interfaceId; }
    ProtoModel::s_InterfaceID interfaceFullId() const { return m_fullId; }
    Enum::Interface::InterfaceType type() const { return m_type; }
    Enum::Interface::ConnectorType connectorType() const { return m_connectorType; }
    QString connectorTypeName() const; // Helper::connectorTypeName unless set
    QString connectorShortType() const; // Helper::connectorShortType unless set
    QString name() const { return m_name; }
    QString positionName() const; // "S<slot+1>-<connector+1>" unless set
    bool isActive() const { return m_active; }
    bool isOverLoad() const { return m_overLoad; }
    Enum::Interface::CapacityMode capacity() const { return m_capacity; }
    // Measured signal
    QSize getFrameRate() const { return m_frameSize; }
    float getRefreshRate() const { return m_refreshRate; }
    bool actualInterlacing() const { return m_interlacing; }
    // Configured timing
    QSize presetFrameRate() const { return m_presetSize; }
    float presetRefreshRate() const { return m_presetRate; }
    bool presetInterlacing() const { return m_presetInterlacing; }
    // The timing in force: an output's configured rate and interlacing, an input's active size.
    float validRateUnderActive() const { return m_validRate; }
    bool validInterlaced() const { return m_validInterlaced; }
    QSize validSizeUnderActive() const { return m_validSize; }
    Enum::Interface::FormatMapping formatMapping() const { return m_formatMapping; }
    std::weak_ptr<Device> owerDevice() const { return m_owner; }

    // Fixture
    void setName(const QString& name) { m_name = name; }
    void setConnectorTypeName(const QString& name) { m_connectorTypeName = name; }
    void setConnectorShortType(const QString& name) { m_connectorShortType = name; }
    void setPositionName(const QString& name) { m_positionName = name; }
    void setActive(bool active) { m_active = active; }
    void setOverLoad(bool overLoad) { m_overLoad = overLoad; }
    void setCapacity(int capacity) { m_capacity = Enum::Interface::CapacityMode(capacity); }
    // Measured signal; also becomes validSizeUnderActive().
    void setSignal(const QSize& size, float rate, bool interlaced);
    // Configured timing; also becomes validRateUnderActive()/validInterlaced().
    void setPresetTiming(const QSize& size, float rate, bool interlaced);
    void setValidTiming(const QSize& size, float rate, bool interlaced);
    void setFormatMapping(int mapping) { m_formatMapping = Enum::Interface::FormatMapping(mapping); }

private:
    std::weak_ptr<Device> m_owner;
    quint32 m_interfaceId;
    Enum::Interface::InterfaceType m_type;
    ProtoModel::s_InterfaceID m_fullId;
    Enum::Interface::ConnectorType m_connectorType;
    QString m_name;
    QString m_connectorTypeName;
    QString m_connectorShortType;
    QString m_positionName;
    bool m_active = true;
    bool m_overLoad = false;
    Enum::Interface::CapacityMode m_capacity = Enum::Interface::_SL;
    QSize m_frameSize;
    float m_refreshRate = 0.f;
    bool m_interlacing = false;
    QSize m_presetSize;
    float m_presetRate = 0.f;
    bool m_presetInterlacing = false;
    QSize m_validSize;
    float m_validRate = 0.f;
    bool m_validInterlaced = false;
    Enum::Interface::FormatMapping m_formatMapping = Enum::Interface::UnUsed;
};

class VIREOMODEL_EXPORT Input : public Interface
{
public:
    Input(std::weak_ptr<Device> owner, quint32 interfaceId, const ProtoModel::s_InterfaceID& fullId, int connectorType);
    void setPickPoint(const QPoint& point) { m_pickPoint = point; }
    QPoint getPickPoint() const { return m_pickPoint; }

private:
    QPoint m_pickPoint;
};

class VIREOMODEL_EXPORT Output : public Interface
{
public:
    // `type` is one of MainOutput, AUXOutput, MVROutput.
    Output(std::weak_ptr<Device> owner, quint32 interfaceId, int type, const ProtoModel::s_InterfaceID& fullId,
        int connectorType);
};

// --------------------------------------------------------------------------------------------
class VIREOMODEL_EXPORT File
{
public:
    File(std::weak_ptr<Device> owner, int fileType, int fileId, const QString& name);
    virtual ~File();

    QString name() const { return m_name; }
    QSize size() const { return m_size; } // picture size in pixels
    Enum::File::FileType fileType() const { return m_fileType; }
    int fileId() const { return m_fileId; }
    std::weak_ptr<Device> owerDevice() const { return m_owner; }
    quint64 byteSize() const; // stored bytes: set, else width x height x 4

    // Fixture
    void setName(const QString& name) { m_name = name; }
    void setSize(const QSize& size) { m_size = size; }
    void setByteSize(quint64 bytes) { m_byteSize = bytes; }

protected:
    void setFileIdInternal(int id) { m_fileId = id; }

private:
    std::weak_ptr<Device> m_owner;
    Enum::File::FileType m_fileType;
    int m_fileId;
    QString m_name;
    QSize m_size;
    quint64 m_byteSize = 0;
};

// A stored picture (BKG, LOGO, OSD, presets and their thumbnails).
class VIREOMODEL_EXPORT Image : public File
{
public:
    Image(std::weak_ptr<Device> owner, int fileType, int fileId, const QString& name, const QImage& picture);
    QPixmap pixmap() const; // null pixmap when there is no picture or no GUI application
    QImage image() const { return m_image; }
    void setImage(const QImage& picture); // also sets size() when it was empty

private:
    QImage m_image;
};

// A user key: its file id is its key number.
class VIREOMODEL_EXPORT UserKey : public File
{
public:
    UserKey(std::weak_ptr<Device> owner, const s_UserKeyDetail& detail);
    s_UserKeyDetail getUserKeyDetail() const { return m_detail; }
    // Renumbers the key: the record's userKeyId and the file id change together.
    void setUserkeyId(quint8 id);
    // Fixture: replaces the record (name, number and file id follow it).
    void setUserKeyDetail(const s_UserKeyDetail& detail);

private:
    s_UserKeyDetail m_detail;
};

// --------------------------------------------------------------------------------------------
// The processor. Owned by DeviceList (DeviceList::addDevice / Fixture::makeActiveDevice); a QObject
// without parent, so its signals can be blocked with QSignalBlocker.
//
// The change signals below are stand-in conveniences for hosts such as the gallery (the widgets do
// not rely on them). They fire on every fixture change and on live-mode command effects.
class VIREOMODEL_EXPORT Device : public QObject, public std::enable_shared_from_this<Device>
{
    Q_OBJECT
public:
    explicit Device(const QString& name = QString(), QObject* parent = nullptr);
    ~Device() override;

    QString name() const { return m_name; }

    // Collections: everything in the masks, in model order.
    QList<std::weak_ptr<Screen>> screens(int typeMask = Enum::Screen::AllScreenType) const;
    QList<std::weak_ptr<Output>> outputs(int typeMask = Enum::Interface::Output) const;
    QList<std::weak_ptr<File>> files(int fileType) const;
    QList<std::weak_ptr<Input>> inputs() const;
    QList<std::weak_ptr<Input>> validInputs() const; // inputs not hidden with setInputListed(false)

    // Selections (expired entries are left out)
    QList<std::weak_ptr<Input>> selectedInputs() const;
    QList<std::weak_ptr<Output>> selectedOutputs() const;
    QList<std::weak_ptr<Screen>> selectedScreen(const int& typeMask = Enum::Screen::AllScreenType) const;
    std::weak_ptr<Screen> activedScreen() const;
    QList<std::weak_ptr<Screen>> viewingScreen() const;
    bool isMultiScreens() const { return m_multiScreens; }
    void setMultiScreens(bool multi);
    // Adds the screen to the viewing screens (once); with `notify` emits signalScreenSelectionChanged.
    void appendViewingScreen(std::weak_ptr<Screen> screen, bool notify);
    void removeViewingScreen(std::weak_ptr<Screen> screen);
    // Puts every screen's UI index back to its index order.
    bool restoreDefLayout();

    // Look-ups
    std::weak_ptr<Input> findInput(quint32 const& interfaceId) const;
    std::weak_ptr<Output> findOutput(quint32 const& interfaceId) const;
    std::weak_ptr<Screen> findScreen(int type, quint8 number) const;
    std::weak_ptr<File> findFile(int fileType, int fileId) const;
    std::weak_ptr<Screen> findScreenOfUseOutput(std::weak_ptr<Output> output) const;
    std::shared_ptr<const Connector> getConnector(ProtoModel::s_InterfaceID const& id) const; // null: none
    bool subcard(const ProtoModel::s_InterfaceID& id, ProtoModel::s_subcardBody& body) const;
    std::shared_ptr<const SubCard> findSlotById(quint8 slotId) const; // null: empty slot
    std::shared_ptr<const SubCard> slot(int slotId) const; // null: empty slot

    // Tests, capacity, identity
    bool isOnline(ProtoModel::s_InterfaceID const& id) const; // a known interface that was not set offline
    bool isOutputUsed(ProtoModel::s_InterfaceID const& id, QString& screenName) const;
    bool isOutputUsedByScreen(ProtoModel::s_InterfaceID const& id) const; // by a regular screen
    bool isOutputUsedByAUXScreen(ProtoModel::s_InterfaceID const& id) const; // by an AUX screen
    bool isFileNameExist(int fileType, const QString& name) const;
    bool isFileUsed(int fileType, int fileId) const; // some layer shows it (Layer::setUsedFile)
    bool isImageCapacityEnough(int fileType) const; // TRUE WHEN THAT LIBRARY IS FULL (see setImageLimit)
    bool isBKGCapacityEnough(quint64 bytes) const; // true when `bytes` more still fit
    quint64 bkgUsedCapacity() const; // sum of the BKG files' byteSize()
    quint64 bkgTotalCapacity() const { return m_bkgTotal; }
    bool dynamicRangConversion() const { return m_dynamicRangeConversion; }
    quint16 modelId() const { return m_modelId; }
    QString localIp() const { return m_localIp; } // dotted IPv4
    quint16 localCtrlPort() const { return m_localPort; }
    QList<ProtoModel::DeviceClientInfo> clientControlList() const { return m_clients; }
    QString nextUserKeyName() const; // set, else the first free "User Key%03d"
    DeviceConfig deviceConfig() const { return m_config; }
    bool isConnected() const { return m_connected; }
    bool isMasterControl() const { return m_masterControl; }

    // ---- Fixture ------------------------------------------------------------------------
    void setName(const QString& name) { m_name = name; }
    // A screen of that type (MVRScreen makes an MVRScreen); an existing one with that type and
    // number is replaced. Index and UI index start at the number of screens.
    Screen& addScreen(int type, quint8 id, const QString& name = QString());
    bool removeScreen(int type, quint8 id);
    // Inputs and outputs replace one with the same interfaceId, are active and online, and get a
    // connector record (Master, their connector kind) unless one exists for their fullId.
    Input& addInput(quint32 interfaceId, const ProtoModel::s_InterfaceID& fullId, int connectorType,
        const QString& name = QString());
    Output& addOutput(quint32 interfaceId, int outputType, const ProtoModel::s_InterfaceID& fullId, int connectorType,
        const QString& name = QString());
    bool removeInput(quint32 interfaceId);
    bool removeOutput(quint32 interfaceId);
    void setInputListed(quint32 interfaceId, bool listed); // hidden inputs are left out of validInputs()
    // Files replace one with the same type and id; files(type) lists them by ascending id.
    File& addFile(int fileType, int fileId, const QString& name);
    Image& addImage(int fileType, int fileId, const QString& name, const QImage& picture);
    UserKey& addUserKey(const s_UserKeyDetail& detail); // fileId = detail.userKeyId
    bool removeFile(int fileType, int fileId);
    int removeFiles(int fileType); // returns how many went
    void setConnector(const ProtoModel::s_InterfaceID& id, int workMode, int connectorType);
    void removeConnector(const ProtoModel::s_InterfaceID& id);
    void addSubCard(quint8 slotId, quint16 modelId, int connectorCount = 4);
    void removeSubCard(quint8 slotId);
    void setOnline(const ProtoModel::s_InterfaceID& id, bool online);
    void setSelectedInputs(const QList<std::weak_ptr<Input>>& inputs);
    void setSelectedOutputs(const QList<std::weak_ptr<Output>>& outputs);
    void setSelectedScreens(const QList<std::weak_ptr<Screen>>& screens);
    void setActivedScreen(std::weak_ptr<Screen> screen);
    void setViewingScreens(const QList<std::weak_ptr<Screen>>& screens);
    // isImageCapacityEnough(type) is true once the files of that type reach `maxCount` (default 32).
    void setImageLimit(int fileType, int maxCount);
    void setBKGTotalCapacity(quint64 bytes) { m_bkgTotal = bytes; } // default 256 MiB
    void setDynamicRangConversion(bool on) { m_dynamicRangeConversion = on; }
    void setModelId(quint16 id) { m_modelId = id; }
    void setLocalAddress(const QString& ip, quint16 port);
    void setClientControlList(const QList<ProtoModel::DeviceClientInfo>& clients) { m_clients = clients; }
    void setNextUserKeyName(const QString& name) { m_nextUserKeyName = name; }
    void setDeviceConfig(const DeviceConfig& config) { m_config = config; }
    void setConnected(bool on) { m_connected = on; }
    void setMasterControl(bool on) { m_masterControl = on; }

signals:
    void signalScreensChanged(); // added, removed, renamed, reordered
    void signalScreenSelectionChanged(); // selection, active or viewing screens
    void signalLayersChanged(std::weak_ptr<Vireo::BizModel::Screen> screen);
    void signalLayerSelectionChanged(std::weak_ptr<Vireo::BizModel::Screen> screen);
    void signalInterfacesChanged(); // inputs/outputs added or removed
    void signalFilesChanged(int fileType);

private:
    friend class Screen;
    QString m_name;
    QList<std::shared_ptr<Screen>> m_screens;
    QList<std::shared_ptr<Input>> m_inputs;
    QList<std::shared_ptr<Output>> m_outputs;
    QList<std::shared_ptr<File>> m_files;
    QSet<quint32> m_hiddenInputs;
    mutable QList<std::weak_ptr<Input>> m_validInputs; // validInputs() as last built
    mutable bool m_bValidInputsStale = true;
    QHash<ProtoModel::s_InterfaceID, std::shared_ptr<const Connector>> m_connectors;
    QList<std::shared_ptr<const SubCard>> m_subCards;
    QList<ProtoModel::s_InterfaceID> m_offline;
    QList<std::weak_ptr<Input>> m_selectedInputs;
    QList<std::weak_ptr<Output>> m_selectedOutputs;
    QList<std::weak_ptr<Screen>> m_selectedScreens;
    std::weak_ptr<Screen> m_activedScreen;
    QList<std::weak_ptr<Screen>> m_viewingScreens;
    bool m_multiScreens = false;
    QList<QPair<int, int>> m_imageLimits;
    quint64 m_bkgTotal = 256ull * 1024 * 1024;
    bool m_dynamicRangeConversion = true;
    quint16 m_modelId = 0x1001;
    QString m_localIp = QStringLiteral("192.168.0.100");
    quint16 m_localPort = 5000;
    QList<ProtoModel::DeviceClientInfo> m_clients;
    QString m_nextUserKeyName;
    DeviceConfig m_config;
    bool m_connected = true;
    bool m_masterControl = true;
};

} // namespace Vireo::BizModel

Q_DECLARE_METATYPE(std::weak_ptr<Vireo::BizModel::Device>)
Q_DECLARE_METATYPE(std::weak_ptr<Vireo::BizModel::Screen>)
Q_DECLARE_METATYPE(std::weak_ptr<Vireo::BizModel::Layer>)
Q_DECLARE_METATYPE(std::weak_ptr<Vireo::BizModel::Input>)
Q_DECLARE_METATYPE(std::weak_ptr<Vireo::BizModel::Output>)
Q_DECLARE_METATYPE(std::weak_ptr<Vireo::BizModel::Interface>)
Q_DECLARE_METATYPE(std::weak_ptr<Vireo::BizModel::File>)
Q_DECLARE_METATYPE(Vireo::BizModel::s_UserKeyDetail)
Q_DECLARE_METATYPE(std::weak_ptr<Vireo::BizModel::Image>)
