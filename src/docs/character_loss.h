#pragma once
// Which characters of a text the chosen encoding cannot hold: those the
// file writer would put down as "?" (or as another character), found
// before anything is written so that the user can be asked.
#include <cstdint>

#include "editor/store/text_store.h"

struct CharacterLoss {
  // Characters lost (a surrogate pair counts once); 0 when all survive.
  std::int64_t count = 0;
  // The first lost one, 0-based line and UTF-16 column; -1 when none.
  std::int32_t line = -1;
  std::int32_t column = -1;
};

namespace character_loss {

// encoding is an EncodingId (0..6); anything else loses nothing here (the
// save refuses it).  UTF-16 holds everything; UTF-8 all but unpaired
// surrogates; the Japanese encodings what reads back as written; the
// single-byte encoding the units below 256.
CharacterLoss Find(TextStore& store, int encoding);

// The same over one line of units, the first position counted on line 0.
CharacterLoss FindInUnits(const char16_t* units, std::int32_t count, int encoding);

}  // namespace character_loss
