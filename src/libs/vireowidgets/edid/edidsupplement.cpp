#include "edidsupplement.h"

#include "freshrateselectedwidget.h"

#include <vireowidgets/controls/groupwidget.h>
#include <vireowidgets/presets/presetfilter.h>
#include <vireowidgets/presets/presupposedialolg.h>

#include <vireomodel/devicelist.h>
#include <vireomodel/helper.h>
#include <vireomodel/interfaceconfig.h>

#include <zkwidgets/slidereditframe.h>

#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace Vireo::Widgets {

namespace {

namespace Enum = Vireo::BizModel::Enum;
using Vireo::BizModel::InterfaceConfig;

// Sizes the sliders accept until a connector's limits are known.
constexpr int kDefaultMinSize = 1;
constexpr int kDefaultMaxSize = 8192;

void setupSizeSlider(SliderEditFrame* slider)
{
    slider->setHorizontalSpacing(16, 8);
    slider->setMinimumWidth(344);
    slider->setMaximumWidth(1180);
    slider->setButtonFixedWidth(39);
    slider->setSpinBoxFixedWidth(50);
    slider->setRange(kDefaultMinSize, kDefaultMaxSize);
}

QToolButton* makePopupButton(QWidget* parent, int height)
{
    auto* button = new QToolButton(parent);
    button->setFixedHeight(height);
    button->setProperty("isPopupDialog", true);
    button->setMenu(new QMenu(button));
    return button;
}

} // namespace

EdidSupplement::EdidSupplement(InterfaceType cardType, QWidget* parent)
    : QWidget(parent)
    , m_cardType(cardType)
{
    // Lets queued connections and signal spies carry the format of signalFormatMappingChanged.
    static const int formatMappingType =
        qRegisterMetaType<FormatMapping>("Vireo::BizModel::Enum::Interface::FormatMapping");
    Q_UNUSED(formatMappingType)
    createWidgets();
    // No Qt parent: the picker shows as a window of its own.
    m_pDefultDialog = new PresupposeDialolg(cardType);
    createConnections();
    retranslateUi();
}

EdidSupplement::~EdidSupplement()
{
    delete m_pDefultDialog.data();
}

bool EdidSupplement::isInputPanel() const
{
    return m_cardType == Enum::Interface::Input;
}

void EdidSupplement::createWidgets()
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->setContentsMargins(0, 0, 0, 0);

    m_pDefaultLabel = new GroupWidget(this);
    layout->addWidget(m_pDefaultLabel);

    auto* defaultRow = new QHBoxLayout;
    defaultRow->setContentsMargins(24, 0, 0, 0);
    m_pDefaultEmptyLabel = new QLabel(this);
    m_pDefaultToolButton = makePopupButton(this, 36);
    m_pDefaultToolButton->setObjectName(QStringLiteral("EdidSupplementPresetButton"));
    defaultRow->addWidget(m_pDefaultEmptyLabel);
    defaultRow->addWidget(m_pDefaultToolButton);
    m_pSyncButtonGroup = new QButtonGroup(this);
    for (int id = 0; id < 2; ++id) {
        auto* button = new QPushButton(this);
        button->setFixedSize(63, 42);
        button->setFlat(false);
        button->setAutoDefault(false);
        button->setProperty("groupbuttonselectiontype", true);
        // Shown only for a format that maps (see updateFormatMappingWidget).
        button->setVisible(false);
        m_pSyncButtonGroup->addButton(button, id);
        defaultRow->addWidget(button, 0, Qt::AlignLeft);
    }
    defaultRow->addStretch();
    layout->addLayout(defaultRow);

    m_pCustomLabel = new GroupWidget(this);
    layout->addWidget(m_pCustomLabel);

    auto* customBlock = new QVBoxLayout;
    customBlock->setSpacing(8);
    customBlock->setContentsMargins(16, 8, 16, 8);
    m_pWidthSlider = new SliderEditFrame(this);
    m_pHeightSlider = new SliderEditFrame(this);
    setupSizeSlider(m_pWidthSlider);
    setupSizeSlider(m_pHeightSlider);
    customBlock->addWidget(m_pWidthSlider, 0, Qt::AlignLeft);
    customBlock->addWidget(m_pHeightSlider, 0, Qt::AlignLeft);

    auto* freshRow = new QHBoxLayout;
    freshRow->setSpacing(0);
    m_pFreshLabel = new QLabel(this);
    m_pFreshLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pFreshRateButton = makePopupButton(this, 38);
    m_pFreshRateButton->setObjectName(QStringLiteral("EdidSupplementFreshRateButton"));
    m_pFreshRateButton->setText(Internal::rateText(60.f));
    m_pFreshUnit = new QLabel(QStringLiteral("Hz"), this);
    freshRow->addWidget(m_pFreshLabel);
    freshRow->addSpacing(16);
    freshRow->addWidget(m_pFreshRateButton);
    freshRow->addSpacing(2);
    freshRow->addWidget(m_pFreshUnit);
    freshRow->addStretch();
    customBlock->addLayout(freshRow);
    layout->addLayout(customBlock);

    auto* applyRow = new QHBoxLayout;
    applyRow->setSpacing(16);
    applyRow->setContentsMargins(16, 8, 8, 8);
    m_pApplyLabel = new QLabel(this);
    m_pApplyButton = new QPushButton(this);
    m_pApplyButton->setObjectName(QStringLiteral("EdidSupplementApplyButton"));
    m_pApplyButton->setAutoDefault(false);
    applyRow->addWidget(m_pApplyLabel);
    applyRow->addWidget(m_pApplyButton);
    applyRow->addStretch();
    layout->addLayout(applyRow);
}

