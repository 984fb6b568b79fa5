#include "userkeylistwidget.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/resourcedrag.h>
#include <vireowidgets/resources/inputlistwidget.h>

#include <vireomodel/modelcontrol.h>

#include <zkwidgets/framelessmessagebox.h>

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QDebug>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollArea>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

namespace Vireo::Widgets {

using namespace Vireo::BizModel;

namespace {

// The swatch's style property of each UserKeyColorEnum value, in value order.
const char* const ColorProperties[] = {"isUserKeyColorBlue", "isUserKeyColorOrange", "isUserKeyColorYellow",
    "isUserKeyColorGreen", "isUserKeyColorCyan", "isUserKeyColorDarkBlue", "isUserKeyColorPurple",
    "isUserKeyColorBlack"};

constexpr int ButtonHeight = 48;
constexpr int ButtonMinWidth = 280;

// Sets a style property and tells whether its value changed: only then does the widget need to
// be polished again (a widget not polished yet takes its look when it is first shown).
bool setLookProperty(QWidget* widget, const char* name, bool value)
{
    const QVariant current = widget->property(name);
    if (current.isValid() && current.toBool() == value)
        return false;
    widget->setProperty(name, value);
    return widget->testAttribute(Qt::WA_WState_Polished);
}

std::shared_ptr<UserKey> asUserKey(const std::weak_ptr<File>& file)
{
    return std::dynamic_pointer_cast<UserKey>(file.lock());
}

// The device's user keys in model order, alive ones only.
std::vector<std::shared_ptr<UserKey>> userKeysOf(const std::shared_ptr<Device>& device)
{
    std::vector<std::shared_ptr<UserKey>> keys;
    if (!device)
        return keys;
    for (const auto& file : device->files(Enum::File::UserKeyFile)) {
        if (auto key = asUserKey(file))
            keys.push_back(std::move(key));
    }
    return keys;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// UserKeyListContentButton

UserKeyListContentButton::UserKeyListContentButton(
    std::weak_ptr<Device> device, std::weak_ptr<File> file, QWidget* parent)
    : QToolButton(parent)
{
    setUserKey(std::move(device), std::move(file));
    createWidgets();
    connect(m_editToolButton, &QToolButton::clicked, this, &UserKeyListContentButton::slotOpenUserKeyEdit);
    connect(m_deleteToolButton, &QToolButton::clicked, this, &UserKeyListContentButton::slotDeleteUserKey);
    for (QToolButton* tool : {m_editToolButton, m_deleteToolButton}) {
        tool->installEventFilter(this);
        connect(tool, &QToolButton::pressed, this, &UserKeyListContentButton::recordToolPress);
    }
    updateUIFromData();
}

void UserKeyListContentButton::recordToolPress()
{
    if (m_bToolPressRecorded)
        return;
    m_bToolPressRecorded = true;
    m_pToolPressedFile = m_pFile;
}

bool UserKeyListContentButton::eventFilter(QObject* watched, QEvent* event)
{
    // A new press of the edit or delete button (before its `pressed`) forgets an earlier one.
    if (watched == m_editToolButton || watched == m_deleteToolButton) {
        const bool keyPress = event->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->isAutoRepeat();
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick || keyPress)
            m_bToolPressRecorded = false;
    }
    return QToolButton::eventFilter(watched, event);
}

std::shared_ptr<UserKey> UserKeyListContentButton::pressedKeyOrWarn()
{
    const bool recorded = m_bToolPressRecorded;
    const std::shared_ptr<File> pressed = m_pToolPressedFile.lock();
    m_pToolPressedFile.reset();
    m_bToolPressRecorded = false;
    auto key = keyOrWarn();
    // A rebuild may have given this button another key since the press. A click with no press
    // behind it (the host's click() or a signal of its own) acts on the key shown.
    if (key && recorded && key != pressed) {
        qWarning().noquote().nospace() << " userkey changed since the press, userKey id is " << key->fileId();
        return nullptr;
    }
    return key;
}

UserKeyListContentButton::~UserKeyListContentButton() = default;

void UserKeyListContentButton::createWidgets()
{
    setProperty("isUserKeyItemButton", true);
    setFixedHeight(ButtonHeight);

    m_colorLabel = new QLabel(this);
    m_colorLabel->setAlignment(Qt::AlignCenter);
    m_colorLabel->setFixedSize(34, 34);
    m_colorLabel->setProperty("isUserKeyColorLabel", true);

    m_nameLabel = new QLabel(this);
    m_nameLabel->setProperty("isUserKeyNameLabel", true);
    m_nameLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    m_editToolButton = new QToolButton(this);
    m_editToolButton->setFixedSize(34, 34);
    m_editToolButton->setProperty("isUserKeyItemButtonEdit", true);

    m_deleteToolButton = new QToolButton(this);
    m_deleteToolButton->setFixedSize(34, 34);
    m_deleteToolButton->setProperty("isUserKeyItemButtonDelete", true);

    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(8, 0, 8, 0);
    m_layout->setSpacing(8);
    m_layout->addWidget(m_colorLabel);
    m_layout->addWidget(m_nameLabel, 1);
    m_layout->addWidget(m_editToolButton);
    m_layout->addWidget(m_deleteToolButton);
}

QSize UserKeyListContentButton::sizeHint() const
{
    const QSize children = m_layout ? m_layout->sizeHint() : QSize();
    return {qMax(ButtonMinWidth, children.width()), ButtonHeight};
}

void UserKeyListContentButton::setUserKey(std::weak_ptr<Device> device, std::weak_ptr<File> file)
{
    m_pDevice = std::move(device);
    m_pFile = std::move(file);
}

qint64 UserKeyListContentButton::fileId() const
{
    if (auto key = asUserKey(m_pFile))
        return key->fileId();
    return 0;
}

qint64 UserKeyListContentButton::getUserKeyNo() const
{
    if (auto key = asUserKey(m_pFile))
        return key->getUserKeyDetail().userKeyId;
    return 0;
}

void UserKeyListContentButton::setIsDragState(bool b)
{
    // The property follows the state from construction on: only a change needs a new look.
    if (b == m_IsDragState)
        return;
    m_IsDragState = b;
    setProperty("isUserKeyItemButton", !b);
    if (testAttribute(Qt::WA_WState_Polished))
        Internal::repolish(this);
}

void UserKeyListContentButton::colorLabel(int color)
{
    // A reused or recoloured button must not keep the property of an earlier colour: exactly the
    // current colour's property is true (none for a value outside the table).
    bool changed = false;
    for (int value = 0; value < int(std::size(ColorProperties)); ++value)
        changed = setLookProperty(m_colorLabel, ColorProperties[value], value == color) || changed;
    if (changed)
        Internal::repolish(m_colorLabel);
}

void UserKeyListContentButton::updateUIFromData()
{
    auto key = asUserKey(m_pFile);
    if (!key) {
        // An emptied (cached) button shows nothing.
        colorLabel(-1);
        m_colorLabel->clear();
        m_nameLabel->clear();
        return;
    }
    const s_UserKeyDetail detail = key->getUserKeyDetail();
    colorLabel(detail.userKeyColor);
    m_colorLabel->setText(QString::number(detail.userKeyId));
    m_colorLabel->setAlignment(Qt::AlignCenter);
    m_nameLabel->setText(QString::fromStdString(detail.name));
}

void UserKeyListContentButton::updateUserKey() { }

void UserKeyListContentButton::retranslateUi() { }

std::shared_ptr<UserKey> UserKeyListContentButton::keyOrWarn() const
{
    auto key = asUserKey(m_pFile);
    if (!key)
        qWarning() << "userKeyFile is null.";
    return key;
}

void UserKeyListContentButton::slotOpenUserKeyEdit()
{
    if (auto key = pressedKeyOrWarn())
        emit sgnOpenUserKeyEdit(key->fileId());
}

void UserKeyListContentButton::slotDeleteUserKey()
{
    if (auto key = pressedKeyOrWarn())
        emit sgnDeleteUserKey(key->fileId());
}

void UserKeyListContentButton::mousePressEvent(QMouseEvent* event)
{
    QToolButton::mousePressEvent(event);
    if (auto key = keyOrWarn())
        emit userKeyPressed(key->fileId());
}

void UserKeyListContentButton::mouseReleaseEvent(QMouseEvent* event)
{
    QToolButton::mouseReleaseEvent(event);
    if (auto key = keyOrWarn())
        emit userKeyReleased(key->fileId());
}

void UserKeyListContentButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_UNUSED(event)
    if (auto key = keyOrWarn())
        emit userKeyDoubleClicked(key->fileId());
}

// ---------------------------------------------------------------------------------------------
// UserKeyListWidget

UserKeyListWidget::UserKeyListWidget(QWidget* parent)
    : NaviSliderFrame(parent)
{
    setAcceptDrops(true);
    setAllowDragEdge(Qt::LeftEdge);
}

UserKeyListWidget::~UserKeyListWidget() = default;

void UserKeyListWidget::setActivedDevice(std::weak_ptr<Device> device)
{
    m_pDevice = std::move(device);
}

void UserKeyListWidget::initListWidgetItem(std::weak_ptr<Device> device)
{
    RebuildScope scope(this);
    m_pDevice = std::move(device);
    auto dev = m_pDevice.lock();
    if (!dev) {
        contentButtonsHide();
        return;
    }

    const QList<QAbstractButton*> reuse = getContentButtons();
    int shown = 0;
    for (const auto& file : dev->files(Enum::File::UserKeyFile)) {
        auto* button = reuseContentButton<UserKeyListContentButton>(reuse, shown);
        // New buttons and those back from the cache get their style again once the loop has run;
        // a button kept in place re-styles itself when its look changes.
        if (!button || button->isHidden())
            m_restyleButtons.append(button);
        if (button) {
            button->setUserKey(m_pDevice, file);
            // A reused button shows its new key, not the one it had before.
            button->updateUIFromData();
            button->setIsDragState(false);
        } else {
            button = createUserKeyContentButton(m_pDevice, file, m_pContentFrame);
            if (!button)
                continue;
            m_restyleButtons.last() = button;
            connectPressRelease(button);
        }
        placeContentButton(button, false);
        ++shown;
    }
    hideContentButtonsFrom(reuse, shown);
    contentFrameResize();

    m_restyleButtons.removeAll(nullptr);
    if (!m_restyleButtons.isEmpty()) {
        Internal::queueStyleRefresh(this, m_bStyleRefreshQueued, [this] {
            const QList<QPointer<UserKeyListContentButton>> buttons = std::exchange(m_restyleButtons, {});
            for (UserKeyListContentButton* button : buttons) {
                if (button && button->group() == m_pContentButtonGroup)
                    Internal::repolish(button);
            }
        });
    }
}

void UserKeyListWidget::connectPressRelease(UserKeyListContentButton* button)
{
    connect(button, &UserKeyListContentButton::userKeyPressed, this, &UserKeyListWidget::slotUserKeyPressed,
        Qt::UniqueConnection);
    connect(button, &UserKeyListContentButton::userKeyReleased, this, &UserKeyListWidget::slotUserKeyReleased,
        Qt::UniqueConnection);
    for (QToolButton* tool : button->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly))
        connect(tool, &QAbstractButton::pressed, this, &UserKeyListWidget::slotKeyToolPressed, Qt::UniqueConnection);
}

