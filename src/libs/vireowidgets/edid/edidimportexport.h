#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QByteArray>
#include <QObject>
#include <QString>

#include <string>

class QWidget;

namespace Vireo::Widgets {

// Loads an EDID image from a USB flash disk and saves one to it, through the USB file dialog.
// One object serves one import or one export: construct, call setOpenFileDialog (then getFile) or
// setSaveFileDialog (then setWriteFile), and act only on the boolean results.
//
// An EDID file is a raw E-EDID image: 128-byte blocks back to back, block 0 first. A file is
// accepted when it is a regular file of fewer than 1024 bytes holding at least block 0 with the
// EDID header, and blocks 0 and 1 (as far as the file holds it) sum to 0 modulo 256.
class VIREOWIDGETS_EXPORT EdidImportExport : public QObject
{
    Q_OBJECT
public:
    explicit EdidImportExport(QWidget* widget);
    ~EdidImportExport() override;

    bool setOpenFileDialog(const QString& selectedFileFilter, QString& strPath);
    bool setSaveFileDialog(const QString& strSuffix, const QString& joggleName, const QString& joggleTypeName);
    // Writes the bytes to the path chosen by the last accepted setSaveFileDialog, through a
    // temporary file that replaces the target only once every byte is on the disk.
    bool setWriteFile(const std::string& fileBinary);
    QString getFileName();
    int getFileSize();
    std::string getFile();
    bool verifyFile(const QByteArray& edidByteArray);

    // Files of this size or more are refused without being read further.
    static constexpr qint64 MaxFileSize = 1024;
    static constexpr int BlockSize = 128;

private:
    bool judegFileSize(const QString& strPath);
    void analysisEdidFile(const QString& strPath);
    bool judegFileLegal(const QString& strPath);
    bool getDefaultPath(QString& decomentDir);

    QByteArray m_edidByteArray;
    QString m_strEdidPath;
    QWidget* m_widget = nullptr;
    // Set only by a save dialog that chose a new path; a refused or cancelled save clears it, so
    // that setWriteFile never writes over a file the operator was told is kept.
    bool m_bSavePathAccepted = false;
};

} // namespace Vireo::Widgets
