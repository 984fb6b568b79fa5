#include "hdrwidget.h"

#include <vireomodel/devicelist.h>
#include <zkwidgets/slidereditframe.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace Vireo::Widgets {

namespace {

constexpr int kAuto = 255;
constexpr int kLabelWidth = 180;

// Colour gamut, dynamic range and limited range values used by the panel's rules.
constexpr int kRec601 = 0;
constexpr int kRec709 = 1;
constexpr int kRec2020 = 3;
constexpr int kSDR = 0;
constexpr int kHDR10 = 1;
constexpr int kHLG = 2;

struct ButtonRow
{
    int value;
    const char* text; // null: the value followed by "bit"
};

// The rows of each group, in display order. The AUTO rows are created only on request.
const ButtonRow kColorSpaceRows[] = {{kAuto, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "AUTO")},
    {0, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "RGB 4:4:4")},
    {2, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "YCbCr 4:4:4")},
    {1, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "YCbCr 4:2:2")}};
const ButtonRow kBitDepthRows[] = {{kAuto, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "AUTO")}, {8, nullptr},
    {10, nullptr}, {12, nullptr}, {16, nullptr}};
const ButtonRow kColorGamutRows[] = {{kAuto, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "AUTO")},
    {0, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "Rec.601")},
    {1, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "Rec.709")},
    {2, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "DCI-P3")},
    {3, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "Rec.2020")},
    {4, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "NTSC")},
    {5, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "aRGB")}};
const ButtonRow kDynamicRangeRows[] = {{kAuto, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "AUTO")},
    {0, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "SDR")},
    {1, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "HDR10")},
    {2, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "HLG")}};
const ButtonRow kLimitedRangeRows[] = {{kAuto, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "AUTO")},
    {1, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "Full")},
    {0, QT_TRANSLATE_NOOP("Vireo::Widgets::HDRWidget", "Limited")}};

struct Table
{
    const ButtonRow* rows;
    int count;
};

template <size_t N>
constexpr Table table(const ButtonRow (&rows)[N])
{
    return {rows, int(N)};
}

// Indexed by HDRFuncType.
const Table kTables[] = {table(kBitDepthRows), table(kDynamicRangeRows), table(kColorGamutRows),
    table(kLimitedRangeRows), table(kColorSpaceRows)};

// A row outside its table has the value 0 and no text.
int rowValue(int funcType, int row)
{
    const Table& t = kTables[funcType];
    return row >= 0 && row < t.count ? t.rows[row].value : 0;
}

QString rowText(int funcType, int row)
{
    const Table& t = kTables[funcType];
    if (row < 0 || row >= t.count)
        return QString();
    const ButtonRow& r = t.rows[row];
    if (r.text)
        return HDRWidget::tr(r.text);
    return QString::number(r.value) + HDRWidget::tr("bit");
}

// A row counts as shown unless it was hidden on purpose; the panel may not be on screen yet.
bool isShown(const QWidget* widget)
{
    return !widget->testAttribute(Qt::WA_WState_ExplicitShowHide) || !widget->isHidden();
}

// Slider labels end where the group labels end, so every row's controls start in one column.
void alignSliderLabel(QWidget* slider)
{
    if (auto* label = slider->findChild<QLabel*>(QStringLiteral("SliderEditFrameLabel")))
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

HDRWidget::HDRWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("HDRWidget"));
}

HDRWidget::~HDRWidget() = default;

void HDRWidget::setCustomParam(bool isNeedAuto, bool isNeedGamma, bool isNeedAmbientLight)
{
    m_bIsNeedAUTO = isNeedAuto;
    m_bIsNeedGamma = isNeedGamma;
    m_bIsNeedAmbientLight = isNeedAmbientLight;
}

void HDRWidget::setBitDepthValueRange(int bitDepthRange)
{
    m_nBitDepthRange = bitDepthRange;
}

