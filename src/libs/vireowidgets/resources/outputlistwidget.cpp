#include "outputlistwidget.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/resources/inputlistwidget.h>

#include <vireomodel/helper.h>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>

namespace Vireo::Widgets {

using namespace Vireo::BizModel;

namespace {

constexpr int NameElideWidth = 125;
// Outputs this list may show: main and AUX (MVR outputs are never requested).
constexpr int ListedOutputMask = Enum::Interface::MainOutput | Enum::Interface::AUXOutput;

QLabel* makeLabel(QWidget* parent, const char* property, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = new QLabel(parent);
    label->setProperty(property, true);
    label->setAlignment(alignment);
    return label;
}

bool isUsedByAnyScreen(const Device& device, const Output& output)
{
    const auto id = output.interfaceFullId();
    return device.isOutputUsedByScreen(id) || device.isOutputUsedByAUXScreen(id);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// OutputListContentButton

OutputListContentButton::OutputListContentButton(
    std::weak_ptr<Device> device, std::weak_ptr<Output> output, QWidget* parent)
    : QToolButton(parent)
    , m_pDevice(std::move(device))
    , m_pOutput(std::move(output))
{
    createWidgets();
    Internal::StyleLookMemo::watch(this, styledWidgets());
    updateUIFromData();
}

OutputListContentButton::~OutputListContentButton() = default;

void OutputListContentButton::createWidgets()
{
    setProperty("isInterfaceButton", true);

    m_pLabelName = new QWrapLabel(this);
    m_pLabelName->setProperty("isInterfaceName", true);
    m_pLabelName->setProperty("isHasSignal", false);

    m_pLabelIndex = makeLabel(this, "isInterfaceKeyNo", Qt::AlignCenter);
    m_pLabelIndex->setProperty("isHasSignal", false);
    m_pLabelIndex->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    m_pLabelRadio = makeLabel(this, "isInterfaceRadio");
    m_pLabelSlot = makeLabel(this, "isInterfaceSlot");
    m_pLabelType = makeLabel(this, "isInterfaceType");

    m_pFrameNameHolder = new QFrame(this);
    m_pFrameNameHolder->setProperty("isInterfaceGeneralHolder", true);

    m_pLabelScreenName = makeLabel(this, "isOutputScreenName");
}

void OutputListContentButton::setOutput(std::weak_ptr<Device> device, std::weak_ptr<Output> output)
{
    m_pDevice = std::move(device);
    m_pOutput = std::move(output);
    updateUIFromData();
}

quint32 OutputListContentButton::outputKeyNo() const
{
    if (auto output = m_pOutput.lock())
        return output->interfaceId();
    return Internal::NoInterfaceKeyNo;
}

QList<QWidget*> OutputListContentButton::styledWidgets() const
{
    return {
        m_pLabelType, m_pLabelSlot, m_pLabelRadio, m_pLabelIndex, m_pLabelScreenName, m_pLabelName, m_pFrameNameHolder};
}

void OutputListContentButton::updateStyleSheet()
{
    m_styleLook.repolish(styledWidgets());
}

void OutputListContentButton::updateStyleSheetIfChanged()
{
    m_styleLook.repolishIfChanged(styledWidgets());
}

bool OutputListContentButton::eventFilter(QObject* watched, QEvent* event)
{
    m_styleLook.noteEvent(watched, event);
    return QToolButton::eventFilter(watched, event);
}

QString OutputListContentButton::geteElidedText(QFont font, QString text, int width)
{
    return m_elidedTexts.fitted(font, text, width, [&] { return Internal::elidedToWidth(font, text, width); });
}

void OutputListContentButton::updateUIFromData()
{
    auto output = m_pOutput.lock();
    if (!output) {
        m_pLabelIndex->clear();
        m_pLabelType->clear();
        m_pLabelType->setEnabled(false);
        m_pLabelName->setToolTip(QString());
        m_pLabelName->setText(QString());
        setProperty("isHasSignal", false);
        m_pLabelRadio->clear();
        m_pLabelSlot->clear();
        m_pLabelScreenName->clear();
        updateProperty();
        return;
    }

    const bool active = output->isActive();
    m_pLabelIndex->setText(QString::number(quint64(output->interfaceId()) + 1));
    m_pLabelType->setText(output->connectorTypeName());
    m_pLabelType->setEnabled(active);
    m_pLabelName->setToolTip(output->name());
    m_pLabelName->setText(geteElidedText(m_pLabelName->font(), output->name(), NameElideWidth));
    m_pLabelRadio->setText(
        Helper::formatFramerate(output->presetFrameRate(), output->validRateUnderActive(), output->validInterlaced()));
    m_pLabelSlot->setText(output->positionName());
    setProperty("isHasSignal", active);

    QString screenText;
    if (auto device = m_pDevice.lock()) {
        QString usedBy;
        if (device->isOutputUsed(output->interfaceFullId(), usedBy)) {
            if (auto screen = device->findScreenOfUseOutput(output).lock())
                screenText = geteElidedText(m_pLabelScreenName->font(), screen->name(), NameElideWidth);
        }
    }
    m_pLabelScreenName->setText(screenText);

    setActivityLook(active);
    updateProperty();
}

// Active and inactive outputs are styled by two disjoint sets of properties.
void OutputListContentButton::setActivityLook(bool active)
{
    const std::pair<QWidget*, std::pair<const char*, const char*>> pairs[] = {
        {m_pLabelName, {"isOutputNameActvied", "isInterfaceName"}},
        {m_pLabelType, {"isOutputTypeActvied", "isInterfaceType"}},
        {m_pLabelScreenName, {"isOutputScreenNameActvied", "isOutputScreenName"}},
        {m_pLabelRadio, {"isOutputRadioActvied", "isInterfaceRadio"}},
        {m_pLabelSlot, {"isOutputSlotActvied", "isInterfaceSlot"}},
    };
    for (const auto& [widget, names] : pairs) {
        widget->setProperty(names.first, active);
        widget->setProperty(names.second, !active);
    }
}

void OutputListContentButton::updateProperty()
{
    auto device = m_pDevice.lock();
    auto output = m_pOutput.lock();
    if (!device || !output)
        return;
    const auto id = output->interfaceFullId();
    QString usedBy;
    bool busy = device->isOutputUsed(id, usedBy);
    if (!busy) {
        const auto connector = device->getConnector(id);
        busy = connector && connector->workMode == Enum::Interface::Backup;
    }
    for (QWidget* widget : styledWidgets())
        widget->setDisabled(busy);
    const bool changed = property("DeviceItemoutputBusy").toBool() != busy || !property("DeviceItemoutput").isValid();
    setProperty("DeviceItemoutput", !busy);
    setProperty("DeviceItemoutputBusy", busy);
    if (changed)
        Internal::repolish(this);
}

void OutputListContentButton::retranslateUi() { }

void OutputListContentButton::resetLayout() { }

void OutputListContentButton::mousePressEvent(QMouseEvent* event)
{
    QToolButton::mousePressEvent(event);
    if (auto output = m_pOutput.lock())
        emit outputPressed(output->interfaceId());
}

void OutputListContentButton::mouseReleaseEvent(QMouseEvent* event)
{
    QToolButton::mouseReleaseEvent(event);
    if (auto output = m_pOutput.lock())
        emit outputReleased(output->interfaceId());
}

void OutputListContentButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_UNUSED(event)
    if (auto output = m_pOutput.lock())
        emit outputDoubleClicked(output->interfaceId());
}

// ---------------------------------------------------------------------------------------------
// OutputListWidget

OutputListWidget::OutputListWidget(QWidget* parent)
    : NaviSliderFrame(parent)
{ }

OutputListWidget::~OutputListWidget() = default;

void OutputListWidget::initListWidgetItem(std::weak_ptr<Device> device, int const& outputType,
    ItemOutputStatus const& status, NaviSliderFrame::ViewMode const& mode)
{
    // The group's signals are blocked, but the frame is not marked as rebuilding.
    RebuildScope scope(this, RebuildScope::Initing::Leave);
    m_pDevice = std::move(device);
    m_outputType = outputType;
    m_outputStatus = status;
    m_viewMode = mode;
    auto dev = m_pDevice.lock();
    if (!dev) {
        contentButtonsHide();
        return;
    }

    auto outputs = Internal::sortedInterfaces(dev->outputs(ListedOutputMask), false);
    outputs.erase(std::remove_if(outputs.begin(), outputs.end(),
                      [&](const std::shared_ptr<Output>& output) { return !allowOutput(*dev, *output); }),
        outputs.end());

    const QList<QAbstractButton*> reuse = getContentButtons();
    bool restyle = false; // a placed button's look properties changed since its last polish
    const int shown = Internal::walkInterfaceButtons<OutputListContentButton>(
        outputs, [&](int index) { return reuseContentButton<OutputListContentButton>(reuse, index); },
        [this](OutputListContentButton* button, const std::shared_ptr<Output>& output) {
            button->setOutput(m_pDevice, output);
        },
        [this](const std::shared_ptr<Output>& output) { return newOutputButton(output); },
        [&](OutputListContentButton* button, const std::shared_ptr<Output>& output) {
            placeContentButton(button, false);
            applyUsageState(button, dev, output);
            restyle = restyle || button->isStyleStale();
        });
    hideContentButtonsFrom(reuse, shown);
    contentFrameResize();

    if (restyle)
        Internal::queueChangedLookRefresh<OutputListContentButton>(this, m_bStyleRefreshQueued);
}

OutputListContentButton* OutputListWidget::insertOutputItem(std::weak_ptr<Output> output)
{
    auto dev = m_pDevice.lock();
    auto out = output.lock();
    if (!dev || !out || !allowOutput(*dev, *out))
        return nullptr;
    const quint32 keyNo = out->interfaceId();
    // One button per output: a second insert of a listed output only refreshes it.
    if (auto* existing = findWidgetItem(keyNo)) {
        existing->setOutput(m_pDevice, out);
        return existing;
    }

    QHash<quint32, OutputListContentButton*> byKey;
    for (QAbstractButton* candidate : getContentButtons()) {
        if (auto* button = qobject_cast<OutputListContentButton*>(candidate))
            byKey.insert(button->outputKeyNo(), button);
    }
    OutputListContentButton* before = nullptr;
    for (const auto& entry : Internal::sortedInterfaces(dev->outputs(ListedOutputMask), false)) {
        auto* button = byKey.value(entry->interfaceId());
        if (button && button->outputKeyNo() > keyNo) {
            before = button;
            break;
        }
    }

    auto* button = reuseContentButton<OutputListContentButton>({}, 0);
    if (button)
        button->setOutput(m_pDevice, out);
    else
        button = newOutputButton(out);
    if (!button)
        return nullptr;
    button->setVisible(true);
    button->updateStyleSheet();
    applyUsageState(button, dev, out);
    insertContentButton(button, before, true);
    return button;
}

void OutputListWidget::setFiltertype(Enum::Interface::ConnectorType type)
{
    for (QAbstractButton* candidate : getContentButtons()) {
        auto* button = qobject_cast<OutputListContentButton*>(candidate);
        if (!button)
            continue;
        auto output = button->output().lock();
        if (!output)
            continue;
        button->setEnabled(type == Enum::Interface::INVALID || output->connectorType() == type);
    }
}

OutputListContentButton* OutputListWidget::findWidgetItem(quint32 const& keyNo)
{
    return Internal::findInterfaceButton<OutputListContentButton>(
        getContentButtons(), keyNo, [](OutputListContentButton* button) { return button->outputKeyNo(); });
}

bool OutputListWidget::isAllowAddOutput(std::weak_ptr<Output> output)
{
    auto device = m_pDevice.lock();
    auto out = output.lock();
    return device && out && allowOutput(*device, *out);
}

bool OutputListWidget::allowOutput(const Device& device, const Output& output)
{
    const auto id = output.interfaceFullId();
    if (!device.isOnline(id))
        return false;
    if (m_outputStatus == NoScreenUsed && (device.isOutputUsedByScreen(id) || device.isOutputUsedByAUXScreen(id)))
        return false;
    const auto connector = device.getConnector(id);
    if (connector && connector->workMode == Enum::Interface::Backup && !setCopyInterfaceVisable())
        return false;
    const int type = output.type();
    if (!(type & Enum::Interface::Output))
        return false;
    if (type == Enum::Interface::MainOutput)
        return m_outputType & ItemMainOutput;
    if (type == Enum::Interface::AUXOutput)
        return m_outputType & ItemAuxOutput;
    if (type == Enum::Interface::MVROutput)
        return m_outputType & ItemMVROutput;
    return true;
}

bool OutputListWidget::setCopyInterfaceVisable()
{
    return true;
}

void OutputListWidget::setDragPixmapSize(QSize const& size)
{
    m_dragPixmapSize = size;
}

void OutputListWidget::isEnableDrag(bool enable)
{
    m_bEnableDrag = enable;
}

void OutputListWidget::addContentButton(QToolButton* button, bool resize)
{
    NaviSliderFrame::addContentButton(button, resize);
}

void OutputListWidget::insertContentButton(QToolButton* button, QToolButton* before, bool resize)
{
    NaviSliderFrame::insertContentButton(button, before, resize);
}

void OutputListWidget::retranslateUi()
{
    setTips(tr("No outputs. Please go to Device add an output card first."));
    for (QAbstractButton* candidate : getContentButtons()) {
        if (auto* button = qobject_cast<OutputListContentButton*>(candidate))
            button->retranslateUi();
    }
}

void OutputListWidget::contentButtonsHide()
{
    NaviSliderFrame::contentButtonsHide();
    for (QAbstractButton* candidate : getContentButtons()) {
        if (auto* button = qobject_cast<OutputListContentButton*>(candidate))
            button->setOutput(m_pDevice, std::weak_ptr<Output>());
    }
}

void OutputListWidget::contentButtonsHide(QToolButton* button)
{
    NaviSliderFrame::contentButtonsHide(button);
    // resetHideContentButton has usually emptied it already; skip the second refill then.
    auto* outputButton = qobject_cast<OutputListContentButton*>(button);
    if (outputButton && !outputButton->output().expired())
        outputButton->setOutput(m_pDevice, std::weak_ptr<Output>());
}

void OutputListWidget::resetHideContentButton(QToolButton* button)
{
    if (auto* outputButton = qobject_cast<OutputListContentButton*>(button))
        outputButton->setOutput(m_pDevice, std::weak_ptr<Output>());
}

void OutputListWidget::startDrag(QMouseEvent* event)
{
    Q_UNUSED(event)
    auto device = m_pDevice.lock();
    if (!device)
        return;
    auto output = device->findOutput(m_nPressedOutputKeyNo).lock();
    if (!output)
        return;
    auto* button = findWidgetItem(m_nPressedOutputKeyNo);
    // The pressed output itself, still on its button, in the device the list showed at the press.
    if (!button || button->output().lock() != output ||
        !m_pressedOutput.matches(
            Internal::interfaceIdentity(Internal::ResourceIdentity::Output, m_pDevice, output), pressSerial()))
        return;
    Internal::execInterfaceDrag(
        this, button, Vireo::Constants::MimeTypeOutputKeyNo, output->interfaceId(), output->name(), m_dragPixmapSize);
}

void OutputListWidget::slotOutputPressed(quint32 keyNo)
{
    m_nPressedOutputKeyNo = keyNo;
    std::shared_ptr<Output> output;
    if (auto device = m_pDevice.lock())
        output = device->findOutput(keyNo).lock();
    m_pressedOutput.record(
        Internal::interfaceIdentity(Internal::ResourceIdentity::Output, m_pDevice, output), pressSerial());
}

void OutputListWidget::slotOutputReleased(quint32 keyNo)
{
    Q_UNUSED(keyNo)
    m_nPressedOutputKeyNo = Internal::NoInterfaceKeyNo;
    m_pressedOutput.clear();
}

void OutputListWidget::mousePressEvent(QMouseEvent* event)
{
    NaviSliderFrame::mousePressEvent(event);
}

void OutputListWidget::mouseMoveEvent(QMouseEvent* event)
{
    Internal::handleInterfaceListMove(m_nPressedOutputKeyNo, m_pressedOutput, *this, isAllowDrag(event), m_bEnableDrag,
        event, [this, event] { startDrag(event); });
    NaviSliderFrame::mouseMoveEvent(event);
}

void OutputListWidget::mouseReleaseEvent(QMouseEvent* event)
{
    m_nPressedOutputKeyNo = Internal::NoInterfaceKeyNo;
    m_pressedOutput.clear();
    NaviSliderFrame::mouseReleaseEvent(event);
}

OutputListContentButton* OutputListWidget::newOutputButton(const std::shared_ptr<Output>& output)
{
    auto* button = createOutputContentButton(m_pDevice, output, this);
    if (!button)
        return nullptr;
    connect(button, &OutputListContentButton::outputPressed, this, &OutputListWidget::slotOutputPressed,
        Qt::UniqueConnection);
    connect(button, &OutputListContentButton::outputReleased, this, &OutputListWidget::slotOutputReleased,
        Qt::UniqueConnection);
    return button;
}

// Outputs that a screen uses are greyed out when the list's status asks for it.
void OutputListWidget::applyUsageState(
    OutputListContentButton* button, const std::shared_ptr<Device>& device, const std::shared_ptr<Output>& output)
{
    const bool disable = m_outputStatus == ScreenUsedDisabled && isUsedByAnyScreen(*device, *output);
    button->setEnabled(!disable);
}

} // namespace Vireo::Widgets