void UserKeyListWidget::isEnableDrag(bool enable)
{
    m_bEnableDrag = enable;
}

void UserKeyListWidget::setPopupDialogParent(QWidget* parent)
{
    m_pParentWidget = parent;
}

QWidget* UserKeyListWidget::popupDialogParent() const
{
    return m_pParentWidget;
}

void UserKeyListWidget::retranslateUi()
{
    for (UserKeyListContentButton* button : keyButtonsInOrder())
        button->retranslateUi();
}

QList<UserKeyListContentButton*> UserKeyListWidget::keyButtonsInOrder() const
{
    QList<UserKeyListContentButton*> buttons;
    if (!m_pContentLayout)
        return buttons;
    for (int i = 0; i < m_pContentLayout->count(); ++i) {
        auto* button = qobject_cast<UserKeyListContentButton*>(m_pContentLayout->itemAt(i)->widget());
        if (button && button->group() == m_pContentButtonGroup)
            buttons << button;
    }
    return buttons;
}

UserKeyListContentButton* UserKeyListWidget::findContentButton(qint64 fileId) const
{
    return findContentButton(getContentButtons(), fileId);
}

UserKeyListContentButton* UserKeyListWidget::findContentButton(
    QList<QAbstractButton*> const& buttons, qint64 fileId) const
{
    for (QAbstractButton* candidate : buttons) {
        auto* button = qobject_cast<UserKeyListContentButton*>(candidate);
        if (button && button->fileId() == fileId)
            return button;
    }
    return nullptr;
}

