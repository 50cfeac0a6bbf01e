#include "tockly/ui/controls.h"

namespace tockly::ui {

namespace {

template <typename T>
void assign_and_notify(T& field, T value, const std::function<void()>& on_change) {
    if (field == value) return;
    field = std::move(value);
    if (on_change) on_change();
}

}  // namespace

void CheckBox::set_value(int value) {
    if (value != 0 && value != 1) return;
    assign_and_notify(value_, value, on_change);
}

const std::string& ListBox::item(int index) const {
    static const std::string none;
    if (index < 0 || index >= list_count()) return none;
    return items_[static_cast<size_t>(index)];
}

void ListBox::set_list_index(int index) {
    if (index < -1 || index >= list_count()) return;
    typed_.clear();
    assign_and_notify(index_, index, on_change);
}

void ListBox::set_text(std::string typed) {
    typed_ = std::move(typed);
    assign_and_notify(index_, -1, on_change);
}

void ListBox::clear() {
    items_.clear();
    typed_.clear();
    assign_and_notify(index_, -1, on_change);
}

void TextBox::set_text(std::string text) {
    assign_and_notify(text_, std::move(text), on_change);
}

void Slider::set_value(int value) {
    if (value < min_ || value > max_) return;
    assign_and_notify(value_, value, on_change);
}

}  // namespace tockly::ui
