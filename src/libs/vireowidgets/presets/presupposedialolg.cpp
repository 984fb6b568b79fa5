#include "presupposedialolg.h"

#include "presetfilter.h"

#include <zkwidgets/flowlayout.h>
#include <zkwidgets/framelessmessagebox.h>

#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Vireo::Widgets {

namespace {

namespace Enum = Vireo::BizModel::Enum;

// Runs `change` with the group's exclusivity lifted, so that every button may be unchecked.
template <typename Change>
void withoutExclusivity(QButtonGroup* group, Change change)
{
    group->setExclusive(false);
    change();
    group->setExclusive(true);
}

void uncheckAll(QButtonGroup* group)
{
    for (auto* button : group->buttons())
        button->setChecked(false);
}

} // namespace

PresupposeDialolg::PresupposeDialolg(InterfaceType cardType, QWidget* parent)
    : QDialog(parent, Qt::Popup | Qt::FramelessWindowHint)
    , m_cardType(cardType)
{
    createWidgets();
    retranslateUi();
}

PresupposeDialolg::~PresupposeDialolg() = default;

void PresupposeDialolg::createWidgets()
{
    setStyleSheet(QStringLiteral("QDialog{background-color:rgb(31,32,36);border:1px solid #0c0d0e;}"));

    auto* outer = new QVBoxLayout(this);
    outer->setSpacing(8);
    outer->setContentsMargins(0, 8, 0, 8);

    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    row->setContentsMargins(16, 8, 16, 8);

    // Room for three resolution buttons side by side.
    auto* frameArea = new QWidget(this);
    frameArea->setMinimumWidth(280);
    auto* frameColumn = new QVBoxLayout(frameArea);
    frameColumn->setContentsMargins(0, 0, 0, 0);
    frameColumn->setSpacing(9);
    m_pFrameLabel = new QLabel(frameArea);
    m_pFrameLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pFrameFlowLayout = new ZK::Utils::FlowLayout(0, 8, 8);
    frameColumn->addWidget(m_pFrameLabel, 0, Qt::AlignLeft);
    frameColumn->addLayout(m_pFrameFlowLayout);
    frameColumn->addStretch();

    auto* divider = new QFrame(this);
    divider->setFixedWidth(2);
    divider->setStyleSheet(QStringLiteral(".QFrame{background-color:rgb(40,42,47);}"));

    auto* frateArea = new QWidget(this);
    frateArea->setMinimumWidth(235);
    auto* frateColumn = new QVBoxLayout(frateArea);
    frateColumn->setSpacing(8);
    frateColumn->setContentsMargins(0, 0, 0, 0);
    m_pFrateLabel = new QLabel(frateArea);
    m_pFrateLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pFrateFlowLayout = new ZK::Utils::FlowLayout(0, 8, 8);
    frateColumn->addWidget(m_pFrateLabel, 0, Qt::AlignLeft);
    frateColumn->addLayout(m_pFrateFlowLayout);
    frateColumn->addStretch();

    row->addWidget(frameArea, 8);
    row->addWidget(divider, 1);
    row->addWidget(frateArea, 1);
    outer->addLayout(row);

    auto* line = new QFrame(this);
    line->setFixedHeight(2);
    line->setStyleSheet(QStringLiteral(".QFrame{background-color:rgb(18,18,21);}"));
    outer->addWidget(line);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    buttons->setContentsMargins(0, 0, 16, 0);
    m_pOKButton = new QPushButton(this);
    m_pCancelButton = new QPushButton(this);
    m_pOKButton->setAutoDefault(false);
    m_pCancelButton->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(m_pOKButton);
    buttons->addWidget(m_pCancelButton);
    outer->addLayout(buttons);

    m_pDefaultButtonGroup = new QButtonGroup(this);
    m_pFrateGroup = new QButtonGroup(this);
    connect(m_pDefaultButtonGroup, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
        &PresupposeDialolg::slot_FrameSelect);
    connect(m_pFrateGroup, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
        &PresupposeDialolg::slot_FrateSelect);
    connect(m_pOKButton, &QPushButton::clicked, this, &PresupposeDialolg::slot_OkSelectItem);
    connect(m_pCancelButton, &QPushButton::clicked, this, &PresupposeDialolg::close);
    updateOkEnabled();
}

