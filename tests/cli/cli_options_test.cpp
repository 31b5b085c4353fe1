#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace lorvex::cli {
namespace {

std::optional<CliOptions> parse(std::vector<std::string> arguments, std::string& error) {
    return parseOptions(arguments, error);
}

TEST(CliOptionsTest, DefaultsAndEveryOption) {
    std::string error;
    const std::optional<CliOptions> none = parse({}, error);
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->json);
    EXPECT_TRUE(none->overwrite) << "the overwrite question is answered yes by default";
    EXPECT_FALSE(none->seed);
    EXPECT_FALSE(none->timeLimit) << "no time limit by default";
    EXPECT_FALSE(none->script);

    const std::optional<CliOptions> all =
        parse({"--no", "--json", "--seed", "4294967295", "--timeout", "2.5", "lesson.txt"}, error);
    ASSERT_TRUE(all);
    EXPECT_TRUE(all->json);
    EXPECT_FALSE(all->overwrite);
    EXPECT_EQ(all->seed, 4294967295U);
    EXPECT_EQ(all->timeLimit, std::chrono::milliseconds(2500));
    EXPECT_EQ(all->script, "lesson.txt");

    const std::optional<CliOptions> last = parse({"--no", "--yes", "-"}, error);
    ASSERT_TRUE(last);
    EXPECT_TRUE(last->overwrite) << "the last answer counts";
    EXPECT_EQ(last->script, "-") << "a lone dash is standard input, not an option";
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
