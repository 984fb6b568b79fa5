// The command layer of the device-model stand-in: the command log in call order, chosen results,
// long requests completed from the test, and live mode's effects on the model.

#include <vireomodel/fixture.h>
#include <vireomodel/vireomodel.h>

#include <QSignalSpy>
#include <QtTest>

using namespace Vireo::BizModel;
namespace MC = Vireo::ModelControl;
namespace PC = Vireo::ParallelControl;

class TestModelControl : public QObject
{
    Q_OBJECT

private slots:
    void init() { Vireo::Fixture::reset(); }
    void cleanupTestCase() { Vireo::Fixture::reset(); }

    void logKeepsCallOrderAndArguments();
    void chosenResults();
    void expiredDeviceIsLoggedAndRefused();
    void asyncRequestCompletesLater();
    void asyncRequestDroppedByReset();
    void parallelRequest();
    void liveModeSelectionAndOrder();
    void liveModeFiles();
    void liveModeCompletesApply();
};

void TestModelControl::logKeepsCallOrderAndArguments()
{
    auto dev = Vireo::Fixture::makeActiveDevice();
    for (quint8 k = 1; k <= 4; ++k)
        Vireo::Fixture::activeDevice()->addUserKey(Vireo::Fixture::userKeyDetail(k, QStringLiteral("Key %1").arg(k)));
    Screen& screen = Vireo::Fixture::activeDevice()->addScreen(Enum::Screen::RegularScreen, 3);
    Layer& layer = screen.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 5);

    // "Delete key 2 of 1-4", then a screen and a layer selection.
    MC::File(dev).removeFile(Enum::File::UserKeyFile, 2);
    MC::File(dev).removeFile(Enum::File::UserKeyFile, std::vector<int> {3, 4});
    MC::UserKey(dev).sendUserKeyFile(Vireo::Fixture::userKeyDetail(2, QStringLiteral("Key 3"), Enum::UserKey::cyan));
    MC::UserKey(dev).sendUserKeyFile(Vireo::Fixture::userKeyDetail(3, QStringLiteral("Key 4")));
    MC::Device::screenModelControl(Enum::Screen::RegularScreen, dev)
        ->setSelected({dev.lock()->findScreen(Enum::Screen::RegularScreen, 3)}, Enum::Cover, true, true);
    MC::Screen::layerModelControl(Enum::Layer::Regular, dev)
        ->setSelected(layer.ownerScreen(), {screen.findLayer(Enum::Layer::PGM, 5)}, Enum::Cover, true);

    QCOMPARE(Vireo::Fixture::commandNames(),
        QStringList({"File::removeFile", "File::removeFile", "UserKey::sendUserKeyFile", "UserKey::sendUserKeyFile",
            "Screen::setSelected", "Layer::setSelected"}));
    const auto log = Vireo::Fixture::commandLog();
    QCOMPARE(log.at(0).args, QVariantList({18, 2}));
    QCOMPARE(log.at(1).args, QVariantList({18, QVariant(QVariantList {3, 4})}));
    QCOMPARE(log.at(2).args, QVariantList({2, QStringLiteral("Key 3"), int(Enum::UserKey::cyan)}));
    QCOMPARE(log.at(4).args, QVariantList({QVariant(QVariantList {3}), int(Enum::Cover), true, true}));
    QCOMPARE(log.at(5).args, QVariantList({3, QVariant(QVariantList {5}), int(Enum::Cover), true}));
    // Not in live mode: the model is untouched.
    QCOMPARE(dev.lock()->files(Enum::File::UserKeyFile).size(), 4);
    QVERIFY(!layer.isSelected());

    Vireo::Fixture::clearCommandLog();
    QVERIFY(Vireo::Fixture::commandLog().isEmpty());
}

