// Any bytes as a table through the reader, the core and the writer: every
// written row reads back with all its columns, a row has a message exactly
// when it did not compute, and the exit status says so.
#include "cli/csv.h"
#include "cli/lens_table.h"
#include "support/tables.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view in(reinterpret_cast<const char*>(data), size);
    std::string out, error;
    orbel::CsvReader reader(orbel::from(in));
    orbel::CsvWriter writer([&](std::string_view text) { out += text; });
    const int status = orbel::fillTable(reader, writer, {"5", "", "meters", "", "", ""}, error);
    std::string_view back = out;
    orbel::CsvReader written(orbel::from(back));
    int failed = 0;
    bool header = true;
    orbel::CsvReader::Status read;
    while ((read = written.next()) == orbel::CsvReader::Status::Record) {
        if (written.fields().size() != orbel::kColumns.size())
            std::abort();
        failed += header || written.fields()[8].empty() ? 0 : 1;
        header = false;
    }
    if (read != orbel::CsvReader::Status::End ||
        status != (status == 2  ? 2
                   : failed > 0 ? 1
                                : 0) ||
        (status == 2) != out.empty() || (status == 2) == error.empty())
        std::abort();
    return 0;
}
