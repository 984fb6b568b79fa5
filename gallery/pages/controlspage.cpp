// Controls page: the general-purpose input and feedback widgets, all live. Values reported by the
// controls are echoed in small read-outs so their signal traffic can be watched.

#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireowidgets/controls/fixedbitlineeditex.h>
#include <vireowidgets/controls/groupwidget.h>
#include <vireowidgets/controls/sliderwithspinwidget.h>
#include <vireowidgets/controls/tbar.h>
#include <vireowidgets/controls/textbesideicon.h>
#include <vireowidgets/controls/waitingdialog.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using namespace Vireo::Widgets;

QIcon drawnIcon(const QColor& color, bool cross)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap));
    if (cross) {
        painter.drawLine(8, 8, 24, 24);
        painter.drawLine(24, 8, 8, 24);
    } else {
        painter.drawRoundedRect(QRectF(6, 6, 20, 20), 3, 3);
        painter.drawLine(11, 6, 11, 13);
        painter.drawLine(21, 6, 21, 13);
    }
    return QIcon(pixmap);
}

QLabel* readout(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("GalleryCaption"));
    return label;
}

class ControlsPage : public QWidget
{
public:
    ControlsPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
    {
        Q_UNUSED(device)
        auto* layout = new QVBoxLayout(this);
        auto* heading = new QLabel(tr("Controls"), this);
        heading->setObjectName(QStringLiteral("GalleryHeading"));
        layout->addWidget(heading);

        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(16);
        grid->addWidget(buildSliders(), 0, 0);
        grid->addWidget(buildNames(), 0, 1);
        grid->addWidget(buildButtons(), 1, 0);
        grid->addWidget(buildTransition(), 1, 1, 2, 1);
        grid->addWidget(buildWaiting(), 2, 0);
        layout->addLayout(grid);
        layout->addStretch(1);
    }

private:
    QWidget* buildSliders()
    {
        auto* box = new QGroupBox(tr("Slider with spin box"), this);
        auto* column = new QVBoxLayout(box);
        auto* echo = readout(box);

        auto* brightness = new SliderWithSpinWidget(box);
        brightness->setLabelName(tr("Brightness"));
        brightness->setSliderRange(0, 100);
        brightness->setSpinBoxRange(0, 100);
        brightness->setSliderValue(64);
        brightness->setLabelWidgetMaxLength(90);
        brightness->getLabel()->setMinimumWidth(90);
        connect(brightness, &SliderWithSpinWidget::signal_spinboxValueChanged, echo,
            [echo](int v) { echo->setText(tr("Brightness reported %1").arg(v)); });
        column->addWidget(brightness);

        auto* gamma = new SliderWithDoubleSpinWidget(box);
        gamma->setLabelName(tr("Gamma"));
        gamma->setSliderRange(0, 4);
        gamma->setSpinBoxRange(0.0, 4.0);
        gamma->setSpinBoxValue(2.2);
        gamma->setLabelWidgetMaxLength(90);
        gamma->findChild<QLabel*>()->setMinimumWidth(90);
        connect(gamma, &SliderWithDoubleSpinWidget::signal_spinboxValueChanged, echo,
            [echo](double v) { echo->setText(tr("Gamma reported %1").arg(v, 0, 'f', 2)); });
        column->addWidget(gamma);

        auto* contrast = new ZKSliderLineEditWidget(box);
        contrast->setTitle(tr("Contrast"));
        contrast->setRange(0, 50);
        contrast->setEvenCharacteristic(2);
        contrast->setCurValue(25);
        connect(contrast, qOverload<int>(&ZKSliderLineEditWidget::sig_CurValueChanged), echo,
            [echo](int raw) { echo->setText(tr("Contrast raw %1, shown %2").arg(raw).arg(raw * 2)); });
        column->addWidget(contrast);

        auto* gain = new ZKSliderLineEditWidget(box);
        gain->setTitle(tr("Gain"));
        gain->setDoubleFlag(true);
        gain->setDecimalsValue(2);
        gain->setRange(0, 500);
        gain->setDoubleRange(0.0, 5.0);
        gain->setSpinBoxSingleStep(0.01);
        gain->setStep(5);
        gain->setCurValue(120);
        connect(gain, qOverload<double>(&ZKSliderLineEditWidget::sig_CurValueChanged), echo,
            [echo](double v) { echo->setText(tr("Gain %1").arg(v, 0, 'f', 2)); });
        column->addWidget(gain);

        echo->setText(tr("Drag, type, use the buttons; the wheel scrolls the page."));
        column->addWidget(echo);
        return box;
    }

