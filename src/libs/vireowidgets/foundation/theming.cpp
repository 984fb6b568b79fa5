#include "theming.h"

#include <vireomodel/utils.h>

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace Vireo::Widgets {

namespace {

const QLatin1String ThemePrefix("orloTheme");
const QLatin1String ColorPrefix("orloTheme.color.");
const QLatin1String ImagePrefix("orloTheme.image.");
const QLatin1String ParentOfAppDir("./../");

// What the word class of a regular expression accepts.
bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_');
}

int wordRunEnd(const QString& text, int from)
{
    int end = from;
    while (end < text.size() && isWordChar(text.at(end)))
        ++end;
    return end;
}

// One token found in a sheet: [start, keyEnd) is replaced, [keyStart, keyEnd) is the key.
struct Token
{
    int start = -1;
    int keyStart = 0;
    int keyEnd = 0;
};

// Colour token: "orloTheme", any one character, "color.", a key, ";". The any-character position
// keeps the reading of the historic pattern whose first dot was not escaped.
Token nextColorToken(const QString& css, int from)
{
    const int prefixLength = ColorPrefix.size();
    for (int p = css.indexOf(ThemePrefix, from); p >= 0; p = css.indexOf(ThemePrefix, p + 1)) {
        if (p + prefixLength >= css.size())
            break;
        if (css.midRef(p + ThemePrefix.size() + 1, prefixLength - ThemePrefix.size() - 1) !=
            ColorPrefix.mid(ThemePrefix.size() + 1))
            continue;
        const int keyStart = p + prefixLength;
        const int keyEnd = wordRunEnd(css, keyStart);
        if (keyEnd > keyStart && keyEnd < css.size() && css.at(keyEnd) == QLatin1Char(';'))
            return {p, keyStart, keyEnd};
    }
    return {};
}

// Image token: "orloTheme.image." and a key, no terminator.
Token nextImageToken(const QString& css, int from)
{
    const int prefixLength = ImagePrefix.size();
    for (int p = css.indexOf(ImagePrefix, from); p >= 0; p = css.indexOf(ImagePrefix, p + 1)) {
        const int keyStart = p + prefixLength;
        const int keyEnd = wordRunEnd(css, keyStart);
        if (keyEnd > keyStart)
            return {p, keyStart, keyEnd};
    }
    return {};
}

// Copies the sheet once into a new string, token by token; replaced text is never searched again.
template <typename Find, typename Replace>
QString replaceTokens(const QString& css, Find find, Replace replacement)
{
    Token token = find(css, 0);
    if (token.start < 0)
        return css;
    QString result;
    result.reserve(css.size());
    int copied = 0;
    while (token.start >= 0) {
        result.append(css.midRef(copied, token.start - copied));
        result.append(replacement(css.mid(token.keyStart, token.keyEnd - token.keyStart)));
        copied = token.keyEnd;
        token = find(css, token.keyEnd);
    }
    result.append(css.midRef(copied));
    return result;
}

QString resolveImagePath(const QString& value)
{
    QString path = Vireo::Utils::StyleHelper::dpiSpecificImageFile(value);
    if (path.startsWith(ParentOfAppDir)) {
        path.replace(ParentOfAppDir, QCoreApplication::applicationDirPath() + QLatin1String("/../"));
        path = QDir::cleanPath(path);
    }
    return path;
}

} // namespace

QMap<QString, QVariant>& Theming::theme()
{
    static QMap<QString, QVariant> map;
    if (!map.isEmpty())
        return map;
    map = Vireo::Utils::Theme::instance()->values();
    return map;
}

QString Theming::replaceCssColors(const QString& css)
{
    const QMap<QString, QVariant>& map = theme();
    return replaceTokens(css, nextColorToken, [&map](const QString& key) { return map.value(key).toString(); });
}

QString Theming::replaceCssImages(const QString& css)
{
    const QMap<QString, QVariant>& map = theme();
    // A sheet names few images many times: resolve and look up each key once per call.
    struct Resolved
    {
        QString path;
        bool exists = false;
    };
    QHash<QString, Resolved> resolved;
    return replaceTokens(css, nextImageToken, [&map, &resolved](const QString& key) {
        auto it = resolved.find(key);
        if (it == resolved.end()) {
            const QString path = resolveImagePath(map.value(key).toString());
            it = resolved.insert(key, {path, QFileInfo::exists(path)});
        }
        if (!it->exists)
            qDebug().noquote() << key + QLatin1Char('\t') + it->path + QLatin1String(" is not exist!");
        return it->path;
    });
}

} // namespace Vireo::Widgets
