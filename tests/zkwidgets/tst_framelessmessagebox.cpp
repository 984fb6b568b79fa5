#include "common/testsupport.h"

#include <zkwidgets/framelessmessagebox.h>

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using ZK::Widgets::FramelessMessageBox;
using ZK::Widgets::MessageBoxCall;

Q_DECLARE_METATYPE(QMessageBox::StandardButton)
Q_DECLARE_METATYPE(QMessageBox::StandardButtons)

namespace {

QList<FramelessMessageBox*> openBoxes()
{
    QList<FramelessMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<FramelessMessageBox*>(widget))
            boxes << box;
    }
    return boxes;
}

QAbstractButton* standardButton(QWidget* box, QMessageBox::StandardButton which)
{
    for (auto* button : box->findChildren<QAbstractButton*>()) {
        if (button->property("standardButton").toInt() == int(which))
            return button;
    }
    return nullptr;
}

} // namespace

class tst_FramelessMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void responderAnswersWithoutShowing_data();
    void responderAnswersWithoutShowing();
    void defaultArguments();
    void everyCallIsRecorded();
    void responderSeesTheCallBeforeAnswering();
    void recordedParentDoesNotDangle();
    void headlessFallback_data();
    void headlessFallback();
    void boxShowsTitleTextAndButtons();
    void boxAnswers_data();
    void boxAnswers();
    void returnPressesDefault_data();
    void returnPressesDefault();
};

void tst_FramelessMessageBox::init()
{
    FramelessMessageBox::clearTestResponder();
    FramelessMessageBox::clearRecordedCalls();
}

void tst_FramelessMessageBox::cleanup()
{
    FramelessMessageBox::clearTestResponder();
    FramelessMessageBox::clearRecordedCalls();
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

void tst_FramelessMessageBox::responderAnswersWithoutShowing_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("answer");

    QTest::newRow("warning OK") << int(MessageBoxCall::Warning) << QMessageBox::StandardButtons(QMessageBox::Ok)
                                << QMessageBox::Ok;
    QTest::newRow("question yes") << int(MessageBoxCall::Question)
                                  << QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No)
                                  << QMessageBox::Yes;
    QTest::newRow("question no") << int(MessageBoxCall::Question)
                                 << QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No) << QMessageBox::No;
    QTest::newRow("warning with two buttons")
        << int(MessageBoxCall::Warning) << QMessageBox::StandardButtons(QMessageBox::Ok | QMessageBox::Cancel)
        << QMessageBox::Cancel;
}

void tst_FramelessMessageBox::responderAnswersWithoutShowing()
{
    QFETCH(int, kind);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, answer);

    QWidget parent;
    int responderCalls = 0;
    FramelessMessageBox::setTestResponder([&](const MessageBoxCall& call) {
        ++responderCalls;
        // Nothing is on screen while the responder answers.
        if (!openBoxes().isEmpty())
            return QMessageBox::NoButton;
        return call.buttons.testFlag(answer) ? answer : QMessageBox::NoButton;
    });
    QVERIFY(FramelessMessageBox::hasTestResponder());

    const QString title = QStringLiteral("Remind");
    const QString text = QStringLiteral("Do you want to delete user key?");
    const QMessageBox::StandardButton result = kind == MessageBoxCall::Question
        ? FramelessMessageBox::question(&parent, title, text, buttons)
        : FramelessMessageBox::warning(&parent, title, text, buttons);

    QCOMPARE(result, answer);
    QCOMPARE(responderCalls, 1);
    QVERIFY(openBoxes().isEmpty());
    const QList<MessageBoxCall> calls = FramelessMessageBox::recordedCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(int(calls[0].kind), kind);
    QCOMPARE(calls[0].parent.data(), &parent);
    QCOMPARE(calls[0].title, title);
    QCOMPARE(calls[0].text, text);
    QCOMPARE(calls[0].buttons, buttons);
    QCOMPARE(calls[0].defaultButton, QMessageBox::NoButton);
    QCOMPARE(calls[0].answer, answer);
}

