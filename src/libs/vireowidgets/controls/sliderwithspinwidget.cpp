#include "sliderwithspinwidget.h"

#include <vireowidgets/foundation/constants.h>

#include <vireomodel/helper.h>

#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <climits>
#include <cmath>

namespace Vireo::Widgets {

namespace {

// The row both slider widgets are made of: a right-aligned label naming the slider, the slider,
// and a narrow spin box, in a horizontal layout on `owner`.
QHBoxLayout* buildSliderRow(QFrame* owner, QLabel*& label, QSlider*& slider, QAbstractSpinBox* spinBox)
{
    auto* layout = new QHBoxLayout(owner);
    layout->setSpacing(16);
    layout->setContentsMargins(8, 0, 8, 0);

    label = new QLabel(owner);
    label->setMinimumWidth(20);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    slider = new QSlider(Qt::Horizontal, owner);
    slider->setMinimumWidth(40);
    label->setBuddy(slider);

    spinBox->setFixedWidth(60);
    // The spin box is made first by the caller; the keyboard still goes slider, then spin box.
    QWidget::setTabOrder(slider, spinBox);

    layout->addWidget(label);
    layout->addWidget(slider);
    layout->addWidget(spinBox);
    return layout;
}

// Converts a computed value to an int without undefined behaviour: out-of-range values clamp,
// NaN gives 0.
int clampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= double(INT_MIN))
        return INT_MIN;
    if (value >= double(INT_MAX))
        return INT_MAX;
    return int(value);
}

int clampToInt(qint64 value)
{
    return int(qBound<qint64>(INT_MIN, value, INT_MAX));
}

int labelMaxWidth(int length)
{
    return length < 21 ? 20 : length;
}

