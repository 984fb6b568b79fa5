#include "gallerywindow.h"

#include "pageregistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPixmap>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QtDebug>

namespace Vireo::Gallery {

namespace {

// Lets timers, queued layout requests and the simulated device's tick run for a while, so that
// a screenshot shows settled layouts and live pictures rather than the first frame.
void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

GalleryWindow::GalleryWindow(SimulatedDevice& device, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("GalleryWindow"));
    setWindowTitle(tr("Vireo widgets gallery"));
    m_pTabs = new QTabWidget(this);
    m_pTabs->setObjectName(QStringLiteral("GalleryTabs"));
    m_pTabs->setDocumentMode(true);
    for (const PageInfo& info : PageRegistry::sortedPages()) {
        QWidget* page = info.create(device, nullptr);
        if (!page)
            continue;
        page->setObjectName(QStringLiteral("GalleryPage_") + info.name);
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(page);
        m_pTabs->addTab(scroll, info.title);
        m_pageNames << info.name;
    }
    setCentralWidget(m_pTabs);
    resize(1280, 800);
}

bool GalleryWindow::saveScreenshots(const QString& dir)
{
    if (!QDir().mkpath(dir)) {
        qCritical() << "cannot create the screenshot folder" << dir;
        return false;
    }
    show();
    bool ok = true;
    for (int i = 0; i < m_pTabs->count(); ++i) {
        m_pTabs->setCurrentIndex(i);
        settle(400);
        const QString file = QDir(dir).filePath(m_pageNames.at(i) + QStringLiteral(".png"));
        if (!grab().save(file)) {
            qCritical() << "cannot write" << file;
            ok = false;
        }
    }
    return ok;
}

} // namespace Vireo::Gallery
