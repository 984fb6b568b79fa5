#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <zkwidgets/framelessdialog.h>

#include <vireomodel/bizmodel.h>

#include <QFrame>
#include <QList>

#include <memory>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLayout;
class QToolButton;
class QVBoxLayout;

namespace Vireo::Widgets {

class FixedBitLineEditEx;

// The buttons both user key forms have: one per property group a key can carry and one per colour.
class VIREOWIDGETS_EXPORT UserKeyFormButtons
{
public:
    QToolButton* toolButtonInputResources = nullptr;
    QToolButton* toolButtonFilp = nullptr;
    QToolButton* toolButtonMask = nullptr;
    QToolButton* toolButtonPos = nullptr;
    QToolButton* toolButtonIntercept = nullptr;
    QToolButton* toolButtonLayerColor = nullptr;
    QToolButton* toolButtonBorder = nullptr;
    QToolButton* toolButtonSize = nullptr;
    QToolButton* toolButtonColor = nullptr;
    QToolButton* toolButtonCutAndFill = nullptr;
    QToolButton* toolButtonBlueColor = nullptr;
    QToolButton* toolButtonOrangeColor = nullptr;
    QToolButton* toolButtonYellowColor = nullptr;
    QToolButton* toolButtonGreenColor = nullptr;
    QToolButton* toolButtonCyanColor = nullptr;
    QToolButton* toolButtonDarkBlueColor = nullptr;
    QToolButton* toolButtonPurpleColor = nullptr;
    QToolButton* toolButtonBlackColor = nullptr;

    // The property buttons in the order of the record's flags table; the colour buttons in
    // UserKeyColorEnum order.
    QList<QToolButton*> propertyButtons() const;
    QList<QToolButton*> colorButtons() const;
};

// The form of the attribute panel: select-all row, two columns of property buttons, the name row
// and two rows of four colour buttons. Object names are those of the members.
class VIREOWIDGETS_EXPORT Ui_UserKeyAttribute : public UserKeyFormButtons
{
public:
    QVBoxLayout* verticalLayout = nullptr;
    QHBoxLayout* horizontalLayoutSelectAll = nullptr;
    QLabel* labelSelectAll = nullptr;
    QCheckBox* checkBoxAll = nullptr;
    QGridLayout* gridLayoutProperties = nullptr;
    QHBoxLayout* horizontalLayoutName = nullptr;
    QLabel* labelName = nullptr;
    FixedBitLineEditEx* lineEdit = nullptr;
    QLabel* labelColorTitle = nullptr;
    QGridLayout* gridLayoutColor = nullptr;

    void setupUi(QFrame* form);
    void retranslateUi(QFrame* form);
};

// The attribute panel of the user key frame: which property groups a new key carries, its name
// and its colour. GetUserKey turns the panel and a layer into a key record.
class VIREOWIDGETS_EXPORT UserKeyAttribute : public QFrame
{
    Q_OBJECT
public:
    explicit UserKeyAttribute(QWidget* parent = nullptr);
    ~UserKeyAttribute() override;

    Vireo::BizModel::s_UserKeyDetail GetUserKey(
        std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::Layer> layer);
    bool attributeToolButtonStatus() const;
    QString getLineEditName() const;
    void setLineEdit(const QString& name);
    void initAttribute();
    void setUserKey(qint64 userKeyId);
    qint64 userKeyID() const { return m_userKeyID; }
    void updateUserKeyID(std::weak_ptr<Vireo::BizModel::Device> device);
    void updateNameEdit(std::weak_ptr<Vireo::BizModel::Device> device);
    void updateCutFillVisible(bool visible);
    void setPropertiesWindow(bool show);
    void retranslateUi();
    // The colour of the colour button with that group id (buttons in UserKeyColorEnum order).
    static int getUserKeyColor(int buttonId);

signals:
    void signalNoSelected();

public slots:
    void slotHidePropertiesWindow(QLayout* layout, bool show);
    void slotCheckboxClicked();
    void slotParPushBtnClicked(QAbstractButton* button);
    void slotUpdateUserKeyName();

protected:
    void changeEvent(QEvent* event) override;

private:
    void createConnect();
    bool everyShownPropertyChecked() const;

