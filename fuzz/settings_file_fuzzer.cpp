// Arbitrary bytes read as "lorv.ini" and as "lv.ini": a read that fails, or
// finds a file of another kind, leaves the settings alone; a read that
// succeeds gives settings that write out again to bytes that read back the
// same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "engine/result_codes.h"
#include "workspace/settings_files.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

lorvex::MatrixWindowSettings sentinel() {
    lorvex::MatrixWindowSettings settings;
    settings.delayMilliseconds = 12345;
    settings.lastDocumentName = "antes";
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);

    lorvex::MatrixWindowSettings settings = sentinel();
    const int rc = lorvex::decodeMatrixWindowSettings(bytes, settings);
    check(rc == lorvex::code::Ok || rc == lorvex::code::IniDamaged);
    if (rc != lorvex::code::Ok) check(settings == sentinel());
    const auto written = lorvex::encodeMatrixWindowSettings(settings);
    lorvex::MatrixWindowSettings again;
    check(lorvex::decodeMatrixWindowSettings(written, again) == lorvex::code::Ok);
    check(lorvex::encodeMatrixWindowSettings(again) == written);

    lorvex::FrameSettings frame;
    frame.rect.x = 77;
    const lorvex::FrameSettings before = frame;
    if (lorvex::decodeFrameSettings(bytes, frame)) {
        check(size >= lorvex::kFrameSettingsSize);
        lorvex::FrameSettings back;
        check(lorvex::decodeFrameSettings(lorvex::encodeFrameSettings(frame), back));
        check(back == frame);
    } else {
        check(size < lorvex::kFrameSettingsSize && frame == before);
    }
    return 0;
}
