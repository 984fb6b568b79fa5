#include "galleryflowcontainerframe.h"

#include <vireowidgets/controls/fixedbitlineeditex.h>
#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/resourcedrag.h>

#include <vireomodel/utils.h>
#include <zkwidgets/framelessmessagebox.h>

#include <QButtonGroup>
#include <QDebug>
#include <QDrag>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace Vireo::Widgets {

namespace Enum = Vireo::BizModel::Enum;
using Vireo::BizModel::Device;
using Vireo::BizModel::Image;

namespace {

constexpr int ThumbWidth = GalleryContentButton::TileWidth - 2;
constexpr int ThumbHeight = 70;
constexpr int NameHeight = 32;
constexpr int SizeHeight = 14;
constexpr int MarkSize = 20;
constexpr int NameElideWidth = 100;
constexpr int NameElideWidthAfterEdit = 110;
constexpr int FooterButtonWidth = 115;
constexpr int FooterButtonHeight = 30;

bool isGalleryKind(int type)
{
    return type == Enum::File::BKG || type == Enum::File::LOGO;
}

} // namespace

namespace Internal {

class GalleryContentButtonPrivate : public QObject
{
public:
    explicit GalleryContentButtonPrivate(GalleryContentButton* button)
        : QObject(button)
        , m_pContentButton(button)
    { }

    void createWidgets();
    void placeMarks();
    void showNameLabel(const QString& name, int elideWidth);
    void finishNameEditing();
    void deletePressed();
    void deleteClicked();

    GalleryContentButton* m_pContentButton;
    std::weak_ptr<Image> m_rMaterail;
    std::shared_ptr<QPixmap> m_rMaterailPixmap;
    QLabel* m_pThumb = nullptr;
    FixedBitLineEditEx* m_pName = nullptr;
    QLabel* m_pNameLabel = nullptr;
    QLabel* m_pSize = nullptr;
    QToolButton* m_pUsedButton = nullptr;
    QToolButton* m_pDeleteButton = nullptr;
    GalleryContentButton::ButtonType m_enButtonType = GalleryContentButton::GalleryBtn;

