#include <zkwidgets/slidereditframe.h>

#include "slidereportgate.h"

#include <QDebug>
#include <QDoubleSpinBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace Vireo::Widgets {

namespace {

struct RowParts
{
    QHBoxLayout* layout = nullptr;
    QHBoxLayout* controls = nullptr;
    QLabel* label = nullptr;
    QToolButton* minus = nullptr;
    QSlider* slider = nullptr;
    QToolButton* plus = nullptr;
};

QToolButton* makeStepButton(QWidget* parent, const char* objectName, const QString& text)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setText(text);
    button->setFocusPolicy(Qt::NoFocus);
    // Held down, the button keeps stepping, as a person expects from a touch panel.
    button->setAutoRepeat(true);
    return button;
}

// Label, minus button, slider, plus button and spin box, in that order.
RowParts buildRow(QFrame* frame, QAbstractSpinBox* spinBox)
{
    RowParts parts;
    parts.layout = new QHBoxLayout(frame);
    parts.layout->setContentsMargins(0, 0, 0, 0);
    parts.layout->setSpacing(8);
    parts.label = new QLabel(frame);
    parts.label->setObjectName(QStringLiteral("SliderEditFrameLabel"));
    parts.layout->addWidget(parts.label);

    parts.controls = new QHBoxLayout;
    parts.controls->setSpacing(6);
    parts.minus = makeStepButton(frame, "SliderEditFrameMinusButton", QStringLiteral("-"));
    parts.slider = new QSlider(Qt::Horizontal, frame);
    parts.slider->setObjectName(QStringLiteral("SliderEditFrameSlider"));
    parts.plus = makeStepButton(frame, "SliderEditFramePlusButton", QStringLiteral("+"));
    spinBox->setParent(frame);
    spinBox->setObjectName(QStringLiteral("SliderEditFrameSpinBox"));
    spinBox->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spinBox->setAlignment(Qt::AlignCenter);
    spinBox->setKeyboardTracking(false);
    // The slider takes the spare room, also while the box stands alone.
    spinBox->setSizePolicy(QSizePolicy::Fixed, spinBox->sizePolicy().verticalPolicy());
    parts.controls->addWidget(parts.minus);
    parts.controls->addWidget(parts.slider, 1);
    parts.controls->addWidget(parts.plus);
    parts.controls->addWidget(spinBox);
    parts.layout->addLayout(parts.controls, 1);
    return parts;
}

} // namespace

// ---------------------------------------------------------------------------------------------------------

SliderEditSpinBox::SliderEditSpinBox(QWidget* parent)
    : QSpinBox(parent)
{
    setObjectName(QStringLiteral("SliderEditSpinBox"));
    setKeyboardTracking(false);
    setFocusPolicy(Qt::StrongFocus);
}

SliderEditSpinBox::~SliderEditSpinBox() = default;

void SliderEditSpinBox::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QSpinBox::wheelEvent(event);
}

void SliderEditSpinBox::focusInEvent(QFocusEvent* event)
{
    QSpinBox::focusInEvent(event);
    // After the base, which may place the cursor where the mouse pressed.
    QTimer::singleShot(0, this, [this] { selectAll(); });
}

// ---------------------------------------------------------------------------------------------------------

Internal::SliderRowFrame::SliderRowFrame(QAbstractSpinBox* spinBox, std::function<void()> report, QWidget* parent)
    : QFrame(parent)
    , m_pGate(std::make_unique<SliderReportGate>(std::move(report)))
    , m_pSpinBoxWidget(spinBox)
{
    const RowParts parts = buildRow(this, spinBox);
    m_pLayout = parts.layout;
    m_pControlLayout = parts.controls;
    m_pLabel = parts.label;
    m_pMinusButton = parts.minus;
    m_pSlider = parts.slider;
    m_pPlusButton = parts.plus;
}

Internal::SliderRowFrame::~SliderRowFrame() = default;

void Internal::SliderRowFrame::setLabelText(const QString& text)
{
    m_pLabel->setText(text);
}

QString Internal::SliderRowFrame::labelText() const
{
    return m_pLabel->text();
}

void Internal::SliderRowFrame::setLabelVisible(bool visible)
{
    m_pLabel->setVisible(visible);
}

void Internal::SliderRowFrame::setLabelFixedWidth(int width)
{
    m_pLabel->setFixedWidth(std::max(0, width));
}

void Internal::SliderRowFrame::setSpinBoxFixedWidth(int width)
{
    m_pSpinBoxWidget->setFixedWidth(std::max(0, width));
}

