#include "screenheaderlistwidget.h"

#include <vireowidgets/controls/touchcheckbox.h>
#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/foundation/videopreviewwidget.h>

#include <vireomodel/bizmodel.h>
#include <vireomodel/modelcontrol.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDebug>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace Vireo::Widgets {

namespace {

using Vireo::BizModel::Device;
using Vireo::BizModel::Screen;
namespace ScreenEnum = Vireo::BizModel::Enum::Screen;

constexpr QSize TabSize(138, 34);

QSet<const Screen*> liveScreens(const QList<std::weak_ptr<Screen>>& screens)
{
    QSet<const Screen*> out;
    out.reserve(screens.size());
    for (const auto& weak : screens) {
        if (auto screen = weak.lock())
            out.insert(screen.get());
    }
    return out;
}

void repolish(QWidget* widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

} // namespace

namespace Internal {

class ScreenHeaderItemPrivate
{
public:
    enum OperatorInput { NoInput, MouseInput, KeyInput };

    QHBoxLayout* m_pLayout = nullptr;
    // Set while the tab handles the operator's release (mouse) or key release (space): a toggle
    // seen then is the operator's; any other toggle comes from code.
    OperatorInput m_eOperatorInput = NoInput;
    // The screen the tab showed when the space key went down.
    ResourceIdentity m_keyPressedScreen;
    // The view toggle's checked state, followed through its toggles and setViewing().
    bool m_bViewing = false;
    // The screen the tab showed when the view toggle went down, until it comes up again.
    ResourceIdentity m_viewPressedScreen;
};

namespace {

// Marks a tab's operator input for the lifetime of the scope.
class OperatorInputScope
{
public:
    OperatorInputScope(ScreenHeaderItemPrivate::OperatorInput& input, ScreenHeaderItemPrivate::OperatorInput value)
        : m_input(input)
        , m_previous(input)
    {
        m_input = value;
    }
    ~OperatorInputScope() { m_input = m_previous; }
    OperatorInputScope(const OperatorInputScope&) = delete;
    OperatorInputScope& operator=(const OperatorInputScope&) = delete;

private:
    ScreenHeaderItemPrivate::OperatorInput& m_input;
    ScreenHeaderItemPrivate::OperatorInput m_previous;
};

} // namespace

class ScreenHeaderListWidgetPrivate : public QObject
{
    Q_OBJECT
public:
    explicit ScreenHeaderListWidgetPrivate(ScreenHeaderListWidget* q)
        : QObject(q)
        , q_ptr(q)
    { }

    QPushButton* m_btnRestore = nullptr;
    TouchCheckBox* m_pMultiCheckBox = nullptr;
    ScreenHeaderListWidget* q_ptr = nullptr;
    bool m_bResponseSelectedScreenSignal = true;
    bool m_bResponseViewingScreenSignal = true;
    bool m_isShowViewButton = true;
    bool m_isAllowEmptySelected = false;
    quint8 m_nPressedScreenKeyNo = 255;
    ScreenEnum::ScreenType m_nPressedScreenType = ScreenEnum::Invalid;
    ScreenHeaderItem* m_pLastMoveScreenBtn = nullptr;
    int m_DragExtend = 0;
    ScreenHeaderItem* m_pPressedNextBtn = nullptr;
    // The tab of the running drag, put back to its normal state when the drag ends.
    QPointer<ScreenHeaderItem> m_pDraggedItem;

public slots:
    void slotItemSelectedClicked(QAbstractButton* button);
    void slotItemSelectedToggled(QAbstractButton* button, bool checked);
    void slotMultiCheckboxChecked(bool checked);
    void slotRestoreDefaultLayout();
    void slotItemViewingToggled(ScreenHeaderItem* item, bool viewing);

