#include "filedialogex.h"

#include <vireowidgets/foundation/theming.h>

#include <vireomodel/utils.h>
#include <zkwidgets/filereader.h>
#include <zkwidgets/framelessmessagebox.h>

#include <QApplication>
#include <QComboBox>
#include <QDebug>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalBlocker>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <cstdio>
#include <unistd.h>

// DirectoryOnly and AdjustToMinimumContentsLength are the modes this dialog is asked for.
QT_WARNING_DISABLE_DEPRECATED

namespace Vireo::Widgets {

namespace {

const QString kDefaultMountFolder = QStringLiteral("/mnt/");
const QString kDefaultProbeCommand = QStringLiteral("blkid");
// blkid prints a few hundred bytes per partition; more than this is not blkid.
constexpr qint64 kMaxProbeOutput = 1 << 20;

struct UsbProbe
{
    QString mountFolder = kDefaultMountFolder;
    QString command = kDefaultProbeCommand;
};

UsbProbe& usbProbe()
{
    static UsbProbe probe;
    return probe;
}

QFrame* separatorLine(QFrame::Shape shape, const QString& name, QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Plain);
    if (shape == QFrame::HLine)
        line->setFixedHeight(1);
    else
        line->setFixedWidth(1);
    line->setProperty("isSpecialBackgroundSeparator", true);
    return line;
}

bool isInsideRoot(const QString& canonicalPath, const QString& canonicalRoot)
{
    if (canonicalRoot.isEmpty() || canonicalPath.isEmpty())
        return false;
    if (canonicalPath == canonicalRoot)
        return true;
    const QString prefix = canonicalRoot.endsWith(QLatin1Char('/')) ? canonicalRoot : canonicalRoot + QLatin1Char('/');
    return canonicalPath.startsWith(prefix);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// FileDialogExRightListModel

FileDialogExRightListModel::FileDialogExRightListModel(QString strRootPath, QObject* parent)
    : QStandardItemModel(parent)
    , m_strRootPath(std::move(strRootPath))
{
    using Vireo::Utils::Icon;
    icon_setting_u_return_normal_2x = Icon::fromTheme(QStringLiteral("icon_setting_u_return_normal_2x"));
    icon_setting_u_file_normal = Icon::fromTheme(QStringLiteral("icon_setting_u_file_normal"));
    icon_setting_u_image_normal_2x = Icon::fromTheme(QStringLiteral("icon_setting_u_image_normal_2x"));
    icon_setting_u_video_normal_2x = Icon::fromTheme(QStringLiteral("icon_setting_u_video_normal_2x"));
    icon_setting_u_word_normal_2x = Icon::fromTheme(QStringLiteral("icon_setting_u_word_normal_2x"));
    icon_setting_u_execl_normal_2x = Icon::fromTheme(QStringLiteral("icon_setting_u_execl_normal_2x"));
    icon_setting_u_ppt_normal_2x = Icon::fromTheme(QStringLiteral("icon_setting_u_ppt_normal_2x"));
    icon_setting_u_zip_normal_2x = Icon::fromTheme(QStringLiteral("icon_setting_u_zip_normal_2x"));
    icon_setting_u_up_2x = Icon::fromTheme(QStringLiteral("icon_setting_u_up_2x"));
    icon_setting_u_orther_2x = Icon::fromTheme(QStringLiteral("icon_setting_u_orther_2x"));
    icon_setting_u_vireo_2x = Icon::fromTheme(QStringLiteral("icon_setting_u_vireo_2x"));
}

FileDialogExRightListModel::~FileDialogExRightListModel() = default;

const QIcon& FileDialogExRightListModel::iconForSuffix(const QString& lowerSuffix) const
{
    enum Kind { Image, Video, Word, Excel, Ppt, Zip, Project, Upgrade };
    static const QHash<QString, int> kinds = {
        {QStringLiteral("jpg"), Image},
        {QStringLiteral("jpge"), Image},
        {QStringLiteral("png"), Image},
        {QStringLiteral("bmp"), Image},
        {QStringLiteral("mp4"), Video},
        {QStringLiteral("flv"), Video},
        {QStringLiteral("avi"), Video},
        {QStringLiteral("docx"), Word},
        {QStringLiteral("doc"), Word},
        {QStringLiteral("xlsx"), Excel},
        {QStringLiteral("xls"), Excel},
        {QStringLiteral("pptx"), Ppt},
        {QStringLiteral("ppt"), Ppt},
        {QStringLiteral("zip"), Zip},
        {QStringLiteral("vireopro"), Project},
        {QStringLiteral("vireo"), Project},
        {QStringLiteral("img"), Upgrade},
    };
    switch (kinds.value(lowerSuffix, -1)) {
    case Image:
        return icon_setting_u_image_normal_2x;
    case Video:
        return icon_setting_u_video_normal_2x;
    case Word:
        return icon_setting_u_word_normal_2x;
    case Excel:
        return icon_setting_u_execl_normal_2x;
    case Ppt:
        return icon_setting_u_ppt_normal_2x;
    case Zip:
        return icon_setting_u_zip_normal_2x;
    case Project:
        return icon_setting_u_vireo_2x;
    case Upgrade:
        return icon_setting_u_up_2x;
    default:
        return icon_setting_u_orther_2x;
    }
}

void FileDialogExRightListModel::entryDirectory(QString strRootPath, QDir::Filters filter)
{
    if (strRootPath.isEmpty())
        return;
    QElapsedTimer timer;
    timer.start();

    beginResetModel();
    m_listFile.clear();
    m_currentPath = QDir(strRootPath);
    m_bListed = true;
    if (!m_currentPath.exists()) {
        endResetModel();
        return;
    }

    // Sub-folders (with the way up below the drive's root) and, when there are patterns, the
    // matching files, in one read of the folder: AllDirs keeps the patterns off the folders.
    const QString canonicalFolder = m_currentPath.canonicalPath();
    const QString canonicalRoot = QFileInfo(m_strRootPath).canonicalFilePath();
    const bool atRoot = m_strRootPath.isEmpty() || canonicalFolder == canonicalRoot;
    QDir dir(strRootPath);
    QDir::Filters filters = QDir::AllDirs | (atRoot ? QDir::NoDotAndDotDot : QDir::NoDot);
    if (!m_filters.isEmpty()) {
        dir.setNameFilters(m_filters);
        filters |= filter;
    }
    const QFileInfoList entries = dir.entryInfoList(filters, QDir::DirsFirst | QDir::Name | QDir::IgnoreCase);
    qDebug() << "*****QDir::entryInfoList Elapse === " << timer.elapsed() << "ms";

    m_listFile.reserve(entries.size());
    for (const QFileInfo& entry : entries) {
        FileListItme item;
        item.strParentPath = entry.absoluteFilePath();
        item.strName = entry.fileName();
        if (item.strName == QLatin1String("..")) {
            item.isReturn = true;
            item.iconFile = icon_setting_u_return_normal_2x;
            m_listFile.prepend(item); // the way up leads the list
            continue;
        }
        item.iconFile = entry.isDir() ? icon_setting_u_file_normal : iconForSuffix(entry.suffix().toLower());
        m_listFile.append(item);
    }
    endResetModel();
    qDebug() << "*****allList.size() == " << m_listFile.size() << "  *****allList Elapse === " << timer.elapsed()
             << "ms";
}

void FileDialogExRightListModel::setRootPath(QString strRootPath)
{
    m_strRootPath = std::move(strRootPath);
}

QString FileDialogExRightListModel::currentPath() const
{
    return m_bListed ? m_currentPath.canonicalPath() : QString();
}

QModelIndex FileDialogExRightListModel::indexFromPath(const QString& path, int column) const
{
    const QString clean = QDir::cleanPath(path);
    for (int row = 0; row < m_listFile.size(); ++row) {
        if (QDir::cleanPath(m_listFile.at(row).strParentPath) == clean)
            return index(row, column);
    }
    return {};
}

void FileDialogExRightListModel::setFilter(QStringList filters)
{
    m_filters = std::move(filters);
}

void FileDialogExRightListModel::changeCheckState() { }

void FileDialogExRightListModel::clear()
{
    beginResetModel();
    m_listFile.clear();
    endResetModel();
}

void FileDialogExRightListModel::onStateChanged(Qt::CheckState state)
{
    if (m_listFile.isEmpty())
        return;
    const Qt::CheckState target = state == Qt::Checked ? Qt::Checked : Qt::Unchecked;
    for (FileListItme& item : m_listFile)
        item.checkState = target;
    emit dataChanged(index(0, 0), index(m_listFile.size() - 1, 0), {CheckStateRole});
}

QModelIndex FileDialogExRightListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || column != 0 || row < 0 || row >= m_listFile.size())
        return {};
    return createIndex(row, column);
}

