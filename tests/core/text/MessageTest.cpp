#include "text/Message.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace zenbelts {
namespace {

TEST(Message, FillsEachPlaceOnceWhateverTheArgumentsHold)
{
    struct Case {
        const char* pattern;
        std::vector<std::string> arguments;
        const char* filled;
    };
    const Case cases[] = {
        {"line %1: %2", {"4", "bad"}, "line 4: bad"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        // What an argument holds is never filled again.
        {"%1 and %2", {"%2", "x"}, "%2 and x"},
        // A place without an argument, a lone or doubled percent, stay as written.
        {"%1 of %3", {"one"}, "one of %3"},
        {"100% sure %", {}, "100% sure %"},
        {"%%1", {"x"}, "%x"},
        {"", {"x"}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillPlaces(c.pattern, c.arguments), c.filled) << c.pattern;
}

TEST(Message, TranslatesEveryMarkedPartAndNoLiteral)
{
    const Message m(ZB_TEXT("io", "cannot write it: %1"),
                    {Message(ZB_TEXT("io", "%1: %2"), {Message::Literal("cannot write it: %1"),
                                                       Message(ZB_TEXT("io", "no file name"))})});
    EXPECT_EQ(m.English(), "cannot write it: cannot write it: %1: no file name");

    const std::map<std::string, std::string> german{{"cannot write it: %1", "nicht schreibbar: %1"},
                                                    {"no file name", "kein Dateiname"}};
    std::vector<std::string> asked;
    const std::string shown = m.Render([&](const char* context, const std::string& pattern) {
        asked.push_back(std::string(context) + "/" + pattern);
        const auto it = german.find(pattern);
        return it == german.end() ? pattern : it->second;
    });
    // The literal, though it reads like a pattern, stays as it came.
    EXPECT_EQ(shown, "nicht schreibbar: cannot write it: %1: kein Dateiname");
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, (std::vector<std::string>{"io/%1: %2", "io/cannot write it: %1", "io/no file name"}));
}

}  // namespace
}  // namespace zenbelts
