#include "common/testsupport.h"

#include <vireowidgets/picture/framesupplementdisplaywidget.h>
#include <vireowidgets/picture/supplememtcolorwidget.h>
#include <vireowidgets/picture/supplememtinterceptwidget.h>
#include <zkwidgets/slidereditframe.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <memory>

using namespace Vireo::Widgets;

namespace {

struct Intercept
{
    std::unique_ptr<SupplememtInterceptWidget> widget {new SupplememtInterceptWidget};

    Intercept(bool associated = true)
    {
        widget->setXValueRange(0, 1920);
        widget->setYValueRange(0, 1080);
        widget->setWidthValueRange(1, 1920);
        widget->setHeightValueRange(1, 1080);
        widget->setParaAssociateValid(associated);
        widget->setToggled(true);
    }

    // The field named "X", "Y", "Width" or "Height".
    SliderEditFrame* field(const QString& name) const
    {
        return widget->findChild<SliderEditFrame*>(QLatin1String("SupplememtIntercept") + name);
    }
    SliderEditFrame* x() const { return field(QStringLiteral("X")); }
    SliderEditFrame* y() const { return field(QStringLiteral("Y")); }
    SliderEditFrame* width() const { return field(QStringLiteral("Width")); }
    SliderEditFrame* height() const { return field(QStringLiteral("Height")); }
    QToolButton* lock() const { return widget->findChild<QToolButton*>(QStringLiteral("SupplememtInterceptLock")); }
};

SliderEditFrame* colorRow(SupplememtColorWidget& widget, const char* name)
{
    return widget.findChild<SliderEditFrame*>(QLatin1String(name));
}

} // namespace

class TestSupplement : public QObject
{
    Q_OBJECT

private slots:
    void rectangleFromFields_data();
    void rectangleFromFields();
    void associatedRangesFollowEachOther_data();
    void associatedRangesFollowEachOther();
    void rectangleSetsAllFourRanges();
    void lockedWidthDrivesHeight_data();
    void lockedWidthDrivesHeight();
    void lockButtonFlipsAndReports();
    void emittingCanBeSwitchedOff();
    void enableCheckBoxGatesTheControls();
    void hostStateSettersStaySilent();
    void interceptTexts();

    void colourReportsEveryLevel_data();
    void colourReportsEveryLevel();
    void colourOpacityFromAlpha_data();
    void colourOpacityFromAlpha();
    void colourLooksAndEnable();

    void displayKeepsFiveByThreeCentred_data();
    void displayKeepsFiveByThreeCentred();
};

void TestSupplement::rectangleFromFields_data()
{
    QTest::addColumn<QList<int>>("fields");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("10,20 100x50") << QList<int> {10, 20, 100, 50} << QRect(QPoint(10, 20), QPoint(109, 69));
    QTest::newRow("origin, 1x1") << QList<int> {0, 0, 1, 1} << QRect(QPoint(0, 0), QPoint(0, 0));
    QTest::newRow("whole picture") << QList<int> {0, 0, 1920, 1080} << QRect(0, 0, 1920, 1080);
}

void TestSupplement::rectangleFromFields()
{
    QFETCH(QList<int>, fields);
    QFETCH(QRect, rect);
    Intercept intercept(false);
    intercept.widget->setCurXValue(fields[0]);
    intercept.widget->setCurYValue(fields[1]);
    intercept.widget->setCurWidthValue(fields[2]);
    intercept.widget->setCurHeightValue(fields[3]);
    QCOMPARE(intercept.widget->getCurRectValue(), rect);

    // And back: a rectangle fills the four fields.
    Intercept other(false);
    QRect copy = rect;
    other.widget->setCurRectValue(copy);
    QCOMPARE(QList<int>({other.widget->getCurXValue(), other.widget->getCurYValue(), other.widget->getCurWidthValue(),
                 other.widget->getCurHeightValue()}),
        fields);
}

void TestSupplement::associatedRangesFollowEachOther_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("dependent");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");

    QTest::newRow("X limits Width") << "X" << 100 << "Width" << 1 << 1820;
    QTest::newRow("Y limits Height") << "Y" << 80 << "Height" << 1 << 1000;
    QTest::newRow("Width limits X") << "Width" << 1000 << "X" << 0 << 920;
    QTest::newRow("Height limits Y") << "Height" << 1000 << "Y" << 0 << 80;
}