void Internal::SliderRowFrame::setButtonFixedWidth(int width)
{
    m_pMinusButton->setFixedWidth(std::max(0, width));
    m_pPlusButton->setFixedWidth(std::max(0, width));
}

void Internal::SliderRowFrame::setButtonsVisible(bool visible)
{
    m_pMinusButton->setVisible(visible);
    m_pPlusButton->setVisible(visible);
}

void Internal::SliderRowFrame::setHorizontalSpacing(int labelSpacing, int controlSpacing)
{
    m_pLayout->setSpacing(std::max(0, labelSpacing));
    m_pControlLayout->setSpacing(std::max(0, controlSpacing));
}

void Internal::SliderRowFrame::setHorizontalSpacing(int spacing)
{
    setHorizontalSpacing(spacing, spacing);
}

void Internal::SliderRowFrame::setSliderVisible(bool visible)
{
    m_pSlider->setVisible(visible);
}

bool Internal::SliderRowFrame::isSliderVisible() const
{
    return !m_pSlider->isHidden();
}

void Internal::SliderRowFrame::setReleaseMode(bool releaseMode)
{
    m_pGate->setReleaseMode(releaseMode);
}

bool Internal::SliderRowFrame::isReleaseMode() const
{
    return m_pGate->isReleaseMode();
}

void Internal::SliderRowFrame::setTimeSamplingRate(int msec)
{
    m_pGate->setSamplingInterval(msec);
}

int Internal::SliderRowFrame::timeSamplingRate() const
{
    return m_pGate->samplingInterval();
}

// ---------------------------------------------------------------------------------------------------------

SliderEditFrame::SliderEditFrame(QWidget* parent)
    : SliderEditFrame(new SliderEditSpinBox, parent)
{ }

SliderEditFrame::SliderEditFrame(SliderEditSpinBox* spinBox, QWidget* parent)
    : SliderRowFrame(spinBox, [this] { reportValue(); }, parent)
    , m_pSpinBox(spinBox)
{
    setObjectName(QStringLiteral("SliderEditFrame"));

    m_pSlider->setRange(m_pSpinBox->minimum(), m_pSpinBox->maximum());
    m_nValue = m_nReportedValue = m_pSpinBox->value();
    m_pSlider->setValue(m_nValue);

    connect(
        m_pSlider, &QSlider::valueChanged, this, [this](int value) { applyValue(value, m_pSlider->isSliderDown()); });
    connect(m_pSlider, &QSlider::sliderPressed, this, &SliderEditFrame::sliderPressed);
    connect(m_pSlider, &QSlider::sliderReleased, this, [this] {
        m_pGate->released();
        emit sliderReleased();
    });
    connect(
        m_pSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int value) { applyValue(value, false); });
    connect(m_pMinusButton, &QToolButton::clicked, this,
        [this] { applyValue(m_nValue - m_pSpinBox->singleStep(), false); });
    connect(
        m_pPlusButton, &QToolButton::clicked, this, [this] { applyValue(m_nValue + m_pSpinBox->singleStep(), false); });
}

SliderEditFrame::~SliderEditFrame() = default;

void SliderEditFrame::setRange(int minimum, int maximum)
{
    maximum = std::max(minimum, maximum);
    {
        const QSignalBlocker sliderBlocker(m_pSlider);
        const QSignalBlocker spinBlocker(m_pSpinBox);
        m_pSlider->setRange(minimum, maximum);
        m_pSpinBox->setRange(minimum, maximum);
    }
    applyValue(m_nValue, false);
}

void SliderEditFrame::setMinimum(int minimum)
{
    setRange(minimum, std::max(minimum, maximum()));
}

void SliderEditFrame::setMaximum(int maximum)
{
    setRange(std::min(minimum(), maximum), maximum);
}

int SliderEditFrame::minimum() const
{
    return m_pSpinBox->minimum();
}

int SliderEditFrame::maximum() const
{
    return m_pSpinBox->maximum();
}

void SliderEditFrame::setSingleStep(int step)
{
    step = std::max(0, step);
    m_pSpinBox->setSingleStep(step);
    m_pSlider->setSingleStep(std::max(1, step));
}

int SliderEditFrame::singleStep() const
{
    return m_pSpinBox->singleStep();
}

void SliderEditFrame::setPageStep(int step)
{
    m_pSlider->setPageStep(std::max(0, step));
}

int SliderEditFrame::pageStep() const
{
    return m_pSlider->pageStep();
}

int SliderEditFrame::value() const
{
    return m_nValue;
}

