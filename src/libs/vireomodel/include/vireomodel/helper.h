#pragma once

// Shared texts and conversions of the device model. The formats are fixed and documented here;
// tests compare against these functions rather than against literal strings.

#include <vireomodel/vireomodel_export.h>

#include <QSize>
#include <QString>

class QWidget;

namespace Vireo::BizModel {

class VIREOMODEL_EXPORT Helper
{
public:
    // "<w>x<h>@<rate>Hz", with "i" after the height when interlaced: "1920x1080@60Hz",
    // "1920x1080i@59.94Hz". The rate has at most two decimals, trailing zeros dropped; a negative
    // size part or rate counts as 0.
    static QString formatFramerate(const QSize& size, const float& rate, bool interlaced);
    // _SL "SL", _DL "DL", _4K "4K"; anything else "".
    static QString interfaceCapacityString(int capacity);
    // "Slot <slotId+1>"; with `withModel` " (<modelId as 4 hex digits>)" is appended.
    static QString getSlotDescription(int modelId, int slotId, bool withModel);
    // Full name of a connector kind ("HDMI 1.4", "12G-SDI", ...) and its short form ("HDMI",
    // "DP", "DVI", "SDI", "HDBaseT", "VGA"); "" for unknown kinds.
    static QString connectorTypeName(int connectorType);
    static QString connectorShortType(int connectorType);

    // Protocol refresh values are hundredths of a hertz: 5994 -> 59.94.
    static float protoRate2ModelRate(int protoRate);
    static int modelRate2ProtoRate(float rate); // rounded to the nearest hundredth

    // Elided texts: a widget keeps its full text in the dynamic property "realText" and shows an
    // elided copy. realText() gives that full text, or else the widget's own text (QLabel,
    // QAbstractButton, QLineEdit); "" for null. allCaclThumbnailText() re-elides (right side) the
    // text of the widget and of every descendant that has "realText", to its current width, and
    // puts the full text in its tool tip when it had to be cut.
    static QString realText(QWidget* widget);
    static void allCaclThumbnailText(QWidget* widget);
};

} // namespace Vireo::BizModel
