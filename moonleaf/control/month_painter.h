#pragma once

#include "moonleaf/control/canvas.h"
#include "moonleaf/control/control_host.h"
#include "moonleaf/control/control_properties.h"
#include "moonleaf/control/month_layout.h"

namespace moonleaf {

// The drawing operations of the month view. Each draws one part onto its surface and presents
// that surface. Days the engine cannot convert are drawn without their lunar texts; the title
// band says whether it could convert `Value`.

Surface box_surface(SelectorList list);

void draw_frame(Canvas& canvas, int W);
void draw_separators(Canvas& canvas, int W);

struct GridDrawing {
    DayArray days{};
    int selected_cell = -1;
};
GridDrawing draw_grid(Canvas& canvas, const ControlProperties& properties, int W);
void draw_weekday_header(Canvas& canvas, const ControlProperties& properties, int W);
void draw_bottom_band(Canvas& canvas, const ControlProperties& properties, int W);
bool draw_title_band(Canvas& canvas, const ControlProperties& properties, int W);

// The boxes' layout for the widths the canvas's font gives their texts.
HeaderLayout measure_header(const Canvas& canvas);

// The whole box: background, the three buttons at rest, and its label showing `number`.
void draw_selector_box(Canvas& canvas, SelectorList list, const SelectorBoxLayout& layout,
                       Colour background, int number);
void draw_buttons_at_rest(Canvas& canvas, SelectorList list, const SelectorBoxLayout& layout,
                          Colour background);
void draw_arrow_pressed(Canvas& canvas, SelectorList list, const Rect& button, char glyph,
                        Colour background);
void draw_selector_label(Canvas& canvas, SelectorList list, const SelectorBoxLayout& layout,
                         Colour background, int number);

}  // namespace moonleaf
