#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QList>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;

namespace ZK::Utils {
class FlowLayout;
}

namespace Vireo::Widgets {

// Popup grid of refresh-rate buttons opened beside a refresh-rate button. A click reports the
// rate, marks its button and closes the popup; losing the keyboard focus closes it too.
// Buttons carry "freshData" (the rate, float) and "isRefreshRateButton" (true).
class VIREOWIDGETS_EXPORT FreshRateSelectedWidget : public QWidget
{
    Q_OBJECT
public:
    explicit FreshRateSelectedWidget(QWidget* parent = nullptr);
    ~FreshRateSelectedWidget() override;

    void addPresetResolutionRatioData(const float& data);
    void removeAllButtons();
    // Checks the first button whose rate equals `data` exactly; none when there is no such button.
    void setCurrentFreshRate(const float& data);
    // Shows the buttons whose rate is not above `rate` and hides the others.
    void setMaxFreshRate(float rate);

signals:
    void signal_freshRateChanged(const float& data);

public slots:
    void slot_Close();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void slot_buttonClicked(QAbstractButton* button);

    ZK::Utils::FlowLayout* m_pFlowLayout = nullptr;
    QButtonGroup* m_pButtonGroup = nullptr;
};

namespace Internal {

// The rates the timing editors' refresh popups offer, in this order.
VIREOWIDGETS_EXPORT const QList<float>& commonRefreshRates();
// The refresh popup of a timing editor: a child of `owner`, 255 x 410, holding the common rates.
VIREOWIDGETS_EXPORT FreshRateSelectedWidget* makeRefreshPopup(QWidget* owner);
// Marks `rate` and shows the popup with its left edge 10 px right of `button` and its middle at
// the button's top.
VIREOWIDGETS_EXPORT void showRefreshPopup(FreshRateSelectedWidget* popup, QWidget* button, float rate);

} // namespace Internal

} // namespace Vireo::Widgets
