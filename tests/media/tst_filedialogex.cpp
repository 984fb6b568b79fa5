#include "common/testsupport.h"
#include "media/filedialoganswer.h"

#include <vireowidgets/media/filedialogex.h>

#include <vireomodel/fixture.h>
#include <vireomodel/utils.h>
#include <zkwidgets/framelessmessagebox.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Vireo::Widgets;
using ZK::Widgets::FramelessMessageBox;
using ZK::Widgets::MessageBoxCall;
using Model = FileDialogExRightListModel;

QT_WARNING_DISABLE_DEPRECATED // DirectoryOnly is one of the modes under test

Q_DECLARE_METATYPE(QFileDialog::FileMode) Q_DECLARE_METATYPE(QFileDialog::AcceptMode)

    namespace
{

    void writeFile(const QString& path, const QByteArray& bytes = QByteArray("x"))
    {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
        file.write(bytes);
    }

    QStringList listedNames(FileDialogEx * dialog)
    {
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listViewRight"));
        QStringList names;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            names << view->model()->index(row, 0).data().toString();
        return names;
    }

    QModelIndex rowNamed(FileDialogEx * dialog, const QString& name)
    {
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listViewRight"));
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            const QModelIndex index = view->model()->index(row, 0);
            if (index.data().toString() == name)
                return index;
        }
        return {};
    }

    void selectNames(FileDialogEx * dialog, const QStringList& names)
    {
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listViewRight"));
        QItemSelection selection;
        for (const QString& name : names) {
            const QModelIndex index = rowNamed(dialog, name);
            QVERIFY2(index.isValid(), qPrintable(name));
            selection.select(index, index);
        }
        view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }

    QImage iconImage(const QIcon& icon)
    {
        return icon.pixmap(32, 32).toImage();
    }

} // namespace

class tst_FileDialogEx : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void blkidOutput_data();
    void blkidOutput();
    void usbDriveTest_data();
    void usbDriveTest();

    void listing_data();
    void listing();
    void iconsBySuffix_data();
    void iconsBySuffix();
    void goToParentGoesUpAtOnce();
    void pathLabelShowsPortAndFolder();
    void formFollowsTheMode_data();
    void formFollowsTheMode();
    void severalSelectedNamesAreQuoted();
    void newDialogKeepsItsFormTexts();
    void okButtonEnabled_data();
    void okButtonEnabled();
    void typedNamesSelectEntries_data();
    void typedNamesSelectEntries();
    void accepting_data();
    void accepting();
    void enteringAFolderThatLeavesTheDrive();
    void escapeLeavesTheDialogOpen();
    void driveChanges();
    void refreshButtonRescans();
    void openConnectsUntilDone();

    void staticEntryPoints_data();
    void staticEntryPoints();

    void modelRoles_data();
    void modelRoles();
    void checkStatesAndDelegate();

private:
    std::unique_ptr<FileDialogEx> makeDialog(QFileDialog::FileMode mode, const QString& filter,
        QFileDialog::AcceptMode accept = QFileDialog::AcceptOpen, const QString& fileName = QString());

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_drive;
    QString m_outside;
};

void tst_FileDialogEx::init()
{
    Vireo::Fixture::reset();
    FileDialogEx::setUSBDriveProbe(QString(), QString());
    FramelessMessageBox::clearRecordedCalls();
    FramelessMessageBox::setTestResponder([](const MessageBoxCall&) { return QMessageBox::Ok; });

    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_drive = m_dir->filePath(QStringLiteral("drive"));
    m_outside = m_dir->filePath(QStringLiteral("outside"));
    QDir top(m_dir->path());
    for (const char* folder : {"drive/edid/deeper", "drive/Docs", "outside"})
        QVERIFY(top.mkpath(QLatin1String(folder)));
    for (const char* file : {"a.bin", "b.bin", "c.dat", "notes.txt", "Photo.JPG", "edid/x.bin"})
        writeFile(m_drive + QLatin1Char('/') + QLatin1String(file));
    m_drive = QFileInfo(m_drive).canonicalFilePath();
    m_outside = QFileInfo(m_outside).canonicalFilePath();
    writeFile(m_outside + QStringLiteral("/secret.bin"));
    QVERIFY(QFile::link(m_outside, m_drive + QStringLiteral("/escape")));
    QVERIFY(QFile::link(m_outside + QStringLiteral("/secret.bin"), m_drive + QStringLiteral("/leak.bin")));
    QVERIFY(QFile::link(m_outside + QStringLiteral("/new.bin"), m_drive + QStringLiteral("/dangling.bin")));
    Vireo::Utils::UDiskWatcher::setDrives({{QStringLiteral("sdb1"), m_drive}});
}

void tst_FileDialogEx::cleanup()
{
    Vireo::Test::cancelFileDialogAnswers();
    FramelessMessageBox::clearTestResponder();
    FileDialogEx::setUSBDriveProbe(QString(), QString());
    Vireo::Fixture::reset();
    m_dir.reset();
}

