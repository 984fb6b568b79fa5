#include "controlstestutil.h"

#include <vireowidgets/controls/sliderwithspinwidget.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <climits>

using namespace Vireo::Widgets;
using namespace Vireo::Test;

namespace {

// A window holding the control under test and a second focusable widget to move the focus to.
struct Host
{
    QWidget window;
    QLineEdit* elsewhere = nullptr;

    template <typename Control>
    Control* add(Control* control)
    {
        auto* layout = window.layout() ? static_cast<QHBoxLayout*>(window.layout()) : new QHBoxLayout(&window);
        layout->addWidget(control);
        if (!elsewhere) {
            elsewhere = new QLineEdit(&window);
            layout->addWidget(elsewhere);
        }
        return control;
    }

    bool show()
    {
        window.resize(640, 60);
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
};

QDoubleSpinBox* entryBoxOf(ZKSliderLineEditWidget* control)
{
    for (auto* box : control->findChildren<QDoubleSpinBox*>()) {
        if (box->property("SliderLineEditLineEdit").toBool())
            return box;
    }
    return nullptr;
}

QToolButton* buttonWithProperty(QWidget* control, const char* property)
{
    for (auto* button : control->findChildren<QToolButton*>()) {
        if (button->property(property).toBool())
            return button;
    }
    return nullptr;
}

} // namespace

class TestSliderWithSpinWidget : public QObject
{
    Q_OBJECT

private slots:
    void keyboardGoesSliderThenSpinBox();
    // --- SliderWithSpinWidget ---
    void intDragUpdatesSpinBoxAndReports();
    void intTypedValueCommits_data();
    void intTypedValueCommits();
    void intCodeSettersStaySilent();
    void labelWidthAndNames_data();
    void labelWidthAndNames();
    void realLabelTextReadsFullText();

    // --- SliderWithDoubleSpinWidget ---
    void doubleTypedValueRoundsAndReportsOnce();
    void doubleSetSpinBoxValueTruncatesAndRefusesNotANumber();
    void doubleSliderDrivesSpinBox();
    void doubleRangeDoesNotOverflow();

    // --- ZKSliderLineEditWidget ---
    void zkLayoutAndStyleHooks();
    void zkFactorDragAndType();
    void zkTypedValue_data();
    void zkTypedValue();
    void zkTwoDecimalRanges();
    void zkPlusAndMinus();
    void zkHoldPollReportsValuesThatBypassedTheHandler();
    void zkSyncOffLeavesBoxAlone();
    void zkSetCurValueWidensAndReports();
    void zkEntryBoxSelectsAllOnFocus();
    void wheelChangesNothing();
};

// ---------------------------------------------------------------------------------------------

void TestSliderWithSpinWidget::intDragUpdatesSpinBoxAndReports()
{
    Host host;
    auto* control = host.add(new SliderWithSpinWidget);
    control->setSliderRange(0, 10);
    control->setSpinBoxRange(0, 10);
    QVERIFY(host.show());
    QSignalSpy values(control, &SliderWithSpinWidget::signal_spinboxValueChanged);
    QSignalSpy pressed(control, &SliderWithSpinWidget::signal_sliderPressed);
    QSignalSpy released(control, &SliderWithSpinWidget::signal_sliderReleased);

    QSlider* slider = control->getColorSlider();
    pressSliderHandle(slider);
    QCOMPARE(pressed.count(), 1);
    moveSliderHandle(slider, 3);
    moveSliderHandle(slider, 6);
    QCOMPARE(released.count(), 0);
    releaseSliderHandle(slider);
    QCOMPARE(released.count(), 1);

    QCOMPARE(slider->value(), 6);
    QCOMPARE(control->getSpinBoxValue(), 6);
    QCOMPARE(values.count(), 2);
    QCOMPARE(values.at(0).at(0).toInt(), 3);
    QCOMPARE(values.at(1).at(0).toInt(), 6);
}

void TestSliderWithSpinWidget::intTypedValueCommits_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("Return") << int(Qt::Key_Return) << QStringLiteral("42");
    QTest::newRow("Enter") << int(Qt::Key_Enter) << QStringLiteral("42");
    // No key: the focus moves on.
    QTest::newRow("focus loss") << 0 << QStringLiteral("17");
}