    QWidget* buildNames()
    {
        auto* box = new QGroupBox(tr("Name edits"), this);
        auto* column = new QVBoxLayout(box);
        auto* committed = readout(box);

        auto addName = [&](const QString& text, bool newLook) {
            auto* row = new QHBoxLayout;
            auto* edit = new FixedBitLineEditEx(box);
            edit->setEditText(text);
            if (newLook)
                edit->setStyle();
            auto* weight = readout(box);
            auto showWeight = [edit, weight] {
                weight->setText(QStringLiteral("%1 / %2")
                                    .arg(FixedBitLineEditEx::weightedLength(edit->text()))
                                    .arg(edit->getMaxBitLength()));
            };
            showWeight();
            connect(edit, &QLineEdit::textChanged, weight, showWeight);
            connect(edit, &QLineEdit::editingFinished, committed,
                [edit, committed] { committed->setText(tr("Saved name: \"%1\"").arg(edit->text())); });
            row->addWidget(edit, 1);
            row->addWidget(weight);
            column->addLayout(row);
        };
        addName(QStringLiteral("\u6f14\u64ad\u5ba4 1"), false); // studio 1
        addName(QStringLiteral("PGM_main-wall"), true);
        addName(QStringLiteral("\u8f93\u5165\u6e90\u540d\u79f0\u957f\u957f\u957f"), true); // cut at 15

        committed->setText(tr("Letters, digits, spaces, _ - and CJK; ideographs count two."));
        column->addWidget(committed);
        column->addStretch(1);
        return box;
    }

    QWidget* buildButtons()
    {
        auto* box = new QGroupBox(tr("Headers and icon buttons"), this);
        auto* column = new QVBoxLayout(box);
        auto* echo = readout(box);

        auto* header = new GroupWidget(box);
        header->setTitle(tr("Output timing"));
        header->setTip(tr("applies to every port of the card"));
        header->setBtnTipIcon(drawnIcon(QColor(143, 184, 255), true));
        header->setBtnTipVisible(true);
        connect(header, &GroupWidget::signalIconClicked, echo, [echo] { echo->setText(tr("Header icon clicked")); });
        column->addWidget(header);

        auto* row = new QHBoxLayout;
        auto* save = new TextBesideIcon(box, Qt::Horizontal);
        save->setText(tr("Save"));
        save->setIcon(drawnIcon(QColor(120, 220, 140), false));
        save->setIconSize(QSize(20, 20));
        save->setMainSpacing(8);
        save->setMainContentsMargins(10, 4, 10, 4);
        save->setMinimumSize(120, 40);
        connect(save, &QAbstractButton::clicked, echo, [echo] { echo->setText(tr("Save clicked")); });
        row->addWidget(save);

        auto* clear = new TextBesideIcon(box, Qt::Vertical);
        clear->setText(tr("Clear"));
        clear->setIcon(drawnIcon(QColor(255, 120, 120), true));
        clear->setIconSize(QSize(24, 24));
        clear->setMinimumSize(96, 84);
        clear->setWidgetCheckable(true);
        connect(clear, &QAbstractButton::toggled, echo,
            [echo](bool on) { echo->setText(on ? tr("Clear checked") : tr("Clear unchecked")); });
        row->addWidget(clear);
        row->addStretch(1);
        column->addLayout(row);

        echo->setText(tr("Click the icons or the texts."));
        column->addWidget(echo);
        return box;
    }

