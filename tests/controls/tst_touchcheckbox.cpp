#include "common/testsupport.h"

#include <vireowidgets/controls/touchcheckbox.h>

#include <QSignalSpy>
#include <QTest>

using Vireo::Widgets::TouchCheckBox;

class tst_TouchCheckBox : public QObject
{
    Q_OBJECT
private slots:
    void tapAnywhereToggles_data();
    void tapAnywhereToggles();
    void releaseOutsideKeepsState();
    void fingerHeight();
    void keyboardToggles();
    void programmaticChangeIsNotAClick();
};

void tst_TouchCheckBox::tapAnywhereToggles_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<QPoint>("pos");

    // The widget is 300 x 40; its text and indicator take only a small part of it.
    QTest::newRow("left-to-right, indicator") << Qt::LeftToRight << QPoint(8, 20);
    QTest::newRow("left-to-right, empty right end") << Qt::LeftToRight << QPoint(295, 20);
    QTest::newRow("left-to-right, bottom edge") << Qt::LeftToRight << QPoint(150, 39);
    QTest::newRow("right-to-left, indicator") << Qt::RightToLeft << QPoint(292, 20);
    QTest::newRow("right-to-left, empty left end") << Qt::RightToLeft << QPoint(3, 20);
}

void tst_TouchCheckBox::tapAnywhereToggles()
{
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(QPoint, pos);

    TouchCheckBox box(QStringLiteral("MultiSelect"));
    box.setLayoutDirection(direction);
    box.setFixedSize(300, 40);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    QSignalSpy clicked(&box, &QAbstractButton::clicked);
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, pos);
    QVERIFY(box.isChecked());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toBool(), true);

    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, pos);
    QVERIFY(!box.isChecked());
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(clicked.at(1).at(0).toBool(), false);
}

void tst_TouchCheckBox::releaseOutsideKeepsState()
{
    QWidget window;
    window.resize(400, 200);
    TouchCheckBox box(QStringLiteral("MultiSelect"), &window);
    box.setGeometry(0, 0, 300, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QSignalSpy clicked(&box, &QAbstractButton::clicked);
    QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(150, 20));
    QTest::mouseMove(&box, QPoint(150, 120));
    QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(150, 120));
    QVERIFY(!box.isChecked());
    QCOMPARE(clicked.count(), 0);
}

void tst_TouchCheckBox::fingerHeight()
{
    TouchCheckBox box(QStringLiteral("MultiSelect"));
    QFont small = box.font();
    small.setPixelSize(6);
    box.setFont(small);
    QVERIFY(box.sizeHint().height() >= TouchCheckBox::MinimumTouchHeight);
    QVERIFY(box.minimumSizeHint().height() >= TouchCheckBox::MinimumTouchHeight);
    QCOMPARE(box.text(), QStringLiteral("MultiSelect"));
}

void tst_TouchCheckBox::keyboardToggles()
{
    TouchCheckBox box(QStringLiteral("MultiSelect"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy clicked(&box, &QAbstractButton::clicked);
    QTest::keyClick(&box, Qt::Key_Space);
    QVERIFY(box.isChecked());
    QCOMPARE(clicked.count(), 1);
}

void tst_TouchCheckBox::programmaticChangeIsNotAClick()
{
    TouchCheckBox box;
    QSignalSpy clicked(&box, &QAbstractButton::clicked);
    QSignalSpy toggled(&box, &QAbstractButton::toggled);
    box.setChecked(true);
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(clicked.count(), 0);
}

QTEST_MAIN(tst_TouchCheckBox)
#include "tst_touchcheckbox.moc"
