// The resource lists under load: rebuilds (P1), first builds (P2), shrink and grow (P3), video
// refresh and memory, for N = 16, 64, 256 and 1024 buttons, on the input list and on the screen
// list (whose rebuild differs: sorted screens, two scenes per screen, validity filter); rebuilds
// and first builds of the output list, the layer list and the screen header strip, and the memory
// of an output button.

#include "benchdevice.h"
#include "benchlook.h"
#include "benchsupport.h"

#include <vireowidgets/foundation/videopreviewwidget.h>
#include <vireowidgets/resources/inputdetailvlistwidget.h>
#include <vireowidgets/resources/layerbasesamplevlistwidget.h>
#include <vireowidgets/resources/outputdetailvlistwidget.h>
#include <vireowidgets/resources/screendetailvlistwidget.h>
#include <vireowidgets/resources/screenheaderlistwidget.h>
#include <vireowidgets/userkeys/userkeylistwidget.h>

#include <vireomodel/enums.h>
#include <vireomodel/fixture.h>

#include <QImage>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace Vireo::Bench;
using namespace Vireo::Widgets;
namespace Enum = Vireo::BizModel::Enum;

// A vertical detail list as a panel shows it: about nine buttons in view, the rest scrolled away.
const QSize kListSize(300, 800);
// The screen header strip across the top of a panel.
const QSize kStripSize(1280, 64);

// ---- Video ----------------------------------------------------------------------------------

const QImage& sourceFrame()
{
    static const QImage frame = [] {
        QImage image(1920, 1080, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, 1920, 1080);
        gradient.setColorAt(0, Qt::darkBlue);
        gradient.setColorAt(0.5, Qt::darkGreen);
        gradient.setColorAt(1, Qt::darkRed);
        painter.fillRect(image.rect(), gradient);
        painter.setPen(Qt::white);
        for (int x = 0; x < 1920; x += 120)
            painter.drawLine(x, 0, x, 1079);
        return image;
    }();
    return frame;
}

// One scaled draw of the source into a preview-sized picture: what a preview needs at least per
// refresh, and what the floor of a video refresh repeats N times.
void drawScaledFrame(QImage& target)
{
    if (target.isNull())
        return;
    QPainter painter(&target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target.rect(), sourceFrame());
}

int g_videoCalls = 0;

// ---- The two kinds of list ------------------------------------------------------------------

struct InputLists
{
    using List = InputDetailVListWidget;
    using Button = InputListContentButton;
    static constexpr int section = 10;
    static QString label() { return QStringLiteral("inputs "); }
    static QSize listSize() { return kListSize; }

    static void populate(BenchDevice& device, int buttons) { device.addInputs(buttons); }

    // The buttons the list makes for the device, each added to `layout` as it is made.
    static void makeButtons(BenchDevice& device, QWidget* parent, QBoxLayout* layout)
    {
        for (const auto& input : device.get()->validInputs())
            layout->addWidget(new InputDetailContentButton(device.weak(), input, {}, parent));
    }

    static void build(List* list, BenchDevice& device, bool video)
    {
        InputListWidget::ReadInputVideoFrameCallback callback;
        if (video) {
            // The host hands over its current frame as it is (shared, not copied): the input
            // callback is given no size, so fitting the picture to the preview is the list's work.
            callback = [](std::weak_ptr<Vireo::BizModel::Input>, QImage& frame, bool) {
                frame = sourceFrame();
                ++g_videoCalls;
                return true;
            };
        }
        list->initListWidgetItem(device.weak(), callback);
    }

    // The floor of a rebuild: the same texts and properties set again on the same buttons.
    static void resetSame(List* list, BenchDevice& device)
    {
        for (QAbstractButton* candidate : list->getContentButtons()) {
            if (auto* button = qobject_cast<Button*>(candidate))
                button->setInput(device.weak(), button->input());
        }
    }

    // Takes the upper half of the key numbers out of the device's valid inputs, or puts it back.
    static void setShrunk(BenchDevice& device, int buttons, bool shrunk)
    {
        for (int i = buttons / 2; i < buttons; ++i)
            device.get()->setInputListed(quint32(i), !shrunk);
    }

    static void refreshVideo(List* list) { list->updateInputVideo(); }