QModelIndex FileDialogExRightListModel::parent(const QModelIndex& child) const
{
    Q_UNUSED(child)
    return {};
}

QModelIndex FileDialogExRightListModel::sibling(int row, int column, const QModelIndex& idx) const
{
    Q_UNUSED(idx)
    return index(row, column);
}

int FileDialogExRightListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_listFile.size();
}

int FileDialogExRightListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

bool FileDialogExRightListModel::hasChildren(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_listFile.isEmpty();
}

QVariant FileDialogExRightListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= m_listFile.size())
        return {};
    const FileListItme& item = m_listFile.at(index.row());
    switch (role) {
    case DisplayRole:
        return item.isReturn ? tr("Go to parent") : item.strName;
    case Qt::DecorationRole:
        return item.iconFile;
    case Qt::SizeHintRole:
        return QSize(130, 114);
    case CheckStateRole:
        return int(item.checkState);
    case IsReturnRole:
        return item.isReturn;
    case FilePathRole:
        return item.strParentPath;
    default:
        return {};
    }
}

bool FileDialogExRightListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.model() != this || index.row() >= m_listFile.size())
        return false;
    FileListItme& item = m_listFile[index.row()];
    switch (role) {
    case DisplayRole:
        item.strName = value.toString();
        break;
    case Qt::DecorationRole:
        item.iconFile = value.value<QIcon>();
        break;
    case CheckStateRole:
        item.checkState = value.toBool() ? Qt::Checked : Qt::Unchecked;
        break;
    case IsReturnRole:
        item.isReturn = value.toBool();
        break;
    case FilePathRole:
        item.strParentPath = value.toString();
        break;
    default:
        return false;
    }
    emit dataChanged(index, index, {role});
    return true;
}

QMap<int, QVariant> FileDialogExRightListModel::itemData(const QModelIndex& index) const
{
    QMap<int, QVariant> roles;
    for (int role :
        {int(DisplayRole), int(Qt::DecorationRole), int(CheckStateRole), int(IsReturnRole), int(FilePathRole)}) {
        const QVariant value = data(index, role);
        if (value.isValid())
            roles.insert(role, value);
    }
    return roles;
}

bool FileDialogExRightListModel::setItemData(const QModelIndex& index, const QMap<int, QVariant>& roles)
{
    bool ok = true;
    for (auto it = roles.cbegin(); it != roles.cend(); ++it)
        ok = setData(index, it.value(), it.key()) && ok;
    return ok;
}

Qt::ItemFlags FileDialogExRightListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

QMimeData* FileDialogExRightListModel::mimeData(const QModelIndexList& indexes) const
{
    Q_UNUSED(indexes)
    return nullptr; // entries are not dragged
}

// ---------------------------------------------------------------------------------------------
// FileDialogCheckBoxDelegate

FileDialogCheckBoxDelegate::FileDialogCheckBoxDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{ }

FileDialogCheckBoxDelegate::~FileDialogCheckBoxDelegate() = default;

QSize FileDialogCheckBoxDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(option)
    Q_UNUSED(index)
    return {104, 98};
}

void FileDialogCheckBoxDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem noFocus(option);
    noFocus.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, noFocus, index);
}

