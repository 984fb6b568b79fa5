#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QFrame>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QSet>
#include <QSignalBlocker>
#include <QSize>
#include <QString>
#include <QToolButton>
#include <QVariant>

#include <optional>

class QAbstractButton;
class QBoxLayout;
class QButtonGroup;
class QHBoxLayout;
class QLabel;
class QMouseEvent;
class QScrollArea;
class QScrollBar;
class QVBoxLayout;

namespace Vireo::Widgets {

// Base of every resource list: a scrolling strip of checkable content buttons framed by the
// add / previous / next / clear navigation buttons, with a cache of hidden buttons for reuse,
// a tip for the empty strip and detection of drags that leave the strip through an allowed edge.
class VIREOWIDGETS_EXPORT NaviSliderFrame : public QFrame
{
    Q_OBJECT
public:
    enum NaviWidgetType { Add = 0, Prev = 1, Content = 2, Next = 3, Clear = 4, NaviWidgetTypeCnt = 5 };
    Q_ENUM(NaviWidgetType)

    enum ViewMode { UnknownMode = 0, SampleMode = 1, DetailMode = 2, GeneralMode = 3, ViewModeCNT = 4 };
    Q_ENUM(ViewMode)

    explicit NaviSliderFrame(QWidget* parent = nullptr);
    ~NaviSliderFrame() override;

    // Set-up; setOrientation builds the children and must be called once before anything else.
    void setOrientation(Qt::Orientation orientation);
    Qt::Orientation orientation() const { return m_Orientation; }
    void setMainLayoutContentsMargins(int left, int top, int right, int bottom);
    void setMainLayoutSpacing(int spacing);
    void setContentLayoutContentsMargins(int left, int top, int right, int bottom);
    void setContentLayoutSpacing(int spacing);
    void setScrollBarPolicy(Qt::ScrollBarPolicy policy);
    void setNaviButtonAlignment(Qt::Alignment alignment);
    void setNaviButtonFixedSize(const QSize& size);
    void setNaviButtonVisible(NaviWidgetType type, bool visible);
    void setAllowDragEdge(quint32 edges);
    quint32 allowDragEdge() const { return m_allowEdges; }
    void setCustomDarg(bool customDrag);
    bool isCustomDrag() const { return m_bIsCustomDrag; }
    void setContentFrameProperty(const char* name, const QVariant& value);

    QToolButton* insertNaviButton(QWidget* before);
    QToolButton* insertNaviButton(NaviWidgetType type);
    QToolButton* appendNaviButton();
    QToolButton* getPredefinedNaviButton(NaviWidgetType type) const;

    // Content buttons. The strip's layout holds the tip frame first, so layout index n is the n-th
    // button. Group ids are always 0..count-1 in group order.
    virtual void addContentButton(QToolButton* button, bool resize = true);
    virtual void insertContentButton(QToolButton* button, QToolButton* before, bool resize = true);
    virtual void insertIndexButton(QToolButton* button, int index, bool resize = true);
    virtual void moveContentButton(QToolButton* button, QToolButton* before);
    virtual void retranslateUi() = 0;
    virtual void contentFrameResize();
    virtual void contentButtonsHide();
    virtual void contentButtonsHide(QToolButton* button);
    virtual void setTips(const QString& tips);
    virtual void setIcon(const QPixmap& icon);
    virtual void updateStyleSheet();
    virtual bool isItemIniting() const;

    void contentButtonsHide(bool b);
    void removeItem(QToolButton* button);
    void clear();
    QToolButton* takeFirstHideContentButton();
    int hiddenContentButtonCount() const { return m_listContentButtonCache.size(); }

    QList<QAbstractButton*> getContentButtons() const;
    int getContentButtonID(QToolButton* button) const;
    int itemCount() const;
    QList<QAbstractButton*> getCheckedButtons() const;
    void setActivatedItem(int index);
    void setActivatedItem(QToolButton* button, bool emitSignals = true);

    int scrollValue() const;
    void scrollToTail();
    void setScrollBarPos(int n);
    QScrollArea* contentScrollArea() const { return m_pContentScrollArea; }
    // The widget the content buttons live in. A button made with it as parent is not re-parented
    // when placed, which under a style sheet would polish it and all its children a second time.
    QWidget* contentFrame() const { return m_pContentFrame; }
    bool isAllowDrag(QMouseEvent* event) const;

