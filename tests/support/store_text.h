#pragma once
// Reading a text store back as plain strings, for comparisons in tests.
#include <string>
#include <vector>

class LineRecord;
class TextStore;

std::u16string LineText(const LineRecord& line);
std::vector<std::u16string> StoreLines(TextStore& store);
// Builds a store's lines from a text with line feeds, through the store's
// own insertion; fails the test on error.
void FillStore(TextStore& store, const std::u16string& text);
