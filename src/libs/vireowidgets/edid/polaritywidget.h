#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <zkwidgets/vesa.h>

#include <QFrame>
#include <QString>

class QLabel;
class QRadioButton;

namespace Vireo::Widgets {

class SliderWithSpinWidget;

// Edits one direction (horizontal or vertical) of a video timing: total, front porch, active,
// sync and sync polarity. The rows' ranges follow the total so that the parts always fit in it;
// the back porch is what the total leaves after them.
class VIREOWIDGETS_EXPORT PolarityWidget : public QFrame
{
    Q_OBJECT
public:
    explicit PolarityWidget(QWidget* parent = nullptr);
    ~PolarityWidget() override;

    // Stores the timing and shows it without reporting.
    void setPolarityData(const ZK::VESA::s_FrameTiming& timing);
    void getPolarityData(ZK::VESA::s_FrameTiming& timing) const;
    void resetTatalTimingRange(quint32 minTotal, quint32 maxTotal);
    // Prefixes every row label and the polarity label with the direction ("Horizontal", "V", ...).
    void setPolarityDirection(QString strDirction);

    void retranslateUi();

signals:
    void signal_polarityDataChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void connectRows();
    void disconnectRows();
    void resetTimingMinMax();
    void showRows();
    void alignLabels();
    QString directed(const QString& text) const;

    void slot_totalChanged(int value);
    void slot_frontPorchChanged(int value);
    void slot_activeChanged(int value);
    void slot_syncChanged(int value);
    void slot_polarityToggled();

    SliderWithSpinWidget* m_pTotalWidth = nullptr;
    SliderWithSpinWidget* m_pFrontfroch = nullptr;
    SliderWithSpinWidget* m_pWidth = nullptr;
    SliderWithSpinWidget* m_pSync = nullptr;
    QLabel* m_pPolarityTypeLabel = nullptr;
    QRadioButton* m_pAddRadionbutton = nullptr;
    QRadioButton* m_pMinusRadioButton = nullptr;
    ZK::VESA::s_FrameTiming m_frameTiming;
    int m_labelTextMaxLength = 0;
    QString m_strDirection;
    QList<QMetaObject::Connection> m_rowLinks;
};

} // namespace Vireo::Widgets
