// A whole-collection report: its summary moved to the top, then every bad set found in turn.
#include "FuzzSupport.h"

#include "core/audit/Reports.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromLatin1(fuzz::bytes(data, size));
    for (bool romSets : {true, false}) {
        const QString moved = audit::moveSummary(text, romSets);
        fuzz::expect(!moved.isEmpty(), "a summary or a message");

        qsizetype position = 0;
        for (int found = 0;; ++found) {
            const audit::FindResult result = audit::findBadSet(text, position, romSets);
            if (!result.found) {
                fuzz::expect(!result.message.isEmpty() && result.nextPosition == 0, "the end of the search is told");
                break;
            }
            const audit::BadSet set = *result.found;
            fuzz::expect(0 <= set.start && set.start < set.end && set.end <= text.size(), "a selection in the text");
            fuzz::expect(result.nextPosition > position, "the search moves on");
            fuzz::expect(found <= text.size(), "the search ends");
            position = result.nextPosition;
        }
    }
    return 0;
}
