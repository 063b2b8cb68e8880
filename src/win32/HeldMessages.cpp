#include "win32/HeldMessages.h"

#include "form/frmKymora.h"

#include <commctrl.h>

#include <functional>
#include <string>

bool isUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_INPUT;
}

namespace {

// Messages that change what a control holds or shows as chosen.
bool changesAControl(UINT message) {
    switch (message) {
    case BM_CLICK:
    case BM_SETCHECK:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_SETSCROLLINFO:
    case WM_SETTEXT:
    case EM_REPLACESEL:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
        return true;
    default:
        return false;
    }
}

// A message to hand over again later: a copy of whatever its parameters point to goes with it.
std::function<void()> resendLater(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT || message == EM_REPLACESEL) {
        std::wstring text = lParam ? reinterpret_cast<const wchar_t *>(lParam) : L"";
        return
            [=] { SendMessageW(control, message, wParam, reinterpret_cast<LPARAM>(text.c_str())); };
    }
    if (message == SBM_SETSCROLLINFO) {
        SCROLLINFO info = *reinterpret_cast<const SCROLLINFO *>(lParam);
        return [=]() mutable {
            SendMessageW(control, message, wParam, reinterpret_cast<LPARAM>(&info));
        };
    }
    return [=] { SendMessageW(control, message, wParam, lParam); };
}

LRESULT CALLBACK holdingProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR, DWORD_PTR reference) {
    frmKymora &form = *reinterpret_cast<frmKymora *>(reference);
    if (!form.isRunning() || !(isUserInput(message) || changesAControl(message)))
        return DefSubclassProc(control, message, wParam, lParam);
    form.whenIdle(resendLater(control, message, wParam, lParam));
    return 0;
}

} // namespace

void holdMessagesDuringRuns(HWND control, frmKymora &form) {
    SetWindowSubclass(control, holdingProcedure, 0, reinterpret_cast<DWORD_PTR>(&form));
}
