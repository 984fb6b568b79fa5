#include "common/testsupport.h"

#include <vireowidgets/controls/waitingdialog.h>

#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Vireo::Widgets;

namespace {

QLabel* textLabelOf(WaitingDialog* dialog)
{
    return dialog->findChild<QLabel*>();
}

QPushButton* cancelButtonOf(WaitingDialog* dialog)
{
    return dialog->findChild<QPushButton*>();
}

QColor textColor(QWidget* widget, QPalette::ColorRole role)
{
    return widget->palette().color(QPalette::Active, role);
}

QLabel* valueLabelOf(ProgressBarCtr* bar)
{
    return bar->findChild<QLabel*>();
}

// Whether any pixel of the widget's picture is close to `color` (text is antialiased).
bool showsColour(QWidget* widget, const QColor& color)
{
    const QImage picture = widget->grab().toImage();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (qAbs(pixel.red() - color.red()) < 40 && qAbs(pixel.green() - color.green()) < 40 &&
                qAbs(pixel.blue() - color.blue()) < 40)
                return true;
        }
    }
    return false;
}

// A host style sheet that colours every label, as the application's dark sheet does.
struct HostStyleSheet
{
    HostStyleSheet() { qApp->setStyleSheet(QStringLiteral("QWidget { color: rgb(90, 90, 200); }")); }
    ~HostStyleSheet() { qApp->setStyleSheet(QString()); }
};

// Shows `host`, then the dialog over it with `text`, expecting the dialog's log line.
// Null when the host never got exposed.
WaitingDialog* showOver(QWidget& host, const QString& text, WaitingDialog::TooltipLevel level = WaitingDialog::Normal)
{
    host.show();
    if (!QTest::qWaitForWindowExposed(&host))
        return nullptr;
    WaitingDialog* dialog = WaitingDialog::instance(&host);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("show waitingdialog info: \"%1\"").arg(text)));
    dialog->showWaitingDialog(text, level);
    return dialog;
}

// One call on a progress bar and what its label shows afterwards; a value of -1 or an invalid
// colour is not checked.
struct ProgressStep
{
    const char* what;
    std::function<void(ProgressBarCtr&)> act;
    QString text;
    int value;
    QColor colour;
};

void walkProgress(ProgressBarCtr& progress, const QList<ProgressStep>& steps)
{
    QLabel* label = progress.findChild<QLabel*>();
    for (const ProgressStep& step : steps) {
        step.act(progress);
        QVERIFY2(label->text() == step.text, qPrintable(QStringLiteral("%1: shows %2").arg(step.what, label->text())));
        if (step.value >= 0)
            QVERIFY2(progress.currentValue() == step.value, step.what);
        if (step.colour.isValid())
            QVERIFY2(label->palette().color(QPalette::Active, QPalette::ButtonText) == step.colour, step.what);
    }
}

} // namespace

class TestWaitingDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void singleInstance();
    void instanceSurvivesParentDeletion();
    void construction();
    void showWarningThenCancelArea();
    void severityColours_data();
    void severityColours();
    void severityShowsUnderHostStyleSheet();
    void cancelReportsOnce();
    void closeEscapeAndAltAreRefused();
    void hideTwiceWarns();
    void indicatorSizes_data();
    void indicatorSizes();
    void indicatorTurnsWhileShown();
    void placement();
    void missingParentOnlyDisablesCentring();

    void progressCountAndValue();
    void progressProcess_data();
    void progressProcess();
    void progressStates();
    void progressBadCounts_data();
    void progressBadCounts();
    void progressStateShowsOverItsGreySheet();

    void maskProgress();
    void maskPanel();

private:
    std::unique_ptr<QWidget> m_host; // the dialog's parent, 400 x 300
};

void TestWaitingDialog::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
}

void TestWaitingDialog::init()
{
    m_host = std::make_unique<QWidget>();
    m_host->resize(400, 300);
}

void TestWaitingDialog::cleanup()
{
    WaitingDialog::deleteInstance();
    m_host.reset();
}

