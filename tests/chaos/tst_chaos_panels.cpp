// Seeded random operator actions on the user key panel and on the picture gallery with its
// controller, interleaved with host rebuilds, model notifications and removals and re-additions of
// user keys, pictures and the device, some of them made from inside the panels' own signals, from
// the stand-in's command log callback and while a message box is up. Every command in the
// stand-in's log must name the key or picture the operator acted on (as it was when the operator
// pressed it) and that key or picture must still be there when the command is sent; nothing may be
// sent without an operator action. Seed and steps come from the environment (see chaossupport.h).

#include "chaos/chaossupport.h"
#include "userkeys/userkeystestutil.h"

#include <vireowidgets/media/galleryflowcontainerframe.h>
#include <vireowidgets/media/gallerymaterailcontroller.h>
#include <vireowidgets/userkeys/userkeyattribute.h>
#include <vireowidgets/userkeys/userkeyframe.h>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

using namespace Vireo::BizModel;
using namespace Vireo::Widgets;
namespace Fixture = Vireo::Fixture;
using ZK::Widgets::FramelessMessageBox;
using ZK::Widgets::MessageBoxCall;

namespace {

Device* device()
{
    return Fixture::activeDevice();
}

std::weak_ptr<Device> active()
{
    return DeviceList::instance()->activedDevice();
}

// What the operator acted on: one file (a key or a picture), every file of a kind, or nothing.
struct Acted
{
    enum Kind { Nothing, Press, Apply, Delete, Edit, Drop, Rename, ClearAll };
    Kind kind = Nothing;
    std::weak_ptr<File> file;
    QString typed; // the name typed for a rename

    QString describe() const
    {
        static const char* const kinds[] = {"nothing", "press", "apply", "delete", "edit", "drop", "rename", "clear"};
        const auto f = file.lock();
        return QStringLiteral("%1 of %2")
            .arg(QLatin1String(kinds[kind]),
                f ? QStringLiteral("file %1 \"%2\"").arg(f->fileId()).arg(f->name()) : QStringLiteral("no file"));
    }
};

// The file stored under that type and number now.
std::shared_ptr<File> fileAt(int type, int id)
{
    Device* d = device();
    return d ? d->findFile(type, id).lock() : nullptr;
}

// Drives one panel: the run loop, the command observer, the message box answers and the
// bookkeeping of one operator action. The panels fill in the model, the host and the operator.
class PanelChaos : public Chaos::Run
{
public:
    using Run::Run;

    int commands = 0;
    int actions = 0;
    int drags = 0;
    int boxes = 0;

    void run(int steps)
    {
        Fixture::setCommandObserver([this](const Fixture::CommandEntry& entry) {
            ++commands;
            if (!m_bOperator)
                failure(QStringLiteral("%1 %2 sent without an operator action")
                            .arg(entry.command, Chaos::argsText(entry.args)));
            else
                checkCommand(entry);
            ++m_nCommandsInAction;
            // Now and then the device drops something inside the panel's own call.
            if (chance(20))
                changeModel();
        });
        FramelessMessageBox::setTestResponder([this](const MessageBoxCall& call) {
            ++boxes;
            // The model and the host go on while the box is up.
            if (chance(3))
                fromInside();
            if (call.kind == MessageBoxCall::Question)
                return chance(2) ? QMessageBox::Yes : QMessageBox::No;
            return call.defaultButton != QMessageBox::NoButton ? call.defaultButton : QMessageBox::Ok;
        });
        hostRebuild();
        runSteps(steps, true);
        finish();
        QCoreApplication::processEvents();
        FramelessMessageBox::clearTestResponder();
        Fixture::setCommandObserver({});
    }

    // The host hears of changed files (in the middle of the panel's own commands, too).
    void filesChanged()
    {
        if (chance(3))
            fromInside();
    }

    // What a host's code does from the panels' own signals and callbacks.
    void fromInside()
    {
        const quint32 roll = m_rng.bounded(6);
        if (roll == 0)
            changeModel();
        else if (roll == 1)
            hostRebuild();
    }

