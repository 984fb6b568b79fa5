// The device-model stand-in: ownership and expiry, what the fixture builds, safe answers to bad
// input, and the documented helper formats.

#include <vireomodel/fixture.h>
#include <vireomodel/vireomodel.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Vireo::BizModel;
using Vireo::ProtoModel::s_InterfaceID;

namespace {

s_InterfaceID port(int slot, int connector)
{
    s_InterfaceID id;
    id.slotId = slot;
    id.connectorId = connector;
    return id;
}

} // namespace

class TestDeviceModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { Vireo::Fixture::reset(); }
    void cleanupTestCase() { Vireo::Fixture::reset(); }

    void removalExpiresReferences_data();
    void removalExpiresReferences();
    void fixtureBuildsDevice();
    void cutAndFillPair();
    void connectorsSlotsAndUsage();
    void validInputsFollowEveryChange();
    void filesAndCapacity();
    void badInputAnswersEmpty();
    void signalsOnDemand();
    void formatFramerate_data();
    void formatFramerate();
    void edidRoundTripAndChosenFailure();
    void iconsThemeAndDrives();
    void interfaceConfigLookups();
};

void TestDeviceModel::removalExpiresReferences_data()
{
    QTest::addColumn<QString>("removed");
    for (const char* removed : {"screen", "layer", "input", "output", "file", "device"})
        QTest::newRow(removed) << QString(removed);
}

void TestDeviceModel::removalExpiresReferences()
{
    QFETCH(QString, removed);
    auto weakDevice = Vireo::Fixture::makeActiveDevice();
    Device* dev = Vireo::Fixture::activeDevice();
    QVERIFY(dev);
    Screen& screenRef = dev->addScreen(Enum::Screen::RegularScreen, 1);
    screenRef.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 1);
    dev->addInput(0, port(0, 0), Enum::Interface::HDMI_1_4);
    dev->addOutput(0, Enum::Interface::MainOutput, port(4, 0), Enum::Interface::DP_1_2);
    dev->addFile(Enum::File::BKG, 1, QStringLiteral("bkg"));

    const std::weak_ptr<Screen> screen = dev->findScreen(Enum::Screen::RegularScreen, 1);
    const std::weak_ptr<Layer> layer = screen.lock()->findLayer(Enum::Layer::PGM, 1);
    const std::weak_ptr<Input> input = dev->findInput(0);
    const std::weak_ptr<Output> output = dev->findOutput(0);
    const std::weak_ptr<File> file = dev->findFile(Enum::File::BKG, 1);
    dev->setSelectedInputs({input});
    dev->setSelectedScreens({screen});
    QVERIFY(!screen.expired() && !layer.expired() && !input.expired() && !output.expired() && !file.expired());

    if (removed == "screen")
        QVERIFY(dev->removeScreen(Enum::Screen::RegularScreen, 1));
    else if (removed == "layer")
        QVERIFY(screen.lock()->removeLayer(Enum::Layer::PGM, 1));
    else if (removed == "input")
        QVERIFY(dev->removeInput(0));
    else if (removed == "output")
        QVERIFY(dev->removeOutput(0));
    else if (removed == "file")
        QVERIFY(dev->removeFile(Enum::File::BKG, 1));
    else
        QVERIFY(DeviceList::instance()->removeDevice(weakDevice));

    const bool all = removed == "device";
    QCOMPARE(weakDevice.expired(), all);
    QCOMPARE(screen.expired(), all || removed == "screen");
    // A screen owns its layers.
    QCOMPARE(layer.expired(), all || removed == "screen" || removed == "layer");
    QCOMPARE(input.expired(), all || removed == "input");
    QCOMPARE(output.expired(), all || removed == "output");
    QCOMPARE(file.expired(), all || removed == "file");
    if (!all) {
        // Selections drop what went.
        QCOMPARE(dev->selectedInputs().size(), removed == "input" ? 0 : 1);
        QCOMPARE(dev->selectedScreen().size(), removed == "screen" ? 0 : 1);
    } else {
        QVERIFY(DeviceList::instance()->activedDevice().expired());
    }
}