std::unique_ptr<FileDialogEx> tst_FileDialogEx::makeDialog(
    QFileDialog::FileMode mode, const QString& filter, QFileDialog::AcceptMode accept, const QString& fileName)
{
    auto dialog = std::make_unique<FileDialogEx>(nullptr, fileName, QStringLiteral("Pick"), QString(), filter);
    dialog->setFileMode(mode);
    dialog->setAcceptMode(accept);
    dialog->show();
    if (!Vireo::Test::waitForDrive(dialog.get()))
        qWarning("no drive was listed");
    return dialog;
}

// ---- the USB drive test -------------------------------------------------------------------

void tst_FileDialogEx::blkidOutput_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QStringList>("mounted");
    QTest::addColumn<QString>("expected"); // "mount=label;..."

    const QStringList mounted = {QStringLiteral("/mnt/sdb1"), QStringLiteral("/mnt/sdc")};
    QTest::newRow("partition with a label")
        << QByteArray("/dev/sdb1: LABEL=\"KINGSTON\" UUID=\"12-34\" TYPE=\"vfat\"\n") << mounted
        << "/mnt/sdb1=KINGSTON";
    QTest::newRow("no mount folder") << QByteArray("/dev/sdd1: LABEL=\"X\"\n") << mounted << "";
    QTest::newRow("not a SCSI disk") << QByteArray("/dev/mmcblk0p1: LABEL=\"BOOT\"\n/dev/nvme0n1: TYPE=\"x\"\n")
                                     << QStringList({QStringLiteral("/mnt/mmcblk0p1")}) << "";
    QTest::newRow("no label") << QByteArray("/dev/sdc: UUID=\"1\" TYPE=\"exfat\"") << mounted << "/mnt/sdc=";
    QTest::newRow("partition label is not the label")
        << QByteArray("/dev/sdb1: UUID=\"1\" PARTLABEL=\"EFI\"\n") << mounted << "/mnt/sdb1=";
    QTest::newRow("label after a partition label")
        << QByteArray("/dev/sdb1: PARTLABEL=\"EFI\" LABEL=\"DATA\"\n") << mounted << "/mnt/sdb1=DATA";
    QTest::newRow("no colon") << QByteArray("/dev/sdb1 LABEL=\"X\"\n") << mounted << "";
    QTest::newRow("two drives") << QByteArray("/dev/sdc: LABEL=\"B\"\n\n/dev/sdb1: LABEL=\"A B\"\n") << mounted
                                << "/mnt/sdb1=A B;/mnt/sdc=B";
    QTest::newRow("unterminated label") << QByteArray("/dev/sdc: LABEL=\"OPEN") << mounted << "/mnt/sdc=OPEN";
    QTest::newRow("device name padded") << QByteArray("/dev/sdc : LABEL=\"P\"\n") << mounted << "/mnt/sdc=P";
    // A line longer than any read buffer stays one line: its tail is no device line of its own.
    QTest::newRow("long line") << QByteArray("/dev/loop0: LABEL=\"") + QByteArray(400, 'x') +
            QByteArray(" /dev/sdb1: LABEL=\"FAKE\"\"\n")
                               << mounted << "";
    QTest::newRow("long label kept whole") << QByteArray("/dev/sdb1: LABEL=\"") + QByteArray(500, 'L') +
            QByteArray("\"\n") << mounted << QStringLiteral("/mnt/sdb1=") + QString(500, QLatin1Char('L'));
}

void tst_FileDialogEx::blkidOutput()
{
    QFETCH(QByteArray, output);
    QFETCH(QStringList, mounted);
    QFETCH(QString, expected);
    const QMap<QString, QString> drives = FileDialogEx::parseBlkidOutput(output, mounted);
    QStringList found;
    for (auto it = drives.cbegin(); it != drives.cend(); ++it)
        found << it.key() + QLatin1Char('=') + it.value();
    QCOMPARE(found.join(QLatin1Char(';')), expected);
}

void tst_FileDialogEx::usbDriveTest_data()
{
    QTest::addColumn<bool>("mountFolderExists");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("expected");

    QTest::newRow("mounted partition") << true << "printf '/dev/sdb1: LABEL=\"USB\"\\n'" << true;
    QTest::newRow("partition not mounted") << true << "printf '/dev/sdz9: LABEL=\"USB\"\\n'" << false;
    QTest::newRow("no output") << true << "true" << false;
    QTest::newRow("no mount folder") << false << "printf '/dev/sdb1: LABEL=\"USB\"\\n'" << false;
}

void tst_FileDialogEx::usbDriveTest()
{
    QFETCH(bool, mountFolderExists);
    QFETCH(QString, command);
    QFETCH(bool, expected);
    const QString mnt = m_dir->filePath(QStringLiteral("mnt"));
    if (mountFolderExists)
        QVERIFY(QDir().mkpath(mnt + QStringLiteral("/sdb1")));
    FileDialogEx::setUSBDriveProbe(mnt, command);
    QCOMPARE(FileDialogEx::usbMountFolder(), mnt + QLatin1Char('/'));
    if (!mountFolderExists)
        QTest::ignoreMessage(QtCriticalMsg, qPrintable(QStringLiteral("Dir not exist. \"%1/\"").arg(mnt)));
    QCOMPARE(FileDialogEx::judgeUSBDrivePath(), expected);
}

