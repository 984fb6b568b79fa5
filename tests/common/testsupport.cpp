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

QLabel* labelWith(QWidget* widget, const char* property)
{
    const QList<QLabel*> labels = widget->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (label->property(property).toBool())
            return label;
    }
    return nullptr;
}

} // namespace Vireo::Test
