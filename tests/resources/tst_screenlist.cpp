#include "common/testsupport.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/foundation/videopreviewwidget.h>
#include <vireowidgets/resources/screenlistwidget.h>

#include <vireomodel/fixture.h>
#include <vireomodel/helper.h>
#include <vireomodel/vireomodel.h>

#include <QDataStream>
#include <QDrag>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using namespace Vireo::BizModel;
using Vireo::Test::LogCatcher;
using Vireo::Test::sendMouse;
using Vireo::Widgets::QWrapLabel;
using Vireo::Widgets::ScreenListContentButton;
using Vireo::Widgets::ScreenListWidget;
using SceneType = Enum::Layer::SceneType;

namespace {

QToolButton* closeButtonOf(QWidget* button)
{
    return Vireo::Test::childWith<QToolButton>(button, "isCloseButton");
}

const char* const NoScreenWarning = "screen start drag has faied. The selectd screenbase is nullptr";
const QString PgmKey = QString::fromLatin1(Vireo::Constants::MimeTypePGMKeyNo);
const QString PvwKey = QString::fromLatin1(Vireo::Constants::MimeTypePVWKeyNo);
const QString HotSpotKey = QString::fromLatin1(Vireo::Constants::MimeTypeDragHotSpot);

// A minimal concrete button and list, as a host or the concrete lists would write them.
class PlainScreenButton : public ScreenListContentButton
{
public:
    PlainScreenButton(std::weak_ptr<Device> device, std::weak_ptr<Screen> screen, int scene,
        ReadScreenVideoFrameCallback cb, QWidget* parent)
        : ScreenListContentButton(device, screen, scene, cb, parent)
    {
        setCheckable(true);
        auto* layout = new QHBoxLayout(this);
        layout->addWidget(m_pLabelVideo);
        layout->addWidget(m_pLabelName);
        m_pLabelVideo->setFixedWidth(40);
        updateUIFromData();
    }
    QSize sizeHint() const override { return QSize(150, 60); }
};

struct Key
{
    int id;
    int type;
    int scene;
    bool operator==(const Key& o) const { return id == o.id && type == o.type && scene == o.scene; }
};
// Readable list differences in failure messages (found by QTest through argument lookup).
char* toString(const Key& key)
{
    return qstrdup(QByteArray("(screen " + QByteArray::number(key.id) + ", type " + QByteArray::number(key.type) +
        ", scene " + QByteArray::number(key.scene) + ")")
                       .constData());
}

class PlainScreenList : public ScreenListWidget
{
public:
    explicit PlainScreenList(QWidget* parent = nullptr)
        : ScreenListWidget(parent)
    {
        setOrientation(Qt::Horizontal);
    }
    // A strip of the active device's screens of these types and scenes.
    PlainScreenList(int types, int scenes)
        : PlainScreenList()
    {
        initListWidgetItem(DeviceList::instance()->activedDevice(), types, scenes);
    }

    int created = 0;
    int pressedSlotCalls = 0;
    int dragStates = 0;

    void slotScreenPressed(std::weak_ptr<Screen> screen, const int& scene) override
    {
        ++pressedSlotCalls;
        ScreenListWidget::slotScreenPressed(screen, scene);
    }

    QList<ScreenListContentButton*> buttons()
    {
        QList<ScreenListContentButton*> out;
        for (QAbstractButton* item : getContentButtons())
            out.append(qobject_cast<ScreenListContentButton*>(item));
        return out;
    }
    QList<Key> keys()
    {
        QList<Key> out;
        for (auto* button : buttons())
            out.append({button->screenKeyNo(), button->screenType(), button->sceneType()});
        return out;
    }
    QList<QDrag*> drags() const { return findChildren<QDrag*>(QString(), Qt::FindDirectChildrenOnly); }
    // The strip as the tests that press its buttons show it.
    bool showStrip()
    {
        resize(900, 120);
        show();
        return QTest::qWaitForWindowExposed(this);
    }

protected:
    ScreenListContentButton* createScreenContentButton(
        std::weak_ptr<Device> device, std::weak_ptr<Screen> screen, const SceneType& scene, QWidget* parent) override
    {
        ++created;
        return new PlainScreenButton(device, screen, scene, m_cbReadScreenVideo, parent);
    }
    void setDragButtonState(ScreenListContentButton* button, bool state) override
    {
        if (button && state)
            ++dragStates;
    }
};

QByteArray hotSpotBytes(const QPoint& point)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << point;
    return bytes;
}

// A press on the button, then a move that reaches the list outside the button.
void pressAndMoveOut(ScreenListWidget& list, QWidget* button)
{
    sendMouse(button, QEvent::MouseButtonPress, button->rect().center(), Qt::LeftButton, Qt::LeftButton);
    sendMouse(&list, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::LeftButton);
}

QWrapLabel* nameLabel(QWidget* button)
{
    return button->findChild<QWrapLabel*>(QStringLiteral("ScreenName"));
}

QLabel* ratioLabel(QWidget* button)
{
    return button->findChild<QLabel*>(QStringLiteral("RatioLabel"));
}