UserKeyListContentButton* UserKeyListWidget::findContentButton(QPoint pos) const
{
    if (!m_pContentFrame)
        return nullptr;
    // Button geometry is in the strip's coordinates: the pointer is mapped there, which also takes
    // the scroll offset and the strip's place in the list into account.
    const QPoint p = m_pContentFrame->mapFrom(this, pos);
    for (UserKeyListContentButton* button : keyButtonsInOrder()) {
        if (button->dragState())
            continue;
        const QRect g = button->geometry();
        if (g.left() < p.x() && p.x() < g.right() + 1 && p.y() < g.top() + (g.bottom() - g.top() + 1) / 2)
            return button;
    }
    return nullptr;
}

UserKeyListContentButton* UserKeyListWidget::findNextContentButton(UserKeyListContentButton* button) const
{
    const QList<UserKeyListContentButton*> buttons = keyButtonsInOrder();
    const int index = buttons.indexOf(button);
    if (index < 0 || index + 1 >= buttons.size())
        return nullptr;
    return buttons.at(index + 1);
}

void UserKeyListWidget::setContentButtonEnabled(qint64 fileId, bool enabled)
{
    if (auto* button = findContentButton(fileId))
        button->setEnabled(enabled);
}

void UserKeyListWidget::resetHideContentButton(QToolButton* button)
{
    if (auto* keyButton = qobject_cast<UserKeyListContentButton*>(button)) {
        keyButton->setUserKey(m_pDevice, std::weak_ptr<File>());
        keyButton->setIsDragState(false);
    }
}

