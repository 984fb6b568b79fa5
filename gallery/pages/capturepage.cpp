// Capture page: live capture of an input or of a screen's programme output, answered by this host
// with a picture of the simulated source and saved as a device image; a background too large for
// the device's material memory, cut to a rectangle or scaled to fit; and a region and a matting pick
// point chosen on a thumbnail of the selected input.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireowidgets/media/livecaptureframe.h>
#include <vireowidgets/media/thumbnailwidget.h>
#include <vireowidgets/picture/materailcutdialog.h>

#include <vireomodel/vireomodel.h>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using namespace Vireo::Widgets;
namespace E = Vireo::BizModel::Enum;
using Vireo::BizModel::DeviceList;

// A wide stage picture, larger than the simulated device's free material memory.
std::shared_ptr<QImage> makeLargeMaterial(const QSize& realSize)
{
    const QSize size(realSize.width() / 10, realSize.height() / 10);
    auto image = std::make_shared<QImage>(size, QImage::Format_RGB32);
    QPainter painter(image.get());
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(18, 40, 96));
    sky.setColorAt(1, QColor(232, 120, 64));
    painter.fillRect(image->rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 22, 30));
    for (int i = 0; i < 12; ++i) {
        const int w = size.width() / 12;
        const int h = size.height() / 5 + (i * 37 % 5) * size.height() / 12;
        painter.drawRect(i * w, size.height() - h, w - 4, h);
    }
    painter.setPen(QColor(255, 255, 255, 220));
    QFont font = painter.font();
    font.setPixelSize(size.height() / 8);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(image->rect().adjusted(0, size.height() / 8, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
        QStringLiteral("6000 x 3000"));
    return image;
}

class CapturePage : public QWidget
{
public:
    CapturePage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
        , m_device(device)
    {
        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("Capture, crop and thumbnail selection"),
            tr("Capture a still of an input or a screen's programme and save it as a device picture; cut a "
               "picture larger than the free material memory to a rectangle, or see the size it scales to; "
               "drag a region and pick a matting point on the selected input's thumbnail."),
            this);
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(4);
        grid->addWidget(buildCapture(), 0, 0, 2, 1);
        grid->addWidget(buildThumbnail(), 0, 1);
        grid->addWidget(buildCrop(), 1, 1);
        grid->setRowStretch(1, 1);
        grid->setColumnStretch(0, 5);
        grid->setColumnStretch(1, 6);
        layout->addLayout(grid, 1);

        connect(DeviceList::instance(), &DeviceList::signalCaptureImage, this,
            [this](const Vireo::ProtoModel::File::s_CreateImageFile& record) { answerCapture(record); });
        connect(&m_device, &Vireo::Gallery::SimulatedDevice::tick, this, [this]() { refreshThumbnail(); });
        refreshThumbnail();
    }

