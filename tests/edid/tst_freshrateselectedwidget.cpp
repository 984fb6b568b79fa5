#include "presets/presettestutil.h"

#include <vireowidgets/edid/freshrateselectedwidget.h>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Vireo::Widgets;
using namespace Vireo::Test;

namespace {

const QList<float> kRates {23.98f, 24.f, 25.f, 29.97f, 30.f, 47.95f, 48.f, 50.f, 56.f, 59.94f, 60.f, 70.f, 71.93f, 72.f,
    75.f, 85.f, 100.f, 119.88f, 120.f};

void fill(FreshRateSelectedWidget& popup)
{
    for (float rate : kRates)
        popup.addPresetResolutionRatioData(rate);
}

QList<QAbstractButton*> rateButtons(FreshRateSelectedWidget& popup)
{
    return buttonsWith(&popup, "isRefreshRateButton");
}

QStringList shownTexts(FreshRateSelectedWidget& popup)
{
    QStringList texts;
    for (auto* button : rateButtons(popup)) {
        if (!button->isHidden())
            texts << button->text();
    }
    return texts;
}

QStringList checkedTexts(FreshRateSelectedWidget& popup)
{
    QStringList texts;
    for (auto* button : rateButtons(popup)) {
        if (button->isChecked())
            texts << button->text();
    }
    return texts;
}

} // namespace

class TestFreshRateSelectedWidget : public QObject
{
    Q_OBJECT

private slots:
    void popupWindowAndContent();
    void buttonText_data();
    void buttonText();
    void maxRateHidesFasterRates_data();
    void maxRateHidesFasterRates();
    void currentRateIsMatchedExactly_data();
    void currentRateIsMatchedExactly();
    void clickReportsMarksAndCloses();
    void removeAllButtonsEmptiesTheGrid();
};

void TestFreshRateSelectedWidget::popupWindowAndContent()
{
    QWidget host;
    auto* popup = new FreshRateSelectedWidget(&host);
    QVERIFY(popup->isWindow());
    QVERIFY(popup->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(popup->testAttribute(Qt::WA_TranslucentBackground));
    QFrame* content = nullptr;
    for (auto* frame : popup->findChildren<QFrame*>()) {
        if (frame->property("PresetResolutionDialogContent").toBool())
            content = frame;
    }
    QVERIFY(content);
    fill(*popup);
    QCOMPARE(rateButtons(*popup).size(), kRates.size());
    QCOMPARE(rateButtons(*popup).first()->parentWidget(), static_cast<QWidget*>(content));
}

void TestFreshRateSelectedWidget::buttonText_data()
{
    QTest::addColumn<float>("rate");
    QTest::addColumn<QString>("text");
    QTest::newRow("film") << 23.98f << "23.98";
    QTest::newRow("whole") << 60.f << "60";
    QTest::newRow("ntsc") << 59.94f << "59.94";
    QTest::newRow("high rate") << 119.88f << "119.88";
    QTest::newRow("six digits") << 71.92808f << "71.9281";
}

void TestFreshRateSelectedWidget::buttonText()
{
    QFETCH(float, rate);
    QFETCH(QString, text);
    FreshRateSelectedWidget popup;
    popup.addPresetResolutionRatioData(rate);
    auto* button = rateButtons(popup).value(0);
    QVERIFY(button);
    QCOMPARE(button->text(), text);
    QCOMPARE(button->property("freshData").toFloat(), rate);
    QCOMPARE(button->size(), QSize(74, 40));
    QVERIFY(button->isCheckable());
}

void TestFreshRateSelectedWidget::maxRateHidesFasterRates_data()
{
    QTest::addColumn<float>("maxRate");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("60") << 60.f
                        << QStringList {"23.98", "24", "25", "29.97", "30", "47.95", "48", "50", "56", "59.94", "60"};
    QTest::newRow("59.94 keeps 59.94, not 60")
        << 59.94f << QStringList {"23.98", "24", "25", "29.97", "30", "47.95", "48", "50", "56", "59.94"};
    QTest::newRow("below all") << 20.f << QStringList {};
}

void TestFreshRateSelectedWidget::maxRateHidesFasterRates()
{
    QFETCH(float, maxRate);
    QFETCH(QStringList, shown);
    FreshRateSelectedWidget popup;
    fill(popup);
    popup.setMaxFreshRate(maxRate);
    QCOMPARE(shownTexts(popup), shown);
    // A higher limit brings them back.
    popup.setMaxFreshRate(120.f);
    QCOMPARE(shownTexts(popup).size(), kRates.size());
}

void TestFreshRateSelectedWidget::currentRateIsMatchedExactly_data()
{
    QTest::addColumn<float>("rate");
    QTest::addColumn<QStringList>("checked");
    QTest::newRow("59.94") << 59.94f << QStringList {"59.94"};
    QTest::newRow("120") << 120.f << QStringList {"120"};
    QTest::newRow("not listed") << 61.f << QStringList {};
    QTest::newRow("close is not equal") << 59.9401f << QStringList {};
}

void TestFreshRateSelectedWidget::currentRateIsMatchedExactly()
{
    QFETCH(float, rate);
    QFETCH(QStringList, checked);
    FreshRateSelectedWidget popup;
    fill(popup);
    popup.setCurrentFreshRate(50.f);
    QCOMPARE(checkedTexts(popup), QStringList {"50"});
    popup.setCurrentFreshRate(rate);
    QCOMPARE(checkedTexts(popup), checked);
}

void TestFreshRateSelectedWidget::clickReportsMarksAndCloses()
{
    QWidget host;
    host.show();
    auto* popup = new FreshRateSelectedWidget(&host);
    fill(*popup);
    popup->setCurrentFreshRate(60.f);
    popup->show();
    QVERIFY(popup->isVisible());
    QSignalSpy chosen(popup, &FreshRateSelectedWidget::signal_freshRateChanged);

    QTest::mouseClick(buttonWithText(rateButtons(*popup), QStringLiteral("119.88")), Qt::LeftButton);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toFloat(), 119.88f);
    QCOMPARE(checkedTexts(*popup), QStringList {"119.88"});
    QVERIFY(!popup->isVisible());

    // Shown again, losing the focus closes it without a choice.
    popup->show();
    QVERIFY(popup->isVisible());
    QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(popup, &focusOut);
    QVERIFY(!popup->isVisible());
    QCOMPARE(chosen.count(), 1);
}

void TestFreshRateSelectedWidget::removeAllButtonsEmptiesTheGrid()
{
    FreshRateSelectedWidget popup;
    fill(popup);
    popup.removeAllButtons();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(rateButtons(popup).isEmpty());
    popup.addPresetResolutionRatioData(50.f);
    popup.setCurrentFreshRate(50.f);
    QCOMPARE(checkedTexts(popup), QStringList {"50"});
}

QTEST_MAIN(TestFreshRateSelectedWidget)
#include "tst_freshrateselectedwidget.moc"
