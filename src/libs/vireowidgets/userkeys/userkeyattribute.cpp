#include "userkeyattribute.h"

#include <vireowidgets/controls/fixedbitlineeditex.h>

#include <vireomodel/devicelist.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <iterator>

namespace Vireo::Widgets {

using namespace Vireo::BizModel;

namespace {

// One property group of a key: its button and the record flag the button stands for.
struct PropertyEntry
{
    const char* objectName;
    const char* text;
    bool s_UserKeyDetail::*flag;
};

const PropertyEntry Properties[] = {
    {"toolButtonInputResources", QT_TRANSLATE_NOOP("UserKeyAttribute", "input resources"),
        &s_UserKeyDetail::bLayerSourcesBody},
    {"toolButtonFilp", QT_TRANSLATE_NOOP("UserKeyAttribute", "filp"), &s_UserKeyDetail::bLayerFlipBody},
    {"toolButtonMask", QT_TRANSLATE_NOOP("UserKeyAttribute", "mask"), &s_UserKeyDetail::bLayerMaskBody},
    {"toolButtonPos", QT_TRANSLATE_NOOP("UserKeyAttribute", "position"), &s_UserKeyDetail::bLayerPosBody},
    {"toolButtonIntercept", QT_TRANSLATE_NOOP("UserKeyAttribute", "input resources in"),
        &s_UserKeyDetail::bLayerInputCropBody},
    {"toolButtonLayerColor", QT_TRANSLATE_NOOP("UserKeyAttribute", "layer"),
        &s_UserKeyDetail::bLayerNoSourceLayerColorBody},
    {"toolButtonBorder", QT_TRANSLATE_NOOP("UserKeyAttribute", "border"), &s_UserKeyDetail::bLayerBorderBody},
    {"toolButtonSize", QT_TRANSLATE_NOOP("UserKeyAttribute", "size"), &s_UserKeyDetail::bLayerRectBody},
    {"toolButtonColor", QT_TRANSLATE_NOOP("UserKeyAttribute", "color"), &s_UserKeyDetail::bLayerColorBody},
    {"toolButtonCutAndFill", QT_TRANSLATE_NOOP("UserKeyAttribute", "cut&&fill"), &s_UserKeyDetail::bLayerCutFillBody},
};
constexpr int PropertyCount = int(std::size(Properties));
constexpr int CutAndFillIndex = PropertyCount - 1;

// The colour buttons in UserKeyColorEnum order, with their swatch colours.
struct ColorEntry
{
    const char* objectName;
    const char* swatch;
    int color;
};

const ColorEntry Colors[] = {
    {"toolButtonBlueColor", "#2688EB", Enum::UserKey::blue},
    {"toolButtonOrangeColor", "#E25555", Enum::UserKey::orange},
    {"toolButtonYellowColor", "#C09934", Enum::UserKey::yellow},
    {"toolButtonGreenColor", "#21B327", Enum::UserKey::green},
    {"toolButtonCyanColor", "#08B49F", Enum::UserKey::cyan},
    {"toolButtonDarkBlueColor", "#5868FB", Enum::UserKey::darkblue},
    {"toolButtonPurpleColor", "#9755EB", Enum::UserKey::purple},
    {"toolButtonBlackColor", "#12161E", Enum::UserKey::black},
};
constexpr int ColorCount = int(std::size(Colors));

// Both forms name their property buttons alike, in the order of the property table.
template <typename Form>
void takePropertyButtons(Form& form, const QList<QToolButton*>& props)
{
    form.toolButtonInputResources = props.at(0);
    form.toolButtonFilp = props.at(1);
    form.toolButtonMask = props.at(2);
    form.toolButtonPos = props.at(3);
    form.toolButtonIntercept = props.at(4);
    form.toolButtonLayerColor = props.at(5);
    form.toolButtonBorder = props.at(6);
    form.toolButtonSize = props.at(7);
    form.toolButtonColor = props.at(8);
    form.toolButtonCutAndFill = props.at(9);
}

// Two columns of checkable property buttons, in table order down the first column, then the second.
QList<QToolButton*> buildPropertyButtons(QWidget* parent, QGridLayout* grid, const char* styleProperty)
{
    QList<QToolButton*> buttons;
    const int rows = (PropertyCount + 1) / 2;
    for (int i = 0; i < PropertyCount; ++i) {
        auto* button = new QToolButton(parent);
        button->setObjectName(QLatin1String(Properties[i].objectName));
        button->setCheckable(true);
        button->setProperty(styleProperty, true);
        button->setMinimumHeight(28);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        grid->addWidget(button, i % rows, i / rows);
        buttons << button;
    }
    return buttons;
}

// Two rows of four checkable colour buttons, each showing its swatch.
QList<QToolButton*> buildColorButtons(QWidget* parent, QGridLayout* grid, const char* styleProperty)
{
    QList<QToolButton*> buttons;
    for (int i = 0; i < ColorCount; ++i) {
        auto* button = new QToolButton(parent);
        button->setObjectName(QLatin1String(Colors[i].objectName));
        button->setCheckable(true);
        if (styleProperty)
            button->setProperty(styleProperty, true);
        button->setFixedSize(40, 24);
        button->setStyleSheet(QStringLiteral("QToolButton { background-color: %1; border: 2px solid %1; "
                                             "border-radius: 3px; } QToolButton:checked { border-color: #FFFFFF; }")
                                  .arg(QLatin1String(Colors[i].swatch)));
        grid->addWidget(button, i / 4, i % 4);
        buttons << button;
    }
    return buttons;
}

void translateProperties(const QList<QToolButton*>& buttons)
{
    for (int i = 0; i < buttons.size() && i < PropertyCount; ++i)
        buttons.at(i)->setText(QCoreApplication::translate("UserKeyAttribute", Properties[i].text));
}

QButtonGroup* groupOf(QObject* owner, const QList<QToolButton*>& buttons, bool exclusive)
{
    auto* group = new QButtonGroup(owner);
    group->setExclusive(exclusive);
    for (int i = 0; i < buttons.size(); ++i)
        group->addButton(buttons.at(i), i);
    return group;
}

// Sets the flags of `detail` from the checked property buttons.
void flagsFromButtons(const QList<QToolButton*>& buttons, s_UserKeyDetail& detail)
{
    for (int i = 0; i < buttons.size() && i < PropertyCount; ++i)
        detail.*(Properties[i].flag) = buttons.at(i)->isChecked();
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Ui_UserKeyAttribute

void Ui_UserKeyAttribute::setupUi(QFrame* form)
{
    if (form->objectName().isEmpty())
        form->setObjectName(QStringLiteral("UserKeyAttribute"));
    verticalLayout = new QVBoxLayout(form);
    verticalLayout->setContentsMargins(12, 8, 12, 8);
    verticalLayout->setSpacing(8);

    horizontalLayoutSelectAll = new QHBoxLayout;
    labelSelectAll = new QLabel(form);
    labelSelectAll->setObjectName(QStringLiteral("labelSelectAll"));
    checkBoxAll = new QCheckBox(form);
    checkBoxAll->setObjectName(QStringLiteral("checkBoxAll"));
    horizontalLayoutSelectAll->addWidget(checkBoxAll);
    horizontalLayoutSelectAll->addWidget(labelSelectAll, 1);
    verticalLayout->addLayout(horizontalLayoutSelectAll);

    gridLayoutProperties = new QGridLayout;
    gridLayoutProperties->setSpacing(6);
    const QList<QToolButton*> props = buildPropertyButtons(form, gridLayoutProperties, "isUserKeyAttributeBtn");
    takePropertyButtons(*this, props);
    verticalLayout->addLayout(gridLayoutProperties);

    horizontalLayoutName = new QHBoxLayout;
    labelName = new QLabel(form);
    labelName->setObjectName(QStringLiteral("labelName"));
    lineEdit = new FixedBitLineEditEx(form);
    lineEdit->setObjectName(QStringLiteral("lineEdit"));
    horizontalLayoutName->addWidget(labelName);
    horizontalLayoutName->addWidget(lineEdit, 1);
    verticalLayout->addLayout(horizontalLayoutName);

    labelColorTitle = new QLabel(form);
    labelColorTitle->setObjectName(QStringLiteral("labelColorTitle"));
    verticalLayout->addWidget(labelColorTitle);
    gridLayoutColor = new QGridLayout;
    gridLayoutColor->setSpacing(8);
    const QList<QToolButton*> colors = buildColorButtons(form, gridLayoutColor, "isUserKeyAttributeBtnColor");
    toolButtonBlueColor = colors.at(0);
    toolButtonOrangeColor = colors.at(1);
    toolButtonYellowColor = colors.at(2);
    toolButtonGreenColor = colors.at(3);
    toolButtonCyanColor = colors.at(4);
    toolButtonDarkBlueColor = colors.at(5);
    toolButtonPurpleColor = colors.at(6);
    toolButtonBlackColor = colors.at(7);
    gridLayoutColor->setColumnStretch(4, 1);
    verticalLayout->addLayout(gridLayoutColor);

    retranslateUi(form);
}

void Ui_UserKeyAttribute::retranslateUi(QFrame* form)
{
    form->setWindowTitle(QCoreApplication::translate("UserKeyAttribute", "Frame"));
    labelSelectAll->setText(QCoreApplication::translate("UserKeyAttribute", " Select All"));
    translateProperties(propertyButtons());
    labelName->setText(QCoreApplication::translate("UserKeyAttribute", "name"));
    labelColorTitle->setText(QCoreApplication::translate("UserKeyAttribute", "color title"));
}

QList<QToolButton*> UserKeyFormButtons::propertyButtons() const
{
    return {toolButtonInputResources, toolButtonFilp, toolButtonMask, toolButtonPos, toolButtonIntercept,
        toolButtonLayerColor, toolButtonBorder, toolButtonSize, toolButtonColor, toolButtonCutAndFill};
}

QList<QToolButton*> UserKeyFormButtons::colorButtons() const
{
    return {toolButtonBlueColor, toolButtonOrangeColor, toolButtonYellowColor, toolButtonGreenColor,
        toolButtonCyanColor, toolButtonDarkBlueColor, toolButtonPurpleColor, toolButtonBlackColor};
}

// ---------------------------------------------------------------------------------------------
// UserKeyAttribute

UserKeyAttribute::UserKeyAttribute(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui_UserKeyAttribute)
{
    ui->setupUi(this);
    m_groupButton = groupOf(this, ui->colorButtons(), true);
    m_groupButtonPar = groupOf(this, ui->propertyButtons(), false);
    ui->toolButtonBlueColor->setChecked(true);
    createConnect();
    initAttribute();
}

UserKeyAttribute::~UserKeyAttribute()
{
    delete ui;
}

void UserKeyAttribute::createConnect()
{
    connect(ui->checkBoxAll, &QCheckBox::clicked, this, &UserKeyAttribute::slotCheckboxClicked, Qt::UniqueConnection);
    connect(m_groupButtonPar, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
        &UserKeyAttribute::slotParPushBtnClicked, Qt::UniqueConnection);
    connect(ui->lineEdit, &QLineEdit::editingFinished, this, &UserKeyAttribute::slotUpdateUserKeyName,
        Qt::UniqueConnection);
}

s_UserKeyDetail UserKeyAttribute::GetUserKey(std::weak_ptr<Device> device, std::weak_ptr<Layer> weakLayer)
{
    Q_UNUSED(device)
    s_UserKeyDetail detail;
    auto layer = weakLayer.lock();
    if (layer)
        detail.layerFullDetail = layer->layerDetail();
    flagsFromButtons(ui->propertyButtons(), detail);
    if (layer && ui->toolButtonCutAndFill->isChecked()) {
        if (auto cut = layer->cutLayer().lock(); cut && cut->isCutLayerEnable())
            detail.cutLayerFullDetail = cut->layerDetail();
    }
    detail.userKeyId = uint8_t(m_userKeyID & 0xFF);
    detail.name = getLineEditName().toStdString();
    detail.userKeyColor = getUserKeyColor(m_groupButton->checkedId());
    return detail;
}

bool UserKeyAttribute::attributeToolButtonStatus() const
{
    for (QToolButton* button : ui->propertyButtons()) {
        if (button->isChecked())
            return true;
    }
    return false;
}

QString UserKeyAttribute::getLineEditName() const
{
    return ui->lineEdit->text();
}

void UserKeyAttribute::setLineEdit(const QString& name)
{
    ui->lineEdit->setEditText(name);
}

void UserKeyAttribute::initAttribute()
{
    setLineEdit(QStringLiteral("User Key001"));
}

void UserKeyAttribute::setUserKey(qint64 userKeyId)
{
    m_userKeyID = userKeyId;
}

void UserKeyAttribute::updateUserKeyID(std::weak_ptr<Device> device)
{
    if (auto dev = device.lock())
        m_userKeyID = dev->files(Enum::File::UserKeyFile).size() + 1;
}

void UserKeyAttribute::updateNameEdit(std::weak_ptr<Device> device)
{
    if (auto dev = device.lock())
        setLineEdit(dev->nextUserKeyName());
}

void UserKeyAttribute::updateCutFillVisible(bool visible)
{
    // A device without cut-and-fill must not get keys carrying it.
    m_bCutFillSupported = visible;
    if (!visible)
        ui->toolButtonCutAndFill->setChecked(false);
    ui->toolButtonCutAndFill->setVisible(visible);
    const QSignalBlocker blocker(ui->checkBoxAll);
    ui->checkBoxAll->setChecked(everyShownPropertyChecked());
}

void UserKeyAttribute::setPropertiesWindow(bool show)
{
    slotHidePropertiesWindow(ui->horizontalLayoutSelectAll, show);
    slotHidePropertiesWindow(ui->gridLayoutProperties, show);
}

void UserKeyAttribute::slotHidePropertiesWindow(QLayout* layout, bool show)
{
    if (!layout)
        return;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QWidget* widget = item->widget()) {
            // The cut-and-fill button stays hidden on a device without cut-and-fill.
            if (show && widget == ui->toolButtonCutAndFill && !m_bCutFillSupported)
                continue;
            widget->setVisible(show);
        } else if (QLayout* child = item->layout()) {
            slotHidePropertiesWindow(child, show);
        }
    }
}

void UserKeyAttribute::retranslateUi()
{
    ui->retranslateUi(this);
}

void UserKeyAttribute::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}

