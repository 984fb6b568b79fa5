#pragma once

#include <zkwidgets/zkwidgets_export.h>

#include <QByteArray>
#include <QHash>
#include <QMetaType>
#include <QString>

class QDebug;

namespace ZK::Utils {

// Identifier of a host mode or page. A text-based value: two identifiers are equal when their names
// are equal, and the default-constructed one is invalid.
class ZKWIDGETS_EXPORT Id
{
public:
    Id() = default;
    Id(const char* name); // NOLINT: identifiers are written as string literals at the call site
    explicit Id(const QByteArray& name);

    static Id fromString(const QString& name);
    static Id fromName(const QByteArray& name);

    // A new identifier made of this name followed by the suffix ("Page.Screens" + "1").
    Id withSuffix(const QString& suffix) const;
    Id withSuffix(int suffix) const;

    QByteArray name() const { return m_name; }
    QString toString() const;
    bool isValid() const { return !m_name.isEmpty(); }

    bool operator==(const Id& other) const { return m_name == other.m_name; }
    bool operator!=(const Id& other) const { return m_name != other.m_name; }
    bool operator<(const Id& other) const { return m_name < other.m_name; }

private:
    QByteArray m_name;
};

inline uint qHash(const Id& id, uint seed = 0)
{
    return ::qHash(id.name(), seed);
}

ZKWIDGETS_EXPORT QDebug operator<<(QDebug debug, const Id& id);

} // namespace ZK::Utils

Q_DECLARE_METATYPE(ZK::Utils::Id)
