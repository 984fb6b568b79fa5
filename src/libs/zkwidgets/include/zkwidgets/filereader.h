#pragma once

#include <zkwidgets/zkwidgets_export.h>

#include <QByteArray>
#include <QString>

namespace ZK::Utils {

class ZKWIDGETS_EXPORT FileReader
{
public:
    // The bytes of a resource (":/dir/file" or "qrc:/dir/file"). A missing or unreadable resource
    // gives a null array and a warning; an empty one gives an empty array that is not null.
    static QByteArray fetchQrc(const QString& path);
};

} // namespace ZK::Utils
