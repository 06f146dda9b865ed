#pragma once

// What the two fuzzers of the boxes share: the form of their input, and the
// rules that every outcome keeps. A broken rule prints what broke and aborts.
//
// Input, split into lines at '\n' (so no box text here holds one):
//   line 1  first byte: the number format. Bit 1 set is a decimal point
//           ('.' is one such byte), clear is a decimal comma (',').
//           Every further byte is one click, up to the fuzzer's limit, on button
//           (byte - '0') mod 256 mod 19 of kButtons, so the digits and ':' to 'B'
//           name them:
//             0 ModulanteSubir  1 ModulanteBajar  2 VccSubir  3 VccBajar
//             4 FaseSubir       5 FaseBajar       6 BliSi     7 BlsSi
//             8 Ayuda           9 Acerca          : EnvelopeToggle
//             ; EscalasSi       < RuidoSubir      = RuidoBajar
//             > DfSubir         ? DfBajar         @ BaseSubir
//             A BaseBajar       B Pausa
//   lines 2 to 11  the texts of mdl, Vcc, BliSiNo, BlsSiNo, fase, the
//           envelope detector's switch, the noise, the scales' switch, the
//           frequency error and the time base, byte for byte (invalid UTF-8
//           included). A box whose line is missing keeps its start value, in
//           the line's number format.
#include "core/Error.h"
#include "params/NumberText.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace amsim::fuzz {

using BoxTexts = std::array<std::string, kAllParameters.size()>;

struct BoxInput {
    NumberFormat format;
    BoxTexts texts;
    std::vector<std::string_view> clicks; // the buttons' names
};

// The clicks past the first maxClicks are left out.
BoxInput boxInputOf(std::span<const std::uint8_t> data, std::size_t maxClicks);

[[noreturn]] void fail(const char* broken, const std::string& detail);
void require(bool holds, const char* broken, const std::string& detail);

// What a button writes is a number that its box takes and reads back, and
// that formats to the very same text, so the next step starts from what is
// shown; the down step of the modulating amplitude stops at 0.
void requireWrittenWell(std::string_view button, Parameter box, const std::string& written,
                        const NumberFormat& format);

// Every error names the right box: a refused text is no number the box
// takes; a step that overflows started from a number at the very edge of
// the double range; an overflow in the redraw blames a box that holds a
// number; the canvases never refuse a drawing, and no file is written.
void requireErrorFits(const Error& error, const std::function<std::string(Parameter)>& textOf,
                      const NumberFormat& format);

// Every figure is one the program could mean (support/SaneFigures.h).
void requireSaneFigures(const std::vector<std::string>& lines, const NumberFormat& format);

} // namespace amsim::fuzz
