#include <zkwidgets/id.h>

#include <QDebug>

namespace ZK::Utils {

Id::Id(const char* name)
    : m_name(name)
{ }

Id::Id(const QByteArray& name)
    : m_name(name)
{ }

Id Id::fromString(const QString& name)
{
    return Id(name.toUtf8());
}

Id Id::fromName(const QByteArray& name)
{
    return Id(name);
}

Id Id::withSuffix(const QString& suffix) const
{
    return Id(m_name + suffix.toUtf8());
}

Id Id::withSuffix(int suffix) const
{
    return Id(m_name + QByteArray::number(suffix));
}

QString Id::toString() const
{
    return QString::fromUtf8(m_name);
}

QDebug operator<<(QDebug debug, const Id& id)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Id(" << id.name() << ')';
    return debug;
}

} // namespace ZK::Utils

namespace {
void registerIdMetaType()
{
    qRegisterMetaType<ZK::Utils::Id>("ZK::Utils::Id");
}
} // namespace

Q_CONSTRUCTOR_FUNCTION(registerIdMetaType)
