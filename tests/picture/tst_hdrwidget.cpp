#include "common/testsupport.h"

#include <vireomodel/devicelist.h>
#include <vireomodel/fixture.h>
#include <vireowidgets/picture/hdrconfig.h>
#include <vireowidgets/picture/hdrwidget.h>
#include <zkwidgets/slidereditframe.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace Vireo::Widgets;
using Vireo::ProtoModel::s_HDRBody;

namespace {

constexpr int kAuto = 255;

const char* const kDependentRows[] = {"HDRToneMappingRow", "HDRScreenBrightnessRow", "HDRPQMaxCLLRow",
    "HDRAmbientLightRow", "HDRGammaRow", "HDRHLGGradeRow", "HDRHLGAmbientLightRow"};

struct Panel
{
    std::unique_ptr<HDRWidget> widget;

    explicit Panel(bool needAuto = true, bool needGamma = true, bool needAmbient = true, int bitDepthRange = 4)
        : widget(new HDRWidget)
    {
        widget->setCustomParam(needAuto, needGamma, needAmbient);
        widget->setBitDepthValueRange(bitDepthRange);
        widget->initWidget();
        widget->retranslateUi();
        widget->resize(1000, 800);
    }

    QWidget* row(const char* name) const { return widget->findChild<QWidget*>(QLatin1String(name)); }

    QList<QPushButton*> buttons(const char* rowName) const
    {
        QList<QPushButton*> result;
        for (QPushButton* button : row(rowName)->findChildren<QPushButton*>()) {
            if (button->property("groupbuttonselectiontype").toBool())
                result.append(button);
        }
        return result;
    }

    QPushButton* button(const char* rowName, int value) const
    {
        for (QPushButton* b : buttons(rowName)) {
            if (b->property("presetValue").toInt() == value)
                return b;
        }
        return nullptr;
    }

    int checkedValue(const char* rowName) const
    {
        for (QPushButton* b : buttons(rowName)) {
            if (b->isChecked())
                return b->property("presetValue").toInt();
        }
        return -1;
    }

    QList<int> enabledValues(const char* rowName) const
    {
        QList<int> result;
        for (QPushButton* b : buttons(rowName)) {
            if (b->isEnabled())
                result.append(b->property("presetValue").toInt());
        }
        return result;
    }

    // Whether a row would be on screen with the panel: hidden rows were hidden on purpose.
    bool shown(const char* rowName) const { return !row(rowName)->isHidden(); }

    // The rows that depend on the dynamic range which are shown, in panel order.
    QStringList shownDependentRows() const
    {
        QStringList result;
        for (const char* name : kDependentRows) {
            if (shown(name))
                result << QString::fromLatin1(name);
        }
        return result;
    }

    bool show() const
    {
        widget->show();
        return QTest::qWaitForWindowExposed(widget.get());
    }

    QCheckBox* toneMapping() const { return widget->findChild<QCheckBox*>(QStringLiteral("HDRToneMappingCheckBox")); }
};

s_HDRBody body(int gamut, int dynamicRange, bool toneMapping = false)
{
    s_HDRBody hdr;
    hdr.colorGamut.presetColorGamut = gamut;
    auto& preset = hdr.dynamicRange.presetDynamicRange;
    preset.type = dynamicRange;
    preset.HDR10.toneMapping = toneMapping;
    preset.HDR10.screenPeakBrightness = 1000;
    preset.HDR10.pqMaxCll = 4000;
    preset.HDR10.ambientLight = 50;
    preset.SDR.Gamma = 240;
    preset.HLG.grade = 800;
    preset.HLG.ambientLight = 20;
    return hdr;
}

} // namespace

class TestHDRWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();

    void buttonRows_data();
    void buttonRows();
    void userEditsAreReported_data();
    void userEditsAreReported();
    void hdrWidensANarrowGamut_data();
    void hdrWidensANarrowGamut();
    void dependentRowsFollowTheModel_data();
    void dependentRowsFollowTheModel();
    void modelAndPresetValuesAreShownWithoutReports();
    void toneMappingSwapsLuminanceRows();
    void allowedValuesComeFromTheConfiguration_data();
    void allowedValuesComeFromTheConfiguration();
    void laterGroupsOverrideEarlierOnes();
    void disablingAndHidingRows();
    void labelsShareTheWidestWidth();
    void resetIsReported();

private:
    void loadConfig(const QByteArray& content);
    QTemporaryDir m_dir;
};

void TestHDRWidget::init()
{
    Vireo::Fixture::reset();
    Vireo::Fixture::makeActiveDevice();
    HDRConfig::destroyInstance();
}

void TestHDRWidget::cleanupTestCase()
{
    HDRConfig::destroyInstance();
    Vireo::Fixture::reset();
}

void TestHDRWidget::loadConfig(const QByteArray& content)
{
    const QString path = m_dir.filePath(QStringLiteral("hdr.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    QString error;
    QVERIFY2(HDRConfig::instance()->readConfig(path, error), qPrintable(error));
}

void TestHDRWidget::buttonRows_data()
{
    QTest::addColumn<bool>("needAuto");
    QTest::addColumn<int>("bitDepthRange");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QList<int>>("ids");

    QTest::newRow("colour space") << true << 4 << "HDRColorSpaceRow"
                                  << QStringList {"AUTO", "RGB 4:4:4", "YCbCr 4:4:4", "YCbCr 4:2:2"}
                                  << QList<int> {kAuto, 0, 2, 1} << QList<int> {kAuto, 0, 2, 1};
    QTest::newRow("bit depth, default range")
        << true << 4 << "HDRBitDepthRow" << QStringList {"AUTO", "8bit", "10bit", "12bit"}
        << QList<int> {kAuto, 8, 10, 12} << QList<int> {0, 1, 2, 3};
    QTest::newRow("bit depth, five rows")
        << true << 5 << "HDRBitDepthRow" << QStringList {"AUTO", "8bit", "10bit", "12bit", "16bit"}
        << QList<int> {kAuto, 8, 10, 12, 16} << QList<int> {0, 1, 2, 3, 4};
    QTest::newRow("bit depth without AUTO") << false << 4 << "HDRBitDepthRow" << QStringList {"8bit", "10bit", "12bit"}
                                            << QList<int> {8, 10, 12} << QList<int> {1, 2, 3};
    QTest::newRow("bit depth range past the table")
        << false << 9 << "HDRBitDepthRow" << QStringList {"8bit", "10bit", "12bit", "16bit"}
        << QList<int> {8, 10, 12, 16} << QList<int> {1, 2, 3, 4};
    QTest::newRow("gamut") << true << 4 << "HDRColorGamutRow"
                           << QStringList {"AUTO", "Rec.601", "Rec.709", "DCI-P3", "Rec.2020"}
                           << QList<int> {kAuto, 0, 1, 2, 3} << QList<int> {kAuto, 0, 1, 2, 3};
    QTest::newRow("gamut without AUTO") << false << 4 << "HDRColorGamutRow"
                                        << QStringList {"Rec.601", "Rec.709", "DCI-P3", "Rec.2020"}
                                        << QList<int> {0, 1, 2, 3} << QList<int> {0, 1, 2, 3};
    QTest::newRow("dynamic range") << true << 4 << "HDRDynamicRangeRow" << QStringList {"AUTO", "SDR", "HDR10", "HLG"}
                                   << QList<int> {kAuto, 0, 1, 2} << QList<int> {kAuto, 0, 1, 2};
    QTest::newRow("limited range") << true << 4 << "HDRLimitedRangeRow" << QStringList {"AUTO", "Full", "Limited"}
                                   << QList<int> {kAuto, 1, 0} << QList<int> {kAuto, 1, 0};
    QTest::newRow("limited range without AUTO") << false << 4 << "HDRLimitedRangeRow" << QStringList {"Full", "Limited"}
                                                << QList<int> {1, 0} << QList<int> {1, 0};
}

void TestHDRWidget::buttonRows()
{
    QFETCH(bool, needAuto);
    QFETCH(int, bitDepthRange);
    QFETCH(QString, row);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, values);
    QFETCH(QList<int>, ids);

    Panel panel(needAuto, true, true, bitDepthRange);
    const QList<QPushButton*> buttons = panel.buttons(row.toLatin1().constData());
    QStringList shownTexts;
    QList<int> shownValues;
    for (QPushButton* button : buttons) {
        shownTexts << button->text();
        shownValues << button->property("presetValue").toInt();
        QVERIFY(button->isCheckable());
        QVERIFY(!button->autoDefault());
        QCOMPARE(button->size(), row == QLatin1String("HDRColorSpaceRow") ? QSize(110, 42) : QSize(63, 42));
        if (row == QLatin1String("HDRBitDepthRow"))
            QCOMPARE(button->property("presetdepth").toInt(), button->property("presetValue").toInt());
        else
            QVERIFY(!button->property("presetdepth").isValid());
    }
    QCOMPARE(shownTexts, texts);
    QCOMPARE(shownValues, values);
    QList<int> groupIds;
    for (QPushButton* button : buttons)
        groupIds << button->group()->id(button);
    QCOMPARE(groupIds, ids);
}

void TestHDRWidget::userEditsAreReported_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<double>("edit"); // what the operator sets: a preset's value or a slider's
    QTest::addColumn<int>("value"); // the value reported
    QTest::addColumn<QByteArray>("signal");

    QTest::newRow("colour space YCbCr 4:2:2")
        << "HDRColorSpaceRow" << 1.0 << 1 << QByteArray(SIGNAL(signalPresetColorSpaceChanged(int)));
    QTest::newRow("colour space AUTO") << "HDRColorSpaceRow" << double(kAuto) << kAuto
                                       << QByteArray(SIGNAL(signalPresetColorSpaceChanged(int)));
    QTest::newRow("bit depth 10") << "HDRBitDepthRow" << 10.0 << 10
                                  << QByteArray(SIGNAL(signalPresetBitDepthChanged(int)));
    QTest::newRow("bit depth AUTO") << "HDRBitDepthRow" << double(kAuto) << kAuto
                                    << QByteArray(SIGNAL(signalPresetBitDepthChanged(int)));
    QTest::newRow("gamut DCI-P3") << "HDRColorGamutRow" << 2.0 << 2
                                  << QByteArray(SIGNAL(signalPresetColorGamutChanged(int)));
    QTest::newRow("limited") << "HDRLimitedRangeRow" << 0.0 << 0 << QByteArray(SIGNAL(signalPresetLimitedChanged(int)));
    QTest::newRow("full") << "HDRLimitedRangeRow" << 1.0 << 1 << QByteArray(SIGNAL(signalPresetLimitedChanged(int)));
    QTest::newRow("screen brightness") << "HDRScreenBrightnessRow" << 1200.0 << 1200
                                       << QByteArray(SIGNAL(signalPresetScreenBrightnessValueChanged(int)));
    QTest::newRow("PQ MaxCLL") << "HDRPQMaxCLLRow" << 5000.0 << 5000
                               << QByteArray(SIGNAL(signalPresetPQMaxCLLValueChanged(int)));
    QTest::newRow("ambient light") << "HDRAmbientLightRow" << 150.0 << 150
                                   << QByteArray(SIGNAL(signalPresetAmbientLightValueChanged(int)));
    QTest::newRow("HLG grade") << "HDRHLGGradeRow" << 300.0 << 300
                               << QByteArray(SIGNAL(signalPresetHLGGradeChanged(int)));
    QTest::newRow("HLG ambient light") << "HDRHLGAmbientLightRow" << 70.0 << 70
                                       << QByteArray(SIGNAL(signalPresetHLGAmbientLightValueChanged(int)));
    QTest::newRow("HLG ambient light clamps to 100")
        << "HDRHLGAmbientLightRow" << 250.0 << 100 << QByteArray(SIGNAL(signalPresetHLGAmbientLightValueChanged(int)));
    // Gamma travels as hundredths.
    QTest::newRow("gamma 2.25") << "HDRGammaRow" << 2.25 << 225
                                << QByteArray(SIGNAL(signalPresetGammaValueChanged(double)));
    QTest::newRow("gamma 2.2") << "HDRGammaRow" << 2.2 << 220
                               << QByteArray(SIGNAL(signalPresetGammaValueChanged(double)));
}

