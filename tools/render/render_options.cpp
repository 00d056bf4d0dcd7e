#include "render/render_options.h"

#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cmath>
#include <string_view>

#include "input/launch_fields.h"

namespace chartview {

namespace {

constexpr int kMaxSide = 16384;
constexpr double kMaxScale = 8.0;

bool parseSize(std::string_view text, QSize& size) {
    const auto x = text.find('x');
    if (x == std::string_view::npos) {
        return false;
    }
    int width = 0;
    int height = 0;
    const auto w = std::from_chars(text.data(), text.data() + x, width);
    const auto h = std::from_chars(text.data() + x + 1, text.data() + text.size(), height);
    if (w.ec != std::errc{} || w.ptr != text.data() + x || h.ec != std::errc{} ||
        h.ptr != text.data() + text.size() || width < 1 || height < 1 || width > kMaxSide ||
        height > kMaxSide) {
        return false;
    }
    size = QSize(width, height);
    return true;
}

bool parseScale(std::string_view text, double& scale) {
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size() ||
        !(value > 0 && value <= kMaxScale)) {
        return false;
    }
    scale = value;
    return true;
}

bool knownExtension(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("png") || suffix == QLatin1String("svg") ||
           suffix == QLatin1String("pdf");
}

}  // namespace

std::variant<RenderOptions, RenderRequest, OptionError> parseRenderOptions(
    int argc, const char* const* argv) {
    RenderOptions options;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--") {
            ++i;
            break;
        } else if (arg == "--help" || arg == "--version") {
            return arg == "--help" ? RenderRequest::Help : RenderRequest::Version;
        } else if (arg == "--describe") {
            options.describe = true;
        } else if (arg == "-o" && hasValue) {
            options.outputPath = QFile::decodeName(argv[++i]);
            if (!knownExtension(options.outputPath)) {
                return OptionError{"-o: the file name must end in .png, .svg or .pdf"};
            }
        } else if (arg == "--size" && hasValue) {
            if (!parseSize(argv[++i], options.size)) {
                return OptionError{"--size: expected WIDTHxHEIGHT, 1 to 16384 each"};
            }
        } else if (arg == "--scale" && hasValue) {
            if (!parseScale(argv[++i], options.scale)) {
                return OptionError{"--scale: expected a number above 0, at most 8"};
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return OptionError{"unknown option or missing value: " + std::string(arg)};
        } else {
            break;
        }
    }
    if (options.outputPath.isEmpty() && !options.describe) {
        return OptionError{"nothing to do: give -o FILE, --describe or both"};
    }
    options.argumentText = joinArguments(argc - i + 1, argv + i - 1);
    return options;
}

}  // namespace chartview
