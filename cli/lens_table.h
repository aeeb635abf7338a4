#pragma once

#include "calc/lens_fields.h"
#include "calc/lens_request.h"
#include "csv.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orbel {

// The program's columns: a request's, then what a calculation adds.
enum class Column {
    Camera,
    Resolution,
    Units,
    Width,
    Distance,
    Focal,
    Fov,
    PixelsPerUnit,
    Message
};
inline constexpr std::array<std::string_view, 9> kColumnNames = {
    "camera", "resolution", "units",           "width",  "distance",
    "focal",  "fov",        "pixels_per_unit", "message"};
inline constexpr std::size_t kRequestColumns = 6; // camera to focal

// A request's texts as typed, by Column.
using RequestTexts = std::array<std::string_view, kRequestColumns>;

// The camera a user names: its number in the catalogue's order (1 to 15) or
// its caption as the window shows it; its place in presets(). The units by
// their name, the label the window shows or as spoken ("meters", "M",
// "metres"). A column by its name. None minds case or the blanks around.
std::optional<std::size_t> findCamera(std::string_view named);
std::optional<Column> findColumn(std::string_view named);
std::optional<Units> findUnits(std::string_view named);

// The request the texts make, or what in them is wrong. With a decimal
// comma, "11,5" in a number reads as 11.5; `scratch` holds such texts.
struct ReadRequest {
    LensRequest request;
    std::string problem;
};
ReadRequest readRequest(const RequestTexts& texts, bool decimalComma,
                        std::array<std::string, kRequestColumns>& scratch);

struct TableOutcome {
    enum class Status { Computed, RowsFailed, Unreadable };
    Status status = Status::Computed;
    std::string problem; // why the table is unreadable
};

// Reads a table whose header names some of the program's columns (any case,
// blanks around) among the user's own, and writes it through `sink` row for
// row, in batches filled in on the machine's cores (row_batches.h) and
// written in their order: the user's columns as they were, the program's
// filled where they stand, the program's missing ones after them. A missing
// request column, and an empty camera or units cell, takes `defaults`. A row
// of empty fields stays empty; a row that cannot be read keeps its place with
// a message naming its line. With a semicolon separator numbers read and are
// written with a decimal comma. RowsFailed when a row failed or could not be
// read; Unreadable when the header cannot be read, with nothing written. What
// the reader's source throws comes out here, and nothing is written when it
// throws before the first batch is done.
TableOutcome fillTable(CsvReader& reader, const CsvWriter::Sink& sink,
                       const RequestTexts& defaults);

} // namespace orbel
