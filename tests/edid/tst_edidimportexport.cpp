#include "common/testsupport.h"
#include "media/filedialoganswer.h"

#include <vireowidgets/edid/edidimportexport.h>
#include <vireowidgets/media/filedialogex.h>

#include <vireomodel/fixture.h>
#include <vireomodel/utils.h>
#include <zkwidgets/framelessmessagebox.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace Vireo::Widgets;
using ZK::Widgets::FramelessMessageBox;
using ZK::Widgets::MessageBoxCall;

namespace {

// A valid EDID image of `blocks` 128-byte blocks: the header, some content, and a checksum byte
// that makes every block sum to 0 modulo 256.
QByteArray edidImage(int blocks)
{
    QByteArray image(blocks * 128, '\0');
    const char header[8] = {'\x00', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\x00'};
    for (int i = 0; i < 8; ++i)
        image[i] = header[i];
    for (int block = 0; block < blocks; ++block) {
        quint8 sum = 0;
        for (int i = block * 128 + (block == 0 ? 8 : 0); i < block * 128 + 127; ++i) {
            image[i] = char((i * 37 + block) & 0xFF);
        }
        for (int i = block * 128; i < block * 128 + 127; ++i)
            sum = quint8(sum + quint8(image.at(i)));
        image[block * 128 + 127] = char(quint8(256 - sum));
    }
    return image;
}

QByteArray withByte(QByteArray image, int index, int delta)
{
    image[index] = char(quint8(image.at(index)) + delta);
    return image;
}

// Bytes that sum to zero modulo 256 and start with the header, but hold less than one block.
QByteArray shortZeroSum(int size)
{
    QByteArray bytes = edidImage(1).left(size);
    quint8 sum = 0;
    for (int i = 0; i < size - 1; ++i)
        sum = quint8(sum + quint8(bytes.at(i)));
    bytes[size - 1] = char(quint8(256 - sum));
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_EdidImportExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void verifyFile_data();
    void verifyFile();
    void emptyImageIsLogged();
    void import_data();
    void import();
    void importOfAHugeFileReadsLittle();
    void importCancelled();
    void noUsbDrive_data();
    void noUsbDrive();
    void exportWritesExactBytes();
    void exportRefusesAnExistingFile();
    void exportCancelled();
    void writeFailures_data();
    void writeFailures();
    void writeStopsAtAFullDrive();
    void gettersWithoutADialog();

private:
    // Chooses `name` in the next file dialog (typed into its name line), or cancels it when
    // `name` is empty; records the name line as the dialog showed it.
    void answer(const QString& name);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_drive;
    QString m_shownName;
    QString m_shownFilter;
};

void tst_EdidImportExport::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
}

void tst_EdidImportExport::init()
{
    Vireo::Fixture::reset();
    FramelessMessageBox::clearRecordedCalls();
    FramelessMessageBox::setTestResponder([](const MessageBoxCall&) { return QMessageBox::Ok; });
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // A simulated drive: mounted as <tmp>/mnt/sdb1, announced by a stand-in for blkid.
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("mnt/sdb1"))));
    m_drive = QFileInfo(m_dir->filePath(QStringLiteral("mnt/sdb1"))).canonicalFilePath();
    FileDialogEx::setUSBDriveProbe(
        m_dir->filePath(QStringLiteral("mnt")), QStringLiteral("printf '/dev/sdb1: LABEL=\"EDID\"\\n'"));
    Vireo::Utils::UDiskWatcher::setDrives({{QStringLiteral("sdb1"), m_drive}});
    m_shownName.clear();
    m_shownFilter.clear();
}

void tst_EdidImportExport::cleanup()
{
    Vireo::Test::cancelFileDialogAnswers();
    FramelessMessageBox::clearTestResponder();
    FileDialogEx::setUSBDriveProbe(QString(), QString());
    Vireo::Fixture::reset();
    m_dir.reset();
}

void tst_EdidImportExport::answer(const QString& name)
{
    Vireo::Test::answerFileDialog([this, name](FileDialogEx* dialog) {
        if (!Vireo::Test::waitForDrive(dialog)) {
            dialog->reject();
            return;
        }
        m_shownName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        m_shownFilter = dialog->nameFilters().join(QStringLiteral(";;"));
        if (name.isEmpty()) {
            dialog->reject();
            return;
        }
        Vireo::Test::chooseTypedName(dialog, name);
        if (dialog->isVisible())
            dialog->reject(); // refused by the dialog: end it so the call returns
    });
}

