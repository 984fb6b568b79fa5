#include "common/testsupport.h"

#include <vireowidgets/controls/waitingdialog.h>
#include <vireowidgets/media/livecaptureframe.h>

#include <vireomodel/devicelist.h>
#include <vireomodel/fixture.h>
#include <vireomodel/vireomodel.h>
#include <zkwidgets/framelessmessagebox.h>

#include <QGraphicsPixmapItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Vireo::BizModel;
using Vireo::ProtoModel::File::s_CreateImageFile;
using Vireo::Widgets::LiveCaptureDialog;
using Vireo::Widgets::LiveCaptureFrame;
using Vireo::Widgets::WaitingDialog;
using ZK::Widgets::FramelessMessageBox;
using ZK::Widgets::MessageBoxCall;

namespace {

Device* device()
{
    return Vireo::Fixture::activeDevice();
}

Input& addInput(quint32 key, const QSize& size = QSize(1920, 1080))
{
    Input& input = device()->addInput(key, {0, int(key), 0}, Enum::Interface::HDMI_2_0);
    input.setSignal(size, 60.f, false);
    return input;
}

Screen& addScreen(quint8 id, const QSize& size = QSize(3840, 1080))
{
    Screen& screen = device()->addScreen(Enum::Screen::RegularScreen, id);
    screen.setMosaicWindowRect(QRect(QPoint(0, 0), size));
    return screen;
}

QPixmap picture(const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::darkCyan);
    return pixmap;
}

template <typename T>
T* child(QWidget* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qWarning() << "missing child" << name;
    return found;
}

QList<s_CreateImageFile> records(const QSignalSpy& spy)
{
    QList<s_CreateImageFile> list;
    for (const auto& args : spy)
        list << args.at(0).value<s_CreateImageFile>();
    return list;
}

WaitingDialog* waiting()
{
    return WaitingDialog::instance();
}

bool waitingShown()
{
    return waiting()->property("WindowStateShow").toBool() && waiting()->isVisible();
}

} // namespace

class tst_LiveCaptureFrame : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formTexts_data();
    void formTexts();
    void captureRequest_data();
    void captureRequest();
    void frameDisabledWhileRequestingAndSynchronousAnswer();
    void waitingDialogFollowsTheAnswer();
    void panelClosedWhileWaiting();
    void capturedPictureKeepsItsSize();
    void textReplacesPicture();
    void naming_data();
    void naming();
    void saveChecks_data();
    void saveChecks();
    void storageKind();
    void keysNeitherSaveNorClose_data();
    void keysNeitherSaveNorClose();
    void dialogForwardsAndCloses();
    void selfDeletingDialog();

private:
    QList<MessageBoxCall> m_boxes;
};

void tst_LiveCaptureFrame::initTestCase()
{
    qRegisterMetaType<s_CreateImageFile>();
    FramelessMessageBox::setTestResponder([this](const MessageBoxCall& call) {
        m_boxes << call;
        return QMessageBox::Ok;
    });
}

void tst_LiveCaptureFrame::init()
{
    Vireo::Fixture::reset();
    Vireo::Fixture::makeActiveDevice();
    m_boxes.clear();
}

void tst_LiveCaptureFrame::cleanup()
{
    WaitingDialog::deleteInstance();
}

void tst_LiveCaptureFrame::formTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const char* const rows[][3] = {// row, object name, text
        {"title", "label", "CaptureTitle"}, {"preview heading", "caputureHeadtitle", "CaputurePicturePreview"},
        {"name", "label_Name", "Name"}, {"resolution", "label_resolution_2", "Resolution"},
        {"location", "label_location", "Save Location"}, {"BKG", "radioButton_BKG", "BKG"},
        {"OSD", "radioButton_OSD", "OSD"}, {"capture", "pushButton_capture", "Capture"},
        {"save", "pushButton_save", "Save"}, {"cancel", "pushButton_cancel", "Cancel"}};
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]);
}

