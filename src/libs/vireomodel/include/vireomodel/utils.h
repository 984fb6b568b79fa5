#pragma once

// Utilities of the device model: theme values, theme icons, USB drive watcher, EDID images.

#include <vireomodel/vireomodel_export.h>

#include <QIcon>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace Vireo::Utils {

// Process-wide theme: key -> value. A colour's string form is a style-sheet colour, an image's a
// file path. It starts EMPTY; the host (or a test) fills it later.
class VIREOMODEL_EXPORT Theme : public QObject
{
    Q_OBJECT
public:
    static Theme* instance(); // never null
    QMap<QString, QVariant> values() const { return m_values; }

    // Fixture / host
    void setValues(const QMap<QString, QVariant>& values);
    void setValue(const QString& key, const QVariant& value);
    void clear();

signals:
    void valuesChanged();

private:
    explicit Theme(QObject* parent = nullptr);
    QMap<QString, QVariant> m_values;
};

class VIREOMODEL_EXPORT StyleHelper
{
public:
    static QString dpiSpecificImageFile(const QString& fileName) { return fileName; }
};

// Theme icons by name. Lookup order: a Theme value of that name naming an existing file; a file
// "<name>.png" / "<name>.svg" in the icon directory (setIconDirectory); otherwise a generated
// picture (a coloured tile with the name's initials, colour from the name; names ending in "_big"
// get a 200x150 tile, others 48x48), written once per process to a temporary folder. So any name
// gives a loadable file and a non-null icon. The second argument is accepted and ignored.
class VIREOMODEL_EXPORT Icon
{
public:
    static QString imageFileName(const QString& name, const QString& fallback = QString());
    static QIcon fromTheme(const QString& name, const QString& fallback = QString());
    static void setIconDirectory(const QString& dir); // "" for none
    static QString iconDirectory();
};

// Watches USB drives. The drive list comes from the fixture: either a list set with setDrives(),
// or the sub-folders of a folder set with setDriveFolder() (each sub-folder is a drive whose port
// name is the folder name). A new watcher scans once, queued, and then always emits
// signalUDiskChanged; refreshUDisk() rescans at once and emits only when the list changed; every
// living watcher rescans when the fixture changes the source.
class VIREOMODEL_EXPORT UDiskWatcher : public QObject
{
    Q_OBJECT
public:
    explicit UDiskWatcher(QObject* parent = nullptr);
    ~UDiskWatcher() override;
    QList<QPair<QString, QString>> udiskPorts() const { return m_ports; } // (port name, root path)
    void refreshUDisk();

    // Fixture (process-wide)
    static void setDrives(const QList<QPair<QString, QString>>& drives);
    static void setDriveFolder(const QString& folder); // "" for none
    static int refreshCount(); // refreshUDisk() calls since resetFixture()
    static void resetFixture();

signals:
    void signalUDiskChanged();

private:
    void rescan(bool alwaysEmit);
    static void notifyWatchers();
    QList<QPair<QString, QString>> m_ports;
};

// The first detailed timing of an EDID image. Polarity 0 positive, 1 negative; refresh in hertz;
// pixel clock in hertz.
struct EDIDTiming
{
    int horActive = 0;
    int horFrontPorch = 0;
    int horSync = 0;
    int horTotal = 0;
    int horPolarity = 0;
    int verActive = 0;
    int verFrontPorch = 0;
    int verSync = 0;
    int verTotal = 0;
    int verPolarity = 0;
    bool interlaced = false;
    float refresh = 0.f;
    quint64 pixelClock = 0;
};

// Reads and writes real EDID images (128-byte base block plus one empty CEA extension, 256 bytes),
// built from a fixed template whose first detailed timing descriptor carries the timing; once a
// helper has read an image, its writeEDID builds on that image instead (the EDID template).
// readEDID accepts a 128- or 256-byte image with the EDID header and correct block checksums.
// Both are logged to the fixture's command log ("EDIDHelper::readEDID" [path],
// "EDIDHelper::writeEDID" [path, horActive, verActive, refresh]) and fail, with the chosen error
// text, when Fixture::setCommandResult gives false for them.
class VIREOMODEL_EXPORT EDIDHelper
{
public:
    EDIDHelper();
    bool readEDID(const QString& fileName, QString* errorText);
    EDIDTiming detailedTimingInfomation() const { return m_timing; }
    bool writeEDID(const QString& path, QString* errorText, const EDIDTiming& timing);
    // Writes a timing record of the base widget kit (ZK::VESA::s_DMTSchemaData), read through
    // its fields HorFrameTiming / VerFrameTiming (AddrTime, FrontPorch, Sync, totalTime,
    // SyncPolarity) and refreshRate; the pixel clock follows from totals x refresh.
    template <typename DMTSchemaData>
    bool writeEDID(const QString& path, QString* errorText, const DMTSchemaData& dmt)
    {
        EDIDTiming t;
        t.horActive = int(dmt.HorFrameTiming.AddrTime);
        t.horFrontPorch = int(dmt.HorFrameTiming.FrontPorch);
        t.horSync = int(dmt.HorFrameTiming.Sync);
        t.horTotal = int(dmt.HorFrameTiming.totalTime);
        t.horPolarity = int(dmt.HorFrameTiming.SyncPolarity);
        t.verActive = int(dmt.VerFrameTiming.AddrTime);
        t.verFrontPorch = int(dmt.VerFrameTiming.FrontPorch);
        t.verSync = int(dmt.VerFrameTiming.Sync);
        t.verTotal = int(dmt.VerFrameTiming.totalTime);
        t.verPolarity = int(dmt.VerFrameTiming.SyncPolarity);
        t.refresh = float(dmt.refreshRate);
        return writeEDID(path, errorText, t);
    }

    // The 256-byte image of a timing, and the parser behind readEDID (false: not an EDID image).
    static QByteArray buildEDID(const EDIDTiming& timing);
    // The same timing written over another image of 128 or 256 bytes (a template): its first
    // detailed timing is replaced (its image size kept) and every block sealed again. Empty when
    // the base is not 128 or 256 bytes long or the timing does not fit.
    static QByteArray buildEDID(const QByteArray& base, const EDIDTiming& timing);
    static bool parseEDID(const QByteArray& image, EDIDTiming& timing, QString* errorText);

    // Where EDID templates are listed from, and their name filters ("*.bin", "*.edid", "*.dat").
    static QString templateDirectory(); // default: <temp>/vireo-edid-templates
    static void setTemplateDirectory(const QString& dir);
    static QStringList nameFilters();

private:
    EDIDTiming m_timing;
    QByteArray m_image; // the last image readEDID accepted: writeEDID's base when set
};

} // namespace Vireo::Utils
