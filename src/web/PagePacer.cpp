#include "web/PagePacer.h"

#include "web/Page.h"

#include <emscripten.h>

#include <algorithm>
#include <chrono>

void PagePacer::showAndWaitUntil(Clock::time_point deadline) {
    page::holdInput();
    const auto left = std::chrono::round<std::chrono::milliseconds>(deadline - now());
    emscripten_sleep(static_cast<unsigned>(std::max<long long>(0, left.count())));
}

void PagePacer::resumeInput() {
    page::resumeInput();
}
