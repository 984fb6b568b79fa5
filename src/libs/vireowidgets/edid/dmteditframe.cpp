#include "dmteditframe.h"

#include <vireowidgets/controls/sliderwithspinwidget.h>
#include <vireowidgets/edid/polaritywidget.h>
#include <vireowidgets/edid/resolutionwidget.h>

#include <vireomodel/helper.h>
#include <vireomodel/utils.h>

#include <zkwidgets/framelessmessagebox.h>
#include <zkwidgets/pathchooser.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <climits>
#include <cmath>

namespace Vireo::Widgets {

namespace {

using Enum = Vireo::BizModel::Enum::Interface::ConnectorType;

// Templates are a base block and one extension block, nothing else.
constexpr qint64 TemplateSize = 256;

bool sameFrameTiming(const ZK::VESA::s_FrameTiming& a, const ZK::VESA::s_FrameTiming& b)
{
    return a.totalTime == b.totalTime && a.backProch == b.backProch && a.SyncPolarity == b.SyncPolarity &&
        a.AddrTime == b.AddrTime && a.RightBorder == b.RightBorder && a.FrontPorch == b.FrontPorch &&
        a.Sync == b.Sync && a.LeftBorder == b.LeftBorder;
}

// The largest total of one direction that a bandwidth allows at a refresh rate when the other
// direction has `active` + 100 (its blanking) lines or pixels: bandwidth / rate / (active + 100),
// cut to a whole number. Worked out on the rate in hundredths of a hertz and whole numbers, so that
// a quotient that is exactly whole is not cut one below by a binary rounding error. 0 when the
// rate is not above zero.
quint32 totalRange(quint32 bandwidth, float rate, quint32 active)
{
    const qint64 hundredths = std::llround(double(rate) * 100.0);
    if (!(rate > 0.f) || hundredths <= 0)
        return 0;
    const quint64 value = quint64(bandwidth) * 100u / (quint64(hundredths) * (quint64(active) + 100u));
    return quint32(std::min<quint64>(value, quint64(UINT_MAX)));
}

quint32 lineLength(const ZK::VESA::s_FrameTiming& t)
{
    return t.backProch + t.AddrTime + t.FrontPorch + t.Sync;
}

} // namespace

DMTEditFrame::DMTEditFrame(QWidget* parent)
    : QFrame(parent)
{
    ZK::VESA::registerMetaTypes();
    setObjectName(QStringLiteral("DMTEditFrame"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    m_pResolutionWidget = new ResolutionWidget(this);
    m_pResolutionWidget->setObjectName(QStringLiteral("DMTResolutionWidget"));
    layout->addWidget(m_pResolutionWidget);

    auto* toggleRow = new QHBoxLayout;
    toggleRow->setContentsMargins(8, 0, 8, 0);
    m_pAdvanceButton = new QPushButton(this);
    m_pAdvanceButton->setObjectName(QStringLiteral("AdvanceButton"));
    m_pAdvanceButton->setLayoutDirection(Qt::RightToLeft);
    toggleRow->addStretch(1);
    toggleRow->addWidget(m_pAdvanceButton);
    layout->addLayout(toggleRow);

    m_pSeparator = new QFrame(this);
    m_pSeparator->setObjectName(QStringLiteral("DMTEditSeparator"));
    m_pSeparator->setProperty("isBackgroundSeparator", true);
    m_pSeparator->setFixedHeight(1);
    layout->addWidget(m_pSeparator);

    m_pHorPolarityWidget = new PolarityWidget(this);
    m_pHorPolarityWidget->setObjectName(QStringLiteral("HorPolarityWidget"));
    m_pVerPolarityWidget = new PolarityWidget(this);
    m_pVerPolarityWidget->setObjectName(QStringLiteral("VerPolarityWidget"));
    m_pRefreshRateWidget = new SliderWithDoubleSpinWidget(this);
    m_pRefreshRateWidget->setObjectName(QStringLiteral("DMTRefreshRate"));
    m_pRefreshRateWidget->setStretchPara(4, 2, 2);
    m_pRefreshRateWidget->setContentsMargins(8, 0, 8, 0);
    m_pRefreshRateWidget->setSliderRange(0, 240);
    m_pRefreshRateWidget->setSpinBoxRange(0.0, 240.0);
    layout->addWidget(m_pHorPolarityWidget);
    layout->addWidget(m_pVerPolarityWidget);
    layout->addWidget(m_pRefreshRateWidget);

    m_pExistEDIDFrame = new QFrame(this);
    m_pExistEDIDFrame->setObjectName(QStringLiteral("ExistEDIDFrame"));
    auto* existRow = new QHBoxLayout(m_pExistEDIDFrame);
    existRow->setContentsMargins(8, 0, 8, 0);
    m_pExistEDIDFileRadioButton = new QRadioButton(m_pExistEDIDFrame);
    m_pExistEDIDFileRadioButton->setObjectName(QStringLiteral("ExistEDIDFileRadioButton"));
    m_pExistEDIDFileComoBox = new QComboBox(m_pExistEDIDFrame);
    m_pExistEDIDFileComoBox->setObjectName(QStringLiteral("ExistEDIDFileComoBox"));
    m_pExistEDIDFileComoBox->setItemDelegate(new QStyledItemDelegate(m_pExistEDIDFileComoBox));
    existRow->addWidget(m_pExistEDIDFileRadioButton);
    existRow->addWidget(m_pExistEDIDFileComoBox, 1);
    layout->addWidget(m_pExistEDIDFrame);

    m_pCustomEDIDFrame = new QFrame(this);
    m_pCustomEDIDFrame->setObjectName(QStringLiteral("CustomEDIDFrame"));
    auto* customRow = new QHBoxLayout(m_pCustomEDIDFrame);
    customRow->setContentsMargins(8, 0, 8, 0);
    m_pCustomEDIDFileRadioButton = new QRadioButton(m_pCustomEDIDFrame);
    m_pCustomEDIDFileRadioButton->setObjectName(QStringLiteral("CustomEDIDFileRadioButton"));
    m_pCustomEDIDFileChooser = new ZK::Utils::PathChooser(m_pCustomEDIDFrame);
    m_pCustomEDIDFileChooser->setObjectName(QStringLiteral("CustomEDIDFileChooser"));
    m_pCustomEDIDFileChooser->setExpectedKind(ZK::Utils::PathChooser::File);
    customRow->addWidget(m_pCustomEDIDFileRadioButton);
    customRow->addWidget(m_pCustomEDIDFileChooser, 1);
    layout->addWidget(m_pCustomEDIDFrame);
    layout->addStretch(1);

    m_pEDIDFileButtonGroup = new QButtonGroup(this);
    m_pEDIDFileButtonGroup->addButton(m_pExistEDIDFileRadioButton);
    m_pEDIDFileButtonGroup->addButton(m_pCustomEDIDFileRadioButton);

    connect(m_pAdvanceButton, &QPushButton::clicked, this, &DMTEditFrame::on_AdvanceButton_clicked);
    connect(m_pEDIDFileButtonGroup, QOverload<QAbstractButton*, bool>::of(&QButtonGroup::buttonToggled), this,
        &DMTEditFrame::edidFileButtonGroupToggled);
    connect(m_pExistEDIDFileComoBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &DMTEditFrame::existEDIDFileComoBoxCurrentIndexChanged);
    connect(m_pCustomEDIDFileChooser, &ZK::Utils::PathChooser::pathChanged, this, &DMTEditFrame::edidFilePathChanged);
    connect(m_pResolutionWidget, &ResolutionWidget::signal_curPresetResolutionRatioChanged, this,
        &DMTEditFrame::slot_curPresetResolutionRatioChanged);
    connect(m_pResolutionWidget, &ResolutionWidget::signal_presetResolutionRatioSelected, this,
        &DMTEditFrame::slot_presetResolutionRatioSelected);
    connect(m_pResolutionWidget, &ResolutionWidget::signal_customResolutionRatioSelected, this,
        &DMTEditFrame::slot_customResolutionRatioSelected);
    connect(m_pResolutionWidget, &ResolutionWidget::signal_customResolutionRatioChanged, this,
        &DMTEditFrame::slot_customResolutionRatioChanged);

    retranslateUi();
    m_pExistEDIDFileRadioButton->setChecked(true);
    m_pExistEDIDFileComoBox->addItem(QString(), QString());
    connectRows();
    toggleTimingDetails(m_bTimingDetailsShow);
}

DMTEditFrame::~DMTEditFrame() = default;

void DMTEditFrame::retranslateUi()
{
    m_pExistEDIDFileRadioButton->setText(tr("Existing Template"));
    m_pCustomEDIDFileRadioButton->setText(tr("Custom Template"));
    m_pCustomEDIDFileChooser->setPromptDialogTitle(tr("Choose EDID templates file"));
    m_pCustomEDIDFileChooser->setPromptDialogFilter(
        tr("EDID files (%1)").arg(Vireo::Utils::EDIDHelper::nameFilters().join(QLatin1Char(' '))));
    m_pHorPolarityWidget->setPolarityDirection(tr("Horizontal "));
    m_pVerPolarityWidget->setPolarityDirection(tr("Vertical "));
    m_pRefreshRateWidget->setLabelName(tr("Refresh Rate"));
    m_pAdvanceButton->setText(m_strToggleText.isEmpty() ? tr("Timing Details") : m_strToggleText);
}

void DMTEditFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}

// ---------------------------------------------------------------------------------------------
// Presets and the shown timing

void DMTEditFrame::setCurrentDMTData(s_DMTSchemaData& data)
{
    const QSize size(int(data.HorFrameTiming.AddrTime), int(data.VerFrameTiming.AddrTime));
    s_DMTSchemaData preset;
    const int index = m_pResolutionWidget->getDMTSchemaData(size, data.refreshRate, preset);
    const bool isPreset = index >= 0 && sameFrameTiming(preset.HorFrameTiming, data.HorFrameTiming) &&
        sameFrameTiming(preset.VerFrameTiming, data.VerFrameTiming) && preset.refreshRate == data.refreshRate;
    {
        const QSignalBlocker blocker(m_pResolutionWidget);
        if (isPreset) {
            m_pResolutionWidget->setRadioButtonPresetChecked();
            m_pResolutionWidget->setPresetCurrentIndex(index);
        } else {
            m_pResolutionWidget->setCustomResolutionRatio(size, data.refreshRate);
            m_pResolutionWidget->setRadioButtonCustomChecked();
        }
    }
    // The picker's radio row decides which template controls show.
    toggleTimingDetails(m_bTimingDetailsShow);
    slot_curPresetResolutionRatioChanged(data);
}

DMTEditFrame::s_DMTSchemaData DMTEditFrame::getCurrentDMTData() const
{
    return m_CurrentDMTData;
}

int DMTEditFrame::getDMTSchemaData(const QSize& frameRate, const float& refreshRate, s_DMTSchemaData& data) const
{
    return m_pResolutionWidget->getDMTSchemaData(frameRate, refreshRate, data);
}

void DMTEditFrame::initPresetResolutionRatioData(QList<s_DMTSchemaData>& list)
{
    m_pResolutionWidget->initPresetResolutionRatioData(list);
}

void DMTEditFrame::appendPresetResolutionRatio(const s_DMTSchemaData& data)
{
    m_pResolutionWidget->appendPresetResolutionRatio(data);
}

void DMTEditFrame::clearPresetResolutionRatio()
{
    m_pResolutionWidget->clearPresetResolutionRatio();
}

int DMTEditFrame::getResolutionWidgetRadioBtnState() const
{
    return m_pResolutionWidget->getBtnGroupCheckedState();
}

void DMTEditFrame::connectRows()
{
    disconnectRows();
    m_rowLinks << connect(
        m_pHorPolarityWidget, &PolarityWidget::signal_polarityDataChanged, this, &DMTEditFrame::slot_timingDataChanged);
    m_rowLinks << connect(
        m_pVerPolarityWidget, &PolarityWidget::signal_polarityDataChanged, this, &DMTEditFrame::slot_timingDataChanged);
    m_rowLinks << connect(m_pRefreshRateWidget, &SliderWithDoubleSpinWidget::signal_spinboxValueChanged, this,
        &DMTEditFrame::slot_timingDataChanged);
}

void DMTEditFrame::disconnectRows()
{
    for (const auto& link : qAsConst(m_rowLinks))
        disconnect(link);
    m_rowLinks.clear();
}

void DMTEditFrame::slot_curPresetResolutionRatioChanged(ZK::VESA::s_DMTSchemaData data)
{
    disconnectRows();
    m_CurrentDMTData = data;
    m_pHorPolarityWidget->setPolarityData(m_CurrentDMTData.HorFrameTiming);
    m_pVerPolarityWidget->setPolarityData(m_CurrentDMTData.VerFrameTiming);
    m_pRefreshRateWidget->setSpinBoxValue(double(m_CurrentDMTData.refreshRate));
    connectRows();
    emit sig_ResolutionApply();
}

void DMTEditFrame::slot_presetResolutionRatioSelected()
{
    if (!m_pResolutionWidget->isPresetRadioButtonChecked())
        return;
    disconnectRows();
    toggleTimingDetails(m_bTimingDetailsShow);
    s_DMTSchemaData data;
    m_pResolutionWidget->getCurrentPresetResolutionRatio(data);
    slot_curPresetResolutionRatioChanged(data);
    connectRows();
}

void DMTEditFrame::slot_customResolutionRatioSelected()
{
    if (!m_pResolutionWidget->isCustomRadioButtonChecked())
        return;
    disconnectRows();
    toggleTimingDetails(m_bTimingDetailsShow);
    {
        const QSignalBlocker blocker(m_pResolutionWidget);
        m_pResolutionWidget->setCustomResolutionRatio(
            QSize(int(m_CurrentDMTData.HorFrameTiming.AddrTime), int(m_CurrentDMTData.VerFrameTiming.AddrTime)),
            float(m_pRefreshRateWidget->getSpinBoxValue()));
    }
    connectRows();
}

void DMTEditFrame::slot_customResolutionRatioChanged(QSize frameRate, float refreshRate)
{
    disconnectRows();
    m_CurrentDMTData.HorFrameTiming.AddrTime = quint32(std::max(0, frameRate.width()));
    m_CurrentDMTData.VerFrameTiming.AddrTime = quint32(std::max(0, frameRate.height()));
    // The rate is the timing's too: a timing saved next carries the rate the operator set.
    m_CurrentDMTData.refreshRate = refreshRate;
    m_pHorPolarityWidget->setPolarityData(m_CurrentDMTData.HorFrameTiming);
    m_pVerPolarityWidget->setPolarityData(m_CurrentDMTData.VerFrameTiming);
    m_pRefreshRateWidget->setSpinBoxValue(double(refreshRate));
    connectRows();
}

void DMTEditFrame::slot_timingDataChanged()
{
    // Checking "Custom" reaches this frame through the picker like the operator's choice, so the
    // template controls follow when the picker was on "Preset".
    m_pResolutionWidget->setRadioButtonCustomChecked();
    m_pHorPolarityWidget->getPolarityData(m_CurrentDMTData.HorFrameTiming);
    m_pVerPolarityWidget->getPolarityData(m_CurrentDMTData.VerFrameTiming);
    float rate = float(m_pRefreshRateWidget->getSpinBoxValue());
    const quint32 hLength = lineLength(m_CurrentDMTData.HorFrameTiming);
    const quint32 vLength = lineLength(m_CurrentDMTData.VerFrameTiming);
    if (!(rate > 0.f) && m_CurrentDMTData.pixelClock > 0.f && hLength > 0 && vLength > 0)
        rate = float(std::floor(double(m_CurrentDMTData.pixelClock) * 1000000.0 / hLength / vLength + 0.5));
    m_CurrentDMTData.refreshRate = rate;
    const QSignalBlocker blocker(m_pResolutionWidget);
    m_pResolutionWidget->setCustomResolutionRatio(
        QSize(int(m_CurrentDMTData.HorFrameTiming.AddrTime), int(m_CurrentDMTData.VerFrameTiming.AddrTime)), rate);
}

// ---------------------------------------------------------------------------------------------
// Details toggle

void DMTEditFrame::setToggleButtonText(const QString& text)
{
    m_strToggleText = text;
    m_pAdvanceButton->setText(text);
}

bool DMTEditFrame::isTimingDetailsShow() const
{
    return m_bTimingDetailsShow;
}

void DMTEditFrame::on_AdvanceButton_clicked()
{
    m_bTimingDetailsShow = !m_bTimingDetailsShow;
    toggleTimingDetails(m_bTimingDetailsShow);
}

void DMTEditFrame::showDetailDMTInfo(bool show)
{
    m_bTimingDetailsShow = show;
    toggleTimingDetails(show);
}

void DMTEditFrame::setSupportEDID(bool support)
{
    m_bSupportEDID = support;
    toggleTimingDetails(m_bTimingDetailsShow);
}

void DMTEditFrame::toggleTimingDetails(bool show)
{
    m_pSeparator->setVisible(show);
    m_pHorPolarityWidget->setVisible(show);
    m_pVerPolarityWidget->setVisible(show);
    m_pRefreshRateWidget->setVisible(show);
    const bool templates = m_bSupportEDID && m_pResolutionWidget->isCustomRadioButtonChecked() && show;
    m_pExistEDIDFrame->setVisible(templates);
    m_pCustomEDIDFrame->setVisible(templates);
    const QString icon = show ? QStringLiteral("arrow_more_show") : QStringLiteral("arrow_more_hide");
    m_pAdvanceButton->setIcon(Vireo::Utils::Icon::fromTheme(icon));
    m_pAdvanceButton->setProperty("iconName", icon);
    Vireo::BizModel::Helper::allCaclThumbnailText(this);
    emit signalContentResize();
}

// ---------------------------------------------------------------------------------------------
// Connector

void DMTEditFrame::setConnectInfo(s_ConnectorInfo info)
{
    m_connectInfo = info;
    int step = 0;
    switch (info.m_eType) {
    case Enum::Single_Link_DVI:
    case Enum::Single_Link_DP_1_1:
        step = 1;
        break;
    case Enum::Dual_Link_DVI:
    case Enum::HDMI_1_3:
    case Enum::HDMI_1_4:
    case Enum::DP_1_2:
    case Enum::HDBaseT:
    case Enum::Dual_Link_DP_1_1:
        step = 2;
        break;
    case Enum::HDMI_2_0:
        step = 4;
        break;
    case Enum::_3G_SDI:
    case Enum::VGA:
    case Enum::_12G_SDI:
    case Enum::_6G_SDI:
        m_pResolutionWidget->setRadioButVisiable(false);
        m_pHorPolarityWidget->setEnabled(false);
        m_pVerPolarityWidget->setEnabled(false);
        m_pRefreshRateWidget->setEnabled(false);
        return;
    default:
        return;
    }
    m_pResolutionWidget->setRadioButVisiable(true);
    m_pHorPolarityWidget->setEnabled(true);
    m_pVerPolarityWidget->setEnabled(true);
    m_pRefreshRateWidget->setEnabled(true);
    m_pResolutionWidget->setWidthSingleStep(step);
    m_pResolutionWidget->setWidthRange(640, 3840);
    m_pResolutionWidget->setHeigthRange(480, 3840);
}

void DMTEditFrame::setTotalTiming(s_ConnectorInfo info)
{
    setConnectInfo(info);
    setTotalTimingRange();
}

void DMTEditFrame::setTotalTimingRange()
{
    const s_ConnectorInfo& c = m_connectInfo;
    const auto minWidth = quint32(std::max(0, c.m_sizeMinResolution.width()));
    const auto maxWidth = quint32(std::max(0, c.m_sizeMaxResolution.width()));
    const auto minHeight = quint32(std::max(0, c.m_sizeMinResolution.height()));
    const auto maxHeight = quint32(std::max(0, c.m_sizeMaxResolution.height()));
    if (!(c.m_fMinRefreshRate > 0.f) || !(c.m_fMaxRefreshRate > 0.f)) {
        qWarning() << "DMTEditFrame: no refresh limits for the connector, total ranges kept";
        return;
    }
    m_pHorPolarityWidget->resetTatalTimingRange(totalRange(c.m_nMinBandwidth, c.m_fMaxRefreshRate, maxHeight),
        totalRange(c.m_nMaxBandwidth, c.m_fMinRefreshRate, minHeight));
    m_pVerPolarityWidget->resetTatalTimingRange(totalRange(c.m_nMinBandwidth, c.m_fMaxRefreshRate, maxWidth),
        totalRange(c.m_nMaxBandwidth, c.m_fMinRefreshRate, minWidth));
}

// ---------------------------------------------------------------------------------------------
// Templates

void DMTEditFrame::initEdidTemplate(const ConnectorType& type)
{
    Q_UNUSED(type)
    m_strEDIDTemplatesPath = Vireo::Utils::EDIDHelper::templateDirectory();
    browerLocalEDIDFile();
}

void DMTEditFrame::browerLocalEDIDFile()
{
    const QSignalBlocker blocker(m_pExistEDIDFileComoBox);
    m_pExistEDIDFileComoBox->clear();
    m_pExistEDIDFileComoBox->addItem(QString(), QString());
    if (m_strEDIDTemplatesPath.isEmpty())
        return;
    const QDir dir(m_strEDIDTemplatesPath);
    const QFileInfoList files =
        dir.entryInfoList(Vireo::Utils::EDIDHelper::nameFilters(), QDir::Files | QDir::NoSymLinks, QDir::Unsorted);
    for (const QFileInfo& file : files) {
        if (file.size() != TemplateSize)
            continue;
        m_pExistEDIDFileComoBox->addItem(file.baseName(), file.absoluteFilePath());
    }
}

void DMTEditFrame::reset()
{
    m_pExistEDIDFileRadioButton->setChecked(true);
    m_pExistEDIDFileComoBox->setCurrentIndex(0);
    const QSignalBlocker blocker(m_pCustomEDIDFileChooser);
    m_pCustomEDIDFileChooser->setPath(QString());
}

void DMTEditFrame::edidFileButtonGroupToggled(QAbstractButton* button, bool checked)
{
    if (!checked)
        return;
    const bool existing = button == m_pExistEDIDFileRadioButton;
    m_pExistEDIDFileComoBox->setEnabled(existing);
    m_pCustomEDIDFileChooser->setEnabled(!existing);
    if (existing)
        m_pCustomEDIDFileChooser->setPath(QString());
}

void DMTEditFrame::existEDIDFileComoBoxCurrentIndexChanged(int index)
{
    const QString path = m_pExistEDIDFileComoBox->itemData(index).toString();
    if (!path.isEmpty())
        updateEDIDTimingFromFile(path);
}

void DMTEditFrame::edidFilePathChanged(const QString& path)
{
    if (!path.isEmpty())
        updateEDIDTimingFromFile(path);
}

void DMTEditFrame::updateEDIDTimingFromFile(const QString& fileName)
{
    const QFileInfo file(fileName);
    if (!file.isFile())
        return;
    Vireo::Utils::EDIDHelper helper;
    QString error;
    if (file.size() != TemplateSize) {
        // An operator's own file of another size is refused aloud rather than ignored.
        error = tr("The file has %1 bytes; an EDID template has %2.").arg(file.size()).arg(TemplateSize);
    } else if (helper.readEDID(fileName, &error)) {
        const Vireo::Utils::EDIDTiming t = helper.detailedTimingInfomation();
        s_DMTSchemaData data;
        const auto fill = [](ZK::VESA::s_FrameTiming& out, int active, int front, int sync, int total, int polarity) {
            out.AddrTime = quint32(std::max(0, active));
            out.FrontPorch = quint16(std::max(0, front));
            out.Sync = quint16(std::max(0, sync));
            out.totalTime = quint32(std::max(0, total));
            out.backProch = quint32(std::max(0, total - active - front - sync));
            out.SyncPolarity = polarity ? ZK::VESA::NegativePolarity : ZK::VESA::PositivePolarity;
            out.LeftBorder = 0;
            out.RightBorder = 0;
        };
        fill(data.HorFrameTiming, t.horActive, t.horFrontPorch, t.horSync, t.horTotal, t.horPolarity);
        fill(data.VerFrameTiming, t.verActive, t.verFrontPorch, t.verSync, t.verTotal, t.verPolarity);
        data.refreshRate = t.refresh;
        data.pixelClock = float(double(t.pixelClock) / 1000000.0);
        setCurrentDMTData(data);
        return;
    }
    ZK::Widgets::FramelessMessageBox::warning(
        this, tr("Remind"), tr("Failed to read EDID file!\n%1\n%2").arg(fileName, error), QMessageBox::Ok);
}

QString DMTEditFrame::chosenTemplatePath() const
{
    if (m_pCustomEDIDFileRadioButton->isChecked())
        return m_pCustomEDIDFileChooser->path();
    return m_pExistEDIDFileComoBox->currentData().toString();
}

void DMTEditFrame::setEDIDSaveFilePath(const QString& path)
{
    m_strSaveFilePath = path;
}

QString DMTEditFrame::edidSaveFilePath() const
{
    return m_strSaveFilePath;
}

QString DMTEditFrame::lastSaveError() const
{
    return m_strLastSaveError;
}

void DMTEditFrame::slot_saveEDIDToFile(ZK::VESA::s_DMTSchemaData EDIDData)
{
    m_strLastSaveError.clear();
    const bool custom = m_pCustomEDIDFileRadioButton->isChecked();
    const QString target = custom ? m_pCustomEDIDFileChooser->path() : m_strSaveFilePath;
    QString base = chosenTemplatePath();
    // A custom target is its own template only when it is one already: a new file (or any other
    // file the operator chose to write) gets the helper's own image around the timing.
    if (custom && !(QFileInfo(base).isFile() && QFileInfo(base).size() == TemplateSize))
        base.clear();
    Vireo::Utils::EDIDHelper helper;
    bool written = false;
    if (target.isEmpty()) {
        m_strLastSaveError = tr("No file to write the EDID to.");
    } else if (!base.isEmpty() && QFileInfo(base).size() != TemplateSize) {
        m_strLastSaveError = tr("%1 is not a 256-byte EDID template.").arg(base);
    } else if (base.isEmpty() || helper.readEDID(base, &m_strLastSaveError)) {
        written = helper.writeEDID(target, &m_strLastSaveError, EDIDData);
    }
    if (!written) {
        qDebug() << "write file in DMTEditFrame failed";
        qWarning() << "DMTEditFrame:" << m_strLastSaveError;
        if (m_strLastSaveError.isEmpty())
            m_strLastSaveError = tr("The EDID file could not be written.");
    }
}

} // namespace Vireo::Widgets
