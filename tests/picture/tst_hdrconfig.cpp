#include "common/testsupport.h"

#include <vireowidgets/picture/hdrconfig.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

using namespace Vireo::Widgets;

Q_DECLARE_METATYPE(HDRConfig::ValueMap)

namespace {

// A configuration allowing 8 and 10 bit while the dynamic range is HDR10.
const QByteArray kGoodConfig = R"(<?xml version="1.0"?>
<Vireo version="1.0">
  <Key Type="1" Value="1">
    <ValueInfo Type="0"><SupportValue>8</SupportValue><SupportValue>10</SupportValue></ValueInfo>
  </Key>
</Vireo>
)";

const HDRKey kHDR10 {FuncDynamicRange, 1};

HDRConfig::ValueMap map(std::initializer_list<std::pair<HDRFuncType, QList<int>>> entries)
{
    HDRConfig::ValueMap result;
    for (const auto& [type, values] : entries)
        result.insert(type, values);
    return result;
}

} // namespace

class TestHDRConfig : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();

    void badFileIsRefusedAndLimitsStay_data();
    void badFileIsRefusedAndLimitsStay();
    void acceptedDocuments_data();
    void acceptedDocuments();
    void laterFilesOnlyAddWhatIsNew();
    void successLeavesMessageAlone();
    void instanceIsCreatedOnceAcrossThreads();
    void destroyInstanceStartsAfresh();
    void exampleConfigurationIsAccepted();

private:
    QString write(const QString& name, const QByteArray& content);
    QTemporaryDir m_dir;
};

void TestHDRConfig::init()
{
    HDRConfig::destroyInstance();
}

void TestHDRConfig::cleanupTestCase()
{
    HDRConfig::destroyInstance();
}

QString TestHDRConfig::write(const QString& name, const QByteArray& content)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(content);
    return path;
}

void TestHDRConfig::badFileIsRefusedAndLimitsStay_data()
{
    QTest::addColumn<QString>("fileName"); // "" for an empty path, "-" for a missing file, "/" for a folder
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message"); // regular expression; %1 stands for the path

    QByteArray deep = "<Vireo>";
    for (int i = 0; i < 100000; ++i)
        deep += "<Key>";
    QByteArray quotedDeep = "<Vireo>";
    for (int i = 0; i < 5000; ++i)
        quotedDeep += "<Key Type=\"/>\">";
    QByteArray huge = "<Vireo version=\"1.0\">";
    while (huge.size() <= HDRConfig::MaxConfigFileSize)
        huge += "<Key Type=\"0\" Value=\"8\"><ValueInfo Type=\"1\"><SupportValue>0</SupportValue></ValueInfo></Key>\n";
    huge += "</Vireo>";
    QByteArray laughs = "<!DOCTYPE Vireo [<!ENTITY e \"" + QByteArray(4000, 'x') + "\">]><Vireo>";
    for (int i = 0; i < 1000; ++i)
        laughs += "&e;";
    laughs += "</Vireo>";

    QTest::newRow("empty path") << "" << QByteArray() << QStringLiteral("^Invalid file path!$");
    QTest::newRow("missing") << "-" << QByteArray() << QStringLiteral("^Fail to open file \\[%1\\]!$");
    QTest::newRow("folder") << "/" << QByteArray() << QStringLiteral("^Fail to open file \\[%1\\]!$");
    QTest::newRow("empty") << "empty.xml" << QByteArray()
                           << QStringLiteral("^Parse error at line \\d+, column \\d+:\\n.+");
    QTest::newRow("not xml") << "text.xml" << QByteArray("Bit depth: 8, 10\n")
                             << QStringLiteral("^Parse error at line 1, column \\d+:\\n.+");
    QTest::newRow("truncated") << "cut.xml" << kGoodConfig.left(kGoodConfig.size() / 2)
                               << QStringLiteral("^Parse error at line \\d+, column \\d+:\\n.+");
    QTest::newRow("binary") << "bin.xml" << QByteArray("\x00\xff\xfe<\x01Vireo>", 10)
                            << QStringLiteral("^Parse error at line \\d+, column \\d+:\\n.+");
    QTest::newRow("another schema") << "other.xml"
                                    << QByteArray("<Config version=\"1.0\"><Key Type=\"1\" Value=\"1\"/></Config>")
                                    << QStringLiteral("^This file is not a valid configuration file\\.$");
    QTest::newRow("root differs in case")
        << "case.xml" << QByteArray("<vireo/>") << QStringLiteral("^This file is not a valid configuration file\\.$");
    QTest::newRow("version 2.0") << "v2.xml" << QByteArray("<Vireo version=\"2.0\"/>")
                                 << QStringLiteral(
                                        "^This file is not a valid configuration file of version 1\\.0 \\.$");
    QTest::newRow("empty version") << "v.xml" << QByteArray("<Vireo version=\"\"/>")
                                   << QStringLiteral(
                                          "^This file is not a valid configuration file of version 1\\.0 \\.$");
    QTest::newRow("endless device") << "/dev/zero" << QByteArray()
                                    << QStringLiteral("^File \\[%1\\] is too large \\(more than 1048576 bytes\\)!$");
    QTest::newRow("huge") << "huge.xml" << huge
                          << QStringLiteral("^File \\[%1\\] is too large \\(more than 1048576 bytes\\)!$");
    QTest::newRow("nested too deep") << "deep.xml" << deep
                                     << QStringLiteral("^File \\[%1\\] nests elements deeper than 64 levels!$");
    QTest::newRow("deep behind quoted '/>'")
        << "quoted.xml" << quotedDeep << QStringLiteral("^File \\[%1\\] nests elements deeper than 64 levels!$");
    QTest::newRow("entity expansion") << "laughs.xml" << laughs
                                      << QStringLiteral("^File \\[%1\\] declares entities, .+!$");
}

