#include "userkeystestutil.h"

#include <QDataStream>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace UserKeyTest;
using Vireo::Widgets::UserKeyDetailVListWidget;
using Vireo::Widgets::UserKeyListContentButton;

namespace {

const char* const ColorProperties[] = {"isUserKeyColorBlue", "isUserKeyColorOrange", "isUserKeyColorYellow",
    "isUserKeyColorGreen", "isUserKeyColorCyan", "isUserKeyColorDarkBlue", "isUserKeyColorPurple",
    "isUserKeyColorBlack"};

QLabel* swatchOf(QWidget* button)
{
    return Vireo::Test::labelWith(button, "isUserKeyColorLabel");
}

// The colour properties that are true on the swatch.
QStringList trueColors(QWidget* button)
{
    QStringList out;
    for (const char* name : ColorProperties) {
        if (swatchOf(button)->property(name).toBool())
            out << QLatin1String(name);
    }
    return out;
}

// The swatch numbers and names in the order the list shows them.
QStringList shownKeys(const Vireo::Widgets::UserKeyListWidget& list)
{
    QStringList out;
    for (UserKeyListContentButton* button : list.keyButtonsInOrder()) {
        QString name;
        for (QLabel* label : button->findChildren<QLabel*>()) {
            if (label != swatchOf(button))
                name = label->text();
        }
        out << swatchOf(button)->text() + QLatin1Char(':') + name;
    }
    return out;
}

QStringList keyList(std::initializer_list<int> numbers)
{
    QStringList out;
    for (int n : numbers)
        out << QStringLiteral("%1:%2").arg(n).arg(keyName(n));
    return out;
}

// A shown detail list of the active device's keys.
struct ShownList
{
    UserKeyDetailVListWidget list;
    explicit ShownList(int keys, QSize size = QSize(320, 520))
    {
        addKeys(keys);
        list.resize(size);
        list.initListWidgetItem(DeviceList::instance()->activedDevice());
        list.show();
        QApplication::processEvents();
    }
    UserKeyListContentButton* key(int number) { return list.findContentButton(number); }
    // How many drags the list has started.
    int drags() const { return list.findChildren<QDrag*>(QString(), Qt::FindDirectChildrenOnly).size(); }
};

// A left press on a key's name, held.
void pressKey(QWidget* button)
{
    Vireo::Test::sendMouse(button, QEvent::MouseButtonPress, QPoint(60, 20), Qt::LeftButton, Qt::LeftButton);
}

} // namespace

class TestUserKeyList : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Vireo::Fixture::reset();
        Vireo::Fixture::makeActiveDevice();
    }
    void cleanup() { Vireo::Fixture::reset(); }

    void swatchShowsNumberAndExactlyOneColour_data();
    void swatchShowsNumberAndExactlyOneColour();
    void buttonSignalsCarryTheFileId();
    void buttonOfAVanishedKeySendsNothing();
    void rebuildReusesButtonsForTheNewKeys();
    void editAndDeleteActOnTheKeyPressed_data();
    void editAndDeleteActOnTheKeyPressed();
    void editAndDeleteWithoutAPressActOnTheKeyShown_data();
    void editAndDeleteWithoutAPressActOnTheKeyShown();
    void detailListHoldsAtMost128Keys();
    void dragCarriesTheKeyNumber();
    void noDragWithoutAPressedKey_data();
    void noDragWithoutAPressedKey();
    void dropRenumbers_data();
    void dropRenumbers();
    void dropInAnOffsetScrolledListHitsTheKeyUnderThePointer();
    void keyThatVanishesSendsNothing_data();
    void keyThatVanishesSendsNothing();
    void foreignPayloadIsRefused();
    void dragEnterMarksThePressedKey();
    void duplicateNameRefusesTheRenumbering();
    void refusedCommandLosesNoKey_data();
    void refusedCommandLosesNoKey();
    void liveDropRenumbersTheModel();
};

