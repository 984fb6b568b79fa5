#include "presets/presettestutil.h"

#include <vireowidgets/controls/ndoubleradiobutton.h>
#include <vireowidgets/edid/ediddmtschemadisplaywidget.h>
#include <vireowidgets/edid/edidsupplementadvanced.h>
#include <vireowidgets/edid/freshrateselectedwidget.h>
#include <vireowidgets/presets/presetfilter.h>

#include <zkwidgets/slidereditframe.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Vireo::Widgets;
using namespace Vireo::Test;
using Vireo::BizModel::InterfaceConfig;
using Vireo::ProtoModel::s_TimingDetailBody;

namespace {

// CEA 1080p60: 2200 x 1125 total, 148.5 MHz.
s_TimingDetailBody timing1080p()
{
    s_TimingDetailBody t;
    t.refresh = 6000;
    t.horizontal = {1920, 88, 44, 0, 2200};
    t.vertical = {1080, 4, 5, 0, 1125};
    return t;
}

Vireo::BizModel::s_ConnectorInfo connectorInfo(int type)
{
    Vireo::BizModel::s_ConnectorInfo info;
    Internal::connectorInfoOf(type, info);
    info.m_eType = TimingEnum::ConnectorType(type);
    return info;
}

SliderEditFrame* field(EdidSupplementAdvanced& panel, const char* name)
{
    return panel.findChild<SliderEditFrame*>(QLatin1String(name));
}

QToolButton* refreshButton(EdidSupplementAdvanced& panel)
{
    return panel.findChild<QToolButton*>(QStringLiteral("AdvancedRefreshButton"));
}

// Chooses a rate in the refresh popup, as the operator does.
void chooseRate(EdidSupplementAdvanced& panel, const QString& text)
{
    QTest::mouseClick(refreshButton(panel), Qt::LeftButton);
    auto* popup = panel.findChild<FreshRateSelectedWidget*>();
    QVERIFY(popup && popup->isVisible());
    auto* button = buttonWithText(buttonsWith(popup, "isRefreshRateButton"), text);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!popup->isVisible());
}

struct Panel
{
    QWidget window;
    EdidSupplementAdvanced* panel = new EdidSupplementAdvanced(&window);
    Panel(int mode, int connector, bool input)
    {
        panel->setTotalTiming(TimingEnum::CapacityMode(mode), connectorInfo(connector), input);
        panel->setCurDMTSchemaData(timing1080p());
        panel->setRefreshRate(60.f);
        window.show();
    }
};

} // namespace

Q_DECLARE_METATYPE(s_TimingDetailBody)

class TestEdidSupplementAdvanced : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fieldsAndTexts();
    void maximumTotalsFollowMode_data();
    void maximumTotalsFollowMode();
    void typedFieldIsFitted_data();
    void typedFieldIsFitted();
    void activeSnapsAndFits_data();
    void activeSnapsAndFits();
    void applyStoresFieldsAndExactRate_data();
    void applyStoresFieldsAndExactRate();
    void diagramFollowsTheFields();
    void missingConfigurationKeepsLimits();
    void rateTextToHundredths_data();
    void rateTextToHundredths();
    void maxFreshRate();
};

void TestEdidSupplementAdvanced::init()
{
    Vireo::Fixture::reset();
}

void TestEdidSupplementAdvanced::fieldsAndTexts()
{
    EdidSupplementAdvanced panel;
    const QStringList labels {field(panel, "HTotalField")->labelText(), field(panel, "HActiveField")->labelText(),
        field(panel, "HFrontPorchField")->labelText(), field(panel, "HSyncField")->labelText(),
        field(panel, "VTotalField")->labelText(), field(panel, "VActiveField")->labelText(),
        field(panel, "VFrontPorchField")->labelText(), field(panel, "VSyncField")->labelText()};
    QCOMPARE(labels,
        QStringList({"Horizontal total width", "Horizontal Addr Time", "Horizontal front shoulder",
            "Horizontal synchronization", "Vertical total width", "Vertical Addr Time", "Vertical front shoulder",
            "Vertical sync"}));
    QVERIFY(!field(panel, "HTotalField")->isSliderVisible());
    auto* h = panel.findChild<NDoubleRadioButton*>(QStringLiteral("HPolarity"));
    auto* v = panel.findChild<NDoubleRadioButton*>(QStringLiteral("VPolarity"));
    QCOMPARE(h->title(), QStringLiteral("Horizontal polarity"));
    QCOMPARE(v->title(), QStringLiteral("Vertical polarity"));
    QCOMPARE(h->value(), 1);
    QCOMPARE(refreshButton(panel)->size(), QSize(90, 38));
    QVERIFY(refreshButton(panel)->property("isPopupDialog").toBool());
    auto* apply = panel.findChild<QPushButton*>(QStringLiteral("AdvancedApplyButton"));
    QCOMPARE(apply->text(), QStringLiteral("Apply"));
    QCOMPARE(apply->focusPolicy(), Qt::NoFocus);
    QCOMPARE(panel.findChild<EdidDMTSchemaDisplayWidget*>()->width(), 450);
    bool refreshLabel = false;
    for (auto* label : panel.findChildren<QLabel*>())
        refreshLabel = refreshLabel || label->text() == QLatin1String("Refresh rate");
    QVERIFY(refreshLabel);
}