    // The picture under the delete button when it was pressed: the click acts only on that one.
    // A click with no press behind it (the host's click()) acts on the picture shown.
    std::weak_ptr<Image> m_rPressedMaterail;
    bool m_bDeletePressed = false;
    bool m_bEditing = false;
    bool m_bFinishingEdit = false;
    // The editor's text when the editing started: only a text the operator changed is sent.
    QString m_editStartText;
};

void GalleryContentButtonPrivate::createWidgets()
{
    GalleryContentButton* q = m_pContentButton;
    q->setCheckable(true);
    q->setProperty("isGalleryMaterail", true);
    q->setFixedSize(GalleryContentButton::TileWidth, GalleryContentButton::TileHeight);

    auto* layout = new QVBoxLayout(q);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(1);

    m_pThumb = new QLabel(q);
    m_pThumb->setObjectName(QStringLiteral("GalleryMaterailThumb"));
    m_pThumb->setProperty("isMaterail", true);
    m_pThumb->setScaledContents(true);
    m_pThumb->setFixedSize(ThumbWidth, ThumbHeight);
    m_pThumb->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_pName = new FixedBitLineEditEx(q);
    m_pName->setObjectName(QStringLiteral("GalleryMaterailNameEdit"));
    m_pName->setAlignment(Qt::AlignCenter);
    m_pName->setProperty("isNormalNoneBorder", true);
    m_pName->setFixedHeight(NameHeight);
    m_pName->hide();

    m_pNameLabel = new QLabel(q);
    m_pNameLabel->setObjectName(QStringLiteral("GalleryMaterailNameLabel"));
    m_pNameLabel->setAlignment(Qt::AlignCenter);
    m_pNameLabel->setFixedHeight(NameHeight);

    m_pSize = new QLabel(q);
    m_pSize->setObjectName(QStringLiteral("GalleryMaterailSize"));
    m_pSize->setAlignment(Qt::AlignCenter);
    m_pSize->setProperty("isMaterailSize", true);
    m_pSize->setFixedHeight(SizeHeight);
    m_pSize->setAttribute(Qt::WA_TransparentForMouseEvents);

    layout->addWidget(m_pThumb, 0, Qt::AlignHCenter);
    layout->addWidget(m_pName);
    layout->addWidget(m_pNameLabel);
    layout->addWidget(m_pSize);
    layout->addStretch();

    m_pUsedButton = new QToolButton(q);
    m_pUsedButton->setObjectName(QStringLiteral("GalleryMaterailUsedButton"));
    m_pUsedButton->setCheckable(false);
    m_pUsedButton->setIcon(Vireo::Utils::Icon::fromTheme(QStringLiteral("picture_used_normal")));
    m_pUsedButton->setFixedSize(MarkSize, MarkSize);
    m_pUsedButton->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pUsedButton->hide();

    m_pDeleteButton = new QToolButton(q);
    m_pDeleteButton->setObjectName(QStringLiteral("GalleryMaterailDeleteButton"));
    m_pDeleteButton->setIcon(Vireo::Utils::Icon::fromTheme(QStringLiteral("toolbutton_layer_remove_normal")));
    m_pDeleteButton->setFixedSize(MarkSize, MarkSize);
    m_pDeleteButton->hide();

    m_pNameLabel->installEventFilter(q);
    m_pName->installEventFilter(q);
    // The press itself, not QAbstractButton::pressed, which comes again each time the held pointer
    // moves back over the button (and the tile may show another picture by then).
    m_pDeleteButton->installEventFilter(q);
    connect(m_pDeleteButton, &QToolButton::clicked, this, &GalleryContentButtonPrivate::deleteClicked);
    connect(m_pName, &QLineEdit::editingFinished, this, &GalleryContentButtonPrivate::finishNameEditing,
        Qt::UniqueConnection);
    placeMarks();
}

void GalleryContentButtonPrivate::placeMarks()
{
    const QPoint origin = m_pThumb->geometry().topLeft();
    const int left = qMax(1, origin.x());
    const int top = qMax(1, origin.y());
    m_pUsedButton->move(left, top);
    m_pDeleteButton->move(qMax(left, left + m_pThumb->width() - MarkSize), top);
    m_pUsedButton->raise();
    m_pDeleteButton->raise();
}

void GalleryContentButtonPrivate::showNameLabel(const QString& name, int elideWidth)
{
    m_pNameLabel->setText(m_pNameLabel->fontMetrics().elidedText(name, Qt::ElideRight, elideWidth));
    m_pNameLabel->setToolTip(name);
    m_pName->hide();
    m_pNameLabel->show();
}

void GalleryContentButtonPrivate::finishNameEditing()
{
    // Hiding the editor takes its focus away, which reports the end of editing a second time.
    if (m_bFinishingEdit)
        return;
    const QScopedValueRollback<bool> finishing(m_bFinishingEdit, true);
    const bool started = m_bEditing;
    m_bEditing = false;
    const QString text = m_pName->text().trimmed();
    QString current;
    const bool alive = !m_rMaterail.expired();
    if (auto image = m_rMaterail.lock())
        current = image->name();
    // An editing the operator started compares with the text it started from; an editor the host
    // filled and finished compares with the picture's name.
    const bool typed = text != (started ? m_editStartText.trimmed() : current);
    const QPointer<GalleryContentButton> guard(m_pContentButton);
    showNameLabel(alive ? (typed ? text : current) : QString(), NameElideWidthAfterEdit);
    // An editor left as it was renames nothing, even when another client renamed the picture
    // meanwhile (its text is the older name then).
    if (alive && typed && text != current)
        emit m_pContentButton->sinalUIMaterailNameChanged(m_rMaterail);
    if (guard && !alive)
        m_pContentButton->updateUIFormModel();
}

void GalleryContentButtonPrivate::deletePressed()
{
    m_rPressedMaterail = m_rMaterail;
    m_bDeletePressed = true;
}

void GalleryContentButtonPrivate::deleteClicked()
{
    const bool byPress = m_bDeletePressed;
    auto pressed = m_rPressedMaterail.lock();
    m_rPressedMaterail.reset();
    m_bDeletePressed = false;
    auto image = m_rMaterail.lock();
    // The tile may have been rebound, or the picture removed, since the press.
    if (!image || (byPress && image != pressed))
        return;
    auto device = image->owerDevice().lock();
    if (!device || device->findFile(image->fileType(), image->fileId()).lock() != image)
        return;
    // The receivers may remove the picture or the device: this slot must not keep them alive.
    pressed.reset();
    image.reset();
    device.reset();
    emit m_pContentButton->signalRemoveMaterail(m_rMaterail);
}

} // namespace Internal

