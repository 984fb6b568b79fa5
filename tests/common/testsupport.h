#pragma once

// Shared by every test executable: links the locale pin (run before QApplication's first use)
// and small helpers for driving widgets headlessly.

#include <QEvent>
#include <QLabel>
#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <Qt>

namespace Vireo::Test {

// Sends a synthetic mouse event to `target` (press, move or release) at a local position,
// with the given held buttons, as a person's mouse would.
void sendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons buttons);

// The first child of type T below `widget` whose dynamic property `property` is true: how the
// panels mark the parts of a button for the host's style sheet.
template <typename T>
T* childWith(QWidget* widget, const char* property)
{
    const QList<T*> children = widget->findChildren<T*>();
    for (T* child : children) {
        if (child->property(property).toBool())
            return child;
    }
    return nullptr;
}

inline QLabel* labelWith(QWidget* widget, const char* property)
{
    return childWith<QLabel>(widget, property);
}

// Records the messages logged while it lives, forwarding each one, so that QTest::ignoreMessage
// keeps working.
class LogCatcher
{
public:
    LogCatcher();
    ~LogCatcher();
    LogCatcher(const LogCatcher&) = delete;
    LogCatcher& operator=(const LogCatcher&) = delete;
    // The warnings logged so far.
    QStringList warnings() const;
    // How many messages logged so far start with `prefix`.
    int count(const QString& prefix) const;

private:
    const int m_fromMessage;
    const int m_fromWarning;
    const QtMessageHandler m_previous;
};

} // namespace Vireo::Test
