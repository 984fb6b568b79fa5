#include "common/testsupport.h"

#include <vireowidgets/controls/fixedbitlineeditex.h>
#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/resourcedrag.h>
#include <vireowidgets/media/galleryflowcontainerframe.h>
#include <vireowidgets/media/gallerymaterailcontroller.h>

#include <vireomodel/devicelist.h>
#include <vireomodel/fixture.h>
#include <zkwidgets/framelessmessagebox.h>

#include <QBuffer>
#include <QDrag>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Vireo::BizModel;
using Vireo::Widgets::FixedBitLineEditEx;
using Vireo::Widgets::GalleryContentButton;
using Vireo::Widgets::GalleryFlowContainerFrame;
using Vireo::Widgets::GalleryMaterailController;
using ZK::Widgets::FramelessMessageBox;
using ZK::Widgets::MessageBoxCall;

namespace {

Device* device()
{
    return Vireo::Fixture::activeDevice();
}

Image& addPicture(int type, int id, const QString& name, const QSize& size = QSize(64, 36))
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor::fromHsv((id * 40) % 360, 200, 200));
    return device()->addImage(type, id, name, picture);
}

QList<GalleryContentButton*> tilesOf(const GalleryFlowContainerFrame& frame)
{
    QList<GalleryContentButton*> tiles;
    for (QAbstractButton* button : frame.getContentButtons())
        tiles << qobject_cast<GalleryContentButton*>(button);
    return tiles;
}

template <typename T>
T* part(QWidget* tile, const char* name)
{
    return tile->findChild<T*>(QLatin1String(name));
}

QLabel* usedLabel(GalleryFlowContainerFrame& frame)
{
    return frame.findChild<QLabel*>(QStringLiteral("GalleryUsedCapacityLabel"));
}

QLabel* totalLabel(GalleryFlowContainerFrame& frame)
{
    return frame.findChild<QLabel*>(QStringLiteral("GalleryTotalCapacityLabel"));
}

QToolButton* footerButton(GalleryFlowContainerFrame& frame, const char* name)
{
    return frame.findChild<QToolButton*>(QLatin1String(name));
}

QStringList boxTexts()
{
    QStringList texts;
    for (const MessageBoxCall& call : FramelessMessageBox::recordedCalls())
        texts << call.title + QLatin1Char('|') + call.text;
    return texts;
}

// Presses and releases a tile's delete button, running `between` after the press.
void clickDelete(GalleryContentButton* tile, const std::function<void()>& between = {})
{
    auto* button = part<QToolButton>(tile, "GalleryMaterailDeleteButton");
    QVERIFY(button && button->isVisible());
    const QPoint centre = button->rect().center();
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, centre);
    if (between)
        between();
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, centre);
}

// Starts editing a tile's name by pressing its name, types `text` over it and presses Return.
void typeName(GalleryContentButton* tile, const QString& text)
{
    QTest::mouseClick(part<QLabel>(tile, "GalleryMaterailNameLabel"), Qt::LeftButton);
    auto* editor = part<FixedBitLineEditEx>(tile, "GalleryMaterailNameEdit");
    QVERIFY(editor->isVisible());
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    // Typed as an input method delivers text: one key event per character, any script.
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    QTest::keyClick(editor, Qt::Key_Return);
}

// Whether a tile's name label shows `name`, elided where it does not fit.
bool showsName(GalleryContentButton* tile, const QString& name)
{
    const QString shown = part<QLabel>(tile, "GalleryMaterailNameLabel")->text();
    return shown == name || (shown.endsWith(QChar(0x2026)) && name.startsWith(shown.chopped(1)));
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage picture(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7) & 255, (y * 13) & 255, ((x ^ y) * 5) & 255));
    }
    return image;
}

// A shown gallery with a controller, as a host sets them up.
struct Gallery
{
    explicit Gallery(int type)
        : controller(&frame)
    {
        frame.resize(560, 420);
        frame.setActiveDevice(Vireo::Fixture::activeDevice() ? device()->shared_from_this() : nullptr, type);
        frame.show();
    }
    GalleryFlowContainerFrame frame;
    GalleryMaterailController controller;
};

} // namespace

class TestGallery : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void footerShowsTheStoreUsage_data();
    void footerShowsTheStoreUsage();
    void tilesShowTheStoredPictures();
    void rebuildsReuseTiles();
    void markFollowsTheLayersUsingThePicture();
    void dragCarriesTheFileId_data();
    void dragCarriesTheFileId();
    void deleteOrRenameWhileTheModelChanges_data();
    void deleteOrRenameWhileTheModelChanges();
    void rename_data();
    void rename();
    void liveRenameAndDeleteComeBackFromTheDevice();
    void deleteAllAsksFirst_data();
    void deleteAllAsksFirst();
    void importChecksTheFileAndTheStore_data();
    void importChecksTheFileAndTheStore();
    void importFromTheAddButton_data();
    void importFromTheAddButton();
    void modelNotificationsUpdateTheTiles();
    void pagingMovesByWholeRows();

private:
    QTemporaryDir m_dir;
    QString writeFile(const QString& name, const QByteArray& bytes);
};

void TestGallery::init()
{
    Vireo::Fixture::reset();
    Vireo::Fixture::makeActiveDevice();
    FramelessMessageBox::clearRecordedCalls();
    FramelessMessageBox::setTestResponder([](const MessageBoxCall&) { return QMessageBox::Ok; });
}

