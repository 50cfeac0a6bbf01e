#include "tockly/win32/tockly_program.h"

#include "tockly/win32/views/alarm_overview_view.h"
#include "tockly/win32/views/info_pages.h"
#include "tockly/win32/views/options_page.h"

namespace tockly::win32 {

namespace {

constexpr UINT_PTR kReminderTimer = 1;  // Timer1
constexpr UINT_PTR kDisplayTimer = 2;   // Timer2
constexpr UINT kTickMs = 200;
// The installer and the uninstaller post this registered message to the main window (class
// TocklyForm1) before they replace or remove the program's files (tools/installer/tockly.nsi).
constexpr wchar_t kQuitRequestMessage[] = L"Tockly.QuitRequest";
// How long after the whole second the reminder tick is asked for, and how late the system may
// deliver it: both small against the 1.5-second due window.
constexpr UINT kAfterSecondMs = 2;
constexpr ULONG kTickToleranceMs = 2;

constexpr model::Version kVersion{TOCKLY_VERSION_MAJOR, TOCKLY_VERSION_MINOR,
                                  TOCKLY_VERSION_REVISION};

shell::TocklyServices core_services(Win32Services& s, platform::PopupWindowService& popup) {
    return {
        s.clock,           s.player1,   s.player2,       s.wave_volume, s.power,       s.files,
        s.message_box,     s.pump,      s.keyboard,      s.Moonleaf1,   s.screen,      s.registry,
        s.single_instance, s.browser,   s.keyboard_hook, popup,         s.file_dialog, s.http,
        s.system_time,     s.Moonleaf2, s.wake_timer};
}

// The small size of the program's icon suits the notification area; it is shared, so nobody
// destroys it.
HICON small_program_icon() {
    auto* icon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                                 IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    return icon ? icon : ::LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

TocklyProgram::TocklyProgram(Win32Services& services)
    : s_(services),
      popup_(services.files.program_folder(),
             PopupWindowView::Handlers{
                 [this] {
                     app_.form_tan.Timer1_Timer();
                     return app_.form_tan.revealing();
                 },
                 [this](int button) { app_.form_tan.Label2_MouseDown(button); },
                 [this] {
                     app_.form_tan.close();
                     sync();
                 },
                 [this] { return app_.form_tan.Label2.caption; },
                 [this] { return shell::news_unavailable_text(s_.clock.now(), s_.Moonleaf1); }}),
      app_(core_services(services, popup_), kVersion) {
    app_.Form1.add_observer(this);
}

void TocklyProgram::create_windows() {
    shell::MainWindow& form1 = app_.Form1;
    pages::OptionsPage& options = app_.options_page;
    const auto after_input = [this] { sync(); };
    main_ = std::make_unique<MainWindowView>(
        form1, MainWindowView::Handlers{after_input, [&form1] { form1.Unload(); },
                                        [&form1] { form1.set_WindowState(shell::kMinimised); },
                                        [&form1](int index) { form1.TabStrip1_Click(index); },
                                        [this](UINT_PTR timer_id) { timer(timer_id); },
                                        [&options] { options.background_DblClick(); },
                                        [this](UINT message, WPARAM wparam, LPARAM lparam) {
                                            return main_window_message(message, wparam, lparam);
                                        }});
    prompt_ = std::make_unique<PromptWindowView>(
        app_.Form2, PromptWindowView::Handlers{after_input, [this, &form1] {
                                                   form1.restore();
                                                   main_->bring_forward();
                                               }});
    prompt_->set_background(s_.files.program_folder(), "tupian\\提示窗口.jpg");
    tray_ = std::make_unique<TrayIcon>(main_->hwnd(), small_program_icon(), form1.wenjian1,
                                       [this](int element) {
                                           app_.tray.wenjian1_Click(element);
                                           sync();
                                       });
    app_.tray.set_icon_service(tray_.get());
}

bool TocklyProgram::start_up() {
    // The windows exist, hidden, before start-up, which shows what its settings say.
    create_windows();
    if (!app_.start_up()) return false;
    build_pages();
    main_->layout();
    main_->centre_in_work_area();
    place_calendars();
    prompt_->start_refresh();
    sync();
    if (app_.Form1.timers_enabled) {
        arm_reminder_tick();
        ::SetTimer(main_->hwnd(), kDisplayTimer, kTickMs, nullptr);
    }
    return true;
}

void TocklyProgram::build_pages() {
    pages::Pages& p = app_.pages;
    pages::OptionsPage& options = app_.options_page;
    build_date_lookup_page(main_->page(shell::page::kDateLookup), p.date_lookup);
    alarm_page_ = std::make_unique<AlarmPageView>(main_->page(shell::page::kAlarms), app_.settings,
                                                  p.alarm_editor, p.chime_page, p.date_chooser);
    build_options_page(main_->page(shell::page::kOptions), app_.settings.options,
                       OptionsPageHandlers{[&options] { options.Slider1_Scroll(); },
                                           [&options] { options.rejian_KeyDown(); },
                                           [&options] { options.rejian_KeyUp(); }});
    build_text_page(main_->page(shell::page::kInstructions), p.instructions);
    build_text_page(main_->page(shell::page::kVoiceCollection), p.voice_collection);
    build_overview_page(main_->page(shell::page::kOverview), p.overview);
    date_chooser_ = std::make_unique<DateChooserView>(*main_, p.date_chooser, s_.Moonleaf2);

    Panel& footer = main_->footer();
    footer.add<LabelBinding>({12, 8, 470, 24}, app_.Form1.today_label);
    footer.add<ButtonBinding>({496, 6, 96, 28}, app_.Form1.Command1,
                              [this] { app_.Command1_Click(); });
}

void TocklyProgram::place_calendars() {
    const UINT dpi = window_dpi(main_->hwnd());
    const SIZE size = s_.Moonleaf1.natural_size();
    const int left = scaled(kLookupCalendarLeft, dpi);
    const int top = scaled(kLookupCalendarTop, dpi);
    s_.Moonleaf1.place(main_->page(shell::page::kDateLookup).hwnd(),
                       RECT{left, top, left + size.cx, top + size.cy});
    date_chooser_->place_calendar();
}

int TocklyProgram::run_message_loop() {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (main_ && main_->handle_tab_key(message)) continue;
        // Tab, the arrow keys and mnemonics move between the controls as in a dialog.
        if (main_ && ::IsDialogMessageW(main_->hwnd(), &message)) continue;
        // The prompt window's two alarm buttons take Tab, Space and Enter the same way.
        if (prompt_ && ::IsDialogMessageW(prompt_->hwnd(), &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void TocklyProgram::sync() {
    if (!main_) return;
    if (alarm_page_) alarm_page_->sync();
    if (date_chooser_) date_chooser_->sync();
    main_->sync();
    prompt_->sync();
}

void TocklyProgram::arm_reminder_tick() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    // Setting the same timer again replaces it: one shot, then the next.
    ::SetCoalescableTimer(main_->hwnd(), kReminderTimer, 1000u - now.wMilliseconds + kAfterSecondMs,
                          nullptr, kTickToleranceMs);
}

bool TocklyProgram::time_moved(UINT message, WPARAM wparam) {
    const bool power = message == WM_POWERBROADCAST &&
                       (wparam == PBT_APMRESUMEAUTOMATIC || wparam == PBT_APMSUSPEND);
    if (message != WM_TIMECHANGE && !power) return false;
    if (!app_.Form1.timers_enabled || app_.Form1.quitting()) return false;
    app_.Timer1_Timer();
    arm_reminder_tick();
    sync();
    return true;
}

void TocklyProgram::timer(UINT_PTR timer_id) {
    if (timer_id == kReminderTimer) {
        app_.Timer1_Timer();
        if (!app_.Form1.quitting()) arm_reminder_tick();
    }
    if (timer_id == kDisplayTimer) app_.Timer2_Timer();
    sync();
}

bool TocklyProgram::main_window_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_ENDSESSION && wparam) {
        app_.Form1.session_ending();
        return true;
    }
    if (tray_ && tray_->handle_taskbar_created(message)) return true;
    // A request from outside quits as 退出(&T) does, with its question about unsaved settings.
    static const UINT quit_request = ::RegisterWindowMessageW(kQuitRequestMessage);
    if (message == quit_request) {
        app_.tray.wenjian1_Click(shell::tray_item::kExit);
        sync();
        return true;
    }
    // The system's own handling of these messages goes on after the tick.
    if (time_moved(message, wparam)) return false;
    const bool handled =
        app_.tray.handle_message(static_cast<int>(message), static_cast<int>(lparam));
    if (handled) sync();
    return handled;
}

void TocklyProgram::quit_requested() {
    ::KillTimer(main_->hwnd(), kReminderTimer);
    ::KillTimer(main_->hwnd(), kDisplayTimer);
    sync();
    ::PostQuitMessage(0);
}

}  // namespace tockly::win32
