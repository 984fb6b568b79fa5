#include "navisliderframe.h"

#include "constants.h"
#include "frameline.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStyle>

#include <algorithm>
#include <functional>

namespace Vireo::Widgets {

namespace {

// A child added to a visible layout is shown later by a queued call, so "not explicitly hidden"
// is what counts as shown here.
bool isShownButton(const QWidget* widget)
{
    return !widget->testAttribute(Qt::WA_WState_ExplicitShowHide) || !widget->isHidden();
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Scopes

NaviSliderFrame::RebuildScope::RebuildScope(NaviSliderFrame* frame, Initing initing)
    : m_pFrame(frame)
    , m_groupBlocker(frame->m_pContentButtonGroup)
    , m_nOuterPlaced(frame->m_nRebuildPlaced)
    , m_bLayoutWasEnabled(frame->m_pContentLayout && frame->m_pContentLayout->isEnabled())
{
    if (initing == Initing::Mark)
        m_locker.emplace(frame->m_bItemIniting);
    ++m_pFrame->m_nDeferResize;
    m_pFrame->m_nRebuildPlaced = 0;
    // Showing a button in a visible strip lays the whole strip out at once; during a rebuild that
    // would happen once per button. The strip is laid out once, when the scope ends.
    if (m_bLayoutWasEnabled)
        m_pFrame->m_pContentLayout->setEnabled(false);
}

NaviSliderFrame::RebuildScope::~RebuildScope()
{
    m_pFrame->normaliseGroupOrder();
    m_pFrame->m_nRebuildPlaced = m_nOuterPlaced;
    if (m_bLayoutWasEnabled) {
        m_pFrame->m_pContentLayout->setEnabled(true);
        m_pFrame->m_pContentLayout->activate();
    }
    if (--m_pFrame->m_nDeferResize == 0 && m_pFrame->m_bResizePending)
        m_pFrame->contentFrameResize();
    if (m_pFrame->m_pContentButtonGroup)
        m_pFrame->updateTipsVisible();
    if (m_nOuterPlaced < 0 && m_pFrame->m_bContentUpdatesSuspended) {
        m_pFrame->m_bContentUpdatesSuspended = false;
        // Everything that sizes the buttons is done by now; the buttons shown in this rebuild lay
        // their children out too, while nothing paints. A widget resized later (a label fitting its
        // text to a new width) would ask for a repaint of its own, wherever it is, and Qt compares
        // every widget that asks with all its siblings: time in N squared for N new buttons.
        if (m_bLayoutWasEnabled) {
            for (QAbstractButton* button : m_pFrame->m_pContentButtonGroup->buttons()) {
                if (QLayout* layout = button->layout())
                    layout->activate();
            }
        }
        // Qt also posts every widget it shows a request to repaint itself; answered now, while the
        // strip does not paint, they cost nothing (one pass over the posted events).
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
        m_pFrame->resumeContentUpdates();
    }
}

// ---------------------------------------------------------------------------------------------
// Construction

NaviSliderFrame::NaviSliderFrame(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("NaviSliderFrame"));
}

NaviSliderFrame::~NaviSliderFrame() = default;

void NaviSliderFrame::setOrientation(Qt::Orientation orientation)
{
    if (m_pMainLayout) {
        qWarning() << "NaviSliderFrame::setOrientation: the frame is already built";
        return;
    }
    m_Orientation = orientation;
    createWidgets();
    createConnects();
}

void NaviSliderFrame::createWidgets()
{
    const bool horizontal = m_Orientation == Qt::Horizontal;

    auto makeNaviButton = [this](NaviWidgetType type) {
        auto* button = new QToolButton(this);
        button->setProperty("NaviButton", true);
        button->setProperty("NaviWidgetType", int(type));
        return button;
    };
    m_pAddButton = makeNaviButton(Add);
    m_pAddButton->setProperty("NaviButtonAdd", true);
    m_pPrevButton = makeNaviButton(Prev);
    m_pPrevButton->setProperty(horizontal ? "NaviButtonLeft" : "NaviButtonTop", true);
    m_pNextButton = makeNaviButton(Next);
    m_pNextButton->setProperty(horizontal ? "NaviButtonRight" : "NaviButtonBottom", true);
    m_pClearButton = makeNaviButton(Clear);
    m_pClearButton->setProperty("NaviButtonClear", true);

    m_pContentButtonGroup = new QButtonGroup(this);

    m_pContentScrollAreaHolder = new QFrame(this);
    auto* holderLayout = new QHBoxLayout(m_pContentScrollAreaHolder);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    holderLayout->setSpacing(0);

    auto makeLine = [](QFrame* line, const char* objectName) {
        line->setObjectName(QLatin1String(objectName));
        line->setProperty(CUSTOM_PROPERTY_LEVEL1_SEPARATOR, true);
        // A line that came and went with the arrows would resize the viewport, change the scroll
        // range and so the arrows again; it keeps its room while hidden.
        QSizePolicy policy = line->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        line->setSizePolicy(policy);
        line->hide();
        return line;
    };

    m_pContentLeftLineLayout = new QVBoxLayout;
    m_pContentLeftLineLayout->addStretch();
    m_pContentLeftLine =
        makeLine(FrameLine::createVerticalLine(m_pContentLeftLineLayout, m_pContentScrollAreaHolder, 1, 0),
            "NaviSliderLeftLine");
    m_pContentLeftLineLayout->addStretch();

    auto* centreColumn = new QVBoxLayout;
    centreColumn->setContentsMargins(0, 0, 0, 0);
    centreColumn->setSpacing(0);
    m_pContentTopLineLayout = new QHBoxLayout;
    m_pContentTopLine =
        makeLine(FrameLine::createHorizontalLine(m_pContentTopLineLayout, m_pContentScrollAreaHolder, 1, 0),
            "NaviSliderTopLine");
    centreColumn->addLayout(m_pContentTopLineLayout);

    m_pContentScrollArea = new QScrollArea(m_pContentScrollAreaHolder);
    m_pContentScrollArea->setProperty("NaviWidgetType", int(Content));
    m_pContentScrollArea->setFrameShape(QFrame::NoFrame);
    m_pContentScrollArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_pContentScrollArea->horizontalScrollBar()->installEventFilter(this);
    m_pContentScrollArea->verticalScrollBar()->installEventFilter(this);
    centreColumn->addWidget(m_pContentScrollArea);

    m_pContentBottomLineLayout = new QHBoxLayout;
    m_pContentBottomLine =
        makeLine(FrameLine::createHorizontalLine(m_pContentBottomLineLayout, m_pContentScrollAreaHolder, 1, 0),
            "NaviSliderBottomLine");
    centreColumn->addLayout(m_pContentBottomLineLayout);

    m_pContentRightLineLayout = new QVBoxLayout;
    m_pContentRightLineLayout->addStretch();
    m_pContentRightLine =
        makeLine(FrameLine::createVerticalLine(m_pContentRightLineLayout, m_pContentScrollAreaHolder, 1, 0),
            "NaviSliderRightLine");
    m_pContentRightLineLayout->addStretch();

    holderLayout->addLayout(m_pContentLeftLineLayout);
    holderLayout->addLayout(centreColumn);
    holderLayout->addLayout(m_pContentRightLineLayout);

    m_pContentFrame = new QFrame;
    m_pContentFrame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_pContentScrollArea->setWidget(m_pContentFrame);

    m_pTipsContentFrame = new QFrame(m_pContentFrame);
    m_pTipsContentFrame->setObjectName(QStringLiteral("NaviSliderTipsFrame"));
    m_pTipsContentFrame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* tipsLayout = new QVBoxLayout(m_pTipsContentFrame);
    m_pTipsIcon = new QLabel(m_pTipsContentFrame);
    m_pTipsIcon->setObjectName(QStringLiteral("NaviSliderTipsIcon"));
    m_pTipsIcon->setAlignment(Qt::AlignCenter);
    m_pTipsLabel = new QLabel(m_pTipsContentFrame);
    m_pTipsLabel->setObjectName(QStringLiteral("NaviSliderTipsLabel"));
    m_pTipsLabel->setWordWrap(true);
    m_pTipsLabel->setAlignment(Qt::AlignCenter);
    tipsLayout->addStretch();
    tipsLayout->addWidget(m_pTipsIcon);
    tipsLayout->addWidget(m_pTipsLabel);
    tipsLayout->addStretch();

    if (horizontal) {
        m_pContentLayout = new QHBoxLayout(m_pContentFrame);
        m_pContentLayout->setContentsMargins(10, 20, 10, 0);
        m_pMainLayout = new QHBoxLayout(this);
    } else {
        m_pContentLayout = new QVBoxLayout(m_pContentFrame);
        m_pContentLayout->setContentsMargins(20, 10, 0, 0);
        m_pMainLayout = new QVBoxLayout(this);
    }
    m_pContentLayout->setSpacing(10);
    m_pContentLayout->addWidget(m_pTipsContentFrame, 1);

    setMainLayout();
    slotContentScrollBarValueChanged(alongScrollBar()->value());
}

void NaviSliderFrame::createConnects()
{
    connect(m_pPrevButton, &QToolButton::clicked, this, &NaviSliderFrame::slotPrevButtonClicked);
    connect(m_pNextButton, &QToolButton::clicked, this, &NaviSliderFrame::slotNextButtonClicked);
    connect(m_pAddButton, &QToolButton::clicked, this, &NaviSliderFrame::itemAddButtonClicked);
    connect(m_pContentButtonGroup, QOverload<QAbstractButton*, bool>::of(&QButtonGroup::buttonToggled), this,
        &NaviSliderFrame::slot_buttonToggled);
    QScrollBar* bar = alongScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, &NaviSliderFrame::slotContentScrollBarValueChanged);
    // The range changes with the viewport too, not only through contentFrameResize.
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar] { slotContentScrollBarValueChanged(bar->value()); });
}

