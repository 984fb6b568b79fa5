#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/enums.h>
#include <vireomodel/interfaceconfig.h>

#include <zkwidgets/vesa.h>

#include <QFrame>
#include <QList>
#include <QSize>
#include <QString>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace ZK::Utils {
class PathChooser;
}

namespace Vireo::Widgets {

class PolarityWidget;
class ResolutionWidget;
class SliderWithDoubleSpinWidget;

// Defines the timing that a connector advertises through an EDID built from a template: the
// resolution and refresh rate (a preset or custom values), the horizontal and vertical timing
// details, and the EDID template to start from, one of the templates in the template folder or a
// file of the operator's. Templates are read and EDID images written through the device model's
// EDID helper.
class VIREOWIDGETS_EXPORT DMTEditFrame : public QFrame
{
    Q_OBJECT
public:
    using ConnectorType = Vireo::BizModel::Enum::Interface::ConnectorType;
    using s_ConnectorInfo = Vireo::BizModel::s_ConnectorInfo;
    using s_DMTSchemaData = ZK::VESA::s_DMTSchemaData;

    explicit DMTEditFrame(QWidget* parent = nullptr);
    ~DMTEditFrame() override;

    // Shows a timing: as the picker's preset when a preset equals it in every field, else as
    // custom values. It becomes the current timing and sig_ResolutionApply() is emitted.
    void setCurrentDMTData(s_DMTSchemaData& data);
    s_DMTSchemaData getCurrentDMTData() const;
    // The preset entry for a size and rate: its index, or -1 (data untouched).
    int getDMTSchemaData(const QSize& frameRate, const float& refreshRate, s_DMTSchemaData& data) const;
    void initPresetResolutionRatioData(QList<s_DMTSchemaData>& list);
    void appendPresetResolutionRatio(const s_DMTSchemaData& data);
    void clearPresetResolutionRatio();
    void setToggleButtonText(const QString& text);
    bool isTimingDetailsShow() const;
    // The template choice back to its first state: "Existing Template", the empty first entry,
    // no custom path.
    void reset();
    void setSupportEDID(bool support);
    // Lists the templates of the device model's template folder again.
    void initEdidTemplate(const ConnectorType& type);
    void showDetailDMTInfo(bool show);
    void setConnectInfo(s_ConnectorInfo info);
    void setTotalTiming(s_ConnectorInfo info);
    // 0 while the picker's "Preset" is checked, 1 for "Custom".
    int getResolutionWidgetRadioBtnState() const;

    // Where slot_saveEDIDToFile writes while "Existing Template" is checked (with "Custom
    // Template" it overwrites the chosen file). Empty: nothing is written then.
    void setEDIDSaveFilePath(const QString& path);
    QString edidSaveFilePath() const;
    // The helper's reason for the last failed write, empty after a good one.
    QString lastSaveError() const;

    void retranslateUi();

public slots:
    // Writes the timing over the chosen template (the helper's own image when none is chosen).
    void slot_saveEDIDToFile(ZK::VESA::s_DMTSchemaData EDIDData);

signals:
    void signalContentResize();
    void sig_ResolutionApply();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_AdvanceButton_clicked();
    void browerLocalEDIDFile();
    void edidFileButtonGroupToggled(QAbstractButton* button, bool checked);
    void existEDIDFileComoBoxCurrentIndexChanged(int index);
    void updateEDIDTimingFromFile(const QString& fileName);
    void edidFilePathChanged(const QString& path);
    void slot_curPresetResolutionRatioChanged(ZK::VESA::s_DMTSchemaData data);
    void slot_presetResolutionRatioSelected();
    void slot_customResolutionRatioSelected();
    void slot_customResolutionRatioChanged(QSize frameRate, float refreshRate);
    void slot_timingDataChanged();

private:
    void toggleTimingDetails(bool show);
    void setTotalTimingRange();
    void connectRows();
    void disconnectRows();
    QString chosenTemplatePath() const;

    ResolutionWidget* m_pResolutionWidget = nullptr;
    PolarityWidget* m_pHorPolarityWidget = nullptr;
    PolarityWidget* m_pVerPolarityWidget = nullptr;
    SliderWithDoubleSpinWidget* m_pRefreshRateWidget = nullptr;
    QPushButton* m_pAdvanceButton = nullptr;
    QRadioButton* m_pExistEDIDFileRadioButton = nullptr;
    QRadioButton* m_pCustomEDIDFileRadioButton = nullptr;
    QButtonGroup* m_pEDIDFileButtonGroup = nullptr;
    QComboBox* m_pExistEDIDFileComoBox = nullptr;
    ZK::Utils::PathChooser* m_pCustomEDIDFileChooser = nullptr;
    QString m_strEDIDTemplatesPath;
    s_DMTSchemaData m_CurrentDMTData;
    bool m_bTimingDetailsShow = false;
    bool m_bSupportEDID = false;
    s_ConnectorInfo m_connectInfo;
    QFrame* m_pCustomEDIDFrame = nullptr;
    QFrame* m_pExistEDIDFrame = nullptr;
    QFrame* m_pSeparator = nullptr;
    QString m_strToggleText;
    QString m_strSaveFilePath;
    QString m_strLastSaveError;
    QList<QMetaObject::Connection> m_rowLinks;
};

} // namespace Vireo::Widgets