void TestGallery::cleanup()
{
    FramelessMessageBox::clearTestResponder();
    Vireo::Fixture::reset();
}

QString TestGallery::writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

void TestGallery::footerShowsTheStoreUsage_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("withDevice");
    QTest::addColumn<QList<quint64>>("byteSizes");
    QTest::addColumn<QString>("used"); // empty: no tiles, an empty and disabled footer
    QTest::addColumn<QString>("total");

    const QString mb = QStringLiteral("/512MB");
    const QString count = QStringLiteral("/16 count");
    const int bkg = Enum::File::BKG;
    const int logo = Enum::File::LOGO;
    const QList<quint64> one({1});
    QTest::newRow("BKG 1.5 MB") << bkg << true << QList<quint64>({1572864}) << "Used 1.50MB" << mb;
    QTest::newRow("BKG nothing") << bkg << true << QList<quint64>() << "Used 0.00MB" << mb;
    QTest::newRow("BKG rounds to 1/100") << bkg << true << QList<quint64>({1048576, 5243}) << "Used 1.01MB" << mb;
    QTest::newRow("BKG one 1080p picture")
        << bkg << true << QList<quint64>({1920ull * 1080 * 4}) << "Used 7.91MB" << mb;
    QTest::newRow("LOGO three") << logo << true << QList<quint64>({1, 2, 3}) << "Used 3" << count;
    QTest::newRow("LOGO none") << logo << true << QList<quint64>() << "Used 0" << count;
    QTest::newRow("no device") << bkg << false << one << ""
                               << "";
    QTest::newRow("OSD kind") << int(Enum::File::OSD) << true << one << ""
                              << "";
    QTest::newRow("user keys") << int(Enum::File::UserKeyFile) << true << QList<quint64>() << ""
                               << "";
}

void TestGallery::footerShowsTheStoreUsage()
{
    QFETCH(int, type);
    QFETCH(bool, withDevice);
    QFETCH(QList<quint64>, byteSizes);
    QFETCH(QString, used);
    QFETCH(QString, total);

    for (int i = 0; i < byteSizes.size(); ++i)
        addPicture(type, i + 1, QStringLiteral("P%1").arg(i)).setByteSize(byteSizes.at(i));
    // Pictures of the other kind count for nothing here.
    addPicture(type == Enum::File::BKG ? Enum::File::LOGO : Enum::File::BKG, 9, QStringLiteral("Other"))
        .setByteSize(1 << 20);
    // Shown with the BKG pictures first, then switched to the kind (or to no device) under test.
    Gallery gallery(Enum::File::BKG);
    const bool shown = !used.isEmpty();
    if (!shown)
        QCOMPARE(gallery.frame.contentButtonCount(), 1);
    if (!withDevice)
        Vireo::Fixture::removeActiveDevice();
    gallery.frame.setActiveDevice(withDevice ? device()->shared_from_this() : nullptr, type);
    QCOMPARE(gallery.frame.contentButtonCount(), shown ? byteSizes.size() : 0);
    QCOMPARE(usedLabel(gallery.frame)->text(), used);
    QCOMPARE(totalLabel(gallery.frame)->text(), total);
    QCOMPARE(usedLabel(gallery.frame)->isEnabled(), shown);
    QCOMPARE(footerButton(gallery.frame, "isGalleryAdd")->isEnabled(), shown);
    if (!shown)
        QVERIFY(!footerButton(gallery.frame, "isGalleryDelete")->isEnabled());
    QCOMPARE(footerButton(gallery.frame, "isGalleryAdd")->text(), QStringLiteral("Add"));
    QCOMPARE(footerButton(gallery.frame, "isGalleryDelete")->text(), QStringLiteral("Delete All"));
}

