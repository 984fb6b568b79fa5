#include "headless.h"

#include <QGuiApplication>

namespace ZK::Internal {

bool isHeadless()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return true;
    const QByteArray env = qgetenv("QT_QPA_PLATFORM").trimmed();
    if (env.startsWith("offscreen") || env.startsWith("minimal"))
        return true;
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

} // namespace ZK::Internal
