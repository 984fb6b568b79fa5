#include <vireomodel/bizmodel.h>
#include <vireomodel/helper.h>

#include <QGuiApplication>

#include <algorithm>
#include <limits>

namespace Vireo::BizModel {

namespace {

template <typename T>
QList<std::weak_ptr<T>> liveOnly(const QList<std::weak_ptr<T>>& list)
{
    QList<std::weak_ptr<T>> out;
    out.reserve(list.size());
    for (const auto& w : list) {
        if (!w.expired())
            out.append(w);
    }
    return out;
}

template <typename T, typename U>
bool sameObject(const std::weak_ptr<T>& a, const std::weak_ptr<U>& b)
{
    return !a.owner_before(b) && !b.owner_before(a);
}

template <typename T>
void appendOnce(QList<std::weak_ptr<T>>& list, const std::weak_ptr<T>& item)
{
    if (item.expired())
        return;
    for (const auto& w : list) {
        if (sameObject(w, item))
            return;
    }
    list.append(item);
}

} // namespace

// ---- Layer ------------------------------------------------------------------------------------

Layer::Layer(std::weak_ptr<Screen> owner, int sceneType, int layerType, quint8 layerId)
    : m_owner(std::move(owner))
    , m_sceneType(Enum::Layer::SceneType(sceneType))
    , m_layerType(Enum::Layer::LayerType(layerType))
    , m_layerId(layerId)
{ }

Layer::~Layer() = default;

ProtoModel::Layer::s_LayerFullDetail Layer::layerDetail() const
{
    ProtoModel::Layer::s_LayerFullDetail detail = m_detail;
    if (auto screen = m_owner.lock())
        detail.layerIdenti.screen = screen->screenIdentity();
    detail.layerIdenti.layerId = m_layerId;
    detail.layerIdenti.layerType = m_layerType;
    detail.layerIdenti.sceneType = m_sceneType;
    detail.cutFill.cutAndFill = m_cutAndFill;
    detail.cutFill.cutLayerEnable = m_cutLayerEnable;
    if (auto cut = m_cutLayer.lock())
        detail.cutFill.cutLayerId = cut->layerId();
    if (auto fill = m_fillLayer.lock())
        detail.cutFill.fillLayerId = fill->layerId();
    detail.selected = m_selected;
    detail.general.name = m_name.toStdString();
    return detail;
}

// ---- Screen -----------------------------------------------------------------------------------

Screen::Screen(std::weak_ptr<Device> owner, int screenType, quint8 screenId)
    : m_owner(std::move(owner))
    , m_screenType(screenType)
    , m_screenId(screenId)
{ }

Screen::~Screen() = default;

ProtoModel::s_ScreenId Screen::screenIdentity() const
{
    ProtoModel::s_ScreenId id;
    id.screenId = m_screenId;
    id.screenType = m_screenType;
    return id;
}

QList<std::weak_ptr<Output>> Screen::outputs() const
{
    return liveOnly(m_outputs);
}

QSize Screen::mosaicWindowSize() const
{
    return m_mosaicSize.isValid() ? m_mosaicSize : m_mosaicRect.size();
}

int Screen::layerCount(int sceneMask, int layerTypeMask) const
{
    int count = 0;
    for (const auto& layer : m_layers) {
        if ((layer->sceneType() & sceneMask) && (layer->layerType() & layerTypeMask))
            ++count;
    }
    return count;
}

QList<std::weak_ptr<Layer>> Screen::layers(int sceneMask, int layerTypeMask) const
{
    QList<std::weak_ptr<Layer>> out;
    out.reserve(m_layers.size());
    for (const auto& layer : m_layers) {
        if ((layer->sceneType() & sceneMask) && (layer->layerType() & layerTypeMask))
            out.append(layer);
    }
    return out;
}

QList<std::weak_ptr<Layer>> Screen::selectedLayers(int layerTypeMask) const
{
    QList<std::weak_ptr<Layer>> out;
    for (const auto& layer : m_layers) {
        if (layer->isSelected() && (layer->layerType() & layerTypeMask))
            out.append(layer);
    }
    return out;
}

ProtoModel::s_ScreenGeneralBody Screen::screenGeneral() const
{
    ProtoModel::s_ScreenGeneralBody body;
    body.screenId = m_screenId;
    body.screenType = m_screenType;
    body.index = getUiScreenIndex();
    body.name = m_name.toStdString();
    return body;
}

void Screen::addOutput(std::weak_ptr<Output> output)
{
    appendOnce(m_outputs, output);
    if (auto device = m_owner.lock())
        emit device->signalScreensChanged();
}

void Screen::removeOutput(std::weak_ptr<Output> output)
{
    for (int i = m_outputs.size() - 1; i >= 0; --i) {
        if (sameObject(m_outputs.at(i), output))
            m_outputs.removeAt(i);
    }
    if (auto device = m_owner.lock())
        emit device->signalScreensChanged();
}

Layer& Screen::addLayer(int sceneType, int layerType, quint8 layerId, const QString& name)
{
    auto layer = std::make_shared<Layer>(weak_from_this(), sceneType, layerType, layerId);
    layer->setName(name.isEmpty() ? QStringLiteral("Layer %1").arg(layerId) : name);
    bool replaced = false;
    for (auto& existing : m_layers) {
        if (existing->sceneType() == sceneType && existing->layerId() == layerId) {
            existing = layer;
            replaced = true;
            break;
        }
    }
    if (!replaced)
        m_layers.append(layer);
    if (auto device = m_owner.lock())
        emit device->signalLayersChanged(weak_from_this());
    return *layer;
}

Layer& Screen::addCutLayer(Layer& fill, quint8 cutLayerId, bool enabled)
{
    Layer& cut = addLayer(fill.sceneType(), Enum::Layer::Cut, cutLayerId, QStringLiteral("Cut %1").arg(fill.name()));
    std::shared_ptr<Layer> fillPtr;
    std::shared_ptr<Layer> cutPtr;
    for (const auto& layer : m_layers) {
        if (layer.get() == &fill)
            fillPtr = layer;
        if (layer.get() == &cut)
            cutPtr = layer;
    }
    if (!fillPtr || !cutPtr) {
        qWarning("addCutLayer: the fill layer does not belong to this screen; the cut layer stays unlinked.");
        return cut;
    }
    fillPtr->m_cutLayer = cutPtr;
    fillPtr->m_cutAndFill = true;
    fillPtr->m_cutLayerEnable = enabled;
    cutPtr->m_fillLayer = fillPtr;
    cutPtr->m_cutLayerEnable = enabled;
    return cut;
}

bool Screen::removeLayer(int sceneType, quint8 layerId)
{
    for (int i = 0; i < m_layers.size(); ++i) {
        const auto layer = m_layers.at(i);
        if (layer->sceneType() != sceneType || layer->layerId() != layerId)
            continue;
        m_layers.removeAt(i);
        // A fill layer takes its cut layer with it, as on the device.
        if (auto cut = layer->cutLayer().lock()) {
            for (int j = 0; j < m_layers.size(); ++j) {
                if (m_layers.at(j) == cut) {
                    m_layers.removeAt(j);
                    break;
                }
            }
        }
        if (auto fill = layer->fillLayer().lock())
            fill->m_cutAndFill = false;
        if (auto device = m_owner.lock())
            emit device->signalLayersChanged(weak_from_this());
        return true;
    }
    return false;
}

std::weak_ptr<Layer> Screen::findLayer(int sceneType, quint8 layerId) const
{
    for (const auto& layer : m_layers) {
        if (layer->sceneType() == sceneType && layer->layerId() == layerId)
            return layer;
    }
    return {};
}

void Screen::clearLayers()
{
    m_layers.clear();
    if (auto device = m_owner.lock())
        emit device->signalLayersChanged(weak_from_this());
}

// ---- Interface --------------------------------------------------------------------------------

Interface::Interface(std::weak_ptr<Device> owner, quint32 interfaceId, int type,
    const ProtoModel::s_InterfaceID& fullId, int connectorType)
    : m_owner(std::move(owner))
    , m_interfaceId(interfaceId)
    , m_type(Enum::Interface::InterfaceType(type))
    , m_fullId(fullId)
    , m_connectorType(Enum::Interface::ConnectorType(connectorType))
{ }

Interface::~Interface() = default;

QString Interface::connectorTypeName() const
{
    return m_connectorTypeName.isEmpty() ? Helper::connectorTypeName(m_connectorType) : m_connectorTypeName;
}

QString Interface::connectorShortType() const
{
    return m_connectorShortType.isEmpty() ? Helper::connectorShortType(m_connectorType) : m_connectorShortType;
}

QString Interface::positionName() const
{
    if (!m_positionName.isEmpty())
        return m_positionName;
    return QStringLiteral("S%1-%2").arg(m_fullId.slotId + 1).arg(m_fullId.connectorId + 1);
}

void Interface::setSignal(const QSize& size, float rate, bool interlaced)
{
    m_frameSize = size;
    m_refreshRate = rate;
    m_interlacing = interlaced;
    m_validSize = size;
}

void Interface::setPresetTiming(const QSize& size, float rate, bool interlaced)
{
    m_presetSize = size;
    m_presetRate = rate;
    m_presetInterlacing = interlaced;
    m_validRate = rate;
    m_validInterlaced = interlaced;
}

void Interface::setValidTiming(const QSize& size, float rate, bool interlaced)
{
    m_validSize = size;
    m_validRate = rate;
    m_validInterlaced = interlaced;
}

Input::Input(
    std::weak_ptr<Device> owner, quint32 interfaceId, const ProtoModel::s_InterfaceID& fullId, int connectorType)
    : Interface(std::move(owner), interfaceId, Enum::Interface::Input, fullId, connectorType)
{ }

Output::Output(std::weak_ptr<Device> owner, quint32 interfaceId, int type, const ProtoModel::s_InterfaceID& fullId,
    int connectorType)
    : Interface(std::move(owner), interfaceId, type, fullId, connectorType)
{ }

// ---- File -------------------------------------------------------------------------------------

File::File(std::weak_ptr<Device> owner, int fileType, int fileId, const QString& name)
    : m_owner(std::move(owner))
    , m_fileType(Enum::File::FileType(fileType))
    , m_fileId(fileId)
    , m_name(name)
{ }

File::~File() = default;

quint64 File::byteSize() const
{
    if (m_byteSize > 0)
        return m_byteSize;
    if (m_size.width() <= 0 || m_size.height() <= 0)
        return 0;
    return quint64(m_size.width()) * quint64(m_size.height()) * 4u;
}

Image::Image(std::weak_ptr<Device> owner, int fileType, int fileId, const QString& name, const QImage& picture)
    : File(std::move(owner), fileType, fileId, name)
{
    setImage(picture);
}

QPixmap Image::pixmap() const
{
    // QPixmap needs a GUI application; without one the picture is simply absent.
    if (m_image.isNull() || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QPixmap();
    return QPixmap::fromImage(m_image);
}

void Image::setImage(const QImage& picture)
{
    m_image = picture;
    if (!size().isValid() || size().isEmpty())
        setSize(picture.size());
}

UserKey::UserKey(std::weak_ptr<Device> owner, const s_UserKeyDetail& detail)
    : File(std::move(owner), Enum::File::UserKeyFile, detail.userKeyId, QString::fromStdString(detail.name))
    , m_detail(detail)
{ }

void UserKey::setUserkeyId(quint8 id)
{
    m_detail.userKeyId = id;
    setFileIdInternal(id);
}

void UserKey::setUserKeyDetail(const s_UserKeyDetail& detail)
{
    m_detail = detail;
    setFileIdInternal(detail.userKeyId);
    setName(QString::fromStdString(detail.name));
}

// ---- Device -----------------------------------------------------------------------------------

Device::Device(const QString& name, QObject* parent)
    : QObject(parent)
    , m_name(name)
{ }

Device::~Device() = default;

QList<std::weak_ptr<Screen>> Device::screens(int typeMask) const
{
    QList<std::weak_ptr<Screen>> out;
    out.reserve(m_screens.size());
    for (const auto& screen : m_screens) {
        if (screen->screenType() & typeMask)
            out.append(screen);
    }
    return out;
}

QList<std::weak_ptr<Output>> Device::outputs(int typeMask) const
{
    QList<std::weak_ptr<Output>> out;
    for (const auto& output : m_outputs) {
        if (output->type() & typeMask)
            out.append(output);
    }
    return out;
}

QList<std::weak_ptr<File>> Device::files(int fileType) const
{
    QList<std::shared_ptr<File>> matching;
    for (const auto& file : m_files) {
        if (file->fileType() == fileType)
            matching.append(file);
    }
    std::stable_sort(
        matching.begin(), matching.end(), [](const auto& a, const auto& b) { return a->fileId() < b->fileId(); });
    QList<std::weak_ptr<File>> out;
    out.reserve(matching.size());
    for (const auto& file : matching)
        out.append(file);
    return out;
}

QList<std::weak_ptr<Input>> Device::inputs() const
{
    QList<std::weak_ptr<Input>> out;
    for (const auto& input : m_inputs)
        out.append(input);
    return out;
}

// Lists ask for the valid inputs at every rebuild; the answer is kept (shared with the callers)
// until an input is added, removed, hidden or shown again.
QList<std::weak_ptr<Input>> Device::validInputs() const
{
    if (m_bValidInputsStale) {
        m_validInputs.clear();
        m_validInputs.reserve(m_inputs.size());
        for (const auto& input : m_inputs) {
            if (!m_hiddenInputs.contains(input->interfaceId()))
                m_validInputs.append(input);
        }
        m_bValidInputsStale = false;
    }
    return m_validInputs;
}

QList<std::weak_ptr<Input>> Device::selectedInputs() const
{
    return liveOnly(m_selectedInputs);
}

QList<std::weak_ptr<Output>> Device::selectedOutputs() const
{
    return liveOnly(m_selectedOutputs);
}

QList<std::weak_ptr<Screen>> Device::selectedScreen(const int& typeMask) const
{
    QList<std::weak_ptr<Screen>> out;
    for (const auto& w : m_selectedScreens) {
        if (auto screen = w.lock()) {
            if (screen->screenType() & typeMask)
                out.append(w);
        }
    }
    return out;
}

std::weak_ptr<Screen> Device::activedScreen() const
{
    return m_activedScreen;
}

QList<std::weak_ptr<Screen>> Device::viewingScreen() const
{
    return liveOnly(m_viewingScreens);
}

void Device::setMultiScreens(bool multi)
{
    if (m_multiScreens == multi)
        return;
    m_multiScreens = multi;
    emit signalScreenSelectionChanged();
}

void Device::appendViewingScreen(std::weak_ptr<Screen> screen, bool notify)
{
    auto s = screen.lock();
    if (!s || s->owerDevice().lock().get() != this)
        return;
    appendOnce(m_viewingScreens, screen);
    if (notify)
        emit signalScreenSelectionChanged();
}

void Device::removeViewingScreen(std::weak_ptr<Screen> screen)
{
    for (int i = m_viewingScreens.size() - 1; i >= 0; --i) {
        if (sameObject(m_viewingScreens.at(i), screen))
            m_viewingScreens.removeAt(i);
    }
    emit signalScreenSelectionChanged();
}

bool Device::restoreDefLayout()
{
    for (const auto& screen : m_screens)
        screen->m_uiIndex = -1;
    emit signalScreensChanged();
    return true;
}

std::weak_ptr<Input> Device::findInput(quint32 const& interfaceId) const
{
    for (const auto& input : m_inputs) {
        if (input->interfaceId() == interfaceId)
            return input;
    }
    return {};
}

std::weak_ptr<Output> Device::findOutput(quint32 const& interfaceId) const
{
    for (const auto& output : m_outputs) {
        if (output->interfaceId() == interfaceId)
            return output;
    }
    return {};
}

std::weak_ptr<Screen> Device::findScreen(int type, quint8 number) const
{
    for (const auto& screen : m_screens) {
        if (screen->screenType() == type && screen->screenId() == number)
            return screen;
    }
    return {};
}

std::weak_ptr<File> Device::findFile(int fileType, int fileId) const
{
    for (const auto& file : m_files) {
        if (file->fileType() == fileType && file->fileId() == fileId)
            return file;
    }
    return {};
}

std::weak_ptr<Screen> Device::findScreenOfUseOutput(std::weak_ptr<Output> output) const
{
    if (output.expired())
        return {};
    for (const auto& screen : m_screens) {
        for (const auto& w : screen->m_outputs) {
            if (sameObject(w, output))
                return screen;
        }
    }
    return {};
}

std::shared_ptr<const Connector> Device::getConnector(ProtoModel::s_InterfaceID const& id) const
{
    return m_connectors.value(id);
}

bool Device::subcard(const ProtoModel::s_InterfaceID& id, ProtoModel::s_subcardBody& body) const
{
    if (id.slotId < 0 || id.slotId > std::numeric_limits<quint8>::max())
        return false;
    if (auto card = findSlotById(quint8(id.slotId))) {
        body = card->body();
        return true;
    }
    return false;
}

std::shared_ptr<const SubCard> Device::findSlotById(quint8 slotId) const
{
    for (const auto& card : m_subCards) {
        if (card->slotId() == slotId)
            return card;
    }
    return nullptr;
}

std::shared_ptr<const SubCard> Device::slot(int slotId) const
{
    if (slotId < 0 || slotId > std::numeric_limits<quint8>::max())
        return nullptr;
    return findSlotById(quint8(slotId));
}

bool Device::isOnline(ProtoModel::s_InterfaceID const& id) const
{
    if (m_offline.contains(id))
        return false;
    for (const auto& output : m_outputs) {
        if (output->interfaceFullId() == id)
            return true;
    }
    for (const auto& input : m_inputs) {
        if (input->interfaceFullId() == id)
            return true;
    }
    return false;
}

namespace {
template <typename Screens>
std::shared_ptr<Screen> screenUsing(const Screens& screens, const ProtoModel::s_InterfaceID& id, int typeMask)
{
    for (const auto& screen : screens) {
        if (!(screen->screenType() & typeMask))
            continue;
        for (const auto& w : screen->outputs()) {
            if (auto output = w.lock()) {
                if (output->interfaceFullId() == id)
                    return screen;
            }
        }
    }
    return nullptr;
}
} // namespace

bool Device::isOutputUsed(ProtoModel::s_InterfaceID const& id, QString& screenName) const
{
    if (auto screen = screenUsing(m_screens, id, Enum::Screen::AllScreenType)) {
        screenName = screen->name();
        return true;
    }
    return false;
}

bool Device::isOutputUsedByScreen(ProtoModel::s_InterfaceID const& id) const
{
    return screenUsing(m_screens, id, Enum::Screen::RegularScreen) != nullptr;
}

bool Device::isOutputUsedByAUXScreen(ProtoModel::s_InterfaceID const& id) const
{
    return screenUsing(m_screens, id, Enum::Screen::AUXScreen) != nullptr;
}

bool Device::isFileNameExist(int fileType, const QString& name) const
{
    for (const auto& file : m_files) {
        if (file->fileType() == fileType && file->name() == name)
            return true;
    }
    return false;
}

bool Device::isFileUsed(int fileType, int fileId) const
{
    for (const auto& screen : m_screens) {
        for (const auto& layer : screen->m_layers) {
            if (layer->usedFileType() == fileType && layer->usedFileId() == fileId)
                return true;
        }
    }
    return false;
}

bool Device::isImageCapacityEnough(int fileType) const
{
    int limit = 32;
    for (const auto& entry : m_imageLimits) {
        if (entry.first == fileType)
            limit = entry.second;
    }
    int count = 0;
    for (const auto& file : m_files) {
        if (file->fileType() == fileType)
            ++count;
    }
    return count >= limit;
}

bool Device::isBKGCapacityEnough(quint64 bytes) const
{
    const quint64 used = bkgUsedCapacity();
    return used <= m_bkgTotal && bytes <= m_bkgTotal - used;
}

quint64 Device::bkgUsedCapacity() const
{
    quint64 used = 0;
    for (const auto& file : m_files) {
        if (file->fileType() == Enum::File::BKG)
            used += file->byteSize();
    }
    return used;
}

QString Device::nextUserKeyName() const
{
    if (!m_nextUserKeyName.isEmpty())
        return m_nextUserKeyName;
    for (int n = 1; n < 1000; ++n) {
        const QString name = QStringLiteral("User Key%1").arg(n, 3, 10, QLatin1Char('0'));
        if (!isFileNameExist(Enum::File::UserKeyFile, name))
            return name;
    }
    return QStringLiteral("User Key");
}

Screen& Device::addScreen(int type, quint8 id, const QString& name)
{
    std::shared_ptr<Screen> screen;
    if (type == Enum::Screen::MVRScreen)
        screen = std::make_shared<MVRScreen>(weak_from_this(), type, id);
    else
        screen = std::make_shared<Screen>(weak_from_this(), type, id);
    screen->setName(name.isEmpty() ? QStringLiteral("Screen %1").arg(id) : name);
    bool replaced = false;
    for (auto& existing : m_screens) {
        if (existing->screenType() == type && existing->screenId() == id) {
            screen->setIndex(existing->index());
            existing = screen;
            replaced = true;
            break;
        }
    }
    if (!replaced) {
        screen->setIndex(m_screens.size());
        m_screens.append(screen);
    }
    emit signalScreensChanged();
    return *screen;
}

bool Device::removeScreen(int type, quint8 id)
{
    for (int i = 0; i < m_screens.size(); ++i) {
        if (m_screens.at(i)->screenType() == type && m_screens.at(i)->screenId() == id) {
            m_screens.removeAt(i);
            emit signalScreensChanged();
            return true;
        }
    }
    return false;
}

namespace {
template <typename T>
void replaceOrAppend(QList<std::shared_ptr<T>>& list, const std::shared_ptr<T>& item)
{
    for (auto& existing : list) {
        if (existing->interfaceId() == item->interfaceId()) {
            existing = item;
            return;
        }
    }
    list.append(item);
}
} // namespace

Input& Device::addInput(
    quint32 interfaceId, const ProtoModel::s_InterfaceID& fullId, int connectorType, const QString& name)
{
    auto input = std::make_shared<Input>(weak_from_this(), interfaceId, fullId, connectorType);
    input->setName(name.isEmpty() ? QStringLiteral("Input %1").arg(qulonglong(interfaceId) + 1) : name);
    replaceOrAppend(m_inputs, input);
    m_bValidInputsStale = true;
    if (!getConnector(fullId))
        setConnector(fullId, Enum::Interface::Master, connectorType);
    emit signalInterfacesChanged();
    return *input;
}

Output& Device::addOutput(quint32 interfaceId, int outputType, const ProtoModel::s_InterfaceID& fullId,
    int connectorType, const QString& name)
{
    auto output = std::make_shared<Output>(weak_from_this(), interfaceId, outputType, fullId, connectorType);
    output->setName(name.isEmpty() ? QStringLiteral("Output %1").arg(qulonglong(interfaceId) + 1) : name);
    replaceOrAppend(m_outputs, output);
    if (!getConnector(fullId))
        setConnector(fullId, Enum::Interface::Master, connectorType);
    emit signalInterfacesChanged();
    return *output;
}

bool Device::removeInput(quint32 interfaceId)
{
    for (int i = 0; i < m_inputs.size(); ++i) {
        if (m_inputs.at(i)->interfaceId() == interfaceId) {
            m_inputs.removeAt(i);
            m_bValidInputsStale = true;
            emit signalInterfacesChanged();
            return true;
        }
    }
    return false;
}

bool Device::removeOutput(quint32 interfaceId)
{
    for (int i = 0; i < m_outputs.size(); ++i) {
        if (m_outputs.at(i)->interfaceId() == interfaceId) {
            m_outputs.removeAt(i);
            emit signalInterfacesChanged();
            return true;
        }
    }
    return false;
}

void Device::setInputListed(quint32 interfaceId, bool listed)
{
    m_hiddenInputs.remove(interfaceId);
    m_bValidInputsStale = true;
    if (!listed)
        m_hiddenInputs.insert(interfaceId);
    emit signalInterfacesChanged();
}

namespace {
void replaceOrAppendFile(QList<std::shared_ptr<File>>& list, const std::shared_ptr<File>& item)
{
    for (auto& existing : list) {
        if (existing->fileType() == item->fileType() && existing->fileId() == item->fileId()) {
            existing = item;
            return;
        }
    }
    list.append(item);
}
} // namespace

File& Device::addFile(int fileType, int fileId, const QString& name)
{
    auto file = std::make_shared<File>(weak_from_this(), fileType, fileId, name);
    replaceOrAppendFile(m_files, file);
    emit signalFilesChanged(fileType);
    return *file;
}

Image& Device::addImage(int fileType, int fileId, const QString& name, const QImage& picture)
{
    auto image = std::make_shared<Image>(weak_from_this(), fileType, fileId, name, picture);
    replaceOrAppendFile(m_files, image);
    emit signalFilesChanged(fileType);
    return *image;
}

UserKey& Device::addUserKey(const s_UserKeyDetail& detail)
{
    auto key = std::make_shared<UserKey>(weak_from_this(), detail);
    replaceOrAppendFile(m_files, key);
    emit signalFilesChanged(Enum::File::UserKeyFile);
    return *key;
}

bool Device::removeFile(int fileType, int fileId)
{
    for (int i = 0; i < m_files.size(); ++i) {
        if (m_files.at(i)->fileType() == fileType && m_files.at(i)->fileId() == fileId) {
            m_files.removeAt(i);
            emit signalFilesChanged(fileType);
            return true;
        }
    }
    return false;
}

int Device::removeFiles(int fileType)
{
    const int before = m_files.size();
    m_files.erase(std::remove_if(m_files.begin(), m_files.end(),
                      [fileType](const auto& file) { return file->fileType() == fileType; }),
        m_files.end());
    const int removed = before - m_files.size();
    if (removed > 0)
        emit signalFilesChanged(fileType);
    return removed;
}

void Device::setConnector(const ProtoModel::s_InterfaceID& id, int workMode, int connectorType)
{
    auto connector = std::make_shared<Connector>();
    connector->interfaceId = id;
    connector->workMode = Enum::Interface::WorkMode(workMode);
    connector->type = Enum::Interface::ConnectorType(connectorType);
    m_connectors.insert(id, connector);
}

void Device::removeConnector(const ProtoModel::s_InterfaceID& id)
{
    m_connectors.remove(id);
}

void Device::addSubCard(quint8 slotId, quint16 modelId, int connectorCount)
{
    ProtoModel::s_subcardBody body;
    body.slotId = slotId;
    body.modelId = modelId;
    body.connectorCount = connectorCount;
    removeSubCard(slotId);
    m_subCards.append(std::make_shared<const SubCard>(body));
}

void Device::removeSubCard(quint8 slotId)
{
    m_subCards.erase(
        std::remove_if(m_subCards.begin(), m_subCards.end(), [slotId](const auto& c) { return c->slotId() == slotId; }),
        m_subCards.end());
}

void Device::setOnline(const ProtoModel::s_InterfaceID& id, bool online)
{
    m_offline.removeAll(id);
    if (!online)
        m_offline.append(id);
    emit signalInterfacesChanged();
}

void Device::setSelectedInputs(const QList<std::weak_ptr<Input>>& inputs)
{
    m_selectedInputs = inputs;
}

void Device::setSelectedOutputs(const QList<std::weak_ptr<Output>>& outputs)
{
    m_selectedOutputs = outputs;
}

void Device::setSelectedScreens(const QList<std::weak_ptr<Screen>>& screens)
{
    m_selectedScreens.clear();
    for (const auto& s : screens)
        appendOnce(m_selectedScreens, s);
    emit signalScreenSelectionChanged();
}

void Device::setActivedScreen(std::weak_ptr<Screen> screen)
{
    m_activedScreen = screen;
    emit signalScreenSelectionChanged();
}

void Device::setViewingScreens(const QList<std::weak_ptr<Screen>>& screens)
{
    m_viewingScreens.clear();
    for (const auto& s : screens)
        appendOnce(m_viewingScreens, s);
    emit signalScreenSelectionChanged();
}

void Device::setImageLimit(int fileType, int maxCount)
{
    for (auto& entry : m_imageLimits) {
        if (entry.first == fileType) {
            entry.second = maxCount;
            return;
        }
    }
    m_imageLimits.append({fileType, maxCount});
}

void Device::setLocalAddress(const QString& ip, quint16 port)
{
    m_localIp = ip;
    m_localPort = port;
}

} // namespace Vireo::BizModel