void tst_LiveCaptureFrame::formTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    LiveCaptureFrame frame;
    QWidget* widget = frame.findChild<QWidget*>(name);
    QVERIFY(widget);
    const QString shown = widget->property("text").toString();
    QCOMPARE(shown, text);
    if (name.startsWith("pushButton"))
        QVERIFY(widget->property("isTransparentBtn").toBool());
    QVERIFY(frame.property("captureDialog").isValid());
    QVERIFY(child<QToolButton>(&frame, "toolButton_close")->property("closeScreenLayout").isValid());
    QVERIFY(child<QRadioButton>(&frame, "radioButton_BKG")->isChecked());
}

void tst_LiveCaptureFrame::captureRequest_data()
{
    QTest::addColumn<bool>("fromInput");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("recordName");
    QTest::addColumn<uint>("sourceId");
    QTest::addColumn<int>("sourceType");
    QTest::addColumn<QString>("deadLog"); // set: the source is removed first, this is logged and nothing is sent
    const QString alive;
    QTest::newRow("input") << true << "Stage" << QByteArray("Stage") << 7u << 2 << alive;
    QTest::newRow("input, unnamed") << true << "" << QByteArray("N/A") << 7u << 2 << alive;
    QTest::newRow("programme") << false << "Wall" << QByteArray("Wall") << 4u << 1 << alive;
    QTest::newRow("programme, name in UTF-8") << false << "Bühne" << QByteArray("B\xc3\xbchne") << 4u << 1 << alive;
    QTest::newRow("input removed") << true << "Stage" << QByteArray() << 7u << 2 << "input object invalid";
    QTest::newRow("screen removed") << false << "Wall" << QByteArray() << 4u << 1 << "Screen object invalid";
}

void tst_LiveCaptureFrame::captureRequest()
{
    QFETCH(bool, fromInput);
    QFETCH(QString, name);
    QFETCH(QByteArray, recordName);
    QFETCH(uint, sourceId);
    QFETCH(int, sourceType);
    QFETCH(QString, deadLog);

    Input& input = addInput(7);
    Screen& screen = addScreen(4);
    LiveCaptureFrame frame;
    if (fromInput)
        frame.setSourceRefrence(device()->findInput(input.interfaceId()));
    else
        frame.setSourceRefrence(device()->findScreen(Enum::Screen::RegularScreen, screen.screenId()));
    QCOMPARE(frame.captureSourceType(), fromInput ? LiveCaptureFrame::Input : LiveCaptureFrame::PGM);
    frame.setCaptureName(name);
    if (!deadLog.isEmpty()) {
        fromInput ? device()->removeInput(7) : device()->removeScreen(Enum::Screen::RegularScreen, 4);
        QTest::ignoreMessage(QtWarningMsg, qPrintable(deadLog));
    }

    QSignalSpy spy(DeviceList::instance(), &DeviceList::signalCaptureImage);
    QTest::mouseClick(child<QPushButton>(&frame, "pushButton_capture"), Qt::LeftButton);
    if (!deadLog.isEmpty()) {
        QCOMPARE(spy.count(), 0);
        QVERIFY(frame.isEnabled());
        QVERIFY(!frame.isWaitingForCapture());
        return;
    }
    QCOMPARE(spy.count(), 1);
    const s_CreateImageFile record = records(spy).at(0);
    QCOMPARE(record.fileId, 0);
    QCOMPARE(record.fileType, 15);
    QCOMPARE(QByteArray::fromStdString(record.general.name), recordName);
    QCOMPARE(uint(record.source.id), sourceId);
    QCOMPARE(record.source.type, sourceType);
    QCOMPARE(record.source.zoomRatio, 1);
    QVERIFY(record.binaryData.empty());
}

void tst_LiveCaptureFrame::frameDisabledWhileRequestingAndSynchronousAnswer()
{
    addInput(1);
    LiveCaptureDialog dialog;
    dialog.setSourceRefrence(device()->findInput(1));
    LiveCaptureFrame* frame = dialog.captureFrame();
    auto* close = dialog.findChild<QToolButton*>(QStringLiteral("FramelessDialogCloseButton"));
    QVERIFY(close);
    dialog.show();
    QVERIFY(close->isVisible());
    bool enabledDuring = true;
    bool closeShownDuring = true;
    const auto link = connect(DeviceList::instance(), &DeviceList::signalCaptureImage, this, [&]() {
        enabledDuring = frame->isEnabled();
        closeShownDuring = close->isVisible();
        frame->setCaptureImage(picture(QSize(64, 36)), QSize(1280, 720));
    });
    QTest::mouseClick(frame->findChild<QPushButton*>(QStringLiteral("pushButton_capture")), Qt::LeftButton);
    disconnect(link);
    QVERIFY(!enabledDuring);
    QVERIFY(!closeShownDuring);
    QVERIFY(frame->isEnabled());
    QVERIFY(close->isVisible());
    // Answered at once: no waiting dialog is left up.
    QVERIFY(!frame->isWaitingForCapture());
    QVERIFY(!waitingShown());
    QCOMPARE(child<QLabel>(frame, "label_resolutionValue")->text(), QStringLiteral("1280*720"));
}