void TestGallery::tilesShowTheStoredPictures()
{
    addPicture(Enum::File::BKG, 2, QStringLiteral("Blue Sky"), QSize(1920, 1080));
    addPicture(Enum::File::BKG, 1, QStringLiteral("A rather long picture name"), QSize(640, 480));
    Gallery gallery(Enum::File::BKG);
    const QList<GalleryContentButton*> tiles = tilesOf(gallery.frame);
    QCOMPARE(tiles.size(), 2);
    // Model order: by file id.
    QCOMPARE(tiles.at(0)->getMaterail().lock()->fileId(), 1);
    QCOMPARE(tiles.at(1)->getMaterail().lock()->fileId(), 2);
    QCOMPARE(part<QLabel>(tiles.at(1), "GalleryMaterailSize")->text(), QStringLiteral("1920x1080"));
    QCOMPARE(part<QLabel>(tiles.at(0), "GalleryMaterailSize")->text(), QStringLiteral("640x480"));
    QCOMPARE(tiles.at(1)->getUIMaterailName(), QStringLiteral("Blue Sky"));
    QCOMPARE(part<QLabel>(tiles.at(1), "GalleryMaterailNameLabel")->text(), QStringLiteral("Blue Sky"));
    QLabel* longName = part<QLabel>(tiles.at(0), "GalleryMaterailNameLabel");
    QVERIFY(longName->text() != QStringLiteral("A rather long picture name"));
    QVERIFY(longName->fontMetrics().horizontalAdvance(longName->text()) <= 100);
    QLabel* thumb = Vireo::Test::labelWith(tiles.at(0), "isMaterail");
    QVERIFY(thumb && !thumb->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(thumb->pixmap(Qt::ReturnByValue).size(), thumb->size());
    QCOMPARE(tiles.at(0)->sizeHint(), QSize(124, 120));
    QVERIFY(tiles.at(0)->property("isGalleryMaterail").toBool());
    QVERIFY(!part<FixedBitLineEditEx>(tiles.at(0), "GalleryMaterailNameEdit")->isVisible());
    QVERIFY(!part<QToolButton>(tiles.at(0), "GalleryMaterailDeleteButton")->isVisible());
    QVERIFY(gallery.frame.property("isGalleryFrame").toBool());
}

void TestGallery::rebuildsReuseTiles()
{
    for (int id = 1; id <= 4; ++id)
        addPicture(Enum::File::LOGO, id, QStringLiteral("Logo %1").arg(id));
    Gallery gallery(Enum::File::LOGO);
    const QList<GalleryContentButton*> before = tilesOf(gallery.frame);
    QCOMPARE(before.size(), 4);
    device()->removeFile(Enum::File::LOGO, 2);
    device()->removeFile(Enum::File::LOGO, 3);
    gallery.frame.updateGalleryFromModel();
    QCOMPARE(gallery.frame.contentButtonCount(), 2);
    QCOMPARE(tilesOf(gallery.frame).at(1)->getUIMaterailName(), QStringLiteral("Logo 4"));
    QCOMPARE(usedLabel(gallery.frame)->text(), QStringLiteral("Used 2"));
    addPicture(Enum::File::LOGO, 5, QStringLiteral("Logo 5"));
    addPicture(Enum::File::LOGO, 6, QStringLiteral("Logo 6"));
    gallery.frame.updateGalleryFromModel();
    const QList<GalleryContentButton*> after = tilesOf(gallery.frame);
    QCOMPARE(after.size(), 4);
    QCOMPARE(QSet<GalleryContentButton*>(after.begin(), after.end()),
        QSet<GalleryContentButton*>(before.begin(), before.end()));
    QCOMPARE(gallery.frame.findChildren<GalleryContentButton*>().size(), 4);
    QCOMPARE(after.at(3)->getUIMaterailName(), QStringLiteral("Logo 6"));
}

void TestGallery::markFollowsTheLayersUsingThePicture()
{
    addPicture(Enum::File::BKG, 1, QStringLiteral("Stage"));
    addPicture(Enum::File::BKG, 2, QStringLiteral("Sky"));
    Screen& screen = device()->addScreen(Enum::Screen::RegularScreen, 1, QStringLiteral("Main"));
    Layer& layer = screen.addLayer(Enum::Layer::PGM, Enum::Layer::BKG, 1);
    layer.setUsedFile(Enum::File::BKG, 2);
    Gallery gallery(Enum::File::BKG);
    auto tiles = tilesOf(gallery.frame);
    QVERIFY(!part<QToolButton>(tiles.at(0), "GalleryMaterailUsedButton")->isVisible());
    QVERIFY(part<QToolButton>(tiles.at(1), "GalleryMaterailUsedButton")->isVisible());
    layer.setUsedFile(Enum::File::BKG, 1);
    gallery.frame.updateUIMaterailUsedSatus(device()->shared_from_this(), tiles.at(0)->getMaterail());
    QVERIFY(part<QToolButton>(tiles.at(0), "GalleryMaterailUsedButton")->isVisible());
    gallery.frame.updateUsedStatus();
    QVERIFY(!part<QToolButton>(tiles.at(1), "GalleryMaterailUsedButton")->isVisible());
}

void TestGallery::dragCarriesTheFileId_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("fileId");
    QTest::addColumn<QString>("mimeType");
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<bool>("vanished"); // the picture is removed before the press: no drag
    const QString logo = QString(Vireo::Constants::MimeTypeLOGOKeyNo);
    const QString bkg = QString(Vireo::Constants::MimeTypeBKGKeyNo);
    QTest::newRow("LOGO 7") << int(Enum::File::LOGO) << 7 << logo << QPoint(30, 40) << false;
    QTest::newRow("BKG 3") << int(Enum::File::BKG) << 3 << bkg << QPoint(100, 5) << false;
    QTest::newRow("BKG 120, bottom left") << int(Enum::File::BKG) << 120 << bkg << QPoint(1, 119) << false;
    QTest::newRow("vanished LOGO") << int(Enum::File::LOGO) << 1 << logo << QPoint(30, 30) << true;
}

void TestGallery::dragCarriesTheFileId()
{
    QFETCH(int, type);
    QFETCH(int, fileId);
    QFETCH(QString, mimeType);
    QFETCH(QPoint, pressAt);
    QFETCH(bool, vanished);

    addPicture(type, fileId, QStringLiteral("Pic"), QSize(320, 200));
    Gallery gallery(type);
    GalleryContentButton* tile = tilesOf(gallery.frame).value(0);
    QVERIFY(tile);
    QVERIFY(!tile->isChecked());
    if (vanished) {
        device()->removeFile(type, fileId);
        QTest::mouseClick(tile, Qt::LeftButton, Qt::NoModifier, pressAt);
        QVERIFY(tile->findChildren<QDrag*>().isEmpty());
        gallery.frame.updateDeletedBtnUsedStatus(device()->shared_from_this());
        QCOMPARE(gallery.frame.contentButtonCount(), 0);
        QCOMPARE(usedLabel(gallery.frame)->text(), QStringLiteral("Used 0"));
        QCOMPARE(Vireo::Fixture::commandLog().size(), 0);
        return;
    }
    QTest::mousePress(tile, Qt::LeftButton, Qt::NoModifier, pressAt);
    const QList<QDrag*> drags = tile->findChildren<QDrag*>();
    QCOMPARE(drags.size(), 1);
    const QMimeData* mime = drags.at(0)->mimeData();
    QCOMPARE(mime->data(mimeType), QString::number(fileId).toUtf8());
    const QString otherType = mimeType == QLatin1String(Vireo::Constants::MimeTypeBKGKeyNo)
        ? QString(Vireo::Constants::MimeTypeLOGOKeyNo)
        : QString(Vireo::Constants::MimeTypeBKGKeyNo);
    QVERIFY(!mime->hasFormat(otherType));
    QCOMPARE(mime->data(QLatin1String(Vireo::Constants::MimeTypeDragHotSpot)),
        Vireo::Widgets::Internal::dragHotSpotBytes(pressAt));
    QCOMPARE(drags.at(0)->hotSpot(), pressAt);
    QCOMPARE(drags.at(0)->pixmap().size(), QSize(124, 120));
    QVERIFY(tile->isChecked());
    QVERIFY(part<QToolButton>(tile, "GalleryMaterailDeleteButton")->isVisible());
    QCOMPARE(Vireo::Fixture::commandLog().size(), 0);
}

