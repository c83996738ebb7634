#pragma once

#include "PrintItem.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// An item as the recorder keeps it: the text owned, the kind of number kept, so a test
// sees that drawn numbers stay floats and line numbers stay integers.
using RecordedValue = std::variant<std::monostate, std::string, std::int16_t, float>;

struct RecordedItem
{
    RecordedValue value;
    Separator separator;
    bool operator==(const RecordedItem&) const = default;
};

using RecordedStatement = std::vector<RecordedItem>;

// Stands in for the window's print surface and writes down what a command asks of it.
// A `clear` is recorded as an empty statement.
class RecordingTarget
{
public:
    void clear() { statements.emplace_back(); }

    void print(PrintStatement statement)
    {
        RecordedStatement recorded;
        for (const PrintItem& item : statement) {
            recorded.push_back({std::visit(Owned{}, item.value), item.separator});
        }
        statements.push_back(std::move(recorded));
    }

    std::vector<RecordedStatement> statements;

private:
    struct Owned
    {
        RecordedValue operator()(std::monostate) const { return {}; }
        RecordedValue operator()(std::string_view text) const { return std::string(text); }
        RecordedValue operator()(std::int16_t number) const { return number; }
        RecordedValue operator()(float number) const { return number; }
    };
};

inline const RecordedStatement clearMark{};
inline const RecordedStatement blankLine{{std::monostate{}, LineEnd}};

inline RecordedStatement numberRunOn(float number)
{
    return {{number, RunOn}};
}

inline RecordedStatement lineLabel(std::int16_t line)
{
    return {{line, RunOn},
            {std::string(" - "), RunOn},
            {std::string(" KOMBINACIJA "), RunOn},
            {std::string(" - "), RunOn}};
}
