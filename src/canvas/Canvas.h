#pragma once

#include "canvas/Palette.h"

#include <optional>
#include <string_view>
#include <vector>

namespace amsim {

struct CanvasPoint {
    float x = 0.0F;
    float y = 0.0F;
    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

enum class CanvasStatus { Ok, Failed };

// A drawing surface with a current drawing position, origin top-left, y down.
//
// The public operations hold the position rules, once for every surface:
//   clear                  -> (0, 0)
//   line(from, to)         -> to, whichever way the line runs
//   lineTo(to)             -> to, starting from the current position
//   point(at)              -> at
//   print(text)            -> x 0, one text line below the previous y
//   print(text, plate)     -> the same, on a plate of that colour first
//   moveTo(at)             -> at, drawing nothing (where the next print starts)
// A failed operation leaves the position where it was. Coordinates may be
// fractional or outside the surface; what falls outside is clipped silently.
// No colour means the surface's default drawing colour.
class Canvas {
public:
    Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    virtual ~Canvas() = default;

    CanvasStatus clear();
    CanvasStatus line(CanvasPoint from, CanvasPoint to,
                      std::optional<PaletteColour> colour = std::nullopt);
    CanvasStatus lineTo(CanvasPoint to);
    CanvasStatus point(CanvasPoint at, std::optional<PaletteColour> colour = std::nullopt);
    // With a plate colour, the text's box (its advance by its line's height,
    // a position wider each side) is filled with it before the letters, so
    // that nothing drawn before crosses them.
    CanvasStatus print(std::string_view utf8Text,
                       std::optional<PaletteColour> plate = std::nullopt);
    void moveTo(CanvasPoint at) { position_ = at; }

    // A surface may keep a copy of what it holds, position and all, under a
    // key, and put it back while the key is the same: a running bench keeps
    // the part of its picture that time does not move. One that cannot keep
    // anything never puts anything back.
    void keep(const std::vector<double>& key);
    bool restore(const std::vector<double>& key);

    CanvasPoint position() const { return position_; }

protected:
    virtual CanvasStatus fillBackground() = 0;
    virtual CanvasStatus drawLine(CanvasPoint from, CanvasPoint to,
                                  std::optional<PaletteColour> colour) = 0;
    virtual CanvasStatus drawPoint(CanvasPoint at, std::optional<PaletteColour> colour) = 0;
    // Draws one line of text with its top-left corner at topLeft, on its
    // plate when it has one, and returns the height of one line of the font,
    // or nothing when it failed.
    virtual std::optional<float> drawText(CanvasPoint topLeft, std::string_view utf8Text,
                                          std::optional<PaletteColour> plate) = 0;
    // Keeps or puts back what the surface holds; false when it cannot.
    virtual bool keepDrawing() { return false; }
    virtual bool restoreDrawing() { return false; }

private:
    CanvasStatus moveOnSuccess(CanvasStatus status, CanvasPoint to);

    CanvasPoint position_{};
    std::optional<std::vector<double>> keptKey_;
    CanvasPoint keptPosition_{};
};

} // namespace amsim
