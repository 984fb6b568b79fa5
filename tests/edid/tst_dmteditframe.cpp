#include "common/testsupport.h"

#include <vireowidgets/controls/sliderwithspinwidget.h>
#include <vireowidgets/edid/dmteditframe.h>
#include <vireowidgets/edid/edidimportexport.h>
#include <vireowidgets/edid/polaritywidget.h>
#include <vireowidgets/edid/resolutionwidget.h>

#include <vireomodel/fixture.h>
#include <vireomodel/utils.h>

#include <zkwidgets/framelessmessagebox.h>
#include <zkwidgets/pathchooser.h>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Vireo::Widgets;
using Vireo::Utils::EDIDHelper;
using Vireo::Utils::EDIDTiming;
using ZK::VESA::s_DMTSchemaData;
using ZK::Widgets::FramelessMessageBox;
using ZK::Widgets::MessageBoxCall;
using Connector = Vireo::BizModel::Enum::Interface::ConnectorType;

namespace {

// A timing as a preset table or the operator would give it: active, front porch, sync and total
// per direction, sync polarities (true: negative) and the rate.
s_DMTSchemaData timing(quint32 hActive, quint16 hFront, quint16 hSync, quint32 hTotal, quint32 vActive, quint16 vFront,
    quint16 vSync, quint32 vTotal, float rate, bool hNegative = false, bool vNegative = false)
{
    s_DMTSchemaData d;
    const auto fill = [](ZK::VESA::s_FrameTiming& t, quint32 active, quint16 front, quint16 sync, quint32 total,
                          bool negative) {
        t.AddrTime = active;
        t.FrontPorch = front;
        t.Sync = sync;
        t.totalTime = total;
        t.backProch = total - active - front - sync;
        t.SyncPolarity = negative ? ZK::VESA::NegativePolarity : ZK::VESA::PositivePolarity;
    };
    fill(d.HorFrameTiming, hActive, hFront, hSync, hTotal, hNegative);
    fill(d.VerFrameTiming, vActive, vFront, vSync, vTotal, vNegative);
    d.refreshRate = rate;
    return d;
}

s_DMTSchemaData p1080()
{
    return timing(1920, 88, 44, 2200, 1080, 4, 5, 1125, 60.f);
}

QString templatePath(const char* name)
{
    return QFINDTESTDATA(QStringLiteral("../../gallery/data/edid/") + QLatin1String(name));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList listedNames(DMTEditFrame& frame)
{
    auto* combo = frame.findChild<QComboBox*>(QStringLiteral("ExistEDIDFileComoBox"));
    QStringList names;
    for (int i = 0; i < combo->count(); ++i)
        names << combo->itemText(i);
    return names;
}

int listedIndex(DMTEditFrame& frame, const QString& name)
{
    return frame.findChild<QComboBox*>(QStringLiteral("ExistEDIDFileComoBox"))->findText(name);
}

void compareTiming(const s_DMTSchemaData& got, const s_DMTSchemaData& want)
{
    const struct
    {
        const ZK::VESA::s_FrameTiming& g;
        const ZK::VESA::s_FrameTiming& w;
    } directions[] = {{got.HorFrameTiming, want.HorFrameTiming}, {got.VerFrameTiming, want.VerFrameTiming}};
    for (const auto& d : directions) {
        QCOMPARE(d.g.AddrTime, d.w.AddrTime);
        QCOMPARE(d.g.FrontPorch, d.w.FrontPorch);
        QCOMPARE(d.g.Sync, d.w.Sync);
        QCOMPARE(d.g.totalTime, d.w.totalTime);
        QCOMPARE(d.g.backProch, d.w.backProch);
        QCOMPARE(int(d.g.SyncPolarity), int(d.w.SyncPolarity));
    }
    QCOMPARE(got.refreshRate, want.refreshRate);
}

// Runs an independent decoder on an image: it must find no checksum or structure fault. Skipped
// where the decoder is not installed. Call it last: a skip ends the test.
void checkWithDecoder(const QString& path)
{
#ifdef VIREO_TESTS_EMULATED
    // Under qemu's user emulation QProcess cannot follow its child (the emulated clone gives it no
    // pid), and killing the "child" then kills the whole process group: the host decoder is not run
    // from an emulated test.
    QSKIP("the tests run under emulation: the independent check of the image is skipped");
#endif
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("edid-decode"));
    if (tool.isEmpty())
        QSKIP("edid-decode is not installed: the independent check of the image is skipped");
    QProcess process;
    process.start(tool, {QStringLiteral("-c"), path});
    QVERIFY2(process.waitForFinished(20000), "edid-decode did not finish");
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(out.contains(QLatin1String("EDID conformity: PASS")),
        qPrintable(out.mid(out.indexOf(QLatin1String("Failures:")))));
}

// Types a value into a row's box and confirms it with Return, as the operator does.
template <typename Row>
void typeInto(Row* row, double value)
{
    auto* box = row->template findChild<QAbstractSpinBox*>();
    auto* edit = box->template findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, QString::number(value));
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

class TestDMTEditFrame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shippedTemplates_data();
    void shippedTemplates();
    void templateListKeepsOnly256ByteFiles();
    void emptyEntryAndResetLoadNothing();
    void unreadableTemplateIsRefused_data();
    void unreadableTemplateIsRefused();
    void roundTrip_data();
    void roundTrip();
    void refusedSaveWritesNothing_data();
    void refusedSaveWritesNothing();
    void shownTimingPresetOrCustom();
    void editedRowMakesCustomTiming();
    void zeroRateFollowsPixelClock();
    void customValuesKeepTheRate();
    void detailsToggle_data();
    void detailsToggle();
    void connectorSwitch_data();
    void connectorSwitch();
    void totalRanges_data();
    void totalRanges();

private:
    QTemporaryDir m_dir;
    QString m_templates;
    QList<MessageBoxCall> m_boxes;
    int m_run = 0;
};

