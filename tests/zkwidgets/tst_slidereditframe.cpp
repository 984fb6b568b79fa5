#include "controls/controlstestutil.h"

#include <zkwidgets/slidereditframe.h>

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

using namespace Vireo::Widgets;

namespace {

template <typename T = QWidget>
T* part(QWidget* frame, const char* name)
{
    return frame->findChild<T*>(QLatin1String(name));
}

// The first argument of every report, as the frame's value type.
template <typename T = int>
QList<T> reported(const QSignalSpy& spy)
{
    QList<T> values;
    for (const QList<QVariant>& arguments : spy)
        values << qvariant_cast<T>(arguments.at(0));
    return values;
}

} // namespace

class tst_SliderEditFrame : public QObject
{
    Q_OBJECT

private slots:
    void partsAndDefaults();
    void sliderAndBoxStayInStep();
    void codeChangesAreReported();
    void rangeClampsAndReports();
    void gettersForLaterEditors();
    void stepButtons();
    void typedValueIsReportedOnConfirm();
    void widthsAndSpacings();
    void sliderCanBeHidden();
    void dragReports_data();
    void dragReports();
    void releaseModeWithRealMouse();
    void samplingReportsHeldValueWhenIntervalEnds();
    void doubleFrameGamma();
    void doubleFrameDragAndRelease();
    void doubleFrameDecimals();
    void doubleFrameRefusesNonFinite();
    void spinBoxWheelNeedsFocus();
    void rgbFrameReportsFourValues();
    void rgbFrameTypeChoosesRows();
    void rectFrameReportsFourValues();
    void rectFrameMaskSetters();
    void rectFrameLabelsSurviveRetranslation();
    void cropFrameKeepsRectangleInside();
    void cropFrameFitsToNewRange();
    void cropFrameRefusesEmptyRange();
};

void tst_SliderEditFrame::partsAndDefaults()
{
    SliderEditFrame frame;
    for (const char* name : {"SliderEditFrameLabel", "SliderEditFrameMinusButton", "SliderEditFrameSlider",
             "SliderEditFramePlusButton", "SliderEditFrameSpinBox"})
        QVERIFY2(part(&frame, name), name);
    QVERIFY(qobject_cast<SliderEditSpinBox*>(part(&frame, "SliderEditFrameSpinBox")));
    QCOMPARE(frame.value(), 0);
    QVERIFY(!frame.isReleaseMode());
    QCOMPARE(frame.timeSamplingRate(), 0);
    QVERIFY(frame.isSliderVisible());
    frame.setLabelText(QStringLiteral("Luminance"));
    QCOMPARE(frame.labelText(), QStringLiteral("Luminance"));
    QCOMPARE(part<QLabel>(&frame, "SliderEditFrameLabel")->text(), QStringLiteral("Luminance"));
}

void tst_SliderEditFrame::sliderAndBoxStayInStep()
{
    SliderEditFrame frame;
    frame.setRange(0, 200);
    auto* slider = part<QSlider>(&frame, "SliderEditFrameSlider");
    auto* box = part<QSpinBox>(&frame, "SliderEditFrameSpinBox");
    frame.setValue(120);
    QCOMPARE(slider->value(), 120);
    QCOMPARE(box->value(), 120);
    frame.simulateSliderDrag({30, 40});
    QCOMPARE(box->value(), 40);
    QCOMPARE(frame.value(), 40);
    frame.simulateUserEdit(77);
    QCOMPARE(slider->value(), 77);
    QCOMPARE(frame.value(), 77);
}

void tst_SliderEditFrame::codeChangesAreReported()
{
    SliderEditFrame frame;
    QSignalSpy spy(&frame, &SliderEditFrame::valueChanged);
    // The range lifts the value from 0 to 100: a change like any other.
    frame.setRange(100, 10000);
    QCOMPARE(reported(spy), QList<int>({100}));
    frame.setValue(500);
    frame.setValue(500);
    frame.setValue(600);
    QCOMPARE(reported(spy), QList<int>({100, 500, 600}));

    // Release mode concerns drags only: code is reported at once.
    frame.setReleaseMode(true);
    frame.setValue(700);
    QCOMPARE(reported(spy).last(), 700);
}

