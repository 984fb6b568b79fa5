#include "common/testsupport.h"

#include <vireowidgets/foundation/frameline.h>
#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/foundation/videopreviewwidget.h>

#include <QBoxLayout>
#include <QFrame>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using namespace Vireo::Widgets;

namespace {

bool fitsIn(const QWrapLabel& label, const QString& text)
{
    return QFontMetrics(label.font()).horizontalAdvance(text) <= label.width() - 1;
}

// Every pixel of `image` inside `area` (or outside it, when `inside` is false) has `colour`.
bool allPixels(const QImage& image, const QRect& area, bool inside, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (area.contains(x, y) == inside && (image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF))
                return false;
        }
    }
    return true;
}

} // namespace

class tst_BasicWidgets : public QObject
{
    Q_OBJECT

private slots:
    void frameLines_data();
    void frameLines();
    void frameLineWithoutLayout();
    void wrapLabelFits_data();
    void wrapLabelFits();
    void wrapLabelFollowsWidth();
    void wrapLabelKeepsSurrogatePairs();
    void wrapLabelRefitsWhatChanged();
    void videoColours();
    void videoWithoutPicture();
    void videoScalesPicture();
    void videoScalesFrameToItsSize_data();
    void videoScalesFrameToItsSize();
    void videoBadge();
    void videoCoversOnlyWhatItPaints();
    void videoRepaintsOnlyInSight();
};

void tst_BasicWidgets::frameLines_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<uint>("width");
    QTest::addColumn<uint>("margin");
    QTest::newRow("horizontal 1/0") << true << 1u << 0u;
    QTest::newRow("horizontal 3/6") << true << 3u << 6u;
    QTest::newRow("vertical 1/0") << false << 1u << 0u;
    QTest::newRow("vertical 2/4") << false << 2u << 4u;
}

