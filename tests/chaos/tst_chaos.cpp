// Seeded random operator actions on every resource list, interleaved with host rebuilds, video
// refreshes, model notifications and removals and re-additions of screens, layers, inputs, outputs
// and the device, some of them made from inside the lists' own signals and callbacks. Every command
// in the stand-in's log, every drag and every capture request must name what the operator pressed,
// and that object must still exist; nothing may be sent without an operator action. Seed and
// steps come from the environment (see chaossupport.h).

#include "chaos/chaossupport.h"
#include "common/testsupport.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/resources/inputdetailvlistwidget.h>
#include <vireowidgets/resources/layerbasesamplevlistwidget.h>
#include <vireowidgets/resources/outputdetailvlistwidget.h>
#include <vireowidgets/resources/screendetailvlistwidget.h>
#include <vireowidgets/resources/screenheaderlistwidget.h>

#include <vireomodel/devicelist.h>
#include <vireomodel/fixture.h>

#include <QApplication>
#include <QDrag>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <functional>

using namespace Vireo::BizModel;
using namespace Vireo::Widgets;
namespace Fixture = Vireo::Fixture;
namespace Constants = Vireo::Constants;
namespace LayerEnum = Enum::Layer;
namespace ScreenEnum = Enum::Screen;

namespace {

using Chaos::argsText;

// What the operator touched, as the device knows it.
struct Touched
{
    enum Kind { Nothing, ScreenKind, LayerKind, InputKind, OutputKind };
    Kind kind = Nothing;
    int key = -1;
    int type = 0;
    int ownerKey = -1;
    int ownerType = 0;
    int scene = 0;

    QString describe() const
    {
        static const char* const names[] = {"nothing", "screen", "layer", "input", "output"};
        return QStringLiteral("%1 %2 (type %3, screen %4/%5)")
            .arg(QLatin1String(names[kind]))
            .arg(key)
            .arg(type)
            .arg(ownerKey)
            .arg(ownerType);
    }
};

Touched touchedScreen(const std::weak_ptr<Screen>& weak)
{
    Touched t;
    if (auto screen = weak.lock()) {
        t.kind = Touched::ScreenKind;
        t.key = screen->screenId();
        t.type = screen->screenType();
    }
    return t;
}

Touched touchedLayer(const std::weak_ptr<Layer>& weak)
{
    Touched t;
    const auto layer = weak.lock();
    const auto owner = layer ? layer->ownerScreen().lock() : nullptr;
    if (owner) {
        t.kind = Touched::LayerKind;
        t.key = layer->layerId();
        t.type = layer->layerType();
        t.scene = layer->sceneType();
        t.ownerKey = owner->screenId();
        t.ownerType = owner->screenType();
    }
    return t;
}

Touched touchedInterface(Touched::Kind kind, const std::weak_ptr<Interface>& weak)
{
    Touched t;
    if (auto interface = weak.lock()) {
        t.kind = kind;
        t.key = int(interface->interfaceId());
    }
    return t;
}

// What a content button (or a child of one) shows now.
Touched touchedBy(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (auto* screen = qobject_cast<ScreenListContentButton*>(w))
            return touchedScreen(screen->screenBase());
        if (auto* layer = qobject_cast<LayerBaseListContentButton*>(w))
            return touchedLayer(layer->layerBase());
        if (auto* input = qobject_cast<InputListContentButton*>(w))
            return touchedInterface(Touched::InputKind, input->input());
        if (auto* output = qobject_cast<OutputListContentButton*>(w))
            return touchedInterface(Touched::OutputKind, output->output());
    }
    return {};
}

Device* device()
{
    return Fixture::activeDevice();
}