void tst_FramelessMessageBox::defaultArguments()
{
    FramelessMessageBox::setTestResponder([](const MessageBoxCall&) { return QMessageBox::Ok; });
    FramelessMessageBox::warning(nullptr, QStringLiteral("warning"), QStringLiteral("file too large"));
    FramelessMessageBox::question(nullptr, QStringLiteral("Remind"), QStringLiteral("Delete?"));
    const QList<MessageBoxCall> calls = FramelessMessageBox::recordedCalls();
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls[0].kind, MessageBoxCall::Warning);
    QCOMPARE(calls[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(calls[0].defaultButton, QMessageBox::NoButton);
    QCOMPARE(calls[0].parent.data(), nullptr);
    QCOMPARE(calls[1].kind, MessageBoxCall::Question);
    QCOMPARE(calls[1].buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
}

void tst_FramelessMessageBox::everyCallIsRecorded()
{
    FramelessMessageBox::setTestResponder([](const MessageBoxCall& call) { return call.defaultButton; });
    FramelessMessageBox::warning(
        nullptr, QStringLiteral("Warning"), QStringLiteral("one"), QMessageBox::Ok, QMessageBox::Ok);
    FramelessMessageBox::question(
        nullptr, QStringLiteral("Remind"), QStringLiteral("two"), QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    FramelessMessageBox::information(nullptr, QStringLiteral("Info"), QStringLiteral("three"));
    FramelessMessageBox::critical(nullptr, QStringLiteral("Error"), QStringLiteral("four"));

    const QList<MessageBoxCall> calls = FramelessMessageBox::recordedCalls();
    QCOMPARE(calls.size(), 4);
    QCOMPARE(calls[0].text, QStringLiteral("one"));
    QCOMPARE(calls[0].answer, QMessageBox::Ok);
    QCOMPARE(calls[1].text, QStringLiteral("two"));
    QCOMPARE(calls[1].defaultButton, QMessageBox::No);
    QCOMPARE(calls[1].answer, QMessageBox::No);
    QCOMPARE(calls[2].kind, MessageBoxCall::Information);
    QCOMPARE(calls[3].kind, MessageBoxCall::Critical);

    FramelessMessageBox::clearRecordedCalls();
    QVERIFY(FramelessMessageBox::recordedCalls().isEmpty());
    FramelessMessageBox::clearTestResponder();
    QVERIFY(!FramelessMessageBox::hasTestResponder());
}

void tst_FramelessMessageBox::responderSeesTheCallBeforeAnswering()
{
    MessageBoxCall seen;
    FramelessMessageBox::setTestResponder([&](const MessageBoxCall& call) {
        seen = call;
        return QMessageBox::Yes;
    });
    FramelessMessageBox::question(
        nullptr, QStringLiteral("Remind"), QStringLiteral("Do you want to delete all user keys?"));
    QCOMPARE(seen.title, QStringLiteral("Remind"));
    QCOMPARE(seen.text, QStringLiteral("Do you want to delete all user keys?"));
    QCOMPARE(seen.answer, QMessageBox::NoButton);
}

void tst_FramelessMessageBox::recordedParentDoesNotDangle()
{
    FramelessMessageBox::setTestResponder([](const MessageBoxCall&) { return QMessageBox::Ok; });
    auto* parent = new QWidget;
    FramelessMessageBox::warning(parent, QStringLiteral("Remind"), QStringLiteral("gone"));
    QCOMPARE(FramelessMessageBox::recordedCalls().at(0).parent.data(), parent);
    delete parent;
    QCOMPARE(FramelessMessageBox::recordedCalls().at(0).parent.data(), nullptr);
}

void tst_FramelessMessageBox::headlessFallback_data()
{
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
    QTest::addColumn<QMessageBox::StandardButton>("expected");

    QTest::newRow("OK only") << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::NoButton
                             << QMessageBox::Ok;
    QTest::newRow("yes/no, default no") << QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No)
                                        << QMessageBox::No << QMessageBox::No;
    QTest::newRow("yes/no, no default") << QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No)
                                        << QMessageBox::NoButton << QMessageBox::Yes;
    QTest::newRow("default not offered") << QMessageBox::StandardButtons(QMessageBox::Ok | QMessageBox::Cancel)
                                         << QMessageBox::Close << QMessageBox::Ok;
    QTest::newRow("no buttons") << QMessageBox::StandardButtons(QMessageBox::NoButton) << QMessageBox::NoButton
                                << QMessageBox::NoButton;
}

void tst_FramelessMessageBox::headlessFallback()
{
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, defaultButton);
    QFETCH(QMessageBox::StandardButton, expected);

    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("offscreen"));
    QVERIFY(!FramelessMessageBox::hasTestResponder());
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(
            QStringLiteral("^FramelessMessageBox: nobody can answer \"Remind\" on a headless platform")));
    const QMessageBox::StandardButton answer = FramelessMessageBox::warning(
        nullptr, QStringLiteral("Remind"), QStringLiteral("headless"), buttons, defaultButton);
    QCOMPARE(answer, expected);
    QVERIFY(openBoxes().isEmpty());
    QCOMPARE(FramelessMessageBox::recordedCalls().size(), 1);
    QCOMPARE(FramelessMessageBox::recordedCalls().at(0).answer, expected);
}