void TestEdidSupplementAdvanced::maximumTotalsFollowMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("connector");
    QTest::addColumn<bool>("input");
    QTest::addColumn<int>("maxH");
    QTest::addColumn<int>("maxV");
    QTest::newRow("single link") << int(TimingEnum::_SL) << int(TimingEnum::HDMI_1_4) << true << 2248 << 2248;
    QTest::newRow("dual link") << int(TimingEnum::_DL) << int(TimingEnum::Dual_Link_DVI) << false << 4400 << 4400;
    QTest::newRow("4K output") << int(TimingEnum::_4K) << int(TimingEnum::HDMI_2_0) << false << 8800 << 8800;
    QTest::newRow("4K HDMI 2.0 input") << int(TimingEnum::_4K) << int(TimingEnum::HDMI_2_0) << true << 8800 << 8191;
    QTest::newRow("4K DP 1.2 input") << int(TimingEnum::_4K) << int(TimingEnum::DP_1_2) << true << 8800 << 8191;
    QTest::newRow("4K 12G-SDI input") << int(TimingEnum::_4K) << int(TimingEnum::_12G_SDI) << true << 8800 << 8800;
}

void TestEdidSupplementAdvanced::maximumTotalsFollowMode()
{
    QFETCH(int, mode);
    QFETCH(int, connector);
    QFETCH(bool, input);
    QFETCH(int, maxH);
    QFETCH(int, maxV);
    EdidSupplementAdvanced panel;
    panel.setTotalTiming(TimingEnum::CapacityMode(mode), connectorInfo(connector), input);
    QCOMPARE(field(panel, "HTotalField")->maximum(), maxH);
    QCOMPARE(panel.getVTotal(), maxV);
    QCOMPARE(field(panel, "HTotalField")->minimum(), 848);
    QCOMPARE(field(panel, "VTotalField")->minimum(), 609);
    // Typed past the maximum, the total stops there.
    field(panel, "HTotalField")->simulateUserEdit(maxH + 500);
    QVERIFY(field(panel, "HTotalField")->value() <= maxH);
}

void TestEdidSupplementAdvanced::typedFieldIsFitted_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("connector");
    QTest::addColumn<bool>("input");
    QTest::addColumn<QString>("rate"); // chosen in the popup first, unless empty
    QTest::addColumn<quint32>("minBandwidth"); // the capacity's floor raised to it, unless 0
    QTest::addColumn<QByteArray>("fieldName");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("kept");
    const auto row = [](const char* name, int mode, int connector, bool input, const char* rate, const char* fieldName,
                         int typed, int kept, quint32 minBandwidth = 0) {
        QTest::newRow(name) << mode << connector << input << QString::fromLatin1(rate) << minBandwidth
                            << QByteArray(fieldName) << typed << kept;
    };
    const int k4 = TimingEnum::_4K;
    const int sl = TimingEnum::_SL;
    const int hdmi20 = TimingEnum::HDMI_2_0;
    const int hdmi14 = TimingEnum::HDMI_1_4;
    const int dvi = TimingEnum::Dual_Link_DVI;
    // A total is raised to fit its parts.
    row("total raised to fit", k4, hdmi20, false, "", "HTotalField", 2000, 2068);
    row("vertical total raised to fit", k4, hdmi20, false, "", "VTotalField", 1000, 1092); // 1080 + 4 + 5 + 3
    // Single link: at most 165 MHz; a total past the bandwidth reverts.
    row("within at 60", sl, hdmi14, true, "60", "HTotalField", 2240, 2240); // 151.2 MHz
    row("past at 120", sl, hdmi14, true, "120", "HTotalField", 2240, 2200);
    row("vertical past at 60", sl, hdmi14, true, "60", "VTotalField", 1300, 1125); // 171.6 MHz
    row("vertical within at 50", sl, hdmi14, true, "50", "VTotalField", 1300, 1300); // 143 MHz
    // Pushes the clock under a 50 MHz floor with a 1125-line total.
    row("below the minimum at 24", sl, hdmi14, true, "24", "HTotalField", 900, 2200, 50000000);
    // 2200 x 4096 x 24 = 216 MHz: the bandwidth fits, the dual-link DVI vertical limit does not.
    row("dual-link DVI vertical 4096", k4, dvi, false, "24", "VTotalField", 4096, 1125);
    row("dual-link DVI vertical 4095", k4, dvi, false, "24", "VTotalField", 4095, 4095);
    // A porch or sync is lowered to fit the total.
    row("front porch fits", k4, hdmi20, false, "", "HFrontPorchField", 200, 200);
    row("front porch lowered", k4, hdmi20, false, "", "HFrontPorchField", 300, 220); // 2200-1920-44-16
    row("sync lowered", k4, hdmi20, false, "", "HSyncField", 300, 176); // 2200-1920-88-16
    row("vertical sync lowered", k4, hdmi20, false, "", "VSyncField", 100, 38); // 1125-1080-4-3
}