void TestHDRWidget::userEditsAreReported()
{
    QFETCH(QString, row);
    QFETCH(double, edit);
    QFETCH(int, value);
    QFETCH(QByteArray, signal);

    Panel panel;
    QVERIFY(panel.show());
    const QByteArray rowName = row.toLatin1();
    QSignalSpy spy(panel.widget.get(), signal.constData());
    auto* frame = panel.widget->findChild<Internal::SliderRowFrame*>(row);
    if (frame) {
        QVERIFY(frame->isReleaseMode());
        QCOMPARE(frame->minimumWidth(), 344);
        QCOMPARE(frame->maximumWidth(), 1180);
        if (auto* slider = qobject_cast<SliderEditFrame*>(frame))
            slider->simulateUserEdit(int(edit));
        else
            qobject_cast<SliderEditFrameDouble*>(frame)->simulateUserEdit(edit);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toDouble(), double(value));
        return;
    }

    // Clicking the same button twice keeps it chosen: the row never ends with nothing selected.
    for (int round = 1; round <= 2; ++round) {
        QPushButton* button = panel.button(rowName.constData(), value);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(spy.count(), round);
        QCOMPARE(spy.last().at(0).toInt(), value);
        QCOMPARE(panel.checkedValue(rowName.constData()), value);
        for (QPushButton* other : panel.buttons(rowName.constData())) {
            QCOMPARE(other->isChecked(), other == button);
            QCOMPARE(other->isFlat(), other == button);
        }
    }
}

