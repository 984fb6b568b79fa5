#pragma once

// The strip of screen tabs at the top of the screen page: checking tabs selects screens in the
// device, the view toggle adds a screen to the viewing screens, and dragging a tab along the strip
// reorders the screens.

#include <vireowidgets/resources/screenlistwidget.h>
#include <vireowidgets/vireowidgets_export.h>

#include <QPoint>
#include <QSet>
#include <QSize>

#include <memory>
#include <vector>

class QDragEnterEvent;
class QDragLeaveEvent;
class QDragMoveEvent;
class QDropEvent;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QMimeData;
class QToolButton;

namespace Vireo::Widgets {

class ScreenHeaderListWidget;

namespace Internal {
class ScreenHeaderListWidgetPrivate;
class ScreenHeaderItemPrivate;
} // namespace Internal

// One screen as a tab of the screen header strip: its name, a check state for selection and a view
// toggle. Created and reused by ScreenHeaderListWidget; a host reads and styles it, it does not make
// its own.
class VIREOWIDGETS_EXPORT ScreenHeaderItem : public ScreenListContentButton
{
    Q_OBJECT
public:
    ScreenHeaderItem(std::weak_ptr<Vireo::BizModel::Device> pDevice, std::weak_ptr<Vireo::BizModel::Screen> pScreenBase,
        QWidget* parent = nullptr);
    ~ScreenHeaderItem() override;

    // Checks the view toggle without reporting it.
    void setViewing(bool viewing);
    bool isViewing() const;
    void setViewButtonVisible(bool visible);

    // A dragged tab shows unchecked with its own look and gets its checked state back afterwards.
    // Neither change is reported, by the tab or by its button group.
    void setIsDragState(bool state);
    bool dragState() const;

    // Changes the checked state as code does: nothing is reported, the name's look follows.
    void setCheckedQuietly(bool checked);

    QSize sizeHint() const override;

public slots:
    void resetLayout() override;

signals:
    void screenViewingToggled(ScreenHeaderItem* item, bool viewing);

protected:
    // Mark the toggles made by the operator's click (mouse or space key) apart from those made by code.
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    friend class Internal::ScreenHeaderListWidgetPrivate;
    void refreshNameCheckedLook();

    QToolButton* m_pViewScreenBtn = nullptr;
    QLabel* m_pVerLineLabel = nullptr;
    std::unique_ptr<Internal::ScreenHeaderItemPrivate> d;
    bool m_IsDragState = false;
    bool m_IsChecked = false;
    // What setViewButtonVisible() last set (the two children's own state, without reading them).
    enum ViewButtonState : quint8 { ViewButtonUnset, ViewButtonShown, ViewButtonHidden };
    ViewButtonState m_eViewButtonShown = ViewButtonUnset;
};

// The header strip of a page's screens: tabs that the operator selects (singly or, in multi-select
// mode, several), toggles for viewing and reorders by dragging; the selection and the new order are
// written to the device. A host fills it with initListWidgetItem() and calls that again on every
// screen change; changes made by code (rebuilds, removeItem, setActivatedItem) never reach the device.
class VIREOWIDGETS_EXPORT ScreenHeaderListWidget : public ScreenListWidget
{
    Q_OBJECT
public:
    explicit ScreenHeaderListWidget(QWidget* parent = nullptr);
    ~ScreenHeaderListWidget() override;

    // One tab per screen of the masked types, in the screens' UI order.
    void initListWidgetItem(
        std::weak_ptr<Vireo::BizModel::Device> pDevice, const int& nScreenType, bool showViewButton, bool switchState);

    void initSelectedScreens(std::weak_ptr<Vireo::BizModel::Device> pDevice);
    void initViewingScreens(std::weak_ptr<Vireo::BizModel::Device> pDevice);
    void initScreenMultiSelectedState(std::weak_ptr<Vireo::BizModel::Device> pDevice);

    void setScreenMultiSelectedState(bool multi);
    void setMultiCheckBoxVisible(bool visible);
    void setPrevButtonVisible(bool visible);
    void setNextButtonVisible(bool visible);
    void setIsAllowEmptySelected(bool allow);
    // Disables the tabs whose screen cannot join the current selection (see the source).
    void setScreenBaseSwitchState(std::weak_ptr<Vireo::BizModel::Device> pDevice);

    using ScreenListWidget::findContentButton;
    ScreenHeaderItem* findContentButton(std::weak_ptr<Vireo::BizModel::Screen> pScreenBase);
    // The tab before which a tab dragged to `pos` (list coordinates) goes; null: the end.
    ScreenHeaderItem* findContentButton(QPoint pos);
    ScreenHeaderItem* findNextContentButton(ScreenHeaderItem* item);

    void screenMoveEvent(quint8 screenKeyNo, quint8 screenType, QPoint pos);
    // Writes the strip's order to the device.
    void updateScreenGeneral();

    void retranslateUi() override;

signals:
    void signalScreenItemIndexChanged();

public slots:
    void slotScreenPressed(std::weak_ptr<Vireo::BizModel::Screen> wScreenBase, const int& nSceneType) override;

public:
    void startDrag(QMouseEvent* event) override;
    void setMainLayout() override;
    ScreenListContentButton* createScreenContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const SceneType& sceneType, QWidget* parent) override;
    void setDragButtonState(ScreenListContentButton* button, bool state) override;

protected:
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class Internal::ScreenHeaderListWidgetPrivate;

    void createWidgets();
    void creatConnects();
    QList<ScreenHeaderItem*> stripItems() const;
    // A tab of the strip, its screen and that screen's place in the device's UI order.
    struct UiOrderEntry
    {
        ScreenHeaderItem* item;
        std::shared_ptr<Vireo::BizModel::Screen> screen;
        int uiIndex;
    };
    // `entries`: the strip's tabs in strip order.
    void orderByUiScreenIndex(
        const std::shared_ptr<Vireo::BizModel::Device>& device, const std::vector<UiOrderEntry>& entries);
    // The live screens the device selects (of the strip's types) and views.
    QSet<const Vireo::BizModel::Screen*> selectedScreensOf(const std::shared_ptr<Vireo::BizModel::Device>& device);
    static QSet<const Vireo::BizModel::Screen*> viewingScreensOf(
        const std::shared_ptr<Vireo::BizModel::Device>& device);
    bool readDraggedScreen(const QMimeData* mime, quint8& screenKeyNo, quint8& screenType) const;
    bool followOwnTabDrag(QDragMoveEvent* event);

    Internal::ScreenHeaderListWidgetPrivate* d = nullptr;
};

} // namespace Vireo::Widgets
