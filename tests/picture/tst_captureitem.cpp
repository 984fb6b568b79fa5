#include "common/testsupport.h"

#include <vireowidgets/picture/captureitem.h>

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QSignalSpy>
#include <QTest>

using Vireo::Widgets::CaptureDirectItem;
using Vireo::Widgets::CaptureItem;

class tst_CaptureItem : public QObject
{
    Q_OBJECT
private slots:
    void fitting_data();
    void fitting();
    void handlesFollowTheFrame();
    void shrinkingTheAreaRefitsTheFrame();
    void movingWithTheMouse();
};

void tst_CaptureItem::fitting_data()
{
    QTest::addColumn<QSizeF>("area");
    QTest::addColumn<QSize>("range");
    QTest::addColumn<QSizeF>("minimum");
    QTest::addColumn<qulonglong>("limit");
    QTest::addColumn<QRectF>("asked");
    QTest::addColumn<QRectF>("kept");

    const QSize noRange;
    const QSizeF one(1, 1);
    QTest::newRow("inside") << QSizeF(400, 300) << noRange << one << 0ull << QRectF(10, 20, 100, 50)
                            << QRectF(10, 20, 100, 50);
    QTest::newRow("moved back inside") << QSizeF(400, 300) << noRange << one << 0ull << QRectF(350, 280, 100, 50)
                                       << QRectF(300, 250, 100, 50);
    QTest::newRow("negative corner") << QSizeF(400, 300) << noRange << one << 0ull << QRectF(-30, -5, 100, 50)
                                     << QRectF(0, 0, 100, 50);
    QTest::newRow("larger than the area")
        << QSizeF(400, 300) << noRange << one << 0ull << QRectF(0, 0, 900, 900) << QRectF(0, 0, 400, 300);
    QTest::newRow("larger than the range")
        << QSizeF(400, 300) << QSize(200, 100) << one << 0ull << QRectF(50, 50, 300, 200) << QRectF(50, 50, 200, 100);
    QTest::newRow("smaller than the minimum") << QSizeF(400, 300) << noRange << QSizeF(128, 128) << 0ull
                                              << QRectF(300, 200, 10, 10) << QRectF(272, 172, 128, 128);
    QTest::newRow("minimum above the area")
        << QSizeF(100, 80) << noRange << QSizeF(128, 128) << 0ull << QRectF(0, 0, 10, 10) << QRectF(0, 0, 100, 80);
    QTest::newRow("over the pixel budget")
        << QSizeF(400, 300) << noRange << one << 10000ull << QRectF(0, 0, 200, 100) << QRectF(0, 0, 200, 50);
    QTest::newRow("budget at the smallest height")
        << QSizeF(400, 300) << noRange << QSizeF(50, 50) << 10000ull << QRectF(0, 0, 400, 300) << QRectF(0, 0, 200, 50);
    QTest::newRow("reversed rectangle") << QSizeF(400, 300) << noRange << one << 0ull
                                        << QRectF(QPointF(200, 150), QPointF(100, 50)) << QRectF(100, 50, 100, 100);
    QTest::newRow("no area") << QSizeF(0, 0) << noRange << one << 0ull << QRectF(0, 0, 50, 50) << QRectF();
}

void tst_CaptureItem::fitting()
{
    QFETCH(QSizeF, area);
    QFETCH(QSize, range);
    QFETCH(QSizeF, minimum);
    QFETCH(qulonglong, limit);
    QFETCH(QRectF, asked);
    QFETCH(QRectF, kept);

    CaptureItem item;
    item.resize(area);
    if (range.isValid())
        item.setCaptureRange(range);
    item.setMinimumCaptureSize(minimum);
    item.setCapturePixelLimit(limit);
    const QRectF before = item.captureRect();
    QSignalSpy spy(&item, &CaptureItem::captureRectChanged);
    item.setCaptureRect(asked);
    QCOMPARE(item.captureRect(), kept);
    const int reports = before == kept ? 0 : 1;
    QCOMPARE(spy.count(), reports);
    if (reports)
        QCOMPARE(spy.at(0).at(0).toRectF(), kept);
    // Setting what is already there reports nothing.
    item.setCaptureRect(kept);
    QCOMPARE(spy.count(), reports);
}

