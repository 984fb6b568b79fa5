// Take-over page: a host page whose device is held by a second control client. The page lays the
// takeover panel over itself; "Take over" asks the simulated device for control, which it grants
// after a moment, and the veil goes. "Another client takes control" brings it back.

#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireowidgets/resources/icenterwidget.h>
#include <vireowidgets/resources/outputdetailvlistwidget.h>
#include <vireowidgets/resources/takeoverpanelwidget.h>

#include <vireomodel/vireomodel.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace {

using namespace Vireo::Widgets;
using Vireo::BizModel::DeviceList;

// The host's theme supplies the panel's pictures; the gallery draws its own.
QImage drawTakeOverPicture()
{
    QImage image(240, 150, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A processor front panel...
    painter.setPen(QPen(QColor(0x8a, 0x8f, 0x99), 2));
    painter.setBrush(QColor(0x2a, 0x2d, 0x33));
    painter.drawRoundedRect(QRectF(20, 40, 200, 70), 6, 6);
    painter.setBrush(QColor(0x17, 0x18, 0x1b));
    painter.drawRect(QRectF(34, 54, 90, 42));
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(i == 0 ? QColor(230, 112, 7) : QColor(0x4a, 0x4e, 0x56));
        painter.drawEllipse(QPointF(146 + i * 18, 75), 5, 5);
    }
    // ...with a padlock over it.
    painter.setPen(QPen(QColor(230, 112, 7), 5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(100, 6, 40, 44), 0, 180 * 16);
    painter.drawLine(QPointF(100, 28), QPointF(100, 40));
    painter.drawLine(QPointF(140, 28), QPointF(140, 40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 112, 7));
    painter.drawRoundedRect(QRectF(92, 38, 56, 42), 5, 5);
    painter.setBrush(QColor(0x17, 0x18, 0x1b));
    painter.drawEllipse(QPointF(120, 54), 5, 5);
    painter.drawRect(QRectF(118, 56, 4, 14));
    return image;
}

QImage drawWarningIcon()
{
    QImage image(16, 14, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(8, 0.5);
    triangle.lineTo(15.5, 13.5);
    triangle.lineTo(0.5, 13.5);
    triangle.closeSubpath();
    painter.fillPath(triangle, QColor(255, 170, 40));
    painter.setPen(QPen(QColor(30, 30, 30), 1.6));
    painter.drawLine(QPointF(8, 4.5), QPointF(8, 9));
    painter.drawPoint(QPointF(8, 11.5));
    return image;
}

// A page of the host's central area: an output list and the canvas beside it. The veil is up
// while another client controls the active device.
class HostResourcePage : public ICenterWidget
{
public:
    HostResourcePage(const QString& picturePath, const QString& iconPath, QWidget* parent)
        : ICenterWidget("Gallery.TakeOver", parent)
        , m_picturePath(picturePath)
        , m_iconPath(iconPath)
    {
        setObjectName(QStringLiteral("TakeOverHostPage"));
        auto* layout = new QHBoxLayout(this);
        m_pOutputs = new OutputDetailVListWidget(this);
        m_pOutputs->setFixedWidth(180);
        layout->addWidget(m_pOutputs);
        auto* canvas = new QLabel(tr("Canvas: drop outputs here to build a screen."), this);
        canvas->setObjectName(QStringLiteral("GalleryDropArea"));
        canvas->setAlignment(Qt::AlignCenter);
        layout->addWidget(canvas, 1);
        m_pOutputs->initListWidgetItem(DeviceList::instance()->activedDevice(), ItemAllOutput, AllOutput);
    }

    void enterWindow() override
    {
        const bool first = takeOverPanel() == nullptr;
        ICenterWidget::enterWindow();
        if (first) {
            m_pTakeOverPanel->setPixmapPath(m_picturePath);
            m_pTakeOverPanel->setTipsIconPath(m_iconPath);
        }
    }

    void updateTakeOverPanel() override
    {
        if (!m_pTakeOverPanel || isLevave())
            return;
        const auto device = DeviceList::instance()->activedDevice().lock();
        if (!device || device->isMasterControl()) {
            hideTakeOverPanel();
            return;
        }
        m_pTakeOverPanel->updateTipsText(false, m_readControlClientsTimes);
        m_pTakeOverPanel->updateIpListWidget();
        m_pTakeOverPanel->show();
        m_pTakeOverPanel->raise();
    }

private:
    QString m_picturePath;
    QString m_iconPath;
    OutputDetailVListWidget* m_pOutputs = nullptr;
};

class TakeOverPage : public QWidget
{
public:
    TakeOverPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
        , m_device(device)
    {
        drawTakeOverPicture().save(m_pictures.filePath(QStringLiteral("bg_device_takeover.png")));
        drawWarningIcon().save(m_pictures.filePath(QStringLiteral("icon_alertWarn.png")));

        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("Central page and takeover panel"),
            tr("Another control client holds the processor, so the page below is veiled: the panel lists the "
               "clients that control the device (this one marked) and offers to take over. The request "
               "takes a moment; the page is followed every three seconds until control is won or the "
               "attempt runs out."),
            this);

        auto* row = new QHBoxLayout;
        m_pPage = new HostResourcePage(m_pictures.filePath(QStringLiteral("bg_device_takeover.png")),
            m_pictures.filePath(QStringLiteral("icon_alertWarn.png")), this);
        m_pPage->setMinimumSize(760, 520);
        row->addWidget(m_pPage, 1);

        auto* side = new QVBoxLayout;
        auto* handBack = new QPushButton(tr("Another client takes control"), this);
        side->addWidget(handBack);
        m_pStatus = new QLabel(this);
        m_pStatus->setObjectName(QStringLiteral("GalleryCaption"));
        m_pStatus->setWordWrap(true);
        m_pStatus->setFixedWidth(220);
        side->addWidget(m_pStatus);
        side->addStretch(1);
        row->addLayout(side);
        layout->addLayout(row, 1);

        connect(handBack, &QPushButton::clicked, this, [this]() { m_device.handControlToOtherClient(); });
        connect(DeviceList::instance(), &DeviceList::signalDeviceMasterControlStatusChanged, this,
            [this]() { showStatus(); });
        m_pPage->enterWindow();
        connect(m_pPage->takeOverPanel(), &TakeOverPanelWidget::signalTakeOverButtonClicked, this,
            [this]() { m_pStatus->setText(tr("Control requested; the device answers in a moment.")); });
        showStatus();
    }

private:
    void showStatus()
    {
        const auto device = m_device.device().lock();
        if (!device)
            m_pStatus->setText(tr("No device."));
        else if (device->isMasterControl())
            m_pStatus->setText(tr("This client controls the device."));
        else
            m_pStatus->setText(tr("The device is held by another client."));
    }

    Vireo::Gallery::SimulatedDevice& m_device;
    QTemporaryDir m_pictures;
    HostResourcePage* m_pPage = nullptr;
    QLabel* m_pStatus = nullptr;
};

Vireo::Gallery::PageRegistrar reg(
    "takeover", "Take over", 90, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new TakeOverPage(device, parent);
    });

} // namespace
