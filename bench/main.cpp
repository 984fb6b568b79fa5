// vireo_bench: every benchmark of the library in one run, closed by one table.
// Google Benchmark flags work as usual (--benchmark_filter=..., --benchmark_list_tests).

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
