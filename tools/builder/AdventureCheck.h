// Finds the dangling references of an adventure database: ids that name no row.
#pragma once

#include <string>
#include <vector>

#include "AdventureBuilder.h"

class TSQLite3;

// One line per problem, naming the source file and the row.
std::vector<std::string> CheckAdventure(TSQLite3& db, const TOrigins& origins);