int UserKeyAttribute::getUserKeyColor(int buttonId)
{
    if (buttonId < 0 || buttonId >= ColorCount)
        return Enum::UserKey::blue;
    return Colors[buttonId].color;
}

bool UserKeyAttribute::everyShownPropertyChecked() const
{
    for (QToolButton* button : ui->propertyButtons()) {
        const bool offered = button != ui->toolButtonCutAndFill || m_bCutFillSupported;
        if (offered && !button->isChecked())
            return false;
    }
    return true;
}

void UserKeyAttribute::slotCheckboxClicked()
{
    const bool all = ui->checkBoxAll->isChecked();
    for (QToolButton* button : ui->propertyButtons())
        button->setChecked(all && (button != ui->toolButtonCutAndFill || m_bCutFillSupported));
    emit signalNoSelected();
}

void UserKeyAttribute::slotParPushBtnClicked(QAbstractButton* button)
{
    Q_UNUSED(button)
    ui->checkBoxAll->setChecked(everyShownPropertyChecked());
    emit signalNoSelected();
}

void UserKeyAttribute::slotUpdateUserKeyName()
{
    if (!ui->lineEdit->text().trimmed().isEmpty())
        return;
    if (auto device = DeviceList::instance()->activedDevice().lock())
        setLineEdit(device->nextUserKeyName());
    ui->lineEdit->setFocus();
}