    void hostRebuild() override
    {
        if (m_nHostRebuild > 0)
            return;
        const QScopedValueRollback<int> rebuilding(m_nHostRebuild, m_nHostRebuild + 1);
        rebuild();
    }

protected:
    virtual void rebuild() = 0;
    // Checks one command against m_acted; sets m_bNamedActed when it names the acted file.
    virtual void checkCommand(const Fixture::CommandEntry& entry) = 0;
    virtual void checkDrags() { }
    virtual void finish() { }

    // Runs one operator action on `acted` and checks what it sent.
    void act(const Acted& acted, const std::function<void()>& action)
    {
        ++actions;
        m_acted = acted;
        m_bOperator = true;
        m_nCommandsInAction = 0;
        m_nModelChangesInAction = 0;
        m_bNamedActed = false;
        action();
        checkDrags();
        if (m_nCommandsInAction > 0 && !m_bNamedActed && m_nModelChangesInAction == 0)
            failure(QStringLiteral("%1 commands, none names the %2").arg(m_nCommandsInAction).arg(m_acted.describe()));
        m_bOperator = false;
    }

    // Whether `id` names the acted file, which is still stored under it.
    bool namesActed(int type, int id)
    {
        const auto file = m_acted.file.lock();
        const bool named = file && fileAt(type, id) == file;
        m_bNamedActed = m_bNamedActed || named;
        return named;
    }

    bool modelChangedInAction() const { return m_nModelChangesInAction > 0; }

    void mouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButtons held)
    {
        const Qt::MouseButton button = (type == QEvent::MouseMove) ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, target->mapToGlobal(pos), button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    void unexpected(const Fixture::CommandEntry& entry)
    {
        failure(QStringLiteral("%1 %2 does not follow the %3")
                    .arg(entry.command, Chaos::argsText(entry.args), m_acted.describe()));
    }

    Acted m_acted;
    bool m_bNamedActed = false;
    int m_nCommandsInAction = 0;
};

// ---- user keys ------------------------------------------------------------------------------------

constexpr int KeyType = Enum::File::UserKeyFile;

std::weak_ptr<File> keyShownBy(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (auto* button = qobject_cast<UserKeyListContentButton*>(w))
            return button->userkey();
    }
    return {};
}

class UserKeyChaos : public PanelChaos
{
public:
    UserKeyChaos(quint32 seed, UserKeyContainerFrame* frame)
        : PanelChaos(seed, QStringLiteral("user keys"))
        , m_frame(frame)
        , m_list(frame->keyList())
    {
        // The host's own slots run before the panel's commands.
        QObject::connect(m_list, &UserKeyDetailVListWidget::sgnApplyContentButton, m_list, [this] { fromInside(); });
        QObject::connect(m_list, &UserKeyDetailVListWidget::sgndeleteContentButton, m_list, [this] { fromInside(); });
        QObject::connect(m_list, &UserKeyDetailVListWidget::sgnopenEditContentButton, m_list, [this] {
            ++m_nEditRequests;
            fromInside();
        });
    }

    void populate(Device& d) override
    {
        Screen& screen = d.addScreen(Enum::Screen::RegularScreen, 1, QStringLiteral("S1"));
        Layer& layer = screen.addLayer(Enum::Layer::PGM, Enum::Layer::Regular, 1, QStringLiteral("L1"));
        layer.setSelected(true);
        d.setActivedScreen(d.findScreen(Enum::Screen::RegularScreen, 1));
        for (int k = 1; k <= 8; ++k)
            d.addUserKey(Fixture::userKeyDetail(quint8(k), UserKeyTest::keyName(k), k % 8));
    }

private:
    void rebuild() override
    {
        // The panel's rebuild numbers the model's keys 1, 2, 3... again: within an operator action,
        // the numbers the panel computed before name other keys afterwards.
        if (m_bOperator)
            ++m_nModelChangesInAction;
        m_frame->setActivedDevice(active());
        if (chance(2))
            m_frame->initListWidgetItem(active());
        else
            m_frame->updateUserKeyFromModel(active());
    }

