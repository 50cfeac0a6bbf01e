#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "moonleaf/control/canvas.h"
#include "moonleaf/control/control_host.h"

namespace moonleaf::fuzzing {

// The month view drawn nowhere: the fuzzers look for crashes and sanitizer reports only.
class NullCanvas : public Canvas {
  public:
    int text_width(std::string_view utf8) const override {
        return 6 * static_cast<int>(utf8.size());
    }
    void fill_rect(Surface, const Rect&, Colour) override {}
    void line(Surface, Point, Point, Colour) override {}
    void text(Surface, Point, std::string_view, Colour) override {}
    void small_text(Surface, Point, std::string_view, Colour) override {}
    void edge(Surface, const Rect&, EdgeStyle) override {}
    void marlett_glyph(Surface, const Rect&, char, Colour) override {}
    void present(Surface) override {}
};

// A host that lets everything happen and remembers nothing; today is fixed.
class QuietHost : public ControlHost {
  public:
    void property_changed(PropertyId) override {}
    void raise_click() override {}
    common::OleDate now() const override { return common::OleDate::from_ymd(2020, 5, 23); }
    void set_spin_timer(bool) override {}
    void show_drop_down(SelectorList) override {}
    void list_selection_changed(SelectorList, int) override {}
};

// Takes little pieces off the fuzzer's bytes, zeros once they run out.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint64_t take(std::size_t count) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < count && position_ < size_; ++i)
            value |= std::uint64_t{data_[position_++]} << (8 * i);
        return value;
    }
    bool exhausted() const { return position_ >= size_; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

}  // namespace moonleaf::fuzzing