void TestDMTEditFrame::init()
{
    Vireo::Fixture::reset();
    QVERIFY(m_dir.isValid());
    m_templates = m_dir.path() + QStringLiteral("/templates-%1").arg(++m_run);
    QVERIFY(QDir().mkpath(m_templates));
    for (const char* name : {"vireo_1080p60.bin", "vireo_2160p30.bin", "vireo_720p60.bin"})
        QVERIFY(QFile::copy(templatePath(name), m_templates + QLatin1Char('/') + QLatin1String(name)));
    EDIDHelper::setTemplateDirectory(m_templates);
    m_boxes.clear();
    FramelessMessageBox::setTestResponder([this](const MessageBoxCall& call) {
        m_boxes << call;
        return QMessageBox::Ok;
    });
}

void TestDMTEditFrame::cleanup()
{
    FramelessMessageBox::clearTestResponder();
    Vireo::Fixture::reset();
}

void TestDMTEditFrame::shippedTemplates_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("monitor");
    QTest::addColumn<s_DMTSchemaData>("expected");
    QTest::newRow("1080p60") << "vireo_1080p60"
                             << "Vireo 1080p" << p1080();
    QTest::newRow("2160p30") << "vireo_2160p30"
                             << "Vireo 2160p" << timing(3840, 176, 88, 4400, 2160, 8, 10, 2250, 30.f);
    QTest::newRow("720p60") << "vireo_720p60"
                            << "Vireo 720p" << timing(1280, 110, 40, 1650, 720, 5, 5, 750, 60.f);
}

// Each shipped template is a real EDID image, and choosing it shows its timing.
void TestDMTEditFrame::shippedTemplates()
{
    QFETCH(QString, name);
    QFETCH(QString, monitor);
    QFETCH(s_DMTSchemaData, expected);
    const QString path = templatePath(qPrintable(name + QStringLiteral(".bin")));
    const QByteArray image = readAll(path);
    QCOMPARE(image.size(), 256);
    EdidImportExport check(nullptr);
    QVERIFY(check.verifyFile(image));
    EDIDTiming t;
    QString error;
    QVERIFY2(EDIDHelper::parseEDID(image, t, &error), qPrintable(error));
    const QSize size(int(expected.HorFrameTiming.AddrTime), int(expected.VerFrameTiming.AddrTime));
    QCOMPARE(QSize(t.horActive, t.verActive), size);
    QCOMPARE(t.refresh, expected.refreshRate);
    QVERIFY(image.contains(monitor.toLatin1()));

    DMTEditFrame frame;
    frame.initEdidTemplate(Connector::HDMI_1_4);
    QSignalSpy applied(&frame, &DMTEditFrame::sig_ResolutionApply);
    auto* combo = frame.findChild<QComboBox*>(QStringLiteral("ExistEDIDFileComoBox"));
    combo->setCurrentIndex(listedIndex(frame, name));
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(applied.count(), 1);
    compareTiming(frame.getCurrentDMTData(), expected);
    // The rows show it, and no preset equals it: the picker shows it as custom values.
    ZK::VESA::s_FrameTiming shown;
    frame.findChild<PolarityWidget*>(QStringLiteral("HorPolarityWidget"))->getPolarityData(shown);
    QCOMPARE(shown.totalTime, expected.HorFrameTiming.totalTime);
    QCOMPARE(frame.getResolutionWidgetRadioBtnState(), 1);
    QSize customSize;
    float rate = 0.f;
    frame.findChild<ResolutionWidget*>()->getCustomResolutionRatio(customSize, rate);
    QCOMPARE(customSize, size);
    QCOMPARE(rate, expected.refreshRate);
    checkWithDecoder(path);
}

