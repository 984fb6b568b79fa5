#include "testpictureframes.h"

#include <vireomodel/utils.h>
#include <zkwidgets/flowlayout.h>
#include <zkwidgets/slidereditframe.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QFontMetrics>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QTouchEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace Vireo::Widgets {

namespace {

constexpr int kGridLineWidthLimit = 64;
// A touch that moves less than this vertically is a tap, not a scroll.
constexpr int kTapTolerance = 14;
constexpr quint32 kLocationKey = 0x300;
constexpr quint32 kCustomImageKey = 0xFFFE;

TestPattern::s_TestPatternMeta row(
    quint32 key, bool grid, bool speed, bool brightness, int gridType, bool lineWidth, const char* name)
{
    TestPattern::s_TestPatternMeta meta;
    meta.Key = key;
    meta.HasGrid = grid;
    meta.HasSpeed = speed;
    meta.HasBrightness = brightness;
    meta.HasGridType = gridType;
    meta.HasGridLineWidth = lineWidth;
    meta.testPatternName = QString::fromLatin1(name);
    return meta;
}

void repolish(QWidget* widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace

// The names are translated in the TestPattern context.
const QVector<TestPattern::s_TestPatternMeta> TestPattern::testPatternVec = {
    row(0x1, false, false, true, 0, false, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Red")),
    row(0x2, false, false, true, 0, false, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Green")),
    row(0x3, false, false, true, 0, false, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Blue")),
    row(0x4, false, false, true, 0, false, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "White")),
    row(0x5, true, false, true, 0, false, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Vertical Bar")),
    row(0x6, true, false, true, 0, false, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Horizontal Bar")),
    row(0x7, true, false, true, 0, false, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Checkerboard")),
    row(0x100, true, false, true, 0, false,
        QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Horizontal Red Gradient")),
    row(0x101, true, false, true, 0, false,
        QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Horizontal Green Gradient")),
    row(0x102, true, false, true, 0, false,
        QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Horizontal Blue Gradient")),
    row(0x103, true, false, true, 0, false,
        QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Horizontal White Gradient")),
    row(0x104, true, false, true, 0, false, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Vertical Red Gradient")),
    row(0x105, true, false, true, 0, false,
        QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Vertical Green Gradient")),
    row(0x106, true, false, true, 0, false, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Vertical Blue Gradient")),
    row(0x107, true, false, true, 0, false,
        QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Vertical White Gradient")),
    row(0x200, false, true, true, 1, true, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "White Horizontal Line")),
    row(0x201, false, true, true, 1, true, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "White Vertical Line")),
    row(0x202, false, true, true, 1, true, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "White Left Oblique Line")),
    row(0x203, false, true, true, 1, true,
        QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "White Right Oblique Line")),
    row(0x204, false, true, true, 1, true, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Cross Line")),
    row(0x205, false, true, true, 1, true, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Diagonal Crossing")),
    row(kLocationKey, true, false, true, 0, false, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Location")),
    row(kCustomImageKey, false, false, false, 0, false,
        QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Custom Image")),
    row(0x0, false, false, true, 0, false, QT_TRANSLATE_NOOP("Vireo::Widgets::TestPattern", "Black")),
};

QString TestPattern::testPatternDisplayName(const quint32& key)
{
    for (const s_TestPatternMeta& meta : testPatternVec) {
        if (meta.Key == key)
            return tr(meta.testPatternName.toLatin1().constData());
    }
    return QString();
}

TestMeta* TestMeta::of(const QObject* button)
{
    if (!button)
        return nullptr;
    // Hosts read the pattern from the button's user data slot 0, so the old API stays.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return static_cast<TestMeta*>(button->userData(0));
    QT_WARNING_POP
}

namespace Internal {

struct TestPictureFramesUi
{
    QFrame* topFrame = nullptr;
    SliderEditFrame* gridLevel = nullptr;
    SliderEditFrame* gridSpacing = nullptr;
    SliderEditFrame* gridLineWidth = nullptr;
    SliderEditFrame* speed = nullptr;
    SliderEditFrame* brightness = nullptr;

    QList<SliderEditFrame*> sliders() const { return {gridLevel, gridSpacing, gridLineWidth, speed, brightness}; }
};

} // namespace Internal

TestPictureFrames::TestPictureFrames(QWidget* parent)
    : QFrame(parent)
    , ui(new Internal::TestPictureFramesUi)
{
    setObjectName(QStringLiteral("TestPictureFrames"));
    m_strListPic = QStringList {QStringLiteral("normal_Test_Read"), QStringLiteral("normal_Test_Green"),
        QStringLiteral("normal_Test_Blue"), QStringLiteral("normal_Test_White"),
        QStringLiteral("normal_Test_VerticalBars"), QStringLiteral("normal_Test_HerizontalBars"),
        QStringLiteral("normal_Test_Checkerboard"), QStringLiteral("normal_Test_HerizontalRedGradient"),
        QStringLiteral("normal_Test_HerizontalGreenGradient"), QStringLiteral("normal_Test_HorizontalBlueGradient"),
        QStringLiteral("normal_Test_HorizontalWhiteGradient"), QStringLiteral("normal_Test_VerticalRedGradient"),
        QStringLiteral("normal_Test_VerticalGreenGradient"), QStringLiteral("normal_Test_VerticalBlueGradient"),
        QStringLiteral("normal_Test_VerticalWhiteGradient"), QStringLiteral("normal_Test_HorizontalWhiteLines"),
        QStringLiteral("normal_Test_VerticalWhiteLines"), QStringLiteral("normal_Test_BackwardWhiteSlashes"),
        QStringLiteral("normal_Test_FowardWhiteSlashes"), QStringLiteral("normal_Test_Grid"),
        QStringLiteral("normal_Test_CrossHatch"), QStringLiteral("normal_Test_Black"),
        QStringLiteral("normal_Test_Orientation")};
    for (const QString& name : qAsConst(m_strListPic))
        m_bigPictureList.append(name + QStringLiteral("_big"));

    createWidgets();
    createConnections();
    addDefaultModels();
    retranslateUi();
}

TestPictureFrames::~TestPictureFrames()
{
    delete ui;
}

void TestPictureFrames::createWidgets()
{
    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->setContentsMargins(0, 0, 0, 0);

    ui->topFrame = new QFrame(this);
    ui->topFrame->setObjectName(QStringLiteral("TestPictureTopFrame"));
    ui->topFrame->setAttribute(Qt::WA_AcceptTouchEvents);
    ui->topFrame->setFixedHeight(100);
    auto* topLayout = new QVBoxLayout(ui->topFrame);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->setSpacing(0);

    pScrollArea = new QScrollArea(ui->topFrame);
    pScrollArea->setObjectName(QStringLiteral("TestPictureScrollArea"));
    pScrollArea->setAttribute(Qt::WA_AcceptTouchEvents);
    pScrollArea->viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
    pScrollArea->viewport()->installEventFilter(this);
    pScrollArea->setWidgetResizable(true);
    pScrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pScrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pScrollArea->setFrameShape(QFrame::NoFrame);

    m_pFrameTestPic = new QFrame(pScrollArea);
    m_pFrameTestPic->setObjectName(QStringLiteral("TestPictureButtonFrame"));
    m_pFlowLayout = new ZK::Utils::FlowLayout(m_pFrameTestPic, 0, 15, 15);
    pScrollArea->setWidget(m_pFrameTestPic);
    topLayout->addWidget(pScrollArea);
    mainLayout->addWidget(ui->topFrame);

    auto makeSlider = [this, mainLayout](const char* name, int minimum, int maximum, int value, int pageStep) {
        auto* slider = new SliderEditFrame(this);
        slider->setObjectName(QLatin1String(name));
        slider->setHorizontalSpacing(16, 8);
        slider->setButtonFixedWidth(39);
        slider->setSpinBoxFixedWidth(50);
        slider->setMinimumWidth(480);
        slider->setMaximumWidth(1180);
        slider->setTimeSamplingRate(100);
        slider->setRange(minimum, maximum);
        slider->setValue(value);
        slider->setPageStep(pageStep);
        slider->hide(); // shown when a pattern that uses it is chosen
        mainLayout->addWidget(slider, 0, Qt::AlignLeft);
        return slider;
    };
    ui->gridLevel = makeSlider("TestPictureGridLevel", 1, 8, 4, 1);
    // Until the output's width is known, a 1920-pixel output is assumed.
    ui->gridSpacing = makeSlider("TestPictureGridSpacing", 1, 1920 / 4, 32, 10);
    ui->gridLineWidth = makeSlider("TestPictureGridLineWidth", 1, kGridLineWidthLimit, 1, 10);
    ui->speed = makeSlider("TestPictureSpeed", 0, 4, 3, 1);
    ui->brightness = makeSlider("TestPictureBrightness", 1, 4, 3, 1);
    mainLayout->addStretch(1);

    m_pButtonGroup = new QButtonGroup(this);
    m_pButtonGroup->setExclusive(true);
}

void TestPictureFrames::createConnections()
{
    connect(m_pButtonGroup, &QButtonGroup::idClicked, this, qOverload<int>(&TestPictureFrames::slot_TestButton));
    for (SliderEditFrame* slider : {ui->gridLevel, ui->speed, ui->brightness})
        connect(slider, &SliderEditFrame::valueChanged, this, &TestPictureFrames::slot_CurValueChanged);
}

void TestPictureFrames::addDefaultModels()
{
    int shown = 0;
    for (const TestPattern::s_TestPatternMeta& meta : TestPattern::testPatternVec) {
        if (meta.Key == kLocationKey || meta.Key == kCustomImageKey)
            continue;
        if (shown >= m_strListPic.size() || shown >= m_bigPictureList.size())
            break; // no thumbnail for it
        addTestModel(meta, Vireo::Utils::Icon::fromTheme(m_strListPic.at(shown), QString()),
            Vireo::Utils::Icon::fromTheme(m_bigPictureList.at(shown), QString()));
        ++shown;
    }
}

void TestPictureFrames::addTestModel(
    const TestPattern::s_TestPatternMeta& meta, const QIcon& icon, const QIcon& userDataIcon)
{
    auto* button = new QToolButton(m_pFrameTestPic);
    button->setAttribute(Qt::WA_AcceptTouchEvents);
    button->setCheckable(true);
    button->setIcon(icon);
    button->setIconSize(QSize(72, 60));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setProperty("showPicture", userDataIcon);
    button->setProperty("TestPicturePushButton", true);
    const QString name = TestPattern::tr(meta.testPatternName.toLatin1().constData());
    button->setText(name);
    button->setToolTip(name);

    auto* testMeta = new TestMeta;
    testMeta->m_TestMeta = meta;
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    button->setUserData(0, testMeta); // owned by the button
    QT_WARNING_POP

    m_pButtonGroup->addButton(button, int(meta.Key));
    m_pFlowLayout->addWidget(button);
}

void TestPictureFrames::addTestModel(const TestPattern::s_TestPatternMeta& meta)
{
    addTestModel(meta, QIcon(), QIcon());
}

void TestPictureFrames::clearModel()
{
    const QList<QAbstractButton*> buttons = m_pButtonGroup->buttons();
    for (QAbstractButton* button : buttons) {
        m_pButtonGroup->removeButton(button);
        m_pFlowLayout->removeWidget(button);
        button->hide();
        button->deleteLater();
    }
    m_pCurAbstract = nullptr;
    m_nCurrentIndex = -1;
}

void TestPictureFrames::setSelectTest(int key)
{
    for (QAbstractButton* button : m_pButtonGroup->buttons()) {
        if (button->property("TestPicturePushButtonOn").toBool()) {
            button->setProperty("TestPicturePushButtonOn", false);
            button->setProperty("TestPicturePushButton", true);
            repolish(button);
        }
    }
    if (QAbstractButton* button = m_pButtonGroup->button(key)) {
        button->setProperty("TestPicturePushButton", false);
        button->setProperty("TestPicturePushButtonOn", true);
        repolish(button);
    }
}

void TestPictureFrames::applyPattern(QAbstractButton* button)
{
    TestMeta* meta = TestMeta::of(button);
    if (!meta)
        return;
    const TestPattern::s_TestPatternMeta& row = meta->m_TestMeta;
    ui->gridLevel->setVisible(row.HasGrid);
    ui->gridSpacing->setVisible(row.HasGridType == 1);
    ui->gridLineWidth->setVisible(row.HasGridLineWidth);
    ui->speed->setVisible(row.HasSpeed);
    ui->brightness->setVisible(row.HasBrightness);

    // The line width is reported to the device and not watched here, so clamping it is silent.
    const QSignalBlocker blocker(ui->gridLineWidth);
    if (row.HasGridType == 1) {
        meta->m_nGridSpacing = ui->gridSpacing->value();
        ui->gridLineWidth->setRange(1, std::min(meta->m_nGridSpacing, kGridLineWidthLimit));
    } else {
        ui->gridLineWidth->setRange(1, kGridLineWidthLimit);
    }
    if (row.HasGridLineWidth)
        meta->m_nGridLinewidth = ui->gridLineWidth->value();
    if (row.HasSpeed)
        meta->m_nSpeed = ui->speed->value();
    if (row.HasBrightness)
        meta->m_nBrightness = ui->brightness->value();
    if (row.HasGrid)
        meta->m_nGrid = ui->gridLevel->value();
    alignLabels();
}

void TestPictureFrames::slot_TestButton(QAbstractButton* button)
{
    if (!button)
        return;
    applyPattern(button);
    emit signalTestButtonClicked(button);
}

void TestPictureFrames::slot_TestButton(int id)
{
    QAbstractButton* button = m_pButtonGroup->button(id);
    if (!button)
        return;
    setSelectTest(id);
    m_pCurAbstract = button;
    m_nCurrentIndex = id;
    slot_TestButton(button);
}

void TestPictureFrames::slot_CurValueChanged(int value)
{
    qDebug() << "SliderEditFrame::valueChanged: " << value;
    if (m_pCurAbstract) {
        if (QAbstractButton* button = m_pButtonGroup->button(m_nCurrentIndex))
            slot_TestButton(button);
    }
}

void TestPictureFrames::setCurSelTestMode(int nKey)
{
    QAbstractButton* button = m_pButtonGroup->button(nKey);
    if (!button) {
        qWarning() << "TestPictureFrames: no test pattern with key" << nKey;
        return;
    }
    setSelectTest(nKey);
    {
        const QSignalBlocker blocker(m_pButtonGroup);
        button->setChecked(true);
    }
    m_pCurAbstract = button;
    m_nCurrentIndex = nKey;
    applyPattern(button);
}

void TestPictureFrames::setOutputHoriTiming(int horizontal)
{
    // A width under 4 pixels would give an empty range; one pixel of spacing is the least.
    const int maximum = std::max(1, horizontal / 4);
    const QSignalBlocker spacingBlocker(ui->gridSpacing);
    const QSignalBlocker lineBlocker(ui->gridLineWidth);
    ui->gridSpacing->setRange(1, maximum);
    if (ui->gridSpacing->value() > maximum)
        ui->gridSpacing->setValue(maximum);
    ui->gridLineWidth->setRange(1, std::min(maximum, kGridLineWidthLimit));
    if (ui->gridLineWidth->value() > maximum)
        ui->gridLineWidth->setValue(maximum);
}

// Values set by the host show the device's state: they are kept on the current pattern's button
// but not reported back as the operator's change.
void TestPictureFrames::setCurSpeedValue(int value)
{
    const QSignalBlocker blocker(ui->speed);
    ui->speed->setValue(value);
    if (TestMeta* meta = TestMeta::of(m_pCurAbstract); meta && meta->m_TestMeta.HasSpeed)
        meta->m_nSpeed = ui->speed->value();
}

void TestPictureFrames::setCurBrightnessValue(int value)
{
    const QSignalBlocker blocker(ui->brightness);
    ui->brightness->setValue(value);
    if (TestMeta* meta = TestMeta::of(m_pCurAbstract); meta && meta->m_TestMeta.HasBrightness)
        meta->m_nBrightness = ui->brightness->value();
}

void TestPictureFrames::setGridLineWidthValue(int value)
{
    const QSignalBlocker blocker(ui->gridLineWidth);
    ui->gridLineWidth->setValue(value);
    if (TestMeta* meta = TestMeta::of(m_pCurAbstract); meta && meta->m_TestMeta.HasGridLineWidth)
        meta->m_nGridLinewidth = ui->gridLineWidth->value();
}

void TestPictureFrames::setGridValue(int nGridValue, Vireo::BizModel::TestPatternGridType type)
{
    TestMeta* meta = TestMeta::of(m_pCurAbstract);
    if (type == Vireo::BizModel::Enum::GridLevel) {
        const QSignalBlocker blocker(ui->gridLevel);
        ui->gridLevel->setValue(nGridValue + 1);
        if (meta && meta->m_TestMeta.HasGrid)
            meta->m_nGrid = ui->gridLevel->value();
    } else {
        const QSignalBlocker blocker(ui->gridSpacing);
        ui->gridSpacing->setValue(nGridValue);
        if (meta && meta->m_TestMeta.HasGridType == 1)
            meta->m_nGridSpacing = ui->gridSpacing->value();
    }
}

QAbstractButton* TestPictureFrames::getCurrentAbstract() const
{
    return m_pCurAbstract;
}

void TestPictureFrames::retranslateUi()
{
    ui->gridLevel->setLabelText(tr("GridLevel"));
    ui->gridSpacing->setLabelText(tr("GridSpacing"));
    ui->gridLineWidth->setLabelText(tr("GridLineWidth"));
    ui->speed->setLabelText(tr("Speed"));
    ui->brightness->setLabelText(tr("Brightness"));
    for (QAbstractButton* button : m_pButtonGroup->buttons()) {
        if (const TestMeta* meta = TestMeta::of(button)) {
            const QString name = TestPattern::testPatternDisplayName(meta->m_TestMeta.Key);
            button->setText(name);
            button->setToolTip(name);
        }
    }
    alignLabels();
}

void TestPictureFrames::alignLabels()
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (SliderEditFrame* slider : ui->sliders())
        widest = std::max(widest, metrics.horizontalAdvance(slider->labelText()));
    for (SliderEditFrame* slider : ui->sliders())
        slider->setLabelFixedWidth(widest + 12);
}

void TestPictureFrames::autoSettingHeight()
{
    QWidget* last = nullptr;
    for (int i = m_pFlowLayout->count() - 1; i >= 0 && !last; --i) {
        QWidget* widget = m_pFlowLayout->itemAt(i)->widget();
        if (widget && !widget->isHidden())
            last = widget;
    }
    if (!last) {
        last = m_pFlowLayout->count() > 0 ? m_pFlowLayout->itemAt(m_pFlowLayout->count() - 1)->widget() : nullptr;
    }
    // Lay the strip out at its current width first, so the last button stands where it will be shown.
    m_pFrameTestPic->resize(
        pScrollArea->viewport()->width(), m_pFlowLayout->heightForWidth(pScrollArea->viewport()->width()));
    m_pFlowLayout->setGeometry(m_pFrameTestPic->rect());
    const int bottom = last ? last->geometry().bottom() : 0;
    ui->topFrame->setFixedHeight(bottom + m_pFlowLayout->verticalSpacing() + 5);
}

void TestPictureFrames::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}

bool TestPictureFrames::eventFilter(QObject* watched, QEvent* event)
{
    if (pScrollArea && watched == pScrollArea->viewport()) {
        switch (event->type()) {
        case QEvent::TouchBegin: {
            const auto* touch = static_cast<QTouchEvent*>(event);
            if (touch->touchPoints().size() == 1) {
                m_beginPoint = touch->touchPoints().first().pos().toPoint();
                m_pscrollPoint =
                    QPoint(pScrollArea->horizontalScrollBar()->value(), pScrollArea->verticalScrollBar()->value());
            }
            event->accept();
            return true;
        }
        case QEvent::TouchUpdate: {
            const auto* touch = static_cast<QTouchEvent*>(event);
            if (!touch->touchPoints().isEmpty()) {
                const QPoint now = touch->touchPoints().first().pos().toPoint();
                pScrollArea->horizontalScrollBar()->setValue(m_pscrollPoint.x() + (m_beginPoint.x() - now.x()));
                pScrollArea->verticalScrollBar()->setValue(m_pscrollPoint.y() + (m_beginPoint.y() - now.y()));
            }
            event->accept();
            return true;
        }
        case QEvent::TouchEnd: {
            const auto* touch = static_cast<QTouchEvent*>(event);
            if (!touch->touchPoints().isEmpty()) {
                const QPoint now = touch->touchPoints().first().pos().toPoint();
                if (std::abs(now.y() - m_beginPoint.y()) < kTapTolerance) {
                    const QPoint inFrame = m_pFrameTestPic->mapFrom(pScrollArea->viewport(), now);
                    QWidget* hit = m_pFrameTestPic->childAt(inFrame);
                    while (hit && hit != m_pFrameTestPic && !qobject_cast<QAbstractButton*>(hit))
                        hit = hit->parentWidget();
                    if (auto* button = qobject_cast<QAbstractButton*>(hit))
                        button->click();
                }
            }
            event->accept();
            return true;
        }
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace Vireo::Widgets