// ---- listing ------------------------------------------------------------------------------

void tst_FileDialogEx::listing_data()
{
    QTest::addColumn<QFileDialog::FileMode>("mode");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("folder"); // entered below the root, "" for the root
    QTest::addColumn<QStringList>("expected");

    const QStringList folders = {"Docs", "edid", "escape"};
    const auto file = QFileDialog::ExistingFile;
    const QString atRoot = QLatin1String("");
    QTest::newRow("one pattern") << file << "EDID (*.bin)" << atRoot
                                 << folders + QStringList({"a.bin", "b.bin", "leak.bin"});
    QTest::newRow("two patterns") << file << "EDID files (*.bin *.dat)" << atRoot
                                  << folders + QStringList({"a.bin", "b.bin", "c.dat", "leak.bin"});
    QTest::newRow("patterns without parentheses") << QFileDialog::AnyFile << "*.bin *.dat" << atRoot
                                                  << folders + QStringList({"a.bin", "b.bin", "c.dat", "leak.bin"});
    QTest::newRow("second type on a new line")
        << file << "Text (*.txt)\nEDID (*.bin)" << atRoot << folders + QStringList({"notes.txt"});
    QTest::newRow("empty filter lists folders") << file << "" << atRoot << folders;
    QTest::newRow("folder mode lists folders") << QFileDialog::DirectoryOnly << "EDID (*.bin)" << atRoot << folders;
    QTest::newRow("one level down") << file << "EDID (*.bin)" << QString("edid")
                                    << QStringList({"Go to parent", "deeper", "x.bin"});
    QTest::newRow("two levels down") << file << "EDID (*.bin)" << QString("edid/deeper")
                                     << QStringList({"Go to parent"});
}

void tst_FileDialogEx::listing()
{
    QFETCH(QFileDialog::FileMode, mode);
    QFETCH(QString, filter);
    QFETCH(QString, folder);
    QFETCH(QStringList, expected);
    auto dialog = makeDialog(mode, filter);
    if (!folder.isEmpty())
        dialog->d_func()->enterDirectory(m_drive + QLatin1Char('/') + folder);
    QCOMPARE(listedNames(dialog.get()), expected);
    const auto* model = dialog->findChild<Model*>();
    QCOMPARE(model->currentPath(), QFileInfo(m_drive + QLatin1Char('/') + folder).canonicalFilePath());
}

void tst_FileDialogEx::iconsBySuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("icon");
    const QList<QPair<QString, QStringList>> icons = {// icon, names shown with it
        {"icon_setting_u_image_normal_2x", {"a.jpg", "a.JPGE", "a.png", "a.bmp"}},
        {"icon_setting_u_video_normal_2x", {"a.mp4", "a.flv", "a.AVI"}},
        {"icon_setting_u_word_normal_2x", {"a.doc", "a.docx"}}, {"icon_setting_u_execl_normal_2x", {"a.xls", "a.xlsx"}},
        {"icon_setting_u_ppt_normal_2x", {"a.ppt", "a.pptx"}}, {"icon_setting_u_zip_normal_2x", {"a.zip"}},
        {"icon_setting_u_vireo_2x", {"a.vireopro", "a.vireo"}}, {"icon_setting_u_up_2x", {"a.img"}},
        {"icon_setting_u_orther_2x", {"a.bin", "noext"}}, {"icon_setting_u_file_normal", {"folder/"}}};
    for (const auto& icon : icons) {
        for (const QString& name : icon.second)
            QTest::newRow(qPrintable(name)) << name << icon.first;
    }
}

void tst_FileDialogEx::iconsBySuffix()
{
    QFETCH(QString, name);
    QFETCH(QString, icon);
    const QString folder = m_dir->filePath(QStringLiteral("icons"));
    QVERIFY(QDir().mkpath(folder));
    if (name.endsWith(QLatin1Char('/')))
        QVERIFY(QDir().mkpath(folder + QLatin1Char('/') + name));
    else
        writeFile(folder + QLatin1Char('/') + name);
    Model model(folder);
    model.setFilter({QStringLiteral("*")});
    model.entryDirectory(folder, QDir::Files);
    const QString entry = name.endsWith(QLatin1Char('/')) ? name.chopped(1) : name;
    const QModelIndex index = model.indexFromPath(folder + QLatin1Char('/') + entry);
    QVERIFY(index.isValid());
    QCOMPARE(iconImage(index.data(Qt::DecorationRole).value<QIcon>()), iconImage(Vireo::Utils::Icon::fromTheme(icon)));
}