void TestHDRWidget::hdrWidensANarrowGamut_data()
{
    QTest::addColumn<int>("gamut");
    QTest::addColumn<int>("dynamicRange");
    QTest::addColumn<int>("expectedGamut");
    QTest::addColumn<bool>("twoArguments");

    QTest::newRow("HDR10 on Rec.709") << 1 << 1 << 3 << true;
    QTest::newRow("HLG on Rec.601") << 0 << 2 << 3 << true;
    QTest::newRow("AUTO on Rec.709") << 1 << kAuto << 3 << true;
    QTest::newRow("SDR on Rec.709") << 1 << 0 << 1 << false;
    QTest::newRow("HDR10 on DCI-P3") << 2 << 1 << 2 << false;
    QTest::newRow("HDR10 on gamut AUTO") << kAuto << 1 << kAuto << false;
}

void TestHDRWidget::hdrWidensANarrowGamut()
{
    QFETCH(int, gamut);
    QFETCH(int, dynamicRange);
    QFETCH(int, expectedGamut);
    QFETCH(bool, twoArguments);

    Panel panel;
    QVERIFY(panel.show());
    panel.widget->updateUIFromModel(body(gamut, 0));
    QSignalSpy one(panel.widget.get(), SIGNAL(signalPresetDynamicRangeChanged(int)));
    QSignalSpy two(panel.widget.get(), SIGNAL(signalPresetDynamicRangeChanged(int, int)));
    QSignalSpy gamutSpy(panel.widget.get(), &HDRWidget::signalPresetColorGamutChanged);

    QTest::mouseClick(panel.button("HDRDynamicRangeRow", dynamicRange), Qt::LeftButton);
    QCOMPARE(panel.checkedValue("HDRColorGamutRow"), expectedGamut);
    QCOMPARE(panel.checkedValue("HDRDynamicRangeRow"), dynamicRange);
    QCOMPARE(gamutSpy.count(), 0);
    QCOMPARE(one.count() + two.count(), 1);
    QSignalSpy& reported = twoArguments ? two : one;
    QCOMPARE(reported.count(), 1);
    QCOMPARE(reported.at(0), twoArguments ? QVariantList({dynamicRange, 3}) : QVariantList({dynamicRange}));
}

