#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QRect>
#include <QWidget>

class QCheckBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;

namespace Vireo::Widgets {

class SliderEditFrame;

// The intercept (cut-out) rectangle of a source or output: an enable check box, X, Y, Width and
// Height fields, a reset button and an aspect lock that keeps Height equal to Width.
//
// Object names: "SupplememtInterceptEnable", "SupplememtInterceptX", "SupplememtInterceptY",
// "SupplememtInterceptWidth", "SupplememtInterceptHeight", "SupplememtInterceptLock",
// "SupplememtInterceptReset", "SupplememtInterceptTitle".
class VIREOWIDGETS_EXPORT SupplememtInterceptWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SupplememtInterceptWidget(QWidget* parent = nullptr);
    ~SupplememtInterceptWidget() override;

    void setCurXValue(const int& value);
    void setCurYValue(const int& value);
    void setCurWidthValue(const int& value);
    void setCurHeightValue(const int& value);
    void setCurRectValue(QRect& rect);
    QRect getCurRectValue() const;
    int getCurXValue() const;
    int getCurYValue() const;
    int getCurWidthValue() const;
    int getCurHeightValue() const;

    void setXValueRange(const int& min, const int& max);
    void setYValueRange(const int& min, const int& max);
    void setWidthValueRange(const int& min, const int& max);
    void setHeightValueRange(const int& min, const int& max);
    void setWidthStep(int step);
    int getWidthMaximum() const;
    int getWidthMinmum() const;
    int getHeightMaximum() const;
    int getHeightMinmum() const;

    void setToggled(bool toggled);
    void setToggledLock(bool toggled);
    void setLockStatus(bool locked, bool enabled);
    void setLockStatusParamer(bool unlocked);
    void setCheckBoxStatus(bool enabled);
    void setEmitEnabled(bool emitEnabled);
    void setParaAssociateValid(bool valid);
    bool getEable() const;
    QCheckBox* getCheckBox() const;

    void setTitle(const QString& title);
    void setTitleVisible(bool visible);
    void setXLableName(const QString& name);
    void setYLableName(const QString& name);
    void setWLableName(const QString& name);
    void setHLableName(const QString& name);
    void setResetButton(bool visible);
    void setLockButtonVisible(bool visible);
    void setEnableButtonVisible(bool visible);
    void setLabelWidth(int width);
    void retranslateUi();

signals:
    void sig_ValueChanged(QRect value);
    void sig_CheckBoxCheck(bool bEnable);
    void sig_Reset();
    void sig_Lock(bool bLock);

protected:
    void changeEvent(QEvent* event) override;

private:
    void onXChanged(int value);
    void onYChanged(int value);
    void onWidthChanged(int value);
    void onHeightChanged(int value);
    void onLockClicked();
    // Dependent ranges (and the locked height) after a field took a value.
    void followX(int value);
    void followY(int value);
    void followWidth(int value);
    void followHeight(int value);
    void onEnableToggled(bool enabled);
    void followEnable(bool enabled);
    void reportRect();
    // Sets a field's range (or value) without running its change handling.
    void setRangeQuietly(SliderEditFrame* field, int minimum, int maximum);
    void setValueQuietly(SliderEditFrame* field, int value);

    SliderEditFrame* m_pXWidget = nullptr;
    SliderEditFrame* m_pYWidget = nullptr;
    SliderEditFrame* m_pWidthWidget = nullptr;
    SliderEditFrame* m_pHeightWidget = nullptr;
    QHBoxLayout* m_pHBoxLayout = nullptr;
    QCheckBox* m_pEnable = nullptr;
    QFrame* m_pFunctionFrame = nullptr;
    QLabel* m_pTitleLable = nullptr;
    int m_nXMaxValue = 0;
    int m_nYMaxValue = 0;
    int m_nWMaxValue = 0;
    int m_nWMinValue = 0;
    int m_nHMaxValue = 0;
    int m_nHMinValue = 0;
    bool m_bParaAssociateValid = false;
    bool m_bSetRnageFlae = false;
    QToolButton* m_pLockButton = nullptr;
    QToolButton* m_pToolButton = nullptr;
    bool m_bIsLocked = false;
    QLabel* m_pEnableLabel = nullptr;
    QPushButton* m_pResetButton = nullptr;
    bool m_bEmit = true;
    bool m_bCustomLabels[4] = {};
};

} // namespace Vireo::Widgets
