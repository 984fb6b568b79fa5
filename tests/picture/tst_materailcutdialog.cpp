#include "common/testsupport.h"

#include <vireowidgets/picture/captureitem.h>
#include <vireowidgets/picture/materailcutdialog.h>

#include <vireomodel/enums.h>
#include <zkwidgets/slidereditframe.h>

#include <QBuffer>
#include <QDataStream>
#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Vireo::Widgets;
namespace E = Vireo::BizModel::Enum;

namespace {

std::shared_ptr<QImage> makeImage(const QSize& size)
{
    // A small stand-in picture: the pages work in the real size given separately.
    auto image =
        std::make_shared<QImage>(QSize(qMax(1, size.width() / 20), qMax(1, size.height() / 20)), QImage::Format_RGB32);
    image->fill(Qt::darkGreen);
    return image;
}

QRect fields(const RectEditFrame* frame)
{
    return QRect(frame->value(RectEditFrame::X), frame->value(RectEditFrame::Y), frame->value(RectEditFrame::Width),
        frame->value(RectEditFrame::Height));
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A BMP header that claims a picture of width x height, followed by a few pixels only.
QByteArray bmpHeader(qint32 width, qint32 height)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + 16) << quint32(0) << quint32(54);
    out << quint32(40) << width << height << quint16(1) << quint16(24) << quint32(0) << quint32(0) << qint32(2835)
        << qint32(2835) << quint32(0) << quint32(0);
    for (int i = 0; i < 16; ++i)
        out << quint8(0x7f);
    return bytes;
}

} // namespace

class tst_MaterailCutDialog : public QObject
{
    Q_OBJECT
private slots:
    void saveSize_data();
    void saveSize();
    void unknownTypeScalesToNothing();
    void dialogTexts_data();
    void dialogTexts();
    void initialFrameAndFields_data();
    void initialFrameAndFields();
    void editingFieldsMovesFrame_data();
    void editingFieldsMovesFrame();
    void draggingFrameUpdatesFields();
    void draggingHandleKeepsBudget();
    void choiceOfPage();
    void keysDoNotClose_data();
    void keysDoNotClose();
    void hostRunsDialogModally();
    void twoCutPagesAreIndependent();
    void emptyPictureIsHarmless();
    void scalePagePreviewKeepsAspect();
    void loadMaterialImage_data();
    void loadMaterialImage();
};

void tst_MaterailCutDialog::saveSize_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QSize>("maxSize");
    QTest::addColumn<qulonglong>("leftCap");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("expected");

    const qulonglong none = 0;
    QTest::newRow("wide logo") << int(E::File::LOGO) << QSize(1920, 1080) << none << QSize(4000, 1000)
                               << QSize(1920, 480);
    QTest::newRow("tall logo") << int(E::File::LOGO) << QSize(1920, 1080) << none << QSize(1000, 4000)
                               << QSize(270, 1080);
    // Wider than tall, but the height limits: the height must not end above the maximum.
    QTest::newRow("nearly square logo") << int(E::File::LOGO) << QSize(1920, 1080) << none << QSize(2000, 1900)
                                        << QSize(1136, 1080);
    QTest::newRow("square logo") << int(E::File::LOGO) << QSize(1920, 1080) << none << QSize(3000, 3000)
                                 << QSize(1080, 1080);
    QTest::newRow("wide background") << int(E::File::BKG) << QSize() << qulonglong(2000000) << QSize(4000, 2000)
                                     << QSize(2000, 1000);
    QTest::newRow("square background") << int(E::File::BKG) << QSize() << qulonglong(1000000) << QSize(3000, 3000)
                                       << QSize(1000, 1000);
    QTest::newRow("tall background") << int(E::File::BKG) << QSize() << qulonglong(2000000) << QSize(2000, 4000)
                                     << QSize(1000, 2000);
    // "Unlimited": the longer side stops at the largest size Qt holds, the aspect is kept.
    QTest::newRow("unlimited budget") << int(E::File::BKG) << QSize() << ~qulonglong(0) << QSize(4000, 2000)
                                      << QSize(2147483647, 1073741823);
    QTest::newRow("no budget left") << int(E::File::BKG) << QSize() << qulonglong(0) << QSize(2000, 4000)
                                    << QSize(0, 0);
}

