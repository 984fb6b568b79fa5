#pragma once

// One-use command objects of the device model. Each is made around a weak device reference for
// one call and answers synchronously. In this stand-in every call is appended to the fixture's
// command log (Fixture::commandLog()) as {command, args} and returns the result chosen with
// Fixture::setCommandResult(command, ok, errorText) (default: success). With an expired device a
// call is still logged and returns false.
//
// Command names and their logged args (ids are plain ints; an expired list entry is logged as -1):
//   "Device::refreshDeviceChannel"   []
//   "Device::removeFile"             [QVariantList fileTypes]            error text -> `error`
//   "Screen::setSelected"            [QVariantList screenIds, selectedType, bool, bool]
//   "Screen::cancelSelected"         [QVariantList screenIds, bool]
//   "Screen::clearSelectedScreens"   [bool]
//   "Screen::updateGeneral"          [QVariantList of QVariantList{screenId, screenType, index}]
//   "Screen::screenMoved"            [same records, moved screenId]
//   "Layer::setSelected"             [screenId, QVariantList layerIds, selectedType, bool]
//   "File::modityFile"               [fileType, fileId]
//   "File::removeFile"               [fileType, fileId]  or  [fileType, QVariantList fileIds]
//   "File::renameFile"               [fileType, fileId, name]
//   "File::addImageFile"             [fileType, name, width, height]
//   "UserKey::sendUserKeyFile"       [userKeyId, name, userKeyColor]
//   "UserKey::sendModityUserKeyFile" [userKeyId, name, userKeyColor]
//   "AsyncUpdateUserkey"             [fileId, screenId, layerId]   (logged by startAsyncRequest)
//
// Live mode (Fixture::setLiveMode(true)) additionally applies a successful command to the model
// and emits what a real device reports back: selections change (Device::signalScreenSelectionChanged,
// signalLayerSelectionChanged), updateGeneral stores each screen's index and UI index
// (signalScreensChanged), removed files go (signalFilesChanged; for user keys
// DeviceList::signalDeleteUserKey per key, or signalClearUserKey for Device::removeFile), sent user
// keys are added or replaced (signalUserKeyChanged / signalModifyUserKeyChanged), and a user-key
// apply completes by itself with success after 200 ms.

#include <vireomodel/bizmodel.h>
#include <vireomodel/vireomodel_export.h>

#include <QList>
#include <QRunnable>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace Vireo::ModelControl {

class Screen;
class Layer;

class VIREOMODEL_EXPORT Device
{
public:
    explicit Device(std::weak_ptr<BizModel::Device> device);
    bool refreshDeviceChannel();
    // Removes every file of these types.
    bool removeFile(const QList<BizModel::Enum::File::FileType>& types, QString& error);
    // The screen command for screens of that type.
    static std::shared_ptr<Screen> screenModelControl(
        BizModel::Enum::Screen::ScreenType type, std::weak_ptr<BizModel::Device> device);

private:
    std::weak_ptr<BizModel::Device> m_device;
};

class VIREOMODEL_EXPORT Screen
{
public:
    Screen(int screenType, std::weak_ptr<BizModel::Device> device);
    // Cover replaces the selection with `screens`, Append adds them. The last screen becomes the
    // active screen. The two flags are passed on to the device (logged only).
    bool setSelected(const QList<std::weak_ptr<BizModel::Screen>>& screens, BizModel::Enum::SelectedType type,
        bool notify, bool sync);
    bool cancelSelected(const QList<std::weak_ptr<BizModel::Screen>>& screens, bool notify);
    bool clearSelectedScreens(bool notify); // a cancelSelected of all selected screens
    bool updateGeneral(const QList<ProtoModel::s_ScreenGeneralBody>& records);
    bool screenMoved(const QList<ProtoModel::s_ScreenGeneralBody>& records, std::weak_ptr<BizModel::Screen> moved);
    // The layer command for layers of that type.
    static std::shared_ptr<Layer> layerModelControl(
        BizModel::Enum::Layer::LayerType type, std::weak_ptr<BizModel::Device> device);
    int screenType() const { return m_screenType; }

private:
    int m_screenType;
    std::weak_ptr<BizModel::Device> m_device;
};

class VIREOMODEL_EXPORT Layer
{
public:
    Layer(int layerType, std::weak_ptr<BizModel::Device> device);
    // Cover replaces the screen's layer selection with `layers`, Append adds them.
    bool setSelected(std::weak_ptr<BizModel::Screen> screen, const QList<std::weak_ptr<BizModel::Layer>>& layers,
        BizModel::Enum::SelectedType type, bool notify);
    int layerType() const { return m_layerType; }

private:
    int m_layerType;
    std::weak_ptr<BizModel::Device> m_device;
};

class VIREOMODEL_EXPORT File
{
public:
    explicit File(std::weak_ptr<BizModel::Device> device);
    bool removeFile(int fileType, int fileId);
    bool removeFile(int fileType, const std::vector<int>& fileIds);
    // Same effect as removeFile(fileType, fileId); kept under the name the user key list calls.
    bool modityFile(int fileType, int fileId);
    // Renames a stored file. Live mode: the file takes the name (Device::signalFilesChanged).
    bool renameFile(int fileType, int fileId, const QString& name);
    // Stores a picture as a new file of that type. Live mode: it is added with the next free id of
    // its type (Device::signalFilesChanged).
    bool addImageFile(int fileType, const QString& name, const QImage& picture);

private:
    std::weak_ptr<BizModel::Device> m_device;
};

class VIREOMODEL_EXPORT UserKey
{
public:
    explicit UserKey(std::weak_ptr<BizModel::Device> device);
    // Sends a key record: a new key, or one that replaces the key of the same number.
    bool sendUserKeyFile(const BizModel::s_UserKeyDetail& detail);
    // Re-sends a renumbered or renamed key (replaces the key of that number).
    bool sendModityUserKeyFile(const BizModel::s_UserKeyDetail& detail);

private:
    std::weak_ptr<BizModel::Device> m_device;
};

// Applies user key `fileId` to `layer`: the one long request of the user-key panels. Hand it to
// ParallelControl::AsyncManager::instance()->startAsyncRequest(). The callback gets (success,
// message) once, when a test completes the request (Fixture::completeAsyncRequest) or, in live
// mode, by itself. It is never called for a request dropped by Fixture::reset().
class VIREOMODEL_EXPORT AsyncUpdateUserkey : public QRunnable
{
public:
    AsyncUpdateUserkey(std::weak_ptr<BizModel::Device> device, std::weak_ptr<BizModel::Layer> layer, qint64 fileId,
        std::function<void(bool, QString)> callback);
    ~AsyncUpdateUserkey() override;
    void run() override; // completes with the result chosen for "AsyncUpdateUserkey"
    void finish(bool success, const QString& message); // calls the callback once
    qint64 fileId() const { return m_fileId; }
    std::weak_ptr<BizModel::Layer> layer() const { return m_layer; }
    std::weak_ptr<BizModel::Device> device() const { return m_device; }

private:
    std::weak_ptr<BizModel::Device> m_device;
    std::weak_ptr<BizModel::Layer> m_layer;
    qint64 m_fileId;
    std::function<void(bool, QString)> m_callback;
    bool m_finished = false;
};

} // namespace Vireo::ModelControl