void repolish(QWidget* widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace

// ---------------------------------------------------------------------------------------------
// NSliderEX, NDoubleSpinBox

NSliderEX::NSliderEX(QWidget* parent)
    : QSlider(parent)
{ }

NSliderEX::NSliderEX(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
{ }

void NSliderEX::wheelEvent(QWheelEvent* event)
{
    // Left to the surrounding view, which scrolls instead.
    event->ignore();
}

NDoubleSpinBox::NDoubleSpinBox(QWidget* parent)
    : QDoubleSpinBox(parent)
{ }

void NDoubleSpinBox::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

// ---------------------------------------------------------------------------------------------
// SliderWithSpinWidget

SliderWithSpinWidget::SliderWithSpinWidget(QWidget* parent)
    : QFrame(parent)
{
    m_pSpinbox = new QSpinBox(this);
    m_pHoriLayout = buildSliderRow(this, m_pLabel, m_pSlider, m_pSpinbox);
    m_pSlider->setSingleStep(1);
    m_pSpinbox->setSingleStep(1);
    m_pSpinbox->setAttribute(Qt::WA_MacShowFocusRect, false);

    connectSliderValue();
    connect(m_pSlider, &QSlider::sliderPressed, this, &SliderWithSpinWidget::slot_SliderPressed);
    connect(m_pSlider, &QSlider::sliderReleased, this, &SliderWithSpinWidget::slot_SliderReleased);
    connect(m_pSpinbox, &QSpinBox::editingFinished, this, &SliderWithSpinWidget::slot_spinboxeditFinished);
}

SliderWithSpinWidget::~SliderWithSpinWidget() = default;

void SliderWithSpinWidget::connectSliderValue()
{
    m_sliderValueLink =
        connect(m_pSlider, &QSlider::valueChanged, this, &SliderWithSpinWidget::slot_sliderValueChanged);
}

void SliderWithSpinWidget::setLabelName(QString labelName)
{
    m_pLabel->setText(labelName);
}

QString SliderWithSpinWidget::getLabelName() const
{
    return m_pLabel->text() + QLatin1String(Constants::LABEL_ADJUST_LENGTH);
}

void SliderWithSpinWidget::setSliderValue(const int iValue)
{
    disconnect(m_sliderValueLink);
    m_pSlider->setValue(iValue);
    m_pSpinbox->setValue(iValue);
    connectSliderValue();
}

void SliderWithSpinWidget::setSliderRange(int iMinValue, int iMaxValue)
{
    m_pSlider->setRange(iMinValue, iMaxValue);
}

void SliderWithSpinWidget::getSliderRange(int& iMinValue, int& iMaxValue) const
{
    iMinValue = m_pSlider->minimum();
    iMaxValue = m_pSlider->maximum();
}

void SliderWithSpinWidget::setSpinBoxValue(const int iValue)
{
    m_pSpinbox->setValue(iValue);
}

void SliderWithSpinWidget::setSpinBoxRange(int iMinValue, int iMaxValue)
{
    m_pSpinbox->setRange(iMinValue, iMaxValue);
}

void SliderWithSpinWidget::getSpinBoxRange(int& iMinValue, int& iMaxValue) const
{
    iMinValue = m_pSpinbox->minimum();
    iMaxValue = m_pSpinbox->maximum();
}

int SliderWithSpinWidget::getSpinBoxValue() const
{
    return m_pSpinbox->value();
}

QSlider* SliderWithSpinWidget::getColorSlider() const
{
    return m_pSlider;
}

QLabel* SliderWithSpinWidget::getLabel() const
{
    return m_pLabel;
}

void SliderWithSpinWidget::setStretchPara(const int para1, const int para2, const int para3)
{
    m_pHoriLayout->setStretch(0, para1);
    m_pHoriLayout->setStretch(1, para2);
    m_pHoriLayout->setStretch(2, para3);
}

void SliderWithSpinWidget::setContentsMargins(int left, int top, int right, int bottom)
{
    m_pHoriLayout->setContentsMargins(left, top, right, bottom);
}

void SliderWithSpinWidget::setLabelWidgetMaxLength(int length)
{
    m_pLabel->setMaximumWidth(labelMaxWidth(length));
}

QString SliderWithSpinWidget::readlLabelText() const
{
    return Vireo::BizModel::Helper::realText(m_pLabel);
}

int SliderWithSpinWidget::realLabelTextWidth() const
{
    return fontMetrics().horizontalAdvance(readlLabelText());
}

void SliderWithSpinWidget::setSingleStep(int sliderStep, int spinboxStep)
{
    m_pSlider->setSingleStep(sliderStep);
    m_pSpinbox->setSingleStep(spinboxStep);
}

void SliderWithSpinWidget::slot_sliderValueChanged(int iValue)
{
    m_pSpinbox->setValue(iValue);
    emit signal_spinboxValueChanged(iValue);
}

void SliderWithSpinWidget::slot_spinboxeditFinished()
{
    disconnect(m_sliderValueLink);
    m_pSlider->setValue(m_pSpinbox->value());
    connectSliderValue();
    emit signal_spinboxValueChanged(m_pSpinbox->value());
}

void SliderWithSpinWidget::slot_SliderPressed()
{
    emit signal_sliderPressed();
}

void SliderWithSpinWidget::slot_SliderReleased()
{
    emit signal_sliderReleased();
}

// ---------------------------------------------------------------------------------------------
// SliderWithDoubleSpinWidget

SliderWithDoubleSpinWidget::SliderWithDoubleSpinWidget(QWidget* parent)
    : QFrame(parent)
{
    m_pSpinbox = new QDoubleSpinBox(this);
    m_pHoriLayout = buildSliderRow(this, m_pLabel, m_pSlider, m_pSpinbox);
    m_pSpinbox->setDecimals(2);
    m_pSpinbox->setSingleStep(0.01);

    connectSliderValue();
    connectSpinboxFinished();
    connect(m_pSlider, &QSlider::sliderPressed, this, &SliderWithDoubleSpinWidget::slot_sliderPressed);
    connect(m_pSlider, &QSlider::sliderReleased, this, &SliderWithDoubleSpinWidget::slot_sliderReleased);
}

SliderWithDoubleSpinWidget::~SliderWithDoubleSpinWidget() = default;

void SliderWithDoubleSpinWidget::connectSliderValue()
{
    m_sliderValueLink =
        connect(m_pSlider, &QSlider::valueChanged, this, &SliderWithDoubleSpinWidget::slot_sliderValueChanged);
}

void SliderWithDoubleSpinWidget::connectSpinboxFinished()
{
    m_spinboxFinishedLink = connect(
        m_pSpinbox, &QDoubleSpinBox::editingFinished, this, &SliderWithDoubleSpinWidget::slot_spinboxeditFinished);
}

int SliderWithDoubleSpinWidget::toSliderValue(double value, bool round) const
{
    const double hundredths = value * 100.0;
    return clampToInt(round ? std::round(hundredths) : std::trunc(hundredths));
}

void SliderWithDoubleSpinWidget::setLabelName(QString labelName)
{
    m_pLabel->setText(labelName);
}

QString SliderWithDoubleSpinWidget::getLabelName() const
{
    return m_pLabel->text() + QLatin1String(Constants::LABEL_ADJUST_LENGTH);
}

void SliderWithDoubleSpinWidget::setLabelWidgetMaxLength(const int labelMaxLength)
{
    m_pLabel->setMaximumWidth(labelMaxWidth(labelMaxLength));
}

void SliderWithDoubleSpinWidget::setContentsMargins(int left, int top, int right, int bottom)
{
    m_pHoriLayout->setContentsMargins(left, top, right, bottom);
}

void SliderWithDoubleSpinWidget::setStretchPara(int labelStretch, int sliderStretch, int spinStretch)
{
    m_pHoriLayout->setStretch(0, labelStretch);
    m_pHoriLayout->setStretch(1, sliderStretch);
    m_pHoriLayout->setStretch(2, spinStretch);
}

QSlider* SliderWithDoubleSpinWidget::getColorSlider() const
{
    return m_pSlider;
}

void SliderWithDoubleSpinWidget::setSliderValue(const int iValue)
{
    m_pSlider->setValue(iValue);
}

void SliderWithDoubleSpinWidget::setSliderRange(int iMinValue, int iMaxValue)
{
    // In 64 bits: a range beyond a hundredth of the int range clamps instead of overflowing.
    m_pSlider->setRange(clampToInt(qint64(iMinValue) * 100), clampToInt(qint64(iMaxValue) * 100));
}

void SliderWithDoubleSpinWidget::setSpinBoxValue(const double dValue)
{
    if (!std::isfinite(dValue)) {
        qWarning() << "SliderWithDoubleSpinWidget: refused a value that is not a number:" << dValue;
        return;
    }
    disconnect(m_sliderValueLink);
    m_pSlider->setValue(toSliderValue(dValue, false));
    m_pSpinbox->setValue(dValue);
    emit signal_spinboxValueChanged(m_pSpinbox->value());
    connectSliderValue();
}

void SliderWithDoubleSpinWidget::setSpinBoxRange(double iMinValue, double iMaxValue)
{
    if (!std::isfinite(iMinValue) || !std::isfinite(iMaxValue)) {
        qWarning() << "SliderWithDoubleSpinWidget: refused a range that is not finite:" << iMinValue << iMaxValue;
        return;
    }
    m_pSpinbox->setRange(iMinValue, iMaxValue);
}

double SliderWithDoubleSpinWidget::getSpinBoxValue() const
{
    return m_pSpinbox->value();
}

double SliderWithDoubleSpinWidget::getSpinBoxMaxValue() const
{
    return m_pSpinbox->maximum();
}

void SliderWithDoubleSpinWidget::setSingleStep(int sliderStep, int spinboxStep)
{
    m_pSlider->setSingleStep(sliderStep);
    m_pSpinbox->setSingleStep(spinboxStep);
}

void SliderWithDoubleSpinWidget::slot_sliderValueChanged(int iValue)
{
    m_pSpinbox->setValue(iValue / 100.0);
    emit signal_spinboxValueChanged(m_pSpinbox->value());
}

void SliderWithDoubleSpinWidget::slot_spinboxeditFinished()
{
    disconnect(m_sliderValueLink);
    disconnect(m_spinboxFinishedLink);
    // Dropping the focus here keeps the coming focus loss from reporting the same edit again.
    m_pSpinbox->clearFocus();
    m_pSlider->setValue(toSliderValue(m_pSpinbox->value(), true));
    emit signal_spinboxValueChanged(m_pSpinbox->value());
    connectSliderValue();
    connectSpinboxFinished();
}

void SliderWithDoubleSpinWidget::slot_sliderPressed()
{
    emit signal_sliderPressed();
}

void SliderWithDoubleSpinWidget::slot_sliderReleased()
{
    emit signal_sliderReleased();
}

// ---------------------------------------------------------------------------------------------
// ZKSliderLineEditWidget

ZKSliderLineEditWidget::ZKSliderLineEditWidget(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_AcceptTouchEvents);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setMaximumWidth(1180);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 0, 0);
    layout->setSpacing(8);

    m_pNameLabel = new QLabel(this);
    m_pNameLabel->setFixedWidth(80);
    m_pNameLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(m_pNameLabel, 0, Qt::AlignRight | Qt::AlignVCenter);
    layout->addSpacing(2);

    m_pSlide = new NSliderEX(Qt::Horizontal, this);
    m_pSlide->setSingleStep(1);
    m_pSlide->setMinimumWidth(150);
    layout->addWidget(m_pSlide, 0, Qt::AlignVCenter);

    m_pLineEditValue = new NDoubleSpinBox(this);
    m_pLineEditValue->setFixedSize(50, 32);
    m_pLineEditValue->setAlignment(Qt::AlignCenter);
    m_pLineEditValue->setDecimals(0);
    m_pLineEditValue->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_pLineEditValue->setAttribute(Qt::WA_AcceptTouchEvents);
    m_pLineEditValue->setAttribute(Qt::WA_MacShowFocusRect, false);
    m_pLineEditValue->installEventFilter(this);
    m_pLineEditValue->setProperty("NDoubleSpinBox", true);
    m_pLineEditValue->setProperty("SliderLineEditLineEdit", true);
    m_pLineEditValue->setProperty("Merlon_VK", QStringLiteral("Vk_NumberFloat"));
    layout->addWidget(m_pLineEditValue, 0, Qt::AlignVCenter);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    m_pPushButtonSubtract = new QToolButton(this);
    m_pPushButtonPlus = new QToolButton(this);
    for (QToolButton* button : {m_pPushButtonSubtract, m_pPushButtonPlus}) {
        button->setFixedHeight(32);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        buttons->addWidget(button, 0, Qt::AlignVCenter);
    }
    m_pPushButtonSubtract->setProperty("isMinusButton", true);
    m_pPushButtonPlus->setProperty("isPlusButton", true);
    layout->addLayout(buttons);

    m_sliderMoveTimer = new QTimer(this);
    m_sliderMoveTimer->setInterval(100);

    connect(m_pSlide, &QSlider::sliderPressed, this, &ZKSliderLineEditWidget::slot_SliderPressed);
    connect(m_pSlide, &QSlider::sliderReleased, this, &ZKSliderLineEditWidget::slot_SliderReleased);
    connect(m_pSlide, &QSlider::sliderMoved, this, &ZKSliderLineEditWidget::signal_sliderMoved);
    connect(m_pSlide, &QSlider::valueChanged, this, &ZKSliderLineEditWidget::slot_pressSliderValueChanged);
    connect(m_pPushButtonPlus, &QToolButton::pressed, this, &ZKSliderLineEditWidget::slot_AddValue);
    connect(m_pPushButtonSubtract, &QToolButton::pressed, this, &ZKSliderLineEditWidget::slot_Subtraction);
    m_lineEditLink = connect(
        m_pLineEditValue, &QDoubleSpinBox::editingFinished, this, &ZKSliderLineEditWidget::slot_LineEidtValueFinsh);
    connect(m_sliderMoveTimer, &QTimer::timeout, this, &ZKSliderLineEditWidget::slot_sliderChanged);
}

