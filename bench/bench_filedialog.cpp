// The USB file dialog listing a large folder, against QDir::entryInfoList on the same folder: the
// least a listing needs is reading and sorting the folder, which the dialog must do too; what it
// adds (rows, icons, the view's layout and paint) is what the ratio shows.

#include "benchsupport.h"

#include <vireowidgets/media/filedialogex.h>

#include <vireomodel/utils.h>

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace Vireo::Bench;
using Vireo::Widgets::FileDialogEx;

constexpr int kFolders = 20;

// A drive whose root holds `files` EDID files and a few folders.
struct LargeFolder
{
    QTemporaryDir dir;
    QString root;

    explicit LargeFolder(int files)
    {
        root = dir.filePath(QStringLiteral("sdb1"));
        QDir folder;
        folder.mkpath(root);
        for (int i = 0; i < kFolders; ++i)
            folder.mkpath(root + QStringLiteral("/folder_%1").arg(i, 2, 10, QLatin1Char('0')));
        for (int i = 0; i < files; ++i) {
            QFile file(root + QStringLiteral("/EDID_%1.bin").arg(i, 5, 10, QLatin1Char('0')));
            if (file.open(QIODevice::WriteOnly))
                file.write("edid");
        }
    }
};

QFileInfoList entryInfoList(const QString& folder)
{
    // What a plain listing of the same entries costs: one read of the folder, sorted by name.
    QDir dir(folder, QStringLiteral("*.bin"));
    return dir.entryInfoList(
        QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot, QDir::DirsFirst | QDir::Name | QDir::IgnoreCase);
}

void BM_FileDialogListing(benchmark::State& state)
{
    const int files = int(state.range(0));
    LargeFolder folder(files);
    if (!folder.dir.isValid()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    Vireo::Utils::UDiskWatcher::setDrives({{QStringLiteral("sdb1"), folder.root}});
    auto dialog = std::make_unique<FileDialogEx>(
        nullptr, QString(), QStringLiteral("Bench"), QString(), QStringLiteral("EDID (*.bin)"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->resize(dialog->sizeHint());
    dialog->show();
    drainEvents(); // the drive watcher's first scan lists the drive once
    auto* view = dialog->findChild<QListView*>(QStringLiteral("listViewRight"));
    auto* d = dialog->d_func();

    PairResult r;
    for (auto _ : state) {
        r = measurePair(
            [&] {
                return timeNs([&] {
                    d->setCurrentDirectory(folder.root);
                    drainEvents();
                });
            },
            [&] {
                QFileInfoList list;
                const qint64 ns = timeNs([&] { list = entryInfoList(folder.root); });
                benchmark::DoNotOptimize(list);
                return ns;
            });
        state.SetIterationTime(r.job / 1e9);
    }

    Row row;
    row.section = 70;
    row.position = 0;
    row.name = QStringLiteral("file dialog: folder listed vs QDir::entryInfoList");
    row.size = QString::number(files);
    row.sizeOrder = files;
    row.value = r.job;
    row.floor = r.floor;
    row.ratio = r.ratio();
    // The goal is set for a large folder; in a small one the view's paint of the entries in sight
    // (the same at any size) weighs more, and the row is shown for comparison only.
    row.goal = files >= 10000 ? 1.3 : -1;
    const int rows = view->model()->rowCount();
    row.note = QStringLiteral("%1 files + %2 folders, %3 rows shown").arg(files).arg(kFolders).arg(rows);
    if (row.goal < 0)
        row.note += QStringLiteral("; the fixed paint of the view in sight dominates");
    if (rows != files + kFolders) {
        row.failed = true;
        row.note += QStringLiteral(", rows missing");
    }
    report(row);
    state.counters["floor_ns"] = r.floor;
    state.counters["ratio"] = r.ratio();

    dialog.reset();
    Vireo::Utils::UDiskWatcher::setDrives({});
}

} // namespace

BENCHMARK(BM_FileDialogListing)->Arg(1000)->Arg(10000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
