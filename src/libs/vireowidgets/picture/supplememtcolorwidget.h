#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QColor>
#include <QWidget>

namespace Vireo::Widgets {

namespace Internal {
struct SupplememtColorWidgetUi;
}

// A colour as red, green and blue levels, an overall level and an opacity in percent. Every change
// is reported with the whole colour (alpha = opacity / 100) and the overall level.
//
// Object names: "SupplememtColorName", "SupplememtColorReset", "SupplememtColorAll",
// "SupplememtColorRed", "SupplememtColorGreen", "SupplememtColorBlue", "SupplememtColorOpacity";
// the red, green and blue rows carry "isColorControl_Red", "isColorControl_Green" and
// "isColorControl_Blue".
class VIREOWIDGETS_EXPORT SupplememtColorWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SupplememtColorWidget(QWidget* parent = nullptr);
    ~SupplememtColorWidget() override;

    void setValue(QColor color);
    QColor getColorData() const;
    void setAllValue(int value);
    int getAllValue() const;

    void setRValueRange(const int& min, const int& max);
    void setGValueRange(const int& min, const int& max);
    void setBValueRange(const int& min, const int& max);
    void setAllValueRange(const int& min, const int& max);
    void setOpacityValueRange(const int& min, const int& max);

    void setRWidgetVisible(bool visible);
    void setGWidgetVisible(bool visible);
    void setBWidgetVisible(bool visible);
    void setAllVisible(bool visible);
    void setOpacityVisible(bool visible);
    void setButtonVisible(bool visible);

    void setRLableName(const QString& name);
    void setGLableName(const QString& name);
    void setBLableName(const QString& name);
    void setAllLableName(const QString& name);
    void setOpacityLableName(const QString& name);
    void setButtonText(const QString& text);

    void setRGBWidgetISEnabled(bool enabled);
    void retranslateUi();

signals:
    void signalRGBValueChanged(QColor color, int value);
    void signal_buttonClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    void reportColor();
    void alignLabels();

    Internal::SupplememtColorWidgetUi* ui = nullptr;
};

} // namespace Vireo::Widgets
