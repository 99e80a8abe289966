#pragma once

#include <QString>

namespace vantry {

class Prompter;

// Tells the player that something could not be stored, once a run at most: a store that failed
// once (a read-only file, a full disk) will fail at every write that follows, and one message
// says all there is to say. The best players, the options, the statistics and the window's
// place share one notice, which whoever holds them for the whole run owns.
class StoreFailureNotice {
public:
    // Shows `text` as a warning unless the player was told before.
    void Tell(Prompter& prompter, const QString& text);

private:
    bool told_ = false;
};

}  // namespace vantry