bool exists(const Touched& t)
{
    Device* d = device();
    if (!d)
        return false;
    switch (t.kind) {
    case Touched::ScreenKind:
        return !d->findScreen(t.type, quint8(t.key)).expired();
    case Touched::LayerKind: {
        const auto screen = d->findScreen(t.ownerType, quint8(t.ownerKey)).lock();
        if (!screen)
            return false;
        for (const auto& weak : screen->layers(LayerEnum::AllSceneType, LayerEnum::AllLayerType)) {
            const auto layer = weak.lock();
            if (layer && layer->layerId() == t.key && layer->layerType() == t.type)
                return true;
        }
        return false;
    }
    case Touched::InputKind:
        return !d->findInput(quint32(t.key)).expired();
    case Touched::OutputKind:
        return !d->findOutput(quint32(t.key)).expired();
    case Touched::Nothing:
        break;
    }
    return false;
}

void addScreenWithLayers(Device& d, int type, quint8 id)
{
    Screen& screen = d.addScreen(type, id, QStringLiteral("%1-%2").arg(type).arg(id));
    screen.setIndex(type * 16 + id);
    if (type == ScreenEnum::MVRScreen) {
        screen.addLayer(LayerEnum::PGM, LayerEnum::MVR, 1, QStringLiteral("mv1"));
        screen.addLayer(LayerEnum::PGM, LayerEnum::MVR, 2, QStringLiteral("mv2"));
        return;
    }
    for (quint8 n = 1; n <= 3; ++n)
        screen.addLayer(LayerEnum::PGM, LayerEnum::Regular, n, QStringLiteral("L%1").arg(n));
    screen.addLayer(LayerEnum::PVW, LayerEnum::Regular, 1, QStringLiteral("P1"));
}

void addInput(Device& d, quint32 key)
{
    Input& input = d.addInput(key, {0, int(key), 0}, Enum::Interface::HDMI_2_0, QStringLiteral("In %1").arg(key + 1));
    input.setActive(key % 3 != 0);
    input.setSignal(QSize(1920, 1080), 60.f, false);
}

void addOutput(Device& d, quint32 key)
{
    Output& output = d.addOutput(key, Enum::Interface::MainOutput, {1, int(key), 0}, Enum::Interface::HDMI_1_4,
        QStringLiteral("Out %1").arg(key + 1));
    output.setPresetTiming(QSize(1920, 1080), 60.f, false);
}

void populate(Device& d)
{
    d.addSubCard(0, 0x2233, 8);
    for (quint8 id = 1; id <= 3; ++id)
        addScreenWithLayers(d, ScreenEnum::RegularScreen, id);
    addScreenWithLayers(d, ScreenEnum::AUXScreen, 1);
    addScreenWithLayers(d, ScreenEnum::MVRScreen, 1);
    addScreenWithLayers(d, ScreenEnum::MVRScreen, 2);
    for (quint32 key = 0; key < 5; ++key) {
        addInput(d, key);
        addOutput(d, key);
    }
}

// One list as a host uses it.
struct Subject
{
    QWidget* list = nullptr;
    std::function<void()> rebuild;
    std::function<void()> refresh; // video refresh or a model notification
    // Widgets the operator may press: content buttons and the buttons inside them.
    std::function<QList<QWidget*>()> targets;
    bool headerRebuildWritesOrder = false;
};

QList<QWidget*> contentButtons(NaviSliderFrame* frame)
{
    QList<QWidget*> out;
    for (QAbstractButton* button : frame->getContentButtons()) {
        if (button->isVisible())
            out.append(button);
    }
    return out;
}

class ListChaos : public Chaos::Run
{
public:
    using Run::Run;

    int commands = 0;
    int drags = 0;
    int captures = 0;