void tst_FileDialogEx::goToParentGoesUpAtOnce()
{
    auto dialog = makeDialog(QFileDialog::ExistingFile, QStringLiteral("EDID (*.bin)"));
    QVERIFY(!listedNames(dialog.get()).contains(QStringLiteral("Go to parent")));
    auto* view = dialog->findChild<QListView*>(QStringLiteral("listViewRight"));
    Vireo::Test::doubleClickEntry(view, rowNamed(dialog.get(), "edid"));
    QCOMPARE(listedNames(dialog.get()).value(0), QStringLiteral("Go to parent"));
    selectNames(dialog.get(), {QStringLiteral("Go to parent")});
    QCOMPARE(listedNames(dialog.get()).value(0), QStringLiteral("Docs"));
    QCOMPARE(dialog->findChild<Model*>()->currentPath(), QFileInfo(m_drive).canonicalFilePath());
}

void tst_FileDialogEx::pathLabelShowsPortAndFolder()
{
    auto dialog = makeDialog(QFileDialog::ExistingFile, QStringLiteral("EDID (*.bin)"));
    auto* label = dialog->findChild<QLabel*>(QStringLiteral("labelPath"));
    QCOMPARE(label->text(), QStringLiteral("SDB1/"));
    selectNames(dialog.get(), {QStringLiteral("edid")});
    QVERIFY(dialog->findChild<QPushButton*>(QStringLiteral("btnEnter"))->isEnabled());
    dialog->findChild<QPushButton*>(QStringLiteral("btnEnter"))->click();
    QCOMPARE(label->text(), QStringLiteral("SDB1/edid"));
    QCOMPARE(label->property("FullPath").toString(), QFileInfo(m_drive + QStringLiteral("/edid")).canonicalFilePath());
    QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("btnEnter"))->isEnabled());
}

void tst_FileDialogEx::formFollowsTheMode_data()
{
    QTest::addColumn<QFileDialog::FileMode>("mode");
    QTest::addColumn<QFileDialog::AcceptMode>("accept");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("okText");
    QTest::addColumn<QString>("shown"); // the name shown: a proposed save name takes the type's suffix

    const auto open = QFileDialog::AcceptOpen;
    const auto save = [](const char* row, const char* proposed, const char* filter, const char* shown) {
        QTest::newRow(row) << QFileDialog::AnyFile << QFileDialog::AcceptSave << QString(filter) << QString(proposed)
                           << "Save" << QString(shown);
    };
    const QString edid = QStringLiteral("EDID (*.bin)");
    const QString none;
    QTest::newRow("open") << QFileDialog::ExistingFile << open << edid << none << "Apply" << none;
    QTest::newRow("open several") << QFileDialog::ExistingFiles << open << edid << none << "Apply" << none;
    QTest::newRow("save") << QFileDialog::AnyFile << QFileDialog::AcceptSave << edid << none << "Save" << none;
    QTest::newRow("folder") << QFileDialog::Directory << open << edid << none << "Choose" << none;
    QTest::newRow("folder only") << QFileDialog::DirectoryOnly << open << edid << none << "Choose" << none;
    save("save, other suffix", "edid.txt", "EDID (*.bin)", "edid.bin");
    save("save, matching suffix", "edid.bin", "EDID (*.bin)", "edid.bin");
    save("save, second pattern matches", "edid.dat", "EDID (*.bin *.dat)", "edid.dat");
    save("save, no suffix", "EDID_HDMI", "EDID (*.bin)", "EDID_HDMI.bin");
    save("save, dots in the base name", "EDID_1.2_in.txt", "*.bin *.dat", "EDID_1.2_in.bin");
    save("save, any file", "edid.txt", "All (*)", "edid.txt");
}

void tst_FileDialogEx::formFollowsTheMode()
{
    QFETCH(QFileDialog::FileMode, mode);
    QFETCH(QFileDialog::AcceptMode, accept);
    QFETCH(QString, filter);
    QFETCH(QString, proposed);
    QFETCH(QString, okText);
    QFETCH(QString, shown);
    auto dialog = makeDialog(mode, filter, accept, proposed);
    QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->text(), okText);
    QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(), shown);
    auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    const bool folderMode = mode == QFileDialog::Directory || mode == QFileDialog::DirectoryOnly;
    QCOMPARE(combo->isEnabled(), !folderMode);
    QCOMPARE(combo->currentText(), folderMode ? QStringLiteral("Directories") : filter);
}

void tst_FileDialogEx::severalSelectedNamesAreQuoted()
{
    auto dialog = makeDialog(QFileDialog::ExistingFiles, QStringLiteral("EDID (*.bin *.dat)"));
    auto* view = dialog->findChild<QListView*>(QStringLiteral("listViewRight"));
    QCOMPARE(view->selectionMode(), QAbstractItemView::ExtendedSelection);
    selectNames(dialog.get(), {QStringLiteral("a.bin"), QStringLiteral("b.bin"), QStringLiteral("c.dat")});
    QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
        QStringLiteral("\"a.bin\" \"b.bin\" \"c.dat\""));
    QCOMPARE(dialog->selectedFiles(),
        QStringList({m_drive + QStringLiteral("/a.bin"), m_drive + QStringLiteral("/b.bin"),
            m_drive + QStringLiteral("/c.dat")}));
}