void TestWaitingDialog::singleInstance()
{
    WaitingDialog* first = WaitingDialog::instance(m_host.get());
    QVERIFY(first);
    QCOMPARE(first->parentWidget(), m_host.get());
    QCOMPARE(WaitingDialog::instance(), first);
    QCOMPARE(WaitingDialog::instance(nullptr, Qt::Tool), first);

    QPointer<WaitingDialog> guard(first);
    WaitingDialog::deleteInstance();
    QVERIFY(guard.isNull());
    WaitingDialog::deleteInstance(); // harmless when there is none

    WaitingDialog* second = WaitingDialog::instance();
    QVERIFY(second);
    QCOMPARE(second->parentWidget(), nullptr);
    QVERIFY(!second->informativeText().size());
}

void TestWaitingDialog::instanceSurvivesParentDeletion()
{
    auto* host = new QWidget;
    QPointer<WaitingDialog> first(WaitingDialog::instance(host));
    delete host;
    QVERIFY(first.isNull());
    // A new dialog, never the deleted one.
    WaitingDialog* second = WaitingDialog::instance();
    QVERIFY(second);
    second->setInformativeText(QStringLiteral("alive"));
    QCOMPARE(second->informativeText(), QStringLiteral("alive"));
}

void TestWaitingDialog::construction()
{
    WaitingDialog* dialog = WaitingDialog::instance(m_host.get());
    QCOMPARE(dialog->size(), QSize(335, 178));
    QVERIFY(dialog->isModal());
    QVERIFY(dialog->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(dialog->property("isWaitingDialog").toBool(), true);
    QCOMPARE(dialog->indicatorSize(), WaitingDialog::Large);
    QVERIFY(textLabelOf(dialog)->wordWrap());
    QCOMPARE(textLabelOf(dialog)->alignment(), Qt::AlignCenter);
    QPushButton* cancel = cancelButtonOf(dialog);
    QVERIFY(!cancel->autoDefault());
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QVERIFY(cancel->parentWidget()->property("isCanelFrame").toBool());
    QCOMPARE(WaitingDialog::DEFAULT_BACKGROUND, QColor(56, 58, 63));
    QCOMPARE(WaitingDialog::DEFAULT_BORDER_COLOR, QColor(34, 33, 38));
}

void TestWaitingDialog::showWarningThenCancelArea()
{
    WaitingDialog* dialog = showOver(*m_host, QStringLiteral("Loading"), WaitingDialog::Warning);
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->property("WindowStateShow").toBool(), true);
    QCOMPARE(textLabelOf(dialog)->text(), QStringLiteral("Loading"));
    QCOMPARE(textColor(textLabelOf(dialog), QPalette::WindowText), QColor(Qt::yellow));
    QVERIFY(!cancelButtonOf(dialog)->isVisible());
    QCOMPARE(dialog->indicatorSize(), WaitingDialog::Large);

    dialog->setCanelVisible(true);
    QVERIFY(cancelButtonOf(dialog)->isVisible());
    QVERIFY(cancelButtonOf(dialog)->isEnabled());
    QCOMPARE(dialog->indicatorSize(), WaitingDialog::Medium);

    // Showing again hides the cancel area.
    QTest::ignoreMessage(QtDebugMsg, "show waitingdialog info: \"Connecting\"");
    dialog->showWaitingDialog(QStringLiteral("Connecting"), WaitingDialog::Normal);
    QVERIFY(!cancelButtonOf(dialog)->isVisible());
    QCOMPARE(dialog->indicatorSize(), WaitingDialog::Large);
    QCOMPARE(textColor(textLabelOf(dialog), QPalette::WindowText), QColor(Qt::white));
}

void TestWaitingDialog::severityColours_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QColor>("color");
    QTest::newRow("normal") << int(WaitingDialog::Normal) << QColor(Qt::white);
    QTest::newRow("warning") << int(WaitingDialog::Warning) << QColor(Qt::yellow);
    QTest::newRow("error") << int(WaitingDialog::Error) << QColor(Qt::red);
}

