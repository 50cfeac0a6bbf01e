#include "tools/tockly-sim/engine_event_printer.h"

namespace tockly::sim {

void EngineEventPrinter::alarm_fired(int number) {
    printer_.print("fire slot " + std::to_string(number));
}

void EngineEventPrinter::chime_fired() {
    printer_.print("fire chime");
}

void EngineEventPrinter::alarm_missed(int number, const std::string& hour_minute) {
    printer_.print("missed slot " + std::to_string(number) + " " + hour_minute);
}

void EngineEventPrinter::alarm_snoozed(int number, const std::string& time) {
    printer_.print("snooze slot " + std::to_string(number) + " " + time);
}

void EngineEventPrinter::shutdown_state_changed(const std::string& state) {
    printer_.print("shutdown-state " + (state.empty() ? std::string("(none)") : state));
}

void EngineEventPrinter::quit_requested() {
    printer_.print("quit");
    quit_ = true;
}

void EngineEventPrinter::tip_changed(const std::string& tip) {
    if (!show_tip_) return;
    // One event a line: the tip's own line break is written as " | ".
    std::string shown = tip;
    for (size_t at = shown.find('\n'); at != std::string::npos; at = shown.find('\n', at))
        shown.replace(at, 1, " | ");
    printer_.print("tip " + shown);
}

void EngineEventPrinter::mode_changed(const std::string& mode) {
    printer_.print("mode " + mode);
}

void EngineEventPrinter::message_changed(const std::string& message) {
    printer_.print("message " + message);
}

void EngineEventPrinter::status_changed(const std::string& status) {
    printer_.print("status " + status);
}

void EngineEventPrinter::visibility_changed(bool visible) {
    printer_.print(visible ? "show prompt" : "hide prompt");
}

void EngineEventPrinter::alpha_set(int alpha) {
    printer_.print("alpha " + std::to_string(alpha));
}

void EngineEventPrinter::player_called(int number, const std::string& call, const std::string& path,
                                       int result) {
    if (call == "open") {
        printer_.print("open " + std::to_string(number) + " " + printer_.shown_path(path) + " " +
                       std::to_string(result));
    } else {
        printer_.print(call + " " + std::to_string(number));
    }
}

}  // namespace tockly::sim
