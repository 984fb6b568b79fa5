#pragma once

// The gallery's simulated USB flash disk: a folder tree in a temporary folder (<temp>/mnt/sdb1)
// with a few hundred files and EDID images, announced to the device model's drive watcher and to
// the file dialog's USB drive test. One drive serves every page.

#include <vireomodel/utils.h>

#include <QString>
#include <QTemporaryDir>

namespace Vireo::Gallery {

// A timing of the given totals with porches and syncs made up from the blanking.
Vireo::Utils::EDIDTiming sampleTiming(int horActive, int verActive, int horTotal, int verTotal, float refresh);

class SimulatedUsbDrive
{
public:
    static SimulatedUsbDrive& shared();

    QString root() const { return m_root; }

private:
    SimulatedUsbDrive();

    QTemporaryDir m_dir;
    QString m_root;
};

} // namespace Vireo::Gallery