QButtonGroup* HDRWidget::createGroupRow(
    QWidget*& row, QLabel*& label, const char* objectName, int funcType, int rowCount, int buttonWidth)
{
    row = new QWidget(this);
    row->setObjectName(QLatin1String(objectName));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    label = new QLabel(row);
    label->setFixedWidth(kLabelWidth);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(label);
    layout->addSpacing(7);

    auto* group = new QButtonGroup(row);
    // Selection is kept by selectedButton(), which must be able to uncheck every button.
    group->setExclusive(false);
    rowCount = std::clamp(rowCount, 0, kTables[funcType].count);
    bool first = true;
    for (int i = 0; i < rowCount; ++i) {
        const int value = rowValue(funcType, i);
        if (value == kAuto && !m_bIsNeedAUTO)
            continue;
        auto* button = new QPushButton(rowText(funcType, i), row);
        button->setCheckable(true);
        button->setFlat(false);
        button->setAutoDefault(false);
        button->setFixedSize(buttonWidth, 42);
        button->setProperty("presetValue", value);
        button->setProperty("groupbuttonselectiontype", true);
        if (funcType == FuncBitDepth)
            button->setProperty("presetdepth", value);
        group->addButton(button, funcType == FuncBitDepth ? i : value);
        if (!first)
            layout->addSpacing(8);
        layout->addWidget(button);
        first = false;
    }
    layout->addStretch(1);
    m_pMainLayout->addWidget(row);
    return group;
}

SliderEditFrame* HDRWidget::createSliderRow(const char* objectName, int minimum, int maximum)
{
    auto* slider = new SliderEditFrame(this);
    slider->setObjectName(QLatin1String(objectName));
    slider->setHorizontalSpacing(16, 8);
    slider->setMinimumWidth(344);
    slider->setMaximumWidth(1180);
    slider->setButtonFixedWidth(39);
    slider->setSpinBoxFixedWidth(50);
    slider->setSingleStep(1);
    slider->setRange(minimum, maximum);
    slider->setReleaseMode(true);
    alignSliderLabel(slider);
    m_pMainLayout->addWidget(slider, 0, Qt::AlignLeft);
    return slider;
}

void HDRWidget::initWidget()
{
    if (m_bInitialized)
        return;
    m_bInitialized = true;

    m_pMainLayout = new QVBoxLayout(this);

    m_pLimitedRangeGroup =
        createGroupRow(m_pLimitedRangeRow, m_pLimitedRangeLabel, "HDRLimitedRangeRow", FuncLimitedRange, 3, 63);
    m_pColorSpaceGroup = createGroupRow(
        m_pColorSpaceRow, m_pColorSpaceLabel, "HDRColorSpaceRow", FunColorSpace, m_nColorSpaceRange, 110);
    m_pBitDepthGroup =
        createGroupRow(m_pBitDepthRow, m_pBitDepthLabel, "HDRBitDepthRow", FuncBitDepth, m_nBitDepthRange, 63);
    m_pColorGamutGroup =
        createGroupRow(m_pColorGamutRow, m_pColorGamutLabel, "HDRColorGamutRow", FuncColorGamut, 5, 63);
    m_pDynamicRangeGroup =
        createGroupRow(m_pDynamicRangeRow, m_pDynamicRangeLabel, "HDRDynamicRangeRow", FuncDynamicRange, 4, 63);

    m_pToneMappingRow = new QWidget(this);
    m_pToneMappingRow->setObjectName(QStringLiteral("HDRToneMappingRow"));
    auto* toneLayout = new QHBoxLayout(m_pToneMappingRow);
    toneLayout->setContentsMargins(0, 0, 0, 0);
    toneLayout->setSpacing(0);
    m_pToneMappingLabel = new QLabel(m_pToneMappingRow);
    m_pToneMappingLabel->setFixedWidth(kLabelWidth);
    m_pToneMappingLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pToneMappingCheckBox = new QCheckBox(m_pToneMappingRow);
    m_pToneMappingCheckBox->setObjectName(QStringLiteral("HDRToneMappingCheckBox"));
    toneLayout->addWidget(m_pToneMappingLabel);
    toneLayout->addSpacing(4);
    toneLayout->addWidget(m_pToneMappingCheckBox);
    toneLayout->addStretch(1);
    m_pMainLayout->addWidget(m_pToneMappingRow);

    m_pPQMaxCLLSlider = createSliderRow("HDRPQMaxCLLRow", 100, 10000);
    m_pScreenBrightnessSlider = createSliderRow("HDRScreenBrightnessRow", 100, 10000);
    m_pAmbientLightSlider = createSliderRow("HDRAmbientLightRow", 0, 200);

    m_pGammaSlider = new SliderEditFrameDouble(this);
    m_pGammaSlider->setObjectName(QStringLiteral("HDRGammaRow"));
    m_pGammaSlider->setHorizontalSpacing(16, 8);
    m_pGammaSlider->setMinimumWidth(344);
    m_pGammaSlider->setMaximumWidth(1180);
    m_pGammaSlider->setButtonFixedWidth(39);
    m_pGammaSlider->setSpinBoxFixedWidth(50);
    m_pGammaSlider->setDecimals(2);
    m_pGammaSlider->setRange(1.0, 4.0);
    m_pGammaSlider->setSingleStep(0.01);
    m_pGammaSlider->setPageStep(0);
    m_pGammaSlider->setReleaseMode(true);
    alignSliderLabel(m_pGammaSlider);
    m_pMainLayout->addWidget(m_pGammaSlider, 0, Qt::AlignLeft);

    m_pHLGGradeSlider = createSliderRow("HDRHLGGradeRow", 100, 10000);
    m_pHLGAmbientLightSlider = createSliderRow("HDRHLGAmbientLightRow", 0, 100);

    m_pResetRow = new QWidget(this);
    m_pResetRow->setObjectName(QStringLiteral("HDRResetRow"));
    auto* resetLayout = new QHBoxLayout(m_pResetRow);
    resetLayout->setContentsMargins(0, 0, 0, 0);
    resetLayout->setSpacing(0);
    m_pResetLabel = new QLabel(m_pResetRow);
    m_pResetLabel->setFixedWidth(kLabelWidth);
    m_pResetButton = new QPushButton(m_pResetRow);
    m_pResetButton->setObjectName(QStringLiteral("HDRResetButton"));
    m_pResetButton->setAutoDefault(false);
    resetLayout->addWidget(m_pResetLabel);
    resetLayout->addSpacing(7);
    resetLayout->addWidget(m_pResetButton);
    resetLayout->addStretch(1);
    m_pMainLayout->addWidget(m_pResetRow);
    m_pMainLayout->addStretch(1);

    // Nothing depends on a dynamic range until one is shown.
    for (QWidget* row : {static_cast<QWidget*>(m_pToneMappingRow), static_cast<QWidget*>(m_pPQMaxCLLSlider),
             static_cast<QWidget*>(m_pScreenBrightnessSlider), static_cast<QWidget*>(m_pAmbientLightSlider),
             static_cast<QWidget*>(m_pGammaSlider), static_cast<QWidget*>(m_pHLGGradeSlider),
             static_cast<QWidget*>(m_pHLGAmbientLightSlider)})
        row->hide();

    createConnections();
}

