#include "inputlistwidget.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/frameline.h>
#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/foundation/resourcedrag.h>
#include <vireowidgets/foundation/videopreviewwidget.h>

#include <vireomodel/helper.h>

#include <QAbstractButton>
#include <QDebug>
#include <QDrag>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace Vireo::Widgets {

using namespace Vireo::BizModel;

namespace {

constexpr int NameElideWidth = 125;
// Only this input feeds the frame-rate diagnostic.
constexpr quint32 FpsDiagnosticKeyNo = 0x10000;
constexpr int FpsDiagnosticFrames = 1000;

// Shared by every input button: calls of updateInputVideo for the diagnostic input.
struct InputFpsCounter
{
    int count = 0;
    QElapsedTimer since;
};

InputFpsCounter& inputFpsCounter()
{
    static InputFpsCounter counter;
    return counter;
}

void countDiagnosticFrame()
{
    auto& counter = inputFpsCounter();
    if (counter.count == 0)
        counter.since.start();
    if (++counter.count < FpsDiagnosticFrames)
        return;
    qint64 seconds = counter.since.elapsed() / 1000;
    if (seconds < 1)
        seconds = 1;
    qDebug().noquote() << QStringLiteral("Input list fps %1").arg(counter.count / seconds);
    counter.count = 0;
}

QLabel* makeLabel(QWidget* parent, const char* property, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setProperty(property, true);
    label->setAlignment(alignment);
    return label;
}

// Whether the list that holds the widget is rebuilding.
bool insideListRebuild(const QWidget* widget)
{
    for (const QWidget* ancestor = widget->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (const auto* frame = qobject_cast<const NaviSliderFrame*>(ancestor))
            return frame->isItemIniting();
    }
    return false;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// InputListContentButton

InputListContentButton::InputListContentButton(
    std::weak_ptr<Device> device, std::weak_ptr<Input> input, ReadInputVideoFrameCallback callback, QWidget* parent)
    : QToolButton(parent)
    , m_pDevice(std::move(device))
    , m_pInput(std::move(input))
    , m_cbReadInputVideo(std::move(callback))
{
    createWidgets();
    // Qt announces a dynamic property only when its value really changes: that is what makes a
    // label's look stale.
    Internal::StyleLookMemo::watch(this, styledWidgets());
    connect(this, &QToolButton::toggled, this, &InputListContentButton::slotInputContentButtonToggled);
    updateUIFromData();
    // Shown once its labels hold their texts: a label changing text inside a visible button posts a
    // layout request to it, and Qt looks for an earlier request to merge with by scanning every event
    // posted so far, so filling N visible buttons in a row cost time in N squared.
    setVisible(true);
    // The first frame, which the update above could not read while the button was still hidden.
    // Not inside a list's rebuild: the host's callback may change the model or rebuild the list
    // again; the list's next refresh brings the frame then.
    if (!insideListRebuild(this))
        updateInputVideo();
}

InputListContentButton::~InputListContentButton() = default;

void InputListContentButton::createWidgets()
{
    setProperty("isInterfaceButton", true);

    const Qt::Alignment leftCentred = Qt::AlignLeft | Qt::AlignVCenter;
    m_pLabelCapacity = makeLabel(this, "isInterfaceCapacity", Qt::AlignCenter);

    m_pLabelName = new QWrapLabel(this);
    m_pLabelName->setProperty("isInterfaceName", true);
    m_pLabelName->setProperty("isHasSignal", false);
    m_pLabelName->setProperty("isChecked", false);

    m_pLabelIndex = makeLabel(this, "isInterfaceKeyNo", Qt::AlignCenter);
    m_pLabelIndex->setProperty("isHasSignal", false);
    m_pLabelIndex->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    m_pLabelRadio = makeLabel(this, "isInterfaceRadio", leftCentred);
    m_pLabelRadio->setProperty("isSignalStatus", QStringLiteral("unSignal"));
    m_pLabelSlot = makeLabel(this, "isInterfaceSlot", leftCentred);
    m_pLabelSlot->setProperty("isHasSignal", false);
    m_pLabelType = makeLabel(this, "isInterfaceType", leftCentred);
    m_pLabelType->setProperty("isHasSignal", false);
    m_pLabelShortForType = makeLabel(this, "isInterfaceSlot", leftCentred);
    m_pLabelShortForType->setProperty("isHasSignal", false);
    m_pLabelShortForType->hide();

    m_pBtnCapture = new QToolButton(this);
    m_pBtnCapture->setIconSize(QSize(21, 17));
    m_pBtnCapture->setObjectName(QStringLiteral("buttonCapture"));

    m_pLabelVideo = new VideoPreviewWidget(this);
    m_pLabelVideo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void InputListContentButton::setInput(std::weak_ptr<Device> device, std::weak_ptr<Input> input)
{
    m_pDevice = std::move(device);
    m_pInput = std::move(input);
    updateUIFromData();
}

quint32 InputListContentButton::inputKeyNo() const
{
    if (auto input = m_pInput.lock())
        return input->interfaceId();
    return Internal::NoInterfaceKeyNo;
}

void InputListContentButton::setReadInputVideoCallback(ReadInputVideoFrameCallback callback)
{
    m_cbReadInputVideo = std::move(callback);
}

void InputListContentButton::setCaptureBtnVisible(bool visible)
{
    m_pBtnCapture->setVisible(visible);
}

QList<QWidget*> InputListContentButton::styledWidgets() const
{
    return {m_pLabelName, m_pLabelType, m_pLabelShortForType, m_pLabelRadio, m_pLabelSlot};
}

void InputListContentButton::updateStyleSheet()
{
    m_styleLook.repolish(styledWidgets());
}

void InputListContentButton::updateStyleSheetIfChanged()
{
    m_styleLook.repolishIfChanged(styledWidgets());
}

bool InputListContentButton::eventFilter(QObject* watched, QEvent* event)
{
    m_styleLook.noteEvent(watched, event);
    return QToolButton::eventFilter(watched, event);
}

QString InputListContentButton::geteElidedText(QFont font, QString text, int width)
{
    return m_elidedTexts.fitted(font, text, width, [&] { return Internal::elidedToWidth(font, text, width); });
}

void InputListContentButton::updateUIFromData()
{
    updateInputVideo();
    if (auto input = m_pInput.lock()) {
        const bool active = input->isActive();
        m_pLabelIndex->setText(QString::number(quint64(input->interfaceId()) + 1));
        m_pLabelType->setText(input->connectorTypeName());
        m_pLabelShortForType->setText(input->connectorShortType());
        m_pLabelCapacity->setText(Helper::interfaceCapacityString(input->capacity()));
        m_pLabelName->setToolTip(input->name());
        m_pLabelName->setText(geteElidedText(m_pLabelName->font(), input->name(), NameElideWidth));
        showSignalState(input);
        m_pLabelSlot->setText(input->positionName());
        applySignalLook(!active ? NoSignalLook : (input->isOverLoad() ? OverloadLook : SignalLook));
    } else {
        m_pLabelIndex->clear();
        m_pLabelType->clear();
        m_pLabelShortForType->clear();
        m_pLabelName->setToolTip(QString());
        m_pLabelName->setText(QString());
        applySignalLook(NoSignalLook);
        m_pLabelRadio->clear();
        m_pLabelSlot->clear();
        m_pLabelCapacity->clear();
    }
    updateProperty();
}

// "isHasSignal" on the name, type, short type and slot labels and "isSignalStatus" on the signal
// label. Set only when the look changes: every update would otherwise look the properties up by
// name on five labels, which is most of what an unchanged update costs.
void InputListContentButton::applySignalLook(SignalLookKind look)
{
    if (look == m_eSignalLook)
        return;
    m_eSignalLook = look;
    const bool hasSignal = look != NoSignalLook;
    for (QWidget* label : {static_cast<QWidget*>(m_pLabelName), static_cast<QWidget*>(m_pLabelType),
             static_cast<QWidget*>(m_pLabelShortForType), static_cast<QWidget*>(m_pLabelSlot)})
        label->setProperty("isHasSignal", hasSignal);
    const char* status = look == SignalLook ? "signal" : (look == OverloadLook ? "overLoad" : "unSignal");
    m_pLabelRadio->setProperty("isSignalStatus", QString::fromLatin1(status));
}

// The signal text and whether a picture can be captured follow the same three states.
void InputListContentButton::showSignalState(const std::shared_ptr<Input>& input)
{
    if (!input->isActive()) {
        m_pLabelRadio->setText(tr("No Signal"));
        m_pBtnCapture->setEnabled(false);
    } else if (input->isOverLoad()) {
        m_pLabelRadio->setText(tr("Bandwidth Exceeded"));
        m_pBtnCapture->setEnabled(false);
    } else {
        m_pLabelRadio->setText(
            Helper::formatFramerate(input->getFrameRate(), input->getRefreshRate(), input->actualInterlacing()));
        m_pBtnCapture->setEnabled(true);
    }
}

void InputListContentButton::updateInputVideo()
{
    if (testAttribute(Qt::WA_WState_Hidden) || !m_cbReadInputVideo)
        return;
    m_cbReadInputVideo(m_pInput, m_pLabelVideo->getVideoFrame(), false);
    m_pLabelVideo->refreshVideo();
    if (inputKeyNo() == FpsDiagnosticKeyNo)
        countDiagnosticFrame();
}

void InputListContentButton::retranslateUi()
{
    auto input = m_pInput.lock();
    if (!input)
        return;
    if (!input->isActive())
        m_pLabelRadio->setText(tr("No Signal"));
    else if (input->isOverLoad())
        m_pLabelRadio->setText(tr("Bandwidth Exceeded"));
}

void InputListContentButton::updateProperty()
{
    auto device = m_pDevice.lock();
    auto input = m_pInput.lock();
    if (!device || !input)
        return;
    const auto connector = device->getConnector(input->interfaceFullId());
    const bool disabledLook = connector && connector->workMode == Enum::Interface::NoOutput;
    const QList<QWidget*> labels {
        m_pLabelType, m_pLabelSlot, m_pLabelRadio, m_pLabelIndex, m_pLabelName, m_pLabelCapacity, m_pLabelShortForType};
    for (QWidget* label : labels)
        label->setDisabled(disabledLook);
    m_pLabelVideo->setForbiddenIconVisible(disabledLook);
}

void InputListContentButton::setPopupDialogParent(QWidget* parent)
{
    m_pParentWidget = parent;
}

QWidget* InputListContentButton::popupDialogParent() const
{
    return m_pParentWidget;
}

void InputListContentButton::resetLayout() { }

void InputListContentButton::slotInputContentButtonToggled(bool checked)
{
    m_pLabelName->setProperty("isChecked", checked);
    Internal::repolish(m_pLabelName);
}

void InputListContentButton::mousePressEvent(QMouseEvent* event)
{
    QToolButton::mousePressEvent(event);
    if (auto input = m_pInput.lock())
        emit inputPressed(input->interfaceId());
}

void InputListContentButton::mouseReleaseEvent(QMouseEvent* event)
{
    QToolButton::mouseReleaseEvent(event);
    if (auto input = m_pInput.lock())
        emit inputReleased(input->interfaceId());
}

void InputListContentButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_UNUSED(event)
    if (auto input = m_pInput.lock())
        emit inputDoubleClicked(input->interfaceId());
}

// ---------------------------------------------------------------------------------------------
// InputListWidget

InputListWidget::InputListWidget(QWidget* parent)
    : NaviSliderFrame(parent)
{ }

InputListWidget::~InputListWidget() = default;

void InputListWidget::initListWidgetItem(std::weak_ptr<Device> device, ReadInputVideoFrameCallback callback)
{
    RebuildScope scope(this);
    m_pDevice = std::move(device);
    m_cbReadInputVideo = std::move(callback);
    auto dev = m_pDevice.lock();
    if (!dev) {
        contentButtonsHide();
        return;
    }

    auto inputs = Internal::sortedInterfaces(dev->validInputs(), true);
    inputs.erase(std::remove_if(inputs.begin(), inputs.end(),
                     [this](const std::shared_ptr<Input>& input) { return !isAllowAddInput(input); }),
        inputs.end());

    const QList<QAbstractButton*> reuse = getContentButtons();
    bool restyle = false; // a placed button's look properties changed since its last polish
    const int shown = Internal::walkInterfaceButtons<InputListContentButton>(
        inputs, [&](int index) { return reuseContentButton<InputListContentButton>(reuse, index); },
        [this](InputListContentButton* button, const std::shared_ptr<Input>& input) {
            button->setReadInputVideoCallback(m_cbReadInputVideo);
            button->setInput(m_pDevice, input);
        },
        [this](const std::shared_ptr<Input>& input) {
            suspendContentUpdates(); // the button shows itself as it is made
            auto* button = createInputContentButton(m_pDevice, input, m_cbReadInputVideo);
            if (button) {
                connect(button, &InputListContentButton::inputPressed, this, &InputListWidget::slotInputPressed,
                    Qt::UniqueConnection);
                connect(button, &InputListContentButton::inputReleased, this, &InputListWidget::slotInputReleased,
                    Qt::UniqueConnection);
            }
            return button;
        },
        [&](InputListContentButton* button, const std::shared_ptr<Input>&) {
            placeContentButton(button, false);
            restyle = restyle || button->isStyleStale();
        });
    hideContentButtonsFrom(reuse, shown);
    contentFrameResize();

    if (restyle)
        Internal::queueChangedLookRefresh<InputListContentButton>(this, m_bStyleRefreshQueued);
}

void InputListWidget::isEnableDrag(bool enable)
{
    m_bEnableDrag = enable;
}

void InputListWidget::setPopupDialogParent(QWidget* parent)
{
    m_pParentWidget = parent;
}

QWidget* InputListWidget::popupDialogParent() const
{
    return m_pParentWidget;
}

void InputListWidget::updateInputVideo()
{
    if (m_bItemIniting)
        return;
    for (QAbstractButton* candidate : getContentButtons()) {
        if (auto* button = qobject_cast<InputListContentButton*>(candidate))
            button->updateInputVideo();
    }
}

void InputListWidget::retranslateUi()
{
    setTips(tr("No input sources. Please add input cards on Device page."));
    for (QAbstractButton* candidate : getContentButtons()) {
        if (auto* button = qobject_cast<InputListContentButton*>(candidate))
            button->retranslateUi();
    }
}

InputListContentButton* InputListWidget::findContentButton(quint32 const& keyNo) const
{
    return findContentButton(getContentButtons(), keyNo);
}

InputListContentButton* InputListWidget::findContentButton(
    QList<QAbstractButton*> const& buttons, quint32 const& keyNo) const
{
    return Internal::findInterfaceButton<InputListContentButton>(
        buttons, keyNo, [](InputListContentButton* button) { return button->inputKeyNo(); });
}

void InputListWidget::setContentButtonEnabled(quint32 const& keyNo, bool enabled)
{
    if (auto* button = findContentButton(keyNo)) {
        button->setEnabled(enabled);
        button->updateStyleSheet();
    }
}

bool InputListWidget::isAllowAddInput(std::weak_ptr<Input> input)
{
    Q_UNUSED(input)
    return true;
}

void InputListWidget::startDrag(QMouseEvent* event)
{
    Q_UNUSED(event)
    auto device = m_pDevice.lock();
    if (!device) {
        qWarning() << "device model is nullptr.";
        return;
    }
    auto input = device->findInput(m_nPressedInputKeyNo).lock();
    if (!input) {
        qWarning().noquote().nospace() << "input model is nullptr, input id is " << m_nPressedInputKeyNo;
        return;
    }
    auto* button = findContentButton(m_nPressedInputKeyNo);
    // The pressed input itself, still on its button, in the device the list showed at the press.
    if (!button || button->input().lock() != input ||
        !m_pressedInput.matches(
            Internal::interfaceIdentity(Internal::ResourceIdentity::Input, m_pDevice, input), pressSerial()))
        return;
    Internal::execInterfaceDrag(
        this, button, Vireo::Constants::MimeTypeInputKeyNo, input->interfaceId(), input->name(), m_dragPixmapSize);
}

void InputListWidget::slotInputPressed(quint32 keyNo)
{
    qDebug().noquote().nospace() << "slotInputPressed m_nPressedInputKeyNo = " << keyNo;
    m_nPressedInputKeyNo = keyNo;
    std::shared_ptr<Input> input;
    if (auto device = m_pDevice.lock())
        input = device->findInput(keyNo).lock();
    m_pressedInput.record(
        Internal::interfaceIdentity(Internal::ResourceIdentity::Input, m_pDevice, input), pressSerial());
}

// Any release ends the press, also one reported by a button that shows another input by now.
void InputListWidget::slotInputReleased(quint32 keyNo)
{
    Q_UNUSED(keyNo)
    m_nPressedInputKeyNo = Internal::NoInterfaceKeyNo;
    m_pressedInput.clear();
}

void InputListWidget::resetHideContentButton(QToolButton* button)
{
    if (auto* inputButton = qobject_cast<InputListContentButton*>(button))
        inputButton->setInput(m_pDevice, std::weak_ptr<Input>());
}

void InputListWidget::mouseMoveEvent(QMouseEvent* event)
{
    Internal::handleInterfaceListMove(m_nPressedInputKeyNo, m_pressedInput, *this, isAllowDrag(event), m_bEnableDrag,
        event, [this, event] { startDrag(event); });
    NaviSliderFrame::mouseMoveEvent(event);
}

// ---------------------------------------------------------------------------------------------
// Shared by the input and output lists

namespace Internal {

void handleInterfaceListMove(quint32& pressedKeyNo, PressedResource& pressed, const NaviSliderFrame& list,
    bool beyondAllowedEdge, bool dragEnabled, const QMouseEvent* event, const std::function<void()>& startDrag)
{
    if (pressedKeyNo != NoInterfaceKeyNo &&
        (!list.isPressRunning() || !pressed.isCurrent(list.pressSerial()) || pressed.identity().key != pressedKeyNo)) {
        pressedKeyNo = NoInterfaceKeyNo;
        pressed.clear();
    }
    if (pressedKeyNo == NoInterfaceKeyNo)
        return;
    if (beyondAllowedEdge) {
        if (dragEnabled && startDrag)
            startDrag();
        pressedKeyNo = NoInterfaceKeyNo;
        pressed.clear();
        return;
    }
    const bool dragStillPossible = dragEnabled && event && (event->buttons() & Qt::LeftButton);
    if (!dragStillPossible) {
        pressedKeyNo = NoInterfaceKeyNo;
        pressed.clear();
    }
}

QDrag* execInterfaceDrag(NaviSliderFrame* list, QWidget* button, const char* keyMimeType, quint32 keyNo,
    const QString& name, const QSize& dragPixmapSize)
{
    if (!list || !button || !keyMimeType)
        return nullptr;
    auto* mime = new QMimeData;
    mime->setText(name);
    mime->setData(QString::fromLatin1(keyMimeType), keyNumberBytes(keyNo));
    return execResourceDrag(list, button, mime, dragPixmapSize, list->isCustomDrag());
}

void queueStyleRefresh(QObject* list, bool& queued, const std::function<void()>& refresh)
{
    if (queued || !list)
        return;
    queued = true;
    QTimer::singleShot(0, list, [&queued, refresh] {
        queued = false;
        if (refresh)
            refresh();
    });
}

void repolish(QWidget* widget)
{
    if (!widget)
        return;
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

QWidget* createDetailListBottomBar(QWidget* list, QToolButton* prev, QToolButton* next, uint lineWidth, int topMargin)
{
    auto* bar = new QWidget(list);
    bar->setFixedHeight(64);
    auto* layout = new QVBoxLayout(bar);
    layout->setContentsMargins(0, topMargin, 0, 0);
    layout->setSpacing(8);

    auto* lineRow = new QHBoxLayout;
    QFrame* line = FrameLine::createHorizontalLine(lineRow, bar, lineWidth, 0);
    line->setProperty(CUSTOM_PROPERTY_LEVEL1_SEPARATOR, true);
    layout->addLayout(lineRow);

    auto* buttonRow = new QHBoxLayout;
    for (QToolButton* button : {prev, next}) {
        if (!button)
            continue;
        button->setFixedSize(52, 52);
        buttonRow->addWidget(button);
    }
    layout->addLayout(buttonRow);
    layout->addStretch(1);
    return bar;
}

} // namespace Internal

} // namespace Vireo::Widgets
