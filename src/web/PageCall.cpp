#include "web/PageCall.h"

#include <emscripten.h>

#include <cstddef>
#include <cstdlib>

// The page's one way in: page/calls.js finds the method by its name and reads its arguments by
// the signature's letters.
EM_JS(void, page_call,
      (const char *name, const char *signature, const double *arguments, void *result),
      { PageCalls.call(name, signature, arguments, result); });
EM_ASYNC_JS(void, page_call_waiting,
            (const char *name, const char *signature, const double *arguments),
            { await PageCalls.call(name, signature, arguments, 0); });

namespace page {

namespace bridge {

// Where calls.js writes each part of a result.
static_assert(offsetof(Result, number) == 0 && offsetof(Result, text) == 8 &&
              offsetof(Result, length) == 12);

void call(const char *name, const char *signature, const double *arguments, Result &result) {
    page_call(name, signature, arguments, &result);
}

void callWaiting(const char *name, const char *signature, const double *arguments) {
    page_call_waiting(name, signature, arguments);
}

std::string takeText(Result &result) {
    std::string text(result.text, result.length);
    std::free(result.text);
    return text;
}

// A list is its texts' places and lengths, two numbers each.
std::vector<std::string> takeTexts(Result &result) {
    std::vector<std::string> texts(result.length);
    const auto *parts = reinterpret_cast<const std::uint32_t *>(result.text);
    for (std::string &text : texts) {
        char *bytes = reinterpret_cast<char *>(std::uintptr_t{*parts++});
        text.assign(bytes, *parts++);
        std::free(bytes);
    }
    std::free(result.text);
    return texts;
}

} // namespace bridge

} // namespace page