    // True when the toggle of `item` comes from the operator's click on the screen it shows now.
    bool isOperatorToggle(ScreenHeaderItem* item) const;
};

bool ScreenHeaderListWidgetPrivate::isOperatorToggle(ScreenHeaderItem* item) const
{
    const ResourceIdentity shown = screenIdentity(q_ptr->m_pDevice, item->screenBase(), item->sceneType());
    switch (item->d->m_eOperatorInput) {
    case ScreenHeaderItemPrivate::MouseInput:
        return q_ptr->m_pressedScreenIdentity.matches(shown, q_ptr->pressSerial());
    case ScreenHeaderItemPrivate::KeyInput:
        return shown.isValid() && shown == item->d->m_keyPressedScreen;
    case ScreenHeaderItemPrivate::NoInput:
        break;
    }
    return false;
}

void ScreenHeaderListWidgetPrivate::slotItemSelectedClicked(QAbstractButton* button)
{
    Q_UNUSED(button)
    qDebug("slotItemSelectedClicked is empty.");
}

void ScreenHeaderListWidgetPrivate::slotItemSelectedToggled(QAbstractButton* button, bool checked)
{
    auto* q = q_ptr;
    auto* item = qobject_cast<ScreenHeaderItem*>(button);
    // Code-driven changes (rebuilds, drag look) are never sent back to the device.
    if (!item || q->isItemIniting() || item->dragState() || !m_bResponseSelectedScreenSignal)
        return;
    // The strip's own changes (a neighbour re-checked after a removal, activation by the host) stay
    // in the strip. A click whose tab was given another screen since the press is undone.
    if (item->d->m_eOperatorInput == ScreenHeaderItemPrivate::NoInput)
        return;
    if (!isOperatorToggle(item)) {
        item->setCheckedQuietly(!checked);
        return;
    }

    const QSignalBlocker groupBlocker(q->m_pContentButtonGroup);
    const QList<ScreenHeaderItem*> items = q->stripItems();
    if (!m_isAllowEmptySelected) {
        const bool anyChecked =
            std::any_of(items.cbegin(), items.cend(), [](ScreenHeaderItem* i) { return i->isChecked(); });
        if (!anyChecked) {
            item->setCheckedQuietly(true);
            return;
        }
    }
    const bool multi = m_pMultiCheckBox->isChecked();
    if (!multi && checked) {
        for (ScreenHeaderItem* other : items) {
            if (other != item && other->isChecked())
                other->setCheckedQuietly(false);
        }
    }

    const auto device = q->m_pDevice.lock();
    const std::weak_ptr<Screen> screen = item->screenBase();
    if (!device || screen.expired())
        return;
    const auto control = Vireo::ModelControl::Device::screenModelControl(ScreenEnum::RegularScreen, device);
    if (!control)
        return;
    if (!checked)
        control->cancelSelected({screen}, true);
    else
        control->setSelected(
            {screen}, multi ? Vireo::BizModel::Enum::Append : Vireo::BizModel::Enum::Cover, true, true);
}

void ScreenHeaderListWidgetPrivate::slotMultiCheckboxChecked(bool checked)
{
    auto* q = q_ptr;
    const auto device = q->m_pDevice.lock();
    if (!device) {
        const QSignalBlocker boxBlocker(m_pMultiCheckBox);
        m_pMultiCheckBox->setChecked(false);
        return;
    }
    {
        const QSignalBlocker deviceBlocker(device.get());
        device->setMultiScreens(checked);
    }
    if (checked)
        return;

    // Back to one screen: the active one. Without an active screen, and where an empty selection
    // is not allowed, the first selected screen stays selected instead of clearing everything.
    std::shared_ptr<Screen> kept = device->activedScreen().lock();
    if (!kept && !m_isAllowEmptySelected) {
        const auto selected = device->selectedScreen(q->getDeviceScreenType());
        for (const auto& weak : selected) {
            if ((kept = weak.lock()))
                break;
        }
        if (!kept)
            return;
    }

    {
        const QSignalBlocker groupBlocker(q->m_pContentButtonGroup);
        for (ScreenHeaderItem* item : q->stripItems())
            item->setCheckedQuietly(kept && item->screenBase().lock() == kept);
    }
    const auto control = Vireo::ModelControl::Device::screenModelControl(ScreenEnum::RegularScreen, device);
    if (!control)
        return;
    control->clearSelectedScreens(true);
    if (kept) {
        control->setSelected({kept}, Vireo::BizModel::Enum::Cover, true, true);
        device->appendViewingScreen(kept, true);
    }
}

void ScreenHeaderListWidgetPrivate::slotRestoreDefaultLayout()
{
    if (auto device = q_ptr->m_pDevice.lock())
        device->restoreDefLayout();
}

void ScreenHeaderListWidgetPrivate::slotItemViewingToggled(ScreenHeaderItem* item, bool viewing)
{
    if (!m_bResponseViewingScreenSignal || !item)
        return;
    const auto device = q_ptr->m_pDevice.lock();
    if (!device)
        return;
    if (!viewing)
        return; // the toggle stays off: nothing is sent, the device keeps its viewing list
    device->appendViewingScreen(item->screenBase(), true);
    // The toggles show what the device views now (it may have replaced other screens).
    q_ptr->initViewingScreens(device);
}

} // namespace Internal

// ---------------------------------------------------------------------------------------------
// ScreenHeaderItem

ScreenHeaderItem::ScreenHeaderItem(std::weak_ptr<Device> pDevice, std::weak_ptr<Screen> pScreenBase, QWidget* parent)
    : ScreenListContentButton(
          std::move(pDevice), std::move(pScreenBase), Vireo::BizModel::Enum::Layer::SceneType::Invalid, {}, parent)
    , d(std::make_unique<Internal::ScreenHeaderItemPrivate>())
{
    const QList<QWidget*> unusedChildren = {
        m_pLabelRadio, m_pLabelVideo, m_pButtonClose, m_pLabelMosaic, m_pLabelLayerCnt, m_pLabelOutputCnt};
    for (QWidget* unused : unusedChildren) {
        if (unused)
            unused->hide();
    }
    setCheckable(true);
    setFixedSize(TabSize);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setProperty("isScreenHeaderButton", true);

    m_pLabelName->setAlignment(Qt::AlignCenter);
    m_pLabelName->setFixedWidth(94);
    m_pLabelName->setSizePolicy(QSizePolicy::Expanding, m_pLabelName->sizePolicy().verticalPolicy());

    m_pViewScreenBtn = new QToolButton(this);
    m_pViewScreenBtn->setCheckable(true);
    m_pViewScreenBtn->setFixedSize(42, 32);
    m_pViewScreenBtn->setProperty("isScreenHeaderViewerButton", true);

    m_pVerLineLabel = new QLabel(this);
    m_pVerLineLabel->setFixedSize(1, 28);
    m_pVerLineLabel->setProperty("isGrayLabelLine", true);

    connect(m_pViewScreenBtn, &QAbstractButton::pressed, this,
        [this] { d->m_viewPressedScreen = Internal::screenIdentity(m_pDevice, m_pScreenBase, m_nSceneType); });
    connect(m_pViewScreenBtn, &QAbstractButton::released, this,
        [this] { d->m_viewPressedScreen = Internal::ResourceIdentity(); });
    connect(m_pViewScreenBtn, &QAbstractButton::toggled, this, [this](bool checked) {
        // A toggle made by the release of a press names the screen pressed: when a rebuild gave the
        // tab another screen meanwhile, the toggle goes back and nothing is sent.
        const Internal::ResourceIdentity& pressed = d->m_viewPressedScreen;
        if (pressed.isValid() && pressed != Internal::screenIdentity(m_pDevice, m_pScreenBase, m_nSceneType)) {
            const QSignalBlocker blocker(m_pViewScreenBtn);
            m_pViewScreenBtn->setChecked(!checked);
            qWarning() << "View toggle: the tab shows another screen than the one pressed; nothing sent.";
            return;
        }
        d->m_bViewing = checked;
        emit screenViewingToggled(this, checked);
    });

    resetLayout();
    // The name is shortened with the font the style sheet gives it.
    m_pLabelName->ensurePolished();
    updateUIFromData();
}

ScreenHeaderItem::~ScreenHeaderItem() = default;

void ScreenHeaderItem::resetLayout()
{
    if (!d->m_pLayout) {
        d->m_pLayout = new QHBoxLayout(this);
        d->m_pLayout->setContentsMargins(2, 2, 2, 2);
        d->m_pLayout->setSpacing(2);
        d->m_pLayout->addWidget(m_pViewScreenBtn);
        d->m_pLayout->addWidget(m_pVerLineLabel);
        d->m_pLayout->addWidget(m_pLabelName);
    }
}

QSize ScreenHeaderItem::sizeHint() const
{
    return TabSize;
}

void ScreenHeaderItem::setViewing(bool viewing)
{
    // Every rebuild sets it on every tab: the toggle's state is known without reading it.
    if (d->m_bViewing == viewing)
        return;
    const QSignalBlocker blocker(m_pViewScreenBtn);
    m_pViewScreenBtn->setChecked(viewing);
    d->m_bViewing = m_pViewScreenBtn->isChecked();
}

bool ScreenHeaderItem::isViewing() const
{
    return m_pViewScreenBtn->isChecked();
}

void ScreenHeaderItem::setViewButtonVisible(bool visible)
{
    // Every rebuild sets it on every tab; the children are only touched when it changes.
    if (m_eViewButtonShown == (visible ? ViewButtonShown : ViewButtonHidden))
        return;
    m_eViewButtonShown = visible ? ViewButtonShown : ViewButtonHidden;
    m_pViewScreenBtn->setVisible(visible);
    m_pVerLineLabel->setVisible(visible);
}

void ScreenHeaderItem::setCheckedQuietly(bool checked)
{
    if (m_IsDragState) {
        // Shown unchecked while dragged; the state comes back when the drag ends.
        m_IsChecked = checked;
        return;
    }
    if (isChecked() == checked)
        return;
    const QSignalBlocker selfBlocker(this);
    const QSignalBlocker groupBlocker(group());
    setChecked(checked);
    refreshNameCheckedLook();
}

void ScreenHeaderItem::refreshNameCheckedLook()
{
    m_pLabelName->setProperty("isChecked", isChecked());
    repolish(m_pLabelName);
}

void ScreenHeaderItem::setIsDragState(bool state)
{
    if (m_IsDragState == state)
        return;
    // The button group reports toggles even when the tab itself is blocked.
    const QSignalBlocker selfBlocker(this);
    const QSignalBlocker groupBlocker(group());
    if (state) {
        m_IsChecked = isChecked();
        setChecked(false);
    } else {
        setChecked(m_IsChecked);
    }
    m_IsDragState = state;
    setProperty("isScreenHeaderButton", !state);
    refreshNameCheckedLook();
    repolish(this);
}

bool ScreenHeaderItem::dragState() const
{
    return m_IsDragState;
}

void ScreenHeaderItem::mouseReleaseEvent(QMouseEvent* event)
{
    const Internal::OperatorInputScope scope(d->m_eOperatorInput, Internal::ScreenHeaderItemPrivate::MouseInput);
    ScreenListContentButton::mouseReleaseEvent(event);
}

void ScreenHeaderItem::keyPressEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat() && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select))
        d->m_keyPressedScreen = Internal::screenIdentity(m_pDevice, m_pScreenBase, m_nSceneType);
    ScreenListContentButton::keyPressEvent(event);
}

