// Every scan stops at the line feed or the line's end, so a tag or a quote
// left open at the end of a line ends there.
#include "editor/html/html_token.h"

#include <algorithm>

#include "editor/paint/unit_match.h"

namespace html_token {
namespace {

class LineScanner {
 public:
  explicit LineScanner(std::u16string_view line) : line_(line), length_(static_cast<std::int32_t>(line.size())) {}

  std::int32_t Length() const { return length_; }
  char16_t At(std::int32_t index) const {
    return index >= 0 && index < length_ ? line_[static_cast<std::size_t>(index)] : u'\0';
  }

  // The first wanted unit from k on: the index after it (inclusive) or its
  // index; a line feed or the end first gives that place.
  std::int32_t ForwardTo(char16_t wanted, std::int32_t k, bool inclusive) const {
    for (std::int32_t i = std::max(k, 0); i < length_; ++i) {
      if (At(i) == wanted) return inclusive ? i + 1 : i;
      if (At(i) == u'\n') return i;
    }
    return length_;
  }

  // Just after the second double quote from k on.
  std::int32_t ForwardToSecondQuote(std::int32_t k) const {
    std::int32_t quotes = 0;
    for (std::int32_t i = std::max(k, 0); i < length_; ++i) {
      if (At(i) == u'"' && ++quotes == 2) return i + 1;
      if (At(i) == u'\n') return i;
    }
    return length_;
  }

  // The end of text between tags; a "{" passed cuts a CSS rule's selector.
  std::int32_t ForwardOverText(std::int32_t k) const {
    std::int32_t brace = -1;
    for (std::int32_t i = std::max(k, 0); i < length_; ++i) {
      const char16_t unit = At(i);
      if (unit == u'<') return i;
      if (unit == u'>') return i + 1;
      if (unit == u'{' && brace < 0) brace = i;
      if (unit == u'\n') return brace >= 0 ? brace : i;
    }
    return brace >= 0 ? brace + 1 : length_;
  }

  std::int32_t QuotesBefore(std::int32_t b) const {
    std::int32_t quotes = 0;
    for (std::int32_t i = b - 1; i >= 0; --i) {
      const char16_t unit = At(i);
      if (unit == u'<' || unit == u'>') break;
      if (unit == u'"') ++quotes;
    }
    return quotes;
  }

  // Whether the text style= ends just before b, in any ASCII case.
  bool StyleAttributeBefore(std::int32_t b) const {
    static constexpr std::u16string_view kStyle = u"style=";
    if (b < static_cast<std::int32_t>(kStyle.size())) return false;
    const std::int32_t from = b - static_cast<std::int32_t>(kStyle.size());
    for (std::size_t k = 0; k < kStyle.size(); ++k) {
      if (unit_match::FoldAscii(At(from + static_cast<std::int32_t>(k))) != kStyle[k]) return false;
    }
    return true;
  }

  // The nearest unit before b that is one of a few stops, or -1 (the line
  // start). The backward scan asks with b falling; an answer holds for every
  // b down to just after the unit found, so each unit is read at most once
  // whatever the number of questions.
  class NearestStop {
   public:
    explicit NearestStop(std::u16string_view stops) : stops_(stops) {}
    std::int32_t Before(const LineScanner& line, std::int32_t b) {
      if (found_ < b && b <= asked_) return found_;
      asked_ = b;
      found_ = b - 1;
      while (found_ >= 0 && stops_.find(line.At(found_)) == std::u16string_view::npos) --found_;
      return found_;
    }

   private:
    std::u16string_view stops_;
    std::int32_t asked_ = -1;
    std::int32_t found_ = -1;
  };

  // Whether b lies inside CSS: the nearest "<", ">", "{" or double quote
  // before it is a "{", or the quote that opens a style attribute's value.
  bool InsideCss(std::int32_t b, NearestStop& css_stop) const {
    const std::int32_t stop = css_stop.Before(*this, b);
    if (stop < 0) return false;
    return At(stop) == u'{' || (At(stop) == u'"' && StyleAttributeBefore(stop));
  }

  // Whether QuotesBefore(b) is not 0: the nearest "<", ">" or double quote
  // before b is a quote.
  bool QuotedBefore(std::int32_t b, NearestStop& quote_stop) const {
    const std::int32_t stop = quote_stop.Before(*this, b);
    return stop >= 0 && At(stop) == u'"';
  }

  // Unit b is a double quote before the hit: a value closed (the attribute
  // after it), a value open (its content), or the last quote of a tag.
  Span AfterQuote(std::int32_t b, std::int32_t start, std::int32_t hit) const {
    std::int32_t i = hit;
    while (i < length_ && At(i) != u'"' && At(i) != u'>' && At(i) != u'\n') ++i;
    if (At(i) == u'>' && i < length_) {
      std::int32_t open = b - 1;
      while (open > 0 && At(open) != u'<') --open;
      return {std::max(open, 0), i + 1};
    }
    if (QuotesBefore(b) % 2 != 0) return {start, ForwardToSecondQuote(hit)};
    if (StyleAttributeBefore(b)) return {start, ForwardTo(u';', hit, true)};
    return {start, ForwardTo(u'"', hit, false)};
  }

  // One backward scan: what it learns about the units before the one it is
  // at is kept for the next, so a long line costs its length once.
  Span Around(std::int32_t hit) const {
    std::int32_t start = hit;
    std::int32_t space = -1;
    bool semicolon = false;
    NearestStop css_stop(u"<>{\"");
    NearestStop quote_stop(u"<>\"");
    for (std::int32_t b = hit - 1; b >= 0; --b) {
      switch (At(b)) {
        case u' ':
          start = b;
          space = b;
          break;
        case u'"': return AfterQuote(b, start, hit);
        case u'&':
          if (!semicolon) return {b, ForwardTo(u';', hit, true)};
          start = b;
          break;
        case u':':
          if (InsideCss(b, css_stop)) return {start, ForwardTo(u';', hit, false)};
          start = b;
          break;
        case u';':
          if (InsideCss(b, css_stop)) return {start, ForwardTo(u';', hit, true)};
          start = b;
          semicolon = true;
          break;
        case u'<':
          if (space >= 0) return {space, ForwardToSecondQuote(hit)};
          return {b, ForwardTo(u'>', hit, true)};
        case u'>': return {start, ForwardOverText(hit)};
        case u'{':
          if (!QuotedBefore(b, quote_stop)) return {start, ForwardTo(u';', hit, true)};
          start = b;
          break;
        default: start = b; break;
      }
    }
    return {0, ForwardOverText(hit)};
  }

 private:
  std::u16string_view line_;
  std::int32_t length_;
};

}  // namespace

bool Find(std::u16string_view line, std::int32_t& hit, Span& span) {
  const LineScanner scanner(line);
  std::int32_t text_length = scanner.Length();
  if (text_length > 0 && scanner.At(text_length - 1) == u'\n') --text_length;
  if (text_length == 0) return false;
  // A hit unit kept from before an edit may lie past the text now.
  hit = std::clamp(hit, 0, text_length - 1);
  Span found;
  if (scanner.At(hit) == u'&') {
    found = {hit, scanner.ForwardTo(u';', hit, true)};
  } else if (scanner.At(hit) == u'<') {
    found = {hit, scanner.ForwardTo(u'>', hit + 1, true)};
    hit = std::min(hit + 1, text_length - 1);
  } else {
    found = scanner.Around(hit);
  }
  found.end = std::min(found.end, text_length);
  if (found.start >= found.end) return false;
  span = found;
  return true;
}

}  // namespace html_token
