#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/enums.h>
#include <vireomodel/interfaceconfig.h>
#include <vireomodel/protomodel.h>

#include <QList>
#include <QSize>
#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace Vireo::Widgets {

class EdidDMTSchemaDisplayWidget;
class FreshRateSelectedWidget;
class NDoubleRadioButton;
class SliderEditFrame;

// Edits a full video timing field by field (totals, active, front porch, sync and polarity per
// direction, and the refresh rate) within the connector's limits, drawn beside as a diagram.
// "Apply" copies the fields into the stored timing and emits sig_Apply(); the panel sends nothing.
class VIREOWIDGETS_EXPORT EdidSupplementAdvanced : public QWidget
{
    Q_OBJECT
public:
    using CapacityMode = Vireo::BizModel::Enum::Interface::CapacityMode;

    explicit EdidSupplementAdvanced(QWidget* parent = nullptr);
    ~EdidSupplementAdvanced() override;

    void setTotalTiming(CapacityMode mode, Vireo::BizModel::s_ConnectorInfo info, bool bIsInputCard);
    void setConnectInfo(CapacityMode mode, Vireo::BizModel::s_ConnectorInfo info, bool bIsInputCard);
    void setCurDMTSchemaData(const Vireo::ProtoModel::s_TimingDetailBody& data);
    Vireo::ProtoModel::s_TimingDetailBody getCurDMTSchemaData() const;
    void setRefreshRate(float rate);
    void setFrameSize(QSize size);
    void updateDefaultStep(int step);
    int getVTotal() const;
    // The highest refresh rate the bandwidth allows for these totals (0 for a zero total).
    float getMaxFreshRate(int h, int v) const;
    void retranslateUi();

signals:
    void sig_Apply();

protected:
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createWidgets();
    void setDefaultRanges();
    void createConnections();
    void removeConnections();
    void slot_totalChanged(bool horizontal, int value);
    void slot_activeChanged(bool horizontal, int value);
    void slot_partChanged(bool horizontal, SliderEditFrame* edited, int value);
    void slot_refreshClicked();
    void slot_freshRateChanged(const float& rate);
    void slot_apply();
    void updateDiagram();
    float shownRate() const;

    SliderEditFrame* m_pHTotalWideValue = nullptr;
    SliderEditFrame* m_pHWideValue = nullptr;
    SliderEditFrame* m_pHBeforeValue = nullptr;
    SliderEditFrame* m_pHSynchronousValue = nullptr;
    SliderEditFrame* m_pVTotalWideValue = nullptr;
    SliderEditFrame* m_pVWideValue = nullptr;
    SliderEditFrame* m_pVBeforeValue = nullptr;
    SliderEditFrame* m_pVSynchronousValue = nullptr;
    NDoubleRadioButton* m_pHPolarity = nullptr;
    NDoubleRadioButton* m_pVPolarity = nullptr;
    QLabel* m_pRefreshRateLabel = nullptr;
    QToolButton* m_pRefreshToolButton = nullptr;
    QLabel* m_pRefreshUnit = nullptr;
    FreshRateSelectedWidget* m_pSelectedWidget = nullptr;
    QPushButton* m_pApplayBut = nullptr;
    EdidDMTSchemaDisplayWidget* m_pFrameDisplay = nullptr;

    int m_nHTotal = 0;
    int m_nVTotal = 0;
    int m_nBackHPro = 0;
    int m_nBackVPro = 0;
    Vireo::BizModel::s_ConnectorInfo m_connectInfo;
    quint32 m_pCurrentMaxBandWidth = 0;
    quint32 m_pCurrentMinBandWidth = 0;
    QSize m_Size;
    Vireo::ProtoModel::s_TimingDetailBody m_currentTiming;
    QList<QMetaObject::Connection> m_connections;
};

} // namespace Vireo::Widgets
