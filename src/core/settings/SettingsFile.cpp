#include "core/settings/SettingsFile.h"

#include "core/io/TextFile.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace settings {
namespace {

// File order: the settings every kind has, then the vector-only ones, each in field order.
QList<Field> fileOrder(SettingsKind kind) {
    QList<Field> order;
    for (bool vectorPart : {false, true}) {
        if (vectorPart && kind == SettingsKind::Raster)
            break;
        for (int index = 0; index < FieldCount; ++index) {
            if (isVectorOnly(Field(index)) == vectorPart)
                order << Field(index);
        }
    }
    return order;
}

// Hands out the fields of a settings file one at a time. Commas and line ends (CR LF, LF or
// CR) both end a field; blanks before a field are skipped; a quoted field runs to its closing
// quote, so a comma inside belongs to the text, and whatever follows the quote up to the next
// separator is dropped. A quote left open ends with its line rather than swallowing the rest
// of the file.
class FieldReader {
public:
    explicit FieldReader(QString text)
        : m_text(std::move(text)) {}

    std::optional<QString> next() {
        while (m_at < m_text.size() && (m_text[m_at] == u' ' || m_text[m_at] == u'\t'))
            ++m_at;
        if (m_at >= m_text.size())
            return std::nullopt;
        QString field;
        if (m_text[m_at] == u'"') {
            const qsizetype start = ++m_at;
            while (m_at < m_text.size() && m_text[m_at] != u'"' && !atLineEnd())
                ++m_at;
            field = m_text.mid(start, m_at - start);
            while (m_at < m_text.size() && m_text[m_at] != u',' && !atLineEnd())
                ++m_at;
        } else {
            const qsizetype start = m_at;
            while (m_at < m_text.size() && m_text[m_at] != u',' && !atLineEnd())
                ++m_at;
            field = m_text.mid(start, m_at - start).trimmed();
        }
        skipSeparator();
        return field;
    }

private:
    bool atLineEnd() const { return m_text[m_at] == u'\r' || m_text[m_at] == u'\n'; }

    void skipSeparator() {
        if (m_at >= m_text.size())
            return;
        if (m_text[m_at] == u'\r' && m_at + 1 < m_text.size() && m_text[m_at + 1] == u'\n')
            ++m_at;
        ++m_at;
    }

    QString m_text;
    qsizetype m_at = 0;
};

// A list position: a signed 16-bit decimal integer.
std::optional<int> parsePosition(const QString& field, QString& problem) {
    bool ok = false;
    const qlonglong value = field.toLongLong(&ok);
    if (ok && value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max())
        return int(value);
    // Digits that do not fit are an overflow; anything else is not a number at all.
    QString digits = field;
    if (digits.startsWith(u'-') || digits.startsWith(u'+'))
        digits.remove(0, 1);
    const bool allDigits =
        !digits.isEmpty() && std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c.isDigit(); });
    problem = ok || allDigits ? QStringLiteral("Overflow") : QStringLiteral("Type mismatch");
    return std::nullopt;
}

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

} // namespace

ReadResult readSettingsFile(const QString& path, SettingsKind kind, SettingsRecord& record) {
    std::optional<QString> text = io::readText(path);
    if (!text)
        return {ReadResult::Outcome::Missing, {}};

    // Read into a copy: an unreadable file leaves the record as it was, while a file that ends
    // early still hands over every field it did hold.
    SettingsRecord read = record;
    FieldReader fields(std::move(*text));
    for (Field field : fileOrder(kind)) {
        std::optional<QString> token = fields.next();
        if (!token) {
            record = read;
            return {ReadResult::Outcome::EndedEarly, {}};
        }
        read.token(field) = *token;
        if (positionIndex(field) < 0)
            continue;
        std::optional<QString> number = fields.next();
        if (!number) {
            record = read;
            return {ReadResult::Outcome::EndedEarly, {}};
        }
        QString problem;
        std::optional<int> position = parsePosition(*number, problem);
        if (!position)
            return {ReadResult::Outcome::Unreadable, problem};
        read.position(field) = *position;
    }
    record = read;
    return {};
}

bool writeSettingsFile(const QString& path, SettingsKind kind, const SettingsRecord& record) {
    QStringList lines;
    for (Field field : fileOrder(kind)) {
        QString line = quoted(record.token(field));
        if (positionIndex(field) >= 0)
            line += u',' + QString::number(record.position(field));
        lines << line;
    }
    return io::writeLines(path, lines);
}

QString optionsChangedMessage() {
    return QStringLiteral("Options have changed with this version of M.A.M.E.!\r"
                          "Check over your settings and press OK to recreate your defaults.");
}

QString defaultsFileName(SettingsKind kind) {
    return kind == SettingsKind::Raster ? QStringLiteral("raster.cfg") : QStringLiteral("vector.cfg");
}

QString customFileName(const QString& romName) {
    return romName + QStringLiteral(".cfg");
}

} // namespace settings
