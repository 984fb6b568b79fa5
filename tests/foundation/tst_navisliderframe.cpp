#include "common/testsupport.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/navisliderframe.h>

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using Vireo::Widgets::NaviSliderFrame;

Q_DECLARE_METATYPE(QMargins)

namespace {

constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 60;

// A content button as the resource lists make them: fixed size equal to its size hint.
class ItemButton : public QToolButton
{
    Q_OBJECT
public:
    explicit ItemButton(const QString& text, QWidget* parent = nullptr)
        : QToolButton(parent)
    {
        setText(text);
        setCheckable(true);
        setFixedSize(ButtonWidth, ButtonHeight);
    }
    QSize sizeHint() const override { return {ButtonWidth, ButtonHeight}; }

    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        QToolButton::paintEvent(event);
    }
};

// Another kind of content button, to check that the reuse step never mixes kinds.
class OtherButton : public QToolButton
{
    Q_OBJECT
public:
    explicit OtherButton(QWidget* parent = nullptr)
        : QToolButton(parent)
    {
        setCheckable(true);
    }
    QSize sizeHint() const override { return {ButtonWidth, ButtonHeight}; }
};

class TestStrip : public NaviSliderFrame
{
    Q_OBJECT
public:
    explicit TestStrip(Qt::Orientation orientation, QWidget* parent = nullptr)
        : NaviSliderFrame(parent)
    {
        setOrientation(orientation);
        retranslateUi();
    }

    void retranslateUi() override { setTips(tr("No items yet")); }

    void contentFrameResize() override
    {
        ++resizeCount;
        NaviSliderFrame::contentFrameResize();
    }

    // The list rebuild pattern, as a resource list writes it.
    void rebuild(const QStringList& names)
    {
        RebuildScope scope(this);
        initingDuringRebuild = isItemIniting();
        const QList<QAbstractButton*> reuse = getContentButtons();
        int index = 0;
        for (const QString& name : names) {
            ItemButton* button = reuseContentButton<ItemButton>(reuse, index);
            if (!button) {
                button = new ItemButton(name, this);
                ++created;
            }
            button->setText(name);
            placeContentButton(button, false);
            ++index;
        }
        hideContentButtonsFrom(reuse, index);
        contentFrameResize();
    }

    void rebuildWithoutFinalResize(int count)
    {
        RebuildScope scope(this);
        const QList<QAbstractButton*> reuse = getContentButtons();
        for (int i = 0; i < count; ++i) {
            ItemButton* button = reuseContentButton<ItemButton>(reuse, i);
            if (!button)
                button = new ItemButton(QString::number(i), this);
            placeContentButton(button, true);
        }
        hideContentButtonsFrom(reuse, count);
    }

    template <typename Button>
    Button* reuse(const QList<QAbstractButton*>& list, int index)
    {
        return reuseContentButton<Button>(list, index);
    }
    void place(QToolButton* button, bool resize) { placeContentButton(button, resize); }
    void reorder(const QList<QAbstractButton*>& order)
    {
        RebuildScope scope(this);
        for (QAbstractButton* button : order)
            placeContentButton(static_cast<QToolButton*>(button), false);
    }
    void nestedScopes(bool& inner, bool& afterInner)
    {
        RebuildScope outer(this);
        {
            RebuildScope innerScope(this);
            inner = isItemIniting();
        }
        afterInner = isItemIniting();
    }
    void toggleInsideScope(QAbstractButton* button)
    {
        RebuildScope scope(this);
        button->setChecked(!button->isChecked());
    }
    bool lockerFlag()
    {
        bool flag = false;
        {
            ItemInitingLocker locker(flag);
            if (!flag)
                return false;
        }
        return !flag;
    }

    QPoint lastPressedPos() const { return m_lastPressedPos; }
    bool mousePressed() const { return m_isMousePressed; }

    QList<QToolButton*> resetButtons;
    QList<bool> dragResults;
    int resizeCount = 0;
    int created = 0;
    bool initingDuringRebuild = false;

protected:
    void resetHideContentButton(QToolButton* button) override
    {
        resetButtons.append(button);
        button->setText(QString());
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        dragResults.append(isAllowDrag(event));
        NaviSliderFrame::mouseMoveEvent(event);
    }
};

QToolButton* naviButton(const QWidget* frame, NaviSliderFrame::NaviWidgetType type)
{
    const auto buttons = frame->findChildren<QToolButton*>();
    for (QToolButton* button : buttons) {
        if (button->property("NaviButton").toBool() && button->property("NaviWidgetType").toInt() == int(type))
            return button;
    }
    return nullptr;
}

QFrame* line(const QWidget* frame, const char* name)
{
    return frame->findChild<QFrame*>(QLatin1String(name));
}

QList<QWidget*> layoutOrder(const NaviSliderFrame* frame)
{
    QList<QWidget*> order;
    QLayout* layout = frame->contentScrollArea()->widget()->layout();
    for (int i = 0; i < layout->count(); ++i) {
        if (auto* button = qobject_cast<QToolButton*>(layout->itemAt(i)->widget()))
            order.append(button);
    }
    return order;
}

QStringList texts(const QList<QAbstractButton*>& buttons)
{
    QStringList result;
    for (QAbstractButton* button : buttons)
        result.append(button->text());
    return result;
}

QStringList names(int count, const QString& prefix = QStringLiteral("item"))
{
    QStringList result;
    for (int i = 0; i < count; ++i)
        result.append(prefix + QString::number(i));
    return result;
}

int along(const QWidget* widget, Qt::Orientation orientation)
{
    return orientation == Qt::Horizontal ? widget->x() : widget->y();
}

QScrollBar* alongBar(const NaviSliderFrame* frame)
{
    return frame->orientation() == Qt::Horizontal ? frame->contentScrollArea()->horizontalScrollBar()
                                                  : frame->contentScrollArea()->verticalScrollBar();
}

int viewportAlong(const NaviSliderFrame* frame)
{
    const QWidget* viewport = frame->contentScrollArea()->viewport();
    return frame->orientation() == Qt::Horizontal ? viewport->width() : viewport->height();
}

// `count` content buttons named by their index, added to the strip in order.
QList<QToolButton*> addButtons(NaviSliderFrame& strip, int count)
{
    QList<QToolButton*> buttons;
    for (int i = 0; i < count; ++i) {
        buttons.append(new ItemButton(QString::number(i)));
        strip.addContentButton(buttons.last(), true);
    }
    return buttons;
}

// The strip's layout, its button group and getContentButtons() agree on the order, each button
// once, the n-th with id n.
void checkOrderAndIds(const NaviSliderFrame& strip, int count)
{
    const QList<QAbstractButton*> buttons = strip.getContentButtons();
    QCOMPARE(buttons.size(), count);
    QCOMPARE(layoutOrder(&strip).size(), count);
    for (int i = 0; i < count; ++i) {
        QCOMPARE(layoutOrder(&strip).at(i), buttons.at(i));
        QCOMPARE(strip.getContentButtonID(static_cast<QToolButton*>(buttons.at(i))), i);
    }
}

