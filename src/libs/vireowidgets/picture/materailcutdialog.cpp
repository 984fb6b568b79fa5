#include "materailcutdialog.h"

#include "captureitem.h"

#include <zkwidgets/slidereditframe.h>

#include <QBuffer>
#include <QButtonGroup>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QtDebug>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Vireo::Widgets {

namespace E = Vireo::BizModel::Enum;

namespace {

constexpr int kMinimumCut = 128;
constexpr int kButtonWidth = 39;
constexpr int kSpinBoxWidth = 50;
// Room the scale page gives its preview (the page's width less its margins, and what the dialog
// leaves below the choice row).
constexpr int kPreviewWidth = 680;
constexpr int kPreviewHeight = 440;

constexpr int kFields[] = {RectEditFrame::X, RectEditFrame::Y, RectEditFrame::Width, RectEditFrame::Height};

// The picture size the pages work in: the size given by the host, else the picture's own.
QSize pictureSize(const QSize& realSize, const std::shared_ptr<QImage>& image)
{
    if (realSize.width() > 0 && realSize.height() > 0)
        return realSize;
    if (image && !image->isNull())
        return image->size();
    return QSize(0, 0);
}

// The field names of the cut and the scale form, in the order of kFields. Each form is a
// translation context of its own; the names are marked so that lupdate catalogues them.
struct FormFields
{
    const char* context;
    const char* names[4];
};
const FormFields kCutFields = {"MaterailCutWidget",
    {QT_TRANSLATE_NOOP("MaterailCutWidget", "X"), QT_TRANSLATE_NOOP("MaterailCutWidget", "Y"),
        QT_TRANSLATE_NOOP("MaterailCutWidget", "Width"), QT_TRANSLATE_NOOP("MaterailCutWidget", "Height")}};
const FormFields kScaleFields = {"MaterailScaleWidget",
    {QT_TRANSLATE_NOOP("MaterailScaleWidget", "X"), QT_TRANSLATE_NOOP("MaterailScaleWidget", "Y"),
        QT_TRANSLATE_NOOP("MaterailScaleWidget", "Width"), QT_TRANSLATE_NOOP("MaterailScaleWidget", "Height")}};

void labelFields(RectEditFrame* frame, const FormFields& form)
{
    for (int i = 0; i < 4; ++i)
        frame->setLabelText(kFields[i], QCoreApplication::translate(form.context, form.names[i]));
}

void shapeFields(RectEditFrame* frame)
{
    for (int type : kFields) {
        frame->setButtonFixedWidth(type, kButtonWidth);
        frame->setSpinBoxFixedWidth(type, kSpinBoxWidth);
    }
    frame->setSliderVisible(RectEditFrame::AllFields, false);
}

bool endsLikeJpeg(const QByteArray& data)
{
    int end = data.size();
    while (end > 0 && (data.at(end - 1) == '\0' || data.at(end - 1) == '\n' || data.at(end - 1) == '\r'))
        --end;
    return end >= 2 && quint8(data.at(end - 2)) == 0xFF && quint8(data.at(end - 1)) == 0xD9;
}

} // namespace

namespace Internal {

struct MaterailCutWidgetUi
{
    QGraphicsView* graphicsView = nullptr;
    RectEditFrame* rectEditFrame = nullptr;
};

struct MaterailScaleWidgetUi
{
    QLabel* previewLabel = nullptr;
    RectEditFrame* sizeFrame = nullptr;
};

} // namespace Internal