void tst_BasicWidgets::frameLines()
{
    QFETCH(bool, horizontal);
    QFETCH(uint, width);
    QFETCH(uint, margin);
    QWidget parent;
    QFrame* line = nullptr;
    QBoxLayout* layout = nullptr;
    if (horizontal) {
        auto* hbox = new QHBoxLayout(&parent);
        hbox->setSpacing(7);
        line = FrameLine::createHorizontalLine(hbox, &parent, width, margin);
        layout = hbox;
    } else {
        auto* vbox = new QVBoxLayout(&parent);
        line = FrameLine::createVerticalLine(vbox, &parent, width, margin);
        layout = vbox;
    }
    QVERIFY(line);
    QCOMPARE(line->parentWidget(), &parent);
    QCOMPARE(line->frameShadow(), QFrame::Plain);
    QCOMPARE(line->lineWidth(), int(width));
    QCOMPARE(layout->indexOf(line), 0);
    QCOMPARE(layout->spacing(), 0);
    if (horizontal) {
        QCOMPARE(layout->contentsMargins(), QMargins(0, int(margin), 0, int(margin)));
        QCOMPARE(line->minimumHeight(), int(width));
        QCOMPARE(line->maximumHeight(), int(width));
        QCOMPARE(line->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(line->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    } else {
        QCOMPARE(layout->contentsMargins(), QMargins(int(margin), 0, int(margin), 0));
        QCOMPARE(line->minimumWidth(), int(width));
        QCOMPARE(line->maximumWidth(), int(width));
        QCOMPARE(line->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(line->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    }
}

void tst_BasicWidgets::frameLineWithoutLayout()
{
    QWidget parent;
    QFrame* horizontalLine = FrameLine::createHorizontalLine(nullptr, &parent, 2, 3);
    QFrame* verticalLine = FrameLine::createVerticalLine(nullptr, &parent, 2, 3);
    QCOMPARE(horizontalLine->parentWidget(), &parent);
    QCOMPARE(horizontalLine->maximumHeight(), 2);
    QCOMPARE(verticalLine->maximumWidth(), 2);
    // The caller places them; nothing was left behind unowned (the sanitizer build checks leaks).
    auto* layout = new QVBoxLayout(&parent);
    layout->addWidget(horizontalLine);
    layout->addWidget(verticalLine);
    QCOMPARE(layout->count(), 2);
}

void tst_BasicWidgets::wrapLabelFits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("kind");
    QTest::newRow("wide enough") << "Screen 1" << 400 << "whole";
    QTest::newRow("narrow") << "A rather long screen name" << 80 << "prefix";
    QTest::newRow("very narrow") << "A rather long screen name" << 12 << "empty";
    QTest::newRow("three characters, too narrow") << "ABC" << 4 << "empty";
    QTest::newRow("empty text") << "" << 50 << "whole";
}

void tst_BasicWidgets::wrapLabelFits()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, kind);
    QWrapLabel label;
    label.resize(width, 30);
    label.setText(text);
    QCOMPARE(label.getText(), text);
    const QString shown = label.text();
    QCOMPARE(label.detectWrapText(), shown);
    if (kind == QLatin1String("whole")) {
        QCOMPARE(shown, text);
    } else if (kind == QLatin1String("empty")) {
        QCOMPARE(shown, QString());
    } else {
        QVERIFY2(shown.endsWith(QLatin1String("...")), qPrintable(shown));
        const QString prefix = shown.chopped(3);
        QVERIFY(!prefix.isEmpty());
        QVERIFY(text.startsWith(prefix));
        QVERIFY(fitsIn(label, shown));
        // The longest such prefix: one more character would not fit.
        QVERIFY(!fitsIn(label, text.left(prefix.size() + 1) + QLatin1String("...")));
    }
}

void tst_BasicWidgets::wrapLabelFollowsWidth()
{
    QWrapLabel label;
    const QString text = QStringLiteral("Program output of the main wall");
    label.resize(500, 30);
    label.setText(text);
    label.show();
    QCOMPARE(label.text(), text);
    label.resize(90, 30);
    QTRY_VERIFY(label.text().endsWith(QLatin1String("...")));
    QVERIFY(label.text().size() < text.size());
    QCOMPARE(label.getText(), text);
    label.resize(500, 30);
    QTRY_COMPARE(label.text(), text);
    QCOMPARE(label.getText(), text);
}

void tst_BasicWidgets::wrapLabelKeepsSurrogatePairs()
{
    // U+1F600 is two UTF-16 units; no shortened text may end in half of it.
    const QString face = QString::fromUcs4(U"\U0001F600");
    QString text;
    for (int i = 0; i < 12; ++i)
        text += face;
    QWrapLabel label;
    for (int width = 10; width < 200; width += 3) {
        label.resize(width, 30);
        label.setText(text);
        const QString shown = label.text();
        if (shown.isEmpty() || shown == text)
            continue;
        const QString prefix = shown.chopped(3);
        QVERIFY2(prefix.isEmpty() || !prefix.back().isHighSurrogate(), qPrintable(QString::number(width)));
        QCOMPARE(prefix.size() % 2, 0);
    }
}

// Fitting is remembered between calls; every input of it (text, width, font) must still count.
void tst_BasicWidgets::wrapLabelRefitsWhatChanged()
{
    const QString text = QStringLiteral("Program output of the main wall");
    const QString other = QStringLiteral("Wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww");
    QWrapLabel label;
    label.resize(120, 30);
    label.setText(text);
    const QString fitted = label.text();
    QVERIFY2(fitted.endsWith(QLatin1String("...")) && fitsIn(label, fitted), qPrintable(fitted));

    // Emptied and given the same text again, as a hidden list button is: the same fit.
    label.setText(QString());
    QCOMPARE(label.text(), QString());
    label.setText(text);
    QCOMPARE(label.text(), fitted);

    // Another text of the same length at the same width.
    label.setText(other);
    QVERIFY(label.text().startsWith(QLatin1String("Www")));
    QVERIFY(label.text() != fitted);
    QVERIFY(fitsIn(label, label.text()));

    // Two texts set in turn, as a button that shows a short form of a name and then its own
    // does, at two widths: each time what a fresh label shows.
    auto fresh = [](const QString& shown, int width) {
        QWrapLabel other;
        other.resize(width, 30);
        other.setText(shown);
        return other.text();
    };
    for (int width : {120, 200}) {
        label.resize(width, 30);
        for (int round = 0; round < 2; ++round) {
            label.setText(text);
            QCOMPARE(label.text(), fresh(text, width));
            label.setText(other);
            QCOMPARE(label.text(), fresh(other, width));
        }
    }
    label.resize(120, 30);

    // A larger font at the same width and text fits fewer characters.
    label.setText(text);
    QFont font = label.font();
    font.setPixelSize(QFontInfo(font).pixelSize() * 2);
    label.setFont(font);
    const QString larger = label.detectWrapText();
    QVERIFY2(larger.size() < fitted.size(), qPrintable(larger));
    QVERIFY(larger.isEmpty() || fitsIn(label, larger));

    // A width change on a label that is not shown.
    label.resize(1000, 30);
    QCOMPARE(label.detectWrapText(), text);
}

void tst_BasicWidgets::videoColours()
{
    QCOMPARE(Vireo::EchoVideo::Internal::NoSignalVideo, QColor(0, 0, 0));
    QCOMPARE(Vireo::EchoVideo::Internal::InvalidVideo, QColor(23, 24, 26, 255));
}

void tst_BasicWidgets::videoWithoutPicture()
{
    VideoPreviewWidget video;
    video.resize(40, 30);
    QPalette palette = video.palette();
    palette.setColor(QPalette::Window, QColor(10, 200, 10));
    video.setPalette(palette);
    video.setAutoFillBackground(true);
    QVERIFY(video.getVideoFrame().isNull());

    // First paint: nothing drawn over the background; the picture becomes a black one.
    const QImage first = video.grab().toImage();
    QVERIFY(allPixels(first, QRect(), false, qRgb(10, 200, 10)));
    QCOMPARE(video.getVideoFrame().size(), QSize(2, 2));
    QCOMPARE(video.getVideoFrame().pixelColor(1, 1), QColor(Qt::black));

    const QImage second = video.grab().toImage();
    QVERIFY(allPixels(second, QRect(), false, qRgb(0, 0, 0)));
}

void tst_BasicWidgets::videoScalesPicture()
{
    VideoPreviewWidget video;
    video.resize(64, 36);
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    video.setVideoFrame(picture);
    QVERIFY(allPixels(video.grab().toImage(), QRect(), false, qRgb(0, 0, 255)));

    // Filled in place, as the lists' frame callbacks do.
    video.getVideoFrame().fill(QColor(255, 255, 0));
    video.refreshVideo();
    QVERIFY(allPixels(video.grab().toImage(), QRect(), false, qRgb(255, 255, 0)));
}

void tst_BasicWidgets::videoScalesFrameToItsSize_data()
{
    QTest::addColumn<QSize>("frameSize");
    QTest::addColumn<QImage::Format>("format");
    QTest::newRow("full frame") << QSize(1920, 1080) << QImage::Format_RGB32;
    QTest::newRow("full frame with alpha") << QSize(1920, 1080) << QImage::Format_ARGB32_Premultiplied;
    QTest::newRow("other format") << QSize(640, 360) << QImage::Format_RGB888;
    QTest::newRow("slightly larger") << QSize(80, 50) << QImage::Format_RGB32;
    QTest::newRow("smaller") << QSize(16, 8) << QImage::Format_RGB32;
}

// Each quarter of the frame in a colour of its own: every quarter lands where it belongs, with
// its channels intact, at the preview's size and again after a resize.
void tst_BasicWidgets::videoScalesFrameToItsSize()
{
    QFETCH(QSize, frameSize);
    QFETCH(QImage::Format, format);
    const QColor colours[] = {QColor(200, 100, 50), QColor(10, 220, 130), QColor(250, 5, 180), QColor(60, 70, 240)};
    QImage frame(frameSize, format);
    const int halfWidth = frameSize.width() / 2;
    const int halfHeight = frameSize.height() / 2;
    {
        QPainter painter(&frame);
        painter.fillRect(0, 0, halfWidth, halfHeight, colours[0]);
        painter.fillRect(halfWidth, 0, frameSize.width() - halfWidth, halfHeight, colours[1]);
        painter.fillRect(0, halfHeight, halfWidth, frameSize.height() - halfHeight, colours[2]);
        painter.fillRect(
            halfWidth, halfHeight, frameSize.width() - halfWidth, frameSize.height() - halfHeight, colours[3]);
    }
    VideoPreviewWidget video;
    video.setVideoFrame(frame);
    for (const QSize size : {QSize(64, 36), QSize(32, 18)}) {
        video.resize(size);
        const QImage shown = video.grab().toImage();
        QCOMPARE(shown.size(), size);
        const int x[] = {size.width() / 4, 3 * size.width() / 4};
        const int y[] = {size.height() / 4, 3 * size.height() / 4};
        for (int quarter = 0; quarter < 4; ++quarter)
            QCOMPARE(shown.pixelColor(x[quarter % 2], y[quarter / 2]), colours[quarter]);
    }
}

void tst_BasicWidgets::videoBadge()
{
    VideoPreviewWidget video;
    video.resize(64, 36);
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 0));
    video.setVideoFrame(picture);
    QVERIFY(!video.isForbiddenIconVisible());

    video.setForbiddenIconVisible(true);
    const QImage withBadge = video.grab().toImage();
    const QRect badge(2, 2, 13, 13);
    QVERIFY(allPixels(withBadge, badge, false, qRgb(255, 0, 0))); // outside: only the picture
    QVERIFY(!allPixels(withBadge, badge, true, qRgb(255, 0, 0))); // inside: the badge

    video.setForbiddenIconVisible(false);
    QVERIFY(allPixels(video.grab().toImage(), QRect(), false, qRgb(255, 0, 0)));
}

