#pragma once

#include <string>
#include <utility>
#include <vector>

#include "moonleaf/control/canvas.h"
#include "moonleaf/control/control_host.h"

namespace moonleaf::testing {

// The order in which a new or loaded control writes its properties: the table's.
inline std::vector<std::string> property_order() {
    std::vector<std::string> names;
    for (const PropertyInfo& info : kProperties) names.emplace_back(info.name);
    return names;
}

// One canvas call, with the fields that call uses.
struct DrawCall {
    enum class Kind { Fill, Line, Text, SmallText, Edge, Glyph, Present } kind = Kind::Fill;
    Surface surface = Surface::Control;
    Rect rect;
    Point from, to;
    std::string text;
    Colour colour = 0;
    EdgeStyle edge = EdgeStyle::Frame;
    char glyph = 0;
};

// Its font draws every CJK character 12 pixels wide and every digit `digit_width` (6 by
// default, as the usual fonts do).
class RecordingCanvas : public Canvas {
  public:
    int text_width(std::string_view utf8) const override {
        int width = 0;
        for (unsigned char c : utf8) {
            if (c < 0x80) width += digit_width;
            if (c >= 0xC0) width += 12;  // the first byte of a multi-byte character
        }
        return width;
    }
    void fill_rect(Surface s, const Rect& r, Colour c) override {
        DrawCall& call = record(DrawCall::Kind::Fill, s);
        call.rect = r;
        call.colour = c;
    }
    void line(Surface s, Point a, Point b, Colour c) override {
        DrawCall& call = record(DrawCall::Kind::Line, s);
        call.from = a;
        call.to = b;
        call.colour = c;
    }
    void text(Surface s, Point at, std::string_view t, Colour c) override {
        DrawCall& call = record(DrawCall::Kind::Text, s);
        call.from = at;
        call.text = t;
        call.colour = c;
    }
    void small_text(Surface s, Point at, std::string_view t, Colour c) override {
        DrawCall& call = record(DrawCall::Kind::SmallText, s);
        call.from = at;
        call.text = t;
        call.colour = c;
    }
    void edge(Surface s, const Rect& r, EdgeStyle e) override {
        DrawCall& call = record(DrawCall::Kind::Edge, s);
        call.rect = r;
        call.edge = e;
    }
    void marlett_glyph(Surface s, const Rect& r, char g, Colour c) override {
        DrawCall& call = record(DrawCall::Kind::Glyph, s);
        call.rect = r;
        call.glyph = g;
        call.colour = c;
    }
    void present(Surface s) override { record(DrawCall::Kind::Present, s); }

    std::vector<DrawCall> of_kind(DrawCall::Kind kind, Surface surface = Surface::Control) const {
        std::vector<DrawCall> found;
        for (const DrawCall& call : calls)
            if (call.kind == kind && call.surface == surface) found.push_back(call);
        return found;
    }
    std::vector<DrawCall> texts(Surface surface = Surface::Control) const {
        return of_kind(DrawCall::Kind::Text, surface);
    }
    // The last text drawn at a point, or nullptr.
    const DrawCall* text_at(Point at, Surface surface = Surface::Control) const {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (it->kind == DrawCall::Kind::Text && it->surface == surface && it->from == at)
                return &*it;
        return nullptr;
    }
    // The rectangles filled on a surface, in order.
    std::vector<Rect> filled_rects(Surface surface = Surface::Control) const {
        std::vector<Rect> rects;
        for (const DrawCall& call : of_kind(DrawCall::Kind::Fill, surface))
            rects.push_back(call.rect);
        return rects;
    }

    std::vector<DrawCall> calls;
    int digit_width = 6;

  private:
    DrawCall& record(DrawCall::Kind kind, Surface surface) {
        DrawCall& call = calls.emplace_back();
        call.kind = kind;
        call.surface = surface;
        return call;
    }
};

class FakeHost : public ControlHost {
  public:
    void property_changed(PropertyId id) override { changed.emplace_back(property_info(id).name); }
    void raise_click() override { ++clicks; }
    common::OleDate now() const override { return clock; }
    void set_spin_timer(bool running) override { timer_running = running; }
    void show_drop_down(SelectorList list) override { drop_downs.push_back(list); }
    void list_selection_changed(SelectorList list, int index) override {
        selections.emplace_back(list, index);
    }

    common::OleDate clock = common::OleDate::from_ymd(2020, 5, 23);
    std::vector<std::string> changed;
    int clicks = 0;
    bool timer_running = false;
    std::vector<SelectorList> drop_downs;
    std::vector<std::pair<SelectorList, int>> selections;
};

}  // namespace moonleaf::testing