    void notify() override
    {
        // A device report of a changed key, or the list asking for a rebuild.
        Device* d = device();
        const auto files = d ? d->files(KeyType) : QList<std::weak_ptr<File>>();
        if (files.isEmpty() || chance(3)) {
            emit m_list->singalUpdateUserKeyFromModel(active());
            return;
        }
        const auto file = files.at(int(m_rng.bounded(quint32(files.size()))));
        emit DeviceList::instance()->signalModifyUserKeyChanged(active(), file);
    }

    void changeDevice(Device& d) override
    {
        const int id = int(1 + m_rng.bounded(10));
        const std::shared_ptr<File> file = d.findFile(KeyType, id).lock();
        const auto weakDevice = active();
        if (file && chance(2)) {
            d.removeFile(KeyType, id);
            if (!chance(4))
                emit DeviceList::instance()->signalDeleteUserKey(weakDevice, file);
        } else if (file) {
            // Renamed and recoloured by another client.
            auto key = std::dynamic_pointer_cast<UserKey>(file);
            if (!key)
                return;
            s_UserKeyDetail detail = key->getUserKeyDetail();
            detail.name = QStringLiteral("Other %1").arg(m_nAdded++).toStdString();
            detail.userKeyColor = int(m_rng.bounded(8));
            key->setUserKeyDetail(detail);
            emit DeviceList::instance()->signalModifyUserKeyChanged(weakDevice, file);
        } else {
            QString name = UserKeyTest::keyName(id);
            if (d.isFileNameExist(KeyType, name))
                name = QStringLiteral("Back %1").arg(m_nAdded++);
            UserKey& key = d.addUserKey(Fixture::userKeyDetail(quint8(id), name, int(m_rng.bounded(8))));
            if (!chance(4))
                emit DeviceList::instance()->signalUserKeyChanged(weakDevice, d.findFile(KeyType, key.fileId()));
        }
    }

    QList<QWidget*> keyButtons() const
    {
        QList<QWidget*> out;
        for (UserKeyListContentButton* button : m_list->keyButtonsInOrder()) {
            if (button->isVisible())
                out.append(button);
        }
        return out;
    }

    // Key buttons and the edit and delete buttons inside them.
    QList<QWidget*> targets() const
    {
        QList<QWidget*> out = keyButtons();
        for (QWidget* button : keyButtons()) {
            for (QToolButton* tool : button->findChildren<QToolButton*>()) {
                if (tool->isVisible() && tool->isEnabled())
                    out.append(tool);
            }
        }
        return out;
    }

    static bool isEditButton(QWidget* w) { return w && w->property("isUserKeyItemButtonEdit").toBool(); }