void TestSupplement::associatedRangesFollowEachOther()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(QString, dependent);
    QFETCH(int, minimum);
    QFETCH(int, maximum);

    Intercept intercept;
    intercept.widget->setCurWidthValue(100);
    intercept.widget->setCurHeightValue(100);
    QSignalSpy spy(intercept.widget.get(), &SupplememtInterceptWidget::sig_ValueChanged);
    intercept.field(field)->simulateUserEdit(value);
    QCOMPARE(intercept.field(dependent)->minimum(), minimum);
    QCOMPARE(intercept.field(dependent)->maximum(), maximum);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toRect(), intercept.widget->getCurRectValue());

    // A full-size rectangle: X cuts the width down, and X keeps its own range for the next step.
    Intercept full(false);
    full.widget->setCurWidthValue(1920);
    full.widget->setCurHeightValue(1080);
    full.widget->setParaAssociateValid(true);
    full.field(field)->simulateUserEdit(value);
    if (field == QLatin1String("X") || field == QLatin1String("Y")) {
        const int size = field == QLatin1String("X") ? 1920 : 1080;
        QCOMPARE(full.field(dependent)->value(), size - value);
        full.field(field)->simulateUserEdit(2 * value);
        QCOMPARE(full.field(field)->value(), 2 * value);
        QCOMPARE(full.field(dependent)->maximum(), size - 2 * value);
    }

    // Without association the ranges stay as set.
    Intercept loose(false);
    loose.field(field)->simulateUserEdit(value);
    QCOMPARE(loose.field(dependent)->maximum(), dependent == "Width" || dependent == "X" ? 1920 : 1080);
}

void TestSupplement::rectangleSetsAllFourRanges()
{
    Intercept intercept;
    QSignalSpy spy(intercept.widget.get(), &SupplememtInterceptWidget::sig_ValueChanged);
    QRect rect(QPoint(100, 200), QPoint(1099, 799));
    intercept.widget->setCurRectValue(rect);
    QCOMPARE(intercept.widget->getCurRectValue(), rect);
    QCOMPARE(intercept.width()->maximum(), 1820);
    QCOMPARE(intercept.height()->maximum(), 880);
    QCOMPARE(intercept.x()->maximum(), 920);
    QCOMPARE(intercept.y()->maximum(), 480);
    QCOMPARE(spy.count(), 0); // the host's own rectangle is not reported back

    // Moving X to the right edge shrinks the width with it; the field keeps the operator's X.
    intercept.x()->simulateUserEdit(1900);
    QCOMPARE(intercept.widget->getCurXValue(), 920); // X cannot pass WMax - Width
    intercept.width()->simulateUserEdit(20);
    intercept.x()->simulateUserEdit(1900);
    QCOMPARE(intercept.widget->getCurXValue(), 1900);
    QCOMPARE(intercept.widget->getCurRectValue().right(), 1919);
}

void TestSupplement::lockedWidthDrivesHeight_data()
{
    QTest::addColumn<bool>("associated");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("height follows width") << false << 100 << 500 << 500;
    QTest::newRow("height stops at the bottom") << false << 100 << 1000 << 980;
    QTest::newRow("associated: height follows") << true << 100 << 500 << 500;
    QTest::newRow("associated: height stops, Y stays") << true << 100 << 1000 << 980;
}

void TestSupplement::lockedWidthDrivesHeight()
{
    QFETCH(bool, associated);
    QFETCH(int, y);
    QFETCH(int, width);
    QFETCH(int, height);

    Intercept intercept(associated);
    intercept.widget->setCurHeightValue(200);
    intercept.widget->setCurYValue(y);
    intercept.widget->setLockStatus(true, true);
    QSignalSpy spy(intercept.widget.get(), &SupplememtInterceptWidget::sig_ValueChanged);
    intercept.width()->simulateUserEdit(width);
    QCOMPARE(intercept.widget->getCurHeightValue(), height);
    QCOMPARE(intercept.widget->getCurYValue(), y);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toRect(), QRect(0, y, width, height));
    if (associated)
        QCOMPARE(intercept.y()->maximum(), 1080 - height);
}

