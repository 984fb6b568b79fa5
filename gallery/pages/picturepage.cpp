// Picture pages: the HDR panel limited by the example HDR configuration that ships with the
// gallery, and the test patterns with the intercept and colour supplements. Every report of the
// panels is echoed in a read-out, as the host would send it to the device.
//
// The HDR configuration is found as a host would find its own: the file named by the environment
// variable VIREO_HDR_CONFIG; else hdrconfig.xml in the installed data folder
// (<prefix>/share/vireowidgets, beside the gallery's bin folder); else the copy compiled into the
// gallery. It is read once, before the first HDR panel is made.

#include "galleryicons.h"
#include "pagekit.h"
#include "pageregistry.h"
#include "simulateddevice.h"

#include <vireowidgets/picture/framesupplementdisplaywidget.h>
#include <vireowidgets/picture/hdrconfig.h>
#include <vireowidgets/picture/hdrwidget.h>
#include <vireowidgets/picture/supplememtcolorwidget.h>
#include <vireowidgets/picture/supplememtinterceptwidget.h>
#include <vireowidgets/picture/testpictureframes.h>

#include <vireomodel/utils.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QVariant>

namespace {

using namespace Vireo::Widgets;

QString hdrConfigPath()
{
    const QString fromEnvironment = qEnvironmentVariable("VIREO_HDR_CONFIG");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/vireowidgets/hdrconfig.xml"));
    if (QFileInfo(installed).isFile())
        return QDir::cleanPath(installed);
    return QStringLiteral(":/gallery/data/hdrconfig.xml");
}

// Reads the configuration once per run; the text says where the limits came from.
QString loadHdrConfigOnce()
{
    static const QString status = [] {
        const QString path = hdrConfigPath();
        QString error;
        if (HDRConfig::instance()->readConfig(path, error))
            return QObject::tr("Limits read from %1").arg(path);
        return QObject::tr("No limits: %1").arg(error);
    }();
    return status;
}

QLabel* readout(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("GalleryCaption"));
    label->setWordWrap(true);
    return label;
}

// The host supplies the pattern thumbnails through the theme: one small and one large picture per
// name, drawn here as the device would show the pattern.
void drawPattern(QPainter& painter, int index, const QSize& size)
{
    const QRect r(QPoint(0, 0), size);
    const int w = size.width();
    const int h = size.height();
    const QColor plain[] = {Qt::red, Qt::green, Qt::blue, Qt::white};
    const QColor ramp[] = {Qt::red, Qt::green, Qt::blue, Qt::white};
    painter.fillRect(r, Qt::black);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (index < 4) {
        painter.fillRect(r, plain[index]);
    } else if (index == 4 || index == 5) {
        const QColor bars[] = {Qt::white, Qt::yellow, Qt::cyan, Qt::green, Qt::magenta, Qt::red, Qt::blue, Qt::black};
        for (int i = 0; i < 8; ++i) {
            if (index == 4)
                painter.fillRect(QRect(i * w / 8, 0, w / 8 + 1, h), bars[i]);
            else
                painter.fillRect(QRect(0, i * h / 8, w, h / 8 + 1), bars[i]);
        }
    } else if (index == 6) {
        const int cell = std::max(4, w / 8);
        for (int y = 0; y < h; y += cell)
            for (int x = 0; x < w; x += cell)
                painter.fillRect(QRect(x, y, cell, cell), ((x + y) / cell) % 2 ? Qt::black : Qt::white);
    } else if (index >= 7 && index <= 14) {
        const bool horizontal = index <= 10;
        QLinearGradient gradient(0, 0, horizontal ? w : 0, horizontal ? 0 : h);
        gradient.setColorAt(0, Qt::black);
        gradient.setColorAt(1, ramp[(index - 7) % 4]);
        painter.fillRect(r, gradient);
    } else if (index >= 15 && index <= 20) {
        painter.setPen(QPen(Qt::white, std::max(1, w / 80)));
        const int step = std::max(6, w / 10);
        if (index == 15 || index == 19)
            for (int y = step / 2; y < h; y += step)
                painter.drawLine(0, y, w, y);
        if (index == 16 || index == 19)
            for (int x = step / 2; x < w; x += step)
                painter.drawLine(x, 0, x, h);
        painter.setRenderHint(QPainter::Antialiasing, true);
        if (index == 17 || index == 20)
            for (int x = -h; x < w; x += step)
                painter.drawLine(x, 0, x + h, h);
        if (index == 18 || index == 20)
            for (int x = 0; x < w + h; x += step)
                painter.drawLine(x, 0, x - h, h);
    } else if (index == 22) {
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRect(r.adjusted(1, 1, -2, -2));
        painter.drawLine(w / 2, 0, w / 2, h);
        painter.drawLine(0, h / 2, w, h / 2);
    }
}