    // What a button shows, and rebinding a button to it by hand (null: emptied).
    using Shown = std::weak_ptr<Vireo::BizModel::Input>;
    static Shown shownBy(Button* button) { return button->input(); }
    static void bind(Button* button, BenchDevice& device, const Shown& shown)
    {
        button->setInput(device.weak(), shown);
    }
    // A shown button whose signal state changed must take its new look.
    static void restyle(Button* button) { button->updateStyleSheetIfChanged(); }
};

struct ScreenLists
{
    using List = ScreenDetailVListWidget;
    using Button = ScreenListContentButton;
    static constexpr int section = 20;
    static QString label() { return QStringLiteral("screens"); }
    static QSize listSize() { return kListSize; }

    static void populate(BenchDevice& device, int buttons) { device.addScreensForButtons(buttons); }

    static void makeButtons(BenchDevice& device, QWidget* parent, QBoxLayout* layout)
    {
        for (const auto& screen : device.get()->screens(Enum::Screen::AllScreenType)) {
            for (int scene : {int(Enum::Layer::PGM), int(Enum::Layer::PVW)})
                layout->addWidget(new ScreenDetailContentButton(device.weak(), screen, scene, {}, parent));
        }
    }

    static void build(List* list, BenchDevice& device, bool video)
    {
        ReadScreenVideoFrameCallback callback;
        if (video) {
            // The screen callback is asked for a size: the host draws its frame scaled to it.
            callback = [](std::weak_ptr<Vireo::BizModel::Screen>, const int&, const QSize& size, QImage& frame) {
                if (frame.size() != size && !size.isEmpty())
                    frame = QImage(size, QImage::Format_RGB32);
                drawScaledFrame(frame);
                ++g_videoCalls;
                return true;
            };
        }
        list->initListWidgetItem(device.weak(), Enum::Screen::AllScreenType, Enum::Layer::AllSceneType, true, callback);
    }

    static void resetSame(List* list, BenchDevice& device)
    {
        for (QAbstractButton* candidate : list->getContentButtons()) {
            if (auto* button = qobject_cast<Button*>(candidate))
                button->setScreenBase(device.weak(), button->screenBase(), button->sceneType());
        }
    }

    // Marks the later half of the screens invalid (the list checks validity), or valid again.
    static void setShrunk(BenchDevice& device, int, bool shrunk)
    {
        const auto screens = device.get()->screens(Enum::Screen::AllScreenType);
        for (int i = screens.size() / 2; i < screens.size(); ++i) {
            if (auto screen = screens.at(i).lock())
                screen->setValid(!shrunk);
        }
    }

    static void refreshVideo(List* list) { list->updateScreenVideo(); }

    using Shown = std::pair<std::weak_ptr<Vireo::BizModel::Screen>, int>;
    static Shown shownBy(Button* button) { return {button->screenBase(), button->sceneType()}; }
    static void bind(Button* button, BenchDevice& device, const Shown& shown)
    {
        button->setScreenBase(device.weak(), shown.first, shown.second);
    }
    static void restyle(Button*) { } // rebinding restyles a screen button itself
};

struct OutputLists
{
    using List = OutputDetailVListWidget;
    using Button = OutputListContentButton;
    static constexpr int section = 30;
    static QString label() { return QStringLiteral("outputs"); }
    static QSize listSize() { return kListSize; }

    static void populate(BenchDevice& device, int buttons) { device.addOutputs(buttons); }

    static void build(List* list, BenchDevice& device, bool)
    {
        list->initListWidgetItem(device.weak(), ItemAllOutput, AllOutput);
    }

    static void resetSame(List* list, BenchDevice& device)
    {
        for (QAbstractButton* candidate : list->getContentButtons()) {
            if (auto* button = qobject_cast<Button*>(candidate))
                button->setOutput(device.weak(), button->output());
        }
    }
};

// The program layers of one screen.
struct LayerLists
{
    using List = LayerBaseSampleVListWidget;
    using Button = LayerBaseListContentButton;
    static constexpr int section = 40;
    static QString label() { return QStringLiteral("layers "); }
    static QSize listSize() { return kListSize; }

    static void populate(BenchDevice& device, int buttons) { device.addScreenWithLayers(buttons); }

    static std::weak_ptr<Vireo::BizModel::Screen> screenOf(BenchDevice& device)
    {
        return device.get()->screens(Enum::Screen::RegularScreen).value(0);
    }

    static void build(List* list, BenchDevice& device, bool)
    {
        list->initListWidgetItem(device.weak(), screenOf(device), Enum::Layer::PGM);
    }

