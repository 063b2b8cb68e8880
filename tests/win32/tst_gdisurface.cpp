#include "FakeSettings.h"
#include "VirtualPacer.h"
#include "demo/DemonstrationRun.h"
#include "win32/ControlFonts.h"
#include "win32/GdiSurface.h"

#include <doctest/doctest.h>

#include <cstring>
#include <vector>

namespace {

// What the surface shows in a window's client area of this size, pixel by pixel.
std::vector<std::uint32_t> shown(const GdiSurface &surface, SIZE size) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(info.bmiHeader), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    const MemoryDC dc;
    const Bitmap target(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const Selection selected(dc.get(), target.get());
    surface.paint(dc.get(), RECT{0, 0, size.cx, size.cy});
    GdiFlush();
    std::vector<std::uint32_t> pixels(std::size_t(size.cx) * std::size_t(size.cy));
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof(std::uint32_t));
    return pixels;
}

void run(GdiSurface &surface, const FakeSettings &settings) {
    VirtualPacer pacer;
    runDemonstration(surface, settings, pacer);
}

} // namespace

// Two runs at 96 dpi, then 144 dpi: the same picture as the two runs drawn at 144 dpi, crisp; and
// no blank picture: at 96 dpi the graph's axis, a thin line along row 515 from x 64 to 784, fills
// exactly its pixels, both ends included, as it does on every surface.
TEST_CASE("a new resolution draws the picture anew") {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    const ControlFonts designFonts(96);
    const ControlFonts largeFonts(144);
    const FakeSettings nearOrdinaryOne("170", "0", "1", "1");
    const FakeSettings farGratingTwo("0", "0", "2", "2");
    GdiSurface changed(window, 96, designFonts);
    run(changed, nearOrdinaryOne);
    run(changed, farGratingTwo);

    const SIZE designSize{800, 585};
    const std::vector<std::uint32_t> atDesign = shown(changed, designSize);
    const auto pixel = [&](int x, int y) {
        return atDesign[std::size_t(y) * std::size_t(designSize.cx) + std::size_t(x)] & 0xFFFFFF;
    };
    CHECK(pixel(63, 515) == 0xC0C0C0);
    CHECK(pixel(64, 515) == 0x000000);
    CHECK(pixel(784, 515) == 0x000000);
    CHECK(pixel(785, 515) == 0xC0C0C0);

    changed.changeResolution(144, largeFonts);
    GdiSurface drawnLarge(window, 144, largeFonts);
    run(drawnLarge, nearOrdinaryOne);
    run(drawnLarge, farGratingTwo);
    const SIZE size{1200, 878};
    CHECK(shown(changed, size) == shown(drawnLarge, size));
    DestroyWindow(window);
}
