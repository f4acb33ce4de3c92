// The HTML token around a unit of one line: tags, attributes and values,
// CSS in style attributes and rule blocks, entities, text between tags,
// and lines that end in the middle of a construct.
#include "editor/html/html_token.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "editor/paint/unit_match.h"

namespace {

// The token's text around the first unit of marker in line; "" for none.
std::u16string TokenAt(std::u16string_view line, std::int32_t hit) {
  html_token::Span span;
  if (!html_token::Find(line, hit, span)) return u"";
  return std::u16string(line.substr(static_cast<std::size_t>(span.start), static_cast<std::size_t>(span.end - span.start)));
}

std::u16string TokenAt(std::u16string_view line, std::u16string_view marker) {
  return TokenAt(line, static_cast<std::int32_t>(line.find(marker)));
}

// The token scan as it was before it learned to carry what it read: every
// ";", ":" and "{" looked back again, so a long line took the square of its
// length. Kept as the reference the linear scan must agree with.
class QuadraticScan {
 public:
  explicit QuadraticScan(std::u16string_view line) : line_(line), n_(static_cast<std::int32_t>(line.size())) {}

  bool Find(std::int32_t& hit, html_token::Span& span) const {
    std::int32_t text = n_ > 0 && At(n_ - 1) == u'\n' ? n_ - 1 : n_;
    if (text == 0) return false;
    hit = std::clamp(hit, 0, text - 1);
    html_token::Span found;
    if (At(hit) == u'&') {
      found = {hit, To(u';', hit, true)};
    } else if (At(hit) == u'<') {
      found = {hit, To(u'>', hit + 1, true)};
      hit = std::min(hit + 1, text - 1);
    } else {
      found = Around(hit);
    }
    found.end = std::min(found.end, text);
    if (found.start >= found.end) return false;
    span = found;
    return true;
  }

 private:
  char16_t At(std::int32_t i) const { return i >= 0 && i < n_ ? line_[static_cast<std::size_t>(i)] : u'\0'; }
  std::int32_t To(char16_t wanted, std::int32_t k, bool inclusive) const {
    for (std::int32_t i = std::max(k, 0); i < n_; ++i) {
      if (At(i) == wanted) return inclusive ? i + 1 : i;
      if (At(i) == u'\n') return i;
    }
    return n_;
  }
  std::int32_t ToSecondQuote(std::int32_t k) const {
    std::int32_t quotes = 0;
    for (std::int32_t i = std::max(k, 0); i < n_; ++i) {
      if (At(i) == u'"' && ++quotes == 2) return i + 1;
      if (At(i) == u'\n') return i;
    }
    return n_;
  }
  std::int32_t OverText(std::int32_t k) const {
    std::int32_t brace = -1;
    for (std::int32_t i = std::max(k, 0); i < n_; ++i) {
      if (At(i) == u'<') return i;
      if (At(i) == u'>') return i + 1;
      if (At(i) == u'{' && brace < 0) brace = i;
      if (At(i) == u'\n') return brace >= 0 ? brace : i;
    }
    return brace >= 0 ? brace + 1 : n_;
  }
  std::int32_t QuotesBefore(std::int32_t b) const {
    std::int32_t quotes = 0;
    for (std::int32_t i = b - 1; i >= 0 && At(i) != u'<' && At(i) != u'>'; --i) quotes += At(i) == u'"';
    return quotes;
  }
  bool StyleBefore(std::int32_t b) const {
    if (b < 6) return false;
    for (std::int32_t k = 0; k < 6; ++k)
      if (unit_match::FoldAscii(At(b - 6 + k)) != u"style="[k]) return false;
    return true;
  }
  bool InsideCss(std::int32_t b) const {
    for (std::int32_t i = b - 1; i >= 0; --i) {
      if (At(i) == u'<' || At(i) == u'>') return false;
      if (At(i) == u'{') return true;
      if (At(i) == u'"') return StyleBefore(i);
    }
    return false;
  }
  html_token::Span AfterQuote(std::int32_t b, std::int32_t start, std::int32_t hit) const {
    std::int32_t i = hit;
    while (i < n_ && At(i) != u'"' && At(i) != u'>' && At(i) != u'\n') ++i;
    if (At(i) == u'>' && i < n_) {
      std::int32_t open = b - 1;
      while (open > 0 && At(open) != u'<') --open;
      return {std::max(open, 0), i + 1};
    }
    if (QuotesBefore(b) % 2 != 0) return {start, ToSecondQuote(hit)};
    if (StyleBefore(b)) return {start, To(u';', hit, true)};
    return {start, To(u'"', hit, false)};
  }
  html_token::Span Around(std::int32_t hit) const {
    std::int32_t start = hit, space = -1;
    bool semicolon = false;
    for (std::int32_t b = hit - 1; b >= 0; --b) {
      switch (At(b)) {
        case u' ': start = space = b; break;
        case u'"': return AfterQuote(b, start, hit);
        case u'&':
          if (!semicolon) return {b, To(u';', hit, true)};
          start = b;
          break;
        case u':':
          if (InsideCss(b)) return {start, To(u';', hit, false)};
          start = b;
          break;
        case u';':
          if (InsideCss(b)) return {start, To(u';', hit, true)};
          start = b;
          semicolon = true;
          break;
        case u'<': return space >= 0 ? html_token::Span{space, ToSecondQuote(hit)} : html_token::Span{b, To(u'>', hit, true)};
        case u'>': return {start, OverText(hit)};
        case u'{':
          if (QuotesBefore(b) == 0) return {start, To(u';', hit, true)};
          start = b;
          break;
        default: start = b; break;
      }
    }
    return {0, OverText(hit)};
  }

