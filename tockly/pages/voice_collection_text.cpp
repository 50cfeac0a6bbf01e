#include "tockly/pages/text_page.h"
#include "tockly/sound/voice_files.h"

namespace tockly::pages {

std::string voice_collection_text() {
    std::string text =
        "声音征集\n\n"
        "Tockly 的语音报时由一段段录音拼接而成。如果您愿意为大家录制一套自己的报时声音，"
        "请按下面的顺序逐条朗读并录音，每条录成一个单独的文件，读得清楚、自然，"
        "前后不要留太长的空白。录好后请与我们联系，我们会把好的声音收进以后的版本。\n\n"
        "注意：“2”不要读“二”，要读“两”\n\n";
    for (const sound::VoiceClip& clip : sound::voice_set())
        text += clip.clip + "  " + clip.phrase + "\n";
    return text;
}

}  // namespace tockly::pages
