#include "common/testsupport.h"

#include <zkwidgets/framelessdialog.h>

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using ZK::Widgets::FramelessDialog;

namespace {

// Like the key editor: accept() only reports, it does not close.
class ReportingDialog : public FramelessDialog
{
    Q_OBJECT
public:
    using FramelessDialog::FramelessDialog;
    int acceptCalls = 0;

public slots:
    void accept() override { ++acceptCalls; }
};

// Like the capture dialog: refuses to close while busy.
class BusyDialog : public FramelessDialog
{
    Q_OBJECT
public:
    using FramelessDialog::FramelessDialog;
    bool busy = true;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (busy)
            event->ignore();
        else
            FramelessDialog::closeEvent(event);
    }
};

// Builds its content the common way, with a layout constructed on the dialog.
class ContentDialog : public FramelessDialog
{
    Q_OBJECT
public:
    explicit ContentDialog(QWidget* parent = nullptr)
        : FramelessDialog(parent)
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        content = new QLabel(QStringLiteral("content"), this);
        content->setMinimumSize(200, 120);
        layout->addWidget(content);
    }
    QLabel* content = nullptr;
};

// A person's mouse: its global position does not follow the window that moves under it.
void sendMouseAt(
    QWidget* target, QEvent::Type type, const QPoint& globalPos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, target->mapFromGlobal(globalPos), globalPos, button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

// Presses at `grab` (global), moves through `path` (offsets from it) and releases at the last.
void dragMouseAt(QWidget* target, const QPoint& grab, const QList<QPoint>& path)
{
    sendMouseAt(target, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    for (const QPoint& offset : path)
        sendMouseAt(target, QEvent::MouseMove, grab + offset, Qt::NoButton, Qt::LeftButton);
    sendMouseAt(target, QEvent::MouseButtonRelease, grab + path.last(), Qt::LeftButton, Qt::NoButton);
}

class Receiver : public QObject
{
    Q_OBJECT
public:
    QList<int> results;
    int acceptedCalls = 0;

public slots:
    void onFinished(int result) { results << result; }
    void onAccepted() { ++acceptedCalls; }
};

template <typename T>
T* part(QWidget* dialog, const char* name)
{
    T* found = dialog->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("missing part %s", name);
    return found;
}

} // namespace

class tst_FramelessDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void isFramelessDialogWithParts();
    void okCallsVirtualAccept();
    void execResult_data();
    void execResult();
    void closeButtonRespectsCloseEvent();
    void titleFollowsWindowTitle();
    void partsCanBeHidden_data();
    void partsCanBeHidden();
    void contentStaysBetweenTheBars();
    void setLayoutPlacesContent();
    void hidingBottomBarGivesRoomToContent();
    void okButtonDefault_data();
    void okButtonDefault();
    void draggingMovesOrResizes_data();
    void draggingMovesOrResizes();
    void maximiseButtonToggles();
    void retranslatesOnLanguageChange();
    void contentTakesFirstFocus();
    void openConnectsReceiverOnce();
};

