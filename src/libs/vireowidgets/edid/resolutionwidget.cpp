#include "resolutionwidget.h"

#include <vireowidgets/controls/sliderwithspinwidget.h>

#include <vireomodel/helper.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace Vireo::Widgets {

namespace {

QString entryText(const ZK::VESA::s_DMTSchemaData& data)
{
    return Vireo::BizModel::Helper::formatFramerate(
        QSize(int(data.HorFrameTiming.AddrTime), int(data.VerFrameTiming.AddrTime)), data.refreshRate, false);
}

bool matches(const ZK::VESA::s_DMTSchemaData& data, const QSize& size, float rate)
{
    return data.refreshRate == rate && int(data.HorFrameTiming.AddrTime) == size.width() &&
        int(data.VerFrameTiming.AddrTime) == size.height();
}

} // namespace

ResolutionWidget::ResolutionWidget(QWidget* parent)
    : QFrame(parent)
{
    ZK::VESA::registerMetaTypes();
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(8, 0, 8, 0);

    m_pRadionButtonFrame = new QFrame(this);
    auto* radios = new QHBoxLayout(m_pRadionButtonFrame);
    radios->setSpacing(16);
    radios->setContentsMargins(24, 0, 8, 0);
    m_pRadioButtonPreset = new QRadioButton(m_pRadionButtonFrame);
    m_pRadioButtonCustom = new QRadioButton(m_pRadionButtonFrame);
    radios->addWidget(m_pRadioButtonPreset);
    radios->addSpacerItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    radios->addWidget(m_pRadioButtonCustom);
    radios->addSpacerItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_pRadioButtonGroup = new QButtonGroup(this);
    m_pRadioButtonGroup->addButton(m_pRadioButtonPreset);
    m_pRadioButtonGroup->addButton(m_pRadioButtonCustom);
    connect(m_pRadioButtonGroup, QOverload<QAbstractButton*, bool>::of(&QButtonGroup::buttonToggled), this,
        &ResolutionWidget::slot_radioButtonGroupToggled);
    layout->addWidget(m_pRadionButtonFrame);

    auto* comboRow = new QHBoxLayout;
    comboRow->setContentsMargins(8, 0, 8, 0);
    m_pPresetResolutionRatioComboBox = new QComboBox(this);
    m_pPresetResolutionRatioComboBox->setItemDelegate(new QStyledItemDelegate(m_pPresetResolutionRatioComboBox));
    comboRow->addWidget(m_pPresetResolutionRatioComboBox);
    layout->addLayout(comboRow);
    connect(m_pPresetResolutionRatioComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &ResolutionWidget::slot_resolutionIndexChanged);

    m_pWidthFrame = new SliderWithSpinWidget(this);
    m_pWidthFrame->setObjectName(QStringLiteral("ResolutionWidth"));
    m_pWidthFrame->setStretchPara(4, 2, 2);
    m_pWidthFrame->setSliderRange(100, 10000);
    m_pWidthFrame->setSpinBoxRange(100, 10000);
    m_pWidthFrame->setSingleStep(2, 2);
    m_pHeightFrame = new SliderWithSpinWidget(this);
    m_pHeightFrame->setObjectName(QStringLiteral("ResolutionHeight"));
    m_pHeightFrame->setStretchPara(4, 2, 2);
    m_pHeightFrame->setSliderRange(100, 10000);
    m_pHeightFrame->setSpinBoxRange(100, 10000);
    m_pHeightFrame->setSingleStep(1, 1);
    m_pRefreshRateFrame = new SliderWithDoubleSpinWidget(this);
    m_pRefreshRateFrame->setObjectName(QStringLiteral("ResolutionRefreshRate"));
    m_pRefreshRateFrame->setStretchPara(4, 2, 2);
    m_pRefreshRateFrame->setSliderRange(24, 120);
    m_pRefreshRateFrame->setSpinBoxRange(24.0, 120.0);
    layout->addWidget(m_pWidthFrame);
    layout->addWidget(m_pHeightFrame);
    layout->addWidget(m_pRefreshRateFrame);

    retranslateUi();
    connectRows();
    calcLabelDisplaySize(0);
    m_pRadioButtonCustom->setChecked(true);
}

ResolutionWidget::~ResolutionWidget() = default;

void ResolutionWidget::retranslateUi()
{
    m_pRadioButtonPreset->setText(tr("Preset"));
    m_pRadioButtonCustom->setText(tr("Custom"));
    m_pWidthFrame->setLabelName(tr("Width"));
    m_pHeightFrame->setLabelName(tr("Height"));
    m_pRefreshRateFrame->setLabelName(tr("Refresh Rate"));
}

void ResolutionWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
        calcLabelDisplaySize(0);
    }
    QFrame::changeEvent(event);
}

