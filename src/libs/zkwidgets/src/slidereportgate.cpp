#include "slidereportgate.h"

namespace Vireo::Widgets::Internal {

SliderReportGate::SliderReportGate(std::function<void()> report)
    : m_report(std::move(report))
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_bPending)
            reportNow();
    });
}

void SliderReportGate::setReleaseMode(bool releaseMode)
{
    m_bReleaseMode = releaseMode;
}

void SliderReportGate::setSamplingInterval(int msec)
{
    m_nIntervalMs = qMax(0, msec);
}

void SliderReportGate::valueChanged(bool dragging)
{
    if (!dragging) {
        reportNow();
        return;
    }
    if (m_bReleaseMode) {
        m_bPending = true;
        return;
    }
    if (m_nIntervalMs <= 0) {
        reportNow();
        return;
    }
    const qint64 elapsed = m_sinceReport.isValid() ? m_sinceReport.elapsed() : m_nIntervalMs;
    if (elapsed >= m_nIntervalMs) {
        reportNow();
        return;
    }
    m_bPending = true;
    if (!m_timer.isActive())
        m_timer.start(int(m_nIntervalMs - elapsed));
}

void SliderReportGate::released()
{
    reportNow();
}

void SliderReportGate::reportNow()
{
    m_timer.stop();
    m_bPending = false;
    m_sinceReport.restart();
    m_report();
}

} // namespace Vireo::Widgets::Internal