void TestSliderWithSpinWidget::intTypedValueCommits()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    Host host;
    auto* control = host.add(new SliderWithSpinWidget);
    control->setSliderRange(0, 100);
    control->setSpinBoxRange(0, 100);
    QVERIFY(host.show());
    auto* spin = control->findChild<QSpinBox*>();
    QSignalSpy values(control, &SliderWithSpinWidget::signal_spinboxValueChanged);

    typeIntoSpinBox(spin, text);
    QCOMPARE(values.count(), 0);
    if (key)
        QTest::keyClick(spin, Qt::Key(key));
    else
        host.elsewhere->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toInt(), text.toInt());
    QCOMPARE(control->getColorSlider()->value(), text.toInt());
    if (!key)
        return;

    // Committing the same number again is still a commit.
    QTest::keyClick(spin, Qt::Key(key));
    QCOMPARE(values.count(), 2);
    QCOMPARE(values.at(1).at(0).toInt(), text.toInt());
}

void TestSliderWithSpinWidget::intCodeSettersStaySilent()
{
    SliderWithSpinWidget control;
    control.setSliderRange(0, 50);
    control.setSpinBoxRange(0, 50);
    QSignalSpy values(&control, &SliderWithSpinWidget::signal_spinboxValueChanged);

    control.setSliderValue(7);
    QCOMPARE(control.getColorSlider()->value(), 7);
    QCOMPARE(control.getSpinBoxValue(), 7);

    control.setSpinBoxValue(9);
    QCOMPARE(control.getSpinBoxValue(), 9);
    QCOMPARE(control.getColorSlider()->value(), 7);

    // Out of range: both clamp.
    control.setSliderValue(500);
    QCOMPARE(control.getColorSlider()->value(), 50);
    QCOMPARE(control.getSpinBoxValue(), 50);
    QCOMPARE(values.count(), 0);

    // The link is back: a slider move reports again.
    control.getColorSlider()->setValue(3);
    QCOMPARE(values.count(), 1);

    int low = 0, high = 0;
    control.getSliderRange(low, high);
    QCOMPARE(low, 0);
    QCOMPARE(high, 50);
    control.setSpinBoxRange(-5, 5);
    control.getSpinBoxRange(low, high);
    QCOMPARE(low, -5);
    QCOMPARE(high, 5);
    control.getSliderRange(low, high);
    QCOMPARE(high, 50);
}

void TestSliderWithSpinWidget::labelWidthAndNames_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("maximum");
    QTest::newRow("tiny") << 5 << 20;
    QTest::newRow("twenty") << 20 << 20;
    QTest::newRow("twenty-one") << 21 << 21;
    QTest::newRow("wide") << 140 << 140;
}

void TestSliderWithSpinWidget::labelWidthAndNames()
{
    QFETCH(int, requested);
    QFETCH(int, maximum);

    SliderWithSpinWidget intControl;
    intControl.setLabelName(QStringLiteral("Hue"));
    intControl.setLabelWidgetMaxLength(requested);
    QCOMPARE(intControl.getLabel()->maximumWidth(), maximum);
    QCOMPARE(intControl.getLabelName(), QStringLiteral("Hueqq"));
    QCOMPARE(intControl.getLabel()->buddy(), intControl.getColorSlider());

    SliderWithDoubleSpinWidget doubleControl;
    doubleControl.setLabelName(QStringLiteral("Gamma"));
    doubleControl.setLabelWidgetMaxLength(requested);
    QCOMPARE(doubleControl.findChild<QLabel*>()->maximumWidth(), maximum);
    QCOMPARE(doubleControl.getLabelName(), QStringLiteral("Gammaqq"));
}

void TestSliderWithSpinWidget::realLabelTextReadsFullText()
{
    SliderWithSpinWidget control;
    control.setLabelName(QStringLiteral("Horizontal"));
    QCOMPARE(control.readlLabelText(), QStringLiteral("Horizontal"));
    QCOMPARE(control.realLabelTextWidth(), control.fontMetrics().horizontalAdvance(QStringLiteral("Horizontal")));

    // A label showing an elided copy keeps its full text for measuring.
    control.getLabel()->setText(QStringLiteral("Horiz..."));
    control.getLabel()->setProperty("realText", QStringLiteral("Horizontal total"));
    QCOMPARE(control.readlLabelText(), QStringLiteral("Horizontal total"));
}

// ---------------------------------------------------------------------------------------------