void installPatternThumbnails()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList names {"normal_Test_Read", "normal_Test_Green", "normal_Test_Blue", "normal_Test_White",
        "normal_Test_VerticalBars", "normal_Test_HerizontalBars", "normal_Test_Checkerboard",
        "normal_Test_HerizontalRedGradient", "normal_Test_HerizontalGreenGradient",
        "normal_Test_HorizontalBlueGradient", "normal_Test_HorizontalWhiteGradient", "normal_Test_VerticalRedGradient",
        "normal_Test_VerticalGreenGradient", "normal_Test_VerticalBlueGradient", "normal_Test_VerticalWhiteGradient",
        "normal_Test_HorizontalWhiteLines", "normal_Test_VerticalWhiteLines", "normal_Test_BackwardWhiteSlashes",
        "normal_Test_FowardWhiteSlashes", "normal_Test_Grid", "normal_Test_CrossHatch", "normal_Test_Black",
        "normal_Test_Orientation"};
    for (int i = 0; i < names.size(); ++i) {
        for (const bool big : {false, true}) {
            const QSize size = big ? QSize(320, 192) : QSize(72, 60);
            QImage image(size, QImage::Format_RGB32);
            QPainter painter(&image);
            drawPattern(painter, i, size);
            painter.end();
            Vireo::Gallery::registerThemePicture(names.at(i) + (big ? QStringLiteral("_big") : QString()), image);
        }
    }
}

// Gives the picture label its height; the label keeps its own 5:3 shape and centres itself.
class PreviewHolder : public QWidget
{
public:
    explicit PreviewHolder(QWidget* parent)
        : QWidget(parent)
        , m_pPreview(new FrameSupplementDisplayWidget(this))
    {
        setObjectName(QStringLiteral("GalleryPatternPreviewHolder"));
        setAttribute(Qt::WA_StyledBackground);
        setMinimumSize(260, 156);
    }
    FrameSupplementDisplayWidget* preview() const { return m_pPreview; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        m_pPreview->resize(m_pPreview->width(), height() - 16);
    }

private:
    FrameSupplementDisplayWidget* m_pPreview;
};

class HdrPage : public QWidget
{
public:
    HdrPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
    {
        Q_UNUSED(device)
        const QString status = loadHdrConfigOnce();
        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("HDR settings"),
            tr("Buttons the device does not allow with the current choices are disabled, as the HDR "
               "configuration file says. HDR10 on a narrow gamut widens it to Rec.2020; the rows below "
               "the dynamic range follow it and the tone mapping."),
            this);

        auto* columns = new QHBoxLayout;
        auto* panel = new HDRWidget(this);
        panel->setCustomParam(true, true, true);
        panel->setBitDepthValueRange(5);
        panel->initWidget();
        panel->retranslateUi();

