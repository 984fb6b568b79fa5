#include "livecaptureframe.h"

#include <vireowidgets/controls/fixedbitlineeditex.h>
#include <vireowidgets/controls/waitingdialog.h>

#include <vireomodel/devicelist.h>
#include <zkwidgets/framelessmessagebox.h>

#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsPixmapItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtDebug>

namespace Vireo::Widgets {

namespace E = Vireo::BizModel::Enum;
using Vireo::BizModel::DeviceList;

namespace {

// Widest or tallest picture the BKG store takes.
constexpr int kMaxBKGSide = 65536;
// BKG files a device holds at most.
constexpr int kMaxBKGFiles = 254;

QLabel* makeLine(QWidget* parent, const QString& name)
{
    auto* line = new QLabel(parent);
    line->setObjectName(name);
    line->setFixedHeight(1);
    return line;
}

} // namespace

// The panel's form, built in code with the object names a designer form would give.
class Ui_LiveCaptureFrame
{
public:
    QVBoxLayout* verticalLayout = nullptr;
    QFrame* frame_head = nullptr;
    QHBoxLayout* horizontalLayout_2 = nullptr;
    QLabel* label = nullptr;
    QToolButton* toolButton_close = nullptr;
    QLabel* label_HLine_4 = nullptr;
    QFrame* frame_image = nullptr;
    QVBoxLayout* verticalLayout_2 = nullptr;
    QLabel* caputureHeadtitle = nullptr;
    QGraphicsView* graphicsView_image = nullptr;
    QFrame* frame_content = nullptr;
    QGridLayout* gridLayout_2 = nullptr;
    QLabel* label_Name = nullptr;
    FixedBitLineEditEx* lineEdit_nameValue = nullptr;
    QLabel* label_resolution_2 = nullptr;
    QLabel* label_resolutionValue = nullptr;
    QLabel* label_location = nullptr;
    QRadioButton* radioButton_BKG = nullptr;
    QRadioButton* radioButton_OSD = nullptr;
    QLabel* label_HLine_2 = nullptr;
    QHBoxLayout* horizontalLayout_6 = nullptr;
    QPushButton* pushButton_capture = nullptr;
    QPushButton* pushButton_save = nullptr;
    QPushButton* pushButton_cancel = nullptr;

    void setupUi(QFrame* frame)
    {
        verticalLayout = new QVBoxLayout(frame);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));

        frame_head = new QFrame(frame);
        frame_head->setObjectName(QStringLiteral("frame_head"));
        horizontalLayout_2 = new QHBoxLayout(frame_head);
        horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
        horizontalLayout_2->setContentsMargins(0, 0, 0, 0);
        label = new QLabel(frame_head);
        label->setObjectName(QStringLiteral("label"));
        horizontalLayout_2->addWidget(label, 1);
        toolButton_close = new QToolButton(frame_head);
        toolButton_close->setObjectName(QStringLiteral("toolButton_close"));
        toolButton_close->setProperty("closeScreenLayout", true);
        toolButton_close->setIconSize(QSize(24, 21));
        horizontalLayout_2->addWidget(toolButton_close);
        verticalLayout->addWidget(frame_head);
        label_HLine_4 = makeLine(frame, QStringLiteral("label_HLine_4"));
        verticalLayout->addWidget(label_HLine_4);

        frame_image = new QFrame(frame);
        frame_image->setObjectName(QStringLiteral("frame_image"));
        verticalLayout_2 = new QVBoxLayout(frame_image);
        verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
        verticalLayout_2->setContentsMargins(0, 0, 0, 0);
        caputureHeadtitle = new QLabel(frame_image);
        caputureHeadtitle->setObjectName(QStringLiteral("caputureHeadtitle"));
        verticalLayout_2->addWidget(caputureHeadtitle);
        graphicsView_image = new QGraphicsView(frame_image);
        graphicsView_image->setObjectName(QStringLiteral("graphicsView_image"));
        graphicsView_image->setStyleSheet(QStringLiteral("background-color: rgb(34, 36, 42);"));
        graphicsView_image->setMouseTracking(true);
        graphicsView_image->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        graphicsView_image->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        graphicsView_image->setAlignment(Qt::AlignCenter);
        verticalLayout_2->addWidget(graphicsView_image, 1);
        verticalLayout->addWidget(frame_image, 1);

