#include <zkwidgets/slidereditframe.h>

#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace Vireo::Widgets {

namespace {

// Row index of a single flag of a mask whose flags are consecutive powers of two from firstFlag.
template <typename Fn>
void forEachFlag(int mask, int firstFlag, int count, Fn fn)
{
    for (int i = 0; i < count; ++i) {
        if (mask & (firstFlag << i))
            fn(i);
    }
}

// Gives the labels of stacked rows one width, so that their sliders line up, unless the caller fixed it.
template <std::size_t N>
void alignLabels(SliderEditFrame* const (&rows)[N])
{
    int width = 0;
    QList<QLabel*> labels;
    for (SliderEditFrame* row : rows) {
        if (auto* label = row->findChild<QLabel*>(QStringLiteral("SliderEditFrameLabel"))) {
            if (label->maximumWidth() < QWIDGETSIZE_MAX)
                return; // fixed by the caller
            labels << label;
            width = std::max(width, label->sizeHint().width());
        }
    }
    for (QLabel* label : labels)
        label->setMinimumWidth(width);
}

int indexOf(int flag, int firstFlag, int count)
{
    for (int i = 0; i < count; ++i) {
        if (flag == (firstFlag << i))
            return i;
    }
    return -1;
}

} // namespace

// ---------------------------------------------------------------------------------------------------------

RGBAllEditFrame::RGBAllEditFrame(QWidget* parent)
    : QFrame(parent)
{
    init(RGBAll);
}

RGBAllEditFrame::RGBAllEditFrame(int types, QWidget* parent)
    : QFrame(parent)
{
    init(types);
}

RGBAllEditFrame::~RGBAllEditFrame() = default;

void RGBAllEditFrame::init(int types)
{
    setObjectName(QStringLiteral("RGBAllEditFrame"));
    m_pLayout = new QVBoxLayout(this);
    m_pLayout->setContentsMargins(0, 0, 0, 0);
    m_pLayout->setSpacing(4);
    static const char* const names[4] = {
        "RGBAllEditFrameRed", "RGBAllEditFrameGreen", "RGBAllEditFrameBlue", "RGBAllEditFrameAll"};
    for (int i = 0; i < 4; ++i) {
        auto* row = new SliderEditFrame(this);
        row->setObjectName(QLatin1String(names[i]));
        row->setRange(0, 255);
        m_pLayout->addWidget(row);
        m_pRows[i] = row;
        connect(row, &SliderEditFrame::valueChanged, this, [this] { reportIfChanged(); });
    }
    setType(types);
    retranslateUi();
}

void RGBAllEditFrame::setType(int types)
{
    m_nTypes = types & RGBAll;
    for (int i = 0; i < 4; ++i)
        m_pRows[i]->setVisible(m_nTypes & (Red << i));
}

int RGBAllEditFrame::type() const
{
    return m_nTypes;
}

void RGBAllEditFrame::setRange(int types, int minimum, int maximum)
{
    ++m_nBatchDepth;
    forEachFlag(types, Red, 4, [&](int i) { m_pRows[i]->setRange(minimum, maximum); });
    --m_nBatchDepth;
    reportIfChanged();
}

void RGBAllEditFrame::setValue(int types, int value)
{
    ++m_nBatchDepth;
    forEachFlag(types, Red, 4, [&](int i) { m_pRows[i]->setValue(value); });
    --m_nBatchDepth;
    reportIfChanged();
}

void RGBAllEditFrame::setSingleStep(int types, int step)
{
    forEachFlag(types, Red, 4, [&](int i) { m_pRows[i]->setSingleStep(step); });
}

void RGBAllEditFrame::setPageStep(int types, int step)
{
    forEachFlag(types, Red, 4, [&](int i) { m_pRows[i]->setPageStep(step); });
}

void RGBAllEditFrame::setLabelText(int types, const QString& text)
{
    m_nCustomLabels |= types & RGBAll;
    forEachFlag(types, Red, 4, [&](int i) { m_pRows[i]->setLabelText(text); });
    alignLabels(m_pRows);
}

int RGBAllEditFrame::value(Type type) const
{
    const int i = indexOf(type, Red, 4);
    return i < 0 ? 0 : m_pRows[i]->value();
}

int RGBAllEditFrame::minimum(Type type) const
{
    const int i = indexOf(type, Red, 4);
    return i < 0 ? 0 : m_pRows[i]->minimum();
}

