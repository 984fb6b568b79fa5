#include "polaritywidget.h"

#include <vireowidgets/controls/sliderwithspinwidget.h>

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace Vireo::Widgets {

namespace {

SliderWithSpinWidget* makeRow(QWidget* parent, int minimum, int maximum)
{
    auto* row = new SliderWithSpinWidget(parent);
    row->setSliderRange(minimum, maximum);
    row->setSpinBoxRange(minimum, maximum);
    return row;
}

void setRowRange(SliderWithSpinWidget* row, qint64 sliderMin, qint64 sliderMax, qint64 spinMin, qint64 spinMax)
{
    // A range never ends below its start, whatever the parts add up to.
    auto bound = [](qint64 v) { return int(qBound<qint64>(0, v, INT_MAX)); };
    row->setSliderRange(bound(sliderMin), bound(std::max(sliderMin, sliderMax)));
    row->setSpinBoxRange(bound(spinMin), bound(std::max(spinMin, spinMax)));
}

} // namespace

PolarityWidget::PolarityWidget(QWidget* parent)
    : QFrame(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(16);
    layout->setContentsMargins(0, 0, 0, 8);

    m_pTotalWidth = makeRow(this, 100, 10000);
    m_pFrontfroch = makeRow(this, 0, 10000);
    m_pWidth = makeRow(this, 100, 10000);
    m_pSync = makeRow(this, 0, 10000);
    m_pTotalWidth->setObjectName(QStringLiteral("PolarityTotal"));
    m_pFrontfroch->setObjectName(QStringLiteral("PolarityFrontPorch"));
    m_pWidth->setObjectName(QStringLiteral("PolarityActive"));
    m_pSync->setObjectName(QStringLiteral("PolaritySync"));
    for (auto* row : {m_pTotalWidth, m_pFrontfroch, m_pWidth, m_pSync})
        layout->addWidget(row);

    auto* polarityRow = new QHBoxLayout;
    polarityRow->setSpacing(16);
    m_pPolarityTypeLabel = new QLabel(this);
    m_pPolarityTypeLabel->setMinimumHeight(20);
    m_pPolarityTypeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pAddRadionbutton = new QRadioButton(QStringLiteral("+"), this);
    m_pMinusRadioButton = new QRadioButton(QStringLiteral("-"), this);
    m_pAddRadionbutton->setChecked(true);
    polarityRow->addWidget(m_pPolarityTypeLabel);
    polarityRow->addWidget(m_pAddRadionbutton);
    polarityRow->addWidget(m_pMinusRadioButton);
    polarityRow->addStretch();
    layout->addLayout(polarityRow);

    retranslateUi();
    connectRows();
}

PolarityWidget::~PolarityWidget() = default;

void PolarityWidget::retranslateUi()
{
    m_pTotalWidth->setLabelName(directed(tr("Total")));
    m_pFrontfroch->setLabelName(directed(tr("Front Proch")));
    m_pWidth->setLabelName(directed(tr("Active")));
    m_pSync->setLabelName(directed(tr("Sync")));
    m_pPolarityTypeLabel->setText(directed(tr("Polarity")));
    alignLabels();
}

void PolarityWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}

QString PolarityWidget::directed(const QString& text) const
{
    return m_strDirection.isEmpty() ? text : m_strDirection + QLatin1Char(' ') + text;
}

void PolarityWidget::setPolarityDirection(QString strDirction)
{
    m_strDirection = strDirction.trimmed();
    retranslateUi();
}

void PolarityWidget::alignLabels()
{
    const QFontMetrics metrics(font());
    int widest = metrics.horizontalAdvance(m_pPolarityTypeLabel->text() + QStringLiteral("qq"));
    for (auto* row : {m_pTotalWidth, m_pFrontfroch, m_pWidth, m_pSync})
        widest = std::max(widest, metrics.horizontalAdvance(row->getLabelName()));
    m_labelTextMaxLength = widest;
    for (auto* row : {m_pTotalWidth, m_pFrontfroch, m_pWidth, m_pSync}) {
        row->setLabelWidgetMaxLength(widest);
        row->getLabel()->setMinimumWidth(widest);
    }
    // The polarity label lines up with the row labels (which sit 8 px in from their rows).
    m_pPolarityTypeLabel->setFixedWidth(widest + 8);
}

void PolarityWidget::connectRows()
{
    m_rowLinks << connect(
        m_pTotalWidth, &SliderWithSpinWidget::signal_spinboxValueChanged, this, &PolarityWidget::slot_totalChanged);
    m_rowLinks << connect(m_pFrontfroch, &SliderWithSpinWidget::signal_spinboxValueChanged, this,
        &PolarityWidget::slot_frontPorchChanged);
    m_rowLinks << connect(
        m_pWidth, &SliderWithSpinWidget::signal_spinboxValueChanged, this, &PolarityWidget::slot_activeChanged);
    m_rowLinks << connect(
        m_pSync, &SliderWithSpinWidget::signal_spinboxValueChanged, this, &PolarityWidget::slot_syncChanged);
    m_rowLinks << connect(m_pAddRadionbutton, &QRadioButton::toggled, this, &PolarityWidget::slot_polarityToggled);
}