void TestWaitingDialog::severityColours()
{
    QFETCH(int, level);
    QFETCH(QColor, color);
    WaitingDialog* dialog = WaitingDialog::instance();
    dialog->setInformativeText(QStringLiteral("Upgrading"), WaitingDialog::TooltipLevel(level));
    QCOMPARE(dialog->informativeText(), QStringLiteral("Upgrading"));
    QLabel* label = textLabelOf(dialog);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(label->palette().color(group, QPalette::WindowText), color);
}

void TestWaitingDialog::severityShowsUnderHostStyleSheet()
{
    HostStyleSheet sheet;
    WaitingDialog* dialog = showOver(*m_host, QStringLiteral("Disk error"), WaitingDialog::Error);
    QVERIFY(dialog);
    QLabel* label = textLabelOf(dialog);
    QCOMPARE(textColor(label, QPalette::WindowText), QColor(Qt::red));
    QVERIFY(showsColour(label, Qt::red));

    dialog->setInformativeText(QStringLiteral("Still busy"), WaitingDialog::Warning);
    QCOMPARE(textColor(label, QPalette::WindowText), QColor(Qt::yellow));
    QVERIFY(showsColour(label, Qt::yellow));
    QVERIFY(!showsColour(label, Qt::red));
}

void TestWaitingDialog::cancelReportsOnce()
{
    WaitingDialog* dialog = showOver(*m_host, QStringLiteral("Capturing"));
    QVERIFY(dialog);
    dialog->setCanelVisible(true);
    dialog->setButtonText(QStringLiteral("Stop"));
    QCOMPARE(cancelButtonOf(dialog)->text(), QStringLiteral("Stop"));
    QSignalSpy cancelled(dialog, &WaitingDialog::signal_canelLoad);

    QTest::mouseClick(cancelButtonOf(dialog), Qt::LeftButton);
    QCOMPARE(cancelled.count(), 1);
    QVERIFY(!cancelButtonOf(dialog)->isEnabled());
    // A disabled button cannot report a second time.
    QTest::mouseClick(cancelButtonOf(dialog), Qt::LeftButton);
    QCOMPARE(cancelled.count(), 1);

    dialog->setCancelEnable(true);
    QVERIFY(cancelButtonOf(dialog)->isEnabled());
}

void TestWaitingDialog::closeEscapeAndAltAreRefused()
{
    WaitingDialog* dialog = showOver(*m_host, QStringLiteral("Saving"));
    QVERIFY(dialog);
    QSignalSpy rejected(dialog, &QDialog::rejected);

    QTest::ignoreMessage(QtDebugMsg, "Close ");
    QVERIFY(!dialog->close());
    QVERIFY(dialog->isVisible());
    QCOMPARE(rejected.count(), 0);

    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(dialog->isVisible());
    QCOMPARE(rejected.count(), 0);

    QTest::ignoreMessage(QtDebugMsg, "Key_Alt KeyPresss");
    QTest::keyPress(dialog, Qt::Key_Alt);
    QTest::ignoreMessage(QtDebugMsg, "Close ");
    QVERIFY(!dialog->close()); // Alt+F4
    QTest::ignoreMessage(QtDebugMsg, "Key_Alt KeyRelease");
    QTest::keyRelease(dialog, Qt::Key_Alt);
    QVERIFY(dialog->isVisible());

    QTest::ignoreMessage(QtDebugMsg, "keyPress : 65");
    QTest::ignoreMessage(QtDebugMsg, "keyRelease : 65");
    QTest::keyClick(dialog, Qt::Key_A);
    QVERIFY(dialog->isVisible());
}

