#pragma once

// The layer list this library provides: a vertical strip of 160 x 80 layer buttons, several of
// which can show as selected at once.

#include <vireowidgets/resources/layerbaselistwidget.h>
#include <vireowidgets/vireowidgets_export.h>

#include <memory>

namespace Vireo::Widgets {

class LayerBaseSampleContentButton;

namespace Internal {

class LayerBaseSampleContentButtonPrivate
{
public:
    explicit LayerBaseSampleContentButtonPrivate(LayerBaseSampleContentButton* button);
    void init();

    LayerBaseSampleContentButton* m_pContentButton = nullptr;
};

} // namespace Internal

// The compact look of a layer button, used by the sample layer list. Created by
// LayerBaseSampleVListWidget; hosts style it by its object names and dynamic properties.
class VIREOWIDGETS_EXPORT LayerBaseSampleContentButton : public LayerBaseListContentButton
{
    Q_OBJECT
public:
    LayerBaseSampleContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, SceneType nSceneType,
        std::weak_ptr<Vireo::BizModel::Layer> pLayerBase, QWidget* parent = nullptr);
    ~LayerBaseSampleContentButton() override;

    QSize sizeHint() const override;

public slots:
    void resetLayout() override;

private:
    std::unique_ptr<Internal::LayerBaseSampleContentButtonPrivate> d;
};

// A vertical layer list with compact buttons, for the side panels of the host's pages. It behaves as
// LayerBaseListWidget: fill it with initListWidgetItem() and call that again on every layer change.
class VIREOWIDGETS_EXPORT LayerBaseSampleVListWidget : public LayerBaseListWidget
{
    Q_OBJECT
public:
    explicit LayerBaseSampleVListWidget(QWidget* parent = nullptr);
    ~LayerBaseSampleVListWidget() override;

public:
    LayerBaseListContentButton* createLayerBaseContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, SceneType nSceneType,
        std::weak_ptr<Vireo::BizModel::Layer> pLayerBase, QWidget* parent) override;
};

} // namespace Vireo::Widgets