void TestSupplement::lockButtonFlipsAndReports()
{
    Intercept intercept;
    intercept.widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(intercept.widget.get()));
    QSignalSpy spy(intercept.widget.get(), &SupplememtInterceptWidget::sig_Lock);
    QTest::mouseClick(intercept.lock(), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QVERIFY(intercept.lock()->isChecked());
    QVERIFY(intercept.height()->isEnabled());
    QTest::mouseClick(intercept.lock(), Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
    QVERIFY(!intercept.lock()->isChecked());

    // Unlocked, Width leaves Height alone.
    intercept.widget->setCurHeightValue(300);
    intercept.width()->simulateUserEdit(700);
    QCOMPARE(intercept.widget->getCurHeightValue(), 300);
}

void TestSupplement::emittingCanBeSwitchedOff()
{
    Intercept intercept;
    intercept.widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(intercept.widget.get()));
    QSignalSpy values(intercept.widget.get(), &SupplememtInterceptWidget::sig_ValueChanged);
    QSignalSpy checks(intercept.widget.get(), &SupplememtInterceptWidget::sig_CheckBoxCheck);
    QSignalSpy locks(intercept.widget.get(), &SupplememtInterceptWidget::sig_Lock);
    QSignalSpy resets(intercept.widget.get(), &SupplememtInterceptWidget::sig_Reset);
    intercept.widget->setEmitEnabled(false);
    intercept.widget->setCurXValue(100);
    intercept.width()->simulateUserEdit(400);
    QTest::mouseClick(intercept.lock(), Qt::LeftButton);
    QTest::mouseClick(intercept.widget->getCheckBox(), Qt::LeftButton);
    QCOMPARE(intercept.widget->getCurXValue(), 100);
    QCOMPARE(intercept.widget->getCurWidthValue(), 400);
    QCOMPARE(intercept.width()->maximum(), 1820);
    QCOMPARE(values.count() + checks.count() + locks.count() + resets.count(), 0);

    intercept.widget->setEmitEnabled(true);
    QTest::mouseClick(intercept.widget->getCheckBox(), Qt::LeftButton);
    QCOMPARE(checks.count(), 1);
    QTest::mouseClick(
        intercept.widget->findChild<QPushButton*>(QStringLiteral("SupplememtInterceptReset")), Qt::LeftButton);
    QCOMPARE(resets.count(), 1);
}

void TestSupplement::enableCheckBoxGatesTheControls()
{
    Intercept intercept;
    intercept.widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(intercept.widget.get()));
    intercept.widget->setLockStatus(true, true);
    QSignalSpy spy(intercept.widget.get(), &SupplememtInterceptWidget::sig_CheckBoxCheck);
    QTest::mouseClick(intercept.widget->getCheckBox(), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QVERIFY(!intercept.widget->getEable());
    for (QWidget* control :
        QList<QWidget*> {intercept.x(), intercept.y(), intercept.width(), intercept.height(), intercept.lock()})
        QVERIFY(!control->isEnabled());
    QVERIFY(!intercept.lock()->isChecked()); // locked, but shown unchecked while disabled
    QTest::mouseClick(intercept.widget->getCheckBox(), Qt::LeftButton);
    QVERIFY(intercept.x()->isEnabled());
    QVERIFY(intercept.lock()->isChecked());
}

void TestSupplement::hostStateSettersStaySilent()
{
    Intercept intercept;
    QSignalSpy checks(intercept.widget.get(), &SupplememtInterceptWidget::sig_CheckBoxCheck);
    QSignalSpy values(intercept.widget.get(), &SupplememtInterceptWidget::sig_ValueChanged);
    intercept.widget->setCurXValue(100);
    intercept.widget->setCurYValue(80);
    intercept.widget->setCurWidthValue(300);
    intercept.widget->setCurHeightValue(200);
    QCOMPARE(values.count(), 0);
    QCOMPARE(QList<int>({intercept.width()->maximum(), intercept.height()->maximum(), intercept.x()->maximum(),
                 intercept.y()->maximum()}),
        QList<int>({1820, 1000, 1620, 880}));
    intercept.widget->setLockStatus(true, true);
    intercept.widget->setToggled(false);
    QVERIFY(!intercept.widget->getEable());
    QVERIFY(!intercept.x()->isEnabled());
    intercept.widget->setToggled(true);
    QVERIFY(!intercept.lock()->isChecked()); // setToggled clears the lock
    intercept.widget->setToggledLock(true);
    QVERIFY(intercept.lock()->isChecked());
    intercept.widget->setLockStatusParamer(true);
    QVERIFY(!intercept.lock()->isChecked());
    intercept.widget->setLockStatus(true, false);
    QVERIFY(!intercept.lock()->isChecked());
    intercept.widget->setCheckBoxStatus(false);
    QVERIFY(!intercept.widget->getCheckBox()->isEnabled());
    QCOMPARE(checks.count(), 0);

    intercept.widget->setWidthValueRange(16, 3840);
    intercept.widget->setHeightValueRange(8, 2160);
    intercept.widget->setWidthStep(4);
    QCOMPARE(QList<int>({intercept.widget->getWidthMinmum(), intercept.widget->getWidthMaximum(),
                 intercept.widget->getHeightMinmum(), intercept.widget->getHeightMaximum(),
                 intercept.width()->singleStep()}),
        QList<int>({16, 3840, 8, 2160, 4}));
}

