#include "common/testsupport.h"

#include <vireowidgets/controls/sliderwithspinwidget.h>
#include <vireowidgets/edid/resolutionwidget.h>

#include <vireomodel/helper.h>

#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Vireo::Widgets;
using ZK::VESA::s_DMTSchemaData;

namespace {

s_DMTSchemaData record(quint32 width, quint32 height, float rate, quint32 hTotal = 0)
{
    s_DMTSchemaData data;
    data.HorFrameTiming.AddrTime = width;
    data.VerFrameTiming.AddrTime = height;
    data.HorFrameTiming.totalTime = hTotal;
    data.refreshRate = rate;
    return data;
}

QRadioButton* radio(ResolutionWidget& widget, const QString& text)
{
    for (auto* button : widget.findChildren<QRadioButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QList<s_DMTSchemaData> table()
{
    return {record(1280, 720, 60.f), record(1920, 1080, 59.94f), record(1920, 1080, 60.f, 2200),
        record(1920, 1080, 60.f, 2080), record(3840, 2160, 30.f)};
}

} // namespace

class TestResolutionWidget : public QObject
{
    Q_OBJECT

private slots:
    void freshPickerShowsCustom();
    void switchingModeEmitsBothSignals();
    void presetEntriesAndSelection();
    void matching_data();
    void matching();
    void customRowsReport_data();
    void customRowsReport();
    void setCustomIsSilent();
    void rangesAndSteps();
};

void TestResolutionWidget::freshPickerShowsCustom()
{
    ResolutionWidget widget;
    widget.resize(500, 200);
    widget.show();
    QCOMPARE(widget.getBtnGroupCheckedState(), 1);
    QVERIFY(widget.isCustomRadioButtonChecked());
    QVERIFY(!widget.findChild<QComboBox*>()->isVisible());
    for (const char* name : {"ResolutionWidth", "ResolutionHeight"})
        QVERIFY(widget.findChild<SliderWithSpinWidget*>(QLatin1String(name))->isVisible());
    QVERIFY(widget.findChild<SliderWithDoubleSpinWidget*>(QStringLiteral("ResolutionRefreshRate"))->isVisible());
    QVERIFY(radio(widget, "Preset"));
    QCOMPARE(widget.findChild<SliderWithSpinWidget*>(QStringLiteral("ResolutionWidth"))->getLabel()->text(),
        QStringLiteral("Width"));
    QSize size;
    float rate = -1.f;
    QVERIFY(!widget.getCurrentPresetResolutionRatio(size, rate));
}

void TestResolutionWidget::switchingModeEmitsBothSignals()
{
    ResolutionWidget widget;
    widget.show();
    QStringList order;
    connect(&widget, &ResolutionWidget::signal_presetResolutionRatioSelected, [&] { order << "preset"; });
    connect(&widget, &ResolutionWidget::signal_customResolutionRatioSelected, [&] { order << "custom"; });
    QTest::mouseClick(radio(widget, "Preset"), Qt::LeftButton);
    QCOMPARE(order, QStringList({"custom", "preset"}));
    QVERIFY(widget.findChild<QComboBox*>()->isVisible());
    QVERIFY(!widget.findChild<SliderWithSpinWidget*>(QStringLiteral("ResolutionWidth"))->isVisible());
    QCOMPARE(widget.getBtnGroupCheckedState(), 0);
    order.clear();
    widget.setRadioButtonCustomChecked();
    QCOMPARE(order, QStringList({"preset", "custom"}));
    widget.setRadioButVisiable(false);
    QVERIFY(!radio(widget, "Preset")->isVisible());
}

void TestResolutionWidget::presetEntriesAndSelection()
{
    ResolutionWidget widget;
    QSignalSpy changed(&widget, &ResolutionWidget::signal_curPresetResolutionRatioChanged);
    auto list = table();
    widget.initPresetResolutionRatioData(list);
    QCOMPARE(widget.presetFrameRateCount(), 5);
    QCOMPARE(widget.getPresetCurrentText(), Vireo::BizModel::Helper::formatFramerate(QSize(1280, 720), 60.f, false));
    QCOMPARE(changed.count(), 1); // the first entry became current

    widget.setPresetCurrentIndex(4);
    QCOMPARE(changed.count(), 2);
    const auto reported = changed.last().at(0).value<s_DMTSchemaData>();
    QCOMPARE(reported.HorFrameTiming.AddrTime, 3840u);
    s_DMTSchemaData current;
    QVERIFY(widget.getCurrentPresetResolutionRatio(current));
    QCOMPARE(current.refreshRate, 30.f);
    QSize size;
    float rate = 0.f;
    QVERIFY(widget.getCurrentPresetResolutionRatio(size, rate));
    QCOMPARE(size, QSize(3840, 2160));
    // A negative index keeps the selection.
    widget.setPresetCurrentIndex(-1);
    QCOMPARE(widget.findChild<QComboBox*>()->currentIndex(), 4);
    QCOMPARE(changed.count(), 2);

    widget.appendPresetResolutionRatio(record(800, 600, 60.f));
    QCOMPARE(widget.presetFrameRateCount(), 6);
    widget.clearPresetResolutionRatio();
    QCOMPARE(widget.presetFrameRateCount(), 0);
    QVERIFY(!widget.getCurrentPresetResolutionRatio(current));
    QCOMPARE(changed.last().at(0).value<s_DMTSchemaData>().refreshRate, 0.f); // emptied: a record of zeros
}

void TestResolutionWidget::matching_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<float>("rate");
    QTest::addColumn<int>("index");
    QTest::addColumn<quint32>("hTotal");
    QTest::newRow("last of two equal entries") << QSize(1920, 1080) << 60.f << 3 << 2080u;
    QTest::newRow("59.94 exactly") << QSize(1920, 1080) << 59.94f << 1 << 0u;
    QTest::newRow("59.94 as a double is another float") << QSize(1920, 1080) << float(59.94000001) << 1 << 0u;
    QTest::newRow("59.9401 is not") << QSize(1920, 1080) << 59.9401f << -1 << 0u;
    QTest::newRow("unknown size") << QSize(1024, 768) << 60.f << -1 << 0u;
}

void TestResolutionWidget::matching()
{
    QFETCH(QSize, size);
    QFETCH(float, rate);
    QFETCH(int, index);
    QFETCH(quint32, hTotal);
    ResolutionWidget widget;
    auto list = table();
    widget.initPresetResolutionRatioData(list);
    s_DMTSchemaData out = record(1, 1, 1.f, 77);
    QCOMPARE(widget.getDMTSchemaData(size, rate, out), index);
    QCOMPARE(out.HorFrameTiming.totalTime, index < 0 ? 77u : hTotal);

    widget.setPresetCurrentIndex(0);
    widget.setCurrentPresetResolutionRatio(size, rate);
    QCOMPARE(widget.findChild<QComboBox*>()->currentIndex(), index);
}

void TestResolutionWidget::customRowsReport_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<float>("rate");
    QTest::newRow("width") << QByteArray("ResolutionWidth") << QSize(1280, 1080) << 60.f;
    QTest::newRow("height") << QByteArray("ResolutionHeight") << QSize(1920, 1280) << 60.f;
    QTest::newRow("refresh") << QByteArray("ResolutionRefreshRate") << QSize(1920, 1080) << 50.f;
}