        frame_content = new QFrame(frame);
        frame_content->setObjectName(QStringLiteral("frame_content"));
        gridLayout_2 = new QGridLayout(frame_content);
        gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
        label_Name = new QLabel(frame_content);
        label_Name->setObjectName(QStringLiteral("label_Name"));
        gridLayout_2->addWidget(label_Name, 0, 0);
        lineEdit_nameValue = new FixedBitLineEditEx(frame_content);
        lineEdit_nameValue->setObjectName(QStringLiteral("lineEdit_nameValue"));
        lineEdit_nameValue->setAttribute(Qt::WA_MacShowFocusRect, false);
        gridLayout_2->addWidget(lineEdit_nameValue, 0, 1, 1, 2);
        label_resolution_2 = new QLabel(frame_content);
        label_resolution_2->setObjectName(QStringLiteral("label_resolution_2"));
        gridLayout_2->addWidget(label_resolution_2, 1, 0);
        label_resolutionValue = new QLabel(frame_content);
        label_resolutionValue->setObjectName(QStringLiteral("label_resolutionValue"));
        gridLayout_2->addWidget(label_resolutionValue, 1, 1, 1, 2);
        label_location = new QLabel(frame_content);
        label_location->setObjectName(QStringLiteral("label_location"));
        gridLayout_2->addWidget(label_location, 2, 0);
        radioButton_BKG = new QRadioButton(frame_content);
        radioButton_BKG->setObjectName(QStringLiteral("radioButton_BKG"));
        radioButton_BKG->setChecked(true);
        gridLayout_2->addWidget(radioButton_BKG, 2, 1);
        radioButton_OSD = new QRadioButton(frame_content);
        radioButton_OSD->setObjectName(QStringLiteral("radioButton_OSD"));
        gridLayout_2->addWidget(radioButton_OSD, 2, 2);
        gridLayout_2->setColumnStretch(2, 1);
        verticalLayout->addWidget(frame_content);
        label_HLine_2 = makeLine(frame, QStringLiteral("label_HLine_2"));
        verticalLayout->addWidget(label_HLine_2);

        horizontalLayout_6 = new QHBoxLayout;
        horizontalLayout_6->setObjectName(QStringLiteral("horizontalLayout_6"));
        horizontalLayout_6->addStretch(1);
        for (QPushButton** button : {&pushButton_capture, &pushButton_save, &pushButton_cancel}) {
            *button = new QPushButton(frame);
            (*button)->setProperty("isTransparentBtn", true);
            // Return on a focused button must not save or close the panel.
            (*button)->setAutoDefault(false);
            horizontalLayout_6->addWidget(*button);
        }
        pushButton_capture->setObjectName(QStringLiteral("pushButton_capture"));
        pushButton_save->setObjectName(QStringLiteral("pushButton_save"));
        pushButton_cancel->setObjectName(QStringLiteral("pushButton_cancel"));
        verticalLayout->addLayout(horizontalLayout_6);
        retranslateUi();
    }

    void retranslateUi()
    {
        label->setText(QCoreApplication::translate("LiveCaptureFrame", "CaptureTitle"));
        caputureHeadtitle->setText(QCoreApplication::translate("LiveCaptureFrame", "CaputurePicturePreview"));
        label_Name->setText(QCoreApplication::translate("LiveCaptureFrame", "Name"));
        label_resolution_2->setText(QCoreApplication::translate("LiveCaptureFrame", "Resolution"));
        label_location->setText(QCoreApplication::translate("LiveCaptureFrame", "Save Location"));
        radioButton_BKG->setText(QCoreApplication::translate("LiveCaptureFrame", "BKG"));
        radioButton_OSD->setText(QCoreApplication::translate("LiveCaptureFrame", "OSD"));
        pushButton_capture->setText(QCoreApplication::translate("LiveCaptureFrame", "Capture"));
        pushButton_save->setText(QCoreApplication::translate("LiveCaptureFrame", "Save"));
        pushButton_cancel->setText(QCoreApplication::translate("LiveCaptureFrame", "Cancel"));
    }
};