bool FileDialogCheckBoxDelegate::editorEvent(
    QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() == QEvent::MouseButtonPress && model && index.isValid() && index.column() == 0) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (option.rect.contains(mouse->pos())) {
            const bool checked = index.data(FileDialogExRightListModel::CheckStateRole).toInt() == Qt::Checked;
            model->setData(index, !checked, FileDialogExRightListModel::CheckStateRole);
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

// ---------------------------------------------------------------------------------------------
// UDiskListWidgetItem

UDiskListWidgetItem::UDiskListWidgetItem(const QPair<QString, QString>& usbPortForPath, QWidget* parent)
    : QToolButton(parent)
{
    setCheckable(true);
    setFixedSize(140, 60);
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(16);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pButtonIcon = new QToolButton(this);
    m_pButtonIcon->setFixedSize(36, 30);
    m_pButtonIcon->setContentsMargins(14, 14, 14, 14);
    m_pButtonIcon->setProperty("UDisButton", true);
    // Presses belong to the drive button around it.
    m_pButtonIcon->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pButtonIcon->setFocusPolicy(Qt::NoFocus);
    m_pLabelUPort = new QLabel(this);
    m_pLabelUPort->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addStretch(1);
    layout->addWidget(m_pButtonIcon);
    layout->addWidget(m_pLabelUPort);
    layout->addStretch(1);
    setUsbPortForPath(usbPortForPath);
}

UDiskListWidgetItem::~UDiskListWidgetItem() = default;

void UDiskListWidgetItem::setUsbPortForPath(const QPair<QString, QString>& usbPortForPath)
{
    m_usbPortForPath = usbPortForPath;
    m_pLabelUPort->setText(usbPortForPath.first.toUpper());
    setToolTip(usbPortForPath.second);
}

QSize UDiskListWidgetItem::sizeHint() const
{
    return {140, 60};
}

// ---------------------------------------------------------------------------------------------
// UDiskListWidget

UDiskListWidget::UDiskListWidget(QWidget* parent)
    : NaviSliderFrame(parent)
{
    setProperty("isFileDialogExUDiskList", true);
    setOrientation(Qt::Vertical);
    setNaviButtonVisible(Add, false);
    setNaviButtonVisible(Prev, false);
    setNaviButtonVisible(Next, false);
    setNaviButtonVisible(Clear, false);
    setContentLayoutContentsMargins(16, 16, 16, 16);
    setContentLayoutSpacing(6);
    setMainLayoutContentsMargins(0, 0, 0, 0);
    setMainLayoutSpacing(0);
    setScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFixedWidth(172);
}

UDiskListWidget::~UDiskListWidget() = default;

void UDiskListWidget::initUDiskList(const QList<QPair<QString, QString>>& udisks)
{
    contentButtonsHide();
    for (const auto& udisk : udisks) {
        auto* item = qobject_cast<UDiskListWidgetItem*>(takeFirstHideContentButton());
        if (item)
            item->setUsbPortForPath(udisk);
        else
            item = new UDiskListWidgetItem(udisk, this);
        addContentButton(item, false);
        item->show();
    }
    contentFrameResize();
}

UDiskListWidgetItem* UDiskListWidget::activatedUDiskListWidgetItem() const
{
    for (QAbstractButton* button : getContentButtons()) {
        if (button->isChecked())
            return qobject_cast<UDiskListWidgetItem*>(button);
    }
    return nullptr;
}

void UDiskListWidget::setActivatedItem(const QString& strUsbRootPath)
{
    for (QAbstractButton* button : getContentButtons()) {
        auto* item = qobject_cast<UDiskListWidgetItem*>(button);
        if (item && item->usbRootPath() == strUsbRootPath) {
            NaviSliderFrame::setActivatedItem(item, true);
            return;
        }
    }
}

bool UDiskListWidget::containsItem(const QString& strPortName, const QString& strPath) const
{
    Q_UNUSED(strPortName)
    for (QAbstractButton* button : getContentButtons()) {
        auto* item = qobject_cast<UDiskListWidgetItem*>(button);
        if (item && item->usbRootPath() == strPath)
            return true;
    }
    return false;
}

void UDiskListWidget::retranslateUi() { }

// ---------------------------------------------------------------------------------------------
// Ui_FileDialogEx

void Ui_FileDialogEx::setupUi(QFrame* body)
{
    if (body->objectName().isEmpty())
        body->setObjectName(QStringLiteral("FileDialogEx"));
    body->resize(1017, 722);
    body->setProperty("sizeGripEnabled", true);

    verticalLayout_3 = new QVBoxLayout(body);
    verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
    verticalLayout_3->setSpacing(0);
    verticalLayout_3->setContentsMargins(0, 0, 0, 0);

    horizontalLayout_3 = new QHBoxLayout();
    horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
    horizontalLayout_3->setSpacing(0);

    // Left column: the drives.
    verticalLayout = new QVBoxLayout();
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->setSpacing(0);
    horizontalLayout = new QHBoxLayout();
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    horizontalLayout->setContentsMargins(8, 0, 8, 0);
    label_4 = new QLabel(body);
    label_4->setObjectName(QStringLiteral("label_4"));
    label_4->setMinimumHeight(36);
    label_4->setMaximumHeight(32);
    horizontalLayout->addWidget(label_4);
    horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    horizontalLayout->addItem(horizontalSpacer);
    btnRefresh = new QToolButton(body);
    btnRefresh->setObjectName(QStringLiteral("btnRefresh"));
    btnRefresh->setMinimumSize(28, 28);
    btnRefresh->setIconSize(QSize(20, 17));
    btnRefresh->setProperty("uDisRefresh", true);
    horizontalLayout->addWidget(btnRefresh);
    verticalLayout->addLayout(horizontalLayout);
    frame_2 = separatorLine(QFrame::HLine, QStringLiteral("frame_2"), body);
    verticalLayout->addWidget(frame_2);
    frameUDiskList = new UDiskListWidget(body);
    frameUDiskList->setObjectName(QStringLiteral("frameUDiskList"));
    verticalLayout->addWidget(frameUDiskList);
    horizontalLayout_3->addLayout(verticalLayout);

    frame_4 = separatorLine(QFrame::VLine, QStringLiteral("frame_4"), body);
    horizontalLayout_3->addWidget(frame_4);

    // Right column: the folder shown.
    verticalLayout_2 = new QVBoxLayout();
    verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
    verticalLayout_2->setSpacing(0);
    horizontalLayout_2 = new QHBoxLayout();
    horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
    horizontalLayout_2->setSpacing(8);
    horizontalLayout_2->setContentsMargins(8, 0, 40, 0);
    labelPathIcon = new QLabel(body);
    labelPathIcon->setObjectName(QStringLiteral("labelPathIcon"));
    labelPathIcon->setFixedSize(20, 17);
    labelPathIcon->setScaledContents(true);
    labelPathIcon->setPixmap(QPixmap(Vireo::Utils::Icon::imageFileName(QStringLiteral("icon_setting_u_file_path"))));
    horizontalLayout_2->addWidget(labelPathIcon);
    labelPath = new QLabel(body);
    labelPath->setObjectName(QStringLiteral("labelPath"));
    labelPath->setMinimumWidth(586);
    labelPath->setMinimumHeight(36);
    labelPath->setMaximumHeight(32);
    labelPath->setMargin(8);
    labelPath->setWordWrap(false);
    horizontalLayout_2->addWidget(labelPath, 1);
    btnEnter = new QPushButton(body);
    btnEnter->setObjectName(QStringLiteral("btnEnter"));
    btnEnter->setMinimumSize(17, 28);
    btnEnter->setIcon(Vireo::Utils::Icon::fromTheme(QStringLiteral("icon_setting_u_file_normal")));
    btnEnter->setEnabled(false);
    horizontalLayout_2->addWidget(btnEnter);
    btnMultiCheck = new QPushButton(body);
    btnMultiCheck->setObjectName(QStringLiteral("btnMultiCheck"));
    btnMultiCheck->setEnabled(false);
    btnMultiCheck->setVisible(false);
    horizontalLayout_2->addWidget(btnMultiCheck);
    verticalLayout_2->addLayout(horizontalLayout_2);
    frame_3 = separatorLine(QFrame::HLine, QStringLiteral("frame_3"), body);
    verticalLayout_2->addWidget(frame_3);
    listViewRight = new QListView(body);
    listViewRight->setObjectName(QStringLiteral("listViewRight"));
    listViewRight->setStyleSheet(QStringLiteral("border: none;\nbackground-color: #393A3F;\n"));
    listViewRight->setProperty("FileListView", true);
    verticalLayout_2->addWidget(listViewRight);
    horizontalLayout_3->addLayout(verticalLayout_2, 1);
    verticalLayout_3->addLayout(horizontalLayout_3);

    frame = separatorLine(QFrame::HLine, QStringLiteral("frame"), body);
    verticalLayout_3->addWidget(frame);

    // Bottom: name line, type box, OK and Cancel.
    gridLayout = new QGridLayout();
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    gridLayout->setSpacing(8);
    gridLayout->setContentsMargins(0, 10, 20, 10);
    horizontalSpacer_2 = new QSpacerItem(100, 20, QSizePolicy::Fixed, QSizePolicy::Minimum);
    gridLayout->addItem(horizontalSpacer_2, 0, 0);
    label_3 = new QLabel(body);
    label_3->setObjectName(QStringLiteral("label_3"));
    label_3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    gridLayout->addWidget(label_3, 0, 1);
    fileNameEdit = new QLineEdit(body);
    fileNameEdit->setObjectName(QStringLiteral("fileNameEdit"));
    fileNameEdit->setInputMethodHints(Qt::ImhNoPredictiveText);
    fileNameEdit->setContextMenuPolicy(Qt::ActionsContextMenu);
    gridLayout->addWidget(fileNameEdit, 0, 2);
    btnOK = new QPushButton(body);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    gridLayout->addWidget(btnOK, 0, 3);
    fileTypeLabel = new QLabel(body);
    fileTypeLabel->setObjectName(QStringLiteral("fileTypeLabel"));
    fileTypeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    gridLayout->addWidget(fileTypeLabel, 1, 1);
    fileTypeCombo = new QComboBox(body);
    fileTypeCombo->setObjectName(QStringLiteral("fileTypeCombo"));
    fileTypeCombo->setDuplicatesEnabled(false);
    fileTypeCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLength);
    fileTypeCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    gridLayout->addWidget(fileTypeCombo, 1, 2);
    btnCancel = new QPushButton(body);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    gridLayout->addWidget(btnCancel, 1, 3);
    verticalLayout_3->addLayout(gridLayout);

    for (QPushButton* button : {btnOK, btnCancel, btnEnter, btnMultiCheck})
        button->setProperty("isTransparentBtn", true);

    retranslateUi(body);
}

