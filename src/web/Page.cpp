#include "web/Page.h"

namespace page {

int colourOf(Colour plain) {
    return (colour::redOf(plain) << 16) | (colour::greenOf(plain) << 8) | colour::blueOf(plain);
}

} // namespace page