void TestSupplement::interceptTexts()
{
    Intercept intercept;
    for (const QString name : {"X", "Y", "Width", "Height"})
        QCOMPARE(intercept.field(name)->labelText(), name);
    QCOMPARE(intercept.widget->findChild<QPushButton*>(QStringLiteral("SupplememtInterceptReset"))->text(),
        QStringLiteral("Reset"));
    QCOMPARE(intercept.widget->findChild<QLabel*>(QStringLiteral("SupplememtInterceptEnableLabel"))->text(),
        QStringLiteral("Enable"));
    intercept.widget->setXLableName(QStringLiteral("Left"));
    intercept.widget->retranslateUi();
    QCOMPARE(intercept.x()->labelText(), QStringLiteral("Left"));
    intercept.widget->setTitle(QStringLiteral("Output 3"));
    intercept.widget->setTitleVisible(true);
    auto* title = intercept.widget->findChild<QLabel*>(QStringLiteral("SupplememtInterceptTitle"));
    QCOMPARE(title->text(), QStringLiteral("Output 3"));
    QVERIFY(!title->isHidden());
    intercept.widget->setLabelWidth(77);
    QCOMPARE(intercept.x()->findChild<QLabel*>(QStringLiteral("SliderEditFrameLabel"))->width(), 77);
}

void TestSupplement::colourReportsEveryLevel_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("all");

    QTest::newRow("red") << "SupplememtColorRed" << 200 << QColor(200, 0, 0, 0) << 0;
    QTest::newRow("green") << "SupplememtColorGreen" << 17 << QColor(0, 17, 0, 0) << 0;
    QTest::newRow("blue") << "SupplememtColorBlue" << 255 << QColor(0, 0, 255, 0) << 0;
    QTest::newRow("overall level") << "SupplememtColorAll" << 90 << QColor(0, 0, 0, 0) << 90;
    QTest::newRow("opacity 50") << "SupplememtColorOpacity" << 50 << QColor::fromRgbF(0, 0, 0, 0.5) << 0;
}

void TestSupplement::colourReportsEveryLevel()
{
    QFETCH(QString, row);
    QFETCH(int, value);
    QFETCH(QColor, color);
    QFETCH(int, all);

    SupplememtColorWidget widget;
    QSignalSpy spy(&widget, &SupplememtColorWidget::signalRGBValueChanged);
    colorRow(widget, row.toLatin1().constData())->simulateUserEdit(value);
    QCOMPARE(spy.count(), 1);
    const QColor reported = spy.at(0).at(0).value<QColor>();
    QCOMPARE(reported.rgb(), color.rgb());
    QCOMPARE(reported.alphaF(), color.alphaF());
    QCOMPARE(spy.at(0).at(1).toInt(), all);
    QCOMPARE(widget.getColorData().rgba(), reported.rgba());
    QCOMPARE(widget.getAllValue(), all);
}

void TestSupplement::colourOpacityFromAlpha_data()
{
    QTest::addColumn<qreal>("alpha");
    QTest::addColumn<int>("opacity");
    QTest::newRow("0.333") << 0.333 << 33;
    QTest::newRow("0.5") << 0.5 << 50;
    QTest::newRow("0.07 survives 16-bit alpha") << 0.07 << 7;
    QTest::newRow("0.999 truncates") << 0.999 << 99;
    QTest::newRow("opaque") << 1.0 << 100;
    QTest::newRow("clear") << 0.0 << 0;
}

