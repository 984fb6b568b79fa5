#include "userkeystestutil.h"

#include <vireowidgets/controls/fixedbitlineeditex.h>
#include <vireowidgets/userkeys/userkeyattribute.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace UserKeyTest;
using Vireo::Widgets::FixedBitLineEditEx;
using Vireo::Widgets::UserKeyAttribute;
using Vireo::Widgets::Internal::UserKeyEditCfg;

namespace {

using Flag = bool s_UserKeyDetail::*;

struct PropertyRow
{
    const char* objectName;
    const char* text;
    Flag flag;
};

const PropertyRow Rows[] = {
    {"toolButtonInputResources", "input resources", &s_UserKeyDetail::bLayerSourcesBody},
    {"toolButtonFilp", "filp", &s_UserKeyDetail::bLayerFlipBody},
    {"toolButtonMask", "mask", &s_UserKeyDetail::bLayerMaskBody},
    {"toolButtonPos", "position", &s_UserKeyDetail::bLayerPosBody},
    {"toolButtonIntercept", "input resources in", &s_UserKeyDetail::bLayerInputCropBody},
    {"toolButtonLayerColor", "layer", &s_UserKeyDetail::bLayerNoSourceLayerColorBody},
    {"toolButtonBorder", "border", &s_UserKeyDetail::bLayerBorderBody},
    {"toolButtonSize", "size", &s_UserKeyDetail::bLayerRectBody},
    {"toolButtonColor", "color", &s_UserKeyDetail::bLayerColorBody},
    {"toolButtonCutAndFill", "cut&&fill", &s_UserKeyDetail::bLayerCutFillBody},
};

const Flag AllFlags[] = {&s_UserKeyDetail::bLayerSourcesBody, &s_UserKeyDetail::bLayerCutFillBody,
    &s_UserKeyDetail::bLayerFlipBody, &s_UserKeyDetail::bLayerBorderBody, &s_UserKeyDetail::bLayerMaskBody,
    &s_UserKeyDetail::bLayerRectBody, &s_UserKeyDetail::bLayerPosBody, &s_UserKeyDetail::bLayerColorBody,
    &s_UserKeyDetail::bLayerInputCropBody, &s_UserKeyDetail::bLayerNoSourceLayerBody,
    &s_UserKeyDetail::bLayerNoSourceLayerColorBody};

const char* const ColorButtons[] = {"toolButtonBlueColor", "toolButtonOrangeColor", "toolButtonYellowColor",
    "toolButtonGreenColor", "toolButtonCyanColor", "toolButtonDarkBlueColor", "toolButtonPurpleColor",
    "toolButtonBlackColor"};

template <typename T>
T* child(QWidget& parent, const char* name)
{
    return parent.findChild<T*>(QLatin1String(name));
}

int setFlagCount(const s_UserKeyDetail& detail)
{
    int n = 0;
    for (Flag flag : AllFlags)
        n += detail.*flag ? 1 : 0;
    return n;
}

Layer& regularLayer()
{
    auto& screen = device()->addScreen(Enum::Screen::RegularScreen, 1, QStringLiteral("Screen 1"));
    auto& layer = screen.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 3, QStringLiteral("Layer 3"));
    auto detail = layer.layerDetail();
    detail.zOrder = 7;
    layer.setLayerDetail(detail);
    return layer;
}

void finishEditing(QLineEdit* edit)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

class TestUserKeyAttribute : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Vireo::Fixture::reset();
        Vireo::Fixture::makeActiveDevice();
    }
    void cleanup() { Vireo::Fixture::reset(); }

    void propertyButtonSetsItsFlag_data();
    void propertyButtonSetsItsFlag();
    void recordCarriesNumberNameAndColour_data();
    void recordCarriesNumberNameAndColour();
    void cutAndFillCarriesTheEnabledCutLayer_data();
    void cutAndFillCarriesTheEnabledCutLayer();
    void selectAllFollowsThePropertyButtons();
    void emptyNameIsRefilledWithTheProposal();
    void nameIsCutOnWholeCharacters_data();
    void nameIsCutOnWholeCharacters();
    void proposalsFollowTheDevice();
    void editorShowsTheKey();
    void editorNumberStaysInRange_data();
    void editorNumberStaysInRange();
    void editorReturnsTheEditedRecord();
    void editorOkOnlyAnnounces();
};

