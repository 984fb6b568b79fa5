#include "edidsupplementadvanced.h"

#include "ediddmtschemadisplaywidget.h"
#include "freshrateselectedwidget.h"

#include <vireowidgets/controls/ndoubleradiobutton.h>
#include <vireowidgets/presets/presetfilter.h>

#include <vireomodel/helper.h>

#include <zkwidgets/slidereditframe.h>

#include <QDebug>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace Vireo::Widgets {

namespace {

namespace Enum = Vireo::BizModel::Enum;
using Vireo::BizModel::InterfaceConfig;

// Limits of the timing fields. They are shared by every editor in the process: the connector last
// given to any of them sets them.
struct TimingLimits
{
    int minBackPorchH = 16;
    int minBackPorchV = 3;
    int minActiveH = 800;
    int maxActiveH = 8192;
    int minActiveV = 600;
    int maxActiveV = 8192;
    int maxTotalH = 8192;
    int maxTotalV = 8192;
    int minPartH = 16;
    int maxPartH = 8192;
    int minPartV = 1;
    int maxPartV = 8192;
    int minTotalH = 848;
    int minTotalV = 609;
};

TimingLimits& limits()
{
    static TimingLimits shared;
    return shared;
}

SliderEditFrame* makeField(QWidget* parent, const char* objectName)
{
    auto* field = new SliderEditFrame(parent);
    field->setObjectName(QLatin1String(objectName));
    field->setSliderVisible(false);
    field->setButtonFixedWidth(39);
    field->setSpinBoxFixedWidth(50);
    field->setHorizontalSpacing(6, 6);
    field->setLabelFixedWidth(170);
    return field;
}

} // namespace

EdidSupplementAdvanced::EdidSupplementAdvanced(QWidget* parent)
    : QWidget(parent)
{
    createWidgets();
    setDefaultRanges();
    retranslateUi();
    createConnections();
    updateDiagram();
}

EdidSupplementAdvanced::~EdidSupplementAdvanced() = default;

void EdidSupplementAdvanced::createWidgets()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    m_pFrameDisplay = new EdidDMTSchemaDisplayWidget(this);
    m_pFrameDisplay->setFixedWidth(450);
    top->addWidget(m_pFrameDisplay);

    m_pHTotalWideValue = makeField(this, "HTotalField");
    m_pHWideValue = makeField(this, "HActiveField");
    m_pHBeforeValue = makeField(this, "HFrontPorchField");
    m_pHSynchronousValue = makeField(this, "HSyncField");
    m_pVTotalWideValue = makeField(this, "VTotalField");
    m_pVWideValue = makeField(this, "VActiveField");
    m_pVBeforeValue = makeField(this, "VFrontPorchField");
    m_pVSynchronousValue = makeField(this, "VSyncField");
    m_pHPolarity = new NDoubleRadioButton(this);
    m_pVPolarity = new NDoubleRadioButton(this);
    m_pHPolarity->setObjectName(QStringLiteral("HPolarity"));
    m_pVPolarity->setObjectName(QStringLiteral("VPolarity"));
    for (auto* polarity : {m_pHPolarity, m_pVPolarity}) {
        polarity->setButtonTexts(QStringLiteral("+"), QStringLiteral("-"));
        polarity->setValue(1);
    }

    auto addColumn = [&](std::initializer_list<SliderEditFrame*> fields, NDoubleRadioButton* polarity) {
        auto* column = new QVBoxLayout;
        column->setSpacing(4);
        for (auto* field : fields)
            column->addWidget(field);
        column->addWidget(polarity);
        column->addStretch();
        top->addLayout(column);
    };
    addColumn({m_pHTotalWideValue, m_pHWideValue, m_pHBeforeValue, m_pHSynchronousValue}, m_pHPolarity);
    addColumn({m_pVTotalWideValue, m_pVWideValue, m_pVBeforeValue, m_pVSynchronousValue}, m_pVPolarity);
    top->addStretch();
    layout->addLayout(top);

    auto* refreshRow = new QHBoxLayout;
    refreshRow->setSpacing(0);
    m_pRefreshRateLabel = new QLabel(this);
    m_pRefreshRateLabel->setFixedWidth(90);
    m_pRefreshRateLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pRefreshToolButton = new QToolButton(this);
    m_pRefreshToolButton->setObjectName(QStringLiteral("AdvancedRefreshButton"));
    m_pRefreshToolButton->setFixedSize(90, 38);
    m_pRefreshToolButton->setProperty("isPopupDialog", true);
    m_pRefreshToolButton->setMenu(new QMenu(m_pRefreshToolButton));
    m_pRefreshToolButton->setText(Internal::rateText(60.f));
    m_pRefreshUnit = new QLabel(QStringLiteral("Hz"), this);
    refreshRow->addWidget(m_pRefreshRateLabel);
    refreshRow->addSpacing(16);
    refreshRow->addWidget(m_pRefreshToolButton);
    refreshRow->addSpacing(10);
    refreshRow->addWidget(m_pRefreshUnit);
    refreshRow->addStretch();
    layout->addLayout(refreshRow);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("QFrame{color:rgb(70, 74, 82)}"));
    layout->addWidget(line);

    auto* applyRow = new QHBoxLayout;
    applyRow->setContentsMargins(114, 0, 0, 0);
    m_pApplayBut = new QPushButton(this);
    m_pApplayBut->setObjectName(QStringLiteral("AdvancedApplyButton"));
    m_pApplayBut->setFocusPolicy(Qt::NoFocus);
    m_pApplayBut->setAutoDefault(false);
    applyRow->addWidget(m_pApplayBut);
    applyRow->addStretch();
    layout->addLayout(applyRow);
}