    // Every press on the list or on one of its content buttons (mouse button, double click, or the
    // space key on a focused button) gets a new serial number; a list ties what it remembers of a
    // press to that number, so nothing from an earlier press outlives it.
    quint64 pressSerial() const { return m_nPressSerial; }
    // True from a press until its release.
    bool isPressRunning() const { return m_bPressRunning; }

signals:
    void itemAddButtonClicked();
    void itemToggled(QAbstractButton* button, bool b);

public:
    virtual void setMainLayout();
    // Called for every button moved into the hidden cache; subclasses empty the button here.
    virtual void resetHideContentButton(QToolButton* button);

public slots:
    virtual void slotPrevButtonClicked();
    virtual void slotNextButtonClicked();
    virtual void slotContentScrollBarValueChanged(int value);
    virtual void slot_buttonToggled(QAbstractButton* button, bool checked);

public:
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Sets a flag for the lifetime of the scope and restores its previous value on every exit
    // (so a nested rebuild does not end the outer one early).
    class ItemInitingLocker
    {
    public:
        explicit ItemInitingLocker(bool& flag)
            : m_flag(flag)
            , m_previous(flag)
        {
            m_flag = true;
        }
        ~ItemInitingLocker() { m_flag = m_previous; }
        ItemInitingLocker(const ItemInitingLocker&) = delete;
        ItemInitingLocker& operator=(const ItemInitingLocker&) = delete;

    private:
        bool& m_flag;
        bool m_previous;
    };

    // Scope of a full list rebuild (the strip is rebuilt from the model, in order): sets
    // m_bItemIniting (unless told to leave it) and blocks the content button group's signals,
    // restoring both on every exit.
    // Inside it, the n-th button appended (addContentButton or placeContentButton) takes the n-th
    // place of the strip; a button already at its place is not moved, so a rebuild that reuses its
    // buttons in order costs O(1) per button. The buttons not placed again follow and are removed
    // by hideContentButtonsFrom(). Per-button resizes are deferred to one contentFrameResize(),
    // which the destructor runs when the caller did not, and the strip is laid out once, at the end.
    // Not for changes that keep the other buttons (a single add): there the placed button would
    // go to the front; use QSignalBlocker and ItemInitingLocker directly.
    class VIREOWIDGETS_EXPORT RebuildScope
    {
    public:
        // Whether the rebuild shows as isItemIniting(): the output list's does not.
        enum class Initing { Mark, Leave };
        explicit RebuildScope(NaviSliderFrame* frame, Initing initing = Initing::Mark);
        ~RebuildScope();
        RebuildScope(const RebuildScope&) = delete;
        RebuildScope& operator=(const RebuildScope&) = delete;

    private:
        NaviSliderFrame* m_pFrame;
        std::optional<ItemInitingLocker> m_locker;
        QSignalBlocker m_groupBlocker;
        int m_nOuterPlaced;
        bool m_bLayoutWasEnabled;
    };

    // The reuse step of the rebuild pattern: the index-th button of `reuse` when it is a Button,
    // else the first cached hidden button when it is a Button (taken out of the cache; a cached
    // button of another kind stays in the cache), else nullptr (the caller then creates one).
    template <typename Button>
    Button* reuseContentButton(const QList<QAbstractButton*>& reuse, int index)
    {
        if (index >= 0 && index < reuse.size()) {
            if (auto* button = qobject_cast<Button*>(reuse.at(index)))
                return button;
        }
        if (!m_listContentButtonCache.isEmpty() && qobject_cast<Button*>(m_listContentButtonCache.first()))
            return static_cast<Button*>(takeFirstHideContentButton());
        return nullptr;
    }

