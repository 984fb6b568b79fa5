#include "fixture_p.h"

#include <vireomodel/devicelist.h>
#include <vireomodel/modelcontrol.h>
#include <vireomodel/parallelcontrol.h>

#include <QStringList>
#include <QTimer>

namespace Vireo::ParallelControl {

namespace {

// Live mode: the device now has this client (its local address) as its only controller.
bool takeControl(const std::weak_ptr<BizModel::Device>& device)
{
    auto target = device.lock();
    if (!target)
        return false;
    ProtoModel::DeviceClientInfo self;
    const QStringList parts = target->localIp().split(QLatin1Char('.'));
    for (int i = 0; i < parts.size() && i < int(self.ip.size()); ++i)
        self.ip[size_t(i)] = uint8_t(parts.at(i).toUInt());
    self.port = target->localCtrlPort();
    target->setClientControlList({self});
    target->setMasterControl(true);
    emit BizModel::DeviceList::instance()->signalDeviceMasterControlStatusChanged(device);
    return true;
}

} // namespace

ParallelTaskBase::ParallelTaskBase(std::weak_ptr<BizModel::Device> device)
    : m_device(std::move(device))
{ }

ParallelTaskBase::~ParallelTaskBase() = default;

ParallelControlDevice::ParallelControlDevice(std::weak_ptr<BizModel::Device> device, QString text)
    : ParallelTaskBase(std::move(device))
    , m_text(std::move(text))
{ }

ParallelManager* ParallelManager::instance()
{
    static ParallelManager manager;
    return &manager;
}

bool ParallelManager::startParallelRequest(std::weak_ptr<BizModel::Device> device, ParallelTaskFactory factory,
    bool wait, QString* error, std::function<void(ParallelTaskResult)> callback)
{
    auto target = device.lock();
    QString errorText;
    bool ok = Fixture::logCommand(QStringLiteral("ParallelManager::startParallelRequest"),
        {target ? target->name() : QString(), wait}, &errorText);
    if (ok && !target) {
        ok = false;
        errorText = QStringLiteral("The device is not available.");
    } else if (ok && !factory) {
        ok = false;
        errorText = QStringLiteral("No task to run.");
    }
    if (error)
        *error = ok ? QString() : errorText;
    if (!ok)
        return false;
    Fixture::ParallelRequest request;
    request.device = device;
    request.factory = std::move(factory);
    request.flag = wait;
    request.callback = std::move(callback);
    Fixture::Internal::state().parallel.append(request);
    if (Fixture::Internal::state().live) {
        // A live device answers by itself a moment later; a control request makes this client the
        // device's only controller.
        QTimer::singleShot(
            1500, BizModel::DeviceList::instance(), [device, factory = request.factory, callback = request.callback]() {
                ParallelTaskResult result;
                const std::unique_ptr<ParallelTaskBase> task(factory(device));
                if (!dynamic_cast<ParallelControlDevice*>(task.get()) || !takeControl(device))
                    result.message = QStringLiteral("The device is not available.");
                else
                    result.success = true;
                if (callback)
                    callback(result);
            });
    }
    return true;
}

AsyncManager* AsyncManager::instance()
{
    static AsyncManager manager;
    return &manager;
}

bool AsyncManager::startAsyncRequest(QRunnable* request)
{
    if (!request) {
        qWarning("startAsyncRequest: null request refused.");
        return false;
    }
    QString command = QStringLiteral("AsyncManager::startAsyncRequest");
    QVariantList args;
    if (auto update = dynamic_cast<ModelControl::AsyncUpdateUserkey*>(request)) {
        command = QStringLiteral("AsyncUpdateUserkey");
        int screenId = -1;
        int layerId = -1;
        if (auto layer = update->layer().lock()) {
            layerId = layer->layerId();
            if (auto screen = layer->ownerScreen().lock())
                screenId = screen->screenId();
        }
        args = {update->fileId(), screenId, layerId};
    }
    QString errorText;
    const bool ok = Fixture::logCommand(command, args, &errorText);
    auto& state = Fixture::Internal::state();
    const quint64 serial = state.nextSerial++;
    state.pendingAsync.append({serial, request});
    if (state.live) {
        // A live device answers by itself a moment later.
        QTimer::singleShot(200, BizModel::DeviceList::instance(), [serial, ok, errorText]() {
            if (QRunnable* pending = Fixture::Internal::takeAsync(serial))
                Fixture::Internal::finishRunnable(pending, ok, errorText);
        });
    }
    return true;
}

} // namespace Vireo::ParallelControl
