#pragma once

// The detail screen list: a vertical list with a live video preview per screen and scene, and
// previous / next buttons below the strip. Screens can be dragged out of it.

#include <vireowidgets/resources/screenlistwidget.h>
#include <vireowidgets/vireowidgets_export.h>

namespace Vireo::Widgets {

// A screen button of the detail list: the screen's live preview picture (filled by the host's
// ReadScreenVideoFrameCallback), its name with the scene ("-PGM" / "-PVW") and its refresh rate.
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

// The vertical list of screens with live pictures, one button per screen and scene. A host fills it
// with initListWidgetItem() (device, screen-type and scene masks), refreshes the pictures with
// updateScreenVideo(), and connects to its signals to learn which screen the operator picked or
// dragged out (MIME data with the screen's number, type and scene).
class VIREOWIDGETS_EXPORT ScreenDetailVListWidget : public ScreenListWidget
{
    Q_OBJECT
public:
    explicit ScreenDetailVListWidget(QWidget* parent = nullptr);

    void initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> pDevice, const int& nScreenType,
        const int& nSceneType, bool isCheckScreenValid = true,
        ReadScreenVideoFrameCallback cbReadScreenVideo = {}) override;
    void retranslateUi() override;

public:
    ScreenListContentButton* createScreenContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const SceneType& sceneType, QWidget* parent) override;
    void setMainLayout() override;
};

} // namespace Vireo::Widgets