void NaviSliderFrame::setMainLayout()
{
    m_pMainLayout->addWidget(m_pAddButton, 0, m_NaviButtonAlignment);
    m_pMainLayout->addWidget(m_pPrevButton, 0, m_NaviButtonAlignment);
    m_pMainLayout->addWidget(m_pContentScrollAreaHolder);
    m_pMainLayout->addWidget(m_pNextButton, 0, m_NaviButtonAlignment);
    m_pMainLayout->addWidget(m_pClearButton, 0, m_NaviButtonAlignment);
}

// ---------------------------------------------------------------------------------------------
// Set-up

void NaviSliderFrame::setMainLayoutContentsMargins(int left, int top, int right, int bottom)
{
    if (m_pMainLayout)
        m_pMainLayout->setContentsMargins(left, top, right, bottom);
}

void NaviSliderFrame::setMainLayoutSpacing(int spacing)
{
    if (m_pMainLayout)
        m_pMainLayout->setSpacing(spacing);
}

void NaviSliderFrame::setContentLayoutContentsMargins(int left, int top, int right, int bottom)
{
    if (m_pContentLayout)
        m_pContentLayout->setContentsMargins(left, top, right, bottom);
}

void NaviSliderFrame::setContentLayoutSpacing(int spacing)
{
    if (m_pContentLayout)
        m_pContentLayout->setSpacing(spacing);
}

void NaviSliderFrame::setScrollBarPolicy(Qt::ScrollBarPolicy policy)
{
    if (!m_pContentScrollArea)
        return;
    if (m_Orientation == Qt::Horizontal)
        m_pContentScrollArea->setHorizontalScrollBarPolicy(policy);
    else
        m_pContentScrollArea->setVerticalScrollBarPolicy(policy);
}

void NaviSliderFrame::setNaviButtonAlignment(Qt::Alignment alignment)
{
    m_NaviButtonAlignment = alignment;
    if (!m_pMainLayout)
        return;
    for (QToolButton* button : {m_pAddButton, m_pPrevButton, m_pNextButton, m_pClearButton})
        m_pMainLayout->setAlignment(button, alignment);
}

void NaviSliderFrame::setNaviButtonFixedSize(const QSize& size)
{
    if (!m_pMainLayout)
        return;
    for (QToolButton* button : {m_pAddButton, m_pPrevButton, m_pNextButton, m_pClearButton})
        button->setFixedSize(size);
}

