#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/bizmodel.h>
#include <zkwidgets/flowlayout.h>

#include <QFrame>
#include <QList>
#include <QMargins>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include <memory>

class QAbstractButton;
class QButtonGroup;
class QHBoxLayout;
class QLabel;
class QScrollArea;
class QScrollBar;
class QToolButton;
class QVBoxLayout;

namespace Vireo::Widgets {

// The paged flow layout of the preset grids: a flow layout that also knows which page the console
// shows, so that a grid told about a page jump can follow it.
class VIREOWIDGETS_EXPORT FlowLayoutScene : public ZK::Utils::FlowLayout
{
    Q_OBJECT
public:
    using ZK::Utils::FlowLayout::FlowLayout;

    void setConsolePage(int page) { m_consolePage = page; }
    int consolePage() const { return m_consolePage; }

private:
    int m_consolePage = 1;
};

// A wrapping grid of checkable content buttons in a vertical scroll area, paged with previous and
// next buttons under a "%1/%2 page" label. Buttons taken out of the grid go to a cache of hidden
// buttons for reuse, as in the resource strips. With `isScene` the grid is a FlowLayoutScene.
//
// The page arithmetic serves the preset grid of the application: 240 items on a pitch of
// 235 x 217 pixels, and a console page step of 868 pixels.
class VIREOWIDGETS_EXPORT FlowContainerFrame : public QFrame
{
    Q_OBJECT
public:
    enum NaviWidgetType { Prev, Content, Next, NaviWidgetTypeCnt };
    Q_ENUM(NaviWidgetType)

    static constexpr int PresetItemWidth = 235;
    static constexpr int PresetItemHeight = 217;
    static constexpr int PresetItemCount = 240;
    static constexpr int ConsolePageStep = 868;

