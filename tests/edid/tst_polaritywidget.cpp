#include "common/testsupport.h"

#include <vireowidgets/controls/sliderwithspinwidget.h>
#include <vireowidgets/edid/polaritywidget.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

using namespace Vireo::Widgets;
using ZK::VESA::s_FrameTiming;

namespace {

struct Range
{
    int sliderMin, sliderMax, spinMin, spinMax;
    bool operator==(const Range& o) const
    {
        return sliderMin == o.sliderMin && sliderMax == o.sliderMax && spinMin == o.spinMin && spinMax == o.spinMax;
    }
};

char* toString(const Range& r)
{
    return QTest::toString(
        QStringLiteral("slider %1..%2, box %3..%4").arg(r.sliderMin).arg(r.sliderMax).arg(r.spinMin).arg(r.spinMax));
}

SliderWithSpinWidget* row(PolarityWidget& widget, const char* name)
{
    return widget.findChild<SliderWithSpinWidget*>(QLatin1String(name));
}

Range rangeOf(SliderWithSpinWidget* r)
{
    Range range {};
    r->getSliderRange(range.sliderMin, range.sliderMax);
    r->getSpinBoxRange(range.spinMin, range.spinMax);
    return range;
}

// Types a value into a row's box and confirms it with Return, as the operator does.
void typeInto(SliderWithSpinWidget* r, int value)
{
    auto* box = r->findChild<QSpinBox*>();
    auto* edit = box->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, QString::number(value));
    QTest::keyClick(box, Qt::Key_Return);
}

s_FrameTiming timing(quint32 total, quint16 front, quint32 active, quint16 sync, int polarity = 0)
{
    s_FrameTiming t;
    t.totalTime = total;
    t.FrontPorch = front;
    t.AddrTime = active;
    t.Sync = sync;
    t.SyncPolarity = ZK::VESA::SyncPolarityType(polarity);
    return t;
}

