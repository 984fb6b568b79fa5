#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/bizmodel.h>
#include <zkwidgets/framelessdialog.h>

#include <QFrame>
#include <QGraphicsScene>
#include <QMetaObject>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QString>

#include <any>
#include <memory>

namespace Vireo::Widgets {

class WaitingDialog;
class Ui_LiveCaptureFrame;

// Grabs a still picture of one input or of a screen's programme output, shows it, lets the operator
// name it and choose where it goes, checks that the device can store it and hands it to the host.
//
// Capture asks the device model for the picture (DeviceList::signalCaptureImage); the host answers
// with setCaptureImage() or setCaptureText(). While the answer is awaited the process-wide waiting
// dialog is shown; it offers Cancel, which stops waiting (a late answer is still shown).
//
// Object names (form): "frame_head", "label", "toolButton_close", "frame_image", "caputureHeadtitle",
// "graphicsView_image", "frame_content", "label_Name", "lineEdit_nameValue", "label_resolution_2",
// "label_resolutionValue", "label_location", "radioButton_BKG", "radioButton_OSD",
// "pushButton_capture", "pushButton_save", "pushButton_cancel". The frame carries "captureDialog".
class VIREOWIDGETS_EXPORT LiveCaptureFrame : public QFrame
{
    Q_OBJECT
public:
    enum CaptureSourceType { Input = 0, PGM = 1 };
    Q_ENUM(CaptureSourceType)

    explicit LiveCaptureFrame(QWidget* parent = nullptr, Qt::WindowFlags f = {});
    ~LiveCaptureFrame() override;

    void setSourceRefrence(std::weak_ptr<Vireo::BizModel::Input> rInput);
    void setSourceRefrence(std::weak_ptr<Vireo::BizModel::Screen> pScreen);
    CaptureSourceType captureSourceType() const { return m_captureSourceType; }

    void setCaptureImage(const QPixmap& imageSrc, QSize size);
    void setCaptureText(const QString& text);
    void setCaptureName(const QString& name);
    QString getCaptureName() const;
    QPixmap getCaptureImage() const;
    Vireo::BizModel::Enum::File::FileType getCaptureType() const;
    void setCaptureResolution(int width, int height);

    // True from a capture request until its answer arrives or the operator stops waiting.
    bool isWaitingForCapture() const { return m_bCapturePending; }
    QGraphicsScene* scene() { return &m_scene; }

    void retranslateUi();

signals:
    void signal_accept();
    void signal_reject();

public slots:
    void slot_radioButtonBKGClicked();
    void slot_radioButtonOSDClicked();
    void slot_buttonCaptureClicked();
    void slot_editingFinished();
    void slot_saveClicked();
    void slotUpdateOperatorProcess(const QString& process);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void initWidget();
    void initConnections();
    bool captureInput();
    bool capturePGM();
    bool sendCapture(quint32 sourceId, int sourceType);
    void startWaiting();
    void stopWaiting();
    void refreshScene();
    void warn(const QString& title, const QString& text);

    Ui_LiveCaptureFrame* ui = nullptr;
    Vireo::BizModel::Enum::File::FileType m_type;
    QPixmap m_image;
    QGraphicsScene m_scene;
    QString m_name;
    std::any m_sourceRefrence;
    CaptureSourceType m_captureSourceType = Input;
    QPointer<WaitingDialog> m_pWaitingDialog;

    QString m_text;
    bool m_bCapturePending = false;
    QMetaObject::Connection m_editLink;
    QMetaObject::Connection m_cancelLink;
};

// A frameless dialog around one LiveCaptureFrame; Save (after the checks) accepts it, Cancel and the
// close button reject it.
class VIREOWIDGETS_EXPORT LiveCaptureDialog : public ZK::Widgets::FramelessDialog
{
    Q_OBJECT
public:
    explicit LiveCaptureDialog(QWidget* parent = nullptr, Qt::WindowFlags f = {});
    ~LiveCaptureDialog() override;

    // A self-deleting modal dialog of 755 x 560, centred over `parent` and shown without blocking.
    static LiveCaptureDialog* showAddDeviceDialog(QWidget* parent = nullptr, Qt::WindowFlags f = {});

    void setCaptureName(const QString& name);
    QString getCaptureName() const;
    void setCaptureImage(const QPixmap& image, QSize size);
    QPixmap getCaptureImage() const;
    Vireo::BizModel::Enum::File::FileType getCaptureType() const;
    void setSourceRefrence(std::weak_ptr<Vireo::BizModel::Input> rInput);
    void setSourceRefrence(std::weak_ptr<Vireo::BizModel::Screen> pScreen);
    LiveCaptureFrame* captureFrame() const { return m_pLiveCaptureFrame; }

    void retranslateUi();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    LiveCaptureFrame* m_pLiveCaptureFrame = nullptr;
};

} // namespace Vireo::Widgets