// The texts of the content labels, sorted.
QStringList contentTexts(QWidget* button)
{
    QStringList texts;
    for (auto* label : button->findChildren<QLabel*>()) {
        if (label->property("isScreenContent").toBool())
            texts.append(label->text());
    }
    texts.sort();
    return texts;
}

std::weak_ptr<Device> activeDevice()
{
    return DeviceList::instance()->activedDevice();
}

Device* device()
{
    return Vireo::Fixture::activeDevice();
}

Screen& addScreen(int type, quint8 id, int index, const QString& name = QString())
{
    Screen& screen = device()->addScreen(type, id, name.isEmpty() ? QStringLiteral("Screen %1").arg(id) : name);
    screen.setIndex(index);
    return screen;
}

const int Regular = Enum::Screen::RegularScreen;
const int AUX = Enum::Screen::AUXScreen;
const int MVR = Enum::Screen::MVRScreen;

} // namespace

Q_DECLARE_METATYPE(QList<Key>)

class tst_ScreenList : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Vireo::Fixture::reset();
        Vireo::Fixture::makeActiveDevice();
    }
    void cleanup() { Vireo::Fixture::reset(); }

    void order_data();
    void order();
    void validityCheck();
    void deviceGoneHidesEverything();
    void rebuildReusesButtons();
    void unchangedRebuildCreatesNothing();
    void manyScreens();
    void singleAdd_data();
    void singleAdd();
    void singleAddReusesCache();
    void videoRefresh_data();
    void videoRefresh();
    void dragPayload_data();
    void dragPayload();
    void dragPictureSize_data();
    void dragPictureSize();
    void noDragWhen_data();
    void noDragWhen();
    void releaseClearsPress_data();
    void releaseClearsPress();
    void vanishing_data();
    void vanishing();
    void pressedButtonGone();
    void buttonTexts_data();
    void buttonTexts();
    void buttonChildren();
    void expiredScreenEmptiesButton();
    void enableButton();
    void typeMask();
};

void tst_ScreenList::order_data()
{
    QTest::addColumn<QList<QList<int>>>("screens"); // {type, id, index}
    QTest::addColumn<int>("sceneMask");
    QTest::addColumn<QList<Key>>("expected");

    const int none = SceneType::Invalid;
    QTest::newRow("index, then type") << QList<QList<int>> {{Regular, 1, 2}, {AUX, 2, 1}, {Regular, 3, 1}} << none
                                      << QList<Key> {{3, Regular, 1}, {2, AUX, 1}, {1, Regular, 1}};
    QTest::newRow("same index and type by number")
        << QList<QList<int>> {{Regular, 5, 0}, {Regular, 3, 0}, {Regular, 4, 0}} << none
        << QList<Key> {{3, Regular, 1}, {4, Regular, 1}, {5, Regular, 1}};
    QTest::newRow("regular, AUX, MVR") << QList<QList<int>> {{MVR, 1, 0}, {AUX, 1, 0}, {Regular, 1, 0}} << none
                                       << QList<Key> {{1, Regular, 1}, {1, AUX, 1}, {1, MVR, 1}};
    QTest::newRow("negative index first") << QList<QList<int>> {{Regular, 1, 0}, {Regular, 2, -3}} << none
                                          << QList<Key> {{2, Regular, 1}, {1, Regular, 1}};
    QTest::newRow("echo screens are never asked for")
        << QList<QList<int>> {{Enum::Screen::EchoScreen, 1, 0}, {Regular, 2, 1}} << none
        << QList<Key> {{2, Regular, 1}};

    const QList<QList<int>> twoScreens {{Regular, 1, 0}, {AUX, 2, 1}};
    QTest::newRow("all scenes: program first")
        << twoScreens << int(SceneType::AllSceneType)
        << QList<Key> {{1, Regular, 2}, {1, Regular, 4}, {2, AUX, 2}, {2, AUX, 4}};
    QTest::newRow("exactly Invalid: one per screen") << twoScreens << none << QList<Key> {{1, Regular, 1}, {2, AUX, 1}};
    QTest::newRow("program") << twoScreens << int(SceneType::PGM) << QList<Key> {{1, Regular, 2}, {2, AUX, 2}};
    QTest::newRow("preview") << twoScreens << int(SceneType::PVW) << QList<Key> {{1, Regular, 4}, {2, AUX, 4}};
    QTest::newRow("Invalid with program is program")
        << twoScreens << int(SceneType::Invalid | SceneType::PGM) << QList<Key> {{1, Regular, 2}, {2, AUX, 2}};
    QTest::newRow("no scenes") << twoScreens << 0 << QList<Key> {};
}

void tst_ScreenList::order()
{
    QFETCH(QList<QList<int>>, screens);
    QFETCH(int, sceneMask);
    QFETCH(QList<Key>, expected);
    for (const auto& s : screens)
        addScreen(s.at(0), quint8(s.at(1)), s.at(2));

    PlainScreenList list;
    list.resize(800, 100);
    list.initListWidgetItem(activeDevice(), Enum::Screen::AllScreenType, sceneMask, false);
    QCOMPARE(list.keys(), expected);

    // The strip shows them in the same order.
    QVERIFY(list.showStrip());
    const auto buttons = list.buttons();
    for (int i = 1; i < buttons.size(); ++i)
        QVERIFY(buttons.at(i - 1)->x() < buttons.at(i)->x());
}