// A picture without transparency hides what lies under the preview, so that need not be painted;
// one with transparency, or none at all, must let it show. Checked on the window's own pixels:
// an area nobody paints keeps what was there before.
void tst_BasicWidgets::videoCoversOnlyWhatItPaints()
{
    const QColor green(10, 200, 10);
    QWidget window;
    window.resize(80, 60);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, green);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    auto* video = new VideoPreviewWidget(&window);
    const QRect area(10, 10, 40, 30);
    video->setGeometry(area);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto onScreen = [&window] { return window.screen()->grabWindow(window.winId()).toImage(); };
    auto show = [&](const QImage& picture) {
        video->setVideoFrame(picture);
        video->refreshVideo();
    };

    QImage blue(4, 4, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    show(blue);
    QTRY_VERIFY(allPixels(onScreen(), area, true, qRgb(0, 0, 255)));
    video->refreshVideo();
    QTRY_VERIFY(video->testAttribute(Qt::WA_OpaquePaintEvent));
    QVERIFY(allPixels(onScreen(), area, false, green.rgb()));

    QImage clear(4, 4, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    show(clear);
    QTRY_VERIFY(allPixels(onScreen(), area, true, green.rgb()));

    // No picture after an opaque one: black from the next repaint, never the old picture.
    show(blue);
    QTRY_VERIFY(allPixels(onScreen(), area, true, qRgb(0, 0, 255)));
    show(QImage());
    QTRY_VERIFY(allPixels(onScreen(), area, true, qRgb(0, 0, 0)));
}

// Counts the events of one type that a widget receives.
class EventCounter : public QObject
{
public:
    explicit EventCounter(QEvent::Type type)
        : m_type(type)
    { }
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == m_type ? 1 : 0;
        return false;
    }

private:
    const QEvent::Type m_type;
};

