// orbel-lens's command line: its options by the platform's getopt_long, and
// the three things it does: one calculation, a table, the list of cameras.
#include "lens_cli.h"
#include "calc/lens_fields.h"
#include "csv.h"

#include "calc/lens_request.h"
#include "calc/sensor_catalogue.h"
#include "calc/units.h"
#include "lens_table.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"
#include "version/version.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ios>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace orbel {
namespace {

constexpr std::string_view kHelp =
    R"(Usage: orbel-lens [--camera CAMERA] [--resolution N] [--units meters|feet|inches]
                  [--width W] [--distance D] [--focal F]
       orbel-lens --csv FILE [--separator ,|;|tab] [the options above as defaults]
       orbel-lens --list-cameras | --help | -h | --version

Fills in the one of object width, object distance and focal length left out,
rounded to three places, and the horizontal field of view in meters and feet,
exactly as the Orbel Lens Calculator window does for the same camera, units
and texts. Width and distance are in the units, the focal length in
millimetres.

  --camera CAMERA    the camera's caption as the window shows it, or its
                     number in --list-cameras (default: the window's first)
  --resolution N     the horizontal resolution of a camera that records at
                     one of your choice, as its double-click asks for
  --units UNITS      meters (default), feet or inches (also M, Ft, In.,
                     metres; any case)
  --width, --distance, --focal   two of them; the third is calculated
  --csv FILE         reads a table (- for standard input) whose header names
                     some of camera,resolution,units,width,distance,focal
                     among columns of your own, which are kept as they are;
                     a missing column, and an empty camera or units cell,
                     takes the options' value. Writes the table filled, with
                     fov, pixels_per_unit and message added.
  --separator SEP    the table's separator: , ; or tab (default: the one its
                     header row uses). With ; numbers have a decimal comma.
  --list-cameras     each camera's number, caption, sensor width and page
  --                 ends the options

Exit status: 0 everything computed, 1 a calculation or a row failed (its
message says why), 2 bad usage or an unreadable file.
)";

// The options: the request's texts, then the rest.
enum Option : int {
    Camera,
    Resolution,
    Units,
    Width,
    Distance,
    Focal,
    Csv,
    Separator,
    ListCameras,
    Version,
    Help = 'h'
};
constexpr auto kOptions = std::to_array<::option>({
    {"camera", required_argument, nullptr, Camera},
    {"resolution", required_argument, nullptr, Resolution},
    {"units", required_argument, nullptr, Units},
    {"width", required_argument, nullptr, Width},
    {"distance", required_argument, nullptr, Distance},
    {"focal", required_argument, nullptr, Focal},
    {"csv", required_argument, nullptr, Csv},
    {"separator", required_argument, nullptr, Separator},
    {"list-cameras", no_argument, nullptr, ListCameras},
    {"version", no_argument, nullptr, Version},
    {"help", no_argument, nullptr, Help},
    {}, // where getopt_long's list ends
});

constexpr std::size_t slot(int option) {
    return static_cast<std::size_t>(option);
}

struct Options {
    std::array<std::string, kRequestColumns> request;
    std::array<bool, Version + 1> given{};
    bool help = false;
    std::optional<std::string> csv;
    char separator = 0; // found in the header
};

struct UsageError {
    std::string what;
};

// Every line with the platform's line end.
void say(std::ostream& out, std::string_view text) {
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos;
         text.remove_prefix(end + 1))
        out << text.substr(0, end) << kLineEnd;
    out << text;
}