void tst_LiveCaptureFrame::waitingDialogFollowsTheAnswer()
{
    addInput(1);
    LiveCaptureFrame frame;
    frame.setSourceRefrence(device()->findInput(1));
    frame.show();
    QTest::mouseClick(child<QPushButton>(&frame, "pushButton_capture"), Qt::LeftButton);
    QVERIFY(frame.isWaitingForCapture());
    QVERIFY(waitingShown());
    // A device that never answers must not lock the operator in: Cancel is offered from the start.
    auto* cancel = waiting()->findChild<QPushButton*>();
    QVERIFY(cancel && cancel->isVisibleTo(waiting()));

    emit DeviceList::instance()->signalUpdateOperatorProcess(QStringLiteral("Capturing 40%"));
    QCOMPARE(waiting()->informativeText(), QStringLiteral("Capturing 40%"));

    frame.setCaptureImage(picture(QSize(320, 180)), QSize(1920, 1080));
    QVERIFY(!frame.isWaitingForCapture());
    QVERIFY(!waitingShown());

    // Progress texts of other operations no longer reach the waiting dialog.
    waiting()->showWaitingDialog(QStringLiteral("Loading"));
    emit DeviceList::instance()->signalUpdateOperatorProcess(QStringLiteral("Capturing 80%"));
    QCOMPARE(waiting()->informativeText(), QStringLiteral("Loading"));
    waiting()->hideWaitingDialog();

    // Cancel stops waiting; a late answer is still shown.
    QTest::mouseClick(child<QPushButton>(&frame, "pushButton_capture"), Qt::LeftButton);
    QVERIFY(waitingShown());
    waiting()->slotCanelLoad();
    QVERIFY(!frame.isWaitingForCapture());
    QVERIFY(!waitingShown());
    frame.setCaptureImage(picture(QSize(100, 50)), QSize(1000, 500));
    QCOMPARE(frame.getCaptureImage().size(), QSize(100, 50));
}

void tst_LiveCaptureFrame::panelClosedWhileWaiting()
{
    addInput(1);
    auto* frame = new LiveCaptureFrame;
    frame->setSourceRefrence(device()->findInput(1));
    QTest::mouseClick(frame->findChild<QPushButton*>(QStringLiteral("pushButton_capture")), Qt::LeftButton);
    QVERIFY(waitingShown());
    delete frame;
    QVERIFY(!waitingShown());
    // The late answer's progress text and the cancel button find no panel.
    emit DeviceList::instance()->signalUpdateOperatorProcess(QStringLiteral("late"));
    waiting()->slotCanelLoad();
    QVERIFY(!waitingShown());
}

void tst_LiveCaptureFrame::capturedPictureKeepsItsSize()
{
    LiveCaptureFrame frame;
    frame.resize(755, 560);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const QPixmap shot = picture(QSize(3840, 2160));
    frame.setCaptureImage(shot, QSize(3840, 2160));
    QCOMPARE(frame.getCaptureImage().size(), QSize(3840, 2160));
    QCOMPARE(child<QLabel>(&frame, "label_resolutionValue")->text(), QStringLiteral("3840*2160"));

    // The preview fits the view, keeping the aspect ratio.
    auto* view = child<QGraphicsView>(&frame, "graphicsView_image");
    const QList<QGraphicsItem*> items = frame.scene()->items();
    QCOMPARE(items.size(), 1);
    auto* item = qgraphicsitem_cast<QGraphicsPixmapItem*>(items.first());
    QVERIFY(item);
    const QSize shown = item->pixmap().size();
    const QSize room = view->viewport()->size();
    QVERIFY(shown.width() <= room.width() && shown.height() <= room.height());
    QVERIFY(shown.width() == room.width() || shown.height() == room.height());
    QVERIFY(qAbs(double(shown.width()) / shown.height() - 16.0 / 9.0) < 0.02);
    QCOMPARE(frame.scene()->sceneRect(), item->boundingRect());
}