void TestDMTEditFrame::templateListKeepsOnly256ByteFiles()
{
    const QByteArray good = readAll(templatePath("vireo_1080p60.bin"));
    QVERIFY(writeBytes(m_templates + QStringLiteral("/short.bin"), good.left(128)));
    QVERIFY(writeBytes(m_templates + QStringLiteral("/long.edid"), good + good.left(128)));
    QVERIFY(writeBytes(m_templates + QStringLiteral("/copy.dat"), good));
    // Listed under its base name: without any suffix.
    QVERIFY(writeBytes(m_templates + QStringLiteral("/release.v2.bin"), good));
    QVERIFY(writeBytes(m_templates + QStringLiteral("/notes.txt"), good));
    QVERIFY(QDir().mkpath(m_templates + QStringLiteral("/folder.bin")));
    QVERIFY(QFile::link(m_templates + QStringLiteral("/copy.dat"), m_templates + QStringLiteral("/link.bin")));

    DMTEditFrame frame;
    frame.initEdidTemplate(Connector::HDMI_1_4);
    QStringList names = listedNames(frame);
    QCOMPARE(names.value(0), QString());
    names.removeFirst();
    names.sort();
    QCOMPARE(names, QStringList({"copy", "release", "vireo_1080p60", "vireo_2160p30", "vireo_720p60"}));
    auto* combo = frame.findChild<QComboBox*>(QStringLiteral("ExistEDIDFileComoBox"));
    QCOMPARE(combo->itemData(listedIndex(frame, "copy")).toString(), m_templates + QStringLiteral("/copy.dat"));
    // Listing reads nothing.
    QVERIFY(!Vireo::Fixture::commandNames().contains(QStringLiteral("EDIDHelper::readEDID")));

    // Listing again follows the folder.
    QVERIFY(QFile::remove(m_templates + QStringLiteral("/copy.dat")));
    frame.initEdidTemplate(Connector::HDMI_1_4);
    QCOMPARE(listedIndex(frame, "copy"), -1);
    QCOMPARE(listedNames(frame).size(), 5);
}

void TestDMTEditFrame::emptyEntryAndResetLoadNothing()
{
    DMTEditFrame frame;
    frame.initEdidTemplate(Connector::HDMI_1_4);
    auto* combo = frame.findChild<QComboBox*>(QStringLiteral("ExistEDIDFileComoBox"));
    auto* chooser = frame.findChild<ZK::Utils::PathChooser*>();
    auto* custom = frame.findChild<QRadioButton*>(QStringLiteral("CustomEDIDFileRadioButton"));
    auto* existing = frame.findChild<QRadioButton*>(QStringLiteral("ExistEDIDFileRadioButton"));
    QCOMPARE(existing->text(), QStringLiteral("Existing Template"));
    QCOMPARE(custom->text(), QStringLiteral("Custom Template"));
    QVERIFY(existing->isChecked());

    combo->setCurrentIndex(listedIndex(frame, "vireo_720p60"));
    Vireo::Fixture::clearCommandLog();
    QSignalSpy applied(&frame, &DMTEditFrame::sig_ResolutionApply);
    combo->setCurrentIndex(0);
    QVERIFY(Vireo::Fixture::commandNames().isEmpty());
    QCOMPARE(applied.count(), 0);
    QCOMPARE(frame.getCurrentDMTData().HorFrameTiming.AddrTime, 1280u);

    // "Custom Template" enables the chooser; "Existing Template" clears its path.
    custom->click();
    QVERIFY(chooser->isEnabled());
    QVERIFY(!combo->isEnabled());
    chooser->setPath(m_templates + QStringLiteral("/vireo_1080p60.bin"));
    QCOMPARE(frame.getCurrentDMTData().HorFrameTiming.AddrTime, 1920u);
    existing->click();
    QVERIFY(chooser->path().isEmpty());
    QVERIFY(combo->isEnabled());

    combo->setCurrentIndex(listedIndex(frame, "vireo_2160p30"));
    custom->click();
    chooser->setPath(m_templates + QStringLiteral("/vireo_720p60.bin"));
    Vireo::Fixture::clearCommandLog();
    frame.reset();
    QVERIFY(existing->isChecked());
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(chooser->path().isEmpty());
    QVERIFY(Vireo::Fixture::commandNames().isEmpty());
    QVERIFY(m_boxes.isEmpty());
}