int RGBAllEditFrame::maximum(Type type) const
{
    const int i = indexOf(type, Red, 4);
    return i < 0 ? 0 : m_pRows[i]->maximum();
}

QString RGBAllEditFrame::labelText(Type type) const
{
    const int i = indexOf(type, Red, 4);
    return i < 0 ? QString() : m_pRows[i]->labelText();
}

void RGBAllEditFrame::setValues(int red, int green, int blue, int all)
{
    ++m_nBatchDepth;
    const int values[4] = {red, green, blue, all};
    for (int i = 0; i < 4; ++i)
        m_pRows[i]->setValue(values[i]);
    --m_nBatchDepth;
    reportIfChanged();
}

void RGBAllEditFrame::setLabelFixedWidth(int width)
{
    for (SliderEditFrame* row : m_pRows)
        row->setLabelFixedWidth(width);
}

void RGBAllEditFrame::setSpinBoxFixedWidth(int width)
{
    for (SliderEditFrame* row : m_pRows)
        row->setSpinBoxFixedWidth(width);
}

void RGBAllEditFrame::setButtonFixedWidth(int width)
{
    for (SliderEditFrame* row : m_pRows)
        row->setButtonFixedWidth(width);
}

void RGBAllEditFrame::setHorizontalSpacing(int labelSpacing, int controlSpacing)
{
    for (SliderEditFrame* row : m_pRows)
        row->setHorizontalSpacing(labelSpacing, controlSpacing);
}

void RGBAllEditFrame::setVerticalSpacing(int spacing)
{
    m_pLayout->setSpacing(std::max(0, spacing));
}

void RGBAllEditFrame::setReleaseMode(bool releaseMode)
{
    for (SliderEditFrame* row : m_pRows)
        row->setReleaseMode(releaseMode);
}

void RGBAllEditFrame::setTimeSamplingRate(int msec)
{
    for (SliderEditFrame* row : m_pRows)
        row->setTimeSamplingRate(msec);
}

SliderEditFrame* RGBAllEditFrame::frame(Type type) const
{
    const int i = indexOf(type, Red, 4);
    return i < 0 ? nullptr : m_pRows[i];
}

void RGBAllEditFrame::retranslateUi()
{
    const QString texts[4] = {tr("Red"), tr("Green"), tr("Blue"), tr("All")};
    for (int i = 0; i < 4; ++i) {
        if (!(m_nCustomLabels & (Red << i)))
            m_pRows[i]->setLabelText(texts[i]);
    }
    alignLabels(m_pRows);
}

void RGBAllEditFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}

void RGBAllEditFrame::reportIfChanged()
{
    if (m_nBatchDepth > 0)
        return;
    int current[4];
    for (int i = 0; i < 4; ++i)
        current[i] = m_pRows[i]->value();
    if (std::equal(current, current + 4, m_lastReported))
        return;
    std::copy(current, current + 4, m_lastReported);
    emit valueChanged(current[0], current[1], current[2], current[3]);
}

// ---------------------------------------------------------------------------------------------------------

RectEditFrame::RectEditFrame(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("RectEditFrame"));
    m_pLayout = new QVBoxLayout(this);
    m_pLayout->setContentsMargins(0, 0, 0, 0);
    m_pLayout->setSpacing(4);
    static const char* const names[4] = {
        "RectEditFrameX", "RectEditFrameY", "RectEditFrameWidth", "RectEditFrameHeight"};
    for (int i = 0; i < 4; ++i) {
        auto* field = new SliderEditFrame(this);
        field->setObjectName(QLatin1String(names[i]));
        field->setRange(0, 65535);
        m_pLayout->addWidget(field);
        m_pFields[i] = field;
        const auto type = FieldType(X << i);
        connect(field, &SliderEditFrame::valueChanged, this, [this, type](int value) {
            fieldChanged(type, value);
            reportIfChanged();
        });
    }
    retranslateUi();
}

RectEditFrame::~RectEditFrame() = default;

void RectEditFrame::setRange(int types, int minimum, int maximum)
{
    beginBatch();
    forEachFlag(types, X, 4, [&](int i) { m_pFields[i]->setRange(minimum, maximum); });
    endBatch();
}

void RectEditFrame::setMinimum(int types, int minimum)
{
    beginBatch();
    forEachFlag(types, X, 4, [&](int i) { m_pFields[i]->setMinimum(minimum); });
    endBatch();
}

