#pragma once

// Process-wide state of the stand-in shared by the command layer and the fixture.

#include <vireomodel/fixture.h>

#include <QHash>
#include <QPair>
#include <QRunnable>

namespace Vireo::Fixture::Internal {

struct PendingAsync
{
    quint64 serial = 0;
    QRunnable* runnable = nullptr;
};

struct State
{
    ~State();
    QList<CommandEntry> log;
    QHash<QString, QPair<bool, QString>> results;
    std::function<void(const CommandEntry&)> observer;
    QList<PendingAsync> pendingAsync;
    quint64 nextSerial = 1;
    QList<ParallelRequest> parallel;
    bool live = false;
};

State& state();

// Takes a pending request out of the list by its serial (null when it is gone) without deleting it.
QRunnable* takeAsync(quint64 serial);
// Completes a runnable taken from the list and deletes it when it is auto-deleting.
void finishRunnable(QRunnable* request, bool success, const QString& message);
void disposeRunnable(QRunnable* request);

} // namespace Vireo::Fixture::Internal