void TestModelControl::chosenResults()
{
    auto dev = Vireo::Fixture::makeActiveDevice();
    QVERIFY(MC::File(dev).modityFile(Enum::File::UserKeyFile, 1));
    Vireo::Fixture::setCommandResult(QStringLiteral("File::modityFile"), false, QStringLiteral("busy"));
    QVERIFY(!MC::File(dev).modityFile(Enum::File::UserKeyFile, 1));
    QVERIFY(MC::File(dev).removeFile(Enum::File::UserKeyFile, 1)); // another command keeps its default

    QString error = QStringLiteral("stale");
    QVERIFY(MC::Device(dev).removeFile({Enum::File::UserKeyFile}, error));
    QCOMPARE(error, QString());
    Vireo::Fixture::setCommandResult(QStringLiteral("Device::removeFile"), false, QStringLiteral("Storage locked"));
    QVERIFY(!MC::Device(dev).removeFile({Enum::File::UserKeyFile}, error));
    QCOMPARE(error, QStringLiteral("Storage locked"));

    Vireo::Fixture::setCommandResult(QStringLiteral("Screen::updateGeneral"), false);
    Vireo::ProtoModel::s_ScreenGeneralBody record;
    record.screenId = 1;
    record.screenType = Enum::Screen::RegularScreen;
    record.index = 2;
    QVERIFY(!MC::Device::screenModelControl(Enum::Screen::RegularScreen, dev)->updateGeneral({record}));
    QCOMPARE(Vireo::Fixture::commandLog().last().args,
        QVariantList({QVariant(QVariantList {QVariant(QVariantList {1, int(Enum::Screen::RegularScreen), 2})})}));

    Vireo::Fixture::clearCommandResults();
    QVERIFY(MC::File(dev).modityFile(Enum::File::UserKeyFile, 1));
}

void TestModelControl::expiredDeviceIsLoggedAndRefused()
{
    auto dev = Vireo::Fixture::makeActiveDevice();
    QVERIFY(Vireo::Fixture::removeActiveDevice());
    QVERIFY(dev.expired());
    QString error;
    QVERIFY(!MC::Device(dev).removeFile({Enum::File::UserKeyFile}, error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!MC::UserKey(dev).sendModityUserKeyFile(Vireo::Fixture::userKeyDetail(1, QStringLiteral("K"))));
    QVERIFY(!MC::Device::screenModelControl(Enum::Screen::RegularScreen, dev)->clearSelectedScreens(true));
    QVERIFY(!MC::Screen::layerModelControl(Enum::Layer::Regular, dev)->setSelected({}, {}, Enum::Cover, true));
    QCOMPARE(Vireo::Fixture::commandNames(),
        QStringList({"Device::removeFile", "UserKey::sendModityUserKeyFile", "Screen::clearSelectedScreens",
            "Layer::setSelected"}));
    QCOMPARE(Vireo::Fixture::commandLog().last().args.at(0), QVariant(-1));
}

void TestModelControl::asyncRequestCompletesLater()
{
    auto dev = Vireo::Fixture::makeActiveDevice();
    Screen& screen = Vireo::Fixture::activeDevice()->addScreen(Enum::Screen::RegularScreen, 2);
    screen.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 7);

    QList<QPair<bool, QString>> calls;
    auto* request =
        new MC::AsyncUpdateUserkey(dev, screen.findLayer(Enum::Layer::PGM, 7), 4, [&calls](bool ok, QString message) {
            calls.append({ok, message});
        });
    QVERIFY(PC::AsyncManager::instance()->startAsyncRequest(request));
    QTest::ignoreMessage(QtWarningMsg, "startAsyncRequest: null request refused.");
    QVERIFY(!PC::AsyncManager::instance()->startAsyncRequest(nullptr));
    QCOMPARE(Vireo::Fixture::commandNames(), QStringList({"AsyncUpdateUserkey"}));
    QCOMPARE(Vireo::Fixture::commandLog().at(0).args, QVariantList({qint64(4), 2, 7}));
    QCOMPARE(Vireo::Fixture::pendingAsyncRequestCount(), 1);
    QCOMPARE(Vireo::Fixture::pendingAsyncRequest(0), static_cast<QRunnable*>(request));
    QVERIFY(calls.isEmpty());

    QVERIFY(Vireo::Fixture::completeAsyncRequest(false, QStringLiteral("Layer is locked")));
    QCOMPARE(calls, (QList<QPair<bool, QString>> {{false, QStringLiteral("Layer is locked")}}));
    QCOMPARE(Vireo::Fixture::pendingAsyncRequestCount(), 0); // and deleted: the sanitizer build would notice a leak
    QVERIFY(!Vireo::Fixture::completeAsyncRequest(true, QString()));
    QVERIFY(!Vireo::Fixture::pendingAsyncRequest(0));
}

