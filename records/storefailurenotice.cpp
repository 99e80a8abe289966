#include "storefailurenotice.h"

#include "prompter.h"

namespace vantry {

bool StoreFailureNotice::Tell(Prompter& prompter, const QString& text) {
    if (told_) return false;
    told_ = true;
    prompter.Message(text, Prompter::Icon::Warning);
    return true;
}

}  // namespace vantry
