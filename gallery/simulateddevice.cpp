#include "simulateddevice.h"

#include <vireomodel/devicelist.h>
#include <vireomodel/fixture.h>

#include <QLinearGradient>
#include <QPainter>

namespace Vireo::Gallery {

namespace {

namespace E = Vireo::BizModel::Enum;
using Vireo::BizModel::Device;
using Vireo::ProtoModel::s_InterfaceID;

s_InterfaceID port(int slot, int connector)
{
    s_InterfaceID id;
    id.slotId = slot;
    id.connectorId = connector;
    return id;
}

QImage makePicture(const QSize& size, const QColor& from, const QColor& to, const QString& caption)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(image.rect(), gradient);
    painter.setPen(QColor(255, 255, 255, 200));
    QFont font = painter.font();
    font.setPixelSize(qMax(10, size.height() / 6));
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, caption);
    return image;
}

} // namespace

SimulatedDevice::SimulatedDevice(QObject* parent)
    : QObject(parent)
{
    Vireo::Fixture::setLiveMode(true);
    build();
    buildUserKeys();
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, [this]() {
        ++m_frame;
        emit tick();
    });
    m_timer.start();
}

SimulatedDevice::~SimulatedDevice()
{
    Vireo::BizModel::DeviceList::instance()->removeDevice(m_device);
}