void TestWaitingDialog::hideTwiceWarns()
{
    WaitingDialog* dialog = showOver(*m_host, QStringLiteral("Loading"));
    QVERIFY(dialog);
    dialog->setCanelVisible(true);

    QTest::ignoreMessage(QtDebugMsg, "hide waitingdialog");
    dialog->hideWaitingDialog();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->informativeText(), QString());
    QCOMPARE(dialog->property("WindowStateShow").toBool(), false);
    QCOMPARE(dialog->indicatorSize(), WaitingDialog::Large);

    QTest::ignoreMessage(QtDebugMsg, "hide waitingdialog");
    QTest::ignoreMessage(QtWarningMsg, "Fail to hide waitingdialog: isHidden() == true");
    dialog->hideWaitingDialog();
    QVERIFY(!dialog->isVisible());

    // It comes back as often as needed.
    QTest::ignoreMessage(QtDebugMsg, "show waitingdialog info: \"Again\"");
    dialog->showWaitingDialog(QStringLiteral("Again"));
    QVERIFY(dialog->isVisible());
    dialog->hide();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->property("WindowStateShow").toBool(), false);
}

void TestWaitingDialog::indicatorSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("small") << int(WaitingDialog::Small);
    QTest::newRow("medium") << int(WaitingDialog::Medium);
    QTest::newRow("large") << int(WaitingDialog::Large);
}

void TestWaitingDialog::indicatorSizes()
{
    QFETCH(int, size);
    WaitingDialog* dialog = WaitingDialog::instance();
    dialog->setIndicatorSize(WaitingDialog::IndicatorSize(size));
    QCOMPARE(int(dialog->indicatorSize()), size);
    const QSize hint = dialog->sizeHint();
    QVERIFY(!hint.isEmpty());
    if (size > WaitingDialog::Small) {
        dialog->setIndicatorSize(WaitingDialog::IndicatorSize(size - 1));
        QVERIFY(dialog->sizeHint().width() <= hint.width());
    }
}

void TestWaitingDialog::indicatorTurnsWhileShown()
{
    WaitingDialog* dialog = showOver(*m_host, QStringLiteral("Loading"));
    QVERIFY(dialog);
    const QImage first = dialog->grab().toImage();
    QCOMPARE(QColor(first.pixel(first.width() / 2, first.height() - 4)), WaitingDialog::DEFAULT_BACKGROUND);
    QCOMPARE(QColor(first.pixel(0, first.height() / 2)), WaitingDialog::DEFAULT_BORDER_COLOR);
    QTRY_VERIFY(dialog->grab().toImage() != first);
}

void TestWaitingDialog::placement()
{
    m_host->setGeometry(100, 80, 800, 600);
    WaitingDialog* dialog = showOver(*m_host, QStringLiteral("Loading"));
    QVERIFY(dialog);
    const QPoint hostCentre = m_host->mapToGlobal(m_host->rect().center());
    QVERIFY((dialog->geometry().center() - hostCentre).manhattanLength() <= 2);

    QWidget other;
    other.setGeometry(300, 300, 400, 400);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    dialog->attachToWidget(&other);
    QCOMPARE(dialog->parentWidget(), &other);
    QVERIFY(dialog->isVisible());
    QVERIFY((dialog->geometry().center() - other.mapToGlobal(other.rect().center())).manhattanLength() <= 2);

    // The new parent's resizes re-centre it; the old parent's no longer do.
    other.resize(1000, 700);
    QTRY_VERIFY((dialog->geometry().center() - other.mapToGlobal(other.rect().center())).manhattanLength() <= 2);
    const QRect before = dialog->geometry();
    m_host->resize(300, 200);
    QApplication::processEvents();
    QCOMPARE(dialog->geometry(), before);
}

void TestWaitingDialog::missingParentOnlyDisablesCentring()
{
    WaitingDialog* dialog = WaitingDialog::instance();
    QTest::ignoreMessage(QtDebugMsg, "show waitingdialog info: \"Alone\"");
    QTest::ignoreMessage(QtWarningMsg, "parentWidget is null!");
    dialog->showWaitingDialog(QStringLiteral("Alone"));
    QVERIFY(dialog->isVisible());
    QTest::ignoreMessage(QtWarningMsg, "parentWidget is null!");
    dialog->moveToCenter();
    QTest::ignoreMessage(QtWarningMsg, "parentWidget is null!");
    dialog->resizeToParent();
    QCOMPARE(dialog->size(), QSize(335, 178));
}