void RectEditFrame::setMaximum(int types, int maximum)
{
    beginBatch();
    forEachFlag(types, X, 4, [&](int i) { m_pFields[i]->setMaximum(maximum); });
    endBatch();
}

void RectEditFrame::setSingleStep(int types, int step)
{
    forEachFlag(types, X, 4, [&](int i) { m_pFields[i]->setSingleStep(step); });
}

void RectEditFrame::setValue(int types, int value)
{
    beginBatch();
    forEachFlag(types, X, 4, [&](int i) { m_pFields[i]->setValue(value); });
    endBatch();
}

void RectEditFrame::setLabelText(int types, const QString& text)
{
    m_nCustomLabels |= types & AllFields;
    forEachFlag(types, X, 4, [&](int i) { m_pFields[i]->setLabelText(text); });
    alignLabels(m_pFields);
}

void RectEditFrame::setLabelFixedWidth(int types, int width)
{
    forEachFlag(types, X, 4, [&](int i) { m_pFields[i]->setLabelFixedWidth(width); });
}

void RectEditFrame::setSpinBoxFixedWidth(int types, int width)
{
    forEachFlag(types, X, 4, [&](int i) { m_pFields[i]->setSpinBoxFixedWidth(width); });
}

void RectEditFrame::setButtonFixedWidth(int types, int width)
{
    forEachFlag(types, X, 4, [&](int i) { m_pFields[i]->setButtonFixedWidth(width); });
}

void RectEditFrame::setSliderVisible(int types, bool visible)
{
    forEachFlag(types, X, 4, [&](int i) { m_pFields[i]->setSliderVisible(visible); });
}

int RectEditFrame::value(FieldType type) const
{
    const int i = indexOf(type, X, 4);
    return i < 0 ? 0 : m_pFields[i]->value();
}

int RectEditFrame::minimum(FieldType type) const
{
    const int i = indexOf(type, X, 4);
    return i < 0 ? 0 : m_pFields[i]->minimum();
}

int RectEditFrame::maximum(FieldType type) const
{
    const int i = indexOf(type, X, 4);
    return i < 0 ? 0 : m_pFields[i]->maximum();
}

int RectEditFrame::singleStep(FieldType type) const
{
    const int i = indexOf(type, X, 4);
    return i < 0 ? 0 : m_pFields[i]->singleStep();
}

QString RectEditFrame::labelText(FieldType type) const
{
    const int i = indexOf(type, X, 4);
    return i < 0 ? QString() : m_pFields[i]->labelText();
}

void RectEditFrame::setValues(int x, int y, int width, int height)
{
    applyValues(QRect(x, y, width, height));
}

void RectEditFrame::setRectValue(const QRect& rect)
{
    applyValues(rect);
}

QRect RectEditFrame::rectValue() const
{
    return QRect(value(X), value(Y), value(Width), value(Height));
}

void RectEditFrame::setHorizontalSpacing(int labelSpacing, int controlSpacing)
{
    for (SliderEditFrame* field : m_pFields)
        field->setHorizontalSpacing(labelSpacing, controlSpacing);
}

void RectEditFrame::setVerticalSpacing(int spacing)
{
    m_pLayout->setSpacing(std::max(0, spacing));
}

void RectEditFrame::setReleaseMode(bool releaseMode)
{
    for (SliderEditFrame* field : m_pFields)
        field->setReleaseMode(releaseMode);
}

void RectEditFrame::setTimeSamplingRate(int msec)
{
    for (SliderEditFrame* field : m_pFields)
        field->setTimeSamplingRate(msec);
}

SliderEditFrame* RectEditFrame::field(FieldType type) const
{
    const int i = indexOf(type, X, 4);
    return i < 0 ? nullptr : m_pFields[i];
}

void RectEditFrame::retranslateUi()
{
    const QString texts[4] = {tr("X"), tr("Y"), tr("Width"), tr("Height")};
    for (int i = 0; i < 4; ++i) {
        if (!(m_nCustomLabels & (X << i)))
            m_pFields[i]->setLabelText(texts[i]);
    }
    alignLabels(m_pFields);
}

void RectEditFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}

void RectEditFrame::fieldChanged(FieldType type, int value)
{
    Q_UNUSED(type)
    Q_UNUSED(value)
}