    void operatorAction() override
    {
        if (m_grabber && !m_grabber->isVisible())
            m_grabber = nullptr;
        auto* editor = m_frame->editDialog();
        const quint32 roll = m_rng.bounded(100);
        if (editor->isVisible() && roll < 15) {
            // The editor's number moved, then OK or Cancel.
            act(m_editedKey, [this, editor] {
                for (quint32 n = m_rng.bounded(4); n > 0; --n) {
                    if (chance(2))
                        editor->content()->slotAdd();
                    else
                        editor->content()->slotReduce();
                }
                if (chance(4))
                    editor->reject();
                else
                    editor->accept();
            });
        } else if (!m_grabber && roll < 50) {
            QWidget* target = chance(8) ? m_list : pick(targets());
            if (!target)
                return;
            m_grabber = target;
            m_pressed = {Acted::Press, keyShownBy(target), {}};
            act(m_pressed, [&] { mouse(target, QEvent::MouseButtonPress, randomPointIn(target), Qt::LeftButton); });
            if (chance(5) && qobject_cast<UserKeyListContentButton*>(target)) {
                // A double click applies the key to the selected layer.
                act(m_pressed, [&] { mouse(target, QEvent::MouseButtonRelease, randomPointIn(target), Qt::NoButton); });
                const Acted apply {Acted::Apply, keyShownBy(target), {}};
                act(apply, [&] { mouse(target, QEvent::MouseButtonDblClick, randomPointIn(target), Qt::LeftButton); });
                m_grabber = nullptr;
                if (target->isVisible()) {
                    m_grabber = target;
                    m_pressed = apply;
                }
            }
        } else if (m_grabber && roll < 75) {
            // The held pointer moves over the list or out through an edge: a pressed key starts a
            // drag, which may come back and drop. A pressed edit or delete button keeps the moves.
            const bool key = m_grabber == m_list || qobject_cast<UserKeyListContentButton*>(m_grabber);
            QWidget* target = key && chance(2) ? m_list : m_grabber.data();
            const QPoint pos = target->mapFrom(m_list, randomPointAround(m_list));
            act(m_pressed, [&] { mouse(target, QEvent::MouseMove, pos, Qt::LeftButton); });
        } else if (m_grabber) {
            release(chance(2) ? randomPointIn(m_grabber) : m_grabber->mapFrom(m_list, randomPointAround(m_list)));
        } else if (roll < 60) {
            // The panel's Clear button.
            auto* clear = m_frame->findChild<QToolButton*>(QStringLiteral("toolButtonClear"));
            if (clear && clear->isVisible() && clear->isEnabled())
                act({Acted::ClearAll, {}, {}}, [clear] { clear->click(); });
        } else {
            // A hover without a held button.
            act({}, [&] { mouse(m_list, QEvent::MouseMove, randomPointAround(m_list), Qt::NoButton); });
        }
    }

    void release(const QPoint& pos)
    {
        QPointer<QWidget> target = m_grabber;
        m_grabber = nullptr;
        // The edit and delete buttons act on release: on the key shown when they were pressed.
        Acted released = m_pressed;
        const bool tool = qobject_cast<QToolButton*>(target) && !qobject_cast<UserKeyListContentButton*>(target);
        if (tool)
            released.kind = isEditButton(target) ? Acted::Edit : Acted::Delete;
        const int editRequests = m_nEditRequests;
        act(released, [&] { mouse(target, QEvent::MouseButtonRelease, pos, Qt::NoButton); });
        // The editor now shows the key asked for (it may have been open for another one).
        if (m_nEditRequests > editRequests && m_frame->editDialog()->isVisible())
            m_editedKey = released;
    }

    void checkCommand(const Fixture::CommandEntry& entry) override
    {
        const QVariantList& args = entry.args;
        const QString& command = entry.command;
        const Acted::Kind kind = m_acted.kind;
        const bool first = m_nCommandsInAction == 0;
        if (command == QLatin1String("AsyncUpdateUserkey")) {
            if (kind != Acted::Apply || !namesActed(KeyType, args.value(0).toInt()))
                unexpected(entry);
        } else if (command == QLatin1String("File::removeFile") && args.value(1).type() != QVariant::List) {
            if (kind != Acted::Delete || !first || !namesActed(KeyType, args.value(1).toInt()))
                unexpected(entry);
        } else if (command == QLatin1String("File::removeFile")) {
            // The keys after a deleted one, taken away to be renumbered.
            if (kind != Acted::Delete || first)
                unexpected(entry);
            for (const QVariant& id : args.value(1).toList()) {
                if (!modelChangedInAction() && !fileAt(KeyType, id.toInt()))
                    failure(QStringLiteral("%1 names key %2, which is gone").arg(command).arg(id.toInt()));
            }
        } else if (command == QLatin1String("File::modityFile")) {
            // A reorder or an edit takes away every key it renumbers, the acted one among them.
            const int id = args.value(1).toInt();
            if ((kind != Acted::Drop && kind != Acted::Edit) ||
                (!namesActed(KeyType, id) && !fileAt(KeyType, id) && !modelChangedInAction()))
                unexpected(entry);
        } else if (command == QLatin1String("UserKey::sendUserKeyFile") ||
            command == QLatin1String("UserKey::sendModityUserKeyFile")) {
            // Sent again under their new numbers, after they were taken away.
            if ((kind != Acted::Delete && kind != Acted::Drop && kind != Acted::Edit) || first)
                unexpected(entry);
        } else if (command == QLatin1String("Device::removeFile")) {
            m_bNamedActed = true;
            if (kind != Acted::ClearAll || args.value(0).toList() != QVariantList({KeyType}))
                unexpected(entry);
        } else {
            unexpected(entry);
        }
    }