void ScreenHeaderItem::keyReleaseEvent(QKeyEvent* event)
{
    const Internal::OperatorInputScope scope(d->m_eOperatorInput, Internal::ScreenHeaderItemPrivate::KeyInput);
    ScreenListContentButton::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        d->m_keyPressedScreen = Internal::ResourceIdentity();
}

// ---------------------------------------------------------------------------------------------
// ScreenHeaderListWidget

ScreenHeaderListWidget::ScreenHeaderListWidget(QWidget* parent)
    : ScreenListWidget(parent)
    , d(new Internal::ScreenHeaderListWidgetPrivate(this))
{
    createWidgets();
    creatConnects();
}

ScreenHeaderListWidget::~ScreenHeaderListWidget() = default;

void ScreenHeaderListWidget::createWidgets()
{
    // Made first: setOrientation places them through setMainLayout.
    d->m_btnRestore = new QPushButton(this);
    d->m_btnRestore->setProperty("isRefreshRatioButtonRestore", true);
    d->m_pMultiCheckBox = new TouchCheckBox(this);
    d->m_pMultiCheckBox->setLayoutDirection(Qt::RightToLeft);

    setOrientation(Qt::Horizontal);
    setNaviButtonVisible(Add, false);
    setNaviButtonVisible(Clear, false);
    setScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setProperty("screenHeaderListFrame", true);
    m_pContentScrollAreaHolder->setProperty("screenHeaderListFrame", true);
    setContentFrameProperty("screenHeaderListFrame", true);
    m_pPrevButton->setProperty("screenHeaderPreBtn", true);
    m_pNextButton->setProperty("screenHeaderNextBtn", true);
    setAcceptDrops(true);
    isEnableDrag(true);
    setAllowDragEdge(Qt::LeftEdge | Qt::RightEdge);
    m_pContentButtonGroup->setExclusive(false);
    retranslateUi();
}