void EdidSupplementAdvanced::setDefaultRanges()
{
    const TimingLimits& l = limits();
    m_pHWideValue->setRange(l.minActiveH, l.maxActiveH);
    m_pVWideValue->setRange(l.minActiveV, l.maxActiveV);
    m_pHTotalWideValue->setRange(l.minTotalH, l.maxTotalH);
    m_pVTotalWideValue->setRange(l.minTotalV, l.maxTotalV);
    m_pHBeforeValue->setRange(l.minPartH, l.maxPartH);
    m_pHSynchronousValue->setRange(l.minPartH, l.maxPartH);
    m_pVBeforeValue->setRange(l.minPartV, l.maxPartV);
    m_pVSynchronousValue->setRange(l.minPartV, l.maxPartV);
}

void EdidSupplementAdvanced::retranslateUi()
{
    m_pHTotalWideValue->setLabelText(tr("Horizontal total width"));
    m_pHWideValue->setLabelText(tr("Horizontal Addr Time"));
    m_pHBeforeValue->setLabelText(tr("Horizontal front shoulder"));
    m_pHSynchronousValue->setLabelText(tr("Horizontal synchronization"));
    m_pVTotalWideValue->setLabelText(tr("Vertical total width"));
    m_pVWideValue->setLabelText(tr("Vertical Addr Time"));
    m_pVBeforeValue->setLabelText(tr("Vertical front shoulder"));
    m_pVSynchronousValue->setLabelText(tr("Vertical sync"));
    m_pHPolarity->setTitle(tr("Horizontal polarity"));
    m_pVPolarity->setTitle(tr("Vertical polarity"));
    m_pRefreshRateLabel->setText(tr("Refresh rate"));
    m_pApplayBut->setText(tr("Apply"));
}

void EdidSupplementAdvanced::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void EdidSupplementAdvanced::hideEvent(QHideEvent* event)
{
    if (m_pSelectedWidget && m_pSelectedWidget->isVisible())
        m_pSelectedWidget->hide();
    QWidget::hideEvent(event);
}

void EdidSupplementAdvanced::createConnections()
{
    removeConnections();
    m_connections << connect(
        m_pHTotalWideValue, &SliderEditFrame::valueChanged, this, [this](int v) { slot_totalChanged(true, v); });
    m_connections << connect(
        m_pVTotalWideValue, &SliderEditFrame::valueChanged, this, [this](int v) { slot_totalChanged(false, v); });
    m_connections << connect(
        m_pHWideValue, &SliderEditFrame::valueChanged, this, [this](int v) { slot_activeChanged(true, v); });
    m_connections << connect(
        m_pVWideValue, &SliderEditFrame::valueChanged, this, [this](int v) { slot_activeChanged(false, v); });
    for (auto* field : {m_pHBeforeValue, m_pHSynchronousValue, m_pVBeforeValue, m_pVSynchronousValue}) {
        const bool horizontal = field == m_pHBeforeValue || field == m_pHSynchronousValue;
        m_connections << connect(field, &SliderEditFrame::valueChanged, this,
            [this, horizontal, field](int v) { slot_partChanged(horizontal, field, v); });
    }
    m_connections << connect(m_pHPolarity, &NDoubleRadioButton::valueChanged, this, [this] { updateDiagram(); });
    m_connections << connect(m_pVPolarity, &NDoubleRadioButton::valueChanged, this, [this] { updateDiagram(); });
    m_connections << connect(
        m_pRefreshToolButton, &QToolButton::clicked, this, &EdidSupplementAdvanced::slot_refreshClicked);
    m_connections << connect(m_pApplayBut, &QPushButton::clicked, this, &EdidSupplementAdvanced::slot_apply);
}

