#include "screenlistwidget.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/foundation/resourcedrag.h>
#include <vireowidgets/foundation/videopreviewwidget.h>

#include <vireomodel/helper.h>

#include <QButtonGroup>
#include <QDebug>
#include <QFontMetrics>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>
#include <vector>

namespace Vireo::Widgets {

namespace {

namespace Enum = Vireo::BizModel::Enum;
using SceneType = Enum::Layer::SceneType;

constexpr int NameElideWidth = 125;

void repolish(QWidget* widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

// The scenes that get a button per screen: one "no scene" button for a mask of exactly Invalid,
// otherwise program then preview as the mask has them.
QVector<SceneType> scenesOfMask(int sceneMask)
{
    if (sceneMask == SceneType::Invalid)
        return {SceneType::Invalid};
    QVector<SceneType> scenes;
    if (sceneMask & SceneType::PGM)
        scenes.append(SceneType::PGM);
    if (sceneMask & SceneType::PVW)
        scenes.append(SceneType::PVW);
    return scenes;
}

// Display order: index, then screen type, then screen number, all ascending.
bool screenLess(const std::shared_ptr<Vireo::BizModel::Screen>& a, const std::shared_ptr<Vireo::BizModel::Screen>& b)
{
    if (a->index() != b->index())
        return a->index() < b->index();
    if (a->screenType() != b->screenType())
        return a->screenType() < b->screenType();
    return int(a->screenId()) < int(b->screenId());
}

} // namespace

// ---------------------------------------------------------------------------------------------
// ScreenListContentButton

ScreenListContentButton::ScreenListContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
    std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const int& nSceneType,
    ReadScreenVideoFrameCallback cbReadScreenVideo, QWidget* parent)
    : QToolButton(parent)
    , m_pDevice(std::move(pDevice))
    , m_pScreenBase(std::move(pScreenBase))
    , m_nSceneType(nSceneType)
    , m_cbReadScreenVideo(std::move(cbReadScreenVideo))
{
    createWidgets();
    createConnects();
}

ScreenListContentButton::~ScreenListContentButton() = default;

void ScreenListContentButton::createWidgets()
{
    setAttribute(Qt::WA_AcceptTouchEvents);

    m_pLabelName = new QWrapLabel(this);
    m_pLabelName->setObjectName(QStringLiteral("ScreenName"));
    m_pLabelName->setProperty("isChecked", false);

    m_pLabelRadio = new QLabel(this);
    m_pLabelRadio->setObjectName(QStringLiteral("RatioLabel"));

    m_pLabelVideo = new VideoPreviewWidget(this);
    m_pLabelVideo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);

    m_pButtonClose = new QToolButton(this);
    m_pButtonClose->setProperty("isCloseButton", true);
    m_pButtonClose->setFixedSize(32, 32);
    m_pButtonClose->setAttribute(Qt::WA_AcceptTouchEvents);

    m_pLabelMosaic = new QLabel(this);
    m_pLabelLayerCnt = new QLabel(this);
    m_pLabelOutputCnt = new QLabel(this);
    for (QLabel* label : {m_pLabelMosaic, m_pLabelLayerCnt, m_pLabelOutputCnt})
        label->setProperty("isScreenContent", true);
}

void ScreenListContentButton::createConnects()
{
    // The close names the screen pressed: when a rebuild gave the button another screen between
    // press and release, nothing is reported. A click with no press (the host's click()) closes the
    // screen shown.
    connect(m_pButtonClose, &QToolButton::pressed, this,
        [this] { m_closePressedScreen = Internal::screenIdentity(m_pDevice, m_pScreenBase, m_nSceneType); });
    connect(m_pButtonClose, &QToolButton::clicked, this, [this]() {
        const Internal::ResourceIdentity pressed = m_closePressedScreen;
        m_closePressedScreen = Internal::ResourceIdentity();
        if (pressed.isValid() && pressed != Internal::screenIdentity(m_pDevice, m_pScreenBase, m_nSceneType)) {
            qWarning() << "Close: the button shows another screen than the one pressed; nothing reported.";
            return;
        }
        emit screenCloseClicked(m_pScreenBase);
    });
    connect(this, &QToolButton::toggled, this, [this](bool checked) { setNameProperty("isChecked", checked); });
}