void orientationRows()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::newRow("horizontal") << Qt::Horizontal;
    QTest::newRow("vertical") << Qt::Vertical;
}

// A shown horizontal strip without scroll bars, whose show events would resize it too.
void showWithoutBars(TestStrip& strip)
{
    strip.setScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strip.contentScrollArea()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strip.show();
}

// A shown strip of `count` buttons with a viewport of roughly 400 pixels along the strip.
std::unique_ptr<TestStrip> shownStrip(Qt::Orientation orientation, int count, bool barOff = true)
{
    auto strip = std::make_unique<TestStrip>(orientation);
    strip->setMainLayoutContentsMargins(0, 0, 0, 0);
    strip->setMainLayoutSpacing(0);
    strip->setNaviButtonFixedSize(QSize(40, 40));
    if (barOff)
        strip->setScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (orientation == Qt::Horizontal)
        strip->resize(560, 140);
    else
        strip->resize(140, 560);
    addButtons(*strip, count);
    strip->show();
    return strip;
}

} // namespace

class tst_NaviSliderFrame : public QObject
{
    Q_OBJECT

private slots:
    void build_data();
    void build();
    void naviButtons();
    void addInsertMove();
    void insertIndexRange_data();
    void insertIndexRange();
    void badInputIsIgnored();
    void removeCheckedLast();
    void removeRecheckRule();
    void clearDeletesButtons();
    void activation();
    void hideInPlaceOrIntoCache();
    void arrowsStepToEnds_data();
    void arrowsStepToEnds();
    void prevScrollsBackCutAndWhole();
    void steppingNeedsTwoButtons();
    void checkedButtonKeptInView();
    void sizingAfterShowAndResize_data();
    void sizingAfterShowAndResize();
    void sizingWithVisibleBar();
    void scrollHelpers();
    void dragEdges_data();
    void dragEdges();
    void dragNeedsEnabledAndLeftButton();
    void mouseBookkeeping();
    void rebuildReusesAndCaches();
    void rebuildRepaintsWhatIsInView();
    void rebuildResizesOnce_data();
    void rebuildResizesOnce();
    void rebuildKeepsKindsApart();
    void rebuildScopeFlagsAndSignals();
    void placeOutsideScopeAppends();
    void reorderInsideScope();
};

void tst_NaviSliderFrame::build_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QMargins>("contentMargins");
    QTest::addColumn<QByteArray>("prevProperty");
    QTest::addColumn<QByteArray>("nextProperty");
    QTest::newRow("horizontal") << Qt::Horizontal << QMargins(10, 20, 10, 0) << QByteArray("NaviButtonLeft")
                                << QByteArray("NaviButtonRight");
    QTest::newRow("vertical") << Qt::Vertical << QMargins(20, 10, 0, 0) << QByteArray("NaviButtonTop")
                              << QByteArray("NaviButtonBottom");
}

