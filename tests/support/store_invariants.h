#pragma once
// Checks a text store against its own totals and line rules: line count,
// total rows, longest width, one line feed ending every line but the last,
// no carriage returns, rows covering each line.
class TextStore;

// Adds a test failure for every broken rule; false when any broke.
bool StoreIsConsistent(TextStore& store);