void ScreenListContentButton::setNameProperty(const char* name, bool value)
{
    if (m_pLabelName->property(name) == QVariant(value))
        return;
    m_pLabelName->setProperty(name, value);
    updateStyleSheet();
}

void ScreenListContentButton::setScreenBase(std::weak_ptr<Vireo::BizModel::Device> pDevice,
    std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const int& nSceneType)
{
    m_pDevice = std::move(pDevice);
    m_pScreenBase = std::move(pScreenBase);
    m_nSceneType = nSceneType;
    updateUIFromData();
}

std::weak_ptr<Vireo::BizModel::Screen> ScreenListContentButton::screenBase() const
{
    return m_pScreenBase;
}

int ScreenListContentButton::sceneType() const
{
    return m_nSceneType;
}

quint8 ScreenListContentButton::screenKeyNo() const
{
    if (auto screen = m_pScreenBase.lock())
        return screen->screenId();
    return 255;
}

int ScreenListContentButton::screenType() const
{
    if (auto screen = m_pScreenBase.lock())
        return screen->screenType();
    return Enum::Screen::Invalid;
}

void ScreenListContentButton::updateUIFromData()
{
    auto screen = m_pScreenBase.lock();
    if (!screen) {
        m_pLabelOutputCnt->clear();
        m_pLabelLayerCnt->clear();
        m_pLabelName->setText(QString());
        m_pLabelName->setToolTip(QString());
        m_pLabelRadio->clear();
        m_pLabelMosaic->clear();
        return;
    }

    const QString name = screen->name();
    if (!m_bNameTextOwnedByLook)
        m_pLabelName->setText(geteElidedText(m_pLabelName->font(), name, NameElideWidth));
    m_pLabelName->setToolTip(name);
    setNameProperty("isAuxScreenName", screen->screenType() == Enum::Screen::AUXScreen);

    const auto outputs = screen->outputs();
    float rate = 0.f;
    bool interlacing = false;
    if (!outputs.isEmpty()) {
        if (auto output = outputs.first().lock()) {
            rate = output->presetRefreshRate();
            interlacing = output->presetInterlacing();
        }
    }
    const QRect mosaic = screen->mosaicWindowRect();
    m_pLabelRadio->setText(Vireo::BizModel::Helper::formatFramerate(mosaic.size(), rate, interlacing));
    m_pLabelMosaic->setText(
        outputs.isEmpty() ? tr("N/A") : tr("Mosaic Area:%1*%2").arg(mosaic.width()).arg(mosaic.height()));
    const int layerTypes = Enum::Layer::Regular | Enum::Layer::AUX | Enum::Layer::MVR;
    m_pLabelLayerCnt->setText(tr("%1 Layers").arg(screen->layerCount(Enum::Layer::AllSceneType, layerTypes)));
    m_pLabelOutputCnt->setText(tr("%1 Ouputs").arg(outputs.size()));
}

void ScreenListContentButton::retranslateUi()
{
    updateUIFromData();
}

void ScreenListContentButton::updateScreenVideo()
{
    if (isHidden() || !m_cbReadScreenVideo)
        return;
    m_cbReadScreenVideo(m_pScreenBase, m_nSceneType, m_pLabelVideo->size(), m_pLabelVideo->getVideoFrame());
    m_pLabelVideo->refreshVideo();
}

void ScreenListContentButton::resetLayout() { }

void ScreenListContentButton::updateStyleSheet()
{
    repolish(m_pLabelName);
}

void ScreenListContentButton::setItemDisabled(bool) { }

QString ScreenListContentButton::geteElidedText(QFont font, QString text, int width)
{
    return m_elidedTexts.fitted(font, text, width, [&] { return Internal::elidedToWidth(font, text, width); });
}

