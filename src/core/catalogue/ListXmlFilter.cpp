#include "core/catalogue/ListXmlFilter.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>

namespace catalogue {
namespace {

// A line holding one tag, "<name ...>", "<name .../>" or "</name>", or an element with its text,
// "<name>text</name>", as the emulator writes them.
struct Tag {
    bool plain = false; // false: anything else, which only the XML reader can judge
    bool closing = false;
    QByteArrayView name;
    qsizetype attributes = 0; // just past the name
    qsizetype close = 0;      // the "/>" or ">" that ends the tag
};

bool isNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

Tag tagOf(QByteArrayView line) {
    Tag tag;
    qsizetype at = 0;
    while (at < line.size() && (line[at] == '\t' || line[at] == ' '))
        ++at;
    qsizetype end = line.size();
    while (end > at && (line[end - 1] == '\n' || line[end - 1] == '\r' || line[end - 1] == ' '))
        --end;
    if (end - at < 3 || line[at] != '<' || line[end - 1] != '>')
        return tag;
    tag.closing = line[at + 1] == '/';
    const qsizetype nameStart = at + (tag.closing ? 2 : 1);
    qsizetype nameEnd = nameStart;
    while (nameEnd < end && isNameCharacter(line[nameEnd]))
        ++nameEnd;
    if (nameEnd == nameStart || (line[nameEnd] != ' ' && line[nameEnd] != '>' && line[nameEnd] != '/'))
        return tag;
    tag.plain = true;
    tag.name = line.sliced(nameStart, nameEnd - nameStart);
    tag.attributes = nameEnd;
    tag.close = line[end - 2] == '/' ? end - 2 : end - 1;
    return tag;
}

bool isSelfClosing(QByteArrayView line, const Tag& tag) {
    return line[tag.close] == '/';
}

// Elements that mean nothing to the catalogue, and make up most of the document.
bool isPassedOver(QByteArrayView name) {
    // The most frequent first.
    static const QByteArrayView names[] = {"dipvalue",    "dipswitch",   "device_ref", "port",          "slotoption",
                                           "confsetting", "diplocation", "chip",       "configuration", "extension",
                                           "slot",        "sound",       "biosset",    "sample",        "device",
                                           "instance",    "analog",      "condition",  "softwarelist",  "ramoption",
                                           "adjuster",    "conflocation"};
    for (QByteArrayView known : names) {
        if (name.size() == known.size() && std::memcmp(name.data(), known.data(), size_t(name.size())) == 0)
            return true;
    }
    return false;
}

// Calls take(name, value) for each name="value" pair of a tag, the value as written; false
// unless the tag is laid out plainly, pairs one or more blanks apart and no "<" in a value.
template <typename Take> bool forEachAttribute(QByteArrayView line, const Tag& tag, Take&& take) {
    qsizetype at = tag.attributes;
    while (at < tag.close) {
        const qsizetype blank = at;
        while (at < tag.close && line[at] == ' ')
            ++at;
        if (at == blank)
            return false;
        if (at == tag.close)
            break; // blanks before the end of the tag
        const qsizetype nameStart = at;
        qsizetype nameEnd = nameStart;
        while (nameEnd < tag.close && isNameCharacter(line[nameEnd]))
            ++nameEnd;
        if (nameEnd == nameStart || nameEnd + 1 >= tag.close || line[nameEnd] != '=' || line[nameEnd + 1] != '"')
            return false;
        const qsizetype valueEnd = line.indexOf('"', nameEnd + 2);
        if (valueEnd < 0 || valueEnd >= tag.close)
            return false;
        const QByteArrayView value = line.sliced(nameEnd + 2, valueEnd - nameEnd - 2);
        if (value.contains('<'))
            return false;
        take(line.sliced(nameStart, nameEnd - nameStart), value);
        at = valueEnd + 1;
    }
    return true;
}

// The attributes the catalogue reads of the elements that carry many more.
std::span<const QByteArrayView> wantedAttributes(QByteArrayView element) {
    static const QByteArrayView machine[] = {"name",     "cloneof",      "romof",   "isbios",
                                             "isdevice", "ismechanical", "runnable"};
    static const QByteArrayView driver[] = {"status", "emulation", "savestate"};
    static const QByteArrayView display[] = {"type", "rotate", "width", "height"};
    static const QByteArrayView input[] = {"players", "coins"};
    static const QByteArrayView control[] = {"type", "buttons", "ways"};
    if (element == "machine")
        return machine;
    if (element == "driver")
        return driver;
    if (element == "display")
        return display;
    if (element == "input")
        return input;
    if (element == "control")
        return control;
    return {};
}

// The line with only the attributes the catalogue reads, or whole when it has no others or is
// not laid out plainly (so that whatever is odd about it reaches the reader as written).
void appendLine(QByteArrayView line, const Tag& tag, QByteArray& out) {
    const std::span<const QByteArrayView> wanted = wantedAttributes(tag.name);
    if (wanted.empty() || tag.closing) {
        out += line;
        return;
    }
    const qsizetype mark = out.size();
    out += line.first(tag.attributes);
    const bool plain = forEachAttribute(line, tag, [&](QByteArrayView name, QByteArrayView value) {
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end())
            return;
        // The pair as written: the blank before it, name, equals sign and quoted value.
        out += QByteArrayView(name.data() - 1, value.data() + value.size() + 1 - (name.data() - 1));
    });
    if (plain) {
        out += line.sliced(tag.close);
    } else {
        out.truncate(mark);
        out += line;
    }
}

bool isDigits(QByteArrayView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

QByteArray ListXmlFilter::filter(QByteArrayView data) {
    QByteArray kept;
    kept.reserve(data.size() / 16);
    qsizetype from = 0;
    if (!m_partialLine.isEmpty()) {
        const qsizetype newline = data.indexOf('\n');
        if (newline < 0) {
            m_partialLine += data;
            return kept;
        }
        m_partialLine += data.first(newline + 1);
        take(std::exchange(m_partialLine, QByteArray()), kept);
        from = newline + 1;
    }
    while (from < data.size()) {
        const char* start = data.data() + from;
        const void* newline = std::memchr(start, '\n', size_t(data.size() - from));
        if (!newline) {
            m_partialLine = data.sliced(from).toByteArray();
            break;
        }
        const qsizetype length = static_cast<const char*>(newline) - start + 1;
        take(QByteArrayView(start, length), kept);
        from += length;
    }
    return kept;
}

QByteArray ListXmlFilter::finish() {
    QByteArray kept;
    if (!m_partialLine.isEmpty())
        take(std::exchange(m_partialLine, QByteArray()), kept);
    // A machine the document leaves open goes to the reader, which says so.
    if (m_inMachine)
        endMachine(kept, true);
    return kept;
}

void ListXmlFilter::take(QByteArrayView line, QByteArray& kept) {
    ++m_lines;
    const Tag tag = tagOf(line);
    if (tag.plain && !tag.closing && tag.name == "machine") {
        if (m_inMachine)
            endMachine(kept, true); // a machine inside a machine: the reader's to report
        startMachine(line);
        return;
    }
    QByteArray& out = m_inMachine ? m_machine.text : kept;
    QList<quint32>& lines = m_inMachine ? m_machine.lines : m_keptLines;
    if (!tag.plain) {
        m_machine.odd = m_machine.odd || m_inMachine;
        out += line;
        lines.append(m_lines);
        return;
    }
    if (isPassedOver(tag.name))
        return;
    if (!tag.closing && (tag.name == "rom" || tag.name == "disk") && isSelfClosing(line, tag)) {
        // What matters is whether the game needs a file at all (a file nobody could dump is not
        // looked for), and whether a cartridge brings graphics of its own.
        if (!m_machine.graphicsNoted && line.contains(":sprites\"")) {
            m_machine.graphicsNoted = true;
            out += "<rom graphics=\"yes\"/>\n";
            lines.append(m_lines);
        }
        if (line.contains("status=\"nodump\""))
            return;
        // A game on a disk image (a CHD) says so once.
        if (tag.name == "disk" && !m_machine.diskNoted) {
            m_machine.diskNoted = true;
            out += "<disk/>\n";
            lines.append(m_lines);
        }
        if (m_machine.needsFileNoted)
            return;
        m_machine.needsFileNoted = true;
        out += "<rom/>\n";
        lines.append(m_lines);
        return;
    }
    if (!tag.closing && tag.name == "input" && m_inMachine) {
        const bool plain = forEachAttribute(line, tag, [this](QByteArrayView name, QByteArrayView value) {
            if (name != "coins")
                return;
            if (!isDigits(value))
                m_machine.odd = true;
            else if (value.toInt() > 0)
                m_machine.hasCoins = true;
        });
        m_machine.odd = m_machine.odd || !plain;
    }
    appendLine(line, tag, out);
    lines.append(m_lines);
    if (tag.closing && tag.name == "machine" && m_inMachine)
        endMachine(kept, false);
}

void ListXmlFilter::startMachine(QByteArrayView line) {
    const Tag tag = tagOf(line);
    m_inMachine = true;
    m_machine = Machine();
    const bool plain = forEachAttribute(line, tag, [this](QByteArrayView name, QByteArrayView value) {
        if ((value == "yes" && (name == "isbios" || name == "isdevice" || name == "ismechanical")) ||
            (name == "runnable" && value == "no"))
            m_machine.noGame = true;
    });
    m_machine.odd = !plain;
    appendLine(line, tag, m_machine.text);
    m_machine.lines.append(m_lines);
}

// Only a machine that may be a game goes to the reader: one that says it is a device, a BIOS or
// a mechanical machine, or has no coin slot, is left out whole, unless something about it is odd.
void ListXmlFilter::endMachine(QByteArray& kept, bool unfinished) {
    m_inMachine = false;
    if (!unfinished && !m_machine.odd && (m_machine.noGame || !m_machine.hasCoins))
        return;
    kept += m_machine.text;
    m_keptLines += m_machine.lines;
}

qint64 ListXmlFilter::documentLine(qint64 keptLine) const {
    if (keptLine >= 1 && keptLine <= m_keptLines.size())
        return m_keptLines[keptLine - 1];
    // Past the last kept line: the reader stands at the end of the document.
    return qint64(m_lines) + 1 + qMax<qint64>(0, keptLine - m_keptLines.size() - 1);
}

} // namespace catalogue
