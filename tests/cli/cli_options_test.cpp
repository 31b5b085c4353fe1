#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace lorvex::cli {
namespace {

std::optional<CliOptions> parse(std::vector<std::string> arguments, std::string& error) {
    return parseOptions(arguments, error);
}

// The command-line scripts run each option once; here the limits of the
// numbers and the last of two answers.
TEST(CliOptionsTest, LimitsAndTheLastAnswer) {
    std::string error;
    const std::optional<CliOptions> all =
        parse({"--no", "--yes", "--seed", "4294967295", "--timeout", "2.5"}, error);
    ASSERT_TRUE(all);
    EXPECT_TRUE(all->overwrite) << "the last answer counts";
    EXPECT_EQ(all->seed, 4294967295U);
    EXPECT_EQ(all->timeLimit, std::chrono::milliseconds(2500));
}

TEST(CliOptionsTest, RefusesWhatItCannotRun) {
    using Arguments = std::vector<std::string>;
    const Arguments refused[] = {
        {"--seed"},          {"--seed", "4294967296"}, {"--seed", "-1"},
        {"--seed", "12x"},   {"--seed", ""},           {"--timeout"},
        {"--timeout", "0"},  {"--timeout", "-3"},      {"--timeout", "86401"},
        {"--timeout", "1s"}, {"--frobnicate"},         {"-x"},
        {"a.txt", "b.txt"}};
    for (const Arguments& arguments : refused) {
        std::string error;
        EXPECT_FALSE(parse(arguments, error)) << arguments.front() << " " << arguments.back();
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace lorvex::cli
