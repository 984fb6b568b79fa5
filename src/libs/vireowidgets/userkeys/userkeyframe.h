#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/bizmodel.h>

#include <QFrame>

#include <memory>

class QFrame;
class QHBoxLayout;
class QLabel;
class QSpacerItem;
class QToolButton;
class QVBoxLayout;

namespace Vireo::Widgets {

class TextBesideIcon;
class UserKeyAttribute;
class UserKeyDetailVListWidget;

namespace Internal {
class UserKeyEditCfg;
}

// The form of the user key panel: the title row that folds the attribute panel, the attribute
// panel, the save row, then the "List" title and the key list. Object names are those of the
// members.
class VIREOWIDGETS_EXPORT Ui_UserKeyContainerFrame
{
public:
    QVBoxLayout* verticalLayout_2 = nullptr;
    QVBoxLayout* verticalLayout = nullptr;
    QFrame* frameBKGTitleGroup = nullptr;
    QHBoxLayout* horizontalLayoutTitle = nullptr;
    QToolButton* toolButtonHide = nullptr;
    QToolButton* toolButton = nullptr;
    QSpacerItem* horizontalSpacer = nullptr;
    QFrame* line_2 = nullptr;
    UserKeyAttribute* frameUserKeyAttributeContainer = nullptr;
    QHBoxLayout* horizontalLayout_save = nullptr;
    QFrame* line = nullptr;
    QVBoxLayout* verticalLayout_3 = nullptr;
    QFrame* widgetUserKeyTitleGroup = nullptr;
    QHBoxLayout* horizontalLayoutListTitle = nullptr;
    QLabel* labelLogoTitle = nullptr;
    QSpacerItem* horizontalSpacer_3 = nullptr;
    UserKeyDetailVListWidget* frameUserKeyContainer = nullptr;

    void setupUi(QFrame* form);
    void retranslateUi(QFrame* form);
};

// The user key panel: makes keys from the selected layer, applies, edits, deletes and clears them,
// and follows the device model's user key notifications.
class VIREOWIDGETS_EXPORT UserKeyContainerFrame : public QFrame
{
    Q_OBJECT
public:
    static constexpr int MaxUserKeys = 128;

    explicit UserKeyContainerFrame(QWidget* parent = nullptr);
    ~UserKeyContainerFrame() override;

    void setActivedDevice(std::weak_ptr<Vireo::BizModel::Device> device);
    void setActivedScreen(std::weak_ptr<Vireo::BizModel::Screen> screen);
    void initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> device);
    void setCustomDarg(bool customDrag);
    void retranslateUi();
    void InitUI();

    void updateUserKeyFromModel(std::weak_ptr<Vireo::BizModel::Device> device);
    // Deletes key `number` and renumbers the keys after it one lower. False when the device is gone
    // or refused a command; a refused command leaves every other key on the device.
    bool deleteUserKey(qint64 number);
    void clearUserKey();
    void setButtonStatus();

    UserKeyAttribute* attributePanel() const;
    UserKeyDetailVListWidget* keyList() const;
    Internal::UserKeyEditCfg* editDialog() const { return m_pUserEditDialg; }

signals:
    void signalUpdateUserkeyFinished(bool success, QString message);

public slots:
    void slotSaveUserKey();
    void slotApplyUserKey(qint64 fileId);
    void slotDeleteUserKey(qint64 number);
    void slotClearUserKey();
    void slotOpenEditUserKey(qint64 fileId);
    void slotModifyUserKey();
    void slotHidePropertiesWindow();
    void slotResetHidePropertiesWindow();
    void slotNoSelect();
    void slotUpdateUserkeyFinished(bool success, QString message);
    void slotUserKeyChanged(std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file);
    void slotModifyUserKeyChanged(
        std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file);
    void slotDeleteUserKeyChanged(
        std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file);
    void slotClearUserKeyChanged();
    void slotUpdateUserKeyFromModel(std::weak_ptr<Vireo::BizModel::Device> device);

protected:
    void changeEvent(QEvent* event) override;

private:
    void createConnect();
    void createWidgets();
    bool checkName(const std::shared_ptr<Vireo::BizModel::Device>& device);
    QWidget* boxParent();

    Ui_UserKeyContainerFrame* ui = nullptr;
    TextBesideIcon* m_toolButtonSave = nullptr;
    TextBesideIcon* m_toolButtonClear = nullptr;
    Internal::UserKeyEditCfg* m_pUserEditDialg = nullptr;
    std::weak_ptr<Vireo::BizModel::Device> m_pActivedDevice;
    std::weak_ptr<Vireo::BizModel::Screen> m_pActivedScreen;
    // The key open in the editor: the edit is committed only to that same key.
    std::weak_ptr<Vireo::BizModel::File> m_pEditedFile;
};

} // namespace Vireo::Widgets