void ScreenListContentButton::mousePressEvent(QMouseEvent* event)
{
    QToolButton::mousePressEvent(event);
    emit screenPressed(m_pScreenBase, m_nSceneType);
}

void ScreenListContentButton::mouseReleaseEvent(QMouseEvent* event)
{
    QToolButton::mouseReleaseEvent(event);
    emit screenReleased(m_pScreenBase, m_nSceneType);
}

// ---------------------------------------------------------------------------------------------
// ScreenListWidget

ScreenListWidget::ScreenListWidget(QWidget* parent)
    : NaviSliderFrame(parent)
{ }

ScreenListWidget::~ScreenListWidget() = default;

void ScreenListWidget::initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> pDevice, const int& nScreenType,
    const int& nSceneType, bool isCheckScreenValid, ReadScreenVideoFrameCallback cbReadScreenVideo)
{
    m_pDevice = std::move(pDevice);
    m_nScreenType = nScreenType;
    m_nSceneType = nSceneType;
    m_isCheckScreenValid = isCheckScreenValid;
    m_cbReadScreenVideo = std::move(cbReadScreenVideo);

    RebuildScope scope(this);
    auto device = m_pDevice.lock();
    if (!device) {
        contentButtonsHide();
        return;
    }

    // Lock every screen once: the order is then a strict one over live screens, and a screen that
    // expired meanwhile is simply left out, as the loop below would skip it anyway.
    const auto weakScreens = device->screens(getDeviceScreenType());
    std::vector<std::shared_ptr<Vireo::BizModel::Screen>> screens;
    screens.reserve(size_t(weakScreens.size()));
    for (const auto& weak : weakScreens) {
        if (auto screen = weak.lock())
            screens.push_back(std::move(screen));
    }
    device.reset();
    // The device usually keeps its screens in display order already.
    if (!std::is_sorted(screens.cbegin(), screens.cend(), screenLess))
        std::stable_sort(screens.begin(), screens.end(), screenLess);

    const QList<QAbstractButton*> reuse = getContentButtons();
    const QVector<SceneType> scenes = scenesOfMask(m_nSceneType);
    int index = 0;
    for (const auto& screen : screens) {
        if (!isAllowAddScreen(screen))
            continue;
        for (SceneType scene : scenes)
            addScreenContentButton(screen, reuse, index, scene, false);
    }
    hideContentButtonsFrom(reuse, index);
    contentFrameResize();
}

void ScreenListWidget::addScreenContentButton(std::weak_ptr<Vireo::BizModel::Screen> pScreenBase)
{
    auto device = m_pDevice.lock();
    auto screen = pScreenBase.lock();
    if (!device || !screen)
        return;
    // The same rules as a rebuild, so that the next rebuild keeps what is added here: a screen of
    // the listed types and of this device, one button per wanted scene and none twice.
    if (!(screen->screenType() & getDeviceScreenType()) || screen->owerDevice().lock() != device)
        return;
    if (!isAllowAddScreen(pScreenBase))
        return;

    const QSignalBlocker blocker(m_pContentButtonGroup);
    const auto identity = screen->screenIdentity();
    // An empty reuse list: every button comes out of the hidden cache (and leaves it) or is new.
    const QList<QAbstractButton*> reuse;
    int index = 0;
    for (SceneType scene : scenesOfMask(m_nSceneType)) {
        if (!findContentButton(identity, scene))
            addScreenContentButton(pScreenBase, reuse, index, scene, true);
    }
}

