#include "common/testsupport.h"

#include <vireowidgets/resources/flowcontainerframe.h>

#include <QButtonGroup>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using Vireo::Widgets::FlowContainerFrame;
using Vireo::Widgets::FlowLayoutScene;
using Vireo::Widgets::InterfaceFlowContainerFrame;

namespace {

// Counts the buttons handed to the cache, as a list that empties them there would.
class CountingFrame : public FlowContainerFrame
{
public:
    using FlowContainerFrame::FlowContainerFrame;
    QList<QToolButton*> reset;

protected:
    void resetHideContentButton(QToolButton* button) override { reset << button; }
};

QToolButton* presetItem(QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setCheckable(true);
    button->setFixedSize(FlowContainerFrame::PresetItemWidth - 2, FlowContainerFrame::PresetItemHeight - 2);
    return button;
}

void fill(FlowContainerFrame& frame, int count)
{
    for (int i = 0; i < count; ++i)
        frame.addContentButton(presetItem(&frame));
}

// Fills the frame, sizes and shows it: whether it came on screen.
bool showFilled(FlowContainerFrame& frame, int count, const QSize& size)
{
    fill(frame, count);
    frame.resize(size);
    frame.show();
    return QTest::qWaitForWindowExposed(&frame);
}

QScrollBar* scrollBar(FlowContainerFrame& frame)
{
    return frame.contentScrollArea()->verticalScrollBar();
}

QLabel* pageLabel(FlowContainerFrame& frame)
{
    return frame.findChild<QLabel*>(QStringLiteral("FlowContainerPageLabel"));
}

QToolButton* naviButton(FlowContainerFrame& frame, const char* edge)
{
    for (QToolButton* button : frame.findChildren<QToolButton*>()) {
        if (button->property("NaviButton").toBool() && button->property(edge).toBool())
            return button;
    }
    return nullptr;
}

void invoke(QObject* object, const char* slot)
{
    QVERIFY(QMetaObject::invokeMethod(object, slot));
}

} // namespace

class TestFlowContainerFrame : public QObject
{
    Q_OBJECT

private slots:
    void constructionNamesTheFrameAndItsNavigation();
    void pageArithmetic_data();
    void pageArithmetic();
    void initcurrentPageScrollsToThePage();
    void addedButtonsJoinTheGroupInOrder();
    void hiddenButtonsGoToTheCacheAndComeBack();
    void removingAButtonRenumbersTheGroup();
    void previousAtTheTopChangesNothing();
    void nextStepsAConsolePageUntilTheEnd();
    void fewButtonsDoNotPage_data();
    void fewButtonsDoNotPage();
    void navigationButtonsFollowTheScrollPosition();
    void toggledButtonsAreReported();
    void scenePagesReachTheLayout();
};

void TestFlowContainerFrame::constructionNamesTheFrameAndItsNavigation()
{
    FlowContainerFrame frame(2, 3, 4);
    QCOMPARE(frame.objectName(), QStringLiteral("FlowContainerFrame"));
    QToolButton* prev = naviButton(frame, "NaviButtonTop");
    QToolButton* next = naviButton(frame, "NaviButtonBottom");
    QVERIFY(prev && next && prev != next);
    QCOMPARE(prev->property("NaviWidgetType").toInt(), int(FlowContainerFrame::Prev));
    QCOMPARE(next->property("NaviWidgetType").toInt(), int(FlowContainerFrame::Next));
    QCOMPARE(frame.contentLayout()->horizontalSpacing(), 2);
    QCOMPARE(frame.contentLayout()->verticalSpacing(), 3);
    QCOMPARE(frame.contentLayout()->contentsMargins(), QMargins(4, 4, 4, 4));
    QVERIFY(frame.contentScrollArea()->widgetResizable());
    QCOMPARE(frame.contentScrollArea()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!dynamic_cast<FlowLayoutScene*>(frame.contentLayout()));
    QCOMPARE(pageLabel(frame)->text(), QStringLiteral("1/8 page"));
    frame.setPageLabel(3, 12);
    QCOMPARE(pageLabel(frame)->text(), QStringLiteral("3/12 page"));
}

void TestFlowContainerFrame::pageArithmetic_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("pageBefore");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("pageAfter");

    QTest::newRow("3x4 grid, page past the end") << QSize(940, 651) << 25 << 3 << 20 << 20;
    QTest::newRow("3x4 grid, page inside") << QSize(940, 651) << 5 << 3 << 20 << 5;
    QTest::newRow("just under 3x4 is 2x3") << QSize(939, 650) << 25 << 2 << 40 << 25;
    QTest::newRow("one item per page") << QSize(235, 217) << 300 << 1 << 240 << 240;
    QTest::newRow("7 per page rounds up") << QSize(7 * 235, 217) << 50 << 1 << 35 << 35;
    QTest::newRow("too narrow: count kept") << QSize(234, 651) << 25 << 3 << 8 << 25;
    QTest::newRow("too low: count kept") << QSize(940, 216) << 25 << 0 << 8 << 25;
}

