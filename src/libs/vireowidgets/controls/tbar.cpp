#include "tbar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <QVariant>
#include <QVector>

#include <cmath>

namespace Vireo::Widgets {

namespace Internal {

struct TbarForm
{
    void setupUi(QDialog* dialog);

    QFrame* frame = nullptr;
    QVector<QToolButton*> lamps; // top (index 12) to bottom (index 1)
    QSlider* verticalSlider = nullptr;
};

void TbarForm::setupUi(QDialog* dialog)
{
    dialog->resize(108, 228);
    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    frame = new QFrame(dialog);
    frame->setObjectName(QStringLiteral("frame"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setProperty("isTbar", true);
    outer->addWidget(frame);

    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(8, 16, 8, 16);

    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 10, 0, 12);
    for (int index = tbar::LampCount; index >= 1; --index) {
        auto* lamp = new QToolButton(frame);
        lamp->setObjectName(QStringLiteral("lamp%1").arg(index));
        lamp->setFixedSize(14, 8);
        lamp->setCheckable(true);
        lamp->setEnabled(false);
        lamp->setProperty("index", index);
        lamp->setProperty("isTbar", true);
        column->addWidget(lamp);
        lamps.append(lamp);
    }
    row->addLayout(column);

    verticalSlider = new QSlider(Qt::Vertical, frame);
    verticalSlider->setObjectName(QStringLiteral("verticalSlider"));
    verticalSlider->setFixedWidth(66);
    verticalSlider->setRange(0, 64);
    verticalSlider->setProperty("isTbar", true);
    row->addWidget(verticalSlider);
}

} // namespace Internal

namespace {

constexpr double LampsOff = 255;

} // namespace

tbar::tbar(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , ui(std::make_unique<Internal::TbarForm>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setLed(0);
    connectSlider();
}

tbar::~tbar() = default;

void tbar::connectSlider()
{
    m_sliderLink = connect(ui->verticalSlider, &QSlider::valueChanged, this, &tbar::slotSliderValueChanged);
}

void tbar::slotSliderValueChanged(int value)
{
    const int maximum = ui->verticalSlider->maximum();
    if (maximum <= 0)
        return;
    setLed(std::floor(double(value) * LampCount / maximum));
    const qreal current = qreal(value) / maximum;
    emit percentChanged(current, m_prevValue);
    m_prevValue = current;
}

void tbar::setLed(double value)
{
    const bool allOff = value == 0 || value > LampCount || value == LampsOff;
    for (QToolButton* lamp : qAsConst(ui->lamps)) {
        const int index = lamp->property("index").toInt();
        bool on = false;
        if (!allOff)
            on = m_direction == TopToBottom ? value <= index : value >= index;
        lamp->setChecked(on);
    }
}

void tbar::setCurValue(double percent)
{
    if (!(percent >= 0)) // also refuses NaN
        return;
    const double lamp = std::floor(percent * LampCount);
    setLed(lamp);
    QSignalBlocker blocker(ui->verticalSlider);
    const int maximum = ui->verticalSlider->maximum();
    if (lamp < 1)
        ui->verticalSlider->setValue(0);
    else if (lamp > LampCount)
        ui->verticalSlider->setValue(maximum);
    else
        ui->verticalSlider->setValue(int(std::floor(maximum * percent)));
}

void tbar::turnOffLed()
{
    disconnect(m_sliderLink);
    setLed(m_direction == TopToBottom ? LampsOff : 0);
    QSlider* slider = ui->verticalSlider;
    if (!m_bDirectionEnable) {
        slider->setValue(0);
        m_prevValue = 0;
    }
    const int value = slider->value();
    const int maximum = slider->maximum();
    if (value <= maximum - value) {
        slider->setValue(0);
        m_prevValue = 0;
    } else {
        slider->setValue(maximum);
        m_prevValue = 1;
    }
    connectSlider();
}

void tbar::setTbarDirection(TbarDirection direction)
{
    if (direction < BottomToTop || direction >= NumDirection)
        return;
    m_direction = direction;
}

tbar::TbarDirection tbar::getTbarDirection() const
{
    return m_direction;
}

void tbar::setDirectionEnable(bool enable)
{
    m_bDirectionEnable = enable;
}

void tbar::enable(bool enable)
{
    ui->verticalSlider->setEnabled(enable);
}

void tbar::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 0, 0, 230));
    }
    QDialog::paintEvent(event);
}

} // namespace Vireo::Widgets