        Vireo::ProtoModel::s_HDRBody hdr;
        hdr.colorGamut.presetColorGamut = 3;
        hdr.colorGamut.actualColorGamut = 3;
        auto& preset = hdr.dynamicRange.presetDynamicRange;
        preset.type = 1;
        preset.HDR10.toneMapping = true;
        preset.HDR10.screenPeakBrightness = 1000;
        preset.HDR10.pqMaxCll = 4000;
        preset.HDR10.ambientLight = 40;
        preset.SDR.Gamma = 220;
        preset.HLG.grade = 1000;
        preset.HLG.ambientLight = 20;
        panel->setActualBitDepth(10);
        panel->setActualDynamicRange(1);
        panel->setActualColorGamut(3);
        panel->setActualLimitedRange(0);
        panel->updatePresetLimitedRange(0);
        panel->updatePresetColorSpace(0);
        panel->updatePresetBitDepth(10);
        panel->updateUIFromModel(hdr);
        columns->addWidget(Vireo::Gallery::framed(tr("HDRWidget (output 1)"), panel, this), 3);

        auto* side = new QVBoxLayout;
        auto* source = readout(status, this);
        source->setProperty("isHdrConfigStatus", true);
        side->addWidget(Vireo::Gallery::framed(tr("Configuration"), source, this));
        auto* echo = readout(tr("Choose a preset: its report appears here."), this);
        side->addWidget(Vireo::Gallery::framed(tr("Reported to the device"), echo, this));

        // A broken file is refused with a message, and the panel keeps the limits it has.
        auto* broken = new QPushButton(tr("Read a truncated configuration"), this);
        auto* refusal = readout(QString(), this);
        connect(broken, &QPushButton::clicked, this, [refusal] {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("hdrconfig.xml"));
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write("<Vireo version=\"1.0\"><Key Type=\"1\" Value=\"1\"><ValueInfo");
            file.close();
            QString error;
            HDRConfig::instance()->readConfig(path, error);
            refusal->setText(tr("Refused, limits kept:\n%1").arg(error));
        });
        auto* failureBox = new QWidget(this);
        auto* failureLayout = new QVBoxLayout(failureBox);
        failureLayout->setContentsMargins(0, 0, 0, 0);
        failureLayout->addWidget(broken);
        failureLayout->addWidget(refusal);
        side->addWidget(Vireo::Gallery::framed(tr("Bad input"), failureBox, this));
        side->addStretch(1);
        columns->addLayout(side, 2);
        layout->addLayout(columns);
        layout->addStretch(1);

        auto show = [echo](const QString& text) { echo->setText(text); };
        connect(panel, &HDRWidget::signalPresetColorSpaceChanged, echo,
            [show](int v) { show(tr("Colour space %1").arg(v)); });
        connect(
            panel, &HDRWidget::signalPresetBitDepthChanged, echo, [show](int v) { show(tr("Bit depth %1").arg(v)); });
        connect(panel, &HDRWidget::signalPresetLimitedChanged, echo, [show](int v) { show(tr("Range %1").arg(v)); });
        connect(panel, &HDRWidget::signalPresetColorGamutChanged, echo,
            [show](int v) { show(tr("Colour gamut %1").arg(v)); });
        connect(panel, qOverload<int, int>(&HDRWidget::signalPresetDynamicRangeChanged), echo,
            [show](int v, int gamut) { show(tr("Dynamic range %1 with colour gamut %2").arg(v).arg(gamut)); });
        connect(panel, qOverload<int>(&HDRWidget::signalPresetDynamicRangeChanged), echo,
            [show](int v) { show(tr("Dynamic range %1").arg(v)); });
        connect(panel, &HDRWidget::signalPresetToneMappingClicked, echo,
            [show](bool on) { show(on ? tr("Tone mapping on") : tr("Tone mapping off")); });
        connect(panel, &HDRWidget::signalPresetScreenBrightnessValueChanged, echo,
            [show](int v) { show(tr("Screen brightness %1").arg(v)); });
        connect(panel, &HDRWidget::signalPresetPQMaxCLLValueChanged, echo,
            [show](int v) { show(tr("PQ MaxCLL %1").arg(v)); });
        connect(panel, &HDRWidget::signalPresetAmbientLightValueChanged, echo,
            [show](int v) { show(tr("Ambient light %1").arg(v)); });
        connect(panel, &HDRWidget::signalPresetGammaValueChanged, echo,
            [show](double v) { show(tr("Gamma %1 (hundredths)").arg(v)); });
        connect(
            panel, &HDRWidget::signalPresetHLGGradeChanged, echo, [show](int v) { show(tr("HLG grade %1").arg(v)); });
        connect(panel, &HDRWidget::signalPresetHLGAmbientLightValueChanged, echo,
            [show](int v) { show(tr("HLG ambient light %1").arg(v)); });
        connect(panel, &HDRWidget::signalPresetHDRResetClicked, echo, [show] { show(tr("Reset HDR")); });
    }
};

