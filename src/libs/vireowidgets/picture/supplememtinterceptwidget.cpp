#include "supplememtinterceptwidget.h"

#include <zkwidgets/slidereditframe.h>

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace Vireo::Widgets {

namespace {

enum Field { FieldX = 0, FieldY, FieldWidth, FieldHeight };

SliderEditFrame* makeField(const char* objectName, QWidget* parent)
{
    auto* field = new SliderEditFrame(parent);
    field->setObjectName(QLatin1String(objectName));
    field->setHorizontalSpacing(16, 8);
    field->setButtonFixedWidth(39);
    field->setSpinBoxFixedWidth(50);
    field->setSingleStep(1);
    return field;
}

} // namespace

SupplememtInterceptWidget::SupplememtInterceptWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SupplememtInterceptWidget"));
    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->setContentsMargins(0, 0, 0, 0);

    m_pTitleLable = new QLabel(this);
    m_pTitleLable->setObjectName(QStringLiteral("SupplememtInterceptTitle"));
    m_pTitleLable->hide();
    mainLayout->addWidget(m_pTitleLable);

    m_pHBoxLayout = new QHBoxLayout;
    m_pEnable = new QCheckBox(this);
    m_pEnable->setObjectName(QStringLiteral("SupplememtInterceptEnable"));
    m_pEnableLabel = new QLabel(this);
    m_pEnableLabel->setObjectName(QStringLiteral("SupplememtInterceptEnableLabel"));
    m_pEnableLabel->setBuddy(m_pEnable);
    m_pToolButton = new QToolButton(this);
    m_pToolButton->setObjectName(QStringLiteral("SupplememtInterceptFull"));
    m_pResetButton = new QPushButton(this);
    m_pResetButton->setObjectName(QStringLiteral("SupplememtInterceptReset"));
    m_pResetButton->setAutoDefault(false);
    m_pHBoxLayout->addWidget(m_pEnable);
    m_pHBoxLayout->addWidget(m_pEnableLabel);
    m_pHBoxLayout->addStretch(1);
    m_pHBoxLayout->addWidget(m_pToolButton);
    m_pHBoxLayout->addWidget(m_pResetButton);
    mainLayout->addLayout(m_pHBoxLayout);

    m_pFunctionFrame = new QFrame(this);
    m_pFunctionFrame->setObjectName(QStringLiteral("SupplememtInterceptFunctionFrame"));
    auto* grid = new QGridLayout(m_pFunctionFrame);
    grid->setContentsMargins(0, 0, 0, 0);
    m_pXWidget = makeField("SupplememtInterceptX", m_pFunctionFrame);
    m_pYWidget = makeField("SupplememtInterceptY", m_pFunctionFrame);
    m_pWidthWidget = makeField("SupplememtInterceptWidth", m_pFunctionFrame);
    m_pHeightWidget = makeField("SupplememtInterceptHeight", m_pFunctionFrame);
    m_pLockButton = new QToolButton(m_pFunctionFrame);
    m_pLockButton->setObjectName(QStringLiteral("SupplememtInterceptLock"));
    m_pLockButton->setCheckable(true);
    grid->addWidget(m_pXWidget, 0, 0);
    grid->addWidget(m_pYWidget, 1, 0);
    grid->addWidget(m_pWidthWidget, 2, 0);
    grid->addWidget(m_pHeightWidget, 3, 0);
    // The lock sits between Width and Height, whose values it ties together.
    grid->addWidget(m_pLockButton, 2, 1, 2, 1, Qt::AlignVCenter);
    mainLayout->addWidget(m_pFunctionFrame);

    // A 1920 x 1080 picture until the host sets the limits.
    setXValueRange(0, 1920);
    setYValueRange(0, 1080);
    setWidthValueRange(1, 1920);
    setHeightValueRange(1, 1080);
    setValueQuietly(m_pWidthWidget, 1920);
    setValueQuietly(m_pHeightWidget, 1080);

    connect(m_pXWidget, &SliderEditFrame::valueChanged, this, &SupplememtInterceptWidget::onXChanged);
    connect(m_pYWidget, &SliderEditFrame::valueChanged, this, &SupplememtInterceptWidget::onYChanged);
    connect(m_pWidthWidget, &SliderEditFrame::valueChanged, this, &SupplememtInterceptWidget::onWidthChanged);
    connect(m_pHeightWidget, &SliderEditFrame::valueChanged, this, &SupplememtInterceptWidget::onHeightChanged);
    connect(m_pLockButton, &QToolButton::clicked, this, &SupplememtInterceptWidget::onLockClicked);
    connect(m_pEnable, &QCheckBox::toggled, this, &SupplememtInterceptWidget::onEnableToggled);
    connect(m_pResetButton, &QPushButton::clicked, this, [this] {
        if (m_bEmit)
            emit sig_Reset();
    });
    // The whole picture in one touch.
    connect(m_pToolButton, &QToolButton::clicked, this, [this] {
        QRect whole(0, 0, m_nWMaxValue, m_nHMaxValue);
        setCurRectValue(whole);
        reportRect();
    });

    followEnable(m_pEnable->isChecked());
    retranslateUi();
}

