#include "testsupport.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMouseEvent>

namespace {

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

} // namespace Vireo::Test