QRadioButton* radio(PolarityWidget& widget, const QString& text)
{
    for (auto* button : widget.findChildren<QRadioButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Range)

class TestPolarityWidget : public QObject
{
    Q_OBJECT

private slots:
    void rowsAndLabels();
    void showingATimingSetsRanges_data();
    void showingATimingSetsRanges();
    void editingAPart_data();
    void editingAPart();
    void totalZeroDerivesFromParts();
    void narrowedTotalRangeKeepsTheShownTotal();
    void polarityRadios();
    void directionPrefixesLabels();
};

void TestPolarityWidget::rowsAndLabels()
{
    PolarityWidget widget;
    QCOMPARE(row(widget, "PolarityTotal")->getLabel()->text(), QStringLiteral("Total"));
    QCOMPARE(row(widget, "PolarityFrontPorch")->getLabel()->text(), QStringLiteral("Front Proch"));
    QCOMPARE(row(widget, "PolarityActive")->getLabel()->text(), QStringLiteral("Active"));
    QCOMPARE(row(widget, "PolaritySync")->getLabel()->text(), QStringLiteral("Sync"));
    QCOMPARE(rangeOf(row(widget, "PolarityTotal")), (Range {100, 10000, 100, 10000}));
    QVERIFY(radio(widget, "+")->isChecked());
    QVERIFY(!radio(widget, "-")->isChecked());
    s_FrameTiming out = timing(1, 1, 1, 1);
    widget.getPolarityData(out);
    QCOMPARE(out.totalTime, 0u);
    QCOMPARE(out.AddrTime, 0u);

    widget.resetTatalTimingRange(848, 4400);
    QCOMPARE(rangeOf(row(widget, "PolarityTotal")), (Range {848, 4400, 848, 4400}));
}

void TestPolarityWidget::showingATimingSetsRanges_data()
{
    QTest::addColumn<s_FrameTiming>("shown");
    QTest::addColumn<quint32>("backPorch");
    QTest::addColumn<Range>("sync");
    QTest::addColumn<Range>("active");
    QTest::addColumn<Range>("front");
    QTest::newRow("1080p horizontal") << timing(2200, 88, 1920, 44) << 148u << Range {1, 192, 1, 192}
                                      << Range {0, 2068, 0, 2068} << Range {0, 236, 0, 236};
    QTest::newRow("1080p vertical") << timing(1125, 4, 1080, 5) << 36u << Range {1, 41, 1, 41}
                                    << Range {0, 1116, 0, 1116} << Range {0, 40, 0, 40};
    QTest::newRow("no back porch") << timing(1000, 10, 980, 10) << 0u << Range {1, 10, 1, 10} << Range {0, 980, 0, 980}
                                   << Range {0, 10, 0, 10};
    QTest::newRow("parts past the total")
        << timing(1000, 50, 980, 10) << 0u << Range {1, 1, 1, 1} << Range {0, 940, 0, 940} << Range {0, 10, 0, 10};
}

void TestPolarityWidget::showingATimingSetsRanges()
{
    QFETCH(s_FrameTiming, shown);
    QFETCH(quint32, backPorch);
    QFETCH(Range, sync);
    QFETCH(Range, active);
    QFETCH(Range, front);

    PolarityWidget widget;
    widget.resetTatalTimingRange(100, 10000);
    QSignalSpy changed(&widget, &PolarityWidget::signal_polarityDataChanged);
    widget.setPolarityData(shown);
    QCOMPARE(changed.count(), 0);

    s_FrameTiming out;
    widget.getPolarityData(out);
    QCOMPARE(out.backProch, backPorch);
    QCOMPARE(out.totalTime, shown.totalTime);
    QCOMPARE(rangeOf(row(widget, "PolaritySync")), sync);
    QCOMPARE(rangeOf(row(widget, "PolarityActive")), active);
    QCOMPARE(rangeOf(row(widget, "PolarityFrontPorch")), front);
    QCOMPARE(row(widget, "PolarityTotal")->getSpinBoxValue(), int(shown.totalTime));
}

void TestPolarityWidget::editingAPart_data()
{
    QTest::addColumn<QByteArray>("rowName");
    QTest::addColumn<int>("value");
    QTest::addColumn<s_FrameTiming>("expected");
    QTest::addColumn<quint32>("backPorch");
    QTest::addColumn<bool>("reported");

    QTest::newRow("front porch") << QByteArray("PolarityFrontPorch") << 100 << timing(2200, 100, 1920, 44) << 136u
                                 << true;
    QTest::newRow("sync") << QByteArray("PolaritySync") << 60 << timing(2200, 88, 1920, 60) << 132u << true;
    QTest::newRow("active") << QByteArray("PolarityActive") << 1900 << timing(2200, 88, 1900, 44) << 168u << true;
    QTest::newRow("active to the end of the room")
        << QByteArray("PolarityActive") << 2068 << timing(2200, 88, 2068, 44) << 0u << true;
    QTest::newRow("total") << QByteArray("PolarityTotal") << 2300 << timing(2300, 88, 1920, 44) << 248u << true;
    // A total below its parts keeps them: it becomes their sum.
    QTest::newRow("total below its parts")
        << QByteArray("PolarityTotal") << 1500 << timing(2052, 88, 1920, 44) << 0u << true;
    QTest::newRow("same sync is not reported")
        << QByteArray("PolaritySync") << 44 << timing(2200, 88, 1920, 44) << 148u << false;
    QTest::newRow("same total is not reported")
        << QByteArray("PolarityTotal") << 2200 << timing(2200, 88, 1920, 44) << 148u << false;
}

void TestPolarityWidget::editingAPart()
{
    QFETCH(QByteArray, rowName);
    QFETCH(int, value);
    QFETCH(s_FrameTiming, expected);
    QFETCH(quint32, backPorch);
    QFETCH(bool, reported);

    PolarityWidget widget;
    widget.setPolarityData(timing(2200, 88, 1920, 44));
    QSignalSpy changed(&widget, &PolarityWidget::signal_polarityDataChanged);
    typeInto(row(widget, rowName.constData()), value);
    QCOMPARE(changed.count(), reported ? 1 : 0);

    s_FrameTiming out;
    widget.getPolarityData(out);
    QCOMPARE(out.totalTime, expected.totalTime);
    QCOMPARE(out.FrontPorch, expected.FrontPorch);
    QCOMPARE(out.AddrTime, expected.AddrTime);
    QCOMPARE(out.Sync, expected.Sync);
    QCOMPARE(out.backProch, backPorch);
    QCOMPARE(row(widget, "PolarityTotal")->getSpinBoxValue(), int(expected.totalTime));
    // The other rows follow the new back porch.
    const qint64 rest = qint64(out.totalTime) - out.FrontPorch - out.AddrTime;
    QCOMPARE(rangeOf(row(widget, "PolaritySync")).sliderMax, int(rest));
    QCOMPARE(rangeOf(row(widget, "PolarityActive")).sliderMax, int(out.AddrTime + backPorch));
}

void TestPolarityWidget::totalZeroDerivesFromParts()
{
    PolarityWidget widget;
    widget.resetTatalTimingRange(0, 10000);
    s_FrameTiming shown = timing(2200, 88, 1920, 44);
    shown.LeftBorder = 2;
    shown.RightBorder = 3;
    widget.setPolarityData(shown);
    QSignalSpy changed(&widget, &PolarityWidget::signal_polarityDataChanged);
    typeInto(row(widget, "PolarityTotal"), 0);
    QCOMPARE(changed.count(), 1);
    s_FrameTiming out;
    widget.getPolarityData(out);
    QCOMPARE(out.totalTime, 2200u + 5u);
    QCOMPARE(row(widget, "PolarityTotal")->getSpinBoxValue(), 2205);
}

void TestPolarityWidget::narrowedTotalRangeKeepsTheShownTotal()
{
    PolarityWidget widget;
    widget.setPolarityData(timing(2200, 88, 1920, 44));
    QSignalSpy changed(&widget, &PolarityWidget::signal_polarityDataChanged);
    // A range that still holds the total changes nothing.
    widget.resetTatalTimingRange(100, 4000);
    QCOMPARE(changed.count(), 0);
    // One that cuts it clamps the row, and the timing follows what the row shows.
    widget.resetTatalTimingRange(100, 2100);
    QCOMPARE(row(widget, "PolarityTotal")->getSpinBoxValue(), 2100);
    s_FrameTiming out;
    widget.getPolarityData(out);
    QCOMPARE(out.totalTime, 2100u);
    QCOMPARE(changed.count(), 1);
}

void TestPolarityWidget::polarityRadios()
{
    PolarityWidget widget;
    widget.show();
    QSignalSpy changed(&widget, &PolarityWidget::signal_polarityDataChanged);
    widget.setPolarityData(timing(1125, 4, 1080, 5, 1));
    QVERIFY(radio(widget, "-")->isChecked());
    QCOMPARE(changed.count(), 0);

    QTest::mouseClick(radio(widget, "+"), Qt::LeftButton);
    QCOMPARE(changed.count(), 1);
    s_FrameTiming out;
    widget.getPolarityData(out);
    QCOMPARE(int(out.SyncPolarity), 0);
    QTest::mouseClick(radio(widget, "-"), Qt::LeftButton);
    QCOMPARE(changed.count(), 2);
    widget.getPolarityData(out);
    QCOMPARE(int(out.SyncPolarity), 1);
}

void TestPolarityWidget::directionPrefixesLabels()
{
    PolarityWidget widget;
    widget.setPolarityDirection(QStringLiteral("Horizontal"));
    QCOMPARE(row(widget, "PolarityTotal")->getLabel()->text(), QStringLiteral("Horizontal Total"));
    QCOMPARE(row(widget, "PolaritySync")->getLabel()->text(), QStringLiteral("Horizontal Sync"));
    QLabel* polarity = nullptr;
    for (auto* label : widget.findChildren<QLabel*>()) {
        if (label->text().endsWith(QStringLiteral("Polarity")))
            polarity = label;
    }
    QVERIFY(polarity);
    QCOMPARE(polarity->text(), QStringLiteral("Horizontal Polarity"));
    // Every row label is as wide as the widest, so the sliders line up.
    const int width = row(widget, "PolarityFrontPorch")->getLabel()->minimumWidth();
    QVERIFY(width >= widget.fontMetrics().horizontalAdvance(QStringLiteral("Horizontal Front Proch")));
    QCOMPARE(row(widget, "PolarityTotal")->getLabel()->minimumWidth(), width);
}

QTEST_MAIN(TestPolarityWidget)
#include "tst_polaritywidget.moc"
