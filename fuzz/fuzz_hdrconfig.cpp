// The HDR configuration reader against arbitrary files. Properties checked on every input:
//  - a refused file leaves a message of a known form and every limit read before unchanged; a
//    parse error is the one Qt's DOM parser reports, and a root or version refusal is for a
//    document that parser accepts;
//  - an accepted file was well-formed XML with a "Vireo" root of version 1.0 (or none), within the
//    size limit, its message argument is left alone, limits read before stay, and every limit it
//    adds is exactly the first list the file gives for that key and group;
//  - the HDR panel enables exactly the bit depths the accepted limits list for HDR10.

#include "fuzzsupport.h"

#include <vireomodel/fixture.h>
#include <vireowidgets/picture/hdrconfig.h>
#include <vireowidgets/picture/hdrwidget.h>

#include <QAbstractButton>
#include <QDomDocument>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>

using namespace Vireo::Widgets;

namespace {

// Limits every run starts from: the HDR10 key allows 10 and 12 bit, the SDR key any gamut.
const QByteArray kBase = "<Vireo version=\"1.0\">"
                         "<Key Type=\"1\" Value=\"1\"><ValueInfo Type=\"0\"><SupportValue>10</SupportValue>"
                         "<SupportValue>12</SupportValue></ValueInfo></Key>"
                         "<Key Type=\"1\" Value=\"0\"><ValueInfo Type=\"2\"><SupportValue>255</SupportValue>"
                         "</ValueInfo></Key></Vireo>";

struct Setup
{
    QTemporaryDir dir;
    QString basePath;
    QString inputPath;
    HDRWidget* panel = nullptr;