class PatternsPage : public QWidget
{
public:
    PatternsPage(Vireo::Gallery::SimulatedDevice& device, QWidget* parent)
        : QWidget(parent)
    {
        Q_UNUSED(device)
        auto* layout = new QVBoxLayout(this);
        Vireo::Gallery::addPageHeading(layout, tr("Test patterns, intercept and colour"),
            tr("Pick a pattern (touch: drag the strip to scroll, tap to choose); its sliders appear "
               "below it. The intercept rectangle keeps inside a 1920 x 1080 output; lock ties Height "
               "to Width."),
            this);

        installPatternThumbnails();
        auto* top = new QHBoxLayout;
        auto* patterns = new TestPictureFrames(this);
        patterns->setOutputHoriTiming(1920);
        patterns->setCurSelTestMode(0x204);
        top->addWidget(Vireo::Gallery::framed(tr("TestPictureFrames"), patterns, this), 3);

        auto* previewHolder = new PreviewHolder(this);
        FrameSupplementDisplayWidget* preview = previewHolder->preview();
        auto* patternEcho = readout(QString(), this);
        auto showPattern = [preview, patternEcho](QAbstractButton* button) {
            const TestMeta* meta = TestMeta::of(button);
            if (!meta)
                return;
            preview->setPixmap(button->property("showPicture").value<QIcon>().pixmap(320, 192));
            patternEcho->setText(tr("%1: grid %2, spacing %3, line %4, speed %5, brightness %6")
                                     .arg(TestPattern::testPatternDisplayName(meta->m_TestMeta.Key))
                                     .arg(meta->m_nGrid)
                                     .arg(meta->m_nGridSpacing)
                                     .arg(meta->m_nGridLinewidth)
                                     .arg(meta->m_nSpeed)
                                     .arg(meta->m_nBrightness));
        };
        connect(patterns, &TestPictureFrames::signalTestButtonClicked, this, showPattern);
        showPattern(patterns->getCurrentAbstract());
        auto* previewBox = new QWidget(this);
        auto* previewLayout = new QVBoxLayout(previewBox);
        previewLayout->setContentsMargins(0, 0, 0, 0);
        previewLayout->addWidget(previewHolder, 1);
        previewLayout->addWidget(patternEcho);
        top->addWidget(Vireo::Gallery::framed(tr("FrameSupplementDisplayWidget"), previewBox, this), 2);
        layout->addLayout(top);

        auto* bottom = new QHBoxLayout;
        auto* intercept = new SupplememtInterceptWidget(this);
        intercept->setTitle(tr("Output 1 intercept"));
        intercept->setTitleVisible(true);
        intercept->setXValueRange(0, 1920);
        intercept->setYValueRange(0, 1080);
        intercept->setWidthValueRange(16, 1920);
        intercept->setHeightValueRange(16, 1080);
        intercept->setParaAssociateValid(true);
        intercept->setToggled(true);
        intercept->setLabelWidth(60);
        QRect rect(QPoint(120, 60), QPoint(1719, 959));
        intercept->setEmitEnabled(false);
        intercept->setCurRectValue(rect);
        intercept->setEmitEnabled(true);
        auto* interceptEcho = readout(tr("Rectangle 120, 60 to 1719, 959"), this);
        connect(intercept, &SupplememtInterceptWidget::sig_ValueChanged, interceptEcho, [interceptEcho](QRect r) {
            interceptEcho->setText(
                tr("Rectangle %1, %2 to %3, %4").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom()));
        });
        connect(intercept, &SupplememtInterceptWidget::sig_Lock, interceptEcho,
            [interceptEcho](bool on) { interceptEcho->setText(on ? tr("Locked") : tr("Unlocked")); });
        connect(intercept, &SupplememtInterceptWidget::sig_CheckBoxCheck, interceptEcho,
            [interceptEcho](bool on) { interceptEcho->setText(on ? tr("Intercept on") : tr("Intercept off")); });
        connect(intercept, &SupplememtInterceptWidget::sig_Reset, interceptEcho,
            [interceptEcho] { interceptEcho->setText(tr("Reset requested")); });
        auto* interceptBox = new QWidget(this);
        auto* interceptLayout = new QVBoxLayout(interceptBox);
        interceptLayout->setContentsMargins(0, 0, 0, 0);
        interceptLayout->addWidget(intercept);
        interceptLayout->addWidget(interceptEcho);
        bottom->addWidget(Vireo::Gallery::framed(tr("SupplememtInterceptWidget"), interceptBox, this), 1);