ZKSliderLineEditWidget::~ZKSliderLineEditWidget() = default;

// Cutting may nest (the handler runs inside the typed-value path), so the link comes back only
// when the outermost cut ends.
void ZKSliderLineEditWidget::cutLineEditLink()
{
    if (m_lineEditLinkCuts++ == 0)
        disconnect(m_lineEditLink);
}

void ZKSliderLineEditWidget::restoreLineEditLink()
{
    if (m_lineEditLinkCuts > 0 && --m_lineEditLinkCuts == 0) {
        m_lineEditLink = connect(
            m_pLineEditValue, &QDoubleSpinBox::editingFinished, this, &ZKSliderLineEditWidget::slot_LineEidtValueFinsh);
    }
}

class ZKSliderLineEditWidget::LineEditLinkCut
{
public:
    explicit LineEditLinkCut(ZKSliderLineEditWidget* owner)
        : m_owner(owner)
    {
        m_owner->cutLineEditLink();
    }
    ~LineEditLinkCut() { m_owner->restoreLineEditLink(); }
    LineEditLinkCut(const LineEditLinkCut&) = delete;
    LineEditLinkCut& operator=(const LineEditLinkCut&) = delete;

private:
    ZKSliderLineEditWidget* m_owner;
};

bool ZKSliderLineEditWidget::isTwoDecimal() const
{
    return m_bIsDouble && !m_bMultiple;
}

