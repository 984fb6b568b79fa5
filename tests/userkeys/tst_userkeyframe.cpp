#include "userkeystestutil.h"

#include <vireowidgets/controls/textbesideicon.h>
#include <vireowidgets/userkeys/userkeyattribute.h>
#include <vireowidgets/userkeys/userkeyframe.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace UserKeyTest;
using Vireo::Widgets::TextBesideIcon;
using Vireo::Widgets::UserKeyContainerFrame;
using Vireo::Widgets::UserKeyListContentButton;

namespace {

QWidget* withProperty(QWidget& parent, const char* property)
{
    for (auto* widget : parent.findChildren<QWidget*>()) {
        if (widget->property(property).toBool())
            return widget;
    }
    return nullptr;
}

QStringList swatchTexts(UserKeyContainerFrame& frame)
{
    QStringList out;
    for (UserKeyListContentButton* button : frame.keyList()->keyButtonsInOrder())
        out << Vireo::Test::labelWith(button, "isUserKeyColorLabel")->text();
    return out;
}

// Screen 1 with regular layers 1 and 2, a background (10), a logo (11), an AUX (12) and an MVR
// (13) layer, and a cut layer (20) of layer 2; the screen is the active one.
Screen& buildScreen()
{
    auto& screen = device()->addScreen(Enum::Screen::RegularScreen, 1, QStringLiteral("Screen 1"));
    screen.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 1, QStringLiteral("Layer 1"));
    auto& second = screen.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 2, QStringLiteral("Layer 2"));
    screen.addLayer(Enum::Layer::PGM, Enum::Layer::BKG, 10, QStringLiteral("Background"));
    screen.addLayer(Enum::Layer::PGM, Enum::Layer::Logo, 11, QStringLiteral("Logo"));
    screen.addLayer(Enum::Layer::PGM, Enum::Layer::AUX, 12, QStringLiteral("AUX"));
    screen.addLayer(Enum::Layer::PGM, Enum::Layer::MVR, 13, QStringLiteral("MVR"));
    screen.addCutLayer(second, 20, true);
    device()->setActivedScreen(device()->findScreen(Enum::Screen::RegularScreen, 1));
    return screen;
}

void select(std::initializer_list<int> layerIds)
{
    auto screen = device()->findScreen(Enum::Screen::RegularScreen, 1).lock();
    for (const auto& weak : screen->layers(Enum::Layer::AllSceneType, Enum::Layer::AllLayerType)) {
        if (auto layer = weak.lock())
            layer->setSelected(std::find(layerIds.begin(), layerIds.end(), int(layer->layerId())) != layerIds.end());
    }
}

// A shown panel on the active device with `keys` keys.
struct Panel
{
    UserKeyContainerFrame frame;
    explicit Panel(int keys)
    {
        addKeys(keys);
        buildScreen();
        frame.resize(360, 900);
        frame.setActivedDevice(DeviceList::instance()->activedDevice());
        frame.initListWidgetItem(DeviceList::instance()->activedDevice());
        frame.show();
        QApplication::processEvents();
        Vireo::Fixture::clearCommandLog();
    }
    TextBesideIcon* save() { return qobject_cast<TextBesideIcon*>(withProperty(frame, "isSaveDevice")); }
    TextBesideIcon* clearButton() { return qobject_cast<TextBesideIcon*>(withProperty(frame, "isSaveUserKeyDevice")); }
    QToolButton* property(const char* name) { return frame.findChild<QToolButton*>(QLatin1String(name)); }
    UserKeyListContentButton* key(int number) { return frame.keyList()->findContentButton(number); }
    void doubleClick(int number)
    {
        Vireo::Test::sendMouse(
            key(number), QEvent::MouseButtonDblClick, QPoint(60, 20), Qt::LeftButton, Qt::LeftButton);
    }
};

} // namespace