void TestDeviceModel::fixtureBuildsDevice()
{
    QSignalSpy activeSpy(DeviceList::instance(), &DeviceList::signalActivedDeviceChanged);
    auto weakDevice = Vireo::Fixture::makeActiveDevice(QStringLiteral("Test rig"));
    QCOMPARE(activeSpy.count(), 1);
    auto dev = DeviceList::instance()->activedDevice().lock();
    QVERIFY(dev);
    QCOMPARE(dev->name(), QStringLiteral("Test rig"));

    dev->addScreen(Enum::Screen::RegularScreen, 1, QStringLiteral("Main"));
    dev->addScreen(Enum::Screen::AUXScreen, 1);
    Screen& mvr = dev->addScreen(Enum::Screen::MVRScreen, 2);
    QVERIFY(std::dynamic_pointer_cast<MVRScreen>(dev->findScreen(Enum::Screen::MVRScreen, 2).lock()));
    QCOMPARE(mvr.index(), 2);
    QCOMPARE(dev->screens(Enum::Screen::RegularScreen | Enum::Screen::AUXScreen).size(), 2);
    QCOMPARE(dev->screens(Enum::Screen::MVRScreen).size(), 1);
    QCOMPARE(dev->findScreen(Enum::Screen::RegularScreen, 1).lock()->name(), QStringLiteral("Main"));

    auto screen = dev->findScreen(Enum::Screen::RegularScreen, 1).lock();
    screen->addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 1, QStringLiteral("Cam"));
    screen->addLayer(Enum::Layer::PVW, Enum::Layer::Regular, 1);
    screen->addLayer(Enum::Layer::PGM, Enum::Layer::BKG, 9).setUsedFile(Enum::File::BKG, 3);
    screen->addLayer(Enum::Layer::PGM, Enum::Layer::MVR, 2).setSelected(true);
    QCOMPARE(
        screen->layerCount(Enum::Layer::AllSceneType, Enum::Layer::Regular | Enum::Layer::AUX | Enum::Layer::MVR), 3);
    QCOMPARE(screen->layers(Enum::Layer::PGM, Enum::Layer::NotImageType).size(), 2);
    QCOMPARE(screen->layers(Enum::Layer::PGM, Enum::Layer::AllLayerType).size(), 3);
    QCOMPARE(screen->selectedLayers().size(), 1);
    QCOMPARE(screen->selectedLayers(Enum::Layer::Regular).size(), 0);
    const auto cam = screen->findLayer(Enum::Layer::PGM, 1).lock();
    QCOMPARE(cam->name(), QStringLiteral("Cam"));
    QCOMPARE(cam->ownerScreen().lock(), screen);
    const auto detail = cam->layerDetail();
    QCOMPARE(int(detail.layerIdenti.layerType), int(Enum::Layer::Regular));
    QCOMPARE(int(detail.layerIdenti.screen.screenId), 1);
    QVERIFY(dev->isFileUsed(Enum::File::BKG, 3));
    QVERIFY(!dev->isFileUsed(Enum::File::BKG, 4));

    // UI index follows the index until set, and restoreDefLayout() brings it back.
    screen->setUiScreenIndex(5);
    QCOMPARE(screen->screenGeneral().index, 5);
    QVERIFY(dev->restoreDefLayout());
    QCOMPARE(screen->getUiScreenIndex(), screen->index());

    dev->setActivedScreen(screen);
    dev->appendViewingScreen(screen, true);
    dev->appendViewingScreen(screen, true);
    QCOMPARE(dev->activedScreen().lock(), screen);
    QCOMPARE(dev->viewingScreen().size(), 1);
    QCOMPARE(dev->nextUserKeyName(), QStringLiteral("User Key001"));
    dev->addUserKey(Vireo::Fixture::userKeyDetail(1, QStringLiteral("User Key001")));
    QCOMPARE(dev->nextUserKeyName(), QStringLiteral("User Key002"));
}