// ---- GalleryContentButton ------------------------------------------------------------------------

GalleryContentButton::GalleryContentButton(QWidget* parent)
    : QToolButton(parent)
    , d(new Internal::GalleryContentButtonPrivate(this))
{
    d->createWidgets();
    retranslateUi();
}

GalleryContentButton::~GalleryContentButton() = default;

void GalleryContentButton::setButtonType(ButtonType btnType)
{
    d->m_enButtonType = btnType;
}

GalleryContentButton::ButtonType GalleryContentButton::buttonType() const
{
    return d->m_enButtonType;
}

void GalleryContentButton::setMaterail(std::weak_ptr<Image> image)
{
    d->m_rMaterail = std::move(image);
    d->m_rPressedMaterail.reset();
    updateUIFormModel();
}

std::weak_ptr<Image> GalleryContentButton::getMaterail() const
{
    return d->m_rMaterail;
}

QString GalleryContentButton::getUIMaterailName() const
{
    return d->m_pName->text();
}

void GalleryContentButton::updateUIFormModel()
{
    const QSignalBlocker blockTile(this);
    const QSignalBlocker blockEditor(d->m_pName);
    auto image = d->m_rMaterail.lock();
    d->m_bEditing = false;
    if (!image) {
        d->m_rMaterailPixmap.reset();
        d->m_pThumb->clear();
        d->m_pName->clear();
        d->m_pNameLabel->clear();
        d->m_pNameLabel->setToolTip(QString());
        d->m_pSize->clear();
        d->m_pName->hide();
        d->m_pNameLabel->show();
        updateUIStatus();
        return;
    }
    const QPixmap picture = image->pixmap();
    d->m_rMaterailPixmap = std::make_shared<QPixmap>(picture.isNull()
            ? QPixmap()
            : picture.scaled(d->m_pThumb->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    d->m_pThumb->setPixmap(*d->m_rMaterailPixmap);
    d->m_pName->setEditText(image->name());
    d->showNameLabel(image->name(), NameElideWidth);
    d->m_pSize->setText(QStringLiteral("%1x%2").arg(image->size().width()).arg(image->size().height()));
    updateUIStatus();
}

void GalleryContentButton::updateUIStatus()
{
    bool used = false;
    auto image = d->m_rMaterail.lock();
    if (image) {
        if (auto device = image->owerDevice().lock())
            used = device->isFileUsed(image->fileType(), image->fileId());
    }
    d->m_pUsedButton->setVisible(used);
    d->m_pDeleteButton->setVisible(image && isChecked());
    d->placeMarks();
}

void GalleryContentButton::startNameEditing()
{
    if (d->m_rMaterail.expired())
        return;
    d->m_pNameLabel->hide();
    d->m_pName->show();
    d->m_pName->setFocus(Qt::MouseFocusReason);
    d->m_editStartText = d->m_pName->text();
    d->m_bEditing = true;
    setChecked(true);
}

QSize GalleryContentButton::sizeHint() const
{
    return QSize(TileWidth, TileHeight);
}

void GalleryContentButton::retranslateUi()
{
    d->m_pDeleteButton->setToolTip(tr("Delete"));
    d->m_pUsedButton->setToolTip(tr("In use"));
}

void GalleryContentButton::mousePressEvent(QMouseEvent* event)
{
    auto image = d->m_rMaterail.lock();
    const bool picture = image && (image->fileType() == Enum::File::BKG || image->fileType() == Enum::File::LOGO);
    if (event->button() != Qt::LeftButton || !isEnabled() || !picture) {
        QToolButton::mousePressEvent(event);
        return;
    }
    setChecked(true);
    const char* mimeType =
        image->fileType() == Enum::File::BKG ? Vireo::Constants::MimeTypeBKGKeyNo : Vireo::Constants::MimeTypeLOGOKeyNo;
    const QString key = QStringLiteral("%1").arg(image->fileId());
    auto* mime = new QMimeData;
    mime->setData(QLatin1String(mimeType), key.toUtf8());
    mime->setText(key);

    // The drag picture is the thumbnail at tile size; the hot spot keeps the pressed point under the
    // pointer.
    QPixmap pixmap;
    if (d->m_rMaterailPixmap && !d->m_rMaterailPixmap->isNull())
        pixmap = d->m_rMaterailPixmap->scaled(TileWidth, TileHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QPoint pos = event->pos();
    const QPoint hotSpot(qBound(0, width() > 0 ? pos.x() * TileWidth / width() : 0, TileWidth - 1),
        qBound(0, height() > 0 ? pos.y() * TileHeight / height() : 0, TileHeight - 1));
    mime->setData(QLatin1String(Vireo::Constants::MimeTypeDragHotSpot), Internal::dragHotSpotBytes(hotSpot));

    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    if (!pixmap.isNull())
        drag->setPixmap(pixmap);
    drag->setHotSpot(hotSpot);
    image.reset();
    // The drag runs its own event loop on a real display: this tile may be rebuilt or deleted meanwhile.
    const QPointer<GalleryContentButton> guard(this);
    drag->exec(Qt::MoveAction, Qt::MoveAction);
    if (!guard)
        return;
    drag->deleteLater();
    updateUIStatus();
}

void GalleryContentButton::enterEvent(QEvent* event)
{
    QToolButton::enterEvent(event);
    updateUIStatus();
}

void GalleryContentButton::leaveEvent(QEvent* event)
{
    QToolButton::leaveEvent(event);
    updateUIStatus();
}

void GalleryContentButton::resizeEvent(QResizeEvent* event)
{
    QToolButton::resizeEvent(event);
    d->placeMarks();
}

void GalleryContentButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QToolButton::changeEvent(event);
}

bool GalleryContentButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == d->m_pDeleteButton) {
        const bool keyPress = event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && !static_cast<QKeyEvent*>(event)->isAutoRepeat();
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick || keyPress)
            d->deletePressed();
    }
    if ((watched == d->m_pNameLabel || watched == d->m_pName) && event->type() == QEvent::MouseButtonPress) {
        if (!d->m_bEditing)
            startNameEditing();
        return watched == d->m_pNameLabel;
    }
    return QToolButton::eventFilter(watched, event);
}

