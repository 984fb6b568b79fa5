#include "common/testsupport.h"

#include <vireowidgets/edid/presetresolutiondialog.h>

#include <vireomodel/helper.h>

#include <QFocusEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Vireo::Widgets;
using ZK::VESA::s_DMTSchemaData;

namespace {

s_DMTSchemaData record(quint32 width, quint32 height, float rate)
{
    s_DMTSchemaData data;
    data.HorFrameTiming.AddrTime = width;
    data.VerFrameTiming.AddrTime = height;
    data.refreshRate = rate;
    return data;
}

QList<QPushButton*> buttons(PresetResolutionDialog& popup)
{
    QList<QPushButton*> found;
    for (auto* button : popup.findChildren<QPushButton*>()) {
        if (button->property("PresetResolutionButton").toBool())
            found << button;
    }
    return found;
}

QPushButton* withText(PresetResolutionDialog& popup, const QString& text)
{
    for (auto* button : buttons(popup)) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QString text(quint32 w, quint32 h, float rate)
{
    return Vireo::BizModel::Helper::formatFramerate(QSize(int(w), int(h)), rate, false);
}

} // namespace

class TestPresetResolutionDialog : public QObject
{
    Q_OBJECT

private slots:
    void popupShapeAndButtons();
    void clickMarksReportsAndCloses();
    void currentSelectionIsExact_data();
    void currentSelectionIsExact();
    void customEntryIsHiddenButMarkable();
};

void TestPresetResolutionDialog::popupShapeAndButtons()
{
    const s_DMTSchemaData hd = record(1920, 1080, 60.f);
    PresetResolutionDialog popup;
    QCOMPARE(popup.size(), QSize(550, 200));
    QVERIFY(popup.windowFlags() & Qt::Popup);
    QVERIFY(popup.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(popup.testAttribute(Qt::WA_TranslucentBackground));
    popup.addPresetResolutionRatioData(nullptr);
    QVERIFY(buttons(popup).isEmpty());
    popup.addPresetResolutionRatioData(&hd);
    auto* button = withText(popup, text(1920, 1080, 60.f));
    QVERIFY(button);
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    QCOMPARE(PresetResolutionDialog::recordOf(button), &hd);
    QVERIFY(button->parentWidget()->property("PresetResolutionDialogContent").toBool());
}

void TestPresetResolutionDialog::clickMarksReportsAndCloses()
{
    const QList<s_DMTSchemaData> records {record(1280, 720, 60.f), record(1920, 1080, 60.f), record(3840, 2160, 30.f)};
    PresetResolutionDialog popup;
    for (const auto& r : records)
        popup.addPresetResolutionRatioData(&r);
    popup.show();
    QSignalSpy clicked(&popup, &PresetResolutionDialog::sig_buttonClicked);
    auto* button = withText(popup, text(3840, 2160, 30.f));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).value<QAbstractButton*>(), static_cast<QAbstractButton*>(button));
    QVERIFY(button->isFlat());
    QVERIFY(!button->isEnabled());
    QVERIFY(!popup.isVisible());
    QCOMPARE(PresetResolutionDialog::recordOf(button)->refreshRate, 30.f);
    // Another choice moves the mark.
    popup.setCurSelResolution(records.at(0));
    QVERIFY(button->isEnabled());
    QVERIFY(withText(popup, text(1280, 720, 60.f))->isFlat());

    // Shown again, losing the focus closes it without a click.
    popup.show();
    QVERIFY(popup.isVisible());
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(&popup, &out);
    QVERIFY(!popup.isVisible());
    QCOMPARE(clicked.count(), 1);
}

void TestPresetResolutionDialog::currentSelectionIsExact_data()
{
    QTest::addColumn<float>("rate");
    QTest::addColumn<bool>("marked");
    QTest::newRow("same") << 59.94f << true;
    QTest::newRow("close is not the same") << 59.9401f << false;
}

void TestPresetResolutionDialog::currentSelectionIsExact()
{
    QFETCH(float, rate);
    QFETCH(bool, marked);
    const s_DMTSchemaData r = record(1920, 1080, 59.94f);
    PresetResolutionDialog popup;
    popup.addPresetResolutionRatioData(&r);
    popup.setCurSelResolution(record(1920, 1080, rate));
    QCOMPARE(buttons(popup).at(0)->isFlat(), marked);
    QCOMPARE(buttons(popup).at(0)->isEnabled(), !marked);
}

void TestPresetResolutionDialog::customEntryIsHiddenButMarkable()
{
    PresetResolutionDialog popup;
    {
        // The popup keeps its own copy: the caller's record may go.
        const s_DMTSchemaData custom = record(1000, 500, 55.f);
        popup.addNoNameResolutionRatioData(custom);
    }
    auto* button = withText(popup, QStringLiteral("Custom"));
    QVERIFY(button);
    QVERIFY(button->isHidden());
    QCOMPARE(PresetResolutionDialog::recordOf(button)->HorFrameTiming.AddrTime, 1000u);
    popup.setCurSelResolution(record(1000, 500, 55.f));
    QVERIFY(button->isFlat());
}

QTEST_MAIN(TestPresetResolutionDialog)
#include "tst_presetresolutiondialog.moc"
