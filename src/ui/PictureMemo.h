#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <tuple>

#include "ui/PictureControl.h"

// Pictures a window draws again and again (a board number in each of its
// looks, every game), each drawn once and then copied onto its control. A
// key names everything the drawing depends on besides the control's caption
// units and boldness, which the memo adds itself, and its size and device
// pixel ratio, which the picture is checked against: a picture of another
// size is drawn anew and kept in place of the old one.
template <typename Key>
class PictureMemo {
  public:
    // At most `kept` pictures: a memo that outgrows them (the window resized
    // again and again) starts afresh. The default holds more than a board's
    // looks at one size.
    explicit PictureMemo(std::size_t kept = 1024) : kept_(kept) {}

    // Shows the picture kept under `key` on `control`, or runs `draw`, whose
    // first step covers the whole bitmap, and keeps what it drew.
    void show(PictureControl& control, const Key& key, const std::function<void()>& draw) {
        const Kept kept{key, control.fontUnits, control.fontBold};
        const auto found = pictures_.find(kept);
        if (found != pictures_.end() && control.showPicture(found->second)) return;
        draw();
        if (found != pictures_.end()) {
            found->second = control.picture();
            return;
        }
        if (pictures_.size() >= kept_) pictures_.clear();
        pictures_.emplace(kept, control.picture());
    }

  private:
    using Kept = std::tuple<Key, int, bool>;
    std::size_t kept_;
    std::map<Kept, PictureControl::Picture> pictures_;
};
