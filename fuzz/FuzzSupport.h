#pragma once

#include "core/exec/Progress.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share: a scratch folder, files written and read whole, and a check that
// turns a broken promise into a crash libFuzzer keeps.
namespace fuzz {

// The input as bytes, without a copy.
inline QByteArrayView bytes(const uint8_t* data, size_t size) {
    return QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A path in the process's own scratch folder (made on first use, removed at the end). Fixed
// names keep each run free of folder creation.
QString scratchPath(const QString& name);

// Replaces the file with the bytes; the run ends when that fails.
void writeFile(const QString& path, QByteArrayView content);
QByteArray readFile(const QString& path);

// Ends the run as a crash, so that the input is kept, when a reader breaks its promise.
void expect(bool condition, const char* promise);

// The input cut at the first separators into at most count parts; missing parts are empty.
QList<QByteArrayView> parts(QByteArrayView input, char separator, int count);

// A value as the ini reader hands it back: line breaks as blanks, blanks around it trimmed, at
// most 254 characters.
QString iniValue(const QString& written);

// Progress nobody watches.
class NoProgress final : public exec::Progress {
public:
    void setMessage(const QString&) override {}
    void setCount(int) override {}
};

} // namespace fuzz
