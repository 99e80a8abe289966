#include "tokenbucket.h"

#include <algorithm>

namespace vantry::net {

bool TokenBucket::Take(qint64 nowMs) {
    if (lastMs_ >= 0 && nowMs > lastMs_) {
        tokens_ = std::min(burst_ * 1000.0, tokens_ + static_cast<double>(nowMs - lastMs_) * perSecond_);
    }
    if (nowMs > lastMs_) lastMs_ = nowMs;
    if (tokens_ < 1000.0) return false;
    tokens_ -= 1000.0;
    return true;
}

}  // namespace vantry::net
