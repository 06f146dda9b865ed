#include "params/ExerciseCode.h"

#include "core/Error.h"
#include "core/VisibleText.h"
#include "params/BoxReader.h"
#include "params/SeededRandom.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace amsim {

namespace {

constexpr std::string_view kDigits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr char kVersion = '1';
constexpr char kSeparator = ';';

// The keystream that scrambles the packed text: the same for every code.
void scramble(std::vector<std::uint8_t>& bytes) {
    SeededRandom stream(0x616D73696D2D6578ULL);
    // In order: each byte takes the stream's next value.
    std::for_each(bytes.begin(), bytes.end(), [&stream](std::uint8_t& byte) {
        byte ^= static_cast<std::uint8_t>(stream.next());
    });
}

// CRC-16/CCITT: it finds every change within 16 bits, and one character
// of the code spans five.
std::uint16_t crc16(std::span<const std::uint8_t> bytes) {
    std::uint16_t crc = 0xFFFF;
    for (const std::uint8_t byte : bytes) {
        crc ^= static_cast<std::uint16_t>(byte << 8U);
        for (int bit = 0; bit < 8; ++bit) {
            // Shifted as unsigned: promoted to int, the shift's result has a sign.
            const unsigned shifted = static_cast<unsigned>(crc) << 1U;
            crc = static_cast<std::uint16_t>((crc & 0x8000U) != 0 ? shifted ^ 0x1021U : shifted);
        }
    }
    return crc;
}

std::string base32(const std::vector<std::uint8_t>& bytes) {
    std::string code;
    unsigned buffer = 0;
    int bits = 0;
    for (const std::uint8_t byte : bytes) {
        buffer = (buffer << 8U) | byte;
        bits += 8;
        while (bits >= 5) {
            bits -= 5;
            code += kDigits[(buffer >> static_cast<unsigned>(bits)) & 31U];
        }
    }
    if (bits > 0) {
        code += kDigits[(buffer << static_cast<unsigned>(5 - bits)) & 31U];
    }
    return code;
}

std::optional<unsigned> digitOf(char typed) {
    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(typed)));
    if (c == 'I' || c == 'L') {
        c = '1';
    } else if (c == 'O') {
        c = '0';
    }
    const std::size_t at = kDigits.find(c);
    return at == std::string_view::npos ? std::nullopt : std::optional(static_cast<unsigned>(at));
}

// The bytes of a code; none for a character outside the alphabet or for
// bits left over that are not zero, so that no two codes read alike.
std::optional<std::vector<std::uint8_t>> bytesOf(std::string_view code) {
    std::vector<std::uint8_t> bytes;
    unsigned buffer = 0;
    int bits = 0;
    for (const char c : code) {
        const std::optional<unsigned> digit = digitOf(c);
        if (!digit) {
            return std::nullopt;
        }
        buffer = ((buffer << 5U) | *digit) & 0xFFFU;
        bits += 5;
        if (bits >= 8) {
            bits -= 8;
            bytes.push_back(static_cast<std::uint8_t>(buffer >> static_cast<unsigned>(bits)));
        }
    }
    if ((buffer & ((1U << static_cast<unsigned>(bits)) - 1U)) != 0) {
        return std::nullopt;
    }
    return bytes;
}

std::vector<std::string_view> fieldsOf(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t at = text.find(kSeparator); at != std::string_view::npos;
         at = text.find(kSeparator, start)) {
        fields.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

// The exercise the packed text holds, or none.
std::optional<Exercise> unpacked(std::string_view packed) {
    const std::vector<std::string_view> fields = fieldsOf(packed);
    constexpr std::size_t kHead = 4;
    if (fields.size() != kHead + kParameterCount || fields[0].size() != 1 ||
        fields[0][0] != kVersion) {
        return std::nullopt;
    }
    Exercise exercise;
    const std::optional<std::size_t> question = questionNamed(fields[1]);
    const std::optional<double> tolerance = textToNumber(fields[2], pointFormat());
    if ((!question && !fields[1].empty()) || !tolerance || !(*tolerance >= 0.0)) {
        return std::nullopt;
    }
    exercise.question = question;
    exercise.tolerance = *tolerance;
    exercise.hidden = hiddenSetOf(fields[3]);
    for (const Parameter box : kAllParameters) {
        const std::string_view given = fields[kHead + static_cast<std::size_t>(box)];
        std::string text = given.empty() ? startText(box, pointFormat()) : std::string(given);
        if (!readBoxText(box, text, pointFormat()).taken) {
            return std::nullopt;
        }
        exercise.texts.at(static_cast<std::size_t>(box)) = std::move(text);
    }
    return exercise;
}

} // namespace

std::string exerciseCode(const Exercise& exercise) {
    std::string text{kVersion};
    text += kSeparator +
            (exercise.question ? std::string(questionRows()[*exercise.question].name) : "") +
            kSeparator + numberToText(exercise.tolerance, pointFormat()) + kSeparator +
            hiddenNames(exercise.hidden);
    for (const Parameter box : kAllParameters) {
        const std::string& given = exercise.texts.at(static_cast<std::size_t>(box));
        text += kSeparator + (given == startText(box, pointFormat()) ? std::string() : given);
    }
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    scramble(bytes);
    bytes.insert(bytes.begin(), static_cast<std::uint8_t>(bytes.size() & 0xFFU));
    const std::uint16_t check = crc16(bytes);
    bytes.push_back(static_cast<std::uint8_t>(check >> 8U));
    bytes.push_back(static_cast<std::uint8_t>(check & 0xFFU));
    return base32(bytes);
}

Exercise exerciseOfCode(std::string_view code) {
    const auto refused = [code] {
        return Error::badExercise(filled("exercise.badCode", {{"code", quotedText(code)}}));
    };
    const std::optional<std::vector<std::uint8_t>> bytes = bytesOf(code);
    constexpr std::size_t kFraming = 3; // the length in front, the check behind
    if (!bytes || bytes->size() < kFraming ||
        bytes->front() != ((bytes->size() - kFraming) & 0xFFU)) {
        throw refused();
    }
    const std::span<const std::uint8_t> checked = std::span(*bytes).first(bytes->size() - 2);
    const auto check =
        static_cast<std::uint16_t>((bytes->at(checked.size()) << 8U) | bytes->back());
    if (crc16(checked) != check) {
        throw refused();
    }
    std::vector<std::uint8_t> packed(checked.begin() + 1, checked.end());
    scramble(packed);
    try {
        if (std::optional<Exercise> exercise =
                unpacked(std::string(packed.begin(), packed.end()))) {
            return *std::move(exercise);
        }
    } catch (const Error&) {
        // A hidden name this program does not know is a code of another's.
    }
    throw refused();
}

} // namespace amsim