void TestFlowContainerFrame::pageArithmetic()
{
    QFETCH(QSize, size);
    QFETCH(int, pageBefore);
    QFETCH(int, rows);
    QFETCH(int, pages);
    QFETCH(int, pageAfter);

    FlowContainerFrame frame(0, 0, 0);
    frame.resize(size);
    frame.setPageIndex(pageBefore);
    QCOMPARE(frame.calPCcurrentPage(), rows);
    QCOMPARE(frame.pageCount(), pages);
    QCOMPARE(frame.pageIndex(), pageAfter);
    QCOMPARE(pageLabel(frame)->text(), QStringLiteral("%1/%2 page").arg(pageAfter).arg(pages));
}

void TestFlowContainerFrame::initcurrentPageScrollsToThePage()
{
    FlowContainerFrame frame(0, 0, 0);
    QVERIFY(showFilled(frame, 240, QSize(940, 651 + 36)));
    frame.setPageIndex(3);
    const int rows = frame.calPCcurrentPage();
    QVERIFY(rows > 0);
    QCOMPARE(scrollBar(frame)->value(), qMin(scrollBar(frame)->maximum(), rows * 217 * 2));
    frame.setPresetPCPagePos(false);
    QCOMPARE(scrollBar(frame)->value(), rows * 217);
}