void EdidSupplementAdvanced::removeConnections()
{
    for (const auto& link : qAsConst(m_connections))
        disconnect(link);
    m_connections.clear();
}

// ---------------------------------------------------------------------------------------------
// Limits

void EdidSupplementAdvanced::setTotalTiming(CapacityMode mode, Vireo::BizModel::s_ConnectorInfo info, bool bIsInputCard)
{
    Vireo::BizModel::s_ConnectorCapacity capacity;
    if (InterfaceConfig::instance()->findConnectorCapacity(
            mode, bIsInputCard ? Enum::Interface::Input : Enum::Interface::Output, info.m_eType, capacity)) {
        m_pCurrentMaxBandWidth = capacity.maxBandwidth;
        m_pCurrentMinBandWidth = capacity.minBandwidth;
    }
    setConnectInfo(mode, info, bIsInputCard);
}

void EdidSupplementAdvanced::setConnectInfo(CapacityMode mode, Vireo::BizModel::s_ConnectorInfo info, bool bIsInputCard)
{
    m_connectInfo = info;
    auto* config = InterfaceConfig::instance();
    Vireo::BizModel::s_ConnectorCapacity capacity;
    if (!config->findConnectorCapacity(
            mode, bIsInputCard ? Enum::Interface::Input : Enum::Interface::Output, info.m_eType, capacity)) {
        qDebug() << "get current ConnectorCapacity error!";
        return;
    }
    QSize minSize(capacity.minWidth, capacity.minHeight);
    QSize maxSize(capacity.maxWidth, capacity.maxHeight);
    if (!(capacity.maxWidth > 0 && capacity.minWidth > 0 && capacity.maxHeight > 0 && capacity.minHeight > 0)) {
        if (!config->findResolutionRange(info.m_eType, minSize, maxSize)) {
            qDebug() << "get current ResolutionRangeInfo error!";
            return;
        }
    }

    TimingLimits& l = limits();
    l.minActiveH = minSize.width();
    l.maxActiveH = maxSize.width();
    l.minActiveV = minSize.height();
    l.maxActiveV = maxSize.height();
    int maxTotal = 0;
    switch (mode) {
    case Enum::Interface::_SL:
        maxTotal = 2248;
        break;
    case Enum::Interface::_DL:
        maxTotal = 4400;
        break;
    case Enum::Interface::_4K:
        maxTotal = 8800;
        break;
    default:
        maxTotal = std::max(l.maxTotalH, l.maxTotalV);
        break;
    }
    l.maxTotalH = maxTotal;
    l.maxTotalV = maxTotal;
    if (bIsInputCard && mode == Enum::Interface::_4K &&
        (info.m_eType == Enum::Interface::HDMI_2_0 || info.m_eType == Enum::Interface::DP_1_2))
        l.maxTotalV = 8191;

    removeConnections();
    setDefaultRanges();
    m_pHWideValue->setSingleStep(capacity.step);
    createConnections();
    updateDiagram();
}

void EdidSupplementAdvanced::updateDefaultStep(int step)
{
    m_pHWideValue->setSingleStep(step);
}

int EdidSupplementAdvanced::getVTotal() const
{
    return m_pVTotalWideValue->maximum();
}

float EdidSupplementAdvanced::getMaxFreshRate(int h, int v) const
{
    if (h <= 0 || v <= 0)
        return 0.f;
    return float(m_pCurrentMaxBandWidth / quint32(h) / quint32(v));
}

// ---------------------------------------------------------------------------------------------
// Showing and editing

