// The windows' shared font and text conversion.
#include "window_look.h"

namespace orbel {

QFont formFont(int pixels) {
    QFont font(toQString(kFormFontFamily));
    font.setPixelSize(pixels);
    return font;
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text);
}

} // namespace orbel