class TestUserKeyFrame : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Vireo::Fixture::reset();
        Vireo::Fixture::makeActiveDevice();
    }
    void cleanup() { Vireo::Fixture::reset(); }

    void textsAndLooks();
    void saveButtonFollowsTheSelection_data();
    void saveButtonFollowsTheSelection();
    void saveSendsTheKeyOfTheSelectedLayer();
    void saveRefusesATakenName();
    void saveSendsOnlyKeyableLayers_data();
    void saveSendsOnlyKeyableLayers();
    void applyRunsTheLongRequest_data();
    void applyRunsTheLongRequest();
    void applyIsRefusedOnACutLayer();
    void applyOfAVanishedKeySendsNothing();
    void completionAfterThePanelIsGoneIsHarmless();
    void deleteAndClearAskFirst_data();
    void deleteAndClearAskFirst();
    void refusedSendOnDeleteLosesNoKey();
    void keyThatVanishesWhileTheQuestionIsOpenIsNotDeleted();
    void modelOrderIsShownDense();
    void modelNotificationsUpdateTheList();
    void editorCommitsTheEdit();
    void editorOfAVanishedKeySendsNothing();
    void editorShowsTheKeysNumberAboveAnEarlierLimit();
    void hideButtonFoldsTheAttributePanel();
    void resetPanelSendsOnceAClick();
    void liveSaveAndDeleteEndToEnd();
};

void TestUserKeyFrame::textsAndLooks()
{
    Panel panel(0);
    QCOMPARE(panel.save()->findChild<QLabel*>()->text(), QStringLiteral("save"));
    QCOMPARE(panel.save()->width(), 152);
    QCOMPARE(panel.clearButton()->findChild<QLabel*>()->text(), QStringLiteral("clear"));
    QCOMPARE(panel.clearButton()->size(), QSize(86, 30));
    QCOMPARE(panel.frame.findChild<QToolButton*>(QStringLiteral("toolButton"))->text(),
        QStringLiteral("parameter configuration"));
    QCOMPARE(panel.frame.findChild<QLabel*>(QStringLiteral("labelLogoTitle"))->text(), QStringLiteral("List"));
    auto* hide = panel.frame.findChild<QToolButton*>(QStringLiteral("toolButtonHide"));
    QVERIFY(hide->isCheckable());
    QCOMPARE(hide->property("isUserKeyArrow").toBool(), true);
    QVERIFY(panel.frame.findChild<Vireo::Widgets::UserKeyAttribute*>(QStringLiteral("frameUserKeyAttributeContainer")));
    QVERIFY(panel.frame.findChild<Vireo::Widgets::UserKeyDetailVListWidget*>(QStringLiteral("frameUserKeyContainer")));
}

void TestUserKeyFrame::saveButtonFollowsTheSelection_data()
{
    QTest::addColumn<int>("keys");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<bool>("propertyChecked");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("one regular layer") << 0 << QList<int> {1} << true << true;
    QTest::newRow("two regular layers") << 0 << QList<int> {1, 2} << true << false;
    QTest::newRow("nothing selected") << 0 << QList<int> {} << true << false;
    QTest::newRow("no property group") << 0 << QList<int> {1} << false << false;
    QTest::newRow("background only") << 0 << QList<int> {10} << true << false;
    QTest::newRow("127 keys") << 127 << QList<int> {1} << true << true;
    QTest::newRow("128 keys") << 128 << QList<int> {1} << true << false;
}

void TestUserKeyFrame::saveButtonFollowsTheSelection()
{
    QFETCH(int, keys);
    QFETCH(QList<int>, selected);
    QFETCH(bool, propertyChecked);
    QFETCH(bool, enabled);
    Panel panel(keys);
    for (int id : selected)
        device()->findScreen(2, 1).lock()->findLayer(Enum::Layer::PGM, quint8(id)).lock()->setSelected(true);
    QTest::mouseClick(panel.property("toolButtonSize"), Qt::LeftButton);
    if (!propertyChecked)
        QTest::mouseClick(panel.property("toolButtonSize"), Qt::LeftButton);
    QCOMPARE(panel.save()->isEnabled(), enabled);
}

