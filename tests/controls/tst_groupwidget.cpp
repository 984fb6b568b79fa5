#include "common/testsupport.h"

#include <vireowidgets/controls/groupwidget.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Vireo::Widgets;

class TestGroupWidget : public QObject
{
    Q_OBJECT

private slots:
    void rowAndStyleHooks();
    void visibility_data();
    void visibility();
    void iconButtonClick();
    void styleSheetBackgroundIsPainted();
};

void TestGroupWidget::rowAndStyleHooks()
{
    GroupWidget group;
    auto* title = group.findChild<QLabel*>(QStringLiteral("Title"));
    auto* tip = group.findChild<QLabel*>(QStringLiteral("Tip"));
    auto* button = group.findChild<QToolButton*>();
    QVERIFY(title && tip && button);
    QCOMPARE(title->property("isTitleBar").toBool(), true);
    QCOMPARE(tip->property("isTitleBar").toBool(), true);
    QCOMPARE(button->property("isTitleTipButton").toBool(), true);
    QCOMPARE(title->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(tip->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QVERIFY(button->isHidden());

    group.setTitle(QStringLiteral("Input"));
    group.setTip(QStringLiteral("EDID"));
    QCOMPARE(group.title(), QStringLiteral("Input"));
    QCOMPARE(group.tip(), QStringLiteral("EDID"));
    QCOMPARE(title->text(), QStringLiteral("Input"));
    QCOMPARE(tip->text(), QStringLiteral("EDID"));

    group.setTitle(QStringLiteral("Timing"));
    group.setTip(QStringLiteral("applies to all outputs"));
    group.setBtnTipVisible(true);
    group.resize(400, 30);
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    // Title, then the icon button, then the tip.
    QVERIFY(title->geometry().right() < button->geometry().left());
    QVERIFY(button->geometry().right() < tip->geometry().left());
}

void TestGroupWidget::visibility_data()
{
    QTest::addColumn<bool>("titleVisible");
    QTest::addColumn<bool>("tipVisible");
    QTest::newRow("both") << true << true;
    QTest::newRow("title only") << true << false;
    QTest::newRow("tip only") << false << true;
}

void TestGroupWidget::visibility()
{
    QFETCH(bool, titleVisible);
    QFETCH(bool, tipVisible);
    GroupWidget group;
    group.setTitle(QStringLiteral("Output"));
    group.setTip(QStringLiteral("4K"));
    group.setTitleVisible(titleVisible);
    group.setTipVisible(tipVisible);
    QCOMPARE(group.isTitleVisible(), titleVisible);
    QCOMPARE(group.isTipVisible(), tipVisible);
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    QCOMPARE(group.findChild<QLabel*>(QStringLiteral("Title"))->isVisible(), titleVisible);
    QCOMPARE(group.findChild<QLabel*>(QStringLiteral("Tip"))->isVisible(), tipVisible);
}

void TestGroupWidget::iconButtonClick()
{
    GroupWidget group;
    group.setTitle(QStringLiteral("HDR"));
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::yellow);
    group.setBtnTipIcon(QIcon(pixmap));
    group.setBtnTipVisible(true);
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    QSignalSpy clicked(&group, &GroupWidget::signalIconClicked);

    auto* button = group.findChild<QToolButton*>();
    QVERIFY(!button->icon().isNull());
    QCOMPARE(group.tipRect(), QRect(QPoint(0, 0), button->size()));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, group.tipRect().center());
    QCOMPARE(clicked.count(), 1);

    // Clicking the title does nothing.
    QTest::mouseClick(group.findChild<QLabel*>(QStringLiteral("Title")), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

void TestGroupWidget::styleSheetBackgroundIsPainted()
{
    GroupWidget group;
    group.setStyleSheet(QStringLiteral("Vireo--Widgets--GroupWidget { background-color: rgb(10, 200, 30); }"));
    group.resize(120, 30);
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    const QImage picture = group.grab().toImage();
    QCOMPARE(QColor(picture.pixel(picture.width() - 2, picture.height() / 2)), QColor(10, 200, 30));
}

QTEST_MAIN(TestGroupWidget)
#include "tst_groupwidget.moc"