ScreenListContentButton* ScreenListWidget::addScreenContentButton(std::weak_ptr<Vireo::BizModel::Screen> pScreenBase,
    const QList<QAbstractButton*>& reuseButtons, int& index, const SceneType& sceneType, bool resize, bool)
{
    auto* button = reuseContentButton<ScreenListContentButton>(reuseButtons, index);
    if (button) {
        button->setScreenBase(m_pDevice, pScreenBase, sceneType);
    } else {
        button = createScreenContentButton(m_pDevice, pScreenBase, sceneType, this);
        if (!button) {
            qWarning() << "createScreenContentButton gave no button.";
            return nullptr;
        }
        connect(button, &ScreenListContentButton::screenPressed, this, &ScreenListWidget::slotScreenPressed,
            Qt::UniqueConnection);
        connect(button, &ScreenListContentButton::screenReleased, this, &ScreenListWidget::slotScreenReleased,
            Qt::UniqueConnection);
        connect(button, &ScreenListContentButton::screenCloseClicked, this, &ScreenListWidget::screenItemCloseClicked);
    }
    ++index;
    placeContentButton(button, resize);
    return button;
}

ScreenListContentButton* ScreenListWidget::findContentButton(
    const Vireo::ProtoModel::s_ScreenId& screenId, const SceneType& sceneType)
{
    for (QAbstractButton* item : getContentButtons()) {
        auto* button = qobject_cast<ScreenListContentButton*>(item);
        if (button && button->screenKeyNo() == screenId.screenId && button->screenType() == screenId.screenType &&
            button->sceneType() == sceneType)
            return button;
    }
    return nullptr;
}

void ScreenListWidget::setContentButtonEnabled(
    const Vireo::ProtoModel::s_ScreenId& screenId, const SceneType& sceneType, bool enabled)
{
    if (auto* button = findContentButton(screenId, sceneType)) {
        button->setEnabled(enabled);
        button->updateStyleSheet();
    }
}

void ScreenListWidget::updateScreenVideo()
{
    if (m_bItemIniting)
        return;
    for (QAbstractButton* item : getContentButtons()) {
        if (auto* button = qobject_cast<ScreenListContentButton*>(item))
            button->updateScreenVideo();
    }
}

void ScreenListWidget::updateScreenVideo(std::weak_ptr<Vireo::BizModel::Screen> pScreenBase)
{
    const auto wanted = pScreenBase.lock();
    if (!wanted)
        return;
    const bool wantPGM = m_nSceneType & SceneType::PGM;
    const bool wantPVW = m_nSceneType & SceneType::PVW;
    if (!wantPGM && !wantPVW)
        return;

    bool pgmDone = false;
    bool pvwDone = false;
    for (QAbstractButton* item : getContentButtons()) {
        auto* button = qobject_cast<ScreenListContentButton*>(item);
        if (!button)
            continue;
        if (button->screenBase().lock() == wanted) {
            if (button->sceneType() == SceneType::PVW && wantPVW) {
                button->updateScreenVideo();
                pvwDone = true;
            } else if (button->sceneType() == SceneType::PGM && wantPGM) {
                button->updateScreenVideo();
                pgmDone = true;
            }
        }
        if ((!wantPGM || pgmDone) && (!wantPVW || pvwDone))
            break;
    }
}

std::weak_ptr<Vireo::BizModel::Device> ScreenListWidget::currentDevice() const
{
    return m_pDevice;
}

int ScreenListWidget::getDeviceScreenType()
{
    return m_nScreenType & (Enum::Screen::RegularScreen | Enum::Screen::AUXScreen | Enum::Screen::MVRScreen);
}

bool ScreenListWidget::isAllowAddScreen(std::weak_ptr<Vireo::BizModel::Screen> pScreenBase)
{
    auto screen = pScreenBase.lock();
    if (!screen)
        return false;
    if (!m_isCheckScreenValid)
        return true;
    return screen->isValid();
}

void ScreenListWidget::setDragPixmapSize(const QSize& size)
{
    m_dragPixmapSize = size;
}

QSize ScreenListWidget::dragPixmapSize() const
{
    return m_dragPixmapSize;
}

void ScreenListWidget::isEnableDrag(bool enable)
{
    m_bEnableDrag = enable;
}

void ScreenListWidget::setDragButtonState(ScreenListContentButton*, bool) { }

