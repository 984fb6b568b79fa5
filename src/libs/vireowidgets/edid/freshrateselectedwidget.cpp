#include "freshrateselectedwidget.h"

#include <vireowidgets/presets/presetfilter.h>

#include <zkwidgets/flowlayout.h>

#include <QButtonGroup>
#include <QFocusEvent>
#include <QFrame>
#include <QToolButton>
#include <QVBoxLayout>

namespace Vireo::Widgets {

FreshRateSelectedWidget::FreshRateSelectedWidget(QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    // The popup keeps the focus itself (its buttons take none), so that losing it means the
    // operator went elsewhere.
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* content = new QFrame(this);
    content->setProperty("PresetResolutionDialogContent", true);
    content->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_pFlowLayout = new ZK::Utils::FlowLayout(content, 8, 8, 8);
    layout->addWidget(content);

    m_pButtonGroup = new QButtonGroup(this);
    m_pButtonGroup->setExclusive(true);
    connect(m_pButtonGroup, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
        &FreshRateSelectedWidget::slot_buttonClicked);
}

FreshRateSelectedWidget::~FreshRateSelectedWidget() = default;

void FreshRateSelectedWidget::addPresetResolutionRatioData(const float& data)
{
    auto* content = m_pFlowLayout->parentWidget();
    auto* button = new QToolButton(content);
    button->setCheckable(true);
    button->setFixedSize(74, 40);
    button->setFocusPolicy(Qt::NoFocus);
    button->setText(Internal::rateText(data));
    button->setProperty("freshData", data);
    button->setProperty("isRefreshRateButton", true);
    m_pButtonGroup->addButton(button);
    m_pFlowLayout->addWidget(button);
}

void FreshRateSelectedWidget::removeAllButtons()
{
    const auto buttons = m_pButtonGroup->buttons();
    for (auto* button : buttons) {
        m_pButtonGroup->removeButton(button);
        m_pFlowLayout->removeWidget(button);
        button->hide();
        button->deleteLater();
    }
}

void FreshRateSelectedWidget::setCurrentFreshRate(const float& data)
{
    m_pButtonGroup->setExclusive(false);
    bool found = false;
    for (auto* button : m_pButtonGroup->buttons()) {
        const bool match = !found && button->property("freshData").toFloat() == data;
        button->setChecked(match);
        found = found || match;
    }
    m_pButtonGroup->setExclusive(true);
}

void FreshRateSelectedWidget::setMaxFreshRate(float rate)
{
    for (auto* button : m_pButtonGroup->buttons())
        button->setVisible(button->property("freshData").toFloat() <= rate);
}

void FreshRateSelectedWidget::slot_Close()
{
    close();
}

void FreshRateSelectedWidget::slot_buttonClicked(QAbstractButton* button)
{
    const float rate = button->property("freshData").toFloat();
    emit signal_freshRateChanged(rate);
    setCurrentFreshRate(rate);
    slot_Close();
}

void FreshRateSelectedWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setFocus(Qt::PopupFocusReason);
}

void FreshRateSelectedWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (isVisible())
        slot_Close();
}

namespace Internal {

const QList<float>& commonRefreshRates()
{
    static const QList<float> rates {23.98f, 24.f, 25.f, 29.97f, 30.f, 47.95f, 48.f, 50.f, 56.f, 59.94f, 60.f, 70.f,
        71.93f, 72.f, 75.f, 85.f, 100.f, 119.88f, 120.f};
    return rates;
}

FreshRateSelectedWidget* makeRefreshPopup(QWidget* owner)
{
    auto* popup = new FreshRateSelectedWidget(owner);
    popup->setFixedSize(255, 410);
    for (float rate : commonRefreshRates())
        popup->addPresetResolutionRatioData(rate);
    return popup;
}

void showRefreshPopup(FreshRateSelectedWidget* popup, QWidget* button, float rate)
{
    popup->setCurrentFreshRate(rate);
    const QPoint corner = button->mapToGlobal(QPoint(button->width(), 0));
    popup->move(corner.x() + 10, corner.y() - popup->height() / 2);
    popup->show();
}

} // namespace Internal

} // namespace Vireo::Widgets