void TestGallery::deleteOrRenameWhileTheModelChanges_data()
{
    QTest::addColumn<QString>("action"); // "delete" or "rename"
    // "press": between the delete button's press and release; "click": the host's click(), no press
    // behind it; "slot": in the host's own slot, which runs before the controller's; "warning": while
    // the name of another picture is refused.
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("change"); // "none": the picture shown is deleted
    const char* const rows[][4] = {// row, action, when, change
        {"pressed and released", "delete", "press", "none"}, {"the host's click()", "delete", "click", "none"},
        {"picture removed", "delete", "press", "remove"},
        {"tile rebound to another picture", "delete", "press", "rebind"},
        {"device removed", "delete", "press", "device"},
        {"tile rebound, the pointer leaves and comes back", "delete", "press", "reenter"},
        {"delete, picture removed from the host's slot", "delete", "slot", "remove"},
        {"delete, device removed from the host's slot", "delete", "slot", "device"},
        {"rename, picture removed from the host's slot", "rename", "slot", "remove"},
        {"rename, device removed from the host's slot", "rename", "slot", "device"},
        {"rename, number given to another picture in the host's slot", "rename", "slot", "replaced"},
        {"rename, picture removed during the warning", "rename", "warning", "remove"}};
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]) << QString(row[3]);
}

void TestGallery::deleteOrRenameWhileTheModelChanges()
{
    QFETCH(QString, action);
    QFETCH(QString, when);
    QFETCH(QString, change);
    addPicture(Enum::File::LOGO, 1, QStringLiteral("One"));
    addPicture(Enum::File::LOGO, 2, QStringLiteral("Two"));
    GalleryFlowContainerFrame frame;
    frame.resize(560, 420);
    frame.setActiveDevice(device()->shared_from_this(), Enum::File::LOGO);
    frame.show();
    GalleryContentButton* tile = tilesOf(frame).value(0);
    const auto changeModel = [&] {
        if (change == QLatin1String("none"))
            return;
        if (change == QLatin1String("device")) {
            Vireo::Fixture::removeActiveDevice();
            return;
        }
        device()->removeFile(Enum::File::LOGO, 1);
        if (change == QLatin1String("replaced"))
            addPicture(Enum::File::LOGO, 1, QStringLiteral("Other"));
        if (change == QLatin1String("rebind") || change == QLatin1String("reenter")) {
            frame.updateGalleryFromModel();
            QCOMPARE(tile->getUIMaterailName(), QStringLiteral("Two"));
            tile->setChecked(true);
        }
        if (change == QLatin1String("reenter")) {
            // Qt reports the button pressed again when the held pointer comes back over it.
            auto* button = part<QToolButton>(tile, "GalleryMaterailDeleteButton");
            Vireo::Test::sendMouse(button, QEvent::MouseMove, QPoint(-20, -20), Qt::NoButton, Qt::LeftButton);
            Vireo::Test::sendMouse(button, QEvent::MouseMove, button->rect().center(), Qt::NoButton, Qt::LeftButton);
        }
    };
    if (when == QLatin1String("slot")) {
        connect(&frame, &GalleryFlowContainerFrame::signalRemoveMaterailFromDevice, &frame, changeModel);
        connect(&frame, &GalleryFlowContainerFrame::signalMaterailNameChanged, &frame, changeModel);
    }
    const bool duringWarning = when == QLatin1String("warning");
    if (duringWarning) {
        FramelessMessageBox::setTestResponder([&](const MessageBoxCall&) {
            changeModel();
            frame.updateDeletedBtnUsedStatus(device()->shared_from_this());
            return QMessageBox::Ok;
        });
    }
    GalleryMaterailController controller(&frame);
    QSignalSpy removals(&frame, &GalleryFlowContainerFrame::signalRemoveMaterailFromDevice);
    QSignalSpy renames(&frame, &GalleryFlowContainerFrame::signalMaterailNameChanged);
    const QPointer<GalleryContentButton> guard(tile);
    if (action == QLatin1String("delete")) {
        tile->setChecked(true);
        QVERIFY(!part<QToolButton>(tilesOf(frame).at(1), "GalleryMaterailDeleteButton")->isVisible());
        if (when == QLatin1String("click"))
            part<QToolButton>(tile, "GalleryMaterailDeleteButton")->click();
        else
            clickDelete(tile, when == QLatin1String("press") ? changeModel : std::function<void()>());
    } else {
        typeName(tile, duringWarning ? QStringLiteral("Two") : QStringLiteral("Night"));
    }
    if (change == QLatin1String("none")) {
        QCOMPARE(removals.count(), 1);
        QCOMPARE(removals.at(0).at(0).value<std::weak_ptr<Image>>().lock()->fileId(), 1);
        QCOMPARE(Vireo::Fixture::commandNames(), QStringList({"File::removeFile"}));
        QCOMPARE(Vireo::Fixture::commandLog().at(0).args, QVariantList({int(Enum::File::LOGO), 1}));
        return;
    }
    // Only the host's own slot hears of the action; a release over another picture (or none) does
    // not even ask the host.
    const int asked = when == QLatin1String("slot") ? 1 : 0;
    QCOMPARE(removals.count(), action == QLatin1String("delete") ? asked : 0);
    QCOMPARE(renames.count(), action == QLatin1String("rename") ? asked : 0);
    QCOMPARE(Vireo::Fixture::commandLog().size(), 0);
    if (duringWarning) {
        QCOMPARE(boxTexts().size(), 1);
        QCOMPARE(frame.contentButtonCount(), 1);
        QTRY_VERIFY(guard.isNull());
    }
}