void ResolutionWidget::resizeEvent(QResizeEvent* event)
{
    Vireo::BizModel::Helper::allCaclThumbnailText(this);
    QFrame::resizeEvent(event);
}

void ResolutionWidget::calcLabelDisplaySize(int minimum)
{
    const QFontMetrics metrics(font());
    int widest = minimum;
    widest = std::max(widest, metrics.horizontalAdvance(m_pWidthFrame->getLabelName()));
    widest = std::max(widest, metrics.horizontalAdvance(m_pHeightFrame->getLabelName()));
    widest = std::max(widest, metrics.horizontalAdvance(m_pRefreshRateFrame->getLabelName()));
    m_pWidthFrame->setLabelWidgetMaxLength(widest);
    m_pHeightFrame->setLabelWidgetMaxLength(widest);
    m_pRefreshRateFrame->setLabelWidgetMaxLength(widest);
    for (auto* label : {m_pWidthFrame->getLabel(), m_pHeightFrame->getLabel()})
        label->setMinimumWidth(widest);
    if (auto* label = m_pRefreshRateFrame->findChild<QLabel*>())
        label->setMinimumWidth(widest);
}

void ResolutionWidget::connectRows()
{
    m_rowLinks << connect(
        m_pWidthFrame, &SliderWithSpinWidget::signal_spinboxValueChanged, this, &ResolutionWidget::slot_widthChanged);
    m_rowLinks << connect(
        m_pHeightFrame, &SliderWithSpinWidget::signal_spinboxValueChanged, this, &ResolutionWidget::slot_heightChanged);
    m_rowLinks << connect(m_pRefreshRateFrame, &SliderWithDoubleSpinWidget::signal_spinboxValueChanged, this,
        &ResolutionWidget::slot_refreshChanged);
}

void ResolutionWidget::disconnectRows()
{
    for (const auto& link : qAsConst(m_rowLinks))
        disconnect(link);
    m_rowLinks.clear();
}

// ---------------------------------------------------------------------------------------------

void ResolutionWidget::slot_radioButtonGroupToggled(QAbstractButton* button, bool checked)
{
    Q_UNUSED(checked)
    const bool preset = button == m_pRadioButtonPreset;
    m_pPresetResolutionRatioComboBox->setVisible(preset);
    m_pWidthFrame->setVisible(!preset);
    m_pHeightFrame->setVisible(!preset);
    m_pRefreshRateFrame->setVisible(!preset);
    if (preset) {
        emit signal_presetResolutionRatioSelected();
    } else {
        Vireo::BizModel::Helper::allCaclThumbnailText(this);
        emit signal_customResolutionRatioSelected();
    }
}

void ResolutionWidget::slot_resolutionIndexChanged(int index)
{
    ZK::VESA::s_DMTSchemaData data;
    const QVariant item = m_pPresetResolutionRatioComboBox->itemData(index);
    if (index >= 0 && item.canConvert<ZK::VESA::s_DMTSchemaData>())
        data = item.value<ZK::VESA::s_DMTSchemaData>();
    emit signal_curPresetResolutionRatioChanged(data);
}

void ResolutionWidget::slot_widthChanged(int value)
{
    m_customFrameRate = QSize(value, m_pHeightFrame->getSpinBoxValue());
    emit signal_customResolutionRatioChanged(m_customFrameRate, float(m_pRefreshRateFrame->getSpinBoxValue()));
}

void ResolutionWidget::slot_heightChanged(int value)
{
    m_customFrameRate = QSize(m_pWidthFrame->getSpinBoxValue(), value);
    emit signal_customResolutionRatioChanged(m_customFrameRate, float(m_pRefreshRateFrame->getSpinBoxValue()));
}

void ResolutionWidget::slot_refreshChanged(double value)
{
    m_customRefreshRate = float(value);
    emit signal_customResolutionRatioChanged(QSize(m_pWidthFrame->getSpinBoxValue(), m_pHeightFrame->getSpinBoxValue()),
        float(m_pRefreshRateFrame->getSpinBoxValue()));
}

// ---------------------------------------------------------------------------------------------

void ResolutionWidget::initPresetResolutionRatioData(QList<ZK::VESA::s_DMTSchemaData>& list)
{
    clearPresetResolutionRatio();
    for (const auto& data : qAsConst(list))
        appendPresetResolutionRatio(data);
}

void ResolutionWidget::appendPresetResolutionRatio(const ZK::VESA::s_DMTSchemaData& data)
{
    m_pPresetResolutionRatioComboBox->addItem(entryText(data), QVariant::fromValue(data));
}

void ResolutionWidget::clearPresetResolutionRatio()
{
    m_pPresetResolutionRatioComboBox->clear();
}

