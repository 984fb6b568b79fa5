#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/enums.h>
#include <vireomodel/protomodel.h>

#include <QList>
#include <QPointer>
#include <QSize>
#include <QWidget>

class QButtonGroup;
class QLabel;
class QPushButton;
class QToolButton;

namespace Vireo::Widgets {

class FreshRateSelectedWidget;
class GroupWidget;
class PresupposeDialolg;
class SliderEditFrame;

// The resolution and refresh rate a connector advertises (input) or sends (output): a preset from
// the connector's table, or a custom width, height and rate. The panel sends nothing to the
// device; it reports the operator's choice through its signals.
class VIREOWIDGETS_EXPORT EdidSupplement : public QWidget
{
    Q_OBJECT
public:
    using InterfaceType = Vireo::BizModel::Enum::Interface::InterfaceType;
    using ConnectorType = Vireo::BizModel::Enum::Interface::ConnectorType;
    using FormatMapping = Vireo::BizModel::Enum::Interface::FormatMapping;
    using CapacityMode = Vireo::BizModel::Enum::Interface::CapacityMode;

    explicit EdidSupplement(InterfaceType cardType, QWidget* parent = nullptr);
    ~EdidSupplement() override;

    void initParm(int slotId, Vireo::ProtoModel::s_TimingDetailBody data, FormatMapping formatType);
    void retranslateUi();
    quint32 getMaxBand() const;
    quint32 getMinBand() const;
    void freshInputModelChanged();
    void setDefaultTip(const QString& tip);
    void setCustomTip(const QString& tip);
    void updateCustomEdidVisible(bool visible);
    FormatMapping formatMapping(QSize frameRate, float freshRate, int interlaced);
    void setEnable(bool enable);
    void setLeaveABEnable(bool enable);
    CapacityMode getCurCapacity();

signals:
    void signal_defaultEdidDataChanged(QSize size, float freshRate, int interlaced);
    void signal_customEdidDataChanged(QSize size, float freshRate);
    void signalFormatMappingChanged(Vireo::BizModel::Enum::Interface::FormatMapping format);

public slots:
    void updateOutputDefaultResolution();
    void updateInputDefaultResolution();
    void slot_outputModelChanged();
    void slotSyncButtonClicked(int id);

protected:
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void slotWidthSliderValueChanged(int nValue);
    void slot_edidDataChanged();
    void slot_applyClicked();
    void slot_selectedFreshRate();
    void slot_freshRateChanged(const float& data);
    void slot_showDefaultFrameRate();
    void slot_accpet(QSize frameRate, float freshRate, int interlaced);

private:
    void createWidgets();
    void createConnections();
    void removeConnections();
    void syncDMTDate(QSize frameRate, bool interlaced, float refreshRate);
    template <typename List>
    void syncFromSelected(const List& selected);
    void updateFormatMappingWidget(int slotId, FormatMapping format);
    void setSelectFormatMapping(int id);
    void setSliderRanges(quint32 maxBand, quint32 minBand, QSize minSize, QSize maxSize);
    bool isInputPanel() const;
    // The interface a popup was opened for, by the number the device knows it by; a choice made in
    // the popup counts only while that interface is still the first selected one.
    quint32 selectedInterfaceId() const;
    bool popupTargetStillThere(quint32& target) const;

    InterfaceType m_cardType;
    ConnectorType m_connectorType = Vireo::BizModel::Enum::Interface::Single_Link_DVI;
    int m_step = 1;
    quint32 m_pCurrentMaxBandWidth = 0;
    quint32 m_pCurrentMinBandWidth = 0;
    QSize m_currentMaxRange {-1, -1};
    Vireo::ProtoModel::s_TimingDetailBody m_currentTiming;

    GroupWidget* m_pDefaultLabel = nullptr;
    GroupWidget* m_pCustomLabel = nullptr;
    QLabel* m_pDefaultEmptyLabel = nullptr;
    QToolButton* m_pDefaultToolButton = nullptr;
    QButtonGroup* m_pSyncButtonGroup = nullptr;
    SliderEditFrame* m_pWidthSlider = nullptr;
    SliderEditFrame* m_pHeightSlider = nullptr;
    QLabel* m_pFreshLabel = nullptr;
    QToolButton* m_pFreshRateButton = nullptr;
    QLabel* m_pFreshUnit = nullptr;
    QPushButton* m_pApplyButton = nullptr;
    QLabel* m_pApplyLabel = nullptr;
    QPointer<PresupposeDialolg> m_pDefultDialog;
    FreshRateSelectedWidget* m_pFreshselectedWidget = nullptr;

    // The timing shown now (from initParm or the model), preselected when the picker opens.
    QSize m_shownFrame;
    float m_shownRate = 0.f;
    int m_shownInterlaced = 0;
    quint32 m_presetTarget = NoTarget;
    quint32 m_rateTarget = NoTarget;
    QList<QMetaObject::Connection> m_connections;

    static constexpr quint32 NoTarget = 0xFFFFFFFF;
};

} // namespace Vireo::Widgets
