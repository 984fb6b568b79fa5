#include "common/testsupport.h"

#include <vireowidgets/controls/touchcheckbox.h>
#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/resources/screenheaderlistwidget.h>

#include <vireomodel/devicelist.h>
#include <vireomodel/fixture.h>
#include <vireomodel/modelcontrol.h>

#include <QButtonGroup>
#include <QDrag>
#include <QLayout>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <functional>

using namespace Vireo::BizModel;
using Vireo::Test::sendMouse;
using Vireo::Widgets::QWrapLabel;
using Vireo::Widgets::ScreenHeaderItem;
using Vireo::Widgets::ScreenHeaderListWidget;
using Vireo::Widgets::TouchCheckBox;
namespace Fixture = Vireo::Fixture;
namespace Constants = Vireo::Constants;

namespace {

constexpr int Regular = Enum::Screen::RegularScreen;
constexpr int ShownTypes = Enum::Screen::RegularScreen | Enum::Screen::AUXScreen;

QString nameOf(ScreenHeaderItem* item)
{
    auto* label = item->findChild<QWrapLabel*>(QStringLiteral("ScreenName"));
    return label ? label->getText() : QStringLiteral("<no label>");
}

// The first child of class W below `parent` whose dynamic property `property` is true.
template <class W>
W* childWith(QWidget* parent, const char* property)
{
    for (auto* child : parent->findChildren<W*>()) {
        if (child->property(property).toBool())
            return child;
    }
    return nullptr;
}

QToolButton* viewToggle(ScreenHeaderItem* item)
{
    return childWith<QToolButton>(item, "isScreenHeaderViewerButton");
}

// The header of the active device's regular and AUX screens, shown with its view buttons (filled
// at once unless asked not to); it runs `whileDragging`, when set, while one of its tabs is dragged.
class Header : public ScreenHeaderListWidget
{
public:
    explicit Header(bool allowEmpty = false, bool fillNow = true)
    {
        if (allowEmpty)
            setIsAllowEmptySelected(true);
        resize(1000, 60);
        show();
        if (fillNow)
            fill();
    }
    void fill(bool viewButtons = true, bool switchState = false)
    {
        initListWidgetItem(DeviceList::instance()->activedDevice(), ShownTypes, viewButtons, switchState);
    }

    // The tabs as the user sees them, left to right.
    QList<ScreenHeaderItem*> tabs()
    {
        QList<ScreenHeaderItem*> out;
        for (QAbstractButton* button : getContentButtons()) {
            if (auto* item = qobject_cast<ScreenHeaderItem*>(button))
                out.append(item);
        }
        if (!out.isEmpty() && out.first()->parentWidget()->layout())
            out.first()->parentWidget()->layout()->activate();
        std::stable_sort(
            out.begin(), out.end(), [](ScreenHeaderItem* a, ScreenHeaderItem* b) { return a->x() < b->x(); });
        return out;
    }
    // The names of the tabs, left to right; only of the checked ones when asked.
    QStringList order(bool checkedOnly = false)
    {
        QStringList out;
        for (auto* item : tabs()) {
            if (!checkedOnly || item->isChecked())
                out.append(nameOf(item));
        }
        return out;
    }
    QStringList checked() { return order(true); }
    ScreenHeaderItem* tab(const QString& name)
    {
        for (auto* item : tabs()) {
            if (nameOf(item) == name)
                return item;
        }
        return nullptr;
    }
    TouchCheckBox* multiBox() const { return findChild<TouchCheckBox*>(); }
    // A point over the tab, in list coordinates, `fraction` of its width from its left edge.
    QPoint pointOver(ScreenHeaderItem* item, double fraction)
    {
        return item->mapTo(this, QPoint(int(item->width() * fraction), item->height() / 2));
    }