void ScreenHeaderListWidget::setMainLayout()
{
    setContentLayoutSpacing(8);
    setContentLayoutContentsMargins(0, 0, 0, 0);
    m_pContentScrollArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    for (QToolButton* arrow : {m_pPrevButton, m_pNextButton}) {
        arrow->setFixedSize(36, 34);
        arrow->setIconSize(QSize(9, 16));
        arrow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    }

    m_pMainLayout->addWidget(m_pContentScrollAreaHolder);
    auto* arrows = new QHBoxLayout;
    arrows->setSpacing(0);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->addWidget(m_pPrevButton);
    arrows->addWidget(m_pNextButton);
    m_pMainLayout->addLayout(arrows);
    m_pMainLayout->addWidget(d->m_pMultiCheckBox);
    m_pMainLayout->addWidget(d->m_btnRestore);
    // Kept in the frame's layout tree, hidden: the frame finds its predefined buttons there.
    m_pMainLayout->addWidget(m_pAddButton);
    m_pMainLayout->addWidget(m_pClearButton);
    m_pMainLayout->setSpacing(18);
    m_pMainLayout->setContentsMargins(0, 0, 18, 0);
}

void ScreenHeaderListWidget::creatConnects()
{
    connect(m_pContentButtonGroup, qOverload<QAbstractButton*>(&QButtonGroup::buttonClicked), d,
        &Internal::ScreenHeaderListWidgetPrivate::slotItemSelectedClicked);
    connect(m_pContentButtonGroup, qOverload<QAbstractButton*, bool>(&QButtonGroup::buttonToggled), d,
        &Internal::ScreenHeaderListWidgetPrivate::slotItemSelectedToggled);
    connect(d->m_pMultiCheckBox, &QAbstractButton::clicked, d,
        &Internal::ScreenHeaderListWidgetPrivate::slotMultiCheckboxChecked);
    connect(d->m_btnRestore, &QAbstractButton::clicked, d,
        &Internal::ScreenHeaderListWidgetPrivate::slotRestoreDefaultLayout);
}

