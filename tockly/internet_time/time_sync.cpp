#include "tockly/internet_time/time_sync.h"

#include <cstdio>

#include "tockly/internet_time/time_reply.h"

namespace tockly::internet_time {

namespace mb = platform::message_box;

std::string clock_not_set_message(const platform::LocalDateTime& t) {
    char when[64];
    std::snprintf(when, sizeof when, "%d-%d-%d %d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return std::string("对时没有成功：无法设置计算机的时间，修改系统时间需要管理员权限。") +
           "时间网页给出的时间是：" + when + "。请以管理员身份运行本程序后再试，或手动调整时间。";
}

bool TimeSync::run() {
    if (s_.message_box.show(kSyncQuestion, mb::kYesNo, s_.title) != mb::kAnswerYes) return false;
    const platform::HttpReply reply = s_.http.get(time_page_);
    const auto page_time = reply.ok ? parse_time_reply(reply.body) : std::nullopt;
    if (!page_time) {
        platform::tell(s_.message_box, kSyncFailed, s_.title);
        return false;
    }
    if (!s_.system_time.set_local_time(*page_time).ok) {
        platform::tell(s_.message_box, clock_not_set_message(*page_time), s_.title);
        return false;
    }
    s_.Moonleaf1.set_Value(s_.clock.now().date_only());
    platform::tell(s_.message_box,
                   kSyncDone + s_.clock.short_date_text() + " " + s_.clock.time_text(), s_.title);
    return true;
}

}  // namespace tockly::internet_time