    QWidget* buildTransition()
    {
        auto* box = new QGroupBox(tr("T-bar and progress"), this);
        auto* row = new QHBoxLayout(box);

        auto* lever = new tbar(box);
        // A dialog by type; embedded here so it sits in the page.
        lever->setWindowFlags(Qt::Widget);
        lever->setFixedSize(108, 228);
        lever->setTbarDirection(tbar::BottomToTop);
        row->addWidget(lever, 0, Qt::AlignTop);

        auto* column = new QVBoxLayout;
        auto* progress = new ProgressBarCtr(box);
        column->addWidget(progress);

        auto* tile = new QToolButton(box);
        tile->setFixedSize(260, 100);
        tile->setText(tr("PVW"));
        auto* mask = new MaskProgressWidget(tile);
        mask->setGeometry(tile->rect());
        column->addWidget(tile);

        auto* panel = new QFrame(box);
        panel->setFixedSize(260, 100);
        auto* loading = new MaskPanelWidget(panel);
        loading->setGeometry(panel->rect());
        loading->setText(tr("Device loading"));
        column->addWidget(panel);

        auto* take = new QPushButton(tr("Take"), box);
        column->addWidget(take);
        auto* upgrade = new QPushButton(tr("Simulate upgrade of 3 cards"), box);
        column->addWidget(upgrade);
        column->addStretch(1);
        row->addLayout(column, 1);

        connect(lever, &tbar::percentChanged, progress, [progress, mask](qreal cur, qreal) {
            progress->setProcess(qRound(cur * 1000) / 10.0);
            mask->setProgressValue(static_cast<unsigned char>(qRound(cur * 100)));
        });
        connect(take, &QPushButton::clicked, lever, [lever, progress] {
            lever->turnOffLed();
            progress->Clear();
        });

        auto* upgradeTimer = new QTimer(box);
        upgradeTimer->setInterval(60);
        connect(upgrade, &QPushButton::clicked, upgradeTimer, [upgradeTimer, progress] {
            progress->setCount(3);
            progress->setProperty("galleryValue", 0);
            upgradeTimer->start();
        });
        connect(upgradeTimer, &QTimer::timeout, progress, [upgradeTimer, progress] {
            const int value = progress->property("galleryValue").toInt() + 6;
            progress->setProperty("galleryValue", value);
            progress->setCurrentValue(value);
            if (value >= 300)
                upgradeTimer->stop();
        });

        lever->setCurValue(0.375);
        progress->setProcess(37.5);
        mask->setProgressValue(38);
        return box;
    }

    QWidget* buildWaiting()
    {
        auto* box = new QGroupBox(tr("Waiting dialog"), this);
        auto* column = new QVBoxLayout(box);
        auto* echo = readout(box);
        auto* row = new QHBoxLayout;
        auto* show = new QPushButton(tr("Load a preset (cancellable)"), box);
        auto* warn = new QPushButton(tr("Show a warning"), box);
        row->addWidget(show);
        row->addWidget(warn);
        row->addStretch(1);
        column->addLayout(row);
        echo->setText(tr("Shown only on request; it hides itself after three seconds."));
        column->addWidget(echo);

        // The dialog is modal while shown; a timer always takes it away again, so the gallery is
        // never left blocked.
        auto* autoHide = new QTimer(box);
        autoHide->setSingleShot(true);
        autoHide->setInterval(3000);
        connect(autoHide, &QTimer::timeout, box, [echo] {
            if (WaitingDialog::instance()->property("WindowStateShow").toBool()) {
                WaitingDialog::instance()->hideWaitingDialog();
                echo->setText(tr("Finished"));
            }
        });

        auto open = [this, echo, autoHide](const QString& text, WaitingDialog::TooltipLevel level, bool cancel) {
            WaitingDialog* dialog = WaitingDialog::instance(window());
            if (dialog->parentWidget() != window())
                dialog->attachToWidget(window());
            if (!m_cancelLink) {
                m_cancelLink = connect(dialog, &WaitingDialog::signal_canelLoad, this, [dialog, echo, autoHide] {
                    autoHide->stop();
                    dialog->hideWaitingDialog();
                    echo->setText(tr("Cancelled by the operator"));
                });
            }
            dialog->showWaitingDialog(text, level);
            dialog->setCanelVisible(cancel);
            echo->setText(tr("Waiting..."));
            autoHide->start();
        };
        connect(show, &QPushButton::clicked, this,
            [open] { open(tr("Loading preset 3..."), WaitingDialog::Normal, true); });
        connect(warn, &QPushButton::clicked, this,
            [open] { open(tr("The output card is busy, retrying"), WaitingDialog::Warning, false); });
        return box;
    }

    QMetaObject::Connection m_cancelLink;
};

Vireo::Gallery::PageRegistrar reg(
    "controls", "Controls", 20, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new ControlsPage(device, parent);
    });

} // namespace
