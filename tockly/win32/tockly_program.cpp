#include "tockly/win32/tockly_program.h"

#include "tockly/shell/settings_file.h"
#include "tockly/shell/site.h"
#include "tockly/sound/announcer.h"
#include "tockly/sound/voice_files.h"
#include "tockly/win32/ui/picture.h"
#include "tockly/win32/views/info_pages.h"
#include "tockly/win32/views/options_page.h"

namespace tockly::win32 {

namespace {

constexpr UINT_PTR kReminderTimer = 1;  // Timer1
constexpr UINT_PTR kDisplayTimer = 2;   // Timer2
constexpr UINT kTickMs = 200;

constexpr model::Version kVersion{TOCKLY_VERSION_MAJOR, TOCKLY_VERSION_MINOR,
                                  TOCKLY_VERSION_REVISION};

namespace page {
constexpr int kDateLookup = 0;
constexpr int kAlarms = 1;
constexpr int kOptions = 2;
constexpr int kInstructions = 3;
constexpr int kVoiceCollection = 4;
}  // namespace page

shell::TocklyServices core_services(Win32Services& s, windows::PopupWindowService& popup) {
    return {s.clock,           s.player1,   s.player2,       s.wave_volume,
            s.power,           s.files,     s.message_box,   s.pump,
            s.keyboard,        s.Moonleaf1, s.screen,        s.registry,
            s.single_instance, s.browser,   s.keyboard_hook, popup,
            s.file_dialog,     s.http,      s.system_time,   s.Moonleaf2};
}

}  // namespace

TocklyProgram::TocklyProgram(Win32Services& services)
    : s_(services),
      app_(core_services(services, popup_service_), kVersion),
      placement_(app_.Form2, services.screen),
      popup_(services.files.program_folder(), [this] { return popup_fallback_text(); }) {
    app_.Form1.add_observer(this);
}

bool TocklyProgram::start_up() {
    app_.Form1.Caption = model::program_title(kVersion);
    if (s_.single_instance.another_instance_running()) return false;

    const auto after_input = [this] { sync(); };
    main_ = std::make_unique<MainWindowView>(
        app_.Form1, MainWindowView::Handlers{
                        after_input, [this] { close_request(); }, [this] { hide_main_window(); },
                        [this](int index) { main_->show_page(index); },
                        [this](UINT_PTR timer_id) { timer(timer_id); }, [this] { announce_now(); },
                        [this](UINT message, WPARAM wparam, LPARAM lparam) {
                            return main_window_message(message, wparam, lparam);
                        }});
    prompt_ = std::make_unique<PromptWindowView>(
        app_.Form2, PromptWindowView::Handlers{after_input, [this] { restore_main_window(); }});
    prompt_->set_background(load_picture(s_.files.program_folder(), "tupian\\提示窗口.jpg",
                                         window_dpi(prompt_->hwnd())));
    prompt_->start_refresh();

    app_.sound.huoqu_shengyin();
    s_.Moonleaf1.set_Value(s_.clock.now().date_only());
    const std::string program_dir = sound::programDir(s_.files);
    sound::fillVoicePackList(s_.files, program_dir,
                             app_.settings.chime.zhengdian_shengyin_mingxing);
    app_.settings.fill_fixed_lists();
    build_pages();
    shell::load_settings(app_.settings, placement_, s_.files);

    const bool start_minimised =
        app_.settings.options.Check3[model::option::kStartMinimised].checked();
    if (app_.settings.options.Check3[model::option::kShowPromptAtStart].checked())
        app_.Form2.show();
    main_->show_page(page::kDateLookup);
    main_->layout();
    place_calendars();
    LastState = 0;

    // The small size of the program's icon suits the notification area; it is shared, so
    // nobody destroys it.
    auto* icon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                                 IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    if (!icon) icon = ::LoadIconW(nullptr, IDI_APPLICATION);
    tray_ = std::make_unique<TrayIcon>(
        main_->hwnd(), icon, app_.Form1.wenjian1,
        TrayIcon::Handlers{[this] {
                               if (!app_.Form1.visible) restore_main_window();
                           },
                           [this](int element) { tray_menu_chosen(element); }});
    tray_->set_tip(app_.Form1.Tag());

    if (start_minimised) {
        app_.Form1.visible = false;
    } else {
        main_->restore(LastState);
    }
    sync();
    ::SetTimer(main_->hwnd(), kReminderTimer, kTickMs, nullptr);
    ::SetTimer(main_->hwnd(), kDisplayTimer, kTickMs, nullptr);
    timers_running_ = true;
    return true;
}

void TocklyProgram::build_pages() {
    pages::Pages& p = app_.pages;
    build_date_lookup_page(main_->page(page::kDateLookup), p.date_lookup);
    alarm_page_ = std::make_unique<AlarmPageView>(main_->page(page::kAlarms), app_.settings,
                                                  p.alarm_editor, p.chime_page, p.date_chooser);
    build_options_page(main_->page(page::kOptions), app_.settings.options);
    build_text_page(main_->page(page::kInstructions), p.instructions);
    build_text_page(main_->page(page::kVoiceCollection), p.voice_collection);
    date_chooser_ = std::make_unique<DateChooserView>(main_->overlay(), main_->page(page::kAlarms),
                                                      p.date_chooser, s_.Moonleaf2);

    Panel& footer = main_->footer();
    footer.add<LabelBinding>({12, 8, 470, 24}, app_.Form1.today_label);
    footer.add<ButtonBinding>({496, 6, 96, 28}, save_button_, [this] {
        shell::save_settings(app_.settings, placement_, s_.files, s_.message_box,
                             model::program_title(kVersion));
    });
}

void TocklyProgram::place_calendars() {
    const UINT dpi = window_dpi(main_->hwnd());
    const SIZE size = s_.Moonleaf1.natural_size();
    const int left = scaled(kLookupCalendarLeft, dpi);
    const int top = scaled(kLookupCalendarTop, dpi);
    s_.Moonleaf1.place(main_->page(page::kDateLookup).hwnd(),
                       RECT{left, top, left + size.cx, top + size.cy});
    date_chooser_->place_calendar();
}

int TocklyProgram::run_message_loop() {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (main_ && main_->handle_tab_key(message)) continue;
        // Tab, the arrow keys and mnemonics move between the controls as in a dialog.
        if (main_ && ::IsDialogMessageW(main_->hwnd(), &message)) continue;
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
    if (tray_) tray_->set_tip(app_.Form1.Tag());
}

void TocklyProgram::timer(UINT_PTR timer_id) {
    if (timer_id == kReminderTimer) app_.Timer1_Timer();
    if (timer_id == kDisplayTimer) app_.Timer2_Timer();
    sync();
}

bool TocklyProgram::main_window_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_ENDSESSION && wparam) {
        // Windows is ending the session: that is a real quit, not a hide.
        app_.shared.shifouguanbi = model::kQuitting;
        app_.Form1.Unload();
        return true;
    }
    const bool handled = tray_ && tray_->handle(message, wparam, lparam);
    if (handled) sync();
    return handled;
}

