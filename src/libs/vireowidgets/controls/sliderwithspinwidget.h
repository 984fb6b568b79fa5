#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QDoubleSpinBox>
#include <QFrame>
#include <QSlider>
#include <QVariant>

class QHBoxLayout;
class QLabel;
class QSpinBox;
class QTimer;
class QToolButton;

namespace Vireo::Widgets {

// A slider that leaves the mouse wheel to the surrounding view.
class VIREOWIDGETS_EXPORT NSliderEX : public QSlider
{
    Q_OBJECT
public:
    explicit NSliderEX(QWidget* parent = nullptr);
    explicit NSliderEX(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

// A double spin box that leaves the mouse wheel to the surrounding view.
class VIREOWIDGETS_EXPORT NDoubleSpinBox : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit NDoubleSpinBox(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

// Label, slider and integer spin box holding the same integer.
class VIREOWIDGETS_EXPORT SliderWithSpinWidget : public QFrame
{
    Q_OBJECT
public:
    explicit SliderWithSpinWidget(QWidget* parent = nullptr);
    ~SliderWithSpinWidget() override;

    void setLabelName(QString labelName);
    // The label text padded for measuring the width of a label column.
    QString getLabelName() const;

    void setSliderValue(const int iValue);
    void setSliderRange(int iMinValue, int iMaxValue);
    void getSliderRange(int& iMinValue, int& iMaxValue) const;
    void setSpinBoxValue(const int iValue);
    void setSpinBoxRange(int iMinValue, int iMaxValue);
    void getSpinBoxRange(int& iMinValue, int& iMaxValue) const;
    int getSpinBoxValue() const;

    QSlider* getColorSlider() const;
    QLabel* getLabel() const;

    void setStretchPara(const int para1, const int para2, const int para3);
    void setContentsMargins(int left, int top, int right, int bottom);
    void setLabelWidgetMaxLength(int length);
    QString readlLabelText() const;
    int realLabelTextWidth() const;
    void setSingleStep(int sliderStep, int spinboxStep);

signals:
    void signal_spinboxValueChanged(int iValue);
    void signal_sliderPressed();
    void signal_sliderReleased();

public slots:
    void slot_sliderValueChanged(int iValue);
    void slot_spinboxeditFinished();
    void slot_SliderPressed();
    void slot_SliderReleased();

private:
    void connectSliderValue();

    int m_iValue = 0;
    QLabel* m_pLabel = nullptr;
    QSlider* m_pSlider = nullptr;
    QSpinBox* m_pSpinbox = nullptr;
    QHBoxLayout* m_pHoriLayout = nullptr;
    QMetaObject::Connection m_sliderValueLink;
};

// Label, slider and two-decimal spin box; the slider counts hundredths of the spin box value.
class VIREOWIDGETS_EXPORT SliderWithDoubleSpinWidget : public QFrame
{
    Q_OBJECT
public:
    explicit SliderWithDoubleSpinWidget(QWidget* parent = nullptr);
    ~SliderWithDoubleSpinWidget() override;

    void setLabelName(QString labelName);
    QString getLabelName() const;
    void setLabelWidgetMaxLength(const int labelMaxLength);
    void setContentsMargins(int left, int top, int right, int bottom);
    void setStretchPara(int labelStretch, int sliderStretch, int spinStretch);
    QSlider* getColorSlider() const;

    void setSliderValue(const int iValue);
    // The slider range becomes 100 x min to 100 x max.
    void setSliderRange(int iMinValue, int iMaxValue);
    void setSpinBoxValue(const double dValue);
    void setSpinBoxRange(double iMinValue, double iMaxValue);
    double getSpinBoxValue() const;
    double getSpinBoxMaxValue() const;
    void setSingleStep(int sliderStep, int spinboxStep);

signals:
    void signal_spinboxValueChanged(double dValue);
    void signal_sliderPressed();
    void signal_sliderReleased();

public slots:
    void slot_sliderValueChanged(int iValue);
    void slot_spinboxeditFinished();
    void slot_sliderPressed();
    void slot_sliderReleased();

private:
    void connectSliderValue();
    void connectSpinboxFinished();
    int toSliderValue(double value, bool round) const;

    double m_dValue = 0.0;
    QLabel* m_pLabel = nullptr;
    QSlider* m_pSlider = nullptr;
    QDoubleSpinBox* m_pSpinbox = nullptr;
    QHBoxLayout* m_pHoriLayout = nullptr;
    QMetaObject::Connection m_sliderValueLink;
    QMetaObject::Connection m_spinboxFinishedLink;
};

// Title, slider, entry box and minus/plus buttons, with a scaling model between the slider's raw
// integer and the number shown: an integer factor, a two-decimal mode (the raw value counts
// hundredths) and a multiple mode.
class VIREOWIDGETS_EXPORT ZKSliderLineEditWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ZKSliderLineEditWidget(QWidget* parent = nullptr);
    ~ZKSliderLineEditWidget() override;

    void setTitle(QString strParamer);
    QString getTitle() const;
    QLabel* getTitleLable() const;
    void setNameLabelLength(int len);
    void setLabelProperty(const char* name, const QVariant& value);

    void setRange(int nMin, const int& nMax);
    void setMaxValue(int nMax);
    void setMinValue(int nMin);
    void setColorKeyRange(int nMin, const int& nMax);
    void setDoubleRange(double dMin, double dMax);
    void getRange(int& nMin, int& nMax) const;
    int maximum() const;
    int minmun() const;

    void setStep(int nPramer);
    void setPageStep(int nPramer);
    int getStep() const;
    void setSpinBoxSingleStep(double v);

    void setCurValue(int nValue);
    void setEditCurValue(int nValue);
    int getCurValue() const;
    int getCurValueBox() const;
    double getDoubleCurValue() const;

    void setDoubleFlag(bool b);
    // The factor between raw and shown value; it divides typed values, so values below 1 are refused.
    void setEvenCharacteristic(int num);
    void setSync(bool sync);

    // Width limits of the entry box.
    void setLabelWidth(int max, int min);
    void setPushButtonWidth(int max, int min);
    void setPushButtonVisible(bool visible);
    NSliderEX* getSlider() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void sig_CurValueChanged(int nValue);
    void sig_CurValueChanged(double dValue);
    void sig_sliderReleased(int nValue);
    void sig_sliderPressed();
    void signal_lineEditValueVChanged();
    void signal_sliderMoved(int value);

public slots:
    void slot_sliderChanged();
    void slot_sliderValueChanged(int iValue);
    void slot_LineEidtValueFinsh();
    void slot_SliderReleased();
    void slot_SliderPressed();
    void slot_pressSliderValueChanged(int iValue);
    void slot_AddValue();
    void slot_Subtraction();
    // Sets a dynamic property on the slider, for style selectors.
    void setProperty(const char* name, const QVariant& value);
    void setMultiple(bool bParamer, double nValue, double pre);
    // Fixes the width of the title label.
    void setLabelWidth(int len);
    void slot_textChanged(const QString& text);
    void setDecimalsValue(int nValue);
    void slot_EidtfocusIn();
    void slot_actionTriggered(int action);

private:
    class LineEditLinkCut;

    bool isTwoDecimal() const;
    double shownValue(int rawValue) const;
    void writeBox(int nValue, bool widenRange);
    void commitRawValue(int rawValue);
    void cutLineEditLink();
    void restoreLineEditLink();

    QLabel* m_pNameLabel = nullptr;
    NSliderEX* m_pSlide = nullptr;
    QDoubleSpinBox* m_pLineEditValue = nullptr;
    QString m_strLineEditText;
    bool m_bIsDouble = false;
    bool m_bMultiple = false;
    double m_nMultipleValue = 1.0;
    double m_nPre = 1.0;
    bool m_bIsSync = true;
    int m_iEvenCharacteristic = 1;
    int m_iDecimals = 0;
    QToolButton* m_pPushButtonSubtract = nullptr;
    QToolButton* m_pPushButtonPlus = nullptr;
    QTimer* m_sliderMoveTimer = nullptr;
    int m_curValue = 0;

    QMetaObject::Connection m_lineEditLink;
    int m_lineEditLinkCuts = 0;
};

} // namespace Vireo::Widgets