void TestDeviceModel::cutAndFillPair()
{
    Vireo::Fixture::makeActiveDevice();
    Screen& screen = Vireo::Fixture::activeDevice()->addScreen(Enum::Screen::RegularScreen, 1);
    Layer& fill = screen.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 3);
    Layer& cut = screen.addCutLayer(fill, 4);
    QVERIFY(cut.isCutLayer());
    QVERIFY(fill.cutAndFill());
    QVERIFY(fill.isCutLayerEnable());
    QCOMPARE(fill.cutLayer().lock().get(), &cut);
    QCOMPARE(cut.fillLayer().lock().get(), &fill);
    QCOMPARE(int(fill.layerDetail().cutFill.cutLayerId), 4);

    // Removing the fill layer takes its cut layer along.
    const std::weak_ptr<Layer> cutRef = fill.cutLayer();
    QVERIFY(screen.removeLayer(Enum::Layer::PGM, 3));
    QVERIFY(cutRef.expired());
    QCOMPARE(screen.layers(Enum::Layer::AllSceneType, Enum::Layer::AllLayerType).size(), 0);
}

void TestDeviceModel::connectorsSlotsAndUsage()
{
    Vireo::Fixture::makeActiveDevice();
    Device* dev = Vireo::Fixture::activeDevice();
    dev->addSubCard(0, 0x2001);
    Input& input = dev->addInput(0, port(0, 1), Enum::Interface::HDMI_2_0);
    Output& main = dev->addOutput(1, Enum::Interface::MainOutput, port(4, 0), Enum::Interface::DP_1_2);
    Output& aux = dev->addOutput(2, Enum::Interface::AUXOutput, port(5, 0), Enum::Interface::_12G_SDI);
    Output& spare = dev->addOutput(3, Enum::Interface::MainOutput, port(4, 1), Enum::Interface::DP_1_2);

    // A connector record comes with every interface and can be changed or removed.
    auto connector = dev->getConnector(input.interfaceFullId());
    QVERIFY(connector);
    QCOMPARE(int(connector->type), int(Enum::Interface::HDMI_2_0));
    QCOMPARE(int(connector->workMode), int(Enum::Interface::Master));
    dev->setConnector(input.interfaceFullId(), Enum::Interface::NoOutput, Enum::Interface::HDMI_2_0);
    QCOMPARE(int(dev->getConnector(input.interfaceFullId())->workMode), int(Enum::Interface::NoOutput));
    dev->removeConnector(input.interfaceFullId());
    QVERIFY(!dev->getConnector(input.interfaceFullId()));

    QCOMPARE(dev->slot(0)->slotId(), 0);
    QCOMPARE(int(dev->findSlotById(0)->modelId()), 0x2001);
    Vireo::ProtoModel::s_subcardBody body;
    QVERIFY(dev->subcard(input.interfaceFullId(), body));
    QCOMPARE(int(body.modelId), 0x2001);
    QVERIFY(!dev->subcard(main.interfaceFullId(), body));

    dev->addScreen(Enum::Screen::RegularScreen, 1, QStringLiteral("Wall")).addOutput(dev->findOutput(1));
    dev->addScreen(Enum::Screen::AUXScreen, 1).addOutput(dev->findOutput(2));
    QVERIFY(dev->isOutputUsedByScreen(main.interfaceFullId()));
    QVERIFY(!dev->isOutputUsedByAUXScreen(main.interfaceFullId()));
    QVERIFY(dev->isOutputUsedByAUXScreen(aux.interfaceFullId()));
    QVERIFY(!dev->isOutputUsedByScreen(spare.interfaceFullId()));
    QString usedBy;
    QVERIFY(dev->isOutputUsed(main.interfaceFullId(), usedBy));
    QCOMPARE(usedBy, QStringLiteral("Wall"));
    QCOMPARE(dev->findScreenOfUseOutput(dev->findOutput(1)).lock()->name(), QStringLiteral("Wall"));
    QVERIFY(dev->findScreenOfUseOutput(dev->findOutput(3)).expired());
    QCOMPARE(dev->outputs(Enum::Interface::MainOutput | Enum::Interface::AUXOutput).size(), 3);
    QCOMPARE(dev->outputs(Enum::Interface::AUXOutput).size(), 1);

    QVERIFY(dev->isOnline(spare.interfaceFullId()));
    dev->setOnline(spare.interfaceFullId(), false);
    QVERIFY(!dev->isOnline(spare.interfaceFullId()));
    QVERIFY(!dev->isOnline(port(9, 9)));

    dev->setInputListed(0, false);
    QCOMPARE(dev->validInputs().size(), 0);
    QCOMPARE(dev->inputs().size(), 1);
    // Input derives from Interface.
    std::weak_ptr<Interface> asInterface = dev->findInput(0);
    QCOMPARE(asInterface.lock()->connectorTypeName(), Helper::connectorTypeName(Enum::Interface::HDMI_2_0));
}