// ---------------------------------------------------------------------------------------------
namespace MaterailSize {

QSize calLogoSaveSize(const QSize& maxSize, const QSize& picture)
{
    if (picture.width() <= 0 || picture.height() <= 0 || maxSize.width() <= 0 || maxSize.height() <= 0)
        return QSize(0, 0);
    // Fit by the side that limits most, so neither side ends above the maximum (a picture only a
    // little wider than tall would otherwise keep a height above the maximum height).
    const double byWidth = double(maxSize.width()) / picture.width();
    const double byHeight = double(maxSize.height()) / picture.height();
    if (byWidth <= byHeight)
        return QSize(maxSize.width(), int(byWidth * picture.height()));
    return QSize(int(byHeight * picture.width()), maxSize.height());
}

QSize calBKGSaveSize(quint64 leftCap, const QSize& picture)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return QSize(0, 0);
    const double budget = double(leftCap);
    // A budget beyond any picture (a host passing "unlimited") stops where the longer side reaches
    // the largest size Qt holds.
    const double limit = double(std::numeric_limits<int>::max());
    if (picture.width() > picture.height()) {
        const double r = double(picture.width()) / picture.height();
        const double side = std::min(std::sqrt(budget / r), limit / r);
        return QSize(int(side * r), int(side));
    }
    const double r = double(picture.height()) / picture.width();
    const double side = std::min(std::sqrt(budget / r), limit / r);
    return QSize(int(side), int(side * r));
}

} // namespace MaterailSize

// ---------------------------------------------------------------------------------------------
MaterailCutWidget::MaterailCutWidget(
    const QSize& maxSize, std::shared_ptr<QImage> image, const QSize& realSize, E::File::FileType type, QWidget* parent)
    : QWidget(parent)
    , m_srcImage(std::move(image))
    , m_defaultSize(maxSize)
    , m_realSize(realSize)
    , m_type(type)
{
    init();
}

MaterailCutWidget::MaterailCutWidget(
    quint64 leftCap, std::shared_ptr<QImage> image, const QSize& realSize, E::File::FileType type, QWidget* parent)
    : QWidget(parent)
    , m_srcImage(std::move(image))
    , m_realSize(realSize)
    , m_leftCap(leftCap)
    , m_bBudget(true)
    , m_type(type)
{
    init();
}

MaterailCutWidget::~MaterailCutWidget()
{
    delete ui;
}

RectEditFrame* MaterailCutWidget::rectEditFrame() const
{
    return ui->rectEditFrame;
}

QGraphicsView* MaterailCutWidget::graphicsView() const
{
    return ui->graphicsView;
}