    static void resetSame(List* list, BenchDevice& device)
    {
        for (QAbstractButton* candidate : list->getContentButtons()) {
            if (auto* button = qobject_cast<Button*>(candidate))
                button->setLayerBase(device.weak(), button->screenBase(), button->sceneType(), button->layerBase());
        }
    }
};

// The strip of screen tabs, one per screen, with their view buttons.
struct HeaderLists
{
    using List = ScreenHeaderListWidget;
    using Button = ScreenHeaderItem;
    static constexpr int section = 50;
    static QString label() { return QStringLiteral("header "); }
    static QSize listSize() { return kStripSize; }

    // N screens (each with one output).
    static void populate(BenchDevice& device, int buttons) { device.addScreensForButtons(buttons * 2); }

    static void build(List* list, BenchDevice& device, bool)
    {
        list->initListWidgetItem(device.weak(), Enum::Screen::AllScreenType, true, false);
    }

    static void resetSame(List* list, BenchDevice& device)
    {
        for (QAbstractButton* candidate : list->getContentButtons()) {
            if (auto* button = qobject_cast<Button*>(candidate))
                button->setScreenBase(device.weak(), button->screenBase(), button->sceneType());
        }
    }
};

// Set while the memory rows measure the lists without the host's style sheet.
bool g_withoutSheet = false;

template <typename Kind>
std::unique_ptr<typename Kind::List> makeShownList()
{
    if (!g_withoutSheet)
        usePanelStyleSheet();
    auto list = std::make_unique<typename Kind::List>();
    list->resize(Kind::listSize());
    list->show();
    drainEvents();
    return list;
}

// A shown list already built from the device (with video callbacks when `video`).
template <typename Kind>
std::unique_ptr<typename Kind::List> makeBuiltList(BenchDevice& device, bool video = false)
{
    auto list = makeShownList<Kind>();
    Kind::build(list.get(), device, video);
    drainEvents();
    return list;
}

template <typename Kind>
int buttonCount(typename Kind::List* list)
{
    return list->template findChildren<typename Kind::Button*>().size();
}

QString nLabel(int n)
{
    return QString::number(n);
}

Row listRow(int section, int position, const QString& name, int n, const PairResult& r)
{
    Row row;
    row.section = section;
    row.position = position;
    row.name = name;
    row.size = nLabel(n);
    row.sizeOrder = n;
    row.value = r.job;
    row.floor = r.floor;
    row.ratio = r.ratio();
    return row;
}

// Enough pairs for a stable median, and the whole run within a few minutes on two cores.
Budget budgetFor(int n)
{
    Budget budget;
    budget.minReps = n >= 1024 ? 5 : 7;
    budget.targetNs = 500'000'000;
    return budget;
}

// The user key list, up to the 128 keys it holds.
struct UserKeyLists
{
    using List = UserKeyDetailVListWidget;
    using Button = UserKeyListContentButton;
    static constexpr int section = 60;
    static QString label() { return QStringLiteral("userkeys"); }
    static QSize listSize() { return kListSize; }

    static void populate(BenchDevice& device, int buttons)
    {
        for (int i = 0; i < buttons; ++i)
            device.get()->addUserKey(
                Vireo::Fixture::userKeyDetail(quint8(i + 1), QStringLiteral("User key %1").arg(i + 1), i % 8));
    }

    static void build(List* list, BenchDevice& device, bool) { list->initListWidgetItem(device.weak()); }

    static void resetSame(List* list, BenchDevice& device)
    {
        for (QAbstractButton* candidate : list->getContentButtons()) {
            if (auto* button = qobject_cast<Button*>(candidate)) {
                button->setUserKey(device.weak(), button->userkey());
                button->updateUIFromData();
            }
        }
    }
};

// ---- P1: rebuild of an unchanged list --------------------------------------------------------

template <typename Kind>
void BM_RebuildUnchanged(benchmark::State& state)
{
    const int n = int(state.range(0));
    BenchDevice device(QStringLiteral("P1"));
    Kind::populate(device, n);
    auto list = makeBuiltList<Kind>(device);
    if (list->itemCount() != n) {
        state.SkipWithError("the list does not show one button per item");
        return;
    }
    PairResult r;
    for (auto _ : state) {
        r = measurePair(
            [&] {
                return timeNs([&] {
                    Kind::build(list.get(), device, false);
                    drainEvents();
                });
            },
            [&] {
                return timeNs([&] {
                    Kind::resetSame(list.get(), device);
                    drainEvents();
                });
            },
            budgetFor(n));
        state.SetIterationTime(r.job / 1e9);
    }
    Row row = listRow(Kind::section, 0, Kind::label() + QStringLiteral(" P1 rebuild unchanged vs re-set texts"), n, r);
    row.goal = 1.3;
    report(row);
}

