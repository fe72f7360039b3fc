#include "command_line.h"

#include <charconv>

namespace drz::tool {

std::optional<std::string> Arguments::Option(const std::string& name) const {
    for (const auto& [key, value] : options)
        if (key == name) return value;
    return std::nullopt;
}

Arguments Split(const std::vector<std::string>& words, const std::set<std::string>& switches,
                const std::set<std::string>& valued, std::size_t minPositional, std::size_t maxPositional) {
    Arguments args;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) != 0) {
            args.positional.push_back(word);
        } else if (switches.count(word) != 0) {
            args.switches.insert(word);
        } else if (valued.count(word) != 0) {
            if (i + 1 == words.size()) throw UsageError("Nach " + word + " fehlt der Wert.");
            args.options.emplace_back(word, words[++i]);
        } else {
            throw UsageError("Unbekannte Angabe: " + word);
        }
    }
    if (args.positional.size() < minPositional) throw UsageError("Zu wenige Angaben.");
    if (args.positional.size() > maxPositional) throw UsageError("Zu viele Angaben.");
    return args;
}

int ParseSlot(const std::string& word) {
    if (word.size() == 1 && word[0] >= '0' && word[0] <= '3') return word[0] - '0';
    throw UsageError("Der Platz muss 0, 1, 2 oder 3 sein, nicht \"" + word + "\".");
}

std::uint64_t ParseSeed(const std::string& word) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size())
        throw UsageError("Der Startwert muss eine ganze Zahl ab 0 sein, nicht \"" + word + "\".");
    return value;
}

}  // namespace drz::tool