double ZKSliderLineEditWidget::shownValue(int rawValue) const
{
    if (m_bMultiple)
        return rawValue * m_nMultipleValue * m_iEvenCharacteristic;
    if (m_bIsDouble)
        return m_iEvenCharacteristic * (rawValue * 0.01);
    return double(rawValue) * m_iEvenCharacteristic;
}

void ZKSliderLineEditWidget::writeBox(int nValue, bool widenRange)
{
    double shown = 0;
    if (m_bMultiple)
        shown = nValue * m_nMultipleValue * m_iEvenCharacteristic;
    else if (m_bIsDouble)
        shown = m_iEvenCharacteristic * qMax(nValue * 0.01, 0.1);
    else
        shown = double(nValue) * m_iEvenCharacteristic;
    // Only the two-decimal box widens its range to show the value; the others clamp it.
    if (widenRange && m_bIsDouble && !m_bMultiple) {
        if (shown < m_pLineEditValue->minimum())
            m_pLineEditValue->setMinimum(shown);
        if (shown > m_pLineEditValue->maximum())
            m_pLineEditValue->setMaximum(shown);
    }
    m_pLineEditValue->setValue(shown);
}

void ZKSliderLineEditWidget::commitRawValue(int rawValue)
{
    m_pSlide->setValue(rawValue);
    slot_sliderValueChanged(rawValue);
    m_curValue = m_pSlide->value();
    emit signal_lineEditValueVChanged();
}