void EdidSupplement::createConnections()
{
    removeConnections();
    m_connections << connect(m_pApplyButton, &QPushButton::clicked, this, &EdidSupplement::slot_applyClicked);
    m_connections << connect(m_pFreshRateButton, &QToolButton::clicked, this, &EdidSupplement::slot_selectedFreshRate);
    m_connections << connect(
        m_pDefaultToolButton, &QToolButton::clicked, this, &EdidSupplement::slot_showDefaultFrameRate);
    m_connections << connect(
        m_pSyncButtonGroup, &QButtonGroup::idClicked, this, &EdidSupplement::slotSyncButtonClicked);
    if (m_pDefultDialog) {
        m_connections << connect(
            m_pDefultDialog, &PresupposeDialolg::signal_SelectPresuppose, this, &EdidSupplement::slot_accpet);
    }
    m_connections << connect(
        m_pWidthSlider, &SliderEditFrame::valueChanged, this, &EdidSupplement::slotWidthSliderValueChanged);
}

void EdidSupplement::removeConnections()
{
    for (const auto& link : qAsConst(m_connections))
        disconnect(link);
    m_connections.clear();
}

void EdidSupplement::retranslateUi()
{
    m_pDefaultLabel->setTitle(tr("Default"));
    m_pCustomLabel->setTitle(tr("Custom"));
    m_pWidthSlider->setLabelText(tr("Width"));
    m_pHeightSlider->setLabelText(tr("Height"));
    m_pFreshLabel->setText(tr("FreshRate"));
    m_pApplyButton->setText(tr("Apply"));
    m_pSyncButtonGroup->button(0)->setText(tr("Level A"));
    m_pSyncButtonGroup->button(1)->setText(tr("Level B"));
    if (!m_pDefaultToolButton->text().contains(QLatin1Char('x')))
        m_pDefaultToolButton->setText(tr("Custom"));
    // Each panel shows the timing of its own kind of interface.
    if (isInputPanel())
        freshInputModelChanged();
    else
        slot_outputModelChanged();
}

void EdidSupplement::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void EdidSupplement::hideEvent(QHideEvent* event)
{
    if (m_pDefultDialog && m_pDefultDialog->isVisible())
        m_pDefultDialog->hide();
    if (m_pFreshselectedWidget && m_pFreshselectedWidget->isVisible())
        m_pFreshselectedWidget->hide();
    QWidget::hideEvent(event);
}

quint32 EdidSupplement::getMaxBand() const
{
    return m_pCurrentMaxBandWidth;
}