void tst_SliderEditFrame::rangeClampsAndReports()
{
    SliderEditFrame frame;
    frame.setRange(0, 100);
    frame.setValue(90);
    QSignalSpy spy(&frame, &SliderEditFrame::valueChanged);
    frame.setRange(0, 50);
    QCOMPARE(frame.value(), 50);
    QCOMPARE(reported(spy), QList<int>({50}));
    frame.setValue(1000);
    QCOMPARE(frame.value(), 50);
    QCOMPARE(spy.count(), 1);
    frame.setMinimum(60);
    QCOMPARE(frame.minimum(), 60);
    QCOMPARE(frame.maximum(), 60);
    QCOMPARE(frame.value(), 60);
    frame.setRange(10, 5); // a reversed range collapses to its minimum
    QCOMPARE(frame.minimum(), 10);
    QCOMPARE(frame.maximum(), 10);
}

void tst_SliderEditFrame::gettersForLaterEditors()
{
    SliderEditFrame frame;
    frame.setRange(609, 8192);
    frame.setSingleStep(8);
    frame.setPageStep(10);
    QCOMPARE(frame.minimum(), 609);
    QCOMPARE(frame.maximum(), 8192);
    QCOMPARE(frame.singleStep(), 8);
    QCOMPARE(frame.pageStep(), 10);
    QCOMPARE(part<QSlider>(&frame, "SliderEditFrameSlider")->pageStep(), 10);
    frame.setMaximum(2248);
    QCOMPARE(frame.maximum(), 2248);
}

void tst_SliderEditFrame::stepButtons()
{
    SliderEditFrame frame;
    frame.setRange(0, 10);
    frame.setSingleStep(4);
    frame.setReleaseMode(true);
    frame.setValue(5);
    QSignalSpy spy(&frame, &SliderEditFrame::valueChanged);
    QTest::mouseClick(part<QToolButton>(&frame, "SliderEditFramePlusButton"), Qt::LeftButton);
    QTest::mouseClick(part<QToolButton>(&frame, "SliderEditFramePlusButton"), Qt::LeftButton);
    QTest::mouseClick(part<QToolButton>(&frame, "SliderEditFrameMinusButton"), Qt::LeftButton);
    QCOMPARE(reported(spy), QList<int>({9, 10, 6}));
}

void tst_SliderEditFrame::typedValueIsReportedOnConfirm()
{
    SliderEditFrame frame;
    frame.setRange(0, 200);
    frame.setReleaseMode(true);
    frame.setTimeSamplingRate(100000);
    auto* box = part<QSpinBox>(&frame, "SliderEditFrameSpinBox");
    QSignalSpy spy(&frame, &SliderEditFrame::valueChanged);
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("142"));
    QCOMPARE(spy.count(), 0); // not on each keystroke
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(reported(spy), QList<int>({142}));
    QCOMPARE(part<QSlider>(&frame, "SliderEditFrameSlider")->value(), 142);
}

void tst_SliderEditFrame::widthsAndSpacings()
{
    SliderEditFrame frame;
    frame.setLabelFixedWidth(90);
    frame.setSpinBoxFixedWidth(50);
    frame.setButtonFixedWidth(39);
    frame.setHorizontalSpacing(16, 8);
    QCOMPARE(part(&frame, "SliderEditFrameLabel")->width(), 90);
    QCOMPARE(part(&frame, "SliderEditFrameSpinBox")->width(), 50);
    QCOMPARE(part(&frame, "SliderEditFrameMinusButton")->width(), 39);
    QCOMPARE(part(&frame, "SliderEditFramePlusButton")->width(), 39);
    frame.resize(480, 40);
    frame.show();
    auto* label = part(&frame, "SliderEditFrameLabel");
    auto* minus = part(&frame, "SliderEditFrameMinusButton");
    auto* slider = part(&frame, "SliderEditFrameSlider");
    QTRY_COMPARE(minus->geometry().left() - label->geometry().right() - 1, 16);
    QCOMPARE(slider->geometry().left() - minus->geometry().right() - 1, 8);
}