void TestUserKeyList::swatchShowsNumberAndExactlyOneColour_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("blue then darkblue") << 0 << 5 << QStringList {"isUserKeyColorDarkBlue"};
    QTest::newRow("orange then black") << 1 << 7 << QStringList {"isUserKeyColorBlack"};
    QTest::newRow("purple then yellow") << 6 << 2 << QStringList {"isUserKeyColorYellow"};
    QTest::newRow("cyan then green") << 4 << 3 << QStringList {"isUserKeyColorGreen"};
    QTest::newRow("green then out of range") << 3 << 8 << QStringList {};
}

void TestUserKeyList::swatchShowsNumberAndExactlyOneColour()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QStringList, expected);
    auto& key = device()->addUserKey(Vireo::Fixture::userKeyDetail(12, QStringLiteral("Twelve"), first));
    UserKeyListContentButton button(DeviceList::instance()->activedDevice(), device()->findFile(18, 12));
    QCOMPARE(swatchOf(&button)->text(), QStringLiteral("12"));
    QCOMPARE(trueColors(&button), QStringList {QLatin1String(ColorProperties[first])});

    // A host sheet giving each colour property its own text colour: the shown swatch follows.
    QString sheet;
    for (int value = 0; value < 8; ++value)
        sheet += QStringLiteral("QLabel[%1=\"true\"] { color: #0000%2; }\n")
                     .arg(QLatin1String(ColorProperties[value]))
                     .arg(value + 1, 2, 16, QLatin1Char('0'));
    button.setStyleSheet(sheet);
    button.show();
    const auto swatchColour = [&button] { return swatchOf(&button)->palette().color(QPalette::WindowText); };
    QCOMPARE(swatchColour(), QColor(0, 0, first + 1));

    // Recoloured on the device: the earlier colour's property goes, and the look with it.
    auto detail = key.getUserKeyDetail();
    detail.userKeyColor = second;
    key.setUserKeyDetail(detail);
    button.updateUIFromData();
    QCOMPARE(trueColors(&button), expected);
    if (second < 8)
        QCOMPARE(swatchColour(), QColor(0, 0, second + 1));
    else
        QVERIFY(swatchColour() != QColor(0, 0, first + 1));
}

void TestUserKeyList::buttonSignalsCarryTheFileId()
{
    ShownList shown(3);
    UserKeyListContentButton* button = shown.key(2);
    QVERIFY(button);
    QCOMPARE(button->property("isUserKeyItemButton").toBool(), true);
    QSignalSpy pressed(button, &UserKeyListContentButton::userKeyPressed);
    QSignalSpy released(button, &UserKeyListContentButton::userKeyReleased);
    QSignalSpy doubleClicked(button, &UserKeyListContentButton::userKeyDoubleClicked);
    QSignalSpy edit(&shown.list, &UserKeyDetailVListWidget::sgnopenEditContentButton);
    QSignalSpy remove(&shown.list, &UserKeyDetailVListWidget::sgndeleteContentButton);
    QSignalSpy apply(&shown.list, &UserKeyDetailVListWidget::sgnApplyContentButton);

    const QPoint onName(60, 20);
    Vireo::Test::sendMouse(button, QEvent::MouseButtonPress, onName, Qt::LeftButton, Qt::LeftButton);
    Vireo::Test::sendMouse(button, QEvent::MouseButtonRelease, onName, Qt::LeftButton, Qt::NoButton);
    Vireo::Test::sendMouse(button, QEvent::MouseButtonDblClick, onName, Qt::LeftButton, Qt::LeftButton);
    QTest::mouseClick(childButton(button, "isUserKeyItemButtonEdit"), Qt::LeftButton);
    QTest::mouseClick(childButton(button, "isUserKeyItemButtonDelete"), Qt::LeftButton);

    QCOMPARE(doubleClicked.size(), 1);
    for (QSignalSpy* spy : {&pressed, &released, &apply, &edit, &remove}) {
        QVERIFY2(spy->size() == 1, spy->signal().constData());
        QVERIFY2(spy->at(0).at(0).toLongLong() == 2, spy->signal().constData());
    }
    QCOMPARE(childButton(button, "isUserKeyItemButtonEdit")->size(), QSize(34, 34));
}