void SliderEditFrame::simulateUserEdit(int value)
{
    m_pSpinBox->setValue(value);
}

void SliderEditFrame::simulateSliderDrag(const QList<int>& positions, bool release)
{
    m_pSlider->setSliderDown(true);
    for (int position : positions)
        m_pSlider->setSliderPosition(position);
    if (release)
        m_pSlider->setSliderDown(false);
}

void SliderEditFrame::setValue(int value)
{
    applyValue(value, false);
}

void SliderEditFrame::applyValue(int value, bool dragging)
{
    value = std::clamp(value, minimum(), maximum());
    const bool changed = value != m_nValue;
    if (!changed && m_pSlider->value() == value && m_pSpinBox->value() == value)
        return;
    m_nValue = value;
    {
        const QSignalBlocker sliderBlocker(m_pSlider);
        const QSignalBlocker spinBlocker(m_pSpinBox);
        m_pSlider->setValue(value);
        m_pSpinBox->setValue(value);
    }
    if (changed)
        m_pGate->valueChanged(dragging);
}

void SliderEditFrame::reportValue()
{
    if (m_nValue == m_nReportedValue)
        return;
    m_nReportedValue = m_nValue;
    emit valueChanged(m_nValue);
}

// ---------------------------------------------------------------------------------------------------------

SliderEditFrameDouble::SliderEditFrameDouble(QWidget* parent)
    : SliderEditFrameDouble(new QDoubleSpinBox, parent)
{ }

SliderEditFrameDouble::SliderEditFrameDouble(QDoubleSpinBox* spinBox, QWidget* parent)
    : SliderRowFrame(spinBox, [this] { reportValue(); }, parent)
    , m_pSpinBox(spinBox)
{
    setObjectName(QStringLiteral("SliderEditFrameDouble"));

    m_pSpinBox->setDecimals(m_nDecimals);
    m_pSpinBox->setRange(m_dMinimum, m_dMaximum);
    m_pSpinBox->setSingleStep(m_dSingleStep);
    updateSliderRange();
    m_nUnits = m_nReportedUnits = toUnits(m_pSpinBox->value());
    m_pSlider->setValue(int(m_nUnits));

    connect(
        m_pSlider, &QSlider::valueChanged, this, [this](int units) { applyUnits(units, m_pSlider->isSliderDown()); });
    connect(m_pSlider, &QSlider::sliderPressed, this, &SliderEditFrameDouble::sliderPressed);
    connect(m_pSlider, &QSlider::sliderReleased, this, [this] {
        m_pGate->released();
        emit sliderReleased();
    });
    connect(m_pSpinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
        [this](double value) { applyUnits(toUnits(value), false); });
    connect(
        m_pMinusButton, &QToolButton::clicked, this, [this] { applyUnits(m_nUnits - toUnits(m_dSingleStep), false); });
    connect(
        m_pPlusButton, &QToolButton::clicked, this, [this] { applyUnits(m_nUnits + toUnits(m_dSingleStep), false); });
}

SliderEditFrameDouble::~SliderEditFrameDouble() = default;

void SliderEditFrameDouble::setRange(double minimum, double maximum)
{
    if (!std::isfinite(minimum) || !std::isfinite(maximum)) {
        qWarning() << "SliderEditFrameDouble: refused a range that is not finite:" << minimum << maximum;
        return;
    }
    m_dMinimum = minimum;
    m_dMaximum = std::max(minimum, maximum);
    {
        const QSignalBlocker spinBlocker(m_pSpinBox);
        m_pSpinBox->setRange(m_dMinimum, m_dMaximum);
    }
    updateSliderRange();
    applyUnits(m_nUnits, false);
}

void SliderEditFrameDouble::setMinimum(double minimum)
{
    setRange(minimum, std::max(minimum, m_dMaximum));
}

void SliderEditFrameDouble::setMaximum(double maximum)
{
    setRange(std::min(m_dMinimum, maximum), maximum);
}

double SliderEditFrameDouble::minimum() const
{
    return fromUnits(toUnits(m_dMinimum));
}

double SliderEditFrameDouble::maximum() const
{
    return fromUnits(toUnits(m_dMaximum));
}

void SliderEditFrameDouble::setSingleStep(double step)
{
    m_dSingleStep = std::isfinite(step) ? std::max(0.0, step) : 0.0;
    m_pSpinBox->setSingleStep(m_dSingleStep);
    updateSliderRange();
}

double SliderEditFrameDouble::singleStep() const
{
    return m_dSingleStep;
}