void tst_SliderEditFrame::sliderCanBeHidden()
{
    SliderEditFrame frame;
    frame.setSliderVisible(false);
    QVERIFY(!frame.isSliderVisible());
    frame.show();
    QVERIFY(!part(&frame, "SliderEditFrameSlider")->isVisible());
    QVERIFY(part(&frame, "SliderEditFrameSpinBox")->isVisible());
    frame.setSliderVisible(true);
    QVERIFY(part(&frame, "SliderEditFrameSlider")->isVisible());
}

void tst_SliderEditFrame::dragReports_data()
{
    QTest::addColumn<bool>("releaseMode");
    QTest::addColumn<int>("samplingRate"); // ms between reports during a drag (0: no sampling)
    QTest::addColumn<QList<int>>("drag");
    QTest::addColumn<QList<int>>("duringDrag");
    QTest::addColumn<QList<int>>("afterRelease");
    QTest::addColumn<int>("afterRoundTrip"); // reports after a drag that ends where it started

    QTest::newRow("release mode") << true << 0 << QList<int>({10, 20, 30}) << QList<int>() << QList<int>({30}) << 1;
    QTest::newRow("every change") << false << 0 << QList<int>({10, 20, 30}) << QList<int>({10, 20, 30})
                                  << QList<int>({10, 20, 30}) << 5;
    // An interval far longer than the test: the first value goes out, the rest is held back
    // until the release.
    QTest::newRow("sampling") << false << 100000 << QList<int>({10, 20, 30, 40}) << QList<int>({10})
                              << QList<int>({10, 40}) << 2;
}

void tst_SliderEditFrame::dragReports()
{
    QFETCH(bool, releaseMode);
    QFETCH(int, samplingRate);
    QFETCH(QList<int>, drag);
    QFETCH(QList<int>, duringDrag);
    QFETCH(QList<int>, afterRelease);
    QFETCH(int, afterRoundTrip);

    SliderEditFrame frame;
    frame.setRange(0, 100);
    frame.setReleaseMode(releaseMode);
    frame.setTimeSamplingRate(samplingRate);
    QCOMPARE(frame.isReleaseMode(), releaseMode);
    QCOMPARE(frame.timeSamplingRate(), samplingRate);
    QSignalSpy spy(&frame, &SliderEditFrame::valueChanged);
    QSignalSpy released(&frame, &SliderEditFrame::sliderReleased);
    frame.simulateSliderDrag(drag, false);
    QCOMPARE(reported(spy), duringDrag);
    QCOMPARE(frame.value(), drag.last());
    QCOMPARE(part<QSpinBox>(&frame, "SliderEditFrameSpinBox")->value(), drag.last());

    frame.simulateSliderDrag({}, true);
    QCOMPARE(released.count(), 1);
    QCOMPARE(reported(spy), afterRelease);

    // A drag that ends where it started changes nothing: in release mode it reports nothing.
    frame.simulateSliderDrag({50, drag.last()});
    QCOMPARE(spy.count(), afterRoundTrip);
}

