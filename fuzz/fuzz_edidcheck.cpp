// The EDID check of imported files: any bytes, compared with the rules written out here on their
// own (at least block 0 whole, the header, blocks 0 and 1 summing to 0 modulo 256).

#include "fuzzsupport.h"

#include <vireowidgets/edid/edidimportexport.h>

#include <QtGlobal>

namespace {

bool expected(const QByteArray& image)
{
    if (image.size() < 128)
        return false;
    static const unsigned char header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    for (int i = 0; i < 8; ++i) {
        if (static_cast<unsigned char>(image.at(i)) != header[i])
            return false;
    }
    unsigned block0 = 0;
    unsigned block1 = 0;
    for (int i = 0; i < image.size() && i < 256; ++i)
        (i < 128 ? block0 : block1) += static_cast<unsigned char>(image.at(i));
    return block0 % 256 == 0 && block1 % 256 == 0;
}

void quiet(QtMsgType, const QMessageLogContext&, const QString&) { }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool installed = (qInstallMessageHandler(quiet), true);
    Q_UNUSED(installed)
    const QByteArray image = Vireo::Fuzz::bytes(data, size);
    Vireo::Widgets::EdidImportExport io(nullptr);
    const bool accepted = io.verifyFile(image);
    VIREO_FUZZ_CHECK(
        accepted == expected(image), QStringLiteral("verifyFile gave %1 for %2 bytes").arg(accepted).arg(image.size()));
    // Bytes beyond block 1 never change the verdict.
    if (image.size() > 256) {
        QByteArray changed = image;
        changed[256] = char(changed.at(256) ^ 0x5A);
        VIREO_FUZZ_CHECK(io.verifyFile(changed) == accepted, QStringLiteral("block 2 changed the verdict"));
    }
    // No prefix shorter than block 0 is ever an image.
    if (accepted)
        VIREO_FUZZ_CHECK(!io.verifyFile(image.left(127)), QStringLiteral("127 bytes accepted"));
    return 0;
}