void ZKSliderLineEditWidget::setTitle(QString strParamer)
{
    m_pNameLabel->setText(strParamer);
}

QString ZKSliderLineEditWidget::getTitle() const
{
    return m_pNameLabel->text();
}

QLabel* ZKSliderLineEditWidget::getTitleLable() const
{
    return m_pNameLabel;
}

void ZKSliderLineEditWidget::setNameLabelLength(int len)
{
    m_pNameLabel->setFixedWidth(len);
}

void ZKSliderLineEditWidget::setLabelWidth(int len)
{
    m_pNameLabel->setFixedWidth(len);
}

void ZKSliderLineEditWidget::setLabelProperty(const char* name, const QVariant& value)
{
    m_pNameLabel->setProperty(name, value);
    repolish(m_pNameLabel);
}

void ZKSliderLineEditWidget::setProperty(const char* name, const QVariant& value)
{
    m_pSlide->setProperty(name, value);
    repolish(m_pSlide);
}

void ZKSliderLineEditWidget::setRange(int nMin, const int& nMax)
{
    if (m_bIsDouble && nMin <= 9)
        nMin = 10;
    m_pSlide->setRange(nMin, nMax);
    const double scale = m_nMultipleValue * m_iEvenCharacteristic;
    m_pLineEditValue->setRange(nMin * scale, nMax * scale);
}

void ZKSliderLineEditWidget::setMaxValue(int nMax)
{
    setRange(m_pSlide->minimum(), nMax);
}

void ZKSliderLineEditWidget::setMinValue(int nMin)
{
    setRange(nMin, m_pSlide->maximum());
}

void ZKSliderLineEditWidget::setColorKeyRange(int nMin, const int& nMax)
{
    m_pSlide->setRange(nMin, nMax);
    m_pLineEditValue->setRange(nMin * 0.01 * m_iEvenCharacteristic, nMax * 0.01 * m_iEvenCharacteristic);
}