namespace Internal {

// ---------------------------------------------------------------------------------------------
// Ui_userKeyModifyDialog

void Ui_userKeyModifyDialog::setupUi(QFrame* form)
{
    if (form->objectName().isEmpty())
        form->setObjectName(QStringLiteral("userKeyModifyDialog"));
    verticalLayout = new QVBoxLayout(form);
    verticalLayout->setContentsMargins(16, 6, 16, 6);
    verticalLayout->setSpacing(6);

    labelParameter = new QLabel(form);
    labelParameter->setObjectName(QStringLiteral("labelParameter"));
    labelParameter->setProperty("isUserKeySectionTitle", true);
    verticalLayout->addWidget(labelParameter);
    gridLayoutProperties = new QGridLayout;
    gridLayoutProperties->setSpacing(6);
    const QList<QToolButton*> props = buildPropertyButtons(form, gridLayoutProperties, "isUserKeyAttributeDatailBtn");
    takePropertyButtons(*this, props);
    verticalLayout->addLayout(gridLayoutProperties);

    labelAttribute = new QLabel(form);
    labelAttribute->setObjectName(QStringLiteral("labelAttribute"));
    labelAttribute->setProperty("isUserKeySectionTitle", true);
    verticalLayout->addWidget(labelAttribute);

    auto* attributes = new QGridLayout;
    attributes->setHorizontalSpacing(12);
    attributes->setVerticalSpacing(8);
    labelName = new QLabel(form);
    labelName->setObjectName(QStringLiteral("labelName"));
    lineEditName = new FixedBitLineEditEx(form);
    lineEditName->setObjectName(QStringLiteral("lineEditName"));
    attributes->addWidget(labelName, 0, 0);
    attributes->addWidget(lineEditName, 0, 1);

    labelColor = new QLabel(form);
    labelColor->setObjectName(QStringLiteral("labelColor"));
    auto* colorGrid = new QGridLayout;
    colorGrid->setSpacing(8);
    const QList<QToolButton*> colors = buildColorButtons(form, colorGrid, nullptr);
    toolButtonBlueColor = colors.at(0);
    toolButtonOrangeColor = colors.at(1);
    toolButtonYellowColor = colors.at(2);
    toolButtonGreenColor = colors.at(3);
    toolButtonCyanColor = colors.at(4);
    toolButtonDarkBlueColor = colors.at(5);
    toolButtonPurpleColor = colors.at(6);
    toolButtonBlackColor = colors.at(7);
    colorGrid->setColumnStretch(4, 1);
    attributes->addWidget(labelColor, 1, 0, Qt::AlignTop);
    attributes->addLayout(colorGrid, 1, 1);

    labelSort = new QLabel(form);
    labelSort->setObjectName(QStringLiteral("labelSort"));
    auto* sortRow = new QHBoxLayout;
    sortRow->setSpacing(6);
    toolButtonReduce = new QToolButton(form);
    toolButtonReduce->setObjectName(QStringLiteral("toolButtonReduce"));
    toolButtonReduce->setFixedSize(30, 30);
    lineEditSort = new FixedBitLineEditEx(form);
    lineEditSort->setObjectName(QStringLiteral("lineEditSort"));
    lineEditSort->setAlignment(Qt::AlignCenter);
    lineEditSort->setFixedWidth(80);
    toolButtonAdd = new QToolButton(form);
    toolButtonAdd->setObjectName(QStringLiteral("toolButtonAdd"));
    toolButtonAdd->setFixedSize(30, 30);
    sortRow->addWidget(toolButtonReduce);
    sortRow->addWidget(lineEditSort);
    sortRow->addWidget(toolButtonAdd);
    sortRow->addStretch(1);
    attributes->addWidget(labelSort, 2, 0);
    attributes->addLayout(sortRow, 2, 1);
    attributes->setColumnStretch(1, 1);
    verticalLayout->addLayout(attributes);
    verticalLayout->addStretch(1);

    retranslateUi(form);
}

void Ui_userKeyModifyDialog::retranslateUi(QFrame* form)
{
    form->setWindowTitle(QCoreApplication::translate("userKeyModifyDialog", "Form"));
    labelParameter->setText(QCoreApplication::translate("userKeyModifyDialog", "  parameter"));
    labelAttribute->setText(QCoreApplication::translate("userKeyModifyDialog", "  attribute"));
    // The property names are catalogued once, under the attribute panel's context.
    translateProperties(propertyButtons());
    labelName->setText(QCoreApplication::translate("userKeyModifyDialog", "name"));
    labelColor->setText(QCoreApplication::translate("userKeyModifyDialog", "Label Color"));
    labelSort->setText(QCoreApplication::translate("userKeyModifyDialog", "sort"));
    toolButtonReduce->setText(QCoreApplication::translate("userKeyModifyDialog", "-"));
    toolButtonAdd->setText(QStringLiteral("+"));
}

// ---------------------------------------------------------------------------------------------
// UserKeyModifyDialog

UserKeyModifyDialog::UserKeyModifyDialog(UserKeyEditCfg* dialog, QWidget* parent)
    : QFrame(parent)
    , m_pUserKeyDialg(dialog)
    , ui(new Ui_userKeyModifyDialog)
{
    ui->setupUi(this);
    m_pButtonGroup = groupOf(this, ui->propertyButtons(), false);
    m_pButtonColorGroup = groupOf(this, ui->colorButtons(), true);
    ui->toolButtonBlueColor->setChecked(true);
    connect(ui->toolButtonAdd, &QToolButton::clicked, this, &UserKeyModifyDialog::slotAdd);
    connect(ui->toolButtonReduce, &QToolButton::clicked, this, &UserKeyModifyDialog::slotReduce);
    connect(ui->lineEditSort, &QLineEdit::textChanged, this, &UserKeyModifyDialog::slotTextChange);
    connect(ui->lineEditSort, &QLineEdit::editingFinished, this, &UserKeyModifyDialog::slotTextChangeFinished);
    connect(ui->lineEditName, &QLineEdit::editingFinished, this, &UserKeyModifyDialog::slotUpdateUserKeyName);
}

UserKeyModifyDialog::~UserKeyModifyDialog()
{
    delete ui;
}

void UserKeyModifyDialog::initParameter(const s_UserKeyDetail& detail)
{
    m_currenrtUserKeyDetailInfo = detail;
    m_lastUserKeyDetailInfo = detail;
    const QList<QToolButton*> props = ui->propertyButtons();
    for (int i = 0; i < props.size(); ++i)
        props.at(i)->setChecked(detail.*(Properties[i].flag));
    ui->lineEditName->setEditText(QString::fromStdString(detail.name));
    {
        // The key's own number is shown whatever the current limit: the range check is for typing.
        const QSignalBlocker blocker(ui->lineEditSort);
        ui->lineEditSort->setText(QString::number(detail.userKeyId));
    }
    const int id = getUserKeyColorID(detail.userKeyColor);
    if (auto* button = m_pButtonColorGroup->button(id))
        button->setChecked(true);
}

s_UserKeyDetail UserKeyModifyDialog::getCurrentUserKey() const
{
    s_UserKeyDetail detail = m_currenrtUserKeyDetailInfo;
    flagsFromButtons(ui->propertyButtons(), detail);
    detail.name = ui->lineEditName->text().toStdString();
    bool ok = false;
    const int number = ui->lineEditSort->text().toInt(&ok);
    if (ok && number >= 1 && number <= 255)
        detail.userKeyId = uint8_t(number);
    detail.userKeyColor = UserKeyAttribute::getUserKeyColor(m_pButtonColorGroup->checkedId());
    return detail;
}

void UserKeyModifyDialog::setLimitSort(int limit)
{
    m_limitSort = limit;
}

void UserKeyModifyDialog::setCutFillstatus(bool visible)
{
    ui->toolButtonCutAndFill->setVisible(visible);
}

void UserKeyModifyDialog::retranslateUi()
{
    ui->retranslateUi(this);
}

int UserKeyModifyDialog::getUserKeyColorID(int color)
{
    for (int id = 0; id < ColorCount; ++id) {
        if (Colors[id].color == color)
            return id;
    }
    return -1;
}

void UserKeyModifyDialog::slotAdd()
{
    bool ok = false;
    const int number = ui->lineEditSort->text().toInt(&ok);
    if (ok && number + 1 <= m_limitSort)
        ui->lineEditSort->setText(QString::number(number + 1));
}

void UserKeyModifyDialog::slotReduce()
{
    bool ok = false;
    const int number = ui->lineEditSort->text().toInt(&ok);
    if (ok && number - 1 > 0)
        ui->lineEditSort->setText(QString::number(number - 1));
}

void UserKeyModifyDialog::slotTextChange(const QString& text)
{
    if (text.isEmpty())
        return;
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 1 || number > m_limitSort)
        ui->lineEditSort->clear();
}