void TestHDRWidget::dependentRowsFollowTheModel_data()
{
    QTest::addColumn<int>("dynamicRange");
    QTest::addColumn<int>("actualDynamicRange");
    QTest::addColumn<bool>("toneMapping");
    QTest::addColumn<bool>("needGamma");
    QTest::addColumn<bool>("needAmbient");
    QTest::addColumn<QString>("device"); // "converts", "plain" or "none"
    QTest::addColumn<QStringList>("shownRows");

    QTest::newRow("HDR10, tone mapping on")
        << 1 << -1 << true << true << true << "converts"
        << QStringList {"HDRToneMappingRow", "HDRScreenBrightnessRow", "HDRAmbientLightRow"};
    QTest::newRow("HDR10, tone mapping off")
        << 1 << -1 << false << true << true << "converts"
        << QStringList {"HDRToneMappingRow", "HDRPQMaxCLLRow", "HDRAmbientLightRow"};
    QTest::newRow("HDR10 without ambient light")
        << 1 << -1 << false << true << false << "converts" << QStringList {"HDRToneMappingRow", "HDRPQMaxCLLRow"};
    QTest::newRow("SDR with gamma") << 0 << -1 << true << true << true << "converts" << QStringList {"HDRGammaRow"};
    QTest::newRow("SDR without gamma") << 0 << -1 << true << false << true << "converts" << QStringList {};
    QTest::newRow("HLG") << 2 << -1 << true << true << true << "converts"
                         << QStringList {"HDRHLGGradeRow", "HDRHLGAmbientLightRow"};
    QTest::newRow("HLG without ambient light")
        << 2 << -1 << true << true << false << "converts" << QStringList {"HDRHLGGradeRow"};
    QTest::newRow("AUTO, device runs HLG")
        << kAuto << 2 << true << true << true << "converts" << QStringList {"HDRHLGGradeRow", "HDRHLGAmbientLightRow"};
    QTest::newRow("AUTO, actual unknown: SDR")
        << kAuto << -1 << true << true << true << "converts" << QStringList {"HDRGammaRow"};
    QTest::newRow("device cannot convert") << 1 << -1 << true << true << true << "plain" << QStringList {};
    QTest::newRow("no device") << 1 << -1 << true << true << true << "none" << QStringList {};
}

void TestHDRWidget::dependentRowsFollowTheModel()
{
    QFETCH(int, dynamicRange);
    QFETCH(int, actualDynamicRange);
    QFETCH(bool, toneMapping);
    QFETCH(bool, needGamma);
    QFETCH(bool, needAmbient);
    QFETCH(QString, device);
    QFETCH(QStringList, shownRows);

    if (device == QLatin1String("none"))
        Vireo::Fixture::removeActiveDevice();
    else
        Vireo::Fixture::activeDevice()->setDynamicRangConversion(device == QLatin1String("converts"));

    Panel panel(true, needGamma, needAmbient);
    panel.widget->setActualDynamicRange(actualDynamicRange);
    panel.widget->updateUIFromModel(body(3, dynamicRange, toneMapping));
    QCOMPARE(panel.shownDependentRows(), shownRows);
}

