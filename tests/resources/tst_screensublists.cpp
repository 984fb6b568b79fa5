#include "common/testsupport.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/resources/screendetailvlistwidget.h>
#include <vireowidgets/resources/screengeneralhlistwidget.h>
#include <vireowidgets/resources/screensamplevlistwidget.h>

#include <vireomodel/fixture.h>
#include <vireomodel/vireomodel.h>

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMimeData>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace Vireo::BizModel;
using namespace Vireo::Widgets;
using SceneType = Enum::Layer::SceneType;

namespace {

QToolButton* closeButtonOf(QWidget* button)
{
    return Vireo::Test::childWith<QToolButton>(button, "isCloseButton");
}

const int Regular = Enum::Screen::RegularScreen;
const int AUX = Enum::Screen::AUXScreen;
const QString EmptyTip = QStringLiteral("No PVW and PGM available. Please add them on Screen page.");

ScreenListWidget* makeList(const QString& kind, QWidget* parent = nullptr)
{
    if (kind == QLatin1String("sample"))
        return new ScreenSampleVListWidget(parent);
    if (kind == QLatin1String("general"))
        return new ScreenGeneralHListWidget(parent);
    return new ScreenDetailVListWidget(parent);
}

QList<ScreenListContentButton*> buttonsOf(ScreenListWidget* list)
{
    QList<ScreenListContentButton*> buttons;
    for (QAbstractButton* item : list->getContentButtons())
        buttons.append(qobject_cast<ScreenListContentButton*>(item));
    return buttons;
}

// Counts the events of one type that its watched objects receive, and lets them pass.
class EventCounter : public QObject
{
public:
    explicit EventCounter(QEvent::Type type)
        : m_type(type)
    { }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == m_type)
            ++count;
        return false;
    }

private:
    QEvent::Type m_type;
};

// The navigation buttons by their "NaviWidgetType" (0 add, 1 previous, 3 next, 4 clear).
QToolButton* naviButton(QWidget* list, int type)
{
    for (auto* button : list->findChildren<QToolButton*>()) {
        if (button->property("NaviButton").isValid() && button->property("NaviWidgetType").toInt() == type)
            return button;
        if (type == 4 && button->property("NaviButtonClear").toBool())
            return button;
    }
    return nullptr;
}

QWidget* childByClass(QWidget* parent, const char* className)
{
    for (auto* child : parent->findChildren<QWidget*>()) {
        if (QByteArray(child->metaObject()->className()) == className)
            return child;
    }
    return nullptr;
}

QString nameOf(QWidget* button)
{
    return button->findChild<QWrapLabel*>(QStringLiteral("ScreenName"))->getText();
}

QList<QLabel*> contentLabelsOf(QWidget* button)
{
    QList<QLabel*> labels;
    for (auto* label : button->findChildren<QLabel*>()) {
        if (label->property("isScreenContent").toBool())
            labels.append(label);
    }
    return labels;
}

Screen& addScreen(int type, quint8 id, const QString& name)
{
    return Vireo::Fixture::activeDevice()->addScreen(type, id, name);
}

std::weak_ptr<Device> activeDevice()
{
    return DeviceList::instance()->activedDevice();
}

} // namespace

Q_DECLARE_METATYPE(QMargins)

class tst_ScreenSubLists : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Vireo::Fixture::reset();
        Vireo::Fixture::makeActiveDevice();
    }
    void cleanup() { Vireo::Fixture::reset(); }

    void listSettings_data();
    void listSettings();
    void buttonLooks_data();
    void buttonLooks();
    void generalNaviButtons();
    void generalIgnoresValidity();
    void detailNavigationBar();
    void detailEmptyTip();
    void detailNames_data();
    void detailNames();
    void detailVideo();
    void detailDrag();
    void deleteKey_data();
    void deleteKey();
};

void tst_ScreenSubLists::listSettings_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QList<int>>("visibleNavi"); // NaviWidgetType values
    QTest::addColumn<QMargins>("contentMargins");
    QTest::addColumn<int>("contentSpacing");
    QTest::addColumn<Qt::ScrollBarPolicy>("scrollPolicy");
    QTest::addColumn<bool>("drags");

    QTest::newRow("sample") << "sample" << Qt::Vertical << QList<int> {} << QMargins() << 0 << Qt::ScrollBarAsNeeded
                            << false;
    QTest::newRow("general") << "general" << Qt::Horizontal << QList<int> {0, 1, 3, 4} << QMargins() << 8
                             << Qt::ScrollBarAlwaysOff << false;
    QTest::newRow("detail") << "detail" << Qt::Vertical << QList<int> {1, 3} << QMargins(0, 0, 1, 0) << 0
                            << Qt::ScrollBarAlwaysOff << true;
}

