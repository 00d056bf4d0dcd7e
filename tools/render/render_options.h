#pragma once

#include <QSize>
#include <QString>

#include <string>
#include <variant>

namespace chartview {

// What chartview-render was asked to do.
struct RenderOptions {
    QString outputPath;        // empty: no file
    QSize size{779, 530};      // client area, logical pixels
    double scale = 1.0;        // device pixel ratio of a PNG
    bool describe = false;     // print the chart as JSON
    std::string argumentText;  // the remaining arguments joined by single spaces
};

enum class RenderRequest { Help, Version };

// Why the options cannot be used (shown on stderr; exit status 64).
struct OptionError {
    std::string message;
};

// Reads `-o FILE`, `--size WxH`, `--scale F`, `--describe`, `--help`, `--version` and `--`
// (which ends the options); the arguments after them make the argument text.
std::variant<RenderOptions, RenderRequest, OptionError> parseRenderOptions(int argc,
                                                                           const char* const* argv);

}  // namespace chartview