void SimulatedDevice::build()
{
    m_device = Vireo::Fixture::makeActiveDevice(QStringLiteral("Simulated Processor"));
    auto device = m_device.lock();
    if (!device)
        return;
    Device& dev = *device;
    // Fill quietly: pages read the finished model when they are built.
    const QSignalBlocker blocker(&dev);

    dev.setModelId(0x1001);
    dev.setLocalAddress(QStringLiteral("192.168.1.20"), 5000);
    Vireo::ProtoModel::DeviceClientInfo self;
    self.ip = {192, 168, 1, 20};
    self.port = 5000;
    Vireo::ProtoModel::DeviceClientInfo other;
    other.ip = {192, 168, 1, 35};
    other.port = 5000;
    dev.setClientControlList({self, other});

    // Input cards: HDMI, DP, DVI and SDI, six connectors each.
    struct CardPlan
    {
        quint16 modelId;
        QString prefix;
        int connectors[6];
    };
    const CardPlan inputCards[] = {
        {0x2001, QStringLiteral("HDMI"),
            {E::Interface::HDMI_2_0, E::Interface::HDMI_2_0, E::Interface::HDMI_1_4, E::Interface::HDMI_1_4,
                E::Interface::HDMI_1_4, E::Interface::HDMI_1_3}},
        {0x2002, QStringLiteral("DP"),
            {E::Interface::DP_1_2, E::Interface::DP_1_2, E::Interface::DP_1_2, E::Interface::Dual_Link_DP_1_1,
                E::Interface::Single_Link_DP_1_1, E::Interface::Single_Link_DP_1_1}},
        {0x2003, QStringLiteral("DVI"),
            {E::Interface::Dual_Link_DVI, E::Interface::Dual_Link_DVI, E::Interface::Single_Link_DVI,
                E::Interface::Single_Link_DVI, E::Interface::Single_Link_DVI, E::Interface::Single_Link_DVI}},
        {0x2004, QStringLiteral("SDI"),
            {E::Interface::_12G_SDI, E::Interface::_12G_SDI, E::Interface::_6G_SDI, E::Interface::_3G_SDI,
                E::Interface::_3G_SDI, E::Interface::_3G_SDI}},
    };
    const QString niceNames[] = {QStringLiteral("Camera 1"), QStringLiteral("Camera 2"), QStringLiteral("Laptop"),
        QStringLiteral("Media Server"), QStringLiteral("Graphics"), QStringLiteral("Backup PC")};
    quint32 inputId = 0;
    for (int slot = 0; slot < 4; ++slot) {
        const CardPlan& card = inputCards[slot];
        dev.addSubCard(quint8(slot), card.modelId, 6);
        for (int c = 0; c < 6; ++c, ++inputId) {
            const int type = card.connectors[c];
            const QString name = slot == 0 ? niceNames[c] : QStringLiteral("%1-%2").arg(card.prefix).arg(c + 1);
            auto& input = dev.addInput(inputId, port(slot, c), type, name);
            const bool uhd =
                type == E::Interface::HDMI_2_0 || type == E::Interface::DP_1_2 || type == E::Interface::_12G_SDI;
            const bool dual = type == E::Interface::Dual_Link_DVI || type == E::Interface::Dual_Link_DP_1_1 ||
                type == E::Interface::HDMI_1_4;
            input.setCapacity(uhd ? E::Interface::_4K : (dual ? E::Interface::_DL : E::Interface::_SL));
            if (uhd)
                input.setSignal(QSize(3840, 2160), 30.f, false);
            else if (type == E::Interface::_3G_SDI && c == 4)
                input.setSignal(QSize(1920, 1080), 59.94f, true);
            else
                input.setSignal(QSize(1920, 1080), c % 2 ? 50.f : 60.f, false);
            input.setPresetTiming(input.getFrameRate(), input.getRefreshRate(), input.actualInterlacing());
            if (type == E::Interface::_3G_SDI)
                input.setFormatMapping(E::Interface::Level_A);
        }
    }
    // Some inputs have no signal, one exceeds its bandwidth, one connector is switched off.
    for (quint32 id : {5u, 11u, 17u, 22u}) {
        if (auto input = dev.findInput(id).lock())
            input->setActive(false);
    }
    if (auto input = dev.findInput(3).lock())
        input->setOverLoad(true);
    if (auto input = dev.findInput(9).lock())
        dev.setConnector(input->interfaceFullId(), E::Interface::NoOutput, input->connectorType());

    // Output cards: eight main HDMI, four AUX SDI plus two main DVI, two MVR.
    dev.addSubCard(4, 0x3001, 8);
    dev.addSubCard(5, 0x3004, 6);
    dev.addSubCard(6, 0x3005, 2);
    quint32 outputId = 0;
    for (int c = 0; c < 8; ++c, ++outputId) {
        auto& output = dev.addOutput(outputId, E::Interface::MainOutput, port(4, c),
            c < 4 ? E::Interface::HDMI_1_4 : E::Interface::DP_1_2, QStringLiteral("Main %1").arg(c + 1));
        output.setCapacity(c < 4 ? E::Interface::_DL : E::Interface::_4K);
        output.setPresetTiming(QSize(1920, 1080), 60.f, false);
    }
    for (int c = 0; c < 4; ++c, ++outputId) {
        auto& output = dev.addOutput(
            outputId, E::Interface::AUXOutput, port(5, c), E::Interface::_12G_SDI, QStringLiteral("AUX %1").arg(c + 1));
        output.setCapacity(E::Interface::_4K);
        output.setPresetTiming(QSize(1920, 1080), 50.f, false);
        output.setFormatMapping(E::Interface::Level_B);
    }
    for (int c = 4; c < 6; ++c, ++outputId) {
        auto& output = dev.addOutput(outputId, E::Interface::MainOutput, port(5, c), E::Interface::Dual_Link_DVI,
            QStringLiteral("DVI %1").arg(c - 3));
        output.setCapacity(E::Interface::_DL);
        output.setPresetTiming(QSize(2560, 1440), 60.f, false);
    }
    for (int c = 0; c < 2; ++c, ++outputId) {
        auto& output = dev.addOutput(
            outputId, E::Interface::MVROutput, port(6, c), E::Interface::HDMI_2_0, QStringLiteral("MVR %1").arg(c + 1));
        output.setCapacity(E::Interface::_4K);
        output.setPresetTiming(QSize(3840, 2160), 60.f, false);
    }
    // Main 8 backs up Main 1; AUX 4 is unplugged.
    if (auto output = dev.findOutput(7).lock())
        dev.setConnector(output->interfaceFullId(), E::Interface::Backup, output->connectorType());
    if (auto output = dev.findOutput(11).lock())
        dev.setOnline(output->interfaceFullId(), false);

    // Stored pictures.
    auto& stage = dev.addImage(E::File::BKG, 1, QStringLiteral("Stage"),
        makePicture(QSize(320, 180), QColor(20, 40, 120), QColor(200, 60, 140), QStringLiteral("Stage")));
    stage.setSize(QSize(1920, 1080));
    auto& sky = dev.addImage(E::File::BKG, 2, QStringLiteral("Blue Sky"),
        makePicture(QSize(320, 180), QColor(30, 120, 220), QColor(220, 240, 255), QStringLiteral("Sky")));
    sky.setSize(QSize(3840, 2160));
    auto& logo = dev.addImage(E::File::LOGO, 1, QStringLiteral("Logo"),
        makePicture(QSize(256, 128), QColor(240, 140, 20), QColor(250, 210, 40), QStringLiteral("LOGO")));
    Q_UNUSED(logo);
    dev.addImage(E::File::LOGO, 2, QStringLiteral("Watermark"),
        makePicture(QSize(256, 128), QColor(60, 60, 60), QColor(160, 160, 160), QStringLiteral("WM")));

    // Screens.
    auto& main = dev.addScreen(E::Screen::RegularScreen, 1, QStringLiteral("Main LED"));
    main.setMosaicWindowRect(QRect(0, 0, 3840, 1080));
    for (quint32 id : {0u, 1u, 2u, 3u})
        main.addOutput(dev.findOutput(id));
    auto& side = dev.addScreen(E::Screen::RegularScreen, 2, QStringLiteral("Side Wall"));
    side.setMosaicWindowRect(QRect(0, 0, 1920, 1080));
    side.addOutput(dev.findOutput(4));
    side.addOutput(dev.findOutput(5));
    auto& aux = dev.addScreen(E::Screen::AUXScreen, 1, QStringLiteral("AUX Monitor"));
    aux.setMosaicWindowRect(QRect(0, 0, 1920, 1080));
    aux.addOutput(dev.findOutput(8));
    aux.addOutput(dev.findOutput(9));
    auto& mvr = dev.addScreen(E::Screen::MVRScreen, 1, QStringLiteral("Multiviewer"));
    mvr.setMosaicWindowRect(QRect(0, 0, 3840, 2160));
    mvr.addOutput(dev.findOutput(14));

    auto sourced = [](Vireo::BizModel::Layer& layer, quint32 inputId, const QRect& window) {
        auto detail = layer.layerDetail();
        detail.source.sourceId = inputId;
        detail.window = {window.x(), window.y(), window.width(), window.height()};
        detail.opacity = 100;
        layer.setLayerDetail(detail);
    };
    for (int scene : {int(E::Layer::PGM), int(E::Layer::PVW)}) {
        const QString tag = scene == E::Layer::PGM ? QStringLiteral("PGM") : QStringLiteral("PVW");
        auto& bkg = main.addLayer(scene, E::Layer::BKG, 10, QStringLiteral("Background"));
        bkg.setUsedFile(E::File::BKG, 1);
        sourced(main.addLayer(scene, E::Layer::Regular, 1, QStringLiteral("Camera 1 %1").arg(tag)), 0,
            QRect(0, 0, 1920, 1080));
        sourced(main.addLayer(scene, E::Layer::Regular, 2, QStringLiteral("Laptop %1").arg(tag)), 2,
            QRect(1920, 0, 1920, 1080));
        auto& logoLayer = main.addLayer(scene, E::Layer::Logo, 11, QStringLiteral("Logo"));
        logoLayer.setUsedFile(E::File::LOGO, 1);
        sourced(side.addLayer(scene, E::Layer::Regular, 1, QStringLiteral("Media %1").arg(tag)), 3,
            QRect(0, 0, 1920, 1080));
    }
    // One cut-and-fill pair on the main screen's program.
    auto& fill = main.addLayer(E::Layer::PGM, E::Layer::Regular, 3, QStringLiteral("Graphics Fill"));
    sourced(fill, 4, QRect(200, 100, 1280, 720));
    main.addCutLayer(fill, 4, true);
    sourced(aux.addLayer(E::Layer::PGM, E::Layer::AUX, 1, QStringLiteral("AUX Feed")), 1, QRect(0, 0, 1920, 1080));
    for (quint8 i = 1; i <= 4; ++i) {
        sourced(mvr.addLayer(E::Layer::PGM, E::Layer::MVR, i, QStringLiteral("MVR Window %1").arg(i)), i - 1,
            QRect((i - 1) % 2 * 1920, (i - 1) / 2 * 1080, 1920, 1080));
    }
    if (auto first = main.findLayer(E::Layer::PGM, 1).lock())
        first->setSelected(true);

    // User keys made from the main screen's layers.
    const QString keyNames[] = {
        QStringLiteral("Camera PiP"), QStringLiteral("Full Laptop"), QStringLiteral("Lower Third")};
    const int keyColours[] = {E::UserKey::blue, E::UserKey::orange, E::UserKey::green};
    for (quint8 k = 0; k < 3; ++k) {
        auto detail = Vireo::Fixture::userKeyDetail(k + 1, keyNames[k], keyColours[k]);
        if (auto layer = main.findLayer(E::Layer::PGM, k + 1).lock()) {
            detail.layerFullDetail = layer->layerDetail();
            if (auto cut = layer->cutLayer().lock()) {
                detail.cutLayerFullDetail = cut->layerDetail();
                detail.bLayerCutFillBody = true;
            }
        }
        detail.bLayerSourcesBody = true;
        detail.bLayerRectBody = true;
        detail.bLayerPosBody = k != 1;
        detail.bLayerBorderBody = k == 2;
        dev.addUserKey(detail);
    }

    // Selections.
    dev.setSelectedInputs({dev.findInput(0)});
    dev.setSelectedOutputs({dev.findOutput(0)});
    const std::weak_ptr<Vireo::BizModel::Screen> mainRef = dev.findScreen(E::Screen::RegularScreen, 1);
    dev.setSelectedScreens({mainRef});
    dev.setActivedScreen(mainRef);
    dev.setViewingScreens({mainRef, dev.findScreen(E::Screen::RegularScreen, 2)});
}