    void checkDrags() override
    {
        for (QDrag* drag : m_list->findChildren<QDrag*>()) {
            if (drag->property("chaosSeen").toBool())
                continue;
            drag->setProperty("chaosSeen", true);
            ++drags;
            const QByteArray number =
                drag->mimeData()->data(QString::fromLatin1(Vireo::Constants::MimeTypeUserKeyKeyNo));
            const auto pressed = m_pressed.file.lock();
            const auto carried = fileAt(KeyType, number.toInt());
            if (!m_bOperator || !pressed || (carried != pressed && !modelChangedInAction())) {
                failure(QStringLiteral("a drag of key %1, pressed %2")
                            .arg(QString::fromLatin1(number), m_pressed.describe()));
                continue;
            }
            if (chance(4))
                continue; // let go outside the list
            // The drag comes back over the list and drops (headless, exec() has returned already;
            // the host and the model go on meanwhile).
            const Acted drop {Acted::Drop, carried ? carried : pressed, {}};
            std::unique_ptr<QMimeData> mime(UserKeyTest::keyMime(number));
            const bool wasOperator = m_bOperator;
            m_bOperator = false;
            UserKeyTest::sendDragEnter(m_list, mime.get(), randomPointIn(m_list));
            for (quint32 n = m_rng.bounded(4); n > 0; --n) {
                if (chance(3))
                    chance(2) ? hostRebuild() : changeModel();
                UserKeyTest::sendDragMove(m_list, mime.get(), randomPointIn(m_list));
            }
            m_bOperator = wasOperator;
            const Acted outer = m_acted;
            const int outerCommands = m_nCommandsInAction;
            const bool outerNamed = m_bNamedActed;
            const int outerChanges = m_nModelChangesInAction;
            act(drop, [&] {
                if (chance(5))
                    UserKeyTest::sendDragLeave(m_list);
                else
                    UserKeyTest::sendDrop(m_list, mime.get(), randomPointIn(m_list));
            });
            m_bOperator = wasOperator;
            m_acted = outer;
            m_nCommandsInAction = outerCommands;
            m_bNamedActed = outerNamed;
            m_nModelChangesInAction = outerChanges;
        }
    }

    void finish() override
    {
        if (m_grabber && m_grabber->isVisible())
            release(QPoint(1, 1));
        m_frame->editDialog()->reject();
    }

    UserKeyContainerFrame* m_frame;
    UserKeyDetailVListWidget* m_list;
    QPointer<QWidget> m_grabber;
    Acted m_pressed;
    Acted m_editedKey;
    int m_nEditRequests = 0;
    int m_nAdded = 0;
};

// ---- gallery --------------------------------------------------------------------------------------

constexpr int PictureType = Enum::File::BKG;

QImage picture(int id)
{
    QImage image(32 + id, 18, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((id * 40) % 360, 200, 200));
    return image;
}

GalleryContentButton* tileOf(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (auto* tile = qobject_cast<GalleryContentButton*>(w))
            return tile;
    }
    return nullptr;
}

class GalleryChaos : public PanelChaos
{
public:
    GalleryChaos(quint32 seed, GalleryFlowContainerFrame* frame)
        : PanelChaos(seed, QStringLiteral("gallery"))
        , m_frame(frame)
    {
        // The host's own slots, connected before the controller's, run first.
        QObject::connect(
            frame, &GalleryFlowContainerFrame::signalRemoveMaterailFromDevice, frame, [this] { fromInside(); });
        QObject::connect(frame, &GalleryFlowContainerFrame::signalMaterailNameChanged, frame, [this] { fromInside(); });
        QObject::connect(
            frame, &GalleryFlowContainerFrame::signalRemoveAllMaterailFromDevice, frame, [this] { fromInside(); });
    }