// The valid inputs are kept between calls; each kind of change must still show in the next answer.
void TestDeviceModel::validInputsFollowEveryChange()
{
    Vireo::Fixture::makeActiveDevice();
    Device* dev = Vireo::Fixture::activeDevice();
    auto keys = [dev] {
        QList<quint32> out;
        for (const auto& input : dev->validInputs())
            out.append(input.lock() ? input.lock()->interfaceId() : 0xFFFFFFFF);
        return out;
    };
    for (quint32 key : {0u, 1u, 2u})
        dev->addInput(key, port(1, int(key)), Enum::Interface::HDMI_2_0);
    QCOMPARE(keys(), (QList<quint32> {0, 1, 2}));
    dev->setInputListed(1, false);
    QCOMPARE(keys(), (QList<quint32> {0, 2}));
    dev->addInput(3, port(1, 3), Enum::Interface::_12G_SDI);
    QCOMPARE(keys(), (QList<quint32> {0, 2, 3}));
    dev->setInputListed(1, true);
    QCOMPARE(keys(), (QList<quint32> {0, 1, 2, 3}));
    QVERIFY(dev->removeInput(2));
    QCOMPARE(keys(), (QList<quint32> {0, 1, 3}));
}

void TestDeviceModel::filesAndCapacity()
{
    Vireo::Fixture::makeActiveDevice();
    Device* dev = Vireo::Fixture::activeDevice();
    dev->addUserKey(Vireo::Fixture::userKeyDetail(3, QStringLiteral("C"), Enum::UserKey::green));
    dev->addUserKey(Vireo::Fixture::userKeyDetail(1, QStringLiteral("A")));
    dev->addImage(Enum::File::BKG, 1, QStringLiteral("Stage"), QImage(40, 20, QImage::Format_RGB32));

    const auto keys = dev->files(Enum::File::UserKeyFile);
    QCOMPARE(keys.size(), 2);
    auto first = std::dynamic_pointer_cast<UserKey>(keys.at(0).lock());
    QVERIFY(first);
    QCOMPARE(first->fileId(), 1);
    QCOMPARE(first->name(), QStringLiteral("A"));
    QVERIFY(!std::dynamic_pointer_cast<Image>(keys.at(0).lock()));
    first->setUserkeyId(2);
    QCOMPARE(int(first->getUserKeyDetail().userKeyId), 2);
    QCOMPARE(dev->findFile(Enum::File::UserKeyFile, 2).lock(), first);

    auto image = std::dynamic_pointer_cast<Image>(dev->findFile(Enum::File::BKG, 1).lock());
    QVERIFY(image);
    QCOMPARE(image->size(), QSize(40, 20));
    QCOMPARE(image->pixmap().size(), QSize(40, 20));
    QVERIFY(dev->isFileNameExist(Enum::File::BKG, QStringLiteral("Stage")));
    QVERIFY(!dev->isFileNameExist(Enum::File::LOGO, QStringLiteral("Stage")));

    // isImageCapacityEnough answers true when the library is FULL; isBKGCapacityEnough when there is room.
    QVERIFY(!dev->isImageCapacityEnough(Enum::File::BKG));
    dev->setImageLimit(Enum::File::BKG, 1);
    QVERIFY(dev->isImageCapacityEnough(Enum::File::BKG));
    QCOMPARE(dev->bkgUsedCapacity(), quint64(40 * 20 * 4));
    dev->setBKGTotalCapacity(4000);
    QVERIFY(dev->isBKGCapacityEnough(4000 - 3200));
    QVERIFY(!dev->isBKGCapacityEnough(4000 - 3200 + 1));
    QVERIFY(!dev->isBKGCapacityEnough(std::numeric_limits<quint64>::max()));
}

