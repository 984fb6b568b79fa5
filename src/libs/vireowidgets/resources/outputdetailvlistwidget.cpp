#include "outputdetailvlistwidget.h"

#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/resources/inputlistwidget.h>

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>

namespace Vireo::Widgets {

using namespace Vireo::BizModel;

namespace {

const QSize DetailButtonSize(170, 82);
const QSize GeneralButtonSize(370, 120);
const QSize SampleButtonSize(160, 80);

void hideAll(std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets)
        widget->hide();
}

} // namespace

namespace Internal {

class OutputDetailContentButtonPrivate
{
public:
    explicit OutputDetailContentButtonPrivate(OutputDetailContentButton* button)
        : m_pContentButton(button)
    { }

    void resetLayout()
    {
        auto* b = m_pContentButton;
        hideAll({b->m_pLabelScreenName, b->m_pLabelIndex, b->m_pFrameNameHolder, b->m_pLabelType});
        auto* layout = new QVBoxLayout(b);
        layout->setContentsMargins(10, 8, 8, 6);
        layout->setSpacing(2);
        layout->addWidget(b->m_pLabelName);
        layout->addWidget(b->m_pLabelRadio);
        layout->addWidget(b->m_pLabelSlot);
        layout->addStretch(1);
    }

    OutputDetailContentButton* m_pContentButton;
};

class OutputGeneralContentButtonPrivate
{
public:
    explicit OutputGeneralContentButtonPrivate(OutputGeneralContentButton* button)
        : m_pContentButton(button)
    { }

    void resetLayout()
    {
        auto* b = m_pContentButton;
        b->m_pLabelIndex->hide();
        auto* layout = new QHBoxLayout(b);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->setSpacing(1);

        b->m_pFrameNameHolder->setFixedWidth(178);
        auto* holderLayout = new QVBoxLayout(b->m_pFrameNameHolder);
        holderLayout->setContentsMargins(0, 0, 0, 0);
        holderLayout->addStretch(1);
        // Centred by the label itself (see the sample look).
        b->m_pLabelName->setAlignment(Qt::AlignCenter);
        holderLayout->addWidget(b->m_pLabelName);
        holderLayout->addStretch(1);
        layout->addWidget(b->m_pFrameNameHolder);

        auto* column = new QVBoxLayout;
        column->setSpacing(0);
        column->setContentsMargins(12, 10, 10, 10);
        column->addWidget(b->m_pLabelType);
        column->addWidget(b->m_pLabelScreenName);
        column->addWidget(b->m_pLabelRadio);
        column->addWidget(b->m_pLabelSlot);
        layout->addLayout(column, 1);
    }

    OutputGeneralContentButton* m_pContentButton;
};

class OutputSampleContentButtonPrivate
{
public:
    explicit OutputSampleContentButtonPrivate(OutputSampleContentButton* button)
        : m_pContentButton(button)
    { }

    void resetLayout()
    {
        auto* b = m_pContentButton;
        hideAll({b->m_pLabelType, b->m_pLabelIndex, b->m_pLabelRadio, b->m_pLabelSlot, b->m_pLabelScreenName,
            b->m_pFrameNameHolder});
        auto* layout = new QVBoxLayout(b);
        layout->setSpacing(8);
        // Centred by the label itself: laid out with an alignment the label would get its own
        // size hint and fit the name into that, shortening it at every pass.
        b->m_pLabelName->setAlignment(Qt::AlignCenter);
        layout->addWidget(b->m_pLabelName);
    }

    OutputSampleContentButton* m_pContentButton;
};

} // namespace Internal

// ---------------------------------------------------------------------------------------------
// Button looks

OutputDetailContentButton::OutputDetailContentButton(
    std::weak_ptr<Device> device, std::weak_ptr<Output> output, QWidget* parent)
    : OutputListContentButton(std::move(device), std::move(output), parent)
    , d(std::make_unique<Internal::OutputDetailContentButtonPrivate>(this))
{
    setProperty("isInterfaceDetailContentButton", true);
    setFixedSize(DetailButtonSize);
    resetLayout();
}

