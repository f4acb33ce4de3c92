#pragma once
// The encodings a file can be read and written in, and the line-break
// styles; the numbers are stored in the settings file and shown through
// language strings 20100 + id and 20110 + style.

enum EncodingId : int {
  kUtf8 = 0,
  kUtf16Le = 1,
  kUtf16Be = 2,
  kShiftJis = 3,
  kEucJp = 4,
  kIso2022Jp = 5,
  kSingleByte = 6,
  kAutoDetect = 7,  // a loading choice only, never a document's encoding
};

enum LineBreakStyle : int {
  kCrLf = 0,
  kLf = 1,
  kCr = 2,
};