void TestFlowContainerFrame::addedButtonsJoinTheGroupInOrder()
{
    FlowContainerFrame frame(0, 0, 0);
    auto* tips = frame.findChild<QFrame*>(QStringLiteral("FlowContainerTipsFrame"));
    QVERIFY(tips);
    frame.show();
    QVERIFY(tips->isVisible());
    frame.addContentButton(nullptr);
    QCOMPARE(frame.contentButtonCount(), 0);
    fill(frame, 3);
    QCOMPARE(frame.contentButtonCount(), 3);
    QVERIFY(!tips->isVisible());
    const QList<QAbstractButton*> buttons = frame.getContentButtons();
    auto* group = frame.findChild<QButtonGroup*>();
    for (int i = 0; i < buttons.size(); ++i) {
        QVERIFY(buttons.at(i)->property("NaviSliderContentButton").toBool());
        QCOMPARE(group->id(buttons.at(i)), i);
        QCOMPARE(frame.contentLayout()->itemAt(i)->widget(), buttons.at(i));
    }
    frame.setActivatedContentButton(1);
    QCOMPARE(frame.getCheckedButtons(), QList<QAbstractButton*>({buttons.at(1)}));
    frame.setInvalidTips(QStringLiteral("Nothing stored"));
    QCOMPARE(
        frame.findChild<QLabel*>(QStringLiteral("FlowContainerTipsLabel"))->text(), QStringLiteral("Nothing stored"));

    // The one-value setters of the navigation frame work here too.
    frame.setContentLayoutSpacing(6);
    QCOMPARE(frame.contentLayout()->horizontalSpacing(), 6);
    QCOMPARE(frame.contentLayout()->verticalSpacing(), 6);
    frame.setScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QCOMPARE(frame.contentScrollArea()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(frame.contentScrollArea()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void TestFlowContainerFrame::hiddenButtonsGoToTheCacheAndComeBack()
{
    CountingFrame frame(0, 0, 0);
    fill(frame, 3);
    auto* second = static_cast<QToolButton*>(frame.getContentButtons().at(1));
    second->setChecked(true);
    // Going to the cache is not a toggle of the grid's selection.
    QSignalSpy toggled(&frame, &FlowContainerFrame::itemToggled);
    frame.contentButtonsHide(second);
    QCOMPARE(toggled.count(), 0);
    QVERIFY(QMetaObject::invokeMethod(&frame, "contentFrameResize"));
    QCOMPARE(frame.contentButtonCount(), 2);
    QCOMPARE(frame.hiddenContentButtonCount(), 1);
    QCOMPARE(frame.reset, QList<QToolButton*>({second}));
    QVERIFY(!second->isChecked());
    QVERIFY(second->isHidden());

    frame.contentButtonsHide();
    QCOMPARE(frame.contentButtonCount(), 0);
    QCOMPARE(frame.hiddenContentButtonCount(), 3);
    QCOMPARE(frame.getFirstHideContentButton(), second);
    frame.addContentButton(second);
    QCOMPARE(frame.getContentButtons(), QList<QAbstractButton*>({second}));
    QVERIFY(!second->isHidden());
    QVERIFY(frame.getFirstHideContentButton());
    QVERIFY(frame.getFirstHideContentButton());
    QCOMPARE(frame.getFirstHideContentButton(), nullptr);
}

void TestFlowContainerFrame::removingAButtonRenumbersTheGroup()
{
    FlowContainerFrame frame(0, 0, 0);
    fill(frame, 4);
    auto* group = frame.findChild<QButtonGroup*>();
    QPointer<QAbstractButton> first = frame.getContentButtons().at(0);
    frame.removeContentButton(static_cast<QToolButton*>(first.data()));
    QCOMPARE(frame.contentButtonCount(), 3);
    const QList<QAbstractButton*> buttons = frame.getContentButtons();
    for (int i = 0; i < buttons.size(); ++i)
        QCOMPARE(group->id(buttons.at(i)), i);
    QTRY_VERIFY(first.isNull());
    frame.clearContentButton();
    QCOMPARE(frame.contentButtonCount(), 0);
}

void TestFlowContainerFrame::previousAtTheTopChangesNothing()
{
    FlowContainerFrame frame(0, 0, 0);
    QVERIFY(showFilled(frame, 40, QSize(940, 500)));
    frame.setPageIndex(1);
    QVERIFY(scrollBar(frame)->maximum() > 0);
    QCOMPARE(scrollBar(frame)->value(), 0);
    const int page = frame.pageIndex();
    invoke(&frame, "slotPrevButtonClicked");
    QCOMPARE(scrollBar(frame)->value(), 0);
    QCOMPARE(frame.pageIndex(), page);
}

void TestFlowContainerFrame::nextStepsAConsolePageUntilTheEnd()
{
    FlowContainerFrame frame(0, 0, 0);
    QVERIFY(showFilled(frame, 40, QSize(940, 600))); // 10 rows of 4
    frame.setPageIndex(1);
    QScrollBar* bar = scrollBar(frame);
    QVERIFY(bar->maximum() > 868);

    invoke(&frame, "slotNextButtonClicked");
    QCOMPARE(bar->value(), 868);
    QCOMPARE(frame.pageIndex(), 2);
    QCOMPARE(pageLabel(frame)->text(), QStringLiteral("2/%1 page").arg(frame.pageCount()));

    bar->setValue(bar->maximum());
    invoke(&frame, "slotNextButtonClicked");
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(frame.pageIndex(), 2);

    invoke(&frame, "slotPrevButtonClicked");
    QCOMPARE(bar->value(), bar->maximum() - 868);
    QCOMPARE(frame.pageIndex(), 1);
}

void TestFlowContainerFrame::fewButtonsDoNotPage_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
}

void TestFlowContainerFrame::fewButtonsDoNotPage()
{
    QFETCH(int, count);
    FlowContainerFrame frame(0, 0, 0);
    fill(frame, count);
    if (count > 0) // one very tall button, so that there is something to scroll
        frame.getContentButtons().first()->setFixedSize(200, 3000);
    frame.resize(400, 300);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.setPageIndex(1);
    scrollBar(frame)->setValue(scrollBar(frame)->maximum() / 2);
    const int value = scrollBar(frame)->value();
    invoke(&frame, "slotNextButtonClicked");
    invoke(&frame, "slotPrevButtonClicked");
    QCOMPARE(scrollBar(frame)->value(), value);
    QCOMPARE(frame.pageIndex(), 1);
}

void TestFlowContainerFrame::navigationButtonsFollowTheScrollPosition()
{
    FlowContainerFrame frame(0, 0, 0);
    QVERIFY(showFilled(frame, 40, QSize(940, 500)));
    QToolButton* prev = naviButton(frame, "NaviButtonTop");
    QToolButton* next = naviButton(frame, "NaviButtonBottom");
    QScrollBar* bar = scrollBar(frame);
    bar->setValue(0);
    QVERIFY(!prev->isEnabled());
    QVERIFY(next->isEnabled());
    bar->setValue(bar->maximum() / 2);
    QVERIFY(prev->isEnabled());
    QVERIFY(next->isEnabled());
    bar->setValue(bar->maximum());
    QVERIFY(prev->isEnabled());
    QVERIFY(!next->isEnabled());
}

void TestFlowContainerFrame::toggledButtonsAreReported()
{
    InterfaceFlowContainerFrame frame(0, 0, 0);
    fill(frame, 2);
    QSignalSpy spy(&frame, &FlowContainerFrame::itemToggled);
    auto* second = static_cast<QToolButton*>(frame.getContentButtons().at(1));
    QTest::mouseClick(second, Qt::LeftButton);
    QVERIFY(second->isChecked());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QToolButton*>(), second);
    QCOMPARE(spy.at(0).at(1).toBool(), true);
}

void TestFlowContainerFrame::scenePagesReachTheLayout()
{
    FlowContainerFrame frame(0, 0, 0, true);
    auto* scene = dynamic_cast<FlowLayoutScene*>(frame.contentLayout());
    QVERIFY(scene);
    QVERIFY(QMetaObject::invokeMethod(&frame, "slotPageModifySelectedItems", Q_ARG(int, 4)));
    QCOMPARE(scene->consolePage(), 4);
}

QTEST_MAIN(TestFlowContainerFrame)
#include "tst_flowcontainerframe.moc"
