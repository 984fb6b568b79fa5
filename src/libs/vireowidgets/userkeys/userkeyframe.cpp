#include "userkeyframe.h"

#include <vireowidgets/controls/textbesideicon.h>
#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/userkeys/userkeyattribute.h>
#include <vireowidgets/userkeys/userkeylistwidget.h>

#include <vireomodel/devicelist.h>
#include <vireomodel/modelcontrol.h>
#include <vireomodel/parallelcontrol.h>
#include <vireomodel/utils.h>

#include <zkwidgets/framelessmessagebox.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QDesktopWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace Vireo::Widgets {

using namespace Vireo::BizModel;

namespace {

QFrame* separator(QWidget* parent, const char* objectName)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(objectName));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedHeight(1);
    line->setProperty(CUSTOM_PROPERTY_LEVEL1_SEPARATOR, true);
    return line;
}

std::shared_ptr<UserKey> asUserKey(const std::weak_ptr<File>& file)
{
    return std::dynamic_pointer_cast<UserKey>(file.lock());
}

// The device's user key records, alive keys only, by ascending key number.
std::vector<s_UserKeyDetail> keyRecords(const std::shared_ptr<Device>& device)
{
    std::vector<s_UserKeyDetail> records;
    for (const auto& file : device->files(Enum::File::UserKeyFile)) {
        if (auto key = asUserKey(file))
            records.push_back(key->getUserKeyDetail());
    }
    std::stable_sort(records.begin(), records.end(),
        [](const s_UserKeyDetail& a, const s_UserKeyDetail& b) { return a.userKeyId < b.userKeyId; });
    return records;
}