    // Checks one command of the stand-in's log against what the operator pressed.
    void checkCommand(const Fixture::CommandEntry& entry)
    {
        ++commands;
        if (m_nHostRebuild > 0 && m_subject->headerRebuildWritesOrder && entry.command == "Screen::updateGeneral")
            return; // the header writes the order it sorted its tabs into (a rebuild's own write)
        if (!m_bOperator) {
            failure(QStringLiteral("%1 sent without an operator action").arg(entry.command));
            return;
        }
        const Touched& p = m_pressed;
        const QVariantList& args = entry.args;
        bool named = false;
        if (entry.command == "Layer::setSelected") {
            named = p.kind == Touched::LayerKind && args.value(0).toInt() == p.ownerKey &&
                args.value(1).toList() == QVariantList({p.key});
        } else if (entry.command == "Screen::setSelected" || entry.command == "Screen::cancelSelected") {
            named = p.kind == Touched::ScreenKind && args.value(0).toList() == QVariantList({p.key});
        } else if (entry.command == "Screen::updateGeneral") {
            named = p.kind == Touched::ScreenKind && !args.value(0).toList().isEmpty();
        } else if (entry.command == "Screen::screenMoved") {
            named = p.kind == Touched::ScreenKind && args.value(1).toInt() == p.key;
        }
        if (!named)
            failure(
                QStringLiteral("%1 %2 does not name the pressed %3").arg(entry.command, argsText(args), p.describe()));
        else if (!exists(p))
            failure(QStringLiteral("%1 names the pressed %2, which is gone").arg(entry.command, p.describe()));
    }

    void checkCapture(const Vireo::ProtoModel::File::s_CreateImageFile& record)
    {
        ++captures;
        if (!m_bOperator || m_pressed.kind != Touched::InputKind || int(record.source.id) != m_pressed.key)
            failure(QStringLiteral("capture of input %1, pressed %2").arg(record.source.id).arg(m_pressed.describe()));
        else if (!exists(m_pressed))
            failure(QStringLiteral("capture of the pressed input %1, which is gone").arg(m_pressed.key));
    }

    void checkDrags()
    {
        for (QDrag* drag : m_subject->list->findChildren<QDrag*>()) {
            if (drag->property("chaosSeen").toBool())
                continue;
            drag->setProperty("chaosSeen", true);
            ++drags;
            const QMimeData* mime = drag->mimeData();
            const Touched& p = m_pressed;
            const auto has = [mime](const char* type, int value) {
                return mime && mime->data(QLatin1String(type)) == QByteArray::number(value);
            };
            bool named = false;
            if (p.kind == Touched::ScreenKind)
                named = has(Constants::MimeTypeScreenKeyNo, p.key) && has(Constants::MimeTypeScreenTypeKeyNo, p.type);
            else if (p.kind == Touched::InputKind)
                named = has(Constants::MimeTypeInputKeyNo, p.key);
            else if (p.kind == Touched::OutputKind)
                named = has(Constants::MimeTypeOutputKeyNo, p.key);
            if (!m_bOperator || !named)
                failure(QStringLiteral("a drag that does not carry the pressed %1").arg(p.describe()));
            else if (m_nModelChangesInAction == 0 && !exists(p))
                failure(QStringLiteral("a drag of the pressed %1, which is gone").arg(p.describe()));
        }
    }

    void run(Subject& subject, int steps)
    {
        m_subject = &subject;
        Fixture::setCommandObserver([this](const Fixture::CommandEntry& entry) {
            checkCommand(entry);
            // Now and then the device drops what was just commanded, inside the list's own call.
            if (m_rng.bounded(20) == 0)
                changeModel();
        });
        const auto capture = QObject::connect(DeviceList::instance(), &DeviceList::signalCaptureImage,
            [this](const Vireo::ProtoModel::File::s_CreateImageFile& record) {
                checkCapture(record);
                if (m_rng.bounded(3) == 0)
                    changeModel();
            });
        hostRebuild();
        runSteps(steps, false);
        // Let go of a press that is still held.
        if (m_grabber)
            operatorEvent(m_grabber, QEvent::MouseButtonRelease, QPoint(1, 1), Qt::NoButton);
        QCoreApplication::processEvents();
        QObject::disconnect(capture);
        Fixture::setCommandObserver({});
    }

    // The hooks a host's code runs from the lists' own signals and callbacks.
    void fromInside()
    {
        const quint32 roll = m_rng.bounded(10);
        if (roll == 0)
            changeModel();
        else if (roll == 1)
            hostRebuild();
    }

private:
    void populate(Device& d) override { ::populate(d); }

    void hostRebuild() override
    {
        ++m_nHostRebuild;
        m_subject->rebuild();
        --m_nHostRebuild;
    }

    void notify() override { m_subject->refresh(); }