Options parse(std::span<const std::string> args) {
    Options options;
    // The window's start state: its first camera, in meters.
    options.request[Camera] = shownCaption(defaultPreset(Page::First));
    options.request[Units] = "meters";
    std::vector<std::string> texts(args.begin(), args.end());
    std::vector<char*> argv{const_cast<char*>("orbel-lens")};
    for (std::string& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(argv.size() - 1);
    optind = 0; // a fresh scan, whoever scanned before
    opterr = 0;
    for (int got; (got = getopt_long(argc, argv.data(), ":h", kOptions.data(), nullptr)) != -1;) {
        const std::string value = optarg ? optarg : "";
        switch (got) {
        case '?':
            throw UsageError{"unknown option " +
                             (optopt != 0 ? "-" + std::string(1, static_cast<char>(optopt))
                                          : std::string(argv[slot(optind - 1)])) +
                             " (--help lists them)"};
        case ':':
            throw UsageError{"--" + std::string(kOptions[slot(optopt)].name) + " needs a value"};
        case Help:
            options.help = true;
            break;
        case Csv:
            options.csv = value;
            break;
        case Separator:
            if (value != "," && value != ";" && value != "tab" && value != "\t")
                throw UsageError{"--separator is , ; or tab, not \"" + value + "\""};
            options.separator = value == "tab" ? '\t' : value[0];
            break;
        default:
            if (got < Csv)
                options.request[slot(got)] = value;
            break;
        }
        if (got <= Version)
            options.given[slot(got)] = true;
    }
    if (optind < argc)
        throw UsageError{"unexpected argument " + std::string(argv[slot(optind)])};
    if (options.help)
        return options;
    int alone = 0;
    for (const Option option : {ListCameras, Version})
        if (options.given[slot(option)])
            alone = option;
    const auto given = std::count(options.given.begin(), options.given.end(), true);
    if (alone != 0 && given > 1)
        throw UsageError{"--" + std::string(kOptions[slot(alone)].name) + " takes no other option"};
    if (options.csv && options.csv->empty())
        throw UsageError{"--csv needs a file name"};
    if (options.separator != 0 && !options.csv)
        throw UsageError{"--separator goes with --csv"};
    return options;
}

RequestTexts textsOf(const Options& options) {
    RequestTexts texts;
    std::copy(options.request.begin(), options.request.end(), texts.begin());
    return texts;
}

// The options a table's rows take: each must be good whether or not a column
// covers it.
void checkDefaults(const Options& options) {
    std::array<std::string, kRequestColumns> scratch;
    const ReadRequest read = readRequest(textsOf(options), false, scratch);
    if (!read.problem.empty())
        throw UsageError{read.problem};
    for (const Option option : {Resolution, Width, Distance, Focal}) {
        const std::string& text = options.request[slot(option)];
        try {
            if (!text.empty())
                textToNumber(text);
        } catch (const RunTimeError&) {
            throw UsageError{"--" + std::string(kOptions[slot(option)].name) + " \"" + text +
                             "\" is not a number"};
        }
    }
}

void listCameras(std::ostream& out) {
    const auto cameras = presets();
    for (std::size_t i = 0; i < cameras.size(); ++i) {
        std::string caption = shownCaption(cameras[i]);
        caption.resize(std::max<std::size_t>(caption.size(), 38), ' ');
        std::string width = sensorText(cameras[i]);
        width.insert(0, width.size() < 7 ? 7 - width.size() : 0, ' ');
        out << (i < 9 ? " " : "") << i + 1 << "  " << caption << ' ' << width << " mm  page "
            << (cameras[i].page == Page::First ? 1 : 2)
            << (cameras[i].custom ? "  takes --resolution" : "") << kLineEnd;
    }
}

// The record one field a line, each with its caption and the unit the
// window writes beside it: "Lens f: 1277.696 mm".
int printOne(const Options& options, std::ostream& out, std::ostream& err) {
    std::array<std::string, kRequestColumns> scratch;
    const ReadRequest read = readRequest(textsOf(options), false, scratch);
    if (!read.problem.empty())
        throw UsageError{read.problem};
    const LensAnswer answer = solve(read.request);
    if (answer.kind == LensAnswer::Kind::Refused)
        throw UsageError{answer.message};
    const std::string_view lengthUnit = trimBlanks(unitSystem(answer.fields.units).label);
    for (const FieldRow& row : kFields) {
        const std::string& text = answer.fields.text(row.field);
        std::string_view unit = lengthUnit;
        if (const FieldUnit* fixed = fixedUnit(row.field))
            unit = fixed->label.empty() ? fixed->spoken : fixed->label;
        out << row.caption << ':';
        if (!text.empty())
            out << ' ' << text << ' ' << unit;
        out << kLineEnd;
    }
    if (answer.kind == LensAnswer::Kind::Failed) {
        err << answer.message << kLineEnd;
        return 1;
    }
    return 0;
}

int fillCsv(const Options& options, const std::string& name, const CsvReader::Source& in,
            std::ostream& out) {
    checkDefaults(options);
    const bool standardInput = name == "-";
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        standardInput ? nullptr : std::fopen(name.c_str(), "rb"), &std::fclose);
    if (!standardInput && !file)
        throw UsageError{"cannot open " + name + ": " + std::strerror(errno)};
    CsvReader reader(standardInput ? in : fileSource(file.get()), options.separator);
    TableOutcome outcome;
    try {
        outcome = fillTable(
            reader,
            [&](std::string_view text) {
                out.write(text.data(), static_cast<std::streamsize>(text.size()));
            },
            textsOf(options));
    } catch (const std::system_error& error) {
        throw UsageError{"cannot read " + (standardInput ? "standard input" : name) + ": " +
                         error.code().message()};
    }
    if (outcome.status == TableOutcome::Status::Unreadable)
        throw UsageError{name + ", " + outcome.problem};
    return outcome.status == TableOutcome::Status::Computed ? 0 : 1;
}

int run(std::span<const std::string> args, const CsvReader::Source& in, std::ostream& out,
        std::ostream& err) {
    const Options options = parse(args);
    if (options.help)
        say(out, kHelp);
    else if (options.given[Version])
        out << "orbel-lens (" << kProductName << ") " << kProgramVersionText << kLineEnd;
    else if (options.given[ListCameras])
        listCameras(out);
    else if (options.csv)
        return fillCsv(options, *options.csv, in, out);
    else
        return printOne(options, out, err);
    return 0;
}

} // namespace

CsvReader::Source fileSource(std::FILE* file) {
    return [file](char* buffer, std::size_t size) {
        const std::size_t read = std::fread(buffer, 1, size, file);
        if (read == 0 && std::ferror(file))
            throw std::system_error(errno, std::generic_category());
        return read;
    };
}

int runLensCli(std::span<const std::string> args, const CsvReader::Source& in, std::ostream& out,
               std::ostream& err) {
    int status = 0;
    try {
        status = run(args, in, out, err);
    } catch (const UsageError& error) {
        err << "orbel-lens: " << error.what << kLineEnd;
        return 2;
    }
    if (!out.flush()) {
        err << "orbel-lens: cannot write the output" << kLineEnd;
        return 2;
    }
    return status;
}

} // namespace orbel
