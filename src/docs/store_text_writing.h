#pragma once
// Writing a text store out line by line through a file writer.
#include "docs/text_file_writer.h"
#include "editor/store/text_store.h"

// Each line's text goes as one run, then the line break when the line ends
// with a line feed (every line but the last).  A line whose text lies on
// both sides of its gap is joined first, so that a conversion never sees a
// character cut in two (a surrogate pair would become two replacement
// characters).  False at the first failed write, or when memory for the
// join runs out.
bool WriteStoreText(TextStore& store, TextFileWriter& writer);