    void populate(Device& d) override
    {
        for (int id = 1; id <= 8; ++id)
            d.addImage(PictureType, id, QStringLiteral("P%1").arg(id), picture(id));
        d.addImage(Enum::File::LOGO, 1, QStringLiteral("Logo"), picture(1));
    }

private:
    void rebuild() override
    {
        if (chance(2))
            m_frame->setActiveDevice(active(), PictureType);
        else
            m_frame->updateGalleryFromModel();
    }

    void notify() override
    {
        Device* d = device();
        const auto files = d ? d->files(PictureType) : QList<std::weak_ptr<File>>();
        if (files.isEmpty()) {
            m_frame->updateUsedStatus();
            return;
        }
        const auto image = std::dynamic_pointer_cast<Image>(files.at(int(m_rng.bounded(quint32(files.size())))).lock());
        switch (m_rng.bounded(4)) {
        case 0:
            m_frame->updateMaterailNameFromModel(image);
            break;
        case 1:
            m_frame->updateMaterailSizeFromModel(image);
            break;
        case 2:
            m_frame->updateUIMaterailUsedSatus(active(), image);
            break;
        default:
            m_frame->updateUsedStatus();
            break;
        }
    }

    void changeDevice(Device& d) override
    {
        const int id = int(1 + m_rng.bounded(10));
        const auto image = std::dynamic_pointer_cast<Image>(d.findFile(PictureType, id).lock());
        if (image && chance(2)) {
            d.removeFile(PictureType, id);
            if (chance(2))
                m_frame->removedMaterailFromModel(active(), image);
        } else if (image) {
            image->setName(QStringLiteral("O%1").arg(m_nAdded++));
            if (chance(2))
                m_frame->updateMaterailNameFromModel(image);
        } else {
            QString name = QStringLiteral("P%1").arg(id);
            if (d.isFileNameExist(PictureType, name))
                name = QStringLiteral("B%1").arg(m_nAdded++);
            d.addImage(PictureType, id, name, picture(id));
            if (chance(2))
                m_frame->addMaterailFromModel(
                    active(), std::dynamic_pointer_cast<Image>(d.findFile(PictureType, id).lock()));
        }
    }

    QList<GalleryContentButton*> tiles() const
    {
        QList<GalleryContentButton*> out;
        for (QAbstractButton* button : m_frame->getContentButtons()) {
            auto* tile = qobject_cast<GalleryContentButton*>(button);
            if (tile && tile->isVisible())
                out.append(tile);
        }
        return out;
    }

    // Tiles, their delete buttons and their names.
    QList<QWidget*> targets() const
    {
        QList<QWidget*> out;
        for (GalleryContentButton* tile : tiles()) {
            out.append(tile);
            for (const char* name :
                {"GalleryMaterailDeleteButton", "GalleryMaterailNameLabel", "GalleryMaterailNameEdit"}) {
                auto* child = tile->findChild<QWidget*>(QLatin1String(name));
                if (child && child->isVisible())
                    out.append(child);
            }
        }
        return out;
    }

    static QLineEdit* nameEditOf(GalleryContentButton* tile)
    {
        return tile->findChild<QLineEdit*>(QStringLiteral("GalleryMaterailNameEdit"));
    }

    QString randomName()
    {
        switch (m_rng.bounded(5)) {
        case 0:
            return QString(); // nothing typed: the stored name stays
        case 1:
            return QStringLiteral("P%1").arg(1 + m_rng.bounded(10)); // maybe taken
        default:
            return QStringLiteral("N%1").arg(m_nAdded++);
        }
    }