void EdidSupplementAdvanced::setCurDMTSchemaData(const Vireo::ProtoModel::s_TimingDetailBody& data)
{
    m_currentTiming = data;
    removeConnections();
    m_pHTotalWideValue->setValue(data.horizontal.totalTime);
    m_pHWideValue->setValue(data.horizontal.addTime);
    m_pHBeforeValue->setValue(data.horizontal.frontPorch);
    m_pHSynchronousValue->setValue(data.horizontal.sync);
    m_pHPolarity->setValue(data.horizontal.syncPolarity);
    m_pVTotalWideValue->setValue(data.vertical.totalTime);
    m_pVWideValue->setValue(data.vertical.addTime);
    m_pVBeforeValue->setValue(data.vertical.frontPorch);
    m_pVSynchronousValue->setValue(data.vertical.sync);
    m_pVPolarity->setValue(data.vertical.syncPolarity);
    m_nHTotal = data.horizontal.totalTime;
    m_nVTotal = data.vertical.totalTime;
    m_nBackHPro =
        data.horizontal.totalTime - data.horizontal.addTime - data.horizontal.frontPorch - data.horizontal.sync;
    m_nBackVPro = data.vertical.totalTime - data.vertical.addTime - data.vertical.frontPorch - data.vertical.sync;
    createConnections();
    updateDiagram();
}

Vireo::ProtoModel::s_TimingDetailBody EdidSupplementAdvanced::getCurDMTSchemaData() const
{
    return m_currentTiming;
}

void EdidSupplementAdvanced::setRefreshRate(float rate)
{
    m_pRefreshToolButton->setText(Internal::rateText(rate));
    updateDiagram();
}

void EdidSupplementAdvanced::setFrameSize(QSize size)
{
    m_Size = size;
}

float EdidSupplementAdvanced::shownRate() const
{
    return m_pRefreshToolButton->text().toFloat();
}

void EdidSupplementAdvanced::slot_totalChanged(bool horizontal, int value)
{
    SliderEditFrame* total = horizontal ? m_pHTotalWideValue : m_pVTotalWideValue;
    SliderEditFrame* other = horizontal ? m_pVTotalWideValue : m_pHTotalWideValue;
    int& last = horizontal ? m_nHTotal : m_nVTotal;
    int accepted = value;
    // Without known limits (no connector given yet) the bandwidth cannot refuse anything.
    if (m_pCurrentMaxBandWidth != 0) {
        const double clock = double(value) * double(shownRate()) * double(other->value());
        if (clock < double(m_pCurrentMinBandWidth) || clock > double(m_pCurrentMaxBandWidth))
            accepted = last;
    }
    if (!horizontal && m_connectInfo.m_eType == Enum::Interface::Dual_Link_DVI && value > 4095)
        accepted = last;
    const int active = (horizontal ? m_pHWideValue : m_pVWideValue)->value();
    const int front = (horizontal ? m_pHBeforeValue : m_pVBeforeValue)->value();
    const int sync = (horizontal ? m_pHSynchronousValue : m_pVSynchronousValue)->value();
    const int minBack = horizontal ? limits().minBackPorchH : limits().minBackPorchV;
    accepted = std::max(accepted, active + front + sync + minBack);
    last = accepted;
    removeConnections();
    total->setValue(accepted);
    createConnections();
    (horizontal ? m_nBackHPro : m_nBackVPro) = total->value() - active - front - sync;
    updateDiagram();
}

void EdidSupplementAdvanced::slot_activeChanged(bool horizontal, int value)
{
    SliderEditFrame* field = horizontal ? m_pHWideValue : m_pVWideValue;
    const int step = field->singleStep();
    int accepted = step > 1 ? value - value % step : value;
    const int total = (horizontal ? m_pHTotalWideValue : m_pVTotalWideValue)->value();
    const int front = (horizontal ? m_pHBeforeValue : m_pVBeforeValue)->value();
    const int sync = (horizontal ? m_pHSynchronousValue : m_pVSynchronousValue)->value();
    const int minBack = horizontal ? limits().minBackPorchH : limits().minBackPorchV;
    if (total < accepted + front + sync + minBack)
        accepted = total - front - sync - minBack;
    removeConnections();
    field->setValue(accepted);
    createConnections();
    (horizontal ? m_nBackHPro : m_nBackVPro) = total - field->value() - front - sync;
    updateDiagram();
}