void Ui_FileDialogEx::retranslateUi(QFrame* body)
{
    Q_UNUSED(body)
    label_4->setText(QCoreApplication::translate("FileDialogEx", "USB Disks"));
    btnEnter->setText(QCoreApplication::translate("FileDialogEx", "Open"));
    btnMultiCheck->setText(QCoreApplication::translate("FileDialogEx", "MutiSelect"));
    label_3->setText(QCoreApplication::translate("FileDialogEx", "File Name:"));
    btnOK->setText(QCoreApplication::translate("FileDialogEx", "OK"));
    fileTypeLabel->setText(QCoreApplication::translate("FileDialogEx", "File Type:"));
    btnCancel->setText(QCoreApplication::translate("FileDialogEx", "Cancel"));
}

// ---------------------------------------------------------------------------------------------
// FileDialogExPrivate

namespace Internal {

FileDialogExPrivate::FileDialogExPrivate(const QString& directory, const QString& nameFilter, const QString& caption,
    FileDialogEx* dialog, const QString& fileName)
    : QFrame(dialog)
    , m_strDirectory(directory)
    , m_strFileName(fileName)
    , m_strNameFilter(nameFilter)
    , m_strCaption(caption)
    , ui(new Ui_FileDialogEx)
    , m_pUDiskWatcher(new Vireo::Utils::UDiskWatcher(nullptr), &QObject::deleteLater)
    , m_pDialog(dialog)
{ }

FileDialogExPrivate::~FileDialogExPrivate()
{
    delete ui;
}

void FileDialogExPrivate::createWidgets()
{
    ui->setupUi(this);
    setProperty("isFileDialogEx", true);
    setFocusPolicy(Qt::StrongFocus);

    m_pFileListModel = new FileDialogExRightListModel(QString(), this);
    pListViewRight = ui->listViewRight;
    pListViewRight->setViewMode(QListView::IconMode);
    pListViewRight->setMovement(QListView::Static);
    pListViewRight->setLayoutMode(QListView::SinglePass);
    pListViewRight->setResizeMode(QListView::Adjust);
    pListViewRight->setWrapping(true);
    pListViewRight->setWordWrap(true);
    pListViewRight->setTextElideMode(Qt::ElideRight);
    pListViewRight->setFocusPolicy(Qt::NoFocus);
    pListViewRight->setIconSize(QSize(44, 47));
    pListViewRight->setToolTipDuration(1);
    // Every entry has the same size hint, so the layout need not ask each one.
    pListViewRight->setUniformItemSizes(true);
    pListViewRight->setSelectionMode(QAbstractItemView::SingleSelection);
    pListViewRight->setModel(m_pFileListModel);

    const QByteArray css = ZK::Utils::FileReader::fetchQrc(QStringLiteral(":/darkstyle/navisliderframe.css"));
    setStyleSheet(
        css.isNull() ? QString() : Theming::replaceCssImages(Theming::replaceCssColors(QString::fromUtf8(css))));
    // The OK button keeps the form's "OK" until a mode is set.
}

void FileDialogExPrivate::createConnects()
{
    connect(pListViewRight, &QListView::doubleClicked, this,
        static_cast<void (FileDialogExPrivate::*)(const QModelIndex&)>(&FileDialogExPrivate::enterDirectory));
    connect(pListViewRight->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &FileDialogExPrivate::selectionChange);
    connect(ui->btnEnter, &QPushButton::clicked, this,
        static_cast<void (FileDialogExPrivate::*)()>(&FileDialogExPrivate::enterDirectory));
    connect(ui->fileNameEdit, &QLineEdit::textChanged, this, &FileDialogExPrivate::autoCompleteFileName);
    connect(ui->fileTypeCombo, QOverload<int>::of(&QComboBox::activated), this, &FileDialogExPrivate::useNameFilter);
    connect(ui->btnOK, &QPushButton::clicked, m_pDialog, &FileDialogEx::accept);
    connect(ui->btnCancel, &QPushButton::clicked, m_pDialog, &FileDialogEx::reject);
    connect(ui->btnRefresh, &QToolButton::clicked, this, &FileDialogExPrivate::slotButtonRefreshClicked);
    connect(
        ui->frameUDiskList, &UDiskListWidget::itemToggled, this, &FileDialogExPrivate::slotFrameUDiskListItemToggled);
    connect(m_pUDiskWatcher.data(), &Vireo::Utils::UDiskWatcher::signalUDiskChanged, this,
        &FileDialogExPrivate::slotUDiskChanged);
}

void FileDialogExPrivate::retranslateUi()
{
    ui->retranslateUi(this);
    if (m_bModeSet)
        updateOkButtonText();
    fillTypeCombo();
}

bool FileDialogExPrivate::isFolderMode() const
{
    return fileModeOptions == QFileDialog::Directory || fileModeOptions == QFileDialog::DirectoryOnly;
}

void FileDialogExPrivate::setFileMode(QFileDialog::FileMode mode)
{
    fileModeOptions = mode;
    m_bModeSet = true;
    pListViewRight->setSelectionMode(
        mode == QFileDialog::ExistingFiles ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    fillTypeCombo();
    updateOkButtonText();
    // Folder modes list folders only, file modes the files too.
    if (!m_strRootPath.isEmpty())
        listFolder(m_strRootPath);
    updateOkButton();
}

void FileDialogExPrivate::setAcceptMode(QFileDialog::AcceptMode mode)
{
    acceptModeOptions = mode;
    m_bModeSet = true;
    updateOkButtonText();
    updateFileNameFromType();
    updateOkButton();
}

void FileDialogExPrivate::setNameFilters(const QStringList& filters)
{
    QStringList cleaned;
    for (const QString& filter : filters)
        cleaned << filter.simplified();
    m_lstFilter = cleaned;
    fillTypeCombo();
    // A new list starts at its first entry, in the box too (a refill for a language change keeps
    // the entry chosen).
    if (!m_lstFilter.isEmpty() && !isFolderMode()) {
        const QSignalBlocker blocker(ui->fileTypeCombo);
        ui->fileTypeCombo->setCurrentIndex(0);
    }
    useNameFilter(0);
}

void FileDialogExPrivate::fillTypeCombo()
{
    const QSignalBlocker blocker(ui->fileTypeCombo);
    const int current = ui->fileTypeCombo->currentIndex();
    ui->fileTypeCombo->clear();
    if (isFolderMode()) {
        ui->fileTypeCombo->addItem(tr("Directories"));
        ui->fileTypeCombo->setEnabled(false);
        return;
    }
    ui->fileTypeCombo->addItems(m_lstFilter);
    ui->fileTypeCombo->setEnabled(true);
    if (current >= 0 && current < m_lstFilter.size())
        ui->fileTypeCombo->setCurrentIndex(current);
}

QStringList FileDialogExPrivate::patternsOf(const QString& filterEntry)
{
    const int open = filterEntry.indexOf(QLatin1Char('('));
    const int close = filterEntry.lastIndexOf(QLatin1Char(')'));
    // A filter such as "*.bin *.dat" has no description around its patterns: it is the patterns.
    const QString patterns = (open >= 0 && close > open) ? filterEntry.mid(open + 1, close - open - 1) : filterEntry;
    return patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void FileDialogExPrivate::useNameFilter(int index)
{
    m_nameFilters = patternsOf(m_lstFilter.value(index));
    if (!m_strRootPath.isEmpty())
        listFolder(m_strRootPath);
    updateFileNameFromType();
}

void FileDialogExPrivate::updateFileNameFromType()
{
    if (acceptModeOptions != QFileDialog::AcceptSave || m_strFileName.isEmpty())
        return;
    QString name = m_strFileName;
    const QFileInfo info(m_strFileName);
    const bool anyName = m_nameFilters.contains(QStringLiteral("*"));
    if (!m_nameFilters.isEmpty() && !anyName && !m_nameFilters.contains(QStringLiteral("*.") + info.suffix())) {
        QString extension = m_nameFilters.first();
        extension.remove(QLatin1Char('*'));
        name = info.completeBaseName() + extension;
    }
    setFileNameText(name);
}

void FileDialogExPrivate::setFileNameText(const QString& text)
{
    const bool wasSetting = m_bSettingName;
    m_bSettingName = true;
    ui->fileNameEdit->setText(text);
    m_bSettingName = wasSetting;
}

QString FileDialogExPrivate::driveRoot() const
{
    const UDiskListWidgetItem* item = ui->frameUDiskList->activatedUDiskListWidgetItem();
    if (!item)
        return {};
    return QFileInfo(item->usbRootPath()).canonicalFilePath();
}

bool FileDialogExPrivate::isInsideDrive(const QString& path) const
{
    const QString root = driveRoot();
    if (root.isEmpty() || path.isEmpty())
        return false;
    // Resolve the longest part of the path that exists (links included); the rest is what would
    // be created below it.
    QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    QString rest;
    while (!info.exists()) {
        if (info.isSymLink())
            return false; // a dangling link: where it leads is not known until something is written
        const QString up = info.absolutePath();
        if (up == info.absoluteFilePath())
            return false;
        rest.prepend(QLatin1Char('/') + info.fileName());
        info.setFile(up);
    }
    return isInsideRoot(info.canonicalFilePath() + rest, root);
}

void FileDialogExPrivate::updateLabelPath(const QString& strFullPath)
{
    const UDiskListWidgetItem* item = ui->frameUDiskList->activatedUDiskListWidgetItem();
    if (!item || strFullPath.isEmpty()) {
        ui->labelPath->setText(QString());
        ui->labelPath->setProperty("FullPath", QString());
        return;
    }
    ui->labelPath->setProperty("FullPath", strFullPath);
    QString relative = strFullPath;
    for (const QString& root : {item->usbRootPath(), QFileInfo(item->usbRootPath()).canonicalFilePath()}) {
        if (!root.isEmpty() && isInsideRoot(strFullPath, QDir::cleanPath(root))) {
            relative = strFullPath.mid(QDir::cleanPath(root).size());
            break;
        }
    }
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    const QString text = item->usbPortName().toUpper() + QLatin1Char('/') + relative;
    ui->labelPath->setText(ui->labelPath->fontMetrics().elidedText(text, Qt::ElideRight, 500));
}

void FileDialogExPrivate::listFolder(const QString& folder)
{
    QString path = QFileInfo(folder).canonicalFilePath();
    if (path.isEmpty())
        path = QDir::cleanPath(folder); // vanished: listed as empty
    const UDiskListWidgetItem* item = ui->frameUDiskList->activatedUDiskListWidgetItem();
    m_pFileListModel->setRootPath(item ? item->usbRootPath() : path);
    m_pFileListModel->setFilter(m_nameFilters);
    m_pFileListModel->entryDirectory(path, isFolderMode() ? QDir::Filters() : QDir::Filters(QDir::Files));
    m_strRootPath = path;
    updateLabelPath(path);
    ui->btnEnter->setEnabled(false);
    updateOkButton();
}

void FileDialogExPrivate::setCurrentDirectory(const QString& strDirectory)
{
    listFolder(strDirectory);
}

void FileDialogExPrivate::enterDirectory(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    enterDirectory(index.data(FileDialogExRightListModel::FilePathRole).toString());
}

void FileDialogExPrivate::enterDirectory()
{
    const QModelIndexList rows = selectedRows();
    for (const QModelIndex& row : rows) {
        const QString path = row.data(FileDialogExRightListModel::FilePathRole).toString();
        if (QFileInfo(path).isDir()) {
            enterDirectory(path);
            return;
        }
    }
}

void FileDialogExPrivate::enterDirectory(const QString& strPath)
{
    ui->btnEnter->setEnabled(false);
    const QFileInfo info(strPath);
    if (info.exists() && !info.isDir()) {
        m_pDialog->accept();
        return;
    }
    if (!isInsideDrive(strPath)) {
        qWarning() << "FileDialogEx: refusing to leave the USB flash disk for" << strPath;
        ZK::Widgets::FramelessMessageBox::warning(m_pDialog, m_pDialog->windowTitle(),
            FileDialogEx::tr("%1\nThis location is outside the USB flash disk.\nPlease choose a location on the disk.")
                .arg(info.fileName()),
            QMessageBox::Ok);
        return;
    }
    listFolder(strPath);
    const QString folderName = QFileInfo(m_strRootPath).fileName();
    if (!folderName.isEmpty() && ui->fileNameEdit->text() == folderName)
        setFileNameText(QString());
}

QModelIndexList FileDialogExPrivate::selectedRows() const
{
    if (!pListViewRight || !pListViewRight->selectionModel())
        return {};
    QModelIndexList rows = pListViewRight->selectionModel()->selectedIndexes();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    return rows;
}

QStringList FileDialogExPrivate::typedFiles() const
{
    const QString text = ui->fileNameEdit->text();
    QStringList names;
    if (text.contains(QLatin1Char('"'))) {
        static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
        auto it = quoted.globalMatch(text);
        while (it.hasNext())
            names << it.next().captured(1);
    } else if (!text.isEmpty()) {
        names << text;
    }
    QStringList files;
    for (const QString& name : names) {
        if (m_strRootPath.isEmpty())
            files << QDir::cleanPath(name);
        else
            files << QDir::cleanPath(QDir(m_strRootPath).absoluteFilePath(name));
    }
    return files;
}

QStringList FileDialogExPrivate::selectedFiles() const
{
    QStringList files;
    for (const QModelIndex& row : selectedRows())
        files << QDir::cleanPath(row.data(FileDialogExRightListModel::FilePathRole).toString());
    if (files.isEmpty())
        files = typedFiles();
    if (files.isEmpty() && fileModeOptions != QFileDialog::ExistingFile &&
        fileModeOptions != QFileDialog::ExistingFiles && !m_strRootPath.isEmpty())
        files << m_strRootPath;
    return files;
}

void FileDialogExPrivate::userSelectedFiles()
{
    updateOkButton();
}

void FileDialogExPrivate::selectionChange()
{
    const QModelIndexList rows = selectedRows();
    if (rows.size() == 1 && rows.first().data(FileDialogExRightListModel::IsReturnRole).toBool()) {
        enterDirectory(rows.first().data(FileDialogExRightListModel::FilePathRole).toString());
        return;
    }
    bool folderSelected = false;
    QStringList names;
    for (const QModelIndex& row : rows) {
        if (row.data(FileDialogExRightListModel::IsReturnRole).toBool())
            continue;
        const QFileInfo info(row.data(FileDialogExRightListModel::FilePathRole).toString());
        folderSelected = folderSelected || info.isDir();
        if (info.isDir() == isFolderMode())
            names << info.fileName();
    }
    ui->btnEnter->setEnabled(folderSelected);
    if (names.size() > 1) {
        for (QString& name : names)
            name = QLatin1Char('"') + name + QLatin1Char('"');
    }
    const QString text = names.join(QLatin1Char(' '));
    if (!m_bSettingName && ui->fileNameEdit->isVisible() && !ui->fileNameEdit->hasFocus() && !text.isEmpty())
        setFileNameText(text);
    updateOkButton();
}

void FileDialogExPrivate::autoCompleteFileName(const QString& text)
{
    if (m_bSettingName) {
        updateOkButton();
        return;
    }
    QItemSelectionModel* selection = pListViewRight->selectionModel();
    const bool wasSetting = m_bSettingName;
    m_bSettingName = true; // the selection made here must not write the line back
    if (text.startsWith(QLatin1String("//")) || text.startsWith(QLatin1Char('\\'))) {
        selection->clearSelection();
    } else {
        // Only a text whose every name is listed selects: otherwise the names typed stay the
        // choice, so that one missing is reported rather than silently dropped.
        QItemSelection matches;
        bool allListed = true;
        for (const QString& path : typedFiles()) {
            const QModelIndex index = m_pFileListModel->indexFromPath(path);
            if (index.isValid())
                matches.select(index, index);
            else
                allListed = false;
        }
        if (matches.isEmpty() || !allListed)
            selection->clearSelection();
        else
            selection->select(matches, QItemSelectionModel::ClearAndSelect);
    }
    m_bSettingName = wasSetting;
    updateOkButton();
}

void FileDialogExPrivate::updateOkButton()
{
    const QString text = ui->fileNameEdit->text();
    bool enabled = true;
    if (text.startsWith(QLatin1String("//")) || text.startsWith(QLatin1Char('\\'))) {
        enabled = true;
    } else if (selectedRows().isEmpty() && typedFiles().isEmpty()) {
        enabled = isFolderMode();
    } else if (fileModeOptions == QFileDialog::ExistingFile || fileModeOptions == QFileDialog::ExistingFiles) {
        for (const QString& path : selectedFiles()) {
            if (QFileInfo(path).isDir()) {
                enabled = false;
                break;
            }
        }
    }
    ui->btnOK->setEnabled(enabled);
}

void FileDialogExPrivate::updateOkButtonText(bool saveAsOnFolder)
{
    QString text;
    if (isFolderMode())
        text = tr("Choose");
    else if (acceptModeOptions == QFileDialog::AcceptSave && !saveAsOnFolder)
        text = tr("Save");
    else
        text = tr("Apply");
    ui->btnOK->setText(text);
}

void FileDialogExPrivate::slotUDiskChanged()
{
    const UDiskListWidgetItem* checked = ui->frameUDiskList->activatedUDiskListWidgetItem();
    const QString checkedRoot = checked ? checked->usbRootPath() : QString();
    const QList<QPair<QString, QString>> ports = m_pUDiskWatcher->udiskPorts();
    {
        const QSignalBlocker blocker(ui->frameUDiskList);
        ui->frameUDiskList->initUDiskList(ports);
    }
    if (ports.isEmpty()) {
        m_pFileListModel->clear();
        m_strRootPath.clear();
        setFileNameText(QString());
        updateLabelPath(QString());
        updateOkButton();
        return;
    }
    if (!checkedRoot.isEmpty() && ui->frameUDiskList->containsItem(QString(), checkedRoot)) {
        {
            const QSignalBlocker blocker(ui->frameUDiskList);
            ui->frameUDiskList->setActivatedItem(checkedRoot);
        }
        const QString shown = ui->labelPath->property("FullPath").toString();
        listFolder(shown.isEmpty() || !isInsideDrive(shown) ? checkedRoot : shown);
        return;
    }
    ui->frameUDiskList->setActivatedItem(ports.first().second);
}

void FileDialogExPrivate::slotFrameUDiskListItemToggled(QAbstractButton* button, bool b)
{
    if (!b)
        return;
    auto* item = qobject_cast<UDiskListWidgetItem*>(button);
    if (!item)
        return;
    setCurrentDirectory(item->usbRootPath());
    updateOkButton();
    updateFileNameFromType();
}

void FileDialogExPrivate::slotButtonRefreshClicked()
{
    m_pUDiskWatcher->refreshUDisk();
}

} // namespace Internal

// ---------------------------------------------------------------------------------------------
// FileDialogEx

FileDialogEx::FileDialogEx(QWidget* parent)
    : FileDialogEx(parent, QString(), QString(), QString(), QString())
{ }

FileDialogEx::FileDialogEx(
    QWidget* parent, const QString& fileName, const QString& caption, const QString& directory, const QString& filter)
    : ZK::Widgets::FramelessDialog(parent)
    , d(new Internal::FileDialogExPrivate(directory, filter, caption, this, fileName))
{
    setObjectName(QStringLiteral("FileDialogEx"));
    init();
    setNameFilter(filter);
}

FileDialogEx::~FileDialogEx() = default; // d is a child widget

void FileDialogEx::init()
{
    d->createWidgets();
    auto* layout = new QVBoxLayout;
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d);
    setLayout(layout);
    setDialogMovable(true);
    setDialogResizable(false);
    setMaxButtonVisible(false);
    setCloseButtonVisible(true);
    setBottomBarVisible(false);
    setOKButtonVisible(false);
    setCancelButtonVisible(false);
    setWindowTitle(d->m_strCaption);
    d->createConnects();
}

QString FileDialogEx::getOpenFileName(QWidget* parent, const QString& caption, const QString& filter)
{
    FileDialogEx dialog(parent, QString(), caption, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() == 1) {
        const QString file = dialog.selectedFiles().value(0);
        qDebug() << "FileDialogEx::getOpenFileName" << file;
        return file;
    }
    return {};
}

QStringList FileDialogEx::getOpenFileNames(QWidget* parent, const QString& caption, const QString& filter)
{
    FileDialogEx dialog(parent, QString(), caption, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() == 1)
        return dialog.selectedFiles();
    return {};
}

QString FileDialogEx::getSaveFileName(
    QWidget* parent, const QString& caption, const QString& fileName, const QString& filter)
{
    FileDialogEx dialog(parent, fileName, caption, QString(), filter);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() == 1)
        return dialog.selectedFiles().value(0);
    return {};
}

