#include "groupwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStyleOption>
#include <QToolButton>

namespace Vireo::Widgets {

class GroupWidgetPrivate
{
    Q_DECLARE_PUBLIC(GroupWidget)
public:
    explicit GroupWidgetPrivate(GroupWidget* q)
        : q_ptr(q)
    { }

    void init();

    GroupWidget* q_ptr;
    QLabel* m_pTitleLabel = nullptr;
    QLabel* m_pTipLabel = nullptr;
    QToolButton* m_pTipBtn = nullptr;
};

void GroupWidgetPrivate::init()
{
    Q_Q(GroupWidget);
    m_pTitleLabel = new QLabel(q);
    m_pTitleLabel->setObjectName(QStringLiteral("Title"));
    m_pTitleLabel->setProperty("isTitleBar", true);
    m_pTitleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_pTipBtn = new QToolButton(q);
    m_pTipBtn->setProperty("isTitleTipButton", true);
    m_pTipBtn->hide();

    m_pTipLabel = new QLabel(q);
    m_pTipLabel->setObjectName(QStringLiteral("Tip"));
    m_pTipLabel->setProperty("isTitleBar", true);
    m_pTipLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pTipLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    auto* layout = new QHBoxLayout(q);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pTitleLabel);
    layout->addWidget(m_pTipBtn);
    layout->addWidget(m_pTipLabel);

    QObject::connect(m_pTipBtn, &QToolButton::clicked, q, &GroupWidget::signalIconClicked);
}

GroupWidget::GroupWidget(QWidget* parent)
    : QFrame(parent)
    , d_ptr(new GroupWidgetPrivate(this))
{
    d_ptr->init();
}

GroupWidget::~GroupWidget() = default;

void GroupWidget::setTitle(QString title)
{
    Q_D(GroupWidget);
    d->m_pTitleLabel->setText(title);
}

QString GroupWidget::title() const
{
    Q_D(const GroupWidget);
    return d->m_pTitleLabel->text();
}

void GroupWidget::setTip(QString tip)
{
    Q_D(GroupWidget);
    d->m_pTipLabel->setText(tip);
}

QString GroupWidget::tip() const
{
    Q_D(const GroupWidget);
    return d->m_pTipLabel->text();
}

void GroupWidget::setTitleVisible(bool visible)
{
    Q_D(GroupWidget);
    d->m_pTitleLabel->setVisible(visible);
}

bool GroupWidget::isTitleVisible() const
{
    // Asked before the row is shown too, so judge by the label's own flag.
    Q_D(const GroupWidget);
    return !d->m_pTitleLabel->isHidden();
}

void GroupWidget::setTipVisible(bool visible)
{
    Q_D(GroupWidget);
    d->m_pTipLabel->setVisible(visible);
}

bool GroupWidget::isTipVisible() const
{
    Q_D(const GroupWidget);
    return !d->m_pTipLabel->isHidden();
}

void GroupWidget::setBtnTipVisible(bool visible)
{
    Q_D(GroupWidget);
    d->m_pTipBtn->setVisible(visible);
}

void GroupWidget::setBtnTipIcon(QIcon icon)
{
    Q_D(GroupWidget);
    d->m_pTipBtn->setIcon(icon);
}

QRect GroupWidget::tipRect() const
{
    Q_D(const GroupWidget);
    return d->m_pTipBtn->rect();
}

void GroupWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

} // namespace Vireo::Widgets
