#pragma once

#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace standin {

// What standin-control.txt asks of one command, so tests can have the emulator fail, crash, dawdle or complain.
struct Control {
    std::optional<int> exitCode;          // "exit N": behave normally, then end with N
    bool die = false;                     // "die": write about half the output, then abort
    int delayMs = 0;                      // "delay MS": pause before each game, set or machine written
    std::vector<std::string> stderrLines; // "stderr TEXT"

    // The lines for `command` (the command option, or "play" for a game start); none when there is no file.
    // A line for "COMMAND@WORD" counts only for a run given WORD among its arguments ("-listxml@n*").
    static Control load(const char* argv0, std::string_view command, const std::vector<std::string>& args = {});
    static Control parse(std::string_view text, std::string_view command, const std::vector<std::string>& args = {});

    // Delays and crashes need the output gathered first, then written piece by piece.
    bool reshapesOutput() const { return die || delayMs > 0; }
    void pause() const;
};

// Standard output and error gathered in order, to be written later as the control file says.
class Transcript {
public:
    Transcript();
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;

    std::ostream& out() { return m_out; }
    std::ostream& err() { return m_err; }

    // Writes everything to the real streams, pausing before each item; with "die" it stops half way and aborts.
    void play(const Control& control);

private:
    struct Segment {
        bool toErr = false;
        bool item = false;
        std::string text;
    };

    class Buffer : public std::streambuf {
    public:
        Buffer(Transcript& owner, bool toErr)
            : m_owner(owner)
            , m_toErr(toErr) {}
        void markItem() { m_owner.m_itemPending = true; }

    protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* s, std::streamsize n) override;

    private:
        Transcript& m_owner;
        bool m_toErr;
    };

    void append(bool toErr, std::string_view text);

    std::vector<Segment> m_segments;
    bool m_itemPending = false;
    Buffer m_outBuffer;
    Buffer m_errBuffer;
    std::ostream m_out;
    std::ostream m_err;

    friend void beginItem(std::ostream& out);
};

// Marks the start of a game, set or machine in the output: where a slow run pauses. Real streams ignore it.
void beginItem(std::ostream& out);

} // namespace standin