QString FileDialogEx::getExistingDirectory(QWidget* parent, const QString& caption)
{
    FileDialogEx dialog(parent, QString(), caption, QString(), QString());
    dialog.setFileMode(QFileDialog::DirectoryOnly);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() == 1)
        return dialog.selectedFiles().value(0);
    return {};
}

void FileDialogEx::setUSBDriveProbe(const QString& mountFolder, const QString& command)
{
    QString folder = mountFolder.isEmpty() ? kDefaultMountFolder : mountFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    usbProbe().mountFolder = folder;
    usbProbe().command = command.isEmpty() ? kDefaultProbeCommand : command;
}

QString FileDialogEx::usbMountFolder()
{
    return usbProbe().mountFolder;
}

QString FileDialogEx::usbProbeCommand()
{
    return usbProbe().command;
}

QMap<QString, QString> FileDialogEx::parseBlkidOutput(
    const QByteArray& output, const QStringList& mountedFolders, const QString& mountFolder)
{
    QSet<QString> mounted;
    for (const QString& folder : mountedFolders)
        mounted.insert(QDir::cleanPath(folder));
    QString folder = mountFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');

    QMap<QString, QString> drives;
    const QList<QByteArray> lines = output.split('\n');
    for (const QByteArray& rawLine : lines) {
        const QString line = QString::fromLocal8Bit(rawLine);
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue; // fewer than two parts
        const QString device = line.left(colon);
        if (!device.startsWith(QLatin1String("/dev/sd")))
            continue;
        const QString mountPoint = (folder + device.mid(5)).trimmed();
        if (!mounted.contains(QDir::cleanPath(mountPoint)))
            continue;

        // LABEL="..." as a field of its own (PARTLABEL= is another field).
        QString label;
        const QString rest = line.mid(colon + 1);
        int at = -1;
        for (int from = 0; (at = rest.indexOf(QLatin1String("LABEL=\""), from)) >= 0; from = at + 1) {
            if (at == 0 || rest.at(at - 1).isSpace())
                break;
        }
        if (at >= 0) {
            const int start = at + 7;
            const int end = rest.indexOf(QLatin1Char('"'), start);
            label = end < 0 ? rest.mid(start) : rest.mid(start, end - start);
        }
        drives.insert(mountPoint, label);
    }
    return drives;
}