void PresupposeDialolg::retranslateUi()
{
    m_pFrameLabel->setText(tr("please select standard resolution"));
    m_pFrateLabel->setText(tr("please select standard frequence"));
    m_pOKButton->setText(tr("OK"));
    m_pCancelButton->setText(tr("Cancel"));
}

void PresupposeDialolg::showEvent(QShowEvent* event)
{
    retranslateUi();
    QDialog::showEvent(event);
}

void PresupposeDialolg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void PresupposeDialolg::setConnectorType(ConnectorType connectorType)
{
    m_connectorType = connectorType;
}

void PresupposeDialolg::setCurVESAResolutionRatio(ConnectorType type, QList<s_VESAResolutionRatio> list)
{
    m_connectorType = type;
    m_list = std::move(list);
    makePredefinedResolutionList();
    makePredefinedFrateList();
}

QPushButton* PresupposeDialolg::makeButton(const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setCheckable(true);
    button->setAutoDefault(false);
    button->setProperty("isPopupDialogBtn", true);
    return button;
}

void PresupposeDialolg::clearButtons(QButtonGroup* group)
{
    // Never called from a click of one of these buttons, so they can go at once.
    const auto buttons = group->buttons();
    for (auto* button : buttons) {
        group->removeButton(button);
        delete button;
    }
}

void PresupposeDialolg::makePredefinedResolutionList()
{
    clearButtons(m_pDefaultButtonGroup);
    for (const auto& entry : qAsConst(m_list)) {
        bool known = false;
        for (auto* button : m_pDefaultButtonGroup->buttons()) {
            if (button->property("frameRate").toSize() == entry.PixelFormat &&
                button->property("interlaced").toInt() == entry.iInterlaced) {
                known = true;
                break;
            }
        }
        if (known)
            continue;
        QString text = QStringLiteral("%1x%2").arg(entry.PixelFormat.width()).arg(entry.PixelFormat.height());
        if (entry.iInterlaced)
            text += QLatin1Char('i');
        auto* button = makeButton(text);
        button->setProperty("frameRate", entry.PixelFormat);
        button->setProperty("interlaced", entry.iInterlaced);
        m_pDefaultButtonGroup->addButton(button);
        m_pFrameFlowLayout->addWidget(button);
        m_pFrameFlowLayout->setAlignment(button, Qt::AlignLeft);
    }
    updateOkEnabled();
}

void PresupposeDialolg::addFrateButton(float rate)
{
    for (auto* button : m_pFrateGroup->buttons()) {
        if (Internal::sameRate(button->property("FreshRate").toFloat(), rate))
            return;
    }
    auto* button = makeButton(Internal::rateText(rate));
    button->setProperty("FreshRate", rate);
    m_pFrateGroup->addButton(button);
    m_pFrateFlowLayout->addWidget(button);
    m_pFrateFlowLayout->setAlignment(button, Qt::AlignLeft);
}

void PresupposeDialolg::makePredefinedFrateList()
{
    clearButtons(m_pFrateGroup);
    for (const auto& entry : qAsConst(m_list))
        addFrateButton(entry.RefreshRate);
}

void PresupposeDialolg::updateOkEnabled()
{
    // Nothing to choose from: the choice is empty and cannot be confirmed.
    m_pOKButton->setEnabled(!m_pDefaultButtonGroup->buttons().isEmpty());
}

int PresupposeDialolg::getCurCapacity() const
{
    return Internal::currentCapacity(m_cardType);
}

bool PresupposeDialolg::currentPresets(QList<s_VESAResolutionRatio>& presets) const
{
    const int capacity = getCurCapacity();
    auto* config = Vireo::BizModel::InterfaceConfig::instance();
    Vireo::BizModel::s_ConnectorInfo info;
    if (!config->findConnectorInfo(capacity, Internal::cardKind(m_cardType), m_connectorType, info)) {
        qDebug() << " no found connectorInfo ,ConnectorType:" << int(m_connectorType)
                 << "m_listConnectorInfo.size:" << config->connectorInfoList().size();
        qCritical() << "get current ConnectorInfo error!";
        return false;
    }
    presets = Internal::filterPresets(info.m_listPredefinedResolutionRatio, m_cardType, capacity);
    return true;
}