void TestModelControl::asyncRequestDroppedByReset()
{
    auto dev = Vireo::Fixture::makeActiveDevice();
    int called = 0;
    PC::AsyncManager::instance()->startAsyncRequest(
        new MC::AsyncUpdateUserkey(dev, {}, 1, [&called](bool, QString) { ++called; }));
    QCOMPARE(Vireo::Fixture::commandLog().at(0).args, QVariantList({qint64(1), -1, -1}));
    Vireo::Fixture::reset();
    QCOMPARE(Vireo::Fixture::pendingAsyncRequestCount(), 0);
    QCOMPARE(called, 0);
}

void TestModelControl::parallelRequest()
{
    auto dev = Vireo::Fixture::makeActiveDevice(QStringLiteral("Rig"));
    auto factory = [](std::weak_ptr<Device> device) -> PC::ParallelTaskBase* {
        return new PC::ParallelControlDevice(device, QString());
    };
    QString error = QStringLiteral("stale");
    QList<PC::ParallelTaskResult> results;
    QVERIFY(PC::ParallelManager::instance()->startParallelRequest(
        dev, factory, false, &error, [&results](PC::ParallelTaskResult r) { results.append(r); }));
    QCOMPARE(error, QString());
    QCOMPARE(Vireo::Fixture::commandLog().at(0).args, QVariantList({QStringLiteral("Rig"), false}));
    QCOMPARE(Vireo::Fixture::parallelRequestCount(), 1);
    QCOMPARE(Vireo::Fixture::parallelRequest(0).device.lock(), dev.lock());

    auto task = Vireo::Fixture::createParallelTask(0);
    auto* control = dynamic_cast<PC::ParallelControlDevice*>(task.get());
    QVERIFY(control);
    QCOMPARE(control->text(), QString());
    QCOMPARE(control->device().lock(), dev.lock());

    PC::ParallelTaskResult result;
    result.success = true;
    result.message = QStringLiteral("granted");
    QVERIFY(Vireo::Fixture::completeParallelRequest(0, result));
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.at(0).message, QStringLiteral("granted"));
    QVERIFY(!Vireo::Fixture::completeParallelRequest(5, result));
    QVERIFY(!Vireo::Fixture::createParallelTask(5));

    Vireo::Fixture::setCommandResult(
        QStringLiteral("ParallelManager::startParallelRequest"), false, QStringLiteral("Device busy"));
    QVERIFY(!PC::ParallelManager::instance()->startParallelRequest(dev, factory, false, &error, {}));
    QCOMPARE(error, QStringLiteral("Device busy"));
    QCOMPARE(Vireo::Fixture::parallelRequestCount(), 1);
}

void TestModelControl::liveModeSelectionAndOrder()
{
    Vireo::Fixture::setLiveMode(true);
    auto dev = Vireo::Fixture::makeActiveDevice();
    auto device = dev.lock();
    Screen& a = device->addScreen(Enum::Screen::RegularScreen, 1);
    Screen& b = device->addScreen(Enum::Screen::RegularScreen, 2);
    const auto aRef = device->findScreen(Enum::Screen::RegularScreen, 1);
    const auto bRef = device->findScreen(Enum::Screen::RegularScreen, 2);
    Layer& l1 = a.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 1);
    Layer& l2 = a.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 2);

    QSignalSpy selectionSpy(device.get(), &Device::signalScreenSelectionChanged);
    auto screens = MC::Device::screenModelControl(Enum::Screen::RegularScreen, dev);
    screens->setSelected({aRef}, Enum::Cover, true, true);
    screens->setSelected({bRef}, Enum::Append, true, true);
    QCOMPARE(device->selectedScreen().size(), 2);
    QCOMPARE(device->activedScreen().lock().get(), &b);
    screens->cancelSelected({aRef}, true);
    QCOMPARE(device->selectedScreen().size(), 1);
    QCOMPARE(device->selectedScreen().at(0).lock().get(), &b);
    screens->setSelected({aRef}, Enum::Cover, true, true);
    QCOMPARE(device->selectedScreen().at(0).lock().get(), &a);
    screens->clearSelectedScreens(true);
    QVERIFY(device->selectedScreen().isEmpty());
    QVERIFY(selectionSpy.count() >= 4);

    QSignalSpy layerSpy(device.get(), &Device::signalLayerSelectionChanged);
    auto layers = MC::Screen::layerModelControl(Enum::Layer::Regular, dev);
    layers->setSelected(aRef, {a.findLayer(Enum::Layer::PGM, 1)}, Enum::Cover, true);
    layers->setSelected(aRef, {a.findLayer(Enum::Layer::PGM, 2)}, Enum::Cover, true);
    QVERIFY(!l1.isSelected());
    QVERIFY(l2.isSelected());
    QCOMPARE(layerSpy.count(), 2);

    // Reordering sticks: the records' positions become the screens' index and UI index.
    Vireo::ProtoModel::s_ScreenGeneralBody ra = a.screenGeneral();
    Vireo::ProtoModel::s_ScreenGeneralBody rb = b.screenGeneral();
    ra.index = 1;
    rb.index = 0;
    QSignalSpy orderSpy(device.get(), &Device::signalScreensChanged);
    QVERIFY(screens->updateGeneral({rb, ra}));
    QCOMPARE(a.index(), 1);
    QCOMPARE(b.getUiScreenIndex(), 0);
    QCOMPARE(orderSpy.count(), 1);

    // A refused command changes nothing.
    Vireo::Fixture::setCommandResult(QStringLiteral("Screen::setSelected"), false);
    screens->setSelected({aRef}, Enum::Cover, true, true);
    QVERIFY(device->selectedScreen().isEmpty());
}

