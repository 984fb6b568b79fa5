#include "common/testsupport.h"

#include <vireowidgets/picture/hdrconfig.h>

#include <QDir>
#include <QDomDocument>
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
    void parseErrorsReadAsQtsDomParserReportsThem_data();
    void parseErrorsReadAsQtsDomParserReportsThem();
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

    const QString openFailed = QStringLiteral("^Fail to open file \\[%1\\]!$");
    const QString parseError = QStringLiteral("^Parse error at line \\d+, column \\d+:\\n.+");
    const QString notConfig = QStringLiteral("^This file is not a valid configuration file\\.$");
    const QString wrongVersion = QStringLiteral("^This file is not a valid configuration file of version 1\\.0 \\.$");
    const QString tooLarge = QStringLiteral("^File \\[%1\\] is too large \\(more than 1048576 bytes\\)!$");
    const QString tooDeep = QStringLiteral("^File \\[%1\\] nests elements deeper than 64 levels!$");
    QTest::newRow("empty path") << "" << QByteArray() << QStringLiteral("^Invalid file path!$");
    QTest::newRow("missing") << "-" << QByteArray() << openFailed;
    QTest::newRow("folder") << "/" << QByteArray() << openFailed;
    QTest::newRow("empty") << "empty.xml" << QByteArray() << parseError;
    QTest::newRow("not xml") << "text.xml" << QByteArray("Bit depth: 8, 10\n")
                             << QStringLiteral("^Parse error at line 1, column \\d+:\\n.+");
    QTest::newRow("truncated") << "cut.xml" << kGoodConfig.left(kGoodConfig.size() / 2) << parseError;
    QTest::newRow("binary") << "bin.xml" << QByteArray("\x00\xff\xfe<\x01Vireo>", 10) << parseError;
    QTest::newRow("another schema") << "other.xml"
                                    << QByteArray("<Config version=\"1.0\"><Key Type=\"1\" Value=\"1\"/></Config>")
                                    << notConfig;
    QTest::newRow("root differs in case") << "case.xml" << QByteArray("<vireo/>") << notConfig;
    QTest::newRow("version 2.0") << "v2.xml" << QByteArray("<Vireo version=\"2.0\"/>") << wrongVersion;
    QTest::newRow("empty version") << "v.xml" << QByteArray("<Vireo version=\"\"/>") << wrongVersion;
    QTest::newRow("endless device") << "/dev/zero" << QByteArray() << tooLarge;
    QTest::newRow("huge") << "huge.xml" << huge << tooLarge;
    QTest::newRow("nested too deep") << "deep.xml" << deep << tooDeep;
    QTest::newRow("deep behind quoted '/>'") << "quoted.xml" << quotedDeep << tooDeep;
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
    QTest::newRow("not a number or out of range reads 0, spaces allowed")
        << QByteArray(
               "<Vireo><Key Type=\"3\" Value=\" 1 \"><ValueInfo Type=\"4\">"
               "<SupportValue> 2 </SupportValue><SupportValue>two</SupportValue><SupportValue>0x3</SupportValue>"
               "<SupportValue>2147483648</SupportValue><SupportValue>-7</SupportValue><SupportValue>007</SupportValue>"
               "</ValueInfo></Key></Vireo>")
        << 3 << 1 << map({{FunColorSpace, {2, 0, 0, 0, -7, 7}}});
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
    QTest::newRow("comments, CDATA and character references join into the value")
        << QByteArray("<Vireo><Key Type=\"1\" Value=\"1\"><ValueInfo Type=\"0\">"
                      "<SupportValue>1<!-- one -->0</SupportValue><SupportValue><![CDATA[1]]>2</SupportValue>"
                      "<SupportValue>&#49;&#54;</SupportValue><SupportValue>&lt;8</SupportValue>"
                      "</ValueInfo></Key></Vireo>")
        << 1 << 1 << map({{FuncBitDepth, {10, 12, 16, 0}}});
    QTest::newRow("text of elements inside a value counts, whitespace between them does not")
        << QByteArray("<Vireo><Key Type=\"1\" Value=\"1\"><ValueInfo Type=\"0\">"
                      "<SupportValue><b>1</b> <i>2</i></SupportValue><SupportValue>1 <b/> 2</SupportValue>"
                      "</ValueInfo></Key></Vireo>")
        << 1 << 1 << map({{FuncBitDepth, {12, 0}}});
    QTest::newRow("whitespace counts only in CDATA")
        << QByteArray("<Vireo><Key Type=\"1\" Value=\"1\"><ValueInfo Type=\"0\">"
                      "<SupportValue>1<![CDATA[ ]]>2</SupportValue><SupportValue>1<b>\xc2\xa0</b>2</SupportValue>"
                      "<SupportValue> <![CDATA[]]>3<![CDATA[\n]]></SupportValue></ValueInfo></Key></Vireo>")
        << 1 << 1 << map({{FuncBitDepth, {0, 12, 3}}});
    QTest::newRow("a repeated attribute keeps its last value")
        << QByteArray("<Vireo version=\"2.0\" version=\"1.0\"><Key Type=\"0\" Value=\"1\" Type=\"2\">"
                      "<ValueInfo Type=\"4\" Type=\"1\"><SupportValue>0</SupportValue></ValueInfo></Key></Vireo>")
        << 2 << 1 << map({{FuncDynamicRange, {0}}});
    QTest::newRow("prefixed names are other elements, declared or not")
        << QByteArray(
               "<Vireo xmlns:v=\"urn:v\"><v:Key Type=\"0\" Value=\"9\"/><undeclared:Key/><Key Type=\"0\" Value=\"9\">"
               "<v:ValueInfo Type=\"1\"><SupportValue>1</SupportValue></v:ValueInfo>"
               "<ValueInfo Type=\"2\"><v:SupportValue>5</v:SupportValue><SupportValue>3</SupportValue>"
               "</ValueInfo></Key></Vireo>")
        << 0 << 9 << map({{FuncColorGamut, {3}}});
    QTest::newRow("values in another encoding")
        << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Vireo><Key Type=\"3\" Value=\"0\">"
                      "<ValueInfo Type=\"0\"><SupportValue>\xa0"
                      "10\xa0</SupportValue></ValueInfo></Key></Vireo>")
        << 3 << 0 << map({{FuncBitDepth, {10}}});
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

