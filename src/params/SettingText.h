#pragma once

#include "core/Parameters.h"
#include "params/NumberText.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace amsim {

// The bench's setting written out to be handed on: as the query of the
// page's address and as the command line that opens the window with it.
// Both name the values as the command line does (optionOf), and both read
// the boxes afresh: a box that holds no number throws its usual amsim::Error.

// "mdl=1&vcc=1&bli=1&bls=1&fase=0&env=0", then "&escalas=1" with the scales
// on. An address is typed in no language: its numbers have a decimal point,
// which every browser reads.
std::string settingQuery(ParameterReader& boxes);
// The page's address with the setting as its query; `page` may hold a query
// of its own already ("amsim.html?lang=es"), which the setting follows.
std::string settingLink(std::string_view page, ParameterReader& boxes);
// "amsim --mdl 1 --vcc 1 …", its numbers as the command line reads them in
// `format`, the regional settings it will run in.
std::string settingCommand(ParameterReader& boxes, const NumberFormat& format);

// What a box starts with when an address gives it `given`: the text itself
// when it reads in `format`, the box's notation; a number written with a
// point, as in any address, in that notation; anything else as it is, so
// that the first picture reports it as a typed text.
std::string boxTextOfAddress(std::string_view given, const NumberFormat& format);

// The menu that both editions open from their `Menu` button, in order. Each
// item is a control name, its text, and what it puts on the clipboard.
struct MenuContext {
    std::string_view page; // the page's address without the setting
    ParameterReader& boxes;
    const NumberFormat& format;
};

struct MenuItem {
    std::string_view name;
    std::string_view text;
    std::string (*clipboard)(const MenuContext& context);
};

// Constant-initialized where it is defined (constinit), so no order of
// dynamic initialization can reach it.
extern const std::array<MenuItem, 2> kMenuItems; // NOLINT(bugprone-dynamic-static-initializers)

// What the item of that name puts on the clipboard; nothing for another name.
std::optional<std::string> menuClipboardText(std::string_view item, const MenuContext& context);

} // namespace amsim