// ---- P2: first build, against the first build of a quarter of the items ---------------------

template <typename Kind>
qint64 firstBuildSample(BenchDevice& device)
{
    auto list = makeShownList<Kind>();
    const qint64 ns = timeNs([&] {
        Kind::build(list.get(), device, false);
        drainEvents();
    });
    list.reset();
    drainEvents();
    return ns;
}

template <typename Kind>
void BM_FirstBuild(benchmark::State& state)
{
    const int n = int(state.range(0));
    BenchDevice device(QStringLiteral("P2"));
    Kind::populate(device, n);
    BenchDevice quarter(QStringLiteral("P2 quarter"));
    Kind::populate(quarter, n / 4);
    PairResult r;
    for (auto _ : state) {
        Budget budget = budgetFor(n);
        budget.minReps = n >= 1024 ? 7 : 9; // first builds are long: bursts of noise need more pairs
        r = measurePair(
            [&] { return firstBuildSample<Kind>(device); }, [&] { return firstBuildSample<Kind>(quarter); }, budget);
        state.SetIterationTime(r.job / 1e9);
    }
    Row row = listRow(Kind::section, 1, Kind::label() + QStringLiteral(" P2 first build vs N/4"), n, r);
    row.goal = 4.3;
    report(row);
}

// ---- First build against making the same buttons into a plain layout ------------------------

// A shown scroll area of the given size with an empty column to fill: the plain counterpart of a
// list, with the posted work of its showing already done.
struct PlainColumn
{
    explicit PlainColumn(const QSize& size)
        : content(new QWidget)
        , layout(new QVBoxLayout(content))
    {
        area.resize(size);
        area.setWidget(content);
        area.setWidgetResizable(true);
        area.show();
        drainEvents();
    }

    QScrollArea area;
    QWidget* content;
    QVBoxLayout* layout;
};

// The least a first build of the list can cost: the same N buttons of the same class, made for the
// same items and added to a plain layout in a shown scroll area of the list's size, in one pass.
template <typename Kind>
qint64 plainButtonsSample(BenchDevice& device)
{
    usePanelStyleSheet();
    PlainColumn column(Kind::listSize());
    return timeNs([&] {
        Kind::makeButtons(device, column.content, column.layout);
        drainEvents();
    });
}

template <typename Kind>
void BM_FirstBuildVsPlain(benchmark::State& state)
{
    const int n = int(state.range(0));
    BenchDevice device(QStringLiteral("P2 plain"));
    Kind::populate(device, n);
    PairResult r;
    for (auto _ : state) {
        Budget budget = budgetFor(n);
        budget.minReps = n >= 1024 ? 7 : 9; // first builds are long: bursts of noise need more pairs
        r = measurePair(
            [&] { return firstBuildSample<Kind>(device); }, [&] { return plainButtonsSample<Kind>(device); }, budget);
        state.SetIterationTime(r.job / 1e9);
    }
    Row row = listRow(
        Kind::section, 2, Kind::label() + QStringLiteral(" P2 first build vs the buttons in a plain layout"), n, r);
    row.goal = 1.25;
    report(row);
}

// The same growth measured on a naive loop of tool buttons in a scroll area, for comparison.
qint64 naiveBuildSample(int n)
{
    PlainColumn column(kListSize);
    QWidget* content = column.content;
    QVBoxLayout* layout = column.layout;
    return timeNs([&] {
        for (int i = 0; i < n; ++i) {
            auto* button = new QToolButton(content);
            button->setText(QStringLiteral("Camera %1").arg(i + 1));
            button->setFixedSize(280, 82);
            layout->addWidget(button);
        }
        drainEvents();
    });
}

void BM_NaiveBuild(benchmark::State& state)
{
    const int n = int(state.range(0));
    usePanelStyleSheet();
    PairResult r;
    for (auto _ : state) {
        Budget budget = budgetFor(n);
        budget.minReps = 3;
        r = measurePair([&] { return naiveBuildSample(n); }, [&] { return naiveBuildSample(n / 4); }, budget);
        state.SetIterationTime(r.job / 1e9);
    }
    Row row = listRow(InputLists::section, 3, QStringLiteral("reference: naive tool-button loop vs N/4"), n, r);
    row.note = QStringLiteral("what non-linear growth looks like here");
    report(row);
}

