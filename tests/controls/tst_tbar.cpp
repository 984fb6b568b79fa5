#include "controlstestutil.h"

#include <vireowidgets/controls/tbar.h>

#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using namespace Vireo::Widgets;
using namespace Vireo::Test;

namespace {

QSlider* leverOf(tbar* bar)
{
    return bar->findChild<QSlider*>(QStringLiteral("verticalSlider"));
}

// Indexes (1 = bottom, 12 = top) of the lamps that are on.
QList<int> litLamps(tbar* bar)
{
    QList<int> lit;
    for (auto* lamp : bar->findChildren<QToolButton*>()) {
        if (lamp->property("isTbar").toBool() && lamp->isChecked())
            lit << lamp->property("index").toInt();
    }
    std::sort(lit.begin(), lit.end());
    return lit;
}

QList<int> range(int from, int to)
{
    QList<int> list;
    for (int i = from; i <= to; ++i)
        list << i;
    return list;
}

// The (new, previous) fractions each percent report carried.
QList<QPair<qreal, qreal>> fractions(const QSignalSpy& spy)
{
    QList<QPair<qreal, qreal>> list;
    for (const QList<QVariant>& report : spy)
        list << qMakePair(report.at(0).toReal(), report.at(1).toReal());
    return list;
}

using Fractions = QList<QPair<qreal, qreal>>;

} // namespace

class TestTbar : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void leverUpReportsFractions_data();
    void leverUpReportsFractions();
    void leverDown();
    void setLed_data();
    void setLed();
    void setCurValue_data();
    void setCurValue();
    void turnOffLedSnaps_data();
    void turnOffLedSnaps();
    void enableAndDirection();
};

void TestTbar::form()
{
    tbar bar;
    QCOMPARE(bar.size(), QSize(108, 228));
    QSlider* lever = leverOf(&bar);
    QVERIFY(lever);
    QCOMPARE(lever->orientation(), Qt::Vertical);
    QCOMPARE(lever->minimum(), 0);
    QCOMPARE(lever->maximum(), 64);
    QCOMPARE(lever->width(), 66);
    QCOMPARE(lever->property("isTbar").toBool(), true);

    QList<int> indexes;
    int previousY = -1;
    QList<QToolButton*> lamps = bar.findChildren<QToolButton*>();
    QCOMPARE(lamps.size(), 12);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    for (auto* lamp : lamps) {
        QCOMPARE(lamp->size(), QSize(14, 8));
        QVERIFY(lamp->isCheckable());
        QVERIFY(!lamp->isEnabled());
        QVERIFY(lamp->y() > previousY); // created top to bottom: 12 down to 1
        previousY = lamp->y();
        indexes << lamp->property("index").toInt();
    }
    QCOMPARE(indexes.first(), 12);
    QCOMPARE(indexes.last(), 1);
    QVERIFY(litLamps(&bar).isEmpty());
    QVERIFY(bar.testAttribute(Qt::WA_TranslucentBackground));
}

void TestTbar::leverUpReportsFractions_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QList<int>>("litAt32");
    QTest::addColumn<QList<int>>("litAt64");
    // Lamp value at 32 is 6, at 64 it is 12.
    QTest::newRow("bottom to top") << int(tbar::BottomToTop) << range(1, 6) << range(1, 12);
    QTest::newRow("top to bottom") << int(tbar::TopToBottom) << range(6, 12) << QList<int> {12};
}

void TestTbar::leverUpReportsFractions()
{
    QFETCH(int, direction);
    QFETCH(QList<int>, litAt32);
    QFETCH(QList<int>, litAt64);

    tbar bar;
    bar.setTbarDirection(tbar::TbarDirection(direction));
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QSlider* lever = leverOf(&bar);
    QSignalSpy percent(&bar, &tbar::percentChanged);

    pressSliderHandle(lever);
    moveSliderHandle(lever, 16);
    moveSliderHandle(lever, 32);
    QCOMPARE(lever->value(), 32);
    QCOMPARE(litLamps(&bar), litAt32);
    moveSliderHandle(lever, 64);
    releaseSliderHandle(lever);
    QCOMPARE(lever->value(), 64);
    QCOMPARE(litLamps(&bar), litAt64);

    QCOMPARE(fractions(percent), Fractions({{0.25, 0.0}, {0.5, 0.25}, {1.0, 0.5}}));
}

void TestTbar::leverDown()
{
    tbar bar;
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QSlider* lever = leverOf(&bar);
    bar.setCurValue(1.0);
    QCOMPARE(lever->value(), 64);
    QSignalSpy percent(&bar, &tbar::percentChanged);

    dragSlider(lever, {48, 0});
    QCOMPARE(lever->value(), 0);
    // setCurValue did not move the remembered fraction.
    QCOMPARE(fractions(percent), Fractions({{0.75, 0.0}, {0.0, 0.75}}));
    QVERIFY(litLamps(&bar).isEmpty());
}