void tst_NaviSliderFrame::build()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QMargins, contentMargins);
    QFETCH(QByteArray, prevProperty);
    QFETCH(QByteArray, nextProperty);

    TestStrip strip(orientation);
    QCOMPARE(strip.objectName(), QStringLiteral("NaviSliderFrame"));
    QCOMPARE(strip.orientation(), orientation);

    QToolButton* add = naviButton(&strip, NaviSliderFrame::Add);
    QToolButton* prev = naviButton(&strip, NaviSliderFrame::Prev);
    QToolButton* next = naviButton(&strip, NaviSliderFrame::Next);
    QToolButton* clear = naviButton(&strip, NaviSliderFrame::Clear);
    QVERIFY(add && prev && next && clear);
    QVERIFY(add->property("NaviButtonAdd").toBool());
    QVERIFY(clear->property("NaviButtonClear").toBool());
    QVERIFY(prev->property(prevProperty.constData()).toBool());
    QVERIFY(next->property(nextProperty.constData()).toBool());
    QVERIFY(!prev->property(nextProperty.constData()).isValid());

    QScrollArea* area = strip.contentScrollArea();
    QVERIFY(area);
    QCOMPARE(area->property("NaviWidgetType").toInt(), int(NaviSliderFrame::Content));
    QCOMPARE(area->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QLayout* contentLayout = area->widget()->layout();
    QCOMPARE(contentLayout->contentsMargins(), contentMargins);
    QCOMPARE(contentLayout->spacing(), 10);
    QCOMPARE(contentLayout->itemAt(0)->widget(), strip.findChild<QFrame*>(QStringLiteral("NaviSliderTipsFrame")));

    for (const char* name :
        {"NaviSliderLeftLine", "NaviSliderRightLine", "NaviSliderTopLine", "NaviSliderBottomLine"}) {
        QFrame* separator = line(&strip, name);
        QVERIFY2(separator, name);
        QVERIFY(separator->property(CUSTOM_PROPERTY_LEVEL1_SEPARATOR).toBool());
        QVERIFY(separator->isHidden());
    }

    // Main layout order: add, previous, strip, next, clear.
    auto* mainLayout = qobject_cast<QBoxLayout*>(strip.layout());
    QVERIFY(mainLayout);
    QCOMPARE(
        mainLayout->direction(), orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    QCOMPARE(mainLayout->count(), 5);
    QCOMPARE(mainLayout->itemAt(0)->widget(), add);
    QCOMPARE(mainLayout->itemAt(1)->widget(), prev);
    QVERIFY(mainLayout->itemAt(2)->widget()->isAncestorOf(area));
    QCOMPARE(mainLayout->itemAt(3)->widget(), next);
    QCOMPARE(mainLayout->itemAt(4)->widget(), clear);
    QCOMPARE(mainLayout->itemAt(0)->alignment(), Qt::AlignCenter);

    // Empty strip: the tip shows and both arrows are off.
    strip.show();
    auto* tipsLabel = strip.findChild<QLabel*>(QStringLiteral("NaviSliderTipsLabel"));
    QVERIFY(tipsLabel);
    QCOMPARE(tipsLabel->text(), QStringLiteral("No items yet"));
    QVERIFY(tipsLabel->isVisible());
    QVERIFY(!prev->isEnabled());
    QVERIFY(!next->isEnabled());

    // A first button hides the tip and sizes the separators across the strip; clear() shows it again.
    auto* tips = strip.findChild<QFrame*>(QStringLiteral("NaviSliderTipsFrame"));
    strip.addContentButton(new ItemButton(QStringLiteral("first")), true);
    QVERIFY(tips->isHidden());
    if (orientation == Qt::Horizontal) {
        QCOMPARE(line(&strip, "NaviSliderLeftLine")->maximumHeight(), ButtonHeight);
        QCOMPARE(line(&strip, "NaviSliderRightLine")->maximumHeight(), ButtonHeight);
    } else {
        QCOMPARE(line(&strip, "NaviSliderTopLine")->maximumWidth(), ButtonWidth);
        QCOMPARE(line(&strip, "NaviSliderBottomLine")->maximumWidth(), ButtonWidth);
    }
    strip.clear();
    QVERIFY(tips->isVisible());
    QCOMPARE(strip.itemCount(), 0);
}

void tst_NaviSliderFrame::naviButtons()
{
    TestStrip strip(Qt::Horizontal);
    QSignalSpy addSpy(&strip, &NaviSliderFrame::itemAddButtonClicked);
    strip.show();
    QTest::mouseClick(naviButton(&strip, NaviSliderFrame::Add), Qt::LeftButton);
    QCOMPARE(addSpy.count(), 1);

    QCOMPARE(strip.getPredefinedNaviButton(NaviSliderFrame::Next), naviButton(&strip, NaviSliderFrame::Next));
    QCOMPARE(strip.getPredefinedNaviButton(NaviSliderFrame::Content), nullptr);

    auto* mainLayout = qobject_cast<QBoxLayout*>(strip.layout());
    QToolButton* beforeNext = strip.insertNaviButton(NaviSliderFrame::Next);
    QVERIFY(beforeNext);
    QCOMPARE(mainLayout->indexOf(beforeNext) + 1, mainLayout->indexOf(naviButton(&strip, NaviSliderFrame::Next)));
    QToolButton* atEnd = strip.insertNaviButton(NaviSliderFrame::NaviWidgetTypeCnt);
    QCOMPARE(mainLayout->indexOf(atEnd), mainLayout->count() - 1);
    QToolButton* appended = strip.appendNaviButton();
    QCOMPARE(mainLayout->indexOf(appended), mainLayout->count() - 1);
    QWidget stranger;
    QCOMPARE(strip.insertNaviButton(&stranger), nullptr);
    QCOMPARE(strip.insertNaviButton(static_cast<QWidget*>(nullptr)), nullptr);

    strip.setNaviButtonVisible(NaviSliderFrame::Clear, false);
    QVERIFY(naviButton(&strip, NaviSliderFrame::Clear)->isHidden());
    QVERIFY(!naviButton(&strip, NaviSliderFrame::Add)->isHidden());
    strip.setNaviButtonVisible(NaviSliderFrame::NaviWidgetTypeCnt, false);
    for (auto type : {NaviSliderFrame::Add, NaviSliderFrame::Prev, NaviSliderFrame::Next, NaviSliderFrame::Clear})
        QVERIFY(naviButton(&strip, type)->isHidden());

    strip.setNaviButtonFixedSize(QSize(33, 44));
    QCOMPARE(naviButton(&strip, NaviSliderFrame::Prev)->maximumSize(), QSize(33, 44));
    strip.setNaviButtonAlignment(Qt::AlignTop);
    QCOMPARE(
        mainLayout->itemAt(mainLayout->indexOf(naviButton(&strip, NaviSliderFrame::Add)))->alignment(), Qt::AlignTop);

    strip.setContentFrameProperty("isSpecial", true);
    QVERIFY(strip.contentScrollArea()->property("isSpecial").toBool());
    QVERIFY(strip.contentScrollArea()->widget()->property("isSpecial").toBool());
}

void tst_NaviSliderFrame::addInsertMove()
{
    TestStrip strip(Qt::Horizontal);
    auto* a = new ItemButton(QStringLiteral("a"));
    auto* b = new ItemButton(QStringLiteral("b"));
    auto* c = new ItemButton(QStringLiteral("c"));
    auto* d = new ItemButton(QStringLiteral("d"));
    strip.addContentButton(a, true);
    strip.addContentButton(b, true);
    QVERIFY(!a->property("NaviSliderContentButton").isValid());
    strip.insertContentButton(c, b, true);
    QVERIFY(c->property("NaviSliderContentButton").toBool());
    QVERIFY(!c->isHidden());
    QCOMPARE(layoutOrder(&strip), (QList<QWidget*> {a, c, b}));
    QCOMPARE(strip.getContentButtonID(c), 2); // the group keeps insertion order
    strip.insertIndexButton(d, 1, true);
    QCOMPARE(layoutOrder(&strip), (QList<QWidget*> {d, a, c, b}));
    QCOMPARE(strip.itemCount(), 4);

    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, "moveContentButton is not changed. ");
    strip.moveContentButton(a, a);
    QCOMPARE(layoutOrder(&strip), (QList<QWidget*> {d, a, c, b}));
    strip.moveContentButton(d, nullptr);
    QCOMPARE(layoutOrder(&strip), (QList<QWidget*> {a, c, b, d}));
    strip.moveContentButton(b, a);
    QCOMPARE(layoutOrder(&strip), (QList<QWidget*> {b, a, c, d}));
    QCOMPARE(strip.itemCount(), 4);

    // Adding a button that is already in the strip moves it to the end, once.
    strip.addContentButton(b, true);
    QCOMPARE(layoutOrder(&strip), (QList<QWidget*> {a, c, d, b}));
    QCOMPARE(strip.itemCount(), 4);
    QCOMPARE(strip.getContentButtonID(b), 3);
    checkOrderAndIds(strip, 4);
}

void tst_NaviSliderFrame::insertIndexRange_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0: first, the tip stays first") << 0 << "x a b c";
    QTest::newRow("1: first button") << 1 << "x a b c";
    QTest::newRow("3: before the third") << 3 << "a b x c";
    QTest::newRow("4: end") << 4 << "a b c x";
    QTest::newRow("past the end") << 99 << "a b c x";
    QTest::newRow("negative") << -5 << "a b c x";
}

void tst_NaviSliderFrame::insertIndexRange()
{
    QFETCH(int, index);
    QFETCH(QString, expected);
    TestStrip strip(Qt::Horizontal);
    for (const char* name : {"a", "b", "c"})
        strip.addContentButton(new ItemButton(QLatin1String(name)), true);
    strip.insertIndexButton(new ItemButton(QStringLiteral("x")), index, true);
    QStringList order;
    for (QWidget* w : layoutOrder(&strip))
        order.append(static_cast<QToolButton*>(w)->text());
    QCOMPARE(order.join(QLatin1Char(' ')), expected);
    QCOMPARE(strip.contentScrollArea()->widget()->layout()->itemAt(0)->widget()->objectName(),
        QStringLiteral("NaviSliderTipsFrame"));
    QCOMPARE(strip.itemCount(), 4);
}