void UserKeyListWidget::slotUserKeyPressed(qint64 id)
{
    qDebug().noquote().nospace() << "slotInputPressed m_nPressedInputKeyNo = " << id;
    m_userKeyID = id;
    m_bKeyPressed = true;
    m_nKeyPressSerial = pressSerial();
    m_pPressedFile.reset();
    if (auto device = m_pDevice.lock())
        m_pPressedFile = device->findFile(Enum::File::UserKeyFile, int(id));
}

// Any release ends the press, also one reported by a button that shows another key by now.
void UserKeyListWidget::slotUserKeyReleased(qint64 id)
{
    Q_UNUSED(id)
    m_userKeyID = NoUserKey;
    m_bKeyPressed = false;
    m_pPressedFile.reset();
}

void UserKeyListWidget::slotKeyToolPressed()
{
    slotUserKeyReleased(NoUserKey);
}

void UserKeyListWidget::mouseMoveEvent(QMouseEvent* event)
{
    // Only a key pressed since the last release or move is dragged (m_userKeyID starts at 1
    // without any press), and only while that same press runs: a key whose release went unreported
    // (it vanished under the pointer) is not dragged by a later press, nor by a hover.
    const bool samePress =
        isPressRunning() && pressSerial() == m_nKeyPressSerial && (event->buttons() & Qt::LeftButton);
    if (m_bEnableDrag && m_userKeyID != NoUserKey && m_bKeyPressed && samePress) {
        startDrag(event);
        m_userKeyID = NoUserKey;
    }
    NaviSliderFrame::mouseMoveEvent(event);
    m_userKeyID = NoUserKey;
    m_bKeyPressed = false;
}

void UserKeyListWidget::startDrag(QMouseEvent* event)
{
    Q_UNUSED(event)
    auto device = m_pDevice.lock();
    if (!device) {
        qWarning() << "device model is nullptr.";
        return;
    }
    std::shared_ptr<File> file = device->findFile(Enum::File::UserKeyFile, int(m_userKeyID)).lock();
    // The pressed key may have gone since the press, and another key may carry its number now.
    if (!file || file != m_pPressedFile.lock()) {
        qWarning().noquote().nospace() << " userkey is nullptr, userKey id is " << m_userKeyID;
        return;
    }
    auto* button = findContentButton(m_userKeyID);
    if (!button)
        return;

    const qint64 keyNo = m_userKeyID;
    m_pDraggedFile = file;
    m_nDraggedKeyNo = keyNo;
    auto* mime = new QMimeData;
    mime->setData(
        QString::fromLatin1(Vireo::Constants::MimeTypeUserKeyKeyNo), Internal::keyNumberBytes(quint64(keyNo)));
    Internal::execResourceDrag(
        this, button, mime, m_dragPixmapSize, isCustomDrag(), [button] { button->setIsDragState(true); });
    // The drag may have rebuilt the list: the button is looked up again.
    if (auto* after = findContentButton(keyNo))
        after->setIsDragState(false);
}

