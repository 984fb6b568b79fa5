#include "screensamplevlistwidget.h"

#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/foundation/videopreviewwidget.h>

#include <QHBoxLayout>
#include <QLabel>

namespace Vireo::Widgets {

ScreenSampleContentButton::ScreenSampleContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
    std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const int& nSceneType, QWidget* parent)
    : ScreenListContentButton(std::move(pDevice), std::move(pScreenBase), nSceneType, {}, parent)
{
    setCheckable(true);
    setProperty("navigationbarlistindexes", true);
    for (QWidget* child : {static_cast<QWidget*>(m_pLabelRadio), static_cast<QWidget*>(m_pLabelVideo),
             static_cast<QWidget*>(m_pButtonClose), static_cast<QWidget*>(m_pLabelMosaic),
             static_cast<QWidget*>(m_pLabelLayerCnt), static_cast<QWidget*>(m_pLabelOutputCnt)})
        child->hide();
    resetLayout();
    updateUIFromData();
}

QSize ScreenSampleContentButton::sizeHint() const
{
    return QSize(160, 80);
}

void ScreenSampleContentButton::resetLayout()
{
    delete layout();
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(8);
    // Centred by the label itself: the label keeps the button's width to fit the name in.
    m_pLabelName->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_pLabelName);
}

ScreenSampleVListWidget::ScreenSampleVListWidget(QWidget* parent)
    : ScreenListWidget(parent)
{
    setOrientation(Qt::Vertical);
    setNaviButtonVisible(NaviWidgetTypeCnt, false);
    setContentLayoutContentsMargins(0, 0, 0, 0);
    setContentLayoutSpacing(0);
    setMainLayoutContentsMargins(0, 0, 0, 0);
    setScrollBarPolicy(Qt::ScrollBarAsNeeded);
    isEnableDrag(false);
}

void ScreenSampleVListWidget::initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> pDevice, const int& nScreenType,
    const int& nSceneType, bool isCheckScreenValid, ReadScreenVideoFrameCallback cbReadScreenVideo)
{
    ScreenListWidget::initListWidgetItem(
        std::move(pDevice), nScreenType, nSceneType, isCheckScreenValid, std::move(cbReadScreenVideo));
}

ScreenListContentButton* ScreenSampleVListWidget::createScreenContentButton(
    std::weak_ptr<Vireo::BizModel::Device> pDevice, std::weak_ptr<Vireo::BizModel::Screen> pScreenBase,
    const SceneType& sceneType, QWidget* parent)
{
    return new ScreenSampleContentButton(std::move(pDevice), std::move(pScreenBase), sceneType, parent);
}

void ScreenSampleVListWidget::setMainLayout()
{
    ScreenListWidget::setMainLayout();
}

} // namespace Vireo::Widgets
