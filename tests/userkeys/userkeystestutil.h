#pragma once

// Shared by the user key tests: a device with keys, the command log as text, a recorder that
// answers message boxes, and the drag and drop events an operator's pointer produces.

#include "common/testsupport.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/userkeys/userkeylistwidget.h>

#include <vireomodel/fixture.h>
#include <vireomodel/vireomodel.h>

#include <zkwidgets/framelessmessagebox.h>

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QStringList>
#include <QToolButton>

namespace UserKeyTest {

using namespace Vireo::BizModel;

inline Device* device()
{
    return Vireo::Fixture::activeDevice();
}

inline QString keyName(int number)
{
    return QStringLiteral("Key %1").arg(number);
}

// Keys 1..count named "Key n", coloured n mod 8.
inline void addKeys(int count)
{
    for (int k = 1; k <= count; ++k)
        device()->addUserKey(Vireo::Fixture::userKeyDetail(quint8(k), keyName(k), k % 8));
}

// The device's keys as "number:name", by ascending number.
inline QStringList modelKeys()
{
    QStringList keys;
    for (const auto& file : device()->files(Enum::File::UserKeyFile)) {
        if (auto key = std::dynamic_pointer_cast<UserKey>(file.lock())) {
            const auto detail = key->getUserKeyDetail();
            keys << QStringLiteral("%1:%2").arg(detail.userKeyId).arg(QString::fromStdString(detail.name));
        }
    }
    return keys;
}

inline QString argText(const QVariant& value)
{
    if (value.type() == QVariant::List) {
        QStringList parts;
        for (const QVariant& item : value.toList())
            parts << argText(item);
        return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    return value.toString();
}

// Every command sent, as "Command arg,arg,...", in order.
inline QStringList commands()
{
    QStringList out;
    for (const auto& entry : Vireo::Fixture::commandLog()) {
        QStringList args;
        for (const QVariant& arg : entry.args)
            args << argText(arg);
        out << (entry.command + QLatin1Char(' ') + args.join(QLatin1Char(','))).trimmed();
    }
    return out;
}

// Answers every message box with `answer` and keeps what was asked.
struct BoxRecorder
{
    QList<ZK::Widgets::MessageBoxCall> calls;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    std::function<void()> whileOpen; // runs while the box is "open", before it is answered

    BoxRecorder()
    {
        ZK::Widgets::FramelessMessageBox::setTestResponder([this](const ZK::Widgets::MessageBoxCall& call) {
            calls << call;
            if (whileOpen)
                whileOpen();
            return answer;
        });
    }
    ~BoxRecorder() { ZK::Widgets::FramelessMessageBox::clearTestResponder(); }
    QStringList texts() const
    {
        QStringList out;
        for (const auto& call : calls)
            out << QStringLiteral("%1|%2|%3").arg(int(call.kind)).arg(call.title, call.text);
        return out;
    }
};

inline QString warningBox(const QString& text)
{
    return QStringLiteral("%1|Remind|%2").arg(int(ZK::Widgets::MessageBoxCall::Warning)).arg(text);
}

inline QString questionBox(const QString& text)
{
    return QStringLiteral("%1|Remind|%2").arg(int(ZK::Widgets::MessageBoxCall::Question)).arg(text);
}

// The tool button inside a key's button (edit, delete) whose dynamic property `property` is true.
inline QToolButton* childButton(QWidget* button, const char* property)
{
    for (auto* child : button->findChildren<QToolButton*>()) {
        if (child->property(property).toBool())
            return child;
    }
    return nullptr;
}

inline QMimeData* keyMime(const QByteArray& number)
{
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(Vireo::Constants::MimeTypeUserKeyKeyNo), number);
    return mime;
}

// A point in the upper part of `button`, in `list`'s coordinates: where a drop puts the dragged
// key before that button.
inline QPoint upperPartOf(QWidget* button, QWidget* list)
{
    return button->mapTo(list, QPoint(button->width() / 2, 3));
}

inline bool sendDragEnter(QWidget* list, const QMimeData* mime, const QPoint& pos)
{
    QDragEnterEvent event(pos, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list, &event);
    return event.isAccepted();
}

inline void sendDragMove(QWidget* list, const QMimeData* mime, const QPoint& pos)
{
    QDragMoveEvent event(pos, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list, &event);
}

inline bool sendDrop(QWidget* list, const QMimeData* mime, const QPoint& pos)
{
    QDropEvent event(pos, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list, &event);
    return event.isAccepted();
}

inline void sendDragLeave(QWidget* list)
{
    QDragLeaveEvent event;
    QApplication::sendEvent(list, &event);
}

// Enter, move and drop at `pos`, as one pointer movement ending over the list.
inline bool dragAndDrop(QWidget* list, const QMimeData* mime, const QPoint& pos)
{
    sendDragEnter(list, mime, pos);
    sendDragMove(list, mime, pos);
    return sendDrop(list, mime, pos);
}

// Presses the key's button and moves the held pointer off it, over the list: the list starts the
// drag. Returns the drag (headless, it has already returned) or null.
inline QDrag* pressAndDragOut(Vireo::Widgets::UserKeyListWidget& list, QWidget* button)
{
    const int before = list.findChildren<QDrag*>(QString(), Qt::FindDirectChildrenOnly).size();
    Vireo::Test::sendMouse(button, QEvent::MouseButtonPress, button->rect().center(), Qt::LeftButton, Qt::LeftButton);
    Vireo::Test::sendMouse(&list, QEvent::MouseMove, QPoint(5, 5), Qt::NoButton, Qt::LeftButton);
    const QList<QDrag*> drags = list.findChildren<QDrag*>(QString(), Qt::FindDirectChildrenOnly);
    return drags.size() > before ? drags.last() : nullptr;
}

} // namespace UserKeyTest