void MaterailCutWidget::init()
{
    ui = new Internal::MaterailCutWidgetUi;
    setObjectName(QStringLiteral("MaterailCutWidget"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(8);
    ui->graphicsView = new QGraphicsView(this);
    ui->graphicsView->setObjectName(QStringLiteral("graphicsView"));
    ui->graphicsView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->graphicsView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->graphicsView->setRenderHint(QPainter::SmoothPixmapTransform);
    // The view fits the picture to itself; a picture's size says nothing about the room wanted.
    ui->graphicsView->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    ui->graphicsView->setMinimumSize(120, 80);
    layout->addWidget(ui->graphicsView, 1);
    ui->rectEditFrame = new RectEditFrame(this);
    ui->rectEditFrame->setObjectName(QStringLiteral("rectEditFrame"));
    ui->rectEditFrame->setContentsMargins(20, 0, 0, 0);
    ui->rectEditFrame->setHorizontalSpacing(8, 8);
    shapeFields(ui->rectEditFrame);
    labelFields(ui->rectEditFrame, kCutFields);
    layout->addWidget(ui->rectEditFrame);

    // Each cut page has its own scene and items, so two pages never share a frame.
    m_scene = new QGraphicsScene(this);
    const QSize p = pictureSize(m_realSize, m_srcImage);
    m_scene->setSceneRect(-2, -2, p.width() + 8, p.height() + 8);
    ui->graphicsView->setScene(m_scene);
    if (m_srcImage && !m_srcImage->isNull()) {
        m_pBackgroundItem = m_scene->addPixmap(QPixmap::fromImage(*m_srcImage));
        m_pBackgroundItem->setTransformationMode(Qt::SmoothTransformation);
        m_pBackgroundItem->setTransform(
            QTransform::fromScale(double(p.width()) / m_srcImage->width(), double(p.height()) / m_srcImage->height()));
    }
    m_pCaptureItem = new CaptureItem;
    m_scene->addItem(m_pCaptureItem);
    m_pCaptureItem->resize(QSizeF(p));
    m_pCaptureItem->addDirectItems();

    QRect frame;
    if (m_bBudget) {
        const QSize save = getBKGScaredSize();
        frame = QRect(0, 0, std::min(save.width(), p.width()), std::min(save.height(), p.height()));
        const quint64 side = m_leftCap / kMinimumCut;
        m_pCaptureItem->setCaptureRange(
            QSize(int(std::min<quint64>(quint64(p.width()), side)), int(std::min<quint64>(quint64(p.height()), side))));
        m_pCaptureItem->setCapturePixelLimit(m_leftCap);
    } else {
        const QSize clipped(std::min(std::max(m_defaultSize.width(), 0), p.width()),
            std::min(std::max(m_defaultSize.height(), 0), p.height()));
        frame = QRect(QPoint(0, 0), clipped);
        m_pCaptureItem->setCaptureRange(clipped);
    }
    m_pCaptureItem->setMinimumCaptureSize(QSizeF(kMinimumCut, kMinimumCut));
    m_pCaptureItem->setCaptureRect(frame);

    slot_updateRectInfo(m_pCaptureItem->captureRect());
    connect(ui->rectEditFrame, &RectEditFrame::valueChanged, this, &MaterailCutWidget::slot_rectInfoChanged);
    connect(m_pCaptureItem, &CaptureItem::captureRectChanged, this, &MaterailCutWidget::slot_updateRectInfo);
}

QSize MaterailCutWidget::getBKGScaredSize() const
{
    return MaterailSize::calBKGSaveSize(m_leftCap, pictureSize(m_realSize, m_srcImage));
}

void MaterailCutWidget::setCaptureVisible(bool visible)
{
    m_pCaptureItem->setVisible(visible);
}

QRect MaterailCutWidget::getCaptureRect() const
{
    const QRectF frame = m_pCaptureItem->captureRect();
    return QRect(qRound(frame.x()), qRound(frame.y()), qRound(frame.width()), qRound(frame.height()));
}

void MaterailCutWidget::updateFieldRanges(const QRect& frame)
{
    const QSize p = pictureSize(m_realSize, m_srcImage);
    const QSizeF range = m_pCaptureItem->captureRange();
    int maxWidth = int(range.width());
    int maxHeight = int(range.height());
    if (m_bBudget) {
        // What the budget leaves for one side at the other side's present length.
        maxWidth = int(std::min<quint64>(quint64(maxWidth), m_leftCap / quint64(std::max(frame.height(), 1))));
        maxHeight = int(std::min<quint64>(quint64(maxHeight), m_leftCap / quint64(std::max(frame.width(), 1))));
        maxWidth = std::max(maxWidth, frame.width());
        maxHeight = std::max(maxHeight, frame.height());
    }
    RectEditFrame* fields = ui->rectEditFrame;
    fields->setRange(RectEditFrame::X, 0, std::max(0, p.width() - frame.width()));
    fields->setRange(RectEditFrame::Y, 0, std::max(0, p.height() - frame.height()));
    fields->setRange(RectEditFrame::Width, std::min(kMinimumCut, maxWidth), maxWidth);
    fields->setRange(RectEditFrame::Height, std::min(kMinimumCut, maxHeight), maxHeight);
}

void MaterailCutWidget::slot_updateRectInfo(const QRectF& rect)
{
    if (m_bSyncing)
        return;
    Q_UNUSED(rect)
    const QRect frame = getCaptureRect();
    {
        m_bSyncing = true;
        const QSignalBlocker blocker(ui->rectEditFrame);
        updateFieldRanges(frame);
        ui->rectEditFrame->setValue(RectEditFrame::X, frame.x());
        ui->rectEditFrame->setValue(RectEditFrame::Y, frame.y());
        ui->rectEditFrame->setValue(RectEditFrame::Width, frame.width());
        ui->rectEditFrame->setValue(RectEditFrame::Height, frame.height());
        m_bSyncing = false;
    }
    emit signal_updateRect(frame);
}

void MaterailCutWidget::slot_rectInfoChanged(int x, int y, int w, int h)
{
    if (m_bSyncing)
        return;
    m_bSyncing = true;
    m_pCaptureItem->setCaptureRect(QRectF(x, y, w, h));
    m_bSyncing = false;
    // The frame keeps its limits; the fields show what it kept.
    slot_updateRectInfo(m_pCaptureItem->captureRect());
}

void MaterailCutWidget::fitView()
{
    if (!m_scene || m_scene->sceneRect().isEmpty())
        return;
    ui->graphicsView->fitInView(m_scene->sceneRect(), Qt::KeepAspectRatio);
    m_percent = ui->graphicsView->transform().m11();
}

void MaterailCutWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitView();
}

void MaterailCutWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    fitView();
}