void PolarityWidget::disconnectRows()
{
    for (const auto& link : qAsConst(m_rowLinks))
        disconnect(link);
    m_rowLinks.clear();
}

void PolarityWidget::resetTimingMinMax()
{
    const qint64 total = m_frameTiming.totalTime;
    const qint64 front = m_frameTiming.FrontPorch;
    const qint64 active = m_frameTiming.AddrTime;
    const qint64 sync = m_frameTiming.Sync;
    const qint64 rest = total - front - active;
    const qint64 back = rest - sync;
    m_frameTiming.backProch = quint32(std::max<qint64>(0, back));

    const bool relink = !m_rowLinks.isEmpty();
    disconnectRows();
    setRowRange(m_pSync, 1, rest, 1, sync + back);
    setRowRange(m_pWidth, 0, back + active, 0, back + active);
    setRowRange(m_pFrontfroch, 0, front + back, 0, front + back);
    if (relink)
        connectRows();
}

void PolarityWidget::showRows()
{
    m_pTotalWidth->setSliderValue(int(m_frameTiming.totalTime));
    m_pFrontfroch->setSliderValue(m_frameTiming.FrontPorch);
    m_pWidth->setSliderValue(int(m_frameTiming.AddrTime));
    m_pSync->setSliderValue(m_frameTiming.Sync);
}

void PolarityWidget::setPolarityData(const ZK::VESA::s_FrameTiming& timing)
{
    m_frameTiming = timing;
    disconnectRows();
    resetTimingMinMax();
    showRows();
    if (timing.SyncPolarity == ZK::VESA::NegativePolarity)
        m_pMinusRadioButton->setChecked(true);
    else
        m_pAddRadionbutton->setChecked(true);
    connectRows();
}

void PolarityWidget::getPolarityData(ZK::VESA::s_FrameTiming& timing) const
{
    timing = m_frameTiming;
}

void PolarityWidget::resetTatalTimingRange(quint32 minTotal, quint32 maxTotal)
{
    const int minimum = int(std::min<quint32>(minTotal, INT_MAX));
    const int maximum = int(std::min<quint32>(std::max(minTotal, maxTotal), INT_MAX));
    // A total outside the new range is clamped by the row, which reports it like an edit: the
    // timing keeps the total the row shows.
    m_pTotalWidth->setSliderRange(minimum, maximum);
    m_pTotalWidth->setSpinBoxRange(minimum, maximum);
}

void PolarityWidget::slot_totalChanged(int value)
{
    if (value < 0 || quint32(value) == m_frameTiming.totalTime)
        return;
    const quint32 parts = quint32(m_frameTiming.FrontPorch) + m_frameTiming.AddrTime + m_frameTiming.Sync;
    quint32 total = quint32(value);
    if (value == 0) {
        total = parts + m_frameTiming.backProch + m_frameTiming.RightBorder + m_frameTiming.LeftBorder;
    } else if (total < parts) {
        // A total below its parts would leave a negative back porch: keep the parts, back porch 0.
        total = parts;
    }
    m_frameTiming.totalTime = total;
    resetTimingMinMax();
    if (total != quint32(value)) {
        disconnectRows();
        m_pTotalWidth->setSliderValue(int(std::min<quint32>(total, INT_MAX)));
        connectRows();
    }
    emit signal_polarityDataChanged();
}

void PolarityWidget::slot_frontPorchChanged(int value)
{
    if (value < 0 || value == m_frameTiming.FrontPorch)
        return;
    m_frameTiming.FrontPorch = quint16(std::min(value, 0xFFFF));
    resetTimingMinMax();
    emit signal_polarityDataChanged();
}

void PolarityWidget::slot_activeChanged(int value)
{
    if (value < 0 || quint32(value) == m_frameTiming.AddrTime)
        return;
    m_frameTiming.AddrTime = quint32(value);
    resetTimingMinMax();
    emit signal_polarityDataChanged();
}

void PolarityWidget::slot_syncChanged(int value)
{
    if (value < 0 || value == m_frameTiming.Sync)
        return;
    m_frameTiming.Sync = quint16(std::min(value, 0xFFFF));
    resetTimingMinMax();
    emit signal_polarityDataChanged();
}

void PolarityWidget::slot_polarityToggled()
{
    m_frameTiming.SyncPolarity =
        m_pAddRadionbutton->isChecked() ? ZK::VESA::PositivePolarity : ZK::VESA::NegativePolarity;
    emit signal_polarityDataChanged();
}

} // namespace Vireo::Widgets
