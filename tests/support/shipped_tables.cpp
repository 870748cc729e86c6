// Test support only: the layers under test never read files themselves.
#include "shipped_tables.h"

#include "files/datatables.h"

namespace veltar {

Status ReadShippedTables(Tables& tables) { return ReadTables(VELTAR_DATA_DIR, tables); }

}  // namespace veltar
