// Any bytes as a table through the reader, the core and the writer: every
// written row reads back with as many fields as the written header, a row
// has a message exactly when it did not compute, and the status says so.
#include "cli/csv.h"
#include "cli/lens_table.h"
#include "support/text_source.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orbel;
    std::string_view in(reinterpret_cast<const char*>(data), size);
    std::string out;
    CsvReader reader(from(in));
    const auto outcome =
        fillTable(reader, [&](std::string_view text) { out += text; }, {"5", "", "meters"});
    std::string_view back = out;
    CsvReader written(from(back), reader.separator());
    std::size_t width = 0, message = 0, failed = 0;
    CsvReader::Status read;
    while ((read = written.next()) == CsvReader::Status::Record) {
        const auto fields = written.fields();
        if (width == 0) {
            width = fields.size();
            while (message < width && findColumn(fields[message]) != Column::Message)
                ++message;
        }
        if (fields.size() != width || message == width)
            std::abort();
        failed += !fields[message].empty(); // the header's "message" too
    }
    const bool unreadable = outcome.status == TableOutcome::Status::Unreadable;
    if (read != CsvReader::Status::End || unreadable != out.empty() ||
        unreadable == outcome.problem.empty() ||
        (outcome.status == TableOutcome::Status::RowsFailed) != (failed > 1))
        std::abort();
    return 0;
}
