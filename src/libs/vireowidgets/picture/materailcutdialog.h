#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/enums.h>
#include <zkwidgets/framelessdialog.h>

#include <QImage>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <memory>

class QButtonGroup;
class QGraphicsPixmapItem;
class QGraphicsScene;
class QGraphicsView;
class QLabel;
class QRadioButton;
class QStackedWidget;

namespace Vireo::Widgets {

class CaptureItem;
class RectEditFrame;

namespace Internal {
struct MaterailCutWidgetUi;
struct MaterailScaleWidgetUi;
} // namespace Internal

// Size limits of a material picture, shared by the two pages of the crop and scale dialog.
namespace MaterailSize {
// A logo scaled to fit inside `maxSize`, keeping its aspect ratio (zero for an empty input).
VIREOWIDGETS_EXPORT QSize calLogoSaveSize(const QSize& maxSize, const QSize& picture);
// A background scaled to about `leftCap` pixels, keeping its aspect ratio (zero for an empty input).
VIREOWIDGETS_EXPORT QSize calBKGSaveSize(quint64 leftCap, const QSize& picture);
} // namespace MaterailSize

// The "Cutting" page: the picture with a crop frame (CaptureItem) and the X, Y, Width and Height
// fields, kept in step both ways.
class VIREOWIDGETS_EXPORT MaterailCutWidget : public QWidget
{
    Q_OBJECT
public:
    MaterailCutWidget(const QSize& maxSize, std::shared_ptr<QImage> image, const QSize& realSize,
        Vireo::BizModel::Enum::File::FileType type, QWidget* parent = nullptr);
    MaterailCutWidget(quint64 leftCap, std::shared_ptr<QImage> image, const QSize& realSize,
        Vireo::BizModel::Enum::File::FileType type, QWidget* parent = nullptr);
    ~MaterailCutWidget() override;

    void setCaptureVisible(bool visible);
    // The crop frame in picture pixels, each value rounded to the nearest integer.
    QRect getCaptureRect() const;
    // The background save size for the cut page's budget.
    QSize getBKGScaredSize() const;

    CaptureItem* captureItem() const { return m_pCaptureItem; }
    RectEditFrame* rectEditFrame() const;
    QGraphicsView* graphicsView() const;

signals:
    void signal_updateRect(QRect rect);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void slot_rectInfoChanged(int x, int y, int w, int h);
    void slot_updateRectInfo(const QRectF& rect);

private:
    void init();
    void updateFieldRanges(const QRect& frame);
    void fitView();

    Internal::MaterailCutWidgetUi* ui = nullptr;
    QGraphicsScene* m_scene = nullptr;
    std::shared_ptr<QImage> m_srcImage;
    double m_percent = 1.0;
    QSize m_defaultSize;
    QSize m_realSize;
    quint64 m_leftCap = 0;
    bool m_bBudget = false;
    Vireo::BizModel::Enum::File::FileType m_type;
    QGraphicsPixmapItem* m_pBackgroundItem = nullptr;
    CaptureItem* m_pCaptureItem = nullptr;
    bool m_bSyncing = false;
};

// The "Auto scaling" page: the picture scaled down and the size it will be saved at.
class VIREOWIDGETS_EXPORT MaterailScaleWidget : public QWidget
{
    Q_OBJECT
public:
    MaterailScaleWidget(const QSize& maxSize, std::shared_ptr<QImage> image, const QSize& realSize,
        Vireo::BizModel::Enum::File::FileType type, QWidget* parent = nullptr);
    MaterailScaleWidget(quint64 leftCap, std::shared_ptr<QImage> image, const QSize& realSize,
        Vireo::BizModel::Enum::File::FileType type, QWidget* parent = nullptr);
    ~MaterailScaleWidget() override;

    // The size the picture is saved at; zero for a type that is neither BKG nor LOGO.
    QSize getScaledSize() const;
    QLabel* previewLabel() const;
    RectEditFrame* sizeFrame() const;

public:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createWidget();
    void showPreview(const QSize& room);
    QSize calSaveSize() const;

    Internal::MaterailScaleWidgetUi* ui = nullptr;
    std::shared_ptr<QImage> m_srcImage;
    QSize m_defaultSize;
    QSize m_realSize;
    QGraphicsScene* m_scene = nullptr;
    Vireo::BizModel::Enum::File::FileType m_type;
    quint64 m_leftCap = 0;
};

// Offered when a background or logo picture is larger than the device takes: cut a rectangle out of
// it or scale it down. The host reads the choice and the rectangle or size after the dialog closes,
// and crops or scales the picture itself.
class VIREOWIDGETS_EXPORT MaterailCutDialog : public ZK::Widgets::FramelessDialog
{
    Q_OBJECT
public:
    enum ResultType { Cut = 0, Scale = 1 };
    Q_ENUM(ResultType)

    MaterailCutDialog(const QSize& maxSize, std::shared_ptr<QImage> image, const QSize& realSize,
        Vireo::BizModel::Enum::File::FileType type, QWidget* parent = nullptr, Qt::WindowFlags f = {});
    MaterailCutDialog(quint64 leftCap, std::shared_ptr<QImage> image, const QSize& realSize,
        Vireo::BizModel::Enum::File::FileType type, QWidget* parent = nullptr, Qt::WindowFlags f = {});
    ~MaterailCutDialog() override;

    ResultType getResult() const { return m_result; }
    QRect getCutRect() const;
    QSize getScaleSize() const;

    MaterailCutWidget* cutWidget() const { return m_pCutGraphics; }
    MaterailScaleWidget* scaleWidget() const { return m_pScaleWidget; }

    // Reads a picture file for this dialog. A file that is not a picture, is damaged or cut short,
    // or is too large to hold in memory gives null and a text for the operator in `errorText`.
    static std::shared_ptr<QImage> loadMaterialImage(const QString& fileName, QString* errorText = nullptr);
    // Largest picture loadMaterialImage() opens, in pixels and per side.
    static constexpr quint64 MaxLoadPixels = 64ull * 1024 * 1024;
    static constexpr int MaxLoadSide = 65536;

    void retranslateUi();
    // Gives the dialog its size, centres it over `parent` and makes it modal.
    bool initDialog(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void slot_buttonToggled(int index, bool checked);

private:
    void initWidgets(bool budget);
    QString detailText() const;

    MaterailCutWidget* m_pCutGraphics = nullptr;
    MaterailScaleWidget* m_pScaleWidget = nullptr;
    QRadioButton* m_pCutButton = nullptr;
    QRadioButton* m_pScaleButton = nullptr;
    QStackedWidget* m_pStackWidget = nullptr;
    QButtonGroup* m_pButtonGroup = nullptr;
    std::shared_ptr<QImage> m_image;
    QSize m_defaultSize;
    QSize m_realSize;
    ResultType m_result = Cut;
    quint64 m_leftCap = 0;
    Vireo::BizModel::Enum::File::FileType m_type;
    QLabel* m_pTipLabel = nullptr;
    QLabel* m_pDetailLabel = nullptr;
};

} // namespace Vireo::Widgets