void RectEditFrame::applyValues(const QRect& rect)
{
    beginBatch();
    m_pFields[0]->setValue(rect.x());
    m_pFields[1]->setValue(rect.y());
    m_pFields[2]->setValue(rect.width());
    m_pFields[3]->setValue(rect.height());
    endBatch();
}

void RectEditFrame::beginBatch()
{
    ++m_nBatchDepth;
}

void RectEditFrame::endBatch()
{
    if (m_nBatchDepth > 0)
        --m_nBatchDepth;
    reportIfChanged();
}

void RectEditFrame::reportIfChanged()
{
    if (m_nBatchDepth > 0)
        return;
    int current[4];
    for (int i = 0; i < 4; ++i)
        current[i] = m_pFields[i]->value();
    if (std::equal(current, current + 4, m_lastReported))
        return;
    std::copy(current, current + 4, m_lastReported);
    emit valueChanged(current[0], current[1], current[2], current[3]);
}

// ---------------------------------------------------------------------------------------------------------

CropEditFrame::CropEditFrame(QWidget* parent)
    : RectEditFrame(parent)
{
    setObjectName(QStringLiteral("CropEditFrame"));
}

CropEditFrame::~CropEditFrame() = default;

void CropEditFrame::setCropRange(const QSize& sourceSize)
{
    if (sourceSize.width() <= 0 || sourceSize.height() <= 0) {
        qWarning() << "CropEditFrame: refused an empty crop range" << sourceSize;
        return;
    }
    m_sourceSize = sourceSize;
    QRect current = rectValue();
    // Nothing chosen yet means the whole picture.
    if (current.width() <= 0 || current.height() <= 0)
        current = QRect(QPoint(0, 0), sourceSize);
    applyValues(current);
}

void CropEditFrame::setCropRange(int width, int height)
{
    setCropRange(QSize(width, height));
}

QSize CropEditFrame::cropRange() const
{
    return m_sourceSize;
}

void CropEditFrame::setMinimumCropSize(const QSize& size)
{
    m_minimumCropSize = QSize(std::max(0, size.width()), std::max(0, size.height()));
    if (m_sourceSize.isValid())
        applyValues(rectValue());
}

QSize CropEditFrame::minimumCropSize() const
{
    return m_minimumCropSize;
}

void CropEditFrame::setCropValue(const QRect& rect)
{
    applyValues(rect);
}

void CropEditFrame::setCropValue(int x, int y, int width, int height)
{
    applyValues(QRect(x, y, width, height));
}

QRect CropEditFrame::cropValue() const
{
    return rectValue();
}

void CropEditFrame::fieldChanged(FieldType type, int value)
{
    if (m_bApplying || !m_sourceSize.isValid())
        return;
    // x + width stays within the source width, y + height within its height.
    switch (type) {
    case X:
        setMaximum(Width, m_sourceSize.width() - value);
        break;
    case Width:
        setMaximum(X, m_sourceSize.width() - value);
        break;
    case Y:
        setMaximum(Height, m_sourceSize.height() - value);
        break;
    case Height:
        setMaximum(Y, m_sourceSize.height() - value);
        break;
    case AllFields:
        break;
    }
}

void CropEditFrame::applyValues(const QRect& rect)
{
    if (!m_sourceSize.isValid() || m_sourceSize.isEmpty()) {
        RectEditFrame::applyValues(rect);
        return;
    }
    const int sourceWidth = m_sourceSize.width();
    const int sourceHeight = m_sourceSize.height();
    const int minWidth = std::min(m_minimumCropSize.width(), sourceWidth);
    const int minHeight = std::min(m_minimumCropSize.height(), sourceHeight);
    const int width = std::clamp(rect.width(), minWidth, sourceWidth);
    const int height = std::clamp(rect.height(), minHeight, sourceHeight);
    const int x = std::clamp(rect.x(), 0, sourceWidth - width);
    const int y = std::clamp(rect.y(), 0, sourceHeight - height);

    beginBatch();
    m_bApplying = true;
    // Ranges first, already fitted to the final rectangle, so that no value is clamped on the way.
    setRange(X, 0, sourceWidth - width);
    setRange(Width, minWidth, sourceWidth - x);
    setRange(Y, 0, sourceHeight - height);
    setRange(Height, minHeight, sourceHeight - y);
    RectEditFrame::applyValues(QRect(x, y, width, height));
    m_bApplying = false;
    endBatch();
}

} // namespace Vireo::Widgets
