// history.xml: indexed, then each system's entries read on their own.
#include "HistorySupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = fuzz::scratchPath(QStringLiteral("history.xml"));
    fuzz::lookUpEverySystem(path, data, size);
    return 0;
}
