// Screens page: the three screen lists on the simulated processor. The detail list shows moving
// program and preview pictures and its screens can be dragged onto the drop area, which prints
// the drag's payload; the lists are rebuilt whenever the device's screens change.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/resources/screendetailvlistwidget.h>
#include <vireowidgets/resources/screengeneralhlistwidget.h>
#include <vireowidgets/resources/screensamplevlistwidget.h>

#include <vireomodel/vireomodel.h>

#include <QDataStream>
#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QVBoxLayout>

namespace {

using namespace Vireo::Widgets;
namespace Enum = Vireo::BizModel::Enum;

class ScreensPage : public QWidget
{
public:
    ScreensPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
        , m_device(device)
    {
        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("Screen lists"),
            tr("The general strip lists every screen as a card (Delete asks to close the active screen); the sample "
               "list shows names only; the detail list shows live program and preview pictures and its screens can "
               "be dragged."),
            this);

        m_pGeneral = new ScreenGeneralHListWidget(this);
        m_pGeneral->setFixedHeight(110);
        m_pGeneral->setFocusPolicy(Qt::ClickFocus); // so that the Delete key reaches it
        layout->addWidget(Vireo::Gallery::framed(tr("General"), m_pGeneral, this));

        auto* row = new QHBoxLayout;
        m_pSample = new ScreenSampleVListWidget(this);
        m_pSample->setFixedWidth(180);
        row->addWidget(Vireo::Gallery::framed(tr("Sample"), m_pSample, this));
        m_pDetail = new ScreenDetailVListWidget(this);
        m_pDetail->setFixedWidth(300);
        row->addWidget(Vireo::Gallery::framed(tr("Detail"), m_pDetail, this));

        auto* side = new QVBoxLayout;
        side->addWidget(new Vireo::Gallery::DropArea(
                            tr("Drag a screen from the detail list and drop it here."),
                            {QLatin1String(Vireo::Constants::MimeTypeScreenKeyNo)},
                            [](const QMimeData* mime, const QPoint& hotSpot) {
                                auto value = [mime](const char* type) {
                                    return QString::fromUtf8(mime->data(QLatin1String(type)));
                                };
                                QString scene = tr("no scene");
                                if (mime->hasFormat(QLatin1String(Vireo::Constants::MimeTypePGMKeyNo)))
                                    scene = QStringLiteral("PGM");
                                else if (mime->hasFormat(QLatin1String(Vireo::Constants::MimeTypePVWKeyNo)))
                                    scene = QStringLiteral("PVW");
                                return tr("Dropped \"%1\"\nscreen %2, type %3, %4\nhot spot (%5, %6)")
                                    .arg(mime->text(), value(Vireo::Constants::MimeTypeScreenKeyNo),
                                        value(Vireo::Constants::MimeTypeScreenTypeKeyNo), scene)
                                    .arg(hotSpot.x())
                                    .arg(hotSpot.y());
                            },
                            this),
            1);
        m_pStatus = new QLabel(this);
        m_pStatus->setObjectName(QStringLiteral("GalleryCaption"));
        m_pStatus->setWordWrap(true);
        side->addWidget(m_pStatus);
        row->addLayout(side, 1);
        layout->addLayout(row, 1);
        setMinimumHeight(620);

        connect(m_pGeneral, &ScreenListWidget::screenItemCloseClicked, this,
            [this](std::weak_ptr<Vireo::BizModel::Screen> screen) {
                if (auto locked = screen.lock())
                    m_pStatus->setText(tr("Close requested for \"%1\".").arg(locked->name()));
            });
        connect(m_pGeneral, &NaviSliderFrame::itemAddButtonClicked, this,
            [this]() { m_pStatus->setText(tr("Add screen requested.")); });
        connect(
            &m_device, &Vireo::Gallery::SimulatedDevice::tick, m_pDetail, [this]() { m_pDetail->updateScreenVideo(); });
        if (auto dev = m_device.device().lock())
            connect(dev.get(), &Vireo::BizModel::Device::signalScreensChanged, this, [this]() { rebuild(); });
        rebuild();
    }

private:
    void rebuild()
    {
        const auto dev = m_device.device();
        const int screens = Enum::Screen::AllScreenType;
        m_pGeneral->initListWidgetItem(dev, screens, Enum::Layer::SceneType::Invalid);
        m_pSample->initListWidgetItem(dev, screens, Enum::Layer::SceneType::Invalid);
        m_pDetail->initListWidgetItem(dev, screens, Enum::Layer::SceneType::AllSceneType, true,
            [this](std::weak_ptr<Vireo::BizModel::Screen> screen, const int& scene, const QSize& size, QImage& frame) {
                return m_device.readScreenFrame(screen, scene, size, frame);
            });
        m_pDetail->updateScreenVideo();
    }

    Vireo::Gallery::SimulatedDevice& m_device;
    ScreenGeneralHListWidget* m_pGeneral = nullptr;
    ScreenSampleVListWidget* m_pSample = nullptr;
    ScreenDetailVListWidget* m_pDetail = nullptr;
    QLabel* m_pStatus = nullptr;
};

Vireo::Gallery::PageRegistrar reg(
    "screens", "Screens", 30, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new ScreensPage(device, parent);
    });

} // namespace