    void operatorAction() override
    {
        if (m_grabber && !m_grabber->isVisible())
            m_grabber = nullptr;
        const quint32 roll = m_rng.bounded(100);
        QList<GalleryContentButton*> editing;
        for (GalleryContentButton* tile : tiles()) {
            if (nameEditOf(tile)->isVisible())
                editing.append(tile);
        }
        if (!editing.isEmpty() && roll < 25) {
            // A name typed into a tile's editor, ended by Return or by leaving the editor; it renames
            // the picture the tile showed when the editing started.
            GalleryContentButton* tile = pick(editing);
            QLineEdit* edit = nameEditOf(tile);
            const QString typed = randomName();
            const Acted rename {Acted::Rename, m_editStarted.value(tile), typed};
            act(rename, [&] {
                edit->selectAll();
                QTest::keyClick(edit, Qt::Key_Backspace);
                QTest::keyClicks(edit, typed);
                if (chance(2)) {
                    QTest::keyClick(edit, Qt::Key_Return);
                } else {
                    QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
                    QApplication::sendEvent(edit, &out);
                }
            });
        } else if (!m_grabber && roll < 55) {
            QWidget* target = pick(targets());
            if (!target)
                return;
            GalleryContentButton* tile = tileOf(target);
            m_pressed = {Acted::Press, tile ? std::weak_ptr<File>(tile->getMaterail()) : std::weak_ptr<File>(), {}};
            const bool name = target->objectName().startsWith(QLatin1String("GalleryMaterailName"));
            if (tile && name && !nameEditOf(tile)->isVisible())
                m_editStarted[tile] = m_pressed.file;
            m_grabber = target;
            act(m_pressed, [&] { mouse(target, QEvent::MouseButtonPress, randomPointIn(target), Qt::LeftButton); });
        } else if (m_grabber && roll < 70) {
            act(m_pressed, [&] { mouse(m_grabber, QEvent::MouseMove, randomPointAround(m_grabber), Qt::LeftButton); });
        } else if (m_grabber) {
            const QPoint pos = chance(4) ? randomPointAround(m_grabber) : randomPointIn(m_grabber);
            release(pos);
        } else if (roll < 70) {
            auto* all = m_frame->findChild<QToolButton*>(QStringLiteral("isGalleryDelete"));
            if (all && all->isVisible() && all->isEnabled())
                act({Acted::ClearAll, {}, {}}, [all] { all->click(); });
        } else if (roll < 75) {
            // "Add" with the file dialog cancelled.
            auto* add = m_frame->findChild<QToolButton*>(QStringLiteral("isGalleryAdd"));
            if (add && add->isVisible() && add->isEnabled())
                act({}, [add] { add->click(); });
        } else {
            act({}, [&] { mouse(m_frame, QEvent::MouseMove, randomPointAround(m_frame), Qt::NoButton); });
        }
    }

    void checkCommand(const Fixture::CommandEntry& entry) override
    {
        const QVariantList& args = entry.args;
        const QString& command = entry.command;
        const Acted::Kind kind = m_acted.kind;
        if (args.value(0).toInt() != PictureType) {
            unexpected(entry);
        } else if (command == QLatin1String("File::removeFile") && args.value(1).type() == QVariant::List) {
            // Every picture of the kind that is stored now, and only those.
            QVariantList stored;
            if (Device* d = device()) {
                for (const auto& file : d->files(PictureType)) {
                    if (auto f = file.lock())
                        stored.append(f->fileId());
                }
            }
            m_bNamedActed = true;
            if (kind != Acted::ClearAll || args.value(1).toList() != stored)
                unexpected(entry);
        } else if (command == QLatin1String("File::removeFile")) {
            if (kind != Acted::Delete || !namesActed(PictureType, args.value(1).toInt()))
                unexpected(entry);
        } else if (command == QLatin1String("File::renameFile")) {
            if (kind != Acted::Rename || !namesActed(PictureType, args.value(1).toInt()) ||
                args.value(2).toString() != m_acted.typed.trimmed())
                unexpected(entry);
        } else {
            unexpected(entry);
        }
    }

    void checkDrags() override
    {
        for (QDrag* drag : m_frame->findChildren<QDrag*>()) {
            if (drag->property("chaosSeen").toBool())
                continue;
            drag->setProperty("chaosSeen", true);
            ++drags;
            const auto pressed = m_pressed.file.lock();
            const QByteArray id = drag->mimeData()->data(QLatin1String(Vireo::Constants::MimeTypeBKGKeyNo));
            if (!m_bOperator || !pressed || id != QByteArray::number(pressed->fileId()) ||
                (!modelChangedInAction() && fileAt(PictureType, pressed->fileId()) != pressed))
                failure(QStringLiteral("a drag of picture %1, pressed %2")
                            .arg(QString::fromLatin1(id), m_pressed.describe()));
        }
    }

