#pragma once

// Enumerations of the device model. They are plain (unscoped) enums, used as int values and bit
// masks. Where two enums of one namespace share an enumerator name (Enum::Layer's two `Invalid`, the
// `AUTO` of the colour enums), each enum lives in a small namespace of its own and is re-exported
// under its usual name, so both `Enum::Layer::PGM` and `Enum::Layer::SceneType::PGM` work; the
// shared names are reached only through the enum (`Enum::Layer::SceneType::Invalid`).

namespace Vireo::BizModel::Enum {

namespace Screen {
enum ScreenType { Invalid = 1, RegularScreen = 2, AUXScreen = 4, MVRScreen = 8, EchoScreen = 16, AllScreenType = 30 };
} // namespace Screen

namespace Layer {
namespace SceneTypeValues {
enum SceneType { Invalid = 1, PGM = 2, PVW = 4, AllSceneType = 6 };
}
namespace LayerTypeValues {
enum LayerType {
    Invalid = 1,
    Regular = 2,
    AUX = 4,
    MVR = 8,
    BKG = 16,
    Logo = 32,
    Cut = 64,
    NotImageType = 78,
    AllLayerType = 126
};
}
using SceneType = SceneTypeValues::SceneType;
using LayerType = LayerTypeValues::LayerType;
using LayerTypeValues::AllLayerType;
using LayerTypeValues::AUX;
using LayerTypeValues::BKG;
using LayerTypeValues::Cut;
using LayerTypeValues::Logo;
using LayerTypeValues::MVR;
using LayerTypeValues::NotImageType;
using LayerTypeValues::Regular;
using SceneTypeValues::AllSceneType;
using SceneTypeValues::PGM;
using SceneTypeValues::PVW;
} // namespace Layer

enum SelectedType { Append = 0, Cover = 1 };

namespace File {
enum FileType {
    BKG = 0,
    BKGThumb = 1,
    LOGO = 2,
    LOGOThumb = 3,
    OSD = 4,
    OSDThumb = 5,
    PresetPVW = 6,
    PresetPVWThumb = 7,
    PresetPGM = 8,
    PresetPGMThumb = 9,
    UMD = 10,
    ProjectFile = 11,
    keypad = 12,
    UpgradeFile = 13,
    LogFile = 14,
    TempFile = 15,
    EDIDFile = 17,
    UserKeyFile = 18,
    Invalid = 19
};
enum ImageSourceType { Default = 0, PGMCapture = 1, InputCapture = 2 };
} // namespace File

namespace Interface {
enum CapacityMode { _SL = 0, _DL = 1, _4K = 2, invaild = 255 };
// Masks of the preset entries a capacity mode may show (an entry's iCapacity must not exceed it).
enum CapacitySupportResolution { SL = 1, SLToDL = 3, SLTo4K = 7 };
enum InterfaceType { Invalid = 1, Input = 2, MainOutput = 4, AUXOutput = 8, MVROutput = 16, Output = 28 };
enum WorkMode { Master = 0, Backup = 1, NoOutput = 2 };
enum ConnectorType {
    INVALID = 0,
    VGA = 1,
    Single_Link_DVI = 2,
    Dual_Link_DVI = 3,
    Single_Link_DP_1_1 = 4,
    Dual_Link_DP_1_1 = 5,
    HDMI_1_3 = 6,
    HDMI_1_4 = 7,
    HDMI_2_0 = 8,
    DP_1_2 = 9,
    HDBaseT = 10,
    _3G_SDI = 11,
    _6G_SDI = 12,
    _12G_SDI = 13,
    ConnectorTypeCount = 14
};
enum FormatMapping { UnUsed = 0, Level_A = 1, Level_B = 2 };

namespace ColorSpaceValues {
enum ColorSpace { RGB_4_4_4 = 0, YCbCr_4_2_2 = 1, YCbCr_4_4_4 = 2, YCbCr_4_2_0 = 3, AUTO = 255 };
}
namespace ColorDepthValues {
enum ColorDepth { Depth_8 = 8, Depth_10 = 10, Depth_12 = 12, Depth_16 = 16, AUTO = 255 };
}
namespace ColorGamutValues {
enum ColorGamut { Rec_601 = 0, Rec_709 = 1, DCI_P3 = 2, Rec_2020 = 3, NTSC = 4, aRGB = 5, AUTO = 255 };
}
namespace DynamicRangeValues {
enum DynamicRange { SDR = 0, HDR10 = 1, HLG = 2, AUTO = 255 };
}
namespace LimitedFullRangeValues {
enum LimitedFullRange { Limited = 0, Full = 1, AUTO = 255 };
}
using ColorSpace = ColorSpaceValues::ColorSpace;
using ColorDepth = ColorDepthValues::ColorDepth;
using ColorGamut = ColorGamutValues::ColorGamut;
using DynamicRange = DynamicRangeValues::DynamicRange;
using LimitedFullRange = LimitedFullRangeValues::LimitedFullRange;
using ColorDepthValues::Depth_10;
using ColorDepthValues::Depth_12;
using ColorDepthValues::Depth_16;
using ColorDepthValues::Depth_8;
using ColorGamutValues::aRGB;
using ColorGamutValues::DCI_P3;
using ColorGamutValues::NTSC;
using ColorGamutValues::Rec_2020;
using ColorGamutValues::Rec_601;
using ColorGamutValues::Rec_709;
using ColorSpaceValues::RGB_4_4_4;
using ColorSpaceValues::YCbCr_4_2_0;
using ColorSpaceValues::YCbCr_4_2_2;
using ColorSpaceValues::YCbCr_4_4_4;
using DynamicRangeValues::HDR10;
using DynamicRangeValues::HLG;
using DynamicRangeValues::SDR;
using LimitedFullRangeValues::Full;
using LimitedFullRangeValues::Limited;
} // namespace Interface

namespace UserKey {
enum UserKeyColorEnum { blue = 0, orange = 1, yellow = 2, green = 3, cyan = 4, darkblue = 5, purple = 6, black = 7 };
} // namespace UserKey

enum TestPatternGridType { GridLevel = 0, GridSpacing = 1 };

} // namespace Vireo::BizModel::Enum

namespace Vireo::BizModel {
// Short spellings used by the test-pattern and preset panels.
using TestPatternGridType = Enum::TestPatternGridType;
using CapacitySupportResolution = Enum::Interface::CapacitySupportResolution;
} // namespace Vireo::BizModel
