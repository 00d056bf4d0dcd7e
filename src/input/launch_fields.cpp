#include "input/launch_fields.h"

#include <algorithm>

namespace chartview {

std::optional<LaunchFields> LaunchFields::split(std::string_view argumentText) {
    // Counting the bars first settles the field count before anything is copied; the empty
    // text has no bar and so is refused with the rest.
    if (std::ranges::count(argumentText, '|') != kCount - 1) {
        return std::nullopt;
    }
    LaunchFields result;
    std::size_t start = 0;
    for (int i = 0; i < kCount; ++i) {
        const std::size_t bar = argumentText.find('|', start);
        result.fields_[i] = std::string(argumentText.substr(start, bar - start));
        start = bar + 1;
    }
    return result;
}

QString LaunchFields::text(LaunchField field) const {
    const std::string& bytes = (*this)[field];
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString LaunchFields::chosenCaption() const {
    return text(is(LaunchField::CaptionChoice, "0") ? LaunchField::CaptionA
                                                    : LaunchField::CaptionB);
}

std::string joinArguments(int argc, const char* const* argv) {
    std::string joined;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            joined += ' ';
        }
        joined += argv[i];
    }
    return joined;
}

}  // namespace chartview
