#pragma once

#include <QMainWindow>

class QTabWidget;

namespace Vireo::Gallery {

class SimulatedDevice;

// The gallery's main window: one tab per registered page, all fed by one simulated device.
class GalleryWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit GalleryWindow(SimulatedDevice& device, QWidget* parent = nullptr);

    // Renders every page into dir/<page>.png; false when a file could not be written.
    bool saveScreenshots(const QString& dir);

private:
    QTabWidget* m_pTabs = nullptr;
    QStringList m_pageNames;
};

} // namespace Vireo::Gallery
