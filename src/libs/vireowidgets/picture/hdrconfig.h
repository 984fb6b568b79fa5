#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

namespace Vireo::Widgets {

// The picture groups of the HDR panel. The underlying type is fixed so that any number a
// configuration file names can be held, also one this library does not know.
enum HDRFuncType : int {
    FuncBitDepth = 0,
    FuncDynamicRange = 1,
    FuncColorGamut = 2,
    FuncLimitedRange = 3,
    FunColorSpace = 4
};

// A group and one of its values: the condition under which an entry of the configuration applies.
struct VIREOWIDGETS_EXPORT HDRKey
{
    int type = 0;
    int value = 0;

    bool operator==(const HDRKey& other) const { return type == other.type && value == other.value; }
    bool operator!=(const HDRKey& other) const { return !(*this == other); }
    bool operator<(const HDRKey& other) const { return type != other.type ? type < other.type : value < other.value; }
};

// The combinations of picture settings a device allows, read from an XML file:
//
//   <Vireo version="1.0">
//     <Key Type="1" Value="1">                      <!-- when the dynamic range is HDR10 -->
//       <ValueInfo Type="0">                        <!-- the bit depth may be -->
//         <SupportValue>10</SupportValue><SupportValue>12</SupportValue>
//       </ValueInfo>
//     </Key>
//   </Vireo>
//
// Files are merged: an entry already read stays, a later file only adds what is new. A refused
// file changes nothing, so the panels keep the limits they had.
class VIREOWIDGETS_EXPORT HDRConfig : public QObject
{
    Q_OBJECT
public:
    using ValueMap = QMap<HDRFuncType, QList<int>>;

    // Files larger than this are refused before they are parsed: a configuration is a few
    // kilobytes, and a runaway file must not stall the panel's thread or exhaust its memory.
    static constexpr qint64 MaxConfigFileSize = 1024 * 1024;
    // Deeper nesting than this is refused before the file is parsed (a configuration needs 3).
    static constexpr int MaxElementDepth = 64;

    static HDRConfig* instance();
    static void destroyInstance();

    bool readConfig(const QString& cfgFullPath, QString& errMsg);
    ValueMap getCanSelectedValues(const HDRKey& key) const;

private:
    explicit HDRConfig(QObject* parent = nullptr);
    ~HDRConfig() override;

    QMap<HDRKey, ValueMap> m_config;
};

} // namespace Vireo::Widgets
