#pragma once
// The 81-number table: for each number 1..81 its title, luck grade and the
// texts on career, family, health and meaning. Rows are carried as one text,
// rows joined by "*******", fields by "---".
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velorin {

class Number81Table {
public:
    using Row = std::array<std::string, 6>;  // title, grade, 基业, 家庭, 健康, 含义
    enum Column { Title = 0, Grade = 1, Career = 2, Family = 3, Health = 4, Meaning = 5 };

    explicit Number81Table(std::string_view carriedText);

    // The table the program carries, parsed once.
    static const Number81Table& Carried();

    // The six cells of number n; six empty texts for a number outside 1..81.
    const Row& Cells(int number) const;
    const std::string& GradeOf(int number) const { return Cells(number)[Grade]; }
    int Count() const { return static_cast<int>(rows_.size()); }

private:
    std::vector<Row> rows_;
};

}  // namespace velorin
