// Foundation page: the navigation slider frame in both orientations (with enough buttons to
// scroll, and empty with its tip), the fitting label and live video previews.

#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireomodel/vireomodel.h>
#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/foundation/frameline.h>
#include <vireowidgets/foundation/navisliderframe.h>
#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/foundation/videopreviewwidget.h>

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QToolButton>

namespace {

using Vireo::Widgets::NaviSliderFrame;

class DemoButton : public QToolButton
{
    Q_OBJECT
public:
    DemoButton(const QSize& size, QWidget* parent)
        : QToolButton(parent)
        , m_size(size)
    {
        setCheckable(true);
        setFixedSize(size);
        setProperty("isFoundationDemoButton", true);
    }
    QSize sizeHint() const override { return m_size; }

private:
    QSize m_size;
};

// A strip filled through the shared rebuild support, as the resource lists fill theirs.
class DemoStrip : public NaviSliderFrame
{
public:
    DemoStrip(Qt::Orientation orientation, const QSize& buttonSize, QWidget* parent)
        : NaviSliderFrame(parent)
        , m_buttonSize(buttonSize)
    {
        setOrientation(orientation);
        setIcon(QPixmap(Vireo::Utils::Icon::imageFileName(QStringLiteral("icon_forbidden"), QString())));
        retranslateUi();
        connect(this, &NaviSliderFrame::itemAddButtonClicked, this, [this] {
            m_names.append(tr("Extra %1").arg(m_names.size() + 1));
            rebuild(m_names);
            scrollToTail();
        });
        if (QToolButton* clear = getPredefinedNaviButton(Clear)) {
            connect(clear, &QToolButton::clicked, this, [this] {
                m_names.clear();
                rebuild(m_names);
            });
        }
    }

    void retranslateUi() override
    {
        setTips(tr("Nothing to show. Press + to add an item."));
        if (m_pAddButton) {
            m_pAddButton->setText(QStringLiteral("+"));
            m_pClearButton->setText(QStringLiteral("×"));
            const bool horizontal = orientation() == Qt::Horizontal;
            m_pPrevButton->setText(horizontal ? QStringLiteral("‹") : QStringLiteral("˄"));
            m_pNextButton->setText(horizontal ? QStringLiteral("›") : QStringLiteral("˅"));
        }
    }

    void rebuild(const QStringList& names)
    {
        m_names = names;
        RebuildScope scope(this);
        const QList<QAbstractButton*> reuse = getContentButtons();
        int index = 0;
        for (const QString& name : names) {
            DemoButton* button = reuseContentButton<DemoButton>(reuse, index);
            if (!button)
                button = new DemoButton(m_buttonSize, this);
            button->setText(name);
            placeContentButton(button, false);
            ++index;
        }
        hideContentButtonsFrom(reuse, index);
        contentFrameResize();
    }

protected:
    void resetHideContentButton(QToolButton* button) override { button->setText(QString()); }

private:
    QSize m_buttonSize;
    QStringList m_names;
};

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("GalleryCaption"));
    label->setWordWrap(true);
    return label;
}

class FoundationPage : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(FoundationPage)
public:
    FoundationPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
        , m_device(device)
    {
        auto* layout = new QVBoxLayout(this);
        auto* heading = new QLabel(tr("Navigation slider frame"), this);
        heading->setObjectName(QStringLiteral("GalleryHeading"));
        layout->addWidget(heading);
        layout->addWidget(caption(tr("The base of every resource list. Arrows step one button at a time and are "
                                     "disabled at the ends; + adds an item, × empties the strip."),
            this));

        QStringList inputNames;
        if (auto dev = device.device().lock()) {
            for (const auto& weak : dev->validInputs()) {
                if (auto input = weak.lock())
                    inputNames.append(input->name());
            }
        }
        while (inputNames.size() < 14)
            inputNames.append(tr("Source %1").arg(inputNames.size() + 1));

        auto* horizontal = new DemoStrip(Qt::Horizontal, QSize(120, 64), this);
        horizontal->setFixedHeight(110);
        horizontal->rebuild(inputNames);
        horizontal->setActivatedItem(0);
        layout->addWidget(horizontal);

        auto* row = new QHBoxLayout;
        auto* vertical = new DemoStrip(Qt::Vertical, QSize(150, 44), this);
        vertical->setFixedSize(230, 330);
        vertical->rebuild(inputNames.mid(0, 10));
        row->addWidget(vertical, 0, Qt::AlignTop);

        auto* separator = Vireo::Widgets::FrameLine::createVerticalLine(nullptr, this, 1, 0);
        separator->setProperty(CUSTOM_PROPERTY_LEVEL1_SEPARATOR, true);
        row->addWidget(separator);

        auto* right = new QVBoxLayout;
        auto* empty = new DemoStrip(Qt::Horizontal, QSize(120, 64), this);
        empty->setFixedHeight(130);
        right->addWidget(caption(tr("An empty strip shows its tip."), this));
        right->addWidget(empty);

        right->addWidget(caption(tr("A label that fits its text with \"...\"."), this));
        auto* wrap = new Vireo::Widgets::QWrapLabel(this);
        wrap->setFixedWidth(260);
        wrap->setText(tr("Program output of the main LED wall in the great hall"));
        right->addWidget(wrap);

        right->addWidget(caption(tr("Live video previews: plain, and with the forbidden badge."), this));
        auto* videos = new QHBoxLayout;
        m_plainVideo = new Vireo::Widgets::VideoPreviewWidget(this);
        m_plainVideo->setFixedSize(192, 108);
        m_badgeVideo = new Vireo::Widgets::VideoPreviewWidget(this);
        m_badgeVideo->setFixedSize(192, 108);
        m_badgeVideo->setForbiddenIconVisible(true);
        videos->addWidget(m_plainVideo);
        videos->addWidget(m_badgeVideo);
        videos->addStretch(1);
        right->addLayout(videos);
        right->addStretch(1);
        row->addLayout(right, 1);
        layout->addLayout(row, 1);

        connect(&device, &Vireo::Gallery::SimulatedDevice::tick, this, &FoundationPage::refreshVideos);
        refreshVideos();
    }

private:
    void refreshVideos()
    {
        auto dev = m_device.device().lock();
        if (!dev)
            return;
        const auto inputs = dev->validInputs();
        int shown = 0;
        for (const auto& input : inputs) {
            Vireo::Widgets::VideoPreviewWidget* target = shown == 0 ? m_plainVideo : m_badgeVideo;
            if (m_device.readInputFrame(input, target->size(), target->getVideoFrame())) {
                target->refreshVideo();
                if (++shown == 2)
                    break;
            }
        }
    }

    Vireo::Gallery::SimulatedDevice& m_device;
    Vireo::Widgets::VideoPreviewWidget* m_plainVideo = nullptr;
    Vireo::Widgets::VideoPreviewWidget* m_badgeVideo = nullptr;
};

Vireo::Gallery::PageRegistrar reg(
    "foundation", "Foundation", 10, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new FoundationPage(device, parent);
    });

} // namespace

#include "foundationpage.moc"
