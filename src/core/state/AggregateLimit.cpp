#include "core/state/AggregateLimit.h"

bool AggregateAllows(Money aggregateLimit, Money newPricePerGame) {
    return aggregateLimit >= newPricePerGame;
}

bool AggregateAllows(Money aggregateLimit, Money pricePerWay, std::int64_t ways) {
    return AggregateAllows(aggregateLimit, money::Times(ways, pricePerWay));
}
