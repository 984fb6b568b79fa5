// P5: theme tokens replaced in large style sheets, against one regular-expression scan of the
// same sheet, and the growth of that cost from one sheet size to the next.

#include "benchdevice.h"
#include "benchsupport.h"

#include <vireowidgets/foundation/theming.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <map>

namespace {

using namespace Vireo::Bench;

constexpr int kColourKeys = 16;
constexpr int kImageKeys = 16;

// Theme values: colours as #RRGGBB, images as files that exist, so that the run measures the
// replacement and not the library's notice about missing files.
struct ThemeFiles
{
    QTemporaryDir dir;
    QMap<QString, QVariant> values;

    ThemeFiles()
    {
        for (int i = 0; i < kColourKeys; ++i)
            values.insert(QStringLiteral("text_%1").arg(i),
                QStringLiteral("#%1").arg(0x102030 + i * 0x030507, 6, 16, QLatin1Char('0')));
        for (int i = 0; i < kImageKeys; ++i) {
            const QString path = dir.filePath(QStringLiteral("icon_%1.png").arg(i));
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write("png");
            values.insert(QStringLiteral("icon_%1").arg(i), path);
        }
    }
};

ThemeFiles& themeFiles()
{
    static ThemeFiles files;
    return files;
}

// A sheet of about `bytes` characters with one theme token every ~100 bytes, colour and image
// tokens alternating, as a host's sheet for many panels would look.
QString makeSheet(int bytes)
{
    QString sheet;
    sheet.reserve(bytes + 128);
    for (int i = 0; sheet.size() < bytes; ++i) {
        if (i % 2 == 0) {
            sheet += QStringLiteral(
                "QLabel#name%1[isHasSignal=\"true\"] { color: orloTheme.color.text_%2; padding: 2px 4px; }\n")
                         .arg(i, 5, 10, QLatin1Char('0'))
                         .arg(i % kColourKeys);
        } else {
            sheet +=
                QStringLiteral("QToolButton#navi%1:hover { border-image: url(orloTheme.image.icon_%2) 0 0 0 0; }\n")
                    .arg(i, 5, 10, QLatin1Char('0'))
                    .arg(i % kImageKeys);
        }
    }
    return sheet;
}

// The floor: one pass of one regular expression over the sheet, reading every token's key.
// QRegularExpression (PCRE2) rather than QRegExp: QRegExp's own scan costs more per byte as the
// sheet grows (about 6.6 ns/byte at 100 KB, 13 at 2 MB here), which would hide a non-linear job.
int scanTokens(const QString& sheet)
{
    static const QRegularExpression rx(QStringLiteral("orloTheme\\.(color|image)\\.(\\w+)"));
    int found = 0;
    QRegularExpressionMatchIterator it = rx.globalMatch(sheet);
    while (it.hasNext())
        found += it.next().capturedRef(2).size() > 0;
    return found;
}

struct SheetSize
{
    int bytes;
    const char* label;
};
constexpr SheetSize kSizes[] = {{10'000, "10 KB"}, {100'000, "100 KB"}, {1'000'000, "1 MB"}};

// Medians of the job per sheet size, for the growth rows.
std::map<int, PairResult>& measured()
{
    static std::map<int, PairResult> m;
    return m;
}

void BM_ThemeReplace(benchmark::State& state)
{
    const SheetSize size = kSizes[state.range(0)];
    ensureTheme(themeFiles().values);
    if (Vireo::Widgets::Theming::theme().isEmpty()) {
        state.SkipWithError("the theme map is empty");
        return;
    }
    const QString sheet = makeSheet(size.bytes);
    const int tokens = scanTokens(sheet);

    QString result;
    PairResult r;
    for (auto _ : state) {
        Budget budget;
        budget.minReps = 9;
        budget.targetNs = 500'000'000;
        r = measurePair(
            [&] {
                return timeNs([&] {
                    result =
                        Vireo::Widgets::Theming::replaceCssImages(Vireo::Widgets::Theming::replaceCssColors(sheet));
                });
            },
            [&] {
                int n = 0;
                const qint64 ns = timeNs([&] { n = scanTokens(sheet); });
                benchmark::DoNotOptimize(n);
                return ns;
            },
            budget);
        state.SetIterationTime(r.job / 1e9);
    }
    measured()[size.bytes] = r;

    // Each half on its own against the same floor, to show where the time goes.
    auto alone = [&](QString (*replace)(const QString&)) {
        Budget budget;
        budget.minReps = 5;
        budget.targetNs = 300'000'000;
        return measurePair([&] { return timeNs([&] { result = replace(sheet); }); },
            [&] {
                int n = 0;
                const qint64 ns = timeNs([&] { n = scanTokens(sheet); });
                benchmark::DoNotOptimize(n);
                return ns;
            },
            budget)
            .ratio();
    };
    const double coloursRatio = alone(&Vireo::Widgets::Theming::replaceCssColors);
    const double imagesRatio = alone(&Vireo::Widgets::Theming::replaceCssImages);

    Row row;
    row.section = 50;
    row.position = 0;
    row.name = QStringLiteral("P5 theming: colours + images vs 1 regex scan");
    row.size = QString::fromLatin1(size.label);
    row.sizeOrder = size.bytes;
    row.value = r.job;
    row.floor = r.floor;
    row.ratio = r.ratio();
    row.goal = 2.0;
    row.note = QStringLiteral("%1 tokens; colours alone %2, images alone %3")
                   .arg(tokens)
                   .arg(coloursRatio, 0, 'f', 2)
                   .arg(imagesRatio, 0, 'f', 2);
    const QString replaced =
        Vireo::Widgets::Theming::replaceCssImages(Vireo::Widgets::Theming::replaceCssColors(sheet));
    if (replaced.contains(QLatin1String("orloTheme."))) {
        row.failed = true;
        row.note += QStringLiteral(", tokens left in the result");
    }
    report(row);

    // Growth from the size ten times smaller: the job's growth divided by the scan's own growth
    // measured in this run, so that caches and a busy machine count on both sides.
    const auto smaller = measured().find(size.bytes / 10);
    if (smaller != measured().end()) {
        const PairResult& s = smaller->second;
        Row growth;
        growth.section = 50;
        growth.position = 1;
        growth.name = QStringLiteral("P5 theming growth (x10 sheet) vs scan growth");
        growth.size = QString::fromLatin1(size.label);
        growth.sizeOrder = size.bytes;
        growth.value = r.job;
        growth.floor = s.job * (r.floor / s.floor);
        growth.ratio = growth.value / growth.floor;
        growth.goal = 1.25;
        growth.note =
            QStringLiteral("job x%1, scan x%2").arg(r.job / s.job, 0, 'f', 1).arg(r.floor / s.floor, 0, 'f', 1);
        report(growth);
    }
    state.counters["floor_ns"] = r.floor;
    state.counters["ratio"] = r.ratio();
}

} // namespace

BENCHMARK(BM_ThemeReplace)->DenseRange(0, 2)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
