#pragma once
// Decoding a large file in two parts side by side.  The data is cut just
// after a line feed, so that each part starts a line and decodes exactly as
// it would within the whole; the tail is decoded and laid out on a second
// thread into a store of its own, whose lines then move behind the head's;
// those whose units had not all been measured are laid out there.
// Detection has happened before, once, on the whole file, and the thread
// has ended when decoding returns.
#include <cstdint>

#include "docs/text_file_reader.h"
#include "editor/store/text_store.h"

class MappedFile;

namespace parted_decoding {

// Threads a large load decodes with: 2 on a machine with two cores or more.
int Threads();

// Where a load of reader's data is cut: reader.End() (no cut) for data too
// small to be worth a thread, on one core, and for ISO-2022-JP, whose shift
// state runs on from line to line.
const std::uint8_t* PlannedCut(const TextFileReader& reader);

// Just after the first line feed at or after near (a whole LF unit in
// UTF-16); reader.End() when there is none.
const std::uint8_t* CutAfterLineFeed(const TextFileReader& reader, const std::uint8_t* near);

// Decodes the rest of reader into store, which must hold only its first,
// empty line, in two parts when cut lies before reader.End() (cut as
// CutAfterLineFeed gives it).  Lines are laid out by the store's layout, and
// file, when given, hears which bytes were decoded.  The reader's break
// counts cover both parts.  False when the store refused a line (memory);
// the store may then hold part of the text.
bool Decode(TextFileReader& reader, TextStore& store, MappedFile* file, const std::uint8_t* cut);

}  // namespace parted_decoding