void tst_ScreenList::validityCheck()
{
    addScreen(Regular, 1, 0);
    addScreen(Regular, 2, 1).setValid(false);

    PlainScreenList list;
    list.initListWidgetItem(activeDevice(), Regular, SceneType::Invalid, true);
    QCOMPARE(list.keys(), (QList<Key> {{1, Regular, 1}}));
    list.initListWidgetItem(activeDevice(), Regular, SceneType::Invalid, false);
    QCOMPARE(list.keys(), (QList<Key> {{1, Regular, 1}, {2, Regular, 1}}));
    QVERIFY(!list.isAllowAddScreen(std::weak_ptr<Screen>()));
}

void tst_ScreenList::deviceGoneHidesEverything()
{
    addScreen(Regular, 1, 0);
    addScreen(Regular, 2, 1);
    const auto dev = activeDevice();
    PlainScreenList list(Regular, SceneType::AllSceneType);
    QCOMPARE(list.itemCount(), 4);

    QVERIFY(Vireo::Fixture::removeActiveDevice());
    list.initListWidgetItem(dev, Regular, SceneType::AllSceneType);
    QCOMPARE(list.itemCount(), 0);
    QCOMPARE(list.hiddenContentButtonCount(), 4);
    for (auto* button : list.findChildren<ScreenListContentButton*>()) {
        QVERIFY(button->isHidden());
        QCOMPARE(nameLabel(button)->text(), QString());
    }
    QVERIFY(Vireo::Fixture::commandLog().isEmpty());
}

