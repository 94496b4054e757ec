#include "core/history/HistoryDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

} // namespace

void HistoryDatabase::refresh(const QString& path) {
    const QFileInfo info(path);
    if (path == m_path && info.size() == m_size && info.lastModified() == m_modified)
        return;
    m_path = path;
    m_size = info.size();
    m_modified = info.lastModified();
    m_xml = info.suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0;
    m_index = EntryIndex();
    m_readable = true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_size = -1; // tried again on the next lookup
        m_readable = false;
        return;
    }
    m_index = m_xml ? indexHistoryXml(file) : indexHistoryDat(file);
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
