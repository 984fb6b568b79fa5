#include "hdrconfig.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QMutex>
#include <QXmlDefaultHandler>
#include <QXmlInputSource>
#include <QXmlSimpleReader>

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

// One pass over the raw bytes before they are parsed. Qt's XML reader recurses per nesting level,
// so a deep enough file would overflow the stack; declared entities let a small file expand to
// gigabytes. Neither has a place in a configuration file. The scan follows XML's markup rules
// closely enough to count elements (comments, CDATA, processing instructions and quoted attribute
// values are skipped); anything it misreads is refused by the parser afterwards.
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
    // Nearly every number in a file is a few plain digits: those are read here, everything else
    // (signs, spaces, overflow, other digits) the way toInt() reads it.
    const int length = text.size();
    if (length > 0 && length <= 9) {
        int value = 0;
        for (const QChar c : text) {
            const unsigned digit = unsigned(c.unicode()) - '0';
            if (digit > 9)
                return text.toInt(nullptr, 10); // base 10; a text that is not a number reads as 0
            value = value * 10 + int(digit);
        }
        return value;
    }
    return text.toInt(nullptr, 10);
}

// QDomDocument parses with this same SAX reader and builds its tree from the events; the reader
// here takes the limits from those events instead. It feeds the reader as setContent() does, with
// the same features (but for whitespace-only text, see characters()), and answers the events as
// Qt's DOM builder does, so a file is accepted or refused, with the same message and position, as
// when its tree is built, and every limit equals what a walk over that tree would find. The tree
// itself, a few dozen bytes of heap per node, is never made.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

class ConfigReader : public QXmlDefaultHandler
{
public:
    using Limits = QMap<HDRKey, HDRConfig::ValueMap>;

    // Parses `content`; false with the parser's message and position when it is not well-formed.
    bool parse(const QByteArray& content)
    {
        QBuffer buffer;
        buffer.setData(content);
        QXmlInputSource source(&buffer);
        QXmlSimpleReader reader;
        reader.setFeature(QStringLiteral("http://xml.org/sax/features/namespaces"), false);
        reader.setFeature(QStringLiteral("http://xml.org/sax/features/namespace-prefixes"), true);
        // Qt's DOM builder has the reader leave whitespace-only text out, for which the reader
        // tests every piece of text with a simplified() copy; characters() leaves it out cheaper.
        reader.setFeature(QStringLiteral("http://trolltech.com/xml/features/report-whitespace-only-CharData"), true);
        reader.setContentHandler(this);
        reader.setErrorHandler(this);
        reader.setLexicalHandler(this);
        reader.setDeclHandler(this);
        reader.setDTDHandler(this);
        return reader.parse(&source);
    }

    // The document element: its name and its "version" attribute.
    QString rootName;
    bool hasVersion = false;
    QString version;
    // Per key, per group, the first list the file gives; a key without groups has an empty entry.
    Limits limits;

    QString errorMessage;
    int errorLine = 0;
    int errorColumn = 0;

    bool startElement(const QString&, const QString&, const QString& qName, const QXmlAttributes& atts) override
    {
        switch (++m_depth) {
        case 1:
            rootName = qName;
            hasVersion = lastValue(atts, QStringLiteral("version"), &version);
            break;
        case 2: // <Key Type Value> under the root
            m_inKey = qName == QLatin1String("Key");
            if (m_inKey) {
                HDRKey key;
                key.type = readInt(attribute(atts, QStringLiteral("Type")));
                key.value = readInt(attribute(atts, QStringLiteral("Value")));
                m_entry = &limits[key];
            }
            break;
        case 3: // <ValueInfo Type> under a key: only the first list of a group counts
            m_inInfo = m_inKey && qName == QLatin1String("ValueInfo");
            if (m_inInfo) {
                m_type = static_cast<HDRFuncType>(readInt(attribute(atts, QStringLiteral("Type"))));
                m_inInfo = !m_entry->contains(m_type);
                m_values.clear();
            }
            break;
        case 4: // <SupportValue> under a list
            m_inSupport = m_inInfo && qName == QLatin1String("SupportValue");
            m_text.clear();
            break;
        default:
            break;
        }
        return true;
    }