void tst_NaviSliderFrame::badInputIsIgnored()
{
    TestStrip strip(Qt::Horizontal);
    auto* a = new ItemButton(QStringLiteral("a"));
    strip.addContentButton(a, true);
    ItemButton stranger(QStringLiteral("stranger"));

    strip.addContentButton(nullptr, true);
    strip.insertContentButton(nullptr, a, true);
    strip.insertIndexButton(nullptr, 1, true);
    strip.moveContentButton(nullptr, a);
    strip.moveContentButton(&stranger, a);
    strip.removeItem(nullptr);
    strip.removeItem(&stranger);
    strip.contentButtonsHide(static_cast<QToolButton*>(nullptr));
    strip.contentButtonsHide(&stranger);
    strip.setActivatedItem(5);
    strip.setActivatedItem(&stranger, true);
    strip.place(nullptr, true);

    QCOMPARE(strip.itemCount(), 1);
    QCOMPARE(strip.hiddenContentButtonCount(), 0);
    QCOMPARE(stranger.parentWidget(), nullptr);
    QVERIFY(!stranger.isChecked());
    QCOMPARE(strip.getContentButtonID(&stranger), -1);
    QCOMPARE(strip.getContentButtonID(nullptr), -1);
    QCOMPARE(layoutOrder(&strip), (QList<QWidget*> {a}));

    // Nothing exists before setOrientation; the calls are refused without harm.
    struct Unbuilt : NaviSliderFrame
    {
        void retranslateUi() override { }
    } unbuilt;
    auto* orphan = new ItemButton(QStringLiteral("orphan"));
    QTest::ignoreMessage(
        QtWarningMsg, "NaviSliderFrame::addContentButton: the frame has no strip before setOrientation");
    unbuilt.addContentButton(orphan, true);
    QCOMPARE(unbuilt.itemCount(), 0);
    QCOMPARE(unbuilt.contentScrollArea(), nullptr);
    QVERIFY(!unbuilt.isAllowDrag(nullptr));
    unbuilt.clear();
    unbuilt.contentButtonsHide();
    unbuilt.contentFrameResize();
    // A button in no group is not one of the (missing) group's buttons either.
    unbuilt.removeItem(orphan);
    unbuilt.contentButtonsHide(orphan);
    unbuilt.moveContentButton(orphan, nullptr);
    QCOMPARE(unbuilt.hiddenContentButtonCount(), 0);
    QCOMPARE(unbuilt.getContentButtonID(orphan), -1);
    delete orphan;
}

void tst_NaviSliderFrame::removeCheckedLast()
{
    TestStrip strip(Qt::Horizontal);
    const QList<QToolButton*> buttons = addButtons(strip, 4);
    QSignalSpy toggled(&strip, &NaviSliderFrame::itemToggled);
    strip.setActivatedItem(3);
    QPointer<QToolButton> last = buttons.at(3);
    strip.removeItem(last);
    QCOMPARE(strip.itemCount(), 3);
    QVERIFY(buttons.at(2)->isChecked());
    QCOMPARE(strip.getCheckedButtons(), (QList<QAbstractButton*> {buttons.at(2)}));
    QCOMPARE(toggled.last().at(0).value<QAbstractButton*>(), buttons.at(2));
    QCOMPARE(toggled.last().at(1).toBool(), true);
    QTRY_VERIFY(last.isNull());

    // A checked middle button hands the check to the button now at its place.
    strip.setActivatedItem(1);
    strip.removeItem(buttons.at(1));
    QVERIFY(buttons.at(2)->isChecked());
    QCOMPARE(strip.getContentButtonID(buttons.at(2)), 1);

    // An unchecked button leaves the check alone.
    strip.removeItem(buttons.at(0));
    QVERIFY(buttons.at(2)->isChecked());
    QCOMPARE(strip.getContentButtonID(buttons.at(2)), 0);
    strip.removeItem(buttons.at(2));
    QCOMPARE(strip.itemCount(), 0);
    QCOMPARE(strip.getCheckedButtons(), (QList<QAbstractButton*> {nullptr}));
}

void tst_NaviSliderFrame::removeRecheckRule()
{
    // Without exclusivity the check moves only when exactly one other button stays checked.
    TestStrip strip(Qt::Horizontal);
    const QList<QToolButton*> buttons = addButtons(strip, 4);
    auto* group = strip.findChild<QButtonGroup*>();
    QVERIFY(group);
    group->setExclusive(false);
    buttons.at(0)->setChecked(true);
    buttons.at(1)->setChecked(true);
    strip.removeItem(buttons.at(1));
    QCOMPARE(strip.getCheckedButtons(), (QList<QAbstractButton*> {buttons.at(0), buttons.at(2)}));

    buttons.at(3)->setChecked(true);
    strip.removeItem(buttons.at(0)); // two others checked: nothing changes
    QCOMPARE(strip.getCheckedButtons(), (QList<QAbstractButton*> {buttons.at(2), buttons.at(3)}));
}

void tst_NaviSliderFrame::clearDeletesButtons()
{
    TestStrip strip(Qt::Horizontal);
    QList<QPointer<QToolButton>> buttons;
    for (QToolButton* button : addButtons(strip, 5))
        buttons.append(button);
    strip.contentButtonsHide(buttons.at(4).data());
    strip.clear();
    QCOMPARE(strip.itemCount(), 0);
    QCOMPARE(layoutOrder(&strip).size(), 0);
    QCOMPARE(strip.hiddenContentButtonCount(), 1); // the cache is not content
    for (int i = 0; i < 4; ++i)
        QTRY_VERIFY(buttons.at(i).isNull());
    QVERIFY(!buttons.at(4).isNull());
}

void tst_NaviSliderFrame::activation()
{
    TestStrip strip(Qt::Horizontal);
    const QList<QToolButton*> buttons = addButtons(strip, 3);
    QSignalSpy toggled(&strip, &NaviSliderFrame::itemToggled);
    strip.setActivatedItem(1);
    QVERIFY(buttons.at(1)->isChecked());
    strip.setActivatedItem(3); // past the end: nothing
    QVERIFY(buttons.at(1)->isChecked());
    strip.setActivatedItem(-1);
    for (QToolButton* button : buttons)
        QVERIFY(!button->isChecked());
    QCOMPARE(strip.getCheckedButtons(), (QList<QAbstractButton*> {nullptr}));

    toggled.clear();
    strip.setActivatedItem(buttons.at(2), false);
    QVERIFY(buttons.at(2)->isChecked());
    QCOMPARE(toggled.count(), 0);
    strip.setActivatedItem(buttons.at(0), true);
    QVERIFY(buttons.at(0)->isChecked());
    QVERIFY(!buttons.at(2)->isChecked());
    QVERIFY(toggled.count() >= 1);
    QCOMPARE(toggled.last().at(0).value<QAbstractButton*>(), buttons.at(0));
    strip.setActivatedItem(static_cast<QToolButton*>(nullptr), true);
    QVERIFY(!buttons.at(0)->isChecked());

    // A click on a content button checks it and reports it.
    strip.show();
    toggled.clear();
    QTRY_VERIFY(buttons.at(1)->isVisible());
    QTest::mouseClick(buttons.at(1), Qt::LeftButton);
    QVERIFY(buttons.at(1)->isChecked());
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.at(0).at(0).value<QAbstractButton*>(), buttons.at(1));
}