void tst_ScreenList::rebuildReusesButtons()
{
    for (int i = 1; i <= 3; ++i)
        addScreen(Regular, quint8(i), i);
    PlainScreenList list;
    QSignalSpy closed(&list, &ScreenListWidget::screenItemCloseClicked);
    list.initListWidgetItem(activeDevice(), Regular, SceneType::Invalid);
    QCOMPARE(list.created, 3);

    // Fewer screens: the surplus is hidden and emptied, nothing is deleted.
    device()->removeScreen(Regular, 2);
    list.initListWidgetItem(activeDevice(), Regular, SceneType::Invalid);
    QCOMPARE(list.keys(), (QList<Key> {{1, Regular, 1}, {3, Regular, 1}}));
    QCOMPARE(list.findChildren<ScreenListContentButton*>().size(), 3);
    QCOMPARE(list.hiddenContentButtonCount(), 1);
    int hidden = 0;
    for (auto* button : list.findChildren<ScreenListContentButton*>()) {
        if (!button->isHidden())
            continue;
        ++hidden;
        QCOMPARE(button->screenKeyNo(), quint8(255));
        QCOMPARE(nameLabel(button)->toolTip(), QString());
        QCOMPARE(ratioLabel(button)->text(), QString());
    }
    QCOMPARE(hidden, 1);

    // More screens: the hidden button is used before a new one is made.
    addScreen(Regular, 4, 4);
    addScreen(Regular, 5, 5);
    list.initListWidgetItem(activeDevice(), Regular, SceneType::Invalid);
    QCOMPARE(list.keys(), (QList<Key> {{1, Regular, 1}, {3, Regular, 1}, {4, Regular, 1}, {5, Regular, 1}}));
    QCOMPARE(list.created, 4);
    QCOMPARE(list.hiddenContentButtonCount(), 0);

    // Every button is connected once, however often it was reused.
    QVERIFY(list.showStrip());
    for (auto* button : list.buttons()) {
        list.pressedSlotCalls = 0;
        sendMouse(button, QEvent::MouseButtonPress, button->rect().center(), Qt::LeftButton, Qt::LeftButton);
        sendMouse(button, QEvent::MouseButtonRelease, button->rect().center(), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(list.pressedSlotCalls, 1);
        closed.clear();
        QToolButton* close = closeButtonOf(button);
        QVERIFY(close);
        close->click();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(closed.at(0).at(0).value<std::weak_ptr<Screen>>().lock(), button->screenBase().lock());
    }
}

void tst_ScreenList::unchangedRebuildCreatesNothing()
{
    for (int i = 1; i <= 6; ++i)
        addScreen(i % 2 ? Regular : AUX, quint8(i), i);
    PlainScreenList list;
    list.resize(900, 120);
    list.show();
    list.initListWidgetItem(activeDevice(), Enum::Screen::AllScreenType, SceneType::AllSceneType);
    const auto before = list.buttons();
    const int widgets = list.findChildren<QWidget*>().size();
    QCOMPARE(list.created, 12);

    list.initListWidgetItem(activeDevice(), Enum::Screen::AllScreenType, SceneType::AllSceneType);
    QCOMPARE(list.created, 12);
    QCOMPARE(list.findChildren<QWidget*>().size(), widgets);
    QCOMPARE(list.buttons(), before); // the same buttons at the same places
}

void tst_ScreenList::manyScreens()
{
    for (int i = 0; i < 250; ++i)
        addScreen(Regular, quint8(i), 250 - i);
    PlainScreenList list(Regular, SceneType::AllSceneType);
    QCOMPARE(list.itemCount(), 500);
    const auto keys = list.keys();
    QCOMPARE(keys.first(), (Key {249, Regular, 2}));
    QCOMPARE(keys.last(), (Key {0, Regular, 4}));
    const int created = list.created;
    list.initListWidgetItem(activeDevice(), Regular, SceneType::AllSceneType);
    QCOMPARE(list.created, created);
    QCOMPARE(list.keys(), keys);
}

void tst_ScreenList::singleAdd_data()
{
    QTest::addColumn<int>("typeMask");
    QTest::addColumn<int>("sceneMask");
    QTest::addColumn<int>("newType");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QList<Key>>("added");

    QTest::newRow("both scenes, program first")
        << Regular << int(SceneType::AllSceneType) << Regular << true << QList<Key> {{7, Regular, 2}, {7, Regular, 4}};
    QTest::newRow("exactly Invalid") << Regular << int(SceneType::Invalid) << Regular << true
                                     << QList<Key> {{7, Regular, 1}};
    QTest::newRow("Invalid bit with program adds no scene-less button")
        << Regular << int(SceneType::Invalid | SceneType::PGM) << Regular << true << QList<Key> {{7, Regular, 2}};
    QTest::newRow("type outside the mask") << Regular << int(SceneType::AllSceneType) << AUX << true << QList<Key> {};
    QTest::newRow("echo bit never lists echo screens")
        << int(Enum::Screen::AllScreenType | Enum::Screen::EchoScreen) << int(SceneType::PGM)
        << int(Enum::Screen::EchoScreen) << true << QList<Key> {};
    QTest::newRow("invalid screen") << Regular << int(SceneType::PGM) << Regular << false << QList<Key> {};
}

void tst_ScreenList::singleAdd()
{
    QFETCH(int, typeMask);
    QFETCH(int, sceneMask);
    QFETCH(int, newType);
    QFETCH(bool, valid);
    QFETCH(QList<Key>, added);

    addScreen(Regular, 1, 5);
    PlainScreenList list(typeMask, sceneMask);
    const QList<Key> before = list.keys();

    addScreen(newType, 7, 0).setValid(valid); // sorts first, but a single add appends
    list.addScreenContentButton(device()->findScreen(newType, 7));
    QCOMPARE(list.keys(), before + added);

    // Adding it again changes nothing.
    list.addScreenContentButton(device()->findScreen(newType, 7));
    QCOMPARE(list.keys(), before + added);

    // A rebuild shows the same buttons, re-sorted.
    list.initListWidgetItem(activeDevice(), typeMask, sceneMask);
    QCOMPARE(list.keys(), added + before);
}

void tst_ScreenList::singleAddReusesCache()
{
    addScreen(Regular, 1, 0);
    addScreen(Regular, 2, 1);
    const auto dev = activeDevice();
    PlainScreenList list(Regular, SceneType::AllSceneType);
    device()->removeScreen(Regular, 2);
    list.initListWidgetItem(dev, Regular, SceneType::AllSceneType);
    QCOMPARE(list.hiddenContentButtonCount(), 2);

    addScreen(Regular, 3, 2);
    QSignalSpy toggled(&list, &ScreenListWidget::itemToggled);
    list.addScreenContentButton(device()->findScreen(Regular, 3));
    QCOMPARE(list.keys(), (QList<Key> {{1, Regular, 2}, {1, Regular, 4}, {3, Regular, 2}, {3, Regular, 4}}));
    QCOMPARE(list.created, 4);
    QCOMPARE(list.hiddenContentButtonCount(), 0);
    for (auto* button : list.buttons())
        QVERIFY(!button->isHidden());

    // Nothing comes from another device, an expired screen or while the device is gone.
    auto other = DeviceList::instance()->addDevice(QStringLiteral("other"));
    other.lock()->addScreen(Regular, 9, QStringLiteral("elsewhere"));
    list.addScreenContentButton(other.lock()->findScreen(Regular, 9));
    list.addScreenContentButton(std::weak_ptr<Screen>());
    QCOMPARE(list.itemCount(), 4);
    addScreen(Regular, 4, 3);
    const auto fourth = device()->findScreen(Regular, 4);
    DeviceList::instance()->removeDevice(dev);
    list.addScreenContentButton(fourth);
    QCOMPARE(list.itemCount(), 4);
    QCOMPARE(toggled.count(), 0);
    QVERIFY(Vireo::Fixture::commandLog().isEmpty());
}

void tst_ScreenList::videoRefresh_data()
{
    QTest::addColumn<int>("sceneMask");
    QTest::addColumn<QList<int>>("refreshedScenes"); // for one screen
    QTest::addColumn<int>("buttonsPerScreen");

    QTest::newRow("both") << int(SceneType::AllSceneType) << QList<int> {2, 4} << 2;
    QTest::newRow("program") << int(SceneType::PGM) << QList<int> {2} << 1;
    QTest::newRow("preview") << int(SceneType::PVW) << QList<int> {4} << 1;
    QTest::newRow("exactly Invalid refreshes nothing for one screen") << int(SceneType::Invalid) << QList<int> {} << 1;
}

void tst_ScreenList::videoRefresh()
{
    QFETCH(int, sceneMask);
    QFETCH(QList<int>, refreshedScenes);
    QFETCH(int, buttonsPerScreen);
    for (int i = 1; i <= 3; ++i)
        addScreen(Regular, quint8(i), i);

    QList<QPair<int, int>> calls; // screen number, scene
    QSize lastSize;
    auto callback = [&](std::weak_ptr<Screen> screen, const int& scene, const QSize& size, QImage& frame) {
        auto locked = screen.lock();
        calls.append({locked ? locked->screenId() : -1, scene});
        lastSize = size;
        frame = QImage(size.isEmpty() ? QSize(4, 4) : size, QImage::Format_RGB32);
        frame.fill(Qt::red);
        return true;
    };
    PlainScreenList list;
    list.initListWidgetItem(activeDevice(), Regular, sceneMask, true, callback);
    QVERIFY(list.showStrip());

    list.updateScreenVideo(device()->findScreen(Regular, 2));
    QList<QPair<int, int>> expected;
    for (int scene : refreshedScenes)
        expected.append({2, scene});
    std::sort(calls.begin(), calls.end());
    QCOMPARE(calls, expected);
    if (!calls.isEmpty())
        QCOMPARE(lastSize.width(), 40);

    // An expired screen refreshes nothing.
    calls.clear();
    list.updateScreenVideo(std::weak_ptr<Screen>());
    QVERIFY(calls.isEmpty());

    // Refreshing all asks every button once; buttons hidden by a rebuild are not asked.
    list.updateScreenVideo();
    QCOMPARE(calls.size(), 3 * buttonsPerScreen);
    device()->removeScreen(Regular, 3);
    list.initListWidgetItem(activeDevice(), Regular, sceneMask, true, callback);
    calls.clear();
    list.updateScreenVideo();
    QCOMPARE(calls.size(), 2 * buttonsPerScreen);
}

void tst_ScreenList::dragPayload_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("sceneMask");
    QTest::addColumn<int>("pressIndex");
    QTest::addColumn<QString>("sceneKey");
    QTest::addColumn<bool>("custom");

    QTest::newRow("program") << Regular << 3 << int(SceneType::AllSceneType) << 0 << PgmKey << false;
    QTest::newRow("preview") << Regular << 3 << int(SceneType::AllSceneType) << 1 << PvwKey << false;
    QTest::newRow("no scene") << AUX << 12 << int(SceneType::Invalid) << 0 << QString() << false;
    QTest::newRow("three digits") << MVR << 200 << int(SceneType::PGM) << 0 << PgmKey << false;
    QTest::newRow("custom drag: no picture, zero hot spot")
        << Regular << 1 << int(SceneType::PVW) << 0 << PvwKey << true;
}