void tst_CaptureItem::handlesFollowTheFrame()
{
    QGraphicsScene scene;
    auto* item = new CaptureItem;
    scene.addItem(item);
    item->resize(QSizeF(400, 300));
    item->addDirectItems();
    item->addDirectItems(); // once only
    QCOMPARE(item->childItems().size(), int(CaptureDirectItem::DirectionCount));
    item->setCaptureRect(QRectF(100, 50, 200, 100));
    QCOMPARE(item->directItem(CaptureDirectItem::TopLeft)->scenePos(), QPointF(100, 50));
    QCOMPARE(item->directItem(CaptureDirectItem::Right)->scenePos(), QPointF(300, 100));
    QCOMPARE(item->directItem(CaptureDirectItem::Bottom)->scenePos(), QPointF(200, 150));
    QVERIFY(item->directItem(CaptureDirectItem::Left)->flags() & QGraphicsItem::ItemIgnoresTransformations);

    // Each handle moves its own edges only; the opposite edges stay.
    item->dragDirect(CaptureDirectItem::Left, QPointF(20, 999));
    QCOMPARE(item->captureRect(), QRectF(20, 50, 280, 100));
    item->dragDirect(CaptureDirectItem::BottomRight, QPointF(350, 260));
    QCOMPARE(item->captureRect(), QRectF(20, 50, 330, 210));
    item->dragDirect(CaptureDirectItem::Top, QPointF(0, -100));
    QCOMPARE(item->captureRect(), QRectF(20, 0, 330, 260));
    QCOMPARE(item->directItem(CaptureDirectItem::TopRight)->scenePos(), QPointF(350, 0));
}

void tst_CaptureItem::shrinkingTheAreaRefitsTheFrame()
{
    CaptureItem item;
    item.resize(QSizeF(400, 300));
    item.setCaptureRect(QRectF(200, 100, 150, 150));
    QSignalSpy spy(&item, &CaptureItem::captureRectChanged);
    item.resize(QSizeF(250, 200));
    QCOMPARE(item.captureRect(), QRectF(100, 50, 150, 150));
    QCOMPARE(spy.count(), 1);
}

void tst_CaptureItem::movingWithTheMouse()
{
    QGraphicsScene scene;
    auto* item = new CaptureItem;
    scene.addItem(item);
    item->resize(QSizeF(400, 300));
    item->addDirectItems();
    item->setCaptureRect(QRectF(50, 50, 100, 100));
    QGraphicsView view(&scene);
    view.setSceneRect(0, 0, 400, 300);
    view.resize(440, 340);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QWidget* viewport = view.viewport();
    // A left-button press at `from`, moves through the scene points of `path`, a release at its end.
    const auto drag = [&view, viewport](const QPoint& from, const QList<QPointF>& path) {
        Vireo::Test::sendMouse(viewport, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        for (const QPointF& point : path)
            Vireo::Test::sendMouse(viewport, QEvent::MouseMove, view.mapFromScene(point), Qt::NoButton, Qt::LeftButton);
        Vireo::Test::sendMouse(
            viewport, QEvent::MouseButtonRelease, view.mapFromScene(path.last()), Qt::LeftButton, Qt::NoButton);
    };
    // A press outside the frame does not take it along.
    drag(view.mapFromScene(300, 250), {{350, 250}});
    QCOMPARE(item->captureRect(), QRectF(50, 50, 100, 100));
    drag(view.mapFromScene(100, 100), {{160, 130}, {600, 130}});
    QCOMPARE(item->captureRect(), QRectF(300, 80, 100, 100));

    // The handle on the right edge, dragged with the mouse.
    drag(view.mapFromScene(item->directItem(CaptureDirectItem::Right)->scenePos()), {{350, 130}});
    QCOMPARE(item->captureRect(), QRectF(300, 80, 50, 100));
}

QTEST_MAIN(tst_CaptureItem)
#include "tst_captureitem.moc"