void TestHDRConfig::badFileIsRefusedAndLimitsStay()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);

    QString error;
    HDRConfig* config = HDRConfig::instance();
    QVERIFY(config->readConfig(write(QStringLiteral("good.xml"), kGoodConfig), error));
    const HDRConfig::ValueMap before = config->getCanSelectedValues(kHDR10);
    QCOMPARE(before, map({{FuncBitDepth, {8, 10}}}));

    QString path;
    if (fileName == QLatin1String("-"))
        path = m_dir.filePath(QStringLiteral("does-not-exist.xml"));
    else if (fileName == QLatin1String("/"))
        path = m_dir.path();
    else if (fileName.startsWith(QLatin1String("/dev/")))
        path = fileName;
    else if (!fileName.isEmpty())
        path = write(fileName, content);
    const QString expected =
        message.contains(QLatin1String("%1")) ? message.arg(QRegularExpression::escape(path)) : message;

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^HDRConfig: configuration refused")));
    error = QStringLiteral("unchanged");
    QVERIFY(!config->readConfig(path, error));
    QVERIFY2(QRegularExpression(expected).match(error).hasMatch(), qPrintable(error));
    QCOMPARE(config->getCanSelectedValues(kHDR10), before);
}

void TestHDRConfig::acceptedDocuments_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("value");
    QTest::addColumn<HDRConfig::ValueMap>("expected");

    QTest::newRow("no version")
        << QByteArray(
               "<Vireo><Key Type=\"0\" Value=\"8\"><ValueInfo Type=\"1\"><SupportValue>0</SupportValue></ValueInfo>"
               "</Key></Vireo>")
        << 0 << 8 << map({{FuncDynamicRange, {0}}});
    QTest::newRow("file order kept")
        << QByteArray("<Vireo version=\"1.0\"><Key Type=\"2\" Value=\"255\"><ValueInfo "
                      "Type=\"1\"><SupportValue>2</SupportValue>"
                      "<SupportValue>255</SupportValue><SupportValue>0</SupportValue></ValueInfo></Key></Vireo>")
        << 2 << 255 << map({{FuncDynamicRange, {2, 255, 0}}});
    QTest::newRow("repeated key merges new groups only")
        << QByteArray(
               "<Vireo>"
               "<Key Type=\"1\" Value=\"1\"><ValueInfo Type=\"0\"><SupportValue>10</SupportValue></ValueInfo></Key>"
               "<Key Type=\"1\" Value=\"1\"><ValueInfo Type=\"0\"><SupportValue>16</SupportValue></ValueInfo>"
               "<ValueInfo Type=\"2\"><SupportValue>3</SupportValue></ValueInfo></Key></Vireo>")
        << 1 << 1 << map({{FuncBitDepth, {10}}, {FuncColorGamut, {3}}});
    QTest::newRow("repeated group in one key: first list stays")
        << QByteArray("<Vireo><Key Type=\"4\" Value=\"1\">"
                      "<ValueInfo Type=\"0\"><SupportValue>8</SupportValue></ValueInfo>"
                      "<ValueInfo Type=\"0\"><SupportValue>12</SupportValue></ValueInfo></Key></Vireo>")
        << 4 << 1 << map({{FuncBitDepth, {8}}});
    QTest::newRow("not a number reads 0, spaces allowed")
        << QByteArray("<Vireo><Key Type=\"3\" Value=\" 1 \"><ValueInfo Type=\"4\">"
                      "<SupportValue> 2 </SupportValue><SupportValue>two</SupportValue><SupportValue>0x3</SupportValue>"
                      "</ValueInfo></Key></Vireo>")
        << 3 << 1 << map({{FunColorSpace, {2, 0, 0}}});
    QTest::newRow("other elements and nested keys ignored")
        << QByteArray("<Vireo><Comment>x</Comment><Group><Key Type=\"0\" Value=\"8\"/></Group>"
                      "<Key Type=\"0\" Value=\"10\" Extra=\"y\"><Note/><ValueInfo Type=\"1\"><Other>7</Other>"
                      "<SupportValue>1</SupportValue></ValueInfo></Key></Vireo>")
        << 0 << 10 << map({{FuncDynamicRange, {1}}});
    QTest::newRow("comments and CDATA do not count as nesting")
        << QByteArray("<Vireo><!-- <a><a><a> --><![CDATA[<b><b>]]><?pi <c>?>"
                      "<Key Type=\"0\" Value=\"12\"><ValueInfo Type=\"4\"><SupportValue>1</SupportValue>"
                      "</ValueInfo></Key></Vireo>")
        << 0 << 12 << map({{FunColorSpace, {1}}});
    QTest::newRow("key without value info")
        << QByteArray("<Vireo><Key Type=\"0\" Value=\"16\"/></Vireo>") << 0 << 16 << HDRConfig::ValueMap();
}