void TestDeviceModel::badInputAnswersEmpty()
{
    QVERIFY(DeviceList::instance()->activedDevice().expired());
    QVERIFY(!Vireo::Fixture::activeDevice());
    QVERIFY(!DeviceList::instance()->removeDevice({}));

    Vireo::Fixture::makeActiveDevice();
    Device* dev = Vireo::Fixture::activeDevice();
    QVERIFY(dev->findInput(0xFFFFFFFF).expired());
    QVERIFY(dev->findOutput(7).expired());
    QVERIFY(dev->findScreen(Enum::Screen::RegularScreen, 200).expired());
    QVERIFY(dev->findFile(Enum::File::Invalid, -5).expired());
    QVERIFY(!dev->getConnector(port(-1, -1)));
    QVERIFY(!dev->slot(-1));
    QVERIFY(!dev->slot(100000));
    QVERIFY(!dev->findSlotById(255));
    QVERIFY(dev->findScreenOfUseOutput({}).expired());
    QVERIFY(dev->files(12345).isEmpty());
    QVERIFY(!dev->removeScreen(Enum::Screen::RegularScreen, 9));
    QVERIFY(!dev->removeFile(Enum::File::BKG, 9));

    dev->appendViewingScreen({}, true);
    dev->setSelectedScreens({std::weak_ptr<Screen>()});
    QVERIFY(dev->viewingScreen().isEmpty());
    QVERIFY(dev->selectedScreen().isEmpty());

    Screen& screen = dev->addScreen(Enum::Screen::RegularScreen, 1);
    QVERIFY(screen.findLayer(Enum::Layer::PGM, 99).expired());
    QVERIFY(!screen.removeLayer(Enum::Layer::PVW, 1));
    QVERIFY(screen.outputs().isEmpty());
    screen.addOutput({});
    QVERIFY(screen.outputs().isEmpty());

    QCOMPARE(Helper::realText(nullptr), QString());
    Helper::allCaclThumbnailText(nullptr);
    QCOMPARE(Helper::interfaceCapacityString(Enum::Interface::invaild), QString());
    QCOMPARE(Helper::modelRate2ProtoRate(std::numeric_limits<float>::quiet_NaN()), 0);
}

void TestDeviceModel::signalsOnDemand()
{
    auto dev = Vireo::Fixture::makeActiveDevice();
    File& key = Vireo::Fixture::activeDevice()->addUserKey(Vireo::Fixture::userKeyDetail(1, QStringLiteral("K")));
    const std::weak_ptr<File> keyRef = Vireo::Fixture::activeDevice()->findFile(Enum::File::UserKeyFile, 1);
    QCOMPARE(keyRef.lock().get(), &key);

    QSignalSpy deleteSpy(DeviceList::instance(), &DeviceList::signalDeleteUserKey);
    emit DeviceList::instance()->signalDeleteUserKey(dev, keyRef);
    QCOMPARE(deleteSpy.count(), 1);
    QCOMPARE(deleteSpy.at(0).at(1).value<std::weak_ptr<File>>().lock(), keyRef.lock());

    QSignalSpy captureSpy(DeviceList::instance(), &DeviceList::signalCaptureImage);
    Vireo::ProtoModel::File::s_CreateImageFile record;
    record.fileType = Enum::File::TempFile;
    record.general.name = "Cam-1-Capture";
    record.source.id = 7;
    record.source.type = Enum::File::InputCapture;
    record.source.zoomRatio = 1;
    emit DeviceList::instance()->signalCaptureImage(record);
    QCOMPARE(captureSpy.count(), 1);
    const auto got = captureSpy.at(0).at(0).value<Vireo::ProtoModel::File::s_CreateImageFile>();
    QCOMPARE(got.general.name, std::string("Cam-1-Capture"));
    QCOMPARE(got.source.id, 7u);
    QCOMPARE(got.fileType, int(Enum::File::TempFile));
}

