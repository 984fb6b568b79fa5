#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

namespace Vireo::Widgets::Internal {

// Decides when a slider row reports a changed value: at once, at the end of a sampling interval, or on
// release of the slider. The report function itself emits only when the value differs from the last
// report, so the gate may call it freely; what the gate guarantees is that the last value of a drag is
// always reported.
class SliderReportGate
{
public:
    explicit SliderReportGate(std::function<void()> report);

    void setReleaseMode(bool releaseMode);
    bool isReleaseMode() const { return m_bReleaseMode; }
    void setSamplingInterval(int msec);
    int samplingInterval() const { return m_nIntervalMs; }

    // The value changed; dragging is true while the person holds the slider handle.
    void valueChanged(bool dragging);
    // The person let go of the slider handle.
    void released();

private:
    void reportNow();

    std::function<void()> m_report;
    QTimer m_timer;
    QElapsedTimer m_sinceReport;
    bool m_bReleaseMode = false;
    bool m_bPending = false;
    int m_nIntervalMs = 0;
};

} // namespace Vireo::Widgets::Internal
