#include "lookups/Number81Table.h"

#include "embedded/Number81Table.h"
#include "text/Utf8Text.h"

namespace velorin {

Number81Table::Number81Table(std::string_view carriedText) {
    for (const std::string& line : text::Split(carriedText, "*******")) {
        std::vector<std::string> fields = text::Split(line, "---");
        Row row;
        for (std::size_t i = 0; i < row.size() && i < fields.size(); ++i) row[i] = fields[i];
        rows_.push_back(std::move(row));
    }
}

const Number81Table& Number81Table::Carried() {
    static const Number81Table table(embedded::Number81Table());
    return table;
}

const Number81Table::Row& Number81Table::Cells(int number) const {
    static const Row kEmpty{};
    if (number < 1 || number > Count()) return kEmpty;
    return rows_[static_cast<std::size_t>(number - 1)];
}

}  // namespace velorin