bool FileDialogEx::judgeUSBDrivePath()
{
    const QString folder = usbMountFolder();
    const QDir mountDir(folder);
    if (!mountDir.exists()) {
        qCritical() << "Dir not exist." << folder;
        return false;
    }
    QStringList mounted;
    for (const QFileInfo& entry : mountDir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        mounted << entry.absoluteFilePath();

    FILE* pipe = ::popen(usbProbeCommand().toLocal8Bit().constData(), "r");
    if (!pipe) {
        qDebug() << "Get udisk name failed";
        return false;
    }
    // The whole output, so that a long line stays one line.
    QByteArray output;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0) {
        if (output.size() + qint64(got) > kMaxProbeOutput)
            break;
        output.append(buffer, int(got));
    }
    ::pclose(pipe);
    return !parseBlkidOutput(output, mounted, folder).isEmpty();
}

QStringList FileDialogEx::selectedFiles() const
{
    return d->selectedFiles();
}

QStringList FileDialogEx::selectedUrls() const
{
    return d->selectedFiles();
}

void FileDialogEx::setFileMode(QFileDialog::FileMode mode)
{
    d->setFileMode(mode);
}

QFileDialog::FileMode FileDialogEx::fileMode() const
{
    return d->fileModeOptions;
}

void FileDialogEx::setAcceptMode(QFileDialog::AcceptMode mode)
{
    d->setAcceptMode(mode);
}

