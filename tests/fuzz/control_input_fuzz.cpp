// The host hands the control whatever its window and its scripts receive: points anywhere (a
// captured mouse reports them outside the control too), list indexes, extents, timer ticks
// after a release, dates of any kind. No sequence of them may crash the control.
#include <bit>
#include <cstdint>

#include "moonleaf/control/moonleaf_control.h"
#include "tests/fuzz/control_fuzz_support.h"

using namespace moonleaf;
using namespace moonleaf::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    NullCanvas canvas;
    QuietHost host;
    MoonleafControl control(host, canvas);
    (void)control.init_new();
    Bytes bytes(data, size);
    for (int event = 0; event < 32 && !bytes.exhausted(); ++event) {
        const std::uint8_t kind = static_cast<std::uint8_t>(bytes.take(1));
        const Point at{static_cast<std::int16_t>(bytes.take(2)),
                       static_cast<std::int16_t>(bytes.take(2))};
        const auto button = static_cast<MouseButton>(kind / 8 % 3);
        switch (kind % 8) {
            case 0:
                control.mouse_down(at, button);
                break;
            case 1:
                control.mouse_up(at, button);
                break;
            case 2:
                control.spin_timer_tick();
                break;
            case 3:
                control.choose_from_list(at.x % 2 ? SelectorList::Year : SelectorList::Month, at.y);
                break;
            case 4:
                control.resize({at.x * 8, at.y});
                break;
            case 5:
                control.mouse_capture_lost();
                break;
            case 6:
                (void)control.put_Value(common::OleDate(std::bit_cast<double>(bytes.take(8))));
                break;
            default:
                (void)control.GetChineseDate(common::OleDate(std::bit_cast<double>(bytes.take(8))));
                break;
        }
    }
    return 0;
}