void TocklyProgram::tray_menu_chosen(int element) {
    switch (element) {
        case 0:
            announce_now();
            break;
        case shell::kTrayPromptItem:
            if (app_.Form2.visible()) {
                app_.Form2.close_request();
            } else {
                app_.Form2.show();
            }
            break;
        case 5:
            restore_main_window();
            break;
        case 7:
            app_.pages.time_sync.run();
            break;
        case 11:
            popup_.open(shell::site::news_page());
            break;
        case 9:
            app_.bofang_shijian(sound::announce::kCustomCancelled);
            break;
        case 14:
            app_.shared.shifouguanbi = model::kQuitting;
            app_.Form1.Unload();
            break;
        default:
            break;
    }
    sync();
}

std::string TocklyProgram::popup_fallback_text() {
    const common::OleDate now = s_.clock.now();
    const auto day = now.ymd();
    return "今天是 " + std::to_string(day.year) + "年" + std::to_string(day.month) + "月" +
           std::to_string(day.day) + "日\n" + s_.Moonleaf1.GetChineseDate(now.date_only()) +
           "\n\n本机没有可用的网页浏览控件，无法显示新闻资讯网页。";
}

void TocklyProgram::announce_now() {
    if (timers_running_) app_.bofang_shijian(sound::announce::kCurrentTime);
}

void TocklyProgram::restore_main_window() {
    app_.Form1.visible = true;
    main_->restore(LastState);
}

void TocklyProgram::hide_main_window() {
    app_.Form1.visible = false;
    main_->hide();
}

void TocklyProgram::close_request() {
    app_.Form1.Unload();
    if (!app_.Form1.visible) hide_main_window();
}

void TocklyProgram::quit_requested() {
    ::KillTimer(main_->hwnd(), kReminderTimer);
    ::KillTimer(main_->hwnd(), kDisplayTimer);
    timers_running_ = false;
    tray_.reset();
    app_.Form2.hide();
    main_->hide();
    ::PostQuitMessage(0);
}

}  // namespace tockly::win32
