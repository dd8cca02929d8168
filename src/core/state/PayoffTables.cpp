#include "core/state/PayoffTables.h"

#include <type_traits>

namespace {

template <typename Entries>
constexpr bool kOneRow =
    std::is_same_v<std::remove_cvref_t<decltype(std::declval<Entries&>()[0])>, Money>;

template <typename Entry, typename Tables>
std::span<Entry> rowOf(Tables& tables, PayoffTable wanted, std::size_t index) {
    std::span<Entry> found;
    ForEachPayoffTable(tables, [&](PayoffTable table, auto& entries) {
        if (table != wanted) return;
        if constexpr (kOneRow<decltype(entries)>) {
            if (index == 0) found = entries;
        } else {
            if (index < entries.size()) found = entries[index];
        }
    });
    return found;
}

}  // namespace

std::size_t TableRowCount(PayoffTable wanted) {
    static const PayoffTables shapes{};
    std::size_t count = 0;
    ForEachPayoffTable(shapes, [&](PayoffTable table, const auto& entries) {
        if (table != wanted) return;
        if constexpr (kOneRow<decltype(entries)>)
            count = 1;
        else
            count = entries.size();
    });
    return count;
}

std::span<const Money> TableRow(const PayoffTables& tables, PayoffTable table, std::size_t row) {
    return rowOf<const Money>(tables, table, row);
}

std::span<Money> TableRow(PayoffTables& tables, PayoffTable table, std::size_t row) {
    return rowOf<Money>(tables, table, row);
}