// ---- P3: shrink to N/2 and grow back, each against one unchanged rebuild --------------------
//
// Each of the two rebuilds is timed on its own (the other one runs untimed, so that every sample
// starts from the same list): the shrink rebinds the N/2 kept buttons and hides the rest into the
// cache, the grow rebinds the N/2 kept ones and brings the cached ones back. Their sum cannot be
// below 1.5 unchanged rebuilds, since it rebinds 1.5 N buttons; what each rebuild adds over
// rebinding is the cost of the cache.

enum class Phase { Shrink, Grow };

template <typename Kind, Phase phase>
void BM_ShrinkGrow(benchmark::State& state)
{
    const int n = int(state.range(0));
    BenchDevice device(QStringLiteral("P3"));
    Kind::populate(device, n);
    auto list = makeBuiltList<Kind>(device);
    const int before = buttonCount<Kind>(list.get());
    bool shrankToHalf = true;
    auto rebuild = [&] {
        Kind::build(list.get(), device, false);
        drainEvents();
    };
    PairResult r;
    for (auto _ : state) {
        r = measurePair(
            [&] {
                qint64 ns = 0;
                Kind::setShrunk(device, n, true);
                if (phase == Phase::Shrink)
                    ns = timeNs(rebuild);
                else
                    rebuild();
                shrankToHalf = shrankToHalf && list->itemCount() == n / 2;
                Kind::setShrunk(device, n, false);
                if (phase == Phase::Grow)
                    ns = timeNs(rebuild);
                else
                    rebuild();
                return ns;
            },
            [&] { return timeNs(rebuild); }, budgetFor(n));
        state.SetIterationTime(r.job / 1e9);
    }
    const int created = buttonCount<Kind>(list.get()) - before;
    const QString what = phase == Phase::Shrink ? QStringLiteral(" P3 shrink N -> N/2 vs unchanged N")
                                                : QStringLiteral(" P3 grow N/2 -> N vs unchanged N");
    // Shown for information: the cost of the cache is judged against the same work by hand.
    Row row = listRow(Kind::section, phase == Phase::Shrink ? 4 : 5, Kind::label() + what, n, r);
    row.failed = created != 0 || !shrankToHalf || list->itemCount() != n;
    row.note = QStringLiteral("%1 buttons created").arg(created);
    if (!shrankToHalf)
        row.note += QStringLiteral(", the shrink did not show N/2");
    report(row);
}

// The same shrink and grow against the least work they stand for, done by hand on a second list
// built the same way: rebinding every button that stays, emptying and hiding the surplus, then
// refilling and showing it again (the surplus stays in its layout, nothing moves); each shown
// button is restyled when its look changed, a hidden one only once it is shown again.
template <typename Kind>
QVector<typename Kind::Shown> shownOf(typename Kind::List* list)
{
    QVector<typename Kind::Shown> shown;
    for (QAbstractButton* candidate : list->getContentButtons()) {
        if (auto* button = qobject_cast<typename Kind::Button*>(candidate))
            shown.append(Kind::shownBy(button));
    }
    return shown;
}

