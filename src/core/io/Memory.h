#pragma once

namespace io {

// Has large blocks (from 128 kB) always come straight from the system and go back to it when
// freed. glibc otherwise raises that bound to the largest block freed so far, after which the
// catalogue's large lists, made again on every refresh, are carved from the heap and stay in it:
// the peak rises by a list's size after the first refresh and the memory is never given back.
// Call once, first thing.
void returnLargeBlocksToSystem();

} // namespace io
