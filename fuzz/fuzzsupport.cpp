#include "fuzzsupport.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace Vireo::Fuzz {

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vireo_fuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives as long as the process
}

QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size));
}

QString text(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(size));
}

void fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "property broken: %s\n  %s\n", what, detail.toUtf8().constData());
    std::abort();
}

} // namespace Vireo::Fuzz