void tst_SliderEditFrame::releaseModeWithRealMouse()
{
    SliderEditFrame frame;
    frame.setRange(0, 100);
    frame.setReleaseMode(true);
    frame.resize(400, 40);
    frame.show();
    auto* slider = part<QSlider>(&frame, "SliderEditFrameSlider");
    QTRY_VERIFY(slider->width() > 100);
    QSignalSpy spy(&frame, &SliderEditFrame::valueChanged);

    using Vireo::Test::sendMouse;
    const QPoint start = Vireo::Test::sliderHandleRect(slider, slider->sliderPosition()).center();
    sendMouse(slider, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    QVERIFY(slider->isSliderDown());
    for (int step = 1; step <= 5; ++step)
        sendMouse(slider, QEvent::MouseMove, start + QPoint(step * 20, 0), Qt::NoButton, Qt::LeftButton);
    const int dragged = slider->value();
    QVERIFY(dragged > 0);
    QCOMPARE(frame.value(), dragged);
    QCOMPARE(spy.count(), 0);
    sendMouse(slider, QEvent::MouseButtonRelease, start + QPoint(100, 0), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(reported(spy), QList<int>({dragged}));
}

void tst_SliderEditFrame::samplingReportsHeldValueWhenIntervalEnds()
{
    SliderEditFrame frame;
    frame.setRange(0, 100);
    frame.setTimeSamplingRate(30);
    QSignalSpy spy(&frame, &SliderEditFrame::valueChanged);
    frame.simulateSliderDrag({10, 20, 30, 40, 50}, false);
    QVERIFY(!spy.isEmpty());
    QCOMPARE(reported(spy).first(), 10);
    // Still held down: the held-back value comes when the interval ends.
    QTRY_COMPARE(reported(spy).last(), 50);
    QVERIFY(spy.count() < 5);
    const QList<int> values = reported(spy);
    QVERIFY(std::is_sorted(values.begin(), values.end()));
    const int reports = spy.count();
    frame.simulateSliderDrag({}, true);
    QCOMPARE(spy.count(), reports); // nothing new to report on release
}

void tst_SliderEditFrame::doubleFrameGamma()
{
    SliderEditFrameDouble frame;
    frame.setRange(1.0, 4.0);
    frame.setSingleStep(0.01);
    frame.setDecimals(2);
    frame.setPageStep(0);
    QSignalSpy spy(&frame, &SliderEditFrameDouble::valueChanged);
    frame.setValue(2.2);
    QCOMPARE(frame.value(), 2.2);
    QCOMPARE(reported<double>(spy), QList<double>({2.2}));
    QCOMPARE(part<QSlider>(&frame, "SliderEditFrameSlider")->value(), 220);
    QCOMPARE(part<QDoubleSpinBox>(&frame, "SliderEditFrameSpinBox")->text(), QStringLiteral("2.20"));
    QCOMPARE(frame.minimum(), 1.0);
    QCOMPARE(frame.maximum(), 4.0);
    QCOMPARE(frame.singleStep(), 0.01);
    QCOMPARE(frame.pageStep(), 0.0);
    QCOMPARE(frame.decimals(), 2);

    QTest::mouseClick(part<QToolButton>(&frame, "SliderEditFramePlusButton"), Qt::LeftButton);
    QCOMPARE(frame.value(), 2.21);
    frame.setValue(9.0);
    QCOMPARE(frame.value(), 4.0);
    QCOMPARE(spy.last().at(0).toDouble(), 4.0);
}

void tst_SliderEditFrame::doubleFrameDragAndRelease()
{
    SliderEditFrameDouble frame;
    frame.setRange(1.0, 4.0);
    frame.setReleaseMode(true);
    QSignalSpy spy(&frame, &SliderEditFrameDouble::valueChanged);
    frame.simulateSliderDrag({1.5, 2.75, 3.25}, false);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(frame.value(), 3.25);
    frame.simulateSliderDrag({}, true);
    QCOMPARE(reported<double>(spy), QList<double>({3.25}));
    frame.simulateUserEdit(1.11);
    QCOMPARE(reported<double>(spy), QList<double>({3.25, 1.11}));
}

void tst_SliderEditFrame::doubleFrameDecimals()
{
    SliderEditFrameDouble frame;
    frame.setRange(0.0, 10.0);
    frame.setValue(2.25);
    QSignalSpy spy(&frame, &SliderEditFrameDouble::valueChanged);
    frame.setDecimals(1);
    QCOMPARE(frame.value(), 2.3);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(part<QSlider>(&frame, "SliderEditFrameSlider")->value(), 23);
    frame.setDecimals(3);
    QCOMPARE(frame.value(), 2.3);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(part<QSlider>(&frame, "SliderEditFrameSlider")->maximum(), 10000);
}

void tst_SliderEditFrame::doubleFrameRefusesNonFinite()
{
    SliderEditFrameDouble frame;
    frame.setRange(1.0, 4.0);
    frame.setValue(2.0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused a value that is not finite")));
    frame.setValue(std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(frame.value(), 2.0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused a range that is not finite")));
    frame.setRange(0.0, std::numeric_limits<double>::infinity());
    QCOMPARE(frame.maximum(), 4.0);
}

void tst_SliderEditFrame::spinBoxWheelNeedsFocus()
{
    QWidget window;
    auto* other = new QLineEdit(&window);
    auto* box = new SliderEditSpinBox(&window);
    box->move(0, 40);
    box->setRange(0, 10);
    box->setValue(5);
    window.show();
    QApplication::setActiveWindow(&window);
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());

    Vireo::Test::turnWheel(box);
    QCOMPARE(box->value(), 5);
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    Vireo::Test::turnWheel(box);
    QCOMPARE(box->value(), 6);
}

void tst_SliderEditFrame::rgbFrameReportsFourValues()
{
    RGBAllEditFrame frame;
    QSignalSpy spy(&frame, &RGBAllEditFrame::valueChanged);
    frame.setValues(10, 20, 30, 40);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0), QList<QVariant>({10, 20, 30, 40}));
    frame.frame(RGBAllEditFrame::Green)->simulateUserEdit(99);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1), QList<QVariant>({10, 99, 30, 40}));
    frame.setValue(RGBAllEditFrame::Red | RGBAllEditFrame::Blue, 0);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(2), QList<QVariant>({0, 99, 0, 40}));
    frame.setValues(0, 99, 0, 40);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(frame.value(RGBAllEditFrame::Green), 99);
    QCOMPARE(frame.maximum(RGBAllEditFrame::All), 255);
}