void TestDMTEditFrame::unreadableTemplateIsRefused_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("helperFails");
    QTest::addColumn<QString>("reason");
    const QByteArray good = readAll(templatePath("vireo_1080p60.bin"));
    QByteArray badSum = good;
    badSum[127] = char(badSum.at(127) + 1);
    QByteArray badExtension = good;
    badExtension[200] = char(badExtension.at(200) ^ 0x40);
    QByteArray noHeader = good;
    noHeader[0] = char(0x55);
    QTest::newRow("base checksum") << "sum.bin" << badSum << false << "EDID checksum error in block 0.";
    QTest::newRow("extension checksum") << "ext.bin" << badExtension << false << "EDID checksum error in block 1.";
    QTest::newRow("no header") << "header.bin" << noHeader << false << "Not an EDID image: bad header.";
    QTest::newRow("128 bytes") << "short.bin" << good.left(128) << false
                               << "The file has 128 bytes; an EDID template has 256.";
    QTest::newRow("helper fails") << "good.bin" << good << true << "Flash busy";
}

void TestDMTEditFrame::unreadableTemplateIsRefused()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, helperFails);
    QFETCH(QString, reason);
    const QString path = m_dir.path() + QLatin1Char('/') + fileName;
    QVERIFY(writeBytes(path, bytes));
    if (helperFails)
        Vireo::Fixture::setCommandResult(QStringLiteral("EDIDHelper::readEDID"), false, reason);

    DMTEditFrame frame;
    s_DMTSchemaData shown = p1080();
    frame.setCurrentDMTData(shown);
    QSignalSpy applied(&frame, &DMTEditFrame::sig_ResolutionApply);
    frame.findChild<QRadioButton*>(QStringLiteral("CustomEDIDFileRadioButton"))->click();
    frame.findChild<ZK::Utils::PathChooser*>()->setPath(path);

    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).title, QStringLiteral("Remind"));
    QCOMPARE(m_boxes.at(0).text, QStringLiteral("Failed to read EDID file!\n%1\n%2").arg(path, reason));
    QCOMPARE(applied.count(), 0);
    compareTiming(frame.getCurrentDMTData(), p1080());
}

void TestDMTEditFrame::roundTrip_data()
{
    QTest::addColumn<QString>("base"); // empty: the helper's own image
    QTest::addColumn<s_DMTSchemaData>("written");
    // Written over a custom template (a copy of `base`, or a file that does not exist yet) instead of
    // the chosen template's save path.
    QTest::addColumn<bool>("custom");
    QTest::newRow("1080p60 over 720p") << "vireo_720p60" << p1080() << false;
    QTest::newRow("1080p59.94") << "vireo_1080p60" << timing(1920, 88, 44, 2200, 1080, 4, 5, 1125, 59.94f) << false;
    QTest::newRow("1080p23.98") << "vireo_1080p60" << timing(1920, 638, 44, 2750, 1080, 4, 5, 1125, 23.98f) << false;
    QTest::newRow("2160p30 over 1080p") << "vireo_1080p60" << timing(3840, 176, 88, 4400, 2160, 8, 10, 2250, 30.f)
                                        << false;
    QTest::newRow("1200p reduced, -/+") << "vireo_2160p30"
                                        << timing(1920, 48, 32, 2080, 1200, 3, 6, 1235, 60.f, false, true) << false;
    QTest::newRow("1024x768 -/-") << "vireo_720p60" << timing(1024, 24, 136, 1344, 768, 3, 6, 806, 60.f, true, true)
                                  << false;
    QTest::newRow("built-in base") << "" << timing(1280, 110, 40, 1650, 720, 5, 5, 750, 50.f) << false;
    QTest::newRow("custom template written over") << "vireo_2160p30" << p1080() << true;
    QTest::newRow("custom target created") << "" << p1080() << true;
}