void SimulatedDevice::buildUserKeys()
{
    auto device = m_device.lock();
    if (!device)
        return;
    namespace E = Vireo::BizModel::Enum;
    const QSignalBlocker blocker(device.get());
    auto main = device->findScreen(E::Screen::RegularScreen, 1).lock();
    struct KeySpec
    {
        const char* name;
        int colour;
        quint8 layerId;
    };
    const KeySpec specs[] = {{"Side By Side", E::UserKey::yellow, 2}, {"Corner Logo", E::UserKey::cyan, 1},
        {"Full Screen", E::UserKey::darkblue, 1}, {"Picture In Picture", E::UserKey::purple, 2},
        {"Blackout", E::UserKey::black, 3}};
    // After the three keys that build() makes.
    quint8 number = quint8(device->files(E::File::UserKeyFile).size());
    for (const KeySpec& spec : specs) {
        auto detail = Vireo::Fixture::userKeyDetail(++number, QString::fromLatin1(spec.name), spec.colour);
        if (auto layer = main ? main->findLayer(E::Layer::PGM, spec.layerId).lock() : nullptr)
            detail.layerFullDetail = layer->layerDetail();
        detail.bLayerSourcesBody = true;
        detail.bLayerRectBody = true;
        detail.bLayerPosBody = true;
        detail.bLayerBorderBody = spec.colour == E::UserKey::purple;
        detail.bLayerColorBody = spec.colour == E::UserKey::black;
        device->addUserKey(detail);
    }
}