void tst_SliderEditFrame::rgbFrameTypeChoosesRows()
{
    RGBAllEditFrame frame(RGBAllEditFrame::RGB);
    frame.show();
    QVERIFY(part(&frame, "RGBAllEditFrameRed")->isVisible());
    QVERIFY(part(&frame, "RGBAllEditFrameBlue")->isVisible());
    QVERIFY(!part(&frame, "RGBAllEditFrameAll")->isVisible());
    QCOMPARE(frame.type(), int(RGBAllEditFrame::RGB));
    frame.setType(RGBAllEditFrame::All);
    QVERIFY(!part(&frame, "RGBAllEditFrameRed")->isVisible());
    QVERIFY(part(&frame, "RGBAllEditFrameAll")->isVisible());
    QCOMPARE(frame.labelText(RGBAllEditFrame::Red), QStringLiteral("Red"));
    QCOMPARE(frame.labelText(RGBAllEditFrame::All), QStringLiteral("All"));
}

void tst_SliderEditFrame::rectFrameReportsFourValues()
{
    RectEditFrame frame;
    frame.setRange(RectEditFrame::AllFields, 0, 1000);
    QSignalSpy spy(&frame, &RectEditFrame::valueChanged);
    frame.setValues(10, 20, 100, 50);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0), QList<QVariant>({10, 20, 100, 50}));
    QCOMPARE(frame.rectValue(), QRect(10, 20, 100, 50));

    frame.field(RectEditFrame::X)->simulateUserEdit(15);
    QCOMPARE(spy.last(), QList<QVariant>({15, 20, 100, 50}));
    frame.field(RectEditFrame::Height)->simulateSliderDrag({60, 70});
    QCOMPARE(spy.last(), QList<QVariant>({15, 20, 100, 70}));
    frame.setValue(RectEditFrame::Width, 300);
    QCOMPARE(spy.last(), QList<QVariant>({15, 20, 300, 70}));
    frame.setRectValue(QRect(1, 2, 3, 4));
    QCOMPARE(spy.last(), QList<QVariant>({1, 2, 3, 4}));
    const int reports = spy.count();
    frame.setRectValue(QRect(1, 2, 3, 4));
    QCOMPARE(spy.count(), reports);
}

void tst_SliderEditFrame::rectFrameMaskSetters()
{
    RectEditFrame frame;
    frame.setButtonFixedWidth(RectEditFrame::X | RectEditFrame::Y, 39);
    frame.setSpinBoxFixedWidth(RectEditFrame::AllFields, 50);
    frame.setRange(RectEditFrame::Width | RectEditFrame::Height, 128, 1920);
    frame.setSingleStep(RectEditFrame::Width, 8);
    QCOMPARE(part(frame.field(RectEditFrame::X), "SliderEditFrameMinusButton")->width(), 39);
    QCOMPARE(part(frame.field(RectEditFrame::Y), "SliderEditFramePlusButton")->width(), 39);
    QVERIFY(part(frame.field(RectEditFrame::Width), "SliderEditFrameMinusButton")->width() != 39);
    QCOMPARE(part(frame.field(RectEditFrame::Height), "SliderEditFrameSpinBox")->width(), 50);
    QCOMPARE(frame.minimum(RectEditFrame::Width), 128);
    QCOMPARE(frame.maximum(RectEditFrame::Height), 1920);
    QCOMPARE(frame.minimum(RectEditFrame::X), 0);
    QCOMPARE(frame.singleStep(RectEditFrame::Width), 8);
    QCOMPARE(frame.value(RectEditFrame::Width), 128);
    QCOMPARE(frame.field(RectEditFrame::Width)->objectName(), QStringLiteral("RectEditFrameWidth"));
    QCOMPARE(frame.field(RectEditFrame::FieldType(3)), nullptr);
}

