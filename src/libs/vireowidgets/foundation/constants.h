#pragma once

// Texts shared by every resource list: drag MIME types, style-sheet property names and the
// padding used when a label column is measured.

namespace Vireo::Constants {

constexpr char MimeTypeScreenKeyNo[] = "application/orlo.screen.keyno";
constexpr char MimeTypeScreenTypeKeyNo[] = "application/orlo.screentype.keyno";
constexpr char MimeTypePVWKeyNo[] = "application/orlo.pvw.keyno";
constexpr char MimeTypePGMKeyNo[] = "application/orlo.pgm.keyno";
constexpr char MimeTypeInputKeyNo[] = "application/orlo.input.keyno";
constexpr char MimeTypeOutputKeyNo[] = "application/orlo.output.keyno";
constexpr char MimeTypeBKGKeyNo[] = "application/orlo.bkg.keyno";
constexpr char MimeTypeLOGOKeyNo[] = "application/orlo.logo.keyno";
constexpr char MimeTypeUserKeyKeyNo[] = "application/orlo.userkey.keyno";
constexpr char MimeTypeDragHotSpot[] = "application/vireo.drag.hotspot";

constexpr char LABEL_ADJUST_LENGTH[] = "qq";

} // namespace Vireo::Constants

#define CUSTOM_PROPERTY_LEVEL1_SEPARATOR "isLevel1Separator"
#define CUSTOM_PROPERTY_IS_BACKGROUNDSEPARATOR "isBackgroundSeparator"
#define CUSTOM_PROPERTY_IS_SPECIALBACKGROUNDSEPARATOR "isSpecialBackgroundSeparator"
