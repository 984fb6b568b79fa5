#include "presets/presettestutil.h"

#include <vireowidgets/controls/groupwidget.h>
#include <vireowidgets/edid/edidsupplement.h>
#include <vireowidgets/edid/freshrateselectedwidget.h>
#include <vireowidgets/presets/presupposedialolg.h>

#include <vireomodel/helper.h>

#include <zkwidgets/slidereditframe.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Vireo::Widgets;
using namespace Vireo::Test;
using Vireo::BizModel::InterfaceConfig;
using Vireo::ProtoModel::s_TimingDetailBody;

namespace {

s_TimingDetailBody timingBody(int width, int height, int protoRate, int interlaced = 0)
{
    s_TimingDetailBody body;
    body.horizontal.addTime = width;
    body.vertical.addTime = height;
    body.refresh = protoRate;
    body.interlaced = interlaced;
    return body;
}

SliderEditFrame* slider(EdidSupplement& panel, const QString& label)
{
    for (auto* frame : panel.findChildren<SliderEditFrame*>()) {
        if (frame->labelText() == label)
            return frame;
    }
    return nullptr;
}

QToolButton* presetButton(EdidSupplement& panel)
{
    return panel.findChild<QToolButton*>(QStringLiteral("EdidSupplementPresetButton"));
}

QToolButton* rateButton(EdidSupplement& panel)
{
    return panel.findChild<QToolButton*>(QStringLiteral("EdidSupplementFreshRateButton"));
}

QPushButton* pushButton(QWidget& widget, const QString& text)
{
    for (auto* button : widget.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

PresupposeDialolg* picker()
{
    for (auto* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<PresupposeDialolg*>(widget))
            return dialog;
    }
    return nullptr;
}

FreshRateSelectedWidget* ratePopup(EdidSupplement& panel)
{
    return panel.findChild<FreshRateSelectedWidget*>();
}

QAbstractButton* pickerButton(PresupposeDialolg* dialog, const char* kind, const QString& text)
{
    return buttonWithText(buttonsWith(dialog, "isPopupDialogBtn", kind), text);
}

// Opens the preset picker from the panel's preset button, as the operator does.
PresupposeDialolg* openPicker(EdidSupplement& panel)
{
    QTest::mouseClick(presetButton(panel), Qt::LeftButton);
    auto* dialog = picker();
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

// Reads the limits for the panel's kind of interface, as the host does after a selection.
void updateDefaults(EdidSupplement& panel, int cardType)
{
    if (cardType == TimingEnum::Input)
        panel.updateInputDefaultResolution();
    else
        panel.updateOutputDefaultResolution();
}

// A device with one selected interface, and the panel for that kind shown in a window, its limits read.
struct Shown
{
    TimingDevice dev;
    QWidget window;
    EdidSupplement* panel;
    Shown(int cardType, int connector, int capacity, quint16 modelId = 0x2001)
        : dev(cardType, connector, capacity, modelId)
        , panel(new EdidSupplement(static_cast<TimingEnum::InterfaceType>(cardType), &window))
    {
        window.resize(900, 420);
        window.show();
        updateDefaults(*panel, cardType);
    }
};

} // namespace

Q_DECLARE_METATYPE(Vireo::ProtoModel::s_TimingDetailBody)

class TestEdidSupplement : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void layoutAndTexts();
    void limitsFollowConnectorAndMode_data();
    void limitsFollowConnectorAndMode();
    void zeroBandwidthUsesConnectorSizes();
    void missingConfigurationLeavesLimits();
    void outputWithoutSelectionDisablesSliders();
    void typedWidthClampsAndSnaps_data();
    void typedWidthClampsAndSnaps();
    void shownTimingText_data();
    void shownTimingText();
    void modelSlotsShowTheirOwnInterface();
    void presetPickerReportsChoice();
    void presetPickerOffersWhatTheModeCarries_data();
    void presetPickerOffersWhatTheModeCarries();
    void vanishedInterfaceOrCancelSendsNothing_data();
    void vanishedInterfaceOrCancelSendsNothing();
    void missingConnectorKindOpensNothing();
    void rateChosenInPopupIsApplied();
    void formatMappingTolerance_data();
    void formatMappingTolerance();
    void levelButtonsFollowTheFormat_data();
    void levelButtonsFollowTheFormat();
    void levelClickNeedsAnOutput();
    void enableVisibleAndHide();
};

void TestEdidSupplement::init()
{
    Vireo::Fixture::reset();
}

void TestEdidSupplement::layoutAndTexts()
{
    EdidSupplement panel(TimingEnum::Input);
    QStringList titles;
    for (auto* header : panel.findChildren<GroupWidget*>())
        titles << header->title();
    QCOMPARE(titles, QStringList({"Default", "Custom"}));
    QVERIFY(slider(panel, "Width"));
    QVERIFY(slider(panel, "Height"));
    QCOMPARE(slider(panel, "Width")->minimumWidth(), 344);
    QCOMPARE(slider(panel, "Width")->maximumWidth(), 1180);
    QVERIFY(pushButton(panel, "Apply"));
    QVERIFY(presetButton(panel)->property("isPopupDialog").toBool());
    QCOMPARE(presetButton(panel)->height(), 36);
    QCOMPARE(presetButton(panel)->text(), QStringLiteral("Custom"));
    QVERIFY(rateButton(panel)->property("isPopupDialog").toBool());
    QCOMPARE(rateButton(panel)->height(), 38);
    QStringList labels;
    for (auto* label : panel.findChildren<QLabel*>())
        labels << label->text();
    QVERIFY(labels.contains(QStringLiteral("FreshRate")));
    QVERIFY(labels.contains(QStringLiteral("Hz")));
    for (const char* text : {"Level A", "Level B"}) {
        auto* level = pushButton(panel, text);
        QVERIFY(level);
        QCOMPARE(level->size(), QSize(63, 42));
        QVERIFY(level->property("groupbuttonselectiontype").toBool());
        QVERIFY(!level->isFlat());
    }
}

void TestEdidSupplement::limitsFollowConnectorAndMode_data()
{
    QTest::addColumn<int>("cardType");
    QTest::addColumn<int>("connector");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("modelId");
    QTest::addColumn<quint32>("maxBand");
    QTest::addColumn<QSize>("minSize");
    QTest::addColumn<QSize>("maxSize");
    QTest::addColumn<int>("step");

    const int in = TimingEnum::Input;
    const int out = TimingEnum::MainOutput;
    const QSize vga(640, 480);
    // Inputs take the card's step (none: 1); outputs the capacity's.
    QTest::newRow("HDMI 2.0 input, 4K") << in << int(TimingEnum::HDMI_2_0) << int(TimingEnum::_4K) << 0x2001
                                        << 600000000u << vga << QSize(4096, 4096) << 4;
    QTest::newRow("HDMI 2.0 input, single link") << in << int(TimingEnum::HDMI_2_0) << int(TimingEnum::_SL) << 0x2001
                                                 << 165000000u << vga << QSize(3840, 1920) << 4;
    QTest::newRow("HDMI 1.4 input, 4K") << in << int(TimingEnum::HDMI_1_4) << int(TimingEnum::_4K) << 0x2001
                                        << 340000000u << vga << QSize(4096, 2160) << 1;
    QTest::newRow("DP 1.2 input, dual link") << in << int(TimingEnum::DP_1_2) << int(TimingEnum::_DL) << 0x2002
                                             << 330000000u << vga << QSize(3840, 2560) << 4;
    QTest::newRow("dual-link DVI input, 4K") << in << int(TimingEnum::Dual_Link_DVI) << int(TimingEnum::_4K) << 0x2003
                                             << 330000000u << vga << QSize(3840, 2560) << 1;
    QTest::newRow("single-link DVI input, 4K") << in << int(TimingEnum::Single_Link_DVI) << int(TimingEnum::_4K)
                                               << 0x2003 << 165000000u << vga << QSize(3840, 1920) << 1;
    QTest::newRow("12G-SDI input, single link") << in << int(TimingEnum::_12G_SDI) << int(TimingEnum::_SL) << 0x2004
                                                << 148500000u << QSize(1280, 720) << QSize(1920, 1080) << 2;
    QTest::newRow("12G-SDI output, 4K") << out << int(TimingEnum::_12G_SDI) << int(TimingEnum::_4K) << 0x3004
                                        << 594000000u << QSize(1280, 720) << QSize(4096, 2160) << 2;
    QTest::newRow("HDMI 2.0 output, 4K") << out << int(TimingEnum::HDMI_2_0) << int(TimingEnum::_4K) << 0x3001
                                         << 600000000u << vga << QSize(4096, 4096) << 4;
    QTest::newRow("dual-link DVI output, dual link") << out << int(TimingEnum::Dual_Link_DVI) << int(TimingEnum::_DL)
                                                     << 0x3001 << 330000000u << vga << QSize(3840, 2560) << 2;
    QTest::newRow("HDMI 1.4 output, single link") << out << int(TimingEnum::HDMI_1_4) << int(TimingEnum::_SL) << 0x3001
                                                  << 165000000u << vga << QSize(3840, 1920) << 1;
}

void TestEdidSupplement::limitsFollowConnectorAndMode()
{
    QFETCH(int, cardType);
    QFETCH(int, connector);
    QFETCH(int, capacity);
    QFETCH(int, modelId);
    QFETCH(quint32, maxBand);
    QFETCH(QSize, minSize);
    QFETCH(QSize, maxSize);
    QFETCH(int, step);

    Shown shown(cardType, connector, capacity, quint16(modelId));
    EdidSupplement& panel = *shown.panel;

    QCOMPARE(panel.getMaxBand(), maxBand);
    QCOMPARE(panel.getMinBand(), 25000000u);
    QCOMPARE(panel.getCurCapacity(), TimingEnum::CapacityMode(capacity));
    auto* width = slider(panel, "Width");
    auto* height = slider(panel, "Height");
    QCOMPARE(QSize(width->minimum(), height->minimum()), minSize);
    QCOMPARE(QSize(width->maximum(), height->maximum()), maxSize);
    QCOMPARE(width->singleStep(), step);
    QVERIFY(width->isEnabled());
}

void TestEdidSupplement::zeroBandwidthUsesConnectorSizes()
{
    TimingDevice dev(TimingEnum::Input, TimingEnum::HDMI_1_4, TimingEnum::_DL);
    Vireo::BizModel::s_ConnectorCapacity cap;
    cap.step = 2;
    cap.maxWidth = 1000;
    cap.minWidth = 100;
    cap.maxHeight = 1000;
    cap.minHeight = 100; // sizes given, but no bandwidth: the connector's record decides
    InterfaceConfig::instance()->setConnectorCapacity(TimingEnum::_DL, TimingEnum::Input, TimingEnum::HDMI_1_4, cap);
    installConnector(TimingEnum::HDMI_1_4, {});
    EdidSupplement panel(TimingEnum::Input);
    panel.updateInputDefaultResolution();
    QCOMPARE(panel.getMaxBand(), 600000000u);
    QCOMPARE(slider(panel, "Width")->maximum(), 4096);
    QCOMPARE(slider(panel, "Height")->maximum(), 2160);
    QCOMPARE(slider(panel, "Width")->minimum(), 640);
}

void TestEdidSupplement::missingConfigurationLeavesLimits()
{
    Shown shown(TimingEnum::Input, TimingEnum::HDMI_2_0, TimingEnum::_4K);
    EdidSupplement& panel = *shown.panel;
    QCOMPARE(slider(panel, "Width")->maximum(), 4096);

    // A mode the connector has no capacity for is logged; the limits stay.
    shown.dev.selectedInterface()->setCapacity(TimingEnum::invaild);
    QTest::ignoreMessage(QtDebugMsg, "get current ConnectorCapacity error!");
    panel.updateInputDefaultResolution();
    QCOMPARE(slider(panel, "Width")->maximum(), 4096);
    QCOMPARE(panel.getMaxBand(), 600000000u);

    // A vanished input is only logged.
    Vireo::Fixture::activeDevice()->removeInput(0);
    QTest::ignoreMessage(QtWarningMsg, "The selected Input is null");
    panel.updateInputDefaultResolution();
    QCOMPARE(panel.getMaxBand(), 600000000u);
}

void TestEdidSupplement::outputWithoutSelectionDisablesSliders()
{
    Shown shown(TimingEnum::MainOutput, TimingEnum::HDMI_2_0, TimingEnum::_4K, 0x3001);
    EdidSupplement& panel = *shown.panel;
    QVERIFY(slider(panel, "Width")->isEnabled());
    Vireo::Fixture::activeDevice()->removeOutput(0);
    panel.updateOutputDefaultResolution();
    QVERIFY(!slider(panel, "Width")->isEnabled());
    QVERIFY(!slider(panel, "Height")->isEnabled());
    Vireo::Fixture::removeActiveDevice();
    panel.updateOutputDefaultResolution();
    QVERIFY(!slider(panel, "Width")->isEnabled());
}

void TestEdidSupplement::typedWidthClampsAndSnaps_data()
{
    QTest::addColumn<int>("cardStep");
    QTest::addColumn<int>("typedWidth");
    QTest::addColumn<int>("typedHeight");
    QTest::addColumn<QSize>("reported");

    QTest::newRow("step 8 snaps down") << 8 << 1923 << 1080 << QSize(1920, 1080);
    QTest::newRow("step 8 multiple stays") << 8 << 1928 << 1080 << QSize(1928, 1080);
    QTest::newRow("no card step keeps it") << -1 << 1923 << 1080 << QSize(1923, 1080);
    QTest::newRow("at the maxima") << 8 << 4096 << 4096 << QSize(4096, 4096);
    QTest::newRow("past the maxima clamps") << 8 << 5000 << 9999 << QSize(4096, 4096);
    QTest::newRow("below the minima clamps") << 8 << 100 << 10 << QSize(640, 480);
    QTest::newRow("zero step is no step") << 0 << 1923 << 1080 << QSize(1923, 1080);
}

void TestEdidSupplement::typedWidthClampsAndSnaps()
{
    QFETCH(int, cardStep);
    QFETCH(int, typedWidth);
    QFETCH(int, typedHeight);
    QFETCH(QSize, reported);

    Shown shown(TimingEnum::Input, TimingEnum::HDMI_2_0, TimingEnum::_4K);
    EdidSupplement& panel = *shown.panel;
    // The card's step, read again with the limits.
    InterfaceConfig::instance()->setCardConnector(0x2001, TimingEnum::HDMI_2_0, {cardStep});
    panel.updateInputDefaultResolution();
    QSignalSpy custom(&panel, &EdidSupplement::signal_customEdidDataChanged);

    slider(panel, "Width")->simulateUserEdit(typedWidth);
    slider(panel, "Height")->simulateUserEdit(typedHeight);
    QCOMPARE(slider(panel, "Width")->value(), reported.width());
    QCOMPARE(custom.count(), 0);
    QTest::mouseClick(pushButton(panel, "Apply"), Qt::LeftButton);
    QCOMPARE(custom.count(), 1);
    QCOMPARE(custom.at(0).at(0).toSize(), reported);
    QCOMPARE(custom.at(0).at(1).toFloat(), 60.f);
}

void TestEdidSupplement::shownTimingText_data()
{
    QTest::addColumn<s_TimingDetailBody>("timing");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<QString>("rateText");
    QTest::newRow("preset 1080p59.94") << timingBody(1920, 1080, 5994) << false << "59.94";
    QTest::newRow("preset 4K30") << timingBody(3840, 2160, 3000) << false << "30";
    QTest::newRow("custom size") << timingBody(1920, 1000, 6000) << true << "60";
    QTest::newRow("custom rate") << timingBody(1920, 1080, 5995) << true << "59.95";
    QTest::newRow("interlaced only on inputs") << timingBody(1920, 1080, 5000, 1) << false << "50";
}

void TestEdidSupplement::shownTimingText()
{
    QFETCH(s_TimingDetailBody, timing);
    QFETCH(bool, custom);
    QFETCH(QString, rateText);

    Shown shown(TimingEnum::Input, TimingEnum::HDMI_2_0, TimingEnum::_4K);
    EdidSupplement& panel = *shown.panel;
    QSignalSpy custom1(&panel, &EdidSupplement::signal_customEdidDataChanged);
    QSignalSpy preset(&panel, &EdidSupplement::signal_defaultEdidDataChanged);
    panel.initParm(0, timing, TimingEnum::UnUsed);

    const QSize size(timing.horizontal.addTime, timing.vertical.addTime);
    const float rate = Vireo::BizModel::Helper::protoRate2ModelRate(timing.refresh);
    const QString expected = custom ? QStringLiteral("Custom")
                                    : Vireo::BizModel::Helper::formatFramerate(size, rate, timing.interlaced != 0);
    QCOMPARE(presetButton(panel)->text(), expected);
    QCOMPARE(rateButton(panel)->text(), rateText);
    QCOMPARE(slider(panel, "Width")->value(), size.width());
    QCOMPARE(slider(panel, "Height")->value(), size.height());
    // Showing a timing is not an edit.
    QCOMPARE(custom1.count() + preset.count(), 0);

    // Retranslating re-reads the input's timing from the model.
    shown.dev.selectedInterface()->setPresetTiming(size, rate, timing.interlaced != 0);
    panel.retranslateUi();
    QCOMPARE(presetButton(panel)->text(), expected);
}

void TestEdidSupplement::modelSlotsShowTheirOwnInterface()
{
    TimingDevice dev(TimingEnum::MainOutput, TimingEnum::HDMI_2_0, TimingEnum::_4K, 0x3001);
    auto* device = Vireo::Fixture::activeDevice();
    auto& input = device->addInput(5, TimingDevice::port(1, 0), TimingEnum::HDMI_2_0);
    input.setCapacity(TimingEnum::_4K);
    input.setPresetTiming(QSize(1280, 720), 50.f, false);
    device->setSelectedInputs({device->findInput(5)});
    dev.selectedInterface()->setPresetTiming(QSize(3840, 2160), 59.94f, false);

    EdidSupplement outputPanel(TimingEnum::MainOutput);
    outputPanel.updateOutputDefaultResolution();
    outputPanel.retranslateUi();
    QCOMPARE(slider(outputPanel, "Width")->value(), 3840);
    QCOMPARE(rateButton(outputPanel)->text(), QStringLiteral("59.94"));

    EdidSupplement inputPanel(TimingEnum::Input);
    inputPanel.updateInputDefaultResolution();
    inputPanel.freshInputModelChanged();
    QCOMPARE(slider(inputPanel, "Width")->value(), 1280);
    QCOMPARE(presetButton(inputPanel)->text(), Vireo::BizModel::Helper::formatFramerate(QSize(1280, 720), 50.f, false));

    // The model changes: the slot re-reads it.
    dev.selectedInterface()->setPresetTiming(QSize(1920, 1080), 50.f, false);
    outputPanel.slot_outputModelChanged();
    QCOMPARE(slider(outputPanel, "Height")->value(), 1080);
    QCOMPARE(rateButton(outputPanel)->text(), QStringLiteral("50"));
}

void TestEdidSupplement::presetPickerReportsChoice()
{
    Shown shown(TimingEnum::Input, TimingEnum::HDMI_2_0, TimingEnum::_4K);
    EdidSupplement& panel = *shown.panel;
    panel.initParm(0, timingBody(1920, 1080, 5994), TimingEnum::UnUsed);
    QSignalSpy chosen(&panel, &EdidSupplement::signal_defaultEdidDataChanged);

    auto* dialog = openPicker(panel);
    QVERIFY(dialog);
    // The shown timing is preselected.
    QVERIFY(pickerButton(dialog, "frameRate", "1920x1080")->isChecked());
    QVERIFY(pickerButton(dialog, "FreshRate", "59.94")->isChecked());

    QTest::mouseClick(pickerButton(dialog, "frameRate", "3840x2160"), Qt::LeftButton);
    QTest::mouseClick(pickerButton(dialog, "FreshRate", "30"), Qt::LeftButton);
    QTest::mouseClick(pushButton(*dialog, "OK"), Qt::LeftButton);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toSize(), QSize(3840, 2160));
    QCOMPARE(chosen.at(0).at(1).toFloat(), 30.f);
    QCOMPARE(chosen.at(0).at(2).toInt(), 0);
    QVERIFY(!dialog->isVisible());
}