// Until a mode is set the button keeps the form's "OK"; every filter entry is kept, empty ones too.
void tst_FileDialogEx::newDialogKeepsItsFormTexts()
{
    FileDialogEx dialog(nullptr, QString(), QStringLiteral("Cap"), QString(), QStringLiteral("EDID (*.bin)"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->text(), QStringLiteral("OK"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->text(), QStringLiteral("Apply"));

    FileDialogEx plain;
    QCOMPARE(plain.findChild<QPushButton*>(QStringLiteral("btnOK"))->text(), QStringLiteral("OK"));
    plain.setNameFilter(QStringLiteral("A (*.a);;;;B (*.b)"));
    QCOMPARE(plain.nameFilters(), (QStringList {"A (*.a)", "", "B (*.b)"}));
    auto* combo = plain.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QCOMPARE(combo->count(), 3);
    // A new list applies its first entry, and the box shows that one, whatever was chosen before.
    combo->setCurrentIndex(1);
    plain.setNameFilter(QStringLiteral("C (*.c);;D (*.d)"));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->currentText(), QStringLiteral("C (*.c)"));
}

void tst_FileDialogEx::okButtonEnabled_data()
{
    QTest::addColumn<QFileDialog::FileMode>("mode");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("open, nothing") << QFileDialog::ExistingFile << QStringList() << "" << false;
    QTest::newRow("open, a file") << QFileDialog::ExistingFile << QStringList({"a.bin"}) << "" << true;
    QTest::newRow("open, a folder") << QFileDialog::ExistingFile << QStringList({"edid"}) << "" << false;
    QTest::newRow("open, typed") << QFileDialog::ExistingFile << QStringList() << "other.bin" << true;
    QTest::newRow("open, network name") << QFileDialog::ExistingFile << QStringList() << "//server" << true;
    QTest::newRow("save, nothing") << QFileDialog::AnyFile << QStringList() << "" << false;
    QTest::newRow("save, typed") << QFileDialog::AnyFile << QStringList() << "new.bin" << true;
    QTest::newRow("folder, nothing") << QFileDialog::Directory << QStringList() << "" << true;
}

void tst_FileDialogEx::okButtonEnabled()
{
    QFETCH(QFileDialog::FileMode, mode);
    QFETCH(QStringList, selected);
    QFETCH(QString, typed);
    QFETCH(bool, enabled);
    auto dialog = makeDialog(mode, QStringLiteral("EDID (*.bin)"));
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    edit->clear();
    if (!selected.isEmpty())
        selectNames(dialog.get(), selected);
    if (!typed.isEmpty()) {
        edit->setFocus();
        QTest::keyClicks(edit, typed);
    }
    QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->isEnabled(), enabled);
}

void tst_FileDialogEx::typedNamesSelectEntries_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("selected");
    QTest::newRow("one name") << "b.bin" << QStringList({"b.bin"});
    QTest::newRow("quoted names") << "\"a.bin\" \"c.dat\"" << QStringList({"a.bin", "c.dat"});
    QTest::newRow("a folder") << "edid" << QStringList({"edid"});
    QTest::newRow("unknown name") << "zzz.bin" << QStringList();
    QTest::newRow("one of two unknown") << "\"a.bin\" \"zzz.bin\"" << QStringList();
    QTest::newRow("network name") << "//a.bin" << QStringList();
}

void tst_FileDialogEx::typedNamesSelectEntries()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, selected);
    auto dialog = makeDialog(QFileDialog::ExistingFiles, QStringLiteral("EDID (*.bin *.dat)"));
    selectNames(dialog.get(), {QStringLiteral("b.bin")});
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, typed);
    QStringList names;
    for (const QModelIndex& index :
        dialog->findChild<QListView*>(QStringLiteral("listViewRight"))->selectionModel()->selectedIndexes())
        names << index.data().toString();
    names.sort();
    QCOMPARE(names, selected);
    QCOMPARE(edit->text(), typed); // selecting from the typed text does not rewrite it
}

