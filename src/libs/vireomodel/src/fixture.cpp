#include "fixture_p.h"

#include <vireomodel/devicelist.h>
#include <vireomodel/interfaceconfig.h>
#include <vireomodel/modelcontrol.h>
#include <vireomodel/utils.h>

namespace Vireo::Fixture {

namespace Internal {

State::~State()
{
    for (const auto& pending : pendingAsync)
        disposeRunnable(pending.runnable);
}

State& state()
{
    static State s;
    return s;
}

QRunnable* takeAsync(quint64 serial)
{
    auto& list = state().pendingAsync;
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).serial == serial)
            return list.takeAt(i).runnable;
    }
    return nullptr;
}

void finishRunnable(QRunnable* request, bool success, const QString& message)
{
    if (auto update = dynamic_cast<ModelControl::AsyncUpdateUserkey*>(request))
        update->finish(success, message);
    else
        request->run();
    disposeRunnable(request);
}

void disposeRunnable(QRunnable* request)
{
    if (request && request->autoDelete())
        delete request;
}

} // namespace Internal

using Internal::state;

void reset()
{
    BizModel::DeviceList::instance()->clear();
    auto& s = state();
    s.log.clear();
    s.results.clear();
    s.observer = nullptr;
    const auto pending = s.pendingAsync;
    s.pendingAsync.clear();
    for (const auto& p : pending)
        Internal::disposeRunnable(p.runnable);
    s.parallel.clear();
    s.live = false;
    Utils::Theme::instance()->clear();
    BizModel::InterfaceConfig::instance()->loadDefaults();
    Utils::UDiskWatcher::resetFixture();
    Utils::EDIDHelper::setTemplateDirectory(QString());
    Utils::Icon::setIconDirectory(QString());
}

std::weak_ptr<BizModel::Device> makeActiveDevice(const QString& name)
{
    auto list = BizModel::DeviceList::instance();
    auto device = list->addDevice(name);
    list->setActivedDevice(device);
    return device;
}

BizModel::Device* activeDevice()
{
    return BizModel::DeviceList::instance()->activedDevice().lock().get();
}

bool removeActiveDevice()
{
    auto list = BizModel::DeviceList::instance();
    return list->removeDevice(list->activedDevice());
}

BizModel::s_UserKeyDetail userKeyDetail(quint8 userKeyId, const QString& name, int color)
{
    BizModel::s_UserKeyDetail detail;
    detail.userKeyId = userKeyId;
    detail.name = name.toStdString();
    detail.userKeyColor = color;
    return detail;
}

QList<CommandEntry> commandLog()
{
    return state().log;
}

QStringList commandNames()
{
    QStringList names;
    for (const auto& entry : state().log)
        names.append(entry.command);
    return names;
}

void clearCommandLog()
{
    state().log.clear();
}

void setCommandResult(const QString& command, bool ok, const QString& errorText)
{
    state().results.insert(command, {ok, errorText});
}

void clearCommandResults()
{
    state().results.clear();
}

void setCommandObserver(std::function<void(const CommandEntry&)> observer)
{
    state().observer = std::move(observer);
}

bool logCommand(const QString& command, const QVariantList& args, QString* errorText)
{
    auto& s = state();
    const CommandEntry entry {command, args};
    s.log.append(entry);
    const auto result = s.results.value(command, {true, QString()});
    if (errorText)
        *errorText = result.first ? QString() : result.second;
    if (s.observer) {
        const auto observer = s.observer; // the observer may replace itself
        observer(entry);
    }
    return result.first;
}

int pendingAsyncRequestCount()
{
    return state().pendingAsync.size();
}

QRunnable* pendingAsyncRequest(int index)
{
    const auto& list = state().pendingAsync;
    if (index < 0 || index >= list.size())
        return nullptr;
    return list.at(index).runnable;
}

bool completeAsyncRequest(bool success, const QString& message, int index)
{
    const auto& list = state().pendingAsync;
    if (index < 0 || index >= list.size())
        return false;
    QRunnable* request = Internal::takeAsync(list.at(index).serial);
    Internal::finishRunnable(request, success, message);
    return true;
}

int parallelRequestCount()
{
    return state().parallel.size();
}

ParallelRequest parallelRequest(int index)
{
    const auto& list = state().parallel;
    if (index < 0 || index >= list.size())
        return {};
    return list.at(index);
}

std::unique_ptr<ParallelControl::ParallelTaskBase> createParallelTask(int index)
{
    const ParallelRequest request = parallelRequest(index);
    if (!request.factory)
        return nullptr;
    return std::unique_ptr<ParallelControl::ParallelTaskBase>(request.factory(request.device));
}

bool completeParallelRequest(int index, const ParallelControl::ParallelTaskResult& result)
{
    const ParallelRequest request = parallelRequest(index);
    if (!request.factory && !request.callback)
        return false;
    if (request.callback)
        request.callback(result);
    return true;
}

void setLiveMode(bool live)
{
    state().live = live;
}

bool isLiveMode()
{
    return state().live;
}

} // namespace Vireo::Fixture