void tst_MaterailCutDialog::saveSize()
{
    QFETCH(int, type);
    QFETCH(QSize, maxSize);
    QFETCH(qulonglong, leftCap);
    QFETCH(QSize, picture);
    QFETCH(QSize, expected);

    const auto kind = E::File::FileType(type);
    std::unique_ptr<MaterailCutDialog> dialog;
    if (maxSize.isValid())
        dialog = std::make_unique<MaterailCutDialog>(maxSize, makeImage(picture), picture, kind);
    else
        dialog = std::make_unique<MaterailCutDialog>(quint64(leftCap), makeImage(picture), picture, kind);
    QCOMPARE(dialog->getScaleSize(), expected);
    const RectEditFrame* shown = dialog->scaleWidget()->sizeFrame();
    QCOMPARE(fields(shown), QRect(QPoint(0, 0), expected));
    QVERIFY(!shown->isEnabled());
    QCOMPARE(shown->labelText(RectEditFrame::Width), QStringLiteral("Width"));
    if (leftCap > 0)
        QVERIFY(quint64(expected.width()) * quint64(expected.height()) <= leftCap);
    if (maxSize.isValid())
        QVERIFY(expected.width() <= maxSize.width() && expected.height() <= maxSize.height());
}

void tst_MaterailCutDialog::unknownTypeScalesToNothing()
{
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^Materail Type not found:  4$"));
    MaterailScaleWidget page(QSize(1920, 1080), makeImage(QSize(4000, 1000)), QSize(4000, 1000), E::File::OSD);
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^Materail Type not found:  4$"));
    QCOMPARE(page.getScaledSize(), QSize(0, 0));
}

void tst_MaterailCutDialog::dialogTexts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("detail");
    QTest::newRow("logo") << int(E::File::LOGO) << "Maximum support resolution:1920*1080,current resolution:4000*1000.";
    QTest::newRow("background") << int(E::File::BKG) << "";
}

void tst_MaterailCutDialog::dialogTexts()
{
    QFETCH(int, type);
    QFETCH(QString, detail);
    QWidget host;
    host.setGeometry(100, 100, 1600, 1200);
    MaterailCutDialog dialog(
        QSize(1920, 1080), makeImage(QSize(4000, 1000)), QSize(4000, 1000), E::File::FileType(type), &host);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Clipping pictures"));
    QCOMPARE(dialog.size(), QSize(732, 732));
    QVERIFY(dialog.isModal());
    QVERIFY(!dialog.isMinButtonVisible());
    QVERIFY(!dialog.isMaxButtonVisible());
    QVERIFY(!dialog.isOKButtonDefault());
    QVERIFY((dialog.geometry().center() - host.geometry().center()).manhattanLength() <= 2);

    QLabel* tip = nullptr;
    QLabel* detailLabel = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->property("isTipLabel").toBool())
            tip = label;
        if (label->property("isDetailedLabel").toBool())
            detailLabel = label;
    }
    QVERIFY(tip && detailLabel);
    QCOMPARE(tip->text(), QStringLiteral("Picture beyond maximum limit."));
    QCOMPARE(tip->height(), 36);
    QCOMPARE(detailLabel->text(), detail);
    QStringList choices;
    for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
        choices << button->text();
    QCOMPARE(choices, QStringList({"Cutting", "Auto scaling"}));
    auto* stack = dialog.findChild<QStackedWidget*>();
    QVERIFY(stack && stack->property("isMaterailFrame").toBool());
}

void tst_MaterailCutDialog::initialFrameAndFields_data()
{
    QTest::addColumn<bool>("budget");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("xyMax");
    QTest::addColumn<QSize>("sizeMin");
    QTest::addColumn<QSize>("sizeMax");

    // Logo: the maximum clipped to the picture is both the first frame and the largest.
    QTest::newRow("logo wider than the maximum") << false << QSize(4000, 1000) << QRect(0, 0, 1920, 1000)
                                                 << QRect(0, 0, 2080, 0) << QSize(128, 128) << QSize(1920, 1000);
    QTest::newRow("logo taller than the maximum") << false << QSize(1000, 4000) << QRect(0, 0, 1000, 1080)
                                                  << QRect(0, 0, 0, 2920) << QSize(128, 128) << QSize(1000, 1080);
    // Background with a budget of 2 000 000 pixels: the save size, Width up to B / height.
    QTest::newRow("background") << true << QSize(4000, 2000) << QRect(0, 0, 2000, 1000) << QRect(0, 0, 2000, 1000)
                                << QSize(128, 128) << QSize(2000, 1000);
    // A budget larger than the picture: the frame stays on the picture.
    QTest::newRow("background within budget") << true << QSize(1000, 500) << QRect(0, 0, 1000, 500) << QRect(0, 0, 0, 0)
                                              << QSize(128, 128) << QSize(1000, 500);
}

