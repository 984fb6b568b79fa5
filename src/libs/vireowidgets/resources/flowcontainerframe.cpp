#include "flowcontainerframe.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QVariant>

namespace Vireo::Widgets {

namespace {

constexpr int BottomNaviHeight = 36;
constexpr int NaviButtonSize = 30;

} // namespace

FlowContainerFrame::FlowContainerFrame(int hSpace, int vSpace, int margin, QWidget* parent, Qt::WindowFlags f)
    : FlowContainerFrame(hSpace, vSpace, margin, false, parent, f)
{ }

FlowContainerFrame::FlowContainerFrame(
    int hSpace, int vSpace, int margin, bool isScene, QWidget* parent, Qt::WindowFlags f)
    : QFrame(parent, f)
    , m_flowLayoutHSpace(hSpace)
    , m_flowLayoutVSpace(vSpace)
    , m_flowLayoutMargin(margin)
    , m_isScene(isScene)
    , m_parent(parent)
{
    setObjectName(QStringLiteral("FlowContainerFrame"));
    // itemToggled carries the button: hosts may queue or spy on it.
    qRegisterMetaType<QToolButton*>();
    createWidgets();
    createConnections();
    retranslateUi();
}

FlowContainerFrame::~FlowContainerFrame() = default;

void FlowContainerFrame::createWidgets()
{
    auto makeNaviButton = [this](NaviWidgetType type, const char* edgeProperty) {
        auto* button = new QToolButton(this);
        button->setProperty("NaviButton", true);
        button->setProperty("NaviWidgetType", int(type));
        button->setProperty(edgeProperty, true);
        button->setFixedSize(NaviButtonSize, NaviButtonSize);
        button->setArrowType(type == Prev ? Qt::UpArrow : Qt::DownArrow);
        button->setEnabled(false);
        return button;
    };
    m_pPrevButton = makeNaviButton(Prev, "NaviButtonTop");
    m_pPrevButton->setObjectName(QStringLiteral("FlowContainerPrevButton"));
    m_pNextButton = makeNaviButton(Next, "NaviButtonBottom");
    m_pNextButton->setObjectName(QStringLiteral("FlowContainerNextButton"));

    m_pPageLabel = new QLabel(this);
    m_pPageLabel->setObjectName(QStringLiteral("FlowContainerPageLabel"));
    m_pPageLabel->setAlignment(Qt::AlignCenter);

    m_pTopNaviDetails = new QFrame(this);
    m_pTopNaviDetails->setObjectName(QStringLiteral("FlowContainerTopNaviDetails"));
    m_pTopNaviDetails->hide();

    m_pContentScrollArea = new QScrollArea(this);
    m_pContentScrollArea->setProperty("NaviWidgetType", int(Content));
    m_pContentScrollArea->setFrameShape(QFrame::NoFrame);
    m_pContentScrollArea->setWidgetResizable(true);
    m_pContentScrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pContentScrollArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    m_pContentFrame = new QFrame;
    m_pContentFrame->setObjectName(QStringLiteral("FlowContainerContentFrame"));
    if (m_isScene)
        m_pContentLayout =
            new FlowLayoutScene(m_pContentFrame, m_flowLayoutMargin, m_flowLayoutHSpace, m_flowLayoutVSpace);
    else
        m_pContentLayout =
            new ZK::Utils::FlowLayout(m_pContentFrame, m_flowLayoutMargin, m_flowLayoutHSpace, m_flowLayoutVSpace);
    m_pContentScrollArea->setWidget(m_pContentFrame);

    m_pContentButtonGroup = new QButtonGroup(this);

    m_pTipsContentFrame = new QFrame(this);
    m_pTipsContentFrame->setObjectName(QStringLiteral("FlowContainerTipsFrame"));
    auto* tipsLayout = new QVBoxLayout(m_pTipsContentFrame);
    m_pTipsIcon = new QLabel(m_pTipsContentFrame);
    m_pTipsIcon->setObjectName(QStringLiteral("FlowContainerTipsIcon"));
    m_pTipsIcon->setAlignment(Qt::AlignCenter);
    m_pTipsLabel = new QLabel(m_pTipsContentFrame);
    m_pTipsLabel->setObjectName(QStringLiteral("FlowContainerTipsLabel"));
    m_pTipsLabel->setAlignment(Qt::AlignCenter);
    m_pTipsLabel->setWordWrap(true);
    tipsLayout->addStretch();
    tipsLayout->addWidget(m_pTipsIcon);
    tipsLayout->addWidget(m_pTipsLabel);
    tipsLayout->addStretch();

    m_pBottomNaviFrame = new QFrame(this);
    m_pBottomNaviFrame->setObjectName(QStringLiteral("FlowContainerBottomNaviFrame"));
    m_pBottomNaviFrame->setFixedHeight(BottomNaviHeight);
    m_pBottomNaviFrameLayout = new QHBoxLayout(m_pBottomNaviFrame);
    m_pBottomNaviFrameLayout->setContentsMargins(6, 3, 6, 3);
    m_pBottomNaviFrameLayout->setSpacing(10);
    m_pBottomNaviFrameLayout->addStretch();
    m_pBottomNaviFrameLayout->addWidget(m_pPrevButton);
    m_pBottomNaviFrameLayout->addWidget(m_pPageLabel);
    m_pBottomNaviFrameLayout->addWidget(m_pNextButton);
    m_pBottomNaviFrameLayout->addStretch();

    m_pMainLayout = new QVBoxLayout(this);
    m_pMainLayout->setContentsMargins(0, 0, 0, 0);
    m_pMainLayout->setSpacing(0);
    m_pMainLayout->addWidget(m_pTopNaviDetails);
    m_pMainLayout->addWidget(m_pTipsContentFrame, 1);
    m_pMainLayout->addWidget(m_pContentScrollArea, 1);
    m_pMainLayout->addWidget(m_pBottomNaviFrame);
    updateTipsVisible();
}

void FlowContainerFrame::createConnections()
{
    connect(m_pPrevButton, &QToolButton::clicked, this, [this]() { slotPrevButtonClicked(); });
    connect(m_pNextButton, &QToolButton::clicked, this, [this]() { slotNextButtonClicked(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
        [this](int value) { slotContentScrollBarValueChanged(value); });
    // A new range (buttons added, a resize) changes what the navigation can reach as well.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this,
        [this]() { slotContentScrollBarValueChanged(verticalScrollBar()->value()); });
    connect(m_pContentButtonGroup, QOverload<QAbstractButton*, bool>::of(&QButtonGroup::buttonToggled), this,
        [this](QAbstractButton* button, bool b) { slotButtonToggled(button, b); });
    connect(m_pContentButtonGroup, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
        [this](QAbstractButton* button) { slotButtonClicked(button); });
}

QScrollBar* FlowContainerFrame::verticalScrollBar() const
{
    return m_pContentScrollArea->verticalScrollBar();
}

void FlowContainerFrame::retranslateUi()
{
    setPageLabel(m_pageNum, m_alwaysPage);
}

// ---- Content buttons ----------------------------------------------------------------------------

void FlowContainerFrame::addContentButton(QToolButton* button, bool resize)
{
    if (!button)
        return;
    m_listContentButtonCache.removeAll(button);
    if (m_pContentButtonGroup->buttons().contains(button))
        takeOutOfGrid(button);
    button->setProperty("NaviSliderContentButton", true);
    m_pContentLayout->addWidget(button);
    m_pContentButtonGroup->addButton(button, m_pContentButtonGroup->buttons().size());
    button->show();
    if (resize)
        contentFrameResize();
    updateTipsVisible();
}

void FlowContainerFrame::takeOutOfGrid(QToolButton* button)
{
    m_pContentLayout->removeWidget(button);
    m_pContentButtonGroup->removeButton(button);
}

void FlowContainerFrame::renumberGroup()
{
    const QList<QAbstractButton*> buttons = getContentButtons();
    for (int i = 0; i < buttons.size(); ++i)
        m_pContentButtonGroup->setId(buttons.at(i), i);
}

void FlowContainerFrame::removeContentButton(QToolButton* button)
{
    if (!button)
        return;
    const bool cached = m_listContentButtonCache.removeAll(button) > 0;
    if (!cached && !m_pContentButtonGroup->buttons().contains(button))
        return;
    takeOutOfGrid(button);
    button->hide();
    button->deleteLater();
    renumberGroup();
    contentFrameResize();
    updateTipsVisible();
}

void FlowContainerFrame::clearContentButton()
{
    const QList<QAbstractButton*> buttons = getContentButtons();
    for (QAbstractButton* button : buttons) {
        takeOutOfGrid(static_cast<QToolButton*>(button));
        button->hide();
        button->deleteLater();
    }
    for (QToolButton* button : qAsConst(m_listContentButtonCache))
        button->deleteLater();
    m_listContentButtonCache.clear();
    contentFrameResize();
    updateTipsVisible();
}

int FlowContainerFrame::contentButtonCount() const
{
    return m_pContentButtonGroup->buttons().size();
}

QList<QAbstractButton*> FlowContainerFrame::getContentButtons() const
{
    // Grid order: the layout's order, which is the order the buttons were added in.
    QList<QAbstractButton*> buttons;
    for (int i = 0; i < m_pContentLayout->count(); ++i) {
        auto* button = qobject_cast<QAbstractButton*>(m_pContentLayout->itemAt(i)->widget());
        if (button && m_pContentButtonGroup->buttons().contains(button))
            buttons.append(button);
    }
    return buttons;
}

QList<QAbstractButton*> FlowContainerFrame::getCheckedButtons() const
{
    QList<QAbstractButton*> checked;
    for (QAbstractButton* button : getContentButtons()) {
        if (button->isChecked())
            checked.append(button);
    }
    return checked;
}

void FlowContainerFrame::setActivatedContentButton(QToolButton* button)
{
    if (button && m_pContentButtonGroup->buttons().contains(button))
        button->setChecked(true);
}

void FlowContainerFrame::setActivatedContentButton(int index)
{
    const QList<QAbstractButton*> buttons = getContentButtons();
    if (index >= 0 && index < buttons.size())
        setActivatedContentButton(static_cast<QToolButton*>(buttons.at(index)));
}

void FlowContainerFrame::contentButtonsHide()
{
    const QList<QAbstractButton*> buttons = getContentButtons();
    for (QAbstractButton* button : buttons)
        contentButtonsHide(static_cast<QToolButton*>(button));
}

void FlowContainerFrame::contentButtonsHide(QToolButton* button)
{
    if (!button || !m_pContentButtonGroup->buttons().contains(button))
        return;
    // Out of the group first: unchecked there, the button would report a toggle through the group.
    takeOutOfGrid(button);
    {
        const QSignalBlocker blocker(button);
        button->setChecked(false);
    }
    button->hide();
    m_listContentButtonCache.append(button);
    resetHideContentButton(button);
    renumberGroup();
    contentFrameResize();
    updateTipsVisible();
}

QToolButton* FlowContainerFrame::getFirstHideContentButton()
{
    return m_listContentButtonCache.isEmpty() ? nullptr : m_listContentButtonCache.takeFirst();
}

void FlowContainerFrame::resetHideContentButton(QToolButton* button)
{
    Q_UNUSED(button)
}

// ---- Looks and set-up ------------------------------------------------------------------------------

void FlowContainerFrame::setInvalidTips(QString const& tips)
{
    m_pTipsLabel->setText(tips);
}

void FlowContainerFrame::setInvalidIcon(QPixmap icon)
{
    m_pTipsIcon->setPixmap(icon);
}

void FlowContainerFrame::setTipsContentFrameVisible(bool visible)
{
    m_bTipsForced = true;
    m_bTipsForcedVisible = visible;
    updateTipsVisible();
}

void FlowContainerFrame::updateTipsVisible()
{
    const bool empty = contentButtonCount() == 0;
    m_pTipsContentFrame->setVisible(m_bTipsForced ? m_bTipsForcedVisible && empty : empty);
}

void FlowContainerFrame::setMainLayoutContentsMargins(int left, int top, int right, int bottom)
{
    m_pMainLayout->setContentsMargins(left, top, right, bottom);
}

void FlowContainerFrame::setMainLayoutSpacing(int spacing)
{
    m_pMainLayout->setSpacing(spacing);
}

void FlowContainerFrame::setContentLayoutContentsMargins(int left, int top, int right, int bottom)
{
    m_pContentLayout->setContentsMargins(left, top, right, bottom);
}

void FlowContainerFrame::setContentLayoutSpacing(int hSpace, int vSpace)
{
    m_flowLayoutHSpace = hSpace;
    m_flowLayoutVSpace = vSpace;
    m_pContentLayout->setHorizontalSpacing(hSpace);
    m_pContentLayout->setVerticalSpacing(vSpace);
}

void FlowContainerFrame::setContentMargin(QMargins margins)
{
    m_pContentLayout->setContentsMargins(margins);
}

void FlowContainerFrame::setScrollBarPolicy(Qt::ScrollBarPolicy horizontal, Qt::ScrollBarPolicy vertical)
{
    m_pContentScrollArea->setHorizontalScrollBarPolicy(horizontal);
    m_pContentScrollArea->setVerticalScrollBarPolicy(vertical);
}

int FlowContainerFrame::contentFrameHeight() const
{
    return m_pContentScrollArea->viewport()->height();
}

int FlowContainerFrame::contentFrameWidth() const
{
    return m_pContentScrollArea->viewport()->width();
}

void FlowContainerFrame::contentFrameResize()
{
    // The grid is as wide as the viewport and as tall as its rows need, at least the viewport.
    const int width = contentFrameWidth();
    const int height = qMax(contentFrameHeight(), m_pContentLayout->heightForWidth(width));
    m_pContentFrame->resize(width, height);
    slotContentScrollBarValueChanged(verticalScrollBar()->value());
}

void FlowContainerFrame::updateNaviButtons()
{
    QScrollBar* bar = verticalScrollBar();
    m_pNextButton->setEnabled(bar->value() != bar->maximum());
    m_pPrevButton->setEnabled(bar->value() != 0);
}

void FlowContainerFrame::slotContentScrollBarValueChanged(int value)
{
    Q_UNUSED(value)
    updateNaviButtons();
}

void FlowContainerFrame::slotButtonToggled(QAbstractButton* button, bool b)
{
    emit itemToggled(qobject_cast<QToolButton*>(button), b);
}

void FlowContainerFrame::slotButtonClicked(QAbstractButton* button)
{
    Q_UNUSED(button)
}

// ---- Paging ---------------------------------------------------------------------------------------

void FlowContainerFrame::setPageLabel(int const& page, int const& count)
{
    m_pPageLabel->setText(tr("%1/%2 page").arg(page).arg(count));
}

void FlowContainerFrame::setPageIndex(int page)
{
    m_pageNum = page;
    initcurrentPage();
}

int FlowContainerFrame::calPCcurrentPage()
{
    const int w = width();
    const int h = height();
    const int rows = h > 0 ? h / PresetItemHeight : 0;
    const int columns = w / PresetItemWidth;
    const int perPage = rows * columns;
    if (perPage != 0) {
        m_alwaysPage = (PresetItemCount + perPage - 1) / perPage;
        if (m_pageNum > m_alwaysPage)
            m_pageNum = m_alwaysPage;
    }
    return rows;
}

void FlowContainerFrame::initcurrentPage()
{
    const int rows = calPCcurrentPage();
    setPageLabel(m_pageNum, m_alwaysPage);
    verticalScrollBar()->setValue(rows * PresetItemHeight * (m_pageNum - 1));
}

void FlowContainerFrame::setPresetPCPagePos(bool forward)
{
    const int rows = calPCcurrentPage();
    const int step = rows * PresetItemHeight;
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + (forward ? step : -step));
    setPageLabel(m_pageNum, m_alwaysPage);
}

void FlowContainerFrame::setPresetConsolePagePos(bool forward)
{
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + (forward ? ConsolePageStep : -ConsolePageStep));
    setPageLabel(m_pageNum, m_alwaysPage);
}

