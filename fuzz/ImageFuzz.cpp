// Downloaded icon bytes: the type sniffing, then the decoding and scaling the
// icon download does with them.
#include "FuzzSupport.h"
#include "ImageType.h"
#include "RowIcon.h"

namespace {

// The decoders are Qt's and carry no coverage of their own: a branch per type
// and outcome keeps a sample of each in the corpus for the fuzzer to mutate.
template <int Outcome>
[[gnu::noinline]] void Reached() {
    asm volatile("");
}

void NoteOutcome(const QString& type, bool decoded) {
    if (type == u"BMP")
        decoded ? Reached<0>() : Reached<1>();
    else if (type == u"JPEG")
        decoded ? Reached<2>() : Reached<3>();
    else if (type == u"GIF")
        decoded ? Reached<4>() : Reached<5>();
    else if (type == u"PNG")
        decoded ? Reached<6>() : Reached<7>();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = FuzzBytes(data, size);
    const QString type = ImageTypeOf(bytes);
    FuzzCheck(type.isEmpty() || type == u"BMP" || type == u"JPEG" || type == u"GIF" ||
                  type == u"PNG",
              "a type the icon download does not know");
    const QImage icon = RowIconFromBytes(bytes);
    // Row icons keep several device pixels to each of their 13x13 logical ones.
    FuzzCheck(icon.isNull() || (!type.isEmpty() &&
                                icon.deviceIndependentSize() == QSizeF(RowIconSize, RowIconSize)),
              "a row icon from bytes of no known type, or of the wrong size");
    NoteOutcome(type, !icon.isNull());
    return 0;
}