bool accepted(QMessageBox::StandardButton answer)
{
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Ui_UserKeyContainerFrame

void Ui_UserKeyContainerFrame::setupUi(QFrame* form)
{
    if (form->objectName().isEmpty())
        form->setObjectName(QStringLiteral("UserKeyContainerFrame"));
    verticalLayout_2 = new QVBoxLayout(form);
    verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
    verticalLayout_2->setContentsMargins(0, 0, 0, 0);
    verticalLayout_2->setSpacing(0);

    verticalLayout = new QVBoxLayout;
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->setSpacing(6);
    frameBKGTitleGroup = new QFrame(form);
    frameBKGTitleGroup->setObjectName(QStringLiteral("frameBKGTitleGroup"));
    horizontalLayoutTitle = new QHBoxLayout(frameBKGTitleGroup);
    horizontalLayoutTitle->setContentsMargins(8, 4, 8, 4);
    horizontalLayoutTitle->setSpacing(6);
    toolButtonHide = new QToolButton(frameBKGTitleGroup);
    toolButtonHide->setObjectName(QStringLiteral("toolButtonHide"));
    toolButtonHide->setFixedSize(24, 24);
    toolButton = new QToolButton(frameBKGTitleGroup);
    toolButton->setObjectName(QStringLiteral("toolButton"));
    horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    horizontalLayoutTitle->addWidget(toolButtonHide);
    horizontalLayoutTitle->addWidget(toolButton);
    horizontalLayoutTitle->addItem(horizontalSpacer);
    verticalLayout->addWidget(frameBKGTitleGroup);
    line_2 = separator(form, "line_2");
    verticalLayout->addWidget(line_2);
    frameUserKeyAttributeContainer = new UserKeyAttribute(form);
    frameUserKeyAttributeContainer->setObjectName(QStringLiteral("frameUserKeyAttributeContainer"));
    verticalLayout->addWidget(frameUserKeyAttributeContainer);
    horizontalLayout_save = new QHBoxLayout;
    horizontalLayout_save->setObjectName(QStringLiteral("horizontalLayout_save"));
    horizontalLayout_save->setContentsMargins(12, 4, 12, 8);
    verticalLayout->addLayout(horizontalLayout_save);
    line = separator(form, "line");
    verticalLayout->addWidget(line);
    verticalLayout_2->addLayout(verticalLayout);

    verticalLayout_3 = new QVBoxLayout;
    verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
    verticalLayout_3->setSpacing(0);
    widgetUserKeyTitleGroup = new QFrame(form);
    widgetUserKeyTitleGroup->setObjectName(QStringLiteral("widgetUserKeyTitleGroup"));
    horizontalLayoutListTitle = new QHBoxLayout(widgetUserKeyTitleGroup);
    horizontalLayoutListTitle->setContentsMargins(12, 6, 12, 2);
    labelLogoTitle = new QLabel(widgetUserKeyTitleGroup);
    labelLogoTitle->setObjectName(QStringLiteral("labelLogoTitle"));
    horizontalSpacer_3 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    horizontalLayoutListTitle->addWidget(labelLogoTitle);
    horizontalLayoutListTitle->addItem(horizontalSpacer_3);
    verticalLayout_3->addWidget(widgetUserKeyTitleGroup);
    frameUserKeyContainer = new UserKeyDetailVListWidget(form);
    frameUserKeyContainer->setObjectName(QStringLiteral("frameUserKeyContainer"));
    verticalLayout_3->addWidget(frameUserKeyContainer, 1);
    verticalLayout_2->addLayout(verticalLayout_3, 1);

    retranslateUi(form);
}

void Ui_UserKeyContainerFrame::retranslateUi(QFrame* form)
{
    form->setWindowTitle(QCoreApplication::translate("UserKeyContainerFrame", "Frame"));
    toolButton->setText(QCoreApplication::translate("UserKeyContainerFrame", "parameter configuration"));
    labelLogoTitle->setText(QCoreApplication::translate("UserKeyContainerFrame", "List"));
}

// ---------------------------------------------------------------------------------------------
// UserKeyContainerFrame

UserKeyContainerFrame::UserKeyContainerFrame(QWidget* parent)
    : QFrame(parent)
    , ui(new Ui_UserKeyContainerFrame)
{
    ui->setupUi(this);
    // The buttons are made before they are connected.
    createWidgets();
    createConnect();
}

UserKeyContainerFrame::~UserKeyContainerFrame()
{
    delete ui;
}

UserKeyAttribute* UserKeyContainerFrame::attributePanel() const
{
    return ui->frameUserKeyAttributeContainer;
}

UserKeyDetailVListWidget* UserKeyContainerFrame::keyList() const
{
    return ui->frameUserKeyContainer;
}

void UserKeyContainerFrame::createWidgets()
{
    m_toolButtonSave = new TextBesideIcon(this, Qt::Horizontal);
    m_toolButtonSave->setObjectName(QStringLiteral("toolButtonSave"));
    m_toolButtonSave->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_toolButtonSave->setIcon(Vireo::Utils::Icon::fromTheme(QStringLiteral("icon_saveData_normal")));
    m_toolButtonSave->setIconSize(QSize(20, 20));
    m_toolButtonSave->setProperty("isSaveDevice", true);
    m_toolButtonSave->setFixedWidth(152);

    ui->toolButtonHide->setCheckable(true);
    ui->toolButtonHide->setProperty("isUserKeyArrow", true);

    m_toolButtonClear = new TextBesideIcon(this, Qt::Horizontal);
    m_toolButtonClear->setObjectName(QStringLiteral("toolButtonClear"));
    m_toolButtonClear->setIcon(Vireo::Utils::Icon::fromTheme(QStringLiteral("userKey_clear")));
    m_toolButtonClear->setIconSize(QSize(16, 16));
    m_toolButtonClear->setProperty("isSaveUserKeyDevice", true);
    m_toolButtonClear->setFixedSize(86, 30);

    ui->horizontalLayout_save->addWidget(m_toolButtonSave);
    ui->horizontalLayout_save->addStretch(1);
    ui->horizontalLayout_save->addWidget(m_toolButtonClear);

    m_pUserEditDialg = new Internal::UserKeyEditCfg(this);
    m_pUserEditDialg->hide();
    retranslateUi();
}

void UserKeyContainerFrame::createConnect()
{
    // Run again when the panel is reset: every link is made once.
    const auto unique = Qt::UniqueConnection;
    auto* list = ui->frameUserKeyContainer;
    auto* devices = DeviceList::instance();
    connect(ui->toolButtonHide, &QToolButton::clicked, this, &UserKeyContainerFrame::slotHidePropertiesWindow, unique);
    connect(m_toolButtonSave, &QToolButton::clicked, this, &UserKeyContainerFrame::slotSaveUserKey, unique);
    connect(m_toolButtonClear, &QToolButton::clicked, this, &UserKeyContainerFrame::slotClearUserKey, unique);
    connect(devices, &DeviceList::signalUserKeyChanged, this, &UserKeyContainerFrame::slotUserKeyChanged, unique);
    connect(devices, &DeviceList::signalModifyUserKeyChanged, this, &UserKeyContainerFrame::slotModifyUserKeyChanged,
        unique);
    connect(devices, &DeviceList::signalClearUserKey, this, &UserKeyContainerFrame::slotClearUserKeyChanged, unique);
    connect(devices, &DeviceList::signalDeleteUserKey, this, &UserKeyContainerFrame::slotDeleteUserKeyChanged, unique);
    connect(list, &UserKeyDetailVListWidget::sgnopenEditContentButton, this,
        &UserKeyContainerFrame::slotOpenEditUserKey, unique);
    connect(list, &UserKeyDetailVListWidget::sgndeleteContentButton, this, &UserKeyContainerFrame::slotDeleteUserKey,
        unique);
    connect(
        list, &UserKeyDetailVListWidget::sgnApplyContentButton, this, &UserKeyContainerFrame::slotApplyUserKey, unique);
    connect(list, &UserKeyListWidget::singalUpdateUserKeyFromModel, this,
        &UserKeyContainerFrame::slotUpdateUserKeyFromModel, unique);
    connect(ui->frameUserKeyAttributeContainer, &UserKeyAttribute::signalNoSelected, this,
        &UserKeyContainerFrame::slotNoSelect, unique);
    connect(ui->toolButton, &QToolButton::clicked, this, &UserKeyContainerFrame::slotResetHidePropertiesWindow, unique);
    connect(this, &UserKeyContainerFrame::signalUpdateUserkeyFinished, this,
        &UserKeyContainerFrame::slotUpdateUserkeyFinished, unique);
    connect(m_pUserEditDialg, &Internal::UserKeyEditCfg::sgnCurrentUserKeyID, this,
        &UserKeyContainerFrame::slotModifyUserKey, unique);
}

void UserKeyContainerFrame::setActivedDevice(std::weak_ptr<Device> device)
{
    m_pActivedDevice = device;
    ui->frameUserKeyContainer->setActivedDevice(std::move(device));
    setButtonStatus();
}

void UserKeyContainerFrame::setActivedScreen(std::weak_ptr<Screen> screen)
{
    m_pActivedScreen = std::move(screen);
    setButtonStatus();
}

void UserKeyContainerFrame::initListWidgetItem(std::weak_ptr<Device> device)
{
    setButtonStatus();
    updateUserKeyFromModel(std::move(device));
}

void UserKeyContainerFrame::setCustomDarg(bool customDrag)
{
    ui->frameUserKeyContainer->setCustomDarg(customDrag);
}

void UserKeyContainerFrame::retranslateUi()
{
    ui->retranslateUi(this);
    ui->frameUserKeyAttributeContainer->retranslateUi();
    m_toolButtonSave->setText(tr("save"));
    m_toolButtonClear->setText(tr("clear"));
}

void UserKeyContainerFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}