void TestSliderWithSpinWidget::doubleTypedValueRoundsAndReportsOnce()
{
    Host host;
    auto* control = host.add(new SliderWithDoubleSpinWidget);
    control->setSliderRange(0, 5);
    control->setSpinBoxRange(0.0, 5.0);
    QVERIFY(host.show());
    auto* spin = control->findChild<QDoubleSpinBox*>();
    QSignalSpy values(control, &SliderWithDoubleSpinWidget::signal_spinboxValueChanged);

    typeIntoSpinBox(spin, QStringLiteral("1.23"));
    QTest::keyClick(spin, Qt::Key_Return);
    QCOMPARE(control->getColorSlider()->value(), 123);
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toDouble(), 1.23);
    QVERIFY(!spin->hasFocus());

    // The focus has already gone: moving it on reports nothing more.
    host.elsewhere->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QCOMPARE(values.count(), 1);

    // Committing 0.29 by typing rounds (0.29 * 100 is 28.999...).
    typeIntoSpinBox(spin, QStringLiteral("0.29"));
    QTest::keyClick(spin, Qt::Key_Return);
    QCOMPARE(control->getColorSlider()->value(), 29);
    QCOMPARE(values.count(), 2);
    QCOMPARE(values.at(1).at(0).toDouble(), 0.29);
}

void TestSliderWithSpinWidget::doubleSetSpinBoxValueTruncatesAndRefusesNotANumber()
{
    SliderWithDoubleSpinWidget control;
    control.setSliderRange(0, 5);
    control.setSpinBoxRange(0.0, 5.0);
    QSignalSpy values(&control, &SliderWithDoubleSpinWidget::signal_spinboxValueChanged);

    control.setSpinBoxValue(0.29);
    QCOMPARE(control.getColorSlider()->value(), 28);
    QCOMPARE(control.getSpinBoxValue(), 0.29);
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toDouble(), 0.29);

    // Reported even when nothing changed.
    control.setSpinBoxValue(0.29);
    QCOMPARE(values.count(), 2);
    QCOMPARE(control.getSpinBoxMaxValue(), 5.0);

    control.setSpinBoxValue(1.5);
    values.clear();
    QTest::ignoreMessage(QtWarningMsg, "SliderWithDoubleSpinWidget: refused a value that is not a number: nan");
    control.setSpinBoxValue(qQNaN());
    QCOMPARE(values.count(), 0);
    QCOMPARE(control.getSpinBoxValue(), 1.5);
    QCOMPARE(control.getColorSlider()->value(), 150);
}

void TestSliderWithSpinWidget::doubleSliderDrivesSpinBox()
{
    Host host;
    auto* control = host.add(new SliderWithDoubleSpinWidget);
    control->setSliderRange(0, 1);
    control->setSpinBoxRange(0.0, 5.0);
    QVERIFY(host.show());
    QSignalSpy values(control, &SliderWithDoubleSpinWidget::signal_spinboxValueChanged);
    QSignalSpy pressed(control, &SliderWithDoubleSpinWidget::signal_sliderPressed);
    QSignalSpy released(control, &SliderWithDoubleSpinWidget::signal_sliderReleased);

    QCOMPARE(control->getColorSlider()->maximum(), 100);
    dragSlider(control->getColorSlider(), {25});
    QCOMPARE(control->getColorSlider()->value(), 25);
    QCOMPARE(control->getSpinBoxValue(), 0.25);
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toDouble(), 0.25);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(released.count(), 1);

    control->setSliderValue(75);
    QCOMPARE(control->getSpinBoxValue(), 0.75);
    QCOMPARE(values.count(), 2);
}

void TestSliderWithSpinWidget::doubleRangeDoesNotOverflow()
{
    SliderWithDoubleSpinWidget control;
    control.setSliderRange(INT_MIN, INT_MAX);
    QCOMPARE(control.getColorSlider()->minimum(), INT_MIN);
    QCOMPARE(control.getColorSlider()->maximum(), INT_MAX);

    control.setSpinBoxRange(-1e12, 1e12);
    control.setSpinBoxValue(1e11);
    QCOMPARE(control.getColorSlider()->value(), INT_MAX);
}

// ---------------------------------------------------------------------------------------------

