#pragma once

// How the program calls its page's scripts (page/*.js). A call is declared once, in Page.h, by
// the script's object and method it reaches ("Picture.line") and the C++ types it takes and
// gives; page/calls.js, the other end, hands the method what the types say. Numbers and truth
// values cross as numbers, texts as their UTF-8 bytes, and a struct whose fields are named (by
// Named, beside it) as an object with those fields.

#include "canvas/PixelRect.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

namespace page {

// A struct's field as the page names it.
template <typename Struct, typename Member> struct Field {
    constexpr Field(std::string_view name, Member Struct::*member) : name(name), member(member) {}
    std::string_view name;
    Member Struct::*member;
};

// The fields of a struct the page takes as an object, in a tuple of Field: specialised beside
// the struct, each field named as its member, as
//   template <> struct page::Named<ClientSize> {
//       static constexpr std::tuple fields{PAGE_FIELD(ClientSize, width), ...};
//   };
template <typename Struct> struct Named;

#define PAGE_FIELD(Struct, member) ::page::Field(#member, &Struct::member)

namespace bridge {

// What a script's method gave back: a number, or texts the page wrote into memory it allocated,
// which the program frees: a text's bytes and their count, or a list's (bytes, count) pairs and
// the number of its texts.
struct Result {
    double number = 0;
    char *text = nullptr;
    std::uint32_t length = 0;
};

void call(const char *name, const char *signature, const double *arguments, Result &result);
// Returns once the promise the method returned has settled.
void callWaiting(const char *name, const char *signature, const double *arguments);

std::string takeText(Result &result);
std::vector<std::string> takeTexts(Result &result);

// How an argument crosses, by its type: its letter, and the numbers it takes.
template <typename T> struct Argument;
template <typename T> using ArgumentOf = Argument<std::remove_cvref_t<T>>;

// An enumeration crosses as its number.
template <typename T>
requires std::is_arithmetic_v<T> || std::is_enum_v<T>
struct Argument<T> {
    static constexpr char letter = std::is_same_v<T, bool> ? 'b' : 'n';
    static constexpr int size = 1;
    static void put(double *&slot, T value) { *slot++ = static_cast<double>(value); }
};

template <> struct Argument<std::string_view> {
    static constexpr char letter = 't';
    static constexpr int size = 2;
    static void put(double *&slot, std::string_view text) {
        *slot++ = static_cast<double>(reinterpret_cast<std::uintptr_t>(text.data()));
        *slot++ = static_cast<double>(text.size());
    }
};

// A rectangle: an object with its four fields.
template <> struct Argument<PixelRect> {
    static constexpr char letter = 'r';
    static constexpr int size = 4;
    static void put(double *&slot, const PixelRect &area) {
        slot[0] = area.left;
        slot[1] = area.top;
        slot[2] = area.width;
        slot[3] = area.height;
        slot += size;
    }
};

template <typename F> struct MemberOf;
template <typename Struct, typename Member> struct MemberOf<Field<Struct, Member>> {
    using type = Member;
};

// A struct with named fields: how many they are, then each field's name, its letter and its
// value.
template <typename Struct>
requires requires {
    Named<Struct>::fields;
}
struct Argument<Struct> {
    static constexpr char letter = 'o';
    static constexpr int size = std::apply(
        [](auto... fields) {
            return (1 + ... + (3 + Argument<typename MemberOf<decltype(fields)>::type>::size));
        },
        Named<Struct>::fields);
    static void put(double *&slot, const Struct &value) {
        *slot++ = std::tuple_size_v<decltype(Named<Struct>::fields)>;
        std::apply([&](auto... fields) { (putField(slot, value, fields), ...); },
                   Named<Struct>::fields);
    }

private:
    template <typename Member>
    static void putField(double *&slot, const Struct &value, Field<Struct, Member> field) {
        Argument<std::string_view>::put(slot, field.name);
        *slot++ = Argument<Member>::letter;
        Argument<Member>::put(slot, value.*field.member);
    }
};

// How a result crosses, by its type.
template <typename T> struct Taken;

template <> struct Taken<void> {
    static constexpr char letter = 'v';
    static void from(Result &) {}
};

template <typename T>
requires std::is_arithmetic_v<T>
struct Taken<T> {
    static constexpr char letter = 'n';
    static T from(Result &result) { return static_cast<T>(result.number); }
};

template <> struct Taken<std::string> {
    static constexpr char letter = 't';
    static std::string from(Result &result) { return takeText(result); }
};

template <> struct Taken<std::vector<std::string>> {
    static constexpr char letter = 'l';
    static std::vector<std::string> from(Result &result) { return takeTexts(result); }
};

// The arguments, each in its numbers.
template <typename... Arguments> struct Slots {
    explicit Slots(const Arguments &...arguments) {
        double *slot = numbers;
        (ArgumentOf<Arguments>::put(slot, arguments), ...);
    }
    double numbers[(ArgumentOf<Arguments>::size + ... + 1)];
};

} // namespace bridge

template <typename Signature> class Call;

// A call of the script's method of that name.
template <typename Result, typename... Arguments> class Call<Result(Arguments...)> {
public:
    explicit constexpr Call(const char *name) : name_(name) {}

    Result operator()(Arguments... arguments) const {
        const bridge::Slots<Arguments...> slots(arguments...);
        bridge::Result result;
        bridge::call(name_, signature, slots.numbers, result);
        return bridge::Taken<Result>::from(result);
    }

    // What calls.js reads: the result's letter, then each argument's.
    static constexpr char signature[] = {bridge::Taken<Result>::letter,
                                         bridge::ArgumentOf<Arguments>::letter..., '\0'};

private:
    const char *name_;
};

template <typename Signature> class WaitingCall;

// A call of a script's method that returns a promise: the program waits until it has settled,
// while the page goes on (Asyncify).
template <typename... Arguments> class WaitingCall<void(Arguments...)> {
public:
    explicit constexpr WaitingCall(const char *name) : name_(name) {}

    void operator()(Arguments... arguments) const {
        const bridge::Slots<Arguments...> slots(arguments...);
        bridge::callWaiting(name_, Call<void(Arguments...)>::signature, slots.numbers);
    }

private:
    const char *name_;
};

} // namespace page