    FlowContainerFrame(
        int hSpace, int vSpace, int margin, QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    FlowContainerFrame(int hSpace, int vSpace, int margin, bool isScene, QWidget* parent = nullptr,
        Qt::WindowFlags f = Qt::WindowFlags());
    ~FlowContainerFrame() override;

public slots:
    virtual void addContentButton(QToolButton* button, bool resize = true);
    virtual void retranslateUi();
    virtual void contentFrameResize();
    virtual void contentButtonsHide();
    virtual void contentButtonsHide(QToolButton* button);
    virtual void setInvalidTips(QString const& tips);
    virtual void setInvalidIcon(QPixmap icon);
    virtual void resetHideContentButton(QToolButton* button);

public:
    // Takes the button out of the grid (and the cache) and deletes it later.
    void removeContentButton(QToolButton* button);
    // Removes and deletes every button, cached ones included.
    void clearContentButton();
    int contentButtonCount() const;
    QList<QAbstractButton*> getContentButtons() const;
    QList<QAbstractButton*> getCheckedButtons() const;
    void setActivatedContentButton(QToolButton* button);
    void setActivatedContentButton(int index);
    // Takes the first cached button out of the cache; null when there is none.
    QToolButton* getFirstHideContentButton();
    int hiddenContentButtonCount() const { return m_listContentButtonCache.size(); }

    void setMainLayoutContentsMargins(int left, int top, int right, int bottom);
    void setMainLayoutSpacing(int spacing);
    void setContentLayoutContentsMargins(int left, int top, int right, int bottom);
    void setContentLayoutSpacing(int hSpace, int vSpace);
    // The navigation frame's one-value forms: both spacings, and the bar that scrolls the grid.
    void setContentLayoutSpacing(int spacing) { setContentLayoutSpacing(spacing, spacing); }
    void setScrollBarPolicy(Qt::ScrollBarPolicy vertical) { setScrollBarPolicy(Qt::ScrollBarAlwaysOff, vertical); }
    void setContentMargin(QMargins margins);
    void setScrollBarPolicy(Qt::ScrollBarPolicy horizontal, Qt::ScrollBarPolicy vertical);
    void setTipsContentFrameVisible(bool visible);
    void setAllowDragEdge(quint32 edges) { m_allowEdges = edges; }
    quint32 allowDragEdge() const { return m_allowEdges; }

    int contentFrameHeight() const;
    int contentFrameWidth() const;
    QScrollArea* contentScrollArea() const { return m_pContentScrollArea; }
    ZK::Utils::FlowLayout* contentLayout() const { return m_pContentLayout; }
    bool isScene() const { return m_isScene; }

    // Paging
    void setPageLabel(int const& page, int const& count);
    void setPageIndex(int page);
    int pageIndex() const { return m_pageNum; }
    int pageCount() const { return m_alwaysPage; }
    int calPCcurrentPage();
    void initcurrentPage();
    void setPresetPCPagePos(bool forward);
    void setPresetConsolePagePos(bool forward);
    void setPageVerticalScrollBar(int page);

signals:
    void itemToggled(QToolButton* button, bool b);

public slots:
    virtual void slotPrevButtonClicked();
    virtual void slotNextButtonClicked();
    virtual void slotContentScrollBarValueChanged(int value);
    virtual void slotButtonToggled(QAbstractButton* button, bool b);
    virtual void slotButtonClicked(QAbstractButton* button);
    virtual void slotPageModifySelectedItems(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    QScrollBar* verticalScrollBar() const;
    void updateTipsVisible();
    void updateNaviButtons();

    QVBoxLayout* m_pMainLayout = nullptr;
    QToolButton* m_pPrevButton = nullptr;
    QToolButton* m_pNextButton = nullptr;
    QLabel* m_pPageLabel = nullptr;
    QFrame* m_pTopNaviDetails = nullptr;
    QFrame* m_pBottomNaviFrame = nullptr;
    QHBoxLayout* m_pBottomNaviFrameLayout = nullptr;
    QScrollArea* m_pContentScrollArea = nullptr;
    QFrame* m_pContentFrame = nullptr;
    ZK::Utils::FlowLayout* m_pContentLayout = nullptr;
    QButtonGroup* m_pContentButtonGroup = nullptr;
    QList<QToolButton*> m_listContentButtonCache;
    QLabel* m_pTipsIcon = nullptr;
    QLabel* m_pTipsLabel = nullptr;
    QFrame* m_pTipsContentFrame = nullptr;
    quint32 m_allowEdges = 15;
    QPoint m_lastPressedPos;
    bool m_isMousePressed = false;
    int m_flowLayoutHSpace = 0;
    int m_flowLayoutVSpace = 0;
    int m_flowLayoutMargin = 0;
    bool m_isScene = false;
    int m_pageNum = 1;
    int m_alwaysPage = 8;
    bool m_isSceneUpDate = false;
    QWidget* m_parent = nullptr;

private:
    void createWidgets();
    void createConnections();
    void takeOutOfGrid(QToolButton* button);
    void renumberGroup();

    bool m_bTipsForced = false;
    bool m_bTipsForcedVisible = false;
};

// A flow container for grids of device interfaces: it keeps a weak reference to their device.
class VIREOWIDGETS_EXPORT InterfaceFlowContainerFrame : public FlowContainerFrame
{
    Q_OBJECT
public:
    using FlowContainerFrame::FlowContainerFrame;

    void setDevice(std::weak_ptr<Vireo::BizModel::Device> device) { m_pDevice = std::move(device); }
    std::weak_ptr<Vireo::BizModel::Device> device() const { return m_pDevice; }
    // Declared for grids that fill themselves from the device; this library's grids do not.
    virtual void initContentButtons() { }
    void retranslateUi() override;

public slots:
    void slotButtonToggled(QAbstractButton* button, bool b) override;

protected:
    std::weak_ptr<Vireo::BizModel::Device> m_pDevice;
};

} // namespace Vireo::Widgets
