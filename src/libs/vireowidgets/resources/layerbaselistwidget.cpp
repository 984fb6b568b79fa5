#include "layerbaselistwidget.h"

#include <vireowidgets/foundation/qwraplabel.h>

#include <vireomodel/bizmodel.h>
#include <vireomodel/modelcontrol.h>

#include <QButtonGroup>
#include <QDebug>
#include <QFontMetrics>
#include <QHash>
#include <QLayout>
#include <QMouseEvent>
#include <QSet>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <QVector>

#include <optional>

namespace Vireo::Widgets {

namespace {

using Vireo::BizModel::Device;
using Vireo::BizModel::Layer;
using Vireo::BizModel::Screen;
namespace LayerEnum = Vireo::BizModel::Enum::Layer;
namespace ScreenEnum = Vireo::BizModel::Enum::Screen;

constexpr int NameElideWidth = 125;
constexpr int ListedLayerTypes = LayerEnum::Regular | LayerEnum::AUX | LayerEnum::MVR;

// Same model object, also when it has expired (a removal is often reported afterwards).
bool isSameObject(const std::weak_ptr<Layer>& a, const std::weak_ptr<Layer>& b)
{
    return !a.owner_before(b) && !b.owner_before(a);
}

bool isEmptyReference(const std::weak_ptr<Layer>& layer)
{
    return isSameObject(layer, std::weak_ptr<Layer>());
}

int layerKey(quint8 layerId, int layerType)
{
    return (layerType << 8) | layerId;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// LayerBaseListContentButton

LayerBaseListContentButton::LayerBaseListContentButton(std::weak_ptr<Device> pDevice, std::weak_ptr<Screen> pScreenBase,
    SceneType nSceneType, std::weak_ptr<Layer> pLayerBase, QWidget* parent)
    : QToolButton(parent)
    , m_pDevice(std::move(pDevice))
    , m_pScreenBase(std::move(pScreenBase))
    , m_nSceneType(nSceneType)
    , m_pLayerBase(std::move(pLayerBase))
{
    createWidgets();
    createConnects();
    updateUIFromData();
}

LayerBaseListContentButton::~LayerBaseListContentButton() = default;

void LayerBaseListContentButton::createWidgets()
{
    auto* layout = new QVBoxLayout(this);
    m_pLayerBaseNameLabel = new QWrapLabel(this);
    m_pLayerBaseNameLabel->setProperty("isChecked", false);
    m_pLayerBaseNameLabel->setAlignment(Qt::AlignCenter);
    // The label takes the button's whole width (it shortens its text to the width it gets) and
    // centres the name in it.
    layout->addWidget(m_pLayerBaseNameLabel);
}

void LayerBaseListContentButton::createConnects()
{
    connect(this, &QAbstractButton::toggled, this, &LayerBaseListContentButton::slotContentButtonToggled);
}

void LayerBaseListContentButton::setLayerBase(std::weak_ptr<Device> pDevice, std::weak_ptr<Screen> pScreenBase,
    SceneType nSceneType, std::weak_ptr<Layer> pLayerBase)
{
    m_pDevice = std::move(pDevice);
    m_pScreenBase = std::move(pScreenBase);
    m_nSceneType = nSceneType;
    m_pLayerBase = std::move(pLayerBase);
    updateUIFromData();
}

std::weak_ptr<Layer> LayerBaseListContentButton::layerBase() const
{
    return m_pLayerBase;
}

quint8 LayerBaseListContentButton::layerBaseKeyNo() const
{
    if (auto layer = m_pLayerBase.lock())
        return layer->layerId();
    return 255;
}

LayerBaseListContentButton::LayerType LayerBaseListContentButton::layerBaseKeyType() const
{
    if (auto layer = m_pLayerBase.lock())
        return layer->layerType();
    return LayerType::Invalid;
}

QString LayerBaseListContentButton::geteElidedText(QFont font, QString text, int width)
{
    return m_elidedTexts.fitted(font, text, width, [&] { return Internal::elidedToWidth(font, text, width); });
}

void LayerBaseListContentButton::updateUIFromData()
{
    if (auto layer = m_pLayerBase.lock()) {
        // Measured with the font the style sheet gives the label, not the one it starts with.
        m_pLayerBaseNameLabel->ensurePolished();
        const QString name = layer->name();
        setToolTip(name);
        QString displayName = name;
        if (layer->layerType() == LayerEnum::Cut)
            displayName = tr("Cut-") + name;
        else if (layer->layerType() == LayerEnum::Regular && layer->cutAndFill())
            displayName = tr("Fill-") + name;
        m_pLayerBaseNameLabel->setText(geteElidedText(m_pLayerBaseNameLabel->font(), displayName, NameElideWidth));
    } else {
        m_pLayerBaseNameLabel->setText(QString());
        setToolTip(QString());
    }
}

void LayerBaseListContentButton::retranslateUi()
{
    // The only translated texts are the name prefixes.
    updateUIFromData();
}

void LayerBaseListContentButton::resetLayout() { }

void LayerBaseListContentButton::slotButtonClicked(bool isToggled)
{
    if (isToggled && !m_pLayerBase.expired())
        emit layerBaseClicked(m_pLayerBase);
}

void LayerBaseListContentButton::slotContentButtonToggled(bool isToggled)
{
    m_pLayerBaseNameLabel->setProperty("isChecked", isToggled);
    m_pLayerBaseNameLabel->style()->unpolish(m_pLayerBaseNameLabel);
    m_pLayerBaseNameLabel->style()->polish(m_pLayerBaseNameLabel);
    // The checked look may come with another font.
    updateUIFromData();
}

bool LayerBaseListContentButton::hasLiveOwner() const
{
    if (auto layer = m_pLayerBase.lock())
        return !layer->ownerScreen().expired();
    return false;
}

void LayerBaseListContentButton::mousePressEvent(QMouseEvent* event)
{
    QToolButton::mousePressEvent(event);
    if (hasLiveOwner())
        emit layerBasePressed(m_pLayerBase);
}

// The release reports a click wherever it lands: a finger on the touch panel easily slides off the
// button before it lifts. The tool button's own clicked() is not wired to slotButtonClicked, so one
// press and release is one click.
void LayerBaseListContentButton::mouseReleaseEvent(QMouseEvent* event)
{
    QToolButton::mouseReleaseEvent(event);
    if (!hasLiveOwner())
        return;
    emit layerBaseReleased(m_pLayerBase);
    // A receiver of the release may have rebound this button.
    if (hasLiveOwner())
        emit layerBaseClicked(m_pLayerBase);
}

// ---------------------------------------------------------------------------------------------
// LayerBaseListWidget

LayerBaseListWidget::LayerBaseListWidget(QWidget* parent)
    : NaviSliderFrame(parent)
{ }

LayerBaseListWidget::~LayerBaseListWidget() = default;

void LayerBaseListWidget::initListWidgetItem(
    std::weak_ptr<Device> pDevice, std::weak_ptr<Screen> pScreenBase, SceneType nSceneType)
{
    RebuildScope scope(this);
    m_pDevice = std::move(pDevice);
    m_pScreenBase = std::move(pScreenBase);
    m_nSceneType = nSceneType;
    m_bMultiViewerForm = false;

    const auto device = m_pDevice.lock();
    const auto screen = m_pScreenBase.lock();
    if (!device || !screen) {
        contentButtonsHide();
        return;
    }

    // The selected layers of the scene by number and type. The buttons of those keys are noted as
    // they are placed (the first button of a key wins, as with findContentButton), so that the
    // selection needs no second walk of the strip.
    QVector<int> selectedKeys;
    const QList<std::weak_ptr<Layer>> selectedLayers = screen->selectedLayers(LayerEnum::NotImageType);
    for (const auto& weakLayer : selectedLayers) {
        auto layer = weakLayer.lock();
        if (layer && layer->sceneType() == m_nSceneType)
            selectedKeys.append(layerKey(layer->layerId(), layer->layerType()));
    }
    QHash<int, LayerBaseListContentButton*> selectedByKey;

    const QList<QAbstractButton*> reuse = getContentButtons();
    int index = 0;
    // (References are handed on as they are: every copy of a weak or shared pointer costs two
    // atomic operations, a noticeable part of a rebuild that changes nothing.)
    auto place = [&](const std::weak_ptr<Layer>& weakLayer, const Layer& layer) {
        if (!admitsLayer(layer, *screen, m_nSceneType))
            return;
        auto* button = takeOrCreateButton(reuse, index, weakLayer);
        if (!button)
            return;
        button->setLayerBase(m_pDevice, m_pScreenBase, m_nSceneType, weakLayer);
        placeContentButton(button, false);
        ++index;
        if (!selectedKeys.isEmpty()) {
            const int key = layerKey(layer.layerId(), layer.layerType());
            if (selectedKeys.contains(key) && !selectedByKey.contains(key))
                selectedByKey.insert(key, button);
        }
    };
    // A cut layer always follows the layer it cuts.
    const QList<std::weak_ptr<Layer>> layers = screen->layers(m_nSceneType, ListedLayerTypes);
    for (const auto& weakLayer : layers) {
        const auto layer = weakLayer.lock();
        if (!layer)
            continue;
        place(weakLayer, *layer);
        if (layer->isCutLayerEnable()) {
            const std::weak_ptr<Layer> weakCut = layer->cutLayer();
            if (const auto cut = weakCut.lock())
                place(weakCut, *cut);
        }
    }
    hideContentButtonsFrom(reuse, index);

    QList<LayerBaseListContentButton*> selected;
    for (int key : qAsConst(selectedKeys)) {
        if (auto* button = selectedByKey.value(key))
            selected.append(button);
    }
    setSelectedButton(selected, false);
    contentFrameResize();
}

void LayerBaseListWidget::initListWidgetItem(
    std::weak_ptr<Device> pDevice, std::weak_ptr<Vireo::BizModel::MVRScreen> pMVRScreen, SceneType nSceneType)
{
    RebuildScope scope(this);
    m_pDevice = std::move(pDevice);
    m_pScreenBase = pMVRScreen;
    m_nSceneType = nSceneType;
    m_bMultiViewerForm = true;

    const auto device = m_pDevice.lock();
    const auto mvrScreen = pMVRScreen.lock();
    if (!device || !mvrScreen) {
        contentButtonsHide();
        return;
    }

    // Every multiviewer screen's program layers, whatever scene was asked for.
    QList<std::weak_ptr<Layer>> layers;
    const QList<std::weak_ptr<Screen>> screens = device->screens(ScreenEnum::MVRScreen);
    for (const auto& weakScreen : screens) {
        if (auto screen = weakScreen.lock())
            layers.append(screen->layers(LayerEnum::PGM, LayerEnum::MVR));
    }

    const QList<QAbstractButton*> reuse = getContentButtons();
    int index = 0;
    for (const auto& weakLayer : layers) {
        const auto layer = weakLayer.lock();
        if (!layer)
            continue;
        auto* button = takeOrCreateButton(reuse, index, weakLayer);
        if (!button)
            continue;
        button->setLayerBase(m_pDevice, layer->ownerScreen(), m_nSceneType, weakLayer);
        placeContentButton(button, false);
        ++index;
    }
    hideContentButtonsFrom(reuse, index);

    setSelectedButton(buttonsOfLayers(mvrScreen->selectedLayers()), false);
    contentFrameResize();
}

LayerBaseListContentButton* LayerBaseListWidget::takeOrCreateButton(
    const QList<QAbstractButton*>& reuse, int index, const std::weak_ptr<Layer>& layer)
{
    auto* button = reuseContentButton<LayerBaseListContentButton>(reuse, index);
    if (!button) {
        button = createLayerBaseContentButton(m_pDevice, m_pScreenBase, m_nSceneType, layer, this);
        if (!button)
            return nullptr;
    }
    connectContentButton(button);
    return button;
}

// Both forms connect every signal, once: a button made by one form is later reused by the other,
// and the slots themselves decide what the current form does with a press, release or click.
// Connecting again at every rebuild would search the button's connections three times per button.
void LayerBaseListWidget::connectContentButton(LayerBaseListContentButton* button)
{
    if (button->m_bListConnected)
        return;
    button->m_bListConnected = true;
    connect(button, &LayerBaseListContentButton::layerBasePressed, this, &LayerBaseListWidget::slotLayerBasePressed,
        Qt::UniqueConnection);
    connect(button, &LayerBaseListContentButton::layerBaseReleased, this, &LayerBaseListWidget::slotLayerBaseReleased,
        Qt::UniqueConnection);
    connect(button, &LayerBaseListContentButton::layerBaseClicked, this, &LayerBaseListWidget::slotLayerBaseClicked,
        Qt::UniqueConnection);
}

bool LayerBaseListWidget::isAllowAddLayerBase(std::weak_ptr<Layer> pLayerBase, SceneType nSceneType)
{
    const auto cachedScreen = m_pScreenBase.lock();
    const auto layer = pLayerBase.lock();
    return cachedScreen && layer && admitsLayer(*layer, *cachedScreen, nSceneType);
}

bool LayerBaseListWidget::admitsLayer(const Layer& layer, const Screen& cachedScreen, SceneType nSceneType)
{
    const auto owner = layer.ownerScreen().lock();
    if (!owner)
        return false;
    // The types are compared, not the screens.
    if (owner->screenType() != cachedScreen.screenType())
        return false;
    if (layer.sceneType() != nSceneType)
        return false;
    if (layer.isCutLayer() && !layer.isCutLayerEnable())
        return false;
    return true;
}

// The rule of the rebuild of the current form.
bool LayerBaseListWidget::isAdmitted(const std::weak_ptr<Layer>& pLayerBase)
{
    if (!m_bMultiViewerForm)
        return isAllowAddLayerBase(pLayerBase, m_nSceneType);
    const auto layer = pLayerBase.lock();
    if (!layer || layer->layerType() != LayerEnum::MVR || layer->sceneType() != LayerEnum::PGM)
        return false;
    const auto owner = layer->ownerScreen().lock();
    return owner && owner->screenType() == ScreenEnum::MVRScreen;
}

void LayerBaseListWidget::addLayerBaseFromModel(std::weak_ptr<Screen> pScreenBase, std::weak_ptr<Layer> pLayerBase)
{
    ItemInitingLocker locker(m_bItemIniting);
    const auto screen = pScreenBase.lock();
    const auto layer = pLayerBase.lock();
    const auto cachedScreen = m_pScreenBase.lock();
    if (!screen || !layer || !cachedScreen) {
        const auto flag = [](bool isNull) { return isNull ? QStringLiteral("true") : QStringLiteral("false"); };
        qWarning("%s",
            qPrintable(QStringLiteral("screen is nullptr") + flag(!screen) + QStringLiteral(" layer is nullptr") +
                flag(!layer) + QStringLiteral(" current screen is nullptr") + flag(!cachedScreen)));
        return;
    }
    if (screen != cachedScreen) {
        qWarning("Current cache screen is not same as given screen");
        return;
    }
    if (layer->layerType() == LayerEnum::BKG || layer->layerType() == LayerEnum::Logo)
        return;

    LayerBaseListContentButton* existing = findContentButton(pLayerBase);
    // The next rebuild would drop a layer the list does not admit; do not show it in between.
    if (!isAdmitted(pLayerBase)) {
        if (existing)
            hideLayerButton(existing);
        contentFrameResize();
        return;
    }

    const std::weak_ptr<Screen> buttonScreen = m_bMultiViewerForm ? layer->ownerScreen() : m_pScreenBase;
    if (existing) {
        existing->show();
        existing->setLayerBase(m_pDevice, buttonScreen, m_nSceneType, pLayerBase);
        return;
    }

    auto* button = takeOrCreateButton({}, 0, pLayerBase);
    if (!button)
        return;
    button->setLayerBase(m_pDevice, buttonScreen, m_nSceneType, pLayerBase);
    if (layer->isCutLayer())
        insertContentButton(button, findNextContentButton(layer->fillLayer()), false);
    else
        addContentButton(button, false);
    button->show();
    contentFrameResize();
}

void LayerBaseListWidget::removeLayerBaseFromModel(std::weak_ptr<Screen> pScreenBase, std::weak_ptr<Layer> pLayerBase)
{
    const auto screen = pScreenBase.lock();
    const auto cachedScreen = m_pScreenBase.lock();
    if (!screen || !cachedScreen || screen != cachedScreen)
        return;

    // The layer has usually expired by the time the removal is reported, and a fill layer takes
    // its cut layer with it: every button whose layer is gone goes as well.
    QList<LayerBaseListContentButton*> gone;
    const QList<QAbstractButton*> buttons = getContentButtons();
    for (QAbstractButton* abstractButton : buttons) {
        auto* button = qobject_cast<LayerBaseListContentButton*>(abstractButton);
        if (!button)
            continue;
        const std::weak_ptr<Layer> shown = button->layerBase();
        if ((!isEmptyReference(pLayerBase) && isSameObject(shown, pLayerBase)) || shown.expired())
            gone.append(button);
    }
    for (LayerBaseListContentButton* button : gone)
        hideLayerButton(button);
    contentFrameResize();
}

// Unchecked first: the frame re-checks a neighbour when a checked button leaves a single other
// checked one, which would show a layer as selected that the device never selected.
void LayerBaseListWidget::hideLayerButton(LayerBaseListContentButton* button)
{
    if (button->isChecked()) {
        const QSignalBlocker groupBlocker(m_pContentButtonGroup);
        button->setChecked(false);
    }
    contentButtonsHide(button);
}

// The shown buttons of the given layers, in the layers' order; one look-up table instead of a search
// of the strip per layer.
QList<LayerBaseListContentButton*> LayerBaseListWidget::buttonsOfLayers(const QList<std::weak_ptr<Layer>>& layers)
{
    QHash<const Layer*, LayerBaseListContentButton*> byLayer;
    const QList<QAbstractButton*> buttons = getContentButtons();
    byLayer.reserve(buttons.size());
    for (QAbstractButton* abstractButton : buttons) {
        if (auto* button = qobject_cast<LayerBaseListContentButton*>(abstractButton)) {
            if (auto layer = button->layerBase().lock()) {
                if (!byLayer.contains(layer.get()))
                    byLayer.insert(layer.get(), button);
            }
        }
    }
    QList<LayerBaseListContentButton*> found;
    for (const auto& weakLayer : layers) {
        if (auto layer = weakLayer.lock()) {
            if (auto* button = byLayer.value(layer.get()))
                found.append(button);
        }
    }
    return found;
}

void LayerBaseListWidget::selectedLayerBaseFromModel(std::weak_ptr<Screen> pScreenBase, std::weak_ptr<Layer> pLayerBase)
{
    Q_UNUSED(pLayerBase)
    const auto screen = pScreenBase.lock();
    const auto cachedScreen = m_pScreenBase.lock();
    if (!screen || !cachedScreen || screen != cachedScreen) {
        setSelectedButton({}, false);
        return;
    }

    setSelectedButton(buttonsOfLayers(screen->selectedLayers()), false);
    contentFrameResize();
}

std::weak_ptr<Device> LayerBaseListWidget::currentDevice() const
{
    return m_pDevice;
}

std::weak_ptr<Screen> LayerBaseListWidget::currentScreenBase() const
{
    return m_pScreenBase;
}

LayerBaseListWidget::SceneType LayerBaseListWidget::currentSceneType() const
{
    return m_nSceneType;
}

LayerBaseListContentButton* LayerBaseListWidget::findContentButton(
    const quint8& nLayerKeyNo, const LayerType& nLayerType)
{
    const QList<QAbstractButton*> buttons = getContentButtons();
    for (QAbstractButton* abstractButton : buttons) {
        auto* button = qobject_cast<LayerBaseListContentButton*>(abstractButton);
        if (button && button->layerBaseKeyNo() == nLayerKeyNo && button->layerBaseKeyType() == nLayerType)
            return button;
    }
    return nullptr;
}

LayerBaseListContentButton* LayerBaseListWidget::findContentButton(const std::weak_ptr<Layer>& pLayerBase)
{
    const auto layer = pLayerBase.lock();
    if (!layer)
        return nullptr;
    const QList<QAbstractButton*> buttons = getContentButtons();
    for (QAbstractButton* abstractButton : buttons) {
        auto* button = qobject_cast<LayerBaseListContentButton*>(abstractButton);
        if (button && button->layerBase().lock() == layer)
            return button;
    }
    return nullptr;
}

LayerBaseListContentButton* LayerBaseListWidget::findNextContentButton(const std::weak_ptr<Layer>& pLayerBase)
{
    const auto layer = pLayerBase.lock();
    if (!layer || !m_pContentLayout)
        return nullptr;
    for (int i = 0; i < m_pContentLayout->count() - 1; ++i) {
        QWidget* current = m_pContentLayout->itemAt(i)->widget();
        QWidget* next = m_pContentLayout->itemAt(i + 1)->widget();
        if (!current || !next)
            return nullptr;
        auto* button = qobject_cast<LayerBaseListContentButton*>(current);
        if (button && button->layerBase().lock() == layer)
            return qobject_cast<LayerBaseListContentButton*>(next);
    }
    return nullptr;
}

void LayerBaseListWidget::setSelectedButton(QList<LayerBaseListContentButton*> buttons, bool withSignals)
{
    if (!m_pContentButtonGroup)
        return;
    std::optional<QSignalBlocker> groupBlocker;
    if (!withSignals)
        groupBlocker.emplace(m_pContentButtonGroup);
    // An exclusive group refuses to uncheck its checked button.
    const bool exclusive = m_pContentButtonGroup->exclusive();
    m_pContentButtonGroup->setExclusive(false);

    // Every button is unchecked first, then the listed ones are checked: with signals, a listed
    // button that was checked already reports both toggles. Without them (a rebuild) nobody hears
    // the group, and a button that stays checked is not toggled off and on, which would restyle
    // it for nothing. Buttons outside the strip (cached) are left alone.
    QSet<QAbstractButton*> kept;
    if (!withSignals) {
        for (LayerBaseListContentButton* button : buttons)
            kept.insert(button);
    }
    const QList<QAbstractButton*> all = m_pContentButtonGroup->buttons();
    for (QAbstractButton* button : all) {
        if (button->isChecked() && !kept.contains(button))
            button->setChecked(false);
    }
    for (LayerBaseListContentButton* button : buttons) {
        if (button && button->group() == m_pContentButtonGroup && !button->isChecked())
            button->setChecked(true);
    }
    m_pContentButtonGroup->setExclusive(exclusive);
}

void LayerBaseListWidget::retranslateUi()
{
    const QList<QAbstractButton*> buttons = getContentButtons();
    for (QAbstractButton* abstractButton : buttons) {
        if (auto* button = qobject_cast<LayerBaseListContentButton*>(abstractButton))
            button->retranslateUi();
    }
}

void LayerBaseListWidget::resetHideContentButton(QToolButton* button)
{
    if (auto* layerButton = qobject_cast<LayerBaseListContentButton*>(button))
        layerButton->setLayerBase(m_pDevice, m_pScreenBase, m_nSceneType, std::weak_ptr<Layer>());
}

void LayerBaseListWidget::clearPressedLayer()
{
    m_nPressedLayerBaseKeyNo = 255;
    m_nPressedLayerBaseKeyType = LayerType::Invalid;
    m_pressedLayer.clear();
}

// The released (or clicked) layer is the one pressed in this press: same device, screen, number and type.
bool LayerBaseListWidget::isPressedLayer(const std::weak_ptr<Layer>& pLayerBase) const
{
    return m_pressedLayer.matches(Internal::layerIdentity(m_pDevice, pLayerBase), pressSerial());
}

void LayerBaseListWidget::slotLayerBasePressed(std::weak_ptr<Layer> pLayerBase)
{
    clearPressedLayer();
    if (auto layer = pLayerBase.lock()) {
        m_nPressedLayerBaseKeyNo = layer->layerId();
        m_nPressedLayerBaseKeyType = layer->layerType();
        m_pressedLayer.record(Internal::layerIdentity(m_pDevice, pLayerBase), pressSerial());
    }
}

void LayerBaseListWidget::slotLayerBaseReleased(std::weak_ptr<Layer> pLayerBase)
{
    // Multiviewer lists select on the click that follows the release; it ends the press.
    if (m_bMultiViewerForm)
        return;
    const bool pressedHere = isPressedLayer(pLayerBase);
    clearPressedLayer();
    const auto device = m_pDevice.lock();
    const auto layer = pLayerBase.lock();
    if (!device || !layer)
        return;
    const auto owner = layer->ownerScreen().lock();
    if (!owner)
        return;
    if (!pressedHere)
        return;

    const QSignalBlocker blocker(this);
    if (auto control = Vireo::ModelControl::Screen::layerModelControl(layer->layerType(), m_pDevice))
        control->setSelected(owner, {pLayerBase}, Vireo::BizModel::Enum::Cover, true);
}

void LayerBaseListWidget::slotLayerBaseClicked(std::weak_ptr<Layer> pLayerBase)
{
    // Screen lists select on press and release of the same layer.
    if (!m_bMultiViewerForm)
        return;
    // A click reported by a button must name the layer pressed on it; the host may also call the slot.
    const bool fromButton = qobject_cast<LayerBaseListContentButton*>(sender()) != nullptr;
    const bool pressedHere = !fromButton || isPressedLayer(pLayerBase);
    clearPressedLayer();
    const auto layer = pLayerBase.lock();
    if (!pressedHere || !layer || !findContentButton(pLayerBase))
        return;
    const auto owner = layer->ownerScreen().lock();
    if (!owner)
        return;

    const QSignalBlocker blocker(this);
    m_pScreenBase = owner;
    if (auto control = Vireo::ModelControl::Screen::layerModelControl(layer->layerType(), owner->owerDevice()))
        control->setSelected(owner, {pLayerBase}, Vireo::BizModel::Enum::Cover, true);
}

void LayerBaseListWidget::startDrag(QMouseEvent* event)
{
    Q_UNUSED(event)
    if (m_pDevice.expired())
        qWarning("device model is nullptr.");
}

void LayerBaseListWidget::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::RightButton) || !isEnabled()) {
        NaviSliderFrame::mouseMoveEvent(event);
        return;
    }
    startDrag(event);
    NaviSliderFrame::mouseMoveEvent(event);
    // A press followed by a move out of the button never selects.
    clearPressedLayer();
}

} // namespace Vireo::Widgets
