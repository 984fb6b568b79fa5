#include "simulateddevice.h"

#include <vireomodel/devicelist.h>
#include <vireomodel/fixture.h>

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

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
    buildTakeOver();
    addCaptureData();
    addGalleryPictures();
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

void SimulatedDevice::buildTakeOver()
{
    auto device = m_device.lock();
    if (!device)
        return;
    // A second control client holds the processor when the gallery starts; taking over succeeds
    // after a moment (the stand-in's live mode answers the control request).
    const QSignalBlocker blocker(device.get());
    Vireo::ProtoModel::DeviceClientInfo other;
    other.ip = {192, 168, 1, 35};
    other.port = 5000;
    Vireo::ProtoModel::DeviceClientInfo console;
    console.ip = {192, 168, 1, 52};
    console.port = 5010;
    Vireo::ProtoModel::DeviceClientInfo self;
    self.ip = {192, 168, 1, 20};
    self.port = 5000;
    device->setClientControlList({other, console, self});
    device->setMasterControl(false);
}

void SimulatedDevice::handControlToOtherClient()
{
    buildTakeOver();
    emit Vireo::BizModel::DeviceList::instance()->signalDeviceMasterControlStatusChanged(m_device);
}

void SimulatedDevice::buildUserKeys()
{
    auto device = m_device.lock();
    if (!device)
        return;
    namespace E = Vireo::BizModel::Enum;
    const QSignalBlocker blocker(device.get());
    auto main = device->findScreen(E::Screen::RegularScreen, 1).lock();
    struct KeyPlan
    {
        const char* name;
        int colour;
        quint8 layerId;
    };
    const KeyPlan plans[] = {{"Side By Side", E::UserKey::yellow, 2}, {"Corner Logo", E::UserKey::cyan, 1},
        {"Full Screen", E::UserKey::darkblue, 1}, {"Picture In Picture", E::UserKey::purple, 2},
        {"Blackout", E::UserKey::black, 3}};
    // After the three keys that build() makes.
    quint8 number = quint8(device->files(E::File::UserKeyFile).size());
    for (const KeyPlan& plan : plans) {
        auto detail = Vireo::Fixture::userKeyDetail(++number, QString::fromLatin1(plan.name), plan.colour);
        if (auto layer = main ? main->findLayer(E::Layer::PGM, plan.layerId).lock() : nullptr)
            detail.layerFullDetail = layer->layerDetail();
        detail.bLayerSourcesBody = true;
        detail.bLayerRectBody = true;
        detail.bLayerPosBody = true;
        detail.bLayerBorderBody = plan.colour == E::UserKey::purple;
        detail.bLayerColorBody = plan.colour == E::UserKey::black;
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

// Capture, crop and thumbnail pages: a material store with a budget that a large picture exceeds,
// and a matting pick point on the selected input.
void SimulatedDevice::addCaptureData()
{
    auto device = m_device.lock();
    if (!device)
        return;
    const QSignalBlocker blocker(device.get());
    // 80 MiB of BKG memory, about half of it used by the stored pictures: a 6000 x 3000 picture
    // needs cutting or scaling, a captured 1920 x 1080 still fits.
    device->setBKGTotalCapacity(80ull * 1024 * 1024);
    device->setImageLimit(E::File::BKG, 64);
    device->setImageLimit(E::File::OSD, 64);
    if (auto input = device->findInput(0).lock())
        input->setPickPoint(QPoint(2600, 700));
}

// More stored pictures for the gallery page, drawn by code: skies, patterns and logos of
// different sizes (the main screen's layers already show "Stage" and "Logo").
void SimulatedDevice::addGalleryPictures()
{
    auto device = m_device.lock();
    if (!device)
        return;
    const QSignalBlocker blocker(device.get());
    // 80 MiB of BKG memory, about half of it used by the stored pictures: a 6000 x 3000 picture
    // needs cutting or scaling, a captured 1920 x 1080 still fits.
    device->setBKGTotalCapacity(80ull * 1024 * 1024);
    device->setImageLimit(E::File::BKG, 64);
    device->setImageLimit(E::File::OSD, 64);
    if (auto input = device->findInput(0).lock())
        input->setPickPoint(QPoint(2600, 700));

    auto draw = [](const QSize& size, int kind, const QColor& a, const QColor& b) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        switch (kind) {
        case 0: { // sunset: sky, sun and hills
            QLinearGradient sky(0, 0, 0, size.height());
            sky.setColorAt(0, a);
            sky.setColorAt(1, b);
            painter.fillRect(image.rect(), sky);
            painter.setBrush(QColor(255, 220, 120));
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(
                QPointF(size.width() * 0.65, size.height() * 0.55), size.height() * 0.18, size.height() * 0.18);
            painter.setBrush(QColor(30, 25, 45));
            QPolygonF hills;
            hills << QPointF(0, size.height()) << QPointF(0, size.height() * 0.7)
                  << QPointF(size.width() * 0.3, size.height() * 0.6)
                  << QPointF(size.width() * 0.6, size.height() * 0.78) << QPointF(size.width(), size.height() * 0.62)
                  << QPointF(size.width(), size.height());
            painter.drawPolygon(hills);
            break;
        }
        case 1: { // checkerboard
            const int cell = qMax(4, size.height() / 8);
            for (int y = 0; y < size.height(); y += cell) {
                for (int x = 0; x < size.width(); x += cell)
                    painter.fillRect(x, y, cell, cell, ((x / cell + y / cell) % 2) ? a : b);
            }
            break;
        }
        case 2: { // concentric rings
            painter.fillRect(image.rect(), b);
            const QPointF centre(size.width() / 2.0, size.height() / 2.0);
            for (int r = size.width(); r > 0; r -= qMax(6, size.width() / 14)) {
                painter.setBrush((r / qMax(6, size.width() / 14)) % 2 ? a : b);
                painter.setPen(Qt::NoPen);
                painter.drawEllipse(centre, r / 2.0, r / 2.0);
            }
            break;
        }
        default: { // round badge with a letter, for logos
            painter.setBrush(a);
            painter.setPen(QPen(b, qMax(2, size.height() / 16)));
            const int d = qMin(size.width(), size.height()) - 4;
            painter.drawEllipse(QRectF((size.width() - d) / 2.0, 2, d, d));
            QFont font = painter.font();
            font.setPixelSize(d / 2);
            font.setBold(true);
            painter.setFont(font);
            painter.setPen(b);
            painter.drawText(image.rect(), Qt::AlignCenter, QString(QChar(ushort('A' + kind - 3))));
            break;
        }
        }
        return image;
    };

    struct Picture
    {
        int type;
        int id;
        const char* name;
        QSize stored; // the size on the device
        int kind;
        QColor a, b;
    };
    const Picture pictures[] = {
        {E::File::BKG, 3, "Sunset", QSize(1920, 1080), 0, QColor(250, 120, 60), QColor(120, 40, 110)},
        {E::File::BKG, 4, "Checker", QSize(1280, 720), 1, QColor(235, 235, 235), QColor(40, 40, 40)},
        {E::File::BKG, 5, "Rings", QSize(3840, 1080), 2, QColor(40, 160, 150), QColor(15, 50, 70)},
        {E::File::BKG, 6, "Night Stage", QSize(1920, 1200), 0, QColor(20, 30, 90), QColor(80, 20, 120)},
        {E::File::BKG, 7, "Test Grid", QSize(1024, 768), 1, QColor(60, 120, 220), QColor(20, 30, 60)},
        {E::File::LOGO, 3, "Channel A", QSize(200, 200), 3, QColor(210, 40, 60), QColor(255, 255, 255)},
        {E::File::LOGO, 4, "Channel B", QSize(240, 160), 4, QColor(40, 120, 210), QColor(255, 255, 255)},
        {E::File::LOGO, 5, "Sponsor", QSize(320, 120), 5, QColor(30, 30, 30), QColor(250, 200, 40)},
    };
    for (const Picture& p : pictures) {
        const QSize drawn = p.stored.scaled(QSize(320, 180), Qt::KeepAspectRatio);
        auto& image = device->addImage(p.type, p.id, QString::fromLatin1(p.name), draw(drawn, p.kind, p.a, p.b));
        image.setSize(p.stored);
    }
}

} // namespace Vireo::Gallery