void TestUserKeyFrame::saveSendsTheKeyOfTheSelectedLayer()
{
    Panel panel(2);
    select({2});
    QTest::mouseClick(panel.property("toolButtonPos"), Qt::LeftButton);
    QTest::mouseClick(panel.property("toolButtonCyanColor"), Qt::LeftButton);
    auto* name = panel.frame.findChild<QLineEdit*>(QStringLiteral("lineEdit"));
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Stage"));
    QTest::mouseClick(panel.save(), Qt::LeftButton);
    QCOMPARE(commands(), QStringList {"UserKey::sendUserKeyFile 3,Stage,4"});
}

void TestUserKeyFrame::saveRefusesATakenName()
{
    Panel panel(2);
    BoxRecorder boxes;
    select({1});
    QTest::mouseClick(panel.property("toolButtonPos"), Qt::LeftButton);
    panel.frame.attributePanel()->setLineEdit(keyName(2));
    QTest::mouseClick(panel.save(), Qt::LeftButton);
    QCOMPARE(boxes.texts(), QStringList {warningBox("The user key name [Key 2] already exists. Please retry.")});
    QVERIFY(commands().isEmpty());
}

void TestUserKeyFrame::saveSendsOnlyKeyableLayers_data()
{
    QTest::addColumn<int>("layerId");
    QTest::addColumn<bool>("sent");
    QTest::newRow("regular") << 1 << true;
    QTest::newRow("MVR") << 13 << true;
    QTest::newRow("cut") << 20 << true;
    QTest::newRow("background") << 10 << false;
    QTest::newRow("logo") << 11 << false;
    QTest::newRow("AUX") << 12 << false;
}

void TestUserKeyFrame::saveSendsOnlyKeyableLayers()
{
    QFETCH(int, layerId);
    QFETCH(bool, sent);
    Panel panel(0);
    select({layerId});
    QTest::mouseClick(panel.property("toolButtonPos"), Qt::LeftButton);
    panel.frame.slotSaveUserKey();
    QCOMPARE(commands().size(), sent ? 1 : 0);
}

void TestUserKeyFrame::applyRunsTheLongRequest_data()
{
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("done") << true << QString() << QStringList {};
    QTest::newRow("refused with a message")
        << false << "Layer is locked" << QStringList {warningBox("Layer is locked")};
    QTest::newRow("done with a message") << true << "Applied" << QStringList {warningBox("Applied")};
    QTest::newRow("refused silently") << false << QString()
                                      << QStringList {warningBox("Failed to apply the user key.")};
}

void TestUserKeyFrame::applyRunsTheLongRequest()
{
    QFETCH(bool, success);
    QFETCH(QString, message);
    QFETCH(QStringList, boxes);
    Panel panel(3);
    BoxRecorder recorder;
    select({2});
    QSignalSpy finished(&panel.frame, &UserKeyContainerFrame::signalUpdateUserkeyFinished);
    panel.doubleClick(3);
    QCOMPARE(commands(), QStringList {"AsyncUpdateUserkey 3,1,2"});
    QCOMPARE(Vireo::Fixture::pendingAsyncRequestCount(), 1);
    QVERIFY(recorder.calls.isEmpty());
    QVERIFY(Vireo::Fixture::completeAsyncRequest(success, message));
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), success);
    QCOMPARE(recorder.texts(), boxes);
}

void TestUserKeyFrame::applyIsRefusedOnACutLayer()
{
    Panel panel(2);
    BoxRecorder boxes;
    select({20});
    panel.doubleClick(1);
    QCOMPARE(boxes.texts(), QStringList {warningBox("User key will not take effect on the cut layer.")});
    QCOMPARE(Vireo::Fixture::pendingAsyncRequestCount(), 0);
    QVERIFY(commands().isEmpty());

    // Nothing selected: nothing happens.
    select({});
    panel.doubleClick(1);
    QCOMPARE(boxes.calls.size(), 1);
    QCOMPARE(Vireo::Fixture::pendingAsyncRequestCount(), 0);
}