void TestUserKeyAttribute::propertyButtonSetsItsFlag_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(Rows)); ++i)
        QTest::newRow(Rows[i].objectName) << i;
}

void TestUserKeyAttribute::propertyButtonSetsItsFlag()
{
    QFETCH(int, row);
    UserKeyAttribute panel;
    auto* button = child<QToolButton>(panel, Rows[row].objectName);
    QVERIFY(button);
    QCOMPARE(button->text(), QString::fromLatin1(Rows[row].text));
    QCOMPARE(button->property("isUserKeyAttributeBtn").toBool(), true);
    QVERIFY(!panel.attributeToolButtonStatus());
    QSignalSpy changed(&panel, &UserKeyAttribute::signalNoSelected);

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(changed.size(), 1);
    QVERIFY(panel.attributeToolButtonStatus());
    const s_UserKeyDetail detail = panel.GetUserKey({}, {});
    QCOMPARE(detail.*(Rows[row].flag), true);
    QCOMPARE(setFlagCount(detail), 1);

    // The editor's button of the same name stands for the same flag.
    UserKeyEditCfg editor;
    editor.setInitParameter(Vireo::Fixture::userKeyDetail(1, QStringLiteral("K")));
    auto* editorButton = child<QToolButton>(editor, Rows[row].objectName);
    QCOMPARE(editorButton->text(), QString::fromLatin1(Rows[row].text));
    QCOMPARE(editorButton->property("isUserKeyAttributeDatailBtn").toBool(), true);
    QTest::mouseClick(editorButton, Qt::LeftButton);
    const s_UserKeyDetail edited = editor.getCurrentUserKey();
    QCOMPARE(edited.*(Rows[row].flag), true);
    QCOMPARE(setFlagCount(edited), 1);
}

void TestUserKeyAttribute::recordCarriesNumberNameAndColour_data()
{
    QTest::addColumn<qint64>("nextNumber");
    QTest::addColumn<int>("colorButton");
    QTest::addColumn<int>("expectedNumber");
    QTest::addColumn<int>("expectedColor");
    QTest::newRow("first key, blue") << qint64(1) << 0 << 1 << int(Enum::UserKey::blue);
    QTest::newRow("cyan") << qint64(5) << 4 << 5 << int(Enum::UserKey::cyan);
    QTest::newRow("black") << qint64(128) << 7 << 128 << int(Enum::UserKey::black);
    QTest::newRow("low 8 bits") << qint64(257) << 5 << 1 << int(Enum::UserKey::darkblue);
}

void TestUserKeyAttribute::recordCarriesNumberNameAndColour()
{
    QFETCH(qint64, nextNumber);
    QFETCH(int, colorButton);
    QFETCH(int, expectedNumber);
    QFETCH(int, expectedColor);
    UserKeyAttribute panel;
    Layer& layer = regularLayer();
    panel.setUserKey(nextNumber);
    panel.setLineEdit(QStringLiteral("Stage Left"));
    auto* colour = child<QToolButton>(panel, ColorButtons[colorButton]);
    QCOMPARE(colour->property("isUserKeyAttributeBtnColor").toBool(), true);
    QTest::mouseClick(colour, Qt::LeftButton);

    const s_UserKeyDetail detail =
        panel.GetUserKey(DeviceList::instance()->activedDevice(), device()->findScreen(2, 1).lock()->findLayer(2, 3));
    QCOMPARE(int(detail.userKeyId), expectedNumber);
    QCOMPARE(detail.userKeyColor, expectedColor);
    QCOMPARE(QString::fromStdString(detail.name), QStringLiteral("Stage Left"));
    QCOMPARE(int(detail.layerFullDetail.layerIdenti.layerId), 3);
    QCOMPARE(detail.layerFullDetail.zOrder, layer.layerDetail().zOrder);
    QCOMPARE(setFlagCount(detail), 0);
}