SupplememtInterceptWidget::~SupplememtInterceptWidget() = default;

void SupplememtInterceptWidget::setRangeQuietly(SliderEditFrame* field, int minimum, int maximum)
{
    const bool wasSetting = m_bSetRnageFlae;
    m_bSetRnageFlae = true;
    field->setRange(minimum, std::max(minimum, maximum));
    m_bSetRnageFlae = wasSetting;
}

void SupplememtInterceptWidget::setValueQuietly(SliderEditFrame* field, int value)
{
    const bool wasSetting = m_bSetRnageFlae;
    m_bSetRnageFlae = true;
    field->setValue(value);
    m_bSetRnageFlae = wasSetting;
}

void SupplememtInterceptWidget::reportRect()
{
    if (m_bEmit)
        emit sig_ValueChanged(getCurRectValue());
}

void SupplememtInterceptWidget::onXChanged(int value)
{
    if (m_bSetRnageFlae)
        return;
    followX(value);
    reportRect();
}

void SupplememtInterceptWidget::onYChanged(int value)
{
    if (m_bSetRnageFlae)
        return;
    followY(value);
    reportRect();
}

void SupplememtInterceptWidget::onWidthChanged(int value)
{
    if (m_bSetRnageFlae)
        return;
    followWidth(value);
    reportRect();
}

void SupplememtInterceptWidget::onHeightChanged(int value)
{
    if (m_bSetRnageFlae)
        return;
    followHeight(value);
    reportRect();
}

void SupplememtInterceptWidget::followX(int value)
{
    if (!m_bParaAssociateValid)
        return;
    // A width the new range cuts down does not narrow X's own range: the next X may go further.
    setRangeQuietly(m_pWidthWidget, m_nWMinValue, m_nWMaxValue - value);
}

void SupplememtInterceptWidget::followY(int value)
{
    if (!m_bParaAssociateValid)
        return;
    setRangeQuietly(m_pHeightWidget, m_nHMinValue, m_nHMaxValue - value);
}

void SupplememtInterceptWidget::followWidth(int value)
{
    if (m_bParaAssociateValid)
        setRangeQuietly(m_pXWidget, 0, m_nWMaxValue - value);
    if (m_bIsLocked) {
        const int room = m_nHMaxValue - m_pYWidget->value();
        setValueQuietly(m_pHeightWidget, value > room ? room : value);
        // The Y range follows the height actually set, so Y stays where the operator put it.
        if (m_bParaAssociateValid)
            setRangeQuietly(m_pYWidget, 0, m_nHMaxValue - m_pHeightWidget->value());
    }
}

void SupplememtInterceptWidget::followHeight(int value)
{
    if (m_bParaAssociateValid)
        setRangeQuietly(m_pYWidget, 0, m_nHMaxValue - value);
}

void SupplememtInterceptWidget::onLockClicked()
{
    m_pHeightWidget->setEnabled(true);
    m_bIsLocked = !m_bIsLocked;
    m_pLockButton->setChecked(m_bIsLocked);
    if (m_bEmit)
        emit sig_Lock(m_bIsLocked);
}

