// history.xml, indexed in one pass of the stream reader and read back one entry at a time.
#include "core/history/HistoryIndex.h"

#include <QIODevice>
#include <QStringDecoder>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>

namespace history {
namespace {

constexpr qint64 ChunkSize = 1 << 20;

// The reader counts characters, and the index needs bytes: handed Latin-1, where each byte is
// one character, its character offsets are byte offsets. Only the system names are read from
// this pass, and they are plain ASCII.
class XmlIndexer {
public:
    explicit XmlIndexer(QIODevice& file)
        : m_file(file) {}

    EntryIndex run() {
        QByteArray chunk = m_file.read(ChunkSize);
        if (chunk.startsWith("\xEF\xBB\xBF")) { // a byte-order mark, which Latin-1 would make text
            m_base = 3;
            chunk.remove(0, 3);
        }
        feed(chunk);
        while (true) {
            m_reader.readNext();
            if (m_reader.error() == QXmlStreamReader::PrematureEndOfDocumentError) {
                if (const QByteArray more = m_file.read(ChunkSize); !more.isEmpty()) {
                    feed(more);
                    continue;
                }
            }
            if (m_reader.hasError())
                return failed(QStringLiteral("line %1: %2").arg(m_reader.lineNumber()).arg(m_reader.errorString()));
            if (m_reader.tokenType() == QXmlStreamReader::EndDocument)
                return std::move(m_index);
            if (!token())
                return failed(QStringLiteral("line %1: the document is no history list, its first element is <%2>")
                                  .arg(m_reader.lineNumber())
                                  .arg(m_reader.name()));
        }
    }

private:
    // The last two blocks stay at hand: the reader tells where a start tag ends, and its '<' is
    // found in the bytes (after text the reader's offset has already passed it).
    void feed(const QByteArray& chunk) {
        m_windowStart += m_window.size() - m_lastChunk;
        m_window = m_window.right(m_lastChunk) + chunk;
        m_lastChunk = chunk.size();
        m_reader.addData(QString::fromLatin1(chunk));
    }

    qint64 tagStart() const {
        const qint64 before = m_reader.characterOffset() - m_windowStart - 1;
        const qsizetype at = before < 0 ? -1 : m_window.lastIndexOf('<', before);
        return m_base + m_windowStart + std::max<qsizetype>(at, 0);
    }

    // False for a document that is no history list.
    bool token() {
        switch (m_reader.tokenType()) {
        case QXmlStreamReader::StartDocument:
            m_index.encoding = m_reader.documentEncoding().toLatin1();
            return true;
        case QXmlStreamReader::StartElement:
            ++m_depth;
            if (m_depth == 1)
                return m_reader.name() == u"history";
            if (m_depth == 2 && m_reader.name() == u"entry") {
                m_entryStart = tagStart();
                m_systems.clear();
            } else if (m_depth > 2 && m_reader.name() == u"system") {
                m_systems.append(m_reader.attributes().value(QLatin1String("name")).toString());
            }
            return true;
        case QXmlStreamReader::EndElement:
            if (m_depth-- == 2 && m_reader.name() == u"entry") {
                const EntrySpan span{m_entryStart, m_base + m_reader.characterOffset()};
                m_systems.removeDuplicates();
                for (const QString& system : std::as_const(m_systems))
                    m_index.add(system, span);
            }
            return true;
        default:
            return true;
        }
    }

    EntryIndex failed(const QString& problem) {
        EntryIndex failure;
        failure.problem = problem;
        return failure;
    }

    QIODevice& m_file;
    QXmlStreamReader m_reader;
    EntryIndex m_index;
    qint64 m_base = 0; // bytes before the reader's first character
    QByteArray m_window;
    qint64 m_windowStart = 0; // the reader's offset of the window's first byte
    qsizetype m_lastChunk = 0;
    int m_depth = 0;
    qint64 m_entryStart = 0;
    QStringList m_systems;
};

} // namespace

void EntryIndex::add(const QString& system, EntrySpan span) {
    if (!system.isEmpty())
        entries[system].append(span);
}

EntryIndex indexHistoryXml(QIODevice& file) {
    return XmlIndexer(file).run();
}

std::optional<QString> historyXmlText(const QByteArray& entry, const QByteArray& encoding) {
    // On its own the entry has no declaration. It is UTF-8 when the file says so (or says nothing)
    // and the bytes are valid UTF-8, else Latin-1: the way the index read the whole file, and the
    // way history.dat is read.
    QString text;
    if (encoding.isEmpty() || encoding.compare("UTF-8", Qt::CaseInsensitive) == 0) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(entry);
        if (utf8.hasError())
            text.clear();
    }
    QXmlStreamReader reader(text.isNull() ? QString::fromLatin1(entry) : text);
    QStringList texts;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"text")
            texts.append(reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
    }
    if (reader.hasError())
        return std::nullopt;
    texts.removeAll(QString());
    return texts.join(QStringLiteral("\n\n"));
}

} // namespace history