void TestSliderWithSpinWidget::zkLayoutAndStyleHooks()
{
    ZKSliderLineEditWidget control;
    QDoubleSpinBox* box = entryBoxOf(&control);
    QVERIFY(box);
    QVERIFY(qobject_cast<NDoubleSpinBox*>(box));
    QCOMPARE(box->property("NDoubleSpinBox").toBool(), true);
    QCOMPARE(box->property("Merlon_VK").toString(), QStringLiteral("Vk_NumberFloat"));
    QCOMPARE(box->size(), QSize(50, 32));
    QCOMPARE(box->decimals(), 0);
    QVERIFY(buttonWithProperty(&control, "isMinusButton"));
    QVERIFY(buttonWithProperty(&control, "isPlusButton"));
    QCOMPARE(control.maximumWidth(), 1180);
    QCOMPARE(control.getTitleLable()->width(), 80);
    QCOMPARE(control.getSlider()->minimumWidth(), 150);

    control.setTitle(QStringLiteral("Brightness"));
    QCOMPARE(control.getTitle(), QStringLiteral("Brightness"));
    control.setLabelWidth(120);
    QCOMPARE(control.getTitleLable()->minimumWidth(), 120);
    QCOMPARE(control.getTitleLable()->maximumWidth(), 120);
    control.setLabelProperty("isWarning", true);
    QCOMPARE(control.getTitleLable()->property("isWarning").toBool(), true);

    control.setLabelWidth(90, 60);
    QCOMPARE(box->maximumWidth(), 90);
    QCOMPARE(box->minimumWidth(), 60);
    control.setPushButtonVisible(false);
    QVERIFY(buttonWithProperty(&control, "isPlusButton")->isHidden());
    QVERIFY(buttonWithProperty(&control, "isMinusButton")->isHidden());

    // A property set on the row goes to its slider, for the style sheet.
    control.setProperty("isColorKey", QVariant(true));
    QCOMPARE(control.getSlider()->property("isColorKey").toBool(), true);
    QVERIFY(!static_cast<QObject&>(control).property("isColorKey").isValid());
}