void TestDMTEditFrame::roundTrip()
{
    QFETCH(QString, base);
    QFETCH(s_DMTSchemaData, written);
    QFETCH(bool, custom);
    const QString templateFile = m_templates + QLatin1Char('/') + base + QStringLiteral(".bin");
    const QString savePath = m_dir.path() + QStringLiteral("/written-%1.bin").arg(++m_run);
    QString target = savePath;
    DMTEditFrame frame;
    frame.initEdidTemplate(Connector::HDMI_1_4);
    frame.setEDIDSaveFilePath(savePath);
    if (custom) {
        target = m_dir.path() + QStringLiteral("/mine-%1.bin").arg(m_run);
        if (!base.isEmpty()) {
            QVERIFY(QFile::copy(templateFile, target));
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        }
        frame.findChild<QRadioButton*>(QStringLiteral("CustomEDIDFileRadioButton"))->click();
        frame.findChild<ZK::Utils::PathChooser*>()->setPath(target);
    } else {
        auto* combo = frame.findChild<QComboBox*>(QStringLiteral("ExistEDIDFileComoBox"));
        combo->setCurrentIndex(base.isEmpty() ? 0 : listedIndex(frame, base));
    }
    Vireo::Fixture::clearCommandLog();
    frame.slot_saveEDIDToFile(written);
    QVERIFY2(frame.lastSaveError().isEmpty(), qPrintable(frame.lastSaveError()));
    // A template is read again before the timing is written into it; the helper's own image is not.
    QStringList commands({QStringLiteral("EDIDHelper::writeEDID")});
    if (!base.isEmpty())
        commands.prepend(QStringLiteral("EDIDHelper::readEDID"));
    QCOMPARE(Vireo::Fixture::commandNames(), commands);
    QCOMPARE(QFile::exists(savePath), !custom);

    const QByteArray image = readAll(target);
    QCOMPARE(image.size(), 256);
    EdidImportExport check(nullptr);
    QVERIFY(check.verifyFile(image));
    if (!base.isEmpty()) {
        // Everything but the first detailed timing and the checksums is the template's.
        const QByteArray original = readAll(templateFile);
        QCOMPARE(image.left(54), original.left(54));
        QCOMPARE(image.mid(72, 55), original.mid(72, 55));
        QCOMPARE(image.mid(128, 127), original.mid(128, 127));
    }

    // Read back as the operator would: the written file chosen as the custom template.
    DMTEditFrame reader;
    reader.findChild<QRadioButton*>(QStringLiteral("CustomEDIDFileRadioButton"))->click();
    reader.findChild<ZK::Utils::PathChooser*>()->setPath(target);
    QVERIFY(m_boxes.isEmpty());
    compareTiming(reader.getCurrentDMTData(), written);

    checkWithDecoder(target);
}

void TestDMTEditFrame::refusedSaveWritesNothing_data()
{
    QTest::addColumn<s_DMTSchemaData>("written");
    QTest::addColumn<int>("spoiled"); // the chosen template after it was listed: -1 intact, 0 its checksum, else cut
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<QString>("reason"); // %1: the template's path
    const QString unfit = QStringLiteral("The timing does not fit in an EDID detailed timing.");
    QTest::newRow("width over 4095") << timing(5120, 48, 32, 5280, 1440, 3, 5, 1481, 30.f) << -1 << true << unfit;
    QTest::newRow("vertical sync over 63")
        << timing(1920, 88, 44, 2200, 1080, 4, 64, 1200, 50.f) << -1 << false << unfit;
    QTest::newRow("vertical porch over 63")
        << timing(1920, 88, 44, 2200, 1080, 70, 5, 1200, 50.f) << -1 << true << unfit;
    QTest::newRow("no blanking") << timing(1920, 0, 0, 1920, 1080, 4, 5, 1125, 60.f) << -1 << false << unfit;
    QTest::newRow("clock over 655 MHz") << timing(3840, 176, 88, 4400, 2160, 8, 10, 2250, 120.f) << -1 << true << unfit;
    QTest::newRow("zero rate") << timing(1920, 88, 44, 2200, 1080, 4, 5, 1125, 0.f) << -1 << false << unfit;
    QTest::newRow("template spoiled: checksum") << p1080() << 0 << false << "EDID checksum error in block 0.";
    QTest::newRow("template spoiled: shortened") << p1080() << 128 << false << "%1 is not a 256-byte EDID template.";
}

// A timing the image cannot hold, or a template spoiled after it was listed: the save is refused and
// nothing is written.
void TestDMTEditFrame::refusedSaveWritesNothing()
{
    QFETCH(s_DMTSchemaData, written);
    QFETCH(int, spoiled);
    QFETCH(bool, targetExists);
    QFETCH(QString, reason);
    const QString target = m_dir.path() + QStringLiteral("/unfit-%1.bin").arg(++m_run);
    const QByteArray before("what was there");
    if (targetExists)
        QVERIFY(writeBytes(target, before));
    DMTEditFrame frame;
    frame.initEdidTemplate(Connector::HDMI_2_0);
    frame.findChild<QComboBox*>(QStringLiteral("ExistEDIDFileComoBox"))
        ->setCurrentIndex(listedIndex(frame, "vireo_1080p60"));
    const QString base = m_templates + QStringLiteral("/vireo_1080p60.bin");
    if (spoiled >= 0) {
        QByteArray bytes = readAll(base);
        bytes[20] = char(bytes.at(20) ^ 0x01);
        QVERIFY(writeBytes(base, spoiled ? bytes.left(spoiled) : bytes));
    }
    frame.setEDIDSaveFilePath(target);
    Vireo::Fixture::clearCommandLog();
    QTest::ignoreMessage(QtDebugMsg, "write file in DMTEditFrame failed");
    frame.slot_saveEDIDToFile(written);
    QCOMPARE(frame.lastSaveError(), reason.contains(QLatin1String("%1")) ? reason.arg(base) : reason);
    // A spoiled template is refused before the helper is asked to write.
    if (spoiled >= 0)
        QVERIFY(!Vireo::Fixture::commandNames().contains(QStringLiteral("EDIDHelper::writeEDID")));
    QCOMPARE(QFile::exists(target), targetExists);
    if (targetExists)
        QCOMPARE(readAll(target), before);
    // No temporary file is left beside it either.
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("unfit-%1*").arg(m_run)}, QDir::Files | QDir::Hidden).size(),
        targetExists ? 1 : 0);
}

