#pragma once

#include <vireowidgets/foundation/navisliderframe.h>
#include <vireowidgets/foundation/pressedresource.h>
#include <vireowidgets/foundation/stylelookmemo.h>
#include <vireowidgets/foundation/textfitmemo.h>
#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/bizmodel.h>

#include <QFont>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

class QAbstractButton;
class QDrag;
class QLabel;
class QMouseEvent;

namespace Vireo::Widgets {

class QWrapLabel;
class VideoPreviewWidget;

// One video input of the device: its live picture, number, connector type, name, capacity, signal
// state and position. Subclasses only lay the children out (resetLayout) and fix their size.
class VIREOWIDGETS_EXPORT InputListContentButton : public QToolButton
{
    Q_OBJECT
public:
    // Fills the image with the current frame of the input; the result is not used.
    using ReadInputVideoFrameCallback = std::function<bool(std::weak_ptr<Vireo::BizModel::Input>, QImage&, bool)>;

    InputListContentButton(std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::Input> input,
        ReadInputVideoFrameCallback callback, QWidget* parent = nullptr);
    ~InputListContentButton() override;

    void setInput(std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::Input> input);
    std::weak_ptr<Vireo::BizModel::Input> input() const { return m_pInput; }
    // interfaceId() of the input, 0xFFFFFFFF when it has expired.
    quint32 inputKeyNo() const;
    // The list hands its current callback to every button it rebinds, not only to new ones.
    void setReadInputVideoCallback(ReadInputVideoFrameCallback callback);
    void setCaptureBtnVisible(bool visible);
    void updateStyleSheet();
    // updateStyleSheet() only when a dynamic property of the button or its labels changed since the
    // last one: re-polishing under a style sheet is the costly part of a rebuild that changed nothing.
    void updateStyleSheetIfChanged();
    bool isStyleStale() const { return m_styleLook.isStale(); }
    QString geteElidedText(QFont font, QString text, int width);

    virtual void updateUIFromData();
    virtual void updateInputVideo();
    virtual void retranslateUi();
    virtual void updateProperty();
    virtual void setPopupDialogParent(QWidget* parent);
    virtual QWidget* popupDialogParent() const;
    virtual void resetLayout();

signals:
    void inputPressed(quint32 keyNo);
    void inputReleased(quint32 keyNo);
    void inputDoubleClicked(quint32 keyNo);

public slots:
    void slotInputContentButtonToggled(bool checked);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

public:
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    std::weak_ptr<Vireo::BizModel::Device> m_pDevice;
    std::weak_ptr<Vireo::BizModel::Input> m_pInput;
    ReadInputVideoFrameCallback m_cbReadInputVideo;
    VideoPreviewWidget* m_pLabelVideo = nullptr;
    QLabel* m_pLabelType = nullptr;
    QLabel* m_pLabelIndex = nullptr;
    QWrapLabel* m_pLabelName = nullptr;
    QLabel* m_pLabelCapacity = nullptr;
    QLabel* m_pLabelRadio = nullptr;
    QLabel* m_pLabelSlot = nullptr;
    QLabel* m_pLabelShortForType = nullptr;
    QToolButton* m_pBtnCapture = nullptr;
    QWidget* m_pParentWidget = nullptr;

    // For a look that sets "isHasSignal" on the name itself: the next update sets every signal
    // property again rather than trusting what it set last.
    void forgetSignalLook() { m_eSignalLook = UnknownLook; }

private:
    void createWidgets();
    void showSignalState(const std::shared_ptr<Vireo::BizModel::Input>& input);
    QList<QWidget*> styledWidgets() const;

    enum SignalLookKind { UnknownLook, NoSignalLook, SignalLook, OverloadLook };
    void applySignalLook(SignalLookKind look);
    SignalLookKind m_eSignalLook = UnknownLook; // the look the labels' properties were last given

    Internal::StyleLookMemo m_styleLook; // the labels' look at the last updateStyleSheet()
    Internal::TextFitMemo m_elidedTexts; // behind geteElidedText
};

// The list of the device's video inputs, active ones first, each draggable out of the strip through
// its allowed edge. The concrete button comes from createInputContentButton.
class VIREOWIDGETS_EXPORT InputListWidget : public NaviSliderFrame
{
    Q_OBJECT
public:
    using ReadInputVideoFrameCallback = InputListContentButton::ReadInputVideoFrameCallback;

    explicit InputListWidget(QWidget* parent = nullptr);
    ~InputListWidget() override;

    virtual void initListWidgetItem(
        std::weak_ptr<Vireo::BizModel::Device> device, ReadInputVideoFrameCallback callback = {});
    // A setter, despite its name.
    virtual void isEnableDrag(bool enable);
    virtual void setPopupDialogParent(QWidget* parent);
    virtual QWidget* popupDialogParent() const;

    void updateInputVideo();
    void retranslateUi() override;
    InputListContentButton* findContentButton(quint32 const& keyNo) const;
    InputListContentButton* findContentButton(QList<QAbstractButton*> const& buttons, quint32 const& keyNo) const;
    void setContentButtonEnabled(quint32 const& keyNo, bool enabled);
    std::weak_ptr<Vireo::BizModel::Device> currentDevice() const { return m_pDevice; }
    bool isAllowAddInput(std::weak_ptr<Vireo::BizModel::Input> input);

public:
    virtual void startDrag(QMouseEvent* event);
    virtual InputListContentButton* createInputContentButton(std::weak_ptr<Vireo::BizModel::Device> device,
        std::weak_ptr<Vireo::BizModel::Input> input, ReadInputVideoFrameCallback callback) = 0;
    void resetHideContentButton(QToolButton* button) override;

public slots:
    virtual void slotInputPressed(quint32 keyNo);
    virtual void slotInputReleased(quint32 keyNo);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