quint32 EdidSupplement::getMinBand() const
{
    return m_pCurrentMinBandWidth;
}

void EdidSupplement::setDefaultTip(const QString& tip)
{
    m_pDefaultLabel->setTip(tip);
}

void EdidSupplement::setCustomTip(const QString& tip)
{
    m_pCustomLabel->setTip(tip);
}

void EdidSupplement::updateCustomEdidVisible(bool visible)
{
    for (QWidget* widget : std::initializer_list<QWidget*> {m_pCustomLabel, m_pWidthSlider, m_pHeightSlider,
             m_pFreshLabel, m_pFreshRateButton, m_pFreshUnit, m_pApplyButton, m_pApplyLabel})
        widget->setVisible(visible);
}

void EdidSupplement::setEnable(bool enable)
{
    for (QWidget* widget : std::initializer_list<QWidget*> {m_pWidthSlider, m_pHeightSlider, m_pFreshLabel,
             m_pFreshRateButton, m_pFreshUnit, m_pDefaultLabel, m_pCustomLabel, m_pDefaultEmptyLabel, m_pApplyButton,
             m_pApplyLabel, m_pDefaultToolButton})
        widget->setEnabled(enable);
}

void EdidSupplement::setLeaveABEnable(bool enable)
{
    for (auto* button : m_pSyncButtonGroup->buttons())
        button->setEnabled(enable);
}

EdidSupplement::CapacityMode EdidSupplement::getCurCapacity()
{
    return CapacityMode(Internal::currentCapacity(m_cardType));
}

// ---------------------------------------------------------------------------------------------
// Showing a timing

void EdidSupplement::initParm(int slotId, Vireo::ProtoModel::s_TimingDetailBody data, FormatMapping formatType)
{
    m_currentTiming = data;
    removeConnections();
    const QSize frame(data.horizontal.addTime, data.vertical.addTime);
    const float rate = Vireo::BizModel::Helper::protoRate2ModelRate(data.refresh);
    syncDMTDate(frame, data.interlaced != 0, rate);
    FormatMapping format = formatMapping(frame, rate, data.interlaced);
    if (format != Enum::Interface::UnUsed && formatType != Enum::Interface::UnUsed)
        format = formatType;
    updateFormatMappingWidget(slotId, format);
    createConnections();
}

void EdidSupplement::syncDMTDate(QSize frameRate, bool interlaced, float refreshRate)
{
    m_shownFrame = frameRate;
    m_shownRate = refreshRate;
    m_shownInterlaced = interlaced ? 1 : 0;
    if (m_pDefultDialog->isCustomEDID(frameRate, m_shownInterlaced, refreshRate))
        m_pDefaultToolButton->setText(tr("Custom"));
    else
        m_pDefaultToolButton->setText(Vireo::BizModel::Helper::formatFramerate(frameRate, refreshRate, interlaced));
    m_pWidthSlider->setValue(frameRate.width());
    m_pHeightSlider->setValue(frameRate.height());
    m_pFreshRateButton->setText(Internal::rateText(refreshRate));
}

void EdidSupplement::freshInputModelChanged()
{
    auto device = Vireo::BizModel::DeviceList::instance()->activedDevice().lock();
    if (device)
        syncFromSelected(device->selectedInputs());
}

void EdidSupplement::slot_outputModelChanged()
{
    auto device = Vireo::BizModel::DeviceList::instance()->activedDevice().lock();
    if (device)
        syncFromSelected(device->selectedOutputs());
}

// Shows the preset timing of the first selected input or output, without reporting it as an edit.
template <typename List>
void EdidSupplement::syncFromSelected(const List& selected)
{
    auto first = selected.isEmpty() ? nullptr : selected.first().lock();
    if (!first)
        return;
    removeConnections();
    syncDMTDate(first->presetFrameRate(), first->presetInterlacing(), first->presetRefreshRate());
    createConnections();
}

// ---------------------------------------------------------------------------------------------
// Ranges