void TestDMTEditFrame::shownTimingPresetOrCustom()
{
    DMTEditFrame frame;
    QList<s_DMTSchemaData> presets {timing(1280, 110, 40, 1650, 720, 5, 5, 750, 60.f), p1080(),
        timing(1920, 88, 44, 2200, 1080, 4, 5, 1125, 59.94f)};
    frame.initPresetResolutionRatioData(presets);
    auto* picker = frame.findChild<ResolutionWidget*>();
    QSignalSpy applied(&frame, &DMTEditFrame::sig_ResolutionApply);

    s_DMTSchemaData same = p1080();
    frame.setCurrentDMTData(same);
    QCOMPARE(frame.getResolutionWidgetRadioBtnState(), 0);
    s_DMTSchemaData selected;
    QVERIFY(picker->getCurrentPresetResolutionRatio(selected));
    compareTiming(selected, p1080());
    QCOMPARE(applied.count(), 1);

    // Same size and rate, another porch: not that preset.
    s_DMTSchemaData other = timing(1920, 48, 32, 2200, 1080, 4, 5, 1125, 60.f);
    frame.setCurrentDMTData(other);
    QCOMPARE(frame.getResolutionWidgetRadioBtnState(), 1);
    compareTiming(frame.getCurrentDMTData(), other);
    QCOMPARE(applied.count(), 2);

    // Picking a preset entry makes it the timing.
    picker->setRadioButtonPresetChecked();
    picker->setPresetCurrentIndex(frame.getDMTSchemaData(QSize(1920, 1080), 59.94f, selected));
    compareTiming(frame.getCurrentDMTData(), presets.at(2));
    QVERIFY(applied.count() >= 3);
}

void TestDMTEditFrame::editedRowMakesCustomTiming()
{
    DMTEditFrame frame;
    QList<s_DMTSchemaData> presets {p1080()};
    frame.initPresetResolutionRatioData(presets);
    s_DMTSchemaData shown = p1080();
    frame.setSupportEDID(true);
    frame.showDetailDMTInfo(true);
    frame.setCurrentDMTData(shown);
    QCOMPARE(frame.getResolutionWidgetRadioBtnState(), 0);
    auto* templates = frame.findChild<QFrame*>(QStringLiteral("CustomEDIDFrame"));
    QVERIFY(templates->isHidden());
    QSignalSpy applied(&frame, &DMTEditFrame::sig_ResolutionApply);

    auto* hor = frame.findChild<PolarityWidget*>(QStringLiteral("HorPolarityWidget"));
    auto* sync = hor->findChild<SliderWithSpinWidget*>(QStringLiteral("PolaritySync"));
    typeInto(sync, 60);
    QCOMPARE(frame.getResolutionWidgetRadioBtnState(), 1);
    // Now on "Custom": the template controls come with it.
    QVERIFY(!templates->isHidden());
    QCOMPARE(frame.getCurrentDMTData().HorFrameTiming.Sync, quint16(60));
    QCOMPARE(frame.getCurrentDMTData().refreshRate, 60.f);
    QCOMPARE(applied.count(), 0);
}

void TestDMTEditFrame::zeroRateFollowsPixelClock()
{
    DMTEditFrame frame;
    s_DMTSchemaData shown = p1080();
    shown.refreshRate = 0.f;
    shown.pixelClock = 148.5f;
    frame.setCurrentDMTData(shown);
    typeInto(frame.findChild<PolarityWidget*>(QStringLiteral("VerPolarityWidget"))
                 ->findChild<SliderWithSpinWidget*>(QStringLiteral("PolaritySync")),
        6);
    QCOMPARE(frame.getCurrentDMTData().VerFrameTiming.Sync, quint16(6));
    // 148.5 MHz / 2200 / 1125 = 60.
    QCOMPARE(frame.getCurrentDMTData().refreshRate, 60.f);
    QSize size;
    float rate = 0.f;
    frame.findChild<ResolutionWidget*>()->getCustomResolutionRatio(size, rate);
    QCOMPARE(rate, 60.f);
}