QImage SimulatedDevice::drawPattern(const QSize& size, const QString& text, int seed) const
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    static const QColor bars[] = {Qt::white, Qt::yellow, Qt::cyan, Qt::green, Qt::magenta, Qt::red, Qt::blue};
    const int barsHeight = size.height() * 2 / 3;
    for (int i = 0; i < 7; ++i) {
        const int x0 = size.width() * i / 7;
        const int x1 = size.width() * (i + 1) / 7;
        painter.fillRect(QRect(x0, 0, x1 - x0, barsHeight), bars[i].darker(115));
    }
    QLinearGradient ramp(0, 0, size.width(), 0);
    ramp.setColorAt(0, Qt::black);
    ramp.setColorAt(1, Qt::white);
    painter.fillRect(QRect(0, barsHeight, size.width(), size.height() - barsHeight), ramp);

    const int box = qMax(4, size.height() / 5);
    const int travel = qMax(1, size.width() - box);
    const int step = (m_frame * 7 + seed * 53) % (2 * travel);
    const int x = step < travel ? step : 2 * travel - step;
    painter.fillRect(QRect(x, (size.height() - box) / 2, box, box), QColor(20, 20, 20));
    painter.setPen(Qt::white);
    painter.drawRect(QRect(x, (size.height() - box) / 2, box - 1, box - 1));

    if (!text.isEmpty() && size.height() >= 16) {
        QFont font = painter.font();
        font.setPixelSize(qMax(8, size.height() / 8));
        font.setBold(true);
        painter.setFont(font);
        const QRect band(0, size.height() - font.pixelSize() * 2, size.width(), font.pixelSize() * 2);
        painter.fillRect(band, QColor(0, 0, 0, 150));
        painter.drawText(band, Qt::AlignCenter, text);
    }
    return image;
}

bool SimulatedDevice::readScreenFrame(
    std::weak_ptr<Vireo::BizModel::Screen> screen, int sceneType, const QSize& size, QImage& frame)
{
    auto target = screen.lock();
    if (!target || size.width() <= 0 || size.height() <= 0)
        return false;
    const QString scene = sceneType == E::Layer::PVW ? QStringLiteral("PVW") : QStringLiteral("PGM");
    frame = drawPattern(size, QStringLiteral("%1 %2").arg(target->name(), scene),
        target->screenId() * 3 + target->screenType() + (sceneType == E::Layer::PVW ? 1 : 0));
    return true;
}

bool SimulatedDevice::readInputFrame(std::weak_ptr<Vireo::BizModel::Input> input, const QSize& size, QImage& frame)
{
    auto target = input.lock();
    if (!target || !target->isActive() || size.width() <= 0 || size.height() <= 0)
        return false;
    frame = drawPattern(size, target->name(), int(target->interfaceId()) + 11);
    return true;
}

} // namespace Vireo::Gallery