void tst_NaviSliderFrame::hideInPlaceOrIntoCache()
{
    TestStrip strip(Qt::Horizontal);
    strip.show();
    const QList<QToolButton*> buttons = addButtons(strip, 3);

    // Hidden in place, the buttons stay content and are unchecked; shown again, each is checked in
    // turn, so that the exclusive group keeps the last.
    strip.setActivatedItem(0);
    strip.contentButtonsHide(false);
    for (QToolButton* button : buttons) {
        QVERIFY(button->isHidden());
        QVERIFY(!button->isChecked());
    }
    QCOMPARE(strip.itemCount(), 3);
    strip.contentButtonsHide(true);
    for (QToolButton* button : buttons)
        QVERIFY(!button->isHidden());
    QCOMPARE(strip.getCheckedButtons(), (QList<QAbstractButton*> {buttons.at(2)}));

    // Into the cache: out of the strip, emptied by the subclass, handed back in order.
    strip.setActivatedItem(2);
    strip.contentButtonsHide(buttons.at(2));
    QCOMPARE(strip.resetButtons, (QList<QToolButton*> {buttons.at(2)}));
    QVERIFY(buttons.at(2)->isHidden());
    QVERIFY(!buttons.at(2)->isChecked());
    QVERIFY(buttons.at(1)->isChecked()); // the re-check rule of removeItem
    QCOMPARE(strip.itemCount(), 2);
    QCOMPARE(strip.hiddenContentButtonCount(), 1);

    strip.contentButtonsHide();
    QCOMPARE(strip.itemCount(), 0);
    QCOMPARE(strip.hiddenContentButtonCount(), 3);
    QCOMPARE(strip.resetButtons, (QList<QToolButton*> {buttons.at(2), buttons.at(0), buttons.at(1)}));
    for (QToolButton* button : buttons) {
        QVERIFY(button->isHidden());
        QVERIFY(!button->isChecked());
        QCOMPARE(button->parentWidget(), strip.contentScrollArea()->widget()); // kept, not lost
    }
    QVERIFY(strip.findChild<QFrame*>(QStringLiteral("NaviSliderTipsFrame"))->isVisible());

    for (QToolButton* cached : {buttons.at(2), buttons.at(0), buttons.at(1), static_cast<QToolButton*>(nullptr)})
        QCOMPARE(strip.takeFirstHideContentButton(), cached);
}

void tst_NaviSliderFrame::arrowsStepToEnds_data()
{
    orientationRows();
}

void tst_NaviSliderFrame::arrowsStepToEnds()
{
    QFETCH(Qt::Orientation, orientation);
    auto strip = shownStrip(orientation, 10);
    const QList<QAbstractButton*> buttons = strip->getContentButtons();
    const int step = (orientation == Qt::Horizontal ? ButtonWidth : ButtonHeight) + 10;
    const int first = orientation == Qt::Horizontal ? 10 : 10; // leading content margin
    QTRY_COMPARE(along(buttons.at(9), orientation), first + 9 * step);

    QToolButton* prev = naviButton(strip.get(), NaviSliderFrame::Prev);
    QToolButton* next = naviButton(strip.get(), NaviSliderFrame::Next);
    QFrame* startLine = line(strip.get(), orientation == Qt::Horizontal ? "NaviSliderLeftLine" : "NaviSliderTopLine");
    QFrame* endLine = line(strip.get(), orientation == Qt::Horizontal ? "NaviSliderRightLine" : "NaviSliderBottomLine");
    // At the start only "next" works and only the end's separator shows; at the end the reverse.
    const auto checkEnds = [&](bool atStart, const char* where) {
        QVERIFY2(prev->isEnabled() != atStart && next->isEnabled() == atStart, where);
        QVERIFY2(startLine->isHidden() == atStart && endLine->isHidden() != atStart, where);
    };
    QScrollBar* bar = alongBar(strip.get());
    QCOMPARE(bar->value(), 0);
    checkEnds(true, "before any click");
    QVERIFY(bar->maximum() > 0);

    // Each "next" brings the following button to the leading edge, until the end.
    int clicks = 0;
    while (next->isEnabled() && clicks < 20) {
        QTest::mouseClick(next, Qt::LeftButton);
        ++clicks;
        QCOMPARE(bar->value(), qMin(along(buttons.at(clicks), orientation), bar->maximum()));
    }
    QVERIFY(clicks < 10);
    QCOMPARE(bar->value(), bar->maximum());
    checkEnds(false, "after the last next");

    // "previous" always moves back until the start.
    clicks = 0;
    while (prev->isEnabled() && clicks < 20) {
        const int before = bar->value();
        QTest::mouseClick(prev, Qt::LeftButton);
        QVERIFY2(bar->value() < before, "previous did not move");
        ++clicks;
    }
    QVERIFY(clicks < 12);
    QCOMPARE(bar->value(), 0);
    checkEnds(true, "after the last previous");
}

void tst_NaviSliderFrame::prevScrollsBackCutAndWhole()
{
    auto strip = shownStrip(Qt::Horizontal, 12);
    const QList<QAbstractButton*> buttons = strip->getContentButtons();
    QTRY_COMPARE(buttons.at(11)->x(), 10 + 11 * 90);
    QScrollBar* bar = alongBar(strip.get());
    QToolButton* prev = naviButton(strip.get(), NaviSliderFrame::Prev);

    // Away from the start first, so that the separator lines (and the viewport) no longer change.
    bar->setValue(100);
    QTRY_VERIFY(!line(strip.get(), "NaviSliderLeftLine")->isHidden());
    QCoreApplication::processEvents();

    // The right edge cuts button 6: going back lets exactly that button slide out on the right.
    bar->setValue(buttons.at(6)->x() + 30 - viewportAlong(strip.get()));
    QTRY_VERIFY(bar->value() + viewportAlong(strip.get()) == buttons.at(6)->x() + 30);
    QTest::mouseClick(prev, Qt::LeftButton);
    QCOMPARE(bar->value() + viewportAlong(strip.get()), buttons.at(6)->x());

    // Now the last button starting before the right edge is wholly visible: back by one step.
    const int before = bar->value();
    QTest::mouseClick(prev, Qt::LeftButton);
    QCOMPARE(bar->value(), before - 90);

    // With the first button partly visible the strip goes back to its start (the right edge in the
    // gap after button 4, so that no button is cut).
    bar->setValue(buttons.at(4)->x() + ButtonWidth + 5 - viewportAlong(strip.get()));
    QVERIFY(bar->value() > 0 && bar->value() < ButtonWidth);
    QTest::mouseClick(prev, Qt::LeftButton);
    QCOMPARE(bar->value(), 0);
}