void NaviSliderFrame::setNaviButtonVisible(NaviWidgetType type, bool visible)
{
    if (!m_pMainLayout)
        return;
    switch (type) {
    case Add:
        m_pAddButton->setVisible(visible);
        break;
    case Prev:
        m_pPrevButton->setVisible(visible);
        break;
    case Next:
        m_pNextButton->setVisible(visible);
        break;
    case Clear:
        m_pClearButton->setVisible(visible);
        break;
    case NaviWidgetTypeCnt:
        for (QToolButton* button : {m_pAddButton, m_pPrevButton, m_pNextButton, m_pClearButton})
            button->setVisible(visible);
        break;
    case Content:
        break;
    }
}

void NaviSliderFrame::setAllowDragEdge(quint32 edges)
{
    m_allowEdges = edges;
}

void NaviSliderFrame::setCustomDarg(bool customDrag)
{
    m_bIsCustomDrag = customDrag;
}

void NaviSliderFrame::setContentFrameProperty(const char* name, const QVariant& value)
{
    if (!m_pContentFrame || !name)
        return;
    m_pContentFrame->setProperty(name, value);
    m_pContentScrollArea->setProperty(name, value);
}

void NaviSliderFrame::setTips(const QString& tips)
{
    if (m_pTipsLabel)
        m_pTipsLabel->setText(tips);
}

void NaviSliderFrame::setIcon(const QPixmap& icon)
{
    if (m_pTipsIcon)
        m_pTipsIcon->setPixmap(icon);
}

QToolButton* NaviSliderFrame::insertNaviButton(QWidget* before)
{
    if (!m_pMainLayout || !before)
        return nullptr;
    const int index = m_pMainLayout->indexOf(before);
    if (index < 0)
        return nullptr;
    auto* button = new QToolButton(this);
    m_pMainLayout->insertWidget(index, button, 0, m_NaviButtonAlignment);
    return button;
}

QToolButton* NaviSliderFrame::insertNaviButton(NaviWidgetType type)
{
    if (type == NaviWidgetTypeCnt)
        return appendNaviButton();
    if (type == Content)
        return insertNaviButton(m_pContentScrollAreaHolder);
    return insertNaviButton(getPredefinedNaviButton(type));
}

QToolButton* NaviSliderFrame::appendNaviButton()
{
    if (!m_pMainLayout)
        return nullptr;
    auto* button = new QToolButton(this);
    m_pMainLayout->addWidget(button, 0, m_NaviButtonAlignment);
    return button;
}