void TestUserKeyList::buttonOfAVanishedKeySendsNothing()
{
    ShownList shown(2);
    UserKeyListContentButton* button = shown.key(2);
    QSignalSpy edit(&shown.list, &UserKeyDetailVListWidget::sgnopenEditContentButton);
    QSignalSpy pressed(button, &UserKeyListContentButton::userKeyPressed);
    device()->removeFile(18, 2);

    QTest::ignoreMessage(QtWarningMsg, "userKeyFile is null.");
    QTest::mouseClick(childButton(button, "isUserKeyItemButtonEdit"), Qt::LeftButton);
    QTest::ignoreMessage(QtWarningMsg, "userKeyFile is null.");
    pressKey(button);
    QCOMPARE(edit.size(), 0);
    QCOMPARE(pressed.size(), 0);
    QCOMPARE(button->fileId(), 0);
    QCOMPARE(button->getUserKeyNo(), 0);
}

void TestUserKeyList::editAndDeleteActOnTheKeyPressed_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<bool>("rebind"); // a rebuild gives the pressed button another key
    QTest::addColumn<bool>("reenter"); // the held pointer leaves the button and comes back
    QTest::newRow("edit, same key") << "isUserKeyItemButtonEdit" << false << true;
    QTest::newRow("edit, button rebound") << "isUserKeyItemButtonEdit" << true << false;
    QTest::newRow("edit, button rebound, pointer comes back") << "isUserKeyItemButtonEdit" << true << true;
    QTest::newRow("delete, same key") << "isUserKeyItemButtonDelete" << false << true;
    QTest::newRow("delete, button rebound") << "isUserKeyItemButtonDelete" << true << false;
    QTest::newRow("delete, button rebound, pointer comes back") << "isUserKeyItemButtonDelete" << true << true;
}

void TestUserKeyList::editAndDeleteActOnTheKeyPressed()
{
    QFETCH(QString, tool);
    QFETCH(bool, rebind);
    QFETCH(bool, reenter);
    ShownList shown(3);
    QSignalSpy edit(&shown.list, &UserKeyDetailVListWidget::sgnopenEditContentButton);
    QSignalSpy remove(&shown.list, &UserKeyDetailVListWidget::sgndeleteContentButton);
    QToolButton* button = childButton(shown.key(1), tool.toLatin1().constData());
    const QPoint centre = button->rect().center();
    Vireo::Test::sendMouse(button, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
    if (rebind) {
        device()->removeFile(18, 1);
        shown.list.initListWidgetItem(DeviceList::instance()->activedDevice());
        QVERIFY(button->isVisible());
        QCOMPARE(qobject_cast<UserKeyListContentButton*>(button->parentWidget())->fileId(), 2);
    }
    if (reenter) {
        Vireo::Test::sendMouse(button, QEvent::MouseMove, QPoint(-20, -20), Qt::NoButton, Qt::LeftButton);
        Vireo::Test::sendMouse(button, QEvent::MouseMove, centre, Qt::NoButton, Qt::LeftButton);
    }
    Vireo::Test::sendMouse(button, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
    QSignalSpy& spy = tool.contains(QLatin1String("Edit")) ? edit : remove;
    QCOMPARE(edit.size() + remove.size(), rebind ? 0 : 1);
    if (!rebind)
        QCOMPARE(spy.at(0).at(0).toLongLong(), 1);
}

void TestUserKeyList::editAndDeleteWithoutAPressActOnTheKeyShown_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<bool>("rebind");
    QTest::newRow("edit") << "isUserKeyItemButtonEdit" << false;
    QTest::newRow("edit, button rebound before") << "isUserKeyItemButtonEdit" << true;
    QTest::newRow("delete") << "isUserKeyItemButtonDelete" << false;
    QTest::newRow("delete, button rebound before") << "isUserKeyItemButtonDelete" << true;
}

// The host's click() or a clicked() of its own has no press behind it: the key shown is meant.
void TestUserKeyList::editAndDeleteWithoutAPressActOnTheKeyShown()
{
    QFETCH(QString, tool);
    QFETCH(bool, rebind);
    ShownList shown(3);
    QSignalSpy edit(&shown.list, &UserKeyDetailVListWidget::sgnopenEditContentButton);
    QSignalSpy remove(&shown.list, &UserKeyDetailVListWidget::sgndeleteContentButton);
    QToolButton* button = childButton(shown.key(1), tool.toLatin1().constData());
    if (rebind) {
        device()->removeFile(18, 1);
        shown.list.initListWidgetItem(DeviceList::instance()->activedDevice());
    }
    emit button->clicked();
    QSignalSpy& spy = tool.contains(QLatin1String("Edit")) ? edit : remove;
    QCOMPARE(edit.size() + remove.size(), 1);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toLongLong(), rebind ? 2 : 1);
}

