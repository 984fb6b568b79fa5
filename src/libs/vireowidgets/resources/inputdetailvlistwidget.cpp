#include "inputdetailvlistwidget.h"

#include <vireowidgets/foundation/pressedresource.h>
#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/foundation/videopreviewwidget.h>

#include <vireomodel/devicelist.h>
#include <vireomodel/helper.h>

#include <QBoxLayout>
#include <QDebug>
#include <QHash>
#include <QLabel>
#include <QScrollArea>

namespace Vireo::Widgets {

using namespace Vireo::BizModel;

namespace {

const QSize DetailButtonSize(280, 82);
const QSize GeneralButtonSize(370, 120);
const QSize SampleButtonSize(160, 80);

} // namespace

namespace Internal {

// Lays out the detail look and owns its capture request.
class InputDetailContentButtonPrivate : public QObject
{
public:
    explicit InputDetailContentButtonPrivate(InputDetailContentButton* button)
        : m_pContentButton(button)
    { }

    void resetLayout()
    {
        auto* b = m_pContentButton;
        auto* layout = new QHBoxLayout(b);
        layout->setContentsMargins(1, 2, 4, 2);
        layout->setSpacing(8);
        b->m_pLabelVideo->setFixedWidth(130);
        layout->addWidget(b->m_pLabelVideo);

        auto* column = new QVBoxLayout;
        column->setContentsMargins(0, 4, 0, 4);
        column->setSpacing(2);
        auto* top = new QHBoxLayout;
        top->setSpacing(6);
        top->addWidget(b->m_pLabelIndex);
        top->addWidget(b->m_pLabelName, 1);
        top->addWidget(b->m_pBtnCapture);
        column->addLayout(top);
        column->addWidget(b->m_pLabelRadio);
        auto* bottom = new QHBoxLayout;
        bottom->setSpacing(6);
        bottom->addWidget(b->m_pLabelType);
        bottom->addWidget(b->m_pLabelShortForType);
        bottom->addWidget(b->m_pLabelCapacity);
        bottom->addStretch(1);
        bottom->addWidget(b->m_pLabelSlot);
        column->addLayout(bottom);
        layout->addLayout(column, 1);
    }

    // The input shown when the capture button went down: a rebuild between press and release may
    // give the button another input, and the capture must not go to that one.
    void slotCaptureButtonPressed() { m_pressedInput = shownInput(); }

    ResourceIdentity shownInput() const
    {
        return interfaceIdentity(ResourceIdentity::Input, m_pContentButton->m_pDevice, m_pContentButton->input());
    }

    void slotCaptureButtonClicked()
    {
        const ResourceIdentity pressed = m_pressedInput;
        m_pressedInput = ResourceIdentity();
        const ResourceIdentity shown = shownInput();
        // A click with no press behind it (the host's click()) goes to the input shown.
        if (pressed.isValid() && shown.isValid() && pressed != shown) {
            qWarning() << "Capture input failed: the button shows another input than the one pressed.";
            return;
        }
        auto device = DeviceList::instance()->activedDevice().lock();
        if (!device) {
            qWarning() << "The device is null";
            return;
        }
        auto input = m_pContentButton->input().lock();
        if (!input || !input->isActive() || input->isOverLoad()) {
            qWarning() << "Capture input failed: input is not active or overload.";
            return;
        }
        const ProtoModel::s_InterfaceID fullId = input->interfaceFullId();
        const auto subcard = device->slot(fullId.slotId);
        if (!subcard) {
            qWarning() << "Capture input failed: no sub-card in the input's slot.";
            return;
        }
        const QString base = QStringLiteral("%1-%2-%3")
                                 .arg(Helper::getSlotDescription(device->modelId(), subcard->slotId(), false),
                                     QString::number(fullId.connectorId + 1), InputDetailContentButton::tr("Capture"));
        int counter = 1;
        QString name = base + QStringLiteral("%1").arg(counter, 2, 10, QLatin1Char('0'));
        while (device->isFileNameExist(Enum::File::BKG, name))
            name = base + QStringLiteral("%1").arg(++counter, 2, 10, QLatin1Char('0'));

        ProtoModel::File::s_CreateImageFile record;
        record.fileId = 0;
        record.fileType = Enum::File::TempFile;
        record.general.name = name.toStdString();
        record.source.id = input->interfaceId();
        record.source.type = Enum::File::InputCapture;
        record.source.zoomRatio = 1;
        emit DeviceList::instance()->signalCaptureImage(record);
    }