void TestHDRWidget::modelAndPresetValuesAreShownWithoutReports()
{
    Panel panel;
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    const QMetaObject* meta = panel.widget->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal)
            spies.emplace_back(new QSignalSpy(panel.widget.get(), ("2" + method.methodSignature()).constData()));
    }
    QCOMPARE(int(spies.size()), 14);

    panel.widget->updateUIFromModel(body(2, 1, true));
    QCOMPARE(panel.checkedValue("HDRColorGamutRow"), 2);
    QCOMPARE(panel.checkedValue("HDRDynamicRangeRow"), 1);
    QVERIFY(panel.toneMapping()->isChecked());
    QCOMPARE(panel.widget->findChild<SliderEditFrame*>(QStringLiteral("HDRScreenBrightnessRow"))->value(), 1000);
    QCOMPARE(panel.widget->findChild<SliderEditFrame*>(QStringLiteral("HDRPQMaxCLLRow"))->value(), 4000);
    QCOMPARE(panel.widget->findChild<SliderEditFrame*>(QStringLiteral("HDRAmbientLightRow"))->value(), 50);
    QCOMPARE(panel.widget->findChild<SliderEditFrameDouble*>(QStringLiteral("HDRGammaRow"))->value(), 2.40);
    QCOMPARE(panel.widget->findChild<SliderEditFrame*>(QStringLiteral("HDRHLGGradeRow"))->value(), 800);
    QCOMPARE(panel.widget->findChild<SliderEditFrame*>(QStringLiteral("HDRHLGAmbientLightRow"))->value(), 20);

    // The device's presets select their buttons; a value a row does not show selects its first one.
    const struct
    {
        void (HDRWidget::*update)(int);
        int value;
        const char* row;
        int checked;
    } presets[] = {
        {&HDRWidget::updatePresetBitDepth, 10, "HDRBitDepthRow", 10},
        {&HDRWidget::updatePresetBitDepth, 12, "HDRBitDepthRow", 12},
        {&HDRWidget::updatePresetBitDepth, 7, "HDRBitDepthRow", kAuto},
        {&HDRWidget::updatePresetColorSpace, 2, "HDRColorSpaceRow", 2},
        {&HDRWidget::updatePresetColorSpace, 1, "HDRColorSpaceRow", 1},
        {&HDRWidget::updatePresetColorSpace, 3, "HDRColorSpaceRow", kAuto}, // 4:2:0 is not shown
        {&HDRWidget::updatePresetLimitedRange, 0, "HDRLimitedRangeRow", 0},
    };
    for (const auto& preset : presets) {
        (panel.widget.get()->*preset.update)(preset.value);
        QVERIFY2(panel.checkedValue(preset.row) == preset.checked,
            qPrintable(QStringLiteral("%1 given %2").arg(QLatin1String(preset.row)).arg(preset.value)));
    }
    panel.widget->setActualDynamicRange(2);
    for (const auto& spy : spies)
        QVERIFY2(spy->isEmpty(), spy->signal().constData());
}