void TestUserKeyAttribute::cutAndFillCarriesTheEnabledCutLayer_data()
{
    QTest::addColumn<bool>("cutEnabled");
    QTest::addColumn<bool>("cutFillChecked");
    QTest::addColumn<int>("expectedCutLayerId");
    QTest::newRow("enabled cut layer") << true << true << 9;
    QTest::newRow("disabled cut layer") << false << true << 0;
    QTest::newRow("cut&fill not checked") << true << false << 0;
}

void TestUserKeyAttribute::cutAndFillCarriesTheEnabledCutLayer()
{
    QFETCH(bool, cutEnabled);
    QFETCH(bool, cutFillChecked);
    QFETCH(int, expectedCutLayerId);
    UserKeyAttribute panel;
    Layer& fill = regularLayer();
    device()->findScreen(2, 1).lock()->addCutLayer(fill, 9, cutEnabled);
    if (cutFillChecked)
        QTest::mouseClick(child<QToolButton>(panel, "toolButtonCutAndFill"), Qt::LeftButton);
    else
        QTest::mouseClick(child<QToolButton>(panel, "toolButtonMask"), Qt::LeftButton);

    const s_UserKeyDetail detail =
        panel.GetUserKey(DeviceList::instance()->activedDevice(), device()->findScreen(2, 1).lock()->findLayer(2, 3));
    QCOMPARE(int(detail.cutLayerFullDetail.layerIdenti.layerId), expectedCutLayerId);
    QCOMPARE(detail.bLayerCutFillBody, cutFillChecked);
    QCOMPARE(detail.bLayerNoSourceLayerBody, false);
}

void TestUserKeyAttribute::selectAllFollowsThePropertyButtons()
{
    UserKeyAttribute panel;
    auto* all = child<QCheckBox>(panel, "checkBoxAll");
    QSignalSpy changed(&panel, &UserKeyAttribute::signalNoSelected);
    for (const PropertyRow& row : Rows) {
        QVERIFY(!all->isChecked());
        QTest::mouseClick(child<QToolButton>(panel, row.objectName), Qt::LeftButton);
    }
    QVERIFY(all->isChecked());
    QCOMPARE(changed.size(), int(std::size(Rows)));
    QTest::mouseClick(child<QToolButton>(panel, "toolButtonSize"), Qt::LeftButton);
    QVERIFY(!all->isChecked());

    all->click(); // checks all
    QCOMPARE(setFlagCount(panel.GetUserKey({}, {})), int(std::size(Rows)));
    all->click(); // unchecks all
    QVERIFY(!panel.attributeToolButtonStatus());
    QCOMPARE(changed.size(), int(std::size(Rows)) + 3);

    // Without cut-and-fill on the device, every other button is "all" and no key carries it.
    panel.updateCutFillVisible(false);
    all->click();
    QVERIFY(!panel.GetUserKey({}, {}).bLayerCutFillBody);
    QCOMPARE(setFlagCount(panel.GetUserKey({}, {})), int(std::size(Rows)) - 1);
    QTest::mouseClick(child<QToolButton>(panel, "toolButtonFilp"), Qt::LeftButton);
    QVERIFY(!all->isChecked());
    QTest::mouseClick(child<QToolButton>(panel, "toolButtonFilp"), Qt::LeftButton);
    QVERIFY(all->isChecked());
}