void TestSliderWithSpinWidget::zkFactorDragAndType()
{
    Host host;
    auto* control = host.add(new ZKSliderLineEditWidget);
    control->setEvenCharacteristic(2);
    control->setRange(0, 10);
    QVERIFY(host.show());
    QDoubleSpinBox* box = entryBoxOf(control);
    QSignalSpy values(control, qOverload<int>(&ZKSliderLineEditWidget::sig_CurValueChanged));
    QSignalSpy typed(control, &ZKSliderLineEditWidget::signal_lineEditValueVChanged);
    QSignalSpy moved(control, &ZKSliderLineEditWidget::signal_sliderMoved);

    dragSlider(control->getSlider(), {7});
    QCOMPARE(control->getCurValue(), 7);
    QCOMPARE(box->text(), QStringLiteral("14"));
    QCOMPARE(values.last().at(0).toInt(), 7);
    QCOMPARE(moved.last().at(0).toInt(), 7);
    QCOMPARE(typed.count(), 0);

    // 15 / 2 is 7: the value already held, so no typed-value report; the box shows the held value.
    typeIntoSpinBox(box, QStringLiteral("15"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(control->getCurValue(), 7);
    QCOMPARE(typed.count(), 0);
    QCOMPARE(box->text(), QStringLiteral("14"));

    typeIntoSpinBox(box, QStringLiteral("9"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(control->getCurValue(), 4);
    QCOMPARE(typed.count(), 1);
    QCOMPARE(values.last().at(0).toInt(), 4);
    QCOMPARE(box->text(), QStringLiteral("8"));
    QCOMPARE(control->getCurValueBox(), 8);
}

void TestSliderWithSpinWidget::zkTypedValue_data()
{
    // "integer", "two decimals", "half steps" (0.5 a raw unit, one decimal), or a refused setting
    // ("factor 0", "factor -3", "precision 0") that leaves the plain scale working.
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("shown");

    const QString none;
    QTest::newRow("integer") << "integer" << none << "42" << 42 << "42";
    QTest::newRow("two decimals 0.29") << "two decimals" << none << "0.29" << 29 << "0.29";
    // 1.1 * 100 is 110.00000000000001: the raw value must still be 110.
    QTest::newRow("two decimals 1.1") << "two decimals" << none << "1.1" << 110 << "1.10";
    QTest::newRow("two decimals 4.57") << "two decimals" << none << "4.57" << 457 << "4.57";
    QTest::newRow("two decimals 0.58") << "two decimals" << none << "0.58" << 58 << "0.58";
    QTest::newRow("half steps") << "half steps" << none << "3.5" << 7 << "3.5";
    QTest::newRow("factor 0 refused") << "factor 0"
                                      << "ZKSliderLineEditWidget: refused the factor 0 - keeping 1"
                                      << "15" << 15 << "15";
    QTest::newRow("factor -3 refused") << "factor -3"
                                       << "ZKSliderLineEditWidget: refused the factor -3 - keeping 1"
                                       << "15" << 15 << "15";
    QTest::newRow("precision 0 refused") << "precision 0"
                                         << "ZKSliderLineEditWidget: refused the precision 0 - using 1"
                                         << "12" << 12 << "12";
}

void TestSliderWithSpinWidget::zkTypedValue()
{
    QFETCH(QString, scale);
    QFETCH(QString, warning);
    QFETCH(QString, text);
    QFETCH(int, raw);
    QFETCH(QString, shown);

    Host host;
    auto* control = host.add(new ZKSliderLineEditWidget);
    const bool twoDecimal = scale == QLatin1String("two decimals");
    if (twoDecimal) {
        control->setDoubleFlag(true);
        control->setDecimalsValue(2);
        control->setRange(0, 500);
        control->setDoubleRange(0.0, 5.0);
    } else {
        control->setRange(0, 50);
    }
    QVERIFY(host.show());
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    if (scale.startsWith(QLatin1String("factor"))) {
        control->setEvenCharacteristic(scale.section(QLatin1Char(' '), 1).toInt());
    } else if (scale == QLatin1String("precision 0")) {
        control->setMultiple(true, 1.0, 0.0);
    } else if (scale == QLatin1String("half steps")) {
        control->setMultiple(true, 0.5, 0.5);
        control->setDecimalsValue(1);
        control->setRange(0, 40);
    }
    QDoubleSpinBox* box = entryBoxOf(control);
    QSignalSpy typed(control, &ZKSliderLineEditWidget::signal_lineEditValueVChanged);
    QSignalSpy doubles(control, qOverload<double>(&ZKSliderLineEditWidget::sig_CurValueChanged));

    typeIntoSpinBox(box, text);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(control->getCurValue(), raw);
    QCOMPARE(typed.count(), 1);
    QCOMPARE(box->text(), shown);
    if (twoDecimal) {
        QVERIFY(!doubles.isEmpty());
        QCOMPARE(doubles.last().at(0).toDouble(), raw * 0.01);
        QCOMPARE(box->value(), raw * 0.01);
    } else {
        QCOMPARE(doubles.count(), 0);
    }
    if (scale == QLatin1String("half steps")) {
        control->setCurValue(9);
        QCOMPARE(box->text(), QStringLiteral("4.5"));
    }
}

void TestSliderWithSpinWidget::zkTwoDecimalRanges()
{
    ZKSliderLineEditWidget control;
    control.setDoubleFlag(true);
    control.setDecimalsValue(2);
    control.setRange(0, 500);
    int low = 0, high = 0;
    control.getRange(low, high);
    QCOMPARE(low, 10);
    QCOMPARE(high, 500);
    QCOMPARE(control.minmun(), 10);
    QCOMPARE(control.maximum(), 500);

    control.setDoubleRange(0.0, 5.0);
    QDoubleSpinBox* box = entryBoxOf(&control);
    QCOMPARE(box->minimum(), 0.1);
    QCOMPARE(box->maximum(), 5.0);

    QSignalSpy values(&control, qOverload<int>(&ZKSliderLineEditWidget::sig_CurValueChanged));
    control.setEditCurValue(5);
    QCOMPARE(box->text(), QStringLiteral("0.10"));
    control.setEditCurValue(250);
    QCOMPARE(box->text(), QStringLiteral("2.50"));
    QCOMPARE(control.getCurValue(), 10);
    QCOMPARE(values.count(), 0);

    control.setColorKeyRange(0, 1000);
    QCOMPARE(control.minmun(), 0);
    QCOMPARE(control.maximum(), 1000);
    QCOMPARE(box->maximum(), 10.0);
}

void TestSliderWithSpinWidget::zkPlusAndMinus()
{
    Host host;
    auto* control = host.add(new ZKSliderLineEditWidget);
    control->setRange(0, 10);
    QVERIFY(host.show());
    QToolButton* plus = buttonWithProperty(control, "isPlusButton");
    QToolButton* minus = buttonWithProperty(control, "isMinusButton");
    QSignalSpy values(control, qOverload<int>(&ZKSliderLineEditWidget::sig_CurValueChanged));
    QSignalSpy typed(control, &ZKSliderLineEditWidget::signal_lineEditValueVChanged);

    // Minus at the minimum changes and reports nothing.
    QTest::mouseClick(minus, Qt::LeftButton);
    QCOMPARE(control->getCurValue(), 0);
    QCOMPARE(values.count(), 0);
    QCOMPARE(typed.count(), 0);

    control->setStep(3);
    QCOMPARE(control->getStep(), 3);

    QTest::mouseClick(plus, Qt::LeftButton);
    QCOMPARE(control->getCurValue(), 3);
    QCOMPARE(values.last().at(0).toInt(), 3);
    QCOMPARE(typed.count(), 1);

    control->setCurValue(9);
    QTest::mouseClick(plus, Qt::LeftButton);
    QCOMPARE(control->getCurValue(), 10);
    QCOMPARE(typed.count(), 2);

    // At the maximum the plus button still reports, once each.
    values.clear();
    QTest::mouseClick(plus, Qt::LeftButton);
    QCOMPARE(control->getCurValue(), 10);
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toInt(), 10);
    QCOMPARE(typed.count(), 3);

    // Acting on press, not on release.
    sendMouse(minus, QEvent::MouseButtonPress, minus->rect().center(), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(control->getCurValue(), 7);
    QCOMPARE(typed.count(), 4);
    sendMouse(minus, QEvent::MouseButtonRelease, minus->rect().center(), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(control->getCurValue(), 7);
    QCOMPARE(entryBoxOf(control)->text(), QStringLiteral("7"));
}

void TestSliderWithSpinWidget::zkHoldPollReportsValuesThatBypassedTheHandler()
{
    Host host;
    auto* control = host.add(new ZKSliderLineEditWidget);
    control->setRange(0, 10);
    QVERIFY(host.show());
    NSliderEX* slider = control->getSlider();
    QSignalSpy values(control, qOverload<int>(&ZKSliderLineEditWidget::sig_CurValueChanged));
    QSignalSpy released(control, &ZKSliderLineEditWidget::sig_sliderReleased);

    pressSliderHandle(slider);
    {
        // A value that reaches the slider without its change signal.
        QSignalBlocker blocker(slider);
        slider->setValue(5);
    }
    QCOMPARE(values.count(), 0);
    QTRY_COMPARE(values.count(), 1);
    QCOMPARE(values.at(0).at(0).toInt(), 5);
    QCOMPARE(entryBoxOf(control)->text(), QStringLiteral("5"));

    // Released before the next poll: the release reports it.
    {
        QSignalBlocker blocker(slider);
        slider->setValue(8);
    }
    releaseSliderHandle(slider);
    QCOMPARE(released.count(), 1);
    QCOMPARE(released.at(0).at(0).toInt(), 8);
    QCOMPARE(values.last().at(0).toInt(), 8);

    // A normal drag goes through the handler already; the release adds nothing.
    dragSlider(slider, {2});
    QCOMPARE(values.last().at(0).toInt(), 2);
    QCOMPARE(released.count(), 1);
}

void TestSliderWithSpinWidget::zkSyncOffLeavesBoxAlone()
{
    Host host;
    auto* control = host.add(new ZKSliderLineEditWidget);
    control->setRange(0, 10);
    control->setEditCurValue(3);
    control->setSync(false);
    QVERIFY(host.show());
    QSignalSpy values(control, qOverload<int>(&ZKSliderLineEditWidget::sig_CurValueChanged));

    dragSlider(control->getSlider(), {6});
    QCOMPARE(values.last().at(0).toInt(), 6);
    QCOMPARE(entryBoxOf(control)->text(), QStringLiteral("3"));
}

void TestSliderWithSpinWidget::zkSetCurValueWidensAndReports()
{
    ZKSliderLineEditWidget control;
    control.setRange(0, 10);
    QSignalSpy values(&control, qOverload<int>(&ZKSliderLineEditWidget::sig_CurValueChanged));
    QSignalSpy typed(&control, &ZKSliderLineEditWidget::signal_lineEditValueVChanged);

    control.setCurValue(250);
    QCOMPARE(control.maximum(), 250);
    QCOMPARE(control.getCurValue(), 250);
    // The slider widens to the value; the plain entry box keeps its range and shows its end.
    QCOMPARE(entryBoxOf(&control)->text(), QStringLiteral("10"));
    QVERIFY(!values.isEmpty());
    QCOMPARE(values.last().at(0).toInt(), 250);

    // Reported even when nothing changed.
    values.clear();
    control.setCurValue(250);
    QCOMPARE(values.count(), 1);
    QCOMPARE(typed.count(), 0);

    control.setCurValue(-4);
    QCOMPARE(control.minmun(), -4);
    QCOMPARE(control.getCurValue(), -4);

    // In two-decimal mode the entry box never shows less than 0.1; the slider widens to the value
    // and the value is reported as given.
    ZKSliderLineEditWidget decimal;
    decimal.setDoubleFlag(true);
    decimal.setDecimalsValue(2);
    decimal.setRange(0, 500);
    decimal.setDoubleRange(0.0, 5.0);
    QSignalSpy decimalValues(&decimal, qOverload<int>(&ZKSliderLineEditWidget::sig_CurValueChanged));
    decimal.setCurValue(3);
    QCOMPARE(decimal.getCurValue(), 3);
    QCOMPARE(decimal.minmun(), 3);
    QCOMPARE(decimalValues.last().at(0).toInt(), 3);
    QCOMPARE(entryBoxOf(&decimal)->text(), QStringLiteral("0.10"));
    decimal.setCurValue(1234);
    QCOMPARE(entryBoxOf(&decimal)->text(), QStringLiteral("12.34"));
    QCOMPARE(decimal.getDoubleCurValue(), 1234.0);
}

void TestSliderWithSpinWidget::zkEntryBoxSelectsAllOnFocus()
{
    Host host;
    auto* control = host.add(new ZKSliderLineEditWidget);
    control->setRange(0, 500);
    control->setCurValue(123);
    QVERIFY(host.show());
    QDoubleSpinBox* box = entryBoxOf(control);
    QLineEdit* edit = editOf(box);

    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(4, edit->height() / 2));
    QTRY_COMPARE(edit->selectedText(), QStringLiteral("123"));

    // Typing replaces the whole number.
    QTest::keyClicks(box, QStringLiteral("45"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(control->getCurValue(), 45);

    // A disabled box selects nothing.
    edit->deselect();
    host.elsewhere->setFocus();
    box->setEnabled(false);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(4, 4), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    QApplication::processEvents();
    QCOMPARE(edit->selectedText(), QString());
}

void TestSliderWithSpinWidget::wheelChangesNothing()
{
    Host host;
    auto* zk = host.add(new ZKSliderLineEditWidget);
    zk->setRange(0, 10);
    zk->setCurValue(5);
    QVERIFY(host.show());
    QSignalSpy values(zk, qOverload<int>(&ZKSliderLineEditWidget::sig_CurValueChanged));

    NSliderEX* slider = zk->getSlider();
    QDoubleSpinBox* box = entryBoxOf(zk);
    turnWheel(slider, 1);
    turnWheel(slider, -3);
    turnWheel(box, 2);
    QCOMPARE(slider->value(), 5);
    QCOMPARE(box->value(), 5.0);
    QCOMPARE(values.count(), 0);

    // The two refuse the event outright, so the view around them may scroll.
    NSliderEX bareSlider(Qt::Horizontal);
    NDoubleSpinBox bareBox;
    bareSlider.setValue(3);
    bareBox.setValue(3);
    QVERIFY(!turnWheel(&bareSlider));
    QVERIFY(!turnWheel(&bareBox));
    QCOMPARE(bareSlider.value(), 3);
    QCOMPARE(bareBox.value(), 3.0);
}

// Tab goes through a slider row slider first, then its spin box, in both kinds of row.
void TestSliderWithSpinWidget::keyboardGoesSliderThenSpinBox()
{
    QWidget window;
    new QPushButton(QStringLiteral("Before"), &window);
    auto* ints = new SliderWithSpinWidget(&window);
    auto* doubles = new SliderWithDoubleSpinWidget(&window);
    for (QWidget* row : {static_cast<QWidget*>(ints), static_cast<QWidget*>(doubles)}) {
        QList<QWidget*> reached;
        QWidget* first = window.findChild<QPushButton*>();
        for (QWidget* w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus && row->isAncestorOf(w) && !w->focusProxy())
                reached.append(w);
        }
        const QList<QWidget*> expected {row->findChild<QSlider*>(), row->findChild<QAbstractSpinBox*>()};
        QCOMPARE(reached, expected);
    }
}

QTEST_MAIN(TestSliderWithSpinWidget)
#include "tst_sliderwithspinwidget.moc"
