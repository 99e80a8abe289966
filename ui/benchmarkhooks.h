#pragma once

namespace vantry {

// A hook for the start-up benchmark, off unless $VANTRY_BENCH_REPORT names a file. Then the
// moment the first top-level window has been painted and handed to the screen is written to
// that file once, as "first_frame_ns <CLOCK_MONOTONIC nanoseconds>", so that a launcher which
// noted the clock before starting the program can tell the start-up time. Call it once the
// application object exists, before the event loop runs.
void ReportFirstFrameIfAsked();

}  // namespace vantry
