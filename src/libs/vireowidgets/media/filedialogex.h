#pragma once

#include <vireowidgets/foundation/navisliderframe.h>
#include <vireowidgets/vireowidgets_export.h>

#include <zkwidgets/framelessdialog.h>

#include <QByteArray>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QIcon>
#include <QList>
#include <QMap>
#include <QPair>
#include <QPointer>
#include <QSharedPointer>
#include <QStandardItemModel>
#include <QString>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QToolButton>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QSpacerItem;
class QVBoxLayout;

namespace Vireo::Utils {
class UDiskWatcher;
}

namespace Vireo::Widgets {

class FileDialogEx;

// One entry of the folder shown by the file dialog.
struct VIREOWIDGETS_EXPORT FileListItme
{
    QString strParentPath; // the entry's absolute path
    QString strName;
    QIcon iconFile;
    Qt::CheckState checkState = Qt::Unchecked;
    bool isReturn = false; // the way up ("..")
};

// The contents of one folder of a USB drive: folders first, then the files matching the name
// patterns. The rows live in m_listFile and are answered directly, so a listing costs one model
// reset whatever the number of entries, and every row shares one of the icons loaded at
// construction.
class VIREOWIDGETS_EXPORT FileDialogExRightListModel : public QStandardItemModel
{
    Q_OBJECT
public:
    enum FileInfoDataRole {
        DisplayRole = 0,
        CheckStateRole = 357,
        RootPathRole = 358,
        IsReturnRole = 359,
        FilePathRole = 360,
    };

    explicit FileDialogExRightListModel(QString strRootPath, QObject* parent = nullptr);
    ~FileDialogExRightListModel() override;

    // Lists `strRootPath` (the folder) with `filter` for its files; see the .cpp.
    void entryDirectory(QString strRootPath, QDir::Filters filter);
    void setRootPath(QString strRootPath);
    QString rootPath() const { return m_strRootPath; }
    // Canonical path of the folder listed; empty before the first listing.
    QString currentPath() const;
    QModelIndex indexFromPath(const QString& path, int column = 0) const;
    void setFilter(QStringList filters);
    QStringList filter() const { return m_filters; }
    void changeCheckState();
    // Empties the listing (one reset).
    void clear();
    const QList<FileListItme>& items() const { return m_listFile; }

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    QModelIndex sibling(int row, int column, const QModelIndex& idx) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QMap<int, QVariant> itemData(const QModelIndex& index) const override;
    bool setItemData(const QModelIndex& index, const QMap<int, QVariant>& roles) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

public slots:
    void onStateChanged(Qt::CheckState state);

private:
    const QIcon& iconForSuffix(const QString& lowerSuffix) const;

    QList<FileListItme> m_listFile;
    QString m_strRootPath;
    QDir m_currentPath;
    QStringList m_filters;
    QIcon icon_setting_u_return_normal_2x;
    QIcon icon_setting_u_file_normal;
    QIcon icon_setting_u_image_normal_2x;
    QIcon icon_setting_u_video_normal_2x;
    QIcon icon_setting_u_word_normal_2x;
    QIcon icon_setting_u_execl_normal_2x;
    QIcon icon_setting_u_ppt_normal_2x;
    QIcon icon_setting_u_zip_normal_2x;
    QIcon icon_setting_u_up_2x;
    QIcon icon_setting_u_orther_2x;
    QIcon icon_setting_u_vireo_2x;
    bool m_bListed = false;
};

// Toggles an entry's check mark when it is pressed (for views that show check marks).
class VIREOWIDGETS_EXPORT FileDialogCheckBoxDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit FileDialogCheckBoxDelegate(QObject* parent = nullptr);
    ~FileDialogCheckBoxDelegate() override;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;
};

// One USB drive of the drive list: a checkable button with an icon and the port name.
class VIREOWIDGETS_EXPORT UDiskListWidgetItem : public QToolButton
{
    Q_OBJECT
public:
    explicit UDiskListWidgetItem(const QPair<QString, QString>& usbPortForPath, QWidget* parent = nullptr);
    ~UDiskListWidgetItem() override;

