// Replaced by the best-players table.