void TestUserKeyFrame::applyOfAVanishedKeySendsNothing()
{
    Panel panel(2);
    select({1});
    device()->removeFile(18, 2);
    QTest::ignoreMessage(QtWarningMsg, " userkey is nullptr, userKey id is 2");
    panel.frame.slotApplyUserKey(2);
    QCOMPARE(Vireo::Fixture::pendingAsyncRequestCount(), 0);
}

void TestUserKeyFrame::completionAfterThePanelIsGoneIsHarmless()
{
    {
        Panel panel(1);
        select({1});
        panel.doubleClick(1);
        QCOMPARE(Vireo::Fixture::pendingAsyncRequestCount(), 1);
    }
    BoxRecorder boxes;
    QVERIFY(Vireo::Fixture::completeAsyncRequest(false, QStringLiteral("late")));
    QApplication::processEvents();
    QVERIFY(boxes.calls.isEmpty());
}

void TestUserKeyFrame::deleteAndClearAskFirst_data()
{
    QTest::addColumn<int>("keys");
    QTest::addColumn<int>("deleted"); // the key whose delete button is clicked (0: the clear button)
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("expected");
    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;
    const QString one = questionBox("Do you want to delete user key?");
    const QString all = questionBox("Do you want to delete all user keys?");
    // Deleting keeps the numbers dense: the keys above move down one.
    QTest::newRow("delete 2 of 4") << 4 << 2 << yes << one
                                   << QStringList {"File::removeFile 18,2", "File::removeFile 18,[3,4]",
                                          "UserKey::sendUserKeyFile 2,Key 3,3", "UserKey::sendUserKeyFile 3,Key 4,4"};
    QTest::newRow("delete the last") << 4 << 4 << yes << one << QStringList {"File::removeFile 18,4"};
    QTest::newRow("delete answered no") << 4 << 2 << no << one << QStringList {};
    QTest::newRow("clear, yes") << 3 << 0 << yes << all << QStringList {"Device::removeFile [18]"};
    QTest::newRow("clear, no") << 3 << 0 << no << all << QStringList {};
}

void TestUserKeyFrame::deleteAndClearAskFirst()
{
    QFETCH(int, keys);
    QFETCH(int, deleted);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(QStringList, expected);
    Panel panel(keys);
    BoxRecorder boxes;
    boxes.answer = QMessageBox::StandardButton(answer);
    QAbstractButton* button =
        deleted ? childButton(panel.key(deleted), "isUserKeyItemButtonDelete") : panel.clearButton();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(boxes.texts(), QStringList {question});
    QCOMPARE(commands(), expected);
}

void TestUserKeyFrame::refusedSendOnDeleteLosesNoKey()
{
    Panel panel(4);
    Vireo::Fixture::setLiveMode(true);
    Vireo::Fixture::setCommandResult(QStringLiteral("UserKey::sendUserKeyFile"), false);
    BoxRecorder boxes;
    QVERIFY(!panel.frame.deleteUserKey(2));
    QVERIFY(commands().contains(QStringLiteral("UserKey::sendModityUserKeyFile 3,Key 3,3")));
    QVERIFY(commands().contains(QStringLiteral("UserKey::sendModityUserKeyFile 4,Key 4,4")));
    QCOMPARE(modelKeys(), QStringList({"1:Key 1", "3:Key 3", "4:Key 4"}));
    QCOMPARE(boxes.calls.size(), 1);
    QCOMPARE(boxes.calls.first().kind, ZK::Widgets::MessageBoxCall::Warning);
    QCOMPARE(boxes.calls.first().title, QStringLiteral("Remind"));

    // A refused removal keeps every key.
    Vireo::Fixture::clearCommandResults();
    Vireo::Fixture::setCommandResult(QStringLiteral("File::removeFile"), false);
    QVERIFY(!panel.frame.deleteUserKey(1));
    QCOMPARE(modelKeys(), QStringList({"1:Key 1", "3:Key 3", "4:Key 4"}));
}

