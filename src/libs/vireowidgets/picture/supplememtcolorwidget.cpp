#include "supplememtcolorwidget.h"

#include <zkwidgets/slidereditframe.h>

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace Vireo::Widgets {

namespace Internal {

struct SupplememtColorWidgetUi
{
    QLabel* nameLabel = nullptr;
    QPushButton* resetButton = nullptr;
    SliderEditFrame* all = nullptr;
    SliderEditFrame* red = nullptr;
    SliderEditFrame* green = nullptr;
    SliderEditFrame* blue = nullptr;
    SliderEditFrame* opacity = nullptr;
    // Labels the host named itself stay as they are on a language change.
    bool customRed = false;
    bool customGreen = false;
    bool customBlue = false;
    bool customButton = false;
};

} // namespace Internal

SupplememtColorWidget::SupplememtColorWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Internal::SupplememtColorWidgetUi)
{
    setObjectName(QStringLiteral("SupplememtColorWidget"));
    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->setContentsMargins(0, 0, 0, 0);

    auto* header = new QHBoxLayout;
    ui->nameLabel = new QLabel(this);
    ui->nameLabel->setObjectName(QStringLiteral("SupplememtColorName"));
    ui->nameLabel->setMinimumWidth(66);
    ui->nameLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui->resetButton = new QPushButton(this);
    ui->resetButton->setObjectName(QStringLiteral("SupplememtColorReset"));
    ui->resetButton->setAutoDefault(false);
    header->addWidget(ui->nameLabel);
    header->addStretch(1);
    header->addWidget(ui->resetButton);
    mainLayout->addLayout(header);

    auto makeLevel = [this, mainLayout](const char* objectName, int maximum) {
        auto* slider = new SliderEditFrame(this);
        slider->setObjectName(QLatin1String(objectName));
        slider->setHorizontalSpacing(16, 8);
        slider->setButtonFixedWidth(39);
        slider->setSpinBoxFixedWidth(50);
        slider->setTimeSamplingRate(100);
        slider->setRange(0, maximum);
        slider->setValue(0);
        mainLayout->addWidget(slider);
        connect(slider, &SliderEditFrame::valueChanged, this, &SupplememtColorWidget::reportColor);
        return slider;
    };
    ui->all = makeLevel("SupplememtColorAll", 255);
    ui->red = makeLevel("SupplememtColorRed", 255);
    ui->green = makeLevel("SupplememtColorGreen", 255);
    ui->blue = makeLevel("SupplememtColorBlue", 255);
    ui->opacity = makeLevel("SupplememtColorOpacity", 100);
    ui->red->setProperty("isColorControl_Red", true);
    ui->green->setProperty("isColorControl_Green", true);
    ui->blue->setProperty("isColorControl_Blue", true);

    connect(ui->resetButton, &QPushButton::clicked, this, &SupplememtColorWidget::signal_buttonClicked);
    retranslateUi();
}

SupplememtColorWidget::~SupplememtColorWidget()
{
    delete ui;
}

// The sliders line up: every label is as wide as the widest one.
void SupplememtColorWidget::alignLabels()
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (SliderEditFrame* slider : {ui->all, ui->red, ui->green, ui->blue, ui->opacity})
        widest = std::max(widest, metrics.horizontalAdvance(slider->labelText()));
    for (SliderEditFrame* slider : {ui->all, ui->red, ui->green, ui->blue, ui->opacity})
        slider->setLabelFixedWidth(widest + 12);
}

void SupplememtColorWidget::reportColor()
{
    emit signalRGBValueChanged(getColorData(), ui->all->value());
}