QFileDialog::AcceptMode FileDialogEx::acceptMode() const
{
    return d->acceptModeOptions;
}

void FileDialogEx::setNameFilter(const QString& filter)
{
    const QString separator = filter.contains(QLatin1String(";;")) ? QStringLiteral(";;") : QStringLiteral("\n");
    setNameFilters(filter.split(separator));
}

void FileDialogEx::setNameFilters(const QStringList& filters)
{
    d->setNameFilters(filters);
}

QStringList FileDialogEx::nameFilters() const
{
    return d->m_lstFilter;
}

void FileDialogEx::setNameFilterModel(const QStringList& filters)
{
    Q_UNUSED(filters)
}

QSize FileDialogEx::sizeHint() const
{
    return {1007, 722};
}

void FileDialogEx::open(QObject* receiver, const char* member)
{
    const QByteArray signal = fileMode() == QFileDialog::ExistingFiles ? QByteArray(SIGNAL(filesSelected(QStringList)))
                                                                       : QByteArray(SIGNAL(fileSelected(QString)));
    if (receiver && member) {
        connect(this, signal.constData(), receiver, member);
        d->receiverToDisconnectOnClose = receiver;
        d->signalToDisconnectOnClose = signal;
        d->memberToDisconnectOnClose = member;
    }
    QDialog::open();
}