void tst_MaterailCutDialog::initialFrameAndFields()
{
    QFETCH(bool, budget);
    QFETCH(QSize, picture);
    QFETCH(QRect, frame);
    QFETCH(QRect, xyMax);
    QFETCH(QSize, sizeMin);
    QFETCH(QSize, sizeMax);

    std::unique_ptr<MaterailCutWidget> page;
    if (budget)
        page = std::make_unique<MaterailCutWidget>(quint64(2000000), makeImage(picture), picture, E::File::BKG);
    else
        page = std::make_unique<MaterailCutWidget>(QSize(1920, 1080), makeImage(picture), picture, E::File::LOGO);
    QCOMPARE(page->getCaptureRect(), frame);
    const RectEditFrame* edit = page->rectEditFrame();
    QCOMPARE(fields(edit), frame);
    QCOMPARE(
        QRect(edit->minimum(RectEditFrame::X), 0, edit->maximum(RectEditFrame::X), edit->maximum(RectEditFrame::Y)),
        xyMax);
    QCOMPARE(QSize(edit->minimum(RectEditFrame::Width), edit->minimum(RectEditFrame::Height)), sizeMin);
    QCOMPARE(QSize(edit->maximum(RectEditFrame::Width), edit->maximum(RectEditFrame::Height)), sizeMax);
    QCOMPARE(edit->labelText(RectEditFrame::X), QStringLiteral("X"));
    QCOMPARE(edit->labelText(RectEditFrame::Height), QStringLiteral("Height"));
    QCOMPARE(page->graphicsView()->scene()->sceneRect(), QRectF(-2, -2, picture.width() + 8, picture.height() + 8));
}

void tst_MaterailCutDialog::editingFieldsMovesFrame_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<int>("xMax");

    // Logo 4000 x 1000, maximum 1920 x 1080: the frame starts at (0, 0, 1920, 1000).
    QTest::newRow("x") << int(RectEditFrame::X) << 1500 << QRect(1500, 0, 1920, 1000) << 2080;
    QTest::newRow("x beyond its maximum") << int(RectEditFrame::X) << 3000 << QRect(2080, 0, 1920, 1000) << 2080;
    QTest::newRow("narrower") << int(RectEditFrame::Width) << 1000 << QRect(0, 0, 1000, 1000) << 3000;
    QTest::newRow("width below 128") << int(RectEditFrame::Width) << 50 << QRect(0, 0, 128, 1000) << 3872;
    QTest::newRow("height below 128") << int(RectEditFrame::Height) << 3 << QRect(0, 0, 1920, 128) << 2080;
    QTest::newRow("wider than allowed") << int(RectEditFrame::Width) << 2500 << QRect(0, 0, 1920, 1000) << 2080;
}

void tst_MaterailCutDialog::editingFieldsMovesFrame()
{
    QFETCH(int, field);
    QFETCH(int, value);
    QFETCH(QRect, frame);
    QFETCH(int, xMax);

    MaterailCutDialog dialog(QSize(1920, 1080), makeImage(QSize(4000, 1000)), QSize(4000, 1000), E::File::LOGO);
    MaterailCutWidget* page = dialog.cutWidget();
    QSignalSpy updates(page, &MaterailCutWidget::signal_updateRect);
    // As the operator's typing does: the field reports its new value.
    page->rectEditFrame()->setValue(field, value);
    QCOMPARE(dialog.getCutRect(), frame);
    QCOMPARE(fields(page->rectEditFrame()), frame);
    QCOMPARE(page->rectEditFrame()->maximum(RectEditFrame::X), xMax);
    // A value the field refuses outright changes nothing and reports nothing.
    if (frame != QRect(0, 0, 1920, 1000)) {
        QVERIFY(!updates.isEmpty());
        QCOMPARE(updates.last().at(0).toRect(), frame);
    }
}