void UserKeyContainerFrame::InitUI()
{
    ui->frameUserKeyContainer->clearContentButton();
    ui->frameUserKeyAttributeContainer->initAttribute();
    ui->frameUserKeyAttributeContainer->setUserKey(1);
}

QWidget* UserKeyContainerFrame::boxParent()
{
    QWidget* parent = ui->frameUserKeyContainer->popupDialogParent();
    return parent ? parent : this;
}

void UserKeyContainerFrame::setButtonStatus()
{
    auto device = m_pActivedDevice.lock();
    if (!device) {
        qWarning() << "setButtonStatus failed,pDevice is null!";
        return;
    }
    auto screen = device->activedScreen().lock();
    const bool enable = screen && screen->selectedLayers(Enum::Layer::Regular).size() == 1 &&
        ui->frameUserKeyAttributeContainer->attributeToolButtonStatus() &&
        ui->frameUserKeyContainer->buttonCounts() <= MaxUserKeys - 1;
    m_toolButtonSave->setEnabled(enable);
}

void UserKeyContainerFrame::slotNoSelect()
{
    setButtonStatus();
}

bool UserKeyContainerFrame::checkName(const std::shared_ptr<Device>& device)
{
    const QString name = ui->frameUserKeyAttributeContainer->getLineEditName();
    for (const auto& file : device->files(Enum::File::UserKeyFile)) {
        auto key = asUserKey(file);
        if (key && QString::fromStdString(key->getUserKeyDetail().name) == name) {
            ZK::Widgets::FramelessMessageBox::warning(
                boxParent(), tr("Remind"), tr("The user key name [%1] already exists. Please retry.").arg(name));
            return false;
        }
    }
    return true;
}