// ---------------------------------------------------------------------------------------------
LiveCaptureFrame::LiveCaptureFrame(QWidget* parent, Qt::WindowFlags f)
    : QFrame(parent, f)
    , ui(new Ui_LiveCaptureFrame)
    , m_type(E::File::BKG)
{
    ui->setupUi(this);
    initWidget();
    initConnections();
}

LiveCaptureFrame::~LiveCaptureFrame()
{
    if (m_bCapturePending)
        stopWaiting();
    delete ui;
}

void LiveCaptureFrame::initWidget()
{
    setObjectName(QStringLiteral("LiveCaptureFrame"));
    setProperty("captureDialog", true);
    ui->graphicsView_image->setScene(&m_scene);
}

void LiveCaptureFrame::initConnections()
{
    connect(ui->pushButton_capture, &QPushButton::clicked, this, &LiveCaptureFrame::slot_buttonCaptureClicked);
    connect(ui->radioButton_BKG, &QRadioButton::clicked, this, &LiveCaptureFrame::slot_radioButtonBKGClicked);
    connect(ui->radioButton_OSD, &QRadioButton::clicked, this, &LiveCaptureFrame::slot_radioButtonOSDClicked);
    connect(ui->pushButton_save, &QPushButton::clicked, this, &LiveCaptureFrame::slot_saveClicked);
    connect(ui->pushButton_cancel, &QPushButton::clicked, this, &LiveCaptureFrame::signal_reject);
    connect(ui->toolButton_close, &QToolButton::clicked, this, &LiveCaptureFrame::signal_reject);
    m_editLink =
        connect(ui->lineEdit_nameValue, &QLineEdit::editingFinished, this, &LiveCaptureFrame::slot_editingFinished);
    DeviceList* list = DeviceList::instance();
    connect(list, &DeviceList::signalUpdateOperatorProcess, this, &LiveCaptureFrame::slotUpdateOperatorProcess);
    // A device that goes away while a capture is awaited will not answer: stop waiting for it.
    connect(list, &DeviceList::signalActivedDeviceChanged, this, [this]() {
        if (m_bCapturePending && !DeviceList::instance()->activedDevice().lock()) {
            stopWaiting();
            setCaptureText(tr("The device is no longer available."));
        }
    });
}

void LiveCaptureFrame::retranslateUi()
{
    ui->retranslateUi();
}

void LiveCaptureFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}

void LiveCaptureFrame::setSourceRefrence(std::weak_ptr<Vireo::BizModel::Input> rInput)
{
    m_sourceRefrence = rInput;
    m_captureSourceType = Input;
}

void LiveCaptureFrame::setSourceRefrence(std::weak_ptr<Vireo::BizModel::Screen> pScreen)
{
    m_sourceRefrence = pScreen;
    m_captureSourceType = PGM;
}

void LiveCaptureFrame::setCaptureImage(const QPixmap& imageSrc, QSize size)
{
    if (m_bCapturePending)
        stopWaiting();
    m_image = imageSrc;
    m_text.clear();
    refreshScene();
    setCaptureResolution(size.width(), size.height());
    slot_editingFinished();
}

void LiveCaptureFrame::setCaptureText(const QString& text)
{
    if (m_bCapturePending)
        stopWaiting();
    // The panel shows a message instead of a picture, so there is no picture left to save.
    m_image = QPixmap();
    m_text = text;
    refreshScene();
}

void LiveCaptureFrame::setCaptureName(const QString& name)
{
    m_name = name;
    ui->lineEdit_nameValue->setText(name);
}