void ScreenHeaderListWidget::retranslateUi()
{
    ScreenListWidget::retranslateUi();
    d->m_btnRestore->setText(tr("Reset Layout"));
    d->m_pMultiCheckBox->setText(tr("MultiSelect"));
}

QList<ScreenHeaderItem*> ScreenHeaderListWidget::stripItems() const
{
    QList<ScreenHeaderItem*> items;
    if (!m_pContentLayout)
        return items;
    items.reserve(m_pContentLayout->count());
    for (int i = 0; i < m_pContentLayout->count(); ++i) {
        auto* item = qobject_cast<ScreenHeaderItem*>(m_pContentLayout->itemAt(i)->widget());
        if (item && item->group() == m_pContentButtonGroup)
            items.append(item);
    }
    return items;
}

void ScreenHeaderListWidget::initListWidgetItem(
    std::weak_ptr<Device> pDevice, const int& nScreenType, bool showViewButton, bool switchState)
{
    d->m_isShowViewButton = showViewButton;
    ScreenListWidget::initListWidgetItem(pDevice, nScreenType, SceneType::Invalid, false, {});

    // The strip is walked once for all that a rebuild sets on its tabs. After a rebuild the button
    // group holds exactly the strip's tabs, in strip order: no need to walk the layout for them.
    QList<ScreenHeaderItem*> items;
    const QList<QAbstractButton*> buttons = getContentButtons();
    items.reserve(buttons.size());
    for (QAbstractButton* button : buttons) {
        if (auto* item = qobject_cast<ScreenHeaderItem*>(button))
            items.append(item);
    }
    const auto device = pDevice.lock();
    const QSet<const Screen*> selected = selectedScreensOf(device);
    const QSet<const Screen*> viewing = viewingScreensOf(device);
    std::vector<UiOrderEntry> entries;
    entries.reserve(size_t(items.size()));
    {
        const QSignalBlocker groupBlocker(m_pContentButtonGroup);
        for (ScreenHeaderItem* item : items) {
            // Reused tabs keep whatever they showed before; the new setting holds for all of them.
            item->setViewButtonVisible(showViewButton);
            auto screen = item->screenBase().lock();
            item->setCheckedQuietly(screen && selected.contains(screen.get()));
            item->setViewing(screen && viewing.contains(screen.get()));
            const int uiIndex = screen ? screen->getUiScreenIndex() : INT_MAX;
            entries.push_back({item, std::move(screen), uiIndex});
        }
    }
    initScreenMultiSelectedState(pDevice);
    if (switchState)
        setScreenBaseSwitchState(pDevice);
    if (device)
        orderByUiScreenIndex(device, entries);
}