void tst_MaterailCutDialog::draggingFrameUpdatesFields()
{
    MaterailCutWidget page(QSize(1920, 1080), makeImage(QSize(4000, 1000)), QSize(4000, 1000), E::File::LOGO);
    page.resize(700, 560);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QGraphicsView* view = page.graphicsView();
    QWidget* viewport = view->viewport();
    // A press, a move and a release of the left button, between two points of the picture.
    const auto drag = [view, viewport](qreal fromX, qreal toX) {
        const QPoint from = view->mapFromScene(QPointF(fromX, 500));
        const QPoint to = view->mapFromScene(QPointF(toX, 500));
        Vireo::Test::sendMouse(viewport, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Vireo::Test::sendMouse(viewport, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        Vireo::Test::sendMouse(viewport, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    };
    drag(900, 1900);
    const QRect moved = page.getCaptureRect();
    // About 1000 picture pixels to the right (one view pixel is several picture pixels).
    QVERIFY2(qAbs(moved.x() - 1000) <= 10, qPrintable(QString::number(moved.x())));
    QCOMPARE(moved.size(), QSize(1920, 1000));
    QCOMPARE(fields(page.rectEditFrame()), moved);
    QCOMPARE(page.rectEditFrame()->maximum(RectEditFrame::X), 2080);

    // Dragged on past the picture's right edge: the frame stops there.
    drag(2000, 5000);
    QCOMPARE(page.getCaptureRect(), QRect(2080, 0, 1920, 1000));
    QCOMPARE(fields(page.rectEditFrame()), QRect(2080, 0, 1920, 1000));
}

void tst_MaterailCutDialog::draggingHandleKeepsBudget()
{
    // Budget 2 000 000 pixels on a 4000 x 2000 background: the frame starts at 2000 x 1000.
    MaterailCutWidget page(quint64(2000000), makeImage(QSize(4000, 2000)), QSize(4000, 2000), E::File::BKG);
    CaptureItem* item = page.captureItem();
    QVERIFY(item->directItem(CaptureDirectItem::Right));
    item->dragDirect(CaptureDirectItem::Right, QPointF(3500, 500));
    QCOMPARE(page.getCaptureRect(), QRect(0, 0, 2000, 1000));
    item->dragDirect(CaptureDirectItem::Bottom, QPointF(1000, 600));
    QCOMPARE(page.getCaptureRect(), QRect(0, 0, 2000, 600));
    item->dragDirect(CaptureDirectItem::Right, QPointF(3500, 500));
    const QRect frame = page.getCaptureRect();
    QCOMPARE(frame, QRect(0, 0, 3333, 600));
    QVERIFY(quint64(frame.width()) * quint64(frame.height()) <= 2000000);
    QCOMPARE(fields(page.rectEditFrame()), frame);
    // The fields offer no more than the budget leaves at the present height.
    QCOMPARE(QSize(page.rectEditFrame()->maximum(RectEditFrame::Width),
                 page.rectEditFrame()->maximum(RectEditFrame::Height)),
        QSize(3333, 600));
    // The smallest frame is 128 x 128.
    item->dragDirect(CaptureDirectItem::TopLeft, QPointF(3900, 1900));
    QCOMPARE(page.getCaptureRect(), QRect(3333 - 128, 600 - 128, 128, 128));
}

void tst_MaterailCutDialog::choiceOfPage()
{
    MaterailCutDialog dialog(quint64(2000000), makeImage(QSize(4000, 2000)), QSize(4000, 2000), E::File::BKG);
    auto* stack = dialog.findChild<QStackedWidget*>();
    QCOMPARE(dialog.getResult(), MaterailCutDialog::Cut);
    QCOMPARE(stack->currentIndex(), 0);
    // Each radio button in turn shows its own page: scaling, then cutting again.
    for (int index : {1, 0}) {
        QTest::mouseClick(dialog.findChildren<QRadioButton*>().at(index), Qt::LeftButton);
        QCOMPARE(dialog.getResult(), index == 1 ? MaterailCutDialog::Scale : MaterailCutDialog::Cut);
        QCOMPARE(stack->currentIndex(), index);
    }
}

void tst_MaterailCutDialog::keysDoNotClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void tst_MaterailCutDialog::keysDoNotClose()
{
    QFETCH(int, key);
    MaterailCutDialog dialog(QSize(1920, 1080), makeImage(QSize(4000, 1000)), QSize(4000, 1000), E::File::LOGO);
    dialog.show();
    QSignalSpy finished(&dialog, &QDialog::finished);
    QTest::keyClick(&dialog, Qt::Key(key));
    QTest::keyClick(dialog.findChildren<QRadioButton*>().at(0), Qt::Key(key));
    QCOMPARE(finished.count(), 0);
    QVERIFY(dialog.isVisible());
}

void tst_MaterailCutDialog::hostRunsDialogModally()
{
    MaterailCutDialog dialog(QSize(1920, 1080), makeImage(QSize(1000, 4000)), QSize(1000, 4000), E::File::LOGO);
    QTimer::singleShot(0, &dialog, [&dialog]() {
        QTest::mouseClick(dialog.findChildren<QRadioButton*>().at(1), Qt::LeftButton);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.getResult(), MaterailCutDialog::Scale);
    QCOMPARE(dialog.getScaleSize(), QSize(270, 1080));
}

void tst_MaterailCutDialog::twoCutPagesAreIndependent()
{
    auto first = std::make_unique<MaterailCutWidget>(
        QSize(1920, 1080), makeImage(QSize(4000, 1000)), QSize(4000, 1000), E::File::LOGO);
    MaterailCutWidget second(quint64(2000000), makeImage(QSize(4000, 2000)), QSize(4000, 2000), E::File::BKG);
    first->rectEditFrame()->setValue(RectEditFrame::X, 700);
    QCOMPARE(first->getCaptureRect(), QRect(700, 0, 1920, 1000));
    QCOMPARE(second.getCaptureRect(), QRect(0, 0, 2000, 1000));
    first.reset();
    second.rectEditFrame()->setValue(RectEditFrame::Y, 400);
    QCOMPARE(second.getCaptureRect(), QRect(0, 400, 2000, 1000));
}

void tst_MaterailCutDialog::emptyPictureIsHarmless()
{
    MaterailCutDialog logo(QSize(1920, 1080), nullptr, QSize(), E::File::LOGO);
    QCOMPARE(logo.getCutRect(), QRect());
    QCOMPARE(logo.getScaleSize(), QSize(0, 0));
    MaterailCutDialog background(quint64(1000), std::make_shared<QImage>(), QSize(0, 0), E::File::BKG);
    QCOMPARE(background.getScaleSize(), QSize(0, 0));
    background.cutWidget()->rectEditFrame()->setValue(RectEditFrame::Width, 500);
    QCOMPARE(background.getCutRect(), QRect());
    QVERIFY(!logo.grab().isNull());
}

void tst_MaterailCutDialog::scalePagePreviewKeepsAspect()
{
    MaterailScaleWidget page(QSize(1920, 1080), makeImage(QSize(4000, 1000)), QSize(4000, 1000), E::File::LOGO);
    const QPixmap preview = page.previewLabel()->pixmap(Qt::ReturnByValue);
    QVERIFY(!preview.isNull());
    QCOMPARE(preview.size(), QSize(680, 170));
    QCOMPARE(page.getScaledSize(), QSize(1920, 480));
}

void tst_MaterailCutDialog::loadMaterialImage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("error");

    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QByteArray png = encoded(picture, "PNG");
    const QByteArray jpeg = encoded(picture, "JPEG");
    QTest::newRow("png") << png << QSize(64, 48) << "";
    QTest::newRow("jpeg") << jpeg << QSize(64, 48) << "";
    QTest::newRow("text file") << QByteArray("name,width,height\nstage,1920,1080\n") << QSize()
                               << "The file is not a picture.";
    QTest::newRow("empty file") << QByteArray() << QSize() << "The file is not a picture.";
    QTest::newRow("png cut short") << png.left(png.size() / 2) << QSize() << "The picture is damaged or incomplete.";
    QTest::newRow("jpeg cut short") << jpeg.left(jpeg.size() * 2 / 3) << QSize()
                                    << "The picture is damaged or incomplete.";
    QTest::newRow("side above 65536") << bmpHeader(70000, 10) << QSize() << "The picture is too large to be opened.";
    QTest::newRow("too many pixels") << bmpHeader(10000, 10000) << QSize() << "The picture is too large to be opened.";
}

void tst_MaterailCutDialog::loadMaterialImage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QString, error);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("material.img"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    if (!error.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Refused picture file"));
    QString text = QStringLiteral("unset");
    const std::shared_ptr<QImage> image = MaterailCutDialog::loadMaterialImage(path, &text);
    if (error.isEmpty()) {
        QVERIFY(image);
        QCOMPARE(image->size(), size);
        QVERIFY(text.isEmpty());
    } else {
        QVERIFY(!image);
        QCOMPARE(text, error);
    }
}

QTEST_MAIN(tst_MaterailCutDialog)
#include "tst_materailcutdialog.moc"