    InputDetailContentButton* m_pContentButton;
    ResourceIdentity m_pressedInput;
};

class InputGeneralContentButtonPrivate
{
public:
    explicit InputGeneralContentButtonPrivate(InputGeneralContentButton* button)
        : m_pContentButton(button)
    { }

    void resetLayout()
    {
        auto* b = m_pContentButton;
        b->m_pBtnCapture->hide();
        auto* layout = new QHBoxLayout(b);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->setSpacing(1);
        b->m_pLabelVideo->setFixedWidth(178);
        layout->addWidget(b->m_pLabelVideo);

        auto* column = new QVBoxLayout;
        column->setContentsMargins(12, 10, 10, 10);
        column->setSpacing(0);
        auto* top = new QHBoxLayout;
        top->setSpacing(6);
        top->addWidget(b->m_pLabelIndex);
        top->addWidget(b->m_pLabelName, 1);
        column->addLayout(top);
        column->addWidget(b->m_pLabelType);
        column->addWidget(b->m_pLabelRadio);
        auto* bottom = new QHBoxLayout;
        bottom->addWidget(b->m_pLabelSlot);
        bottom->addStretch(1);
        bottom->addWidget(b->m_pLabelCapacity);
        column->addLayout(bottom);
        layout->addLayout(column, 1);
    }

    InputGeneralContentButton* m_pContentButton;
};

class InputSampleContentButtonPrivate
{
public:
    explicit InputSampleContentButtonPrivate(InputSampleContentButton* button)
        : m_pContentButton(button)
    { }

    void resetLayout()
    {
        auto* b = m_pContentButton;
        for (QWidget* child : {static_cast<QWidget*>(b->m_pLabelVideo), static_cast<QWidget*>(b->m_pLabelType),
                 static_cast<QWidget*>(b->m_pLabelIndex), static_cast<QWidget*>(b->m_pLabelCapacity),
                 static_cast<QWidget*>(b->m_pLabelRadio), static_cast<QWidget*>(b->m_pLabelSlot),
                 static_cast<QWidget*>(b->m_pLabelShortForType), static_cast<QWidget*>(b->m_pBtnCapture)})
            child->hide();
        auto* layout = new QVBoxLayout(b);
        layout->setSpacing(8);
        // Centred by the label itself: laid out with an alignment the label would get its own
        // size hint and fit the name into that, shortening it at every pass.
        b->m_pLabelName->setAlignment(Qt::AlignCenter);
        layout->addWidget(b->m_pLabelName);
    }

