#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

namespace Vireo::Gallery {

class SimulatedDevice;

// One page of the gallery. Pages register themselves from their own source file with a static
// PageRegistrar, so adding a panel's page touches no other file.
struct PageInfo
{
    QString name; // file name of its screenshot, e.g. "foundation"
    QString title; // tab text
    int order = 0; // pages are shown by ascending order, then name
    std::function<QWidget*(SimulatedDevice& device, QWidget* parent)> create;
};

class PageRegistry
{
public:
    static QList<PageInfo>& pages();
    static QList<PageInfo> sortedPages();
};

struct PageRegistrar
{
    PageRegistrar(const QString& name, const QString& title, int order,
        std::function<QWidget*(SimulatedDevice&, QWidget*)> create);
};

} // namespace Vireo::Gallery
