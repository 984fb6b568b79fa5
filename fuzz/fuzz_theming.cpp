// Theme tokens in a style sheet: every colour token "orloTheme" + any character + "color.<key>;"
// loses its prefix and key to the key's value (the ";" stays), every image token
// "orloTheme.image.<key>" becomes the key's resolved path, each exactly once, and replaced text is
// never searched again. Checked against the plain regular-expression loop that defines them.

#include "fuzzsupport.h"

#include <vireowidgets/foundation/theming.h>

#include <vireomodel/utils.h>

#include <QCoreApplication>
#include <QDir>
#include <QMap>
#include <QRegExp>

namespace {

QMap<QString, QVariant> themeValues()
{
    QMap<QString, QVariant> values;
    values.insert(QStringLiteral("fg"), QStringLiteral("#ffffff"));
    values.insert(QStringLiteral("bg"), QStringLiteral("#0a0b0c"));
    values.insert(QStringLiteral("a_1"), QString());
    values.insert(QStringLiteral("loop"), QStringLiteral("orloTheme.color.fg;orloTheme.image.icon"));
    values.insert(QStringLiteral("\u00e9t\u00e9"), QStringLiteral("rgb(1, 2, 3)"));
    values.insert(QStringLiteral("icon"), QStringLiteral("/no/such/dir/icon.png"));
    values.insert(QStringLiteral("up"), QStringLiteral("./../share/./../icons/up.png"));
    return values;
}

// The path an image value resolves to (the stand-in's density lookup keeps the value).
QString resolvedPath(const QString& value)
{
    QString path = value;
    if (path.startsWith(QLatin1String("./../"))) {
        path.replace(QLatin1String("./../"), QCoreApplication::applicationDirPath() + QLatin1String("/../"));
        path = QDir::cleanPath(path);
    }
    return path;
}

template <typename Value>
QString referenceReplace(const QString& css, const QRegExp& pattern, int prefixLength, Value value)
{
    QString result = css;
    int pos = 0;
    while ((pos = pattern.indexIn(result, pos)) != -1) {
        const QString key = pattern.cap(1);
        const QString inserted = value(key);
        result.replace(pos, prefixLength + key.size(), inserted);
        pos += inserted.size();
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Vireo::Widgets::Theming;
    Vireo::Fuzz::ensureApplication();
    static const QMap<QString, QVariant> values = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        Vireo::Utils::Theme::instance()->setValues(themeValues());
        return themeValues();
    }();
    VIREO_FUZZ_CHECK(Theming::theme() == values, QStringLiteral("theme cache"));
    if (size > 8192)
        return 0;
    const QString css = Vireo::Fuzz::text(data, size);

    const QRegExp colorToken(QStringLiteral("orloTheme.color\\.(\\w+);"));
    const QString colors = Theming::replaceCssColors(css);
    const QString expectedColors = referenceReplace(css, colorToken, int(qstrlen("orloTheme.color.")),
        [](const QString& key) { return values.value(key).toString(); });
    VIREO_FUZZ_CHECK(colors == expectedColors, QStringLiteral("colours of: ") + css);

    const QRegExp imageToken(QStringLiteral("orloTheme\\.image\\.(\\w+)"));
    const QString images = Theming::replaceCssImages(colors);
    const QString expectedImages = referenceReplace(colors, imageToken, int(qstrlen("orloTheme.image.")),
        [](const QString& key) { return resolvedPath(values.value(key).toString()); });
    VIREO_FUZZ_CHECK(images == expectedImages, QStringLiteral("images of: ") + colors);

    // A sheet without the prefix comes back as it is.
    if (!css.contains(QLatin1String("orloTheme")))
        VIREO_FUZZ_CHECK(images == css, css);
    return 0;
}
