#include "Control.h"

#include "Catalogue.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <thread>

namespace standin {
namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Splits off the first blank-separated word.
std::string_view nextWord(std::string_view& s) {
    s = trimmed(s);
    const std::size_t end = std::min(s.find_first_of(" \t"), s.size());
    const std::string_view word = s.substr(0, end);
    s.remove_prefix(end);
    if (!s.empty())
        s.remove_prefix(1); // one separator only: the text of "stderr" keeps any further blanks
    return word;
}

} // namespace

Control Control::load(const char* argv0, std::string_view command, const std::vector<std::string>& args) {
    const auto file = findBesideProgram(argv0, "standin-control.txt");
    const auto text = file ? readWholeFile(*file) : std::nullopt;
    return text ? parse(*text, command, args) : Control{};
}

Control Control::parse(std::string_view text, std::string_view command, const std::vector<std::string>& args) {
    Control control;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        std::string_view name = nextWord(line);
        if (const std::size_t at = name.find('@'); at != std::string_view::npos) {
            if (std::find(args.begin(), args.end(), name.substr(at + 1)) == args.end())
                continue;
            name = name.substr(0, at);
        }
        if (name.empty() || name.front() == '#' || !equalsIgnoreCase(name, command))
            continue;
        const std::string_view action = nextWord(line);
        if (equalsIgnoreCase(action, "exit"))
            control.exitCode = std::atoi(std::string(trimmed(line)).c_str());
        else if (equalsIgnoreCase(action, "die"))
            control.die = true;
        else if (equalsIgnoreCase(action, "delay"))
            control.delayMs = std::max(0, std::atoi(std::string(trimmed(line)).c_str()));
        else if (equalsIgnoreCase(action, "stderr"))
            control.stderrLines.emplace_back(line);
    }
    return control;
}

void Control::pause() const {
    if (delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
}

Transcript::Transcript()
    : m_outBuffer(*this, false)
    , m_errBuffer(*this, true)
    , m_out(&m_outBuffer)
    , m_err(&m_errBuffer) {}

Transcript::Buffer::int_type Transcript::Buffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    m_owner.append(m_toErr, std::string_view(&ch, 1));
    return c;
}

std::streamsize Transcript::Buffer::xsputn(const char* s, std::streamsize n) {
    m_owner.append(m_toErr, std::string_view(s, static_cast<std::size_t>(n)));
    return n;
}

void Transcript::append(bool toErr, std::string_view text) {
    if (text.empty())
        return;
    if (m_segments.empty() || m_itemPending || m_segments.back().toErr != toErr)
        m_segments.push_back(Segment{toErr, m_itemPending, {}});
    m_itemPending = false;
    m_segments.back().text += text;
}

void Transcript::play(const Control& control) {
    std::size_t total = 0;
    for (const Segment& s : m_segments)
        total += s.text.size();
    // A crash half way leaves what a reader most often sees of one: a cut-off line, a document without its end.
    const std::size_t limit = control.die ? total / 2 : total;
    std::size_t written = 0;
    for (const Segment& s : m_segments) {
        if (written >= limit)
            break;
        if (s.item)
            control.pause();
        std::ostream& to = s.toErr ? std::cerr : std::cout;
        const std::size_t n = std::min(s.text.size(), limit - written);
        to.write(s.text.data(), static_cast<std::streamsize>(n));
        to.flush();
        written += n;
    }
    if (control.die) {
        std::cout.flush();
        std::cerr.flush();
        std::abort();
    }
}

void beginItem(std::ostream& out) {
    if (auto* buffer = dynamic_cast<Transcript::Buffer*>(out.rdbuf()))
        buffer->markItem();
}

} // namespace standin
