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

// The tabs as the user sees them, left to right.
QList<ScreenHeaderItem*> tabs(ScreenHeaderListWidget& list)
{
    QList<ScreenHeaderItem*> out;
    for (QAbstractButton* button : list.getContentButtons()) {
        if (auto* item = qobject_cast<ScreenHeaderItem*>(button))
            out.append(item);
    }
    if (!out.isEmpty() && out.first()->parentWidget()->layout())
        out.first()->parentWidget()->layout()->activate();
    std::stable_sort(out.begin(), out.end(), [](ScreenHeaderItem* a, ScreenHeaderItem* b) { return a->x() < b->x(); });
    return out;
}

QStringList order(ScreenHeaderListWidget& list)
{
    QStringList out;
    for (auto* item : tabs(list))
        out.append(nameOf(item));
    return out;
}

QStringList checked(ScreenHeaderListWidget& list)
{
    QStringList out;
    for (auto* item : tabs(list)) {
        if (item->isChecked())
            out.append(nameOf(item));
    }
    return out;
}

ScreenHeaderItem* tabNamed(ScreenHeaderListWidget& list, const QString& name)
{
    for (auto* item : tabs(list)) {
        if (nameOf(item) == name)
            return item;
    }
    return nullptr;
}

QToolButton* viewToggle(ScreenHeaderItem* item)
{
    for (auto* button : item->findChildren<QToolButton*>()) {
        if (button->property("isScreenHeaderViewerButton").toBool())
            return button;
    }
    return nullptr;
}

TouchCheckBox* multiBox(ScreenHeaderListWidget& list)
{
    return list.findChild<TouchCheckBox*>();
}

QPushButton* restoreButton(ScreenHeaderListWidget& list)
{
    for (auto* button : list.findChildren<QPushButton*>()) {
        if (button->property("isRefreshRatioButtonRestore").toBool())
            return button;
    }
    return nullptr;
}

QVariantList ids(std::initializer_list<int> values)
{
    QVariantList out;
    for (int v : values)
        out.append(v);
    return out;
}

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

bool sendDrag(QWidget* list, QEvent::Type type, const QPoint& pos, QMimeData* mime)
{
    if (type == QEvent::DragEnter) {
        QDragEnterEvent event(pos, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list, &event);
        return event.isAccepted();
    }
    if (type == QEvent::DragMove) {
        QDragMoveEvent event(pos, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list, &event);
        return event.isAccepted();
    }
    QDropEvent event(pos, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list, &event);
    return event.isAccepted();
}

// A point over the tab, in list coordinates, `fraction` of its width from its left edge.
QPoint pointOver(ScreenHeaderListWidget& list, ScreenHeaderItem* item, double fraction)
{
    return item->mapTo(&list, QPoint(int(item->width() * fraction), item->height() / 2));
}

std::weak_ptr<Screen> screen(int id)
{
    return Fixture::activeDevice() ? Fixture::activeDevice()->findScreen(Regular, quint8(id)) : std::weak_ptr<Screen>();
}

// A header that runs a step of the test while its tab is being dragged.
class DuringDragHeader : public ScreenHeaderListWidget
{
public:
    std::function<void()> whileDragging;

protected:
    void setDragButtonState(Vireo::Widgets::ScreenListContentButton* button, bool state) override
    {
        ScreenHeaderListWidget::setDragButtonState(button, state);
        if (state && whileDragging)
            whileDragging();
    }
};

} // namespace

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
    void viewButtonSettingHoldsForReusedTabs();

    void singleSelection();
    void multiSelection();
    void emptySelectionRule_data();
    void emptySelectionRule();
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
    void vanishingBeforeTheDrag_data();
    void vanishingBeforeTheDrag();
    void expiredScreenTabSendsNothing();
    void tabReboundBeforeReleaseSelectsNothing();
    void unmatchedReleaseLeavesNoPressBehind();
    void draggedScreenVanishingWritesNoOrder_data();
    void draggedScreenVanishingWritesNoOrder();
    void stripChangesByCodeReachNoDevice_data();
    void stripChangesByCodeReachNoDevice();
    void spaceKeySelectsTheFocusedTab();