void tst_ScreenSubLists::listSettings()
{
    QFETCH(QString, kind);
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QList<int>, visibleNavi);
    QFETCH(QMargins, contentMargins);
    QFETCH(int, contentSpacing);
    QFETCH(Qt::ScrollBarPolicy, scrollPolicy);
    QFETCH(bool, drags);

    addScreen(Regular, 1, QStringLiteral("Front"));
    addScreen(Regular, 2, QStringLiteral("Back"));
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    ScreenListWidget* list = makeList(kind, &window);
    layout->addWidget(list);
    window.resize(900, 600);
    list->initListWidgetItem(activeDevice(), Enum::Screen::AllScreenType, SceneType::AllSceneType);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(list->orientation(), orientation);
    for (int type : {0, 1, 3, 4}) {
        QToolButton* button = naviButton(list, type);
        QVERIFY2(button, qPrintable(QStringLiteral("navigation button %1").arg(type)));
        QCOMPARE(!button->isHidden(), visibleNavi.contains(type));
    }
    QWidget* content = list->contentScrollArea()->widget();
    QCOMPARE(content->layout()->contentsMargins(), contentMargins);
    QCOMPARE(content->layout()->spacing(), contentSpacing);
    QCOMPARE(orientation == Qt::Horizontal ? list->contentScrollArea()->horizontalScrollBarPolicy()
                                           : list->contentScrollArea()->verticalScrollBarPolicy(),
        scrollPolicy);
    QCOMPARE(list->layout()->contentsMargins(), QMargins(0, 0, 0, 0));

    // Drags: press a button, move out of it onto the list.
    QCOMPARE(list->itemCount(), 4);
    auto* button = buttonsOf(list).at(1);
    Vireo::Test::sendMouse(button, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    Vireo::Test::sendMouse(list, QEvent::MouseMove, QPoint(1, 1), Qt::NoButton, Qt::LeftButton);
    const auto dragsMade = list->findChildren<QDrag*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(dragsMade.size(), drags ? 1 : 0);
    QVERIFY(Vireo::Fixture::commandLog().isEmpty());
}

void tst_ScreenSubLists::buttonLooks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("hint");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<QStringList>("properties");
    QTest::addColumn<QStringList>("hidden"); // "rate", "video", "close", "content"

    QTest::newRow("sample") << "sample" << QSize(160, 80) << false << true << QStringList {"navigationbarlistindexes"}
                            << QStringList {"rate", "video", "close", "content"};
    QTest::newRow("general") << "general" << QSize(184, 82) << true << true
                             << QStringList {"isGeneralModel", "isScreenGeneralMode"} << QStringList {"rate", "video"};
    QTest::newRow("detail") << "detail" << QSize(280, 82) << true << false
                            << QStringList {"isDetailModel", "isScreenDetailMode"} << QStringList {"close", "content"};
}

void tst_ScreenSubLists::buttonLooks()
{
    QFETCH(QString, kind);
    QFETCH(QSize, hint);
    QFETCH(bool, fixed);
    QFETCH(bool, checkable);
    QFETCH(QStringList, properties);
    QFETCH(QStringList, hidden);

    addScreen(Regular, 1, QStringLiteral("Front"));
    std::unique_ptr<ScreenListWidget> list(makeList(kind));
    list->initListWidgetItem(activeDevice(), Regular, SceneType::Invalid);
    QCOMPARE(list->itemCount(), 1);
    auto* button = buttonsOf(list.get()).first();

    QCOMPARE(button->sizeHint(), hint);
    QCOMPARE(button->minimumSize() == hint && button->maximumSize() == hint, fixed);
    QCOMPARE(button->isCheckable(), checkable);
    for (const QString& property : properties)
        QCOMPARE(button->property(property.toLatin1().constData()), QVariant(true));

    auto* name = button->findChild<QWrapLabel*>(QStringLiteral("ScreenName"));
    QVERIFY(name);
    QVERIFY(!name->isHidden());
    QCOMPARE(name->getText(), QStringLiteral("Front"));
    QCOMPARE(button->findChild<QLabel*>(QStringLiteral("RatioLabel"))->isHidden(), hidden.contains("rate"));
    QCOMPARE(childByClass(button, "Vireo::Widgets::VideoPreviewWidget")->isHidden(), hidden.contains("video"));
    QCOMPARE(closeButtonOf(button)->isHidden(), hidden.contains("close"));
    const auto contents = contentLabelsOf(button);
    QCOMPARE(contents.size(), 3);
    for (QLabel* label : contents)
        QCOMPARE(label->isHidden(), hidden.contains("content"));
    QVERIFY(button->layout());
}

