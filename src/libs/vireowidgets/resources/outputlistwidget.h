#pragma once

#include <vireowidgets/foundation/navisliderframe.h>
#include <vireowidgets/foundation/pressedresource.h>
#include <vireowidgets/foundation/stylelookmemo.h>
#include <vireowidgets/foundation/textfitmemo.h>
#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/bizmodel.h>

#include <QFont>
#include <QSize>
#include <QString>
#include <QToolButton>

#include <memory>

class QAbstractButton;
class QFrame;
class QLabel;
class QMouseEvent;

namespace Vireo::Widgets {

class QWrapLabel;

// Kinds of output a list shows (bit set).
enum ItemOutputType { ItemMainOutput = 1, ItemAuxOutput = 2, ItemMVROutput = 4, ItemAllOutput = 7 };

// How a list treats outputs that a screen already uses.
enum ItemOutputStatus {
    AllOutput = 0, // listed, enabled
    NoScreenUsed = 1, // not listed
    ScreenUsedDisabled = 2 // listed, disabled
};

// One video output of the device: number, connector type, name, timing, position and the screen
// using it. Subclasses lay the children out.
class VIREOWIDGETS_EXPORT OutputListContentButton : public QToolButton
{
    Q_OBJECT
public:
    OutputListContentButton(std::weak_ptr<Vireo::BizModel::Device> device,
        std::weak_ptr<Vireo::BizModel::Output> output, QWidget* parent = nullptr);
    ~OutputListContentButton() override;

    void setOutput(std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::Output> output);
    std::weak_ptr<Vireo::BizModel::Output> output() const { return m_pOutput; }
    // interfaceId() of the output, 0xFFFFFFFF when it has expired.
    quint32 outputKeyNo() const;
    void updateStyleSheet();
    // updateStyleSheet() only when a dynamic property of the restyled children changed since the
    // last one.
    void updateStyleSheetIfChanged();
    bool isStyleStale() const { return m_styleLook.isStale(); }
    QString geteElidedText(QFont font, QString text, int width);

    virtual void updateUIFromData();
    virtual void updateProperty();
    virtual void retranslateUi();
    virtual void resetLayout();

signals:
    void outputPressed(quint32 keyNo);
    void outputReleased(quint32 keyNo);
    void outputDoubleClicked(quint32 keyNo);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

public:
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    std::weak_ptr<Vireo::BizModel::Device> m_pDevice;
    std::weak_ptr<Vireo::BizModel::Output> m_pOutput;
    QLabel* m_pLabelType = nullptr;
    QLabel* m_pLabelIndex = nullptr;
    QWrapLabel* m_pLabelName = nullptr;
    QFrame* m_pFrameNameHolder = nullptr;
    QLabel* m_pLabelRadio = nullptr;
    QLabel* m_pLabelSlot = nullptr;
    QLabel* m_pLabelScreenName = nullptr;

private:
    void createWidgets();
    void setActivityLook(bool active);
    // The children that updateStyleSheet() re-polishes and updateProperty() disables.
    QList<QWidget*> styledWidgets() const;

    Internal::StyleLookMemo m_styleLook; // the children's look at the last updateStyleSheet()
    Internal::TextFitMemo m_elidedTexts; // behind geteElidedText
};

// The list of the device's main and AUX outputs, filtered by kind, by screen usage and by the
// backup role of their connector. The concrete button comes from createOutputContentButton.
class VIREOWIDGETS_EXPORT OutputListWidget : public NaviSliderFrame
{
    Q_OBJECT
public:
    explicit OutputListWidget(QWidget* parent = nullptr);
    ~OutputListWidget() override;

    virtual void initListWidgetItem(
        std::weak_ptr<Vireo::BizModel::Device> device, int const& outputType, ItemOutputStatus const& status) = 0;
    void initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> device, int const& outputType,
        ItemOutputStatus const& status, NaviSliderFrame::ViewMode const& mode);
    OutputListContentButton* insertOutputItem(std::weak_ptr<Vireo::BizModel::Output> output);
    void setFiltertype(Vireo::BizModel::Enum::Interface::ConnectorType type);
    virtual OutputListContentButton* findWidgetItem(quint32 const& keyNo);
    bool isAllowAddOutput(std::weak_ptr<Vireo::BizModel::Output> output);
    // Whether outputs on backup connectors are listed.
    virtual bool setCopyInterfaceVisable();
    void setDragPixmapSize(QSize const& size);
    // A setter, despite its name.
    void isEnableDrag(bool enable);
    std::weak_ptr<Vireo::BizModel::Device> currentDevice() const { return m_pDevice; }

    using NaviSliderFrame::contentButtonsHide;
    void addContentButton(QToolButton* button, bool resize = true) override;
    void insertContentButton(QToolButton* button, QToolButton* before, bool resize = true) override;
    void retranslateUi() override;
    void contentButtonsHide() override;
    void contentButtonsHide(QToolButton* button) override;

public:
    virtual void startDrag(QMouseEvent* event);
    virtual OutputListContentButton* createOutputContentButton(std::weak_ptr<Vireo::BizModel::Device> device,
        std::weak_ptr<Vireo::BizModel::Output> output, QWidget* parent) = 0;
    void resetHideContentButton(QToolButton* button) override;

public slots:
    void slotOutputPressed(quint32 keyNo);
    void slotOutputReleased(quint32 keyNo);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    std::weak_ptr<Vireo::BizModel::Device> m_pDevice;
    quint32 m_nPressedOutputKeyNo = 0xFFFFFFFF;
    QSize m_dragPixmapSize = QSize(0, 0);
    int m_outputType = ItemAllOutput;
    ItemOutputStatus m_outputStatus = AllOutput;
    NaviSliderFrame::ViewMode m_viewMode = NaviSliderFrame::UnknownMode;
    bool m_bEnableDrag = true;

private:
    bool allowOutput(const Vireo::BizModel::Device& device, const Vireo::BizModel::Output& output);
    OutputListContentButton* newOutputButton(const std::shared_ptr<Vireo::BizModel::Output>& output);
    void applyUsageState(OutputListContentButton* button, const std::shared_ptr<Vireo::BizModel::Device>& device,
        const std::shared_ptr<Vireo::BizModel::Output>& output);

    bool m_bStyleRefreshQueued = false;
    Internal::PressedResource m_pressedOutput; // the pressed output as the device knows it, for its press only
};

} // namespace Vireo::Widgets