// ---- GalleryFlowContainerFrame ---------------------------------------------------------------------

namespace Internal {

class GalleryFlowContainerFramePrivate : public QObject
{
public:
    explicit GalleryFlowContainerFramePrivate(GalleryFlowContainerFrame* frame)
        : QObject(frame)
        , m_pGalleryFrame(frame)
    { }

    void createWidgets();
    void createConnections();
    void clearWidget();
    void updateUICapacityFromDevice();
    void slotUIMaterailNameChanged(GalleryContentButton* button, std::weak_ptr<Image> image);
    GalleryContentButton* takeTile();
    void updatePageLabel();
    int rowPitch() const;

    GalleryFlowContainerFrame* m_pGalleryFrame;
    std::weak_ptr<Device> m_pDevice;
    Enum::File::FileType m_galleryType = Enum::File::Invalid;
    QLabel* m_pUsedCapacityLabel = nullptr;
    QLabel* m_pTotalCapacityLabel = nullptr;
    QToolButton* m_pAddGalleryButton = nullptr;
    QToolButton* m_pRemoveGalleryButton = nullptr;
    QLabel* m_pTopLine = nullptr;
    QFrame* m_pFooter = nullptr;
};

void GalleryFlowContainerFramePrivate::createWidgets()
{
    GalleryFlowContainerFrame* q = m_pGalleryFrame;
    q->setProperty("isGalleryFrame", true);
    q->setScrollBarPolicy(Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOff);
    q->setMainLayoutContentsMargins(0, 0, 0, 0);
    q->setMainLayoutSpacing(0);
    q->setContentLayoutSpacing(2, 2);

    m_pFooter = new QFrame(q);
    m_pFooter->setObjectName(QStringLiteral("GalleryContentDetail"));
    m_pFooter->setProperty("isGalleryContentDetail", true);
    auto* footerLayout = new QVBoxLayout(m_pFooter);
    footerLayout->setContentsMargins(0, 0, 0, 0);
    footerLayout->setSpacing(0);

    m_pTopLine = new QLabel(m_pFooter);
    m_pTopLine->setObjectName(QStringLiteral("GalleryTopLine"));
    m_pTopLine->setProperty("isTopLine", true);
    m_pTopLine->setFixedHeight(1);
    footerLayout->addWidget(m_pTopLine);

    auto* capacityFrame = new QFrame(m_pFooter);
    capacityFrame->setObjectName(QStringLiteral("GalleryUsedCapcity"));
    capacityFrame->setProperty("isGalleryUsedCapcity", true);
    auto* capacityLayout = new QHBoxLayout(capacityFrame);
    capacityLayout->setContentsMargins(0, 4, 0, 0);
    capacityLayout->setSpacing(0);
    m_pUsedCapacityLabel = new QLabel(capacityFrame);
    m_pUsedCapacityLabel->setObjectName(QStringLiteral("GalleryUsedCapacityLabel"));
    m_pUsedCapacityLabel->setFixedWidth(120);
    m_pUsedCapacityLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pTotalCapacityLabel = new QLabel(capacityFrame);
    m_pTotalCapacityLabel->setObjectName(QStringLiteral("GalleryTotalCapacityLabel"));
    m_pTotalCapacityLabel->setFixedWidth(80);
    m_pTotalCapacityLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    capacityLayout->addStretch();
    capacityLayout->addWidget(m_pUsedCapacityLabel);
    capacityLayout->addWidget(m_pTotalCapacityLabel);
    capacityLayout->addStretch();
    footerLayout->addWidget(capacityFrame);
    footerLayout->addSpacing(5);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(6, 6, 6, 6);
    buttonRow->setSpacing(10);
    auto makeButton = [this](const QString& icon) {
        auto* button = new QToolButton(m_pFooter);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIcon(Vireo::Utils::Icon::fromTheme(icon));
        button->setIconSize(QSize(17, 17));
        button->setFixedSize(FooterButtonWidth, FooterButtonHeight);
        button->setProperty("isTextBesideIcon", true);
        return button;
    };
    m_pAddGalleryButton = makeButton(QStringLiteral("add_screen_normal"));
    m_pAddGalleryButton->setObjectName(QStringLiteral("isGalleryAdd"));
    m_pRemoveGalleryButton = makeButton(QStringLiteral("icon_clean_normal"));
    m_pRemoveGalleryButton->setObjectName(QStringLiteral("isGalleryDelete"));
    buttonRow->addStretch();
    buttonRow->addWidget(m_pAddGalleryButton);
    buttonRow->addWidget(m_pRemoveGalleryButton);
    buttonRow->addStretch();
    footerLayout->addLayout(buttonRow);

    q->m_pMainLayout->addWidget(m_pFooter);
    clearWidget();
}

void GalleryFlowContainerFramePrivate::createConnections()
{
    connect(m_pAddGalleryButton, &QToolButton::clicked, this,
        [this]() { emit m_pGalleryFrame->signalAddMaterailtoDevice(m_galleryType); });
    connect(m_pRemoveGalleryButton, &QToolButton::clicked, this,
        [this]() { emit m_pGalleryFrame->signalRemoveAllMaterailFromDevice(m_galleryType); });
}

void GalleryFlowContainerFramePrivate::clearWidget()
{
    m_pUsedCapacityLabel->clear();
    m_pTotalCapacityLabel->clear();
    m_pUsedCapacityLabel->setEnabled(false);
    m_pTotalCapacityLabel->setEnabled(false);
    m_pAddGalleryButton->setEnabled(false);
    m_pRemoveGalleryButton->setEnabled(false);
}

void GalleryFlowContainerFramePrivate::updateUICapacityFromDevice()
{
    auto device = m_pDevice.lock();
    if (!device || !isGalleryKind(m_galleryType)) {
        clearWidget();
        return;
    }
    int count = 0;
    for (const auto& file : device->files(m_galleryType)) {
        if (!file.expired())
            ++count;
    }
    if (m_galleryType == Enum::File::BKG) {
        const double mb = qRound64(double(device->bkgUsedCapacity()) / 1024.0 / 1024.0 * 100.0) / 100.0;
        m_pUsedCapacityLabel->setText(GalleryFlowContainerFrame::tr("Used %1MB").arg(mb, 0, 'f', 2));
        m_pTotalCapacityLabel->setText(
            GalleryFlowContainerFrame::tr("/%1MB").arg(GalleryFlowContainerFrame::BKGCapacityMB));
    } else {
        m_pUsedCapacityLabel->setText(GalleryFlowContainerFrame::tr("Used %1").arg(count));
        m_pTotalCapacityLabel->setText(
            GalleryFlowContainerFrame::tr("/%1 count").arg(GalleryFlowContainerFrame::LOGOCapacityCount));
    }
    m_pUsedCapacityLabel->setEnabled(true);
    m_pTotalCapacityLabel->setEnabled(true);
    m_pAddGalleryButton->setEnabled(true);
    m_pRemoveGalleryButton->setEnabled(count > 0);
}

GalleryContentButton* GalleryFlowContainerFramePrivate::takeTile()
{
    while (QToolButton* cached = m_pGalleryFrame->getFirstHideContentButton()) {
        if (auto* tile = qobject_cast<GalleryContentButton*>(cached))
            return tile;
        cached->deleteLater();
    }
    auto* tile = new GalleryContentButton(m_pGalleryFrame);
    connect(tile, &GalleryContentButton::signalRemoveMaterail, m_pGalleryFrame,
        &GalleryFlowContainerFrame::signalRemoveMaterailFromDevice, Qt::UniqueConnection);
    connect(tile, &GalleryContentButton::sinalUIMaterailNameChanged, this,
        [this, tile](std::weak_ptr<Image> image) { slotUIMaterailNameChanged(tile, image); });
    return tile;
}

void GalleryFlowContainerFramePrivate::slotUIMaterailNameChanged(
    GalleryContentButton* button, std::weak_ptr<Image> rImage)
{
    auto image = rImage.lock();
    if (!image)
        return;
    const QString name = button->getUIMaterailName().trimmed();
    if (name == image->name())
        return;
    auto device = image->owerDevice().lock();
    // A name the device cannot store (none at all) is not sent; the tile shows the stored one again.
    if (!device || name.isEmpty()) {
        button->updateUIFormModel();
        return;
    }
    if (device->isFileNameExist(image->fileType(), name)) {
        const QPointer<GalleryContentButton> tile(button);
        const std::weak_ptr<Image> shown = rImage;
        image.reset();
        device.reset();
        ZK::Widgets::FramelessMessageBox::warning(m_pGalleryFrame, GalleryFlowContainerFrame::tr("Warning"),
            GalleryFlowContainerFrame::tr("the modify name [%1] is existed,please reset").arg(name), QMessageBox::Ok,
            QMessageBox::Ok);
        // The picture, or the whole tile, may have gone while the box was up.
        if (tile) {
            tile->updateUIFormModel();
            if (!shown.expired())
                tile->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    // The receivers may remove the picture or the device: this slot must not keep them alive.
    image.reset();
    device.reset();
    emit m_pGalleryFrame->signalMaterailNameChanged(rImage, name);
}

int GalleryFlowContainerFramePrivate::rowPitch() const
{
    return GalleryContentButton::TileHeight + qMax(0, m_pGalleryFrame->contentLayout()->verticalSpacing());
}

void GalleryFlowContainerFramePrivate::updatePageLabel()
{
    QScrollBar* bar = m_pGalleryFrame->contentScrollArea()->verticalScrollBar();
    const int pageStep = qMax(rowPitch(), m_pGalleryFrame->contentFrameHeight() / rowPitch() * rowPitch());
    const int count = bar->maximum() > 0 ? (bar->maximum() + pageStep - 1) / pageStep + 1 : 1;
    const int page = bar->value() >= bar->maximum() ? count : bar->value() / pageStep + 1;
    m_pGalleryFrame->setPageLabel(qMin(page, count), count);
}

} // namespace Internal

GalleryFlowContainerFrame::GalleryFlowContainerFrame(QWidget* parent, Qt::WindowFlags f)
    : FlowContainerFrame(0, 2, 2, parent, f)
    , d(new Internal::GalleryFlowContainerFramePrivate(this))
{
    // The constructor's three values are taken as (margin 0, spacings 2 and 2).
    setContentMargin(QMargins(0, 0, 0, 0));
    d->createWidgets();
    d->createConnections();
    m_pContentButtonGroup->setExclusive(true);
    retranslateUi();
}

GalleryFlowContainerFrame::~GalleryFlowContainerFrame() = default;

void GalleryFlowContainerFrame::setActiveDevice(std::weak_ptr<Device> pDevice, int galleryType)
{
    d->m_pDevice = std::move(pDevice);
    d->m_galleryType = Enum::File::FileType(galleryType);
    updateGalleryFromModel();
}

std::weak_ptr<Device> GalleryFlowContainerFrame::activeDevice() const
{
    return d->m_pDevice;
}

int GalleryFlowContainerFrame::galleryType() const
{
    return d->m_galleryType;
}

void GalleryFlowContainerFrame::retranslateUi()
{
    FlowContainerFrame::retranslateUi();
    if (!d)
        return;
    d->m_pAddGalleryButton->setText(tr("Add"));
    d->m_pRemoveGalleryButton->setText(tr("Delete All"));
    d->updateUICapacityFromDevice();
    d->updatePageLabel();
}

void GalleryFlowContainerFrame::updateGalleryFromModel()
{
    const QSignalBlocker blockFrame(this);
    const QSignalBlocker blockGroup(m_pContentButtonGroup);
    auto device = d->m_pDevice.lock();
    if (!device || !isGalleryKind(d->m_galleryType)) {
        contentButtonsHide();
        d->clearWidget();
        return;
    }
    const QList<QAbstractButton*> tiles = getContentButtons();
    int placed = 0;
    for (const auto& weakFile : device->files(d->m_galleryType)) {
        auto image = std::dynamic_pointer_cast<Image>(weakFile.lock());
        if (!image)
            continue;
        GalleryContentButton* tile =
            placed < tiles.size() ? qobject_cast<GalleryContentButton*>(tiles.at(placed)) : nullptr;
        if (!tile) {
            tile = d->takeTile();
            addContentButton(tile, false);
        }
        tile->setButtonType(GalleryContentButton::GalleryBtn);
        tile->setMaterail(image);
        tile->updateUIStatus();
        ++placed;
    }
    const QList<QAbstractButton*> after = getContentButtons();
    for (int i = after.size() - 1; i >= placed; --i)
        contentButtonsHide(static_cast<QToolButton*>(after.at(i)));
    contentFrameResize();
    d->updateUICapacityFromDevice();
}

void GalleryFlowContainerFrame::addMaterailFromModel(std::weak_ptr<Device> device, std::weak_ptr<Image> image)
{
    auto dev = device.lock();
    auto picture = image.lock();
    if (!dev || dev != d->m_pDevice.lock() || !picture || picture->fileType() != d->m_galleryType)
        return;
    updateGalleryFromModel();
}

void GalleryFlowContainerFrame::removedMaterailFromModel(std::weak_ptr<Device> device, std::weak_ptr<Image> image)
{
    Q_UNUSED(image)
    updateDeletedBtnUsedStatus(device);
}

void GalleryFlowContainerFrame::updateMaterailSizeFromModel(std::weak_ptr<Image> image)
{
    if (GalleryContentButton* tile = findContentButton(image.lock()))
        tile->updateUIFormModel();
    d->updateUICapacityFromDevice();
}

void GalleryFlowContainerFrame::updateMaterailNameFromModel(std::weak_ptr<Image> image)
{
    if (GalleryContentButton* tile = findContentButton(image.lock()))
        tile->updateUIFormModel();
}

void GalleryFlowContainerFrame::updateUIMaterailUsedSatus(std::weak_ptr<Device> device, std::weak_ptr<Image> image)
{
    auto dev = device.lock();
    if (!dev || dev != d->m_pDevice.lock())
        return;
    if (GalleryContentButton* tile = findContentButton(image.lock()))
        tile->updateUIStatus();
}

void GalleryFlowContainerFrame::updateUsedStatus()
{
    for (QAbstractButton* button : getContentButtons()) {
        if (auto* tile = qobject_cast<GalleryContentButton*>(button))
            tile->updateUIStatus();
    }
}

void GalleryFlowContainerFrame::updateDeletedBtnUsedStatus(std::weak_ptr<Device> device)
{
    auto dev = device.lock();
    auto own = d->m_pDevice.lock();
    if (dev && own && dev != own)
        return;
    const QSignalBlocker blockGroup(m_pContentButtonGroup);
    for (QAbstractButton* button : getContentButtons()) {
        auto* tile = qobject_cast<GalleryContentButton*>(button);
        if (!tile)
            continue;
        auto image = tile->getMaterail().lock();
        const bool stored = image && own && own->findFile(image->fileType(), image->fileId()).lock() == image;
        if (!stored)
            removeContentButton(tile);
    }
    d->updateUICapacityFromDevice();
}

GalleryContentButton* GalleryFlowContainerFrame::findContentButton(const std::shared_ptr<Image>& image) const
{
    if (!image)
        return nullptr;
    for (QAbstractButton* button : getContentButtons()) {
        auto* tile = qobject_cast<GalleryContentButton*>(button);
        if (tile && tile->getMaterail().lock() == image)
            return tile;
    }
    return nullptr;
}

void GalleryFlowContainerFrame::resetHideContentButton(QToolButton* button)
{
    if (auto* tile = qobject_cast<GalleryContentButton*>(button))
        tile->setMaterail(std::weak_ptr<Image>());
}

void GalleryFlowContainerFrame::slotButtonToggled(QAbstractButton* button, bool b)
{
    if (auto* tile = qobject_cast<GalleryContentButton*>(button))
        tile->updateUIStatus();
    FlowContainerFrame::slotButtonToggled(button, b);
}

void GalleryFlowContainerFrame::slotPrevButtonClicked()
{
    QScrollBar* bar = contentScrollArea()->verticalScrollBar();
    const int step = qMax(d->rowPitch(), contentFrameHeight() / d->rowPitch() * d->rowPitch());
    bar->setValue(qMax(0, bar->value() - step));
}

void GalleryFlowContainerFrame::slotNextButtonClicked()
{
    QScrollBar* bar = contentScrollArea()->verticalScrollBar();
    const int step = qMax(d->rowPitch(), contentFrameHeight() / d->rowPitch() * d->rowPitch());
    bar->setValue(qMin(bar->maximum(), bar->value() + step));
}

void GalleryFlowContainerFrame::slotContentScrollBarValueChanged(int value)
{
    FlowContainerFrame::slotContentScrollBarValueChanged(value);
    if (d)
        d->updatePageLabel();
}

} // namespace Vireo::Widgets
