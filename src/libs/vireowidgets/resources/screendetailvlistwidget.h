#pragma once

// The detail screen list: a vertical list with a live video preview per screen and scene, and
// previous / next buttons below the strip. Screens can be dragged out of it.

#include <vireowidgets/resources/screenlistwidget.h>
#include <vireowidgets/vireowidgets_export.h>

namespace Vireo::Widgets {

class VIREOWIDGETS_EXPORT ScreenDetailContentButton : public ScreenListContentButton
{
    Q_OBJECT
public:
    ScreenDetailContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const int& nSceneType,
        ReadScreenVideoFrameCallback cbReadScreenVideo, QWidget* parent = nullptr);

    QSize sizeHint() const override;

public slots:
    void updateUIFromData() override;
    void resetLayout() override;
};

class VIREOWIDGETS_EXPORT ScreenDetailVListWidget : public ScreenListWidget
{
    Q_OBJECT
public:
    explicit ScreenDetailVListWidget(QWidget* parent = nullptr);

    void initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> pDevice, const int& nScreenType,
        const int& nSceneType, bool isCheckScreenValid = true,
        ReadScreenVideoFrameCallback cbReadScreenVideo = {}) override;
    void retranslateUi() override;

protected:
    ScreenListContentButton* createScreenContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const SceneType& sceneType, QWidget* parent) override;
    void setMainLayout() override;
};

} // namespace Vireo::Widgets