    std::function<void()> whileDragging;

protected:
    void setDragButtonState(Vireo::Widgets::ScreenListContentButton* button, bool state) override
    {
        ScreenHeaderListWidget::setDragButtonState(button, state);
        if (state && whileDragging)
            whileDragging();
    }
};

// updateGeneral records of regular screens in the given order.
QVariantList records(std::initializer_list<int> screenIds)
{
    QVariantList out;
    int index = 0;
    for (int id : screenIds)
        out.append(QVariant(QVariantList {id, Regular, index++}));
    return out;
}

void compareLog(const QList<Fixture::CommandEntry>& expected)
{
    const auto log = Fixture::commandLog();
    QCOMPARE(Fixture::commandNames().size(), expected.size());
    for (int i = 0; i < log.size(); ++i) {
        QCOMPARE(log.at(i).command, expected.at(i).command);
        QCOMPARE(log.at(i).args, expected.at(i).args);
    }
}

QMimeData* screenMime(const QByteArray& keyNo, const QByteArray& type)
{
    auto* mime = new QMimeData;
    if (!keyNo.isNull())
        mime->setData(QString::fromLatin1(Constants::MimeTypeScreenKeyNo), keyNo);
    if (!type.isNull())
        mime->setData(QString::fromLatin1(Constants::MimeTypeScreenTypeKeyNo), type);
    return mime;
}

// Sends a drag-enter, drag-move or drop event to the list; whether it was accepted.
template <class DragEvent>
bool sendDrag(QWidget* list, const QPoint& pos, QMimeData* mime)
{
    DragEvent event(pos, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list, &event);
    return event.isAccepted();
}

std::weak_ptr<Screen> screen(int id)
{
    return Fixture::activeDevice() ? Fixture::activeDevice()->findScreen(Regular, quint8(id)) : std::weak_ptr<Screen>();
}

} // namespace

Q_DECLARE_METATYPE(QList<Vireo::Fixture::CommandEntry>)

class tst_ScreenHeaderList : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void look();
    void rebuildMirrorsTheDevice();
    void rebuildOrdersByUiIndex_data();
    void rebuildOrdersByUiIndex();
    void unchangedRebuildCreatesNoWidget();

    void userSelects_data();
    void userSelects();
    void multiSelectOff_data();
    void multiSelectOff();
    void multiSelectWithoutDevice();
    void viewToggleAddsViewing();
    void resetLayout();
    void switchState();

    void dragStateSendsNothing();
    void dragWritesTheOrderOnce();
    void dragOrderWriteRefused();
    void dragOfAScreenDroppedWhileWritten();
    void dropReorders_data();
    void dropReorders();
    void badDrops_data();
    void badDrops();
    void vanishingDragged_data();
    void vanishingDragged();
    void expiredScreenTabSendsNothing();
    void tabReboundBeforeReleaseSelectsNothing();
    void unmatchedReleaseLeavesNoPressBehind();
    void stripChangesByCodeReachNoDevice_data();
    void stripChangesByCodeReachNoDevice();

private:
    Device* m_device = nullptr;
    std::weak_ptr<Device> m_weakDevice;
};

void tst_ScreenHeaderList::init()
{
    Fixture::reset();
    m_weakDevice = Fixture::makeActiveDevice();
    m_device = Fixture::activeDevice();
    for (int i = 1; i <= 3; ++i)
        m_device->addScreen(Regular, quint8(i), QStringLiteral("S%1").arg(i));
    m_device->addScreen(Enum::Screen::MVRScreen, 9, "MVR");
}

void tst_ScreenHeaderList::cleanup()
{
    Fixture::reset();
    m_device = nullptr;
}

void tst_ScreenHeaderList::look()
{
    Header list;
    QCOMPARE(childWith<QPushButton>(&list, "isRefreshRatioButtonRestore")->text(), QStringLiteral("Reset Layout"));
    QCOMPARE(list.multiBox()->text(), QStringLiteral("MultiSelect"));
    QCOMPARE(list.multiBox()->layoutDirection(), Qt::RightToLeft);
    QVERIFY(list.property("screenHeaderListFrame").toBool());
    QVERIFY(list.contentScrollArea()->property("screenHeaderListFrame").toBool());
    QVERIFY(list.acceptDrops());
    QCOMPARE(list.allowDragEdge(), quint32(6));

    const auto items = list.tabs();
    QCOMPARE(items.size(), 3);
    for (auto* item : items) {
        QCOMPARE(item->size(), QSize(138, 34));
        QCOMPARE(item->sizeHint(), QSize(138, 34));
        QVERIFY(item->isCheckable());
        QVERIFY(item->property("isScreenHeaderButton").toBool());
        QVERIFY(viewToggle(item));
        QVERIFY(!viewToggle(item)->isHidden());
        QCOMPARE(viewToggle(item)->size(), QSize(42, 32));
        QVERIFY(viewToggle(item)->isCheckable());
    }
    bool separatorFound = false;
    for (auto* label : items.first()->findChildren<QLabel*>())
        separatorFound = separatorFound || (label->property("isGrayLabelLine").toBool() && label->width() == 1);
    QVERIFY(separatorFound);
    QVERIFY(Fixture::commandLog().isEmpty());

    // A rebuild without view buttons hides them on every reused tab, the next one that asks for them
    // shows them again.
    for (const bool viewButtons : {false, true}) {
        list.fill(viewButtons);
        for (auto* item : list.tabs())
            QCOMPARE(viewToggle(item)->isHidden(), !viewButtons);
    }
}