qint64 UserKeyListWidget::keyNumberFromMime(const QMimeData* mime, bool* ok)
{
    *ok = false;
    if (!mime || !mime->hasFormat(QString::fromLatin1(Vireo::Constants::MimeTypeUserKeyKeyNo)))
        return 0;
    const QByteArray bytes = mime->data(QString::fromLatin1(Vireo::Constants::MimeTypeUserKeyKeyNo));
    const qulonglong value = QString::fromUtf8(bytes).toULongLong(ok);
    if (!*ok || value > 0xFFFFFFFFull) {
        *ok = false;
        return 0;
    }
    return qint64(value);
}

void UserKeyListWidget::leaveDragState()
{
    for (UserKeyListContentButton* button : keyButtonsInOrder()) {
        if (button->dragState())
            button->setIsDragState(false);
    }
}

void UserKeyListWidget::dragEnterEvent(QDragEnterEvent* event)
{
    bool ok = false;
    const qint64 keyNo = keyNumberFromMime(event->mimeData(), &ok);
    if (!event->mimeData() ||
        !event->mimeData()->hasFormat(QString::fromLatin1(Vireo::Constants::MimeTypeUserKeyKeyNo))) {
        event->ignore();
        NaviSliderFrame::dragEnterEvent(event);
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    // The pressed key's button shows the drag. Once a drag from here has returned (at once on a
    // platform without a nested drag loop) no key is pressed any more: the payload names it then.
    UserKeyListContentButton* button = m_userKeyID != NoUserKey ? findContentButton(m_userKeyID) : nullptr;
    if (!button && ok)
        button = findContentButton(qint64(quint8(keyNo)));
    if (button)
        button->setIsDragState(true);
}

void UserKeyListWidget::dragMoveEvent(QDragMoveEvent* event)
{
    bool ok = false;
    const qint64 keyNo = keyNumberFromMime(event->mimeData(), &ok);
    if (!ok) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    contentBtnMoveEvent(quint8(keyNo), event->pos());
}

void UserKeyListWidget::contentBtnMoveEvent(quint8 number, QPoint pos)
{
    if (m_pDevice.expired())
        return;
    UserKeyListContentButton* dragged = findContentButton(qint64(number));
    if (!dragged)
        return;
    UserKeyListContentButton* next = findNextContentButton(dragged);
    UserKeyListContentButton* target = findContentButton(pos);
    if (target == next)
        return;
    moveContentButton(dragged, target);
    m_pLastMoveBtn = target;
}

void UserKeyListWidget::dragLeaveEvent(QDragLeaveEvent* event)
{
    if (!m_pDevice.expired())
        emit singalUpdateUserKeyFromModel(m_pDevice);
    leaveDragState();
    m_pLastMoveBtn = nullptr;
    NaviSliderFrame::dragLeaveEvent(event);
}

void UserKeyListWidget::dropEvent(QDropEvent* event)
{
    auto device = m_pDevice.lock();
    bool ok = false;
    const qint64 keyNo = keyNumberFromMime(event->mimeData(), &ok);
    if (!device || !ok) {
        event->ignore();
        NaviSliderFrame::dropEvent(event);
        return;
    }
    std::shared_ptr<File> file = device->findFile(Enum::File::UserKeyFile, int(keyNo)).lock();
    const bool found = file && findContentButton(keyNo);
    // A key dragged from here that vanished meanwhile (or whose number now names another key)
    // renumbers nothing; the list goes back to the model's order.
    const bool draggedHere = m_nDraggedKeyNo == keyNo;
    const bool draggedKeyGone = draggedHere && (!found || file != m_pDraggedFile.lock());
    m_pDraggedFile.reset();
    m_nDraggedKeyNo = NoUserKey;
    if (draggedKeyGone) {
        qWarning().noquote().nospace() << " userkey is nullptr, userKey id is " << keyNo;
        event->ignore();
        NaviSliderFrame::dropEvent(event);
        leaveDragState();
        emit singalUpdateUserKeyFromModel(m_pDevice);
        return;
    }
    if (!found) {
        event->ignore();
        NaviSliderFrame::dropEvent(event);
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    sendUiListToHw(file);
    m_pLastMoveBtn = nullptr;
    leaveDragState();
}

void UserKeyListWidget::sendUiListToHw(std::weak_ptr<File> weakFile)
{
    auto key = asUserKey(weakFile);
    if (m_pDevice.expired() || !key)
        return;
    const s_UserKeyDetail previous = key->getUserKeyDetail();
    s_UserKeyDetail edited = previous;
    bool found = false;
    // The strip's first item is the tip frame, so a button's layout index is its position from 1.
    for (int i = 0; i < m_pContentLayout->count() && !found; ++i) {
        auto* button = qobject_cast<UserKeyListContentButton*>(m_pContentLayout->itemAt(i)->widget());
        if (button && button->group() == m_pContentButtonGroup && button->userkey().lock() == key) {
            edited.userKeyId = uint8_t(i);
            found = true;
        }
    }
    if (found && edited.userKeyId != previous.userKeyId)
        setModitySortUserKeyId(previous, edited, false);
}

bool UserKeyListWidget::setModitySortUserKeyId(s_UserKeyDetail previous, s_UserKeyDetail edited, bool scroll)
{
    auto device = m_pDevice.lock();
    if (!device) {
        qWarning() << "deleteUserKey failed,pDevice is null!";
        return false;
    }
    QWidget* boxParent = m_pParentWidget ? m_pParentWidget : this;
    const auto keys = userKeysOf(device);
    for (const auto& key : keys) {
        const s_UserKeyDetail detail = key->getUserKeyDetail();
        if (detail.userKeyId != previous.userKeyId && detail.name == edited.name) {
            ZK::Widgets::FramelessMessageBox::warning(boxParent, tr("Remind"),
                tr("The user key name [%1] already exists. Please retry.").arg(QString::fromStdString(edited.name)));
            return false;
        }
    }

    const quint8 a = previous.userKeyId;
    const quint8 b = edited.userKeyId;
    const auto moved =
        std::find_if(keys.begin(), keys.end(), [a](const auto& key) { return key->getUserKeyDetail().userKeyId == a; });
    if (moved == keys.end() || b == 0) {
        qWarning().noquote().nospace() << " userkey is nullptr, userKey id is " << a;
        return false;
    }

    // Every changed key as the device has it now and as it is to become.
    struct Change
    {
        s_UserKeyDetail before;
        s_UserKeyDetail after;
    };
    std::vector<Change> changes;
    for (const auto& key : keys) {
        const s_UserKeyDetail detail = key->getUserKeyDetail();
        const quint8 id = detail.userKeyId;
        if (key == *moved) {
            s_UserKeyDetail after = edited;
            after.userKeyId = b;
            changes.push_back({detail, after});
        } else if (b < a && b <= id && id < a) {
            s_UserKeyDetail after = detail;
            after.userKeyId = uint8_t(id + 1);
            changes.push_back({detail, after});
        } else if (b > a && a < id && id <= b) {
            s_UserKeyDetail after = detail;
            after.userKeyId = uint8_t(id - 1);
            changes.push_back({detail, after});
        }
    }
    std::stable_sort(changes.begin(), changes.end(),
        [](const Change& l, const Change& r) { return l.after.userKeyId < r.after.userKeyId; });

    // A changed key is removed before it is sent again. When the device refuses a command, the
    // keys already taken away are sent back as they were, so that no key is lost.
    auto restore = [&](size_t count, bool refusedModifySend) {
        std::vector<s_UserKeyDetail> records;
        for (size_t i = 0; i < count; ++i)
            records.push_back(changes[i].before);
        Internal::restoreUserKeys(device, records, {}, refusedModifySend);
        ZK::Widgets::FramelessMessageBox::warning(
            boxParent, tr("Remind"), tr("Failed to modify the user key. The user keys were kept."));
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        if (!deleteModityUserKey(changes[i].before.userKeyId)) {
            restore(i, false);
            return false;
        }
    }
    bool allSent = true;
    for (const Change& change : changes) {
        if (!ModelControl::UserKey(device).sendModityUserKeyFile(change.after)) {
            qWarning() << "Failed to send UserKey File!";
            allSent = false;
        }
    }
    if (!allSent) {
        // The changed keys cover the same numbers before and after: sending the earlier records
        // again replaces whatever the partial change left.
        restore(changes.size(), true);
        return false;
    }

    if (scroll)
        setScrollBarPos(b);
    return true;
}

bool UserKeyListWidget::deleteModityUserKey(qint64 number)
{
    auto device = m_pDevice.lock();
    if (!device) {
        qWarning() << "deleteUserKey failed,pDevice is null!";
        return false;
    }
    if (!ModelControl::File(device).modityFile(Enum::File::UserKeyFile, int(number))) {
        qWarning() << "Remove user key failed.";
        return false;
    }
    return true;
}

namespace Internal {

bool restoreUserKeys(const std::shared_ptr<Device>& device, const std::vector<s_UserKeyDetail>& records,
    const std::vector<int>& strayNumbers, bool refusedModifySend)
{
    if (!device)
        return false;
    bool ok = true;
    if (!strayNumbers.empty() && !ModelControl::File(device).removeFile(Enum::File::UserKeyFile, strayNumbers)) {
        qWarning() << "Remove user key failed.";
        ok = false;
    }
    ModelControl::UserKey command(device);
    for (const s_UserKeyDetail& record : records) {
        const bool sent = refusedModifySend ? command.sendUserKeyFile(record) : command.sendModityUserKeyFile(record);
        if (!sent) {
            qWarning() << "Failed to send UserKey File!";
            ok = false;
        }
    }
    return ok;
}

} // namespace Internal

// ---------------------------------------------------------------------------------------------
// UserKeyDetailVListWidget

UserKeyDetailVListWidget::UserKeyDetailVListWidget(QWidget* parent)
    : UserKeyListWidget(parent)
{
    setOrientation(Qt::Vertical);
    setNaviButtonVisible(NaviWidgetTypeCnt, true);
    setContentLayoutContentsMargins(0, 6, 0, 0);
    setContentLayoutSpacing(6);
    setMainLayoutContentsMargins(0, 0, 0, 0);
    setMainLayoutSpacing(0);
    setScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

UserKeyDetailVListWidget::~UserKeyDetailVListWidget() = default;

void UserKeyDetailVListWidget::setMainLayout()
{
    m_pMainLayout->addWidget(m_pContentScrollAreaHolder);
    m_pMainLayout->addWidget(Internal::createDetailListBottomBar(this, m_pPrevButton, m_pNextButton, 1, 2));
}

UserKeyListContentButton* UserKeyDetailVListWidget::createUserKeyContentButton(
    std::weak_ptr<Device> device, std::weak_ptr<File> file, QWidget* parent)
{
    auto* button = new UserKeyListContentButton(std::move(device), std::move(file), parent);
    // A list rebuilt with initListWidgetItem keeps its edit, delete and apply requests working.
    connect(button, &UserKeyListContentButton::sgnOpenUserKeyEdit, this,
        &UserKeyDetailVListWidget::slotOpenEditContentButton, Qt::UniqueConnection);
    connect(button, &UserKeyListContentButton::sgnDeleteUserKey, this,
        &UserKeyDetailVListWidget::slotDeleteContentButton, Qt::UniqueConnection);
    connect(button, &UserKeyListContentButton::userKeyDoubleClicked, this,
        &UserKeyDetailVListWidget::slotApplyContentButton, Qt::UniqueConnection);
    return button;
}

UserKeyListContentButton* UserKeyDetailVListWidget::makeConnectedButton(
    std::weak_ptr<Device> device, std::weak_ptr<File> file)
{
    auto* button = createUserKeyContentButton(std::move(device), std::move(file), m_pContentFrame);
    connectPressRelease(button);
    return button;
}

void UserKeyDetailVListWidget::addContentButton(std::weak_ptr<Device> device, std::weak_ptr<File> file)
{
    if (m_pContentButtonGroup->buttons().size() > MaxKeyButtons - 1)
        return;
    auto* button = makeConnectedButton(std::move(device), std::move(file));
    NaviSliderFrame::addContentButton(button, false);
    button->setVisible(true);
    contentFrameResize();
    scrollToTail();
}

void UserKeyDetailVListWidget::modityContentButton(std::weak_ptr<Device> device, std::weak_ptr<File> file)
{
    Q_UNUSED(file)
    auto dev = device.lock();
    if (!dev)
        return;
    const QList<std::weak_ptr<File>> files = dev->files(Enum::File::UserKeyFile);
    const QList<UserKeyListContentButton*> buttons = keyButtonsInOrder();
    const int bound = qMin(files.size(), buttons.size());
    for (int k = 0; k < bound; ++k) {
        buttons.at(k)->setUserKey(device, files.at(k));
        buttons.at(k)->updateUIFromData();
        buttons.at(k)->setIsDragState(false);
    }
    // The list shows exactly the model's keys: keys re-sent after a removal get their buttons back,
    // and buttons left over go.
    for (int k = bound; k < files.size(); ++k)
        addContentButton(device, files.at(k));
    for (int k = bound; k < buttons.size(); ++k)
        removeItem(buttons.at(k));
}

void UserKeyDetailVListWidget::deleteContentButton(std::weak_ptr<Device> device, std::weak_ptr<File> file)
{
    Q_UNUSED(device)
    auto key = asUserKey(file);
    for (UserKeyListContentButton* button : keyButtonsInOrder()) {
        const bool match = key
            ? button->userkey().lock() == key || button->getUserKeyNo() == key->getUserKeyDetail().userKeyId
            : button->userkey().expired();
        if (match) {
            removeItem(button);
            return;
        }
    }
}

void UserKeyDetailVListWidget::updateUserKeyListContentButton(std::weak_ptr<Device> device, std::weak_ptr<File> file)
{
    auto key = asUserKey(file);
    if (!key)
        return;
    for (UserKeyListContentButton* button : keyButtonsInOrder()) {
        if (button->getUserKeyNo() == key->getUserKeyDetail().userKeyId) {
            button->setUserKey(device, file);
            button->updateUIFromData();
            return;
        }
    }
}

UserKeyListContentButton* UserKeyDetailVListWidget::findBeforeContentButton(
    QList<QAbstractButton*> const& buttons, qint64 number) const
{
    for (QAbstractButton* candidate : buttons) {
        auto* button = qobject_cast<UserKeyListContentButton*>(candidate);
        if (button && button->getUserKeyNo() > number)
            return button;
    }
    return nullptr;
}

void UserKeyDetailVListWidget::clearContentButton()
{
    clear();
}

int UserKeyDetailVListWidget::buttonCounts() const
{
    return m_pContentButtonGroup->buttons().size();
}

void UserKeyDetailVListWidget::setScrollBarPos(int n)
{
    NaviSliderFrame::setScrollBarPos(n);
}

void UserKeyDetailVListWidget::slotInterfaceSignalChanged(std::weak_ptr<Device> device, std::weak_ptr<File> file)
{
    Q_UNUSED(file)
    auto dev = device.lock();
    if (!dev)
        return;
    const int buttonCount = buttonCounts();
    const int inputCount = dev->validInputs().size();
    if (buttonCount != inputCount) {
        qWarning().noquote().nospace() << "error: content button count is error. existContentButtons: " << buttonCount
                                       << " validInputs count:" << inputCount;
    }
    for (UserKeyListContentButton* button : keyButtonsInOrder())
        updateUserKeyListContentButton(device, button->userkey());
}

void UserKeyDetailVListWidget::slotOpenEditContentButton(qint64 userKeyFileID)
{
    emit sgnopenEditContentButton(userKeyFileID);
}

void UserKeyDetailVListWidget::slotDeleteContentButton(qint64 userKeyFileID)
{
    emit sgndeleteContentButton(userKeyFileID);
}

void UserKeyDetailVListWidget::slotApplyContentButton(qint64 userKeyFileID)
{
    emit sgnApplyContentButton(userKeyFileID);
}

} // namespace Vireo::Widgets