void tst_ScreenSubLists::generalNaviButtons()
{
    ScreenGeneralHListWidget list;
    QToolButton* add = naviButton(&list, 0);
    QCOMPARE(add->minimumSize(), QSize(58, 58));
    QCOMPARE(add->maximumSize(), QSize(58, 58));
    QCOMPARE(add->iconSize(), QSize(30, 30));
    for (int type : {1, 3}) {
        QToolButton* arrow = naviButton(&list, type);
        QCOMPARE(arrow->maximumSize(), QSize(42, 42));
        QCOMPARE(arrow->iconSize(), QSize(19, 32));
    }
    QToolButton* clear = naviButton(&list, 4);
    QCOMPARE(clear->maximumSize(), QSize(62, 34));
    QCOMPARE(clear->iconSize(), QSize(20, 20));
    QCOMPARE(clear->property("NaviButton"), QVariant(false));
    QCOMPARE(clear->property("PropertyDetails"), QVariant(true));

    QSignalSpy added(&list, &NaviSliderFrame::itemAddButtonClicked);
    add->click();
    QCOMPARE(added.count(), 1);
}

void tst_ScreenSubLists::generalIgnoresValidity()
{
    addScreen(Regular, 1, QStringLiteral("Front"));
    addScreen(Regular, 2, QStringLiteral("Broken")).setValid(false);
    ScreenGeneralHListWidget general;
    general.initListWidgetItem(activeDevice(), Regular, SceneType::Invalid, true);
    QCOMPARE(general.itemCount(), 2);

    ScreenSampleVListWidget sample;
    sample.initListWidgetItem(activeDevice(), Regular, SceneType::Invalid, true);
    QCOMPARE(sample.itemCount(), 1);
    sample.initListWidgetItem(activeDevice(), Regular, SceneType::Invalid, false);
    QCOMPARE(sample.itemCount(), 2);

    // The general card shows the counts and the close button reaches the host.
    auto* card = buttonsOf(&general).at(1);
    QSignalSpy closed(&general, &ScreenListWidget::screenItemCloseClicked);
    closeButtonOf(card)->click();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(closed.at(0).at(0).value<std::weak_ptr<Screen>>().lock()->name(), QStringLiteral("Broken"));
    QStringList texts;
    for (QLabel* label : contentLabelsOf(card))
        texts.append(label->text());
    texts.sort();
    QCOMPARE(texts, (QStringList {QStringLiteral("0 Layers"), QStringLiteral("0 Ouputs"), QStringLiteral("N/A")}));
}

void tst_ScreenSubLists::detailNavigationBar()
{
    ScreenDetailVListWidget list;
    QFrame* line = nullptr;
    for (auto* frame : list.findChildren<QFrame*>()) {
        if (frame->property(CUSTOM_PROPERTY_IS_SPECIALBACKGROUNDSEPARATOR).toBool())
            line = frame;
    }
    QVERIFY(line);
    QWidget* bar = line->parentWidget();
    QCOMPARE(bar->maximumHeight(), 64);
    QCOMPARE(bar->minimumHeight(), 64);
    QCOMPARE(line->maximumHeight(), 1);
    for (int type : {1, 3}) {
        QToolButton* arrow = naviButton(&list, type);
        QVERIFY2(arrow->parentWidget() == bar, qPrintable(QStringLiteral("navigation button %1").arg(type)));
        QCOMPARE(arrow->maximumSize(), QSize(52, 52));
    }
    QCOMPARE(list.layout()->spacing(), 0);
    // The bar is below the strip.
    QCOMPARE(list.layout()->indexOf(bar), list.layout()->count() - 1);
    QVERIFY(list.layout()->indexOf(list.contentScrollArea()->parentWidget()) < list.layout()->indexOf(bar));
}

