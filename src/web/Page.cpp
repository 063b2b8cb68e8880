#include "web/Page.h"

namespace page {

int colourOf(Colour plain) {
    return (colour::redOf(plain) << 16) | (colour::greenOf(plain) << 8) | colour::blueOf(plain);
}

Colour plainColourOf(int pageColour) {
    const auto channel = [pageColour](int shift) { return Colour((pageColour >> shift) & 0xFF); };
    return channel(16) | (channel(8) << 8) | (channel(0) << 16);
}

} // namespace page
