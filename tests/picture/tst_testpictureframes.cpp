#include "common/testsupport.h"

#include <vireomodel/fixture.h>
#include <vireowidgets/picture/testpictureframes.h>
#include <zkwidgets/slidereditframe.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLoggingCategory>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTouchEvent>

#include <memory>

using namespace Vireo::Widgets;
using Vireo::BizModel::Enum::GridLevel;
using Vireo::BizModel::Enum::GridSpacing;

namespace {

const char* const kSliders[] = {"TestPictureGridLevel", "TestPictureGridSpacing", "TestPictureGridLineWidth",
    "TestPictureSpeed", "TestPictureBrightness"};

struct Frames
{
    std::unique_ptr<TestPictureFrames> panel {new TestPictureFrames};

    SliderEditFrame* slider(const char* name) const { return panel->findChild<SliderEditFrame*>(QLatin1String(name)); }

    QList<QToolButton*> buttons() const
    {
        QList<QToolButton*> result;
        for (QToolButton* button : panel->findChildren<QToolButton*>()) {
            if (TestMeta::of(button))
                result.append(button);
        }
        return result;
    }

    QToolButton* button(quint32 key) const
    {
        for (QToolButton* b : buttons()) {
            if (TestMeta::of(b)->m_TestMeta.Key == key)
                return b;
        }
        return nullptr;
    }

    QStringList shownSliders() const
    {
        QStringList shown;
        for (const char* name : kSliders) {
            if (!slider(name)->isHidden())
                shown << QString::fromLatin1(name);
        }
        return shown;
    }

    bool show()
    {
        panel->resize(900, 400);
        panel->show();
        return QTest::qWaitForWindowExposed(panel.get());
    }

