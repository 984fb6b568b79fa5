#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/bizmodel.h>

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace Vireo::Widgets {

class GalleryFlowContainerFrame;

// What a host does with the gallery's requests, ready-made: it sends the device commands for a
// deleted, renamed or added picture (ModelControl::File), asks before deleting all pictures of the
// kind, and imports a picture file chosen by the operator after checking that it is a whole PNG,
// JPEG or BMP picture of a size the device can take and that the device's store has room for it.
// Every request is checked again against the model when it is sent: a picture or a device that
// went away meanwhile (during a dialog, say) gets nothing sent. Refusals are shown in the kit's
// message box on the gallery and logged.
class VIREOWIDGETS_EXPORT GalleryMaterailController : public QObject
{
    Q_OBJECT
public:
    // Largest picture file read (bytes) and largest picture decoded (pixels a side, pixels in all).
    static constexpr qint64 MaxImageFileBytes = 64 * 1024 * 1024;
    static constexpr int MaxImageSide = 16384;
    static constexpr qint64 MaxImagePixels = 8192LL * 8192LL;
    // The device stores at most 255 BKG pictures.
    static constexpr int MaxBKGCount = 255;

    // Returns the picture file the operator chose, or an empty text.
    using FileChooser = std::function<QString(QWidget* parent, int galleryType)>;

    explicit GalleryMaterailController(GalleryFlowContainerFrame* frame, QObject* parent = nullptr);
    ~GalleryMaterailController() override;

    // Replaces the file dialog shown by "Add" (tests and hosts with their own dialog).
    void setFileChooser(FileChooser chooser);

    // Checks and stores the picture file as a picture of the gallery's kind. False (and a message
    // box) when it is refused or nothing could be sent.
    bool importImageFile(const QString& path);

    // Reads a picture file for a store of `galleryType` on `device`: refuses a file that is missing,
    // not a PNG, JPEG or BMP picture, damaged or cut short, or too large, and a picture for which the
    // store has no room. On success `image` holds the decoded picture.
    static bool loadImageFile(const QString& path, int galleryType, const std::shared_ptr<BizModel::Device>& device,
        QImage& image, QString& errorText);
    // A name for a picture from its file name, made of the characters the name edit accepts, within
    // its byte limit, and not used by another picture of that kind.
    static QString materailNameForFile(
        const QString& path, int galleryType, const std::shared_ptr<BizModel::Device>& device);

private:
    void removeMaterail(std::weak_ptr<BizModel::Image> image);
    void removeAllMaterail(int galleryType);
    void renameMaterail(std::weak_ptr<BizModel::Image> image, const QString& name);
    void addMaterail(int galleryType);
    void refuse(const QString& text);

    QPointer<GalleryFlowContainerFrame> m_pFrame;
    FileChooser m_fileChooser;
};

} // namespace Vireo::Widgets
