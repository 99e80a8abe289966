#pragma once

#include <QtGlobal>

namespace vantry::net {

// A rate limit: up to `burst` at once, then `perSecond` more each second. The time is handed
// in, in milliseconds of a steady clock, so the limit can be tried without waiting.
class TokenBucket {
public:
    explicit TokenBucket(int burst, int perSecond) : burst_(burst), perSecond_(perSecond), tokens_(burst * 1000.0) {}

    // True, and one used, when one is left at `nowMs`.
    bool Take(qint64 nowMs);

private:
    int burst_;
    int perSecond_;
    // In thousandths, so that a few milliseconds still earn their share.
    double tokens_;
    qint64 lastMs_ = -1;
};

}  // namespace vantry::net
