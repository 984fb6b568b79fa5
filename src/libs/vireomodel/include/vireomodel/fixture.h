#pragma once

// Test and demo fixture of the device-model stand-in.
//
// A device in two lines:
//     Vireo::Fixture::reset();                                  // between test functions
//     auto dev = Vireo::Fixture::makeActiveDevice();            // std::weak_ptr<BizModel::Device>
//     auto& screen = Vireo::Fixture::activeDevice()->addScreen(Enum::Screen::RegularScreen, 1, "Screen 1");
//     auto& layer = screen.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 1, "Layer 1");
//     DeviceList::instance()->removeDevice(dev);                // expires dev, screen, layer, ...
//
// The model classes carry their own fixture setters (see bizmodel.h: Device::addScreen, addInput,
// addOutput, addImage, addUserKey, setConnector, addSubCard, setSelected..., Screen::addLayer,
// addCutLayer, addOutput, Layer::set..., Interface::set...). This header adds the process-wide
// parts: the device list, the command log and chosen results, long requests and live mode.
//
// Command log: every ModelControl command, every long request and EDIDHelper read/write appends
// {command, args} in call order; the names and args are listed in modelcontrol.h,
// parallelcontrol.h and utils.h. Example:
//     Vireo::Fixture::setCommandResult("File::removeFile", false, "busy");
//     ... drive the widget ...
//     QCOMPARE(Vireo::Fixture::commandNames(), QStringList({"File::removeFile"}));
//     QCOMPARE(Vireo::Fixture::commandLog().at(0).args, QVariantList({18, 2}));
//
// Long requests:
//     QCOMPARE(Vireo::Fixture::pendingAsyncRequestCount(), 1);
//     Vireo::Fixture::completeAsyncRequest(false, "Layer is locked"); // callback(false, "Layer is locked")

#include <vireomodel/bizmodel.h>
#include <vireomodel/parallelcontrol.h>
#include <vireomodel/vireomodel_export.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <memory>

namespace Vireo::Fixture {

struct CommandEntry
{
    QString command;
    QVariantList args;
};

// Everything back to the start: removes every device (expiring all references), clears the
// command log, the chosen results and the command observer, drops pending long requests (without
// calling their callbacks), empties Theme, reloads InterfaceConfig's defaults, resets UDiskWatcher's
// drives, the EDID template folder and the icon folder, and turns live mode off.
VIREOMODEL_EXPORT void reset();

// Makes a device, adds it to DeviceList and makes it the active one (signalActivedDeviceChanged).
VIREOMODEL_EXPORT std::weak_ptr<BizModel::Device> makeActiveDevice(const QString& name = QStringLiteral("Device"));
// The active device for immediate use, or null. Do not keep the pointer past a removal.
VIREOMODEL_EXPORT BizModel::Device* activeDevice();
VIREOMODEL_EXPORT bool removeActiveDevice();

// A user key record with name, number and colour, flags false.
VIREOMODEL_EXPORT BizModel::s_UserKeyDetail userKeyDetail(quint8 userKeyId, const QString& name, int color = 0);

// Command log
VIREOMODEL_EXPORT QList<CommandEntry> commandLog();
VIREOMODEL_EXPORT QStringList commandNames();
VIREOMODEL_EXPORT void clearCommandLog();
// The result a command gives from now on (ok, and the error text where it reports one).
VIREOMODEL_EXPORT void setCommandResult(const QString& command, bool ok, const QString& errorText = QString());
VIREOMODEL_EXPORT void clearCommandResults();
// Called for every new log entry (the gallery shows them); empty function to stop.
VIREOMODEL_EXPORT void setCommandObserver(std::function<void(const CommandEntry&)> observer);

// Used by the stand-in itself: appends an entry and returns the chosen result.
VIREOMODEL_EXPORT bool logCommand(const QString& command, const QVariantList& args, QString* errorText = nullptr);

// Long requests: AsyncManager
VIREOMODEL_EXPORT int pendingAsyncRequestCount();
VIREOMODEL_EXPORT QRunnable* pendingAsyncRequest(int index = 0); // null when out of range
// Completes the pending request at `index` with (success, message): an AsyncUpdateUserkey calls
// its callback, another runnable is run(); then it leaves the list and is deleted if autoDelete().
// False when there is no such request.
VIREOMODEL_EXPORT bool completeAsyncRequest(bool success, const QString& message, int index = 0);

// Long requests: ParallelManager
struct ParallelRequest
{
    std::weak_ptr<BizModel::Device> device;
    ParallelControl::ParallelTaskFactory factory;
    bool flag = false;
    std::function<void(ParallelControl::ParallelTaskResult)> callback;
};
VIREOMODEL_EXPORT int parallelRequestCount();
VIREOMODEL_EXPORT ParallelRequest parallelRequest(int index = 0); // empty record when out of range
// Calls the request's factory with its device; null when out of range or the factory gives none.
VIREOMODEL_EXPORT std::unique_ptr<ParallelControl::ParallelTaskBase> createParallelTask(int index = 0);
// Delivers `result` to the request's callback; the record stays listed. False when out of range.
VIREOMODEL_EXPORT bool completeParallelRequest(int index, const ParallelControl::ParallelTaskResult& result);

// Live mode: successful commands also change the model (see modelcontrol.h). Off by default.
VIREOMODEL_EXPORT void setLiveMode(bool live);
VIREOMODEL_EXPORT bool isLiveMode();

} // namespace Vireo::Fixture
