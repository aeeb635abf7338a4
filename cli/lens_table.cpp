#include "lens_table.h"

#include "calc/custom_resolution.h"
#include "calc/failure_text.h"
#include "calc/lens_fields.h"
#include "calc/lens_solver.h"
#include "calc/sensor_catalogue.h"
#include "calc/units.h"
#include "csv.h"
#include "runtime/arithmetic.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace orbel {
namespace {

std::string quoted(std::string_view text) {
    std::string result(1, '"');
    result.append(text).push_back('"');
    return result;
}

} // namespace

const Preset* findCamera(std::string_view named) {
    named = trimBlanks(named);
    const auto cameras = presets();
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(named.data(), named.data() + named.size(), number);
    if (!named.empty() && error == std::errc() && end == named.data() + named.size())
        return number >= 1 && number <= cameras.size() ? &cameras[number - 1] : nullptr;
    static const std::vector<std::string> captions = [&] {
        std::vector<std::string> shown;
        for (const Preset& preset : cameras)
            shown.emplace_back(trimBlanks(shownCaption(preset)));
        return shown;
    }();
    const auto found = std::find(captions.begin(), captions.end(), named);
    return found == captions.end() ? nullptr
                                   : &cameras[static_cast<std::size_t>(found - captions.begin())];
}

// The catalogue's widths as text, written once: a table switches cameras
// from row to row.
const std::string& LensCalculator::catalogueSensor(const Preset& camera) {
    if (catalogueSensors_.empty())
        for (const Preset& preset : presets())
            catalogueSensors_.push_back(sensorText(preset));
    return catalogueSensors_[static_cast<std::size_t>(&camera - presets().data())];
}

void LensCalculator::refuse(std::string why) {
    result_.kind = LensResult::Kind::Refused;
    result_.message = std::move(why);
}

const LensResult& LensCalculator::run(const LensRequest& request) {
    result_.kind = LensResult::Kind::Computed;
    result_.message.clear();
    result_.pixelsPerUnit.clear();
    if (!camera_ || request.camera != cameraText_) {
        cameraText_ = request.camera;
        camera_ = findCamera(cameraText_);
    }
    if (!camera_) {
        refuse("unknown camera " + quoted(request.camera));
        return result_;
    }
    const auto unit = std::find_if(kUnitSystems.begin(), kUnitSystems.end(), [&](const auto& u) {
        return u.name == request.units || u.spoken == request.units;
    });
    if (unit == kUnitSystems.end()) {
        refuse("unknown units " + quoted(request.units));
        return result_;
    }

    // The width a selection writes, or the one a custom resolution gives;
    // an entry the window would drop is refused here rather than ignored.
    if (camera_ != sensorCamera_ || request.resolution != resolutionText_) {
        sensorCamera_ = camera_;
        resolutionText_ = request.resolution;
        sensorProblem_.clear();
        pixels_ = camera_->horizontalPixels;
        if (resolutionText_.empty()) {
            sensor_ = catalogueSensor(*camera_);
        } else if (!camera_->custom) {
            sensorProblem_ =
                "camera " + quoted(shownCaption(*camera_)) + " takes no custom resolution";
        } else if (const auto custom = applyCustomResolution(*camera_->custom, resolutionText_)) {
            sensor_ = custom->sensor;
            pixels_ = textToNumber(resolutionText_);
        } else {
            sensorProblem_ = "resolution " + quoted(resolutionText_) + " is not a number";
        }
    }
    if (!sensorProblem_.empty()) {
        refuse(sensorProblem_);
        return result_;
    }

    LensFields& fields = result_.fields;
    fields.units = {false, false, false};
    fields.units.*unit->flag = true;
    fields.wdth = request.width;
    fields.dist = request.distance;
    fields.fmm = request.focal;
    fields.sensor = sensor_;
    fields.fov.clear();
    const LensOutcome outcome = calculate(fields);
    if (outcome.failure) {
        result_.kind = LensResult::Kind::Failed;
        result_.message = failureText(*outcome.failure, fields);
    }
    if (pixels_ != 0.0) {
        try {
            result_.pixelsPerUnit = numberToText(quotient(pixels_, textToNumber(fields.wdth)));
        } catch (const RunTimeError&) { // NOLINT(bugprone-empty-catch)
            // No usable width: the column stays blank.
        }
    }
    return result_;
}

int fillTable(CsvReader& reader, CsvWriter& writer, const LensRequest& defaults,
              std::string& error) {
    using Text = std::string LensRequest::*; // named as LensText is
    const Text members[kRequestColumns] = {&LensRequest::camera,   &LensRequest::resolution,
                                           &LensRequest::units,    &LensRequest::width,
                                           &LensRequest::distance, &LensRequest::focal};
    // Where each of kColumns stands in a row; the added ones are only read
    // so that a written table can be read again.
    std::array<std::size_t, kColumns.size()> where;
    where.fill(SIZE_MAX);
    CsvReader::Status status = reader.next();
    if (status == CsvReader::Status::Malformed) {
        error = "line " + std::to_string(reader.line()) + ": " + std::string(reader.problem());
        return 2;
    }
    const std::size_t width = reader.fields().size();
    for (std::size_t i = 0; status == CsvReader::Status::Record && i < width; ++i) {
        const std::string_view name = trimBlanks(reader.fields()[i]);
        const auto column = static_cast<std::size_t>(
            std::find(kColumns.begin(), kColumns.end(), name) - kColumns.begin());
        if (column == kColumns.size() || where[column] != SIZE_MAX) {
            error = "line " + std::to_string(reader.line()) + ": " +
                    (column == kColumns.size() ? "unknown" : "repeated") + " column " +
                    quoted(name);
            return 2;
        }
        where[column] = i;
    }
    for (const std::string_view name : kColumns)
        writer.field(name);
    writer.endRecord();

    int exitStatus = 0;
    LensCalculator calculator;
    LensRequest request;
    while (status != CsvReader::Status::End && (status = reader.next()) != CsvReader::Status::End) {
        const auto row = reader.fields();
        for (std::size_t c = 0; c < kRequestColumns; ++c) {
            std::string& text = request.*members[c];
            if (where[c] == SIZE_MAX)
                text = defaults.*members[c];
            else
                text = where[c] < row.size() ? row[where[c]] : std::string();
        }
        for (Text member : {&LensRequest::camera, &LensRequest::units})
            if ((request.*member).empty())
                request.*member = defaults.*member;

        std::string problem;
        if (status == CsvReader::Status::Malformed)
            problem = reader.problem();
        else if (row.size() != width)
            problem = std::to_string(row.size()) + " fields where the header has " +
                      std::to_string(width);
        const LensResult* result = problem.empty() ? &calculator.run(request) : nullptr;
        if (result && result->kind == LensResult::Kind::Refused)
            problem = result->message;
        const bool filled = problem.empty();

        for (std::size_t c = 0; c < 3; ++c)
            writer.field(request.*members[c]);
        writer.field(filled ? result->fields.wdth : request.width);
        writer.field(filled ? result->fields.dist : request.distance);
        writer.field(filled ? result->fields.fmm : request.focal);
        writer.field(filled ? result->fields.fov : std::string_view());
        writer.field(filled ? result->pixelsPerUnit : std::string_view());
        if (filled) {
            writer.field(result->message);
        } else {
            writer.field("line " + std::to_string(reader.line()) + ": " + problem);
        }
        writer.endRecord();
        if (!filled || result->kind != LensResult::Kind::Computed)
            exitStatus = 1;
    }
    writer.flush();
    return exitStatus;
}

} // namespace orbel
