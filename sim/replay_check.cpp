#include "sim/replay_check.h"

#include "headless/headless_view.h"
#include "sim/args.h"

#include <vector>

namespace {
// The longest error line that still reads as a message rather than a copy of the input.
constexpr std::size_t longestErrorLine = 400;

std::vector<std::string_view> inputLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return lines;
}

std::string_view withoutBlanks(std::string_view line) {
    constexpr std::string_view blanks = " \t\r";
    const auto first = line.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(blanks) - first + 1);
}

// Strings, escapes and the nesting of braces and brackets, with the outer object closing at
// the last character. Not a full parser: numbers and literals between them are not checked.
bool wellFormedObject(std::string_view line) {
    if (line.size() < 2 || line.front() != '{' || line.back() != '}') {
        return false;
    }
    std::string open;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (static_cast<unsigned char>(c) < 0x20) {
            return false;
        }
        if (c == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (static_cast<unsigned char>(line[i]) < 0x20) {
                    return false;
                }
                i += line[i] == '\\' ? 1 : 0;
            }
            if (i >= line.size()) {
                return false;
            }
        } else if (c == '{' || c == '[') {
            open += c;
        } else if (c == '}' || c == ']') {
            if (open.empty() || open.back() != (c == '}' ? '{' : '[')) {
                return false;
            }
            open.pop_back();
            if (open.empty() && i + 1 != line.size()) {
                return false;
            }
        }
    }
    return open.empty();
}

bool validUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : lead >> 5 == 0x6  ? 2
                                   : lead >> 4 == 0xE  ? 3
                                   : lead >> 3 == 0x1E ? 4
                                                       : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        std::uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next >> 6 != 0x2) {
                return false;
            }
            point = point << 6 | (next & 0x3F);
        }
        constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < smallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

std::optional<std::string> errorLineFault(std::string_view err, std::int64_t badLine) {
    if (err.empty() || err.back() != '\n' || err.find('\n') != err.size() - 1) {
        return "the error is not exactly one line: \"" + std::string(err) + "\"";
    }
    if (err.find("line " + std::to_string(badLine) + ":") == std::string_view::npos) {
        return "the error does not name line " + std::to_string(badLine) + ": " + std::string(err);
    }
    if (err.size() > longestErrorLine) {
        return "the error line is " + std::to_string(err.size()) + " bytes long";
    }
    for (std::size_t i = 0; i + 1 < err.size(); ++i) {
        if (static_cast<unsigned char>(err[i]) < 0x20 || err[i] == 0x7F) {
            return "the error line holds control byte " +
                   std::to_string(static_cast<unsigned char>(err[i]));
        }
    }
    if (!validUtf8(err)) {
        return "the error line is not valid UTF-8";
    }
    return std::nullopt;
}
} // namespace

ReplayInput splitReplayInput(std::string_view input) {
    const auto end = input.find('\n');
    if (end != std::string_view::npos) {
        const ParsedArguments parsed =
            parseArguments({"replay", "--seed", std::string(input.substr(0, end))});
        if (parsed.command && parsed.command->seed) {
            return {*parsed.command->seed, input.substr(end + 1)};
        }
    }
    return {0, input};
}

std::optional<std::string> replayFault(std::string_view presses, int exitCode, std::string_view out,
                                       std::string_view err) {
    std::vector<std::string_view> words{"start"};
    std::int64_t badLine = 0;
    const std::vector<std::string_view> lines = inputLines(presses);
    for (std::size_t i = 0; i < lines.size() && badLine == 0; ++i) {
        const std::string_view word = withoutBlanks(lines[i]);
        if (word.empty()) {
            continue;
        }
        if (buttonFromWord(word)) {
            words.push_back(word);
        } else {
            badLine = static_cast<std::int64_t>(i) + 1;
        }
    }

    if (exitCode != (badLine ? 2 : 0)) {
        return "exit code " + std::to_string(exitCode) + ", expected " + (badLine ? "2" : "0");
    }
    if (badLine) {
        if (auto fault = errorLineFault(err, badLine)) {
            return fault;
        }
    } else if (!err.empty()) {
        return "a replay without errors wrote to the error stream: " + std::string(err);
    }

    if (!out.empty() && out.back() != '\n') {
        return std::string("the last state line is not ended by a newline");
    }
    const std::vector<std::string_view> printed = inputLines(out);
    if (printed.size() != words.size()) {
        return std::to_string(printed.size()) + " state lines for " + std::to_string(words.size()) +
               " presses with start-up";
    }
    for (std::size_t i = 0; i < printed.size(); ++i) {
        const std::string head = "{\"press\":\"" + std::string(words[i]) + "\",";
        if (printed[i].substr(0, head.size()) != head || !wellFormedObject(printed[i])) {
            return "state line " + std::to_string(i + 1) +
                   " is malformed: " + std::string(printed[i]);
        }
    }
    return std::nullopt;
}