void tst_FramelessMessageBox::boxShowsTitleTextAndButtons()
{
    FramelessMessageBox box(QMessageBox::Question, QStringLiteral("Remind"),
        QStringLiteral("Do you want to delete user key?"), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.objectName(), QStringLiteral("FramelessMessageBox"));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("FramelessDialogTitle"))->text(), QStringLiteral("Remind"));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("FramelessMessageBoxText"))->text(),
        QStringLiteral("Do you want to delete user key?"));
    QVERIFY(!box.findChild<QLabel*>(QStringLiteral("FramelessMessageBoxIcon"))->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(box.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
    QVERIFY(standardButton(&box, QMessageBox::Yes));
    QVERIFY(standardButton(&box, QMessageBox::No));
    QVERIFY(!standardButton(&box, QMessageBox::Ok));
    QVERIFY(box.isModal());
    // The dialog's own OK/Cancel row gives way to the box's buttons.
    QVERIFY(!box.isBottomBarVisible());
    QCOMPARE(box.escapeButton(), QMessageBox::No);
}

void tst_FramelessMessageBox::boxAnswers_data()
{
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QString>("action"); // a button to click, "escape" or "close"
    QTest::addColumn<QMessageBox::StandardButton>("expected");

    const auto yesNo = QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No);
    QTest::newRow("click yes") << yesNo << "yes" << QMessageBox::Yes;
    QTest::newRow("click no") << yesNo << "no" << QMessageBox::No;
    QTest::newRow("escape on a question") << yesNo << "escape" << QMessageBox::No;
    QTest::newRow("close on a question") << yesNo << "close" << QMessageBox::No;
    QTest::newRow("escape on a warning") << QMessageBox::StandardButtons(QMessageBox::Ok) << "escape"
                                         << QMessageBox::Ok;
    QTest::newRow("escape with cancel") << QMessageBox::StandardButtons(QMessageBox::Ok | QMessageBox::Cancel)
                                        << "escape" << QMessageBox::Cancel;
}

void tst_FramelessMessageBox::boxAnswers()
{
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QString, action);
    QFETCH(QMessageBox::StandardButton, expected);

    FramelessMessageBox box(QMessageBox::Warning, QStringLiteral("Remind"), QStringLiteral("text"), buttons);
    QTimer::singleShot(0, &box, [&] {
        if (action == QLatin1String("yes"))
            QTest::mouseClick(standardButton(&box, QMessageBox::Yes), Qt::LeftButton);
        else if (action == QLatin1String("no"))
            QTest::mouseClick(standardButton(&box, QMessageBox::No), Qt::LeftButton);
        else if (action == QLatin1String("escape"))
            QTest::keyClick(&box, Qt::Key_Escape);
        else
            QTest::mouseClick(
                box.findChild<QToolButton*>(QStringLiteral("FramelessDialogCloseButton")), Qt::LeftButton);
    });
    QCOMPARE(box.exec(), int(expected));
    QCOMPARE(box.clickedButton(), expected);
}

void tst_FramelessMessageBox::returnPressesDefault_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
    QTest::addColumn<QMessageBox::StandardButton>("expected");
    // Without a default, the first button answers, as in the headless fallback.
    QTest::newRow("no default") << QMessageBox::NoButton << QMessageBox::Yes;
    QTest::newRow("default no") << QMessageBox::No << QMessageBox::No;
}

void tst_FramelessMessageBox::returnPressesDefault()
{
    QFETCH(QMessageBox::StandardButton, defaultButton);
    QFETCH(QMessageBox::StandardButton, expected);

    FramelessMessageBox box(
        QMessageBox::Question, QStringLiteral("Remind"), QStringLiteral("Delete?"), QMessageBox::Yes | QMessageBox::No);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    QTimer::singleShot(0, &box, [&] { QTest::keyClick(&box, Qt::Key_Return); });
    QCOMPARE(box.exec(), int(expected));
}

QTEST_MAIN(tst_FramelessMessageBox)
#include "tst_framelessmessagebox.moc"