void TestSupplement::colourOpacityFromAlpha()
{
    QFETCH(qreal, alpha);
    QFETCH(int, opacity);
    SupplememtColorWidget widget;
    QSignalSpy spy(&widget, &SupplememtColorWidget::signalRGBValueChanged);
    QColor color(10, 20, 30);
    color.setAlphaF(alpha);
    widget.setValue(color);
    widget.setAllValue(40);
    QCOMPARE(spy.count(), 0); // the host's own colour is not reported back
    QCOMPARE(widget.getAllValue(), 40);
    QCOMPARE(colorRow(widget, "SupplememtColorOpacity")->value(), opacity);
    QCOMPARE(colorRow(widget, "SupplememtColorRed")->value(), 10);
    QCOMPARE(colorRow(widget, "SupplememtColorGreen")->value(), 20);
    QCOMPARE(colorRow(widget, "SupplememtColorBlue")->value(), 30);
    QCOMPARE(widget.getColorData().alphaF(), QColor::fromRgbF(0, 0, 0, opacity * 0.01).alphaF());
}

void TestSupplement::colourLooksAndEnable()
{
    SupplememtColorWidget widget;
    for (const QByteArray colour : {"Red", "Green", "Blue"}) {
        SliderEditFrame* row = colorRow(widget, ("SupplememtColor" + colour).constData());
        QVERIFY2(row->property(("isColorControl_" + colour).constData()).toBool(), colour.constData());
        QCOMPARE(row->labelText(), QString::fromLatin1(colour));
    }
    auto* reset = widget.findChild<QPushButton*>(QStringLiteral("SupplememtColorReset"));
    QCOMPARE(reset->text(), QStringLiteral("Reset"));
    QVERIFY(!reset->autoDefault());
    for (const char* row : {"SupplememtColorAll", "SupplememtColorRed", "SupplememtColorOpacity"}) {
        QCOMPARE(colorRow(widget, row)->value(), 0);
        QCOMPARE(colorRow(widget, row)->timeSamplingRate(), 100);
    }

    widget.setRGBWidgetISEnabled(false);
    QVERIFY(!colorRow(widget, "SupplememtColorRed")->isEnabled());
    QVERIFY(!colorRow(widget, "SupplememtColorBlue")->isEnabled());
    QVERIFY(!reset->isEnabled());
    QVERIFY(colorRow(widget, "SupplememtColorAll")->isEnabled());
    widget.setRGBWidgetISEnabled(true);

    widget.setRValueRange(0, 1023);
    widget.setOpacityValueRange(0, 100);
    QCOMPARE(colorRow(widget, "SupplememtColorRed")->maximum(), 1023);
    widget.setButtonText(QStringLiteral("Default"));
    widget.setRLableName(QStringLiteral("R"));
    widget.retranslateUi();
    QCOMPARE(reset->text(), QStringLiteral("Default"));
    QCOMPARE(colorRow(widget, "SupplememtColorRed")->labelText(), QStringLiteral("R"));

    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QSignalSpy clicks(&widget, &SupplememtColorWidget::signal_buttonClicked);
    QTest::mouseClick(reset, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    widget.setOpacityVisible(false);
    QVERIFY(colorRow(widget, "SupplememtColorOpacity")->isHidden());
}

void TestSupplement::displayKeepsFiveByThreeCentred_data()
{
    QTest::addColumn<QSize>("parentSize");
    QTest::addColumn<int>("height");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("300 high") << QSize(800, 400) << 300 << QRect(150, 50, 500, 300);
    QTest::newRow("truncated width") << QSize(600, 200) << 100 << QRect(217, 50, 166, 100);
    QTest::newRow("wider than the parent") << QSize(300, 300) << 300 << QRect(-100, 0, 500, 300);
}

void TestSupplement::displayKeepsFiveByThreeCentred()
{
    QFETCH(QSize, parentSize);
    QFETCH(int, height);
    QFETCH(QRect, geometry);

    QWidget parent;
    parent.resize(parentSize);
    auto* display = new FrameSupplementDisplayWidget(&parent);
    QCOMPARE(display->objectName(), QStringLiteral("OutputDisplayWidget"));
    QVERIFY(display->hasScaledContents());
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    display->resize(50, height);
    QCOMPARE(display->geometry(), geometry);
}

QTEST_MAIN(TestSupplement)
#include "tst_supplement.moc"
