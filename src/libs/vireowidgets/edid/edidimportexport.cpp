#include "edidimportexport.h"

#include <vireowidgets/media/filedialogex.h>

#include <zkwidgets/framelessmessagebox.h>

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>

namespace Vireo::Widgets {

namespace {

const unsigned char kEdidHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};

// Sum modulo 256 of the bytes [from, from + 128) that the image holds.
quint8 blockSum(const QByteArray& image, int from)
{
    quint8 sum = 0;
    const int end = qMin(image.size(), from + EdidImportExport::BlockSize);
    for (int i = from; i < end; ++i)
        sum = quint8(sum + quint8(image.at(i)));
    return sum;
}

} // namespace

EdidImportExport::EdidImportExport(QWidget* widget)
    : QObject(nullptr)
    , m_widget(widget)
{ }

EdidImportExport::~EdidImportExport() = default;

bool EdidImportExport::getDefaultPath(QString& decomentDir)
{
    if (FileDialogEx::judgeUSBDrivePath()) {
        decomentDir = QString();
        return true;
    }
    qWarning() << "No USB flash disk detected";
    ZK::Widgets::FramelessMessageBox::warning(
        m_widget, tr("warning"), tr("No USB flash disk detected"), QMessageBox::Ok, QMessageBox::NoButton);
    return false;
}

bool EdidImportExport::setOpenFileDialog(const QString& selectedFileFilter, QString& strPath)
{
    QString directory;
    if (!getDefaultPath(directory)) {
        m_strEdidPath.clear();
        return false;
    }
    m_strEdidPath = FileDialogEx::getOpenFileName(m_widget, tr("Select EDID File"), selectedFileFilter);
    if (m_strEdidPath.isEmpty()) {
        strPath = m_strEdidPath;
        return false;
    }
    // Both rules run, the content rule also when the size rule failed.
    const bool sizeOk = judegFileSize(m_strEdidPath);
    const bool contentOk = judegFileLegal(m_strEdidPath);
    strPath = m_strEdidPath;
    return sizeOk && contentOk;
}

bool EdidImportExport::setSaveFileDialog(
    const QString& strSuffix, const QString& joggleName, const QString& joggleTypeName)
{
    m_bSavePathAccepted = false;
    QString directory;
    if (!getDefaultPath(directory)) {
        m_strEdidPath.clear();
        return false;
    }
    const QString proposed = QStringLiteral("EDID_") + joggleName + QLatin1Char('_') + joggleTypeName + strSuffix;
    m_strEdidPath =
        FileDialogEx::getSaveFileName(m_widget, tr("Select EDID File"), proposed, QStringLiteral("*.bin *.dat"));
    const QFileInfo target(m_strEdidPath);
    // A dangling link counts as a file: writing through it would land wherever it points.
    if (!m_strEdidPath.isEmpty() && (target.exists() || target.isSymLink())) {
        const QString text =
            tr("Edid File [%1] already exist. Please change file name and try again").arg(target.baseName());
        qWarning().noquote() << text;
        ZK::Widgets::FramelessMessageBox::warning(m_widget, tr("Remind"), text, QMessageBox::Ok, QMessageBox::NoButton);
        return false;
    }
    m_bSavePathAccepted = !m_strEdidPath.isEmpty();
    return m_bSavePathAccepted;
}

bool EdidImportExport::setWriteFile(const std::string& fileBinary)
{
    qDebug().noquote() << "setWriteFile" + m_strEdidPath;
    if (!m_bSavePathAccepted || m_strEdidPath.isEmpty()) {
        // Nothing is opened: a path that was refused is never overwritten.
        qDebug() << "file open failed!!!";
        qWarning() << "setWriteFile: no save path was accepted; nothing written";
        return false;
    }
    QSaveFile file(m_strEdidPath);
    // Unbuffered: a buffered QSaveFile loses the error of its final flush and commits a short
    // file, so every write must reach the drive here, where its count is checked.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qDebug() << "file open failed!!!";
        return false;
    }
    const qint64 size = qint64(fileBinary.size());
    const qint64 written = size > 0 ? file.write(fileBinary.data(), size) : 0;
    if (written != size) {
        qWarning() << "setWriteFile: wrote" << written << "of" << size << "bytes:" << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qWarning() << "setWriteFile: could not complete" << m_strEdidPath << file.errorString();
        return false;
    }
    return true;
}

QString EdidImportExport::getFileName()
{
    if (m_strEdidPath.isEmpty())
        return {};
    return QFileInfo(m_strEdidPath).fileName();
}

int EdidImportExport::getFileSize()
{
    const QFileInfo info(m_strEdidPath);
    if (m_strEdidPath.isEmpty() || !info.exists())
        return 0;
    return int(qMin<qint64>(info.size(), std::numeric_limits<int>::max()));
}

std::string EdidImportExport::getFile()
{
    return std::string(m_edidByteArray.constData(), size_t(m_edidByteArray.size()));
}

bool EdidImportExport::verifyFile(const QByteArray& edidByteArray)
{
    if (edidByteArray.isEmpty()) {
        qDebug() << "buffer data nullptr!!!";
        return false;
    }
    // Bytes that sum to zero are no image unless they hold block 0 whole.
    if (edidByteArray.size() < BlockSize) {
        qDebug() << "EDID image shorter than one block:" << edidByteArray.size() << "bytes";
        return false;
    }
    for (int i = 0; i < 8 && i < edidByteArray.size(); ++i) {
        if (quint8(edidByteArray.at(i)) != kEdidHeader[i])
            return false;
    }
    if (blockSum(edidByteArray, 0) != 0)
        return false;
    if (blockSum(edidByteArray, BlockSize) != 0)
        return false;
    qDebug() << "verification success!!!";
    return true;
}

bool EdidImportExport::judegFileSize(const QString& strPath)
{
    const QFileInfo info(strPath);
    return info.exists() && info.isFile() && info.size() < MaxFileSize;
}

void EdidImportExport::analysisEdidFile(const QString& strPath)
{
    const QFileInfo info(strPath);
    // Only regular files: a device or a pipe on the drive could be endless or block the reader.
    if (!info.exists() || !info.isFile())
        return;
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // Never more than the size rule allows: a larger file is refused whatever it holds.
    m_edidByteArray = file.read(MaxFileSize);
    file.close();
}

bool EdidImportExport::judegFileLegal(const QString& strPath)
{
    analysisEdidFile(strPath);
    return verifyFile(m_edidByteArray);
}

} // namespace Vireo::Widgets