void TestDMTEditFrame::customValuesKeepTheRate()
{
    DMTEditFrame frame;
    s_DMTSchemaData shown = p1080();
    frame.setCurrentDMTData(shown);
    auto* picker = frame.findChild<ResolutionWidget*>();
    typeInto(picker->findChild<SliderWithDoubleSpinWidget*>(QStringLiteral("ResolutionRefreshRate")), 50);
    QCOMPARE(frame.getCurrentDMTData().refreshRate, 50.f);
    QCOMPARE(frame.findChild<SliderWithDoubleSpinWidget*>(QStringLiteral("DMTRefreshRate"))->getSpinBoxValue(), 50.0);
    typeInto(picker->findChild<SliderWithSpinWidget*>(QStringLiteral("ResolutionWidth")), 1800);
    QCOMPARE(frame.getCurrentDMTData().HorFrameTiming.AddrTime, 1800u);
}

void TestDMTEditFrame::detailsToggle_data()
{
    QTest::addColumn<bool>("support");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("rows");
    QTest::addColumn<bool>("templates");
    QTest::newRow("closed") << true << true << 0 << false << false;
    QTest::newRow("opened") << true << true << 1 << true << true;
    QTest::newRow("opened, preset") << true << false << 1 << true << false;
    QTest::newRow("opened, no EDID") << false << true << 1 << true << false;
    QTest::newRow("closed again") << true << true << 2 << false << false;
}

void TestDMTEditFrame::detailsToggle()
{
    QFETCH(bool, support);
    QFETCH(bool, custom);
    QFETCH(int, clicks);
    QFETCH(bool, rows);
    QFETCH(bool, templates);
    DMTEditFrame frame;
    QList<s_DMTSchemaData> presets {p1080()};
    frame.initPresetResolutionRatioData(presets);
    frame.setSupportEDID(support);
    auto* picker = frame.findChild<ResolutionWidget*>();
    if (custom)
        picker->setRadioButtonCustomChecked();
    else
        picker->setRadioButtonPresetChecked();
    QSignalSpy resized(&frame, &DMTEditFrame::signalContentResize);
    auto* toggle = frame.findChild<QPushButton*>(QStringLiteral("AdvanceButton"));
    for (int i = 0; i < clicks; ++i)
        toggle->click();
    QCOMPARE(resized.count(), clicks);
    QCOMPARE(frame.isTimingDetailsShow(), rows);
    for (const char* name : {"HorPolarityWidget", "VerPolarityWidget"})
        QCOMPARE(frame.findChild<PolarityWidget*>(QLatin1String(name))->isHidden(), !rows);
    QCOMPARE(frame.findChild<SliderWithDoubleSpinWidget*>(QStringLiteral("DMTRefreshRate"))->isHidden(), !rows);
    for (const char* name : {"ExistEDIDFrame", "CustomEDIDFrame"})
        QCOMPARE(frame.findChild<QFrame*>(QLatin1String(name))->isHidden(), !templates);
    QCOMPARE(toggle->property("iconName").toString(),
        rows ? QStringLiteral("arrow_more_show") : QStringLiteral("arrow_more_hide"));
    // Support switched later applies to the shown state at once.
    frame.setSupportEDID(!support);
    QCOMPARE(frame.findChild<QFrame*>(QStringLiteral("ExistEDIDFrame"))->isHidden(), !(!support && custom && rows));
}

void TestDMTEditFrame::connectorSwitch_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("radios");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("step");
    QTest::newRow("DVI SL") << int(Connector::Single_Link_DVI) << true << true << 1;
    QTest::newRow("DP 1.1 SL") << int(Connector::Single_Link_DP_1_1) << true << true << 1;
    QTest::newRow("DVI DL") << int(Connector::Dual_Link_DVI) << true << true << 2;
    QTest::newRow("HDMI 1.3") << int(Connector::HDMI_1_3) << true << true << 2;
    QTest::newRow("HDMI 1.4") << int(Connector::HDMI_1_4) << true << true << 2;
    QTest::newRow("DP 1.2") << int(Connector::DP_1_2) << true << true << 2;
    QTest::newRow("HDBaseT") << int(Connector::HDBaseT) << true << true << 2;
    QTest::newRow("DP 1.1 DL") << int(Connector::Dual_Link_DP_1_1) << true << true << 2;
    QTest::newRow("HDMI 2.0") << int(Connector::HDMI_2_0) << true << true << 4;
    QTest::newRow("3G-SDI") << int(Connector::_3G_SDI) << false << false << 0;
    QTest::newRow("VGA") << int(Connector::VGA) << false << false << 0;
    QTest::newRow("12G-SDI") << int(Connector::_12G_SDI) << false << false << 0;
    QTest::newRow("6G-SDI") << int(Connector::_6G_SDI) << false << false << 0;
}