template <typename Kind>
void BM_ShrinkGrowByHand(benchmark::State& state)
{
    const int n = int(state.range(0));
    BenchDevice device(QStringLiteral("P3 by hand"));
    Kind::populate(device, n);
    auto list = makeBuiltList<Kind>(device);
    auto byHand = makeBuiltList<Kind>(device);
    const auto full = shownOf<Kind>(list.get());
    Kind::setShrunk(device, n, true);
    Kind::build(list.get(), device, false);
    const auto shrunk = shownOf<Kind>(list.get());
    Kind::setShrunk(device, n, false);
    Kind::build(list.get(), device, false);
    drainEvents();

    QVector<typename Kind::Button*> buttons;
    for (QAbstractButton* candidate : byHand->getContentButtons())
        buttons.append(qobject_cast<typename Kind::Button*>(candidate));
    if (buttons.size() != full.size() || shrunk.size() * 2 != full.size() || buttons.contains(nullptr)) {
        state.SkipWithError("the lists do not shrink to half");
        return;
    }
    const int kept = shrunk.size();
    const int before = buttonCount<Kind>(list.get());
    bool shrankToHalf = true;
    PairResult r;
    for (auto _ : state) {
        r = measurePair(
            [&] {
                return timeNs([&] {
                    Kind::setShrunk(device, n, true);
                    Kind::build(list.get(), device, false);
                    drainEvents();
                    shrankToHalf = shrankToHalf && list->itemCount() == kept;
                    Kind::setShrunk(device, n, false);
                    Kind::build(list.get(), device, false);
                    drainEvents();
                });
            },
            [&] {
                return timeNs([&] {
                    for (int i = 0; i < buttons.size(); ++i) {
                        if (i < kept) {
                            Kind::bind(buttons.at(i), device, shrunk.at(i));
                            Kind::restyle(buttons.at(i));
                        } else {
                            buttons.at(i)->hide();
                            buttons.at(i)->setChecked(false);
                            Kind::bind(buttons.at(i), device, {});
                        }
                    }
                    drainEvents();
                    for (int i = 0; i < buttons.size(); ++i) {
                        Kind::bind(buttons.at(i), device, full.at(i));
                        if (i >= kept)
                            buttons.at(i)->show();
                        Kind::restyle(buttons.at(i));
                    }
                    drainEvents();
                });
            },
            budgetFor(n));
        state.SetIterationTime(r.job / 1e9);
    }
    const int created = buttonCount<Kind>(list.get()) - before;
    Row row = listRow(Kind::section, 6, Kind::label() + QStringLiteral(" P3 shrink + grow vs the same by hand"), n, r);
    row.goal = 1.3;
    row.failed = created != 0 || !shrankToHalf || list->itemCount() != n;
    row.note = QStringLiteral("%1 buttons created").arg(created);
    if (!shrankToHalf)
        row.note += QStringLiteral(", the shrink did not show N/2");
    report(row);
}

// ---- Video refresh, against N scaled draws of the same frame ---------------------------------

template <typename Kind>
void BM_VideoRefresh(benchmark::State& state)
{
    const int n = int(state.range(0));
    BenchDevice device(QStringLiteral("video"));
    Kind::populate(device, n);
    auto list = makeBuiltList<Kind>(device, true);
    auto* preview = list->template findChild<VideoPreviewWidget*>();
    if (!preview || preview->size().isEmpty()) {
        state.SkipWithError("no video preview in the list's buttons");
        return;
    }
    QImage target(preview->size(), QImage::Format_RGB32);
    target.fill(Qt::black);
    int calls = 0;
    PairResult r;
    for (auto _ : state) {
        r = measurePair(
            [&] {
                g_videoCalls = 0;
                const qint64 ns = timeNs([&] {
                    Kind::refreshVideo(list.get());
                    drainEvents();
                });
                calls = g_videoCalls;
                return ns;
            },
            [&] {
                return timeNs([&] {
                    for (int i = 0; i < n; ++i)
                        drawScaledFrame(target);
                });
            },
            budgetFor(n));
        state.SetIterationTime(r.job / 1e9);
    }
    Row row = listRow(Kind::section, 7, Kind::label() + QStringLiteral(" video refresh vs N scaled draws"), n, r);
    row.goal = 1.5;
    row.note = QStringLiteral("%1 callbacks per refresh, previews of %2x%3")
                   .arg(calls)
                   .arg(target.width())
                   .arg(target.height());
    report(row);
}

// ---- Memory per button --------------------------------------------------------------------

// What a button may cost while no video frame has been shown.
constexpr double kButtonBytesGoal = 16 * 1024;

// With `hostSheet` false the same lists are measured with no application style sheet: what is left
// is the library's own part, without Qt's style-sheet copies and caches per widget.
template <typename Kind, bool hostSheet>
void BM_ButtonMemory(benchmark::State& state)
{
    const int n = int(state.range(0));
    g_withoutSheet = !hostSheet;
    if (!hostSheet)
        dropPanelStyleSheet();
    static bool warmedUp = false;
    if (!warmedUp) {
        // Process-wide caches (fonts, style rules) are filled by the first list, not per button.
        BenchDevice warmUp(QStringLiteral("memory warm-up"));
        Kind::populate(warmUp, 16);
        firstBuildSample<Kind>(warmUp);
        warmedUp = true;
    }
    BenchDevice device(QStringLiteral("memory"));
    Kind::populate(device, n);
    std::vector<qint64> perButton;
    for (auto _ : state) {
        for (int i = 0; i < (n >= 1024 ? 1 : 3); ++i) {
            auto list = makeShownList<Kind>();
            const qint64 before = heapBytesInUse();
            Kind::build(list.get(), device, false);
            drainEvents();
            perButton.push_back((heapBytesInUse() - before) / n);
            list.reset();
            drainEvents();
        }
    }
    g_withoutSheet = false;
    std::sort(perButton.begin(), perButton.end());
    Row row;
    row.section = Kind::section;
    row.position = hostSheet ? 8 : 9;
    row.size = nLabel(n);
    row.sizeOrder = n;
    row.unit = Unit::Bytes;
    row.value = double(perButton[perButton.size() / 2]);
    if (hostSheet) {
        row.name = Kind::label() + QStringLiteral(" memory: heap bytes per button");
        row.floor = kButtonBytesGoal;
        row.ratio = row.value / row.floor;
        row.goal = 1;
        row.note = QStringLiteral("list with N buttons less the empty list, / N; floor: the 16 KiB budget");
    } else {
        row.name = Kind::label() + QStringLiteral(" memory without a host style sheet");
        row.note = QStringLiteral("the same, no application style sheet: the library's own part");
    }
    report(row);
}

