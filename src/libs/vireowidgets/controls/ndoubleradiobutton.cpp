#include "ndoubleradiobutton.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

namespace Vireo::Widgets {

NDoubleRadioButton::NDoubleRadioButton(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    m_pTitle = new QLabel(this);
    m_pTitle->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pFirst = new QRadioButton(this);
    m_pSecond = new QRadioButton(this);
    m_pGroup = new QButtonGroup(this);
    m_pGroup->addButton(m_pFirst, 0);
    m_pGroup->addButton(m_pSecond, 1);
    layout->addWidget(m_pTitle);
    layout->addWidget(m_pFirst);
    layout->addWidget(m_pSecond);
    layout->addStretch();
    m_pFirst->setChecked(true);
    connect(m_pGroup, &QButtonGroup::idClicked, this, &NDoubleRadioButton::valueChanged);
}

NDoubleRadioButton::~NDoubleRadioButton() = default;

void NDoubleRadioButton::setTitle(const QString& title)
{
    m_pTitle->setText(title);
}

QString NDoubleRadioButton::title() const
{
    return m_pTitle->text();
}

void NDoubleRadioButton::setButtonTexts(const QString& first, const QString& second)
{
    m_pFirst->setText(first);
    m_pSecond->setText(second);
}

void NDoubleRadioButton::setValue(int value)
{
    if (value != 0 && value != 1)
        return;
    const QSignalBlocker blocker(m_pGroup);
    m_pGroup->button(value)->setChecked(true);
}

int NDoubleRadioButton::value() const
{
    return m_pGroup->checkedId() == 1 ? 1 : 0;
}

} // namespace Vireo::Widgets
