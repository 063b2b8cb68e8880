#include "web/Page.h"

namespace page {

int colourOf(Colour colour) {
    if (colour == colour::titleBarText)
        return 0xFFFFFF;
    if (colour::isSystemColour(colour))
        return 0x000000;
    return (colour::redOf(colour) << 16) | (colour::greenOf(colour) << 8) | colour::blueOf(colour);
}

} // namespace page