void SupplememtInterceptWidget::followEnable(bool enabled)
{
    for (SliderEditFrame* field : {m_pXWidget, m_pYWidget, m_pWidthWidget, m_pHeightWidget})
        field->setEnabled(enabled);
    m_pResetButton->setEnabled(enabled);
    m_pResetButton->setChecked(false);
    m_pToolButton->setEnabled(enabled);
    m_pLockButton->setEnabled(enabled);
    m_pLockButton->setChecked(m_bIsLocked && enabled);
}

void SupplememtInterceptWidget::onEnableToggled(bool enabled)
{
    followEnable(enabled);
    if (m_bEmit)
        emit sig_CheckBoxCheck(enabled);
}

// Values set by the host show the device's state: the dependent ranges follow, nothing is reported.
void SupplememtInterceptWidget::setCurXValue(const int& value)
{
    setValueQuietly(m_pXWidget, value);
    followX(m_pXWidget->value());
}

void SupplememtInterceptWidget::setCurYValue(const int& value)
{
    setValueQuietly(m_pYWidget, value);
    followY(m_pYWidget->value());
}

void SupplememtInterceptWidget::setCurWidthValue(const int& value)
{
    setValueQuietly(m_pWidthWidget, value);
    followWidth(m_pWidthWidget->value());
}

void SupplememtInterceptWidget::setCurHeightValue(const int& value)
{
    setValueQuietly(m_pHeightWidget, value);
    followHeight(m_pHeightWidget->value());
}

void SupplememtInterceptWidget::setCurRectValue(QRect& rect)
{
    const int x = rect.left();
    const int y = rect.top();
    const int width = rect.right() - rect.left() + 1;
    const int height = rect.bottom() - rect.top() + 1;
    if (m_bParaAssociateValid) {
        setRangeQuietly(m_pXWidget, 0, m_nWMaxValue - width);
        setRangeQuietly(m_pYWidget, 0, m_nHMaxValue - height);
    }
    setValueQuietly(m_pXWidget, x);
    setValueQuietly(m_pYWidget, y);
    if (m_bParaAssociateValid) {
        setRangeQuietly(m_pWidthWidget, m_nWMinValue, m_nWMaxValue - m_pXWidget->value());
        setRangeQuietly(m_pHeightWidget, m_nHMinValue, m_nHMaxValue - m_pYWidget->value());
    }
    setValueQuietly(m_pWidthWidget, width);
    setValueQuietly(m_pHeightWidget, height);
}

QRect SupplememtInterceptWidget::getCurRectValue() const
{
    const int x = m_pXWidget->value();
    const int y = m_pYWidget->value();
    return QRect(QPoint(x, y), QPoint(x + m_pWidthWidget->value() - 1, y + m_pHeightWidget->value() - 1));
}

int SupplememtInterceptWidget::getCurXValue() const
{
    return m_pXWidget->value();
}

int SupplememtInterceptWidget::getCurYValue() const
{
    return m_pYWidget->value();
}

int SupplememtInterceptWidget::getCurWidthValue() const
{
    return m_pWidthWidget->value();
}

int SupplememtInterceptWidget::getCurHeightValue() const
{
    return m_pHeightWidget->value();
}

void SupplememtInterceptWidget::setXValueRange(const int& min, const int& max)
{
    m_nXMaxValue = max;
    setRangeQuietly(m_pXWidget, min, max);
}

void SupplememtInterceptWidget::setYValueRange(const int& min, const int& max)
{
    m_nYMaxValue = max;
    setRangeQuietly(m_pYWidget, min, max);
}

void SupplememtInterceptWidget::setWidthValueRange(const int& min, const int& max)
{
    m_nWMinValue = min;
    m_nWMaxValue = max;
    setRangeQuietly(m_pWidthWidget, min, max);
}

void SupplememtInterceptWidget::setHeightValueRange(const int& min, const int& max)
{
    m_nHMinValue = min;
    m_nHMaxValue = max;
    setRangeQuietly(m_pHeightWidget, min, max);
}

void SupplememtInterceptWidget::setWidthStep(int step)
{
    m_pWidthWidget->setSingleStep(step);
}

int SupplememtInterceptWidget::getWidthMaximum() const
{
    return m_pWidthWidget->maximum();
}

int SupplememtInterceptWidget::getWidthMinmum() const
{
    return m_pWidthWidget->minimum();
}

int SupplememtInterceptWidget::getHeightMaximum() const
{
    return m_pHeightWidget->maximum();
}