void ZKSliderLineEditWidget::setDoubleRange(double dMin, double dMax)
{
    if (!std::isfinite(dMin) || !std::isfinite(dMax)) {
        qWarning() << "ZKSliderLineEditWidget: refused a range that is not finite:" << dMin << dMax;
        return;
    }
    if (m_bIsDouble && dMin < 0.1)
        dMin = 0.1;
    m_pLineEditValue->setRange(dMin, dMax);
}

void ZKSliderLineEditWidget::getRange(int& nMin, int& nMax) const
{
    nMin = m_pSlide->minimum();
    nMax = m_pSlide->maximum();
}

int ZKSliderLineEditWidget::maximum() const
{
    return m_pSlide->maximum();
}

int ZKSliderLineEditWidget::minmun() const
{
    return m_pSlide->minimum();
}

void ZKSliderLineEditWidget::setStep(int nPramer)
{
    m_pSlide->setSingleStep(nPramer);
    m_pLineEditValue->setSingleStep(nPramer);
}

void ZKSliderLineEditWidget::setPageStep(int nPramer)
{
    m_pSlide->setPageStep(nPramer);
}

int ZKSliderLineEditWidget::getStep() const
{
    return m_pSlide->singleStep();
}

void ZKSliderLineEditWidget::setSpinBoxSingleStep(double v)
{
    m_pLineEditValue->setSingleStep(v);
}

void ZKSliderLineEditWidget::setDecimalsValue(int nValue)
{
    m_iDecimals = nValue;
    m_pLineEditValue->setDecimals(nValue);
}

void ZKSliderLineEditWidget::setCurValue(int nValue)
{
    LineEditLinkCut cut(this);
    // The two-decimal entry box never shows less than 0.1 (writeBox sees to it); the slider and
    // the report take the value as given.
    writeBox(nValue, true);
    if (nValue < m_pSlide->minimum())
        m_pSlide->setMinimum(nValue);
    if (nValue > m_pSlide->maximum())
        m_pSlide->setMaximum(nValue);
    m_pSlide->setValue(nValue);
    slot_sliderValueChanged(nValue);
    m_curValue = m_pSlide->value();
}

void ZKSliderLineEditWidget::setEditCurValue(int nValue)
{
    LineEditLinkCut cut(this);
    writeBox(nValue, false);
}

int ZKSliderLineEditWidget::getCurValue() const
{
    return m_pSlide->value();
}

int ZKSliderLineEditWidget::getCurValueBox() const
{
    return clampToInt(std::trunc(m_pLineEditValue->value()));
}

double ZKSliderLineEditWidget::getDoubleCurValue() const
{
    return double(m_pSlide->value());
}

void ZKSliderLineEditWidget::setDoubleFlag(bool b)
{
    m_bIsDouble = b;
}

void ZKSliderLineEditWidget::setEvenCharacteristic(int num)
{
    if (num < 1) {
        qWarning() << "ZKSliderLineEditWidget: refused the factor" << num << "- keeping" << m_iEvenCharacteristic;
        return;
    }
    m_iEvenCharacteristic = num;
}

void ZKSliderLineEditWidget::setSync(bool sync)
{
    m_bIsSync = sync;
}

void ZKSliderLineEditWidget::setMultiple(bool bParamer, double nValue, double pre)
{
    m_bMultiple = bParamer;
    if (std::isfinite(nValue)) {
        m_nMultipleValue = nValue;
    } else {
        qWarning() << "ZKSliderLineEditWidget: refused the multiple" << nValue << "- using 1";
        m_nMultipleValue = 1.0;
    }
    // The precision divides typed values: zero, negative or non-finite precisions would break that.
    if (std::isfinite(pre) && pre > 0) {
        m_nPre = pre;
    } else {
        qWarning() << "ZKSliderLineEditWidget: refused the precision" << pre << "- using 1";
        m_nPre = 1.0;
    }
}

void ZKSliderLineEditWidget::setLabelWidth(int max, int min)
{
    m_pLineEditValue->setMaximumWidth(max);
    m_pLineEditValue->setMinimumWidth(min);
}

void ZKSliderLineEditWidget::setPushButtonWidth(int max, int min)
{
    for (QToolButton* button : {m_pPushButtonSubtract, m_pPushButtonPlus}) {
        button->setMaximumWidth(max);
        button->setMinimumWidth(min);
    }
}

