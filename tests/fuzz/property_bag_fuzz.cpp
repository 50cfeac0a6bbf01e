// A property bag is outside input: another program may have written it, or a form file may
// have been edited by hand. Whatever it holds under our keys, and whatever bytes a stream
// holds, loading must give a working control.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "moonleaf/control/moonleaf_control.h"
#include "moonleaf/control/property_stream.h"
#include "tests/fuzz/control_fuzz_support.h"

namespace {

using namespace moonleaf;
using namespace moonleaf::fuzzing;

// Under each key, a value of a kind and contents the bytes choose.
class FuzzedBag : public PropertyBag {
  public:
    explicit FuzzedBag(Bytes& bytes) : bytes_(bytes) {}
    BagValue read(std::string_view) override {
        const std::uint64_t raw = bytes_.take(8);
        double real;
        std::memcpy(&real, &raw, sizeof real);
        switch (bytes_.take(1) % 7) {
            case 0:
                return BagMissing{};
            case 1:
                return static_cast<std::int64_t>(raw);
            case 2:
                return (raw & 1) != 0;
            case 3:
                return common::OleDate(real);
            case 4:
                return real;
            case 5:  // text, as HTML <param> elements give: a number or a word
                if (raw & 1) return std::to_string(static_cast<std::int64_t>(raw) >> 1);
                return std::string(static_cast<std::size_t>(raw % 16), 't');
            default:
                return BagUnsupported{};
        }
    }
    bool write(std::string_view, const StoredValue&) override { return true; }

  private:
    Bytes& bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    NullCanvas canvas;
    QuietHost host;

    // Most inputs are no stream at all; an empty bag is the fuzzed bag's all-missing case.
    const DecodedStream decoded = decode_property_stream(std::span(data, size));
    if (!decoded.bag.entries().empty()) {
        MoonleafControl from_stream(host, canvas);
        MemoryPropertyBag bag = decoded.bag;
        (void)from_stream.load(bag);
    }

    Bytes bytes(data, size);
    FuzzedBag fuzzed(bytes);
    MoonleafControl from_bag(host, canvas);
    (void)from_bag.load(fuzzed);

    // Whatever was loaded saves into a stream that reads back the same.
    MemoryPropertyBag saved;
    (void)from_bag.save(saved);
    const DecodedStream again = decode_property_stream(encode_property_stream(saved));
    if (again.damaged || again.bag.entries() != saved.entries()) __builtin_trap();
    return 0;
}
