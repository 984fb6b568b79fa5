#include "gallerymaterailcontroller.h"

#include "galleryflowcontainerframe.h"

#include <vireowidgets/controls/fixedbitlineeditex.h>

#include <vireomodel/modelcontrol.h>
#include <zkwidgets/framelessmessagebox.h>

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QtEndian>

#include <vector>

namespace Vireo::Widgets {

namespace Enum = Vireo::BizModel::Enum;
using Vireo::BizModel::Device;
using Vireo::BizModel::Image;

namespace {

// The name edit's byte limit (FixedBitLineEditEx's default).
constexpr int NameMaxWeight = 15;

quint32 readLE32(const QByteArray& data, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(data.constData() + offset));
}

// Whether the file holds the whole picture: decoders fill a picture cut short with grey instead of
// failing, so the end of the data is checked by the format's own rules.
bool isCompleteImageData(const QByteArray& format, const QByteArray& data)
{
    if (format == "png") {
        // The last chunk, IEND, with its length before it and its CRC after it.
        const int iend = data.lastIndexOf("IEND");
        return iend >= 4 && iend + 8 <= data.size();
    }
    if (format == "jpeg") {
        // The end-of-image marker after the start of the scan data.
        const int scan = data.indexOf(QByteArray("\xFF\xDA", 2));
        const int end = data.lastIndexOf(QByteArray("\xFF\xD9", 2));
        return scan >= 0 && end > scan;
    }
    if (format == "bmp") {
        if (data.size() < 34)
            return false;
        const quint32 fileSize = readLE32(data, 2);
        const quint32 offset = readLE32(data, 10);
        const qint64 width = qint32(readLE32(data, 18));
        const qint64 height = qAbs(qint64(qint32(readLE32(data, 22))));
        const int bpp = qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(data.constData() + 28));
        const quint32 compression = readLE32(data, 30);
        qint64 needed = fileSize;
        if ((compression == 0 || compression == 3) && width > 0 && bpp > 0)
            needed = qint64(offset) + ((width * bpp + 31) / 32) * 4 * height;
        return offset <= quint32(data.size()) && needed <= data.size();
    }
    return false;
}

} // namespace

GalleryMaterailController::GalleryMaterailController(GalleryFlowContainerFrame* frame, QObject* parent)
    : QObject(parent)
    , m_pFrame(frame)
{
    if (!frame)
        return;
    connect(frame, &GalleryFlowContainerFrame::signalRemoveMaterailFromDevice, this,
        &GalleryMaterailController::removeMaterail);
    connect(frame, &GalleryFlowContainerFrame::signalRemoveAllMaterailFromDevice, this,
        &GalleryMaterailController::removeAllMaterail);
    connect(
        frame, &GalleryFlowContainerFrame::signalMaterailNameChanged, this, &GalleryMaterailController::renameMaterail);
    connect(
        frame, &GalleryFlowContainerFrame::signalAddMaterailtoDevice, this, &GalleryMaterailController::addMaterail);
}

GalleryMaterailController::~GalleryMaterailController() = default;

void GalleryMaterailController::setFileChooser(FileChooser chooser)
{
    m_fileChooser = std::move(chooser);
}

void GalleryMaterailController::refuse(const QString& text)
{
    qWarning() << "Gallery:" << text;
    ZK::Widgets::FramelessMessageBox::warning(m_pFrame, tr("Warning"), text, QMessageBox::Ok, QMessageBox::Ok);
}

void GalleryMaterailController::removeMaterail(std::weak_ptr<Image> rImage)
{
    auto image = rImage.lock();
    if (!image)
        return;
    auto device = image->owerDevice().lock();
    if (!device || device->findFile(image->fileType(), image->fileId()).lock() != image)
        return;
    if (!ModelControl::File(device).removeFile(image->fileType(), image->fileId()))
        qWarning() << "Gallery: the device did not delete picture" << image->fileId() << image->name();
}

void GalleryMaterailController::removeAllMaterail(int galleryType)
{
    if (!m_pFrame || m_pFrame->activeDevice().expired())
        return;
    const QMessageBox::StandardButton answer = ZK::Widgets::FramelessMessageBox::question(m_pFrame, tr("Remind"),
        tr("Do you want to delete all pictures?"), QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes || !m_pFrame)
        return;
    // The pictures are taken after the question: only those still stored are named.
    auto device = m_pFrame->activeDevice().lock();
    if (!device)
        return;
    std::vector<int> ids;
    for (const auto& weak : device->files(galleryType)) {
        if (auto file = weak.lock())
            ids.push_back(file->fileId());
    }
    if (ids.empty())
        return;
    if (!ModelControl::File(device).removeFile(galleryType, ids))
        qWarning() << "Gallery: the device did not delete the pictures of type" << galleryType;
}

void GalleryMaterailController::renameMaterail(std::weak_ptr<Image> rImage, const QString& name)
{
    auto image = rImage.lock();
    if (!image)
        return;
    auto device = image->owerDevice().lock();
    const QString trimmed = name.trimmed();
    // The picture may have been deleted, or its number given to another picture, since the name
    // was typed: only the picture itself, still stored, is renamed.
    if (!device || device->findFile(image->fileType(), image->fileId()).lock() != image)
        return;
    if (trimmed.isEmpty() || trimmed == image->name() || device->isFileNameExist(image->fileType(), trimmed))
        return;
    if (!ModelControl::File(device).renameFile(image->fileType(), image->fileId(), trimmed))
        qWarning() << "Gallery: the device did not rename picture" << image->fileId() << "to" << trimmed;
}

