#include "core/catalogue/ListXmlImport.h"

#include "core/catalogue/GameFactsFile.h"

#include <algorithm>
#include <utility>

namespace catalogue {
namespace {

bool isYes(QStringView value) {
    return value == u"yes";
}

QString statusWord(QStringView status) {
    if (status == u"good")
        return QStringLiteral("Good");
    if (status == u"imperfect")
        return QStringLiteral("Imperfect");
    if (status == u"preliminary")
        return QStringLiteral("Preliminary");
    return QString();
}

// How badly the emulation does a feature: 0 well (a feature not listed works), 1 imperfectly,
// 2 not at all.
int featureFault(QStringView status) {
    return status == u"unemulated" ? 2 : status == u"imperfect" ? 1 : 0;
}

// A joystick's ways as the emulator writes them: "8", "4", "3 (half4)", "5 (half8)", "2" ...
quint32 joystickOf(QStringView ways) {
    if (ways.startsWith(u'2'))
        return Joystick | Joystick2Way;
    if (ways.startsWith(u'4') || ways.contains(u"half4"))
        return Joystick | Joystick4Way;
    if (ways.startsWith(u'8') || ways.contains(u"half8"))
        return Joystick | Joystick8Way;
    return Joystick;
}

quint32 controlOfType(QStringView type, QStringView ways) {
    if (type == u"joy")
        return joystickOf(ways);
    if (type == u"doublejoy" || type == u"triplejoy")
        return Joystick | DoubleJoystick;
    if (type == u"only_buttons")
        return ButtonsOnly;
    return controlOf(type);
}

quint8 clamped(int value) {
    return quint8(std::clamp(value, 0, 255));
}

QString featureWord(int fault) {
    static const QString words[] = {QStringLiteral("Good"), QStringLiteral("Imperfect"), QStringLiteral("Preliminary")};
    return words[fault];
}

// One field, quoted: a quote inside is doubled so that the text reads back whole, and a line
// break becomes a blank, as it would end the catalogue's line. Text the single-byte file cannot
// hold becomes "?".
void appendField(QByteArray& out, const QString& text) {
    out += '"';
    QByteArray bytes = text.toLatin1();
    bytes.replace('\r', ' ').replace('\n', ' ');
    if (bytes.contains('"'))
        out += QByteArray(bytes).replace("\"", "\"\"");
    else
        out += bytes;
    out += '"';
}

} // namespace

// What one machine element has said so far.
struct ListXmlImport::Machine {
    GameRecord record;
    GameFacts facts;
    QString romOf;
    bool wanted = true; // runnable, no device, BIOS or mechanical machine
    bool hasCoins = false;
    bool needsFiles = false;
    bool hasDisplay = false;
    bool hasGraphics = false; // a cartridge with sprite graphics of its own
    int colourFault = 0;      // featureFault()
    int soundFault = 0;
};

ListXmlImport::ListXmlImport() = default;
ListXmlImport::~ListXmlImport() = default;

void ListXmlImport::addData(QByteArrayView data) {
    if (m_failed || m_ended)
        return;
    m_reader.addData(m_lines.filter(data));
    read();
}

bool ListXmlImport::finish() {
    if (!m_failed && !m_ended) {
        m_reader.addData(m_lines.finish());
        read();
    }
    if (!m_failed && !m_ended)
        fail(m_seenRoot ? QStringLiteral("the document ends too early") : QStringLiteral("there is no document"));
    return !m_failed;
}

void ListXmlImport::fail(const QString& text) {
    m_failed = true;
    m_error = QStringLiteral("line %1, column %2: %3")
                  .arg(m_lines.documentLine(m_reader.lineNumber()))
                  .arg(m_reader.columnNumber() + 1) // counted from 1, as an editor does
                  .arg(text);
}

void ListXmlImport::read() {
    while (!m_reader.atEnd()) {
        switch (m_reader.readNext()) {
        case QXmlStreamReader::StartElement:
            m_seenRoot = true;
            ++m_depth;
            startElement();
            break;
        case QXmlStreamReader::EndElement:
            endElement();
            // The document ends with its root element. Whatever might follow is not read: the
            // reader would judge it only when it arrived together with the end tag.
            if (--m_depth == 0) {
                m_ended = true;
                return;
            }
            break;
        case QXmlStreamReader::EndDocument:
            m_ended = true;
            return;
        case QXmlStreamReader::Characters:
            if (m_textField >= 0)
                m_text += m_reader.text();
            break;
        case QXmlStreamReader::Invalid:
            // The rest of the document has not been written yet.
            if (m_reader.error() != QXmlStreamReader::PrematureEndOfDocumentError)
                fail(m_reader.errorString());
            return;
        default:
            break;
        }
    }
}

void ListXmlImport::startElement() {
    const QStringView name = m_reader.name();
    // Most elements (ROMs, switches, ports) matter to no field: they are passed over unread.
    if (name == u"machine") {
        startMachine(m_reader.attributes());
        return;
    }
    if (!m_machine)
        return;
    Machine& machine = *m_machine;
    if (name == u"disk" && m_reader.attributes().value(QLatin1String("status")) != u"nodump")
        machine.facts.needsChd = true;
    if (name == u"rom" || name == u"disk") {
        // Its line was cut down to the element alone when the game needs the file.
        const QXmlStreamAttributes attributes = m_reader.attributes();
        machine.needsFiles = machine.needsFiles || attributes.value(QLatin1String("status")) != u"nodump";
        machine.hasGraphics = machine.hasGraphics || attributes.value(QLatin1String("graphics")) == u"yes" ||
                              attributes.value(QLatin1String("region")).endsWith(u":sprites");
    } else if (name == u"description") {
        m_textField = GameRecord::Description;
    } else if (name == u"year") {
        m_textField = GameRecord::Year;
    } else if (name == u"manufacturer") {
        m_textField = GameRecord::Manufacturer;
    } else if (name == u"driver") {
        const QXmlStreamAttributes attributes = m_reader.attributes();
        machine.record.set(GameRecord::DriverStatus, statusWord(attributes.value(QLatin1String("status"))));
        machine.facts.emulation = supportOf(statusWord(attributes.value(QLatin1String("emulation"))));
        machine.facts.saveState = attributes.value(QLatin1String("savestate")) == u"supported";
    } else if (name == u"input") {
        const QXmlStreamAttributes attributes = m_reader.attributes();
        machine.hasCoins = attributes.value(QLatin1String("coins")).toInt() > 0;
        machine.facts.players = clamped(attributes.value(QLatin1String("players")).toInt());
    } else if (name == u"control") {
        const QXmlStreamAttributes attributes = m_reader.attributes();
        machine.facts.controls |=
            controlOfType(attributes.value(QLatin1String("type")), attributes.value(QLatin1String("ways")));
        machine.facts.buttons =
            std::max(machine.facts.buttons, clamped(attributes.value(QLatin1String("buttons")).toInt()));
    } else if (name == u"feature") {
        // The machine's own fault or that of a device it holds ("overall"), whichever is worse.
        const QXmlStreamAttributes attributes = m_reader.attributes();
        const QStringView type = attributes.value(QLatin1String("type"));
        const int fault = std::max(featureFault(attributes.value(QLatin1String("status"))),
                                   featureFault(attributes.value(QLatin1String("overall"))));
        if (type == u"palette")
            machine.colourFault = std::max(machine.colourFault, fault);
        else if (type == u"sound")
            machine.soundFault = std::max(machine.soundFault, fault);
    } else if (name == u"display") {
        machine.facts.screens = clamped(machine.facts.screens + 1);
        if (!machine.hasDisplay)
            readDisplay(m_reader.attributes());
    }
    if (m_textField >= 0)
        m_text.clear();
}

void ListXmlImport::startMachine(const QXmlStreamAttributes& attributes) {
    m_machine = std::make_unique<Machine>();
    Machine& machine = *m_machine;
    machine.record.set(GameRecord::RomName, attributes.value(QLatin1String("name")).toString());
    const QStringView parent = attributes.value(QLatin1String("cloneof"));
    machine.record.set(GameRecord::Origin,
                       parent.isEmpty() ? QStringLiteral("Original") : QStringLiteral("Clone of ") + parent.toString());
    machine.romOf = attributes.value(QLatin1String("romof")).toString();
    machine.wanted =
        !isYes(attributes.value(QLatin1String("isbios"))) && !isYes(attributes.value(QLatin1String("isdevice"))) &&
        !isYes(attributes.value(QLatin1String("ismechanical"))) && attributes.value(QLatin1String("runnable")) != u"no";
}

// The screen as the player sees it: a display turned a quarter stands on its side.
void ListXmlImport::readDisplay(const QXmlStreamAttributes& attributes) {
    Machine& machine = *m_machine;
    machine.hasDisplay = true;
    const int rotate = attributes.value(QLatin1String("rotate")).toInt();
    const bool vertical = rotate == 90 || rotate == 270;
    const QString side = vertical ? QStringLiteral("   V") : QStringLiteral("   H");
    const QStringView type = attributes.value(QLatin1String("type"));
    // A liquid crystal or drawn screen says so; an unknown type counts as the usual raster one.
    machine.record.set(GameRecord::VideoType, type == u"lcd"   ? QStringLiteral("LCD")
                                              : type == u"svg" ? QStringLiteral("SVG")
                                                               : QStringLiteral("Raster"));
    if (type == u"vector") {
        machine.record.set(GameRecord::VideoType, QStringLiteral("Vector"));
        machine.record.set(GameRecord::Display, vertical ? QStringLiteral("Unknown V") : QStringLiteral("Unknown H"));
        return;
    }
    const QStringView width = attributes.value(QLatin1String("width"));
    const QStringView height = attributes.value(QLatin1String("height"));
    machine.record.set(GameRecord::Display, (vertical ? height.toString() : width.toString()) + u'x' +
                                                (vertical ? width.toString() : height.toString()) + side);
}

void ListXmlImport::endElement() {
    if (m_textField >= 0) {
        m_machine->record.set(GameRecord::Field(m_textField), m_text);
        m_textField = -1;
        return;
    }
    if (!m_machine || m_reader.name() != u"machine")
        return;
    Machine& machine = *m_machine;
    // A Neo-Geo cabinet or board with no game cartridge in it brings no graphics of its own.
    const bool emptyNeoGeo = machine.romOf == u"neogeo" && !machine.hasGraphics;
    if (machine.wanted && machine.hasCoins && !emptyNeoGeo) {
        GameRecord& record = machine.record;
        record.set(GameRecord::ColorStatus, featureWord(machine.colourFault));
        record.set(GameRecord::SoundStatus, featureWord(machine.soundFault));
        record.settle();
        record.facts() = machine.facts;
        record.facts().detailed = true;
        if (!machine.needsFiles)
            m_romless << record.romName();
        if (machine.romOf == u"neogeo")
            m_neoGeoParents.insert(record.romName());
        m_games.append(std::move(record));
    }
    m_machine.reset();
}

void ListXmlImport::merge(const QList<ListXmlImport*>& parts) {
    for (ListXmlImport* part : parts) {
        m_games.append(std::move(part->m_games));
        m_neoGeoParents.unite(part->m_neoGeoParents);
        m_romless.unite(part->m_romless);
    }
    // The emulator lists its machines by name; a clone's Neo-Geo parent may be in another part.
    std::stable_sort(m_games.begin(), m_games.end(),
                     [](const GameRecord& a, const GameRecord& b) { return a.romName() < b.romName(); });
    // An emulator that knows no name patterns lists every machine in every run: each is kept once.
    m_games.erase(std::unique(m_games.begin(), m_games.end(),
                              [](const GameRecord& a, const GameRecord& b) { return a.romName() == b.romName(); }),
                  m_games.end());
}

bool ListXmlImport::isNeoGeo(const GameRecord& game) const {
    return m_neoGeoParents.contains(game.romName()) || (game.isClone() && m_neoGeoParents.contains(game.parentName()));
}

QByteArray ListXmlImport::catalogue() const {
    // Retro games first, then the Neo-Geo run.
    QByteArray out;
    out.reserve(m_games.size() * 110);
    for (bool neoGeo : {false, true}) {
        for (const GameRecord& game : m_games) {
            if (isNeoGeo(game) != neoGeo)
                continue;
            for (int field = 0; field < GameRecord::FieldCount; ++field) {
                if (field > 0)
                    out += ',';
                appendField(out, game.field(field));
            }
            out += "\r\n";
        }
    }
    return out;
}

QByteArray ListXmlImport::facts() const {
    QByteArray out;
    out.reserve(m_games.size() * 40);
    for (bool neoGeo : {false, true}) {
        for (const GameRecord& game : m_games) {
            if (isNeoGeo(game) == neoGeo)
                out += factsLine(game.romName(), game.facts());
        }
    }
    return out;
}

int ListXmlImport::neoGeoFrom() const {
    return int(
        std::count_if(m_games.cbegin(), m_games.cend(), [this](const GameRecord& game) { return !isNeoGeo(game); }));
}

} // namespace catalogue
