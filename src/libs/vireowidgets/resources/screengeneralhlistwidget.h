#pragma once

// The general screen list: a horizontal strip of screen cards with mosaic, layer and output counts
// and a close button. The Delete key asks the host to close the active screen.

#include <vireowidgets/resources/screenlistwidget.h>
#include <vireowidgets/vireowidgets_export.h>

namespace Vireo::Widgets {

// A screen card of the general list: the screen's name with a close button, its mosaic size and its
// layer and output counts; it shows no video. Created by ScreenGeneralHListWidget; hosts style it by
// its object names and dynamic properties.
class VIREOWIDGETS_EXPORT ScreenGeneralContentButton : public ScreenListContentButton
{
    Q_OBJECT
public:
    ScreenGeneralContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const int& nSceneType, QWidget* parent = nullptr);

    QSize sizeHint() const override;

public slots:
    void resetLayout() override;
};

// The horizontal strip of screen cards for overview pages. Filled by initListWidgetItem() like the
// other screen lists (every screen is listed, valid or not); pressing and releasing a card picks the
// screen.
class VIREOWIDGETS_EXPORT ScreenGeneralHListWidget : public ScreenListWidget
{
    Q_OBJECT
public:
    explicit ScreenGeneralHListWidget(QWidget* parent = nullptr);

    // The validity check is always off here: every screen of the masked types gets a card.
    void initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> pDevice, const int& nScreenType,
        const int& nSceneType, bool isCheckScreenValid = true,
        ReadScreenVideoFrameCallback cbReadScreenVideo = {}) override;

public:
    ScreenListContentButton* createScreenContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const SceneType& sceneType, QWidget* parent) override;
    void setMainLayout() override;

public:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace Vireo::Widgets
