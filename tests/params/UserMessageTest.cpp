#include "params/UserMessage.h"

#include "core/Error.h"

#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace amsim {
namespace {

TEST(UserMessage, AnErrorOfTheProgramIsItsOwnMessageAndNamesItsBox) {
    const UserMessage message = userMessageOf(Error::notANumber(Parameter::Vcc, "abc"));
    EXPECT_EQ(message.text, Error::notANumber(Parameter::Vcc, "abc").what());
    EXPECT_EQ(message.box, Parameter::Vcc);
}

TEST(UserMessage, AnyOtherFailureIsAnInternalErrorWithNoBoxToCorrect) {
    const UserMessage logic = userMessageOf(std::logic_error("índice fuera de rango"));
    EXPECT_EQ(logic.text, "Error interno del programa: índice fuera de rango");
    EXPECT_FALSE(logic.box.has_value());
    EXPECT_FALSE(userMessageOf(std::bad_alloc()).box.has_value());
}

} // namespace
} // namespace amsim
