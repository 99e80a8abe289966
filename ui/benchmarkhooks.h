#pragma once

namespace vantry {

// A hook for the start-up benchmark, off unless $VANTRY_BENCH_REPORT names a file. Then the
// moment the first top-level window has been painted and handed to the screen is written to
// that file once, as "first_frame_ns <CLOCK_MONOTONIC nanoseconds>", so that a launcher which
// noted the clock before starting the program can tell the start-up time. Call it once the
// application object exists, before the event loop runs.
void ReportFirstFrameIfAsked();

// True when $VANTRY_BENCH_ABOUT asks the benchmark's About road: the About window opens as
// soon as the board is up.
bool BenchOpensAbout();

}  // namespace vantry
