#include "core/catalogue/GameRecord.h"

#include <QHash>
#include <QMutex>

#include <atomic>

namespace catalogue {

Support supportOf(QStringView text) {
    if (text == u"Good")
        return Support::Good;
    if (text == u"Imperfect")
        return Support::Imperfect;
    if (text == u"Preliminary")
        return Support::Preliminary;
    return Support::Unknown;
}

namespace {

// The shared texts: looked up by text under a lock when a record is made, read by number without
// one. They lie in chunks that never move, so that a text read stays where it is.
class TextPool {
public:
    TextPool() { (void)idOf(QString()); }
    ~TextPool() {
        for (std::atomic<QString*>& chunk : m_chunks)
            delete[] chunk.load();
    }

    quint32 idOf(const QString& text) {
        const QMutexLocker lock(&m_mutex);
        if (const auto found = m_ids.constFind(text); found != m_ids.cend())
            return *found;
        if (m_count >= ChunkSize * Chunks) // hundreds of millions of texts: no room left
            return 0;
        const quint32 id = m_count++;
        QString* chunk = m_chunks[id / ChunkSize].load(std::memory_order_relaxed);
        if (!chunk) {
            chunk = new QString[ChunkSize];
            m_chunks[id / ChunkSize].store(chunk, std::memory_order_release);
        }
        chunk[id % ChunkSize] = text;
        m_ids.insert(text, id);
        return id;
    }

    const QString& text(quint32 id) const {
        return m_chunks[id / ChunkSize].load(std::memory_order_acquire)[id % ChunkSize];
    }

private:
    static constexpr quint32 ChunkSize = 1u << 12;
    static constexpr quint32 Chunks = 1u << 16;
    QMutex m_mutex;
    QHash<QString, quint32> m_ids;
    quint32 m_count = 0;
    std::array<std::atomic<QString*>, Chunks> m_chunks{};
};

TextPool& pool() {
    static TextPool texts;
    return texts;
}

} // namespace

SharedText::SharedText(const QString& text)
    : m_id(text.isEmpty() ? 0 : pool().idOf(text)) {}

const QString& SharedText::text() const {
    return pool().text(m_id);
}

void GameRecord::set(Field field, const QString& text) {
    if (field == Description)
        d->description = text;
    else if (field == RomName)
        d->romName = text;
    else
        d->shared[size_t(field - 1)] = SharedText(text);
}

void GameRecord::set(Field field, SharedText text) {
    if (field != Description && field != RomName)
        d->shared[size_t(field - 1)] = text;
    else
        set(field, text.text());
}

std::array<QString, GameRecord::FieldCount> GameRecord::fields() const {
    std::array<QString, FieldCount> all;
    for (int i = 0; i < FieldCount; ++i)
        all[size_t(i)] = field(i);
    return all;
}

void GameRecord::settle() {
    Data& data = *d;
    const QString& origin = field(Origin);
    data.clone = origin.startsWith(QLatin1String("Clone of"));
    data.vertical = field(Display).endsWith(u'V');
    data.vector = field(VideoType) == u"Vector";
    data.driver = supportOf(field(DriverStatus));
    data.colour = supportOf(field(ColorStatus));
    data.sound = supportOf(field(SoundStatus));
    bool ok = false;
    const QString& year = field(Year);
    const int value = year.size() == 4 ? year.toInt(&ok) : 0;
    data.year = ok && value > 0 ? quint16(value) : 0;
}

const std::array<QString, GameRecord::FieldCount>& columnHeadings() {
    static const std::array<QString, GameRecord::FieldCount> headings = {
        QStringLiteral("Game"),   QStringLiteral("Year"),         QStringLiteral("Status"), QStringLiteral("Color"),
        QStringLiteral("Sound"),  QStringLiteral("Manufacturer"), QStringLiteral("Type"),   QStringLiteral("Display"),
        QStringLiteral("Origin"), QStringLiteral("ROM"),
    };
    return headings;
}

} // namespace catalogue