void tst_ScreenSubLists::detailEmptyTip()
{
    ScreenDetailVListWidget list;
    list.initListWidgetItem(activeDevice(), Enum::Screen::AllScreenType, SceneType::AllSceneType);
    auto* tip = list.findChild<QLabel*>(QStringLiteral("NaviSliderTipsLabel"));
    QVERIFY(tip);
    QCOMPARE(tip->text(), EmptyTip);
    QVERIFY(!list.findChild<QWidget*>(QStringLiteral("NaviSliderTipsFrame"))->isHidden());

    addScreen(Regular, 1, QStringLiteral("Front"));
    list.initListWidgetItem(activeDevice(), Enum::Screen::AllScreenType, SceneType::AllSceneType);
    QVERIFY(list.findChild<QWidget*>(QStringLiteral("NaviSliderTipsFrame"))->isHidden());
    list.retranslateUi();
    QCOMPARE(tip->text(), EmptyTip);

    // A language change sets the texts again: the tip and every button's texts.
    list.setTips(QStringLiteral("stale"));
    Vireo::Fixture::activeDevice()->findScreen(Regular, 1).lock()->setName(QStringLiteral("Renamed"));
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&list, &change);
    QCOMPARE(tip->text(), EmptyTip);
    QCOMPARE(nameOf(buttonsOf(&list).first()), QStringLiteral("Renamed-PGM"));
}

void tst_ScreenSubLists::detailNames_data()
{
    QTest::addColumn<int>("sceneMask");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("both scenes") << int(SceneType::AllSceneType) << QStringList {"Front-PGM", "Front-PVW"};
    QTest::newRow("no scene") << int(SceneType::Invalid) << QStringList {"Front"};
}

void tst_ScreenSubLists::detailNames()
{
    QFETCH(int, sceneMask);
    QFETCH(QStringList, names);
    addScreen(Regular, 1, QStringLiteral("Front"));
    ScreenDetailVListWidget list;
    list.initListWidgetItem(activeDevice(), Regular, sceneMask);
    QStringList shown;
    for (auto* button : buttonsOf(&list)) {
        shown.append(nameOf(button));
        QCOMPARE(button->findChild<QLabel*>(QStringLiteral("ScreenName"))->toolTip(), QStringLiteral("Front"));
    }
    QCOMPARE(shown, names);

    // Rebuilt from the same data, no button changes a text back and forth on the way, which would
    // measure and lay it out again each time.
    list.resize(300, 400);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    EventCounter counter(QEvent::LayoutRequest);
    for (auto* button : buttonsOf(&list))
        button->installEventFilter(&counter);
    list.initListWidgetItem(activeDevice(), Regular, sceneMask);
    QCoreApplication::processEvents();
    QCOMPARE(counter.count, 0);
    list.hide();

    // A long name with its suffix is kept whole (the label itself fits it to its width).
    const QString longName = QStringLiteral("The main LED wall over the stage of the hall");
    Vireo::Fixture::activeDevice()->findScreen(Regular, 1).lock()->setName(longName);
    list.retranslateUi();
    QCOMPARE(nameOf(buttonsOf(&list).first()),
        sceneMask == SceneType::Invalid ? longName : longName + QStringLiteral("-PGM"));
}

void tst_ScreenSubLists::detailVideo()
{
    addScreen(Regular, 1, QStringLiteral("Front"));
    addScreen(AUX, 2, QStringLiteral("Side"));
    QList<QPair<QString, int>> calls;
    QSize size;
    auto callback = [&](std::weak_ptr<Screen> screen, const int& scene, const QSize& wanted, QImage& frame) {
        calls.append({screen.lock()->name(), scene});
        size = wanted;
        frame = QImage(QSize(8, 8), QImage::Format_RGB32);
        frame.fill(Qt::blue);
        return true;
    };
    ScreenDetailVListWidget list;
    list.resize(300, 600);
    list.initListWidgetItem(activeDevice(), Enum::Screen::AllScreenType, SceneType::AllSceneType, true, callback);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    list.updateScreenVideo(Vireo::Fixture::activeDevice()->findScreen(AUX, 2));
    QCOMPARE(calls, (QList<QPair<QString, int>> {{QStringLiteral("Side"), 2}, {QStringLiteral("Side"), 4}}));
    QCOMPARE(size.width(), 130);

    // The picture reaches the screen.
    auto* video = childByClass(buttonsOf(&list).at(2), "Vireo::Widgets::VideoPreviewWidget");
    QTRY_COMPARE(video->grab().toImage().pixelColor(video->width() / 2, video->height() / 2), QColor(Qt::blue));

    calls.clear();
    list.updateScreenVideo();
    QCOMPARE(calls.size(), 4);

    // The sample and general buttons never ask for video.
    ScreenGeneralHListWidget general;
    general.initListWidgetItem(activeDevice(), Enum::Screen::AllScreenType, SceneType::AllSceneType, true, callback);
    calls.clear();
    general.updateScreenVideo();
    QVERIFY(calls.isEmpty());
}

