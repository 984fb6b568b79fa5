#include "common/testsupport.h"

#include <vireowidgets/foundation/pressedresource.h>

#include <vireomodel/devicelist.h>
#include <vireomodel/fixture.h>

#include <QTest>

using namespace Vireo::BizModel;
using Vireo::Widgets::Internal::PressedResource;
using Vireo::Widgets::Internal::ResourceIdentity;
namespace Fixture = Vireo::Fixture;
namespace Internal = Vireo::Widgets::Internal;

class tst_PressedResource : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layerIdentity_data();
    void layerIdentity();
    void screenAndInterfaceIdentity();
    void pressIsValidForItsPressOnly();
};

void tst_PressedResource::init()
{
    Fixture::reset();
    Fixture::makeActiveDevice();
    Device* device = Fixture::activeDevice();
    for (quint8 id = 1; id <= 2; ++id) {
        Screen& screen = device->addScreen(Enum::Screen::RegularScreen, id);
        screen.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 1, QStringLiteral("one"));
        screen.addLayer(Enum::Layer::PVW, Enum::Layer::Regular, 1, QStringLiteral("one"));
    }
    device->addInput(3, {0, 3, 0}, Enum::Interface::HDMI_1_4, QStringLiteral("In 4"));
}

void tst_PressedResource::cleanup()
{
    Fixture::reset();
}

namespace {

std::weak_ptr<Layer> layerOf(quint8 screenId, int scene)
{
    const auto screen = Fixture::activeDevice()->findScreen(Enum::Screen::RegularScreen, screenId).lock();
    return screen ? screen->layers(scene, Enum::Layer::AllLayerType).value(0) : std::weak_ptr<Layer>();
}

std::weak_ptr<Device> active()
{
    return DeviceList::instance()->activedDevice();
}

} // namespace

void tst_PressedResource::layerIdentity_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("same");
    QTest::newRow("nothing") << "none" << true;
    QTest::newRow("removed and added again with its number") << "readd" << true;
    QTest::newRow("same number on another screen") << "screen" << false;
    QTest::newRow("same number in the other scene") << "scene" << false;
    QTest::newRow("removed") << "remove" << false;
    QTest::newRow("device pulled and plugged back") << "device" << false;
}

// A layer is named by its device, screen, scene, number and type; a new object with all of these
// is the same layer to the device.
void tst_PressedResource::layerIdentity()
{
    QFETCH(QString, change);
    QFETCH(bool, same);
    const std::weak_ptr<Device> device = active();
    const ResourceIdentity pressed = Internal::layerIdentity(device, layerOf(1, Enum::Layer::PGM));
    QVERIFY(pressed.isValid());

    std::weak_ptr<Device> nowDevice = device;
    std::weak_ptr<Layer> now = layerOf(1, Enum::Layer::PGM);
    if (change == "readd") {
        auto screen = Fixture::activeDevice()->findScreen(Enum::Screen::RegularScreen, 1).lock();
        QVERIFY(screen->removeLayer(Enum::Layer::PGM, 1));
        screen->addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 1, QStringLiteral("again"));
        now = layerOf(1, Enum::Layer::PGM);
    } else if (change == "screen") {
        now = layerOf(2, Enum::Layer::PGM);
    } else if (change == "scene") {
        now = layerOf(1, Enum::Layer::PVW);
    } else if (change == "remove") {
        QVERIFY(Fixture::activeDevice()
                    ->findScreen(Enum::Screen::RegularScreen, 1)
                    .lock()
                    ->removeLayer(Enum::Layer::PGM, 1));
    } else if (change == "device") {
        QVERIFY(Fixture::removeActiveDevice());
        Fixture::makeActiveDevice();
        Fixture::activeDevice()
            ->addScreen(Enum::Screen::RegularScreen, 1)
            .addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 1, QStringLiteral("one"));
        nowDevice = active();
        now = layerOf(1, Enum::Layer::PGM);
    }
    const ResourceIdentity current = Internal::layerIdentity(nowDevice, now);
    QCOMPARE(current == pressed, same);
    QCOMPARE(current != pressed, !same);
}

void tst_PressedResource::screenAndInterfaceIdentity()
{
    const std::weak_ptr<Device> device = active();
    const auto screen1 = Fixture::activeDevice()->findScreen(Enum::Screen::RegularScreen, 1);
    const auto screen2 = Fixture::activeDevice()->findScreen(Enum::Screen::RegularScreen, 2);
    QVERIFY(Internal::screenIdentity(device, screen1, Enum::Layer::PGM) ==
        Internal::screenIdentity(device, screen1, Enum::Layer::PGM));
    QVERIFY(Internal::screenIdentity(device, screen1, Enum::Layer::PGM) !=
        Internal::screenIdentity(device, screen1, Enum::Layer::PVW));
    QVERIFY(Internal::screenIdentity(device, screen1, Enum::Layer::PGM) !=
        Internal::screenIdentity(device, screen2, Enum::Layer::PGM));

    const auto input = Fixture::activeDevice()->findInput(3);
    const ResourceIdentity asInput = Internal::interfaceIdentity(ResourceIdentity::Input, device, input);
    QCOMPARE(asInput.key, 3u);
    QVERIFY(asInput != Internal::interfaceIdentity(ResourceIdentity::Output, device, input));
    Fixture::activeDevice()->removeInput(3);
    QVERIFY(!Internal::interfaceIdentity(ResourceIdentity::Input, device, input).isValid());
}

void tst_PressedResource::pressIsValidForItsPressOnly()
{
    const ResourceIdentity layer = Internal::layerIdentity(active(), layerOf(1, Enum::Layer::PGM));
    const ResourceIdentity other = Internal::layerIdentity(active(), layerOf(2, Enum::Layer::PGM));
    PressedResource pressed;
    QVERIFY(!pressed.isCurrent(0));
    pressed.record(layer, 7);
    QVERIFY(pressed.isCurrent(7));
    QVERIFY(pressed.matches(layer, 7));
    QVERIFY(!pressed.matches(other, 7));
    QVERIFY(!pressed.matches(layer, 8)); // a later press
    QVERIFY(!pressed.matches(ResourceIdentity(), 7));
    pressed.clear();
    QVERIFY(!pressed.matches(layer, 7));
    // Nothing pressed (an expired object) never matches an expired object either.
    pressed.record(ResourceIdentity(), 9);
    QVERIFY(!pressed.isCurrent(9));
    QVERIFY(!pressed.matches(ResourceIdentity(), 9));
}

QTEST_MAIN(tst_PressedResource)
#include "tst_pressedresource.moc"