void tst_SliderEditFrame::rectFrameLabelsSurviveRetranslation()
{
    RectEditFrame frame;
    QCOMPARE(frame.labelText(RectEditFrame::X), QStringLiteral("X"));
    QCOMPARE(frame.labelText(RectEditFrame::Height), QStringLiteral("Height"));
    frame.setLabelText(RectEditFrame::Width, QStringLiteral("W"));
    frame.field(RectEditFrame::Height)->setLabelText(QStringLiteral("stale"));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&frame, &change);
    QCOMPARE(frame.labelText(RectEditFrame::Width), QStringLiteral("W"));
    QCOMPARE(frame.labelText(RectEditFrame::Height), QStringLiteral("Height"));
}

void tst_SliderEditFrame::cropFrameKeepsRectangleInside()
{
    CropEditFrame frame;
    frame.setCropRange(1920, 1080);
    QCOMPARE(frame.cropRange(), QSize(1920, 1080));
    // An empty crop means the whole picture.
    QCOMPARE(frame.cropValue(), QRect(0, 0, 1920, 1080));

    QSignalSpy spy(&frame, &RectEditFrame::valueChanged);
    frame.setCropValue(100, 50, 1000, 500);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0), QList<QVariant>({100, 50, 1000, 500}));
    QCOMPARE(frame.maximum(RectEditFrame::X), 920);
    QCOMPARE(frame.maximum(RectEditFrame::Width), 1820);
    QCOMPARE(frame.maximum(RectEditFrame::Y), 580);
    QCOMPARE(frame.maximum(RectEditFrame::Height), 1030);

    frame.field(RectEditFrame::Width)->simulateUserEdit(1900);
    QCOMPARE(spy.last(), QList<QVariant>({100, 50, 1820, 500}));
    QCOMPARE(frame.maximum(RectEditFrame::X), 100);
    frame.field(RectEditFrame::X)->simulateUserEdit(40);
    QCOMPARE(spy.last(), QList<QVariant>({40, 50, 1820, 500}));
    QCOMPARE(frame.maximum(RectEditFrame::Width), 1880);

    frame.setCropValue(QRect(1900, -5, 100, 4000));
    QCOMPARE(frame.cropValue(), QRect(1820, 0, 100, 1080));
}

void tst_SliderEditFrame::cropFrameFitsToNewRange()
{
    CropEditFrame frame;
    frame.setMinimumCropSize(QSize(128, 128));
    frame.setCropRange(QSize(1920, 1080));
    frame.setCropValue(100, 50, 1820, 500);
    QSignalSpy spy(&frame, &RectEditFrame::valueChanged);
    frame.setCropRange(800, 600);
    QCOMPARE(frame.cropValue(), QRect(0, 50, 800, 500));
    QCOMPARE(spy.count(), 1);
    frame.setCropValue(0, 0, 10, 10);
    QCOMPARE(frame.cropValue(), QRect(0, 0, 128, 128));
    QCOMPARE(frame.minimumCropSize(), QSize(128, 128));
}

void tst_SliderEditFrame::cropFrameRefusesEmptyRange()
{
    CropEditFrame frame;
    frame.setCropRange(640, 480);
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^CropEditFrame: refused an empty crop range")));
    frame.setCropRange(0, 480);
    QCOMPARE(frame.cropRange(), QSize(640, 480));
    QCOMPARE(frame.cropValue(), QRect(0, 0, 640, 480));
}

QTEST_MAIN(tst_SliderEditFrame)
#include "tst_slidereditframe.moc"
