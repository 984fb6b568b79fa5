#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QLabel>

namespace Vireo::Widgets {

// A picture label that keeps a 5:3 shape, as wide as its height allows, centred in its parent.
class VIREOWIDGETS_EXPORT FrameSupplementDisplayWidget : public QLabel
{
    Q_OBJECT
public:
    explicit FrameSupplementDisplayWidget(QWidget* parent = nullptr);
    ~FrameSupplementDisplayWidget() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace Vireo::Widgets