    QWidget* viewport() const
    {
        return panel->findChild<QScrollArea*>(QStringLiteral("TestPictureScrollArea"))->viewport();
    }
};

void touch(QWidget* target, QEvent::Type type, const QPoint& pos)
{
    static QTouchDevice* device = QTest::createTouchDevice();
    QTouchEvent::TouchPoint point(0);
    const Qt::TouchPointState state = type == QEvent::TouchBegin ? Qt::TouchPointPressed
        : type == QEvent::TouchEnd                               ? Qt::TouchPointReleased
                                                                 : Qt::TouchPointMoved;
    point.setState(state);
    point.setPos(pos);
    point.setScreenPos(target->mapToGlobal(pos));
    QTouchEvent event(type, device, Qt::NoModifier, state, {point});
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

class TestTestPictureFrames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void catalogueAndButtons();
    void displayNames_data();
    void displayNames();
    void choosingAPatternShowsItsSliders_data();
    void choosingAPatternShowsItsSliders();
    void choosingReportsTheButtonWithItsParameters();
    void sliderChangesAreReportedOnTheCurrentPattern();
    void hostSettersAreNotReported_data();
    void hostSettersAreNotReported();
    void outputWidthLimitsSpacingAndLineWidth_data();
    void outputWidthLimitsSpacingAndLineWidth();
    void spacingLimitsTheLineWidth();
    void currentModeIsSetWithoutReport();
    void touchTapsAndScrolls_data();
    void touchTapsAndScrolls();
    void clearAndAddModels();
    void autoHeightFitsTheButtons();
};

void TestTestPictureFrames::initTestCase()
{
    // The spies record the signal's button argument.
    qRegisterMetaType<QAbstractButton*>();
}

void TestTestPictureFrames::init()
{
    Vireo::Fixture::reset();
}

void TestTestPictureFrames::catalogueAndButtons()
{
    QCOMPARE(TestPattern::testPatternVec.size(), 24);
    Frames frames;
    const QList<QToolButton*> buttons = frames.buttons();
    QCOMPARE(buttons.size(), 22);
    QList<quint32> keys;
    for (QToolButton* button : buttons) {
        keys << TestMeta::of(button)->m_TestMeta.Key;
        QVERIFY(button->property("TestPicturePushButton").toBool());
        QVERIFY(!button->icon().isNull());
        QVERIFY(!button->property("showPicture").value<QIcon>().isNull());
        QCOMPARE(button->iconSize(), QSize(72, 60));
        QCOMPARE(button->group()->id(button), int(TestMeta::of(button)->m_TestMeta.Key));
        QCOMPARE(button->toolTip(), button->text());
    }
    const QList<quint32> expected {0x1, 0x2, 0x3, 0x4, 0x5, 0x6, 0x7, 0x100, 0x101, 0x102, 0x103, 0x104, 0x105, 0x106,
        0x107, 0x200, 0x201, 0x202, 0x203, 0x204, 0x205, 0x0};
    QCOMPARE(keys, expected);
    QCOMPARE(buttons.first()->text(), QStringLiteral("Red"));
    QCOMPARE(buttons.last()->text(), QStringLiteral("Black"));
    // Every pattern starts with the same parameters.
    const TestMeta* meta = TestMeta::of(buttons.at(5));
    QCOMPARE(
        QList<int>({meta->m_nGrid, meta->m_nSpeed, meta->m_nBrightness, meta->m_nGridSpacing, meta->m_nGridLinewidth}),
        QList<int>({4, 3, 3, 32, 1}));
}

void TestTestPictureFrames::displayNames_data()
{
    QTest::addColumn<quint32>("key");
    QTest::addColumn<QString>("name");
    QTest::newRow("red") << quint32(0x1) << "Red";
    QTest::newRow("black is key 0") << quint32(0x0) << "Black";
    QTest::newRow("location, not shown") << quint32(0x300) << "Location";
    QTest::newRow("custom image, not shown") << quint32(0xFFFE) << "Custom Image";
    QTest::newRow("diagonal crossing") << quint32(0x205) << "Diagonal Crossing";
    QTest::newRow("unknown") << quint32(0x999) << "";
}

void TestTestPictureFrames::displayNames()
{
    QFETCH(quint32, key);
    QFETCH(QString, name);
    QCOMPARE(TestPattern::testPatternDisplayName(key), name);
}

void TestTestPictureFrames::choosingAPatternShowsItsSliders_data()
{
    QTest::addColumn<quint32>("key");
    QTest::addColumn<QStringList>("sliders");

    QTest::newRow("Red") << quint32(0x1) << QStringList {"TestPictureBrightness"};
    QTest::newRow("Black") << quint32(0x0) << QStringList {"TestPictureBrightness"};
    QTest::newRow("Checkerboard") << quint32(0x7) << QStringList {"TestPictureGridLevel", "TestPictureBrightness"};
    QTest::newRow("Vertical White Gradient")
        << quint32(0x107) << QStringList {"TestPictureGridLevel", "TestPictureBrightness"};
    QTest::newRow("Cross Line") << quint32(0x204)
                                << QStringList {"TestPictureGridSpacing", "TestPictureGridLineWidth",
                                       "TestPictureSpeed", "TestPictureBrightness"};
}

void TestTestPictureFrames::choosingAPatternShowsItsSliders()
{
    QFETCH(quint32, key);
    QFETCH(QStringList, sliders);

    Frames frames;
    QVERIFY(frames.show());
    QCOMPARE(frames.shownSliders(), QStringList());
    QTest::mouseClick(frames.button(key), Qt::LeftButton);
    QCOMPARE(frames.shownSliders(), sliders);
}

void TestTestPictureFrames::choosingReportsTheButtonWithItsParameters()
{
    Frames frames;
    QVERIFY(frames.show());
    QSignalSpy spy(frames.panel.get(), &TestPictureFrames::signalTestButtonClicked);
    frames.slider("TestPictureSpeed")->simulateUserEdit(1); // no pattern yet: nothing to report
    QCOMPARE(spy.count(), 0);

    QToolButton* line = frames.button(0x200);
    QTest::mouseClick(line, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QAbstractButton*>(), line);
    QCOMPARE(frames.panel->getCurrentAbstract(), line);
    const TestMeta* meta = TestMeta::of(line);
    QCOMPARE(QList<int>({meta->m_nSpeed, meta->m_nBrightness, meta->m_nGridSpacing}), QList<int>({1, 3, 32}));
    QVERIFY(line->property("TestPicturePushButtonOn").toBool());
    QVERIFY(!line->property("TestPicturePushButton").toBool());

    // Another choice moves the look and leaves the first pattern's parameters alone.
    QToolButton* red = frames.button(0x1);
    QTest::mouseClick(red, Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QVERIFY(red->property("TestPicturePushButtonOn").toBool());
    QVERIFY(!line->property("TestPicturePushButtonOn").toBool());
    QVERIFY(line->property("TestPicturePushButton").toBool());
    int on = 0;
    for (QToolButton* button : frames.buttons())
        on += button->property("TestPicturePushButtonOn").toBool();
    QCOMPARE(on, 1);
}

void TestTestPictureFrames::sliderChangesAreReportedOnTheCurrentPattern()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
    Frames frames;
    QVERIFY(frames.show());
    QToolButton* cross = frames.button(0x204);
    QTest::mouseClick(cross, Qt::LeftButton);
    QSignalSpy spy(frames.panel.get(), &TestPictureFrames::signalTestButtonClicked);

    QTest::ignoreMessage(QtDebugMsg, "SliderEditFrame::valueChanged:  2");
    frames.slider("TestPictureBrightness")->simulateUserEdit(2);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QAbstractButton*>(), cross);
    QCOMPARE(TestMeta::of(cross)->m_nBrightness, 2);