// ---------------------------------------------------------------------------------------------
MaterailScaleWidget::MaterailScaleWidget(
    const QSize& maxSize, std::shared_ptr<QImage> image, const QSize& realSize, E::File::FileType type, QWidget* parent)
    : QWidget(parent)
    , m_srcImage(std::move(image))
    , m_defaultSize(maxSize)
    , m_realSize(realSize)
    , m_type(type)
{
    createWidget();
}

MaterailScaleWidget::MaterailScaleWidget(
    quint64 leftCap, std::shared_ptr<QImage> image, const QSize& realSize, E::File::FileType type, QWidget* parent)
    : QWidget(parent)
    , m_srcImage(std::move(image))
    , m_realSize(realSize)
    , m_type(type)
    , m_leftCap(leftCap)
{
    createWidget();
}

MaterailScaleWidget::~MaterailScaleWidget()
{
    delete ui;
}

QLabel* MaterailScaleWidget::previewLabel() const
{
    return ui->previewLabel;
}

RectEditFrame* MaterailScaleWidget::sizeFrame() const
{
    return ui->sizeFrame;
}

void MaterailScaleWidget::createWidget()
{
    ui = new Internal::MaterailScaleWidgetUi;
    setObjectName(QStringLiteral("MaterailScaleWidget"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(8);
    ui->previewLabel = new QLabel(this);
    ui->previewLabel->setObjectName(QStringLiteral("previewLabel"));
    ui->previewLabel->setAlignment(Qt::AlignCenter);
    ui->previewLabel->setMinimumSize(64, 36);
    // The preview follows the room it gets, not the other way round.
    ui->previewLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(ui->previewLabel, 1);

    showPreview(QSize(kPreviewWidth, kPreviewHeight));
    ui->previewLabel->installEventFilter(this);

    ui->sizeFrame = new RectEditFrame(this);
    ui->sizeFrame->setObjectName(QStringLiteral("sizeFrame"));
    ui->sizeFrame->setHorizontalSpacing(16, 8);
    shapeFields(ui->sizeFrame);
    labelFields(ui->sizeFrame, kScaleFields);
    const QSize save = calSaveSize();
    ui->sizeFrame->setRange(RectEditFrame::AllFields, 0, std::max({save.width(), save.height(), 0}));
    ui->sizeFrame->setValues(0, 0, save.width(), save.height());
    ui->sizeFrame->setEnabled(false);
    layout->addWidget(ui->sizeFrame);
}

void MaterailScaleWidget::showPreview(const QSize& room)
{
    const QSize p = pictureSize(m_realSize, m_srcImage);
    if (!m_srcImage || m_srcImage->isNull() || p.isEmpty() || room.isEmpty())
        return;
    const double factor = std::min(double(room.width()) / p.width(), double(room.height()) / p.height());
    const QSize preview(std::max(1, int(p.width() * factor)), std::max(1, int(p.height() * factor)));
    if (ui->previewLabel->pixmap(Qt::ReturnByValue).size() == preview)
        return;
    ui->previewLabel->setPixmap(
        QPixmap::fromImage(m_srcImage->scaled(preview, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

bool MaterailScaleWidget::eventFilter(QObject* watched, QEvent* event)
{
    // Once laid out, the preview fills the room the page gives it.
    if (watched == ui->previewLabel && event->type() == QEvent::Resize)
        showPreview(ui->previewLabel->contentsRect().size());
    return QWidget::eventFilter(watched, event);
}

QSize MaterailScaleWidget::calSaveSize() const
{
    const QSize p = pictureSize(m_realSize, m_srcImage);
    switch (m_type) {
    case E::File::BKG:
        return MaterailSize::calBKGSaveSize(m_leftCap, p);
    case E::File::LOGO:
        return MaterailSize::calLogoSaveSize(m_defaultSize, p);
    default:
        qCritical() << "Materail Type not found: " << int(m_type);
        return QSize(0, 0);
    }
}

QSize MaterailScaleWidget::getScaledSize() const
{
    return calSaveSize();
}

// ---------------------------------------------------------------------------------------------
MaterailCutDialog::MaterailCutDialog(const QSize& maxSize, std::shared_ptr<QImage> image, const QSize& realSize,
    E::File::FileType type, QWidget* parent, Qt::WindowFlags f)
    : ZK::Widgets::FramelessDialog(parent, f)
    , m_image(std::move(image))
    , m_defaultSize(maxSize)
    , m_realSize(realSize)
    , m_type(type)
{
    setWindowTitle(tr("Clipping pictures"));
    initDialog(parent);
    initWidgets(false);
}

MaterailCutDialog::MaterailCutDialog(quint64 leftCap, std::shared_ptr<QImage> image, const QSize& realSize,
    E::File::FileType type, QWidget* parent, Qt::WindowFlags f)
    : ZK::Widgets::FramelessDialog(parent, f)
    , m_image(std::move(image))
    , m_realSize(realSize)
    , m_leftCap(leftCap)
    , m_type(type)
{
    setWindowTitle(tr("Clipping pictures"));
    initDialog(parent);
    initWidgets(true);
}

MaterailCutDialog::~MaterailCutDialog() = default;

bool MaterailCutDialog::initDialog(QWidget* parent)
{
    setObjectName(QStringLiteral("MaterailCutDialog"));
    setMinButtonVisible(false);
    setMaxButtonVisible(false);
    setOKButtonDefault(false);
    setModal(true);
    resize(732, 732);
    if (parent) {
        const QPoint centre = parent->mapToGlobal(parent->rect().center());
        move(centre - QPoint(width() / 2, height() / 2));
    }
    return true;
}

void MaterailCutDialog::initWidgets(bool budget)
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);

    m_pTipLabel = new QLabel(this);
    m_pTipLabel->setFixedHeight(36);
    m_pTipLabel->setProperty("isTipLabel", true);
    layout->addWidget(m_pTipLabel);
    m_pDetailLabel = new QLabel(this);
    m_pDetailLabel->setFixedHeight(36);
    m_pDetailLabel->setProperty("isDetailedLabel", true);
    layout->addWidget(m_pDetailLabel);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFixedHeight(1);
    layout->addWidget(line);

    auto* choices = new QHBoxLayout;
    choices->setSpacing(56);
    m_pCutButton = new QRadioButton(this);
    m_pCutButton->setObjectName(QStringLiteral("cutRadioButton"));
    m_pCutButton->setChecked(true);
    m_pScaleButton = new QRadioButton(this);
    m_pScaleButton->setObjectName(QStringLiteral("scaleRadioButton"));
    choices->addWidget(m_pCutButton);
    choices->addWidget(m_pScaleButton);
    choices->addStretch(1);
    layout->addLayout(choices);

    m_pButtonGroup = new QButtonGroup(this);
    m_pButtonGroup->addButton(m_pCutButton, 0);
    m_pButtonGroup->addButton(m_pScaleButton, 1);

    m_pStackWidget = new QStackedWidget(this);
    m_pStackWidget->setProperty("isMaterailFrame", true);
    if (budget) {
        m_pCutGraphics = new MaterailCutWidget(m_leftCap, m_image, m_realSize, m_type, m_pStackWidget);
        m_pScaleWidget = new MaterailScaleWidget(m_leftCap, m_image, m_realSize, m_type, m_pStackWidget);
    } else {
        m_pCutGraphics = new MaterailCutWidget(m_defaultSize, m_image, m_realSize, m_type, m_pStackWidget);
        m_pScaleWidget = new MaterailScaleWidget(m_defaultSize, m_image, m_realSize, m_type, m_pStackWidget);
    }
    m_pStackWidget->addWidget(m_pCutGraphics);
    m_pStackWidget->addWidget(m_pScaleWidget);
    m_pStackWidget->setCurrentIndex(0);
    layout->addWidget(m_pStackWidget, 1);

    connect(m_pButtonGroup, &QButtonGroup::idToggled, this, &MaterailCutDialog::slot_buttonToggled);
    retranslateUi();
}

QString MaterailCutDialog::detailText() const
{
    if (m_type != E::File::LOGO)
        return QString();
    const QSize p = pictureSize(m_realSize, m_image);
    return tr("Maximum support resolution:%1*%2,current resolution:%3*%4.")
        .arg(m_defaultSize.width())
        .arg(m_defaultSize.height())
        .arg(p.width())
        .arg(p.height());
}

void MaterailCutDialog::retranslateUi()
{
    setWindowTitle(tr("Clipping pictures"));
    m_pTipLabel->setText(tr("Picture beyond maximum limit."));
    m_pDetailLabel->setText(detailText());
    m_pCutButton->setText(tr("Cutting"));
    m_pScaleButton->setText(tr("Auto scaling"));
}

void MaterailCutDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && m_pTipLabel)
        retranslateUi();
    ZK::Widgets::FramelessDialog::changeEvent(event);
}

QRect MaterailCutDialog::getCutRect() const
{
    return m_pCutGraphics->getCaptureRect();
}

QSize MaterailCutDialog::getScaleSize() const
{
    return m_pScaleWidget->getScaledSize();
}

void MaterailCutDialog::keyPressEvent(QKeyEvent* event)
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

void MaterailCutDialog::slot_buttonToggled(int index, bool checked)
{
    if (!checked)
        return;
    m_pStackWidget->setCurrentIndex(index);
    m_result = index == 0 ? Cut : Scale;
}

std::shared_ptr<QImage> MaterailCutDialog::loadMaterialImage(const QString& fileName, QString* errorText)
{
    auto refuse = [&](const QString& text, const char* reason) {
        qWarning() << "Refused picture file" << fileName << ":" << reason;
        if (errorText)
            *errorText = text;
        return std::shared_ptr<QImage>();
    };
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(tr("The file cannot be read."), "cannot open");
    // A compressed picture is far smaller than its pixels; a file this big is never one we can take.
    if (quint64(file.size()) > MaxLoadPixels * 4)
        return refuse(tr("The picture is too large to be opened."), "file too big");
    const QByteArray data = file.readAll();
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead())
        return refuse(tr("The file is not a picture."), "unknown format");
    const QSize size = reader.size();
    if (size.isValid() &&
        (size.width() > MaxLoadSide || size.height() > MaxLoadSide ||
            quint64(size.width()) * quint64(size.height()) > MaxLoadPixels))
        return refuse(tr("The picture is too large to be opened."), "too many pixels");
    const QByteArray format = reader.format();
    auto image = std::make_shared<QImage>();
    if (!reader.read(image.get()) || image->isNull())
        return refuse(tr("The picture is damaged or incomplete."), "decoding failed");
    // Some decoders fill a cut-short file with grey and report success: check the end marker.
    if ((format == "png" && !data.contains("IEND")) || (format == "jpeg" && !endsLikeJpeg(data)))
        return refuse(tr("The picture is damaged or incomplete."), "truncated");
    if (errorText)
        errorText->clear();
    return image;
}

} // namespace Vireo::Widgets