    std::weak_ptr<Vireo::BizModel::Device> m_pDevice;
    quint32 m_nPressedInputKeyNo = 0xFFFFFFFF;
    ReadInputVideoFrameCallback m_cbReadInputVideo;
    QSize m_dragPixmapSize = QSize(0, 0);
    bool m_bEnableDrag = true;
    QWidget* m_pParentWidget = nullptr;

private:
    bool m_bStyleRefreshQueued = false;
    Internal::PressedResource m_pressedInput; // the pressed input as the device knows it, for its press only
};

// Pieces shared by the input and output lists (and their detail variants), written once.
namespace Internal {

constexpr quint32 NoInterfaceKeyNo = 0xFFFFFFFF;

// The alive interfaces of `list`, stable-sorted by ascending key number, active ones first when
// `activeFirst`. Each reference is locked once; expired entries are left out.
template <typename T>
std::vector<std::shared_ptr<T>> sortedInterfaces(const QList<std::weak_ptr<T>>& list, bool activeFirst)
{
    std::vector<std::shared_ptr<T>> alive;
    alive.reserve(static_cast<size_t>(list.size()));
    for (const auto& weak : list) {
        if (auto item = weak.lock())
            alive.push_back(std::move(item));
    }
    std::stable_sort(alive.begin(), alive.end(), [activeFirst](const auto& a, const auto& b) {
        if (activeFirst && a->isActive() != b->isActive())
            return a->isActive();
        return a->interfaceId() < b->interfaceId();
    });
    return alive;
}

// The per-item walk of a list rebuild: for each item, `reuse(n)` offers the button to rebind
// (the n-th current one or a cached one) and `bind` rebinds it; otherwise `create` makes one
// (null: the item is skipped). Every button is then handed to `place`. Returns how many were placed.
template <typename Button, typename Item, typename Reuse, typename Bind, typename Create, typename Place>
int walkInterfaceButtons(const std::vector<Item>& items, Reuse reuse, Bind bind, Create create, Place place)
{
    int shown = 0;
    for (const auto& item : items) {
        Button* button = reuse(shown);
        if (button)
            bind(button, item);
        else
            button = create(item);
        if (!button)
            continue;
        place(button, item);
        ++shown;
    }
    return shown;
}

// First button of `buttons` of type Button whose `keyOf` equals keyNo.
template <typename Button, typename KeyOf>
Button* findInterfaceButton(const QList<QAbstractButton*>& buttons, quint32 keyNo, KeyOf keyOf)
{
    for (auto* candidate : buttons) {
        auto* button = qobject_cast<Button*>(candidate);
        if (button && keyOf(button) == keyNo)
            return button;
    }
    return nullptr;
}

// What a mouse move that reached an input or output list does with its pressed key. A move beyond
// the allowed edge starts `startDrag` (when drags are on) and ends the press. Any other move ends
// the press too, unless a drag could still start from it (drags on, left button held): so a press
// never outlives isEnableDrag(false), and with nothing pressed nothing is attempted.
// A pressed key left from an earlier press (whose release went unreported because its object had
// vanished, or a press made beside the buttons since) is dropped first: it never starts a drag.
VIREOWIDGETS_EXPORT void handleInterfaceListMove(quint32& pressedKeyNo, PressedResource& pressed,
    const NaviSliderFrame& list, bool beyondAllowedEdge, bool dragEnabled, const QMouseEvent* event,
    const std::function<void()>& startDrag);

// Runs the drag of one input or output: the name as text, the key number as decimal digits under
// `keyMimeType`, the shared drag picture and hot spot of `list`'s settings.
VIREOWIDGETS_EXPORT QDrag* execInterfaceDrag(NaviSliderFrame* list, QWidget* button, const char* keyMimeType,
    quint32 keyNo, const QString& name, const QSize& dragPixmapSize);

// Queues one zero-delay style refresh of `list`: several rebuilds before the event loop runs
// share one refresh; `queued` is the owner's flag for that.
VIREOWIDGETS_EXPORT void queueStyleRefresh(QObject* list, bool& queued, const std::function<void()>& refresh);

// Queues one deferred updateStyleSheetIfChanged() of every Button of `list`: after a rebuild, only
// the buttons whose look changed are re-polished.
template <typename Button>
void queueChangedLookRefresh(NaviSliderFrame* list, bool& queued)
{
    queueStyleRefresh(list, queued, [list] {
        for (QAbstractButton* candidate : list->getContentButtons()) {
            if (auto* button = qobject_cast<Button*>(candidate))
                button->updateStyleSheetIfChanged();
        }
    });
}

// Re-polishes `widget` so that changed dynamic properties take effect.
VIREOWIDGETS_EXPORT void repolish(QWidget* widget);

// The bottom bar of the vertical detail lists: a separator line marked "isLevel1Separator", then
// the previous and next buttons, each 52 x 52, then a stretch; fixed height 64.
VIREOWIDGETS_EXPORT QWidget* createDetailListBottomBar(
    QWidget* list, QToolButton* prev, QToolButton* next, uint lineWidth, int topMargin);

} // namespace Internal

} // namespace Vireo::Widgets
