#include "stylelookmemo.h"

#include <QEvent>
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

void StyleLookMemo::noteEvent(const QEvent* event)
{
    if (event->type() != QEvent::DynamicPropertyChange)
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
    m_strSignature = signature(widgets);
}

bool StyleLookMemo::repolishIfChanged(const QList<QWidget*>& widgets)
{
    const bool changed = m_bStale && signature(widgets) != m_strSignature;
    if (changed)
        repolish(widgets);
    m_bStale = false;
    return changed;
}

QString StyleLookMemo::signature(const QList<QWidget*>& widgets)
{
    QString text;
    for (const QWidget* widget : widgets) {
        if (widget) {
            for (const QByteArray& name : widget->dynamicPropertyNames()) {
                if (isQtRecord(name))
                    continue;
                text += QLatin1String(name);
                text += QLatin1Char('=');
                text += widget->property(name.constData()).toString();
                text += QLatin1Char(';');
            }
        }
        text += QLatin1Char('|');
    }
    return text;
}

} // namespace Vireo::Widgets::Internal
