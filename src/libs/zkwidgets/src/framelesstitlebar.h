#pragma once

#include <QFrame>
#include <QPoint>

namespace ZK::Widgets {

class FramelessDialog;

namespace Internal {

// The title bar of a frameless dialog: dragging it moves the dialog when the dialog allows it, and a
// double click maximises or restores a resizable dialog.
class FramelessTitleBar : public QFrame
{
    Q_OBJECT
public:
    explicit FramelessTitleBar(FramelessDialog* dialog);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    FramelessDialog* m_pDialog = nullptr;
    QPoint m_dragOffset;
    bool m_bDragging = false;
};

} // namespace Internal
} // namespace ZK::Widgets
