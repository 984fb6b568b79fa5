#include "common/testsupport.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/resourcedrag.h>

#include <QDataStream>
#include <QDrag>
#include <QMimeData>
#include <QPointer>
#include <QToolButton>
#include <QtTest>

using namespace Vireo::Widgets::Internal;

namespace {

// An opaque, evenly coloured button of a known size.
std::unique_ptr<QWidget> shownOwnerWithButton(QToolButton*& button, const QSize& size = QSize(100, 40))
{
    auto owner = std::make_unique<QWidget>();
    owner->resize(300, 200);
    button = new QToolButton(owner.get());
    button->setAutoFillBackground(true);
    button->setStyleSheet(QStringLiteral("QToolButton { background: rgb(200, 30, 40); border: none; }"));
    button->setFixedSize(size);
    owner->show();
    return owner;
}

} // namespace

class tst_ResourceDrag : public QObject
{
    Q_OBJECT

private slots:
    void keyNumberBytes_data();
    void keyNumberBytes();
    void hotSpotBytes_data();
    void hotSpotBytes();
    void pictureSize_data();
    void pictureSize();
    void pictureIsTranslucentGrab();
    void framedPicture();
    void grabFramedAtItsOwnSize();
    void dragWithPicture();
    void customDrag();
    void refusedWithoutOwner();
};

void tst_ResourceDrag::keyNumberBytes_data()
{
    QTest::addColumn<quint64>("keyNo");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("0") << quint64(0) << QByteArray("0");
    QTest::newRow("3") << quint64(3) << QByteArray("3");
    QTest::newRow("65536") << quint64(65536) << QByteArray("65536");
    QTest::newRow("0xFFFFFFFF") << quint64(0xFFFFFFFFu) << QByteArray("4294967295");
    QTest::newRow("max") << std::numeric_limits<quint64>::max() << QByteArray("18446744073709551615");
}

void tst_ResourceDrag::keyNumberBytes()
{
    QFETCH(quint64, keyNo);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Vireo::Widgets::Internal::keyNumberBytes(keyNo), bytes);
}

void tst_ResourceDrag::hotSpotBytes_data()
{
    QTest::addColumn<QPoint>("hotSpot");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("origin") << QPoint(0, 0) << QByteArray::fromHex("0000000000000000");
    QTest::newRow("centre") << QPoint(50, 20) << QByteArray::fromHex("0000003200000014");
    QTest::newRow("negative and large") << QPoint(-1, 300) << QByteArray::fromHex("ffffffff0000012c");
}

void tst_ResourceDrag::hotSpotBytes()
{
    QFETCH(QPoint, hotSpot);
    QFETCH(QByteArray, bytes);
    const QByteArray written = dragHotSpotBytes(hotSpot);
    QCOMPARE(written, bytes);
    QDataStream stream(written);
    QPoint read;
    stream >> read;
    QCOMPARE(read, hotSpot);
}

void tst_ResourceDrag::pictureSize_data()
{
    QTest::addColumn<QSize>("dragPixmapSize");
    QTest::addColumn<QSize>("pictureSize");
    QTest::newRow("0 x 0: the grab") << QSize(0, 0) << QSize(100, 40);
    QTest::newRow("0 width: the grab") << QSize(0, 80) << QSize(100, 40);
    QTest::newRow("0 height: the grab") << QSize(80, 0) << QSize(100, 40);
    QTest::newRow("default QSize (-1, -1): the grab") << QSize() << QSize(100, 40);
    QTest::newRow("larger target") << QSize(160, 90) << QSize(160, 90);
    QTest::newRow("smaller target") << QSize(50, 20) << QSize(50, 20);
}

void tst_ResourceDrag::pictureSize()
{
    QFETCH(QSize, dragPixmapSize);
    QFETCH(QSize, pictureSize);
    QToolButton* button = nullptr;
    auto owner = shownOwnerWithButton(button);
    QCOMPARE(resourceDragPixmap(button, dragPixmapSize).size(), pictureSize);
    QVERIFY(resourceDragPixmap(nullptr, dragPixmapSize).isNull());
}

void tst_ResourceDrag::pictureIsTranslucentGrab()
{
    QToolButton* button = nullptr;
    auto owner = shownOwnerWithButton(button);
    const QImage grab = button->grab().toImage();
    const QImage picture = resourceDragPixmap(button, QSize(0, 0)).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(picture.size(), grab.size());
    const QColor centre = picture.pixelColor(50, 20);
    QVERIFY2(qAbs(centre.alpha() - 200) <= 1, qPrintable(QString::number(centre.alpha())));
    const QColor original = grab.pixelColor(50, 20);
    QVERIFY(qAbs(centre.red() - original.red()) <= 2);
    QVERIFY(qAbs(centre.green() - original.green()) <= 2);
    QVERIFY(qAbs(centre.blue() - original.blue()) <= 2);
}

