#pragma once

#include <vireowidgets/resources/outputlistwidget.h>
#include <vireowidgets/vireowidgets_export.h>

#include <memory>

namespace Vireo::Widgets {

namespace Internal {
class OutputDetailContentButtonPrivate;
class OutputGeneralContentButtonPrivate;
class OutputSampleContentButtonPrivate;
} // namespace Internal

// Detail look: name, timing and position in a column.
class VIREOWIDGETS_EXPORT OutputDetailContentButton : public OutputListContentButton
{
    Q_OBJECT
public:
    OutputDetailContentButton(std::weak_ptr<Vireo::BizModel::Device> device,
        std::weak_ptr<Vireo::BizModel::Output> output, QWidget* parent = nullptr);
    ~OutputDetailContentButton() override;

    QSize sizeHint() const override;
    void resetLayout() override;

private:
    friend class Internal::OutputDetailContentButtonPrivate;
    std::unique_ptr<Internal::OutputDetailContentButtonPrivate> d;
};

// General look: a checkable card with the name in its own holder beside the other texts.
class VIREOWIDGETS_EXPORT OutputGeneralContentButton : public OutputListContentButton
{
    Q_OBJECT
public:
    OutputGeneralContentButton(std::weak_ptr<Vireo::BizModel::Device> device,
        std::weak_ptr<Vireo::BizModel::Output> output, QWidget* parent = nullptr);
    ~OutputGeneralContentButton() override;

    QSize sizeHint() const override;
    void resetLayout() override;

private:
    friend class Internal::OutputGeneralContentButtonPrivate;
    std::unique_ptr<Internal::OutputGeneralContentButtonPrivate> d;
};

// Sample look: only the name, centred, in a checkable button.
class VIREOWIDGETS_EXPORT OutputSampleContentButton : public OutputListContentButton
{
    Q_OBJECT
public:
    OutputSampleContentButton(std::weak_ptr<Vireo::BizModel::Device> device,
        std::weak_ptr<Vireo::BizModel::Output> output, QWidget* parent = nullptr);
    ~OutputSampleContentButton() override;

    QSize sizeHint() const override;
    void resetLayout() override;
    // Only the name is shown, so only the name needs enabling.
    void updateStyleSheet();

private slots:
    void slotScreenItemToggled(bool checked);

private:
    friend class Internal::OutputSampleContentButtonPrivate;
    std::unique_ptr<Internal::OutputSampleContentButtonPrivate> d;
};

// The vertical output list with detail buttons; outputs on backup connectors are not listed.
class VIREOWIDGETS_EXPORT OutputDetailVListWidget : public OutputListWidget
{
    Q_OBJECT
public:
    explicit OutputDetailVListWidget(QWidget* parent = nullptr);
    ~OutputDetailVListWidget() override;

    using OutputListWidget::initListWidgetItem;
    void initListWidgetItem(
        std::weak_ptr<Vireo::BizModel::Device> device, int const& outputType, ItemOutputStatus const& status) override;
    bool setCopyInterfaceVisable() override;

public:
    void setMainLayout() override;
    OutputListContentButton* createOutputContentButton(std::weak_ptr<Vireo::BizModel::Device> device,
        std::weak_ptr<Vireo::BizModel::Output> output, QWidget* parent) override;
};

} // namespace Vireo::Widgets