private:
    void makeList(ScreenHeaderListWidget& list, bool showViewButton = true);

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

void tst_ScreenHeaderList::makeList(ScreenHeaderListWidget& list, bool showViewButton)
{
    list.resize(1000, 60);
    list.show();
    list.initListWidgetItem(m_weakDevice, ShownTypes, showViewButton, false);
}

void tst_ScreenHeaderList::look()
{
    ScreenHeaderListWidget list;
    makeList(list);
    QCOMPARE(restoreButton(list)->text(), QStringLiteral("Reset Layout"));
    QCOMPARE(multiBox(list)->text(), QStringLiteral("MultiSelect"));
    QCOMPARE(multiBox(list)->layoutDirection(), Qt::RightToLeft);
    QVERIFY(list.property("screenHeaderListFrame").toBool());
    QVERIFY(list.contentScrollArea()->property("screenHeaderListFrame").toBool());
    QVERIFY(list.acceptDrops());
    QCOMPARE(list.allowDragEdge(), quint32(6));

    const auto items = tabs(list);
    QCOMPARE(items.size(), 3);
    for (auto* item : items) {
        QCOMPARE(item->size(), QSize(138, 34));
        QCOMPARE(item->sizeHint(), QSize(138, 34));
        QVERIFY(item->isCheckable());
        QVERIFY(item->property("isScreenHeaderButton").toBool());
        QVERIFY(viewToggle(item));
        QCOMPARE(viewToggle(item)->size(), QSize(42, 32));
        QVERIFY(viewToggle(item)->isCheckable());
    }
    bool separatorFound = false;
    for (auto* label : items.first()->findChildren<QLabel*>())
        separatorFound = separatorFound || (label->property("isGrayLabelLine").toBool() && label->width() == 1);
    QVERIFY(separatorFound);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_ScreenHeaderList::rebuildMirrorsTheDevice()
{
    m_device->setSelectedScreens({screen(2)});
    m_device->setViewingScreens({screen(3)});
    m_device->setMultiScreens(true);
    ScreenHeaderListWidget list;
    QSignalSpy toggled(&list, &ScreenHeaderListWidget::itemToggled);
    makeList(list);
    QCOMPARE(order(list), QStringList({"S1", "S2", "S3"}));
    QCOMPARE(checked(list), QStringList({"S2"}));
    QVERIFY(viewToggle(tabNamed(list, "S3"))->isChecked());
    QVERIFY(!viewToggle(tabNamed(list, "S1"))->isChecked());
    QVERIFY(multiBox(list)->isChecked());
    QCOMPARE(toggled.count(), 0);
    QVERIFY(Fixture::commandLog().isEmpty());

    // Changed in the device, read again.
    m_device->setSelectedScreens({screen(1), screen(3)});
    list.initSelectedScreens(m_weakDevice);
    QCOMPARE(checked(list), QStringList({"S1", "S3"}));
    QCOMPARE(toggled.count(), 0);
    QVERIFY(Fixture::commandLog().isEmpty());

    // Without a device the box is off.
    Fixture::removeActiveDevice();
    list.initScreenMultiSelectedState(m_weakDevice);
    QVERIFY(!multiBox(list)->isChecked());
}

void tst_ScreenHeaderList::rebuildOrdersByUiIndex_data()
{
    QTest::addColumn<QList<int>>("uiIndexes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QVariantList>("written");

    QTest::newRow("already in order") << QList<int> {0, 1, 2} << QStringList {"S1", "S2", "S3"} << QVariantList();
    // Positions the device already holds are not written again.
    QTest::newRow("reordered, positions held")
        << QList<int> {2, 0, 1} << QStringList {"S2", "S3", "S1"} << QVariantList();
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

    for (int i = 0; i < 3; ++i)
        screen(i + 1).lock()->setUiScreenIndex(uiIndexes.at(i));
    ScreenHeaderListWidget list;
    makeList(list);
    QCOMPARE(order(list), expected);
    if (written.isEmpty()) {
        QVERIFY(Fixture::commandLog().isEmpty());
    } else {
        compareLog({{"Screen::updateGeneral", {QVariant(written)}}});
        QCOMPARE(screen(int(written.first().toList().first().toInt())).lock()->getUiScreenIndex(), 0);
    }

    // Rebuilt again: same order, nothing more written.
    Fixture::clearCommandLog();
    list.initListWidgetItem(m_weakDevice, ShownTypes, true, false);
    QCOMPARE(order(list), expected);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_ScreenHeaderList::unchangedRebuildCreatesNoWidget()
{
    for (int i = 10; i < 210; ++i)
        m_device->addScreen(Regular, quint8(i), QStringLiteral("N%1").arg(i));
    ScreenHeaderListWidget list;
    makeList(list);
    const int made = list.findChildren<ScreenHeaderItem*>().size();
    QCOMPARE(made, 203);
    const QStringList before = order(list);
    list.initListWidgetItem(m_weakDevice, ShownTypes, true, false);
    QCOMPARE(list.findChildren<ScreenHeaderItem*>().size(), made);
    QCOMPARE(order(list), before);
}

void tst_ScreenHeaderList::viewButtonSettingHoldsForReusedTabs()
{
    ScreenHeaderListWidget list;
    makeList(list, true);
    QVERIFY(!viewToggle(tabs(list).first())->isHidden());
    list.initListWidgetItem(m_weakDevice, ShownTypes, false, false);
    for (auto* item : tabs(list))
        QVERIFY(viewToggle(item)->isHidden());
    // And shown again by the next rebuild that asks for them, on every tab.
    list.initListWidgetItem(m_weakDevice, ShownTypes, true, false);
    for (auto* item : tabs(list))
        QVERIFY(!viewToggle(item)->isHidden());
}

void tst_ScreenHeaderList::singleSelection()
{
    m_device->setSelectedScreens({screen(1)});
    ScreenHeaderListWidget list;
    makeList(list);
    QTest::mouseClick(tabNamed(list, "S2"), Qt::LeftButton);
    QCOMPARE(checked(list), QStringList({"S2"}));
    compareLog({{"Screen::setSelected", {QVariant(ids({2})), int(Enum::Cover), true, true}}});
    // The name shows the checked look too.
    auto* label = tabNamed(list, "S1")->findChild<QWrapLabel*>(QStringLiteral("ScreenName"));
    QCOMPARE(label->property("isChecked").toBool(), false);
}

void tst_ScreenHeaderList::multiSelection()
{
    m_device->setSelectedScreens({screen(1)});
    m_device->setMultiScreens(true);
    ScreenHeaderListWidget list;
    makeList(list);
    QTest::mouseClick(tabNamed(list, "S3"), Qt::LeftButton);
    QCOMPARE(checked(list), QStringList({"S1", "S3"}));
    QTest::mouseClick(tabNamed(list, "S1"), Qt::LeftButton);
    QCOMPARE(checked(list), QStringList({"S3"}));
    compareLog({{"Screen::setSelected", {QVariant(ids({3})), int(Enum::Append), true, true}},
        {"Screen::cancelSelected", {QVariant(ids({1})), true}}});
}

void tst_ScreenHeaderList::emptySelectionRule_data()
{
    QTest::addColumn<bool>("allowEmpty");
    QTest::newRow("not allowed") << false;
    QTest::newRow("allowed") << true;
}

void tst_ScreenHeaderList::emptySelectionRule()
{
    QFETCH(bool, allowEmpty);
    m_device->setSelectedScreens({screen(2)});
    ScreenHeaderListWidget list;
    list.setIsAllowEmptySelected(allowEmpty);
    makeList(list);
    auto* tab = tabNamed(list, "S2");
    QTest::mouseClick(tab, Qt::LeftButton);
    auto* label = tab->findChild<QWrapLabel*>(QStringLiteral("ScreenName"));
    if (allowEmpty) {
        QCOMPARE(checked(list), QStringList());
        compareLog({{"Screen::cancelSelected", {QVariant(ids({2})), true}}});
    } else {
        QCOMPARE(checked(list), QStringList({"S2"}));
        QCOMPARE(label->property("isChecked").toBool(), true);
        QVERIFY(Fixture::commandLog().isEmpty());
    }
}

void tst_ScreenHeaderList::multiSelectOff_data()
{
    QTest::addColumn<int>("active"); // 0: none
    QTest::addColumn<bool>("allowEmpty");
    QTest::addColumn<QStringList>("checkedAfter");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<int>("selectedId");

    QTest::newRow("active screen") << 2 << false << QStringList {"S2"}
                                   << QStringList {"Screen::clearSelectedScreens", "Screen::setSelected"} << 2;
    QTest::newRow("no active screen, empty not allowed")
        << 0 << false << QStringList {"S1"} << QStringList {"Screen::clearSelectedScreens", "Screen::setSelected"} << 1;
    QTest::newRow("no active screen, empty allowed")
        << 0 << true << QStringList() << QStringList {"Screen::clearSelectedScreens"} << 0;
}

void tst_ScreenHeaderList::multiSelectOff()
{
    QFETCH(int, active);
    QFETCH(bool, allowEmpty);
    QFETCH(QStringList, checkedAfter);
    QFETCH(QStringList, commands);
    QFETCH(int, selectedId);

    m_device->setMultiScreens(true);
    m_device->setSelectedScreens({screen(1), screen(2), screen(3)});
    if (active)
        m_device->setActivedScreen(screen(active));
    ScreenHeaderListWidget list;
    list.setIsAllowEmptySelected(allowEmpty);
    makeList(list);
    QCOMPARE(checked(list), QStringList({"S1", "S2", "S3"}));

    QTest::mouseClick(multiBox(list), Qt::LeftButton);
    QVERIFY(!multiBox(list)->isChecked());
    QVERIFY(!m_device->isMultiScreens());
    QCOMPARE(checked(list), checkedAfter);
    QCOMPARE(Fixture::commandNames(), commands);
    if (selectedId) {
        compareLog({{"Screen::clearSelectedScreens", {true}},
            {"Screen::setSelected", {QVariant(ids({selectedId})), int(Enum::Cover), true, true}}});
        const auto viewing = m_device->viewingScreen();
        QCOMPARE(viewing.size(), 1);
        QCOMPARE(viewing.first().lock()->screenId(), quint8(selectedId));
    } else {
        QVERIFY(m_device->viewingScreen().isEmpty());
    }
}

void tst_ScreenHeaderList::multiSelectWithoutDevice()
{
    ScreenHeaderListWidget list;
    makeList(list);
    Fixture::removeActiveDevice();
    QTest::mouseClick(multiBox(list), Qt::LeftButton);
    QVERIFY(!multiBox(list)->isChecked());
    QTest::mouseClick(tabs(list).first(), Qt::LeftButton);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_ScreenHeaderList::viewToggleAddsViewing()
{
    ScreenHeaderListWidget list;
    makeList(list);
    auto* toggle = viewToggle(tabNamed(list, "S2"));
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(m_device->viewingScreen().size(), 1);
    QCOMPARE(m_device->viewingScreen().first().lock()->screenId(), quint8(2));
    QVERIFY(toggle->isChecked());
    // The device still views it: the toggle shows that.
    QTest::mouseClick(toggle, Qt::LeftButton);
    QVERIFY(toggle->isChecked());
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_ScreenHeaderList::resetLayout()
{
    screen(1).lock()->setUiScreenIndex(7);
    ScreenHeaderListWidget list;
    makeList(list);
    Fixture::clearCommandLog();
    QSignalSpy changed(m_device, &Device::signalScreensChanged);
    QTest::mouseClick(restoreButton(list), Qt::LeftButton);
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
    ScreenHeaderListWidget list;
    list.resize(1000, 60);
    list.initListWidgetItem(m_weakDevice, ShownTypes, true, true);
    QVERIFY(tabNamed(list, "S1")->isEnabled());
    QVERIFY(tabNamed(list, "S2")->isEnabled());
    QVERIFY(!tabNamed(list, "S3")->isEnabled());

    m_device->setMultiScreens(false);
    list.initListWidgetItem(m_weakDevice, ShownTypes, true, true);
    QVERIFY(tabNamed(list, "S3")->isEnabled());
}

void tst_ScreenHeaderList::dragStateSendsNothing()
{
    m_device->setSelectedScreens({screen(1)});
    ScreenHeaderListWidget list;
    makeList(list);
    auto* tab = tabNamed(list, "S1");
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
    ScreenHeaderListWidget list;
    makeList(list);
    QSignalSpy toggled(&list, &ScreenHeaderListWidget::itemToggled);
    QSignalSpy indexChanged(&list, &ScreenHeaderListWidget::signalScreenItemIndexChanged);
    auto* tab = tabNamed(list, "S1");

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
    ScreenHeaderListWidget list;
    makeList(list);
    QSignalSpy indexChanged(&list, &ScreenHeaderListWidget::signalScreenItemIndexChanged);
    QTest::ignoreMessage(QtWarningMsg, "Modify screen index has failed!");
    list.updateScreenGeneral();
    QCOMPARE(Fixture::commandNames(), QStringList({"Screen::updateGeneral"}));
    QCOMPARE(indexChanged.count(), 0);
}

// The device drops the dragged screen while it takes the new order: no move names that screen.
void tst_ScreenHeaderList::dragOfAScreenDroppedWhileWritten()
{
    ScreenHeaderListWidget list;
    makeList(list);
    Fixture::setCommandObserver([this](const Fixture::CommandEntry& entry) {
        if (entry.command == "Screen::updateGeneral")
            m_device->removeScreen(Regular, 1);
    });
    QSignalSpy indexChanged(&list, &ScreenHeaderListWidget::signalScreenItemIndexChanged);
    QTest::ignoreMessage(QtWarningMsg, "The moved screen is gone; its move is not reported.");
    sendMouse(tabNamed(list, "S1"), QEvent::MouseButtonPress, QPoint(100, 17), Qt::LeftButton, Qt::LeftButton);
    sendMouse(&list, QEvent::MouseMove, QPoint(900, 80), Qt::NoButton, Qt::LeftButton);
    Fixture::setCommandObserver(nullptr);
    QCOMPARE(list.findChildren<QDrag*>().size(), 1);
    QCOMPARE(Fixture::commandNames(), QStringList({"Screen::updateGeneral"}));
    QCOMPARE(indexChanged.count(), 1);
}

void tst_ScreenHeaderList::dropReorders_data()
{
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("over"); // tab under the pointer; empty: right of the last tab
    QTest::addColumn<double>("fraction"); // where on that tab
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("first to the far right") << "S1"
                                            << "" << 0.0 << QStringList {"S2", "S3", "S1"};
    QTest::newRow("last before the first") << "S3"
                                           << "S1" << 0.2 << QStringList {"S3", "S1", "S2"};
    QTest::newRow("first onto the right half of the third") << "S1"
                                                            << "S3" << 0.8 << QStringList {"S2", "S3", "S1"};
    QTest::newRow("first before the third") << "S1"
                                            << "S3" << 0.2 << QStringList {"S2", "S1", "S3"};
    QTest::newRow("onto its own place") << "S2"
                                        << "S2" << 0.2 << QStringList {"S1", "S2", "S3"};
}

void tst_ScreenHeaderList::dropReorders()
{
    QFETCH(QString, dragged);
    QFETCH(QString, over);
    QFETCH(double, fraction);
    QFETCH(QStringList, expected);

    ScreenHeaderListWidget list;
    makeList(list);
    const QByteArray keyNo = dragged.mid(1).toLatin1();
    const QPoint pos = over.isEmpty() ? pointOver(list, tabs(list).last(), 1.0) + QPoint(40, 0)
                                      : pointOver(list, tabNamed(list, over), fraction);
    std::unique_ptr<QMimeData> mime(screenMime(keyNo, "2"));
    QVERIFY(sendDrag(&list, QEvent::DragEnter, pos, mime.get()));
    QCOMPARE(order(list), expected);
    QVERIFY(sendDrag(&list, QEvent::DragMove, pos, mime.get()));
    QCOMPARE(order(list), expected);
    QVERIFY(sendDrag(&list, QEvent::Drop, pos, mime.get()));
    QCOMPARE(order(list), expected);
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

    ScreenHeaderListWidget list;
    makeList(list);
    const QStringList before = order(list);
    const QPoint pos = pointOver(list, tabs(list).last(), 0.9) + QPoint(200, 0);
    if (deviceGone)
        Fixture::removeActiveDevice();
    std::unique_ptr<QMimeData> mime(screenMime(keyNo, type));
    sendDrag(&list, QEvent::DragEnter, pos, mime.get());
    sendDrag(&list, QEvent::DragMove, pos, mime.get());
    QVERIFY(!sendDrag(&list, QEvent::Drop, pos, mime.get()));
    QCOMPARE(order(list), before);
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_ScreenHeaderList::vanishingBeforeTheDrag_data()
{
    QTest::addColumn<bool>("deviceGone");
    QTest::addColumn<QString>("warning");
    QTest::newRow("device") << true << "screen start drag has faied. The device model is nullptr.";
    QTest::newRow("screen") << false << "screen start drag has faied. The selectd screenbase is nullptr";
}

void tst_ScreenHeaderList::vanishingBeforeTheDrag()
{
    QFETCH(bool, deviceGone);
    QFETCH(QString, warning);

    ScreenHeaderListWidget list;
    makeList(list);
    auto* tab = tabNamed(list, "S1");
    sendMouse(tab, QEvent::MouseButtonPress, QPoint(100, 17), Qt::LeftButton, Qt::LeftButton);
    if (deviceGone)
        QVERIFY(Fixture::removeActiveDevice());
    else
        QVERIFY(m_device->removeScreen(Regular, 1));
    QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    sendMouse(&list, QEvent::MouseMove, QPoint(900, 80), Qt::NoButton, Qt::LeftButton);
    sendMouse(tab, QEvent::MouseButtonRelease, QPoint(900, 80), Qt::LeftButton, Qt::NoButton);
    QVERIFY(list.findChildren<QDrag*>().isEmpty());
    QVERIFY(!tab->dragState());
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_ScreenHeaderList::expiredScreenTabSendsNothing()
{
    m_device->setMultiScreens(true);
    ScreenHeaderListWidget list;
    list.setIsAllowEmptySelected(true);
    makeList(list);
    auto* tab = tabNamed(list, "S3");
    QVERIFY(m_device->removeScreen(Regular, 3));
    QTest::mouseClick(tab, Qt::LeftButton);
    QVERIFY(Fixture::commandLog().isEmpty());
}

// The host rebuilds between press and release and the pressed tab now shows another screen.
void tst_ScreenHeaderList::tabReboundBeforeReleaseSelectsNothing()
{
    m_device->setSelectedScreens({screen(3)});
    ScreenHeaderListWidget list;
    makeList(list);
    ScreenHeaderItem* tab = tabNamed(list, "S1");
    sendMouse(tab, QEvent::MouseButtonPress, QPoint(100, 17), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(m_device->removeScreen(Regular, 1));
    list.initListWidgetItem(m_weakDevice, ShownTypes, true, false);
    QCOMPARE(nameOf(tab), QStringLiteral("S2"));
    sendMouse(tab, QEvent::MouseButtonRelease, QPoint(100, 17), Qt::LeftButton, Qt::NoButton);
    QVERIFY(Fixture::commandLog().isEmpty());
    QCOMPARE(checked(list), QStringList({"S3"}));

    // A click on it now selects what it shows.
    QTest::mouseClick(tab, Qt::LeftButton, Qt::NoModifier, QPoint(100, 17));
    compareLog({{"Screen::setSelected", {QVariant(ids({2})), int(Enum::Cover), true, true}}});
}

// A release on another tab does not match the press; it still ends it, so a later press on the
// strip beside the tabs and a move out drag nothing and write no order.
void tst_ScreenHeaderList::unmatchedReleaseLeavesNoPressBehind()
{
    ScreenHeaderListWidget list;
    makeList(list);
    sendMouse(tabNamed(list, "S1"), QEvent::MouseButtonPress, QPoint(100, 17), Qt::LeftButton, Qt::LeftButton);
    sendMouse(tabNamed(list, "S2"), QEvent::MouseButtonRelease, QPoint(100, 17), Qt::LeftButton, Qt::NoButton);
    QSignalSpy indexChanged(&list, &ScreenHeaderListWidget::signalScreenItemIndexChanged);
    const QPoint beside = pointOver(list, tabNamed(list, "S3"), 1.0) + QPoint(60, 0);
    sendMouse(&list, QEvent::MouseButtonPress, beside, Qt::LeftButton, Qt::LeftButton);
    QTest::ignoreMessage(QtWarningMsg, "screen start drag has faied. The selectd screenbase is nullptr");
    sendMouse(&list, QEvent::MouseMove, QPoint(900, 80), Qt::NoButton, Qt::LeftButton);
    sendMouse(&list, QEvent::MouseButtonRelease, QPoint(900, 80), Qt::LeftButton, Qt::NoButton);
    QVERIFY(list.findChildren<QDrag*>().isEmpty());
    QCOMPARE(indexChanged.count(), 0);
    QVERIFY(Fixture::commandNames().filter(QStringLiteral("Screen::")).isEmpty());
}

void tst_ScreenHeaderList::draggedScreenVanishingWritesNoOrder_data()
{
    QTest::addColumn<bool>("rebuild");
    QTest::newRow("screen removed") << false;
    QTest::newRow("screen removed, host rebuilds") << true;
}

void tst_ScreenHeaderList::draggedScreenVanishingWritesNoOrder()
{
    QFETCH(bool, rebuild);
    DuringDragHeader list;
    makeList(list);
    list.whileDragging = [this, rebuild, &list] {
        QVERIFY(m_device->removeScreen(Regular, 1));
        if (rebuild)
            list.initListWidgetItem(m_weakDevice, ShownTypes, true, false);
    };
    QSignalSpy indexChanged(&list, &ScreenHeaderListWidget::signalScreenItemIndexChanged);
    ScreenHeaderItem* tab = tabNamed(list, "S1");
    sendMouse(tab, QEvent::MouseButtonPress, QPoint(100, 17), Qt::LeftButton, Qt::LeftButton);
    QTest::ignoreMessage(QtWarningMsg, "The dragged screen is gone; the screen order is not written.");
    sendMouse(&list, QEvent::MouseMove, QPoint(900, 80), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(list.findChildren<QDrag*>().size(), 1);
    QVERIFY(Fixture::commandLog().isEmpty());
    QCOMPARE(indexChanged.count(), 0);
    QVERIFY(!tab->dragState());
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
    ScreenHeaderListWidget list;
    makeList(list);
    if (change == "remove") {
        list.removeItem(tabNamed(list, "S1"));
        QVERIFY(tabNamed(list, "S2")->isChecked()); // the strip's own re-check
    } else if (change == "activate") {
        list.setActivatedItem(tabNamed(list, "S2"), true);
        QVERIFY(tabNamed(list, "S2")->isChecked());
    } else {
        tabNamed(list, "S2")->click();
    }
    QVERIFY(Fixture::commandLog().isEmpty());
}

void tst_ScreenHeaderList::spaceKeySelectsTheFocusedTab()
{
    m_device->setSelectedScreens({screen(1)});
    ScreenHeaderListWidget list;
    makeList(list);
    ScreenHeaderItem* tab = tabNamed(list, "S2");
    QTest::keyClick(tab, Qt::Key_Space);
    compareLog({{"Screen::setSelected", {QVariant(ids({2})), int(Enum::Cover), true, true}}});
    QCOMPARE(checked(list), QStringList({"S2"}));
}

QTEST_MAIN(tst_ScreenHeaderList)
#include "tst_screenheaderlist.moc"
