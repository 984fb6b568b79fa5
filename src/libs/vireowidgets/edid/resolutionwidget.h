#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <zkwidgets/vesa.h>

#include <QFrame>
#include <QList>
#include <QSize>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QRadioButton;

namespace Vireo::Widgets {

class SliderWithDoubleSpinWidget;
class SliderWithSpinWidget;

// Resolution picker: a list of preset timings ("Preset") or a free width, height and refresh rate
// ("Custom"). Each preset entry carries its whole timing record.
class VIREOWIDGETS_EXPORT ResolutionWidget : public QFrame
{
    Q_OBJECT
public:
    explicit ResolutionWidget(QWidget* parent = nullptr);
    ~ResolutionWidget() override;

    void initPresetResolutionRatioData(QList<ZK::VESA::s_DMTSchemaData>& list);
    void appendPresetResolutionRatio(const ZK::VESA::s_DMTSchemaData& data);
    void clearPresetResolutionRatio();
    int presetFrameRateCount() const;
    void setPresetCurrentIndex(int index);
    QString getPresetCurrentText() const;
    bool getCurrentPresetResolutionRatio(QSize& frameRate, float& refreshRate) const;
    bool getCurrentPresetResolutionRatio(ZK::VESA::s_DMTSchemaData& data) const;
    void setCurrentPresetResolutionRatio(const QSize& frameRate, const float& refreshRate);
    int getDMTSchemaData(const QSize& frameRate, const float& refreshRate, ZK::VESA::s_DMTSchemaData& data) const;
    void setCustomResolutionRatio(QSize frameRate, float refreshRate);
    void getCustomResolutionRatio(QSize& frameRate, float& refreshRate) const;
    void setRadioButtonPresetChecked();
    void setRadioButtonCustomChecked();
    bool isPresetRadioButtonChecked() const;
    bool isCustomRadioButtonChecked() const;
    int getBtnGroupCheckedState() const;
    void setRadioButVisiable(bool visible);
    void setWidthRange(int min, int max);
    void setHeigthRange(int min, int max);
    void setRefreshRateRange(int min, int max);
    void setWidthSingleStep(int step);
    void setHeightSingleStep(int step);
    void retranslateUi();

signals:
    void signal_presetResolutionRatioSelected();
    void signal_customResolutionRatioSelected();
    void signal_curPresetResolutionRatioChanged(ZK::VESA::s_DMTSchemaData data);
    void signal_customResolutionRatioChanged(QSize frameRate, float refreshRate);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void slot_radioButtonGroupToggled(QAbstractButton* button, bool checked);
    void slot_resolutionIndexChanged(int index);
    void slot_widthChanged(int value);
    void slot_heightChanged(int value);
    void slot_refreshChanged(double value);
    void connectRows();
    void disconnectRows();
    void calcLabelDisplaySize(int minimum);

    SliderWithSpinWidget* m_pWidthFrame = nullptr;
    SliderWithSpinWidget* m_pHeightFrame = nullptr;
    SliderWithDoubleSpinWidget* m_pRefreshRateFrame = nullptr;
    QComboBox* m_pPresetResolutionRatioComboBox = nullptr;
    QRadioButton* m_pRadioButtonPreset = nullptr;
    QRadioButton* m_pRadioButtonCustom = nullptr;
    QButtonGroup* m_pRadioButtonGroup = nullptr;
    QSize m_customFrameRate {0, 0};
    float m_customRefreshRate = 0.f;
    QFrame* m_pRadionButtonFrame = nullptr;
    QList<QMetaObject::Connection> m_rowLinks;
};

} // namespace Vireo::Widgets