// Values set by the host show the device's state and are not reported back.
void SupplememtColorWidget::setValue(QColor color)
{
    const QSignalBlocker redBlocker(ui->red);
    const QSignalBlocker greenBlocker(ui->green);
    const QSignalBlocker blueBlocker(ui->blue);
    const QSignalBlocker opacityBlocker(ui->opacity);
    ui->red->setValue(color.red());
    ui->green->setValue(color.green());
    ui->blue->setValue(color.blue());
    // QColor keeps alpha in 16 bits, so 0.07 comes back as 0.06999: the tolerance of half a step
    // keeps the truncation from losing a whole percent.
    ui->opacity->setValue(int(std::trunc(color.alphaF() * 100.0 + 0.5 / 655.35)));
}

QColor SupplememtColorWidget::getColorData() const
{
    QColor color(ui->red->value(), ui->green->value(), ui->blue->value());
    color.setAlphaF(qBound(0.0, ui->opacity->value() * 0.01, 1.0));
    return color;
}

void SupplememtColorWidget::setAllValue(int value)
{
    const QSignalBlocker blocker(ui->all);
    ui->all->setValue(value);
}

int SupplememtColorWidget::getAllValue() const
{
    return ui->all->value();
}

void SupplememtColorWidget::setRValueRange(const int& min, const int& max)
{
    ui->red->setRange(min, max);
}

void SupplememtColorWidget::setGValueRange(const int& min, const int& max)
{
    ui->green->setRange(min, max);
}

void SupplememtColorWidget::setBValueRange(const int& min, const int& max)
{
    ui->blue->setRange(min, max);
}

void SupplememtColorWidget::setAllValueRange(const int& min, const int& max)
{
    ui->all->setRange(min, max);
}

void SupplememtColorWidget::setOpacityValueRange(const int& min, const int& max)
{
    ui->opacity->setRange(min, max);
}

void SupplememtColorWidget::setRWidgetVisible(bool visible)
{
    ui->red->setVisible(visible);
}

void SupplememtColorWidget::setGWidgetVisible(bool visible)
{
    ui->green->setVisible(visible);
}

void SupplememtColorWidget::setBWidgetVisible(bool visible)
{
    ui->blue->setVisible(visible);
}

void SupplememtColorWidget::setAllVisible(bool visible)
{
    ui->all->setVisible(visible);
}

void SupplememtColorWidget::setOpacityVisible(bool visible)
{
    ui->opacity->setVisible(visible);
}

void SupplememtColorWidget::setButtonVisible(bool visible)
{
    ui->resetButton->setVisible(visible);
}

void SupplememtColorWidget::setRLableName(const QString& name)
{
    ui->customRed = true;
    ui->red->setLabelText(name);
    alignLabels();
}

void SupplememtColorWidget::setGLableName(const QString& name)
{
    ui->customGreen = true;
    ui->green->setLabelText(name);
    alignLabels();
}

void SupplememtColorWidget::setBLableName(const QString& name)
{
    ui->customBlue = true;
    ui->blue->setLabelText(name);
    alignLabels();
}

void SupplememtColorWidget::setAllLableName(const QString& name)
{
    ui->all->setLabelText(name);
    alignLabels();
}

void SupplememtColorWidget::setOpacityLableName(const QString& name)
{
    ui->opacity->setLabelText(name);
    alignLabels();
}

void SupplememtColorWidget::setButtonText(const QString& text)
{
    ui->customButton = true;
    ui->resetButton->setText(text);
}

void SupplememtColorWidget::setRGBWidgetISEnabled(bool enabled)
{
    ui->red->setEnabled(enabled);
    ui->green->setEnabled(enabled);
    ui->blue->setEnabled(enabled);
    ui->resetButton->setEnabled(enabled);
}

void SupplememtColorWidget::retranslateUi()
{
    if (!ui->customRed)
        ui->red->setLabelText(tr("Red"));
    if (!ui->customGreen)
        ui->green->setLabelText(tr("Green"));
    if (!ui->customBlue)
        ui->blue->setLabelText(tr("Blue"));
    if (!ui->customButton)
        ui->resetButton->setText(tr("Reset"));
    alignLabels();
}

void SupplememtColorWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

} // namespace Vireo::Widgets