int SupplememtInterceptWidget::getHeightMinmum() const
{
    return m_pHeightWidget->minimum();
}

void SupplememtInterceptWidget::setToggled(bool toggled)
{
    m_bIsLocked = false;
    {
        const QSignalBlocker blocker(m_pEnable);
        m_pEnable->setChecked(toggled);
    }
    followEnable(toggled);
}

void SupplememtInterceptWidget::setToggledLock(bool toggled)
{
    m_bIsLocked = toggled;
    {
        const QSignalBlocker blocker(m_pEnable);
        m_pEnable->setChecked(toggled);
    }
    followEnable(toggled);
}

void SupplememtInterceptWidget::setLockStatus(bool locked, bool enabled)
{
    m_bIsLocked = locked;
    m_pLockButton->setChecked(locked && enabled);
}

void SupplememtInterceptWidget::setLockStatusParamer(bool unlocked)
{
    setLockStatus(!unlocked, true);
}

void SupplememtInterceptWidget::setCheckBoxStatus(bool enabled)
{
    m_pEnable->setEnabled(enabled);
}

void SupplememtInterceptWidget::setEmitEnabled(bool emitEnabled)
{
    m_bEmit = emitEnabled;
}

void SupplememtInterceptWidget::setParaAssociateValid(bool valid)
{
    m_bParaAssociateValid = valid;
}

bool SupplememtInterceptWidget::getEable() const
{
    return m_pEnable->isChecked();
}

QCheckBox* SupplememtInterceptWidget::getCheckBox() const
{
    return m_pEnable;
}

void SupplememtInterceptWidget::setTitle(const QString& title)
{
    m_pTitleLable->setText(title);
}

void SupplememtInterceptWidget::setTitleVisible(bool visible)
{
    m_pTitleLable->setVisible(visible);
}

void SupplememtInterceptWidget::setXLableName(const QString& name)
{
    m_bCustomLabels[FieldX] = true;
    m_pXWidget->setLabelText(name);
}

void SupplememtInterceptWidget::setYLableName(const QString& name)
{
    m_bCustomLabels[FieldY] = true;
    m_pYWidget->setLabelText(name);
}

void SupplememtInterceptWidget::setWLableName(const QString& name)
{
    m_bCustomLabels[FieldWidth] = true;
    m_pWidthWidget->setLabelText(name);
}

void SupplememtInterceptWidget::setHLableName(const QString& name)
{
    m_bCustomLabels[FieldHeight] = true;
    m_pHeightWidget->setLabelText(name);
}

void SupplememtInterceptWidget::setResetButton(bool visible)
{
    m_pResetButton->setVisible(visible);
    m_pToolButton->setVisible(visible);
}

void SupplememtInterceptWidget::setLockButtonVisible(bool visible)
{
    m_pLockButton->setVisible(visible);
}

void SupplememtInterceptWidget::setEnableButtonVisible(bool visible)
{
    m_pEnable->setVisible(visible);
    m_pEnableLabel->setVisible(visible);
}

void SupplememtInterceptWidget::setLabelWidth(int width)
{
    for (SliderEditFrame* field : {m_pXWidget, m_pYWidget, m_pWidthWidget, m_pHeightWidget})
        field->setLabelFixedWidth(width);
}

void SupplememtInterceptWidget::retranslateUi()
{
    m_pEnableLabel->setText(tr("Enable"));
    m_pResetButton->setText(tr("Reset"));
    m_pToolButton->setText(tr("Full"));
    m_pToolButton->setToolTip(tr("Take the whole picture"));
    m_pLockButton->setText(tr("Lock"));
    m_pLockButton->setToolTip(tr("Keep Height equal to Width"));
    if (!m_bCustomLabels[FieldX])
        m_pXWidget->setLabelText(tr("X"));
    if (!m_bCustomLabels[FieldY])
        m_pYWidget->setLabelText(tr("Y"));
    if (!m_bCustomLabels[FieldWidth])
        m_pWidthWidget->setLabelText(tr("Width"));
    if (!m_bCustomLabels[FieldHeight])
        m_pHeightWidget->setLabelText(tr("Height"));
}

void SupplememtInterceptWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

} // namespace Vireo::Widgets
