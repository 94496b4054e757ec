#include "core/history/HistoryDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace history {
namespace {

using Outcome = HistoryResult::Outcome;

HistoryResult damaged(const QString& path, const QString& problem) {
    const QString file = QDir::toNativeSeparators(path);
    if (problem.isEmpty())
        return {Outcome::Damaged, QStringLiteral("The history file %1 cannot be read.").arg(file)};
    return {Outcome::Damaged,
            QStringLiteral("The history file %1 is damaged (%2).  Download and install it again.").arg(file, problem)};
}

// The file as the indexers read it, a megabyte at a time, telling how far they are and stopping
// when asked to.
class ProgressDevice : public QIODevice {
public:
    ProgressDevice(QIODevice& source, const HistoryDatabase::KeepGoing& keepGoing)
        : m_source(source)
        , m_keepGoing(keepGoing) {}

    bool stopped() const { return m_stopped; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (m_keepGoing && !m_keepGoing(m_source.pos(), m_source.size()))
            m_stopped = true;
        if (m_stopped)
            return -1;
        return m_source.read(data, std::min<qint64>(maxSize, 1 << 20));
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& m_source;
    const HistoryDatabase::KeepGoing& m_keepGoing;
    bool m_stopped = false;
};

} // namespace

bool HistoryDatabase::isIndexed(const QString& path) const {
    const QFileInfo info(path);
    return path == m_path && info.size() == m_size && info.lastModified() == m_modified;
}

bool HistoryDatabase::index(const QString& path, const KeepGoing& keepGoing) {
    return refresh(path, keepGoing);
}

bool HistoryDatabase::refresh(const QString& path, const KeepGoing& keepGoing) {
    if (isIndexed(path))
        return true;
    const QFileInfo info(path);
    QFile file(path);
    // Only a regular file: a named pipe would never answer.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        m_path = path;
        m_size = -1; // tried again on the next lookup
        m_readable = false;
        m_index = EntryIndex();
        return true;
    }
    ProgressDevice reading(file, keepGoing);
    reading.open(QIODevice::ReadOnly);
    const bool xml = info.suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0;
    EntryIndex index = xml ? indexHistoryXml(reading) : indexHistoryDat(reading);
    if (reading.stopped())
        return false;
    m_path = path;
    m_size = info.size();
    m_modified = info.lastModified();
    m_xml = xml;
    m_readable = true;
    m_index = std::move(index);
    return true;
}

std::optional<QString> HistoryDatabase::entriesText(const QList<EntrySpan>& spans) {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList texts;
    for (const EntrySpan& span : spans) {
        if (!file.seek(span.start))
            return std::nullopt;
        const QByteArray entry = file.read(span.end - span.start);
        if (entry.size() != span.end - span.start)
            return std::nullopt;
        std::optional<QString> text = m_xml ? historyXmlText(entry, m_index.encoding) : historyDatText(entry);
        if (!text)
            return std::nullopt;
        if (!text->isEmpty())
            texts.append(*text);
    }
    return texts.join(QStringLiteral("\n\n"));
}

HistoryResult HistoryDatabase::lookup(const QString& path, const QString& romName, const QString& parentName) {
    refresh(path);
    if (!m_readable || !m_index.problem.isEmpty())
        return damaged(m_path, m_index.problem);
    for (const QString& name : {romName, parentName}) {
        const auto found = m_index.entries.constFind(name);
        if (name.isEmpty() || found == m_index.entries.cend())
            continue;
        const std::optional<QString> text = entriesText(*found);
        if (!text)
            return damaged(m_path, QString());
        if (!text->isEmpty())
            return {Outcome::Found, *text};
    }
    return {Outcome::NoHistory, noHistoryText()};
}

} // namespace history
