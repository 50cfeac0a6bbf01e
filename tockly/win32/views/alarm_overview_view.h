// The page "定时一览": a report-style list view with a check box per row, one row per alarm
// slot. The rows show what the overview model gives; ticking a box, a double-click and Enter
// go to the model.
#pragma once

#include <windows.h>

#include <vector>

#include "tockly/pages/alarm_overview.h"
#include "tockly/win32/ui/panel.h"

namespace tockly::win32 {

class AlarmListBinding : public BoundControl {
  public:
    AlarmListBinding(HWND parent, LogicalRect place, pages::AlarmOverview& overview);
    ~AlarmListBinding() override;
    void layout(UINT dpi, HFONT font) override;
    void sync() override;
    bool notify_message(const NMHDR& header) override;

  private:
    static LRESULT CALLBACK subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR id, DWORD_PTR self);
    void show_row(int k, const pages::AlarmRow& row);
    void set_cell(int k, int column, const std::string& text);

    pages::AlarmOverview& overview_;
    std::vector<pages::AlarmRow> shown_;
    // The view itself changes the rows: the list's change notifications are no user's.
    bool pushing_ = false;
};

void build_overview_page(Panel& page, pages::AlarmOverview& overview);

}  // namespace tockly::win32
