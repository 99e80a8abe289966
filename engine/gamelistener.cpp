#include "gamelistener.h"

namespace vantry {

const char* CueLiteral(Cue cue) {
    switch (cue) {
        case Cue::TossClick: return "\\Media\\TossClick.wav";
        case Cue::PicMMove: return "\\Media\\PicMMove.wav";
        case Cue::MOH: return "\\Media\\MOH.wav";
        case Cue::NOH: return "\\Media\\NOH.wav";
        case Cue::Tashwiq: return "\\Media\\Tashwiq.wav";
    }
    return "";
}

}  // namespace vantry
