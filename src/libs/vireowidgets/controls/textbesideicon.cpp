#include "textbesideicon.h"

#include <QBoxLayout>
#include <QLabel>

namespace Vireo::Widgets {

TextBesideIcon::TextBesideIcon(QWidget* parent, Qt::Orientation orientation)
    : QToolButton(parent)
    , m_orientation(orientation)
{
    createWidgets();
    connect(m_pIcon, &QToolButton::clicked, this, &QAbstractButton::click);
}

TextBesideIcon::~TextBesideIcon() = default;

void TextBesideIcon::createWidgets()
{
    m_pText = new QLabel(this);
    m_pText->setAlignment(Qt::AlignCenter);
    m_pText->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    m_pIcon = new QToolButton(this);
    m_pIcon->setProperty("isSaveIcon", true);
    m_pIcon->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    if (m_orientation == Qt::Horizontal) {
        m_pMainLayout = new QHBoxLayout(this);
        m_pMainLayout->setContentsMargins(0, 0, 0, 0);
        m_pMainLayout->setSpacing(0);
        m_pMainLayout->addWidget(m_pIcon);
        m_pMainLayout->addWidget(m_pText);
    } else {
        m_pMainLayout = new QVBoxLayout(this);
        m_pMainLayout->setSpacing(10);
        auto* iconRow = new QHBoxLayout;
        iconRow->setContentsMargins(0, 0, 0, 0);
        iconRow->setSpacing(0);
        iconRow->addStretch();
        iconRow->addWidget(m_pIcon);
        iconRow->addStretch();
        m_pMainLayout->addStretch();
        m_pMainLayout->addLayout(iconRow);
        m_pMainLayout->addWidget(m_pText, 4);
        m_pMainLayout->addStretch();
    }
}

void TextBesideIcon::setText(QString text)
{
    m_pText->setText(text);
    updateGeometry();
}

void TextBesideIcon::setTextAlignment(Qt::Alignment alignment)
{
    m_pText->setAlignment(alignment);
}

void TextBesideIcon::setIcon(QIcon icon)
{
    m_pIcon->setIcon(icon);
}

void TextBesideIcon::setIconSize(QSize size)
{
    m_pIcon->setIconSize(size);
    m_pIcon->setFixedSize(size);
    updateGeometry();
}

void TextBesideIcon::setIconTextAlignment(Qt::Alignment alignment)
{
    if (alignment != Qt::AlignHCenter)
        return;
    m_pMainLayout->insertStretch(0);
    m_pMainLayout->addStretch();
}

void TextBesideIcon::setWidgetCheckable(bool checkable)
{
    setCheckable(checkable);
    m_pIcon->setCheckable(checkable);
}

void TextBesideIcon::setIcons(QVector<QPair<MouseState, QIcon>> icons)
{
    m_icons = std::move(icons);
}

QVector<QPair<TextBesideIcon::MouseState, QIcon>> TextBesideIcon::icons() const
{
    return m_icons;
}

void TextBesideIcon::setButtonData(QVariant data)
{
    m_userData = std::move(data);
}

QVariant TextBesideIcon::buttonData() const
{
    return m_userData;
}

void TextBesideIcon::setHasMenu(bool hasMenu)
{
    m_hasMenu = hasMenu;
}

bool TextBesideIcon::hasMenu() const
{
    return m_hasMenu;
}

void TextBesideIcon::setMainContentsMargins(const QMargins& margins)
{
    m_pMainLayout->setContentsMargins(margins);
}

void TextBesideIcon::setMainContentsMargins(int left, int top, int right, int bottom)
{
    m_pMainLayout->setContentsMargins(left, top, right, bottom);
}

void TextBesideIcon::setMainSpacing(int spacing)
{
    m_pMainLayout->setSpacing(spacing);
}

Qt::Orientation TextBesideIcon::orientation() const
{
    return m_orientation;
}

QSize TextBesideIcon::sizeHint() const
{
    return m_pMainLayout->sizeHint().expandedTo(QToolButton::sizeHint());
}

QSize TextBesideIcon::minimumSizeHint() const
{
    return m_pMainLayout->minimumSize();
}

} // namespace Vireo::Widgets
