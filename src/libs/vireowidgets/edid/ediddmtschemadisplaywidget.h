#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <zkwidgets/vesa.h>

#include <QWidget>

namespace Vireo::Widgets {

// Draws a video timing as a labelled diagram: the active picture in the middle, the horizontal
// parts (sync, back porch, active, front porch) along the top and the vertical ones down the left,
// each as wide as its share of the total.
class VIREOWIDGETS_EXPORT EdidDMTSchemaDisplayWidget : public QWidget
{
    Q_OBJECT
public:
    explicit EdidDMTSchemaDisplayWidget(QWidget* parent = nullptr);
    ~EdidDMTSchemaDisplayWidget() override;

    void setCurDMTSchemaData(const ZK::VESA::s_DMTSchemaData& data);
    ZK::VESA::s_DMTSchemaData curDMTSchemaData() const { return m_data; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ZK::VESA::s_DMTSchemaData m_data;
};

} // namespace Vireo::Widgets