  std::u16string_view line_;
  std::int32_t n_;
};

TEST(HtmlToken, AttributeWithItsValueOrTheValueAlone) {
  const std::u16string line = u"<a href=\"x.html\">link</a>";
  EXPECT_EQ(TokenAt(line, u"ref"), u" href=\"x.html\"");
  EXPECT_EQ(TokenAt(line, u".html"), u"x.html");
  EXPECT_EQ(TokenAt(line, u"link"), u"link");
  // After a closed value: the next attribute with its leading space.
  EXPECT_EQ(TokenAt(u"<img src=\"a\" alt=\"b c\">", u"lt"), u" alt=\"b c\"");
  // The tag name: the whole tag.
  EXPECT_EQ(TokenAt(line, u"/a>"), u"</a>");
}

TEST(HtmlToken, AStartingAngleBracketSelectsTheTagAndMovesTheHit) {
  const std::u16string_view line = u"x<b>y";
  std::int32_t hit = 1;
  html_token::Span span;
  ASSERT_TRUE(html_token::Find(line, hit, span));
  EXPECT_EQ(span.start, 1);
  EXPECT_EQ(span.end, 4);
  EXPECT_EQ(hit, 2);
}

TEST(HtmlToken, StyleAttributeValuesAndDeclarations) {
  const std::u16string line = u"<p style=\"color: red; margin: 0\">";
  EXPECT_EQ(TokenAt(line, u"ed;"), u" red");
  // No semicolon follows: the closing quote does not stop the declaration.
  EXPECT_EQ(TokenAt(line, u"argin"), u" margin: 0\">");
  EXPECT_EQ(TokenAt(u"<p STYLE=\"a: 1; b: 2; c: 3\">", u"b:"), u" b: 2;");
  // A rule block of a style sheet.
  EXPECT_EQ(TokenAt(u"p { color: red; }", u"lor"), u" color: red;");
  EXPECT_EQ(TokenAt(u"p { color: red; }", u"ed"), u" red");
}

TEST(HtmlToken, EntitiesAndTextBetweenTags) {
  const std::u16string line = u"a &amp; b";
  EXPECT_EQ(TokenAt(line, u"&"), u"&amp;");
  EXPECT_EQ(TokenAt(line, u"mp"), u"&amp;");
  EXPECT_EQ(TokenAt(u"<b>x</b>some text<i>y</i>", u"me t"), u"some text");
  EXPECT_EQ(TokenAt(u"plain words", u"words"), u"plain words");
}

TEST(HtmlToken, ConstructsOpenAtTheLineEndStopThere) {
  EXPECT_EQ(TokenAt(u"<a href=\"x.ht\nmore", u".ht"), u"x.ht");
  EXPECT_EQ(TokenAt(u"<div class=\"a\n", u"iv"), u"<div class=\"a");
  EXPECT_EQ(TokenAt(u"&nbsp\n", u"&"), u"&nbsp");
  EXPECT_EQ(TokenAt(u"text\n", u"ex"), u"text");
}

TEST(HtmlToken, EmptyLinesNulUnitsAndStaleHits) {
  EXPECT_EQ(TokenAt(u"", 0), u"");
  EXPECT_EQ(TokenAt(u"\n", 0), u"");
  const std::u16string nuls(5, u'\0');
  EXPECT_EQ(TokenAt(nuls, 2), nuls);
  // A hit left from before an edit: clamped onto the last unit.
  std::int32_t hit = 50;
  html_token::Span span;
  ASSERT_TRUE(html_token::Find(u"ab<i>", hit, span));
  EXPECT_EQ(span.start, 2);
  EXPECT_EQ(span.end, 5);
  EXPECT_EQ(TokenAt(u"abc", -3), u"abc");
}

TEST(HtmlToken, RandomLinesGiveRangesInsideTheText) {
  std::mt19937 random(20261207);
  // A literal of its full length: the NUL and what follows it are drawn too.
  using namespace std::string_view_literals;
  constexpr std::u16string_view alphabet = u"<>\"&;:{} =/aZ\t\0x"sv;
  static_assert(alphabet.size() == 16);
  for (int round = 0; round < 20000; ++round) {
    std::u16string line;
    const int length = static_cast<int>(random() % 24);
    for (int k = 0; k < length; ++k) line.push_back(alphabet[random() % alphabet.size()]);
    if (random() % 2 == 0) line.push_back(u'\n');
    const std::int32_t text_length =
        static_cast<std::int32_t>(line.size()) - (!line.empty() && line.back() == u'\n' ? 1 : 0);
    std::int32_t hit = static_cast<std::int32_t>(random() % 32) - 4;
    html_token::Span span;
    if (!html_token::Find(line, hit, span)) continue;
    ASSERT_GE(span.start, 0);
    ASSERT_LT(span.start, span.end);
    ASSERT_LE(span.end, text_length);
    ASSERT_GE(hit, 0);
    ASSERT_LT(hit, text_length);
  }
}

// Lines of HTML and CSS pieces, style attributes among them: every hit
// gives the token the quadratic scan gives, and the same moved hit.
TEST(HtmlToken, TheLinearScanAgreesWithTheQuadraticOne) {
  static constexpr std::u16string_view kPieces[] = {
      u"<", u">", u"\"", u"&", u";", u":", u"{", u"}", u" ", u"=", u"a", u"Z", u"\t", u"\n",
      u"style=", u"STYLE=\"", u"&nbsp;", u"a;", u"<p ", u"color: red;", std::u16string_view(u"\0", 1)};
  std::mt19937 random(20261219);
  std::int64_t tokens = 0;
  for (int round = 0; round < 4000; ++round) {
    std::u16string line;
    const int pieces = static_cast<int>(random() % 30);
    for (int k = 0; k < pieces; ++k) line += kPieces[random() % std::size(kPieces)];
    for (std::int32_t hit = -1; hit <= static_cast<std::int32_t>(line.size()); ++hit) {
      std::int32_t new_hit = hit, old_hit = hit;
      html_token::Span new_span{-1, -1}, old_span{-1, -1};
      const bool found = html_token::Find(line, new_hit, new_span);
      ASSERT_EQ(found, QuadraticScan(line).Find(old_hit, old_span));
      ASSERT_EQ(new_hit, old_hit);
      ASSERT_EQ(new_span.start, old_span.start) << "hit " << hit << " round " << round;
      ASSERT_EQ(new_span.end, old_span.end) << "hit " << hit << " round " << round;
      tokens += found;
    }
  }
  EXPECT_GT(tokens, 40000);
}

}  // namespace
