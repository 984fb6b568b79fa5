#pragma once

#include <vireowidgets/resources/flowcontainerframe.h>
#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/bizmodel.h>

#include <QToolButton>

#include <memory>

namespace Vireo::Widgets {

namespace Internal {
class GalleryFlowContainerFramePrivate;
class GalleryContentButtonPrivate;
} // namespace Internal

class FixedBitLineEditEx;

// One tile of the gallery: the thumbnail of a stored picture with its in-use mark and delete
// button over the top corners, its name (edited in place with the byte-limited name edit) and its
// size. Pressing a tile starts a drag of the picture's file id.
class VIREOWIDGETS_EXPORT GalleryContentButton : public QToolButton
{
    Q_OBJECT
public:
    enum ButtonType { GalleryBtn = 0, AddBtn = 1 };
    Q_ENUM(ButtonType)

    static constexpr int TileWidth = 124;
    static constexpr int TileHeight = 120;

    explicit GalleryContentButton(QWidget* parent = nullptr);
    ~GalleryContentButton() override;

    void setButtonType(ButtonType btnType);
    ButtonType buttonType() const;
    void setMaterail(std::weak_ptr<Vireo::BizModel::Image> image);
    std::weak_ptr<Vireo::BizModel::Image> getMaterail() const;
    // The name editor's text.
    QString getUIMaterailName() const;
    // Fills the thumbnail, name and size from the picture (signals blocked).
    void updateUIFormModel();
    // The in-use mark follows the device; the delete button shows while the tile is checked.
    void updateUIStatus();
    // Shows, focuses and checks the name editor, as pressing the name does.
    void startNameEditing();
    QSize sizeHint() const override;

signals:
    void signalRemoveMaterail(std::weak_ptr<Vireo::BizModel::Image> image);
    void sinalUIMaterailNameChanged(std::weak_ptr<Vireo::BizModel::Image> image);

public slots:
    virtual void retranslateUi();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

public:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class Internal::GalleryContentButtonPrivate;
    Internal::GalleryContentButtonPrivate* d;
};

// The grid of stored pictures of one kind (BKG or LOGO) with, below it, how much of the device's
// picture store is used and the "Add" and "Delete All" buttons. It changes nothing on the device:
// adding, deleting and renaming are signals for the application, and the model's notifications
// update the tiles.
class VIREOWIDGETS_EXPORT GalleryFlowContainerFrame : public FlowContainerFrame
{
    Q_OBJECT
public:
    static constexpr int BKGCapacityMB = 512;
    static constexpr int LOGOCapacityCount = 16;

    explicit GalleryFlowContainerFrame(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~GalleryFlowContainerFrame() override;

    void setActiveDevice(std::weak_ptr<Vireo::BizModel::Device> pDevice, int galleryType);
    std::weak_ptr<Vireo::BizModel::Device> activeDevice() const;
    int galleryType() const;

    // Model notifications
    void addMaterailFromModel(
        std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::Image> image);
    void removedMaterailFromModel(
        std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::Image> image);
    void updateMaterailSizeFromModel(std::weak_ptr<Vireo::BizModel::Image> image);
    void updateMaterailNameFromModel(std::weak_ptr<Vireo::BizModel::Image> image);
    void updateUIMaterailUsedSatus(
        std::weak_ptr<Vireo::BizModel::Device> device, std::weak_ptr<Vireo::BizModel::Image> image);
    void updateGalleryFromModel();
    void updateUsedStatus();
    void updateDeletedBtnUsedStatus(std::weak_ptr<Vireo::BizModel::Device> device);

    // The tile showing that picture, or null.
    GalleryContentButton* findContentButton(const std::shared_ptr<Vireo::BizModel::Image>& image) const;

signals:
    void signalAddMaterailtoDevice(int galleryType);
    void signalRemoveMaterailFromDevice(std::weak_ptr<Vireo::BizModel::Image> image);
    void signalRemoveAllMaterailFromDevice(int galleryType);
    void signalMaterailNameChanged(std::weak_ptr<Vireo::BizModel::Image> image, const QString& strName);

public:
    void retranslateUi() override;
    void resetHideContentButton(QToolButton* button) override;

public slots:
    void slotButtonToggled(QAbstractButton* button, bool b) override;
    void slotPrevButtonClicked() override;
    void slotNextButtonClicked() override;
    void slotContentScrollBarValueChanged(int value) override;

private:
    friend class Internal::GalleryFlowContainerFramePrivate;
    Internal::GalleryFlowContainerFramePrivate* d;
};

} // namespace Vireo::Widgets
