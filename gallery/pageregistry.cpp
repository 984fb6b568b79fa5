#include "pageregistry.h"

#include <algorithm>

namespace Vireo::Gallery {

QList<PageInfo>& PageRegistry::pages()
{
    static QList<PageInfo> list;
    return list;
}

QList<PageInfo> PageRegistry::sortedPages()
{
    QList<PageInfo> list = pages();
    std::stable_sort(list.begin(), list.end(),
        [](const PageInfo& a, const PageInfo& b) { return a.order != b.order ? a.order < b.order : a.name < b.name; });
    return list;
}

PageRegistrar::PageRegistrar(
    const QString& name, const QString& title, int order, std::function<QWidget*(SimulatedDevice&, QWidget*)> create)
{
    PageRegistry::pages().append(PageInfo {name, title, order, std::move(create)});
}

} // namespace Vireo::Gallery