QToolButton* NaviSliderFrame::getPredefinedNaviButton(NaviWidgetType type) const
{
    if (!m_pMainLayout)
        return nullptr;
    for (int i = 0; i < m_pMainLayout->count(); ++i) {
        QWidget* widget = m_pMainLayout->itemAt(i)->widget();
        if (!widget)
            continue;
        const QVariant property = widget->property("NaviWidgetType");
        if (property.isValid() && property.toInt() == int(type))
            return qobject_cast<QToolButton*>(widget);
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Strip bookkeeping

QScrollBar* NaviSliderFrame::alongScrollBar() const
{
    return m_Orientation == Qt::Horizontal ? m_pContentScrollArea->horizontalScrollBar()
                                           : m_pContentScrollArea->verticalScrollBar();
}

QList<QToolButton*> NaviSliderFrame::stripButtons() const
{
    QList<QToolButton*> buttons;
    if (!m_pContentLayout)
        return buttons;
    const int count = m_pContentLayout->count();
    buttons.reserve(count);
    for (int i = 0; i < count; ++i) {
        auto* button = qobject_cast<QToolButton*>(m_pContentLayout->itemAt(i)->widget());
        if (button && isShownButton(button))
            buttons.append(button);
    }
    return buttons;
}

QToolButton* NaviSliderFrame::lastStripButton() const
{
    for (int i = m_pContentLayout->count() - 1; i >= 0; --i) {
        auto* button = qobject_cast<QToolButton*>(m_pContentLayout->itemAt(i)->widget());
        if (button && isShownButton(button))
            return button;
    }
    return nullptr;
}

int NaviSliderFrame::contentLayoutIndexOf(QWidget* button, int hint) const
{
    if (!m_pContentLayout || !button)
        return -1;
    const int last = m_pContentLayout->count() - 1;
    if (last >= 0 && m_pContentLayout->itemAt(last)->widget() == button)
        return last;
    if (hint >= 0 && hint <= last && m_pContentLayout->itemAt(hint)->widget() == button)
        return hint;
    return m_pContentLayout->indexOf(button);
}

// A button of this strip; before the strip is built (no group yet) nothing is, not even a button
// in no group at all.
bool NaviSliderFrame::isContentButton(const QAbstractButton* button) const
{
    return button && m_pContentButtonGroup && button->group() == m_pContentButtonGroup;
}

int NaviSliderFrame::groupIndexOf(QAbstractButton* button) const
{
    if (!isContentButton(button))
        return -1;
    const QList<QAbstractButton*> buttons = m_pContentButtonGroup->buttons();
    const int id = m_pContentButtonGroup->id(button);
    if (id >= 0 && id < buttons.size() && buttons.at(id) == button)
        return id;
    return buttons.indexOf(button);
}

void NaviSliderFrame::insertIntoLayout(QToolButton* button, int layoutIndex)
{
    const Qt::Alignment alignment = m_Orientation == Qt::Horizontal ? Qt::AlignVCenter : Qt::AlignHCenter;
    // The tip frame stays the first item.
    const int index = qBound(1, layoutIndex, m_pContentLayout->count());
    m_pContentLayout->insertWidget(index, button, 0, alignment);
}

// Sees the presses and releases of a content button, and of the buttons inside it (a capture or an
// edit button takes its press for itself), before they do: a press on any of them is a new press of
// the strip. Installing twice is harmless.
void NaviSliderFrame::watchPresses(QToolButton* button)
{
    button->installEventFilter(this);
    for (QAbstractButton* inner : button->findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly))
        inner->installEventFilter(this);
}

void NaviSliderFrame::appendToGroup(QToolButton* button)
{
    const int count = m_pContentButtonGroup->buttons().size();
    m_pContentButtonGroup->addButton(button, count);
    watchPresses(button);
    if (count != 0)
        return;
    const QSize hint = button->sizeHint();
    if (m_Orientation == Qt::Horizontal) {
        m_pContentLeftLine->setFixedHeight(qMax(0, hint.height()));
        m_pContentRightLine->setFixedHeight(qMax(0, hint.height()));
    } else {
        m_pContentTopLine->setFixedWidth(qMax(0, hint.width()));
        m_pContentBottomLine->setFixedWidth(qMax(0, hint.width()));
    }
}

// Ids stay 0..count-1 in group order, so that a later button never shares its id with another.
void NaviSliderFrame::removeFromGroup(QToolButton* button)
{
    const int index = groupIndexOf(button);
    if (index < 0)
        return;
    m_pContentButtonGroup->removeButton(button);
    if (index < m_nRebuildPlaced)
        --m_nRebuildPlaced;
    const QList<QAbstractButton*> buttons = m_pContentButtonGroup->buttons();
    for (int i = index; i < buttons.size(); ++i) {
        if (m_pContentButtonGroup->id(buttons.at(i)) != i)
            m_pContentButtonGroup->setId(buttons.at(i), i);
    }
}

void NaviSliderFrame::takeOutOfStrip(QToolButton* button)
{
    const int layoutIndex = contentLayoutIndexOf(button, groupIndexOf(button) + 1);
    if (layoutIndex > 0)
        delete m_pContentLayout->takeAt(layoutIndex);
    removeFromGroup(button);
}

void NaviSliderFrame::dropFromCache(QToolButton* button)
{
    if (m_cachedButtons.remove(button))
        m_listContentButtonCache.removeOne(button);
}

void NaviSliderFrame::moveToCache(QToolButton* button)
{
    button->hide();
    button->setChecked(false);
    m_listContentButtonCache.append(button);
    m_cachedButtons.insert(button);
    resetHideContentButton(button);
}

void NaviSliderFrame::recheckAfterRemoval(bool wasChecked, int index)
{
    if (!wasChecked || index < 0 || getCheckedButtons().size() != 1)
        return;
    const QList<QAbstractButton*> buttons = m_pContentButtonGroup->buttons();
    if (buttons.isEmpty())
        return;
    buttons.at(qMin(index, buttons.size() - 1))->setChecked(true);
}

void NaviSliderFrame::normaliseGroupOrder()
{
    if (!m_bGroupOrderDirty || !m_pContentButtonGroup)
        return;
    m_bGroupOrderDirty = false;

    QList<QAbstractButton*> ordered;
    QSet<QAbstractButton*> seen;
    for (int i = 0; i < m_pContentLayout->count(); ++i) {
        auto* button = qobject_cast<QAbstractButton*>(m_pContentLayout->itemAt(i)->widget());
        if (button && button->group() == m_pContentButtonGroup) {
            ordered.append(button);
            seen.insert(button);
        }
    }
    const QList<QAbstractButton*> current = m_pContentButtonGroup->buttons();
    for (QAbstractButton* button : current) {
        if (!seen.contains(button))
            ordered.append(button);
    }
    const QSignalBlocker blocker(m_pContentButtonGroup);
    for (QAbstractButton* button : current)
        m_pContentButtonGroup->removeButton(button);
    for (int i = 0; i < ordered.size(); ++i)
        m_pContentButtonGroup->addButton(ordered.at(i), i);
}

void NaviSliderFrame::uncheckAll()
{
    if (!m_pContentButtonGroup)
        return;
    // An exclusive group refuses to uncheck its checked button.
    const bool exclusive = m_pContentButtonGroup->exclusive();
    m_pContentButtonGroup->setExclusive(false);
    const QList<QAbstractButton*> buttons = m_pContentButtonGroup->buttons();
    for (QAbstractButton* button : buttons) {
        if (button->isChecked())
            button->setChecked(false);
    }
    m_pContentButtonGroup->setExclusive(exclusive);
}

void NaviSliderFrame::updateTipsVisible()
{
    if (m_pTipsContentFrame)
        m_pTipsContentFrame->setVisible(m_pContentButtonGroup->buttons().isEmpty());
}

void NaviSliderFrame::resizeAfterChange(bool resize)
{
    if (!resize)
        return;
    if (m_nDeferResize > 0) {
        m_bResizePending = true;
        return;
    }
    contentFrameResize();
}

// ---------------------------------------------------------------------------------------------
// Content buttons

void NaviSliderFrame::addContentButton(QToolButton* button, bool resize)
{
    if (!button)
        return;
    if (!m_pContentLayout) {
        qWarning() << "NaviSliderFrame::addContentButton: the frame has no strip before setOrientation";
        return;
    }
    if (m_nRebuildPlaced >= 0) {
        placeInRebuild(button);
    } else {
        // Adding a button twice must not leave it twice in the layout or the group.
        if (button->group() == m_pContentButtonGroup)
            takeOutOfStrip(button);
        else
            dropFromCache(button);
        m_pContentLayout->addWidget(button, 0, m_Orientation == Qt::Horizontal ? Qt::AlignVCenter : Qt::AlignHCenter);
        appendToGroup(button);
    }
    resizeAfterChange(resize);
    // Inside a rebuild the tip follows once, when the rebuild ends.
    if (m_nRebuildPlaced < 0)
        updateTipsVisible();
}

void NaviSliderFrame::insertContentButton(QToolButton* button, QToolButton* before, bool resize)
{
    if (!button)
        return;
    if (!m_pContentLayout) {
        qWarning() << "NaviSliderFrame::insertContentButton: the frame has no strip before setOrientation";
        return;
    }
    button->setProperty("NaviSliderContentButton", true);
    int layoutIndex = -1;
    if (button->group() == m_pContentButtonGroup) {
        const int ownIndex = contentLayoutIndexOf(button, groupIndexOf(button) + 1);
        takeOutOfStrip(button);
        if (before == button)
            layoutIndex = ownIndex;
    } else {
        dropFromCache(button);
    }
    if (before && before != button)
        layoutIndex = contentLayoutIndexOf(before);
    if (layoutIndex < 1)
        layoutIndex = m_pContentLayout->count();
    insertIntoLayout(button, layoutIndex);
    appendToGroup(button);
    button->show();
    resizeAfterChange(resize);
    updateTipsVisible();
}

void NaviSliderFrame::insertIndexButton(QToolButton* button, int index, bool resize)
{
    if (!button)
        return;
    if (!m_pContentLayout) {
        qWarning() << "NaviSliderFrame::insertIndexButton: the frame has no strip before setOrientation";
        return;
    }
    button->setProperty("NaviSliderContentButton", true);
    QWidget* before = nullptr;
    if (index >= 1 && index < m_pContentLayout->count())
        before = m_pContentLayout->itemAt(index)->widget();
    else if (index == 0 && m_pContentLayout->count() > 1)
        before = m_pContentLayout->itemAt(1)->widget(); // never before the tip frame
    if (before == button) {
        // Already at that index: refresh it in place.
        button->show();
        resizeAfterChange(resize);
        updateTipsVisible();
        return;
    }
    if (button->group() == m_pContentButtonGroup)
        takeOutOfStrip(button);
    else
        dropFromCache(button);
    const int layoutIndex = before ? m_pContentLayout->indexOf(before) : m_pContentLayout->count();
    insertIntoLayout(button, layoutIndex < 1 ? m_pContentLayout->count() : layoutIndex);
    appendToGroup(button);
    button->show();
    resizeAfterChange(resize);
    updateTipsVisible();
}

void NaviSliderFrame::moveContentButton(QToolButton* button, QToolButton* before)
{
    if (button == before) {
        qDebug() << "moveContentButton is not changed. ";
        return;
    }
    if (!isContentButton(button))
        return;
    const int from = contentLayoutIndexOf(button, groupIndexOf(button) + 1);
    if (from < 1)
        return;
    delete m_pContentLayout->takeAt(from);
    int to = before ? contentLayoutIndexOf(before) : -1;
    if (to < 1)
        to = m_pContentLayout->count();
    insertIntoLayout(button, to);
}

void NaviSliderFrame::removeItem(QToolButton* button)
{
    if (!isContentButton(button))
        return;
    const bool wasChecked = button->isChecked();
    const int index = groupIndexOf(button);
    takeOutOfStrip(button);
    button->hide();
    // Deferred: removeItem is typically called from a signal of the button itself.
    button->deleteLater();
    recheckAfterRemoval(wasChecked, index);
    resizeAfterChange(true);
    updateTipsVisible();
}

void NaviSliderFrame::clear()
{
    if (!m_pContentButtonGroup)
        return;
    const QList<QAbstractButton*> buttons = m_pContentButtonGroup->buttons();
    for (int i = m_pContentLayout->count() - 1; i >= 1; --i) {
        auto* button = qobject_cast<QAbstractButton*>(m_pContentLayout->itemAt(i)->widget());
        if (button && button->group() == m_pContentButtonGroup)
            delete m_pContentLayout->takeAt(i);
    }
    for (int i = buttons.size() - 1; i >= 0; --i)
        m_pContentButtonGroup->removeButton(buttons.at(i));
    for (QAbstractButton* button : buttons) {
        button->hide();
        button->deleteLater();
    }
    resizeAfterChange(true);
    updateTipsVisible();
}

void NaviSliderFrame::contentButtonsHide()
{
    if (!m_pContentButtonGroup)
        return;
    const QList<QAbstractButton*> buttons = m_pContentButtonGroup->buttons();
    // Taken from the ends of the layout and the group, so that each removal is cheap.
    for (int i = m_pContentLayout->count() - 1; i >= 1; --i) {
        auto* button = qobject_cast<QAbstractButton*>(m_pContentLayout->itemAt(i)->widget());
        if (button && button->group() == m_pContentButtonGroup)
            delete m_pContentLayout->takeAt(i);
    }
    for (int i = buttons.size() - 1; i >= 0; --i)
        m_pContentButtonGroup->removeButton(buttons.at(i));
    for (QAbstractButton* button : buttons) {
        if (auto* toolButton = qobject_cast<QToolButton*>(button))
            moveToCache(toolButton);
    }
    uncheckAll();
    resizeAfterChange(true);
    updateTipsVisible();
}

void NaviSliderFrame::contentButtonsHide(QToolButton* button)
{
    if (!isContentButton(button))
        return;
    const bool wasChecked = button->isChecked();
    const int index = groupIndexOf(button);
    takeOutOfStrip(button);
    moveToCache(button);
    recheckAfterRemoval(wasChecked, index);
    resizeAfterChange(true);
    updateTipsVisible();
}

void NaviSliderFrame::contentButtonsHide(bool b)
{
    if (!m_pContentButtonGroup)
        return;
    const bool exclusive = m_pContentButtonGroup->exclusive();
    if (!b)
        m_pContentButtonGroup->setExclusive(false);
    const QList<QAbstractButton*> buttons = m_pContentButtonGroup->buttons();
    for (QAbstractButton* button : buttons) {
        button->setVisible(b);
        button->setChecked(b);
    }
    m_pContentButtonGroup->setExclusive(exclusive);
    resizeAfterChange(true);
}

QToolButton* NaviSliderFrame::takeFirstHideContentButton()
{
    if (m_listContentButtonCache.isEmpty())
        return nullptr;
    QToolButton* button = m_listContentButtonCache.takeFirst();
    m_cachedButtons.remove(button);
    return button;
}

void NaviSliderFrame::resetHideContentButton(QToolButton* button)
{
    Q_UNUSED(button)
}

// Inside a rebuild, appending the n-th button to the end of the strip ends in the same order as
// giving it the n-th place; a button already there stays untouched, which keeps a rebuild linear.
void NaviSliderFrame::placeInRebuild(QToolButton* button)
{
    const bool inGroup = button->group() == m_pContentButtonGroup;
    if (!inGroup)
        dropFromCache(button);
    const int place = m_nRebuildPlaced++;
    const int layoutIndex = place + 1;
    if (inGroup) {
        if (m_pContentButtonGroup->id(button) != place)
            m_bGroupOrderDirty = true;
    } else if (place == m_pContentButtonGroup->buttons().size()) {
        appendToGroup(button);
    } else {
        // A group cannot insert: it is put in strip order when the rebuild hides its surplus or ends.
        m_pContentButtonGroup->addButton(button);
        watchPresses(button);
        m_bGroupOrderDirty = true;
    }
    QLayoutItem* item = m_pContentLayout->itemAt(layoutIndex);
    if (!item || item->widget() != button) {
        // Strip buttons are group members; a new or cached button is not in the layout, unless a
        // subclass put a shown one there itself (Qt marks every widget a layout ever took).
        const bool mayBeInLayout = inGroup ||
            (button->parentWidget() == m_pContentFrame && !button->isHidden() && button->testAttribute(Qt::WA_LaidOut));
        const int from = mayBeInLayout ? contentLayoutIndexOf(button, layoutIndex) : -1;
        if (from > 0)
            delete m_pContentLayout->takeAt(from);
        insertIntoLayout(button, layoutIndex);
    }
}

void NaviSliderFrame::suspendContentUpdates()
{
    if (m_nRebuildPlaced < 0 || m_bContentUpdatesSuspended || !m_pContentFrame || !m_pContentFrame->isVisible() ||
        !m_pContentFrame->updatesEnabled())
        return;
    m_pContentFrame->setUpdatesEnabled(false);
    m_bContentUpdatesSuspended = true;
}

void NaviSliderFrame::resumeContentUpdates()
{
    // QWidget::setUpdatesEnabled(true) would ask every descendant for a repaint of its own, and Qt
    // compares each dirty widget with all its siblings: N buttons would cost time in N squared.
    // The flags are cleared as Qt would clear them, and one repaint of the strip covers its
    // children. A widget whose updates its owner switched off stays so.
    const std::function<void(QWidget*)> enable = [&enable](QWidget* widget) {
        widget->setAttribute(Qt::WA_UpdatesDisabled, false);
        for (QObject* child : widget->children()) {
            auto* childWidget = qobject_cast<QWidget*>(child);
            if (childWidget && !childWidget->isWindow() && !childWidget->testAttribute(Qt::WA_ForceUpdatesDisabled) &&
                childWidget->testAttribute(Qt::WA_UpdatesDisabled))
                enable(childWidget);
        }
    };
    m_pContentFrame->setAttribute(Qt::WA_ForceUpdatesDisabled, false);
    if (!m_pContentFrame->parentWidget()->updatesEnabled())
        return; // an ancestor's own switch keeps the strip quiet; Qt re-enables it with that one
    enable(m_pContentFrame);
    m_pContentFrame->update();
}

void NaviSliderFrame::placeContentButton(QToolButton* button, bool resize)
{
    if (!button)
        return;
    if (button->group() != m_pContentButtonGroup || button->isHidden())
        suspendContentUpdates();
    addContentButton(button, resize);
    // A button shown already is left alone (show() would ask the platform for a window state first).
    if (button->group() == m_pContentButtonGroup &&
        (button->isHidden() || !button->testAttribute(Qt::WA_WState_ExplicitShowHide)))
        button->show();
}

void NaviSliderFrame::hideContentButtonsFrom(const QList<QAbstractButton*>& reuse, int from)
{
    if (!m_pContentButtonGroup)
        return;
    normaliseGroupOrder();

    // The surplus: reuse[from..], and inside a rebuild also every earlier button of the reuse list
    // that was not placed again (one of another kind), so that the strip holds exactly the placed
    // buttons.
    QList<QToolButton*> targets;
    QSet<QAbstractButton*> chosen;
    const QList<QAbstractButton*> buttons = m_pContentButtonGroup->buttons();
    // Usually every button was placed again and there is nothing after them to look up.
    if (m_nRebuildPlaced >= 0 && m_nRebuildPlaced < buttons.size()) {
        const QSet<QAbstractButton*> reused(reuse.cbegin(), reuse.cend());
        for (int i = m_nRebuildPlaced; i < buttons.size(); ++i) {
            auto* button = qobject_cast<QToolButton*>(buttons.at(i));
            if (button && reused.contains(button)) {
                targets.append(button);
                chosen.insert(button);
            }
        }
    }
    for (int i = qMax(0, from); i < reuse.size(); ++i) {
        auto* button = qobject_cast<QToolButton*>(reuse.at(i));
        if (button && button->group() == m_pContentButtonGroup && !chosen.contains(button)) {
            targets.append(button);
            chosen.insert(button);
        }
    }
    if (targets.isEmpty())
        return;

    ++m_nDeferResize;
    const int cacheStart = m_listContentButtonCache.size();
    // From the end backwards: each button is then the last of the strip and of the group.
    for (int i = targets.size() - 1; i >= 0; --i)
        contentButtonsHide(targets.at(i));
    // The cache keeps them in strip order.
    if (m_listContentButtonCache.size() - cacheStart > 1)
        std::reverse(m_listContentButtonCache.begin() + cacheStart, m_listContentButtonCache.end());
    if (--m_nDeferResize == 0 && m_bResizePending)
        contentFrameResize();
}

QList<QAbstractButton*> NaviSliderFrame::getContentButtons() const
{
    return m_pContentButtonGroup ? m_pContentButtonGroup->buttons() : QList<QAbstractButton*>();
}

int NaviSliderFrame::getContentButtonID(QToolButton* button) const
{
    return button && m_pContentButtonGroup ? m_pContentButtonGroup->id(button) : -1;
}

int NaviSliderFrame::itemCount() const
{
    return m_pContentButtonGroup ? m_pContentButtonGroup->buttons().size() : 0;
}

QList<QAbstractButton*> NaviSliderFrame::getCheckedButtons() const
{
    QList<QAbstractButton*> checked;
    if (!m_pContentButtonGroup)
        return checked;
    if (m_pContentButtonGroup->exclusive()) {
        checked.append(m_pContentButtonGroup->checkedButton());
        return checked;
    }
    const QList<QAbstractButton*> buttons = m_pContentButtonGroup->buttons();
    for (QAbstractButton* button : buttons) {
        if (button->isChecked())
            checked.append(button);
    }
    return checked;
}

void NaviSliderFrame::setActivatedItem(int index)
{
    if (!m_pContentButtonGroup)
        return;
    if (index < 0) {
        uncheckAll();
        return;
    }
    const QList<QAbstractButton*> buttons = m_pContentButtonGroup->buttons();
    if (index < buttons.size())
        buttons.at(index)->setChecked(true);
}

void NaviSliderFrame::setActivatedItem(QToolButton* button, bool emitSignals)
{
    if (!m_pContentButtonGroup)
        return;
    const QSignalBlocker blocker(emitSignals ? nullptr : m_pContentButtonGroup);
    if (!button) {
        uncheckAll();
        return;
    }
    if (button->group() == m_pContentButtonGroup && !button->isChecked())
        button->setChecked(true);
}

// ---------------------------------------------------------------------------------------------
// Scrolling and sizing

int NaviSliderFrame::scrollValue() const
{
    return m_pContentScrollArea ? alongScrollBar()->value() : 0;
}

void NaviSliderFrame::scrollToTail()
{
    if (!m_pContentScrollArea)
        return;
    QScrollBar* bar = alongScrollBar();
    bar->setValue(bar->maximum());
}

void NaviSliderFrame::setScrollBarPos(int n)
{
    if (!m_pContentScrollArea)
        return;
    QScrollBar* bar = m_pContentScrollArea->verticalScrollBar();
    const int h = bar->sizeHint().height();
    bar->setValue((n - 1) * h + (n - 2) * 8);
}

bool NaviSliderFrame::isItemIniting() const
{
    return m_bItemIniting;
}

void NaviSliderFrame::updateStyleSheet()
{
    style()->unpolish(this);
    style()->polish(this);
}

void NaviSliderFrame::contentFrameResize()
{
    if (!m_pContentFrame)
        return;
    // Showing or hiding a scroll bar from inside a resize re-enters here; finish the running pass
    // and repeat it instead of nesting (bounded, the bars settle after a pass or two).
    if (m_bInContentFrameResize) {
        m_bResizeAgain = true;
        return;
    }
    m_bInContentFrameResize = true;
    for (int pass = 0; pass < 3; ++pass) {
        m_bResizeAgain = false;
        doContentFrameResize();
        if (!m_bResizeAgain)
            break;
    }
    m_bInContentFrameResize = false;
    m_bResizePending = false;
    slotContentScrollBarValueChanged(alongScrollBar()->value());
}

void NaviSliderFrame::doContentFrameResize()
{
    const bool horizontal = m_Orientation == Qt::Horizontal;
    const QWidget* viewport = m_pContentScrollArea->viewport();
    const QMargins margins = m_pContentLayout->contentsMargins();
    const int spacing = m_pContentLayout->spacing();
    // The strip's buttons are walked in place, twice: a list of a thousand of them costs more to
    // allocate than the walk itself.
    auto forEachButton = [this](auto&& visit) {
        for (int i = 0, count = m_pContentLayout->count(); i < count; ++i) {
            auto* button = qobject_cast<QToolButton*>(m_pContentLayout->itemAt(i)->widget());
            if (button && isShownButton(button))
                visit(button);
        }
    };

    const int viewportAlong = horizontal ? viewport->width() : viewport->height();
    // Across, the room without the scroll bar along the strip (which is subtracted below): the
    // viewport itself has already lost it when the bar is shown, and must not lose it twice.
    const QRect room = m_pContentScrollArea->contentsRect();
    const int viewportCross = horizontal ? room.height() : room.width();
    const int marginsAlong = horizontal ? margins.left() + margins.right() : margins.top() + margins.bottom();
    const int marginsCross = horizontal ? margins.top() + margins.bottom() : margins.left() + margins.right();

    const QScrollBar* bar = alongScrollBar();
    const int barThickness = horizontal ? bar->height() : bar->width();
    // Whether every button has the fixed cross extent already that the second walk would give it,
    // without and with the scroll bar taking room: usually it has, and the walk is skipped.
    bool crossSetWithoutBar = true;
    bool crossSetWithBar = true;
    int along = marginsAlong - spacing;
    int cross = viewportCross;
    const QToolButton* first = nullptr;
    forEachButton([&](QToolButton* button) {
        if (!first)
            first = button;
        const QSize hint = button->sizeHint();
        const QSize minimum = button->minimumSize();
        const QSize maximum = button->maximumSize();
        // The size the strip's layout gives the button.
        const QSize size = hint.expandedTo(minimum).boundedTo(maximum);
        along += (horizontal ? size.width() : size.height()) + spacing;
        const int hintCross = horizontal ? hint.height() : hint.width();
        const int minCross = horizontal ? minimum.height() : minimum.width();
        const int maxCross = horizontal ? maximum.height() : maximum.width();
        const auto isFixedAt = [&](int extent) { return minCross == extent && maxCross == extent; };
        crossSetWithoutBar = crossSetWithoutBar && isFixedAt(qMax(0, hintCross));
        crossSetWithBar = crossSetWithBar && isFixedAt(qMax(0, hintCross - barThickness));
    });
    if (first) {
        const QSize firstHint = first->sizeHint();
        const int firstCross = horizontal ? firstHint.height() : firstHint.width();
        if (firstCross > cross)
            cross = firstCross + marginsCross;
    } else {
        along = viewportAlong;
    }

    const bool barTakesRoom = along > viewportAlong && bar->isVisible();
    const int barExtent = barTakesRoom ? barThickness : 0;
    if (!(barTakesRoom ? crossSetWithBar : crossSetWithoutBar))
        forEachButton([&](QToolButton* button) {
            const QSize hint = button->sizeHint();
            // Most resizes leave the cross extent as it was; setting it again still walks Qt's checks.
            if (horizontal) {
                const int height = qMax(0, hint.height() - barExtent);
                if (button->minimumHeight() != height || button->maximumHeight() != height)
                    button->setFixedHeight(height);
            } else {
                const int width = qMax(0, hint.width() - barExtent);
                if (button->minimumWidth() != width || button->maximumWidth() != width)
                    button->setFixedWidth(width);
            }
        });
    cross -= barExtent;

    along = qMax(0, along);
    cross = qMax(0, cross);
    m_pContentFrame->resize(horizontal ? QSize(along, cross) : QSize(cross, along));
}

void NaviSliderFrame::slotContentScrollBarValueChanged(int value)
{
    if (!m_pContentScrollArea)
        return;
    const QScrollBar* bar = alongScrollBar();
    const bool nextEnabled = value < bar->maximum();
    const bool prevEnabled = value > 0;
    m_pNextButton->setEnabled(nextEnabled);
    m_pPrevButton->setEnabled(prevEnabled);
    if (m_Orientation == Qt::Horizontal) {
        m_pContentLeftLine->setVisible(prevEnabled);
        m_pContentRightLine->setVisible(nextEnabled);
    } else {
        m_pContentTopLine->setVisible(prevEnabled);
        m_pContentBottomLine->setVisible(nextEnabled);
    }
}

void NaviSliderFrame::slotNextButtonClicked()
{
    if (!m_pContentScrollArea)
        return;
    const QList<QToolButton*> buttons = stripButtons();
    if (buttons.size() < 2)
        return;
    const bool horizontal = m_Orientation == Qt::Horizontal;
    auto start = [horizontal](const QWidget* w) { return horizontal ? w->x() : w->y(); };
    const int frameOffset = start(m_pContentFrame);
    QScrollBar* bar = alongScrollBar();
    for (int i = buttons.size() - 1; i >= 0; --i) {
        if (start(buttons.at(i)) + frameOffset < 1) {
            if (i + 1 < buttons.size())
                bar->setValue(start(buttons.at(i + 1)));
            return;
        }
    }
    bar->setValue(start(buttons.at(1)));
}

void NaviSliderFrame::slotPrevButtonClicked()
{
    if (!m_pContentScrollArea)
        return;
    const QList<QToolButton*> buttons = stripButtons();
    if (buttons.size() < 2)
        return;
    const bool horizontal = m_Orientation == Qt::Horizontal;
    auto start = [horizontal](const QWidget* w) { return horizontal ? w->x() : w->y(); };
    auto extent = [horizontal](const QWidget* w) { return horizontal ? w->width() : w->height(); };
    QScrollBar* bar = alongScrollBar();
    const QWidget* viewport = m_pContentScrollArea->viewport();
    const int scroll = bar->value();
    const int right = scroll + (horizontal ? viewport->width() : viewport->height());

    // A button starting exactly at the right edge is not visible at all; counting it would scroll
    // back by 0 and leave the arrow without effect.
    int b = -1;
    for (int i = buttons.size() - 1; i >= 0; --i) {
        if (start(buttons.at(i)) < right) {
            b = i;
            break;
        }
    }
    if (b < 0)
        return;
    const int left = start(buttons.at(b));
    int amount = 0;
    if (left + extent(buttons.at(b)) > right) {
        amount = right - left;
    } else {
        int firstVisible = -1;
        for (int i = 0; i < buttons.size(); ++i) {
            if (start(buttons.at(i)) + extent(buttons.at(i)) > scroll) {
                firstVisible = i;
                break;
            }
        }
        if (firstVisible == 0 || b == 0) {
            bar->setValue(0);
            return;
        }
        amount = left - start(buttons.at(b - 1));
    }
    if (b == buttons.size() - 1) {
        const QMargins margins = m_pContentLayout->contentsMargins();
        amount += horizontal ? margins.right() : margins.bottom();
    }
    bar->setValue(scroll - amount);
}

void NaviSliderFrame::slot_buttonToggled(QAbstractButton* button, bool checked)
{
    emit itemToggled(button, checked);
    if (!checked || !button || !m_pContentScrollArea)
        return;
    QScrollBar* bar = alongScrollBar();
    if (button == lastStripButton()) {
        bar->setValue(bar->maximum());
        return;
    }
    const bool horizontal = m_Orientation == Qt::Horizontal;
    const QWidget* viewport = m_pContentScrollArea->viewport();
    const int scroll = bar->value();
    const int viewEnd = scroll + (horizontal ? viewport->width() : viewport->height());
    const int start = horizontal ? button->x() : button->y();
    const int end = start + (horizontal ? button->width() : button->height());
    if (end > scroll && start < viewEnd)
        return;
    bar->setValue(start);
}

// ---------------------------------------------------------------------------------------------
// Drag detection and events

bool NaviSliderFrame::isAllowDrag(QMouseEvent* event) const
{
    if (!event || !isEnabled() || !(event->buttons() & Qt::LeftButton) || !m_pContentScrollArea)
        return false;
    const QWidget* viewport = m_pContentScrollArea->viewport();
    const QRect rect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
    // From the event's own position: an event made without a global position carries the
    // cursor's there.
    const QPoint pos = mapToGlobal(event->pos());
    if (rect.contains(pos))
        return false;
    // Only the first allowed edge, in the order left, right, top, bottom, is tested.
    if (m_allowEdges & Qt::LeftEdge)
        return pos.x() <= rect.left();
    if (m_allowEdges & Qt::RightEdge)
        return pos.x() > rect.right();
    if (m_allowEdges & Qt::TopEdge)
        return pos.y() <= rect.top();
    if (m_allowEdges & Qt::BottomEdge)
        return pos.y() > rect.bottom();
    return false;
}

void NaviSliderFrame::notePressEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        ++m_nPressSerial;
        m_bPressRunning = true;
        break;
    case QEvent::MouseButtonRelease:
        m_bPressRunning = false;
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat() || (key->key() != Qt::Key_Space && key->key() != Qt::Key_Select))
            break;
        if (event->type() == QEvent::KeyPress)
            ++m_nPressSerial;
        m_bPressRunning = event->type() == QEvent::KeyPress;
        break;
    }
    default:
        break;
    }
}