// ---------------------------------------------------------------------------------------------

void TestWaitingDialog::progressCountAndValue()
{
    ProgressBarCtr progress;
    auto* bar = progress.findChild<QProgressBar*>();
    QLabel* label = valueLabelOf(&progress);
    QCOMPARE(label->text(), QStringLiteral("0%"));
    QCOMPARE(label->property("FirmwareUpgradeLabel").toBool(), true);
    QVERIFY(!bar->isTextVisible());

    progress.setCount(4);
    QCOMPARE(bar->maximum(), 400);
    walkProgress(progress,
        {{"half way", [](ProgressBarCtr& p) { p.setCurrentValue(200); }, QStringLiteral("50%"), 200, Qt::white},
            {"just short", [](ProgressBarCtr& p) { p.setCurrentValue(399.9); }, QStringLiteral("99%"), -1, {}},
            {"full", [](ProgressBarCtr& p) { p.setCurrentValue(400); }, QStringLiteral("Succeed"), -1, Qt::green}});
    QCOMPARE(bar->value(), 400);
    // A value past the bar's range is ignored by the bar, as Qt's bar does.
    progress.setCount(1);
    progress.setCurrentValue(50);
    progress.setCurrentValue(150);
    QCOMPARE(bar->value(), 50);
}

void TestWaitingDialog::progressProcess_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bar");
    QTest::newRow("half") << 50.0 << QStringLiteral("50%") << 50;
    QTest::newRow("fraction") << 99.5 << QStringLiteral("99.5%") << 99;
    QTest::newRow("tiny") << 0.25 << QStringLiteral("0.25%") << 0;
    QTest::newRow("done") << 100.0 << QStringLiteral("Succeed") << 100;
    QTest::newRow("almost exactly done") << 100.0000001 << QStringLiteral("Succeed") << 100;
}

void TestWaitingDialog::progressProcess()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(int, bar);
    ProgressBarCtr progress;
    progress.setProcess(value);
    QCOMPARE(valueLabelOf(&progress)->text(), text);
    QCOMPARE(progress.currentValue(), bar);
}

void TestWaitingDialog::progressStates()
{
    ProgressBarCtr progress;
    QLabel* label = valueLabelOf(&progress);
    progress.setCurrentValue(30);
    walkProgress(progress,
        {{"error", [](ProgressBarCtr& p) { p.setError(); }, QStringLiteral("Failure"), 0, Qt::red},
            {"error with text", [](ProgressBarCtr& p) { p.setError(QStringLiteral("Disk full")); },
                QStringLiteral("Disk full"), -1, {}},
            {"info", [](ProgressBarCtr& p) { p.setInfo(QStringLiteral("Waiting for device")); },
                QStringLiteral("Waiting for device"), -1, Qt::white},
            {"finish", [](ProgressBarCtr& p) { p.setFinish(); }, QStringLiteral("Succeed"), 100, {}},
            {"special process", [](ProgressBarCtr& p) { p.setSpecialProcess(30); }, QStringLiteral("Failure"), 30,
                Qt::red},
            {"special value", [](ProgressBarCtr& p) { p.setSpecialValue(60); }, QStringLiteral("60%"), -1, Qt::white},
            {"special value at the end", [](ProgressBarCtr& p) { p.setSpecialValue(100); }, QStringLiteral("Failure"),
                100, Qt::red},
            {"clear", [](ProgressBarCtr& p) { p.Clear(); }, QStringLiteral("0%"), 0, Qt::white}});

    progress.show();
    QVERIFY(QTest::qWaitForWindowExposed(&progress));
    progress.setProcessShow(false);
    QVERIFY(!label->isVisible());
    QVERIFY(!progress.findChild<QProgressBar*>()->isVisible());
    progress.setProcessShow(true);
    QVERIFY(label->isVisible());

    // The state colour is what the label shows, in spite of its grey style sheet.
    progress.setError();
    QCOMPARE(textColor(label, QPalette::WindowText), QColor(Qt::red));
}

