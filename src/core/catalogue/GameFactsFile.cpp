#include "core/catalogue/GameFactsFile.h"

#include <QList>

namespace catalogue {
namespace {

struct ControlWord {
    const char* word;
    quint32 bits; // what the word sets; its last bit is the one it stands for
    quint32 own;
};

// "joy" stands for any joystick; the others for one kind each.
constexpr ControlWord Controls[] = {
    {"joy", Joystick, Joystick},
    {"joy2", Joystick | Joystick2Way, Joystick2Way},
    {"joy4", Joystick | Joystick4Way, Joystick4Way},
    {"joy8", Joystick | Joystick8Way, Joystick8Way},
    {"doublejoy", Joystick | DoubleJoystick, DoubleJoystick},
    {"trackball", Trackball, Trackball},
    {"lightgun", Lightgun, Lightgun},
    {"paddle", Paddle, Paddle},
    {"dial", Dial, Dial},
    {"pedal", Pedal, Pedal},
    {"mahjong", Mahjong, Mahjong},
    {"hanafuda", Hanafuda, Hanafuda},
    {"gambling", Gambling, Gambling},
    {"keyboard", Keyboard, Keyboard},
    {"keypad", Keypad, Keypad},
    {"mouse", Mouse, Mouse},
    {"buttons", ButtonsOnly, ButtonsOnly},
    {"stick", Stick, Stick},
    {"positional", Positional, Positional},
};

const char* supportWord(Support support) {
    switch (support) {
    case Support::Good:
        return "good";
    case Support::Imperfect:
        return "imperfect";
    case Support::Preliminary:
        return "preliminary";
    case Support::Unknown:
        break;
    }
    return "";
}

std::optional<quint8> smallNumber(QByteArrayView text) {
    bool ok = false;
    const int value = text.isEmpty() ? 0 : QByteArray::fromRawData(text.data(), text.size()).toInt(&ok);
    if (!text.isEmpty() && (!ok || value < 0 || value > 255))
        return std::nullopt;
    return quint8(value);
}

} // namespace

quint32 controlOf(QStringView word) {
    for (const ControlWord& each : Controls) {
        if (word == QLatin1String(each.word))
            return each.bits;
    }
    return 0;
}

QStringList controlWords(quint32 controls) {
    QStringList words;
    // A joystick of a known kind says so; "joy" alone only for one of no known kind.
    const bool kindKnown = controls & (Joystick2Way | Joystick4Way | Joystick8Way | DoubleJoystick);
    for (const ControlWord& each : Controls) {
        if ((controls & each.own) && !(each.own == Joystick && kindKnown))
            words << QLatin1String(each.word);
    }
    return words;
}

QByteArray factsLine(const QString& romName, const GameFacts& facts) {
    QByteArray line = romName.toLatin1();
    line += '\t';
    line += supportWord(facts.emulation);
    line += facts.saveState ? "\t1\t" : "\t0\t";
    line += QByteArray::number(facts.players) + '\t' + QByteArray::number(facts.buttons) + '\t' +
            QByteArray::number(facts.screens);
    line += facts.needsChd ? "\t1\t" : "\t0\t";
    line += controlWords(facts.controls).join(u' ').toLatin1();
    line += '\n';
    return line;
}

std::optional<FactsLine> parseFactsLine(QByteArrayView line) {
    while (!line.isEmpty() && (line.back() == '\n' || line.back() == '\r'))
        line.chop(1);
    QList<QByteArrayView> cells;
    for (qsizetype from = 0;;) {
        const qsizetype tab = line.indexOf('\t', from);
        cells.append(line.sliced(from, (tab < 0 ? line.size() : tab) - from));
        if (tab < 0)
            break;
        from = tab + 1;
    }
    if (cells.size() != 8 || cells[0].isEmpty())
        return std::nullopt;
    FactsLine read;
    read.romName = QString::fromLatin1(cells[0]);
    GameFacts& facts = read.facts;
    facts.detailed = true;
    const QByteArrayView emulation = cells[1];
    facts.emulation = emulation == "good"          ? Support::Good
                      : emulation == "imperfect"   ? Support::Imperfect
                      : emulation == "preliminary" ? Support::Preliminary
                                                   : Support::Unknown;
    const std::optional<quint8> players = smallNumber(cells[3]), buttons = smallNumber(cells[4]),
                                screens = smallNumber(cells[5]);
    if (!players || !buttons || !screens)
        return std::nullopt;
    facts.saveState = cells[2] == "1";
    facts.players = *players;
    facts.buttons = *buttons;
    facts.screens = *screens;
    facts.needsChd = cells[6] == "1";
    for (const QByteArray& word : cells[7].toByteArray().split(' '))
        facts.controls |= controlOf(QString::fromLatin1(word));
    return read;
}

} // namespace catalogue