    // The release of the running press: on a delete button it deletes the picture pressed.
    void release(const QPoint& pos)
    {
        QPointer<QWidget> target = m_grabber;
        m_grabber = nullptr;
        Acted released = m_pressed;
        if (target->objectName() == QLatin1String("GalleryMaterailDeleteButton"))
            released.kind = Acted::Delete;
        act(released, [&] { mouse(target, QEvent::MouseButtonRelease, pos, Qt::NoButton); });
    }

    void finish() override
    {
        if (m_grabber)
            release(QPoint(1, 1));
    }

    GalleryFlowContainerFrame* m_frame;
    QPointer<QWidget> m_grabber;
    Acted m_pressed;
    QHash<GalleryContentButton*, std::weak_ptr<File>> m_editStarted;
    int m_nAdded = 0;
};

} // namespace

class tst_ChaosPanels : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void panels_data();
    void panels();
};

void tst_ChaosPanels::init()
{
    Fixture::reset();
    Fixture::setLiveMode(true);
    Fixture::makeActiveDevice();
}

void tst_ChaosPanels::cleanup()
{
    FramelessMessageBox::clearTestResponder();
    Fixture::setCommandObserver({});
    Fixture::reset();
}

void tst_ChaosPanels::panels_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("user keys") << "userkeys";
    QTest::newRow("gallery") << "gallery";
}

void tst_ChaosPanels::panels()
{
    QFETCH(QString, kind);
    const quint32 seed = Chaos::seedFor(kind);
    const int steps = Chaos::stepCount();

    std::unique_ptr<QWidget> panel;
    std::unique_ptr<PanelChaos> chaos;
    std::unique_ptr<GalleryMaterailController> controller;
    if (kind == QLatin1String("userkeys")) {
        auto* frame = new UserKeyContainerFrame;
        panel.reset(frame);
        panel->resize(420, 640);
        chaos = std::make_unique<UserKeyChaos>(seed, frame);
    } else {
        auto* frame = new GalleryFlowContainerFrame;
        panel.reset(frame);
        panel->resize(560, 420);
        chaos = std::make_unique<GalleryChaos>(seed, frame);
        controller = std::make_unique<GalleryMaterailController>(frame);
        controller->setFileChooser([](QWidget*, int) { return QString(); });
    }
    chaos->populate(*device());
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));

    // The host follows every device the panel shows, including one plugged back in, and rebuilds
    // now and then when the device reports changed files (in the middle of the panel's commands).
    PanelChaos* run = chaos.get();
    const auto follow = [&panel, run] {
        if (Device* d = device()) {
            QObject::connect(d, &Device::signalFilesChanged, panel.get(), [run](int) { run->filesChanged(); });
        }
        run->hostRebuild();
    };
    follow();
    QObject::connect(DeviceList::instance(), &DeviceList::signalActivedDeviceChanged, panel.get(), follow);

    QElapsedTimer clock;
    clock.start();
    const QtMessageHandler previous = qInstallMessageHandler(Chaos::quietLog);
    chaos->run(steps);
    qInstallMessageHandler(previous);
    qInfo("%s: seed %u, %d steps, %d actions, %d commands, %d drags, %d message boxes, %lld ms", qPrintable(kind), seed,
        steps, chaos->actions, chaos->commands, chaos->drags, chaos->boxes, clock.elapsed());
    QVERIFY2(chaos->failures.isEmpty(), qPrintable(chaos->failures.join(QLatin1Char('\n'))));
    // The run did what it is for: the operator's actions reached the device.
    QVERIFY(chaos->commands > 0);
    QVERIFY(chaos->drags > 0);
}

QTEST_MAIN(tst_ChaosPanels)
#include "tst_chaos_panels.moc"
