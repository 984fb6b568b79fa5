#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/enums.h>
#include <vireomodel/interfaceconfig.h>

#include <QDialog>
#include <QList>
#include <QSize>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPushButton;

namespace ZK::Utils {
class FlowLayout;
}

namespace Vireo::Widgets {

// Popup offering the standard resolutions of a connector (left) and the refresh rates of the
// chosen resolution (right). OK reports the chosen triple; the dialog changes nothing itself.
//
// Resolution buttons carry "isPopupDialogBtn", "frameRate" (QSize) and "interlaced" (int); rate
// buttons "isPopupDialogBtn" and "FreshRate" (float).
class VIREOWIDGETS_EXPORT PresupposeDialolg : public QDialog
{
    Q_OBJECT
public:
    using ConnectorType = Vireo::BizModel::Enum::Interface::ConnectorType;
    using InterfaceType = Vireo::BizModel::Enum::Interface::InterfaceType;
    using s_VESAResolutionRatio = Vireo::BizModel::InterfaceConfig::s_VESAResolutionRatio;

    explicit PresupposeDialolg(InterfaceType cardType, QWidget* parent = nullptr);
    ~PresupposeDialolg() override;

    void setConnectorType(ConnectorType connectorType);
    ConnectorType connectorType() const { return m_connectorType; }
    void setCurVESAResolutionRatio(ConnectorType type, QList<s_VESAResolutionRatio> list);
    void setCurrentSelect(QSize sizeFrame, float fFrate, int iInterlaced);

    QSize getCurFrameRate() const;
    float getCurFreshRate() const;

    // True when the triple is not among the connector's presets for the current capacity mode.
    bool isCustomEDID(QSize frameRate, int interlaced, float freshRate);

    void retranslateUi();

    // The steps of filling and pre-selecting, for a host that drives them one by one.
    void makePredefinedResolutionList();
    void makePredefinedFrateList();
    int getCurCapacity() const;
    void setFiltrateFresh(QAbstractButton* pItem);
    void setCurrentSelectFrame(QSize sizeFrame, int iInterlaced);
    void setCurrentSelectFrate(float fFrate);

signals:
    void signal_SelectPresuppose(QSize sizeFrame, float fFrate, int interlaced);

public slots:
    void slot_OkSelectItem();
    void slot_FrameSelect(QAbstractButton* pItem);
    void slot_FrateSelect(QAbstractButton* pItem);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createWidgets();
    QPushButton* makeButton(const QString& text);
    void clearButtons(QButtonGroup* group);
    void addFrateButton(float rate);
    // The connector's presets this dialog may offer now; false (logged) when the connector is unknown.
    bool currentPresets(QList<s_VESAResolutionRatio>& presets) const;
    void updateOkEnabled();

    ConnectorType m_connectorType = Vireo::BizModel::Enum::Interface::Single_Link_DVI;
    QList<s_VESAResolutionRatio> m_list;
    ZK::Utils::FlowLayout* m_pFrameFlowLayout = nullptr;
    ZK::Utils::FlowLayout* m_pFrateFlowLayout = nullptr;
    QButtonGroup* m_pDefaultButtonGroup = nullptr;
    QButtonGroup* m_pFrateGroup = nullptr;
    QLabel* m_pFrameLabel = nullptr;
    QLabel* m_pFrateLabel = nullptr;
    QPushButton* m_pOKButton = nullptr;
    QPushButton* m_pCancelButton = nullptr;
    QSize m_curFrameRate;
    float m_curFreshRate = 0.f;
    int m_iInterlaced = 0;
    InterfaceType m_cardType;
};

} // namespace Vireo::Widgets