void FileDialogEx::done(int result)
{
    if (d->receiverToDisconnectOnClose) {
        disconnect(this, d->signalToDisconnectOnClose.constData(), d->receiverToDisconnectOnClose,
            d->memberToDisconnectOnClose.constData());
    }
    d->receiverToDisconnectOnClose = nullptr;
    d->signalToDisconnectOnClose.clear();
    d->memberToDisconnectOnClose.clear();
    ZK::Widgets::FramelessDialog::done(result);
}

bool FileDialogEx::refuseOutsideDrive(const QStringList& files)
{
    for (const QString& file : files) {
        if (!d->isInsideDrive(file)) {
            qWarning() << "FileDialogEx: refusing a choice outside the USB flash disk:" << file;
            ZK::Widgets::FramelessMessageBox::warning(this, windowTitle(),
                tr("%1\nThis location is outside the USB flash disk.\nPlease choose a location on the disk.")
                    .arg(QFileInfo(file).fileName()),
                QMessageBox::Ok);
            return true;
        }
    }
    return false;
}

void FileDialogEx::emitAndAccept(const QStringList& files)
{
    emit filesSelected(files);
    if (files.size() == 1)
        emit fileSelected(files.first());
    ZK::Widgets::FramelessDialog::accept();
}

void FileDialogEx::accept()
{
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return;
    if (refuseOutsideDrive(files))
        return;

    switch (fileMode()) {
    case QFileDialog::AnyFile: {
        const QFileInfo info(files.first());
        if (info.isDir())
            return;
        if (!info.exists()) {
            const long maxNameLength = ::pathconf(QFile::encodeName(info.absolutePath()).constData(), _PC_NAME_MAX);
            if (maxNameLength >= 0 && QFile::encodeName(info.fileName()).size() > maxNameLength)
                return;
        } else if (acceptMode() == QFileDialog::AcceptSave) {
            ZK::Widgets::FramelessDialog::accept();
            return;
        }
        emitAndAccept(files);
        return;
    }
    case QFileDialog::ExistingFile:
    case QFileDialog::ExistingFiles:
        for (const QString& file : files) {
            const QFileInfo info(file);
            if (!info.exists()) {
                ZK::Widgets::FramelessMessageBox::warning(this, windowTitle(),
                    tr("%1\nFile not found.\nPlease verify the correct file name was given.").arg(info.fileName()),
                    QMessageBox::Ok);
                return;
            }
            if (info.isDir())
                return;
        }
        emitAndAccept(files);
        return;
    case QFileDialog::Directory:
    case QFileDialog::DirectoryOnly: {
        const QFileInfo info(files.first());
        if (!info.exists()) {
            ZK::Widgets::FramelessMessageBox::warning(this, windowTitle(),
                tr("%1\nDirectory not found.\nPlease verify the correct directory name was given.")
                    .arg(info.fileName()),
                QMessageBox::Ok);
            return;
        }
        if (info.isDir())
            emitAndAccept({files.first()});
        return;
    }
    }
}

void FileDialogEx::changeEvent(QEvent* event)
{
    ZK::Widgets::FramelessDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && d && d->ui->label_4)
        d->retranslateUi();
}

void FileDialogEx::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept(); // the dialog closes only through its buttons
        return;
    }
    ZK::Widgets::FramelessDialog::keyPressEvent(event);
}

} // namespace Vireo::Widgets
