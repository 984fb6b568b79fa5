#include "vireowidgetsplugin.h"

#include <vireowidgets/controls/fixedbitlineeditex.h>
#include <vireowidgets/controls/groupwidget.h>
#include <vireowidgets/controls/sliderwithspinwidget.h>
#include <vireowidgets/controls/textbesideicon.h>
#include <vireowidgets/controls/touchcheckbox.h>
#include <vireowidgets/controls/waitingdialog.h>
#include <vireowidgets/foundation/qwraplabel.h>
#include <vireowidgets/foundation/videopreviewwidget.h>
#include <vireowidgets/resources/inputdetailvlistwidget.h>
#include <vireowidgets/resources/layerbasesamplevlistwidget.h>
#include <vireowidgets/resources/outputdetailvlistwidget.h>
#include <vireowidgets/resources/screendetailvlistwidget.h>
#include <vireowidgets/resources/screengeneralhlistwidget.h>
#include <vireowidgets/resources/screenheaderlistwidget.h>
#include <vireowidgets/resources/screensamplevlistwidget.h>

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace Vireo::Designer {

namespace {

const QColor FoundationColour(0x6b, 0x72, 0x80);
const QColor ControlsColour(0xe6, 0x70, 0x07);
const QColor ResourcesColour(0x2f, 0x6f, 0xd6);

// "Vireo::Widgets::GroupWidget" -> "groupWidget", the object name a new widget gets in a form.
QString objectNameFor(const QString& className)
{
    QString name = className.mid(className.lastIndexOf(QLatin1Char(':')) + 1);
    if (!name.isEmpty())
        name[0] = name.at(0).toLower();
    return name;
}

template <class Widget>
std::function<QWidget*(QWidget*)> make()
{
    return [](QWidget* parent) -> QWidget* { return new Widget(parent); };
}

QList<WidgetDescription> descriptions()
{
    using namespace Vireo::Widgets;
    const QString ns = QStringLiteral("Vireo::Widgets::");
    const QString inc = QStringLiteral("vireowidgets/");
    return {
        {ns + "QWrapLabel", inc + "foundation/qwraplabel.h", QStringLiteral("One-line label that elides its text"),
            QStringLiteral("A label that shortens its text with \"...\" to fit its width and keeps the full text."),
            QStringLiteral("Ab"), FoundationColour, QSize(120, 24), make<QWrapLabel>()},
        {ns + "VideoPreviewWidget", inc + "foundation/videopreviewwidget.h", QStringLiteral("Still video picture"),
            QStringLiteral("Paints a video picture scaled to its size, with an optional \"forbidden\" badge."),
            QStringLiteral("Vi"), FoundationColour, QSize(160, 90), make<VideoPreviewWidget>()},
        {ns + "GroupWidget", inc + "controls/groupwidget.h", QStringLiteral("Header row of a settings group"),
            QStringLiteral("A title, an optional tip and an optional icon button heading a group of settings."),
            QStringLiteral("Gr"), ControlsColour, QSize(240, 32), make<GroupWidget>()},
        {ns + "SliderWithSpinWidget", inc + "controls/sliderwithspinwidget.h",
            QStringLiteral("Slider with an integer spin box"),
            QStringLiteral("A label, a slider and an integer spin box holding the same value."), QStringLiteral("S1"),
            ControlsColour, QSize(300, 36), make<SliderWithSpinWidget>()},
        {ns + "SliderWithDoubleSpinWidget", inc + "controls/sliderwithspinwidget.h",
            QStringLiteral("Slider with a two-decimal spin box"),
            QStringLiteral("A label, a slider counting hundredths and a two-decimal spin box."), QStringLiteral("S.2"),
            ControlsColour, QSize(300, 36), make<SliderWithDoubleSpinWidget>()},
        {ns + "ZKSliderLineEditWidget", inc + "controls/sliderwithspinwidget.h",
            QStringLiteral("Slider with an entry box and minus/plus buttons"),
            QStringLiteral("A title, a slider, an entry box and minus/plus buttons with a scaled value."),
            QStringLiteral("S±"), ControlsColour, QSize(340, 36), make<ZKSliderLineEditWidget>()},
        {ns + "TextBesideIcon", inc + "controls/textbesideicon.h",
            QStringLiteral("Button with an icon beside its text"),
            QStringLiteral("A tool button whose icon and text can be styled apart; a click on either clicks it."),
            QStringLiteral("Ic"), ControlsColour, QSize(120, 32), make<TextBesideIcon>()},
        {ns + "TouchCheckBox", inc + "controls/touchcheckbox.h", QStringLiteral("Check box for touch panels"),
            QStringLiteral("A check box whose whole area is the hit area, at least a finger high."),
            QStringLiteral("✓"), ControlsColour, QSize(120, 32), make<TouchCheckBox>()},
        {ns + "FixedBitLineEditEx", inc + "controls/fixedbitlineeditex.h", QStringLiteral("Byte-limited name edit"),
            QStringLiteral("A line edit for names the device stores in a fixed number of bytes."), QStringLiteral("Nm"),
            ControlsColour, QSize(160, 28), make<FixedBitLineEditEx>()},
        {ns + "ProgressBarCtr", inc + "controls/waitingdialog.h", QStringLiteral("Progress bar of a multi-step job"),
            QStringLiteral("A bar and a percentage label for jobs made of several steps."), QStringLiteral("%"),
            ControlsColour, QSize(240, 28), make<ProgressBarCtr>()},
        {ns + "ScreenDetailVListWidget", inc + "resources/screendetailvlistwidget.h",
            QStringLiteral("Vertical screen list with details"),
            QStringLiteral("The device's screens as detail buttons with previews, to press and drag onto a canvas."),
            QStringLiteral("Sc"), ResourcesColour, QSize(200, 320), make<ScreenDetailVListWidget>()},
        {ns + "ScreenGeneralHListWidget", inc + "resources/screengeneralhlistwidget.h",
            QStringLiteral("Horizontal screen list"),
            QStringLiteral("The device's screens as a horizontal strip of buttons, to press and drag."),
            QStringLiteral("Sc"), ResourcesColour, QSize(360, 90), make<ScreenGeneralHListWidget>()},
        {ns + "ScreenSampleVListWidget", inc + "resources/screensamplevlistwidget.h",
            QStringLiteral("Compact vertical screen list"),
            QStringLiteral("The device's screens as small buttons in a vertical strip."), QStringLiteral("Sc"),
            ResourcesColour, QSize(160, 240), make<ScreenSampleVListWidget>()},
        {ns + "ScreenHeaderListWidget", inc + "resources/screenheaderlistwidget.h",
            QStringLiteral("Screen tabs of a page header"),
            QStringLiteral("The screens as header tabs: select, view and reorder screens."), QStringLiteral("Tb"),
            ResourcesColour, QSize(480, 40), make<ScreenHeaderListWidget>()},
        {ns + "LayerBaseSampleVListWidget", inc + "resources/layerbasesamplevlistwidget.h",
            QStringLiteral("Vertical layer list"),
            QStringLiteral("The layers of a screen's scene as buttons; pressing one selects the layer."),
            QStringLiteral("Ly"), ResourcesColour, QSize(160, 240), make<LayerBaseSampleVListWidget>()},
        {ns + "InputDetailVListWidget", inc + "resources/inputdetailvlistwidget.h",
            QStringLiteral("Vertical input list with details"),
            QStringLiteral("The device's inputs with live previews, active inputs first, to drag onto a canvas."),
            QStringLiteral("In"), ResourcesColour, QSize(260, 320), make<InputDetailVListWidget>()},
        {ns + "OutputDetailVListWidget", inc + "resources/outputdetailvlistwidget.h",
            QStringLiteral("Vertical output list with details"),
            QStringLiteral("The device's outputs as detail buttons, to drag onto a screen."), QStringLiteral("Out"),
            ResourcesColour, QSize(180, 320), make<OutputDetailVListWidget>()},
    };
}

} // namespace

WidgetEntry::WidgetEntry(WidgetDescription description, QObject* parent)
    : QObject(parent)
    , m_description(std::move(description))
{ }

QString WidgetEntry::group() const
{
    return QStringLiteral("Vireo Widgets");
}

QIcon WidgetEntry::icon() const
{
    if (m_icon.isNull()) {
        // Drawn rather than shipped: a tile in the subsystem's colour with the widget's letters.
        QPixmap pixmap(44, 44);
        pixmap.setDevicePixelRatio(2);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(m_description.colour.darker(140));
        painter.setBrush(m_description.colour);
        painter.drawRoundedRect(QRectF(0.5, 0.5, 21, 21), 4, 4);
        QFont font = painter.font();
        font.setPixelSize(m_description.glyph.size() > 2 ? 7 : 9);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(0, 0, 22, 22), Qt::AlignCenter, m_description.glyph);
        painter.end();
        m_icon = QIcon(pixmap);
    }
    return m_icon;
}

QWidget* WidgetEntry::createWidget(QWidget* parent)
{
    return m_description.create(parent);
}

void WidgetEntry::initialize(QDesignerFormEditorInterface* core)
{
    Q_UNUSED(core);
    m_initialized = true;
}

QString WidgetEntry::domXml() const
{
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          " <customwidgets>\n"
                          "  <customwidget>\n"
                          "   <class>%1</class>\n"
                          "   <header location=\"global\">%5</header>\n"
                          "  </customwidget>\n"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(m_description.className, objectNameFor(m_description.className))
        .arg(m_description.defaultSize.width())
        .arg(m_description.defaultSize.height())
        .arg(m_description.header);
}

VireoWidgetsPlugin::VireoWidgetsPlugin(QObject* parent)
    : QObject(parent)
{
    for (auto& description : descriptions())
        m_widgets.append(new WidgetEntry(std::move(description), this));
}

} // namespace Vireo::Designer