void SliderEditFrameDouble::setPageStep(double step)
{
    m_dPageStep = std::isfinite(step) ? std::max(0.0, step) : 0.0;
    updateSliderRange();
}

double SliderEditFrameDouble::pageStep() const
{
    return m_dPageStep;
}

void SliderEditFrameDouble::setDecimals(int decimals)
{
    const double current = value();
    const double reported = fromUnits(m_nReportedUnits);
    m_nDecimals = std::clamp(decimals, 0, 6);
    {
        const QSignalBlocker spinBlocker(m_pSpinBox);
        m_pSpinBox->setDecimals(m_nDecimals);
        m_pSpinBox->setRange(m_dMinimum, m_dMaximum);
    }
    updateSliderRange();
    // Both values move to units of the new last decimal.
    m_nReportedUnits = toUnits(reported);
    m_nUnits = std::clamp(toUnits(current), toUnits(m_dMinimum), toUnits(m_dMaximum));
    {
        const QSignalBlocker sliderBlocker(m_pSlider);
        const QSignalBlocker spinBlocker(m_pSpinBox);
        m_pSlider->setValue(int(m_nUnits));
        m_pSpinBox->setValue(fromUnits(m_nUnits));
    }
    // Fewer decimals may round the value itself: that is a change of value like any other.
    if (value() != current) {
        m_nReportedUnits = m_nUnits;
        emit valueChanged(value());
    }
}

int SliderEditFrameDouble::decimals() const
{
    return m_nDecimals;
}

double SliderEditFrameDouble::value() const
{
    return fromUnits(m_nUnits);
}

void SliderEditFrameDouble::simulateUserEdit(double value)
{
    m_pSpinBox->setValue(value);
}

void SliderEditFrameDouble::simulateSliderDrag(const QList<double>& positions, bool release)
{
    m_pSlider->setSliderDown(true);
    for (double position : positions)
        m_pSlider->setSliderPosition(
            int(std::clamp<qint64>(toUnits(position), m_pSlider->minimum(), m_pSlider->maximum())));
    if (release)
        m_pSlider->setSliderDown(false);
}

void SliderEditFrameDouble::setValue(double value)
{
    if (!std::isfinite(value)) {
        qWarning() << "SliderEditFrameDouble: refused a value that is not finite:" << value;
        return;
    }
    applyUnits(toUnits(value), false);
}

qint64 SliderEditFrameDouble::toUnits(double value) const
{
    const double scaled = value * std::pow(10.0, m_nDecimals);
    // Far beyond any slider range; keeps the conversion defined for absurd inputs.
    constexpr double limit = 1e15;
    return qint64(std::llround(std::clamp(scaled, -limit, limit)));
}

double SliderEditFrameDouble::fromUnits(qint64 units) const
{
    return double(units) / std::pow(10.0, m_nDecimals);
}

void SliderEditFrameDouble::updateSliderRange()
{
    constexpr qint64 intMin = std::numeric_limits<int>::min();
    constexpr qint64 intMax = std::numeric_limits<int>::max();
    const QSignalBlocker sliderBlocker(m_pSlider);
    m_pSlider->setRange(
        int(std::clamp(toUnits(m_dMinimum), intMin, intMax)), int(std::clamp(toUnits(m_dMaximum), intMin, intMax)));
    m_pSlider->setSingleStep(int(std::clamp<qint64>(toUnits(m_dSingleStep), 1, intMax)));
    m_pSlider->setPageStep(int(std::clamp<qint64>(toUnits(m_dPageStep), 0, intMax)));
}

void SliderEditFrameDouble::applyUnits(qint64 units, bool dragging)
{
    units = std::clamp(units, toUnits(m_dMinimum), toUnits(m_dMaximum));
    const bool widgetsInStep = m_pSlider->value() == units && toUnits(m_pSpinBox->value()) == units;
    if (units == m_nUnits && widgetsInStep)
        return;
    const bool changed = units != m_nUnits;
    m_nUnits = units;
    {
        const QSignalBlocker sliderBlocker(m_pSlider);
        const QSignalBlocker spinBlocker(m_pSpinBox);
        m_pSlider->setValue(int(units));
        m_pSpinBox->setValue(fromUnits(units));
    }
    if (changed)
        m_pGate->valueChanged(dragging);
}

void SliderEditFrameDouble::reportValue()
{
    if (m_nUnits == m_nReportedUnits)
        return;
    m_nReportedUnits = m_nUnits;
    emit valueChanged(fromUnits(m_nUnits));
}

} // namespace Vireo::Widgets
