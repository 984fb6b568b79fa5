// The byte-limited name cut: the result is the longest prefix of whole characters whose weighted
// length (1 for a character of one UTF-8 byte, 2 for any other) stays within the limit, and the
// edit shows exactly that prefix.

#include "fuzzsupport.h"

#include <vireowidgets/controls/fixedbitlineeditex.h>

#include <QVector>

namespace {

int weightOf(uint codePoint)
{
    return codePoint < 0x80 ? 1 : 2;
}

// Code points as the text holds them, a lone surrogate counting as one character.
QVector<QString> characters(const QString& text)
{
    QVector<QString> out;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.append(text.mid(i, 2));
            ++i;
        } else {
            out.append(text.mid(i, 1));
        }
    }
    return out;
}

int weightOfCharacter(const QString& character)
{
    return character.size() == 2 ? 2 : weightOf(character.at(0).unicode());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Vireo::Widgets::FixedBitLineEditEx;
    Vireo::Fuzz::ensureApplication();
    if (size < 1)
        return 0;
    const int limit = data[0] % 48;
    const QString text = Vireo::Fuzz::text(data + 1, size - 1);
    const QVector<QString> chars = characters(text);

    int total = 0;
    for (const QString& c : chars)
        total += weightOfCharacter(c);
    VIREO_FUZZ_CHECK(FixedBitLineEditEx::weightedLength(text) == total, text);

    const QString cut = FixedBitLineEditEx::cutToWeight(text, limit);
    QString expected;
    int weight = 0;
    for (const QString& c : chars) {
        if (weight + weightOfCharacter(c) > limit)
            break;
        weight += weightOfCharacter(c);
        expected += c;
    }
    VIREO_FUZZ_CHECK(cut == expected, QStringLiteral("limit %1: %2 -> %3").arg(limit).arg(text, cut));
    VIREO_FUZZ_CHECK(FixedBitLineEditEx::weightedLength(cut) <= limit, cut);

    // The edit cuts what it is given the same way (its own length limit is 15 characters).
    if (limit >= 1 && limit <= 15) {
        FixedBitLineEditEx edit;
        edit.setMaxBitLength(limit);
        edit.setEditText(text);
        VIREO_FUZZ_CHECK(edit.text() == expected, QStringLiteral("edit: %1 -> %2").arg(text, edit.text()));
    }
    return 0;
}
