#pragma once

// Observable stand-ins for the form controls the reminder logic reads and writes. They keep the
// controls' own encodings (check 0/1, list position or -1, text as typed) and their change
// semantics: assigning a value from code runs the change handler exactly when a user's edit
// would, that is only when the value really changes. Pages and the settings loader rely on it.

#include <functional>
#include <string>
#include <vector>

namespace tockly::ui {

// Properties every visible control has.
struct ControlBase {
    bool enabled = true;
    bool visible = true;
    std::string tag;
    std::string tooltip;
};

class CheckBox : public ControlBase {
  public:
    explicit CheckBox(int value = 0, std::string caption = {})
        : caption(std::move(caption)), value_(value) {}

    int value() const { return value_; }
    bool checked() const { return value_ == 1; }
    // Only 0 and 1 are check states; anything else is refused like an invalid property value.
    void set_value(int value);

    std::string caption;
    // Runs after the value changed (a check box's Click).
    std::function<void()> on_change;

  private:
    int value_;
};

// A drop-down list: fixed items and a zero-based choice, -1 meaning nothing chosen. A list that
// also takes typing (a combo box) holds a typed text while no item is chosen.
class ListBox : public ControlBase {
  public:
    int list_index() const { return index_; }
    // -1 or a position of the list; anything else is refused and the choice stays. Choosing
    // replaces a typed text; -1 empties it.
    void set_list_index(int index);
    int list_count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int index) const;
    // The chosen item's text; the typed text when nothing is chosen.
    const std::string& text() const { return index_ >= 0 ? item(index_) : typed_; }
    // What the user typed: no item is chosen any more (the change handler runs if one was).
    void set_text(std::string typed);

    void add_item(std::string item) { items_.push_back(std::move(item)); }
    // Empties the list and its text; the choice becomes -1 (and the change handler runs if it
    // was set).
    void clear();

    // The highlighted part of the text, in characters.
    int selection_start = 0;
    int selection_length = 0;

    std::function<void()> on_change;

  private:
    std::vector<std::string> items_;
    std::string typed_;
    int index_ = -1;
};

class TextBox : public ControlBase {
  public:
    explicit TextBox(std::string text = {}) : text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    void set_text(std::string text);

    std::function<void()> on_change;

  private:
    std::string text_;
};

// Colours are 0x00BBGGRR; 0x80000000 + n names the system colour n.
inline constexpr long kButtonTextColor = 0x80000012;
inline constexpr long kBlue = 0xFF0000;
inline constexpr long kRed = 0x0000FF;

struct Label : ControlBase {
    explicit Label(std::string caption = {}) : caption(std::move(caption)) {}
    std::string caption;
    long fore_color = kButtonTextColor;
};

struct Button : ControlBase {
    explicit Button(std::string caption = {}) : caption(std::move(caption)) {}
    std::string caption;
};

// Shows a picture file (a path; empty for none).
struct PictureBox : ControlBase {
    std::string picture;
};

struct MenuItem : ControlBase {
    explicit MenuItem(std::string caption = {}) : caption(std::move(caption)) {}
    std::string caption;
    bool checked = false;
};

// A slider with a fixed range; values outside it are refused, as the control refuses them.
class Slider : public ControlBase {
  public:
    Slider(int min, int max, int value) : min_(min), max_(max), value_(value) {}

    int value() const { return value_; }
    int min() const { return min_; }
    int max() const { return max_; }
    void set_value(int value);

    std::function<void()> on_change;

  private:
    int min_;
    int max_;
    int value_;
};

}  // namespace tockly::ui