void TestEdidSupplement::presetPickerOffersWhatTheModeCarries_data()
{
    QTest::addColumn<int>("cardType");
    QTest::addColumn<int>("connector");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<bool>("uhd");
    QTest::addColumn<bool>("interlaced");

    QTest::newRow("HDMI 2.0 input, dual link")
        << int(TimingEnum::Input) << int(TimingEnum::HDMI_2_0) << int(TimingEnum::_DL) << false << true;
    QTest::newRow("HDMI 2.0 input, 4K") << int(TimingEnum::Input) << int(TimingEnum::HDMI_2_0) << int(TimingEnum::_4K)
                                        << true << true;
    QTest::newRow("DP 1.2 output, 4K") << int(TimingEnum::MainOutput) << int(TimingEnum::DP_1_2) << int(TimingEnum::_4K)
                                       << true << false;
    QTest::newRow("dual-link DVI output, 4K")
        << int(TimingEnum::MainOutput) << int(TimingEnum::Dual_Link_DVI) << int(TimingEnum::_4K) << false << false;
    QTest::newRow("12G-SDI input, single link")
        << int(TimingEnum::Input) << int(TimingEnum::_12G_SDI) << int(TimingEnum::_SL) << false << true;
}

void TestEdidSupplement::presetPickerOffersWhatTheModeCarries()
{
    QFETCH(int, cardType);
    QFETCH(int, connector);
    QFETCH(int, capacity);
    QFETCH(bool, uhd);
    QFETCH(bool, interlaced);

    Shown shown(cardType, connector, capacity, cardType == TimingEnum::Input ? 0x2001 : 0x3001);
    EdidSupplement& panel = *shown.panel;
    auto* dialog = openPicker(panel);
    QVERIFY(dialog);
    const QStringList frames = textsOf(buttonsWith(dialog, "isPopupDialogBtn", "frameRate"));
    QVERIFY(frames.contains(QStringLiteral("1920x1080")));
    QCOMPARE(frames.contains(QStringLiteral("3840x2160")), uhd);
    QCOMPARE(frames.contains(QStringLiteral("1920x1080i")), interlaced);
}

