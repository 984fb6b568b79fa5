#pragma once

// Stand-in devices for the benchmarks, made in the process-wide device list and removed again
// when the owner goes out of scope.

#include <vireomodel/bizmodel.h>

#include <QMap>
#include <QString>
#include <QVariant>

#include <memory>

namespace Vireo::Bench {

class BenchDevice
{
public:
    explicit BenchDevice(const QString& name);
    ~BenchDevice();
    BenchDevice(const BenchDevice&) = delete;
    BenchDevice& operator=(const BenchDevice&) = delete;

    std::weak_ptr<BizModel::Device> weak() const { return m_device; }
    BizModel::Device* get() const { return m_device.lock().get(); }

    // Inputs with key numbers 0..n-1, one in eight without signal (so the active-first sort has
    // work to do), names of ordinary length.
    void addInputs(int n);
    // Screens for `buttons` buttons of a list showing both scenes: buttons / 2 screens (regular,
    // then AUX once the 8-bit regular numbers run out), each with one output.
    void addScreensForButtons(int buttons);
    // n main outputs, each on a connector of its own, none used by a screen.
    void addOutputs(int n);
    // One regular screen with n <= 256 regular program layers; returns that screen.
    std::weak_ptr<BizModel::Screen> addScreenWithLayers(int n);

private:
    std::weak_ptr<BizModel::Device> m_device;
};

// Fills the process-wide theme once (the library caches the first non-empty map it sees).
void ensureTheme(const QMap<QString, QVariant>& values);

} // namespace Vireo::Bench