void TestEdidSupplementAdvanced::typedFieldIsFitted()
{
    QFETCH(int, mode);
    QFETCH(int, connector);
    QFETCH(bool, input);
    QFETCH(QString, rate);
    QFETCH(quint32, minBandwidth);
    QFETCH(QByteArray, fieldName);
    QFETCH(int, typed);
    QFETCH(int, kept);
    Panel p(mode, connector, input);
    if (minBandwidth) {
        const auto type = input ? TimingEnum::Input : TimingEnum::MainOutput;
        const auto kind = TimingEnum::ConnectorType(connector);
        Vireo::BizModel::s_ConnectorCapacity cap;
        InterfaceConfig::instance()->findConnectorCapacity(TimingEnum::CapacityMode(mode), type, kind, cap);
        cap.minBandwidth = minBandwidth;
        InterfaceConfig::instance()->setConnectorCapacity(TimingEnum::CapacityMode(mode), type, kind, cap);
        p.panel->setTotalTiming(TimingEnum::CapacityMode(mode), connectorInfo(connector), input);
        p.panel->setCurDMTSchemaData(timing1080p());
    }
    if (!rate.isEmpty())
        chooseRate(*p.panel, rate);
    field(*p.panel, fieldName.constData())->simulateUserEdit(typed);
    QCOMPARE(field(*p.panel, fieldName.constData())->value(), kept);
}

void TestEdidSupplementAdvanced::activeSnapsAndFits_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("kept");
    QTest::newRow("step 8") << 8 << 1923 << 1920;
    QTest::newRow("step 4") << 4 << 1923 << 1920;
    QTest::newRow("step 1") << 1 << 1923 << 1923;
    QTest::newRow("too wide for the total") << 8 << 2100 << 2052; // 2200 - 88 - 44 - 16
}

void TestEdidSupplementAdvanced::activeSnapsAndFits()
{
    QFETCH(int, step);
    QFETCH(int, typed);
    QFETCH(int, kept);
    Panel p(TimingEnum::_4K, TimingEnum::HDMI_2_0, false);
    QCOMPARE(field(*p.panel, "HActiveField")->singleStep(), 4); // the capacity's step
    p.panel->updateDefaultStep(step);
    field(*p.panel, "HActiveField")->simulateUserEdit(typed);
    QCOMPARE(field(*p.panel, "HActiveField")->value(), kept);
}

void TestEdidSupplementAdvanced::applyStoresFieldsAndExactRate_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("refresh");
    QTest::newRow("59.94") << "59.94" << 5994;
    QTest::newRow("23.98") << "23.98" << 2398;
    QTest::newRow("119.88") << "119.88" << 11988;
    QTest::newRow("71.93") << "71.93" << 7193;
    QTest::newRow("60") << "60" << 6000;
}

void TestEdidSupplementAdvanced::applyStoresFieldsAndExactRate()
{
    QFETCH(QString, rate);
    QFETCH(int, refresh);
    Panel p(TimingEnum::_4K, TimingEnum::HDMI_2_0, false);
    QSignalSpy applied(p.panel, &EdidSupplementAdvanced::sig_Apply);
    chooseRate(*p.panel, rate);
    field(*p.panel, "HFrontPorchField")->simulateUserEdit(80);
    p.panel->findChild<NDoubleRadioButton*>(QStringLiteral("VPolarity"))->findChildren<QRadioButton*>().at(1)->click();
    QCOMPARE(p.panel->getCurDMTSchemaData().horizontal.frontPorch, 88); // not before Apply
    QCOMPARE(applied.count(), 0);

    QTest::mouseClick(p.panel->findChild<QPushButton*>(QStringLiteral("AdvancedApplyButton")), Qt::LeftButton);
    QCOMPARE(applied.count(), 1);
    const s_TimingDetailBody t = p.panel->getCurDMTSchemaData();
    QCOMPARE(t.refresh, refresh);
    QCOMPARE(t.horizontal.frontPorch, 80);
    QCOMPARE(t.horizontal.totalTime, 2200);
    QCOMPARE(t.horizontal.addTime, 1920);
    QCOMPARE(t.vertical.syncPolarity, 1);
    QCOMPARE(t.horizontal.syncPolarity, 0);
}