void tst_EdidImportExport::verifyFile_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<bool>("valid");

    const QByteArray one = edidImage(1);
    const QByteArray two = edidImage(2);
    QTest::newRow("one block") << one << true;
    QTest::newRow("one block, checksum off by one") << withByte(one, 127, 1) << false;
    QTest::newRow("one block, content changed") << withByte(one, 60, -3) << false;
    QTest::newRow("two blocks") << two << true;
    QTest::newRow("block 1 does not sum to 0") << withByte(two, 200, 1) << false;
    QTest::newRow("block 2 is not checked") << edidImage(2) + QByteArray(128, '\x5A') << true;
    QTest::newRow("header ends in 01") << withByte(withByte(one, 7, 1), 127, -1) << false;
    QTest::newRow("header starts wrong") << withByte(withByte(one, 0, 1), 127, -1) << false;
    QTest::newRow("partial block 1 summing to 0") << one + QByteArray("\x01\xFF", 2) << true;
    QTest::newRow("partial block 1 not summing to 0") << one + QByteArray("\x01\x01", 2) << false;
    QTest::newRow("1023 bytes") << edidImage(2) + QByteArray(1023 - 256, '\x11') << true;
    QTest::newRow("all zero block") << QByteArray(128, '\0') << false;
    // Shorter than block 0: refused even when what is there looks right.
    QTest::newRow("header only") << one.left(8) + QByteArray() << false;
    QTest::newRow("127 bytes summing to 0") << shortZeroSum(127) << false;
    QTest::newRow("10 bytes summing to 0") << shortZeroSum(10) << false;
    QTest::newRow("one zero byte") << QByteArray(1, '\0') << false;
}

void tst_EdidImportExport::verifyFile()
{
    QFETCH(QByteArray, image);
    QFETCH(bool, valid);
    EdidImportExport io(nullptr);
    if (valid)
        QTest::ignoreMessage(QtDebugMsg, "verification success!!!");
    QCOMPARE(io.verifyFile(image), valid);
}

void tst_EdidImportExport::emptyImageIsLogged()
{
    EdidImportExport io(nullptr);
    QTest::ignoreMessage(QtDebugMsg, "buffer data nullptr!!!");
    QVERIFY(!io.verifyFile(QByteArray()));
}

void tst_EdidImportExport::import_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("128 bytes") << edidImage(1) << true;
    QTest::newRow("256 bytes") << edidImage(2) << true;
    QTest::newRow("1023 bytes, good blocks") << edidImage(2) + QByteArray(1023 - 256, '\x7F') << true;
    QTest::newRow("1024 bytes, good blocks") << edidImage(2) + QByteArray(1024 - 256, '\x7F') << false;
    QTest::newRow("bad checksum") << withByte(edidImage(1), 127, 1) << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("short, summing to 0") << shortZeroSum(64) << false;
}

void tst_EdidImportExport::import()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    const QString path = m_drive + QStringLiteral("/input.bin");
    QVERIFY(writeFile(path, content));

    EdidImportExport io(nullptr);
    QString chosen = QStringLiteral("untouched");
    answer(QStringLiteral("input.bin"));
    QCOMPARE(io.setOpenFileDialog(QStringLiteral("EDID (*.bin)"), chosen), accepted);
    QCOMPARE(chosen, path);
    QCOMPARE(m_shownFilter, QStringLiteral("EDID (*.bin)"));
    QCOMPARE(io.getFileName(), QStringLiteral("input.bin"));
    QCOMPARE(io.getFileSize(), content.size());
    const std::string bytes = io.getFile();
    QCOMPARE(QByteArray(bytes.data(), int(bytes.size())), content.left(int(EdidImportExport::MaxFileSize)));
    QVERIFY(FramelessMessageBox::recordedCalls().isEmpty());
}

