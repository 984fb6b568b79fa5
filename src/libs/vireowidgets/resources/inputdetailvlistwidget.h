#pragma once

#include <vireowidgets/resources/inputlistwidget.h>
#include <vireowidgets/vireowidgets_export.h>

#include <memory>

namespace Vireo::Widgets {

namespace Internal {
class InputDetailContentButtonPrivate;
class InputGeneralContentButtonPrivate;
class InputSampleContentButtonPrivate;
} // namespace Internal

// Detail look: live picture beside the texts, with a capture button that asks the host to store
// the input's current picture as an image file.
class VIREOWIDGETS_EXPORT InputDetailContentButton : public InputListContentButton
{
    Q_OBJECT
public:
    InputDetailContentButton(std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::Input> input,
        ReadInputVideoFrameCallback callback, QWidget* parent = nullptr);
    ~InputDetailContentButton() override;

    QSize sizeHint() const override;
    void resetLayout() override;

signals:
    void signalCaptureButtonClicked();

private:
    friend class Internal::InputDetailContentButtonPrivate;
    std::unique_ptr<Internal::InputDetailContentButtonPrivate> d;
};

// General look: a checkable card with picture, texts and capacity.
class VIREOWIDGETS_EXPORT InputGeneralContentButton : public InputListContentButton
{
    Q_OBJECT
public:
    InputGeneralContentButton(std::weak_ptr<Vireo::BizModel::Device> device,
        std::weak_ptr<Vireo::BizModel::Input> input, ReadInputVideoFrameCallback callback, QWidget* parent = nullptr);
    ~InputGeneralContentButton() override;

    QSize sizeHint() const override;
    void resetLayout() override;

private:
    friend class Internal::InputGeneralContentButtonPrivate;
    std::unique_ptr<Internal::InputGeneralContentButtonPrivate> d;
};

// Sample look: only the name, centred, in a checkable button.
class VIREOWIDGETS_EXPORT InputSampleContentButton : public InputListContentButton
{
    Q_OBJECT
public:
    InputSampleContentButton(std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::Input> input,
        ReadInputVideoFrameCallback callback, QWidget* parent = nullptr);
    ~InputSampleContentButton() override;

    QSize sizeHint() const override;
    void resetLayout() override;
    // Shows the signal state on the name ("isHasSignal").
    void updateUIStyleSheet();

private:
    friend class Internal::InputSampleContentButtonPrivate;
    std::unique_ptr<Internal::InputSampleContentButtonPrivate> d;
};

// The vertical input list with detail buttons, keeping active inputs on top when a signal changes.
class VIREOWIDGETS_EXPORT InputDetailVListWidget : public InputListWidget
{
    Q_OBJECT
public:
    explicit InputDetailVListWidget(QWidget* parent = nullptr);
    ~InputDetailVListWidget() override;

    void updateInputListContentButton(
        std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::Interface> wInterface);
    // The owner calls this when an input's signal state changed: the button is refreshed and the
    // strip re-ordered (active first, then key number).
    void slotInterfaceSignalChanged(
        std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::Interface> wInterface);

public:
    void setMainLayout() override;
    InputListContentButton* createInputContentButton(std::weak_ptr<Vireo::BizModel::Device> device,
        std::weak_ptr<Vireo::BizModel::Input> input, ReadInputVideoFrameCallback callback) override;
};

} // namespace Vireo::Widgets