void UserKeyModifyDialog::slotTextChangeFinished()
{
    if (!ui->lineEditSort->text().isEmpty())
        return;
    const QSignalBlocker blocker(ui->lineEditSort);
    ui->lineEditSort->setText(QString::number(m_currenrtUserKeyDetailInfo.userKeyId));
    ui->lineEditSort->setFocus();
}

void UserKeyModifyDialog::slotUpdateUserKeyName()
{
    if (!ui->lineEditName->text().trimmed().isEmpty())
        return;
    ui->lineEditName->setEditText(QString::fromStdString(m_currenrtUserKeyDetailInfo.name));
    ui->lineEditName->setFocus();
}

// ---------------------------------------------------------------------------------------------
// UserKeyEditCfg

UserKeyEditCfg::UserKeyEditCfg(QWidget* parent)
    : FramelessDialog(parent)
{
    setObjectName(QStringLiteral("UserKeyEditCfg"));
    d = new UserKeyModifyDialog(this, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d);
    setDialogResizable(false);
    setModal(true);
    reTranslateUI();
}

UserKeyEditCfg::~UserKeyEditCfg() = default;

void UserKeyEditCfg::setInitParameter(const s_UserKeyDetail& detail)
{
    d->initParameter(detail);
}

s_UserKeyDetail UserKeyEditCfg::getCurrentUserKey() const
{
    return d->getCurrentUserKey();
}

s_UserKeyDetail UserKeyEditCfg::getLastUserKey() const
{
    return d->getLastUserKey();
}

void UserKeyEditCfg::setLimitSort(int limit)
{
    d->setLimitSort(limit);
}

QSize UserKeyEditCfg::sizeHint() const
{
    return {603, 482};
}

void UserKeyEditCfg::reTranslateUI()
{
    FramelessDialog::reTranslateUI();
    setWindowTitle(tr("userKey Datail"));
    if (d)
        d->retranslateUi();
}

void UserKeyEditCfg::accept()
{
    emit sgnCurrentUserKeyID();
}

void UserKeyEditCfg::reject()
{
    FramelessDialog::reject();
}

void UserKeyEditCfg::showEvent(QShowEvent* event)
{
    if (auto device = DeviceList::instance()->activedDevice().lock())
        d->setCutFillstatus(device->deviceConfig().supportCutAndFill);
    FramelessDialog::showEvent(event);
}

} // namespace Internal

} // namespace Vireo::Widgets