void TestGallery::rename_data()
{
    // "type": pressed and typed; "host": the host fills and finishes the editor; "untouched": opened,
    // another client renames the picture to `typed` meanwhile, and nobody types.
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sentName"); // empty: nothing emitted or sent
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("shownName");

    const char* const rows[][6] = {// row, how, typed, sent ("": nothing), warning, shown
        {"new name", "type", "Night", "Night", "", "Night"},
        {"new name with spaces around", "type", "  Night sky ", "Night sky", "", "Night sky"},
        {"own name", "type", "Stage", "", "", "Stage"}, {"own name with spaces", "type", " Stage  ", "", "", "Stage"},
        {"name of another picture", "type", "Blue Sky", "",
            "Warning|the modify name [Blue Sky] is existed,please reset", "Stage"},
        {"name of a LOGO is free for a BKG", "type", "Brand", "Brand", "", "Brand"},
        {"empty", "type", "", "", "", "Stage"},
        // 15 bytes: ASCII counts one, an ideograph two (the eighth would make 16: 14 are kept).
        {"ASCII cut to the byte limit", "type", "abcdefghijklmnopqrst", "abcdefghijklmno", "", "abcdefghijklmno"},
        {"ideographs cut to the byte limit", "type",
            "\xe5\x9b\xbe\xe7\x89\x87\xe5\x9b\xbe\xe7\x89\x87\xe5\x9b\xbe\xe7\x89\x87\xe5\x9b\xbe\xe7\x89\x87",
            "\xe5\x9b\xbe\xe7\x89\x87\xe5\x9b\xbe\xe7\x89\x87\xe5\x9b\xbe\xe7\x89\x87\xe5\x9b\xbe", "",
            "\xe5\x9b\xbe\xe7\x89\x87\xe5\x9b\xbe\xe7\x89\x87\xe5\x9b\xbe\xe7\x89\x87\xe5\x9b\xbe"},
        // No press on the name: the tile renames as well.
        {"own name finished by the host", "host", "Stage", "", "", "Stage"},
        {"new name finished by the host", "host", " Night ", "Night", "", "Night"},
        {"untouched editor, renamed elsewhere meanwhile", "untouched", "Elsewhere", "", "", "Elsewhere"}};
    for (const auto& row : rows) {
        QTest::newRow(row[0]) << QString(row[1]) << QString::fromUtf8(row[2]) << QString::fromUtf8(row[3])
                              << QString(row[4]) << QString::fromUtf8(row[5]);
    }
}

void TestGallery::rename()
{
    QFETCH(QString, how);
    QFETCH(QString, typed);
    QFETCH(QString, sentName);
    QFETCH(QString, warning);
    QFETCH(QString, shownName);

    Image& stage = addPicture(Enum::File::BKG, 1, QStringLiteral("Stage"));
    addPicture(Enum::File::BKG, 2, QStringLiteral("Blue Sky"));
    addPicture(Enum::File::LOGO, 1, QStringLiteral("Brand"));
    Gallery gallery(Enum::File::BKG);
    QSignalSpy spy(&gallery.frame, &GalleryFlowContainerFrame::signalMaterailNameChanged);
    GalleryContentButton* tile = tilesOf(gallery.frame).value(0);
    auto* editor = part<FixedBitLineEditEx>(tile, "GalleryMaterailNameEdit");
    if (how == QLatin1String("host")) {
        editor->setText(typed);
        emit editor->editingFinished();
    } else if (how == QLatin1String("untouched")) {
        QTest::mouseClick(part<QLabel>(tile, "GalleryMaterailNameLabel"), Qt::LeftButton);
        QVERIFY(editor->isVisible());
        stage.setName(typed);
        QTest::keyClick(editor, Qt::Key_Return);
    } else {
        typeName(tile, typed);
        QVERIFY(tile->isChecked());
    }
    QVERIFY(!editor->isVisible());
    QVERIFY2(showsName(tile, shownName), qPrintable(part<QLabel>(tile, "GalleryMaterailNameLabel")->text()));
    QCOMPARE(boxTexts(), warning.isEmpty() ? QStringList() : QStringList({warning}));
    if (sentName.isEmpty()) {
        QCOMPARE(spy.count(), 0);
        QCOMPARE(Vireo::Fixture::commandLog().size(), 0);
        // The stored name is the one it had (or the one another client gave it).
        const bool untouched = how == QLatin1String("untouched");
        QCOMPARE(stage.name(), untouched ? typed : QStringLiteral("Stage"));
        if (!untouched)
            QCOMPARE(tile->getUIMaterailName(), QStringLiteral("Stage"));
        return;
    }
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<std::weak_ptr<Image>>().lock()->fileId(), 1);
    QCOMPARE(spy.at(0).at(1).toString(), sentName);
    QVERIFY(FixedBitLineEditEx::weightedLength(sentName) <= 15);
    QCOMPARE(Vireo::Fixture::commandNames(), QStringList({"File::renameFile"}));
    QCOMPARE(Vireo::Fixture::commandLog().at(0).args, QVariantList({int(Enum::File::BKG), 1, sentName}));
}

