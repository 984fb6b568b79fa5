#include "benchsupport.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHash>
#include <QStringList>
#include <QTextStream>

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace Vireo::Bench {

namespace {

double median(std::vector<qint64> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const size_t mid = samples.size() / 2;
    if (samples.size() % 2)
        return double(samples[mid]);
    return (double(samples[mid - 1]) + double(samples[mid])) / 2.0;
}

struct Tables
{
    std::vector<Row> rows;
    QStringList errors;
    int warnings = 0;
    QStringList shownWarnings;
};

Tables& tables()
{
    static Tables t;
    return t;
}

QString formatTime(double ns)
{
    if (ns < 0)
        return QStringLiteral("-");
    if (ns < 1e6)
        return QString::number(ns / 1e3, 'f', 1) + QStringLiteral(" us");
    if (ns < 1e9)
        return QString::number(ns / 1e6, 'f', 2) + QStringLiteral(" ms");
    return QString::number(ns / 1e9, 'f', 2) + QStringLiteral(" s");
}

QString formatBytes(double bytes)
{
    if (bytes < 10 * 1024)
        return QString::number(bytes, 'f', 0) + QStringLiteral(" B");
    return QString::number(bytes / 1024.0, 'f', 1) + QStringLiteral(" KiB");
}

QString formatValue(const Row& row, double v)
{
    if (v < 0)
        return QStringLiteral("-");
    return row.unit == Unit::Bytes ? formatBytes(v) : formatTime(v);
}

QString verdict(const Row& row)
{
    if (row.goal < 0)
        return row.failed ? QStringLiteral("over") : QStringLiteral("info");
    return (row.ratio >= 0 && row.ratio <= row.goal && !row.failed) ? QStringLiteral("ok") : QStringLiteral("over");
}

QtMessageHandler g_previousHandler = nullptr;

void messageFilter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    // The offscreen platform's notice about window size hints says nothing about the library.
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    Tables& t = tables();
    ++t.warnings;
    if (t.shownWarnings.size() < 5 && !t.shownWarnings.contains(message))
        t.shownWarnings << message;
    if (type == QtFatalMsg && g_previousHandler)
        g_previousHandler(type, context, message);
}

// One reading of a POSIX clock, in nanoseconds; the reading's type is the one `read` fills.
template <typename Reading>
qint64 clockNs(int (*read)(clockid_t, Reading*), clockid_t clock)
{
    Reading reading {};
    read(clock, &reading);
    return qint64(reading.tv_sec) * 1'000'000'000 + reading.tv_nsec;
}

} // namespace

qint64 threadCpuNs()
{
    return clockNs(&clock_gettime, CLOCK_THREAD_CPUTIME_ID);
}

PairResult measurePair(const Sample& job, const Sample& floor, const Budget& budget)
{
    floor();
    job();
    std::vector<qint64> jobs;
    std::vector<qint64> floors;
    qint64 spent = 0;
    for (int i = 0; i < budget.maxReps; ++i) {
        if (i >= budget.minReps && spent >= budget.targetNs)
            break;
        qint64 j;
        qint64 f;
        if (i % 2) {
            j = job();
            f = floor();
        } else {
            f = floor();
            j = job();
        }
        jobs.push_back(j);
        floors.push_back(f);
        spent += j + f;
    }
    PairResult result;
    result.job = median(jobs);
    result.floor = median(floors);
    result.reps = int(jobs.size());
    return result;
}

void drainEvents()
{
    // Twice: handling posted events (a layout request, a deferred call) may post the next ones.
    for (int i = 0; i < 2; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

qint64 heapBytesInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks) + qint64(info.hblkhd);
}

void report(const Row& row)
{
    tables().rows.push_back(row);
}

void reportError(const QString& name, const QString& size, const QString& error)
{
    tables().errors << QStringLiteral("%1 [%2]: %3").arg(name, size, error);
}

int exitStatus()
{
    return tables().errors.isEmpty() ? 0 : 1;
}

void installMessageFilter()
{
    g_previousHandler = qInstallMessageHandler(messageFilter);
}

void printTable()
{
    std::vector<Row> rows = tables().rows;
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return std::tie(a.section, a.position, a.sizeOrder) < std::tie(b.section, b.position, b.sizeOrder);
    });

    const QStringList header = {QStringLiteral("row"), QStringLiteral("N"), QStringLiteral("time"),
        QStringLiteral("floor"), QStringLiteral("ratio"), QStringLiteral("goal"), QStringLiteral("result"),
        QStringLiteral("note")};
    QList<QStringList> cells;
    for (const Row& row : rows) {
        cells << QStringList {row.name, row.size, formatValue(row, row.value), formatValue(row, row.floor),
            row.ratio < 0 ? QStringLiteral("-") : QString::number(row.ratio, 'f', 2),
            row.goal < 0 ? QStringLiteral("-") : QStringLiteral("<= ") + QString::number(row.goal), verdict(row),
            row.note};
    }
    QVector<int> widths(header.size());
    for (int c = 0; c < header.size(); ++c) {
        widths[c] = header[c].size();
        for (const QStringList& line : cells)
            widths[c] = std::max(widths[c], int(line[c].size()));
    }
    // Names left-aligned, figures right-aligned, the note last and unpadded.
    auto format = [&](const QStringList& line) {
        QString out;
        for (int c = 0; c < line.size(); ++c) {
            const bool left = c == 0 || c == line.size() - 1;
            if (c == line.size() - 1)
                out += line[c];
            else
                out += (left ? line[c].leftJustified(widths[c]) : line[c].rightJustified(widths[c])) +
                    QStringLiteral("  ");
        }
        return out.trimmed();
    };

    QTextStream out(stdout);
    out << '\n' << format(header) << '\n';
    int total = 0;
    for (int w : widths)
        total += w + 2;
    out << QString(total - 2, QLatin1Char('-')) << '\n';
    int lastSection = rows.empty() ? 0 : rows.front().section;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].section != lastSection) {
            out << '\n';
            lastSection = rows[i].section;
        }
        out << format(cells[int(i)]) << '\n';
    }

    int over = 0;
    for (const Row& row : rows)
        over += verdict(row) == QLatin1String("over");
    out << '\n' << rows.size() << " rows, " << over << " over their goal.\n";
    const Tables& t = tables();
    for (const QString& error : t.errors)
        out << "not measured: " << error << '\n';
    if (t.warnings) {
        out << t.warnings << " warnings were logged during the run, for example:\n";
        for (const QString& w : t.shownWarnings)
            out << "  " << w << '\n';
    }
    out.flush();
}

} // namespace Vireo::Bench