void tst_NaviSliderFrame::steppingNeedsTwoButtons()
{
    auto strip = shownStrip(Qt::Horizontal, 1);
    auto* button = strip->getContentButtons().first();
    button->setFixedWidth(2000); // wider than the viewport: the bar can move
    QScrollBar* bar = alongBar(strip.get());
    strip->contentFrameResize();
    QTRY_VERIFY(bar->maximum() > 0);
    bar->setValue(50);
    QMetaObject::invokeMethod(strip.get(), "slotNextButtonClicked");
    QCOMPARE(bar->value(), 50);
    QMetaObject::invokeMethod(strip.get(), "slotPrevButtonClicked");
    QCOMPARE(bar->value(), 50);
}

void tst_NaviSliderFrame::checkedButtonKeptInView()
{
    auto strip = shownStrip(Qt::Horizontal, 12);
    const QList<QAbstractButton*> buttons = strip->getContentButtons();
    QTRY_COMPARE(buttons.at(11)->x(), 10 + 11 * 90);
    QScrollBar* bar = alongBar(strip.get());

    strip->setActivatedItem(6);
    QCOMPARE(bar->value(), buttons.at(6)->x());
    strip->setActivatedItem(7); // already visible: no scroll
    QCOMPARE(bar->value(), buttons.at(6)->x());
    strip->setActivatedItem(11);
    QCOMPARE(bar->value(), bar->maximum());
    strip->setActivatedItem(0);
    QCOMPARE(bar->value(), buttons.at(0)->x());
}

void tst_NaviSliderFrame::sizingAfterShowAndResize_data()
{
    orientationRows();
}

void tst_NaviSliderFrame::sizingAfterShowAndResize()
{
    QFETCH(Qt::Orientation, orientation);
    const bool horizontal = orientation == Qt::Horizontal;
    const auto length = [horizontal](const QWidget* w) { return horizontal ? w->width() : w->height(); };
    const auto depth = [horizontal](const QWidget* w) { return horizontal ? w->height() : w->width(); };
    auto strip = shownStrip(orientation, 6);
    QWidget* content = strip->contentScrollArea()->widget();
    QWidget* viewport = strip->contentScrollArea()->viewport();
    // 6 buttons, 5 spacings, margins 10 + 10 (horizontal) or 10 + 0 (vertical).
    const int expectedAlong = horizontal ? 6 * ButtonWidth + 5 * 10 + 20 : 6 * ButtonHeight + 5 * 10 + 10;
    QTRY_COMPARE(length(content), expectedAlong);
    QTRY_COMPARE(depth(content), depth(viewport));
    QVERIFY(naviButton(strip.get(), NaviSliderFrame::Next)->isEnabled());

    // Wide enough for everything: the strip no longer scrolls.
    strip->resize(horizontal ? QSize(900, 140) : QSize(140, 900));
    QTRY_VERIFY(!naviButton(strip.get(), NaviSliderFrame::Next)->isEnabled());
    QCOMPARE(length(content), expectedAlong);
    QCOMPARE(depth(content), depth(viewport));

    // An empty strip fills the viewport.
    strip->clear();
    QCOMPARE(content->size(), viewport->size());

    // A first button larger across than the viewport sets the cross extent, plus the margins
    // (20 + 0 in both orientations).
    struct BigButton : QToolButton
    {
        QSize sizeHint() const override { return {400, 400}; }
    };
    auto* big = new BigButton;
    big->setFixedSize(400, 400);
    strip->addContentButton(big, true);
    QCOMPARE(depth(content), 420);
}

void tst_NaviSliderFrame::sizingWithVisibleBar()
{
    auto strip = shownStrip(Qt::Horizontal, 10, false);
    QScrollBar* bar = strip->contentScrollArea()->horizontalScrollBar();
    QTRY_VERIFY(bar->isVisible());
    const QList<QAbstractButton*> buttons = strip->getContentButtons();
    QTRY_COMPARE(buttons.first()->height(), ButtonHeight - bar->height());
    QWidget* content = strip->contentScrollArea()->widget();
    // The content fills the viewport that the bar leaves.
    QCOMPARE(content->height(), strip->contentScrollArea()->viewport()->height());

    strip->resize(1400, 140);
    QTRY_VERIFY(!bar->isVisible());
    QTRY_COMPARE(buttons.first()->height(), ButtonHeight);
}

void tst_NaviSliderFrame::scrollHelpers()
{
    auto strip = shownStrip(Qt::Vertical, 10);
    QScrollBar* bar = strip->contentScrollArea()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 100);
    strip->scrollToTail();
    QCOMPARE(strip->scrollValue(), bar->maximum());
    strip->setScrollBarPos(3);
    const int h = bar->sizeHint().height();
    QCOMPARE(bar->value(), qMin(bar->maximum(), 2 * h + 8));
    strip->setScrollBarPos(0); // negative result: clamped to the start
    QCOMPARE(bar->value(), 0);
}

void tst_NaviSliderFrame::dragEdges_data()
{
    QTest::addColumn<quint32>("edges");
    QTest::addColumn<QString>("exit");
    QTest::addColumn<bool>("allowed");
    const quint32 all = Qt::LeftEdge | Qt::RightEdge | Qt::TopEdge | Qt::BottomEdge;
    QTest::newRow("all edges, left") << all << "left" << true;
    QTest::newRow("all edges, right") << all << "right" << false;
    QTest::newRow("all edges, top") << all << "top" << false;
    QTest::newRow("all edges, bottom") << all << "bottom" << false;
    QTest::newRow("all edges, inside") << all << "inside" << false;
    QTest::newRow("right, right") << quint32(Qt::RightEdge) << "right" << true;
    QTest::newRow("right, left") << quint32(Qt::RightEdge) << "left" << false;
    QTest::newRow("right|bottom, bottom") << quint32(Qt::RightEdge | Qt::BottomEdge) << "bottom" << false;
    QTest::newRow("top|bottom, top") << quint32(Qt::TopEdge | Qt::BottomEdge) << "top" << true;
    QTest::newRow("top|bottom, bottom") << quint32(Qt::TopEdge | Qt::BottomEdge) << "bottom" << false;
    QTest::newRow("bottom, bottom") << quint32(Qt::BottomEdge) << "bottom" << true;
    QTest::newRow("bottom, top") << quint32(Qt::BottomEdge) << "top" << false;
    QTest::newRow("none, left") << quint32(0) << "left" << false;
}

