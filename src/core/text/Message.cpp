#include "text/Message.h"

namespace zenbelts {

Message Message::Literal(std::string text)
{
    Message m;
    m.pattern_ = std::move(text);
    return m;
}

std::string Message::Render(const Translator& translate, const LiteralWrapper& literal) const
{
    if (!context_)
        return literal ? literal(pattern_) : pattern_;
    std::vector<std::string> filled;
    filled.reserve(arguments_.size());
    for (const Message& argument : arguments_)
        filled.push_back(argument.Render(translate, literal));
    return FillPlaces(translate(context_, pattern_), filled);
}

std::string Message::English() const
{
    return Render([](const char*, const std::string& pattern) { return pattern; });
}

std::string FillPlaces(const std::string& pattern, const std::vector<std::string>& arguments)
{
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < arguments.size()) {
                out += arguments[index];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

}  // namespace zenbelts
