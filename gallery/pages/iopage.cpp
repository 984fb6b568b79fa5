// Inputs and outputs page: the input detail list with live pictures of the simulated inputs (some
// without signal, one overloaded, one switched off) and the output list (some outputs in use by
// screens). Inputs and outputs can be dragged onto the drop area, which prints the payload; the
// capture buttons ask for a capture, whose request is shown below the drop area.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/videopreviewwidget.h>
#include <vireowidgets/resources/inputdetailvlistwidget.h>
#include <vireowidgets/resources/outputdetailvlistwidget.h>

#include <vireomodel/vireomodel.h>

#include <QDataStream>
#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using namespace Vireo::Widgets;
namespace Enum = Vireo::BizModel::Enum;

// The host supplies the capture button's icon: a small camera.
QIcon captureIcon()
{
    QPixmap pixmap(21, 17);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xd8, 0xda, 0xdf), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(1.5, 4.5, 18, 11), 2, 2);
    painter.drawRect(QRectF(7, 2, 6, 2.5));
    painter.drawEllipse(QPointF(10.5, 10), 3, 3);
    painter.end();
    return QIcon(pixmap);
}

class InputsOutputsPage : public QWidget
{
public:
    InputsOutputsPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
        , m_device(device)
    {
        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("Input and output lists"),
            tr("Inputs with a signal come first, each group by number; the pictures are "
               "live. Outputs used by a screen look busy, and backup connectors are not "
               "listed. Drag either kind out through the left edge of its list."),
            this);

        auto* row = new QHBoxLayout;
        m_pInputs = new InputDetailVListWidget(this);
        m_pInputs->setFixedWidth(290);
        row->addWidget(Vireo::Gallery::framed(tr("Inputs"), m_pInputs, this));
        m_pOutputs = new OutputDetailVListWidget(this);
        m_pOutputs->setFixedWidth(180);
        row->addWidget(Vireo::Gallery::framed(tr("Outputs"), m_pOutputs, this));

        auto* side = new QVBoxLayout;
        side->addWidget(new Vireo::Gallery::DropArea(
                            tr("Drag an input or an output out of its list through the left edge and drop it here."),
                            {QLatin1String(Vireo::Constants::MimeTypeInputKeyNo),
                                QLatin1String(Vireo::Constants::MimeTypeOutputKeyNo)},
                            [](const QMimeData* mime, const QPoint& hotSpot) {
                                const bool input = mime->hasFormat(QLatin1String(Vireo::Constants::MimeTypeInputKeyNo));
                                const QByteArray key =
                                    mime->data(QLatin1String(input ? Vireo::Constants::MimeTypeInputKeyNo
                                                                   : Vireo::Constants::MimeTypeOutputKeyNo));
                                return tr("Dropped %1 \"%2\"\nkey number %3\nhot spot (%4, %5)")
                                    .arg(input ? tr("input") : tr("output"), mime->text(), QString::fromUtf8(key))
                                    .arg(hotSpot.x())
                                    .arg(hotSpot.y());
                            },
                            this),
            1);
        auto* toggle = new QPushButton(tr("Toggle the signal of \"Camera 2\""), this);
        side->addWidget(toggle);
        m_pStatus = new QLabel(this);
        m_pStatus->setObjectName(QStringLiteral("GalleryCaption"));
        m_pStatus->setWordWrap(true);
        side->addWidget(m_pStatus);
        row->addLayout(side, 1);
        layout->addLayout(row, 1);
        setMinimumHeight(640);

        connect(toggle, &QPushButton::clicked, this, [this]() { toggleSignal(); });
        connect(
            &m_device, &Vireo::Gallery::SimulatedDevice::tick, m_pInputs, [this]() { m_pInputs->updateInputVideo(); });
        connect(Vireo::BizModel::DeviceList::instance(), &Vireo::BizModel::DeviceList::signalCaptureImage, this,
            [this](const Vireo::ProtoModel::File::s_CreateImageFile& record) {
                m_pStatus->setText(tr("Capture requested: \"%1\" from input %2.")
                                       .arg(QString::fromStdString(record.general.name))
                                       .arg(record.source.id + 1));
            });
        if (auto dev = m_device.device().lock())
            connect(dev.get(), &Vireo::BizModel::Device::signalInterfacesChanged, this, [this]() { rebuild(); });
        rebuild();
    }

private:
    void rebuild()
    {
        const auto dev = m_device.device();
        m_pInputs->initListWidgetItem(dev, [this](std::weak_ptr<Vireo::BizModel::Input> input, QImage& frame, bool) {
            // The picture keeps its size once it has one; the first one is made at preview size.
            const QSize size = frame.width() > 8 ? frame.size() : QSize(256, 144);
            if (m_device.readInputFrame(input, size, frame))
                return true;
            frame = QImage(2, 2, QImage::Format_RGB32);
            frame.fill(Vireo::EchoVideo::Internal::NoSignalVideo);
            return false;
        });
        const QIcon icon = captureIcon();
        for (QToolButton* button : m_pInputs->findChildren<QToolButton*>(QStringLiteral("buttonCapture")))
            button->setIcon(icon);
        m_pOutputs->initListWidgetItem(dev, ItemAllOutput, AllOutput);
    }

    void toggleSignal()
    {
        auto dev = m_device.device().lock();
        if (!dev)
            return;
        for (const auto& weak : dev->validInputs()) {
            auto input = weak.lock();
            if (!input || input->name() != QLatin1String("Camera 2"))
                continue;
            input->setActive(!input->isActive());
            m_pInputs->slotInterfaceSignalChanged(dev, input);
            m_pStatus->setText(input->isActive() ? tr("\"Camera 2\" has a signal again.")
                                                 : tr("\"Camera 2\" lost its signal and moved down."));
            return;
        }
    }

    Vireo::Gallery::SimulatedDevice& m_device;
    InputDetailVListWidget* m_pInputs = nullptr;
    OutputDetailVListWidget* m_pOutputs = nullptr;
    QLabel* m_pStatus = nullptr;
};

Vireo::Gallery::PageRegistrar reg("inputs-outputs", "Inputs and outputs", 50,
    [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new InputsOutputsPage(device, parent);
    });

} // namespace
