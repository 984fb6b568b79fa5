// The IP edit accepts exactly the dotted IPv4 addresses: four decimal octets 0-255 without leading
// zeros, separated by dots, and nothing else. Typing never leaves a text the validator refuses.

#include "fuzzsupport.h"

#include <zkwidgets/iplineedit.h>

#include <QStringList>
#include <QValidator>

namespace {

// An independent reading of the address rule, character by character.
bool isDottedQuad(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return false;
        for (QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        if (part.size() > 1 && part.at(0) == QLatin1Char('0'))
            return false;
        if (part.toInt() > 255)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Vireo::Fuzz::ensureApplication();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QString text = Vireo::Fuzz::text(data, size);

    const bool expected = isDottedQuad(text);
    VIREO_FUZZ_CHECK(ZK::Widgets::IPLineEdit::isValidAddress(text) == expected, text);

    ZK::Widgets::IPLineEdit edit;
    VIREO_FUZZ_CHECK(edit.setText(QStringLiteral("10.0.0.1")), text);
    const QString trimmed = text.trimmed();
    const bool accepted = edit.setText(text);
    VIREO_FUZZ_CHECK(accepted == (trimmed.isEmpty() || isDottedQuad(trimmed)), text);
    VIREO_FUZZ_CHECK(edit.text() == (accepted ? trimmed : QStringLiteral("10.0.0.1")), text);
    VIREO_FUZZ_CHECK(edit.isValidAddress() == isDottedQuad(edit.text()), edit.text());

    // The validator calls a whole address acceptable and nothing else.
    QString probe = text;
    int pos = 0;
    const QValidator::State state = edit.validator()->validate(probe, pos);
    VIREO_FUZZ_CHECK((state == QValidator::Acceptable) == expected, text);
    return 0;
}