void TestUserKeyList::rebuildReusesButtonsForTheNewKeys()
{
    ShownList shown(3);
    QCOMPARE(shownKeys(shown.list), keyList({1, 2, 3}));
    const QList<UserKeyListContentButton*> before = shown.list.keyButtonsInOrder();

    device()->removeFiles(18);
    device()->addUserKey(Vireo::Fixture::userKeyDetail(7, QStringLiteral("Seven"), 5));
    device()->addUserKey(Vireo::Fixture::userKeyDetail(8, QStringLiteral("Eight"), 1));
    shown.list.initListWidgetItem(DeviceList::instance()->activedDevice());

    QCOMPARE(shownKeys(shown.list), QStringList({"7:Seven", "8:Eight"}));
    QCOMPARE(shown.list.keyButtonsInOrder().mid(0, 2), before.mid(0, 2));
    QCOMPARE(trueColors(shown.key(7)), QStringList {"isUserKeyColorDarkBlue"});
    QCOMPARE(shown.list.hiddenContentButtonCount(), 1);

    // No device: every button goes to the cache.
    shown.list.initListWidgetItem(std::weak_ptr<Device>());
    QCOMPARE(shown.list.itemCount(), 0);
}

void TestUserKeyList::detailListHoldsAtMost128Keys()
{
    UserKeyDetailVListWidget list;
    addKeys(130);
    for (const auto& file : device()->files(18))
        list.addContentButton(DeviceList::instance()->activedDevice(), file);
    QCOMPARE(list.buttonCounts(), 128);
    QVERIFY(list.findContentButton(128));
    QVERIFY(!list.findContentButton(129));
}

