#include "common/testsupport.h"

#include <zkwidgets/flowlayout.h>

#include <QLabel>
#include <QPointer>
#include <QtTest>

using ZK::Utils::FlowLayout;

namespace {

// A flow layout that stacks its items in one column, as a paged variant would arrange them otherwise.
class ColumnFlowLayout : public FlowLayout
{
    Q_OBJECT
public:
    using FlowLayout::FlowLayout;
    int layoutRuns = 0;

protected:
    int doLayout(const QRect& rect, bool testOnly) const override
    {
        if (!testOnly)
            ++const_cast<ColumnFlowLayout*>(this)->layoutRuns;
        int y = rect.y();
        for (QLayoutItem* item : m_itemList) {
            if (!testOnly)
                item->setGeometry(QRect(QPoint(rect.x(), y), item->sizeHint()));
            y += item->sizeHint().height();
        }
        return y - rect.y();
    }
};

QWidget* addBox(QWidget* container, FlowLayout* layout, const QSize& size)
{
    auto* box = new QWidget(container);
    box->setFixedSize(size);
    layout->addWidget(box);
    return box;
}

} // namespace

class tst_FlowLayout : public QObject
{
    Q_OBJECT

private slots:
    void wrapsIntoRows_data();
    void wrapsIntoRows();
    void spacingsAreReported_data();
    void spacingsAreReported();
    void defaultSpacingFollowsStyle();
    void insertTakeAndCount();
    void parentlessLayoutCanBeInstalled();
    void subclassIsRecognisedAndUsed();
    void deletesItsItems();
};

void tst_FlowLayout::wrapsIntoRows_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<int>("hidden"); // the box hidden before the layout runs, or -1
    QTest::addColumn<QList<QPoint>>("positions"); // of the boxes shown
    QTest::addColumn<int>("height");

    const QList<QSize> five = QVector<QSize>(5, QSize(50, 30)).toList();
    QTest::newRow("three per row") << 186 << 10 << 8 << five << -1
                                   << QList<QPoint> {{10, 10}, {68, 10}, {126, 10}, {10, 48}, {68, 48}}
                                   << 10 + 30 + 8 + 30 + 10;
    QTest::newRow("one pixel short: two per row")
        << 185 << 10 << 8 << five << -1 << QList<QPoint> {{10, 10}, {68, 10}, {10, 48}, {68, 48}, {10, 86}}
        << 10 + 30 + 8 + 30 + 8 + 30 + 10;
    QTest::newRow("all in one row, margin 10")
        << 400 << 10 << 8 << five << -1 << QList<QPoint> {{10, 10}, {68, 10}, {126, 10}, {184, 10}, {242, 10}}
        << 10 + 30 + 10;
    QTest::newRow("one per row") << 70 << 10 << 8 << five << -1
                                 << QList<QPoint> {{10, 10}, {10, 48}, {10, 86}, {10, 124}, {10, 162}}
                                 << 10 + 5 * 30 + 4 * 8 + 10;
    QTest::newRow("no margin, spacing 2")
        << 104 << 0 << 2 << five << -1 << QList<QPoint> {{0, 0}, {52, 0}, {0, 32}, {52, 32}, {0, 64}} << 94;
    QTest::newRow("all in one row") << 1000 << 0 << 8 << five << -1
                                    << QList<QPoint> {{0, 0}, {58, 0}, {116, 0}, {174, 0}, {232, 0}} << 30;
    QTest::newRow("hidden widgets take no room")
        << 95 << 0 << 10 << QVector<QSize>(3, QSize(40, 20)).toList() << 1 << QList<QPoint> {{0, 0}, {50, 0}} << 20;
    QTest::newRow("too wide an item stays on its own row")
        << 100 << 0 << 4 << QList<QSize> {QSize(300, 20), QSize(30, 20)} << -1 << QList<QPoint> {{0, 0}, {0, 24}} << 44;
}

void tst_FlowLayout::wrapsIntoRows()
{
    QFETCH(int, width);
    QFETCH(int, margin);
    QFETCH(int, spacing);
    QFETCH(QList<QSize>, sizes);
    QFETCH(int, hidden);
    QFETCH(QList<QPoint>, positions);
    QFETCH(int, height);

    QWidget container;
    auto* layout = new FlowLayout(&container, margin, spacing, spacing);
    QList<QWidget*> shown;
    for (int i = 0; i < sizes.size(); ++i) {
        QWidget* box = addBox(&container, layout, sizes[i]);
        if (i == hidden)
            box->hide();
        else
            shown << box;
    }

    layout->setGeometry(QRect(0, 0, width, 400));
    QCOMPARE(shown.size(), positions.size());
    for (int i = 0; i < shown.size(); ++i)
        QCOMPARE(shown[i]->geometry(), QRect(positions[i], shown[i]->maximumSize()));
    QVERIFY(layout->hasHeightForWidth());
    QCOMPARE(layout->heightForWidth(width), height);
}

