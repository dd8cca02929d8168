#pragma once

#include <cstdint>

#include "core/state/Money.h"

// One game may never cost more than the most one game can pay.

// A new price per game is allowed only when the aggregate limit covers it.
bool AggregateAllows(Money aggregateLimit, Money newPricePerGame);

// The same for a price per way and a number of ways: the price arrows pass the
// new price and Ways, the way window PricePerWay and Ways plus the row's ways.
bool AggregateAllows(Money aggregateLimit, Money pricePerWay, std::int64_t ways);