void TestDeviceModel::formatFramerate_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<float>("rate");
    QTest::addColumn<bool>("interlaced");
    QTest::addColumn<QString>("text");
    QTest::newRow("integral") << QSize(1920, 1080) << 60.f << false << "1920x1080@60Hz";
    QTest::newRow("fraction") << QSize(1920, 1080) << 59.94f << true << "1920x1080i@59.94Hz";
    QTest::newRow("one decimal") << QSize(3840, 2160) << 29.5f << false << "3840x2160@29.5Hz";
    QTest::newRow("empty") << QSize() << -3.f << false << "0x0@0Hz";
}

void TestDeviceModel::formatFramerate()
{
    QFETCH(QSize, size);
    QFETCH(float, rate);
    QFETCH(bool, interlaced);
    QFETCH(QString, text);
    QCOMPARE(Helper::formatFramerate(size, rate, interlaced), text);
    QCOMPARE(Helper::protoRate2ModelRate(Helper::modelRate2ProtoRate(59.94f)), 59.94f);
    QCOMPARE(Helper::getSlotDescription(0x2001, 2, false), QStringLiteral("Slot 3"));
}

void TestDeviceModel::edidRoundTripAndChosenFailure()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Vireo::Utils::EDIDTiming timing;
    timing.horActive = 1920;
    timing.horFrontPorch = 88;
    timing.horSync = 44;
    timing.horTotal = 2200;
    timing.verActive = 1080;
    timing.verFrontPorch = 4;
    timing.verSync = 5;
    timing.verTotal = 1125;
    timing.verPolarity = 1;
    timing.refresh = 60.f;
    const QString path = dir.filePath(QStringLiteral("1080p.bin"));

    Vireo::Utils::EDIDHelper writer;
    QString error;
    QVERIFY2(writer.writeEDID(path, &error, timing), qPrintable(error));
    QCOMPARE(QFileInfo(path).size(), 256);

    Vireo::Utils::EDIDHelper reader;
    QVERIFY2(reader.readEDID(path, &error), qPrintable(error));
    const auto read = reader.detailedTimingInfomation();
    QCOMPARE(read.horActive, 1920);
    QCOMPARE(read.horFrontPorch, 88);
    QCOMPARE(read.horSync, 44);
    QCOMPARE(read.verTotal, 1125);
    QCOMPARE(read.horPolarity, 0);
    QCOMPARE(read.verPolarity, 1);
    QCOMPARE(read.refresh, 60.f);
    QCOMPARE(read.pixelClock, quint64(148500000));

    // A damaged image is refused with a reason; a chosen failure is reported with the chosen text.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    file.seek(60);
    file.write("\x7f", 1);
    file.close();
    QVERIFY(!reader.readEDID(path, &error));
    QVERIFY(error.contains(QStringLiteral("checksum")));
    Vireo::Fixture::setCommandResult(QStringLiteral("EDIDHelper::writeEDID"), false, QStringLiteral("disk full"));
    QVERIFY(!writer.writeEDID(path, &error, timing));
    QCOMPARE(error, QStringLiteral("disk full"));
    QCOMPARE(Vireo::Fixture::commandNames(),
        QStringList(
            {"EDIDHelper::writeEDID", "EDIDHelper::readEDID", "EDIDHelper::readEDID", "EDIDHelper::writeEDID"}));
    QVERIFY(!reader.readEDID(dir.filePath(QStringLiteral("missing.bin")), &error));
    timing.horTotal = 1000; // smaller than the active width: no valid EDID
    Vireo::Fixture::clearCommandResults();
    QVERIFY(!writer.writeEDID(path, &error, timing));
}

