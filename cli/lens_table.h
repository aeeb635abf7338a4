#pragma once

#include "calc/lens_fields.h"
#include "calc/sensor_catalogue.h"
#include "csv.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orbel {

// One calculation as a user asks for it, every value as typed.
struct LensRequest {
    std::string camera;     // its caption as the window shows it, or its number
    std::string resolution; // a custom horizontal resolution; empty for none
    std::string units;      // meters, feet or inches
    std::string width;
    std::string distance;
    std::string focal;
};

// A table's columns: the request's, then what a calculation adds.
inline constexpr std::array<std::string_view, 9> kColumns = {
    "camera", "resolution", "units",           "width",  "distance",
    "focal",  "fov",        "pixels_per_unit", "message"};
inline constexpr std::size_t kRequestColumns = 6;

// The camera a user names: its number in the catalogue's order (1 to 15) or
// its caption as the window shows it; blanks around either do not count.
const Preset* findCamera(std::string_view named);

struct LensResult {
    enum class Kind { Computed, Failed, Refused };
    Kind kind = Kind::Computed;
    LensFields fields;         // as the window would show them
    std::string pixelsPerUnit; // the camera's horizontal pixels over the object width
    std::string message;       // the window's words, or what in the request is wrong
};

// Fills the record as the window does when the camera is picked (and its
// custom resolution entered), the units chosen, the texts typed and
// Calculate pressed. Remembers the last camera and resolution, as a table
// mostly repeats them.
class LensCalculator {
public:
    const LensResult& run(const LensRequest& request);

private:
    void refuse(std::string why);
    const std::string& catalogueSensor(const Preset& camera);

    LensResult result_;
    std::vector<std::string> catalogueSensors_;
    std::string cameraText_;
    const Preset* camera_ = nullptr;
    const Preset* sensorCamera_ = nullptr;
    std::string resolutionText_;
    std::string sensor_;
    std::string sensorProblem_;
    double pixels_ = 0; // 0 where the camera does not say
};

// Reads a table with a header row naming some of kColumns, the request's
// missing columns (and empty camera and units cells) taken from `defaults`,
// and writes every row filled, in the order of kColumns. Returns 0 when
// every row computed, 1 when a row failed or was malformed (its message
// says why, and where), 2 when the header cannot be read (`error` says why).
int fillTable(CsvReader& reader, CsvWriter& writer, const LensRequest& defaults,
              std::string& error);

} // namespace orbel