void TestUserKeyAttribute::emptyNameIsRefilledWithTheProposal()
{
    device()->setNextUserKeyName(QStringLiteral("User Key007"));
    UserKeyAttribute panel;
    panel.show();
    QCOMPARE(panel.getLineEditName(), QStringLiteral("User Key001"));
    auto* edit = child<QLineEdit>(panel, "lineEdit");
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("   "));
    finishEditing(edit);
    QCOMPARE(panel.getLineEditName(), QStringLiteral("User Key007"));

    // A typed name stays.
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("Stage"));
    finishEditing(edit);
    QCOMPARE(panel.getLineEditName(), QStringLiteral("Stage"));
}

void TestUserKeyAttribute::nameIsCutOnWholeCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("ascii") << QStringLiteral("ABCDEFGHIJKLMNOPQRS") << QStringLiteral("ABCDEFGHIJKLMNO");
    QTest::newRow("ideographs") << QString(8, QChar(0x4E2D)) << QString(7, QChar(0x4E2D));
    QTest::newRow("mixed") << QStringLiteral("Key") + QString(7, QChar(0x6587))
                           << QStringLiteral("Key") + QString(6, QChar(0x6587));
}

void TestUserKeyAttribute::nameIsCutOnWholeCharacters()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    UserKeyAttribute panel;
    panel.setLineEdit(typed);
    QCOMPARE(panel.getLineEditName(), kept);
    QCOMPARE(QString::fromStdString(panel.GetUserKey({}, {}).name), kept);
}

void TestUserKeyAttribute::proposalsFollowTheDevice()
{
    addKeys(3);
    UserKeyAttribute panel;
    panel.updateUserKeyID(DeviceList::instance()->activedDevice());
    panel.updateNameEdit(DeviceList::instance()->activedDevice());
    QCOMPARE(panel.userKeyID(), 4);
    QCOMPARE(panel.getLineEditName(), QStringLiteral("User Key001"));
    device()->addUserKey(Vireo::Fixture::userKeyDetail(4, QStringLiteral("User Key001")));
    panel.updateNameEdit(DeviceList::instance()->activedDevice());
    QCOMPARE(panel.getLineEditName(), QStringLiteral("User Key002"));
    // A vanished device changes nothing.
    Vireo::Fixture::removeActiveDevice();
    panel.updateUserKeyID(std::weak_ptr<Device>());
    QCOMPARE(panel.userKeyID(), 4);
}

void TestUserKeyAttribute::editorShowsTheKey()
{
    UserKeyEditCfg editor;
    QCOMPARE(editor.windowTitle(), QStringLiteral("userKey Datail"));
    QCOMPARE(editor.sizeHint(), QSize(603, 482));
    QVERIFY(editor.isModal());
    QVERIFY(!editor.isDialogResizable());
    auto detail = Vireo::Fixture::userKeyDetail(9, QStringLiteral("Nine"), Enum::UserKey::purple);
    detail.bLayerBorderBody = true;
    // The limit comes from a smaller device than the key's number: the number is still shown.
    editor.setLimitSort(3);
    editor.setInitParameter(detail);
    QCOMPARE(child<QLineEdit>(editor, "lineEditSort")->text(), QStringLiteral("9"));
    QCOMPARE(child<QLineEdit>(editor, "lineEditName")->text(), QStringLiteral("Nine"));
    QVERIFY(child<QToolButton>(editor, "toolButtonPurpleColor")->isChecked());
    QVERIFY(child<QToolButton>(editor, "toolButtonBorder")->isChecked());
    QVERIFY(!child<QToolButton>(editor, "toolButtonSize")->isChecked());
    const QStringList texts {"  parameter", "  attribute", "name", "Label Color", "sort"};
    for (const QString& text : texts) {
        bool found = false;
        for (auto* label : editor.findChildren<QLabel*>())
            found = found || label->text() == text;
        QVERIFY2(found, qPrintable(text));
    }
    QCOMPARE(child<QToolButton>(editor, "toolButtonReduce")->text(), QStringLiteral("-"));
}

