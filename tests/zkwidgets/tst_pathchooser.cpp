#include "common/testsupport.h"

#include <zkwidgets/pathchooser.h>

#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

using ZK::Utils::PathChooser;

class tst_PathChooser : public QObject
{
    Q_OBJECT

private slots:
    void partsAndSettings();
    void setPathFromCode();
    void typedPathIsReportedOnConfirm();
    void clearingTheLineEditReportsNothing();
    void browseIsRefusedHeadless();
};

void tst_PathChooser::partsAndSettings()
{
    PathChooser chooser;
    QCOMPARE(chooser.lineEdit(), chooser.findChild<QLineEdit*>(QStringLiteral("PathChooserLineEdit")));
    QCOMPARE(chooser.browseButton(), chooser.findChild<QToolButton*>(QStringLiteral("PathChooserBrowseButton")));
    QCOMPARE(chooser.browseButton()->text(), QStringLiteral("Browse..."));
    chooser.setExpectedKind(PathChooser::File);
    chooser.setPromptDialogFilter(QStringLiteral("EDID files (*.bin *.dat)"));
    chooser.setPromptDialogTitle(QStringLiteral("Choose an EDID file"));
    QCOMPARE(chooser.expectedKind(), PathChooser::File);
    QCOMPARE(chooser.promptDialogFilter(), QStringLiteral("EDID files (*.bin *.dat)"));
    QCOMPARE(chooser.promptDialogTitle(), QStringLiteral("Choose an EDID file"));
    QCOMPARE(chooser.path(), QString());
}

void tst_PathChooser::setPathFromCode()
{
    PathChooser chooser;
    QSignalSpy spy(&chooser, &PathChooser::pathChanged);
    chooser.setPath(QStringLiteral("/media/usb0/edid/custom.bin"));
    QCOMPARE(chooser.path(), QStringLiteral("/media/usb0/edid/custom.bin"));
    QCOMPARE(chooser.lineEdit()->text(), QStringLiteral("/media/usb0/edid/custom.bin"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("/media/usb0/edid/custom.bin"));
    chooser.setPath(QStringLiteral("/media/usb0/edid/custom.bin"));
    QCOMPARE(spy.count(), 1);
    chooser.setPath(QString());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toString(), QString());
}

void tst_PathChooser::typedPathIsReportedOnConfirm()
{
    PathChooser chooser;
    QSignalSpy spy(&chooser, &PathChooser::pathChanged);
    QTest::keyClicks(chooser.lineEdit(), QStringLiteral("/tmp/a.bin"));
    QCOMPARE(spy.count(), 0);
    QTest::keyClick(chooser.lineEdit(), Qt::Key_Return);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("/tmp/a.bin"));
    QCOMPARE(chooser.path(), QStringLiteral("/tmp/a.bin"));
}

void tst_PathChooser::clearingTheLineEditReportsNothing()
{
    PathChooser chooser;
    chooser.setPath(QStringLiteral("/tmp/template.bin"));
    QSignalSpy spy(&chooser, &PathChooser::pathChanged);
    chooser.lineEdit()->clear();
    QCOMPARE(chooser.path(), QString());
    QCOMPARE(spy.count(), 0);
    // Setting the old path again is a change of what the field shows, so it is reported.
    chooser.setPath(QStringLiteral("/tmp/template.bin"));
    QCOMPARE(spy.count(), 1);
}

void tst_PathChooser::browseIsRefusedHeadless()
{
    PathChooser chooser;
    chooser.setPath(QStringLiteral("/tmp/x.bin"));
    QSignalSpy spy(&chooser, &PathChooser::pathChanged);
    chooser.show();
    QTest::ignoreMessage(QtWarningMsg, "PathChooser: no browse window on a headless platform");
    QTest::mouseClick(chooser.browseButton(), Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(chooser.path(), QStringLiteral("/tmp/x.bin"));
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(tst_PathChooser)
#include "tst_pathchooser.moc"