    void setUsbPortForPath(const QPair<QString, QString>& usbPortForPath);
    QString usbPortName() const { return m_usbPortForPath.first; }
    QString usbRootPath() const { return m_usbPortForPath.second; }
    QSize sizeHint() const override;

private:
    QPair<QString, QString> m_usbPortForPath;
    QToolButton* m_pButtonIcon = nullptr;
    QLabel* m_pLabelUPort = nullptr;
};

// The vertical list of mounted USB drives.
class VIREOWIDGETS_EXPORT UDiskListWidget : public NaviSliderFrame
{
    Q_OBJECT
public:
    explicit UDiskListWidget(QWidget* parent = nullptr);
    ~UDiskListWidget() override;

    void initUDiskList(const QList<QPair<QString, QString>>& udisks);
    UDiskListWidgetItem* activatedUDiskListWidgetItem() const;
    void setActivatedItem(const QString& strUsbRootPath);
    bool containsItem(const QString& strPortName, const QString& strPath) const;
    void retranslateUi() override;
};

// The form of the dialog's body.
struct VIREOWIDGETS_EXPORT Ui_FileDialogEx
{
    QVBoxLayout* verticalLayout_3 = nullptr;
    QHBoxLayout* horizontalLayout_3 = nullptr;
    QVBoxLayout* verticalLayout = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
    QLabel* label_4 = nullptr;
    QSpacerItem* horizontalSpacer = nullptr;
    QToolButton* btnRefresh = nullptr;
    QFrame* frame_2 = nullptr;
    UDiskListWidget* frameUDiskList = nullptr;
    QFrame* frame_4 = nullptr;
    QVBoxLayout* verticalLayout_2 = nullptr;
    QHBoxLayout* horizontalLayout_2 = nullptr;
    QLabel* labelPathIcon = nullptr;
    QLabel* labelPath = nullptr;
    QPushButton* btnEnter = nullptr;
    QPushButton* btnMultiCheck = nullptr;
    QFrame* frame_3 = nullptr;
    QListView* listViewRight = nullptr;
    QFrame* frame = nullptr;
    QGridLayout* gridLayout = nullptr;
    QSpacerItem* horizontalSpacer_2 = nullptr;
    QLabel* label_3 = nullptr;
    QLineEdit* fileNameEdit = nullptr;
    QPushButton* btnOK = nullptr;
    QLabel* fileTypeLabel = nullptr;
    QComboBox* fileTypeCombo = nullptr;
    QPushButton* btnCancel = nullptr;

    void setupUi(QFrame* body);
    void retranslateUi(QFrame* body);
};

namespace Internal {

// The body of FileDialogEx: drive list, folder view, name line and type box.
class VIREOWIDGETS_EXPORT FileDialogExPrivate : public QFrame
{
    Q_OBJECT
public:
    FileDialogExPrivate(const QString& directory, const QString& nameFilter, const QString& caption,
        FileDialogEx* dialog, const QString& fileName = QString());
    ~FileDialogExPrivate() override;

    void createWidgets();
    void createConnects();
    void retranslateUi();
    void setFileMode(QFileDialog::FileMode mode);
    void setAcceptMode(QFileDialog::AcceptMode mode);
    void setNameFilters(const QStringList& filters);
    QStringList selectedFiles() const;
    QStringList typedFiles() const;
    QModelIndexList selectedRows() const;
    bool isFolderMode() const;
    void updateLabelPath(const QString& strFullPath);
    // The canonical root of the checked drive, empty when none is checked.
    QString driveRoot() const;
    // Whether `path` (existing or to be created) stays inside the checked drive once every
    // "..", symbolic link and relative part is resolved.
    bool isInsideDrive(const QString& path) const;
    // The patterns of one file-type entry: the text between "(" and ")", or the whole entry when
    // it has no parentheses.
    static QStringList patternsOf(const QString& filterEntry);

