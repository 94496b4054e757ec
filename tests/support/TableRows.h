#pragma once

#include "support/TestSandbox.h"
#include <QDir>
#include <QTest>

// Test tables a line a row: columns<QString, bool>({"text", "expected"}) declares them, and
// row("name", "some text", true) adds one with its values in column order.
template <typename... Types> void columns(std::initializer_list<const char*> names) {
    const char* const* name = names.begin();
    (QTest::addColumn<Types>(*name++), ...);
}

template <typename... Values> void row(const char* name, const Values&... values) {
    (QTest::newRow(name) << ... << values);
}

// The current row's value in a column.
template <typename T> const T& cell(const char* column) {
    return *static_cast<const T*>(QTest::qData(column, qMetaTypeId<T>()));
}

// File contents in tables end their lines with "|" for CR LF.
inline QByteArray crlf(QByteArray text) {
    return text.replace('|', "\r\n");
}

// A catalogue line from its fields joined by "|", each quoted.
inline QByteArray lineOf(const QByteArray& fields) {
    return '"' + QByteArray(fields).replace('|', "\",\"") + "\"\r\n";
}

// Puts bytes at a path: "<none>" leaves nothing there, "/" a folder. contents() tells in the same terms.
inline void place(const QString& path, const QByteArray& bytes) {
    QFile::remove(path);
    QDir(path).removeRecursively();
    if (bytes == "/")
        QDir().mkpath(path);
    else if (bytes != "<none>")
        writeFile(path, bytes);
}
inline QByteArray contents(const QString& path) {
    return QFileInfo(path).isDir() ? "/" : QFileInfo::exists(path) ? readFile(path) : "<none>";
}
