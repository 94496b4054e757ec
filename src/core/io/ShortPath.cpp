#include "core/io/ShortPath.h"

#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace io {

QString shortPath(const QString& longPath) {
#ifdef Q_OS_WIN
    wchar_t buffer[165] = {};
    const DWORD length = GetShortPathNameW(reinterpret_cast<const wchar_t*>(longPath.utf16()), buffer, 164);
    return length == 0 || length > 164 ? QString() : QString::fromWCharArray(buffer, int(length));
#else
    return QFileInfo::exists(longPath) ? longPath : QString();
#endif
}

QString shortCommandPath(const QString& longPath) {
#ifdef Q_OS_WIN
    return shortPath(longPath).toLower();
#else
    return shortPath(longPath);
#endif
}

} // namespace io