void TestResolutionWidget::customRowsReport()
{
    QFETCH(QByteArray, row);
    QFETCH(QSize, size);
    QFETCH(float, rate);
    ResolutionWidget widget;
    widget.setCustomResolutionRatio(QSize(1920, 1080), 60.f);
    QSignalSpy changed(&widget, &ResolutionWidget::signal_customResolutionRatioChanged);
    if (row == "ResolutionRefreshRate")
        widget.findChild<SliderWithDoubleSpinWidget*>(QLatin1String(row))->setSpinBoxValue(double(rate));
    else
        widget.findChild<SliderWithSpinWidget*>(QLatin1String(row))
            ->getColorSlider()
            ->setValue(row == "ResolutionWidth" ? size.width() : size.height());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toSize(), size);
    QCOMPARE(changed.at(0).at(1).toFloat(), rate);
    QSize shown;
    float shownRate = 0.f;
    widget.getCustomResolutionRatio(shown, shownRate);
    QCOMPARE(shown, size);
    QCOMPARE(shownRate, rate);
}

void TestResolutionWidget::setCustomIsSilent()
{
    ResolutionWidget widget;
    QSignalSpy changed(&widget, &ResolutionWidget::signal_customResolutionRatioChanged);
    widget.setCustomResolutionRatio(QSize(2560, 1440), 59.94f);
    QCOMPARE(changed.count(), 0);
    QSize size;
    float rate = 0.f;
    widget.getCustomResolutionRatio(size, rate);
    QCOMPARE(size, QSize(2560, 1440));
    QCOMPARE(rate, 59.94f);
}

void TestResolutionWidget::rangesAndSteps()
{
    ResolutionWidget widget;
    auto* width = widget.findChild<SliderWithSpinWidget*>(QStringLiteral("ResolutionWidth"));
    int min = 0, max = 0;
    width->getSliderRange(min, max);
    QCOMPARE(min, 100);
    QCOMPARE(max, 10000);
    QCOMPARE(width->getColorSlider()->singleStep(), 2);
    widget.setWidthRange(640, 4096);
    width->getSpinBoxRange(min, max);
    QCOMPARE(min, 640);
    QCOMPARE(max, 4096);
    widget.setHeigthRange(480, 2160);
    widget.setCustomResolutionRatio(QSize(5000, 5000), 60.f);
    QSize size;
    float rate = 0.f;
    widget.getCustomResolutionRatio(size, rate);
    QCOMPARE(size, QSize(4096, 2160)); // clamped to the ranges
    widget.setRefreshRateRange(24, 60);
    widget.setCustomResolutionRatio(QSize(1920, 1080), 120.f);
    widget.getCustomResolutionRatio(size, rate);
    QCOMPARE(rate, 60.f);
    widget.setWidthSingleStep(8);
    QCOMPARE(width->getColorSlider()->singleStep(), 8);
}

QTEST_MAIN(TestResolutionWidget)
#include "tst_resolutionwidget.moc"
