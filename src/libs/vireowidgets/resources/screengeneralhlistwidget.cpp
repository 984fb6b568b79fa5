#include "screengeneralhlistwidget.h"

#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/foundation/videopreviewwidget.h>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace Vireo::Widgets {

namespace Internal {
const QSize ButtonSize(184, 82);
} // namespace Internal

ScreenGeneralContentButton::ScreenGeneralContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
    std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const int& nSceneType, QWidget* parent)
    : ScreenListContentButton(std::move(pDevice), std::move(pScreenBase), nSceneType, {}, parent)
{
    setFixedSize(Internal::ButtonSize);
    setCheckable(true);
    setProperty("isGeneralModel", true);
    setProperty("isScreenGeneralMode", true);
    m_pLabelVideo->hide();
    m_pLabelRadio->hide();
    resetLayout();
    updateUIFromData();
}

QSize ScreenGeneralContentButton::sizeHint() const
{
    return Internal::ButtonSize;
}

void ScreenGeneralContentButton::resetLayout()
{
    delete layout();
    m_pLabelName->setFixedSize(100, 32);
    m_pLabelName->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* topRow = new QHBoxLayout;
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_pLabelName);
    topRow->addStretch();
    topRow->addLayout(nameRow);
    topRow->addStretch();
    topRow->addWidget(m_pButtonClose);
    layout->addLayout(topRow);

    m_pLabelMosaic->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(m_pLabelMosaic);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->setContentsMargins(8, 0, 8, 8);
    bottomRow->addWidget(m_pLabelLayerCnt);
    bottomRow->addWidget(m_pLabelOutputCnt);
    layout->addLayout(bottomRow);
}

ScreenGeneralHListWidget::ScreenGeneralHListWidget(QWidget* parent)
    : ScreenListWidget(parent)
{
    setOrientation(Qt::Horizontal);
    setNaviButtonVisible(NaviWidgetTypeCnt, true);
    setContentLayoutContentsMargins(0, 0, 0, 0);
    setContentLayoutSpacing(8);
    setMainLayoutContentsMargins(0, 0, 0, 0);
    setScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    isEnableDrag(false);

    m_pAddButton->setIconSize(QSize(30, 30));
    m_pAddButton->setFixedSize(58, 58);
    for (QToolButton* button : {m_pPrevButton, m_pNextButton}) {
        button->setFixedSize(42, 42);
        button->setIconSize(QSize(19, 32));
    }
    m_pClearButton->setFixedSize(62, 34);
    m_pClearButton->setIconSize(QSize(20, 20));
    m_pClearButton->setProperty("NaviButton", false);
    m_pClearButton->setProperty("PropertyDetails", true);

    installEventFilter(this);
}

void ScreenGeneralHListWidget::initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> pDevice,
    const int& nScreenType, const int& nSceneType, bool, ReadScreenVideoFrameCallback cbReadScreenVideo)
{
    ScreenListWidget::initListWidgetItem(
        std::move(pDevice), nScreenType, nSceneType, false, std::move(cbReadScreenVideo));
}

ScreenListContentButton* ScreenGeneralHListWidget::createScreenContentButton(
    std::weak_ptr<Vireo::BizModel::Device> pDevice, std::weak_ptr<Vireo::BizModel::Screen> pScreenBase,
    const SceneType& sceneType, QWidget* parent)
{
    return new ScreenGeneralContentButton(std::move(pDevice), std::move(pScreenBase), sceneType, parent);
}

void ScreenGeneralHListWidget::setMainLayout()
{
    ScreenListWidget::setMainLayout();
}

bool ScreenGeneralHListWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        auto device = currentDevice().lock();
        if (!device)
            return false;
        auto screen = device->activedScreen().lock();
        if (!screen)
            return false;
        const std::weak_ptr<Vireo::BizModel::Screen> active = screen;
        const auto identity = screen->screenIdentity();
        screen.reset();
        device.reset();
        if (auto* button = findContentButton(identity, m_nPressedSceneType))
            emit button->screenCloseClicked(active);
        return true;
    }
    return ScreenListWidget::eventFilter(watched, event);
}

} // namespace Vireo::Widgets