    // Appends a reused or new button at the end of the strip (taking it out of its old place or out
    // of the cache first, see RebuildScope) through addContentButton, and shows it; `resize` as for
    // addContentButton (deferred inside a RebuildScope).
    void placeContentButton(QToolButton* button, bool resize);
    // Inside a RebuildScope: stops painting the strip until the scope ends, for rebuilds that show
    // new or cached buttons. A button shown before the strip is laid out appears at its parent's
    // corner, in view, and every such button would be repainted once at a place it never keeps
    // (Qt's repaint of N dirty siblings costs time in N squared). Called before a new button is
    // made (it may show itself) and by placeContentButton for a button that enters the strip.
    void suspendContentUpdates();
    void resumeContentUpdates();
    // Hides reuse[from..] into the cache with contentButtonsHide(button) for each (which calls
    // resetHideContentButton), keeping their order in the cache; with one resize at the end. Inside
    // a RebuildScope, reuse entries of another kind that were not placed again go too.
    void hideContentButtonsFrom(const QList<QAbstractButton*>& reuse, int from);

    QBoxLayout* m_pMainLayout = nullptr;
    Qt::Orientation m_Orientation = Qt::Horizontal;
    Qt::Alignment m_NaviButtonAlignment = Qt::AlignCenter;
    QToolButton* m_pAddButton = nullptr;
    QToolButton* m_pPrevButton = nullptr;
    QToolButton* m_pNextButton = nullptr;
    QToolButton* m_pClearButton = nullptr;
    QFrame* m_pContentScrollAreaHolder = nullptr;
    QScrollArea* m_pContentScrollArea = nullptr;
    QFrame* m_pContentFrame = nullptr;
    QBoxLayout* m_pContentLayout = nullptr;
    QButtonGroup* m_pContentButtonGroup = nullptr;
    quint32 m_allowEdges = Qt::TopEdge | Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge;
    QPoint m_lastPressedPos;
    bool m_isMousePressed = false;
    QList<QToolButton*> m_listContentButtonCache; // changed only through the frame's operations
    bool m_bIsCustomDrag = false;
    bool m_bItemIniting = false;
    QFrame* m_pTipsContentFrame = nullptr;
    QLabel* m_pTipsIcon = nullptr;
    QLabel* m_pTipsLabel = nullptr;
    QFrame* m_pContentTopLine = nullptr;
    QFrame* m_pContentBottomLine = nullptr;
    QFrame* m_pContentLeftLine = nullptr;
    QFrame* m_pContentRightLine = nullptr;
    QHBoxLayout* m_pContentTopLineLayout = nullptr;
    QHBoxLayout* m_pContentBottomLineLayout = nullptr;
    QVBoxLayout* m_pContentLeftLineLayout = nullptr;
    QVBoxLayout* m_pContentRightLineLayout = nullptr;

private:
    void createWidgets();
    void createConnects();
    void updateTipsVisible();
    void resizeAfterChange(bool resize);
    QScrollBar* alongScrollBar() const;
    QList<QToolButton*> stripButtons() const;
    QToolButton* lastStripButton() const;
    int contentLayoutIndexOf(QWidget* button, int hint = -1) const;
    void doContentFrameResize();
    bool isContentButton(const QAbstractButton* button) const;
    int groupIndexOf(QAbstractButton* button) const;
    void takeOutOfStrip(QToolButton* button);
    void insertIntoLayout(QToolButton* button, int layoutIndex);
    void appendToGroup(QToolButton* button);
    // The frame sees the presses of a content button and of the buttons inside it.
    void watchPresses(QToolButton* button);
    void removeFromGroup(QToolButton* button);
    void moveToCache(QToolButton* button);
    void placeInRebuild(QToolButton* button);
    void dropFromCache(QToolButton* button);
    void recheckAfterRemoval(bool wasChecked, int index);
    void normaliseGroupOrder();
    void uncheckAll();

    int m_nDeferResize = 0; // > 0: per-change resizes wait for one contentFrameResize
    int m_nRebuildPlaced = -1; // >= 0: inside a RebuildScope, the number of buttons placed so far
    bool m_bResizePending = false;
    bool m_bContentUpdatesSuspended = false; // set by suspendContentUpdates until the outer scope ends
    bool m_bGroupOrderDirty = false;
    bool m_bInContentFrameResize = false;
    bool m_bResizeAgain = false;
    QSet<QToolButton*> m_cachedButtons; // the cache's members, for O(1) membership tests
    quint64 m_nPressSerial = 0;
    bool m_bPressRunning = false;

    void notePressEvent(QEvent* event);
};

} // namespace Vireo::Widgets