void tst_ScreenList::dragPayload()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(int, sceneMask);
    QFETCH(int, pressIndex);
    QFETCH(QString, sceneKey);
    QFETCH(bool, custom);

    addScreen(type, quint8(number), 0, QStringLiteral("Main wall"));
    PlainScreenList list(Enum::Screen::AllScreenType, sceneMask);
    list.setCustomDarg(custom);
    QVERIFY(list.showStrip());

    pressAndMoveOut(list, list.buttons().at(pressIndex));
    const auto drags = list.drags();
    QCOMPARE(drags.size(), 1);
    QCOMPARE(list.dragStates, 1);
    const QMimeData* mime = drags.first()->mimeData();
    QCOMPARE(mime->text(), QStringLiteral("Main wall"));
    QCOMPARE(mime->data(QString::fromLatin1(Vireo::Constants::MimeTypeScreenKeyNo)), QByteArray::number(number));
    QCOMPARE(mime->data(QString::fromLatin1(Vireo::Constants::MimeTypeScreenTypeKeyNo)), QByteArray::number(type));
    QCOMPARE(mime->hasFormat(PgmKey), sceneKey == PgmKey);
    QCOMPARE(mime->hasFormat(PvwKey), sceneKey == PvwKey);
    if (!sceneKey.isEmpty())
        QCOMPARE(mime->data(sceneKey), QByteArray::number(number));

    const QByteArray hotSpot = mime->data(HotSpotKey);
    QCOMPARE(hotSpot.size(), 8);
    QCOMPARE(drags.first()->pixmap().isNull(), custom);
    if (custom) {
        QCOMPARE(hotSpot, QByteArray(8, '\0'));
        QCOMPARE(drags.first()->hotSpot(), QPoint(0, 0));
    } else {
        QCOMPARE(drags.first()->hotSpot(), QPoint(75, 30)); // the centre of the 150 x 60 button's picture
        QCOMPARE(hotSpot, QByteArray::fromHex("0000004b0000001e"));
    }
    QVERIFY(Vireo::Fixture::commandLog().isEmpty());
}

void tst_ScreenList::dragPictureSize_data()
{
    QTest::addColumn<QSize>("dragSize");
    QTest::addColumn<QSize>("pictureSize");

    QTest::newRow("0 x 0 keeps the button's size") << QSize(0, 0) << QSize(150, 60);
    QTest::newRow("a zero width keeps it too") << QSize(0, 90) << QSize(150, 60);
    QTest::newRow("larger frame") << QSize(200, 100) << QSize(200, 100);
    QTest::newRow("smaller frame scales the picture") << QSize(50, 20) << QSize(50, 20);
}