void tst_ResourceDrag::framedPicture()
{
    QToolButton* button = nullptr;
    auto owner = shownOwnerWithButton(button);
    const QColor buttonColour = button->grab().toImage().pixelColor(50, 20);

    // Larger target: green edge, translucent grey inside, the grab centred at ((160-100)/2, (90-40)/2).
    const QImage large = resourceDragPixmap(button, QSize(160, 90)).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(large.pixelColor(0, 0).rgb(), QColor(Qt::green).rgb());
    QCOMPARE(large.pixelColor(80, 0).rgb(), QColor(Qt::green).rgb());
    QCOMPARE(large.pixelColor(5, 5).alpha(), 100);
    QCOMPARE(large.pixelColor(29, 45).alpha(), 100); // just left of the grab
    QVERIFY(large.pixelColor(30, 45).alpha() > 150); // the grab starts at x = 30
    QVERIFY(large.pixelColor(129, 45).alpha() > 150); // and ends at x = 129
    QCOMPARE(large.pixelColor(130, 45).alpha(), 100);
    QVERIFY(large.pixelColor(80, 25).alpha() > 150); // y = 25 .. 64
    QCOMPARE(large.pixelColor(80, 24).alpha(), 100);
    QCOMPARE(large.pixelColor(80, 65).alpha(), 100);

    // Smaller target: the grab is squeezed to the whole picture.
    const QImage small = resourceDragPixmap(button, QSize(50, 20)).toImage().convertToFormat(QImage::Format_ARGB32);
    const QColor inside = small.pixelColor(25, 10);
    QVERIFY(inside.alpha() > 150);
    QVERIFY(qAbs(inside.red() - buttonColour.red()) <= 40);
}

// The screen lists frame the grab itself when no drag size is set: green edge, grey veil, and the
// grab drawn over again, so the picture is the grab's size and nearly opaque.
void tst_ResourceDrag::grabFramedAtItsOwnSize()
{
    QToolButton* button = nullptr;
    auto owner = shownOwnerWithButton(button);
    const QImage bare = resourceDragPixmap(button, QSize(0, 0)).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage framed =
        resourceDragPixmap(button, QSize(0, 0), GrabFrame::OnGrab).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(framed.size(), bare.size());
    QCOMPARE(framed.pixelColor(0, 0).alpha(), 255);
    QVERIFY(framed.pixelColor(0, 0).green() > bare.pixelColor(0, 0).green() + 20);
    QVERIFY(framed.pixelColor(framed.width() - 1, 20).green() > bare.pixelColor(bare.width() - 1, 20).green() + 20);
    const int centreAlpha = framed.pixelColor(50, 20).alpha();
    QVERIFY2(qAbs(centreAlpha - 248) <= 2, qPrintable(QString::number(centreAlpha)));
    // With a drag size the rule is the same for every list.
    QCOMPARE(resourceDragPixmap(button, QSize(160, 90), GrabFrame::OnGrab).toImage(),
        resourceDragPixmap(button, QSize(160, 90)).toImage());
}

void tst_ResourceDrag::dragWithPicture()
{
    QToolButton* button = nullptr;
    auto owner = shownOwnerWithButton(button);
    auto* mime = new QMimeData;
    mime->setText(QStringLiteral("Input 3"));
    mime->setData(QLatin1String(Vireo::Constants::MimeTypeInputKeyNo), Vireo::Widgets::Internal::keyNumberBytes(2));
    int calls = 0;
    bool hotSpotWrittenBefore = true;
    QPointer<QDrag> drag = execResourceDrag(owner.get(), button, mime, QSize(0, 0), false, [&] {
        ++calls;
        hotSpotWrittenBefore = mime->hasFormat(QLatin1String(Vireo::Constants::MimeTypeDragHotSpot));
    });
    QVERIFY(drag);
    QCOMPARE(drag->parent(), owner.get());
    QCOMPARE(calls, 1);
    QVERIFY(!hotSpotWrittenBefore);
    QCOMPARE(drag->mimeData(), mime);
    QCOMPARE(drag->pixmap().size(), QSize(100, 40));
    QCOMPARE(drag->hotSpot(), QPoint(50, 20));
    QCOMPARE(mime->text(), QStringLiteral("Input 3"));
    QCOMPARE(mime->data(QLatin1String(Vireo::Constants::MimeTypeInputKeyNo)), QByteArray("2"));
    QCOMPARE(mime->data(QLatin1String(Vireo::Constants::MimeTypeDragHotSpot)), QByteArray::fromHex("0000003200000014"));
    QTRY_VERIFY(drag.isNull()); // Qt deletes it later
}

void tst_ResourceDrag::customDrag()
{
    QToolButton* button = nullptr;
    auto owner = shownOwnerWithButton(button);
    auto* mime = new QMimeData;
    QPointer<QDrag> drag = execResourceDrag(owner.get(), button, mime, QSize(160, 90), true);
    QVERIFY(drag);
    QVERIFY(drag->pixmap().isNull());
    QCOMPARE(mime->data(QLatin1String(Vireo::Constants::MimeTypeDragHotSpot)), QByteArray(8, '\0'));
}

void tst_ResourceDrag::refusedWithoutOwner()
{
    QPointer<QMimeData> mime = new QMimeData;
    QCOMPARE(execResourceDrag(nullptr, nullptr, mime, QSize(0, 0), false), nullptr);
    QVERIFY(mime.isNull()); // taken and freed, not leaked
    QWidget owner;
    QCOMPARE(execResourceDrag(&owner, nullptr, nullptr, QSize(0, 0), false), nullptr);
    // Without a button there is no picture; the payload still gets its (0, 0) hot spot.
    auto* data = new QMimeData;
    QPointer<QDrag> drag = execResourceDrag(&owner, nullptr, data, QSize(0, 0), false);
    QVERIFY(drag);
    QCOMPARE(data->data(QLatin1String(Vireo::Constants::MimeTypeDragHotSpot)), QByteArray(8, '\0'));
}

QTEST_MAIN(tst_ResourceDrag)
#include "tst_resourcedrag.moc"