void HDRWidget::createConnections()
{
    connect(m_pColorSpaceGroup, &QButtonGroup::idClicked, this, &HDRWidget::slotPresetColorSpaceButtonClicked);
    connect(m_pBitDepthGroup, &QButtonGroup::idClicked, this, &HDRWidget::slotPresetBitDepthButtonClicked);
    connect(m_pColorGamutGroup, &QButtonGroup::idClicked, this, &HDRWidget::slotPresetColorGamutButtonClicked);
    connect(m_pDynamicRangeGroup, &QButtonGroup::idClicked, this, &HDRWidget::slotPresetDynamicRangeButtonClicked);
    connect(m_pLimitedRangeGroup, &QButtonGroup::idClicked, this, &HDRWidget::slotPresetLimitedRangeButtonClicked);
    connect(m_pToneMappingCheckBox, &QCheckBox::clicked, this, &HDRWidget::slotPresetToneMappingClicked);
    connect(m_pScreenBrightnessSlider, &SliderEditFrame::valueChanged, this,
        &HDRWidget::signalPresetScreenBrightnessValueChanged);
    connect(m_pPQMaxCLLSlider, &SliderEditFrame::valueChanged, this, &HDRWidget::signalPresetPQMaxCLLValueChanged);
    connect(
        m_pAmbientLightSlider, &SliderEditFrame::valueChanged, this, &HDRWidget::signalPresetAmbientLightValueChanged);
    connect(m_pGammaSlider, &SliderEditFrameDouble::valueChanged, this,
        [this](double gamma) { emit signalPresetGammaValueChanged(double(qRound(gamma * 100.0))); });
    connect(m_pHLGGradeSlider, &SliderEditFrame::valueChanged, this, &HDRWidget::slotPresetHLGGradeButtonClicked);
    connect(m_pHLGAmbientLightSlider, &SliderEditFrame::valueChanged, this,
        &HDRWidget::signalPresetHLGAmbientLightValueChanged);
    connect(m_pResetButton, &QPushButton::clicked, this, &HDRWidget::signalPresetHDRResetClicked);
}

