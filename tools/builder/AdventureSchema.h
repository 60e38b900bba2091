// The statements that create every table of an adventure database.
#pragma once

extern const char* const AdventureSchemaSql;