    InputSampleContentButton* m_pContentButton;
};

} // namespace Internal

// ---------------------------------------------------------------------------------------------
// Button looks

InputDetailContentButton::InputDetailContentButton(
    std::weak_ptr<Device> device, std::weak_ptr<Input> input, ReadInputVideoFrameCallback callback, QWidget* parent)
    : InputListContentButton(std::move(device), std::move(input), std::move(callback), parent)
    , d(std::make_unique<Internal::InputDetailContentButtonPrivate>(this))
{
    setFixedSize(DetailButtonSize);
    connect(m_pBtnCapture, &QToolButton::pressed, d.get(),
        &Internal::InputDetailContentButtonPrivate::slotCaptureButtonPressed);
    connect(m_pBtnCapture, &QToolButton::clicked, this, &InputDetailContentButton::signalCaptureButtonClicked);
    connect(m_pBtnCapture, &QToolButton::clicked, d.get(),
        &Internal::InputDetailContentButtonPrivate::slotCaptureButtonClicked);
    resetLayout();
}

InputDetailContentButton::~InputDetailContentButton() = default;

QSize InputDetailContentButton::sizeHint() const
{
    return DetailButtonSize;
}

void InputDetailContentButton::resetLayout()
{
    d->resetLayout();
}

InputGeneralContentButton::InputGeneralContentButton(
    std::weak_ptr<Device> device, std::weak_ptr<Input> input, ReadInputVideoFrameCallback callback, QWidget* parent)
    : InputListContentButton(std::move(device), std::move(input), std::move(callback), parent)
    , d(std::make_unique<Internal::InputGeneralContentButtonPrivate>(this))
{
    setProperty("isInterfaceGeneralButton", true);
    setCheckable(true);
    setFixedSize(GeneralButtonSize);
    resetLayout();
}

InputGeneralContentButton::~InputGeneralContentButton() = default;

QSize InputGeneralContentButton::sizeHint() const
{
    return GeneralButtonSize;
}

void InputGeneralContentButton::resetLayout()
{
    d->resetLayout();
}

InputSampleContentButton::InputSampleContentButton(
    std::weak_ptr<Device> device, std::weak_ptr<Input> input, ReadInputVideoFrameCallback callback, QWidget* parent)
    : InputListContentButton(std::move(device), std::move(input), std::move(callback), parent)
    , d(std::make_unique<Internal::InputSampleContentButtonPrivate>(this))
{
    setProperty("navigationbarlistindexes", true);
    m_pLabelName->setProperty("isChecked", false);
    m_pLabelName->setProperty("isHasSignal", false);
    forgetSignalLook();
    setCheckable(true);
    setFixedSize(SampleButtonSize);
    resetLayout();
}

InputSampleContentButton::~InputSampleContentButton() = default;

QSize InputSampleContentButton::sizeHint() const
{
    return SampleButtonSize;
}

void InputSampleContentButton::resetLayout()
{
    d->resetLayout();
}

void InputSampleContentButton::updateUIStyleSheet()
{
    auto input = m_pInput.lock();
    if (!input) {
        qDebug() << "The input is null";
        return;
    }
    m_pLabelName->setProperty("isHasSignal", input->isActive());
    forgetSignalLook();
    Internal::repolish(m_pLabelName);
}

// ---------------------------------------------------------------------------------------------
// InputDetailVListWidget

InputDetailVListWidget::InputDetailVListWidget(QWidget* parent)
    : InputListWidget(parent)
{
    setOrientation(Qt::Vertical);
    setNaviButtonVisible(Add, false);
    setNaviButtonVisible(Clear, false);
    setNaviButtonVisible(Prev, true);
    setNaviButtonVisible(Next, true);
    setContentLayoutContentsMargins(0, 0, 0, 0);
    setContentLayoutSpacing(0);
    setMainLayoutContentsMargins(0, 0, 0, 0);
    setMainLayoutSpacing(0);
    setScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // An empty list shows its tip before the host ever retranslates.
    retranslateUi();
}

InputDetailVListWidget::~InputDetailVListWidget() = default;

void InputDetailVListWidget::setMainLayout()
{
    m_pMainLayout->addWidget(m_pContentScrollAreaHolder);
    m_pMainLayout->addWidget(Internal::createDetailListBottomBar(this, m_pPrevButton, m_pNextButton, 1, 2));
}

InputListContentButton* InputDetailVListWidget::createInputContentButton(
    std::weak_ptr<Device> device, std::weak_ptr<Input> input, ReadInputVideoFrameCallback callback)
{
    // Made in the strip's own widget, where it stays: placing a button made elsewhere re-parents it.
    return new InputDetailContentButton(std::move(device), std::move(input), std::move(callback), contentFrame());
}

void InputDetailVListWidget::updateInputListContentButton(
    std::weak_ptr<Device> device, std::weak_ptr<Interface> wInterface)
{
    Q_UNUSED(device)
    auto iface = wInterface.lock();
    if (!iface)
        return;
    if (auto* button = findContentButton(iface->interfaceId())) {
        button->updateUIFromData();
        button->updateStyleSheet();
    }
}

void InputDetailVListWidget::slotInterfaceSignalChanged(
    std::weak_ptr<Device> device, std::weak_ptr<Interface> wInterface)
{
    updateInputListContentButton(device, wInterface);
    auto dev = device.lock();
    if (!dev)
        return;
    const QList<std::weak_ptr<Input>> valid = dev->validInputs();
    const QList<QAbstractButton*> buttons = getContentButtons();
    if (buttons.size() != valid.size()) {
        qWarning().noquote().nospace() << "error: content button count is error. existContentButtons: "
                                       << buttons.size() << " validInputs count:" << valid.size();
        return;
    }

    // One look-up table instead of a search per input; the first button of a key wins, as in a search.
    QHash<quint32, InputListContentButton*> byKey;
    byKey.reserve(buttons.size());
    for (QAbstractButton* candidate : buttons) {
        if (auto* button = qobject_cast<InputListContentButton*>(candidate)) {
            const quint32 key = button->inputKeyNo();
            if (!byKey.contains(key))
                byKey.insert(key, button);
        }
    }

    // Buttons without an input in the sorted list stay after the placed ones rather than vanish.
    RebuildScope scope(this);
    for (const auto& input : Internal::sortedInterfaces(valid, true)) {
        auto* button = byKey.value(input->interfaceId());
        if (!button)
            continue;
        placeContentButton(button, false);
        qDebug().noquote().nospace() << "inputList current input is:" << input->name();
    }
}

} // namespace Vireo::Widgets
