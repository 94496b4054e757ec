#include "exec/ShortPath.h"

#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace exec {

QString GetShortPath(const QString& longPath) {
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
    return GetShortPath(longPath).toLower();
#else
    return GetShortPath(longPath);
#endif
}

} // namespace exec
