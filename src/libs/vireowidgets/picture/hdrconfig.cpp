#include "hdrconfig.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QMutex>

#include <algorithm>
#include <cstring>

namespace Vireo::Widgets {

namespace {

QMutex s_instanceMutex;
HDRConfig* s_instance = nullptr;

enum class Markup { Fine, TooDeep, DeclaresEntities };

// Position just past `needle` at or after `from`, or `end` when it does not occur.
const char* skipPast(const char* from, const char* end, const char* needle)
{
    const size_t length = std::strlen(needle);
    for (const char* p = from; p + length <= end; ++p) {
        p = static_cast<const char*>(std::memchr(p, needle[0], size_t(end - p)));
        if (!p || p + length > end)
            break;
        if (std::memcmp(p, needle, length) == 0)
            return p + length;
    }
    return end;
}

// The first quotation mark in [from, to), or null.
const char* firstQuote(const char* from, const char* to)
{
    const auto* dq = static_cast<const char*>(std::memchr(from, '"', size_t(to - from)));
    const auto* sq = static_cast<const char*>(std::memchr(from, '\'', size_t((dq ? dq : to) - from)));
    return sq ? sq : dq;
}

bool startsWith(const char* p, const char* end, const char* prefix)
{
    const size_t length = std::strlen(prefix);
    return size_t(end - p) >= length && std::memcmp(p, prefix, length) == 0;
}

// One pass over the raw bytes before the DOM is built. The DOM builder and its tree both recurse
// per nesting level, so a deep enough file would overflow the stack; declared entities let a small
// file expand to gigabytes. Neither has a place in a configuration file. The scan follows XML's
// markup rules closely enough to count elements (comments, CDATA, processing instructions and
// quoted attribute values are skipped); anything it misreads is refused by the parser afterwards.
Markup scanMarkup(const QByteArray& data, int maxDepth)
{
    const char* p = data.constData();
    const char* const end = p + data.size();
    int depth = 0;
    while (p < end) {
        p = static_cast<const char*>(std::memchr(p, '<', size_t(end - p)));
        if (!p)
            break;
        ++p;
        if (p >= end)
            break;
        if (*p == '/') {
            if (depth > 0)
                --depth;
            ++p;
        } else if (*p == '?') {
            p = skipPast(p, end, "?>");
        } else if (*p == '!') {
            if (startsWith(p, end, "!--"))
                p = skipPast(p + 3, end, "-->");
            else if (startsWith(p, end, "![CDATA["))
                p = skipPast(p + 8, end, "]]>");
            else if (startsWith(p, end, "!ENTITY"))
                return Markup::DeclaresEntities;
            // Other declarations (DOCTYPE, ELEMENT, ATTLIST) open no element.
        } else {
            // A start tag: its end is the first '>' outside quoted attribute values.
            const char* q = p;
            for (;;) {
                const char* close = static_cast<const char*>(std::memchr(q, '>', size_t(end - q)));
                if (!close) {
                    q = end;
                    break;
                }
                const char* quote = firstQuote(q, close);
                if (!quote) {
                    q = close;
                    break;
                }
                const char* closingQuote =
                    static_cast<const char*>(std::memchr(quote + 1, *quote, size_t(end - quote - 1)));
                if (!closingQuote) {
                    q = end;
                    break;
                }
                q = closingQuote + 1;
            }
            const bool empty = q < end && q > p && *(q - 1) == '/';
            if (!empty && ++depth > maxDepth)
                return Markup::TooDeep;
            p = q;
        }
    }
    return Markup::Fine;
}

// At most `limit` bytes of the file. A regular file is read in one block of its own size (plus one
// byte, to notice a file that grew), not of the limit; devices and pipes, which may never end, in
// chunks until the limit.
QByteArray readBounded(QFile& file, qint64 limit)
{
    if (!file.isSequential())
        return file.read(std::min(file.size() + 1, limit));
    QByteArray content;
    constexpr qint64 chunk = 64 * 1024;
    while (content.size() < limit) {
        const QByteArray part = file.read(std::min(chunk, limit - content.size()));
        if (part.isEmpty())
            break;
        content += part;
    }
    return content;
}

int readInt(const QString& text)
{
    // Base 10; a text that is not a number reads as 0.
    return text.toInt(nullptr, 10);
}

// The text of an element: its one text node as it is stored, or the joined text of its children.
int readElementInt(const QDomElement& element)
{
    const QDomNode child = element.firstChild();
    if (child.isText() && child.nextSibling().isNull())
        return readInt(child.nodeValue());
    return readInt(element.text());
}

} // namespace

HDRConfig::HDRConfig(QObject* parent)
    : QObject(parent)
{ }

HDRConfig::~HDRConfig() = default;

HDRConfig* HDRConfig::instance()
{
    QMutexLocker locker(&s_instanceMutex);
    if (!s_instance)
        s_instance = new HDRConfig;
    return s_instance;
}

void HDRConfig::destroyInstance()
{
    QMutexLocker locker(&s_instanceMutex);
    delete s_instance;
    s_instance = nullptr;
}

// The messages name their context in full: lupdate loses the namespace after the header's enum
// with a fixed underlying type and would file a plain tr() under the wrong context.
bool HDRConfig::readConfig(const QString& cfgFullPath, QString& errMsg)
{
    auto refuse = [&errMsg](const QString& message) {
        errMsg = message;
        qWarning().noquote() << "HDRConfig: configuration refused:" << message;
        return false;
    };

    if (cfgFullPath.isEmpty())
        return refuse(QCoreApplication::translate("Vireo::Widgets::HDRConfig", "Invalid file path!"));

    QFile file(cfgFullPath);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "open file:" << cfgFullPath << " error code:" << file.error();
        return refuse(
            QCoreApplication::translate("Vireo::Widgets::HDRConfig", "Fail to open file [%1]!").arg(cfgFullPath));
    }
    QByteArray content = readBounded(file, MaxConfigFileSize + 1);
    if (content.size() > MaxConfigFileSize)
        return refuse(
            QCoreApplication::translate("Vireo::Widgets::HDRConfig", "File [%1] is too large (more than %2 bytes)!")
                .arg(cfgFullPath)
                .arg(MaxConfigFileSize));
    file.close();