// A plain copy of a button: widgets of the Qt classes the library's derive from, with the same
// object names, dynamic properties, texts and size limits, one box layout per widget that has
// children. Under the host sheet this is what Qt keeps for the widgets the host addresses, with none
// of the library's own state: the least a button of this shape can cost.
QWidget* plainCopy(const QWidget* source, QWidget* parent)
{
    QWidget* copy = nullptr;
    if (const auto* label = qobject_cast<const QLabel*>(source)) {
        auto* plain = new QLabel(parent);
        plain->setText(label->text());
        copy = plain;
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(source)) {
        auto* plain = new QToolButton(parent);
        plain->setText(button->text());
        plain->setCheckable(button->isCheckable());
        copy = plain;
    } else if (qobject_cast<const QFrame*>(source)) {
        copy = new QFrame(parent);
    } else {
        copy = new QWidget(parent);
    }
    copy->setObjectName(source->objectName());
    for (const QByteArray& name : source->dynamicPropertyNames()) {
        if (!name.startsWith("_q_")) // Qt's own records, made again by the copy's polish
            copy->setProperty(name.constData(), source->property(name.constData()));
    }
    copy->setMinimumSize(source->minimumSize());
    copy->setMaximumSize(source->maximumSize());
    QBoxLayout* layout = nullptr;
    for (QObject* child : source->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        if (!layout)
            layout = new QHBoxLayout(copy);
        QWidget* childCopy = plainCopy(widget, copy);
        childCopy->setHidden(widget->isHidden());
        layout->addWidget(childCopy);
    }
    return copy;
}

// Heap bytes per button of plain copies of a built list's N buttons, under the host sheet: Qt's own
// cost for widgets of that shape, next to the memory rows.
template <typename Kind>
void BM_PlainCopyMemory(benchmark::State& state)
{
    const int n = int(state.range(0));
    BenchDevice device(QStringLiteral("memory plain copies"));
    Kind::populate(device, n);
    qint64 perButton = 0;
    for (auto _ : state) {
        auto list = makeShownList<Kind>();
        Kind::build(list.get(), device, false);
        drainEvents();
        const QList<QAbstractButton*> buttons = list->getContentButtons();
        PlainColumn column(Kind::listSize());
        const qint64 before = heapBytesInUse();
        for (const QAbstractButton* button : buttons)
            column.layout->addWidget(plainCopy(button, column.content));
        drainEvents();
        perButton = (heapBytesInUse() - before) / qMax(1, buttons.size());
    }
    Row row;
    row.section = Kind::section;
    row.position = 10;
    row.size = nLabel(n);
    row.sizeOrder = n;
    row.unit = Unit::Bytes;
    row.value = double(perButton);
    row.name = Kind::label() + QStringLiteral(" memory of plain Qt copies of the buttons");
    row.note = QStringLiteral("host sheet; same object names, properties and texts: Qt's own part");
    report(row);
}

void listSizes(benchmark::internal::Benchmark* b)
{
    for (int n : {16, 64, 256, 1024})
        b->Arg(n);
    b->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
}

// A device holds 256 screens of each type: the header strip is measured up to 512 screens.
void headerSizes(benchmark::internal::Benchmark* b)
{
    for (int n : {16, 64, 256, 512})
        b->Arg(n);
    b->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
}

// A scene lists 256 regular layers at most (numbers are 8 bits).
void layerSizes(benchmark::internal::Benchmark* b)
{
    for (int n : {16, 64, 256})
        b->Arg(n);
    b->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
}