void TestHDRWidget::toneMappingSwapsLuminanceRows()
{
    Panel panel;
    QVERIFY(panel.show());
    panel.widget->updateUIFromModel(body(3, 1, false));
    const QStringList toneMapped {"HDRToneMappingRow", "HDRScreenBrightnessRow", "HDRAmbientLightRow"};
    QCOMPARE(panel.shownDependentRows(), QStringList({"HDRToneMappingRow", "HDRPQMaxCLLRow", "HDRAmbientLightRow"}));

    QSignalSpy spy(panel.widget.get(), &HDRWidget::signalPresetToneMappingClicked);
    QTest::mouseClick(panel.toneMapping(), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(panel.shownDependentRows(), toneMapped);

    // Leaving HDR10 takes both luminance rows away; coming back follows the check box again.
    QTest::mouseClick(panel.button("HDRDynamicRangeRow", 0), Qt::LeftButton);
    QCOMPARE(panel.shownDependentRows(), QStringList({"HDRGammaRow"}));
    QTest::mouseClick(panel.button("HDRDynamicRangeRow", 1), Qt::LeftButton);
    QCOMPARE(panel.shownDependentRows(), toneMapped);
}

void TestHDRWidget::allowedValuesComeFromTheConfiguration_data()
{
    QTest::addColumn<QList<int>>("allowed");
    QTest::addColumn<QList<int>>("enabled");

    QTest::newRow("8 and 10 only") << QList<int> {8, 10} << QList<int> {8, 10};
    QTest::newRow("AUTO listed") << QList<int> {255, 12} << QList<int> {255, 12};
    QTest::newRow("nothing allowed") << QList<int> {} << QList<int> {};
    QTest::newRow("unknown values ignored") << QList<int> {9, 16, 10} << QList<int> {10, 16};
}

void TestHDRWidget::allowedValuesComeFromTheConfiguration()
{
    QFETCH(QList<int>, allowed);
    QFETCH(QList<int>, enabled);

    QByteArray values;
    for (int value : allowed)
        values += "<SupportValue>" + QByteArray::number(value) + "</SupportValue>";
    loadConfig("<Vireo><Key Type=\"1\" Value=\"1\"><ValueInfo Type=\"0\">" + values + "</ValueInfo></Key></Vireo>");

    Panel panel(true, true, true, 5);
    QVERIFY(panel.show());
    const QList<int> all {255, 8, 10, 12, 16};
    QCOMPARE(panel.enabledValues("HDRBitDepthRow"), all); // no key for SDR

    QTest::mouseClick(panel.button("HDRDynamicRangeRow", 1), Qt::LeftButton);
    QList<int> expected;
    for (int value : all) {
        if (enabled.contains(value))
            expected << value;
    }
    QCOMPARE(panel.enabledValues("HDRBitDepthRow"), expected);
    // Groups the key does not name keep their state.
    QCOMPARE(panel.enabledValues("HDRColorSpaceRow"), QList<int>({255, 0, 2, 1}));
}

void TestHDRWidget::laterGroupsOverrideEarlierOnes()
{
    // Bit depth 10 allows every colour space; HDR10 (applied later) allows RGB only. AUTO dynamic
    // range uses the device's actual one.
    loadConfig("<Vireo>"
               "<Key Type=\"0\" Value=\"10\"><ValueInfo Type=\"4\"><SupportValue>0</SupportValue>"
               "<SupportValue>1</SupportValue><SupportValue>2</SupportValue></ValueInfo></Key>"
               "<Key Type=\"1\" Value=\"1\"><ValueInfo Type=\"4\"><SupportValue>0</SupportValue></ValueInfo></Key>"
               "</Vireo>");
    Panel panel;
    panel.widget->updatePresetBitDepth(10);
    QCOMPARE(panel.enabledValues("HDRColorSpaceRow"), QList<int>({0, 2, 1}));
    panel.widget->updateUIFromModel(body(3, kAuto));
    QCOMPARE(panel.enabledValues("HDRColorSpaceRow"), QList<int>({0, 2, 1})); // actual unknown: SDR
    panel.widget->setActualDynamicRange(1);
    QCOMPARE(panel.enabledValues("HDRColorSpaceRow"), QList<int>({0}));

    // A hidden group's key is not applied.
    panel.widget->setHDRWidgetVisible(false);
    panel.widget->setActualDynamicRange(1);
    QCOMPARE(panel.enabledValues("HDRColorSpaceRow"), QList<int>({0, 2, 1}));
}

void TestHDRWidget::disablingAndHidingRows()
{
    loadConfig("<Vireo><Key Type=\"1\" Value=\"0\"><ValueInfo Type=\"2\"><SupportValue>1</SupportValue>"
               "</ValueInfo></Key></Vireo>");
    Panel panel;
    panel.widget->updateUIFromModel(body(1, 0));
    panel.widget->updateHDREnable(false);
    for (const char* row : {"HDRColorGamutRow", "HDRDynamicRangeRow", "HDRToneMappingRow", "HDRGammaRow",
             "HDRHLGGradeRow", "HDRResetRow", "HDRPQMaxCLLRow", "HDRScreenBrightnessRow"})
        QVERIFY2(!panel.row(row)->isEnabled(), row);
    QVERIFY(panel.row("HDRBitDepthRow")->isEnabled());
    panel.widget->updateHDREnable(true);
    QVERIFY(panel.row("HDRColorGamutRow")->isEnabled());
    QCOMPARE(panel.enabledValues("HDRColorGamutRow"), QList<int>({1}));

    panel.widget->updatePresetBitDepthEnable(false);
    QVERIFY(!panel.row("HDRBitDepthRow")->isEnabled());
    panel.widget->updatePresetColorSpaceEnable(false);
    QVERIFY(!panel.row("HDRColorSpaceRow")->isEnabled());

    panel.widget->setHDRWidgetVisible(false);
    for (const char* row : {"HDRColorGamutRow", "HDRDynamicRangeRow", "HDRResetRow", "HDRGammaRow"})
        QVERIFY2(!panel.shown(row), row);
    panel.widget->setHDRWidgetVisible(true);
    QVERIFY(panel.shown("HDRColorGamutRow"));
    QCOMPARE(panel.shownDependentRows(), QStringList({"HDRGammaRow"})); // SDR with gamma

    panel.widget->setColorSpaceWidgetVisible(false);
    panel.widget->setBitDepthWidgetVisible(false);
    panel.widget->setLimitedWidgetVisible(false);
    for (const char* row : {"HDRColorSpaceRow", "HDRBitDepthRow", "HDRLimitedRangeRow"})
        QVERIFY2(!panel.shown(row), row);
}

void TestHDRWidget::labelsShareTheWidestWidth()
{
    Panel panel;
    QList<QLabel*> labels;
    for (const char* row : {"HDRLimitedRangeRow", "HDRColorSpaceRow", "HDRBitDepthRow", "HDRColorGamutRow",
             "HDRDynamicRangeRow", "HDRToneMappingRow", "HDRResetRow"})
        labels << panel.row(row)->findChild<QLabel*>();
    const QFontMetrics metrics(panel.widget->font());
    const int widest = metrics.horizontalAdvance(QStringLiteral("Dynamic Range"));
    for (QLabel* label : labels)
        QCOMPARE(label->width(), widest + 12);
    QCOMPARE(labels.at(5)->text(), QStringLiteral("Tone Mapping"));
    QCOMPARE(panel.widget->findChild<QPushButton*>(QStringLiteral("HDRResetButton"))->text(), QStringLiteral("Reset"));
    const QStringList sliderLabels {
        panel.widget->findChild<SliderEditFrame*>(QStringLiteral("HDRScreenBrightnessRow"))->labelText(),
        panel.widget->findChild<SliderEditFrame*>(QStringLiteral("HDRAmbientLightRow"))->labelText(),
        panel.widget->findChild<SliderEditFrameDouble*>(QStringLiteral("HDRGammaRow"))->labelText()};
    QCOMPARE(sliderLabels, QStringList({"Luminance", "Ambient Light", "Gamma"}));

    // With the only long label's row hidden, the next widest sets the width.
    panel.widget->setHDRWidgetVisible(false);
    const int next = std::max({metrics.horizontalAdvance(QStringLiteral("Limited Range")),
        metrics.horizontalAdvance(QStringLiteral("Color Space")),
        metrics.horizontalAdvance(QStringLiteral("Bit Depth"))});
    QCOMPARE(labels.at(0)->width(), next + 12);
}

void TestHDRWidget::resetIsReported()
{
    Panel panel;
    QVERIFY(panel.show());
    QSignalSpy spy(panel.widget.get(), &HDRWidget::signalPresetHDRResetClicked);
    QTest::mouseClick(panel.widget->findChild<QPushButton*>(QStringLiteral("HDRResetButton")), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestHDRWidget)
#include "tst_hdrwidget.moc"