void EdidSupplementAdvanced::slot_partChanged(bool horizontal, SliderEditFrame* edited, int value)
{
    const int total = (horizontal ? m_pHTotalWideValue : m_pVTotalWideValue)->value();
    const int active = (horizontal ? m_pHWideValue : m_pVWideValue)->value();
    SliderEditFrame* front = horizontal ? m_pHBeforeValue : m_pVBeforeValue;
    SliderEditFrame* sync = horizontal ? m_pHSynchronousValue : m_pVSynchronousValue;
    const int minBack = horizontal ? limits().minBackPorchH : limits().minBackPorchV;
    const int others = active + minBack + (edited == front ? sync->value() : front->value());
    if (total < others + value) {
        removeConnections();
        edited->setValue(total - others);
        createConnections();
    }
    (horizontal ? m_nBackHPro : m_nBackVPro) = total - active - front->value() - sync->value();
    updateDiagram();
}

void EdidSupplementAdvanced::slot_refreshClicked()
{
    if (!m_pSelectedWidget) {
        m_pSelectedWidget = Internal::makeRefreshPopup(this);
        connect(m_pSelectedWidget, &FreshRateSelectedWidget::signal_freshRateChanged, this,
            &EdidSupplementAdvanced::slot_freshRateChanged);
    }
    Internal::showRefreshPopup(m_pSelectedWidget, m_pRefreshToolButton, shownRate());
}

void EdidSupplementAdvanced::slot_freshRateChanged(const float& rate)
{
    setRefreshRate(rate);
}

void EdidSupplementAdvanced::slot_apply()
{
    auto copy = [](Vireo::ProtoModel::s_Timing& to, SliderEditFrame* total, SliderEditFrame* active,
                    SliderEditFrame* front, SliderEditFrame* sync, NDoubleRadioButton* polarity) {
        to.totalTime = total->value();
        to.addTime = active->value();
        to.frontPorch = front->value();
        to.sync = sync->value();
        to.syncPolarity = polarity->value();
    };
    copy(m_currentTiming.horizontal, m_pHTotalWideValue, m_pHWideValue, m_pHBeforeValue, m_pHSynchronousValue,
        m_pHPolarity);
    copy(m_currentTiming.vertical, m_pVTotalWideValue, m_pVWideValue, m_pVBeforeValue, m_pVSynchronousValue,
        m_pVPolarity);
    // The rate as written on the button, in hundredths, without going through binary floating point.
    int hundredths = 0;
    if (Internal::rateTextToHundredths(m_pRefreshToolButton->text(), hundredths))
        m_currentTiming.refresh = hundredths;
    else
        qWarning() << "Refresh rate text not understood:" << m_pRefreshToolButton->text();
    emit sig_Apply();
}

void EdidSupplementAdvanced::updateDiagram()
{
    ZK::VESA::s_DMTSchemaData data;
    auto fill = [](ZK::VESA::s_FrameTiming& to, SliderEditFrame* total, SliderEditFrame* active, SliderEditFrame* front,
                    SliderEditFrame* sync, NDoubleRadioButton* polarity) {
        to.totalTime = quint32(std::max(0, total->value()));
        to.AddrTime = quint32(std::max(0, active->value()));
        to.FrontPorch = quint16(std::clamp(front->value(), 0, 0xFFFF));
        to.Sync = quint16(std::clamp(sync->value(), 0, 0xFFFF));
        to.backProch = quint32(std::max(0, total->value() - active->value() - front->value() - sync->value()));
        to.SyncPolarity = polarity->value() ? ZK::VESA::NegativePolarity : ZK::VESA::PositivePolarity;
    };
    fill(data.HorFrameTiming, m_pHTotalWideValue, m_pHWideValue, m_pHBeforeValue, m_pHSynchronousValue, m_pHPolarity);
    fill(data.VerFrameTiming, m_pVTotalWideValue, m_pVWideValue, m_pVBeforeValue, m_pVSynchronousValue, m_pVPolarity);
    data.refreshRate = shownRate();
    data.pixelClock =
        float(double(data.HorFrameTiming.totalTime) * data.VerFrameTiming.totalTime * data.refreshRate / 1e6);
    m_pFrameDisplay->setCurDMTSchemaData(data);
}

} // namespace Vireo::Widgets