    Ui_UserKeyAttribute* ui = nullptr;
    Vireo::BizModel::s_UserKeyDetail* m_userKey = nullptr;
    qint64 m_userKeyID = 1;
    qint64 m_userKeyNameFlag = 0;
    QButtonGroup* m_groupButton = nullptr;
    QButtonGroup* m_groupButtonPar = nullptr;
    bool m_bCutFillSupported = true; // the device has cut-and-fill layers
};

namespace Internal {

class UserKeyEditCfg;

// The form of the key editor: the "parameter" section with the property buttons, the "attribute"
// section with name, colour and number ("sort", with "-" and "+").
class VIREOWIDGETS_EXPORT Ui_userKeyModifyDialog : public UserKeyFormButtons
{
public:
    QVBoxLayout* verticalLayout = nullptr;
    QLabel* labelParameter = nullptr;
    QGridLayout* gridLayoutProperties = nullptr;
    QLabel* labelAttribute = nullptr;
    QLabel* labelName = nullptr;
    FixedBitLineEditEx* lineEditName = nullptr;
    QLabel* labelColor = nullptr;
    QLabel* labelSort = nullptr;
    QToolButton* toolButtonReduce = nullptr;
    FixedBitLineEditEx* lineEditSort = nullptr;
    QToolButton* toolButtonAdd = nullptr;

    void setupUi(QFrame* form);
    void retranslateUi(QFrame* form);
};

// The content of the key editor: flags, name, colour and number of one existing key.
class VIREOWIDGETS_EXPORT UserKeyModifyDialog : public QFrame
{
    Q_OBJECT
public:
    explicit UserKeyModifyDialog(UserKeyEditCfg* dialog, QWidget* parent = nullptr);
    ~UserKeyModifyDialog() override;

    void initParameter(const Vireo::BizModel::s_UserKeyDetail& detail);
    Vireo::BizModel::s_UserKeyDetail getCurrentUserKey() const;
    Vireo::BizModel::s_UserKeyDetail getLastUserKey() const { return m_lastUserKeyDetailInfo; }
    void setLimitSort(int limit);
    int limitSort() const { return m_limitSort; }
    void setCutFillstatus(bool visible);
    void retranslateUi();
    // The colour button's group id for a UserKeyColorEnum value (-1 when there is none).
    static int getUserKeyColorID(int color);

public slots:
    void slotAdd();
    void slotReduce();
    void slotTextChange(const QString& text);
    void slotTextChangeFinished();
    void slotUpdateUserKeyName();

private:
    UserKeyEditCfg* m_pUserKeyDialg = nullptr;
    Ui_userKeyModifyDialog* ui = nullptr;
    QButtonGroup* m_pButtonGroup = nullptr;
    QButtonGroup* m_pButtonColorGroup = nullptr;
    Vireo::BizModel::s_UserKeyDetail m_currenrtUserKeyDetailInfo;
    Vireo::BizModel::s_UserKeyDetail m_lastUserKeyDetailInfo;
    int m_limitSort = 1;
};

// The editor of an existing user key. OK only announces the edit (sgnCurrentUserKeyID); the owner
// commits it and closes the dialog.
class VIREOWIDGETS_EXPORT UserKeyEditCfg : public ZK::Widgets::FramelessDialog
{
    Q_OBJECT
public:
    explicit UserKeyEditCfg(QWidget* parent = nullptr);
    ~UserKeyEditCfg() override;

    void setInitParameter(const Vireo::BizModel::s_UserKeyDetail& detail);
    Vireo::BizModel::s_UserKeyDetail getCurrentUserKey() const;
    Vireo::BizModel::s_UserKeyDetail getLastUserKey() const;
    void setLimitSort(int limit);
    UserKeyModifyDialog* content() const { return d; }

    QSize sizeHint() const override;
    void reTranslateUI() override;

signals:
    void sgnCurrentUserKeyID();

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    UserKeyModifyDialog* d = nullptr;
};

} // namespace Internal

} // namespace Vireo::Widgets