void tst_NaviSliderFrame::dragEdges()
{
    QFETCH(quint32, edges);
    QFETCH(QString, exit);
    QFETCH(bool, allowed);

    auto strip = shownStrip(Qt::Horizontal, 3);
    QCOMPARE(strip->allowDragEdge(), quint32(15));
    strip->setAllowDragEdge(edges);
    QWidget* viewport = strip->contentScrollArea()->viewport();
    const QRect global(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
    QPoint point = global.center();
    if (exit == QLatin1String("left"))
        point.setX(global.left() - 5);
    else if (exit == QLatin1String("right"))
        point.setX(global.right() + 5);
    else if (exit == QLatin1String("top"))
        point.setY(global.top() - 5);
    else if (exit == QLatin1String("bottom"))
        point.setY(global.bottom() + 5);

    Vireo::Test::sendMouse(strip.get(), QEvent::MouseMove, strip->mapFromGlobal(point), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(strip->dragResults, (QList<bool> {allowed}));
}

void tst_NaviSliderFrame::dragNeedsEnabledAndLeftButton()
{
    auto strip = shownStrip(Qt::Horizontal, 3);
    QWidget* viewport = strip->contentScrollArea()->viewport();
    const QPoint outsideLeft = strip->mapFromGlobal(viewport->mapToGlobal(QPoint(-5, 10)));
    Vireo::Test::sendMouse(strip.get(), QEvent::MouseMove, outsideLeft, Qt::NoButton, Qt::RightButton);
    QCOMPARE(strip->dragResults, (QList<bool> {false}));
    QMouseEvent hover(QEvent::MouseMove, outsideLeft, viewport->mapToGlobal(QPoint(-5, 10)), Qt::NoButton, Qt::NoButton,
        Qt::NoModifier);
    QVERIFY(!strip->isAllowDrag(&hover));
    strip->setEnabled(false);
    QMouseEvent move(QEvent::MouseMove, outsideLeft, viewport->mapToGlobal(QPoint(-5, 10)), Qt::NoButton,
        Qt::LeftButton, Qt::NoModifier);
    QVERIFY(!strip->isAllowDrag(&move));
    strip->setEnabled(true);
    QVERIFY(strip->isAllowDrag(&move));
    // The event's own position counts, not the global position it carries (the cursor's, when an
    // event is made without one).
    QMouseEvent misplaced(QEvent::MouseMove, outsideLeft, viewport->mapToGlobal(viewport->rect().center()),
        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(strip->isAllowDrag(&misplaced));
}

void tst_NaviSliderFrame::mouseBookkeeping()
{
    auto strip = shownStrip(Qt::Horizontal, 3);
    QVERIFY(!strip->mousePressed());
    Vireo::Test::sendMouse(strip.get(), QEvent::MouseButtonPress, QPoint(5, 6), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(strip->mousePressed());
    QCOMPARE(strip->lastPressedPos(), QPoint(5, 6));
    QCOMPARE(QWidget::mouseGrabber(), strip.get());
    Vireo::Test::sendMouse(strip.get(), QEvent::MouseMove, QPoint(-40, 7), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(strip->lastPressedPos(), QPoint(-40, 7));
    QCOMPARE(strip->dragResults.size(), 1);
    Vireo::Test::sendMouse(strip.get(), QEvent::MouseButtonRelease, QPoint(-40, 7), Qt::LeftButton, Qt::NoButton);
    QVERIFY(!strip->mousePressed());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

// A rebuild that shows new or cached buttons holds the strip's painting until it ends; afterwards
// every button paints again, those in view are painted where they now stand, and a button whose
// updates its owner switched off stays so.
void tst_NaviSliderFrame::rebuildRepaintsWhatIsInView()
{
    TestStrip strip(Qt::Horizontal);
    strip.resize(400, 100);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    const auto items = [&strip] {
        QList<ItemButton*> buttons;
        for (QAbstractButton* button : strip.getContentButtons())
            buttons.append(static_cast<ItemButton*>(button));
        return buttons;
    };
    const auto checkPainted = [&](const QList<ItemButton*>& buttons) {
        for (ItemButton* button : buttons)
            button->paints = 0;
        QTRY_VERIFY(buttons.first()->paints > 0);
        QVERIFY(strip.contentFrame()->updatesEnabled());
        for (ItemButton* button : buttons) {
            if (button->testAttribute(Qt::WA_ForceUpdatesDisabled))
                continue;
            QVERIFY(button->updatesEnabled());
            const bool inView = button->visibleRegion().isEmpty() == false;
            QCOMPARE(button->paints > 0, inView);
        }
    };

    strip.rebuild(names(20));
    QList<ItemButton*> buttons = items();
    QCOMPARE(buttons.size(), 20);
    checkPainted(buttons);
    QVERIFY(buttons.last()->visibleRegion().isEmpty());

    // Shrink, then grow again out of the cache, with one button switched off by its owner.
    strip.rebuild(names(3, QStringLiteral("b")));
    buttons.at(1)->setUpdatesEnabled(false);
    strip.rebuild(names(20, QStringLiteral("c")));
    QCOMPARE(strip.created, 20);
    checkPainted(items());
    QVERIFY(!buttons.at(1)->updatesEnabled());
    buttons.at(1)->setUpdatesEnabled(true);
    QVERIFY(buttons.at(1)->updatesEnabled());
}

void tst_NaviSliderFrame::rebuildReusesAndCaches()
{
    TestStrip strip(Qt::Horizontal);
    strip.show();
    strip.rebuild(names(5));
    QCOMPARE(strip.created, 5);
    QVERIFY(strip.initingDuringRebuild);
    QVERIFY(!strip.isItemIniting());
    QCOMPARE(texts(strip.getContentButtons()), names(5));
    const QList<QAbstractButton*> firstButtons = strip.getContentButtons();
    strip.setActivatedItem(1);

    // Fewer items: the surplus goes to the cache, emptied, in order.
    strip.rebuild(names(2, QStringLiteral("b")));
    QCOMPARE(strip.created, 5);
    QCOMPARE(texts(strip.getContentButtons()), names(2, QStringLiteral("b")));
    QCOMPARE(strip.getContentButtons(), firstButtons.mid(0, 2));
    QCOMPARE(strip.hiddenContentButtonCount(), 3);
    QCOMPARE(strip.resetButtons.size(), 3);
    for (int i = 2; i < 5; ++i) {
        QVERIFY(firstButtons.at(i)->isHidden());
        QVERIFY(firstButtons.at(i)->text().isEmpty());
    }
    QVERIFY(firstButtons.at(1)->isChecked());

    // More items: the cached buttons come back, in cache order, before any new one.
    strip.rebuild(names(6, QStringLiteral("c")));
    QCOMPARE(strip.created, 6);
    QCOMPARE(strip.hiddenContentButtonCount(), 0);
    const QList<QAbstractButton*> now = strip.getContentButtons();
    QCOMPARE(now.mid(0, 5), firstButtons);
    QCOMPARE(texts(now), names(6, QStringLiteral("c")));

    checkOrderAndIds(strip, 6);
    for (int i = 0; i < now.size(); ++i) {
        QVERIFY(now.at(i)->isVisible());
        QCOMPARE(now.at(i)->x(), 10 + i * (ButtonWidth + 10)); // laid out when the rebuild ends
    }

    strip.rebuild({});
    QCOMPARE(strip.itemCount(), 0);
    QCOMPARE(strip.hiddenContentButtonCount(), 6);
    QVERIFY(strip.findChild<QFrame*>(QStringLiteral("NaviSliderTipsFrame"))->isVisible());
}

void tst_NaviSliderFrame::rebuildResizesOnce_data()
{
    QTest::addColumn<bool>("deferred"); // the rebuild leaves the resize to the end of its scope
    QTest::addColumn<QList<int>>("counts"); // one rebuild per count, in turn
    QTest::newRow("final resize, shrink then grow") << false << QList<int> {40, 10, 60};
    QTest::newRow("resize deferred to the scope end") << true << QList<int> {8, 3};
}

// However many buttons a rebuild places, resized or not as it goes, the strip resizes its content
// once, and to the buttons it holds; the surplus waits in the cache.
void tst_NaviSliderFrame::rebuildResizesOnce()
{
    QFETCH(bool, deferred);
    QFETCH(QList<int>, counts);
    TestStrip strip(Qt::Horizontal);
    showWithoutBars(strip);
    int most = 0;
    for (int count : counts) {
        strip.resizeCount = 0;
        if (deferred)
            strip.rebuildWithoutFinalResize(count);
        else
            strip.rebuild(names(count));
        most = qMax(most, count);
        const QByteArray step = "rebuild of " + QByteArray::number(count);
        QVERIFY2(strip.resizeCount == 1, step);
        QVERIFY2(strip.contentScrollArea()->widget()->width() == count * ButtonWidth + (count - 1) * 10 + 20, step);
        QVERIFY2(strip.hiddenContentButtonCount() == most - count, step);
    }
}

void tst_NaviSliderFrame::rebuildKeepsKindsApart()
{
    TestStrip strip(Qt::Horizontal);
    auto* other = new OtherButton;
    other->setText(QStringLiteral("other"));
    strip.addContentButton(other, true);
    strip.contentButtonsHide(other);
    QCOMPARE(strip.hiddenContentButtonCount(), 1);

    // The cached button of another kind is not handed out, and stays cached.
    strip.rebuild(names(2));
    QCOMPARE(strip.created, 2);
    QCOMPARE(strip.hiddenContentButtonCount(), 1);
    QCOMPARE(strip.takeFirstHideContentButton(), other);

    // A strip button of another kind in the middle: new buttons take the places in order.
    other->setText(QStringLiteral("other"));
    strip.insertIndexButton(other, 2, true);
    QCOMPARE(texts(strip.getContentButtons()), (QStringList {"item0", "item1", "other"}));
    strip.rebuild(names(4, QStringLiteral("n")));
    checkOrderAndIds(strip, 4);
    QCOMPARE(texts(strip.getContentButtons()), names(4, QStringLiteral("n")));
    QVERIFY(other->isHidden());
    QCOMPARE(strip.hiddenContentButtonCount(), 1);
    QCOMPARE(strip.takeFirstHideContentButton(), other);
    delete other;
}

void tst_NaviSliderFrame::rebuildScopeFlagsAndSignals()
{
    TestStrip strip(Qt::Horizontal);
    auto* button = new ItemButton(QStringLiteral("a"));
    strip.addContentButton(button, true);
    QSignalSpy toggled(&strip, &NaviSliderFrame::itemToggled);
    strip.toggleInsideScope(button);
    QVERIFY(button->isChecked());
    QCOMPARE(toggled.count(), 0);
    strip.setActivatedItem(-1);
    strip.setActivatedItem(0);
    QCOMPARE(toggled.count(), 2); // signals flow again after the scope
    QCOMPARE(toggled.last().at(0).value<QAbstractButton*>(), button);
    QCOMPARE(toggled.last().at(1).toBool(), true);

    bool inner = false;
    bool afterInner = false;
    strip.nestedScopes(inner, afterInner);
    QVERIFY(inner);
    QVERIFY(afterInner);
    QVERIFY(!strip.isItemIniting());
    QVERIFY(strip.lockerFlag());
}

void tst_NaviSliderFrame::placeOutsideScopeAppends()
{
    TestStrip strip(Qt::Horizontal);
    strip.rebuild(names(3));
    const QList<QAbstractButton*> before = strip.getContentButtons();
    // Outside a rebuild a placed button goes to the end, once.
    strip.place(static_cast<QToolButton*>(before.at(0)), true);
    QCOMPARE(texts(strip.getContentButtons()), (QStringList {"item1", "item2", "item0"}));
    checkOrderAndIds(strip, 3);
    strip.contentButtonsHide(static_cast<QToolButton*>(before.at(1)));
    auto* cached = strip.reuse<ItemButton>({}, 0);
    QCOMPARE(cached, before.at(1));
    QCOMPARE(strip.hiddenContentButtonCount(), 0);
    strip.place(cached, true);
    QVERIFY(!cached->isHidden());
    QCOMPARE(texts(strip.getContentButtons()), (QStringList {"item2", "item0", QString()}));
    QCOMPARE(strip.getContentButtonID(cached), 2);
}

void tst_NaviSliderFrame::reorderInsideScope()
{
    TestStrip strip(Qt::Horizontal);
    strip.rebuild({"a", "b", "c", "d"});
    const QList<QAbstractButton*> buttons = strip.getContentButtons();
    strip.setActivatedItem(1);
    QSignalSpy toggled(&strip, &NaviSliderFrame::itemToggled);

    strip.reorder({buttons.at(3), buttons.at(2), buttons.at(1), buttons.at(0)});
    QCOMPARE(texts(strip.getContentButtons()), (QStringList {"d", "c", "b", "a"}));
    // Buttons placed only partly: the others follow in their earlier order.
    strip.reorder({buttons.at(1), buttons.at(3)});
    QCOMPARE(texts(strip.getContentButtons()), (QStringList {"b", "d", "c", "a"}));
    checkOrderAndIds(strip, 4);
    QCOMPARE(strip.getCheckedButtons(), (QList<QAbstractButton*> {buttons.at(1)}));
    QCOMPARE(toggled.count(), 0);
    QCOMPARE(strip.hiddenContentButtonCount(), 0);
}

QTEST_MAIN(tst_NaviSliderFrame)
#include "tst_navisliderframe.moc"