void TestUserKeyList::dragCarriesTheKeyNumber()
{
    ShownList shown(4);
    QDrag* drag = pressAndDragOut(shown.list, shown.key(4));
    QVERIFY(drag);
    QCOMPARE(drag->mimeData()->data(QLatin1String(Vireo::Constants::MimeTypeUserKeyKeyNo)), QByteArray("4"));
    QVERIFY(!drag->mimeData()->hasText());
    const QByteArray hotSpot = drag->mimeData()->data(QLatin1String(Vireo::Constants::MimeTypeDragHotSpot));
    QCOMPARE(hotSpot.size(), 8);
    QDataStream stream(hotSpot);
    QPoint point;
    stream >> point;
    QCOMPARE(point, drag->hotSpot());
    QVERIFY(!drag->pixmap().isNull());
    // The drag is over (headless): the button looks normal again; a second move starts nothing.
    QCOMPARE(shown.key(4)->property("isUserKeyItemButton").toBool(), true);
    Vireo::Test::sendMouse(&shown.list, QEvent::MouseMove, QPoint(6, 6), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(shown.drags(), 1);
}

void TestUserKeyList::noDragWithoutAPressedKey_data()
{
    QTest::addColumn<QString>("before");
    QTest::newRow("nothing pressed yet") << "";
    QTest::newRow("pressed and released") << "release";
    QTest::newRow("drags switched off") << "off";
    QTest::newRow("a key's edit button pressed after an unreleased key press") << "tool";
}

void TestUserKeyList::noDragWithoutAPressedKey()
{
    QFETCH(QString, before);
    ShownList shown(3);
    UserKeyListContentButton* button = shown.key(1);
    if (before == QLatin1String("release")) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(60, 20));
    } else if (before == QLatin1String("off")) {
        shown.list.isEnableDrag(false);
        pressKey(button);
    } else if (before == QLatin1String("tool")) {
        // The key's release never reaches the list (its button vanished under the pointer, say).
        pressKey(button);
        QToolButton* edit = childButton(shown.key(2), "isUserKeyItemButtonEdit");
        QVERIFY(edit);
        Vireo::Test::sendMouse(edit, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    }
    Vireo::Test::sendMouse(&shown.list, QEvent::MouseMove, QPoint(5, 5), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(shown.drags(), 0);
}

void TestUserKeyList::dropRenumbers_data()
{
    QTest::addColumn<int>("dragged");
    QTest::addColumn<int>("before"); // the key it is dropped on (0: below the last key)
    QTest::addColumn<bool>("leaves"); // the drag leaves the list instead of dropping
    QTest::addColumn<int>("shownAt"); // where the dragged key stands in the strip while hovering
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("4 above 2") << 4 << 2 << false << 1
                               << QStringList {"File::modityFile 18,4", "File::modityFile 18,2",
                                      "File::modityFile 18,3", "UserKey::sendModityUserKeyFile 2,Key 4,4",
                                      "UserKey::sendModityUserKeyFile 3,Key 2,2",
                                      "UserKey::sendModityUserKeyFile 4,Key 3,3"};
    QTest::newRow("1 above 4") << 1 << 4 << false << 2
                               << QStringList {"File::modityFile 18,2", "File::modityFile 18,3",
                                      "File::modityFile 18,1", "UserKey::sendModityUserKeyFile 1,Key 2,2",
                                      "UserKey::sendModityUserKeyFile 2,Key 3,3",
                                      "UserKey::sendModityUserKeyFile 3,Key 1,1"};
    QTest::newRow("2 to the end") << 2 << 0 << false << 3
                                  << QStringList {"File::modityFile 18,3", "File::modityFile 18,4",
                                         "File::modityFile 18,2", "UserKey::sendModityUserKeyFile 2,Key 3,3",
                                         "UserKey::sendModityUserKeyFile 3,Key 4,4",
                                         "UserKey::sendModityUserKeyFile 4,Key 2,2"};
    QTest::newRow("3 at its own place") << 3 << 4 << false << 2 << QStringList {};
    // Leaving the list sends nothing and asks for a rebuild from the model.
    QTest::newRow("3 over 1, then out of the list") << 3 << 1 << true << 0 << QStringList {};
}

void TestUserKeyList::dropRenumbers()
{
    QFETCH(int, dragged);
    QFETCH(int, before);
    QFETCH(bool, leaves);
    QFETCH(int, shownAt);
    QFETCH(QStringList, expected);
    ShownList shown(4);
    QSignalSpy rebuild(&shown.list, &UserKeyDetailVListWidget::singalUpdateUserKeyFromModel);
    QDrag* drag = pressAndDragOut(shown.list, shown.key(dragged));
    QVERIFY(drag);
    std::unique_ptr<QMimeData> mime(
        keyMime(drag->mimeData()->data(QLatin1String(Vireo::Constants::MimeTypeUserKeyKeyNo))));
    Vireo::Fixture::clearCommandLog();

    const QPoint target = before ? upperPartOf(shown.key(before), &shown.list)
                                 : shown.key(4)->mapTo(&shown.list, QPoint(20, shown.key(4)->height() - 2));
    QVERIFY(sendDragEnter(&shown.list, mime.get(), target));
    QCOMPARE(shown.key(dragged)->property("isUserKeyItemButton").toBool(), false);
    sendDragMove(&shown.list, mime.get(), target);
    QCOMPARE(shown.list.keyButtonsInOrder().indexOf(shown.key(dragged)), shownAt); // follows the pointer
    if (leaves)
        sendDragLeave(&shown.list);
    else
        QVERIFY(sendDrop(&shown.list, mime.get(), target));

    QCOMPARE(rebuild.size(), leaves ? 1 : 0);
    QCOMPARE(commands(), expected);
    QCOMPARE(shown.key(dragged)->property("isUserKeyItemButton").toBool(), true);
}

void TestUserKeyList::dropInAnOffsetScrolledListHitsTheKeyUnderThePointer()
{
    ShownList shown(20, QSize(320, 420));
    // The strip starts well below the list's top and is scrolled to its end.
    shown.list.setMainLayoutContentsMargins(0, 90, 0, 0);
    QApplication::processEvents();
    shown.list.contentScrollArea()->verticalScrollBar()->setValue(
        shown.list.contentScrollArea()->verticalScrollBar()->maximum());
    QApplication::processEvents();
    QVERIFY(shown.list.scrollValue() > 0);

    std::unique_ptr<QMimeData> mime(keyMime("20"));
    const QPoint target = upperPartOf(shown.key(18), &shown.list);
    QVERIFY(shown.list.rect().contains(target));
    QVERIFY(dragAndDrop(&shown.list, mime.get(), target));

    const QStringList sent = commands().filter(QStringLiteral("sendModityUserKeyFile"));
    QCOMPARE(sent.size(), 3);
    QCOMPARE(sent.first(), QStringLiteral("UserKey::sendModityUserKeyFile 18,Key 20,4"));
    QCOMPARE(sent.last(), QStringLiteral("UserKey::sendModityUserKeyFile 20,Key 19,3"));
}

void TestUserKeyList::keyThatVanishesSendsNothing_data()
{
    QTest::addColumn<bool>("duringDrag"); // else between the press and the drag
    QTest::addColumn<bool>("replaced"); // another key took its number
    QTest::newRow("before the drag, removed") << false << false;
    QTest::newRow("before the drag, another key took its number") << false << true;
    QTest::newRow("during the drag, removed") << true << false;
    QTest::newRow("during the drag, another key took its number") << true << true;
}

void TestUserKeyList::keyThatVanishesSendsNothing()
{
    QFETCH(bool, duringDrag);
    QFETCH(bool, replaced);
    const int number = duringDrag ? 4 : 3;
    ShownList shown(number);
    QSignalSpy rebuild(&shown.list, &UserKeyDetailVListWidget::singalUpdateUserKeyFromModel);
    std::unique_ptr<QMimeData> mime(keyMime(QByteArray::number(number)));
    const QPoint target = upperPartOf(shown.key(1), &shown.list);
    if (duringDrag) {
        QVERIFY(pressAndDragOut(shown.list, shown.key(number)));
        sendDragEnter(&shown.list, mime.get(), target);
        sendDragMove(&shown.list, mime.get(), target);
    } else {
        pressKey(shown.key(number));
    }
    device()->removeFile(18, number);
    if (replaced)
        device()->addUserKey(Vireo::Fixture::userKeyDetail(quint8(number), QStringLiteral("Newcomer")));
    if (duringDrag)
        Vireo::Fixture::clearCommandLog();

    QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral(" userkey is nullptr, userKey id is %1").arg(number)));
    if (duringDrag) {
        QVERIFY(!sendDrop(&shown.list, mime.get(), target));
        QCOMPARE(rebuild.size(), 1);
    } else {
        Vireo::Test::sendMouse(&shown.list, QEvent::MouseMove, QPoint(5, 5), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(shown.drags(), 0);
    }
    QVERIFY(commands().isEmpty());
}