void TestDeviceModel::iconsThemeAndDrives()
{
    QVERIFY(Vireo::Utils::Theme::instance()->values().isEmpty());
    Vireo::Utils::Theme::instance()->setValue(QStringLiteral("color_text"), QStringLiteral("#ffffff"));
    QCOMPARE(Vireo::Utils::Theme::instance()->values().value(QStringLiteral("color_text")).toString(),
        QStringLiteral("#ffffff"));

    for (const QString& name : {QStringLiteral("icon_forbidden"), QStringLiteral("pattern_grid_big"), QString()}) {
        const QString file = Vireo::Utils::Icon::imageFileName(name);
        QVERIFY2(!QImage(file).isNull(), qPrintable(name));
        QVERIFY(!Vireo::Utils::Icon::fromTheme(name, QString()).isNull());
    }
    QCOMPARE(QImage(Vireo::Utils::Icon::imageFileName(QStringLiteral("pattern_grid_big"))).size(), QSize(200, 150));

    QTemporaryDir drives;
    QVERIFY(QDir(drives.path()).mkdir(QStringLiteral("sdb1")));
    Vireo::Utils::UDiskWatcher watcher;
    QSignalSpy spy(&watcher, &Vireo::Utils::UDiskWatcher::signalUDiskChanged);
    QTRY_COMPARE(spy.count(), 1); // the first scan always reports
    QVERIFY(watcher.udiskPorts().isEmpty());
    Vireo::Utils::UDiskWatcher::setDriveFolder(drives.path());
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(watcher.udiskPorts().size(), 1);
    QCOMPARE(watcher.udiskPorts().at(0).first, QStringLiteral("sdb1"));
    watcher.refreshUDisk(); // nothing changed: no signal
    QCOMPARE(spy.count(), 2);
    QCOMPARE(Vireo::Utils::UDiskWatcher::refreshCount(), 1);
}

void TestDeviceModel::interfaceConfigLookups()
{
    auto* config = InterfaceConfig::instance();
    s_ConnectorInfo info;
    QVERIFY(config->findConnectorInfo(Enum::Interface::_SL, 1, Enum::Interface::HDMI_2_0, info));
    QCOMPARE(int(info.m_eType), int(Enum::Interface::HDMI_2_0));
    // The presets a single-link input may offer: iCapacity within mask 1, card type 0 or 1.
    int slInputPresets = 0;
    bool has4K = false;
    for (const auto& entry : info.m_listPredefinedResolutionRatio) {
        if ((entry.iCardType == 0 || entry.iCardType == 1) &&
            entry.iCapacity <= InterfaceConfig::capacitySupportMask(Enum::Interface::_SL))
            ++slInputPresets;
        has4K = has4K || entry.PixelFormat == QSize(3840, 2160);
    }
    QVERIFY(slInputPresets >= 10);
    QVERIFY(has4K);
    QVERIFY(!config->findConnectorInfo(Enum::Interface::invaild, 1, Enum::Interface::HDMI_2_0, info));

    s_ConnectorCapacity cap;
    QVERIFY(
        config->findConnectorCapacity(Enum::Interface::_4K, Enum::Interface::MainOutput, Enum::Interface::DP_1_2, cap));
    QCOMPARE(cap.maxBandwidth, 600000000u);
    s_CardConnector card;
    QVERIFY(config->CardConnectorInfo(0x2001, Enum::Interface::HDMI_1_4, card));
    QCOMPARE(card.Step, -1);
    QVERIFY(config->IsSupportFormatMapping(0x2004));
    QSize minSize, maxSize;
    QVERIFY(config->findResolutionRange(Enum::Interface::_3G_SDI, minSize, maxSize));
    QCOMPARE(maxSize, QSize(1920, 1080));

    config->clear();
    QVERIFY(
        !config->findConnectorCapacity(Enum::Interface::_SL, Enum::Interface::Input, Enum::Interface::HDMI_1_4, cap));
    QVERIFY(!config->CardConnectorInfo(0x2001, Enum::Interface::HDMI_1_4, card));
    QVERIFY(!config->findResolutionRange(Enum::Interface::_3G_SDI, minSize, maxSize));
    QVERIFY(config->connectorInfoList().isEmpty());
    Vireo::Fixture::reset();
    QVERIFY(!config->connectorInfoList().isEmpty());
}

QTEST_MAIN(TestDeviceModel)
#include "tst_devicemodel.moc"
