// vireo_bench: every benchmark of the library in one run, closed by one table.
// Google Benchmark flags work as usual (--benchmark_filter=..., --benchmark_list_tests).

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif
#include "benchsupport.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// Google Benchmark's own per-run lines are replaced by the one table printed at the end; rows
// that could not be measured are collected for it.
class TableReporter : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred)
                Vireo::Bench::reportError(QString::fromStdString(run.benchmark_name()), QStringLiteral("-"),
                    QString::fromStdString(run.error_message));
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
#ifdef M_TRIM_THRESHOLD
    // Freed memory stays with the process: otherwise a sample after a large one pays for giving
    // memory back to the system and faulting it in again, which is the allocator's noise, not the
    // job's (floor and job samples alternate, so it lands on either).
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Vireo::Bench::installMessageFilter();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    Vireo::Bench::printTable();
    return Vireo::Bench::exitStatus();
}
