#pragma once

// Long requests of the device model.
//
// AsyncManager keeps every submitted QRunnable without running it; a test completes it later
// (Fixture::completeAsyncRequest), which calls its callback and then deletes it when autoDelete()
// is set. ParallelManager records each request (device, factory, flag, callback); the started
// flag and error text are those chosen for "ParallelManager::startParallelRequest"; a test may call
// the factory (Fixture::createParallelTask) and deliver a result (Fixture::completeParallelRequest).
// Both log to the fixture's command log:
//   "AsyncManager::startAsyncRequest" [] for a runnable of another kind (AsyncUpdateUserkey logs
//                                        itself as "AsyncUpdateUserkey", see modelcontrol.h)
//   "ParallelManager::startParallelRequest" [device name, bool flag]
// In live mode (Fixture::setLiveMode) a started request completes by itself after 1.5 s; a
// ParallelControlDevice request then makes this client (the device's local address and control port)
// the only controller, sets the device's master control and emits
// DeviceList::signalDeviceMasterControlStatusChanged before the callback gets success.

#include <vireomodel/bizmodel.h>
#include <vireomodel/vireomodel_export.h>

#include <QRunnable>
#include <QString>

#include <functional>
#include <memory>

namespace Vireo::ParallelControl {

struct ParallelTaskResult
{
    bool success = false;
    QString message;
    int errorCode = 0;
};

class VIREOMODEL_EXPORT ParallelTaskBase
{
public:
    explicit ParallelTaskBase(std::weak_ptr<BizModel::Device> device);
    virtual ~ParallelTaskBase();
    virtual QString taskName() const = 0;
    std::weak_ptr<BizModel::Device> device() const { return m_device; }

private:
    std::weak_ptr<BizModel::Device> m_device;
};

// Asks the device to make this client its controller (take-over).
class VIREOMODEL_EXPORT ParallelControlDevice : public ParallelTaskBase
{
public:
    ParallelControlDevice(std::weak_ptr<BizModel::Device> device, QString text);
    QString taskName() const override { return QStringLiteral("ParallelControlDevice"); }
    QString text() const { return m_text; }

private:
    QString m_text;
};

using ParallelTaskFactory = std::function<ParallelTaskBase*(std::weak_ptr<BizModel::Device>)>;

class VIREOMODEL_EXPORT ParallelManager
{
public:
    static ParallelManager* instance();
    // Returns whether the request was started; on refusal the error text goes to `error` (if given).
    bool startParallelRequest(std::weak_ptr<BizModel::Device> device, ParallelTaskFactory factory, bool wait,
        QString* error, std::function<void(ParallelTaskResult)> callback);

private:
    ParallelManager() = default;
};

class VIREOMODEL_EXPORT AsyncManager
{
public:
    static AsyncManager* instance();
    // Takes ownership of `request` (when its autoDelete() is set) and keeps it pending.
    // Returns false for null.
    bool startAsyncRequest(QRunnable* request);

private:
    AsyncManager() = default;
};

} // namespace Vireo::ParallelControl