    bool endElement(const QString&, const QString&, const QString&) override
    {
        switch (m_depth--) {
        case 2:
            m_inKey = false;
            break;
        case 3:
            if (m_inInfo)
                m_entry->insert(m_type, m_values);
            m_inInfo = false;
            break;
        case 4:
            if (m_inSupport)
                m_values.append(readInt(m_text));
            m_inSupport = false;
            break;
        default:
            break;
        }
        return true;
    }

    // A value's text is all the text and CDATA inside its element, as the tree's text() joins it;
    // text from an entity becomes an entity reference node there, which text() leaves out.
    bool characters(const QString& text) override
    {
        if (m_depth > 0 && !m_inSupport)
            return true;
        // Whitespace-only text outside CDATA is what the reader would have left out.
        if (!m_inCData && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); }))
            return true;
        if (m_depth == 0)
            return false; // the DOM builder refuses text beside the document element
        if (m_entity.isEmpty())
            m_text += text;
        return true;
    }

    bool startCDATA() override
    {
        m_inCData = true;
        return true;
    }

    bool endCDATA() override
    {
        m_inCData = false;
        return true;
    }

    bool startEntity(const QString& name) override
    {
        m_entity = name;
        return true;
    }

    bool endEntity(const QString&) override
    {
        m_entity.clear();
        return true;
    }

    bool fatalError(const QXmlParseException& exception) override
    {
        errorMessage = exception.message();
        errorLine = exception.lineNumber();
        errorColumn = exception.columnNumber();
        return false;
    }

private:
    // A repeated attribute keeps its last value, as in the tree.
    static bool lastValue(const QXmlAttributes& atts, const QString& name, QString* value)
    {
        for (int i = atts.count() - 1; i >= 0; --i) {
            if (atts.qName(i) == name) {
                *value = atts.value(i);
                return true;
            }
        }
        return false;
    }

    static QString attribute(const QXmlAttributes& atts, const QString& name)
    {
        QString value;
        lastValue(atts, name, &value);
        return value;
    }

    int m_depth = 0;
    bool m_inKey = false;
    bool m_inInfo = false;
    bool m_inSupport = false;
    bool m_inCData = false;
    HDRConfig::ValueMap* m_entry = nullptr;
    HDRFuncType m_type = FuncBitDepth;
    QList<int> m_values;
    QString m_text;
    QString m_entity;
};

QT_WARNING_POP

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

    ConfigReader reader;
    if (!reader.parse(content))
        return refuse(QCoreApplication::translate("Vireo::Widgets::HDRConfig", "Parse error at line %1, column %2:\n%3")
                          .arg(reader.errorLine)
                          .arg(reader.errorColumn)
                          .arg(reader.errorMessage));

    if (reader.rootName != QLatin1String("Vireo"))
        return refuse(
            QCoreApplication::translate("Vireo::Widgets::HDRConfig", "This file is not a valid configuration file."));
    if (reader.hasVersion && reader.version != QLatin1String("1.0"))
        return refuse(QCoreApplication::translate(
            "Vireo::Widgets::HDRConfig", "This file is not a valid configuration file of version 1.0 ."));

    // Limits already read stay; the file only adds keys and groups that are new.
    if (m_config.isEmpty()) {
        m_config.swap(reader.limits);
        return true;
    }
    for (auto key = reader.limits.cbegin(); key != reader.limits.cend(); ++key) {
        ValueMap& entry = m_config[key.key()];
        for (auto group = key.value().cbegin(); group != key.value().cend(); ++group) {
            if (!entry.contains(group.key()))
                entry.insert(group.key(), group.value());
        }
    }
    return true;
}

HDRConfig::ValueMap HDRConfig::getCanSelectedValues(const HDRKey& key) const
{
    return m_config.value(key);
}

} // namespace Vireo::Widgets
