#include "testsupport.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMouseEvent>

namespace {

QStringList s_messages;
QStringList s_warnings;
QtMessageHandler s_forwardTo = nullptr;

void catchMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    s_messages << message;
    if (type == QtWarningMsg)
        s_warnings << message;
    if (s_forwardTo)
        s_forwardTo(type, context, message);
}

void pinLocale()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(pinLocale)

namespace Vireo::Test {

void sendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

LogCatcher::LogCatcher()
    : m_fromMessage(s_messages.size())
    , m_fromWarning(s_warnings.size())
    , m_previous(qInstallMessageHandler(catchMessage))
{
    // A catcher inside another forwards to what the outer one forwarded to.
    if (m_previous != catchMessage)
        s_forwardTo = m_previous;
}

LogCatcher::~LogCatcher()
{
    qInstallMessageHandler(m_previous);
}

QStringList LogCatcher::warnings() const
{
    return s_warnings.mid(m_fromWarning);
}

int LogCatcher::count(const QString& prefix) const
{
    int n = 0;
    for (const QString& message : s_messages.mid(m_fromMessage))
        n += message.startsWith(prefix) ? 1 : 0;
    return n;
}

} // namespace Vireo::Test