QString LiveCaptureFrame::getCaptureName() const
{
    return m_name;
}

QPixmap LiveCaptureFrame::getCaptureImage() const
{
    return m_image;
}

E::File::FileType LiveCaptureFrame::getCaptureType() const
{
    return m_type;
}

void LiveCaptureFrame::setCaptureResolution(int width, int height)
{
    ui->label_resolutionValue->setText(QStringLiteral("%1*%2").arg(width).arg(height));
}

void LiveCaptureFrame::refreshScene()
{
    m_scene.clear();
    if (!m_image.isNull()) {
        QSize room = ui->graphicsView_image->viewport()->size();
        if (room.isEmpty())
            room = QSize(1, 1);
        auto* item = m_scene.addPixmap(m_image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        m_scene.setSceneRect(item->boundingRect());
    } else if (!m_text.isEmpty()) {
        auto* item = m_scene.addSimpleText(m_text);
        QFont font = item->font();
        font.setPixelSize(14);
        font.setWeight(QFont::Normal);
        item->setFont(font);
        item->setBrush(Qt::white);
        m_scene.setSceneRect(item->boundingRect());
    } else {
        m_scene.setSceneRect(QRectF());
    }
}

void LiveCaptureFrame::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    refreshScene();
}

void LiveCaptureFrame::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    refreshScene();
}

void LiveCaptureFrame::slot_radioButtonBKGClicked()
{
    m_type = E::File::BKG;
}

void LiveCaptureFrame::slot_radioButtonOSDClicked()
{
    m_type = E::File::OSD;
}

void LiveCaptureFrame::slot_buttonCaptureClicked()
{
    const QPointer<LiveCaptureFrame> self(this);
    const QPointer<LiveCaptureDialog> dialog = qobject_cast<LiveCaptureDialog*>(parentWidget());
    setEnabled(false);
    if (dialog)
        dialog->setCloseButtonVisible(false);
    const bool sent = m_captureSourceType == Input ? captureInput() : capturePGM();
    // The host answers in its slot; it may even have closed the panel there.
    if (!self)
        return;
    if (dialog)
        dialog->setCloseButtonVisible(true);
    setEnabled(true);
    if (sent && m_bCapturePending)
        startWaiting();
}

bool LiveCaptureFrame::captureInput()
{
    const auto* ref = std::any_cast<std::weak_ptr<Vireo::BizModel::Input>>(&m_sourceRefrence);
    const auto input = ref ? ref->lock() : nullptr;
    if (!input) {
        qWarning() << "input object invalid";
        return false;
    }
    return sendCapture(input->interfaceId(), E::File::InputCapture);
}

bool LiveCaptureFrame::capturePGM()
{
    const auto* ref = std::any_cast<std::weak_ptr<Vireo::BizModel::Screen>>(&m_sourceRefrence);
    const auto screen = ref ? ref->lock() : nullptr;
    if (!screen) {
        qWarning() << "Screen object invalid";
        return false;
    }
    return sendCapture(screen->screenId(), E::File::PGMCapture);
}

bool LiveCaptureFrame::sendCapture(quint32 sourceId, int sourceType)
{
    Vireo::ProtoModel::File::s_CreateImageFile record;
    record.fileId = 0;
    record.fileType = E::File::TempFile;
    record.general.name = "N/A";
    if (!m_name.isEmpty())
        record.general.name = m_name.toStdString();
    record.source.id = sourceId;
    record.source.type = sourceType;
    record.source.zoomRatio = 1;
    m_bCapturePending = true;
    emit DeviceList::instance()->signalCaptureImage(record);
    return true;
}