    // Spacing and line width are not watched: they are stored with the next report.
    frames.slider("TestPictureGridSpacing")->simulateUserEdit(40);
    frames.slider("TestPictureGridLineWidth")->simulateUserEdit(6);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(TestMeta::of(cross)->m_nGridSpacing, 32);
    QTest::ignoreMessage(QtDebugMsg, "SliderEditFrame::valueChanged:  0");
    frames.slider("TestPictureSpeed")->simulateUserEdit(0);
    QCOMPARE(spy.count(), 2);
    const TestMeta* meta = TestMeta::of(cross);
    QCOMPARE(QList<int>({meta->m_nSpeed, meta->m_nGridSpacing, meta->m_nGridLinewidth}), QList<int>({0, 40, 6}));
    QLoggingCategory::setFilterRules(QString());
}

void TestTestPictureFrames::hostSettersAreNotReported_data()
{
    QTest::addColumn<QString>("setter");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("shown");

    QTest::newRow("speed") << "speed" << 2 << "TestPictureSpeed" << 2;
    QTest::newRow("brightness") << "brightness" << 1 << "TestPictureBrightness" << 1;
    QTest::newRow("line width") << "lineWidth" << 9 << "TestPictureGridLineWidth" << 9;
    QTest::newRow("grid level is one more") << "gridLevel" << 3 << "TestPictureGridLevel" << 4;
    QTest::newRow("grid level top") << "gridLevel" << 7 << "TestPictureGridLevel" << 8;
    QTest::newRow("grid spacing as is") << "gridSpacing" << 3 << "TestPictureGridSpacing" << 3;
}

void TestTestPictureFrames::hostSettersAreNotReported()
{
    QFETCH(QString, setter);
    QFETCH(int, value);
    QFETCH(QString, slider);
    QFETCH(int, shown);

    Frames frames;
    frames.panel->setCurSelTestMode(0x204);
    QSignalSpy spy(frames.panel.get(), &TestPictureFrames::signalTestButtonClicked);
    if (setter == QLatin1String("speed"))
        frames.panel->setCurSpeedValue(value);
    else if (setter == QLatin1String("brightness"))
        frames.panel->setCurBrightnessValue(value);
    else if (setter == QLatin1String("lineWidth"))
        frames.panel->setGridLineWidthValue(value);
    else if (setter == QLatin1String("gridLevel"))
        frames.panel->setGridValue(value, GridLevel);
    else
        frames.panel->setGridValue(value, GridSpacing);
    QCOMPARE(frames.slider(slider.toLatin1().constData())->value(), shown);
    QCOMPARE(spy.count(), 0);
}

void TestTestPictureFrames::outputWidthLimitsSpacingAndLineWidth_data()
{
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("spacingMax");
    QTest::addColumn<int>("lineWidthMax");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<int>("lineWidth");

    QTest::newRow("1920") << 1920 << 480 << 64 << 32 << 20;
    QTest::newRow("3840") << 3840 << 960 << 64 << 32 << 20;
    QTest::newRow("200") << 200 << 50 << 50 << 32 << 20;
    QTest::newRow("100 lowers both") << 100 << 25 << 25 << 25 << 20;
    QTest::newRow("60") << 60 << 15 << 15 << 15 << 15;
    QTest::newRow("2 keeps one pixel") << 2 << 1 << 1 << 1 << 1;
}

void TestTestPictureFrames::outputWidthLimitsSpacingAndLineWidth()
{
    QFETCH(int, horizontal);
    QFETCH(int, spacingMax);
    QFETCH(int, lineWidthMax);
    QFETCH(int, spacing);
    QFETCH(int, lineWidth);

    Frames frames;
    frames.panel->setGridLineWidthValue(20);
    frames.panel->setOutputHoriTiming(horizontal);
    // Minimum, maximum and value of the spacing, then of the line width.
    QList<int> shown;
    for (const char* name : {"TestPictureGridSpacing", "TestPictureGridLineWidth"})
        shown << frames.slider(name)->minimum() << frames.slider(name)->maximum() << frames.slider(name)->value();
    QCOMPARE(shown, QList<int>({1, spacingMax, spacing, 1, lineWidthMax, lineWidth}));
}