void TestDMTEditFrame::connectorSwitch()
{
    QFETCH(int, type);
    QFETCH(bool, radios);
    QFETCH(bool, enabled);
    QFETCH(int, step);
    DMTEditFrame frame;
    auto* picker = frame.findChild<ResolutionWidget*>();
    auto* width = picker->findChild<SliderWithSpinWidget*>(QStringLiteral("ResolutionWidth"));
    auto* height = picker->findChild<SliderWithSpinWidget*>(QStringLiteral("ResolutionHeight"));
    // Start from the other state, so that every change shows.
    Vireo::BizModel::s_ConnectorInfo info;
    info.m_eType = radios ? Connector::VGA : Connector::HDMI_2_0;
    frame.setConnectInfo(info);
    info.m_eType = Connector(type);
    frame.setConnectInfo(info);

    auto* radioFrame = picker->findChild<QRadioButton*>()->parentWidget();
    QCOMPARE(radioFrame->isHidden(), !radios);
    for (const char* name : {"HorPolarityWidget", "VerPolarityWidget"})
        QCOMPARE(frame.findChild<PolarityWidget*>(QLatin1String(name))->isEnabled(), enabled);
    QCOMPARE(frame.findChild<SliderWithDoubleSpinWidget*>(QStringLiteral("DMTRefreshRate"))->isEnabled(), enabled);
    if (step > 0) {
        QCOMPARE(width->findChild<QSpinBox*>()->singleStep(), step);
        int minimum = 0;
        int maximum = 0;
        width->getSpinBoxRange(minimum, maximum);
        QCOMPARE(qMakePair(minimum, maximum), qMakePair(640, 3840));
        height->getSpinBoxRange(minimum, maximum);
        QCOMPARE(qMakePair(minimum, maximum), qMakePair(480, 3840));
    }

    // An unknown kind changes nothing.
    info.m_eType = Connector::INVALID;
    frame.setConnectInfo(info);
    QCOMPARE(radioFrame->isHidden(), !radios);
}

void TestDMTEditFrame::totalRanges_data()
{
    QTest::addColumn<quint32>("minBandwidth");
    QTest::addColumn<quint32>("maxBandwidth");
    QTest::addColumn<float>("minRate");
    QTest::addColumn<float>("maxRate");
    QTest::addColumn<QSize>("minSize");
    QTest::addColumn<QSize>("maxSize");
    QTest::addColumn<int>("hMin");
    QTest::addColumn<int>("hMax");
    QTest::addColumn<int>("vMin");
    QTest::addColumn<int>("vMax");
    // 600e6 / 24 / 580 = 43103.4; 25e6 / 120 / (2160 + 100) = 92.2; 25e6 / 120 / 3940 = 52.9;
    // 600e6 / 24 / 740 = 33783.8.
    QTest::newRow("wide") << 25000000u << 600000000u << 24.f << 120.f << QSize(640, 480) << QSize(3840, 2160) << 92
                          << 43103 << 52 << 33783;
    // 67 972 500 / 60 / 1125 is 1007 exactly; single precision makes it 1006.9999.
    QTest::newRow("exact quotient") << 1000000u << 67972500u << 60.f << 60.f << QSize(1025, 1025) << QSize(1025, 1025)
                                    << 14 << 1007 << 14 << 1007;
    // 59.94 Hz: 148 351 500 / 59.94 / 1125 = 2200 exactly.
    QTest::newRow("59.94 Hz") << 1000000u << 148351500u << 59.94f << 59.94f << QSize(1025, 1025) << QSize(1025, 1025)
                              << 14 << 2200 << 14 << 2200;
}

void TestDMTEditFrame::totalRanges()
{
    QFETCH(quint32, minBandwidth);
    QFETCH(quint32, maxBandwidth);
    QFETCH(float, minRate);
    QFETCH(float, maxRate);
    QFETCH(QSize, minSize);
    QFETCH(QSize, maxSize);
    QFETCH(int, hMin);
    QFETCH(int, hMax);
    QFETCH(int, vMin);
    QFETCH(int, vMax);
    Vireo::BizModel::s_ConnectorInfo info;
    info.m_eType = Connector::HDMI_2_0;
    info.m_nMinBandwidth = minBandwidth;
    info.m_nMaxBandwidth = maxBandwidth;
    info.m_fMinRefreshRate = minRate;
    info.m_fMaxRefreshRate = maxRate;
    info.m_sizeMinResolution = minSize;
    info.m_sizeMaxResolution = maxSize;
    DMTEditFrame frame;
    frame.setTotalTiming(info);
    const auto range = [&frame](const char* row) {
        int minimum = 0;
        int maximum = 0;
        frame.findChild<PolarityWidget*>(QLatin1String(row))
            ->findChild<SliderWithSpinWidget*>(QStringLiteral("PolarityTotal"))
            ->getSpinBoxRange(minimum, maximum);
        return qMakePair(minimum, maximum);
    };
    QCOMPARE(range("HorPolarityWidget"), qMakePair(hMin, hMax));
    QCOMPARE(range("VerPolarityWidget"), qMakePair(vMin, vMax));
}

QTEST_MAIN(TestDMTEditFrame)
#include "tst_dmteditframe.moc"
