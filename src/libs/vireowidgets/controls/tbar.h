#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QDialog>

#include <memory>

namespace Vireo::Widgets {

namespace Internal {
struct TbarForm;
}

// The transition lever of a video switcher: a vertical slider beside a column of twelve lamps.
// Moving the lever reports how far the transition has gone as a fraction from 0 to 1.
class VIREOWIDGETS_EXPORT tbar : public QDialog
{
    Q_OBJECT
public:
    enum TbarDirection { BottomToTop = 0, TopToBottom = 1, NumDirection = 2 };
    Q_ENUM(TbarDirection)

    static constexpr int LampCount = 12;

    explicit tbar(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~tbar() override;

    // Moves the lever to a fraction without reporting it.
    void setCurValue(double percent);
    // Turns every lamp off and snaps the lever to the nearer end.
    void turnOffLed();

    void setTbarDirection(TbarDirection direction);
    TbarDirection getTbarDirection() const;
    void setDirectionEnable(bool enable);
    void enable(bool enable);
    void setLed(double value);

signals:
    void percentChanged(qreal cur, qreal prev);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void slotSliderValueChanged(int value);
    void connectSlider();

    std::unique_ptr<Internal::TbarForm> ui;
    qreal m_prevValue = 0;
    TbarDirection m_direction = BottomToTop;
    bool m_bDirectionEnable = false;
    QMetaObject::Connection m_sliderLink;
};

} // namespace Vireo::Widgets