void PresupposeDialolg::setFiltrateFresh(QAbstractButton* pItem)
{
    if (!pItem)
        return;
    m_curFrameRate = pItem->property("frameRate").toSize();
    m_iInterlaced = pItem->property("interlaced").toInt();

    clearButtons(m_pFrateGroup);
    QList<s_VESAResolutionRatio> presets;
    if (!currentPresets(presets))
        return;
    for (const auto& entry : qAsConst(presets)) {
        if (entry.PixelFormat == m_curFrameRate && entry.iInterlaced == m_iInterlaced)
            addFrateButton(entry.RefreshRate);
    }
}

void PresupposeDialolg::slot_FrameSelect(QAbstractButton* pItem)
{
    setFiltrateFresh(pItem);
    const auto rates = m_pFrateGroup->buttons();
    if (rates.isEmpty())
        return;
    QAbstractButton* chosen = rates.last();
    for (auto* button : rates) {
        if (Internal::sameRate(button->property("FreshRate").toFloat(), 60.0)) {
            chosen = button;
            break;
        }
    }
    chosen->setChecked(true);
    m_curFreshRate = chosen->property("FreshRate").toFloat();
}

void PresupposeDialolg::slot_FrateSelect(QAbstractButton* pItem)
{
    if (pItem)
        m_curFreshRate = pItem->property("FreshRate").toFloat();
}

void PresupposeDialolg::setCurrentSelect(QSize sizeFrame, float fFrate, int iInterlaced)
{
    setCurrentSelectFrame(sizeFrame, iInterlaced);
    setCurrentSelectFrate(fFrate);
}

void PresupposeDialolg::setCurrentSelectFrame(QSize sizeFrame, int iInterlaced)
{
    QAbstractButton* match = nullptr;
    withoutExclusivity(m_pDefaultButtonGroup, [&] {
        uncheckAll(m_pDefaultButtonGroup);
        for (auto* button : m_pDefaultButtonGroup->buttons()) {
            if (button->property("frameRate").toSize() == sizeFrame &&
                button->property("interlaced").toInt() == iInterlaced) {
                button->setChecked(true);
                match = button;
                break;
            }
        }
    });
    if (match)
        setFiltrateFresh(match);
}

void PresupposeDialolg::setCurrentSelectFrate(float fFrate)
{
    withoutExclusivity(m_pFrateGroup, [&] {
        uncheckAll(m_pFrateGroup);
        for (auto* button : m_pFrateGroup->buttons()) {
            if (Internal::sameRate(button->property("FreshRate").toFloat(), fFrate)) {
                button->setChecked(true);
                m_curFreshRate = button->property("FreshRate").toFloat();
                break;
            }
        }
    });
}

QSize PresupposeDialolg::getCurFrameRate() const
{
    return m_curFrameRate;
}

float PresupposeDialolg::getCurFreshRate() const
{
    return m_curFreshRate;
}

bool PresupposeDialolg::isCustomEDID(QSize frameRate, int interlaced, float freshRate)
{
    QList<s_VESAResolutionRatio> presets;
    if (!currentPresets(presets))
        return true;
    for (const auto& entry : qAsConst(presets)) {
        if (entry.PixelFormat == frameRate && entry.iInterlaced == interlaced &&
            Internal::sameRate(entry.RefreshRate, freshRate))
            return false;
    }
    return true;
}

void PresupposeDialolg::slot_OkSelectItem()
{
    QAbstractButton* frame = m_pDefaultButtonGroup->checkedButton();
    QAbstractButton* rate = m_pFrateGroup->checkedButton();
    if (frame && rate) {
        qDebug() << "select complete ratio";
        emit signal_SelectPresuppose(frame->property("frameRate").toSize(), rate->property("FreshRate").toFloat(),
            frame->property("interlaced").toInt());
        close();
        return;
    }
    qDebug() << "select unComplete ratio";
    ZK::Widgets::FramelessMessageBox::warning(
        this, tr("Remind"), tr("Please select the complete standard data"), QMessageBox::Ok);
}

} // namespace Vireo::Widgets