void ScreenHeaderListWidget::orderByUiScreenIndex(
    const std::shared_ptr<Device>& device, const std::vector<UiOrderEntry>& entries)
{
    const QSignalBlocker listBlocker(this);
    using Entry = UiOrderEntry;
    const auto byUiIndex = [](const Entry& a, const Entry& b) { return a.uiIndex < b.uiIndex; };
    // Usually the strip is in order already, and a stable sort would leave it as it is.
    if (std::is_sorted(entries.cbegin(), entries.cend(), byUiIndex))
        return;
    std::vector<Entry> sorted = entries;
    std::stable_sort(sorted.begin(), sorted.end(), byUiIndex);

    bool moved = false;
    for (size_t i = 0; i < sorted.size(); ++i)
        moved = moved || sorted[i].item != entries[i].item;
    if (!moved)
        return;
    {
        RebuildScope scope(this);
        for (const Entry& entry : sorted)
            placeContentButton(entry.item, false);
    }

    // The tabs moved: the device learns the order shown (its own screen order follows it, so the
    // next rebuild finds the tabs in place and writes nothing).
    QList<Vireo::ProtoModel::s_ScreenGeneralBody> records;
    for (const Entry& entry : sorted) {
        if (!entry.screen)
            continue;
        auto record = entry.screen->screenGeneral();
        record.screenId = entry.screen->screenId();
        record.screenType = entry.screen->screenType();
        record.index = records.size();
        records.append(record);
    }
    const auto control = Vireo::ModelControl::Device::screenModelControl(ScreenEnum::RegularScreen, device);
    if (!control || !control->updateGeneral(records)) {
        qWarning("Modify screen index has failed!");
        return;
    }
    int position = 0;
    for (const Entry& entry : sorted) {
        if (entry.screen)
            entry.screen->setUiScreenIndex(position++);
    }
}

ScreenListContentButton* ScreenHeaderListWidget::createScreenContentButton(
    std::weak_ptr<Device> pDevice, std::weak_ptr<Screen> pScreenBase, const SceneType& sceneType, QWidget* parent)
{
    Q_UNUSED(sceneType)
    auto* item = new ScreenHeaderItem(pDevice, pScreenBase, parent);
    item->setViewButtonVisible(d->m_isShowViewButton);
    const auto device = pDevice.lock();
    const auto screen = pScreenBase.lock();
    if (device && screen) {
        item->setCheckedQuietly(liveScreens(device->selectedScreen(getDeviceScreenType())).contains(screen.get()));
        item->setViewing(liveScreens(device->viewingScreen()).contains(screen.get()));
    }
    connect(item, &ScreenHeaderItem::screenViewingToggled, d,
        &Internal::ScreenHeaderListWidgetPrivate::slotItemViewingToggled);
    return item;
}

void ScreenHeaderListWidget::initSelectedScreens(std::weak_ptr<Device> pDevice)
{
    const QSet<const Screen*> selected = selectedScreensOf(pDevice.lock());
    const QSignalBlocker groupBlocker(m_pContentButtonGroup);
    for (ScreenHeaderItem* item : stripItems()) {
        const auto screen = item->screenBase().lock();
        item->setCheckedQuietly(screen && selected.contains(screen.get()));
    }
}

void ScreenHeaderListWidget::initViewingScreens(std::weak_ptr<Device> pDevice)
{
    const QSet<const Screen*> viewing = viewingScreensOf(pDevice.lock());
    for (ScreenHeaderItem* item : stripItems()) {
        const auto screen = item->screenBase().lock();
        item->setViewing(screen && viewing.contains(screen.get()));
    }
}

QSet<const Screen*> ScreenHeaderListWidget::selectedScreensOf(const std::shared_ptr<Device>& device)
{
    return device ? liveScreens(device->selectedScreen(getDeviceScreenType())) : QSet<const Screen*>();
}

QSet<const Screen*> ScreenHeaderListWidget::viewingScreensOf(const std::shared_ptr<Device>& device)
{
    return device ? liveScreens(device->viewingScreen()) : QSet<const Screen*>();
}

void ScreenHeaderListWidget::initScreenMultiSelectedState(std::weak_ptr<Device> pDevice)
{
    const auto device = pDevice.lock();
    const QSignalBlocker boxBlocker(d->m_pMultiCheckBox);
    d->m_pMultiCheckBox->setChecked(device && device->isMultiScreens());
}

void ScreenHeaderListWidget::setScreenMultiSelectedState(bool multi)
{
    const QSignalBlocker boxBlocker(d->m_pMultiCheckBox);
    d->m_pMultiCheckBox->setChecked(multi);
}

void ScreenHeaderListWidget::setMultiCheckBoxVisible(bool visible)
{
    d->m_pMultiCheckBox->setVisible(visible);
}

void ScreenHeaderListWidget::setPrevButtonVisible(bool visible)
{
    m_pPrevButton->setVisible(visible);
}

void ScreenHeaderListWidget::setNextButtonVisible(bool visible)
{
    m_pNextButton->setVisible(visible);
}

void ScreenHeaderListWidget::setIsAllowEmptySelected(bool allow)
{
    d->m_isAllowEmptySelected = allow;
}