void TestTestPictureFrames::spacingLimitsTheLineWidth()
{
    Frames frames;
    QVERIFY(frames.show());
    frames.panel->setGridValue(20, GridSpacing);
    frames.panel->setGridLineWidthValue(30);
    QTest::mouseClick(frames.button(0x201), Qt::LeftButton);
    SliderEditFrame* lineSlider = frames.slider("TestPictureGridLineWidth");
    QCOMPARE(lineSlider->maximum(), 20);
    const TestMeta* meta = TestMeta::of(frames.button(0x201));
    QCOMPARE(QList<int>({meta->m_nGridLinewidth, meta->m_nGridSpacing}), QList<int>({20, 20}));
    // A pattern without spacing gives the line width its whole range back.
    QTest::mouseClick(frames.button(0x5), Qt::LeftButton);
    QCOMPARE(lineSlider->maximum(), 64);
}

void TestTestPictureFrames::currentModeIsSetWithoutReport()
{
    Frames frames;
    QSignalSpy spy(frames.panel.get(), &TestPictureFrames::signalTestButtonClicked);
    frames.panel->setCurSelTestMode(0x7);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(frames.panel->getCurrentAbstract(), frames.button(0x7));
    QVERIFY(frames.button(0x7)->property("TestPicturePushButtonOn").toBool());
    QVERIFY(frames.button(0x7)->isChecked());
    QCOMPARE(frames.shownSliders(), QStringList({"TestPictureGridLevel", "TestPictureBrightness"}));

    QTest::ignoreMessage(QtWarningMsg, "TestPictureFrames: no test pattern with key 768");
    frames.panel->setCurSelTestMode(0x300);
    QCOMPARE(frames.panel->getCurrentAbstract(), frames.button(0x7));
}

void TestTestPictureFrames::touchTapsAndScrolls_data()
{
    QTest::addColumn<int>("dy");
    QTest::addColumn<bool>("clicked");
    QTest::newRow("still") << 0 << true;
    QTest::newRow("5 px is a tap") << -5 << true;
    QTest::newRow("13 px is a tap") << -13 << true;
    QTest::newRow("14 px scrolls") << -14 << false;
    QTest::newRow("20 px scrolls") << -20 << false;
}

void TestTestPictureFrames::touchTapsAndScrolls()
{
    QFETCH(int, dy);
    QFETCH(bool, clicked);

    Frames frames;
    QVERIFY(frames.show());
    QWidget* viewport = frames.viewport();
    QScrollBar* vertical = frames.panel->findChild<QScrollArea*>()->verticalScrollBar();
    QVERIFY2(vertical->maximum() > 20, "the strip should wrap into more rows than fit");

    QToolButton* target = frames.button(0x3);
    const QPoint start = target->mapTo(viewport, target->rect().center());
    QSignalSpy spy(frames.panel.get(), &TestPictureFrames::signalTestButtonClicked);
    touch(viewport, QEvent::TouchBegin, start);
    touch(viewport, QEvent::TouchUpdate, start + QPoint(0, dy));
    QCOMPARE(vertical->value(), -dy);
    touch(viewport, QEvent::TouchEnd, start + QPoint(0, dy));
    QCOMPARE(spy.count(), clicked ? 1 : 0);
    if (clicked)
        QCOMPARE(spy.at(0).at(0).value<QAbstractButton*>(), frames.button(0x3));
}

void TestTestPictureFrames::clearAndAddModels()
{
    Frames frames;
    frames.panel->setCurSelTestMode(0x1);
    frames.panel->clearModel();
    QCOMPARE(frames.panel->getCurrentAbstract(), nullptr);
    QTRY_COMPARE(frames.buttons().size(), 0);

    TestPattern::s_TestPatternMeta custom = TestPattern::testPatternVec.at(22);
    frames.panel->addTestModel(custom);
    frames.panel->addTestModel(TestPattern::testPatternVec.at(0), QIcon(), QIcon());
    QCOMPARE(frames.buttons().size(), 2);
    QCOMPARE(frames.buttons().first()->text(), QStringLiteral("Custom Image"));
    QSignalSpy spy(frames.panel.get(), &TestPictureFrames::signalTestButtonClicked);
    frames.buttons().first()->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(frames.shownSliders(), QStringList());
}

void TestTestPictureFrames::autoHeightFitsTheButtons()
{
    Frames frames;
    QVERIFY(frames.show());
    frames.panel->autoSettingHeight();
    auto* top = frames.panel->findChild<QFrame*>(QStringLiteral("TestPictureTopFrame"));
    const QToolButton* last = frames.buttons().last();
    QCOMPARE(top->height(), last->geometry().bottom() + 15 + 5);
    QVERIFY(top->height() > 100);
}

QTEST_MAIN(TestTestPictureFrames)
#include "tst_testpictureframes.moc"