void TestUserKeyList::foreignPayloadIsRefused()
{
    ShownList shown(2);
    QMimeData other;
    other.setData(QLatin1String(Vireo::Constants::MimeTypeInputKeyNo), "1");
    QVERIFY(!sendDragEnter(&shown.list, &other, QPoint(10, 10)));
    std::unique_ptr<QMimeData> garbage(keyMime("not a number"));
    QVERIFY(!dragAndDrop(&shown.list, garbage.get(), upperPartOf(shown.key(1), &shown.list)));
    QVERIFY(commands().isEmpty());

    // A key this list does not show, not dragged from here: refused without a word or a rebuild.
    QSignalSpy rebuild(&shown.list, &UserKeyDetailVListWidget::singalUpdateUserKeyFromModel);
    Vireo::Test::LogCatcher log;
    std::unique_ptr<QMimeData> unknown(keyMime("9"));
    QVERIFY(!sendDrop(&shown.list, unknown.get(), upperPartOf(shown.key(1), &shown.list)));
    QCOMPARE(rebuild.size(), 0);
    QVERIFY(log.warnings().isEmpty());
    QVERIFY(commands().isEmpty());
}

// While a key is pressed, the drag enter puts that key's button in the drag state.
void TestUserKeyList::dragEnterMarksThePressedKey()
{
    ShownList shown(3);
    pressKey(shown.key(2));
    std::unique_ptr<QMimeData> mime(keyMime("3"));
    QVERIFY(sendDragEnter(&shown.list, mime.get(), upperPartOf(shown.key(1), &shown.list)));
    QCOMPARE(shown.key(2)->property("isUserKeyItemButton").toBool(), false);
    QCOMPARE(shown.key(3)->property("isUserKeyItemButton").toBool(), true);
}

