#pragma once

#include <vireowidgets/foundation/navisliderframe.h>
#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/bizmodel.h>

#include <QList>
#include <QPointer>
#include <QSize>
#include <QToolButton>

#include <memory>
#include <vector>

class QAbstractButton;
class QDragEnterEvent;
class QDragLeaveEvent;
class QDragMoveEvent;
class QDropEvent;
class QHBoxLayout;
class QLabel;
class QMimeData;
class QMouseEvent;

namespace Vireo::Widgets {

// One user key: a colour swatch showing the key number, the name, an edit and a delete button.
// Every signal carries the key's file identifier, which is also its number.
class VIREOWIDGETS_EXPORT UserKeyListContentButton : public QToolButton
{
    Q_OBJECT
public:
    UserKeyListContentButton(std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file,
        QWidget* parent = nullptr);
    ~UserKeyListContentButton() override;

    // Stores both references; does not refresh the children (updateUIFromData does).
    void setUserKey(std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file);
    std::weak_ptr<Vireo::BizModel::File> userkey() const { return m_pFile; }
    // The key's file identifier, 0 when the file is gone or not a user key.
    qint64 fileId() const;
    // userKeyId of the key's record, 0 when the file is gone or not a user key.
    qint64 getUserKeyNo() const;

    void setIsDragState(bool b);
    bool dragState() const { return m_IsDragState; }

    // Sets the swatch's colour property of `color` and clears the seven others.
    void colorLabel(int color);

    virtual void updateUIFromData();
    virtual void updateUserKey();
    virtual void retranslateUi();

    // Sized by its children: a tool button would size itself from its own (empty) text.
    QSize sizeHint() const override;

signals:
    void userKeyPressed(qint64 fileId);
    void userKeyReleased(qint64 fileId);
    void userKeyDoubleClicked(qint64 fileId);
    void sgnOpenUserKeyEdit(qint64 fileId);
    void sgnDeleteUserKey(qint64 fileId);

public slots:
    void slotOpenUserKeyEdit();
    void slotDeleteUserKey();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

public:
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    std::weak_ptr<Vireo::BizModel::Device> m_pDevice;
    std::weak_ptr<Vireo::BizModel::File> m_pFile;
    QLabel* m_colorLabel = nullptr;
    QLabel* m_nameLabel = nullptr;
    QToolButton* m_editToolButton = nullptr;
    QToolButton* m_deleteToolButton = nullptr;
    QHBoxLayout* m_layout = nullptr;
    bool m_IsDragState = false;

private:
    // The key shown when the edit or delete button was pressed: a click acts only on that key.
    // Recorded by the first `pressed` of a press (Qt repeats it when the held pointer comes back).
    std::weak_ptr<Vireo::BizModel::File> m_pToolPressedFile;
    bool m_bToolPressRecorded = false;
    void recordToolPress();
    // The key pressed, when the button still shows it; logs and returns null otherwise.
    std::shared_ptr<Vireo::BizModel::UserKey> pressedKeyOrWarn();
    void createWidgets();
    // The key's file when it is alive and a user key; logs "userKeyFile is null." otherwise.
    std::shared_ptr<Vireo::BizModel::UserKey> keyOrWarn() const;
};

// The list of the device's user keys. Keys are reordered by dragging a key's button inside the
// list; dropping renumbers the keys on the device. The concrete button comes from
// createUserKeyContentButton.
class VIREOWIDGETS_EXPORT UserKeyListWidget : public NaviSliderFrame
{
    Q_OBJECT
public:
    static constexpr qint64 NoUserKey = 0xFFFFFFFF;

    explicit UserKeyListWidget(QWidget* parent = nullptr);
    ~UserKeyListWidget() override;

    void setActivedDevice(std::weak_ptr<Vireo::BizModel::Device> device);
    std::weak_ptr<Vireo::BizModel::Device> currentDevice() const { return m_pDevice; }

    virtual void initListWidgetItem(std::weak_ptr<Vireo::BizModel::Device> device);
    // A setter, despite its name.
    virtual void isEnableDrag(bool enable);
    virtual void setPopupDialogParent(QWidget* parent);
    virtual QWidget* popupDialogParent() const;

    void retranslateUi() override;

    UserKeyListContentButton* findContentButton(qint64 fileId) const;
    UserKeyListContentButton* findContentButton(QList<QAbstractButton*> const& buttons, qint64 fileId) const;
    // The first key button, not being dragged, whose vertical middle lies below `pos` (list
    // coordinates) and which spans pos.x; null when none.
    UserKeyListContentButton* findContentButton(QPoint pos) const;
    UserKeyListContentButton* findNextContentButton(UserKeyListContentButton* button) const;
    void setContentButtonEnabled(qint64 fileId, bool enabled);
    // Key buttons in the order the strip shows them.
    QList<UserKeyListContentButton*> keyButtonsInOrder() const;