void tst_FileDialogEx::accepting_data()
{
    QTest::addColumn<QFileDialog::FileMode>("mode");
    QTest::addColumn<QFileDialog::AcceptMode>("accept");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("emitted"); // fileSelected signals
    QTest::addColumn<QString>("warning"); // start of the warning text, "" for none

    const auto open = QFileDialog::AcceptOpen;
    const auto save = QFileDialog::AcceptSave;
    const auto file = QFileDialog::ExistingFile;
    const auto any = QFileDialog::AnyFile;
    const auto folder = QFileDialog::Directory;
    const QString outside = QStringLiteral("\nThis location is outside the USB flash disk.");
    const QString none;
    QTest::newRow("open existing") << file << open << "a.bin" << true << 1 << none;
    QTest::newRow("open missing") << file << open << "missing.bin" << false << 0
                                  << "missing.bin\nFile not found.\nPlease verify the correct file name was given.";
    QTest::newRow("open a folder") << file << open << "edid" << false << 0 << none;
    QTest::newRow("open below") << file << open << "edid/x.bin" << true << 1 << none;
    QTest::newRow("open through ..") << file << open << "../outside/secret.bin" << false << 0 << "secret.bin" + outside;
    QTest::newRow("open absolute") << file << open << "/etc/hostname" << false << 0 << "hostname" + outside;
    QTest::newRow("open a link out") << file << open << "leak.bin" << false << 0 << "leak.bin" + outside;
    QTest::newRow("open in a folder link out")
        << file << open << "escape/secret.bin" << false << 0 << "secret.bin" + outside;
    QTest::newRow("open two, one missing")
        << QFileDialog::ExistingFiles << open << "\"a.bin\" \"gone.bin\"" << false << 0 << "gone.bin\nFile not found.";
    QTest::newRow("save new") << any << save << "new.bin" << true << 1 << none;
    QTest::newRow("save new in a new folder") << any << save << "sub/new.bin" << true << 1 << none;
    QTest::newRow("save existing, no signal") << any << save << "a.bin" << true << 0 << none;
    QTest::newRow("save on a folder") << any << save << "edid" << false << 0 << none;
    QTest::newRow("save up and out") << any << save << "../../../../../../tmp/x.bin" << false << 0 << "x.bin" + outside;
    QTest::newRow("save through a dangling link")
        << any << save << "dangling.bin" << false << 0 << "dangling.bin" + outside;
    QTest::newRow("save a name too long") << any << save << QString(300, QLatin1Char('n')) << false << 0 << none;
    QTest::newRow("folder existing") << QFileDialog::DirectoryOnly << open << "edid" << true << 1 << none;
    QTest::newRow("folder missing")
        << folder << open << "nope" << false << 0
        << "nope\nDirectory not found.\nPlease verify the correct directory name was given.";
    QTest::newRow("folder given a file") << folder << open << "a.bin" << false << 0 << none;
    QTest::newRow("folder link out") << folder << open << "escape" << false << 0 << "escape" + outside;
}

void tst_FileDialogEx::accepting()
{
    QFETCH(QFileDialog::FileMode, mode);
    QFETCH(QFileDialog::AcceptMode, accept);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(int, emitted);
    QFETCH(QString, warning);

    auto dialog = makeDialog(mode, QStringLiteral("EDID (*.bin *.dat)"), accept);
    QSignalSpy fileSpy(dialog.get(), &FileDialogEx::fileSelected);
    QSignalSpy filesSpy(dialog.get(), &FileDialogEx::filesSelected);
    QSignalSpy acceptedSpy(dialog.get(), &QDialog::accepted);
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, typed);
    dialog->accept();

    QCOMPARE(acceptedSpy.count(), accepted ? 1 : 0);
    QCOMPARE(fileSpy.count(), emitted);
    QCOMPARE(filesSpy.count(), emitted);
    if (emitted)
        QCOMPARE(fileSpy.at(0).at(0).toString(), QDir::cleanPath(m_drive + QLatin1Char('/') + typed));
    const auto calls = FramelessMessageBox::recordedCalls();
    if (warning.isEmpty()) {
        QVERIFY(calls.isEmpty());
    } else {
        QCOMPARE(calls.size(), 1);
        QVERIFY2(calls.at(0).text.startsWith(warning), qPrintable(calls.at(0).text));
        QCOMPARE(calls.at(0).title, QStringLiteral("Pick"));
        QCOMPARE(calls.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QVERIFY(!QFileInfo::exists(m_outside + QStringLiteral("/new.bin")));
}

void tst_FileDialogEx::enteringAFolderThatLeavesTheDrive()
{
    auto dialog = makeDialog(QFileDialog::ExistingFile, QStringLiteral("EDID (*.bin)"));
    const QStringList before = listedNames(dialog.get());
    auto* view = dialog->findChild<QListView*>(QStringLiteral("listViewRight"));
    Vireo::Test::doubleClickEntry(view, rowNamed(dialog.get(), "escape"));
    QCOMPARE(listedNames(dialog.get()), before);
    QCOMPARE(FramelessMessageBox::recordedCalls().size(), 1);
    QVERIFY(FramelessMessageBox::recordedCalls().at(0).text.contains(QStringLiteral("outside the USB flash disk")));
}

void tst_FileDialogEx::escapeLeavesTheDialogOpen()
{
    auto dialog = makeDialog(QFileDialog::ExistingFile, QStringLiteral("EDID (*.bin)"));
    QSignalSpy rejected(dialog.get(), &QDialog::rejected);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(dialog->isVisible());
    QCOMPARE(rejected.count(), 0);
}

void tst_FileDialogEx::driveChanges()
{
    const QString second = m_dir->filePath(QStringLiteral("second"));
    QVERIFY(QDir().mkpath(second + QStringLiteral("/inner")));
    auto dialog = makeDialog(QFileDialog::ExistingFile, QStringLiteral("EDID (*.bin)"));
    auto* list = dialog->findChild<UDiskListWidget*>(QStringLiteral("frameUDiskList"));
    auto* label = dialog->findChild<QLabel*>(QStringLiteral("labelPath"));
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    dialog->d_func()->enterDirectory(m_drive + QStringLiteral("/edid"));

    // A second drive arrives: the first stays checked and keeps its folder.
    Vireo::Utils::UDiskWatcher::setDrives({{"sdc1", second}, {"sdb1", m_drive}});
    QTRY_COMPARE(list->itemCount(), 2);
    QCOMPARE(list->activatedUDiskListWidgetItem()->usbRootPath(), m_drive);
    QCOMPARE(label->text(), QStringLiteral("SDB1/edid"));
    QCOMPARE(listedNames(dialog.get()), QStringList({"Go to parent", "deeper", "x.bin"}));

    // The checked drive goes: the first remaining one is checked and listed.
    edit->setText(QStringLiteral("x.bin"));
    Vireo::Utils::UDiskWatcher::setDrives({{"sdc1", second}});
    QTRY_COMPARE(list->itemCount(), 1);
    QCOMPARE(list->activatedUDiskListWidgetItem()->usbPortName(), QStringLiteral("sdc1"));
    QCOMPARE(label->text(), QStringLiteral("SDC1/"));
    QCOMPARE(listedNames(dialog.get()), QStringList({"inner"}));

    // No drive at all: everything empties.
    Vireo::Utils::UDiskWatcher::setDrives({});
    QTRY_COMPARE(list->itemCount(), 0);
    QVERIFY(listedNames(dialog.get()).isEmpty());
    QCOMPARE(label->text(), QString());
    QCOMPARE(edit->text(), QString());
    QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->isEnabled());
    QVERIFY(dialog->selectedFiles().isEmpty());
}

