#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/bizmodel.h>
#include <vireomodel/protomodel.h>

#include <QFrame>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTimer>

#include <memory>

class QListWidget;

namespace Vireo::Widgets {

// The veil a page lays over itself while another client controls the device: it dims the page,
// shows a picture, an explanation, a "Take over" button, a status line and the clients that hold
// the device. The page tells it the device's state (updateTipsText(bool, int)) and when to read
// the clients again (updateIpListWidget); the button is reported through
// signalTakeOverButtonClicked.
class VIREOWIDGETS_EXPORT TakeOverPanelWidget : public QFrame
{
    Q_OBJECT
public:
    explicit TakeOverPanelWidget(QFrame* parent = nullptr);
    ~TakeOverPanelWidget() override;

    void setPixmapPath(const QString& path);
    void setText(const QString& text);
    void setBtnText(const QString& text);
    // The small icon drawn in front of the status line.
    void setTipsIconPath(const QString& path);

    // The page's view of the device: whether this client controls it, and the take-over state
    // (-1 none, 0 just requested, 1 and 2 timer ticks since the request).
    void updateTipsText(bool isMasterControl, int readControlClientsTimes);
    void updateIpListWidget();
    void retranslateUi();

    QString text() const { return m_infoText; }
    QString btnText() const { return m_btnText; }
    QString tipsText() const { return m_tips; }
    QRectF takeOverButtonRect() const { return m_rect; }
    QList<Vireo::ProtoModel::DeviceClientInfo> clientInfoList() const { return m_clientInfoList; }

    // "192.168.1.35:5000"
    static QString clientAddressText(const Vireo::ProtoModel::DeviceClientInfo& client);

signals:
    void signalTakeOverButtonClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateTipsText();
    void placeContent();
    void placeIpListWidget();
    QPoint ipListWidgetPoint() const;
    QRect pictureRect() const;
    bool isAttemptUnderWay() const { return m_readControlClientsTimes == 0; }

    QString m_pixmapPath;
    QImage m_takeoverImage;
    QString m_tipsIconPath;
    QString m_infoText;
    QString m_btnText;
    QSize m_btnSize {118, 40};
    QSize m_ipListWidgetSize {252, 173};
    QSize m_tipsIconSize {16, 14};
    QSize m_tipsSize {350, 32};
    QRectF m_rect;
    bool m_isPressed = false;
    QString m_tips;
    QList<Vireo::ProtoModel::DeviceClientInfo> m_clientInfoList;
    QListWidget* m_ipListWidget = nullptr;
    QTimer m_enableTakeOverButtonTimer;
    bool m_isMasterControl = false;
    bool m_hideTipsFinished = true;
    bool m_isShowWarningImage = false;
    int m_readControlClientsTimes = -1;

    QImage m_tipsIcon;
    // A press counts towards a click only when it landed on the button (with the same touch
    // margin a release gets).
    bool m_pressArmed = false;
    // The device a take-over attempt was made on: its end only reads as "busy" for that device.
    std::weak_ptr<Vireo::BizModel::Device> m_attemptDevice;
};

} // namespace Vireo::Widgets