    QString m_strDirectory;
    QString m_strFileName;
    QString m_strNameFilter;
    QString m_strCaption;
    QPointer<QListView> pListViewRight;
    QPointer<FileDialogExRightListModel> m_pFileListModel;
    Ui_FileDialogEx* ui = nullptr;
    QFileDialog::AcceptMode acceptModeOptions = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileModeOptions = QFileDialog::AnyFile;
    bool m_bModeSet = false; // a file or accept mode was set: the OK button names the action
    QPointer<QObject> receiverToDisconnectOnClose;
    QByteArray memberToDisconnectOnClose;
    QByteArray signalToDisconnectOnClose;
    QSharedPointer<Vireo::Utils::UDiskWatcher> m_pUDiskWatcher;
    bool useDefaultCaption = false;
    QString m_strRootPath;
    QStringList m_nameFilters;
    QStringList m_lstFilter;
    FileDialogEx* m_pDialog = nullptr;

public slots:
    void enterDirectory(const QModelIndex& index);
    void enterDirectory();
    void setCurrentDirectory(const QString& strDirectory);
    void userSelectedFiles();
    void selectionChange();
    void updateOkButton();
    void updateOkButtonText(bool saveAsOnFolder = false);
    void autoCompleteFileName(const QString& text);
    void useNameFilter(int index);
    void slotUDiskChanged();
    void slotFrameUDiskListItemToggled(QAbstractButton* button, bool b);
    void slotButtonRefreshClicked();

public:
    void enterDirectory(const QString& strPath);

private:
    void listFolder(const QString& folder);
    void updateFileNameFromType();
    void fillTypeCombo();
    void setFileNameText(const QString& text);
    bool m_bSettingName = false;
};

} // namespace Internal

// The file dialog for USB drives: the mounted drives on the left, the folder shown on the right,
// a name line and a type box below. Browsing never leaves the chosen drive.
class VIREOWIDGETS_EXPORT FileDialogEx : public ZK::Widgets::FramelessDialog
{
    Q_OBJECT
public:
    explicit FileDialogEx(QWidget* parent = nullptr);
    FileDialogEx(QWidget* parent, const QString& fileName, const QString& caption, const QString& directory,
        const QString& filter);
    ~FileDialogEx() override;

    static QString getOpenFileName(QWidget* parent, const QString& caption, const QString& filter);
    static QStringList getOpenFileNames(QWidget* parent, const QString& caption, const QString& filter);
    static QString getSaveFileName(
        QWidget* parent, const QString& caption, const QString& fileName, const QString& filter);
    static QString getExistingDirectory(QWidget* parent, const QString& caption);

    // True when at least one USB drive partition is mounted: runs the drive probe command (by
    // default "blkid", the first one on PATH) and keeps the partitions "/dev/sdXN" whose mount
    // folder "<mount folder>sdXN" exists (by default under "/mnt/").
    static bool judgeUSBDrivePath();
    // Points judgeUSBDrivePath at another mount folder (with its trailing "/") and another
    // command, run through the shell, whose output has blkid's form; empty strings restore the
    // defaults. For simulated drives and tests.
    static void setUSBDriveProbe(const QString& mountFolder, const QString& command);
    static QString usbMountFolder();
    static QString usbProbeCommand();
    // The drives named by blkid output: mount point -> volume label, for the lines of partitions
    // "/dev/sd..." whose mount point ("/dev/" replaced by `mountFolder`) is one of `mountedFolders`.
    // Lines are taken whole, whatever their length.
    static QMap<QString, QString> parseBlkidOutput(const QByteArray& output, const QStringList& mountedFolders,
        const QString& mountFolder = QStringLiteral("/mnt/"));

    QStringList selectedFiles() const;
    QStringList selectedUrls() const;
    void setFileMode(QFileDialog::FileMode mode);
    QFileDialog::FileMode fileMode() const;
    void setAcceptMode(QFileDialog::AcceptMode mode);
    QFileDialog::AcceptMode acceptMode() const;
    void setNameFilter(const QString& filter);
    void setNameFilters(const QStringList& filters);
    QStringList nameFilters() const;
    void setNameFilterModel(const QStringList& filters);

    QSize sizeHint() const override;
    using ZK::Widgets::FramelessDialog::open;
    void open(QObject* receiver, const char* member) override;

    Internal::FileDialogExPrivate* d_func() const { return d; }

public slots:
    void accept() override;
    void done(int result) override;

signals:
    void fileSelected(QString file);
    void filesSelected(QStringList files);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void init();
    void emitAndAccept(const QStringList& files);
    bool refuseOutsideDrive(const QStringList& files);

    Internal::FileDialogExPrivate* d = nullptr;
};

} // namespace Vireo::Widgets
