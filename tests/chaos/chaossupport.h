#pragma once

// Shared by the chaos tests: the seed and step count from the environment, a quiet message
// handler, the command arguments as text, and the seeded random source with the failure list of one
// run.
//
//   VIREO_CHAOS_SEED   seed of the run (default 20261207)
//   VIREO_CHAOS_STEPS  steps per list or panel (default 2000)

#include <QPoint>
#include <QRandomGenerator>
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

// The random source and the failures of one run.
class Run
{
public:
    Run(quint32 seed, QString name)
        : m_rng(seed)
        , m_name(std::move(name))
    { }

    QStringList failures;

    void failure(const QString& what)
    {
        if (failures.size() < 10)
            failures.append(QStringLiteral("[%1 step %2] %3").arg(m_name).arg(m_step).arg(what));
    }

protected:
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
};

} // namespace Chaos