void TestGallery::liveRenameAndDeleteComeBackFromTheDevice()
{
    Vireo::Fixture::setLiveMode(true);
    addPicture(Enum::File::LOGO, 1, QStringLiteral("Brand"));
    addPicture(Enum::File::LOGO, 2, QStringLiteral("Other"));
    Gallery gallery(Enum::File::LOGO);
    connect(device(), &Device::signalFilesChanged, &gallery.frame, [&](int type) {
        if (type == Enum::File::LOGO)
            gallery.frame.updateGalleryFromModel();
    });
    typeName(tilesOf(gallery.frame).value(0), QStringLiteral("Sponsor"));
    QCOMPARE(device()->findFile(Enum::File::LOGO, 1).lock()->name(), QStringLiteral("Sponsor"));
    QCOMPARE(
        part<QLabel>(tilesOf(gallery.frame).value(0), "GalleryMaterailNameLabel")->text(), QStringLiteral("Sponsor"));

    GalleryContentButton* second = tilesOf(gallery.frame).value(1);
    second->setChecked(true);
    clickDelete(second);
    QVERIFY(device()->findFile(Enum::File::LOGO, 2).expired());
    QCOMPARE(gallery.frame.contentButtonCount(), 1);
    QCOMPARE(usedLabel(gallery.frame)->text(), QStringLiteral("Used 1"));
    QCOMPARE(Vireo::Fixture::commandNames(), QStringList({"File::renameFile", "File::removeFile"}));
}

void TestGallery::deleteAllAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("during");
    QTest::addColumn<QVariantList>("sentIds"); // empty: nothing sent

    QTest::newRow("yes") << int(QMessageBox::Yes) << "" << QVariantList({1, 5, 9});
    QTest::newRow("no") << int(QMessageBox::No) << "" << QVariantList();
    QTest::newRow("a picture goes meanwhile") << int(QMessageBox::Yes) << "picture" << QVariantList({1, 9});
    QTest::newRow("the device goes meanwhile") << int(QMessageBox::Yes) << "device" << QVariantList();
}

void TestGallery::deleteAllAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(QString, during);
    QFETCH(QVariantList, sentIds);

    for (int id : {1, 5, 9})
        addPicture(Enum::File::BKG, id, QStringLiteral("P%1").arg(id));
    addPicture(Enum::File::LOGO, 2, QStringLiteral("Brand"));
    Gallery gallery(Enum::File::BKG);
    QSignalSpy spy(&gallery.frame, &GalleryFlowContainerFrame::signalRemoveAllMaterailFromDevice);
    FramelessMessageBox::setTestResponder([&](const MessageBoxCall& call) {
        if (during == QLatin1String("picture"))
            device()->removeFile(Enum::File::BKG, 5);
        else if (during == QLatin1String("device"))
            Vireo::Fixture::removeActiveDevice();
        return call.kind == MessageBoxCall::Question ? QMessageBox::StandardButton(answer) : QMessageBox::Ok;
    });
    QToolButton* deleteAll = footerButton(gallery.frame, "isGalleryDelete");
    QVERIFY(deleteAll->isEnabled());
    QTest::mouseClick(deleteAll, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), int(Enum::File::BKG));
    QCOMPARE(boxTexts(), QStringList({"Remind|Do you want to delete all pictures?"}));
    if (sentIds.isEmpty()) {
        QCOMPARE(Vireo::Fixture::commandLog().size(), 0);
        return;
    }
    QCOMPARE(Vireo::Fixture::commandNames(), QStringList({"File::removeFile"}));
    QCOMPARE(Vireo::Fixture::commandLog().at(0).args, QVariantList({int(Enum::File::BKG), QVariant(sentIds)}));
}