void TestEdidSupplement::vanishedInterfaceOrCancelSendsNothing_data()
{
    QTest::addColumn<int>("cardType");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("viaRatePopup");
    for (bool rate : {false, true}) {
        for (int type : {int(TimingEnum::Input), int(TimingEnum::MainOutput)}) {
            const char* popup = rate ? "rate popup" : "preset picker";
            const char* kind = type == TimingEnum::Input ? "input" : "output";
            for (const char* how : {"removed", "unselected", "device gone", "another selected"})
                QTest::addRow("%s, %s %s", popup, kind, how) << type << QString::fromLatin1(how) << rate;
        }
    }
    QTest::newRow("preset picker cancelled") << int(TimingEnum::Input) << "cancelled" << false;
}

void TestEdidSupplement::vanishedInterfaceOrCancelSendsNothing()
{
    QFETCH(int, cardType);
    QFETCH(QString, how);
    QFETCH(bool, viaRatePopup);

    const bool input = cardType == TimingEnum::Input;
    Shown shown(cardType, TimingEnum::HDMI_2_0, TimingEnum::_4K, input ? 0x2001 : 0x3001);
    EdidSupplement& panel = *shown.panel;
    QSignalSpy chosen(&panel, &EdidSupplement::signal_defaultEdidDataChanged);
    QSignalSpy custom(&panel, &EdidSupplement::signal_customEdidDataChanged);
    const QString rateBefore = rateButton(panel)->text();

    PresupposeDialolg* dialog = nullptr;
    FreshRateSelectedWidget* popup = nullptr;
    if (viaRatePopup) {
        QTest::mouseClick(rateButton(panel), Qt::LeftButton);
        popup = ratePopup(panel);
        QVERIFY(popup && popup->isVisible());
    } else {
        dialog = openPicker(panel);
        QVERIFY(dialog);
        QTest::mouseClick(pickerButton(dialog, "frameRate", "1280x720"), Qt::LeftButton);
    }

    auto* device = Vireo::Fixture::activeDevice();
    if (how == QLatin1String("removed")) {
        input ? device->removeInput(0) : device->removeOutput(0);
    } else if (how == QLatin1String("unselected")) {
        input ? device->setSelectedInputs({}) : device->setSelectedOutputs({});
    } else if (how == QLatin1String("device gone")) {
        Vireo::Fixture::removeActiveDevice();
    } else if (how == QLatin1String("cancelled")) {
        // Nothing changes: the operator cancels the choice.
    } else if (input) {
        device->addInput(7, TimingDevice::port(0, 1), TimingEnum::HDMI_2_0).setCapacity(TimingEnum::_4K);
        device->setSelectedInputs({device->findInput(7)});
    } else {
        device->addOutput(7, TimingEnum::MainOutput, TimingDevice::port(0, 1), TimingEnum::HDMI_2_0)
            .setCapacity(TimingEnum::_4K);
        device->setSelectedOutputs({device->findOutput(7)});
    }

    if (viaRatePopup) {
        QTest::mouseClick(buttonWithText(buttonsWith(popup, "isRefreshRateButton"), "75"), Qt::LeftButton);
        QVERIFY(!popup->isVisible());
        QCOMPARE(rateButton(panel)->text(), rateBefore);
    } else {
        QTest::mouseClick(pushButton(*dialog, how == QLatin1String("cancelled") ? "Cancel" : "OK"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
    }
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(custom.count(), 0);
}

void TestEdidSupplement::missingConnectorKindOpensNothing()
{
    Shown shown(TimingEnum::Input, TimingEnum::HDMI_2_0, TimingEnum::_4K);
    EdidSupplement& panel = *shown.panel;
    InterfaceConfig::instance()->removeConnectorInfo(TimingEnum::HDMI_2_0);
    QTest::ignoreMessage(QtWarningMsg, "Fail to get connector info");
    QTest::mouseClick(presetButton(panel), Qt::LeftButton);
    QVERIFY(!picker() || !picker()->isVisible());
    QTest::ignoreMessage(QtWarningMsg, "Fail to get connector info");
    QCOMPARE(panel.formatMapping(QSize(1920, 1080), 60.f, 0), TimingEnum::UnUsed);

    // An input on a kind the table never had: logged, nothing offered, nothing sent.
    TimingDevice unknown(TimingEnum::Input, TimingEnum::INVALID, TimingEnum::_SL);
    EdidSupplement other(TimingEnum::Input);
    QTest::ignoreMessage(QtDebugMsg, "get current ConnectorCapacity error!");
    other.updateInputDefaultResolution();
    QTest::ignoreMessage(QtWarningMsg, "Fail to get connector info");
    other.initParm(0, timingBody(1920, 1080, 6000), TimingEnum::Level_A);
    QCOMPARE(presetButton(other)->text(), QStringLiteral("Custom"));
}

void TestEdidSupplement::rateChosenInPopupIsApplied()
{
    Shown shown(TimingEnum::MainOutput, TimingEnum::HDMI_2_0, TimingEnum::_4K, 0x3001);
    EdidSupplement& panel = *shown.panel;
    panel.initParm(4, timingBody(1920, 1080, 5994), TimingEnum::UnUsed);
    QSignalSpy custom(&panel, &EdidSupplement::signal_customEdidDataChanged);

    QTest::mouseClick(rateButton(panel), Qt::LeftButton);
    auto* popup = ratePopup(panel);
    QVERIFY(popup && popup->isVisible());
    QCOMPARE(popup->size(), QSize(255, 410));
    const auto rates = buttonsWith(popup, "isRefreshRateButton");
    QCOMPARE(textsOf(rates),
        QStringList({"23.98", "24", "25", "29.97", "30", "47.95", "48", "50", "56", "59.94", "60", "70", "71.93", "72",
            "75", "85", "100", "119.88", "120"}));
    QCOMPARE(buttonWithText(rates, "59.94")->isChecked(), true);
    // Beside the button: 10 px right of it, centred on its top edge.
    const QPoint corner = rateButton(panel)->mapToGlobal(QPoint(rateButton(panel)->width(), 0));
    QCOMPARE(popup->pos(), QPoint(corner.x() + 10, corner.y() - 205));

    QTest::mouseClick(buttonWithText(rates, "119.88"), Qt::LeftButton);
    QVERIFY(!popup->isVisible());
    QCOMPARE(rateButton(panel)->text(), QStringLiteral("119.88"));
    QCOMPARE(custom.count(), 0);

    slider(panel, "Width")->simulateUserEdit(2560);
    slider(panel, "Height")->simulateUserEdit(1440);
    QTest::mouseClick(pushButton(panel, "Apply"), Qt::LeftButton);
    QCOMPARE(custom.count(), 1);
    QCOMPARE(custom.at(0).at(0).toSize(), QSize(2560, 1440));
    QCOMPARE(custom.at(0).at(1).toFloat(), 119.88f);

    // Opened again, the popup is the same and marks the new rate.
    QTest::mouseClick(rateButton(panel), Qt::LeftButton);
    QCOMPARE(ratePopup(panel), popup);
    QVERIFY(buttonWithText(rates, "119.88")->isChecked());
}

void TestEdidSupplement::formatMappingTolerance_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<float>("rate");
    QTest::addColumn<int>("interlaced");
    QTest::addColumn<int>("mapping");
    QTest::newRow("1080p59.94") << QSize(1920, 1080) << 59.94f << 0 << int(TimingEnum::Level_A);
    QTest::newRow("59.9400001 is the same") << QSize(1920, 1080) << 59.9400001f << 0 << int(TimingEnum::Level_A);
    QTest::newRow("59.95 is not") << QSize(1920, 1080) << 59.95f << 0 << int(TimingEnum::UnUsed);
    QTest::newRow("1080p30 maps nothing") << QSize(1920, 1080) << 30.f << 0 << int(TimingEnum::UnUsed);
    QTest::newRow("1080i60 maps nothing") << QSize(1920, 1080) << 60.f << 1 << int(TimingEnum::UnUsed);
}

void TestEdidSupplement::formatMappingTolerance()
{
    QFETCH(QSize, size);
    QFETCH(float, rate);
    QFETCH(int, interlaced);
    QFETCH(int, mapping);
    Shown shown(TimingEnum::MainOutput, TimingEnum::_12G_SDI, TimingEnum::_SL, 0x3004);
    EdidSupplement& panel = *shown.panel;
    QCOMPARE(int(panel.formatMapping(size, rate, interlaced)), mapping);
}

void TestEdidSupplement::levelButtonsFollowTheFormat_data()
{
    QTest::addColumn<int>("modelId");
    QTest::addColumn<int>("protoRate");
    QTest::addColumn<int>("formatType");
    QTest::addColumn<QString>("flat"); // empty: buttons hidden

    QTest::newRow("mapped rate, device says B") << 0x3004 << 5000 << int(TimingEnum::Level_B) << "Level B";
    QTest::newRow("mapped rate, device unused") << 0x3004 << 6000 << int(TimingEnum::UnUsed) << "Level A";
    QTest::newRow("unmapped rate hides") << 0x3004 << 3000 << int(TimingEnum::Level_B) << "";
    QTest::newRow("card without mapping hides") << 0x3001 << 5000 << int(TimingEnum::Level_A) << "";
}

void TestEdidSupplement::levelButtonsFollowTheFormat()
{
    QFETCH(int, modelId);
    QFETCH(int, protoRate);
    QFETCH(int, formatType);
    QFETCH(QString, flat);

    Shown shown(TimingEnum::MainOutput, TimingEnum::_12G_SDI, TimingEnum::_4K, quint16(modelId));
    EdidSupplement& panel = *shown.panel;
    panel.initParm(0, timingBody(1920, 1080, protoRate), TimingEnum::FormatMapping(formatType));
    auto* levelA = pushButton(panel, "Level A");
    auto* levelB = pushButton(panel, "Level B");
    QCOMPARE(levelA->isVisible(), !flat.isEmpty());
    QCOMPARE(levelB->isVisible(), !flat.isEmpty());
    if (!flat.isEmpty()) {
        QCOMPARE(levelA->isFlat(), flat == QLatin1String("Level A"));
        QCOMPARE(levelB->isFlat(), flat == QLatin1String("Level B"));
    }
}

void TestEdidSupplement::levelClickNeedsAnOutput()
{
    Shown shown(TimingEnum::MainOutput, TimingEnum::_12G_SDI, TimingEnum::_4K, 0x3004);
    EdidSupplement& panel = *shown.panel;
    panel.initParm(0, timingBody(1920, 1080, 5000), TimingEnum::Level_A);
    QSignalSpy mapped(&panel, &EdidSupplement::signalFormatMappingChanged);

    QTest::mouseClick(pushButton(panel, "Level B"), Qt::LeftButton);
    QCOMPARE(mapped.count(), 1);
    QCOMPARE(*static_cast<const TimingEnum::FormatMapping*>(mapped.at(0).at(0).constData()), TimingEnum::Level_B);
    QVERIFY(pushButton(panel, "Level B")->isFlat());
    QVERIFY(!pushButton(panel, "Level A")->isFlat());

    panel.setLeaveABEnable(false);
    QVERIFY(!pushButton(panel, "Level A")->isEnabled());
    panel.setLeaveABEnable(true);

    Vireo::Fixture::activeDevice()->setSelectedOutputs({});
    QTest::ignoreMessage(QtWarningMsg, "The output object is null");
    QTest::mouseClick(pushButton(panel, "Level A"), Qt::LeftButton);
    QCOMPARE(mapped.count(), 1);
    QVERIFY(pushButton(panel, "Level B")->isFlat());
}

void TestEdidSupplement::enableVisibleAndHide()
{
    Shown shown(TimingEnum::Input, TimingEnum::HDMI_2_0, TimingEnum::_4K);
    EdidSupplement& panel = *shown.panel;

    panel.setEnable(false);
    QVERIFY(!presetButton(panel)->isEnabled());
    QVERIFY(!rateButton(panel)->isEnabled());
    QVERIFY(!pushButton(panel, "Apply")->isEnabled());
    QVERIFY(!slider(panel, "Height")->isEnabled());
    panel.setEnable(true);
    QVERIFY(presetButton(panel)->isEnabled());

    panel.updateCustomEdidVisible(false);
    QVERIFY(!slider(panel, "Width")->isVisible());
    QVERIFY(!rateButton(panel)->isVisible());
    QVERIFY(!pushButton(panel, "Apply")->isVisible());
    QVERIFY(presetButton(panel)->isVisible());
    panel.updateCustomEdidVisible(true);
    QVERIFY(slider(panel, "Width")->isVisible());

    panel.setDefaultTip(QStringLiteral("from the table"));
    QCOMPARE(panel.findChildren<GroupWidget*>().at(0)->tip(), QStringLiteral("from the table"));
    panel.setCustomTip(QStringLiteral("typed"));
    QCOMPARE(panel.findChildren<GroupWidget*>().at(1)->tip(), QStringLiteral("typed"));

    // Hiding the panel takes its popups away.
    QVERIFY(openPicker(panel));
    QTest::mouseClick(rateButton(panel), Qt::LeftButton);
    QVERIFY(ratePopup(panel)->isVisible());
    shown.window.hide();
    QVERIFY(!picker()->isVisible());
    QVERIFY(!ratePopup(panel)->isVisible());
}

QTEST_MAIN(TestEdidSupplement)
#include "tst_edidsupplement.moc"
