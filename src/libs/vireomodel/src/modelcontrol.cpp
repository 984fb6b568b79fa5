#include "fixture_p.h"

#include <vireomodel/devicelist.h>
#include <vireomodel/modelcontrol.h>

namespace Vireo::ModelControl {

namespace {

using BizModel::Enum::SelectedType;

bool live()
{
    return Fixture::Internal::state().live;
}

QVariantList screenIds(const QList<std::weak_ptr<BizModel::Screen>>& screens)
{
    QVariantList ids;
    for (const auto& w : screens) {
        auto screen = w.lock();
        ids.append(screen ? int(screen->screenId()) : -1);
    }
    return ids;
}

QVariantList generalRecords(const QList<ProtoModel::s_ScreenGeneralBody>& records)
{
    QVariantList out;
    for (const auto& r : records)
        out.append(QVariant(QVariantList {int(r.screenId), r.screenType, r.index}));
    return out;
}

QVariantList userKeyArgs(const BizModel::s_UserKeyDetail& detail)
{
    return {int(detail.userKeyId), QString::fromStdString(detail.name), detail.userKeyColor};
}

// Removes a file the way the device reports it: gone from the model first, then announced while the
// announcement can still read it, then expired.
void removeAndAnnounce(const std::shared_ptr<BizModel::Device>& device, int fileType, int fileId)
{
    std::shared_ptr<BizModel::File> file = device->findFile(fileType, fileId).lock();
    if (!file)
        return;
    device->removeFile(fileType, fileId);
    if (fileType == BizModel::Enum::File::UserKeyFile)
        emit BizModel::DeviceList::instance()->signalDeleteUserKey(device, file);
}

void sendKey(const std::weak_ptr<BizModel::Device>& weakDevice, const BizModel::s_UserKeyDetail& detail, bool modify)
{
    auto device = weakDevice.lock();
    if (!device)
        return;
    auto existing = std::dynamic_pointer_cast<BizModel::UserKey>(
        device->findFile(BizModel::Enum::File::UserKeyFile, detail.userKeyId).lock());
    if (existing) {
        existing->setUserKeyDetail(detail);
        emit device->signalFilesChanged(BizModel::Enum::File::UserKeyFile);
        emit BizModel::DeviceList::instance()->signalModifyUserKeyChanged(device, existing);
        return;
    }
    device->addUserKey(detail);
    std::weak_ptr<BizModel::File> added = device->findFile(BizModel::Enum::File::UserKeyFile, detail.userKeyId);
    if (modify)
        emit BizModel::DeviceList::instance()->signalModifyUserKeyChanged(device, added);
    else
        emit BizModel::DeviceList::instance()->signalUserKeyChanged(device, added);
}

} // namespace

// ---- Device -----------------------------------------------------------------------------------

Device::Device(std::weak_ptr<BizModel::Device> device)
    : m_device(std::move(device))
{ }

bool Device::refreshDeviceChannel()
{
    const bool ok = Fixture::logCommand(QStringLiteral("Device::refreshDeviceChannel"), {});
    return ok && !m_device.expired();
}

bool Device::removeFile(const QList<BizModel::Enum::File::FileType>& types, QString& error)
{
    QVariantList typeArgs;
    for (auto type : types)
        typeArgs.append(int(type));
    QString errorText;
    bool ok = Fixture::logCommand(QStringLiteral("Device::removeFile"), {QVariant(typeArgs)}, &errorText);
    auto device = m_device.lock();
    if (ok && !device) {
        ok = false;
        errorText = QStringLiteral("The device is not available.");
    }
    error = errorText;
    if (ok && live()) {
        bool userKeys = false;
        for (auto type : types) {
            device->removeFiles(type);
            userKeys = userKeys || type == BizModel::Enum::File::UserKeyFile;
        }
        if (userKeys)
            emit BizModel::DeviceList::instance()->signalClearUserKey();
    }
    return ok;
}

std::shared_ptr<Screen> Device::screenModelControl(
    BizModel::Enum::Screen::ScreenType type, std::weak_ptr<BizModel::Device> device)
{
    return std::make_shared<Screen>(type, std::move(device));
}

// ---- Screen -----------------------------------------------------------------------------------

Screen::Screen(int screenType, std::weak_ptr<BizModel::Device> device)
    : m_screenType(screenType)
    , m_device(std::move(device))
{ }

bool Screen::setSelected(
    const QList<std::weak_ptr<BizModel::Screen>>& screens, BizModel::Enum::SelectedType type, bool notify, bool sync)
{
    bool ok = Fixture::logCommand(
        QStringLiteral("Screen::setSelected"), {QVariant(screenIds(screens)), int(type), notify, sync});
    auto device = m_device.lock();
    if (!device)
        return false;
    if (ok && live()) {
        QList<std::weak_ptr<BizModel::Screen>> selection;
        if (type == BizModel::Enum::Append)
            selection = device->selectedScreen();
        std::weak_ptr<BizModel::Screen> last;
        for (const auto& w : screens) {
            if (auto screen = w.lock()) {
                if (screen->owerDevice().lock() == device) {
                    selection.append(w);
                    last = w;
                }
            }
        }
        device->setSelectedScreens(selection);
        if (!last.expired())
            device->setActivedScreen(last);
    }
    return ok;
}

bool Screen::cancelSelected(const QList<std::weak_ptr<BizModel::Screen>>& screens, bool notify)
{
    bool ok = Fixture::logCommand(QStringLiteral("Screen::cancelSelected"), {QVariant(screenIds(screens)), notify});
    auto device = m_device.lock();
    if (!device)
        return false;
    if (ok && live()) {
        QList<std::weak_ptr<BizModel::Screen>> selection;
        for (const auto& selected : device->selectedScreen()) {
            bool cancelled = false;
            for (const auto& w : screens)
                cancelled = cancelled || (!selected.owner_before(w) && !w.owner_before(selected));
            if (!cancelled)
                selection.append(selected);
        }
        device->setSelectedScreens(selection);
    }
    return ok;
}

bool Screen::clearSelectedScreens(bool notify)
{
    bool ok = Fixture::logCommand(QStringLiteral("Screen::clearSelectedScreens"), {notify});
    auto device = m_device.lock();
    if (!device)
        return false;
    if (ok && live())
        device->setSelectedScreens({});
    return ok;
}

bool Screen::updateGeneral(const QList<ProtoModel::s_ScreenGeneralBody>& records)
{
    bool ok = Fixture::logCommand(QStringLiteral("Screen::updateGeneral"), {QVariant(generalRecords(records))});
    auto device = m_device.lock();
    if (!device)
        return false;
    if (ok && live()) {
        for (const auto& record : records) {
            if (auto screen = device->findScreen(record.screenType, record.screenId).lock()) {
                screen->setIndex(record.index);
                screen->setUiScreenIndex(record.index);
            }
        }
        emit device->signalScreensChanged();
    }
    return ok;
}

bool Screen::screenMoved(const QList<ProtoModel::s_ScreenGeneralBody>& records, std::weak_ptr<BizModel::Screen> moved)
{
    auto screen = moved.lock();
    bool ok = Fixture::logCommand(QStringLiteral("Screen::screenMoved"),
        {QVariant(generalRecords(records)), screen ? int(screen->screenId()) : -1});
    return ok && !m_device.expired();
}

std::shared_ptr<Layer> Screen::layerModelControl(
    BizModel::Enum::Layer::LayerType type, std::weak_ptr<BizModel::Device> device)
{
    return std::make_shared<Layer>(type, std::move(device));
}

// ---- Layer ------------------------------------------------------------------------------------

Layer::Layer(int layerType, std::weak_ptr<BizModel::Device> device)
    : m_layerType(layerType)
    , m_device(std::move(device))
{ }

bool Layer::setSelected(std::weak_ptr<BizModel::Screen> screen, const QList<std::weak_ptr<BizModel::Layer>>& layers,
    BizModel::Enum::SelectedType type, bool notify)
{
    auto owner = screen.lock();
    QVariantList layerIds;
    for (const auto& w : layers) {
        auto layer = w.lock();
        layerIds.append(layer ? int(layer->layerId()) : -1);
    }
    bool ok = Fixture::logCommand(QStringLiteral("Layer::setSelected"),
        {owner ? int(owner->screenId()) : -1, QVariant(layerIds), int(type), notify});
    auto device = m_device.lock();
    if (!device || !owner)
        return false;
    if (ok && live()) {
        if (type == BizModel::Enum::Cover) {
            for (const auto& w :
                owner->layers(BizModel::Enum::Layer::AllSceneType, BizModel::Enum::Layer::AllLayerType)) {
                if (auto layer = w.lock())
                    layer->setSelected(false);
            }
        }
        for (const auto& w : layers) {
            if (auto layer = w.lock())
                layer->setSelected(true);
        }
        emit device->signalLayerSelectionChanged(owner);
    }
    return ok;
}

// ---- File -------------------------------------------------------------------------------------

File::File(std::weak_ptr<BizModel::Device> device)
    : m_device(std::move(device))
{ }

bool File::removeFile(int fileType, int fileId)
{
    bool ok = Fixture::logCommand(QStringLiteral("File::removeFile"), {fileType, fileId});
    auto device = m_device.lock();
    if (!device)
        return false;
    if (ok && live())
        removeAndAnnounce(device, fileType, fileId);
    return ok;
}

bool File::removeFile(int fileType, const std::vector<int>& fileIds)
{
    QVariantList ids;
    for (int id : fileIds)
        ids.append(id);
    bool ok = Fixture::logCommand(QStringLiteral("File::removeFile"), {fileType, QVariant(ids)});
    auto device = m_device.lock();
    if (!device)
        return false;
    if (ok && live()) {
        for (int id : fileIds)
            removeAndAnnounce(device, fileType, id);
    }
    return ok;
}

bool File::modityFile(int fileType, int fileId)
{
    bool ok = Fixture::logCommand(QStringLiteral("File::modityFile"), {fileType, fileId});
    auto device = m_device.lock();
    if (!device)
        return false;
    if (ok && live())
        removeAndAnnounce(device, fileType, fileId);
    return ok;
}

bool File::renameFile(int fileType, int fileId, const QString& name)
{
    bool ok = Fixture::logCommand(QStringLiteral("File::renameFile"), {fileType, fileId, name});
    auto device = m_device.lock();
    if (!device)
        return false;
    if (ok && live()) {
        if (auto file = device->findFile(fileType, fileId).lock()) {
            file->setName(name);
            emit device->signalFilesChanged(fileType);
        }
    }
    return ok;
}

bool File::addImageFile(int fileType, const QString& name, const QImage& picture)
{
    bool ok =
        Fixture::logCommand(QStringLiteral("File::addImageFile"), {fileType, name, picture.width(), picture.height()});
    auto device = m_device.lock();
    if (!device)
        return false;
    if (ok && live()) {
        int nextId = 1;
        for (const auto& weak : device->files(fileType)) {
            if (auto file = weak.lock())
                nextId = qMax(nextId, file->fileId() + 1);
        }
        device->addImage(fileType, nextId, name, picture);
    }
    return ok;
}

// ---- UserKey ----------------------------------------------------------------------------------

UserKey::UserKey(std::weak_ptr<BizModel::Device> device)
    : m_device(std::move(device))
{ }

bool UserKey::sendUserKeyFile(const BizModel::s_UserKeyDetail& detail)
{
    bool ok = Fixture::logCommand(QStringLiteral("UserKey::sendUserKeyFile"), userKeyArgs(detail));
    if (m_device.expired())
        return false;
    if (ok && live())
        sendKey(m_device, detail, false);
    return ok;
}

bool UserKey::sendModityUserKeyFile(const BizModel::s_UserKeyDetail& detail)
{
    bool ok = Fixture::logCommand(QStringLiteral("UserKey::sendModityUserKeyFile"), userKeyArgs(detail));
    if (m_device.expired())
        return false;
    if (ok && live())
        sendKey(m_device, detail, true);
    return ok;
}

// ---- AsyncUpdateUserkey -----------------------------------------------------------------------

AsyncUpdateUserkey::AsyncUpdateUserkey(std::weak_ptr<BizModel::Device> device, std::weak_ptr<BizModel::Layer> layer,
    qint64 fileId, std::function<void(bool, QString)> callback)
    : m_device(std::move(device))
    , m_layer(std::move(layer))
    , m_fileId(fileId)
    , m_callback(std::move(callback))
{ }

AsyncUpdateUserkey::~AsyncUpdateUserkey() = default;

void AsyncUpdateUserkey::run()
{
    const auto& results = Fixture::Internal::state().results;
    const auto result = results.value(QStringLiteral("AsyncUpdateUserkey"), {true, QString()});
    finish(result.first, result.second);
}

void AsyncUpdateUserkey::finish(bool success, const QString& message)
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_callback)
        m_callback(success, message);
}

} // namespace Vireo::ModelControl