void tst_ScreenList::dragPictureSize()
{
    QFETCH(QSize, dragSize);
    QFETCH(QSize, pictureSize);
    addScreen(Regular, 1, 0);
    PlainScreenList list;
    QCOMPARE(list.dragPixmapSize(), QSize(0, 0));
    list.setDragPixmapSize(dragSize);
    list.initListWidgetItem(activeDevice(), Regular, SceneType::PGM);
    QVERIFY(list.showStrip());

    pressAndMoveOut(list, list.buttons().first());
    const auto drags = list.drags();
    QCOMPARE(drags.size(), 1);
    const QPixmap picture = drags.first()->pixmap();
    QCOMPARE(picture.size(), pictureSize);
    const QPoint centre(pictureSize.width() / 2, pictureSize.height() / 2);
    QCOMPARE(drags.first()->hotSpot(), centre);
    QCOMPARE(drags.first()->mimeData()->data(HotSpotKey), hotSpotBytes(centre));
    // The picture is translucent inside a green edge, also at the grab's own size.
    const QImage image = picture.toImage();
    QVERIFY(qAlpha(image.pixel(image.width() / 2, image.height() / 2)) < 255);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 255);

    // One drag per press: a further move drags nothing more.
    QTest::ignoreMessage(QtWarningMsg, NoScreenWarning);
    sendMouse(&list, QEvent::MouseMove, QPoint(3, 3), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(list.drags().size(), 1);
}

void tst_ScreenList::noDragWhen_data()
{
    QTest::addColumn<QString>("condition");
    QTest::newRow("right button held") << "right";
    QTest::newRow("list disabled") << "disabled";
    QTest::newRow("drags switched off") << "off";
}