// A multi-screen selection only joins screens in one state: while several screens may be
// selected, the tabs whose screen is in another state than the first selected screen are
// disabled. In single mode (or with nothing selected) every tab of a live screen is enabled.
void ScreenHeaderListWidget::setScreenBaseSwitchState(std::weak_ptr<Device> pDevice)
{
    const auto device = pDevice.lock();
    std::shared_ptr<Screen> first;
    if (device && d->m_pMultiCheckBox->isChecked()) {
        for (const auto& weak : device->selectedScreen(getDeviceScreenType())) {
            if ((first = weak.lock()))
                break;
        }
    }
    for (ScreenHeaderItem* item : stripItems()) {
        const auto screen = item->screenBase().lock();
        const bool enabled = screen && (!first || screen->state() == first->state());
        // The tab's own state: a disabled page would otherwise hide what the tab itself needs.
        if (item->testAttribute(Qt::WA_ForceDisabled) == enabled) {
            item->setEnabled(enabled);
            item->updateStyleSheet();
        }
    }
}

ScreenHeaderItem* ScreenHeaderListWidget::findContentButton(std::weak_ptr<Screen> pScreenBase)
{
    const auto screen = pScreenBase.lock();
    if (!screen)
        return nullptr;
    for (ScreenHeaderItem* item : stripItems()) {
        if (item->screenBase().lock() == screen)
            return item;
    }
    return nullptr;
}

ScreenHeaderItem* ScreenHeaderListWidget::findContentButton(QPoint pos)
{
    if (!m_pContentLayout)
        return nullptr;
    // The scrolled content's x of the point.
    const int x = m_pContentFrame->mapFrom(this, pos).x();
    for (int i = 0; i < m_pContentLayout->count(); ++i) {
        auto* item = qobject_cast<ScreenHeaderItem*>(m_pContentLayout->itemAt(i)->widget());
        if (!item || item->group() != m_pContentButtonGroup || item->dragState())
            continue;
        const QRect geometry = item->geometry();
        const int left = geometry.left() - 4;
        const int middle = left + ((geometry.right() - left) + 5) / 2;
        if (x < middle && pos.y() < item->height() + 9 + d->m_DragExtend)
            return item;
    }
    return nullptr;
}

ScreenHeaderItem* ScreenHeaderListWidget::findNextContentButton(ScreenHeaderItem* item)
{
    if (!item)
        return nullptr;
    const QList<ScreenHeaderItem*> items = stripItems();
    const int index = items.indexOf(item);
    return index >= 0 && index + 1 < items.size() ? items.at(index + 1) : nullptr;
}

void ScreenHeaderListWidget::screenMoveEvent(quint8 screenKeyNo, quint8 screenType, QPoint pos)
{
    const auto device = m_pDevice.lock();
    if (!device)
        return;
    ScreenHeaderItem* dragged = findContentButton(device->findScreen(screenType, screenKeyNo));
    if (!dragged)
        return;
    ScreenHeaderItem* target = findContentButton(pos);
    if (target == findNextContentButton(dragged) || target == dragged)
        return;
    d->m_pLastMoveScreenBtn = target;
    QString targetName;
    if (target) {
        if (auto screen = target->screenBase().lock())
            targetName = screen->name();
    }
    qDebug("%s", qPrintable(QStringLiteral("Move to before ") + targetName));
    moveContentButton(dragged, target);
}

bool ScreenHeaderListWidget::readDraggedScreen(const QMimeData* mime, quint8& screenKeyNo, quint8& screenType) const
{
    const QString keyFormat = QString::fromLatin1(Vireo::Constants::MimeTypeScreenKeyNo);
    const QString typeFormat = QString::fromLatin1(Vireo::Constants::MimeTypeScreenTypeKeyNo);
    if (!mime || !mime->hasFormat(keyFormat) || !mime->hasFormat(typeFormat))
        return false;
    bool keyOk = false;
    bool typeOk = false;
    const uint key = mime->data(keyFormat).toUInt(&keyOk);
    const uint type = mime->data(typeFormat).toUInt(&typeOk);
    if (!keyOk || !typeOk || key > 255 || type > 255)
        return false;
    screenKeyNo = quint8(key);
    screenType = quint8(type);
    return true;
}

// Only this strip's own tabs are reordered here (the order is written when its drag ends): the
// dragged tab follows the pointer, or the drag is refused.
bool ScreenHeaderListWidget::followOwnTabDrag(QDragMoveEvent* event)
{
    quint8 screenKeyNo = 0;
    quint8 screenType = 0;
    if ((event->source() && event->source() != this) ||
        !readDraggedScreen(event->mimeData(), screenKeyNo, screenType)) {
        event->ignore();
        return false;
    }
    screenMoveEvent(screenKeyNo, screenType, event->pos());
    return true;
}

void ScreenHeaderListWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (!followOwnTabDrag(event))
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ScreenHeaderListWidget::dragMoveEvent(QDragMoveEvent* event)
{
    if (followOwnTabDrag(event))
        event->accept();
}

void ScreenHeaderListWidget::dragLeaveEvent(QDragLeaveEvent* event)
{
    ScreenListWidget::dragLeaveEvent(event);
}

void ScreenHeaderListWidget::dropEvent(QDropEvent* event)
{
    quint8 screenKeyNo = 0;
    quint8 screenType = 0;
    const auto device = m_pDevice.lock();
    if (!device || (event->source() && event->source() != this) ||
        !readDraggedScreen(event->mimeData(), screenKeyNo, screenType) ||
        !findContentButton(device->findScreen(screenType, screenKeyNo))) {
        event->ignore();
        return;
    }
    d->m_pLastMoveScreenBtn = nullptr;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ScreenHeaderListWidget::slotScreenPressed(std::weak_ptr<Screen> wScreenBase, const int& nSceneType)
{
    d->m_nPressedScreenKeyNo = 255;
    d->m_nPressedScreenType = ScreenEnum::Invalid;
    if (auto screen = wScreenBase.lock()) {
        d->m_nPressedScreenKeyNo = screen->screenId();
        d->m_nPressedScreenType = ScreenEnum::ScreenType(screen->screenType());
    }
    ScreenListWidget::slotScreenPressed(wScreenBase, nSceneType);
}

void ScreenHeaderListWidget::startDrag(QMouseEvent* event)
{
    d->m_pDraggedItem = nullptr;
    d->m_pPressedNextBtn = findNextContentButton(findContentButton(m_pPressedScreenBase));
    const Internal::ResourceIdentity pressed = m_pressedScreenIdentity.identity();
    ScreenListWidget::startDrag(event);
    // No drag ran (device, screen or tab gone): nothing to put back, no order to write.
    if (!d->m_pDraggedItem)
        return;
    setDragButtonState(d->m_pDraggedItem, false);
    // The order is the operator's move of the pressed screen: when that screen went away during the
    // drag (or its tab shows another one now), there is no move to report.
    const Internal::ResourceIdentity dragged =
        Internal::screenIdentity(m_pDevice, d->m_pDraggedItem->screenBase(), d->m_pDraggedItem->sceneType());
    if (dragged.isValid() && dragged == pressed)
        updateScreenGeneral();
    else
        qWarning("The dragged screen is gone; the screen order is not written.");
    d->m_pDraggedItem = nullptr;
    d->m_pPressedNextBtn = nullptr;
    d->m_pLastMoveScreenBtn = nullptr;
}

void ScreenHeaderListWidget::setDragButtonState(ScreenListContentButton* button, bool state)
{
    auto* item = qobject_cast<ScreenHeaderItem*>(button);
    if (!item)
        return;
    if (state)
        d->m_pDraggedItem = item;
    const QSignalBlocker groupBlocker(m_pContentButtonGroup);
    item->setIsDragState(state);
}

void ScreenHeaderListWidget::updateScreenGeneral()
{
    const auto device = m_pDevice.lock();
    if (!device)
        return;
    std::shared_ptr<Screen> moved;
    if (d->m_pDraggedItem)
        moved = d->m_pDraggedItem->screenBase().lock();

    QList<Vireo::ProtoModel::s_ScreenGeneralBody> records;
    std::vector<std::shared_ptr<Screen>> screens;
    for (ScreenHeaderItem* item : stripItems()) {
        auto screen = item->screenBase().lock();
        if (!screen)
            continue;
        auto record = screen->screenGeneral();
        record.screenId = screen->screenId();
        record.screenType = screen->screenType();
        record.index = records.size();
        records.append(record);
        screens.push_back(std::move(screen));
    }
    if (records.isEmpty())
        return;
    const auto control = Vireo::ModelControl::Device::screenModelControl(ScreenEnum::RegularScreen, device);
    if (!control || !control->updateGeneral(records)) {
        qWarning("Modify screen index has failed!");
        return;
    }
    for (size_t i = 0; i < screens.size(); ++i)
        screens[i]->setUiScreenIndex(int(i));
    // The device may drop the moved screen while it takes the order: then no move is reported.
    if (moved && device->findScreen(moved->screenType(), moved->screenId()).lock() != moved) {
        qWarning("The moved screen is gone; its move is not reported.");
        moved.reset();
    }
    if (moved || !d->m_pDraggedItem)
        control->screenMoved(records, moved);
    emit signalScreenItemIndexChanged();
}

} // namespace Vireo::Widgets

#include "screenheaderlistwidget.moc"