int ResolutionWidget::presetFrameRateCount() const
{
    return m_pPresetResolutionRatioComboBox->count();
}

void ResolutionWidget::setPresetCurrentIndex(int index)
{
    if (index < 0)
        return;
    m_pPresetResolutionRatioComboBox->setCurrentIndex(index);
}

QString ResolutionWidget::getPresetCurrentText() const
{
    return m_pPresetResolutionRatioComboBox->currentText();
}

bool ResolutionWidget::getCurrentPresetResolutionRatio(QSize& frameRate, float& refreshRate) const
{
    ZK::VESA::s_DMTSchemaData data;
    if (!getCurrentPresetResolutionRatio(data))
        return false;
    frameRate = QSize(int(data.HorFrameTiming.AddrTime), int(data.VerFrameTiming.AddrTime));
    refreshRate = data.refreshRate;
    return true;
}

bool ResolutionWidget::getCurrentPresetResolutionRatio(ZK::VESA::s_DMTSchemaData& data) const
{
    const int index = m_pPresetResolutionRatioComboBox->currentIndex();
    if (index < 0)
        return false;
    const QVariant item = m_pPresetResolutionRatioComboBox->itemData(index);
    if (!item.canConvert<ZK::VESA::s_DMTSchemaData>())
        return false;
    data = item.value<ZK::VESA::s_DMTSchemaData>();
    return true;
}

int ResolutionWidget::getDMTSchemaData(
    const QSize& frameRate, const float& refreshRate, ZK::VESA::s_DMTSchemaData& data) const
{
    int found = -1;
    for (int i = 0; i < m_pPresetResolutionRatioComboBox->count(); ++i) {
        const QVariant item = m_pPresetResolutionRatioComboBox->itemData(i);
        if (!item.canConvert<ZK::VESA::s_DMTSchemaData>())
            continue;
        const auto candidate = item.value<ZK::VESA::s_DMTSchemaData>();
        if (matches(candidate, frameRate, refreshRate)) {
            found = i;
            data = candidate;
        }
    }
    return found;
}

void ResolutionWidget::setCurrentPresetResolutionRatio(const QSize& frameRate, const float& refreshRate)
{
    ZK::VESA::s_DMTSchemaData unused;
    m_pPresetResolutionRatioComboBox->setCurrentIndex(getDMTSchemaData(frameRate, refreshRate, unused));
}

void ResolutionWidget::setCustomResolutionRatio(QSize frameRate, float refreshRate)
{
    disconnectRows();
    m_pWidthFrame->setSliderValue(frameRate.width());
    m_pHeightFrame->setSliderValue(frameRate.height());
    m_pRefreshRateFrame->setSpinBoxValue(double(refreshRate));
    connectRows();
}

void ResolutionWidget::getCustomResolutionRatio(QSize& frameRate, float& refreshRate) const
{
    frameRate = QSize(m_pWidthFrame->getSpinBoxValue(), m_pHeightFrame->getSpinBoxValue());
    refreshRate = float(m_pRefreshRateFrame->getSpinBoxValue());
}

void ResolutionWidget::setRadioButtonPresetChecked()
{
    m_pRadioButtonPreset->setChecked(true);
}

void ResolutionWidget::setRadioButtonCustomChecked()
{
    m_pRadioButtonCustom->setChecked(true);
}

bool ResolutionWidget::isPresetRadioButtonChecked() const
{
    return m_pRadioButtonPreset->isChecked();
}

bool ResolutionWidget::isCustomRadioButtonChecked() const
{
    return m_pRadioButtonCustom->isChecked();
}

int ResolutionWidget::getBtnGroupCheckedState() const
{
    return m_pRadioButtonPreset->isChecked() ? 0 : 1;
}

void ResolutionWidget::setRadioButVisiable(bool visible)
{
    m_pRadionButtonFrame->setVisible(visible);
}

void ResolutionWidget::setWidthRange(int min, int max)
{
    m_pWidthFrame->setSliderRange(min, max);
    m_pWidthFrame->setSpinBoxRange(min, max);
}

void ResolutionWidget::setHeigthRange(int min, int max)
{
    m_pHeightFrame->setSliderRange(min, max);
    m_pHeightFrame->setSpinBoxRange(min, max);
}

void ResolutionWidget::setRefreshRateRange(int min, int max)
{
    m_pRefreshRateFrame->setSliderRange(min, max);
    m_pRefreshRateFrame->setSpinBoxRange(double(min), double(max));
}

void ResolutionWidget::setWidthSingleStep(int step)
{
    m_pWidthFrame->setSingleStep(step, step);
}

void ResolutionWidget::setHeightSingleStep(int step)
{
    m_pHeightFrame->setSingleStep(step, step);
}

} // namespace Vireo::Widgets