// A refresh repaints a preview in sight; one scrolled away asks for no repaint at all (hundreds of
// dirty previews out of sight cost Qt time at every refresh) and is painted with its newest
// picture when it comes into sight.
void tst_BasicWidgets::videoRepaintsOnlyInSight()
{
    QScrollArea area;
    area.resize(100, 100);
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QList<VideoPreviewWidget*> videos;
    for (int i = 0; i < 20; ++i) {
        videos.append(new VideoPreviewWidget(column));
        videos.last()->setFixedSize(80, 50);
        layout->addWidget(videos.last());
    }
    area.setWidget(column);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QCoreApplication::processEvents();
    EventCounter repaintRequests(QEvent::UpdateRequest);
    EventCounter firstPaints(QEvent::Paint);
    EventCounter lastPaints(QEvent::Paint);
    area.installEventFilter(&repaintRequests);
    videos.first()->installEventFilter(&firstPaints);
    videos.last()->installEventFilter(&lastPaints);
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));

    videos.last()->setVideoFrame(red);
    videos.last()->refreshVideo();
    QCoreApplication::processEvents();
    QCOMPARE(repaintRequests.count, 0);
    QCOMPARE(lastPaints.count, 0);

    videos.first()->setVideoFrame(red);
    videos.first()->refreshVideo();
    QTRY_VERIFY(firstPaints.count > 0);
    QVERIFY(repaintRequests.count > 0);
    QCOMPARE(lastPaints.count, 0);

    area.verticalScrollBar()->setValue(area.verticalScrollBar()->maximum());
    QTRY_VERIFY(lastPaints.count > 0);
    QCOMPARE(area.grab().toImage().pixelColor(videos.last()->mapTo(&area, QPoint(40, 25))), QColor(255, 0, 0));
}

QTEST_MAIN(tst_BasicWidgets)
#include "tst_basicwidgets.moc"
