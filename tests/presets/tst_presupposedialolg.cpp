#include "presets/presettestutil.h"

#include <vireowidgets/presets/presupposedialolg.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Vireo::Widgets;
using namespace Vireo::Test;
using Vireo::BizModel::s_VESAResolutionRatio;

namespace {

using Presets = QList<s_VESAResolutionRatio>;

// The table of the first edge case: 1080p at 50, 59.94 and 60 Hz, and 1080i at 50 Hz.
Presets hdTable()
{
    return {presetEntry(1920, 1080, 50.f), presetEntry(1920, 1080, 59.94f), presetEntry(1920, 1080, 60.f),
        presetEntry(1920, 1080, 50.f, 1, 0, 1)};
}

QList<QAbstractButton*> resolutionButtons(PresupposeDialolg& dialog)
{
    return buttonsWith(&dialog, "isPopupDialogBtn", "frameRate");
}

QList<QAbstractButton*> rateButtons(PresupposeDialolg& dialog)
{
    return buttonsWith(&dialog, "isPopupDialogBtn", "FreshRate");
}

QString checkedText(const QList<QAbstractButton*>& buttons)
{
    QStringList checked;
    for (auto* button : buttons) {
        if (button->isChecked())
            checked.append(button->text());
    }
    return checked.join(QLatin1Char(','));
}

QPushButton* dialogButton(PresupposeDialolg& dialog, const QString& text)
{
    for (auto* button : dialog.findChildren<QPushButton*>()) {
        if (!button->property("isPopupDialogBtn").toBool() && button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Presets)

class TestPresupposeDialolg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void layoutTextsAndStyle();
    void duplicatesCollapseIntoOneButton();
    void choosingResolutionOffersItsRates_data();
    void choosingResolutionOffersItsRates();
    void entriesFollowCardKindAndCapacity_data();
    void entriesFollowCardKindAndCapacity();
    void okReportsTheCheckedTriple();
    void okWithoutRateWarnsAndStaysOpen();
    void emptyTableCannotBeConfirmed();
    void cancelReportsNothing();
    void missingConnectorOrDeviceOffersNoRates_data();
    void missingConnectorOrDeviceOffersNoRates();
    void setCurrentSelectPreselects();
    void customTest_data();
    void customTest();
};

void TestPresupposeDialolg::init()
{
    Vireo::Fixture::reset();
}

void TestPresupposeDialolg::layoutTextsAndStyle()
{
    PresupposeDialolg dialog(TimingEnum::Input);
    QVERIFY(dialog.windowFlags() & Qt::Popup);
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(dialog.styleSheet(), QStringLiteral("QDialog{background-color:rgb(31,32,36);border:1px solid #0c0d0e;}"));
    QStringList labels;
    for (auto* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    QVERIFY(labels.contains(QStringLiteral("please select standard resolution")));
    QVERIFY(labels.contains(QStringLiteral("please select standard frequence")));
    QVERIFY(dialogButton(dialog, QStringLiteral("OK")));
    QVERIFY(dialogButton(dialog, QStringLiteral("Cancel")));
}

void TestPresupposeDialolg::duplicatesCollapseIntoOneButton()
{
    PresupposeDialolg dialog(TimingEnum::Input);
    dialog.setCurVESAResolutionRatio(TimingEnum::HDMI_1_4, hdTable());
    const auto frames = resolutionButtons(dialog);
    QCOMPARE(textsOf(frames), QStringList({"1920x1080", "1920x1080i"}));
    QCOMPARE(frames.at(1)->property("frameRate").toSize(), QSize(1920, 1080));
    QCOMPARE(frames.at(1)->property("interlaced").toInt(), 1);
    QVERIFY(frames.at(0)->isCheckable());
    // Before a resolution is chosen every distinct rate of the table is offered once.
    QCOMPARE(textsOf(rateButtons(dialog)), QStringList({"50", "59.94", "60"}));
    QCOMPARE(rateButtons(dialog).at(1)->property("FreshRate").toFloat(), 59.94f);

    // Filling again replaces the buttons.
    dialog.setCurVESAResolutionRatio(TimingEnum::HDMI_1_4, {presetEntry(1280, 720, 50.f)});
    QCOMPARE(textsOf(resolutionButtons(dialog)), QStringList({"1280x720"}));
    QCOMPARE(textsOf(rateButtons(dialog)), QStringList({"50"}));
    QCOMPARE(dialog.connectorType(), TimingEnum::HDMI_1_4);
}

void TestPresupposeDialolg::choosingResolutionOffersItsRates_data()
{
    QTest::addColumn<Presets>("table");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QStringList>("rates");
    QTest::addColumn<QString>("checked");

    QTest::newRow("60 Hz is preferred") << hdTable() << "1920x1080" << QStringList {"50", "59.94", "60"} << "60";
    QTest::newRow("interlaced has its own rates") << hdTable() << "1920x1080i" << QStringList {"50"} << "50";
    QTest::newRow("no 60 Hz: the last rate")
        << Presets {presetEntry(3840, 2160, 24.f), presetEntry(3840, 2160, 25.f), presetEntry(3840, 2160, 30.f)}
        << "3840x2160" << QStringList {"24", "25", "30"} << "30";
    QTest::newRow("59.94 is not 60") << Presets {presetEntry(1280, 720, 60.f), presetEntry(1280, 720, 59.94f)}
                                     << "1280x720" << QStringList {"60", "59.94"} << "60";
    QTest::newRow("rate just off 60 within tolerance")
        << Presets {presetEntry(1280, 720, 50.f), presetEntry(1280, 720, 60.0000001f)} << "1280x720"
        << QStringList {"50", "60"} << "60";
}

void TestPresupposeDialolg::choosingResolutionOffersItsRates()
{
    QFETCH(Presets, table);
    QFETCH(QString, resolution);
    QFETCH(QStringList, rates);
    QFETCH(QString, checked);

    TimingDevice dev(TimingEnum::Input, TimingEnum::HDMI_1_4, TimingEnum::_SL);
    installConnector(TimingEnum::HDMI_1_4, table);
    PresupposeDialolg dialog(TimingEnum::Input);
    dialog.setCurVESAResolutionRatio(TimingEnum::HDMI_1_4, table);
    dialog.show();

    auto* button = buttonWithText(resolutionButtons(dialog), resolution);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(button->isChecked());
    QCOMPARE(textsOf(rateButtons(dialog)), rates);
    QCOMPARE(checkedText(rateButtons(dialog)), checked);
    QCOMPARE(dialog.getCurFrameRate(), button->property("frameRate").toSize());
    QCOMPARE(Vireo::Test::buttonWithText(rateButtons(dialog), checked)->property("FreshRate").toFloat(),
        dialog.getCurFreshRate());
}

void TestPresupposeDialolg::entriesFollowCardKindAndCapacity_data()
{
    QTest::addColumn<int>("cardType");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QStringList>("rates");

    // 3840x2160 at 24 (any card, 4K bit), 30 (outputs only, 4K bit), 25 (inputs only, dual link).
    QTest::newRow("input, dual link") << int(TimingEnum::Input) << int(TimingEnum::_DL) << QStringList {"25"};
    QTest::newRow("input, 4K") << int(TimingEnum::Input) << int(TimingEnum::_4K) << QStringList {"24", "25"};
    QTest::newRow("output, 4K") << int(TimingEnum::MainOutput) << int(TimingEnum::_4K) << QStringList {"24", "30"};
    QTest::newRow("output, single link") << int(TimingEnum::AUXOutput) << int(TimingEnum::_SL) << QStringList {};
}

void TestPresupposeDialolg::entriesFollowCardKindAndCapacity()
{
    QFETCH(int, cardType);
    QFETCH(int, capacity);
    QFETCH(QStringList, rates);

    TimingDevice dev(cardType, TimingEnum::DP_1_2, capacity);
    const Presets table {
        presetEntry(3840, 2160, 24.f, 7, 0), presetEntry(3840, 2160, 30.f, 7, 2), presetEntry(3840, 2160, 25.f, 3, 1)};
    installConnector(TimingEnum::DP_1_2, table);
    PresupposeDialolg dialog(static_cast<TimingEnum::InterfaceType>(cardType));
    dialog.setCurVESAResolutionRatio(TimingEnum::DP_1_2, table);
    dialog.show();
    QTest::mouseClick(resolutionButtons(dialog).at(0), Qt::LeftButton);
    QCOMPARE(textsOf(rateButtons(dialog)), rates);
    QCOMPARE(dialog.isCustomEDID(QSize(3840, 2160), 0, 24.f), !rates.contains(QStringLiteral("24")));
    QCOMPARE(dialog.isCustomEDID(QSize(3840, 2160), 0, 25.f), !rates.contains(QStringLiteral("25")));
}

void TestPresupposeDialolg::okReportsTheCheckedTriple()
{
    TimingDevice dev(TimingEnum::MainOutput, TimingEnum::HDMI_2_0, TimingEnum::_SL);
    installConnector(TimingEnum::HDMI_2_0, hdTable());
    PresupposeDialolg dialog(TimingEnum::MainOutput);
    dialog.setCurVESAResolutionRatio(TimingEnum::HDMI_2_0, hdTable());
    dialog.show();
    QSignalSpy chosen(&dialog, &PresupposeDialolg::signal_SelectPresuppose);

    QTest::mouseClick(resolutionButtons(dialog).at(0), Qt::LeftButton);
    QTest::mouseClick(buttonWithText(rateButtons(dialog), QStringLiteral("59.94")), Qt::LeftButton);
    QCOMPARE(dialog.getCurFreshRate(), 59.94f);
    QCOMPARE(checkedText(rateButtons(dialog)), QStringLiteral("59.94"));
    QTest::mouseClick(dialogButton(dialog, QStringLiteral("OK")), Qt::LeftButton);

    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toSize(), QSize(1920, 1080));
    QCOMPARE(chosen.at(0).at(1).toFloat(), 59.94f);
    QCOMPARE(chosen.at(0).at(2).toInt(), 0);
    QVERIFY(!dialog.isVisible());
}

void TestPresupposeDialolg::okWithoutRateWarnsAndStaysOpen()
{
    AnsweredMessageBoxes boxes;
    TimingDevice dev(TimingEnum::Input, TimingEnum::HDMI_1_4, TimingEnum::_SL);
    PresupposeDialolg dialog(TimingEnum::Input);
    dialog.setCurVESAResolutionRatio(TimingEnum::HDMI_1_4, hdTable());
    dialog.show();
    QSignalSpy chosen(&dialog, &PresupposeDialolg::signal_SelectPresuppose);

    QTest::mouseClick(dialogButton(dialog, QStringLiteral("OK")), Qt::LeftButton);
    QCOMPARE(chosen.count(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(boxes.calls().size(), 1);
    QCOMPARE(boxes.calls().at(0).kind, ZK::Widgets::MessageBoxCall::Warning);
    QCOMPARE(boxes.calls().at(0).title, QStringLiteral("Remind"));
    QCOMPARE(boxes.calls().at(0).text, QStringLiteral("Please select the complete standard data"));

    // A rate alone is not a choice either.
    QTest::mouseClick(rateButtons(dialog).at(0), Qt::LeftButton);
    QTest::mouseClick(dialogButton(dialog, QStringLiteral("OK")), Qt::LeftButton);
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(boxes.calls().size(), 2);
}

void TestPresupposeDialolg::emptyTableCannotBeConfirmed()
{
    PresupposeDialolg dialog(TimingEnum::Input);
    dialog.setCurVESAResolutionRatio(TimingEnum::HDMI_1_4, {});
    QVERIFY(resolutionButtons(dialog).isEmpty());
    QVERIFY(rateButtons(dialog).isEmpty());
    QVERIFY(!dialogButton(dialog, QStringLiteral("OK"))->isEnabled());
    dialog.setCurVESAResolutionRatio(TimingEnum::HDMI_1_4, hdTable());
    QVERIFY(dialogButton(dialog, QStringLiteral("OK"))->isEnabled());
}

void TestPresupposeDialolg::cancelReportsNothing()
{
    TimingDevice dev(TimingEnum::Input, TimingEnum::HDMI_1_4, TimingEnum::_SL);
    installConnector(TimingEnum::HDMI_1_4, hdTable());
    PresupposeDialolg dialog(TimingEnum::Input);
    dialog.setCurVESAResolutionRatio(TimingEnum::HDMI_1_4, hdTable());
    dialog.show();
    QSignalSpy chosen(&dialog, &PresupposeDialolg::signal_SelectPresuppose);
    QTest::mouseClick(resolutionButtons(dialog).at(0), Qt::LeftButton);
    QTest::mouseClick(dialogButton(dialog, QStringLiteral("Cancel")), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(chosen.count(), 0);
}

void TestPresupposeDialolg::missingConnectorOrDeviceOffersNoRates_data()
{
    QTest::addColumn<bool>("withDevice");
    QTest::addColumn<bool>("withSelection");
    QTest::addColumn<bool>("withConnector");
    QTest::addColumn<QString>("capacityWarning"); // what reading the capacity logs, if anything
    QTest::newRow("connector kind not in the table") << true << true << false << QString();
    QTest::newRow("nothing selected") << true << false << true << "The input object is null";
    QTest::newRow("no device") << false << false << true << "The device object is null";
}

void TestPresupposeDialolg::missingConnectorOrDeviceOffersNoRates()
{
    QFETCH(bool, withDevice);
    QFETCH(bool, withSelection);
    QFETCH(bool, withConnector);

    TimingDevice dev(TimingEnum::Input, TimingEnum::HDMI_1_4, TimingEnum::_SL);
    if (!withConnector)
        Vireo::BizModel::InterfaceConfig::instance()->removeConnectorInfo(TimingEnum::HDMI_1_4);
    if (!withSelection)
        Vireo::Fixture::activeDevice()->setSelectedInputs({});
    if (!withDevice)
        Vireo::Fixture::removeActiveDevice();

    PresupposeDialolg dialog(TimingEnum::Input);
    dialog.setCurVESAResolutionRatio(TimingEnum::HDMI_1_4, hdTable());
    dialog.show();
    QTest::ignoreMessage(QtCriticalMsg, "get current ConnectorInfo error!");
    QTest::mouseClick(resolutionButtons(dialog).at(0), Qt::LeftButton);
    QVERIFY(rateButtons(dialog).isEmpty());
    QTest::ignoreMessage(QtCriticalMsg, "get current ConnectorInfo error!");
    QVERIFY(dialog.isCustomEDID(QSize(1920, 1080), 0, 60.f));

    QFETCH(QString, capacityWarning);
    if (capacityWarning.isEmpty()) {
        QCOMPARE(dialog.getCurCapacity(), int(TimingEnum::_SL));
    } else {
        QTest::ignoreMessage(QtWarningMsg, capacityWarning.toLatin1().constData());
        QCOMPARE(dialog.getCurCapacity(), int(TimingEnum::invaild));
    }
}

void TestPresupposeDialolg::setCurrentSelectPreselects()
{
    TimingDevice dev(TimingEnum::Input, TimingEnum::HDMI_1_4, TimingEnum::_SL);
    installConnector(TimingEnum::HDMI_1_4, hdTable());
    PresupposeDialolg dialog(TimingEnum::Input);
    dialog.setCurVESAResolutionRatio(TimingEnum::HDMI_1_4, hdTable());

    dialog.setCurrentSelect(QSize(1920, 1080), 59.9400001f, 0);
    QCOMPARE(checkedText(resolutionButtons(dialog)), QStringLiteral("1920x1080"));
    QCOMPARE(textsOf(rateButtons(dialog)), QStringList({"50", "59.94", "60"}));
    QCOMPARE(checkedText(rateButtons(dialog)), QStringLiteral("59.94"));

    dialog.setCurrentSelect(QSize(1920, 1080), 50.f, 1);
    QCOMPARE(checkedText(resolutionButtons(dialog)), QStringLiteral("1920x1080i"));
    QCOMPARE(checkedText(rateButtons(dialog)), QStringLiteral("50"));

    // A custom timing leaves nothing checked.
    dialog.setCurrentSelect(QSize(1000, 500), 33.f, 0);
    QCOMPARE(checkedText(resolutionButtons(dialog)), QString());
    QCOMPARE(checkedText(rateButtons(dialog)), QString());
}

void TestPresupposeDialolg::customTest_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("interlaced");
    QTest::addColumn<float>("rate");
    QTest::addColumn<bool>("custom");
    QTest::newRow("preset") << QSize(1920, 1080) << 0 << 59.94f << false;
    QTest::newRow("within 1e-6") << QSize(1920, 1080) << 0 << 59.9400001f << false;
    QTest::newRow("59.95") << QSize(1920, 1080) << 0 << 59.95f << true;
    QTest::newRow("interlaced at 60") << QSize(1920, 1080) << 1 << 60.f << true;
    QTest::newRow("interlaced at 50") << QSize(1920, 1080) << 1 << 50.f << false;
    QTest::newRow("other size") << QSize(1920, 1200) << 0 << 60.f << true;
}

void TestPresupposeDialolg::customTest()
{
    QFETCH(QSize, size);
    QFETCH(int, interlaced);
    QFETCH(float, rate);
    QFETCH(bool, custom);
    TimingDevice dev(TimingEnum::Input, TimingEnum::HDMI_1_4, TimingEnum::_SL);
    installConnector(TimingEnum::HDMI_1_4, hdTable());
    PresupposeDialolg dialog(TimingEnum::Input);
    dialog.setConnectorType(TimingEnum::HDMI_1_4);
    QCOMPARE(dialog.isCustomEDID(size, interlaced, rate), custom);
}

QTEST_MAIN(TestPresupposeDialolg)
#include "tst_presupposedialolg.moc"
