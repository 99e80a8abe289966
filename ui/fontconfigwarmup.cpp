#include "fontconfigwarmup.h"

#include <fontconfig/fontconfig.h>

namespace vantry {

// The library loads its configuration once per process and is safe to call from any thread;
// should the toolkit ask before the reader is done, it waits for the same configuration.
FontConfigWarmUp::FontConfigWarmUp() : reader_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() { Wait(); }

void FontConfigWarmUp::Wait() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace vantry
