#pragma once

#include <functional>

namespace exec {
class Progress;
}

namespace gui {

// Runs work on a thread of its own and returns once it is done, the windows painting meanwhile.
// tick runs on this thread every few hundredths of a second, to show how far the work is. No user
// input reaches the program meanwhile, but for the progress window once it shows and takes it.
void runAside(const std::function<void()>& work, const std::function<void()>& tick, const exec::Progress& progress);

} // namespace gui