void TestTbar::setLed_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<double>("value");
    QTest::addColumn<QList<int>>("lit");
    QTest::newRow("up 0") << int(tbar::BottomToTop) << 0.0 << QList<int> {};
    QTest::newRow("up 1") << int(tbar::BottomToTop) << 1.0 << QList<int> {1};
    QTest::newRow("up 12") << int(tbar::BottomToTop) << 12.0 << range(1, 12);
    QTest::newRow("up 13") << int(tbar::BottomToTop) << 13.0 << QList<int> {};
    QTest::newRow("up 255") << int(tbar::BottomToTop) << 255.0 << QList<int> {};
    QTest::newRow("down 1") << int(tbar::TopToBottom) << 1.0 << range(1, 12);
    QTest::newRow("down 9") << int(tbar::TopToBottom) << 9.0 << range(9, 12);
    QTest::newRow("down 255") << int(tbar::TopToBottom) << 255.0 << QList<int> {};
}

void TestTbar::setLed()
{
    QFETCH(int, direction);
    QFETCH(double, value);
    QFETCH(QList<int>, lit);
    tbar bar;
    bar.setTbarDirection(tbar::TbarDirection(direction));
    bar.setLed(value);
    QCOMPARE(litLamps(&bar), lit);
}

void TestTbar::setCurValue_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<int>("slider");
    QTest::addColumn<QList<int>>("lit");
    QTest::newRow("half") << 0.5 << 32 << range(1, 6);
    QTest::newRow("below one lamp") << 0.05 << 0 << QList<int> {};
    QTest::newRow("full") << 1.0 << 64 << range(1, 12);
    QTest::newRow("beyond") << 1.5 << 64 << QList<int> {};
    QTest::newRow("two fifths") << 0.4 << 25 << range(1, 4);
}

void TestTbar::setCurValue()
{
    QFETCH(double, percent);
    QFETCH(int, slider);
    QFETCH(QList<int>, lit);

    tbar bar;
    QSignalSpy percentSpy(&bar, &tbar::percentChanged);
    bar.setCurValue(percent);
    QCOMPARE(leverOf(&bar)->value(), slider);
    QCOMPARE(litLamps(&bar), lit);
    QCOMPARE(percentSpy.count(), 0);
}

void TestTbar::turnOffLedSnaps_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("snaps");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("next");
    QTest::addColumn<qreal>("prevAfter");
    QTest::newRow("tie goes to 0") << int(tbar::BottomToTop) << true << 32 << 0 << 16 << 0.0;
    QTest::newRow("33 goes up") << int(tbar::BottomToTop) << true << 33 << 64 << 48 << 1.0;
    QTest::newRow("top stays") << int(tbar::TopToBottom) << true << 64 << 64 << 48 << 1.0;
    QTest::newRow("low goes down") << int(tbar::TopToBottom) << true << 10 << 0 << 16 << 0.0;
    // Without the direction switch the lever always returns to 0.
    QTest::newRow("no direction, high") << int(tbar::BottomToTop) << false << 60 << 0 << 32 << 0.0;
}

void TestTbar::turnOffLedSnaps()
{
    QFETCH(int, direction);
    QFETCH(bool, snaps);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, next);
    QFETCH(qreal, prevAfter);

    tbar bar;
    bar.setTbarDirection(tbar::TbarDirection(direction));
    if (snaps)
        bar.setDirectionEnable(true);
    QSlider* lever = leverOf(&bar);
    lever->setValue(start);
    QVERIFY(!litLamps(&bar).isEmpty());
    QSignalSpy percent(&bar, &tbar::percentChanged);
    QSignalSpy leverMoves(lever, &QSlider::valueChanged);

    bar.turnOffLed();
    QCOMPARE(lever->value(), end);
    QVERIFY(litLamps(&bar).isEmpty());
    QCOMPARE(percent.count(), 0);
    QCOMPARE(leverMoves.count(), start == end ? 0 : 1); // the slider itself still reports

    // The link is back and the remembered fraction is that of the end reached.
    lever->setValue(next);
    QCOMPARE(percent.count(), 1);
    QCOMPARE(percent.at(0).at(1).toReal(), prevAfter);
}

void TestTbar::enableAndDirection()
{
    tbar bar;
    QCOMPARE(bar.getTbarDirection(), tbar::BottomToTop);
    bar.setTbarDirection(tbar::TopToBottom);
    QCOMPARE(bar.getTbarDirection(), tbar::TopToBottom);
    bar.setTbarDirection(tbar::NumDirection);
    QCOMPARE(bar.getTbarDirection(), tbar::TopToBottom);

    bar.enable(false);
    QVERIFY(!leverOf(&bar)->isEnabled());
    bar.enable(true);
    QVERIFY(leverOf(&bar)->isEnabled());

    QSignalSpy percent(&bar, &tbar::percentChanged);
    bar.setCurValue(-0.1);
    QCOMPARE(leverOf(&bar)->value(), 0);
    bar.setCurValue(qQNaN());
    QCOMPARE(leverOf(&bar)->value(), 0);
    QCOMPARE(percent.count(), 0);
}

QTEST_MAIN(TestTbar)
#include "tst_tbar.moc"
