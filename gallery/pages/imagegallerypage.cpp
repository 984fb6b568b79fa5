// Image gallery page: the background and logo pictures stored on the simulated processor, each kind
// in its own grid with the store's usage below it. Tiles are renamed in place (press the name),
// deleted with their corner button once checked, and dragged onto the drop area, which prints the
// payload. The commands sent to the device are listed under the drop area; the device answers
// them and the grids follow its notifications, as in a host application.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/media/galleryflowcontainerframe.h>
#include <vireowidgets/media/gallerymaterailcontroller.h>

#include <vireomodel/fixture.h>
#include <vireomodel/vireomodel.h>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QVBoxLayout>

namespace {

using namespace Vireo::Widgets;
namespace Enum = Vireo::BizModel::Enum;

class ImageGalleryPage : public QWidget
{
public:
    ImageGalleryPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
        , m_device(device)
    {
        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("Gallery of stored pictures"),
            tr("Background (BKG) and logo pictures stored on the processor, with the store's usage. "
               "Press a name to rename it, check a tile and use its corner button to delete it, drag "
               "a tile onto the drop area as onto a layer. The marked tiles are shown by a layer."),
            this);

        auto* row = new QHBoxLayout;
        m_pBKG = new GalleryFlowContainerFrame(this);
        m_pBKG->setObjectName(QStringLiteral("GalleryBKG"));
        m_pBKG->setInvalidTips(tr("No background pictures stored."));
        m_pBKG->setMinimumSize(388, 420);
        row->addWidget(Vireo::Gallery::framed(tr("Backgrounds"), m_pBKG, this), 3);
        m_pLOGO = new GalleryFlowContainerFrame(this);
        m_pLOGO->setObjectName(QStringLiteral("GalleryLOGO"));
        m_pLOGO->setInvalidTips(tr("No logos stored."));
        m_pLOGO->setMinimumSize(262, 420);
        row->addWidget(Vireo::Gallery::framed(tr("Logos"), m_pLOGO, this), 2);
        new GalleryMaterailController(m_pBKG, this);
        new GalleryMaterailController(m_pLOGO, this);

        auto* side = new QVBoxLayout;
        side->addWidget(
            new Vireo::Gallery::DropArea(
                tr("Drag a picture here, as onto a layer."),
                {QLatin1String(Vireo::Constants::MimeTypeBKGKeyNo), QLatin1String(Vireo::Constants::MimeTypeLOGOKeyNo)},
                [](const QMimeData* mime, const QPoint& hotSpot) {
                    const bool bkg = mime->hasFormat(QLatin1String(Vireo::Constants::MimeTypeBKGKeyNo));
                    const QByteArray key = mime->data(
                        QLatin1String(bkg ? Vireo::Constants::MimeTypeBKGKeyNo : Vireo::Constants::MimeTypeLOGOKeyNo));
                    return tr("Dropped %1 picture\nfile id %2\nhot spot (%3, %4)")
                        .arg(bkg ? tr("background") : tr("logo"), QString::fromUtf8(key))
                        .arg(hotSpot.x())
                        .arg(hotSpot.y());
                },
                this),
            1);
        auto* heading = new QLabel(tr("Commands sent to the device"), this);
        side->addWidget(heading);
        m_pCommands = new QLabel(tr("(none yet)"), this);
        m_pCommands->setObjectName(QStringLiteral("GalleryCaption"));
        m_pCommands->setWordWrap(true);
        m_pCommands->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        side->addWidget(m_pCommands, 1);
        row->addLayout(side, 2);
        layout->addLayout(row, 1);
        setMinimumHeight(600);

        Vireo::Fixture::setCommandObserver([this](const Vireo::Fixture::CommandEntry& entry) {
            if (!entry.command.startsWith(QLatin1String("File::")))
                return;
            QStringList args;
            for (const QVariant& arg : entry.args) {
                if (arg.type() == QVariant::List) {
                    QStringList inner;
                    for (const QVariant& value : arg.toList())
                        inner << value.toString();
                    args << QLatin1Char('[') + inner.join(QLatin1String(", ")) + QLatin1Char(']');
                } else {
                    args << arg.toString();
                }
            }
            m_lines.prepend(QStringLiteral("%1(%2)").arg(entry.command, args.join(QLatin1String(", "))));
            while (m_lines.size() > 8)
                m_lines.removeLast();
            m_pCommands->setText(m_lines.join(QLatin1Char('\n')));
        });
        if (auto dev = m_device.device().lock()) {
            connect(dev.get(), &Vireo::BizModel::Device::signalFilesChanged, this, [this](int type) {
                if (type == Enum::File::BKG)
                    m_pBKG->updateGalleryFromModel();
                else if (type == Enum::File::LOGO)
                    m_pLOGO->updateGalleryFromModel();
            });
        }
        m_pBKG->setActiveDevice(m_device.device(), Enum::File::BKG);
        m_pLOGO->setActiveDevice(m_device.device(), Enum::File::LOGO);
        // One tile starts checked, showing its delete button.
        m_pBKG->setActivatedContentButton(2);
    }

    ~ImageGalleryPage() override { Vireo::Fixture::setCommandObserver({}); }

private:
    Vireo::Gallery::SimulatedDevice& m_device;
    GalleryFlowContainerFrame* m_pBKG = nullptr;
    GalleryFlowContainerFrame* m_pLOGO = nullptr;
    QLabel* m_pCommands = nullptr;
    QStringList m_lines;
};

Vireo::Gallery::PageRegistrar reg(
    "image-gallery", "Gallery", 80, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new ImageGalleryPage(device, parent);
    });

} // namespace
