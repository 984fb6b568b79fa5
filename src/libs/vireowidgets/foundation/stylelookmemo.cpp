#include "stylelookmemo.h"

#include <QByteArray>
#include <QEvent>
#include <QString>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace Vireo::Widgets::Internal {

namespace {

bool isQtRecord(const QByteArray& name)
{
    return name.startsWith("_q_");
}

} // namespace

void StyleLookMemo::watch(QObject* filter, const QList<QWidget*>& widgets)
{
    for (QWidget* widget : widgets) {
        if (widget)
            widget->installEventFilter(filter);
    }
}

void StyleLookMemo::noteEvent(const QObject* watched, const QEvent* event)
{
    if (event->type() != QEvent::DynamicPropertyChange)
        return;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget && !widget->testAttribute(Qt::WA_WState_Polished))
        return;
    if (!isQtRecord(static_cast<const QDynamicPropertyChangeEvent*>(event)->propertyName()))
        m_bStale = true;
}

void StyleLookMemo::repolish(const QList<QWidget*>& widgets)
{
    for (QWidget* widget : widgets) {
        if (widget)
            widget->style()->unpolish(widget);
    }
    for (QWidget* widget : widgets) {
        if (widget)
            widget->style()->polish(widget);
    }
    m_bStale = false;
    m_nFingerprint = fingerprint(widgets);
    m_bRecorded = true;
}

bool StyleLookMemo::repolishIfChanged(const QList<QWidget*>& widgets)
{
    const bool changed = m_bStale && (!m_bRecorded || fingerprint(widgets) != m_nFingerprint);
    if (changed)
        repolish(widgets);
    m_bStale = false;
    return changed;
}

quint64 StyleLookMemo::fingerprint(const QList<QWidget*>& widgets)
{
    // FNV-1a over the names, values and separators.
    quint64 hash = 14695981039346656037ull;
    const auto add = [&hash](const void* data, qsizetype size) {
        const auto* bytes = static_cast<const uchar*>(data);
        for (qsizetype i = 0; i < size; ++i) {
            hash ^= bytes[i];
            hash *= 1099511628211ull;
        }
    };
    const uchar endOfName = 0x00;
    const uchar endOfValue = 0x01;
    const uchar endOfWidget = 0x02;
    for (const QWidget* widget : widgets) {
        if (widget) {
            for (const QByteArray& name : widget->dynamicPropertyNames()) {
                if (isQtRecord(name))
                    continue;
                add(name.constData(), name.size());
                add(&endOfName, 1);
                const QString value = widget->property(name.constData()).toString();
                add(value.constData(), value.size() * qsizetype(sizeof(QChar)));
                add(&endOfValue, 1);
            }
        }
        // Which widget a property belongs to is part of the look.
        add(&endOfWidget, 1);
    }
    return hash;
}

} // namespace Vireo::Widgets::Internal