// A user key list holds 128 keys at most.
void userKeySizes(benchmark::internal::Benchmark* b)
{
    for (int n : {16, 64, 128})
        b->Arg(n);
    b->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
}

void firstBuildSizes(benchmark::internal::Benchmark* b)
{
    for (int n : {256, 1024})
        b->Arg(n);
    b->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
}

void memorySizes(benchmark::internal::Benchmark* b)
{
    for (int n : {16, 64, 256, 1024})
        b->Arg(n);
    b->Iterations(1);
}

} // namespace

BENCHMARK_TEMPLATE(BM_RebuildUnchanged, InputLists)->Apply(listSizes);
BENCHMARK_TEMPLATE(BM_FirstBuild, InputLists)->Apply(listSizes);
BENCHMARK_TEMPLATE(BM_FirstBuildVsPlain, InputLists)->Apply(firstBuildSizes);
BENCHMARK(BM_NaiveBuild)->Arg(256)->Arg(1024)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE2(BM_ShrinkGrow, InputLists, Phase::Shrink)->Apply(listSizes);
BENCHMARK_TEMPLATE2(BM_ShrinkGrow, InputLists, Phase::Grow)->Apply(listSizes);
BENCHMARK_TEMPLATE(BM_ShrinkGrowByHand, InputLists)->Apply(listSizes);
BENCHMARK_TEMPLATE(BM_VideoRefresh, InputLists)->Apply(listSizes);
BENCHMARK_TEMPLATE2(BM_ButtonMemory, InputLists, true)->Apply(memorySizes);
BENCHMARK_TEMPLATE2(BM_ButtonMemory, InputLists, false)->Arg(1024)->Iterations(1);
BENCHMARK_TEMPLATE(BM_PlainCopyMemory, InputLists)->Arg(1024)->Iterations(1);
BENCHMARK_TEMPLATE(BM_RebuildUnchanged, ScreenLists)->Apply(listSizes);
BENCHMARK_TEMPLATE(BM_FirstBuild, ScreenLists)->Apply(listSizes);
BENCHMARK_TEMPLATE(BM_FirstBuildVsPlain, ScreenLists)->Apply(firstBuildSizes);
BENCHMARK_TEMPLATE2(BM_ShrinkGrow, ScreenLists, Phase::Shrink)->Apply(listSizes);
BENCHMARK_TEMPLATE2(BM_ShrinkGrow, ScreenLists, Phase::Grow)->Apply(listSizes);
BENCHMARK_TEMPLATE(BM_ShrinkGrowByHand, ScreenLists)->Apply(listSizes);
BENCHMARK_TEMPLATE(BM_VideoRefresh, ScreenLists)->Apply(listSizes);
BENCHMARK_TEMPLATE2(BM_ButtonMemory, ScreenLists, true)->Apply(memorySizes);
BENCHMARK_TEMPLATE2(BM_ButtonMemory, ScreenLists, false)->Arg(1024)->Iterations(1);
BENCHMARK_TEMPLATE(BM_PlainCopyMemory, ScreenLists)->Arg(1024)->Iterations(1);
BENCHMARK_TEMPLATE(BM_RebuildUnchanged, OutputLists)->Apply(listSizes);
BENCHMARK_TEMPLATE(BM_FirstBuild, OutputLists)->Apply(listSizes);
BENCHMARK_TEMPLATE2(BM_ButtonMemory, OutputLists, true)->Apply(memorySizes);
BENCHMARK_TEMPLATE2(BM_ButtonMemory, OutputLists, false)->Arg(1024)->Iterations(1);
BENCHMARK_TEMPLATE(BM_PlainCopyMemory, OutputLists)->Arg(1024)->Iterations(1);
BENCHMARK_TEMPLATE(BM_RebuildUnchanged, LayerLists)->Apply(layerSizes);
BENCHMARK_TEMPLATE(BM_FirstBuild, LayerLists)->Apply(layerSizes);
BENCHMARK_TEMPLATE(BM_RebuildUnchanged, HeaderLists)->Apply(headerSizes);
BENCHMARK_TEMPLATE(BM_FirstBuild, HeaderLists)->Apply(headerSizes);
BENCHMARK_TEMPLATE(BM_RebuildUnchanged, UserKeyLists)->Apply(userKeySizes);
BENCHMARK_TEMPLATE(BM_FirstBuild, UserKeyLists)->Apply(userKeySizes);