void tst_ScreenHeaderList::rebuildMirrorsTheDevice()
{
    m_device->setSelectedScreens({screen(2)});
    m_device->setViewingScreens({screen(3)});
    m_device->setMultiScreens(true);
    Header list(false, false);
    QSignalSpy toggled(&list, &ScreenHeaderListWidget::itemToggled);
    list.fill();
    QCOMPARE(list.order(), QStringList({"S1", "S2", "S3"}));
    QCOMPARE(list.checked(), QStringList({"S2"}));
    QVERIFY(viewToggle(list.tab("S3"))->isChecked());
    QVERIFY(!viewToggle(list.tab("S1"))->isChecked());
    QVERIFY(list.multiBox()->isChecked());
    QCOMPARE(toggled.count(), 0);
    QVERIFY(Fixture::commandLog().isEmpty());

    // Changed in the device, read again.
    m_device->setSelectedScreens({screen(1), screen(3)});
    list.initSelectedScreens(m_weakDevice);
    QCOMPARE(list.checked(), QStringList({"S1", "S3"}));
    QCOMPARE(toggled.count(), 0);
    QVERIFY(Fixture::commandLog().isEmpty());

    // Without a device the box is off.
    Fixture::removeActiveDevice();
    list.initScreenMultiSelectedState(m_weakDevice);
    QVERIFY(!list.multiBox()->isChecked());
}