void tst_FlowLayout::spacingsAreReported_data()
{
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("hSpacing");
    QTest::addColumn<int>("vSpacing");

    QTest::newRow("gallery grid") << 0 << 2 << 2;
    QTest::newRow("refresh popup") << 8 << 8 << 8;
    QTest::newRow("resolution popup") << 10 << 8 << 8;
    QTest::newRow("different") << 3 << 15 << 5;
}

void tst_FlowLayout::spacingsAreReported()
{
    QFETCH(int, margin);
    QFETCH(int, hSpacing);
    QFETCH(int, vSpacing);

    QWidget container;
    auto* layout = new FlowLayout(&container, margin, hSpacing, vSpacing);
    QCOMPARE(layout->horizontalSpacing(), hSpacing);
    QCOMPARE(layout->verticalSpacing(), vSpacing);
    QCOMPARE(layout->contentsMargins(), QMargins(margin, margin, margin, margin));

    layout->setHorizontalSpacing(hSpacing + 1);
    layout->setVerticalSpacing(vSpacing + 2);
    QCOMPARE(layout->horizontalSpacing(), hSpacing + 1);
    QCOMPARE(layout->verticalSpacing(), vSpacing + 2);
}

void tst_FlowLayout::defaultSpacingFollowsStyle()
{
    QWidget container;
    auto* layout = new FlowLayout(&container);
    QCOMPARE(layout->horizontalSpacing(),
        container.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, &container));
    QCOMPARE(layout->verticalSpacing(),
        container.style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, &container));
}

void tst_FlowLayout::insertTakeAndCount()
{
    QWidget container;
    auto* layout = new FlowLayout(&container, 0, 0, 0);
    QWidget* a = addBox(&container, layout, QSize(10, 10));
    QWidget* b = addBox(&container, layout, QSize(10, 10));
    auto* inserted = new QLabel(QStringLiteral("first"));
    inserted->setFixedSize(10, 10);
    layout->insertWidget(0, inserted);

    QCOMPARE(layout->count(), 3);
    QCOMPARE(layout->itemAt(0)->widget(), inserted);
    QCOMPARE(inserted->parentWidget(), &container);
    QCOMPARE(layout->itemAt(1)->widget(), a);
    QCOMPARE(layout->itemAt(2)->widget(), b);
    QCOMPARE(layout->itemAt(3), nullptr);
    QCOMPARE(layout->itemAt(-1), nullptr);
    QCOMPARE(layout->takeAt(7), nullptr);
    QCOMPARE(layout->takeAt(-1), nullptr);

    QLayoutItem* taken = layout->takeAt(1);
    QVERIFY(taken);
    QCOMPARE(taken->widget(), a);
    delete taken;
    QCOMPARE(layout->count(), 2);
    QCOMPARE(layout->indexOf(b), 1);

    layout->setGeometry(QRect(0, 0, 100, 100));
    QCOMPARE(inserted->pos(), QPoint(0, 0));
    QCOMPARE(b->pos(), QPoint(10, 0));
}

void tst_FlowLayout::parentlessLayoutCanBeInstalled()
{
    auto* layout = new FlowLayout(5, 6, 7);
    QWidget container;
    container.setLayout(layout);
    QWidget* box = addBox(&container, layout, QSize(20, 20));
    QCOMPARE(box->parentWidget(), &container);
    QCOMPARE(container.layout(), layout);
    QCOMPARE(layout->horizontalSpacing(), 6);
    QCOMPARE(layout->verticalSpacing(), 7);

    container.resize(200, 100);
    container.show();
    QTRY_COMPARE(box->pos(), QPoint(5, 5));
}

void tst_FlowLayout::subclassIsRecognisedAndUsed()
{
    QWidget container;
    FlowLayout* layout = new ColumnFlowLayout(&container, 0, 4, 4);
    QWidget* a = addBox(&container, layout, QSize(20, 10));
    QWidget* b = addBox(&container, layout, QSize(20, 10));

    auto* column = qobject_cast<ColumnFlowLayout*>(container.layout());
    QVERIFY(column);
    QVERIFY(dynamic_cast<ColumnFlowLayout*>(layout));
    QVERIFY(qobject_cast<FlowLayout*>(container.layout()));
    FlowLayout plain;
    QVERIFY(!qobject_cast<ColumnFlowLayout*>(&plain));

    layout->setGeometry(QRect(0, 0, 300, 300));
    QCOMPARE(column->layoutRuns, 1);
    // The subclass's arrangement, not the row flow.
    QCOMPARE(a->pos(), QPoint(0, 0));
    QCOMPARE(b->pos(), QPoint(0, 10));
    QCOMPARE(layout->heightForWidth(300), 20);
}

void tst_FlowLayout::deletesItsItems()
{
    QWidget container;
    auto* layout = new FlowLayout(&container);
    QPointer<QWidget> box = addBox(&container, layout, QSize(10, 10));
    layout->addItem(new QSpacerItem(5, 5));
    QCOMPARE(layout->count(), 2);
    delete layout;
    // The layout's items go with it; the widgets stay with their parent.
    QVERIFY(box);
    QCOMPARE(container.layout(), nullptr);
}

QTEST_MAIN(tst_FlowLayout)
#include "tst_flowlayout.moc"