void EdidSupplement::setSliderRanges(quint32 maxBand, quint32 minBand, QSize minSize, QSize maxSize)
{
    m_pCurrentMaxBandWidth = maxBand;
    m_pCurrentMinBandWidth = minBand;
    m_pWidthSlider->setRange(minSize.width(), maxSize.width());
    m_pHeightSlider->setRange(minSize.height(), maxSize.height());
    m_currentMaxRange = maxSize;
}

void EdidSupplement::updateInputDefaultResolution()
{
    auto device = Vireo::BizModel::DeviceList::instance()->activedDevice().lock();
    if (!device) {
        qWarning() << "The pDevice is null";
        return;
    }
    const auto inputs = device->selectedInputs();
    if (inputs.isEmpty()) {
        qWarning() << "The selected Input is null";
        return;
    }
    auto input = inputs.first().lock();
    if (!input) {
        qWarning() << "The pInput is null";
        return;
    }
    auto connector = device->getConnector(input->interfaceFullId());
    if (!connector) {
        qWarning() << "The pConnector is null";
        return;
    }
    m_connectorType = connector->type;
    // The picker judges shown timings by this connector from now on, even if its limits are missing.
    m_pDefultDialog->setConnectorType(m_connectorType);

    auto* config = InterfaceConfig::instance();
    Vireo::BizModel::s_ConnectorCapacity capacity;
    if (!config->findConnectorCapacity(input->capacity(), Enum::Interface::Input, m_connectorType, capacity)) {
        qDebug() << "get current ConnectorCapacity error!";
        return;
    }
    if (capacity.step < 1) {
        qDebug() << "connectorCapacity is null!";
        return;
    }
    Vireo::ProtoModel::s_subcardBody subcard;
    device->subcard(input->interfaceFullId(), subcard);
    Vireo::BizModel::s_CardConnector card;
    if (!config->CardConnectorInfo(subcard.modelId, m_connectorType, card)) {
        qDebug() << "get current CardConnectorInfo error!";
        return;
    }
    // A card without a step of its own (-1) snaps to nothing; a step below 1 would divide by zero.
    m_step = card.Step >= 1 ? card.Step : 1;
    m_pWidthSlider->setSingleStep(m_step);

    removeConnections();
    Vireo::BizModel::s_ConnectorInfo info;
    if (capacity.maxBandwidth != 0 && capacity.minBandwidth != 0 && capacity.maxWidth >= 1 && capacity.minWidth >= 1 &&
        capacity.maxHeight >= 1 && capacity.minHeight >= 1) {
        setSliderRanges(capacity.maxBandwidth, capacity.minBandwidth, QSize(capacity.minWidth, capacity.minHeight),
            QSize(capacity.maxWidth, capacity.maxHeight));
    } else if (Internal::connectorInfoOf(m_connectorType, info)) {
        setSliderRanges(info.m_nMaxBandwidth, info.m_nMinBandwidth, info.m_sizeMinResolution, info.m_sizeMaxResolution);
    } else {
        qWarning() << "Fail to get connector info";
    }
    createConnections();

    m_pDefultDialog->setConnectorType(m_connectorType);
}

