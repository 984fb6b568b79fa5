#pragma once

// The sample screen list: a narrow vertical list of screen names, without navigation buttons and
// without drags.

#include <vireowidgets/resources/screenlistwidget.h>
#include <vireowidgets/vireowidgets_export.h>

namespace Vireo::Widgets {

// The compact look of a screen button used by the sample screen list: the screen's name only.
class VIREOWIDGETS_EXPORT ScreenSampleContentButton : public ScreenListContentButton
{
    Q_OBJECT
public:
    ScreenSampleContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const int& nSceneType, QWidget* parent = nullptr);

    QSize sizeHint() const override;

public slots:
    void resetLayout() override;
};

// A vertical list of screens with compact buttons, for side panels. Filled and used as the other
// screen lists: initListWidgetItem() on every screen change, signals for the picked screen.
class VIREOWIDGETS_EXPORT ScreenSampleVListWidget : public ScreenListWidget
{
    Q_OBJECT
public:
    explicit ScreenSampleVListWidget(QWidget* parent = nullptr);

    void initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> pDevice, const int& nScreenType,
        const int& nSceneType, bool isCheckScreenValid = true,
        ReadScreenVideoFrameCallback cbReadScreenVideo = {}) override;

public:
    ScreenListContentButton* createScreenContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const SceneType& sceneType, QWidget* parent) override;
    void setMainLayout() override;
};

} // namespace Vireo::Widgets
