#pragma once

// The list of a device's screens: one content button per screen and scene in the strip of a
// navigation slider frame. Concrete lists supply the button factory and the layout.

#include <vireowidgets/foundation/navisliderframe.h>
#include <vireowidgets/foundation/pressedresource.h>
#include <vireowidgets/foundation/textfitmemo.h>
#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/bizmodel.h>

#include <QImage>
#include <QSize>
#include <QToolButton>

#include <functional>
#include <memory>

class QLabel;
class QMouseEvent;

namespace Vireo::Widgets {

class QWrapLabel;
class VideoPreviewWidget;

// Lets the host fill a button's preview picture with the current frame of one scene of a screen,
// at the given size. The result is not used.
using ReadScreenVideoFrameCallback = std::function<bool(
    std::weak_ptr<Vireo::BizModel::Screen> screen, const int& sceneType, const QSize& size, QImage& frame)>;

// The base of every screen button: it holds a weak reference to its screen and scene, shows the
// screen's texts and preview, and reports the operator's press and release with the screen. Each
// screen list uses its own look derived from it.
class VIREOWIDGETS_EXPORT ScreenListContentButton : public QToolButton
{
    Q_OBJECT
public:
    using ReadScreenVideoFrameCallback = Vireo::Widgets::ReadScreenVideoFrameCallback;

    ScreenListContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const int& nSceneType,
        ReadScreenVideoFrameCallback cbReadScreenVideo, QWidget* parent = nullptr);
    ~ScreenListContentButton() override;

    void setScreenBase(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const int& nSceneType);
    std::weak_ptr<Vireo::BizModel::Screen> screenBase() const;
    int sceneType() const;

    // 255 and Invalid when the screen is gone, so that such a button never matches a real screen.
    quint8 screenKeyNo() const;
    int screenType() const;

    void updateStyleSheet();
    void setItemDisabled(bool disabled);
    QString geteElidedText(QFont font, QString text, int width);

public slots:
    virtual void updateUIFromData();
    virtual void retranslateUi();
    virtual void updateScreenVideo();
    virtual void resetLayout();

signals:
    void screenPressed(std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, int nSceneType);
    void screenReleased(std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, int nSceneType);
    void screenCloseClicked(std::weak_ptr<Vireo::BizModel::Screen> pScreenBase);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    std::weak_ptr<Vireo::BizModel::Device> m_pDevice;
    std::weak_ptr<Vireo::BizModel::Screen> m_pScreenBase;
    int m_nSceneType = Vireo::BizModel::Enum::Layer::SceneType::Invalid;
    QWrapLabel* m_pLabelName = nullptr;
    QLabel* m_pLabelRadio = nullptr;
    VideoPreviewWidget* m_pLabelVideo = nullptr;
    QToolButton* m_pButtonClose = nullptr;
    QLabel* m_pLabelMosaic = nullptr;
    QLabel* m_pLabelLayerCnt = nullptr;
    QLabel* m_pLabelOutputCnt = nullptr;
    ReadScreenVideoFrameCallback m_cbReadScreenVideo;
    // Set by a look that gives the name label its own text after the base filling: the base then
    // leaves that text alone, so that it does not change twice per update (every change measures
    // the label again and lays the button out again).
    bool m_bNameTextOwnedByLook = false;

private:
    void createWidgets();
    void createConnects();
    void setNameProperty(const char* name, bool value);

    Internal::TextFitMemo m_elidedTexts; // behind geteElidedText
    // The screen shown when the close button went down, until it comes up again.
    Internal::ResourceIdentity m_closePressedScreen;
};

// The base of the screen lists: one button per screen (and scene) of the device in a scrolling
// strip, sorted, rebuilt by initListWidgetItem() with cached buttons reused, a press and release that
// picks a screen, and a drag out of the strip that carries the screen's number, type and scene as
// MIME data. Hosts use one of its looks (detail, general, sample) rather than this class itself.
class VIREOWIDGETS_EXPORT ScreenListWidget : public NaviSliderFrame
{
    Q_OBJECT
public:
    using ReadScreenVideoFrameCallback = Vireo::Widgets::ReadScreenVideoFrameCallback;
    using SceneType = Vireo::BizModel::Enum::Layer::SceneType;

    explicit ScreenListWidget(QWidget* parent = nullptr);
    ~ScreenListWidget() override;

    // Adds the buttons of one new screen at the end of the strip, without re-sorting.
    void addScreenContentButton(std::weak_ptr<Vireo::BizModel::Screen> pScreenBase);
    // The per-button step shared by the rebuild and the single add. `reserved` has no effect.
    ScreenListContentButton* addScreenContentButton(std::weak_ptr<Vireo::BizModel::Screen> pScreenBase,
        const QList<QAbstractButton*>& reuseButtons, int& index, const SceneType& sceneType, bool resize,
        bool reserved = false);

    ScreenListContentButton* findContentButton(
        const Vireo::ProtoModel::s_ScreenId& screenId, const SceneType& sceneType);
    void setContentButtonEnabled(
        const Vireo::ProtoModel::s_ScreenId& screenId, const SceneType& sceneType, bool enabled);

    void updateScreenVideo();
    void updateScreenVideo(std::weak_ptr<Vireo::BizModel::Screen> pScreenBase);

    std::weak_ptr<Vireo::BizModel::Device> currentDevice() const;
    // The type mask without the Invalid and Echo bits, as the device is asked for it.
    int getDeviceScreenType();
    bool isAllowAddScreen(std::weak_ptr<Vireo::BizModel::Screen> pScreenBase);

    // Size of the drag picture; 0 in either dimension keeps the size of the button's picture.
    void setDragPixmapSize(const QSize& size);
    QSize dragPixmapSize() const;

    virtual void initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> pDevice, const int& nScreenType,
        const int& nSceneType, bool isCheckScreenValid = true, ReadScreenVideoFrameCallback cbReadScreenVideo = {});
    // A setter, despite its name.
    virtual void isEnableDrag(bool enable);

    void retranslateUi() override;

signals:
    void screenItemCloseClicked(std::weak_ptr<Vireo::BizModel::Screen> wScreenBase);

public slots:
    virtual void slotScreenPressed(std::weak_ptr<Vireo::BizModel::Screen> wScreenBase, const int& nSceneType);
    virtual void slotScreenReleased(std::weak_ptr<Vireo::BizModel::Screen> wScreenBase, const int& nSceneType);

public:
    virtual void startDrag(QMouseEvent* event);
    virtual ScreenListContentButton* createScreenContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const SceneType& sceneType, QWidget* parent) = 0;
    // Called with true when a drag starts from `button`; a hook for subclasses.
    virtual void setDragButtonState(ScreenListContentButton* button, bool state);
    void resetHideContentButton(QToolButton* button) override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

    std::weak_ptr<Vireo::BizModel::Device> m_pDevice;
    int m_nScreenType = 0;
    int m_nSceneType = 0;
    bool m_isCheckScreenValid = true;
    std::weak_ptr<Vireo::BizModel::Screen> m_pPressedScreenBase;
    SceneType m_nPressedSceneType = SceneType::Invalid;
    QSize m_dragPixmapSize = QSize(0, 0);
    bool m_bEnableDrag = true;
    ReadScreenVideoFrameCallback m_cbReadScreenVideo;

    // What the operator pressed, by the device's identity of it, for the running press only.
    Internal::PressedResource m_pressedScreenIdentity;
    void clearPressedScreen();
};

} // namespace Vireo::Widgets
