#pragma once

// Display timing records shared by the EDID and timing editors. They are plain aggregates: every field
// starts at zero, copies are member-wise, and the library compares them field by field itself.

#include <zkwidgets/zkwidgets_export.h>

#include <QMetaType>
#include <QtGlobal>

namespace ZK::VESA {

enum SyncPolarityType : int {
    PositivePolarity = 0,
    NegativePolarity = 1,
};

// One direction (horizontal or vertical) of a timing, in pixels or lines.
struct s_FrameTiming
{
    quint32 totalTime = 0;
    quint32 backProch = 0;
    SyncPolarityType SyncPolarity = PositivePolarity;
    quint32 AddrTime = 0; // active pixels or lines
    quint16 RightBorder = 0;
    quint16 FrontPorch = 0;
    quint16 Sync = 0;
    quint16 LeftBorder = 0;
};

// One complete display timing.
struct s_DMTSchemaData
{
    s_FrameTiming HorFrameTiming;
    s_FrameTiming VerFrameTiming;
    float refreshRate = 0.0f; // hertz
    float pixelClock = 0.0f; // megahertz
};

// Both spellings name the one record.
using DMTSchemaData = s_DMTSchemaData;

// Registers the records with the meta-type system under their qualified names. The library does
// this when it is loaded; calling it again is harmless.
ZKWIDGETS_EXPORT void registerMetaTypes();

} // namespace ZK::VESA

Q_DECLARE_METATYPE(ZK::VESA::DMTSchemaData)
Q_DECLARE_METATYPE(ZK::VESA::s_FrameTiming)
