// One calculation from a request to its answer: the camera's sensor width,
// the custom resolution, Calculate, and the pixels over the object width.
#include "lens_request.h"
#include "calc/lens_fields.h"
#include "calc/lens_solver.h"

#include "calc/custom_resolution.h"
#include "calc/failure_text.h"
#include "calc/sensor_catalogue.h"
#include "runtime/arithmetic.h"
#include "runtime/conversions.h"
#include "runtime/run_time_error.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <variant>

namespace orbel {
namespace {

// The catalogue's widths as text, written once: a table switches cameras
// from row to row.
const std::string& catalogueSensor(std::size_t camera) {
    static const std::array<std::string, kPresetCount> sensors = [] {
        std::array<std::string, kPresetCount> texts;
        for (std::size_t i = 0; i < kPresetCount; ++i)
            texts[i] = sensorText(presets()[i]);
        return texts;
    }();
    return sensors[camera];
}

LensAnswer refused(std::string why) {
    LensAnswer answer;
    answer.kind = LensAnswer::Kind::Refused;
    answer.message = std::move(why);
    return answer;
}

} // namespace

LensAnswer solve(const LensRequest& request) {
    const Preset& camera = presets()[request.camera];
    LensAnswer answer;
    LensFields& fields = answer.fields;
    double pixels = camera.horizontalPixels(); // 0 where the camera does not say
    if (request.resolution.empty()) {
        fields.sensorWidth = catalogueSensor(request.camera);
    } else if (!camera.custom) {
        return refused("camera \"" + shownCaption(camera) + "\" takes no custom resolution");
    } else {
        CustomOutcome entry = applyCustomResolution(*camera.custom, request.resolution);
        auto* custom = std::get_if<CustomResult>(&entry);
        if (!custom)
            return refused("resolution \"" + std::string(request.resolution) + "\" " +
                           resolutionRefusal(std::get<ResolutionRefusal>(entry)));
        fields.sensorWidth = std::move(custom->sensor);
        pixels = textToNumber(request.resolution);
    }
    fields.units = request.units;
    fields.width = request.width;
    fields.distance = request.distance;
    fields.focalLength = request.focal;

    LensOutcome outcome;
    if (!fields.width.empty() && !fields.distance.empty() && !fields.focalLength.empty()) {
        for (const Field typed : {Field::Width, Field::Distance, Field::FocalLength})
            if (const auto error = textValue(fields.text(typed)).error) {
                outcome.failure = LensFailure{Field::FieldOfView, typed, *error};
                break;
            }
    }
    if (!outcome.failure)
        outcome = calculate(fields);
    answer.written = outcome.written;
    if (outcome.failure) {
        answer.kind = LensAnswer::Kind::Failed;
        answer.message = failureText(*outcome.failure, fields);
        return answer;
    }
    // Only a computed row has a width that reads; a zero one has no
    // quotient, nor one too small for it.
    if (pixels != 0.0 && !fields.width.empty()) {
        try {
            answer.pixelsPerUnit = numberToText(quotient(pixels, textToNumber(fields.width)));
        } catch (const RunTimeError&) { // NOLINT(bugprone-empty-catch)
            // The column stays blank.
        }
    }
    return answer;
}

} // namespace orbel
