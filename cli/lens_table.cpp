// A table of calculations: its header matched to the program's columns, each
// row read into a request, solved and written back in its place.
#include "lens_table.h"
#include "calc/lens_request.h"

#include "calc/custom_resolution.h"
#include "calc/failure_text.h"
#include "calc/lens_fields.h"
#include "calc/lens_solver.h"
#include "calc/sensor_catalogue.h"
#include "calc/units.h"
#include "csv.h"
#include "row_batches.h"
#include "runtime/arithmetic.h"
#include "runtime/conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace orbel {
namespace {

bool sameWords(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

std::string quoted(std::string_view text) {
    std::string result(1, '"');
    result.append(text).push_back('"');
    return result;
}

constexpr std::size_t index(Column column) {
    return static_cast<std::size_t>(column);
}

constexpr std::size_t kPassedThrough = SIZE_MAX;

// The columns a calculation writes a field into; the others keep their text.
constexpr std::pair<Column, Field> kNumberColumns[] = {{Column::Width, Field::Width},
                                                       {Column::Distance, Field::Distance},
                                                       {Column::Focal, Field::FocalLength},
                                                       {Column::Fov, Field::FieldOfView}};

// Numbers as the table writes them: with its decimal mark.
std::string_view marked(std::string_view number, bool decimalComma, std::string& scratch) {
    if (!decimalComma || number.find('.') == std::string_view::npos)
        return number;
    scratch.assign(number);
    std::replace(scratch.begin(), scratch.end(), '.', ',');
    return scratch;
}

} // namespace

std::optional<std::size_t> findCamera(std::string_view named) {
    named = trimBlanks(named);
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(named.data(), named.data() + named.size(), number);
    if (!named.empty() && error == std::errc() && end == named.data() + named.size()) {
        if (number >= 1 && number <= kPresetCount)
            return number - 1;
        return std::nullopt;
    }
    static const std::vector<std::string> captions = [] {
        std::vector<std::string> shown;
        for (const Preset& preset : presets())
            shown.emplace_back(trimBlanks(shownCaption(preset)));
        return shown;
    }();
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (sameWords(captions[i], named))
            return i;
    return std::nullopt;
}

std::optional<Column> findColumn(std::string_view named) {
    named = trimBlanks(named);
    for (std::size_t i = 0; i < kColumnNames.size(); ++i)
        if (sameWords(kColumnNames[i], named))
            return static_cast<Column>(i);
    return std::nullopt;
}

std::optional<Units> findUnits(std::string_view named) {
    named = trimBlanks(named);
    for (const UnitSystem& system : kUnitSystems)
        for (const std::string_view word : {system.name, trimBlanks(system.label), system.spoken})
            if (sameWords(word, named))
                return system.units;
    return std::nullopt;
}

ReadRequest readRequest(const RequestTexts& texts, bool decimalComma,
                        std::array<std::string, kRequestColumns>& scratch) {
    ReadRequest read;
    const auto camera = findCamera(texts[index(Column::Camera)]);
    const auto units = findUnits(texts[index(Column::Units)]);
    if (!camera || !units) {
        read.problem = !camera ? "unknown camera " + quoted(texts[index(Column::Camera)])
                               : "unknown units " + quoted(texts[index(Column::Units)]);
        return read;
    }
    std::string_view numbers[kRequestColumns];
    for (const Column column :
         {Column::Resolution, Column::Width, Column::Distance, Column::Focal}) {
        std::string_view text = texts[index(column)];
        if (decimalComma && text.find(',') != std::string_view::npos) {
            std::string& pointed = scratch[index(column)];
            pointed.assign(text);
            std::replace(pointed.begin(), pointed.end(), ',', '.');
            text = pointed;
        }
        numbers[index(column)] = text;
    }
    read.request = {*camera,
                    numbers[index(Column::Resolution)],
                    *units,
                    numbers[index(Column::Width)],
                    numbers[index(Column::Distance)],
                    numbers[index(Column::Focal)]};
    return read;
}

namespace {

// What every row of a table shares: where the program's columns stand.
struct Layout {
    std::vector<std::size_t> roles; // for each output field, the program's column or none
    std::array<std::size_t, kColumnNames.size()> where{};
    std::size_t width = 0; // fields in the header
    RequestTexts defaults;
    bool decimalComma = false;
};

// A worker's reused texts.
struct RowScratch {
    std::array<std::string, kRequestColumns> pointed;
    std::array<std::string, kColumnNames.size()> written; // numbers with the table's mark
    std::array<std::string_view, kColumnNames.size()> cells;
    std::string problem;
    std::vector<std::string_view> fields;
};

// Writes one row in its place: false when it failed or could not be read.
bool writeRow(const Layout& layout, const RowBatch::Row& record,
              std::span<const std::string_view> row, CsvWriter& writer, RowScratch& scratch) {
    const auto& roles = layout.roles;
    if (record.status == CsvReader::Status::Record &&
        std::all_of(row.begin(), row.end(), [](std::string_view f) { return f.empty(); })) {
        for (std::size_t i = 0; i < roles.size(); ++i)
            writer.field({});
        writer.endRecord();
        return true;
    }
    RequestTexts texts;
    for (std::size_t c = 0; c < kRequestColumns; ++c) {
        const std::size_t at = layout.where[c];
        texts[c] = at == kPassedThrough ? layout.defaults[c]
                   : at < row.size()    ? row[at]
                                        : std::string_view();
    }
    for (const Column column : {Column::Camera, Column::Units})
        if (texts[index(column)].empty())
            texts[index(column)] = layout.defaults[index(column)];

    std::string& problem = scratch.problem;
    problem.clear();
    ReadRequest read;
    std::optional<LensAnswer> answer;
    if (record.status == CsvReader::Status::Malformed)
        problem = record.problem;
    else if (row.size() != layout.width)
        problem = std::to_string(row.size()) + " fields where the header has " +
                  std::to_string(layout.width);
    else if (read = readRequest(texts, layout.decimalComma, scratch.pointed); !read.problem.empty())
        problem = std::move(read.problem);
    else if (answer = solve(read.request); answer->kind == LensAnswer::Kind::Refused)
        problem = answer->message;
    if (!problem.empty())
        answer.reset();

    auto& cells = scratch.cells;
    std::copy(texts.begin(), texts.end(), cells.begin());
    cells[index(Column::Fov)] = cells[index(Column::PixelsPerUnit)] = {};
    if (answer) {
        for (const auto& [column, field] : kNumberColumns)
            if (answer->written.contains(field))
                cells[index(column)] = marked(answer->fields.text(field), layout.decimalComma,
                                              scratch.written[index(column)]);
        cells[index(Column::PixelsPerUnit)] = marked(answer->pixelsPerUnit, layout.decimalComma,
                                                     scratch.written[index(Column::PixelsPerUnit)]);
        cells[index(Column::Message)] = answer->message;
    } else {
        problem.insert(0, "line " + std::to_string(record.line) + ": ");
        cells[index(Column::Message)] = problem;
    }
    for (std::size_t i = 0; i < roles.size(); ++i) {
        if (roles[i] != kPassedThrough)
            writer.field(cells[roles[i]]);
        else
            writer.field(i < row.size() ? row[i] : std::string_view());
    }
    writer.endRecord();
    return answer && answer->kind == LensAnswer::Kind::Computed;
}

} // namespace

TableOutcome fillTable(CsvReader& reader, const CsvWriter::Sink& sink,
                       const RequestTexts& defaults) {
    TableOutcome outcome;
    // The header: the first record with a name in it.
    CsvReader::Status status;
    do
        status = reader.next();
    while (status == CsvReader::Status::Record && reader.fields().size() == 1 &&
           trimBlanks(reader.fields()[0]).empty());
    if (status == CsvReader::Status::Malformed) {
        outcome.status = TableOutcome::Status::Unreadable;
        outcome.problem =
            "line " + std::to_string(reader.line()) + ": " + std::string(reader.problem());
        return outcome;
    }
    // For each field of a row, the program's column it is, if any; where each
    // of the program's columns is, the missing ones after the header's.
    Layout layout;
    layout.defaults = defaults;
    layout.decimalComma = reader.separator() == ';';
    auto& roles = layout.roles;
    auto& where = layout.where;
    where.fill(kPassedThrough);
    for (const std::string& name : reader.fields()) {
        const auto known = findColumn(name);
        if (known && where[index(*known)] != kPassedThrough) {
            outcome.status = TableOutcome::Status::Unreadable;
            outcome.problem = "line " + std::to_string(reader.line()) + ": repeated column " +
                              quoted(trimBlanks(name));
            return outcome;
        }
        if (known)
            where[index(*known)] = roles.size();
        roles.push_back(known ? index(*known) : kPassedThrough);
    }
    layout.width = roles.size();
    const char separator = reader.separator();
    // Written with the first rows: a table that cannot be read to its end
    // before then leaves nothing on the output.
    std::string headerText;
    CsvWriter header([&headerText](std::string_view text) { headerText += text; }, separator);
    for (std::size_t i = 0; i < layout.width; ++i)
        header.field(reader.fields()[i]);
    for (std::size_t column = 0; column < kColumnNames.size(); ++column)
        if (where[column] == kPassedThrough) {
            header.field(kColumnNames[column]);
            roles.push_back(column);
        }
    header.endRecord();
    header.flush();

    // The rows, a batch at a time: read here, filled in on the other cores,
    // written here in their order.
    const auto fill = [&](RowBatch& batch) {
        while (status != CsvReader::Status::End &&
               (status = reader.next()) != CsvReader::Status::End)
            if (!batch.add(reader, status))
                return true;
        return false;
    };
    const auto work = [&layout, separator](RowBatch& batch) {
        RowScratch scratch;
        CsvWriter writer([&batch](std::string_view text) { batch.written += text; }, separator);
        bool failed = false;
        for (const RowBatch::Row& record : batch.rows()) {
            batch.fieldsOf(record, scratch.fields);
            failed |= !writeRow(layout, record, scratch.fields, writer, scratch);
        }
        writer.flush();
        batch.failed = failed;
    };
    const auto done = [&](RowBatch& batch) {
        if (!headerText.empty())
            sink(std::exchange(headerText, {}));
        if (!batch.written.empty())
            sink(batch.written);
        if (batch.failed)
            outcome.status = TableOutcome::Status::RowsFailed;
    };
    runBatches(fill, work, done);
    if (!headerText.empty())
        sink(headerText);
    return outcome;
}

} // namespace orbel