    switch (scanMarkup(content, MaxElementDepth)) {
    case Markup::Fine:
        break;
    case Markup::TooDeep:
        return refuse(
            QCoreApplication::translate("Vireo::Widgets::HDRConfig", "File [%1] nests elements deeper than %2 levels!")
                .arg(cfgFullPath)
                .arg(MaxElementDepth));
    case Markup::DeclaresEntities:
        return refuse(QCoreApplication::translate(
            "Vireo::Widgets::HDRConfig", "File [%1] declares entities, which a configuration file may not use!")
                          .arg(cfgFullPath));
    }

    QDomDocument document;
    QString parserMessage;
    int line = 0;
    int column = 0;
    if (!document.setContent(content, &parserMessage, &line, &column))
        return refuse(QCoreApplication::translate("Vireo::Widgets::HDRConfig", "Parse error at line %1, column %2:\n%3")
                          .arg(line)
                          .arg(column)
                          .arg(parserMessage));
    // The raw bytes go before the tree is walked: freeing a large block after the tree's many small
    // ones makes the allocator consolidate them all at once.
    content = QByteArray();

    const QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("Vireo"))
        return refuse(
            QCoreApplication::translate("Vireo::Widgets::HDRConfig", "This file is not a valid configuration file."));
    if (root.hasAttribute(QStringLiteral("version")) &&
        root.attribute(QStringLiteral("version")) != QLatin1String("1.0"))
        return refuse(QCoreApplication::translate(
            "Vireo::Widgets::HDRConfig", "This file is not a valid configuration file of version 1.0 ."));

    for (QDomElement keyElement = root.firstChildElement(QStringLiteral("Key")); !keyElement.isNull();
         keyElement = keyElement.nextSiblingElement(QStringLiteral("Key"))) {
        HDRKey key;
        key.type = readInt(keyElement.attribute(QStringLiteral("Type")));
        key.value = readInt(keyElement.attribute(QStringLiteral("Value")));
        ValueMap& entry = m_config[key];
        for (QDomElement info = keyElement.firstChildElement(QStringLiteral("ValueInfo")); !info.isNull();
             info = info.nextSiblingElement(QStringLiteral("ValueInfo"))) {
            const auto type = static_cast<HDRFuncType>(readInt(info.attribute(QStringLiteral("Type"))));
            if (entry.contains(type))
                continue; // the first list of a group stays
            QList<int> values;
            for (QDomElement support = info.firstChildElement(QStringLiteral("SupportValue")); !support.isNull();
                 support = support.nextSiblingElement(QStringLiteral("SupportValue")))
                values.append(readElementInt(support));
            entry.insert(type, values);
        }
    }
    return true;
}

HDRConfig::ValueMap HDRConfig::getCanSelectedValues(const HDRKey& key) const
{
    return m_config.value(key);
}

} // namespace Vireo::Widgets
