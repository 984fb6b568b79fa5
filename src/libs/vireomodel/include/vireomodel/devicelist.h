#pragma once

// The process-wide list of devices and the model's notifications.
//
// Signals on demand: every signal below is an ordinary public Qt signal, so a test fires one with
// chosen arguments by emitting it directly, e.g.
//     emit Vireo::BizModel::DeviceList::instance()->signalDeleteUserKey(device, file);
// and catches signalCaptureImage (emitted by the widgets) with a QSignalSpy or a lambda:
//     QSignalSpy spy(DeviceList::instance(), &DeviceList::signalCaptureImage);
//     auto record = spy.at(0).at(0).value<Vireo::ProtoModel::File::s_CreateImageFile>();

#include <vireomodel/bizmodel.h>
#include <vireomodel/vireomodel_export.h>

#include <QObject>

#include <memory>

namespace Vireo::BizModel {

class VIREOMODEL_EXPORT DeviceList : public QObject
{
    Q_OBJECT
public:
    static DeviceList* instance(); // never null

    std::weak_ptr<Device> activedDevice() const;
    QList<std::weak_ptr<Device>> devices() const;

    // Fixture: the list owns its devices. addDevice makes a device (active when it is the first);
    // removeDevice expires every reference to it and to everything it holds, and when it was the
    // active device another one (or none) becomes active with signalActivedDeviceChanged.
    std::weak_ptr<Device> addDevice(const QString& name = QString());
    bool removeDevice(std::weak_ptr<Device> device);
    void setActivedDevice(std::weak_ptr<Device> device); // emits signalActivedDeviceChanged on change
    void clear(); // removes every device

signals:
    void signalActivedDeviceChanged();
    void signalDeviceOnlineStatusChanged(std::weak_ptr<Vireo::BizModel::Device> device);
    void signalDeviceMasterControlStatusChanged(std::weak_ptr<Vireo::BizModel::Device> device);
    void signalUserKeyChanged(std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file);
    void signalModifyUserKeyChanged(
        std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file);
    void signalDeleteUserKey(std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file);
    void signalClearUserKey();
    void signalUpdateOperatorProcess(QString process);
    // Emitted by the widgets: asks the host to capture a picture.
    void signalCaptureImage(const Vireo::ProtoModel::File::s_CreateImageFile& record);

private:
    explicit DeviceList(QObject* parent = nullptr);
    ~DeviceList() override;
    QList<std::shared_ptr<Device>> m_devices;
    std::weak_ptr<Device> m_actived;
};

} // namespace Vireo::BizModel