    void changeDevice(Device& d) override
    {
        const quint32 what = m_rng.bounded(8);
        const int types[] = {ScreenEnum::RegularScreen, ScreenEnum::MVRScreen};
        const int type = types[m_rng.bounded(2)];
        const quint8 id = quint8(1 + m_rng.bounded(3));
        switch (what) {
        case 0:
            d.removeScreen(type, id);
            break;
        case 1:
            if (d.findScreen(type, id).expired())
                addScreenWithLayers(d, type, id);
            break;
        case 2:
            if (auto screen = d.findScreen(type, id).lock())
                screen->removeLayer(m_rng.bounded(2) ? LayerEnum::PGM : LayerEnum::PVW, quint8(1 + m_rng.bounded(3)));
            break;
        case 3:
            if (auto screen = d.findScreen(type, id).lock()) {
                const quint8 layerId = quint8(1 + m_rng.bounded(3));
                const int layerType = type == ScreenEnum::MVRScreen ? LayerEnum::MVR : LayerEnum::Regular;
                bool present = false;
                for (const auto& weak : screen->layers(LayerEnum::PGM, LayerEnum::AllLayerType))
                    present = present || (weak.lock() && weak.lock()->layerId() == layerId);
                if (!present)
                    screen->addLayer(LayerEnum::PGM, layerType, layerId, QStringLiteral("re%1").arg(layerId));
            }
            break;
        case 4:
            d.removeInput(m_rng.bounded(5));
            break;
        case 5: {
            const quint32 key = m_rng.bounded(5);
            if (d.findInput(key).expired())
                addInput(d, key);
            break;
        }
        case 6:
            d.removeOutput(m_rng.bounded(5));
            break;
        default: {
            const quint32 key = m_rng.bounded(5);
            if (d.findOutput(key).expired())
                addOutput(d, key);
            break;
        }
        }
    }

    // Sends one operator event the way Qt would deliver it (mouse events climb to the parents that
    // want them) and checks the drags it started.
    void operatorEvent(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButtons held)
    {
        const Qt::MouseButton button = (type == QEvent::MouseMove) ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, target->mapToGlobal(pos), button, held, Qt::NoModifier);
        m_bOperator = true;
        m_nModelChangesInAction = 0;
        QApplication::sendEvent(target, &event);
        checkDrags();
        m_bOperator = false;
    }

    void operatorAction() override
    {
        QWidget* list = m_subject->list;
        // A grab ends when its widget is hidden: the events go to the list then.
        if (m_grabber && !m_grabber->isVisible())
            m_grabber = nullptr;
        const quint32 roll = m_rng.bounded(100);
        if (!m_grabber && roll < 45) {
            const QList<QWidget*> targets = m_subject->targets();
            QWidget* target = (targets.isEmpty() || m_rng.bounded(6) == 0)
                ? list
                : targets.at(int(m_rng.bounded(quint32(targets.size()))));
            m_pressed = touchedBy(target);
            m_grabber = target;
            operatorEvent(target, QEvent::MouseButtonPress, randomPointIn(target), Qt::LeftButton);
            if (m_rng.bounded(5) == 0) {
                // A double click: release, then the second press.
                operatorEvent(target, QEvent::MouseButtonRelease, randomPointIn(target), Qt::NoButton);
                m_pressed = touchedBy(target);
                operatorEvent(target, QEvent::MouseButtonDblClick, randomPointIn(target), Qt::LeftButton);
            }
        } else if (m_grabber && roll < 75) {
            const QPoint inList = randomPointAround(list);
            operatorEvent(m_grabber, QEvent::MouseMove, m_grabber->mapFrom(list, inList), Qt::LeftButton);
        } else if (m_grabber) {
            QPointer<QWidget> target = m_grabber;
            const QPoint pos =
                m_rng.bounded(2) ? randomPointIn(target) : target->mapFrom(list, randomPointAround(list));
            operatorEvent(target, QEvent::MouseButtonRelease, pos, Qt::NoButton);
            m_grabber = nullptr;
        } else if (roll < 60) {
            const QList<QWidget*> targets = m_subject->targets();
            if (targets.isEmpty())
                return;
            QWidget* target = targets.at(int(m_rng.bounded(quint32(targets.size()))));
            m_pressed = touchedBy(target);
            m_bOperator = true;
            m_nModelChangesInAction = 0;
            QTest::keyPress(target, Qt::Key_Space);
            QTest::keyRelease(target, Qt::Key_Space);
            checkDrags();
            m_bOperator = false;
        } else if (roll < 75) {
            const QPoint pos = randomPointIn(list);
            QWheelEvent wheel(QPointF(pos), QPointF(list->mapToGlobal(pos)), QPoint(),
                QPoint(0, m_rng.bounded(2) ? 120 : -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            m_bOperator = true;
            QApplication::sendEvent(list, &wheel);
            m_bOperator = false;
        } else {
            // A hover without a held button.
            operatorEvent(list, QEvent::MouseMove, randomPointAround(list), Qt::NoButton);
        }
    }

    Subject* m_subject = nullptr;
    QPointer<QWidget> m_grabber;
    Touched m_pressed;
};

} // namespace

