#include <vireomodel/enums.h>
#include <vireomodel/helper.h>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>

#include <cmath>

namespace Vireo::BizModel {

namespace {

const char* const kRealText = "realText";

QString rateText(float rate)
{
    if (!(rate > 0.f)) // also catches NaN
        return QStringLiteral("0");
    QString text = QString::number(double(rate), 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString shownText(QWidget* widget)
{
    if (auto label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    return QString();
}

void showElided(QWidget* widget)
{
    const QString full = widget->property(kRealText).toString();
    int width = widget->width() - widget->contentsMargins().left() - widget->contentsMargins().right();
    if (auto button = qobject_cast<QAbstractButton*>(widget); button && !button->icon().isNull())
        width -= button->iconSize().width() + 8;
    const QString elided = widget->fontMetrics().elidedText(full, Qt::ElideRight, qMax(0, width));
    if (auto label = qobject_cast<QLabel*>(widget))
        label->setText(elided);
    else if (auto button = qobject_cast<QAbstractButton*>(widget))
        button->setText(elided);
    else if (auto edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(elided);
    else
        return;
    widget->setToolTip(elided == full ? QString() : full);
}

} // namespace

QString Helper::formatFramerate(const QSize& size, const float& rate, bool interlaced)
{
    return QStringLiteral("%1x%2%3@%4Hz")
        .arg(qMax(0, size.width()))
        .arg(qMax(0, size.height()))
        .arg(interlaced ? QStringLiteral("i") : QString())
        .arg(rateText(rate));
}

QString Helper::interfaceCapacityString(int capacity)
{
    switch (capacity) {
    case Enum::Interface::_SL:
        return QStringLiteral("SL");
    case Enum::Interface::_DL:
        return QStringLiteral("DL");
    case Enum::Interface::_4K:
        return QStringLiteral("4K");
    default:
        return QString();
    }
}

QString Helper::getSlotDescription(int modelId, int slotId, bool withModel)
{
    QString text = QStringLiteral("Slot %1").arg(slotId + 1);
    if (withModel)
        text += QStringLiteral(" (%1)").arg(quint16(modelId), 4, 16, QLatin1Char('0'));
    return text;
}

QString Helper::connectorTypeName(int connectorType)
{
    using namespace Enum::Interface;
    switch (connectorType) {
    case VGA:
        return QStringLiteral("VGA");
    case Single_Link_DVI:
        return QStringLiteral("SL-DVI");
    case Dual_Link_DVI:
        return QStringLiteral("DL-DVI");
    case Single_Link_DP_1_1:
        return QStringLiteral("SL-DP 1.1");
    case Dual_Link_DP_1_1:
        return QStringLiteral("DL-DP 1.1");
    case HDMI_1_3:
        return QStringLiteral("HDMI 1.3");
    case HDMI_1_4:
        return QStringLiteral("HDMI 1.4");
    case HDMI_2_0:
        return QStringLiteral("HDMI 2.0");
    case DP_1_2:
        return QStringLiteral("DP 1.2");
    case HDBaseT:
        return QStringLiteral("HDBaseT");
    case _3G_SDI:
        return QStringLiteral("3G-SDI");
    case _6G_SDI:
        return QStringLiteral("6G-SDI");
    case _12G_SDI:
        return QStringLiteral("12G-SDI");
    default:
        return QString();
    }
}

QString Helper::connectorShortType(int connectorType)
{
    using namespace Enum::Interface;
    switch (connectorType) {
    case VGA:
        return QStringLiteral("VGA");
    case Single_Link_DVI:
    case Dual_Link_DVI:
        return QStringLiteral("DVI");
    case Single_Link_DP_1_1:
    case Dual_Link_DP_1_1:
    case DP_1_2:
        return QStringLiteral("DP");
    case HDMI_1_3:
    case HDMI_1_4:
    case HDMI_2_0:
        return QStringLiteral("HDMI");
    case HDBaseT:
        return QStringLiteral("HDBaseT");
    case _3G_SDI:
    case _6G_SDI:
    case _12G_SDI:
        return QStringLiteral("SDI");
    default:
        return QString();
    }
}

float Helper::protoRate2ModelRate(int protoRate)
{
    return float(protoRate) / 100.f;
}

int Helper::modelRate2ProtoRate(float rate)
{
    if (!std::isfinite(rate))
        return 0;
    const double scaled = std::round(double(rate) * 100.0);
    if (scaled > 2147483647.0)
        return 2147483647;
    if (scaled < -2147483647.0)
        return -2147483647;
    return int(scaled);
}

QString Helper::realText(QWidget* widget)
{
    if (!widget)
        return QString();
    const QVariant full = widget->property(kRealText);
    if (full.isValid() && !full.toString().isEmpty())
        return full.toString();
    return shownText(widget);
}

void Helper::allCaclThumbnailText(QWidget* widget)
{
    if (!widget)
        return;
    if (widget->property(kRealText).isValid())
        showElided(widget);
    const auto children = widget->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->property(kRealText).isValid())
            showElided(child);
    }
}

} // namespace Vireo::BizModel