void tst_LiveCaptureFrame::textReplacesPicture()
{
    LiveCaptureFrame frame;
    frame.setCaptureImage(picture(QSize(64, 36)), QSize(1920, 1080));
    frame.setCaptureText(QStringLiteral("No signal"));
    const QList<QGraphicsItem*> items = frame.scene()->items();
    QCOMPARE(items.size(), 1);
    auto* text = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(items.first());
    QVERIFY(text);
    QCOMPARE(text->text(), QStringLiteral("No signal"));
    QCOMPARE(text->font().pixelSize(), 14);
    QCOMPARE(text->font().weight(), int(QFont::Normal));
}

void tst_LiveCaptureFrame::naming_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("warning");
    const QString taken = QStringLiteral("the modify name [Stage] is existed,please reset");
    QTest::newRow("spaces removed") << "my pic" << QString("mypic") << QString();
    QTest::newRow("existing BKG name") << "Stage" << QString("First") << taken;
    QTest::newRow("existing once spaces go") << "St age" << QString("First") << taken;
    QTest::newRow("a logo's name is free for BKG") << "Corner" << QString("Corner") << QString();
}

void tst_LiveCaptureFrame::naming()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, warning);
    device()->addImage(Enum::File::BKG, 1, QStringLiteral("Stage"), QImage());
    device()->addImage(Enum::File::LOGO, 1, QStringLiteral("Corner"), QImage());
    LiveCaptureFrame frame;
    frame.setCaptureName(QStringLiteral("First"));
    auto* edit = child<QLineEdit>(&frame, "lineEdit_nameValue");
    edit->setText(typed);
    emit edit->editingFinished();
    QCOMPARE(frame.getCaptureName(), kept);
    QCOMPARE(edit->text(), kept);
    if (warning.isEmpty()) {
        QVERIFY(m_boxes.isEmpty());
    } else {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes.at(0).title, QStringLiteral("Warning"));
        QCOMPARE(m_boxes.at(0).text, warning);
        QCOMPARE(m_boxes.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // The link is back: the next edit is checked again.
        edit->setText(QStringLiteral("other name"));
        emit edit->editingFinished();
        QCOMPARE(frame.getCaptureName(), QStringLiteral("othername"));
    }
}

void tst_LiveCaptureFrame::saveChecks_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const char* const tooBig = "The picture you added exceeds the BKG width-height limit.";
    const char* const rows[][4] = {// row, setup, box title, box text ("": accepted)
        {"accepted", "", "", ""}, {"no device", "no device", "Warning", "Invalid device model."},
        {"dead input", "dead input", "Warning", "Invalid input model."},
        {"no source", "no source", "Warning", "Invalid input model."},
        {"dead screen", "dead screen", "Warning", "Invalid screen model."},
        {"library full", "library full", "Warning", "The library capacity is full, can't be added yet"},
        {"255 pictures", "255 pictures", "Warning",
            "The maximum number of pictures has been reached and cannot be added any more."},
        {"254 pictures", "254 pictures", "", ""}, {"70000 wide", "70000 wide", "Remind", tooBig},
        {"70000 tall screen", "70000 tall screen", "Remind", tooBig},
        {"one byte short", "one byte short", "Warning", "There is not enough space left to complete the operation!"},
        {"exactly enough", "exactly enough", "", ""},
        {"no picture", "no picture", "Warning", "Capture a picture before saving it."},
        // What the operator sees is a message: there is no picture to save.
        {"a text replaced the picture", "text", "Warning", "Capture a picture before saving it."},
        {"no name", "no name", "Warning", "Please enter a name for the picture."},
        {"name taken meanwhile", "name taken", "Warning", "the modify name [Shot] is existed,please reset"},
        {"input gone while waiting", "input gone while waiting", "Warning", "Invalid input model."},
        {"device gone while waiting", "device gone while waiting", "Warning", "Invalid device model."}};
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]) << QString(row[3]);
}

