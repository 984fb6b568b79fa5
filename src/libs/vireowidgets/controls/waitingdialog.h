#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QDialog>
#include <QFrame>
#include <QPixmap>
#include <QTimer>
#include <QToolButton>

class QLabel;
class QProgressBar;
class QPushButton;

namespace Vireo::Widgets {

// The process-wide "please wait" box shown during long device operations: a spinning indicator,
// an informative text coloured by severity and an optional cancel button. It refuses to be closed
// by the window system; only hideWaitingDialog() (or hide()) takes it away.
class VIREOWIDGETS_EXPORT WaitingDialog : public QDialog
{
    Q_OBJECT
public:
    enum IndicatorSize { Small = 0, Medium = 1, Large = 2 };
    Q_ENUM(IndicatorSize)
    enum TooltipLevel { Normal = 0, Warning = 1, Error = 2 };
    Q_ENUM(TooltipLevel)

    static const QColor DEFAULT_BORDER_COLOR;
    static const QColor DEFAULT_BACKGROUND;
    static const QColor DEFAULT_SHADOW_COLOR;

    // Creates the dialog on first use with the parent and flags of that call; later calls ignore
    // their arguments. After deleteInstance() (or the deletion of its parent) the next call
    // creates a new one.
    static WaitingDialog* instance(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    static void deleteInstance();

    ~WaitingDialog() override;

    void showWaitingDialog(const QString& text, TooltipLevel level = Normal);
    void hideWaitingDialog();

    void setInformativeText(const QString& text, TooltipLevel level = Normal);
    QString informativeText() const;
    void setButtonText(const QString& text);
    void setCanelVisible(bool visible);
    void setCancelEnable(bool enable);
    void setIndicatorSize(IndicatorSize size);
    IndicatorSize indicatorSize() const;
    void attachToWidget(QWidget* widget);
    void resizeToParent();
    void moveToCenter();
    void setParentChanged(bool changed);
    void step();

    // The indicator image's size in device-independent pixels.
    QSize sizeHint() const override;

signals:
    void signal_canelLoad();

public slots:
    void hide();
    void slotCanelLoad();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

public:
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    explicit WaitingDialog(QWidget* parent, Qt::WindowFlags f);
    void retranslateUi();
    void setWindowStateShow(bool shown);

    static WaitingDialog* m_pInstance;
    IndicatorSize m_size = Large;
    int m_rotationStep = 30;
    int m_rotation = 0;
    QTimer m_timer;
    QPixmap m_pixmap;
    QLabel* m_pInformativeLabel = nullptr;
    bool m_bIsSetParent = false;
    bool m_bAltKeyPressed = false;
    QPushButton* m_pCanelButton = nullptr;
    QFrame* m_pCanelFrame = nullptr;
    QFrame* m_pLineFrame = nullptr;
    QFrame* m_pPictureFrame = nullptr;
};

// A bar and a percentage label for jobs made of several steps, such as firmware upgrades.
class VIREOWIDGETS_EXPORT ProgressBarCtr : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressBarCtr(QWidget* parent = nullptr);
    ~ProgressBarCtr() override;

    // Number of sub-jobs; the bar then counts to 100 per sub-job.
    void setCount(int count);
    void setProcess(double value);
    void setCurrentValue(double value);
    int currentValue() const;
    void setSpecialValue(double value);
    void setSpecialProcess(double value);
    void setFinish();
    void setError();
    void setError(QString text);
    void setInfo(QString text);
    void Clear();
    void setProcessShow(bool show);

private:
    enum class State { Progress, Success, Failure };
    static QColor stateColor(State state);
    void setState(State state);
    void setBarValue(double value);

    QProgressBar* m_pProgressBar = nullptr;
    QLabel* m_pValueLabel = nullptr;
    int m_nSubCount = 1;
};

// Translucent overlay with a progress bar, laid over a panel while it is busy.
class VIREOWIDGETS_EXPORT MaskProgressWidget : public QToolButton
{
    Q_OBJECT
public:
    explicit MaskProgressWidget(QToolButton* parent = nullptr);
    ~MaskProgressWidget() override;

    void setProgressValue(unsigned char value);

private:
    QProgressBar* m_pProgressBar = nullptr;
    QLabel* m_pValueLabel = nullptr;
};

// Translucent black overlay with a centred picture and a line of text below it.
class VIREOWIDGETS_EXPORT MaskPanelWidget : public QFrame
{
    Q_OBJECT
public:
    explicit MaskPanelWidget(QFrame* parent = nullptr);
    ~MaskPanelWidget() override;

    void setText(const QString& text);
    QString text() const;
    void setPixmapPath(const QString& path);
    QString pixmapPath() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_pixmapPath;
    QString m_text;
    QPixmap m_pixmap;
};

} // namespace Vireo::Widgets