void GalleryMaterailController::addMaterail(int galleryType)
{
    if (!m_pFrame || m_pFrame->activeDevice().expired() || galleryType != m_pFrame->galleryType())
        return;
    QString path;
    if (m_fileChooser) {
        path = m_fileChooser(m_pFrame, galleryType);
    } else {
        path = QFileDialog::getOpenFileName(
            m_pFrame, tr("Add picture"), QString(), tr("Pictures (*.png *.jpg *.jpeg *.bmp)"));
    }
    if (path.isEmpty() || !m_pFrame)
        return;
    importImageFile(path);
}

bool GalleryMaterailController::importImageFile(const QString& path)
{
    if (!m_pFrame)
        return false;
    const int galleryType = m_pFrame->galleryType();
    auto device = m_pFrame->activeDevice().lock();
    if (!device) {
        refuse(tr("Invalid device model."));
        return false;
    }
    if (galleryType != Enum::File::BKG && galleryType != Enum::File::LOGO) {
        refuse(tr("Invalid type."));
        return false;
    }
    QImage image;
    QString errorText;
    if (!loadImageFile(path, galleryType, device, image, errorText)) {
        refuse(errorText);
        return false;
    }
    const QString name = materailNameForFile(path, galleryType, device);
    if (!ModelControl::File(device).addImageFile(galleryType, name, image)) {
        qWarning() << "Gallery: the device did not store picture" << path;
        return false;
    }
    return true;
}

bool GalleryMaterailController::loadImageFile(
    const QString& path, int galleryType, const std::shared_ptr<Device>& device, QImage& image, QString& errorText)
{
    const QString fileName = QFileInfo(path).fileName();
    if (!device) {
        errorText = tr("Invalid device model.");
        return false;
    }
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        errorText = tr("The file [%1] does not exist.").arg(fileName);
        return false;
    }
    if (info.size() > MaxImageFileBytes) {
        errorText = tr("The file [%1] is too large to be added as a picture.").arg(fileName);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errorText = tr("The file [%1] cannot be read.").arg(fileName);
        return false;
    }
    QByteArray data = file.read(MaxImageFileBytes + 1);
    file.close();
    if (data.size() > MaxImageFileBytes) {
        errorText = tr("The file [%1] is too large to be added as a picture.").arg(fileName);
        return false;
    }

    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format().toLower();
    if (format != "png" && format != "jpeg" && format != "bmp") {
        errorText = tr("The file [%1] is not a PNG, JPEG or BMP picture.").arg(fileName);
        return false;
    }
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || !isCompleteImageData(format, data)) {
        errorText = tr("The file [%1] is damaged or incomplete.").arg(fileName);
        return false;
    }
    if (size.width() > MaxImageSide || size.height() > MaxImageSide ||
        qint64(size.width()) * size.height() > MaxImagePixels) {
        errorText = tr("The picture [%1] is %2x%3 pixels, more than the device can take.")
                        .arg(fileName)
                        .arg(size.width())
                        .arg(size.height());
        return false;
    }

    // The store's room, as the device model answers it (isImageCapacityEnough is true when full).
    int count = 0;
    for (const auto& weak : device->files(galleryType)) {
        if (!weak.expired())
            ++count;
    }
    const bool logoFull = galleryType == Enum::File::LOGO && count >= GalleryFlowContainerFrame::LOGOCapacityCount;
    if (device->isImageCapacityEnough(galleryType) || logoFull) {
        errorText = tr("The library capacity is full, can't be added yet");
        return false;
    }
    if (galleryType == Enum::File::BKG) {
        if (count >= MaxBKGCount) {
            errorText = tr("The maximum number of pictures has been reached and cannot be added any more.");
            return false;
        }
        if (!device->isBKGCapacityEnough(quint64(size.width()) * quint64(size.height()) * 4u)) {
            errorText = tr("There is not enough space left to complete the operation!");
            return false;
        }
    }

    QImage decoded;
    if (!reader.read(&decoded) || decoded.isNull() || decoded.size() != size) {
        qWarning() << "Gallery: cannot decode" << path << reader.errorString();
        errorText = tr("The file [%1] is damaged or incomplete.").arg(fileName);
        return false;
    }
    image = decoded;
    return true;
}

QString GalleryMaterailController::materailNameForFile(
    const QString& path, int galleryType, const std::shared_ptr<Device>& device)
{
    static const QRegularExpression refused(QStringLiteral("[^0-9a-zA-Z\\s_\\-\\x{4e00}-\\x{9fa5}]"));
    QString base = QFileInfo(path).completeBaseName();
    base.remove(refused);
    base = FixedBitLineEditEx::cutToWeight(base.simplified(), NameMaxWeight).trimmed();
    if (base.isEmpty())
        base = QStringLiteral("Picture");
    if (!device || !device->isFileNameExist(galleryType, base))
        return base;
    for (int n = 2; n < 10000; ++n) {
        const QString suffix = QString::number(n);
        const QString name = FixedBitLineEditEx::cutToWeight(base, NameMaxWeight - suffix.size()).trimmed() + suffix;
        if (!device->isFileNameExist(galleryType, name))
            return name;
    }
    return base;
}

} // namespace Vireo::Widgets