void HDRWidget::retranslateUi()
{
    if (!m_bInitialized)
        return;
    m_pLimitedRangeLabel->setText(tr("Limited Range"));
    m_pColorSpaceLabel->setText(tr("Color Space"));
    m_pBitDepthLabel->setText(tr("Bit Depth"));
    m_pColorGamutLabel->setText(tr("Color Gamut"));
    m_pDynamicRangeLabel->setText(tr("Dynamic Range"));
    m_pToneMappingLabel->setText(tr("Tone Mapping"));
    m_pResetLabel->setText(QString());
    m_pResetButton->setText(tr("Reset"));
    m_pScreenBrightnessSlider->setLabelText(tr("Luminance"));
    m_pPQMaxCLLSlider->setLabelText(tr("Luminance"));
    m_pAmbientLightSlider->setLabelText(tr("Ambient Light"));
    m_pGammaSlider->setLabelText(tr("Gamma"));
    m_pHLGGradeSlider->setLabelText(tr("Luminance"));
    m_pHLGAmbientLightSlider->setLabelText(tr("Ambient Light"));

    // Button texts follow each button's own value, so a table without AUTO rows stays right.
    const std::pair<QButtonGroup*, int> groups[] = {{m_pBitDepthGroup, FuncBitDepth},
        {m_pDynamicRangeGroup, FuncDynamicRange}, {m_pColorGamutGroup, FuncColorGamut},
        {m_pLimitedRangeGroup, FuncLimitedRange}, {m_pColorSpaceGroup, FunColorSpace}};
    for (const auto& [group, funcType] : groups) {
        const Table& t = kTables[funcType];
        for (QAbstractButton* button : group->buttons()) {
            const int value = button->property("presetValue").toInt();
            for (int i = 0; i < t.count; ++i) {
                if (t.rows[i].value == value) {
                    button->setText(rowText(funcType, i));
                    break;
                }
            }
        }
    }
    changeWidgetLength();
}

void HDRWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void HDRWidget::changeWidgetLength()
{
    if (!m_bInitialized)
        return;
    const QFontMetrics metrics(font());
    int widest = 0;
    auto measure = [&](const QWidget* row, const QString& text) {
        if (isShown(row))
            widest = std::max(widest, metrics.horizontalAdvance(text));
    };
    measure(m_pLimitedRangeRow, m_pLimitedRangeLabel->text());
    measure(m_pColorSpaceRow, m_pColorSpaceLabel->text());
    measure(m_pBitDepthRow, m_pBitDepthLabel->text());
    measure(m_pColorGamutRow, m_pColorGamutLabel->text());
    measure(m_pDynamicRangeRow, m_pDynamicRangeLabel->text());
    measure(m_pToneMappingRow, m_pToneMappingLabel->text());
    for (SliderEditFrame* slider : {m_pScreenBrightnessSlider, m_pPQMaxCLLSlider, m_pAmbientLightSlider,
             m_pHLGGradeSlider, m_pHLGAmbientLightSlider})
        measure(slider, slider->labelText());
    measure(m_pGammaSlider, m_pGammaSlider->labelText());

    const int width = widest + 12;
    for (QLabel* label : {m_pLimitedRangeLabel, m_pColorSpaceLabel, m_pBitDepthLabel, m_pColorGamutLabel,
             m_pDynamicRangeLabel, m_pToneMappingLabel, m_pResetLabel})
        label->setFixedWidth(width);
    for (SliderEditFrame* slider : {m_pScreenBrightnessSlider, m_pPQMaxCLLSlider, m_pAmbientLightSlider,
             m_pHLGGradeSlider, m_pHLGAmbientLightSlider})
        slider->setLabelFixedWidth(width);
    m_pGammaSlider->setLabelFixedWidth(width);
}

void HDRWidget::setColorSpaceWidgetVisible(bool visible)
{
    if (!m_bInitialized)
        return;
    m_pColorSpaceRow->setVisible(visible);
    changeWidgetLength();
}

void HDRWidget::setBitDepthWidgetVisible(bool visible)
{
    if (!m_bInitialized)
        return;
    m_pBitDepthRow->setVisible(visible);
    changeWidgetLength();
}

void HDRWidget::setLimitedWidgetVisible(bool visible)
{
    if (!m_bInitialized)
        return;
    m_pLimitedRangeRow->setVisible(visible);
    changeWidgetLength();
}

