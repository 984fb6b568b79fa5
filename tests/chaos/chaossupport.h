#pragma once

// Shared by the chaos tests: the seed and step count from the environment, a quiet message
// handler, the command arguments as text, and the seeded random source with the failure list of one
// run.
//
//   VIREO_CHAOS_SEED   seed of the run (default 20261207)
//   VIREO_CHAOS_STEPS  steps per list or panel (default 2000)

#include <vireomodel/fixture.h>
#include <vireomodel/vireomodel.h>

#include <QCoreApplication>
#include <QPoint>
#include <QRandomGenerator>
#include <QScopedValueRollback>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QWidget>

#include <cstdio>

namespace Chaos {

inline quint32 envNumber(const char* name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

inline quint32 seedFor(const QString& name)
{
    return envNumber("VIREO_CHAOS_SEED", 20261207u) + quint32(qHash(name));
}

inline int stepCount()
{
    return int(envNumber("VIREO_CHAOS_STEPS", 2000u));
}

inline QString argsText(const QVariantList& args)
{
    QStringList parts;
    for (const QVariant& arg : args)
        parts.append(arg.type() == QVariant::List ? QLatin1Char('[') + argsText(arg.toList()) + QLatin1Char(']')
                                                  : arg.toString());
    return parts.join(QLatin1Char(' '));
}

// The panels log their refusals (a vanished object, a drag without a press); thousands of them are
// expected here and would only bury a failure.
inline void quietLog(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg || type == QtInfoMsg)
        fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// The random source, the failures and the steps of one run. A run fills in the device, what the
// host does (rebuilds, notifications), what the operator does and how the device changes.
class Run
{
public:
    Run(quint32 seed, QString name)
        : m_rng(seed)
        , m_name(std::move(name))
    { }
    virtual ~Run() = default;

    QStringList failures;

    void failure(const QString& what)
    {
        if (failures.size() < 10)
            failures.append(QStringLiteral("[%1 step %2] %3").arg(m_name).arg(m_step).arg(what));
    }

    // The model changes one step at a time (the test holds a reference to the device meanwhile),
    // also from the model's own notifications while it changes; now and then the device is pulled
    // and plugged back.
    void changeModel()
    {
        if (m_bChangingModel)
            return;
        const QScopedValueRollback<bool> changing(m_bChangingModel, true);
        if (m_bOperator)
            ++m_nModelChangesInAction;
        if (!Vireo::Fixture::activeDevice() || chance(60)) {
            Vireo::Fixture::removeActiveDevice();
            Vireo::Fixture::makeActiveDevice();
            populate(*Vireo::Fixture::activeDevice());
            hostRebuild();
            return;
        }
        changeDevice(*Vireo::Fixture::activeDevice());
    }

    virtual void populate(Vireo::BizModel::Device& d) = 0;
    virtual void hostRebuild() = 0;

protected:
    virtual void operatorAction() = 0;
    virtual void notify() = 0; // a video refresh or a model notification
    virtual void changeDevice(Vireo::BizModel::Device& d) = 0;

    // The seeded steps: operator actions, host rebuilds, notifications and model changes, with the
    // event loop run now and then as the application's would, deleting what a rebuild let go of
    // when `deferredDeletes` (nothing of the panels is on the stack here).
    void runSteps(int steps, bool deferredDeletes)
    {
        for (m_step = 0; m_step < steps; ++m_step) {
            const quint32 roll = m_rng.bounded(100);
            if (roll < 55)
                operatorAction();
            else if (roll < 70)
                hostRebuild();
            else if (roll < 80)
                notify();
            else
                changeModel();
            if (chance(8)) {
                QCoreApplication::processEvents();
                if (deferredDeletes)
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        }
    }

    bool chance(quint32 oneIn) { return m_rng.bounded(oneIn) == 0; }

    template <typename T>
    T* pick(const QList<T*>& items)
    {
        return items.isEmpty() ? nullptr : items.at(int(m_rng.bounded(quint32(items.size()))));
    }

    QPoint randomPointIn(QWidget* widget)
    {
        return QPoint(int(m_rng.bounded(qMax(1, widget->width()))), int(m_rng.bounded(qMax(1, widget->height()))));
    }

    // A point of the widget, or up to 60 pixels beyond any of its edges.
    QPoint randomPointAround(QWidget* widget)
    {
        return QPoint(int(m_rng.bounded(widget->width() + 120)) - 60, int(m_rng.bounded(widget->height() + 120)) - 60);
    }

    QRandomGenerator m_rng;
    QString m_name;
    int m_step = 0;
    bool m_bOperator = false;
    int m_nModelChangesInAction = 0;
    int m_nHostRebuild = 0;
    bool m_bChangingModel = false;
};

} // namespace Chaos