void tst_FileDialogEx::refreshButtonRescans()
{
    auto dialog = makeDialog(QFileDialog::ExistingFile, QStringLiteral("EDID (*.bin)"));
    const int before = Vireo::Utils::UDiskWatcher::refreshCount();
    dialog->findChild<QToolButton*>(QStringLiteral("btnRefresh"))->click();
    QCOMPARE(Vireo::Utils::UDiskWatcher::refreshCount(), before + 1);
    auto* item = dialog->findChild<UDiskListWidget*>()->activatedUDiskListWidgetItem();
    QCOMPARE(item->size(), QSize(140, 60));
    QCOMPARE(item->toolTip(), m_drive);
}

void tst_FileDialogEx::openConnectsUntilDone()
{
    auto dialog = std::make_unique<FileDialogEx>(
        nullptr, QString(), QStringLiteral("Pick"), QString(), QStringLiteral("EDID (*.bin)"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    QLineEdit receiver;
    QStringList received;
    QObject::connect(&receiver, &QLineEdit::textChanged, &receiver, [&](const QString& text) { received << text; });
    dialog->open(&receiver, SLOT(setText(QString)));
    QVERIFY(dialog->isModal() || dialog->windowModality() != Qt::NonModal);
    QVERIFY(Vireo::Test::waitForDrive(dialog.get()));
    emit dialog->fileSelected(QStringLiteral("/first"));
    QCOMPARE(received, QStringList({"/first"}));
    dialog->done(QDialog::Rejected);
    emit dialog->fileSelected(QStringLiteral("/second"));
    QCOMPARE(received, QStringList({"/first"}));
}

// ---- the static entry points --------------------------------------------------------------

void tst_FileDialogEx::staticEntryPoints_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("chosen"); // entries selected, or typed when prefixed with "="
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("open one") << "open" << QStringList({"a.bin"}) << true << QStringList({"a.bin"});
    QTest::newRow("open cancelled") << "open" << QStringList({"a.bin"}) << false << QStringList();
    QTest::newRow("open several") << "openMany" << QStringList({"a.bin", "c.dat"}) << true
                                  << QStringList({"a.bin", "c.dat"});
    QTest::newRow("save typed") << "save" << QStringList({"=mine.bin"}) << true << QStringList({"mine.bin"});
    QTest::newRow("save proposed") << "save" << QStringList() << true << QStringList({"EDID_in.bin"});
    QTest::newRow("folder") << "folder" << QStringList({"Docs"}) << true << QStringList({"Docs"});
    QTest::newRow("folder shown") << "folder" << QStringList() << true << QStringList({""});
}

void tst_FileDialogEx::staticEntryPoints()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, chosen);
    QFETCH(bool, accept);
    QFETCH(QStringList, expected);

    QString caption;
    QString shownName;
    Vireo::Test::answerFileDialog([&](FileDialogEx* dialog) {
        caption = dialog->windowTitle();
        if (!Vireo::Test::waitForDrive(dialog)) {
            dialog->reject();
            return;
        }
        shownName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        QStringList select;
        for (const QString& name : chosen) {
            if (name.startsWith(QLatin1Char('='))) {
                auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                edit->setText(name.mid(1));
            } else {
                select << name;
            }
        }
        if (!select.isEmpty())
            selectNames(dialog, select);
        if (accept)
            dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        else
            dialog->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    });

    QStringList result;
    if (entry == QLatin1String("open"))
        result << FileDialogEx::getOpenFileName(nullptr, QStringLiteral("Open it"), QStringLiteral("EDID (*.bin)"));
    else if (entry == QLatin1String("openMany"))
        result = FileDialogEx::getOpenFileNames(nullptr, QStringLiteral("Open it"), QStringLiteral("E (*.bin *.dat)"));
    else if (entry == QLatin1String("save"))
        result << FileDialogEx::getSaveFileName(
            nullptr, QStringLiteral("Open it"), QStringLiteral("EDID_in.txt"), QStringLiteral("*.bin *.dat"));
    else
        result << FileDialogEx::getExistingDirectory(nullptr, QStringLiteral("Open it"));
    result.removeAll(QString());

    QStringList paths;
    for (const QString& name : expected)
        paths << QDir::cleanPath(QFileInfo(m_drive).canonicalFilePath() + QLatin1Char('/') + name);
    QCOMPARE(caption, QStringLiteral("Open it"));
    QCOMPARE(result, paths);
    if (entry == QLatin1String("save"))
        QCOMPARE(shownName, QStringLiteral("EDID_in.bin"));
}