void EdidSupplement::updateOutputDefaultResolution()
{
    auto device = Vireo::BizModel::DeviceList::instance()->activedDevice().lock();
    const auto outputs = device ? device->selectedOutputs() : QList<std::weak_ptr<Vireo::BizModel::Output>>();
    auto output = outputs.isEmpty() ? nullptr : outputs.first().lock();
    if (!output) {
        m_pWidthSlider->setEnabled(false);
        m_pHeightSlider->setEnabled(false);
        return;
    }
    m_pWidthSlider->setEnabled(true);
    m_pHeightSlider->setEnabled(true);

    if (auto connector = device->getConnector(output->interfaceFullId()))
        m_connectorType = connector->type;
    else
        qWarning() << "The pConnector is null";
    m_pDefultDialog->setConnectorType(m_connectorType);

    auto* config = InterfaceConfig::instance();
    Vireo::BizModel::s_ConnectorCapacity capacity;
    if (!config->findConnectorCapacity(output->capacity(), Enum::Interface::Output, m_connectorType, capacity)) {
        qDebug() << "get current ConnectorCapacity error!";
        return;
    }
    if (capacity.step < 1) {
        qDebug() << "connectorCapacity is null!";
        return;
    }
    m_step = capacity.step;
    m_pWidthSlider->setSingleStep(m_step);

    Vireo::BizModel::s_ConnectorInfo info;
    if (capacity.maxBandwidth != 0 && capacity.minBandwidth != 0 && capacity.maxWidth >= 1 && capacity.minWidth >= 1 &&
        capacity.maxHeight >= 1 && capacity.minHeight >= 1) {
        setSliderRanges(capacity.maxBandwidth, capacity.minBandwidth, QSize(capacity.minWidth, capacity.minHeight),
            QSize(capacity.maxWidth, capacity.maxHeight));
    } else if (Internal::connectorInfoOf(m_connectorType, info)) {
        setSliderRanges(info.m_nMaxBandwidth, info.m_nMinBandwidth, info.m_sizeMinResolution, info.m_sizeMaxResolution);
    } else {
        qWarning() << "Fail to get connector info";
    }

    m_pDefultDialog->setConnectorType(m_connectorType);
}

void EdidSupplement::slotWidthSliderValueChanged(int nValue)
{
    qDebug() << "SliderEditFrame::valueChanged: " << nValue;
    if (m_step != 1 && m_step > 0 && nValue % m_step != 0)
        m_pWidthSlider->setValue(nValue - nValue % m_step);
}

// ---------------------------------------------------------------------------------------------
// Format mapping

EdidSupplement::FormatMapping EdidSupplement::formatMapping(QSize frameRate, float freshRate, int interlaced)
{
    Vireo::BizModel::s_ConnectorInfo info;
    if (!Internal::connectorInfoOf(m_connectorType, info)) {
        qWarning() << "Fail to get connector info";
        return Enum::Interface::UnUsed;
    }
    const auto presets = Internal::filterPresets(info.m_listPredefinedResolutionRatio, m_cardType, getCurCapacity());
    for (const auto& entry : presets) {
        if (entry.PixelFormat == frameRate && Internal::sameRate(entry.RefreshRate, freshRate) &&
            entry.iInterlaced == interlaced && entry.iFormatMapping != Enum::Interface::UnUsed)
            return FormatMapping(entry.iFormatMapping);
    }
    return Enum::Interface::UnUsed;
}

void EdidSupplement::updateFormatMappingWidget(int slotId, FormatMapping format)
{
    bool visible = format != Enum::Interface::UnUsed;
    if (visible) {
        // Without a device or a card in that slot the buttons stay: only a card that is known not to
        // map formats hides them.
        auto device = Vireo::BizModel::DeviceList::instance()->activedDevice().lock();
        if (device && slotId >= 0 && slotId <= 0xFF) {
            if (auto card = device->findSlotById(quint8(slotId)))
                visible = InterfaceConfig::instance()->IsSupportFormatMapping(card->modelId());
        }
    }
    for (auto* button : m_pSyncButtonGroup->buttons())
        button->setVisible(visible);
    if (visible)
        setSelectFormatMapping(int(format) - 1);
}

void EdidSupplement::setSelectFormatMapping(int id)
{
    for (auto* button : m_pSyncButtonGroup->buttons())
        static_cast<QPushButton*>(button)->setFlat(false);
    if (id >= 0) {
        if (auto* button = qobject_cast<QPushButton*>(m_pSyncButtonGroup->button(id)))
            button->setFlat(true);
    }
}

void EdidSupplement::slotSyncButtonClicked(int id)
{
    auto device = Vireo::BizModel::DeviceList::instance()->activedDevice().lock();
    if (!device) {
        qWarning() << "The device object is null";
        return;
    }
    const auto outputs = device->selectedOutputs();
    if (outputs.isEmpty() || outputs.first().expired()) {
        qWarning() << "The output object is null";
        return;
    }
    if (!m_pSyncButtonGroup->button(id)) {
        qWarning() << "No format-mapping button" << id;
        return;
    }
    setSelectFormatMapping(id);
    emit signalFormatMappingChanged(FormatMapping(id + 1));
}

