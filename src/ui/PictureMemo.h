#pragma once

#include <cstddef>
#include <functional>
#include <map>

#include "ui/ImageButton.h"

// Pictures a window draws again and again (a board number in each of its
// looks, every game), each drawn once and then copied onto its control. A
// key names everything the drawing depends on besides the control's size
// and device pixel ratio, which the picture is checked against: a picture of
// another size is drawn anew and kept in place of the old one.
template <typename Key>
class PictureMemo {
  public:
    // More than a board's looks at one size: a memo that outgrows this
    // (the window resized again and again) starts afresh.
    static constexpr std::size_t kKept = 1024;

    // Shows the picture kept under `key` on `control`, or runs `draw`, whose
    // first step covers the whole bitmap, and keeps what it drew.
    void show(ImageButton& control, const Key& key, const std::function<void()>& draw) {
        const auto found = pictures_.find(key);
        if (found != pictures_.end() && control.showPicture(found->second)) return;
        draw();
        if (found != pictures_.end()) {
            found->second = control.picture();
            return;
        }
        if (pictures_.size() >= kKept) pictures_.clear();
        pictures_.emplace(key, control.picture());
    }

    std::size_t size() const { return pictures_.size(); }

  private:
    std::map<Key, ImageButton::Picture> pictures_;
};