void LiveCaptureFrame::startWaiting()
{
    const QPointer<LiveCaptureFrame> self(this);
    WaitingDialog* waiting = WaitingDialog::instance(window());
    m_pWaitingDialog = waiting;
    disconnect(m_cancelLink);
    m_cancelLink = connect(waiting, &WaitingDialog::signal_canelLoad, this, [this]() { stopWaiting(); });
    waiting->showWaitingDialog(tr("Capturing..."));
    // Showing runs the event loop briefly: the answer (or the panel's end) may have come meanwhile.
    if (!self || !m_bCapturePending || !m_pWaitingDialog)
        return;
    // Always give a way out: a device that never answers must not lock the operator in.
    m_pWaitingDialog->setButtonText(tr("Cancel"));
    m_pWaitingDialog->setCanelVisible(true);
}

void LiveCaptureFrame::stopWaiting()
{
    m_bCapturePending = false;
    disconnect(m_cancelLink);
    if (WaitingDialog* waiting = m_pWaitingDialog) {
        m_pWaitingDialog = nullptr;
        if (waiting->property("WindowStateShow").toBool())
            waiting->hideWaitingDialog();
    }
}

void LiveCaptureFrame::slotUpdateOperatorProcess(const QString& process)
{
    if (!m_pWaitingDialog)
        return;
    m_pWaitingDialog->setButtonText(tr("Cancel"));
    m_pWaitingDialog->setCanelVisible(true);
    m_pWaitingDialog->setInformativeText(process);
}

void LiveCaptureFrame::slot_editingFinished()
{
    const QString text = ui->lineEdit_nameValue->text();
    if (text == m_name)
        return;
    QString name = text;
    name.remove(QLatin1Char(' '));
    const auto device = DeviceList::instance()->activedDevice().lock();
    if (device && device->isFileNameExist(E::File::BKG, name)) {
        disconnect(m_editLink);
        ui->lineEdit_nameValue->setFocus();
        warn(tr("Warning"), tr("the modify name [%1] is existed,please reset").arg(name));
        ui->lineEdit_nameValue->setText(m_name);
        m_editLink =
            connect(ui->lineEdit_nameValue, &QLineEdit::editingFinished, this, &LiveCaptureFrame::slot_editingFinished);
        return;
    }
    m_name = name;
    ui->lineEdit_nameValue->setText(name);
}

void LiveCaptureFrame::warn(const QString& title, const QString& text)
{
    ZK::Widgets::FramelessMessageBox::warning(this, title, text, QMessageBox::Ok);
}

void LiveCaptureFrame::slot_saveClicked()
{
    // A name typed but not yet confirmed counts as confirmed by Save.
    slot_editingFinished();

    const auto device = DeviceList::instance()->activedDevice().lock();
    if (!device) {
        qWarning() << "Invalid device model.";
        warn(tr("Warning"), tr("Invalid device model."));
        return;
    }
    QSize size;
    if (m_captureSourceType == Input) {
        const auto* ref = std::any_cast<std::weak_ptr<Vireo::BizModel::Input>>(&m_sourceRefrence);
        const auto input = ref ? ref->lock() : nullptr;
        if (!input) {
            warn(tr("Warning"), tr("Invalid input model."));
            return;
        }
        size = input->validSizeUnderActive();
    } else if (m_captureSourceType == PGM) {
        const auto* ref = std::any_cast<std::weak_ptr<Vireo::BizModel::Screen>>(&m_sourceRefrence);
        const auto screen = ref ? ref->lock() : nullptr;
        if (!screen) {
            warn(tr("Warning"), tr("Invalid screen model."));
            return;
        }
        size = screen->mosaicWindowSize();
    } else {
        qWarning() << "Invalid type.";
        warn(tr("Warning"), tr("Invalid type."));
        return;
    }
    if (device->isImageCapacityEnough(E::File::BKG)) {
        warn(tr("Warning"), tr("The library capacity is full, can't be added yet"));
        return;
    }
    if (device->files(E::File::BKG).size() > kMaxBKGFiles) {
        warn(tr("Warning"), tr("The maximum number of pictures has been reached and cannot be added any more."));
        return;
    }
    if (size.width() > kMaxBKGSide || size.height() > kMaxBKGSide) {
        warn(tr("Remind"), tr("The picture you added exceeds the BKG width-height limit."));
        return;
    }
    const quint64 bytes = quint64(qMax(0, size.width())) * quint64(qMax(0, size.height())) * 4;
    if (!device->isBKGCapacityEnough(bytes)) {
        qWarning() << "There is not enough space left to complete the operation!";
        qDebug() << "Capture: the picture needs" << bytes << "bytes";
        warn(tr("Warning"), tr("There is not enough space left to complete the operation!"));
        return;
    }
    // Nothing to store, or a name the device cannot take: the host would store a broken picture.
    if (m_image.isNull()) {
        warn(tr("Warning"), tr("Capture a picture before saving it."));
        return;
    }
    if (m_name.isEmpty()) {
        warn(tr("Warning"), tr("Please enter a name for the picture."));
        return;
    }
    if (device->isFileNameExist(E::File::BKG, m_name)) {
        warn(tr("Warning"), tr("the modify name [%1] is existed,please reset").arg(m_name));
        return;
    }
    emit signal_accept();
}