void tst_FramelessDialog::cleanup()
{
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

void tst_FramelessDialog::isFramelessDialogWithParts()
{
    FramelessDialog dialog(nullptr, Qt::WindowStaysOnTopHint);
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(dialog.windowType(), Qt::Dialog);
    QCOMPARE(dialog.objectName(), QStringLiteral("FramelessDialog"));
    for (const char* name : {"FramelessDialogTitleBar", "FramelessDialogBottomBar"})
        QVERIFY2(dialog.findChild<QFrame*>(QLatin1String(name)), name);
    QVERIFY(part<QLabel>(&dialog, "FramelessDialogTitle"));
    for (const char* name : {"FramelessDialogMinButton", "FramelessDialogMaxButton", "FramelessDialogCloseButton"})
        QVERIFY2(dialog.findChild<QToolButton*>(QLatin1String(name)), name);
    QCOMPARE(dialog.okButton(), part<QPushButton>(&dialog, "FramelessDialogOKButton"));
    QCOMPARE(dialog.cancelButton(), part<QPushButton>(&dialog, "FramelessDialogCancelButton"));
}

void tst_FramelessDialog::okCallsVirtualAccept()
{
    ReportingDialog dialog;
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.show();
    QTest::mouseClick(part<QPushButton>(&dialog, "FramelessDialogOKButton"), Qt::LeftButton);
    QCOMPARE(dialog.acceptCalls, 1);
    // The override decides: it did not close the dialog.
    QVERIFY(dialog.isVisible());
    QCOMPARE(accepted.count(), 0);
}

void tst_FramelessDialog::execResult_data()
{
    QTest::addColumn<QString>("action"); // a button's object name, a key, or a call from code
    QTest::addColumn<int>("expected");

    QTest::newRow("OK") << "FramelessDialogOKButton" << int(QDialog::Accepted);
    QTest::newRow("Cancel") << "FramelessDialogCancelButton" << int(QDialog::Rejected);
    QTest::newRow("close") << "FramelessDialogCloseButton" << int(QDialog::Rejected);
    QTest::newRow("escape") << "escape" << int(QDialog::Rejected);
    QTest::newRow("accept() from code") << "accept" << int(QDialog::Accepted);
    QTest::newRow("reject() from code") << "reject" << int(QDialog::Rejected);
}

void tst_FramelessDialog::execResult()
{
    QFETCH(QString, action);
    QFETCH(int, expected);

    FramelessDialog dialog;
    QSignalSpy finished(&dialog, &QDialog::finished);
    bool acted = false;
    QTimer::singleShot(0, &dialog, [&] {
        QVERIFY(dialog.isVisible());
        if (action == QLatin1String("escape")) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else if (action == QLatin1String("accept")) {
            dialog.accept();
        } else if (action == QLatin1String("reject")) {
            dialog.reject();
        } else {
            auto* button = dialog.findChild<QAbstractButton*>(action);
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        acted = true;
    });
    QCOMPARE(dialog.exec(), expected);
    QVERIFY(acted);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), expected);
}

void tst_FramelessDialog::closeButtonRespectsCloseEvent()
{
    BusyDialog dialog;
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.show();
    auto* close = part<QToolButton>(&dialog, "FramelessDialogCloseButton");
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(rejected.count(), 0);

    dialog.busy = false;
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(rejected.count(), 1);
}

