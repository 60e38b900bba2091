// What the member panels show of a running effect: what it does and how long it
// has left.
#pragma once

#include <string>

class TEffect;

// Empty for a cancelled effect. In a turn-based fight the time left is told in
// rounds, otherwise in seconds.
std::string DescribeEffect(const TEffect& effect, bool turnBased);
