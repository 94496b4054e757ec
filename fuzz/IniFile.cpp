// The ini reader and writer on any file: a value written reads back.
#include "FuzzSupport.h"

#include "core/io/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = fuzz::scratchPath(QStringLiteral("options.ini"));
    // Section and key names are the program's own; the value and the file come from outside.
    static const QString sections[] = {QStringLiteral("Preferences"), QStringLiteral("Directories"),
                                       QStringLiteral("ShutDown"), QStringLiteral("directory")};
    static const QString keys[] = {QStringLiteral("GameList"), QStringLiteral("MAME"),    QStringLiteral("rompath"),
                                   QStringLiteral("AllIndex"), QStringLiteral("snap"),    QStringLiteral("BackColor"),
                                   QStringLiteral("a"),        QStringLiteral("MAMEDate")};
    if (size < 1)
        return 0;
    const QString& section = sections[data[0] & 3];
    const QString& key = keys[(data[0] >> 2) & 7];
    const QList<QByteArrayView> parts = fuzz::parts(fuzz::bytes(data + 1, size - 1), '\0', 2);
    const QString value = QString::fromLatin1(parts[0]);
    fuzz::writeFile(path, parts[1]);

    const QString before = io::readIni(path, section, key, QStringLiteral("default"));
    fuzz::expect(before.size() <= 254, "a value read is at most 254 characters");
    fuzz::expect(io::writeIni(path, section, key, value), "the file can be written");
    fuzz::expect(io::readIni(path, section, key, QStringLiteral("default")) == fuzz::iniValue(value),
                 "the value written reads back");
    return 0;
}