void UserKeyContainerFrame::slotSaveUserKey()
{
    auto device = m_pActivedDevice.lock();
    if (!device) {
        qWarning() << "slotSaveUserKey failed,pDevice is null!";
        return;
    }
    auto screen = device->activedScreen().lock();
    if (!screen)
        return;
    const QList<std::weak_ptr<Layer>> selected = screen->selectedLayers();
    if (selected.isEmpty() || !ui->frameUserKeyAttributeContainer->attributeToolButtonStatus())
        return;
    if (!checkName(device))
        return;
    if (ui->frameUserKeyContainer->buttonCounts() > MaxUserKeys - 1) {
        setButtonStatus();
        return;
    }
    auto layer = selected.first().lock();
    if (!layer)
        return;
    const s_UserKeyDetail record = ui->frameUserKeyAttributeContainer->GetUserKey(device, layer);
    const int layerType = record.layerFullDetail.layerIdenti.layerType;
    const bool keyable = layerType != Enum::Layer::LayerTypeValues::Invalid && layerType != Enum::Layer::AUX &&
        layerType != Enum::Layer::BKG && layerType != Enum::Layer::Logo;
    if (keyable && !ModelControl::UserKey(device).sendUserKeyFile(record))
        qWarning() << "Failed to send UserKey File!";
    setButtonStatus();
}

void UserKeyContainerFrame::slotApplyUserKey(qint64 fileId)
{
    auto device = m_pActivedDevice.lock();
    if (!device) {
        qWarning() << "LayerCutInputSource failed,pDevice is null!";
        return;
    }
    auto screen = device->activedScreen().lock();
    if (!screen)
        return;
    const QList<std::weak_ptr<Layer>> selected = screen->selectedLayers();
    if (selected.isEmpty())
        return;
    auto layer = selected.first().lock();
    if (!layer)
        return;
    if (layer->isCutLayer()) {
        ZK::Widgets::FramelessMessageBox::warning(
            boxParent(), tr("Remind"), tr("User key will not take effect on the cut layer."));
        return;
    }
    // A key that went away since the double click applies nothing.
    if (!asUserKey(device->findFile(Enum::File::UserKeyFile, int(fileId)))) {
        qWarning().noquote().nospace() << " userkey is nullptr, userKey id is " << fileId;
        return;
    }
    // The completion may come after this panel is gone, and from another thread: it reaches the
    // panel through its own signal, only while the panel exists.
    QPointer<UserKeyContainerFrame> guard(this);
    auto* request = new ModelControl::AsyncUpdateUserkey(device, layer, fileId, [guard](bool success, QString message) {
        if (guard)
            emit guard->signalUpdateUserkeyFinished(success, message);
    });
    ParallelControl::AsyncManager::instance()->startAsyncRequest(request);
}

void UserKeyContainerFrame::slotUpdateUserkeyFinished(bool success, QString message)
{
    if (message.isEmpty() && !success)
        message = tr("Failed to apply the user key.");
    if (!message.isEmpty())
        ZK::Widgets::FramelessMessageBox::warning(boxParent(), tr("Remind"), message);
}

void UserKeyContainerFrame::slotDeleteUserKey(qint64 number)
{
    auto device = m_pActivedDevice.lock();
    if (!device) {
        qWarning() << "deleteUserKey failed,pDevice is null!";
        return;
    }
    const std::weak_ptr<File> asked = device->findFile(Enum::File::UserKeyFile, int(number));
    device.reset(); // the question may outlive the device
    const auto answer =
        ZK::Widgets::FramelessMessageBox::question(boxParent(), tr("Remind"), tr("Do you want to delete user key?"));
    if (!accepted(answer))
        return;
    device = m_pActivedDevice.lock();
    if (!device) {
        qWarning() << "deleteUserKey failed,pDevice is null!";
        return;
    }
    // The key may have gone, or another key may carry its number now, while the question was open.
    std::shared_ptr<File> key = asked.lock();
    if (!key || key != device->findFile(Enum::File::UserKeyFile, int(number)).lock()) {
        qWarning().noquote().nospace() << " userkey is nullptr, userKey id is " << number;
        updateUserKeyFromModel(device);
        setButtonStatus();
        return;
    }
    key.reset();
    deleteUserKey(number);
    updateUserKeyFromModel(device);
    setButtonStatus();
}