bool NaviSliderFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (m_pContentButtonGroup && watched->isWidgetType()) {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button && button->group() != m_pContentButtonGroup)
            button = qobject_cast<QAbstractButton*>(button->parentWidget());
        if (button && button->group() == m_pContentButtonGroup)
            notePressEvent(event);
    }
    if (m_pContentScrollArea &&
        (watched == m_pContentScrollArea->horizontalScrollBar() ||
            watched == m_pContentScrollArea->verticalScrollBar()) &&
        (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        contentFrameResize();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void NaviSliderFrame::mousePressEvent(QMouseEvent* event)
{
    grabMouse();
    notePressEvent(event);
    m_lastPressedPos = event->localPos().toPoint();
    m_isMousePressed = true;
    QFrame::mousePressEvent(event);
}

void NaviSliderFrame::mouseMoveEvent(QMouseEvent* event)
{
    m_lastPressedPos = event->localPos().toPoint();
    QFrame::mouseMoveEvent(event);
}

void NaviSliderFrame::mouseReleaseEvent(QMouseEvent* event)
{
    releaseMouse();
    notePressEvent(event);
    m_isMousePressed = false;
    QFrame::mouseReleaseEvent(event);
}

void NaviSliderFrame::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    contentFrameResize();
}

void NaviSliderFrame::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    contentFrameResize();
}

} // namespace Vireo::Widgets