void TestGallery::importChecksTheFileAndTheStore_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("imageLimit"); // 0: the model's default
    QTest::addColumn<quint64>("bkgTotal"); // 0: the model's default
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal"); // empty: stored; %1: the file's name

    const int logo = Enum::File::LOGO;
    const int bkg = Enum::File::BKG;
    const quint64 byDefault = 0;
    // A file refused for what it holds, the store being empty.
    const auto badFile = [&](const char* row, const char* fileName, const QByteArray& bytes, const QString& refusal) {
        QTest::newRow(row) << bkg << 0 << 0 << byDefault << QString(fileName) << bytes << refusal;
    };
    const QByteArray png = encoded(picture(QSize(64, 48)), "PNG");
    const QByteArray jpeg = encoded(picture(QSize(64, 48)), "JPEG");
    const QByteArray bmp = encoded(picture(QSize(64, 48)), "BMP");
    const QString damaged = QStringLiteral("The file [%1] is damaged or incomplete.");
    const QString notPicture = QStringLiteral("The file [%1] is not a PNG, JPEG or BMP picture.");
    badFile("text", "notes.png", QByteArray("just some text, not a picture\n"), notPicture);
    badFile("empty", "empty.png", QByteArray(), notPicture);
    badFile("other format", "pic.xpm", encoded(picture(QSize(4, 4)), "XPM"), notPicture);
    badFile("PNG cut in half", "half.png", png.left(png.size() / 2), damaged);
    badFile("PNG without its end", "end.png", png.left(png.size() - 12), damaged);
    badFile("PNG header only", "head.png", png.left(33), damaged);
    badFile("JPEG cut in half", "half.jpg", jpeg.left(jpeg.size() / 2), damaged);
    badFile("JPEG without its end marker", "end.jpg", jpeg.left(jpeg.size() - 2), damaged);
    badFile("BMP cut short", "short.bmp", bmp.left(bmp.size() - 100), damaged);
    badFile("too wide", "wide.png", encoded(picture(QSize(16385, 1)), "PNG"),
        "The picture [%1] is 16385x1 pixels, more than the device can take.");

    const QString full = QStringLiteral("The library capacity is full, can't be added yet");
    const QString name = QStringLiteral("new.png");
    const QByteArray tiny = encoded(picture(QSize(8, 8)), "PNG");
    QTest::newRow("LOGO library full by the model") << logo << 2 << 2 << byDefault << name << tiny << full;
    QTest::newRow("LOGO one below the model's limit") << logo << 1 << 2 << byDefault << name << tiny << QString();
    QTest::newRow("16 LOGOs shown as the limit") << logo << 16 << 0 << byDefault << name << tiny << full;
    QTest::newRow("BKG library full by the model") << bkg << 3 << 3 << byDefault << name << tiny << full;
    QTest::newRow("255 BKG pictures")
        << bkg << 255 << 1000 << byDefault << name << tiny
        << "The maximum number of pictures has been reached and cannot be added any more.";
    // Each stored test picture takes 64 x 36 x 4 = 9216 bytes.
    const quint64 exact = 9216 + 40 * 30 * 4;
    const QByteArray room = encoded(picture(QSize(40, 30)), "PNG");
    QTest::newRow("BKG room for exactly the picture") << bkg << 1 << 0 << exact << name << room << QString();
    QTest::newRow("BKG one byte short") << bkg << 1 << 0 << exact - 1 << name << room
                                        << "There is not enough space left to complete the operation!";
}

void TestGallery::importChecksTheFileAndTheStore()
{
    QFETCH(int, type);
    QFETCH(int, stored);
    QFETCH(int, imageLimit);
    QFETCH(quint64, bkgTotal);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);

    for (int id = 1; id <= stored; ++id)
        addPicture(type, id, QStringLiteral("P%1").arg(id));
    if (imageLimit > 0)
        device()->setImageLimit(type, imageLimit);
    if (bkgTotal > 0)
        device()->setBKGTotalCapacity(bkgTotal);
    const QString path = writeFile(fileName, bytes);
    QVERIFY(!path.isEmpty());
    Gallery gallery(type);
    const bool stores = refusal.isEmpty();
    QCOMPARE(gallery.controller.importImageFile(path), stores);
    if (!stores) {
        const QString text = refusal.contains(QLatin1String("%1")) ? refusal.arg(fileName) : refusal;
        QCOMPARE(boxTexts(), QStringList({QStringLiteral("Warning|") + text}));
        QCOMPARE(Vireo::Fixture::commandLog().size(), 0);
        return;
    }
    const QSize size = QImage::fromData(bytes).size();
    QCOMPARE(boxTexts(), QStringList());
    QCOMPARE(Vireo::Fixture::commandNames(), QStringList({"File::addImageFile"}));
    QCOMPARE(Vireo::Fixture::commandLog().at(0).args,
        QVariantList({type, QStringLiteral("new"), size.width(), size.height()}));
}

void TestGallery::importFromTheAddButton_data()
{
    QTest::addColumn<QString>("fileName"); // empty: the chooser is cancelled
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("deviceGoes"); // while the chooser is open
    QTest::addColumn<QString>("name"); // empty: nothing stored

    QTest::newRow("PNG") << "Stage.png" << QByteArray("PNG") << false << "Stage2";
    QTest::newRow("JPEG") << "holiday.jpg" << QByteArray("JPEG") << false << "holiday";
    QTest::newRow("BMP under another suffix") << "old.png" << QByteArray("BMP") << false << "old";
    QTest::newRow("odd characters are dropped") << "my pic! (v2).png" << QByteArray("PNG") << false << "my pic v2";
    QTest::newRow("long name cut to the byte limit")
        << "a_very_long_picture_name.png" << QByteArray("PNG") << false << "a_very_long_pic";
    QTest::newRow("nothing usable") << "%%%.png" << QByteArray("PNG") << false << "Picture";
    QTest::newRow("device gone while choosing") << "ok.png" << QByteArray("PNG") << true << "";
    QTest::newRow("chooser cancelled") << "" << QByteArray("PNG") << false << "";
}