void tst_FramelessDialog::titleFollowsWindowTitle()
{
    FramelessDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Clipping pictures"));
    QCOMPARE(part<QLabel>(&dialog, "FramelessDialogTitle")->text(), QStringLiteral("Clipping pictures"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Clipping pictures"));
    dialog.setWindowTitle(QStringLiteral("Remind"));
    QCOMPARE(part<QLabel>(&dialog, "FramelessDialogTitle")->text(), QStringLiteral("Remind"));
}

namespace {

struct PartSwitch
{
    const char* objectName;
    void (FramelessDialog::*set)(bool);
    bool (FramelessDialog::*get)() const;
};

const PartSwitch partSwitches[] = {
    {"FramelessDialogOKButton", &FramelessDialog::setOKButtonVisible, &FramelessDialog::isOKButtonVisible},
    {"FramelessDialogCancelButton", &FramelessDialog::setCancelButtonVisible, &FramelessDialog::isCancelButtonVisible},
    {"FramelessDialogCloseButton", &FramelessDialog::setCloseButtonVisible, &FramelessDialog::isCloseButtonVisible},
    {"FramelessDialogMinButton", &FramelessDialog::setMinButtonVisible, &FramelessDialog::isMinButtonVisible},
    {"FramelessDialogMaxButton", &FramelessDialog::setMaxButtonVisible, &FramelessDialog::isMaxButtonVisible},
    {"FramelessDialogBottomBar", &FramelessDialog::setBottomBarVisible, &FramelessDialog::isBottomBarVisible},
    {"FramelessDialogTitleBar", &FramelessDialog::setTitleBarVisible, &FramelessDialog::isTitleBarVisible},
};

} // namespace

void tst_FramelessDialog::partsCanBeHidden_data()
{
    QTest::addColumn<QString>("partName");
    for (const PartSwitch& part : partSwitches)
        QTest::newRow(part.objectName) << QString::fromLatin1(part.objectName);
}

void tst_FramelessDialog::partsCanBeHidden()
{
    QFETCH(QString, partName);

    const auto found = std::find_if(std::begin(partSwitches), std::end(partSwitches),
        [&](const PartSwitch& part) { return partName == QLatin1String(part.objectName); });
    QVERIFY(found != std::end(partSwitches));
    FramelessDialog dialog;
    auto* widget = dialog.findChild<QWidget*>(partName);
    QVERIFY(widget);

    QVERIFY((dialog.*(found->get))());
    dialog.show();
    QVERIFY(widget->isVisible());
    (dialog.*(found->set))(false);
    QVERIFY(!(dialog.*(found->get))());
    QVERIFY(!widget->isVisible());
    (dialog.*(found->set))(true);
    QVERIFY((dialog.*(found->get))());
    QVERIFY(widget->isVisible());
}

void tst_FramelessDialog::contentStaysBetweenTheBars()
{
    ContentDialog dialog;
    dialog.show();
    auto* title = part<QWidget>(&dialog, "FramelessDialogTitleBar");
    auto* bottom = part<QWidget>(&dialog, "FramelessDialogBottomBar");
    QTRY_VERIFY(dialog.content->isVisible());
    QVERIFY(dialog.content->geometry().top() >= title->geometry().bottom() + 1);
    QVERIFY(dialog.content->geometry().bottom() < bottom->geometry().top());
    QVERIFY(dialog.content->height() >= 120);
    QVERIFY(title->geometry().width() >= dialog.content->width());
    // The bars span the dialog, inside a thin border left for resizing.
    QVERIFY(title->geometry().left() > 0);
    QVERIFY(bottom->geometry().bottom() < dialog.height() - 1);
}

void tst_FramelessDialog::setLayoutPlacesContent()
{
    FramelessDialog dialog;
    auto* layout = new QVBoxLayout;
    auto* label = new QLabel(QStringLiteral("inside"));
    label->setMinimumSize(150, 60);
    layout->addWidget(label);
    dialog.setLayout(layout);
    QCOMPARE(dialog.layout(), layout);
    // Common in dialog code; the bars keep their room all the same.
    dialog.setContentsMargins(0, 0, 0, 0);
    dialog.show();
    QTRY_VERIFY(label->isVisible());
    const QRect titleGeometry = part<QWidget>(&dialog, "FramelessDialogTitleBar")->geometry();
    const QRect bottomGeometry = part<QWidget>(&dialog, "FramelessDialogBottomBar")->geometry();
    QVERIFY(!label->geometry().intersects(titleGeometry));
    QVERIFY(!label->geometry().intersects(bottomGeometry));
}

void tst_FramelessDialog::hidingBottomBarGivesRoomToContent()
{
    ContentDialog dialog;
    dialog.resize(400, 300);
    dialog.show();
    QTRY_VERIFY(dialog.content->isVisible());
    const int withBar = dialog.content->height();
    dialog.setBottomBarVisible(false);
    QTRY_VERIFY(dialog.content->height() > withBar);
    dialog.setTitleBarVisible(false);
    QTRY_VERIFY(dialog.content->geometry().top() < 10);
}

void tst_FramelessDialog::okButtonDefault_data()
{
    QTest::addColumn<bool>("isDefault");
    QTest::newRow("OK is default") << true;
    QTest::newRow("OK is not default") << false;
}

void tst_FramelessDialog::okButtonDefault()
{
    QFETCH(bool, isDefault);

    FramelessDialog dialog;
    QVERIFY(dialog.isOKButtonDefault());
    dialog.setOKButtonDefault(isDefault);
    QCOMPARE(dialog.isOKButtonDefault(), isDefault);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(accepted.count(), isDefault ? 1 : 0);
    QCOMPARE(dialog.isVisible(), !isDefault);
}

void tst_FramelessDialog::draggingMovesOrResizes_data()
{
    QTest::addColumn<bool>("byTitle"); // else by the bottom-right corner
    QTest::addColumn<bool>("allowed"); // movable, or resizable
    QTest::addColumn<QRect>("expected");

    QTest::newRow("title bar, movable") << true << true << QRect(130, 120, 400, 300);
    QTest::newRow("title bar, fixed") << true << false << QRect(100, 100, 400, 300);
    QTest::newRow("edges, resizable") << false << true << QRect(100, 100, 450, 330);
    QTest::newRow("edges, fixed size") << false << false << QRect(100, 100, 400, 300);
}

void tst_FramelessDialog::draggingMovesOrResizes()
{
    QFETCH(bool, byTitle);
    QFETCH(bool, allowed);
    QFETCH(QRect, expected);

    FramelessDialog dialog;
    QVERIFY(!dialog.isDialogMovable());
    QVERIFY(dialog.isDialogResizable());
    if (byTitle) {
        dialog.setDialogMovable(allowed);
        QCOMPARE(dialog.isDialogMovable(), allowed);
    } else {
        dialog.setDialogResizable(allowed);
        QCOMPARE(dialog.isDialogResizable(), allowed);
    }
    dialog.setGeometry(100, 100, 400, 300);
    dialog.show();
    QTRY_COMPARE(dialog.geometry(), QRect(100, 100, 400, 300));

    if (byTitle) {
        auto* title = part<QWidget>(&dialog, "FramelessDialogTitleBar");
        dragMouseAt(title, title->mapToGlobal(QPoint(50, 10)), {QPoint(15, 10), QPoint(30, 20)});
    } else {
        // The right and bottom edges are free of children, so the dialog itself gets the mouse there.
        const QPoint corner(dialog.width() - 2, dialog.height() - 2);
        QCOMPARE(dialog.childAt(corner), nullptr);
        dragMouseAt(&dialog, dialog.mapToGlobal(corner), {QPoint(20, 10), QPoint(50, 30)});
    }
    QTRY_COMPARE(dialog.geometry(), expected);
}

void tst_FramelessDialog::maximiseButtonToggles()
{
    FramelessDialog dialog;
    dialog.resize(300, 200);
    dialog.show();
    auto* max = part<QToolButton>(&dialog, "FramelessDialogMaxButton");
    QCOMPARE(max->property("isMaximized").toBool(), false);
    QTest::mouseClick(max, Qt::LeftButton);
    QTRY_VERIFY(dialog.isMaximized());
    QTRY_COMPARE(max->property("isMaximized").toBool(), true);
    QTest::mouseClick(max, Qt::LeftButton);
    QTRY_VERIFY(!dialog.isMaximized());
    QTRY_COMPARE(max->property("isMaximized").toBool(), false);
}

void tst_FramelessDialog::retranslatesOnLanguageChange()
{
    FramelessDialog dialog;
    auto* ok = part<QPushButton>(&dialog, "FramelessDialogOKButton");
    auto* cancel = part<QPushButton>(&dialog, "FramelessDialogCancelButton");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    ok->setText(QStringLiteral("stale"));
    cancel->setText(QStringLiteral("stale"));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&dialog, &change);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(part<QToolButton>(&dialog, "FramelessDialogCloseButton")->toolTip(), QStringLiteral("Close"));
}

void tst_FramelessDialog::contentTakesFirstFocus()
{
    FramelessDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* name = new QLineEdit(&dialog);
    auto* other = new QLineEdit(&dialog);
    layout->addWidget(name);
    layout->addWidget(other);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QTRY_COMPARE(QApplication::focusWidget(), name);

    // Tab walks the content, then OK, then Cancel.
    QList<QWidget*> order;
    for (QWidget* w = name; order.size() < 4; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w;
    }
    QCOMPARE(order, QList<QWidget*>({name, other, dialog.okButton(), dialog.cancelButton()}));
}

void tst_FramelessDialog::openConnectsReceiverOnce()
{
    QWidget host;
    host.show();
    FramelessDialog dialog(&host);
    Receiver receiver;
    dialog.open(&receiver, SLOT(onFinished(int)));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.windowModality(), Qt::WindowModal);
    QTest::mouseClick(part<QPushButton>(&dialog, "FramelessDialogOKButton"), Qt::LeftButton);
    QCOMPARE(receiver.results, QList<int>({1}));

    // The connection lasted for that one run.
    dialog.open();
    QTest::mouseClick(part<QPushButton>(&dialog, "FramelessDialogCancelButton"), Qt::LeftButton);
    QCOMPARE(receiver.results, QList<int>({1}));

    dialog.open(&receiver, SLOT(onAccepted()));
    QTest::mouseClick(part<QPushButton>(&dialog, "FramelessDialogCancelButton"), Qt::LeftButton);
    QCOMPARE(receiver.acceptedCalls, 0);
    dialog.open(&receiver, SLOT(onAccepted()));
    QTest::mouseClick(part<QPushButton>(&dialog, "FramelessDialogOKButton"), Qt::LeftButton);
    QCOMPARE(receiver.acceptedCalls, 1);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(tst_FramelessDialog)
#include "tst_framelessdialog.moc"