bool UserKeyContainerFrame::deleteUserKey(qint64 number)
{
    auto device = m_pActivedDevice.lock();
    if (!device) {
        qWarning() << "deleteUserKey failed,pDevice is null!";
        return false;
    }
    std::vector<s_UserKeyDetail> higher;
    std::vector<int> higherNumbers;
    for (const s_UserKeyDetail& record : keyRecords(device)) {
        if (record.userKeyId > number) {
            higher.push_back(record);
            higherNumbers.push_back(record.userKeyId);
        }
    }
    auto reportFailure = [this] {
        ZK::Widgets::FramelessMessageBox::warning(
            boxParent(), tr("Remind"), tr("Failed to delete the user key. The other user keys were kept."));
    };

    if (!ModelControl::File(device).removeFile(Enum::File::UserKeyFile, int(number))) {
        qWarning() << "Remove user key failed.";
        reportFailure();
        return false;
    }
    if (higher.empty())
        return true;
    if (!ModelControl::File(device).removeFile(Enum::File::UserKeyFile, higherNumbers)) {
        qWarning() << "Failed to modify UserKeyID：remove userkey failed.";
        reportFailure();
        return false;
    }
    bool allSent = true;
    std::vector<int> placed;
    for (const s_UserKeyDetail& record : higher) {
        s_UserKeyDetail lowered = record;
        lowered.userKeyId = uint8_t(record.userKeyId - 1);
        if (ModelControl::UserKey(device).sendUserKeyFile(lowered)) {
            placed.push_back(lowered.userKeyId);
        } else {
            qWarning() << "Failed to modify UserKeyID：add userkey failed.";
            allSent = false;
        }
    }
    if (!allSent) {
        // Back to the keys as they were (less the deleted one): numbers now holding a key that
        // held none before are emptied, and every shifted key is sent again with its own number.
        std::vector<int> stray;
        for (int n : placed) {
            if (std::find(higherNumbers.begin(), higherNumbers.end(), n) == higherNumbers.end())
                stray.push_back(n);
        }
        Internal::restoreUserKeys(device, higher, stray, false);
        reportFailure();
        return false;
    }
    return true;
}

void UserKeyContainerFrame::slotClearUserKey()
{
    const auto answer = ZK::Widgets::FramelessMessageBox::question(
        boxParent(), tr("Remind"), tr("Do you want to delete all user keys?"));
    if (accepted(answer))
        clearUserKey();
}

void UserKeyContainerFrame::clearUserKey()
{
    if (auto device = DeviceList::instance()->activedDevice().lock()) {
        QString error;
        if (!ModelControl::Device(device).removeFile({Enum::File::UserKeyFile}, error))
            qWarning().noquote() << "Failed to send UserKey File!" << error;
    } else {
        qWarning() << "The device is null";
    }
    setButtonStatus();
}

void UserKeyContainerFrame::slotOpenEditUserKey(qint64 fileId)
{
    auto device = m_pActivedDevice.lock();
    if (!device) {
        qWarning() << "deleteUserKey failed,pDevice is null!";
        return;
    }
    const QList<std::weak_ptr<File>> files = device->files(Enum::File::UserKeyFile);
    std::shared_ptr<UserKey> key;
    for (const auto& file : files) {
        auto candidate = asUserKey(file);
        if (candidate && candidate->fileId() == fileId) {
            key = candidate;
            break;
        }
    }
    if (!key) {
        qWarning().noquote().nospace() << " userkey is nullptr, userKey id is " << fileId;
        return;
    }
    m_pEditedFile = key;
    // The limit first: the key's number is shown even when it is above a stale limit.
    m_pUserEditDialg->setLimitSort(files.size());
    m_pUserEditDialg->setInitParameter(key->getUserKeyDetail());
    m_pUserEditDialg->showNormal();
    m_pUserEditDialg->setDialogMovable(true);
    m_pUserEditDialg->setDialogResizable(false);
    m_pUserEditDialg->setOKButtonDefault(true);
    m_pUserEditDialg->resize(603, 482);
    const QRect desktop = QApplication::desktop()->geometry();
    m_pUserEditDialg->move(
        (desktop.width() - m_pUserEditDialg->width()) / 4, (desktop.height() - m_pUserEditDialg->height()) / 2);
}