void HDRWidget::setHDRWidgetVisible(bool visible)
{
    if (!m_bInitialized)
        return;
    m_bHDRVisible = visible;
    m_pColorGamutRow->setVisible(visible);
    m_pDynamicRangeRow->setVisible(visible);
    m_pResetRow->setVisible(visible);
    // The dependent rows come back only as far as the shown dynamic range asks for them.
    const int dynamicRange = effectiveValue(FuncDynamicRange, checkedValue(m_pDynamicRangeGroup));
    refreshUIPresetDynamicRangeChanged(dynamicRange);
    if (dynamicRange == kHDR10)
        refreshUIPresetToneMappingChanged(m_pToneMappingCheckBox->isChecked());
}

void HDRWidget::selectedButton(QButtonGroup* group, QAbstractButton* button)
{
    for (QAbstractButton* other : group->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(other))
            push->setFlat(false);
        other->setChecked(false);
    }
    if (!button)
        return;
    if (auto* push = qobject_cast<QPushButton*>(button))
        push->setFlat(true);
    button->setChecked(true);
}

void HDRWidget::updateButtonGroup(QButtonGroup* group, int value)
{
    const QList<QAbstractButton*> buttons = group->buttons();
    for (QAbstractButton* button : buttons) {
        if (button->property("presetValue").toInt() == value) {
            selectedButton(group, button);
            return;
        }
    }
    selectedButton(group, buttons.isEmpty() ? nullptr : buttons.first());
}

QButtonGroup* HDRWidget::groupOf(int funcType) const
{
    switch (funcType) {
    case FuncBitDepth:
        return m_pBitDepthGroup;
    case FuncDynamicRange:
        return m_pDynamicRangeGroup;
    case FuncColorGamut:
        return m_pColorGamutGroup;
    case FuncLimitedRange:
        return m_pLimitedRangeGroup;
    case FunColorSpace:
        return m_pColorSpaceGroup;
    default:
        return nullptr;
    }
}

int HDRWidget::checkedValue(QButtonGroup* group) const
{
    for (QAbstractButton* button : group->buttons()) {
        if (button->isChecked())
            return button->property("presetValue").toInt();
    }
    return kAuto;
}

int HDRWidget::effectiveValue(int funcType, int preset) const
{
    if (preset != kAuto)
        return preset;
    switch (funcType) {
    case FuncBitDepth:
        return m_nActualBitDepth != -1 ? m_nActualBitDepth : 8;
    case FuncDynamicRange:
        return m_nActualDynamicRange != -1 ? m_nActualDynamicRange : kSDR;
    case FuncColorGamut:
        return m_nActualColorGamut != -1 ? m_nActualColorGamut : kRec709;
    case FuncLimitedRange:
        return m_nActualLimitedRange != -1 ? m_nActualLimitedRange : 1;
    case FunColorSpace:
        return m_nActualColorSpace != -1 ? m_nActualColorSpace : 0;
    default:
        return preset;
    }
}

void HDRWidget::refreshButtonEnable(const HDRKey& key)
{
    const HDRConfig::ValueMap allowed = HDRConfig::instance()->getCanSelectedValues(key);
    for (auto it = allowed.cbegin(); it != allowed.cend(); ++it) {
        QButtonGroup* group = groupOf(it.key());
        if (!group)
            continue;
        for (QAbstractButton* button : group->buttons())
            button->setEnabled(it.value().contains(button->property("presetValue").toInt()));
    }
}

void HDRWidget::updateUIEnable()
{
    const std::pair<QWidget*, int> order[] = {{m_pBitDepthRow, FuncBitDepth}, {m_pLimitedRangeRow, FuncLimitedRange},
        {m_pDynamicRangeRow, FuncDynamicRange}, {m_pColorGamutRow, FuncColorGamut}, {m_pColorSpaceRow, FunColorSpace}};
    for (const auto& [row, funcType] : order) {
        if (isShown(row))
            refreshButtonEnable({funcType, effectiveValue(funcType, checkedValue(groupOf(funcType)))});
    }
}

void HDRWidget::applyAllowedValues(int funcType, int preset)
{
    updateButtonGroup(groupOf(funcType), preset);
    refreshButtonEnable({funcType, effectiveValue(funcType, preset)});
}

bool HDRWidget::deviceConvertsDynamicRange() const
{
    const auto device = Vireo::BizModel::DeviceList::instance()->activedDevice().lock();
    return device && device->dynamicRangConversion();
}