OutputDetailContentButton::~OutputDetailContentButton() = default;

QSize OutputDetailContentButton::sizeHint() const
{
    return DetailButtonSize;
}

void OutputDetailContentButton::resetLayout()
{
    d->resetLayout();
}

OutputGeneralContentButton::OutputGeneralContentButton(
    std::weak_ptr<Device> device, std::weak_ptr<Output> output, QWidget* parent)
    : OutputListContentButton(std::move(device), std::move(output), parent)
    , d(std::make_unique<Internal::OutputGeneralContentButtonPrivate>(this))
{
    setProperty("isInterfaceGeneralButton", true);
    setCheckable(true);
    setFixedSize(GeneralButtonSize);
    resetLayout();
}

OutputGeneralContentButton::~OutputGeneralContentButton() = default;

QSize OutputGeneralContentButton::sizeHint() const
{
    return GeneralButtonSize;
}

void OutputGeneralContentButton::resetLayout()
{
    d->resetLayout();
}

OutputSampleContentButton::OutputSampleContentButton(
    std::weak_ptr<Device> device, std::weak_ptr<Output> output, QWidget* parent)
    : OutputListContentButton(std::move(device), std::move(output), parent)
    , d(std::make_unique<Internal::OutputSampleContentButtonPrivate>(this))
{
    setProperty("navigationbarlistindexes", true);
    m_pLabelName->setProperty("isChecked", false);
    setCheckable(true);
    setFixedSize(SampleButtonSize);
    connect(this, &QToolButton::toggled, this, &OutputSampleContentButton::slotScreenItemToggled);
    resetLayout();
}

OutputSampleContentButton::~OutputSampleContentButton() = default;

QSize OutputSampleContentButton::sizeHint() const
{
    return SampleButtonSize;
}

void OutputSampleContentButton::resetLayout()
{
    d->resetLayout();
}

void OutputSampleContentButton::updateStyleSheet()
{
    m_pLabelName->setEnabled(true);
}

void OutputSampleContentButton::slotScreenItemToggled(bool checked)
{
    m_pLabelName->setProperty("isChecked", checked);
    Internal::repolish(m_pLabelName);
}

// ---------------------------------------------------------------------------------------------
// OutputDetailVListWidget

OutputDetailVListWidget::OutputDetailVListWidget(QWidget* parent)
    : OutputListWidget(parent)
{
    setProperty("isOutputDetailVListWidget", true);
    setOrientation(Qt::Vertical);
    setNaviButtonVisible(Add, false);
    setNaviButtonVisible(Clear, false);
    setNaviButtonVisible(Prev, true);
    setNaviButtonVisible(Next, true);
    setContentLayoutContentsMargins(0, 0, 0, 0);
    setContentLayoutSpacing(4);
    setMainLayoutContentsMargins(0, 0, 0, 0);
    setMainLayoutSpacing(0);
    setScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // An empty list shows its tip before the host ever retranslates.
    retranslateUi();
}

OutputDetailVListWidget::~OutputDetailVListWidget() = default;

void OutputDetailVListWidget::initListWidgetItem(
    std::weak_ptr<Device> device, int const& outputType, ItemOutputStatus const& status)
{
    OutputListWidget::initListWidgetItem(std::move(device), outputType, status, DetailMode);
}

bool OutputDetailVListWidget::setCopyInterfaceVisable()
{
    return false;
}

void OutputDetailVListWidget::setMainLayout()
{
    QWidget* bar = Internal::createDetailListBottomBar(this, m_pPrevButton, m_pNextButton, 2, 0);
    bar->setProperty("isOutputDetailVListBottom", true);
    m_pMainLayout->addWidget(m_pContentScrollAreaHolder);
    m_pMainLayout->addWidget(bar);
}

OutputListContentButton* OutputDetailVListWidget::createOutputContentButton(
    std::weak_ptr<Device> device, std::weak_ptr<Output> output, QWidget* parent)
{
    return new OutputDetailContentButton(std::move(device), std::move(output), parent);
}

} // namespace Vireo::Widgets