void TestUserKeyFrame::keyThatVanishesWhileTheQuestionIsOpenIsNotDeleted()
{
    Panel panel(3);
    BoxRecorder boxes;
    boxes.whileOpen = [] {
        device()->removeFile(18, 2);
        device()->addUserKey(Vireo::Fixture::userKeyDetail(2, QStringLiteral("Newcomer")));
    };
    QTest::ignoreMessage(QtWarningMsg, " userkey is nullptr, userKey id is 2");
    QTest::mouseClick(childButton(panel.key(2), "isUserKeyItemButtonDelete"), Qt::LeftButton);
    QCOMPARE(boxes.calls.size(), 1);
    QVERIFY(commands().isEmpty());
}

void TestUserKeyFrame::modelOrderIsShownDense()
{
    for (int id : {12, 5, 9})
        device()->addUserKey(Vireo::Fixture::userKeyDetail(quint8(id), QStringLiteral("Id %1").arg(id)));
    Panel panel(0);
    QCOMPARE(swatchTexts(panel.frame), QStringList({"1", "2", "3"}));
    QCOMPARE(modelKeys(), QStringList({"1:Id 5", "2:Id 9", "3:Id 12"}));
    QCOMPARE(panel.frame.attributePanel()->userKeyID(), 4);
    QVERIFY(commands().isEmpty());
}

void TestUserKeyFrame::modelNotificationsUpdateTheList()
{
    Panel panel(2);
    auto dev = DeviceList::instance()->activedDevice();
    auto& added = device()->addUserKey(Vireo::Fixture::userKeyDetail(3, QStringLiteral("Third")));
    Q_UNUSED(added)
    emit DeviceList::instance()->signalUserKeyChanged(dev, device()->findFile(18, 3));
    QCOMPARE(swatchTexts(panel.frame), QStringList({"1", "2", "3"}));
    QCOMPARE(panel.frame.attributePanel()->userKeyID(), 4);

    std::shared_ptr<File> second = device()->findFile(18, 2).lock();
    device()->removeFile(18, 2);
    emit DeviceList::instance()->signalDeleteUserKey(dev, second);
    QTRY_COMPARE(swatchTexts(panel.frame), QStringList({"1", "3"}));

    emit DeviceList::instance()->signalClearUserKey();
    QTRY_COMPARE(panel.frame.keyList()->buttonCounts(), 0);
    QVERIFY(commands().isEmpty());
}

void TestUserKeyFrame::editorCommitsTheEdit()
{
    Panel panel(4);
    QTest::mouseClick(childButton(panel.key(3), "isUserKeyItemButtonEdit"), Qt::LeftButton);
    auto* editor = panel.frame.editDialog();
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->size(), QSize(603, 482));
    QVERIFY(editor->isDialogMovable());
    QCOMPARE(editor->findChild<QLineEdit*>(QStringLiteral("lineEditSort"))->text(), QStringLiteral("3"));
    auto* name = editor->findChild<QLineEdit*>(QStringLiteral("lineEditName"));
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Renamed"));
    QTest::mouseClick(editor->findChild<QToolButton*>(QStringLiteral("toolButtonReduce")), Qt::LeftButton);
    QTest::mouseClick(editor->okButton(), Qt::LeftButton);

    QCOMPARE(commands(),
        QStringList({"File::modityFile 18,3", "File::modityFile 18,2", "UserKey::sendModityUserKeyFile 2,Renamed,3",
            "UserKey::sendModityUserKeyFile 3,Key 2,2"}));
    QVERIFY(!editor->isVisible());
}