class tst_Chaos : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lists_data();
    void lists();
};

void tst_Chaos::init()
{
    Fixture::reset();
    Fixture::setLiveMode(true);
    Fixture::makeActiveDevice();
    populate(*device());
}

void tst_Chaos::cleanup()
{
    Fixture::setCommandObserver({});
    Fixture::reset();
}

void tst_Chaos::lists_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("screens") << "screens";
    QTest::newRow("screen header") << "header";
    QTest::newRow("layers of a screen") << "layers";
    QTest::newRow("multiviewer layers") << "mvr";
    QTest::newRow("inputs") << "inputs";
    QTest::newRow("outputs") << "outputs";
}

void tst_Chaos::lists()
{
    QFETCH(QString, kind);
    const quint32 seed = Chaos::seedFor(kind);
    const int steps = Chaos::stepCount();
    ListChaos chaos(seed, kind);
    Subject subject;
    const auto active = [] { return DeviceList::instance()->activedDevice(); };

    // Each host listens to the device as the application does and rebuilds on its notifications.
    std::unique_ptr<QWidget> owner;
    std::function<void(QObject*)> followDevice;
    if (kind == "screens") {
        auto* list = new ScreenDetailVListWidget;
        owner.reset(list);
        const ReadScreenVideoFrameCallback video = [&chaos](std::weak_ptr<Screen>, const int&, const QSize& size,
                                                       QImage& frame) {
            frame = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
            chaos.fromInside();
            return true;
        };
        subject.rebuild = [list, active, video] {
            list->initListWidgetItem(active(), ScreenEnum::AllScreenType, LayerEnum::AllSceneType, false, video);
        };
        subject.refresh = [list] { list->updateScreenVideo(); };
        subject.targets = [list] { return contentButtons(list); };
    } else if (kind == "header") {
        auto* list = new ScreenHeaderListWidget;
        owner.reset(list);
        list->setIsAllowEmptySelected(true);
        subject.headerRebuildWritesOrder = true;
        subject.rebuild = [list, active] {
            list->initListWidgetItem(active(), ScreenEnum::RegularScreen | ScreenEnum::AUXScreen, true, false);
        };
        subject.refresh = [list, active] { list->initSelectedScreens(active()); };
        subject.targets = [list] { return contentButtons(list); };
        QObject::connect(list, &NaviSliderFrame::itemToggled, list, [&chaos] { chaos.fromInside(); });
        QObject::connect(
            list, &ScreenHeaderListWidget::signalScreenItemIndexChanged, list, [&chaos] { chaos.fromInside(); });
    } else if (kind == "layers" || kind == "mvr") {
        auto* list = new LayerBaseSampleVListWidget;
        owner.reset(list);
        const bool mvr = kind == "mvr";
        // The host shows the layers of screen 1 or 2 (both have layers 1 to 3), switching now and then.
        auto shownScreen = std::make_shared<quint8>(1);
        auto refreshes = std::make_shared<int>(0);
        subject.rebuild = [list, active, mvr, shownScreen] {
            Device* d = device();
            if (mvr) {
                const auto screen = d ? d->findScreen(ScreenEnum::MVRScreen, 1).lock() : nullptr;
                list->initListWidgetItem(
                    active(), std::weak_ptr<MVRScreen>(std::dynamic_pointer_cast<MVRScreen>(screen)), LayerEnum::PGM);
            } else {
                list->initListWidgetItem(active(),
                    d ? d->findScreen(ScreenEnum::RegularScreen, *shownScreen) : std::weak_ptr<Screen>(),
                    LayerEnum::PGM);
            }
        };
        subject.refresh = [list, shownScreen, refreshes, &subject] {
            if (++*refreshes % 3 == 0) {
                *shownScreen = quint8(3 - *shownScreen);
                subject.rebuild();
                return;
            }
            const auto screen = list->currentScreenBase();
            list->selectedLayerBaseFromModel(screen, {});
            list->removeLayerBaseFromModel(screen, {});
        };
        subject.targets = [list] { return contentButtons(list); };
        QObject::connect(list, &NaviSliderFrame::itemToggled, list, [&chaos] { chaos.fromInside(); });
    } else if (kind == "inputs") {
        auto* list = new InputDetailVListWidget;
        owner.reset(list);
        const InputListWidget::ReadInputVideoFrameCallback video = [&chaos](std::weak_ptr<Input>, QImage& frame, bool) {
            frame = QImage(64, 36, QImage::Format_RGB32);
            chaos.fromInside();
            return true;
        };
        subject.rebuild = [list, active, video] { list->initListWidgetItem(active(), video); };
        subject.refresh = [list] { list->updateInputVideo(); };
        subject.targets = [list] {
            QList<QWidget*> out = contentButtons(list);
            for (QWidget* button : contentButtons(list)) {
                if (auto* capture = button->findChild<QToolButton*>(QStringLiteral("buttonCapture"))) {
                    if (capture->isVisible() && capture->isEnabled())
                        out.append(capture);
                }
            }
            return out;
        };
    } else {
        auto* list = new OutputDetailVListWidget;
        owner.reset(list);
        subject.rebuild = [list, active] { list->initListWidgetItem(active(), ItemAllOutput, AllOutput); };
        subject.refresh = [list, active] {
            if (auto d = active().lock()) {
                const auto outputs = d->outputs();
                if (!outputs.isEmpty())
                    list->insertOutputItem(outputs.last());
            }
        };
        subject.targets = [list] { return contentButtons(list); };
    }
    subject.list = owner.get();
    subject.list->resize(420, 360);
    subject.list->show();
    QVERIFY(QTest::qWaitForWindowExposed(subject.list));

    // The host follows every device the list shows, including one plugged back in.
    const auto follow = [&] {
        if (Device* d = device()) {
            QObject::disconnect(d, nullptr, subject.list, nullptr);
            QObject::connect(d, &Device::signalScreensChanged, subject.list, [&] { subject.rebuild(); });
            QObject::connect(d, &Device::signalLayersChanged, subject.list, [&] { subject.rebuild(); });
            QObject::connect(d, &Device::signalLayerSelectionChanged, subject.list, [&] { subject.refresh(); });
            QObject::connect(d, &Device::signalInterfacesChanged, subject.list, [&] { subject.rebuild(); });
        }
    };
    follow();
    QObject::connect(DeviceList::instance(), &DeviceList::signalActivedDeviceChanged, subject.list, follow);

    QElapsedTimer clock;
    clock.start();
    const QtMessageHandler previous = qInstallMessageHandler(Chaos::quietLog);
    chaos.run(subject, steps);
    qInstallMessageHandler(previous);
    qInfo("%s: seed %u, %d steps, %d commands, %d drags, %d captures, %lld ms", qPrintable(kind), seed, steps,
        chaos.commands, chaos.drags, chaos.captures, clock.elapsed());
    QVERIFY2(chaos.failures.isEmpty(), qPrintable(chaos.failures.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_Chaos)
#include "tst_chaos.moc"
