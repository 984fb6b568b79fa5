#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/bizmodel.h>
#include <zkwidgets/id.h>

#include <QFrame>
#include <QRect>
#include <QTimer>

#include <memory>

namespace Vireo::Widgets {

class TakeOverPanelWidget;

// Base of every page the host shows in its central area. When another client controls the
// device, a page lays a TakeOverPanelWidget over itself: the base creates the panel on the first
// enterWindow(), keeps it over the whole page, re-reads the controlling clients every three
// seconds while the panel is shown, and sends the take-over request when its button is clicked.
// Whether the panel shows for the current device state is the page's decision: override
// updateTakeOverPanel() and show, update or hide m_pTakeOverPanel there.
class VIREOWIDGETS_EXPORT ICenterWidget : public QFrame
{
    Q_OBJECT
public:
    explicit ICenterWidget(ZK::Utils::Id id, QWidget* parent = nullptr);
    ~ICenterWidget() override;

    ZK::Utils::Id id() const { return m_id; }
    bool isLevave() const { return m_bLeave; }
    void raiseWindow();

    // The take-over state: -1 none, 0 just requested, 1 and 2 timer ticks since the request.
    int readControlClientsTimes() const { return m_readControlClientsTimes; }
    TakeOverPanelWidget* takeOverPanel() const { return m_pTakeOverPanel; }

public slots:
    virtual void setMode(ZK::Utils::Id id);
    virtual void enterWindow();
    virtual void leaveWindow();
    virtual void retranslateUi();
    virtual QRect getMaskRect();
    virtual void updateTakeOverPanel();
    virtual void startReadControlClientsTimer();
    virtual void stopReadControlClientsTimer();
    virtual void hideTakeOverPanel();

    void readControlClientsTimerTimeout();
    void deviceOnlineStatusChanged(std::weak_ptr<Vireo::BizModel::Device> device);
    void deviceMasterControlStatusChanged(std::weak_ptr<Vireo::BizModel::Device> device);
    void activedDeviceChanged();
    void takeOverButtonClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

public:
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    bool m_bLeave = true;
    TakeOverPanelWidget* m_pTakeOverPanel = nullptr;
    QTimer m_readControlClientsTimer;
    int m_readControlClientsTimes = -1;
    ZK::Utils::Id m_id;
};

} // namespace Vireo::Widgets