void tst_EdidImportExport::importOfAHugeFileReadsLittle()
{
    const QString path = m_drive + QStringLiteral("/huge.bin");
    QVERIFY(writeFile(path, edidImage(2)));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(qint64(4) << 30)); // sparse: nothing is stored
    }
    EdidImportExport io(nullptr);
    QString chosen;
    answer(QStringLiteral("huge.bin"));
    QVERIFY(!io.setOpenFileDialog(QStringLiteral("EDID (*.bin)"), chosen));
    QCOMPARE(chosen, path);
    QVERIFY(io.getFile().size() <= size_t(EdidImportExport::MaxFileSize));
}

void tst_EdidImportExport::importCancelled()
{
    EdidImportExport io(nullptr);
    QString chosen = QStringLiteral("before");
    answer(QString());
    QVERIFY(!io.setOpenFileDialog(QStringLiteral("EDID (*.bin)"), chosen));
    QCOMPARE(chosen, QString());
    QCOMPARE(io.getFileName(), QString());
    QVERIFY(io.getFile().empty());
}

void tst_EdidImportExport::noUsbDrive_data()
{
    QTest::addColumn<bool>("import");
    QTest::addColumn<QString>("command");
    QTest::newRow("import, no partition") << true << "true";
    QTest::newRow("export, no partition") << false << "true";
    QTest::newRow("import, partition not mounted") << true << "printf '/dev/sdc1: LABEL=\"X\"\\n'";
    QTest::newRow("export, not a USB disk") << false << "printf '/dev/mmcblk0p1: LABEL=\"X\"\\n'";
}

void tst_EdidImportExport::noUsbDrive()
{
    QFETCH(bool, import);
    QFETCH(QString, command);
    FileDialogEx::setUSBDriveProbe(m_dir->filePath(QStringLiteral("mnt")), command);
    bool dialogOpened = false;
    Vireo::Test::answerFileDialog([&](FileDialogEx* dialog) {
        dialogOpened = true;
        dialog->reject();
    });
    QWidget parent;
    EdidImportExport io(&parent);
    QString chosen = QStringLiteral("kept");
    QTest::ignoreMessage(QtWarningMsg, "No USB flash disk detected");
    if (import) {
        QVERIFY(!io.setOpenFileDialog(QStringLiteral("*.bin"), chosen));
        QCOMPARE(chosen, QStringLiteral("kept"));
    } else {
        QVERIFY(!io.setSaveFileDialog(QStringLiteral(".bin"), QStringLiteral("HDMI"), QStringLiteral("In")));
    }
    QCoreApplication::processEvents();
    QVERIFY(!dialogOpened);
    const auto calls = FramelessMessageBox::recordedCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.at(0).title, QStringLiteral("warning"));
    QCOMPARE(calls.at(0).text, QStringLiteral("No USB flash disk detected"));
    QCOMPARE(calls.at(0).parent.data(), &parent);
    QCOMPARE(calls.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(calls.at(0).defaultButton, QMessageBox::NoButton);
    QCOMPARE(io.getFileName(), QString());
    QVERIFY(!io.setWriteFile("data"));
}

void tst_EdidImportExport::exportWritesExactBytes()
{
    EdidImportExport io(nullptr);
    answer(QStringLiteral("EDID_HDMI 1_Input.bin"));
    QVERIFY(io.setSaveFileDialog(QStringLiteral(".bin"), QStringLiteral("HDMI 1"), QStringLiteral("Input")));
    QCOMPARE(m_shownName, QStringLiteral("EDID_HDMI 1_Input.bin"));
    QCOMPARE(m_shownFilter, QStringLiteral("*.bin *.dat"));
    QCOMPARE(io.getFileName(), QStringLiteral("EDID_HDMI 1_Input.bin"));
    QCOMPARE(io.getFileSize(), 0);

    const QByteArray image = edidImage(2);
    QVERIFY(io.setWriteFile(std::string(image.constData(), size_t(image.size()))));
    QCOMPARE(readFile(m_drive + QStringLiteral("/EDID_HDMI 1_Input.bin")), image);
    QCOMPARE(io.getFileSize(), 256);
    // Nothing is left beside the file.
    QCOMPARE(QDir(m_drive).entryList(QDir::Files | QDir::Hidden), QStringList({"EDID_HDMI 1_Input.bin"}));
}

