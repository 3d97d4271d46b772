#pragma once

#include <functional>
#include <string>
#include <vector>

// Marks a message pattern for translation, as ZB_TRANSLATE_NOOP does, and
// keeps its context with it.
#define ZB_TEXT(context, pattern)                                                                            \
    ::zenbelts::MessageText                                                                                  \
    {                                                                                                        \
        context, pattern                                                                                     \
    }

namespace zenbelts {

struct MessageText {
    const char* context;
    const char* pattern;
};

// Words from the core for the user: a pattern with places %1 to %9, marked
// for translation, and the messages that fill those places. A place may hold
// another marked message (a field's name, a cause) or a literal (a number, a
// file or satellite name, the system's words). The tool prints the English;
// the desktop program translates every marked part, so that a detail is never
// left in English inside a translated sentence.
class Message {
public:
    Message() = default;
    Message(MessageText text, std::vector<Message> arguments = {})
        : context_(text.context), pattern_(text.pattern), arguments_(std::move(arguments))
    {}

    // Never translated.
    static Message Literal(std::string text);
    static Message Number(long long value) { return Literal(std::to_string(value)); }

    // Null for a literal.
    const char* Context() const { return context_; }
    const std::string& Pattern() const { return pattern_; }
    const std::vector<Message>& Arguments() const { return arguments_; }
    bool Empty() const { return pattern_.empty() && arguments_.empty(); }

    // The pattern of each marked part passed through translate (context,
    // pattern), its places filled with the arguments so rendered; literal,
    // where given, wraps each literal (to keep a number's order in
    // right-to-left text).
    using Translator = std::function<std::string(const char* context, const std::string& pattern)>;
    using LiteralWrapper = std::function<std::string(const std::string& literal)>;
    std::string Render(const Translator& translate, const LiteralWrapper& literal = {}) const;
    std::string English() const;

private:
    const char* context_ = nullptr;
    std::string pattern_;
    std::vector<Message> arguments_;
};

// pattern with %1 to %9 replaced by the arguments in one pass, so that an
// argument holding "%2" is not filled again. A place without an argument
// stays as written.
std::string FillPlaces(const std::string& pattern, const std::vector<std::string>& arguments);

}  // namespace zenbelts