private:
    QWidget* buildCapture()
    {
        auto* box = new QGroupBox(tr("Live capture"), this);
        auto* column = new QVBoxLayout(box);
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(tr("Source"), box));
        m_pSources = new QComboBox(box);
        row->addWidget(m_pSources, 1);
        auto* dialogButton = new QPushButton(tr("Open as dialog"), box);
        row->addWidget(dialogButton);
        column->addLayout(row);

        m_pCapture = new LiveCaptureFrame(box);
        m_pCapture->setFixedHeight(540);
        column->addWidget(m_pCapture, 1);
        m_pCaptureStatus = new QLabel(box);
        m_pCaptureStatus->setObjectName(QStringLiteral("GalleryCaption"));
        m_pCaptureStatus->setWordWrap(true);
        column->addWidget(m_pCaptureStatus);

        if (auto dev = m_device.device().lock()) {
            for (const auto& weak : dev->validInputs()) {
                if (auto input = weak.lock())
                    m_pSources->addItem(
                        tr("Input %1: %2").arg(input->interfaceId() + 1).arg(input->name()), QVariant::fromValue(weak));
            }
            for (const auto& weak : dev->screens(E::Screen::RegularScreen)) {
                if (auto screen = weak.lock())
                    m_pSources->addItem(tr("PGM of %1").arg(screen->name()), QVariant::fromValue(weak));
            }
        }
        connect(m_pSources, qOverload<int>(&QComboBox::currentIndexChanged), this, [this]() { chooseSource(); });
        chooseSource();
        connect(m_pCapture, &LiveCaptureFrame::signal_accept, this, [this]() { store(m_pCapture); });
        connect(m_pCapture, &LiveCaptureFrame::signal_reject, this,
            [this]() { m_pCaptureStatus->setText(tr("Capture discarded.")); });
        connect(dialogButton, &QPushButton::clicked, this, [this]() { openDialog(); });

        // A first still, as if the operator had pressed Capture once.
        m_pCapture->setCaptureName(QStringLiteral("Camera1Still"));
        answerCapture(requestFor(m_pSources->currentData()), m_pCapture, true);
        return box;
    }

    QWidget* buildThumbnail()
    {
        auto* box = new QGroupBox(tr("Region and pick point on a thumbnail"), this);
        auto* row = new QHBoxLayout(box);
        m_pThumbnail = new ThumbnailWidget(box);
        m_pThumbnail->setFixedSize(386, 218);
        m_pThumbnail->setThumbnailTolSize(QSize(3840, 2160));
        m_pThumbnail->setThumbnailRect(QRect(960, 540, 1920, 1080));
        m_pThumbnail->setDragEable(true);
        m_pThumbnail->setMattingEnalbe(true);
        row->addWidget(m_pThumbnail);
        auto* readout = new QLabel(box);
        readout->setObjectName(QStringLiteral("GalleryCaption"));
        readout->setWordWrap(true);
        readout->setMinimumWidth(150);
        auto show = [this, readout]() {
            const QRect rc = m_pThumbnail->thumbnailRect();
            const QPoint pick = m_pThumbnail->getPickUpPoint();
            readout->setText(tr("Source 3840*2160 (Camera 1)\n\nRegion\nx %1, y %2\n%3 * %4\n\nPick point\n(%5, %6)")
                                 .arg(rc.x())
                                 .arg(rc.y())
                                 .arg(rc.width())
                                 .arg(rc.height())
                                 .arg(pick.x())
                                 .arg(pick.y()));
        };
        connect(m_pThumbnail, &ThumbnailWidget::signal_ThumbnailRect, readout, show);
        connect(m_pThumbnail, &ThumbnailWidget::signal_PickUpPoint, readout, show);
        if (auto dev = m_device.device().lock()) {
            if (auto input = dev->findInput(0).lock())
                m_pThumbnail->setPickUpPoint(input->getPickPoint());
        }
        show();
        row->addWidget(readout, 1);
        return box;
    }

    QWidget* buildCrop()
    {
        auto* box = new QGroupBox(tr("Background larger than the free material memory"), this);
        auto* column = new QVBoxLayout(box);
        const QSize realSize(6000, 3000);
        const std::shared_ptr<QImage> material = makeLargeMaterial(realSize);
        quint64 leftCap = 0;
        if (auto dev = m_device.device().lock()) {
            const quint64 total = dev->bkgTotalCapacity();
            const quint64 used = dev->bkgUsedCapacity();
            leftCap = used < total ? (total - used) / 4 : 0;
        }
        auto* row = new QHBoxLayout;
        auto* cut = new MaterailCutWidget(leftCap, material, realSize, E::File::BKG, box);
        cut->setMinimumHeight(300);
        row->addWidget(cut, 3);
        auto* scale = new MaterailScaleWidget(leftCap, material, realSize, E::File::BKG, box);
        row->addWidget(scale, 2);
        column->addLayout(row, 1);
        auto* readout = new QLabel(box);
        readout->setObjectName(QStringLiteral("GalleryCaption"));
        auto show = [readout, cut, scale, leftCap](const QRect& rect) {
            const QSize fit = scale->getScaledSize();
            readout->setText(tr("Free: %1 pixels.  Cutting keeps x %2, y %3, %4 * %5;  scaling saves %6 * %7.")
                                 .arg(leftCap)
                                 .arg(rect.x())
                                 .arg(rect.y())
                                 .arg(rect.width())
                                 .arg(rect.height())
                                 .arg(fit.width())
                                 .arg(fit.height()));
        };
        connect(cut, &MaterailCutWidget::signal_updateRect, readout, show);
        show(cut->getCaptureRect());
        auto* open = new QPushButton(tr("Open the crop and scale dialog"), box);
        auto* line = new QHBoxLayout;
        line->addWidget(readout, 1);
        line->addWidget(open);
        column->addLayout(line);
        connect(open, &QPushButton::clicked, this, [this, material, realSize, leftCap, readout]() {
            auto* dialog = new MaterailCutDialog(leftCap, material, realSize, E::File::BKG, window());
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            connect(dialog, &QDialog::accepted, readout, [dialog, readout]() {
                const QRect r = dialog->getCutRect();
                const QSize s = dialog->getScaleSize();
                readout->setText(dialog->getResult() == MaterailCutDialog::Cut
                        ? tr("The host cuts x %1, y %2, %3 * %4.").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                        : tr("The host scales to %1 * %2.").arg(s.width()).arg(s.height()));
            });
            dialog->open();
        });
        return box;
    }

    void chooseSource()
    {
        const QVariant data = m_pSources->currentData();
        if (data.canConvert<std::weak_ptr<Vireo::BizModel::Input>>())
            m_pCapture->setSourceRefrence(data.value<std::weak_ptr<Vireo::BizModel::Input>>());
        else
            m_pCapture->setSourceRefrence(data.value<std::weak_ptr<Vireo::BizModel::Screen>>());
    }

    static Vireo::ProtoModel::File::s_CreateImageFile requestFor(const QVariant& source)
    {
        Vireo::ProtoModel::File::s_CreateImageFile record;
        if (source.canConvert<std::weak_ptr<Vireo::BizModel::Input>>()) {
            if (auto input = source.value<std::weak_ptr<Vireo::BizModel::Input>>().lock())
                record.source.id = input->interfaceId();
            record.source.type = E::File::InputCapture;
        } else {
            if (auto screen = source.value<std::weak_ptr<Vireo::BizModel::Screen>>().lock())
                record.source.id = screen->screenId();
            record.source.type = E::File::PGMCapture;
        }
        return record;
    }

    // The host's side of a capture: the panel that asks is disabled while it asks. The picture
    // comes after a short while, with progress texts, as a real device's would.
    void answerCapture(const Vireo::ProtoModel::File::s_CreateImageFile& record)
    {
        LiveCaptureFrame* target = nullptr;
        if (!m_pCapture->isEnabled())
            target = m_pCapture;
        else if (m_pDialog && !m_pDialog->captureFrame()->isEnabled())
            target = m_pDialog->captureFrame();
        if (target)
            answerCapture(record, target, false);
    }

    void answerCapture(const Vireo::ProtoModel::File::s_CreateImageFile& record, LiveCaptureFrame* target, bool now)
    {
        const QPointer<LiveCaptureFrame> frame(target);
        auto deliver = [this, frame, record]() {
            if (!frame)
                return;
            QImage picture;
            QSize size;
            auto dev = m_device.device().lock();
            if (dev && record.source.type == E::File::InputCapture) {
                auto input = dev->findInput(record.source.id);
                if (auto live = input.lock())
                    size = live->validSizeUnderActive();
                if (!size.isEmpty() && !m_device.readInputFrame(input, size, picture))
                    picture = QImage();
            } else if (dev) {
                auto screen = dev->findScreen(E::Screen::RegularScreen, quint8(record.source.id));
                if (auto live = screen.lock())
                    size = live->mosaicWindowSize();
                if (!size.isEmpty() && !m_device.readScreenFrame(screen, E::Layer::PGM, size, picture))
                    picture = QImage();
            }
            if (picture.isNull())
                frame->setCaptureText(tr("No signal: nothing to capture."));
            else
                frame->setCaptureImage(QPixmap::fromImage(picture), size);
        };
        if (now) {
            deliver();
            return;
        }
        QTimer::singleShot(300, this,
            []() { emit DeviceList::instance()->signalUpdateOperatorProcess(tr("Reading the picture... 50%")); });
        QTimer::singleShot(800, this, deliver);
    }

    void store(LiveCaptureFrame* frame)
    {
        auto dev = m_device.device().lock();
        const QPixmap picture = frame->getCaptureImage();
        if (!dev || picture.isNull())
            return;
        const int type = frame->getCaptureType();
        int id = 1;
        while (!dev->findFile(type, id).expired())
            ++id;
        auto& image = dev->addImage(type, id, frame->getCaptureName(),
            picture.toImage().scaled(320, 180, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        image.setSize(picture.size());
        m_pCaptureStatus->setText(tr("Saved \"%1\" as %2 picture #%3 (%4*%5); BKG memory used: %6 MiB.")
                                      .arg(frame->getCaptureName(), type == E::File::OSD ? tr("OSD") : tr("BKG"))
                                      .arg(id)
                                      .arg(picture.width())
                                      .arg(picture.height())
                                      .arg(dev->bkgUsedCapacity() / (1024 * 1024)));
        frame->setCaptureName(QStringLiteral("Capture%1").arg(id + 1));
    }

    void openDialog()
    {
        m_pDialog = LiveCaptureDialog::showAddDeviceDialog(window());
        const QVariant data = m_pSources->currentData();
        if (data.canConvert<std::weak_ptr<Vireo::BizModel::Input>>())
            m_pDialog->setSourceRefrence(data.value<std::weak_ptr<Vireo::BizModel::Input>>());
        else
            m_pDialog->setSourceRefrence(data.value<std::weak_ptr<Vireo::BizModel::Screen>>());
        m_pDialog->setCaptureName(QStringLiteral("DialogStill"));
        LiveCaptureFrame* frame = m_pDialog->captureFrame();
        connect(m_pDialog, &QDialog::accepted, this, [this, frame]() { store(frame); });
    }

    void refreshThumbnail()
    {
        QImage frame;
        if (auto dev = m_device.device().lock()) {
            if (m_device.readInputFrame(dev->findInput(0), m_pThumbnail->size(), frame))
                m_pThumbnail->setVideoFrame(frame);
        }
        m_pThumbnail->update();
    }

    Vireo::Gallery::SimulatedDevice& m_device;
    QComboBox* m_pSources = nullptr;
    LiveCaptureFrame* m_pCapture = nullptr;
    QLabel* m_pCaptureStatus = nullptr;
    QPointer<LiveCaptureDialog> m_pDialog;
    ThumbnailWidget* m_pThumbnail = nullptr;
};

Vireo::Gallery::PageRegistrar reg(
    "capture", "Capture", 85, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new CapturePage(device, parent);
    });

} // namespace