void FlowContainerFrame::slotPrevButtonClicked()
{
    if (contentButtonCount() <= 1)
        return;
    QScrollBar* bar = verticalScrollBar();
    if (bar->value() >= 1 && m_pageNum != 0) {
        m_pageNum = qMax(0, m_pageNum - 1);
        setPresetConsolePagePos(false);
    } else if (bar->value() == 0) {
        bar->setValue(0);
    }
}

void FlowContainerFrame::slotNextButtonClicked()
{
    if (contentButtonCount() <= 1)
        return;
    QScrollBar* bar = verticalScrollBar();
    if (bar->value() == bar->maximum()) {
        bar->setValue(bar->maximum());
        return;
    }
    ++m_pageNum;
    setPresetConsolePagePos(true);
}

void FlowContainerFrame::setPageVerticalScrollBar(int page)
{
    if (verticalScrollBar()->maximum() != 0)
        m_isSceneUpDate = false;
    if (page == 0)
        return;
    if (page > m_pageNum)
        slotNextButtonClicked();
    else
        slotPrevButtonClicked();
}

void FlowContainerFrame::slotPageModifySelectedItems(int page)
{
    if (auto* scene = dynamic_cast<FlowLayoutScene*>(m_pContentLayout))
        scene->setConsolePage(page);
    // Until the grid has been laid out there is nothing to scroll; the next paint retries.
    m_isSceneUpDate = true;
    setPageVerticalScrollBar(page);
}

// ---- Events ---------------------------------------------------------------------------------------

void FlowContainerFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    updateNaviButtons();
    if (m_isSceneUpDate)
        setPageVerticalScrollBar(m_pageNum);
}

void FlowContainerFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}

void FlowContainerFrame::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    contentFrameResize();
}

// ---- InterfaceFlowContainerFrame ---------------------------------------------------------------------

void InterfaceFlowContainerFrame::retranslateUi()
{
    FlowContainerFrame::retranslateUi();
}

void InterfaceFlowContainerFrame::slotButtonToggled(QAbstractButton* button, bool b)
{
    FlowContainerFrame::slotButtonToggled(button, b);
}

} // namespace Vireo::Widgets
