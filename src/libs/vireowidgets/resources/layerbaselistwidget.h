#pragma once

// The layers of one screen (or the multiviewer layers of every multiviewer screen) as content
// buttons of a navigation slider frame. The buttons mirror the device's layer selection; a press
// and a release on the same button select that layer in the device.

#include <vireowidgets/foundation/navisliderframe.h>
#include <vireowidgets/foundation/pressedresource.h>
#include <vireowidgets/foundation/textfitmemo.h>
#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/enums.h>

#include <QList>
#include <QSize>
#include <QString>
#include <QToolButton>

#include <memory>

class QMouseEvent;

namespace Vireo::BizModel {
class Device;
class Screen;
class MVRScreen;
class Layer;
} // namespace Vireo::BizModel

namespace Vireo::Widgets {

class QWrapLabel;

// One layer of a screen as a checkable button of the layer list: its number, type and source name,
// with a cut layer shown after the layer it cuts. It reports the operator's press and release with the
// layer; the list turns a release into the layer's selection on the device. Hosts get these buttons
// from the list and style them through their object names and dynamic properties.
class VIREOWIDGETS_EXPORT LayerBaseListContentButton : public QToolButton
{
    Q_OBJECT
public:
    using SceneType = Vireo::BizModel::Enum::Layer::SceneType;
    using LayerType = Vireo::BizModel::Enum::Layer::LayerType;

    LayerBaseListContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, SceneType nSceneType,
        std::weak_ptr<Vireo::BizModel::Layer> pLayerBase, QWidget* parent = nullptr);
    ~LayerBaseListContentButton() override;

    void setLayerBase(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, SceneType nSceneType,
        std::weak_ptr<Vireo::BizModel::Layer> pLayerBase);
    std::weak_ptr<Vireo::BizModel::Layer> layerBase() const;
    std::weak_ptr<Vireo::BizModel::Screen> screenBase() const { return m_pScreenBase; }
    SceneType sceneType() const { return m_nSceneType; }
    // 255 and Invalid when the layer is gone, so that such a button never matches a real layer.
    quint8 layerBaseKeyNo() const;
    LayerType layerBaseKeyType() const;

    QString geteElidedText(QFont font, QString text, int width);

public slots:
    virtual void updateUIFromData();
    virtual void retranslateUi();
    virtual void resetLayout();

    void slotButtonClicked(bool isToggled);
    void slotContentButtonToggled(bool isToggled);

signals:
    void layerBasePressed(std::weak_ptr<Vireo::BizModel::Layer> pLayerBase);
    void layerBaseReleased(std::weak_ptr<Vireo::BizModel::Layer> pLayerBase);
    void layerBaseClicked(std::weak_ptr<Vireo::BizModel::Layer> pLayerBase);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    std::weak_ptr<Vireo::BizModel::Device> m_pDevice;
    std::weak_ptr<Vireo::BizModel::Screen> m_pScreenBase;
    SceneType m_nSceneType = SceneType::Invalid;
    std::weak_ptr<Vireo::BizModel::Layer> m_pLayerBase;
    QWrapLabel* m_pLayerBaseNameLabel = nullptr;

private:
    friend class LayerBaseListWidget;

    void createWidgets();
    void createConnects();
    bool hasLiveOwner() const;

    Internal::TextFitMemo m_elidedTexts; // behind geteElidedText
    bool m_bListConnected = false; // a layer list receives its press, release and click
};

// The layers of one screen (or of every multiviewer screen) in a scrolling strip, one button per
// layer, cut layers after the layers they cut. A host fills it with initListWidgetItem() from the
// active device and calls it again whenever the device reports that layers changed; the list keeps
// the selection in view and selects the layer the operator clicks on the device.
class VIREOWIDGETS_EXPORT LayerBaseListWidget : public NaviSliderFrame
{
    Q_OBJECT
public:
    using SceneType = Vireo::BizModel::Enum::Layer::SceneType;
    using LayerType = Vireo::BizModel::Enum::Layer::LayerType;

    explicit LayerBaseListWidget(QWidget* parent = nullptr);
    ~LayerBaseListWidget() override;