void tst_EdidImportExport::exportRefusesAnExistingFile()
{
    const QString path = m_drive + QStringLiteral("/EDID_DP_Output.v2.bin");
    QVERIFY(writeFile(path, "keep me"));
    QWidget parent;
    EdidImportExport io(&parent);
    answer(QStringLiteral("EDID_DP_Output.v2.bin"));
    QTest::ignoreMessage(
        QtWarningMsg, "Edid File [EDID_DP_Output] already exist. Please change file name and try again");
    QVERIFY(!io.setSaveFileDialog(QStringLiteral(".dat"), QStringLiteral("DP"), QStringLiteral("Output")));
    QCOMPARE(m_shownName, QStringLiteral("EDID_DP_Output.dat"));
    const auto calls = FramelessMessageBox::recordedCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.at(0).title, QStringLiteral("Remind"));
    QCOMPARE(calls.at(0).text,
        QStringLiteral("Edid File [EDID_DP_Output] already exist. Please change file name and try again"));
    QCOMPARE(calls.at(0).parent.data(), &parent);

    // The refused file is kept, also when the host writes anyway.
    QTest::ignoreMessage(QtDebugMsg, "file open failed!!!");
    QVERIFY(!io.setWriteFile("overwritten"));
    QCOMPARE(readFile(path), QByteArray("keep me"));
}

void tst_EdidImportExport::exportCancelled()
{
    EdidImportExport io(nullptr);
    answer(QString());
    QVERIFY(!io.setSaveFileDialog(QStringLiteral(".bin"), QStringLiteral("A"), QStringLiteral("B")));
    QCOMPARE(io.getFileName(), QString());
    QTest::ignoreMessage(QtDebugMsg, "file open failed!!!");
    QVERIFY(!io.setWriteFile("data"));
    QCOMPARE(QDir(m_drive).entryList(QDir::Files), QStringList());
}

void tst_EdidImportExport::writeFailures_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("folder pulled") << "folder pulled";
    QTest::newRow("drive read-only") << "read-only";
}

void tst_EdidImportExport::writeFailures()
{
    QFETCH(QString, failure);
    if (failure == QLatin1String("read-only") && ::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    const QString folder = m_drive + QStringLiteral("/out");
    QVERIFY(QDir().mkpath(folder));
    EdidImportExport io(nullptr);
    answer(QStringLiteral("out/edid.bin"));
    QVERIFY(io.setSaveFileDialog(QStringLiteral(".bin"), QStringLiteral("A"), QStringLiteral("B")));
    if (failure == QLatin1String("folder pulled"))
        QVERIFY(QDir(folder).removeRecursively());
    else
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    QTest::ignoreMessage(QtDebugMsg, "file open failed!!!");
    QVERIFY(!io.setWriteFile(std::string(128, 'x')));
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/edid.bin")));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void tst_EdidImportExport::writeStopsAtAFullDrive()
{
    const QString path = m_drive + QStringLiteral("/full.bin");
    EdidImportExport io(nullptr);
    answer(QStringLiteral("full.bin"));
    QVERIFY(io.setSaveFileDialog(QStringLiteral(".bin"), QStringLiteral("A"), QStringLiteral("B")));

    // A drive that takes only 100 bytes: the file-size limit fails every write beyond it.
    struct rlimit previous
    { };
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    struct rlimit limited = previous;
    limited.rlim_cur = 100;
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool written = io.setWriteFile(std::string(4096, 'e'));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!written);
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(QDir(m_drive).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void tst_EdidImportExport::gettersWithoutADialog()
{
    EdidImportExport io(nullptr);
    QCOMPARE(io.getFileName(), QString());
    QCOMPARE(io.getFileSize(), 0);
    QVERIFY(io.getFile().empty());
    QVERIFY(!io.setWriteFile("x"));

    // A stored path whose file vanished has size 0.
    const QString path = m_drive + QStringLiteral("/gone.bin");
    QVERIFY(writeFile(path, edidImage(1)));
    QString chosen;
    answer(QStringLiteral("gone.bin"));
    QVERIFY(io.setOpenFileDialog(QStringLiteral("*.bin"), chosen));
    QCOMPARE(io.getFileSize(), 128);
    QVERIFY(QFile::remove(path));
    QCOMPARE(io.getFileSize(), 0);
    QCOMPARE(io.getFileName(), QStringLiteral("gone.bin"));
}

QTEST_MAIN(tst_EdidImportExport)
#include "tst_edidimportexport.moc"