void LiveCaptureFrame::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}

// ---------------------------------------------------------------------------------------------
LiveCaptureDialog::LiveCaptureDialog(QWidget* parent, Qt::WindowFlags f)
    : ZK::Widgets::FramelessDialog(parent, f)
{
    setObjectName(QStringLiteral("LiveCaptureDialog"));
    setMinButtonVisible(false);
    setMaxButtonVisible(false);
    setOKButtonVisible(false);
    setCancelButtonVisible(false);
    setBottomBarVisible(false);
    m_pLiveCaptureFrame = new LiveCaptureFrame(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(m_pLiveCaptureFrame);
    layout->addStretch(1);
    connect(m_pLiveCaptureFrame, &LiveCaptureFrame::signal_accept, this, &QDialog::accept);
    connect(m_pLiveCaptureFrame, &LiveCaptureFrame::signal_reject, this, &QDialog::reject);
    retranslateUi();
}

LiveCaptureDialog::~LiveCaptureDialog() = default;

LiveCaptureDialog* LiveCaptureDialog::showAddDeviceDialog(QWidget* parent, Qt::WindowFlags f)
{
    auto* dialog = new LiveCaptureDialog(parent, f);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    dialog->resize(755, 560);
    if (parent) {
        const QPoint centre = parent->mapToGlobal(parent->rect().center());
        dialog->move(centre - QPoint(dialog->width() / 2, dialog->height() / 2));
    }
    dialog->show();
    return dialog;
}

void LiveCaptureDialog::retranslateUi()
{
    setWindowTitle(tr("Capture"));
}

void LiveCaptureDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    ZK::Widgets::FramelessDialog::changeEvent(event);
}

void LiveCaptureDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        ZK::Widgets::FramelessDialog::keyPressEvent(event);
    }
}

void LiveCaptureDialog::setCaptureName(const QString& name)
{
    m_pLiveCaptureFrame->setCaptureName(name);
}

QString LiveCaptureDialog::getCaptureName() const
{
    return m_pLiveCaptureFrame->getCaptureName();
}

void LiveCaptureDialog::setCaptureImage(const QPixmap& image, QSize size)
{
    m_pLiveCaptureFrame->setCaptureImage(image, size);
}

QPixmap LiveCaptureDialog::getCaptureImage() const
{
    return m_pLiveCaptureFrame->getCaptureImage();
}

E::File::FileType LiveCaptureDialog::getCaptureType() const
{
    return m_pLiveCaptureFrame->getCaptureType();
}

void LiveCaptureDialog::setSourceRefrence(std::weak_ptr<Vireo::BizModel::Input> rInput)
{
    m_pLiveCaptureFrame->setSourceRefrence(rInput);
}

void LiveCaptureDialog::setSourceRefrence(std::weak_ptr<Vireo::BizModel::Screen> pScreen)
{
    m_pLiveCaptureFrame->setSourceRefrence(pScreen);
}

} // namespace Vireo::Widgets
