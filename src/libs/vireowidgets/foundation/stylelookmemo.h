#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QList>
#include <QtGlobal>

class QEvent;
class QObject;
class QWidget;

namespace Vireo::Widgets::Internal {

// The look a button's children were last polished with, as the dynamic properties that a host's
// style sheet keys on. Re-polishing under a style sheet is the costly part of a rebuild that changed
// nothing; with this record a button re-polishes only the children whose look really changed.
// The owner filters the children's events (watch()) and hands them to noteEvent().
class VIREOWIDGETS_EXPORT StyleLookMemo
{
public:
    // Installs `filter` as event filter on every widget of `widgets`.
    static void watch(QObject* filter, const QList<QWidget*>& widgets);
    // Qt reports a dynamic property only when its value really changes; Qt's own records among the
    // properties (the style sheet's font) do not select a look and are ignored, and so are changes
    // to a widget not polished yet: its first polish takes the properties as they are then.
    void noteEvent(const QObject* watched, const QEvent* event);
    // A dynamic property changed since the last polish (it may have been set back since).
    bool isStale() const { return m_bStale; }

    // Unpolishes every widget, then polishes them all, and records their look.
    void repolish(const QList<QWidget*>& widgets);
    // repolish() only when the look differs from the recorded one (a button emptied into the cache
    // and later given its old resource again has the look it had). True when it re-polished.
    bool repolishIfChanged(const QList<QWidget*>& widgets);

    // A 64-bit fingerprint (FNV-1a) of every dynamic property, name and value, of the widgets: what
    // the host's style sheet keys on. Kept instead of the properties as text, which would cost a
    // button more than a kilobyte.
    static quint64 fingerprint(const QList<QWidget*>& widgets);

private:
    quint64 m_nFingerprint = 0;
    bool m_bRecorded = false; // m_nFingerprint holds the look of a polish
    bool m_bStale = false;
};

} // namespace Vireo::Widgets::Internal