void ScreenListWidget::retranslateUi()
{
    for (QAbstractButton* item : getContentButtons()) {
        if (auto* button = qobject_cast<ScreenListContentButton*>(item))
            button->retranslateUi();
    }
}

void ScreenListWidget::changeEvent(QEvent* event)
{
    NaviSliderFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

void ScreenListWidget::resetHideContentButton(QToolButton* button)
{
    if (auto* screenButton = qobject_cast<ScreenListContentButton*>(button))
        screenButton->setScreenBase(m_pDevice, std::weak_ptr<Vireo::BizModel::Screen>(), 0);
}

void ScreenListWidget::slotScreenPressed(std::weak_ptr<Vireo::BizModel::Screen> wScreenBase, const int& nSceneType)
{
    m_pressedScreenIdentity.record(Internal::screenIdentity(m_pDevice, wScreenBase, nSceneType), pressSerial());
    m_pPressedScreenBase = std::move(wScreenBase);
    m_nPressedSceneType = SceneType(nSceneType);
}

// Any release ends the press: one that does not match it (its screen vanished, or the button now
// shows another one) must not leave it behind for a later move to drag.
void ScreenListWidget::slotScreenReleased(std::weak_ptr<Vireo::BizModel::Screen> wScreenBase, const int&)
{
    Q_UNUSED(wScreenBase)
    clearPressedScreen();
}

void ScreenListWidget::clearPressedScreen()
{
    m_pPressedScreenBase.reset();
    m_nPressedSceneType = SceneType::Invalid;
    m_pressedScreenIdentity.clear();
}

void ScreenListWidget::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::RightButton) || !isEnabled()) {
        NaviSliderFrame::mouseMoveEvent(event);
        return;
    }
    // A press that ended, or that was not made on a screen button, drags nothing.
    if (!isPressRunning() || !m_pressedScreenIdentity.isCurrent(pressSerial()))
        clearPressedScreen();
    if (m_bEnableDrag)
        startDrag(event);
    NaviSliderFrame::mouseMoveEvent(event);
    clearPressedScreen();
}

void ScreenListWidget::startDrag(QMouseEvent*)
{
    ScreenListContentButton* button = nullptr;
    auto* mime = new QMimeData;
    {
        // The references are released before the drag runs its own event loop, so the model stays
        // free to drop the screen meanwhile.
        auto device = m_pDevice.lock();
        if (!device) {
            delete mime;
            qWarning() << "screen start drag has faied. The device model is nullptr.";
            return;
        }
        auto screen = m_pPressedScreenBase.lock();
        if (!screen) {
            delete mime;
            qWarning() << "screen start drag has faied. The selectd screenbase is nullptr";
            return;
        }
        button = findContentButton(screen->screenIdentity(), m_nPressedSceneType);
        // The pressed screen itself, still shown by its button, or no drag.
        if (!button || button->screenBase().lock() != screen ||
            !m_pressedScreenIdentity.matches(
                Internal::screenIdentity(m_pDevice, screen, m_nPressedSceneType), pressSerial())) {
            delete mime;
            return;
        }
        const QByteArray keyNo = Internal::keyNumberBytes(screen->screenId());
        mime->setText(screen->name());
        mime->setData(QString::fromLatin1(Vireo::Constants::MimeTypeScreenKeyNo), keyNo);
        mime->setData(
            QString::fromLatin1(Vireo::Constants::MimeTypeScreenTypeKeyNo), QByteArray::number(screen->screenType()));
        if (m_nPressedSceneType == SceneType::PVW)
            mime->setData(QString::fromLatin1(Vireo::Constants::MimeTypePVWKeyNo), keyNo);
        else if (m_nPressedSceneType == SceneType::PGM)
            mime->setData(QString::fromLatin1(Vireo::Constants::MimeTypePGMKeyNo), keyNo);
    }
    Internal::execResourceDrag(
        this, button, mime, m_dragPixmapSize, m_bIsCustomDrag, [this, button]() { setDragButtonState(button, true); },
        Internal::GrabFrame::OnGrab);
}

} // namespace Vireo::Widgets