void TestHDRConfig::parseErrorsReadAsQtsDomParserReportsThem_data()
{
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("declaration only") << QByteArray("<?xml version=\"1.0\"?>\n");
    QTest::newRow("text before the root") << QByteArray("limits<Vireo/>");
    QTest::newRow("text after the root") << QByteArray("<Vireo/>\nlimits");
    QTest::newRow("two roots") << QByteArray("<Vireo/><Vireo/>");
    QTest::newRow("unclosed root") << QByteArray("<Vireo>\n  <Key Type=\"1\" Value=\"1\"/>\n");
    QTest::newRow("tag mismatch") << QByteArray("<Vireo>\n<Key>\n<ValueInfo>\n</Key>\n</Vireo>");
    QTest::newRow("'<' in an attribute") << QByteArray("<Vireo version=\"<\"/>");
    QTest::newRow("unquoted attribute") << QByteArray("<Vireo version=1.0/>");
    QTest::newRow("']]>' in text") << QByteArray("<Vireo>]]></Vireo>");
    QTest::newRow("unfinished comment") << QByteArray("<Vireo><!-- limits </Vireo>");
    QTest::newRow("bad character reference") << QByteArray("<Vireo>&#xZZ;</Vireo>");
}

// A file that is not well-formed is refused with the message and the position that Qt's DOM parser
// gives for it, whatever way the reader goes through the file.
void TestHDRConfig::parseErrorsReadAsQtsDomParserReportsThem()
{
    QFETCH(QByteArray, content);

    QDomDocument document;
    QString parserMessage;
    int line = 0;
    int column = 0;
    const bool parsed = document.setContent(content, &parserMessage, &line, &column);

    QString error;
    const QString path = write(QStringLiteral("malformed.xml"), content);
    if (!parsed)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^HDRConfig: configuration refused")));
    QCOMPARE(HDRConfig::instance()->readConfig(path, error), parsed);
    QVERIFY2(!parsed, "the row should hold a document Qt cannot parse");
    QCOMPARE(error, QStringLiteral("Parse error at line %1, column %2:\n%3").arg(line).arg(column).arg(parserMessage));
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