void TestUserKeyFrame::editorOfAVanishedKeySendsNothing()
{
    Panel panel(3);
    QTest::mouseClick(childButton(panel.key(3), "isUserKeyItemButtonEdit"), Qt::LeftButton);
    auto* editor = panel.frame.editDialog();
    QVERIFY(editor->isVisible());
    device()->removeFile(18, 3);
    QTest::ignoreMessage(QtWarningMsg, " userkey is nullptr, userKey id is 3");
    QTest::mouseClick(editor->okButton(), Qt::LeftButton);
    QVERIFY(commands().isEmpty());
    QVERIFY(!editor->isVisible());
    QCOMPARE(swatchTexts(panel.frame), QStringList({"1", "2"}));
}

void TestUserKeyFrame::editorShowsTheKeysNumberAboveAnEarlierLimit()
{
    Panel panel(2);
    QTest::mouseClick(childButton(panel.key(1), "isUserKeyItemButtonEdit"), Qt::LeftButton);
    panel.frame.editDialog()->reject();
    for (int k = 3; k <= 9; ++k)
        device()->addUserKey(Vireo::Fixture::userKeyDetail(quint8(k), keyName(k)));
    panel.frame.initListWidgetItem(DeviceList::instance()->activedDevice());
    QTest::mouseClick(childButton(panel.key(9), "isUserKeyItemButtonEdit"), Qt::LeftButton);
    QCOMPARE(
        panel.frame.editDialog()->findChild<QLineEdit*>(QStringLiteral("lineEditSort"))->text(), QStringLiteral("9"));
}

void TestUserKeyFrame::hideButtonFoldsTheAttributePanel()
{
    Panel panel(0);
    auto* hide = panel.frame.findChild<QToolButton*>(QStringLiteral("toolButtonHide"));
    auto* attribute = panel.frame.attributePanel();
    QVERIFY(attribute->isVisible());
    QTest::mouseClick(hide, Qt::LeftButton);
    QVERIFY(!attribute->isVisible());
    QTest::mouseClick(panel.frame.findChild<QToolButton*>(QStringLiteral("toolButton")), Qt::LeftButton);
    QVERIFY(!hide->isChecked());
    QVERIFY(attribute->isVisible());
}

void TestUserKeyFrame::resetPanelSendsOnceAClick()
{
    Panel panel(2);
    BoxRecorder boxes;
    // Every reset links the panel again: a click must still act once.
    emit DeviceList::instance()->signalClearUserKey();
    emit DeviceList::instance()->signalClearUserKey();
    panel.frame.initListWidgetItem(DeviceList::instance()->activedDevice());
    select({1});
    QTest::mouseClick(panel.property("toolButtonPos"), Qt::LeftButton);
    QTest::mouseClick(panel.save(), Qt::LeftButton);
    QCOMPARE(commands(), QStringList {"UserKey::sendUserKeyFile 3,User Key001,0"});
    QTest::mouseClick(panel.clearButton(), Qt::LeftButton);
    QCOMPARE(boxes.calls.size(), 1);
}

void TestUserKeyFrame::liveSaveAndDeleteEndToEnd()
{
    Panel panel(3);
    Vireo::Fixture::setLiveMode(true);
    BoxRecorder boxes;
    select({1});
    QTest::mouseClick(panel.property("toolButtonMask"), Qt::LeftButton);
    QTest::mouseClick(panel.save(), Qt::LeftButton);
    QCOMPARE(modelKeys().size(), 4);
    QCOMPARE(swatchTexts(panel.frame), QStringList({"1", "2", "3", "4"}));
    QCOMPARE(panel.frame.attributePanel()->getLineEditName(), QStringLiteral("User Key002"));

    QTest::mouseClick(childButton(panel.key(1), "isUserKeyItemButtonDelete"), Qt::LeftButton);
    QCOMPARE(modelKeys(), QStringList({"1:Key 2", "2:Key 3", "3:User Key001"}));
    QTRY_COMPARE(swatchTexts(panel.frame), QStringList({"1", "2", "3"}));
}

QTEST_MAIN(TestUserKeyFrame)
#include "tst_userkeyframe.moc"