    Setup()
    {
        Vireo::Fuzz::ensureApplication();
        Vireo::Fixture::reset();
        Vireo::Fixture::makeActiveDevice();
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        basePath = dir.filePath(QStringLiteral("base.xml"));
        inputPath = dir.filePath(QStringLiteral("input.xml"));
        QFile base(basePath);
        if (base.open(QIODevice::WriteOnly))
            base.write(kBase);
        panel = new HDRWidget;
        panel->setCustomParam(true, true, true);
        panel->setBitDepthValueRange(5);
        panel->initWidget();
        panel->retranslateUi();
    }
};

Setup& setup()
{
    static Setup s;
    return s;
}

using Limits = std::map<std::pair<int, int>, QMap<int, QList<int>>>;

int number(const QString& text)
{
    return text.toInt(nullptr, 10);
}

// What the file itself asks for: per (key type, key value), per group, the first list given.
Limits expectedFrom(const QDomElement& root)
{
    Limits limits;
    for (QDomElement key = root.firstChildElement(QStringLiteral("Key")); !key.isNull();
         key = key.nextSiblingElement(QStringLiteral("Key"))) {
        auto& entry =
            limits[{number(key.attribute(QStringLiteral("Type"))), number(key.attribute(QStringLiteral("Value")))}];
        for (QDomElement info = key.firstChildElement(QStringLiteral("ValueInfo")); !info.isNull();
             info = info.nextSiblingElement(QStringLiteral("ValueInfo"))) {
            const int type = number(info.attribute(QStringLiteral("Type")));
            if (entry.contains(type))
                continue;
            QList<int> values;
            for (QDomElement v = info.firstChildElement(QStringLiteral("SupportValue")); !v.isNull();
                 v = v.nextSiblingElement(QStringLiteral("SupportValue")))
                values.append(number(v.text()));
            entry.insert(type, values);
        }
    }
    return limits;
}

QMap<int, QList<int>> plain(const HDRConfig::ValueMap& map)
{
    QMap<int, QList<int>> result;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        result.insert(int(it.key()), it.value());
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Setup& s = setup();
    const QByteArray input = Vireo::Fuzz::bytes(data, size);
    QFile file(s.inputPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(input);
    file.close();

    HDRConfig::destroyInstance();
    HDRConfig* config = HDRConfig::instance();
    QString error;
    VIREO_FUZZ_CHECK(config->readConfig(s.basePath, error), error);
    const QMap<int, QList<int>> hdr10Before = plain(config->getCanSelectedValues({FuncDynamicRange, 1}));
    const QMap<int, QList<int>> sdrBefore = plain(config->getCanSelectedValues({FuncDynamicRange, 0}));

    error = QStringLiteral("sentinel");
    const bool accepted = config->readConfig(s.inputPath, error);
    const QMap<int, QList<int>> hdr10After = plain(config->getCanSelectedValues({FuncDynamicRange, 1}));

    if (!accepted) {
        static const QRegularExpression known(
            QStringLiteral(
                "^(Parse error at line \\d+, column \\d+:\\n.*|This file is not a valid configuration file\\."
                "|This file is not a valid configuration file of version 1\\.0 \\."
                "|File \\[.*\\] (is too large|nests elements|declares entities).*)$"),
            QRegularExpression::DotMatchesEverythingOption);
        VIREO_FUZZ_CHECK(known.match(error).hasMatch(), error);
        // Refusals after the file was read and scanned agree with Qt's DOM parser: the same parse
        // error at the same place, or a document it parses whose root is not a configuration's.
        if (!error.startsWith(QLatin1String("File ["))) {
            QDomDocument document;
            QString parserMessage;
            int line = 0;
            int column = 0;
            const bool parsed = document.setContent(input, &parserMessage, &line, &column);
            if (error.startsWith(QLatin1String("Parse error"))) {
                VIREO_FUZZ_CHECK(!parsed, QStringLiteral("refused a document Qt parses: ") + error);
                VIREO_FUZZ_CHECK(error ==
                        QStringLiteral("Parse error at line %1, column %2:\n%3")
                            .arg(line)
                            .arg(column)
                            .arg(parserMessage),
                    error);
            } else {
                const QDomElement root = document.documentElement();
                VIREO_FUZZ_CHECK(parsed, QStringLiteral("Qt cannot parse a document refused as: ") + error);
                VIREO_FUZZ_CHECK(root.tagName() != QLatin1String("Vireo") ||
                        (root.hasAttribute(QStringLiteral("version")) &&
                            root.attribute(QStringLiteral("version")) != QLatin1String("1.0")),
                    error);
            }
        }
        VIREO_FUZZ_CHECK(hdr10After == hdr10Before, QStringLiteral("a refused file changed the HDR10 limits"));
        VIREO_FUZZ_CHECK(plain(config->getCanSelectedValues({FuncDynamicRange, 0})) == sdrBefore,
            QStringLiteral("a refused file changed the SDR limits"));
    } else {
        VIREO_FUZZ_CHECK(error == QLatin1String("sentinel"), error);
        VIREO_FUZZ_CHECK(input.size() <= HDRConfig::MaxConfigFileSize, QString::number(input.size()));
        QDomDocument document;
        VIREO_FUZZ_CHECK(document.setContent(input), QStringLiteral("accepted a document Qt cannot parse"));
        const QDomElement root = document.documentElement();
        VIREO_FUZZ_CHECK(root.tagName() == QLatin1String("Vireo"), root.tagName());
        VIREO_FUZZ_CHECK(!root.hasAttribute(QStringLiteral("version")) ||
                root.attribute(QStringLiteral("version")) == QLatin1String("1.0"),
            root.attribute(QStringLiteral("version")));

        // Limits already read stay; what the file adds is its own first list.
        for (auto it = hdr10Before.cbegin(); it != hdr10Before.cend(); ++it)
            VIREO_FUZZ_CHECK(hdr10After.value(it.key()) == it.value(), QStringLiteral("an HDR10 limit was replaced"));
        const Limits expected = expectedFrom(root);
        for (const auto& [key, groups] : expected) {
            const QMap<int, QList<int>> stored = plain(config->getCanSelectedValues({key.first, key.second}));
            const QMap<int, QList<int>> before = key == std::make_pair(int(FuncDynamicRange), 1) ? hdr10Before
                : key == std::make_pair(int(FuncDynamicRange), 0)                                ? sdrBefore
                                                                  : QMap<int, QList<int>>();
            for (auto g = groups.cbegin(); g != groups.cend(); ++g) {
                const QList<int> want = before.contains(g.key()) ? before.value(g.key()) : g.value();
                VIREO_FUZZ_CHECK(stored.value(g.key()) == want,
                    QStringLiteral("key (%1, %2) group %3").arg(key.first).arg(key.second).arg(g.key()));
            }
        }
    }

    // The panel shows HDR10 on Rec.2020 with the other groups unset (effective: 8 bit, full range,
    // RGB). Its bit-depth buttons follow the last key, in the panel's order, that names bit depth;
    // the base limits make sure one does.
    Vireo::ProtoModel::s_HDRBody hdr;
    hdr.colorGamut.presetColorGamut = 3;
    hdr.dynamicRange.presetDynamicRange.type = 1;
    s.panel->updateUIFromModel(hdr);
    QList<int> allowed;
    const HDRKey order[] = {
        {FuncBitDepth, 8}, {FuncLimitedRange, 1}, {FuncDynamicRange, 1}, {FuncColorGamut, 3}, {FunColorSpace, 0}};
    for (const HDRKey& key : order) {
        const HDRConfig::ValueMap map = config->getCanSelectedValues(key);
        if (map.contains(FuncBitDepth))
            allowed = map.value(FuncBitDepth);
    }
    for (QAbstractButton* button :
        s.panel->findChild<QWidget*>(QStringLiteral("HDRBitDepthRow"))->findChildren<QPushButton*>()) {
        const int value = button->property("presetValue").toInt();
        VIREO_FUZZ_CHECK(button->isEnabled() == allowed.contains(value),
            QStringLiteral("bit depth %1 enabled: %2").arg(value).arg(button->isEnabled()));
    }
    return 0;
}