void tst_ScreenSubLists::detailDrag()
{
    addScreen(AUX, 5, QStringLiteral("Side"));
    ScreenDetailVListWidget list;
    list.resize(300, 600);
    list.initListWidgetItem(activeDevice(), AUX, SceneType::AllSceneType);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    auto* preview = buttonsOf(&list).at(1);
    Vireo::Test::sendMouse(preview, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    Vireo::Test::sendMouse(&list, QEvent::MouseMove, QPoint(1, 590), Qt::NoButton, Qt::LeftButton);
    const auto drags = list.findChildren<QDrag*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(drags.size(), 1);
    const QMimeData* mime = drags.first()->mimeData();
    QCOMPARE(mime->text(), QStringLiteral("Side"));
    QCOMPARE(mime->data(QString::fromLatin1(Vireo::Constants::MimeTypeScreenKeyNo)), QByteArray("5"));
    QCOMPARE(mime->data(QString::fromLatin1(Vireo::Constants::MimeTypeScreenTypeKeyNo)), QByteArray("4"));
    QCOMPARE(mime->data(QString::fromLatin1(Vireo::Constants::MimeTypePVWKeyNo)), QByteArray("5"));
    QVERIFY(!mime->hasFormat(QString::fromLatin1(Vireo::Constants::MimeTypePGMKeyNo)));
    QCOMPARE(drags.first()->pixmap().size(), QSize(280, 82));
    QCOMPARE(mime->data(QString::fromLatin1(Vireo::Constants::MimeTypeDragHotSpot)),
        QByteArray::fromHex("0000008c00000029"));
}

void tst_ScreenSubLists::deleteKey_data()
{
    QTest::addColumn<bool>("activeScreen");
    QTest::addColumn<int>("sceneMask");
    QTest::addColumn<bool>("deviceAlive");
    QTest::addColumn<int>("closeSignals");
    QTest::addColumn<bool>("passedOn");

    QTest::newRow("no active screen: passed on") << false << int(SceneType::Invalid) << true << 0 << true;
    QTest::newRow("device gone: passed on") << true << int(SceneType::Invalid) << false << 0 << true;
    QTest::newRow("button found: close asked") << true << int(SceneType::Invalid) << true << 1 << false;
    QTest::newRow("no button of the pressed scene: consumed")
        << true << int(SceneType::AllSceneType) << true << 0 << false;
}

void tst_ScreenSubLists::deleteKey()
{
    QFETCH(bool, activeScreen);
    QFETCH(int, sceneMask);
    QFETCH(bool, deviceAlive);
    QFETCH(int, closeSignals);
    QFETCH(bool, passedOn);

    addScreen(Regular, 1, QStringLiteral("Front"));
    addScreen(Regular, 2, QStringLiteral("Back"));
    Device* dev = Vireo::Fixture::activeDevice();
    if (activeScreen)
        dev->setActivedScreen(dev->findScreen(Regular, 2));

    QWidget window;
    EventCounter seen(QEvent::KeyPress); // key presses that went past the list to its parent
    window.installEventFilter(&seen);
    auto* layout = new QVBoxLayout(&window);
    auto* list = new ScreenGeneralHListWidget(&window);
    layout->addWidget(list);
    list->initListWidgetItem(activeDevice(), Regular, sceneMask);
    if (!deviceAlive)
        Vireo::Fixture::removeActiveDevice();
    QSignalSpy closed(list, &ScreenListWidget::screenItemCloseClicked);

    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(list, &other);
    QCOMPARE(seen.count, 1); // other keys are never taken
    seen.count = 0;

    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(list, &press);
    QCOMPARE(closed.count(), closeSignals);
    if (closeSignals)
        QCOMPARE(closed.at(0).at(0).value<std::weak_ptr<Screen>>().lock()->name(), QStringLiteral("Back"));
    QCOMPARE(seen.count == 1, passedOn);
    QVERIFY(Vireo::Fixture::commandLog().isEmpty());

    // Asked directly, the filter gives the same answer.
    QKeyEvent direct(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QCOMPARE(list->eventFilter(list, &direct), !passedOn);
}

QTEST_MAIN(tst_ScreenSubLists)
#include "tst_screensublists.moc"