// ---------------------------------------------------------------------------------------------
// Popups and apply

quint32 EdidSupplement::selectedInterfaceId() const
{
    auto device = Vireo::BizModel::DeviceList::instance()->activedDevice().lock();
    if (!device)
        return NoTarget;
    std::shared_ptr<Vireo::BizModel::Interface> selected;
    if (isInputPanel()) {
        const auto inputs = device->selectedInputs();
        selected = inputs.isEmpty() ? nullptr : inputs.first().lock();
    } else {
        const auto outputs = device->selectedOutputs();
        selected = outputs.isEmpty() ? nullptr : outputs.first().lock();
    }
    return selected ? selected->interfaceId() : NoTarget;
}

bool EdidSupplement::popupTargetStillThere(quint32& target) const
{
    const quint32 opened = target;
    target = NoTarget;
    if (opened == NoTarget)
        return true;
    if (selectedInterfaceId() == opened)
        return true;
    qWarning() << "The interface" << opened + 1 << "is no longer selected; the choice is dropped";
    return false;
}

void EdidSupplement::slot_showDefaultFrameRate()
{
    const QPoint corner = m_pDefaultToolButton->mapToGlobal(m_pDefaultToolButton->rect().topRight());
    m_pDefultDialog->move(corner + QPoint(16, 0));
    const int capacity = getCurCapacity();
    Vireo::BizModel::s_ConnectorInfo info;
    if (!Internal::connectorInfoOf(m_connectorType, info)) {
        qWarning() << "Fail to get connector info";
        return;
    }
    m_pDefultDialog->setCurVESAResolutionRatio(
        m_connectorType, Internal::filterPresets(info.m_listPredefinedResolutionRatio, m_cardType, capacity));
    m_pDefultDialog->setCurrentSelect(m_shownFrame, m_shownRate, m_shownInterlaced);
    m_presetTarget = selectedInterfaceId();
    m_pDefultDialog->showNormal();
    m_pDefultDialog->setFocus();
}

void EdidSupplement::slot_accpet(QSize frameRate, float freshRate, int interlaced)
{
    if (!popupTargetStillThere(m_presetTarget))
        return;
    emit signal_defaultEdidDataChanged(frameRate, freshRate, interlaced);
    if (isInputPanel())
        return;
    auto device = Vireo::BizModel::DeviceList::instance()->activedDevice().lock();
    if (!device) {
        qWarning() << "The device object is null";
        return;
    }
    const auto outputs = device->selectedOutputs();
    auto output = outputs.isEmpty() ? nullptr : outputs.first().lock();
    if (!output) {
        qWarning() << "The output object is null";
        return;
    }
    FormatMapping format = formatMapping(frameRate, freshRate, interlaced);
    if (format != Enum::Interface::UnUsed && output->formatMapping() != Enum::Interface::UnUsed)
        format = output->formatMapping();
    updateFormatMappingWidget(output->interfaceFullId().slotId, format);
}

void EdidSupplement::slot_selectedFreshRate()
{
    if (!m_pFreshselectedWidget) {
        m_pFreshselectedWidget = Internal::makeRefreshPopup(this);
        connect(m_pFreshselectedWidget, &FreshRateSelectedWidget::signal_freshRateChanged, this,
            &EdidSupplement::slot_freshRateChanged);
    }
    m_rateTarget = selectedInterfaceId();
    Internal::showRefreshPopup(m_pFreshselectedWidget, m_pFreshRateButton, m_pFreshRateButton->text().toFloat());
}

void EdidSupplement::slot_freshRateChanged(const float& data)
{
    if (!popupTargetStillThere(m_rateTarget))
        return;
    m_pFreshRateButton->setText(Internal::rateText(data));
}

void EdidSupplement::slot_applyClicked()
{
    slot_edidDataChanged();
}

void EdidSupplement::slot_edidDataChanged()
{
    emit signal_customEdidDataChanged(
        QSize(m_pWidthSlider->value(), m_pHeightSlider->value()), m_pFreshRateButton->text().toFloat());
}

} // namespace Vireo::Widgets
