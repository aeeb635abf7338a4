// orbel-lens: the calculator's console twin. One calculation from the
// command line, or a whole table of them, on the window's own core.
#include "calc/lens_fields.h"
#include "calc/sensor_catalogue.h"
#include "calc/units.h"
#include "csv.h"
#include "lens_table.h"
#include "runtime/conversions.h"
#include "version/version.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

using namespace orbel;

constexpr std::string_view kHelp =
    R"(Usage: orbel-lens [--camera CAMERA] [--resolution N] [--units meters|feet|inches]
                  [--width W] [--distance D] [--focal F]
       orbel-lens --csv FILE [the options above as defaults]
       orbel-lens --list-cameras | --help | --version

Fills in the one of object width, object distance and focal length left out,
rounded to three places, and the horizontal field of view in meters and feet,
exactly as the Orbel Lens Calculator window does for the same camera, units
and texts. Width and distance are in the units, the focal length in
millimetres.

  --camera CAMERA    the camera's caption as the window shows it, or its
                     number in --list-cameras (default: the window's first)
  --resolution N     the horizontal resolution of a camera that records at
                     one of your choice, as its double-click asks for
  --units UNITS      meters (default), feet or inches
  --width, --distance, --focal   two of them; the third is calculated
  --csv FILE         reads a table (- for standard input) whose header names
                     some of camera,resolution,units,width,distance,focal;
                     a missing column, and an empty camera or units cell,
                     takes the options' value. Writes the table filled, with
                     fov, pixels_per_unit and message added.
  --list-cameras     each camera's number, caption, sensor width and page

Exit status: 0 everything computed, 1 a calculation or a row failed (its
message says why), 2 bad usage or an unreadable file.
)";

struct Options {
    LensRequest request;
    std::string csv;
    bool listCameras = false;
    bool help = false;
    bool version = false;
};

// "--name value" or "--name=value"; false with a one-line reason otherwise.
bool parse(int argc, char** argv, Options& options, std::string& error) {
    struct ValueOption {
        std::string_view name;
        std::string* value;
    };
    LensRequest& r = options.request;
    const ValueOption values[] = {{"--camera", &r.camera},     {"--resolution", &r.resolution},
                                  {"--units", &r.units},       {"--width", &r.width},
                                  {"--distance", &r.distance}, {"--focal", &r.focal},
                                  {"--csv", &options.csv}};
    const std::pair<std::string_view, bool*> flags[] = {{"--list-cameras", &options.listCameras},
                                                        {"--help", &options.help},
                                                        {"--version", &options.version}};
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const std::string_view name = arg.substr(0, arg.find('='));
        bool known = false;
        for (const auto& [flag, set] : flags)
            if (arg == flag)
                known = *set = true;
        for (const ValueOption& option : values) {
            if (name != option.name)
                continue;
            known = true;
            if (name.size() < arg.size()) {
                *option.value = arg.substr(name.size() + 1);
            } else if (i + 1 < argc) {
                *option.value = argv[++i];
            } else {
                error = std::string(name) + " needs a value";
                return false;
            }
        }
        if (!known) {
            error = "unknown option " + std::string(arg) + " (--help lists them)";
            return false;
        }
    }
    return true;
}

int usageError(std::string_view what) {
    std::fprintf(stderr, "orbel-lens: %.*s\n", static_cast<int>(what.size()), what.data());
    return 2;
}

void print(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void listCameras() {
    const auto cameras = presets();
    for (std::size_t i = 0; i < cameras.size(); ++i) {
        std::string caption = shownCaption(cameras[i]);
        caption.resize(std::max<std::size_t>(caption.size(), 38), ' ');
        std::string width = sensorText(cameras[i]);
        width.insert(0, width.size() < 7 ? 7 - width.size() : 0, ' ');
        std::printf("%2zu  %s %s mm  page %d\n", i + 1, caption.c_str(), width.c_str(),
                    cameras[i].page == Page::Frame2 ? 1 : 2);
    }
}

// The record one field a line, each with its caption and the unit the
// window writes beside it: "Lens f: 1277.696 mm".
int printOne(const LensRequest& request) {
    LensCalculator calculator;
    const LensResult& result = calculator.run(request);
    if (result.kind == LensResult::Kind::Refused)
        return usageError(result.message);
    std::string_view lengthUnit;
    for (const UnitSystem& system : kUnitSystems)
        if (result.fields.units.*system.flag)
            lengthUnit = trimBlanks(system.label);
    for (const FieldRow& row : kFields) {
        const std::string& text = result.fields.text(row.field);
        std::string_view unit = lengthUnit;
        if (const FieldUnit* fixed = fixedUnit(row.field))
            unit = fixed->label.empty() ? fixed->spoken : fixed->label;
        std::string line = std::string(row.caption) + ":";
        if (!text.empty())
            line += " " + text + " " + std::string(unit);
        print(line + "\n");
    }
    if (result.kind == LensResult::Kind::Failed) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", result.message.c_str());
        return 1;
    }
    return 0;
}

int fillCsv(const Options& options) {
    std::FILE* in = options.csv == "-" ? stdin : std::fopen(options.csv.c_str(), "rb");
    if (!in)
        return usageError("cannot open " + options.csv);
    bool unreadable = false;
    CsvReader reader([&](char* buffer, std::size_t size) {
        const std::size_t read = std::fread(buffer, 1, size, in);
        unreadable = unreadable || std::ferror(in) != 0;
        return read;
    });
    CsvWriter writer([](std::string_view text) { print(text); });
    std::string error;
    int status = fillTable(reader, writer, options.request, error);
    if (in != stdin)
        std::fclose(in);
    if (unreadable)
        return usageError("cannot read " + options.csv);
    if (status == 2)
        return usageError(options.csv + ", " + error);
    return status;
}

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Tables and records are bytes: no CRLF turned into CRCRLF on the way.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    // The arguments arrive in UTF-8 (the manifest's code page); a console
    // shows what is written back the same way while the program runs.
    const struct Utf8Console {
        UINT was = GetConsoleOutputCP();
        Utf8Console() {
            if (was != 0)
                SetConsoleOutputCP(CP_UTF8);
        }
        ~Utf8Console() {
            if (was != 0)
                SetConsoleOutputCP(was);
        }
    } console;
#endif
    Options options;
    // The window's start state: its first camera, in meters.
    options.request.camera = shownCaption(defaultPreset(Page::Frame2));
    options.request.units = "meters";
    std::string error;
    if (!parse(argc, argv, options, error))
        return usageError(error);
    int status = 0;
    if (options.help)
        print(kHelp);
    else if (options.version)
        print("orbel-lens (" + std::string(kProductName) + ") " + kProgramVersionText + "\n");
    else if (options.listCameras)
        listCameras();
    else if (!options.csv.empty())
        status = fillCsv(options);
    else
        status = printOne(options.request);
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return usageError("cannot write the output");
    return status;
}
