// Writes the translations into a C++ source file: the keys of the template's messages, sorted by
// their bytes, and each language's translations of them in the same order, "" where its
// catalogue has none (msgfmt leaves a message out when it is untranslated or fuzzy). Only the
// program's messages are kept: those with a context; the desktop entry's and the AppStream
// metainfo's have none.
//
// Usage: kymora_embed_catalogues OUTPUT.cpp TEMPLATE.mo LANGUAGE=CATALOGUE.mo...
// The template's catalogue is compiled from po/kymora.pot with every message its own
// translation (msgen), so that none is left out of it.

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// A catalogue's messages: each key (a context, the character 4 and the English text) with its
// translation.
using Catalogue = std::map<std::string, std::string>;
using Language = std::pair<std::string, Catalogue>; // "cs" and its catalogue

constexpr std::uint32_t moMagic = 0x950412de;
constexpr char contextSeparator = '\x04';

[[noreturn]] void fail(const std::string &path, const std::string &why) {
    throw std::runtime_error(path + ": " + why);
}

std::string contentsOf(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        fail(path, "cannot be read");
    return {std::istreambuf_iterator<char>(file), {}};
}

// A catalogue as msgfmt compiles it, in the byte order it was written in.
class CompiledCatalogue {
public:
    explicit CompiledCatalogue(std::string path)
        : path_(std::move(path)), bytes_(contentsOf(path_)) {
        if (word(0) != moMagic) {
            bigEndian_ = true;
            if (word(0) != moMagic)
                fail(path_, "is no compiled catalogue");
        }
    }

    std::uint32_t word(std::size_t offset) const {
        if (offset > bytes_.size() || bytes_.size() - offset < 4)
            fail(path_, "is cut short");
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value =
                value << 8 | static_cast<unsigned char>(bytes_[offset + (bigEndian_ ? i : 3 - i)]);
        return value;
    }

    // The string that a table's entry describes: its length, then its offset.
    std::string string(std::size_t entry) const {
        const std::size_t length = word(entry);
        const std::size_t offset = word(entry + 4);
        if (offset > bytes_.size() || bytes_.size() - offset < length)
            fail(path_, "is cut short");
        return bytes_.substr(offset, length);
    }

private:
    std::string path_;
    std::string bytes_;
    bool bigEndian_ = false;
};

// The messages with a context of a compiled catalogue: its header, whose key is empty, and the
// messages without one are left out.
Catalogue read(const std::string &path) {
    const CompiledCatalogue file(path);
    const std::uint32_t count = file.word(8);
    const std::uint32_t originals = file.word(12);
    const std::uint32_t translations = file.word(16);
    Catalogue catalogue;
    for (std::size_t i = 0; i < count; ++i) {
        std::string key = file.string(originals + i * 8);
        if (key.find(contextSeparator) != std::string::npos)
            catalogue.emplace(std::move(key), file.string(translations + i * 8));
    }
    return catalogue;
}

// A C++ string literal of a text: every byte that is not printable ASCII, and the quote and the
// backslash, as an octal escape of three digits, which no digit after it can lengthen.
std::string literal(std::string_view text) {
    std::string result = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= ' ' && byte < 127 && c != '"' && c != '\\') {
            result += c;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            result += escape;
        }
    }
    return result + '"';
}

// The name of a language's table: its code, with what no name can hold as '_' ("sr_latin").
std::string tableName(std::string code) {
    for (char &c : code)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return "language_" + code;
}

std::string tableOf(std::string_view name, const std::vector<std::string> &entries) {
    std::string table = "constexpr std::array<std::string_view, " + std::to_string(entries.size()) +
                        "> " + std::string(name) + " = {\n";
    for (const std::string &entry : entries)
        table += "    " + literal(entry) + ",\n";
    return table + "};\n\n";
}

std::string sourceOf(const Catalogue &keys, const std::vector<Language> &languages) {
    std::vector<std::string> keyTable;
    for (const auto &entry : keys)
        keyTable.push_back(entry.first);
    std::string source = "// Made by po/embedder from the catalogues msgfmt compiled from po/.\n"
                         "#include \"form/EmbeddedCatalogues.h\"\n\n#include <array>\n\n"
                         "namespace {\n\n" +
                         tableOf("keys", keyTable);
    std::string catalogues;
    for (const auto &[code, catalogue] : languages) {
        std::vector<std::string> translations;
        for (const std::string &key : keyTable) {
            const auto found = catalogue.find(key);
            translations.push_back(found == catalogue.end() ? "" : found->second);
        }
        source += tableOf(tableName(code), translations);
        catalogues += "    {" + literal(code) + ", " + tableName(code) + "},\n";
    }
    return source + "constexpr std::array<EmbeddedCatalogue, " + std::to_string(languages.size()) +
           "> catalogues = {{\n" + catalogues +
           "}};\n\n} // namespace\n\n"
           "std::span<const std::string_view> translatedKeys() {\n    return keys;\n}\n\n"
           "std::span<const EmbeddedCatalogue> embeddedCatalogues() {\n"
           "    return catalogues;\n}\n";
}

// Writes the file only when its text changes, so that what is built from it is not built again.
void writeIfChanged(const std::string &path, const std::string &text) {
    if (std::ifstream(path, std::ios::binary) && contentsOf(path) == text)
        return;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file.flush())
        fail(path, "cannot be written");
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 3) {
        std::cerr << "usage: kymora_embed_catalogues OUTPUT.cpp TEMPLATE.mo "
                     "LANGUAGE=CATALOGUE.mo...\n";
        return 2;
    }
    try {
        const Catalogue keys = read(argv[2]);
        std::vector<Language> languages;
        for (int i = 3; i < argc; ++i) {
            const std::string argument = argv[i];
            const std::size_t equals = argument.find('=');
            if (equals == std::string::npos || equals == 0)
                fail(argument, "is no LANGUAGE=CATALOGUE.mo");
            languages.emplace_back(argument.substr(0, equals), read(argument.substr(equals + 1)));
        }
        writeIfChanged(argv[1], sourceOf(keys, languages));
    } catch (const std::exception &error) {
        std::cerr << "kymora_embed_catalogues: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
