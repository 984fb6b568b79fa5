#include "presetfilter.h"

#include <vireomodel/devicelist.h>

#include <QDebug>

#include <climits>

namespace Vireo::Widgets::Internal {

namespace Enum = Vireo::BizModel::Enum;
using Vireo::BizModel::InterfaceConfig;

QString rateText(float rate)
{
    return QString::number(double(rate), 'g', 6);
}

bool rateTextToHundredths(const QString& text, int& hundredths)
{
    const QString trimmed = text.trimmed();
    const int dot = trimmed.indexOf(QLatin1Char('.'));
    const QString whole = dot < 0 ? trimmed : trimmed.left(dot);
    const QString fraction = dot < 0 ? QString() : trimmed.mid(dot + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return false;
    qint64 value = 0;
    for (const QChar c : whole) {
        if (!c.isDigit() || c.unicode() > '9')
            return false;
        value = value * 10 + (c.unicode() - '0');
        if (value > INT_MAX / 100)
            return false;
    }
    value *= 100;
    for (int i = 0; i < fraction.size(); ++i) {
        const QChar c = fraction.at(i);
        if (!c.isDigit() || c.unicode() > '9')
            return false;
        // Digits past the hundredths are dropped: the value is rounded down.
        if (i == 0)
            value += 10 * (c.unicode() - '0');
        else if (i == 1)
            value += c.unicode() - '0';
    }
    hundredths = int(value);
    return true;
}

int cardKind(int interfaceType)
{
    return interfaceType == Enum::Interface::Input ? 1 : 2;
}

std::shared_ptr<Vireo::BizModel::Interface> firstSelectedInterface(int interfaceType)
{
    auto device = Vireo::BizModel::DeviceList::instance()->activedDevice().lock();
    if (!device) {
        qWarning() << "The device object is null";
        return nullptr;
    }
    std::shared_ptr<Vireo::BizModel::Interface> selected;
    if (interfaceType == Enum::Interface::Input) {
        const auto inputs = device->selectedInputs();
        if (!inputs.isEmpty())
            selected = inputs.first().lock();
        if (!selected)
            qWarning() << "The input object is null";
    } else {
        const auto outputs = device->selectedOutputs();
        if (!outputs.isEmpty())
            selected = outputs.first().lock();
        if (!selected)
            qWarning() << "The output object is null";
    }
    return selected;
}

int currentCapacity(int interfaceType)
{
    if (auto selected = firstSelectedInterface(interfaceType))
        return selected->capacity();
    return Enum::Interface::invaild;
}

PresetList filterPresets(const PresetList& list, int interfaceType, int capacity)
{
    const int kind = cardKind(interfaceType);
    const int mask = InterfaceConfig::capacitySupportMask(capacity);
    PresetList kept;
    for (const auto& entry : list) {
        if ((entry.iCardType == 0 || entry.iCardType == kind) && entry.iCapacity <= mask)
            kept.append(entry);
    }
    return kept;
}

bool connectorInfoOf(int connectorType, Vireo::BizModel::s_ConnectorInfo& info)
{
    for (const auto& candidate : InterfaceConfig::instance()->connectorInfoList()) {
        if (candidate.m_eType == connectorType) {
            info = candidate;
            return true;
        }
    }
    return false;
}

} // namespace Vireo::Widgets::Internal