void tst_LiveCaptureFrame::saveChecks()
{
    QFETCH(QString, setup);
    QFETCH(QString, title);
    QFETCH(QString, text);

    // A 1920 x 1080 input needs 8 294 400 bytes of free BKG space.
    Input& input = addInput(1);
    addScreen(1, QSize(1920, 70000));
    LiveCaptureFrame frame;
    frame.setSourceRefrence(device()->findInput(1));
    frame.setCaptureName(QStringLiteral("Shot"));
    frame.setCaptureImage(picture(QSize(64, 36)), QSize(1920, 1080));
    device()->setImageLimit(Enum::File::BKG, 1000);

    auto addPictures = [](int count) {
        for (int i = 0; i < count; ++i)
            device()->addFile(Enum::File::BKG, i, QStringLiteral("bkg%1").arg(i)).setByteSize(1);
    };
    if (setup == "no device") {
        Vireo::Fixture::removeActiveDevice();
        QTest::ignoreMessage(QtWarningMsg, "Invalid device model.");
    } else if (setup == "dead input") {
        device()->removeInput(1);
    } else if (setup == "no source") {
        frame.setSourceRefrence(std::weak_ptr<Input>());
    } else if (setup == "dead screen") {
        frame.setSourceRefrence(device()->findScreen(Enum::Screen::RegularScreen, 1));
        device()->removeScreen(Enum::Screen::RegularScreen, 1);
    } else if (setup == "library full") {
        device()->setImageLimit(Enum::File::BKG, 3);
        addPictures(3);
    } else if (setup == "255 pictures") {
        addPictures(255);
    } else if (setup == "254 pictures") {
        addPictures(254);
    } else if (setup == "70000 wide") {
        input.setValidTiming(QSize(70000, 100), 60.f, false);
    } else if (setup == "70000 tall screen") {
        frame.setSourceRefrence(device()->findScreen(Enum::Screen::RegularScreen, 1));
    } else if (setup == "one byte short") {
        device()->setBKGTotalCapacity(8294400 - 1);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("There is not enough space left"));
    } else if (setup == "exactly enough") {
        device()->setBKGTotalCapacity(8294400 + 100);
        device()->addFile(Enum::File::BKG, 1, QStringLiteral("used")).setByteSize(100);
    } else if (setup == "no picture") {
        frame.setCaptureImage(QPixmap(), QSize(1920, 1080));
    } else if (setup == "text") {
        frame.setCaptureText(QStringLiteral("No signal"));
    } else if (setup == "no name") {
        frame.setCaptureName(QString());
    } else if (setup == "name taken") {
        device()->addFile(Enum::File::BKG, 9, QStringLiteral("Shot"));
    } else if (setup.endsWith("gone while waiting")) {
        QTest::mouseClick(child<QPushButton>(&frame, "pushButton_capture"), Qt::LeftButton);
        QVERIFY(waitingShown());
        if (setup.startsWith("device")) {
            Vireo::Fixture::removeActiveDevice();
            QVERIFY(!frame.isWaitingForCapture());
            QVERIFY(!waitingShown());
            // Nothing is asked of a device that has gone.
            QSignalSpy requests(DeviceList::instance(), &DeviceList::signalCaptureImage);
            QTest::ignoreMessage(QtWarningMsg, "input object invalid");
            QTest::mouseClick(child<QPushButton>(&frame, "pushButton_capture"), Qt::LeftButton);
            QCOMPARE(requests.count(), 0);
            QTest::ignoreMessage(QtWarningMsg, "Invalid device model.");
        } else {
            device()->removeInput(1);
            // The host had grabbed the picture before the input went.
            frame.setCaptureImage(picture(QSize(64, 36)), QSize(1920, 1080));
        }
    }

    QSignalSpy accepted(&frame, &LiveCaptureFrame::signal_accept);
    QTest::mouseClick(child<QPushButton>(&frame, "pushButton_save"), Qt::LeftButton);
    if (text.isEmpty()) {
        QVERIFY(m_boxes.isEmpty());
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(frame.getCaptureName(), QStringLiteral("Shot"));
        QCOMPARE(frame.getCaptureImage().size(), QSize(64, 36));
    } else {
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes.at(0).title, title);
        QCOMPARE(m_boxes.at(0).text, text);
        QCOMPARE(m_boxes.at(0).parent.data(), &frame);
        QCOMPARE(m_boxes.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

void tst_LiveCaptureFrame::storageKind()
{
    LiveCaptureFrame frame;
    QCOMPARE(frame.getCaptureType(), Enum::File::BKG);
    QTest::mouseClick(child<QRadioButton>(&frame, "radioButton_OSD"), Qt::LeftButton);
    QCOMPARE(frame.getCaptureType(), Enum::File::OSD);
    QTest::mouseClick(child<QRadioButton>(&frame, "radioButton_BKG"), Qt::LeftButton);
    QCOMPARE(frame.getCaptureType(), Enum::File::BKG);
}

void tst_LiveCaptureFrame::keysNeitherSaveNorClose_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus");
    QTest::newRow("Escape on the panel") << int(Qt::Key_Escape) << "";
    QTest::newRow("Return on the panel") << int(Qt::Key_Return) << "";
    QTest::newRow("Enter on the panel") << int(Qt::Key_Enter) << "";
    QTest::newRow("Return in the name") << int(Qt::Key_Return) << "lineEdit_nameValue";
    QTest::newRow("Escape in the name") << int(Qt::Key_Escape) << "lineEdit_nameValue";
    QTest::newRow("Return on Save") << int(Qt::Key_Return) << "pushButton_save";
}

