#include "presetresolutiondialog.h"

#include <vireomodel/helper.h>

#include <zkwidgets/flowlayout.h>

#include <QButtonGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

namespace Vireo::Widgets {

namespace {

constexpr uint kUserDataSlot = 0;

QString entryText(const ZK::VESA::s_DMTSchemaData& data)
{
    return Vireo::BizModel::Helper::formatFramerate(
        QSize(int(data.HorFrameTiming.AddrTime), int(data.VerFrameTiming.AddrTime)), data.refreshRate, false);
}

bool sameTiming(const ZK::VESA::s_DMTSchemaData& a, const ZK::VESA::s_DMTSchemaData& b)
{
    return a.HorFrameTiming.AddrTime == b.HorFrameTiming.AddrTime &&
        a.VerFrameTiming.AddrTime == b.VerFrameTiming.AddrTime && a.refreshRate == b.refreshRate;
}

} // namespace

void UserDataDMTSchemaData::SetUserData(const ZK::VESA::s_DMTSchemaData* data, const QString& name)
{
    m_pDMTSchemaData = data;
    m_strName = name;
}

PresetResolutionDialog::PresetResolutionDialog(QWidget* parent)
    : QWidget(parent)
{
    // Lets queued connections and signal spies carry the clicked button.
    qRegisterMetaType<QAbstractButton*>();
    setFixedSize(550, 200);
    setWindowFlags(windowFlags() | Qt::Popup | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* content = new QFrame(this);
    content->setProperty("PresetResolutionDialogContent", true);
    content->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_pFlowLayout = new ZK::Utils::FlowLayout(content, 10, 8, 8);
    layout->addWidget(content);

    // Without a parent, as the popup's own bookkeeping; deleted with it.
    m_pButtonGroup = new QButtonGroup;
    connect(m_pButtonGroup, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
        &PresetResolutionDialog::slot_buttonClicked);
}

PresetResolutionDialog::~PresetResolutionDialog()
{
    delete m_pButtonGroup;
}

const ZK::VESA::s_DMTSchemaData* PresetResolutionDialog::recordOf(QAbstractButton* button)
{
    if (!button)
        return nullptr;
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    auto* data = static_cast<UserDataDMTSchemaData*>(button->userData(kUserDataSlot));
    QT_WARNING_POP
    return data ? data->m_pDMTSchemaData : nullptr;
}

QAbstractButton* PresetResolutionDialog::addButton(const ZK::VESA::s_DMTSchemaData* data, const QString& text)
{
    auto* button = new QPushButton(text, m_pFlowLayout->parentWidget());
    button->setFocusPolicy(Qt::NoFocus);
    button->setProperty("PresetResolutionButton", true);
    auto* userData = new UserDataDMTSchemaData;
    userData->SetUserData(data, text);
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    button->setUserData(kUserDataSlot, userData);
    QT_WARNING_POP
    m_pButtonGroup->addButton(button);
    m_pFlowLayout->addWidget(button);
    m_mapDMTSchemaData[data] = button;
    return button;
}

void PresetResolutionDialog::addPresetResolutionRatioData(const ZK::VESA::s_DMTSchemaData* data)
{
    if (!data)
        return;
    addButton(data, entryText(*data));
}

void PresetResolutionDialog::addNoNameResolutionRatioData(ZK::VESA::s_DMTSchemaData data)
{
    m_ownedCopies.push_back(data);
    auto* button = addButton(&m_ownedCopies.back(), tr("Custom"));
    button->hide();
}

void PresetResolutionDialog::setCurSelResolution(ZK::VESA::s_DMTSchemaData data)
{
    for (auto* button : qAsConst(m_mapDMTSchemaData)) {
        static_cast<QPushButton*>(button)->setFlat(false);
        button->setEnabled(true);
    }
    for (auto it = m_mapDMTSchemaData.constBegin(); it != m_mapDMTSchemaData.constEnd(); ++it) {
        if (sameTiming(*it.key(), data)) {
            static_cast<QPushButton*>(it.value())->setFlat(true);
            it.value()->setEnabled(false);
            break;
        }
    }
}

void PresetResolutionDialog::slot_buttonClicked(QAbstractButton* button)
{
    const ZK::VESA::s_DMTSchemaData* data = recordOf(button);
    if (!data)
        return;
    setCurSelResolution(*data);
    emit sig_buttonClicked(button);
    slot_Close();
}

void PresetResolutionDialog::slot_Close()
{
    close();
}

void PresetResolutionDialog::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (isVisible())
        slot_Close();
}

void PresetResolutionDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        for (auto it = m_mapDMTSchemaData.constBegin(); it != m_mapDMTSchemaData.constEnd(); ++it) {
            for (const auto& copy : m_ownedCopies) {
                if (&copy == it.key())
                    it.value()->setText(tr("Custom"));
            }
        }
    }
    QWidget::changeEvent(event);
}

} // namespace Vireo::Widgets
