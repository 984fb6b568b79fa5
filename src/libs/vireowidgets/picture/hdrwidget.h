#pragma once

#include <vireowidgets/picture/hdrconfig.h>
#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/protomodel.h>

#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace Vireo::Widgets {

class SliderEditFrame;
class SliderEditFrameDouble;

// Colour and dynamic-range settings of an input or output: one row of preset buttons per picture
// group, and the rows that depend on the chosen dynamic range. Buttons that the device does not
// allow together with the current choices (HDRConfig) are disabled. The panel only reports the
// operator's choices; the host sends them to the device and feeds the device's state back.
//
// Object names of the rows (style hooks): "HDRLimitedRangeRow", "HDRColorSpaceRow",
// "HDRBitDepthRow", "HDRColorGamutRow", "HDRDynamicRangeRow", "HDRToneMappingRow",
// "HDRPQMaxCLLRow", "HDRScreenBrightnessRow", "HDRAmbientLightRow", "HDRGammaRow",
// "HDRHLGGradeRow", "HDRHLGAmbientLightRow", "HDRResetRow". Every preset button carries
// "presetValue" and "groupbuttonselectiontype"; bit-depth buttons also "presetdepth".
class VIREOWIDGETS_EXPORT HDRWidget : public QWidget
{
    Q_OBJECT
public:
    explicit HDRWidget(QWidget* parent = nullptr);
    ~HDRWidget() override;

    void setCustomParam(bool isNeedAuto, bool isNeedGamma, bool isNeedAmbientLight);
    void setBitDepthValueRange(int bitDepthRange);
    void initWidget();
    void retranslateUi();

    void setColorSpaceWidgetVisible(bool visible);
    void setBitDepthWidgetVisible(bool visible);
    void setLimitedWidgetVisible(bool visible);
    void setHDRWidgetVisible(bool visible);

    void updateUIFromModel(Vireo::ProtoModel::s_HDRBody hdr);
    void updatePresetBitDepth(int value);
    void updatePresetLimitedRange(int value);
    void updatePresetColorSpace(int value);
    void updatePresetBitDepthEnable(bool enable);
    void updatePresetColorSpaceEnable(bool enable);
    void updateHDREnable(bool enable);

    void setActualBitDepth(int value);
    void setActualColorGamut(int value);
    void setActualDynamicRange(int value);
    void setActualLimitedRange(int value);

signals:
    void signalPresetColorSpaceChanged(int value);
    void signalPresetBitDepthChanged(int value);
    void signalPresetLimitedChanged(int value);
    void signalPresetColorGamutChanged(int value);
    void signalPresetDynamicRangeChanged(int dynamicRangeValue, int colorGamutValue);
    void signalPresetDynamicRangeChanged(int dynamicRangeValue);
    void signalPresetToneMappingClicked(bool clicked);
    void signalPresetScreenBrightnessValueChanged(int value);
    void signalPresetPQMaxCLLValueChanged(int value);
    void signalPresetAmbientLightValueChanged(int value);
    void signalPresetGammaValueChanged(double value);
    void signalPresetHLGGradeChanged(int value);
    void signalPresetHLGAmbientLightValueChanged(int value);
    void signalPresetHDRResetClicked();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void slotPresetColorSpaceButtonClicked(int id);
    void slotPresetBitDepthButtonClicked(int id);
    void slotPresetColorGamutButtonClicked(int id);
    void slotPresetDynamicRangeButtonClicked(int id);
    void slotPresetLimitedRangeButtonClicked(int id);
    void slotPresetToneMappingClicked();
    void slotPresetHLGGradeButtonClicked(int value);

private:
    QButtonGroup* createGroupRow(
        QWidget*& row, QLabel*& label, const char* objectName, int table, int rowCount, int buttonWidth);
    SliderEditFrame* createSliderRow(const char* objectName, int minimum, int maximum);
    void createConnections();

    void changeWidgetLength();
    void selectedButton(QButtonGroup* group, QAbstractButton* button);
    void updateButtonGroup(QButtonGroup* group, int value);
    void refreshButtonEnable(const HDRKey& key);
    void updateUIEnable();
    void refreshUIPresetDynamicRangeChanged(int dynamicRange);
    void refreshUIPresetToneMappingChanged(bool checked);
    bool deviceConvertsDynamicRange() const;

    QButtonGroup* groupOf(int funcType) const;
    int checkedValue(QButtonGroup* group) const;
    int effectiveValue(int funcType, int preset) const;
    void applyAllowedValues(int funcType, int preset);

    int m_nColorSpaceRange = 4;
    int m_nBitDepthRange = 4;
    int m_nActualColorSpace = -1;
    int m_nActualBitDepth = -1;
    int m_nActualColorGamut = -1;
    int m_nActualDynamicRange = -1;
    int m_nActualLimitedRange = -1;
    bool m_bIsNeedAUTO = false;
    bool m_bIsNeedGamma = false;
    bool m_bIsNeedAmbientLight = false;
    bool m_bInitialized = false;
    bool m_bHDRVisible = true;

    QVBoxLayout* m_pMainLayout = nullptr;

    QWidget* m_pLimitedRangeRow = nullptr;
    QWidget* m_pColorSpaceRow = nullptr;
    QWidget* m_pBitDepthRow = nullptr;
    QWidget* m_pColorGamutRow = nullptr;
    QWidget* m_pDynamicRangeRow = nullptr;
    QWidget* m_pToneMappingRow = nullptr;
    QWidget* m_pResetRow = nullptr;

    QLabel* m_pLimitedRangeLabel = nullptr;
    QLabel* m_pColorSpaceLabel = nullptr;
    QLabel* m_pBitDepthLabel = nullptr;
    QLabel* m_pColorGamutLabel = nullptr;
    QLabel* m_pDynamicRangeLabel = nullptr;
    QLabel* m_pToneMappingLabel = nullptr;
    QLabel* m_pResetLabel = nullptr;

    QButtonGroup* m_pLimitedRangeGroup = nullptr;
    QButtonGroup* m_pColorSpaceGroup = nullptr;
    QButtonGroup* m_pBitDepthGroup = nullptr;
    QButtonGroup* m_pColorGamutGroup = nullptr;
    QButtonGroup* m_pDynamicRangeGroup = nullptr;

    QCheckBox* m_pToneMappingCheckBox = nullptr;
    QPushButton* m_pResetButton = nullptr;

    SliderEditFrame* m_pPQMaxCLLSlider = nullptr;
    SliderEditFrame* m_pScreenBrightnessSlider = nullptr;
    SliderEditFrame* m_pAmbientLightSlider = nullptr;
    SliderEditFrameDouble* m_pGammaSlider = nullptr;
    SliderEditFrame* m_pHLGGradeSlider = nullptr;
    SliderEditFrame* m_pHLGAmbientLightSlider = nullptr;
};

} // namespace Vireo::Widgets