void TestUserKeyList::duplicateNameRefusesTheRenumbering()
{
    ShownList shown(3);
    BoxRecorder boxes;
    auto previous = Vireo::Fixture::userKeyDetail(3, keyName(3), 3);
    auto edited = Vireo::Fixture::userKeyDetail(1, keyName(2), 3);
    QVERIFY(!shown.list.setModitySortUserKeyId(previous, edited, false));
    QCOMPARE(boxes.texts(), QStringList {warningBox("The user key name [Key 2] already exists. Please retry.")});
    QVERIFY(commands().isEmpty());

    // Its own name is no duplicate.
    edited.name = keyName(3).toStdString();
    QVERIFY(shown.list.setModitySortUserKeyId(previous, edited, true));
    QCOMPARE(commands().size(), 6);
}

void TestUserKeyList::refusedCommandLosesNoKey_data()
{
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QStringList>("expectedTail");
    QTest::newRow("re-send refused") << "UserKey::sendModityUserKeyFile"
                                     << QStringList {"UserKey::sendUserKeyFile 4,Key 4,4",
                                            "UserKey::sendUserKeyFile 2,Key 2,2", "UserKey::sendUserKeyFile 3,Key 3,3"};
    QTest::newRow("removal refused") << "File::modityFile" << QStringList {"File::modityFile 18,4"};
}

void TestUserKeyList::refusedCommandLosesNoKey()
{
    QFETCH(QString, refused);
    QFETCH(QStringList, expectedTail);
    ShownList shown(4);
    Vireo::Fixture::setLiveMode(true);
    Vireo::Fixture::setCommandResult(refused, false);
    BoxRecorder boxes;
    auto previous = Vireo::Fixture::userKeyDetail(4, keyName(4), 4);
    auto edited = previous;
    edited.userKeyId = 2;

    QVERIFY(!shown.list.setModitySortUserKeyId(previous, edited, false));
    QCOMPARE(commands().mid(commands().size() - expectedTail.size()), expectedTail);
    QCOMPARE(modelKeys(), keyList({1, 2, 3, 4}));
    QCOMPARE(boxes.calls.size(), 1);
    QCOMPARE(boxes.calls.first().kind, ZK::Widgets::MessageBoxCall::Warning);
    QCOMPARE(boxes.calls.first().title, QStringLiteral("Remind"));
}

void TestUserKeyList::liveDropRenumbersTheModel()
{
    ShownList shown(4);
    Vireo::Fixture::setLiveMode(true);
    // The model's notifications reach the list as the user key frame forwards them.
    connect(DeviceList::instance(), &DeviceList::signalDeleteUserKey, &shown.list,
        &UserKeyDetailVListWidget::deleteContentButton);
    connect(DeviceList::instance(), &DeviceList::signalModifyUserKeyChanged, &shown.list,
        &UserKeyDetailVListWidget::modityContentButton);
    QVERIFY(pressAndDragOut(shown.list, shown.key(4)));
    std::unique_ptr<QMimeData> mime(keyMime("4"));
    QVERIFY(dragAndDrop(&shown.list, mime.get(), upperPartOf(shown.key(2), &shown.list)));

    QCOMPARE(modelKeys(), QStringList({"1:Key 1", "2:Key 4", "3:Key 2", "4:Key 3"}));
    QTRY_COMPARE(shownKeys(shown.list), QStringList({"1:Key 1", "2:Key 4", "3:Key 2", "4:Key 3"}));
}

QTEST_MAIN(TestUserKeyList)
#include "tst_userkeylist.moc"