void TestUserKeyAttribute::editorNumberStaysInRange_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("action"); // "type:<text>", "finish", "+", "-"
    QTest::addColumn<QString>("expected");
    const char* const rows[][4] = {// row, start, action, expected
        {"typing 7 with limit 5", "2", "type:7", ""}, {"typing 0", "2", "type:0", ""}, {"typing 4", "2", "type:4", "4"},
        {"leaving empty restores", "", "finish", "2"}, {"+ at 5", "5", "+", "5"}, {"+ at 4", "4", "+", "5"},
        {"- at 1", "1", "-", "1"}, {"- at 3", "3", "-", "2"}};
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]) << QString(row[3]);
}

void TestUserKeyAttribute::editorNumberStaysInRange()
{
    QFETCH(QString, start);
    QFETCH(QString, action);
    QFETCH(QString, expected);
    UserKeyEditCfg editor;
    editor.setLimitSort(5);
    editor.setInitParameter(Vireo::Fixture::userKeyDetail(2, QStringLiteral("Two")));
    editor.show();
    auto* sort = child<QLineEdit>(editor, "lineEditSort");
    sort->setText(start);
    if (action.startsWith(QLatin1String("type:"))) {
        sort->clear();
        QTest::keyClicks(sort, action.mid(5));
    } else if (action == QLatin1String("finish")) {
        finishEditing(sort);
    } else {
        QTest::mouseClick(
            child<QToolButton>(editor, action == QLatin1String("+") ? "toolButtonAdd" : "toolButtonReduce"),
            Qt::LeftButton);
    }
    QCOMPARE(sort->text(), expected);
}

void TestUserKeyAttribute::editorReturnsTheEditedRecord()
{
    UserKeyEditCfg editor;
    editor.setLimitSort(6);
    auto detail = Vireo::Fixture::userKeyDetail(3, QStringLiteral("Three"), Enum::UserKey::green);
    detail.bLayerMaskBody = true;
    detail.layerFullDetail.zOrder = 11;
    editor.setInitParameter(detail);
    editor.show();

    QTest::mouseClick(child<QToolButton>(editor, "toolButtonMask"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(editor, "toolButtonPos"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(editor, "toolButtonBlackColor"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(editor, "toolButtonAdd"), Qt::LeftButton);
    auto* name = child<QLineEdit>(editor, "lineEditName");
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Renamed"));

    const s_UserKeyDetail edited = editor.getCurrentUserKey();
    QCOMPARE(QString::fromStdString(edited.name), QStringLiteral("Renamed"));
    QCOMPARE(int(edited.userKeyId), 4);
    QCOMPARE(edited.userKeyColor, int(Enum::UserKey::black));
    QVERIFY(!edited.bLayerMaskBody);
    QVERIFY(edited.bLayerPosBody);
    QCOMPARE(edited.layerFullDetail.zOrder, 11);
    const s_UserKeyDetail last = editor.getLastUserKey();
    QCOMPARE(QString::fromStdString(last.name), QStringLiteral("Three"));
    QCOMPARE(int(last.userKeyId), 3);

    // An emptied name goes back to the key's own when editing ends.
    name->clear();
    finishEditing(name);
    QCOMPARE(name->text(), QStringLiteral("Three"));
}

void TestUserKeyAttribute::editorOkOnlyAnnounces()
{
    UserKeyEditCfg editor;
    editor.setInitParameter(Vireo::Fixture::userKeyDetail(1, QStringLiteral("One")));
    editor.show();
    QSignalSpy announced(&editor, &UserKeyEditCfg::sgnCurrentUserKeyID);
    QTest::mouseClick(editor.okButton(), Qt::LeftButton);
    QCOMPARE(announced.size(), 1);
    QVERIFY(editor.isVisible());
    QTest::mouseClick(editor.cancelButton(), Qt::LeftButton);
    QVERIFY(!editor.isVisible());
    QCOMPARE(announced.size(), 1);
}

QTEST_MAIN(TestUserKeyAttribute)
#include "tst_userkeyattribute.moc"
