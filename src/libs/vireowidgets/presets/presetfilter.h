#pragma once

// Helpers shared by the timing editors: which interface a panel serves, its capacity mode, which
// preset timings of a connector it may offer, and how refresh rates are compared and written.

#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/bizmodel.h>
#include <vireomodel/interfaceconfig.h>

#include <QList>
#include <QString>

#include <memory>

namespace Vireo::Widgets::Internal {

using PresetList = QList<Vireo::BizModel::InterfaceConfig::s_VESAResolutionRatio>;

// Two preset rates are the same when they differ by less than this.
constexpr double kRateTolerance = 1e-6;

inline bool sameRate(double a, double b)
{
    return qAbs(a - b) < kRateTolerance;
}

// A rate as the operator reads it: up to 6 significant digits ("59.94", "60", "119.88").
VIREOWIDGETS_EXPORT QString rateText(float rate);

// A rate written in decimal ("59.94", "119.88", "60") as hundredths of a hertz, rounded down, read
// digit by digit so that no binary rounding creeps in (59.94 gives 5994, never 5993). False for text
// that is not a plain non-negative decimal number or does not fit.
VIREOWIDGETS_EXPORT bool rateTextToHundredths(const QString& text, int& hundredths);

// The card kind of a preset entry for a panel kind: 1 for an input panel, 2 for any other.
VIREOWIDGETS_EXPORT int cardKind(int interfaceType);

// The first selected input (interfaceType Input) or output (any other) of the active device.
// Logs "The device object is null" / "The input object is null" / "The output object is null"
// when there is none.
VIREOWIDGETS_EXPORT std::shared_ptr<Vireo::BizModel::Interface> firstSelectedInterface(int interfaceType);

// Capacity mode of that interface, or invaild when there is none (logged as above).
VIREOWIDGETS_EXPORT int currentCapacity(int interfaceType);

// The entries a panel of `interfaceType` may offer in `capacity` mode: card type 0 or the panel's
// kind, and capacity bits within the mode's mask.
VIREOWIDGETS_EXPORT PresetList filterPresets(const PresetList& list, int interfaceType, int capacity);

// The connector record of a kind, searched in the configuration's list; false when absent.
VIREOWIDGETS_EXPORT bool connectorInfoOf(int connectorType, Vireo::BizModel::s_ConnectorInfo& info);

} // namespace Vireo::Widgets::Internal