void TestGallery::importFromTheAddButton()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, format);
    QFETCH(bool, deviceGoes);
    QFETCH(QString, name);

    addPicture(Enum::File::BKG, 1, QStringLiteral("Stage"));
    const QString path =
        fileName.isEmpty() ? QString() : writeFile(fileName, encoded(picture(QSize(200, 100)), format.constData()));
    Gallery gallery(Enum::File::BKG);
    gallery.controller.setFileChooser([&](QWidget* parent, int type) {
        [&]() {
            QCOMPARE(parent, &gallery.frame);
            QCOMPARE(type, int(Enum::File::BKG));
        }();
        if (deviceGoes)
            Vireo::Fixture::removeActiveDevice();
        return path;
    });
    QSignalSpy spy(&gallery.frame, &GalleryFlowContainerFrame::signalAddMaterailtoDevice);
    QTest::mouseClick(footerButton(gallery.frame, "isGalleryAdd"), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    if (name.isEmpty()) {
        // A cancelled chooser says nothing.
        QCOMPARE(Vireo::Fixture::commandLog().size(), 0);
        QCOMPARE(boxTexts(), deviceGoes ? QStringList({"Warning|Invalid device model."}) : QStringList());
        return;
    }
    QCOMPARE(boxTexts(), QStringList());
    QCOMPARE(Vireo::Fixture::commandNames(), QStringList({"File::addImageFile"}));
    QCOMPARE(Vireo::Fixture::commandLog().at(0).args, QVariantList({int(Enum::File::BKG), name, 200, 100}));

    // In live mode the device stores it and the gallery shows it after the model's notification.
    Vireo::Fixture::clearCommandLog();
    Vireo::Fixture::setLiveMode(true);
    QVERIFY(gallery.controller.importImageFile(path));
    gallery.frame.updateGalleryFromModel();
    QCOMPARE(gallery.frame.contentButtonCount(), 2);
    QCOMPARE(part<QLabel>(tilesOf(gallery.frame).at(1), "GalleryMaterailSize")->text(), QStringLiteral("200x100"));
}

void TestGallery::modelNotificationsUpdateTheTiles()
{
    Image& stage = addPicture(Enum::File::BKG, 1, QStringLiteral("Stage"), QSize(100, 50));
    Gallery gallery(Enum::File::BKG);
    GalleryContentButton* tile = tilesOf(gallery.frame).value(0);
    std::weak_ptr<Image> weakStage = tile->getMaterail();

    stage.setName(QStringLiteral("Arena"));
    gallery.frame.updateMaterailNameFromModel(weakStage);
    QCOMPARE(part<QLabel>(tile, "GalleryMaterailNameLabel")->text(), QStringLiteral("Arena"));

    stage.setSize(QSize(800, 600));
    gallery.frame.updateMaterailSizeFromModel(weakStage);
    QCOMPARE(part<QLabel>(tile, "GalleryMaterailSize")->text(), QStringLiteral("800x600"));
    QCOMPARE(usedLabel(gallery.frame)->text(), QStringLiteral("Used 1.83MB"));

    addPicture(Enum::File::BKG, 2, QStringLiteral("Sky"));
    std::weak_ptr<Image> sky = std::dynamic_pointer_cast<Image>(device()->findFile(Enum::File::BKG, 2).lock());
    QVERIFY(!sky.expired());
    gallery.frame.addMaterailFromModel(device()->shared_from_this(), sky);
    QCOMPARE(gallery.frame.contentButtonCount(), 2);

    device()->removeFile(Enum::File::BKG, 1);
    gallery.frame.removedMaterailFromModel(device()->shared_from_this(), weakStage);
    QCOMPARE(gallery.frame.contentButtonCount(), 1);
    QCOMPARE(tilesOf(gallery.frame).at(0)->getUIMaterailName(), QStringLiteral("Sky"));
}

void TestGallery::pagingMovesByWholeRows()
{
    addPicture(Enum::File::LOGO, 1, QStringLiteral("Only"));
    Gallery gallery(Enum::File::LOGO);
    QVERIFY(QTest::qWaitForWindowExposed(&gallery.frame));
    auto* page = gallery.frame.findChild<QLabel*>(QStringLiteral("FlowContainerPageLabel"));
    QTRY_COMPARE(page->text(), QStringLiteral("1/1 page"));
    QCOMPARE(gallery.frame.contentScrollArea()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    for (int id = 2; id <= 40; ++id)
        addPicture(Enum::File::LOGO, id, QStringLiteral("L%1").arg(id));
    gallery.frame.updateGalleryFromModel();
    QScrollBar* bar = gallery.frame.contentScrollArea()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    const QString first = page->text();
    QVERIFY2(first.startsWith(QLatin1String("1/")) && first != QLatin1String("1/1 page"), qPrintable(first));
    const int pages = first.section(QLatin1Char('/'), 1).section(QLatin1Char(' '), 0, 0).toInt();

    QToolButton* next = nullptr;
    for (QToolButton* button : gallery.frame.findChildren<QToolButton*>()) {
        if (button->property("NaviButtonBottom").toBool())
            next = button;
    }
    QVERIFY(next && next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    const int pitch = GalleryContentButton::TileHeight + 2;
    QVERIFY(bar->value() > 0);
    QCOMPARE(bar->value() % pitch, 0);
    QCOMPARE(page->text(), QStringLiteral("2/%1 page").arg(pages));
    for (int i = 0; i < pages && next->isEnabled(); ++i)
        QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(!next->isEnabled());
    QCOMPARE(page->text(), QStringLiteral("%1/%1 page").arg(pages));
}

QTEST_MAIN(TestGallery)
#include "tst_galleryflowcontainerframe.moc"
