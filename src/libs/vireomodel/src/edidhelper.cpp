#include <vireomodel/fixture.h>
#include <vireomodel/utils.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <array>
#include <cmath>

namespace Vireo::Utils {

namespace {

constexpr int kBlock = 128;
constexpr int kDtdOffset = 54;
const unsigned char kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};

QString& templateDir()
{
    static QString dir;
    return dir;
}

bool blockChecksumOk(const QByteArray& image, int offset)
{
    unsigned sum = 0;
    for (int i = 0; i < kBlock; ++i)
        sum += quint8(image.at(offset + i));
    return (sum & 0xFF) == 0;
}

void sealBlock(QByteArray& image, int offset)
{
    unsigned sum = 0;
    for (int i = 0; i < kBlock - 1; ++i)
        sum += quint8(image.at(offset + i));
    image[offset + kBlock - 1] = char((256 - (sum & 0xFF)) & 0xFF);
}

void putText(QByteArray& image, int offset, quint8 tag, const char* text)
{
    // Display descriptor: 0,0,0,tag,0 then 13 bytes of text ended by LF and padded with spaces.
    image[offset + 3] = char(tag);
    int i = 0;
    for (; text[i] && i < 13; ++i)
        image[offset + 5 + i] = text[i];
    if (i < 13)
        image[offset + 5 + i++] = '\n';
    for (; i < 13; ++i)
        image[offset + 5 + i] = ' ';
}

// The template: an EDID 1.3 digital display with monitor name and range limits, one DTD slot and
// one empty CEA extension.
QByteArray templateImage()
{
    QByteArray image(2 * kBlock, '\0');
    for (int i = 0; i < 8; ++i)
        image[i] = char(kHeader[i]);
    image[8] = char(0x59); // manufacturer "VIR"
    image[9] = char(0x32);
    image[10] = char(0x01); // product code
    image[16] = char(1); // week
    image[17] = char(30); // year 2020
    image[18] = char(1); // EDID 1.3
    image[19] = char(3);
    image[20] = char(0x80); // digital input
    image[21] = char(60); // 60 x 34 cm
    image[22] = char(34);
    image[23] = char(120); // gamma 2.2
    image[24] = char(0x0A);
    for (int i = 38; i < 54; ++i) // no standard timings
        image[i] = char(0x01);
    putText(image, 72, 0xFC, "Vireo EDID");
    image[90 + 3] = char(0xFD); // range limits
    image[90 + 5] = char(23);
    image[90 + 6] = char(121);
    image[90 + 7] = char(15);
    image[90 + 8] = char(140);
    image[90 + 9] = char(60); // 600 MHz
    image[90 + 10] = char(0x00);
    image[90 + 11] = '\n';
    for (int i = 12; i < 18; ++i)
        image[90 + i] = ' ';
    image[108 + 3] = char(0x10); // dummy descriptor
    image[126] = char(1); // one extension
    image[kBlock + 0] = char(0x02);
    image[kBlock + 1] = char(0x03);
    image[kBlock + 2] = char(0x04);
    // What a CEA extension must carry to pass an EDID decoder's checks: 640x480@60 among the
    // established timings and the video formats, and a video capability block.
    image[35] = char(0x20);
    const char blocks[] = {0x41, 0x01, char(0xE2), 0x00, 0x4A};
    image.replace(kBlock + 4, int(sizeof blocks), blocks, int(sizeof blocks));
    image[kBlock + 2] = char(4 + sizeof blocks);
    image[kBlock + 3] = char(0x80); // IT formats underscanned
    return image;
}

bool fail(QString* errorText, const QString& text)
{
    if (errorText)
        *errorText = text;
    return false;
}

} // namespace

EDIDHelper::EDIDHelper() = default;

QByteArray EDIDHelper::buildEDID(const EDIDTiming& t)
{
    return buildEDID(templateImage(), t);
}

QByteArray EDIDHelper::buildEDID(const QByteArray& base, const EDIDTiming& t)
{
    if (base.size() != kBlock && base.size() != 2 * kBlock)
        return QByteArray();
    const int hBlank = t.horTotal - t.horActive;
    const int vBlank = t.verTotal - t.verActive;
    const bool fits = t.horActive > 0 && t.horActive <= 4095 && hBlank > 0 && hBlank <= 4095 && t.verActive > 0 &&
        t.verActive <= 4095 && vBlank > 0 && vBlank <= 4095 && t.horFrontPorch >= 0 && t.horFrontPorch <= 1023 &&
        t.horSync > 0 && t.horSync <= 1023 && t.verFrontPorch >= 0 && t.verFrontPorch <= 63 && t.verSync > 0 &&
        t.verSync <= 63 && t.horFrontPorch + t.horSync <= hBlank && t.verFrontPorch + t.verSync <= vBlank;
    double clock = double(t.pixelClock);
    if (clock <= 0)
        clock = double(t.horTotal) * double(t.verTotal) * double(t.refresh);
    const double clock10k = std::round(clock / 10000.0);
    if (!fits || !(clock10k >= 1.0) || clock10k > 65535.0)
        return QByteArray();
    const int c = int(clock10k);

    // The detailed timing descriptor of the first block, built apart and copied into the base
    // image; the base's image size (bytes 12..16 of the descriptor) is kept.
    std::array<char, 18> d {};
    for (int i = 12; i < 17; ++i)
        d[size_t(i)] = base.at(kDtdOffset + i);
    d[0] = char(c & 0xFF);
    d[1] = char(c >> 8);
    d[2] = char(t.horActive & 0xFF);
    d[3] = char(hBlank & 0xFF);
    d[4] = char(((t.horActive >> 8) << 4) | (hBlank >> 8));
    d[5] = char(t.verActive & 0xFF);
    d[6] = char(vBlank & 0xFF);
    d[7] = char(((t.verActive >> 8) << 4) | (vBlank >> 8));
    d[8] = char(t.horFrontPorch & 0xFF);
    d[9] = char(t.horSync & 0xFF);
    d[10] = char(((t.verFrontPorch & 0x0F) << 4) | (t.verSync & 0x0F));
    d[11] = char(
        ((t.horFrontPorch >> 8) << 6) | ((t.horSync >> 8) << 4) | ((t.verFrontPorch >> 4) << 2) | (t.verSync >> 4));
    if (d[12] == 0 && d[13] == 0 && d[14] == 0) {
        d[12] = char(0x58); // 600 x 340 mm
        d[13] = char(0x54);
        d[14] = char(0x21);
    }
    d[17] = char((t.interlaced ? 0x80 : 0) | 0x18 | (t.verPolarity == 0 ? 0x04 : 0) | (t.horPolarity == 0 ? 0x02 : 0));
    QByteArray image = base;
    image.replace(kDtdOffset, int(d.size()), d.data(), int(d.size()));
    for (int offset = 0; offset < image.size(); offset += kBlock)
        sealBlock(image, offset);
    return image;
}

