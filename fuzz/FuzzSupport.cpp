#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

QString scratchPath(const QString& name) {
    static const QTemporaryDir folder;
    expect(folder.isValid(), "a scratch folder can be made");
    return folder.filePath(name);
}

void writeFile(const QString& path, QByteArrayView content) {
    QFile file(path);
    expect(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the scratch file can be written");
    expect(file.write(content.data(), content.size()) == content.size(), "the scratch file takes the input");
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void expect(bool condition, const char* promise) {
    if (condition)
        return;
    std::fprintf(stderr, "Broken promise: %s\n", promise);
    std::abort();
}

QList<QByteArrayView> parts(QByteArrayView input, char separator, int count) {
    QList<QByteArrayView> result;
    while (result.size() < count - 1) {
        const qsizetype at = input.indexOf(separator);
        if (at < 0)
            break;
        result.append(input.first(at));
        input = input.sliced(at + 1);
    }
    result.append(input);
    while (result.size() < count)
        result.append(QByteArrayView());
    return result;
}

QString iniValue(const QString& written) {
    QString value = written;
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    qsizetype begin = 0;
    qsizetype end = value.size();
    while (begin < end && (value[begin] == u' ' || value[begin] == u'\t'))
        ++begin;
    while (end > begin && (value[end - 1] == u' ' || value[end - 1] == u'\t'))
        --end;
    return value.sliced(begin, end - begin).left(254);
}

} // namespace fuzz
