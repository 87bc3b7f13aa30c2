#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace pw::ui {

// Decoded pixels, rows top to bottom, 4 bytes a pixel in the order blue,
// green, red, alpha (what the system's device-independent bitmaps take).
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgra;
    bool Empty() const { return width <= 0 || height <= 0; }
};

// What an image control shows: nothing, an icon from the program's
// resources, or decoded pixels. A value: copies are independent pictures
// (the pixels, never changed once made, are shared between them).
class Picture {
public:
    Picture() = default;
    static Picture Icon(int resourceId) {
        Picture p;
        p.iconId_ = resourceId;
        return p;
    }
    // An empty bitmap (a picture that could not be read) is no picture.
    static Picture Pixels(Bitmap bitmap) {
        Picture p;
        if (!bitmap.Empty())
            p.bitmap_ = std::make_shared<const Bitmap>(std::move(bitmap));
        return p;
    }

    bool Empty() const { return iconId_ == 0 && bitmap_ == nullptr; }
    int IconId() const { return iconId_; }
    // Null unless the picture is pixels.
    const Bitmap* Pixels() const { return bitmap_.get(); }

    friend bool operator==(const Picture& a, const Picture& b) {
        return a.iconId_ == b.iconId_ && a.bitmap_ == b.bitmap_;
    }

private:
    int iconId_ = 0;
    std::shared_ptr<const Bitmap> bitmap_;
};

} // namespace pw::ui
