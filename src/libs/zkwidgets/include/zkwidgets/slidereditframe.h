#pragma once

// The slider edit frames: rows of label, slider and spin box that keep slider and box in step.
//
// A row reports its value with valueChanged whenever the value changes, whether a person changed it
// (slider, step buttons, spin box) or code did (setValue, a range that clamps it). Two options thin
// out the reports while the slider is being dragged; neither ever loses the final value:
//  - release mode: nothing is reported during the drag, the value is reported once on release;
//  - time sampling (an interval in ms): at most one report per interval during the drag; a value
//    held back is reported when the interval ends, and at the latest on release.
// Values typed into the box or set by the step buttons are reported at once in every mode.
//
// Object names of a row's parts: "SliderEditFrameLabel", "SliderEditFrameMinusButton",
// "SliderEditFrameSlider", "SliderEditFramePlusButton", "SliderEditFrameSpinBox".

#include <zkwidgets/zkwidgets_export.h>

#include <QFrame>
#include <QList>
#include <QRect>
#include <QSize>
#include <QSpinBox>
#include <QString>

#include <functional>
#include <memory>

class QAbstractSpinBox;
class QLabel;
class QSlider;
class QToolButton;
class QDoubleSpinBox;
class QHBoxLayout;
class QVBoxLayout;

namespace Vireo::Widgets {

namespace Internal {
class SliderReportGate;
}

// The spin box of the slider rows, also used alone: the value is taken when the person confirms it
// (Return or leaving the box), not on every keystroke; the wheel only acts while the box has focus,
// so scrolling a page never changes a value by accident; focusing it selects the text.
class ZKWIDGETS_EXPORT SliderEditSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit SliderEditSpinBox(QWidget* parent = nullptr);
    ~SliderEditSpinBox() override;

protected:
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

namespace Internal {

// What the integer and the decimal rows share: the parts of the row (label, minus button, slider,
// plus button and the spin box the row gives), their look, and when changes are reported.
class ZKWIDGETS_EXPORT SliderRowFrame : public QFrame
{
    Q_OBJECT
public:
    ~SliderRowFrame() override;

    void setLabelText(const QString& text);
    QString labelText() const;
    void setLabelVisible(bool visible);
    void setLabelFixedWidth(int width);
    void setSpinBoxFixedWidth(int width);
    // Width of each of the two step buttons.
    void setButtonFixedWidth(int width);
    void setButtonsVisible(bool visible);
    // labelSpacing: between the label and the controls; controlSpacing: between buttons, slider and box.
    void setHorizontalSpacing(int labelSpacing, int controlSpacing);
    void setHorizontalSpacing(int spacing);
    void setSliderVisible(bool visible);
    bool isSliderVisible() const;

    void setReleaseMode(bool releaseMode = true);
    bool isReleaseMode() const;
    // Minimum interval in ms between two reports while dragging; 0 reports every change.
    void setTimeSamplingRate(int msec);
    int timeSamplingRate() const;

protected:
    // Takes the spin box (made without a parent) into the row; `report` emits the row's value.
    SliderRowFrame(QAbstractSpinBox* spinBox, std::function<void()> report, QWidget* parent);

    QHBoxLayout* m_pLayout = nullptr;
    QHBoxLayout* m_pControlLayout = nullptr;
    QLabel* m_pLabel = nullptr;
    QToolButton* m_pMinusButton = nullptr;
    QSlider* m_pSlider = nullptr;
    QToolButton* m_pPlusButton = nullptr;
    std::unique_ptr<SliderReportGate> m_pGate;

private:
    QAbstractSpinBox* m_pSpinBoxWidget = nullptr;
};

} // namespace Internal

// One integer row.
class ZKWIDGETS_EXPORT SliderEditFrame : public Internal::SliderRowFrame
{
    Q_OBJECT
public:
    explicit SliderEditFrame(QWidget* parent = nullptr);
    ~SliderEditFrame() override;

    void setRange(int minimum, int maximum);
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    int minimum() const;
    int maximum() const;
    void setSingleStep(int step);
    int singleStep() const;
    void setPageStep(int step);
    int pageStep() const;
    int value() const;