void TestHDRConfig::acceptedDocuments()
{
    QFETCH(QByteArray, content);
    QFETCH(int, type);
    QFETCH(int, value);
    QFETCH(HDRConfig::ValueMap, expected);

    QString error;
    QVERIFY2(
        HDRConfig::instance()->readConfig(write(QStringLiteral("accepted.xml"), content), error), qPrintable(error));
    QCOMPARE(HDRConfig::instance()->getCanSelectedValues({type, value}), expected);
    QVERIFY(HDRConfig::instance()->getCanSelectedValues({type, value + 1000}).isEmpty());
}

void TestHDRConfig::laterFilesOnlyAddWhatIsNew()
{
    QString error;
    HDRConfig* config = HDRConfig::instance();
    QVERIFY(config->readConfig(write(QStringLiteral("first.xml"), kGoodConfig), error));
    const QByteArray second = "<Vireo><Key Type=\"1\" Value=\"1\">"
                              "<ValueInfo Type=\"0\"><SupportValue>12</SupportValue></ValueInfo>"
                              "<ValueInfo Type=\"2\"><SupportValue>3</SupportValue></ValueInfo></Key>"
                              "<Key Type=\"1\" Value=\"0\"><ValueInfo Type=\"2\"><SupportValue>1</SupportValue>"
                              "</ValueInfo></Key></Vireo>";
    QVERIFY(config->readConfig(write(QStringLiteral("second.xml"), second), error));
    QCOMPARE(config->getCanSelectedValues(kHDR10), map({{FuncBitDepth, {8, 10}}, {FuncColorGamut, {3}}}));
    QCOMPARE(config->getCanSelectedValues({FuncDynamicRange, 0}), map({{FuncColorGamut, {1}}}));
}

void TestHDRConfig::successLeavesMessageAlone()
{
    QString error = QStringLiteral("earlier message");
    QVERIFY(HDRConfig::instance()->readConfig(write(QStringLiteral("ok.xml"), kGoodConfig), error));
    QCOMPARE(error, QStringLiteral("earlier message"));
}

void TestHDRConfig::instanceIsCreatedOnceAcrossThreads()
{
    constexpr int kThreads = 8;
    std::vector<HDRConfig*> seen(kThreads, nullptr);
    std::atomic<bool> go {false};
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            while (!go.load())
                std::this_thread::yield();
            seen[size_t(i)] = HDRConfig::instance();
        });
    }
    go = true;
    for (auto& thread : threads)
        thread.join();
    for (HDRConfig* config : seen)
        QCOMPARE(config, HDRConfig::instance());
}

void TestHDRConfig::destroyInstanceStartsAfresh()
{
    QString error;
    QVERIFY(HDRConfig::instance()->readConfig(write(QStringLiteral("fresh.xml"), kGoodConfig), error));
    QVERIFY(!HDRConfig::instance()->getCanSelectedValues(kHDR10).isEmpty());
    HDRConfig::destroyInstance();
    QVERIFY(HDRConfig::instance()->getCanSelectedValues(kHDR10).isEmpty());
}

void TestHDRConfig::exampleConfigurationIsAccepted()
{
    const QString example = QFINDTESTDATA("../../gallery/data/hdrconfig.xml");
    QVERIFY(!example.isEmpty());
    QString error;
    QVERIFY2(HDRConfig::instance()->readConfig(example, error), qPrintable(error));
    // HDR10 allows the wide gamuts and 10 or 12 bit only.
    QCOMPARE(HDRConfig::instance()->getCanSelectedValues(kHDR10),
        map({{FuncColorGamut, {255, 2, 3}}, {FuncBitDepth, {255, 10, 12}}}));
}

QTEST_MAIN(TestHDRConfig)
#include "tst_hdrconfig.moc"
