#include "common/testsupport.h"

#include <vireowidgets/media/thumbnailwidget.h>

#include <vireomodel/fixture.h>
#include <vireomodel/vireomodel.h>

#include <QSignalSpy>
#include <QTest>

using namespace Vireo::BizModel;
using Vireo::Test::sendMouse;
using Vireo::Widgets::ThumbnailWidget;

namespace {

// A widget whose drawable area (inside the 2-pixel border) is 384 x 216, showing a 3840 x 2160
// source: ten source units a pixel both ways. The drawable area starts at (1, 1).
constexpr int kWidgetWidth = 386;
constexpr int kWidgetHeight = 218;

void setUpWidget(ThumbnailWidget& widget, const QRect& selection = QRect(0, 0, 1920, 1080))
{
    widget.resize(kWidgetWidth, kWidgetHeight);
    widget.setThumbnailTolSize(QSize(3840, 2160));
    widget.setThumbnailRect(selection);
    widget.setDragEable(true);
}

void drag(QWidget& widget, const QPoint& from, const QPoint& to)
{
    sendMouse(&widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    // Two steps, so a result that depends on the path (not only the end) would show.
    sendMouse(&widget, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    sendMouse(&widget, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(&widget, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

Input& addSelectedInput(quint32 key)
{
    Device* device = Vireo::Fixture::activeDevice();
    Input& input = device->addInput(key, {0, int(key), 0}, Enum::Interface::HDMI_2_0);
    device->setSelectedInputs({device->findInput(key)});
    return input;
}

} // namespace

class tst_ThumbnailWidget : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void geometryFromOutside();
    void dragReportsRegionInsideSource_data();
    void dragReportsRegionInsideSource();
    void disabledDragNeverMoves();
    void dragStoppedMidWayReportsNothing();
    void hoverCursor_data();
    void hoverCursor();
    void pickPointStoredOnSelectedInput();
    void pickWithoutInputDoesNothing_data();
    void pickWithoutInputDoesNothing();
    void pickPointRoundTrip();
    void pickMarkPaintedAtStoredPoint();
    void resizeKeepsSelectionInSourceUnits();
};

void tst_ThumbnailWidget::init()
{
    Vireo::Fixture::reset();
    Vireo::Fixture::makeActiveDevice();
}

void tst_ThumbnailWidget::geometryFromOutside()
{
    ThumbnailWidget widget;
    setUpWidget(widget);
    QCOMPARE(widget.drawableRect(), QRect(1, 1, 384, 216));
    QCOMPARE(widget.currentRect(), QRect(1, 1, 192, 108));
    widget.setThumbnailRect(QRect(1000, 500, 640, 360));
    QCOMPARE(widget.currentRect(), QRect(101, 51, 64, 36));
    QCOMPARE(widget.thumbnailRect(), QRect(1000, 500, 640, 360));
}

void tst_ThumbnailWidget::dragReportsRegionInsideSource_data()
{
    QTest::addColumn<QRect>("start");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QRect>("reported");
    QTest::addColumn<QRect>("drawn");

    // The selection starts at widget (1, 1, 192, 108) unless said otherwise.
    const QRect half(0, 0, 1920, 1080);
    QTest::newRow("move by ten pixels") << half << QPoint(90, 50) << QPoint(10, 10) << QRect(100, 100, 1920, 1080)
                                        << QRect(11, 11, 192, 108);
    QTest::newRow("pushed past the right edge")
        << half << QPoint(90, 50) << QPoint(1000, 0) << QRect(1920, 0, 1920, 1080) << QRect(193, 1, 192, 108);
    QTest::newRow("pushed past the bottom-left corner")
        << QRect(1920, 0, 1920, 1080) << QPoint(290, 50) << QPoint(-1000, 1000) << QRect(0, 1080, 1920, 1080)
        << QRect(1, 109, 192, 108);
    QTest::newRow("right edge shrunk below the minimum")
        << half << QPoint(193, 50) << QPoint(-500, 0) << QRect(0, 0, 30, 1080) << QRect(1, 1, 3, 108);
    QTest::newRow("left edge dragged past the right edge")
        << half << QPoint(1, 50) << QPoint(300, 0) << QRect(1890, 0, 30, 1080) << QRect(190, 1, 3, 108);
    QTest::newRow("bottom-right corner grown past the area")
        << half << QPoint(193, 109) << QPoint(900, 900) << QRect(0, 0, 3840, 2160) << QRect(1, 1, 384, 216);
    QTest::newRow("top edge up to the area") << QRect(0, 1000, 1920, 1000) << QPoint(90, 101) << QPoint(0, -400)
                                             << QRect(0, 0, 1920, 2000) << QRect(1, 1, 192, 200);
    QTest::newRow("top-left corner inwards")
        << half << QPoint(1, 1) << QPoint(50, 20) << QRect(500, 200, 1420, 880) << QRect(51, 21, 142, 88);
}

void tst_ThumbnailWidget::dragReportsRegionInsideSource()
{
    QFETCH(QRect, start);
    QFETCH(QPoint, from);
    QFETCH(QPoint, offset);
    QFETCH(QRect, reported);
    QFETCH(QRect, drawn);

    ThumbnailWidget widget;
    setUpWidget(widget, start);
    QSignalSpy spy(&widget, &ThumbnailWidget::signal_ThumbnailRect);
    drag(widget, from, from + offset);

    QCOMPARE(widget.currentRect(), drawn);
    QCOMPARE(spy.count(), 1);
    const QRect rc = spy.at(0).at(0).toRect();
    QCOMPARE(rc, reported);
    QVERIFY(QRect(0, 0, 3840, 2160).contains(rc));
    QCOMPARE(widget.thumbnailRect(), reported);
}

void tst_ThumbnailWidget::disabledDragNeverMoves()
{
    ThumbnailWidget widget;
    setUpWidget(widget);
    widget.setDragEable(false);
    QSignalSpy spy(&widget, &ThumbnailWidget::signal_ThumbnailRect);
    drag(widget, QPoint(90, 50), QPoint(200, 100));
    QCOMPARE(widget.currentRect(), QRect(1, 1, 192, 108));
    QCOMPARE(spy.count(), 0);
}

void tst_ThumbnailWidget::dragStoppedMidWayReportsNothing()
{
    ThumbnailWidget widget;
    setUpWidget(widget);
    QSignalSpy spy(&widget, &ThumbnailWidget::signal_ThumbnailRect);
    sendMouse(&widget, QEvent::MouseButtonPress, QPoint(90, 50), Qt::LeftButton, Qt::LeftButton);
    sendMouse(&widget, QEvent::MouseMove, QPoint(120, 50), Qt::NoButton, Qt::LeftButton);
    // The host turns dragging off between the press and the release.
    widget.setDragEable(false);
    sendMouse(&widget, QEvent::MouseButtonRelease, QPoint(120, 50), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(widget.thumbnailRect(), QRect(0, 0, 1920, 1080));
}

void tst_ThumbnailWidget::hoverCursor_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("shape");

    // Selection drawn at (101, 51, 64, 36): edges x = 101 and 165, y = 51 and 87.
    QTest::newRow("left edge") << QPoint(101, 75) << int(Qt::SizeHorCursor);
    QTest::newRow("right edge") << QPoint(165, 75) << int(Qt::SizeHorCursor);
    QTest::newRow("top edge") << QPoint(120, 51) << int(Qt::SizeVerCursor);
    QTest::newRow("bottom edge") << QPoint(150, 87) << int(Qt::SizeVerCursor);
    QTest::newRow("inside") << QPoint(125, 65) << int(Qt::SizeAllCursor);
    QTest::newRow("outside") << QPoint(20, 20) << int(Qt::ArrowCursor);
    QTest::newRow("top-left corner") << QPoint(101, 51) << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom-left corner") << QPoint(101, 87) << int(Qt::SizeBDiagCursor);
}

void tst_ThumbnailWidget::hoverCursor()
{
    QFETCH(QPoint, pos);
    QFETCH(int, shape);
    ThumbnailWidget widget;
    setUpWidget(widget, QRect(1000, 500, 640, 360));
    sendMouse(&widget, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
    QCOMPARE(int(widget.cursor().shape()), shape);
}

void tst_ThumbnailWidget::pickPointStoredOnSelectedInput()
{
    Input& input = addSelectedInput(3);
    ThumbnailWidget widget;
    setUpWidget(widget, QRect(1000, 500, 640, 360));
    widget.setDragEable(false);
    QSignalSpy spy(&widget, &ThumbnailWidget::signal_PickUpPoint);

    // Picking belongs to matting: enabling the pick-up mark alone picks nothing.
    widget.setEnablePickUp(true);
    sendMouse(&widget, QEvent::MouseButtonPress, QPoint(121, 61), Qt::LeftButton, Qt::LeftButton);
    sendMouse(&widget, QEvent::MouseButtonRelease, QPoint(121, 61), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(input.getPickPoint(), QPoint());

    widget.setMattingEnalbe(true);
    // Outside the selection: no pick.
    sendMouse(&widget, QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton, Qt::LeftButton);
    sendMouse(&widget, QEvent::MouseButtonRelease, QPoint(20, 20), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(spy.count(), 0);

    sendMouse(&widget, QEvent::MouseButtonPress, QPoint(121, 61), Qt::LeftButton, Qt::LeftButton);
    sendMouse(&widget, QEvent::MouseButtonRelease, QPoint(121, 61), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toPoint(), QPoint(1200, 600));
    QCOMPARE(input.getPickPoint(), QPoint(1200, 600));
    QCOMPARE(widget.getPickUpPoint(), QPoint(1200, 600));
}

void tst_ThumbnailWidget::pickWithoutInputDoesNothing_data()
{
    QTest::addColumn<QString>("loss");
    QTest::newRow("no selected input") << "selection";
    QTest::newRow("input removed") << "input";
    QTest::newRow("device removed") << "device";
}

void tst_ThumbnailWidget::pickWithoutInputDoesNothing()
{
    QFETCH(QString, loss);
    addSelectedInput(3);
    ThumbnailWidget widget;
    setUpWidget(widget, QRect(1000, 500, 640, 360));
    widget.setMattingEnalbe(true);
    if (loss == "selection")
        Vireo::Fixture::activeDevice()->setSelectedInputs({});
    else if (loss == "input")
        Vireo::Fixture::activeDevice()->removeInput(3);
    else
        Vireo::Fixture::removeActiveDevice();
    QSignalSpy spy(&widget, &ThumbnailWidget::signal_PickUpPoint);
    sendMouse(&widget, QEvent::MouseButtonPress, QPoint(121, 61), Qt::LeftButton, Qt::LeftButton);
    sendMouse(&widget, QEvent::MouseButtonRelease, QPoint(121, 61), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(spy.count(), 0);
    // Painting the mark without an input is harmless too.
    QVERIFY(!widget.grab().isNull());
}

void tst_ThumbnailWidget::pickPointRoundTrip()
{
    ThumbnailWidget widget;
    setUpWidget(widget);
    // A pick point never set is the source's first pixel, not a point before it.
    QCOMPARE(widget.getPickUpPoint(), QPoint(0, 0));
    widget.setPickUpPoint(QPoint(2500, 1300));
    QCOMPARE(widget.getPickUpPoint(), QPoint(2500, 1300));
}

void tst_ThumbnailWidget::pickMarkPaintedAtStoredPoint()
{
    Input& input = addSelectedInput(1);
    input.setPickPoint(QPoint(2000, 1000)); // widget (201, 101)
    ThumbnailWidget widget;
    setUpWidget(widget, QRect(0, 0, 3840, 2160));
    QImage black(QSize(64, 36), QImage::Format_RGB32);
    black.fill(Qt::black);
    widget.setVideoFrame(black);

    const QColor green(0, 255, 0);
    // The ring of radius 9 crosses (201 + 9, 101); nothing green is drawn there without matting.
    QCOMPARE(widget.grab().toImage().pixelColor(210, 101) == green, false);
    widget.setMattingEnalbe(true);
    QCOMPARE(widget.grab().toImage().pixelColor(210, 101), green);
    QCOMPARE(widget.getPickUpPoint(), QPoint(2000, 1000));
}

void tst_ThumbnailWidget::resizeKeepsSelectionInSourceUnits()
{
    ThumbnailWidget widget;
    setUpWidget(widget, QRect(1920, 1080, 960, 540));
    QCOMPARE(widget.currentRect(), QRect(193, 109, 96, 54));
    widget.show();
    widget.resize(2 * 384 + 2, 2 * 216 + 2);
    QTRY_COMPARE(widget.drawableRect(), QRect(1, 1, 768, 432));
    QCOMPARE(widget.currentRect(), QRect(385, 217, 192, 108));
    // Dragging in the resized widget counts five source units a pixel.
    QSignalSpy spy(&widget, &ThumbnailWidget::signal_ThumbnailRect);
    drag(widget, QPoint(450, 250), QPoint(460, 250));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toRect(), QRect(1970, 1080, 960, 540));
}

QTEST_MAIN(tst_ThumbnailWidget)
#include "tst_thumbnailwidget.moc"