    // Gives key `previous.userKeyId` the record `edited` (its number may change; the keys between
    // the two numbers shift by one to make room) and sends every changed key to the device. False
    // when the name is taken by another key, the key is gone or the device refused a command; a
    // refused command leaves the device's keys as they were.
    bool setModitySortUserKeyId(
        Vireo::BizModel::s_UserKeyDetail previous, Vireo::BizModel::s_UserKeyDetail edited, bool scroll);
    bool deleteModityUserKey(qint64 number);

signals:
    // The list asks its owner to rebuild it from the model.
    void singalUpdateUserKeyFromModel(std::weak_ptr<Vireo::BizModel::Device> pDevice);

public:
    virtual void startDrag(QMouseEvent* event);
    virtual UserKeyListContentButton* createUserKeyContentButton(
        std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file, QWidget* parent) = 0;
    void resetHideContentButton(QToolButton* button) override;
    void contentBtnMoveEvent(quint8 number, QPoint pos);
    void sendUiListToHw(std::weak_ptr<Vireo::BizModel::File> file);

public slots:
    virtual void slotUserKeyPressed(qint64 id);
    virtual void slotUserKeyReleased(qint64 id);

protected slots:
    // A press on a key's edit or delete button ends any key press still recorded.
    void slotKeyToolPressed();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    // Connects a key button's press and release to this list (once).
    void connectPressRelease(UserKeyListContentButton* button);

    std::weak_ptr<Vireo::BizModel::Device> m_pDevice;
    std::weak_ptr<Vireo::BizModel::File> m_pFile;
    qint64 m_userKeyID = 1;
    QSize m_dragPixmapSize = QSize(0, 0);
    bool m_bEnableDrag = true;
    QWidget* m_pParentWidget = nullptr;
    UserKeyListContentButton* m_pLastMoveBtn = nullptr;

private:
    // The key the operator pressed and the one being dragged, as model objects: a number alone
    // may name another key by the time the pointer moves or drops.
    std::weak_ptr<Vireo::BizModel::File> m_pPressedFile;
    std::weak_ptr<Vireo::BizModel::File> m_pDraggedFile;
    qint64 m_nDraggedKeyNo = NoUserKey;
    bool m_bKeyPressed = false;
    // The frame's press serial of the key press: a later press elsewhere (on the list, or on a
    // key's edit or delete button) drags nothing.
    quint64 m_nKeyPressSerial = 0;
    bool m_bStyleRefreshQueued = false;
    QList<QPointer<UserKeyListContentButton>> m_restyleButtons; // placed new or out of the cache

    static qint64 keyNumberFromMime(const QMimeData* mime, bool* ok);
    void leaveDragState();
};

// The vertical user key list of the user key frame; adds, updates and removes single buttons in
// place and re-emits the buttons' edit, delete and apply requests.
class VIREOWIDGETS_EXPORT UserKeyDetailVListWidget : public UserKeyListWidget
{
    Q_OBJECT
public:
    static constexpr int MaxKeyButtons = 128;

    explicit UserKeyDetailVListWidget(QWidget* parent = nullptr);
    ~UserKeyDetailVListWidget() override;

    void addContentButton(std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file);
    void modityContentButton(std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file);
    void deleteContentButton(std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file);
    void updateUserKeyListContentButton(
        std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file);
    UserKeyListContentButton* findBeforeContentButton(QList<QAbstractButton*> const& buttons, qint64 number) const;
    void clearContentButton();
    int buttonCounts() const;
    void setScrollBarPos(int n);

    // Consistency check: logs when the number of key buttons differs from the number of the
    // device's valid inputs, then refreshes the buttons.
    void slotInterfaceSignalChanged(
        std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file);

    using NaviSliderFrame::addContentButton;

signals:
    void sgnopenEditContentButton(qint64 userKeyFileID);
    void sgndeleteContentButton(qint64 userKeyFileID);
    void sgnApplyContentButton(qint64 userKeyFileID);

public slots:
    void slotOpenEditContentButton(qint64 userKeyFileID);
    void slotDeleteContentButton(qint64 userKeyFileID);
    void slotApplyContentButton(qint64 userKeyFileID);

public:
    void setMainLayout() override;
    UserKeyListContentButton* createUserKeyContentButton(std::weak_ptr<Vireo::BizModel::Device> device,
        std::weak_ptr<Vireo::BizModel::File> file, QWidget* parent) override;

private:
    UserKeyListContentButton* makeConnectedButton(
        std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::File> file);
};

namespace Internal {

// Puts user keys back on the device as they were after the device refused part of a change:
// first removes `strayNumbers` (numbers the partial change filled that held no key before), then
// sends every record of `records` again. The records go with the send command that was not the
// refused one (`refusedModifySend`: sendModityUserKeyFile was refused, so sendUserKeyFile is used,
// and the other way round). True when every command succeeded.
VIREOWIDGETS_EXPORT bool restoreUserKeys(const std::shared_ptr<Vireo::BizModel::Device>& device,
    const std::vector<Vireo::BizModel::s_UserKeyDetail>& records, const std::vector<int>& strayNumbers,
    bool refusedModifySend);

} // namespace Internal

} // namespace Vireo::Widgets
