#pragma once

// The measuring core of vireo_bench. Every figure is a ratio against a floor measured in the same
// process, in the same row, with job and floor samples interleaved: a slow or busy machine slows
// both alike and cannot fake a ratio. Google Benchmark registers and filters the rows; the timing
// is done here so that job and floor share one loop.

#include <QString>
#include <QtGlobal>

#include <functional>

namespace Vireo::Bench {

// One sample: runs its own untimed set-up and tear-down and returns the nanoseconds of its timed
// part. Use timeNs() around the part that counts.
using Sample = std::function<qint64()>;

// CPU time of the calling thread, in ns. Everything measured here runs on the GUI thread, and
// time during which other processes had the core does not count: on a busy machine a sample is
// not lengthened by what the scheduler gave to others.
qint64 threadCpuNs();

template <typename F>
qint64 timeNs(F&& f)
{
    const qint64 start = threadCpuNs();
    f();
    return threadCpuNs() - start;
}

struct Budget
{
    int minReps = 7;
    int maxReps = 151;
    // Job plus floor time after which a row stops sampling once it has minReps pairs.
    qint64 targetNs = 600'000'000;
};

struct PairResult
{
    double job = 0; // median, ns
    double floor = 0; // median, ns
    int reps = 0;
    double ratio() const { return floor > 0 ? job / floor : 0; }
};

// Runs one untimed warm-up of each side, then pairs of samples in alternating order (floor first,
// then job first, ...) until the budget is met; returns the medians.
PairResult measurePair(const Sample& job, const Sample& floor, const Budget& budget = {});

// Lets queued work run: posted events (layout requests, polish, deferred single-shot calls,
// repaints) and timers that are due. Part of every timed sample that changes widgets, so that work
// a widget defers is paid where it is caused.
void drainEvents();

// Heap bytes in use (glibc mallinfo2: arena plus mmapped blocks).
qint64 heapBytesInUse();

enum class Unit { Nanoseconds, Bytes };

struct Row
{
    int section = 0; // table order: section, then position, then size
    int position = 0;
    QString name; // what was measured
    QString size; // N, or the sheet size
    qint64 sizeOrder = 0;
    Unit unit = Unit::Nanoseconds;
    double value = 0; // the job's median (ns), or bytes for memory rows
    double floor = -1; // the floor's median (ns); < 0 when the row has none
    double ratio = -1; // value / floor unless a row defines it otherwise; < 0 when none
    double goal = -1; // upper bound of the ratio; < 0 for rows only reported
    bool failed = false; // a condition besides the ratio failed (see note)
    QString note;
};

void report(const Row& row);
void reportError(const QString& name, const QString& size, const QString& error);
void printTable();
// Exit status of the run: 0 when every measured row ran (rows over their goal do not fail the run,
// they are findings), 1 when a row could not be measured.
int exitStatus();

// Debug lines of the library are silenced (they would flood the table); warnings are counted and
// the first few distinct ones are shown after the table.
void installMessageFilter();

} // namespace Vireo::Bench
