#include "layerbasesamplevlistwidget.h"

#include <vireomodel/bizmodel.h>

#include <QButtonGroup>

namespace Vireo::Widgets {

namespace {
constexpr QSize SampleButtonSize(160, 80);
}

namespace Internal {

LayerBaseSampleContentButtonPrivate::LayerBaseSampleContentButtonPrivate(LayerBaseSampleContentButton* button)
    : m_pContentButton(button)
{ }

void LayerBaseSampleContentButtonPrivate::init()
{
    m_pContentButton->setCheckable(true);
    m_pContentButton->setProperty("navigationbarlistindexes", true);
    m_pContentButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_pContentButton->resetLayout();
}

} // namespace Internal

LayerBaseSampleContentButton::LayerBaseSampleContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
    std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, SceneType nSceneType,
    std::weak_ptr<Vireo::BizModel::Layer> pLayerBase, QWidget* parent)
    : LayerBaseListContentButton(std::move(pDevice), std::move(pScreenBase), nSceneType, std::move(pLayerBase), parent)
    , d(std::make_unique<Internal::LayerBaseSampleContentButtonPrivate>(this))
{
    d->init();
}

LayerBaseSampleContentButton::~LayerBaseSampleContentButton() = default;

QSize LayerBaseSampleContentButton::sizeHint() const
{
    return SampleButtonSize;
}

void LayerBaseSampleContentButton::resetLayout()
{
    setFixedSize(SampleButtonSize);
}

LayerBaseSampleVListWidget::LayerBaseSampleVListWidget(QWidget* parent)
    : LayerBaseListWidget(parent)
{
    setOrientation(Qt::Vertical);
    setNaviButtonVisible(NaviWidgetTypeCnt, false);
    setContentLayoutContentsMargins(0, 0, 0, 0);
    setContentLayoutSpacing(0);
    setMainLayoutContentsMargins(0, 0, 0, 0);
    setScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pContentButtonGroup->setExclusive(false);
}

LayerBaseSampleVListWidget::~LayerBaseSampleVListWidget() = default;

LayerBaseListContentButton* LayerBaseSampleVListWidget::createLayerBaseContentButton(
    std::weak_ptr<Vireo::BizModel::Device> pDevice, std::weak_ptr<Vireo::BizModel::Screen> pScreenBase,
    SceneType nSceneType, std::weak_ptr<Vireo::BizModel::Layer> pLayerBase, QWidget* parent)
{
    return new LayerBaseSampleContentButton(
        std::move(pDevice), std::move(pScreenBase), nSceneType, std::move(pLayerBase), parent);
}

} // namespace Vireo::Widgets