void TestModelControl::liveModeFiles()
{
    Vireo::Fixture::setLiveMode(true);
    auto dev = Vireo::Fixture::makeActiveDevice();
    auto device = dev.lock();
    for (quint8 k = 1; k <= 3; ++k)
        device->addUserKey(Vireo::Fixture::userKeyDetail(k, QStringLiteral("Key %1").arg(k)));
    const std::weak_ptr<File> key2 = device->findFile(Enum::File::UserKeyFile, 2);

    // The deleted key can still be read while its signal is delivered, and is gone afterwards.
    int readNumber = -1;
    bool listedDuringSignal = true;
    QObject context;
    connect(DeviceList::instance(), &DeviceList::signalDeleteUserKey, &context,
        [&](std::weak_ptr<Device> d, std::weak_ptr<File> f) {
            if (auto file = f.lock())
                readNumber = file->fileId();
            listedDuringSignal = !d.lock()->findFile(Enum::File::UserKeyFile, 2).expired();
        });
    QVERIFY(MC::File(dev).removeFile(Enum::File::UserKeyFile, 2));
    QCOMPARE(readNumber, 2);
    QVERIFY(!listedDuringSignal);
    QVERIFY(key2.expired());

    QSignalSpy added(DeviceList::instance(), &DeviceList::signalUserKeyChanged);
    QSignalSpy modified(DeviceList::instance(), &DeviceList::signalModifyUserKeyChanged);
    QVERIFY(MC::UserKey(dev).sendUserKeyFile(Vireo::Fixture::userKeyDetail(2, QStringLiteral("Key 3"))));
    QCOMPARE(added.count(), 1);
    QVERIFY(MC::UserKey(dev).sendModityUserKeyFile(Vireo::Fixture::userKeyDetail(3, QStringLiteral("Renamed"))));
    QCOMPARE(modified.count(), 1);
    QCOMPARE(device->findFile(Enum::File::UserKeyFile, 3).lock()->name(), QStringLiteral("Renamed"));
    QCOMPARE(device->files(Enum::File::UserKeyFile).size(), 3);

    QSignalSpy cleared(DeviceList::instance(), &DeviceList::signalClearUserKey);
    QString error;
    QVERIFY(MC::Device(dev).removeFile({Enum::File::UserKeyFile}, error));
    QCOMPARE(cleared.count(), 1);
    QVERIFY(device->files(Enum::File::UserKeyFile).isEmpty());
}

void TestModelControl::liveModeCompletesApply()
{
    Vireo::Fixture::setLiveMode(true);
    auto dev = Vireo::Fixture::makeActiveDevice();
    QList<bool> calls;
    PC::AsyncManager::instance()->startAsyncRequest(
        new MC::AsyncUpdateUserkey(dev, {}, 1, [&calls](bool ok, QString) { calls.append(ok); }));
    QCOMPARE(Vireo::Fixture::pendingAsyncRequestCount(), 1);
    QTRY_COMPARE(calls, QList<bool>({true}));
    QCOMPARE(Vireo::Fixture::pendingAsyncRequestCount(), 0);
}

QTEST_MAIN(TestModelControl)
#include "tst_modelcontrol.moc"
