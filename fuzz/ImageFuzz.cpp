// Downloaded icon bytes: the type sniffing, then the decoding and scaling the
// icon download does with them.
#include "FuzzSupport.h"
#include "ImageType.h"
#include "RowIcon.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = FuzzBytes(data, size);
    const QString type = ImageTypeOf(bytes);
    FuzzCheck(type.isEmpty() || type == u"BMP" || type == u"JPEG" || type == u"GIF" ||
                  type == u"PNG",
              "a type the icon download does not know");
    const QImage icon = RowIconFromBytes(bytes);
    FuzzCheck(icon.isNull() ||
                  (!type.isEmpty() && icon.width() == RowIconSize && icon.height() == RowIconSize),
              "a row icon from bytes of no known type, or of the wrong size");
    return 0;
}