void UserKeyContainerFrame::slotModifyUserKey()
{
    auto device = m_pActivedDevice.lock();
    if (!device) {
        qWarning() << "deleteUserKey failed,pDevice is null!";
        m_pUserEditDialg->close();
        return;
    }
    const s_UserKeyDetail previous = m_pUserEditDialg->getLastUserKey();
    const s_UserKeyDetail edited = m_pUserEditDialg->getCurrentUserKey();
    // The key may have gone (or been renumbered) while the editor was open: nothing is sent then.
    std::shared_ptr<File> key = m_pEditedFile.lock();
    if (!key || key != device->findFile(Enum::File::UserKeyFile, previous.userKeyId).lock()) {
        qWarning().noquote().nospace() << " userkey is nullptr, userKey id is " << previous.userKeyId;
        m_pEditedFile.reset();
        m_pUserEditDialg->close();
        updateUserKeyFromModel(device);
        return;
    }
    key.reset();
    ui->frameUserKeyContainer->setActivedDevice(device);
    ui->frameUserKeyContainer->setModitySortUserKeyId(previous, edited, true);
    m_pEditedFile.reset();
    m_pUserEditDialg->close();
}

void UserKeyContainerFrame::updateUserKeyFromModel(std::weak_ptr<Device> weakDevice)
{
    auto device = weakDevice.lock();
    if (!device)
        return;
    const DeviceConfig config = device->deviceConfig();
    slotClearUserKeyChanged();
    ui->frameUserKeyContainer->setActivedDevice(device);

    std::vector<std::shared_ptr<UserKey>> keys;
    for (const auto& file : device->files(Enum::File::UserKeyFile)) {
        if (auto key = asUserKey(file))
            keys.push_back(std::move(key));
    }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a->fileId() < b->fileId(); });

    auto* attribute = ui->frameUserKeyAttributeContainer;
    attribute->setUserKey(qint64(keys.size()) + 1);
    attribute->updateNameEdit(device);
    attribute->updateUserKeyID(device);
    attribute->updateCutFillVisible(config.supportCutAndFill);

    for (size_t i = 0; i < keys.size(); ++i) {
        keys[i]->setUserkeyId(quint8(i + 1));
        ui->frameUserKeyContainer->addContentButton(device, keys[i]);
    }
    if (keys.empty())
        InitUI();
}

void UserKeyContainerFrame::slotHidePropertiesWindow()
{
    ui->frameUserKeyAttributeContainer->setVisible(!ui->toolButtonHide->isChecked());
}

void UserKeyContainerFrame::slotResetHidePropertiesWindow()
{
    ui->toolButtonHide->setChecked(!ui->toolButtonHide->isChecked());
    emit ui->toolButtonHide->clicked(false);
}

void UserKeyContainerFrame::slotUserKeyChanged(std::weak_ptr<Device> device, std::weak_ptr<File> file)
{
    ui->frameUserKeyContainer->addContentButton(device, file);
    ui->frameUserKeyAttributeContainer->updateNameEdit(device);
    ui->frameUserKeyAttributeContainer->updateUserKeyID(device);
    if (!m_pActivedDevice.expired())
        setButtonStatus();
}

void UserKeyContainerFrame::slotModifyUserKeyChanged(std::weak_ptr<Device> device, std::weak_ptr<File> file)
{
    ui->frameUserKeyContainer->modityContentButton(device, file);
    ui->frameUserKeyAttributeContainer->updateNameEdit(device);
    ui->frameUserKeyAttributeContainer->updateUserKeyID(device);
}

void UserKeyContainerFrame::slotDeleteUserKeyChanged(std::weak_ptr<Device> device, std::weak_ptr<File> file)
{
    ui->frameUserKeyContainer->deleteContentButton(device, file);
    ui->frameUserKeyAttributeContainer->updateNameEdit(device);
    ui->frameUserKeyAttributeContainer->updateUserKeyID(device);
    if (!m_pActivedDevice.expired())
        setButtonStatus();
}

void UserKeyContainerFrame::slotClearUserKeyChanged()
{
    ui->frameUserKeyContainer->clearContentButton();
    ui->frameUserKeyAttributeContainer->initAttribute();
    ui->frameUserKeyAttributeContainer->setUserKey(1);
    createConnect();
}

void UserKeyContainerFrame::slotUpdateUserKeyFromModel(std::weak_ptr<Device> device)
{
    updateUserKeyFromModel(std::move(device));
}

} // namespace Vireo::Widgets