bool EDIDHelper::parseEDID(const QByteArray& image, EDIDTiming& timing, QString* errorText)
{
    if (image.size() != kBlock && image.size() != 2 * kBlock)
        return fail(errorText, QStringLiteral("Not an EDID image: %1 bytes.").arg(image.size()));
    for (int i = 0; i < 8; ++i) {
        if (quint8(image.at(i)) != kHeader[i])
            return fail(errorText, QStringLiteral("Not an EDID image: bad header."));
    }
    for (int offset = 0; offset < image.size(); offset += kBlock) {
        if (!blockChecksumOk(image, offset))
            return fail(errorText, QStringLiteral("EDID checksum error in block %1.").arg(offset / kBlock));
    }
    const auto b = [&image](int i) { return int(quint8(image.at(kDtdOffset + i))); };
    const int clock10k = b(0) | (b(1) << 8);
    if (clock10k == 0)
        return fail(errorText, QStringLiteral("The EDID image has no detailed timing."));
    EDIDTiming t;
    t.horActive = b(2) | ((b(4) >> 4) << 8);
    const int hBlank = b(3) | ((b(4) & 0x0F) << 8);
    t.verActive = b(5) | ((b(7) >> 4) << 8);
    const int vBlank = b(6) | ((b(7) & 0x0F) << 8);
    t.horFrontPorch = b(8) | (((b(11) >> 6) & 0x03) << 8);
    t.horSync = b(9) | (((b(11) >> 4) & 0x03) << 8);
    t.verFrontPorch = (b(10) >> 4) | (((b(11) >> 2) & 0x03) << 4);
    t.verSync = (b(10) & 0x0F) | ((b(11) & 0x03) << 4);
    t.horTotal = t.horActive + hBlank;
    t.verTotal = t.verActive + vBlank;
    t.interlaced = (b(17) & 0x80) != 0;
    const bool separateDigital = (b(17) & 0x18) == 0x18;
    t.verPolarity = separateDigital && !(b(17) & 0x04) ? 1 : 0;
    t.horPolarity = (b(17) & 0x02) ? 0 : 1;
    t.pixelClock = quint64(clock10k) * 10000u;
    if (t.horTotal > 0 && t.verTotal > 0)
        t.refresh = float(std::round(double(t.pixelClock) / t.horTotal / t.verTotal * 100.0) / 100.0);
    timing = t;
    return true;
}

bool EDIDHelper::readEDID(const QString& fileName, QString* errorText)
{
    QString chosenError;
    if (!Fixture::logCommand(QStringLiteral("EDIDHelper::readEDID"), {fileName}, &chosenError))
        return fail(errorText, chosenError);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(errorText, QStringLiteral("Cannot open %1: %2").arg(fileName, file.errorString()));
    if (file.size() > 4 * kBlock)
        return fail(errorText, QStringLiteral("Not an EDID image: %1 bytes.").arg(file.size()));
    EDIDTiming timing;
    if (!parseEDID(file.readAll(), timing, errorText))
        return false;
    m_timing = timing;
    file.seek(0);
    m_image = file.readAll();
    if (errorText)
        errorText->clear();
    return true;
}

bool EDIDHelper::writeEDID(const QString& path, QString* errorText, const EDIDTiming& timing)
{
    QString chosenError;
    if (!Fixture::logCommand(QStringLiteral("EDIDHelper::writeEDID"),
            {path, timing.horActive, timing.verActive, double(timing.refresh)}, &chosenError))
        return fail(errorText, chosenError);
    const QByteArray image = m_image.isEmpty() ? buildEDID(timing) : buildEDID(m_image, timing);
    if (image.isEmpty())
        return fail(errorText, QStringLiteral("The timing does not fit in an EDID detailed timing."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit())
        return fail(errorText, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    if (errorText)
        errorText->clear();
    return true;
}

QString EDIDHelper::templateDirectory()
{
    const QString& dir = templateDir();
    return dir.isEmpty() ? QDir::tempPath() + QStringLiteral("/vireo-edid-templates") : dir;
}

void EDIDHelper::setTemplateDirectory(const QString& dir)
{
    templateDir() = dir;
}

QStringList EDIDHelper::nameFilters()
{
    return {QStringLiteral("*.bin"), QStringLiteral("*.edid"), QStringLiteral("*.dat")};
}

} // namespace Vireo::Utils