    // Drive the row as a person would, for tests and demos: a value typed into the box and confirmed,
    // or a drag of the slider handle through the positions (released at the end when release is true).
    void simulateUserEdit(int value);
    void simulateSliderDrag(const QList<int>& positions, bool release = true);

public slots:
    void setValue(int value);

signals:
    void valueChanged(int value);
    void sliderPressed();
    void sliderReleased();

private:
    SliderEditFrame(SliderEditSpinBox* spinBox, QWidget* parent);
    void applyValue(int value, bool dragging);
    void reportValue();

    SliderEditSpinBox* m_pSpinBox = nullptr;
    int m_nValue = 0;
    int m_nReportedValue = 0;
};

// One row of decimal values. The slider moves in units of the last decimal.
class ZKWIDGETS_EXPORT SliderEditFrameDouble : public Internal::SliderRowFrame
{
    Q_OBJECT
public:
    explicit SliderEditFrameDouble(QWidget* parent = nullptr);
    ~SliderEditFrameDouble() override;

    void setRange(double minimum, double maximum);
    void setMinimum(double minimum);
    void setMaximum(double maximum);
    double minimum() const;
    double maximum() const;
    void setSingleStep(double step);
    double singleStep() const;
    void setPageStep(double step);
    double pageStep() const;
    // 0 to 6 decimals (2 at construction).
    void setDecimals(int decimals);
    int decimals() const;
    double value() const;

    void simulateUserEdit(double value);
    void simulateSliderDrag(const QList<double>& positions, bool release = true);

public slots:
    void setValue(double value);

signals:
    void valueChanged(double value);
    void sliderPressed();
    void sliderReleased();

private:
    SliderEditFrameDouble(QDoubleSpinBox* spinBox, QWidget* parent);
    qint64 toUnits(double value) const;
    double fromUnits(qint64 units) const;
    void updateSliderRange();
    void applyUnits(qint64 units, bool dragging);
    void reportValue();

    QDoubleSpinBox* m_pSpinBox = nullptr;
    double m_dMinimum = 0.0;
    double m_dMaximum = 99.99;
    double m_dSingleStep = 1.0;
    double m_dPageStep = 10.0;
    int m_nDecimals = 2;
    qint64 m_nUnits = 0;
    qint64 m_nReportedUnits = 0;
};

// Rows for red, green, blue and an overall level; which rows exist is chosen by the type mask.
// Any change of a row reports all four values (a row that is not shown reports its last value).
// Row object names: "RGBAllEditFrameRed", "RGBAllEditFrameGreen", "RGBAllEditFrameBlue",
// "RGBAllEditFrameAll".
class ZKWIDGETS_EXPORT RGBAllEditFrame : public QFrame
{
    Q_OBJECT
public:
    enum Type { Red = 1, Green = 2, Blue = 4, All = 8, RGB = Red | Green | Blue, RGBAll = RGB | All };
    Q_ENUM(Type)

    explicit RGBAllEditFrame(QWidget* parent = nullptr);
    explicit RGBAllEditFrame(int types, QWidget* parent = nullptr);
    ~RGBAllEditFrame() override;

    void setType(int types);
    int type() const;

    // The setters below take a mask of rows.
    void setRange(int types, int minimum, int maximum);
    void setValue(int types, int value);
    void setSingleStep(int types, int step);
    void setPageStep(int types, int step);
    void setLabelText(int types, const QString& text);
    int value(Type type) const;
    int minimum(Type type) const;
    int maximum(Type type) const;
    QString labelText(Type type) const;
    // Sets all four and reports once.
    void setValues(int red, int green, int blue, int all);

    void setLabelFixedWidth(int width);
    void setSpinBoxFixedWidth(int width);
    void setButtonFixedWidth(int width);
    void setHorizontalSpacing(int labelSpacing, int controlSpacing);
    void setVerticalSpacing(int spacing);
    void setReleaseMode(bool releaseMode = true);
    void setTimeSamplingRate(int msec);

    SliderEditFrame* frame(Type type) const;
    void retranslateUi();

signals:
    void valueChanged(int red, int green, int blue, int all);

protected:
    void changeEvent(QEvent* event) override;

private:
    void init(int types);
    void reportIfChanged();

