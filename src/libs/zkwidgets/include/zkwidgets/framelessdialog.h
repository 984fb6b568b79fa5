#pragma once

#include <zkwidgets/zkwidgets_export.h>

#include <QDialog>
#include <QMargins>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QLabel;
class QPushButton;
class QToolButton;
class QFrame;

namespace ZK::Widgets {

namespace Internal {
class FramelessTitleBar;
}

// A dialog without the window system's frame. It draws its own title bar at the top (title, minimise,
// maximise and close buttons) and a bottom bar with OK and Cancel. The content is laid out by the
// dialog's ordinary layout (setLayout() or a layout constructed with the dialog as parent); the two
// bars sit in the dialog's contents margins, so the content never overlaps them.
//
// OK calls the virtual accept(), Cancel calls reject(), the close button calls close() (which rejects
// unless closeEvent() refuses), so exec() returns QDialog::Accepted (1) only on acceptance.
//
// Object names of the parts, for style sheets and tests:
//   "FramelessDialogTitleBar"      the title bar (QFrame)
//   "FramelessDialogTitle"         the title text (QLabel)
//   "FramelessDialogMinButton"     minimise (QToolButton)
//   "FramelessDialogMaxButton"     maximise / restore (QToolButton, property "isMaximized")
//   "FramelessDialogCloseButton"   close (QToolButton)
//   "FramelessDialogBottomBar"     the bottom bar (QFrame)
//   "FramelessDialogOKButton"      OK (QPushButton)
//   "FramelessDialogCancelButton"  Cancel (QPushButton)
// The dialog itself is named "FramelessDialog" unless a subclass names it otherwise.
class ZKWIDGETS_EXPORT FramelessDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FramelessDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~FramelessDialog() override;

    void setOKButtonVisible(bool visible);
    bool isOKButtonVisible() const;
    void setCancelButtonVisible(bool visible);
    bool isCancelButtonVisible() const;
    void setCloseButtonVisible(bool visible);
    bool isCloseButtonVisible() const;
    void setMinButtonVisible(bool visible);
    bool isMinButtonVisible() const;
    void setMaxButtonVisible(bool visible);
    bool isMaxButtonVisible() const;
    void setTitleBarVisible(bool visible);
    bool isTitleBarVisible() const;
    void setBottomBarVisible(bool visible);
    bool isBottomBarVisible() const;

    // Whether Return presses OK (true at construction).
    void setOKButtonDefault(bool isDefault);
    bool isOKButtonDefault() const;

    // Dragging the title bar moves the dialog (off at construction).
    void setDialogMovable(bool movable);
    bool isDialogMovable() const;
    // Dragging the dialog's edges resizes it, and a double click on the title bar maximises it
    // (on at construction).
    void setDialogResizable(bool resizable);
    bool isDialogResizable() const;

    QPushButton* okButton() const;
    QPushButton* cancelButton() const;

    using QDialog::open;
    // Shows the dialog window-modally and connects finished(int) to the receiver's member (accepted()
    // when the member takes no argument); the connection is removed when the dialog finishes.
    virtual void open(QObject* receiver, const char* member);

public slots:
    void done(int result) override;

    // Sets the texts of the bars again in the current language; run on every language change.
    virtual void reTranslateUI();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend class Internal::FramelessTitleBar;

    enum Edge { NoEdge = 0, LeftEdge = 1, TopEdge = 2, RightEdge = 4, BottomEdge = 8 };

    void toggleMaximized();
    void updateFrameMargins();
    void layoutBars();
    void focusContentFirst();
    void dropOpenConnection();
    int edgesAt(const QPoint& pos) const;
    void updateEdgeCursor(int edges);

    Internal::FramelessTitleBar* m_pTitleBar = nullptr;
    QLabel* m_pTitleLabel = nullptr;
    QToolButton* m_pMinButton = nullptr;
    QToolButton* m_pMaxButton = nullptr;
    QToolButton* m_pCloseButton = nullptr;
    QFrame* m_pBottomBar = nullptr;
    QPushButton* m_pOKButton = nullptr;
    QPushButton* m_pCancelButton = nullptr;

    bool m_bMovable = false;
    bool m_bResizable = true;
    bool m_bUpdatingMargins = false;
    QMargins m_userMargins;
    int m_nResizeEdges = NoEdge;
    QByteArray m_openSignal;
    QPointer<QObject> m_pOpenReceiver;
    QByteArray m_openMember;
    QPoint m_pressGlobalPos;
    QRect m_pressGeometry;
};

} // namespace ZK::Widgets
