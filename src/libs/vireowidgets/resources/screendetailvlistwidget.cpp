#include "screendetailvlistwidget.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/frameline.h>
#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/foundation/videopreviewwidget.h>

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace Vireo::Widgets {

namespace Internal {
const QSize ButtonSize(280, 82);
} // namespace Internal

ScreenDetailContentButton::ScreenDetailContentButton(std::weak_ptr<Vireo::BizModel::Device> pDevice,
    std::weak_ptr<Vireo::BizModel::Screen> pScreenBase, const int& nSceneType,
    ReadScreenVideoFrameCallback cbReadScreenVideo, QWidget* parent)
    : ScreenListContentButton(
          std::move(pDevice), std::move(pScreenBase), nSceneType, std::move(cbReadScreenVideo), parent)
{
    m_bNameTextOwnedByLook = true;
    setFixedSize(Internal::ButtonSize);
    setCheckable(false);
    setProperty("isDetailModel", true);
    setProperty("isScreenDetailMode", true);
    for (QWidget* child : {static_cast<QWidget*>(m_pButtonClose), static_cast<QWidget*>(m_pLabelMosaic),
             static_cast<QWidget*>(m_pLabelLayerCnt), static_cast<QWidget*>(m_pLabelOutputCnt)})
        child->hide();
    resetLayout();
    updateUIFromData();
}

QSize ScreenDetailContentButton::sizeHint() const
{
    return Internal::ButtonSize;
}

void ScreenDetailContentButton::resetLayout()
{
    delete layout();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 2, 1, 2);

    m_pLabelVideo->setFixedWidth(130);
    layout->addWidget(m_pLabelVideo);

    auto* column = new QVBoxLayout;
    column->setSpacing(7);
    column->setContentsMargins(0, 16, 0, 16);
    column->addWidget(m_pLabelName);
    column->addStretch();
    column->addWidget(m_pLabelRadio);
    layout->addLayout(column);
}

void ScreenDetailContentButton::updateUIFromData()
{
    ScreenListContentButton::updateUIFromData();
    auto screen = m_pScreenBase.lock();
    if (!screen)
        return;
    // The scene suffix is part of the device's naming, so it is neither elided nor translated.
    const QString name = screen->name();
    if (m_nSceneType == Vireo::BizModel::Enum::Layer::SceneType::PGM)
        m_pLabelName->setText(QStringLiteral("%1-PGM").arg(name));
    else if (m_nSceneType == Vireo::BizModel::Enum::Layer::SceneType::PVW)
        m_pLabelName->setText(QStringLiteral("%1-PVW").arg(name));
    else
        m_pLabelName->setText(name);
}

ScreenDetailVListWidget::ScreenDetailVListWidget(QWidget* parent)
    : ScreenListWidget(parent)
{
    setOrientation(Qt::Vertical);
    setNaviButtonVisible(NaviWidgetTypeCnt, false);
    setNaviButtonVisible(Prev, true);
    setNaviButtonVisible(Next, true);
    setContentLayoutContentsMargins(0, 0, 1, 0);
    setContentLayoutSpacing(0);
    setMainLayoutContentsMargins(0, 0, 0, 0);
    setMainLayoutSpacing(0);
    setScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    retranslateUi();
}

void ScreenDetailVListWidget::initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> pDevice, const int& nScreenType,
    const int& nSceneType, bool isCheckScreenValid, ReadScreenVideoFrameCallback cbReadScreenVideo)
{
    ScreenListWidget::initListWidgetItem(
        std::move(pDevice), nScreenType, nSceneType, isCheckScreenValid, std::move(cbReadScreenVideo));
}

void ScreenDetailVListWidget::retranslateUi()
{
    ScreenListWidget::retranslateUi();
    setTips(tr("No PVW and PGM available. Please add them on Screen page."));
}

ScreenListContentButton* ScreenDetailVListWidget::createScreenContentButton(
    std::weak_ptr<Vireo::BizModel::Device> pDevice, std::weak_ptr<Vireo::BizModel::Screen> pScreenBase,
    const SceneType& sceneType, QWidget* parent)
{
    return new ScreenDetailContentButton(
        std::move(pDevice), std::move(pScreenBase), sceneType, m_cbReadScreenVideo, parent);
}

void ScreenDetailVListWidget::setMainLayout()
{
    m_pMainLayout->addWidget(m_pContentScrollAreaHolder);

    auto* bar = new QWidget(this);
    bar->setFixedHeight(64);
    auto* barLayout = new QVBoxLayout(bar);
    barLayout->setContentsMargins(0, 2, 0, 0);
    barLayout->setSpacing(8);

    auto* lineLayout = new QHBoxLayout;
    QFrame* line = FrameLine::createHorizontalLine(lineLayout, bar, 1, 0);
    line->setProperty(CUSTOM_PROPERTY_IS_SPECIALBACKGROUNDSEPARATOR, true);
    barLayout->addLayout(lineLayout);

    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QToolButton* button : {m_pPrevButton, m_pNextButton}) {
        button->setFixedSize(52, 52);
        row->addWidget(button);
    }
    row->addStretch();
    barLayout->addLayout(row);
    barLayout->addStretch();

    m_pMainLayout->addWidget(bar);
}

} // namespace Vireo::Widgets