void TestEdidSupplementAdvanced::diagramFollowsTheFields()
{
    Panel p(TimingEnum::_4K, TimingEnum::HDMI_2_0, false);
    auto* diagram = p.panel->findChild<EdidDMTSchemaDisplayWidget*>();
    QCOMPARE(diagram->curDMTSchemaData().HorFrameTiming.totalTime, 2200u);
    QCOMPARE(diagram->curDMTSchemaData().HorFrameTiming.backProch, 148u);
    QCOMPARE(diagram->curDMTSchemaData().VerFrameTiming.backProch, 36u);
    QCOMPARE(diagram->curDMTSchemaData().pixelClock, 148.5f);
    field(*p.panel, "HTotalField")->simulateUserEdit(2300);
    QCOMPARE(diagram->curDMTSchemaData().HorFrameTiming.backProch, 248u);
    chooseRate(*p.panel, "50");
    QCOMPARE(diagram->curDMTSchemaData().refreshRate, 50.f);
    QVERIFY(!diagram->grab().isNull());
}

void TestEdidSupplementAdvanced::missingConfigurationKeepsLimits()
{
    EdidSupplementAdvanced panel;
    panel.setTotalTiming(TimingEnum::_DL, connectorInfo(TimingEnum::HDMI_1_4), true);
    QCOMPARE(panel.getVTotal(), 4400);
    QTest::ignoreMessage(QtDebugMsg, "get current ConnectorCapacity error!");
    panel.setConnectInfo(TimingEnum::invaild, connectorInfo(TimingEnum::HDMI_1_4), true);
    QCOMPARE(panel.getVTotal(), 4400);
    // No sizes in the capacity and no resolution range either.
    Vireo::BizModel::s_ConnectorCapacity cap;
    cap.step = 1;
    cap.maxBandwidth = 165000000;
    InterfaceConfig::instance()->setConnectorCapacity(TimingEnum::_SL, TimingEnum::Input, TimingEnum::INVALID, cap);
    QTest::ignoreMessage(QtDebugMsg, "get current ResolutionRangeInfo error!");
    panel.setConnectInfo(TimingEnum::_SL, connectorInfo(TimingEnum::INVALID), true);
    QCOMPARE(panel.getVTotal(), 4400);
}

void TestEdidSupplementAdvanced::rateTextToHundredths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("hundredths");
    QTest::newRow("59.94") << "59.94" << true << 5994;
    QTest::newRow("23.976 rounds down") << "23.976" << true << 2397;
    QTest::newRow("whole") << "120" << true << 12000;
    QTest::newRow("one decimal") << "29.9" << true << 2990;
    QTest::newRow("trailing dot") << "50." << true << 5000;
    QTest::newRow("spaces") << " 60 " << true << 6000;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("negative") << "-1" << false << 0;
    QTest::newRow("exponent") << "6e1" << false << 0;
    QTest::newRow("two dots") << "5.9.4" << false << 0;
    QTest::newRow("too large") << "99999999" << false << 0;
}

void TestEdidSupplementAdvanced::rateTextToHundredths()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, hundredths);
    int value = -1;
    QCOMPARE(Internal::rateTextToHundredths(text, value), ok);
    if (ok)
        QCOMPARE(value, hundredths);
    else
        QCOMPARE(value, -1);
}

void TestEdidSupplementAdvanced::maxFreshRate()
{
    EdidSupplementAdvanced panel;
    panel.setTotalTiming(TimingEnum::_4K, connectorInfo(TimingEnum::HDMI_2_0), false);
    QCOMPARE(panel.getMaxFreshRate(2200, 1125), 242.f); // 600 MHz / 2200 / 1125, whole hertz
    QCOMPARE(panel.getMaxFreshRate(0, 1125), 0.f);
}

QTEST_MAIN(TestEdidSupplementAdvanced)
#include "tst_edidsupplementadvanced.moc"