    QVBoxLayout* m_pLayout = nullptr;
    SliderEditFrame* m_pRows[4] = {};
    int m_nTypes = RGBAll;
    int m_nCustomLabels = 0;
    int m_nBatchDepth = 0;
    int m_lastReported[4] = {};
};

// Fields x, y, width and height of a rectangle, each a slider row. Any change of a field reports the
// four values (x, y, width, height). Field object names: "RectEditFrameX", "RectEditFrameY",
// "RectEditFrameWidth", "RectEditFrameHeight".
class ZKWIDGETS_EXPORT RectEditFrame : public QFrame
{
    Q_OBJECT
public:
    enum FieldType { X = 2, Y = 4, Width = 8, Height = 16, AllFields = X | Y | Width | Height };
    Q_ENUM(FieldType)

    explicit RectEditFrame(QWidget* parent = nullptr);
    ~RectEditFrame() override;

    // The setters below take a mask of fields (X | Y, AllFields, ...).
    void setRange(int types, int minimum, int maximum);
    void setMinimum(int types, int minimum);
    void setMaximum(int types, int maximum);
    void setSingleStep(int types, int step);
    void setValue(int types, int value);
    void setLabelText(int types, const QString& text);
    void setLabelFixedWidth(int types, int width);
    void setSpinBoxFixedWidth(int types, int width);
    void setButtonFixedWidth(int types, int width);
    void setSliderVisible(int types, bool visible);

    int value(FieldType type) const;
    int minimum(FieldType type) const;
    int maximum(FieldType type) const;
    int singleStep(FieldType type) const;
    QString labelText(FieldType type) const;

    // Sets the four fields and reports once.
    void setValues(int x, int y, int width, int height);
    void setRectValue(const QRect& rect);
    QRect rectValue() const;

    void setHorizontalSpacing(int labelSpacing, int controlSpacing);
    void setVerticalSpacing(int spacing);
    void setReleaseMode(bool releaseMode = true);
    void setTimeSamplingRate(int msec);

    SliderEditFrame* field(FieldType type) const;
    void retranslateUi();

signals:
    void valueChanged(int x, int y, int width, int height);

protected:
    void changeEvent(QEvent* event) override;
    // Called after a person or code changed one field, before the report; subclasses keep their
    // fields consistent here.
    virtual void fieldChanged(FieldType type, int value);

    // Sets the four fields for setValues() and setRectValue(); subclasses may fit the rectangle first.
    virtual void applyValues(const QRect& rect);

    // While a batch is open, field changes are collected and reported once when the last batch ends.
    void beginBatch();
    void endBatch();

private:
    void reportIfChanged();

    QVBoxLayout* m_pLayout = nullptr;
    SliderEditFrame* m_pFields[4] = {};
    int m_nCustomLabels = 0;
    int m_nBatchDepth = 0;
    int m_lastReported[4] = {};
};

// A crop rectangle inside a source picture: the fields keep the rectangle inside the source (x never
// passes width minus the crop width, the crop width never passes the source width minus x, and so on
// for y and height).
class ZKWIDGETS_EXPORT CropEditFrame : public RectEditFrame
{
    Q_OBJECT
public:
    explicit CropEditFrame(QWidget* parent = nullptr);
    ~CropEditFrame() override;

    // Size of the source picture; the crop rectangle is moved and shrunk to fit when needed.
    void setCropRange(const QSize& sourceSize);
    void setCropRange(int width, int height);
    QSize cropRange() const;
    // Smallest crop width and height (1 x 1 at construction).
    void setMinimumCropSize(const QSize& size);
    QSize minimumCropSize() const;

    // Sets the crop rectangle, fitted into the source, and reports once.
    void setCropValue(const QRect& rect);
    void setCropValue(int x, int y, int width, int height);
    QRect cropValue() const;

protected:
    void fieldChanged(FieldType type, int value) override;
    void applyValues(const QRect& rect) override;

private:
    QSize m_sourceSize;
    QSize m_minimumCropSize {1, 1};
    bool m_bApplying = false;
};

} // namespace Vireo::Widgets