// ---- the model and the delegate -----------------------------------------------------------

void tst_FileDialogEx::modelRoles_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QVariant>("readBack");
    QTest::newRow("name") << int(Model::DisplayRole) << QVariant("z.bin") << true << QVariant("z.bin");
    QTest::newRow("check true") << int(Model::CheckStateRole) << QVariant(true) << true << QVariant(int(Qt::Checked));
    QTest::newRow("check false") << int(Model::CheckStateRole) << QVariant(false) << true
                                 << QVariant(int(Qt::Unchecked));
    QTest::newRow("way up") << int(Model::IsReturnRole) << QVariant(true) << true << QVariant(true);
    QTest::newRow("path") << int(Model::FilePathRole) << QVariant("/p/q") << true << QVariant("/p/q");
    QTest::newRow("root path") << int(Model::RootPathRole) << QVariant("/r") << false << QVariant();
    QTest::newRow("tool tip") << int(Qt::ToolTipRole) << QVariant("tip") << false << QVariant();
}

void tst_FileDialogEx::modelRoles()
{
    QFETCH(int, role);
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    QFETCH(QVariant, readBack);
    Model model(m_drive);
    model.setFilter({QStringLiteral("*.bin")});
    model.entryDirectory(m_drive, QDir::Files);
    const QModelIndex index = model.indexFromPath(m_drive + QStringLiteral("/a.bin"));
    QVERIFY(index.isValid());
    QCOMPARE(index.data(Qt::SizeHintRole).toSize(), QSize(130, 114));
    QCOMPARE(model.flags(index), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    QCOMPARE(index.data(Model::CheckStateRole).toInt(), int(Qt::Unchecked));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QCOMPARE(model.setData(index, value, role), accepted);
    QCOMPARE(changed.count(), accepted ? 1 : 0);
    QCOMPARE(index.data(role), readBack);
    QVERIFY(model.itemData(index).contains(Model::FilePathRole));
}

void tst_FileDialogEx::checkStatesAndDelegate()
{
    Model model(m_drive);
    QCOMPARE(model.currentPath(), QString());
    model.setFilter({QStringLiteral("*.bin")});
    model.entryDirectory(m_drive, QDir::Files);
    const int rows = model.rowCount();
    QVERIFY(rows > 3);
    model.onStateChanged(Qt::Checked);
    for (int row = 0; row < rows; ++row)
        QCOMPARE(model.index(row, 0).data(Model::CheckStateRole).toInt(), int(Qt::Checked));
    model.onStateChanged(Qt::PartiallyChecked);
    QCOMPARE(model.index(rows - 1, 0).data(Model::CheckStateRole).toInt(), int(Qt::Unchecked));

    FileDialogCheckBoxDelegate delegate;
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 104, 98);
    QCOMPARE(delegate.sizeHint(option, model.index(0, 0)), QSize(104, 98));
    const QModelIndex index = model.index(1, 0);
    QMouseEvent inside(QEvent::MouseButtonPress, QPointF(10, 10), Qt::LeftButton, Qt::LeftButton, {});
    delegate.editorEvent(&inside, &model, option, index);
    QCOMPARE(index.data(Model::CheckStateRole).toInt(), int(Qt::Checked));
    delegate.editorEvent(&inside, &model, option, index);
    QCOMPARE(index.data(Model::CheckStateRole).toInt(), int(Qt::Unchecked));
    QMouseEvent outside(QEvent::MouseButtonPress, QPointF(300, 10), Qt::LeftButton, Qt::LeftButton, {});
    delegate.editorEvent(&outside, &model, option, index);
    QCOMPARE(index.data(Model::CheckStateRole).toInt(), int(Qt::Unchecked));

    // A vanished folder lists as empty.
    model.entryDirectory(m_dir->filePath(QStringLiteral("gone")), QDir::Files);
    QCOMPARE(model.rowCount(), 0);
}

QTEST_MAIN(tst_FileDialogEx)
#include "tst_filedialogex.moc"