void tst_ScreenList::noDragWhen()
{
    QFETCH(QString, condition);
    addScreen(Regular, 1, 0);
    PlainScreenList list(Regular, SceneType::PGM);
    QVERIFY(list.showStrip());
    auto* button = list.buttons().first();

    LogCatcher log;
    sendMouse(button, QEvent::MouseButtonPress, button->rect().center(), Qt::LeftButton, Qt::LeftButton);
    Qt::MouseButtons held = Qt::LeftButton;
    if (condition == QLatin1String("right"))
        held |= Qt::RightButton;
    else if (condition == QLatin1String("disabled"))
        list.setEnabled(false);
    else
        list.isEnableDrag(false);
    sendMouse(&list, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, held);
    QVERIFY(list.drags().isEmpty());
    QCOMPARE(log.warnings(), QStringList());

    // Without drags the move still ends the press; otherwise the press survives for a later move.
    list.setEnabled(true);
    list.isEnableDrag(true);
    if (condition == QLatin1String("off"))
        QTest::ignoreMessage(QtWarningMsg, NoScreenWarning);
    sendMouse(&list, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(list.drags().size(), condition == QLatin1String("off") ? 0 : 1);
}

void tst_ScreenList::releaseClearsPress_data()
{
    QTest::addColumn<int>("releaseOn");
    QTest::addColumn<bool>("rebuildFirst");
    QTest::newRow("same screen, same scene") << 0 << false;
    QTest::newRow("same screen, other scene") << 1 << false;
    QTest::newRow("another screen") << 2 << false;
    QTest::newRow("pressed button rebound to another screen") << 0 << true;
}

void tst_ScreenList::releaseClearsPress()
{
    QFETCH(int, releaseOn);
    QFETCH(bool, rebuildFirst);
    addScreen(Regular, 1, 0);
    addScreen(Regular, 2, 1);
    PlainScreenList list(Regular, SceneType::AllSceneType);
    QVERIFY(list.showStrip());
    const auto buttons = list.buttons(); // screen 1 PGM, screen 1 PVW, screen 2 PGM, screen 2 PVW

    sendMouse(buttons.at(0), QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    if (rebuildFirst) {
        // The host moves screen 1 behind screen 2: the pressed button shows screen 2 now.
        device()->findScreen(Regular, 1).lock()->setIndex(5);
        list.initListWidgetItem(activeDevice(), Regular, SceneType::AllSceneType);
        QCOMPARE(list.buttons().at(0)->screenKeyNo(), quint8(2));
    }
    sendMouse(buttons.at(releaseOn), QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);

    // Whatever the release named, the press is over: a press beside the buttons and a move out
    // drag nothing.
    sendMouse(&list, QEvent::MouseButtonPress, QPoint(890, 110), Qt::LeftButton, Qt::LeftButton);
    QTest::ignoreMessage(QtWarningMsg, NoScreenWarning);
    sendMouse(&list, QEvent::MouseMove, QPoint(-20, 2), Qt::NoButton, Qt::LeftButton);
    sendMouse(&list, QEvent::MouseButtonRelease, QPoint(-20, 2), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(list.drags().size(), 0);
}

void tst_ScreenList::vanishing_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("warning");
    QTest::newRow("screen") << "screen" << QString::fromLatin1(NoScreenWarning);
    QTest::newRow("device") << "device"
                            << "screen start drag has faied. The device model is nullptr.";
}

void tst_ScreenList::vanishing()
{
    QFETCH(QString, what);
    QFETCH(QString, warning);
    addScreen(Regular, 1, 0);
    addScreen(Regular, 2, 1);
    PlainScreenList list(Regular, SceneType::AllSceneType);
    QVERIFY(list.showStrip());
    auto* button = list.buttons().at(1);

    // Between press and move.
    sendMouse(button, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    if (what == QLatin1String("screen"))
        device()->removeScreen(Regular, 1);
    else
        Vireo::Fixture::removeActiveDevice();
    QTest::ignoreMessage(QtWarningMsg, warning.toUtf8().constData());
    sendMouse(&list, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::LeftButton);
    QVERIFY(list.drags().isEmpty());

    // The release, and later notifications, of what is gone are harmless.
    sendMouse(button, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(button->screenKeyNo(), quint8(255));
    list.updateScreenVideo(button->screenBase());
    list.retranslateUi();
    QCOMPARE(nameLabel(button)->text(), QString());
    QVERIFY(Vireo::Fixture::commandLog().isEmpty());
}

void tst_ScreenList::pressedButtonGone()
{
    addScreen(Regular, 1, 0);
    PlainScreenList list(Regular, SceneType::AllSceneType);
    QVERIFY(list.showStrip());
    sendMouse(list.buttons().at(1), QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);

    // Between press and move the list drops its preview buttons: no drag and no message.
    list.initListWidgetItem(activeDevice(), Regular, SceneType::PGM);
    LogCatcher log;
    sendMouse(&list, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::LeftButton);
    QVERIFY(list.drags().isEmpty());
    QCOMPARE(log.warnings(), QStringList());

    // Between move and release the screen goes: the release does nothing.
    sendMouse(list.buttons().first(), QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    sendMouse(&list, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(list.drags().size(), 1);
    device()->removeScreen(Regular, 1);
    sendMouse(list.buttons().first(), QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QVERIFY(Vireo::Fixture::commandLog().isEmpty());
}

void tst_ScreenList::buttonTexts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("populated"); // two outputs and three non-background layers
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QStringList>("contents");

    QTest::newRow("AUX screen with outputs and layers")
        << AUX << "Aux wall" << true << Helper::formatFramerate(QSize(3840, 1080), 59.94f, true)
        << QStringList {"2 Ouputs", "3 Layers", "Mosaic Area:3840*1080"};
    QTest::newRow("regular screen without outputs")
        << Regular << "Wall" << false << Helper::formatFramerate(QSize(1920, 1080), 0.f, false)
        << QStringList {"0 Layers", "0 Ouputs", "N/A"};
    QTest::newRow("long name, elided") << Regular << "A very long screen name for the main LED wall of the hall"
                                       << false << Helper::formatFramerate(QSize(1920, 1080), 0.f, false)
                                       << QStringList {"0 Layers", "0 Ouputs", "N/A"};
}

void tst_ScreenList::buttonTexts()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(bool, populated);
    QFETCH(QString, ratio);
    QFETCH(QStringList, contents);

    Screen& screen = addScreen(type, 4, 0, name);
    if (populated) {
        screen.setMosaicWindowRect(QRect(0, 0, 3840, 1080));
        device()
            ->addOutput(17, Enum::Interface::AUXOutput, {1, 2, 0}, Enum::Interface::HDMI_2_0)
            .setPresetTiming(QSize(1920, 1080), 59.94f, true);
        device()->addOutput(18, Enum::Interface::AUXOutput, {1, 3, 0}, Enum::Interface::HDMI_2_0);
        screen.addOutput(device()->findOutput(17));
        screen.addOutput(device()->findOutput(18));
        screen.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 1);
        screen.addLayer(Enum::Layer::PVW, Enum::Layer::AUX, 2);
        screen.addLayer(Enum::Layer::PGM, Enum::Layer::MVR, 3);
        screen.addLayer(Enum::Layer::PGM, Enum::Layer::BKG, 4);
    } else {
        screen.setMosaicWindowRect(QRect(0, 0, 1920, 1080));
    }

    PlainScreenList list(type, SceneType::PGM);
    auto* button = list.buttons().first();
    QVERIFY(nameLabel(button));
    // A name wider than the label is cut with an ellipsis; a short one is kept whole.
    const QString shown = nameLabel(button)->getText();
    const bool fits = QFontMetrics(nameLabel(button)->font()).horizontalAdvance(name) <= 125;
    QCOMPARE(shown == name, fits);
    QCOMPARE(shown.endsWith(QChar(0x2026)), !fits);
    QVERIFY(QFontMetrics(nameLabel(button)->font()).horizontalAdvance(shown) <= 125);
    QCOMPARE(button->geteElidedText(nameLabel(button)->font(), name, 125), shown);
    QCOMPARE(nameLabel(button)->toolTip(), name);
    QCOMPARE(nameLabel(button)->property("isAuxScreenName").toBool(), type == AUX);
    QCOMPARE(ratioLabel(button)->text(), ratio);
    QCOMPARE(contentTexts(button), contents);
}

void tst_ScreenList::buttonChildren()
{
    addScreen(Regular, 1, 0);
    addScreen(Regular, 2, 1);
    PlainScreenList list(Regular, SceneType::PGM);
    const auto buttons = list.buttons();
    auto* button = buttons.first();
    QVERIFY(button->testAttribute(Qt::WA_AcceptTouchEvents));
    QVERIFY(nameLabel(button));
    QCOMPARE(nameLabel(button)->property("isChecked"), QVariant(false));
    QVERIFY(ratioLabel(button));
    QCOMPARE(contentTexts(button).size(), 3);

    QToolButton* close = closeButtonOf(button);
    QVERIFY(close);
    QCOMPARE(close->minimumSize(), QSize(32, 32));
    QCOMPARE(close->maximumSize(), QSize(32, 32));
    QVERIFY(close->testAttribute(Qt::WA_AcceptTouchEvents));

    bool foundVideo = false;
    for (auto* child : button->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (QByteArray(child->metaObject()->className()) == "Vireo::Widgets::VideoPreviewWidget") {
            foundVideo = true;
            QCOMPARE(child->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
            QCOMPARE(child->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        }
    }
    QVERIFY(foundVideo);

    // The name shows the checked state.
    buttons.at(0)->setChecked(true);
    QCOMPARE(nameLabel(buttons.at(0))->property("isChecked"), QVariant(true));
    QCOMPARE(nameLabel(buttons.at(1))->property("isChecked"), QVariant(false));
    buttons.at(1)->setChecked(true); // the strip's group is exclusive
    QCOMPARE(nameLabel(buttons.at(0))->property("isChecked"), QVariant(false));
    QCOMPARE(nameLabel(buttons.at(1))->property("isChecked"), QVariant(true));

    // The close button reaches the host, not the device.
    QSignalSpy closed(&list, &ScreenListWidget::screenItemCloseClicked);
    closeButtonOf(buttons.at(1))->click();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(closed.at(0).at(0).value<std::weak_ptr<Screen>>().lock()->screenId(), quint8(2));
    QVERIFY(Vireo::Fixture::commandLog().isEmpty());

    // A rebuild between press and release gives the pressed card another screen: no close.
    closed.clear();
    QToolButton* firstClose = closeButtonOf(buttons.at(0));
    const QPoint centre = firstClose->rect().center();
    Vireo::Test::sendMouse(firstClose, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
    device()->removeScreen(Regular, 1);
    list.initListWidgetItem(activeDevice(), Regular, SceneType::PGM);
    QCOMPARE(buttons.at(0)->screenKeyNo(), quint8(2));
    QTest::ignoreMessage(
        QtWarningMsg, "Close: the button shows another screen than the one pressed; nothing reported.");
    Vireo::Test::sendMouse(firstClose, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(closed.count(), 0);
}

void tst_ScreenList::expiredScreenEmptiesButton()
{
    addScreen(AUX, 6, 0, QStringLiteral("Side"));
    PlainScreenList list(AUX, SceneType::PVW);
    auto* button = list.buttons().first();
    QCOMPARE(button->screenKeyNo(), quint8(6));
    QCOMPARE(button->screenType(), AUX);
    QVERIFY(list.findContentButton({6, AUX}, SceneType::PVW) == button);
    QVERIFY(!list.findContentButton({6, AUX}, SceneType::PGM));
    QVERIFY(!list.findContentButton({6, Regular}, SceneType::PVW));

    device()->removeScreen(AUX, 6);
    list.retranslateUi();
    QCOMPARE(button->screenKeyNo(), quint8(255));
    QCOMPARE(button->screenType(), int(Enum::Screen::Invalid));
    QVERIFY(!list.findContentButton({6, AUX}, SceneType::PVW));
    for (auto* label : button->findChildren<QLabel*>())
        QCOMPARE(label->text(), QString());
    QCOMPARE(nameLabel(button)->toolTip(), QString());
}

void tst_ScreenList::enableButton()
{
    addScreen(Regular, 1, 0);
    PlainScreenList list(Regular, SceneType::AllSceneType);
    list.setContentButtonEnabled({1, Regular}, SceneType::PVW, false);
    QVERIFY(list.buttons().at(0)->isEnabled());
    QVERIFY(!list.buttons().at(1)->isEnabled());
    list.setContentButtonEnabled({1, Regular}, SceneType::PVW, true);
    QVERIFY(list.buttons().at(1)->isEnabled());
    list.setContentButtonEnabled({9, Regular}, SceneType::PVW, false); // no such screen: nothing
}

void tst_ScreenList::typeMask()
{
    PlainScreenList list(Enum::Screen::AllScreenType, SceneType::PGM);
    QCOMPARE(list.getDeviceScreenType(), Regular | AUX | MVR);
    list.initListWidgetItem(activeDevice(), 31, SceneType::PGM);
    QCOMPARE(list.getDeviceScreenType(), Regular | AUX | MVR);
    list.initListWidgetItem(activeDevice(), AUX | Enum::Screen::EchoScreen, SceneType::PGM);
    QCOMPARE(list.getDeviceScreenType(), AUX);
    QVERIFY(list.currentDevice().lock() == activeDevice().lock());
}

QTEST_MAIN(tst_ScreenList)
#include "tst_screenlist.moc"