void TestWaitingDialog::progressBadCounts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("maximum");
    QTest::newRow("zero") << 0 << 100;
    QTest::newRow("negative") << -3 << 100;
    QTest::newRow("huge") << INT_MAX << INT_MAX;
}

void TestWaitingDialog::progressBadCounts()
{
    QFETCH(int, count);
    QFETCH(int, maximum);
    ProgressBarCtr progress;
    progress.setCount(count);
    QCOMPARE(progress.findChild<QProgressBar*>()->maximum(), maximum);
    progress.setCurrentValue(50);
    QVERIFY(valueLabelOf(&progress)->text().endsWith(QLatin1Char('%')));

    QTest::ignoreMessage(QtWarningMsg, "ProgressBarCtr: refused a progress that is not a number: nan");
    progress.setProcess(qQNaN());
    QCOMPARE(progress.currentValue(), 50);
}

void TestWaitingDialog::progressStateShowsOverItsGreySheet()
{
    HostStyleSheet sheet;
    ProgressBarCtr progress;
    progress.show();
    QVERIFY(QTest::qWaitForWindowExposed(&progress));
    QLabel* label = valueLabelOf(&progress);
    QVERIFY(showsColour(label, QColor(146, 146, 146)));

    progress.setError();
    QCOMPARE(textColor(label, QPalette::ButtonText), QColor(Qt::red));
    QVERIFY(showsColour(label, Qt::red));
    progress.setFinish();
    QCOMPARE(textColor(label, QPalette::ButtonText), QColor(Qt::green));
    QVERIFY(showsColour(label, Qt::green));
    QVERIFY(!showsColour(label, Qt::red));
}

void TestWaitingDialog::maskProgress()
{
    QToolButton panel;
    auto* mask = new MaskProgressWidget(&panel);
    QVERIFY(mask->isCheckable());
    QCOMPARE(mask->property("maskProgress").toBool(), true);
    QVERIFY(mask->acceptDrops());
    QVERIFY(mask->hasMouseTracking());
    auto* bar = mask->findChild<QProgressBar*>();
    QCOMPARE(bar->property("isMaskProgress").toBool(), true);
    QCOMPARE(bar->height(), 10);

    mask->setProgressValue(42);
    QCOMPARE(bar->value(), 42);
    QCOMPARE(mask->findChild<QLabel*>()->text(), QStringLiteral("42%"));
    mask->setProgressValue(255);
    QCOMPARE(mask->findChild<QLabel*>()->text(), QStringLiteral("255%"));
    QCOMPARE(bar->value(), 42); // beyond the bar's range: the bar keeps its value
}

void TestWaitingDialog::maskPanel()
{
    QFrame panel;
    auto* mask = new MaskPanelWidget(&panel);
    QVERIFY(mask->pixmapPath().endsWith(QStringLiteral("/share/themes/dark/images/bg_device_loading.png")));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("loading.png"));
    QImage image(40, 40, QImage::Format_ARGB32);
    image.fill(QColor(200, 20, 20));
    QVERIFY(image.save(path));
    mask->setPixmapPath(path);
    mask->setText(QStringLiteral("Device loading"));
    QCOMPARE(mask->text(), QStringLiteral("Device loading"));
    mask->resize(200, 160);

    const QImage picture = mask->grab().toImage();
    const QColor corner = picture.pixelColor(2, 2);
    QCOMPARE(corner.alpha(), 200);
    QCOMPARE(corner.red(), 0);
    QCOMPARE(picture.pixelColor(100, 70), QColor(200, 20, 20));
}

QTEST_MAIN(TestWaitingDialog)
#include "tst_waitingdialog.moc"
