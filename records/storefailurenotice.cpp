#include "storefailurenotice.h"

#include "prompter.h"

namespace vantry {

void StoreFailureNotice::Tell(Prompter& prompter, const QString& text) {
    if (told_) return;
    told_ = true;
    prompter.Message(text, Prompter::Icon::Warning);
}

}  // namespace vantry