void HDRWidget::refreshUIPresetDynamicRangeChanged(int dynamicRange)
{
    for (QWidget* row : {static_cast<QWidget*>(m_pToneMappingRow), static_cast<QWidget*>(m_pPQMaxCLLSlider),
             static_cast<QWidget*>(m_pScreenBrightnessSlider), static_cast<QWidget*>(m_pAmbientLightSlider),
             static_cast<QWidget*>(m_pGammaSlider), static_cast<QWidget*>(m_pHLGGradeSlider),
             static_cast<QWidget*>(m_pHLGAmbientLightSlider)})
        row->setVisible(false);
    if (m_bHDRVisible && deviceConvertsDynamicRange()) {
        m_pToneMappingRow->setVisible(dynamicRange == kHDR10);
        m_pAmbientLightSlider->setVisible(dynamicRange == kHDR10 && m_bIsNeedAmbientLight);
        m_pGammaSlider->setVisible(dynamicRange == kSDR && m_bIsNeedGamma);
        m_pHLGGradeSlider->setVisible(dynamicRange == kHLG);
        m_pHLGAmbientLightSlider->setVisible(dynamicRange == kHLG && m_bIsNeedAmbientLight);
    }
    changeWidgetLength();
}

void HDRWidget::refreshUIPresetToneMappingChanged(bool checked)
{
    const bool shown = m_bHDRVisible && deviceConvertsDynamicRange();
    m_pScreenBrightnessSlider->setVisible(shown && checked);
    m_pPQMaxCLLSlider->setVisible(shown && !checked);
    changeWidgetLength();
}

void HDRWidget::updateUIFromModel(Vireo::ProtoModel::s_HDRBody hdr)
{
    if (!m_bInitialized)
        return;
    const Vireo::ProtoModel::s_DynamicRangeDetail& preset = hdr.dynamicRange.presetDynamicRange;
    updateButtonGroup(m_pColorGamutGroup, hdr.colorGamut.presetColorGamut);
    updateButtonGroup(m_pDynamicRangeGroup, preset.type);
    {
        // The device's state is shown, not reported back as the operator's choice.
        const QSignalBlocker toneBlocker(m_pToneMappingCheckBox);
        const QSignalBlocker brightnessBlocker(m_pScreenBrightnessSlider);
        const QSignalBlocker pqBlocker(m_pPQMaxCLLSlider);
        const QSignalBlocker ambientBlocker(m_pAmbientLightSlider);
        const QSignalBlocker gammaBlocker(m_pGammaSlider);
        const QSignalBlocker gradeBlocker(m_pHLGGradeSlider);
        const QSignalBlocker hlgAmbientBlocker(m_pHLGAmbientLightSlider);
        m_pToneMappingCheckBox->setChecked(preset.HDR10.toneMapping);
        m_pScreenBrightnessSlider->setValue(preset.HDR10.screenPeakBrightness);
        m_pPQMaxCLLSlider->setValue(preset.HDR10.pqMaxCll);
        m_pAmbientLightSlider->setValue(preset.HDR10.ambientLight);
        m_pGammaSlider->setValue(preset.SDR.Gamma / 100.0);
        m_pHLGGradeSlider->setValue(preset.HLG.grade);
        m_pHLGAmbientLightSlider->setValue(preset.HLG.ambientLight);
    }
    const int dynamicRange = effectiveValue(FuncDynamicRange, preset.type);
    refreshUIPresetDynamicRangeChanged(dynamicRange);
    updateUIEnable();
    if (dynamicRange == kHDR10)
        refreshUIPresetToneMappingChanged(preset.HDR10.toneMapping);
}

void HDRWidget::updatePresetBitDepth(int value)
{
    if (m_bInitialized)
        applyAllowedValues(FuncBitDepth, value);
}

void HDRWidget::updatePresetLimitedRange(int value)
{
    if (m_bInitialized)
        applyAllowedValues(FuncLimitedRange, value);
}

void HDRWidget::updatePresetColorSpace(int value)
{
    if (m_bInitialized)
        applyAllowedValues(FunColorSpace, value);
}

void HDRWidget::updatePresetBitDepthEnable(bool enable)
{
    if (!m_bInitialized)
        return;
    m_pBitDepthRow->setEnabled(enable);
    if (enable)
        updateUIEnable();
}