void tst_LiveCaptureFrame::keysNeitherSaveNorClose()
{
    QFETCH(int, key);
    QFETCH(QString, focus);
    addInput(1);
    LiveCaptureDialog dialog;
    dialog.setSourceRefrence(device()->findInput(1));
    dialog.setCaptureName(QStringLiteral("Shot"));
    dialog.setCaptureImage(picture(QSize(64, 36)), QSize(1920, 1080));
    dialog.show();
    QSignalSpy finished(&dialog, &QDialog::finished);
    QSignalSpy accepted(dialog.captureFrame(), &LiveCaptureFrame::signal_accept);
    QWidget* target =
        focus.isEmpty() ? static_cast<QWidget*>(dialog.captureFrame()) : dialog.findChild<QWidget*>(focus);
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(finished.count(), 0);
    QCOMPARE(accepted.count(), 0);
    QVERIFY(dialog.isVisible());
}

void tst_LiveCaptureFrame::dialogForwardsAndCloses()
{
    addInput(1);
    LiveCaptureDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Capture"));
    QVERIFY(!dialog.isOKButtonVisible());
    QVERIFY(!dialog.isCancelButtonVisible());
    QVERIFY(!dialog.isBottomBarVisible());
    QVERIFY(!dialog.isMinButtonVisible());
    QVERIFY(!dialog.isMaxButtonVisible());

    dialog.setSourceRefrence(device()->findInput(1));
    dialog.setCaptureName(QStringLiteral("Shot"));
    dialog.setCaptureImage(picture(QSize(96, 54)), QSize(1920, 1080));
    QCOMPARE(dialog.getCaptureName(), QStringLiteral("Shot"));
    QCOMPARE(dialog.getCaptureImage().size(), QSize(96, 54));
    QCOMPARE(dialog.getCaptureType(), Enum::File::BKG);

    // Save accepts the dialog; the host reads name, picture and type from it.
    QTimer::singleShot(0, &dialog, [&dialog]() {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButton_save")), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));

    // Cancel and the panel's close button reject it.
    for (const char* name : {"pushButton_cancel", "toolButton_close"}) {
        QTimer::singleShot(0, &dialog, [&dialog, name]() {
            QTest::mouseClick(dialog.findChild<QAbstractButton*>(QString::fromLatin1(name)), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }
}

void tst_LiveCaptureFrame::selfDeletingDialog()
{
    QWidget host;
    host.resize(1200, 900);
    host.show();
    QPointer<LiveCaptureDialog> dialog = LiveCaptureDialog::showAddDeviceDialog(&host);
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->isModal());
    QCOMPARE(dialog->size(), QSize(755, 560));
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("pushButton_cancel")), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
}

QTEST_MAIN(tst_LiveCaptureFrame)
#include "tst_livecaptureframe.moc"
