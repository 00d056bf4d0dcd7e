#pragma once

#include <QString>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace chartview {

// The eight fields, by number.
enum class LaunchField {
    DataFile = 0,
    CaptionA,
    CaptionB,
    CaptionChoice,
    ChartKind,
    SeriesName1,
    SeriesName2,
    SecondSeries,
};

// The eight texts of the argument text, exactly as given: bytes, never trimmed, unquoted or
// decoded, so that a path with any bytes still names its file.
class LaunchFields {
public:
    static constexpr int kCount = 8;

    // The fields of `argumentText` split at every "|", or nullopt unless there are exactly
    // eight. The empty text has no fields.
    static std::optional<LaunchFields> split(std::string_view argumentText);

    const std::string& operator[](LaunchField field) const {
        return fields_[static_cast<int>(field)];
    }
    // Exact, case-sensitive comparison of the whole field.
    bool is(LaunchField field, std::string_view text) const { return (*this)[field] == text; }
    // A field as display text (UTF-8; bytes that are not UTF-8 show as U+FFFD).
    QString text(LaunchField field) const;

    // "0" in ChartKind selects the bar kind; any other text the pie kind.
    bool isBarKind() const { return is(LaunchField::ChartKind, "0"); }
    // CaptionA when CaptionChoice is exactly "0", else CaptionB.
    QString chosenCaption() const;

private:
    std::array<std::string, kCount> fields_;
};

// The program's arguments (argv[1..]) joined by single spaces; no arguments give "".
std::string joinArguments(int argc, const char* const* argv);

}  // namespace chartview