void tst_ScreenHeaderList::rebuildOrdersByUiIndex_data()
{
    QTest::addColumn<QList<int>>("uiIndexes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QVariantList>("written");

    QTest::newRow("already in order") << QList<int> {0, 1, 2} << QStringList {"S1", "S2", "S3"} << QVariantList();
    // Moved tabs write the order shown, also when the UI positions were already 0, 1, 2: the
    // device's own order follows it.
    QTest::newRow("reordered, positions held")
        << QList<int> {2, 0, 1} << QStringList {"S2", "S3", "S1"} << records({2, 3, 1});
    QTest::newRow("reordered, new positions")
        << QList<int> {7, 3, 4} << QStringList {"S2", "S3", "S1"} << records({2, 3, 1});
    QTest::newRow("ties keep the index order")
        << QList<int> {5, 5, 1} << QStringList {"S3", "S1", "S2"} << records({3, 1, 2});
}

void tst_ScreenHeaderList::rebuildOrdersByUiIndex()
{
    QFETCH(QList<int>, uiIndexes);
    QFETCH(QStringList, expected);
    QFETCH(QVariantList, written);

    // The device takes the order written (its own screen order follows).
    Fixture::setLiveMode(true);
    for (int i = 0; i < 3; ++i)
        screen(i + 1).lock()->setUiScreenIndex(uiIndexes.at(i));
    Header list;
    QCOMPARE(list.order(), expected);
    if (written.isEmpty()) {
        QVERIFY(Fixture::commandLog().isEmpty());
    } else {
        compareLog({{"Screen::updateGeneral", {QVariant(written)}}});
        QCOMPARE(screen(int(written.first().toList().first().toInt())).lock()->getUiScreenIndex(), 0);
    }

    // Rebuilt again: same order, nothing more written.
    Fixture::clearCommandLog();
    list.fill();
    QCOMPARE(list.order(), expected);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_ScreenHeaderList::unchangedRebuildCreatesNoWidget()
{
    for (int i = 10; i < 210; ++i)
        m_device->addScreen(Regular, quint8(i), QStringLiteral("N%1").arg(i));
    Header list;
    const int made = list.findChildren<ScreenHeaderItem*>().size();
    QCOMPARE(made, 203);
    const QStringList before = list.order();
    list.fill();
    QCOMPARE(list.findChildren<ScreenHeaderItem*>().size(), made);
    QCOMPARE(list.order(), before);
}

void tst_ScreenHeaderList::userSelects_data()
{
    QTest::addColumn<bool>("multi");
    QTest::addColumn<bool>("allowEmpty");
    QTest::addColumn<int>("selected"); // the screen selected before
    QTest::addColumn<bool>("byKey"); // the space key on the focused tab, else a mouse click
    QTest::addColumn<QStringList>("pressed"); // tab after tab
    QTest::addColumn<QList<QStringList>>("checkedAfter"); // after each
    QTest::addColumn<QList<Fixture::CommandEntry>>("log");

    const Fixture::CommandEntry cover {
        "Screen::setSelected", {QVariant(QVariantList({2})), int(Enum::Cover), true, true}};
    QTest::newRow("single select, click") << false << false << 1 << false << QStringList {"S2"}
                                          << QList<QStringList> {{"S2"}} << QList<Fixture::CommandEntry> {cover};
    QTest::newRow("single select, space key") << false << false << 1 << true << QStringList {"S2"}
                                              << QList<QStringList> {{"S2"}} << QList<Fixture::CommandEntry> {cover};
    QTest::newRow("multi-select: add one, drop the other")
        << true << false << 1 << false << QStringList {"S3", "S1"} << QList<QStringList> {{"S1", "S3"}, {"S3"}}
        << QList<Fixture::CommandEntry> {
               {"Screen::setSelected", {QVariant(QVariantList({3})), int(Enum::Append), true, true}},
               {"Screen::cancelSelected", {QVariant(QVariantList({1})), true}}};
    QTest::newRow("the checked tab, empty not allowed")
        << false << false << 2 << false << QStringList {"S2"} << QList<QStringList> {{"S2"}}
        << QList<Fixture::CommandEntry> {};
    QTest::newRow("the checked tab, empty allowed")
        << false << true << 2 << false << QStringList {"S2"} << QList<QStringList> {{}}
        << QList<Fixture::CommandEntry> {{"Screen::cancelSelected", {QVariant(QVariantList({2})), true}}};
}

void tst_ScreenHeaderList::userSelects()
{
    QFETCH(bool, multi);
    QFETCH(bool, allowEmpty);
    QFETCH(int, selected);
    QFETCH(bool, byKey);
    QFETCH(QStringList, pressed);
    QFETCH(QList<QStringList>, checkedAfter);
    QFETCH(QList<Fixture::CommandEntry>, log);

    m_device->setSelectedScreens({screen(selected)});
    m_device->setMultiScreens(multi);
    Header list(allowEmpty);
    for (int i = 0; i < pressed.size(); ++i) {
        if (byKey)
            QTest::keyClick(list.tab(pressed.at(i)), Qt::Key_Space);
        else
            QTest::mouseClick(list.tab(pressed.at(i)), Qt::LeftButton);
        QCOMPARE(list.checked(), checkedAfter.at(i));
    }
    compareLog(log);
    // The names show the checked look too.
    for (auto* tab : list.tabs()) {
        auto* label = tab->findChild<QWrapLabel*>(QStringLiteral("ScreenName"));
        QCOMPARE(label->property("isChecked").toBool(), checkedAfter.last().contains(nameOf(tab)));
    }
}

void tst_ScreenHeaderList::multiSelectOff_data()
{
    QTest::addColumn<int>("active"); // 0: none
    QTest::addColumn<bool>("allowEmpty");
    QTest::addColumn<QStringList>("checkedAfter");
    QTest::addColumn<int>("selectedId"); // the screen selected after clearing the selection; 0: none

    QTest::newRow("active screen") << 2 << false << QStringList {"S2"} << 2;
    QTest::newRow("no active screen, empty not allowed") << 0 << false << QStringList {"S1"} << 1;
    QTest::newRow("no active screen, empty allowed") << 0 << true << QStringList() << 0;
}

void tst_ScreenHeaderList::multiSelectOff()
{
    QFETCH(int, active);
    QFETCH(bool, allowEmpty);
    QFETCH(QStringList, checkedAfter);
    QFETCH(int, selectedId);

    m_device->setMultiScreens(true);
    m_device->setSelectedScreens({screen(1), screen(2), screen(3)});
    if (active)
        m_device->setActivedScreen(screen(active));
    Header list(allowEmpty);
    QCOMPARE(list.checked(), QStringList({"S1", "S2", "S3"}));

    QTest::mouseClick(list.multiBox(), Qt::LeftButton);
    QVERIFY(!list.multiBox()->isChecked());
    QVERIFY(!m_device->isMultiScreens());
    QCOMPARE(list.checked(), checkedAfter);
    if (selectedId) {
        compareLog({{"Screen::clearSelectedScreens", {true}},
            {"Screen::setSelected", {QVariant(QVariantList({selectedId})), int(Enum::Cover), true, true}}});
        const auto viewing = m_device->viewingScreen();
        QCOMPARE(viewing.size(), 1);
        QCOMPARE(viewing.first().lock()->screenId(), quint8(selectedId));
    } else {
        compareLog({{"Screen::clearSelectedScreens", {true}}});
        QVERIFY(m_device->viewingScreen().isEmpty());
    }
}

void tst_ScreenHeaderList::multiSelectWithoutDevice()
{
    Header list;
    Fixture::removeActiveDevice();
    QTest::mouseClick(list.multiBox(), Qt::LeftButton);
    QVERIFY(!list.multiBox()->isChecked());
    QTest::mouseClick(list.tabs().first(), Qt::LeftButton);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_ScreenHeaderList::viewToggleAddsViewing()
{
    Header list;
    auto* toggle = viewToggle(list.tab("S2"));
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(m_device->viewingScreen().size(), 1);
    QCOMPARE(m_device->viewingScreen().first().lock()->screenId(), quint8(2));
    QVERIFY(toggle->isChecked());
    // Turned off, the toggle stays off; nothing is sent and the device keeps its list.
    QTest::mouseClick(toggle, Qt::LeftButton);
    QVERIFY(!toggle->isChecked());
    QCOMPARE(m_device->viewingScreen().size(), 1);
    QVERIFY(Fixture::commandLog().isEmpty());
    // The next rebuild shows what the device views again.
    list.fill();
    QVERIFY(viewToggle(list.tab("S2"))->isChecked());

    // A rebuild between press and release gives the pressed tab another screen: nothing is sent.
    toggle = viewToggle(list.tab("S2"));
    const QPoint centre = toggle->rect().center();
    sendMouse(toggle, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
    m_device->removeScreen(Regular, 1);
    list.fill();
    QVERIFY(nameOf(qobject_cast<ScreenHeaderItem*>(toggle->parentWidget())) != QStringLiteral("S2"));
    QVERIFY(!toggle->isChecked());
    QTest::ignoreMessage(QtWarningMsg, "View toggle: the tab shows another screen than the one pressed; nothing sent.");
    sendMouse(toggle, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
    QVERIFY(!toggle->isChecked());
    QCOMPARE(m_device->viewingScreen().size(), 1);
    QCOMPARE(m_device->viewingScreen().first().lock()->screenId(), quint8(2));
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_ScreenHeaderList::resetLayout()
{
    screen(1).lock()->setUiScreenIndex(7);
    Header list;
    Fixture::clearCommandLog();
    QSignalSpy changed(m_device, &Device::signalScreensChanged);
    QTest::mouseClick(childWith<QPushButton>(&list, "isRefreshRatioButtonRestore"), Qt::LeftButton);
    QCOMPARE(changed.count(), 1);
    // The device's default layout: the UI order is the screens' own order again.
    QCOMPARE(screen(1).lock()->getUiScreenIndex(), screen(1).lock()->index());
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_ScreenHeaderList::switchState()
{
    screen(3).lock()->setState(1);
    m_device->setMultiScreens(true);
    m_device->setSelectedScreens({screen(1)});
    Header list(false, false);
    list.fill(true, true);
    QVERIFY(list.tab("S1")->isEnabled());
    QVERIFY(list.tab("S2")->isEnabled());
    QVERIFY(!list.tab("S3")->isEnabled());

    m_device->setMultiScreens(false);
    list.fill(true, true);
    QVERIFY(list.tab("S3")->isEnabled());

    // Rebuilt while the page is disabled, the tabs still get their own state.
    m_device->setMultiScreens(true);
    list.setEnabled(false);
    list.fill(true, true);
    list.setEnabled(true);
    QVERIFY(list.tab("S1")->isEnabled());
    QVERIFY(!list.tab("S3")->isEnabled());
}

void tst_ScreenHeaderList::dragStateSendsNothing()
{
    m_device->setSelectedScreens({screen(1)});
    Header list;
    auto* tab = list.tab("S1");
    QSignalSpy groupToggles(tab->group(), qOverload<QAbstractButton*, bool>(&QButtonGroup::buttonToggled));
    QSignalSpy tabToggles(tab, &QAbstractButton::toggled);

    tab->setIsDragState(true);
    QVERIFY(tab->dragState());
    QVERIFY(!tab->isChecked());
    QCOMPARE(tab->property("isScreenHeaderButton").toBool(), false);
    tab->setIsDragState(false);
    QVERIFY(tab->isChecked());
    QCOMPARE(tab->property("isScreenHeaderButton").toBool(), true);

    QCOMPARE(groupToggles.count(), 0);
    QCOMPARE(tabToggles.count(), 0);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_ScreenHeaderList::dragWritesTheOrderOnce()
{
    m_device->setSelectedScreens({screen(1)});
    Header list;
    QSignalSpy toggled(&list, &ScreenHeaderListWidget::itemToggled);
    QSignalSpy indexChanged(&list, &ScreenHeaderListWidget::signalScreenItemIndexChanged);
    auto* tab = list.tab("S1");

    sendMouse(tab, QEvent::MouseButtonPress, QPoint(100, 17), Qt::LeftButton, Qt::LeftButton);
    sendMouse(&list, QEvent::MouseMove, QPoint(900, 80), Qt::NoButton, Qt::LeftButton);
    // The headless drag has already ended: the order is written once, nothing is selected.
    const auto drags = list.findChildren<QDrag*>();
    QCOMPARE(drags.size(), 1);
    QCOMPARE(drags.first()->mimeData()->data(Constants::MimeTypeScreenKeyNo), QByteArray("1"));
    QCOMPARE(drags.first()->mimeData()->data(Constants::MimeTypeScreenTypeKeyNo), QByteArray("2"));
    QCOMPARE(drags.first()->mimeData()->data(Constants::MimeTypeDragHotSpot).size(), 8);
    compareLog({{"Screen::updateGeneral", {QVariant(records({1, 2, 3}))}},
        {"Screen::screenMoved", {QVariant(records({1, 2, 3})), 1}}});
    QCOMPARE(indexChanged.count(), 1);
    QVERIFY(!tab->dragState());
    QVERIFY(tab->isChecked());
    QCOMPARE(toggled.count(), 0);

    // The release outside the list ends the press; further moves start nothing.
    QTest::ignoreMessage(QtWarningMsg, "screen start drag has faied. The selectd screenbase is nullptr");
    sendMouse(&list, QEvent::MouseMove, QPoint(950, 80), Qt::NoButton, Qt::LeftButton);
    sendMouse(tab, QEvent::MouseButtonRelease, QPoint(900, 80), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(Fixture::commandLog().size(), 2);
    QVERIFY(tab->isChecked());
}

void tst_ScreenHeaderList::dragOrderWriteRefused()
{
    Fixture::setCommandResult("Screen::updateGeneral", false);
    Header list;
    QSignalSpy indexChanged(&list, &ScreenHeaderListWidget::signalScreenItemIndexChanged);
    QTest::ignoreMessage(QtWarningMsg, "Modify screen index has failed!");
    list.updateScreenGeneral();
    QCOMPARE(Fixture::commandNames(), QStringList({"Screen::updateGeneral"}));
    QCOMPARE(indexChanged.count(), 0);
}

// The device drops the dragged screen while it takes the new order: no move names that screen.
void tst_ScreenHeaderList::dragOfAScreenDroppedWhileWritten()
{
    Header list;
    Fixture::setCommandObserver([this](const Fixture::CommandEntry& entry) {
        if (entry.command == "Screen::updateGeneral")
            m_device->removeScreen(Regular, 1);
    });
    QSignalSpy indexChanged(&list, &ScreenHeaderListWidget::signalScreenItemIndexChanged);
    QTest::ignoreMessage(QtWarningMsg, "The moved screen is gone; its move is not reported.");
    sendMouse(list.tab("S1"), QEvent::MouseButtonPress, QPoint(100, 17), Qt::LeftButton, Qt::LeftButton);
    sendMouse(&list, QEvent::MouseMove, QPoint(900, 80), Qt::NoButton, Qt::LeftButton);
    Fixture::setCommandObserver(nullptr);
    QCOMPARE(list.findChildren<QDrag*>().size(), 1);
    QCOMPARE(Fixture::commandNames(), QStringList({"Screen::updateGeneral"}));
    QCOMPARE(indexChanged.count(), 1);
}

void tst_ScreenHeaderList::dropReorders_data()
{
    QTest::addColumn<int>("dragged"); // screen number
    QTest::addColumn<int>("over"); // screen of the tab under the pointer; 0: right of the last tab
    QTest::addColumn<double>("fraction"); // where on that tab
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("first to the far right") << 1 << 0 << 0.0 << QStringList {"S2", "S3", "S1"};
    QTest::newRow("last before the first") << 3 << 1 << 0.2 << QStringList {"S3", "S1", "S2"};
    QTest::newRow("first onto the right half of the third") << 1 << 3 << 0.8 << QStringList {"S2", "S3", "S1"};
    QTest::newRow("first before the third") << 1 << 3 << 0.2 << QStringList {"S2", "S1", "S3"};
    QTest::newRow("onto its own place") << 2 << 2 << 0.2 << QStringList {"S1", "S2", "S3"};
}

void tst_ScreenHeaderList::dropReorders()
{
    QFETCH(int, dragged);
    QFETCH(int, over);
    QFETCH(double, fraction);
    QFETCH(QStringList, expected);

    Header list;
    const QPoint pos = over ? list.pointOver(list.tab(QStringLiteral("S%1").arg(over)), fraction)
                            : list.pointOver(list.tabs().last(), 1.0) + QPoint(40, 0);
    std::unique_ptr<QMimeData> mime(screenMime(QByteArray::number(dragged), "2"));
    QVERIFY(sendDrag<QDragEnterEvent>(&list, pos, mime.get()));
    QCOMPARE(list.order(), expected);
    QVERIFY(sendDrag<QDragMoveEvent>(&list, pos, mime.get()));
    QCOMPARE(list.order(), expected);
    QVERIFY(sendDrag<QDropEvent>(&list, pos, mime.get()));
    QCOMPARE(list.order(), expected);
    // Drops only move tabs; the order is written when the drag ends.
    QVERIFY(Fixture::commandLog().isEmpty());

    list.updateScreenGeneral();
    QVariantList written;
    for (int i = 0; i < expected.size(); ++i)
        written.append(QVariant(QVariantList {expected.at(i).mid(1).toInt(), Regular, i}));
    QCOMPARE(Fixture::commandLog().value(0).args, QVariantList({QVariant(written)}));
}

void tst_ScreenHeaderList::badDrops_data()
{
    QTest::addColumn<QByteArray>("keyNo");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("deviceGone");

    QTest::newRow("no keys") << QByteArray() << QByteArray() << false;
    QTest::newRow("no type") << QByteArray("1") << QByteArray() << false;
    QTest::newRow("no number") << QByteArray() << QByteArray("2") << false;
    QTest::newRow("not a number") << QByteArray("one") << QByteArray("2") << false;
    QTest::newRow("out of range") << QByteArray("300") << QByteArray("2") << false;
    QTest::newRow("unknown screen") << QByteArray("7") << QByteArray("2") << false;
    QTest::newRow("screen not listed") << QByteArray("9") << QByteArray("8") << false;
    QTest::newRow("device gone") << QByteArray("1") << QByteArray("2") << true;
}

void tst_ScreenHeaderList::badDrops()
{
    QFETCH(QByteArray, keyNo);
    QFETCH(QByteArray, type);
    QFETCH(bool, deviceGone);

    Header list;
    const QStringList before = list.order();
    const QPoint pos = list.pointOver(list.tabs().last(), 0.9) + QPoint(200, 0);
    if (deviceGone)
        Fixture::removeActiveDevice();
    std::unique_ptr<QMimeData> mime(screenMime(keyNo, type));
    sendDrag<QDragEnterEvent>(&list, pos, mime.get());
    sendDrag<QDragMoveEvent>(&list, pos, mime.get());
    QVERIFY(!sendDrag<QDropEvent>(&list, pos, mime.get()));
    QCOMPARE(list.order(), before);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_ScreenHeaderList::vanishingDragged_data()
{
    QTest::addColumn<bool>("duringDrag"); // else between the press and the move that starts the drag
    QTest::addColumn<bool>("deviceGone"); // else the dragged screen is removed
    QTest::addColumn<bool>("rebuild"); // the host rebuilds the strip right after
    QTest::addColumn<QString>("warning");

    QTest::newRow("device, before the drag")
        << false << true << false << "screen start drag has faied. The device model is nullptr.";
    QTest::newRow("screen, before the drag")
        << false << false << false << "screen start drag has faied. The selectd screenbase is nullptr";
    // The drag ran, but writes no order.
    const QString noOrder = "The dragged screen is gone; the screen order is not written.";
    QTest::newRow("screen, during the drag") << true << false << false << noOrder;
    QTest::newRow("screen, during the drag, host rebuilds") << true << false << true << noOrder;
}

void tst_ScreenHeaderList::vanishingDragged()
{
    QFETCH(bool, duringDrag);
    QFETCH(bool, deviceGone);
    QFETCH(bool, rebuild);
    QFETCH(QString, warning);

    Header list;
    auto vanish = [&] {
        if (deviceGone)
            QVERIFY(Fixture::removeActiveDevice());
        else
            QVERIFY(m_device->removeScreen(Regular, 1));
        if (rebuild)
            list.fill();
    };
    if (duringDrag)
        list.whileDragging = vanish;
    QSignalSpy indexChanged(&list, &ScreenHeaderListWidget::signalScreenItemIndexChanged);
    ScreenHeaderItem* tab = list.tab("S1");
    sendMouse(tab, QEvent::MouseButtonPress, QPoint(100, 17), Qt::LeftButton, Qt::LeftButton);
    if (!duringDrag)
        vanish();
    QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    sendMouse(&list, QEvent::MouseMove, QPoint(900, 80), Qt::NoButton, Qt::LeftButton);
    if (!duringDrag)
        sendMouse(tab, QEvent::MouseButtonRelease, QPoint(900, 80), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(list.findChildren<QDrag*>().size(), duringDrag ? 1 : 0);
    QVERIFY(!tab->dragState());
    QVERIFY(Fixture::commandLog().isEmpty());
    QCOMPARE(indexChanged.count(), 0);
}

void tst_ScreenHeaderList::expiredScreenTabSendsNothing()
{
    m_device->setMultiScreens(true);
    Header list(true);
    auto* tab = list.tab("S3");
    QVERIFY(m_device->removeScreen(Regular, 3));
    QTest::mouseClick(tab, Qt::LeftButton);
    QVERIFY(Fixture::commandLog().isEmpty());
}

// The host rebuilds between press and release and the pressed tab now shows another screen.
void tst_ScreenHeaderList::tabReboundBeforeReleaseSelectsNothing()
{
    m_device->setSelectedScreens({screen(3)});
    Header list;
    ScreenHeaderItem* tab = list.tab("S1");
    sendMouse(tab, QEvent::MouseButtonPress, QPoint(100, 17), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(m_device->removeScreen(Regular, 1));
    list.fill();
    QCOMPARE(nameOf(tab), QStringLiteral("S2"));
    sendMouse(tab, QEvent::MouseButtonRelease, QPoint(100, 17), Qt::LeftButton, Qt::NoButton);
    QVERIFY(Fixture::commandLog().isEmpty());
    QCOMPARE(list.checked(), QStringList({"S3"}));

    // A click on it now selects what it shows.
    QTest::mouseClick(tab, Qt::LeftButton, Qt::NoModifier, QPoint(100, 17));
    compareLog({{"Screen::setSelected", {QVariant(QVariantList({2})), int(Enum::Cover), true, true}}});
}

// A release on another tab does not match the press; it still ends it, so a later press on the
// strip beside the tabs and a move out drag nothing and write no order.
void tst_ScreenHeaderList::unmatchedReleaseLeavesNoPressBehind()
{
    Header list;
    sendMouse(list.tab("S1"), QEvent::MouseButtonPress, QPoint(100, 17), Qt::LeftButton, Qt::LeftButton);
    sendMouse(list.tab("S2"), QEvent::MouseButtonRelease, QPoint(100, 17), Qt::LeftButton, Qt::NoButton);
    QSignalSpy indexChanged(&list, &ScreenHeaderListWidget::signalScreenItemIndexChanged);
    const QPoint beside = list.pointOver(list.tab("S3"), 1.0) + QPoint(60, 0);
    sendMouse(&list, QEvent::MouseButtonPress, beside, Qt::LeftButton, Qt::LeftButton);
    QTest::ignoreMessage(QtWarningMsg, "screen start drag has faied. The selectd screenbase is nullptr");
    sendMouse(&list, QEvent::MouseMove, QPoint(900, 80), Qt::NoButton, Qt::LeftButton);
    sendMouse(&list, QEvent::MouseButtonRelease, QPoint(900, 80), Qt::LeftButton, Qt::NoButton);
    QVERIFY(list.findChildren<QDrag*>().isEmpty());
    QCOMPARE(indexChanged.count(), 0);
    QVERIFY(Fixture::commandNames().filter(QStringLiteral("Screen::")).isEmpty());
}

void tst_ScreenHeaderList::stripChangesByCodeReachNoDevice_data()
{
    QTest::addColumn<bool>("multi");
    QTest::addColumn<QString>("change");
    QTest::newRow("removeItem of a checked tab, multi-select") << true << "remove";
    QTest::newRow("removeItem of a checked tab, single select") << false << "remove";
    QTest::newRow("activation by the host") << false << "activate";
    QTest::newRow("programmatic click") << true << "click";
}

// The strip re-checks a neighbour of a removed checked tab, the host activates a tab, code clicks
// one: the strip changes, the device hears nothing.
void tst_ScreenHeaderList::stripChangesByCodeReachNoDevice()
{
    QFETCH(bool, multi);
    QFETCH(QString, change);
    m_device->setMultiScreens(multi);
    m_device->setSelectedScreens({screen(1), screen(3)});
    Header list;
    if (change == "remove") {
        list.removeItem(list.tab("S1"));
        QVERIFY(list.tab("S2")->isChecked()); // the strip's own re-check
    } else if (change == "activate") {
        list.setActivatedItem(list.tab("S2"), true);
        QVERIFY(list.tab("S2")->isChecked());
    } else {
        list.tab("S2")->click();
    }
    QVERIFY(Fixture::commandLog().isEmpty());
}

QTEST_MAIN(tst_ScreenHeaderList)
#include "tst_screenheaderlist.moc"
