// Reading an HDR configuration file, against a bare QDomDocument parse of the same file: the
// reader's own checks (size, markup scan, root and version) and its walk over the keys must stay
// a small part of what the parse costs anyway.

#include "benchsupport.h"

#include <vireowidgets/picture/hdrconfig.h>

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace Vireo::Bench;

// A configuration of about `bytes` with keys for every group value, each listing allowed values of
// the other groups, written as a device maker would lay it out.
QByteArray makeConfig(int bytes)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Vireo version=\"1.0\">\n";
    const int values[] = {255, 0, 1, 2, 3, 8, 10, 12, 16};
    for (int i = 0; xml.size() < bytes; ++i) {
        const int type = i % 5;
        xml += "    <!-- key " + QByteArray::number(i) + " -->\n";
        xml += "    <Key Type=\"" + QByteArray::number(type) + "\" Value=\"" + QByteArray::number(i) + "\">\n";
        for (int info = 0; info < 5; ++info) {
            if (info == type)
                continue;
            xml += "        <ValueInfo Type=\"" + QByteArray::number(info) + "\">\n";
            for (int v = 0; v < 4; ++v)
                xml +=
                    "            <SupportValue>" + QByteArray::number(values[(i + info + v) % 9]) + "</SupportValue>\n";
            xml += "        </ValueInfo>\n";
        }
        xml += "    </Key>\n";
    }
    xml += "</Vireo>\n";
    return xml;
}

struct ConfigSize
{
    int bytes;
    const char* label;
};
constexpr ConfigSize kSizes[] = {{6'000, "6 KB"}, {100'000, "100 KB"}, {1'000'000, "1 MB"}};

void BM_HDRConfigRead(benchmark::State& state)
{
    const ConfigSize size = kSizes[state.range(0)];
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hdrconfig.xml"));
    const QByteArray content = makeConfig(size.bytes);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
            state.SkipWithError("cannot write the configuration");
            return;
        }
    }

    bool readOk = true;
    PairResult r;
    for (auto _ : state) {
        r = measurePair(
            [&] {
                // Every sample reads into a fresh singleton, as a host's first read does.
                Vireo::Widgets::HDRConfig::destroyInstance();
                Vireo::Widgets::HDRConfig* config = Vireo::Widgets::HDRConfig::instance();
                QString error;
                const qint64 ns = timeNs([&] { readOk = config->readConfig(path, error) && readOk; });
                return ns;
            },
            [&] {
                return timeNs([&] {
                    QFile file(path);
                    QDomDocument document;
                    if (file.open(QIODevice::ReadOnly))
                        document.setContent(file.readAll());
                    benchmark::DoNotOptimize(document.documentElement().tagName());
                });
            });
        state.SetIterationTime(r.job / 1e9);
    }
    Vireo::Widgets::HDRConfig::destroyInstance();

    Row row;
    row.section = 60;
    row.position = 0;
    row.name = QStringLiteral("HDR config: readConfig vs bare QDomDocument parse");
    row.size = QString::fromLatin1(size.label);
    row.sizeOrder = size.bytes;
    row.value = r.job;
    row.floor = r.floor;
    row.ratio = r.ratio();
    row.goal = 1.2;
    row.note = QStringLiteral("file of %1 bytes; floor reads the file and parses it").arg(content.size());
    if (!readOk) {
        row.failed = true;
        row.note += QStringLiteral(", the configuration was refused");
    }
    report(row);
    state.counters["floor_ns"] = r.floor;
    state.counters["ratio"] = r.ratio();
}

} // namespace

BENCHMARK(BM_HDRConfigRead)->DenseRange(0, 2)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