void ZKSliderLineEditWidget::setPushButtonVisible(bool visible)
{
    m_pPushButtonSubtract->setVisible(visible);
    m_pPushButtonPlus->setVisible(visible);
}

NSliderEX* ZKSliderLineEditWidget::getSlider() const
{
    return m_pSlide;
}

bool ZKSliderLineEditWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pLineEditValue) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
            // Deferred: the spin box places its own cursor while handling this very event.
            QDoubleSpinBox* box = m_pLineEditValue;
            QTimer::singleShot(0, box, [box] {
                if (box->isEnabled())
                    box->selectAll();
            });
        }
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

void ZKSliderLineEditWidget::slot_sliderChanged()
{
    const int value = m_pSlide->value();
    if (value != m_curValue) {
        slot_sliderValueChanged(value);
        m_curValue = value;
    }
}

void ZKSliderLineEditWidget::slot_sliderValueChanged(int iValue)
{
    {
        LineEditLinkCut cut(this);
        if (m_bMultiple) {
            if (m_bIsSync)
                m_pLineEditValue->setValue(shownValue(iValue));
            m_pSlide->setValue(iValue);
            emit sig_CurValueChanged(iValue);
        } else {
            if (m_bIsSync)
                m_pLineEditValue->setValue(shownValue(iValue));
            m_pSlide->setValue(iValue);
            emit sig_CurValueChanged(iValue);
            if (m_bIsDouble)
                emit sig_CurValueChanged(iValue * 0.01);
        }
    }
    m_curValue = m_pSlide->value();
}

void ZKSliderLineEditWidget::slot_LineEidtValueFinsh()
{
    const QString text = m_pLineEditValue->cleanText();
    bool ok = false;
    double typed = m_pLineEditValue->locale().toDouble(text, &ok);
    if (!ok)
        typed = text.toDouble(&ok);
    if (!ok || !std::isfinite(typed))
        typed = 0;

    double n = std::trunc(typed);
    if (m_bMultiple)
        n = std::round(typed * std::trunc(std::ceil(1.0 / m_nPre)));
    else if (m_bIsDouble)
        n = std::round(typed * 100.0); // rounding absorbs the error of e.g. 1.1 * 100 = 110.00000000000001

    int r = clampToInt(n) / m_iEvenCharacteristic;
    r = qBound(m_pSlide->minimum(), r, m_pSlide->maximum());
    if (r != m_curValue) {
        commitRawValue(r);
        return;
    }
    // The number typed stands for the value already held (or was cut to the range): show that value.
    if (m_bIsSync) {
        LineEditLinkCut cut(this);
        m_pLineEditValue->setValue(shownValue(m_pSlide->value()));
    }
}

void ZKSliderLineEditWidget::slot_SliderReleased()
{
    m_sliderMoveTimer->stop();
    const int value = m_pSlide->value();
    if (value != m_curValue) {
        slot_sliderValueChanged(value);
        m_curValue = m_pSlide->value();
        emit sig_sliderReleased(value);
    }
}

void ZKSliderLineEditWidget::slot_SliderPressed()
{
    m_sliderMoveTimer->start();
}

void ZKSliderLineEditWidget::slot_pressSliderValueChanged(int iValue)
{
    slot_sliderValueChanged(iValue);
}

void ZKSliderLineEditWidget::slot_AddValue()
{
    const qint64 next = qint64(m_pSlide->value()) + m_pSlide->singleStep();
    commitRawValue(clampToInt(qMin<qint64>(next, m_pSlide->maximum())));
}

void ZKSliderLineEditWidget::slot_Subtraction()
{
    const int current = m_pSlide->value();
    const int r = clampToInt(qMax<qint64>(qint64(current) - m_pSlide->singleStep(), m_pSlide->minimum()));
    if (r == current)
        return;
    commitRawValue(r);
}

void ZKSliderLineEditWidget::slot_textChanged(const QString& text)
{
    Q_UNUSED(text)
}

void ZKSliderLineEditWidget::slot_EidtfocusIn()
{
    m_strLineEditText.clear();
}

void ZKSliderLineEditWidget::slot_actionTriggered(int action)
{
    Q_UNUSED(action)
}

} // namespace Vireo::Widgets