    // Screen form: the layers of one scene of one screen, each cut layer after the layer it cuts.
    virtual void initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, SceneType nSceneType);
    // Multiviewer form: the program multiviewer layers of every multiviewer screen of the device.
    virtual void initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::MVRScreen> pMVRScreen, SceneType nSceneType);

    // The host forwards the model's layer notifications here.
    void addLayerBaseFromModel(
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, std::weak_ptr<Vireo::BizModel::Layer> pLayerBase);
    void removeLayerBaseFromModel(
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, std::weak_ptr<Vireo::BizModel::Layer> pLayerBase);
    // The layer argument is not used: the whole selection is read again from the screen.
    void selectedLayerBaseFromModel(
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, std::weak_ptr<Vireo::BizModel::Layer> pLayerBase);

    std::weak_ptr<Vireo::BizModel::Device> currentDevice() const;
    std::weak_ptr<Vireo::BizModel::Screen> currentScreenBase() const;
    SceneType currentSceneType() const;
    // True while the list shows the multiviewer form.
    bool isMultiViewerForm() const { return m_bMultiViewerForm; }

    LayerBaseListContentButton* findContentButton(const quint8& nLayerKeyNo, const LayerType& nLayerType);
    LayerBaseListContentButton* findContentButton(const std::weak_ptr<Vireo::BizModel::Layer>& pLayerBase);
    LayerBaseListContentButton* findNextContentButton(const std::weak_ptr<Vireo::BizModel::Layer>& pLayerBase);
    void setSelectedButton(QList<LayerBaseListContentButton*> buttons, bool withSignals);

    bool isAllowAddLayerBase(std::weak_ptr<Vireo::BizModel::Layer> pLayerBase, SceneType nSceneType);

    void retranslateUi() override;

public slots:
    void slotLayerBasePressed(std::weak_ptr<Vireo::BizModel::Layer> pLayerBase);
    void slotLayerBaseReleased(std::weak_ptr<Vireo::BizModel::Layer> pLayerBase);
    void slotLayerBaseClicked(std::weak_ptr<Vireo::BizModel::Layer> pLayerBase);

public:
    // Layer lists start no drag; kept as the hook every resource list has.
    virtual void startDrag(QMouseEvent* event);
    virtual LayerBaseListContentButton* createLayerBaseContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
        std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, SceneType nSceneType,
        std::weak_ptr<Vireo::BizModel::Layer> pLayerBase, QWidget* parent) = 0;
    void resetHideContentButton(QToolButton* button) override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

    std::weak_ptr<Vireo::BizModel::Device> m_pDevice;
    std::weak_ptr<Vireo::BizModel::Screen> m_pScreenBase;
    SceneType m_nSceneType = SceneType::Invalid;
    quint8 m_nPressedLayerBaseKeyNo = 255;
    QSize m_dragPixmapSize = QSize(0, 0);

private:
    LayerBaseListContentButton* takeOrCreateButton(
        const QList<QAbstractButton*>& reuse, int index, const std::weak_ptr<Vireo::BizModel::Layer>& layer);
    void connectContentButton(LayerBaseListContentButton* button);
    bool isAdmitted(const std::weak_ptr<Vireo::BizModel::Layer>& layer);
    // isAllowAddLayerBase() for a live layer, against the list's live screen.
    static bool admitsLayer(
        const Vireo::BizModel::Layer& layer, const Vireo::BizModel::Screen& cachedScreen, SceneType nSceneType);
    void hideLayerButton(LayerBaseListContentButton* button);
    void clearPressedLayer();
    bool isPressedLayer(const std::weak_ptr<Vireo::BizModel::Layer>& pLayerBase) const;
    QList<LayerBaseListContentButton*> buttonsOfLayers(const QList<std::weak_ptr<Vireo::BizModel::Layer>>& layers);

    // A layer number alone is ambiguous (a regular layer and a cut layer may share it).
    LayerType m_nPressedLayerBaseKeyType = LayerType::Invalid;
    bool m_bMultiViewerForm = false;
    // The number and type alone name a layer only within its screen: the press remembers the
    // screen and the device too, for the running press only.
    Internal::PressedResource m_pressedLayer;
};

} // namespace Vireo::Widgets