void HDRWidget::updatePresetColorSpaceEnable(bool enable)
{
    if (!m_bInitialized)
        return;
    m_pColorSpaceRow->setEnabled(enable);
    if (enable)
        updateUIEnable();
}

void HDRWidget::updateHDREnable(bool enable)
{
    if (!m_bInitialized)
        return;
    for (QWidget* row : {m_pColorGamutRow, m_pDynamicRangeRow, m_pToneMappingRow,
             static_cast<QWidget*>(m_pScreenBrightnessSlider), static_cast<QWidget*>(m_pPQMaxCLLSlider),
             static_cast<QWidget*>(m_pAmbientLightSlider), static_cast<QWidget*>(m_pGammaSlider),
             static_cast<QWidget*>(m_pHLGGradeSlider), static_cast<QWidget*>(m_pHLGAmbientLightSlider), m_pResetRow})
        row->setEnabled(enable);
    if (enable)
        updateUIEnable();
}

void HDRWidget::setActualBitDepth(int value)
{
    m_nActualBitDepth = value;
    if (m_bInitialized)
        updateUIEnable();
}

void HDRWidget::setActualColorGamut(int value)
{
    m_nActualColorGamut = value;
    if (m_bInitialized)
        updateUIEnable();
}

void HDRWidget::setActualDynamicRange(int value)
{
    m_nActualDynamicRange = value;
    if (m_bInitialized)
        updateUIEnable();
}

void HDRWidget::setActualLimitedRange(int value)
{
    m_nActualLimitedRange = value;
    if (m_bInitialized)
        updateUIEnable();
}

void HDRWidget::slotPresetColorSpaceButtonClicked(int id)
{
    QAbstractButton* button = m_pColorSpaceGroup->button(id);
    if (!button)
        return;
    selectedButton(m_pColorSpaceGroup, button);
    updateUIEnable();
    emit signalPresetColorSpaceChanged(button->property("presetValue").toInt());
}

void HDRWidget::slotPresetBitDepthButtonClicked(int id)
{
    QAbstractButton* button = m_pBitDepthGroup->button(id);
    if (!button)
        return;
    selectedButton(m_pBitDepthGroup, button);
    updateUIEnable();
    emit signalPresetBitDepthChanged(button->property("presetValue").toInt());
}

void HDRWidget::slotPresetColorGamutButtonClicked(int id)
{
    QAbstractButton* button = m_pColorGamutGroup->button(id);
    if (!button)
        return;
    selectedButton(m_pColorGamutGroup, button);
    updateUIEnable();
    emit signalPresetColorGamutChanged(button->property("presetValue").toInt());
}

void HDRWidget::slotPresetLimitedRangeButtonClicked(int id)
{
    QAbstractButton* button = m_pLimitedRangeGroup->button(id);
    if (!button)
        return;
    selectedButton(m_pLimitedRangeGroup, button);
    updateUIEnable();
    emit signalPresetLimitedChanged(button->property("presetValue").toInt());
}

void HDRWidget::slotPresetDynamicRangeButtonClicked(int id)
{
    QAbstractButton* button = m_pDynamicRangeGroup->button(id);
    if (!button)
        return;
    selectedButton(m_pDynamicRangeGroup, button);
    updateUIEnable();
    const int value = button->property("presetValue").toInt();

    const int shown = value != kAuto ? value : (m_nActualDynamicRange != -1 ? m_nActualDynamicRange : kSDR);
    refreshUIPresetDynamicRangeChanged(shown);
    if (shown == kHDR10)
        refreshUIPresetToneMappingChanged(m_pToneMappingCheckBox->isChecked());

    // HDR needs a wide gamut: a narrow one is widened with the same command.
    const int gamut = checkedValue(m_pColorGamutGroup);
    if (value != kSDR && (gamut == kRec601 || gamut == kRec709)) {
        updateButtonGroup(m_pColorGamutGroup, kRec2020);
        emit signalPresetDynamicRangeChanged(value, kRec2020);
    } else {
        emit signalPresetDynamicRangeChanged(value);
    }
}

void HDRWidget::slotPresetToneMappingClicked()
{
    const bool checked = m_pToneMappingCheckBox->isChecked();
    refreshUIPresetToneMappingChanged(checked);
    emit signalPresetToneMappingClicked(checked);
}

void HDRWidget::slotPresetHLGGradeButtonClicked(int value)
{
    emit signalPresetHLGGradeChanged(value);
}

} // namespace Vireo::Widgets