        auto* color = new SupplememtColorWidget(this);
        color->setAllLableName(tr("Level"));
        color->setOpacityLableName(tr("Opacity"));
        color->setAllValueRange(0, 100);
        color->setAllValue(80);
        color->setValue(QColor::fromRgbF(0.9, 0.45, 0.1, 0.75));
        auto* colorEcho = readout(QString(), this);
        auto* swatch = new QLabel(this);
        swatch->setObjectName(QStringLiteral("GalleryColorSwatch"));
        swatch->setFixedSize(48, 24);
        auto showColor = [colorEcho, swatch](const QColor& c, int level) {
            colorEcho->setText(tr("R %1  G %2  B %3  alpha %4  level %5")
                                   .arg(c.red())
                                   .arg(c.green())
                                   .arg(c.blue())
                                   .arg(c.alphaF(), 0, 'f', 2)
                                   .arg(level));
            swatch->setStyleSheet(QStringLiteral("background: rgba(%1, %2, %3, %4);")
                                      .arg(c.red())
                                      .arg(c.green())
                                      .arg(c.blue())
                                      .arg(c.alphaF(), 0, 'f', 2));
        };
        connect(color, &SupplememtColorWidget::signalRGBValueChanged, this, showColor);
        connect(color, &SupplememtColorWidget::signal_buttonClicked, color, [color] {
            color->setValue(QColor(255, 255, 255));
            color->setAllValue(100);
        });
        showColor(color->getColorData(), color->getAllValue());
        auto* colorBox = new QWidget(this);
        auto* colorLayout = new QVBoxLayout(colorBox);
        colorLayout->setContentsMargins(0, 0, 0, 0);
        colorLayout->addWidget(color);
        auto* colorRow = new QHBoxLayout;
        colorRow->addWidget(swatch);
        colorRow->addWidget(colorEcho, 1);
        colorLayout->addLayout(colorRow);
        bottom->addWidget(Vireo::Gallery::framed(tr("SupplememtColorWidget"), colorBox, this), 1);
        layout->addLayout(bottom);
        layout->addStretch(1);
    }
};

Vireo::Gallery::PageRegistrar hdrReg("picture-hdr", "HDR", 70,
    [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* { return new HdrPage(device, parent); });

Vireo::Gallery::PageRegistrar patternsReg(
    "picture-patterns", "Test patterns", 71, [](Vireo::Gallery::SimulatedDevice& device, QWidget* parent) -> QWidget* {
        return new PatternsPage(device, parent);
    });

} // namespace
